// Values the session start-up sets for the rest of the program.
#include "session/ModGlobal.h"

namespace ModGlobal {

QString gSeccionIni;
double gFlatToolbars = 0;
QString gCaja;

}  // namespace ModGlobal
