#pragma once
// The stock module: units and equivalences of an article, its stock balance,
// the number of a stock voucher, the lots a quantity is taken from and the
// supplies of a compound article. One namespace, defined across the files of
// this folder, one section per concern.

#include <QString>
#include <vector>

class Grilla;

namespace Stock {

// ---- Units, equivalences and stock balance ---------------------------------------
// The article's own unit, trimmed; empty for an article without unit or not in
// V_MA_ARTICULOS.
QString ObtieneUnidadArticulo(const QString& IdArticulo);
// Whether the article relates UnidadBase (the article's unit when empty, and
// written back) with UnidadEquiv: "/" for a row stored from the base to the
// equivalent unit, "*" for one stored the other way, with its coefficient. A
// coefficient of 0 is no equivalence. SinUnidad: there was no base unit.
bool IdArticuloTieneEquivalencias(const QString& IdArticulo, const QString& UnidadEquiv, QString& Operador,
                                  QString& UnidadBase, double& Coeficiente, bool& SinUnidad);
// Cantidad of UnidadOrigen in UnidadDestino, rounded to 4 decimals half to
// even; 0 without equivalence. An empty UnidadOrigen becomes the article's unit.
double ConvierteCantidadUnidad(const QString& IdArticulo, QString& UnidadOrigen, double Cantidad,
                               const QString& UnidadDestino);
// Cantidad of UnidadOrigen in UnidadDestino by the inverse rule, unrounded;
// unchanged without equivalence. An empty UnidadDestino becomes the article's unit.
double ConvierteCantidadEquivalente(const QString& IdArticulo, QString& UnidadDestino, double Cantidad,
                                    const QString& UnidadOrigen);
// The article's stock in the unit and depot (all depots when the depot is
// empty); nothing changes for an empty article.
void ControlStock(const QString& IdDeposito, const QString& IdArticulo, const QString& Equivalencia, double& Stock);
// Fills the cubic-metre (62), package (63) and kilogram (64) columns of the
// article grid's current row.
void CalculaCantidadesEquivalentes(Grilla& Grilla);

// ---- Stock voucher number, lots and supplies of an article ------------------------------
// One supply of a compound article, or the quantity taken from one lot. Code
// and unit are fixed texts of 25 and 4 characters; a blank record (one added
// and not filled) has both empty.
struct RegInsumo {
    static constexpr int LargoCodigo = 25;
    static constexpr int LargoUnidad = 4;
    QString Codigo;
    QString Unidad;
    double Cantidad = 0;
    // Fills the record: texts padded with blanks or cut to their width.
    void Llena(const QString& codigo, const QString& unidad, double cantidad);
    bool EnBlanco() const { return Codigo.isEmpty() && Unidad.isEmpty() && Cantidad == 0; }
};

// The id (branch, number, letter) of the next stock voucher of the type; a
// taken id moves past the highest stored one. Empty when no number was taken.
QString AsignarNumeroComprobante(const QString& TC, QString& Sucursal, QString& Letra);
// Spreads Cantidad over the article's lots with stock in the depot, in lot
// order; true when it has any. "ELDELGRID" answers false at once.
bool ArticuloTieneLotes(const QString& IdArticulo, const QString& IdDeposito, std::vector<RegInsumo>& Lotes,
                        const double& Cantidad);
// The supplies of a compound article, each followed by a blank record (with
// SoloVerificar, only the answer); true when it has any.
bool IdArticuloTieneInsumos(const QString& IdArticulo, std::vector<RegInsumo>& Insumos, const bool& SoloVerificar);

}  // namespace Stock
