#include "platform/controles/errores_controles.h"
#include "platform/controles/pestanas.h"

#include "platform/numero_de_falla.h"

#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(Pestanas, ModeloSinWidgets)
{
    Pestanas p;
    EXPECT_EQ(p.Tabs(), 3);
    EXPECT_EQ(p.TabCaption(2), QStringLiteral("Tab 2"));
    p.setTabVisible(1, false);
    p.setTabCaption(0, QStringLiteral("Tareas"));
    EXPECT_FALSE(p.TabVisible(1));
    EXPECT_TRUE(p.TabVisible(2));
    p.setTab(2);
    p.setTabs(2);
    EXPECT_EQ(p.Tab(), 1);
    EXPECT_EQ(NumeroDeFalla([&] { p.TabVisible(2); }), ErroresControl::ValorNoValido);
}

TEST(Pestanas, ElWidgetYElModeloVanJuntos)
{
    Pestanas p;
    VistaPestanas v;
    v.addTab(new QLabel, QStringLiteral("Plan"));
    v.addTab(new QLabel, QStringLiteral("Insumos"));
    v.addTab(new QLabel, QStringLiteral("Proyección"));
    v.setPestanas(&p);
    v.show();
    EXPECT_EQ(p.TabCaption(1), QStringLiteral("Insumos"));

    QSignalSpy clics(&v, &VistaPestanas::Click);
    v.setCurrentIndex(2);   // the operator picks a tab
    EXPECT_EQ(p.Tab(), 2);
    ASSERT_EQ(clics.count(), 1);
    EXPECT_EQ(clics.at(0).at(0).toInt(), 0);

    p.setTab(0);
    EXPECT_EQ(v.currentIndex(), 0);
    p.setTabVisible(1, false);
    EXPECT_FALSE(v.isTabVisible(1));
    p.setTabCaption(2, QStringLiteral("&Proyección"));
    EXPECT_EQ(v.tabText(2), QStringLiteral("&Proyección"));
}

}  // namespace
