#include "session/cartel.h"

#include "session/ModGlobal.h"
#include "session/cartel_ventana.h"

#include "platform/eventos.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace ModGlobal {
Perezoso<Dll_Display> gCartel;
}

Dll_Display::Dll_Display()
{
    reloj_.start();
}

Dll_Display::~Dll_Display()
{
    if (ventana_)
        Eventos::FijarEspera({});
    // Released after the application object is gone (at program exit) the
    // window can no longer be destroyed; the process is ending anyway.
    if (!QCoreApplication::instance())
        (void)ventana_.release();
}

Lbf_CtrlDisplay& Dll_Display::ventana()
{
    if (!ventana_)
        ventana_ = std::make_unique<Lbf_CtrlDisplay>();
    return *ventana_;
}

QString Dll_Display::ObtieneTextoNoNulo(const QVariant& valor)
{
    return ModGlobal::gUtilidades->ValorNoNuloTexto(valor);
}

void Dll_Display::CartelInicio(const QString& Titulo, bool PermiteCancelar)
{
    // Kept across quick notices: while one closes, no window is active yet.
    if (QWidget* activa = QApplication::activeWindow(); activa && (!ventana_ || activa != ventana_.get())) {
        anterior_ = activa;
        anteriorFoco_ = QApplication::focusWidget();
    }
    Lbf_CtrlDisplay& v = ventana();
    v.setWindowTitle(Titulo);
    v.CmdDisplayCancelar->setVisible(PermiteCancelar);
    v.show();
    // A long step that lets no events run still paints a skipped text.
    Eventos::FijarEspera([this](bool yaMismo) {
        if (pendiente_ && ventana_ && (yaMismo || DesdePintado(reloj_.elapsed()) >= intervalo))
            pinta(*ventana_);
    });
    eventos_ = -1;
    // A new notice shows its first text at once, whatever the last one painted.
    pintado_ = -1;
}

void Dll_Display::CartelMostrar(bool& Cancelado, const LineaCartel& Linea1, const LineaCartel& Linea2,
                                const LineaCartel& Linea3)
{
    Lbf_CtrlDisplay& v = ventana();
    // A loop calls this once per row: the lines are painted at most every
    // 40 ms, which the eye cannot tell from every call. What a call within
    // the interval left unpainted is painted when the interval ends (by a
    // timer, or by a long step that lets no events run), so the last text
    // asked for always shows.
    qint64 ahora = reloj_.elapsed();
    const qint64 transcurrido = DesdePintado(ahora);
    const bool pintar = transcurrido >= intervalo;
    // The labels take their texts only when painted: a call in between just
    // keeps them.
    const LineaCartel* lineas[3] = {&Linea1, &Linea2, &Linea3};
    for (int i = 0; i < 3; ++i)
        if (lineas[i]->has_value())
            porPintar_[i] = ObtieneTextoNoNulo(**lineas[i]);
    if (pintar) {
        pinta(v);
        ahora = reloj_.elapsed();
    } else if (!pendiente_) {
        pendiente_ = true;
        QTimer::singleShot(intervalo - transcurrido, &v, [this, &v] {
            if (pendiente_)
                pinta(v);
        });
    }
    Cancelado = v.CmdDisplayCancelar->text() == Lbf_CtrlDisplay::TextoAbortado();
    // Not shown (closed by a failure the loop then went past), the notice
    // holds no other window back: input waits until the loop is over, or
    // the operator's keys would run in the middle of it.
    if (!v.isVisible()) {
        Eventos::Pendientes();
        return;
    }
    // A click waiting now is seen by the next call. What the program posted
    // itself is delivered at every call; a trip through the window system's
    // queue (a poll each) at most every 5 ms, which a hand cannot tell apart.
    if (eventos_ < 0 || ahora - eventos_ >= 5) {
        QCoreApplication::processEvents();
        eventos_ = reloj_.elapsed();
    } else {
        QCoreApplication::sendPostedEvents();
    }
}

void Dll_Display::pinta(Lbf_CtrlDisplay& v)
{
    pendiente_ = false;
    for (int i = 0; i < 3; ++i)
        if (porPintar_[i]) {
            v.LblCtrol[i]->setText(*porPintar_[i]);
            porPintar_[i].reset();
        }
    if (v.isVisible()) {
        v.repaint();
        pintado_ = reloj_.elapsed();
    }
}

void Dll_Display::CartelCerrar()
{
    if (!ventana_)
        return;
    Eventos::FijarEspera({});
    ventana_->hide();
    ventana_.reset();
    pendiente_ = false;
    for (auto& t : porPintar_)
        t.reset();
    // The window that was working gets the keyboard back.
    if (anterior_)
        anterior_->activateWindow();
    if (anteriorFoco_)
        anteriorFoco_->setFocus();
}

void Dll_Display::Siempre_Visible(bool vNewValue)
{
    Lbf_CtrlDisplay& v = ventana();
    if (v.isVisible()) {
        // Changing the flag hides the window; it comes back where it was.
        const QRect lugar = v.geometry();
        v.setWindowFlag(Qt::WindowStaysOnTopHint, vNewValue);
        v.setGeometry(lugar);
        v.show();
    } else {
        v.setWindowFlag(Qt::WindowStaysOnTopHint, vNewValue);
    }
}
