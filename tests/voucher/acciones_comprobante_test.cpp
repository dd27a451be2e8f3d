#include "comprobantes_prueba.h"
#include "support/avisos_grabados.h"
#include "voucher/ClsCmnCptes.h"

#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

class AccionesComprobante : public ::testing::Test {
protected:
    void SetUp() override
    {
        Sistema::FijarReloj([] { return QDateTime(QDate(2026, 3, 15), QTime(10, 30, 45)); });
        Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro"));
        InfoSistema::FijarNombreMaquina(QStringLiteral("TALLER-01"));
        gUsuarioLogeado = QStringLiteral("SUPERVISOR");
    }
    void TearDown() override
    {
        Sistema::FijarReloj(nullptr);
        Sistema::FijarNombreEjecutable(QString());
        InfoSistema::FijarNombreMaquina(QString());
        gUsuarioLogeado.clear();
    }

    QStringList Filas()
    {
        return s.bd.Filas(QStringLiteral("SELECT TC, IdComprobante, IdComplemento, Tipo_accion, FECHAHORA, Usuario, PC, "
                                         "SYSTEMUSER, NUMEROASIENTO FROM V_MV_CPTEACCIONES ORDER BY Id"));
    }

    SesionGlobal s;
    ClsCmnCptes cpte;
};

TEST_F(AccionesComprobante, SentenciaParaElLote)
{
    QString sql = QStringLiteral("UPDATE V_MV_CPTE SET ANULADA = 1");
    cpte.ActualizaBuchon(QStringLiteral(" FC"), QStringLiteral("000100000146A"), QStringLiteral("0"), true, true, true,
                         sql, QStringLiteral("000123"));
    // The text is replaced, not appended to, and nothing is written.
    EXPECT_EQ(sql, QStringLiteral(" INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,"
                                  "Usuario,PC,SYSTEMUSER,NUMEROASIENTO) VALUES ('FC  ','000100000146A',0,'A',"
                                  "'15/03/26 10:30','SUPERVISOR','TALLER-01','V_Pelmaro',123)"));
    EXPECT_TRUE(Filas().isEmpty());
    s.bd.Sesion().Ejecuta(sql);
    EXPECT_EQ(Filas().size(), 1);
}

TEST_F(AccionesComprobante, FilaEnElMomento)
{
    struct Caso {
        bool alta, modificacion;
        const char* complemento;
        const char* asiento;
        const char* fila;
    };
    const Caso casos[] = {
        {false, false, "3", "152", "RM  |000100000012X|3|B|15/03/2026 10:30|SUPERVISOR|TALLER-01|V_Pelmaro|152"},
        {false, true, " 4 ", "", "RM  |000100000012X|4|M|15/03/2026 10:30|SUPERVISOR|TALLER-01|V_Pelmaro|0"},
        // What is no number is no complement.
        {true, false, "", "7", "RM  |000100000012X|NULL|A|15/03/2026 10:30|SUPERVISOR|TALLER-01|V_Pelmaro|7"},
        {true, false, "1,2)", "7", "RM  |000100000012X|NULL|A|15/03/2026 10:30|SUPERVISOR|TALLER-01|V_Pelmaro|7"},
    };
    QStringList esperadas;
    for (const Caso& c : casos) {
        QString sql = QStringLiteral("sin tocar");
        cpte.ActualizaBuchon(QStringLiteral("RM"), QStringLiteral("000100000012X"), QString::fromUtf8(c.complemento),
                             c.alta, c.modificacion, false, sql, QString::fromUtf8(c.asiento));
        EXPECT_EQ(sql, QStringLiteral("sin tocar"));
        esperadas << QString::fromUtf8(c.fila);
    }
    EXPECT_EQ(Filas(), esperadas);
}

TEST_F(AccionesComprobante, ApostrofesYValoresQueFallan)
{
    gUsuarioLogeado = QStringLiteral("O'Brien");
    InfoSistema::FijarNombreMaquina(QStringLiteral("PC'2"));
    QString sql;
    // An entry number beyond the currency range fails: an empty text in its place.
    cpte.ActualizaBuchon(QStringLiteral("RM"), QStringLiteral("000100000012X"), QStringLiteral("1"), true, false, true,
                         sql, QStringLiteral("99999999999999999999"));
    EXPECT_TRUE(sql.endsWith(QStringLiteral("'O''Brien','PC''2','V_Pelmaro','')"))) << sql.toStdString();
    cpte.ActualizaBuchon(QStringLiteral("RM"), QStringLiteral("000100000012X"), QStringLiteral("1"), true, false, false,
                         sql, QStringLiteral("5"));
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT Usuario, PC FROM V_MV_CPTEACCIONES")), QStringList({"O'Brien|PC'2"}));
    // A failing write reports nothing.
    AvisosGrabados avisos;
    s.bd.Sesion().Ejecuta(QStringLiteral("DROP TABLE V_MV_CPTEACCIONES"));
    cpte.ActualizaBuchon(QStringLiteral("RM"), QStringLiteral("000100000012X"), QStringLiteral("1"), true, false, false,
                         sql, QStringLiteral("5"));
    EXPECT_TRUE(avisos.preguntas.empty());
}

}  // namespace
