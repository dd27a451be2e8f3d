#pragma once
// A data row of a voucher grid (1 to Rows - 1) is in use when its trimmed
// code, column 0, is not empty. A grid the screen lacks has no rows in use.

#include "platform/controles/grilla.h"
#include "platform/recorte.h"

inline bool FilaEnUso(const Grilla& g, int fila)
{
    return !Recorta(g.TextMatrix(fila, 0)).isEmpty();
}

template <class F>
void PorFilaEnUso(const Grilla* g, F&& f)
{
    if (!g)
        return;
    for (int fila = 1; fila < g->Rows(); ++fila)
        if (FilaEnUso(*g, fila))
            f(fila);
}

inline int FilasEnUso(const Grilla* g)
{
    int n = 0;
    PorFilaEnUso(g, [&](int) { ++n; });
    return n;
}
