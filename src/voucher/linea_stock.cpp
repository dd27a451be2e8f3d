// One stock movement line: the INSERT into V_MV_STOCK of the item being
// posted, column by column in the fixed order the statement carries.
#include "voucher/posteo_stock.h"

#include "lots/listas_pipe.h"
#include "platform/controles/grilla.h"
#include "platform/db/ambito_escritura.h"
#include "platform/eventos.h"
#include "platform/numeros.h"
#include "platform/recorte.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <cmath>

using namespace ModGlobal;
using LecturaValores::Literal;
using LineaStock::Cifra;
using LineaStock::EsElDelGrid;
using LineaStock::Importe;
namespace C = ColArticulos;

namespace {

const QString& Nulo()
{
    static const QString n = QStringLiteral("NULL");
    return n;
}

bool EsPalabraNull(const QString& t)
{
    return SinBlancosAlrededor(t).compare(Nulo(), Qt::CaseInsensitive) == 0;
}

QString SinApostrofos(const QString& t)
{
    return gUtilidades->QuitaCaracteres(t, QStringLiteral("'"));
}

QString Ajusta(const QString& t, int ancho)
{
    return gUtilidades->AjustaAncho(t, ancho);
}

QString Numero(Moneda m)
{
    return LecturaValores::LiteralImporte(m);
}

using LineaStock::Numero;

// A grid cell that goes into SQL as a number: empty is 0, "2,5" is 2.5,
// anything else that is no number fails with 13. A line break around a
// pasted figure is no part of it.
QString NumeroDeCelda(const QString& celda)
{
    if (celda.trimmed().isEmpty())
        return QStringLiteral("0");
    return gSesionBD->ValorSQL(celda.trimmed(), QStringLiteral("@"));
}

// A cell written as typed into a DECIMAL(18,4) column.
QString DecimalDeCelda(const QString& celda)
{
    return LecturaValores::LiteralDecimal(NumeroDeCelda(celda));
}

bool EsLiteral(const QString& t)
{
    if (t.size() < 2 || !t.startsWith(u'\'') || !t.endsWith(u'\''))
        return false;
    QString dentro = t.mid(1, t.size() - 2);
    dentro.remove(QStringLiteral("''"));
    return !dentro.contains(u'\'');
}

class Linea {
public:
    explicit Linea(PosteoStock& e) : e_(e), g_(e.Grid), fila_(e.Fila) {}

    QString Arma();

private:
    QString celda(int c) const { return g_.TextMatrix(fila_, c); }
    void escribe(int c, const QString& t) { g_.setTextMatrix(fila_, c, t); }
    void campo(const char* nombre, const QString& valor) { campos_.append({QLatin1String(nombre), valor}); }

    QString depositoPasada1() const;
    QString destino(const QString& literal) const;
    double cantidad();
    void unidades(double cantidadLinea);
    void cuentaProveedor();
    QString motivo();
    QString costo() const;
    QString ivaRI() const;
    QString origen();

    PosteoStock& e_;
    Grilla& g_;
    const int fila_;
    double parteOtraUnidad_ = 0;   // the line's share of a row in another unit; 0 for the rest
    double parteFila_ = 0;         // an item's share of a row of several; 0 for a line that is the row
    bool baseDelItem_ = false;     // column 74 was rewritten with this item's own quantity
    QList<CampoValor> campos_;
};

// The depot pass 1 writes for the current row.
QString Linea::depositoPasada1() const
{
    if (e_.SignoRemota == 1 && !EsElDelGrid(e_.IdDeposito))
        return LineaStock::CodigoPreparado(e_.IdDeposito);
    return LineaStock::DepositoDeFila(e_);
}

// IDDEPOSITO_DESTINO: an empty depot is "null".
QString Linea::destino(const QString& literal) const
{
    const QString v = LineaStock::CodigoPreparado(literal);
    return v == Nulo() ? QStringLiteral("null") : v;
}

double Linea::cantidad()
{
    const double fila = Importe(celda(C::Cantidad)).ADoble();
    double linea = fila;
    const bool hayLote = !Recorta(e_.LoteActual).isEmpty();
    const bool haySerie = !Recorta(e_.SerieActual).isEmpty();
    // The row's quantity is in its own unit, column 74 in the base one.
    const bool otraUnidad =
        Cifra(celda(C::Coeficiente)) != 1 &&
        Recorta(celda(C::UnidadBase)).compare(Recorta(celda(C::Unidad)), Qt::CaseInsensitive) != 0;
    if (!LineaStock::ItemsDeSalida(e_)) {
        if (EsVerdadero(Recorta(celda(C::PideTalle)), true))
            linea = e_.CantidadItem;
        else if (!hayLote && haySerie)
            linea = e_.CantidadItem;
        else if ((hayLote || haySerie) && e_.CantItems > 1)
            linea = 1;
        // A lot, serial or size line brings in its share of column 74, not its
        // own figure in the row's unit.
        if (otraUnidad && (hayLote || haySerie) && fila != 0)
            parteOtraUnidad_ = linea / fila;
    } else if (e_.CantidadItem > 0 || hayLote || haySerie) {
        if (!otraUnidad) {
            linea = e_.CantidadItem;
            escribe(C::CantidadUD, Numeros::TextoPlano(e_.CantidadItem));
            baseDelItem_ = true;
        } else {
            // The row's quantities are in its own unit and in the base unit: each
            // lot line moves its share of them, not the whole row again.
            parteOtraUnidad_ = 1;
            if (e_.CantItems > 1 && e_.SumaItems != 0)
                parteOtraUnidad_ = e_.CantidadItem / e_.SumaItems;
            linea *= parteOtraUnidad_;
        }
    }
    if (e_.CantItems > 1 && fila != 0 && (hayLote || haySerie || LineaStock::ItemsDeSalida(e_)))
        parteFila_ = linea / fila;
    linea *= e_.Signo;
    e_.CantidadItem = 0;
    return linea;
}

void Linea::unidades(double cantidadLinea)
{
    escribe(C::UnidadEquiv, Ajusta(Recorta(celda(C::UnidadEquiv)), 4));
    if (celda(C::Pesable).isEmpty())
        escribe(C::Pesable, QStringLiteral("0"));
    const QString base = Recorta(celda(C::UnidadBase));
    // A line of one item of a list moves that item, with a lot of its own or not.
    const bool loteOSerie = !Recorta(e_.LoteActual).isEmpty() || !Recorta(e_.SerieActual).isEmpty() ||
                            (LineaStock::ItemsDeSalida(e_) && e_.CantItems > 1);
    const double cantidadBase = Importe(celda(C::CantidadUD)).ADoble() * e_.Signo;
    double cantidadUD = 0;
    QString unidadBase;
    // A lot or serial line moves its share of the row's weight or equivalent quantity.
    const double parte = parteOtraUnidad_ != 0 ? parteOtraUnidad_ : parteFila_ != 0 ? parteFila_ : 1;
    if (EsVerdadero(Recorta(celda(C::Pesable)), true)) {
        if (base.isEmpty())
            return;
        cantidadUD = cantidadBase * (baseDelItem_ ? 1 : parte);
        unidadBase = base;
    } else if (e_.ConfirmaUDEquiv) {
        cantidadUD = Importe(celda(C::CantidadEquiv)).ADoble() * e_.Signo * parte;
        unidadBase = Recorta(celda(C::UnidadEquiv));
    } else if (!base.isEmpty()) {
        if (parteOtraUnidad_ != 0 && cantidadBase != 0)
            cantidadUD = cantidadBase * parteOtraUnidad_;
        else if (loteOSerie)
            cantidadUD = cantidadLinea;
        // Without column 74 a line moves its own quantity; a transfer's origin
        // too, or the destination would receive what never left.
        else if ((e_.Signo == 1 || e_.EsTransferencia) && cantidadBase == 0 && cantidadLinea != 0)
            cantidadUD = cantidadLinea;
        else
            cantidadUD = cantidadBase;
        unidadBase = base;
    } else {
        cantidadUD = loteOSerie ? cantidadLinea : Importe(celda(C::Cantidad)).ADoble() * e_.Signo;
        unidadBase = Recorta(celda(C::Unidad));
    }
    campo("CantidadUD", gSesionBD->ValorSQL(Numeros::TextoPlano(cantidadUD + 0.0), QStringLiteral("@")));
    campo("IdUnidadBase", Literal(Ajusta(unidadBase, 4)));
}

void Linea::cuentaProveedor()
{
    QString cuenta = Recorta(e_.Cuenta);
    if (cuenta.compare(QLatin1String("PorDefault"), Qt::CaseInsensitive) == 0) {
        cuenta = Recorta(gUtilidades->ValorNoNuloTexto(gSesionBD->ObtieneValor(
            QStringLiteral("V_MA_ARTICULOS"), Ajusta(Recorta(celda(C::Codigo)), 25), QStringLiteral("CUENTAPROVEEDOR"),
            QStringLiteral("IDARTICULO"), 8, QString(), true, false)));
        if (cuenta.isEmpty())
            cuenta = Nulo();
    }
    if (!EsPalabraNull(cuenta))
        campo("CuentaProveedor", Literal(cuenta));
}

QString Linea::motivo()
{
    if (e_.MotivoPorFila)
        e_.IdMotivoStock = Literal(Ajusta(celda(C::MotivoStock), 4));
    e_.IdMotivoStock = SinApostrofos(e_.IdMotivoStock);
    return LineaStock::CodigoSQL(e_.IdMotivoStock);
}

QString Linea::costo() const
{
    Moneda costo = Importe(celda(C::Costo));
    if (costo == Moneda())
        costo = Importe(gUtilidades->ValorNoNuloTexto(
            gSesionBD->ObtieneValor(QStringLiteral("V_MA_ARTICULOS"), Ajusta(e_.Articulo, 25), QStringLiteral("Costo"),
                                    QStringLiteral("idarticulo"), 8, QString(), false, false)));
    return Numero(costo);
}

QString Linea::ivaRI() const
{
    const Moneda tasa = Importe(celda(C::TasaIVA));
    if (tasa == Moneda() && Entero32(Importe(celda(C::EsExento)).ADoble()) != -1)
        return Numero(e_.Clase.PIVA());
    return Numero(tasa);
}

// Tc_Origen, then what IdComprobante_Origen writes.
QString Linea::origen()
{
    const QString cpte = celda(C::CpteOrigen);
    if (e_.TcOrigenPorFila)
        e_.TcOrigen = Recorta(cpte.left(4));
    e_.TcOrigen = SinApostrofos(e_.TcOrigen);
    const QString tc = Recorta(e_.TcOrigen).isEmpty() || EsPalabraNull(e_.TcOrigen) ? Nulo() : Literal(e_.TcOrigen);
    campo("Tc_Origen", tc);
    if (e_.CpteOrigenPorFila)
        e_.ComprobanteOrigen = Literal(Recorta(cpte.mid(4, 13)));
    return LineaStock::CodigoPreparado(e_.ComprobanteOrigen);
}

QString Linea::Arma()
{
    const int signo = e_.Signo;
    campo("TC", Literal(Ajusta(e_.TC, 4)));
    campo("IdComprobante", Literal(e_.SucNroLetra));
    if (!e_.EsCompras)
        campo("IdComplemento", LecturaValores::NumeroONulo(e_.IdComplemento));
    campo("Secuencia", Numeros::TextoPlano(std::round(double(e_.Secuencia))));
    campo("Fecha", Literal(e_.fecha));
    if (!Recorta(gCaja).isEmpty()) {
        gCaja = SinApostrofos(gCaja);
        campo("IdCaja", Literal(Ajusta(gCaja, 4)));
    }
    if (e_.Pasada == 1) {
        const QString deposito = depositoPasada1();
        if (e_.SignoRemota != 1)
            e_.DepositoFila = deposito;
        campo("IdDeposito", deposito);
    } else {
        campo("IdDeposito", EsElDelGrid(e_.IdDepositoDestino) ? LineaStock::DepositoDeFila(e_)
                                                              : LineaStock::CodigoPreparado(e_.IdDepositoDestino));
    }
    if (e_.EsTransferencia)
        campo("IDDEPOSITO_DESTINO", destino(e_.Pasada == 1 ? e_.IdDepositoDestino : depositoPasada1()));
    campo("IdPosicion", Literal(SinApostrofos(Recorta(celda(C::Posicion)))));
    campo("IdArticulo", Literal(Ajusta(Recorta(celda(C::Codigo)), 25)));
    QString descripcion = Recorta(celda(C::Descripcion));
    if (descripcion.size() > e_.Clase.gLenDesc)
        descripcion = descripcion.left(e_.Clase.gLenDesc);
    campo("Descripcion", Literal(SinApostrofos(descripcion)));
    Eventos::Pendientes();
    campo("NroLote", LineaStock::LoteOSerie(e_.LoteActual, true));
    QString controlado = Recorta(celda(C::ControladoPor));
    if (controlado.isEmpty()) {
        controlado = Recorta(celda(C::LoteAduana));
        controlado = SinApostrofos(controlado.isEmpty() ? Recorta(e_.Aduana) : controlado);
    }
    campo("ControladoPor", Literal(controlado));
    if (!Recorta(celda(C::LoteOrigen)).isEmpty())
        campo("IdOrigen", Literal(Ajusta(Recorta(celda(C::LoteOrigen)), 4)));
    else if (!Recorta(e_.LoteOrigen).isEmpty())
        campo("IdOrigen", Literal(Ajusta(Recorta(e_.LoteOrigen), 4)));
    campo("NroSerie", LineaStock::LoteOSerie(e_.SerieActual, false));
    const QString unidad = Recorta(celda(C::Unidad));
    campo("IdUnidad", unidad.isEmpty() ? Nulo() : Literal(Ajusta(unidad, 4)));
    const double cantidadLinea = cantidad();
    campo("Cantidad", Numero(cantidadLinea));
    Eventos::Pendientes();
    unidades(cantidadLinea);
    cuentaProveedor();
    campo("IdMotivoStock", motivo());
    campo("PrecioVenta", Numero(Importe(celda(C::Importe))));
    campo("Importe_S_Iva", Numero(Importe(celda(C::PrecioSinIVA))));
    campo("Costo", costo());
    campo("Impuestos", Numero(Importe(celda(C::Impuestos)) + Importe(celda(C::ITC))));
    campo("DtoItem", Numero(Importe(celda(C::PorcDto))));
    const QString cpteOrigen = origen();
    campo("IdComprobante_Origen", cpteOrigen);
    campo("Id_Origen", Numero(Importe(celda(C::IdCpteOrigen))));
    campo("IVARI", ivaRI());
    campo("IVARNI", Numero(Importe(celda(C::RecargoIVA))));
    if (!EsPalabraNull(e_.IdTecnico))
        campo("IdTecnico", Literal(Ajusta(e_.IdTecnico, 4)));
    if (celda(C::Coeficiente).isEmpty())
        escribe(C::Coeficiente, QStringLiteral("1"));
    campo("EQUIV_UDBASE", NumeroDeCelda(celda(C::Coeficiente)));
    campo("IDINSERT", DecimalDeCelda(celda(C::IdInsercion)));
    campo("IDCOMPULSA", DecimalDeCelda(celda(C::IdComparacionPrecio)));
    campo("Oferta", NumeroDeCelda(celda(C::Oferta)));
    campo("IdVendedor", Literal(e_.IdVendedor));
    campo("Importe_Ud", DecimalDeCelda(celda(C::ImportePorUnidad)));
    campo("Ud_Pr", Literal(Ajusta(celda(C::UnidadPrecio), 4)));
    campo("UNEGOCIO", LineaStock::UnidadDeNegocio());
    campo("ARTMONEDA", Literal(Ajusta(e_.ArtMoneda, 4)));
    campo("ARTCOTIZACION", Numero(e_.ArtCotizacion));
    const QString comodato = celda(C::EnComodato);
    campo("EnComodato", NumeroDeCelda(comodato));
    if (!e_.EnComodato && Numeros::NumeroInicial(comodato) == 1)
        e_.EnComodato = true;
    const auto paquetes = [&](int c) {
        return QString::number(Entero32(Cifra(celda(c)) * signo));
    };
    campo("CANT_BL", paquetes(C::Bultos));
    campo("CANT_KG", paquetes(C::CantKG));
    campo("CANT_M3", paquetes(C::CantM3));

    QString sentencia = QStringLiteral("INSERT INTO V_MV_STOCK");
    ArmaValores(sentencia, campos_, true);
    return sentencia;
}

}  // namespace

namespace LineaStock {

QString Sentencia(PosteoStock& e)
{
    return Linea(e).Arma();
}

QString CodigoSQL(const QString& codigo)
{
    const QString c = Recorta(codigo);
    if (c.isEmpty() || EsPalabraNull(c))
        return Nulo();
    return Literal(Ajusta(c, 4));
}

QString CodigoPreparado(const QString& valor)
{
    const QString v = Recorta(valor);
    if (v.isEmpty() || EsPalabraNull(v))
        return Nulo();
    if (EsLiteral(v)) {
        if (Recorta(v.mid(1, v.size() - 2)).isEmpty() || EsPalabraNull(v.mid(1, v.size() - 2)))
            return Nulo();
        return v;
    }
    return Literal(v);
}

QString DepositoDeFila(const PosteoStock& e)
{
    const QString propio = Recorta(e.Grid.TextMatrix(e.Fila, C::Deposito));
    if (!propio.isEmpty())
        return CodigoSQL(propio);
    if (!EsElDelGrid(e.IdDeposito))
        return CodigoPreparado(e.IdDeposito);
    return CodigoSQL(Cfg(QStringLiteral("DepositoDefault")));
}

}  // namespace LineaStock

namespace LineaStock {

bool EsElDelGrid(const QString& texto)
{
    return SinBlancosAlrededor(texto).compare(QLatin1String("ELDELGRID"), Qt::CaseInsensitive) == 0;
}

Moneda Importe(const QString& texto)
{
    return gUtilidades->TextoAMoneda(texto.trimmed());
}

double Cifra(const QString& texto)
{
    return gUtilidades->TextoADoble(texto.trimmed());
}

// Past 25 characters, the first 25 of the text as it came.
QString LoteOSerie(const QString& texto, bool conservaBlancoInicial)
{
    QString t = SinBlancosFinales(texto).toString();
    if (!conservaBlancoInicial)
        t = Recorta(t);
    if (Recorta(t).isEmpty())
        return Nulo();
    if (t.size() > 25)
        t = texto.left(25);
    return Literal(t);
}

QString UnidadDeNegocio()
{
    const QString u = SinBlancosFinales(gUnegocio).toString();
    if (EsPalabraNull(u))
        return Nulo();
    return Literal(Ajusta(u, 4));
}

QString Numero(double valor)
{
    return gSesionBD->ValorSQL(valor + 0.0, QStringLiteral("@"));
}

bool ItemsDeSalida(const PosteoStock& e)
{
    return e.Signo != 1 || e.EsTransferencia;
}

QString LoteFijoDeItem(const PosteoStock& e)
{
    if (e.LoteFijoAutomatico)
        return ClsCmnCptes::LoteAutomaticoGuardado(e.LoteFijo);
    return Ajusta(SinBlancosFinales(e.LoteFijo).toString(), 25);
}

void GrabaSentencia(PosteoStock& e, const QString& sentencia)
{
    if (e.GeneraSentenciaSQL) {
        e.Lote += u'\r' + sentencia;
        return;
    }
    e.Rechazo.clear();
    AmbitoEscritura linea(*gSesionBD, QStringLiteral("LineaStock"));
    try {
        gSesionBD->Ejecuta(sentencia);
    } catch (const Falla& f) {
        // Read before the scope is undone: that clears the session's errors.
        const ErroresBD& errores = gSesionBD->Conexion.Errors;
        e.Rechazo = errores.Count() > 0 ? errores.Item(0).Description : f.Descripcion;
        throw;
    }
    linea.Confirma();
}

}  // namespace LineaStock
