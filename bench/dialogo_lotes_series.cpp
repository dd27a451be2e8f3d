// The lots-and-serials dialog on large lines, loaded and accepted as their
// callers do it without showing it: entry mode of 10,000 units with previous
// lists of lots and serials; issue mode over 2,000 stock keys by lot and
// serial (two movements each) with previous lists of 2,000 keys. Each prints
// the time per load and acceptance and the grid rows per second.
#include "datos_grandes.h"
#include "lots/FrmCargaLotesySeries.h"
#include "lots/listas_pipe.h"
#include "platform/avisos.h"
#include "platform/db/motores.h"
#include "platform/sistema.h"
#include "session/ModGlobal.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Unidades = 10000;
constexpr int Claves = 2000;

AvisosContados avisos;

// The demo plus LYSBIG: each key received at two positions and partly issued.
void CreaBase(const QString& archivo)
{
    CreaBaseSqlite(archivo, true);
    BaseDirecta db(archivo);
    const QString n = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ")
                          .arg(Claves);
    db.Ejecuta(QStringLiteral("BEGIN"));
    db.Ejecuta(n + QStringLiteral("INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, NroSerie, "
                                   "IdPosicion, CANTIDAD) SELECT 'LYSBIG', '1', printf('L%05d', i / 10), "
                                   "printf('S%06d', i), 'P1', 3 FROM n"));
    db.Ejecuta(n + QStringLiteral("INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, NroSerie, "
                                   "IdPosicion, CANTIDAD) SELECT 'LYSBIG', '1', printf('L%05d', i / 10), "
                                   "printf('S%06d', i), 'P2', -1 FROM n"));
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
    Banco() : base_(QStringLiteral("lotes.sqlite"), CreaBase, avisos)
    {
        Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro"));
    }
    BaseDeBanco base_;
};

void BM_CargaDeDiezMilUnidades(benchmark::State& estado)
{
    Banco::Uno();
    QString lotes(u'|'), series(u'|');
    for (int i = 1; i <= Unidades; ++i) {
        lotes += QStringLiteral("L%1|").arg(i / 100);
        series += QStringLiteral("S%1|").arg(i, 6, 10, QLatin1Char('0'));
    }
    const char* error = nullptr;
    for (auto _ : estado) {
        FrmCargaLotesySeries f;
        f.EsSerie = true;
        f.EsLote = true;
        f.Cantidad = Unidades;
        f.Articulo = QStringLiteral("MOTOR01");
        f.LotesAnteriores = lotes;
        f.SeriesAnteriores = series;
        f.CargaDatos();
        f.CmdAceptar_Click();
        if (f.Lotes != lotes || f.Series != series)
            error = "the lists did not come back as they went in";
    }
    if (error)
        estado.SkipWithError(error);
    estado.counters["filas/s"] = benchmark::Counter(double(Unidades) * double(estado.iterations()),
                                                    benchmark::Counter::kIsRate);
}

void BM_SalidaDeDosMilClaves(benchmark::State& estado)
{
    Banco::Uno();
    // The previous choice: one unit of every key, in reverse order.
    QString lotes(u'|'), series(u'|');
    for (int i = Claves; i >= 1; --i) {
        lotes += QStringLiteral("L%1").arg(i / 10, 5, 10, QLatin1Char('0')) + ListasPipe::Chr255 +
                 QStringLiteral("S%1|").arg(i, 6, 10, QLatin1Char('0'));
        series += QStringLiteral("1|");
    }
    const char* error = nullptr;
    for (auto _ : estado) {
        FrmCargaLotesySeries f;
        f.EsConsultaDeSerieLote = true;
        f.EsSerie = true;
        f.EsLote = true;
        f.Cantidad = Claves;
        f.Articulo = QStringLiteral("LYSBIG");
        f.Deposito = QStringLiteral("1   ");
        f.Lotes = lotes;
        f.Series = series;
        f.CargaDatos();
        f.CmdAceptar_Click();
        if (f.MSFlexGrid1.Rows() != Claves + 2 || f.result() != QDialog::Accepted)
            error = "the grid has not one row per key and the trailing row";
    }
    if (error)
        estado.SkipWithError(error);
    estado.counters["filas/s"] = benchmark::Counter(double(Claves) * double(estado.iterations()),
                                                    benchmark::Counter::kIsRate);
    if (avisos.mostrados)
        estado.SkipWithError("a message box came up");
}

BENCHMARK(BM_CargaDeDiezMilUnidades)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SalidaDeDosMilClaves)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return CorreBenchmarks(argc, argv);
}
