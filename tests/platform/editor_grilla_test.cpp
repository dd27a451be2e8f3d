#include "platform/controles/editor_grilla.h"
#include "platform/falla.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(EditorGrilla, LaCajaDeLaVentanaSigueAlEditor)
{
    EditorGrilla e(QStringLiteral("txtEdit2"));
    e.setMaxLength(4);
    e.setText(QStringLiteral("AB"));
    QWidget ventana;
    auto* caja = new QLineEdit(&ventana);
    e.Vincular(*caja);
    ventana.show();

    EXPECT_EQ(caja->objectName(), QStringLiteral("txtEdit2"));
    EXPECT_EQ(caja->maxLength(), 4);
    EXPECT_EQ(caja->text(), QStringLiteral("AB"));
    EXPECT_TRUE(caja->isVisible());

    e.setMaxLength(0);   // no limit
    EXPECT_EQ(caja->maxLength(), EditorGrilla::SinLimiteQt);
    e.setVisible(false);
    EXPECT_FALSE(caja->isVisible());
    e.setVisible(true);
    caja->setFocus();
    QTest::keyClicks(caja, QStringLiteral("CD"));
    EXPECT_EQ(e.Text(), QStringLiteral("ABCD"));
    e.setText(QString());
    EXPECT_EQ(caja->text(), QString());

    delete caja;   // the link ends with the line edit
    e.setText(QStringLiteral("sin caja"));
    EXPECT_EQ(e.Text(), QStringLiteral("sin caja"));
    EXPECT_THROW(e.setMaxLength(-1), Falla);
}

}  // namespace
