#include "platform/db/sesion_bd.h"

#include "platform/db/motores.h"
#include "platform/numeros.h"
#include "platform/utilidades_comunes.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cmath>

namespace {

QString& carpetaFijada()
{
    static QString carpeta;
    return carpeta;
}

const QString& nombreEmbebido()
{
    static const QString n = QStringLiteral("DEMO");
    return n;
}

QString nombreDeArchivo(const QString& base)
{
    QString r = base.trimmed();
    static const QRegularExpression ajeno(QStringLiteral("[^A-Za-z0-9_.-]"));
    r.replace(ajeno, QStringLiteral("_"));
    return r + QStringLiteral(".sqlite");
}

bool terminaEnBase(const QString& s)
{
    for (const char* ext : {".db", ".sqlite", ".sqlite3"})
        if (s.endsWith(QLatin1StringView(ext), Qt::CaseInsensitive))
            return true;
    return false;
}

// A path as the operator wrote it: relative to the folder the program was started in, or absolute.
QString resuelveRuta(const QString& s)
{
    return QFileInfo(s).absoluteFilePath();
}

// Strips a leading WHERE or AND from a caller's filter.
QString filtroLimpio(const QString& filtro)
{
    static const QRegularExpression inicio(QStringLiteral("^\\s*(WHERE|AND)\\s+"), QRegularExpression::CaseInsensitiveOption);
    QString f = filtro;
    f.remove(inicio);
    return f.trimmed();
}

QString textoDeValor(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return v.toString();
    }
}

}  // namespace

bool NombraArchivoSqlite(const QString& servidor)
{
    const QString s = servidor.trimmed();
    if (terminaEnBase(s))
        return true;
    const QFileInfo fi(s);
    return s.contains(u'/') ? fi.exists() : fi.isFile();
}

DestinoConexion EligeDestino(const QString& servidor, const QString& baseDeDatos, const QString& usuario,
                             const QString& password, const QString& cadenaConexion, const QString& carpetaDatos)
{
    DestinoConexion d;
    if (!cadenaConexion.trimmed().isEmpty()) {
        if (cadenaConexion.contains(u"oracle", Qt::CaseInsensitive)) {
            d.motor = DestinoConexion::Motor::Oracle;
            d.proveedor = QStringLiteral("OraOLEDB.Oracle.1");
        } else {
            d.motor = DestinoConexion::Motor::Odbc;
            d.cadena = cadenaConexion;
            d.proveedor = QStringLiteral("SQL Server (ODBC, FreeTDS)");
        }
        return d;
    }
    const QString s = servidor.trimmed();
    const QString base = baseDeDatos.trimmed();
    const bool estadisticas = base.compare(QStringView(SesionBD::BaseEstadisticas), Qt::CaseInsensitive) == 0;
    d.proveedor = QStringLiteral("SQLite");
    d.base = base.isEmpty() ? nombreEmbebido() : base;
    d.conDemo = !estadisticas;
    if (s.isEmpty()) {
        d.archivo = QDir(carpetaDatos).filePath(nombreDeArchivo(d.base));
        d.propio = true;
    } else if (NombraArchivoSqlite(s)) {
        const QString ruta = resuelveRuta(s);
        const QFileInfo fi(ruta);
        d.servidor = ruta;
        if (estadisticas)
            d.archivo = QDir(fi.isDir() ? ruta : fi.absolutePath()).filePath(nombreDeArchivo(d.base));
        else if (fi.isDir())
            d.archivo = QDir(ruta).filePath(nombreDeArchivo(d.base));
        else {
            d.archivo = ruta;
            if (base.isEmpty())
                d.base = fi.completeBaseName();
            // A mistyped path must not end in a new database somewhere else.
            const QFileInfo carpeta(fi.absolutePath());
            if (!fi.exists() && !(carpeta.isDir() && carpeta.isWritable()))
                d.falla = QStringLiteral("No existe la base de datos %1 y su carpeta no se puede escribir.").arg(ruta);
        }
    } else {
        d.motor = DestinoConexion::Motor::Odbc;
        d.cadena = CadenaOdbc(s, base, usuario, password);
        d.proveedor = QStringLiteral("SQL Server (ODBC, FreeTDS)");
        d.base = base;
    }
    return d;
}

SesionBD::SesionBD() : nucleo_(std::make_shared<ConexionBD>()), Conexion(*nucleo_) {}

SesionBD::~SesionBD() = default;

QString SesionBD::CarpetaDatos()
{
    if (!carpetaFijada().isEmpty())
        return carpetaFijada();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void SesionBD::FijarCarpetaDatos(const QString& carpeta)
{
    carpetaFijada() = carpeta;
}

void SesionBD::Conectar(bool&, long&, QString& cadenaConexion, bool&, bool&)
{
    motivo_.clear();
    archivo_.clear();
    Conexion.Close();
    Conexion.Errors.Clear();
    const DestinoConexion d = EligeDestino(Servidor, BaseDeDatos, Usuario, Password, cadenaConexion, CarpetaDatos());
    proveedor_ = d.proveedor;
    try {
        switch (d.motor) {
        case DestinoConexion::Motor::Oracle:
            throw Falla(3706, QStringLiteral("El proveedor de Oracle no está disponible en esta versión del programa."),
                        QStringLiteral("SesionBD"));
        case DestinoConexion::Motor::Sqlite:
            if (!d.falla.isEmpty())
                throw Falla(75, d.falla, QStringLiteral("SesionBD"));
            Conexion.Instala(AbreMotorSqlite(d.archivo, d.conDemo, d.propio));
            archivo_ = d.archivo;
            // The full path: the statistics session and the modules started from
            // this one, in folders of their own, reach the same file.
            if (!d.servidor.isEmpty())
                Servidor = d.servidor;
            if (BaseDeDatos.trimmed().isEmpty())
                BaseDeDatos = d.base;
            if (Usuario.trimmed().isEmpty())
                Usuario = QString::fromUtf16(UsuarioEmbebido);
            break;
        case DestinoConexion::Motor::Odbc:
            Conexion.Instala(AbreMotorOdbc(d.cadena));
            break;
        }
    } catch (const Falla& f) {
        motivo_ = f.Descripcion;
        Conexion.Errors.Agrega({f.Numero, f.Numero, f.Descripcion, f.Origen});
    }
}

bool SesionBD::Conectado() const
{
    return Conexion.Abierta();
}

QString SesionBD::Proveedor() const
{
    return proveedor_;
}

void SesionBD::AbreRecordset(const QString& sql, Recordset& rs, ConexionBD* conexion, int cursor, int bloqueo, long opciones,
                             bool)
{
    rs.Open(sql, conexion ? *conexion : Conexion, cursor, bloqueo, opciones);
}

void SesionBD::CierraRecordset(Recordset& rs)
{
    rs.Close();
}

void SesionBD::Ejecuta(const QString& sql)
{
    long filas = 0;
    Ejecuta(sql, filas, nullptr);
}

void SesionBD::Ejecuta(const QString& sql, long& filasAfectadas, Recordset* rs)
{
    if (rs)
        rs->Close();
    Recordset r = Conexion.Execute(sql, &filasAfectadas);
    if (rs)
        *rs = std::move(r);
}

QString SesionBD::condicion(const QString& columnaClave, const QVariant& valor, int tipo, const QString& filtro) const
{
    QString marca;
    switch (tipo) {
    case 7:
    case 8:
        marca = QStringLiteral("'");
        break;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 14:
    case 17:
    case 20:
    case 131:
        marca = QStringLiteral("@");
        break;
    default:
        break;
    }
    QString r = QStringLiteral(" WHERE ") + columnaClave + QStringLiteral(" = ") + ValorSQL(valor, marca);
    const QString f = filtroLimpio(filtro);
    if (!f.isEmpty())
        r += QStringLiteral(" AND (") + f + u')';
    return r;
}

QVariant SesionBD::ObtieneValor(const QString& tabla, const QVariant& valor, const QString& columna,
                                const QString& columnaClave, int tipo, const QString& filtro, bool, bool)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT ") + columna + QStringLiteral(" FROM ") + tabla + condicion(columnaClave, valor, tipo, filtro),
            Conexion);
    return rs.Eof() ? QVariant() : rs.Valor(0);
}

void SesionBD::AbreRegistro(const QString& tabla, const QVariant& valor, const QString& columnaClave, Recordset& rs,
                            int tipo, const QString& filtro, bool soloLectura, bool& encontrado)
{
    encontrado = false;
    rs.Open(QStringLiteral("SELECT * FROM ") + tabla + condicion(columnaClave, valor, tipo, filtro), Conexion,
            soloLectura ? 0 : 2, soloLectura ? 1 : 3);
    encontrado = !rs.Eof();
}

QVariant SesionBD::MaximoValor(const QString& tabla, const QString& columna, const QString& tipo, const QString& filtro)
{
    QString sql = QStringLiteral("SELECT MAX(") + columna + QStringLiteral(") FROM ") + tabla;
    const QString f = filtroLimpio(filtro);
    if (!f.isEmpty())
        sql += QStringLiteral(" WHERE ") + f;
    Recordset rs;
    rs.Open(sql, Conexion);
    const QVariant v = rs.Eof() ? QVariant() : rs.Valor(0);
    if (v.isNull())
        return tipo == u"@" ? QVariant(0) : QVariant(QString());
    return v;
}

QString SesionBD::ValorSQL(const QVariant& valor, const QString& tipo) const
{
    if (!valor.isValid() || valor.isNull())
        return QStringLiteral("NULL");
    if (tipo == u"'")
        return u'\'' + textoDeValor(valor).replace(u'\'', QStringLiteral("''")) + u'\'';
    if (tipo.isEmpty())
        return textoDeValor(valor);
    if (tipo != u"@")
        throw FallaDeSesion(Falla::LlamadaNoValida, QStringLiteral("Marca de tipo de literal desconocida: \"%1\".").arg(tipo));
    switch (valor.metaType().id()) {
    case QMetaType::Bool:
        return valor.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
        return valor.toString();
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = valor.toDouble();
        if (!std::isfinite(d))
            throw FallaDeSesion(Falla::TiposNoCoinciden, QStringLiteral("El valor no es un número finito."));
        return Numeros::TextoPlano(d);
    }
    default:
        break;
    }
    const QString texto = textoDeValor(valor);
    const auto canonico = Numeros::Canonico(texto);
    if (!canonico)
        throw FallaDeSesion(Falla::TiposNoCoinciden, QStringLiteral("\"%1\" no es un número.").arg(texto));
    return *canonico;
}

QString SesionBD::PreparaSQL(const QString& sql) const
{
    return Conexion.Prepara(sql);
}

int SesionBD::GestionaError(const Falla& falla, const QString& procedimiento) const
{
    return UtilidadesComunes().GestionaError(falla, procedimiento);
}

int SesionBD::GestionaError(const Falla& falla, const QVariant&, const QString& procedimiento) const
{
    return GestionaError(falla, procedimiento);
}

QVariant SesionBD::UltimaIdentidad()
{
    return Conexion.UltimaIdentidad();
}
