#include "platform/fechas.h"
#include "platform/controles/texto_celda.h"
#include "support/zona_horaria.h"

#include <gtest/gtest.h>

namespace {

TEST(Fechas, LecturaDiaPrimero)
{
    struct Caso {
        const char* texto;
        const char* esperado;   // yyyy-MM-dd HH:mm:ss, or "" for no date
    };
    const Caso casos[] = {
        {"15/03/2024", "2024-03-15 00:00:00"},
        {"5/3/24", "2024-03-05 00:00:00"},
        {"09/12/26 10:00", "2026-12-09 10:00:00"},
        {"01/01/30", "1930-01-01 00:00:00"},
        {"10-01-2027 23:59:58", "2027-01-10 23:59:58"},
        {"2024-03-15 08:30:00", "2024-03-15 08:30:00"},
        {"31/02/2024", ""},
        {"15/13/2024", ""},
        {"12/03/2024 25:00", ""},
        {"3/8", ""},
        // Two different separators: no date the database reads.
        {"2/1-2027", ""},
        {"15-01/27", ""},
        {"abc", ""},
        {"", ""},
    };
    for (const auto& c : casos) {
        const auto f = Fechas::Lee(QString::fromUtf8(c.texto));
        const QString r = f ? f->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
        EXPECT_EQ(r, QString::fromUtf8(c.esperado)) << c.texto;
    }
    EXPECT_TRUE(Fechas::Lee(QStringLiteral("10:15")));
    EXPECT_FALSE(Fechas::EsFecha(QStringLiteral("10:15")));
    EXPECT_TRUE(Fechas::EsFecha(QStringLiteral("1/3/2024")));
    // The server's date-time columns hold 1753 to 9999.
    struct {
        const char* texto;
        bool esFecha, deLaBase;
    } const rango[] = {
        {"31/12/1752", true, false}, {"1/1/0001", true, false}, {"1200-06-01", true, false},
        {"01/01/1753", true, true},  {"31/12/9999 23:59", true, true}, {"1/3/24", true, true},
        {"10:15", false, false},     {"31/02/2024", false, false},
    };
    for (const auto& c : rango) {
        EXPECT_EQ(Fechas::EsFecha(QString::fromLatin1(c.texto)), c.esFecha) << c.texto;
        EXPECT_EQ(Fechas::EsFechaDeLaBase(QString::fromLatin1(c.texto)), c.deLaBase) << c.texto;
    }
    EXPECT_EQ(Fechas::TextoRegional(QDateTime(QDate(2024, 3, 1), QTime(0, 0))), QStringLiteral("01/03/2024"));
    EXPECT_EQ(Fechas::TextoRegional(QDateTime(QDate(2024, 3, 1), QTime(7, 5))), QStringLiteral("01/03/2024 07:05:00"));
}

// Days whose midnight the local clock skips: summer time starts at 00:00.
// The date read is the date written, whole and valid, as it is elsewhere.
TEST(Fechas, UnDiaSinMedianocheSeLeeIgual)
{
    const struct {
        const char* zona;
        const char* dia;
    } casos[] = {{"America/Sao_Paulo", "04/11/2018"}, {"America/Santiago", "12/08/2018"},
                 {"America/Asuncion", "07/10/2018"}, {"Asia/Tehran", "22/03/2019"}, {"America/Havana", "10/03/2019"},
                 // A whole day the clock skipped, crossing the date line.
                 {"Pacific/Apia", "30/12/2011"}};
    for (const auto& c : casos) {
        ZonaHoraria zona(c.zona);
        const QString dia = QString::fromLatin1(c.dia);
        for (const QString& texto : {dia, dia + QStringLiteral(" 00:30"), dia + QStringLiteral(" 10:00")}) {
            const auto f = Fechas::Lee(texto);
            ASSERT_TRUE(f) << c.zona << " " << texto.toStdString();
            EXPECT_TRUE(f->isValid()) << c.zona << " " << texto.toStdString();
            EXPECT_EQ(f->date(), QDate::fromString(dia, QStringLiteral("dd/MM/yyyy"))) << c.zona;
            EXPECT_EQ(Fechas::TextoRegional(*f).toStdString(), (texto.size() == 10 ? texto : texto + QStringLiteral(":00")).toStdString()) << c.zona;
        }
        EXPECT_TRUE(Fechas::EsFecha(dia)) << c.zona;
        // A field of the server's date type: its day, with no time of its own.
        const QVariant soloDia(QDate::fromString(dia, QStringLiteral("dd/MM/yyyy")));
        EXPECT_EQ(Fechas::DeValor(soloDia).time(), QTime(0, 0)) << c.zona;
        EXPECT_EQ(Celdas::Texto(soloDia).toStdString(), dia.toStdString()) << c.zona;
    }
}

}  // namespace
