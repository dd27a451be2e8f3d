#include "platform/controles/caja_texto.h"

#include "platform/controles/teclas.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QValidator>
#include <algorithm>

// Cuts what an edit of the operator's added beyond the limit, from the end of
// what was added; a text that was already longer may shrink but not grow.
class CajaTexto::Limite : public QValidator {
public:
    explicit Limite(CajaTexto& caja) : QValidator(&caja), caja_(caja) {}

    State validate(QString& texto, int& cursor) const override
    {
        if (!caja_.operador_ || caja_.largo_ <= 0)
            return Acceptable;
        const qsizetype tope = std::max<qsizetype>(caja_.largo_, caja_.largoPrevio_);
        const qsizetype sobra = texto.size() - tope;
        if (sobra <= 0)
            return Acceptable;
        if (cursor >= sobra) {
            texto.remove(cursor - sobra, sobra);
            cursor -= int(sobra);
        } else {
            texto.truncate(tope);
            cursor = std::min(cursor, int(tope));
        }
        return Acceptable;
    }

private:
    CajaTexto& caja_;
};

CajaTexto::CajaTexto(QWidget* padre) : QLineEdit(padre)
{
    setValidator(new Limite(*this));
}

template <class F>
void CajaTexto::comoOperador(F&& edicion)
{
    const bool antes = operador_;
    operador_ = true;
    largoPrevio_ = text().size();
    edicion();
    operador_ = antes;
}

void CajaTexto::Colorea(ColorBgr fondo, ColorBgr letra)
{
    fondo_ = fondo;
    letra_ = letra;
    setStyleSheet(QStringLiteral("background-color: %1; color: %2;")
                      .arg(ColorDesdeBgr(fondo).name(), ColorDesdeBgr(letra).name()));
}

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
    comoOperador([&] { QLineEdit::keyPressEvent(e); });
}

void CajaTexto::inputMethodEvent(QInputMethodEvent* e)
{
    comoOperador([&] { QLineEdit::inputMethodEvent(e); });
}

void CajaTexto::dropEvent(QDropEvent* e)
{
    comoOperador([&] { QLineEdit::dropEvent(e); });
}

void CajaTexto::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = createStandardContextMenu();
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu is only shown here: its Paste runs later, when it is chosen,
    // and must go in with the limit in force as Ctrl+V does.
    // The action is known by the text Qt gives it, the shortcut after a tab.
    const QString pegar = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* accion : menu->actions()) {
        if (accion->text() != pegar && !accion->text().startsWith(pegar + u'\t'))
            continue;
        disconnect(accion, nullptr, this, nullptr);
        connect(accion, &QAction::triggered, this, [this] { comoOperador([this] { paste(); }); });
    }
    menu->popup(e->globalPos());
}

void CajaTexto::mouseReleaseEvent(QMouseEvent* e)
{
    // The middle button pastes the selection.
    comoOperador([&] { QLineEdit::mouseReleaseEvent(e); });
}
