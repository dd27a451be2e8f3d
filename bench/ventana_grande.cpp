// The start-up window on a large database: start-up, both trees, the article
// list with the row limit at 1,000 and at 100,000, the projection by supply
// and by article, and the export of the lists they leave on screen.
//
// The database is made once per run: 100,000 articles, 10,000 of them with 10
// supplies each, and 10,000 plan lines over 10 production dates (the first
// figure makes one more of the same size, for the generator's own time). The window runs as the suite starts it, on that file,
// with message boxes answered OK and launches, file opening and the program's
// end replaced; a figure taken while a message box came up is marked as an
// error, since it measured a failure.
#include "datos_grandes.h"
#include "piso_xlsx.h"

#include "plan/FrmTervalio.h"
#include "services/ModExportarExcel.h"
#include "platform/avisos.h"
#include "platform/db/sesion_bd.h"
#include "platform/sistema.h"
#include "session/ModGlobal.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

// Every box answers OK (a question, the answer that leaves) and is counted.
class AvisosAceptar : public Avisos::Servicio {
public:
    int Mensaje(const QString& texto, int, const QString& titulo) override
    {
        if (++mostrados <= 5)
            std::fprintf(stderr, "aviso: %s: %s\n", qUtf8Printable(titulo), qUtf8Printable(texto));
        return Avisos::OK;
    }
    int Dialogo(QDialog&) override { return QDialog::Rejected; }
    int mostrados = 0;
};

// Installed for the whole run: no benchmark ever waits on a real box.
AvisosAceptar avisos;

struct FinDelPrograma {};

// The database, the doubles and the window, made on first use and kept for the run.
class Banco {
public:
    static Banco& Uno()
    {
        if (!uno_)
            uno_.reset(new Banco);
        return *uno_;
    }
    // Before the application ends: the window cannot outlive it.
    static void Termina() { uno_.reset(); }

    ~Banco()
    {
        Cierra();
        Sistema::FijarLineaDeComandos(std::nullopt);
        Sistema::FijarTerminador(nullptr);
        Sistema::FijarLanzador(nullptr);
        Sistema::FijarAbridor(nullptr);
        Sistema::FijarCarpetaAplicacion(QString());
        Sistema::FijarNombreEjecutable(QString());
        InfoSistema::FijarCarpetaSistema(QString());
    }

    FrmTervalio& Ventana()
    {
        if (!ventana_)
            Arranca();
        return *ventana_;
    }

    // A new window on a new session, as the suite starts the program.
    void Arranca()
    {
        Cierra();
        ventana_ = std::make_unique<FrmTervalio>();
        ventana_->Form_Load();
        ventana_->show();
        QApplication::processEvents();
    }

    void Cierra()
    {
        ventana_.reset();
        ModGlobal::gSesionBD.Liberar();
        ModGlobal::gSesionEstadisticas.Liberar();
        ModGlobal::gCartel.Liberar();
        ModGlobal::gConsulta.Liberar();
        ModGlobal::gTablaConfiguracion.clear();
    }

    const DatosGrandes datos;
    ResumenDatos resumen;
    int abiertos = 0;

private:
    Banco()
    {
        const QString archivo = carpeta_.filePath(QStringLiteral("grande.sqlite"));
        resumen = CreaDatosGrandes(archivo, datos);
        copiaEstilos();
        SesionBD::FijarCarpetaDatos(carpeta_.path());
        InfoSistema::FijarCarpetaSistema(carpeta_.path());
        Sistema::FijarCarpetaAplicacion(carpeta_.path());
        Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro"));
        Sistema::FijarLineaDeComandos(QStringLiteral("@server=") + archivo +
                                      QStringLiteral(";@dbname=DEMO;@usuario=SUPERVISOR;@Password=;"
                                                     "@UsuarioLogeado=SUPERVISOR;@Caja=1;"));
        Sistema::FijarTerminador([](int) { throw FinDelPrograma{}; });
        Sistema::FijarLanzador([](const QString&, const QStringList&, const QString&) -> qint64 { return 4242; });
        Sistema::FijarAbridor([this](const QString& libro) {
            ++abiertos;
            return QFile::remove(libro);
        });
    }

    // The skins travel beside the program; the window's folder gets a copy.
    void copiaEstilos() const
    {
        const QDir origen(QCoreApplication::applicationDirPath() + QStringLiteral("/Styles"));
        QDirIterator it(origen.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString archivo = it.next();
            const QString destino = carpeta_.filePath(QStringLiteral("Styles/") + origen.relativeFilePath(archivo));
            QDir().mkpath(QFileInfo(destino).path());
            QFile::copy(archivo, destino);
        }
    }

    static std::unique_ptr<Banco> uno_;
    QTemporaryDir carpeta_;
    std::unique_ptr<FrmTervalio> ventana_;
};

std::unique_ptr<Banco> Banco::uno_;

// Marks the figure as failed when a message box came up while it ran.
class SinAvisos {
public:
    explicit SinAvisos(benchmark::State& estado) : estado_(estado), antes_(avisos.mostrados) {}
    ~SinAvisos()
    {
        if (avisos.mostrados != antes_)
            estado_.SkipWithError("a message box came up: the figure measured a failure");
    }

private:
    benchmark::State& estado_;
    int antes_;
};

// A figure beside its floor, measured in the same run: wall and processor
// time, the floor's, and how many times the floor each one is.
void ContraPiso(benchmark::State& estado, Tiempos figura, Tiempos piso)
{
    estado.counters["ms"] = figura.pared;
    estado.counters["cpu_ms"] = figura.cpu;
    estado.counters["piso_ms"] = piso.pared;
    estado.counters["piso_cpu_ms"] = piso.cpu;
    estado.counters["veces_piso"] = figura.pared / piso.pared;
    estado.counters["veces_piso_cpu"] = figura.cpu / piso.cpu;
}

// The statement sent last that names the text (from the session's log).
QString UltimaConsulta(const QString& contiene)
{
    QString consulta;
    for (const QString& s : ModGlobal::gSesionBD->Bitacora())
        if (s.contains(contiene))
            consulta = s;
    return consulta;
}

// A statement's rows read bare through the session, every field of every row.
Tiempos LecturaDesnuda(const QString& consulta, long& filas)
{
    SesionBD& bd = *ModGlobal::gSesionBD;
    filas = 0;
    return Mide([&] {
        Recordset rs;
        bd.AbreRecordset(consulta, rs);
        const int campos = rs.FieldCount();
        for (; !rs.Eof(); rs.MoveNext()) {
            for (int c = 0; c < campos; ++c)
                benchmark::DoNotOptimize(rs.Valor(c));
            ++filas;
        }
        bd.CierraRecordset(rs);
    });
}

// A figure against a fixed target in milliseconds (per iteration).
void ContraObjetivo(benchmark::State& estado, Tiempos total, double objetivo)
{
    const double n = double(estado.iterations());
    estado.counters["ms"] = total.pared / n;
    estado.counters["cpu_ms"] = total.cpu / n;
    estado.counters["objetivo_ms"] = objetivo;
    estado.counters["veces_objetivo"] = total.pared / n / objetivo;
}

// Beside a figure against its target, a statement read bare and how many
// times that read the figure takes, under the given name; the rows read.
long ContraLectura(benchmark::State& estado, Tiempos total, const QString& consulta, const std::string& nombre)
{
    long leidas = 0;
    const Tiempos piso = LecturaDesnuda(consulta, leidas);
    estado.counters[nombre + "_ms"] = piso.pared;
    estado.counters[nombre + "_cpu_ms"] = piso.cpu;
    estado.counters["veces_" + nombre] = total.pared / double(estado.iterations()) / piso.pared;
    return leidas;
}

// The floor of a figure: the statement it sent that names the text (from the session's log).
void ContraSuConsulta(benchmark::State& estado, Tiempos total, const QString& contiene)
{
    ContraLectura(estado, total, UltimaConsulta(contiene), "piso");
}

// A data set of its own, the same size as the window's: the file from the
// schema and the demo, then the rows.
void BM_GeneraDatos(benchmark::State& estado)
{
    QTemporaryDir carpeta;
    ResumenDatos r;
    for (auto _ : estado)
        r = CreaDatosGrandes(carpeta.filePath(QStringLiteral("generado.sqlite")), DatosGrandes{});
    estado.counters["filas"] = double(r.filas);
    estado.counters["segundos"] = r.segundos;
    estado.counters["filas/s"] = double(r.filas) / r.segundos;
}

void BM_Arranque(benchmark::State& estado)
{
    Banco& b = Banco::Uno();
    b.Ventana();
    SinAvisos control(estado);
    Tiempos t;
    for (auto _ : estado)
        t = Mide([&] { b.Arranca(); });
    ContraObjetivo(estado, t, 400);
    estado.counters["articulos"] = b.datos.articulos;
    estado.counters["nodos_rubros"] = b.Ventana().TreeView1.Nodes().Count();
    estado.counters["nodos_familias"] = b.Ventana().TreeView2.Nodes().Count();
}

void BM_CargarRubros(benchmark::State& estado)
{
    FrmTervalio& v = Banco::Uno().Ventana();
    SinAvisos control(estado);
    Tiempos t;
    for (auto _ : estado) {
        ModGlobal::gSesionBD->LimpiaBitacora();
        t += Mide([&] { v.CargarRubros(); });
    }
    ContraObjetivo(estado, t, 100);
    ContraSuConsulta(estado, t, QStringLiteral("VT_RubroTipoDescripciones"));
    // And a grouped read of the same rubro and brand pairs: what the tree shows,
    // without a row per article.
    estado.counters["pares"] = double(ContraLectura(
        estado, t,
        QStringLiteral("SELECT VT_INS_ARTICULOS.IDRUBRO, VT_INS_ARTICULOS.idTipo, MAX(VT_INS_ARTICULOS.DescrRubros), "
                       "MAX(VT_INS_ARTICULOS.DescrTipo) FROM VT_INS_ARTICULOS INNER JOIN VT_RubroTipoDescripciones ON "
                       "VT_INS_ARTICULOS.IDRUBRO = VT_RubroTipoDescripciones.IDRUBRO "
                       "GROUP BY VT_INS_ARTICULOS.IDRUBRO, VT_INS_ARTICULOS.idTipo"),
        "agrupada"));
    estado.counters["nodos"] = v.TreeView1.Nodes().Count();
    estado.counters["filas_leidas/s"] =
        benchmark::Counter(double(Banco::Uno().datos.articulos) * double(estado.iterations()), benchmark::Counter::kIsRate);
}

void BM_CargarFamilias(benchmark::State& estado)
{
    FrmTervalio& v = Banco::Uno().Ventana();
    SinAvisos control(estado);
    Tiempos t;
    for (auto _ : estado)
        t += Mide([&] { v.CargarFamilias(); });
    ContraObjetivo(estado, t, 100);
    ContraSuConsulta(estado, t, QStringLiteral("V_TA_FAMILIAS"));
    estado.counters["nodos"] = v.TreeView2.Nodes().Count();
    estado.counters["familias"] = Banco::Uno().resumen.familias;
    estado.counters["filas_leidas/s"] =
        benchmark::Counter(double(Banco::Uno().datos.articulos) * double(estado.iterations()), benchmark::Counter::kIsRate);
}

// What an article row costs either tree when its node is already there (most
// rows: one node stands for many articles): the add is refused with 35602 and
// the step runner passes over it.
void BM_ClaveRepetida(benchmark::State& estado)
{
    Arbol arbol;
    arbol.Nodes().Add(QString(), tvwNext, QStringLiteral("A"), QStringLiteral("(Todas)"));
    arbol.Nodes().Add(QStringLiteral("A"), tvwChild, QStringLiteral("A01"), QStringLiteral("01 - Familia"));
    SinAvisos control(estado);
    Procedimiento p(QStringLiteral("CargarFamilias"), ModGlobal::GestorUtilidades());
    p.PasarPorAlto(35602);
    for (auto _ : estado)
        p.paso([&] { arbol.Nodes().Add(QStringLiteral("A"), tvwChild, QStringLiteral("A01"), QStringLiteral("01 - Familia")); });
    if (!p.ultimaFalla() || p.ultimaFalla()->Numero != 35602 || arbol.Nodes().Count() != 2)
        estado.SkipWithError("the repeated key was not refused");
}

// A click on "(Todos)": every article, up to the row limit.
void cargaTodos(FrmTervalio& v, long tope)
{
    ModGlobal::gTopDefault = QString::number(tope);
    v.TreeView1_NodeClick(&v.TreeView1.Nodes().Item(QStringLiteral("D|")));
}

void BM_CargarArticulos(benchmark::State& estado)
{
    FrmTervalio& v = Banco::Uno().Ventana();
    const QString antes = ModGlobal::gTopDefault;
    SesionBD& bd = *ModGlobal::gSesionBD;
    SinAvisos control(estado);
    Tiempos t;
    QString consulta;
    for (auto _ : estado) {
        bd.LimpiaBitacora();
        t = Mide([&] { cargaTodos(v, long(estado.range(0))); });
        consulta = UltimaConsulta(QStringLiteral("VT_INS_ARTICULOS"));
    }
    ModGlobal::gTopDefault = antes;
    // The floor: the statement the list sent, every field of every row read bare.
    long leidas = 0;
    ContraPiso(estado, t, LecturaDesnuda(consulta, leidas));
    const int filas = v.ListView1.ListItems().Count();
    if (leidas != filas)
        estado.SkipWithError("the floor did not read the rows the list shows");
    if (filas != std::min<long>(estado.range(0), Banco::Uno().datos.articulos))
        estado.SkipWithError("the list does not hold the rows asked for");
    estado.counters["filas"] = filas;
    estado.counters["filas/s"] = benchmark::Counter(double(filas) * double(estado.iterations()), benchmark::Counter::kIsRate);
}

// The progress notice alone, updated once a row as the list load updates it:
// how much of that load is the notice.
void BM_CartelSolo(benchmark::State& estado)
{
    Banco::Uno().Ventana();
    const int filas = int(estado.range(0));
    bool cancelado = false;
    for (auto _ : estado) {
        ModGlobal::gCartel->CartelInicio(QStringLiteral("Cargando Articulos"), true);
        for (int i = 0; i < filas; ++i)
            ModGlobal::gCartel->CartelMostrar(cancelado, QVariant(QStringLiteral("ART%1").arg(i, 6, 10, QLatin1Char('0'))));
        ModGlobal::gCartel->CartelCerrar();
    }
    estado.counters["actualizaciones/s"] =
        benchmark::Counter(double(filas) * double(estado.iterations()), benchmark::Counter::kIsRate);
}

// "Cargar >>>" over every production date, by supply (1) or by article (0).
void proyecta(FrmTervalio& v, bool porInsumo)
{
    const ResumenDatos& r = Banco::Uno().resumen;
    v.TxtFields[11]->setText(Banco::Uno().datos.primeraFecha.toString(QStringLiteral("dd/MM/yyyy")));
    v.TxtFields[12]->setText(r.ultimaFecha.toString(QStringLiteral("dd/MM/yyyy")));
    v.OptTipo[porInsumo ? 1 : 0]->setChecked(true);
    v.SSTab2.setTab(2);
    v.CmdCargarProyect->click();
}

void BM_Proyeccion(benchmark::State& estado)
{
    FrmTervalio& v = Banco::Uno().Ventana();
    const bool porInsumo = estado.range(0) != 0;
    SinAvisos control(estado);
    Tiempos t;
    for (auto _ : estado) {
        ModGlobal::gSesionBD->LimpiaBitacora();
        t += Mide([&] { proyecta(v, porInsumo); });
    }
    ContraObjetivo(estado, t, porInsumo ? 150 : 50);
    ContraSuConsulta(estado, t, QStringLiteral("SUM("));   // the statement that sums the plan
    const DatosGrandes& d = Banco::Uno().datos;
    if (v.ListView3.ListItems().Count() < 2 || v.ListView3.ColumnHeaders().Count() != 3 + 2 * d.fechas)
        estado.SkipWithError("the projection came out empty or without its date columns");
    estado.counters["lineas_plan"] = d.lineasPlan;
    estado.counters["insumos_por_articulo"] = d.insumosPorArticulo;
    estado.counters["filas_lista"] = v.ListView3.ListItems().Count();
    estado.counters["columnas"] = v.ListView3.ColumnHeaders().Count();
}

// "&Exportar Excel" on the list the tab shows: the article list after loading
// the given number of rows, or the projection by supply or by article.
void BM_ExportarLista(benchmark::State& estado)
{
    Banco& b = Banco::Uno();
    FrmTervalio& v = b.Ventana();
    const long cual = long(estado.range(0));
    const Lista* lista = &v.ListView1;
    if (cual > 1) {
        const QString antes = ModGlobal::gTopDefault;
        cargaTodos(v, cual);
        ModGlobal::gTopDefault = antes;
    } else {
        proyecta(v, cual == 1);
        lista = &v.ListView3;
    }
    const int abiertos = b.abiertos;
    SinAvisos control(estado);
    Tiempos t;
    for (auto _ : estado)
        t = Mide([&] { v.CmdExpExcel->click(); });
    // The floor: the same cells with the same formats, written by libxlsxwriter alone.
    const PisoXlsx piso = PisoXlsx::De(ModExportarExcel::FotoDe(*lista), true, false, -1, -1, -1);
    QTemporaryDir carpeta;
    const std::string libro = QFile::encodeName(carpeta.filePath(QStringLiteral("piso.xlsx"))).toStdString();
    bool escrito = false;
    const Tiempos tPiso = Mide([&] { escrito = piso.Escribe(libro); });
    if (!escrito)
        estado.SkipWithError("libxlsxwriter alone could not write the floor");
    ContraPiso(estado, t, tPiso);
    estado.counters["celdas_piso"] = double(piso.Celdas());
    if (b.abiertos - abiertos != int(estado.iterations()))
        estado.SkipWithError("no workbook was handed to the operator");
    estado.counters["filas"] = lista->ListItems().Count();
    estado.counters["columnas"] = lista->ColumnHeaders().Count();
    estado.counters["celdas/s"] = benchmark::Counter(
        double(lista->ListItems().Count()) * lista->ColumnHeaders().Count() * double(estado.iterations()),
        benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_GeneraDatos)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Arranque)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CargarRubros)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CargarFamilias)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClaveRepetida);
BENCHMARK(BM_CargarArticulos)->ArgName("top")->Arg(1000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CartelSolo)->ArgName("filas")->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Proyeccion)->ArgName("por_insumo")->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Proyeccion)->ArgName("por_insumo")->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond);
// 100000: the whole article list; 0: the projection by article.
BENCHMARK(BM_ExportarLista)->ArgName("lista")->Arg(100000)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("OrvandisBench"));
    QCoreApplication::setApplicationName(QStringLiteral("V_Pelmaro"));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    Avisos::Instalar(&avisos);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    Banco::Termina();
    Avisos::Instalar(nullptr);
    benchmark::Shutdown();
    return 0;
}
