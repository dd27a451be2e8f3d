#pragma once
// Reads one part of a written workbook (its zip container), for tests.

#include <QByteArray>
#include <QString>

// The part's bytes ("xl/worksheets/sheet1.xml"); empty when the file or the part is missing.
QByteArray ParteDelLibro(const QString& archivo, const char* parte);
