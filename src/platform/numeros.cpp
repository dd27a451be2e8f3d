#include "platform/numeros.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace Numeros {

namespace {
bool esBlanco(QChar c)
{
    return c == u' ' || c == u'\t' || c == QChar(0xA0);
}
}  // namespace

std::optional<QString> Canonico(QStringView texto)
{
    qsizetype a = 0, b = texto.size();
    while (a < b && esBlanco(texto[a]))
        ++a;
    while (b > a && esBlanco(texto[b - 1]))
        --b;
    if (a == b)
        return std::nullopt;

    QString signo;
    if (texto[a] == u'-' || texto[a] == u'+') {
        if (texto[a] == u'-')
            signo = QStringLiteral("-");
        ++a;
    }
    int puntos = 0, comas = 0, digitos = 0;
    qsizetype ultimoPunto = -1, ultimaComa = -1;
    for (qsizetype i = a; i < b; ++i) {
        const QChar c = texto[i];
        if (c >= u'0' && c <= u'9')
            ++digitos;
        else if (c == u'.') {
            ++puntos;
            ultimoPunto = i;
        } else if (c == u',') {
            ++comas;
            ultimaComa = i;
        } else
            return std::nullopt;
    }
    if (digitos == 0)
        return std::nullopt;

    QChar decimal;  // null: no decimal sign
    if (puntos && comas) {
        decimal = ultimoPunto > ultimaComa ? QChar(u'.') : QChar(u',');
        if ((decimal == u'.' && puntos > 1) || (decimal == u',' && comas > 1))
            return std::nullopt;
    } else if (puntos == 1) {
        decimal = u'.';
    } else if (comas == 1) {
        decimal = u',';
    }

    // One text built in one pass: sign, whole part without leading zeros
    // (at least one digit), and the fraction without trailing zeros.
    QString r;
    r.reserve(b - a + 3);
    if (!signo.isEmpty())
        r += u'-';
    const qsizetype inicio = r.size();
    qsizetype punto = -1;
    for (qsizetype i = a; i < b; ++i) {
        const QChar c = texto[i];
        if (!decimal.isNull() && c == decimal && punto < 0) {
            if (r.size() == inicio)
                r += u'0';
            punto = r.size();
            r += u'.';
            continue;
        }
        if (c == u'.' || c == u',')
            continue;  // thousands grouping
        if (punto < 0 && r.size() == inicio + 1 && r[inicio] == u'0')
            r[inicio] = c;  // a leading zero gives way
        else
            r += c;
    }
    if (r.size() == inicio)
        r += u'0';
    if (punto >= 0) {
        while (r.size() > punto + 1 && r.back() == u'0')
            r.chop(1);
        if (r.size() == punto + 1)
            r.chop(1);
    }
    if (r.size() == inicio + 1 && r[inicio] == u'0')
        r.remove(0, inicio);   // no sign on zero
    return r;
}

bool EsNumerico(QStringView texto)
{
    return Canonico(texto).has_value();
}

double NumeroInicial(QStringView texto)
{
    qsizetype i = 0;
    while (i < texto.size() && esBlanco(texto[i]))
        ++i;
    const qsizetype desde = i;
    if (i < texto.size() && (texto[i] == u'-' || texto[i] == u'+'))
        ++i;
    bool punto = false, digito = false;
    for (; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c >= u'0' && c <= u'9')
            digito = true;
        else if (c == u'.' && !punto)
            punto = true;
        else
            break;
    }
    if (!digito)
        return 0.0;
    bool ok = false;
    const double v = texto.sliced(desde, i - desde).toDouble(&ok);
    return ok ? v : 0.0;
}

QString TextoPlano(double valor)
{
    if (!std::isfinite(valor))
        return QStringLiteral("0");
    if (valor == 0.0)
        return QStringLiteral("0");
    // Fifteen significant digits: what a double holds exactly, as Basic printed
    // it. to_chars writes "%.15g" as the "C" locale does, whatever the
    // process's locale, and without the cost of a printf.
    char cifras[32];
    const auto fin = std::to_chars(cifras, cifras + sizeof cifras, valor, std::chars_format::general, 15).ptr;
    QString s = QString::fromLatin1(cifras, fin - cifras);
    if (s.contains(u'e') || s.contains(u'E')) {
        s = QString::asprintf("%.10f", valor);
        if (s.contains(u'.')) {
            while (s.endsWith(u'0'))
                s.chop(1);
            if (s.endsWith(u'.'))
                s.chop(1);
        }
    }
    return s;
}

QString TextoRegional(double valor)
{
    QString t = TextoPlano(valor);
    t.replace(u'.', QLocale().decimalPoint());
    return t;
}

double RedondeoPar(double valor, int decimales)
{
    const double escala = std::pow(10.0, decimales);
    const double x = valor * escala;
    double entero = std::floor(x);
    const double resto = x - entero;
    // Treat values within a hair of .5 as halves, so 2.675 read from text rounds as written.
    // The hair never grows past a thousandth: a large figure is no half.
    const double eps = std::min(1e-9 * std::max(1.0, std::fabs(x)), 1e-3);
    if (std::fabs(resto - 0.5) <= eps) {
        if (std::fmod(entero, 2.0) != 0.0)
            entero += 1.0;
    } else if (resto > 0.5) {
        entero += 1.0;
    }
    return entero / escala;
}

}  // namespace Numeros
