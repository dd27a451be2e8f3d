#pragma once
// One load of a stored voucher into the three grids of a voucher being built
// from it (ClsCmnCptes::AsignarDatosComprobante): the working values of the
// call, its queries and the subroutines that fill the grids. Every statement,
// re-pricing update and cell write is one step of the procedure
// "AsignarDatosComprobante": the error manager's 4 runs it again, 5 goes on
// with the next one, anything else leaves the load with what was written.

#include "platform/db/recordset.h"
#include "platform/moneda.h"
#include "platform/pasos.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class ClsCmnCptes;
class Grilla;

class CargaComprobante {
public:
    CargaComprobante(ClsCmnCptes& clase, const QString& TC, const QString& SucNroLetra, const QString& IdComplemento,
                     Grilla* MSFlexGrid1, Grilla* MSFlexGrid2, Grilla* MSFlexGrid3, Recordset* LrcsCpte, bool Compras,
                     const QString& Proveedor, short& IdRepartoRM, bool ConvertirMoneda, const QString& WhrTareas,
                     const QString& CpteDestino, QString& LetraDestino);

    // False when an answer of the error manager left the load.
    bool Ejecuta();

private:
    void Reprecio();
    void CargaTareas();
    void FilaTarea();
    void CargaArticulos();
    // One stored line into the article grid; false when the sheet is full.
    bool LineaArticulo(int& contador, bool& primeraFila, short& senal, QStringList& cargados);
    void Cantidades();
    // The quantity already invoiced from the line's article (0 when none).
    double CantidadAplicada();
    // The line's share of what was invoiced from its article: the article's
    // earlier lines take theirs first, and each line but the article's last
    // takes at most its own quantity.
    double ParteAplicada(double aplicadoArticulo, double cantidad) const;
    // The line's share of what is still to deliver of its article: what the
    // article's later lines could take is left to them.
    double PartePendiente(double pendienteArticulo, double cantidad) const;
    QString ClaveArticulo() const;
    void CuentaLineasPorArticulo();
    void DatosArticulo();
    // Prices, amounts, lots and measures of the row; the earlier row a timber
    // line was folded into (its own row is gone), 0 when none.
    int PreciosYMedidas();
    // The timber merge: the row's line folded into the first earlier row of
    // the same article, unit, measures and amount per pricing unit; the row
    // it went into, 0 when none.
    int Fusiona();
    void MarcasYEquivalentes(int filaFusion);
    void CargaOtrosConceptos();
    void FilaOtroConcepto();

    // The rows of a source appended to a grid, one row function per source row.
    void AgregaFilas(Grilla* grilla, Recordset& origen, void (CargaComprobante::*fila)());
    // A cell of the grid's last row, its text worked out and written as one step.
    void Celda(Grilla* grilla, int columna, const std::function<QString()>& texto);
    // An amount of a line as its cell shows it: in the header's currency when
    // converting, with the configured decimals.
    QString TextoImporte(const QVariant& campo);
    // An amount of the stored voucher in the local currency: times the header's rate.
    Moneda Convertido(Moneda importe);
    QString ConsultaLineas(const QString& orden) const;
    void Abre(const QString& sql, Recordset& rs);
    // The step as one of the procedure's; true when it ran to its end.
    bool Paso(const std::function<void()>& cuerpo);

    ClsCmnCptes& clase_;
    const QString& TC;
    const QString& SucNroLetra;
    const QString& IdComplemento;
    Grilla* MSFlexGrid1;
    Grilla* MSFlexGrid2;
    Grilla* MSFlexGrid3;
    Recordset* LrcsCpte;
    bool Compras;
    const QString& Proveedor;
    short& IdRepartoRM;
    bool ConvertirMoneda;
    const QString& WhrTareas;
    const QString& CpteDestino;
    QString& LetraDestino;

    Procedimiento p_;

    // Working values of the call.
    short CantLineasHoja = 0;
    bool PreciosFinales = false;
    bool DescargaStockRemitos = false;
    bool EntregaParcialRemito = false;
    bool EsDevolucion = false;
    QString Prefijo;
    QString ClaveCpte;
    QString OrdenCpte;
    bool EsSistemaCompras = false;
    Recordset RsCabecera;
    Recordset RsTareas;
    Recordset RsLineas;
    Recordset RsOtrosConceptos;
    Recordset RsArticulo;
    Recordset RsCuenta;

    // The line being loaded: its pending and applied quantities, whether the
    // article was found, and the depot switch read for it.
    double Pendiente = 0;
    double Aplicado = 0;
    bool ArticuloEncontrado = false;
    bool PideDeposito = false;
    // By article: its lines not yet worked on and their quantity (when they
    // could be counted), and what its earlier lines took of the quantity
    // invoiced from it and of the quantity still to deliver.
    struct LineasDeArticulo {
        bool contadas = false;
        int lineas = 0;
        double cantidad = 0;
        double aplicado = 0;
        double pendiente = 0;
    };
    QHash<QString, LineasDeArticulo> PorArticulo;
};
