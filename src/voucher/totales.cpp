// TotalizadorControl: the item summary of a voucher screen, one row per
// visible tab and, under the articles, one row per group of articles.
#include "voucher/ClsCmnCptes.h"

#include "platform/controles/grilla.h"
#include "platform/controles/pestanas.h"
#include "platform/numeros.h"
#include "platform/recorte.h"
#include "voucher/columnas_grillas.h"
#include "voucher/filas_en_uso.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include <cmath>

using namespace ModGlobal;

namespace {

constexpr ColorBgr ColorResumen = 0xC0FFFF;   // light yellow
constexpr ColorBgr ColorFinal = 0xFF0000;     // blue

bool PestanaVisible(const Pestanas& pestanas, int indice)
{
    return indice < pestanas.Tabs() && pestanas.TabVisible(indice);
}

struct Agrupacion {
    int columna;
    QString tabla;
    QString clave;
};

Agrupacion EligeAgrupacion(bool porRubro, bool porTipo)
{
    if (porRubro)
        return {ColArticulos::RubroArticulo, QStringLiteral("V_ta_Rubros"), QStringLiteral("IdRubro")};
    if (porTipo)
        return {ColArticulos::TipoArticulo, QStringLiteral("V_ta_TipoArticulo"), QStringLiteral("IdTipo")};
    return {ColArticulos::Codigo, QString(), QString()};
}

}  // namespace

void ClsCmnCptes::TotalizadorControl(Grilla* MSFlexGrid1, Grilla* MSFlexGrid2, Grilla* MSFlexGrid3,
                                     Grilla& MSFlexGrid4, Pestanas& SSTab1, bool AbiertoPorRubro, bool AbiertoPorTipo)
{
    Procedimiento p(QStringLiteral("TotalizadorControl"), LecturaValores::GestorSesion());
    Grilla& resumen = MSFlexGrid4;
    const auto actual = [&] { return resumen.Rows() - 1; };
    const auto cierraFila = [&] {
        PintarFila(actual(), resumen, ColorResumen);
        resumen.setRows(resumen.Rows() + 1);
    };

    // The row left under the titles starts empty, whatever it held before.
    p.paso([&] {
        resumen.setRows(2);
        LimpiaFilaGrilla(resumen, 1, 0);
        PintarFila(1, resumen, 0);
    });

    // Tasks: hours and minutes summed apart, the minutes not carried. The
    // split is done here: FormatoHoras gives none under the "." separator.
    p.paso([&] {
        if (!PestanaVisible(SSTab1, 0))
            return;
        long horas = 0, minutos = 0, cuenta = 0;
        PorFilaEnUso(MSFlexGrid1, [&](int fila) {
            const long total = std::lround(ValidaHora(MSFlexGrid1->TextMatrix(fila, ColTareas::Horas),
                                                      QStringLiteral("HHHH"), QStringLiteral("MM")));
            horas += total / 60;
            minutos += total % 60;
            ++cuenta;
        });
        const int r = actual();
        resumen.setTextMatrix(r, ColTotales::Descripcion, SSTab1.TabCaption(0));
        resumen.setTextMatrix(r, ColTotales::CantidadItems, QString::number(cuenta));
        resumen.setTextMatrix(r, ColTotales::Cantidad, QString::number(horas) + u':' + QString::number(minutos));
        cierraFila();
    });

    // Articles, then their groups in the order the keys first appear.
    const bool articulos = PestanaVisible(SSTab1, 1);
    const Agrupacion grupo = EligeAgrupacion(AbiertoPorRubro, AbiertoPorTipo);
    QStringList totales;   // texts; the empty key's stays empty until a row falls in
    long cuenta = 0;
    double total = 0;
    bool hayArticulos = false;
    p.paso([&] {
        gListaTotales = {ParTotales{}};
        totales = {QString()};
        if (!articulos)
            return;
        PorFilaEnUso(MSFlexGrid2, [&](int fila) {
            const QString clave = Recorta(MSFlexGrid2->TextMatrix(fila, grupo.columna));
            const double cantidad = gUtilidades->TextoADoble(MSFlexGrid2->TextMatrix(fila, ColArticulos::Cantidad));
            const long i = EstaEnLista(clave);
            if (i == -1) {
                gListaTotales.append(ParTotales{clave, cantidad});
                totales.append(Numeros::TextoPlano(cantidad));
            } else {
                ParTotales& entrada = gListaTotales[i];
                entrada.Total = gUtilidades->TextoADoble(totales[i]) + cantidad;
                totales[i] = Numeros::TextoPlano(entrada.Total);
            }
            total += cantidad;
            ++cuenta;
            hayArticulos = true;
        });
    });
    p.paso([&] {
        if (!articulos)
            return;
        const int r = actual();
        resumen.setTextMatrix(r, ColTotales::Descripcion, SSTab1.TabCaption(1));
        resumen.setTextMatrix(r, ColTotales::CantidadItems, QString::number(cuenta));
        resumen.setTextMatrix(r, ColTotales::Cantidad, Numeros::TextoPlano(total));
        cierraFila();
    });
    for (qsizetype i = 0; articulos && hayArticulos && i < gListaTotales.size(); ++i) {
        p.paso([&] {
            const QString clave = gListaTotales[i].Texto;
            // Grouped by article there is no table to describe the key.
            QString descripcion;
            if (!grupo.tabla.isEmpty()) {
                const QString limpia =
                    Recorta(gUtilidades->QuitaCaracteres(clave, QString(QChar(0xFF)), QString(QChar(0))));
                descripcion = gUtilidades->ValorNoNuloTexto(gSesionBD->ObtieneValor(
                    grupo.tabla, limpia, QStringLiteral("Descripcion"), grupo.clave, 8, QString()));
            }
            const int r = actual();
            resumen.setTextMatrix(r, ColTotales::Descripcion, clave + u'-' + descripcion);
            resumen.setTextMatrix(r, ColTotales::Cantidad, totales.value(i));
            cierraFila();
        });
    }

    p.paso([&] {
        if (!PestanaVisible(SSTab1, 2))
            return;
        const int r = actual();
        resumen.setTextMatrix(r, ColTotales::Descripcion, SSTab1.TabCaption(2));
        resumen.setTextMatrix(r, ColTotales::CantidadItems, QString::number(FilasEnUso(MSFlexGrid3)));
        cierraFila();
    });

    p.paso([&] { PintarFila(actual(), resumen, ColorFinal); });
}
