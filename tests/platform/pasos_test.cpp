#include "platform/pasos.h"

#include <gtest/gtest.h>

#include <deque>

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

}  // namespace
