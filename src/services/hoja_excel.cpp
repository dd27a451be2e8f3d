#include "services/hoja_excel.h"

#include "platform/falla.h"
#include "platform/fechas.h"
#include "platform/numeros.h"

#include <QLocale>
#include <QRegularExpression>
#include <QVarLengthArray>
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>

namespace Hoja {

namespace {

const QDate origenSerie(1899, 12, 30);
// The first day the spreadsheet keeps as a date; an earlier one stays the text typed.
const QDate primerDia(1900, 1, 1);
constexpr double ultimoSerie = 2958466.0;  // 1 Jan 10000

bool esDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The spreadsheet counts a 29 February 1900, so its first 60 days sit one day late.
QString textoFecha(qint64 serie)
{
    if (serie == 0)
        return QStringLiteral("00/01/1900");
    if (serie == 60)
        return QStringLiteral("29/02/1900");
    const QDate dia = serie < 60 ? QDate(1899, 12, 31).addDays(serie) : origenSerie.addDays(serie);
    return dia.toString(QStringLiteral("dd/MM/yyyy"));
}

QString textoGeneral(double v)
{
    if (v == std::floor(v) && std::fabs(v) < 1e11)
        return QString::number(static_cast<qlonglong>(v));
    QString s = QString::number(v, 'g', 10);
    s.replace(QStringLiteral("."), QLocale().decimalPoint());
    s.replace(u'e', u'E');
    return s;
}

}  // namespace

QString TextoFormato(FormatoNumero formato)
{
    switch (formato) {
    case FormatoNumero::Importe: return QStringLiteral("#,##0.00");
    case FormatoNumero::Fecha: return QStringLiteral("dd/mm/yyyy");
    case FormatoNumero::General: break;
    }
    return QStringLiteral("General");
}

std::optional<double> LeeNumero(QStringView texto)
{
    const QStringView t = texto.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    const QStringView cuerpo = t.mid(i);
    if (cuerpo.isEmpty())
        return std::nullopt;
    if (cuerpo.size() > 1 && cuerpo[0] == u'0' && esDigito(cuerpo[1]))
        return std::nullopt;  // a code such as "00123"

    // Thousands by one sign (the first), in groups of three after a first of
    // one to three digits, and at most one decimal sign (the other) at the end.
    qsizetype signos = 0;
    QChar miles, ultimo;
    for (const QChar c : cuerpo) {
        if (esDigito(c))
            continue;
        if (c != u'.' && c != u',')
            return std::nullopt;
        if (signos++ == 0)
            miles = c;
        ultimo = c;
    }
    if (!esDigito(cuerpo.back()))
        return std::nullopt;
    if (signos > 1) {
        const qsizetype ultimoMiles = ultimo == miles ? signos : signos - 1;
        qsizetype grupo = 0, largo = 0;
        for (const QChar c : cuerpo) {
            if (esDigito(c)) {
                ++largo;
                continue;
            }
            if (grupo < ultimoMiles && c != miles)
                return std::nullopt;
            if (grupo == 0 ? largo < 1 || largo > 3 : grupo <= ultimoMiles && largo != 3)
                return std::nullopt;
            ++grupo;
            largo = 0;
        }
        if (signos <= ultimoMiles && largo != 3)
            return std::nullopt;
    }
    const auto canonico = Numeros::Canonico(t);
    if (!canonico)
        return std::nullopt;
    // The canonical form is sign, digits and point only: read as such, the
    // double is the nearest to it, as QString's reading gives it, for a
    // fraction of the cost; anything out of range takes QString's reading.
    QVarLengthArray<char, 64> cifras(canonico->size());
    for (qsizetype i = 0; i < canonico->size(); ++i)
        cifras[i] = static_cast<char>(canonico->at(i).unicode());
    double v = 0;
    if (const auto r = std::from_chars(cifras.begin(), cifras.end(), v); r.ec == std::errc() && r.ptr == cifras.end())
        return v;
    bool ok = false;
    v = canonico->toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<QDateTime> LeeFecha(QStringView texto)
{
    // Every date starts with a digit, has "/" or "-" in it and holds nothing
    // but digits, separators and blanks: most texts (codes such as "003-MARCA"
    // among them) are turned away here, before any pattern is tried.
    const QStringView recortado = texto.trimmed();
    if (recortado.isEmpty() || !esDigito(recortado[0]) || (!recortado.contains(u'/') && !recortado.contains(u'-')))
        return std::nullopt;
    for (const QChar c : recortado)
        if (!c.isDigit() && !c.isSpace() && c != u'/' && c != u'-' && c != u':' && c != u'.' && c != u'T')
            return std::nullopt;
    // Year first with "/" is what the export itself writes for a date; read it
    // as the same date day first.
    static const QRegularExpression anioPrimero(QStringLiteral(R"(^(\d{4})/(\d{1,2})/(\d{1,2})(\s.*)?$)"));
    QString t = recortado.toString();
    if (const auto m = anioPrimero.match(t); m.hasMatch())
        t = m.captured(3) + u'/' + m.captured(2) + u'/' + m.captured(1) + m.captured(4);
    // Only the date and the time on the clock count: no time zone is consulted.
    return Fechas::Lee(t, Qt::UTC);  // a time alone never gets this far
}

double NumeroDeSerie(const QDateTime& fecha)
{
    // Before its 29 February 1900 the spreadsheet counts from 31 December 1899.
    const QDate dia = fecha.date();
    const QDate origen = dia < QDate(1900, 3, 1) ? QDate(1899, 12, 31) : origenSerie;
    return static_cast<double>(origen.daysTo(dia)) + fecha.time().msecsSinceStartOfDay() / 86400000.0;
}

Valor LeeValor(const QString& texto)
{
    Valor v;
    if (texto.isEmpty())
        return v;
    if (const auto n = LeeNumero(texto)) {
        v.tipo = Valor::Tipo::Numero;
        v.numero = *n;
    } else if (const auto f = LeeFecha(texto); f && f->date() >= primerDia) {
        v.tipo = Valor::Tipo::Numero;
        v.numero = NumeroDeSerie(*f);
        v.esFecha = true;
    } else {
        v.tipo = Valor::Tipo::Texto;
        v.texto = texto;
    }
    return v;
}

QString TextoMostrado(const Valor& valor, FormatoNumero formato)
{
    switch (valor.tipo) {
    case Valor::Tipo::Vacio: return QString();
    case Valor::Tipo::Texto: return valor.texto;
    case Valor::Tipo::Numero: break;
    }
    switch (formato) {
    case FormatoNumero::Importe: return QLocale().toString(valor.numero, 'f', 2);
    case FormatoNumero::Fecha:
        if (valor.numero < 0 || valor.numero >= ultimoSerie)
            return QString(10, u'#');
        return textoFecha(static_cast<qint64>(std::floor(valor.numero)));
    case FormatoNumero::General: break;
    }
    return textoGeneral(valor.numero);
}

double AnchoAjustado(qsizetype caracteres)
{
    // Calibri 11: about 1.1 digit widths per character, and the cell's margins.
    const double ancho = 1.1 * static_cast<double>(caracteres) + 0.71;
    return std::min(255.0, std::round(ancho * 100.0) / 100.0);
}

void Rehusa()
{
    throw Falla(1004, QStringLiteral("Error definido por la aplicación o el objeto"), QStringLiteral("Excel"));
}

std::uint32_t ColorDePaleta(int indice)
{
    static constexpr std::uint32_t paleta[56] = {
        0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
        0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
        0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
        0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
        0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
        0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
        0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
    };
    if (indice < 1 || indice > 56)
        return 0xFFFFFF;
    return paleta[indice - 1];
}

}  // namespace Hoja

using namespace Hoja;

// Shown lengths of a value under each number format.
std::array<qsizetype, CantidadFormatos> HojaExcel::Largos(const Valor& v)
{
    std::array<qsizetype, CantidadFormatos> r{};
    if (v.tipo == Valor::Tipo::Texto) {
        r.fill(v.texto.size());
    } else if (v.tipo == Valor::Tipo::Numero) {
        // By the number's bits: -0 and 0 show differently.
        const auto bits = std::bit_cast<std::uint64_t>(v.numero);
        if (const auto l = largosNumeros_.find(bits); l != largosNumeros_.end())
            return l->second;
        for (int f = 0; f < CantidadFormatos; ++f)
            r[f] = TextoMostrado(v, static_cast<FormatoNumero>(f)).size();
        if (largosNumeros_.size() < 8192)
            largosNumeros_.emplace(bits, r);
    }
    return r;
}

namespace {

// Where a column's cell is, or would go, in a row kept in column order.
template <class Celdas>
auto lugar(Celdas& celdas, int columna)
{
    return std::lower_bound(celdas.begin(), celdas.end(), columna, [](const auto& e, int c) { return e.first < c; });
}

}  // namespace

HojaExcel::Pendiente* HojaExcel::BuscaPendiente(int columna)
{
    const auto p = lugar(pendientes_, columna);
    return p != pendientes_.end() && p->first == columna ? &p->second : nullptr;
}

void HojaExcel::ValidaColumna(int columna)
{
    if (columna < 1 || columna > MaximoColumnas)
        Rehusa();
}

void HojaExcel::IrAFila(int fila)
{
    if (terminada_ || fila < 1 || fila > MaximoFilas || fila < fila_)
        Rehusa();
    if (fila > fila_) {
        CierraFila();
        fila_ = fila;
    }
}

HojaExcel::EstadoColumna& HojaExcel::Estado(int columna)
{
    const auto i = static_cast<size_t>(columna);  // a valid column: 1 or more
    if (i >= estados_.size())
        estados_.resize(i + 1, nullptr);
    if (!estados_[i])
        estados_[i] = &columnas_[columna];
    return *estados_[i];
}

HojaExcel::Pendiente& HojaExcel::CeldaPendiente(int fila, int columna)
{
    ValidaColumna(columna);
    IrAFila(fila);
    Estado(columna);
    if (pendientes_.empty() || pendientes_.back().first < columna)
        return pendientes_.emplace_back(columna, Pendiente{}).second;
    const auto donde = lugar(pendientes_, columna);   // not the end: the last column is not before it
    if (donde->first == columna)
        return donde->second;
    return pendientes_.emplace(donde, columna, Pendiente{})->second;
}

bool HojaExcel::RigePropio(const Pendiente& p, const Columna& c) const
{
    return p.formatoPropio && p.cuando > c.ultimoFormato;
}

FormatoNumero HojaExcel::FormatoVigente(const Pendiente& p, const Columna& c) const
{
    return RigePropio(p, c) ? p.estilo.formato : c.formato;
}

void HojaExcel::TamanoFuente(double puntos)
{
    if (puntos < 1 || puntos > 409)
        Rehusa();
    tamanoFuente_ = puntos;
}

template <class Cambio>
void HojaExcel::EnRango(int fila, int desde, int hasta, Cambio cambio)
{
    ValidaColumna(desde);
    ValidaColumna(hasta);
    for (int c = std::min(desde, hasta); c <= std::max(desde, hasta); ++c)
        cambio(CeldaPendiente(fila, c).estilo);
}

void HojaExcel::Bordes(int fila, int desde, int hasta)
{
    EnRango(fila, desde, hasta, [](Estilo& e) { e.bordes = true; });
}

void HojaExcel::ColorInterior(int fila, int columna, int indice)
{
    if (indice < 1 || indice > 56)
        Rehusa();
    CeldaPendiente(fila, columna).estilo.colorInterior = indice;
}

void HojaExcel::ColorFuente(int fila, int desde, int hasta, std::uint32_t color)
{
    EnRango(fila, desde, hasta, [color](Estilo& e) { e.colorFuente = color & 0xFFFFFF; });
}

void HojaExcel::Negrita(int fila, int desde, int hasta, bool negrita)
{
    EnRango(fila, desde, hasta, [negrita](Estilo& e) { e.negrita = negrita; });
}

void HojaExcel::Asigna(int fila, int columna, const QString& texto)
{
    Asigna(fila, columna, LeeValor(texto));
}

void HojaExcel::Asigna(int fila, int columna, Valor valor)
{
    Pendiente& p = CeldaPendiente(fila, columna);
    // A date typed into a cell of no particular format takes a date format.
    if (valor.esFecha && FormatoVigente(p, Estado(columna).columna) == FormatoNumero::General) {
        p.estilo.formato = FormatoNumero::Fecha;
        p.formatoPropio = true;
        p.cuando = ++reloj_;
    }
    p.valor = std::move(valor);
}

void HojaExcel::FormatoCelda(int fila, int columna, FormatoNumero formato)
{
    Pendiente& p = CeldaPendiente(fila, columna);
    p.estilo.formato = formato;
    p.formatoPropio = true;
    p.cuando = ++reloj_;
}

void HojaExcel::SeleccionaColumna(int columna)
{
    ValidaColumna(columna);
    seleccionColumna_ = true;
    seleccion_ = columna;
}

void HojaExcel::FormatoSeleccion(FormatoNumero formato)
{
    if (seleccionColumna_)
        FormatoColumna(seleccion_, formato);
    else
        FormatoCelda(1, 1, formato);
}

void HojaExcel::FormatoColumna(int columna, FormatoNumero formato)
{
    ValidaColumna(columna);
    if (terminada_)
        Rehusa();
    EstadoColumna& e = Estado(columna);
    e.columna.formato = formato;
    e.columna.ultimoFormato = ++reloj_;
    // The cells that kept their own format now follow the column's.
    for (int f = 0; f < CantidadFormatos; ++f)
        e.medidas.siguen[f] = std::max(e.medidas.siguen[f], e.medidas.propias[f]);
    e.medidas.propias.fill(0);
    e.medidas.propiasComoEstan = 0;
}

void HojaExcel::AutoAjusta()
{
    if (terminada_)
        Rehusa();
    if (plan_)
        return;  // the widths are the plan's
    for (auto& [numero, e] : columnas_) {
        if (e.columna.ancho && *e.columna.ancho == 0)
            continue;
        qsizetype mayor = std::max(e.medidas.siguen[static_cast<int>(e.columna.formato)], e.medidas.propiasComoEstan);
        if (const Pendiente* p = BuscaPendiente(numero))
            mayor = std::max(mayor, TextoMostrado(p->valor, FormatoVigente(*p, e.columna)).size());
        if (mayor > 0)
            e.columna.ancho = AnchoAjustado(mayor);
    }
}

void HojaExcel::AnchoColumna(int columna, double ancho)
{
    ValidaColumna(columna);
    if (terminada_ || !(ancho >= 0 && ancho <= 255))
        Rehusa();
    Estado(columna).columna.ancho = ancho;
}

void HojaExcel::Horizontal()
{
    if (terminada_)
        Rehusa();
    horizontal_ = true;
}

void HojaExcel::CierraFila()
{
    if (pendientes_.empty())
        return;
    ultimaFila_ = fila_;
    ultimaColumna_ = std::max(ultimaColumna_, pendientes_.back().first);
    if (!plan_) {
        for (const auto& [numero, p] : pendientes_) {
            if (p.valor.tipo == Valor::Tipo::Vacio)
                continue;
            EstadoColumna& e = Estado(numero);
            Medidas& m = e.medidas;
            const auto l = Largos(p.valor);
            if (RigePropio(p, e.columna)) {
                for (int f = 0; f < CantidadFormatos; ++f)
                    m.propias[f] = std::max(m.propias[f], l[f]);
                m.propiasComoEstan = std::max(m.propiasComoEstan, l[static_cast<int>(p.estilo.formato)]);
            } else {
                for (int f = 0; f < CantidadFormatos; ++f)
                    m.siguen[f] = std::max(m.siguen[f], l[f]);
            }
        }
    } else if (destino_) {
        Fila& fila = salida_;
        fila.numero = fila_;
        fila.celdas.clear();
        if (alFinal_.empty())
            for (const auto& [numero, c] : plan_->columnas) {
                alFinal_.resize(std::max(alFinal_.size(), static_cast<size_t>(numero) + 1), nullptr);
                alFinal_[static_cast<size_t>(numero)] = &c;
            }
        static const Columna sinPlan;
        for (auto& [numero, p] : pendientes_) {
            const auto i = static_cast<size_t>(numero);
            const Columna& alFinal = i < alFinal_.size() && alFinal_[i] ? *alFinal_[i] : sinPlan;
            p.estilo.formato = FormatoVigente(p, alFinal);
            if (p.valor.tipo == Valor::Tipo::Vacio && !p.estilo.TieneAtributos() && p.estilo.formato == alFinal.formato)
                continue;  // nothing the column does not already say
            fila.celdas.push_back({numero, std::move(p.valor), p.estilo});
        }
        if (!fila.celdas.empty())
            destino_->Escribe(fila);
    }
    pendientes_.clear();
}

void HojaExcel::Termina()
{
    if (terminada_)
        return;
    CierraFila();
    terminada_ = true;
}

Plan HojaExcel::Plan() const
{
    Hoja::Plan r;
    for (const auto& [numero, e] : columnas_)
        r.columnas[numero] = e.columna;
    r.tamanoFuente = tamanoFuente_;
    r.horizontal = horizontal_;
    r.ultimaColumna = std::max(ultimaColumna_, pendientes_.empty() ? 0 : pendientes_.back().first);
    r.ultimaFila = pendientes_.empty() ? ultimaFila_ : fila_;
    return r;
}
