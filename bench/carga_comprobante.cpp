// The voucher loader on two sales orders of 2,000 lines each, 2,000 different
// articles, loaded into an invoice "FC" letter "B" with no sheet limit: one
// delivered by rounds (IdReparto -1, a consolidated row per article, part of
// it moved), one not (IdReparto 0, a quantity already invoiced per article).
// A timber order of 2,000 board lines in 50 measures, each line folded into
// the earlier row of its measure. Each prints the time per load, rows (lines)
// per second and statements per line.
#include "datos_grandes.h"
#include "platform/avisos.h"
#include "platform/controles/grilla.h"
#include "platform/db/motores.h"
#include "platform/falla.h"
#include "platform/sistema.h"
#include "session/ModGlobal.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Lineas = 2000;

AvisosContados avisos;

// The demo plus the articles and the two orders, in one transaction.
void CreaBase(const QString& archivo)
{
    CreaBaseSqlite(archivo, true);
    BaseDirecta db(archivo);
    const QString n = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ")
                          .arg(Lineas);
    db.Ejecuta(QStringLiteral("BEGIN"));
    db.Ejecuta(QStringLiteral("DELETE FROM TA_CONFIG_IMP_CPTE WHERE TC = 'FC' AND LETRA = 'B'"));
    db.Ejecuta(n + QStringLiteral(
                        "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, idTipo, IdUnidad, Costo, "
                        "Impuestos, UsaLote, CuentaContable, PIDEEQUIVALENCIA, codigobarra) SELECT printf('ART%05d', i), "
                        "printf('Artículo %d', i), 'Caja', 'CLA', 'UN', 100 + i, 0, i % 5 = 0, '4.1.1.01', "
                        "CASE WHEN i % 3 = 0 THEN NULL ELSE i % 2 END, printf('779%010d', i) FROM n"));
    for (auto [id, reparto] : {std::pair{"000900000001X", -1}, std::pair{"000900000002X", 0}}) {
        db.Ejecuta(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento, CUENTA, ID, IdReparto, "
                                   "Cotizacion, CondicionIva, EnComodato) VALUES ('NP', '%1', 0, 'C0002', 1, %2, 1, "
                                   "'4', 0)")
                        .arg(QLatin1String(id))
                        .arg(reparto));
        db.Ejecuta(n + QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IdComplemento, CUENTA, "
                                       "IdArticulo, Descripcion, IdUnidadBase, IdUnidad, Equiv_UDBase, Cantidad, "
                                       "CantidadUd, Importe, Importe_S_IVA, Impuestos, AlicIVA, PorcDto, Exento, "
                                       "IdLista, IdDeposito, Secuencia, Total, TotalFinal) SELECT 'NP', '%1', 0, "
                                       "'C0002', printf('ART%05d', i), printf('Artículo %d', i), 'UN', 'UN', 1, "
                                       "10 + i % 7, 10 + i % 7, 121, 100, 0, 21, 0, 0, '1', '1', i, 100, 121 FROM n")
                                .arg(QLatin1String(id)));
    }
    db.Ejecuta(n + QStringLiteral("INSERT INTO VT_V_MV_CPTEINSUMOS_CONS2 SELECT 'NP', '000900000001X', "
                                   "printf('ART%05d', i), 10 + i % 7 FROM n"));
    db.Ejecuta(n + QStringLiteral("INSERT INTO VT_V_MV_Stock_Cons SELECT 'NP', '000900000001X', printf('ART%05d', i), "
                                   "i % 4 FROM n"));
    db.Ejecuta(n + QStringLiteral("INSERT INTO VT_V_MV_INSUMOS_APLICACION SELECT 'NP', '000900000002X', "
                                   "printf('ART%05d', i), i % 3 FROM n"));
    db.Ejecuta(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento, CUENTA, ID, IdReparto, "
                              "Cotizacion, CondicionIva, EnComodato) VALUES ('NP', '000900000003X', 0, 'C0003', 1, 0, "
                              "1, '1', 0)"));
    db.Ejecuta(n + QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IdComplemento, CUENTA, IdArticulo, "
                                   "Descripcion, IdUnidadBase, IdUnidad, Equiv_UDBase, Cantidad, CantidadUd, Importe, "
                                   "Importe_S_IVA, Impuestos, AlicIVA, PorcDto, Exento, IdDeposito, Secuencia, Total, "
                                   "TotalFinal, Espesor, Ancho, Ud_Pr, Importe_Ud) SELECT 'NP', '000900000003X', 0, "
                                   "'C0003', 'TABPIN', 'Tabla de pino', 'ML', 'TIR', 2 + i % 4, 1 + i % 3, "
                                   "(1 + i % 3) * (2 + i % 4), 100, 100, 0, 21, 0, 0, '1', i, 100 * (1 + i % 3), "
                                   "121 * (1 + i % 3), 1 + i % 5, 2 + i % 50, 'P2', 2.5 FROM n"));
    db.Ejecuta(QStringLiteral("COMMIT"));
}

// The database, made once per run, with the program's session on it.
class Banco {
public:
    static Banco& Uno()
    {
        static Banco banco;
        return banco;
    }

private:
    Banco() : base_(QStringLiteral("carga.sqlite"), CreaBase, avisos)
    {
        Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro"));
        ModGlobal::gCantidadDecimales = QStringLiteral("2");
    }
    BaseDeBanco base_;
};

void Carga(benchmark::State& estado, const char* id, int filasEsperadas)
{
    Banco::Uno();
    ClsCmnCptes cpte;
    long filas = 0;
    double sentencias = 0;
    const char* error = nullptr;
    for (auto _ : estado) {
        estado.PauseTiming();
        Grilla tareas, articulos, otros;
        tareas.setCols(ColTareas::Cantidad_Columnas);
        articulos.setCols(ColArticulos::Cantidad_Columnas);
        otros.setCols(ColOtrosConceptos::Cantidad_Columnas);
        for (Grilla* g : {&tareas, &articulos, &otros})
            g->setRows(2);
        ModGlobal::gSesionBD->LimpiaBitacora();
        short reparto = 0;
        QString letra = QStringLiteral("B");
        estado.ResumeTiming();
        const bool cargado = cpte.AsignarDatosComprobante(QStringLiteral("NP"), QString::fromLatin1(id),
                                                          QStringLiteral("0"), &tareas, &articulos, &otros, false,
                                                          nullptr, false, QString(), reparto, false, QString(),
                                                          QStringLiteral("FC"), letra);
        estado.PauseTiming();
        if (!cargado)
            error = "the load was left";
        else if (articulos.Rows() != filasEsperadas + 2)
            error = "the grid has not the rows expected";
        filas += Lineas;
        sentencias = double(ModGlobal::gSesionBD->Bitacora().size()) / Lineas;
        estado.ResumeTiming();
    }
    if (error)
        estado.SkipWithError(error);
    estado.counters["filas/s"] = benchmark::Counter(double(filas), benchmark::Counter::kIsRate);
    estado.counters["sentencias/linea"] = sentencias;
    if (avisos.mostrados)
        estado.SkipWithError("a message box came up");
}

void BM_PedidoPorRepartos(benchmark::State& estado)
{
    Carga(estado, "000900000001X", Lineas);
}

void BM_PedidoConAplicados(benchmark::State& estado)
{
    Carga(estado, "000900000002X", Lineas);
}

void BM_MaderaFusionada(benchmark::State& estado)
{
    ModGlobal::gMaderera = true;
    ModGlobal::gMadTiras = QStringLiteral("TIR");
    Carga(estado, "000900000003X", 50);
    ModGlobal::gMaderera = false;
}

BENCHMARK(BM_PedidoPorRepartos)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PedidoConAplicados)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MaderaFusionada)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return CorreBenchmarks(argc, argv);
}
