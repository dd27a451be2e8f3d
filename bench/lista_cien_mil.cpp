// Filling and showing a list of 100,000 rows: the model alone, the model with
// its view shown, and the view while events run after every row (as a load
// under the progress notice does), unsorted and with sorting left on.
#include "datos_grandes.h"
#include "platform/controles/vista_lista.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int Filas = 100000;

void Encolumnar(Lista& l)
{
    const MedidorFijo x;
    l.ColumnHeaders().Add(0, {}, QStringLiteral("Código"), x.AnchoX(15));
    l.ColumnHeaders().Add(0, {}, QStringLiteral("Descripción"), x.AnchoX(30));
    l.ColumnHeaders().Add(0, {}, QStringLiteral("UD"), 0);
    l.ColumnHeaders().Add(0, {}, QStringLiteral("Costo "), x.AnchoX(12));
    for (const char* t : {"Marca", "Rubro", "Familia", "Proveedor"})
        l.ColumnHeaders().Add(0, {}, QString::fromLatin1(t), x.AnchoX(20));
}

void Llenar(Lista& l, bool eventos)
{
    for (int i = 0; i < Filas; ++i) {
        // Codes in a scrambled order, so a sort has work to do.
        const int n = int((i * 7919LL) % Filas);
        ListItem& e = l.ListItems().Add(0, {}, QStringLiteral("ART%1").arg(n, 6, 10, QLatin1Char('0')), 0, 4);
        e.setSubItems(1, QStringLiteral("Artículo número %1 (x 12)").arg(n));
        e.setSubItems(2, QStringLiteral("UN"));
        e.setSubItems(3, QStringLiteral("%1").arg(n % 1000, 10));
        for (int c = 4; c <= 7; ++c)
            e.setSubItems(c, QStringLiteral("%1-Descripción %2").arg(n % 97).arg(c));
        if (eventos)
            QCoreApplication::processEvents();
    }
}

void BM_SoloElModelo(benchmark::State& estado)
{
    for (auto _ : estado) {
        Lista l;
        Encolumnar(l);
        Llenar(l, false);
        benchmark::DoNotOptimize(l.ListItems().Count());
    }
}

void BM_ConLaVista(benchmark::State& estado)
{
    const bool eventos = estado.range(0) != 0;
    const bool ordenada = estado.range(1) != 0;
    for (auto _ : estado) {
        Lista l;
        Encolumnar(l);
        if (ordenada)
            l.setSorted(true);
        VistaLista v;
        v.setLista(&l);
        v.resize(800, 600);
        v.show();
        Llenar(l, eventos);
        v.Sincronizar();
        v.scrollToBottom();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(v.model()->rowCount());
    }
}

}  // namespace

BENCHMARK(BM_SoloElModelo)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ConLaVista)
    ->ArgNames({"eventos", "ordenada"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

int main(int argc, char** argv)
{
    return CorreBenchmarks(argc, argv);
}
