#include "platform/utilidades_comunes.h"
#include "platform/recorte.h"

#include "platform/avisos.h"
#include "platform/numeros.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QWidget>

QVariant UtilidadesComunes::ValorNoNulo(const QVariant& valor) const
{
    if (!valor.isValid() || valor.isNull())
        return QVariant(QString());
    return valor;
}

QString UtilidadesComunes::ValorNoNuloTexto(const QVariant& valor) const
{
    // A number field reads as Basic writes it: 1000000, not the double's
    // shortest text 1e+06, which no number reader takes back.
    const int tipo = valor.metaType().id();
    if ((tipo == QMetaType::Double || tipo == QMetaType::Float) && !valor.isNull())
        return Numeros::TextoPlano(valor.toDouble());
    // A date-time reads as its clock, as a local one always did: one that
    // keeps an offset of its own would carry it ("-03:00"), and no date
    // reader takes it back.
    if (tipo == QMetaType::QDateTime && !valor.isNull())
        return valor.toDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
    return ValorNoNulo(valor).toString();
}

Moneda UtilidadesComunes::TextoAMoneda(const QString& texto) const
{
    return Moneda::DesdeTexto(texto).value_or(Moneda());
}

double UtilidadesComunes::TextoADoble(const QString& texto) const
{
    const auto c = Numeros::Canonico(texto);
    if (!c)
        return 0.0;
    bool ok = false;
    const double v = c->toDouble(&ok);
    return ok ? v : 0.0;
}

QString UtilidadesComunes::AjustaAncho(const QString& texto, int ancho) const
{
    if (texto.size() >= ancho)
        return texto;
    return texto + QString(ancho - texto.size(), u' ');
}

QString UtilidadesComunes::AlineaDerecha(const QString& texto, int ancho) const
{
    if (texto.size() >= ancho)
        return texto;
    return QString(ancho - texto.size(), u' ') + texto;
}

QString UtilidadesComunes::CortaTexto(const QString& texto, int largo) const
{
    return largo < 0 ? texto : texto.left(largo);
}

QString UtilidadesComunes::QuitaCaracteres(const QString& texto, const QString& c1, const QString& c2,
                                           const QString& c3) const
{
    QString r = texto;
    for (const QString* c : {&c1, &c2, &c3})
        if (!c->isEmpty())
            r.remove(*c);
    return r;
}

QString UtilidadesComunes::ReemplazaTexto(const QString& texto, const QString& que, const QString& porQue) const
{
    if (que.isEmpty())
        return texto;
    QString r = texto;
    return r.replace(que, porQue);
}

int UtilidadesComunes::CuentaPalabras(const QString& texto) const
{
    static const QRegularExpression blancos(QStringLiteral("\\s+"));
    return static_cast<int>(texto.split(blancos, Qt::SkipEmptyParts).size());
}

bool UtilidadesComunes::ExisteEnArreglo(const QString& valor, const QStringList& lista) const
{
    const QString v = Recorta(valor);
    for (const QString& e : lista)
        if (Recorta(e).compare(v, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString UtilidadesComunes::NormalizaRuta(const QString& carpeta) const
{
    QString r = carpeta.trimmed();
    r.replace(u'\\', u'/');
    if (r.isEmpty())
        return r;
    if (!r.endsWith(u'/'))
        r += u'/';
    return r;
}

namespace {
constexpr char16_t claveCodigo[] = u"Orvandis";
constexpr int largoClave = 8;
}  // namespace

QString UtilidadesComunes::CodificaTexto(const QString& texto) const
{
    // Four hex digits a character, each mixed with a rolling key; never holds "|".
    QString r = QStringLiteral("~");
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto[i].unicode() ^ claveCodigo[i % largoClave] ^ static_cast<char16_t>(i * 31);
        r += QStringLiteral("%1").arg(static_cast<unsigned>(c), 4, 16, QChar(u'0')).toUpper();
    }
    return r;
}

QString UtilidadesComunes::DecodificaTexto(const QString& texto) const
{
    if (!texto.startsWith(u'~') || (texto.size() - 1) % 4 != 0)
        return texto;
    QString r;
    for (qsizetype i = 1, n = 0; i < texto.size(); i += 4, ++n) {
        bool ok = false;
        const unsigned v = texto.mid(i, 4).toUInt(&ok, 16);
        if (!ok)
            return texto;
        r += QChar(static_cast<char16_t>(v ^ claveCodigo[n % largoClave] ^ static_cast<char16_t>(n * 31)));
    }
    return r;
}

namespace {
QString claveFormulario(const QWidget* f)
{
    return QStringLiteral("Formularios/") + (f->objectName().isEmpty() ? QStringLiteral("SinNombre") : f->objectName());
}
}  // namespace

void UtilidadesComunes::InicializaFormulario(QWidget* formulario, int) const
{
    if (!formulario)
        return;
    QSettings s;
    const QByteArray g = s.value(claveFormulario(formulario) + QStringLiteral("/geometria")).toByteArray();
    const bool restaurada = !g.isEmpty() && formulario->restoreGeometry(g);
    const QScreen* pantalla = formulario->screen();
    if (!pantalla)
        return;
    // A placement kept on a larger screen is brought back inside this one.
    const QRect disponible = pantalla->availableGeometry();
    if (restaurada && disponible.contains(formulario->frameGeometry()))
        return;
    formulario->resize(formulario->size().boundedTo(disponible.size()).expandedTo(formulario->minimumSize()));
    QRect r = formulario->frameGeometry();
    r.moveCenter(disponible.center());
    formulario->move(r.topLeft().x() < disponible.left() ? disponible.left() : r.topLeft().x(),
                     r.topLeft().y() < disponible.top() ? disponible.top() : r.topLeft().y());
}

void UtilidadesComunes::GuardaFormulario(QWidget* formulario, const QString&) const
{
    if (!formulario)
        return;
    QSettings s;
    s.setValue(claveFormulario(formulario) + QStringLiteral("/geometria"), formulario->saveGeometry());
}

QString UtilidadesComunes::ObtieneTCSistema(const QString& tc) const
{
    return Recorta(tc).toUpper();
}

QString UtilidadesComunes::TransformaClave(const QString& texto) const
{
    return AjustaAncho(Recorta(texto), 25);
}

QString TextoDeFalla(const Falla& falla)
{
    return QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(falla.Numero) + QStringLiteral(") ") +
           Recorta(falla.Descripcion);
}

int UtilidadesComunes::GestionaError(const Falla& falla, const QString& procedimiento) const
{
    QString titulo = falla.Origen;
    if (!procedimiento.isEmpty())
        titulo += QStringLiteral(" - ") + procedimiento;
    return MsgBox(TextoDeFalla(falla), Avisos::AbortarReintentarIgnorar | Avisos::Critico, titulo);
}

QString NombrePropio(const QString& texto)
{
    QString r = texto.toLower();
    bool inicio = true;
    for (qsizetype i = 0; i < r.size(); ++i) {
        if (r[i].isSpace()) {
            inicio = true;
        } else if (inicio) {
            r[i] = r[i].toUpper();
            inicio = false;
        }
    }
    return r;
}
