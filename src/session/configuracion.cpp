#include "session/ModGlobal.h"

namespace ModGlobal {

bool gMostrarStockEnConsultas = false;
QString gTituloClientes;
QString gTituloProveedores;
QString gArchivoTareas;
bool gExigeClaveConsultaLike = false;
bool gUsaConsultaLike = false;
QString gCantidadDecimales;
bool gConfidencialidad = false;
bool gUsaMultilesMonedas = false;
bool gUsaFacturaProforma = false;
bool gUsaCCosto = false;
bool gUsaStkStockUdKg = false;
QString gUnegocio;
QString gUnidadM3;
QString gUnidadBL;
QString gUnidadKG;
short gPeriodo = 0;
bool gRazonSocialPorUneg = false;
bool gValidaCodigoBarra = false;
long gColorFondo = 0xFFFFFF;
long gColorLetra = 0;
bool gModuloOrdenDeTrabajo = false;
bool gVModificaCPrecio = false;
bool gCModificaCPrecio = false;
bool gMaderera = false;
QString gMadTiras;
QString gMadP2;
QString gMadML;
QString gMadM2;
QString gMadHojas;
QString gMadMLP2;
QString gMadM2P2;
QString gMadMLM2;
QString gCuentaCtroDist;
Moneda gMaxDto;
Moneda gMaxDtoProforma;
bool gPideClaveStockNeg = false;
bool gPideClaveMarkUpBase = false;
bool gPideClaveLimiteCredito = false;
bool gBloqueoActivo = false;
bool gUtilizarFechaDia = false;
bool gAsignacionAutomaticaDeLoteING = false;
bool gAsignacionAutomaticaDeLoteINGOP = false;
short gCondIvaEmpresa = 0;
QString gTopDefault;

}  // namespace ModGlobal
