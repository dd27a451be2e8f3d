#include "platform/texto_ansi.h"

#include <QFile>

namespace TextoAnsi {

namespace {
// 0x80..0x9F of Windows-1252; 0 where the code page has no character.
constexpr char16_t altos[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};
}  // namespace

QByteArray Codifica(const QString& texto)
{
    QByteArray r;
    r.reserve(texto.size());
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            r.append(static_cast<char>(u));
            continue;
        }
        char b = '?';
        for (int i = 0; i < 32; ++i)
            if (altos[i] && altos[i] == u) {
                b = static_cast<char>(0x80 + i);
                break;
            }
        r.append(b);
    }
    return r;
}

QString Decodifica(const QByteArray& bytes)
{
    QString r;
    r.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0 && altos[b - 0x80])
            r.append(QChar(altos[b - 0x80]));
        else
            r.append(QChar(b));
    }
    return r;
}

bool EscribeEntero(QFile& archivo, qint64 posicion, const QByteArray& bytes)
{
    const qint64 largo = archivo.size();
    QByteArray cubiertos;
    const bool alFinal = archivo.openMode().testFlag(QIODevice::Append);
    if (!alFinal) {
        if (posicion < largo && archivo.seek(posicion))
            cubiertos = archivo.read(largo - posicion);
        if (!archivo.seek(posicion))
            return false;
    } else {
        posicion = largo;
    }
    // Unbuffered, a short write shows here and not when the file closes.
    if (archivo.write(bytes) == bytes.size() && archivo.flush())
        return true;
    archivo.resize(posicion);
    if (!cubiertos.isEmpty() && archivo.seek(posicion))
        archivo.write(cubiertos);
    return false;
}

bool Agrega(const QString& archivo, const QString& texto)
{
    QFile f(archivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    return EscribeEntero(f, f.size(), Codifica(texto));
}

}  // namespace TextoAnsi
