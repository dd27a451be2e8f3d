// Colouring a row or a column, finding a code already in a grid, and telling
// whether a number has a fractional part.
#include "voucher/ClsCmnCptes.h"

#include "platform/controles/grilla.h"
#include "platform/pasos.h"
#include "platform/recorte.h"
#include "services/lectura_valores.h"

#include <cmath>

namespace {

// The first data row, other than the one ignored, whose code is the code
// (trimmed, any case); 0 when there is none.
int FilaConCodigo(const Grilla& g, const QString& codigo, long filaIgnorar = 0)
{
    const QString buscado = Recorta(codigo);
    for (int fila = 1; fila < g.Rows(); ++fila)
        if (fila != filaIgnorar && Recorta(g.TextMatrix(fila, 0)).compare(buscado, Qt::CaseInsensitive) == 0)
            return fila;
    return 0;
}

bool Repetido(const Grilla& g, const QString& codigo, long filaIgnorar, long& filaEncontrada)
{
    const int fila = FilaConCodigo(g, codigo, filaIgnorar);
    if (fila == 0)
        return false;
    filaEncontrada = fila;
    return true;
}

}  // namespace

void ClsCmnCptes::PintarFila(long Fila, Grilla& MsFlexGrid, ColorBgr Color)
{
    const int columna = MsFlexGrid.Col();
    for (int c = 0; c < MsFlexGrid.Cols(); ++c) {
        MsFlexGrid.setCol(c);
        MsFlexGrid.setRow(int(Fila));
        MsFlexGrid.setCellBackColor(Color);
    }
    MsFlexGrid.setCol(columna);
}

bool ClsCmnCptes::ExisteEnGrid(Grilla& MsFlexGrid, const QString& IdArt)
{
    return FilaConCodigo(MsFlexGrid, IdArt) != 0;
}

void ClsCmnCptes::PintarColuma(long Columna, Grilla& MsFlexGrid, long FilaDesde, long FilaHasta, ColorBgr Color)
{
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("PintarColuma"));
    int fila = 0;
    p.paso([&] { fila = MsFlexGrid.Row(); });
    p.paso([&] {
        if (FilaDesde == -1)
            FilaDesde = 0;
        if (FilaHasta == -1)
            FilaHasta = MsFlexGrid.Rows() - 1;
    });
    for (long r = FilaDesde; r <= FilaHasta; ++r) {
        p.paso([&] {
            MsFlexGrid.setCol(int(Columna));
            MsFlexGrid.setRow(int(r));
            MsFlexGrid.setCellBackColor(Color);
        });
    }
    p.paso([&] { MsFlexGrid.setRow(fila); });
}

bool ClsCmnCptes::TareaRepetida(Grilla& MSFlexGrid1, const QString& Tarea, long FilaIgnorar, long& FilaEncontrada)
{
    return Repetido(MSFlexGrid1, Tarea, FilaIgnorar, FilaEncontrada);
}

bool ClsCmnCptes::ArticuloRepetido(Grilla& MSFlexGrid2, const QString& Articulo, long FilaIgnorar,
                                   long& FilaEncontrada)
{
    return Repetido(MSFlexGrid2, Articulo, FilaIgnorar, FilaEncontrada);
}

bool ClsCmnCptes::OtrosConceptosRepetidos(Grilla& MSFlexGrid3, const QString& OtroConcepto, long FilaIgnorar,
                                          long& FilaEncontrada)
{
    return Repetido(MSFlexGrid3, OtroConcepto, FilaIgnorar, FilaEncontrada);
}

bool ClsCmnCptes::NumeroEsFraccion(const QVariant& Numero)
{
    // A number held as one is taken as it is; anything else is read as text.
    const double valor = LecturaValores::Numero(Numero);
    return std::isfinite(valor) && valor != std::trunc(valor);
}
