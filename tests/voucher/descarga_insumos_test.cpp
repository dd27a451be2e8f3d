// The supplies of compound articles consumed under a stock voucher "PE": the
// cases one by one, the numbering in both modes, two postings of the demo
// workshop end to end at once and deferred, and all or nothing with a failure
// at every writing statement.
#include "comprobantes_prueba.h"
#include "linea_stock_prueba.h"
#include "posteo_prueba.h"
#include "lots/listas_pipe.h"
#include "support/avisos_grabados.h"
#include "support/disco_con_fallas.h"
#include "voucher/ClsCmnCptes.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <iostream>
#include <memory>
#include <tuple>

namespace {

using namespace ModGlobal;
namespace C = ColArticulos;

// Compound articles and supplies of the cases, beside the demo's kit.
const char* const ArticulosDePrueba =
    "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdUnidad, UD_STOCK, Costo, CuentaProveedor, PROCEDENCIA) VALUES "
    "('CMP1', 'Compuesto de medio', 'UN', 'UN', 100, 'P0002', 'REVENTA'),"
    "('CMP2', 'Compuesto por ciento', 'KG', 'KG', 100, 'P0001', 'REVENTA'),"
    "('CMP3', 'Compuesto con lotes', 'UN', 'UN', 100, NULL, 'REVENTA'),"
    "('CMP4', 'Compuesto con faltante', 'UN', 'UN', 100, NULL, 'REVENTA'),"
    "('CMP5', 'Compuesto en otras unidades', 'UN', 'UN', 100, NULL, 'REVENTA'),"
    "('CMP6', 'Compuesto de lote automático', 'UN', 'UN', 100, NULL, 'REVENTA'),"
    "('CMP7', 'Compuesto de tuercas', 'UN', 'UN', 100, NULL, 'REVENTA'),"
    "('TUER1', 'Tuerca D''Angelo de bronce', 'UN', 'UN', 5, NULL, NULL),"
    "('LOTE1', 'Insumo en dos lotes', 'UN', 'UN', 10, 'P0001', NULL),"
    "('LOTE2', 'Insumo en un lote', 'UN', 'UN', 20, 'P0001', NULL),"
    "('LOTE3', 'Insumo de lote automático', 'UN', 'UN', 30, 'P0001', NULL),"
    "('GRAM1', 'Insumo por mil', 'GR', 'GR', 1, NULL, NULL),"
    "('DOCE1', 'Insumo por docena', 'DOC', 'DOC', 12, NULL, NULL);"
    "INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) VALUES "
    "('CMP1', 'BISA01', 'UN', 0.5), ('CMP2', 'COLA01', 'KG', 40),"
    "('CMP3', 'LOTE1', 'UN', 10), ('CMP3', 'LOTE2', 'UN', 10),"
    "('CMP4', 'NOEXISTE', 'UN', 1), ('CMP4', 'BISA01', 'UN', 1), ('CMP4', '*', 'UN', 1),"
    "('CMP5', 'GRAM1', 'GR', 2), ('CMP5', 'DOCE1', 'DOC', 3), ('CMP5', 'BISA01', 'UN', 1),"
    "('CMP6', 'LOTE3', 'UN', 1), ('CMP7', 'TUER1', 'UN', 4);"
    "INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) VALUES "
    "('GRAM1', 'GR', 'UN', 1000), ('DOCE1', 'UN', 'DOC', 12);"
    "INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, CANTIDAD) VALUES "
    "('LOTE1', '1', 'LA', 6), ('LOTE1', '1', 'LB', 8), ('LOTE1', '2', 'LZ', 50), ('LOTE2', '1', 'LC', 7),"
    "('LOTE3', '1', ' 7', 5)";

// The demo workshop with the program's session on it, a voucher class and an article grid.
class Taller {
public:
    Taller()
    {
        Ajuste(s, QStringLiteral("PIVA"), QStringLiteral("21"));
        clase = std::make_unique<ClsCmnCptes>();
        NuevaGrilla();
    }
    SesionBD& bd() { return s.bd.Sesion(); }
    void NuevaGrilla()
    {
        g.setRows(1);
        g.setCols(C::Cantidad_Columnas);
    }
    int Fila(CeldasFila celdas) { return AgregaFila(g, celdas); }
    void Postea(Llamada& l) { ::Postea(*clase, g, l); }
    QStringList Filas(const QString& sql) { return s.bd.Filas(sql); }
    // The "PE" lines by article: "article|depot|Cantidad|[lot]|CantidadUD|equiv_udbase".
    QStringList LineasPE()
    {
        return Filas(QStringLiteral("SELECT TRIM(IdArticulo), TRIM(IdDeposito), Cantidad, COALESCE('[' || NroLote || ']', 'NULL'), "
                                    "CantidadUD, EQUIV_UDBASE FROM V_MV_STOCK WHERE TC = 'PE' ORDER BY TRIM(IdArticulo), Secuencia"));
    }
    QStringList Columna(const char* expresion)
    {
        return Filas(QStringLiteral("SELECT %1 FROM V_MV_STOCK WHERE TC = 'PE' ORDER BY Secuencia").arg(QLatin1String(expresion)));
    }
    QString LibroPE() { return Filas(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'PE'")).value(0); }
    // What a posting may write, as it stands.
    QStringList Estado()
    {
        return Filas(QStringLiteral("SELECT * FROM V_MV_STOCK ORDER BY Id")) + Filas(QStringLiteral("SELECT * FROM MV_ASIENTOS ORDER BY Id")) +
               Filas(QStringLiteral("SELECT * FROM V_TA_CPTE ORDER BY CODIGO, TALONARIO")) +
               Filas(QStringLiteral("SELECT * FROM V_MV_CTROL_CPTE ORDER BY TC, NUMERO"));
    }
    // Debit and credit of the entry of a voucher.
    QStringList Asientos(const char* tc)
    {
        return Filas(QStringLiteral("SELECT Cuenta, [DEBE-HABER], SUM(Importe) FROM MV_ASIENTOS WHERE TC = '%1' AND NUMERO = '00000001' "
                                    "GROUP BY Cuenta, [DEBE-HABER] ORDER BY Cuenta, [DEBE-HABER]")
                         .arg(QLatin1String(tc)));
    }
    // A deferred batch run as the caller runs it, in one transaction.
    bool CorreLote(const QString& lote)
    {
        bool hayError = false;
        long numero = 0;
        QString ejecutado, error;
        GActualizarDatoScript({lote}, hayError, numero, false, false, ejecutado, error, false);
        return !hayError;
    }

    SesionGlobal s{BasePrueba::ConDemo};
    std::unique_ptr<ClsCmnCptes> clase;
    Grilla g;
};

class DescargaInsumos_ : public ::testing::Test {
protected:
    void SetUp() override { FijaSesionDePosteo(QDate(2026, 3, 16), QStringLiteral("1")); }
    void TearDown() override { LimpiaSesionDePosteo(); }
    std::unique_ptr<Taller> NuevoTaller()
    {
        auto t = std::make_unique<Taller>();
        t->bd().Ejecuta(QString::fromUtf8(ArticulosDePrueba));
        return t;
    }

    // The grid posted at once, or deferred with its batch run by the caller.
    std::unique_ptr<Taller> PosteaEnModo(const std::function<void(Taller&, Llamada&)>& grilla, bool diferido)
    {
        auto t = NuevoTaller();
        Llamada l;
        grilla(*t, l);
        l.GeneraSentenciaSQL = diferido;
        t->Postea(l);
        EXPECT_FALSE(l.HayError);
        if (diferido) {
            EXPECT_TRUE(t->CorreLote(l.SQLTemp));
        }
        return t;
    }

    AvisosGrabados avisos;
};

// A row as the voucher screens leave it: marks "0" unless given, column 8
// "1" and the base unit the row's.
int FilaConMarcas(Taller& t, CeldasFila celdas)
{
    const int f = t.Fila(celdas);
    for (int c : {C::EsExento, C::PideSerie, C::PideLote, C::Perecedero, C::PideTalle, C::InsumosPorPorcentaje, C::Pesable,
                  C::EnComodato})
        if (t.g.TextMatrix(f, c).isEmpty())
            t.g.setTextMatrix(f, c, QStringLiteral("0"));
    t.g.setTextMatrix(f, C::Coeficiente, QStringLiteral("1"));
    t.g.setTextMatrix(f, C::UnidadBase, t.g.TextMatrix(f, C::Unidad));
    return f;
}

// Posting A of the demo: a remito at once of a chair, varnish by lot, a
// serial-numbered tool and the kit.
void GrillaA(Taller& t, Llamada& l)
{
    const QString chr255(ListasPipe::Chr255);
    l.SucNroLetra = QStringLiteral("000100000001X");
    l.fecha = QStringLiteral("16/03/2026");
    const auto fila = [&](CeldasFila celdas) { return FilaConMarcas(t, celdas); };
    fila({{C::Codigo, "SILLA01"}, {C::Unidad, "UN"}, {C::Cantidad, "4"}, {C::Costo, "21000"}});
    fila({{C::Codigo, "BARN01"}, {C::Unidad, "LT"}, {C::Cantidad, "5"}, {C::Costo, "7800"}, {C::PideLote, "-1"},
          {C::NroLote, "|L2601|L2602|"}, {C::NroSerie, "|3|2|"}});
    const int f = fila({{C::Codigo, "ATORN01"}, {C::Unidad, "UN"}, {C::Cantidad, "2"}, {C::Costo, "65000"},
                        {C::PideSerie, "-1"}, {C::NroSerie, "|1|1|"}});
    t.g.setTextMatrix(f, C::NroLote, u'|' + chr255 + QStringLiteral("SN-1001|") + chr255 + QStringLiteral("SN-1002|"));
    fila({{C::Codigo, "KIT01"}, {C::Unidad, "UN"}, {C::Cantidad, "2"}, {C::Costo, "12000"}});
}

// Posting B: a transfer from depot 1 to 2 of screws by the box and the kit.
void GrillaB(Taller& t, Llamada& l)
{
    l.TC = QStringLiteral("TR");
    l.SucNroLetra = QStringLiteral("000100000001X");
    l.fecha = QStringLiteral("16/03/2026");
    l.IdDepositoDestino = QStringLiteral("2");
    l.IdMotivoStock = QStringLiteral("TRF");
    l.EsTransferencia = true;
    for (const auto& [codigo, unidad, cantidad, costo] :
         {std::tuple{"TORN01", "CAJ", "3", "3200"}, std::tuple{"KIT01", "UN", "1", "12000"}}) {
        FilaConMarcas(t, {{C::Codigo, codigo}, {C::Unidad, unidad}, {C::Cantidad, cantidad}, {C::Costo, costo}});
    }
}

}  // namespace

TEST_F(DescargaInsumos_, Casos)
{
    struct Caso {
        const char* nombre;
        std::function<void(Taller&, Llamada&)> prepara;
        QStringList lineas;
        std::function<void(Taller&, const Llamada&)> comprueba = nullptr;
    };
    const auto kit = [](Taller& t, const char* cantidad) { t.Fila({{C::Codigo, "KIT01"}, {C::Unidad, "UN"}, {C::Cantidad, cantidad}}); };
    const auto tipo = [](const char* tc) {
        return [tc](Taller& t, Llamada& l) {
            l.TC = QString::fromLatin1(tc);
            t.Fila({{C::Codigo, "KIT01"}, {C::Unidad, "UN"}, {C::Cantidad, "2"}, {C::CantidadInsumo, "0"}});
        };
    };
    const auto ajuste = [&](const char* clave) {
        return [&kit, clave](Taller& t, Llamada&) {
            Ajuste(t.s, QString::fromLatin1(clave), QStringLiteral("si"));
            kit(t, "2");
        };
    };
    const auto columna = [](Taller& t, const char* expresion, const QStringList& esperado, const char* nombre) {
        EXPECT_EQ(t.Columna(expresion), esperado) << nombre << " " << expresion;
    };
    const std::vector<Caso> casos = {
        {"OP", tipo("OP"), {}},
        {"SPL", tipo("SPL"), {}},
        {"AJP", tipo("AJP"), {}},
        {"AJN", tipo("AJN"), {}},
        {"DescargaInsumosProduccion", ajuste("DescargaInsumosProduccion"), {}},
        {"CargaInsumosProduccion", ajuste("CargaInsumosProduccion"), {}},
        {"columna 7 en 0 o sin código",
         [](Taller& t, Llamada&) {
             t.Fila({{C::Codigo, "KIT01"}, {C::Cantidad, "0"}, {C::Bultos, "2"}});
             t.Fila({{C::Codigo, "  "}, {C::Cantidad, "2"}});
         },
         {}},
        {"fila negativa: los insumos vuelven",
         [&](Taller& t, Llamada&) { kit(t, "-2"); },
         {"*|1|2|NULL|2|1", "BARN01|1|0.5|[L2601]|0.5|0", "BISA01|1|12|NULL|12|1", "TORN01|1|1|NULL|100|100"},
         [&](Taller& t, const Llamada&) {
             columna(t, "Secuencia", {"1", "2", "3", "4"}, "negativa");
             EXPECT_EQ(t.Filas("SELECT Descripcion, CuentaProveedor, Costo FROM V_MV_STOCK WHERE TC = 'PE' AND IdArticulo = '*'"),
                       QStringList{"Instructivo de armado|NULL|0"})
                 << "free text: no look-up";
         }},
        {"10 x 0,5 con signo -1",
         [](Taller& t, Llamada&) { t.Fila({{C::Codigo, "CMP1"}, {C::Unidad, "UN"}, {C::Cantidad, "10"}}); },
         {"BISA01|1|-5|NULL|-5|1"},
         [&](Taller& t, const Llamada& l) {
             columna(t, "PrecioVenta || '|' || Importe_S_Iva || '|' || TC_ORIGEN || '|' || IDCOMPROBANTE_ORIGEN || '|' || ControladoPor "
                        "|| '|' || CuentaProveedor || '|' || IdUnidad || '|' || IdUnidadBase || '|' || IdMotivoStock || '|' || Costo",
                     {"0|0|RM  |" + l.SucNroLetra + "|CMP1|P0002|UN  |UN  |VTA |850"}, "10 x 0,5");
         }},
        {"porcentajes 200, 150 en la columna 74, 40 por ciento",
         [](Taller& t, Llamada&) {
             // Sold by the unit, stocked by weight: the line keeps column 74 as it is.
             t.Fila({{C::Codigo, "CMP2"}, {C::Descripcion, "Compuesto por ciento"}, {C::Unidad, "UN"}, {C::UnidadBase, "KG"},
                     {C::Coeficiente, "0.75"}, {C::Cantidad, "200"}, {C::CantidadUD, "150"}, {C::InsumosPorPorcentaje, "SI"},
                     {C::Costo, "77"}});
         },
         {"CMP2|1|-150|NULL|-200|0.75", "COLA01|1|-60|NULL|-60|0"},
         [&](Taller& t, const Llamada&) {
             columna(t, "Secuencia || '|' || TRIM(IdArticulo) || '|' || CuentaProveedor || '|' || Costo",
                     {"1|CMP2|P0001|77", "2|COLA01|P0001|4100"}, "porcentajes: the row's account for both");
         }},
        {"lotes del depósito de la fila: 6 y 8 para 10, 7 para 10",
         [](Taller& t, Llamada&) { t.Fila({{C::Codigo, "CMP3"}, {C::Unidad, "UN"}, {C::Cantidad, "1"}}); },
         {"LOTE1|1|-6|[LA]|-6|1", "LOTE1|1|-4|[LB]|-4|1", "LOTE2|1|-7|[LC]|-7|1", "LOTE2|1|-3|NULL|-3|1"}},
        {"la misma fila en el depósito 2",
         [](Taller& t, Llamada&) { t.Fila({{C::Codigo, "CMP3"}, {C::Unidad, "UN"}, {C::Cantidad, "1"}, {C::Deposito, "2"}}); },
         {"LOTE1|2|-10|[LZ]|-10|1", "LOTE2|2|-10|NULL|-10|1"}},
        {"unidades: iguales, '/' por mil, '*' por docena",
         [](Taller& t, Llamada&) { t.Fila({{C::Codigo, "CMP5"}, {C::Unidad, "UN"}, {C::Cantidad, "1"}}); },
         {"BISA01|1|-1|NULL|-1|1", "DOCE1|1|-3|NULL|-0.25|12", "GRAM1|1|-2|NULL|-2000|1000"},
         [](Taller& t, const Llamada&) {
             EXPECT_FALSE(t.s.Enviado().join(u'\n').contains(QStringLiteral("S_TA_EQUIV  with(nolock)  WHERE IdArticulo = 'BISA01")))
                 << "equal units ask for no equivalence";
         }},
        {"un artículo de PRODUCCION, un insumo que no existe; '*' solo sin texto",
         [&](Taller& t, Llamada&) {
             kit(t, "1");
             t.Fila({{C::Codigo, "MESA01"}, {C::Unidad, "UN"}, {C::Cantidad, "1"}});
             t.Fila({{C::Codigo, "CMP4"}, {C::Unidad, "UN"}, {C::Cantidad, "1"}});
         },
         {"*|1|-1|NULL|-1|1", "*|1|-1|NULL|-1|1", "BARN01|1|-0.25|[L2601]|-0.25|0", "BISA01|1|-6|NULL|-6|1",
          "BISA01|1|-1|NULL|-1|1", "TORN01|1|-0.5|NULL|-50|100"},
         [&](Taller& t, const Llamada&) {
             EXPECT_EQ(t.Filas("SELECT TRIM(ControladoPor), Descripcion FROM V_MV_STOCK WHERE TC = 'PE' AND IdArticulo = '*' "
                               "ORDER BY Secuencia"),
                       QStringList({"KIT01|Instructivo de armado", "CMP4|"}));
             columna(t, "DISTINCT IdComprobante", {"000100000001X"}, "one number for both rows");
         }},
        {"motivo y origen de cada fila",
         [](Taller& t, Llamada& l) {
             l.IdMotivoStock = QStringLiteral("ELDELGRID");
             l.TcOrigen = QStringLiteral("ELDELGRID");
             l.ComprobanteOrigen = QStringLiteral("ELDELGRID");
             t.Fila({{C::Codigo, "CMP1"}, {C::Unidad, "UN"}, {C::Cantidad, "2"}, {C::MotivoStock, "TRF"},
                     {C::CpteOrigen, "NP  000100000012X"}});
         },
         {"BISA01|1|-1|NULL|-1|1"},
         [&](Taller& t, const Llamada& l) {
             columna(t, "IdMotivoStock || '|' || TC_ORIGEN || '|' || IDCOMPROBANTE_ORIGEN", {"TRF |RM  |000100009001X"},
                     "the row's reason; the origin is the posted voucher");
             EXPECT_EQ(l.TcOrigen, QStringLiteral("NP")) << "the caller still reads the row's origin type";
         }},
        {"la descripción del insumo cortada al largo de la clase",
         [](Taller& t, Llamada&) {
             t.clase->gLenDesc = 10;
             t.Fila({{C::Codigo, "CMP7"}, {C::Unidad, "UN"}, {C::Cantidad, "1"}});
         },
         {"TUER1|1|-4|NULL|-4|1"},
         [&](Taller& t, const Llamada&) { columna(t, "Descripcion", {"Tuerca DA"}, "gLenDesc"); }},
        {"sólo los blancos se recortan: CR LF en las descripciones, CR en las cantidades",
         [](Taller& t, Llamada&) {
             t.bd().Ejecuta(QStringLiteral("UPDATE V_MA_ARTICULOS SET Descripcion = 'Tuerca' || char(13) || char(10) "
                                           "WHERE IDARTICULO = 'TUER1'"));
             t.Fila({{C::Codigo, "CMP7 "}, {C::Unidad, "UN"}, {C::Cantidad, "2\r"}});
             t.Fila({{C::Codigo, "CMP2"}, {C::Descripcion, " Compuesto\t"}, {C::Unidad, "UN "}, {C::UnidadBase, "KG"},
                     {C::Coeficiente, "0.75\r\n"}, {C::Cantidad, "200"}, {C::CantidadUD, "150\r"},
                     {C::InsumosPorPorcentaje, "SI"}});
         },
         {"CMP2|1|-150|NULL|-200|0.75", "COLA01|1|-60|NULL|-60|0", "TUER1|1|-8|NULL|-8|1"},
         [&](Taller& t, const Llamada&) {
             columna(t, "TRIM(IdArticulo) || '|' || Descripcion", {"TUER1|Tuerca\r\n", "CMP2|Compuesto\t", "COLA01|Cola vinílica"},
                     "blanks only");
         }},
        {"lote automático ' 7'",
         [](Taller& t, Llamada&) { t.Fila({{C::Codigo, "CMP6"}, {C::Unidad, "UN"}, {C::Cantidad, "1"}}); },
         {"LOTE3|1|-1|[ 7]|-1|1"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        auto t = NuevoTaller();
        Llamada l;
        l.SQLTemp = QStringLiteral("previo");
        c.prepara(*t, l);
        t->s.bd.Sesion().LimpiaBitacora();
        gSesionBD->LimpiaBitacora();
        t->Postea(l);
        EXPECT_FALSE(l.HayError);
        EXPECT_EQ(t->LineasPE(), c.lineas);
        EXPECT_EQ(t->LibroPE(), c.lineas.isEmpty() ? QStringLiteral("1") : QStringLiteral("2"));
        EXPECT_EQ(l.SQLTemp, QStringLiteral("previo"));
        if (c.comprueba)
            c.comprueba(*t, l);
    }
}

TEST_F(DescargaInsumos_, NumeracionEnLosDosModos)
{
    const auto dosFilas = [](Taller& t) {
        t.Fila({{C::Codigo, "KIT01"}, {C::Unidad, "UN"}, {C::Cantidad, "2"}, {C::Costo, "12000"}});
        t.Fila({{C::Codigo, "CMP1"}, {C::Unidad, "UN"}, {C::Cantidad, "10"}, {C::Costo, "100"}});
    };
    const QString numeracion = QStringLiteral("\r UPDATE V_TA_CPTE SET X_ULTIMO_NRO =  2 WHERE CODIGO = 'PE  ' AND TALONARIO=1");

    // Deferred: one numbering text after the lines of both rows, then the entry.
    auto t = NuevoTaller();
    dosFilas(*t);
    Llamada d;
    d.GeneraSentenciaSQL = true;
    d.SQLTemp = QStringLiteral("previo");
    t->Postea(d);
    ASSERT_FALSE(d.HayError);
    EXPECT_EQ(d.SQLTemp.count(QStringLiteral("UPDATE V_TA_CPTE")), 1);
    const qsizetype en = d.SQLTemp.indexOf(numeracion);
    ASSERT_GE(en, 0) << d.SQLTemp.toStdString();
    const QString resto = d.SQLTemp.mid(en + numeracion.size());
    EXPECT_TRUE(resto.startsWith(u'\r'));
    EXPECT_TRUE(resto.contains(QStringLiteral("MV_ASIENTOS")));
    EXPECT_FALSE(resto.contains(QStringLiteral("V_MV_STOCK")));
    EXPECT_TRUE(t->LineasPE().isEmpty()) << "deferred runs nothing";
    EXPECT_EQ(t->LibroPE(), QStringLiteral("1"));
    ASSERT_TRUE(d.SQLTemp.startsWith(QStringLiteral("previo\r")));
    ASSERT_TRUE(t->CorreLote(d.SQLTemp.mid(6)));
    EXPECT_EQ(t->LibroPE(), QStringLiteral("2"));
    const QStringList serie = {"1|000100000001X", "2|000100000001X", "3|000100000001X", "4|000100000001X", "5|000100000001X"};
    EXPECT_EQ(t->Columna("Secuencia || '|' || IdComprobante"), serie);

    // At once: the book moves inside the posting, the batch text is left alone.
    t.reset();   // one workshop at a time holds the program's session
    t = NuevoTaller();
    dosFilas(*t);
    Llamada a;
    a.SQLTemp = QStringLiteral("previo");
    t->Postea(a);
    ASSERT_FALSE(a.HayError);
    EXPECT_EQ(a.SQLTemp, QStringLiteral("previo"));
    EXPECT_EQ(t->LibroPE(), QStringLiteral("2"));
    EXPECT_EQ(t->Columna("Secuencia || '|' || IdComprobante"), serie);
    // The next posting takes the next number.
    t->NuevaGrilla();
    dosFilas(*t);
    Llamada otra;
    otra.SucNroLetra = QStringLiteral("000100009002X");
    t->Postea(otra);
    EXPECT_EQ(t->LibroPE(), QStringLiteral("3"));
    EXPECT_EQ(t->Filas("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'PE' AND IdComprobante = '000100000002X'"), QStringList{"5"});
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(DescargaInsumos_, SinNumeroNoSeEscribeNada)
{
    for (bool diferido : {false, true}) {
        SCOPED_TRACE(diferido);
        auto t = NuevoTaller();
        // Every "PE" book used up.
        t->bd().Ejecuta(QStringLiteral("UPDATE V_TA_CPTE SET X_NRO_HASTA = 0 WHERE CODIGO = 'PE'"));
        t->Fila({{C::Codigo, "MESA01"}, {C::Unidad, "UN"}, {C::Cantidad, "1"}});
        t->Fila({{C::Codigo, "KIT01"}, {C::Unidad, "UN"}, {C::Cantidad, "2"}});
        const QStringList antes = t->Estado();
        avisos.preguntas.clear();
        Llamada l;
        l.GeneraSentenciaSQL = diferido;
        l.SQLTemp = QStringLiteral("previo");
        t->Postea(l);
        EXPECT_TRUE(l.HayError);
        EXPECT_EQ(l.SQLTemp, QStringLiteral("previo"));
        EXPECT_EQ(t->Estado(), antes);
        EXPECT_FALSE(avisos.preguntas.empty()) << "the book choice tells why";
    }
}

TEST_F(DescargaInsumos_, UnaLineaDeInsumoRechazada)
{
    auto t = NuevoTaller();
    t->s.bd.SqlDirecto(QStringLiteral("CREATE TRIGGER rechaza BEFORE INSERT ON V_MV_STOCK WHEN NEW.TC = 'PE' AND NEW.Secuencia = 2 "
                                      "BEGIN SELECT RAISE(ABORT, 'insumo rechazado'); END"));
    t->Fila({{C::Codigo, "KIT01"}, {C::Unidad, "UN"}, {C::Cantidad, "2"}});
    const QStringList antes = t->Estado();
    // Passed over: the operator is told under "Aviso al operador" and the posting stops.
    avisos.Responder({Avisos::Ignorar});
    Llamada l;
    t->Postea(l);
    EXPECT_TRUE(l.HayError);
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_EQ(avisos.preguntas[1].titulo, QStringLiteral("Aviso al operador"));
    EXPECT_TRUE(avisos.preguntas[1].texto.contains(QStringLiteral("insumo rechazado")));
    EXPECT_EQ(avisos.preguntas[1].botones, Avisos::Critico);
    EXPECT_EQ(t->Estado(), antes);
}

TEST_F(DescargaInsumos_, PosteoAEnLosDosModos)
{
    for (bool diferido : {false, true}) {
        SCOPED_TRACE(diferido);
        auto t = PosteaEnModo(GrillaA, diferido);
        EXPECT_EQ(t->Filas("SELECT Secuencia, TRIM(IdArticulo), TRIM(IdDeposito), Cantidad, CantidadUD, COALESCE(NroLote, '-'), "
                           "COALESCE(NroSerie, '-'), TRIM(IdMotivoStock), COALESCE(TC_ORIGEN, '-') FROM V_MV_STOCK WHERE TC = 'RM' "
                           "AND IdComprobante = '000100000001X' ORDER BY Secuencia"),
                  QStringList({"1|SILLA01|1|-4|-4|-|-|VTA|-", "2|BARN01|1|-3|-3|L2601|-|VTA|-", "3|BARN01|1|-2|-2|L2602|-|VTA|-",
                               "4|ATORN01|1|-1|-1|-|SN-1001|VTA|-", "5|ATORN01|1|-1|-1|-|SN-1002|VTA|-",
                               "6|KIT01|1|-2|-2|-|-|VTA|-"}));
        EXPECT_EQ(t->Filas("SELECT TRIM(IdArticulo), Cantidad, TRIM(IdUnidad), CantidadUD, TRIM(IdUnidadBase), EQUIV_UDBASE, Costo, "
                           "COALESCE(CuentaProveedor, '-'), COALESCE(NroLote, '-'), Descripcion FROM V_MV_STOCK WHERE TC = 'PE' "
                           "AND IdComprobante = '000100000001X' AND TC_ORIGEN = 'RM' AND IDCOMPROBANTE_ORIGEN = '000100000001X' "
                           "AND IdDeposito = '1' ORDER BY TRIM(IdArticulo)"),
                  QStringList({"*|-2|UN|-2|UN|1|0|-|-|Instructivo de armado",
                               "BARN01|-0.5|LT|-0.5|UN|0|7800|P0003|L2601|Barniz poliuretánico",
                               "BISA01|-12|UN|-12|UN|1|850|P0002|-|Bisagra cazoleta 35 mm",
                               "TORN01|-1|CAJ|-100|UN|100|3200|P0002|-|Tornillo para madera 4 x 40"}));
        EXPECT_EQ(t->Columna("Secuencia"), QStringList({"1", "2", "3", "4"}));
        EXPECT_EQ(t->LibroPE(), QStringLiteral("2"));
        EXPECT_EQ(t->Filas("SELECT TRIM(IdArticulo), SUM(Cantidad) FROM V_MV_STOCK WHERE IdDeposito = '1' AND IdComprobante = "
                           "'000100000001X' GROUP BY TRIM(IdArticulo) ORDER BY 1"),
                  QStringList({"*|-2", "ATORN01|-2", "BARN01|-5.5", "BISA01|-12", "KIT01|-2", "SILLA01|-4", "TORN01|-1"}));
        EXPECT_EQ(t->Filas("SELECT NroLote, SUM(Cantidad) FROM V_MV_STOCK WHERE IdArticulo = 'BARN01' AND IdComprobante = "
                           "'000100000001X' GROUP BY NroLote ORDER BY 1"),
                  QStringList({"L2601|-3.5", "L2602|-2"}));
        EXPECT_EQ(t->Asientos("RM"), QStringList({"1.1.5.01|H|193000", "1.1.5.02|H|84000", "5.1.1.01|D|277000"}));
        EXPECT_TRUE(avisos.preguntas.empty());
    }
}

TEST_F(DescargaInsumos_, PosteoBEnLosDosModos)
{
    for (bool diferido : {false, true}) {
        SCOPED_TRACE(diferido);
        auto t = PosteaEnModo(GrillaB, diferido);
        EXPECT_EQ(t->Filas("SELECT Secuencia, TRIM(IdArticulo), Cantidad, TRIM(IdDeposito), TRIM(IDDEPOSITO_DESTINO) FROM V_MV_STOCK "
                           "WHERE TC = 'TR' ORDER BY Secuencia"),
                  QStringList({"1|TORN01|-3|1|2", "2|KIT01|-1|1|2", "3|TORN01|3|2|1", "4|KIT01|1|2|1"}));
        const QStringList origen = {"*|-1|-1|-", "BARN01|-0.25|-0.25|L2601", "BISA01|-6|-6|-", "TORN01|-0.5|-50|-"};
        const auto lado = [&](const char* deposito) {
            return t->Filas(QStringLiteral("SELECT TRIM(IdArticulo), Cantidad, CantidadUD, COALESCE(NroLote, '-') FROM V_MV_STOCK "
                                           "WHERE TC = 'PE' AND IdComprobante = '000100000001X' AND IdDeposito = '%1' "
                                           "AND TC_ORIGEN = 'TR' ORDER BY TRIM(IdArticulo)")
                                .arg(QLatin1String(deposito)));
        };
        EXPECT_EQ(lado("1"), origen);
        EXPECT_EQ(lado("2"), QStringList({"*|1|1|-", "BARN01|0.25|0.25|L2601", "BISA01|6|6|-", "TORN01|0.5|50|-"}));
        EXPECT_EQ(t->Filas("SELECT TRIM(IdDeposito), MIN(Secuencia), MAX(Secuencia) FROM V_MV_STOCK WHERE TC = 'PE' "
                           "GROUP BY IdDeposito ORDER BY 1"),
                  QStringList({"1|1|4", "2|5|8"}));
        EXPECT_EQ(t->Filas("SELECT COUNT(*) FROM (SELECT IdArticulo FROM V_MV_STOCK WHERE IdComprobante = '000100000001X' "
                           "GROUP BY IdArticulo HAVING SUM(Cantidad) <> 0)"),
                  QStringList{"0"});
        EXPECT_EQ(t->LibroPE(), QStringLiteral("2"));
        EXPECT_EQ(t->Asientos("TR"), QStringList({"1.1.5.01|D|21600", "1.1.5.01|H|21600"}));
        EXPECT_TRUE(avisos.preguntas.empty());
    }
}

// For every writing statement of postings A and B at once, and every statement
// of their deferred batches run in a transaction, a failure there leaves the
// stock, the entries, the number books and their control rows as they were.
// A read of the accounting entry that fails (the entry number, the register
// type, the reason's or the articles' accounts, a line to add to): the
// operator is told, and the movement does not stand without its entry; the
// posting is handed back as failed and leaves nothing.
TEST_F(DescargaInsumos_, UnAsientoPerdidoPorUnaFallaNoDejaElPosteo)
{
    const char* lecturas[] = {"MAX([NUMERO ASIENTO])", "[NUMERO ASIENTO] AS [NRO_ASIENTO] FROM MV_ASIENTOSCCOSTO",
                              "MA_SUBDIARIOSCOMPROBANTES", "FROM MA_SUBDIARIOS ", "FROM V_TA_MOTIVOSTOCK",
                              "select cuentacontableC from", "select cuentacontableC, costo", "SELECT * FROM MV_ASIENTOS"};
    for (const bool diferido : {false, true})
    for (const int respuesta : {int(Avisos::Abortar), int(Avisos::Ignorar)}) {
        for (const char* lectura : lecturas) {
            // Deferred, the whole grid's entry asks no line to add to.
            if (diferido && QByteArray(lectura).startsWith("SELECT * FROM MV_ASIENTOS"))
                continue;
            SCOPED_TRACE(std::string(lectura) + (respuesta == Avisos::Ignorar ? " ignorada" : " abandonada") +
                         (diferido ? ", diferido" : ""));
            auto t = NuevoTaller();
            t->bd().Ejecuta(
                QStringLiteral("INSERT INTO V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA) VALUES ('PE', '0001', '00000001', 'X')"));
            // Deferred, the number proposal's own clean-up of control rows runs at once.
            const auto estado = [&] {
                return diferido ? t->Filas(QStringLiteral("SELECT * FROM V_MV_STOCK ORDER BY Id")) +
                                      t->Filas(QStringLiteral("SELECT * FROM MV_ASIENTOS ORDER BY Id")) +
                                      t->Filas(QStringLiteral("SELECT * FROM V_TA_CPTE ORDER BY CODIGO, TALONARIO"))
                                : t->Estado();
            };
            const QStringList antes = estado();
            avisos.preguntas.clear();
            avisos.Responder({respuesta});
            InyectorFallas& inyector = gSesionBD->Conexion.Inyector;
            inyector.FallaLaQueCoincida(QString::fromLatin1(lectura), 10054, QStringLiteral("falla inyectada"));
            t->NuevaGrilla();
            Llamada l;
            GrillaA(*t, l);
            l.SQLTemp = QStringLiteral("previo");
            l.GeneraSentenciaSQL = diferido;
            t->Postea(l);
            EXPECT_FALSE(inyector.Armado());
            inyector.Desarma();
            EXPECT_TRUE(l.HayError);
            EXPECT_EQ(l.SQLTemp, QStringLiteral("previo"));
            EXPECT_EQ(estado(), antes);
            EXPECT_EQ(BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT @@TRANCOUNT")), QStringList{"0"});
            ASSERT_FALSE(avisos.preguntas.empty());
            EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("falla inyectada")));
        }
    }
}

TEST_F(DescargaInsumos_, TodoONadaEnCadaSentencia)
{
    const auto escritura = [](const QString& s) {
        const QString t = s.trimmed().toUpper();
        return t.startsWith(QLatin1String("INSERT")) || t.startsWith(QLatin1String("UPDATE")) ||
               t.startsWith(QLatin1String("DELETE"));
    };
    using Grilla_ = std::function<void(Taller&, Llamada&)>;
    for (const auto& [nombre, grilla] : {std::pair<const char*, Grilla_>{"A", GrillaA}, std::pair<const char*, Grilla_>{"B", GrillaB}}) {
        for (bool diferido : {false, true}) {
            SCOPED_TRACE(std::string(nombre) + (diferido ? " diferido" : " al instante"));
            auto t = NuevoTaller();
            t->bd().Ejecuta(QStringLiteral("INSERT INTO V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA) VALUES ('PE', '0001', '00000001', 'X')"));
            QString lote;
            if (diferido) {
                Llamada l;
                grilla(*t, l);
                l.GeneraSentenciaSQL = true;
                t->Postea(l);
                ASSERT_FALSE(l.HayError);
                lote = l.SQLTemp;
            }
            const QStringList antes = t->Estado();
            InyectorFallas& inyector = gSesionBD->Conexion.Inyector;
            int escrituras = 0;
            for (int k = 1;; ++k) {
                SCOPED_TRACE(k);
                const QString texto = QStringLiteral("falla inyectada %1").arg(k);
                int vistas = 0;
                bool fallo = false;
                QString cual;
                inyector.Observador = [&](const QString& s) {
                    if ((diferido || escritura(s)) && ++vistas == k) {
                        fallo = true;
                        cual = s;
                        inyector.FallaLaSentencia(1, 547, texto);
                    }
                };
                avisos.preguntas.clear();
                bool hecho = false;
                if (diferido) {
                    hecho = t->CorreLote(lote);
                } else {
                    t->NuevaGrilla();
                    Llamada l;
                    grilla(*t, l);
                    l.SQLTemp = QStringLiteral("previo");
                    t->Postea(l);
                    hecho = !l.HayError;
                    EXPECT_EQ(l.SQLTemp, QStringLiteral("previo"));
                }
                inyector.Observador = nullptr;
                inyector.Desarma();
                if (!fallo) {
                    EXPECT_TRUE(hecho);
                    EXPECT_NE(t->Estado(), antes);
                    EXPECT_EQ(t->Filas("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'PE'"), QStringList{nombre[0] == 'A' ? "4" : "8"});
                    break;
                }
                ++escrituras;
                SCOPED_TRACE(cual.toStdString());
                EXPECT_FALSE(hecho);
                EXPECT_EQ(t->Estado(), antes);
                EXPECT_EQ(BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT @@TRANCOUNT")), QStringList{"0"});
                if (!diferido) {
                    bool visto = false;
                    for (const PreguntaGrabada& p : avisos.preguntas)
                        visto = visto || p.texto.contains(texto);
                    EXPECT_TRUE(visto) << "no message named the failure";
                }
            }
            std::cout << "[          ] " << nombre << (diferido ? " diferido: " : " al instante: ") << escrituras
                      << " sentencias\n";
            // The lines and entries of every row, the control row's removal, each supply line, the numbering.
            EXPECT_GE(escrituras, nombre[0] == 'A' ? 6 + 1 + 4 + 1 : 4 + 1 + 8 + 1);
        }
    }
}

// The process is killed in the middle of a posting that consumes supplies and
// moves the "PE" book on: at each write or flush of the file in turn and at
// each statement, posted at once or as the caller's deferred batch. The file
// holds the posting whole, with its number taken, or none of it, with the
// number still free.
TEST_F(DescargaInsumos_, UnProcesoMuertoEnMedioDelPosteoNoGastaElNumero)
{
    const auto dosFilas = [](Taller& t) {
        t.Fila({{C::Codigo, "KIT01"}, {C::Unidad, "UN"}, {C::Cantidad, "2"}, {C::Costo, "12000"}});
        t.Fila({{C::Codigo, "CMP1"}, {C::Unidad, "UN"}, {C::Cantidad, "10"}, {C::Costo, "100"}});
    };
    for (const bool diferido : {false, true}) {
        const auto postea = [&](Taller& t) {
            dosFilas(t);
            Llamada l;
            l.GeneraSentenciaSQL = diferido;
            t.Postea(l);
            if (diferido)
                t.CorreLote(l.SQLTemp);
        };
        auto t = NuevoTaller();
        const QStringList nada = t->Estado();
        postea(*t);
        const QStringList entero = t->Estado();
        ASSERT_NE(entero, nada);
        ASSERT_EQ(t->LibroPE(), QStringLiteral("2"));
        for (const bool enElDisco : {true, false}) {
            int muertes = 0;
            for (int n = 0; n < 300; ++n) {
                SCOPED_TRACE(std::string(diferido ? "diferido, " : "al instante, ") +
                             (enElDisco ? "en el disco" : "en la sentencia") + " tras " + std::to_string(n));
                t.reset();   // one workshop at a time holds the program's session
                t = NuevoTaller();
                const bool murio = MuereEnOtroProceso([&] {
                    DiscoConFallas disco;
                    t->s.bd.Conecta(*gSesionBD);
                    int sentencias = 0;
                    if (enElDisco)
                        disco.Arma(t->s.bd.Carpeta(), DiscoConFallas::Muerte, n);
                    else
                        gSesionBD->Conexion.Inyector.Observador = [&](const QString&) {
                            if (sentencias++ == n)
                                std::raise(SIGKILL);
                        };
                    postea(*t);
                });
                const QStringList estado = t->Estado();
                if (!murio) {
                    EXPECT_EQ(estado, entero);
                    break;
                }
                ++muertes;
                EXPECT_TRUE(estado == nada || estado == entero) << estado.join(u'\n').toStdString();
            }
            EXPECT_GT(muertes, 2);
        }
    }
}
