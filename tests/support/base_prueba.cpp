#include "base_prueba.h"

#include "platform/db/motores.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <map>

namespace {

const QString& plantilla(BasePrueba::Datos datos)
{
    static QTemporaryDir carpeta;
    static std::map<BasePrueba::Datos, QString> hechas;
    auto it = hechas.find(datos);
    if (it == hechas.end()) {
        const QString archivo =
            carpeta.filePath(datos == BasePrueba::ConDemo ? QStringLiteral("demo.sqlite") : QStringLiteral("esquema.sqlite"));
        CreaBaseSqlite(archivo, datos == BasePrueba::ConDemo);
        it = hechas.emplace(datos, archivo).first;
    }
    return it->second;
}

}  // namespace

BasePrueba::BasePrueba(Datos datos)
    : archivo_(carpeta_.Archivo(QStringLiteral("prueba.sqlite"))), carpetaAnterior_(SesionBD::CarpetaDatos()),
      sesion_(std::make_unique<SesionBD>())
{
    QFile::copy(plantilla(datos), archivo_);
    QFile::setPermissions(archivo_, QFile::ReadOwner | QFile::WriteOwner);
    SesionBD::FijarCarpetaDatos(carpeta_.Ruta());
    Conecta(*sesion_);
}

BasePrueba::~BasePrueba()
{
    sesion_.reset();
    SesionBD::FijarCarpetaDatos(carpetaAnterior_);
}

void BasePrueba::Conecta(SesionBD& sesion) const
{
    ConectaArchivo(sesion, archivo_);
}

void BasePrueba::ConectaArchivo(SesionBD& sesion, const QString& archivo)
{
    sesion.Servidor = archivo;
    bool sinServidor = false, a = true, b = true;
    long modo = 3;
    QString cadena;
    sesion.Conectar(sinServidor, modo, cadena, a, b);
    if (!sesion.Conectado())
        throw Falla(3706, sesion.MotivoDeFalla());
}

QStringList BasePrueba::Filas(const QString& sql)
{
    return Filas(*sesion_, sql);
}

QStringList BasePrueba::Filas(SesionBD& sesion, const QString& sql)
{
    Recordset rs;
    sesion.AbreRecordset(sql, rs);
    QStringList r;
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList celdas;
        for (int i = 0; i < rs.FieldCount(); ++i) {
            const QVariant v = rs.Valor(i);
            celdas << (v.isNull() ? QStringLiteral("NULL")
                       : v.metaType().id() == QMetaType::QDateTime
                           ? v.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"))
                           : v.toString());
        }
        r << celdas.join(u'|');
    }
    return r;
}

void BasePrueba::SqlDirecto(const QString& sql) const
{
    sqlite3* db = nullptr;
    QString error;
    if (sqlite3_open(QFile::encodeName(archivo_).constData(), &db) != SQLITE_OK ||
        sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_close(db);
    if (!error.isEmpty())
        throw Falla(1, error, QStringLiteral("SqlDirecto"));
}
