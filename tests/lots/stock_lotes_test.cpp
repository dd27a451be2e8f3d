#include "lots/stock_lotes.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include "platform/avisos.h"

#include <gtest/gtest.h>

namespace {

using namespace StockLotes;

// ART uses lots and is kept in litres (a 20-litre drum BID): in depot 1 lot A
// at P1 5 and at P2 2, lot B without position 4, lot A with serial X 7; in
// depot 2 lot '' 3 and lot NULL 1. Its plain balance in depot 1 is 11. SER uses
// serial numbers only; O'X has an apostrophe in its code and in its lot.
class StockPorLote : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto& bd = s.bd.Sesion();
        bd.Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, IdUnidad, UsaLote, UsaSerie) VALUES "
                                  "('ART', 'LT', 1, 0), ('SER', 'UN', 0, 1), ('MIX', 'UN', 1, 1), ('O''X', 'UN', 1, 0)"));
        bd.Ejecuta(QStringLiteral(
            "INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, NroSerie, IdPosicion, CANTIDAD) VALUES "
            "('ART', '1', 'A', NULL, 'P1', 5), ('ART', '1', 'A', NULL, 'P2', 2), ('ART', '1', 'B', NULL, NULL, 4), "
            "('ART', '1', 'A', 'X', NULL, 7), ('ART', '2', '', NULL, NULL, 3), ('ART', '2', NULL, NULL, NULL, 1), "
            "('SER', '1', NULL, 'S1', NULL, 1), ('SER', '1', NULL, 'S2', NULL, 1), ('SER', '1', 'L', 'S3', NULL, 1), "
            "('MIX', '1', 'L', 'S1', NULL, 1), ('MIX', '1', 'L', NULL, NULL, 2), "
            "('O''X', '1', 'L''1', NULL, NULL, 6), ('HUERF', '1', 'A', NULL, NULL, 8)"));
        bd.Ejecuta(QStringLiteral("INSERT INTO STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK) "
                                  "VALUES ('ART', 'LT', '1', 11), ('ART', 'LT', '2', 4), ('ART', 'BID', '1', 99)"));
        bd.Ejecuta(QStringLiteral("INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) "
                                  "VALUES ('ART', 'LT', 'BID', 0.05)"));
        bd.Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('DepositoDefault', ' 1 ')"));
        ModGlobal::gSesionBD->LimpiaBitacora();
    }
    void TearDown() override
    {
        for (const QString& sql : s.Enviado())
            EXPECT_TRUE(sql.trimmed().startsWith(QStringLiteral("SELECT"), Qt::CaseInsensitive)) << sql.toStdString();
    }
    // A code fitted to 25, as it stands between the statement's apostrophes.
    static QString A25(const char* codigo)
    {
        return QString::fromUtf8(codigo).leftJustified(25).replace(u'\'', QStringLiteral("''"));
    }

    SesionGlobal s;
};

TEST_F(StockPorLote, SaldoDeUnLote)
{
    struct {
        const char* articulo;
        const char* deposito;
        const char* lote;
        double saldo;
    } const casos[] = {
        {"ART", "1", "A", 14},       // every row of the lot, serial numbers too
        {" ART ", "1", " a ", 14},
        {"ART", "2", "", 4},         // '' and NULL
        {"ART", "2", "  ", 4},
        {"ART", "1", "C", 0},        // no rows: a Null sum
        {"ART", "1", "", 0},
        {"O'X", "1", "L'1", 6},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.articulo, c.deposito, c.lote).toStdString());
        EXPECT_DOUBLE_EQ(ObtieneStockLOTE(c.articulo, c.deposito, c.lote), c.saldo);
    }
    ModGlobal::gSesionBD->LimpiaBitacora();
    ObtieneStockLOTE("ART", "1", "A");
    ObtieneStockLOTE("ART", " 2", "");
    ObtieneStockLOTE("O'X", "1", "L'1");
    EXPECT_EQ(s.Enviado(),
              (QStringList{" SELECT SUM(CANTIDAD) AS SaldoStock FROM STK_SERIES_Y_LOTES  WHERE IDARTICULO = '" +
                               A25("ART") + "' AND IdDeposito = '1   '  AND NroLote = '" + A25("A") + "' ",
                           " SELECT SUM(CANTIDAD) AS SaldoStock FROM STK_SERIES_Y_LOTES  WHERE IDARTICULO = '" +
                               A25("ART") + "' AND IdDeposito = ' 2  '  AND (NroLote = '' OR NROLOTE IS NULL)",
                           " SELECT SUM(CANTIDAD) AS SaldoStock FROM STK_SERIES_Y_LOTES  WHERE IDARTICULO = '" +
                               A25("O'X") + "' AND IdDeposito = '1   '  AND NroLote = '" + A25("L'1") + "' "}));
}

TEST_F(StockPorLote, SaldoDeUnLoteDeDecimas)
{
    // D holds three tenths; G took in 0.1 and 0.2 and gave out 0.3.
    s.bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, CANTIDAD) VALUES "
        "('ART', '3', 'D', 0.1), ('ART', '3', 'D', 0.1), ('ART', '3', 'D', 0.1), "
        "('ART', '3', 'G', 0.1), ('ART', '3', 'G', 0.2), ('ART', '3', 'G', -0.3)"));
    ModGlobal::gSesionBD->LimpiaBitacora();
    // Exactly what a quantity of 0.3 asks, and nothing at all.
    EXPECT_EQ(ObtieneStockLOTE("ART", "3", "D"), 0.3);
    EXPECT_EQ(ObtieneStockLOTE("ART", "3", "G"), 0.0);
    QString deposito = QStringLiteral("3"), unidad = QStringLiteral("LT");
    EXPECT_EQ(ObtieneStock("ART", deposito, QStringLiteral("D"), QStringLiteral("Ignorar"), QStringLiteral("Ignorar"), unidad),
              0.3);
}

TEST_F(StockPorLote, SaldoConFiltrosOSaldoSimple)
{
    struct {
        const char* articulo;
        const char* deposito;
        const char* lote;
        const char* serie;
        const char* posicion;
        const char* unidad;
        double saldo;
        const char* depositoSale;
        const char* unidadSale;
    } const casos[] = {
        {"ART", "1", "A", "", "", "u", 7, "1", "u"},   // lots without serial numbers only
        {"ART", "", "Ignorar", "", "P1", "u", 5, "", "u"},
        {"ART", "Ignorar", "A", "Ignorar", "", "Ignorar", 7, "Ignorar", "Ignorar"},   // nothing replaced here
        {"ART", "1", "", "", "", "", 11, "1", ""},
        {"ART", " ", " ", " ", " ", "", 15, " ", ""},   // blank filters are none
        {"ART", "1", "A", "X", "", "", 0, "1", ""},    // a serial of a lots-only article is not counted
        // Both sentinels, any case: the plain balance, with the default depot and the article's unit.
        {"ART", "Ignorar", "ignorar", "IGNORAR", "P1", "Ignorar", 11, "1   ", "LT  "},
        {"ART", "2", " Ignorar ", "ignorar", "", "lt", 4, "2", "lt"},
        {"ART", "1", "Ignorar", "Ignorar", "", "BID", 99, "1", "BID"},
        {"SER", "1", "", "", "", "", 2, "1", ""},      // serials without lot only
        {"SER", "1", "", "S3", "", "", 0, "1", ""},
        {"SER", "1", "Ignorar", "s1", "Ignorar", "", 1, "1", ""},
        {"MIX", "1", "L", "", "", "", 3, "1", ""},     // both flags: no NULL condition
        {"O'X", "1", "L'1", "", "", "", 6, "1", ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1 '%2' '%3' '%4' '%5' '%6'")
                         .arg(c.articulo, c.deposito, c.lote, c.serie, c.posicion, c.unidad)
                         .toStdString());
        QString deposito = QString::fromUtf8(c.deposito), unidad = QString::fromUtf8(c.unidad);
        EXPECT_DOUBLE_EQ(ObtieneStock(c.articulo, deposito, c.lote, c.serie, c.posicion, unidad), c.saldo);
        EXPECT_EQ(deposito, QString::fromUtf8(c.depositoSale));
        EXPECT_EQ(unidad, QString::fromUtf8(c.unidadSale));
    }

    ModGlobal::gSesionBD->LimpiaBitacora();
    QString deposito = QStringLiteral("1"), unidad;
    ObtieneStock("ART", deposito, "A", "X'", "P1", unidad);
    deposito = QStringLiteral("Ignorar");
    ObtieneStock("SER", deposito, "Ignorar", "", "", unidad);
    const QString art = " WHERE IDARTICULO = '" + A25("ART") + "'";
    const QString ser = " WHERE IDARTICULO = '" + A25("SER") + "'";
    EXPECT_EQ(s.Enviado(),
              (QStringList{"SELECT USASERIE, USALOTE FROM V_MA_ARTICULOS" + art + " ",
                           " SELECT SUM(CANTIDAD) AS SaldoStock FROM STK_SERIES_Y_LOTES " + art +
                               " AND IdDeposito = '1   '  AND NroLote = '" + A25("A") + "'  AND NroSerie = '" +
                               A25("X'") + "'  AND IdPosicion = 'P1             '  AND NroSerie is NULL ",
                           "SELECT USASERIE, USALOTE FROM V_MA_ARTICULOS" + ser + " ",
                           " SELECT SUM(CANTIDAD) AS SaldoStock FROM STK_SERIES_Y_LOTES " + ser +
                               " AND NroLote is NULL "}));
}

// An article missing from the master fails on its flags: 4 reads again, 5 goes
// on without the NULL conditions, anything else leaves with 0.
TEST_F(StockPorLote, ArticuloFaltanteAnteElGestor)
{
    struct {
        std::initializer_list<int> respuestas;
        double saldo;
        size_t preguntas;
    } const casos[] = {
        {{Avisos::Abortar}, 0, 1},
        {{Avisos::Ignorar}, 8, 1},
        {{Avisos::Reintentar, Avisos::Abortar}, 0, 2},
    };
    for (const auto& c : casos) {
        AvisosGrabados avisos;
        avisos.Responder(c.respuestas);
        QString deposito = QStringLiteral("1"), unidad;
        EXPECT_DOUBLE_EQ(ObtieneStock("HUERF", deposito, "A", "", "", unidad), c.saldo);
        ASSERT_EQ(avisos.preguntas.size(), c.preguntas);
        EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("ObtieneStock")));
    }
}

TEST_F(StockPorLote, FallaDelSaldoDeLote)
{
    AvisosGrabados avisos;
    s.bd.Sesion().Ejecuta(QStringLiteral("DROP TABLE STK_SERIES_Y_LOTES"));
    ModGlobal::gSesionBD->LimpiaBitacora();
    EXPECT_EQ(ObtieneStockLOTE("ART", "1", "A"), 0);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("ObtieneStockLOTE")));
}

TEST_F(StockPorLote, SaldoEnUnidadEquivalente)
{
    double base = -1, equiv = -1;
    ObtieneStockxEquiv("1", "ART", "LT", "BID", base, equiv);
    EXPECT_DOUBLE_EQ(base, 11);
    EXPECT_DOUBLE_EQ(equiv, 0.55);
    ObtieneStockxEquiv("1", "ART", "LT", "", base, equiv);
    EXPECT_DOUBLE_EQ(base, 11);
    EXPECT_EQ(equiv, 0);
    ObtieneStockxEquiv("", "ART", "LT", "CAJ", base, equiv);   // no equivalence
    EXPECT_DOUBLE_EQ(base, 15);
    EXPECT_EQ(equiv, 0);
}

}  // namespace
