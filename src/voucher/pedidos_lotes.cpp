// The voucher class's requests to the lot dialogs: each opens a fresh dialog,
// lets the operator (or the dialog itself) choose, and hands back the pipe
// lists the caller keeps in the article grid's lot and serial columns.
#include "voucher/ClsCmnCptes.h"

#include "lots/FrmCargaLotesySeries.h"
#include "lots/FrmLoteyPosicion.h"
#include "lots/listas_pipe.h"
#include "platform/avisos.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "voucher/columnas_grillas.h"

#include <QLabel>
#include <memory>

namespace {

// The items of one cell, without the readers' spare element.
QStringList ItemsDeCelda(const QString& celda)
{
    QStringList items;
    ListasPipe::DescomponeSerieLote(celda, items);
    items.removeLast();
    return items;
}

QString UneItems(const QStringList& items)
{
    return items.isEmpty() ? QString() : u'|' + items.join(u'|') + u'|';
}

// The dialog is made on first use, so a step that failed before it does not
// leave the later ones without one.
template <class Dialogo>
Dialogo& Instancia(std::unique_ptr<Dialogo>& dialogo)
{
    if (!dialogo)
        dialogo = std::make_unique<Dialogo>();
    return *dialogo;
}

}  // namespace

void ClsCmnCptes::CuentaLotesEnGrilla(Grilla& grilla, const QString& Articulo, QString& LotesEnGrid,
                                      QString& CantidadesEnGrid, int FilaExcluida)
{
    LotesEnGrid.clear();
    CantidadesEnGrid.clear();
    // Item by item, so a list without its opening "|" keeps its first
    // character and a row with fewer quantities than lots does not shift the
    // pairs of the rows after it.
    QStringList lotes;
    QStringList cantidades;
    for (int fila = 1; fila < grilla.Rows(); ++fila) {
        if (fila == FilaExcluida ||
            grilla.TextMatrix(fila, ColArticulos::Codigo).compare(Articulo, Qt::CaseInsensitive) != 0)
            continue;
        QStringList l = ItemsDeCelda(grilla.TextMatrix(fila, ColArticulos::NroLote));
        QStringList c = ItemsDeCelda(grilla.TextMatrix(fila, ColArticulos::NroSerie));
        while (l.size() < c.size())
            l.append(QString());
        while (c.size() < l.size())
            c.append(QString());
        lotes += l;
        cantidades += c;
    }
    LotesEnGrid = UneItems(lotes);
    CantidadesEnGrid = UneItems(cantidades);
}

// After a Cancel the fresh dialog's empty lists come back, so the line's
// previous positions are wiped; callers elsewhere may read "" as a cancel.
void ClsCmnCptes::PidePosicionLote(const QString& Articulo, const QString& IdUnidad, double& Cantidad,
                                   const QString& Deposito, const QString& PosicionAnt, const QString& LoteAnt,
                                   QString& PosicionNVO, QString& LoteNvo, bool Posicion, bool Lote)
{
    Procedimiento p(QStringLiteral("PidePosicionLote"), LecturaValores::GestorSesion());
    if (Cantidad == 0) {
        PosicionNVO.clear();
        LoteNvo.clear();
        return;
    }
    std::unique_ptr<FrmLoteyPosicion> dialogo;
    const auto f = [&]() -> FrmLoteyPosicion& { return Instancia(dialogo); };
    p.paso([&] {
        f().Cantidad1 = Cantidad;
        f().EsConsultaDePosicionLote = !PosicionAnt.isEmpty() || !LoteAnt.isEmpty();
        f().EsPosicion = Posicion;
        f().EsLote = Lote;
        f().IUNIDAD = IdUnidad;
        f().Articulo = Articulo;
        f().Deposito = Deposito;   // the dialog fits it itself
        f().PosicionesAnteriores = PosicionAnt;
        f().LotesAnteriores = LoteAnt;
    });
    p.paso([&] { f().CargaDatos(); });
    p.paso([&] { f().lblArticulo->setText(Articulo); });
    p.paso([&] { Avisos::Actual().Dialogo(f()); });
    p.paso([&] {
        PosicionNVO = f().Posiciones;
        LoteNvo = f().Lotes;
        // The operator may have agreed to a new total.
        Cantidad = f().Cantidad1;
    });
}

// After a Cancel the fresh dialog's empty lists come back, so the line's
// previous lots are wiped; callers elsewhere may read "" as a cancel.
void ClsCmnCptes::PideSerieLote(const QString& Articulo, double Cantidad, const QString& SerieAnt,
                                const QString& LoteAnt, QString& SerieNvo, QString& LoteNvo, bool Serie, bool Lote,
                                bool Talle)
{
    Procedimiento p(QStringLiteral("PideSerieLote"), LecturaValores::GestorSesion());
    if (Cantidad == 0) {
        SerieNvo.clear();
        LoteNvo.clear();
        return;
    }
    std::unique_ptr<FrmCargaLotesySeries> dialogo;
    const auto f = [&]() -> FrmCargaLotesySeries& { return Instancia(dialogo); };
    p.paso([&] {
        f().Cantidad = Cantidad;
        f().EsSerie = Serie;
        f().EsLote = Lote;
        f().EsTalle = Talle;
        f().Articulo = Articulo;
        f().SeriesAnteriores = SerieAnt;
        f().LotesAnteriores = LoteAnt;
    });
    p.paso([&] { f().CargaDatos(); });
    p.paso([&] { f().lblArticulo->setText(Articulo); });
    p.paso([&] { Avisos::Actual().Dialogo(f()); });
    p.paso([&] {
        SerieNvo = f().Series;
        LoteNvo = f().Lotes;
    });
}

// After a Cancel the lists and quantity preset from the line come back
// unchanged, unlike the other two requests.
void ClsCmnCptes::PideSerieLote_Salidas(Grilla& grilla, const QString& Articulo, const QString& Descripcion,
                                        double& Cantidad, const QString& SeriesLoteAnt, const QString& CantidadANT,
                                        QString& SeriesLoteNvo, QString& CantidadesNvo, bool Lote, bool Serie,
                                        bool Talle, QString& Deposito, bool MostrarForm)
{
    Procedimiento p(QStringLiteral("PideSerieLote_Salidas"), LecturaValores::GestorSesion());
    p.paso([&] {
        if (Deposito.isEmpty())
            Deposito = ModGlobal::Cfg(QStringLiteral("DepositoDefault"));
    });
    if (Cantidad == 0 || p.abandonado())
        return;
    std::unique_ptr<FrmCargaLotesySeries> dialogo;
    const auto f = [&]() -> FrmCargaLotesySeries& { return Instancia(dialogo); };
    p.paso([&] {
        f().Cantidad = Cantidad;
        f().Articulo = Articulo;
        f().EsConsultaDeSerieLote = true;
        f().EsLote = Lote;
        f().EsSerie = Serie;
        f().EsTalle = Talle;
        f().Deposito = LecturaValores::Codigo4(Deposito);
        f().Lotes = SeriesLoteAnt;
        f().Series = CantidadANT;
    });
    p.paso([&] {
        // The line being edited gives its own take back to its quantity, so
        // it does not count as taken by another line.
        QString lotes;
        QString cantidades;
        CuentaLotesEnGrilla(grilla, Articulo, lotes, cantidades, grilla.Row());
        f().LotesExistentes = lotes;
        f().SeriesExistentes = cantidades;
    });
    p.paso([&] { f().CargaDatos(); });
    p.paso([&] {
        f().lblArticulo->setText(Articulo + QStringLiteral(" - ") + Descripcion);
        f().MostrarForm = MostrarForm;
    });
    p.paso([&] {
        if (MostrarForm)
            Avisos::Actual().Dialogo(f());
        else
            f().CmdAceptar_Click();   // allocates from stock without the operator
    });
    p.paso([&] {
        SeriesLoteNvo = f().Lotes;
        CantidadesNvo = f().Series;
        Cantidad = f().Cantidad;
    });
}
