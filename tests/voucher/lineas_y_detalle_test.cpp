#include "comprobantes_prueba.h"
#include "platform/controles/barra_estado.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

// Three grids of the given rows in use, each followed by a row of blanks.
struct Grillas {
    Grilla tareas, articulos, otros;
    Grillas(int t, int a, int o)
    {
        llena(tareas, t);
        llena(articulos, a);
        llena(otros, o);
    }
    static void llena(Grilla& g, int n)
    {
        g.setCols(8);
        g.setRows(n + 2);
        for (int f = 1; f <= n; ++f)
            g.setTextMatrix(f, 0, QStringLiteral("C%1").arg(f));
        g.setTextMatrix(n + 1, 0, QStringLiteral("   "));
    }
};

TEST(LineasYDetalle, LimiteDeLineasImpresas)
{
    struct Caso {
        const char* nombre;
        bool electronica;
        const char* tc;
        bool anteriores;
        short lineasPasadas;
        long agregar;
        bool cabe;
        short lineas;
        short usadas;
    };
    const Caso casos[] = {
        {"10 lines, 9 used, 1 more", false, "FC", false, 0, 1, true, 10, 9},
        {"10 lines, 9 used, 2 more", false, "FC", false, 0, 2, false, 10, 9},
        {"no row for the type", false, "RM", false, 7, 50, true, 0, -1},
        {"a row with 0 lines", false, "NC", false, 7, 50, true, 0, -1},
        {"10.5 lines round half to even", false, "ND", false, 0, 2, false, 10, 9},
        {"electronic", true, "FC", false, 7, 50, true, 0, -1},
        {"lines passed by the caller", false, "NOESTA", true, 8, 0, false, 8, 9},
    };
    SesionGlobal s;
    s.bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO TA_CONFIG_IMP_CPTE (TC, LETRA, CANTLINEAS) VALUES ('FC', 'A', 10), ('FC', 'A', 30), ('NC', 'A', 0), "
        "('ND', 'A', 10.5)"));
    Grillas g(2, 5, 2);
    for (const Caso& c : casos) {
        ClsCmnCptes cpte;
        cpte.esElectronica = c.electronica;
        short lineas = c.lineasPasadas, usadas = -1;
        gSesionBD->LimpiaBitacora();
        EXPECT_EQ(cpte.ValidaCantidadLineasCpte(QString::fromUtf8(c.tc), QStringLiteral("A"), &g.tareas, &g.articulos,
                                                &g.otros, lineas, usadas, c.agregar, c.anteriores),
                  c.cabe)
            << c.nombre;
        EXPECT_EQ(lineas, c.lineas) << c.nombre;
        EXPECT_EQ(usadas, c.usadas) << c.nombre;
        if (c.electronica || c.anteriores) {
            EXPECT_TRUE(s.Enviado().isEmpty()) << c.nombre;
        }
    }

    // Type and letter as passed; grids the screen lacks count nothing.
    ClsCmnCptes cpte;
    short lineas = 0, usadas = 0;
    gSesionBD->LimpiaBitacora();
    EXPECT_TRUE(cpte.ValidaCantidadLineasCpte(QStringLiteral("FC"), QStringLiteral("A"), nullptr, &g.articulos,
                                              nullptr, lineas, usadas, 5, false));
    EXPECT_EQ(usadas, 5);
    EXPECT_EQ(s.Enviado().last(),
              QStringLiteral("SELECT CANTLINEAS FROM TA_CONFIG_IMP_CPTE WHERE TC='FC' AND LETRA='A' ORDER BY ID"));
}

TEST(LineasYDetalle, CuentaDeItemsYUnidades)
{
    Grillas g(2, 3, 1);
    g.articulos.setTextMatrix(1, ColArticulos::Cantidad, QStringLiteral(" 2,5 "));
    g.articulos.setTextMatrix(2, ColArticulos::Cantidad, QStringLiteral("1.25"));
    g.articulos.setTextMatrix(4, ColArticulos::Cantidad, QStringLiteral("100"));   // a blank code: not counted
    SesionGlobal s;
    ClsCmnCptes cpte;
    long tareas = -1, articulos = -1, otros = -1;
    double unidades = -1;
    EXPECT_EQ(cpte.CuentaItems(&g.tareas, &g.articulos, &g.otros, tareas, articulos, otros, unidades), 6);
    EXPECT_EQ(tareas, 2);
    EXPECT_EQ(articulos, 3);
    EXPECT_EQ(otros, 1);
    EXPECT_DOUBLE_EQ(unidades, 3.75);
    EXPECT_EQ(cpte.CuentaItems(nullptr, nullptr, nullptr, tareas, articulos, otros, unidades), 0);
    EXPECT_EQ(tareas + articulos + otros, 0);
    EXPECT_EQ(unidades, 0);
}

TEST(LineasYDetalle, PanelesDeDetalleDeLaFilaActual)
{
    BarraEstado barra;
    for (const char* clave : {"", "", "", "", "sToCk"})
        barra.Panels().Add(0, QString::fromUtf8(clave), QStringLiteral("previo"));
    Grilla articulos;
    articulos.setCols(101);
    articulos.setRows(3);
    articulos.setTextMatrix(2, ColArticulos::Codigo, QStringLiteral(" MESA01 "));
    articulos.setTextMatrix(2, ColArticulos::Descripcion, QStringLiteral("Mesa de roble  "));
    articulos.setTextMatrix(2, ColArticulos::StockDisponible, QStringLiteral("1.234,50"));
    articulos.setRow(2);
    SesionGlobal s;
    ClsCmnCptes cpte;

    cpte.MuestraDetalleArticulos(articulos, barra, 2);
    EXPECT_EQ(barra.Panels().Item(2).Text(), QStringLiteral("MESA01 - Mesa de roble"));
    EXPECT_EQ(barra.Panels().Item(5).Text(), QStringLiteral("Stock: 1234.5"));
    // A panel the bar lacks is passed over; the stock is still shown.
    articulos.setTextMatrix(2, ColArticulos::StockDisponible, QStringLiteral("7"));
    cpte.MuestraDetalleArticulos(articulos, barra, 9);
    EXPECT_EQ(barra.Panels().Item(5).Text(), QStringLiteral("Stock: 7"));

    Grilla tareas;
    tareas.setRows(2);
    tareas.setTextMatrix(1, 0, QStringLiteral("T01 "));
    tareas.setTextMatrix(1, 1, QStringLiteral(" Lijado"));
    cpte.MuestraDetalleTareas(tareas, barra);
    EXPECT_EQ(barra.Panels().Item(4).Text(), QStringLiteral("T01 - Lijado"));
    Grilla otros;
    otros.setRows(2);
    otros.setTextMatrix(1, 0, QStringLiteral("  Flete "));
    cpte.MuestraDetalleOtrosConceptos(otros, barra);
    EXPECT_EQ(barra.Panels().Item(4).Text(), QStringLiteral("Flete"));

    BarraEstado corta;
    corta.Panels().Add();
    EXPECT_THROW(cpte.MuestraDetalleOtrosConceptos(otros, corta), Falla);
    EXPECT_THROW(cpte.MuestraDetalle(QStringLiteral("x"), corta, 2), Falla);
    EXPECT_NO_THROW(cpte.MuestraDetalleArticulos(articulos, corta, 4));   // no stock panel either
}

}  // namespace
