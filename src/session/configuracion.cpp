// The settings kept in memory and their load at start-up.
#include "session/ModGlobal.h"

#include "platform/numeros.h"
#include "platform/recorte.h"

#include <QTime>

#include <cmath>
#include <cstdlib>
#include <limits>

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

namespace ModGlobal {

namespace {

template <class Entero>
Entero redondeaA(double valor)
{
    const double r = Numeros::RedondeoPar(valor, 0);
    if (!std::isfinite(r) || r < std::numeric_limits<Entero>::min() || r > std::numeric_limits<Entero>::max())
        throw Falla(Falla::Desbordamiento, QStringLiteral("Desbordamiento"));
    return static_cast<Entero>(r);
}

std::int16_t numero(const QString& clave)
{
    return Entero16(CfgNumero(clave));
}

Moneda importe(const QString& clave)
{
    return gUtilidades->TextoAMoneda(CfgTexto(clave));
}

long color(const QString& clave)
{
    return Entero32(gUtilidades->TextoAMoneda(Cfg(clave)).ADoble());
}

}  // namespace

std::int16_t Entero16(double valor)
{
    return redondeaA<std::int16_t>(valor);
}

std::int32_t Entero32(double valor)
{
    return redondeaA<std::int32_t>(valor);
}

void CargaConfiguracion(QString& carpetaAplicacion)
{
    // Each setting on its own: a failing one keeps its variable as it was.
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("CargaConfiguracion"));
    p.paso([] { std::srand(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay())); });
    p.paso([] { gTablaConfiguracion = QStringLiteral("ta_configuracion"); });
    p.paso([] { gMostrarStockEnConsultas = CfgIgualSi(QStringLiteral("MostrarStockenConsultas")); });
    p.paso([] { gTituloClientes = CfgTexto(QStringLiteral("TituloClientes")); });
    p.paso([] { gTituloProveedores = CfgTexto(QStringLiteral("TituloProveedores")); });
    p.paso([&] { gArchivoTareas = carpetaAplicacion + QStringLiteral("QSDOCTareas.qsl"); });
    p.paso([] { gExigeClaveConsultaLike = CfgIgualSi(QStringLiteral("EXIGECLAVECONSULTALIKEARTICULOS")); });
    p.paso([] { gUsaConsultaLike = CfgIgualSi(QStringLiteral("UsaConsultaLike")); });
    p.paso([] { gCantidadDecimales = Cfg(QStringLiteral("CantidadDecimales")); });
    p.paso([] { gConfidencialidad = CfgIgualSi(QStringLiteral("SS_CONFIDENCIALIDAD")); });
    p.paso([] {
        // The executables whose decimals come from "CantidadDecimalesVentas".
        static const QStringList ventas{"Brisola", "Cantefo", "Dunmarel", "Hovesta", "Ilmarode",
                                        "Esquilo", "Jastrel", "Kolvare",  "Lumbreco"};
        if (!gUtilidades->ExisteEnArreglo(Sistema::NombreEjecutable(), ventas))
            return;
        const QString decimales = Cfg(QStringLiteral("CantidadDecimalesVentas"));
        if (FormaNumero(decimales) > 0)
            gCantidadDecimales = decimales;
    });
    p.paso([] { gUsaMultilesMonedas = CfgIgualSi(QStringLiteral("UsaMultilesMonedas")); });
    p.paso([] { gUsaFacturaProforma = CfgIgualSi(QStringLiteral("UsaFacturaProforma")); });
    p.paso([] { gUsaCCosto = CfgIgualSi(QStringLiteral("USACCOSTO")); });
    p.paso([] { gUsaStkStockUdKg = CfgIgualSi(QStringLiteral("USA_STK_STOCK_UDKG")); });

    // The logged user's row.
    Recordset usuario;
    p.paso([&] {
        gSesionBD->AbreRecordset(QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = ") +
                                     gSesionBD->ValorSQL(gUsuarioLogeado, QStringLiteral("'")),
                                 usuario, nullptr, 0, 1, -1, true);
    });
    if (usuario.State() && !usuario.Eof()) {
        p.paso([&] { gUnegocio = gUtilidades->ValorNoNuloTexto(usuario.Valor(QStringLiteral("UNegocio"))); });
        p.paso([&] {
            if (!gUsaFacturaProforma)
                return;
            const QVariant ver = usuario.Valor(QStringLiteral("verproforma"));
            // A Null is no Boolean: the setting stays.
            if (ver.isNull())
                throw Falla(Falla::TiposNoCoinciden, QStringLiteral("Uso no válido de Null"));
            gUsaFacturaProforma = ver.toBool();
        });
    }
    p.paso([&] { gSesionBD->CierraRecordset(usuario); });
    p.paso([] {
        if (Recorta(gUnegocio).isEmpty())
            gUnegocio = QStringLiteral("   1");
    });

    p.paso([] { gUnidadM3 = CfgTexto(QStringLiteral("UNIDADDEMEDIDA_M3")); });
    p.paso([] { gUnidadBL = CfgTexto(QStringLiteral("UNIDADDEMEDIDA_BL")); });
    p.paso([] { gUnidadKG = CfgTexto(QStringLiteral("UNIDADDEMEDIDA_KG")); });
    p.paso([] { gPeriodo = numero(QStringLiteral("PERIODO")); });
    p.paso([] { gRazonSocialPorUneg = CfgNoVacioYSi(QStringLiteral("RazonSocialPorUneg")); });
    p.paso([] { gValidaCodigoBarra = CfgNoVacioYSi(QStringLiteral("VALIDACODIGOBARRA")); });
    p.paso([] { gColorFondo = color(QStringLiteral("CFondo")); });
    p.paso([] { gColorLetra = color(QStringLiteral("CLetra")); });
    p.paso([] {
        if (gColorFondo == 0)
            gColorFondo = 0xFFFF00;   // blue-green-red: cyan
    });
    p.paso([] { gModuloOrdenDeTrabajo = CfgSalvoNo(QStringLiteral("ModuloOrdenDeTrabajo")); });
    p.paso([] { gVModificaCPrecio = CfgNoVacioNiNo(QStringLiteral("V_ModificaCPrecio")); });
    p.paso([] { gCModificaCPrecio = CfgNoVacioNiNo(QStringLiteral("C_ModificaCPrecio")); });
    p.paso([] { gMaderera = CfgNoVacioNiNo(QStringLiteral("MADERERA")); });
    p.paso([] { gMadTiras = CfgTexto(QStringLiteral("MAD_TIRAS")); });
    p.paso([] { gMadP2 = CfgTexto(QStringLiteral("MAD_P2")); });
    p.paso([] { gMadML = CfgTexto(QStringLiteral("MAD_ML")); });
    p.paso([] { gMadM2 = CfgTexto(QStringLiteral("MAD_M2")); });
    p.paso([] { gMadHojas = CfgTexto(QStringLiteral("MAD_HOJAS")); });
    p.paso([] { gMadMLP2 = CfgTexto(QStringLiteral("MAD_ML_P2")); });
    p.paso([] { gMadM2P2 = CfgTexto(QStringLiteral("MAD_M2_P2")); });
    p.paso([] { gMadMLM2 = CfgTexto(QStringLiteral("MAD_ML_M2")); });
    p.paso([] { gCuentaCtroDist = CfgTexto(QStringLiteral("CuentaCtroDist")); });
    p.paso([] { gMaxDto = importe(QStringLiteral("MaxDto")); });
    p.paso([] { gMaxDtoProforma = importe(QStringLiteral("MaxDtoProforma")); });
    p.paso([] { gPideClaveStockNeg = CfgNoVacioNiNo(QStringLiteral("PideClave_StockNeg")); });
    p.paso([] { gPideClaveMarkUpBase = CfgNoVacioNiNo(QStringLiteral("PideClave_MarkUpBase")); });
    p.paso([] { gPideClaveLimiteCredito = CfgNoVacioNiNo(QStringLiteral("PideClave_LimiteCredito")); });
    p.paso([] { gBloqueoActivo = CfgIgualSi(QStringLiteral("SS_BloqueoActivo")); });
    p.paso([] { gUtilizarFechaDia = CfgIgualSi(QStringLiteral("UTILIZARFECHADIA")); });
    p.paso([] { gAsignacionAutomaticaDeLoteING = CfgIgualSi(QStringLiteral("AsignacionAutomaticaDeLoteING")); });
    p.paso([] { gAsignacionAutomaticaDeLoteINGOP = CfgIgualSi(QStringLiteral("AsignacionAutomaticaDeLoteINGOP")); });
    p.paso([] { gCondIvaEmpresa = numero(QStringLiteral("CONDIVAEMPRESA")); });
    p.paso([] {
        if (gCondIvaEmpresa == 0)
            gCondIvaEmpresa = numero(QStringLiteral("CONDIVA"));
    });
    p.paso([] {
        if (gCondIvaEmpresa == 0)
            gCondIvaEmpresa = 1;
    });
    p.paso([] { gTopDefault = Cfg(QStringLiteral("Top_Default")); });
    p.paso([] {
        if (Recorta(gTopDefault).isEmpty())
            gTopDefault = QStringLiteral("1000");
    });
}

}  // namespace ModGlobal
