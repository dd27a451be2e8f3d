#pragma once
// The suite's database-session component, in place of the closed one.
//
// How Conectar chooses the engine (the README tells the same):
//  - no server text: the embedded SQLite file "<database>.sqlite" in the user's
//    data folder ("DEMO.sqlite" when no database is named), created from the
//    schema and the demo data when missing;
//  - a server text naming a file (ending .db, .sqlite or .sqlite3, or an
//    existing path): that file, relative to the folder the program was started
//    in or absolute, created the same way when missing (but never in a folder
//    that is not there or cannot be written); Servidor then becomes its full path;
//  - any other server text: SQL Server on that host through Qt's ODBC driver and
//    FreeTDS; the T-SQL goes as written but for the "@ADMIN_" prefix;
//  - a connection text for Oracle: not built; the connection fails.
// The statistics session ("QS_ESTADISTICAS") on SQLite is the file
// "QS_ESTADISTICAS.sqlite" beside the main one, created from the schema alone.
// An SQLite session fills an empty BaseDeDatos with the file's name and an
// empty Usuario with "SUPERVISOR", so the start-up has a database and a user.

#include "platform/db/conexion_bd.h"
#include "platform/db/recordset.h"
#include "platform/falla.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// Where Conectar goes for a set of login values (the choice alone, tested apart).
struct DestinoConexion {
    enum class Motor { Sqlite, Odbc, Oracle };
    Motor motor = Motor::Sqlite;
    QString archivo;      // Sqlite: the file
    QString base;         // Sqlite: the database name the file stands for
    bool conDemo = true;  // Sqlite: a new file gets the demo data
    QString servidor;     // Sqlite: the full path the server text names, when it names one
    QString falla;        // Sqlite: why the file named cannot be opened or made
    bool propio = false;  // Sqlite: the program's own file in its data folder, made again when empty
    QString cadena;       // Odbc: the connection text
    QString proveedor;
};

// Whether a server text names an SQLite file (or the folder of one) rather than a host.
bool NombraArchivoSqlite(const QString& servidor);

DestinoConexion EligeDestino(const QString& servidor, const QString& baseDeDatos, const QString& usuario,
                             const QString& password, const QString& cadenaConexion, const QString& carpetaDatos);

class SesionBD {
    // First, so that Conexion below can refer to it.
    std::shared_ptr<ConexionBD> nucleo_;

public:
    SesionBD();
    ~SesionBD();
    SesionBD(const SesionBD&) = delete;
    SesionBD& operator=(const SesionBD&) = delete;

    static constexpr char16_t BaseEstadisticas[] = u"QS_ESTADISTICAS";
    static constexpr char16_t UsuarioEmbebido[] = u"SUPERVISOR";

    QString Servidor;
    QString BaseDeDatos;
    QString Usuario;
    QString Password;
    QString ParametroConexion;

    // The open connection (Errors, CommandTimeout, IsolationLevel, DefaultDatabase, Execute, Close).
    ConexionBD& Conexion;

    // Opens the connection; Conectado tells the outcome and MotivoDeFalla the
    // reason of a failure. The first argument, the mode and the two flags are
    // what the callers pass; the server text alone decides the engine.
    void Conectar(bool& sinServidor, long& modo, QString& cadenaConexion, bool& opcion1, bool& opcion2);
    bool Conectado() const;
    QString Proveedor() const;
    const QString& MotivoDeFalla() const { return motivo_; }
    // The SQLite file in use (empty on ODBC).
    const QString& Archivo() const { return archivo_; }

    void AbreRecordset(const QString& sql, Recordset& rs, ConexionBD* conexion = nullptr, int cursor = 0, int bloqueo = 1,
                       long opciones = -1, bool opcion = true);
    void CierraRecordset(Recordset& rs);
    // Runs a statement or a batch; stops at the first failure, which is
    // recorded in Conexion.Errors and raised.
    void Ejecuta(const QString& sql);
    void Ejecuta(const QString& sql, long& filasAfectadas, Recordset* rs = nullptr);

    // The column of the row whose key column equals the value; Null when there is none.
    // Key type 8 (and 7, dates) quotes the value, the numeric types write it as a number.
    QVariant ObtieneValor(const QString& tabla, const QVariant& valor, const QString& columna, const QString& columnaClave,
                          int tipo = 8, const QString& filtro = QString(), bool opcion1 = true, bool opcion2 = false);
    // Opens the row found by its key; soloLectura false opens it for changes.
    void AbreRegistro(const QString& tabla, const QVariant& valor, const QString& columnaClave, Recordset& rs, int tipo,
                      const QString& filtro, bool soloLectura, bool& encontrado);
    // The highest value of the column: 0 (marker "@") or an empty text when there are no rows.
    QVariant MaximoValor(const QString& tabla, const QString& columna, const QString& tipo = QStringLiteral("@"),
                         const QString& filtro = QString());

    // The SQL literal of a value: "'" quotes it (inner apostrophes doubled), "@"
    // writes a number with "." (Falla 13 for what is no finite number), an empty
    // marker writes the value as it stands. Null is NULL.
    QString ValorSQL(const QVariant& valor, const QString& tipo) const;
    // The text as the session will run it.
    QString PreparaSQL(const QString& sql) const;

    int GestionaError(const Falla& falla, const QString& procedimiento) const;
    int GestionaError(const Falla& falla, const QVariant& opcional, const QString& procedimiento) const;

    // The identity of this session's own last insert (0 before any).
    QVariant UltimaIdentidad();

    const QStringList& Bitacora() const { return Conexion.Bitacora(); }
    void LimpiaBitacora() { Conexion.LimpiaBitacora(); }

    // The folder of the embedded database; tests put a temporary one.
    static QString CarpetaDatos();
    static void FijarCarpetaDatos(const QString& carpeta);

private:
    QString condicion(const QString& columnaClave, const QVariant& valor, int tipo, const QString& filtro) const;

    QString motivo_;
    QString archivo_;
    QString proveedor_;
};
