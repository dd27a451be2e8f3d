#pragma once
// Colours as the system keeps them: 32-bit numbers with red in the low byte,
// then green, then blue (&HFF0000 is blue). A number with the high bit set is a
// system colour (&H80000000 + the index of the desktop's colour role).
// Views turn them into QColor at the last moment, through ColorDesdeBgr only.

#include <QColor>
#include <QtGlobal>

using ColorBgr = quint32;

namespace Colores {
constexpr ColorBgr TextoVentana = 0x80000008u;   // window text
constexpr ColorBgr FondoVentana = 0x80000005u;   // window background
constexpr ColorBgr CaraBoton = 0x8000000Fu;      // button face
constexpr ColorBgr TextoBoton = 0x80000012u;     // button text
}  // namespace Colores

// The QColor of a system colour number; a system colour takes the running
// application's palette. An unknown system colour gives an invalid QColor
// (the view then keeps its own).
QColor ColorDesdeBgr(ColorBgr color);
