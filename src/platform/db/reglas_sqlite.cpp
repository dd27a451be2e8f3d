#include "platform/db/reglas_sqlite.h"

#include "platform/db/tsql_sqlite.h"
#include "platform/falla.h"
#include "platform/fechas.h"
#include "platform/recorte.h"

#include <QRegularExpression>
#include <QStringList>
#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace ReglasSqlite {
using namespace Qt::Literals::StringLiterals;

namespace {

// Reads up to `max` digits; false when there are fewer than `min`.
bool digitos(QStringView s, qsizetype& i, int min, int max, int& valor)
{
    valor = 0;
    int cuenta = 0;
    while (i < s.size() && cuenta < max && s[i] >= u'0' && s[i] <= u'9') {
        valor = valor * 10 + (s[i].unicode() - u'0');
        ++i;
        ++cuenta;
    }
    return cuenta >= min;
}

struct Partes {
    int anio = 0, mes = 0, dia = 0, hora = 0, minuto = 0, segundo = 0, milesimas = 0;
};

bool leeHora(QStringView s, qsizetype& i, Partes& p)
{
    if (!digitos(s, i, 1, 2, p.hora) || i >= s.size() || s[i] != u':')
        return false;
    ++i;
    if (!digitos(s, i, 2, 2, p.minuto))
        return false;
    if (i < s.size() && s[i] == u':') {
        ++i;
        if (!digitos(s, i, 2, 2, p.segundo))
            return false;
        if (i < s.size() && s[i] == u'.') {
            ++i;
            int fraccion = 0;
            qsizetype desde = i;
            if (!digitos(s, i, 1, 3, fraccion))
                return false;
            for (qsizetype k = i - desde; k < 3; ++k)
                fraccion *= 10;
            p.milesimas = fraccion;
            while (i < s.size() && s[i] >= u'0' && s[i] <= u'9')
                ++i;
        }
    }
    return p.hora < 24 && p.minuto < 60 && p.segundo < 60;
}

std::optional<Partes> partesDeFecha(QStringView s)
{
    s = s.trimmed();
    if (s.size() < 6 || s.size() > 40)
        return std::nullopt;
    Partes p;
    qsizetype i = 0;
    int a = 0;
    const qsizetype inicio = i;
    if (!digitos(s, i, 1, 4, a) || i >= s.size())
        return std::nullopt;
    const QChar sep = s[i];
    if (i - inicio == 4) {
        if (sep != u'-' && sep != u'/')
            return std::nullopt;
        p.anio = a;
        ++i;
        if (!digitos(s, i, 1, 2, p.mes) || i >= s.size() || s[i] != sep)
            return std::nullopt;
        ++i;
        if (!digitos(s, i, 1, 2, p.dia))
            return std::nullopt;
    } else if (i - inicio <= 2) {
        if (sep != u'/' && sep != u'-' && sep != u'.')
            return std::nullopt;
        p.dia = a;
        ++i;
        if (!digitos(s, i, 1, 2, p.mes) || i >= s.size() || s[i] != sep)
            return std::nullopt;
        ++i;
        const qsizetype desdeAnio = i;
        if (!digitos(s, i, 2, 4, p.anio) || i - desdeAnio == 3)
            return std::nullopt;
        // Two-digit years as SQL Server reads them: 00-49 are 2000-2049, 50-99 are 1950-1999.
        if (i - desdeAnio == 2)
            p.anio += p.anio < 50 ? 2000 : 1900;
    } else {
        return std::nullopt;
    }
    if (i < s.size()) {
        if (s[i] != u' ' && s[i] != u'T')
            return std::nullopt;
        while (i < s.size() && (s[i] == u' ' || s[i] == u'T'))
            ++i;
        if (!leeHora(s, i, p) || i != s.size())
            return std::nullopt;
    }
    if (!QDate::isValid(p.anio, p.mes, p.dia))
        return std::nullopt;
    return p;
}

std::optional<std::int64_t> claveDeFecha(QStringView s)
{
    const auto p = partesDeFecha(s);
    if (!p)
        return std::nullopt;
    std::int64_t k = p->anio;
    for (int v : {p->mes, p->dia, p->hora, p->minuto, p->segundo})
        k = k * 100 + v;
    return k * 1000 + p->milesimas;
}

// A LIKE pattern read once into single-character matchers; "%" matches any run.
class PatronComo {
public:
    PatronComo(QStringView patron, QChar escape) : escape_(escape)
    {
        const QString p = patron.toString().toCaseFolded();
        for (qsizetype i = 0; i < p.size(); ++i) {
            const QChar c = p[i];
            if (!escape.isNull() && c == escape.toCaseFolded() && i + 1 < p.size()) {
                e_.push_back({Elemento::Letra, p[++i], {}, false});
            } else if (c == u'%') {
                e_.push_back({Elemento::Varios, {}, {}, false});
            } else if (c == u'_') {
                e_.push_back({Elemento::Uno, {}, {}, false});
            } else if (c == u'[' && p.indexOf(u']', i + 1) > i + 1) {
                const qsizetype fin = p.indexOf(u']', i + 1);
                Elemento conjunto{Elemento::Conjunto, {}, {}, false};
                qsizetype k = i + 1;
                if (p[k] == u'^' && k + 1 < fin) {
                    conjunto.niega = true;
                    ++k;
                }
                for (; k < fin; ++k) {
                    if (k + 2 < fin && p[k + 1] == u'-') {
                        conjunto.rangos += p[k];
                        conjunto.rangos += p[k + 2];
                        k += 2;
                    } else {
                        conjunto.rangos += p[k];
                        conjunto.rangos += p[k];
                    }
                }
                e_.push_back(conjunto);
                i = fin;
            } else {
                e_.push_back({Elemento::Letra, c, {}, false});
            }
        }
    }

    QChar Escape() const { return escape_; }

    bool Coincide(QStringView valor) const
    {
        const QString v = SinBlancosFinales(valor).toString().toCaseFolded();
        // Two pointers with the last "%" remembered: linear in practice.
        size_t pe = 0, estrella = SIZE_MAX;
        qsizetype pv = 0, marca = 0;
        while (pv < v.size()) {
            if (pe < e_.size() && e_[pe].tipo == Elemento::Varios) {
                estrella = pe++;
                marca = pv;
            } else if (pe < e_.size() && e_[pe].acepta(v[pv])) {
                ++pe;
                ++pv;
            } else if (estrella != SIZE_MAX) {
                pe = estrella + 1;
                pv = ++marca;
            } else {
                return false;
            }
        }
        while (pe < e_.size() && e_[pe].tipo == Elemento::Varios)
            ++pe;
        return pe == e_.size();
    }

private:
    struct Elemento {
        enum { Letra, Uno, Varios, Conjunto } tipo;
        QChar letra;
        QString rangos;   // Conjunto: first and last character of each range
        bool niega = false;

        bool acepta(QChar c) const
        {
            switch (tipo) {
            case Letra:
                return letra == c;
            case Uno:
                return true;
            case Conjunto: {
                bool dentro = false;
                for (qsizetype k = 0; k + 1 < rangos.size(); k += 2)
                    if (c >= rangos[k] && c <= rangos[k + 1])
                        dentro = true;
                return dentro != niega;
            }
            case Varios:
                break;
            }
            return false;
        }
    };
    QChar escape_;
    std::vector<Elemento> e_;
};

// ---- Text order -------------------------------------------------------------------

// The code point at i (a surrogate pair read whole); i moves past it.
char32_t codigoEn(QStringView s, qsizetype& i)
{
    const char16_t c = s[i++].unicode();
    if (QChar::isHighSurrogate(c) && i < s.size() && QChar::isLowSurrogate(s[i].unicode()))
        return QChar::surrogateToUcs4(c, s[i++].unicode());
    return c;
}

// A character's place: its letter first, then, between equal letters, its
// accent (0 for none). Weights are code points doubled, so that ñ fits after n.
struct Peso {
    char32_t letra;
    char32_t acento;
};

constexpr char32_t PrimeraLatina = 0x00C0, FinLatinas = 0x0250;   // Latin-1 and Latin Extended-A/B
constexpr char32_t PrimeraAdicional = 0x1E00, FinAdicionales = 0x1F00;   // Latin Extended Additional

// The plain ASCII letter a folded Latin letter with accents is made of, or 0.
char16_t letraBase(char32_t c)
{
    for (int vueltas = 0; vueltas < 4 && c >= 0x80; ++vueltas) {
        if (QChar::decompositionTag(c) != QChar::Canonical)
            return 0;
        c = QChar::decomposition(c).at(0).unicode();
    }
    return c >= u'a' && c <= u'z' ? char16_t(c) : 0;
}

Peso pesoDe(char32_t c)
{
    if (c < 0x80) {
        if (c >= u'A' && c <= u'Z')
            c += 32;
        return {c * 2, 0};
    }
    c = QChar::toCaseFolded(c);
    if (c == u'ñ')
        return {char32_t(u'n') * 2 + 1, 0};
    static const auto bases = [] {
        std::vector<char16_t> b(FinLatinas - PrimeraLatina + FinAdicionales - PrimeraAdicional);
        for (char32_t k = PrimeraLatina; k < FinLatinas; ++k)
            b[k - PrimeraLatina] = letraBase(k);
        for (char32_t k = PrimeraAdicional; k < FinAdicionales; ++k)
            b[FinLatinas - PrimeraLatina + k - PrimeraAdicional] = letraBase(k);
        return b;
    }();
    char16_t base = 0;
    if (c >= PrimeraLatina && c < FinLatinas)
        base = bases[c - PrimeraLatina];
    else if (c >= PrimeraAdicional && c < FinAdicionales)
        base = bases[FinLatinas - PrimeraLatina + c - PrimeraAdicional];
    if (base)
        return {char32_t(base) * 2, c};
    return {c * 2, 0};
}

// ---- SQLite callbacks --------------------------------------------------------------

// Dates and most codes are ASCII: compare them without building a QString.
bool esAscii(const unsigned char* s, int n)
{
    for (int i = 0; i < n; ++i)
        if (s[i] & 0x80)
            return false;
    return true;
}

int signo(int v)
{
    return (v > 0) - (v < 0);
}

int colacionSinCaso(void*, int na, const void* pa, int nb, const void* pb)
{
    auto a = static_cast<const unsigned char*>(pa);
    auto b = static_cast<const unsigned char*>(pb);
    // Sorts and groups compare mostly equal texts: the bytes settle those.
    if (na == nb && (na == 0 || std::memcmp(a, b, size_t(na)) == 0))
        return 0;
    while (na > 0 && a[na - 1] == ' ')
        --na;
    while (nb > 0 && b[nb - 1] == ' ')
        --nb;
    const int n = na < nb ? na : nb;
    int i = 0;
    // An equal start goes by words; the first word that differs is read byte by byte.
    for (std::uint64_t x, y; i + 8 <= n; i += 8) {
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y)
            break;
    }
    for (; i < n; ++i) {
        unsigned char ca = a[i], cb = b[i];
        if (ca == cb)
            continue;
        if ((ca | cb) & 0x80) {
            // Folding goes character by character: an equal prefix decides
            // nothing, so only the rest, from the start of its character, is read.
            while (i > 0 && ((a[i] & 0xC0) == 0x80 || (b[i] & 0xC0) == 0x80))
                --i;
            return ComparaSinCaso(QString::fromUtf8(reinterpret_cast<const char*>(a + i), na - i),
                                  QString::fromUtf8(reinterpret_cast<const char*>(b + i), nb - i));
        }
        if (ca >= 'A' && ca <= 'Z')
            ca = static_cast<unsigned char>(ca + 32);
        if (cb >= 'A' && cb <= 'Z')
            cb = static_cast<unsigned char>(cb + 32);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return signo(na - nb);
}

// The form the date triggers write, "yyyy-MM-dd HH:mm:ss[.zzz]", read
// straight from its bytes: the key claveDeFecha would give, or none when the
// text has another form (or is no valid date) and needs the full reading.
std::optional<std::int64_t> claveIso(const unsigned char* s, int n)
{
    if (n != 19 && n != 23)
        return std::nullopt;
    // Sorts read the same few forms over and over: the separators first, then
    // every digit in one pass, without a branch per character.
    if (s[4] != '-' || s[7] != '-' || s[10] != ' ' || s[13] != ':' || s[16] != ':' || (n == 23 && s[19] != '.'))
        return std::nullopt;
    static constexpr int cifras[] = {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18, 20, 21, 22};
    unsigned fuera = 0;
    for (int k = 0, hasta = n == 23 ? 17 : 14; k < hasta; ++k)
        fuera |= unsigned(s[cifras[k]] - '0') > 9 ? 1u : 0u;
    if (fuera)
        return std::nullopt;
    auto num = [s](int desde, int cuantas) {
        int v = 0;
        for (int i = desde; i < desde + cuantas; ++i)
            v = v * 10 + (s[i] - '0');
        return v;
    };
    const int anio = num(0, 4), mes = num(5, 2), dia = num(8, 2), hora = num(11, 2), minuto = num(14, 2),
              segundo = num(17, 2);
    if (hora >= 24 || minuto >= 60 || segundo >= 60)
        return std::nullopt;
    // Every month has its 28th; only the days after it need the calendar.
    if (anio == 0 || mes < 1 || mes > 12 || dia < 1 || (dia > 28 && !QDate::isValid(anio, mes, dia)))
        return std::nullopt;
    std::int64_t k = anio;
    for (int v : {mes, dia, hora, minuto, segundo})
        k = k * 100 + v;
    return k * 1000 + (n == 23 ? num(20, 3) : 0);
}

// A short text's slot in the table of keys already read.
unsigned ranuraDe(const unsigned char* s, int n)
{
    constexpr std::uint64_t Mezcla = 0x9E3779B97F4A7C15u;
    std::uint64_t h = std::uint64_t(n);
    int i = 0;
    for (std::uint64_t w; i + 8 <= n; i += 8) {
        std::memcpy(&w, s + i, 8);
        h = (h ^ w) * Mezcla;
    }
    for (; i < n; ++i)
        h = (h ^ s[i]) * Mezcla;
    return unsigned(h >> 58);
}

// A date's key read from the bytes SQLite hands over: the ISO form directly,
// other short ASCII texts widened on the stack (nothing allocated per comparison).
std::optional<std::int64_t> claveDeBytes(const unsigned char* s, int n)
{
    constexpr int Corto = 64;
    const auto deUtf8 = [s, n] { return claveDeFecha(QString::fromUtf8(reinterpret_cast<const char*>(s), n)); };
    if (n == 0 || n > Corto)
        return deUtf8();
    // Sorts, groups and the two ends of a range meet the same few dates row
    // after row: each text's key is kept in a small table by its bytes.
    struct Leida {
        unsigned char texto[Corto];
        int largo = -1;
        std::optional<std::int64_t> clave;
    };
    thread_local Leida leidas[64];
    Leida& l = leidas[ranuraDe(s, n)];
    if (l.largo == n && std::memcmp(l.texto, s, size_t(n)) == 0)
        return l.clave;
    std::optional<std::int64_t> clave = claveIso(s, n);
    if (!clave && esAscii(s, n)) {
        char16_t ancho[Corto];
        std::copy(s, s + n, ancho);
        clave = claveDeFecha(QStringView(ancho, n));
    } else if (!clave) {
        clave = deUtf8();
    }
    std::memcpy(l.texto, s, size_t(n));
    l.largo = n;
    l.clave = clave;
    return clave;
}

// Dates go before other texts, in their order; none when neither is a date.
std::optional<int> ordenDeClaves(std::optional<std::int64_t> ka, std::optional<std::int64_t> kb)
{
    if (ka && kb)
        return *ka < *kb ? -1 : (*ka > *kb ? 1 : 0);
    if (ka)
        return -1;
    if (kb)
        return 1;
    return std::nullopt;
}

// ComparaFechas on the bytes.
int colacionFecha(void*, int na, const void* pa, int nb, const void* pb)
{
    auto a = static_cast<const unsigned char*>(pa);
    auto b = static_cast<const unsigned char*>(pb);
    // The same text is the same date, or the same non-date.
    if (na == nb && std::equal(a, a + na, b))
        return 0;
    if (const auto orden = ordenDeClaves(claveDeBytes(a, na), claveDeBytes(b, nb)))
        return *orden;
    return ComparaSinCaso(QString::fromUtf8(reinterpret_cast<const char*>(a), na),
                          QString::fromUtf8(reinterpret_cast<const char*>(b), nb));
}

QString textoDe(sqlite3_value* v)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

void funcionComo(sqlite3_context* ctx, int n, sqlite3_value** args)
{
    for (int i = 0; i < n; ++i)
        if (sqlite3_value_type(args[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    QChar escape;
    if (n == 3) {
        const QString e = textoDe(args[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    const QString valor = textoDe(args[1]);
    // The pattern is read once per statement, not once per row: SQLite keeps it
    // while the pattern argument stays the same.
    if (const auto* guardado = static_cast<const PatronComo*>(sqlite3_get_auxdata(ctx, 0));
        guardado && guardado->Escape() == escape) {
        sqlite3_result_int(ctx, guardado->Coincide(valor) ? 1 : 0);
        return;
    }
    auto patron = std::make_unique<PatronComo>(textoDe(args[0]), escape);
    sqlite3_result_int(ctx, patron->Coincide(valor) ? 1 : 0);
    // Last: SQLite may drop what it is handed before this returns.
    sqlite3_set_auxdata(ctx, 0, patron.release(), [](void* p) { delete static_cast<PatronComo*>(p); });
}

void funcionFecha(sqlite3_context* ctx, int, sqlite3_value** args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_TEXT) {
        if (const auto f = LeeFecha(textoDe(args[0]))) {
            const QByteArray iso = FechaIso(*f).toUtf8();
            sqlite3_result_text(ctx, iso.constData(), static_cast<int>(iso.size()), SQLITE_TRANSIENT);
            return;
        }
    }
    sqlite3_result_value(ctx, args[0]);
}

void funcionNivel(sqlite3_context* ctx, int, sqlite3_value**)
{
    const int* nivel = static_cast<const int*>(sqlite3_user_data(ctx));
    sqlite3_result_int(ctx, nivel ? *nivel : 0);
}

// ---- Decimals ------------------------------------------------------------------

constexpr double Exacto = 9007199254740992.0;   // 2^53: every whole double below is exact

double potenciaDeDiez(int escala)
{
    static const double potencias[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
                                        1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
    return potencias[std::clamp(escala, 0, 18)];
}

// The whole count of 10^-escala that v is the nearest double to, if any.
std::optional<std::int64_t> enEscala(double v, int escala)
{
    const double potencia = potenciaDeDiez(escala);
    const double x = std::nearbyint(v * potencia);
    if (!(std::fabs(x) < Exacto) || x / potencia != v)
        return std::nullopt;
    return static_cast<std::int64_t>(x);
}

// v rounded to escala decimals, as a DECIMAL(p, escala) column of the server keeps it.
double redondeaAEscala(double v, int escala)
{
    if (!std::isfinite(v) || enEscala(v, escala))
        return v;
    char texto[400];
    const auto fin = std::to_chars(texto, texto + sizeof texto, v, std::chars_format::fixed, std::clamp(escala, 0, 18));
    double r = v;
    if (fin.ec == std::errc())
        std::from_chars(texto, fin.ptr, r);
    return r == 0 ? 0.0 : r;
}

// tervalio_decimal(x, s): a real x rounded to s decimals; anything else as it is.
void funcionDecimal(sqlite3_context* ctx, int, sqlite3_value** args)
{
    if (sqlite3_value_type(args[0]) != SQLITE_FLOAT) {
        sqlite3_result_value(ctx, args[0]);
        return;
    }
    sqlite3_result_double(ctx, redondeaAEscala(sqlite3_value_double(args[0]), sqlite3_value_int(args[1])));
}

// SUM as SQLite's own (whole numbers give a whole sum or "integer overflow", no
// value gives Null), but figures of up to four decimals, the scale of the
// schema's decimals and of the currency, are added as decimals: 0.1 + 0.2 is
// 0.3 and 0.1 + 0.2 - 0.3 is 0, as on the server. A figure of more decimals
// makes it the plain double sum it always was.
constexpr int EscalaDeSuma = 4;

struct Suma {
    sqlite3_int64 valores;
    sqlite3_int64 entera;
    sqlite3_int64 escalada;       // in 10^-EscalaDeSuma
    sqlite3_int64 fueraDeEscala;  // values the scaled sum leaves out
    double doble;
    bool real;
    bool desborde;
    bool escaladaPerdida;
};

void tomaSuma(sqlite3_context* ctx, sqlite3_value* v, int signo)
{
    auto* s = static_cast<Suma*>(sqlite3_aggregate_context(ctx, sizeof(Suma)));
    const int tipo = sqlite3_value_numeric_type(v);
    if (!s || tipo == SQLITE_NULL)
        return;
    s->valores += signo;
    std::optional<std::int64_t> escalado;
    if (tipo == SQLITE_INTEGER) {
        const sqlite3_int64 i = sqlite3_value_int64(v);
        s->doble += signo * static_cast<double>(i);
        if (!s->real && !s->desborde &&
            (signo > 0 ? __builtin_add_overflow(s->entera, i, &s->entera)
                       : __builtin_sub_overflow(s->entera, i, &s->entera)))
            s->desborde = s->real = true;
        sqlite3_int64 e;
        if (!__builtin_mul_overflow(i, static_cast<sqlite3_int64>(potenciaDeDiez(EscalaDeSuma)), &e))
            escalado = e;
    } else {
        const double d = sqlite3_value_double(v);
        s->doble += signo * d;
        s->real = true;
        escalado = enEscala(d, EscalaDeSuma);
    }
    if (!escalado)
        s->fueraDeEscala += signo;
    else if (signo > 0 ? __builtin_add_overflow(s->escalada, *escalado, &s->escalada)
                       : __builtin_sub_overflow(s->escalada, *escalado, &s->escalada))
        s->escaladaPerdida = true;
}

void pasoSuma(sqlite3_context* ctx, int, sqlite3_value** args)
{
    tomaSuma(ctx, args[0], 1);
}

void inversaSuma(sqlite3_context* ctx, int, sqlite3_value** args)
{
    tomaSuma(ctx, args[0], -1);
}

void valorSuma(sqlite3_context* ctx)
{
    const auto* s = static_cast<const Suma*>(sqlite3_aggregate_context(ctx, 0));
    if (!s || s->valores <= 0) {
        sqlite3_result_null(ctx);
    } else if (s->desborde) {
        sqlite3_result_error(ctx, "integer overflow", -1);
    } else if (!s->real) {
        sqlite3_result_int64(ctx, s->entera);
    } else if (!s->escaladaPerdida && s->fueraDeEscala == 0 && std::fabs(static_cast<double>(s->escalada)) < Exacto) {
        sqlite3_result_double(ctx, static_cast<double>(s->escalada) / potenciaDeDiez(EscalaDeSuma));
    } else {
        sqlite3_result_double(ctx, s->doble);
    }
}

// The scale of a declared DECIMAL(p, s) or NUMERIC(p, s) (s is 0 when left out).
std::optional<int> escalaDeclarada(const QString& tipo)
{
    static const QRegularExpression decimal(QStringLiteral("^\\s*(?:DECIMAL|NUMERIC)\\s*\\(\\s*\\d+\\s*(?:,\\s*(\\d+)\\s*)?\\)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto m = decimal.match(tipo);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).isEmpty() ? 0 : std::min(m.captured(1).toInt(), 18);
}

QString citado(const QString& nombre)
{
    return u'"' + QString(nombre).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

void ejecuta(sqlite3* db, const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString texto = QString::fromUtf8(error ? error : "");
        sqlite3_free(error);
        throw Falla(sqlite3_extended_errcode(db), texto);
    }
}

QStringList lista(sqlite3* db, const QString& sql, int columna)
{
    QStringList r;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
        throw Falla(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
    while (sqlite3_step(st) == SQLITE_ROW)
        r << textoDe(sqlite3_column_value(st, columna));
    sqlite3_finalize(st);
    return r;
}

// Every table of the file with its columns and their declared types.
struct Tabla {
    QString nombre;
    QStringList columnas;
    QStringList tipos;
};

std::vector<Tabla> tablas(sqlite3* db)
{
    std::vector<Tabla> r;
    for (const QString& nombre :
         lista(db, u"SELECT name FROM sqlite_master WHERE type = 'table' AND substr(name, 1, 7) <> 'sqlite_'"_s, 0)) {
        const QString info = u"PRAGMA table_info("_s + citado(nombre) + u')';
        r.push_back({nombre, lista(db, info, 1), lista(db, info, 2)});
    }
    return r;
}

// Triggers that write `valor` into a column of the table whenever `condicion`
// holds of the row an update of the column left (and, with alInsertar, of a
// row just inserted); "%1" in both stands for the new value of the column.
void creaDisparadores(sqlite3* db, const QString& prefijo, const QString& tabla, const QString& columna,
                      const QString& condicion, const QString& valor, bool alInsertar)
{
    const QString c = citado(columna);
    const QString t = citado(tabla);
    const QString nuevo = u"NEW."_s + c;
    const QString cuando = u" FOR EACH ROW WHEN "_s + QString(condicion).replace(u"%1"_s, nuevo) + u" BEGIN UPDATE "_s + t +
                           u" SET "_s + c + u" = "_s + QString(valor).replace(u"%1"_s, nuevo) +
                           u" WHERE rowid = NEW.rowid; END"_s;
    const QString base = citado(prefijo + tabla + u'_' + columna).chopped(1);
    if (alInsertar)
        ejecuta(db, u"CREATE TRIGGER IF NOT EXISTS "_s + base + u"_i\" AFTER INSERT ON "_s + t + cuando);
    ejecuta(db, u"CREATE TRIGGER IF NOT EXISTS "_s + base + u"_u\" AFTER UPDATE OF "_s + c + u" ON "_s + t + cuando);
}

}  // namespace

// The order of the Spanish collation of the suite's server (Modern_Spanish_CI_AS):
// a letter with an accent sorts with its plain letter, the accent breaking ties
// only between texts that are otherwise the same ("Alamo" < "Álamo" < "Alba");
// ñ is a letter of its own, after n. The rest keeps the order of its case-folded
// code points. Two texts are equal only when their folded characters are:
// case never counts, an accent always does.
int ComparaSinCaso(QStringView a, QStringView b)
{
    a = SinBlancosFinales(a);
    b = SinBlancosFinales(b);
    qsizetype i = 0, j = 0;
    int acento = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = codigoEn(a, i), cb = codigoEn(b, j);
        if (ca == cb)
            continue;
        const Peso pa = pesoDe(ca), pb = pesoDe(cb);
        if (pa.letra != pb.letra)
            return pa.letra < pb.letra ? -1 : 1;
        if (acento == 0 && pa.acento != pb.acento)
            acento = pa.acento < pb.acento ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return acento;
}

int ComparaFechas(QStringView a, QStringView b)
{
    if (const auto orden = ordenDeClaves(claveDeFecha(a), claveDeFecha(b)))
        return *orden;
    return ComparaSinCaso(a, b);
}

std::optional<QDateTime> LeeFecha(QStringView texto)
{
    const auto p = partesDeFecha(texto);
    if (!p)
        return std::nullopt;
    return Fechas::EnElReloj(QDate(p->anio, p->mes, p->dia), QTime(p->hora, p->minuto, p->segundo, p->milesimas));
}

QString FechaIso(const QDateTime& fecha)
{
    return fecha.toString(fecha.time().msec() ? u"yyyy-MM-dd HH:mm:ss.zzz" : u"yyyy-MM-dd HH:mm:ss");
}

bool Como(QStringView valor, QStringView patron, QChar escape)
{
    return PatronComo(patron, escape).Coincide(valor);
}

bool Registra(sqlite3* db, const int* nivelTransaccion)
{
    const QByteArray sinCaso = QString::fromUtf16(TsqlSqlite::ColacionSinCaso).toUtf8();
    const QByteArray fecha = QString::fromUtf16(TsqlSqlite::ColacionFecha).toUtf8();
    constexpr int det = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_collation(db, sinCaso.constData(), SQLITE_UTF8, nullptr, colacionSinCaso) == SQLITE_OK &&
           sqlite3_create_collation(db, fecha.constData(), SQLITE_UTF8, nullptr, colacionFecha) == SQLITE_OK &&
           sqlite3_create_function(db, "like", 2, det, nullptr, funcionComo, nullptr, nullptr) == SQLITE_OK &&
           sqlite3_create_function(db, "like", 3, det, nullptr, funcionComo, nullptr, nullptr) == SQLITE_OK &&
           sqlite3_create_function(db, "tervalio_fecha", 1, det, nullptr, funcionFecha, nullptr, nullptr) == SQLITE_OK &&
           sqlite3_create_function(db, "tervalio_decimal", 2, det, nullptr, funcionDecimal, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_window_function(db, "sum", 1, det, nullptr, pasoSuma, valorSuma, valorSuma, inversaSuma,
                                          nullptr) == SQLITE_OK &&
           sqlite3_create_function(db, "tervalio_trancount", 0, SQLITE_UTF8, const_cast<int*>(nivelTransaccion),
                                   funcionNivel, nullptr, nullptr) == SQLITE_OK;
}

namespace {

int versionDelOrden(sqlite3* db)
{
    const QStringList v = lista(db, u"PRAGMA user_version"_s, 0);
    return v.isEmpty() ? 0 : v.first().toInt();
}

}  // namespace

void MarcaVersionDelOrden(sqlite3* db)
{
    ejecuta(db, u"PRAGMA user_version = %1"_s.arg(VersionDelOrden));
}

void ReordenaIndicesViejos(sqlite3* db)
{
    if (versionDelOrden(db) >= VersionDelOrden)
        return;
    // Another copy of the program may be doing the same: the lock is taken
    // first and the version read again under it.
    ejecuta(db, u"BEGIN IMMEDIATE"_s);
    try {
        if (versionDelOrden(db) < VersionDelOrden) {
            // Dates that are no date sort as texts: their indexes too.
            ejecuta(db, u"REINDEX "_s + QString::fromUtf16(TsqlSqlite::ColacionSinCaso));
            ejecuta(db, u"REINDEX "_s + QString::fromUtf16(TsqlSqlite::ColacionFecha));
            MarcaVersionDelOrden(db);
        }
        ejecuta(db, u"COMMIT"_s);
    } catch (const Falla&) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void CreaDisparadoresDeFechas(sqlite3* db)
{
    for (const Tabla& tabla : tablas(db))
        for (qsizetype i = 0; i < tabla.columnas.size(); ++i)
            if (tabla.tipos[i].contains(u"DATE", Qt::CaseInsensitive))
                creaDisparadores(db, u"tervalio_fecha_"_s, tabla.nombre, tabla.columnas[i],
                                 u"typeof(%1) = 'text' AND %1 COLLATE BINARY <> tervalio_fecha(%1)"_s,
                                 u"tervalio_fecha(%1)"_s, true);
}

void CreaDisparadoresDeDecimales(sqlite3* db)
{
    for (const Tabla& tabla : tablas(db))
        for (qsizetype i = 0; i < tabla.columnas.size(); ++i)
            if (const auto escala = escalaDeclarada(tabla.tipos[i])) {
                const QString redondeo = u"tervalio_decimal(%1, "_s + QString::number(*escala) + u')';
                creaDisparadores(db, u"tervalio_decimal_"_s, tabla.nombre, tabla.columnas[i],
                                 u"%1 IS NOT "_s + redondeo, redondeo, false);
            }
}

}  // namespace ReglasSqlite
