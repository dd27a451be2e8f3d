#include "picker/consultas_comprobantes.h"

#include "picker/FrmConsComprobantes.h"
#include "services/lectura_valores.h"
#include "platform/recorte.h"

namespace ConsultasComprobantes {

namespace {

bool Es(const QString& tc, const char* tipo)
{
    return FrmConsComprobantes::EsDelGrupo(tc, {tipo});
}

bool EsIdentificador(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// A text as it enters between the quotes of a literal.
QString Comillas(QString texto)
{
    return texto.replace(u'\'', QStringLiteral("''"));
}

// The search text as it enters the quoted LIKE pattern.
QString Patron(const QString& caja)
{
    return Comillas(Recorta(caja));
}

}  // namespace

Modo DecodificaModo(const QString& tc)
{
    // Separate tests, each on what the ones before left.
    Modo m{tc};
    const auto pendiente = [&m](const char* modo, const char* tipo) {
        if (Es(m.tc, modo)) {
            m.tc = QString::fromLatin1(tipo);
            m.soloPendientes = true;
        }
    };
    pendiente("RM/PENDIENTES", "RM");
    pendiente("NP/PENDIENTES", "NP");
    pendiente("OT/PENDIENTES", "OT");
    pendiente("RM/PENDIENTES_COMPRAS", "RMC");
    pendiente("PR/PENDIENTES", "PR");
    if (Es(m.tc, "FC/ANTICIPOS"))
        m.tc = QStringLiteral("FC");
    if (Es(m.tc, "RM/TRANSPORTE")) {
        m.esTransporte = true;
        m.tc = QStringLiteral("RM-T");
    }
    if (Es(m.tc, "FP/PENDIENTES"))
        m.tc = QStringLiteral("FP");
    if (Es(m.tc, "OC"))
        m.casillas = true;
    return m;
}

QString CondicionDeBusqueda(const QString& nombre, const QString& numero)
{
    const auto usada = [](const QString& caja, const QString& aviso) {
        return !caja.isEmpty() && caja.compare(aviso, Qt::CaseInsensitive) != 0;
    };
    if (usada(numero, FrmConsComprobantes::AvisoNumero()))
        return QStringLiteral("AND IDCOMPROBANTE LIKE '%") + Patron(numero) + QStringLiteral("%' ");
    if (usada(nombre, FrmConsComprobantes::AvisoNombre()))
        return QStringLiteral("AND NOMBRE LIKE '%") + Patron(nombre) + QStringLiteral("%' ");
    return QString();
}

QString QuitaWhere(const QString& filtro)
{
    static const QString palabra = QStringLiteral("where");
    QString r;
    r.reserve(filtro.size());
    bool enLiteral = false;
    for (qsizetype i = 0; i < filtro.size(); ++i) {
        const QChar c = filtro[i];
        if (c == u'\'') {
            enLiteral = !enLiteral;   // a doubled apostrophe closes and opens again
        } else if (!enLiteral && (i == 0 || !EsIdentificador(filtro[i - 1]))
                   && QStringView(filtro).mid(i, palabra.size()).compare(palabra, Qt::CaseInsensitive) == 0
                   && (i + palabra.size() >= filtro.size() || !EsIdentificador(filtro[i + palabra.size()]))) {
            i += palabra.size() - 1;
            continue;
        }
        r += c;
    }
    return r;
}

QString Consulta(const QString& tc, bool soloPendientes, bool esTransporte, const QString& busqueda, QString& Filtro,
                 const std::function<bool(const QString& clave)>& AjusteSi)
{
    const QString c = Comillas(LecturaValores::Codigo4(tc));
    const QString& b = busqueda;
    const auto conFiltro = [&Filtro] { return !Recorta(Filtro).isEmpty(); };
    const auto y = [&](const QString& f) { return conFiltro() ? QStringLiteral(" AND ") + f : QString(); };
    const QString& f = Filtro;

    if (Es(tc, "RMC") && soloPendientes)
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM "
                              "C_RemitosPendientes with(nolock) WHERE TC = '")
               + c + QStringLiteral("' ") + b + y(f) + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
    if (Es(tc, "RM") && soloPendientes) {
        if (conFiltro()) {
            if (AjusteSi(QStringLiteral("UsaRemitoContado")))
                return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
                                      "'' AS OBSERVACIONES FROM V_RemitosPendientes with(nolock) WHERE TC = '")
                       + c + QStringLiteral("' ") + b + QStringLiteral(" AND ") + f
                       + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
                                  "OBSERVACIONES,FechaHora_Grabacion  FROM V_MV_CPTE with(nolock) WHERE COMPLEMENTARIO = 0 "
                                  "AND TC = '")
                   + c + QStringLiteral("'") + b + QStringLiteral(" AND ") + f
                   + QStringLiteral("  AND FINALIZADA = 0 AND BLOQUEADA = 0 ORDER BY IDCOMPROBANTE DESC");
        }
        const bool contado = AjusteSi(QStringLiteral("UsaRemitoContado"));
        if (contado && !AjusteSi(QStringLiteral("EntregaParcialRemito")))
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM "
                                  "V_RemitosPendientes with(nolock) WHERE TC = '")
                   + c + QStringLiteral("'") + b + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, "
                              "Importe,Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE "
                              "COMPLEMENTARIO = 0 AND TC = '")
               + c + QStringLiteral("'") + b
               + QStringLiteral(" AND FINALIZADA = 0 AND BLOQUEADA = 0 ORDER BY IDCOMPROBANTE DESC");
    }
    if (Es(tc, "T3"))
        return QStringLiteral("SELECT * FROM V_MV_CPTETERCEROS  with(nolock)  ORDER BY ID,IDCOMPROBANTE, IDCOMPLEMENTO");
    if (FrmConsComprobantes::EsDelGrupo(tc, {"NCPE", "NDPR"})) {
        if (conFiltro())
            return QStringLiteral("SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = '") + c + QStringLiteral("' AND ")
                   + f + QStringLiteral(" ORDER BY SUCURSAL, NUMERO, LETRA DESC ");
        return QStringLiteral("SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = '") + c
               + QStringLiteral("' AND SECUENCIA = 1 ORDER BY SUCURSAL, NUMERO, LETRA DESC");
    }
    if (FrmConsComprobantes::EsDelGrupo(tc, {"FCC", "NCC", "LNCC", "NCCP", "NDC", "LNDC", "RMC"})) {
        if (conFiltro())
            return QStringLiteral("SELECT * FROM C_MV_CPTE  with(nolock)  WHERE TC = '") + c + QStringLiteral("'") + b
                   + QStringLiteral(" AND ") + f + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC ");
        return QStringLiteral("SELECT * FROM C_MV_CPTE  with(nolock)  WHERE TC = '") + c + QStringLiteral("'") + b
               + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
    }
    if (Es(tc, "OT")) {
        if (soloPendientes)
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento,ID,FECHA, "
                                  "Importe,FechaHora_Grabacion,FechaHOra_Modificacion FROM V_OT_Pendientes with(nolock) "
                                  "WHERE TC = '")
                   + c + QStringLiteral("'") + b + y(f) + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
        if (conFiltro())
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento , ID,FECHA, "
                                  "Importe,FechaHora_Grabacion,FechaHOra_Modificacion FROM V_OT_Pendientes with(nolock) "
                                  "WHERE TC = '")
                   + c + QStringLiteral("'") + b + QStringLiteral(" AND ") + f
                   + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento , ID,FECHA, "
                              "Importe FROM V_OT_Pendientes with(nolock) WHERE TC = '")
               + c + QStringLiteral("'") + b + QStringLiteral(" ") + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
    }
    if (Es(tc, "NP") && soloPendientes) {
        if (conFiltro())
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE,IDCOMPLEMENTO, ID,FECHA, "
                                  "Importe, FechaPreparacion, fechahora_grabacion,IdPalm,Observaciones,"
                                  "Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE  with(nolock)  WHERE TC = '")
                   + c + QStringLiteral("'") + b + QStringLiteral(" AND ") + f
                   + QStringLiteral(" AND FINALIZADA = 0 and anulada = 0 ORDER BY IDCOMPROBANTE DESC");
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE,IDCOMPLEMENTO, ID,FECHA, "
                              "Importe,FechaPreparacion,fechahora_grabacion,IdPalm,Observaciones,Fechahora_grabacion,"
                              "fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE TC = '")
               + c + QStringLiteral("'") + b
               + QStringLiteral(" AND FINALIZADA = 0 and anulada = 0 ORDER BY IDCOMPROBANTE DESC");
    }
    if (Es(tc, "PR") && soloPendientes) {
        if (conFiltro())
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
                                  "comentarios,Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE with(nolock) "
                                  "WHERE TC = '")
                   + c + QStringLiteral("'") + b + QStringLiteral(" AND APROBADO = 1 AND ") + f
                   + QStringLiteral(" AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC");
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
                              "comentarios FROM V_PR_PENDIENTES with(nolock)  WHERE TC = '")
               + c + QStringLiteral("'") + b + QStringLiteral(" AND APROBADO = 1 ORDER BY IDCOMPROBANTE DESC");
    }
    const bool esOC = Es(tc, "OC");
    const bool esFP = Es(tc, "FP");
    const bool esViaje = Es(tc, "RM") && esTransporte;
    if (esOC || esFP || esViaje)
        Filtro = QuitaWhere(Filtro);
    if (esOC)
        return QStringLiteral(" SELECT FECHA, CUENTA , NOMBRE, ANULADA, APROBADO, TC,IDCOMPROBANTE, ID,Importe, "
                              "comentarios, Garantia FROM C_MV_CPTE  with(nolock) WHERE TC = '")
               + c + QStringLiteral("'") + b
               + QStringLiteral(" AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0)") + y(QString()) + f
               + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
    if (esFP)
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, "
                              "Importe,Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE TC = '")
               + c + QStringLiteral("' ") + y(QString()) + f + QStringLiteral(" ") + b
               + QStringLiteral("  AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC");
    if (esViaje)
        return QStringLiteral("SELECT dbo.V_MV_Stock.TC, dbo.V_MV_Stock.IDCOMPROBANTE, dbo.V_MV_Stock.IDCOMPLEMENTO, "
                              "dbo.V_MV_Stock.FECHA,dbo.V_MV_Stock.CUENTAPROVEEDOR ")
               + QStringLiteral(" FROM         dbo.V_MV_Stock LEFT OUTER JOIN")
               + QStringLiteral(" dbo.MV_APLICACION ON dbo.V_MV_Stock.IDCOMPROBANTE = "
                                "dbo.MV_APLICACION.IDComprobante_Origen AND")
               + QStringLiteral(" dbo.V_MV_Stock.TC = dbo.MV_APLICACION.Tco_Origen")
               + QStringLiteral(" WHERE     (dbo.V_MV_Stock.TC = N'RM') AND (dbo.V_MV_Stock.IDVIAJE = N'TTE') AND "
                                "(dbo.V_MV_Stock.Revisado = 0) AND (dbo.MV_APLICACION.TC = N'FC' OR "
                                "dbo.MV_APLICACION.TC = N'TKFC' OR dbo.MV_APLICACION.TC = N'TK') ")
               + y(QString()) + f
               + QStringLiteral(" GROUP BY dbo.V_MV_Stock.TC,dbo.V_MV_Stock.IDCOMPROBANTE,dbo.V_MV_Stock.IDCOMPLEMENTO,"
                                "dbo.V_MV_Stock.FECHA,dbo.V_MV_Stock.CUENTAPROVEEDOR ORDER BY dbo.V_MV_Stock.FECHA DESC,"
                                "dbo.V_MV_Stock.IDCOMPROBANTE,dbo.V_MV_Stock.IDCOMPLEMENTO");
    const bool esRM = Es(tc, "RM");
    if (conFiltro())
        return QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE ")
               + (esRM ? QStringLiteral("COMPLEMENTARIO = 0 AND ") : QString()) + QStringLiteral("TC = '") + c
               + QStringLiteral("'") + b + QStringLiteral(" AND ") + f
               + QStringLiteral(" ORDER BY  IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  ");
    return QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE ")
           + (esRM ? QStringLiteral("COMPLEMENTARIO = 0 AND BLOQUEADA = 0 AND ") : QStringLiteral("  "))
           + QStringLiteral("TC = '") + c + QStringLiteral("'") + b
           + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC");
}

}  // namespace ConsultasComprobantes
