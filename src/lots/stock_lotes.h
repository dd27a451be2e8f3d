#pragma once
// Stock of an article by lot, serial number and position (STK_SERIES_Y_LOTES),
// or its plain balance when neither lot nor serial number is asked. The
// voucher class's members of the same names delegate here.

#include <QString>

namespace StockLotes {

// The sentinel of ObtieneStock: no filter on that column (trimmed, any case).
inline constexpr char16_t Ignorar[] = u"Ignorar";

// StockUdBase: the balance in UdBase; StockEquiv: that balance in
// udEquivBuscada, 0 when no unit is wanted. Failures reach the caller.
void ObtieneStockxEquiv(const QString& IdDeposito, const QString& IdArticulo, const QString& UdBase,
                        const QString& udEquivBuscada, double& StockUdBase, double& StockEquiv);
// The lot's stock in the depot; a blank lot stands for stock without lot ('' or NULL).
double ObtieneStockLOTE(const QString& IdArticulo, const QString& IdDeposito, const QString& NroLote);
// With both NroLote and NroSerie "Ignorar", the plain balance, after an
// "Ignorar" depot became DepositoDefault and an "Ignorar" unit the article's
// unit (both fitted to 4 and handed back). Otherwise the sum by lot with a
// filter for each of depot, lot, serial number and position that is neither
// "Ignorar" nor blank; an article with serial numbers and no lots counts only
// rows without lot, one with lots and no serial numbers only rows without
// serial number.
double ObtieneStock(const QString& IdArticulo, QString& IdDeposito, const QString& NroLote, const QString& NroSerie,
                    const QString& IdPosicion, QString& IdUnidad);

}  // namespace StockLotes
