#pragma once
// The module of table look-ups, numbering helpers and the spreadsheet export.
// One namespace, defined across the files of this folder, one section per concern.

#include "services/aplicacion_excel.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

class Lista;

namespace ModExportarExcel {

// ---- Export of a list to a spreadsheet ---------------------------------------

// A list as it stood when the export began, so nothing done meanwhile changes
// what is written.
struct EncabezadoLista {
    QString Text;
    double Width = 0;  // twips; 0 for a hidden column
    int Position = 0;  // 1-based display position
};
struct FilaLista {
    QString Text;
    QStringList SubItems;  // sub-item k is SubItems[k - 1]; missing ones read as empty
    bool Checked = false;
};
struct FotoLista {
    std::vector<EncabezadoLista> ColumnHeaders;
    std::vector<FilaLista> ListItems;
};

// The list's headers and items as they stand now.
FotoLista FotoDe(const Lista& lista);

// The spreadsheet program of the export in progress.
extern std::unique_ptr<AplicacionExcel> gExcelApp;

// Copies the list into a new workbook, saves it under a new name in the
// temporary folder and opens it on the desktop; with VistaPrevia, in landscape
// and with its print preview. Columns 50 twips wide or less are left out; each
// ColumnaFecha 0 or more names a sheet column formatted as dates first.
void ExportarListViewExcel(const Lista& ListView, bool VistaPrevia, bool SoloTildados, short ColumnaFecha1,
                           short ColumnaFecha2, short ColumnaFecha3);
void ExportarListViewExcel(const FotoLista& Foto, bool VistaPrevia, bool SoloTildados, short ColumnaFecha1,
                           short ColumnaFecha2, short ColumnaFecha3);
// Starts the spreadsheet program in gExcelApp, hidden, with a new workbook of
// CantidadHojas sheets (0 becomes 2, and so does the caller's variable).
void CreaLibroExcel(short& CantidadHojas);
// Lays out the header row of the active sheet: CantidadColumnas is the title
// array's upper bound plus 1.
void FormateaEncabezadoExcel(int CantidadColumnas, const std::vector<QString>& Titulos, const std::vector<int>& Anchos);

// The sheet the export makes of a list, its rows handed to the destination in
// their final form (the file, the preview); answers the sheet's final state.
// It shows nothing and lets no events run.
Hoja::Plan HojaExportada(const FotoLista& Foto, bool VistaPrevia, bool SoloTildados, short ColumnaFecha1,
                         short ColumnaFecha2, short ColumnaFecha3, Hoja::Destino& Destino);

// ---- Voucher identity and number books --------------------------------------
// A voucher is its type (up to 4 characters) and a 13-character id: branch
// (4 digits), number (8 digits) and letter, without separators.

// The letters a number book can serve, as the books' lists write them.
QString LetrasComprobante();   // "A,B,C,E,R,X,M"
// The letter as the prefix of a book's per-letter columns: trimmed, upper
// case, empty as "X"; nothing for a text that is none of the seven letters,
// so no column name is ever built from it.
std::optional<QString> LetraDeColumna(const QString& Letra);
// Branch and number zero-padded ("0000", "00000000"), an empty letter as "X".
QString ArmaIdComprobante(const QString& Sucursal, const QString& Numero, const QString& Letra);
struct PartesIdComprobante {
    QString Sucursal;   // characters 1-4
    QString Numero;     // characters 5-12
    QString Letra;      // character 13
};
PartesIdComprobante SeparaIdComprobante(const QString& IdComprobante);

// The number book in use: set by the book choice and by the number check,
// read by the book update. The voucher type it was found for is kept with it,
// so a book found for one type is never taken for another.
struct TalonarioActual {
    QString TC;            // the type as the choice or the check was given it
    long Talonario = 0;    // the book's TALONARIO
    // The book, when it was found for this type (trimmed, any case).
    std::optional<long> De(const QString& tc) const;
    void Fija(const QString& tc, long talonario);
};
extern TalonarioActual gTalonario;

// ---- Number book choice --------------------------------------------------------
// Chooses the type's number book and fills branch ("0000"), next number
// ("00000000"), the letter used, the book's upper bound and whether the number
// may be changed. True when a number was taken; when every book was used up,
// expired or passed over, Numero comes back empty and the answer is false.
// A type without books takes "0001", "00000001", "X".
bool Obtener_Nro_Comprobante_Contable(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                                      bool& ModificaNumeracion, const QString& Fecha, const QString& UNegocio,
                                      QString& Hasta);

// ---- Voucher number proposal --------------------------------------------------------
// The type whose books a type shares: the setting "NUM_" & type, else the type.
QString ObtieneTCNumeracion(const QString& TC);
// Proposes branch, number and letter of a new voucher from the type's books
// and, with Revisar, moves the number past the vouchers already stored. True
// when a number was taken (an empty TC changes nothing and answers false); a
// check left on the operator's answer takes none.
bool Obtener_Nro_Comprobante(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                             bool& ModificaNumeracion, bool Revisar, const QString& Opcional, const QString& UNegocio);

// ---- Number check and number book update ---------------------------------------------
// Checks a voucher number against the letters, the range and the expiry of
// the book that holds it, which it records in gTalonario. Mensaje gets the
// text of a failed check ("" when the number may be used); an empty letter
// becomes "X". Failures go to the caller.
bool ValidaNumeracionComprobante(const QString& TC, const QString& Sucursal, const QString& Numero, QString& Letra,
                                 QString& Mensaje, const QString& Fecha);
// Moves the book that holds the saved voucher's number on to Numero (the
// number after the one used): at once, or with GeneraSentencia as the
// statements in SentenciaSQL for the caller's batch, with the control row of
// the used number for accounting books (or with RegistraControl).
void ActualizaUltimoNroComprobante(const QString& TC, const QString& Sistema, const QString& Sucursal,
                                   const QString& Numero, QString& Letra, bool GeneraSentencia, QString& SentenciaSQL,
                                   bool RegistraControl, bool SinActualizarTalonario);

// ---- Accounting entry of a voucher ----------------------------------------------
// True when the voucher has lines in MV_ASIENTOS (on the account, when one is
// given); Asiento becomes "mm - nnnnnn" of the first line. Failures go to the caller.
bool ObtieneAsientoComprobante(const QString& TC, const QString& Sucursal, const QString& Numero,
                               const QString& Letra, QString& Asiento, const QString& Cuenta, bool SinBloqueo);

// ---- Accounting-entry numbering -----------------------------------------------------
// The journal of the voucher type; four blanks when it has none, "" when a
// failure left the procedure.
QString ObtieneTipoRegCont(const QString& TC);
// The next free entry number of the month, period and register type over the
// entries and their cost-centre lines; 0 when a failure left the procedure.
long ValidaTCRegistraciones(const QVariant& Mes, const QVariant& Periodo, const QVariant& TipoReg = QVariant());

// ---- Table look-up with pick list ----------------------------------------------
// The description, key and third columns of a code table, worked out from its
// name (letter case aside; a key built from the name keeps the name's case);
// a name no rule covers leaves the three as the caller passed them. With
// MostrarLista the program's pick list opens over "select description,key
// from table filter" and the key argument receives the chosen key, or an empty
// text when nothing was chosen (or there are no columns to show). Failures of
// the pick list go to the caller, with the key empty.
void ConsultaTabla(const QString& Tabla, QString& CampoDescripcion, QString& CampoClave, QString& CampoTercero,
                   const bool& MostrarLista, const QString& Filtro);

}  // namespace ModExportarExcel
