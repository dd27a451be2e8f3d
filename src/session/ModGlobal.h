#pragma once
// The suite's common module: session, settings, logs, statements, formats,
// look-ups and the progress notice. One namespace, defined across the files of
// this folder, one file per concern.

#include "platform/controles/grilla.h"
#include "platform/db/sesion_bd.h"
#include "platform/falla.h"
#include "platform/lector_ini.h"
#include "platform/moneda.h"
#include "platform/pasos.h"
#include "platform/perezoso.h"
#include "platform/selector_consultas.h"
#include "platform/sistema.h"
#include "platform/utilidades_comunes.h"
#include "platform/utilidades_controles.h"
#include "session/cartel.h"

#include <QDateTime>
#include <QList>
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
// The program-wide pick list, over the main session.
extern Perezoso<SelectorConsultas> gConsulta;
// The form-control component, released at shutdown.
extern Perezoso<UtilidadesControles> gControles;

// ---- Session start-up and shutdown -----------------------------------------
extern QString gSeccionIni;     // the INI identity section ("MAQUINA|USUARIO")
extern double gFlatToolbars;    // the INI key FlatToolbars as a number
extern QString gCaja;           // the cash box of this run ("1" by default)
extern QString gUsuarioLogeado; // the run's user; the session's login user once connected
extern QString gParametroAdicional;
extern QString gMenu;
extern QString gCadenaDSN;      // "DSN=<database>; UID=<user>; PWD=<password>"
extern std::int16_t gTimeOut;   // command time-out of the main session, seconds
extern QString gArchivoAyuda;   // the application's help file

// Opens the run: parameter string (the argument, else the command line, else
// the INI database section when LeerIni), main and statistics sessions,
// saved-queries file, settings and the access row. A connection that fails
// ends the program at once, without a message.
void IniciaSesion(bool& LeerIni, QString& Parametros, QString& CadenaConexion, long& Modo);
// (Re)opens the statistics session and sets gTimeOut; never fails.
void ConectaEstadisticas();
// The host part of a server text: after the first "/", before the first ":".
QString ExtraeNombreServidor(const QString& servidor);
// Closes the access row and releases the module-level service objects.
void FinalizaSesion();
// The value of one key of a session parameter string (the key found as a
// substring without regard to case, the value up to the next ";" or the end,
// every "=" removed, trimmed); the default when the key is absent.
QString ValorParametro(const QString& comando, const QString& clave, const QString& porDefecto = QString());

// ---- Configuration load ------------------------------------------------------
// Settings kept in memory after the start-up load (colours are BGR numbers).
extern bool gMostrarStockEnConsultas;
extern QString gTituloClientes;
extern QString gTituloProveedores;
extern QString gArchivoTareas;
extern bool gExigeClaveConsultaLike;
extern bool gUsaConsultaLike;
extern QString gCantidadDecimales;
extern bool gConfidencialidad;
extern bool gUsaMultilesMonedas;
extern bool gUsaFacturaProforma;
extern bool gUsaCCosto;
extern bool gUsaStkStockUdKg;
extern QString gUnegocio;
extern QString gUnidadM3;
extern QString gUnidadBL;
extern QString gUnidadKG;
extern short gPeriodo;
extern bool gRazonSocialPorUneg;
extern bool gValidaCodigoBarra;
extern long gColorFondo;
extern long gColorLetra;
extern bool gModuloOrdenDeTrabajo;
extern bool gVModificaCPrecio;
extern bool gCModificaCPrecio;
extern bool gMaderera;
extern QString gMadTiras;
extern QString gMadP2;
extern QString gMadML;
extern QString gMadM2;
extern QString gMadHojas;
extern QString gMadMLP2;
extern QString gMadM2P2;
extern QString gMadMLM2;
extern QString gCuentaCtroDist;
extern Moneda gMaxDto;
extern Moneda gMaxDtoProforma;
extern bool gPideClaveStockNeg;
extern bool gPideClaveMarkUpBase;
extern bool gPideClaveLimiteCredito;
extern bool gBloqueoActivo;
extern bool gUtilizarFechaDia;
extern bool gAsignacionAutomaticaDeLoteING;
extern bool gAsignacionAutomaticaDeLoteINGOP;
extern short gCondIvaEmpresa;
extern QString gTopDefault;
// Copies the settings above from the configuration table (and the logged
// user's row of ta_usuarios); every failing statement is passed over.
void CargaConfiguracion(QString& carpetaAplicacion);
// A number rounded half to even to 16 or 32 bits; Falla 6 (overflow) beyond the range.
std::int16_t Entero16(double valor);
std::int32_t Entero32(double valor);

// ---- Access log --------------------------------------------------------------
extern std::int32_t gIdAcceso;   // this run's row of Control_Acceso; 0 while none
// Writes this run's row; an empty process name is the running executable's.
void RegistraAccesoModulo(QString& proceso);
// Stamps the exit time on this run's row.
void CierraAcceso();

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
extern QString gTablaConfiguracion;
// One setting of the main database: one blank " " for a missing key, "" when
// the session is not connected.
QString Cfg(const QString& clave, QString& valorAux);
QString Cfg(const QString& clave);
// The same through the statistics session.
QString CfgQS(const QString& clave, QString& valorAux);
QString CfgQS(const QString& clave);
void GrabaCfgQS(const QString& clave, const QVariant& valor, const QString& valorAux, bool politicaNegocio,
                const QString& grupo, bool recortar);

// The reading forms of a setting's value, as every caller names them.
bool FormaIgualSi(const QString& valor);          // equals "SI", untrimmed
bool FormaSalvoNo(const QString& valor);          // on unless the trimmed value is "NO"
bool FormaNoVacioNiNo(const QString& valor);      // off when empty (trimmed) or "NO"
bool FormaNoVacioYSi(const QString& valor);       // off when empty, else the trimmed value equals "SI"
double FormaNumero(const QString& valor);         // the number at the start of the text
QString FormaTexto(const QString& valor);         // trimmed; empty means not set
// The same, reading the key through Cfg.
bool CfgIgualSi(const QString& clave);
bool CfgSalvoNo(const QString& clave);
bool CfgNoVacioNiNo(const QString& clave);
bool CfgNoVacioYSi(const QString& clave);
double CfgNumero(const QString& clave);
QString CfgTexto(const QString& clave);

// ---- Article look-up -------------------------------------------------------------
// Finds an article by what was typed or scanned: a quantity prefix ("12*code")
// and, with automatic lots, a lot prefix ("15Acode"); then the code as barcode
// or article id, as one of the unit barcodes, as a supplier's code (directly or
// through the purchase price list IdLista). On success Codigo holds the article
// id; Registro is always left on the last recordset opened. In the sales
// modules an article of another business unit is refused (ControlUnidadNegocio
// 0, after a message), flagged (1 becomes 2) or let through (any other value).
bool BuscaArticulo(QString& Codigo, Recordset& Registro, const bool& SoloLectura, bool& BuscaCodigoBarra,
                   QString& Descripcion, const QString& CuentaProveedor, QString& UdBase, const QString& IdLista,
                   double& Cantidad, Moneda& Importe, QString& Lote, const QString& TC, short& ControlUnidadNegocio);

// ---- Record and account look-up ----------------------------------------------------
// Whether a row of the table has the column equal to the value (or satisfies
// the filter). Tipo 8 compares the trimmed column with the quoted value, 7 and
// any other code write the value as it stands (7 trimmed), 3, 4 and 5 the
// number at the start of the value. With Registro the rows are left open in it
// (SoloLectura false keeps its cursor and lock types); failures are asked about
// with Abort/Retry/Ignore.
bool BuscaRegistro(const QString& Tabla, const QString& Valor, const QString& Campo, Recordset* Registro = nullptr,
                   const QVariant& Tipo = QVariant(), const QString& Filtro = QString(), bool SoloLectura = false);
// The statement BuscaRegistro hands to SesionBD.PreparaSQL.
QString SentenciaBuscaRegistro(const QString& Tabla, const QString& Valor, const QString& Campo,
                               const QVariant& Tipo = QVariant(), const QString& Filtro = QString());
// An account of MA_CUENTAS by its code or its optional code, the other one
// tried next; on success Cuenta becomes the account's Codigo (except when
// found by code after the optional code). Failures go to the caller.
bool BuscaCuenta(QString& Cuenta, Recordset& Registro, const bool& SoloLectura, bool& PorCodigoOpcional);

// ---- Error handling and error logs ---------------------------------------------------
// Shows the failure (buttons 18: Abort/Retry/Ignore, critical), appends its
// line to QSERR.LOG and answers the operator's choice; 0 for failure number 0.
int ManejaError(const Falla& falla, int botones = 18, const QString& procedimiento = QString());
// ManejaError as the error manager of a Procedimiento (the procedure's own name is passed).
GestorError GestorManejaError(int botones = 18);
// The same without the procedure name in title and log line.
GestorError GestorManejaErrorSinNombre(int botones = 18);
// UtilidadesComunes.GestionaError as the error manager of a Procedimiento.
GestorError GestorUtilidades();
// Folder and name of the error log, as ManejaError chooses them now.
QString ArchivoErrores();
// One failure as a row of AUX_ERR; an empty process name becomes the executable's.
void RegistraErrorAuxErr(QString& sql, QString& proceso, long& numero, QString& descripcion);
// Appends the failure's line to QSERR.LOG without asking the operator.
void AnotaFalla(const Falla& falla, const QString& procedimiento = QString());
// Runs a batch and never raises: a failure lands in the connection's Errors,
// also one the connection itself did not record.
void EjecutaRegistrando(SesionBD& sesion, const QString& sql);
// The errors as the operator reads them: "number : description" and CR LF per
// error, every error but the last when there are several.
QString TextoDeErrores(const ErroresBD& errores);
// Runs the script as one transaction; see the arguments' names.
void GActualizarDatoScript(const QStringList& script, bool& hayError, long& numeroError, bool toleraDuplicado,
                           bool toleraReferencia, QString& textoEjecutado, QString& textoError, bool mostrarErrores);

// ---- Statement builder and SQL helpers --------------------------------------------------
struct CampoValor {
    QString Campo;
    QString Valor;   // already an SQL literal
};
extern QList<CampoValor> gCampos;
extern QStringList gScript;
void AgregaCampo(const QString& campo, QString& valor, const QString& tipo, bool inicio);
void ArmaSentencia(QList<CampoValor>& campos, QStringList& script, const QString& tabla, bool actualiza,
                   QString& condicion, bool conservar);
void ArmaValores(QString& sql, QList<CampoValor>& campos, bool limpiar);
QString ArmaCondicion(const QString& columna, const QString& operador, const QStringList& valores,
                      const QString& union_, const QString& delimitador, const QVariant& incluyeNulo,
                      bool soloNoVacios);
int BuscaEnArray(const QStringList& lista, const QString& texto, int inicio = 0);
QString AdaptaSQL(const QString& sql);
QDateTime FechaServidor();
void ConfirmaTransaccion();

// ---- Value formatting and text helpers ---------------------------------------------------
bool EsVerdadero(const QString& texto, bool verdaderoPorDefecto = false);
// The suite's date and time patterns ("dd/mm/yy hh:mm", "dd/mm/yy", "hh:mm"),
// to be used with Fechas::Formatea.
QString FormatoFechaHora();
QString FormatoFecha();
QString FormatoHora();
// Decimals code: -3 the text as it is, -1 the configured decimals, -2 none,
// 0 the regional currency digits, n that many.
QString FmtMoneda(const QString& importe, int decimales, bool miles);
double ValidaHora(const QString& hora, const QString& horas, const QString& minutos, bool modoNumero = false);
QString FormatoHoras(double minutos, long& horas, long& minutosResto, bool forzarDosPuntos = false);
struct ParTotales {
    QString Texto;
    double Total = 0;
};
extern QList<ParTotales> gListaTotales;
long EstaEnLista(const QString& texto);
// Blanks a grid row from a column to the last one.
void LimpiaFilaGrilla(Grilla& grilla, long fila, long primeraColumna);
QString TransformaTexto(const QVariant& valor);
// The regional number of currency digits (2 when the locale does not say).
int DigitosMonedaRegional();

// ---- Progress notice ---------------------------------------------------------------------
// The program-wide notice of long operations; released at shutdown.
extern Perezoso<Dll_Display> gCartel;

// ---- Sibling launch, saved-queries file, voucher letter -------------------------------------
// Starts a sibling module with this run's session; resultado gets its process
// id, 0 when none. The parameter is cut to what follows its first blank.
void MenuExes(QString& programa, QString& parametro, long& resultado);
// The session parameter string handed to a sibling module.
QString ParametrosParaModulo(const QString& parametroAdicional);
// Appends the eleven default searches to gConsulta's saved-queries file;
// failures go to the caller.
void CreaConsultasPredefinidas();

}  // namespace ModGlobal
