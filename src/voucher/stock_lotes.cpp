// The stock members by lot and serial number, answered by the lots module.
#include "voucher/ClsCmnCptes.h"

#include "lots/stock_lotes.h"

void ClsCmnCptes::ObtieneStockxEquiv(const QString& IdDeposito, const QString& IdArticulo, const QString& UdBase,
                                     const QString& udEquivBuscada, double& StockUdBase, double& StockEquiv)
{
    StockLotes::ObtieneStockxEquiv(IdDeposito, IdArticulo, UdBase, udEquivBuscada, StockUdBase, StockEquiv);
}

double ClsCmnCptes::ObtieneStockLOTE(const QString& IdArticulo, const QString& IdDeposito, const QString& NroLote)
{
    return StockLotes::ObtieneStockLOTE(IdArticulo, IdDeposito, NroLote);
}

double ClsCmnCptes::ObtieneStock(const QString& IdArticulo, QString& IdDeposito, const QString& NroLote,
                                 const QString& NroSerie, const QString& IdPosicion, QString& IdUnidad)
{
    return StockLotes::ObtieneStock(IdArticulo, IdDeposito, NroLote, NroSerie, IdPosicion, IdUnidad);
}
