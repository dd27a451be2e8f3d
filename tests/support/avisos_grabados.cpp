#include "support/avisos_grabados.h"

#include <QDialog>

AvisosGrabados::AvisosGrabados()
{
    Avisos::Instalar(this);
}

AvisosGrabados::~AvisosGrabados()
{
    Avisos::Instalar(nullptr);
}

void AvisosGrabados::Responder(std::initializer_list<int> respuestas)
{
    respuestas_.insert(respuestas_.end(), respuestas);
}

void AvisosGrabados::ResponderDialogo(std::function<int(QDialog&)> f)
{
    dialogos_.push_back(std::move(f));
}

int AvisosGrabados::Mensaje(const QString& texto, int botones, const QString& titulo)
{
    preguntas.push_back({texto, botones, titulo.isEmpty() ? Avisos::TituloAplicacion() : titulo});
    if (AlMostrar)
        AlMostrar();
    if (!respuestas_.empty()) {
        const int r = respuestas_.front();
        respuestas_.pop_front();
        return r;
    }
    switch (botones & 7) {
    case Avisos::AceptarCancelar: return Avisos::Cancelar;
    case Avisos::AbortarReintentarIgnorar: return Avisos::Abortar;
    case Avisos::SiNoCancelar: return Avisos::Cancelar;
    case Avisos::SiNo: return Avisos::No;
    case Avisos::ReintentarCancelar: return Avisos::Cancelar;
    default: return Avisos::OK;
    }
}

int AvisosGrabados::Dialogo(QDialog& dialogo)
{
    ++dialogosMostrados;
    if (dialogos_.empty())
        return QDialog::Rejected;
    auto f = std::move(dialogos_.front());
    dialogos_.pop_front();
    return f(dialogo);
}
