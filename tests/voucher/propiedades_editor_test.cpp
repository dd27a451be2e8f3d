#include "platform/controles/editor_grilla.h"
#include "voucher/ClsCmnCptes.h"

#include "support/sesion_global.h"

#include <gtest/gtest.h>

namespace {

struct Fila {
    const char* editor;
    long col;
    const char* campo;
    int largo;
    const char* tag;
};

// Every column that has properties; any other column leaves the editor reset.
const Fila Tabla[] = {
    {"TxtEdit", 0, "IdTarea", 4, "v_ta_tareas"},
    {"TxtEdit", 1, "Descripcion", 0, ""},
    {"TxtEdit", 2, "HorasEstimadas", 0, ""},
    {"TxtEdit", 3, "ValorHora", 0, ""},
    {"TxtEdit", 4, "Total", 0, ""},
    {"TxtEdit2", 0, "IdArticulo", 35, "v_ma_articulos"},
    {"TxtEdit2", 1, "Descripcion", 50, ""},
    {"TxtEdit2", 2, "IdListaPrecioArticulo", 4, "V_MA_PRECIOS"},
    {"TxtEdit2", 3, "Espesor", 0, ""},
    {"TxtEdit2", 4, "Ancho", 0, ""},
    {"TxtEdit2", 5, "IdUnidad", 4, "V_TA_UNIDAD"},
    {"TxtEdit2", 6, "IdDepositoArt", 4, "V_TA_DEPOSITO"},
    {"TxtEdit2", 7, "Cantidad", 0, ""},
    {"TxtEdit2", 8, "Largo", 0, ""},
    {"TxtEdit2", 9, "IdUnidadEquiv", 4, "V_TA_UNIDAD"},
    {"TxtEdit2", 10, "CantidadEquiv", 0, ""},
    {"TxtEdit2", 11, "PorcDtoArticulo", 0, ""},
    {"TxtEdit2", 12, "Ud_Pr", 4, "V_TA_UNIDAD"},
    {"TxtEdit2", 13, "Importe_Ud", 0, ""},
    {"TxtEdit2", 14, "ArtImporte", 0, ""},
    {"TxtEdit2", 15, "Total", 0, ""},
    {"TxtEdit2", 40, "Impuestos", 0, ""},
    {"TxtEdit2", 93, "ITC", 0, ""},
    {"TxtEdit3", 0, "OCDescripcion", 200, "MA_CUENTAS/SOLOIMPUTABLES"},
    {"TxtEdit3", 1, "OCImporteSinIva", 0, ""},
    {"TxtEdit3", 2, "OCImporte", 0, ""},
};

void Comprueba(const EditorGrilla& e, const char* campo, int largo, const char* tag, const std::string& caso)
{
    EXPECT_EQ(e.DataField(), QString::fromUtf8(campo)) << caso;
    EXPECT_EQ(e.MaxLength(), largo) << caso;
    EXPECT_EQ(e.Tag(), QString::fromUtf8(tag)) << caso;
}

TEST(PropiedadesEditor, CadaColumnaConPropiedades)
{
    SesionGlobal s;
    ClsCmnCptes cpte;
    for (const Fila& f : Tabla) {
        EditorGrilla e(QString::fromUtf8(f.editor));
        long col = f.col;
        cpte.TextPropiedades(e, col);
        Comprueba(e, f.campo, f.largo, f.tag, std::string(f.editor) + " " + std::to_string(f.col));
    }
}

TEST(PropiedadesEditor, NombresDeEditorYColumnasSinPropiedades)
{
    const Fila casos[] = {
        {"txtEdit2", 0, "IdArticulo", 35, "v_ma_articulos"},   // the plan window's editor
        {" TXTAUX1 ", 5, "IdUnidad", 4, "V_TA_UNIDAD"},
        {"txtaux2", 6, "IdDepositoArt", 4, "V_TA_DEPOSITO"},
        {"TXTAUX3", 9, "IdUnidadEquiv", 4, "V_TA_UNIDAD"},
        {"txtedit3", 0, "OCDescripcion", 200, "MA_CUENTAS/SOLOIMPUTABLES"},
        {"TxtEdit2", 16, "", 0, ""},
        {"TxtEdit", 5, "", 0, ""},   // the tasks table stops at column 4
        {"TxtEdit3", 3, "", 0, ""},
        {"TxtEdit4", 0, "", 0, ""},
        {"TXTAUX", 0, "", 0, ""},
    };
    SesionGlobal s;
    ClsCmnCptes cpte;
    for (const Fila& c : casos) {
        EditorGrilla e(QString::fromUtf8(c.editor));
        e.setDataField(QStringLiteral("previo"));
        e.setTag(QStringLiteral("V_PREVIA"));
        e.setMaxLength(9);
        long col = c.col;
        cpte.TextPropiedades(e, col);
        Comprueba(e, c.campo, c.largo, c.tag, std::string(c.editor) + " " + std::to_string(c.col));
    }
}

TEST(PropiedadesEditor, OtraColumnaBorraLoDeLaAnterior)
{
    SesionGlobal s;
    ClsCmnCptes cpte;
    EditorGrilla e(QStringLiteral("txtEdit2"));
    long col = 5;
    cpte.TextPropiedades(e, col);
    EXPECT_EQ(e.Tag(), QStringLiteral("V_TA_UNIDAD"));
    col = 7;
    cpte.TextPropiedades(e, col);
    Comprueba(e, "Cantidad", 0, "", "col 7 after 5");
}

}  // namespace
