#pragma once
// The suite's common voucher class: the layouts and editor properties of the
// voucher grids and the voucher rules every voucher screen shares. One object
// per screen, created on first use; apart from the settings read at creation
// and the public variables, its members share nothing.
//
// The members are declared in the order of the class's interface, which
// callers that bind by position rely on. Each concern is defined in its own
// file of this folder.
//
// Grids, editors and tabs are the caller's models; a null grid pointer stands
// for a grid the screen does not have, wherever a member allows it.

#include "platform/controles/colores.h"
#include "platform/moneda.h"

#include <QString>
#include <QStringList>
#include <QVariant>

class BarraEstado;
class EditorGrilla;
class Grilla;
class MedidorTexto;
class Pestanas;
class QDialog;
class Recordset;

class ClsCmnCptes {
public:
    // Reads "PIVA", "PIVARec", "AsientosXStock" and "LenDescripcion", in that
    // order; a failure reaches the creator.
    ClsCmnCptes();

    // ---- Public variables ------------------------------------------------------
    bool DebitoProveedor = false;    // a debit note counts as the supplier's
    short gLenDesc = 100;            // longest article description of a stock line
    QString NPP_Cliente;             // written by the voucher loader
    QString NPP_IDCpte;
    bool esElectronica = false;      // an electronic voucher has no printed-line limit
    bool esCreditoElectronica = false;

    // How a row-by-row entry (SoloRegistro above 0) gets its number: PorFila
    // draws a new one for row 1 and keeps it for later rows; a posting whose
    // first request is not row 1, or that asks row 1 twice, says Nuevo on its
    // first request and ElMismo afterwards. A row-by-row call with no number
    // kept yet always draws one.
    enum class NumeroDeAsiento { PorFila, Nuevo, ElMismo };

    // ---- Interface, in its order -----------------------------------------------
    // 1 The statements of the stock movement's accounting entry, each after CR
    // LF; empty when no entry is made. Runs nothing. Suc and Letra stay as
    // passed; with TipoMov 99, TC becomes "CMV" and Nro its new number.
    QString GeneraAsientoStock(Grilla& grid, QString& eMotivoStock, QString& TC, const QString& Suc, QString& Nro,
                               const QString& Letra, const QString& fecha, bool& EsDebito, short TipoMov,
                               long SoloRegistro, short& Secuencia,
                               NumeroDeAsiento Numeracion = NumeroDeAsiento::PorFila);
    // True when the last GeneraAsientoStock ended without its entry through a
    // failure (its own, the entry number's or the register type's), not for
    // want of an entry to make: its empty text is then no entry done.
    bool AsientoFallido() const { return asientoFallido_; }
    // 2 The editor's field, length limit and look-up for a column, by the editor's name.
    void TextPropiedades(EditorGrilla& Texto, long Columna);
    // 3 Lays out the given grids for a voucher type; a null grid is skipped
    // with its editor. TxtEdit and txtEdit3 are required with their grids.
    void InicializaGrids(Grilla* MSFlexGrid1, Grilla* MSFlexGrid2, Grilla* MSFlexGrid3, EditorGrilla* TxtEdit,
                         EditorGrilla* txtEdit2, EditorGrilla* txtEdit3, const MedidorTexto& obj, const QString& TC,
                         Grilla* MSFlexGrid4);
    // 4 The audit row of a voucher's creation, change or deletion: run at
    // once, or with GeneraSentencia handed back in SentenciaSQL (replacing it).
    // Never fails.
    void ActualizaBuchon(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento, bool lEsAlta,
                         bool lEsModificacion, bool GeneraSentencia, QString& SentenciaSQL, const QString& NroAsiento);
    // 5 The voucher picker for a type or picker mode: the chosen number, and
    // its complement or supplier; all three outputs are always overwritten
    // (a null pointer is skipped), empty when nothing was chosen.
    void ConsultaComprobante(const QString& TC, QString& Respuesta, const QVariant& Filtro = QVariant(),
                             QString* IdComplemento = nullptr, QString* Proveedor = nullptr);
    // 6 Open balance of the account's applied charges.
    Moneda ImporteCargosReales(const QString& Cuenta);
    // 7 Hands the texts to the caller's form (its properties "Cliente" and
    // "Matricula") and shows it modally.
    void ControlDeCargosReales(QDialog& FrmCtrlCargosReales, const QString& Cliente, const QString& Matricula);
    // 8 Some voucher names this one as its origin.
    bool EstaRelacionadoAOtroComprobante(const QString& TC, const QString& SucNroLetra, const QString& Complemento,
                                         bool TenerEnCuentaAnulados);
    // 9 Total amount of the vouchers in force made from this one.
    Moneda ObtieneImporteCptesAsociados(const QString& TC, const QString& SucNroLetra);
    // 10 The next automatic lot number, without the leading blank it is stored with.
    QString ObtieneLoteAutomatico();
    // 11
    void ActualizaStock(Grilla& MSFlexGrid2, const QString& TC, const QString& SucNroLetra,
                        const QString& IdComplemento, const QString& fecha, QString& IdDeposito,
                        QString& IdDepositoDestino, QString& IdMotivoStock, QString& TcOrigen,
                        QString& ComprobanteOrigen, bool EsTransferencia, const QString& Cuenta,
                        bool GeneraSentenciaSQL, QString& SQLTemp, bool& HayError, const QString& IdTecnico,
                        QString& LoteFijo, const QString& Aduana, const QString& LoteOrigen, short SignoRemota,
                        bool MuestraCartel, const QString& IdVendedor, float SecuenciaFija, const QString& ArtMoneda,
                        Moneda ArtCotizacion);
    // 12 Stock lines of type "spnl" exist whose origin is that voucher.
    bool TieneSPNL(const QString& TCP, const QString& IdCptep);
    // 13 +1 or -1 for the stock (or, with LibroIVA, the VAT book); 0 after a
    // message for a type missing from V_TA_CPTE.
    short ObtieneSignoComprobante(const QString& TC, bool LibroIVA);
    // 14 Quantity of the article still pending on the voucher; Aplicado gets
    // the quantity already moved.
    double CantRepartoPend(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo,
                           double& Aplicado);
    // 15 Appends a stored voucher's tasks, article lines and other concepts to
    // the three grids of a voucher being made from it (IdRepartoRM -98 loads
    // a return); false when the operator's answer to a failure left the load.
    // LrcsCpte, when given, receives the open header; IdRepartoRM the header's
    // round of delivery; LetraDestino "A" when it was empty for an invoice.
    bool AsignarDatosComprobante(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento,
                                 Grilla* MSFlexGrid1, Grilla* MSFlexGrid2, Grilla* MSFlexGrid3, bool Inicializar,
                                 Recordset* LrcsCpte, bool Compras, const QString& Proveedor, short& IdRepartoRM,
                                 bool ConvertirMoneda, const QString& WhrTareas, const QString& CpteDestino,
                                 QString& LetraDestino);
    // 16 to 31: lots, serial numbers and positions
    QString StrSerieLote(const QString& Serie_Lote);
    QString DescomponeSerieLote(const QString& Serie_Lote, QStringList& arreglo);
    QString DescomponePosicionCantidadLote(const QString& Posicion_Lote, const QString& PIPELotes,
                                           QStringList& ArrPosiciones, QStringList& ArrCantidades,
                                           QStringList& ArrLote);
    long Cuenta_Series_Lotes(const QString& PipeSeries, const QString& PIPELotes, bool SinConsolidar);
    QString ExtraeSerieLoteConValor(QString& Serie, QString& Lote);
    QString ExtraeSerieLote(const QString& Serie_Lote, short QuePosicion);
    long Cantidad_Series_Lotes(const QString& Pipes);
    QString InsertaCHR255(const QString& iPipe);
    void PideSerieLote(const QString& Articulo, double Cantidad, const QString& SerieAnt, const QString& LoteAnt,
                       QString& SerieNvo, QString& LoteNvo, bool Serie, bool Lote, bool Talle);
    void PideSerieLote_Salidas(Grilla& grilla, const QString& Articulo, const QString& Descripcion, double& Cantidad,
                               const QString& SeriesLoteAnt, const QString& CantidadANT, QString& SeriesLoteNvo,
                               QString& CantidadesNvo, bool Lote, bool Serie, bool Talle, QString& Deposito,
                               bool MostrarForm);
    // The lots and quantities other lines of the article took, as one pair of
    // parallel pipe lists; FilaExcluida (a data row) is left out.
    void CuentaLotesEnGrilla(Grilla& grilla, const QString& Articulo, QString& LotesEnGrid,
                             QString& CantidadesEnGrid, int FilaExcluida = 0);
    // Cantidad comes back as the total the operator agreed to.
    void PidePosicionLote(const QString& Articulo, const QString& IdUnidad, double& Cantidad, const QString& Deposito,
                          const QString& PosicionAnt, const QString& LoteAnt, QString& PosicionNVO, QString& LoteNvo,
                          bool Posicion, bool Lote);
    void ObtieneStockxEquiv(const QString& IdDeposito, const QString& IdArticulo, const QString& UdBase,
                            const QString& udEquivBuscada, double& StockUdBase, double& StockEquiv);
    double ObtieneStockLOTE(const QString& IdArticulo, const QString& IdDeposito, const QString& NroLote);
    double ObtieneStock(const QString& IdArticulo, QString& IdDeposito, const QString& NroLote,
                        const QString& NroSerie, const QString& IdPosicion, QString& IdUnidad);
    long Busca_Lotes_Series(const QString& PipeSeriesLotes, const QString& QueSerieLote);
    // 32 The voucher still fits the item lines of its printed form.
    bool ValidaCantidadLineasCpte(const QString& TC, const QString& Letra, Grilla* MSFlexGrid1, Grilla* MSFlexGrid2,
                                  Grilla* MSFlexGrid3, short& CantLineas, short& CantLineasUsadas, long Agragarle,
                                  bool LineasAnteriores);
    // 33 Rows in use of the three grids; TotUnidades sums the articles' quantities.
    long CuentaItems(Grilla* MSFlexGrid1, Grilla* MSFlexGrid2, Grilla* MSFlexGrid3, long& CantTareas,
                     long& CantArticulos, long& CantOtrosConceptos, double& TotUnidades);
    // 34 to 37: the status bar's detail of the current row (panels from 1)
    void MuestraDetalleTareas(Grilla& MSFlexGrid1, BarraEstado& StatB);
    void MuestraDetalleArticulos(Grilla& MSFlexGrid2, BarraEstado& StatB, int Columna);
    void MuestraDetalleOtrosConceptos(Grilla& MSFlexGrid3, BarraEstado& StatB);
    void MuestraDetalle(const QString& Detalle, BarraEstado& StatB, int Columna);
    // 38 Rebuilds the item summary from the grids of the visible tabs.
    void TotalizadorControl(Grilla* MSFlexGrid1, Grilla* MSFlexGrid2, Grilla* MSFlexGrid3, Grilla& MSFlexGrid4,
                            Pestanas& SSTab1, bool AbiertoPorRubro, bool AbiertoPorTipo);
    // 39 to 45: painting and searches
    void PintarFila(long Fila, Grilla& MsFlexGrid, ColorBgr Color);
    bool ExisteEnGrid(Grilla& MsFlexGrid, const QString& IdArt);
    void PintarColuma(long Columna, Grilla& MsFlexGrid, long FilaDesde, long FilaHasta, ColorBgr Color);
    bool TareaRepetida(Grilla& MSFlexGrid1, const QString& Tarea, long FilaIgnorar, long& FilaEncontrada);
    bool ArticuloRepetido(Grilla& MSFlexGrid2, const QString& Articulo, long FilaIgnorar, long& FilaEncontrada);
    bool OtrosConceptosRepetidos(Grilla& MSFlexGrid3, const QString& OtroConcepto, long FilaIgnorar,
                                 long& FilaEncontrada);
    bool NumeroEsFraccion(const QVariant& Numero);

    // The stored form of an automatic lot: one leading blank, fitted to 25.
    static QString LoteAutomaticoGuardado(const QString& numero);

    // The settings read at creation.
    double PIVA() const { return gPIVA; }
    double PIVARec() const { return gPIVARec; }
    bool AsientosXStock() const { return gAsientosXStock; }

private:
    double gPIVA = 0;
    double gPIVARec = 0;
    bool gAsientosXStock = false;
    // The entry number of the last stock entry, kept between calls.
    double NroAsientoStock = 0;
    bool asientoFallido_ = false;
};
