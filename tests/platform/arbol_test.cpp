#include "platform/controles/arbol.h"

#include "platform/numero_de_falla.h"

#include <gtest/gtest.h>

namespace {

QStringList Hijos(const Node* n)
{
    QStringList t;
    for (Node* h = n->Child(); h; h = h->Next())
        t << h->Key();
    return t;
}

TEST(Arbol, ClavesUnicasSinDistinguirMayusculas)
{
    Arbol a;
    a.Nodes().Add({}, tvwLast, QStringLiteral("D|"), QStringLiteral("(Todos)"));
    a.Nodes().Add(QStringLiteral("D|"), tvwChild, QStringLiteral("D|PAN|"), QStringLiteral("PAN-Panificados"), 1);
    EXPECT_EQ(a.Nodes()(QStringLiteral("d|pan|")).Text(), QStringLiteral("PAN-Panificados"));

    EXPECT_EQ(NumeroDeFalla([&] { a.Nodes().Add(QStringLiteral("D|"), tvwChild, QStringLiteral("D|Pan|")); }),
              ErroresControl::ClaveRepetida);
    try {
        a.Nodes().Add({}, tvwLast, QStringLiteral("D|"));
    } catch (const Falla& f) {
        EXPECT_EQ(f.Descripcion, QStringLiteral("La clave ya existe en la colección"));
    }
    EXPECT_EQ(a.Nodes().Count(), 2);   // the failed adds left nothing behind
    EXPECT_EQ(a.Nodes()(QStringLiteral("D|")).Children(), 1);

    EXPECT_EQ(NumeroDeFalla([&] { a.Nodes().Add(QStringLiteral("X"), tvwChild, QStringLiteral("Y")); }),
              ErroresControl::ElementoNoEncontrado);
    EXPECT_EQ(NumeroDeFalla([&] { a.Nodes()(3); }), ErroresControl::IndiceFueraDeLimites);
}

// The last key looked up is remembered: each add, removal or clearing must
// still show in the next answer for that same key.
TEST(Arbol, UnaClaveBuscadaSeVeTrasAgregarQuitarYVaciar)
{
    Arbol a;
    NodosArbol& n = a.Nodes();
    EXPECT_FALSE(n.Existe(QStringLiteral("A01")));
    n.Add({}, tvwLast, QStringLiteral("A"), QStringLiteral("(Todas)"));
    n.Add(QStringLiteral("A"), tvwChild, QStringLiteral("A01"), QStringLiteral("01"));
    EXPECT_TRUE(n.Existe(QStringLiteral("A01")));
    EXPECT_TRUE(n.Existe(QStringLiteral("a01")));
    EXPECT_EQ(n.Item(QStringLiteral("A01")).Text(), QStringLiteral("01"));
    n.Remove(QStringLiteral("A01"));
    EXPECT_FALSE(n.Existe(QStringLiteral("A01")));
    EXPECT_FALSE(n.Existe(QStringLiteral("a01")));   // no spelling it was found by outlives it
    n.Add(QStringLiteral("A"), tvwChild, QStringLiteral("A01"), QStringLiteral("otra"));
    EXPECT_EQ(n.Item(QStringLiteral("A01")).Text(), QStringLiteral("otra"));
    EXPECT_EQ(n.Item(QStringLiteral("a01")).Text(), QStringLiteral("otra"));
    EXPECT_TRUE(n.Existe(QStringLiteral("A")));
    n.Remove(QStringLiteral("A"));   // with its child
    EXPECT_FALSE(n.Existe(QStringLiteral("A01")));
    n.Add({}, tvwLast, QStringLiteral("B"));
    EXPECT_TRUE(n.Existe(QStringLiteral("B")));
    n.Clear();
    EXPECT_FALSE(n.Existe(QStringLiteral("B")));
}

TEST(Arbol, RelacionesHijoSiguienteYUltimo)
{
    // The family tree: each code placed as child or next sibling of the one before.
    Arbol a;
    a.Nodes().Add({}, tvwLast, QStringLiteral("A"), QStringLiteral("(Todas)"));
    a.Nodes().Add(QStringLiteral("A"), tvwChild, QStringLiteral("A01"));
    a.Nodes().Add(QStringLiteral("A01"), tvwChild, QStringLiteral("A0101"));
    a.Nodes().Add(QStringLiteral("A0101"), tvwNext, QStringLiteral("A0102"));
    a.Nodes().Add(QStringLiteral("A01"), tvwNext, QStringLiteral("A02"));
    a.Nodes().Add(QStringLiteral("A0102"), tvwFirst, QStringLiteral("A0100"));
    a.Nodes().Add(QStringLiteral("A0100"), tvwLast, QStringLiteral("A0199"));
    a.Nodes().Add(QStringLiteral("A0199"), tvwPrevious, QStringLiteral("A0150"));

    const Node& raiz = a.Nodes()(QStringLiteral("A"));
    EXPECT_EQ(Hijos(&raiz), (QStringList{"A01", "A02"}));
    EXPECT_EQ(Hijos(&a.Nodes()(QStringLiteral("A01"))),
              (QStringList{"A0100", "A0101", "A0102", "A0150", "A0199"}));
    const Node& hoja = a.Nodes()(QStringLiteral("A0102"));
    EXPECT_EQ(hoja.Parent()->Key(), QStringLiteral("A01"));
    EXPECT_EQ(hoja.Root(), &raiz);
    EXPECT_EQ(hoja.Index(), 4);
    EXPECT_EQ(a.CantidadRaices(), 1);

    a.Nodes().Remove(QStringLiteral("A01"));   // with its five children
    EXPECT_EQ(a.Nodes().Count(), 2);
    EXPECT_EQ(Hijos(&raiz), QStringList{"A02"});
    EXPECT_EQ(a.Nodes()(QStringLiteral("A02")).Index(), 2);
    EXPECT_EQ(raiz.FilaEnPadre(), 0);
    a.Nodes().Add({}, tvwFirst, QStringLiteral("Z"));
    EXPECT_EQ(a.RaizEn(0)->Key(), QStringLiteral("Z"));
    EXPECT_EQ(raiz.FilaEnPadre(), 1);   // a place asked before the insertion is not kept stale
    EXPECT_EQ(raiz.Previous()->Key(), QStringLiteral("Z"));
    a.Nodes().Clear();
    EXPECT_EQ(a.Nodes().Count(), 0);
    EXPECT_EQ(a.CantidadRaices(), 0);
}

TEST(Arbol, SeleccionYExpansion)
{
    Arbol a;
    Node& raiz = a.Nodes().Add({}, tvwLast, QStringLiteral("R"));
    Node& hijo = a.Nodes().Add(QStringLiteral("R"), tvwChild, QStringLiteral("H"));
    Node& nieto = a.Nodes().Add(QStringLiteral("H"), tvwChild, QStringLiteral("N"));
    nieto.EnsureVisible();
    EXPECT_TRUE(raiz.Expanded());
    EXPECT_TRUE(hijo.Expanded());
    hijo.setSelected(true);
    EXPECT_EQ(a.SelectedItem(), &hijo);
    a.Nodes().Remove(QStringLiteral("H"));
    EXPECT_EQ(a.SelectedItem(), nullptr);
}

}  // namespace
