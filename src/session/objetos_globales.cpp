#include "session/ModGlobal.h"

namespace ModGlobal {

Perezoso<UtilidadesComunes> gUtilidades;
Perezoso<LectorIni> gLectorIni;
Perezoso<InfoSistema> gInfoSistema;
Perezoso<ComponenteAplicacion> gComponenteAplicacion;
Perezoso<SesionBD> gSesionBD;
Perezoso<SesionBD> gSesionEstadisticas;

}  // namespace ModGlobal
