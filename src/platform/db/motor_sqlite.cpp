#include "platform/db/motores.h"
#include "platform/db/reglas_sqlite.h"
#include "platform/db/tsql_sqlite.h"
#include "platform/eventos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <sqlite3.h>
#include <thread>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr long SinTransaccionParaConfirmar = 3902;
constexpr long SinTransaccionParaDeshacer = 3903;
constexpr long GuardaSinTransaccion = 628;
constexpr long PuntoInexistente = 6401;

// A savepoint statement with the name quoted as an identifier.
QByteArray puntoSql(const char* verbo, const QString& punto)
{
    QString n = punto;
    n.replace(u'"', QStringLiteral("\"\""));
    return QByteArray(verbo) + '"' + n.toUtf8() + '"';
}

// SQLite's failures with the numbers SQL Server gives the same failure.
Falla fallaDe(sqlite3* db)
{
    const int ext = sqlite3_extended_errcode(db);
    const QString msg = QString::fromUtf8(sqlite3_errmsg(db));
    auto falla = [&](long n, const QString& texto) { return Falla(n, texto.arg(msg), QStringLiteral("SesionBD")); };
    switch (ext) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return falla(2627, QStringLiteral("Infracción de la restricción de clave: no se puede insertar una clave duplicada (%1)."));
    case SQLITE_CONSTRAINT_FOREIGNKEY:
    case SQLITE_CONSTRAINT_CHECK:
        return falla(547, QStringLiteral("La instrucción entra en conflicto con una restricción (%1)."));
    case SQLITE_CONSTRAINT_NOTNULL:
        return falla(515, QStringLiteral("No se puede insertar el valor NULL en la columna (%1)."));
    default:
        break;
    }
    switch (ext & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return falla(1222, QStringLiteral("Se superó el tiempo de espera del bloqueo (%1)."));
    // A failing disk or file is told as the server tells it, not in SQLite's English.
    case SQLITE_IOERR:
        return falla(823, QStringLiteral("Error de entrada o salida del disco al leer o escribir la base de datos (%1)."));
    case SQLITE_FULL:
        return falla(1105, QStringLiteral("No hay espacio en el disco para escribir en la base de datos (%1)."));
    case SQLITE_READONLY:
        return falla(3906, QStringLiteral("No se puede escribir en la base de datos: el archivo es de solo lectura, o fue "
                                          "borrado o reemplazado mientras estaba abierto (%1)."));
    case SQLITE_CANTOPEN:
        return falla(5120, QStringLiteral("No se puede abrir un archivo de la base de datos o su diario; la carpeta "
                                          "puede ser de solo lectura (%1)."));
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return falla(824, QStringLiteral("El archivo de la base de datos está dañado (%1)."));
    case SQLITE_ERROR:
        if (msg.startsWith(u"no such table"))
            return falla(208, QStringLiteral("El nombre de objeto no es válido (%1)."));
        if (msg.startsWith(u"no such column"))
            return falla(207, QStringLiteral("El nombre de columna no es válido (%1)."));
        if (msg.contains(u"syntax error"))
            return falla(102, QStringLiteral("Sintaxis incorrecta (%1)."));
        if (msg.startsWith(u"no such function"))
            return falla(195, QStringLiteral("No es un nombre de función integrada reconocido (%1)."));
        break;
    default:
        break;
    }
    // A trigger's own text is the schema's message, as the server's RAISERROR.
    if (ext == SQLITE_CONSTRAINT_TRIGGER)
        return falla(ext, QStringLiteral("%1"));
    // Any other refusal keeps SQLite's number; its English words go in brackets.
    return falla(ext, QStringLiteral("La base de datos no pudo ejecutar la instrucción (%1)."));
}

void ejecutaSimple(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw fallaDe(db);
}

QByteArray recurso(const QString& nombre)
{
    QFile f(nombre);
    if (!f.open(QIODevice::ReadOnly))
        throw Falla(53, QStringLiteral("No se encuentra el recurso %1 del programa.").arg(nombre), QStringLiteral("SesionBD"));
    return f.readAll();
}

// How a column's values come back.
enum class Lectura { Comun, Fecha, Logico, Libre };

Lectura lecturaDe(const char* tipoDeclarado)
{
    if (!tipoDeclarado)
        return Lectura::Libre;
    const QByteArray t = QByteArray(tipoDeclarado).toUpper();
    if (t.contains("DATE"))
        return Lectura::Fecha;
    if (t == "BIT" || t.startsWith("BOOL"))
        return Lectura::Logico;
    return Lectura::Comun;
}

// The ISO form the date triggers and datetime('now') write.
bool pareceFechaIso(QStringView s)
{
    return (s.size() == 19 || s.size() == 23) && s[4] == u'-' && s[7] == u'-' && s[10] == u' ' && s[13] == u':' &&
           s[16] == u':';
}

// The texts of one column, kept while they repeat: codes and descriptions of
// joined tables come back row after row, and a repeated one shares the text
// already made instead of decoding and allocating it again. A column that
// turns out to hold too many different texts stops being kept.
class TextosRepetidos {
public:
    QString Texto(const char* p, int n)
    {
        if (n == 0)
            return QString(reinterpret_cast<const QChar*>(u""), 0);   // empty, not null, as ever
        if (!activo_ || n > Largo)
            return QString::fromUtf8(p, n);
        if (ranuras_.empty())
            ranuras_.assign(Ranuras, 0);
        size_t i = qHashBits(p, size_t(n)) & (Ranuras - 1);
        for (; ranuras_[i]; i = (i + 1) & (Ranuras - 1)) {
            const Entrada& e = entradas_[size_t(ranuras_[i] - 1)];
            if (e.bytes.size() == n && std::memcmp(e.bytes.constData(), p, size_t(n)) == 0)
                return e.texto;
        }
        QString texto = QString::fromUtf8(p, n);
        if (entradas_.size() >= Ranuras / 2) {
            activo_ = false;
            ranuras_ = {};
            entradas_ = {};
            return texto;
        }
        entradas_.push_back({QByteArray(p, n), texto});
        ranuras_[i] = int(entradas_.size());
        return texto;
    }

private:
    static constexpr int Largo = 64;
    static constexpr size_t Ranuras = 4096;
    struct Entrada {
        QByteArray bytes;
        QString texto;
    };
    bool activo_ = true;
    std::vector<int> ranuras_;
    std::vector<Entrada> entradas_;
};

// A result's cells as SQLite hands them over: numbers as they are, texts and
// blobs as their bytes, one after another. A cell becomes a value each time it
// is read, by its column's reading; a text read again before its column reads
// another (the same cell, or the same text on the rows after) is the value
// already made. Keeping every value made would cost a full read twice over.
class CeldasSqlite final : public CeldasDiferidas {
public:
    explicit CeldasSqlite(std::vector<Lectura> lectura)
        : lectura_(std::move(lectura)), ultimas_(lectura_.size()), repetidos_(lectura_.size())
    {
    }

    // The statement's current row, every column.
    void AgregaFila(sqlite3_stmt* st)
    {
        const size_t columnas = lectura_.size();
        for (size_t c = 0; c < columnas; ++c) {
            const int i = int(c);
            Cruda cruda{0, 0, static_cast<std::uint8_t>(sqlite3_column_type(st, i))};
            switch (cruda.tipo) {
            case SQLITE_INTEGER: {
                const sqlite3_int64 v = sqlite3_column_int64(st, i);
                std::memcpy(&cruda.valor, &v, sizeof v);
                break;
            }
            case SQLITE_FLOAT: {
                const double v = sqlite3_column_double(st, i);
                std::memcpy(&cruda.valor, &v, sizeof v);
                break;
            }
            case SQLITE_NULL:
                break;
            default: {
                // UTF-8 is how the file holds a text: no conversion inside SQLite.
                const char* p = cruda.tipo == SQLITE_TEXT ? reinterpret_cast<const char*>(sqlite3_column_text(st, i))
                                                          : static_cast<const char*>(sqlite3_column_blob(st, i));
                cruda.largo = static_cast<std::uint32_t>(sqlite3_column_bytes(st, i));
                if (celdas_.size() >= columnas) {
                    const Cruda& antes = celdas_[celdas_.size() - columnas];
                    if (antes.tipo == cruda.tipo && antes.largo == cruda.largo &&
                        (cruda.largo == 0 || std::memcmp(bytes_.data() + antes.valor, p, cruda.largo) == 0)) {
                        cruda.valor = antes.valor;
                        break;
                    }
                }
                cruda.valor = bytes_.size();
                bytes_.insert(bytes_.end(), p, p + cruda.largo);
                break;
            }
            }
            celdas_.push_back(cruda);
        }
    }

    size_t Cuantas() const override { return celdas_.size(); }

    QVariant Celda(size_t i) const override
    {
        const Cruda& c = celdas_[i];
        const size_t columna = i % lectura_.size();
        const Lectura l = lectura_[columna];
        switch (c.tipo) {
        case SQLITE_NULL:
            return QVariant();
        case SQLITE_INTEGER: {
            sqlite3_int64 v;
            std::memcpy(&v, &c.valor, sizeof v);
            if (l == Lectura::Logico)
                return QVariant(v != 0);
            if (v >= INT_MIN && v <= INT_MAX)
                return QVariant(static_cast<int>(v));
            return QVariant(static_cast<qlonglong>(v));
        }
        case SQLITE_FLOAT: {
            double v;
            std::memcpy(&v, &c.valor, sizeof v);
            return QVariant(v);
        }
        case SQLITE_TEXT: {
            Ultima& u = ultimas_[columna];
            if (!u.hecha || u.desde != c.valor || u.largo != c.largo)
                u = {true, c.valor, c.largo, texto(c, columna)};
            return u.valor;
        }
        default:
            // SQLite hands a blob of no bytes as no pointer at all.
            return c.largo == 0 ? QVariant(QByteArray()) : QVariant(QByteArray(bytes_.data() + c.valor, qsizetype(c.largo)));
        }
    }

private:
    struct Cruda {
        std::uint64_t valor;   // the number's bits, or where the bytes start
        std::uint32_t largo;   // bytes of a text or blob
        std::uint8_t tipo;     // SQLite's
    };
    // The value a column's text was made last, while the next rows repeat it.
    struct Ultima {
        bool hecha = false;
        std::uint64_t desde = 0;
        std::uint32_t largo = 0;
        QVariant valor;
    };

    QVariant texto(const Cruda& c, size_t columna) const
    {
        const Lectura l = lectura_[columna];
        QString texto = repetidos_[columna].Texto(bytes_.data() + c.valor, int(c.largo));
        if (l == Lectura::Fecha || (l == Lectura::Libre && pareceFechaIso(texto))) {
            // A local date-time costs a time-zone look-up; columns repeat their dates.
            const auto visto = fechas_.constFind(texto);
            if (visto != fechas_.constEnd())
                return QVariant(visto.value());
            if (const auto fecha = ReglasSqlite::LeeFecha(texto)) {
                if (fechas_.size() < 8192)
                    fechas_.insert(texto, *fecha);
                return QVariant(*fecha);
            }
        }
        return QVariant(std::move(texto));
    }

    std::vector<Lectura> lectura_;
    std::vector<Cruda> celdas_;
    std::vector<char> bytes_;
    mutable std::vector<Ultima> ultimas_;
    // Texts met again further down share the value already made, as the rows
    // of a list then share their texts.
    mutable std::vector<TextosRepetidos> repetidos_;
    mutable QHash<QString, QDateTime> fechas_;
};

class Sentencia {
public:
    Sentencia(sqlite3* db, const char* desde, const char* hasta, const char** cola) : db_(db)
    {
        if (sqlite3_prepare_v2(db, desde, static_cast<int>(hasta - desde), &st_, cola) != SQLITE_OK)
            throw fallaDe(db);
    }
    ~Sentencia() { sqlite3_finalize(st_); }
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;
    sqlite3_stmt* st() const { return st_; }
    bool paso()
    {
        const int rc = sqlite3_step(st_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throw fallaDe(db_);
        return false;
    }

private:
    sqlite3* db_;
    sqlite3_stmt* st_ = nullptr;
};

void enlaza(sqlite3* db, sqlite3_stmt* st, int i, const QVariant& v)
{
    int rc;
    if (v.isNull() || !v.isValid()) {
        rc = sqlite3_bind_null(st, i);
    } else {
        switch (v.metaType().id()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(st, i, v.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Long:
        case QMetaType::Short:
            rc = sqlite3_bind_int64(st, i, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(st, i, v.toDouble());
            break;
        case QMetaType::QDateTime:
        case QMetaType::QDate: {
            const QByteArray t = ReglasSqlite::FechaIso(v.toDateTime()).toUtf8();
            rc = sqlite3_bind_text(st, i, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            rc = sqlite3_bind_blob(st, i, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QString t = v.toString();
            rc = sqlite3_bind_text16(st, i, t.utf16(), static_cast<int>(t.size() * 2), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        throw fallaDe(db);
}

// Every row of a prepared statement that returns columns.
std::shared_ptr<FilasBD> LeeFilas(Sentencia& s, int columnas)
{
    auto f = std::make_shared<FilasBD>();
    f->columnas = columnas;
    std::vector<Lectura> lectura(static_cast<size_t>(columnas));
    for (int i = 0; i < columnas; ++i) {
        f->nombres << QString::fromUtf16(static_cast<const char16_t*>(sqlite3_column_name16(s.st(), i)));
        lectura[static_cast<size_t>(i)] = lecturaDe(sqlite3_column_decltype(s.st(), i));
    }
    auto celdas = std::make_unique<CeldasSqlite>(std::move(lectura));
    while (s.paso())
        celdas->AgregaFila(s.st());
    f->diferidas = std::move(celdas);
    return f;
}

// A read started ahead, in a thread and on a read-only connection of its own,
// so that what the window asks for next is ready when it asks. Only one
// SELECT goes ahead; when it cannot (not a read, a failure) nothing is kept
// and the session reads as ever, failure included.
class LecturaAnticipada {
public:
    LecturaAnticipada(const QByteArray& archivo, QString texto, const QString& sql, long long version)
        : texto_(std::move(texto)), version_(version),
          hilo_([this, archivo, u = sql.toUtf8()] { lee(archivo, u); })
    {
    }

    ~LecturaAnticipada()
    {
        {
            const std::lock_guard<std::mutex> l(m_);
            cancelada_ = true;
            if (db_)
                sqlite3_interrupt(db_);
        }
        if (hilo_.joinable())
            hilo_.join();
    }
    LecturaAnticipada(const LecturaAnticipada&) = delete;
    LecturaAnticipada& operator=(const LecturaAnticipada&) = delete;

    const QString& Texto() const { return texto_; }
    long long Version() const { return version_; }

    // Waits for the read, the window painting meanwhile as during any long
    // statement; no rows when it could not be made.
    std::shared_ptr<FilasBD> Toma(QString& sentencia)
    {
        {
            std::unique_lock<std::mutex> l(m_);
            while (!hecha_) {
                cv_.wait_for(l, std::chrono::milliseconds(10));
                l.unlock();
                Eventos::DuranteEspera();
                l.lock();
            }
        }
        hilo_.join();
        sentencia = sentencia_;
        return std::move(filas_);
    }

private:
    void lee(const QByteArray& archivo, const QByteArray& sql)
    {
        static const int sinTransaccion = 0;
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(archivo.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) ==
                SQLITE_OK &&
            ReglasSqlite::Registra(db, &sinTransaccion)) {
            bool sigue;
            {
                const std::lock_guard<std::mutex> l(m_);
                sigue = !cancelada_;
                db_ = db;
            }
            try {
                const char* fin = sql.constData() + sql.size();
                const char* cola = nullptr;
                if (sigue) {
                    sqlite3_exec(db, "PRAGMA threads = 4", nullptr, nullptr, nullptr);
                    Sentencia st(db, sql.constData(), fin, &cola);
                    const bool sola = cola && QByteArray(cola, fin - cola).trimmed().isEmpty();
                    const int columnas = st.st() ? sqlite3_column_count(st.st()) : 0;
                    if (sola && columnas > 0 && sqlite3_stmt_readonly(st.st())) {
                        sentencia_ = QString::fromUtf8(sqlite3_sql(st.st()));
                        filas_ = LeeFilas(st, columnas);
                    }
                }
            } catch (...) {
                // Nothing kept: the session reads the text itself, and fails there.
                filas_.reset();
            }
            const std::lock_guard<std::mutex> l(m_);
            db_ = nullptr;
        }
        sqlite3_close(db);
        const std::lock_guard<std::mutex> l(m_);
        hecha_ = true;
        cv_.notify_all();
    }

    const QString texto_;       // as the session will send it
    const long long version_;   // of the file when it was asked for
    std::mutex m_;
    std::condition_variable cv_;
    sqlite3* db_ = nullptr;     // the helper's connection while it reads
    bool cancelada_ = false;
    bool hecha_ = false;
    QString sentencia_;
    std::shared_ptr<FilasBD> filas_;
    std::thread hilo_;          // last: it starts once the rest is made
};

// A large result is tens of megabytes of cells, allocated while it is read
// and freed when its recordset closes. The C library hands blocks that size
// back to the system at once, and the next read pays to have its pages
// faulted in and cleared again: they are kept in the heap for the next one.
void ConservaBloquesGrandes()
{
#ifdef __GLIBC__
    static const bool hecho = [] {
        constexpr int Tope = 256 * 1024 * 1024;
        mallopt(M_MMAP_THRESHOLD, Tope);
        mallopt(M_TRIM_THRESHOLD, Tope);
        return true;
    }();
    (void)hecho;
#endif
}

class MotorSqlite final : public MotorBD {
public:
    // SQLite is opened directly, not through Qt's driver: the same library, and
    // no driver registry that may already be gone when a session outlives the
    // application (the statistics session ends with the process).
    explicit MotorSqlite(const QString& archivo)
    {
        ConservaBloquesGrandes();
        // A connection is used by one thread: SQLite's locking on every call is left out.
        if (sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                            nullptr) != SQLITE_OK) {
            const QString motivo = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString();
            sqlite3_close(db_);
            db_ = nullptr;
            throw Falla(3706, QStringLiteral("No se pudo abrir la base de datos %1: %2").arg(archivo, motivo),
                        QStringLiteral("SesionBD"));
        }
        try {
            if (!ReglasSqlite::Registra(db_, &nivel_))
                throw fallaDe(db_);
            ejecutaSimple(db_, "PRAGMA foreign_keys = ON; PRAGMA recursive_triggers = OFF");
            // A sort too large for the page cache goes in runs, and helper
            // threads sort the runs side by side: a whole catalogue sorted or
            // grouped takes a fifth less. The order of the result is the same
            // from one run to the next.
            ejecutaSimple(db_, "PRAGMA threads = 4");
            // A long statement lets the progress notice paint its last text
            // (a few thousand steps are some tens of microseconds).
            sqlite3_progress_handler(
                db_, 4000,
                [](void*) {
                    Eventos::DuranteEspera();
                    return 0;
                },
                nullptr);
            // A file that is no database fails here, not at the first query; an
            // empty one (SQLite takes it for a new database) holds none of the
            // program's tables and fails too.
            static const char tablas[] = "SELECT count(*) FROM sqlite_master WHERE type = 'table'";
            if (Sentencia s(db_, tablas, tablas + sizeof tablas - 1, nullptr);
                !s.paso() || sqlite3_column_int(s.st(), 0) == 0)
                throw Falla(3706, QStringLiteral("el archivo está vacío, no es una base de datos del programa"),
                            QStringLiteral("SesionBD"));
            // Waits a while for another copy of the program that holds the file.
            sqlite3_busy_timeout(db_, 30000);
            ReglasSqlite::ReordenaIndicesViejos(db_);
            sqlite3_busy_timeout(db_, 0);
        } catch (const Falla& f) {
            sqlite3_close(db_);
            db_ = nullptr;
            throw Falla(f.Numero, QStringLiteral("No se pudo abrir la base de datos %1: %2").arg(archivo, f.Descripcion),
                        QStringLiteral("SesionBD"));
        }
    }

    ~MotorSqlite() override { Cierra(); }

    QString Proveedor() const override { return QStringLiteral("SQLite"); }

    EstadoMotor Estado() const override
    {
        EstadoMotor e;
        if (!db_)
            return e;
        for (sqlite3_stmt* st = sqlite3_next_stmt(db_, nullptr); st; st = sqlite3_next_stmt(db_, st))
            ++e.sentenciasVivas;
        e.enTransaccion = !sqlite3_get_autocommit(db_);
        e.nivel = nivel_;
        e.anticipadas = int(anticipadas_.size());
        return e;
    }

    void Ejecuta(const QString& texto, const OpcionesMotor& opciones, long& afectadas,
                 std::shared_ptr<FilasBD>* filas) override
    {
        if (opciones.tiempoEspera != espera_) {
            espera_ = opciones.tiempoEspera;
            sqlite3_busy_timeout(db_, static_cast<int>(std::clamp(espera_, 0L, 86400L) * 1000));
        }
        inyector_ = opciones.inyector;
        if (filas && !*filas && tomaAnticipada(texto, *filas))
            return;
        const auto lote = TsqlSqlite::TraduceLote(texto);
        try {
            for (const auto& s : lote)
                corre(s, afectadas, filas);
        } catch (...) {
            // A COMMIT the disk refused ends the transaction: the next BEGIN opens one again.
            vigilaTransaccion();
            throw;
        }
    }

    void Anticipa(const QString& texto) override
    {
        // Inside a transaction another connection would not see what it wrote.
        if (nivel_ > 0 || anticipadas_.size() >= MaximoAnticipadas)
            return;
        for (const auto& a : anticipadas_)
            if (a->Texto() == texto)
                return;
        const auto lote = TsqlSqlite::TraduceLote(texto);
        if (lote.size() != 1 || lote[0].clase != TsqlSqlite::Sentencia::Clase::Comun)
            return;
        const long long version = versionDelArchivo();
        if (version < 0)
            return;
        anticipadas_.push_back(std::make_unique<LecturaAnticipada>(QByteArray(sqlite3_db_filename(db_, "main")), texto,
                                                                   lote[0].sql, version));
    }

    long EjecutaConParametros(const QString& sql, const QVariantList& valores) override
    {
        anticipadas_.clear();
        const QByteArray u = sql.toUtf8();
        Sentencia s(db_, u.constData(), u.constData() + u.size(), nullptr);
        for (int i = 0; i < valores.size(); ++i)
            enlaza(db_, s.st(), i + 1, valores[i]);
        try {
            while (s.paso()) {
            }
        } catch (...) {
            vigilaTransaccion();
            throw;
        }
        return sqlite3_changes(db_);
    }

    QString Prepara(const QString& texto) const override
    {
        return TsqlSqlite::TextoDeLote(TsqlSqlite::TraduceLote(texto));
    }

    QVariant UltimaIdentidad() override { return QVariant(static_cast<qlonglong>(sqlite3_last_insert_rowid(db_))); }

    QStringList ClavePrimaria(const QString& tabla) override
    {
        const QByteArray sql = (QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk > 0 ORDER BY pk")).toUtf8();
        Sentencia s(db_, sql.constData(), sql.constData() + sql.size(), nullptr);
        enlaza(db_, s.st(), 1, tabla);
        QStringList r;
        while (s.paso())
            r << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s.st(), 0)));
        return r;
    }

    void Cierra() override
    {
        anticipadas_.clear();
        if (!db_)
            return;
        // The server undoes what a closed connection left open.
        if (nivel_ > 0)
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        nivel_ = 0;
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }

private:
    void corre(const TsqlSqlite::Sentencia& s, long& afectadas, std::shared_ptr<FilasBD>* filas)
    {
        using Clase = TsqlSqlite::Sentencia::Clase;
        // Transaction statements are statements too: a commit can fail where the server's would.
        if (inyector_ && (s.clase == Clase::Inicia || s.clase == Clase::Confirma || s.clase == Clase::Deshace))
            programada(s.original);
        switch (s.clase) {
        case Clase::Inicia:
            // A transaction is opened to write: it takes the write lock at once,
            // waiting for another writer as long as the time-out allows. One
            // that only read first could not take it later without failing at
            // once, after reading what the other was about to change.
            if (nivel_ == 0)
                ejecutaSimple(db_, "BEGIN IMMEDIATE");
            ++nivel_;
            return;
        case Clase::Confirma:
            if (nivel_ == 0)
                throw Falla(SinTransaccionParaConfirmar,
                            QStringLiteral("La solicitud COMMIT TRANSACTION no tiene la correspondiente BEGIN TRANSACTION."),
                            QStringLiteral("SesionBD"));
            if (nivel_ == 1)
                ejecutaSimple(db_, "COMMIT");
            --nivel_;
            return;
        case Clase::Deshace:
            if (nivel_ == 0)
                throw Falla(SinTransaccionParaDeshacer,
                            QStringLiteral("La solicitud ROLLBACK TRANSACTION no tiene la correspondiente BEGIN TRANSACTION."),
                            QStringLiteral("SesionBD"));
            if (!s.punto.isEmpty()) {
                // Back to the savepoint; the transaction and its count stay, as on the server.
                if (sqlite3_exec(db_, puntoSql("ROLLBACK TO ", s.punto).constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
                    throw Falla(PuntoInexistente,
                                QStringLiteral("No se puede revertir %1. No se encontró ninguna transacción ni punto de "
                                               "almacenamiento con ese nombre.")
                                    .arg(s.punto),
                                QStringLiteral("SesionBD"));
                return;
            }
            nivel_ = 0;
            ejecutaSimple(db_, "ROLLBACK");
            return;
        case Clase::Guarda:
            if (nivel_ == 0)
                throw Falla(GuardaSinTransaccion,
                            QStringLiteral("No se puede emitir SAVE TRANSACTION cuando no hay ninguna transacción activa."),
                            QStringLiteral("SesionBD"));
            ejecutaSimple(db_, puntoSql("SAVEPOINT ", s.punto).constData());
            return;
        case Clase::Condicional: {
            std::shared_ptr<FilasBD> r;
            long ninguna = 0;
            sql(QStringLiteral("SELECT CASE WHEN (") + s.sql + QStringLiteral(") THEN 1 ELSE 0 END"), ninguna, &r);
            const bool cierto = r && r->Filas() > 0 && r->Celda(0, 0).toInt() != 0;
            for (const auto& rama : cierto ? s.entonces : s.sino)
                corre(rama, afectadas, filas);
            return;
        }
        case Clase::Comun:
            sql(s.sql, afectadas, filas);
            return;
        }
    }

    // A programmed failure raised where the statement would fail; a deadlock
    // victim loses its whole transaction, as on the server.
    void programada(const QString& sentencia)
    {
        try {
            inyector_->Consulta(sentencia);
        } catch (const Falla& f) {
            if (f.Numero == FallaPorInterbloqueo && nivel_ > 0) {
                sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
                nivel_ = 0;
            }
            throw;
        }
    }

    // A failure that ended the transaction on its own leaves nothing to nest.
    void vigilaTransaccion()
    {
        if (nivel_ > 0 && sqlite3_get_autocommit(db_))
            nivel_ = 0;
    }

    void sql(const QString& texto, long& afectadas, std::shared_ptr<FilasBD>* filas)
    {
        const QByteArray u = texto.toUtf8();
        const char* p = u.constData();
        const char* fin = p + u.size();
        try {
            while (p < fin) {
                const char* cola = nullptr;
                Sentencia s(db_, p, fin, &cola);
                p = cola;
                if (!s.st())
                    continue;
                // A write makes what was read ahead stale (and waits for those reads to stop).
                if (!anticipadas_.empty() && !sqlite3_stmt_readonly(s.st()))
                    anticipadas_.clear();
                if (inyector_)
                    programada(QString::fromUtf8(sqlite3_sql(s.st())));
                const int columnas = sqlite3_column_count(s.st());
                if (columnas > 0 && filas && !*filas) {
                    *filas = LeeFilas(s, columnas);
                } else {
                    while (s.paso()) {
                    }
                    if (columnas == 0 && !sqlite3_stmt_readonly(s.st()))
                        afectadas += sqlite3_changes(db_);
                }
            }
        } catch (...) {
            vigilaTransaccion();
            throw;
        }
    }

    // What was read ahead for this text, when it still holds: the file is as it
    // was when the read was asked for (another connection's commit changes its
    // version; a write of this one has thrown the read away).
    bool tomaAnticipada(const QString& texto, std::shared_ptr<FilasBD>& filas)
    {
        const auto it = std::find_if(anticipadas_.begin(), anticipadas_.end(),
                                     [&](const auto& a) { return a->Texto() == texto; });
        if (it == anticipadas_.end())
            return false;
        const std::unique_ptr<LecturaAnticipada> a = std::move(*it);
        anticipadas_.erase(it);
        if (a->Version() != versionDelArchivo())
            return false;
        QString sentencia;
        auto leidas = a->Toma(sentencia);
        if (!leidas)
            return false;
        if (inyector_)
            programada(sentencia);
        filas = std::move(leidas);
        return true;
    }

    // -1 when it cannot be read: nothing is read ahead, nor taken.
    long long versionDelArchivo()
    {
        static const char version[] = "PRAGMA data_version";
        try {
            Sentencia s(db_, version, version + sizeof version - 1, nullptr);
            return s.paso() ? sqlite3_column_int64(s.st(), 0) : -1;
        } catch (const Falla&) {
            return -1;
        }
    }

    static constexpr size_t MaximoAnticipadas = 4;

    sqlite3* db_ = nullptr;
    int nivel_ = 0;
    long espera_ = -1;
    InyectorFallas* inyector_ = nullptr;
    std::vector<std::unique_ptr<LecturaAnticipada>> anticipadas_;
};

}  // namespace

void CreaBaseSqlite(const QString& archivo, bool conDemo)
{
    const QFileInfo info(archivo);
    QDir().mkpath(info.absolutePath());
    const QString provisorio = info.absoluteFilePath() + QStringLiteral(".creando");
    QFile::remove(provisorio);
    sqlite3* db = nullptr;
    try {
        if (sqlite3_open_v2(QFile::encodeName(provisorio).constData(), &db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            throw fallaDe(db);
        if (!ReglasSqlite::Registra(db, nullptr))
            throw fallaDe(db);
        ejecutaSimple(db, "BEGIN");
        ejecutaSimple(db, recurso(QStringLiteral(":/data/schema.sql")).constData());
        ReglasSqlite::CreaDisparadoresDeFechas(db);
        ReglasSqlite::CreaDisparadoresDeDecimales(db);
        ReglasSqlite::MarcaVersionDelOrden(db);
        if (conDemo)
            ejecutaSimple(db, recurso(QStringLiteral(":/data/demo.sql")).constData());
        ejecutaSimple(db, "COMMIT");
        sqlite3_close(db);
        db = nullptr;
        QFile::remove(archivo);
        if (!QFile::rename(provisorio, archivo))
            throw Falla(75, QStringLiteral("No se puede escribir %1.").arg(archivo), QStringLiteral("SesionBD"));
    } catch (const Falla& f) {
        if (db)
            sqlite3_close(db);
        QFile::remove(provisorio);
        throw Falla(f.Numero, QStringLiteral("No se pudo crear la base de datos %1: %2").arg(archivo, f.Descripcion),
                    QStringLiteral("SesionBD"));
    }
}

std::unique_ptr<MotorBD> AbreMotorSqlite(const QString& archivo, bool conDemo, bool rehaceVacio)
{
    const QFileInfo info(archivo);
    if (!info.exists() || (rehaceVacio && info.isFile() && info.size() == 0))
        CreaBaseSqlite(archivo, conDemo);
    return std::make_unique<MotorSqlite>(archivo);
}
