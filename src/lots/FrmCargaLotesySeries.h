#pragma once
// The lots-and-serials dialog of one voucher line. Entry mode: one row per
// unit where the operator types lots (or sizes) and serial numbers; it hands
// back their pipe lists. Issue mode (EsConsultaDeSerieLote): the article's
// stock by lot and serial in one depot, over which the operator spreads the
// requested quantity; it hands back the keys lot & Chr255 & serial in Lotes,
// the parallel quantities in Series, and may change Cantidad.
// The caller sets the public variables, calls CargaDatos, writes lblArticulo,
// then shows it modally through the dialog service or, with MostrarForm
// False, runs CmdAceptar_Click without showing it; it reads Lotes, Series and
// Cantidad and destroys it.

#include "lots/dialogo_lotes.h"

#include <QString>
#include <vector>

class FrmCargaLotesySeries : public DialogoLotes {
    Q_OBJECT
public:
    // Issue mode's columns; only the quantity is edited.
    enum Columna { ColLote = 0, ColSerie = 1, ColStock = 2, ColCantidad = 3 };
    // Entry mode's: the row number, then the lot (or the serial when the
    // article has serials only) and, for lot and serial, the serial.
    enum ColumnaCarga { ColItem = 1, ColValor = 2, ColSerieCarga = 3 };
    // Above this many units no row per unit is made.
    static constexpr double MaximoUnidades = 100000;

    explicit FrmCargaLotesySeries(QWidget* padre = nullptr);
    ~FrmCargaLotesySeries() override;

    // ---- Public variables, in the order the callers know them ----------------
    QString Deposito;
    bool MostrarForm = false;
    bool EsConsultaDeSerieLote = false;
    bool EsSerie = false;
    bool EsLote = false;
    bool EsSerieYLote = false;
    bool EsTalle = false;
    double Cantidad = 0;
    QString IdDeposito;
    QString Articulo;
    QString ArticuloDescripcion;
    QString SeriesAnteriores;
    QString LotesAnteriores;
    QString Series;
    QString Lotes;
    QString SeriesExistentes;
    QString LotesExistentes;

    // ---- Members -------------------------------------------------------------------
    void CmdAceptar_Click() override;
    void Form_Load();
    void CargaDatos();
    void InicializaGrid();
    // Issue mode: the stock rows, the previous keys and quantities put back
    // (or a first proposal); entry mode: the previous lists, one item a row.
    void VerificaAnteriores();
    // Issue mode: what other lines of the article took comes off each row's
    // stock; without a previous choice the request is spread afresh.
    void VerificaExistenciasEnGrilla();
    // The request over the rows in order, each up to its stock; a row without
    // stock takes the whole rest.
    void CompletaCantidades();
    // Entry mode: a blank lot cell takes the nearest lot above it.
    void CompletaTodoIgual();

    bool UsaFormatoSerieAsterisco() const { return FormatoSerieAsterisco; }

private:
    void AjustaAnchoColumnas();
    void DistribuyeCantidad();
    void VerificaAnterioresConsulta();
    void VerificaAnterioresCarga();
    void AceptaConsulta();
    void AceptaCarga();
    // The entry grid's columns: where the lot (or size) and the serial go;
    // -1 when the mode has none.
    int ColumnaLotes() const;
    int ColumnaSeries() const;
    // The key of a data row: Trim(lot) & Chr255 & Trim(serial).
    QString ClaveFila(int fila) const;
    // "|" and every data row's trimmed cell ("-" when empty) closed by "|";
    // "" for a grid without data rows.
    QString ListaColumna(int columna) const;
    // Serial numbers typed as "NRODESERIE * CANTIDAD", as the configuration asks.
    bool FormatoSerieAsterisco = false;
    // Widths InicializaGrid set to 0: no text brings them back.
    std::vector<bool> ocultas_;
};
