#pragma once
// Failed assertions print Qt texts as text, not as bytes.

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* os)
{
    *os << '"' << texto.toStdString() << '"';
}

inline void PrintTo(const QStringList& lista, std::ostream* os)
{
    *os << '{';
    for (qsizetype i = 0; i < lista.size(); ++i)
        *os << (i ? ", " : "") << '"' << lista[i].toStdString() << '"';
    *os << '}';
}
