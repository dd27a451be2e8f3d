#include "platform/controles/enter_en_boton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class FiltroEnter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const int tecla = static_cast<QKeyEvent*>(e)->key();
            auto* b = qobject_cast<QPushButton*>(objeto);
            if (b && (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)) {
                b->click();
                return true;
            }
        }
        return QObject::eventFilter(objeto, e);
    }
};

}  // namespace

void EnterPulsaElBoton(QPushButton* boton)
{
    boton->installEventFilter(new FiltroEnter(boton));
}
