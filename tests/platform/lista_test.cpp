#include "platform/controles/lista.h"

#include "platform/numero_de_falla.h"

#include <gtest/gtest.h>

namespace {

// The article list's column set, widths in twips of an X of 120.
void Encolumnar(Lista& l)
{
    l.ColumnHeaders().Add(0, {}, QStringLiteral("Código"), 15 * 120);
    l.ColumnHeaders().Add(0, {}, QStringLiteral("Descripción"), 30 * 120);
    l.ColumnHeaders().Add(0, QStringLiteral("UD"), QStringLiteral("UD"), 0);
    l.ColumnHeaders().Add(0, {}, QStringLiteral("Costo "), 12 * 120, lvwColumnRight);
}

QStringList Textos(Lista& l)
{
    QStringList t;
    for (int i = 1; i <= l.ListItems().Count(); ++i)
        t << l.ListItems()(i).Text();
    return t;
}

TEST(Lista, EncabezadosConAnchosYPosiciones)
{
    Lista l;
    Encolumnar(l);
    auto& h = l.ColumnHeaders();
    EXPECT_EQ(h.Count(), 4);
    EXPECT_DOUBLE_EQ(h(2).Width(), 3600);
    EXPECT_DOUBLE_EQ(h(QStringLiteral("ud")).Width(), 0);
    EXPECT_EQ(h(4).SubItemIndex(), 3);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(h(i).Position(), i);
    EXPECT_DOUBLE_EQ(l.ColumnHeaders().Add(0, {}, QStringLiteral("Sin ancho")).Width(), 1440);

    // Moving one header shifts the ones in between.
    h(4).setPosition(1);
    EXPECT_EQ((std::vector<int>{h(1).Position(), h(2).Position(), h(3).Position(), h(4).Position()}),
              (std::vector<int>{2, 3, 4, 1}));
    h(4).setPosition(3);
    EXPECT_EQ((std::vector<int>{h(1).Position(), h(2).Position(), h(3).Position(), h(4).Position()}),
              (std::vector<int>{1, 2, 4, 3}));
    // Removing one closes the gap.
    h.Remove(1);
    EXPECT_EQ((std::vector<int>{h(1).Position(), h(2).Position(), h(3).Position()}), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(NumeroDeFalla([&] { h(1).setPosition(6); }), ErroresControl::ValorNoValido);
}

TEST(Lista, ElementosPorIndiceYClave)
{
    Lista l;
    Encolumnar(l);
    auto& items = l.ListItems();
    ListItem& a = items.Add(0, QStringLiteral("A1"), QStringLiteral("PAN"), 0, 4);
    a.setSubItems(1, QStringLiteral("Pan francés"));
    a.ListSubItems(1).setForeColor(0xFF0000);
    a.setTag(QStringLiteral("t"));
    items.Add(0, {}, QStringLiteral("AZUCAR"));
    items.Add(1, {}, QStringLiteral("HARINA"));   // in front

    EXPECT_EQ(Textos(l), (QStringList{"HARINA", "PAN", "AZUCAR"}));
    EXPECT_EQ(items(QStringLiteral("a1")).Index(), 2);
    EXPECT_EQ(items(2).SubItems(1), QStringLiteral("Pan francés"));
    EXPECT_EQ(items(2).SubItems(3), QString());   // never written
    EXPECT_EQ(items(2).ListSubItems(1).ForeColor(), 0xFF0000u);
    EXPECT_EQ(items(2).SmallIcon(), 4);
    EXPECT_EQ(items(3).ForeColor(), Colores::TextoVentana);

    struct Caso { const char* que; std::function<void()> accion; long numero; };
    const Caso casos[] = {
        {"clave repetida", [&] { items.Add(0, QStringLiteral("A1")); }, ErroresControl::ClaveRepetida},
        {"clave ausente", [&] { items(QStringLiteral("B")); }, ErroresControl::ElementoNoEncontrado},
        {"índice", [&] { items(4); }, ErroresControl::IndiceFueraDeLimites},
        {"sub-ítem sin columna", [&] { items(1).SubItems(4); }, ErroresControl::ValorNoValido},
        {"sub-ítem no escrito", [&] { items(1).ListSubItems(1); }, ErroresControl::IndiceFueraDeLimites},
    };
    for (const auto& c : casos)
        EXPECT_EQ(NumeroDeFalla(c.accion), c.numero) << c.que;

    items.Remove(QStringLiteral("A1"));
    EXPECT_EQ(Textos(l), (QStringList{"HARINA", "AZUCAR"}));
    EXPECT_EQ(NumeroDeFalla([&] { items(QStringLiteral("A1")); }), ErroresControl::ElementoNoEncontrado);
}

TEST(Lista, SeleccionDeUnoYDeVarios)
{
    Lista l;
    Encolumnar(l);
    ListItem& a = l.ListItems().Add(0, {}, QStringLiteral("A"));
    ListItem& b = l.ListItems().Add(0, {}, QStringLiteral("B"));
    EXPECT_EQ(l.SelectedItem(), nullptr);
    a.setSelected(true);
    b.setSelected(true);
    EXPECT_EQ(l.SelectedItem(), &b);
    EXPECT_FALSE(a.Selected());

    l.setMultiSelect(true);
    a.setSelected(true);
    EXPECT_TRUE(b.Selected());
    EXPECT_EQ(l.SelectedItem(), &a);

    l.ListItems().Remove(a.Index());
    EXPECT_EQ(l.SelectedItem(), nullptr);
    l.ListItems().Clear();
    EXPECT_EQ(l.ListItems().Count(), 0);
}

TEST(Lista, OrdenPorTextoQueAlternaConCadaClic)
{
    Lista l;
    Encolumnar(l);
    const QStringList codigos{"pan", "Azucar", "harina", "PAN", "agua"};
    for (const QString& c : codigos)
        l.ListItems().Add(0, {}, c).setSubItems(1, QStringLiteral("d-") + c.toLower());

    // What a column click does: sorting on, the column, the order toggled.
    const auto clic = [&](int columna) {
        l.setSorted(true);
        l.setSortKey(columna - 1);
        l.setSortOrder(l.SortOrder() == lvwAscending ? lvwDescending : lvwAscending);
    };
    clic(1);
    EXPECT_EQ(Textos(l), (QStringList{"pan", "PAN", "harina", "Azucar", "agua"}));
    clic(1);
    EXPECT_EQ(Textos(l), (QStringList{"agua", "Azucar", "harina", "pan", "PAN"}));   // equals keep their order

    // Items added while sorting is on find their place before the list is read.
    l.ListItems().Add(0, {}, QStringLiteral("Bizcocho"));
    EXPECT_TRUE(l.OrdenPendiente());
    EXPECT_EQ(l.ListItems()(3).Text(), QStringLiteral("Bizcocho"));

    l.setSortKey(1);   // by the description
    EXPECT_EQ(l.ListItems()(1).SubItems(1), QString());   // "Bizcocho" has none
    EXPECT_EQ(l.ListItems()(2).Text(), QStringLiteral("agua"));

    l.setSorted(false);
    l.ListItems().Add(0, {}, QStringLiteral("0"));
    EXPECT_EQ(l.ListItems()(l.ListItems().Count()).Text(), QStringLiteral("0"));
}

// A column sorts as the database does: an accent with its letter, ñ after n.
TEST(Lista, LosAcentosOrdenanConSuLetraYLaEnieDespuesDeLaN)
{
    Lista l;
    Encolumnar(l);
    for (const char* t : {"Zorro", "Ñandú", "Oso", "Álamo", "nube", "Alba", "alamo", "ÁRBOL"})
        l.ListItems().Add(0, {}, QString::fromUtf8(t));
    l.setSorted(true);
    EXPECT_EQ(Textos(l), (QStringList{"alamo", "Álamo", "Alba", "ÁRBOL", "nube", "Ñandú", "Oso", "Zorro"}));
    l.setSortOrder(lvwDescending);
    EXPECT_EQ(Textos(l), (QStringList{"Zorro", "Oso", "Ñandú", "nube", "ÁRBOL", "Alba", "Álamo", "alamo"}));
}

}  // namespace
