#include "comprobantes_prueba.h"
#include "platform/controles/pestanas.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

struct Articulo {
    const char* codigo;
    const char* tipo;
    const char* rubro;
    const char* cantidad;
};

void Articulos(Grilla& g, std::initializer_list<Articulo> filas)
{
    g.setCols(101);
    g.setRows(int(filas.size()) + 1);
    int f = 1;
    for (const Articulo& a : filas) {
        g.setTextMatrix(f, ColArticulos::Codigo, QString::fromUtf8(a.codigo));
        g.setTextMatrix(f, ColArticulos::TipoArticulo, QString::fromUtf8(a.tipo));
        g.setTextMatrix(f, ColArticulos::RubroArticulo, QString::fromUtf8(a.rubro));
        g.setTextMatrix(f, ColArticulos::Cantidad, QString::fromUtf8(a.cantidad));
        ++f;
    }
}

// Each row of the summary as "title|items|total", and its colour.
QStringList Filas(const Grilla& g)
{
    QStringList r;
    for (int f = 1; f < g.Rows(); ++f)
        r << g.TextMatrix(f, 0) + u'|' + g.TextMatrix(f, 1) + u'|' + g.TextMatrix(f, 2);
    return r;
}

void CompruebaColores(const Grilla& g)
{
    for (int f = 1; f < g.Rows(); ++f)
        for (int c = 0; c < g.Cols(); ++c)
            EXPECT_EQ(g.ColorFondo(f, c), f == g.Rows() - 1 ? 0xFF0000u : 0xC0FFFFu) << f << "," << c;
}

class Totales : public ::testing::Test {
protected:
    Totales() : s(BasePrueba::ConDemo)
    {
        pestanas.setTabCaption(0, QStringLiteral("Tareas"));
        pestanas.setTabCaption(1, QStringLiteral("Artículos"));
        pestanas.setTabCaption(2, QStringLiteral("Otros"));
        Filas(tareas, {"T01", "", "T02", "T03"});
        tareas.setCols(3);
        for (auto [f, h] : {std::pair{1, "2:40"}, {2, "9:00"}, {3, "0:55"}, {4, "1.5"}})
            tareas.setTextMatrix(f, ColTareas::Horas, QString::fromUtf8(h));
        Articulos(articulos, {{"MESA01", "NOR", "MUE", "2"},
                              {"TORN01", "LIT", "", "100"},
                              {"  ", "NOR", "MUE", "50"},
                              {"SILLA01", "CLA", "MUE", "4,5"},
                              {"MESA01", "NOR", "MUE", "1"}});
        Filas(otros, {"Flete", "Embalaje", ""});
        ClsCmnCptes().InicializaGrids(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, MedidorPrueba(),
                                      QStringLiteral("FC"), &resumen);
    }

    SesionGlobal s;
    Pestanas pestanas;
    Grilla tareas, articulos, otros, resumen;
    ClsCmnCptes cpte;
};

TEST_F(Totales, TareasYArticulosPorRubro)
{
    pestanas.setTabVisible(2, false);
    cpte.TotalizadorControl(&tareas, &articulos, &otros, resumen, pestanas, true, true);
    EXPECT_EQ(Filas(resumen), (QStringList{"Tareas|3|3:125", "Artículos|4|107.5", "-||100", "MUE-Muebles||7.5", "||"}));
    CompruebaColores(resumen);
}

TEST_F(Totales, ArticulosYOtrosPorTipo)
{
    pestanas.setTabVisible(0, false);
    cpte.TotalizadorControl(&tareas, &articulos, &otros, resumen, pestanas, false, true);
    EXPECT_EQ(Filas(resumen), (QStringList{"Artículos|4|107.5", "-||", "NOR-Línea Nórdica||3", "LIT-Herrajes del Litoral||100",
                                           "CLA-Línea Clásica||4.5", "Otros|2|", "||"}));
    CompruebaColores(resumen);
}

TEST_F(Totales, PorArticuloSinTablaDeDescripciones)
{
    pestanas.setTabVisible(0, false);
    pestanas.setTabVisible(2, false);
    gSesionBD->LimpiaBitacora();
    cpte.TotalizadorControl(nullptr, &articulos, nullptr, resumen, pestanas, false, false);
    EXPECT_EQ(Filas(resumen), (QStringList{"Artículos|4|107.5", "-||", "MESA01-||3", "TORN01-||100", "SILLA01-||4.5", "||"}));
    EXPECT_TRUE(s.Enviado().isEmpty());
}

TEST_F(Totales, MinutosSinAcarrearAunConElSeparadorPunto)
{
    Ajuste(s, QStringLiteral("SeparadorHora"), QStringLiteral("."));
    pestanas.setTabVisible(1, false);
    pestanas.setTabVisible(2, false);
    cpte.TotalizadorControl(&tareas, nullptr, nullptr, resumen, pestanas, false, false);
    EXPECT_EQ(Filas(resumen), (QStringList{"Tareas|3|3:125", "||"}));
}

TEST_F(Totales, SinPestanasVisiblesNiFilasViejas)
{
    resumen.setTextMatrix(1, 0, QStringLiteral("viejo"));
    resumen.setRow(1);
    resumen.setCol(2);
    resumen.setCellBackColor(0x00FF00);
    for (int t = 0; t < 3; ++t)
        pestanas.setTabVisible(t, false);
    cpte.TotalizadorControl(&tareas, &articulos, &otros, resumen, pestanas, true, false);
    EXPECT_EQ(resumen.Rows(), 2);
    EXPECT_EQ(Filas(resumen), QStringList{"||"});
    CompruebaColores(resumen);

    // A visible tab whose grid the screen lacks counts nothing.
    pestanas.setTabVisible(1, true);
    Grilla vacia;
    vacia.setCols(101);
    vacia.setRows(1);
    cpte.TotalizadorControl(nullptr, &vacia, nullptr, resumen, pestanas, true, false);
    EXPECT_EQ(Filas(resumen), (QStringList{"Artículos|0|0", "||"}));
    cpte.TotalizadorControl(nullptr, nullptr, nullptr, resumen, pestanas, true, false);
    EXPECT_EQ(Filas(resumen), (QStringList{"Artículos|0|0", "||"}));
}

}  // namespace
