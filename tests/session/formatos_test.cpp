#include "platform/fechas.h"
#include "session/ModGlobal.h"

#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

TEST(Formatos, EsVerdaderoEnSusDosModos)
{
    struct Caso {
        const char* texto;
        bool porDefecto;
        bool esperado;
    };
    const Caso casos[] = {
        {"", true, true},     {"no", true, false},  {" NO", true, true},   {"falso", true, false},
        {"N", true, false},   {"0", true, false},   {"cualquiera", true, true},
        {"si", false, true},  {"S", false, true},   {"1", false, true},    {"verdadero", false, true},
        {"", false, false},   {" SI", false, false}, {"2", false, false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(EsVerdadero(QString::fromUtf8(c.texto), c.porDefecto), c.esperado) << c.texto << c.porDefecto;
}

TEST(Formatos, PatronesBasicSinConfundirMesYMinutos)
{
    const QDateTime t(QDate(2026, 3, 9), QTime(7, 5, 4));
    EXPECT_EQ(Fechas::Formatea(t, FormatoFechaHora()), QStringLiteral("09/03/26 07:05"));
    EXPECT_EQ(Fechas::Formatea(t, FormatoFecha()), QStringLiteral("09/03/26"));
    EXPECT_EQ(Fechas::Formatea(t, FormatoHora()), QStringLiteral("07:05"));
    EXPECT_EQ(Fechas::Formatea(t, QStringLiteral("mm-dd-yyyy")), QStringLiteral("03-09-2026"));
    EXPECT_EQ(Fechas::Formatea(t, QStringLiteral("hh:mm:ss")), QStringLiteral("07:05:04"));
    EXPECT_EQ(Fechas::Formatea(t, QStringLiteral("dd/mm/yyyy hh:mm:ss")), QStringLiteral("09/03/2026 07:05:04"));
}

TEST(Formatos, FmtMonedaPorCodigoDeDecimales)
{
    // The tests run with the Spanish (Argentina) regional setting: "," decimal, "." thousands, 2 currency digits.
    const QString previo = gCantidadDecimales;
    gCantidadDecimales = QStringLiteral("3");
    struct Caso {
        const char* importe;
        int decimales;
        bool miles;
        const char* esperado;
    };
    const Caso casos[] = {
        {"1234.5", -2, true, "1.234"},        // the half goes to the even digit
        {"1235.5", -2, false, "1236"},
        {"1234.5", 0, false, "1234,50"},      // 0 is the regional digits, not zero
        {"1234.5678", -1, false, "1234,568"}, // the configured decimals
        {"1234567.125", 2, true, "1.234.567,12"},
        {"-1234.5", 2, true, "-1.234,50"},
        {"0.004", 2, false, "0,00"},
        {"-0.004", 2, false, "0,00"},
        {"12", 6, false, "12,000000"},
        {"2,5", 1, false, "2,5"},
        {"", 2, false, "0,00"},
        {"texto libre", -3, false, "texto libre"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(FmtMoneda(QString::fromUtf8(c.importe), c.decimales, c.miles), QString::fromUtf8(c.esperado))
            << c.importe << " " << c.decimales;
    gCantidadDecimales = QString();
    EXPECT_EQ(FmtMoneda(QStringLiteral("1.5"), -1, false), QStringLiteral("1,50"));  // empty counts as 0
    gCantidadDecimales = previo;
}

TEST(Formatos, FmtMonedaConDecimalesConfiguradosRaros)
{
    // The configured decimals are a 16-bit count, rounded as Basic rounds;
    // beyond that the call fails to its caller instead of a figure or a crash.
    const QString previo = gCantidadDecimales;
    const struct {
        const char* decimales;
        const char* esperado;   // nullptr: overflow
    } casos[] = {
        {"2.7", "1,500"},    {"2.5", "1,50"},   {" 3 ", "1,500"},   {"1x", "1,5"},
        {"-2", "2"},         {"-7", "2"},       {"99999999999", nullptr}, {"3000000000", nullptr},
        {"40000", nullptr},
    };
    for (const auto& c : casos) {
        gCantidadDecimales = QString::fromLatin1(c.decimales);
        if (c.esperado) {
            EXPECT_EQ(FmtMoneda(QStringLiteral("1.5"), -1, false), QString::fromLatin1(c.esperado)) << c.decimales;
            continue;
        }
        try {
            FmtMoneda(QStringLiteral("1.5"), -1, false);
            ADD_FAILURE() << "no failure for " << c.decimales;
        } catch (const Falla& f) {
            EXPECT_EQ(f.Numero, Falla::Desbordamiento) << c.decimales;
        }
    }
    gCantidadDecimales = previo;
}

TEST(Formatos, HorasYMinutos)
{
    EXPECT_EQ(ValidaHora(QStringLiteral("2"), QString(), QString(), true), 120);
    EXPECT_EQ(ValidaHora(QStringLiteral("1:30"), QString(), QString(), true), 90);
    EXPECT_EQ(ValidaHora(QStringLiteral("10:15"), QString(), QString()), 615);
    EXPECT_EQ(ValidaHora(QStringLiteral("09/03/26 07:05"), QString(), QString()), 425);
    EXPECT_EQ(ValidaHora(QStringLiteral("  "), QStringLiteral("0"), QStringLiteral("0")), 0);
    EXPECT_EQ(ValidaHora(QString(), QStringLiteral("2"), QStringLiteral("15")), 135);
    EXPECT_EQ(ValidaHora(QStringLiteral("1.5"), QString(), QString()), 90);   // not a time: split at ":"

    // Without a session the separator setting is empty, which means ":".
    long h = -1, m = -1;
    EXPECT_EQ(FormatoHoras(90, h, m), QStringLiteral("01:30"));
    EXPECT_EQ(h, 1);
    EXPECT_EQ(m, 30);
    EXPECT_EQ(FormatoHoras(0, h, m, true), QStringLiteral("00:00"));
    EXPECT_EQ(FormatoHoras(6005, h, m), QStringLiteral("100:05"));
}

TEST(Formatos, FormatoHorasDeMinutosConFraccionONoRepresentables)
{
    // A fraction of a minute is rounded half to even, as Basic's integer division does.
    const struct {
        double minutos;
        const char* texto;
        long horas, resto;
    } casos[] = {
        {2.5, "00:02", 0, 2}, {3.5, "00:04", 0, 4}, {150.5, "02:30", 2, 30}, {89.6, "01:30", 1, 30},
        {-90, "-01:-30", -1, -30}, {2147483647.0, "35791394:07", 35791394, 7},
    };
    for (const auto& c : casos) {
        long h = -9, m = -9;
        EXPECT_EQ(FormatoHoras(c.minutos, h, m), QString::fromLatin1(c.texto)) << c.minutos;
        EXPECT_EQ(h, c.horas) << c.minutos;
        EXPECT_EQ(m, c.resto) << c.minutos;
    }
    // Hours and minutes are 32-bit: a count beyond them fails, out arguments untouched.
    for (double minutos : {2147483648.0, -2147483649.0, 1e30}) {
        long h = -9, m = -9;
        try {
            FormatoHoras(minutos, h, m);
            ADD_FAILURE() << "no failure for " << minutos;
        } catch (const Falla& f) {
            EXPECT_EQ(f.Numero, Falla::Desbordamiento) << minutos;
        }
        EXPECT_EQ(h, -9);
        EXPECT_EQ(m, -9);
    }
}

TEST(Formatos, ListaDeTotalesYLimpiezaDeTextos)
{
    gListaTotales = {{QStringLiteral("MUEBLES"), 1}, {QStringLiteral("Sillas") + QChar(0xFF) + QChar(0), 2}};
    EXPECT_EQ(EstaEnLista(QStringLiteral(" sillas ")), 1);
    EXPECT_EQ(EstaEnLista(QStringLiteral("muebles")), 0);
    EXPECT_EQ(EstaEnLista(QStringLiteral("mesas")), -1);
    gListaTotales.clear();
    EXPECT_EQ(EstaEnLista(QStringLiteral("x")), -1);
    EXPECT_EQ(TransformaTexto(QString(QStringLiteral(" L1") + QChar(0xFF) + QStringLiteral("S1\n") + QChar(0))),
              QStringLiteral("L1S1"));
    // Only blanks are trimmed: a carriage return or a tab at an end is text.
    const struct {
        const char* entrada;
        const char* salida;
    } casos[] = {{"  ABC\r ", "ABC\r"}, {"\tABC \t", "\tABC \t"}, {" \r\nNota\n ", "\rNota"}, {"   ", ""}};
    for (const auto& c : casos)
        EXPECT_EQ(TransformaTexto(QString::fromLatin1(c.entrada)), QString::fromLatin1(c.salida)) << c.entrada;
    // The session parameters are trimmed the same way.
    EXPECT_EQ(ValorParametro(QStringLiteral("@usuario= ana\t ;"), QStringLiteral("@Usuario")), QStringLiteral("ana\t"));
}

TEST(Formatos, LimpiaFilaGrillaDesdeUnaColumna)
{
    Grilla g;
    g.setCols(4);
    g.setRows(3);
    for (int c = 0; c < 4; ++c)
        g.setTextMatrix(1, c, QStringLiteral("x%1").arg(c));
    LimpiaFilaGrilla(g, 1, 2);
    EXPECT_EQ(g.TextMatrix(1, 1), QStringLiteral("x1"));
    EXPECT_EQ(g.TextMatrix(1, 2), QString());
    EXPECT_EQ(g.TextMatrix(1, 3), QString());
    g.setTextMatrix(1, 3, QStringLiteral("y"));
    LimpiaFilaGrilla(g, 1, 9);   // past the last column: nothing changes
    EXPECT_EQ(g.TextMatrix(1, 3), QStringLiteral("y"));
}

}  // namespace
