#pragma once
// SQL Server's comparison rules on an SQLite connection.
//
// SINCASO: text compared without regard to case (all of Unicode, by case
//   folding) and ignoring trailing blanks, as the suite's server compares;
//   accented letters sort with their plain letter, ñ after n.
// FECHA:   date columns compare, sort, group and take MAX/MIN as dates, whatever
//   day-first text ("dd/mm/yy hh:mm", "dd/mm/yyyy", "dd/mm/yy") or ISO text is
//   written into them; texts that are no date sort after every date.
// like():  LIKE without regard to case over all of Unicode; trailing blanks of
//   the value do not count, as on the server.
// sum():   figures of up to four decimals add up as decimals, as on the server.
// Date columns (a declared type containing DATE) are kept in ISO form
// ("yyyy-MM-dd HH:mm:ss"), and what an UPDATE computes into a DECIMAL(p, s)
// column at its scale s, by triggers made when the database is created.

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

struct sqlite3;

namespace ReglasSqlite {

// Registers the collations and functions on the connection. tervalio_trancount()
// answers *nivelTransaccion (0 when null). False when SQLite refused one.
bool Registra(sqlite3* db, const int* nivelTransaccion);

// The text order the collations follow, as PRAGMA user_version records it in a
// file: 0 sorted accented letters by code point, after z.
inline constexpr int VersionDelOrden = 1;

// Marks a new file as written in today's order.
void MarcaVersionDelOrden(sqlite3* db);
// Rebuilds, once, the indexes of a file written in an older order (SQLite
// would search them by the new one and miss rows). Raises Falla when it cannot.
void ReordenaIndicesViejos(sqlite3* db);

// Creates the triggers that keep every date column of every table in ISO form.
// Raises Falla when SQLite refuses them.
void CreaDisparadoresDeFechas(sqlite3* db);
// Creates the triggers that round what an UPDATE writes into a DECIMAL(p, s)
// column to s decimals, as the server keeps it ("SET IMPORTE = IMPORTE + 0.1"
// three times is 0.3). Inserted literals are kept as written: a trigger on
// every insert would be compiled into every INSERT the stock posting sends.
// Raises Falla when SQLite refuses them.
void CreaDisparadoresDeDecimales(sqlite3* db);

// The comparisons themselves (<0, 0, >0).
int ComparaSinCaso(QStringView a, QStringView b);
int ComparaFechas(QStringView a, QStringView b);
bool Como(QStringView valor, QStringView patron, QChar escape = QChar());

// A day-first or ISO date, with or without time; two-digit years 00-49 are
// 2000-2049 and 50-99 are 1950-1999, as SQL Server reads them. Nothing when
// the text is no valid date.
std::optional<QDateTime> LeeFecha(QStringView texto);
QString FechaIso(const QDateTime& fecha);

}  // namespace ReglasSqlite
