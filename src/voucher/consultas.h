#pragma once
// Read-only look-ups the voucher members share: one forward-only recordset
// each, closed before the answer is returned; failures reach the caller.

#include <QString>
#include <QVariant>

// The query returns at least one row.
bool HayFilas(const QString& sql);
// The field of the query's first row; Null when there is no row.
QVariant PrimerValor(const QString& sql, const QString& campo);
