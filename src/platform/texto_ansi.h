#pragma once
// Files the suite shares with Windows programs are in the Windows-1252 code
// page, one byte per character, so fixed byte widths hold.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace TextoAnsi {
// Characters outside the code page become "?".
QByteArray Codifica(const QString& texto);
QString Decodifica(const QByteArray& bytes);
// Appends to a file (creating it); false when it cannot be written. A text
// that does not fit whole leaves no part of it behind.
bool Agrega(const QString& archivo, const QString& texto);
// Writes the bytes at a position of a file opened unbuffered for writing (in
// append mode, its end), and tells whether all of them reached the disk; when
// not, the file is put back as it was, its length and the bytes written over.
bool EscribeEntero(QFile& archivo, qint64 posicion, const QByteArray& bytes);
}  // namespace TextoAnsi
