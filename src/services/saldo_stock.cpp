// The stock balance of an article.
#include "services/Stock.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "platform/recorte.h"

namespace Stock {

using namespace LecturaValores;

void ControlStock(const QString& IdDeposito, const QString& IdArticulo, const QString& Equivalencia, double& Stock)
{
    if (Recorta(IdArticulo).isEmpty())
        return;
    auto& util = *ModGlobal::gUtilidades;
    const QString articulo = Literal(util.AjustaAncho(IdArticulo, 25));
    const bool conDeposito = !Recorta(IdDeposito).isEmpty();
    QString sql;
    if (ModGlobal::gUsaStkStockUdKg) {
        // Without a depot, the sum over the depots, as the balance by unit answers.
        sql = conDeposito
                  ? QStringLiteral("SELECT CantidadUd AS STOCK FROM STK_STOCK_UDKG with(nolock) WHERE IDARTICULO = ") +
                        articulo + QStringLiteral(" AND IDDEPOSITO = ") + Literal(util.AjustaAncho(IdDeposito, 4))
                  : QStringLiteral(
                        "SELECT SUM(CantidadUd) AS STOCK FROM STK_STOCK_UDKG with(nolock) WHERE IDARTICULO = ") +
                        articulo;
    } else {
        const QString unidad = QStringLiteral(" AND EQUIVALENCIA = ") + Literal(util.AjustaAncho(Equivalencia, 4));
        sql = conDeposito
                  ? QStringLiteral("SELECT STOCK AS STOCK FROM STK_SALDOS_UNIDADES with(nolock) WHERE IDARTICULO = ") +
                        articulo + unidad + QStringLiteral(" AND IDDEPOSITO = ") +
                        Literal(util.AjustaAncho(IdDeposito, 4))
                  : QStringLiteral(
                        "SELECT SUM(STOCK) AS STOCK  FROM STK_SALDOS_UNIDADES with(nolock) WHERE IDARTICULO = ") +
                        articulo + unidad + u' ';
    }
    Procedimiento p(QStringLiteral("ControlStock"), GestorSesion());
    Recordset rs;
    p.paso([&] { ModGlobal::gSesionBD->AbreRecordset(sql, rs); });
    p.paso([&] { Stock = rs.Eof() ? 0.0 : Numero(rs.Valor(QStringLiteral("Stock"))); });
}

}  // namespace Stock
