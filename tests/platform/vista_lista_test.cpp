#include "platform/controles/vista_lista.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ListaMostrada {
    MedidorFijo medidor;   // 15 twips a pixel
    Lista lista;
    VistaLista vista;
    ListaMostrada()
    {
        auto& h = lista.ColumnHeaders();
        h.Add(0, {}, QStringLiteral("Código"), 1800);
        h.Add(0, {}, QStringLiteral("UD"), 0);
        h.Add(0, {}, QStringLiteral("Descripción"), 3600);
        vista.setMedidor(&medidor);
        vista.setLista(&lista);
        vista.resize(500, 300);
        vista.show();
    }
};

TEST(VistaLista, CienMilFilasSinUnWidgetPorFila)
{
    ListaMostrada m;
    for (int i = 0; i < 100000; ++i) {
        ListItem& e = m.lista.ListItems().Add(0, {}, QStringLiteral("A%1").arg(i, 6, 10, QLatin1Char('0')));
        e.setSubItems(2, QStringLiteral("Artículo %1").arg(i));
    }
    m.vista.Sincronizar();
    auto* modelo = m.vista.model();
    EXPECT_EQ(modelo->rowCount(), 100000);
    EXPECT_EQ(modelo->index(99999, 2).data().toString(), QStringLiteral("Artículo 99999"));
    m.lista.ListItems()(100000).EnsureVisible();
    EXPECT_TRUE(m.vista.viewport()->rect().intersects(m.vista.visualRect(modelo->index(99999, 0))));
    EXPECT_TRUE(m.vista.findChildren<QWidget*>().size() < 50);
}

TEST(VistaLista, AnchosEnTwipsYPosicionesEnAmbosSentidos)
{
    ListaMostrada m;
    QHeaderView* h = m.vista.header();
    EXPECT_EQ(h->sectionSize(0), 120);
    EXPECT_TRUE(h->isSectionHidden(1));

    m.lista.ColumnHeaders()(1).setWidth(900);
    EXPECT_EQ(h->sectionSize(0), 60);
    m.lista.ColumnHeaders()(3).setWidth(0);
    EXPECT_TRUE(h->isSectionHidden(2));
    m.lista.ColumnHeaders()(3).setWidth(3000);
    EXPECT_FALSE(h->isSectionHidden(2));

    h->resizeSection(0, 100);   // the operator drags the border
    EXPECT_DOUBLE_EQ(m.lista.ColumnHeaders()(1).Width(), 1500);

    h->moveSection(2, 0);   // "Descripción" first
    EXPECT_EQ(m.lista.ColumnHeaders()(3).Position(), 1);
    EXPECT_EQ(m.lista.ColumnHeaders()(1).Position(), 2);
    EXPECT_EQ(m.lista.ColumnHeaders()(2).Position(), 3);

    m.lista.ColumnHeaders()(1).setPosition(1);   // and back, from the model
    EXPECT_EQ(h->visualIndex(0), 0);
    EXPECT_EQ(h->visualIndex(2), 1);
}

TEST(VistaLista, EventosParaElDueno)
{
    ListaMostrada m;
    m.lista.setCheckboxes(true);
    m.lista.ListItems().Add(0, {}, QStringLiteral("PAN"));
    m.lista.ListItems().Add(0, {}, QStringLiteral("AGUA"));
    m.vista.Sincronizar();

    QSignalSpy columnas(&m.vista, &VistaLista::ColumnClick);
    QSignalSpy items(&m.vista, &VistaLista::ItemClick);
    QSignalSpy clics(&m.vista, &VistaLista::Click);
    QSignalSpy marcas(&m.vista, &VistaLista::ItemCheck);
    QList<int> teclas;
    QObject::connect(&m.vista, &VistaLista::KeyPress, [&](int& k) { teclas << k; });

    const QRect celda = m.vista.visualRect(m.vista.model()->index(1, 2));
    QTest::mouseClick(m.vista.viewport(), Qt::LeftButton, {}, celda.center());
    EXPECT_EQ(items.count(), 1);
    EXPECT_EQ(clics.count(), 1);
    EXPECT_EQ(m.lista.SelectedItem(), &m.lista.ListItems()(2));

    const QHeaderView* h = m.vista.header();
    QTest::mouseClick(m.vista.header()->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(2) + 5, h->height() / 2));
    ASSERT_EQ(columnas.count(), 1);
    EXPECT_EQ(columnas.at(0).at(0).value<ColumnHeader*>()->Index(), 3);

    QTest::keyClick(&m.vista, Qt::Key_Return);
    EXPECT_EQ(teclas, QList<int>{13});

    m.vista.model()->setData(m.vista.model()->index(0, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_TRUE(m.lista.ListItems()(1).Checked());
    EXPECT_EQ(marcas.count(), 1);

    // The model selects; the view follows.
    m.lista.ListItems()(1).setSelected(true);
    EXPECT_EQ(m.vista.currentIndex().row(), 0);
}

TEST(VistaLista, UnaListaQueSeVaAntesDejaLaVistaVacia)
{
    VistaLista v;
    {
        Lista l;
        l.ColumnHeaders().Add(0, {}, QStringLiteral("Código"));
        l.ListItems().Add(0, {}, QStringLiteral("PAN"));
        v.setLista(&l);
        v.show();
    }
    EXPECT_EQ(v.model(), nullptr);
    v.repaint();
}

}  // namespace
