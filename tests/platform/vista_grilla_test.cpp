#include "platform/controles/vista_grilla.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(VistaGrilla, TitulosColumnasOcultasYAnchos)
{
    Grilla g;
    g.setCols(4);
    g.setRows(3);
    g.setFixedCols(0);
    g.setTextMatrix(0, 0, QStringLiteral("Código"));
    g.setTextMatrix(0, 1, QStringLiteral("Oculta"));
    g.setColWidth(0, 1800);
    g.setColWidth(1, 0);
    g.setColAlignment(2, flexAlignRightCenter);
    g.setTextMatrix(1, 2, QStringLiteral("abc"));
    g.setRow(2);
    g.setCol(3);
    g.setCellBackColor(0xFF0000);

    const MedidorFijo medidor;
    VistaGrilla v;
    v.setMedidor(&medidor);
    v.setGrilla(&g);
    v.resize(600, 300);
    v.show();

    auto* m = v.model();
    EXPECT_EQ(m->rowCount(), 2);   // the title row is the header
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Código"));
    EXPECT_FALSE(v.isColumnHidden(0));
    EXPECT_TRUE(v.isColumnHidden(1));
    EXPECT_EQ(v.columnWidth(0), 120 + v.MargenesCelda());
    EXPECT_EQ(m->index(0, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(m->index(1, 3).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 0, 255));
    EXPECT_EQ(v.currentIndex(), m->index(1, 3));

    // The view follows later changes of the grid.
    g.setColWidth(1, 600);
    EXPECT_FALSE(v.isColumnHidden(1));
    EXPECT_EQ(v.columnWidth(1), 40 + v.MargenesCelda());
    g.setColWidth(0, 0);
    EXPECT_TRUE(v.isColumnHidden(0));
    g.setRows(6);
    EXPECT_EQ(m->rowCount(), 5);
    g.setTextMatrix(5, 0, QStringLiteral("fin"));
    EXPECT_EQ(m->index(4, 0).data().toString(), QStringLiteral("fin"));
    g.setRows(1);
    EXPECT_EQ(m->rowCount(), 0);
}

TEST(VistaGrilla, AlineacionGeneralSegunElTexto)
{
    EXPECT_EQ(AlineacionFlexQt(flexAlignGeneral, QStringLiteral("12,5")), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(AlineacionFlexQt(flexAlignGeneral, QStringLiteral("Pan")), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(AlineacionFlexQt(flexAlignCenterTop, QString()), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(AlineacionFlexQt(flexAlignCenterCenter, QString()), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(AlineacionFlexQt(flexAlignLeftCenter, QString()), Qt::AlignLeft | Qt::AlignVCenter);
}

TEST(VistaGrilla, ElOperadorMueveLaCeldaActualYSusTeclasLleganAlDueno)
{
    Grilla g;
    g.setCols(3);
    g.setRows(4);
    VistaGrilla v;
    v.setGrilla(&g);
    v.show();
    QList<int> filasAlSalir;
    QObject::connect(&v, &VistaGrilla::LeaveCell, [&] { filasAlSalir << g.Row(); });
    QList<int> teclas;
    QObject::connect(&v, &VistaGrilla::KeyPress, [&](int& k) {
        teclas << k;
        k = 0;   // consumed: the view does not move
    });

    QTest::keyClick(&v, Qt::Key_Down);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(filasAlSalir, QList<int>{1});
    QTest::keyClick(&v, 'B', Qt::ShiftModifier);
    QTest::keyClick(&v, Qt::Key_Return);
    EXPECT_EQ(teclas, (QList<int>{'B', 13}));
    EXPECT_EQ(g.Row(), 2);
}

TEST(VistaGrilla, LaCeldaActualNoCaeEnColumnasFijas)
{
    Grilla g;
    g.setCols(4);
    g.setRows(4);
    g.setFixedCols(2);
    g.setRow(1);
    g.setCol(2);
    VistaGrilla v;
    v.setGrilla(&g);
    v.resize(400, 200);
    v.show();
    v.setFocus();

    // Left and Home stop at the first free column.
    QTest::keyClick(&v, Qt::Key_Left);
    EXPECT_EQ(g.Col(), 2);
    QTest::keyClick(&v, Qt::Key_Right);
    EXPECT_EQ(g.Col(), 3);
    QTest::keyClick(&v, Qt::Key_Home);
    EXPECT_EQ(g.Col(), 2);
    // A click on a fixed cell chooses its row and keeps the column.
    QTest::keyClick(&v, Qt::Key_Right);
    const QRect celda = v.visualRect(v.model()->index(2, 0));
    QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, celda.center());
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.Col(), 3);
    // A hidden free column is skipped.
    g.setColWidth(2, 0);
    QTest::keyClick(&v, Qt::Key_Home);
    EXPECT_EQ(g.Col(), 3);
}

}  // namespace
