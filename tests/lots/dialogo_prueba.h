#pragma once
// The lot dialogs on the screen, for tests that act as their caller and
// operator.

#include "lots/dialogo_lotes.h"
#include "platform/controles/vista_grilla.h"
#include "support/avisos_grabados.h"

#include <QLabel>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace DialogoPrueba {

// Shows the dialog modally through the dialog service, as its caller does,
// and lets the operator act; the answer is the dialog's result (-1 while it
// is still shown).
template <class D>
int Muestra(AvisosGrabados& avisos, D& f, const std::function<void(D&)>& operador)
{
    avisos.ResponderDialogo([&](QDialog& d) {
        d.setWindowModality(Qt::ApplicationModal);
        d.show();
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        f.vistaMSFlexGrid1->setFocus();
        operador(f);
        return d.isVisible() ? -1 : d.result();
    });
    return Avisos::Actual().Dialogo(f);
}

// The first character opens the editor over the cell; the rest goes into it.
inline void TecleaEnGrilla(DialogoLotes& f, const QString& texto)
{
    QTest::keyClicks(f.vistaMSFlexGrid1, texto.left(1));
    ASSERT_TRUE(f.TxtEdit->isVisible());
    QTest::keyClicks(f.TxtEdit, texto.mid(1));
}

inline QToolButton* Boton(DialogoLotes& f, int indice)
{
    return qobject_cast<QToolButton*>(f.Toolbar1->widgetForAction(f.Toolbar1->actions().at(indice - 1)));
}

}  // namespace DialogoPrueba
