#pragma once
// Small readings shared by the numbering, stock and lot procedures of this
// folder: the error manager of the database session, fields read as the
// suite reads them, numbers zero-padded, literals.

#include "platform/moneda.h"
#include "platform/pasos.h"

#include <QString>
#include <QVariant>
#include <initializer_list>

class Recordset;

namespace LecturaValores {

// The database session's error manager, as a Procedimiento takes it.
GestorError GestorSesion();

// A field with Null read as empty, as text.
QString Texto(const QVariant& valor);
// The number at the start of a field's text (Basic's Val): Null and "" are 0.
double Val(const QVariant& valor);
// The value is held as a number (not as a text that reads as one).
bool EsNumero(const QVariant& valor);
// A numeric field as a double: numbers as they are, texts read as amounts
// (UtilidadesComunes.TextoADoble), Null as 0.
double Numero(const QVariant& valor);
// A field's amount: a number as the number it is (its shortest text may carry
// an exponent, 1e+06 or 5e-04, which no amount reads), a text read as an
// amount, Null as 0.
Moneda Importe(const QVariant& valor);
// The value zero-padded to the digits (Basic's Format with "0000"): Null and
// "" count as 0; a text that is no number comes back as it is.
QString Ceros(const QVariant& valor, int digitos);
// A voucher-type, unit or depot code as it enters SQL: trimmed, fitted to 4.
QString Codigo4(const QString& codigo);
// A text between apostrophes, inner apostrophes doubled.
QString Literal(const QString& texto);
// A number that goes into SQL unquoted: the text as it is when it holds a
// whole number (blanks around allowed); otherwise the failure "No coinciden
// los tipos", so nothing else can reach the statement.
QString Entero(const QString& numero);
// An amount as it goes into SQL for the suite's DECIMAL(18,4) columns. A
// figure beyond their fourteen whole digits, which the server refuses (the
// currency holds fifteen), fails with "Desbordamiento" (6), as the
// currency's own overflow does.
QString LiteralImporte(const Moneda& importe);
// A number text of such a column as written, failing the same way beyond
// fourteen whole digits.
QString LiteralDecimal(const QString& numero);
// A number that goes into SQL unquoted when the text (trimmed) is one; NULL otherwise.
QString NumeroONulo(const QString& texto);

// Two codes compared as the suite compares them: trimmed, any case.
bool MismoCodigo(const QString& a, const QString& b);
// Whether the code is one of the types (trimmed, any case).
bool EsTipo(const QString& tc, std::initializer_list<const char*> tipos);

// Whether the voucher date lies after a book's expiry date: never when either
// is empty; as dates when both read as dates, else as texts.
bool Vencido(const QString& fecha, const QVariant& vence);

}  // namespace LecturaValores
