#include "platform/pasos.h"
#include "support/impresion_qt.h"

#include <gtest/gtest.h>

#include <deque>
#include <new>
#include <stdexcept>

namespace {

// A manager that answers from a script and counts its calls.
struct GestorGuion {
    std::deque<int> respuestas;
    std::vector<long> vistos{};
    GestorError gestor()
    {
        return [this](const Falla& f, const QString&) {
            vistos.push_back(f.Numero);
            const int r = respuestas.front();
            respuestas.pop_front();
            return r;
        };
    }
};

TEST(Pasos, ReintentarRepiteSoloElPasoQueFallo)
{
    GestorGuion g{{4, 4}};
    Procedimiento p(QStringLiteral("Prueba"), g.gestor());
    int primero = 0, intentos = 0, tercero = 0;
    p.paso([&] { ++primero; });
    p.paso([&] {
        if (++intentos < 3)
            throw Falla(11, QStringLiteral("x"));
    });
    p.paso([&] { ++tercero; });
    EXPECT_EQ(primero, 1);
    EXPECT_EQ(intentos, 3);
    EXPECT_EQ(tercero, 1);
    EXPECT_EQ(g.vistos.size(), 2u);
    EXPECT_FALSE(p.abandonado());
}

TEST(Pasos, ContinuarSaltaExactamenteUnPaso)
{
    GestorGuion g{{5}};
    Procedimiento p(QStringLiteral("Prueba"), g.gestor());
    std::vector<int> corridos;
    p.paso([&] { corridos.push_back(1); });
    p.paso([&] {
        throw Falla(3, QStringLiteral("x"));
        corridos.push_back(2);
    });
    p.paso([&] { corridos.push_back(3); });
    EXPECT_EQ(corridos, (std::vector<int>{1, 3}));
}

TEST(Pasos, AbandonarNoCorreNadaDespues)
{
    GestorGuion g{{3}};
    Procedimiento p(QStringLiteral("Prueba"), g.gestor());
    int despues = 0;
    EXPECT_FALSE(p.paso([] { throw Falla(3, QStringLiteral("x")); }));
    EXPECT_FALSE(p.paso([&] { ++despues; }));
    EXPECT_EQ(despues, 0);
    EXPECT_TRUE(p.abandonado());
    ASSERT_TRUE(p.ultimaFalla());
    EXPECT_EQ(p.ultimaFalla()->Numero, 3);
}

TEST(Pasos, SilenciosoYPasarPorAlto)
{
    Procedimiento s = Procedimiento::Silencioso(QStringLiteral("Callado"));
    int n = 0;
    s.paso([] { throw std::runtime_error("x"); });
    s.paso([&] { ++n; });
    EXPECT_EQ(n, 1);

    // Only number 5 goes on; any other failure leaves, asking nobody.
    Procedimiento p(QStringLiteral("Inicia"), nullptr);
    p.PasarPorAlto(5);
    EXPECT_TRUE(p.paso([] { throw Falla(5, QStringLiteral("x")); }));
    EXPECT_FALSE(p.paso([] { throw Falla(91, QStringLiteral("x")); }));
    EXPECT_TRUE(p.abandonado());
}

TEST(Pasos, UnaExcepcionDeLaBibliotecaSeDiceEnCastellano)
{
    const struct {
        std::exception_ptr excepcion;
        long numero;
        const char* texto;
    } casos[] = {
        {std::make_exception_ptr(std::out_of_range("vector::_M_range_check")), 5,
         "Llamada a procedimiento o argumento no válidos (vector::_M_range_check)"},
        {std::make_exception_ptr(std::invalid_argument("stoi")), 5,
         "Llamada a procedimiento o argumento no válidos (stoi)"},
        {std::make_exception_ptr(std::bad_alloc()), 7, "Memoria insuficiente"},
        {std::make_exception_ptr(42), 5, "Error desconocido"},
        {std::make_exception_ptr(Falla(91, QStringLiteral("Variable de objeto no establecida"))), 91,
         "Variable de objeto no establecida"},
    };
    for (const auto& c : casos) {
        const Falla f = FallaDeExcepcion(c.excepcion);
        EXPECT_EQ(f.Numero, c.numero) << c.texto;
        EXPECT_EQ(f.Descripcion, QString::fromUtf8(c.texto));
    }
}

}  // namespace
