// The T-SQL rewrite and a 100,000-row read through the recordset.
#include "platform/db/sesion_bd.h"
#include "platform/db/tsql_sqlite.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QStringList& sentencias()
{
    static const QStringList s = {
        QStringLiteral("SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'Top_Default'"),
        QStringLiteral("SELECT *,IDUNIDAD AS UDBASE , ISNULL(UMCB1,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE "
                       "CODIGOBARRA1 = '7791234000024            '"),
        QStringLiteral("SELECT TOP 500 * FROM VT_INS_ARTICULOS  WHERE  IdFamilia LIKE '01%' and  suspendido = 0 "),
        QStringLiteral("SELECT * FROM  dbo.VT_INS_ARTICULOS INNER JOIN dbo.VT_RubroTipoDescripciones ON "
                       "dbo.VT_INS_ARTICULOS.IDRUBRO = dbo.VT_RubroTipoDescripciones.IDRUBRO  ORDER BY "
                       "VT_RubroTipoDescripciones.IDRubro,VT_RubroTipoDescripciones.IdTipo"),
        QStringLiteral("BEGIN TRANSACTION \r\r\r\nDELETE V_CPTES_MODELO_CAB WHERE IdCpteModelo = 0\rDELETE V_CPTES_MODELO_DET "
                       "WHERE IdCpteModelo = 0\rINSERT INTO V_CPTES_MODELO_CAB (IdCpteModelo,Nombre,Detalle,TCDefault) VALUES "
                       "(2,'20/02/2027','','@@PP')\rINSERT INTO V_CPTES_MODELO_DET (IdCpteModelo,IdArticulo,Cantidad,IdUnidad,"
                       "FechaComp) VALUES (2,'MESA01                   ',3,'UN  ','20/02/2027')\r"),
    };
    return s;
}

void BM_Dialecto(benchmark::State& state)
{
    for (auto _ : state)
        for (const QString& s : sentencias())
            benchmark::DoNotOptimize(TsqlSqlite::TraduceLote(s));
    state.counters["sentencias/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * sentencias().size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Dialecto);

constexpr int FilasLectura = 100000;

// One session on a temporary file holding the rows, made once.
SesionBD& sesionConFilas()
{
    static QTemporaryDir carpeta;
    static SesionBD s;
    if (!s.Conectado()) {
        s.Servidor = carpeta.filePath(QStringLiteral("lectura.sqlite"));
        bool a = false, b = true, c = true;
        long modo = 3;
        QString cadena;
        s.Conectar(a, modo, cadena, b, c);
        s.Ejecuta(QStringLiteral(
            "CREATE TABLE LECTURA (IdArticulo VARCHAR(25) COLLATE SINCASO PRIMARY KEY, Descripcion VARCHAR(100) COLLATE SINCASO,"
            " Costo FLOAT, Alta DATETIME COLLATE FECHA, Suspendido BIT)"));
        s.Ejecuta(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                 "INSERT INTO LECTURA SELECT printf('ART%06d', i), 'Articulo de prueba numero ' || i, "
                                 "i * 1.25, printf('2026-%02d-%02d 10:00:00', i % 12 + 1, i % 28 + 1), i % 2 FROM n")
                      .arg(FilasLectura));
    }
    return s;
}

void BM_Lectura100k(benchmark::State& state)
{
    SesionBD& s = sesionConFilas();
    long filas = 0;
    for (auto _ : state) {
        Recordset rs;
        s.AbreRecordset(QStringLiteral("SELECT * FROM LECTURA with(nolock)"), rs);
        for (; !rs.Eof(); rs.MoveNext()) {
            benchmark::DoNotOptimize(rs.Valor(QStringLiteral("IdArticulo")));
            benchmark::DoNotOptimize(rs.Valor(QStringLiteral("descripcion")));
            benchmark::DoNotOptimize(rs.Valor(QStringLiteral("COSTO")));
            benchmark::DoNotOptimize(rs.Valor(QStringLiteral("Alta")));
            benchmark::DoNotOptimize(rs.Valor(QStringLiteral("Suspendido")));
            ++filas;
        }
    }
    state.counters["filas/s"] = benchmark::Counter(static_cast<double>(filas), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Lectura100k)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // Qt's database drivers load only inside an application.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
