#include "services/ModExportarExcel.h"
#include "services/Stock.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"
#include "talonarios_prueba.h"

#include "platform/sistema.h"

#include <gtest/gtest.h>

namespace {

using namespace ModExportarExcel;

const QString verifique = QStringLiteral("\r\rVerifique los datos desde la TABLA DE COMPROBANTES y vuelta a Intentarlo");

void LibrosDePrueba(SesionBD& s)
{
    Inserta(s, {
        {.tc = "FC", .letras = "A", .porLetra = {{"A", 10, 1, 500}}},
        {.tc = "FD", .talonario = 1, .letras = "A", .porLetra = {{"A", 10, 1, 500}}},
        {.tc = "FD", .talonario = 2, .letras = "A", .porLetra = {{"A", 600, 501, 1000}}},
        {.tc = "CT", .letras = "X", .porLetra = {{"X", 10, 1, 999}}, .sistema = "Contable"},
        {.tc = "EX", .letras = "X", .porLetra = {{"X", 0, 1, 10}}, .externo = "'SI'"},
        {.tc = "LB", .letras = "X", .porLetra = {{"X", 0, 0, 0}}, .modifica = "'SI'"},
        {.tc = "VC", .letras = "X", .porLetra = {{"X", 3, 1, 100, "1", "01/03/2026"}}},
        {.tc = "SK", .talonario = 1, .letras = "X", .porLetra = {{"X", 5, 0, 0}}, .sistema = "STOCK", .tabla = "TA_Comprobantes"},
    });
    s.Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NUM_NCT', 'CT')"));
}

TEST(NumeracionComprobante, NumerosAceptadosYRechazados)
{
    SesionGlobal s;
    LibrosDePrueba(s.bd.Sesion());
    struct {
        const char* tc;
        const char* numero;
        const char* letra;
        const char* fecha;
        const char* mensajePrevio;
        bool resultado;
        QString mensaje;
        long talonario;
    } const casos[] = {
        {"FC", "1", "A", "", "", true, "", 1},   // the first and the last of the range pass
        {"FC", "500", "a", "", "", true, "", 1},
        {"FC", "501", "A", "", "", false,
         "\rEl Número de comprobante (501) no respeta el parametro NRO HASTA del comprobante (500) , Nro de Control: 1" +
             verifique,
         1},
        {"FC", "0", "A", "", "", false, verifique, 1},   // no range text for 0
        {"FC", "0", "A", "", "previo", false, "previo" + verifique, 1},
        {"FC", "-3", "A", "", "", false, verifique, 1},
        {"FD", "700", "A", "", "", true, "", 2},   // the book that holds the number is recorded
        {"FD", "7", "A", "", "", true, "", 1},
        {"FD", "501", "A", "", "", true, "", 2},
        {"EX", "0", "X", "", "previo", true, "", 0},   // external numbering: any number
        {"LB", "77", "", "", "", true, "", 1},         // a book without range takes any number; "" is X
        {"VC", "5", "X", "01/03/2026", "", true, "", 1},   // valid on its expiry day
        {"VC", "5", "X", "15/03/2026", "", false,
         "El rango de numeracion del comprobante VC Control nro: 1 se encuenta vencida...! Debe dar de alta un nuevo "
         "talonario para el comprobante VC" + verifique,
         1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.tc, c.numero, c.fecha).toStdString());
        gTalonario.Fija(c.tc, 1);
        QString letra = QString::fromUtf8(c.letra), mensaje = QString::fromUtf8(c.mensajePrevio);
        EXPECT_EQ(ValidaNumeracionComprobante(c.tc, "0001", c.numero, letra, mensaje, c.fecha), c.resultado);
        EXPECT_EQ(mensaje, c.mensaje);
        if (c.talonario) {
            EXPECT_EQ(gTalonario.De(c.tc), c.talonario);
        }
        if (*c.letra == 0) {
            EXPECT_EQ(letra, QStringLiteral("X"));
        }
    }
}

TEST(NumeracionComprobante, LetraInvalidaOLibroDeOtroTipo)
{
    SesionGlobal s;
    LibrosDePrueba(s.bd.Sesion());
    QString mensaje = QStringLiteral("previo");
    for (const char* l : {"Z", "A,B", "'"}) {
        QString letra = QString::fromUtf8(l);
        ModGlobal::gSesionBD->LimpiaBitacora();
        EXPECT_FALSE(ValidaNumeracionComprobante("FC", "0001", "5", letra, mensaje, QString()));
        EXPECT_EQ(mensaje, QStringLiteral(" La letra Informada no es Valida, la misma debe ser A,B,C,E,R,X,M"));
        EXPECT_TRUE(s.Enviado().isEmpty());
    }
    // 501 lies in no book of FC, and the book held is another type's: no book at all.
    gTalonario.Fija(QStringLiteral("FD"), 1);
    QString letra = QStringLiteral("A");
    EXPECT_FALSE(ValidaNumeracionComprobante("FC", "0001", "501", letra, mensaje, QString()));
    EXPECT_EQ(mensaje, QStringLiteral("Debe configurar la numeracióN de Comprobantes"));
    EXPECT_EQ(gTalonario.De(QStringLiteral("FD")), 1);
}

struct Actualizacion {
    const char* tc;
    const char* sucursal;
    const char* numero;
    bool registraControl;
    bool sinActualizarTalonario;
    const char* previa;      // SentenciaSQL before the call
    QString sentencia;       // SentenciaSQL after it
    const char* tipoLibro;   // the type the book in use was found for
};

const QString controlCT10 =
    QStringLiteral("\r\n INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('CT  ','0001','00000010','X')\r\n");

TEST(NumeracionComprobante, ActualizacionDiferida)
{
    const Actualizacion casos[] = {
        // The accounting book at 10 after saving voucher 10: it moves to 11 and 10 is recorded.
        {"CT", "0001", "11", false, false, "",
         " UPDATE V_TA_CPTE SET X_ULTIMO_NRO = 11 WHERE CODIGO = 'CT  ' AND TALONARIO=1" + controlCT10, "CT"},
        // Through the alias, with a number that comes with a leading blank.
        {"NCT", "1", " 11", false, false, "",
         " UPDATE V_TA_CPTE SET X_ULTIMO_NRO =  11 WHERE CODIGO = 'CT  ' AND TALONARIO=1" + controlCT10, "CT"},
        // A book already beyond the number: no UPDATE, the control row all the same.
        {"CT", "0001", "10", false, false, "previo",
         "previo\r\n INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('CT  ','0001','00000009','X')\r\n", "CT"},
        {"CT", "0001", "11", false, true, "", controlCT10, "CT"},
        // Another branch: nothing.
        {"CT", "0002", "11", false, false, "previo", "previo", "CT"},
        // A book that is not an accounting one records the number only when asked to.
        {"FC", "0001", "11", false, false, "", " UPDATE V_TA_CPTE SET A_ULTIMO_NRO = 11 WHERE CODIGO = 'FC  ' AND TALONARIO=1", "FC"},
        {"FC", "0001", "11", true, false, "",
         " UPDATE V_TA_CPTE SET A_ULTIMO_NRO = 11 WHERE CODIGO = 'FC  ' AND TALONARIO=1\r\n INSERT INTO V_MV_CTROL_CPTE "
         "(TC,SUCURSAL,NUMERO,LETRA) VALUES ('FC  ','0001','00000010','A')\r\n", "FC"},
        // A book found only in the second table moves on in that table.
        {"SK", "0001", "6", false, false, "",
         " UPDATE TA_Comprobantes SET X_ULTIMO_NRO = 6 WHERE CODIGO = 'SK  ' AND SISTEMA = 'STOCK' AND TALONARIO =1", "SK"},
        // No book holds the number and the type numbers from outside: nothing to write.
        {"EX", "0001", "6", false, false, "previo", "", "FC"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1 %2 '%3'").arg(c.tc, c.sucursal, c.numero).toStdString());
        SesionGlobal s;
        LibrosDePrueba(s.bd.Sesion());
        AvisosGrabados avisos;
        gTalonario.Fija(c.tipoLibro, 1);
        QString letra = c.tc == QLatin1String("FC") ? QStringLiteral("A") : QString();
        QString sentencia = QString::fromUtf8(c.previa);
        ActualizaUltimoNroComprobante(c.tc, " STOCK ", c.sucursal, c.numero, letra, true, sentencia,
                                      c.registraControl, c.sinActualizarTalonario);
        EXPECT_EQ(sentencia, c.sentencia);
        EXPECT_TRUE(avisos.preguntas.empty());
        // Run as the caller would, the text moves the book on.
        if (sentencia.isEmpty() || sentencia.startsWith(u'p'))
            continue;
        s.bd.Sesion().Ejecuta(sentencia);
        const QString tc = ObtieneTCNumeracion(c.tc);
        if (sentencia.contains(QStringLiteral("UPDATE"))) {
            const QString tabla = tc == u"SK" ? QStringLiteral("TA_Comprobantes") : QStringLiteral("V_TA_CPTE");
            EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT %1_ULTIMO_NRO FROM %2 WHERE CODIGO = '%3'")
                                     .arg(letra, tabla, tc)),
                      QStringList{QString::number(QString::fromUtf8(c.numero).trimmed().toInt())});
        }
        EXPECT_EQ(s.bd.Filas("SELECT COUNT(*) FROM V_MV_CTROL_CPTE")[0] == u"1", sentencia.contains(QStringLiteral("INSERT")));
    }
}

TEST(NumeracionComprobante, ActualizacionInmediata)
{
    SesionGlobal s;
    LibrosDePrueba(s.bd.Sesion());
    Sistema::FijarReloj([] { return QDateTime(QDate(2026, 3, 9), QTime(17, 45)); });
    for (const char* tc : {"CT", "SK"}) {
        gTalonario.Fija(tc, 1);
        QString letra = QStringLiteral("X"), sentencia = QStringLiteral("previo");
        ActualizaUltimoNroComprobante(tc, "STOCK", "0001", "12", letra, false, sentencia, true, false);
        EXPECT_EQ(sentencia, QStringLiteral("previo"));
    }
    EXPECT_EQ(s.bd.Filas("SELECT X_ULTIMO_NRO, fechahora_modificacion FROM V_TA_CPTE WHERE CODIGO = 'CT'"),
              QStringList{"12|09/03/2026 17:45"});
    EXPECT_EQ(s.bd.Filas("SELECT X_ULTIMO_NRO, fechahora_modificacion FROM TA_Comprobantes WHERE CODIGO = 'SK'"),
              QStringList{"12|09/03/2026 17:45"});
    EXPECT_EQ(s.bd.Filas("SELECT COUNT(*) FROM V_MV_CTROL_CPTE"), QStringList{"0"});   // never at once
    // A book already beyond the number stays where it is.
    QString letra = QStringLiteral("X"), sentencia;
    ActualizaUltimoNroComprobante("CT", "", "0001", "5", letra, false, sentencia, false, false);
    EXPECT_EQ(s.bd.Filas("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'CT'"), QStringList{"12"});
    Sistema::FijarReloj(nullptr);
}

TEST(NumeracionComprobante, LibroNoConfiguradoYNumeroQueNoEsEntero)
{
    SesionGlobal s;
    LibrosDePrueba(s.bd.Sesion());
    AvisosGrabados avisos;
    gTalonario.Fija(QStringLiteral("QQ"), 1);
    QString letra, sentencia = QStringLiteral("previo");
    ActualizaUltimoNroComprobante("QQ", "STOCK", "0001", "2", letra, true, sentencia, false, false);
    EXPECT_EQ(sentencia, QStringLiteral("previo"));
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto,
              QStringLiteral("Error en grabación del Comprobante, no se ha encontrado el comprobante configurado"));
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::SoloAceptar | Avisos::Critico);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("ATENCION"));

    // Neither a number that is no whole number nor a letter that is none of the seven reach a statement.
    for (const auto& [numero, l] : {std::pair{"11 OR 1=1", "X"}, std::pair{"11", "Z"}}) {
        avisos.preguntas.clear();
        gTalonario.Fija(QStringLiteral("CT"), 1);
        letra = QString::fromUtf8(l);
        sentencia.clear();
        ActualizaUltimoNroComprobante("CT", "STOCK", "0001", numero, letra, true, sentencia, false, false);
        EXPECT_EQ(sentencia, QString());
        ASSERT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("ActualizaUltimoNroComprobante")));
    }
}

// The operator may pass over the failed check (Ignore): the number is checked
// again where it enters the statement, so a text with an apostrophe, a
// semicolon or a decimal comma never reaches the batch whatever the answers.
// A book never used (its last number Null) always moves on.
TEST(NumeracionComprobante, NumeroRechazadoNoEntraAunqueSeIgnore)
{
    SesionGlobal s;
    LibrosDePrueba(s.bd.Sesion());
    s.bd.Sesion().Ejecuta(QStringLiteral("UPDATE V_TA_CPTE SET X_ULTIMO_NRO = NULL WHERE CODIGO = 'CT'"));
    for (const char* numero : {"11' OR ''='", "11; DELETE V_TA_CPTE", "12,5"}) {
        SCOPED_TRACE(numero);
        AvisosGrabados avisos;
        avisos.Responder({Avisos::Ignorar, Avisos::Ignorar, Avisos::Ignorar, Avisos::Ignorar});
        gTalonario.Fija(QStringLiteral("CT"), 1);
        QString letra = QStringLiteral("X"), sentencia;
        ActualizaUltimoNroComprobante("CT", "STOCK", "0001", QString::fromUtf8(numero), letra, true, sentencia, false,
                                      false);
        EXPECT_FALSE(sentencia.contains(QStringLiteral("UPDATE"))) << sentencia.toStdString();
        EXPECT_FALSE(sentencia.contains(QString::fromUtf8(numero))) << sentencia.toStdString();
        EXPECT_GE(avisos.preguntas.size(), 2u);
    }
}

TEST(NumeracionComprobante, DosGrabacionesSeguidasTomanDosNumeros)
{
    SesionGlobal s;
    LibrosDePrueba(s.bd.Sesion());
    QStringList numeros;
    for (bool diferido : {true, false, true}) {
        QString sucursal, numero, letra = QStringLiteral("X");
        bool modifica = false;
        ASSERT_TRUE(Obtener_Nro_Comprobante("CT", sucursal, numero, letra, modifica, true, QString(), QString()));
        numeros << numero;
        // The save: the voucher's entry, then its book moves on to the next number.
        s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA) VALUES "
                                             "('CT', '%1', '%2', '%3')").arg(sucursal, numero, letra));
        QString sentencia;
        ActualizaUltimoNroComprobante("CT", "STOCK", sucursal, QString::number(numero.toInt() + 1), letra, diferido,
                                      sentencia, false, false);
        if (diferido)
            s.bd.Sesion().Ejecuta(sentencia);
    }
    EXPECT_EQ(numeros, (QStringList{"00000010", "00000011", "00000012"}));
}

// A ranged book and a second one of the same type that takes any number: the
// numbers handed out by the first keep moving it on, and it alone judges them.
TEST(NumeracionComprobante, SeMueveYJuzgaElLibroCuyoRangoTieneElNumero)
{
    const struct {
        const char* segundo;
        Libro libro;
    } segundos[] = {
        {"sin rango", {.tc = "FCZ", .talonario = 2, .letras = "A", .porLetra = {{"A", 0, 0, 0}}, .modifica = "'SI'"}},
        {"externo", {.tc = "FCZ", .talonario = 2, .letras = "A", .porLetra = {{"A", 0, 0, 0}}, .externo = "'SI'"}},
    };
    for (const auto& segundo : segundos) {
        for (bool diferido : {true, false}) {
            SCOPED_TRACE(std::string(segundo.segundo) + (diferido ? " diferido" : " inmediato"));
            SesionGlobal s;
            Inserta(s.bd.Sesion(), {{.tc = "FCZ", .talonario = 1, .letras = "A", .porLetra = {{"A", 10, 1, 500}}},
                                    segundo.libro});
            AvisosGrabados avisos;
            QStringList numeros;
            for (int ronda = 0; ronda < 3; ++ronda) {
                QString sucursal, numero, letra = QStringLiteral("A");
                bool modifica = false;
                ASSERT_TRUE(Obtener_Nro_Comprobante("FCZ", sucursal, numero, letra, modifica, true, QString(), QString()));
                numeros << numero;
                QString sentencia;
                ActualizaUltimoNroComprobante("FCZ", "Ventas", sucursal, QString::number(numero.toInt() + 1), letra,
                                              diferido, sentencia, false, false);
                if (diferido)
                    s.bd.Sesion().Ejecuta(sentencia);
            }
            EXPECT_EQ(numeros, (QStringList{"00000010", "00000011", "00000012"}));
            EXPECT_EQ(s.bd.Filas("SELECT TALONARIO, A_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'FCZ' ORDER BY TALONARIO"),
                      (QStringList{"1|13", "2|0"}));
            EXPECT_TRUE(avisos.preguntas.empty());

            // Past the end of the ranged book: refused by that book.
            QString letra = QStringLiteral("A"), mensaje;
            EXPECT_FALSE(ValidaNumeracionComprobante("FCZ", "0001", "600", letra, mensaje, QString()));
            EXPECT_EQ(mensaje, "\rEl Número de comprobante (600) no respeta el parametro NRO HASTA del comprobante "
                               "(500) , Nro de Control: 1" + verifique);
        }
    }
}

// A stock type whose book is only in the second table has no book remembered
// from the choice: the update finds it by the type and the system passed.
TEST(NumeracionComprobante, ElLibroSoloEnLaSegundaTablaSeMueveSinLibroRecordado)
{
    for (bool diferido : {true, false}) {
        SCOPED_TRACE(diferido ? "diferido" : "inmediato");
        SesionGlobal s;
        Inserta(s.bd.Sesion(), {
            {.tc = "PE", .talonario = 1, .letras = "", .porLetra = {{"X", 40, 0, 0}}, .sistema = "Ventas", .tabla = "TA_Comprobantes"},
            {.tc = "PE", .talonario = 3, .letras = "", .porLetra = {{"X", 1, 0, 0}}, .sistema = "STOCK", .tabla = "TA_Comprobantes"},
        });
        AvisosGrabados avisos;
        gTalonario.Fija(QStringLiteral("FC"), 1);   // a book of another type
        QString sucursal, letra;
        ASSERT_EQ(Stock::AsignarNumeroComprobante("PE", sucursal, letra), QStringLiteral("000100000001X"));
        QString sentencia;
        ActualizaUltimoNroComprobante("PE", "STOCK", sucursal, "2", letra, diferido, sentencia, false, false);
        if (diferido) {
            EXPECT_EQ(sentencia, QStringLiteral(" UPDATE TA_Comprobantes SET X_ULTIMO_NRO = 2 WHERE CODIGO = 'PE  ' AND "
                                                "SISTEMA = 'STOCK' AND TALONARIO =3"));
            s.bd.Sesion().Ejecuta(sentencia);
        }
        EXPECT_TRUE(avisos.preguntas.empty());
        EXPECT_EQ(s.bd.Filas("SELECT SISTEMA, X_ULTIMO_NRO FROM TA_Comprobantes ORDER BY TALONARIO"),
                  (QStringList{"Ventas|40", "STOCK|2"}));
    }
}

// A type code with an apostrophe, through its numbering alias: every statement
// of the choice, the check and the update reads and writes its books.
TEST(NumeracionComprobante, UnTipoConApostrofoLlegaEscapadoACadaSentencia)
{
    SesionGlobal s;
    Inserta(s.bd.Sesion(), {
        {.tc = "F'Y", .letras = "A", .porLetra = {{"A", 10, 1, 500}}, .unegocio = "'2'", .sistema = "Contable"},
        {.tc = "P'E", .talonario = 1, .letras = "", .porLetra = {{"X", 5, 0, 0}}, .sistema = "STOCK", .tabla = "TA_Comprobantes"},
    });
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NUM_NCY', 'F''Y')"));
    AvisosGrabados avisos;

    // The choice: plain, for a business unit with and without books, and for a marked branch.
    const struct {
        const char* sucursal;
        const char* unegocio;
    } elecciones[] = {{"", ""}, {"", "2"}, {"", "9"}, {"*1", ""}, {"*7", ""}};
    for (const auto& e : elecciones) {
        SCOPED_TRACE(std::string(e.sucursal) + "/" + e.unegocio);
        QString sucursal = QString::fromUtf8(e.sucursal), numero, letra = QStringLiteral("A"), hasta;
        bool modifica = false;
        EXPECT_TRUE(Obtener_Nro_Comprobante_Contable("F'Y", sucursal, numero, letra, modifica, QString(), e.unegocio, hasta));
        EXPECT_EQ(numero, QStringLiteral("00000010"));
        EXPECT_EQ(gTalonario.De(QStringLiteral("F'Y")), 1);
    }
    // The check, within the range and past it.
    QString letra = QStringLiteral("A"), mensaje;
    EXPECT_TRUE(ValidaNumeracionComprobante("F'Y", "0001", "11", letra, mensaje, QString()));
    EXPECT_FALSE(ValidaNumeracionComprobante("F'Y", "0001", "501", letra, mensaje, QString()));
    EXPECT_TRUE(mensaje.contains(QStringLiteral("NRO HASTA del comprobante (500)")));

    // The update for the caller's batch, with the control row of the accounting book.
    QString sentencia;
    ActualizaUltimoNroComprobante("NCY", "STOCK", "0001", "11", letra, true, sentencia, false, false);
    EXPECT_EQ(sentencia, QStringLiteral(" UPDATE V_TA_CPTE SET A_ULTIMO_NRO = 11 WHERE CODIGO = 'F''Y ' AND TALONARIO=1"
                                        "\r\n INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES "
                                        "('F''Y ','0001','00000010','A')\r\n"));
    s.bd.Sesion().Ejecuta(sentencia);
    // At once, then for a book of the second table, then for a type without books.
    ActualizaUltimoNroComprobante("NCY", "STOCK", "0001", "12", letra, false, sentencia, false, false);
    letra = QStringLiteral("X");
    sentencia.clear();
    ActualizaUltimoNroComprobante("P'E", "STOCK", "0001", "6", letra, true, sentencia, false, false);
    EXPECT_EQ(sentencia, QStringLiteral(" UPDATE TA_Comprobantes SET X_ULTIMO_NRO = 6 WHERE CODIGO = 'P''E ' AND "
                                        "SISTEMA = 'STOCK' AND TALONARIO =1"));
    s.bd.Sesion().Ejecuta(sentencia);
    EXPECT_EQ(s.bd.Filas("SELECT A_ULTIMO_NRO FROM V_TA_CPTE"), QStringList{"12"});
    EXPECT_EQ(s.bd.Filas("SELECT TC FROM V_MV_CTROL_CPTE"), QStringList{"F'Y "});
    EXPECT_EQ(s.bd.Filas("SELECT X_ULTIMO_NRO FROM TA_Comprobantes"), QStringList{"6"});
    EXPECT_TRUE(avisos.preguntas.empty());

    ActualizaUltimoNroComprobante("Q'Q", "STOCK", "0001", "2", letra, true, sentencia, false, false);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto,
              QStringLiteral("Error en grabación del Comprobante, no se ha encontrado el comprobante configurado"));
}

}  // namespace
