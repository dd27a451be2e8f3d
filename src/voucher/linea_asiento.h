#pragma once
// One line of the stock accounting entry as an SQL statement on MV_ASIENTOS:
// the INSERT of a complete line, or, row by row, the UPDATE that adds the
// amount to the line the voucher already has on that account and side. The
// look-up of that line ignores the entry number, and the UPDATE leaves
// CABImporte as it was: re-posting a voucher row by row adds into its older
// lines.

#include "platform/moneda.h"

#include <QString>

// What every line of one entry shares.
struct DatosAsiento {
    QString TC;              // as passed ("CMV" for kind 99)
    QString Suc, Nro, Letra;
    QString fecha;           // as passed, day first
    int Mes = 0;             // month of fecha
    double Numero = 0;       // entry number
    QString Periodo;
    QString TipoReg;
    QString Detalle;         // the reason's description
    QString CuentaMotivo;    // the reason's account
    QString Motivo;          // the stock reason code
    Moneda ImporteCabecera;  // what the contra line carries
    short TipoMov = 0;
    long SoloRegistro = 0;
    QString TcOrigen;        // kind 99: the sales voucher
    QString CpteOrigen;
};

struct LineaAsiento {
    QString Cuenta;
    Moneda Importe;
    QChar Lado;              // 'D' or 'H'
    short Secuencia = 0;
};

// The line's statement; empty when its amount is 0 or below. Row by row
// (SoloRegistro not 0) it reads MV_ASIENTOS for the voucher's line.
QString SentenciaLineaAsiento(const DatosAsiento& asiento, const LineaAsiento& linea);
