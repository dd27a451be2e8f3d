// Packages, cubic metres and kilograms of an article line.
#include "services/Stock.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include "platform/controles/grilla.h"
#include "platform/numeros.h"

namespace Stock {

void CalculaCantidadesEquivalentes(Grilla& Grilla)
{
    enum : int {
        Articulo = 0,
        UnidadLinea = 5,
        Cantidad = 7,
        UnidadEquiv = 9,
        CantidadEquiv = 10,
        CantM3 = 62,
        Bultos = 63,
        CantKG = 64,
        PideEquivalencia = 94,
    };
    const int fila = Grilla.Row();
    const auto celda = [&](int columna) { return Grilla.TextMatrix(fila, columna); };
    const double cantidad = ModGlobal::gUtilidades->TextoAMoneda(celda(Cantidad)).ADoble();
    // The line's unit goes in as a copy: the conversion may fill an empty one
    // with the article's unit, the cell stays. One copy serves every
    // conversion of the row, so the article's unit is read once.
    QString unidadLinea = celda(UnidadLinea);
    const auto convertida = [&](const QString& unidad) {
        return Numeros::TextoPlano(ConvierteCantidadUnidad(celda(Articulo), unidadLinea, cantidad, unidad));
    };
    if (celda(PideEquivalencia) != u"-1")
        Grilla.setTextMatrix(fila, Bultos,
                             LecturaValores::MismoCodigo(celda(UnidadEquiv), ModGlobal::gUnidadBL)
                                 ? celda(CantidadEquiv)
                                 : convertida(ModGlobal::gUnidadBL));
    const auto medida = [&](int columna, const QString& unidad) {
        if (!LecturaValores::MismoCodigo(celda(UnidadEquiv), unidad))
            Grilla.setTextMatrix(fila, columna, convertida(unidad));
        else
            Grilla.setTextMatrix(
                fila, columna,
                celda(LecturaValores::MismoCodigo(celda(UnidadEquiv), celda(UnidadLinea)) ? Cantidad : CantidadEquiv));
    };
    medida(CantM3, ModGlobal::gUnidadM3);
    medida(CantKG, ModGlobal::gUnidadKG);
}

}  // namespace Stock
