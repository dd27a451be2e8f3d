#include "support/sesion_global.h"

#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

class Configuracion : public ::testing::Test {
protected:
    Configuracion() { Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro")); }
    ~Configuracion() override
    {
        Sistema::FijarNombreEjecutable(QString());
        gUsuarioLogeado.clear();
    }

    void Ajuste(const char* clave, const char* valor)
    {
        s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')")
                                  .arg(QLatin1String(clave), QLatin1String(valor)));
    }
    void Carga()
    {
        QString carpeta = QStringLiteral("/opt/orvandis/");
        CargaConfiguracion(carpeta);
    }

    SesionGlobal s;
};

TEST_F(Configuracion, SinAjustesLosValoresPorDefecto)
{
    gUsuarioLogeado = QStringLiteral("nadie");
    gModuloOrdenDeTrabajo = false;
    gMaderera = true;
    gTopDefault = QStringLiteral("x");
    gUnegocio.clear();
    Carga();
    EXPECT_EQ(gTablaConfiguracion, QStringLiteral("ta_configuracion"));
    EXPECT_FALSE(gMostrarStockEnConsultas);
    EXPECT_EQ(gTituloClientes, QString());
    EXPECT_EQ(gArchivoTareas, QStringLiteral("/opt/orvandis/QSDOCTareas.qsl"));
    EXPECT_EQ(gCantidadDecimales, QStringLiteral(" "));
    EXPECT_FALSE(gUsaFacturaProforma);
    EXPECT_EQ(gUnegocio, QStringLiteral("   1"));
    EXPECT_EQ(gUnidadKG, QString());
    EXPECT_EQ(gPeriodo, 0);
    EXPECT_FALSE(gValidaCodigoBarra);
    EXPECT_EQ(gColorFondo, 0xFFFF00);
    EXPECT_EQ(gColorLetra, 0);
    EXPECT_TRUE(gModuloOrdenDeTrabajo);   // on unless NO
    EXPECT_FALSE(gMaderera);
    EXPECT_FALSE(gVModificaCPrecio);
    EXPECT_FALSE(gPideClaveStockNeg);
    EXPECT_EQ(gMaxDto, Moneda());
    EXPECT_EQ(gCondIvaEmpresa, 1);
    EXPECT_EQ(gTopDefault, QStringLiteral("1000"));
}

TEST_F(Configuracion, LosAjustesGuardadosConSusFormasDeLectura)
{
    Ajuste("MADERERA", " NO");                 // only the emptiness test trims
    Ajuste("V_MODIFICACPRECIO", "no");
    Ajuste("C_ModificaCPrecio", "x");
    Ajuste("MODULOORDENDETRABAJO", " no ");
    Ajuste("MostrarStockenConsultas", " SI");  // untrimmed: not SI
    Ajuste("RazonSocialPorUneg", " si ");
    Ajuste("VALIDACODIGOBARRA", "SI");
    Ajuste("Top_Default", "50");
    Ajuste("CFondo", "255");
    Ajuste("CLetra", "16777215");
    Ajuste("CONDIVA", "2");
    Ajuste("PERIODO", "2026abc");
    Ajuste("MaxDto", " 12,5 ");
    Ajuste("UsaFacturaProforma", "SI");
    Ajuste("TituloClientes", "  Clientes ");
    Ajuste("UNIDADDEMEDIDA_KG", " kg ");
    Ajuste("CantidadDecimales", "3");
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_Usuarios (Nombre, UNegocio, verproforma) VALUES ('ANA', '  ', NULL)"));
    gUsuarioLogeado = QStringLiteral("ana");
    Carga();
    EXPECT_TRUE(gMaderera);
    EXPECT_FALSE(gVModificaCPrecio);
    EXPECT_TRUE(gCModificaCPrecio);
    EXPECT_FALSE(gModuloOrdenDeTrabajo);
    EXPECT_FALSE(gMostrarStockEnConsultas);
    EXPECT_TRUE(gRazonSocialPorUneg);
    EXPECT_TRUE(gValidaCodigoBarra);
    EXPECT_EQ(gTopDefault, QStringLiteral("50"));
    EXPECT_EQ(gColorFondo, 255);
    EXPECT_EQ(gColorLetra, 0xFFFFFF);
    EXPECT_EQ(gCondIvaEmpresa, 2);
    EXPECT_EQ(gPeriodo, 2026);
    EXPECT_EQ(gMaxDto, Moneda::DesdeDiezmilesimos(125000));
    EXPECT_EQ(gTituloClientes, QStringLiteral("Clientes"));
    EXPECT_EQ(gUnidadKG, QStringLiteral("kg"));
    EXPECT_EQ(gCantidadDecimales, QStringLiteral("3"));
    // The user's row: a blank business unit, and a Null that leaves the setting on.
    EXPECT_EQ(gUnegocio, QStringLiteral("   1"));
    EXPECT_TRUE(gUsaFacturaProforma);

    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_Usuarios (Nombre, UNegocio, verproforma) VALUES ('BETO', '2', 0)"));
    gUsuarioLogeado = QStringLiteral("beto");
    Carga();
    EXPECT_EQ(gUnegocio, QStringLiteral("2"));
    EXPECT_FALSE(gUsaFacturaProforma);
}

TEST_F(Configuracion, UnValorQueFallaConservaElAnterior)
{
    Ajuste("PERIODO", "99999");                  // beyond 16 bits
    Ajuste("CFondo", "99999999999999999999");    // beyond the currency range
    Ajuste("CLetra", "7");
    gPeriodo = 7;
    gColorFondo = 0x123456;
    Carga();
    EXPECT_EQ(gPeriodo, 7);
    EXPECT_EQ(gColorFondo, 0x123456);
    EXPECT_EQ(gColorLetra, 7);                   // and the next setting was read
    EXPECT_EQ(gTopDefault, QStringLiteral("1000"));
}

TEST_F(Configuracion, DecimalesDeVentasSoloEnLosEjecutablesDeVentas)
{
    Ajuste("CantidadDecimales", "2");
    Ajuste("CantidadDecimalesVentas", "4");
    gSesionBD->LimpiaBitacora();
    Carga();
    EXPECT_EQ(gCantidadDecimales, QStringLiteral("2"));
    EXPECT_FALSE(s.Enviado().join(u'\n').contains(QLatin1String("CantidadDecimalesVentas")));

    Sistema::FijarNombreEjecutable(QStringLiteral("BRISOLA"));
    Carga();
    EXPECT_EQ(gCantidadDecimales, QStringLiteral("4"));

    s.bd.Sesion().Ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = '0' WHERE CLAVE = 'CantidadDecimalesVentas'"));
    Carga();
    EXPECT_EQ(gCantidadDecimales, QStringLiteral("2"));
}

}  // namespace
