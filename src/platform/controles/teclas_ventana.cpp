#include "platform/controles/teclas_ventana.h"

#include "platform/controles/teclas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

TeclasVentana::TeclasVentana(QWidget& ventana, std::vector<int> teclasQt, KeyDown manejador)
    : ventana_(ventana), teclas_(std::move(teclasQt)), manejador_(std::move(manejador))
{
    qApp->installEventFilter(this);
}

TeclasVentana::~TeclasVentana()
{
    qApp->removeEventFilter(this);
}

bool TeclasVentana::eventFilter(QObject* objeto, QEvent* e)
{
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress)
        return false;
    auto* tecla = static_cast<QKeyEvent*>(e);
    auto* w = qobject_cast<QWidget*>(objeto);
    if (!w || w->window() != &ventana_ || std::find(teclas_.begin(), teclas_.end(), tecla->key()) == teclas_.end())
        return false;
    // A key the control left unused goes up to its parents: the window
    // already had it.
    if (e->type() == QEvent::KeyPress && e == visto_ && receptor_ && w->isAncestorOf(receptor_))
        return false;
    visto_ = nullptr;
    // Taken from the shortcuts, so it arrives as a key press.
    if (e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return false;
    }
    int codigo = Teclas::CodigoTecla(*tecla);
    manejador_(codigo, Teclas::MascaraShift(tecla->modifiers()));
    if (codigo == 0)
        return true;
    visto_ = e;
    receptor_ = w;
    return false;
}
