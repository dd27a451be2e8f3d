// Questions voucher screens ask the database before a voucher is changed,
// annulled or continued: applied charges, vouchers made from this one, the
// next automatic lot, SPNL stock lines and pending quantities.
#include "voucher/ClsCmnCptes.h"

#include "platform/avisos.h"
#include "platform/recorte.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "voucher/consultas.h"

#include <QDialog>
#include <QMetaObject>

#include <optional>

using namespace ModGlobal;
using LecturaValores::Codigo4;
using LecturaValores::Literal;

namespace {

// The vouchers whose origin is this one; the complement as passed.
QString RelacionadosCon(const QString& tc, const QString& sucNroLetra)
{
    return QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TCORIGEN = ") + Literal(Codigo4(tc)) +
           QStringLiteral(" AND COMPROBANTEORIGEN = ") + Literal(Recorta(sucNroLetra));
}

void PonPropiedad(QObject& formulario, const char* nombre, const QString& valor)
{
    // The form must declare the property, as the caller's form object had to.
    if (formulario.metaObject()->indexOfProperty(nombre) < 0)
        throw Falla(438, QStringLiteral("El objeto no admite esta propiedad o método (%1)").arg(QLatin1String(nombre)));
    formulario.setProperty(nombre, valor);
}

}  // namespace

Moneda ClsCmnCptes::ImporteCargosReales(const QString& Cuenta)
{
    Procedimiento p(QStringLiteral("ImporteCargosReales"), LecturaValores::GestorSesion());
    Moneda importe;
    Recordset rs;
    p.paso([&] {
        gSesionBD->AbreRecordset(
            QStringLiteral("SELECT SUM (SALDO) AS IMPORTE FROM V_MV_CargosAplicados WHERE CUENTA = ") +
                Literal(Recorta(Cuenta)),
            rs, nullptr, 0, 1);
    });
    p.paso([&] {
        if (!rs.Eof())
            importe = LecturaValores::Importe(rs.Valor(QStringLiteral("Importe")));
    });
    if (rs.State())
        rs.Close();
    return importe;
}

void ClsCmnCptes::ControlDeCargosReales(QDialog& FrmCtrlCargosReales, const QString& Cliente, const QString& Matricula)
{
    PonPropiedad(FrmCtrlCargosReales, "Cliente", Cliente);
    PonPropiedad(FrmCtrlCargosReales, "Matricula", Matricula);
    Avisos::Actual().Dialogo(FrmCtrlCargosReales);
}

bool ClsCmnCptes::EstaRelacionadoAOtroComprobante(const QString& TC, const QString& SucNroLetra,
                                                  const QString& Complemento, bool TenerEnCuentaAnulados)
{
    QString sql = RelacionadosCon(TC, SucNroLetra) + QStringLiteral(" AND COMPLEMENTOORIGEN = ") +
                  Literal(Complemento) + QStringLiteral(" ");
    if (!TenerEnCuentaAnulados)
        sql += QStringLiteral(" AND ANULADA = 0");
    return HayFilas(sql);
}

Moneda ClsCmnCptes::ObtieneImporteCptesAsociados(const QString& TC, const QString& SucNroLetra)
{
    Recordset rs;
    gSesionBD->AbreRecordset(RelacionadosCon(TC, SucNroLetra) + QStringLiteral(" AND ANULADA = 0"), rs, nullptr, 0, 1);
    Moneda total;
    for (; !rs.Eof(); rs.MoveNext())
        total += LecturaValores::Importe(rs.Valor(QStringLiteral("Importe")));
    gSesionBD->CierraRecordset(rs);
    return total;
}

QString ClsCmnCptes::ObtieneLoteAutomatico()
{
    // The highest number among the automatic lots, compared as numbers: as
    // texts " 9" would pass " 10".
    Recordset rs;
    gSesionBD->AbreRecordset(
        QStringLiteral("SELECT DISTINCT NroLote From v_mv_stock WHERE (SUBSTRING(NroLote, 1, 1) = ' ') "), rs, nullptr,
        0, 1);
    std::optional<Moneda> mayor;
    for (; !rs.Eof(); rs.MoveNext()) {
        const QVariant lote = rs.Valor(0);
        if (lote.isNull())
            continue;
        const Moneda n = gUtilidades->TextoAMoneda(lote.toString());
        if (!mayor || n > *mayor)
            mayor = n;
    }
    gSesionBD->CierraRecordset(rs);
    if (!mayor)
        return QStringLiteral("1");
    return (*mayor + Moneda::DesdeEntero(1)).Texto().trimmed();
}

QString ClsCmnCptes::LoteAutomaticoGuardado(const QString& numero)
{
    return gUtilidades->AjustaAncho(QStringLiteral(" ") + Recorta(numero), 25);
}

bool ClsCmnCptes::TieneSPNL(const QString& TCP, const QString& IdCptep)
{
    return HayFilas(QStringLiteral("Select * from v_mv_stock where tc = 'spnl' and tc_origen = ") + Literal(TCP) +
                    QStringLiteral(" and idcomprobante_origen = ") + Literal(IdCptep));
}

double ClsCmnCptes::CantRepartoPend(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo,
                                    double& Aplicado)
{
    const QString clave = QStringLiteral("(TC = ") + Literal(TC) + QStringLiteral(") AND IDCOMPROBANTE = ") +
                          Literal(Recorta(SucNroLetra)) + QStringLiteral(" AND IDARTICULO = ") +
                          Literal(gUtilidades->TransformaClave(IdArticulo));
    // No row and Null are 0.
    const auto primerValor = [](const QString& sql, const QString& campo) {
        return LecturaValores::Numero(PrimerValor(sql, campo));
    };
    double enComprobante = primerValor(
        QStringLiteral("SELECT * FROM VT_V_MV_CPTEINSUMOS_CONS2  with(nolock)  WHERE ") + clave, QStringLiteral("Cantidad"));
    const double movido = primerValor(
        QStringLiteral("SELECT SUM(CANTIDAD) AS CANTIDAD FROM VT_V_MV_Stock_Cons WHERE ") + clave, QStringLiteral("CANTIDAD"));
    if (enComprobante < movido)
        enComprobante = movido;
    Aplicado = movido;
    return enComprobante - movido;
}
