// One stock movement line: the INSERT into V_MV_STOCK of the item being
// posted, column by column in the fixed order the statement carries.
#include "voucher/posteo_stock.h"

#include "platform/controles/grilla.h"
#include "platform/db/ambito_escritura.h"
#include "platform/eventos.h"
#include "platform/numeros.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <cmath>

using namespace ModGlobal;
using LecturaValores::Literal;
using LineaStock::EsElDelGrid;
using LineaStock::SinBlancosFinales;
namespace C = ColArticulos;

namespace {

const QString& Nulo()
{
    static const QString n = QStringLiteral("NULL");
    return n;
}

bool EsPalabraNull(const QString& t)
{
    return t.trimmed().compare(Nulo(), Qt::CaseInsensitive) == 0;
}

QString SinApostrofos(const QString& t)
{
    return gUtilidades->QuitaCaracteres(t, QStringLiteral("'"));
}

QString Ajusta(const QString& t, int ancho)
{
    return gUtilidades->AjustaAncho(t, ancho);
}

Moneda Importe(const QString& celda)
{
    return gUtilidades->TextoAMoneda(celda);
}

QString Numero(Moneda m)
{
    return gSesionBD->ValorSQL(m.Texto(), QStringLiteral("@"));
}

using LineaStock::Numero;

// A grid cell that goes into SQL as a number: empty is 0, "2,5" is 2.5,
// anything else that is no number fails with 13.
QString NumeroDeCelda(const QString& celda)
{
    if (celda.trimmed().isEmpty())
        return QStringLiteral("0");
    return gSesionBD->ValorSQL(celda.trimmed(), QStringLiteral("@"));
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
    double linea = Importe(celda(C::Cantidad)).ADoble();
    const bool hayLote = !e_.LoteActual.trimmed().isEmpty();
    const bool haySerie = !e_.SerieActual.trimmed().isEmpty();
    if (e_.Signo == 1) {
        if (EsVerdadero(celda(C::PideTalle).trimmed(), true))
            linea = e_.CantidadItem;
        else if (!hayLote && haySerie)
            linea = e_.CantidadItem;
        else if ((hayLote || haySerie) && e_.CantItems > 1)
            linea = 1;
    } else if (e_.CantidadItem > 0 || hayLote || haySerie) {
        const bool otraUnidad =
            gUtilidades->TextoADoble(celda(C::Coeficiente)) != 1 &&
            celda(C::UnidadBase).trimmed().compare(celda(C::Unidad).trimmed(), Qt::CaseInsensitive) != 0;
        if (!otraUnidad) {
            linea = e_.CantidadItem;
            escribe(C::CantidadUD, Numeros::TextoPlano(e_.CantidadItem));
        }
    }
    linea *= e_.Signo;
    e_.CantidadItem = 0;
    return linea;
}

void Linea::unidades(double cantidadLinea)
{
    escribe(C::UnidadEquiv, Ajusta(celda(C::UnidadEquiv).trimmed(), 4));
    if (celda(C::Pesable).isEmpty())
        escribe(C::Pesable, QStringLiteral("0"));
    const QString base = celda(C::UnidadBase).trimmed();
    const bool loteOSerie = !e_.LoteActual.trimmed().isEmpty() || !e_.SerieActual.trimmed().isEmpty();
    const double cantidadBase = Importe(celda(C::CantidadUD)).ADoble() * e_.Signo;
    double cantidadUD = 0;
    QString unidadBase;
    if (EsVerdadero(celda(C::Pesable).trimmed(), true)) {
        if (base.isEmpty())
            return;
        cantidadUD = cantidadBase;
        unidadBase = base;
    } else if (e_.ConfirmaUDEquiv) {
        cantidadUD = Importe(celda(C::CantidadEquiv)).ADoble() * e_.Signo;
        unidadBase = celda(C::UnidadEquiv).trimmed();
    } else if (!base.isEmpty()) {
        if (loteOSerie)
            cantidadUD = cantidadLinea;
        else if (e_.Signo == 1 && cantidadBase == 0 && cantidadLinea != 0)
            cantidadUD = cantidadLinea;
        else
            cantidadUD = cantidadBase;
        unidadBase = base;
    } else {
        cantidadUD = loteOSerie ? cantidadLinea : Importe(celda(C::Cantidad)).ADoble() * e_.Signo;
        unidadBase = celda(C::Unidad).trimmed();
    }
    campo("CantidadUD", gSesionBD->ValorSQL(Numeros::TextoPlano(cantidadUD + 0.0), QStringLiteral("@")));
    campo("IdUnidadBase", Literal(Ajusta(unidadBase, 4)));
}

void Linea::cuentaProveedor()
{
    QString cuenta = e_.Cuenta.trimmed();
    if (cuenta.compare(QLatin1String("PorDefault"), Qt::CaseInsensitive) == 0) {
        cuenta = gUtilidades
                     ->ValorNoNuloTexto(gSesionBD->ObtieneValor(
                         QStringLiteral("V_MA_ARTICULOS"), Ajusta(celda(C::Codigo).trimmed(), 25),
                         QStringLiteral("CUENTAPROVEEDOR"), QStringLiteral("IDARTICULO"), 8, QString(), true, false))
                     .trimmed();
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
        e_.TcOrigen = cpte.left(4).trimmed();
    e_.TcOrigen = SinApostrofos(e_.TcOrigen);
    const QString tc = e_.TcOrigen.trimmed().isEmpty() || EsPalabraNull(e_.TcOrigen) ? Nulo() : Literal(e_.TcOrigen);
    campo("Tc_Origen", tc);
    if (e_.CpteOrigenPorFila)
        e_.ComprobanteOrigen = Literal(cpte.mid(4, 13).trimmed());
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
    if (!gCaja.trimmed().isEmpty()) {
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
    campo("IdPosicion", Literal(SinApostrofos(celda(C::Posicion).trimmed())));
    campo("IdArticulo", Literal(Ajusta(celda(C::Codigo).trimmed(), 25)));
    QString descripcion = celda(C::Descripcion).trimmed();
    if (descripcion.size() > e_.Clase.gLenDesc)
        descripcion = descripcion.left(e_.Clase.gLenDesc);
    campo("Descripcion", Literal(SinApostrofos(descripcion)));
    Eventos::Pendientes();
    campo("NroLote", LineaStock::LoteOSerie(e_.LoteActual, true));
    QString controlado = celda(C::ControladoPor).trimmed();
    if (controlado.isEmpty()) {
        controlado = celda(C::LoteAduana).trimmed();
        controlado = SinApostrofos(controlado.isEmpty() ? e_.Aduana.trimmed() : controlado);
    }
    campo("ControladoPor", Literal(controlado));
    if (!celda(C::LoteOrigen).trimmed().isEmpty())
        campo("IdOrigen", Literal(Ajusta(celda(C::LoteOrigen).trimmed(), 4)));
    else if (!e_.LoteOrigen.trimmed().isEmpty())
        campo("IdOrigen", Literal(Ajusta(e_.LoteOrigen.trimmed(), 4)));
    campo("NroSerie", LineaStock::LoteOSerie(e_.SerieActual, false));
    const QString unidad = celda(C::Unidad).trimmed();
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
    campo("IDINSERT", NumeroDeCelda(celda(C::IdInsercion)));
    campo("IDCOMPULSA", NumeroDeCelda(celda(C::IdComparacionPrecio)));
    campo("Oferta", NumeroDeCelda(celda(C::Oferta)));
    campo("IdVendedor", Literal(e_.IdVendedor));
    campo("Importe_Ud", NumeroDeCelda(celda(C::ImportePorUnidad)));
    campo("Ud_Pr", Literal(Ajusta(celda(C::UnidadPrecio), 4)));
    campo("UNEGOCIO", LineaStock::UnidadDeNegocio());
    campo("ARTMONEDA", Literal(Ajusta(e_.ArtMoneda, 4)));
    campo("ARTCOTIZACION", Numero(e_.ArtCotizacion));
    const QString comodato = celda(C::EnComodato);
    campo("EnComodato", NumeroDeCelda(comodato));
    if (!e_.EnComodato && Numeros::NumeroInicial(comodato) == 1)
        e_.EnComodato = true;
    const auto paquetes = [&](int c) {
        return QString::number(Entero32(gUtilidades->TextoADoble(celda(c)) * signo));
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
    const QString c = codigo.trimmed();
    if (c.isEmpty() || EsPalabraNull(c))
        return Nulo();
    return Literal(Ajusta(c, 4));
}

QString CodigoPreparado(const QString& valor)
{
    const QString v = valor.trimmed();
    if (v.isEmpty() || EsPalabraNull(v))
        return Nulo();
    if (EsLiteral(v)) {
        if (v.mid(1, v.size() - 2).trimmed().isEmpty() || EsPalabraNull(v.mid(1, v.size() - 2)))
            return Nulo();
        return v;
    }
    return Literal(v);
}

QString DepositoDeFila(const PosteoStock& e)
{
    const QString propio = e.Grid.TextMatrix(e.Fila, C::Deposito).trimmed();
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
    return texto.trimmed().compare(QLatin1String("ELDELGRID"), Qt::CaseInsensitive) == 0;
}

QString SinBlancosFinales(QString texto)
{
    while (!texto.isEmpty() && texto.back().isSpace())
        texto.chop(1);
    return texto;
}

// Past 25 characters, the first 25 of the text as it came.
QString LoteOSerie(const QString& texto, bool conservaBlancoInicial)
{
    QString t = SinBlancosFinales(texto);
    if (!conservaBlancoInicial)
        t = t.trimmed();
    if (t.trimmed().isEmpty())
        return Nulo();
    if (t.size() > 25)
        t = texto.left(25);
    return Literal(t);
}

QString UnidadDeNegocio()
{
    const QString u = SinBlancosFinales(gUnegocio);
    if (EsPalabraNull(u))
        return Nulo();
    return Literal(Ajusta(u, 4));
}

QString Numero(double valor)
{
    return gSesionBD->ValorSQL(valor + 0.0, QStringLiteral("@"));
}

QString LoteFijoDeItem(const PosteoStock& e)
{
    if (e.LoteFijoAutomatico)
        return ClsCmnCptes::LoteAutomaticoGuardado(e.LoteFijo);
    return Ajusta(SinBlancosFinales(e.LoteFijo), 25);
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
