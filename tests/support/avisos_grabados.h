#pragma once
// A message-box service that records every question and answers from a script.

#include "platform/avisos.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

struct PreguntaGrabada {
    QString texto;
    int botones = 0;
    QString titulo;
};

class AvisosGrabados : public Avisos::Servicio {
public:
    AvisosGrabados();   // installs itself
    ~AvisosGrabados() override;   // restores the Qt service

    // Answers given in order; when the script runs out, the answer that leaves
    // (Abort, Cancel or No; OK for a plain box).
    void Responder(std::initializer_list<int> respuestas);
    // Scripts modal dialogs: the function gets the dialog and returns its result.
    void ResponderDialogo(std::function<int(QDialog&)> f);

    int Mensaje(const QString& texto, int botones, const QString& titulo) override;
    int Dialogo(QDialog& dialogo) override;

    std::vector<PreguntaGrabada> preguntas;
    int dialogosMostrados = 0;
    // Runs as each box opens: a test plays what a real box does (it takes the focus).
    std::function<void()> AlMostrar;

private:
    std::deque<int> respuestas_;
    std::deque<std::function<int(QDialog&)>> dialogos_;
};
