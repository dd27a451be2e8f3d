#include "platform/moneda.h"

#include "platform/falla.h"
#include "platform/numeros.h"

#include <cmath>
#include <algorithm>
#include <limits>

namespace {

[[noreturn]] void desborde()
{
    throw Falla(Falla::Desbordamiento, QStringLiteral("Desbordamiento"));
}

// Rounds n / d half to even (d > 0).
std::int64_t divisionPar(__int128 n, __int128 d)
{
    __int128 q = n / d;
    __int128 r = n % d;
    if (r < 0) {
        r = -r;
    }
    const __int128 doble = 2 * r;
    if (doble > d || (doble == d && (q % 2 != 0))) {
        q += (n < 0) ? -1 : 1;
    }
    if (q > std::numeric_limits<std::int64_t>::max() || q < std::numeric_limits<std::int64_t>::min())
        desborde();
    return static_cast<std::int64_t>(q);
}

}  // namespace

Moneda Moneda::DesdeEntero(std::int64_t v)
{
    if (v > std::numeric_limits<std::int64_t>::max() / Escala || v < std::numeric_limits<std::int64_t>::min() / Escala)
        desborde();
    return DesdeDiezmilesimos(v * Escala);
}

Moneda Moneda::DesdeDoble(double v)
{
    if (!std::isfinite(v))
        desborde();
    // Through the 15 significant digits a double holds, so 0.1 stays 0.1.
    auto m = DesdeTexto(Numeros::TextoPlano(v));
    if (!m)
        desborde();
    return *m;
}

std::optional<Moneda> Moneda::DesdeTexto(QStringView texto)
{
    const auto canon = Numeros::Canonico(texto);
    if (!canon)
        return std::nullopt;
    const QString& c = *canon;
    const bool negativo = c.startsWith(u'-');
    const qsizetype inicio = negativo ? 1 : 0;
    const qsizetype punto = c.indexOf(u'.');
    const QStringView entero = QStringView(c).mid(inicio, (punto < 0 ? c.size() : punto) - inicio);
    const QStringView fraccion = punto < 0 ? QStringView() : QStringView(c).mid(punto + 1);
    if (entero.size() > 15)
        desborde();
    __int128 n = 0;
    for (QChar d : entero)
        n = n * 10 + (d.unicode() - u'0');
    __int128 escala = 1;
    const qsizetype usados = std::min<qsizetype>(fraccion.size(), 18);
    for (qsizetype i = 0; i < usados; ++i) {
        n = n * 10 + (fraccion[i].unicode() - u'0');
        escala *= 10;
    }
    if (usados < fraccion.size()) {
        // Digits past the 18th only tell whether a half is exceeded.
        n = n * 10 + 1;
        escala *= 10;
    }
    if (negativo)
        n = -n;
    const __int128 objetivo = Escala;
    std::int64_t v;
    if (escala <= objetivo) {
        __int128 x = n * (objetivo / escala);
        if (x > std::numeric_limits<std::int64_t>::max() || x < std::numeric_limits<std::int64_t>::min())
            desborde();
        v = static_cast<std::int64_t>(x);
    } else {
        v = divisionPar(n, escala / objetivo);
    }
    return DesdeDiezmilesimos(v);
}

QString Moneda::Texto() const
{
    const bool negativo = v_ < 0;
    const unsigned long long a = negativo ? 0ULL - static_cast<unsigned long long>(v_) : static_cast<unsigned long long>(v_);
    QString s = QString::number(a / Escala);
    unsigned long long f = a % Escala;
    if (f) {
        QString frac = QStringLiteral("%1").arg(f, 4, 10, QChar(u'0'));
        while (frac.endsWith(u'0'))
            frac.chop(1);
        s += u'.' + frac;
    }
    return negativo ? u'-' + s : s;
}

Moneda Moneda::Redondeada(int decimales) const
{
    if (decimales >= 4)
        return *this;
    if (decimales < 0)
        decimales = 0;
    std::int64_t paso = 1;
    for (int i = decimales; i < 4; ++i)
        paso *= 10;
    return DesdeDiezmilesimos(divisionPar(v_, paso) * paso);
}

Moneda Moneda::operator-() const
{
    if (v_ == std::numeric_limits<std::int64_t>::min())
        desborde();
    return DesdeDiezmilesimos(-v_);
}

Moneda Moneda::operator+(Moneda o) const
{
    std::int64_t r;
    if (__builtin_add_overflow(v_, o.v_, &r))
        desborde();
    return DesdeDiezmilesimos(r);
}

Moneda Moneda::operator-(Moneda o) const
{
    std::int64_t r;
    if (__builtin_sub_overflow(v_, o.v_, &r))
        desborde();
    return DesdeDiezmilesimos(r);
}

Moneda Moneda::operator*(Moneda o) const
{
    return DesdeDiezmilesimos(divisionPar(static_cast<__int128>(v_) * o.v_, Escala));
}

Moneda Moneda::operator/(Moneda o) const
{
    if (o.v_ == 0)
        throw Falla(11, QStringLiteral("División por cero"));
    __int128 n = static_cast<__int128>(v_) * Escala;
    __int128 d = o.v_;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    return DesdeDiezmilesimos(divisionPar(n, d));
}
