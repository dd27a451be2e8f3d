// Whether a voucher already has its accounting entry.
#include "services/ModExportarExcel.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

namespace ModExportarExcel {

using namespace LecturaValores;

bool ObtieneAsientoComprobante(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra,
                               QString& Asiento, const QString& Cuenta, bool SinBloqueo)
{
    if (TC.compare(u"OC", Qt::CaseInsensitive) == 0)
        return false;
    const QString condicionCuenta = Cuenta.isEmpty() ? QString() : QStringLiteral(" AND CUENTA = ") + Literal(Cuenta);
    const QString sql = (SinBloqueo ? QStringLiteral("SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = ")
                                    : QStringLiteral("SELECT * FROM MV_ASIENTOS WHERE TC = ")) +
                        Literal(ModGlobal::gUtilidades->AjustaAncho(TC, 4)) + QStringLiteral(" AND SUCURSAL = ") +
                        Literal(Sucursal) + QStringLiteral(" AND NUMERO = ") + Literal(Numero) +
                        QStringLiteral(" AND LETRA = ") + Literal(Letra) + condicionCuenta;
    Recordset rs;
    ModGlobal::gSesionBD->AbreRecordset(sql, rs);
    if (rs.Eof())
        return false;
    Asiento = Ceros(rs.Valor(QStringLiteral("Mes_Operativo")), 2) + QStringLiteral(" - ") +
              Ceros(rs.Valor(QStringLiteral("numero asiento")), 6);
    return true;
}

}  // namespace ModExportarExcel
