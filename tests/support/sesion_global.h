#pragma once
// The program's own sessions (ModGlobal::gSesionBD and gSesionEstadisticas)
// connected to fresh temporary databases for one test, released at the end.
//
//   SesionGlobal s(BasePrueba::ConDemo);
//   ModGlobal::Cfg("Top_Default");
//   s.bd.Filas("SELECT ...");          // the main database's rows
//   s.qs.Filas("SELECT ...");          // the statistics database's rows

#include "session/ModGlobal.h"
#include "support/base_prueba.h"

class SesionGlobal {
public:
    explicit SesionGlobal(BasePrueba::Datos datos = BasePrueba::SoloEsquema) : bd(datos), qs(BasePrueba::SoloEsquema)
    {
        bd.Conecta(*ModGlobal::gSesionBD);
        qs.Conecta(*ModGlobal::gSesionEstadisticas);
        ModGlobal::gTablaConfiguracion.clear();
    }
    ~SesionGlobal()
    {
        ModGlobal::gSesionBD.Liberar();
        ModGlobal::gSesionEstadisticas.Liberar();
        ModGlobal::gTablaConfiguracion.clear();
    }
    SesionGlobal(const SesionGlobal&) = delete;
    SesionGlobal& operator=(const SesionGlobal&) = delete;

    // What the main session sent, from the last clear on.
    const QStringList& Enviado() const { return ModGlobal::gSesionBD->Bitacora(); }

    BasePrueba bd;
    BasePrueba qs;
};
