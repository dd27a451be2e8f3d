#include "voucher/ClsCmnCptes.h"
#include "support/sesion_global.h"

#include <gtest/gtest.h>

namespace {

// The class's pipe-list members answer as the lots module does.
TEST(LotesYSeriesCpte, MiembrosDeListasPipe)
{
    SesionGlobal s;
    ClsCmnCptes cpte;
    const QString lista = QStringLiteral("|L1|l1|L2|");
    EXPECT_EQ(cpte.StrSerieLote(lista), QStringLiteral(" L1 L2"));
    QStringList arreglo, pos, cant, lote;
    cpte.DescomponeSerieLote(lista, arreglo);
    EXPECT_EQ(arreglo, (QStringList{"L1", "l1", "L2", ""}));
    cpte.DescomponePosicionCantidadLote(QStringLiteral("|P1*2|"), lista, pos, cant, lote);
    EXPECT_EQ(pos, (QStringList{"P1", ""}));
    EXPECT_EQ(cant, (QStringList{"2", ""}));
    EXPECT_EQ(lote, arreglo);
    EXPECT_EQ(cpte.Cuenta_Series_Lotes(QString(), lista, false), 2);
    QString valores = QStringLiteral("|0|1|"), lotes = lista;
    EXPECT_EQ(cpte.ExtraeSerieLoteConValor(valores, lotes), QStringLiteral("l1"));
    EXPECT_EQ(cpte.ExtraeSerieLote(lista, 3), QStringLiteral("L2"));
    EXPECT_EQ(cpte.Cantidad_Series_Lotes(lista), 3);
    EXPECT_EQ(cpte.InsertaCHR255(QStringLiteral("|L1|")), QStringLiteral("|L1\u00FF|"));
    EXPECT_EQ(cpte.Busca_Lotes_Series(lista, QStringLiteral("l2")), 3);
}

// The demo workshop's lots and serial numbers: each article's plain balance
// agrees with its sum by lot and serial number, in every depot.
TEST(LotesYSeriesCpte, StockPorLoteDeLaDemostracion)
{
    SesionGlobal s(BasePrueba::ConDemo);
    ClsCmnCptes cpte;
    const struct {
        const char* articulo;
        const char* deposito;
        const char* unidad;
        double saldo;
    } saldos[] = {
        {"SILLON01", "1", "UN", 3}, {"SILLON01", "2", "UN", 1}, {"MOTOR01", "1", "UN", 3},
        {"TELA01", "1", "ML", 55},  {"BARN01", "1", "LT", 23},  {"BARN01", "2", "LT", 4},
    };
    for (const auto& c : saldos) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.articulo, c.deposito).toStdString());
        QString deposito = QString::fromUtf8(c.deposito), unidad = QString::fromUtf8(c.unidad);
        EXPECT_EQ(cpte.ObtieneStock(c.articulo, deposito, "", "", "", unidad), c.saldo);
        EXPECT_EQ(cpte.ObtieneStock(c.articulo, deposito, "Ignorar", "Ignorar", "", unidad), c.saldo);
        double base = 0, equiv = -1;
        cpte.ObtieneStockxEquiv(deposito, c.articulo, unidad, "", base, equiv);
        EXPECT_EQ(base, c.saldo);
    }
    EXPECT_EQ(cpte.ObtieneStockLOTE("MOTOR01", "1", "M2601"), 2);
    EXPECT_EQ(cpte.ObtieneStockLOTE("TELA01", "1", "gris"), 30);
    EXPECT_EQ(cpte.ObtieneStockLOTE("BARN01", "1", "L2601"), 14);
    EXPECT_EQ(cpte.ObtieneStockLOTE("SILLON01", "2", ""), 1);
    QString deposito = QStringLiteral("Ignorar"), unidad = QStringLiteral("UN");
    EXPECT_EQ(cpte.ObtieneStock("SILLON01", deposito, "", "sr-0004", "", unidad), 1);
    EXPECT_EQ(cpte.ObtieneStock("MOTOR01", deposito, "M2601", "MT-1002", "", unidad), 1);
}

}  // namespace
