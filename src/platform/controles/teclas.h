#pragma once
// Key events as the system's handlers read them: key codes of the Basic
// runtime (65-90 letters, 48-57 digits, 96-105 keypad digits, 112-127 F1-F16,
// 13 Enter, ...), the Shift mask (1 Shift, 2 Ctrl, 4 Alt) and the character
// code of a key press.

#include <Qt>

#include <QKeyEvent>

namespace Teclas {

constexpr int vbKeyBack = 8;
constexpr int vbKeyTab = 9;
constexpr int vbKeyReturn = 13;
constexpr int vbKeyEscape = 27;
constexpr int vbKeyUp = 38;
constexpr int vbKeyDown = 40;
constexpr int vbKeyF1 = 112;
constexpr int vbKeyF2 = 113;
constexpr int vbKeyF5 = 116;

// The key code of the event; 0 for a key the runtime had no code for.
int CodigoTecla(const QKeyEvent& evento);
int MascaraShift(Qt::KeyboardModifiers modificadores);
// The character code a key press delivers (13 for Enter, 8 for Backspace,
// 27 for Escape); 0 when the key types no character.
int CodigoCaracter(const QKeyEvent& evento);

// Hands a key to the owner as the controls did, KeyDown(code, shift) and then
// KeyPress(character); true when the owner consumed it by setting the code
// or the character to 0.
template <class Bajada, class Pulsada>
bool ConsumidaPorElDueno(const QKeyEvent& evento, Bajada keyDown, Pulsada keyPress)
{
    int codigo = CodigoTecla(evento);
    if (codigo != 0) {
        keyDown(codigo, MascaraShift(evento.modifiers()));
        if (codigo == 0)
            return true;
    }
    int caracter = CodigoCaracter(evento);
    if (caracter != 0) {
        keyPress(caracter);
        if (caracter == 0)
            return true;
    }
    return false;
}

}  // namespace Teclas
