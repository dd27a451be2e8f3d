#pragma once
// The saved-queries record of the pick list and the sales voucher letter.

#include <QByteArray>
#include <QString>

namespace Def_QConsulta {

// One record of "consultas.qsl": fixed widths in the Windows code page.
struct QConsulta {
    static constexpr int AnchoTitulo = 100;
    static constexpr int AnchoTabla = 100;
    static constexpr int AnchoCampos = 500;
    static constexpr int AnchoAdicional = 500;
    static constexpr int Largo = AnchoTitulo + AnchoTabla + AnchoCampos + AnchoAdicional + 2;   // and CR LF

    QString Titulo;      // the search's title
    QString Tabla;       // the table or view searched
    QString Campos;      // the columns shown: "|A|B|"
    QString Adicional;

    // The record's bytes: each field padded with blanks (or cut) to its width.
    QByteArray Bytes() const;
};

// "A", "B" or "C" from the VAT conditions of the company and of the customer
// (texts that are not numbers count as 0).
QString LetraComprobante(QString& condicionEmpresa, QString& condicionCliente);

}  // namespace Def_QConsulta
