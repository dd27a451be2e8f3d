// The supplies of the compound articles a posting moves: one stock voucher
// "PE" of their own, numbered on the first row that has supplies, one line per
// supply (or per lot it is taken from) with the sign of the posting.
#include "voucher/posteo_stock.h"

#include "platform/controles/grilla.h"
#include "platform/db/recordset.h"
#include "platform/eventos.h"
#include "platform/numeros.h"
#include "platform/pasos.h"
#include "platform/recorte.h"
#include "services/ModExportarExcel.h"
#include "services/Stock.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <cmath>
#include <optional>
#include <vector>

using namespace ModGlobal;
using LecturaValores::EsTipo;
using LecturaValores::Literal;
using LineaStock::Cifra;
using LineaStock::EsElDelGrid;
using LineaStock::Importe;
using LineaStock::Numero;
namespace C = ColArticulos;

namespace {

const QString TcPE = QStringLiteral("PE");
const QString SucursalPE = QStringLiteral("0001");
const QString LetraPE = QStringLiteral("X");

QString Ajusta(const QString& t, int ancho)
{
    return gUtilidades->AjustaAncho(t, ancho);
}

QString SinApostrofos(const QString& t)
{
    return gUtilidades->QuitaCaracteres(t, QStringLiteral("'"));
}

// A depot literal as the code the lot search takes; NULL is no depot.
QString CodigoDeDeposito(const QString& literal)
{
    const QString c = Recorta(SinApostrofos(literal));
    return c.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0 ? QString() : c;
}

QString TextoDeArticulo(const QString& codigo, const char* columna)
{
    return gUtilidades->ValorNoNuloTexto(gSesionBD->ObtieneValor(QStringLiteral("V_MA_ARTICULOS"), codigo,
                                                                 QLatin1String(columna), QStringLiteral("IDARTICULO"),
                                                                 8, QString(), true, false));
}

// One line of the "PE" voucher, worked out once and written on each side of
// the movement: the quantities before the sign, every other value a literal.
struct LineaInsumo {
    int fila = 0;
    QString articulo;
    QString descripcion;
    std::optional<QString> lote;   // no value: no lot column
    QString unidad;
    const char* columnaUD = "CantidadUd";
    double cantidadUD = 0;
    QString unidadBase;
    double equivalencia = 1;
    double cantidad = 0;
    QString cuenta;                // empty: no account column
    QString motivo;
    QString costo;
    QString controladoPor;
    QString tcOrigen;              // the row's origin type, when each row brings its own
};

// What a compound row gives every line it breaks into.
struct FilaCompuesta {
    int fila = 0;
    QString articulo;              // column 0 trimmed
    double cantidad = 0;
    QString unidad;                // column 5 trimmed
    bool porcentajes = false;
    QString deposito;              // literal
};

class Descarga {
public:
    Descarga(PosteoStock& e, Procedimiento& p) : e_(e), g_(e.Grid), p_(p) {}

    bool Corre();

private:
    QString celda(int fila, int c) const { return g_.TextMatrix(fila, c); }

    bool omite();
    bool fila(int f);
    bool insumo(const FilaCompuesta& f, const Stock::RegInsumo& entrada);
    bool lineaCompuesta(const FilaCompuesta& f);
    void comunes(const FilaCompuesta& f, LineaInsumo& l);
    QString cuenta(const QString& clave);
    QString motivo(int fila);
    QString sentencia(const LineaInsumo& l, const QString& deposito);
    bool graba(const LineaInsumo& l, const QString& deposito);
    bool grabaTexto(const QString& texto);
    bool numera();

    PosteoStock& e_;
    Grilla& g_;
    Procedimiento& p_;
    QString idPE_;
    long escritas_ = 0;
    bool enDestino_ = false;
    std::vector<LineaInsumo> lineas_;   // the origin side, mirrored at the destination
};

// Voucher types and settings that consume nothing, in the order they are asked.
bool Descarga::omite()
{
    if (e_.EsProduccion && e_.TieneSPNL)
        return true;
    if (EsTipo(e_.TC, {"SPL"}) || EsTipo(e_.TC, {"AJP", "AJN"}))
        return true;
    if (CfgIgualSi(QStringLiteral("DescargaInsumosProduccion")))
        return true;
    if (!CfgIgualSi(QStringLiteral("DescargaInsumosProduccion")) && e_.EsProduccion)
        return true;
    return !e_.EsProduccion && e_.CargaInsumosProduccion;
}

bool Descarga::Corre()
{
    bool omitir = false;
    if (!p_.paso([&] { omitir = omite(); }))
        return false;
    if (omitir)
        return true;
    idPE_.clear();
    e_.Secuencia = 0;
    // A transfer takes the supplies out at each row's depot first.
    if (e_.EsTransferencia)
        e_.Signo = -1;
    for (int f = 1; f < g_.Rows(); ++f) {
        Eventos::Pendientes();
        if (!fila(f))
            return false;
    }
    if (e_.EsTransferencia) {
        enDestino_ = true;
        e_.Pasada = 3;
        e_.Signo = 1;
        for (const LineaInsumo& l : lineas_) {
            e_.Fila = l.fila;
            QString destino;
            if (!p_.paso([&] {
                    destino = EsElDelGrid(e_.IdDepositoDestino) ? LineaStock::DepositoDeFila(e_)
                                                                : LineaStock::CodigoPreparado(e_.IdDepositoDestino);
                }))
                return false;
            if (!graba(l, destino))
                return false;
        }
    }
    return numera();
}

bool Descarga::fila(int f)
{
    e_.Fila = f;
    FilaCompuesta r;
    r.fila = f;
    bool toma = false;
    if (!p_.paso([&] {
            toma = Importe(celda(f, C::Cantidad)) != Moneda() && !Recorta(celda(f, C::Codigo)).isEmpty();
            if (!toma)
                return;
            r.articulo = Recorta(celda(f, C::Codigo));
            r.cantidad = Importe(celda(f, C::Cantidad)).ADoble();
            r.unidad = Recorta(celda(f, C::Unidad));
            const QString marca = celda(f, C::InsumosPorPorcentaje);
            r.porcentajes = !marca.isEmpty() && EsVerdadero(Recorta(marca), true);
            if (r.porcentajes) {
                const double base = Importe(celda(f, C::CantidadUD)).ADoble();
                if (base > 0)
                    r.cantidad = base;
            }
        }))
        return false;
    if (!toma)
        return true;
    bool deProduccion = false;
    if (!p_.paso([&] {
            deProduccion = Recorta(gUtilidades->ValorNoNuloTexto(gSesionBD->ObtieneValor(
                                       QStringLiteral("V_MA_ARTICULOS"), r.articulo, QStringLiteral("PROCEDENCIA"),
                                       QStringLiteral("IDARTICULO"), 8, QString(), false, false)))
                               .compare(QLatin1String("PRODUCCION"), Qt::CaseInsensitive) == 0;
        }))
        return false;
    if (deProduccion)
        return true;
    std::vector<Stock::RegInsumo> insumos;
    if (!Stock::IdArticuloTieneInsumos(r.articulo, insumos, false))
        return true;
    if (!p_.paso([&] { r.deposito = LineaStock::DepositoDeFila(e_); }))
        return false;
    // One number for every row of the posting, taken when a row first needs it.
    if (idPE_.isEmpty()) {
        QString sucursal = SucursalPE, letra = LetraPE;
        if (!p_.paso([&] { idPE_ = Stock::AsignarNumeroComprobante(TcPE, sucursal, letra); }))
            return false;
        // Every book used up, or the proposal left: no line goes under an empty id.
        if (idPE_.trimmed().isEmpty())
            return false;
    }
    if (r.porcentajes && !lineaCompuesta(r))
        return false;
    for (const Stock::RegInsumo& entrada : insumos)
        if (!insumo(r, entrada))
            return false;
    return true;
}

// The columns every line of a row shares.
void Descarga::comunes(const FilaCompuesta& f, LineaInsumo& l)
{
    l.fila = f.fila;
    l.controladoPor = Literal(f.articulo);
    l.motivo = motivo(f.fila);
    if (e_.TcOrigenPorFila)
        l.tcOrigen = SinApostrofos(Recorta(celda(f.fila, C::CpteOrigen).left(4)));
}

// The compound article's own line, ahead of its supplies given per hundred.
bool Descarga::lineaCompuesta(const FilaCompuesta& f)
{
    LineaInsumo l;
    if (!p_.paso([&] {
            const int r = f.fila;
            comunes(f, l);
            l.articulo = Literal(Ajusta(f.articulo, 25));
            l.descripcion = Literal(SinApostrofos(Recorta(celda(r, C::Descripcion)).left(e_.Clase.gLenDesc)));
            l.unidad = Literal(Ajusta(celda(r, C::Unidad), 4));
            l.cantidad = f.cantidad;
            // In the unit columns the line moves the same way as in Cantidad.
            if (EsVerdadero(Recorta(celda(r, C::Pesable)), true)) {
                l.columnaUD = "CantidadUD";
                l.cantidadUD = Cifra(celda(r, C::CantidadUD));
                l.unidadBase = Literal(Ajusta(Recorta(celda(r, C::UnidadBase)), 4));
            } else if (CfgIgualSi(QStringLiteral("ConfirmaUDEquiv"))) {
                l.columnaUD = "CantidadUD";
                l.cantidadUD = Cifra(celda(r, C::CantidadEquiv));
                l.unidadBase = Literal(Ajusta(Recorta(celda(r, C::UnidadEquiv)), 4));
            } else {
                l.cantidadUD = Importe(celda(r, C::Cantidad)).ADoble();
                l.unidadBase = Literal(Ajusta(Recorta(celda(r, C::UnidadBase)), 4));
            }
            const QString coeficiente = celda(r, C::Coeficiente);
            l.equivalencia = coeficiente.trimmed().isEmpty() ? 1 : Cifra(coeficiente);
            l.cuenta = cuenta(f.articulo);
            l.costo = Numero(Importe(celda(r, C::Costo)).ADoble());
        }))
        return false;
    return graba(l, f.deposito);
}

bool Descarga::insumo(const FilaCompuesta& f, const Stock::RegInsumo& entrada)
{
    QString codigo, libre;
    double cantidad = 0;
    if (!p_.paso([&] {
            codigo = TransformaTexto(entrada.Codigo);
            // A free-text supply: "*" and the text after it.
            if (codigo.size() > 1 && codigo.startsWith(u'*')) {
                libre = codigo.mid(1);
                codigo = QStringLiteral("*");
            }
            cantidad = f.cantidad * entrada.Cantidad;
            if (f.porcentajes)
                cantidad /= 100;
        }))
        return false;
    if (codigo.isEmpty())
        return true;
    const bool textoLibre = codigo == u"*";
    if (!textoLibre) {
        bool existe = false;
        if (!p_.paso([&] {
                // The look-up rewrites what it is given (barcodes, prefixes): only its answer counts.
                QString copia = codigo, descripcion, udBase, lote;
                Recordset rs;
                bool codigoBarra = false;
                double cantidadLeida = 0;
                Moneda importe;
                short unidadNegocio = 0;
                existe = BuscaArticulo(copia, rs, false, codigoBarra, descripcion, QString(), udBase, QString(),
                                       cantidadLeida, importe, lote, QString(), unidadNegocio);
                gSesionBD->CierraRecordset(rs);
            }))
            return false;
        if (!existe)
            return true;
    }

    LineaInsumo base;
    QString operador;
    if (!p_.paso([&] {
            comunes(f, base);
            base.articulo = Literal(Ajusta(codigo, 25));
            const QString descripcion = textoLibre ? libre : Recorta(TextoDeArticulo(codigo, "DESCRIPCION"));
            base.descripcion = Literal(SinApostrofos(descripcion.left(e_.Clase.gLenDesc)));
            const QString unidad = TransformaTexto(entrada.Unidad);
            base.unidad = unidad.isEmpty() ? QStringLiteral("NULL") : Literal(Ajusta(unidad, 4));
            base.unidadBase = Literal(Ajusta(f.unidad, 4));
            // Cantidad in the supply's unit, CantidadUd in the compound row's.
            if (unidad.compare(f.unidad, Qt::CaseInsensitive) != 0) {
                QString unidadInsumo = unidad;
                bool sinUnidad = false;
                if (!Stock::IdArticuloTieneEquivalencias(Ajusta(codigo, 25), f.unidad, operador, unidadInsumo,
                                                         base.equivalencia, sinUnidad))
                    operador.clear();
            }
            base.cuenta = cuenta(f.porcentajes ? f.articulo : codigo);
            base.costo = Numero(gUtilidades->TextoAMoneda(TextoDeArticulo(codigo, "Costo")).ADoble());
        }))
        return false;

    // The lots of the depot the line is written to.
    std::vector<Stock::RegInsumo> lotes;
    bool conLotes = false;
    if (!p_.paso([&] {
            conLotes = Stock::ArticuloTieneLotes(codigo, CodigoDeDeposito(f.deposito), lotes, cantidad);
        }))
        return false;

    const auto linea = [&](double q, std::optional<QString> lote) {
        LineaInsumo l = base;
        l.cantidad = q;
        l.cantidadUD = operador == u"*" ? q / l.equivalencia : operador == u"/" ? q * l.equivalencia : q;
        l.lote = std::move(lote);
        return l;
    };
    if (!conLotes)
        return graba(linea(cantidad, std::nullopt), f.deposito);
    for (const Stock::RegInsumo& r : lotes) {
        // A lot that gives nothing (a blank record, the one after an exact cover) makes no line.
        if (r.Cantidad == 0)
            continue;
        if (!graba(linea(r.Cantidad, LineaStock::LoteOSerie(r.Codigo, true)), f.deposito))
            return false;
    }
    return true;
}

// CuentaProveedor: the account passed, or the article's own; NULL leaves the column out.
QString Descarga::cuenta(const QString& clave)
{
    QString c = Recorta(e_.Cuenta);
    if (c.compare(QLatin1String("PorDefault"), Qt::CaseInsensitive) == 0)
        c = Recorta(TextoDeArticulo(Ajusta(clave, 25), "CUENTAPROVEEDOR"));
    if (c.isEmpty() || c.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0)
        return QString();
    return Literal(c);
}

// The reason of the posting, or the row's own when each row brings it.
QString Descarga::motivo(int fila)
{
    if (e_.MotivoPorFila)
        return LineaStock::CodigoSQL(SinApostrofos(celda(fila, C::MotivoStock)));
    e_.IdMotivoStock = SinApostrofos(e_.IdMotivoStock);
    return LineaStock::CodigoSQL(e_.IdMotivoStock);
}

QString Descarga::sentencia(const LineaInsumo& l, const QString& deposito)
{
    QList<CampoValor> campos;
    const auto campo = [&](const char* nombre, const QString& valor) { campos.append({QLatin1String(nombre), valor}); };
    const double signo = e_.Signo;
    campo("TC", Literal(Ajusta(TcPE, 4)));
    campo("IdComprobante", Literal(idPE_));
    if (!e_.EsCompras)
        campo("IdComplemento", LecturaValores::NumeroONulo(e_.IdComplemento));
    campo("Secuencia", Numeros::TextoPlano(std::round(double(e_.Secuencia))));
    campo("Fecha", Literal(e_.fecha));
    campo("IdDeposito", deposito);
    campo("IdArticulo", l.articulo);
    campo("Descripcion", l.descripcion);
    if (l.lote)
        campo("NroLote", *l.lote);
    campo("IdUnidad", l.unidad);
    campo(l.columnaUD, Numero(l.cantidadUD * signo));
    campo("IdUnidadBase", l.unidadBase);
    campo("equiv_udbase", Numero(l.equivalencia));
    campo("Cantidad", Numero(l.cantidad * signo));
    if (!Recorta(gCaja).isEmpty()) {
        gCaja = SinApostrofos(gCaja);
        campo("IdCaja", Literal(Ajusta(gCaja, 4)));
    }
    if (!l.cuenta.isEmpty())
        campo("CuentaProveedor", l.cuenta);
    campo("IdMotivoStock", l.motivo);
    campo("PrecioVenta", QStringLiteral("0"));
    campo("Importe_S_iva", QStringLiteral("0"));
    campo("Costo", l.costo);
    // The caller reads the origin type back when each row brings its own.
    if (e_.TcOrigenPorFila)
        e_.TcOrigen = l.tcOrigen;
    campo("Tc_Origen", Literal(Ajusta(Recorta(e_.TC), 4)));
    campo("IdComprobante_Origen", Literal(e_.SucNroLetra));
    campo("ControladoPor", l.controladoPor);
    campo("Unegocio", LineaStock::UnidadDeNegocio());
    campo("ARTMONEDA", Literal(Ajusta(e_.ArtMoneda, 4)));
    campo("ARTCOTIZACION", Numero(e_.ArtCotizacion.ADoble()));
    QString texto = QStringLiteral("INSERT INTO V_MV_STOCK");
    ArmaValores(texto, campos, true);
    return texto;
}

bool Descarga::graba(const LineaInsumo& l, const QString& deposito)
{
    e_.Secuencia += 1;
    QString texto;
    if (!p_.paso([&] { texto = sentencia(l, deposito); }))
        return false;
    if (!grabaTexto(texto))
        return false;
    ++escritas_;
    if (e_.EsTransferencia && !enDestino_)
        lineas_.push_back(l);
    return true;
}

// At once inside the posting's write scope, or after a CR in the batch.
bool Descarga::grabaTexto(const QString& texto)
{
    if (!p_.paso([&] { LineaStock::GrabaSentencia(e_, texto); }))
        return false;
    if (e_.GeneraSentenciaSQL)
        return true;
    const ErroresBD& errores = gSesionBD->Conexion.Errors;
    if (e_.Rechazo.isEmpty() && errores.Count() > 0)
        e_.Rechazo = errores.Item(0).Description;
    return e_.Rechazo.isEmpty();
}

// The "PE" book moves past the number used, in the same batch or write scope as the lines.
bool Descarga::numera()
{
    if (escritas_ == 0 || idPE_.trimmed().isEmpty())
        return true;
    QString texto;
    if (!p_.paso([&] {
            QString letra = idPE_.mid(12, 1);
            // The number after the one used, with the blank a positive number is written with.
            const QString siguiente =
                u' ' + QString::number(static_cast<qlonglong>(LecturaValores::Val(idPE_.mid(4, 8))) + 1);
            ModExportarExcel::ActualizaUltimoNroComprobante(TcPE, QStringLiteral("STOCK"), idPE_.left(4), siguiente,
                                                            letra, true, texto, false, false);
        }))
        return false;
    if (texto.isEmpty())
        return true;
    return grabaTexto(texto);
}

}  // namespace

namespace InsumosStock {

bool DescargaInsumos(PosteoStock& e, Procedimiento& p)
{
    return Descarga(e, p).Corre();
}

}  // namespace InsumosStock
