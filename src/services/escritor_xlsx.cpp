#include "services/escritor_xlsx.h"

#include <QFile>
#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdio>
#include <locale.h>
#include <xlsxwriter.h>

using namespace Hoja;

namespace {

constexpr qsizetype maximoTexto = 32767;  // characters a cell can hold

// Whether "_xHHHH_" starts at position i: a reader takes it for the
// character of that code.
bool escapeEn(QStringView t, qsizetype i)
{
    if (i + 7 > t.size() || t[i] != u'_' || t[i + 1] != u'x' || t[i + 6] != u'_')
        return false;
    for (qsizetype k = i + 2; k < i + 6; ++k)
        if (!isxdigit(t[k].unicode() < 0x80 ? t[k].unicode() : 0))
            return false;
    return true;
}

bool conEscapeXlsx(QStringView t)
{
    for (qsizetype i = t.indexOf(u'_'); i >= 0; i = t.indexOf(u'_', i + 1))
        if (escapeEn(t, i))
            return true;
    return false;
}

// What the character at i is written as, when it cannot go as it is.
const char* escapeDe(QStringView t, qsizetype i)
{
    switch (t[i].unicode()) {
    case 0xFFFE: return "_xFFFE_";
    case 0xFFFF: return "_xFFFF_";
    case 0: return "_x0000_";
    default: return escapeEn(t, i) ? "_x005F_" : nullptr;
    }
}

// The text as the spreadsheet writes it: a "_" that opens "_xHHHH_" as
// "_x005F_", U+FFFE and U+FFFF, which no XML file may hold (the whole sheet
// would be unreadable), as "_xFFFE_" and "_xFFFF_", and a NUL, which would end
// the text where the library takes it, as "_x0000_". The library counts the
// escapes towards what a cell holds: the text is cut where the next would not fit.
QString escapadoXlsx(QStringView t)
{
    QString r;
    r.reserve(t.size() + 14);
    qsizetype caracteres = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char* escape = escapeDe(t, i);
        const bool par = t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate();
        caracteres += escape ? 7 : 1;
        if (caracteres > maximoTexto)
            break;
        if (escape)
            r += QLatin1StringView(escape);
        else
            r += t.mid(i, par ? 2 : 1);
        if (par)
            ++i;
    }
    return r;
}

// As much of the text as a cell holds, without splitting a character in two.
QStringView cortado(QStringView t)
{
    if (t.size() <= maximoTexto)
        return t;
    return t.left(t[maximoTexto].isLowSurrogate() && t[maximoTexto - 1].isHighSurrogate() ? maximoTexto - 1 : maximoTexto);
}

// In Spanish, as the operator reads everything else; the library's own words
// follow in brackets for whoever looks into it.
QString textoDeError(lxw_error e)
{
    const char* texto = "la biblioteca de hojas de cálculo no pudo escribir el libro";
    switch (e) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED: texto = "memoria insuficiente"; break;
    case LXW_ERROR_CREATING_XLSX_FILE:
        texto = "no se pudo crear el archivo; suele faltar permiso para escribir en la carpeta";
        break;
    case LXW_ERROR_CREATING_TMPFILE: texto = "no se pudo crear un archivo de trabajo en la carpeta temporal"; break;
    case LXW_ERROR_READING_TMPFILE: texto = "no se pudo leer un archivo de trabajo de la carpeta temporal"; break;
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_PARAMETER_ERROR:
    case LXW_ERROR_ZIP_BAD_ZIP_FILE:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        texto = "no se pudo escribir el archivo comprimido del libro; el disco puede estar lleno";
        break;
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED: texto = "el texto pasa del largo que admite una celda"; break;
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE: texto = "la fila o la columna pasa del límite de la hoja"; break;
    default: break;
    }
    return QStringLiteral("%1 [%2]").arg(QString::fromUtf8(texto), QString::fromUtf8(lxw_strerror(e)));
}

// The library writes the workbook's numbers (widths, margins, values) with
// the C library's printf, which follows the numeric locale: a Spanish one
// gives "0,7" and a file no reader takes. Its calls run in the "C" locale on
// this thread, whatever the process's.
class EnLocaleC {
public:
    EnLocaleC() : anterior_(uselocale(localeC())) {}
    ~EnLocaleC() { uselocale(anterior_); }
    EnLocaleC(const EnLocaleC&) = delete;
    EnLocaleC& operator=(const EnLocaleC&) = delete;

private:
    static locale_t localeC()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return c;
    }
    locale_t anterior_;
};

}  // namespace

EscritorXlsx::EscritorXlsx(QString ruta) : ruta_(std::move(ruta)) {}

EscritorXlsx::~EscritorXlsx()
{
    if (!cerrado_)
        Cierra();
}

void EscritorXlsx::Anota(const QString& falla)
{
    if (falla_.isEmpty())
        falla_ = falla;
}

void EscritorXlsx::Libro(int hojas, const Plan& plan)
{
    if (libro_ || cerrado_) {
        Anota(QStringLiteral("el libro ya estaba creado"));
        return;
    }
    const EnLocaleC enLocaleC;
    lxw_workbook_options opciones{};
    opciones.constant_memory = LXW_TRUE;
    const QByteArray nombre = QFile::encodeName(ruta_);
    libro_ = workbook_new_opt(nombre.constData(), &opciones);
    if (!libro_) {
        Anota(QStringLiteral("no se pudo crear el archivo"));
        return;
    }
    tamanoFuente_ = plan.tamanoFuente;
    for (int i = 1; i <= std::max(1, hojas); ++i) {
        const QByteArray titulo = QStringLiteral("Hoja%1").arg(i).toUtf8();
        lxw_worksheet* h = workbook_add_worksheet(libro_, titulo.constData());
        if (!h) {
            Anota(QStringLiteral("no se pudo agregar la hoja %1").arg(i));
            continue;
        }
        if (i == 1)
            hoja_ = h;
    }
    if (!hoja_)
        return;
    for (const auto& [numero, columna] : plan.columnas) {
        if (!columna.ancho && columna.formato == FormatoNumero::General)
            continue;
        const double ancho = columna.ancho.value_or(LXW_DEF_COL_WIDTH);
        lxw_row_col_options opcionesColumna{};
        opcionesColumna.hidden = ancho == 0 ? 1 : 0;
        Estilo estilo;
        estilo.formato = columna.formato;
        lxw_format* formato = columna.formato == FormatoNumero::General ? nullptr : Formato(estilo);
        const auto c = static_cast<lxw_col_t>(numero - 1);
        const lxw_error e = worksheet_set_column_opt(hoja_, c, c, ancho, formato, &opcionesColumna);
        if (e != LXW_NO_ERROR)
            Anota(QStringLiteral("columna %1: %2").arg(numero).arg(textoDeError(e)));
    }
    if (plan.horizontal)
        worksheet_set_landscape(hoja_);
}

lxw_format* EscritorXlsx::Formato(const Estilo& estilo)
{
    if (!estilo.TieneAtributos() && estilo.formato == FormatoNumero::General && tamanoFuente_ == 11)
        return nullptr;
    const Clave clave{static_cast<int>(estilo.formato), estilo.negrita, estilo.bordes,
                      estilo.colorFuente ? static_cast<long long>(*estilo.colorFuente) : -1LL, estilo.colorInterior};
    if (const auto f = formatos_.find(clave); f != formatos_.end())
        return f->second;
    lxw_format* f = workbook_add_format(libro_);
    format_set_font_size(f, tamanoFuente_);
    if (estilo.formato != FormatoNumero::General)
        format_set_num_format(f, TextoFormato(estilo.formato).toUtf8().constData());
    if (estilo.negrita)
        format_set_bold(f);
    if (estilo.colorFuente)
        format_set_font_color(f, *estilo.colorFuente);
    if (estilo.bordes)
        format_set_border(f, LXW_BORDER_THIN);
    if (estilo.colorInterior) {
        format_set_pattern(f, LXW_PATTERN_SOLID);
        format_set_bg_color(f, ColorDePaleta(estilo.colorInterior));
    }
    formatos_.emplace(clave, f);
    return f;
}

void EscritorXlsx::Escribe(const Fila& fila)
{
    if (!hoja_)
        return;
    const EnLocaleC enLocaleC;
    const auto r = static_cast<lxw_row_t>(fila.numero - 1);
    for (const Celda& celda : fila.celdas) {
        const auto c = static_cast<lxw_col_t>(celda.columna - 1);
        lxw_format* formato = Formato(celda.estilo);
        lxw_error e = LXW_NO_ERROR;
        switch (celda.valor.tipo) {
        case Valor::Tipo::Numero:
            e = worksheet_write_number(hoja_, r, c, celda.valor.numero, formato);
            break;
        case Valor::Tipo::Texto:
            e = worksheet_write_string(hoja_, r, c, utf8(cortado(celda.valor.texto)), formato);
            break;
        case Valor::Tipo::Vacio:
            if (formato)
                e = worksheet_write_blank(hoja_, r, c, formato);
            break;
        }
        if (e != LXW_NO_ERROR)
            Anota(QStringLiteral("fila %1, columna %2: %3").arg(fila.numero).arg(celda.columna).arg(textoDeError(e)));
    }
}

const char* EscritorXlsx::utf8(QStringView texto)
{
    // One buffer for every cell: the library copies what it is given.
    utf8_.resize(size_t(texto.size()) * 3 + 1);
    // Most texts are ASCII, a byte a character; the rest from the first other one.
    char* fin = utf8_.data();
    qsizetype i = 0;
    // Only a text holding "_" can hold what reads as an escape: the others are not searched.
    bool subrayado = false;
    // A broken surrogate is written as toUtf8 writes it; the rest of what the
    // sheet's XML cannot carry as it stands, escaped.
    bool aparte = false;
    for (; i < texto.size() && texto[i].unicode() < 0x80; ++i) {
        subrayado |= texto[i] == u'_';
        aparte |= texto[i].unicode() == 0;
        *fin++ = static_cast<char>(texto[i].unicode());
    }
    const QStringView resto = texto.sliced(i);
    for (const QChar c : resto) {
        subrayado |= c == u'_';
        aparte |= c.isSurrogate() || c.unicode() >= 0xFFFE || c.unicode() == 0;
    }
    if (aparte || (subrayado && conEscapeXlsx(texto))) {
        conSustitutos_ = escapadoXlsx(texto).toUtf8();
        return conSustitutos_.constData();
    }
    if (!resto.isEmpty())
        fin = codificador_.appendToBuffer(fin, resto);
    *fin = '\0';
    return utf8_.data();
}

QString EscritorXlsx::Cierra()
{
    if (cerrado_)
        return falla_;
    cerrado_ = true;
    if (!libro_) {
        Anota(QStringLiteral("no se creó el libro"));
        return falla_;
    }
    const EnLocaleC enLocaleC;
    // Each sheet keeps its rows in a scratch file that the library closes
    // only as it reads the rows back, which it skips for a sheet without a
    // cell: the workbook's empty second sheet kept one descriptor open per
    // export. Such a file holds nothing, and nothing reads it.
    lxw_worksheet* h = nullptr;
    LXW_FOREACH_WORKSHEET(h, libro_)
        if (h->optimize_tmpfile && h->dim_rowmin == LXW_ROW_MAX) {
            std::fclose(h->optimize_tmpfile);
            h->optimize_tmpfile = nullptr;
        }
    const lxw_error e = workbook_close(libro_);
    libro_ = nullptr;
    hoja_ = nullptr;
    formatos_.clear();
    if (e != LXW_NO_ERROR)
        Anota(textoDeError(e));
    return falla_;
}
