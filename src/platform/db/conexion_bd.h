#pragma once
// The open connection of a session, as the system uses ADO's Connection:
// Errors, CommandTimeout, IsolationLevel, DefaultDatabase, Execute and Close.
//
// Every operation starts with an empty Errors collection; a statement that
// fails is recorded there (with its native number, the one callers test for:
// 2627 duplicate key, 547 reference or constraint) before it is raised as
// Falla, so a caller that ignores the exception still sees the failure.

#include "platform/db/recordset.h"
#include "platform/falla.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

struct ErrorBD {
    long Number = 0;        // the same native number: callers of both kinds read it
    long NativeError = 0;
    QString Description;
    QString Source;
};

class ErroresBD {
public:
    long Count() const { return static_cast<long>(errores_.size()); }
    const ErrorBD& Item(long i) const;
    const ErrorBD& operator[](long i) const { return Item(i); }
    void Clear() { errores_.clear(); }
    void Agrega(ErrorBD e) { errores_.push_back(std::move(e)); }

private:
    std::vector<ErrorBD> errores_;
};

// For tests: makes the session fail one statement of its choice (the Nth from
// now, or the next whose text matches a pattern) with a given native number
// and text, raised where the engine would raise a real failure: earlier
// statements of the same batch have run, later ones do not. It also counts the
// statements the engines run, armed or not. Nothing in the program arms it.
class InyectorFallas {
public:
    void FallaLaSentencia(long n, long numero, const QString& texto);
    void FallaLaQueCoincida(const QString& patron, long numero, const QString& texto);
    void Desarma() { modo_ = Modo::Ninguno; }
    bool Armado() const { return modo_ != Modo::Ninguno; }
    // Statements run since the last PonerACero.
    long Contadas() const { return contadas_; }
    void PonerACero() { contadas_ = 0; }
    // Called by the engines before each statement; raises the programmed
    // failure once, then disarms.
    void Consulta(const QString& sentencia);
    // Shown each statement before it runs, armed or not (a test looks at the
    // database as it stood before each one).
    std::function<void(const QString& sentencia)> Observador;

private:
    enum class Modo { Ninguno, PorNumero, PorPatron };
    Modo modo_ = Modo::Ninguno;
    long restantes_ = 0;
    QString patron_;
    long numero_ = 0;
    QString texto_;
    long contadas_ = 0;
};

// What a connection keeps for the engine to apply before it runs a text.
struct OpcionesMotor {
    long tiempoEspera = 30;   // seconds
    long aislamiento = 4096;  // ADO's levels: 256 read uncommitted, 4096 read committed, ...
    QString baseDefecto;
    InyectorFallas* inyector = nullptr;
};

// What an engine holds open between two calls (tests look for leftovers).
struct EstadoMotor {
    int sentenciasVivas = 0;    // prepared statements not yet finalized
    bool enTransaccion = false; // the engine's own transaction is open
    int nivel = 0;              // the nesting count BEGIN TRANSACTION keeps
    int anticipadas = 0;        // reads started ahead, not yet taken
};

// The native number SQL Server gives a deadlock victim; its transaction is rolled back.
constexpr long FallaPorInterbloqueo = 1205;

// The engine behind a connection: SQLite (with the T-SQL rewrite) or ODBC.
class MotorBD {
public:
    virtual ~MotorBD() = default;
    virtual QString Proveedor() const = 0;
    // Runs a statement or a batch; the first result with columns goes into
    // *filas when asked. Raises Falla with the native number.
    virtual void Ejecuta(const QString& texto, const OpcionesMotor& opciones, long& afectadas,
                         std::shared_ptr<FilasBD>* filas) = 0;
    virtual long EjecutaConParametros(const QString& sql, const QVariantList& valores) = 0;
    virtual QString Prepara(const QString& texto) const = 0;
    virtual QVariant UltimaIdentidad() = 0;
    virtual QStringList ClavePrimaria(const QString& tabla) = 0;
    virtual void Cierra() = 0;
    // May start reading a text that will be sent soon; by default nothing.
    virtual void Anticipa(const QString&) {}
    virtual EstadoMotor Estado() const { return {}; }
};

class ConexionBD : public std::enable_shared_from_this<ConexionBD> {
public:
    ConexionBD();
    ~ConexionBD();

    ErroresBD Errors;
    long CommandTimeout = 30;
    long IsolationLevel = 4096;
    QString DefaultDatabase;

    Recordset Execute(const QString& sql, long* filasAfectadas = nullptr, long opciones = -1);
    void Close();
    bool Abierta() const { return motor_ != nullptr; }

    // Runs a text; its first result goes into *filas when asked.
    void Ejecuta(const QString& sql, long& afectadas, std::shared_ptr<FilasBD>* filas);
    long EjecutaConParametros(const QString& sql, const QVariantList& valores);
    // A read the caller will send next may start meanwhile: nothing is logged
    // or raised here; the text, when sent, is logged and fails as ever.
    void Anticipa(const QString& sql);
    QStringList ClavePrimaria(const QString& tabla);
    QVariant UltimaIdentidad();
    QString Prepara(const QString& sql) const;
    QString Proveedor() const;
    // Tests only: what the engine holds open now (nothing for a closed connection).
    EstadoMotor Estado() const { return motor_ ? motor_->Estado() : EstadoMotor{}; }

    // Every text sent, as the caller sent it (the newest last).
    const QStringList& Bitacora() const { return bitacora_; }
    void LimpiaBitacora()
    {
        bitacora_.clear();
        caracteresBitacora_ = 0;
    }

    void Instala(std::unique_ptr<MotorBD> motor);

    // Tests only: programmed failures and the count of statements run.
    InyectorFallas Inyector;

private:
    MotorBD& motor();
    void anota(const QString& texto);
    [[noreturn]] void registraYLanza(const Falla& falla);

    std::unique_ptr<MotorBD> motor_;
    QStringList bitacora_;
    qsizetype caracteresBitacora_ = 0;
};

// A failure of the session that is not the database's (closed connection, bad argument).
Falla FallaDeSesion(long numero, const QString& descripcion);
