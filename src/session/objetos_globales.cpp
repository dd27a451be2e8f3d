#include "session/ModGlobal.h"

namespace ModGlobal {

Perezoso<UtilidadesComunes> gUtilidades;
Perezoso<LectorIni> gLectorIni;
Perezoso<InfoSistema> gInfoSistema;
Perezoso<ComponenteAplicacion> gComponenteAplicacion;

}  // namespace ModGlobal
