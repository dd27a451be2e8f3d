// The stock posting of a remito of 1,000 rows on a generated database: 700
// plain rows, 100 by two lots, 100 by two serial numbers and 100 compound
// articles of 10 supplies each (one supply in four held in two lots, one in
// five counted by the box), posted at once (every line and its entry request
// in the posting's write scope) and deferred (the batch built, then run in
// one transaction). One benchmark runs both and prints them side by side:
// milliseconds of each, their ratio, the lines written and the statements
// sent per line.
#include "datos_grandes.h"
#include "lots/listas_pipe.h"
#include "platform/avisos.h"
#include "platform/controles/grilla.h"
#include "platform/db/motores.h"
#include "platform/sistema.h"
#include "session/ModGlobal.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

namespace C = ColArticulos;

constexpr int Simples = 700;
constexpr int ConLotes = 100;
constexpr int ConSeries = 100;
constexpr int Compuestos = 100;
constexpr int InsumosPorCompuesto = 10;
constexpr int Filas = Simples + ConLotes + ConSeries + Compuestos;

AvisosContados avisos;

// The demo plus the articles of the grid, their supplies and the supplies' lots.
void CreaBase(const QString& archivo)
{
    CreaBaseSqlite(archivo, true);
    BaseDirecta db(archivo);
    const auto n = [](int hasta) {
        return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ").arg(hasta);
    };
    const QString articulos = QStringLiteral(
        "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdUnidad, UD_STOCK, Costo, CuentaProveedor, cuentacontableC, "
        "UsaLote, UsaSerie, PROCEDENCIA) SELECT ");
    db.Ejecuta(QStringLiteral("BEGIN"));
    // code, description, unit, cost, supplier, account, by lot, by serial, origin
    const std::pair<int, const char*> grupos[] = {
        {Simples, "printf('PLA%04d', i), printf('Artículo %d', i), 'UN', 'UN', 100 + i, 'P0002', '1.1.5.01', 0, 0, 'REVENTA'"},
        {ConLotes, "printf('LOT%03d', i), printf('Artículo por lote %d', i), 'LT', 'LT', 50, 'P0003', '1.1.5.01', 1, 0, NULL"},
        {ConSeries, "printf('SER%03d', i), printf('Herramienta %d', i), 'UN', 'UN', 9000, 'P0002', '1.1.5.01', 0, 1, 'REVENTA'"},
        {Compuestos, "printf('CMP%03d', i), printf('Kit %d', i), 'UN', 'UN', 1500, 'P0002', '1.1.5.01', 0, 0, 'REVENTA'"},
        {Compuestos * InsumosPorCompuesto,
         "printf('INS%04d', i), printf('Insumo %d', i), CASE WHEN i % 5 = 0 THEN 'CAJ' ELSE 'UN' END, 'UN', 10 + i % 90, "
         "'P0001', NULL, i % 4 = 0, 0, NULL"},
    };
    for (const auto& [cuantos, valores] : grupos)
        db.Ejecuta(n(cuantos) + articulos + QLatin1String(valores) + QStringLiteral(" FROM n"));
    db.Ejecuta(n(Compuestos * InsumosPorCompuesto) +
               QStringLiteral("INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) SELECT "
                              "printf('CMP%03d', (i - 1) / 10 + 1), printf('INS%04d', i), CASE WHEN i % 5 = 0 THEN 'CAJ' "
                              "ELSE 'UN' END, 0.5 + i % 3 FROM n"));
    db.Ejecuta(n(Compuestos * InsumosPorCompuesto / 5) +
               QStringLiteral("INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) SELECT "
                              "printf('INS%04d', i * 5), 'CAJ', 'UN', 12 FROM n"));
    // Two lots of each lot-kept supply: the first too small for some rows, so a line is split.
    for (const char* lote : {"'A' || i, 2", "'B' || i, 1000000"})
        db.Ejecuta(n(Compuestos * InsumosPorCompuesto / 4) +
                   QStringLiteral("INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, CANTIDAD) SELECT "
                                  "printf('INS%04d', i * 4), '1', ") +
                   QLatin1String(lote) + QStringLiteral(" FROM n"));
    db.Ejecuta(QStringLiteral("COMMIT"));
}

// The database, made once per run, with the program's session on it, and the
// session values a posting reads.
void Prepara()
{
    static BaseDeBanco base(QStringLiteral("posteo.sqlite"), CreaBase, avisos);
    static const bool listo = [] {
        Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro"));
        Sistema::FijarReloj([] { return QDateTime(QDate(2026, 3, 16), QTime(10, 30)); });
        ModGlobal::gPeriodo = 2026;
        ModGlobal::gUsuarioLogeado = QStringLiteral("SUPERVISOR");
        ModGlobal::gUnegocio = QStringLiteral("1");
        ModGlobal::gCaja = QStringLiteral("1");
        return true;
    }();
    (void)listo;
}

// The remito's grid as its screen leaves it.
void LlenaGrilla(Grilla& g)
{
    g.setCols(C::Cantidad_Columnas);
    g.setRows(1);
    g.setRows(Filas + 1);
    const QString chr255(ListasPipe::Chr255);
    for (int f = 1; f <= Filas; ++f) {
        const auto celda = [&](int c, const QString& t) { g.setTextMatrix(f, c, t); };
        for (int c : {C::EsExento, C::PideSerie, C::PideLote, C::Perecedero, C::PideTalle, C::InsumosPorPorcentaje,
                      C::Pesable, C::EnComodato})
            celda(c, QStringLiteral("0"));
        celda(C::Coeficiente, QStringLiteral("1"));
        celda(C::Unidad, QStringLiteral("UN"));
        celda(C::Costo, QStringLiteral("100"));
        if (f <= Simples) {
            celda(C::Codigo, QStringLiteral("PLA%1").arg(f, 4, 10, QLatin1Char('0')));
            celda(C::Cantidad, QString::number(1 + f % 5));
        } else if (f <= Simples + ConLotes) {
            const int i = f - Simples;
            celda(C::Codigo, QStringLiteral("LOT%1").arg(i, 3, 10, QLatin1Char('0')));
            celda(C::Unidad, QStringLiteral("LT"));
            celda(C::Cantidad, QStringLiteral("3"));
            celda(C::PideLote, QStringLiteral("-1"));
            celda(C::NroLote, QStringLiteral("|L%1A|L%1B|").arg(i));
            celda(C::NroSerie, QStringLiteral("|1|2|"));
        } else if (f <= Simples + ConLotes + ConSeries) {
            const int i = f - Simples - ConLotes;
            celda(C::Codigo, QStringLiteral("SER%1").arg(i, 3, 10, QLatin1Char('0')));
            celda(C::Cantidad, QStringLiteral("2"));
            celda(C::PideSerie, QStringLiteral("-1"));
            celda(C::NroLote, u'|' + chr255 + QStringLiteral("S%1A|").arg(i) + chr255 + QStringLiteral("S%1B|").arg(i));
            celda(C::NroSerie, QStringLiteral("|1|1|"));
        } else {
            const int i = f - Simples - ConLotes - ConSeries;
            celda(C::Codigo, QStringLiteral("CMP%1").arg(i, 3, 10, QLatin1Char('0')));
            celda(C::Cantidad, QString::number(1 + i % 3));
        }
        celda(C::UnidadBase, g.TextMatrix(f, C::Unidad));
    }
}

long LineasDe(const QString& sucNroLetra)
{
    Recordset rs;
    ModGlobal::gSesionBD->AbreRecordset(
        QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE IDCOMPROBANTE = '%1' OR IDCOMPROBANTE_ORIGEN = '%1'").arg(sucNroLetra),
        rs);
    const long n = rs.Eof() ? 0 : rs.Valor(0).toLongLong();
    ModGlobal::gSesionBD->CierraRecordset(rs);
    return n;
}

struct Medida {
    double ms = 0;
    long sentencias = 0;
    long lineas = 0;
};

// One posting of the grid: at once, or its batch built and then run in one transaction.
Medida Postea(ClsCmnCptes& cpte, int numero, bool diferido, const char*& error)
{
    Grilla g;
    LlenaGrilla(g);
    const QString id = QStringLiteral("0001%1X").arg(numero, 8, 10, QLatin1Char('0'));
    QString deposito = QStringLiteral("1"), destino, motivo, tcOrigen, cpteOrigen, lote, loteFijo;
    bool hayError = false;
    ModGlobal::gSesionBD->LimpiaBitacora();
    QElapsedTimer reloj;
    reloj.start();
    cpte.ActualizaStock(g, QStringLiteral("RM"), id, QStringLiteral("0"), QStringLiteral("16/03/2026"), deposito, destino,
                        motivo, tcOrigen, cpteOrigen, false, QStringLiteral("PorDefault"), diferido, lote, hayError,
                        QStringLiteral("Null"), loteFijo, QString(), QString(), 0, false, QString(), 0,
                        QStringLiteral("   1"), Moneda::DesdeEntero(1));
    if (diferido && !hayError) {
        long numeroError = 0;
        QString ejecutado, textoError;
        ModGlobal::GActualizarDatoScript({lote}, hayError, numeroError, false, false, ejecutado, textoError, false);
    }
    Medida m;
    m.ms = double(reloj.nsecsElapsed()) / 1e6;
    m.sentencias = long(ModGlobal::gSesionBD->Bitacora().size());
    if (hayError)
        error = "the posting failed";
    m.lineas = LineasDe(id);
    return m;
}

void BM_MilFilasAlInstanteYDiferidas(benchmark::State& estado)
{
    Prepara();
    ClsCmnCptes cpte;
    static int numero = 9000;
    Medida instante, diferido;
    const char* error = nullptr;
    for (auto _ : estado) {
        instante = Postea(cpte, ++numero, false, error);
        diferido = Postea(cpte, ++numero, true, error);
    }
    if (error)
        estado.SkipWithError(error);
    if (instante.lineas != diferido.lineas)
        estado.SkipWithError("the two ways wrote different lines");
    estado.counters["instante_ms"] = instante.ms;
    estado.counters["diferido_ms"] = diferido.ms;
    estado.counters["veces_diferido"] = diferido.ms > 0 ? instante.ms / diferido.ms : 0;
    estado.counters["lineas"] = double(instante.lineas);
    estado.counters["sent/linea_inst"] = instante.lineas ? double(instante.sentencias) / double(instante.lineas) : 0;
    estado.counters["sent/linea_dif"] = diferido.lineas ? double(diferido.sentencias) / double(diferido.lineas) : 0;
    if (avisos.mostrados)
        estado.SkipWithError("a message box came up");
}

BENCHMARK(BM_MilFilasAlInstanteYDiferidas)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return CorreBenchmarks(argc, argv);
}
