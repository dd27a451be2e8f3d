// In-place editing of the plan grid: the edit box txtEdit2 over the current
// cell, set up by the voucher class for its column and committed through the
// field check.
#include "plan/FrmTervalio.h"
#include "plan/reglas_plan.h"

#include "platform/avisos.h"
#include "platform/controles/edicion_en_grilla.h"
#include "platform/controles/teclas.h"
#include "platform/controles/vista_grilla.h"
#include "platform/recorte.h"
#include "session/ModGlobal.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"
#include "voucher/filas_en_uso.h"

#include <QPushButton>

using namespace ModGlobal;

namespace {
namespace C = ColArticulos;

// The plan is edited by its code and its quantity; the rest comes from the article.
bool ColumnaEditable(int columna)
{
    return columna == C::Codigo || columna == C::Cantidad;
}
}  // namespace

void FrmTervalio::conectaEditorGrilla()
{
    editorGrilla.Vincular(*txtEdit2);
    EdicionEnGrilla::Reglas reglas;
    reglas.editable = [](int, int columna) { return ColumnaEditable(columna); };
    reglas.prepara = [this](int columna) {
        PreparaEditor(columna);
        campoActual_ = txtEdit2;
    };
    reglas.confirma = [this] { return ConfirmaEdicion(); };
    reglas.mueve = [this](int tecla) { MueveTrasEdicion(tecla); };
    reglas.trampa = [this](const char* nombre, const std::function<void()>& cuerpo) {
        evento(QStringLiteral("txtEdit2_") + QLatin1String(nombre), cuerpo);
    };
    edicion_ = std::make_unique<EdicionEnGrilla>(*vistaMSFlexGrid2, *txtEdit2, std::move(reglas), this);
    connect(edicion_.get(), &EdicionEnGrilla::cerrada, this, [this] { editorGrilla.setVisible(false); });

    connect(vistaMSFlexGrid2, &VistaGrilla::KeyDown, this, [this](int& k, int s) {
        evento(QStringLiteral("MSFlexGrid2_KeyDown"), [this, &k, s] {
            // Delete empties the row.
            if (s == 0 && k == 46 && MSFlexGrid2.Row() >= 1) {
                LimpiaFilaGrilla(MSFlexGrid2, MSFlexGrid2.Row(), 0);
                k = 0;
            }
        });
    });
    connect(vistaMSFlexGrid2, &VistaGrilla::DblClick, this,
            [this] { evento(QStringLiteral("MSFlexGrid2_DblClick"), [this] { EditaCelda(); }); });
    connect(txtEdit2, &CajaTexto::GotFocus, this, [this] { campoActual_ = txtEdit2; CmdConsultar->setEnabled(!txtEdit2->Tag.isEmpty()); });
}

void FrmTervalio::PreparaEditor(int columna)
{
    Comprobante().TextPropiedades(editorGrilla, columna);
    editorGrilla.setVisible(true);
    txtEdit2->DataField = editorGrilla.DataField();
    txtEdit2->Tag = editorGrilla.Tag();
}

bool FrmTervalio::EditaCelda(const QString& tecleado)
{
    return edicion_->Abre(tecleado);
}

bool FrmTervalio::ConfirmaEdicion()
{
    const int fila = MSFlexGrid2.Row();
    const int columna = MSFlexGrid2.Col();
    const QString texto = txtEdit2->text();
    campoActual_ = txtEdit2;
    if (columna == C::Cantidad) {
        QString motivo;
        if (!CantidadValida(texto, motivo)) {
            AvisoCampo(motivo, *txtEdit2);
            return false;
        }
        MSFlexGrid2.setTextMatrix(fila, C::Cantidad, TextoCantidad(texto));
        MSFlexGrid2.setTextMatrix(fila, C::CantidadUD, TextoCantidad(texto));
        return true;
    }
    // The check fills the row from the code; what a refused code wrote is put back by the editor.
    MSFlexGrid2.setTextMatrix(fila, columna, Recorta(texto));
    CampoValida(*txtEdit2);
    if (validacionFallida_)
        return false;
    // The plan always ends with a blank row to type the next article into.
    if (columna == C::Codigo)
        FilaEnBlancoFinal();
    return true;
}

void FrmTervalio::txtEdit2_KeyDown(int& KeyCode, int Shift)
{
    edicion_->TeclaEnEditor(KeyCode, Shift);
}

void FrmTervalio::MueveTrasEdicion(int tecla)
{
    if (tecla == Teclas::vbKeyUp || tecla == Teclas::vbKeyDown) {
        EdicionEnGrilla::MueveTrasTecla(MSFlexGrid2, tecla);
        return;
    }
    if (MSFlexGrid2.Col() == C::Codigo && FilaEnUso(MSFlexGrid2, MSFlexGrid2.Row())) {
        // After the code, the quantity.
        MSFlexGrid2.setCol(C::Cantidad);
        EditaCelda();
    } else if (MSFlexGrid2.Col() != C::Codigo && MSFlexGrid2.Row() + 1 < MSFlexGrid2.Rows()) {
        MSFlexGrid2.setRow(MSFlexGrid2.Row() + 1);
        MSFlexGrid2.setCol(C::Codigo);
    }
}
