#include "arranque.h"

namespace {

using namespace ModGlobal;

class Acceso : public Arranque {
protected:
    Acceso()
    {
        bd.Conecta(*gSesionBD);
        bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('BRI01', 'Brisola', 'Ventas')"));
        bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('SUPERVISOR', 'BRI01')"));
    }

    QStringList Filas() { return bd.Filas(QStringLiteral("SELECT Usuario, Formulario, Tarea, NombreUsuario FROM Control_Acceso")); }
};

TEST_F(Acceso, ModuloYTareaSegunElEjecutable)
{
    struct Caso {
        const char* ejecutable;
        const char* usuario;
        const char* fila;   // nullptr: no row
        bool buscaTarea;
    } casos[] = {
        {"V_Pelmaro", "SUPERVISOR", "SUPERVISOR|V_PELMARO|ESTRUCTURA DE PRODUCTOS|SUPERVISOR", true},
        {"v_pelmaro", "Ana", "ANA|V_PELMARO|ESTRUCTURA DE PRODUCTOS|Ana", true},
        {"Cantefo", "SUPERVISOR", "SUPERVISOR|BRISOLA|VENTAS|SUPERVISOR", true},
        {"Ulvareno", "SUPERVISOR", "SUPERVISOR|TUMBRELA||SUPERVISOR", true},
        {"Tumbrela", "SUPERVISOR", "SUPERVISOR|TUMBRELA||SUPERVISOR", false},
        {"CN000PR", "SUPERVISOR", "SUPERVISOR|CN000PR|MENU PRINCIPAL|SUPERVISOR", true},
        {"V_Pelmaro", "prueba", "PRUEBA|V_PELMARO|V_PELMARO|prueba", true},        // named like the database
        {"V_Pelmaro", "Supervisor Quessel MC", "SUPERVISOR QUESSEL MC|V_PELMARO|V_PELMARO|Supervisor Quessel MC", true},
        {"V_Pelmaro", " juan ", "JUAN|V_PELMARO|| juan ", true},
        {"Bertolume", "SUPERVISOR", nullptr, false},
    };
    for (const Caso& c : casos) {
        bd.Sesion().Ejecuta(QStringLiteral("DELETE FROM Control_Acceso"));
        Sistema::FijarNombreEjecutable(QString::fromLatin1(c.ejecutable));
        gSesionBD->Usuario = QString::fromLatin1(c.usuario);
        gSesionBD->LimpiaBitacora();
        gIdAcceso = 0;
        QString proceso;
        RegistraAccesoModulo(proceso);
        EXPECT_EQ(gUsuarioLogeado, QString::fromLatin1(c.usuario));
        EXPECT_EQ(Filas(), c.fila ? QStringList{QString::fromLatin1(c.fila)} : QStringList()) << c.ejecutable;
        EXPECT_EQ(gSesionBD->Bitacora().join(u'\n').contains(QLatin1String("FROM TA_TAREAS")), c.buscaTarea) << c.ejecutable;
        EXPECT_EQ(gIdAcceso != 0, c.fila != nullptr) << c.ejecutable;
    }
    // A Bertolume run closes nothing.
    CierraAcceso();
    EXPECT_TRUE(Filas().isEmpty());
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(Acceso, TextosEnviados)
{
    gSesionBD->LimpiaBitacora();
    QString proceso = QStringLiteral("Mosquena");   // a process name passed by the caller
    RegistraAccesoModulo(proceso);
    const QStringList enviado = gSesionBD->Bitacora();
    ASSERT_FALSE(enviado.isEmpty());
    EXPECT_EQ(enviado.front(),
              QStringLiteral("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  "
                             "with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE "
                             "(TA_TAREAS.USUARIO = 'SUPERVISOR ') AND (TA_MENU.Proceso LIKE '%Mosquena%')"));
    const QString maquina = InfoSistema::NombreMaquina().trimmed().toUpper();
    EXPECT_TRUE(enviado.join(u'\n').contains(
        QStringLiteral("INSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES ('") +
        maquina + QStringLiteral("','SUPERVISOR','MOSQUENA','FICHA DE STOCK','10/12/26 09:30','SUPERVISOR')")));

    gSesionBD->LimpiaBitacora();
    ahora = ahora.addSecs(3600);
    CierraAcceso();
    EXPECT_EQ(gSesionBD->Bitacora(), QStringList{QStringLiteral("UPDATE CONTROL_ACCESO  SET EGRESO = '10/12/26 10:30' WHERE "
                                                                "EGRESO IS NULL AND  ID = ") +
                                                 QString::number(gIdAcceso)});
}

// A host name may run to 64 characters (a fully qualified one), where a
// Windows computer name never passed 15: the machine columns of the suite's
// tables hold 50, and the server refused the whole access row.
TEST_F(Acceso, UnNombreDeMaquinaLargoSeGuardaEnLoQueCabe)
{
    const QString largo = QStringLiteral("puesto-de-produccion-03.planta-norte.mueblería-ejemplo.com");
    ASSERT_GT(largo.size(), 50);
    InfoSistema::FijarNombreMaquina(largo);
    EXPECT_EQ(InfoSistema::NombreMaquina(), largo.left(50));
    QString proceso;
    RegistraAccesoModulo(proceso);
    InfoSistema::FijarNombreMaquina(QString());
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Maquina FROM Control_Acceso")), QStringList{largo.left(50).toUpper()});
    EXPECT_NE(gIdAcceso, 0);
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(Acceso, ElCierreMarcaSoloLaFilaDeEstaCorrida)
{
    // Open rows of other runs, before and after this run's own.
    const QString otra = QStringLiteral("INSERT INTO Control_Acceso (Usuario, Formulario, Ingreso) VALUES ('OTRO', 'X', '09/12/26 08:00')");
    bd.Sesion().Ejecuta(otra);
    QString proceso;
    RegistraAccesoModulo(proceso);
    bd.Sesion().Ejecuta(otra);
    ahora = ahora.addSecs(60);
    CierraAcceso();
    const QString consulta = QStringLiteral("SELECT Usuario, EGRESO FROM Control_Acceso ORDER BY Id");
    const QStringList cerradas{QStringLiteral("OTRO|NULL"), QStringLiteral("SUPERVISOR|10/12/2026 09:31"),
                               QStringLiteral("OTRO|NULL")};
    EXPECT_EQ(bd.Filas(consulta), cerradas);

    // Once stamped, the row is never changed again.
    ahora = ahora.addSecs(3600);
    CierraAcceso();
    EXPECT_EQ(bd.Filas(consulta), cerradas);
}

TEST_F(Acceso, LosAniosDeDosCifrasCaenEnEsteSiglo)
{
    // The row's times and the error log's are sent with two-digit years.
    ahora = QDateTime(QDate(2035, 3, 1), QTime(8, 0));
    QString proceso;
    RegistraAccesoModulo(proceso);
    ahora = ahora.addSecs(60);
    CierraAcceso();
    QString sql = QStringLiteral("SELECT 1"), nombre;
    long numero = 2627;
    QString descripcion = QStringLiteral("Clave duplicada");
    RegistraErrorAuxErr(sql, nombre, numero, descripcion);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Ingreso, EGRESO FROM Control_Acceso")),
              QStringList{QStringLiteral("01/03/2035 08:00|01/03/2035 08:01")});
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT fecha FROM AUX_ERR")), QStringList{QStringLiteral("01/03/2035 08:01")});
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM Control_Acceso WHERE Ingreso > '31/12/2034'")),
              QStringList{QStringLiteral("1")});
}

TEST_F(Acceso, UnApostrofoNoRompeNada)
{
    gSesionBD->Usuario = QStringLiteral("O'Neil");
    QString proceso;
    RegistraAccesoModulo(proceso);
    EXPECT_EQ(Filas(), QStringList{QStringLiteral("O'NEIL|V_PELMARO||O'Neil")});   // stored as it is
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(Acceso, UnInsertFallidoDejaElIdEnCero)
{
    bd.Sesion().Ejecuta(QStringLiteral("DROP TABLE Control_Acceso"));
    QString proceso;
    RegistraAccesoModulo(proceso);
    EXPECT_EQ(gIdAcceso, 0);
    ASSERT_EQ(avisos.preguntas.size(), 1u);   // the script runner's own box
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador!"));

    // Closing on a lost session: its failure in a plain box, and shutdown goes on.
    gSesionBD->Conexion.Close();
    CierraAcceso();
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_EQ(avisos.preguntas[1].botones, 0);
    EXPECT_EQ(avisos.preguntas[1].titulo, Avisos::TituloAplicacion());
}

}  // namespace
