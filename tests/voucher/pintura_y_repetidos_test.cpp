#include "comprobantes_prueba.h"
#include "voucher/ClsCmnCptes.h"

#include <gtest/gtest.h>

namespace {

class Pintura : public ::testing::Test {
protected:
    Pintura()
    {
        g.setCols(4);
        Filas(g, {" MESA01", "silla01 ", "", "MESA01"});
        g.setTextMatrix(0, 0, QStringLiteral("CODIGO"));
    }
    SesionGlobal s;
    Grilla g;
    ClsCmnCptes cpte;
};

TEST_F(Pintura, FilaYColumna)
{
    g.setRow(1);
    g.setCol(2);
    cpte.PintarFila(3, g, 0xC0FFFF);
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.Col(), 2);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(g.ColorFondo(3, c), 0xC0FFFFu);
    EXPECT_EQ(g.ColorFondo(2, 0), 0u);
    EXPECT_THROW(cpte.PintarFila(9, g, 1), Falla);

    g.setRow(2);
    cpte.PintarColuma(1, g, -1, -1, 0xFF0000);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 1);
    for (int f = 0; f < g.Rows(); ++f)
        EXPECT_EQ(g.ColorFondo(f, 1), 0xFF0000u) << f;   // the title row included

    // Rows and columns the grid lacks are passed over.
    cpte.PintarColuma(3, g, 3, 40, 0x00FF00);
    EXPECT_EQ(g.ColorFondo(3, 3), 0x00FF00u);
    EXPECT_EQ(g.ColorFondo(4, 3), 0x00FF00u);
    EXPECT_EQ(g.ColorFondo(2, 3), 0u);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_NO_THROW(cpte.PintarColuma(7, g, -1, -1, 1));
}

TEST_F(Pintura, CodigosYaPresentes)
{
    EXPECT_TRUE(cpte.ExisteEnGrid(g, QStringLiteral("mesa01")));
    EXPECT_TRUE(cpte.ExisteEnGrid(g, QStringLiteral(" SILLA01 ")));
    EXPECT_FALSE(cpte.ExisteEnGrid(g, QStringLiteral("CODIGO")));   // the title row is no data row
    EXPECT_FALSE(cpte.ExisteEnGrid(g, QStringLiteral("MESA02")));

    struct Caso {
        const char* codigo;
        long ignorar;
        bool repetido;
        long fila;
    };
    const Caso casos[] = {
        {"MESA01", 1, true, 4},   // the row being edited is not its own repeat
        {"MESA01", 0, true, 1},
        {"mesa01", 99, true, 1},
        {"SILLA01", 2, false, -7},
        {"MESA02", 0, false, -7},
    };
    for (const Caso& c : casos) {
        using Busqueda = bool (ClsCmnCptes::*)(Grilla&, const QString&, long, long&);
        for (Busqueda buscar : {Busqueda(&ClsCmnCptes::TareaRepetida), Busqueda(&ClsCmnCptes::ArticuloRepetido),
                                Busqueda(&ClsCmnCptes::OtrosConceptosRepetidos)}) {
            long fila = -7;
            EXPECT_EQ((cpte.*buscar)(g, QString::fromUtf8(c.codigo), c.ignorar, fila), c.repetido) << c.codigo;
            EXPECT_EQ(fila, c.fila) << c.codigo << " " << c.ignorar;
        }
    }

    Grilla soloTitulos;
    soloTitulos.setRows(1);
    soloTitulos.setTextMatrix(0, 0, QStringLiteral("CODIGO"));
    long fila = -7;
    EXPECT_FALSE(cpte.ExisteEnGrid(soloTitulos, QStringLiteral("CODIGO")));
    EXPECT_FALSE(cpte.ArticuloRepetido(soloTitulos, QStringLiteral("CODIGO"), 0, fila));
    EXPECT_EQ(fila, -7);
}

TEST_F(Pintura, NumeroConFraccion)
{
    struct Caso {
        QVariant numero;
        bool fraccion;
    };
    const Caso casos[] = {
        {2.5, true},
        {QStringLiteral("2,5"), true},
        {3, false},
        {QStringLiteral("3,00"), false},
        {QStringLiteral("3.000"), false},
        {40000.5, true},
        {QStringLiteral("40000.5"), true},
        {QStringLiteral("-1.234,75"), true},
        {1e15, false},
        {QStringLiteral("abc"), false},
        {QStringLiteral(""), false},
        {QVariant(), false},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(cpte.NumeroEsFraccion(c.numero), c.fraccion) << c.numero.toString().toStdString();
}

}  // namespace
