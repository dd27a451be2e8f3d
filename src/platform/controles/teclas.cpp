#include "platform/controles/teclas.h"

#include <QKeyEvent>

namespace Teclas {

int CodigoTecla(const QKeyEvent& evento)
{
    const int k = evento.key();
    const bool teclado = evento.modifiers() & Qt::KeypadModifier;
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return teclado ? 96 + (k - Qt::Key_0) : 48 + (k - Qt::Key_0);
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return 65 + (k - Qt::Key_A);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F16)
        return vbKeyF1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return vbKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vbKeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vbKeyReturn;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return vbKeyEscape;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Asterisk: return teclado ? 106 : 0;
    case Qt::Key_Plus: return teclado ? 107 : 0;
    case Qt::Key_Minus: return teclado ? 109 : 0;
    case Qt::Key_Period:
    case Qt::Key_Comma: return teclado ? 110 : 0;
    case Qt::Key_Slash: return teclado ? 111 : 0;
    default: return 0;
    }
}

int MascaraShift(Qt::KeyboardModifiers modificadores)
{
    int m = 0;
    if (modificadores & Qt::ShiftModifier)
        m |= 1;
    if (modificadores & Qt::ControlModifier)
        m |= 2;
    if (modificadores & Qt::AltModifier)
        m |= 4;
    return m;
}

int CodigoCaracter(const QKeyEvent& evento)
{
    switch (evento.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return vbKeyReturn;
    case Qt::Key_Backspace: return vbKeyBack;
    case Qt::Key_Escape: return vbKeyEscape;
    default: break;
    }
    const QString texto = evento.text();
    if (texto.size() != 1)
        return 0;
    const char16_t c = texto.at(0).unicode();
    return int(c);
}

}  // namespace Teclas
