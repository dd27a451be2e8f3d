// Stock posting on the demo workshop: items, passes and numbering, the
// purchase-order reception, the accounting entry once per row and its kinds,
// the same grid at once and deferred, all or nothing, the notice and the
// events that wait.
#include "comprobantes_prueba.h"
#include "linea_stock_prueba.h"
#include "posteo_prueba.h"
#include "support/avisos_grabados.h"
#include "support/disco_con_fallas.h"
#include "lots/listas_pipe.h"
#include "platform/eventos.h"
#include "voucher/ClsCmnCptes.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>

namespace {

using namespace ModGlobal;
namespace C = ColArticulos;

// The notice as a list of calls.
class CartelGrabado : public Dll_Display {
public:
    void CartelInicio(const QString& Titulo, bool PermiteCancelar) override
    {
        llamadas << QStringLiteral("Inicio|") + Titulo + (PermiteCancelar ? QStringLiteral("|cancela") : QString());
    }
    void CartelMostrar(bool& Cancelado, const LineaCartel& l1, const LineaCartel& l2, const LineaCartel& l3) override
    {
        Cancelado = true;   // asked to cancel: the posting does not listen
        const auto t = [](const LineaCartel& l) { return l ? (*l).toString() : QStringLiteral("-"); };
        llamadas << QStringLiteral("Mostrar|") + t(l1) + u'|' + t(l2) + u'|' + t(l3);
    }
    void CartelCerrar() override { llamadas << QStringLiteral("Cerrar"); }
    QStringList llamadas;
};

// Answers from the script, and runs an action at each question first.
class AvisosConAccion : public AvisosGrabados {
public:
    std::function<void()> accion;
    int Mensaje(const QString& texto, int botones, const QString& titulo) override
    {
        if (accion)
            accion();
        return AvisosGrabados::Mensaje(texto, botones, titulo);
    }
};

class ActualizaStock_ : public ::testing::Test {
protected:
    void SetUp() override
    {
        FijaSesionDePosteo(QDate(2026, 12, 10), QStringLiteral("   1"));
        Ajuste(s, QStringLiteral("PIVA"), QStringLiteral("21"));
        bd().Ejecuta(QStringLiteral("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES ('IR', 'ST'), ('RMC', 'ST')"));
        clase = std::make_unique<ClsCmnCptes>();
        NuevaGrilla();
    }
    void TearDown() override
    {
        LimpiaSesionDePosteo();
        gCartel.Liberar();
        Eventos::FijarBombeo(nullptr);
    }

    SesionBD& bd() { return s.bd.Sesion(); }
    void NuevaGrilla()
    {
        g.setRows(1);
        g.setCols(C::Cantidad_Columnas);
    }
    void Fila(CeldasFila celdas) { AgregaFila(g, celdas); }
    void Postea(Llamada& l) { ::Postea(*clase, g, l); }
    // Posts the grid as an RM numbered n, or as a transfer to depot 2.
    Llamada PosteaComo(int n, bool transferencia)
    {
        Llamada l;
        l.SucNroLetra = QStringLiteral("00010000%1X").arg(n);
        if (transferencia) {
            l.TC = QStringLiteral("TR");
            l.EsTransferencia = true;
            l.IdDepositoDestino = QStringLiteral("2");
        }
        Postea(l);
        return l;
    }
    // The given columns of a voucher's lines, in their order.
    QStringList LineasCon(const char* columnas, const Llamada& l)
    {
        return s.bd.Filas(QStringLiteral("SELECT %1 FROM V_MV_STOCK WHERE TC = '%2' AND IdComprobante = '%3' ORDER BY "
                                         "Secuencia")
                              .arg(QLatin1String(columnas), l.TC, l.SucNroLetra));
    }
    // The lines of a voucher: "Secuencia|article|depot|quantity|lot|serial".
    QStringList Lineas(const Llamada& l)
    {
        return s.bd.Filas(QStringLiteral("SELECT Secuencia, TRIM(IdArticulo), TRIM(IdDeposito), Cantidad, NroLote, NroSerie "
                                         "FROM V_MV_STOCK WHERE TC = '%1' AND IdComprobante = '%2' ORDER BY Secuencia")
                              .arg(l.TC, l.SucNroLetra));
    }
    // Every stored movement and entry line, column by column.
    QStringList Todo()
    {
        return s.bd.Filas(QStringLiteral("SELECT * FROM V_MV_STOCK ORDER BY Id")) +
               s.bd.Filas(QStringLiteral("SELECT * FROM MV_ASIENTOS ORDER BY Id"));
    }
    // An AJN 0001-numero of two rows, each with its own reason: the table's
    // first, the kit's TRF; a deferred batch is run.
    void PosteaConMotivosPorFila(const char* numero, const char* motivoMesa, bool diferido)
    {
        NuevaGrilla();
        Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Costo, "85000"}, {C::MotivoStock, motivoMesa}});
        Fila({{C::Codigo, "KIT01"}, {C::Cantidad, "2"}, {C::Costo, "12000"}, {C::MotivoStock, "TRF"}});
        Llamada r;
        r.TC = QStringLiteral("AJN");
        r.SucNroLetra = QStringLiteral("0001%1X").arg(QLatin1String(numero));
        r.IdMotivoStock = QStringLiteral("ELDELGRID");
        r.GeneraSentenciaSQL = diferido;
        Postea(r);
        EXPECT_FALSE(r.HayError);
        if (diferido)
            bd().Ejecuta(r.SQLTemp);
    }
    // Debit and credit of the entry lines of a voucher number.
    QStringList Asientos(const QString& numero)
    {
        return s.bd.Filas(QStringLiteral("SELECT Cuenta, [DEBE-HABER], SUM(Importe) FROM MV_ASIENTOS WHERE NUMERO = '%1' "
                                         "GROUP BY Cuenta, [DEBE-HABER] ORDER BY Cuenta, [DEBE-HABER]")
                              .arg(numero));
    }

    // Two rows, one with lots and serial numbers, posted as the RM numbered n.
    Llamada DosFilas(int n)
    {
        NuevaGrilla();
        Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"}, {C::NroLote, "|L1|L2|"},
              {C::NroSerie, "|2|3|"}, {C::Costo, "7800"}});
        Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Costo, "85000"}});
        Llamada l;
        l.SucNroLetra = QStringLiteral("00010000%1X").arg(n);
        l.IdMotivoStock = QStringLiteral("VTA");
        return l;
    }
    // "movement lines|entry lines" stored for a voucher.
    QString Guardado(const Llamada& l)
    {
        return s.bd.Filas(QStringLiteral("SELECT (SELECT COUNT(*) FROM V_MV_STOCK WHERE IdComprobante = '%1') || '|' || "
                                         "(SELECT COUNT(*) FROM MV_ASIENTOS WHERE NUMERO = '%2')")
                              .arg(l.SucNroLetra, l.SucNroLetra.mid(4, 8)))
            .value(0);
    }
    // What a clean posting of the two rows numbered n stores, taken away again.
    QString PosteoEntero(int n)
    {
        Llamada l = DosFilas(n);
        Postea(l);
        EXPECT_FALSE(l.HayError);
        const QString r = Guardado(l);
        EXPECT_NE(r, QStringLiteral("0|0"));
        Borra(l);
        return r;
    }
    void Borra(const Llamada& l)
    {
        bd().Ejecuta(QStringLiteral("DELETE FROM V_MV_STOCK WHERE IdComprobante = '%1'").arg(l.SucNroLetra));
        bd().Ejecuta(QStringLiteral("DELETE FROM MV_ASIENTOS WHERE NUMERO = '%1'").arg(l.SucNroLetra.mid(4, 8)));
    }
    SesionGlobal s{BasePrueba::ConDemo};
    AvisosConAccion avisos;
    std::unique_ptr<ClsCmnCptes> clase;
    Grilla g;
};

}  // namespace

TEST_F(ActualizaStock_, EscenariosDeItems)
{
    struct Escenario {
        const char* nombre;
        std::function<void(Llamada&)> prepara;
        QStringList lineas;
    };
    const QString chr255(ListasPipe::Chr255);
    const std::vector<Escenario> escenarios = {
        {"transferencia: dos pasadas, numeración seguida",
         [&](Llamada& l) {
             l.TC = QStringLiteral("TR");
             l.EsTransferencia = true;
             l.IdDepositoDestino = QStringLiteral("2");
             Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "2"}, {C::Deposito, "1"}});
             Fila({{C::Codigo, "SILLA01"}, {C::Cantidad, "3"}});
         },
         {"1|MESA01|1|-2|NULL|NULL", "2|SILLA01|1|-3|NULL|NULL", "3|MESA01|2|2|NULL|NULL", "4|SILLA01|2|3|NULL|NULL"}},
        {"OP sin SPNL: producidos entran, insumos salen",
         [&](Llamada& l) {
             l.TC = QStringLiteral("OP");
             Fila({{C::Codigo, "TABPIN"}, {C::Cantidad, "14"}, {C::CantidadInsumo, "-1"}});
             Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::CantidadInsumo, "0"}});
         },
         {"1|MESA01|1|1|NULL|NULL", "2|TABPIN|1|-14|NULL|NULL"}},
        {"OP con SPNL: una pasada, una cantidad negativa termina su fila",
         [&](Llamada& l) {
             l.TC = QStringLiteral("OP");
             l.SucNroLetra = QStringLiteral("000100009002X");
             bd().Ejecuta(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, TC_ORIGEN, IDCOMPROBANTE_ORIGEN) "
                                         "VALUES ('spnl', '000100009009X', 'OP', '000100009002X')"));
             Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}});
             Fila({{C::Codigo, "MESA02"}, {C::Cantidad, "-2"}});
             Fila({{C::Codigo, "TABPIN"}, {C::Cantidad, "14"}, {C::CantidadInsumo, "-1"}});
         },
         {"1|MESA01|1|1|NULL|NULL"}},
        {"OP con líneas hasta 7: la primera nueva es la 9",
         [&](Llamada& l) {
             l.TC = QStringLiteral("OP");
             l.SucNroLetra = QStringLiteral("000100009003X");
             bd().Ejecuta(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, Secuencia, IDARTICULO, IDDEPOSITO, CANTIDAD) "
                                         "VALUES ('OP', '000100009003X', 7, 'MESA02', '1', 1)"));
             Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}});
         },
         {"7|MESA02|1|1|NULL|NULL", "9|MESA01|1|1|NULL|NULL"}},
        {"SecuenciaFija 10",
         [&](Llamada& l) {
             l.SucNroLetra = QStringLiteral("000100009004X");
             l.SecuenciaFija = 10;
             Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}});
         },
         {"11|MESA01|1|-1|NULL|NULL"}},
        {"series A, B y C de una entrada con talle 0",
         [&](Llamada& l) {
             l.TC = QStringLiteral("AJP");
             Fila({{C::Codigo, "ATORN01"}, {C::Cantidad, "3"}, {C::PideSerie, "-1"}, {C::PideTalle, "0"},
                   {C::NroSerie, "|A|B|C|"}});
         },
         {"1|ATORN01|1|1|NULL|A", "2|ATORN01|1|1|NULL|B", "3|ATORN01|1|1|NULL|C"}},
        {"la misma fila con el talle vacío: una línea de talle",
         [&](Llamada& l) {
             l.TC = QStringLiteral("AJP");
             l.SucNroLetra = QStringLiteral("000100009002X");
             Fila({{C::Codigo, "ATORN01"}, {C::Cantidad, "3"}, {C::PideSerie, "-1"}, {C::PideTalle, ""},
                   {C::NroSerie, "|A|B|C|"}});
         },
         {"1|ATORN01|1|3|NULL|A"}},
        {"salida: L1 con S1 por 2 y L2 por 3",
         [&](Llamada& l) {
             l.SucNroLetra = QStringLiteral("000100009005X");
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"}});
             g.setTextMatrix(1, C::NroLote, QStringLiteral("|L1") + chr255 + QStringLiteral("S1|L2|"));
             g.setTextMatrix(1, C::NroSerie, QStringLiteral("|2|3|"));
         },
         {"1|BARN01|1|-2|L1|S1", "2|BARN01|1|-3|L2|NULL"}},
        {"un ítem en 0 no deja hueco",
         [&](Llamada& l) {
             l.SucNroLetra = QStringLiteral("000100009006X");
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"}, {C::NroLote, "|L1|L2|L3|"},
                   {C::NroSerie, "|2|0|3|"}});
             Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}});
         },
         {"1|BARN01|1|-2|L1|NULL", "2|BARN01|1|-3|L3|NULL", "3|MESA01|1|-1|NULL|NULL"}},
        {"sólo bultos; un código en blanco no es artículo",
         [&](Llamada& l) {
             l.SucNroLetra = QStringLiteral("000100009007X");
             Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "0"}, {C::Bultos, "2"}});
             Fila({{C::Codigo, "   "}, {C::Cantidad, "4"}});
         },
         {"1|MESA01|1|0|NULL|NULL"}},
        {"serie sin lote",
         [&](Llamada& l) {
             l.TC = QStringLiteral("AJP");
             l.SucNroLetra = QStringLiteral("000100009003X");
             Fila({{C::Codigo, "ATORN01"}, {C::Cantidad, "1"}, {C::PideSerie, "-1"}, {C::PideTalle, "0"}});
             g.setTextMatrix(1, C::NroSerie, u'|' + chr255 + QStringLiteral("SN-1001|"));
         },
         {"1|ATORN01|1|1|NULL|SN-1001"}},
        {"lotes de entrada marcados por InsertaCHR255",
         [&](Llamada& l) {
             l.TC = QStringLiteral("AJP");
             l.SucNroLetra = QStringLiteral("000100009004X");
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "2"}, {C::PideSerie, "0"}, {C::PideLote, "-1"}, {C::PideTalle, "0"},
                   {C::NroSerie, "|1|2|"}});
             g.setTextMatrix(1, C::NroLote, ListasPipe::InsertaCHR255(QStringLiteral("|L5|L6|")));
         },
         {"1|BARN01|1|1|L5|1", "2|BARN01|1|1|L6|2"}},
        {"lotes de entrada sin nada al lado: un lote por unidad",
         [&](Llamada& l) {
             l.TC = QStringLiteral("AJP");
             l.SucNroLetra = QStringLiteral("000100009016X");
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "3"}, {C::PideSerie, "0"}, {C::PideLote, "-1"}, {C::PideTalle, "0"},
                   {C::Perecedero, "0"}, {C::NroLote, "|L7|L8|L9|"}});
         },
         {"1|BARN01|1|1|L7|NULL", "2|BARN01|1|1|L8|NULL", "3|BARN01|1|1|L9|NULL"}},
        // A blank lot cell of the entry takes the lot above it, so a lot comes back once per unit.
        {"lotes de entrada repetidos: cada unidad con el suyo",
         [&](Llamada& l) {
             l.TC = QStringLiteral("AJP");
             l.SucNroLetra = QStringLiteral("000100009017X");
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "3"}, {C::PideSerie, "0"}, {C::PideLote, "-1"}, {C::PideTalle, "0"},
                   {C::Perecedero, "0"}, {C::NroLote, "|L7|L7|L8|"}});
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "4"}, {C::PideSerie, "0"}, {C::PideLote, "-1"}, {C::PideTalle, "0"},
                   {C::Perecedero, "0"}, {C::NroLote, "|L7|L8|L7|L9|"}});
         },
         {"1|BARN01|1|1|L7|NULL", "2|BARN01|1|1|L7|NULL", "3|BARN01|1|1|L8|NULL", "4|BARN01|1|1|L7|NULL",
          "5|BARN01|1|1|L8|NULL", "6|BARN01|1|1|L7|NULL", "7|BARN01|1|1|L9|NULL"}},
        // The entry dialog writes the sizes one per unit, with no quantities beside them.
        {"talles de entrada sin nada al lado: un talle por unidad",
         [&](Llamada& l) {
             l.TC = QStringLiteral("AJP");
             l.SucNroLetra = QStringLiteral("000100009018X");
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "1"}, {C::PideSerie, "0"}, {C::PideLote, "-1"}, {C::PideTalle, "-1"},
                   {C::Perecedero, "0"}, {C::NroLote, "|M|"}});
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "3"}, {C::PideSerie, "0"}, {C::PideLote, "-1"}, {C::PideTalle, "-1"},
                   {C::Perecedero, "0"}, {C::NroLote, "|S|S|XL|"}});
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "2"}, {C::PideSerie, "0"}, {C::PideLote, "-1"}, {C::PideTalle, "-1"},
                   {C::Perecedero, "0"}, {C::NroLote, "|L|L|"}});
             // With quantities beside them, each size brings its own.
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::PideSerie, "0"}, {C::PideLote, "-1"}, {C::PideTalle, "-1"},
                   {C::Perecedero, "0"}, {C::NroLote, "|S|M|"}, {C::NroSerie, "|2|3|"}});
         },
         {"1|BARN01|1|1|M|NULL", "2|BARN01|1|1|S|NULL", "3|BARN01|1|1|S|NULL", "4|BARN01|1|1|XL|NULL",
          "5|BARN01|1|1|L|NULL", "6|BARN01|1|1|L|NULL", "7|BARN01|1|2|S|NULL", "8|BARN01|1|3|M|NULL"}},
        {"perecedero con el lote fijo",
         [&](Llamada& l) {
             l.TC = QStringLiteral("AJP");
             l.SucNroLetra = QStringLiteral("000100009015X");
             l.LoteFijo = QStringLiteral("LF1");
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "4"}, {C::Perecedero, "-1"}});
         },
         {"1|BARN01|1|4|LF1|NULL"}},
    };
    for (const Escenario& e : escenarios) {
        NuevaGrilla();
        Llamada l;
        e.prepara(l);
        Postea(l);
        EXPECT_FALSE(l.HayError) << e.nombre;
        EXPECT_EQ(Lineas(l), e.lineas) << e.nombre;
    }
    EXPECT_TRUE(avisos.preguntas.empty());

    // Nothing to post, deferred: the batch gains the CR of the (empty) entry.
    NuevaGrilla();
    Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "0"}, {C::Bultos, "0"}});
    Llamada l;
    l.SucNroLetra = QStringLiteral("000100009099X");
    l.GeneraSentenciaSQL = true;
    l.SQLTemp = QStringLiteral("X");
    Postea(l);
    EXPECT_EQ(l.SQLTemp, QStringLiteral("X\r"));
    EXPECT_TRUE(Lineas(l).isEmpty());
}

// Only blanks are trimmed: a line break or tab that ends a description, a lot
// or a serial is stored with it, while a quantity still reads as its number.
TEST_F(ActualizaStock_, SoloLosBlancosSeRecortan)
{
    struct Caso {
        const char* nombre;
        const char* tc;
        std::function<void()> fila;
        QStringList lineas;   // "Cantidad|NroLote|NroSerie|Descripcion"
    };
    const std::vector<Caso> casos = {
        {"la descripción conserva su CR LF final", "RM",
         [&] { Fila({{C::Codigo, "MESA01"}, {C::Descripcion, "Mesa de comedor\r\n"}, {C::Cantidad, "1"}}); },
         {"-1|NULL|NULL|Mesa de comedor\r\n"}},
        {"los blancos de la descripción sí se van", "RM",
         [&] { Fila({{C::Codigo, " MESA01 "}, {C::Descripcion, "  Mesa\t  "}, {C::Cantidad, "1"}}); },
         {"-1|NULL|NULL|Mesa\t"}},
        {"un lote que termina en tabulador es su propio lote", "RM",
         [&] {
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"}, {C::NroLote, "|L1|L1\t|"},
                   {C::NroSerie, "|2|3|"}});
         },
         {"-2|L1|NULL|", "-3|L1\t|NULL|"}},
        {"una serie de entrada que termina en CR", "AJP",
         [&] {
             Fila({{C::Codigo, "ATORN01"}, {C::Cantidad, "2"}, {C::PideSerie, "-1"}, {C::PideTalle, "0"},
                   {C::NroSerie, "|SN-1\r|SN-1|"}});
         },
         {"1|NULL|SN-1\r|", "1|NULL|SN-1|"}},
        {"una cantidad con CR final", "RM",
         [&] { Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "3\r"}}); },
         {"-3|NULL|NULL|"}},
        {"la cantidad de un lote con CR LF final", "RM",
         [&] {
             Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"}, {C::NroLote, "|L1|L2|"},
                   {C::NroSerie, "|2\r\n|3|"}});
         },
         {"-2|L1|NULL|", "-3|L2|NULL|"}},
    };
    int n = 0;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        NuevaGrilla();
        c.fila();
        Llamada l;
        l.TC = QString::fromLatin1(c.tc);
        l.SucNroLetra = QStringLiteral("00010000%1X").arg(9100 + n++);
        Postea(l);
        EXPECT_FALSE(l.HayError);
        EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT Cantidad, NroLote, NroSerie, Descripcion FROM V_MV_STOCK "
                                            "WHERE TC = '%1' AND IdComprobante = '%2' ORDER BY Secuencia")
                                 .arg(l.TC, l.SucNroLetra)),
                  c.lineas);
    }
    EXPECT_TRUE(avisos.preguntas.empty());
}

// A transfer's lists come as they leave the origin (lots in column 21, their
// quantities in column 22): the destination receives each lot with the
// quantity that left.
TEST_F(ActualizaStock_, LaTransferenciaTraeLoQueSaco)
{
    const QString chr255(ListasPipe::Chr255);
    struct Caso {
        const char* nombre;
        std::vector<std::pair<int, const char*>> celdas;
        QString lotes, cantidades;
        const char* loteFijo;
        QStringList lineas;
    };
    const std::vector<std::pair<int, const char*>> lote = {{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"}, {C::PideLote, "-1"},
                             {C::PideSerie, "0"},   {C::PideTalle, "0"}, {C::Perecedero, "0"}};
    const std::vector<Caso> casos = {
        {"dos lotes",
         lote,
         QStringLiteral("|L1|L2|"),
         QStringLiteral("|2|3|"),
         "",
         {"1|BARN01|1|-2|L1|NULL", "2|BARN01|1|-3|L2|NULL", "3|BARN01|2|2|L1|NULL", "4|BARN01|2|3|L2|NULL"}},
        {"lote y serie sin marca de serie",
         lote,
         QStringLiteral("|L1") + chr255 + QStringLiteral("S1|L2") + chr255 + QStringLiteral("S2|"),
         QStringLiteral("|4|1|"),
         "",
         {"1|BARN01|1|-4|L1|S1", "2|BARN01|1|-1|L2|S2", "3|BARN01|2|4|L1|S1", "4|BARN01|2|1|L2|S2"}},
        {"perecedero de dos lotes",
         {{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"}, {C::Perecedero, "-1"}, {C::PideSerie, "0"},
          {C::PideTalle, "0"}},
         QStringLiteral("|V1|V2|"),
         QStringLiteral("|1|4|"),
         "",
         {"1|BARN01|1|-1|V1|NULL", "2|BARN01|1|-4|V2|NULL", "3|BARN01|2|1|V1|NULL", "4|BARN01|2|4|V2|NULL"}},
        {"un solo lote",
         lote,
         QStringLiteral("|L1|"),
         QStringLiteral("|5|"),
         "",
         {"1|BARN01|1|-5|L1|NULL", "2|BARN01|2|5|L1|NULL"}},
        {"sin lotes, con el lote fijo a la llegada",
         {{C::Codigo, "MESA01"}, {C::Cantidad, "3"}, {C::PideTalle, "0"}},
         QString(),
         QString(),
         "LF",
         {"1|MESA01|1|-3|NULL|NULL", "2|MESA01|2|3|LF|NULL"}},
        {"con series, como antes",
         {{C::Codigo, "ATORN01"}, {C::Cantidad, "2"}, {C::PideSerie, "-1"}, {C::PideTalle, "0"}},
         u'|' + chr255 + QStringLiteral("SN1|") + chr255 + QStringLiteral("SN2|"),
         QStringLiteral("|1|1|"),
         "",
         {"1|ATORN01|1|-1|NULL|SN1", "2|ATORN01|1|-1|NULL|SN2", "3|ATORN01|2|1|NULL|SN1", "4|ATORN01|2|1|NULL|SN2"}},
    };
    int n = 0;
    for (const Caso& c : casos) {
        NuevaGrilla();
        Fila({});
        for (const auto& [col, texto] : c.celdas)
            g.setTextMatrix(1, col, QString::fromUtf8(texto));
        g.setTextMatrix(1, C::NroLote, c.lotes);
        g.setTextMatrix(1, C::NroSerie, c.cantidades);
        Llamada l;
        l.TC = QStringLiteral("TR");
        l.SucNroLetra = QStringLiteral("00010000%1X").arg(9300 + n++);
        l.EsTransferencia = true;
        l.IdDepositoDestino = QStringLiteral("2");
        l.LoteFijo = QString::fromLatin1(c.loteFijo);
        Postea(l);
        EXPECT_FALSE(l.HayError) << c.nombre;
        EXPECT_EQ(Lineas(l), c.lineas) << c.nombre;
    }
    EXPECT_TRUE(avisos.preguntas.empty());
}

// Every item of a list that leaves is a line of its own quantity: a lot taken
// twice, or an item without a lot (the depot's own stock beside positions),
// is neither lost nor posted with the lot or the quantity of another.
TEST_F(ActualizaStock_, CadaItemQueSaleEsUnaLinea)
{
    struct Caso {
        const char* nombre;
        const char* lotes;
        const char* cantidades;
        bool transferencia;
        QStringList lineas;   // "Secuencia|depot|Cantidad|NroLote|CantidadUD"
    };
    const std::vector<Caso> casos = {
        {"el mismo lote dos veces", "|L1|L1|", "|2|3|", false, {"1|1|-2|L1|-2", "2|1|-3|L1|-3"}},
        {"el mismo lote en otra caja", "|L1|l1|", "|2|3|", false, {"1|1|-2|L1|-2", "2|1|-3|l1|-3"}},
        {"un ítem sin lote en medio", "|L1||L3|", "|2|1|2|", false, {"1|1|-2|L1|-2", "2|1|-1|NULL|-1", "3|1|-2|L3|-2"}},
        {"el stock del depósito al final", "|L1|L2||", "|2|2|1|", false, {"1|1|-2|L1|-2", "2|1|-2|L2|-2", "3|1|-1|NULL|-1"}},
        {"un ítem sin lote ni cantidad", "|L1||L3|", "|2|0|3|", false, {"1|1|-2|L1|-2", "2|1|-3|L3|-3"}},
        {"una lista sin ningún lote es una fila sin lotes", "|||", "", false, {"1|1|-5|NULL|-5"}},
        {"transferencia del mismo lote dos veces", "|L1|L1|", "|2|3|", true,
         {"1|1|-2|L1|-2", "2|1|-3|L1|-3", "3|2|2|L1|2", "4|2|3|L1|3"}},
    };
    int n = 0;
    for (const Caso& c : casos) {
        NuevaGrilla();
        Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"}, {C::PideLote, "-1"}, {C::PideSerie, "0"},
              {C::PideTalle, "0"}, {C::Perecedero, "0"}});
        g.setTextMatrix(1, C::NroLote, QString::fromLatin1(c.lotes));
        g.setTextMatrix(1, C::NroSerie, QString::fromLatin1(c.cantidades));
        const Llamada l = PosteaComo(9400 + n++, c.transferencia);
        EXPECT_FALSE(l.HayError) << c.nombre;
        EXPECT_EQ(LineasCon("Secuencia, TRIM(IdDeposito), Cantidad, NroLote, CantidadUD", l), c.lineas) << c.nombre;
    }
    EXPECT_TRUE(avisos.preguntas.empty());
}

// A row in another unit than the base one (column 8 not 1): its lot lines share
// the row's quantity and its base-unit quantity by their own quantities, so the
// lines add up to the row instead of each moving the whole row.
TEST_F(ActualizaStock_, LosLotesDeUnaFilaEnOtraUnidadSeRepartenLaFila)
{
    struct Caso {
        const char* nombre;
        const char* lotes;
        const char* cantidades;
        const char* col74;
        bool transferencia;
        QStringList lineas;   // "Secuencia|Cantidad|NroLote|CantidadUD"
    };
    const std::vector<Caso> casos = {
        {"un solo lote", "|L1|", "|10|", "10", false, {"1|-5|L1|-10"}},
        {"dos lotes", "|L1|L2|", "|4|6|", "10", false, {"1|-2|L1|-4", "2|-3|L2|-6"}},
        {"sin cantidad en la unidad base", "|L1|L2|", "|4|6|", "", false, {"1|-2|L1|-2", "2|-3|L2|-3"}},
        {"transferencia de dos lotes", "|L1|L2|", "|4|6|", "10", true,
         {"1|-2|L1|-4", "2|-3|L2|-6", "3|2|L1|4", "4|3|L2|6"}},
    };
    int n = 0;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        NuevaGrilla();
        Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Unidad, "CAJ"}, {C::Coeficiente, "2"}, {C::UnidadBase, "UN"},
              {C::CantidadUD, c.col74}, {C::PideLote, "-1"}, {C::PideSerie, "0"}, {C::PideTalle, "0"}, {C::Perecedero, "0"},
              {C::NroLote, c.lotes}, {C::NroSerie, c.cantidades}});
        const Llamada l = PosteaComo(9450 + n++, c.transferencia);
        EXPECT_FALSE(l.HayError);
        EXPECT_EQ(LineasCon("Secuencia, Cantidad, NroLote, CantidadUD", l), c.lineas);
    }
}

// A transfer's two sides cancel out in the base unit too: a row in another unit
// without its base-unit quantity (column 74) leaves the origin with what the
// destination receives, its own quantity, instead of none.
TEST_F(ActualizaStock_, LaTransferenciaSacaEnLaUnidadBaseLoQueTrae)
{
    struct Caso {
        const char* nombre;
        const char* unidad;
        const char* coeficiente;
        const char* col74;
        QStringList lineas;   // "Secuencia|IdDeposito|Cantidad|CantidadUD"
    };
    const std::vector<Caso> casos = {
        {"otra unidad sin cantidad base", "CAJ", "12", "", {"1|1|-2.5|-2.5", "2|2|2.5|2.5"}},
        {"otra unidad con cantidad base", "CAJ", "12", "30", {"1|1|-2.5|-30", "2|2|2.5|30"}},
        {"la unidad base", "UN", "1", "", {"1|1|-2.5|-2.5", "2|2|2.5|2.5"}},
    };
    int n = 0;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        NuevaGrilla();
        Fila({{C::Codigo, "PERI01"}, {C::Cantidad, "2.5"}, {C::Unidad, c.unidad}, {C::Coeficiente, c.coeficiente},
              {C::UnidadBase, "UN"}, {C::CantidadUD, c.col74}, {C::Pesable, "0"}});
        const Llamada l = PosteaComo(9480 + n++, true);
        EXPECT_FALSE(l.HayError);
        EXPECT_EQ(LineasCon("Secuencia, TRIM(IdDeposito), Cantidad, CantidadUD", l), c.lineas);
    }
}

// A weighed article, and any row when the equivalent unit is confirmed: each
// lot or serial line writes its share of the row's base-unit or equivalent
// quantity, not the whole of it again.
TEST_F(ActualizaStock_, LasLineasDeUnaFilaPesadaOConfirmadaLlevanSuParte)
{
    const QString chr255(ListasPipe::Chr255);
    struct Caso {
        const char* nombre;
        const char* pesable;
        bool confirma;
        const char* tc;
        bool transferencia;
        QString lotes, series;
        QStringList lineas;   // "Secuencia|IdDeposito|Cantidad|NroLote|NroSerie|CantidadUD"
    };
    const std::vector<Caso> casos = {
        {"pesado, dos lotes que salen", "-1", false, "RM", false, QStringLiteral("|LA|LB|"), QStringLiteral("|2|3|"),
         {"1|1|-2|LA|NULL|-24", "2|1|-3|LB|NULL|-36"}},
        {"confirmada, dos lotes que salen", "0", true, "RM", false, QStringLiteral("|LA|LB|"), QStringLiteral("|2|3|"),
         {"1|1|-2|LA|NULL|-20", "2|1|-3|LB|NULL|-30"}},
        {"pesado, transferencia de dos lotes", "-1", false, "TR", true, QStringLiteral("|LA|LB|"), QStringLiteral("|2|3|"),
         {"1|1|-2|LA|NULL|-24", "2|1|-3|LB|NULL|-36", "3|2|2|LA|NULL|24", "4|2|3|LB|NULL|36"}},
        {"pesado, series que entran", "-1", false, "AJP", false, QString(),
         QStringLiteral("|A|B|C|D|E|"),
         {"1|1|1|NULL|A|12", "2|1|1|NULL|B|12", "3|1|1|NULL|C|12", "4|1|1|NULL|D|12", "5|1|1|NULL|E|12"}},
        {"confirmada, un solo lote", "0", true, "RM", false, QStringLiteral("|LA|"), QStringLiteral("|5|"),
         {"1|1|-5|LA|NULL|-50"}},
        {"pesado, sin lotes", "-1", false, "RM", false, QString(), QString(), {"1|1|-5|NULL|NULL|-60"}},
    };
    // The same rows in the base unit.
    const std::vector<Caso> enLaBase = {
        {"confirmada, dos lotes que salen", "0", true, "RM", false, QStringLiteral("|LA|LB|"), QStringLiteral("|2|3|"),
         {"1|1|-2|LA|NULL|-20", "2|1|-3|LB|NULL|-30"}},
        {"pesado, series que entran", "-1", false, "AJP", false, QString(), QStringLiteral("|A|B|C|D|E|"),
         {"1|1|1|NULL|A|12", "2|1|1|NULL|B|12", "3|1|1|NULL|C|12", "4|1|1|NULL|D|12", "5|1|1|NULL|E|12"}},
        {"pesado, dos lotes que salen", "-1", false, "RM", false, QStringLiteral("|LA|LB|"), QStringLiteral("|2|3|"),
         {"1|1|-2|LA|NULL|-2", "2|1|-3|LB|NULL|-3"}},
    };
    int n = 0;
    const auto postea = [&](const Caso& c, bool base) {
        SCOPED_TRACE(c.nombre + std::string(base ? " en la unidad base" : ""));
        Ajuste(s, QStringLiteral("ConfirmaUDEquiv"), c.confirma ? QStringLiteral("SI") : QStringLiteral("NO"));
        NuevaGrilla();
        Fila({{C::Codigo, "PERI01"}, {C::Cantidad, "5"}, {C::Unidad, base ? "UN" : "CAJ"}, {C::Coeficiente, base ? "1" : "12"},
              {C::UnidadBase, "UN"},
              {C::CantidadUD, "60"}, {C::UnidadEquiv, "KG"}, {C::CantidadEquiv, "50"}, {C::Pesable, c.pesable},
              {C::PideLote, "-1"}, {C::PideSerie, c.series.contains(u'A') ? "-1" : "0"}, {C::PideTalle, "0"},
              {C::Perecedero, "0"}});
        g.setTextMatrix(1, C::NroLote, c.lotes);
        g.setTextMatrix(1, C::NroSerie, c.series);
        Llamada l;
        l.TC = QString::fromLatin1(c.tc);
        l.SucNroLetra = QStringLiteral("00010000%1X").arg(9490 + n++);
        if (c.transferencia) {
            l.EsTransferencia = true;
            l.IdDepositoDestino = QStringLiteral("2");
        }
        Postea(l);
        EXPECT_FALSE(l.HayError);
        EXPECT_EQ(LineasCon("Secuencia, TRIM(IdDeposito), Cantidad, NroLote, NroSerie, CantidadUD", l), c.lineas);
    };
    for (const Caso& c : casos)
        postea(c, false);
    for (const Caso& c : enLaBase)
        postea(c, true);
}

// What enters by lot, serial or size in another unit than the base one: each
// line's base-unit quantity is its share of column 74, not its own figure in
// the row's unit.
TEST_F(ActualizaStock_, LoQueEntraEnOtraUnidadLlevaSuParteDeLaUnidadBase)
{
    const QString chr255(ListasPipe::Chr255);
    struct Caso {
        const char* nombre;
        const char* unidad;
        const char* coeficiente;
        const char* talle;
        const char* serie;
        QString lotes, series;
        QStringList lineas;   // "Cantidad|NroLote|NroSerie|CantidadUD"
    };
    const std::vector<Caso> casos = {
        {"un solo lote", "CAJ", "12", "0", "0", QStringLiteral("|L1|"), QString(), {"2|L1|NULL|24"}},
        {"series", "CAJ", "12", "0", "-1", QString(), QStringLiteral("|A|B|"), {"1|NULL|A|12", "1|NULL|B|12"}},
        {"talles", "CAJ", "12", "-1", "0", QStringLiteral("|T1|T2|"), QStringLiteral("|1|1|"),
         {"1|T1|NULL|12", "1|T2|NULL|12"}},
        {"lote y serie", "CAJ", "12", "0", "-1", QString(), QStringLiteral("|L1") + chr255 + QStringLiteral("S1|L1") + chr255 + QStringLiteral("S2|"),
         {"1|L1|S1|12", "1|L1|S2|12"}},
        {"la misma unidad, como antes", "UN", "12", "0", "-1", QString(), QStringLiteral("|A|B|"),
         {"1|NULL|A|1", "1|NULL|B|1"}},
    };
    int n = 0;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        NuevaGrilla();
        Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "2"}, {C::Unidad, c.unidad}, {C::Coeficiente, c.coeficiente},
              {C::UnidadBase, "UN"}, {C::CantidadUD, "24"}, {C::PideLote, "-1"}, {C::PideSerie, c.serie},
              {C::PideTalle, c.talle}, {C::Perecedero, "0"}});
        g.setTextMatrix(1, C::NroLote, c.lotes);
        g.setTextMatrix(1, C::NroSerie, c.series);
        Llamada l;
        l.TC = QStringLiteral("AJP");
        l.SucNroLetra = QStringLiteral("00010000%1X").arg(9470 + n++);
        Postea(l);
        EXPECT_FALSE(l.HayError);
        EXPECT_EQ(LineasCon("Cantidad, NroLote, NroSerie, CantidadUD", l), c.lineas);
    }
}

// The caller's sign gives the direction only: a value beyond 1 scales nothing.
TEST_F(ActualizaStock_, SignoRemotaSoloDaElSentido)
{
    struct Caso {
        const char* tc;
        short signoRemota;
        const char* linea;   // "Cantidad|CantidadUD|CANT_BL"
    };
    const Caso casos[] = {
        {"RM", 0, "-2|-2|-1"}, {"AJP", 0, "2|2|1"},  {"AJP", 1, "2|2|1"},  {"RM", -1, "-2|-2|-1"},
        {"RM", 2, "2|2|1"},    {"AJP", -3, "-2|-2|-1"}, {"RM", 32767, "2|2|1"}, {"AJP", -32768, "-2|-2|-1"},
    };
    int n = 0;
    for (const Caso& c : casos) {
        NuevaGrilla();
        Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "2"}, {C::Bultos, "1"}});
        Llamada l;
        l.TC = QString::fromLatin1(c.tc);
        l.SucNroLetra = QStringLiteral("00010000%1X").arg(9200 + n++);
        l.SignoRemota = c.signoRemota;
        Postea(l);
        EXPECT_FALSE(l.HayError) << c.tc << " " << c.signoRemota;
        EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT Cantidad, CantidadUD, CANT_BL FROM V_MV_STOCK WHERE TC = '%1' AND "
                                            "IdComprobante = '%2'")
                                 .arg(l.TC, l.SucNroLetra)),
                  QStringList{QString::fromLatin1(c.linea)})
            << c.tc << " " << c.signoRemota;
    }
}

TEST_F(ActualizaStock_, LoteAutomaticoDespuesDel10)
{
    Ajuste(s, QStringLiteral("AsignacionAutomaticaDeLoteING"), QStringLiteral("SI"));
    bd().Ejecuta(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, NroLote) VALUES ('AJP', '000100009001X', ' 9'), "
                                "('AJP', '000100009002X', ' 10')"));
    Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "1"}, {C::Perecedero, "-1"}});
    Llamada l;
    l.TC = QStringLiteral("AJP");
    l.SucNroLetra = QStringLiteral("000100009003X");
    Postea(l);
    EXPECT_EQ(l.LoteFijo, QStringLiteral("11"));
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT '[' || NroLote || ']' FROM V_MV_STOCK WHERE IdComprobante = '000100009003X'")),
              QStringList{QStringLiteral("[ 11]")});
    EXPECT_EQ(clase->ObtieneLoteAutomatico(), QStringLiteral("12"));
}

TEST_F(ActualizaStock_, RecepcionDeLaOrdenDeCompra)
{
    bd().Ejecuta(QStringLiteral("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE) VALUES ('OC', '000100009003X'), "
                                "('OC', '000100009004X')"));
    const auto recepciones = [&] {
        return s.bd.Filas(QStringLiteral("SELECT IDCOMPROBANTE, FechaRecepcion FROM C_MV_CPTE WHERE IDCOMPROBANTE IN "
                                         "('000100009003X', '000100009004X') ORDER BY 1"));
    };
    const auto limpia = [&] { bd().Ejecuta(QStringLiteral("UPDATE C_MV_CPTE SET FechaRecepcion = NULL")); };
    const auto compra = [&](const char* tc, bool diferido) {
        NuevaGrilla();
        Fila({{C::Codigo, "TABPIN"}, {C::Cantidad, "10"}});
        Llamada l;
        l.TC = QString::fromLatin1(tc);
        l.TcOrigen = QStringLiteral("oc");
        l.ComprobanteOrigen = QStringLiteral("000100009003X");
        l.GeneraSentenciaSQL = diferido;
        Postea(l);
        return l;
    };
    const QStringList recibida = {QStringLiteral("000100009003X|10/12/2026 00:00"), QStringLiteral("000100009004X|NULL")};
    const QStringList ninguna = {QStringLiteral("000100009003X|NULL"), QStringLiteral("000100009004X|NULL")};

    Ajuste(s, QStringLiteral("IR_Oblig"), QStringLiteral("NO"));
    Llamada l = compra("FCC", true);
    EXPECT_FALSE(l.HayError);
    EXPECT_EQ(recepciones(), recibida) << "deferred: run at once all the same";
    EXPECT_TRUE(l.SQLTemp.startsWith(QStringLiteral("\rINSERT INTO V_MV_STOCK(")));

    // A posting that then fails keeps the reception.
    limpia();
    s.bd.SqlDirecto(QStringLiteral("CREATE TRIGGER rechaza BEFORE INSERT ON V_MV_STOCK BEGIN SELECT RAISE(ABORT, 'rechazada'); END"));
    l = compra("RMC", false);
    EXPECT_TRUE(l.HayError);
    EXPECT_EQ(recepciones(), recibida);
    s.bd.SqlDirecto(QStringLiteral("DROP TRIGGER rechaza"));

    limpia();
    Ajuste(s, QStringLiteral("IR_Oblig"), QStringLiteral("SI"));
    compra("FCC", true);
    EXPECT_EQ(recepciones(), ninguna) << "IR_Oblig on";

    bd().Ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'IR_Oblig'"));
    compra("RMC", true);
    EXPECT_EQ(recepciones(), recibida) << "a missing IR_Oblig is off";

    // A reception that fails is passed over; the posting completes.
    limpia();
    s.bd.SqlDirecto(QStringLiteral("CREATE TRIGGER sin_recepcion BEFORE UPDATE ON C_MV_CPTE BEGIN SELECT RAISE(ABORT, 'no'); END"));
    l = compra("FCC", false);
    EXPECT_FALSE(l.HayError);
    EXPECT_EQ(recepciones(), ninguna);
    EXPECT_TRUE(avisos.preguntas.size() == 1u) << "only the refused RMC line was reported";
}

TEST_F(ActualizaStock_, ClaseDeMovimientoDelAsientoDiferido)
{
    // Each kind books its own reason (or side): the contra line tells which.
    bd().Ejecuta(QStringLiteral("INSERT INTO MA_CUENTAS (Codigo) VALUES ('9.1'), ('9.2'), ('9.3'), ('9.5')"));
    bd().Ejecuta(QStringLiteral("INSERT INTO V_TA_MOTIVOSTOCK (IDMOTIVOSTOCK, Descripcion, CUENTACONTABLE) VALUES "
                                "('R1', 'Remito', '9.1'), ('R2', 'Comodato', '9.2'), ('R3', 'Transferencia', '9.3'), "
                                "('R5', 'Recepción', '9.5')"));
    Ajuste(s, QStringLiteral("MotivoStockRemito"), QStringLiteral("R1"));
    Ajuste(s, QStringLiteral("MotivoStockComodato"), QStringLiteral("R2"));
    Ajuste(s, QStringLiteral("MotivoStockTransferencias"), QStringLiteral("R3"));
    Ajuste(s, QStringLiteral("MotivoStockRecepcionOC"), QStringLiteral("R5"));
    Ajuste(s, QStringLiteral("CuentaCtroDist"), QStringLiteral("C0009"));
    Ajuste(s, QStringLiteral("IR_Oblig"), QStringLiteral("SI"));
    struct Caso {
        const char* tc;
        const char* origen;
        const char* cuenta;
        const char* comodato;
        const char* contra;   // account and side of the first entry line
    };
    const Caso casos[] = {
        {"RM", "", "C0009", "1", "9.2|D"},   // the loan wins over the distribution account
        {"RM", "", "C0009", "0", "9.3|D"},
        {"RM", "", "PorDefault", "0", "9.1|D"},
        {"IR", "RM", "PorDefault", "0", "9.3|H"},
        {"IR", "OC", "PorDefault", "0", "9.5|H"},
        {"RMC", "", "PorDefault", "0", "9.5|H"},
        {"AJN", "", "PorDefault", "0", "5.1.1.01|D"},   // kind 0: the reason passed
    };
    int numero = 9020;
    for (const Caso& c : casos) {
        NuevaGrilla();
        Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Costo, "100"}, {C::PrecioSinIVA, "100"},
              {C::EnComodato, c.comodato}});
        Llamada l;
        l.TC = QString::fromLatin1(c.tc);
        l.SucNroLetra = QStringLiteral("0001%1X").arg(++numero, 8, 10, QLatin1Char('0'));
        l.TcOrigen = QString::fromLatin1(c.origen);
        l.ComprobanteOrigen = l.TcOrigen.isEmpty() ? QString() : QStringLiteral("000100009001X");
        l.Cuenta = QString::fromLatin1(c.cuenta);
        l.IdMotivoStock = QStringLiteral("VTA");
        l.GeneraSentenciaSQL = true;
        Postea(l);
        const qsizetype desde = l.SQLTemp.indexOf(QStringLiteral("INSERT INTO MV_ASIENTOS"));
        ASSERT_GE(desde, 0) << c.tc << " " << c.origen;
        const ColumnasInsert contra = LeeInsert(l.SQLTemp.mid(desde).section(u'\r', 0, 0));
        EXPECT_EQ(contra["Cuenta"] + u'|' + contra["[DEBE-HABER]"],
                  u'\'' + QString::fromLatin1(c.contra).replace(u'|', QStringLiteral("'|'")) + u'\'')
            << c.tc << " " << c.origen << " " << c.cuenta;
    }
}

TEST_F(ActualizaStock_, LaMismaGrillaAlInstanteYDiferida)
{
    const auto grilla = [&] {
        NuevaGrilla();
        Fila({{C::Codigo, "BARN01"}, {C::Descripcion, "Barniz"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"},
              {C::Unidad, "LT"}, {C::UnidadBase, "LT"}, {C::NroLote, "|L2601|L2602|"}, {C::NroSerie, "|2|3|"},
              {C::Costo, "7800"}, {C::Bultos, "1"}});
        Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Deposito, "2"}, {C::Costo, "85000"}, {C::EnComodato, "0"}});
    };
    const auto movimientos = [&] {
        return s.bd.Filas(QStringLiteral("SELECT * FROM V_MV_STOCK WHERE TC = 'RM' AND IdComprobante = '000100009001X'"))
            .replaceInStrings(
            QRegularExpression(QStringLiteral("^\\d+\\|")), QString());
    };
    grilla();
    Llamada l;
    Postea(l);
    ASSERT_FALSE(l.HayError);
    const QStringList alInstante = movimientos();
    ASSERT_EQ(alInstante.size(), 3);
    bd().Ejecuta(QStringLiteral("DELETE FROM V_MV_STOCK WHERE TC = 'RM' AND IdComprobante = '000100009001X'"));

    grilla();
    Llamada d;
    d.GeneraSentenciaSQL = true;
    Postea(d);
    ASSERT_FALSE(d.HayError);
    EXPECT_TRUE(movimientos().isEmpty()) << "deferred runs nothing";
    bd().Ejecuta(QStringLiteral("BEGIN TRANSACTION") + d.SQLTemp + QStringLiteral("\rCOMMIT TRANSACTION"));
    EXPECT_EQ(movimientos(), alInstante);
}

TEST_F(ActualizaStock_, ElAsientoUnaVezPorFila)
{
    // Three lots of one row: booked once, 5 x 7800.
    Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"}, {C::NroLote, "|L1|L2|L3|"},
          {C::NroSerie, "|1|1|3|"}, {C::Costo, "7800"}});
    Llamada l;
    l.IdMotivoStock = QStringLiteral("VTA");
    Postea(l);
    ASSERT_EQ(Lineas(l).size(), 3);
    EXPECT_EQ(Asientos(QStringLiteral("00009001")),
              QStringList({QStringLiteral("1.1.5.01|H|39000"), QStringLiteral("5.1.1.01|D|39000")}));

    // A transfer row, two passes: booked once.
    NuevaGrilla();
    Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "2"}, {C::Costo, "85000"}});
    Llamada t;
    t.TC = QStringLiteral("TR");
    t.SucNroLetra = QStringLiteral("000100009002X");
    t.EsTransferencia = true;
    t.IdDepositoDestino = QStringLiteral("2");
    t.IdMotivoStock = QStringLiteral("TRF");
    Postea(t);
    ASSERT_EQ(Lineas(t).size(), 2);
    EXPECT_EQ(Asientos(QStringLiteral("00009002")),
              QStringList({QStringLiteral("1.1.5.01|D|170000"), QStringLiteral("1.1.5.02|H|170000")}));

    // Each row its own reason, at once and deferred alike.
    const auto porFila = [&](const char* numero, bool diferido) {
        PosteaConMotivosPorFila(numero, "VTA", diferido);
        return Asientos(QString::fromLatin1(numero));
    };
    const QStringList esperado = {QStringLiteral("1.1.5.01|D|24000"), QStringLiteral("1.1.5.01|H|24000"),
                                  QStringLiteral("1.1.5.02|H|85000"), QStringLiteral("5.1.1.01|D|85000")};
    EXPECT_EQ(porFila("00009003", false), esperado);
    EXPECT_EQ(porFila("00009004", true), esperado);
    EXPECT_TRUE(avisos.preguntas.empty());
}

// A posting whose first rows book nothing (a reason without a row, say) numbers
// the entry of its first booked row afresh: it never joins the entry an earlier
// posting left in the class.
TEST_F(ActualizaStock_, ElAsientoNoSeSumaAlDeOtroComprobante)
{
    const auto numeros = [&](const char* numero) {
        return s.bd.Filas(QStringLiteral("SELECT DISTINCT [Numero Asiento] FROM MV_ASIENTOS WHERE NUMERO = '%1'")
                              .arg(QLatin1String(numero)));
    };
    for (const bool diferido : {false, true}) {
        SCOPED_TRACE(diferido ? "diferido" : "al instante");
        NuevaGrilla();
        Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Costo, "85000"}});
        Llamada primero;
        primero.TC = QStringLiteral("AJN");
        primero.SucNroLetra = diferido ? QStringLiteral("000100009011X") : QStringLiteral("000100009001X");
        primero.IdMotivoStock = QStringLiteral("VTA");
        Postea(primero);
        ASSERT_FALSE(primero.HayError);
        const QStringList anterior = numeros(diferido ? "00009011" : "00009001");
        ASSERT_EQ(anterior.size(), 1);

        PosteaConMotivosPorFila(diferido ? "00009012" : "00009002", "ZZZ", diferido);
        EXPECT_EQ(numeros(diferido ? "00009012" : "00009002"),
                  QStringList{QString::number(anterior.value(0).toInt() + 1)});
    }
}

TEST_F(ActualizaStock_, TodoONada)
{
    bd().Ejecuta(QStringLiteral("CREATE TABLE escrituras (n INTEGER)"));
    const auto mixta = [&] {
        NuevaGrilla();
        Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"}, {C::NroLote, "|L1|L2|"},
              {C::NroSerie, "|2|3|"}, {C::Costo, "7800"}});
        Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Costo, "85000"}});
    };
    // Every writing statement counts itself; the k-th one fails (k 0: none).
    const auto contador = [&](int k) {
        for (const char* t : {"cuenta_stock", "cuenta_asiento", "cuenta_asiento_upd"})
            s.bd.SqlDirecto(QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(QLatin1String(t)));
        const QString cuerpo = QStringLiteral(" BEGIN INSERT INTO escrituras VALUES (1); SELECT RAISE(ABORT, 'falla inyectada') "
                                              "WHERE (SELECT COUNT(*) FROM escrituras) = %1; END").arg(k);
        s.bd.SqlDirecto(QStringLiteral("CREATE TRIGGER cuenta_stock BEFORE INSERT ON V_MV_STOCK") + cuerpo);
        s.bd.SqlDirecto(QStringLiteral("CREATE TRIGGER cuenta_asiento BEFORE INSERT ON MV_ASIENTOS") + cuerpo);
        // The amount only: the date columns are rewritten by triggers of their own.
        s.bd.SqlDirecto(QStringLiteral("CREATE TRIGGER cuenta_asiento_upd BEFORE UPDATE OF Importe ON MV_ASIENTOS") + cuerpo);
    };
    contador(0);
    mixta();
    Llamada limpio;
    limpio.SucNroLetra = QStringLiteral("000100009050X");
    limpio.IdMotivoStock = QStringLiteral("VTA");
    Postea(limpio);
    ASSERT_FALSE(limpio.HayError);
    const int escrituras = s.bd.Filas(QStringLiteral("SELECT COUNT(*) FROM escrituras")).value(0).toInt();
    EXPECT_EQ(escrituras, 3 + 4) << "three lines, two entries of two lines each";
    ASSERT_EQ(Lineas(limpio).size(), 3);
    bd().Ejecuta(QStringLiteral("DELETE FROM escrituras"));

    auto cartel = std::make_unique<CartelGrabado>();
    CartelGrabado* grabado = cartel.get();
    gCartel.Reemplazar(std::move(cartel));
    const QStringList antes = Todo();
    for (int k = 1; k <= escrituras; ++k) {
        contador(k);
        mixta();
        avisos.preguntas.clear();
        grabado->llamadas.clear();
        Llamada l;
        l.IdMotivoStock = QStringLiteral("VTA");
        l.MuestraCartel = true;
        l.SQLTemp = QStringLiteral("previo");
        Postea(l);
        EXPECT_TRUE(l.HayError) << k;
        EXPECT_EQ(l.SQLTemp, QStringLiteral("previo")) << k;
        ASSERT_FALSE(avisos.preguntas.empty()) << k;
        EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("falla inyectada"))) << k;
        EXPECT_EQ(Todo(), antes) << k;
        EXPECT_EQ(grabado->llamadas.value(grabado->llamadas.size() - 1), QStringLiteral("Cerrar")) << k;
        EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("0")}) << k;
    }

    // Inside a caller's transaction: its own earlier write stays.
    contador(2);
    mixta();
    // The caller's transaction is on the program's session, the one the posting writes through.
    gSesionBD->Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    gSesionBD->Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('PROPIA')"));
    Llamada dentro;
    Postea(dentro);
    EXPECT_TRUE(dentro.HayError);
    EXPECT_EQ(BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("1")});
    gSesionBD->Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave = 'PROPIA'")),
              QStringList{QStringLiteral("1")});
    EXPECT_EQ(Todo(), antes);

    // Retry once, then it goes: each line written once.
    for (const char* t : {"cuenta_stock", "cuenta_asiento", "cuenta_asiento_upd"})
        s.bd.SqlDirecto(QStringLiteral("DROP TRIGGER %1").arg(QLatin1String(t)));
    bd().Ejecuta(QStringLiteral("CREATE TABLE una_vez (n INTEGER)"));
    bd().Ejecuta(QStringLiteral("INSERT INTO una_vez VALUES (1)"));
    s.bd.SqlDirecto(QStringLiteral("CREATE TRIGGER una_vez BEFORE INSERT ON V_MV_STOCK WHEN NEW.Secuencia = 2 AND "
                                   "EXISTS (SELECT 1 FROM una_vez) BEGIN SELECT RAISE(ABORT, 'una vez'); END"));
    avisos.preguntas.clear();
    avisos.accion = [&] { gSesionBD->Ejecuta(QStringLiteral("DELETE FROM una_vez")); };
    avisos.Responder({4});
    mixta();
    Llamada reintento;
    reintento.SucNroLetra = QStringLiteral("000100009060X");
    Postea(reintento);
    avisos.accion = nullptr;
    EXPECT_FALSE(reintento.HayError);
    EXPECT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(Lineas(reintento), QStringList({"1|BARN01|1|-2|L1|NULL", "2|BARN01|1|-3|L2|NULL", "3|MESA01|1|-1|NULL|NULL"}));

    // Ignore on a refused line: the operator is told, nothing stays.
    s.bd.SqlDirecto(QStringLiteral("DROP TRIGGER una_vez"));
    s.bd.SqlDirecto(QStringLiteral("CREATE TRIGGER siempre BEFORE INSERT ON V_MV_STOCK WHEN NEW.Secuencia = 3 "
                                   "BEGIN SELECT RAISE(ABORT, 'rechazada siempre'); END"));
    const QStringList antesIgnorar = Todo();
    avisos.preguntas.clear();
    avisos.Responder({5});
    mixta();
    Llamada ignora;
    ignora.SucNroLetra = QStringLiteral("000100009070X");
    Postea(ignora);
    EXPECT_TRUE(ignora.HayError);
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_EQ(avisos.preguntas[1].titulo, QStringLiteral("Aviso al operador"));
    EXPECT_TRUE(avisos.preguntas[1].texto.contains(QStringLiteral("rechazada siempre")));
    EXPECT_EQ(avisos.preguntas[1].botones, Avisos::Critico);
    EXPECT_EQ(Todo(), antesIgnorar);

    // Deferred, a line that cannot be built: the batch comes back as it went.
    NuevaGrilla();
    Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}});
    Fila({{C::Codigo, "MESA02"}, {C::Cantidad, "1"}, {C::IdInsercion, "no es número"}});
    Llamada diferida;
    diferida.GeneraSentenciaSQL = true;
    diferida.SQLTemp = QStringLiteral("previo");
    diferida.MuestraCartel = false;
    grabado->llamadas.clear();
    Postea(diferida);
    EXPECT_TRUE(diferida.HayError);
    EXPECT_EQ(diferida.SQLTemp, QStringLiteral("previo"));
    EXPECT_EQ(grabado->llamadas, QStringList({QStringLiteral("Cerrar"), QStringLiteral("Cerrar")}))
        << "the trap closes the notice, shown or not";
}

// The posting's own commit refused: abandoned or passed over, nothing stays
// pending; tried again, the posting stands once.
TEST_F(ActualizaStock_, SuConfirmacionRechazada)
{
    const auto grilla = [&] {
        NuevaGrilla();
        Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Costo, "85000"}});
    };
    InyectorFallas& inyector = gSesionBD->Conexion.Inyector;
    grilla();
    Llamada limpio;
    limpio.SucNroLetra = QStringLiteral("000100009080X");
    inyector.PonerACero();
    Postea(limpio);
    ASSERT_FALSE(limpio.HayError);
    const long sentencias = inyector.Contadas();
    const QStringList antes = Todo();
    struct Caso {
        int respuesta;
        bool queda;
    };
    int n = 0;
    for (const Caso c : {Caso{3, false}, Caso{5, false}, Caso{4, true}}) {
        grilla();
        Llamada l;
        l.SucNroLetra = QStringLiteral("00010000909%1X").arg(n++);
        avisos.preguntas.clear();
        avisos.Responder({c.respuesta});
        inyector.PonerACero();
        inyector.FallaLaSentencia(sentencias, 10054, QStringLiteral("Se perdió la conexión"));
        Postea(l);
        inyector.Desarma();
        EXPECT_EQ(l.HayError, !c.queda) << c.respuesta;
        ASSERT_FALSE(avisos.preguntas.empty()) << c.respuesta;
        EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("Se perdió la conexión"))) << c.respuesta;
        EXPECT_EQ(BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("0")})
            << c.respuesta;
        if (c.queda)
            EXPECT_EQ(Lineas(l).size(), 1) << c.respuesta;
        else
            EXPECT_EQ(Todo(), antes) << c.respuesta;
    }
}

// Another operator holds the database: the posting's transaction cannot open
// (this session waits for nothing). Passed over, it posts nothing, rather than
// its lines one by one outside a transaction, where the other operator coming
// back at the second line left the first one stored.
TEST_F(ActualizaStock_, UnAmbitoQueNoAbrePasadoPorAltoNoPosteaNada)
{
    NuevaGrilla();
    Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Costo, "85000"}});
    Fila({{C::Codigo, "MESA03"}, {C::Cantidad, "2"}, {C::Costo, "60000"}});
    const QStringList antes = Todo();
    gSesionBD->Conexion.CommandTimeout = 0;
    SesionBD& otro = bd();
    otro.Conexion.CommandTimeout = 0;
    bool ocupada = false;
    const auto ocupa = [&] {
        otro.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
        otro.Ejecuta(QStringLiteral("UPDATE TA_MENU SET Nombre = Nombre"));
        ocupada = true;
    };
    const auto libera = [&] {
        if (ocupada)
            otro.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
        ocupada = false;
    };
    ocupa();
    // The other operator is done while this one reads the failure.
    avisos.accion = libera;
    int lineas = 0;
    gSesionBD->Conexion.Inyector.Observador = [&](const QString& t) {
        if (t.contains(QStringLiteral("INSERT INTO V_MV_STOCK"), Qt::CaseInsensitive) && ++lineas == 2)
            ocupa();
    };
    avisos.Responder({RespuestaError::Continuar});
    Llamada l;
    l.SucNroLetra = QStringLiteral("000100009300X");
    Postea(l);
    gSesionBD->Conexion.Inyector.Observador = nullptr;
    avisos.accion = nullptr;
    libera();
    EXPECT_TRUE(l.HayError);
    ASSERT_FALSE(avisos.preguntas.empty());
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::AbortarReintentarIgnorar | Avisos::Critico);
    EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("Se superó el tiempo de espera del bloqueo")))
        << avisos.preguntas[0].texto.toStdString();
    EXPECT_EQ(Todo(), antes);
    EXPECT_EQ(BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("0")});
}

// A line the database refuses, passed over at the error manager: the posting
// is undone before the operator is told, so another operator's write does not
// wait on the open message box.
TEST_F(ActualizaStock_, UnaLineaRechazadaSeDeshaceAntesDelAviso)
{
    s.bd.SqlDirecto(QStringLiteral("CREATE TRIGGER rechaza_mesa03 BEFORE INSERT ON V_MV_STOCK WHEN NEW.IDARTICULO LIKE "
                                   "'MESA03%' BEGIN SELECT RAISE(ABORT, 'línea rechazada'); END"));
    NuevaGrilla();
    Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Costo, "85000"}});
    Fila({{C::Codigo, "MESA03"}, {C::Cantidad, "2"}, {C::Costo, "60000"}});
    const QStringList antes = Todo();
    SesionBD& otro = bd();
    otro.Conexion.CommandTimeout = 0;
    long fallaDelOtro = -1;
    int preguntas = 0;
    avisos.accion = [&] {
        // The first question is the error manager's, whose retry needs the transaction.
        if (++preguntas != 2)
            return;
        fallaDelOtro = 0;
        try {
            otro.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('OTRO')"));
        } catch (const Falla& f) {
            fallaDelOtro = f.Numero;
        }
    };
    avisos.Responder({RespuestaError::Continuar});
    Llamada l;
    l.SucNroLetra = QStringLiteral("000100009320X");
    Postea(l);
    avisos.accion = nullptr;
    EXPECT_TRUE(l.HayError);
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_EQ(avisos.preguntas[1].titulo, QStringLiteral("Aviso al operador"));
    EXPECT_EQ(avisos.preguntas[1].texto, QStringLiteral("línea rechazada"));
    EXPECT_EQ(fallaDelOtro, 0);
    EXPECT_EQ(Todo(), antes);
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT Clave FROM TA_MENU WHERE Clave = 'OTRO'")), QStringList{QStringLiteral("OTRO")});
    EXPECT_EQ(BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("0")});
}

// A production order posted while another operator adds a line to it: the
// order's highest line is read inside the posting's transaction, so the new
// lines follow the other's; read before it, they took its number again.
TEST_F(ActualizaStock_, LaOrdenDeProduccionSigueALaLineaQueOtroAgregoEntretanto)
{
    bd().Ejecuta(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, Secuencia, IDARTICULO, IDDEPOSITO, CANTIDAD) "
                                "VALUES ('OP', '000100009310X', 7, 'MESA02', '1', 1)"));
    NuevaGrilla();
    Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}});
    bool agregada = false;
    gSesionBD->Conexion.Inyector.Observador = [&](const QString& t) {
        if (agregada || !t.startsWith(QStringLiteral("BEGIN TRAN"), Qt::CaseInsensitive))
            return;
        agregada = true;
        bd().Ejecuta(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, Secuencia, IDARTICULO, IDDEPOSITO, "
                                    "CANTIDAD) VALUES ('OP', '000100009310X', 9, 'MESA03', '1', 1)"));
    };
    Llamada l;
    l.TC = QStringLiteral("OP");
    l.SucNroLetra = QStringLiteral("000100009310X");
    Postea(l);
    gSesionBD->Conexion.Inyector.Observador = nullptr;
    ASSERT_TRUE(agregada);
    EXPECT_FALSE(l.HayError);
    EXPECT_EQ(Lineas(l), (QStringList{QStringLiteral("7|MESA02|1|1|NULL|NULL"), QStringLiteral("9|MESA03|1|1|NULL|NULL"),
                                      QStringLiteral("11|MESA01|1|1|NULL|NULL")}));
}

// Any statement of the posting failing, reads included: the operator is told,
// the caller gets the failure and nothing stays (a failure the posting passes
// over by design leaves the whole posting).
TEST_F(ActualizaStock_, FallaEnCadaSentencia)
{
    struct Caso {
        const char* nombre;
        bool transferencia;
        bool diferido;
    };
    const auto grilla = [&] {
        NuevaGrilla();
        Fila({{C::Codigo, "BARN01"}, {C::Cantidad, "5"}, {C::Coeficiente, "1"}, {C::NroLote, "|L1|L2|"},
              {C::NroSerie, "|2|3|"}, {C::Costo, "7800"}});
        Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}, {C::Costo, "85000"}});
    };
    InyectorFallas& inyector = gSesionBD->Conexion.Inyector;
    int n = 0;
    for (const Caso c : {Caso{"RM", false, false}, Caso{"TR", true, false}, Caso{"RM diferido", false, true}}) {
        const auto llamada = [&] {
            Llamada l;
            l.SucNroLetra = QStringLiteral("00010000%1X").arg(9200 + n++);
            l.IdMotivoStock = QStringLiteral("VTA");
            l.GeneraSentenciaSQL = c.diferido;
            l.SQLTemp = QStringLiteral("previo");
            if (c.transferencia) {
                l.TC = QStringLiteral("TR");
                l.EsTransferencia = true;
                l.IdDepositoDestino = QStringLiteral("2");
            }
            return l;
        };
        grilla();
        avisos.preguntas.clear();
        const QStringList antes = Todo();
        Llamada limpio = llamada();
        QStringList sentencias;
        inyector.Observador = [&](const QString& t) { sentencias << t; };
        Postea(limpio);
        inyector.Observador = nullptr;
        ASSERT_FALSE(limpio.HayError) << c.nombre;
        ASSERT_TRUE(avisos.preguntas.empty()) << c.nombre;
        const char* columnas = "Secuencia, TRIM(IdArticulo), TRIM(IdDeposito), Cantidad, NroLote, NroSerie";
        const QStringList entero = LineasCon(columnas, limpio);
        bd().Ejecuta(QStringLiteral("DELETE FROM V_MV_STOCK WHERE IdComprobante = '%1'").arg(limpio.SucNroLetra));
        bd().Ejecuta(QStringLiteral("DELETE FROM MV_ASIENTOS WHERE NUMERO = '%1'").arg(limpio.SucNroLetra.mid(4, 8)));
        ASSERT_EQ(Todo(), antes) << c.nombre;
        for (int k = 1; k <= sentencias.size(); ++k) {
            SCOPED_TRACE(QStringLiteral("%1, sentencia %2: %3").arg(QLatin1String(c.nombre)).arg(k).arg(sentencias[k - 1])
                             .toStdString());
            grilla();
            avisos.preguntas.clear();
            Llamada l = llamada();
            inyector.FallaLaSentencia(k, 10054, QStringLiteral("Falla inyectada %1").arg(k));
            Postea(l);
            const bool alcanzada = !inyector.Armado();
            inyector.Desarma();
            EXPECT_TRUE(alcanzada);
            EXPECT_EQ(BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("0")});
            // Nor does the engine keep a transaction or a statement of it open.
            const EstadoMotor motor = gSesionBD->Conexion.Estado();
            EXPECT_FALSE(motor.enTransaccion);
            EXPECT_EQ(motor.sentenciasVivas, 0);
            while (BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT @@TRANCOUNT")) != QStringList{QStringLiteral("0")})
                gSesionBD->Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
            if (!l.HayError) {
                // Passed over: the posting went on and is whole.
                if (c.diferido)
                    EXPECT_FALSE(l.SQLTemp == QStringLiteral("previo"));
                else
                    EXPECT_EQ(LineasCon(columnas, l), entero);
            } else {
                EXPECT_EQ(l.SQLTemp, QStringLiteral("previo"));
                bool visto = false;
                for (const PreguntaGrabada& pr : avisos.preguntas)
                    visto = visto || pr.texto.contains(QStringLiteral("Falla inyectada %1").arg(k));
                EXPECT_TRUE(visto) << "no message named the failure";
                EXPECT_EQ(Todo(), antes);
            }
            bd().Ejecuta(QStringLiteral("DELETE FROM V_MV_STOCK WHERE IdComprobante = '%1'").arg(l.SucNroLetra));
            bd().Ejecuta(QStringLiteral("DELETE FROM MV_ASIENTOS WHERE NUMERO = '%1'").arg(l.SucNroLetra.mid(4, 8)));
        }
    }
}

TEST_F(ActualizaStock_, UnidadDeNegocioYCartel)
{
    auto cartel = std::make_unique<CartelGrabado>();
    CartelGrabado* grabado = cartel.get();
    gCartel.Reemplazar(std::move(cartel));
    Fila({{C::Codigo, "MESA01"}, {C::Descripcion, "Mesa de comedor"}, {C::Cantidad, "1"}});
    Fila({{C::Codigo, "SILLA01"}, {C::Descripcion, "Silla"}, {C::Cantidad, "2"}});

    gUnegocio = QStringLiteral("  ");
    s.bd.Sesion().LimpiaBitacora();
    gSesionBD->LimpiaBitacora();
    Llamada l;
    l.MuestraCartel = true;
    l.SQLTemp = QStringLiteral("previo");
    Postea(l);
    EXPECT_TRUE(l.HayError);
    EXPECT_EQ(l.SQLTemp, QStringLiteral("previo"));
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("ERROR EN ASIGNACION DE UNIDAD DE NEGOCIO\r\nVerifique si el "
                                                        "usuario tiene asignado una unidad de negocio"));
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::Critico);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Atencion!"));
    EXPECT_TRUE(s.Enviado().isEmpty());
    EXPECT_TRUE(grabado->llamadas.isEmpty());

    gUnegocio = QStringLiteral("   1");
    l.HayError = false;
    Postea(l);
    EXPECT_FALSE(l.HayError);
    EXPECT_EQ(grabado->llamadas,
              QStringList({QStringLiteral("Inicio|Grabando Stock...."),
                           QStringLiteral("Mostrar|Grabando Stock...|MESA01  Mesa de comedor|1 de 2"),
                           QStringLiteral("Mostrar|Grabando Stock...|SILLA01  Silla|2 de 2"), QStringLiteral("Cerrar")}));
}

TEST_F(ActualizaStock_, UnClicEsperaAQueTermineElPosteo)
{
    QPushButton boton(QStringLiteral("Grabar"));
    boton.show();
    bool enCurso = false, clicDuranteElPosteo = false, clics = false, temporizador = false;
    QObject::connect(&boton, &QPushButton::clicked, [&] {
        clics = true;
        clicDuranteElPosteo = enCurso;
    });
    Fila({{C::Codigo, "MESA01"}, {C::Cantidad, "1"}});
    QTimer::singleShot(0, [&] { temporizador = enCurso; });
    const QPoint centro = boton.rect().center();
    QCoreApplication::postEvent(&boton, new QMouseEvent(QEvent::MouseButtonPress, centro, boton.mapToGlobal(centro),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(&boton, new QMouseEvent(QEvent::MouseButtonRelease, centro, boton.mapToGlobal(centro),
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    Llamada l;
    enCurso = true;
    Postea(l);
    enCurso = false;
    EXPECT_FALSE(l.HayError);
    EXPECT_TRUE(temporizador) << "the posting let timers run";
    EXPECT_FALSE(clics);
    QCoreApplication::processEvents();
    EXPECT_TRUE(clics);
    EXPECT_FALSE(clicDuranteElPosteo);
}

// The disk fails under a posting at once: each write, flush, read or journal
// in turn. Whether the operator leaves or passes over every failure, the
// movement and its entry are stored whole or not at all, a failure is told in
// Spanish and handed back, and nothing stays open.
TEST_F(ActualizaStock_, UnDiscoQueFallaNoDejaElPosteoAMedias)
{
    DiscoConFallas disco;
    s.bd.Conecta(*gSesionBD);
    int numero = 9400;
    const QString entero = PosteoEntero(numero++);
    const QStringList antes = Todo();
    for (const bool pasaPorAlto : {false, true}) {
        for (const DiscoConFallas::Tipo tipo : {DiscoConFallas::Escritura, DiscoConFallas::Sincronizacion,
                                                DiscoConFallas::Lectura, DiscoConFallas::Lleno, DiscoConFallas::Diario}) {
            int fallaron = 0;
            for (int n = 0; n < 300; ++n) {
                SCOPED_TRACE(DiscoConFallas::Nombre(tipo).toStdString() + " tras " + std::to_string(n) +
                             (pasaPorAlto ? ", pasada por alto" : ""));
                avisos.preguntas.clear();
                if (pasaPorAlto)
                    avisos.Responder({RespuestaError::Continuar, RespuestaError::Continuar, RespuestaError::Continuar,
                                      RespuestaError::Continuar, RespuestaError::Continuar, RespuestaError::Continuar,
                                      RespuestaError::Continuar, RespuestaError::Continuar});
                Llamada l = DosFilas(numero++);
                disco.Arma(s.bd.Carpeta(), tipo, n);
                Postea(l);
                const bool fallo = disco.Fallidas() > 0;
                disco.Repara();
                EXPECT_EQ(BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT @@TRANCOUNT")),
                          QStringList{QStringLiteral("0")});
                EXPECT_FALSE(gSesionBD->Conexion.Estado().enTransaccion);
                // What the broken disk kept from being played back goes with the session's next read.
                BasePrueba::Filas(*gSesionBD, QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK"));
                const QString guardado = Guardado(l);
                EXPECT_EQ(QDir(s.bd.Carpeta()).entryList({QStringLiteral("*-journal")}, QDir::Files), QStringList());
                if (!fallo) {
                    EXPECT_FALSE(l.HayError);
                    EXPECT_EQ(guardado, entero);
                    Borra(l);
                    break;
                }
                ++fallaron;
                if (l.HayError) {
                    EXPECT_EQ(guardado, QStringLiteral("0|0"));
                    bool visto = false;
                    for (const PreguntaGrabada& pr : avisos.preguntas)
                        visto = visto || pr.texto.contains(DiscoConFallas::Aviso(tipo));
                    EXPECT_TRUE(visto) << (avisos.preguntas.empty() ? std::string("sin aviso")
                                                                     : avisos.preguntas[0].texto.toStdString());
                } else {
                    EXPECT_EQ(guardado, entero);
                }
                Borra(l);
                EXPECT_EQ(Todo(), antes);
            }
            EXPECT_GT(fallaron, 0) << DiscoConFallas::Nombre(tipo).toStdString();
        }
    }
}

// The process is killed in the middle of a posting at once: at each write or
// flush of the file in turn, and at each statement it sends. The movement and
// its entry are found whole or not at all.
TEST_F(ActualizaStock_, UnProcesoMuertoEnMedioDelPosteoLoDejaEnteroONada)
{
    int numero = 9500;
    const QString entero = PosteoEntero(numero++);
    enum Donde { EnElDisco, EnUnaSentencia };
    for (const Donde donde : {EnElDisco, EnUnaSentencia}) {
        int muertes = 0;
        for (int n = 0; n < 300; ++n) {
            SCOPED_TRACE(std::string(donde == EnElDisco ? "en el disco" : "en la sentencia") + " tras " + std::to_string(n));
            const Llamada l = DosFilas(numero++);
            const bool murio = MuereEnOtroProceso([&] {
                DiscoConFallas disco;
                s.bd.Conecta(*gSesionBD);
                int sentencias = 0;
                if (donde == EnElDisco)
                    disco.Arma(s.bd.Carpeta(), DiscoConFallas::Muerte, n);
                else
                    gSesionBD->Conexion.Inyector.Observador = [&](const QString&) {
                        if (sentencias++ == n)
                            std::raise(SIGKILL);
                    };
                Llamada propia = l;
                Postea(propia);
            });
            const QString guardado = Guardado(l);
            if (!murio) {
                EXPECT_EQ(guardado, entero);
                break;
            }
            ++muertes;
            EXPECT_TRUE(guardado == QStringLiteral("0|0") || guardado == entero) << guardado.toStdString();
            // What the dead process left of its journal goes with the next write.
            bd().Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('DESPUES')"));
            bd().Ejecuta(QStringLiteral("DELETE FROM TA_MENU WHERE Clave = 'DESPUES'"));
            EXPECT_EQ(QDir(s.bd.Carpeta()).entryList({QStringLiteral("*-journal")}, QDir::Files), QStringList());
        }
        EXPECT_GT(muertes, 2);
    }
}
