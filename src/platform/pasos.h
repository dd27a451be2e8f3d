#pragma once
// Runs a procedure's statements in order and applies the error manager's answer:
// 4 runs the failing statement again, 5 goes on with the next one, anything else
// leaves the procedure (every later step is skipped).
//
//   Procedimiento p("Cfg", ModGlobal::GestorManejaError());
//   p.paso([&] { ... });
//   if (!p.paso([&] { ... })) return resultado;

#include "platform/falla.h"

#include <QString>
#include <functional>
#include <optional>
#include <set>

using GestorError = std::function<int(const Falla&, const QString& procedimiento)>;

namespace RespuestaError {
constexpr int Reintentar = 4;
constexpr int Continuar = 5;
}

// Any exception as the failure it stands for.
Falla FallaDeExcepcion(std::exception_ptr e);

class Procedimiento {
public:
    Procedimiento(QString nombre, GestorError gestor);

    // Passes over every failure, reporting nothing.
    static Procedimiento Silencioso(QString nombre);

    // Failures with this number go on with the next step without asking.
    Procedimiento& PasarPorAlto(long numero);

    // Runs the step unless the procedure was left; false once it has been left.
    bool paso(const std::function<void()>& cuerpo);

    bool abandonado() const { return abandonado_; }
    const QString& nombre() const { return nombre_; }
    // The last failure a step raised, whatever was answered.
    const std::optional<Falla>& ultimaFalla() const { return ultima_; }

private:
    QString nombre_;
    GestorError gestor_;
    bool silencioso_ = false;
    bool abandonado_ = false;
    std::set<long> pasarPorAlto_;
    std::optional<Falla> ultima_;
};
