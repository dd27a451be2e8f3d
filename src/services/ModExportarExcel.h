#pragma once
// The module of table look-ups, numbering helpers and the spreadsheet export.
// One namespace, defined across the files of this folder, one section per concern.

#include "services/aplicacion_excel.h"

#include <QString>
#include <QStringList>
#include <memory>
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

}  // namespace ModExportarExcel
