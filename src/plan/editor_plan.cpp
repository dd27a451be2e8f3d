// In-place editing of the plan grid: the edit box txtEdit2 over the current
// cell, set up by the voucher class for its column and committed through the
// field check.
#include "plan/FrmTervalio.h"
#include "plan/reglas_plan.h"

#include "platform/avisos.h"
#include "platform/controles/teclas.h"
#include "platform/controles/vista_grilla.h"
#include "session/ModGlobal.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"
#include "voucher/filas_en_uso.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

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
    connect(vistaMSFlexGrid2, &VistaGrilla::KeyDown, this, [this](int& k, int s) {
        evento(QStringLiteral("MSFlexGrid2_KeyDown"), [this, &k, s] {
            if (s != 0)
                return;
            if (k == Teclas::vbKeyReturn) {
                if (EditaCelda())
                    k = 0;
            } else if (k == 46) {   // Delete: the row is emptied
                if (MSFlexGrid2.Row() >= 1) {
                    LimpiaFilaGrilla(MSFlexGrid2, MSFlexGrid2.Row(), 0);
                    k = 0;
                }
            }
        });
    });
    connect(vistaMSFlexGrid2, &VistaGrilla::KeyPress, this, [this](int& k) {
        evento(QStringLiteral("MSFlexGrid2_KeyPress"), [this, &k] {
            if (k >= 32 && EditaCelda(QString(QChar(k))))
                k = 0;
        });
    });
    connect(vistaMSFlexGrid2, &VistaGrilla::DblClick, this,
            [this] { evento(QStringLiteral("MSFlexGrid2_DblClick"), [this] { EditaCelda(); }); });
    connect(txtEdit2, &CajaTexto::KeyDown, this,
            [this](int& k, int s) { evento(QStringLiteral("txtEdit2_KeyDown"), [this, &k, s] { txtEdit2_KeyDown(k, s); }); });
    connect(txtEdit2, &CajaTexto::GotFocus, this, [this] { campoActual_ = txtEdit2; CmdConsultar->setEnabled(!txtEdit2->Tag.isEmpty()); });
    connect(txtEdit2, &CajaTexto::LostFocus, this, [this] {
        // Leaving the cell by the mouse goes through the same check as Enter.
        if (!txtEdit2->isVisible() || confirmando_ || QApplication::activeModalWidget())
            return;
        evento(QStringLiteral("txtEdit2_Validate"), [this] {
            if (!ConfirmaEdicion())
                QTimer::singleShot(0, txtEdit2, [this] { txtEdit2->setFocus(); });
        });
    });
}

void FrmTervalio::PreparaEditor(int columna)
{
    Comprobante().TextPropiedades(editorGrilla, columna);
    txtEdit2->DataField = editorGrilla.DataField();
    txtEdit2->Tag = editorGrilla.Tag();
}

bool FrmTervalio::EditaCelda(const QString& tecleado)
{
    const int fila = MSFlexGrid2.Row();
    const int columna = MSFlexGrid2.Col();
    if (fila < 1 || !ColumnaEditable(columna) || MSFlexGrid2.ColWidth(columna) == 0)
        return false;
    PreparaEditor(columna);
    txtEdit2->setGeometry(vistaMSFlexGrid2->RectanguloCelda());
    txtEdit2->setText(tecleado.isEmpty() ? MSFlexGrid2.TextMatrix(fila, columna) : tecleado);
    editorGrilla.setVisible(true);
    txtEdit2->raise();
    txtEdit2->setFocus();
    if (tecleado.isEmpty())
        txtEdit2->selectAll();
    else
        txtEdit2->end(false);
    campoActual_ = txtEdit2;
    return true;
}

bool FrmTervalio::ConfirmaEdicion()
{
    if (confirmando_)
        return false;
    confirmando_ = true;
    const auto fin = qScopeGuard([this] { confirmando_ = false; });
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
    } else {
        MSFlexGrid2.setTextMatrix(fila, columna, texto.trimmed());
        CampoValida(*txtEdit2);
        if (validacionFallida_)
            return false;
        // The plan always ends with a blank row to type the next article into.
        if (columna == C::Codigo)
            FilaEnBlancoFinal();
    }
    editorGrilla.setVisible(false);
    vistaMSFlexGrid2->setFocus();
    return true;
}

void FrmTervalio::txtEdit2_KeyDown(int& KeyCode, int Shift)
{
    if (KeyCode == Teclas::vbKeyEscape) {
        KeyCode = 0;
        editorGrilla.setVisible(false);
        vistaMSFlexGrid2->setFocus();
        return;
    }
    const bool avance = UtilidadesControles::EsTeclaAvance(KeyCode) || KeyCode == Teclas::vbKeyTab;
    const bool arriba = KeyCode == 38, abajo = KeyCode == 40;
    if (!avance && !arriba && !abajo)
        return;
    KeyCode = 0;
    const int columna = MSFlexGrid2.Col();
    const bool eraCodigo = columna == C::Codigo;
    if (!ConfirmaEdicion())
        return;
    if (arriba || abajo) {
        const int fila = MSFlexGrid2.Row() + (abajo ? 1 : -1);
        if (fila >= 1 && fila < MSFlexGrid2.Rows())
            MSFlexGrid2.setRow(fila);
        return;
    }
    Q_UNUSED(Shift);
    if (eraCodigo && FilaEnUso(MSFlexGrid2, MSFlexGrid2.Row())) {
        // After the code, the quantity.
        MSFlexGrid2.setCol(C::Cantidad);
        EditaCelda();
    } else if (!eraCodigo && MSFlexGrid2.Row() + 1 < MSFlexGrid2.Rows()) {
        MSFlexGrid2.setRow(MSFlexGrid2.Row() + 1);
        MSFlexGrid2.setCol(C::Codigo);
    }
}
