#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

TEST(Ajustes, RespuestasEspecialesDelLector)
{
    SesionGlobal s;
    s.bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX) VALUES ('TOP_DEFAULT', ' 50 ', 'aux')"));
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('THEME', '  ')"));

    QString aux = QStringLiteral("previo");
    EXPECT_EQ(Cfg(QStringLiteral("  top_default "), aux), QStringLiteral(" 50 "));   // not trimmed, any case
    EXPECT_EQ(aux, QStringLiteral("aux"));
    EXPECT_EQ(Cfg(QStringLiteral("NoExiste"), aux), QStringLiteral(" "));
    EXPECT_EQ(aux, QString());
    EXPECT_EQ(Cfg(QStringLiteral("theme")), QStringLiteral("1"));
    s.bd.Sesion().Ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'THEME'"));
    EXPECT_EQ(Cfg(QStringLiteral("THEME")), QStringLiteral("1"));
    EXPECT_EQ(Cfg(QStringLiteral(" THEME")), QStringLiteral(" "));   // the THEME test takes the key as passed
    EXPECT_EQ(gTablaConfiguracion, QStringLiteral("TA_CONFIGURACION"));

    gSesionBD->LimpiaBitacora();
    Cfg(QStringLiteral("[fecha hasta]"));
    EXPECT_EQ(s.Enviado().last(),
              QStringLiteral("SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA HASTA]'"));
    Cfg(QStringLiteral("Top_Default"));
    EXPECT_EQ(s.Enviado().last(),
              QStringLiteral("SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'Top_Default'"));
    EXPECT_EQ(Cfg(QStringLiteral("O'Brien")), QStringLiteral(" "));   // an apostrophe is no SQL error

    // The reading forms, on the missing key's one blank and on stored values.
    EXPECT_FALSE(FormaIgualSi(QStringLiteral(" ")));
    EXPECT_TRUE(FormaSalvoNo(QStringLiteral(" ")));
    EXPECT_FALSE(FormaNoVacioNiNo(QStringLiteral(" ")));
    EXPECT_TRUE(FormaNoVacioNiNo(QStringLiteral(" NO")));   // only the emptiness test trims
    EXPECT_FALSE(FormaNoVacioNiNo(QStringLiteral("no")));
    EXPECT_TRUE(FormaNoVacioYSi(QStringLiteral(" si ")));
    EXPECT_FALSE(FormaIgualSi(QStringLiteral(" SI")));
    EXPECT_EQ(CfgNumero(QStringLiteral("Top_Default")), 50);
    EXPECT_EQ(CfgTexto(QStringLiteral("Top_Default")), QStringLiteral("50"));
}

TEST(Ajustes, SinSesionConectadaRespondeVacio)
{
    gSesionBD.Liberar();
    QString aux = QStringLiteral("intacto");
    EXPECT_EQ(Cfg(QStringLiteral("Top_Default"), aux), QString());
    EXPECT_EQ(aux, QStringLiteral("intacto"));
    gSesionBD.Liberar();
}

TEST(Ajustes, ElEscritorDeEstadisticasAgregaYLuegoActualiza)
{
    SesionGlobal s;
    EXPECT_EQ(CfgQS(QStringLiteral("TimeOut")), QStringLiteral(" "));
    GrabaCfgQS(QStringLiteral("TimeOut"), 0, QString(), false, QStringLiteral("BaseDeDatos"), true);
    EXPECT_EQ(s.qs.Filas(QStringLiteral("SELECT CLAVE, VALOR, VALORAUX, Grupo, PoliticaNegocio FROM TA_CONFIGURACION")),
              QStringList{QStringLiteral("TIMEOUT|0|NULL|BaseDeDatos|false")});
    GrabaCfgQS(QStringLiteral(" timeout "), QStringLiteral(" 120 "), QStringLiteral(" x "), true, QStringLiteral("G"), true);
    EXPECT_EQ(s.qs.Filas(QStringLiteral("SELECT CLAVE, VALOR, VALORAUX, Grupo, PoliticaNegocio FROM TA_CONFIGURACION")),
              QStringList{QStringLiteral("TIMEOUT|120|x|G|true")});
    EXPECT_EQ(CfgQS(QStringLiteral("TimeOut")), QStringLiteral("120"));
    // The main database was not touched.
    EXPECT_TRUE(s.bd.Filas(QStringLiteral("SELECT CLAVE FROM TA_CONFIGURACION WHERE CLAVE = 'TIMEOUT'")).isEmpty());
}

TEST(Ajustes, SeparadorDeHorasPunto)
{
    SesionGlobal s;
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('SeparadorHora', '.')"));
    long h = -7, m = -7;
    EXPECT_EQ(FormatoHoras(90, h, m), QStringLiteral("1.50"));
    EXPECT_EQ(FormatoHoras(0, h, m), QStringLiteral(".00"));
    EXPECT_EQ(h, -7);   // untouched in this mode
    EXPECT_EQ(m, -7);
    EXPECT_EQ(FormatoHoras(90, h, m, true), QStringLiteral("01:30"));
}

TEST(Ajustes, FechaDelServidor)
{
    SesionGlobal s;
    const QDateTime antes = QDateTime::currentDateTime().addSecs(-2);
    const QDateTime f = FechaServidor();
    EXPECT_GE(f, antes);
    EXPECT_EQ(f.time().msec(), 0);
}

}  // namespace
