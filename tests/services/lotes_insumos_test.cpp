#include "services/ModExportarExcel.h"
#include "services/Stock.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"
#include "talonarios_prueba.h"

#include <gtest/gtest.h>

namespace {

using namespace Stock;

// A record as "code|unit|quantity", codes and units trimmed; "(blanco)" for a blank record.
QStringList Registros(const std::vector<RegInsumo>& lista)
{
    QStringList r;
    for (const auto& x : lista)
        r << (x.EnBlanco() ? QStringLiteral("(blanco)")
                           : x.Codigo.trimmed() + u'|' + x.Unidad.trimmed() + u'|' + QString::number(x.Cantidad));
    return r;
}

TEST(LotesInsumos, RegistroDeLargoFijo)
{
    RegInsumo r;
    EXPECT_TRUE(r.EnBlanco());
    r.Llena(QStringLiteral("TABPIN"), QStringLiteral("ML"), 14);
    EXPECT_EQ(r.Codigo, QStringLiteral("TABPIN").leftJustified(25));
    EXPECT_EQ(r.Unidad, QStringLiteral("ML  "));
    r.Llena(QString(27, u'A'), QStringLiteral("UNIDAD"), 1);
    EXPECT_EQ(r.Codigo, QString(25, u'A'));
    EXPECT_EQ(r.Unidad, QStringLiteral("UNID"));
    EXPECT_FALSE(r.Codigo.contains(QChar(0)));
}

TEST(LotesInsumos, LaCantidadSeRepartePorLote)
{
    SesionGlobal s;
    // Two lots of 5 and 10 in depot 1, one in another depot, one without stock, one without lot number.
    s.bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, CANTIDAD) VALUES "
        "('BARN', '1', 'L2', 10), ('BARN', '1', 'L1', 5), ('BARN', '2', 'L3', 7), ('BARN', '1', 'L0', 0), "
        "('BARN', '1', NULL, 3), ('BARN', 'A1', 'L9', 4)"));
    struct {
        const char* deposito;
        double cantidad;
        bool hay;
        QStringList lista;
    } const casos[] = {
        // The first lots cover the quantity with some left over: the last holds what was missing.
        {"1", 8, true, {"L1||5", "L2||3"}},
        // A lot completes it exactly: the next follows with 0.
        {"1", 5, true, {"L1||5", "L2||0"}},
        // All lots together hold exactly the quantity: the list ends with the blank record.
        {"1", 15, true, {"L1||5", "L2||10", "(blanco)"}},
        // Short: each lot whole, the blank record, then what no lot covers.
        {"1", 20, true, {"L1||5", "L2||10", "(blanco)", "||5"}},
        {"2", 3, true, {"L3||3"}},
        // A depot code that is no number is compared as the code it is.
        {"A1", 4, true, {"L9||4", "(blanco)"}},
        {"3", 6, false, {"(blanco)", "||6"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.deposito).arg(c.cantidad).toStdString());
        std::vector<RegInsumo> lotes(2);
        EXPECT_EQ(ArticuloTieneLotes("BARN", c.deposito, lotes, c.cantidad), c.hay);
        EXPECT_EQ(Registros(lotes), c.lista);
    }
    // Lot records carry a blank unit, never characters of code 0.
    std::vector<RegInsumo> lotes;
    ArticuloTieneLotes("BARN", "1", lotes, 8);
    EXPECT_EQ(lotes[0].Unidad, QStringLiteral("    "));
}

TEST(LotesInsumos, UnLoteEsLaSumaDeSusMovimientos)
{
    SesionGlobal s;
    // L1 came in as 10 and 4 went out; L2 was used up; L3 holds 2 in two entries; L4 stands below 0.
    s.bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, CANTIDAD) VALUES "
        "('BARN', '1', 'L1', 10), ('BARN', '1', 'L1', -4), ('BARN', '1', 'L2', 5), ('BARN', '1', 'L2', -5), "
        "('BARN', '1', 'L3', 1), ('BARN', '1', 'L3', 1), ('BARN', '1', 'L4', 2), ('BARN', '1', 'L4', -3), "
        "('BARN', '2', 'L1', 9)"));
    struct {
        double cantidad;
        QStringList lista;
    } const casos[] = {
        {5, {"L1||5"}},
        {7, {"L1||6", "L3||1"}},
        {10, {"L1||6", "L3||2", "(blanco)", "||2"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.cantidad);
        std::vector<RegInsumo> lotes;
        EXPECT_TRUE(ArticuloTieneLotes("BARN", "1", lotes, c.cantidad));
        EXPECT_EQ(Registros(lotes), c.lista);
    }
    // Every lot used up: nothing to offer.
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, CANTIDAD) "
                                         "VALUES ('BARN', '1', 'L1', -6), ('BARN', '1', 'L3', -2)"));
    std::vector<RegInsumo> lotes;
    EXPECT_FALSE(ArticuloTieneLotes("BARN", "1", lotes, 3));
    EXPECT_EQ(Registros(lotes), (QStringList{"(blanco)", "||3"}));
}

TEST(LotesInsumos, LotesFraccionadosSinResiduos)
{
    SesionGlobal s;
    // Sums of tenths are not exact as doubles: 0.7 + 0.1 falls short of 0.8
    // and 0.1 + 0.2 goes past 0.3.
    s.bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, CANTIDAD) VALUES "
        "('TINTA', '1', 'T1', 0.7), ('TINTA', '1', 'T2', 0.1), "
        "('LACA', '1', 'M1', 0.1), ('LACA', '1', 'M2', 0.2), ('LACA', '1', 'M3', 0.5)"));
    struct {
        const char* articulo;
        double cantidad;
        QStringList lista;
    } const casos[] = {
        // Covered exactly: no line without lot for what is left of the rounding.
        {"TINTA", 0.8, {"T1||0.7", "T2||0.1", "(blanco)"}},
        {"TINTA", 0.9, {"T1||0.7", "T2||0.1", "(blanco)", "||0.1"}},
        // Covered exactly by two lots: the second whole, the next with 0.
        {"LACA", 0.3, {"M1||0.1", "M2||0.2", "M3||0"}},
        {"LACA", 0.25, {"M1||0.1", "M2||0.15"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.articulo).arg(c.cantidad).toStdString());
        std::vector<RegInsumo> lotes;
        EXPECT_TRUE(ArticuloTieneLotes(c.articulo, "1", lotes, c.cantidad));
        EXPECT_EQ(Registros(lotes), c.lista);
        // Every quantity placed adds up to what was asked.
        double total = 0;
        for (const auto& r : lotes)
            total += r.Cantidad;
        EXPECT_NEAR(total, c.cantidad, 1e-9);
    }
    // What the exact cover leaves is no quantity at all, not a residue of either sign.
    std::vector<RegInsumo> lotes;
    ArticuloTieneLotes("LACA", "1", lotes, 0.3);
    ASSERT_EQ(lotes.size(), 3u);
    EXPECT_EQ(lotes[2].Cantidad, 0);
}

TEST(LotesInsumos, UnLoteDeDecimasGastadoNoSeOfrece)
{
    SesionGlobal s;
    // M1 came in as 0.1 and 0.2 and left as 0.3; M2 holds 0.1 three times; M3 ten tenths less 1.
    s.bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, CANTIDAD) VALUES "
        "('LACA', '1', 'M1', 0.1), ('LACA', '1', 'M1', 0.2), ('LACA', '1', 'M1', -0.3), "
        "('LACA', '1', 'M2', 0.1), ('LACA', '1', 'M2', 0.1), ('LACA', '1', 'M2', 0.1), "
        "('LACA', '1', 'M3', 1), ('LACA', '1', 'M3', -0.1), ('LACA', '1', 'M3', -0.1), ('LACA', '1', 'M3', -0.1), "
        "('LACA', '1', 'M3', -0.1), ('LACA', '1', 'M3', -0.1), ('LACA', '1', 'M3', -0.1), ('LACA', '1', 'M3', -0.1), "
        "('LACA', '1', 'M3', -0.1), ('LACA', '1', 'M3', -0.1), ('LACA', '1', 'M3', -0.1)"));
    std::vector<RegInsumo> lotes;
    EXPECT_TRUE(ArticuloTieneLotes("LACA", "1", lotes, 0.3));
    ASSERT_EQ(lotes.size(), 2u);
    EXPECT_EQ(lotes[0].Codigo.trimmed(), QStringLiteral("M2"));
    EXPECT_EQ(lotes[0].Cantidad, 0.3);
    EXPECT_TRUE(lotes[1].EnBlanco());
}

TEST(LotesInsumos, ElDelGridNoLee)
{
    SesionGlobal s;
    std::vector<RegInsumo> lotes(3);
    lotes[0].Llena(QStringLiteral("PREVIO"), QString(), 1);
    ModGlobal::gSesionBD->LimpiaBitacora();
    EXPECT_FALSE(ArticuloTieneLotes("BARN", "eldelgrid", lotes, 8));
    EXPECT_TRUE(s.Enviado().isEmpty());
    EXPECT_EQ(lotes.size(), 3u);
    EXPECT_EQ(lotes[0].Codigo.trimmed(), QStringLiteral("PREVIO"));
}

TEST(LotesInsumos, InsumosDeUnArticuloCompuesto)
{
    SesionGlobal s;
    s.bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) VALUES "
        "('MESA', 'TABPIN', 'ML', 5), ('MESA', 'CORR01', 'PAR', 2), ('MESA', 'BARN01', NULL, 0.2)"));
    std::vector<RegInsumo> insumos;
    EXPECT_TRUE(IdArticuloTieneInsumos(" MESA ", insumos, false));
    // One record per supply, in the order the rows come, and the blank record last.
    QStringList registros = Registros(insumos);
    EXPECT_EQ(registros.takeLast(), QStringLiteral("(blanco)"));
    registros.sort();
    EXPECT_EQ(registros, (QStringList{"BARN01||0.2", "CORR01|PAR|2", "TABPIN|ML|5"}));
    EXPECT_TRUE(IdArticuloTieneInsumos("MESA", insumos, true));
    EXPECT_EQ(Registros(insumos), QStringList{"(blanco)"});
    EXPECT_FALSE(IdArticuloTieneInsumos("SILLA", insumos, false));
    EXPECT_EQ(Registros(insumos), QStringList{"(blanco)"});
}

TEST(LotesInsumos, NumeroDeComprobanteDeStock)
{
    SesionGlobal s;
    auto& bd = s.bd.Sesion();
    Inserta(bd, {
        {.tc = "TRP", .letras = "A", .porLetra = {{"A", 10, 1, 999}}},
        {.tc = "TRQ", .letras = "A", .porLetra = {{"A", 50, 1, 999}}},
        {.tc = "TRU", .letras = "A", .porLetra = {{"A", 9, 1, 9}}},
    });
    bd.Ejecuta(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE) VALUES ('TRP', '000100000010A'), "
                              "('TRP', '000100000045A'), ('TRP', '000200000090A'), ('TRP', '000100000070X'), "
                              "('TRQ', '000100000049A')"));
    ModGlobal::gUnegocio = QStringLiteral("   1");
    // The proposed id is taken: past the highest of the type, branch and letter.
    QString sucursal, letra = QStringLiteral("A");
    EXPECT_EQ(AsignarNumeroComprobante("TRP", sucursal, letra), QStringLiteral("000100000046A"));
    EXPECT_EQ(sucursal, QStringLiteral("0001"));
    // A free id as proposed.
    sucursal.clear();
    EXPECT_EQ(AsignarNumeroComprobante("TRQ", sucursal, letra), QStringLiteral("000100000050A"));
    // Every book used up: no id.
    AvisosGrabados avisos;
    sucursal.clear();
    EXPECT_EQ(AsignarNumeroComprobante("TRU", sucursal, letra), QString());
    EXPECT_EQ(avisos.preguntas.size(), 1u);
    ModGlobal::gUnegocio.clear();
}

TEST(LotesInsumos, DatosDeDemostracion)
{
    SesionGlobal s(BasePrueba::ConDemo);
    // The knobs are sold by the box and counted by the unit.
    QString caja = QStringLiteral("CAJ");
    EXPECT_EQ(ConvierteCantidadUnidad("PERI01", caja, 2, "UN"), 24);
    double stock = 0;
    ControlStock("", "PERI01", "UN", stock);
    EXPECT_EQ(stock, 126);
    // The varnish by lot in the central depot, the table's supplies, the next adjustment.
    std::vector<RegInsumo> lista;
    EXPECT_TRUE(ArticuloTieneLotes("BARN01", "1", lista, 15));
    EXPECT_EQ(Registros(lista), (QStringList{"L2601||14", "L2602||1"}));
    EXPECT_TRUE(IdArticuloTieneInsumos("MESA03", lista, false));
    EXPECT_EQ(lista.size(), 4u);
    ModGlobal::gUnegocio = QStringLiteral("   1");
    QString sucursal, letra = QStringLiteral("X");
    EXPECT_EQ(AsignarNumeroComprobante("AJP", sucursal, letra), QStringLiteral("000100000006X"));
    ModGlobal::gUnegocio.clear();
}

}  // namespace
