#include "platform/controles/vista_arbol.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(VistaArbol, ExpansionClicsYLaRaizQueNoSeCierra)
{
    Arbol a;
    VistaArbol v;
    v.setArbol(&a);
    v.resize(300, 300);
    v.show();
    Node& raiz = a.Nodes().Add({}, tvwLast, QStringLiteral("D|"), QStringLiteral("(Todos)"));
    raiz.setExpanded(true);   // before it has children, as the load does
    Node& rubro = a.Nodes().Add(QStringLiteral("D|"), tvwChild, QStringLiteral("D|PAN|"), QStringLiteral("PAN-Pan"));
    a.Nodes().Add(QStringLiteral("D|PAN|"), tvwChild, QStringLiteral("D|PAN|FR|"), QStringLiteral("FR-Francés"));

    auto* m = static_cast<ModeloArbol*>(v.model());
    EXPECT_TRUE(v.isExpanded(m->indiceDe(&raiz)));
    EXPECT_FALSE(v.isExpanded(m->indiceDe(&rubro)));

    // The owner reopens the root when it is collapsed.
    QObject::connect(&v, &VistaArbol::Collapse, [](Node* n) {
        if (n->Key().compare(QStringLiteral("d|"), Qt::CaseInsensitive) == 0)
            n->setExpanded(true);
    });
    v.collapse(m->indiceDe(&raiz));
    EXPECT_TRUE(raiz.Expanded());
    EXPECT_TRUE(v.isExpanded(m->indiceDe(&raiz)));

    QSignalSpy expandidos(&v, &VistaArbol::Expand);
    v.expand(m->indiceDe(&rubro));
    EXPECT_TRUE(rubro.Expanded());
    EXPECT_EQ(expandidos.count(), 1);

    QSignalSpy clics(&v, &VistaArbol::NodeClick);
    QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, v.visualRect(m->indiceDe(&rubro)).center());
    ASSERT_EQ(clics.count(), 1);
    EXPECT_EQ(clics.at(0).at(0).value<Node*>(), &rubro);
    EXPECT_EQ(a.SelectedItem(), &rubro);
    EXPECT_EQ(v.model()->data(m->indiceDe(&rubro)).toString(), QStringLiteral("PAN-Pan"));
    EXPECT_EQ(v.editTriggers(), QAbstractItemView::NoEditTriggers);
}

}  // namespace
