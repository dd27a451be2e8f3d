#include "platform/sistema.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <cstdlib>
#include <optional>

namespace Sistema {

namespace {
QString nombreFijado;
QString carpetaFijada;
std::function<void(int)> terminador;
std::function<QDateTime()> reloj;
Lanzador lanzador;
Abridor abridor;
std::optional<QString> lineaFijada;
}  // namespace

QString NombreEjecutable()
{
    if (!nombreFijado.isEmpty())
        return nombreFijado;
    const QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty())
        return QFileInfo(args.front()).completeBaseName();
    return QStringLiteral("V_Pelmaro");
}

void FijarNombreEjecutable(const QString& nombre)
{
    nombreFijado = nombre;
}

QString CarpetaAplicacion()
{
    if (!carpetaFijada.isEmpty())
        return carpetaFijada;
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void FijarCarpetaAplicacion(const QString& carpeta)
{
    carpetaFijada = carpeta;
    while (carpetaFijada.size() > 1 && carpetaFijada.endsWith(u'/'))
        carpetaFijada.chop(1);
}

QDateTime Ahora()
{
    return reloj ? reloj() : QDateTime::currentDateTime();
}

void FijarReloj(std::function<QDateTime()> r)
{
    reloj = std::move(r);
}

void TerminarPrograma(int codigo)
{
    if (terminador)
        terminador(codigo);
    std::_Exit(codigo);
}

void FijarTerminador(std::function<void(int)> t)
{
    terminador = std::move(t);
}

qint64 Lanzar(const QString& programa, const QStringList& argumentos, const QString& carpeta)
{
    if (lanzador)
        return lanzador(programa, argumentos, carpeta);
    qint64 pid = 0;
    if (!QProcess::startDetached(programa, argumentos, carpeta, &pid))
        return 0;
    return pid;
}

void FijarLanzador(Lanzador l)
{
    lanzador = std::move(l);
}

QString LineaDeComandos()
{
    if (lineaFijada)
        return *lineaFijada;
    return QCoreApplication::arguments().mid(1).join(u' ');
}

void FijarLineaDeComandos(std::optional<QString> linea)
{
    lineaFijada = std::move(linea);
}

bool AbrirArchivo(const QString& archivo)
{
    if (abridor)
        return abridor(archivo);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(archivo));
}

void FijarAbridor(Abridor a)
{
    abridor = std::move(a);
}

QString BuscaArchivo(const QString& carpeta, const QString& nombre, bool ejecutable)
{
    QDir dir(carpeta);
    if (!dir.exists())
        return QString();
    QStringList buscados{nombre};
    if (ejecutable) {
        if (nombre.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
            buscados << nombre.left(nombre.size() - 4);
        else
            buscados << nombre + QStringLiteral(".exe");
    }
    // An exact name first, then any letter case.
    for (const QString& b : buscados)
        if (QFileInfo(dir.filePath(b)).isFile())
            return dir.filePath(b);
    const QStringList entradas = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& b : buscados)
        for (const QString& e : entradas)
            if (e.compare(b, Qt::CaseInsensitive) == 0)
                return dir.filePath(e);
    return QString();
}

}  // namespace Sistema

namespace {
QString carpetaSistemaFijada;
QString nombreMaquinaFijado;
}  // namespace

void InfoSistema::FijarNombreMaquina(const QString& nombre)
{
    nombreMaquinaFijado = nombre;
}

QString InfoSistema::NombreMaquina()
{
    // A host name runs to 64 characters, a Windows computer name to 15: the
    // machine columns of the suite's tables (access log, error table, voucher
    // actions) hold 50, and the server refuses a longer text.
    constexpr int Largo = 50;
    if (!nombreMaquinaFijado.isEmpty())
        return nombreMaquinaFijado.left(Largo);
    QString n = QSysInfo::machineHostName();
    if (n.isEmpty())
        n = qEnvironmentVariable("HOSTNAME");
    return n.left(Largo);
}

QString InfoSistema::UsuarioEquipo()
{
    QString u = qEnvironmentVariable("USER");
    if (u.isEmpty())
        u = qEnvironmentVariable("LOGNAME");
    return u;
}

QString InfoSistema::CarpetaSistema()
{
    QString c = carpetaSistemaFijada;
    if (c.isEmpty()) {
        c = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (c.isEmpty())
            c = QDir::tempPath();
        c += QStringLiteral("/Orvandis");
    }
    QDir().mkpath(c);
    return c;
}

void InfoSistema::FijarCarpetaSistema(const QString& carpeta)
{
    carpetaSistemaFijada = carpeta;
}
