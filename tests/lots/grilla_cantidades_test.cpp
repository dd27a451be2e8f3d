// The quantity grid of the lot dialogs, on the grid model alone.
#include "lots/grilla_cantidades.h"
#include "platform/controles/caja_texto.h"
#include "platform/controles/grilla.h"
#include "support/avisos_grabados.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A grid laid out as the positions dialog's: balances in column 3,
// quantities in column 4, one data row per balance.
struct Cuadro {
    explicit Cuadro(const std::vector<QString>& disponibles, double pedido_ = 0)
        : pedido(pedido_), cantidades(grilla, 4, 3, pedido)
    {
        grilla.setCols(5);
        grilla.setRows(int(disponibles.size()) + 1);
        for (size_t i = 0; i < disponibles.size(); ++i) {
            grilla.setTextMatrix(int(i) + 1, 3, disponibles[i]);
            grilla.setTextMatrix(int(i) + 1, 4, QStringLiteral("0"));
        }
    }
    void Cantidades(const std::vector<QString>& valores)
    {
        for (size_t i = 0; i < valores.size(); ++i)
            grilla.setTextMatrix(int(i) + 1, 4, valores[i]);
    }
    std::vector<QString> Columna(int columna = 4) const
    {
        std::vector<QString> r;
        for (int f = 1; f < grilla.Rows(); ++f)
            r.push_back(grilla.TextMatrix(f, columna));
        return r;
    }

    Grilla grilla;
    double pedido;
    GrillaCantidades cantidades;
};

using Textos = std::vector<QString>;

TEST(GrillaCantidades, DistribuyeCantidad)
{
    struct Caso {
        const char* nombre;
        double pedido;
        Textos disponibles;
        Textos esperado;
    };
    const Caso casos[] = {
        {"in grid order, the last row takes what is left", 10, {"4", "3", "5"}, {"4", "3", "3"}},
        {"a single row takes the whole request", 10, {"2"}, {"10"}},
        {"what no row can take stays unassigned", 10, {"4", "3"}, {"4", "3"}},
        {"a negative depot row takes nothing", 8, {"4", "-2", "5"}, {"4", "0", "4"}},
        {"a row with nothing takes nothing", 3, {"0", "5"}, {"0", "3"}},
        {"decimals that add up within the tolerance", 0.3, {"0.1", "0.2", "7"}, {"0.1", "0.2", "0"}},
        {"a request below the first balance", 2.5, {"4", "3"}, {"2.5", "0"}},
    };
    for (const Caso& c : casos) {
        Cuadro q(c.disponibles, c.pedido);
        q.cantidades.DistribuyeCantidad();
        EXPECT_EQ(q.Columna(), c.esperado) << c.nombre;
        bool valida = false;
        q.cantidades.ValidaCantidadCantidadPedida(valida);
        EXPECT_EQ(valida, c.esperado != Textos({"4", "3"})) << c.nombre;
    }
}

TEST(GrillaCantidades, SumaFilasLeeElNumeroInicial)
{
    Cuadro q({"9", "9", "9", "9", "9"});
    q.Cantidades({"2.5", "", "-", "3 cajas", "1"});
    double suma = -1;
    q.cantidades.SumaFilas(-1, suma);
    EXPECT_DOUBLE_EQ(suma, 6.5);
    q.cantidades.SumaFilas(1, suma);
    EXPECT_DOUBLE_EQ(suma, 4);
    q.cantidades.SumaFilas(0, suma);   // the title row is no data row
    EXPECT_DOUBLE_EQ(suma, 6.5);
    EXPECT_TRUE(GrillaCantidades::Iguales(0.1 + 0.2, 0.3));
    EXPECT_FALSE(GrillaCantidades::Iguales(0.3, 0.3001));
}

TEST(GrillaCantidades, BotonesDeLaBarra)
{
    struct Caso {
        const char* nombre;
        int boton;
        int fila;
        int columna;
        Textos esperado;
        int filaFinal;
    };
    // Balances 4, 3, 5, 6; quantities 1, " 2 ", 3, 4; request 10.
    const Caso casos[] = {
        {"fill copies the trimmed current value below", 1, 2, 4, {"1", " 2 ", "2", "2"}, 2},
        {"blank puts 0 below, the current cell keeps its value", 2, 2, 4, {"1", " 2 ", "0", "0"}, 2},
        {"blank on the last row changes nothing", 2, 4, 4, {"1", " 2 ", "3", "4"}, 4},
        {"fill outside the quantity column changes nothing", 1, 2, 3, {"1", " 2 ", "3", "4"}, 2},
        {"blank outside the quantity column changes nothing", 2, 2, 0, {"1", " 2 ", "3", "4"}, 2},
        {"propose starts afresh and ends on the last row", 3, 2, 0, {"4", "3", "3", "0"}, 4},
        {"any other button does nothing", 4, 2, 4, {"1", " 2 ", "3", "4"}, 2},
    };
    for (const Caso& c : casos) {
        Cuadro q({"4", "3", "5", "6"}, 10);
        q.Cantidades({"1", " 2 ", "3", "4"});
        q.grilla.setRow(c.fila);
        q.grilla.setCol(c.columna);
        q.cantidades.Toolbar1_ButtonClick(c.boton);
        EXPECT_EQ(q.Columna(), c.esperado) << c.nombre;
        EXPECT_EQ(q.grilla.Row(), c.filaFinal) << c.nombre;
        if (c.boton == 3) {
            EXPECT_EQ(q.grilla.Col(), 4);
        }
    }
}

TEST(GrillaCantidades, CampoValidaRechazaOEscribeLaFormaPlana)
{
    struct Caso {
        const char* tecleado;
        const char* mensaje;   // nullptr: accepted
        const char* celda;
    };
    // The row's balance is 5; the cell held "1".
    const Caso casos[] = {
        {"-2", "La Cantidad no puede ser Menor a Cero", "1"},
        {"7", "No hay disponible para esa posicion", "1"},
        {"dos", "La cantidad ingresada no es un número válido", "1"},
        {"2x", "La cantidad ingresada no es un número válido", "1"},
        {"2,5", nullptr, "2.5"},
        {" 5 ", nullptr, "5"},
        {"", nullptr, "0"},
    };
    for (const Caso& c : casos) {
        AvisosGrabados avisos;
        Cuadro q({"5"});
        q.Cantidades({"1"});
        q.grilla.setRow(1);
        q.grilla.setCol(4);
        CajaTexto caja;
        caja.setText(QString::fromUtf8(c.tecleado));
        q.cantidades.CampoValida(caja);
        EXPECT_EQ(q.grilla.TextMatrix(1, 4), QString::fromUtf8(c.celda)) << c.tecleado;
        EXPECT_EQ(q.cantidades.Rechazado(), c.mensaje != nullptr) << c.tecleado;
        if (c.mensaje) {
            ASSERT_EQ(avisos.preguntas.size(), 1u) << c.tecleado;
            EXPECT_EQ(avisos.preguntas[0].texto, QString::fromUtf8(c.mensaje));
            EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador"));
            EXPECT_EQ(avisos.preguntas[0].botones, Avisos::Critico);
        } else {
            EXPECT_TRUE(avisos.preguntas.empty()) << c.tecleado;
        }
    }
}

TEST(GrillaCantidades, CantidadesValidasAlAceptar)
{
    AvisosGrabados avisos;
    Cuadro q({"5", "5", "5", "5"});
    q.Cantidades({"", "2", "0", "9"});   // above the balance: only the editor checks that
    EXPECT_TRUE(q.cantidades.CantidadesValidas());
    q.Cantidades({"", "2", "-1", "x"});
    EXPECT_FALSE(q.cantidades.CantidadesValidas());
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("La Cantidad no puede ser Menor a Cero"));
    EXPECT_EQ(q.grilla.Row(), 3);
    EXPECT_EQ(q.grilla.Col(), 4);
    q.Cantidades({"", "2", "1", "x"});
    EXPECT_FALSE(q.cantidades.CantidadesValidas());
    EXPECT_EQ(avisos.preguntas.back().texto, QStringLiteral("La cantidad ingresada no es un número válido"));
    EXPECT_EQ(q.grilla.Row(), 4);
}

TEST(GrillaCantidades, PropiedadesDelEditorPorColumna)
{
    Cuadro q({"5"});
    CajaTexto caja;
    caja.Tag = QStringLiteral("v_ma_articulos");
    q.cantidades.Text_Propiedades(caja, 4);
    EXPECT_EQ(caja.DataField, QStringLiteral("Cantidad"));
    EXPECT_EQ(caja.MaxLength(), 0);
    EXPECT_EQ(caja.Tag, QString());
    q.cantidades.Text_Propiedades(caja, 0);
    EXPECT_EQ(caja.DataField, QString());
    EXPECT_EQ(caja.MaxLength(), 25);
}

}  // namespace
