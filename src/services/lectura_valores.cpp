#include "services/lectura_valores.h"

#include "session/ModGlobal.h"

#include "platform/fechas.h"
#include "platform/numeros.h"
#include "platform/recorte.h"

#include <QRegularExpression>
#include <cmath>

namespace LecturaValores {

GestorError GestorSesion()
{
    return [](const Falla& f, const QString& procedimiento) {
        return ModGlobal::gSesionBD->GestionaError(f, procedimiento);
    };
}

QString Texto(const QVariant& valor)
{
    return ModGlobal::gUtilidades->ValorNoNuloTexto(valor);
}

double Val(const QVariant& valor)
{
    return Numeros::NumeroInicial(Texto(valor));
}

bool EsNumero(const QVariant& valor)
{
    switch (valor.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

double Numero(const QVariant& valor)
{
    return EsNumero(valor) ? valor.toDouble() : ModGlobal::gUtilidades->TextoADoble(Texto(valor));
}

Moneda Importe(const QVariant& valor)
{
    return EsNumero(valor) ? Moneda::DesdeDoble(valor.toDouble()) : ModGlobal::gUtilidades->TextoAMoneda(Texto(valor));
}

QString Ceros(const QVariant& valor, int digitos)
{
    const QString texto = Recorta(Texto(valor));
    double numero = 0;
    if (!texto.isEmpty()) {
        const auto canonico = Numeros::Canonico(texto);
        if (!canonico)
            return Texto(valor);
        numero = canonico->toDouble();
    }
    const long long entero = std::llround(numero);
    const QString cifras = QString::number(entero < 0 ? -entero : entero).rightJustified(digitos, u'0');
    return entero < 0 ? u'-' + cifras : cifras;
}

QString Codigo4(const QString& codigo)
{
    return ModGlobal::gUtilidades->AjustaAncho(Recorta(codigo), 4);
}

QString Literal(const QString& texto)
{
    return ModGlobal::gSesionBD->ValorSQL(texto, QStringLiteral("'"));
}

QString Entero(const QString& numero)
{
    static const QRegularExpression entero(QStringLiteral("^\\s*[-+]?\\d+\\s*$"));
    if (!entero.match(numero).hasMatch())
        throw Falla(Falla::TiposNoCoinciden, QStringLiteral("No coinciden los tipos"), OrigenPrograma());
    return numero;
}

namespace {
// The whole digits of the suite's DECIMAL(18,4) columns.
constexpr int CifrasEnteras = 14;

[[noreturn]] void desborda()
{
    throw Falla(Falla::Desbordamiento, QStringLiteral("Desbordamiento"), OrigenPrograma());
}
}  // namespace

QString LiteralImporte(const Moneda& importe)
{
    return LiteralDecimal(importe.Texto());
}

QString LiteralDecimal(const QString& numero)
{
    const QString literal = ModGlobal::gSesionBD->ValorSQL(numero, QStringLiteral("@"));
    // The literal is the number's plain form: sign, whole part without leading zeros, fraction.
    qsizetype entero = literal.indexOf(u'.');
    if (entero < 0)
        entero = literal.size();
    if (entero - (literal.startsWith(u'-') ? 1 : 0) > CifrasEnteras)
        desborda();
    return literal;
}

QString NumeroONulo(const QString& texto)
{
    return Numeros::Canonico(Recorta(texto)).value_or(QStringLiteral("NULL"));
}

bool MismoCodigo(const QString& a, const QString& b)
{
    return Recorta(a).compare(Recorta(b), Qt::CaseInsensitive) == 0;
}

bool EsTipo(const QString& tc, std::initializer_list<const char*> tipos)
{
    QStringList lista;
    for (const char* t : tipos)
        lista << QString::fromLatin1(t);
    return ModGlobal::gUtilidades->ExisteEnArreglo(tc, lista);
}

bool Vencido(const QString& fecha, const QVariant& vence)
{
    const QString textoVence = Recorta(Texto(vence));
    if (fecha.isEmpty() || textoVence.isEmpty())
        return false;
    const auto f = Fechas::Lee(fecha);
    const auto v =
        vence.metaType().id() == QMetaType::QDateTime ? std::optional(vence.toDateTime()) : Fechas::Lee(textoVence);
    if (f && v)
        return f->date() > v->date();
    return fecha > textoVence;
}

}  // namespace LecturaValores
