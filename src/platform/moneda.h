#pragma once
// Currency as the system keeps it: a 64-bit count of ten-thousandths.
// Conversions round half to even; results beyond the range fail with
// "Desbordamiento" (6).

#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <optional>

class Moneda {
public:
    constexpr Moneda() = default;

    static constexpr std::int64_t Escala = 10000;
    static constexpr Moneda DesdeDiezmilesimos(std::int64_t v) { Moneda m; m.v_ = v; return m; }
    static Moneda DesdeEntero(std::int64_t v);
    static Moneda DesdeDoble(double v);
    // Nothing when the whole text is not a number (see Numeros::Canonico).
    static std::optional<Moneda> DesdeTexto(QStringView texto);

    constexpr std::int64_t Diezmilesimos() const { return v_; }
    double ADoble() const { return static_cast<double>(v_) / Escala; }
    // Plain text form: "." as decimal sign, no trailing zeros ("2.5", "-3", "0.3333").
    QString Texto() const;
    // Rounded half to even to 0..4 decimals.
    Moneda Redondeada(int decimales) const;

    Moneda operator-() const;
    Moneda operator+(Moneda o) const;
    Moneda operator-(Moneda o) const;
    Moneda operator*(Moneda o) const;   // product rounded half to even to 4 decimals
    Moneda operator/(Moneda o) const;   // quotient rounded half to even to 4 decimals
    Moneda& operator+=(Moneda o) { return *this = *this + o; }
    Moneda& operator-=(Moneda o) { return *this = *this - o; }
    constexpr auto operator<=>(const Moneda&) const = default;
    constexpr bool operator==(const Moneda&) const = default;

private:
    std::int64_t v_ = 0;
};
