// The lots a quantity of an article is taken from, and the supplies of a compound article.
#include "services/Stock.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "platform/recorte.h"

#include <cmath>

namespace Stock {

using namespace LecturaValores;

namespace {

// A lot's stock is a sum of movements held as doubles: quantities that agree
// to 6 decimals are the same quantity, so no rounding residue makes a record.
constexpr double Tolerancia = 1e-6;

}  // namespace

void RegInsumo::Llena(const QString& codigo, const QString& unidad, double cantidad)
{
    Codigo = codigo.left(LargoCodigo).leftJustified(LargoCodigo);
    Unidad = unidad.left(LargoUnidad).leftJustified(LargoUnidad);
    Cantidad = cantidad;
}

bool ArticuloTieneLotes(const QString& IdArticulo, const QString& IdDeposito, std::vector<RegInsumo>& Lotes,
                        const double& Cantidad)
{
    if (IdDeposito.compare(u"ELDELGRID", Qt::CaseInsensitive) == 0)
        return false;
    Procedimiento p(QStringLiteral("ArticuloTieneLotes"), GestorSesion());
    auto& util = *ModGlobal::gUtilidades;
    bool respuesta = false;
    double tomado = 0;
    Recordset rs;
    // The table holds signed movements: a lot's stock is the sum of its rows,
    // and only lots with stock left are offered. The depot is a code: quoted
    // like every other depot condition.
    p.paso([&] {
        ModGlobal::gSesionBD->AbreRecordset(
            QStringLiteral("SELECT NroLote, SUM(CANTIDAD) AS Cantidad FROM STK_SERIES_Y_LOTES WHERE IdArticulo = ") +
                Literal(util.AjustaAncho(IdArticulo, 25)) + QStringLiteral("  AND IDDEPOSITO = ") +
                Literal(Codigo4(IdDeposito)) +
                QStringLiteral(" and not nrolote is null GROUP BY NroLote HAVING SUM(CANTIDAD) > 0 ORDER BY NROLOTE"),
            rs);
    });
    p.paso([&] {
        Lotes.assign(1, RegInsumo());
        respuesta = !rs.Eof();
    });
    while (!p.abandonado() && rs.State() == Recordset::Abierto && !rs.Eof()) {
        bool completo = false;
        p.paso([&] {
            const double enLote = Numero(rs.Valor(QStringLiteral("Cantidad")));
            RegInsumo& lote = Lotes.back();
            lote.Llena(Texto(rs.Valor(QStringLiteral("NroLote"))), QString(), enLote);
            if (tomado + enLote > Cantidad + Tolerancia) {
                const double falta = Cantidad - tomado;
                lote.Cantidad = std::fabs(falta) < Tolerancia ? 0 : falta;
                tomado = Cantidad;
                completo = true;
                return;
            }
            tomado += enLote;
            Lotes.emplace_back();
        });
        if (completo || !p.paso([&] { rs.MoveNext(); }))
            break;
    }
    // What the lots do not cover, without a lot.
    p.paso([&] {
        if (Cantidad > tomado + Tolerancia) {
            Lotes.emplace_back();
            Lotes.back().Cantidad = Cantidad - tomado;
        }
    });
    p.paso([&] { ModGlobal::gSesionBD->CierraRecordset(rs); });
    return respuesta;
}

bool IdArticuloTieneInsumos(const QString& IdArticulo, std::vector<RegInsumo>& Insumos, const bool& SoloVerificar)
{
    Procedimiento p(QStringLiteral("IdArticuloTieneInsumos"), GestorSesion());
    bool respuesta = false;
    Recordset rs;
    p.paso([&] {
        ModGlobal::gSesionBD->AbreRecordset(
            QStringLiteral("SELECT * FROM V_MA_INSUMOS  with(nolock)  WHERE IDARTICULO = ") +
                Literal(ModGlobal::gUtilidades->AjustaAncho(Recorta(IdArticulo), 25)),
            rs);
    });
    p.paso([&] {
        Insumos.assign(1, RegInsumo());
        respuesta = !rs.Eof();
    });
    if (!SoloVerificar) {
        while (!p.abandonado() && rs.State() == Recordset::Abierto && !rs.Eof()) {
            p.paso([&] {
                Insumos.back().Llena(Texto(rs.Valor(QStringLiteral("IdArticuloInsumo"))),
                                     Texto(rs.Valor(QStringLiteral("IdUnidadInsumo"))),
                                     Numero(rs.Valor(QStringLiteral("Cantidad"))));
                Insumos.emplace_back();
            });
            if (!p.paso([&] { rs.MoveNext(); }))
                break;
        }
    }
    p.paso([&] { ModGlobal::gSesionBD->CierraRecordset(rs); });
    return respuesta;
}

}  // namespace Stock
