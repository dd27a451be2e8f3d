// The number a new voucher is proposed, checked against the vouchers already stored.
#include "services/ModExportarExcel.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "platform/recorte.h"

namespace ModExportarExcel {

using namespace LecturaValores;

QString ObtieneTCNumeracion(const QString& TC)
{
    const QString alias = Recorta(ModGlobal::Cfg(QStringLiteral("NUM_") + Recorta(TC)));
    return alias.isEmpty() ? TC : alias;
}

namespace {

// " WHERE TC = '..' AND SUBSTRING(IDCOMPROBANTE,1,4)= '..' AND SUBSTRING(IDCOMPROBANTE,13,1) = '..'"
QString delTipoSucursalLetra(const QString& tc, const QString& sucursal, const QString& letra)
{
    return QStringLiteral(" WHERE TC = ") + Literal(tc) + QStringLiteral(" AND SUBSTRING(IDCOMPROBANTE,1,4)= ") +
           Literal(sucursal) + QStringLiteral(" AND SUBSTRING(IDCOMPROBANTE,13,1) = ") + Literal(letra);
}

// The field ULTIMO of the first row; Null when there is none.
QVariant ultimo(Recordset& rs)
{
    return rs.Eof() ? QVariant() : rs.Valor(QStringLiteral("Ultimo"));
}

// The number after a stored highest number.
QString siguiente(const QVariant& ultimoNumero)
{
    return Ceros((ModGlobal::gUtilidades->TextoAMoneda(Texto(ultimoNumero)) + Moneda::DesdeEntero(1)).Texto(), 8);
}

}  // namespace

bool Obtener_Nro_Comprobante(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                             bool& ModificaNumeracion, bool Revisar, const QString&, const QString& UNegocio)
{
    if (TC.isEmpty())
        return false;
    QString hasta = QStringLiteral("99999999");
    const bool tomado = Obtener_Nro_Comprobante_Contable(ObtieneTCNumeracion(TC), Sucursal, Numero, Letra,
                                                         ModificaNumeracion, QString(), UNegocio, hasta);
    if (!Revisar || !tomado)
        return tomado;

    Procedimiento p(QStringLiteral("Obtener_Nro_Comprobante"), GestorSesion());
    auto& sesion = *ModGlobal::gSesionBD;
    auto& util = *ModGlobal::gUtilidades;
    Recordset rs;
    const auto abre = [&](const QString& sql) { p.paso([&] { sesion.AbreRecordset(sql, rs); }); };
    // Past the highest id of the type, branch and letter when the proposal is not above it.
    const auto masAltoQue = [&](const QString& tabla) {
        abre(QStringLiteral("SELECT MAX(idcomprobante) AS ULTIMO From ") + tabla +
             delTipoSucursalLetra(TC, Sucursal, Letra));
        p.paso([&] {
            const QVariant u = ultimo(rs);
            if (u.isNull())
                return;
            const QString numeroMasAlto = Texto(u).mid(4, 8);
            if (util.TextoAMoneda(Numero) <= util.TextoAMoneda(numeroMasAlto))
                Numero = siguiente(numeroMasAlto);
        });
        p.paso([&] { sesion.CierraRecordset(rs); });
    };
    // Whether the proposed id is stored in the table.
    const auto ocupado = [&](const QString& tabla) {
        bool hay = false;
        abre(QStringLiteral("SELECT * From ") + tabla + QStringLiteral("  with(nolock)  WHERE TC = ") + Literal(TC) +
             QStringLiteral(" AND IDCOMPROBANTE = ") + Literal(Sucursal + Numero + Letra));
        p.paso([&] { hay = !rs.Eof(); });
        p.paso([&] { sesion.CierraRecordset(rs); });
        return hay;
    };
    const auto siguienteDe = [&](const QString& sql) {
        abre(sql);
        bool hay = false;
        p.paso([&] {
            const QVariant u = ultimo(rs);
            hay = !u.isNull();
            Numero = hay ? siguiente(u) : QStringLiteral("00000001");
        });
        p.paso([&] { sesion.CierraRecordset(rs); });
        return hay;
    };

    bool conAsiento = false;
    if (EsTipo(TC, {"VJ"})) {
        if (ocupado(QStringLiteral("MV_VIAJES")))
            masAltoQue(QStringLiteral("MV_VIAJES"));
    } else if (EsTipo(TC, {"AJP", "AJN", "VS", "IR"})) {
        if (ocupado(QStringLiteral("V_MV_STOCK")))
            masAltoQue(QStringLiteral("V_MV_STOCK"));
    } else if (p.paso([&] {
                   QString asiento;
                   conAsiento = ObtieneAsientoComprobante(TC, Sucursal, Numero, Letra, asiento, QString(), true);
               }) &&
               conAsiento) {
        const bool habiaAsientos = siguienteDe(
            QStringLiteral("SELECT MAX(NUMERO) AS ULTIMO From MV_ASIENTOS with(nolock) WHERE TC = ") + Literal(TC) +
            QStringLiteral(" AND SUCURSAL= ") + Literal(Sucursal) + QStringLiteral(" AND LETRA = ") + Literal(Letra));
        if (habiaAsientos && EsTipo(TC, {"CBFP"}))
            masAltoQue(QStringLiteral("V_MV_CPTE"));
    } else if (EsTipo(TC, {"OPG", "PG", "FC", "NC", "ND", "NP", "GF", "PR", "RM", "TK", "TKFC", "FP", "VJ", "IR", "VS",
                           "SI", "AJP", "AJN", "TRP"})) {
        // Numbered by their books alone.
    } else if (EsTipo(TC, {"OC"})) {
        if (ocupado(QStringLiteral("C_MV_CPTE")))
            siguienteDe(QStringLiteral("SELECT MAX(NUMERO) AS ULTIMO From C_MV_CPTE  with(nolock) WHERE TC = ") +
                        Literal(TC) + QStringLiteral(" AND SUCURSAL = ") + Literal(Sucursal) +
                        QStringLiteral(" AND NUMERO < '99999999' AND LETRA = ") + Literal(Letra) + u' ');
    } else if (!p.abandonado()) {
        p.paso([&] {
            sesion.Ejecuta(QStringLiteral("DELETE V_MV_CTROL_CPTE WHERE TC = ") + Literal(TC) +
                           QStringLiteral(" AND SUCURSAL = ") + Literal(Sucursal) + QStringLiteral(" AND NUMERO = ") +
                           Literal(Numero) + QStringLiteral(" AND LETRA = ") + Literal(Letra));
        });
    }
    // A check the operator's answer left undone hands out no number.
    return tomado && !p.abandonado();
}

}  // namespace ModExportarExcel
