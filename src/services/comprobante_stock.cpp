// The id a stock voucher is stored under.
#include "services/ModExportarExcel.h"
#include "services/Stock.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include "platform/numeros.h"

namespace Stock {

using namespace LecturaValores;

QString AsignarNumeroComprobante(const QString& TC, QString& Sucursal, QString& Letra)
{
    Procedimiento p(QStringLiteral("AsignarNumeroComprobante"), GestorSesion());
    auto& sesion = *ModGlobal::gSesionBD;
    QString numero;
    QString id;
    bool tomado = false;
    bool ocupado = false;
    Recordset rs;
    p.paso([&] {
        bool modifica = false;
        tomado = ModExportarExcel::Obtener_Nro_Comprobante(TC, Sucursal, numero, Letra, modifica, true, QString(),
                                                           ModGlobal::gUnegocio);
    });
    // No number taken: no id to hand out.
    if (!tomado)
        return id;
    p.paso([&] {
        sesion.AbreRecordset(QStringLiteral("SELECT TC,IDCOMPROBANTE From V_MV_STOCK  with(nolock) WHERE TC = ") +
                                 Literal(TC) + QStringLiteral(" AND IDCOMPROBANTE = ") +
                                 Literal(Sucursal + numero + Letra),
                             rs);
        ocupado = !rs.Eof();
    });
    if (ocupado) {
        p.paso([&] {
            sesion.AbreRecordset(
                QStringLiteral("SELECT MAX(IDCOMPROBANTE) AS ULTIMO From V_MV_STOCK  with(nolock) WHERE TC = ") +
                    Literal(TC) + QStringLiteral(" AND SUBSTRING(IDCOMPROBANTE, 1, 4)= ") + Literal(Sucursal) +
                    QStringLiteral(" AND SUBSTRING(IDCOMPROBANTE, 13, 1)= ") + Literal(Letra),
                rs);
        });
        p.paso([&] {
            const QVariant ultimo = rs.Eof() ? QVariant() : rs.Valor(QStringLiteral("ULTIMO"));
            numero = ultimo.isNull() ? QStringLiteral("00000001")
                                     : Ceros(Numeros::TextoPlano(Val(Texto(ultimo).mid(4, 8)) + 1), 8);
        });
    }
    p.paso([&] { sesion.CierraRecordset(rs); });
    p.paso([&] { id = Sucursal + numero + Letra; });
    return id;
}

}  // namespace Stock
