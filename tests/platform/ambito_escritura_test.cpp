// The write scope on the embedded database: its work undone alone inside a
// caller's transaction, nothing left open without one, inner scopes, and the
// savepoint statements of the session.
#include "support/base_prueba.h"
#include "platform/db/ambito_escritura.h"
#include "numero_de_falla.h"

#include <gtest/gtest.h>

namespace {

long nivel(SesionBD& s)
{
    Recordset rs = s.Conexion.Execute(QStringLiteral("SELECT @@TRANCOUNT"));
    return rs.Valor(0).toInt();
}

QStringList claves(BasePrueba& bd)
{
    return bd.Filas(QStringLiteral("SELECT Clave FROM TA_MENU ORDER BY Clave"));
}

void inserta(SesionBD& s, const char* clave)
{
    s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('%1')").arg(QLatin1String(clave)));
}

}  // namespace

TEST(AmbitoEscritura, DeshechoDentroDeLaTransaccionDelLlamadorConservaLoAnterior)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    inserta(s, "A");
    {
        AmbitoEscritura ambito(s, QStringLiteral("ActualizaStock"));
        EXPECT_EQ(nivel(s), 2);
        inserta(s, "B");
        ambito.Deshace();
    }
    EXPECT_EQ(nivel(s), 1);
    inserta(s, "C");
    s.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    EXPECT_EQ(claves(bd), QStringList({"A", "C"}));
}

TEST(AmbitoEscritura, SinTransaccionDelLlamadorNoQuedaNadaAbierto)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    {
        AmbitoEscritura ambito(s, QStringLiteral("ActualizaStock"));
        inserta(s, "A");
        ambito.Confirma();
    }
    EXPECT_EQ(nivel(s), 0);
    {
        AmbitoEscritura ambito(s, QStringLiteral("ActualizaStock"));
        inserta(s, "B");
        ambito.Deshace();
    }
    EXPECT_EQ(nivel(s), 0);
    {
        // Neither confirmed nor undone: the destructor undoes it.
        AmbitoEscritura ambito(s, QStringLiteral("ActualizaStock"));
        inserta(s, "C");
    }
    EXPECT_EQ(nivel(s), 0);
    EXPECT_EQ(claves(bd), QStringList({"A"}));
}

// A commit the engine refuses: the scope stays open and is undone, alone in
// a caller's transaction, whole without one.
TEST(AmbitoEscritura, UnaConfirmacionRechazadaNoDejaNadaPendiente)
{
    for (const bool conLlamador : {false, true}) {
        BasePrueba bd;
        SesionBD& s = bd.Sesion();
        if (conLlamador) {
            s.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
            inserta(s, "A");
        }
        {
            AmbitoEscritura ambito(s, QStringLiteral("ActualizaStock"));
            inserta(s, "B");
            s.Conexion.Inyector.FallaLaQueCoincida(QStringLiteral("COMMIT TRANSACTION"), 10054,
                                                   QStringLiteral("Se perdió la conexión"));
            EXPECT_THROW(ambito.Confirma(), Falla);
            EXPECT_TRUE(ambito.Abierto());
        }
        EXPECT_EQ(nivel(s), conLlamador ? 1 : 0) << conLlamador;
        if (conLlamador)
            s.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
        EXPECT_EQ(claves(bd), conLlamador ? QStringList({"A"}) : QStringList()) << conLlamador;
    }
}

TEST(AmbitoEscritura, UnAmbitoInteriorDeshechoDejaElTrabajoDelExterior)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    AmbitoEscritura externo(s, QStringLiteral("ActualizaStock"));
    inserta(s, "A");
    {
        AmbitoEscritura linea(s, QStringLiteral("LineaStock"));
        inserta(s, "B");
        linea.Confirma();
    }
    {
        // The same name again: it goes back to its own savepoint, the latest.
        AmbitoEscritura linea(s, QStringLiteral("LineaStock"));
        inserta(s, "C");
        linea.Deshace();
    }
    EXPECT_EQ(nivel(s), 1);
    externo.Confirma();
    EXPECT_EQ(nivel(s), 0);
    EXPECT_EQ(claves(bd), QStringList({"A", "B"}));

    // Once the outer one is undone, the confirmed inner work goes with it.
    {
        AmbitoEscritura otro(s, QStringLiteral("ActualizaStock"));
        AmbitoEscritura linea(s, QStringLiteral("LineaStock"));
        inserta(s, "D");
        linea.Confirma();
        otro.Deshace();
    }
    EXPECT_EQ(claves(bd), QStringList({"A", "B"}));
    EXPECT_EQ(nivel(s), 0);
}

TEST(AmbitoEscritura, SentenciasDePuntoEnLaSesion)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    s.LimpiaBitacora();
    {
        AmbitoEscritura ambito(s, QStringLiteral("P1"));
        ambito.Deshace();
    }
    EXPECT_EQ(s.Bitacora(), QStringList({"BEGIN TRANSACTION", "SAVE TRANSACTION P1", "ROLLBACK TRANSACTION P1",
                                         "COMMIT TRANSACTION"}));
    auto numero = [&](const QString& sql) { return NumeroDeFalla([&] { s.Ejecuta(sql); }); };
    EXPECT_EQ(numero(QStringLiteral("SAVE TRANSACTION P1")), 628);
    EXPECT_EQ(numero(QStringLiteral("ROLLBACK TRANSACTION P1")), 3903);
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    EXPECT_EQ(numero(QStringLiteral("ROLLBACK TRANSACTION NoExiste")), 6401);
    EXPECT_EQ(nivel(s), 1);
    s.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(nivel(s), 0);
}

TEST(AmbitoEscritura, UnaTransaccionTerminadaPorElMotorSeDeshaceEnteraYSeInforma)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    // A trigger that ends the whole transaction, as the server dooms one.
    bd.SqlDirecto(QStringLiteral("CREATE TRIGGER condena BEFORE INSERT ON TA_MENU WHEN NEW.Clave = 'X' "
                                 "BEGIN SELECT RAISE(ROLLBACK, 'condenada'); END"));
    AmbitoEscritura ambito(s, QStringLiteral("ActualizaStock"));
    inserta(s, "A");
    EXPECT_THROW(inserta(s, "X"), Falla);
    EXPECT_THROW(ambito.Deshace(), Falla);
    EXPECT_EQ(nivel(s), 0);
    EXPECT_TRUE(claves(bd).isEmpty());
}
