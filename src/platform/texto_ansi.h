#pragma once
// Files the suite shares with Windows programs are in the Windows-1252 code
// page, one byte per character, so fixed byte widths hold.

#include <QByteArray>
#include <QString>

namespace TextoAnsi {
// Characters outside the code page become "?".
QByteArray Codifica(const QString& texto);
QString Decodifica(const QByteArray& bytes);
// Appends to a file (creating it); false when it cannot be written.
bool Agrega(const QString& archivo, const QString& texto);
}  // namespace TextoAnsi
