#include "session/ModGlobal.h"

#include "platform/controles/barra_estado.h"
#include "support/base_prueba.h"

#include <gtest/gtest.h>

namespace {

const char* const clavesDelPrincipal[] = {"MENSAJE", "SERVER", "USUARIO", "BASEDEDATOS", "CAJA", "VERSION"};

class BarraDelPrincipal : public ::testing::Test {
protected:
    void SetUp() override
    {
        bd.Conecta(*ModGlobal::gSesionBD);
        ModGlobal::gSesionBD->Servidor = QStringLiteral("SRV-TALLER");
        ModGlobal::gSesionBD->Usuario = QStringLiteral("ana");
        ModGlobal::gSesionBD->BaseDeDatos = QStringLiteral("TALLER");
        for (const char* clave : clavesDelPrincipal)
            barra.Panels().Add(0, QLatin1String(clave));
        ModGlobal::gSesionBD->LimpiaBitacora();
    }
    void TearDown() override
    {
        ModGlobal::gSesionBD.Liberar();
        ModGlobal::gCaja = cajaAnterior;
    }
    QString texto(const char* clave) { return barra.Panels()(QLatin1String(clave)).Text(); }
    QString ayuda(const char* clave) { return barra.Panels()(QLatin1String(clave)).ToolTipText(); }
    QStringList inserciones() const { return ModGlobal::gSesionBD->Bitacora().filter(QStringLiteral("INSERT")); }

    BasePrueba bd{BasePrueba::ConDemo};
    BarraEstado barra;
    QString cajaAnterior = ModGlobal::gCaja;
};

TEST_F(BarraDelPrincipal, SeLlenaUnaVezYLuegoSoloCambiaElMensaje)
{
    ModGlobal::gCaja = QStringLiteral("1");
    ModGlobal::InicializaBarraEstado(barra, QString());
    EXPECT_EQ(texto("MENSAJE"), "");
    EXPECT_EQ(texto("SERVER"), "Srv: SRV-TALLER");
    EXPECT_EQ(texto("USUARIO"), "Uid: ana");
    EXPECT_EQ(texto("BASEDEDATOS"), "Db: TALLER");
    EXPECT_EQ(texto("CAJA"), "1 CAJA TALLER");
    EXPECT_EQ(texto("VERSION"), "V.1.0.0");
    for (const char* clave : {"SERVER", "USUARIO", "BASEDEDATOS", "CAJA"})
        EXPECT_EQ(ayuda(clave), texto(clave)) << clave;
    EXPECT_EQ(ayuda("MENSAJE"), "");
    EXPECT_EQ(ayuda("VERSION"), "");
    EXPECT_TRUE(inserciones().isEmpty());

    ModGlobal::gSesionBD->Servidor = QStringLiteral("OTRO");
    ModGlobal::gSesionBD->LimpiaBitacora();
    ModGlobal::InicializaBarraEstado(barra, QStringLiteral("Listo"));
    EXPECT_EQ(texto("MENSAJE"), "Listo");
    EXPECT_EQ(texto("SERVER"), "Srv: SRV-TALLER");
    EXPECT_EQ(texto("CAJA"), "1 CAJA TALLER");
    EXPECT_TRUE(ModGlobal::gSesionBD->Bitacora().isEmpty());
}

TEST_F(BarraDelPrincipal, UnaCajaQueFaltaSeCreaUnaSolaVez)
{
    ModGlobal::gCaja = QStringLiteral("7");
    ModGlobal::InicializaBarraEstado(barra, QString());
    EXPECT_EQ(inserciones(),
              QStringList{QStringLiteral("INSERT INTO @Admin_V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('7   ','CAJA 7')")});
    EXPECT_EQ(texto("CAJA"), "7 CAJA 7");
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT IdCajas || '|' || Descripcion FROM V_TA_Cajas WHERE IdCajas = '7'")),
              QStringList{QStringLiteral("7   |CAJA 7")});

    BarraEstado otra;
    for (const char* clave : clavesDelPrincipal)
        otra.Panels().Add(0, QLatin1String(clave));
    ModGlobal::gSesionBD->LimpiaBitacora();
    ModGlobal::InicializaBarraEstado(otra, QString());
    EXPECT_TRUE(inserciones().isEmpty());
    EXPECT_EQ(otra.Panels()(QStringLiteral("CAJA")).Text(), "7 CAJA 7");
}

TEST_F(BarraDelPrincipal, SinCajaEsLaUno)
{
    bd.Sesion().Ejecuta(QStringLiteral("DELETE FROM V_TA_Cajas"));
    ModGlobal::gCaja.clear();
    ModGlobal::InicializaBarraEstado(barra, QString());
    EXPECT_EQ(ModGlobal::gCaja, "1");
    EXPECT_EQ(inserciones(),
              QStringList{QStringLiteral("INSERT INTO @Admin_V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('1   ','CAJA 1')")});
    EXPECT_EQ(texto("CAJA"), "1 CAJA 1");
}

TEST_F(BarraDelPrincipal, UnaCajaConApostrofoNoRompeElSQL)
{
    ModGlobal::gCaja = QStringLiteral("O'H");
    ModGlobal::InicializaBarraEstado(barra, QString());
    EXPECT_EQ(texto("CAJA"), "O'H CAJA O'H");
    EXPECT_EQ(ModGlobal::gSesionBD->Conexion.Errors.Count(), 0);
}

TEST_F(BarraDelPrincipal, LosPanelesQueFaltanSeSaltan)
{
    BarraEstado corta;
    corta.Panels().Add(0, QStringLiteral("USUARIO"));
    corta.Panels().Add(0, QStringLiteral("VERSION"));
    ModGlobal::gCaja = QStringLiteral("1");
    EXPECT_NO_THROW(ModGlobal::InicializaBarraEstado(corta, QStringLiteral("hola")));
    EXPECT_EQ(corta.Panels()(QStringLiteral("USUARIO")).Text(), "Uid: ana");
    EXPECT_EQ(corta.Panels()(QStringLiteral("VERSION")).Text(), "V.1.0.0");
}

}  // namespace
