#include "services/ModExportarExcel.h"

#include <gtest/gtest.h>

namespace {

using namespace ModExportarExcel;

TEST(IdentidadComprobante, ArmaYSeparaLosTreceCaracteres)
{
    struct {
        const char* sucursal;
        const char* numero;
        const char* letra;
        const char* id;
    } const casos[] = {
        {"1", "47", "", "000100000047X"},     // leading zeros kept, empty letter as X
        {"0012", "00001234", "A", "001200001234A"},
        {"999", "9999999", " B ", "099909999999B"},
        {"", "", "M", "000000000000M"},
        {" 3", " 47", "X", "000300000047X"},   // a number with a leading blank
    };
    for (const auto& c : casos) {
        const QString id = ArmaIdComprobante(c.sucursal, c.numero, c.letra);
        EXPECT_EQ(id, QString::fromUtf8(c.id));
        EXPECT_EQ(id.size(), 13);
        const auto partes = SeparaIdComprobante(id);
        EXPECT_EQ(partes.Sucursal + partes.Numero + partes.Letra, id);
        EXPECT_EQ(partes.Sucursal.size(), 4);
        EXPECT_EQ(partes.Numero.size(), 8);
    }
    const auto partes = SeparaIdComprobante(QStringLiteral("000100000045A"));
    EXPECT_EQ(partes.Sucursal, QStringLiteral("0001"));
    EXPECT_EQ(partes.Numero, QStringLiteral("00000045"));
    EXPECT_EQ(partes.Letra, QStringLiteral("A"));
}

TEST(IdentidadComprobante, SoloLasSieteLetrasNombranColumnas)
{
    EXPECT_EQ(LetrasComprobante(), QStringLiteral("A,B,C,E,R,X,M"));
    for (const char* l : {"A", "B", "C", "E", "R", "X", "M"})
        EXPECT_EQ(LetraDeColumna(QString::fromUtf8(l).toLower()), QString::fromUtf8(l));
    EXPECT_EQ(LetraDeColumna(QStringLiteral(" b ")), QStringLiteral("B"));
    EXPECT_EQ(LetraDeColumna(QString()), QStringLiteral("X"));
    EXPECT_EQ(LetraDeColumna(QStringLiteral("  ")), QStringLiteral("X"));
    for (const char* l : {"Z", "A,B", ",", "AB", "'", "X_ULTIMO_NRO = 0 --", "*A"})
        EXPECT_EQ(LetraDeColumna(QString::fromUtf8(l)), std::nullopt) << l;
}

}  // namespace
