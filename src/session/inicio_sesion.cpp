// The run's start-up and shutdown: the parameter string, the two database
// sessions, the saved-queries file, the settings and the access row.
#include "session/ModGlobal.h"

#include "platform/numeros.h"
#include "platform/recorte.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <QtGlobal>

namespace ModGlobal {

namespace {

const QString archivoIni = QStringLiteral("CN000pr.INI");

// What a session parameter string carries.
struct ParametrosSesion {
    QString servidor, base, usuario, password;
};

ParametrosSesion parsea(const QString& comando)
{
    ParametrosSesion r;
    // In this order: "@Usuario" is found inside "@UsuarioLogeado" when it is the only user entry.
    gParametroAdicional = ValorParametro(comando, QStringLiteral("@ParametroAdicional"));
    gMenu = ValorParametro(comando, QStringLiteral("@Menu"));
    r.servidor = ValorParametro(comando, QStringLiteral("@Server"));
    r.base = ValorParametro(comando, QStringLiteral("@DbName"));
    r.usuario = ValorParametro(comando, QStringLiteral("@Usuario"));
    r.password = ValorParametro(comando, QStringLiteral("@Password"));
    gUsuarioLogeado = ValorParametro(comando, QStringLiteral("@UsuarioLogeado"));
    gCaja = ValorParametro(comando, QStringLiteral("@Caja"), QStringLiteral("1"));
    return r;
}

QString identidad()
{
    return InfoSistema::NombreMaquina().toUpper() + u'|' + InfoSistema::UsuarioEquipo().toUpper();
}

// The parameter string made from the INI database section (credentials stored encoded).
QString comandoDesdeIni()
{
    const QString seccion = identidad() + QStringLiteral("BaseDeDatos");
    auto lee = [&](const QString& clave, const QString& porDefecto) {
        QString v;
        gLectorIni->LeeClave(archivoIni, seccion, clave, porDefecto, v);
        return v;
    };
    QString servidor = lee(QStringLiteral("Servidor"), QString());
    QString base = lee(QStringLiteral("DbName"), QString());
    QString usuario =
        gUtilidades->DecodificaTexto(lee(QStringLiteral("Usuario"), gUtilidades->CodificaTexto(QStringLiteral("Quessel"))));
    QString password = gUtilidades->DecodificaTexto(
        lee(QStringLiteral("UserPassWord"), gUtilidades->CodificaTexto(QStringLiteral("gatillo"))));
    for (QString* v : {&servidor, &base, &usuario, &password})
        *v = gUtilidades->QuitaCaracteres(*v, QStringLiteral("|"));
    return QStringLiteral("@server=") + servidor + QStringLiteral("; @dbname= ") + base + QStringLiteral("; @usuario= ") +
           usuario + QStringLiteral("; @Password= ") + password +
           QStringLiteral("; @ParametroAdicional=; @Caja=1;keld@");
}

// A server text that begins with "#" names an Oracle data source.
void ramaOracle(ParametrosSesion& p, QString& cadenaConexion)
{
    if (!p.servidor.startsWith(u'#'))
        return;
    p.servidor.remove(0, 1);
    if (cadenaConexion.isEmpty())
        cadenaConexion = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + p.base + QStringLiteral(";User Id=") +
                         p.usuario + QStringLiteral(";Password=") + p.password + u';';
}

bool carpetaEscribible(const QString& carpeta)
{
    QTemporaryFile prueba(carpeta + QStringLiteral("consultas_XXXXXX.tmp"));
    return prueba.open();
}

// The saved-queries file: in the application folder, or in the user's own
// folder when the application folder cannot be written (an installed program).
// A file installed with the program is then copied there first.
QString ubicaConsultas(const QString& carpeta)
{
    const QString nombre = QStringLiteral("consultas.qsl");
    const QString instalado = carpeta + nombre;
    const QFileInfo info(instalado);
    if ((info.isFile() && info.isWritable()) || (!info.exists() && carpetaEscribible(carpeta)))
        return instalado;
    const QString propio = gUtilidades->NormalizaRuta(InfoSistema::CarpetaSistema()) + nombre;
    if (info.isFile() && !QFileInfo::exists(propio))
        QFile::copy(instalado, propio);
    return propio;
}

// The failures of the start-up leave it, but never unnoticed.
int anotaYDeja(const Falla& falla, const QString& procedimiento)
{
    AnotaFalla(falla, procedimiento);
    return 3;
}

}  // namespace

QString ValorParametro(const QString& comando, const QString& clave, const QString& porDefecto)
{
    const qsizetype p = comando.indexOf(clave, 0, Qt::CaseInsensitive);
    if (p < 0)
        return porDefecto;
    const qsizetype desde = p + clave.size();
    const qsizetype q = comando.indexOf(u';', p);
    // A value not closed by ";" runs to the end of the text.
    QString valor = q < 0 ? comando.mid(desde) : comando.mid(desde, q - desde);
    return Recorta(gUtilidades->QuitaCaracteres(valor, QStringLiteral("=")));
}

QString ExtraeNombreServidor(const QString& servidor)
{
    QString r = servidor;
    const qsizetype barra = r.indexOf(u'/');
    if (barra >= 0)
        r = r.mid(barra + 1);
    const qsizetype dosPuntos = r.indexOf(u':');
    if (dosPuntos >= 0)
        r = r.left(dosPuntos);
    return r;
}

void IniciaSesion(bool& LeerIni, QString& Parametros, QString& CadenaConexion, long& Modo)
{
    // An invalid-argument failure goes on with the next statement; any other leaves.
    Procedimiento p(QStringLiteral("IniciaSesion"), anotaYDeja);
    p.PasarPorAlto(Falla::LlamadaNoValida);
    SesionBD& sesion = *gSesionBD;
    QString carpeta, comando;

    p.paso([&] {
        carpeta = gUtilidades->NormalizaRuta(Sistema::CarpetaAplicacion());
        gArchivoAyuda = carpeta + QStringLiteral("htmlhelp/orvandis.chm");
    });
    p.paso([&] {
        gColorLetra = 0;
        gColorFondo = 0xFFFFFF;
    });
    p.paso([&] { comando = Parametros.isEmpty() ? Sistema::LineaDeComandos() : Parametros; });
    p.paso([&] {
        if (Recorta(comando).isEmpty() && LeerIni)
            comando = comandoDesdeIni();
    });
    p.paso([&] {
        gSeccionIni = identidad();
        if (Recorta(gSeccionIni).size() > 50)
            gSeccionIni = gSeccionIni.left(50);
    });
    p.paso([&] {
        QString valor;
        gLectorIni->LeeClave(archivoIni, gSeccionIni, QStringLiteral("FlatToolbars"), QStringLiteral("1"), valor);
        gFlatToolbars = Numeros::NumeroInicial(valor);
    });

    if (!p.abandonado() && !sesion.Conectado()) {
        ParametrosSesion leidos;
        bool fallo = false;
        p.paso([&] { leidos = parsea(comando); });
        p.paso([&] { ramaOracle(leidos, CadenaConexion); });
        p.paso([&] {
            sesion.Usuario = leidos.usuario;
            sesion.BaseDeDatos = leidos.base;
            sesion.Password = leidos.password;
            // A file path is used as it was written; only a host name goes through the extraction.
            sesion.Servidor =
                NombraArchivoSqlite(leidos.servidor) ? leidos.servidor : ExtraeNombreServidor(leidos.servidor);
        });
        p.paso([&] {
            bool sinServidor = Recorta(leidos.servidor).isEmpty() || Recorta(leidos.usuario).isEmpty();
            bool opcion1 = true, opcion2 = true;
            sesion.Conectar(sinServidor, Modo, CadenaConexion, opcion1, opcion2);
            fallo = !sesion.Conectado();
        });
        if (fallo) {
            // No message box: the run ends here. The reason goes to the standard error.
            qWarning("V_Pelmaro: %s", qPrintable(sesion.MotivoDeFalla()));
            Sistema::TerminarPrograma(1);
        }
        p.paso([&] { ConectaEstadisticas(); });
        p.paso([&] { gUsuarioLogeado = sesion.Usuario; });
        p.paso([&] { sesion.Conexion.CommandTimeout = gTimeOut; });
        p.paso([&] { sesion.Conexion.IsolationLevel = 256; });   // read uncommitted
    }

    if (!p.abandonado() && !Recorta(sesion.BaseDeDatos).isEmpty()) {
        p.paso([&] {
            gCadenaDSN = QStringLiteral("DSN=") + sesion.BaseDeDatos + QStringLiteral("; UID=") + sesion.Usuario +
                         QStringLiteral("; PWD=") + sesion.Password;
        });
        p.paso([&] { gComponenteAplicacion->RutaAplicacion = carpeta; });
        p.paso([&] { sesion.Conexion.DefaultDatabase = sesion.BaseDeDatos; });
        p.paso([&] {
            gConsulta->Proveedor = sesion.Proveedor();
            gConsulta->Activo = true;
            gConsulta->ArchivoConsultas = ubicaConsultas(carpeta);
        });
        p.paso([&] {
            if (QFileInfo(gConsulta->ArchivoConsultas).isFile())
                return;
            // A file that cannot be made costs the pick list its defaults, not the start-up.
            try {
                CreaConsultasPredefinidas();
            } catch (...) {
                AnotaFalla(FallaDeExcepcion(std::current_exception()), QStringLiteral("CreaConsultasPredefinidas"));
            }
        });
        p.paso([&] { sesion.Conexion.DefaultDatabase = sesion.BaseDeDatos; });
        p.paso([&] { CargaConfiguracion(carpeta); });
    }

    p.paso([&] {
        QString proceso;
        RegistraAccesoModulo(proceso);
    });
}

void ConectaEstadisticas()
{
    // Never fails to its caller: an unreachable statistics database leaves 360 seconds.
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("ConectaEstadisticas"));
    SesionBD& qs = *gSesionEstadisticas;
    SesionBD& principal = *gSesionBD;
    const QString estadisticas = QString::fromUtf16(SesionBD::BaseEstadisticas);
    p.paso([&] { gTimeOut = 360; });
    p.paso([&] {
        if (qs.Conectado())
            qs.Conexion.Close();
    });
    p.paso([&] {
        qs.ParametroConexion = principal.ParametroConexion;
        qs.Servidor = principal.Servidor;
        qs.BaseDeDatos = estadisticas;
        qs.Usuario = estadisticas;
        qs.Password = QStringLiteral("QX_CONTABILIZAR");
    });
    p.paso([&] {
        bool sinServidor = false, opcion1 = true, opcion2 = false;
        long modo = 3;
        QString cadena;
        qs.Conectar(sinServidor, modo, cadena, opcion1, opcion2);
    });
    if (!qs.Conectado())
        return;
    p.paso([&] { qs.Conexion.DefaultDatabase = estadisticas; });
    // Beyond 16 bits the overflow is passed over and 360 stays.
    p.paso([&] { gTimeOut = Entero16(Numeros::NumeroInicial(CfgQS(QStringLiteral("TimeOut")))); });
    p.paso([&] {
        if (gTimeOut != 0)
            return;
        // A stored 0 stands for the default.
        GrabaCfgQS(QStringLiteral("TimeOut"), static_cast<int>(gTimeOut), QString(), false, QStringLiteral("BaseDeDatos"),
                   true);
        gTimeOut = 360;
    });
}

void FinalizaSesion()
{
    CierraAcceso();
    // In this order; the pick list and the statistics session end with the process.
    gLectorIni.Liberar();
    gUtilidades.Liberar();
    gCartel.Liberar();
    gControles.Liberar();
    gSesionBD.Liberar();
    gInfoSistema.Liberar();
    gComponenteAplicacion.Liberar();
}

}  // namespace ModGlobal
