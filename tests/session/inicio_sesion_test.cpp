#include "arranque.h"

#include "session/Def_QConsulta.h"

#include <QDir>
#include <QFileInfo>

namespace {

using namespace ModGlobal;

TEST(ParametrosDeSesion, ValoresComoLosLeeElArranque)
{
    struct Caso {
        const char* comando;
        const char* clave;
        const char* porDefecto;
        const char* esperado;
    } casos[] = {
        {"@SERVER=srv;", "@Server", "", "srv"},
        {"@server=srv;", "@Server", "", "srv"},
        {"@sErVeR = srv ;", "@Server", "", "srv"},
        {"@Password= a=b ;", "@Password", "", "ab"},          // every "=" removed, then trimmed
        {"@UsuarioLogeado=ana;", "@Usuario", "", "Logeadoana"}, // the key found inside a longer one
        {"@usuario=juan; @UsuarioLogeado=ana;", "@Usuario", "", "juan"},
        {"@dbname=X;", "@Caja", "1", "1"},
        {"@Caja=;", "@Caja", "1", ""},
        {"@Caja=2", "@Caja", "1", "2"},                         // not closed: to the end
        {"@ParametroAdicional=@IDARTICULO=A B;", "@ParametroAdicional", "", "@IDARTICULOA B"},
        {"@Password=pa;ss;", "@Password", "", "pa"},              // a value ends at its first ";"
        {"@server=uno; @SERVER=dos;", "@Server", "", "uno"},      // a repeated key: the first one
        {"@Caja=; @Caja=4;", "@Caja", "1", ""},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(ValorParametro(QString::fromLatin1(c.comando), QString::fromLatin1(c.clave),
                                 QString::fromLatin1(c.porDefecto)),
                  QString::fromLatin1(c.esperado))
            << c.comando << " " << c.clave;
}

TEST(ParametrosDeSesion, NombreDelServidor)
{
    EXPECT_EQ(ExtraeNombreServidor(QStringLiteral("a/b:c")), QStringLiteral("b"));
    EXPECT_EQ(ExtraeNombreServidor(QStringLiteral("a:b")), QStringLiteral("a"));
    EXPECT_EQ(ExtraeNombreServidor(QStringLiteral("a:b/c")), QStringLiteral("c"));
    EXPECT_EQ(ExtraeNombreServidor(QStringLiteral(" srv ")), QStringLiteral(" srv "));
}

TEST(LetraDeComprobante, PorCondicionesDeIva)
{
    const char* casos[][3] = {{"1", "3", "B"}, {"1", "2", "A"}, {"1", "abc", "A"},
                              {"2", "1", "C"}, {"x", "3", "C"}, {" 1 ", "4", "B"}};
    for (const auto& c : casos) {
        QString empresa = QString::fromLatin1(c[0]), cliente = QString::fromLatin1(c[1]);
        EXPECT_EQ(Def_QConsulta::LetraComprobante(empresa, cliente), QString::fromLatin1(c[2])) << c[0] << " " << c[1];
    }
}

TEST_F(Arranque, DesdeLaCadenaDeParametrosHastaElCierre)
{
    Inicia(QStringLiteral("@ParametroAdicional=@IDARTICULO=7; @SERVER=") + bd.Archivo() +
           QStringLiteral("; @dbname=PRUEBA; @usuario= ana ; @PASSWORD= x=y ; @UsuarioLogeado = ana; @Caja=3;"));
    SesionBD& sesion = *gSesionBD;
    ASSERT_TRUE(sesion.Conectado());
    EXPECT_EQ(sesion.Servidor, bd.Archivo());   // a file path as it was written
    EXPECT_EQ(sesion.BaseDeDatos, QStringLiteral("PRUEBA"));
    EXPECT_EQ(sesion.Usuario, QStringLiteral("ana"));
    EXPECT_EQ(sesion.Password, QStringLiteral("xy"));
    EXPECT_EQ(gParametroAdicional, QStringLiteral("@IDARTICULO7"));
    EXPECT_EQ(gMenu, QString());
    EXPECT_EQ(gUsuarioLogeado, QStringLiteral("ana"));
    EXPECT_EQ(gCaja, QStringLiteral("3"));
    EXPECT_EQ(gCadenaDSN, QStringLiteral("DSN=PRUEBA; UID=ana; PWD=xy"));
    EXPECT_EQ(gFlatToolbars, 1);   // no INI file: the default
    EXPECT_EQ(gArchivoAyuda, app.Ruta() + QStringLiteral("/htmlhelp/orvandis.chm"));
    EXPECT_EQ(gComponenteAplicacion->RutaAplicacion, app.Ruta() + u'/');
    EXPECT_EQ(sesion.Conexion.CommandTimeout, 360);
    EXPECT_EQ(sesion.Conexion.IsolationLevel, 256);
    EXPECT_EQ(sesion.Conexion.DefaultDatabase, QStringLiteral("PRUEBA"));
    EXPECT_EQ(gConsulta->Proveedor, sesion.Proveedor());
    EXPECT_TRUE(gConsulta->Activo);
    EXPECT_EQ(gConsulta->ArchivoConsultas, app.Archivo(QStringLiteral("consultas.qsl")));
    EXPECT_EQ(QFileInfo(gConsulta->ArchivoConsultas).size(), 11 * 1202);

    // The settings of the demo database, and the defaults of those it lacks.
    EXPECT_EQ(gTablaConfiguracion, QStringLiteral("ta_configuracion"));
    EXPECT_EQ(gTopDefault, QStringLiteral("500"));
    EXPECT_EQ(gCantidadDecimales, QStringLiteral("2"));
    EXPECT_TRUE(gMostrarStockEnConsultas);
    EXPECT_EQ(gUnidadBL, QStringLiteral("CAJ"));
    EXPECT_EQ(gPeriodo, 2026);
    EXPECT_TRUE(gModuloOrdenDeTrabajo);
    EXPECT_FALSE(gMaderera);
    EXPECT_EQ(gCondIvaEmpresa, 1);
    EXPECT_EQ(gUnegocio, QStringLiteral("1"));
    EXPECT_EQ(gColorFondo, 0xFFFF00);
    EXPECT_EQ(gArchivoTareas, app.Ruta() + QStringLiteral("/QSDOCTareas.qsl"));

    // The statistics database beside the main one: its missing time-out written as 0.
    EXPECT_EQ(gSesionEstadisticas->Archivo(), bd.Carpeta() + QStringLiteral("/QS_ESTADISTICAS.sqlite"));
    EXPECT_EQ(BasePrueba::Filas(*gSesionEstadisticas, QStringLiteral("SELECT CLAVE, VALOR, Grupo FROM TA_CONFIGURACION")),
              QStringList{QStringLiteral("TIMEOUT|0|BaseDeDatos")});
    EXPECT_EQ(gTimeOut, 360);

    const QString fila = QStringLiteral("SELECT Id, Maquina, Usuario, Formulario, Tarea, Ingreso, EGRESO, NombreUsuario "
                                        "FROM Control_Acceso");
    const QString maquina = InfoSistema::NombreMaquina().trimmed().toUpper();
    EXPECT_EQ(bd.Filas(fila), QStringList{QString::number(gIdAcceso) + u'|' + maquina +
                                          QStringLiteral("|ANA|V_PELMARO|ESTRUCTURA DE PRODUCTOS|10/12/2026 09:30|NULL|ana")});
    EXPECT_NE(gIdAcceso, 0);

    ahora = QDateTime(QDate(2026, 12, 10), QTime(17, 45));
    FinalizaSesion();
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT EGRESO FROM Control_Acceso")), QStringList{QStringLiteral("10/12/2026 17:45")});
    EXPECT_FALSE(gSesionBD.Creado());
    EXPECT_FALSE(gComponenteAplicacion.Creado());
    // These two end with the process.
    EXPECT_TRUE(gConsulta.Creado());
    EXPECT_TRUE(gSesionEstadisticas.Creado());
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(Arranque, UnTiempoDeEsperaGuardadoManda)
{
    // The statistics file the start-up will open, with its time-out.
    SesionBD qs;
    qs.Servidor = bd.Carpeta();
    qs.BaseDeDatos = QString::fromUtf16(SesionBD::BaseEstadisticas);
    bool sinServidor = false, a = true, b = false;
    long modo = 3;
    QString cadena;
    qs.Conectar(sinServidor, modo, cadena, a, b);
    ASSERT_TRUE(qs.Conectado());
    qs.Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TIMEOUT', '90.5')"));

    Inicia(Parametros());
    EXPECT_EQ(gTimeOut, 90);   // rounded half to even
    EXPECT_EQ(gSesionBD->Conexion.CommandTimeout, 90);

    qs.Ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = '99999' WHERE CLAVE = 'TIMEOUT'"));
    ConectaEstadisticas();
    EXPECT_EQ(gTimeOut, 360);   // beyond 16 bits
    EXPECT_EQ(BasePrueba::Filas(qs, QStringLiteral("SELECT VALOR FROM TA_CONFIGURACION")), QStringList{QStringLiteral("99999")});
}

TEST_F(Arranque, SinParametrosLaBaseDeDemostracion)
{
    // Empty parameters: the command line, here as empty as the program's without arguments.
    Inicia(QString());
    SesionBD& sesion = *gSesionBD;
    ASSERT_TRUE(sesion.Conectado());
    EXPECT_EQ(sesion.Archivo(), bd.Carpeta() + QStringLiteral("/DEMO.sqlite"));
    EXPECT_EQ(gCaja, QStringLiteral("1"));
    EXPECT_EQ(gUsuarioLogeado, QStringLiteral("SUPERVISOR"));
    EXPECT_EQ(gTopDefault, QStringLiteral("500"));
    EXPECT_EQ(BasePrueba::Filas(sesion, QStringLiteral("SELECT Usuario, Tarea FROM Control_Acceso")),
              QStringList{QStringLiteral("SUPERVISOR|ESTRUCTURA DE PRODUCTOS")});

    // The command line serves when no parameters are passed.
    gSesionBD.Liberar();
    Sistema::FijarLineaDeComandos(Parametros(QStringLiteral("@Caja=7;")));
    Inicia(QString());
    EXPECT_EQ(gSesionBD->Archivo(), bd.Archivo());
    EXPECT_EQ(gCaja, QStringLiteral("7"));
}

TEST_F(Arranque, ElArchivoIniCuandoNoHayParametros)
{
    // A workstation whose identity is longer than the 50 characters of a section.
    VariableDeEntorno usuario("USER", QString(60, u'u'));
    const QString identidad = InfoSistema::NombreMaquina().toUpper() + u'|' + QString(60, u'U');
    ASSERT_GT(identidad.size(), 50);
    UtilidadesComunes util;
    const QString ini = u'[' + identidad.left(50) + QStringLiteral("]\r\nFlatToolbars=0\r\n[") + identidad +
                        QStringLiteral("BaseDeDatos]\r\nServidor=") + bd.Archivo() +
                        QStringLiteral("\r\nDbName=PRU|EBA\r\nUserPassWord=") + util.CodificaTexto(QStringLiteral("cla|ve")) +
                        QStringLiteral("\r\n");
    app.Escribe(QStringLiteral("cn000pr.ini"), ini.toLatin1());

    Inicia(QString(), true);
    EXPECT_EQ(gSeccionIni, identidad.left(50));
    EXPECT_EQ(gFlatToolbars, 0);
    SesionBD& sesion = *gSesionBD;
    ASSERT_TRUE(sesion.Conectado());
    EXPECT_EQ(sesion.Archivo(), bd.Archivo());
    EXPECT_EQ(sesion.BaseDeDatos, QStringLiteral("PRUEBA"));
    EXPECT_EQ(sesion.Usuario, QStringLiteral("Quessel"));   // the built-in user of a missing key
    EXPECT_EQ(sesion.Password, QStringLiteral("clave"));
    EXPECT_EQ(gCaja, QStringLiteral("1"));
}

TEST_F(Arranque, UnaConexionFallidaTerminaSinMensajeNiAcceso)
{
    // A database whose folder cannot be made: a file stands in its place.
    temporal.Escribe(QStringLiteral("ocupado"), "x");
    const QString servidor = temporal.Archivo(QStringLiteral("ocupado/base.sqlite"));
    try {
        Inicia(QStringLiteral("@server=") + servidor + QStringLiteral("; @usuario=ana;"));
        FAIL() << "the program should have ended";
    } catch (const ProgramaTerminado& t) {
        EXPECT_NE(t.codigo, 0);
    }
    EXPECT_FALSE(gSesionBD->Conectado());
    EXPECT_FALSE(gSesionEstadisticas.Creado());
    EXPECT_EQ(gIdAcceso, 0);
    EXPECT_FALSE(gSesionBD->Bitacora().join(u'\n').contains(QLatin1String("Control_Acceso")));
    EXPECT_FALSE(QFileInfo::exists(app.Archivo(QStringLiteral("consultas.qsl"))));
    EXPECT_TRUE(avisos.preguntas.empty());
}

// The folder a run is started in, for one test.
class CarpetaDeInicio {
public:
    explicit CarpetaDeInicio(const QString& carpeta) : anterior_(QDir::currentPath()) { QDir::setCurrent(carpeta); }
    ~CarpetaDeInicio() { QDir::setCurrent(anterior_); }
    CarpetaDeInicio(const CarpetaDeInicio&) = delete;
    CarpetaDeInicio& operator=(const CarpetaDeInicio&) = delete;

private:
    QString anterior_;
};

TEST_F(Arranque, UnServidorQueNombraUnArchivoSeUsaComoSeEscribio)
{
    QDir(temporal.Ruta()).mkpath(QStringLiteral("F/db"));
    QDir(temporal.Ruta()).mkpath(QStringLiteral("G"));
    const QString f = temporal.Archivo(QStringLiteral("F"));
    const QString x = f + QStringLiteral("/db/x.sqlite");
    const struct {
        QString servidor;         // as the operator wrote it, the run started in F
        QString archivo;          // the file opened; empty: the start-up ends
        QString servidorSesion;   // what the session and its siblings carry
    } casos[] = {
        {QStringLiteral("db/x.sqlite"), x, x},
        {bd.Archivo(), bd.Archivo(), bd.Archivo()},
        // A folder that is not there: no new database anywhere.
        {QStringLiteral("nueva/x.sqlite"), {}, QStringLiteral("nueva/x.sqlite")},
        {temporal.Archivo(QStringLiteral("otra/x.sqlite")), {}, temporal.Archivo(QStringLiteral("otra/x.sqlite"))},
        // Host names keep the extraction.
        {QStringLiteral("tcp/taller.invalid:1433"), {}, QStringLiteral("taller.invalid")},
        {QStringLiteral("taller.invalid\\TALLER"), {}, QStringLiteral("taller.invalid\\TALLER")},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.servidor.toStdString());
        gSesionBD.Liberar();
        gSesionEstadisticas.Liberar();
        CarpetaDeInicio enF(f);
        bool termino = false;
        try {
            Inicia(QStringLiteral("@server=") + c.servidor + QStringLiteral("; @usuario=ana;"));
        } catch (const ProgramaTerminado& t) {
            termino = t.codigo == 1;
        }
        EXPECT_EQ(termino, c.archivo.isEmpty());
        EXPECT_EQ(gSesionBD->Servidor, c.servidorSesion);
        EXPECT_EQ(gSesionBD->Archivo(), c.archivo);
        if (!termino) {
            EXPECT_EQ(BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT NombreUsuario FROM Control_Acceso WHERE Id = ") +
                                                        QString::number(gIdAcceso)),
                      QStringList{QStringLiteral("ana")});
        }
    }
    // Nothing was made where the run started, nor in the folders that were not there.
    EXPECT_EQ(QDir(f).entryList(QDir::Files), QStringList());
    EXPECT_FALSE(QFileInfo::exists(f + QStringLiteral("/nueva")));
    EXPECT_FALSE(QFileInfo::exists(temporal.Archivo(QStringLiteral("otra"))));

    // The string handed to a sibling, read by a run started in another folder, opens the same file.
    gSesionBD.Liberar();
    gSesionEstadisticas.Liberar();
    {
        CarpetaDeInicio enF(f);
        Inicia(QStringLiteral("@server=db/x.sqlite; @usuario=ana;"));
    }
    const QString cadena = ParametrosParaModulo(QString());
    EXPECT_TRUE(cadena.startsWith(QStringLiteral(" ; @server=") + x + u';')) << cadena.toStdString();
    gSesionBD.Liberar();
    gSesionEstadisticas.Liberar();
    CarpetaDeInicio enG(temporal.Archivo(QStringLiteral("G")));
    Inicia(cadena);
    EXPECT_EQ(gSesionBD->Archivo(), x);
    EXPECT_EQ(BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT COUNT(*) FROM Control_Acceso")), QStringList{"3"});
    EXPECT_EQ(QDir(temporal.Archivo(QStringLiteral("G"))).entryList(QDir::Files), QStringList());
}

TEST_F(Arranque, UnArchivoVacioTerminaComoUnaConexionFallida)
{
    temporal.Escribe(QStringLiteral("vacio.sqlite"), QByteArray());
    try {
        Inicia(QStringLiteral("@server=") + temporal.Archivo(QStringLiteral("vacio.sqlite")) + QStringLiteral("; @usuario=ana;"));
        FAIL() << "the program should have ended";
    } catch (const ProgramaTerminado& t) {
        EXPECT_EQ(t.codigo, 1);
    }
    EXPECT_FALSE(gSesionBD->Conectado());
    EXPECT_EQ(gIdAcceso, 0);
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(Arranque, UnaSegundaLlamadaConectadaRepiteElFinal)
{
    Inicia(Parametros());
    ASSERT_NE(gIdAcceso, 0);
    const std::int32_t primera = gIdAcceso;
    gTopDefault = QStringLiteral("x");
    Inicia(QStringLiteral("@server=otro.sqlite; @Caja=9;"));   // not parsed: already connected
    EXPECT_EQ(gCaja, QStringLiteral("1"));
    EXPECT_EQ(gTopDefault, QStringLiteral("500"));              // the settings loaded again
    EXPECT_GT(gIdAcceso, primera);                              // a new access row
    EXPECT_EQ(QFileInfo(app.Archivo(QStringLiteral("consultas.qsl"))).size(), 11 * 1202);   // nothing appended

    // With no database name: no DSN text, no file, no settings; still an access row.
    gSesionBD->BaseDeDatos.clear();
    gCadenaDSN = QStringLiteral("previo");
    gTopDefault = QStringLiteral("x");
    QFile::remove(app.Archivo(QStringLiteral("consultas.qsl")));
    Inicia(QString());
    EXPECT_EQ(gCadenaDSN, QStringLiteral("previo"));
    EXPECT_EQ(gTopDefault, QStringLiteral("x"));
    EXPECT_FALSE(QFileInfo::exists(app.Archivo(QStringLiteral("consultas.qsl"))));
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM Control_Acceso")), QStringList{QStringLiteral("3")});
}

TEST_F(Arranque, OracleConstruyeSuCadenaYNoSeConecta)
{
    QString parametros = QStringLiteral("@server=#ORA; @dbname=BASE; @usuario=ana; @Password=pw;");
    QString cadena;
    bool leerIni = false;
    long modo = 3;
    EXPECT_THROW(IniciaSesion(leerIni, parametros, cadena, modo), ProgramaTerminado);
    EXPECT_EQ(cadena, QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=BASE;User Id=ana;Password=pw;"));
    EXPECT_EQ(gSesionBD->Servidor, QStringLiteral("ORA"));

    // A connection text of the caller's own is left as it is.
    gSesionBD.Liberar();
    cadena = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=OTRA;");
    EXPECT_THROW(IniciaSesion(leerIni, parametros, cadena, modo), ProgramaTerminado);
    EXPECT_EQ(cadena, QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=OTRA;"));
}

}  // namespace
