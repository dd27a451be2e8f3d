#include "services/ModExportarExcel.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include <gtest/gtest.h>

namespace {

using namespace ModExportarExcel;

void Asiento(SesionBD& s, const QString& tc, const QString& numero, const QString& cuenta, int mes, int asiento,
             int periodo = 2026, const QString& tipoReg = QStringLiteral("VT"))
{
    s.Ejecuta(QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, Cuenta, Mes_Operativo, "
                             "[Numero Asiento], PERIODO, Tipo_Reg) VALUES ('%1', '0001', '%2', 'A', '%3', %4, %5, %6, '%7')")
                  .arg(tc, numero, cuenta)
                  .arg(mes)
                  .arg(asiento)
                  .arg(periodo)
                  .arg(tipoReg));
}

void LineaCentroCosto(SesionBD& s, int mes, int asiento, const QString& tipoReg = QStringLiteral("VT"))
{
    s.Ejecuta(QStringLiteral("INSERT INTO MV_ASIENTOSCCOSTO (Mes_Operativo, [Numero Asiento], PERIODO, Tipo_Reg) "
                             "VALUES (%1, %2, 2026, '%3')")
                  .arg(mes)
                  .arg(asiento)
                  .arg(tipoReg));
}

TEST(AsientoComprobante, MesYNumeroDelAsiento)
{
    SesionGlobal s;
    Asiento(s.bd.Sesion(), "FC", "00000146", "1.1.3.01", 3, 152);
    QString asiento = QStringLiteral("sin tocar");
    EXPECT_TRUE(ObtieneAsientoComprobante("FC", "0001", "00000146", "A", asiento, QString(), true));
    EXPECT_EQ(asiento, QStringLiteral("03 - 000152"));
    // Only lines of the account count when one is given.
    asiento = QStringLiteral("sin tocar");
    EXPECT_FALSE(ObtieneAsientoComprobante("FC", "0001", "00000146", "A", asiento, "4.1.1.01", false));
    EXPECT_EQ(asiento, QStringLiteral("sin tocar"));
    EXPECT_TRUE(ObtieneAsientoComprobante("fc", "0001", "00000146", "A", asiento, "1.1.3.01", true));
    EXPECT_FALSE(ObtieneAsientoComprobante("FC", "0001", "00000147", "A", asiento, QString(), true));
    EXPECT_FALSE(ObtieneAsientoComprobante("FC", "0001", "O'146", "A", asiento, QString(), true));
    // Purchase orders never count as booked, and nothing is read for them.
    Asiento(s.bd.Sesion(), "OC", "00000001", "1.1.3.01", 1, 1);
    ModGlobal::gSesionBD->LimpiaBitacora();
    EXPECT_FALSE(ObtieneAsientoComprobante("oc", "0001", "00000001", "A", asiento, QString(), true));
    EXPECT_TRUE(s.Enviado().isEmpty());
}

TEST(NumeracionAsientos, SubdiarioDelTipo)
{
    SesionGlobal s;
    auto& bd = s.bd.Sesion();
    bd.Ejecuta(QStringLiteral("INSERT INTO MA_SUBDIARIOS (CODIGO) VALUES ('VT')"));
    bd.Ejecuta(QStringLiteral("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES "
                              "('FC', 'VT'), ('NC', 'ZZ'), ('ND', NULL)"));
    EXPECT_EQ(ObtieneTipoRegCont(" fc "), QStringLiteral("VT"));
    EXPECT_EQ(ObtieneTipoRegCont("NC"), QStringLiteral("    "));   // journal missing
    EXPECT_EQ(ObtieneTipoRegCont("RC"), QStringLiteral("    "));   // no row for the type
    // A Null journal fails; leaving the procedure answers an empty text.
    AvisosGrabados avisos;
    EXPECT_EQ(ObtieneTipoRegCont("ND"), QString());
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("ObtieneTipoRegCont$")));
}

TEST(NumeracionAsientos, SiguienteNumeroDeAsiento)
{
    SesionGlobal s;
    auto& bd = s.bd.Sesion();
    EXPECT_EQ(ValidaTCRegistraciones(3, 2026, "VT"), 1);   // nothing booked yet
    for (int n = 1; n <= 7; ++n)
        Asiento(bd, "FC", QString::number(n), "1.1.3.01", 3, n);
    Asiento(bd, "FC", "99", "1.1.3.01", 4, 40);                    // another month
    Asiento(bd, "FC", "98", "1.1.3.01", 3, 50, 2025);              // another period
    Asiento(bd, "CMV", "1", "1.1.3.01", 3, 60, 2026, "ST");        // another register type
    EXPECT_EQ(ValidaTCRegistraciones(3, 2026, "  VT "), 8);
    EXPECT_EQ(ValidaTCRegistraciones(QStringLiteral("3"), 2026.0, "VT"), 8);
    LineaCentroCosto(bd, 3, 5);
    EXPECT_EQ(ValidaTCRegistraciones(3, 2026, "VT"), 8);   // 8 is free on the cost-centre lines
    for (int n : {8, 10, 12})
        LineaCentroCosto(bd, 3, n);
    EXPECT_EQ(ValidaTCRegistraciones(3, 2026, "VT"), 13);
    // Without a register type: the default type and an empty one count.
    EXPECT_EQ(ValidaTCRegistraciones(5, 2026), 1);
    Asiento(bd, "FC", "1", "1.1.3.01", 5, 3, 2026, QChar(0x00FF) + QStringLiteral("RS"));
    Asiento(bd, "FC", "1", "1.1.3.01", 5, 9, 2026, QString());
    Asiento(bd, "FC", "1", "1.1.3.01", 5, 30, 2026, "VT");
    EXPECT_EQ(ValidaTCRegistraciones(5, 2026, QVariant()), 10);
    EXPECT_EQ(ValidaTCRegistraciones(5, 2026, "VT"), 31);
}

TEST(NumeracionAsientos, MesQueNoEsNumeroNoLlegaALaSentencia)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    EXPECT_EQ(ValidaTCRegistraciones(QStringLiteral("3 OR 1=1"), 2026, "VT"), 0);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("ValidaTCRegistraciones")));
}

}  // namespace
