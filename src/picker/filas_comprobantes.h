#pragma once
// The picker's row layouts: what one row of a query shows in the list (icon,
// text and sub-items) for the voucher-type group of the window's code.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>

namespace FilasComprobantes {

struct Fila {
    int icono = 0;        // large icon; 0 none
    int iconoChico = 0;   // small icon
    QString texto;
    QStringList subItems;   // from sub-item 1
    // False when a look-up left the run: the row holds the cells built so far.
    bool completa = true;
};

// A field of the row by name (any case); an empty value when the result has
// no such column.
using Campo = std::function<QVariant(const QString& nombre)>;

struct Apoyo {
    // The image of a code ("Anulado", "Aprobado", "OCG" or the type).
    std::function<int(const QString& codigo)> imagen;
    // The supplier's name of an account, and the reception made from a purchase
    // order; nothing when the run was left.
    std::function<std::optional<QString>(const QString& cuenta)> proveedor;
    std::function<std::optional<QString>(const QString& idComprobante)> recepcion;
};

Fila ArmaFila(const QString& tc, bool soloPendientes, bool esTransporte, const Campo& campo, const Apoyo& apoyo);

}  // namespace FilasComprobantes
