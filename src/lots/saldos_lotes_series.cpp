// The lots-and-serials dialog's balances. Issue mode: one row per lot and
// serial the depot holds (the signed stock rows summed by key), the previous
// choice put back or a first proposal, and what other lines of the article
// took deducted. Entry mode: the previous lists, one item a row.
#include "lots/FrmCargaLotesySeries.h"

#include "lots/listas_pipe.h"
#include "platform/db/recordset.h"
#include "platform/numeros.h"
#include "platform/pasos.h"
#include "platform/recorte.h"
#include "platform/utilidades_comunes.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <map>

using ListasPipe::Chr255;

namespace {

// A key as the grid writes it: Trim(lot) & Chr255 & Trim(serial); a key
// without Chr255 is a lot alone.
QString Clave(const QString& lote, const QString& serie)
{
    return Recorta(lote) + Chr255 + Recorta(serie);
}

QString NormalizaClave(const QString& clave)
{
    const qsizetype i = clave.indexOf(Chr255);
    return i < 0 ? Clave(clave, QString()) : Clave(clave.left(i), clave.mid(i + 1));
}

QString Indice(const QString& clave)
{
    return NormalizaClave(clave).toLower();
}

// The items of a pipe list without the spare element.
QStringList Items(const QString& lista)
{
    QStringList items;
    ListasPipe::DescomponeSerieLote(lista, items);
    if (!items.isEmpty())
        items.removeLast();
    return items;
}

bool EnBlanco(const QString& lista)
{
    return Recorta(ModGlobal::gUtilidades->QuitaCaracteres(lista, QStringLiteral("|"))).isEmpty();
}

struct StockClave {
    QString lote, serie;
    double cantidad = 0;
};

}  // namespace

void FrmCargaLotesySeries::VerificaAnteriores()
{
    if (EsConsultaDeSerieLote)
        VerificaAnterioresConsulta();
    else
        VerificaAnterioresCarga();
}

void FrmCargaLotesySeries::VerificaAnterioresConsulta()
{
    Grilla& g = MSFlexGrid1;
    const QString sql = QStringLiteral("SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = ") +
                        LecturaValores::Literal(ModGlobal::gUtilidades->AjustaAncho(Articulo, 25)) +
                        QStringLiteral(" AND IDDEPOSITO = ") + LecturaValores::Literal(Deposito) +
                        QStringLiteral(" ORDER BY NROLOTE, NROSERIE ");
    Recordset rs;
    ModGlobal::gSesionBD->AbreRecordset(sql, rs);

    // The table's quantities are signed movements: a key's stock is their sum,
    // whatever position or row they came in.
    std::vector<StockClave> stock;
    QHash<QString, size_t> porClave;
    for (; !rs.Bof() && !rs.Eof(); rs.MoveNext()) {
        const QString lote = Recorta(LecturaValores::Texto(rs.Valor(QStringLiteral("NroLote"))));
        const QString serie = Recorta(LecturaValores::Texto(rs.Valor(QStringLiteral("NroSerie"))));
        const QString indice = Clave(lote, serie).toLower();
        auto it = porClave.constFind(indice);
        if (it == porClave.cend()) {
            it = porClave.insert(indice, stock.size());
            stock.push_back({lote, serie, 0});
        }
        stock[*it].cantidad += LecturaValores::Numero(rs.Valor(QStringLiteral("Cantidad")));
    }

    const auto agregaFila = [&g](const QString& lote, const QString& serie, const QString& saldo, const QString& cantidad) {
        const int fila = g.Rows();
        g.setRows(fila + 1);
        g.setTextMatrix(fila, ColLote, lote);
        g.setTextMatrix(fila, ColSerie, serie);
        g.setTextMatrix(fila, ColStock, saldo);
        g.setTextMatrix(fila, ColCantidad, cantidad);
    };
    QHash<QString, int> claves;
    // Movements that cancel out are no stock: without a key left in stock there
    // is no trailing row to take the request.
    bool hayStock = false;
    for (const StockClave& s : stock) {
        const double saldo = Numeros::RedondeoPar(s.cantidad, 6);
        if (saldo <= 0)
            continue;
        hayStock = true;
        agregaFila(s.lote, s.serie, Numeros::TextoPlano(saldo), QString());
        claves.insert(Clave(s.lote, s.serie).toLower(), g.Rows() - 1);
    }

    // A previous key the stock no longer holds keeps its row, with nothing in stock.
    const QString soloSeparador(Chr255);
    for (const QString& anterior : Items(Lotes)) {
        const QString clave = NormalizaClave(anterior);
        if (Recorta(anterior).isEmpty() || clave == soloSeparador || claves.contains(clave.toLower()))
            continue;
        const qsizetype i = clave.indexOf(Chr255);
        agregaFila(clave.left(i), clave.mid(i + 1), QStringLiteral("0"), QStringLiteral("0"));
        claves.insert(clave.toLower(), g.Rows() - 1);
    }

    if (!hayStock)
        return;
    agregaFila(QString(), QString(), QString(), QString());
    if (Lotes.isEmpty()) {
        CompletaCantidades();
        return;
    }
    // The previous items go back to the rows in order: the n-th item of a key to
    // the n-th row of that key, any further one to its last row, their
    // quantities added. Only the key without lot or serial has two rows (its
    // stock, then the trailing row); a key the list holds twice has one row.
    const QStringList anteriores = Items(Lotes);
    const QStringList cantidades = Items(Series);
    QHash<QString, QList<int>> filasPorClave;
    for (int f = 1; f < g.Rows(); ++f)
        filasPorClave[ClaveFila(f).toLower()].append(f);
    QHash<QString, qsizetype> vistas;
    std::map<int, double> puestas;
    for (qsizetype i = 0; i < anteriores.size(); ++i) {
        const QString indice = Indice(anteriores[i]);
        const auto it = filasPorClave.constFind(indice);
        if (it == filasPorClave.cend())
            continue;
        const int fila = it->at(std::min(vistas[indice]++, it->size() - 1));
        puestas[fila] += Numeros::NumeroInicial(i < cantidades.size() ? cantidades[i] : QString());
    }
    for (const auto& [fila, cantidad] : puestas)
        g.setTextMatrix(fila, ColCantidad, Numeros::TextoPlano(cantidad));
}

void FrmCargaLotesySeries::VerificaAnterioresCarga()
{
    Grilla& g = MSFlexGrid1;
    const auto restaura = [&g](const QString& lista, int columna) {
        if (EnBlanco(lista))
            return;
        QString texto = Recorta(lista);
        for (int i = 0; i < 2 && texto.startsWith(u'|'); ++i)
            texto.remove(0, 1);
        int fila = 1;
        // Only closed items go in; the grid's last row ends the restore.
        for (qsizetype fin = texto.indexOf(u'|'); fin >= 0 && fila < g.Rows() && !Recorta(texto).isEmpty();
             fin = texto.indexOf(u'|')) {
            g.setTextMatrix(fila++, columna, texto.left(fin));
            texto.remove(0, fin + 1);
        }
    };
    if (EsSerieYLote) {
        restaura(LotesAnteriores, ColValor);
        restaura(SeriesAnteriores, ColSerieCarga);
    } else {
        restaura(SeriesAnteriores + LotesAnteriores, ColValor);
    }
}

void FrmCargaLotesySeries::VerificaExistenciasEnGrilla()
{
    Grilla& g = MSFlexGrid1;
    Procedimiento p(QStringLiteral("VerificaExistenciasEnGrilla"), LecturaValores::GestorSesion());
    if (!LotesExistentes.isEmpty()) {
        QStringList claves, existentes, cantidades;
        p.paso([&] {
            for (int f = 1; f < g.Rows(); ++f)
                claves << ClaveFila(f);
            existentes = Items(LotesExistentes);
            cantidades = Items(SeriesExistentes);
        });
        for (qsizetype j = 0; j < existentes.size(); ++j) {
            if (!p.paso([&] {
                    const int i = ModGlobal::BuscaEnArray(claves, NormalizaClave(existentes[j]));
                    if (i < 0)
                        return;
                    const int fila = i + 1;
                    // Stock without lot or serial shares its key with the trailing row, which
                    // comes last and holds no stock to take from.
                    if (Recorta(g.TextMatrix(fila, ColStock)).isEmpty())
                        return;
                    const double tomada = j < cantidades.size() ? Numeros::NumeroInicial(cantidades[j]) : 0;
                    g.setTextMatrix(fila, ColStock,
                                    Numeros::TextoPlano(Numeros::NumeroInicial(g.TextMatrix(fila, ColStock)) - tomada));
                }))
                return;
        }
    }
    if (Lotes.isEmpty()) {
        p.paso([&] {
            for (int f = 1; f < g.Rows(); ++f)
                g.setTextMatrix(f, ColCantidad, QStringLiteral("0"));
        });
        p.paso([this] { DistribuyeCantidad(); });
    }
}

void FrmCargaLotesySeries::CompletaCantidades()
{
    Grilla& g = MSFlexGrid1;
    double resto = Cantidad;
    for (int f = 1; f < g.Rows() && resto > GrillaCantidades::Tolerancia; ++f) {
        const double saldo = ModGlobal::gUtilidades->TextoADoble(g.TextMatrix(f, ColStock));
        double q = std::min(std::max(saldo, 0.0), resto);
        if (q == 0 && resto > 0)
            q = resto;
        resto -= q;
        g.setTextMatrix(f, ColCantidad, Numeros::TextoPlano(q));
    }
}
