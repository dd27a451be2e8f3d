#include "platform/eventos.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include <memory>
#include <vector>

namespace {

std::function<void()>& bombeoFijado()
{
    static std::function<void()> b;
    return b;
}

bool esEntrada(QEvent::Type t)
{
    switch (t) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

// Holds the input events delivered while it is installed.
class Retenedor : public QObject {
public:
    struct Retenido {
        QPointer<QObject> destino;
        std::unique_ptr<QEvent> evento;
    };
    std::vector<Retenido> retenidos;

protected:
    bool eventFilter(QObject* destino, QEvent* evento) override
    {
        if (!esEntrada(evento->type()))
            return false;
        retenidos.push_back({destino, std::unique_ptr<QEvent>(evento->clone())});
        return true;
    }
};

std::function<void(bool)>& esperaFijada()
{
    static std::function<void(bool)> e;
    return e;
}

void bombeoReal()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    Retenedor retenedor;
    app->installEventFilter(&retenedor);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    app->removeEventFilter(&retenedor);
    for (auto& r : retenedor.retenidos)
        if (r.destino)
            QCoreApplication::postEvent(r.destino, r.evento.release());
}

}  // namespace

namespace Eventos {

void Pendientes()
{
    if (bombeoFijado())
        bombeoFijado()();
    else
        bombeoReal();
}

void FijarBombeo(std::function<void()> bombeo)
{
    bombeoFijado() = std::move(bombeo);
}

void DuranteEspera(bool yaMismo)
{
    if (const auto& e = esperaFijada())
        e(yaMismo);
}

void FijarEspera(std::function<void(bool)> alEsperar)
{
    esperaFijada() = std::move(alEsperar);
}

}  // namespace Eventos
