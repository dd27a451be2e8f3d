#pragma once
// A run of the program for one test: application, system and temporary
// folders of its own, the demo database as the embedded one, a pinned clock
// and executable name, a terminator that throws, scripted message boxes.
// Everything the start-up leaves in the common module is put back at the end.

#include "support/avisos_grabados.h"
#include "support/base_prueba.h"
#include "support/carpeta_temporal.h"
#include "session/ModGlobal.h"

#include <gtest/gtest.h>

#include <optional>

// What the replaced terminator throws instead of ending the process.
struct ProgramaTerminado {
    int codigo;
};

// An environment variable set for one test.
class VariableDeEntorno {
public:
    VariableDeEntorno(const char* nombre, const QString& valor)
        : nombre_(nombre), anterior_(qEnvironmentVariableIsSet(nombre) ? std::optional(qgetenv(nombre)) : std::nullopt)
    {
        qputenv(nombre, valor.toLocal8Bit());
    }
    ~VariableDeEntorno()
    {
        if (anterior_)
            qputenv(nombre_, *anterior_);
        else
            qunsetenv(nombre_);
    }
    VariableDeEntorno(const VariableDeEntorno&) = delete;
    VariableDeEntorno& operator=(const VariableDeEntorno&) = delete;

private:
    const char* nombre_;
    std::optional<QByteArray> anterior_;
};

class Arranque : public ::testing::Test {
protected:
    Arranque()
    {
        Sistema::FijarCarpetaAplicacion(app.Ruta());
        InfoSistema::FijarCarpetaSistema(sistema.Ruta());
        Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro"));
        Sistema::FijarLineaDeComandos(QString());
        Sistema::FijarReloj([this] { return ahora; });
        Sistema::FijarTerminador([](int codigo) { throw ProgramaTerminado{codigo}; });
        limpiaModulo();
    }
    ~Arranque() override
    {
        ModGlobal::gSesionBD.Liberar();
        ModGlobal::gSesionEstadisticas.Liberar();
        ModGlobal::gConsulta.Liberar();
        ModGlobal::gComponenteAplicacion.Liberar();
        limpiaModulo();
        Sistema::FijarCarpetaAplicacion(QString());
        InfoSistema::FijarCarpetaSistema(QString());
        Sistema::FijarNombreEjecutable(QString());
        Sistema::FijarLineaDeComandos(std::nullopt);
        Sistema::FijarReloj(nullptr);
        Sistema::FijarTerminador(nullptr);
        Sistema::FijarLanzador(nullptr);
    }

    // IniciaSesion as the start-up window calls it, with a parameter string.
    void Inicia(QString parametros, bool leerIni = false)
    {
        QString cadena;
        long modo = 3;
        ModGlobal::IniciaSesion(leerIni, parametros, cadena, modo);
    }

    // The parameter string of the suite for the test's database.
    QString Parametros(const QString& resto = QString()) const
    {
        return QStringLiteral("@server=") + bd.Archivo() + QStringLiteral("; @dbname=PRUEBA; @usuario=ana; @Password=pw; ") +
               resto;
    }

    static void limpiaModulo()
    {
        using namespace ModGlobal;
        gIdAcceso = 0;
        gUsuarioLogeado.clear();
        gCaja.clear();
        gParametroAdicional.clear();
        gMenu.clear();
        gCadenaDSN.clear();
        gTimeOut = 360;
        gTablaConfiguracion.clear();
        gSeccionIni.clear();
        gFlatToolbars = 0;
    }

    CarpetaTemporal app;
    CarpetaTemporal sistema;
    CarpetaTemporal temporal;
    // The error log goes to the test's own temporary folder.
    VariableDeEntorno temp{"TEMP", temporal.Ruta()};
    VariableDeEntorno tmp{"TMP", temporal.Ruta()};
    BasePrueba bd{BasePrueba::ConDemo};
    AvisosGrabados avisos;
    QDateTime ahora{QDate(2026, 12, 10), QTime(9, 30)};
};
