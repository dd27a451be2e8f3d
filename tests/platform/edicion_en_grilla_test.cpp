#include "platform/controles/edicion_en_grilla.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A grid of two data rows with its editor; the check accepts and counts.
class EdicionAbierta : public ::testing::Test {
protected:
    void SetUp() override
    {
        grilla.setCols(3);
        grilla.setRows(3);
        grilla.setFixedCols(0);
        vista.setGrilla(&grilla);
        vista.resize(400, 200);
        vista.show();
        vista.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
        EdicionEnGrilla::Reglas reglas;
        reglas.confirma = [this] {
            ++confirmaciones;
            grilla.setTextMatrix(grilla.Row(), grilla.Col(), caja->text());
            return true;
        };
        edicion = std::make_unique<EdicionEnGrilla>(vista, *caja, std::move(reglas));
        grilla.setRow(1);
        grilla.setCol(1);
        ASSERT_TRUE(edicion->Abre(QStringLiteral("AB")));
        ASSERT_TRUE(caja->hasFocus());
    }

    Grilla grilla;
    VistaGrilla vista;
    CajaTexto* caja = new CajaTexto;   // the view's viewport takes it
    std::unique_ptr<EdicionEnGrilla> edicion;
    int confirmaciones = 0;
};

// The box's own menu (right click, Paste) or any other popup is no leaving:
// the entry stays open with what was typed, and takes what the menu pastes.
TEST_F(EdicionAbierta, UnMenuEmergenteNoConfirmaLaEntrada)
{
    QMenu menu(caja);
    menu.addAction(QStringLiteral("Pegar"));
    menu.popup(caja->mapToGlobal(QPoint(2, 2)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == &menu; }));
    EXPECT_EQ(confirmaciones, 0);
    EXPECT_TRUE(edicion->Abierta());
    menu.close();
    QTest::qWait(1);
    EXPECT_TRUE(edicion->Abierta());
    EXPECT_TRUE(caja->isVisible());
    EXPECT_EQ(caja->text(), QStringLiteral("AB"));
    EXPECT_EQ(grilla.TextMatrix(1, 1), QString());
}

// Another window of the desktop taking the keyboard leaves the entry as it
// is; coming back, the operator goes on typing in it.
TEST_F(EdicionAbierta, OtraVentanaActivaNoConfirmaLaEntrada)
{
    QWidget otra;
    otra.resize(100, 100);
    otra.show();
    otra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&otra));
    EXPECT_EQ(confirmaciones, 0);
    EXPECT_TRUE(edicion->Abierta());
    otra.close();
    vista.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    EXPECT_TRUE(edicion->Abierta());
    EXPECT_TRUE(caja->hasFocus());

    // Leaving the box within the window still goes through the check.
    vista.setFocus();
    EXPECT_EQ(confirmaciones, 1);
    EXPECT_FALSE(edicion->Abierta());
    EXPECT_EQ(grilla.TextMatrix(1, 1), QStringLiteral("AB"));
}

}  // namespace
