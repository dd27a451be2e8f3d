// The positions-and-lots dialog's balances: one row per position (and lot)
// with stock of the article in the depot, the depot row for its stock without
// position, then the previous selection put back or a first proposal.
#include "lots/FrmLoteyPosicion.h"

#include "lots/listas_pipe.h"
#include "platform/db/recordset.h"
#include "platform/numeros.h"
#include "platform/recorte.h"
#include "services/Stock.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include <cmath>
#include <vector>

using LecturaValores::Literal;

namespace {

enum class Consulta { Ninguna, ConLote, SinLote };

const QString Desde = QStringLiteral(
    " FROM AC_SALDOSLAYOUT, ma_posiciones WHERE  ac_saldoslayout.iddeposito=ma_posiciones.iddeposito and "
    "ac_saldoslayout.idposicion=ma_posiciones.idposicion and  ac_saldoslayout.IDDEPOSITO=");

QString ConsultaPosiciones(Consulta consulta, const QString& deposito, const QString& articulo)
{
    const QString columnas = consulta == Consulta::ConLote
                                 ? QStringLiteral("SELECT AC_SALDOSLAYOUT.idposicion,AC_SALDOSLAYOUT.nrolote,"
                                                  "AC_SALDOSLAYOUT.idunidadbase, isnull(AC_SALDOSLAYOUT.saldo,0) as disponible")
                                 : QStringLiteral("SELECT AC_SALDOSLAYOUT.idposicion,AC_SALDOSLAYOUT.idunidadbase, "
                                                  "isnull(AC_SALDOSLAYOUT.saldo,0) as disponible");
    return columnas + Desde + Literal(deposito) + QStringLiteral(" and ac_saldoslayout.idarticulo=") + Literal(articulo) +
           QStringLiteral(" and ac_saldoslayout.saldo > 0 order by ac_saldoslayout.nrolote,ma_posiciones.ordeningreso,"
                          "ac_saldoslayout.idposicion  ");
}

QString ConsultaDeposito(const QString& deposito, const QString& articulo)
{
    return QStringLiteral("SELECT (ISNULL(SALDO,0)) AS SALDO, IDUNIDADBASE FROM AC_SALDOSLAYOUT WHERE IDDEPOSITO=") +
           Literal(deposito) + QStringLiteral(" AND IDARTICULO=") + Literal(articulo) +
           QStringLiteral(" and idposicion is null");
}

// The balance held in the stored unit, in the line's unit: unchanged for the
// same unit or without equivalence.
double EnUnidad(const QString& articulo, const QString& unidad, double saldo, const QVariant& unidadBase)
{
    QString destino = unidad;
    return Stock::ConvierteCantidadEquivalente(articulo, destino, saldo,
                                               ModGlobal::gUtilidades->AjustaAncho(LecturaValores::Texto(unidadBase), 4));
}

bool MismoTexto(const QString& a, const QString& b)
{
    return Recorta(a).compare(Recorta(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

void FrmLoteyPosicion::VerificaAnteriores()
{
    Grilla& g = MSFlexGrid1;
    const QString deposito = ModGlobal::gUtilidades->AjustaAncho(Deposito, 4);
    const QString articulo = ModGlobal::gUtilidades->AjustaAncho(Articulo, 25);

    QStringList posiciones, cantidades, lotes;
    if (EsConsultaDePosicionLote)
        ListasPipe::DescomponePosicionCantidadLote(PosicionesAnteriores, LotesAnteriores, posiciones, cantidades, lotes,
                                                   false);

    Consulta consulta = Consulta::Ninguna;
    if (EsPosicionYLote)
        consulta = Consulta::ConLote;
    else if (EsConsultaDePosicionLote || EsPosicion)
        consulta = Consulta::SinLote;

    const auto agregaFila = [&g] {
        g.setRows(g.Rows() + 1);
        return g.Rows() - 1;
    };
    if (consulta != Consulta::Ninguna) {
        Recordset rs;
        ModGlobal::gSesionBD->AbreRecordset(ConsultaPosiciones(consulta, deposito, articulo), rs);
        if (!rs.Bof()) {
            for (; !rs.Eof(); rs.MoveNext()) {
                const int fila = agregaFila();
                g.setTextMatrix(fila, ColPosicion, Recorta(LecturaValores::Texto(rs.Valor(QStringLiteral("IdPosicion")))));
                if (consulta == Consulta::ConLote)
                    g.setTextMatrix(fila, ColLote, Recorta(LecturaValores::Texto(rs.Valor(QStringLiteral("NroLote")))));
                g.setTextMatrix(fila, ColUnidad, IUNIDAD);
                const double saldo = LecturaValores::Numero(rs.Valor(QStringLiteral("disponible")));
                g.setTextMatrix(fila, ColDisponible,
                                Numeros::TextoPlano(EnUnidad(Articulo, IUNIDAD, saldo, rs.Valor(QStringLiteral("IdUnidadBase")))));
                g.setTextMatrix(fila, ColCantidad, QStringLiteral("0"));
            }
        }

        // The stock without position, summed over its lots, each in the line's unit.
        Recordset rsDeposito;
        ModGlobal::gSesionBD->AbreRecordset(ConsultaDeposito(deposito, articulo), rsDeposito);
        if (!rsDeposito.Bof() && !rsDeposito.Eof()) {
            double saldo = 0;
            for (; !rsDeposito.Eof(); rsDeposito.MoveNext())
                saldo += EnUnidad(Articulo, IUNIDAD, LecturaValores::Numero(rsDeposito.Valor(QStringLiteral("SALDO"))),
                                  rsDeposito.Valor(QStringLiteral("IDUNIDADBASE")));
            const int fila = agregaFila();
            g.setTextMatrix(fila, ColPosicion, QStringLiteral("DEPOSITO ") + Deposito);
            g.setTextMatrix(fila, ColDisponible, Numeros::TextoPlano(saldo));
            g.setTextMatrix(fila, ColCantidad, QStringLiteral("0"));
            filaDeposito_ = fila;
            g.setColWidth(ColPosicion, int(std::lround(TextWidth(QStringLiteral("   DEPOSITO ") + Deposito))));
        }
    }

    if (EsConsultaDePosicionLote) {
        // A position can have a row per lot even when lots are not asked, so an
        // item goes to the first of its rows no earlier item took; one more
        // item than rows adds to the last of them.
        std::vector<bool> puesta(size_t(g.Rows()), false);
        for (qsizetype i = 0; i + 1 < posiciones.size(); ++i) {
            const QString& posicion = posiciones[i];
            const QString cantidad = i < cantidades.size() ? cantidades[i] : QString();
            // A lots list shorter than the positions list reads its missing items as empty.
            const QString lote = i < lotes.size() ? lotes[i] : QString();
            int fila = 0;
            if (Recorta(posicion).isEmpty()) {
                // The stock without position, when the depot has a row for it.
                fila = filaDeposito_;
            } else {
                for (int j = 1; j < g.Rows(); ++j) {
                    if (j == filaDeposito_ || !MismoTexto(g.TextMatrix(j, ColPosicion), posicion))
                        continue;
                    if (EsPosicionYLote && !MismoTexto(g.TextMatrix(j, ColLote), lote))
                        continue;
                    fila = j;
                    if (!puesta[size_t(j)])
                        break;
                }
            }
            if (fila <= 0)
                continue;
            if (puesta[size_t(fila)])
                g.setTextMatrix(fila, ColCantidad,
                                Numeros::TextoPlano(Numeros::NumeroInicial(g.TextMatrix(fila, ColCantidad)) +
                                                    Numeros::NumeroInicial(cantidad)));
            else
                g.setTextMatrix(fila, ColCantidad, cantidad);
            puesta[size_t(fila)] = true;
        }
    } else if (consulta != Consulta::Ninguna) {
        DistribuyeCantidad();
    }
}
