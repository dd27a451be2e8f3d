// The printed-line limit of a voucher, its item counts, and the status bar's
// detail of the current row.
#include "voucher/ClsCmnCptes.h"

#include "platform/controles/barra_estado.h"
#include "platform/controles/grilla.h"
#include "platform/numeros.h"
#include "platform/recorte.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "voucher/columnas_grillas.h"
#include "voucher/consultas.h"
#include "voucher/filas_en_uso.h"

#include <algorithm>
#include <limits>

using namespace ModGlobal;

namespace {

QString CodigoYDescripcion(const Grilla& g)
{
    return Recorta(g.TextMatrix(g.Row(), 0)) + QStringLiteral(" - ") + Recorta(g.TextMatrix(g.Row(), 1));
}

constexpr int PanelDetalle = 4;

}  // namespace

bool ClsCmnCptes::ValidaCantidadLineasCpte(const QString& TC, const QString& Letra, Grilla* MSFlexGrid1,
                                           Grilla* MSFlexGrid2, Grilla* MSFlexGrid3, short& CantLineas,
                                           short& CantLineasUsadas, long Agragarle, bool LineasAnteriores)
{
    if (esElectronica) {
        CantLineas = 0;
        return true;
    }
    Procedimiento p(QStringLiteral("ValidaCantidadLineasCpte"), LecturaValores::GestorSesion());
    bool cabe = false;
    if (!LineasAnteriores) {
        p.paso([&] {
            const QVariant lineas =
                PrimerValor(QStringLiteral("SELECT CANTLINEAS FROM TA_CONFIG_IMP_CPTE WHERE TC=") +
                                LecturaValores::Literal(TC) + QStringLiteral(" AND LETRA=") +
                                LecturaValores::Literal(Letra) + QStringLiteral(" ORDER BY ID"),
                            QStringLiteral("CantLineas"));
            // A count beyond 16 bits fails and leaves no limit.
            CantLineas = 0;
            CantLineas = Entero16(gUtilidades->TextoAMoneda(gUtilidades->ValorNoNuloTexto(lineas)).ADoble());
        });
    }
    p.paso([&] {
        if (CantLineas == 0) {
            cabe = true;
            return;
        }
        const int usadas = FilasEnUso(MSFlexGrid1) + FilasEnUso(MSFlexGrid2) + FilasEnUso(MSFlexGrid3);
        CantLineasUsadas = static_cast<short>(std::min(usadas, int(std::numeric_limits<short>::max())));
        cabe = usadas + Agragarle <= CantLineas;
    });
    return cabe;
}

long ClsCmnCptes::CuentaItems(Grilla* MSFlexGrid1, Grilla* MSFlexGrid2, Grilla* MSFlexGrid3, long& CantTareas,
                              long& CantArticulos, long& CantOtrosConceptos, double& TotUnidades)
{
    Procedimiento p(QStringLiteral("CuentaItems"), LecturaValores::GestorSesion());
    CantTareas = 0;
    CantArticulos = 0;
    CantOtrosConceptos = 0;
    TotUnidades = 0;
    p.paso([&] { CantTareas = FilasEnUso(MSFlexGrid1); });
    p.paso([&] {
        Moneda unidades;
        PorFilaEnUso(MSFlexGrid2, [&](int fila) {
            ++CantArticulos;
            // A line break after a pasted quantity is no part of the number.
            unidades += gUtilidades->TextoAMoneda(MSFlexGrid2->TextMatrix(fila, ColArticulos::Cantidad).trimmed());
            TotUnidades = unidades.ADoble();
        });
    });
    p.paso([&] { CantOtrosConceptos = FilasEnUso(MSFlexGrid3); });
    return CantTareas + CantArticulos + CantOtrosConceptos;
}

void ClsCmnCptes::MuestraDetalleTareas(Grilla& MSFlexGrid1, BarraEstado& StatB)
{
    MuestraDetalle(CodigoYDescripcion(MSFlexGrid1), StatB, PanelDetalle);
}

void ClsCmnCptes::MuestraDetalleArticulos(Grilla& MSFlexGrid2, BarraEstado& StatB, int Columna)
{
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("MuestraDetalleArticulos"));
    p.paso([&] { MuestraDetalle(CodigoYDescripcion(MSFlexGrid2), StatB, Columna); });
    p.paso([&] {
        PanelesBarra& paneles = StatB.Panels();
        for (int i = 1; i <= paneles.Count(); ++i) {
            Panel& panel = paneles.Item(i);
            if (panel.Key().compare(QLatin1String("Stock"), Qt::CaseInsensitive) == 0) {
                const QString stock = MSFlexGrid2.TextMatrix(MSFlexGrid2.Row(), ColArticulos::StockDisponible);
                panel.setText(QStringLiteral("Stock: ") + Numeros::TextoPlano(gUtilidades->TextoADoble(stock)));
                return;
            }
        }
    });
}

void ClsCmnCptes::MuestraDetalleOtrosConceptos(Grilla& MSFlexGrid3, BarraEstado& StatB)
{
    MuestraDetalle(Recorta(MSFlexGrid3.TextMatrix(MSFlexGrid3.Row(), 0)), StatB, PanelDetalle);
}

void ClsCmnCptes::MuestraDetalle(const QString& Detalle, BarraEstado& StatB, int Columna)
{
    StatB.Panels().Item(Columna).setText(Detalle);
}
