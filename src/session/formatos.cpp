#include "session/ModGlobal.h"

#include "platform/fechas.h"
#include "platform/numeros.h"
#include "platform/recorte.h"

#include <QLocale>

#include <cmath>

namespace ModGlobal {

QList<ParTotales> gListaTotales;

bool EsVerdadero(const QString& texto, bool verdaderoPorDefecto)
{
    static const QStringList falsos{"FALSE", "FALSO", "0", "NO", "N"};
    static const QStringList verdaderos{"TRUE", "VERDADERO", "1", "SI", "S"};
    const QString t = texto.toUpper();
    return verdaderoPorDefecto ? !falsos.contains(t) : verdaderos.contains(t);
}

QString FormatoFechaHora()
{
    return QStringLiteral("dd/mm/yy hh:mm");
}

QString FormatoFecha()
{
    return QStringLiteral("dd/mm/yy");
}

QString FormatoHora()
{
    return QStringLiteral("hh:mm");
}

int DigitosMonedaRegional()
{
    // The digits the locale shows after its decimal sign in a currency amount.
    const QLocale l;
    const QString muestra = l.toCurrencyString(1.0);
    const qsizetype punto = muestra.lastIndexOf(l.decimalPoint());
    if (punto < 0)
        return muestra.contains(u'1') ? 0 : 2;
    int n = 0;
    for (qsizetype i = punto + l.decimalPoint().size(); i < muestra.size() && muestra[i].isDigit(); ++i)
        ++n;
    return n;
}

QString FmtMoneda(const QString& importe, int decimales, bool miles)
{
    if (decimales == -3)
        return importe;
    int n = decimales;
    // A 16-bit count, rounded: a setting of "2.7" gives 3 and one of eleven
    // digits fails to the caller.
    if (decimales == -1)
        n = Entero16(Numeros::NumeroInicial(gCantidadDecimales));
    if (n == 0)
        n = DigitosMonedaRegional();
    if (n == -2 || n < 0)
        n = 0;

    const Moneda valor = gUtilidades->TextoAMoneda(importe).Redondeada(n);
    const std::int64_t dm = valor.Diezmilesimos();
    const bool negativo = dm < 0;
    const unsigned long long a = negativo ? 0ULL - static_cast<unsigned long long>(dm) : static_cast<unsigned long long>(dm);
    QString entero = QString::number(a / Moneda::Escala);
    QString fraccion = QStringLiteral("%1").arg(a % Moneda::Escala, 4, 10, QChar(u'0'));
    fraccion = n <= 4 ? fraccion.left(n) : fraccion + QString(n - 4, u'0');

    const QLocale l;
    if (miles) {
        const QString grupo = l.groupSeparator();
        for (qsizetype i = entero.size() - 3; i > 0; i -= 3)
            entero.insert(i, grupo);
    }
    QString r = entero;
    if (n > 0)
        r += l.decimalPoint() + fraccion;
    if (negativo && a != 0)
        r.prepend(l.negativeSign());
    return r;
}

double ValidaHora(const QString& hora, const QString& horas, const QString& minutos, bool modoNumero)
{
    const auto partida = [](const QString& t) {
        const qsizetype p = t.indexOf(u':');
        if (p < 0)
            return Numeros::NumeroInicial(t) * 60.0;
        return Numeros::NumeroInicial(QStringView(t).left(p)) * 60.0 + Numeros::NumeroInicial(QStringView(t).mid(p + 1));
    };
    if (modoNumero)
        return partida(hora);
    if (const auto f = Fechas::Lee(hora))
        return f->time().hour() * 60.0 + f->time().minute();
    if (Recorta(hora).isEmpty()) {
        const double h = Numeros::NumeroInicial(horas);
        const double m = Numeros::NumeroInicial(minutos);
        if (h <= 0 && m <= 0)
            return 0;
        return h * 60.0 + m;
    }
    return partida(hora);
}

QString FormatoHoras(double minutos, long& horas, long& minutosResto, bool forzarDosPuntos)
{
    QString aux;
    QString separador = Cfg(QStringLiteral("SeparadorHora"), aux);
    if (forzarDosPuntos || Recorta(separador).isEmpty())
        separador = QStringLiteral(":");
    if (separador != QLatin1String(".")) {
        // Rounded half to even, as the integer division rounds it; beyond the
        // 32 bits of the hours and minutes the call fails to the caller.
        const long total = Entero32(minutos);
        horas = total / 60;
        minutosResto = total % 60;
        const auto dosDigitos = [](long v) {
            return v < 0 ? u'-' + QStringLiteral("%1").arg(-v, 2, 10, QChar(u'0')) : QStringLiteral("%1").arg(v, 2, 10, QChar(u'0'));
        };
        return dosDigitos(horas) + separador + dosDigitos(minutosResto);
    }
    // "#####.00": no digit is forced before the point, so 0 gives ".00".
    const double h = Numeros::RedondeoPar(minutos / 60.0, 2);
    QString t = QString::number(std::fabs(h), 'f', 2);
    if (t.startsWith(QLatin1String("0.")))
        t.remove(0, 1);
    if (h < 0)
        t.prepend(u'-');
    return gUtilidades->ReemplazaTexto(t, QStringLiteral(","), QStringLiteral("."));
}

long EstaEnLista(const QString& texto)
{
    const QString buscado = Recorta(texto);
    for (qsizetype i = 0; i < gListaTotales.size(); ++i) {
        const QString t =
            Recorta(gUtilidades->QuitaCaracteres(gListaTotales[i].Texto, QString(QChar(0xFF)), QString(QChar(0))));
        if (t.compare(buscado, Qt::CaseInsensitive) == 0)
            return static_cast<long>(i);
    }
    return -1;
}

void LimpiaFilaGrilla(Grilla& grilla, long fila, long primeraColumna)
{
    for (long c = primeraColumna; c <= grilla.Cols() - 1; ++c)
        grilla.setTextMatrix(static_cast<int>(fila), static_cast<int>(c), QString());
}

QString TransformaTexto(const QVariant& valor)
{
    return Recorta(
        gUtilidades->QuitaCaracteres(gUtilidades->ValorNoNuloTexto(valor), QString(QChar(0)), QString(QChar(0xFF)),
                                     QStringLiteral("\n")));
}

}  // namespace ModGlobal
