#include "platform/controles/colores.h"
#include "platform/controles/errores_controles.h"
#include "platform/controles/grilla.h"
#include "platform/controles/medidor_texto.h"

#include "platform/numero_de_falla.h"

#include <gtest/gtest.h>

namespace {

TEST(Grilla, ValoresIniciales)
{
    Grilla g;
    EXPECT_EQ(g.Rows(), 2);
    EXPECT_EQ(g.Cols(), 2);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(g.ColWidth(0), Grilla::AnchoColumnaPredeterminado);
    EXPECT_EQ(g.ColAlignment(1), flexAlignGeneral);
}

TEST(Grilla, CrecerYAchicarConservaElTexto)
{
    Grilla g;
    g.setCols(3);
    g.setRows(4);
    g.setTextMatrix(0, 2, QStringLiteral("Título"));
    g.setTextMatrix(1, 0, QStringLiteral("A1"));
    g.setTextMatrix(3, 2, QStringLiteral("último"));
    g.setColWidth(2, 0);

    g.setRows(2);   // rows 2 and 3 go
    g.setRows(5);   // they come back empty
    EXPECT_EQ(g.TextMatrix(1, 0), QStringLiteral("A1"));
    EXPECT_EQ(g.TextMatrix(3, 2), QString());
    EXPECT_EQ(g.TextMatrix(4, 2), QString());

    g.setCols(101);
    EXPECT_EQ(g.TextMatrix(0, 2), QStringLiteral("Título"));
    EXPECT_EQ(g.ColWidth(2), 0);
    EXPECT_EQ(g.ColWidth(100), Grilla::AnchoColumnaPredeterminado);
    g.setCols(1);
    EXPECT_EQ(g.TextMatrix(1, 0), QStringLiteral("A1"));
    g.setCols(3);
    EXPECT_EQ(g.TextMatrix(0, 2), QString());
}

TEST(Grilla, LaFilaActualSigueAlAchicar)
{
    Grilla g;
    g.setRows(10);
    g.setRow(9);
    g.setRows(1);   // only the title row
    EXPECT_EQ(g.Row(), 0);
}

TEST(Grilla, TextArrayRecorreFilaPorFila)
{
    Grilla g;
    g.setCols(5);
    g.setRows(3);
    struct Caso { int indice, fila, columna; };
    for (const Caso c : {Caso{0, 0, 0}, Caso{4, 0, 4}, Caso{5, 1, 0}, Caso{13, 2, 3}}) {
        g.setTextArray(c.indice, QString::number(c.indice));
        EXPECT_EQ(g.TextMatrix(c.fila, c.columna), QString::number(c.indice)) << c.indice;
        EXPECT_EQ(g.TextArray(c.indice), QString::number(c.indice));
    }
    EXPECT_EQ(NumeroDeFalla([&] { g.TextArray(15); }), ErroresControl::SubindiceNoValido);
}

TEST(Grilla, ColoresDeLaCeldaActual)
{
    Grilla g;
    g.setCols(3);
    g.setRows(3);
    g.setRow(2);
    g.setCol(1);
    g.setCellBackColor(0xC0FFFF);
    g.setCellForeColor(16777215);
    g.setCol(2);
    EXPECT_EQ(g.CellBackColor(), 0u);
    g.setCol(1);
    EXPECT_EQ(g.CellBackColor(), 0xC0FFFFu);
    EXPECT_EQ(g.CellForeColor(), 0xFFFFFFu);
    EXPECT_EQ(g.ColorFondo(2, 1), 0xC0FFFFu);

    // Clear empties text and colours but keeps the shape.
    g.setTextMatrix(2, 1, QStringLiteral("x"));
    g.setColWidth(1, 0);
    g.Clear();
    EXPECT_EQ(g.TextMatrix(2, 1), QString());
    EXPECT_EQ(g.ColorFondo(2, 1), 0u);
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.ColWidth(1), 0);
}

TEST(Grilla, FallasDelControl)
{
    Grilla g;
    struct Caso { const char* que; std::function<void()> accion; long numero; };
    const Caso casos[] = {
        {"celda fuera", [&] { g.TextMatrix(2, 0); }, ErroresControl::SubindiceNoValido},
        {"columna fuera", [&] { g.ColWidth(-1); }, ErroresControl::SubindiceNoValido},
        {"fila actual", [&] { g.setRow(2); }, ErroresControl::FilaNoValida},
        {"columna actual", [&] { g.setCol(-1); }, ErroresControl::ColumnaNoValida},
        {"menos filas que fijas", [&] { g.setRows(0); }, ErroresControl::ValorNoValido},
        {"alineación", [&] { g.setColAlignment(0, 10); }, ErroresControl::ValorNoValido},
        {"ancho negativo", [&] { g.setColWidth(0, -2); }, ErroresControl::ValorNoValido},
    };
    for (const auto& c : casos)
        EXPECT_EQ(NumeroDeFalla(c.accion), c.numero) << c.que;
    g.setColWidth(0, 10);
    g.setColWidth(0, -1);
    EXPECT_EQ(g.ColWidth(0), Grilla::AnchoColumnaPredeterminado);
}

TEST(Colores, BgrAQColor)
{
    struct Caso { ColorBgr bgr; QColor esperado; };
    const Caso casos[] = {
        {0xFF0000, QColor(0, 0, 255)},       // blue
        {0x0000FF, QColor(255, 0, 0)},       // red
        {0xC0FFFF, QColor(255, 255, 192)},   // light yellow
        {0xFFFF00, QColor(0, 255, 255)},     // cyan
        {0xFFFFFF, QColor(255, 255, 255)},
        {0x000000, QColor(0, 0, 0)},
        {0x123456, QColor(0x56, 0x34, 0x12)},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ColorDesdeBgr(c.bgr), c.esperado) << std::hex << c.bgr;
    EXPECT_TRUE(ColorDesdeBgr(Colores::TextoVentana).isValid());
    EXPECT_FALSE(ColorDesdeBgr(0x800000FFu).isValid());
}

TEST(MedidorTexto, AnchosExactosConElDobleFijo)
{
    const MedidorFijo m;   // an X is 120 twips, a pixel 15
    EXPECT_EQ(m.AnchoX(15), 1800);
    EXPECT_EQ(m.AnchoX(0), 0);
    EXPECT_EQ(m.TextWidth(QStringLiteral("Nro. de Lote")), 12 * 120);
    EXPECT_EQ(m.TwipsAPixeles(1800), 120);
    EXPECT_DOUBLE_EQ(m.PixelesATwips(8), 120.0);
}

TEST(MedidorTexto, UnaFuenteRealMideTextosProporcionales)
{
    const MedidorFuente m{QFont()};
    EXPECT_GT(m.AnchoX(10), m.AnchoX(1));
    EXPECT_GT(m.TextWidth(QStringLiteral("MMMM")), m.TextWidth(QStringLiteral("iiii")));
    EXPECT_EQ(m.TwipsAPixeles(m.PixelesATwips(37)), 37);
}

}  // namespace
