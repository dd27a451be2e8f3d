#include "platform/controles/barra_estado.h"

#include <QLabel>
#include "platform/numero_de_falla.h"

#include <gtest/gtest.h>

namespace {

TEST(BarraEstado, PanelesPorIndiceYPorClave)
{
    BarraEstado b;
    b.Panels().Add(0, QStringLiteral("MENSAJE"));
    b.Panels().Add(0, QStringLiteral("SERVER"), QStringLiteral("Srv: local"));
    b.Panels().Add(1, QStringLiteral("Stock"));   // in front of the others
    EXPECT_EQ(b.Panels().Count(), 3);
    EXPECT_EQ(b.Panels()(1).Key(), QStringLiteral("Stock"));
    EXPECT_EQ(b.Panels()(QStringLiteral("server")).Index(), 3);
    EXPECT_EQ(b.Panels()(QStringLiteral("SERVER")).Text(), QStringLiteral("Srv: local"));

    EXPECT_EQ(NumeroDeFalla([&] { b.Panels()(QStringLiteral("CAJA")); }), ErroresControl::ElementoNoEncontrado);
    EXPECT_EQ(NumeroDeFalla([&] { b.Panels()(4); }), ErroresControl::IndiceFueraDeLimites);
    EXPECT_EQ(NumeroDeFalla([&] { b.Panels().Add(0, QStringLiteral("mensaje")); }), ErroresControl::ClaveRepetida);
    EXPECT_EQ(b.Panels().Count(), 3);

    b.Panels().Remove(QStringLiteral("stock"));
    EXPECT_EQ(b.Panels()(QStringLiteral("MENSAJE")).Index(), 1);
}

TEST(BarraEstado, LaVistaMuestraTextosYAyudas)
{
    BarraEstado b;
    b.Panels().Add(0, QStringLiteral("MENSAJE")).setAutoSize(sbrSpring);
    b.Panels().Add(0, QStringLiteral("USUARIO"));
    VistaBarraEstado v;
    v.setBarra(&b);
    v.show();

    Panel& usuario = b.Panels()(QStringLiteral("USUARIO"));
    usuario.setText(QStringLiteral("Uid: ana"));
    usuario.setToolTipText(QStringLiteral("Uid: ana"));
    ASSERT_NE(v.etiqueta(2), nullptr);
    EXPECT_EQ(v.etiqueta(2)->text(), QStringLiteral("Uid: ana"));
    EXPECT_EQ(v.etiqueta(2)->toolTip(), QStringLiteral("Uid: ana"));

    b.Panels().Add(0, QStringLiteral("VERSION"), QStringLiteral("V.1.0.0"));
    EXPECT_EQ(v.etiqueta(3)->text(), QStringLiteral("V.1.0.0"));
    EXPECT_EQ(v.etiqueta(2)->text(), QStringLiteral("Uid: ana"));
}

}  // namespace
