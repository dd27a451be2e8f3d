#pragma once
// The positions-and-lots dialog: spreads the quantity of one voucher line over
// the storage positions of a depot (and the lots held there) and hands back
// the pipe lists of positions with quantities and of their lots. The caller
// sets the public variables, calls CargaDatos, shows it modally through the
// dialog service, reads Posiciones and Lotes and destroys it.

#include "lots/dialogo_lotes.h"

#include <QString>

class FrmLoteyPosicion : public DialogoLotes {
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

    // ---- Members -------------------------------------------------------------------
    void CargaDatos();
    void CmdAceptar_Click() override;
    void Form_Load();
    void InicializaGrid();
    // Fills the grid with the article's balances by position (and lot) and the
    // depot row, then puts the previous lists back or proposes a distribution.
    void VerificaAnteriores();
    // Button 1: the current quantity into every row below it.
    void CompletaTodoIgual();

    // The row of the stock without position; 0 when there is none.
    int FilaDeposito() const { return filaDeposito_; }
private:
    void AjustaAnchoColumnas();
    void DistribuyeCantidad();
    // A result list over the rows with a quantity: keys from the column,
    // with "*" and the quantity for positions.
    QString Lista(int columna, bool conCantidad) const;
    int filaDeposito_ = 0;
};
