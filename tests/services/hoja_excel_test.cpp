#include "hoja_en_memoria.h"
#include "services/ModExportarExcel.h"

#include "platform/controles/lista.h"
#include "platform/falla.h"
#include "platform/recorte.h"

#include <gtest/gtest.h>

using namespace ModExportarExcel;
using Hoja::FormatoNumero;
using Tipo = Hoja::Valor::Tipo;

namespace {

// An article list: a hidden unit column, a brand column exactly 50 wide, and a
// last column whose position lies past N + 1.
FotoLista listaDeArticulos()
{
    FotoLista l;
    l.ColumnHeaders = {{"Código", 1500, 1}, {"Descripción", 3000, 2}, {"UD", 0, 3},
                       {"Costo ", 1200, 4}, {"Marca", 50, 5},         {"Rubro", 1800, 6}};
    l.ListItems = {
        {"A001 ", {"Pan lactal (u)", "UN", "    1234,50", "001-ACME", "10-Panificados"}, true},
        {"A002", {"Torta"}, false},
        {"00017", {"Medialuna", "UN", "      0,00", "002-XYZ", "11-Facturas"}, true},
    };
    return l;
}

HojaEnMemoria exporta(const FotoLista& l, bool soloTildados = false, short f1 = -1, short f2 = -1)
{
    HojaEnMemoria h;
    HojaExportada(l, false, soloTildados, f1, f2, -1, h);
    return h;
}

}  // namespace

TEST(HojaExportada, ColumnasQueCuentanTitulosYAnchos)
{
    const HojaEnMemoria h = exporta(listaDeArticulos());
    EXPECT_EQ(h.hojas, 2);

    // N = 4: the header reaches column 5, one coloured cell past the last title.
    EXPECT_EQ(h.Muestra(1, 1), "Código");
    EXPECT_EQ(h.Muestra(1, 2), "Descripción");
    EXPECT_EQ(h.Muestra(1, 4), "Costo ");
    for (int c = 1; c <= 5; ++c) {
        const Hoja::Celda* celda = h.En(1, c);
        ASSERT_NE(celda, nullptr) << c;
        EXPECT_TRUE(celda->estilo.bordes && celda->estilo.negrita) << c;
        EXPECT_EQ(celda->estilo.colorInterior, 5) << c;
        EXPECT_EQ(celda->estilo.colorFuente, 0xFFFFFFu) << c;
    }
    EXPECT_EQ(h.En(1, 3)->valor.tipo, Tipo::Vacio);
    EXPECT_EQ(h.En(1, 5)->valor.tipo, Tipo::Vacio);
    // "Rubro" sits at 6, past N + 1: no title and no width, but its cells.
    EXPECT_EQ(h.En(1, 6), nullptr);
    EXPECT_EQ(h.Muestra(3, 6), "10-Panificados");

    // Widths (list width / 90) for columns 1 to N; the hidden unit's place stays 0.
    EXPECT_DOUBLE_EQ(*h.plan.columnas.at(1).ancho, 1500 / 90.0);
    EXPECT_DOUBLE_EQ(*h.plan.columnas.at(2).ancho, 3000 / 90.0);
    EXPECT_EQ(*h.plan.columnas.at(3).ancho, 0);
    EXPECT_DOUBLE_EQ(*h.plan.columnas.at(4).ancho, 1200 / 90.0);
    EXPECT_FALSE(h.plan.columnas.at(5).ancho);
    EXPECT_FALSE(h.plan.columnas.at(6).ancho);
}

TEST(HojaExportada, FilasCeldasEImportes)
{
    const HojaEnMemoria h = exporta(listaDeArticulos());
    // Row 2 stays empty; the first list row lands on row 3.
    EXPECT_EQ(h.filas, (std::vector<int>{1, 3, 4, 5}));

    EXPECT_EQ(h.Muestra(3, 1), "A001");
    EXPECT_EQ(h.Muestra(3, 2), "Pan lactal (u)");
    EXPECT_EQ(h.En(3, 3), nullptr);
    EXPECT_EQ(h.En(3, 4)->valor.tipo, Tipo::Numero);
    EXPECT_EQ(h.Muestra(3, 4), "1.234,50");
    // The brand column, exactly 50 wide, is left out.
    EXPECT_EQ(h.En(3, 5), nullptr);

    // Missing sub-items give empty cells.
    EXPECT_EQ(h.Muestra(4, 2), "Torta");
    EXPECT_EQ(h.En(4, 4), nullptr);
    EXPECT_EQ(h.En(4, 6), nullptr);

    // A code with leading zeros stays text; a zero amount gets no format.
    EXPECT_EQ(h.En(5, 1)->valor.tipo, Tipo::Texto);
    EXPECT_EQ(h.Muestra(5, 1), "00017");
    EXPECT_EQ(h.En(5, 4)->valor.tipo, Tipo::Numero);
    EXPECT_EQ(h.Formato(5, 4), FormatoNumero::General);
}

TEST(HojaExportada, SoloTildadosNoGastaFilas)
{
    const HojaEnMemoria h = exporta(listaDeArticulos(), true);
    EXPECT_EQ(h.filas, (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(h.Muestra(4, 1), "00017");
}

TEST(HojaExportada, SinColumnasQueCuenten)
{
    FotoLista l;
    l.ColumnHeaders = {{"A", 50, 1}, {"B", 10, 2}};
    l.ListItems = {{"x", {"y"}, false}};
    const HojaEnMemoria h = exporta(l);
    EXPECT_EQ(h.filas, (std::vector<int>{1}));
    ASSERT_NE(h.En(1, 1), nullptr);
    EXPECT_EQ(h.En(1, 1)->estilo.colorInterior, 5);
    EXPECT_EQ(h.En(1, 1)->valor.tipo, Tipo::Vacio);
    EXPECT_EQ(h.En(1, 2), nullptr);
    EXPECT_FALSE(h.plan.columnas.at(1).ancho);
}

TEST(HojaExportada, UnaFechaReformateaLaColumnaYAjustaLosAnchosDeEseMomento)
{
    FotoLista l;
    l.ColumnHeaders = {{"Código", 900, 1}, {"Dato", 900, 2}};
    l.ListItems = {
        {"A1", {"15,5"}, false},
        {"B2", {"texto"}, false},
        {"C3", {" 20/03/2024 "}, false},
        {"UN-CODIGO-MUY-LARGO-4", {"7,25"}, false},
    };
    const HojaEnMemoria h = exporta(l);

    // Everything already in column 2 took the date format, the header too.
    EXPECT_EQ(h.Formato(1, 2), FormatoNumero::Fecha);
    EXPECT_TRUE(h.En(1, 2)->estilo.negrita);
    EXPECT_EQ(h.Formato(3, 2), FormatoNumero::Fecha);
    EXPECT_EQ(h.Muestra(3, 2), "15/01/1900");
    EXPECT_EQ(h.Muestra(4, 2), "texto");
    EXPECT_EQ(h.Muestra(5, 2), "20/03/2024");
    // An amount written after the date keeps its own format.
    EXPECT_EQ(h.Formato(6, 2), FormatoNumero::Importe);
    EXPECT_EQ(h.plan.columnas.at(2).formato, FormatoNumero::Fecha);
    EXPECT_EQ(h.plan.columnas.at(1).formato, FormatoNumero::General);

    // The autofit measured what the sheet held then: not the long code below.
    EXPECT_DOUBLE_EQ(*h.plan.columnas.at(1).ancho, Hoja::AnchoAjustado(6));
    EXPECT_DOUBLE_EQ(*h.plan.columnas.at(2).ancho, Hoja::AnchoAjustado(10));
}

TEST(HojaExportada, ColumnasDeFecha)
{
    FotoLista l;
    l.ColumnHeaders = {{"Código", 900, 1}, {"Dato", 900, 2}};
    l.ListItems = {{"A1", {"15,5"}, false}, {"B2", {"-42"}, false}};

    // Formatted before the rows: amounts keep their own format, the rest follow the column.
    const HojaEnMemoria h = exporta(l, false, 2);
    EXPECT_EQ(h.plan.columnas.at(2).formato, FormatoNumero::Fecha);
    EXPECT_EQ(h.Formato(3, 2), FormatoNumero::Importe);
    EXPECT_EQ(h.Formato(4, 2), FormatoNumero::Fecha);

    // Column 0 cannot be selected: the date format goes to what is selected, cell (1, 1).
    const HojaEnMemoria cero = exporta(l, false, 0);
    EXPECT_EQ(cero.Formato(1, 1), FormatoNumero::Fecha);
    EXPECT_EQ(cero.Formato(3, 1), FormatoNumero::General);
    EXPECT_EQ(cero.plan.columnas.at(1).formato, FormatoNumero::General);
}

// What a text becomes is settled once per text and shared by the rows that
// repeat it: each repetition must give the cell the text gives alone.
TEST(HojaExportada, UnTextoRepetidoDaLaCeldaQueDaSolo)
{
    const std::vector<QString> textos = {
        "    1234,50", "1234,50", " 12,5 ", "      0,00", "-3,25", "99999999999999999999,00", "1.234.567,89",
        "003-MARCA", "00123", "Pan (u)", "", "   ", " Torta ", "31/02/2027", "12:30"};
    const auto listaDe = [](const std::vector<QString>& t, int veces) {
        FotoLista l;
        l.ColumnHeaders = {{"Código", 1500, 1}, {"Texto", 1500, 2}};
        for (int v = 0; v < veces; ++v)
            for (const QString& x : t)
                l.ListItems.push_back({QStringLiteral("A%1").arg(l.ListItems.size()), {x}, false});
        return l;
    };
    const auto igual = [](const Hoja::Celda* a, const Hoja::Celda* b) {
        return (!a && !b) || (a && b && a->valor == b->valor && a->estilo == b->estilo);
    };
    const HojaEnMemoria repetida = exporta(listaDe(textos, 3));
    const int n = static_cast<int>(textos.size());
    for (int i = 0; i < n; ++i) {
        const HojaEnMemoria sola = exporta(listaDe({textos[size_t(i)]}, 1));
        for (int v = 0; v < 3; ++v)
            EXPECT_TRUE(igual(repetida.En(3 + v * n + i, 2), sola.En(3, 2))) << textos[size_t(i)].toStdString() << " #" << v;
    }

    // Many texts, past the number a column keeps: repeating often enough to
    // be looked up still (5,000), or too seldom (9,000); each gives its own cell.
    for (const int cuantos : {5000, 9000}) {
        std::vector<QString> muchos;
        for (int i = 0; i < cuantos; ++i)
            muchos.push_back(i % 2 ? QStringLiteral("%1,25").arg(i) : QStringLiteral("C-%1").arg(i));
        const HojaEnMemoria variada = exporta(listaDe(muchos, 2));
        for (int i = 0; i < cuantos; ++i)
            ASSERT_TRUE(igual(variada.En(3 + i, 2), variada.En(3 + cuantos + i, 2))) << muchos[size_t(i)].toStdString();
        for (const int i : {0, 1, 63, 64, 4095, 4096, 4999}) {
            const HojaEnMemoria sola = exporta(listaDe({muchos[size_t(i)]}, 1));
            EXPECT_TRUE(igual(variada.En(3 + i, 2), sola.En(3, 2))) << muchos[size_t(i)].toStdString();
        }
    }

    // A date sets its column's format each time it is met; its cell is the same each time.
    const HojaEnMemoria fechas = exporta(listaDe({"01/03/2027", "1234,50", "2027/03/01"}, 2));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(igual(fechas.En(3 + i, 2), fechas.En(6 + i, 2))) << i;
    EXPECT_EQ(fechas.Muestra(6, 2), "01/03/2027");
    EXPECT_EQ(fechas.Formato(8, 2), FormatoNumero::Fecha);
}

// A text that is no amount is written as the sheet reads it typed in, trimmed.
TEST(HojaExportada, UnTextoQueNoEsImporteSeEscribeComoLoLeeLaHoja)
{
    const QStringList textos = {"Pan (u)", " Torta ", "\tTorta", "x12,5", "Ñandú 3", "A-01/02/2024",
                                "€ 12,50", QChar(0x2003) + QStringLiteral("5"), "\n12,5", "-x"};
    FotoLista l;
    l.ColumnHeaders = {{"Código", 1500, 1}, {"Texto", 1500, 2}};
    for (const QString& t : textos)
        l.ListItems.push_back({QStringLiteral("A%1").arg(l.ListItems.size()), {t}, false});
    const HojaEnMemoria h = exporta(l);
    for (int i = 0; i < textos.size(); ++i) {
        const Hoja::Celda* c = h.En(3 + i, 2);
        ASSERT_NE(c, nullptr) << textos[i].toStdString();
        EXPECT_EQ(c->valor, Hoja::LeeValor(Recorta(textos[i]))) << textos[i].toStdString();
        EXPECT_EQ(c->estilo.formato, FormatoNumero::General) << textos[i].toStdString();
    }
}

TEST(HojaExcel, LecturaDeLoQueSeEscribe)
{
    struct Caso {
        const char* texto;
        Tipo tipo;
        double numero;
        bool fecha;
    };
    const double marzo15 = Hoja::NumeroDeSerie(QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
    const Caso casos[] = {
        {"1234,50", Tipo::Numero, 1234.5, false},  {" 1.234,50 ", Tipo::Numero, 1234.5, false},
        {"1,234.5", Tipo::Numero, 1234.5, false},  {"12.5", Tipo::Numero, 12.5, false},
        {"-3", Tipo::Numero, -3, false},           {"0,5", Tipo::Numero, 0.5, false},
        {"0", Tipo::Numero, 0, false},             {"00123", Tipo::Texto, 0, false},
        {"1.2.3", Tipo::Texto, 0, false},          {"001-ACME", Tipo::Texto, 0, false},
        {"15/03/2024", Tipo::Numero, marzo15, true}, {"15-03-24", Tipo::Numero, marzo15, true},
        {"2024/03/15", Tipo::Numero, marzo15, true}, {"31/02/2024", Tipo::Texto, 0, false},
        {"12/5", Tipo::Texto, 0, false},           {"", Tipo::Vacio, 0, false},
        // Thousands grouped in threes by one sign, the other one decimal.
        {"1.234.567,89", Tipo::Numero, 1234567.89, false}, {"1,234,567", Tipo::Numero, 1234567, false},
        {"-1.234", Tipo::Numero, -1.234, false},   {"12.34,5", Tipo::Texto, 0, false},
        {"1234.567,8", Tipo::Texto, 0, false},     {"1,234,56", Tipo::Texto, 0, false},
        {"1.234,5,6", Tipo::Texto, 0, false},      {"1.234,", Tipo::Texto, 0, false},
        // The sheet's first days: 1 January 1900 is day 1, and it counts a 29 February 1900.
        {"01/01/1900", Tipo::Numero, 1, true},      {"28/02/1900", Tipo::Numero, 59, true},
        {"01/03/1900", Tipo::Numero, 61, true},     {"01/01/1900 12:00", Tipo::Numero, 1.5, true},
        // An earlier date is no date the sheet keeps: the text stays.
        {"31/12/1899", Tipo::Texto, 0, false},      {"1899/12/30", Tipo::Texto, 0, false},
    };
    for (const Caso& c : casos) {
        const Hoja::Valor v = Hoja::LeeValor(QString::fromUtf8(c.texto));
        EXPECT_EQ(v.tipo, c.tipo) << c.texto;
        EXPECT_EQ(v.esFecha, c.fecha) << c.texto;
        if (c.tipo == Tipo::Numero) {
            EXPECT_DOUBLE_EQ(v.numero, c.numero) << c.texto;
        }
    }
    EXPECT_DOUBLE_EQ(marzo15, 45366);
    EXPECT_DOUBLE_EQ(Hoja::LeeValor("15/03/2024 18:00").numero, 45366.75);
    // Times after the date, in each form a date is read in.
    for (const char* conHora : {"2024-03-15T18:00:00.000", "2024-03-15 18:00", "2024/03/15 18:00"}) {
        const Hoja::Valor v = Hoja::LeeValor(QString::fromUtf8(conHora));
        EXPECT_TRUE(v.esFecha) << conHora;
        EXPECT_DOUBLE_EQ(v.numero, 45366.75) << conHora;
    }
    EXPECT_EQ(Hoja::LeeValor("15/03/2024 hs").tipo, Tipo::Texto);
}

TEST(HojaExcel, RehusaLoQueLaHojaNoAdmite)
{
    HojaExcel h;
    h.Asigna(3, 1, "x");
    EXPECT_THROW(h.Asigna(2, 1, "y"), Falla);  // a finished row
    EXPECT_THROW(h.SeleccionaColumna(0), Falla);
    EXPECT_THROW(h.AnchoColumna(1, 256), Falla);
    EXPECT_THROW(h.ColorInterior(3, 1, 57), Falla);
    h.Termina();
    EXPECT_EQ(h.Plan().ultimaFila, 3);
}

TEST(HojaExportada, DeLaListaDeLaVentana)
{
    Lista l;
    l.ColumnHeaders().Add(0, {}, "Código", 1500);
    l.ColumnHeaders().Add(0, {}, "UD", 0);
    l.ColumnHeaders().Add(0, {}, "Descripción", 3000);
    l.ColumnHeaders().Item(3).setPosition(1);  // moved to the front on screen
    ListItem& a = l.ListItems().Add(0, {}, "A001");
    a.setSubItems(1, "UN");
    a.setSubItems(2, "Pan");
    a.setChecked(true);
    l.ListItems().Add(0, {}, "A002");  // no sub-items

    const FotoLista foto = FotoDe(l);
    ASSERT_EQ(foto.ColumnHeaders.size(), 3u);
    EXPECT_EQ(foto.ColumnHeaders[0].Position, 2);
    EXPECT_EQ(foto.ColumnHeaders[1].Width, 0);
    EXPECT_EQ(foto.ListItems[0].SubItems, (QStringList{"UN", "Pan"}));
    EXPECT_TRUE(foto.ListItems[0].Checked);
    EXPECT_TRUE(foto.ListItems[1].SubItems.isEmpty());

    // Cells go to the headers' display positions.
    const HojaEnMemoria h = exporta(foto);
    EXPECT_EQ(h.Muestra(1, 1), "Descripción");
    EXPECT_EQ(h.Muestra(1, 2), "Código");
    EXPECT_EQ(h.Muestra(3, 1), "Pan");
    EXPECT_EQ(h.Muestra(3, 2), "A001");
    EXPECT_EQ(h.Muestra(4, 2), "A002");
    EXPECT_EQ(h.En(4, 1), nullptr);
}

// A column whose table of texts is full and seldom hit stops looking there;
// the text found by the look-up that makes it stop still gives its own cell.
TEST(HojaExportada, ElTextoHalladoAlDejarDeBuscarDaSuCelda)
{
    FotoLista l;
    l.ColumnHeaders = {{"Código", 1500, 1}, {"Importe", 1500, 2}};
    const auto fila = [&](const QString& t) {
        l.ListItems.push_back({QStringLiteral("A%1").arg(l.ListItems.size()), {t}, false});
    };
    // As many texts as the column keeps, as many more it does not, then one it keeps.
    for (int i = 0; i < 4096; ++i)
        fila(QStringLiteral("%1,5").arg(i + 1));
    for (int i = 0; i < 4095; ++i)
        fila(QStringLiteral("%1,75").arg(i + 1));
    fila(QStringLiteral("7,5"));
    const HojaEnMemoria h = exporta(l);
    const int ultima = 3 + static_cast<int>(l.ListItems.size()) - 1;
    const Hoja::Celda* c = h.En(ultima, 2);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->valor.tipo, Tipo::Numero);
    EXPECT_EQ(c->valor.numero, 7.5);
    EXPECT_EQ(c->estilo.formato, FormatoNumero::Importe);
    EXPECT_EQ(h.Muestra(ultima, 2), h.Muestra(3 + 6, 2));
}
