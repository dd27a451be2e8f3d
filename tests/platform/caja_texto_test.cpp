#include "platform/controles/caja_texto.h"

#include <QApplication>
#include "support/menu_contextual.h"

#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CajaConLimite : public ::testing::Test {
protected:
    void SetUp() override
    {
        caja.setMaxLength(4);
        caja.show();
        caja.setFocus();
    }
    void Pega(const QString& texto)
    {
        QApplication::clipboard()->setText(texto);
        QTest::keyClick(&caja, Qt::Key_V, Qt::ControlModifier);
    }

    CajaTexto caja;
};

TEST_F(CajaConLimite, LoTecleadoYLoPegadoNoPasanDelLimite)
{
    QTest::keyClicks(&caja, QStringLiteral("ABCDEF"));
    EXPECT_EQ(caja.text(), QStringLiteral("ABCD"));

    caja.clear();
    QTest::keyClicks(&caja, QStringLiteral("A"));
    Pega(QStringLiteral("XYZW"));   // only what fits goes in, from the start of the paste
    EXPECT_EQ(caja.text(), QStringLiteral("AXYZ"));

    caja.selectAll();
    Pega(QStringLiteral("1234567"));   // the selection is replaced
    EXPECT_EQ(caja.text(), QStringLiteral("1234"));
    EXPECT_EQ(caja.MaxLength(), 4);
}

TEST_F(CajaConLimite, ElPegarDelMenuTampocoPasaDelLimite)
{
    // The menu shows after its event has returned; its Paste runs later, from the menu.
    QApplication::clipboard()->setText(QStringLiteral("1234567"));
    ASSERT_TRUE(PegaDesdeElMenu(caja));
    EXPECT_EQ(caja.text(), QStringLiteral("1234"));
}

TEST_F(CajaConLimite, ElTextoQuePoneElProgramaQuedaEntero)
{
    caja.setText(QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(caja.text(), QStringLiteral("ABCDEFGH"));

    // The operator may shorten it or change it in place, never lengthen it.
    QTest::keyClick(&caja, Qt::Key_End);
    QTest::keyClicks(&caja, QStringLiteral("I"));
    EXPECT_EQ(caja.text(), QStringLiteral("ABCDEFGH"));
    QTest::keyClick(&caja, Qt::Key_Backspace);
    EXPECT_EQ(caja.text(), QStringLiteral("ABCDEFG"));
    QTest::keyClick(&caja, Qt::Key_Home);
    QTest::keyClick(&caja, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClicks(&caja, QStringLiteral("Z"));
    EXPECT_EQ(caja.text(), QStringLiteral("ZBCDEFG"));
    QTest::keyClicks(&caja, QStringLiteral("Y"));
    EXPECT_EQ(caja.text(), QStringLiteral("ZBCDEFG"));

    // A limit set later leaves the text as it stands too.
    caja.setMaxLength(2);
    EXPECT_EQ(caja.text(), QStringLiteral("ZBCDEFG"));
}

TEST_F(CajaConLimite, SinLimiteTomaCualquierLargo)
{
    caja.setMaxLength(0);
    const QString largo(300, QLatin1Char('x'));
    QTest::keyClicks(&caja, largo);
    EXPECT_EQ(caja.text(), largo);
    caja.setMaxLength(-3);   // taken as none
    EXPECT_EQ(caja.MaxLength(), 0);
}

TEST(CajaTexto, ColoreaConLosColoresDelSistema)
{
    CajaTexto caja;
    caja.Colorea(0xFF0000, 0x0000FF);   // blue background, red text
    caja.ensurePolished();
    EXPECT_EQ(caja.BackColor(), 0xFF0000u);
    EXPECT_EQ(caja.ForeColor(), 0x0000FFu);
    EXPECT_EQ(caja.palette().color(QPalette::Base), QColor(Qt::blue));
    EXPECT_EQ(caja.palette().color(QPalette::Text), QColor(Qt::red));
}

}  // namespace
