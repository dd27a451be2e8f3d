// The voucher picker on a large database: 100,000 invoices and 100,000
// purchase orders, half of them received. A run for "FC" beside the bare read
// of the same rows through SesionBD (the floor); a run for "OC" with its
// reception look-up per row; a name search; a header sort; accepting "OC"
// with every row ticked. Each prints rows per second.
#include "datos_grandes.h"
#include "picker/FrmConsComprobantes.h"
#include "platform/avisos.h"
#include "platform/controles/caja_texto.h"
#include "platform/db/motores.h"
#include "platform/falla.h"
#include "session/ModGlobal.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Facturas = 100000;
constexpr int Ordenes = 100000;

AvisosContados avisos;

// The demo plus the generated vouchers, in one transaction.
void CreaBase(const QString& archivo)
{
    CreaBaseSqlite(archivo, true);
    BaseDirecta db(archivo);
    db.Ejecuta(QStringLiteral("BEGIN"));
    const QString sql = QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento, CUENTA, NOMBRE, ID, FECHA, Importe, ANULADA, "
        "APROBADO, FINALIZADA, OBSERVACIONES, FechaHora_Grabacion) "
        "SELECT 'FC', printf('0005%08dA', i), 0, printf('C%04d', i % 500), printf('Cliente número %d', i % 500), i, "
        "printf('%02d/%02d/26', 1 + i % 28, 1 + i % 12), 1000 + (i * 37) % 90000, i % 50 = 0, i % 3 = 0, 0, "
        "'Entrega en el local', CASE WHEN i % 2 = 0 THEN printf('%02d/%02d/26 10:15', 1 + i % 28, 1 + i % 12) END "
        "FROM n;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
        "INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, CUENTA, NOMBRE, ID, FECHA, Importe, "
        "ANULADA, APROBADO, FINALIZADO, COMENTARIOS, GARANTIA) "
        "SELECT 'OC', printf('0005%08dX', i), '0005', printf('%08d', i), 'X', printf('P%04d', i % 200), "
        "printf('Proveedor número %d', i % 200), i, printf('%02d/%02d/26', 1 + i % 28, 1 + i % 12), "
        "500 + (i * 13) % 50000, 0, 1, 0, 'Pedido de reposición', i % 7 = 0 FROM n;"
        "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 2 FROM n WHERE i + 2 <= %2) "
        "INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, Secuencia, IDARTICULO, IDDEPOSITO, CANTIDAD, FECHA, TC_ORIGEN, "
        "IDCOMPROBANTE_ORIGEN) "
        "SELECT 'IR', printf('0005%08dR', i), 1, 'TABPIN', '1', 10, '12/01/26', 'OC', printf('0005%08dX', i) FROM n;")
                                 .arg(Facturas)
                                 .arg(Ordenes);
    db.Ejecuta(sql);
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
    Banco() : base_(QStringLiteral("comprobantes.sqlite"), CreaBase, avisos)
    {
    }
    BaseDeBanco base_;
};

// A window that has listed the type.
std::unique_ptr<FrmConsComprobantes> Listada(const char* tc)
{
    auto v = std::make_unique<FrmConsComprobantes>();
    v->TC = QString::fromLatin1(tc);
    v->ConsultaCptes();
    return v;
}

void Filas(benchmark::State& estado, long filas)
{
    estado.counters["filas/s"] = benchmark::Counter(double(filas), benchmark::Counter::kIsRate);
    if (avisos.mostrados)
        estado.SkipWithError("a message box came up");
}

void BM_LecturaSolaFC(benchmark::State& estado)
{
    Banco::Uno();
    SesionBD& bd = *ModGlobal::gSesionBD;
    long filas = 0;
    for (auto _ : estado) {
        Recordset rs;
        bd.AbreRecordset(QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE   TC = 'FC  ' ORDER BY "
                                        "IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC"),
                         rs);
        for (; !rs.Eof(); rs.MoveNext()) {
            for (const char* campo : {"FechaHora_Grabacion", "IdComprobante", "IdComplemento", "Nombre",
                                      "Observaciones", "Importe", "Anulada", "APROBADO"})
                benchmark::DoNotOptimize(rs.Valor(QLatin1String(campo)));
            ++filas;
        }
        bd.CierraRecordset(rs);
    }
    Filas(estado, filas);
}

void BM_ListaFC(benchmark::State& estado)
{
    Banco::Uno();
    long filas = 0;
    for (auto _ : estado)
        filas += Listada("FC")->ListView1.ListItems().Count();
    Filas(estado, filas);
}

void BM_ListaOCConRecepciones(benchmark::State& estado)
{
    Banco::Uno();
    long filas = 0;
    for (auto _ : estado)
        filas += Listada("OC")->ListView1.ListItems().Count();
    Filas(estado, filas);
}

void BM_BusquedaPorNombre(benchmark::State& estado)
{
    Banco::Uno();
    auto v = Listada("FC");
    long filas = 0;
    for (auto _ : estado) {
        v->TxtNombre->setText(QStringLiteral("número 42"));
        v->CmdBuscar_Click();
        filas += v->ListView1.ListItems().Count();
    }
    Filas(estado, filas);
}

void BM_OrdenPorColumna(benchmark::State& estado)
{
    Banco::Uno();
    auto v = Listada("FC");
    const int n = v->ListView1.ListItems().Count();
    long filas = 0;
    int columna = 0;
    for (auto _ : estado) {
        v->ListView1_ColumnClick(v->ListView1.ColumnHeaders().Item(1 + columna % 3));
        benchmark::DoNotOptimize(v->ListView1.ListItems().Item(1).Text());
        ++columna;
        filas += n;
    }
    Filas(estado, filas);
}

void BM_AceptarOCTodasMarcadas(benchmark::State& estado)
{
    Banco::Uno();
    auto v = Listada("OC");
    // The rows as listed, kept to be shown again after every acceptance.
    struct Fila {
        QString texto;
        QStringList subs;
    };
    std::vector<Fila> copia;
    const ElementosLista& l = v->ListView1.ListItems();
    for (int i = 1; i <= l.Count(); ++i) {
        Fila f{l.Item(i).Text(), {}};
        for (int s = 1; s <= 5; ++s)
            f.subs << l.Item(i).SubItems(s);
        copia.push_back(std::move(f));
    }
    long filas = 0;
    for (auto _ : estado) {
        estado.PauseTiming();
        for (const Fila& f : copia) {
            ListItem& e = v->ListView1.ListItems().Add(0, QString(), f.texto);
            for (int s = 0; s < f.subs.size(); ++s)
                e.setSubItems(s + 1, f.subs[s]);
            e.setChecked(true);
        }
        v->ListView1.setSelectedItem(&v->ListView1.ListItems().Item(1));
        estado.ResumeTiming();
        v->CmdAceptar_Click();
        benchmark::DoNotOptimize(v->NroComprobante.size());
        filas += long(copia.size());
    }
    Filas(estado, filas);
}

BENCHMARK(BM_LecturaSolaFC)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ListaFC)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ListaOCConRecepciones)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BusquedaPorNombre)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OrdenPorColumna)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AceptarOCTodasMarcadas)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv)
{
    return CorreBenchmarks(argc, argv);
}
