#pragma once
// The window both lot dialogs share: the article's label, the toolbar over
// the quantity grid, the in-cell editor, Accept (also F2) and Cancel, and the
// quantity grid's members under the names the dialogs answer to. A dialog
// says which grid columns hold the quantity and the balance, where its
// requested quantity lives and how it accepts.

#include "lots/edicion_cantidades.h"
#include "lots/grilla_cantidades.h"
#include "platform/controles/caja_texto.h"
#include "platform/controles/grilla.h"

#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

class MedidorTexto;
class QLabel;
class QPushButton;
class QToolBar;
class VistaGrilla;

class DialogoLotes : public QDialog {
    Q_OBJECT
public:
    ~DialogoLotes() override;

    // ---- Controls ----------------------------------------------------------------
    QLabel* lblArticulo;
    QPushButton* CmdAceptar;
    QPushButton* CmdCancelar;
    Grilla MSFlexGrid1;
    VistaGrilla* vistaMSFlexGrid1;
    QToolBar* Toolbar1;
    CajaTexto* TxtEdit;

    virtual void CmdAceptar_Click() = 0;
    // Hides the window; what the caller reads stays as it was.
    void CmdCancelar_Click();
    void SumaFilas(int MenosCual, double& Suma);
    void ValidaCantidadCantidadPedida(bool& Valida);
    void Text_Propiedades(CajaTexto& Texto, int Col);
    // Moves the current cell after an entry ended by the key.
    void EditKeyCode(int KeyCode, int Shift);
    // Opens the editor over the current cell, started by the typed character.
    void MsflexGridEdt(int KeyAscii);
    void CampoValida(CajaTexto& Texto);
    void Toolbar1_ButtonClick(int indice);

    // The widths' measurer (the window's font by default).
    void setMedidor(const MedidorTexto* medidor);
    EdicionCantidades& Edicion() { return *edicion_; }

public slots:
    void reject() override;

protected:
    // `pedido` may be a member of the dialog not yet built: it is only read later.
    DialogoLotes(const char* nombre, const QString& titulo, const QString& aceptar, int columnaCantidad,
                 int columnaDisponible, double& pedido, int botones, QWidget* padre);

    // Every column, the title included, as wide as its longest text; empty
    // columns and those marked hidden keep their width.
    void AjustaAnchos(const std::vector<bool>& ocultas = {});
    int TextWidth(const QString& texto) const;

    GrillaCantidades cantidades_;
    std::unique_ptr<EdicionCantidades> edicion_;
};
