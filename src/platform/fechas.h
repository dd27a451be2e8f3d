#pragma once
// Dates as the suite writes and reads them: day first, "/" between the parts.

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

namespace Fechas {

// Formats with a Basic pattern: "dd" day, "mm" month (minutes right after an
// hour or before seconds), "yy"/"yyyy" year, "hh" hour (24 h), "nn" minutes,
// "ss" seconds; "/" and ":" print as themselves, whatever the locale.
QString Formatea(const QDateTime& fecha, const QString& patron);

// The date and time as the clock shows them. A time the local clock skips
// (in some zones midnight on the day summer time starts) is no local time to
// Qt, which makes it an invalid value without text: such a reading keeps its
// date and time, at the offset the clock jumped from.
QDateTime EnElReloj(const QDate& dia, const QTime& hora, Qt::TimeSpec zona = Qt::LocalTime);

// A date field's value (a date-time, or a date alone, as the ODBC driver
// hands the server's date type) on the clock: a date alone is its day at
// 00:00, where Qt's own conversion takes the first hour the clock shows.
QDateTime DeValor(const QVariant& valor);

// A day-first date ("d/m/yy", "d/m/yyyy", "-" also accepted, one separator
// throughout) with an optional time ("h:mm" or "h:mm:ss"), an ISO date-time,
// or a time alone. Two-digit years fall in 1930-2029. Nothing for any other text or an impossible date.
// In UTC the reading skips the time-zone data (what a caller that wants only
// the date and the time on the clock asks for: it costs a file look-up a call).
std::optional<QDateTime> Lee(const QString& texto, Qt::TimeSpec zona = Qt::LocalTime);

// A date (with or without time) only, as the date test of the suite: a time
// alone is not a date.
bool EsFecha(const QString& texto);

// The first day the server's date-time columns hold (their last, 31/12/9999,
// is the last a four-digit year can name).
inline constexpr int PrimerAnioDeLaBase = 1753;

// A date, as EsFecha, that the server's date-time columns can hold: a day
// before 1753 is refused there, while the embedded database would keep it.
bool EsFechaDeLaBase(const QString& texto);

// The text of a date read from the database as the regional setting shows it:
// "dd/mm/yyyy", followed by " hh:mm:ss" only when there is a time.
QString TextoRegional(const QDateTime& fecha);

}  // namespace Fechas
