#include "platform/recorte.h"

QString Recorta(QStringView texto)
{
    return SinBlancosAlrededor(texto).toString();
}

QStringView SinBlancosAlrededor(QStringView texto)
{
    qsizetype inicio = 0;
    while (inicio < texto.size() && texto[inicio] == u' ')
        ++inicio;
    return SinBlancosFinales(texto.mid(inicio));
}

QString Recorta(const QString& texto)
{
    if (texto.isEmpty() || (texto.front() != u' ' && texto.back() != u' '))
        return texto;
    return Recorta(QStringView(texto));
}

QStringView SinBlancosFinales(QStringView texto)
{
    qsizetype fin = texto.size();
    while (fin > 0 && texto[fin - 1] == u' ')
        --fin;
    return texto.first(fin);
}
