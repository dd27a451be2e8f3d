// InicializaGrids: the columns of the four voucher grids for a voucher type.
// The steps of each grid run in a fixed order; a later step overrides an
// earlier one, and some read the width a column has at that moment.
#include "voucher/ClsCmnCptes.h"

#include "platform/controles/editor_grilla.h"
#include "platform/controles/grilla.h"
#include "platform/controles/medidor_texto.h"
#include "platform/recorte.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "voucher/columnas_grillas.h"
#include "voucher/consultas.h"

#include <utility>

using namespace ModGlobal;

namespace {

// What the layout works out at the start of every call.
struct Entradas {
    QString tc;              // as passed
    QString sistema;         // of the voucher type, trimmed
    bool deposito = false;   // the depot column is shown
    bool ocultaImportes = false;
    bool maderera = false;   // the timber layout
    QString tituloCodigo;
};

bool Es(const QString& texto, QLatin1String valor)
{
    return texto.compare(valor, Qt::CaseInsensitive) == 0;
}

// A type the table lacks lays out as a system of no particular kind.
QString LeeSistema(const QString& tc)
{
    return Recorta(gUtilidades->ValorNoNuloTexto(
        PrimerValor(QStringLiteral("SELECT SISTEMA FROM V_TA_CPTE with(nolock) WHERE CODIGO = ") +
                        LecturaValores::Literal(LecturaValores::Codigo4(tc)),
                    QStringLiteral("Sistema"))));
}

// Widths in n X of the window's font and column edits on one grid.
class Columnas {
public:
    Columnas(Grilla& grilla, const MedidorTexto& medidor) : g_(grilla), m_(medidor) {}

    int X(int n) const { return m_.AnchoX(n); }
    int AnchoDe(const QString& texto) const { return m_.TextWidth(texto); }

    void Prepara(int filas, int columnas)
    {
        g_.Clear();
        g_.setRows(filas);
        g_.setCols(columnas);
    }
    // Every column hidden under the title it keeps when hidden ("" for the rest).
    void OcultaTodas(std::initializer_list<std::pair<int, const char*>> titulos)
    {
        for (int c = 0; c < g_.Cols(); ++c)
            g_.setColWidth(c, 0);
        for (const auto& [c, t] : titulos)
            g_.setTextArray(c, QString::fromUtf8(t));
    }
    void Pon(int c, const QString& titulo, int ancho)
    {
        g_.setTextArray(c, titulo);
        g_.setColWidth(c, ancho);
    }
    void Titulo(int c, const QString& titulo) { g_.setTextArray(c, titulo); }
    void Izquierda(int c) { g_.setColAlignment(c, flexAlignLeftCenter); }
    int Ancho(int c) const { return g_.ColWidth(c); }
    void Ancho(int c, int ancho) { g_.setColWidth(c, ancho); }
    void Suma(int c, int ancho) { g_.setColWidth(c, g_.ColWidth(c) + ancho); }
    // The columns' present widths go to another column and they are hidden.
    void PasaA(int destino, std::initializer_list<int> columnas)
    {
        int suma = 0;
        for (int c : columnas) {
            suma += g_.ColWidth(c);
            g_.setColWidth(c, 0);
        }
        Suma(destino, suma);
    }

private:
    Grilla& g_;
    const MedidorTexto& m_;
};

void LayoutTareas(Grilla& grilla, EditorGrilla& editor, const Entradas& e, const MedidorTexto& medidor)
{
    using namespace ColTareas;
    Columnas c(grilla, medidor);
    c.Prepara(2, Cantidad_Columnas);
    // Cols 21 and 22 get nothing of their own: hidden and untitled.
    c.OcultaTodas({{ImporteSinIVA, "ImporteSinIVA"},
                   {ObservAdic, "AuxObservAdic"},
                   {EsExento, "AuxEsExento"},
                   {FechaInicio, "AuxFechaInicio"},
                   {FechaFin, "AuxFechaFin"},
                   {IdTecnico, "AuxIdTecnico"},
                   {CodigoOriginal, "CodigoOriginal"},
                   {FechaRealInicio, "AuxFechaREALInicio"},
                   {FechaRealFin, "AuxFechaREALFin"},
                   {CuentaContable, "AuxCuentaContable"},
                   {Prioridad, "Prioridad"},
                   {Usuario, "Usuario"},
                   {TasaIVA, "AuxTasaIVA"},
                   {FhPresentacion, "AuxFhPresentacion"},
                   {FhEmision, "AuxFhEmision"},
                   {NroExp, "AuxNroExp"},
                   {FhEntrega, "AuxFhEntrega"}});

    c.Pon(Codigo, QStringLiteral("Código"), c.X(7));
    c.Pon(Descripcion, QStringLiteral("Descripción"), c.X(37));
    c.Izquierda(Descripcion);
    c.Pon(Horas, QStringLiteral("Cantidad"), c.X(7));
    c.Pon(ValorHora, QStringLiteral("Importe"), c.X(11));
    c.Pon(Total, QStringLiteral("Total"), c.X(11));

    if (e.ocultaImportes)
        c.PasaA(Descripcion, {ValorHora, Total});
    // A work order without amounts shows no hours either.
    if (Es(Recorta(e.tc), QLatin1String("OT")) && e.ocultaImportes)
        c.PasaA(Descripcion, {Horas});

    grilla.Refresh();
    editor.setVisible(false);
}

void LayoutArticulos(Grilla& grilla, EditorGrilla* editor, const Entradas& e, const MedidorTexto& medidor)
{
    using namespace ColArticulos;
    Columnas c(grilla, medidor);
    const bool stock = Es(e.sistema, QLatin1String("STOCK"));
    const bool ventas = Es(e.sistema, QLatin1String("VENTAS"));
    const bool compras = Es(e.sistema, QLatin1String("Compras"));

    c.Prepara(2, Cantidad_Columnas);
    c.OcultaTodas({{Coeficiente, "AuxCoeficiente"},
                   {EsExento, "AuxEsExento"},
                   {PrecioSinIVA, "AuxPrecioSinIVA"},
                   {PideSerie, "AuxPideSerie"},
                   {PideLote, "AuxPidelote"},
                   {RestoPorAplicar, "AuxRestoPorAplicar"},
                   {TipoArticulo, "AuxTipoArticulo"},
                   {RubroArticulo, "AuxRubroArticulo"},
                   {ListaConIVA, "AuxListaConIVA"},
                   {PrecioConIVA, "AuxPrecioConIVA"},
                   {CantidadInsumo, "AuxCantidadInsumo"},
                   {ImporteDescuento, "AuxImporteDescuentoArticulo"},
                   {TipoCoeficiente, "AuxTipoCoeficiente"},
                   {StockDisponible, "AuxStockDisponible"},
                   {StockMinimo, "AuxStockMinimo"},
                   {CpteOrigen, "AuxCpteOrigen"},
                   {IdCpteOrigen, "AuxIdCpteOrigen"},
                   {LoteOrigen, "Lote_Origen"},
                   {LoteAduana, "Lote_Aduana"},
                   {PideMedidas, "PideMedidas"},
                   {LargoAnterior, "LargoAnt"},
                   {EnComodato, "EnComodato"},
                   {MKBaseFamilia, "MKBaseFamilia"},
                   {CodError, "CodError"},
                   {ColArticulos::Moneda, "Moneda"},
                   {Cotizacion, "Cotizacion"},
                   {SecuenciaOrigen, "AuxSecuenciaOrigen"},
                   {RedondeoLinea, "AuxRedondeoLinea"},
                   {ColorDefault, "ColorDefault"},
                   {SexoDefault, "SexoDefault"},
                   {CodigoPercepcion, "AuxCodigoPercepcion"}});

    // Code and description.
    c.Pon(Codigo, e.tituloCodigo, c.X(15));
    c.Izquierda(Codigo);
    c.Pon(Descripcion, QStringLiteral("Descripción"), stock ? c.X(39) : c.X(29));
    c.Izquierda(Descripcion);
    c.Pon(ListaPrecio, QStringLiteral("Lista"), 0);

    // Price list per line.
    if (CfgIgualSi(QStringLiteral("V_ListaPreciosPorItemArticulos")) && ventas) {
        c.Suma(Codigo, -c.X(1));
        c.Suma(Descripcion, -c.X(3));
        c.Ancho(ListaPrecio, c.X(4));
    }

    // Unit, quantity and the equivalent unit.
    c.Pon(Unidad, QStringLiteral("UD"), c.X(4));
    c.Pon(Cantidad, QStringLiteral("Cant."), c.X(6));
    c.Ancho(UnidadEquiv, 0);
    c.Ancho(CantidadEquiv, 0);
    if (CfgIgualSi(QStringLiteral("ConfirmaUDEquiv"))) {
        c.Pon(UnidadEquiv, QStringLiteral("UDEquiv"), c.X(7));
        c.Pon(CantidadEquiv, QStringLiteral("Cant. Equiv"), c.X(9));
    }

    c.Pon(Deposito, QStringLiteral("Dep."), e.deposito ? c.X(4) : 0);
    c.Pon(Importe, QStringLiteral("Importe"), c.X(11));

    // Discount per line.
    if (stock) {
        c.Pon(PorcDto, QString(), 0);
    } else {
        c.Pon(PorcDto, QStringLiteral("% Dto."), 0);
        const auto columnaDescuento = [&] {
            c.Suma(Importe, -c.X(1));
            c.Suma(Codigo, -c.X(1));
            c.Suma(Descripcion, -c.X(3));
            c.Ancho(PorcDto, c.X(5));
        };
        if (CfgIgualSi(QStringLiteral("V_DescuentoPorArticulos")) && ventas)
            columnaDescuento();
        if (CfgNoVacioYSi(QStringLiteral("ComprasDescuentoPorArticulo")) && compras)
            columnaDescuento();
    }

    c.Pon(Total, QStringLiteral("Total"), 0);
    if (stock)
        c.Pon(TotalConImpuestos, QString(), 0);
    else
        c.Pon(TotalConImpuestos, QStringLiteral("TOTAL"), c.X(10));

    // Amounts hidden: their widths go to the description.
    if (e.ocultaImportes)
        c.PasaA(Descripcion, {Importe, Total, TotalConImpuestos});

    if (!stock) {
        c.Pon(Impuestos, QStringLiteral("Impuestos"), c.X(10));
        c.Pon(ITC, QStringLiteral("ITC"), CfgIgualSi(QStringLiteral("TransporteCombustibles")) ? c.X(10) : 0);
    }

    // Lots and serial numbers, shown under short titles only for this type.
    if (Es(e.tc, QLatin1String("DVPE"))) {
        c.Pon(NroSerie, QStringLiteral("Nro. Serie"), c.AnchoDe(QStringLiteral("Nro. de Serie")));
        c.Pon(NroLote, QStringLiteral("Nro. Lote"), c.AnchoDe(QStringLiteral("Nro. de Lote")));
    } else {
        c.Pon(NroSerie, QStringLiteral("AuxNroSerie"), 0);
        c.Pon(NroLote, QStringLiteral("AuxNroLote"), 0);
    }

    // Stock vouchers carry no amounts: price and total widen the description,
    // less a margin; unit and quantity grow.
    if (stock) {
        c.Suma(Descripcion, c.Ancho(Importe) - 480);
        c.Ancho(Importe, 0);
        c.PasaA(Descripcion, {Total});
        c.Suma(Unidad, c.AnchoDe(QStringLiteral("XXXX")));
        c.Suma(Cantidad, c.AnchoDe(QStringLiteral("XXXXXXX")));
    }

    c.Pon(TasaIVA, QStringLiteral("IVA"), c.X(10));
    c.Pon(Bultos, QStringLiteral("Bl/Pq"), c.AnchoDe(QStringLiteral("XXXXX")));
    c.Pon(CodProveedor, QStringLiteral("Cod.Proveedor"), c.AnchoDe(QStringLiteral("XXXXXXXXXXX")));

    // Timber: thickness, width and length, the pricing unit and its amount;
    // the unit price is hidden without widening anything.
    if (e.maderera) {
        c.Pon(Espesor, QStringLiteral("Espesor"), c.X(7));
        c.Pon(Ancho, QStringLiteral("Ancho"), c.X(7));
        c.Pon(Largo, QStringLiteral("Largo"), c.X(7));
        c.Pon(UnidadPrecio, QStringLiteral("UD"), c.X(4));
        c.Pon(ImportePorUnidad, QStringLiteral("Importe"), c.X(9));
        c.Ancho(Importe, 0);
        c.Pon(MetrosLinealesM2, QStringLiteral("ML/M2"), c.X(10));
    } else {
        for (int col : {Espesor, Ancho, UnidadPrecio, ImportePorUnidad})
            c.Ancho(col, 0);
    }

    grilla.Refresh();
    if (editor)
        editor->setVisible(false);
}

void LayoutOtrosConceptos(Grilla& grilla, EditorGrilla& editor, const Entradas& e, const MedidorTexto& medidor)
{
    using namespace ColOtrosConceptos;
    editor.setText(QString());
    Columnas c(grilla, medidor);
    c.Prepara(2, Cantidad_Columnas);
    // Col 6 gets nothing of its own: hidden and untitled, as cols 4 and 5.
    c.OcultaTodas({});
    c.Pon(Detalle, QStringLiteral("Detalle"), c.X(49));
    c.Izquierda(Detalle);
    c.Pon(ImporteSinIva, QStringLiteral("Importe S/Iva"), c.X(11));
    c.Pon(Importe, QStringLiteral("Importe"), c.X(11));
    c.Pon(Cuenta, QStringLiteral("Cuenta"), 0);
    if (e.ocultaImportes)
        c.PasaA(Detalle, {ImporteSinIva, Importe});
}

void LayoutTotales(Grilla& grilla, const MedidorTexto& medidor)
{
    using namespace ColTotales;
    Columnas c(grilla, medidor);
    c.Prepara(Cantidad_Filas, Cantidad_Columnas);
    c.Pon(Descripcion, QStringLiteral("Descripcion"), c.X(50));
    c.Izquierda(Descripcion);
    c.Pon(CantidadItems, QStringLiteral("Cantidad ITEM'S"), c.X(15));
    c.Pon(Cantidad, QStringLiteral("Cantidad"), c.X(10));
}

}  // namespace

void ClsCmnCptes::InicializaGrids(Grilla* MSFlexGrid1, Grilla* MSFlexGrid2, Grilla* MSFlexGrid3,
                                  EditorGrilla* TxtEdit, EditorGrilla* txtEdit2, EditorGrilla* txtEdit3,
                                  const MedidorTexto& obj, const QString& TC, Grilla* MSFlexGrid4)
{
    Entradas e;
    e.tc = TC;
    e.sistema = LeeSistema(TC);
    e.deposito = CfgIgualSi(QStringLiteral("PideDepositoEnCptes"));
    if (Es(TC, QLatin1String("OP"))) {
        e.ocultaImportes = true;
    } else if (Es(TC, QLatin1String("OT"))) {
        e.ocultaImportes = CfgIgualSi(QStringLiteral("NoMostrarImportesEnOT"));
        e.deposito = false;
    } else if (Es(TC, QLatin1String("PR"))) {
        e.deposito = false;
    }
    e.maderera = Es(e.sistema, QLatin1String("VENTAS")) && gMaderera;

    const auto exige = [](EditorGrilla* editor) -> EditorGrilla& {
        if (!editor)
            throw Falla(Falla::ObjetoNoEstablecido,
                        QStringLiteral("Variable de objeto o bloque With no establecida (falta el editor de la grilla)"));
        return *editor;
    };

    if (MSFlexGrid1)
        LayoutTareas(*MSFlexGrid1, exige(TxtEdit), e, obj);

    const QString nombre = Cfg(QStringLiteral("NombreArticulos"));
    e.tituloCodigo = NombrePropio(Recorta(nombre).isEmpty() ? QStringLiteral("Código") : nombre);

    if (MSFlexGrid2)
        LayoutArticulos(*MSFlexGrid2, txtEdit2, e, obj);
    if (MSFlexGrid3)
        LayoutOtrosConceptos(*MSFlexGrid3, exige(txtEdit3), e, obj);
    if (MSFlexGrid4)
        LayoutTotales(*MSFlexGrid4, obj);
}
