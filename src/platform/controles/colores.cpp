#include "platform/controles/colores.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

bool RolDeSistema(quint32 indice, QPalette::ColorRole& rol)
{
    switch (indice) {
    case 5: rol = QPalette::Base; return true;              // window background
    case 8: rol = QPalette::Text; return true;              // window text
    case 12: rol = QPalette::Dark; return true;             // application workspace
    case 13: rol = QPalette::Highlight; return true;
    case 14: rol = QPalette::HighlightedText; return true;
    case 15: rol = QPalette::Button; return true;           // button face
    case 16: rol = QPalette::Dark; return true;             // button shadow
    case 17: rol = QPalette::PlaceholderText; return true;  // grey text
    case 18: rol = QPalette::ButtonText; return true;
    case 20: rol = QPalette::Light; return true;            // button highlight
    case 23: rol = QPalette::ToolTipText; return true;
    case 24: rol = QPalette::ToolTipBase; return true;
    default: return false;
    }
}

}  // namespace

QColor ColorDesdeBgr(ColorBgr color)
{
    if (color & 0x80000000u) {
        QPalette::ColorRole rol;
        if (!RolDeSistema(color & 0xFFu, rol))
            return {};
        return QGuiApplication::palette().color(rol);
    }
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}
