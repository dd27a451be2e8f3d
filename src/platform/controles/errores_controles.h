#pragma once
// The failures the grid, list, tree and bar controls raised, with their numbers,
// so procedures that pass over one of them by number keep working.

#include "platform/falla.h"

namespace ErroresControl {

constexpr long ValorNoValido = 380;         // invalid property value
constexpr long SubindiceNoValido = 381;     // invalid property-array index
constexpr long FilaNoValida = 30009;
constexpr long ColumnaNoValida = 30010;
constexpr long IndiceFueraDeLimites = 35600;
constexpr long ElementoNoEncontrado = 35601;
constexpr long ClaveRepetida = 35602;

[[noreturn]] void Lanzar(long numero);

}  // namespace ErroresControl
