#pragma once
// The positions-and-lots dialog: spreads the quantity of one voucher line over
// the storage positions of a depot (and the lots held there) and hands back
// the pipe lists of positions with quantities and of their lots. The caller
// sets the public variables, calls CargaDatos, shows it modally through the
// dialog service, reads Posiciones and Lotes and destroys it.

#include "lots/edicion_cantidades.h"
#include "lots/grilla_cantidades.h"
#include "platform/controles/caja_texto.h"
#include "platform/controles/grilla.h"

#include <QDialog>
#include <QString>
#include <memory>

class MedidorTexto;
class QLabel;
class QPushButton;
class QToolBar;
class VistaGrilla;

class FrmLoteyPosicion : public QDialog {
    Q_OBJECT
public:
    // The grid's columns; the quantity is the only one the operator edits.
    enum Columna { ColPosicion = 0, ColLote = 1, ColUnidad = 2, ColDisponible = 3, ColCantidad = 4 };

    explicit FrmLoteyPosicion(QWidget* padre = nullptr);
    ~FrmLoteyPosicion() override;

    // ---- Public variables, in the order the callers know them ----------------
    QString Deposito;
    QString IUNIDAD;
    bool MostrarForm = false;
    bool EsConsultaDePosicionLote = false;
    bool EsPosicion = false;
    bool EsSerie = false;
    bool EsLote = false;
    bool EsPosicionYLote = false;
    double Cantidad1 = 0;
    QString IdDeposito;
    QString Articulo;
    QString ArticuloDescripcion;
    QString PosicionesAnteriores;
    QString LotesAnteriores;
    QString Posiciones;
    QString Lotes;

    // ---- Controls ----------------------------------------------------------------
    QLabel* lblArticulo;
    QPushButton* CmdAceptar;
    QPushButton* CmdCancelar;
    Grilla MSFlexGrid1;
    VistaGrilla* vistaMSFlexGrid1;
    QToolBar* Toolbar1;
    CajaTexto* TxtEdit;

    // ---- Members -------------------------------------------------------------------
    void CargaDatos();
    void CmdAceptar_Click();
    void CmdCancelar_Click();
    void Form_Load();
    void InicializaGrid();
    // Fills the grid with the article's balances by position (and lot) and the
    // depot row, then puts the previous lists back or proposes a distribution.
    void VerificaAnteriores();
    void SumaFilas(int MenosCual, double& Suma);
    void ValidaCantidadCantidadPedida(bool& Valida);
    // Button 1: the current quantity into every row below it.
    void CompletaTodoIgual();
    void Text_Propiedades(CajaTexto& Texto, int Col);
    // Moves the current cell after an entry ended by the key.
    void EditKeyCode(int KeyCode, int Shift);
    // Opens the editor over the current cell, started by the typed character.
    void MsflexGridEdt(int KeyAscii);
    void CampoValida(CajaTexto& Texto);
    void Toolbar1_ButtonClick(int indice);

    // The row of the stock without position; 0 when there is none.
    int FilaDeposito() const { return filaDeposito_; }
    // The widths' measurer (the window's font by default).
    void setMedidor(const MedidorTexto* medidor);
    EdicionCantidades& Edicion() { return *edicion_; }

public slots:
    void reject() override;

private:
    void AjustaAnchoColumnas();
    void DistribuyeCantidad();
    // A result list over the rows with a quantity: keys from the column,
    // with "*" and the quantity for positions.
    QString Lista(int columna, bool conCantidad) const;
    int TextWidth(const QString& texto) const;

    GrillaCantidades cantidades_;
    std::unique_ptr<EdicionCantidades> edicion_;
    int filaDeposito_ = 0;
};
