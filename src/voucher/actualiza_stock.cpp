// Stock posting: the article grid of a numbered voucher turned into movement
// lines of V_MV_STOCK, one per row or per lot, serial or size item, in one or
// two passes, with the stock accounting entry of each row; run at once inside
// one write scope (all or nothing) or handed back as a deferred batch.
#include "voucher/ClsCmnCptes.h"

#include "lots/listas_pipe.h"
#include "platform/avisos.h"
#include "platform/controles/grilla.h"
#include "platform/db/ambito_escritura.h"
#include "platform/eventos.h"
#include "platform/recorte.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "voucher/columnas_grillas.h"
#include "voucher/posteo_stock.h"

#include <optional>

using namespace ModGlobal;
using LecturaValores::EsTipo;
using LecturaValores::Literal;
using LineaStock::Cifra;
using LineaStock::EsElDelGrid;
using LineaStock::Importe;
namespace C = ColArticulos;

namespace {

QString Ajusta(const QString& t, int ancho)
{
    return gUtilidades->AjustaAncho(t, ancho);
}

// A code between apostrophes (or bare), without them, trimmed.
QString CodigoDe(const QString& preparado)
{
    return Recorta(gUtilidades->QuitaCaracteres(preparado, QStringLiteral("'")));
}

class Actualizacion {
public:
    Actualizacion(PosteoStock& e) : e_(e), g_(e.Grid) {}

    // False when the posting did not complete.
    bool Corre();
    // Undoes every write of an unfinished posting.
    void Abandona()
    {
        if (!ambito_)
            return;
        try {
            ambito_->Deshace();
        } catch (...) {
        }
    }
    // A posted row, for the deferred entries of per-row reasons.
    struct FilaAsentada {
        int fila;
        QString motivo;
    };

private:
    QString celda(int c) const { return g_.TextMatrix(e_.Fila, c); }
    bool marca(int c) const { return EsVerdadero(Recorta(celda(c)), true); }
    QString item(int c) const { return ListasPipe::ExtraeSerieLote(celda(c), e_.Item); }

    void prepara();
    void recepcionOrdenDeCompra();
    bool pasadas();
    bool fila();
    bool tomaItem();
    bool sigue() const;
    QString asiento(const QString& motivo, short tipo, long fila);
    void asientoDiferido();
    void cierraCartel() { gCartel->CartelCerrar(); }
    bool falloLaBase();

    PosteoStock& e_;
    Grilla& g_;
    std::optional<Procedimiento> p_;
    std::optional<AmbitoEscritura> ambito_;
    bool porTalle_ = false, porSerie_ = false, porLote_ = false;
    // The entry dialog hands lots and sizes back one per unit, with nothing
    // beside them in column 22; read once per row, not once per item.
    bool sinCantidades_ = false;
    QList<FilaAsentada> asentadas_;
    bool asientoFallido_ = false;
};

void Actualizacion::prepara()
{
    e_.CargaInsumosProduccion = CfgIgualSi(QStringLiteral("CargaInsumosProduccion"));
    e_.LoteAutomaticoING = CfgIgualSi(QStringLiteral("AsignacionAutomaticaDeLoteING"));
    e_.LoteAutomaticoINGOP = CfgIgualSi(QStringLiteral("AsignacionAutomaticaDeLoteINGOP"));
    e_.ConfirmaUDEquiv = CfgIgualSi(QStringLiteral("ConfirmaUDEquiv"));
    e_.TipoMovimiento = 0;
}

// Run at once in both modes, before any other write; its outcome is not read.
void Actualizacion::recepcionOrdenDeCompra()
{
    e_.IROblig = CfgNoVacioNiNo(QStringLiteral("IR_Oblig"));
    if (!EsTipo(e_.TC, {"FCC", "RMC"}) || e_.IROblig || EsElDelGrid(e_.ComprobanteOrigen) ||
        CodigoDe(e_.TcOrigen).compare(QLatin1String("OC"), Qt::CaseInsensitive) != 0)
        return;
    const QString clave = QStringLiteral("TC=") + e_.TcOrigen + QStringLiteral(" and IDCOMPROBANTE=") +
                          LineaStock::CodigoPreparado(e_.ComprobanteOrigen);
    try {
        gSesionBD->Ejecuta(QStringLiteral("if exists(select * from c_mv_cpte  with(nolock)  where ") + clave +
                           QStringLiteral(" and fecharecepcion is null) ") + QStringLiteral(" UPDATE c_mv_cpte set FechaRecepcion=") +
                           Literal(e_.fecha) + QStringLiteral(" where ") + clave);
    } catch (...) {
    }
}

bool Actualizacion::Corre()
{
    const GestorError gestor = [this](const Falla& falla, const QString&) {
        cierraCartel();
        return gSesionBD->GestionaError(falla, QVariant(), QStringLiteral("ActualizaStock"));
    };
    p_.emplace(QStringLiteral("ActualizaStock"), gestor);
    Procedimiento& p = *p_;

    if (!p.paso([&] { prepara(); }))
        return false;
    if (e_.MuestraCartel && !p.paso([&] { gCartel->CartelInicio(QStringLiteral("Grabando Stock...."), false); }))
        return false;
    e_.CuentaOriginal = e_.Cuenta;
    if (!p.paso([&] {
            e_.TcOrigen = Ajusta(Recorta(e_.TcOrigen), 4);
            e_.EsProduccion = EsTipo(e_.TC, {"OP"});
            if (e_.EsProduccion)
                e_.TieneSPNL = e_.Clase.TieneSPNL(e_.TC, e_.SucNroLetra);
        }))
        return false;
    // The origin: "NULL", a literal, or each row's.
    const auto origen = [](QString& valor, bool& porFila) {
        if (EsElDelGrid(valor))
            porFila = true;
        else
            valor = Recorta(valor).isEmpty() ? QStringLiteral("NULL") : Literal(valor);
    };
    origen(e_.TcOrigen, e_.TcOrigenPorFila);
    origen(e_.ComprobanteOrigen, e_.CpteOrigenPorFila);
    if (!p.paso([&] { recepcionOrdenDeCompra(); }))
        return false;
    if (!p.paso([&] {
            // Only the direction of the caller's sign counts: it never scales a quantity.
            const short signo = e_.SignoRemota != 0 ? e_.SignoRemota : e_.Clase.ObtieneSignoComprobante(e_.TC, false);
            e_.Signo = signo > 0 ? 1 : -1;
        }))
        return false;
    if (!p.paso([&] {
            if (((e_.EsProduccion && e_.LoteAutomaticoINGOP) || e_.LoteAutomaticoING) && e_.Signo == 1) {
                e_.LoteFijo = e_.Clase.ObtieneLoteAutomatico();
                e_.LoteFijoAutomatico = true;
            }
        }))
        return false;
    Eventos::Pendientes();
    if (!p.paso([&] {
            e_.EsCompras = Recorta(gUtilidades->ValorNoNuloTexto(
                                       gSesionBD->ObtieneValor(QStringLiteral("V_TA_CPTE"), e_.TC, QStringLiteral("SISTEMA"),
                                                               QStringLiteral("Codigo"), 8, QString(), true, false)))
                               .compare(QLatin1String("COMPRAS"), Qt::CaseInsensitive) == 0;
        }))
        return false;
    if (!p.paso([&] {
            // A blank default is no depot and no reason: NULL.
            if (EsElDelGrid(e_.IdDeposito))
                e_.DepositoPorFila = true;
            else if (!Recorta(e_.IdDeposito).isEmpty())
                e_.IdDeposito = Literal(Ajusta(Recorta(e_.IdDeposito), 4));
            else
                e_.IdDeposito = LineaStock::CodigoSQL(Cfg(QStringLiteral("DepositoDefault")));
            if (EsElDelGrid(e_.IdMotivoStock)) {
                e_.MotivoPorFila = true;
            } else {
                e_.IdMotivoStock = gUtilidades->QuitaCaracteres(e_.IdMotivoStock, QStringLiteral("'"));
                e_.IdMotivoStock = Recorta(e_.IdMotivoStock).isEmpty()
                                       ? LineaStock::CodigoSQL(gUtilidades->QuitaCaracteres(
                                             Cfg(QStringLiteral("MotivoStockDefault")), QStringLiteral("'")))
                                       : Literal(Ajusta(e_.IdMotivoStock, 4));
            }
            e_.IdDepositoDestino = Recorta(e_.IdDepositoDestino).isEmpty()
                                       ? QStringLiteral("NULL")
                                       : Literal(Ajusta(Recorta(e_.IdDepositoDestino), 4));
        }))
        return false;
    e_.Pasada = 1;
    e_.CantPasadas = (e_.EsTransferencia || e_.EsProduccion) ? 2 : 1;
    if (e_.EsProduccion && e_.TieneSPNL)
        e_.CantPasadas = 1;
    // Every write from here on stands or falls with the posting, and the
    // order's highest line is read inside it, where no other posting can add
    // one meanwhile. A scope that could not open, passed over, is no posting:
    // its lines would be written one by one, and a failure would leave part.
    if (!e_.GeneraSentenciaSQL &&
        (!p.paso([&] { ambito_.emplace(*gSesionBD, QStringLiteral("ActualizaStock")); }) || !ambito_))
        return false;
    if (!p.paso([&] {
            if (e_.EsProduccion) {
                e_.IdDepositoDestino = e_.IdDeposito;
                Recordset rs;
                gSesionBD->AbreRecordset(
                    QStringLiteral("SELECT MAX(SECUENCIA) AS MAX_SECUENCIA FROM V_MV_STOCK WHERE TC = ") +
                        Literal(Ajusta(Recorta(e_.TC), 4)) + QStringLiteral(" AND IDCOMPROBANTE = ") +
                        Literal(e_.SucNroLetra),
                    rs, nullptr, 0, 1);
                const double mayor = rs.Eof() ? 0 : gUtilidades->TextoADoble(gUtilidades->ValorNoNuloTexto(rs.Valor(0)));
                gSesionBD->CierraRecordset(rs);
                e_.Secuencia = static_cast<float>(mayor == 0 ? 0 : mayor + 1);
            }
        }))
        return false;

    if (!pasadas())
        return false;

    Eventos::Pendientes();
    // A refused supply line ends the posting as a refused movement line does.
    if (!InsumosStock::DescargaInsumos(e_, p))
        return !p.abandonado() && !e_.Rechazo.isEmpty() ? falloLaBase() : false;
    if (e_.MuestraCartel && !p.paso([&] { cierraCartel(); }))
        return false;
    if (e_.GeneraSentenciaSQL && (!p.paso([&] { asientoDiferido(); }) || asientoFallido_))
        return false;
    // A commit passed over is no posting: the scope, still open, is undone.
    if (ambito_ && (!p.paso([&] { ambito_->Confirma(); }) || ambito_->Abierto()))
        return false;
    Eventos::Pendientes();
    return true;
}

bool Actualizacion::pasadas()
{
    Procedimiento& p = *p_;
    for (e_.Pasada = 1; e_.Pasada <= e_.CantPasadas; ++e_.Pasada) {
        if (e_.EsTransferencia)
            e_.Signo = e_.Pasada == 1 ? -1 : 1;
        if (e_.EsProduccion)
            e_.Signo = e_.Pasada == 1 ? 1 : -1;
        for (e_.Fila = 1; e_.Fila < g_.Rows(); ++e_.Fila) {
            bool califica = false;
            if (!p.paso([&] {
                    // A code of blanks is no article.
                    califica = (Importe(celda(C::Cantidad)) != Moneda() || Importe(celda(C::Bultos)) != Moneda()) &&
                               !Recorta(celda(C::Codigo)).isEmpty();
                    e_.LoteActual.clear();
                    if (califica && e_.EsProduccion)
                        califica = (Recorta(celda(C::CantidadInsumo)) == u"-1") == (e_.Pasada == 2);
                }))
                return false;
            if (califica && !fila())
                return false;
        }
    }
    return true;
}

bool Actualizacion::fila()
{
    Procedimiento& p = *p_;
    if (!p.paso([&] {
            e_.Articulo = Recorta(celda(C::Codigo));
            porTalle_ = marca(C::PideTalle);
            porSerie_ = marca(C::PideSerie);
            porLote_ = marca(C::PideLote);
            sinCantidades_ = ListasPipe::Cuenta_Series_Lotes(celda(C::NroSerie), QString(), false) == 0;
            // Lots that leave are counted one by one: a lot taken twice (from two
            // positions, say) is two lines, not one; so are sizes that come once
            // per unit. A list without a lot is none.
            const long distintos = ListasPipe::Cuenta_Series_Lotes(celda(C::NroLote), QString(), false);
            if (LineaStock::ItemsDeSalida(e_) || (porTalle_ && sinCantidades_))
                e_.CantItems = distintos == 0 ? 0 : ListasPipe::Cuenta_Series_Lotes(celda(C::NroLote), QString(), true);
            else if (porTalle_)
                e_.CantItems = distintos;
            else
                e_.CantItems = ListasPipe::Cuenta_Series_Lotes(celda(C::NroSerie), celda(C::NroLote), porSerie_);
            // Read once per row: each lot line takes its share of this sum.
            e_.SumaItems = 0;
            if (e_.CantItems > 1)
                for (const QString& item : ListasPipe::PrimerosItems(celda(C::NroSerie), e_.CantItems))
                    e_.SumaItems += Cifra(item);
        }))
        return false;
    e_.Item = 0;
    // The entry is asked for once per row, with its first posted line; a transfer's row in pass 1 only.
    bool asentada = e_.EsTransferencia && e_.Pasada != 1;
    do {
        e_.Secuencia += 1;
        e_.Item += 1;
        e_.CantidadItem = Cifra(celda(C::Cantidad));
        Eventos::Pendientes();
        bool conCantidad = true;
        if (!p.paso([&] { conCantidad = tomaItem(); }))
            return false;
        if (!conCantidad) {
            e_.Secuencia -= 1;
            continue;
        }
        Eventos::Pendientes();
        if (e_.CantidadItem < 0 && e_.EsProduccion && e_.TieneSPNL)
            return true;
        QString sentencia;
        const double cantidadItem = e_.CantidadItem;
        // A line whose building failed is not written, whatever the answer.
        if (!p.paso([&] {
                e_.CantidadItem = cantidadItem;
                sentencia = LineaStock::Sentencia(e_);
            }))
            return false;
        Eventos::Pendientes();
        if (sentencia.isEmpty())
            continue;
        if (e_.MuestraCartel && !p.paso([&] {
                bool cancelado = false;
                gCartel->CartelMostrar(cancelado, QVariant(QStringLiteral("Grabando Stock...")),
                                       QVariant(Recorta(celda(C::Codigo)) + QStringLiteral("  ") + celda(C::Descripcion)),
                                       QVariant(QString::number(e_.Fila) + QStringLiteral(" de ") +
                                                QString::number(g_.Rows() - 1)));
            }))
            return false;
        if (!asentada) {
            asentada = true;
            if (e_.GeneraSentenciaSQL) {
                asentadas_.append({e_.Fila, e_.IdMotivoStock});
            } else if (!p.paso([&] { sentencia += QStringLiteral("\r\n ") + asiento(e_.IdMotivoStock, 0, e_.Fila); }) ||
                       asientoFallido_) {
                return false;
            }
        }
        if (!p.paso([&] { LineaStock::GrabaSentencia(e_, sentencia); }))
            return false;
        if (!e_.GeneraSentenciaSQL) {
            Eventos::Pendientes();
            if (!e_.Rechazo.isEmpty() || gSesionBD->Conexion.Errors.Count() > 0)
                return falloLaBase();
        }
    } while (sigue());
    return true;
}

// Takes item Item of the row into the current lot, serial and quantity;
// false when the item's own quantity is 0.
bool Actualizacion::tomaItem()
{
    const auto lote25 = [](const QString& t) { return Ajusta(SinBlancosFinales(t).toString(), 25); };
    const auto serie25 = [](const QString& t) { return Ajusta(Recorta(t), 25); };
    // Lot and serial number of a "lot<255>serial" key; false when there is no separator.
    const auto separa = [&](const QString& t) {
        const qsizetype p = t.indexOf(ListasPipe::Chr255);
        if (p < 0)
            return false;
        e_.LoteActual = t.left(p);
        e_.SerieActual = t.mid(p + 1);
        return true;
    };
    // A lot list made by InsertaCHR255 closes each lot with the separator.
    const auto sinSeparadorFinal = [&](const QString& t) {
        QString r = SinBlancosFinales(t).toString();
        r.chop(1);
        return lote25(r);
    };
    const auto cantidad = [&](const QString& t) {
        e_.CantidadItem = Cifra(t);
        return e_.CantidadItem != 0;
    };
    const auto loteFijo = [&] {
        if (Recorta(e_.LoteActual).isEmpty() && !Recorta(e_.LoteFijo).isEmpty())
            e_.LoteActual = LineaStock::LoteFijoDeItem(e_);
    };

    if (!LineaStock::ItemsDeSalida(e_)) {
        e_.LoteActual = lote25(item(C::NroLote));
        e_.SerieActual = serie25(item(C::NroSerie));
        const QString perecedero = Recorta(celda(C::Perecedero));
        if (EsVerdadero(perecedero.isEmpty() ? QStringLiteral("0") : perecedero, true)) {
            e_.LoteActual = lote25(celda(C::NroLote));
            loteFijo();
            return true;
        }
        if (marca(C::PideTalle)) {
            if (Recorta(item(C::NroLote)).isEmpty())
                return true;
            separa(item(C::NroLote));
            e_.LoteActual = lote25(e_.LoteActual);
            e_.SerieActual.clear();
            // A size of a list without quantities is a unit; a list of one size takes the row.
            if (sinCantidades_) {
                if (e_.CantItems > 1)
                    e_.CantidadItem = 1;
                return true;
            }
            return cantidad(item(C::NroSerie));
        }
        if (!Recorta(e_.LoteActual).isEmpty() && e_.LoteActual.contains(ListasPipe::Chr255))
            e_.LoteActual = sinSeparadorFinal(e_.LoteActual);
        else
            loteFijo();
        if (porSerie_) {
            const QString clave = item(e_.EsTransferencia ? C::NroLote : C::NroSerie);
            if (Recorta(clave).isEmpty())
                return true;
            separa(clave);
            e_.LoteActual = lote25(e_.LoteActual);
            e_.SerieActual = serie25(e_.SerieActual);
            if (!e_.EsTransferencia) {
                e_.CantidadItem = 1;
                return true;
            }
            return cantidad(item(C::NroSerie));
        }
        if (e_.LoteFijo.isEmpty() && e_.Item > 1) {
            // The entry dialog hands a lot list back with nothing beside it: each
            // of its lots is a unit of its own, not a unit of quantity 0. A lot
            // comes once per unit, so the list can hold more items than lots.
            if (porLote_ && !Recorta(e_.LoteActual).isEmpty() && sinCantidades_)
                return true;
            return cantidad(item(C::NroSerie)) || !(porTalle_ || porSerie_ || porLote_);
        }
        return true;
    }

    if (Recorta(celda(C::PideTalle)).isEmpty())
        g_.setTextMatrix(e_.Fila, C::PideTalle, QStringLiteral("0"));
    if (marca(C::PideTalle)) {
        e_.LoteActual = lote25(item(C::NroLote));
        if (!Recorta(e_.LoteActual).isEmpty())
            e_.LoteActual = sinSeparadorFinal(e_.LoteActual);
        e_.SerieActual.clear();
        return cantidad(item(C::NroSerie));
    }
    // An item without a lot (the depot's own stock beside its positions) has
    // none, not the lot of the item before it.
    e_.LoteActual.clear();
    e_.SerieActual.clear();
    const QString clave = item(C::NroLote);
    if (!Recorta(clave).isEmpty()) {
        if (!separa(clave))
            e_.LoteActual = clave;
        e_.LoteActual = lote25(e_.LoteActual);
        e_.SerieActual = serie25(e_.SerieActual);
    }
    // What a transfer brings in without a lot of its own takes the fixed lot.
    if (e_.Signo == 1)
        loteFijo();
    // A row without lots moves column 7; an item of a list, its own quantity.
    if (Recorta(clave).isEmpty() && e_.CantItems < 2)
        return true;
    return cantidad(item(C::NroSerie));
}

bool Actualizacion::sigue() const
{
    if (e_.CantItems < 2)
        return false;
    if (!LineaStock::ItemsDeSalida(e_) && !marca(C::PideTalle) && !porSerie_)
        return e_.Item < Importe(celda(C::Cantidad)).ADoble();
    return e_.Item < e_.CantItems;
}

QString Actualizacion::asiento(const QString& motivo, short tipo, long fila)
{
    QString m = motivo, tc = e_.TC, nro = e_.SucNroLetra.mid(4, 8);
    bool debito = true;
    const auto numeracion = e_.AsientoPedido ? ClsCmnCptes::NumeroDeAsiento::ElMismo : ClsCmnCptes::NumeroDeAsiento::Nuevo;
    const QString texto = e_.Clase.GeneraAsientoStock(g_, m, tc, e_.SucNroLetra.left(4), nro, e_.SucNroLetra.mid(12, 1),
                                                      e_.fecha, debito, tipo, fila, e_.SecuenciaAsiento, numeracion);
    // An entry lost to a failure (already shown to the operator) is no posting:
    // the movement must not stand without it.
    if (e_.Clase.AsientoFallido())
        asientoFallido_ = true;
    // Later rows join the first entry that booked something; until then the
    // class may still hold the number of another voucher's entry.
    if (!texto.isEmpty())
        e_.AsientoPedido = true;
    return texto;
}

// The entry of a deferred batch: its kind by the first matching rule; with
// per-row reasons one entry per posted row, else one for the whole grid.
void Actualizacion::asientoDiferido()
{
    const QString origen = gUtilidades->ObtieneTCSistema(CodigoDe(e_.TcOrigen));
    const QString ctroDist = Cfg(QStringLiteral("CuentaCtroDist"));
    if (EsTipo(e_.TC, {"IR"}) && origen == u"OC")
        e_.TipoMovimiento = 5;
    else if (EsTipo(e_.TC, {"RMC"}))
        e_.TipoMovimiento = 5;
    else if (EsTipo(e_.TC, {"IR"}) && origen == u"RM")
        e_.TipoMovimiento = 4;
    else if (EsTipo(e_.TC, {"RM"}) && e_.EnComodato)
        e_.TipoMovimiento = 2;
    else if (EsTipo(e_.TC, {"RM"}) && !Recorta(ctroDist).isEmpty() && LecturaValores::MismoCodigo(e_.CuentaOriginal, ctroDist))
        e_.TipoMovimiento = 3;
    else if (EsTipo(e_.TC, {"RM"}))
        e_.TipoMovimiento = 1;
    else
        e_.TipoMovimiento = 0;
    if (!e_.MotivoPorFila || asentadas_.isEmpty()) {
        e_.Lote += u'\r' + asiento(e_.IdMotivoStock, e_.TipoMovimiento, 0);
        return;
    }
    for (const FilaAsentada& f : asentadas_)
        e_.Lote += u'\r' + asiento(f.motivo, e_.TipoMovimiento, f.fila);
}

// A statement the database refused: the posting is undone, then the operator
// is told. Undone first, it holds no lock while the message waits for him.
bool Actualizacion::falloLaBase()
{
    const QString texto = e_.Rechazo.isEmpty() && gSesionBD->Conexion.Errors.Count() > 0
                              ? gSesionBD->Conexion.Errors.Item(0).Description
                              : e_.Rechazo;
    Abandona();
    MsgBox(texto, Avisos::Critico, QStringLiteral("Aviso al operador"));
    return false;
}

}  // namespace

void ClsCmnCptes::ActualizaStock(Grilla& MSFlexGrid2, const QString& TC, const QString& SucNroLetra,
                                 const QString& IdComplemento, const QString& fecha, QString& IdDeposito,
                                 QString& IdDepositoDestino, QString& IdMotivoStock, QString& TcOrigen,
                                 QString& ComprobanteOrigen, bool EsTransferencia, const QString& Cuenta,
                                 bool GeneraSentenciaSQL, QString& SQLTemp, bool& HayError, const QString& IdTecnico,
                                 QString& LoteFijo, const QString& Aduana, const QString& LoteOrigen,
                                 short SignoRemota, bool MuestraCartel, const QString& IdVendedor, float SecuenciaFija,
                                 const QString& ArtMoneda, Moneda ArtCotizacion)
{
    HayError = false;
    if (Recorta(gUnegocio).isEmpty()) {
        MsgBox(QStringLiteral("ERROR EN ASIGNACION DE UNIDAD DE NEGOCIO\r\nVerifique si el usuario tiene asignado una "
                              "unidad de negocio"),
               Avisos::Critico, QStringLiteral("Atencion!"));
        HayError = true;
        return;
    }
    PosteoStock e(*this, MSFlexGrid2, IdDeposito, IdDepositoDestino, IdMotivoStock, TcOrigen, ComprobanteOrigen);
    e.TC = TC;
    e.SucNroLetra = SucNroLetra;
    e.IdComplemento = IdComplemento;
    e.fecha = fecha;
    e.EsTransferencia = EsTransferencia;
    e.Cuenta = Cuenta;
    e.GeneraSentenciaSQL = GeneraSentenciaSQL;
    e.Lote = SQLTemp;
    e.IdTecnico = IdTecnico;
    e.LoteFijo = LoteFijo;
    e.Aduana = Aduana;
    e.LoteOrigen = LoteOrigen;
    e.SignoRemota = SignoRemota;
    e.MuestraCartel = MuestraCartel;
    e.IdVendedor = IdVendedor;
    e.Secuencia = SecuenciaFija > 0 ? SecuenciaFija : 0;
    e.ArtMoneda = ArtMoneda;
    e.ArtCotizacion = ArtCotizacion;

    Actualizacion a(e);
    const bool completa = a.Corre();
    LoteFijo = e.LoteFijo;
    if (completa) {
        if (GeneraSentenciaSQL)
            SQLTemp = e.Lote;
        return;
    }
    // Nothing of an unfinished posting stays: the batch is as it came.
    a.Abandona();
    gCartel->CartelCerrar();
    HayError = true;
}
