#pragma once
// The readings of text as numbers that the system relies on.
//
// One rule, independent of the locale: blanks around the text are ignored, a
// sign may lead, and "." and "," both serve as decimal sign. When both appear,
// the last one is the decimal sign and the other groups thousands; a sign that
// appears more than once groups thousands. So the plain form written into grid
// cells ("1234.5"), the regional form the operator types ("1234,5") and the
// regional form with thousands ("1.234,50") all read back exactly.

#include <QString>
#include <QStringView>
#include <optional>

namespace Numeros {

// The text as a canonical "[-]digits[.digits]" form, or nothing when the whole
// text is not a number.
std::optional<QString> Canonico(QStringView texto);

// The whole (trimmed) text reads as a number, sign and decimal sign allowed.
bool EsNumerico(QStringView texto);

// The number at the start of the text: leading blanks skipped, an optional
// sign, digits and one "." with digits; reading stops at the first character
// that cannot belong to a number. 0 when there is none.
double NumeroInicial(QStringView texto);

// A number written in the plain text form: "." as decimal sign, no grouping,
// no exponent, no trailing zeros ("2.5", "3", "-0.125").
QString TextoPlano(double valor);

// The plain form with the regional decimal sign and no grouping ("2,5"):
// what the operator sees in a quantity cell; TextoADoble reads it back.
QString TextoRegional(double valor);

// Round half to even to a number of decimals.
double RedondeoPar(double valor, int decimales);

}  // namespace Numeros
