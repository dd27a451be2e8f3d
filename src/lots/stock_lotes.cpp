#include "lots/stock_lotes.h"

#include "platform/db/recordset.h"
#include "platform/recorte.h"
#include "services/Stock.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

namespace StockLotes {

using namespace LecturaValores;

namespace {

bool EsIgnorar(const QString& valor)
{
    return MismoCodigo(valor, QString::fromUtf16(Ignorar));
}

// A code as it enters SQL: fitted to its width, quoted.
QString Codigo(const QString& codigo, int ancho)
{
    return Literal(ModGlobal::gUtilidades->AjustaAncho(codigo, ancho));
}

QString Articulo(const QString& IdArticulo)
{
    return Codigo(Recorta(IdArticulo), 25);
}

const QString SumaDeLotes = QStringLiteral(" SELECT SUM(CANTIDAD) AS SaldoStock FROM STK_SERIES_Y_LOTES ");

// Opens the sum read-only and reads it, Null as 0.
void LeeSaldo(Procedimiento& p, const QString& sql, double& saldo)
{
    Recordset rs;
    p.paso([&] { ModGlobal::gSesionBD->AbreRecordset(sql, rs); });
    p.paso([&] { saldo = rs.Eof() ? 0.0 : Numero(rs.Valor(QStringLiteral("SaldoStock"))); });
}

bool Marca(const QVariant& valor)
{
    return !valor.isNull() && valor.toBool();
}

}  // namespace

void ObtieneStockxEquiv(const QString& IdDeposito, const QString& IdArticulo, const QString& UdBase,
                        const QString& udEquivBuscada, double& StockUdBase, double& StockEquiv)
{
    Stock::ControlStock(IdDeposito, IdArticulo, UdBase, StockUdBase);
    QString origen = UdBase;
    StockEquiv = Recorta(udEquivBuscada).isEmpty()
                     ? 0.0
                     : Stock::ConvierteCantidadUnidad(IdArticulo, origen, StockUdBase, udEquivBuscada);
}

double ObtieneStockLOTE(const QString& IdArticulo, const QString& IdDeposito, const QString& NroLote)
{
    QString sql = SumaDeLotes + QStringLiteral(" WHERE IDARTICULO = ") + Articulo(IdArticulo) +
                  QStringLiteral(" AND IdDeposito = ") + Codigo(IdDeposito, 4) + u' ';
    sql += Recorta(NroLote).isEmpty()
               ? QStringLiteral(" AND (NroLote = '' OR NROLOTE IS NULL)")
               : QStringLiteral(" AND NroLote = ") + Codigo(Recorta(NroLote), 25) + u' ';
    double saldo = 0;
    Procedimiento p(QStringLiteral("ObtieneStockLOTE"), GestorSesion());
    LeeSaldo(p, sql, saldo);
    return saldo;
}

double ObtieneStock(const QString& IdArticulo, QString& IdDeposito, const QString& NroLote, const QString& NroSerie,
                    const QString& IdPosicion, QString& IdUnidad)
{
    double saldo = 0;
    Procedimiento p(QStringLiteral("ObtieneStock"), GestorSesion());
    auto& util = *ModGlobal::gUtilidades;

    if (EsIgnorar(NroLote) && EsIgnorar(NroSerie)) {
        p.paso([&] {
            if (EsIgnorar(IdDeposito))
                IdDeposito = util.AjustaAncho(Recorta(ModGlobal::Cfg(QStringLiteral("DepositoDefault"))), 4);
        });
        p.paso([&] {
            if (EsIgnorar(IdUnidad)) {
                const QVariant unidad =
                    ModGlobal::gSesionBD->ObtieneValor(QStringLiteral("v_ma_articulos"), IdArticulo,
                                                       QStringLiteral("IdUnidad"), QStringLiteral("IdArticulo"), 8,
                                                       QString(), true, false);
                IdUnidad = util.AjustaAncho(Recorta(Texto(unidad)), 4);
            }
        });
        p.paso([&] { Stock::ControlStock(IdDeposito, IdArticulo, IdUnidad, saldo); });
        return saldo;
    }

    bool usaSerie = false, usaLote = false;
    p.paso([&] {
        Recordset rs;
        ModGlobal::gSesionBD->AbreRecordset(QStringLiteral("SELECT USASERIE, USALOTE FROM V_MA_ARTICULOS WHERE "
                                                           "IDARTICULO = ") +
                                                Articulo(IdArticulo) + u' ',
                                            rs);
        // A missing article fails here: there is no row to read.
        usaSerie = Marca(rs.Valor(QStringLiteral("USASERIE")));
        usaLote = Marca(rs.Valor(QStringLiteral("USALOTE")));
    });
    if (p.abandonado())
        return saldo;

    const auto filtra = [](const QString& valor) { return !EsIgnorar(valor) && !Recorta(valor).isEmpty(); };
    QString sql = SumaDeLotes + QStringLiteral(" WHERE IDARTICULO = ") + Articulo(IdArticulo);
    if (filtra(IdDeposito))
        sql += QStringLiteral(" AND IdDeposito = ") + Codigo(IdDeposito, 4) + u' ';
    if (filtra(NroLote))
        sql += QStringLiteral(" AND NroLote = ") + Codigo(Recorta(NroLote), 25) + u' ';
    if (filtra(NroSerie))
        sql += QStringLiteral(" AND NroSerie = ") + Codigo(Recorta(NroSerie), 25) + u' ';
    if (filtra(IdPosicion))
        sql += QStringLiteral(" AND IdPosicion = ") + Codigo(Recorta(IdPosicion), 15) + u' ';
    if (usaSerie && !usaLote)
        sql += QStringLiteral(" AND NroLote is NULL ");
    else if (usaLote && !usaSerie)
        sql += QStringLiteral(" AND NroSerie is NULL ");
    LeeSaldo(p, sql, saldo);
    return saldo;
}

}  // namespace StockLotes
