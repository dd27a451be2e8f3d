#include "session/ModGlobal.h"

namespace ModGlobal {

Perezoso<UtilidadesComunes> gUtilidades;
Perezoso<LectorIni> gLectorIni;
Perezoso<InfoSistema> gInfoSistema;
Perezoso<ComponenteAplicacion> gComponenteAplicacion;
Perezoso<SesionBD> gSesionBD;
Perezoso<SesionBD> gSesionEstadisticas;
Perezoso<SelectorConsultas> gConsulta([] {
    auto selector = std::make_unique<SelectorConsultas>();
    selector->Sesion = []() -> SesionBD& { return *gSesionBD; };
    return selector;
});
Perezoso<UtilidadesControles> gControles;

}  // namespace ModGlobal
