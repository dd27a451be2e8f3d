// Long pipe lists as the stock posting reads them: the item count, then item j
// for every j; and the lots-and-serials dialog's search of every item. Each
// reading starts again from the list's head, so both grow with the square of
// the list; the figures are printed with the list's length.
#include "lots/listas_pipe.h"

#include <benchmark/benchmark.h>

namespace {

// n lot-serial keys, "|L0000001ÿS0000001|...|".
QString Lista(int n)
{
    QString lista(u'|');
    for (int i = 1; i <= n; ++i)
        lista += QStringLiteral("L%1").arg(i, 7, 10, QLatin1Char('0')) + ListasPipe::Chr255 +
                 QStringLiteral("S%1|").arg(i, 7, 10, QLatin1Char('0'));
    return lista;
}

void BM_GrabacionCuentaYExtrae(benchmark::State& estado)
{
    const QString lista = Lista(int(estado.range(0)));
    for (auto _ : estado) {
        const long cuenta = ListasPipe::Cuenta_Series_Lotes(lista, QString(), false);
        qsizetype largo = 0;
        for (long j = 1; j <= cuenta; ++j)
            largo += ListasPipe::ExtraeSerieLote(lista, short(j)).size();
        benchmark::DoNotOptimize(largo);
    }
    estado.counters["items"] = double(estado.range(0));
    estado.counters["caracteres"] = double(lista.size());
}

void BM_BuscaCadaItem(benchmark::State& estado)
{
    const int n = int(estado.range(0));
    const QString lista = Lista(n);
    QStringList items;
    ListasPipe::DescomponeSerieLote(lista, items);
    for (auto _ : estado) {
        long suma = 0;
        for (int i = 0; i < n; ++i)
            suma += ListasPipe::Busca_Lotes_Series(lista, items[i]);
        benchmark::DoNotOptimize(suma);
    }
    estado.counters["items"] = double(n);
    estado.counters["caracteres"] = double(lista.size());
}

}  // namespace

BENCHMARK(BM_GrabacionCuentaYExtrae)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuscaCadaItem)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
