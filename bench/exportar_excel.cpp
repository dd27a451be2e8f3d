// The spreadsheet export of a large list: time and peak memory.
//
// The sheet is written row by row, so what the writing holds does not grow
// with the rows; the snapshot of the list taken at the start does (its texts
// are shared with the list, so a few hundred bytes a row).
#include "services/ModExportarExcel.h"
#include "services/escritor_xlsx.h"

#include "platform/controles/lista.h"
#include "platform/sistema.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>
#include <string>

using namespace ModExportarExcel;

namespace {

FotoLista listaGrande(int filas)
{
    FotoLista l;
    const char* titulos[] = {"Código", "Descripción", "UD", "Costo ", "Marca", "Rubro", "Familia", "Proveedor",
                             "Cantidad", "Vence"};
    for (int c = 0; c < 10; ++c)
        l.ColumnHeaders.push_back({QString::fromUtf8(titulos[c]), 1200.0 + 100 * c, c + 1});
    l.ListItems.reserve(static_cast<size_t>(filas));
    for (int i = 0; i < filas; ++i) {
        const QString n = QString::number(i);
        l.ListItems.push_back({QStringLiteral("ART%1").arg(i, 6, 10, QChar(u'0')),
                               {QStringLiteral("Artículo de prueba número %1 (kg)").arg(n), QStringLiteral("KG"),
                                QStringLiteral("%1,%2").arg(100 + i % 9000).arg(i % 100, 2, 10, QChar(u'0')),
                                QStringLiteral("%1-MARCA").arg(i % 50, 3, 10, QChar(u'0')),
                                QStringLiteral("%1-Rubro").arg(i % 20), QStringLiteral("%1-Familia").arg(i % 30),
                                QStringLiteral("P%1-Proveedor S.A.").arg(i % 200), QString::number(i % 997),
                                QStringLiteral("%1/%2/2024").arg(1 + i % 28).arg(1 + i % 12)},
                               false});
    }
    return l;
}

long kilobytes(const char* clave)
{
    std::ifstream status("/proc/self/status");
    std::string linea;
    while (std::getline(status, linea))
        if (linea.rfind(clave, 0) == 0)
            return std::stol(linea.substr(std::string(clave).size()));
    return 0;
}

// The peak resident memory from here on, above what is resident now.
struct Pico {
    long antes = 0;
    Pico()
    {
        malloc_trim(0);  // what earlier runs freed must not hide what this one takes
        std::ofstream("/proc/self/clear_refs") << "5";
        antes = kilobytes("VmRSS:");
    }
    double Megabytes() const { return (kilobytes("VmHWM:") - antes) / 1024.0; }
};

void informa(benchmark::State& estado, double pico)
{
    estado.counters["filas"] = static_cast<double>(estado.range(0));
    estado.counters["pico_MB"] = pico;
    estado.counters["bytes_por_fila"] = pico * 1024 * 1024 / static_cast<double>(estado.range(0));
}

// The same rows in the window's list.
void llena(Lista& l, const FotoLista& foto)
{
    for (const EncabezadoLista& e : foto.ColumnHeaders)
        l.ColumnHeaders().Add(0, {}, e.Text, e.Width);
    for (const FilaLista& f : foto.ListItems) {
        ListItem& item = l.ListItems().Add(0, {}, f.Text);
        for (int k = 0; k < f.SubItems.size(); ++k)
            item.setSubItems(k + 1, f.SubItems[k]);
    }
}

// The whole export from the window's list: snapshot, rehearsal, writing with
// the notice (updated at every cell, as the export does), the file.
void BM_ExportarListViewExcel(benchmark::State& estado)
{
    Lista lista;
    llena(lista, listaGrande(static_cast<int>(estado.range(0))));
    QString ruta;
    Sistema::FijarAbridor([&](const QString& archivo) {
        ruta = archivo;
        return true;
    });
    double pico = 0;
    for (auto _ : estado) {
        Pico medida;
        ExportarListViewExcel(lista, false, false, -1, -1, -1);
        pico = std::max(pico, medida.Megabytes());
        estado.PauseTiming();
        QFile::remove(ruta);
        estado.ResumeTiming();
    }
    Sistema::FijarAbridor(nullptr);
    informa(estado, pico);
}

// The sheet and the file writer alone: what stays flat.
void BM_EscrituraDeLaHoja(benchmark::State& estado)
{
    const FotoLista lista = listaGrande(static_cast<int>(estado.range(0)));
    QTemporaryDir carpeta;
    double pico = 0;
    for (auto _ : estado) {
        Pico medida;
        EscritorXlsx escritor(carpeta.filePath(QStringLiteral("libro.xlsx")));
        HojaExportada(lista, false, false, -1, -1, -1, escritor);
        benchmark::DoNotOptimize(escritor.Cierra());
        pico = std::max(pico, medida.Megabytes());
    }
    informa(estado, pico);
}

}  // namespace

BENCHMARK(BM_EscrituraDeLaHoja)->Arg(25000)->Arg(50000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportarListViewExcel)->Arg(25000)->Arg(50000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    // The notice's window and fonts come up once, not inside the first figure.
    Sistema::FijarAbridor([](const QString& archivo) { return QFile::remove(archivo); });
    ExportarListViewExcel(listaGrande(10), false, false, -1, -1, -1);
    Sistema::FijarAbridor(nullptr);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
