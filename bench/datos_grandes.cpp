#include "datos_grandes.h"

#include "session/ModGlobal.h"

#include "platform/db/motores.h"
#include "platform/db/sesion_bd.h"
#include "platform/db/reglas_sqlite.h"
#include "platform/falla.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <string>

namespace {

constexpr int PorNivel = 10;   // families under each family, on three levels

[[noreturn]] void falla(sqlite3* db, const char* que)
{
    throw Falla(3704, QStringLiteral("Datos grandes, %1: %2").arg(QString::fromLatin1(que), QString::fromUtf8(sqlite3_errmsg(db))),
                QStringLiteral("bench"));
}

void ejecuta(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        falla(db, sql);
}

// One prepared INSERT, run once per row.
class Insercion {
public:
    Insercion(sqlite3* db, const char* sql, long& filas) : db_(db), filas_(filas)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &st_, nullptr) != SQLITE_OK)
            falla(db, sql);
    }
    ~Insercion() { sqlite3_finalize(st_); }
    Insercion(const Insercion&) = delete;
    Insercion& operator=(const Insercion&) = delete;

    Insercion& texto(const std::string& t)
    {
        sqlite3_bind_text(st_, ++i_, t.data(), int(t.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Insercion& numero(double v)
    {
        sqlite3_bind_double(st_, ++i_, v);
        return *this;
    }
    Insercion& entero(long v)
    {
        sqlite3_bind_int64(st_, ++i_, v);
        return *this;
    }
    Insercion& nulo()
    {
        sqlite3_bind_null(st_, ++i_);
        return *this;
    }
    void fila()
    {
        if (sqlite3_step(st_) != SQLITE_DONE)
            falla(db_, sqlite3_sql(st_));
        sqlite3_reset(st_);
        i_ = 0;
        ++filas_;
    }

private:
    sqlite3* db_;
    sqlite3_stmt* st_ = nullptr;
    long& filas_;
    int i_ = 0;
};

template <class... A>
std::string fmt(const char* f, A... a)
{
    char b[128];
    std::snprintf(b, sizeof b, f, a...);
    return b;
}

std::string codigoArticulo(int i)
{
    return fmt("ART%06d", i + 1);
}

std::string fechaIso(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd 00:00:00")).toStdString();
}

// The family of a browse article: a leaf, one in ten a level up, one in a hundred at the top.
std::string familiaDe(int i)
{
    const int hoja = i % (PorNivel * PorNivel * PorNivel);
    const int a = hoja / 100 + 1, b = hoja / 10 % 10 + 1, c = hoja % 10 + 1;
    if (i % 100 == 0)
        return fmt("%02d", a);
    if (i % 10 == 0)
        return fmt("%02d%02d", a, b);
    return fmt("%02d%02d%02d", a, b, c);
}

void compruebaTamanos(const DatosGrandes& d)
{
    const bool bien = d.articulos > 0 && d.insumos >= 0 && d.compuestos >= 0 && d.insumos + d.compuestos <= d.articulos &&
                      d.insumosPorArticulo >= 0 && d.insumosPorArticulo <= d.insumos && d.rubros > 0 && d.rubros < 100 &&
                      d.tipos > 0 && d.tipos < 1000 && d.proveedores > 0 && d.lineasPlan >= 0 && d.fechas > 0 &&
                      (d.lineasPlan == 0 || d.compuestos > 0) && d.primeraFecha.isValid();
    if (!bien)
        throw Falla(Falla::LlamadaNoValida, QStringLiteral("Datos grandes: tamaños que no encajan."), QStringLiteral("bench"));
}

void llena(sqlite3* db, const DatosGrandes& d, ResumenDatos& r)
{
    long& n = r.filas;
    // The demo's catalogue and drafts give way; its settings, users and voucher types stay.
    for (const char* tabla : {"V_MA_ARTICULOS", "V_MA_INSUMOS", "V_TA_RUBROS", "V_TA_TipoArticulo", "V_TA_FAMILIAS",
                              "VT_PROVEEDORES", "V_MA_PRECIOS", "S_TA_EQUIV", "STK_SALDOS_UNIDADES", "STK_STOCK_UDKG",
                              "STK_SERIES_Y_LOTES", "AC_SALDOSLAYOUT", "V_CPTES_MODELO_CAB", "V_CPTES_MODELO_DET"})
        ejecuta(db, ("DELETE FROM " + std::string(tabla)).c_str());

    {
        Insercion rubro(db, "INSERT INTO V_TA_RUBROS (IdRubro, Descripcion) VALUES (?, ?)", n);
        rubro.texto("INS").texto("Insumos de producción").fila();
        for (int i = 0; i < d.rubros; ++i)
            rubro.texto(fmt("R%02d", i + 1)).texto(fmt("Rubro número %d", i + 1)).fila();
        Insercion tipo(db, "INSERT INTO V_TA_TipoArticulo (IdTipo, Descripcion) VALUES (?, ?)", n);
        for (int i = 0; i < d.tipos; ++i)
            tipo.texto(fmt("T%03d", i + 1)).texto(fmt("Marca número %d", i + 1)).fila();
        Insercion proveedor(db, "INSERT INTO VT_PROVEEDORES (CODIGO, RAZON_SOCIAL, CUIT) VALUES (?, ?, ?)", n);
        for (int i = 0; i < d.proveedores; ++i)
            proveedor.texto(fmt("P%04d", i + 1)).texto(fmt("Proveedor número %d S.A.", i + 1)).texto(fmt("30%09d", i + 1)).fila();
    }
    {
        Insercion familia(db, "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES (?, ?)", n);
        const long antes = n;
        for (int a = 1; a <= PorNivel; ++a) {
            familia.texto(fmt("%02d", a)).texto(fmt("Familia %d", a)).fila();
            for (int b = 1; b <= PorNivel; ++b) {
                familia.texto(fmt("%02d%02d", a, b)).texto(fmt("Familia %d.%d", a, b)).fila();
                for (int c = 1; c <= PorNivel; ++c)
                    familia.texto(fmt("%02d%02d%02d", a, b, c)).texto(fmt("Familia %d.%d.%d", a, b, c)).fila();
            }
        }
        familia.texto("99").texto("Insumos").fila();
        r.familias = int(n - antes);
    }
    {
        Insercion articulo(db,
                           "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, idTipo, IdRubro, IdFamilia, "
                           "IdUnidad, UD_STOCK, Costo, Impuestos, CuentaProveedor, CodigoArtProveedor, PuntoMaximo, "
                           "PuntoPedido, SUSPENDIDO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?, 100, 10, 0)",
                           n);
        for (int i = 0; i < d.articulos; ++i) {
            const bool insumo = i < d.insumos;
            articulo.texto(codigoArticulo(i))
                .texto(insumo ? fmt("Insumo número %d", i + 1) : fmt("Artículo de prueba número %d", i + 1))
                .texto(fmt("Caja x %d", i % 24 + 1))
                .texto(fmt("T%03d", i / d.rubros % d.tipos + 1))
                .texto(insumo ? std::string("INS") : fmt("R%02d", i % d.rubros + 1))
                .texto(insumo ? std::string("99") : familiaDe(i))
                .texto(insumo ? "KG" : "UN")
                .texto(insumo ? "KG" : "UN");
            if (i % 1000 == 999)
                articulo.nulo();
            else
                articulo.numero(100 + (i % 5000) * 1.25);
            const int p = i % d.proveedores;
            articulo.texto(fmt("P%04d", p + 1)).texto(fmt("PR-%06d", i + 1)).fila();
        }
    }
    {
        Insercion insumo(db, "INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) VALUES (?, ?, 'KG', ?)",
                         n);
        const int paso = d.insumosPorArticulo > 0 ? d.insumos / d.insumosPorArticulo : 0;
        for (int c = 0; c < d.compuestos; ++c)
            for (int j = 0; j < d.insumosPorArticulo; ++j)
                insumo.texto(codigoArticulo(d.insumos + c))
                    .texto(codigoArticulo((c + j * paso) % d.insumos))
                    .numero(0.25 * (j + 1))
                    .fila();
    }
    {
        Insercion cabecera(db,
                           "INSERT INTO V_CPTES_MODELO_CAB (IdCpteModelo, Nombre, Detalle, TCDefault, DepositoOrigen, "
                           "DepositoDestino, IdMotivoStock, AnclarAlMenu) VALUES (?, ?, ?, '@@PP', '', '', '', '0')",
                           n);
        Insercion linea(db, "INSERT INTO V_CPTES_MODELO_DET (IdCpteModelo, IdArticulo, Cantidad, IdUnidad, FechaComp) "
                            "VALUES (?, ?, ?, 'UN', ?)",
                        n);
        const int porFecha = (d.lineasPlan + d.fechas - 1) / d.fechas;
        int escritas = 0;
        for (int f = 0; f < d.fechas; ++f) {
            const QDate fecha = d.primeraFecha.addDays(7 * f);
            r.ultimaFecha = fecha;
            cabecera.entero(f + 1)
                .texto(fecha.toString(QStringLiteral("dd/MM/yyyy")).toStdString())
                .texto(fmt("Plan de la semana %d", f + 1))
                .fila();
            const std::string iso = fechaIso(fecha);
            int anterior = 0;
            for (int k = 0; k < porFecha && escritas < d.lineasPlan; ++k, ++escritas) {
                // Dates overlap by three quarters; one line in a hundred repeats the one before.
                const int c = k % 100 == 99 ? anterior : (k + f * (porFecha / 4)) % d.compuestos;
                anterior = c;
                linea.entero(f + 1).texto(codigoArticulo(d.insumos + c)).numero(0.5 * (k % 8 + 1)).texto(iso).fila();
            }
        }
    }
}

}  // namespace

ResumenDatos CreaDatosGrandes(const QString& archivo, const DatosGrandes& datos)
{
    compruebaTamanos(datos);
    QFile::remove(archivo);
    CreaBaseSqlite(archivo, true);
    ResumenDatos r;
    QElapsedTimer reloj;
    reloj.start();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw Falla(3706, QStringLiteral("No se pudo abrir %1.").arg(archivo), QStringLiteral("bench"));
    }
    try {
        if (!ReglasSqlite::Registra(db, nullptr))
            falla(db, "collations");
        ejecuta(db, "BEGIN");
        llena(db, datos, r);
        ejecuta(db, "COMMIT");
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
    r.segundos = reloj.nsecsElapsed() / 1e9;
    return r;
}

int AvisosContados::Mensaje(const QString& texto, int, const QString& titulo)
{
    if (++mostrados <= 3)
        std::fprintf(stderr, "aviso: %s: %s\n", qUtf8Printable(titulo), qUtf8Printable(texto));
    return Avisos::Abortar;
}

int AvisosContados::Dialogo(QDialog&)
{
    return 0;   // QDialog::Rejected
}

BaseDirecta::BaseDirecta(const QString& archivo)
{
    if (sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db_);
        throw Falla(3706, QStringLiteral("No se pudo abrir %1.").arg(archivo), QStringLiteral("bench"));
    }
    if (!ReglasSqlite::Registra(db_, nullptr)) {
        sqlite3_close(db_);
        throw Falla(3704, QStringLiteral("collations"), QStringLiteral("bench"));
    }
}

BaseDirecta::~BaseDirecta()
{
    sqlite3_close(db_);
}

void BaseDirecta::Ejecuta(const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString texto = QString::fromUtf8(error);
        sqlite3_free(error);
        throw Falla(3704, texto, QStringLiteral("bench"));
    }
}

void ConectaArchivo(SesionBD& bd, const QString& archivo)
{
    bd.Servidor = archivo;
    bool sinServidor = false;
    long modo = 0;
    QString cadena;
    bool a = false;
    bool b = false;
    bd.Conectar(sinServidor, modo, cadena, a, b);
    if (!bd.Conectado())
        throw Falla(3706, bd.MotivoDeFalla(), QStringLiteral("bench"));
}

BaseDeBanco::BaseDeBanco(const QString& nombre, void (*crea)(const QString&), AvisosContados& avisos)
{
    Avisos::Instalar(&avisos);
    const QString archivo = carpeta_.filePath(nombre);
    crea(archivo);
    ConectaArchivo(*ModGlobal::gSesionBD, archivo);
}

BaseDeBanco::~BaseDeBanco()
{
    ModGlobal::gSesionBD.Liberar();
}

int CorreBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
