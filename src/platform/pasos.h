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
#include <memory>
#include <optional>
#include <set>
#include <type_traits>

using GestorError = std::function<int(const Falla&, const QString& procedimiento)>;

namespace RespuestaError {
constexpr int Reintentar = 4;
constexpr int Continuar = 5;
}

// Any exception as the failure it stands for.
Falla FallaDeExcepcion(std::exception_ptr e);

// A step's body, referred to while the step runs: loops make several steps a
// row, and wrapping each in a std::function allocated for every one of them.
class CuerpoPaso {
public:
    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, CuerpoPaso> && std::is_invocable_v<F&>)
    CuerpoPaso(F&& cuerpo)   // NOLINT: any callable is a body
        : objeto_(static_cast<const void*>(std::addressof(cuerpo))),
          llama_([](const void* o) { (*static_cast<std::remove_reference_t<F>*>(const_cast<void*>(o)))(); })
    {
    }
    void operator()() const { llama_(objeto_); }

private:
    const void* objeto_;
    void (*llama_)(const void*);
};

class Procedimiento {
public:
    Procedimiento(QString nombre, GestorError gestor);

    // Passes over every failure, reporting nothing.
    static Procedimiento Silencioso(QString nombre);

    // Failures with this number go on with the next step without asking.
    Procedimiento& PasarPorAlto(long numero);

    // Runs the step unless the procedure was left; false once it has been left.
    bool paso(CuerpoPaso cuerpo);

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
