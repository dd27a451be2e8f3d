#pragma once
// The two engines a session runs on.

#include "platform/db/conexion_bd.h"

#include <QString>
#include <memory>

// An SQLite file (the system's libsqlite3), with SQL Server's comparison rules and the
// T-SQL rewrite; BEGIN/COMMIT/ROLLBACK TRANSACTION nest as on the server. A
// missing file is created from the schema (and the demo data when asked); so
// is an empty one with rehaceVacio (the program's own file, whose creation
// was cut short). A file without tables is refused.
std::unique_ptr<MotorBD> AbreMotorSqlite(const QString& archivo, bool conDemo, bool rehaceVacio = false);

// Creates an SQLite database from the schema (and the demo data); the file
// appears only once it is complete. Raises Falla.
void CreaBaseSqlite(const QString& archivo, bool conDemo);

// SQL Server through Qt's ODBC driver; the T-SQL goes as written but for the
// "@ADMIN_" prefix.
std::unique_ptr<MotorBD> AbreMotorOdbc(const QString& cadena);

// The ODBC connection text for SQL Server through FreeTDS. The server may carry
// a port ("host,1433") or an instance ("host\\INSTANCIA").
QString CadenaOdbc(const QString& servidor, const QString& base, const QString& usuario, const QString& clave);
