#include "voucher/linea_asiento.h"

#include "platform/numeros.h"
#include "platform/recorte.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "voucher/consultas.h"

using namespace ModGlobal;
using LecturaValores::Literal;

namespace {

QString Numero(const Moneda& importe)
{
    return LecturaValores::LiteralImporte(importe);
}

// " WHERE TC = .. AND ... AND [DEBE-HABER] = ..": the voucher's line on the account and side.
QString LineaDelComprobante(const DatosAsiento& a, const LineaAsiento& l)
{
    return QStringLiteral(" WHERE TC = ") + Literal(gUtilidades->AjustaAncho(a.TC, 4)) +
           QStringLiteral(" AND SUCURSAL = ") + Literal(a.Suc) + QStringLiteral(" AND NUMERO = ") + Literal(a.Nro) +
           QStringLiteral(" AND LETRA = ") + Literal(a.Letra) + QStringLiteral(" AND CUENTA = ") + Literal(l.Cuenta) +
           QStringLiteral(" AND [DEBE-HABER] = ") + Literal(QString(l.Lado));
}

QString Unegocio()
{
    if (gUnegocio.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0)
        return gUnegocio;
    return Literal(gUnegocio);
}

QString Caja()
{
    return Recorta(gCaja).isEmpty() ? QStringLiteral("NULL") : Literal(LecturaValores::Codigo4(gCaja));
}

}  // namespace

QString SentenciaLineaAsiento(const DatosAsiento& a, const LineaAsiento& l)
{
    if (l.Importe <= Moneda())
        return QString();
    const QString condicion = LineaDelComprobante(a, l);
    if (a.SoloRegistro != 0 && HayFilas(QStringLiteral("SELECT * FROM MV_ASIENTOS  with(nolock) ") + condicion))
        return QStringLiteral("UPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + ") + Numero(l.Importe) + condicion;

    const QString fecha = Literal(a.fecha);
    QList<CampoValor> campos = {
        {QStringLiteral("Cuenta"), Literal(l.Cuenta)},
        {QStringLiteral("Secuencia"), Literal(QString::number(l.Secuencia))},
        {QStringLiteral("Mes_Operativo"), Literal(QString::number(a.Mes))},
        {QStringLiteral("[Numero Asiento]"), Literal(Numeros::TextoPlano(a.Numero))},
        {QStringLiteral("Fecha"), fecha},
        {QStringLiteral("FechaSubDiario"), fecha},
        {QStringLiteral("Detalle"), Literal(a.Detalle)},
        {QStringLiteral("TC"), Literal(a.TC)},
        {QStringLiteral("SUCURSAL"), Literal(a.Suc)},
        {QStringLiteral("NUMERO"), Literal(a.Nro)},
        {QStringLiteral("LETRA"), Literal(a.Letra)},
        {QStringLiteral("PERIODO"), Literal(a.Periodo)},
        {QStringLiteral("Tipo_Reg"), Literal(a.TipoReg)},
        {QStringLiteral("[DEBE-HABER]"), Literal(QString(l.Lado))},
        {QStringLiteral("FechaHora_Grabacion"), gSesionBD->ValorSQL(Sistema::Ahora(), QStringLiteral("'"))},
        {QStringLiteral("USUARIO_LOGEADO"), Literal(gUsuarioLogeado)},
        {QStringLiteral("Importe"), Numero(l.Importe)},
        {QStringLiteral("Moneda"), QStringLiteral("'   1'")},
        {QStringLiteral("Cotizacion"), QStringLiteral("1")},
        {QStringLiteral("CABImporte"), Numero(a.ImporteCabecera)},
        {QStringLiteral("CABCuenta"), Literal(Recorta(a.CuentaMotivo))},
        {QStringLiteral("CABNombre"), Literal(a.Motivo)},
        {QStringLiteral("Unegocio"), Unegocio()},
        {QStringLiteral("IdCajas"), Caja()},
    };
    if (a.TipoMov == 99) {
        campos.append({QStringLiteral("TC_ORIGEN"), Literal(LecturaValores::Codigo4(a.TcOrigen))});
        campos.append({QStringLiteral("CPTE_ORIGEN"), Literal(a.CpteOrigen)});
    }
    QString sql = QStringLiteral("INSERT INTO MV_ASIENTOS ");
    ArmaValores(sql, campos, true);
    return sql;
}
