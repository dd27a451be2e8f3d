// The stock movement line: one table per rule, the golden text of a transfer
// line run against the schema, and hostile texts.
#include "comprobantes_prueba.h"
#include "linea_stock_prueba.h"
#include "platform/numero_de_falla.h"
#include "platform/numeros.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/posteo_stock.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

using namespace ModGlobal;
namespace C = ColArticulos;

// A remito 0001-00000007 X of the demo workshop, outgoing, line 1; the
// prepared depot '1', reason 'VTA', no destination and no origin.
class LineaStock_ : public ::testing::Test {
protected:
    void SetUp() override
    {
        Ajuste(s, QStringLiteral("PIVA"), QStringLiteral("21"));
        clase = std::make_unique<ClsCmnCptes>();
        gUnegocio = QStringLiteral("   1");
        gCaja = QStringLiteral("1");
        e = std::make_unique<PosteoStock>(*clase, g, dep, dest, mot, tcOri, cpteOri);
        e->TC = QStringLiteral("RM");
        e->SucNroLetra = QStringLiteral("000100000007X");
        e->IdComplemento = QStringLiteral("0");
        e->fecha = QStringLiteral("10/12/26");
        e->Signo = -1;
        e->Secuencia = 1;
    }
    void TearDown() override
    {
        gUnegocio.clear();
        gCaja.clear();
    }

    // The line of a one-row grid; the item quantity is column 7 unless given.
    ColumnasInsert Linea(CeldasFila celdas, std::optional<double> cantidadItem = std::nullopt)
    {
        g.setRows(1);
        e->Fila = AgregaFila(g, celdas);
        e->Articulo = g.TextMatrix(e->Fila, C::Codigo).trimmed();
        e->CantidadItem = cantidadItem ? *cantidadItem : Numeros::NumeroInicial(g.TextMatrix(e->Fila, C::Cantidad));
        sentencia = LineStock();
        return LeeInsert(sentencia);
    }
    QString LineStock() { return LineaStock::Sentencia(*e); }
    QString Celda(int c) const { return g.TextMatrix(e->Fila, c); }

    SesionGlobal s{BasePrueba::ConDemo};
    std::unique_ptr<ClsCmnCptes> clase;
    Grilla g;
    QString dep = QStringLiteral("'1   '"), dest = QStringLiteral("NULL"), mot = QStringLiteral("'VTA '"),
            tcOri = QStringLiteral("NULL"), cpteOri = QStringLiteral("NULL");
    std::unique_ptr<PosteoStock> e;
    QString sentencia;
};

}  // namespace

TEST_F(LineaStock_, DepositosPorPasada)
{
    struct Caso {
        const char* nombre;
        short pasada;
        short signoRemota;
        bool transferencia;
        const char* deposito;   // prepared
        const char* destino;    // prepared
        const char* col6;
        const char* idDeposito;
        const char* idDestino;  // nullptr: no column
        const char* recordado;  // the row depot kept afterwards
    };
    const Caso casos[] = {
        {"depósito de la fila", 1, 0, false, "'1   '", "NULL", "2", "'2   '", nullptr, "'2   '"},
        {"sin columna 6, el preparado sin comillas de más", 1, 0, false, "'1   '", "NULL", "", "'1   '", nullptr, "'1   '"},
        {"SignoRemota 1 escribe el preparado", 1, 1, false, "'1   '", "NULL", "2", "'1   '", nullptr, "'9   '"},
        {"ELDELGRID sin columna 6: DepositoDefault", 1, 0, false, "ELDELGRID", "NULL", "", "'1   '", nullptr, "'1   '"},
        {"ELDELGRID con columna 6", 1, 0, false, "ELDELGRID", "NULL", "2", "'2   '", nullptr, "'2   '"},
        {"SignoRemota 1 con ELDELGRID", 1, 1, false, "ELDELGRID", "NULL", "2", "'2   '", nullptr, "'9   '"},
        {"preparado NULL", 1, 0, false, "NULL", "NULL", "", "NULL", nullptr, "NULL"},
        {"segunda pasada: el destino", 2, 0, false, "'1   '", "'2   '", "3", "'2   '", nullptr, "'9   '"},
        {"OP por fila: segunda pasada", 2, 0, false, "ELDELGRID", "ELDELGRID", "2", "'2   '", nullptr, "'9   '"},
        {"transferencia, pasada 1", 1, 0, true, "'1   '", "'2   '", "", "'1   '", "'2   '", "'1   '"},
        {"transferencia sin destino", 1, 0, true, "'1   '", "NULL", "", "'1   '", "null", "'1   '"},
        {"transferencia, pasada 2 con su fila", 2, 0, true, "'1   '", "'2   '", "3", "'2   '", "'3   '", "'9   '"},
    };
    for (const Caso& c : casos) {
        e->Pasada = c.pasada;
        e->SignoRemota = c.signoRemota;
        e->EsTransferencia = c.transferencia;
        dep = QString::fromUtf8(c.deposito);
        dest = QString::fromUtf8(c.destino);
        e->DepositoFila = QStringLiteral("'9   '");
        const auto l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Deposito, c.col6}});
        EXPECT_EQ(l["IdDeposito"], QString::fromUtf8(c.idDeposito)) << c.nombre;
        if (c.idDestino)
            EXPECT_EQ(l["IDDEPOSITO_DESTINO"], QString::fromUtf8(c.idDestino)) << c.nombre;
        else
            EXPECT_FALSE(l.tiene("IDDEPOSITO_DESTINO")) << c.nombre;
        EXPECT_EQ(e->DepositoFila, QString::fromUtf8(c.recordado)) << c.nombre;
    }
    // No default depot either: NULL, never a blank code.
    s.bd.Sesion().Ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'DepositoDefault'"));
    e->Pasada = 1;
    e->SignoRemota = 0;
    dep = QStringLiteral("ELDELGRID");
    EXPECT_EQ(Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}})["IdDeposito"], QStringLiteral("NULL"));
}

TEST_F(LineaStock_, CantidadPorSigno)
{
    struct Caso {
        const char* nombre;
        short signo;
        const char* talle;
        const char* lote;
        const char* serie;
        long items;
        double item;
        const char* col8;
        const char* col41;
        const char* col5;
        const char* cantidad;
        const char* col74;   // after the line
    };
    const Caso casos[] = {
        {"+1 talle vacío cuenta como marcado", 1, "", "", "", 1, 2, "1", "", "UN", "2", ""},
        {"+1 serie sin lote", 1, "0", "", "S1", 1, 1, "1", "", "UN", "1", ""},
        {"+1 lote y serie, dos ítems", 1, "0", "L1", "S1", 2, 3, "1", "", "UN", "1", ""},
        {"+1 un solo ítem con lote: la columna 7", 1, "0", "L1", "", 1, 3, "1", "", "UN", "5", ""},
        {"-1 con lote: el ítem, escrito en 74", -1, "0", "L1", "", 2, 2, "1", "UN", "UN", "-2", "2"},
        {"-1 otra unidad y coeficiente 2: la columna 7", -1, "0", "L1", "", 2, 2, "2", "UN", "CAJ", "-5", ""},
        {"-1 coeficiente 2 con la misma unidad", -1, "0", "L1", "", 2, 2, "2", "UN", "un", "-2", "2"},
        {"-1 sin lote ni cantidad de ítem", -1, "0", "", "", 1, 0, "1", "", "UN", "-5", ""},
        {"-1 coeficiente vacío, unidades distintas", -1, "0", "", "", 1, 5, "", "", "UN", "-5", ""},
    };
    for (const Caso& c : casos) {
        e->Signo = c.signo;
        e->LoteActual = QString::fromUtf8(c.lote);
        e->SerieActual = QString::fromUtf8(c.serie);
        e->CantItems = c.items;
        const auto l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "5"}, {C::PideTalle, c.talle}, {C::Coeficiente, c.col8},
                              {C::UnidadBase, c.col41}, {C::Unidad, c.col5}},
                             c.item);
        EXPECT_EQ(l["Cantidad"], QString::fromUtf8(c.cantidad)) << c.nombre;
        EXPECT_EQ(Celda(C::CantidadUD), QString::fromUtf8(c.col74)) << c.nombre;
        EXPECT_EQ(e->CantidadItem, 0) << c.nombre;
    }
}

TEST_F(LineaStock_, UnidadesEquivalentesPorElPrimerCasoQueCoincide)
{
    struct Caso {
        const char* nombre;
        bool confirma;
        const char* lote;
        short signo;
        const char* col76;
        const char* col41;
        const char* col74;
        double item;
        const char* cantidadUD;   // nullptr: neither column
        const char* unidadBase;
        const char* col76Despues;
    };
    const Caso casos[] = {
        {"pesable en blanco", false, "", -1, "   ", "KG", "3", 0, "-3", "'KG  '", "   "},
        {"vacío se escribe 0 y no es pesable", false, "", -1, "", "UN", "4", 0, "-4", "'UN  '", "0"},
        {"pesable sin unidad base", false, "", -1, "-1", "", "4", 0, nullptr, nullptr, "-1"},
        {"confirma equivalencia", true, "", -1, "0", "UN", "4", 0, "-7", "'CAJ '", "0"},
        {"unidad base, con lote: la cantidad de la línea", false, "L1", -1, "0", "UN", "4", 2, "-2", "'UN  '", "0"},
        {"unidad base, entrada con 74 en cero", false, "", 1, "0", "UN", "0", 0, "5", "'UN  '", "0"},
        {"unidad base, entrada con 74", false, "", 1, "0", "UN", "8", 0, "8", "'UN  '", "0"},
        {"sin unidad base: columna 7 y unidad de la línea", false, "", -1, "0", "", "4", 0, "-5", "'LT  '", "0"},
    };
    for (const Caso& c : casos) {
        e->ConfirmaUDEquiv = c.confirma;
        e->LoteActual = QString::fromUtf8(c.lote);
        e->Signo = c.signo;
        const auto l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "5"}, {C::PideTalle, "0"}, {C::Unidad, "LT"},
                              {C::Coeficiente, "1"}, {C::UnidadEquiv, " CAJ "}, {C::CantidadEquiv, "7"},
                              {C::Pesable, c.col76}, {C::UnidadBase, c.col41}, {C::CantidadUD, c.col74}},
                             c.item);
        if (c.cantidadUD) {
            EXPECT_EQ(l["CantidadUD"], QString::fromUtf8(c.cantidadUD)) << c.nombre;
            EXPECT_EQ(l["IdUnidadBase"], QString::fromUtf8(c.unidadBase)) << c.nombre;
        } else {
            EXPECT_FALSE(l.tiene("CantidadUD") || l.tiene("IdUnidadBase")) << c.nombre;
        }
        EXPECT_EQ(Celda(C::Pesable), QString::fromUtf8(c.col76Despues)) << c.nombre;
        EXPECT_EQ(Celda(C::UnidadEquiv), QStringLiteral("CAJ ")) << c.nombre;
    }
}

TEST_F(LineaStock_, CuentaDelProveedor)
{
    struct Caso {
        const char* cuenta;
        const char* articulo;
        const char* valor;   // nullptr: no column
    };
    const Caso casos[] = {
        {"pordefault", "KIT01", "'P0002'"},
        {"PorDefault", "MESA01", nullptr},   // the article has none
        {"PORDEFAULT", "NOEXISTE", nullptr},
        {"NULL", "KIT01", nullptr},
        {"", "KIT01", "''"},
        {" C0001 ", "KIT01", "'C0001'"},
    };
    for (const Caso& c : casos) {
        e->Cuenta = QString::fromUtf8(c.cuenta);
        const auto l = Linea({{C::Codigo, c.articulo}, {C::Cantidad, "1"}});
        if (c.valor)
            EXPECT_EQ(l["CuentaProveedor"], QString::fromUtf8(c.valor)) << c.cuenta << " " << c.articulo;
        else
            EXPECT_FALSE(l.tiene("CuentaProveedor")) << c.cuenta << " " << c.articulo;
    }
}

TEST_F(LineaStock_, MotivoCostoEIva)
{
    // The reason of each row, left stripped for the caller.
    e->MotivoPorFila = true;
    mot = QStringLiteral("ELDELGRID");
    EXPECT_EQ(Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::MotivoStock, "TRF"}})["IdMotivoStock"],
              QStringLiteral("'TRF '"));
    EXPECT_EQ(mot, QStringLiteral("TRF "));
    EXPECT_EQ(Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::MotivoStock, ""}})["IdMotivoStock"],
              QStringLiteral("NULL"));
    e->MotivoPorFila = false;
    mot = QStringLiteral("NULL");
    EXPECT_EQ(Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}})["IdMotivoStock"], QStringLiteral("NULL"));

    EXPECT_EQ(Linea({{C::Codigo, "KIT01"}, {C::Cantidad, "1"}, {C::Costo, "0"}})["Costo"], QStringLiteral("12000"));
    EXPECT_EQ(Linea({{C::Codigo, "KIT01"}, {C::Cantidad, "1"}, {C::Costo, "15,5"}})["Costo"], QStringLiteral("15.5"));
    EXPECT_EQ(Linea({{C::Codigo, "NOEXISTE"}, {C::Cantidad, "1"}})["Costo"], QStringLiteral("0"));

    struct Iva {
        const char* col33;
        const char* col16;
        const char* ivari;
    };
    for (const Iva& c : {Iva{"0", "0", "21"}, Iva{"0", "1", "21"}, Iva{"0", "-1", "0"}, Iva{"", "", "21"},
                         Iva{"10,5", "0", "10.5"}}) {
        EXPECT_EQ(Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::TasaIVA, c.col33}, {C::EsExento, c.col16}})["IVARI"],
                  QString::fromUtf8(c.ivari))
            << c.col33 << " " << c.col16;
    }
}

TEST_F(LineaStock_, BultosRedondeadosAlParYDesbordamiento)
{
    auto l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Bultos, "2.5"}, {C::CantKG, "3,5"}, {C::CantM3, "-1.5"}});
    EXPECT_EQ(l["CANT_BL"], QStringLiteral("-2"));
    EXPECT_EQ(l["CANT_KG"], QStringLiteral("-4"));
    EXPECT_EQ(l["CANT_M3"], QStringLiteral("2"));
    EXPECT_EQ(NumeroDeFalla([&] { Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Bultos, "3000000000"}}); }), 6);
    // A cell that is no number, where the line writes the cell: 13.
    EXPECT_EQ(NumeroDeFalla([&] { Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::IdInsercion, "x1"}}); }), 13);
    l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::IdInsercion, ""}, {C::Oferta, " "}, {C::ImportePorUnidad, "2,5"}});
    EXPECT_EQ(l["IDINSERT"], QStringLiteral("0"));
    EXPECT_EQ(l["Oferta"], QStringLiteral("0"));
    EXPECT_EQ(l["Importe_Ud"], QStringLiteral("2.5"));
}

// The amount columns are DECIMAL(18,4): the server refuses a figure of more
// than fourteen whole digits (the currency holds fifteen), so the line fails
// as an overflow on either database instead of being kept only by the embedded one.
TEST_F(LineaStock_, UnImporteMayorQueSuColumnaDesborda)
{
    const auto linea = [&](int columna, const char* importe) {
        return Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {columna, importe}});
    };
    EXPECT_EQ(linea(C::Importe, "99999999999999,9999")["PrecioVenta"], QStringLiteral("99999999999999.9999"));
    EXPECT_EQ(linea(C::Costo, "-99999999999999.9999")["Costo"], QStringLiteral("-99999999999999.9999"));
    for (const int columna : {C::Importe, C::PrecioSinIVA, C::Costo, C::Impuestos, C::PorcDto, C::RecargoIVA, C::TasaIVA}) {
        EXPECT_EQ(NumeroDeFalla([&] { linea(columna, "100000000000000"); }), 6) << columna;
        EXPECT_EQ(NumeroDeFalla([&] { linea(columna, "-123456789012345.5"); }), 6) << columna;
    }
    // The cells written as typed into the same kind of column.
    EXPECT_EQ(linea(C::ImportePorUnidad, "99999999999999,99995")["Importe_Ud"], QStringLiteral("99999999999999.99995"));
    for (const int columna : {C::ImportePorUnidad, C::IdInsercion, C::IdComparacionPrecio})
        EXPECT_EQ(NumeroDeFalla([&] { linea(columna, "-100000000000000"); }), 6) << columna;
}

TEST_F(LineaStock_, ComodatoQuedaMarcado)
{
    EXPECT_FALSE(e->EnComodato);
    Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::EnComodato, "2"}});
    EXPECT_FALSE(e->EnComodato);
    auto l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::EnComodato, "1"}});
    EXPECT_EQ(l["EnComodato"], QStringLiteral("1"));
    EXPECT_TRUE(e->EnComodato);
    Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::EnComodato, "0"}});
    EXPECT_TRUE(e->EnComodato);
}

TEST_F(LineaStock_, ColumnasCondicionales)
{
    auto l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}});
    EXPECT_EQ(l["IdComplemento"], QStringLiteral("0"));
    EXPECT_EQ(l["IdCaja"], QStringLiteral("'1   '"));
    EXPECT_FALSE(l.tiene("IdOrigen"));
    EXPECT_FALSE(l.tiene("IDDEPOSITO_DESTINO"));
    EXPECT_FALSE(l.tiene("IdTecnico"));   // "Null"
    EXPECT_EQ(l["UNEGOCIO"], QStringLiteral("'   1'"));
    EXPECT_EQ(l["Tc_Origen"], QStringLiteral("NULL"));
    EXPECT_EQ(l["IdComprobante_Origen"], QStringLiteral("NULL"));

    e->EsCompras = true;
    e->IdTecnico = QStringLiteral("T1");
    gCaja = QStringLiteral("1'2");
    e->LoteOrigen = QStringLiteral("CL");
    l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}});
    EXPECT_FALSE(l.tiene("IdComplemento"));
    EXPECT_EQ(l["IdCaja"], QStringLiteral("'12  '"));
    EXPECT_EQ(gCaja, QStringLiteral("12"));
    EXPECT_EQ(l["IdTecnico"], QStringLiteral("'T1  '"));
    EXPECT_EQ(l["IdOrigen"], QStringLiteral("'CL  '"));
    l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::LoteOrigen, "AR"}});
    EXPECT_EQ(l["IdOrigen"], QStringLiteral("'AR  '"));

    e->EsCompras = false;
    e->IdComplemento = QStringLiteral("abc");
    e->IdTecnico = QStringLiteral("null");
    gCaja = QStringLiteral("  ");
    gUnegocio = QStringLiteral("null");
    e->LoteOrigen.clear();
    l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}});
    EXPECT_EQ(l["IdComplemento"], QStringLiteral("NULL"));
    EXPECT_FALSE(l.tiene("IdCaja"));
    EXPECT_FALSE(l.tiene("IdTecnico"));
    EXPECT_EQ(l["UNEGOCIO"], QStringLiteral("NULL"));
    EXPECT_EQ(l.nombres.size(), 38 + 3);   // IdComplemento and the unit pair

    // The origin of each row: type and voucher from column 34.
    e->TcOrigenPorFila = e->CpteOrigenPorFila = true;
    l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::CpteOrigen, "OC  000100000003X"}});
    EXPECT_EQ(l["Tc_Origen"], QStringLiteral("'OC'"));
    EXPECT_EQ(l["IdComprobante_Origen"], QStringLiteral("'000100000003X'"));
    EXPECT_EQ(tcOri, QStringLiteral("OC"));
    EXPECT_EQ(cpteOri, QStringLiteral("'000100000003X'"));
}

TEST_F(LineaStock_, DevolucionesALaGrillaYTextosLargos)
{
    e->Signo = -1;
    e->LoteActual = QStringLiteral("L1");
    auto l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "5"}, {C::Coeficiente, ""}, {C::Unidad, "UN"},
                    {C::UnidadBase, "UN"}, {C::UnidadEquiv, "un"}},
                   2);
    // 74 from the item; 8 empty becomes 1, read by EQUIV_UDBASE; 9 fitted.
    EXPECT_EQ(Celda(C::CantidadUD), QStringLiteral("2"));
    EXPECT_EQ(Celda(C::Coeficiente), QStringLiteral("1"));
    EXPECT_EQ(l["EQUIV_UDBASE"], QStringLiteral("1"));
    EXPECT_EQ(Celda(C::UnidadEquiv), QStringLiteral("un  "));
    // Column 8 was still empty when Cantidad was decided: not 1, units equal, so the item.
    EXPECT_EQ(l["Cantidad"], QStringLiteral("-2"));

    const QString largo = QStringLiteral("Mesa 'A'") + QString(112, u'x');
    g.setRows(1);
    e->Fila = AgregaFila(g, {{C::Codigo, "MESA01"}, {C::Cantidad, "1"}});
    g.setTextMatrix(e->Fila, C::Descripcion, largo);
    e->LoteActual = QStringLiteral("LOTE-") + QString(25, u'9');
    e->SerieActual = QStringLiteral(" SERIE-") + QString(23, u'8') + QStringLiteral("  ");
    l = LeeInsert(LineStock());
    EXPECT_EQ(l["Descripcion"], u'\'' + QStringLiteral("Mesa A") + QString(92, u'x') + u'\'');
    EXPECT_EQ(l["NroLote"], u'\'' + (QStringLiteral("LOTE-") + QString(20, u'9')) + u'\'');
    EXPECT_EQ(l["NroSerie"], u'\'' + (QStringLiteral(" SERIE-") + QString(18, u'8')) + u'\'');

    // An automatic lot keeps its leading blank; empty lot and serial are NULL.
    e->LoteActual = ClsCmnCptes::LoteAutomaticoGuardado(QStringLiteral("11"));
    e->SerieActual = QStringLiteral("  ");
    l = LeeInsert(LineStock());
    EXPECT_EQ(l["NroLote"], QStringLiteral("' 11'"));
    EXPECT_EQ(l["NroSerie"], QStringLiteral("NULL"));
    e->LoteActual.clear();
    EXPECT_EQ(LeeInsert(LineStock())["NroLote"], QStringLiteral("NULL"));
}

TEST_F(LineaStock_, TextoDeUnaTransferenciaYLoQueGuarda)
{
    e->TC = QStringLiteral("TR");
    e->SucNroLetra = QStringLiteral("000100000012X");
    e->IdComplemento = QStringLiteral("3");
    e->EsTransferencia = true;
    e->Pasada = 2;
    e->Signo = 1;
    e->Secuencia = 4;
    e->IdTecnico = QStringLiteral("T1");
    e->IdVendedor = QStringLiteral("V01");
    e->Aduana = QStringLiteral("DESP-1");
    e->LoteOrigen = QStringLiteral("AR");
    e->Cuenta = QStringLiteral("PorDefault");
    e->ArtCotizacion = Moneda::DesdeDiezmilesimos(12500);
    e->LoteActual = QStringLiteral("L2602");
    e->CantItems = 1;
    dest = QStringLiteral("'2   '");
    mot = QStringLiteral("'TRF '");
    tcOri = QStringLiteral("'OC  '");
    cpteOri = QStringLiteral("'000100000003X'");
    Linea({{C::Codigo, "BARN01"}, {C::Descripcion, "Barniz poliuretánico"}, {C::Posicion, "A-01-02"},
           {C::Unidad, "LT"}, {C::Deposito, "1"}, {C::Cantidad, "3"}, {C::Coeficiente, "1"}, {C::PorcDto, "5"},
           {C::UnidadPrecio, "LT"}, {C::ImportePorUnidad, "7800"}, {C::Importe, "7800"}, {C::EsExento, "0"},
           {C::PrecioSinIVA, "7800"}, {C::PideTalle, "0"}, {C::TasaIVA, "21"}, {C::IdCpteOrigen, "2"},
           {C::LoteAduana, ""}, {C::Costo, "0"}, {C::Impuestos, "10"}, {C::UnidadBase, "LT"}, {C::RecargoIVA, "0"},
           {C::Bultos, "1"}, {C::CantidadUD, "3"}, {C::Pesable, "0"}, {C::IdInsercion, "77"}, {C::EnComodato, "0"},
           {C::ITC, "2,5"}},
          3);
    const QString esperado = QStringLiteral(
        "INSERT INTO V_MV_STOCK(TC,IdComprobante,IdComplemento,Secuencia,Fecha,IdCaja,IdDeposito,IDDEPOSITO_DESTINO,"
        "IdPosicion,IdArticulo,Descripcion,NroLote,ControladoPor,IdOrigen,NroSerie,IdUnidad,Cantidad,CantidadUD,"
        "IdUnidadBase,CuentaProveedor,IdMotivoStock,PrecioVenta,Importe_S_Iva,Costo,Impuestos,DtoItem,Tc_Origen,"
        "IdComprobante_Origen,Id_Origen,IVARI,IVARNI,IdTecnico,EQUIV_UDBASE,IDINSERT,IDCOMPULSA,Oferta,IdVendedor,"
        "Importe_Ud,Ud_Pr,UNEGOCIO,ARTMONEDA,ARTCOTIZACION,EnComodato,CANT_BL,CANT_KG,CANT_M3) VALUES "
        "('TR  ','000100000012X',3,4,'10/12/26','1   ','2   ','1   ','A-01-02','BARN01                   ',"
        "'Barniz poliuretánico','L2602','DESP-1','AR  ',NULL,'LT  ',3,3,'LT  ','P0003','TRF ',7800,7800,7800,12.5,5,"
        "'OC  ','000100000003X',2,21,0,'T1  ',1,77,0,0,'V01',7800,'LT  ','   1','   1',1.25,0,1,0,0)");
    EXPECT_EQ(sentencia.toStdString(), esperado.toStdString());
    EXPECT_EQ(LeeInsert(sentencia).nombres.size(), 46);

    SesionBD& bd = s.bd.Sesion();
    bd.Ejecuta(sentencia);
    const QStringList fila = s.bd.Filas(QStringLiteral(
        "SELECT TC,IdComprobante,IdComplemento,Secuencia,Fecha,IdCaja,IdDeposito,IDDEPOSITO_DESTINO,IdPosicion,"
        "IdArticulo,Descripcion,NroLote,ControladoPor,IdOrigen,NroSerie,IdUnidad,Cantidad,CantidadUD,IdUnidadBase,"
        "CuentaProveedor,IdMotivoStock,PrecioVenta,Importe_S_Iva,Costo,Impuestos,DtoItem,Tc_Origen,"
        "IdComprobante_Origen,Id_Origen,IVARI,IVARNI,IdTecnico,EQUIV_UDBASE,IDINSERT,IDCOMPULSA,Oferta,IdVendedor,"
        "Importe_Ud,Ud_Pr,UNEGOCIO,ARTMONEDA,ARTCOTIZACION,EnComodato,CANT_BL,CANT_KG,CANT_M3 FROM V_MV_STOCK "
        "WHERE TC = 'TR'"));
    ASSERT_EQ(fila.size(), 1);
    const QStringList v = fila[0].split(u'|');
    ASSERT_EQ(v.size(), 46);
    EXPECT_EQ(v[0].trimmed(), QStringLiteral("TR"));
    EXPECT_EQ(v[2], QStringLiteral("3"));
    EXPECT_TRUE(v[4].startsWith(QStringLiteral("10/12/2026"))) << v[4].toStdString();
    EXPECT_EQ(v[7].trimmed(), QStringLiteral("1"));
    EXPECT_EQ(v[10], QStringLiteral("Barniz poliuretánico"));
    EXPECT_EQ(v[14], QStringLiteral("NULL"));   // NroSerie
    EXPECT_EQ(v[16], QStringLiteral("3"));
    EXPECT_EQ(v[19], QStringLiteral("P0003"));
    EXPECT_EQ(v[24], QStringLiteral("12.5"));
    EXPECT_EQ(v[36], QStringLiteral("V01"));
    EXPECT_EQ(v[39], QStringLiteral("   1"));
    EXPECT_EQ(v[41], QStringLiteral("1.25"));
    EXPECT_EQ(v[43], QStringLiteral("1"));
}

TEST_F(LineaStock_, TextosHostilesSeGuardanComoSeEscribieron)
{
    const QString antes = s.bd.Filas(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK")).value(0);
    e->IdComplemento = QStringLiteral("1;DELETE V_MV_STOCK");
    e->IdVendedor = QStringLiteral("V'1");
    e->Cuenta = QStringLiteral("P'1");
    e->IdTecnico = QStringLiteral("T'1");
    e->Aduana = QStringLiteral("A'B");
    e->ArtMoneda = QStringLiteral("U'S");
    e->LoteActual = QStringLiteral("L'1");
    e->SerieActual = QStringLiteral("S'1");
    e->CpteOrigenPorFila = true;
    e->fecha = QStringLiteral("10/12/26'");
    Linea({{C::Codigo, "MESA'01"}, {C::Descripcion, "Mesa 'A'"}, {C::Posicion, "A'1"}, {C::Unidad, "U'N"},
           {C::UnidadPrecio, "U'N"}, {C::ControladoPor, "Ana'); DELETE V_MV_STOCK --"}, {C::Cantidad, "1"},
           {C::Deposito, "1'"}, {C::CpteOrigen, "OC  0001'0000003X"}, {C::UnidadBase, "K'G"}, {C::LoteOrigen, "A'R"}});
    SesionBD& bd = s.bd.Sesion();
    bd.Ejecuta(sentencia);
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK")).value(0).toInt(), antes.toInt() + 1);
    // The demo's delivery notes on a trip are not the line written here.
    const QStringList fila = s.bd.Filas(QStringLiteral(
        "SELECT IdComplemento,IdVendedor,CuentaProveedor,IdTecnico,ControladoPor,ARTMONEDA,NroLote,NroSerie,"
        "TRIM(IdArticulo),Descripcion,IdPosicion,TRIM(IdUnidad),TRIM(Ud_Pr),TRIM(IdDeposito),IdComprobante_Origen,"
        "TRIM(IdUnidadBase),TRIM(IdOrigen) FROM V_MV_STOCK WHERE TC = 'RM' AND IDVIAJE IS NULL"));
    ASSERT_EQ(fila.size(), 1);
    EXPECT_EQ(fila[0], QStringLiteral("NULL|V'1|P'1|T'1 |Ana'); DELETE V_MV_STOCK --|U'S |L'1|S'1|MESA'01|Mesa A|A1|U'N|U'N|1'|"
                                      "0001'0000003X|K'G|A'R"));
}

// Only blanks are trimmed: a tab, CR or LF that ends a code or a text of the
// grid or of the call is written with it; a number cell still reads as its
// number.
TEST_F(LineaStock_, SoloLosBlancosSeRecortan)
{
    struct Caso {
        const char* nombre;
        int columna;
        const char* celda;
        std::function<void()> prepara;
        const char* campo;
        const char* valor;
    };
    const Caso casos[] = {
        {"posición con tabulador", C::Posicion, " A-01\t ", nullptr, "IdPosicion", "'A-01\t'"},
        {"controlado por con CR LF", C::ControladoPor, "Ana\r\n", nullptr, "ControladoPor", "'Ana\r\n'"},
        {"referencia aduanera con CR", C::LoteAduana, "DESP-1\r", nullptr, "ControladoPor", "'DESP-1\r'"},
        {"unidad con tabulador", C::Unidad, "UN\t", nullptr, "IdUnidad", "'UN\t '"},
        {"depósito de la fila con tabulador", C::Deposito, "2\t", nullptr, "IdDeposito", "'2\t  '"},
        {"origen del lote con CR", C::LoteOrigen, " AR\r ", nullptr, "IdOrigen", "'AR\r '"},
        {"lote con tabulador", C::Codigo, "MESA01", [&] { e->LoteActual = QStringLiteral("L1\t   "); }, "NroLote", "'L1\t'"},
        {"serie con CR", C::Codigo, "MESA01", [&] { e->SerieActual = QStringLiteral("  S1\r "); }, "NroSerie", "'S1\r'"},
        {"lote de sólo un tabulador", C::Codigo, "MESA01", [&] { e->LoteActual = QStringLiteral("\t"); }, "NroLote", "'\t'"},
        {"cuenta con tabulador", C::Codigo, "MESA01", [&] { e->Cuenta = QStringLiteral(" C0001\t"); }, "CuentaProveedor",
         "'C0001\t'"},
        {"aduana con LF", C::Codigo, "MESA01", [&] { e->Aduana = QStringLiteral("DESP-2\n "); }, "ControladoPor", "'DESP-2\n'"},
        {"unidad de negocio con tabulador", C::Codigo, "MESA01", [&] { gUnegocio = QStringLiteral("   1\t "); }, "UNEGOCIO",
         "'   1\t'"},
        {"precio con CR", C::Importe, "7800\r", nullptr, "PrecioVenta", "7800"},
        {"coeficiente con CR LF", C::Coeficiente, "2\r\n", nullptr, "EQUIV_UDBASE", "2"},
        {"bultos con CR", C::Bultos, "3\r", nullptr, "CANT_BL", "-3"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        e->LoteActual.clear();
        e->SerieActual.clear();
        e->Cuenta = QStringLiteral("PorDefault");
        e->Aduana.clear();
        gUnegocio = QStringLiteral("   1");
        if (c.prepara)
            c.prepara();
        const auto l = Linea({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {c.columna, c.celda}});
        EXPECT_EQ(l[c.campo], QString::fromUtf8(c.valor));
    }
}
