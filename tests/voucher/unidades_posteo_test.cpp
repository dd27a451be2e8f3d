// Postings of small random grids (fixed seeds) against what each line should
// move: rows in the base unit and in others, with and without the base-unit
// quantity, weighed or not, the equivalent unit confirmed or not, outgoing
// lots, incoming serial numbers, compound articles whose supplies are in
// other units, and transfers whose two sides must cancel out.
#include "comprobantes_prueba.h"
#include "linea_stock_prueba.h"
#include "posteo_prueba.h"
#include "voucher/ClsCmnCptes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <random>
#include <tuple>

namespace {

using namespace ModGlobal;
namespace C = ColArticulos;

// Two compound articles: one stocked by the unit whose supplies come in other
// units, one sold by the box of 6 whose supply is counted by the unit.
const char* const Articulos =
    "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdUnidad, UD_STOCK, Costo, PROCEDENCIA) VALUES "
    "('CMPU', 'Compuesto por unidad', 'UN', 'UN', 100, 'REVENTA'),"
    "('CMPC', 'Compuesto por caja', 'UN', 'UN', 100, 'REVENTA'),"
    "('CMPL', 'Compuesto barnizado', 'UN', 'UN', 100, 'REVENTA');"
    "INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) VALUES "
    "('CMPU', 'TORN01', 'CAJ', 0.5), ('CMPU', 'PERI01', 'UN', 3), ('CMPU', 'PLAMDF', 'M2', 2),"
    "('CMPC', 'PERI01', 'UN', 2), ('CMPL', 'BARN01', 'LT', 4), ('CMPL', 'TORN01', 'UN', 30);"
    "INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) VALUES ('CMPC', 'CAJ', 'UN', 6)";

// An article as a row may carry it: the unit of the row, its coefficient to
// the base unit, the base unit.
struct Forma {
    const char* articulo;
    const char* unidad;
    double coeficiente;
    const char* base;
};
const Forma Formas[] = {
    {"PERI01", "UN", 1, "UN"},  {"PERI01", "CAJ", 12, "UN"}, {"TORN01", "CAJ", 1, "CAJ"},
    {"PLAMDF", "PLA", 1, "PLA"}, {"SILLA01", "PAR", 2, "UN"}, {"CMPU", "UN", 1, "UN"},
    {"CMPC", "CAJ", 6, "UN"},   {"CMPC", "UN", 1, "UN"},   {"CMPL", "UN", 1, "UN"},
};

// A supply: compound article, supply, Cantidad per unit of the row, and the
// factor from the supply's unit to the row's (CantidadUd).
struct Insumo {
    const char* compuesto;
    const char* unidadFila;
    const char* insumo;
    double porUnidad;
    double aUnidadFila;
};
const Insumo Insumos[] = {
    {"CMPU", "UN", "TORN01", 0.5, 100},          // CAJ -> UN: 100 a box
    {"CMPU", "UN", "PERI01", 3, 1},              // the row's own unit
    {"CMPU", "UN", "PLAMDF", 2, 1},              // no equivalence stored for M2 -> UN
    {"CMPC", "CAJ", "PERI01", 2, 1.0 / 12},     // UN -> CAJ of the supply: 12 a box
    {"CMPC", "UN", "PERI01", 2, 1},
    {"CMPL", "UN", "BARN01", 4, 1},              // taken from the depot's lots, the rest without lot
    {"CMPL", "UN", "TORN01", 30, 1},             // the row's unit, whatever the supply is stocked in
};

struct Esperada {
    QString articulo, deposito;
    double cantidad = 0, cantidadUD = 0;
};

std::string Texto(const Esperada& e)
{
    return QStringLiteral("%1@%2 %3/%4").arg(e.articulo, e.deposito).arg(e.cantidad).arg(e.cantidadUD).toStdString();
}

class UnidadesPosteo_ : public ::testing::Test {
protected:
    void SetUp() override
    {
        FijaSesionDePosteo(QDate(2026, 12, 10), QStringLiteral("   1"));
        Ajuste(s, QStringLiteral("PIVA"), QStringLiteral("21"));
        s.bd.Sesion().Ejecuta(QString::fromUtf8(Articulos));
        clase = std::make_unique<ClsCmnCptes>();
    }
    void TearDown() override { LimpiaSesionDePosteo(); }

    SesionGlobal s{BasePrueba::ConDemo};
    std::unique_ptr<ClsCmnCptes> clase;
};

TEST_F(UnidadesPosteo_, GrillasAlAzar)
{
    int fallas = 0;
    for (unsigned semilla = 1; semilla <= 150 && fallas < 8; ++semilla) {
        std::mt19937 azar(semilla);
        const auto uno = [&](int n) { return int(azar() % unsigned(n)); };
        // 0 incoming, 1 outgoing, 2 transfer.
        const int clase_ = uno(3);
        const char* tc = clase_ == 0 ? "NC" : clase_ == 1 ? "RM" : "TR";
        const int signo = clase_ == 0 ? 1 : -1;
        // With the equivalent unit confirmed a line moves its share of column 10.
        const bool confirma = uno(4) == 0;
        Ajuste(s, QStringLiteral("ConfirmaUDEquiv"), confirma ? QStringLiteral("SI") : QStringLiteral("NO"));
        Grilla g;
        g.setRows(1);
        g.setCols(C::Cantidad_Columnas);
        std::vector<Esperada> esperadas, segundas, insumos;
        const int filas = 1 + uno(3);
        for (int f = 0; f < filas; ++f) {
            const Forma& fo = Formas[uno(int(std::size(Formas)))];
            const bool simple = QByteArray(fo.articulo).startsWith("CMP") == false;
            // Incoming serial numbers, one unit of the row each.
            const bool series = clase_ == 0 && simple && uno(3) == 0;
            const double q = 1 + uno(5) + (uno(2) && !series ? 0.5 : 0);
            const bool con74 = uno(3) != 0;
            const bool lotes = clase_ != 0 && simple && uno(3) == 0;
            // A weighed row moves its share of column 74 and nothing else.
            const bool pesado = simple && uno(4) == 0;
            const QString deposito = uno(2) ? QStringLiteral("1") : QStringLiteral("2");
            const int r = AgregaFila(g, {{C::Codigo, fo.articulo}, {C::Unidad, fo.unidad}, {C::UnidadBase, fo.base},
                                         {C::PideLote, lotes ? "-1" : "0"}, {C::PideSerie, series ? "-1" : "0"}, {C::PideTalle, "0"},
                                         {C::Perecedero, "0"}, {C::Pesable, pesado ? "-1" : "0"}});
            g.setTextMatrix(r, C::Cantidad, QString::number(q));
            g.setTextMatrix(r, C::Coeficiente, QString::number(fo.coeficiente));
            g.setTextMatrix(r, C::Deposito, deposito);
            if (con74)
                g.setTextMatrix(r, C::CantidadUD, QString::number(q * fo.coeficiente));
            g.setTextMatrix(r, C::UnidadEquiv, QStringLiteral("KG"));
            g.setTextMatrix(r, C::CantidadEquiv, QString::number(q * 0.5));
            const double base = con74 ? q * fo.coeficiente : 0;
            std::vector<double> partes{q};
            if (lotes) {
                const double a = 0.5 * (1 + uno(int(q * 2 - 1)));
                partes = {a, q - a};
                g.setTextMatrix(r, C::NroLote, QStringLiteral("|LA|LB|"));
                g.setTextMatrix(r, C::NroSerie, QStringLiteral("|%1|%2|").arg(a).arg(q - a));
            }
            if (series) {
                partes.assign(size_t(q), 1);
                QString lista = QStringLiteral("|");
                for (int k = 0; k < int(q); ++k)
                    lista += QStringLiteral("S%1-%2|").arg(r).arg(k);
                g.setTextMatrix(r, C::NroSerie, lista);
            }
            for (double p : partes) {
                if (p == 0)
                    continue;
                const double parte = p / q;
                // What this line moves in the base unit: its share of column 74, or
                // without it its own quantity, except for a plain outgoing row.
                double ud = base * parte;
                if (pesado)
                    ud = signo == -1 && fo.coeficiente == 1 ? p : base * parte;
                else if (fo.coeficiente == 1)
                    ud = p;
                else if (!con74 && (signo == 1 || lotes || series || clase_ == 2))
                    ud = p;
                if (confirma && !pesado)
                    ud = q * 0.5 * parte;
                esperadas.push_back({QString::fromLatin1(fo.articulo), deposito, p * signo, ud * signo});
                if (clase_ == 2)
                    segundas.push_back({QString::fromLatin1(fo.articulo), QStringLiteral("3"), p,
                                        confirma && !pesado                         ? q * 0.5 * parte
                                        : fo.coeficiente == 1 || (!con74 && !pesado) ? p
                                                                                     : base * parte});
            }
            for (const Insumo& i : Insumos) {
                if (std::string(i.compuesto) != fo.articulo || std::string(i.unidadFila) != fo.unidad)
                    continue;
                const double cantidad = q * i.porUnidad;
                insumos.push_back({QString::fromLatin1(i.insumo), deposito, cantidad * signo,
                                   cantidad * i.aUnidadFila * signo});
            }
        }
        Llamada l;
        l.TC = QString::fromLatin1(tc);
        l.SucNroLetra = QStringLiteral("00010000%1X").arg(7000 + semilla);
        l.IdDeposito = QStringLiteral("ELDELGRID");
        if (clase_ == 2) {
            l.EsTransferencia = true;
            l.IdDepositoDestino = QStringLiteral("3");
        }
        l.GeneraSentenciaSQL = semilla % 2 == 0;
        Postea(*clase, g, l);
        if (l.GeneraSentenciaSQL)
            s.bd.Sesion().Ejecuta(l.SQLTemp);
        EXPECT_FALSE(l.HayError) << semilla;
        std::vector<Esperada> todas = esperadas;
        todas.insert(todas.end(), segundas.begin(), segundas.end());
        std::vector<Esperada> pe = insumos;
        if (clase_ == 2)
            for (const Esperada& i : insumos)
                pe.push_back({i.articulo, QStringLiteral("3"), -i.cantidad, -i.cantidadUD});
        const auto lee = [&](const QString& sql) {
            std::vector<Esperada> v;
            for (const QString& fila : s.bd.Filas(sql)) {
                const QStringList c = fila.split(u'|');
                v.push_back({c[0], c[1], c[2].toDouble(), c[3].toDouble()});
            }
            return v;
        };
        const auto hechas = lee(QStringLiteral("SELECT TRIM(IdArticulo), TRIM(IdDeposito), Cantidad, CantidadUD FROM "
                                               "V_MV_STOCK WHERE TC = '%1' AND IdComprobante = '%2' ORDER BY Secuencia")
                                    .arg(l.TC, l.SucNroLetra));
        const auto hechasPE = lee(QStringLiteral("SELECT TRIM(IdArticulo), TRIM(IdDeposito), Cantidad, CantidadUD "
                                                 "FROM V_MV_STOCK WHERE TC = 'PE' AND IdComprobante_Origen = '%1' "
                                                 "ORDER BY Secuencia")
                                      .arg(l.SucNroLetra));
        const auto compara = [&](const char* que, const std::vector<Esperada>& a, const std::vector<Esperada>& b) {
            bool igual = a.size() == b.size();
            for (size_t k = 0; igual && k < a.size(); ++k)
                igual = a[k].articulo == b[k].articulo && a[k].deposito == b[k].deposito &&
                        std::abs(a[k].cantidad - b[k].cantidad) < 1e-6 && std::abs(a[k].cantidadUD - b[k].cantidadUD) < 1e-4;
            if (igual)
                return;
            ++fallas;
            std::string t;
            for (const auto& e : a)
                t += Texto(e) + "; ";
            t += " <> ";
            for (const auto& e : b)
                t += Texto(e) + "; ";
            ADD_FAILURE() << "seed " << semilla << " " << tc << " " << que << ": " << t;
        };
        compara("lines", todas, hechas);
        if (clase_ == 2) {
            // Whatever the rows hold, a transfer leaves every article's totals as they were.
            const auto saldo = lee(QStringLiteral("SELECT TRIM(IdArticulo), 'x', SUM(Cantidad), SUM(CantidadUD) FROM V_MV_STOCK "
                                                  "WHERE IdComprobante_Origen = '%1' OR IdComprobante = '%1' GROUP BY "
                                                  "TRIM(IdArticulo) HAVING ABS(SUM(Cantidad)) > 1e-9 OR ABS(SUM(CantidadUD)) > 1e-9")
                                       .arg(l.SucNroLetra));
            compara("transfer balance", {}, saldo);
        }
        // The supplies by article and depot: a supply may break into its lots.
        const auto ordena = [](const std::vector<Esperada>& v) {
            std::map<std::pair<QString, QString>, Esperada> suma;
            for (const Esperada& e : v) {
                Esperada& t = suma[{e.deposito, e.articulo}];
                t.articulo = e.articulo;
                t.deposito = e.deposito;
                t.cantidad += e.cantidad;
                t.cantidadUD += e.cantidadUD;
            }
            std::vector<Esperada> r;
            for (const auto& [clave, e] : suma)
                r.push_back(e);
            return r;
        };
        compara("supplies", ordena(pe), ordena(hechasPE));
    }
}

}  // namespace
