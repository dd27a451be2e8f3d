#include "lots/listas_pipe.h"

#include "platform/recorte.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include <QSet>
#include <QStringView>

namespace ListasPipe {

namespace {

constexpr QChar Separador{u'|'};

// Walks the items of a list: the text trimmed, one opening "|" dropped, then
// each item up to its "|"; reading stops when the rest is blank. Whatever is
// left when Siguiente answers false is the unclosed last item (blank when the
// list ended cleanly).
class Lector {
public:
    explicit Lector(QStringView texto) : resto_(SinBlancosAlrededor(texto))
    {
        if (resto_.startsWith(Separador))
            resto_ = resto_.mid(1);
    }

    // The whole text is trimmed, so a rest that is blank is empty.
    bool Siguiente(QStringView& item)
    {
        if (resto_.isEmpty())
            return false;
        const qsizetype p = resto_.indexOf(Separador);
        if (p < 0)
            return false;
        item = resto_.left(p);
        resto_ = resto_.mid(p + 1);
        return true;
    }

    // Once Siguiente has answered false: the unclosed last item, or empty.
    QStringView SinCerrar() const { return resto_; }

private:
    QStringView resto_;
};

// The items with an unclosed last one read as if closed, trimmed, and the spare.
QStringList Items(QStringView texto)
{
    QStringList items;
    Lector lector(texto);
    QStringView item;
    while (lector.Siguiente(item))
        items.append(Recorta(item));
    if (!lector.SinCerrar().isEmpty())
        items.append(Recorta(lector.SinCerrar()));
    items.append(QString());
    return items;
}

// A list with an unclosed last item or a bad position item: the same input
// fails the same way on every retry, so the manager hears of it once.
void InformaMalformada(const char* miembro)
{
    LecturaValores::GestorSesion()(
        Falla(Falla::LlamadaNoValida,
              QStringLiteral("Lista de lotes, series o posiciones mal formada: falta un \"|\" o un \"*\""),
              OrigenPrograma()),
        QString::fromLatin1(miembro));
}

// A member's work under the session's error manager, with the member's name.
void Atrapado(const char* miembro, const std::function<void()>& cuerpo)
{
    Procedimiento(QString::fromLatin1(miembro), LecturaValores::GestorSesion()).paso(cuerpo);
}

// Item and query trimmed; case folding keeps the length, so unequal lengths
// answer without comparing.
bool Iguales(QStringView item, QStringView buscado)
{
    item = SinBlancosAlrededor(item);
    return item.size() == buscado.size() && item.compare(buscado, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString StrSerieLote(const QString& Serie_Lote)
{
    QString resultado;
    Atrapado("StrSerieLote", [&] {
        resultado.clear();
        QSet<QString> vistos;
        Lector lector(Serie_Lote);
        QStringView item;
        while (lector.Siguiente(item)) {
            const QStringView limpio = SinBlancosAlrededor(item);
            if (limpio.isEmpty())
                continue;
            const QString clave = limpio.toString().toCaseFolded();
            if (vistos.contains(clave))
                continue;
            vistos.insert(clave);
            resultado += u' ';
            resultado += limpio;
        }
    });
    return resultado;
}

QString DescomponeSerieLote(const QString& Serie_Lote, QStringList& arreglo)
{
    arreglo = QStringList{QString()};
    Atrapado("DescomponeSerieLote", [&] { arreglo = Items(Serie_Lote); });
    return QString();
}

QString DescomponePosicionCantidadLote(const QString& Posicion_Lote, const QString& PIPELotes,
                                       QStringList& ArrPosiciones, QStringList& ArrCantidades, QStringList& ArrLote,
                                       bool Informa)
{
    ArrPosiciones = QStringList{QString()};
    ArrCantidades = QStringList{QString()};
    ArrLote = QStringList{QString()};
    bool malformada = false;
    Atrapado("DescomponePosicionCantidadLote", [&] {
        ArrPosiciones = QStringList{QString()};
        ArrCantidades = QStringList{QString()};
        malformada = false;
        if (!Posicion_Lote.contains(Separador))
            return;
        QStringList posiciones, cantidades;
        Lector lector(Posicion_Lote);
        QStringView item;
        while (lector.Siguiente(item)) {
            const QStringView limpio = SinBlancosAlrededor(item);
            const qsizetype asterisco = limpio.indexOf(u'*');
            if (asterisco < 0) {
                malformada = true;
                break;
            }
            posiciones.append(limpio.left(asterisco).toString());
            cantidades.append(limpio.mid(asterisco + 1).toString());
        }
        if (!lector.SinCerrar().isEmpty())
            malformada = true;
        posiciones.append(QString());
        cantidades.append(QString());
        ArrPosiciones = std::move(posiciones);
        ArrCantidades = std::move(cantidades);
    });
    if (malformada && Informa)
        InformaMalformada("DescomponePosicionCantidadLote");
    Atrapado("DescomponePosicionCantidadLote", [&] { ArrLote = Items(PIPELotes); });
    return QString();
}

long Cuenta_Series_Lotes(const QString& PipeSeries, const QString& PIPELotes, bool SinConsolidar)
{
    long cuenta = 0;
    Atrapado("Cuenta_Series_Lotes", [&] {
        cuenta = 0;
        QStringList series = Items(PipeSeries);
        QStringList lotes = Items(PIPELotes);
        // The serial numbers alone decide when there are any; else the lots.
        if (!SinBlancosAlrededor(PipeSeries).isEmpty())
            lotes = QStringList(series.size());
        else if (!SinBlancosAlrededor(PIPELotes).isEmpty())
            series = QStringList(lotes.size());
        if (SinConsolidar) {
            cuenta = series.size() - 1;
            return;
        }
        QSet<QString> claves;
        for (qsizetype i = 0; i < series.size(); ++i) {
            // The items are trimmed already: a key of "|" alone is blank.
            if (series[i].isEmpty() && lotes[i].isEmpty())
                continue;
            claves.insert((series[i] + Separador + lotes[i]).toCaseFolded());
        }
        cuenta = claves.size();
    });
    return cuenta;
}

QString ExtraeSerieLoteConValor(QString& Serie, QString& Lote)
{
    Lote.remove(Chr255);
    Serie.remove(Chr255);
    const QStringList valores = Items(Serie);
    const QStringList lotes = Items(Lote);
    const auto& util = *ModGlobal::gUtilidades;
    for (qsizetype i = 0; i < valores.size(); ++i) {
        if (util.TextoAMoneda(valores[i]) <= Moneda())
            continue;
        // Lists that are not parallel have no lot for that value: the caller must hear of it.
        if (i >= lotes.size())
            throw Falla(Falla::FueraDeRango, QStringLiteral("Subíndice fuera del intervalo"), OrigenPrograma());
        return lotes[i];
    }
    return QString();
}

QString ExtraeSerieLote(const QString& Serie_Lote, long QuePosicion)
{
    if (QuePosicion <= 0)
        return QString();
    Lector lector(Serie_Lote);
    QStringView item;
    long n = 0;
    while (lector.Siguiente(item)) {
        if (++n == QuePosicion)
            return item.toString();
    }
    // An unclosed last item is read as if closed: the counters count it too.
    if (!lector.SinCerrar().isEmpty() && n + 1 == QuePosicion)
        return lector.SinCerrar().toString();
    return QString();
}

QStringList PrimerosItems(const QString& Serie_Lote, long Cuantos)
{
    QStringList items;
    Lector lector(Serie_Lote);
    QStringView item;
    while (items.size() < Cuantos && lector.Siguiente(item))
        items.append(item.toString());
    if (items.size() < Cuantos && !lector.SinCerrar().isEmpty())
        items.append(lector.SinCerrar().toString());
    return items;
}

long Cantidad_Series_Lotes(const QString& Pipes)
{
    long cuenta = 0;
    if (Pipes.isEmpty())
        return 0;
    Atrapado("Cantidad_Series_Lotes", [&] { cuenta = Items(Pipes).size() - 1; });
    return cuenta;
}

QString InsertaCHR255(const QString& iPipe)
{
    QStringView resto(iPipe);
    if (resto.startsWith(Separador))
        resto = resto.mid(1);
    QString resultado(Separador);
    resultado.reserve(iPipe.size() * 2 + 1);
    for (const QChar c : resto) {
        if (c == Separador)
            resultado += Chr255;
        resultado += c;
    }
    return resultado;
}

long Busca_Lotes_Series(const QString& PipeSeriesLotes, const QString& QueSerieLote)
{
    if (!PipeSeriesLotes.contains(Separador))
        return 0;
    long encontrado = 0;
    bool malformada = false;
    Atrapado("Busca_Lotes_Series", [&] {
        encontrado = 0;
        Lector lector(PipeSeriesLotes);
        const QStringView buscado = SinBlancosAlrededor(QueSerieLote);
        QStringView item;
        long n = 0;
        while (lector.Siguiente(item)) {
            ++n;
            if (Iguales(item, buscado)) {
                encontrado = n;
                break;
            }
        }
        // The text is trimmed: it ends cleanly exactly when it ends with "|".
        const QStringView texto = SinBlancosAlrededor(PipeSeriesLotes);
        malformada = texto.size() > 1 && !texto.endsWith(Separador);
    });
    if (malformada)
        InformaMalformada("Busca_Lotes_Series");
    return encontrado;
}

}  // namespace ListasPipe
