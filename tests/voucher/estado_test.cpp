#include "comprobantes_prueba.h"
#include "voucher/ClsCmnCptes.h"

#include <gtest/gtest.h>

namespace {

TEST(EstadoCpte, AjustesLeidosAlCrear)
{
    struct Caso {
        const char* len;   // nullptr: no setting
        short lenDesc;
        const char* asientos;
        bool asientosXStock;
        const char* piva;
        double pIva;
    };
    const Caso casos[] = {
        {nullptr, 100, nullptr, false, nullptr, 0},
        {"0", 100, "si", true, "21", 21},
        {"", 100, "S", false, "10,5", 10.5},
        {"abc", 100, " SI", false, "x", 0},
        {"40", 40, "SI", true, "27.0", 27},
        {"40.5", 40, "NO", false, "", 0},   // halves to the even neighbour
    };
    SesionGlobal s;
    for (const Caso& c : casos) {
        s.bd.Sesion().Ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION"));
        if (c.len)
            Ajuste(s, QStringLiteral("LenDescripcion"), QString::fromUtf8(c.len));
        if (c.asientos)
            Ajuste(s, QStringLiteral("AsientosXStock"), QString::fromUtf8(c.asientos));
        if (c.piva) {
            Ajuste(s, QStringLiteral("PIVA"), QString::fromUtf8(c.piva));
            Ajuste(s, QStringLiteral("PIVARec"), QString::fromUtf8(c.piva));
        }
        const ClsCmnCptes cpte;
        const std::string caso = c.len ? c.len : "(none)";
        EXPECT_EQ(cpte.gLenDesc, c.lenDesc) << caso;
        EXPECT_EQ(cpte.AsientosXStock(), c.asientosXStock) << caso;
        EXPECT_DOUBLE_EQ(cpte.PIVA(), c.pIva) << caso;
        EXPECT_DOUBLE_EQ(cpte.PIVARec(), c.pIva) << caso;
        EXPECT_FALSE(cpte.DebitoProveedor);
        EXPECT_FALSE(cpte.esElectronica);
        EXPECT_FALSE(cpte.esCreditoElectronica);
        EXPECT_EQ(cpte.NPP_Cliente, QString());
        EXPECT_EQ(cpte.NPP_IDCpte, QString());
    }
}

TEST(EstadoCpte, LargoDeDescripcionFueraDeRangoNoImpideCrear)
{
    SesionGlobal s;
    const std::pair<const char*, short> casos[] = {{"40000", 32767}, {"32767", 32767}, {"-5", 100}, {"-40000", 100}};
    for (const auto& [valor, largo] : casos) {
        Ajuste(s, QStringLiteral("LenDescripcion"), QString::fromUtf8(valor));
        const ClsCmnCptes cpte;
        EXPECT_EQ(cpte.gLenDesc, largo) << valor;
    }
}

}  // namespace
