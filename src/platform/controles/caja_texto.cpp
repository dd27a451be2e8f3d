#include "platform/controles/caja_texto.h"

#include "platform/controles/teclas.h"

#include <QKeyEvent>

void CajaTexto::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    emit GotFocus();
}

void CajaTexto::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    emit LostFocus();
}

void CajaTexto::keyPressEvent(QKeyEvent* e)
{
    const bool consumida = Teclas::ConsumidaPorElDueno(
        *e, [this](int& codigo, int shift) { emit KeyDown(codigo, shift); },
        [this](int& caracter) { emit KeyPress(caracter); });
    if (consumida) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
