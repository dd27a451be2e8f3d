#pragma once
// The number of the failure an action raises; 0 when it raises none.

#include "platform/falla.h"

#include <functional>

inline long NumeroDeFalla(const std::function<void()>& accion)
{
    try {
        accion();
    } catch (const Falla& f) {
        return f.Numero;
    }
    return 0;
}
