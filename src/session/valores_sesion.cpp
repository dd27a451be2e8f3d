// Values the session start-up sets for the rest of the program.
#include "session/ModGlobal.h"

namespace ModGlobal {

QString gSeccionIni;
double gFlatToolbars = 0;
QString gCaja;
QString gUsuarioLogeado;
QString gParametroAdicional;
QString gMenu;
QString gCadenaDSN;
std::int16_t gTimeOut = 360;
QString gArchivoAyuda;

}  // namespace ModGlobal
