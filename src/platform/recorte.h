#pragma once
// The system's trims take off blanks (spaces) only: a tab, a carriage return
// or a line feed at either end is part of the text and stays, where
// QString::trimmed would drop it. Texts of our own (file names, keys we
// write) keep trimmed().

#include <QString>
#include <QStringView>

// Blanks off both ends.
QString Recorta(QStringView texto);
// The same; a text with no blank at either end comes back shared, not copied.
QString Recorta(const QString& texto);
// Blanks off both ends, without copying.
QStringView SinBlancosAlrededor(QStringView texto);
// Blanks off the end only, without copying.
QStringView SinBlancosFinales(QStringView texto);
