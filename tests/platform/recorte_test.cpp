#include "platform/recorte.h"

#include <gtest/gtest.h>

TEST(Recorte, SoloLosBlancosDeLasPuntas)
{
    const struct {
        const char16_t* texto;
        const char16_t* recortado;
        const char16_t* sinFinales;
    } casos[] = {
        {u"  ABC  ", u"ABC", u"  ABC"},
        {u"ABC\r ", u"ABC\r", u"ABC\r"},
        {u" \tA B\n ", u"\tA B\n", u" \tA B\n"},
        {u"\r\n", u"\r\n", u"\r\n"},
        {u"    ", u"", u""},
        {u"", u"", u""},
    };
    for (const auto& c : casos) {
        const QString texto = QString::fromUtf16(c.texto);
        EXPECT_EQ(Recorta(texto), QString::fromUtf16(c.recortado)) << texto.toStdString();
        EXPECT_EQ(SinBlancosAlrededor(texto).toString(), QString::fromUtf16(c.recortado)) << texto.toStdString();
        EXPECT_EQ(SinBlancosFinales(texto).toString(), QString::fromUtf16(c.sinFinales)) << texto.toStdString();
    }
}
