#include "platform/texto_ansi.h"
#include "session/ModGlobal.h"
#include "support/avisos_grabados.h"
#include "support/carpeta_temporal.h"

#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

// Pins the clock and the TEMP/TMP variables for one test.
class ManejaErrorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        temp_ = qgetenv("TEMP");
        tmp_ = qgetenv("TMP");
        Sistema::FijarReloj([] { return QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)); });
        InfoSistema::FijarCarpetaSistema(sistema.Ruta());
    }
    void TearDown() override
    {
        qputenv("TEMP", temp_);
        qputenv("TMP", tmp_);
        Sistema::FijarReloj(nullptr);
        InfoSistema::FijarCarpetaSistema(QString());
    }
    CarpetaTemporal sistema, tmp;
    AvisosGrabados avisos;
    QByteArray temp_, tmp_;
};

TEST_F(ManejaErrorTest, LineaDelRegistroByteAByte)
{
    qputenv("TEMP", "x");
    qputenv("TMP", tmp.Ruta().toLocal8Bit());
    avisos.Responder({Avisos::Ignorar});
    const int r = ManejaError(Falla(53, QStringLiteral("  Archivo no encontrado "), QStringLiteral("Tervalio")), 18,
                              QStringLiteral("MenuExes"));
    EXPECT_EQ(r, Avisos::Ignorar);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("Ha ocurrido el Siguiente Error (53) Archivo no encontrado"));
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Tervalio - MenuExes Aviso al operador!!! - 2 "));
    EXPECT_EQ(avisos.preguntas[0].botones, 18);
    EXPECT_EQ(tmp.Lee(QStringLiteral("QSERR.LOG")),
              TextoAnsi::Codifica(QStringLiteral("12-10-2026 09:05:07 Rutina: - MenuExes Mensaje Ha ocurrido el "
                                                 "Siguiente Error (53) Archivo no encontrado Respondió : Ignorar\r\n")));
    // The answer text is written in the Windows code page: "ó" is one byte.
    EXPECT_TRUE(tmp.Lee(QStringLiteral("QSERR.LOG")).contains("Respondi\xF3 :"));
}

TEST_F(ManejaErrorTest, SinProcedimientoYRespuestasSinTexto)
{
    qputenv("TEMP", "");
    qputenv("TMP", tmp.Ruta().toLocal8Bit());   // ignored: TEMP is empty
    avisos.Responder({Avisos::OK, Avisos::Si});
    ManejaError(Falla(7, QStringLiteral("x"), QStringLiteral("Origen")), 0);
    ManejaError(Falla(7, QStringLiteral("y"), QStringLiteral("Origen")), 4);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Origen Aviso al operador!!! - 2 "));
    const QByteArray log = sistema.Lee(QStringLiteral("QSERR.LOG"));
    EXPECT_TRUE(log.contains(" Rutina:  Mensaje Ha ocurrido el Siguiente Error (7) x Respondi\xF3 : \r\n")) << log.constData();
    EXPECT_TRUE(log.endsWith("(7) y Respondi\xF3 : S\xED\r\n"));
    EXPECT_TRUE(tmp.Lee(QStringLiteral("QSERR.LOG")).isEmpty());
}

TEST_F(ManejaErrorTest, FallaCeroDejaElArchivoVacioYNoPregunta)
{
    qputenv("TEMP", "");
    EXPECT_EQ(ManejaError(Falla(0, QString())), 0);
    EXPECT_TRUE(avisos.preguntas.empty());
    EXPECT_TRUE(QFile::exists(sistema.Archivo(QStringLiteral("QSERR.LOG"))));
    EXPECT_TRUE(sistema.Lee(QStringLiteral("QSERR.LOG")).isEmpty());
}

TEST_F(ManejaErrorTest, ComoGestorDeUnProcedimiento)
{
    qputenv("TEMP", "");
    avisos.Responder({Avisos::Reintentar});
    Procedimiento p(QStringLiteral("Cfg"), GestorManejaError());
    int intentos = 0;
    p.paso([&] {
        if (++intentos == 1)
            throw Falla(3021, QStringLiteral("Sin fila"));
    });
    EXPECT_EQ(intentos, 2);
    EXPECT_EQ(avisos.preguntas.at(0).titulo.left(6), QStringLiteral("Tervalio").left(6));
    EXPECT_TRUE(avisos.preguntas.at(0).titulo.contains(QStringLiteral(" - Cfg Aviso")));
}

}  // namespace
