#include "platform/db/motores.h"
#include "platform/db/tsql_sqlite.h"
#include "platform/eventos.h"
#include "platform/fechas.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <atomic>

namespace {

Falla fallaDe(const QSqlError& e)
{
    // The driver joins the native numbers of the server's messages; the first one counts.
    static const QRegularExpression numero(QStringLiteral("-?\\d+"));
    const auto m = numero.match(e.nativeErrorCode());
    const long n = m.hasMatch() ? m.captured().toLong() : 0;
    const QString texto = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return Falla(n ? n : 3706, texto, QStringLiteral("SesionBD"));
}

QString valorDeCadena(const QString& v)
{
    if (v.contains(u';') || v.contains(u'{') || v.contains(u'}') || v != v.trimmed())
        return u'{' + QString(v).replace(u'}', QStringLiteral("}}")) + u'}';
    return v;
}

// The FreeTDS driver by its registered name, or by its library when unixODBC
// does not list it.
QString controladorFreeTds()
{
    QFile ini(QStringLiteral("/etc/odbcinst.ini"));
    if (ini.open(QIODevice::ReadOnly) && ini.readAll().contains("[FreeTDS]"))
        return QStringLiteral("{FreeTDS}");
    for (const char* ruta : {"/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so", "/usr/lib/aarch64-linux-gnu/odbc/libtdsodbc.so",
                             "/usr/lib/odbc/libtdsodbc.so", "/usr/local/lib/libtdsodbc.so"})
        if (QFile::exists(QString::fromLatin1(ruta)))
            return QString::fromLatin1(ruta);
    return QStringLiteral("{FreeTDS}");
}

QString nivelDeAislamiento(long nivel)
{
    switch (nivel) {
    case 256:
        return QStringLiteral("READ UNCOMMITTED");
    case 65536:
        return QStringLiteral("REPEATABLE READ");
    case 1048576:
        return QStringLiteral("SERIALIZABLE");
    case 16777216:
        return QStringLiteral("SNAPSHOT");
    default:
        return QStringLiteral("READ COMMITTED");
    }
}

std::atomic<int> conexiones{0};

class MotorOdbc final : public MotorBD {
public:
    explicit MotorOdbc(const QString& cadena) : nombre_(QStringLiteral("tervalio_odbc_%1").arg(++conexiones))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), nombre_);
        if (!db.isValid())
            throw Falla(3706, QStringLiteral("No está disponible el controlador ODBC de Qt."), QStringLiteral("SesionBD"));
        db.setDatabaseName(cadena);
        db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=15"));
        if (!db.open()) {
            const Falla f = fallaDe(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(nombre_);
            throw f;
        }
        // The system writes its dates day first.
        QSqlQuery(db).exec(QStringLiteral("SET DATEFORMAT dmy"));
    }

    ~MotorOdbc() override { Cierra(); }

    QString Proveedor() const override { return QStringLiteral("SQL Server (ODBC, FreeTDS)"); }

    void Ejecuta(const QString& texto, const OpcionesMotor& opciones, long& afectadas,
                 std::shared_ptr<FilasBD>* filas) override
    {
        // The server gives no word until it answers: a text the progress
        // notice skipped is painted before waiting on it.
        Eventos::DuranteEspera(true);
        QSqlDatabase db = QSqlDatabase::database(nombre_, false);
        if (opciones.aislamiento != aislamiento_) {
            aislamiento_ = opciones.aislamiento;
            QSqlQuery(db).exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL ") + nivelDeAislamiento(aislamiento_));
        }
        if (opciones.baseDefecto != base_ && !opciones.baseDefecto.trimmed().isEmpty()) {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("USE [") + opciones.baseDefecto.trimmed().replace(u']', QStringLiteral("]]")) + u']'))
                throw fallaDe(q.lastError());
            // Only once it took: a database that failed is tried again by the next text.
            base_ = opciones.baseDefecto;
        }
        // The server runs the batch as one text: a programmed failure stands for the whole of it.
        if (opciones.inyector)
            opciones.inyector->Consulta(texto);
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
        if (!q.exec(TsqlSqlite::ResuelvePrefijos(texto)))
            throw fallaDe(q.lastError());
        do {
            if (q.isSelect()) {
                if (filas && !*filas)
                    *filas = lee(q);
            } else if (q.numRowsAffected() > 0) {
                afectadas += q.numRowsAffected();
            }
        } while (q.nextResult());
        // A later statement of the batch that failed ends the results with an
        // error of its own: the batch failed, though its first statement ran.
        if (q.lastError().type() != QSqlError::NoError)
            throw fallaDe(q.lastError());
    }

    long EjecutaConParametros(const QString& sql, const QVariantList& valores) override
    {
        QSqlQuery q(QSqlDatabase::database(nombre_, false));
        if (!q.prepare(sql))
            throw fallaDe(q.lastError());
        for (const QVariant& v : valores)
            q.addBindValue(v);
        if (!q.exec())
            throw fallaDe(q.lastError());
        return q.numRowsAffected();
    }

    QString Prepara(const QString& texto) const override { return TsqlSqlite::ResuelvePrefijos(texto); }

    // @@IDENTITY is the connection's, so it survives the end of the batch that inserted.
    QVariant UltimaIdentidad() override
    {
        QSqlQuery q(QSqlDatabase::database(nombre_, false));
        if (!q.exec(QStringLiteral("SELECT @@IDENTITY")))
            throw fallaDe(q.lastError());
        return q.next() ? q.value(0) : QVariant();
    }

    QStringList ClavePrimaria(const QString& tabla) override
    {
        const QSqlIndex clave = QSqlDatabase::database(nombre_, false).primaryIndex(tabla);
        QStringList r;
        for (int i = 0; i < clave.count(); ++i)
            r << clave.fieldName(i);
        return r;
    }

    void Cierra() override
    {
        if (nombre_.isEmpty())
            return;
        // After the application has gone, so has Qt's connection registry.
        if (!QCoreApplication::instance()) {
            nombre_.clear();
            return;
        }
        {
            QSqlDatabase db = QSqlDatabase::database(nombre_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(nombre_);
        nombre_.clear();
    }

private:
    static std::shared_ptr<FilasBD> lee(QSqlQuery& q)
    {
        auto f = std::make_shared<FilasBD>();
        const QSqlRecord r = q.record();
        f->columnas = r.count();
        for (int i = 0; i < r.count(); ++i)
            f->nombres << r.fieldName(i);
        while (q.next())
            for (int i = 0; i < f->columnas; ++i) {
                QVariant v = q.value(i);
                // The driver makes a local date-time of the server's date and
                // clock; one the local clock skips comes out invalid.
                if (v.metaType().id() == QMetaType::QDateTime && !v.isNull() && !v.toDateTime().isValid()) {
                    const QDateTime h = v.toDateTime();
                    v = Fechas::EnElReloj(h.date(), h.time());
                }
                f->celdas.push_back(v.isNull() ? QVariant() : v);
            }
        return f;
    }

    QString nombre_;
    long aislamiento_ = 4096;
    QString base_;
};

}  // namespace

QString CadenaOdbc(const QString& servidor, const QString& base, const QString& usuario, const QString& clave)
{
    QString host = servidor.trimmed();
    QString puerto;
    const qsizetype coma = host.indexOf(u',');
    if (coma >= 0) {
        puerto = host.mid(coma + 1).trimmed();
        host = host.left(coma).trimmed();
    } else if (!host.contains(u'\\')) {
        puerto = QStringLiteral("1433");
    }
    QStringList partes = {QStringLiteral("DRIVER=") + controladorFreeTds(), QStringLiteral("SERVER=") + valorDeCadena(host)};
    if (!puerto.isEmpty())
        partes << QStringLiteral("PORT=") + puerto;
    if (!base.trimmed().isEmpty())
        partes << QStringLiteral("DATABASE=") + valorDeCadena(base.trimmed());
    partes << QStringLiteral("UID=") + valorDeCadena(usuario) << QStringLiteral("PWD=") + valorDeCadena(clave)
           << QStringLiteral("TDS_Version=7.3") << QStringLiteral("ClientCharset=UTF-8");
    return partes.join(u';') + u';';
}

std::unique_ptr<MotorBD> AbreMotorOdbc(const QString& cadena)
{
    return std::make_unique<MotorOdbc>(cadena);
}
