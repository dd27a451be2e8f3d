#include "platform/moneda.h"
#include "platform/numeros.h"
#include "platform/utilidades_comunes.h"
#include "support/locale_regional.h"

#include <gtest/gtest.h>
#include <cmath>
#include <cstdint>

namespace {

struct CasoTexto {
    const char* texto;
    const char* moneda;   // Moneda::Texto() of TextoAMoneda
    double doble;
};

TEST(TextoANumero, SignosSeparadoresBlancosYBasura)
{
    const CasoTexto casos[] = {
        {"", "0", 0},
        {"   ", "0", 0},
        {"12", "12", 12},
        {"  -12  ", "-12", -12},
        {"+3", "3", 3},
        {"2.5", "2.5", 2.5},
        {"2,5", "2.5", 2.5},
        {"1.234,50", "1234.5", 1234.5},
        {"1,234.50", "1234.5", 1234.5},
        {"1.234.567", "1234567", 1234567},
        {",5", "0.5", 0.5},
        {"7.", "7", 7},
        {"0.33335", "0.3334", 0.33335},   // half to even at the fifth decimal
        {"0.33345", "0.3334", 0.33345},
        {"-0.00005", "0", -0.00005},
        {"abc", "0", 0},
        {"12abc", "0", 0},
        {"1 2", "0", 0},
        {"15/03/2024", "0", 0},
        {"1.2.3,4,5", "0", 0},
        {"-", "0", 0},
        {"1e3", "0", 0},
        {"&H10", "0", 0},
    };
    UtilidadesComunes u;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(u.TextoAMoneda(QString::fromUtf8(c.texto)).Texto(), QString::fromUtf8(c.moneda));
        EXPECT_DOUBLE_EQ(u.TextoADoble(QString::fromUtf8(c.texto)), c.doble);
    }
}

// The canonical form every number text is read through: sign, digits without
// grouping or leading zeros, "." and the fraction without trailing zeros.
TEST(TextoANumero, FormaCanonica)
{
    const std::pair<const char*, const char*> casos[] = {
        {"007,50", "7.5"},    {"-0,00", "0"},     {",5", "0.5"},       {"-.5", "-0.5"},  {"000", "0"},
        {"10", "10"},         {"100,00", "100"},  {"1.000", "1"},      {"1.000,00", "1000"}, {" +0012.3400 ", "12.34"},
        {"-1.234.567,891", "-1234567.891"}, {"0", "0"}, {"-0", "0"}, {"5.", "5"}, {"-,0", "0"}, {"\t7\u00A0", "7"},
        {"0.0001", "0.0001"}, {"100", "100"}, {"1,5,5", "155"}, {"1.2,3", "12.3"}, {"1..2,3", "12.3"}};
    for (const auto& [texto, canonico] : casos)
        EXPECT_EQ(Numeros::Canonico(QString::fromUtf8(texto)), QString::fromUtf8(canonico)) << texto;
    for (const char* malo : {"", " ", "-", "+", ".", ",", "1,2,3.4.5", "x1", "1-"})
        EXPECT_FALSE(Numeros::Canonico(QString::fromUtf8(malo))) << malo;
}

TEST(TextoANumero, DesbordamientoDeMoneda)
{
    UtilidadesComunes u;
    EXPECT_THROW(u.TextoAMoneda(QStringLiteral("1234567890123456")), Falla);
    EXPECT_EQ(u.TextoAMoneda(QStringLiteral("922337203685477")).Texto(), QStringLiteral("922337203685477"));
}

TEST(TextoANumero, NumeroInicialYNumerico)
{
    EXPECT_DOUBLE_EQ(Numeros::NumeroInicial(u"  12abc"), 12);
    EXPECT_DOUBLE_EQ(Numeros::NumeroInicial(u"-3.5x"), -3.5);
    EXPECT_DOUBLE_EQ(Numeros::NumeroInicial(u"1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(Numeros::NumeroInicial(u"x12"), 0);
    EXPECT_DOUBLE_EQ(Numeros::NumeroInicial(u""), 0);
    EXPECT_DOUBLE_EQ(Numeros::NumeroInicial(u"1 2"), 1);
    EXPECT_DOUBLE_EQ(Numeros::NumeroInicial(u"+4kg"), 4);
    EXPECT_DOUBLE_EQ(Numeros::NumeroInicial(u" 7.,"), 7);
    EXPECT_DOUBLE_EQ(Numeros::NumeroInicial(u".5"), 0.5);
    EXPECT_TRUE(Numeros::EsNumerico(u"123"));
    EXPECT_TRUE(Numeros::EsNumerico(u"-0.5"));
    EXPECT_FALSE(Numeros::EsNumerico(u""));
    EXPECT_FALSE(Numeros::EsNumerico(u"1D2"));
    EXPECT_FALSE(Numeros::EsNumerico(u"$5"));
}

TEST(TextoANumero, FormaPlanaSeLeeIgual)
{
    UtilidadesComunes u;
    for (double v : {0.0, 2.5, -3.0, 0.1, 1234567.125, 0.3333, 1e-4, 123456789012.5}) {
        const QString t = Numeros::TextoPlano(v);
        EXPECT_FALSE(t.contains(u',')) << t.toStdString();
        EXPECT_DOUBLE_EQ(u.TextoADoble(t), v) << t.toStdString();
    }
    EXPECT_EQ(Numeros::TextoPlano(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(Numeros::TextoPlano(3), QStringLiteral("3"));
}

// The plain form is "%.15g", or fixed with ten decimals where that would
// need an exponent: the same text Qt's own printf gives, over every magnitude.
TEST(TextoANumero, LaFormaPlanaEsLaDeQuinceCifras)
{
    const auto referencia = [](double v) {
        QString s = QString::asprintf("%.15g", v);
        if (s.contains(u'e')) {
            s = QString::asprintf("%.10f", v);
            while (s.contains(u'.') && s.endsWith(u'0'))
                s.chop(1);
            if (s.endsWith(u'.'))
                s.chop(1);
        }
        return s;
    };
    const struct {
        double valor;
        const char* texto;
    } casos[] = {{0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"}, {-2.5, "-2.5"}, {1e-7, "0.0000001"},
                 {123456789012345678.0, "123456789012345680"}, {999999999999999.9, "999999999999999.875"},
                 {0.000123, "0.000123"}, {1e15, "1000000000000000"}, {100.0, "100"}, {2.675, "2.675"}};
    for (const auto& c : casos)
        EXPECT_EQ(Numeros::TextoPlano(c.valor), QString::fromLatin1(c.texto)) << c.texto;
    std::uint64_t x = 88172645463325252ull;
    for (int i = 0; i < 20000; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        const double v = double(x % 2000000000) / 1000.0 * std::pow(10.0, int(x % 31) - 15) * ((x >> 40) & 1 ? -1 : 1);
        ASSERT_EQ(Numeros::TextoPlano(v), referencia(v)) << v;
    }
}

TEST(TextoANumero, LaFormaPlanaNoDependeDelLocaleDelProceso)
{
    // SQL literals and currency values go through it: a decimal comma would change them.
    for (const char* nombre : {"es_AR.UTF-8", "es_ES.UTF-8"}) {
        LocaleRegional locale(nombre);
        ASSERT_TRUE(locale.Puesto()) << nombre << " is not available (scripts/install-deps.sh makes it)";
        EXPECT_EQ(Numeros::TextoPlano(2.225), QStringLiteral("2.225")) << nombre;
        EXPECT_EQ(Numeros::TextoPlano(-1234567.125), QStringLiteral("-1234567.125")) << nombre;
        EXPECT_EQ(Moneda::DesdeDoble(2.5).Texto(), QStringLiteral("2.5")) << nombre;
    }
}

TEST(Moneda, AritmeticaYRedondeoPar)
{
    const Moneda a = *Moneda::DesdeTexto(u"1234.5");
    EXPECT_EQ(a.Redondeada(0).Texto(), QStringLiteral("1234"));
    EXPECT_EQ((*Moneda::DesdeTexto(u"1235.5")).Redondeada(0).Texto(), QStringLiteral("1236"));
    EXPECT_EQ((*Moneda::DesdeTexto(u"-2.5")).Redondeada(0).Texto(), QStringLiteral("-2"));
    EXPECT_EQ((*Moneda::DesdeTexto(u"0.125")).Redondeada(2).Texto(), QStringLiteral("0.12"));
    const Moneda tercio = *Moneda::DesdeTexto(u"0.3333");
    EXPECT_EQ((tercio * Moneda::DesdeEntero(3)).Texto(), QStringLiteral("0.9999"));
    EXPECT_EQ((Moneda::DesdeEntero(1) / Moneda::DesdeEntero(3)).Texto(), QStringLiteral("0.3333"));
    EXPECT_EQ(Moneda::DesdeDoble(0.1).Texto(), QStringLiteral("0.1"));
    EXPECT_EQ((a + tercio - a).Texto(), QStringLiteral("0.3333"));
    EXPECT_LT(-a, a);
    EXPECT_THROW(Moneda::DesdeEntero(1) / Moneda(), Falla);
}

TEST(Numeros, RedondeoParDeNumerosGrandes)
{
    // A value within a hair of a half goes to the even digit; a large value
    // that is no half at all keeps its own figure.
    const struct {
        double valor;
        int decimales;
        double esperado;
    } casos[] = {
        {2.675, 2, 2.68},           {0.125, 2, 0.12},          {-2.5, 0, -2},
        {3.5, 0, 4},                {1000000001, 0, 1000000001}, {2147483647, 0, 2147483647},
        {123456789.13, 2, 123456789.13}, {1000.000001, 6, 1000.000001}, {4503599627370497.0, 0, 4503599627370497.0},
        {2500000000.5, 0, 2500000000}, {2500000001.5, 0, 2500000002},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Numeros::RedondeoPar(c.valor, c.decimales), c.esperado) << std::fixed << c.valor << " " << c.decimales;
}

TEST(Utilidades, AjustaAnchoYTextos)
{
    UtilidadesComunes u;
    EXPECT_EQ(u.AjustaAncho(QStringLiteral("OC"), 4), QStringLiteral("OC  "));
    EXPECT_EQ(u.AjustaAncho(QStringLiteral("ABCD"), 4), QStringLiteral("ABCD"));
    EXPECT_EQ(u.AjustaAncho(QStringLiteral("'OC  '"), 4), QStringLiteral("'OC  '"));
    EXPECT_EQ(u.AjustaAncho(QString(), 4), QStringLiteral("    "));
    EXPECT_EQ(u.AjustaAncho(QStringLiteral("ART1"), 25).size(), 25);
    EXPECT_EQ(u.AlineaDerecha(QStringLiteral("12"), 5), QStringLiteral("   12"));
    EXPECT_EQ(u.CortaTexto(QString(300, u'x')).size(), 250);
    EXPECT_EQ(u.CortaTexto(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
    EXPECT_EQ(u.QuitaCaracteres(QStringLiteral("a=b=c|d"), QStringLiteral("="), QStringLiteral("|")),
              QStringLiteral("abcd"));
    EXPECT_EQ(u.ReemplazaTexto(QStringLiteral("1,50"), QStringLiteral(","), QStringLiteral(".")), QStringLiteral("1.50"));
    EXPECT_EQ(u.CuentaPalabras(QStringLiteral("  Select TOP 1 *  ")), 4);
    EXPECT_EQ(u.CuentaPalabras(QStringLiteral("len")), 1);
    EXPECT_EQ(u.CuentaPalabras(QString()), 0);
    EXPECT_TRUE(u.ExisteEnArreglo(QStringLiteral("fc "), {QStringLiteral("NC"), QStringLiteral("FC")}));
    EXPECT_EQ(u.NormalizaRuta(QStringLiteral("C:\\tmp")), QStringLiteral("C:/tmp/"));
    EXPECT_EQ(u.NormalizaRuta(QStringLiteral("/tmp/")), QStringLiteral("/tmp/"));
    EXPECT_EQ(u.ValorNoNuloTexto(QVariant()), QString());
    EXPECT_EQ(u.ValorNoNulo(QVariant(5)).toInt(), 5);
}

// A number field as text reads back as the same number: round millions and
// small fractions too, which the double's shortest text writes with an exponent.
TEST(Utilidades, UnNumeroComoTextoSeLeeDeVuelta)
{
    UtilidadesComunes u;
    const struct {
        QVariant valor;
        const char* texto;
    } casos[] = {
        {QVariant(1000000.0), "1000000"},  {QVariant(2.5e7), "25000000"},   {QVariant(-3000000.0), "-3000000"},
        {QVariant(0.00001), "0.00001"},    {QVariant(0.1 + 0.2), "0.3"},    {QVariant(1234.5f), "1234.5"},
        {QVariant(1.5), "1.5"},            {QVariant(0.0), "0"},            {QVariant(12), "12"},
        {QVariant(QStringLiteral("1e+06")), "1e+06"}, {QVariant(QMetaType(QMetaType::Double)), ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(u.ValorNoNuloTexto(c.valor), QString::fromLatin1(c.texto)) << c.texto;
    EXPECT_EQ(u.TextoADoble(u.ValorNoNuloTexto(QVariant(1000000.0))), 1000000.0);
}

TEST(Utilidades, CredencialesIdaYVuelta)
{
    UtilidadesComunes u;
    for (const char* t : {"Quessel", "gatillo", "", "ñandú|x"}) {
        const QString c = u.CodificaTexto(QString::fromUtf8(t));
        EXPECT_FALSE(c.contains(u'|'));
        EXPECT_EQ(u.DecodificaTexto(c), QString::fromUtf8(t));
    }
    EXPECT_EQ(u.DecodificaTexto(QStringLiteral("sinCodificar")), QStringLiteral("sinCodificar"));
}

}  // namespace
