// The access log: one row of Control_Acceso per run of a module of the suite.
#include "session/ModGlobal.h"

#include "platform/avisos.h"
#include "platform/fechas.h"
#include "platform/recorte.h"

namespace ModGlobal {

std::int32_t gIdAcceso = 0;

namespace {

// How a running module is written to the log.
struct ModuloRegistrado {
    QString proceso;
    bool buscaTarea = true;
    bool escribe = true;
};

ModuloRegistrado moduloDe(const QString& nombre)
{
    struct Regla {
        std::initializer_list<const char*> nombres;
        const char* proceso;   // nullptr: the name unchanged
        bool buscaTarea;
        bool escribe;
    };
    static const Regla reglas[] = {
        {{"Cantefo", "Dunmarel", "Fontarra", "Esquilo"}, "Brisola", true, true},
        {{"Galindre"}, "Fontarra", true, true},
        {{"Ilmarode"}, "Hovesta", true, true},
        {{"Querubal"}, "Pardomel", true, true},
        {{"Solaviro"}, "Restinga", true, true},
        {{"Gastrovel"}, "Kestrova", true, true},
        {{"Ibrandol"}, "Halvessa", true, true},
        {{"Ulvareno"}, "Tumbrela", true, true},
        {{"Xandolo"}, "Yermabel", true, true},
        {{"Tumbrela", "Vendrasco", "Wiltamar", "Fiolenta", "Dorvalie", "Estrumal", "Zafrontel", "Albrecida", "QSMAPA",
          "Calvadino"},
         nullptr, false, true},
        {{"Bertolume"}, nullptr, false, false},
    };
    for (const Regla& r : reglas)
        for (const char* n : r.nombres)
            if (nombre.compare(QLatin1StringView(n), Qt::CaseInsensitive) == 0)
                return {r.proceso ? QString::fromLatin1(r.proceso) : nombre, r.buscaTarea, r.escribe};
    return {nombre, true, true};
}

// The menu task of the user that runs this process.
QString tareaDe(SesionBD& sesion, const QString& proceso, Procedimiento& p)
{
    QString tarea;
    Recordset rs;
    bool conFilas = false;
    p.paso([&] {
        // The blank after the user is part of the query: the server ignores it.
        sesion.AbreRecordset(QStringLiteral("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre ") +
                                 QStringLiteral(" FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = "
                                                "TA_MENU.Clave ") +
                                 QStringLiteral(" WHERE (TA_TAREAS.USUARIO = ") +
                                 sesion.ValorSQL(gUsuarioLogeado + u' ', QStringLiteral("'")) +
                                 QStringLiteral(") AND (TA_MENU.Proceso LIKE ") +
                                 sesion.ValorSQL(u'%' + proceso + u'%', QStringLiteral("'")) + u')',
                             rs, nullptr, 0, 1, -1, true);
        conFilas = !rs.Eof();
    });
    p.paso([&] {
        if (conFilas) {
            tarea = gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("Nombre")));
            return;
        }
        const QString ejecutable = Sistema::NombreEjecutable();
        if (ejecutable.compare(QLatin1String("CN000PR"), Qt::CaseInsensitive) == 0)
            tarea = QStringLiteral("Menu Principal");
        else if (sesion.BaseDeDatos.compare(sesion.Usuario, Qt::CaseInsensitive) == 0 ||
                 sesion.Usuario.compare(QLatin1String("SUPERVISOR QUESSEL MC"), Qt::CaseInsensitive) == 0)
            tarea = ejecutable;
    });
    p.paso([&] { sesion.CierraRecordset(rs); });
    return tarea;
}

QString momentoActual()
{
    return Fechas::Formatea(Sistema::Ahora(), FormatoFechaHora());
}

}  // namespace

void RegistraAccesoModulo(QString& proceso)
{
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("RegistraAccesoModulo"));
    SesionBD& sesion = *gSesionBD;
    const QString nombre = proceso.isEmpty() ? Sistema::NombreEjecutable() : proceso;
    p.paso([&] { gUsuarioLogeado = sesion.Usuario; });
    const ModuloRegistrado modulo = moduloDe(nombre);
    if (!modulo.escribe)
        return;
    QString tarea;
    if (modulo.buscaTarea)
        tarea = tareaDe(sesion, modulo.proceso, p);

    bool hayError = true;
    p.paso([&] {
        gScript = QStringList{QString()};
        QString maquina = Recorta(InfoSistema::NombreMaquina()).toUpper();
        QString usuario = Recorta(gUsuarioLogeado).toUpper();
        QString formulario = Recorta(modulo.proceso).toUpper();
        QString tareaMayusculas = Recorta(tarea).toUpper();
        QString ingreso = momentoActual();
        QString nombreUsuario = gUsuarioLogeado;
        const QString texto = QStringLiteral("'");
        AgregaCampo(QStringLiteral("Maquina"), maquina, texto, true);
        AgregaCampo(QStringLiteral("Usuario"), usuario, texto, false);
        AgregaCampo(QStringLiteral("Formulario"), formulario, texto, false);
        AgregaCampo(QStringLiteral("Tarea"), tareaMayusculas, texto, false);
        AgregaCampo(QStringLiteral("Ingreso"), ingreso, texto, false);
        AgregaCampo(QStringLiteral("NombreUsuario"), nombreUsuario, texto, false);
    });
    p.paso([&] {
        QString condicion;
        ArmaSentencia(gCampos, gScript, QStringLiteral("Control_Acceso"), false, condicion, false);
        long numero = 0;
        QString ejecutado, textoError;
        GActualizarDatoScript(gScript, hayError, numero, false, false, ejecutado, textoError, true);
    });
    // This run's own insert: another run's row can never be taken for it.
    p.paso([&] {
        if (!hayError)
            gIdAcceso = static_cast<std::int32_t>(sesion.UltimaIdentidad().toLongLong());
    });
}

void CierraAcceso()
{
    Procedimiento p(QStringLiteral("CierraAcceso"), [](const Falla& f, const QString&) {
        MsgBox(f.Descripcion, Avisos::SoloAceptar);
        return static_cast<int>(Avisos::Abortar);
    });
    p.paso([&] {
        SesionBD& sesion = *gSesionBD;
        sesion.Ejecuta(QStringLiteral("UPDATE CONTROL_ACCESO ") + QStringLiteral(" SET EGRESO = ") +
                       sesion.ValorSQL(momentoActual(), QStringLiteral("'")) +
                       QStringLiteral(" WHERE EGRESO IS NULL AND ") + QStringLiteral(" ID = ") +
                       sesion.ValorSQL(static_cast<qlonglong>(gIdAcceso), QStringLiteral("@")));
    });
}

}  // namespace ModGlobal
