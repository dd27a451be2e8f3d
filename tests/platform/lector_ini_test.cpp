#include "platform/lector_ini.h"
#include "platform/avisos.h"
#include "support/avisos_grabados.h"
#include "support/carpeta_temporal.h"

#include <gtest/gtest.h>

namespace {

TEST(LectorIni, SeccionesConBarraYSinDistinguirMayusculas)
{
    CarpetaTemporal dir;
    dir.Escribe(QStringLiteral("cn000pr.ini"),
                "; comentario\r\n[PC01|ANA]\r\nFlatToolbars = 0\r\n"
                "[pc01|ana BaseDeDatos]\r\nServidor=srv1\r\nDbName=\"Orvandis\"\r\n[Otra]\r\nServidor=no\r\n");
    LectorIni ini;
    const QString archivo = dir.Archivo(QStringLiteral("CN000pr.INI"));
    EXPECT_EQ(ini.LeeClave(archivo, QStringLiteral("pc01|Ana"), QStringLiteral("FLATTOOLBARS"), QStringLiteral("1")),
              QStringLiteral("0"));
    EXPECT_EQ(ini.LeeClave(archivo, QStringLiteral("PC01|ANA BaseDeDatos"), QStringLiteral("servidor")),
              QStringLiteral("srv1"));
    EXPECT_EQ(ini.LeeClave(archivo, QStringLiteral("PC01|ANA BaseDeDatos"), QStringLiteral("DbName")),
              QStringLiteral("Orvandis"));
    QString valor = QStringLiteral("previo");
    ini.LeeClave(archivo, QStringLiteral("PC01|ANA"), QStringLiteral("Falta"), QStringLiteral("1"), valor);
    EXPECT_EQ(valor, QStringLiteral("1"));
    EXPECT_EQ(ini.LeeClave(dir.Archivo(QStringLiteral("noexiste.ini")), QStringLiteral("x"), QStringLiteral("y"),
                           QStringLiteral("def")),
              QStringLiteral("def"));
}

// A file saved with a byte-order mark, or with the old CR line ends, keeps every
// key of its first section and its accents.
TEST(LectorIni, MarcaDeOrdenYFinesDeLinea)
{
    const QByteArray ansi = "[PC01|ANA]\r\nFlatToolbars=0\r\nServidor=Pe\xF1" "a\r\n";
    const QString utf16 = QStringLiteral("[PC01|ANA]\r\nFlatToolbars=0\r\nServidor=Pe\u00F1a\r\n");
    QByteArray utf16le("\xFF\xFE"), utf16be("\xFE\xFF");
    for (QChar c : utf16) {
        const char16_t u = c.unicode();
        utf16le += char(u & 0xFF);
        utf16le += char(u >> 8);
        utf16be += char(u >> 8);
        utf16be += char(u & 0xFF);
    }
    const struct {
        const char* nombre;
        QByteArray contenido;
    } casos[] = {
        {"ANSI, CR LF", ansi},
        {"ANSI, LF", QByteArray(ansi).replace("\r\n", "\n")},
        {"ANSI, CR", QByteArray(ansi).replace("\r\n", "\r")},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + utf16.toUtf8()},
        {"UTF-16 LE with its mark", utf16le},
        {"UTF-16 BE with its mark", utf16be},
    };
    LectorIni ini;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        CarpetaTemporal dir;
        dir.Escribe(QStringLiteral("cn000pr.ini"), c.contenido);
        const QString archivo = dir.Archivo(QStringLiteral("cn000pr.ini"));
        EXPECT_EQ(ini.LeeClave(archivo, QStringLiteral("pc01|ana"), QStringLiteral("FlatToolbars"), QStringLiteral("1")),
                  QStringLiteral("0"));
        EXPECT_EQ(ini.LeeClave(archivo, QStringLiteral("PC01|ANA"), QStringLiteral("Servidor")), QStringLiteral("Pe\u00F1a"));
    }
}

TEST(Avisos, ElDobleGrabaYRespondeLoGuionado)
{
    AvisosGrabados avisos;
    avisos.Responder({Avisos::Reintentar});
    EXPECT_EQ(MsgBox(QStringLiteral("¿Otra vez?"), Avisos::AbortarReintentarIgnorar | Avisos::Critico,
                     QStringLiteral("Prueba")),
              Avisos::Reintentar);
    // Out of script: the answer that leaves.
    EXPECT_EQ(MsgBox(QStringLiteral("¿Y ahora?"), Avisos::AbortarReintentarIgnorar), Avisos::Abortar);
    EXPECT_EQ(MsgBox(QStringLiteral("Listo")), Avisos::OK);
    ASSERT_EQ(avisos.preguntas.size(), 3u);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Prueba"));
    EXPECT_EQ(avisos.preguntas[0].botones, 18);
    EXPECT_EQ(avisos.preguntas[2].titulo, Avisos::TituloAplicacion());
}

}  // namespace
