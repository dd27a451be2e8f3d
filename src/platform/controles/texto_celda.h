#pragma once
// A value read from the database as a list or grid cell shows it: Null
// empty, dates in the regional form ("dd/mm/yyyy", with " hh:mm:ss" when
// there is a time), numbers with the regional decimal sign and no grouping
// ("96500,5"), anything else its text.

#include <QString>
#include <QVariant>

namespace Celdas {

// Whether the value came from the database as a date.
bool EsFecha(const QVariant& valor);
QString Texto(const QVariant& valor);

}  // namespace Celdas
