#pragma once
// The suite's common module: session, settings, logs, statements, formats,
// look-ups and the progress notice. One namespace, defined across the files of
// this folder, one file per concern.

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

namespace ModGlobal {

// ---- Module-level service objects (created on first use) -------------------
extern Perezoso<UtilidadesComunes> gUtilidades;
extern Perezoso<LectorIni> gLectorIni;
extern Perezoso<InfoSistema> gInfoSistema;
extern Perezoso<ComponenteAplicacion> gComponenteAplicacion;

// ---- Session start-up and shutdown -----------------------------------------

// ---- Configuration load ------------------------------------------------------

// ---- Access log --------------------------------------------------------------

// ---- Status bar, skin and window icon ----------------------------------------

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
