#pragma once
// The suite's common module: session, settings, logs, statements, formats,
// look-ups and the progress notice. One namespace, defined across the files of
// this folder, one file per concern.

#include "platform/db/sesion_bd.h"
#include "platform/falla.h"
#include "platform/lector_ini.h"
#include "platform/moneda.h"
#include "platform/pasos.h"
#include "platform/perezoso.h"
#include "platform/sistema.h"
#include "platform/utilidades_comunes.h"
#include "session/cartel.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>

class BarraEstado;
class QWidget;

namespace ModGlobal {

// ---- Module-level service objects (created on first use) -------------------
extern Perezoso<UtilidadesComunes> gUtilidades;
extern Perezoso<LectorIni> gLectorIni;
extern Perezoso<InfoSistema> gInfoSistema;
extern Perezoso<ComponenteAplicacion> gComponenteAplicacion;
// The main database session and the session on the statistics database.
extern Perezoso<SesionBD> gSesionBD;
extern Perezoso<SesionBD> gSesionEstadisticas;

// ---- Session start-up and shutdown -----------------------------------------
extern QString gSeccionIni;     // the INI identity section ("MAQUINA|USUARIO")
extern double gFlatToolbars;    // the INI key FlatToolbars as a number
extern QString gCaja;           // the cash box of this run

// ---- Configuration load ------------------------------------------------------

// ---- Access log --------------------------------------------------------------

// ---- Status bar, skin and window icon ----------------------------------------
// Fills the main window's panels "MENSAJE", "SERVER", "USUARIO", "BASEDEDATOS",
// "CAJA" and "VERSION" once; later calls change only the message. Never fails.
void InicializaBarraEstado(BarraEstado& sbStatusBar, const QString& Mensaje);
// The skin number last read by AplicaSkin.
extern std::int16_t gEstiloSkin;
// Loads the skin this workstation's INI section names into the window's
// "SkinFramework1" and applies it; failures go to the caller.
void AplicaSkin(QWidget& ventana);
// The suite's icon and this workstation's toolbar style; never fails.
void AplicaIconoFormulario(QWidget& ventana);

// ---- Settings store ------------------------------------------------------------

// ---- Article look-up -------------------------------------------------------------

// ---- Record and account look-up ----------------------------------------------------

// ---- Error handling and error logs ---------------------------------------------------

// ---- Statement builder and SQL helpers --------------------------------------------------

// ---- Value formatting and text helpers ---------------------------------------------------

// ---- Progress notice ---------------------------------------------------------------------
// The program-wide notice of long operations; released at shutdown.
extern Perezoso<Dll_Display> gCartel;

// ---- Sibling launch, saved-queries file, voucher letter -------------------------------------

}  // namespace ModGlobal
