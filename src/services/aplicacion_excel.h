#pragma once
// Our stand-in for the spreadsheet program's application object: what the
// export sets on it and the workbook it adds. It writes nothing itself; the
// export decides what becomes of the active sheet (see HojaExcel).

#include "services/hoja_excel.h"

#include <functional>
#include <memory>

class AplicacionExcel {
public:
    // Makes the active sheet of a new workbook of that many sheets.
    using NuevaHoja = std::function<std::shared_ptr<HojaExcel>(int hojas)>;

    // Without a maker, workbooks are only rehearsed.
    explicit AplicacionExcel(NuevaHoja nuevaHoja = {});

    bool Visible = false;

    // Application.SheetsInNewWorkbook (1 to 255).
    int SheetsInNewWorkbook() const { return hojasPorLibro_; }
    void SheetsInNewWorkbook(int hojas);

    // Workbooks.Add: a new workbook whose first sheet is the active one.
    void AgregaLibro();
    int CantidadHojas() const { return hojas_; }

    // ActiveSheet; fails when no workbook is open.
    HojaExcel& HojaActiva();

    // ActiveSheet.PrintPreview: asked for here, shown by the export once the
    // sheet is complete.
    void VistaPrevia();
    bool VistaPreviaPedida() const { return vistaPrevia_; }

private:
    NuevaHoja nuevaHoja_;
    int hojasPorLibro_ = 1;
    int hojas_ = 0;
    std::shared_ptr<HojaExcel> activa_;
    bool vistaPrevia_ = false;
};
