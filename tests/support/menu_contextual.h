#pragma once
// Pastes the clipboard into a box as the operator does from its context menu:
// the menu opens, Paste is chosen on it, the menu closes.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

// False when no menu with a Paste showed.
inline bool PegaDesdeElMenu(QWidget& caja)
{
    QContextMenuEvent evento(QContextMenuEvent::Mouse, QPoint(2, 2), caja.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&caja, &evento);
    QMenu* menu = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<QMenu*>(w); m && m->isVisible())
            menu = m;
    if (!menu)
        return false;
    QAction* pegar = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().endsWith(QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText)))
            pegar = a;
    if (pegar)
        pegar->trigger();
    menu->close();
    return pegar != nullptr;
}
