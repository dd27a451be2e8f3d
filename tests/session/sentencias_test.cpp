#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

TEST(Sentencias, InsertYUpdateExactos)
{
    SesionGlobal s;
    QString a = QStringLiteral("O'Brien"), b = QStringLiteral("5"), c = QStringLiteral("null");
    AgregaCampo(QStringLiteral("A"), a, QStringLiteral("'"), true);
    AgregaCampo(QStringLiteral("B"), b, QStringLiteral("@"), false);
    AgregaCampo(QStringLiteral("C"), c, QStringLiteral("'"), false);
    EXPECT_EQ(a, QStringLiteral("O'Brien"));   // saved as typed
    QStringList script{QString()};
    QString condicion = QStringLiteral("A = 1");
    ArmaSentencia(gCampos, script, QStringLiteral("T"), false, condicion, true);
    ArmaSentencia(gCampos, script, QStringLiteral("T"), true, condicion, false);
    EXPECT_EQ(script, (QStringList{QString(), QStringLiteral("INSERT INTO T (A,B,C) VALUES ('O''Brien',5,Null)"), QString(),
                                   QStringLiteral("UPDATE T SET A = 'O''Brien',B = 5,C = Null  WHERE A = 1"), QString()}));
    EXPECT_EQ(condicion, QStringLiteral(" WHERE A = 1"));
    ASSERT_EQ(gCampos.size(), 1);   // reset to one empty pair
    EXPECT_TRUE(gCampos[0].Campo.isEmpty());

    QString x = QStringLiteral("v");
    AgregaCampo(QStringLiteral("X"), x, QStringLiteral("'"), true);
    QString sql = QStringLiteral("INSERT INTO T ");
    ArmaValores(sql, gCampos, true);
    EXPECT_EQ(sql, QStringLiteral("INSERT INTO T (X) VALUES ('v')"));
    EXPECT_TRUE(gCampos.isEmpty());
    EXPECT_THROW(AgregaCampo(QStringLiteral("Y"), x, QStringLiteral("'"), false), Falla);   // must start a new list
    QStringList vacio;
    EXPECT_THROW(ArmaSentencia(gCampos, vacio, QStringLiteral("T"), false, condicion, false), Falla);
}

TEST(Sentencias, CondicionBusquedaYReescrituraOracle)
{
    EXPECT_EQ(ArmaCondicion(QStringLiteral(" idarticulo "), QStringLiteral("="), {QStringLiteral("A"), QStringLiteral("B")},
                            QStringLiteral(" OR "), QStringLiteral("'"), false, false),
              QStringLiteral(" idarticulo ='A' OR  idarticulo ='B'"));
    EXPECT_EQ(ArmaCondicion(QStringLiteral("c"), QStringLiteral("="), {QStringLiteral(" "), QStringLiteral(" "), QStringLiteral("B")},
                            QStringLiteral(" OR "), QStringLiteral("'"), true, true),
              QStringLiteral("c=' ' OR c='B' OR c is null "));
    EXPECT_EQ(ArmaCondicion(QStringLiteral("c"), QStringLiteral("="), {}, QStringLiteral(" OR "), QStringLiteral("'"), false, false),
              QStringLiteral("1=1"));
    const QStringList l{QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("b")};
    EXPECT_EQ(BuscaEnArray(l, QStringLiteral("b")), 1);
    EXPECT_EQ(BuscaEnArray(l, QStringLiteral("b"), 2), 2);
    EXPECT_EQ(BuscaEnArray(l, QStringLiteral("b"), 3), -1);
    // Not an Oracle session: the text is left as it is.
    SesionGlobal s;
    EXPECT_EQ(AdaptaSQL(QStringLiteral("len")), QStringLiteral("len"));
}

TEST(Sentencias, CondicionConApostrofosEnLosValores)
{
    struct Caso {
        const char* delimitador;
        QStringList valores;
        const char* esperado;
    };
    const Caso casos[] = {
        {"'", {QStringLiteral("O'12")}, "c='O''12'"},
        {"'", {QStringLiteral("A"), QStringLiteral("'B'")}, "c='A' OR c='''B'''"},
        // Other delimiters, and values already made literals, go as they are.
        {"", {QStringLiteral("'O''12'")}, "c='O''12'"},
        {"\"", {QStringLiteral("O'12")}, "c=\"O'12\""},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(ArmaCondicion(QStringLiteral("c"), QStringLiteral("="), c.valores, QStringLiteral(" OR "),
                                QString::fromLatin1(c.delimitador), false, false),
                  QString::fromLatin1(c.esperado))
            << c.delimitador << qPrintable(c.valores.join(u','));

    // The condition runs and finds the code with its apostrophe.
    SesionGlobal s;
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('O''12')"));
    Recordset rs;
    gSesionBD->AbreRecordset(QStringLiteral("SELECT Clave FROM TA_MENU WHERE ") +
                                 ArmaCondicion(QStringLiteral("Clave"), QStringLiteral("="),
                                               {QStringLiteral("X"), QStringLiteral("O'12")}, QStringLiteral(" OR "),
                                               QStringLiteral("'"), false, false),
                             rs);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Valor(0).toString(), QStringLiteral("O'12"));
}

TEST(GuionDeDatos, ElTextoEnviadoYElCommit)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    bool hayError = true;
    long numero = -1;
    QString enviado, textoError;
    GActualizarDatoScript({QString(), QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('A')"), QStringLiteral("  "),
                           QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('B')")},
                          hayError, numero, false, false, enviado, textoError, true);
    EXPECT_FALSE(hayError);
    EXPECT_EQ(numero, 0);
    EXPECT_EQ(enviado, QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO TA_MENU (Clave) VALUES ('A')\r"
                                      "INSERT INTO TA_MENU (Clave) VALUES ('B')\r"));
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT Clave FROM TA_MENU ORDER BY Clave")).size(), 2);
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("0")});

    // All blank: nothing runs, the outputs stay.
    enviado = QStringLiteral("sin tocar");
    GActualizarDatoScript({QStringLiteral(" "), QString()}, hayError, numero, false, false, enviado, textoError, true);
    EXPECT_FALSE(hayError);
    EXPECT_EQ(enviado, QStringLiteral("sin tocar"));
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST(GuionDeDatos, ClaveDuplicadaSeDeshaceYQuedaEnAuxErr)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('A')"));
    const QStringList guion{QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('Z')"),
                            QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('A')")};
    bool hayError = false;
    long numero = 0;
    QString enviado, textoError;
    GActualizarDatoScript(guion, hayError, numero, false, false, enviado, textoError, true);
    EXPECT_TRUE(hayError);
    EXPECT_EQ(numero, 2627);
    EXPECT_TRUE(textoError.startsWith(QStringLiteral("2627 : ")));
    EXPECT_TRUE(textoError.endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT Clave FROM TA_MENU")), QStringList{QStringLiteral("A")});
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("0")});
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador!"));
    EXPECT_EQ(avisos.preguntas[0].botones, 16);
    const QStringList aux = s.bd.Filas(QStringLiteral("SELECT Proceso, Error, Usuario FROM AUX_ERR"));
    ASSERT_EQ(aux.size(), 1);
    EXPECT_TRUE(aux[0].contains(QStringLiteral("|2627|")));

    // Tolerated: still a failure rolled back and recorded, but no box and the description alone.
    GActualizarDatoScript(guion, hayError, numero, true, false, enviado, textoError, true);
    EXPECT_TRUE(hayError);
    EXPECT_FALSE(textoError.startsWith(QStringLiteral("2627")));
    EXPECT_FALSE(textoError.isEmpty());
    EXPECT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT Descripcion FROM AUX_ERR ORDER BY Id")).last(), QString());
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT Clave FROM TA_MENU")), QStringList{QStringLiteral("A")});
}

TEST(GuionDeDatos, UnCommitFallidoYAbandonadoTerminaEnRollback)
{
    SesionGlobal s;
    AvisosGrabados avisos;   // the failure is answered Abort
    // The script closes its own transaction: the closing COMMIT finds none.
    bool hayError = true;
    long numero = -1;
    QString enviado, textoError;
    gSesionBD->LimpiaBitacora();
    GActualizarDatoScript({QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('A')"), QStringLiteral("COMMIT TRANSACTION")},
                          hayError, numero, false, false, enviado, textoError, true);
    EXPECT_TRUE(hayError);   // a commit that failed is never a success
    EXPECT_EQ(numero, -1);   // left before the number is handed back
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].botones, 18);
    ASSERT_FALSE(gSesionBD->Bitacora().isEmpty());
    EXPECT_EQ(gSesionBD->Bitacora().last(), QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("0")});
}

TEST(GuionDeDatos, ConfirmaLasTransaccionesAbiertas)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    gSesionBD->Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    gSesionBD->Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('A')"));
    gSesionBD->Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    gSesionBD->Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('B')"));
    ConfirmaTransaccion();
    EXPECT_TRUE(avisos.preguntas.empty());
    Recordset rs = gSesionBD->Conexion.Execute(QStringLiteral("SELECT @@TRANCOUNT"));
    EXPECT_EQ(rs.Valor(0).toInt(), 0);
    BasePrueba otra;   // another connection sees the committed rows
    s.bd.Conecta(otra.Sesion());
    EXPECT_EQ(otra.Filas(QStringLiteral("SELECT Clave FROM TA_MENU ORDER BY Clave")),
              (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

}  // namespace
