#pragma once
// The working state of one stock posting (ClsCmnCptes::ActualizaStock): its
// parameters, the prepared codes, the pass, row and item being posted and what
// outlives a line. The posting fills it; the movement line and the supply
// consumption read it and leave their marks in it.

#include "platform/moneda.h"

#include <QString>

class ClsCmnCptes;
class Grilla;
class Procedimiento;

struct PosteoStock {
    PosteoStock(ClsCmnCptes& clase, Grilla& grilla, QString& idDeposito, QString& idDepositoDestino,
                QString& idMotivoStock, QString& tcOrigen, QString& comprobanteOrigen)
        : Clase(clase), Grid(grilla), IdDeposito(idDeposito), IdDepositoDestino(idDepositoDestino),
          IdMotivoStock(idMotivoStock), TcOrigen(tcOrigen), ComprobanteOrigen(comprobanteOrigen)
    {
    }

    ClsCmnCptes& Clase;
    Grilla& Grid;   // the article grid; the current row is Fila

    // ---- Parameters, as passed ----------------------------------------------------
    QString TC, SucNroLetra, IdComplemento, fecha;
    bool EsTransferencia = false;
    QString Cuenta = QStringLiteral("PorDefault");
    bool GeneraSentenciaSQL = false;
    QString IdTecnico = QStringLiteral("Null");
    QString Aduana, LoteOrigen;
    short SignoRemota = 0;
    bool MuestraCartel = false;
    QString IdVendedor;
    QString ArtMoneda = QStringLiteral("   1");
    Moneda ArtCotizacion = Moneda::DesdeEntero(1);

    // ---- In/out parameters: prepared by the posting, rewritten by the lines ----------
    // Each holds an SQL literal, "NULL" or "ELDELGRID".
    QString& IdDeposito;
    QString& IdDepositoDestino;
    QString& IdMotivoStock;
    QString& TcOrigen;
    QString& ComprobanteOrigen;

    // ---- Switches and flags of the call -----------------------------------------------
    bool CargaInsumosProduccion = false;
    bool LoteAutomaticoING = false;
    bool LoteAutomaticoINGOP = false;
    bool ConfirmaUDEquiv = false;
    bool IROblig = false;
    bool EsProduccion = false;   // TC is "OP"
    bool TieneSPNL = false;
    bool EsCompras = false;      // the type's SISTEMA is "COMPRAS"
    // The caller passed "ELDELGRID": each row brings its own.
    bool DepositoPorFila = false;
    bool MotivoPorFila = false;
    bool TcOrigenPorFila = false;
    bool CpteOrigenPorFila = false;
    QString CuentaOriginal;      // Cuenta as passed, for the entry kind

    // ---- Passes, rows and items ---------------------------------------------------------
    short Signo = 1;
    short Pasada = 1;
    short CantPasadas = 1;
    float Secuencia = 0;         // the last line number built
    int Fila = 1;
    long Item = 0;               // 1-based index of the current item of the row
    long CantItems = 0;
    double SumaItems = 0;        // the quantities of the row's items (column 22) added up
    double CantidadItem = 0;
    QString LoteActual;
    QString SerieActual;
    QString Articulo;            // column 0 of the row, trimmed
    short TipoMovimiento = 0;    // movement kind of the accounting entry

    // ---- What outlives a line -------------------------------------------------------------
    QString DepositoFila;        // the depot literal pass 1 last computed
    bool EnComodato = false;     // some posted row was on loan

    // ---- Lots, batch and accounting entry ----------------------------------------------------
    QString LoteFijo;            // lot of the items without one of their own
    bool LoteFijoAutomatico = false;   // LoteFijo is the automatic lot: written in its stored form
    QString Lote;                // deferred mode: SQLTemp as passed, then CR and each statement
    short SecuenciaAsiento = 1;  // the next line number of the accounting entry
    bool AsientoPedido = false;  // an entry booked something: later ones keep its number
    QString Rechazo;             // the database's text of the last statement it refused
};

namespace LineaStock {

// The INSERT of the current item into V_MV_STOCK. Writes back columns 74, 9,
// 76 and 8 of the current row, rewrites the reason, the origin and the cash
// box as it goes, keeps the row depot and the loan flag, and consumes the item
// quantity. Failures reach the caller; nothing is shown.
QString Sentencia(PosteoStock& e);

// The depot of the current row as a literal: column 6, else the prepared
// depot unless it is "ELDELGRID", else the setting DepositoDefault, else NULL.
QString DepositoDeFila(const PosteoStock& e);

// A prepared code as SQL: NULL when it is blank, the word NULL or an empty
// literal; a literal that is already well formed stays; anything else is
// quoted.
QString CodigoPreparado(const QString& valor);

// A code of the operator's as a literal fitted to 4; blank or NULL is NULL.
QString CodigoSQL(const QString& codigo);

// The word that asks for each row's own depot, reason or origin (any case, blanks around).
bool EsElDelGrid(const QString& texto);
// The number of a cell or a stored text, as the utilities read it. A line
// break or tab around a pasted figure is no part of the number.
Moneda Importe(const QString& texto);
double Cifra(const QString& texto);

// A lot or serial number as a line stores it: trimmed on the right (a lot
// keeps its leading blank when asked), the first 25 characters of a longer
// text, NULL when blank.
QString LoteOSerie(const QString& texto, bool conservaBlancoInicial);

// The user's business unit as the lines write it: leading blanks kept, fitted
// to 4; the word Null unquoted.
QString UnidadDeNegocio();

// A number as a line writes it: -0 as 0.
QString Numero(double valor);

// The lot an item without one of its own takes, fitted to 25.
QString LoteFijoDeItem(const PosteoStock& e);

// The current row's items are read as they leave stock: each item of column
// 21, repeated or blank ones included, with its quantity in column 22. So are
// outgoing rows, and the incoming pass of a transfer, which brings in what its
// outgoing pass took out.
bool ItemsDeSalida(const PosteoStock& e);

// Deferred mode appends the statement to Lote after a CR. Immediate mode runs
// it at once in a write scope of its own, nested in the posting's: a refused
// statement leaves nothing, keeps the database's text in Rechazo and raises.
void GrabaSentencia(PosteoStock& e, const QString& sentencia);

}  // namespace LineaStock

namespace InsumosStock {

// The supplies of the compound articles of the grid leave (or enter) stock
// with their article, under one stock voucher "PE" of their own: run once
// after the passes, on the posting's state, its steps trapped by the
// posting's own procedure. A transfer consumes them at the origin and gives
// them back at the destination, in one voucher. False when the posting must
// end: its trap was answered to leave, a line was refused (Rechazo holds the
// database's text) or no "PE" number could be taken.
bool DescargaInsumos(PosteoStock& e, Procedimiento& p);

}  // namespace InsumosStock
