// The voucher class's requests to the lot dialogs: each opens a fresh dialog,
// lets the operator (or the dialog itself) choose, and hands back the pipe
// lists the caller keeps in the article grid's lot and serial columns.
#include "voucher/ClsCmnCptes.h"

#include "lots/FrmLoteyPosicion.h"
#include "lots/listas_pipe.h"
#include "platform/avisos.h"
#include "services/lectura_valores.h"
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
