#include "services/Stock.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include "platform/controles/grilla.h"

#include <gtest/gtest.h>

namespace {

using namespace Stock;

// ART is kept by the unit: a box holds 12, three units make a "terna", a unit
// weighs 0.5 kg and a thousand make a cubic metre. CERO's only row has coefficient 0.
void ArticulosDePrueba(SesionBD& s)
{
    s.Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, IdUnidad) VALUES "
                             "('ART', 'UN'), ('SINU', NULL), ('CERO', 'UN'), ('MED', 'UN')"));
    s.Ejecuta(QStringLiteral("INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) VALUES "
                             "('ART', 'CAJ', 'UN', 12), ('ART', 'UN', 'TER', 3), ('ART', 'UN', 'KG', 0.5), "
                             "('ART', 'M3', 'UN', 1000), ('CERO', 'UN', 'CAJ', 0), "
                             "('MED', 'UN', 'A', 0.03125), ('MED', 'UN', 'B', 0.09375)"));
}

TEST(Unidades, UnidadDelArticuloYEquivalencias)
{
    SesionGlobal s;
    ArticulosDePrueba(s.bd.Sesion());
    EXPECT_EQ(ObtieneUnidadArticulo("ART"), QStringLiteral("UN"));
    EXPECT_EQ(ObtieneUnidadArticulo("SINU"), QString());
    EXPECT_EQ(ObtieneUnidadArticulo("NOESTA"), QString());   // not an error

    struct {
        const char* articulo;
        const char* base;
        const char* equiv;
        bool hay;
        const char* operador;
        double coeficiente;
        const char* baseSale;
        bool sinUnidad;
    } const casos[] = {
        {"ART", "CAJ", "UN", true, "/", 12, "CAJ", false},   // stored this way
        {"ART", "UN", "CAJ", true, "*", 12, "UN", false},    // stored the other way
        {"ART", "", "kg", true, "/", 0.5, "UN", false},      // the article's unit, written back
        {"ART", "UN", "LT", false, "?", 0, "UN", false},
        {"CERO", "UN", "CAJ", false, "?", 0, "UN", false},  // a coefficient of 0 relates nothing
        {"SINU", "", "CAJ", false, "?", 0, "", true},
        {"NOESTA", "", "CAJ", false, "?", 0, "", true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.articulo, c.base, c.equiv).toStdString());
        QString operador = QStringLiteral("?"), base = QString::fromUtf8(c.base);
        double coeficiente = 7;
        bool sinUnidad = false;
        EXPECT_EQ(IdArticuloTieneEquivalencias(c.articulo, c.equiv, operador, base, coeficiente, sinUnidad), c.hay);
        EXPECT_EQ(operador, QString::fromUtf8(c.operador));
        EXPECT_EQ(coeficiente, c.coeficiente);
        EXPECT_EQ(base, QString::fromUtf8(c.baseSale));
        EXPECT_EQ(sinUnidad, c.sinUnidad);
    }
}

TEST(Unidades, ConversionesEnAmbosSentidos)
{
    SesionGlobal s;
    ArticulosDePrueba(s.bd.Sesion());
    struct {
        const char* articulo;
        const char* segunda;   // the second argument
        double cantidad;
        const char* cuarta;    // the fourth argument
        double unidad;         // ConvierteCantidadUnidad
        double equivalente;    // ConvierteCantidadEquivalente
    } const casos[] = {
        {"ART", "CAJ", 2, "UN", 24, 2.0 / 12},      // row (CAJ, UN, 12): q x c one way, q / c the other
        {"ART", "UN", 24, "CAJ", 2, 288},
        {"ART", "UN", 1, "TER", 3, 1.0 / 3},        // unrounded the inverse way
        {"ART", "TER", 1, "UN", 0.3333, 3},         // rounded to 4 decimals
        {"ART", "un", 1.23456, "UN", 1.23456, 1.23456},   // same unit in another case: unchanged, unrounded
        {"ART", "UN", 0, "CAJ", 0, 0},
        {"ART", "UN", 5, "LT", 0, 5},               // no equivalence
        {"CERO", "UN", 5, "CAJ", 0, 5},             // coefficient 0: no equivalence, no division
        {"SINU", "", 5, "CAJ", 0, 5},               // no unit: no look-up
        {"NOESTA", "", 5, "CAJ", 0, 5},
        {"ART", "", 5, "un", 5, 5},                 // an empty unit that turns out to be the same
        {"MED", "UN", 1, "A", 0.0312, 32},   // 0.03125 and 0.09375 round half to even
        {"MED", "UN", 1, "B", 0.0938, 1 / 0.09375},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3 %4").arg(c.articulo, c.segunda).arg(c.cantidad).arg(c.cuarta).toStdString());
        QString segunda = QString::fromUtf8(c.segunda);
        EXPECT_DOUBLE_EQ(ConvierteCantidadUnidad(c.articulo, segunda, c.cantidad, c.cuarta), c.unidad);
        segunda = QString::fromUtf8(c.segunda);
        EXPECT_DOUBLE_EQ(ConvierteCantidadEquivalente(c.articulo, segunda, c.cantidad, c.cuarta), c.equivalente);
    }
    // The caller's empty unit holds the article's unit afterwards; equal units read nothing.
    QString unidad;
    ConvierteCantidadUnidad("ART", unidad, 24, "CAJ");
    EXPECT_EQ(unidad, QStringLiteral("UN"));
    unidad = QStringLiteral("caj");
    ModGlobal::gSesionBD->LimpiaBitacora();
    EXPECT_EQ(ConvierteCantidadEquivalente("ART", unidad, 2.5, "CAJ"), 2.5);
    EXPECT_TRUE(s.Enviado().isEmpty());
}

TEST(Unidades, SaldoDeStock)
{
    SesionGlobal s;
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK) "
                                         "VALUES ('ART', 'UN', '1', 5), ('ART', 'UN', '2', 7.5), ('ART', 'CAJ', '1', 1)"));
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO STK_STOCK_UDKG (IDARTICULO, IDDEPOSITO, CantidadUd) VALUES "
                                         "('ART', '1', 50), ('ART', '2', 70)"));
    struct {
        bool udKg;
        const char* deposito;
        const char* articulo;
        const char* unidad;
        double stock;
    } const casos[] = {
        {false, "1", "ART", "UN", 5},
        {false, "", "ART", "un", 12.5},   // all depots
        {false, "1", "ART", "CAJ", 1},
        {false, "3", "ART", "UN", 0},     // no row
        {false, "", "ART", "LT", 0},      // a Null sum
        {false, "", "O'X", "UN", 0},
        {true, "1", "ART", "CAJ", 50},    // the unit plays no part
        {true, "", "ART", "UN", 120},     // all depots here too
        {true, "9", "ART", "UN", 0},
        {false, "1", "", "UN", 99},       // no article: the caller's value stays
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1 '%2' %3 %4").arg(c.udKg).arg(c.deposito, c.articulo, c.unidad).toStdString());
        ModGlobal::gUsaStkStockUdKg = c.udKg;
        double stock = 99;
        ControlStock(c.deposito, c.articulo, c.unidad, stock);
        EXPECT_DOUBLE_EQ(stock, c.stock);
    }
    ModGlobal::gUsaStkStockUdKg = false;
}

TEST(Unidades, FallaDelSaldoDejaElValor)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    s.bd.Sesion().Ejecuta(QStringLiteral("DROP TABLE STK_SALDOS_UNIDADES"));
    double stock = 4;
    ControlStock("1", "ART", "UN", stock);
    EXPECT_EQ(stock, 4);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("ControlStock")));
}

class CantidadesEquivalentes : public ::testing::Test {
protected:
    void SetUp() override
    {
        ArticulosDePrueba(s.bd.Sesion());
        grilla.setCols(101);
        grilla.setRows(3);
        grilla.setRow(2);
        ModGlobal::gUnidadBL = QStringLiteral("CAJ");
        ModGlobal::gUnidadM3 = QStringLiteral("M3");
        ModGlobal::gUnidadKG = QStringLiteral("KG");
    }
    void TearDown() override
    {
        ModGlobal::gUnidadBL.clear();
        ModGlobal::gUnidadM3.clear();
        ModGlobal::gUnidadKG.clear();
    }
    // Columns 0, 5, 7, 9, 10 and 94 of the current row; 62, 63 and 64 start as "x".
    void Linea(const char* unidad, const char* cantidad, const char* equiv, const char* cantEquiv, const char* pide)
    {
        const int f = grilla.Row();
        grilla.setTextMatrix(f, 0, QStringLiteral("ART"));
        grilla.setTextMatrix(f, 5, QString::fromUtf8(unidad));
        grilla.setTextMatrix(f, 7, QString::fromUtf8(cantidad));
        grilla.setTextMatrix(f, 9, QString::fromUtf8(equiv));
        grilla.setTextMatrix(f, 10, QString::fromUtf8(cantEquiv));
        grilla.setTextMatrix(f, 94, QString::fromUtf8(pide));
        for (int c : {62, 63, 64})
            grilla.setTextMatrix(f, c, QStringLiteral("x"));
    }
    QStringList Medidas() const
    {
        const int f = grilla.Row();
        return {grilla.TextMatrix(f, 62), grilla.TextMatrix(f, 63), grilla.TextMatrix(f, 64)};
    }

    SesionGlobal s;
    Grilla grilla;
};

TEST_F(CantidadesEquivalentes, LlenaMetrosBultosYKilos)
{
    Linea("UN", "24", "", "", "0");
    CalculaCantidadesEquivalentes(grilla);
    EXPECT_EQ(Medidas(), (QStringList{"0.024", "2", "12"}));
    EXPECT_EQ(grilla.TextMatrix(1, 63), QString());   // only the current row

    // The line already in packages, or in kilograms in its own unit or in another.
    Linea("UN", "24", "CAJ", "3", "0");
    CalculaCantidadesEquivalentes(grilla);
    EXPECT_EQ(Medidas()[1], QStringLiteral("3"));
    Linea("KG", "6", "kg", "99", "0");
    CalculaCantidadesEquivalentes(grilla);
    EXPECT_EQ(Medidas()[2], QStringLiteral("6"));
    Linea("UN", "24", "KG", "11,5", "0");
    CalculaCantidadesEquivalentes(grilla);
    EXPECT_EQ(Medidas()[2], QStringLiteral("11,5"));

    // A line that asks for its equivalence keeps its packages.
    Linea("UN", "1.234,5", "", "", "-1");
    CalculaCantidadesEquivalentes(grilla);
    EXPECT_EQ(Medidas(), (QStringList{"1.2345", "x", "617.25"}));
}

TEST_F(CantidadesEquivalentes, UnidadVaciaYAjusteVacio)
{
    // The line's empty unit is the article's for the conversion, read once for
    // the three measures; the cell stays empty.
    Linea("", "24", "", "", "0");
    ModGlobal::gSesionBD->LimpiaBitacora();
    CalculaCantidadesEquivalentes(grilla);
    EXPECT_EQ(Medidas(), (QStringList{"0.024", "2", "12"}));
    EXPECT_EQ(grilla.TextMatrix(grilla.Row(), 5), QString());
    EXPECT_EQ(s.Enviado().filter(QStringLiteral("FROM V_MA_ARTICULOS")).size(), 1);
    // An empty setting and an empty equivalent unit count as the same unit.
    ModGlobal::gUnidadM3.clear();
    Linea("UN", "24", "", "7", "0");
    CalculaCantidadesEquivalentes(grilla);
    EXPECT_EQ(Medidas()[0], QStringLiteral("7"));
}

}  // namespace
