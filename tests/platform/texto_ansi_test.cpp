#include "platform/texto_ansi.h"
#include "support/carpeta_temporal.h"
#include "support/limite_archivo.h"

#include <gtest/gtest.h>

namespace {

TEST(TextoAnsi, UnaLineaQueNoCabeEnteraNoDejaNadaDeElla)
{
    CarpetaTemporal carpeta;
    const QString archivo = carpeta.Archivo(QStringLiteral("QSERR.LOG"));
    carpeta.Escribe(QStringLiteral("QSERR.LOG"), "linea 1\r\n");
    const QString linea = QStringLiteral("una línea que no cabe entera\r\n");
    {
        const LimiteDeArchivo disco(20);
        EXPECT_FALSE(TextoAnsi::Agrega(archivo, linea));
    }
    EXPECT_EQ(carpeta.Lee(QStringLiteral("QSERR.LOG")), QByteArray("linea 1\r\n"));
    // With room again, the next line starts where the last whole one ended.
    EXPECT_TRUE(TextoAnsi::Agrega(archivo, linea));
    EXPECT_EQ(carpeta.Lee(QStringLiteral("QSERR.LOG")), QByteArray("linea 1\r\n") + TextoAnsi::Codifica(linea));
}

TEST(TextoAnsi, EscribirEncimaYNoCaberDejaLoQueHabia)
{
    CarpetaTemporal carpeta;
    carpeta.Escribe(QStringLiteral("f"), "0123456789");
    QFile f(carpeta.Archivo(QStringLiteral("f")));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    {
        const LimiteDeArchivo disco(16);
        EXPECT_FALSE(TextoAnsi::EscribeEntero(f, 6, "abcdefghijkl"));
    }
    EXPECT_TRUE(TextoAnsi::EscribeEntero(f, 8, "xyz"));
    f.close();
    EXPECT_EQ(carpeta.Lee(QStringLiteral("f")), QByteArray("01234567xyz"));
}

}  // namespace
