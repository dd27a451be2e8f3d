#pragma once
// The system's SQL is T-SQL built by concatenation. This module reads it on
// tokens (nothing inside a quoted literal is ever touched), splits a batch into
// its statements the way the server does (no ";" needed between them) and
// rewrites each statement for SQLite. The session runs the result; transaction
// statements and IF are run by the session itself.
//
// Rewrites, each on tokens:
//   table hints        T with(nolock), T WITH ( NOLOCK, ROWLOCK ), T (nolock)  -> T
//   TOP                SELECT TOP 5 * FROM T ORDER BY A -> SELECT * FROM T ORDER BY A LIMIT 5
//                      TOP 100 PERCENT -> (dropped)
//   schema prefix      dbo.T, [dbo].T, Base.dbo.T -> T
//   admin prefix       @ADMIN_T, @Admin_T -> T
//   national literal   N'x' -> 'x'
//   collations         COLLATE SQL_Latin1_General_CP1_CI_AS -> COLLATE SINCASO (CS/BIN -> BINARY)
//   functions          ISNULL( -> ifnull(   LEN(x) -> length(rtrim(x))   getDate() -> datetime('now','localtime')
//   identity, nesting  @@IDENTITY, SCOPE_IDENTITY() -> last_insert_rowid()
//                      @@TRANCOUNT -> tervalio_trancount()  (the session's own count)
//   DELETE             DELETE T WHERE ... -> DELETE FROM T WHERE ...
//   literal collation  LTRIM(RTRIM(c)) ='x' -> LTRIM(RTRIM(c)) ='x' COLLATE SINCASO
//                      (a column wrapped in a function loses its own collation)
//   savepoints         SAVE TRAN[SACTION] p -> SAVEPOINT p   ROLLBACK TRAN[SACTION] p -> ROLLBACK TO p
// The rewrite is idempotent: its own output comes back unchanged.

#include <QSet>
#include <QString>
#include <QStringView>
#include <vector>

namespace TsqlSqlite {

// Names of the collations the session registers on every SQLite connection.
inline constexpr char16_t ColacionSinCaso[] = u"SINCASO";
inline constexpr char16_t ColacionFecha[] = u"FECHA";

enum class TipoToken { Blanco, Comentario, Texto, Identificador, Citado, Variable, Numero, Simbolo, PuntoYComa };

struct Token {
    TipoToken tipo;
    QString texto;
};

std::vector<Token> Tokeniza(QStringView sql);

// One statement of a batch, as the session runs it.
struct Sentencia {
    // Guarda is SAVE TRAN[SACTION] name; Deshace with a name goes back to that
    // savepoint only (ROLLBACK TRAN[SACTION] name), without one it undoes all.
    enum class Clase { Comun, Inicia, Confirma, Deshace, Guarda, Condicional };
    Clase clase = Clase::Comun;
    QString sql;         // Comun: the SQLite text; Condicional: a SELECT answering 1 or 0
    QString punto;       // Guarda and Deshace: the savepoint's name (empty: the whole transaction)
    QString original;    // the T-SQL text of the statement, as the caller wrote it
    std::vector<Sentencia> entonces, sino;   // Condicional only
};

// Splits and rewrites a T-SQL text. Raises Falla (102, syntax) on what cannot be
// rewritten, such as a variable the session does not know.
std::vector<Sentencia> TraduceLote(QStringView tsql);

// The rewritten text of a single statement (no splitting).
QString TraduceSentencia(QStringView tsql);

// The statements as one text the session accepts again (";" between them).
QString TextoDeLote(const std::vector<Sentencia>& lote);

// Only the "@ADMIN_" prefix resolved: what the session sends to SQL Server.
QString ResuelvePrefijos(QStringView tsql);

// The table the query reads first (after FROM), without schema or prefix.
QString TablaPrincipal(QStringView sql);

// Names given by AS in the outermost select list, case-folded.
QSet<QString> AliasExplicitos(QStringView sql);

}  // namespace TsqlSqlite
