// TextPropiedades: the field, length limit and look-up of the column an
// editor is placed over, chosen by the editor's name.
#include "voucher/ClsCmnCptes.h"

#include "platform/controles/editor_grilla.h"
#include "voucher/columnas_grillas.h"

#include <span>

namespace {

struct Propiedades {
    int columna;
    const char* campo;
    int largo;
    const char* tabla;
};

constexpr Propiedades Tareas[] = {
    {ColTareas::Codigo, "IdTarea", 4, "v_ta_tareas"},
    {ColTareas::Descripcion, "Descripcion", 0, ""},
    {ColTareas::Horas, "HorasEstimadas", 0, ""},
    {ColTareas::ValorHora, "ValorHora", 0, ""},
    {ColTareas::Total, "Total", 0, ""},
};

constexpr Propiedades Articulos[] = {
    {ColArticulos::Codigo, "IdArticulo", 35, "v_ma_articulos"},
    {ColArticulos::Descripcion, "Descripcion", 50, ""},
    {ColArticulos::ListaPrecio, "IdListaPrecioArticulo", 4, "V_MA_PRECIOS"},
    {ColArticulos::Espesor, "Espesor", 0, ""},
    {ColArticulos::Ancho, "Ancho", 0, ""},
    {ColArticulos::Unidad, "IdUnidad", 4, "V_TA_UNIDAD"},
    {ColArticulos::Deposito, "IdDepositoArt", 4, "V_TA_DEPOSITO"},
    {ColArticulos::Cantidad, "Cantidad", 0, ""},
    {ColArticulos::Largo, "Largo", 0, ""},
    {ColArticulos::UnidadEquiv, "IdUnidadEquiv", 4, "V_TA_UNIDAD"},
    {ColArticulos::CantidadEquiv, "CantidadEquiv", 0, ""},
    {ColArticulos::PorcDto, "PorcDtoArticulo", 0, ""},
    {ColArticulos::UnidadPrecio, "Ud_Pr", 4, "V_TA_UNIDAD"},
    {ColArticulos::ImportePorUnidad, "Importe_Ud", 0, ""},
    {ColArticulos::Importe, "ArtImporte", 0, ""},
    {ColArticulos::Total, "Total", 0, ""},
    {ColArticulos::Impuestos, "Impuestos", 0, ""},
    {ColArticulos::ITC, "ITC", 0, ""},
};

constexpr Propiedades OtrosConceptos[] = {
    {ColOtrosConceptos::Detalle, "OCDescripcion", 200, "MA_CUENTAS/SOLOIMPUTABLES"},
    {ColOtrosConceptos::ImporteSinIva, "OCImporteSinIva", 0, ""},
    {ColOtrosConceptos::Importe, "OCImporte", 0, ""},
};

std::span<const Propiedades> TablaDelEditor(const QString& nombre)
{
    const auto es = [&](const char* n) { return nombre.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
    if (es("TxtEdit"))
        return Tareas;
    if (es("TxtEdit2") || es("TXTAUX1") || es("TXTAUX2") || es("TXTAUX3"))
        return Articulos;
    if (es("TxtEdit3"))
        return OtrosConceptos;
    return {};
}

}  // namespace

void ClsCmnCptes::TextPropiedades(EditorGrilla& Texto, long Columna)
{
    Texto.setDataField(QString());
    Texto.setTag(QString());
    Texto.setMaxLength(0);
    for (const Propiedades& p : TablaDelEditor(Texto.Name().trimmed())) {
        if (p.columna == Columna) {
            Texto.setDataField(QLatin1String(p.campo));
            Texto.setMaxLength(p.largo);
            Texto.setTag(QLatin1String(p.tabla));
            return;
        }
    }
}
