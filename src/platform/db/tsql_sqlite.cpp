#include "platform/db/tsql_sqlite.h"

#include "platform/falla.h"

#include <QStringList>
#include <algorithm>
#include <initializer_list>

namespace TsqlSqlite {
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr long ErrorSintaxis = 102;
constexpr long VariableNoDeclarada = 137;

bool inicioIdentificador(QChar c)
{
    return c.isLetter() || c == u'_' || c == u'#';
}

bool parteIdentificador(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'$' || c == u'@';
}

}  // namespace

std::vector<Token> Tokeniza(QStringView s)
{
    std::vector<Token> r;
    r.reserve(static_cast<size_t>(s.size() / 3 + 1));
    const qsizetype n = s.size();
    qsizetype i = 0;
    auto agrega = [&](TipoToken tipo, qsizetype desde) { r.push_back({tipo, s.mid(desde, i - desde).toString()}); };
    auto literal = [&](QChar cierre) {
        // i stands on the opening quote; a doubled closing quote stands for itself.
        ++i;
        while (i < n) {
            if (s[i] == cierre) {
                if (i + 1 < n && s[i + 1] == cierre) {
                    i += 2;
                    continue;
                }
                ++i;
                return;
            }
            ++i;
        }
    };
    while (i < n) {
        const qsizetype desde = i;
        const QChar c = s[i];
        const QChar sig = i + 1 < n ? s[i + 1] : QChar();
        if (c.isSpace()) {
            while (i < n && s[i].isSpace())
                ++i;
            agrega(TipoToken::Blanco, desde);
        } else if (c == u'-' && sig == u'-') {
            while (i < n && s[i] != u'\n')
                ++i;
            agrega(TipoToken::Comentario, desde);
        } else if (c == u'/' && sig == u'*') {
            i += 2;
            while (i < n && !(s[i] == u'*' && i + 1 < n && s[i + 1] == u'/'))
                ++i;
            i = std::min(n, i + 2);
            agrega(TipoToken::Comentario, desde);
        } else if (c == u'\'') {
            literal(u'\'');
            agrega(TipoToken::Texto, desde);
        } else if ((c == u'N' || c == u'n') && sig == u'\'') {
            ++i;
            literal(u'\'');
            agrega(TipoToken::Texto, desde);
        } else if (c == u'"') {
            literal(u'"');
            agrega(TipoToken::Citado, desde);
        } else if (c == u'[') {
            literal(u']');
            agrega(TipoToken::Citado, desde);
        } else if (c == u'@') {
            ++i;
            if (i < n && s[i] == u'@')
                ++i;
            while (i < n && parteIdentificador(s[i]))
                ++i;
            agrega(TipoToken::Variable, desde);
        } else if (c.isDigit() || (c == u'.' && sig.isDigit())) {
            while (i < n && s[i].isDigit())
                ++i;
            if (i < n && s[i] == u'.') {
                ++i;
                while (i < n && s[i].isDigit())
                    ++i;
            }
            if (i < n && (s[i] == u'e' || s[i] == u'E')) {
                qsizetype j = i + 1;
                if (j < n && (s[j] == u'+' || s[j] == u'-'))
                    ++j;
                if (j < n && s[j].isDigit()) {
                    i = j;
                    while (i < n && s[i].isDigit())
                        ++i;
                }
            }
            agrega(TipoToken::Numero, desde);
        } else if (inicioIdentificador(c)) {
            while (i < n && parteIdentificador(s[i]))
                ++i;
            agrega(TipoToken::Identificador, desde);
        } else if (c == u';') {
            ++i;
            agrega(TipoToken::PuntoYComa, desde);
        } else {
            static const char16_t* dobles[] = {u"<=", u">=", u"<>", u"!=", u"!<", u"!>", u"||"};
            i += 1;
            for (const char16_t* d : dobles)
                if (c == QChar(d[0]) && sig == QChar(d[1])) {
                    i += 1;
                    break;
                }
            agrega(TipoToken::Simbolo, desde);
        }
    }
    return r;
}

namespace {

using Tokens = std::vector<Token>;

bool significativo(const Token& t)
{
    return t.tipo != TipoToken::Blanco && t.tipo != TipoToken::Comentario;
}

bool es(const Token& t, QLatin1StringView palabra)
{
    return t.tipo == TipoToken::Identificador && t.texto.compare(palabra, Qt::CaseInsensitive) == 0;
}

bool esAlguna(const Token& t, std::initializer_list<const char*> palabras)
{
    if (t.tipo != TipoToken::Identificador)
        return false;
    for (const char* p : palabras)
        if (t.texto.compare(QLatin1StringView(p), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool simbolo(const Token& t, QStringView s)
{
    return t.tipo == TipoToken::Simbolo && t.texto == s;
}

bool comparacion(const Token& t)
{
    if (t.tipo != TipoToken::Simbolo)
        return false;
    static const QStringList ops = {u"="_s, u"<>"_s, u"!="_s, u"<"_s, u">"_s, u"<="_s, u">="_s};
    return ops.contains(t.texto);
}

// Next significant token at or after i (v.size() when none).
size_t sigIdx(const Tokens& v, size_t i)
{
    while (i < v.size() && !significativo(v[i]))
        ++i;
    return i;
}

// Previous significant token before i (-1 when none).
long antIdx(const Tokens& v, size_t i)
{
    long j = static_cast<long>(i) - 1;
    while (j >= 0 && !significativo(v[static_cast<size_t>(j)]))
        --j;
    return j;
}

// The ")" that closes the "(" at i (v.size() when unclosed).
size_t cierre(const Tokens& v, size_t i)
{
    int nivel = 0;
    for (size_t j = i; j < v.size(); ++j) {
        if (simbolo(v[j], u"("))
            ++nivel;
        else if (simbolo(v[j], u")") && --nivel == 0)
            return j;
    }
    return v.size();
}

QString texto(const Tokens& v, size_t desde = 0, size_t hasta = SIZE_MAX)
{
    QString r;
    hasta = std::min(hasta, v.size());
    for (size_t i = desde; i < hasta; ++i)
        r += v[i].texto;
    return r;
}

Token blanco()
{
    return {TipoToken::Blanco, u" "_s};
}

Token ident(const QString& s)
{
    return {TipoToken::Identificador, s};
}

Token sim(const QString& s)
{
    return {TipoToken::Simbolo, s};
}

Tokens llamada(const QString& funcion)
{
    return {ident(funcion), sim(u"("_s), sim(u")"_s)};
}

QString nombreSinCitar(const Token& t)
{
    if (t.tipo == TipoToken::Citado && t.texto.size() >= 2)
        return t.texto.mid(1, t.texto.size() - 2);
    return t.texto;
}

bool esNombre(const Token& t)
{
    return t.tipo == TipoToken::Identificador || t.tipo == TipoToken::Citado;
}

// ---- Rules, each on the tokens of one statement -------------------------------

bool prefijoAdmin(const Token& t)
{
    return t.tipo == TipoToken::Variable && t.texto.size() > 7 &&
           t.texto.startsWith(u"@admin_", Qt::CaseInsensitive);
}

void reglaPrefijoAdmin(Tokens& v)
{
    for (Token& t : v)
        if (prefijoAdmin(t))
            t = ident(t.texto.mid(7));
}

void reglaEsquema(Tokens& v)
{
    for (size_t i = 0; i + 1 < v.size(); ++i) {
        if (!esNombre(v[i]) || nombreSinCitar(v[i]).compare(u"dbo", Qt::CaseInsensitive) != 0 ||
            !simbolo(v[i + 1], u"."))
            continue;
        size_t desde = i;
        // Base.dbo.T: the database goes with the schema.
        if (i >= 2 && simbolo(v[i - 1], u".") && esNombre(v[i - 2]))
            desde = i - 2;
        v.erase(v.begin() + static_cast<long>(desde), v.begin() + static_cast<long>(i + 2));
        i = desde;
    }
}

bool palabraDeSugerencia(const Token& t)
{
    return esAlguna(t, {"NOLOCK", "READUNCOMMITTED", "READCOMMITTED", "REPEATABLEREAD", "SERIALIZABLE",
                        "UPDLOCK", "ROWLOCK", "PAGLOCK", "TABLOCK", "TABLOCKX", "HOLDLOCK", "NOWAIT",
                        "READPAST", "XLOCK", "NOEXPAND", "FASTFIRSTROW", "INDEX", "FORCESEEK"});
}

// Removes v[desde..hasta] and the blanks just before it, leaving one blank
// where the neighbours would otherwise touch. Answers where the removed part stood.
size_t quitaTramo(Tokens& v, size_t desde, size_t hasta)
{
    while (desde > 0 && v[desde - 1].tipo == TipoToken::Blanco)
        --desde;
    v.erase(v.begin() + static_cast<long>(desde), v.begin() + static_cast<long>(hasta + 1));
    if (desde > 0 && desde < v.size() && v[desde].tipo != TipoToken::Blanco && v[desde - 1].tipo != TipoToken::Blanco)
        v.insert(v.begin() + static_cast<long>(desde), blanco());
    return desde;
}

void reglaSugerencias(Tokens& v)
{
    for (size_t i = 0; i < v.size(); i++) {
        size_t abre;
        if (es(v[i], "WITH"_L1)) {
            abre = sigIdx(v, i + 1);
        } else if (simbolo(v[i], u"(")) {
            // The old form without WITH: "T (nolock)".
            const long a = antIdx(v, i);
            if (a < 0 || !esNombre(v[static_cast<size_t>(a)]))
                continue;
            abre = i;
        } else {
            continue;
        }
        if (abre >= v.size() || !simbolo(v[abre], u"(") || !palabraDeSugerencia(v[sigIdx(v, abre + 1)]))
            continue;
        const size_t fin = cierre(v, abre);
        if (fin >= v.size())
            continue;
        i = quitaTramo(v, i, fin);
        if (i > 0)
            --i;
    }
}

void reglaLiteralNacional(Tokens& v)
{
    for (Token& t : v)
        if (t.tipo == TipoToken::Texto && (t.texto.startsWith(u'N') || t.texto.startsWith(u'n')))
            t.texto.remove(0, 1);
}

void reglaColacion(Tokens& v)
{
    for (size_t i = 0; i < v.size(); ++i) {
        if (!es(v[i], "COLLATE"_L1))
            continue;
        const size_t j = sigIdx(v, i + 1);
        if (j >= v.size() || !esNombre(v[j]))
            continue;
        const QString nombre = nombreSinCitar(v[j]).toUpper();
        if (nombre == u"BINARY" || nombre == u"RTRIM" || nombre == QStringView(ColacionSinCaso) ||
            nombre == QStringView(ColacionFecha))
            continue;
        const bool distingue = nombre.contains(u"_CS") || nombre.contains(u"BIN");
        v[j] = ident(distingue ? u"BINARY"_s : QString::fromUtf16(ColacionSinCaso));
    }
}

void reglaFunciones(Tokens& v)
{
    for (size_t i = 0; i < v.size(); ++i) {
        Token& t = v[i];
        if (t.tipo == TipoToken::Variable) {
            Tokens nuevo;
            if (t.texto.compare(u"@@IDENTITY", Qt::CaseInsensitive) == 0)
                nuevo = llamada(u"last_insert_rowid"_s);
            else if (t.texto.compare(u"@@TRANCOUNT", Qt::CaseInsensitive) == 0)
                nuevo = llamada(u"tervalio_trancount"_s);
            else if (t.texto.compare(u"@@ROWCOUNT", Qt::CaseInsensitive) == 0)
                nuevo = llamada(u"changes"_s);
            else
                throw Falla(VariableNoDeclarada,
                            QStringLiteral("Debe declarar la variable escalar \"%1\".").arg(t.texto));
            v.erase(v.begin() + static_cast<long>(i));
            v.insert(v.begin() + static_cast<long>(i), nuevo.begin(), nuevo.end());
            i += nuevo.size() - 1;
            continue;
        }
        if (t.tipo != TipoToken::Identificador)
            continue;
        const size_t abre = sigIdx(v, i + 1);
        if (abre >= v.size() || !simbolo(v[abre], u"("))
            continue;
        if (es(t, "ISNULL"_L1)) {
            t.texto = u"ifnull"_s;
        } else if (es(t, "LEN"_L1)) {
            // The server's LEN leaves trailing blanks out, as its comparisons do.
            const size_t fin = cierre(v, abre);
            if (fin >= v.size())
                continue;
            t.texto = u"length"_s;
            v.insert(v.begin() + static_cast<long>(fin), sim(u")"_s));
            const Tokens recorte = {ident(u"rtrim"_s), sim(u"("_s)};
            v.insert(v.begin() + static_cast<long>(abre + 1), recorte.begin(), recorte.end());
        } else if (es(t, "GETDATE"_L1) || es(t, "SCOPE_IDENTITY"_L1)) {
            const size_t fin = sigIdx(v, abre + 1);
            if (fin >= v.size() || !simbolo(v[fin], u")"))
                continue;
            Tokens nuevo;
            if (es(t, "GETDATE"_L1))
                nuevo = {ident(u"datetime"_s), sim(u"("_s), {TipoToken::Texto, u"'now'"_s}, sim(u","_s),
                         {TipoToken::Texto, u"'localtime'"_s}, sim(u")"_s)};
            else
                nuevo = llamada(u"last_insert_rowid"_s);
            v.erase(v.begin() + static_cast<long>(i), v.begin() + static_cast<long>(fin + 1));
            v.insert(v.begin() + static_cast<long>(i), nuevo.begin(), nuevo.end());
            i += nuevo.size() - 1;
        }
    }
}

void reglaTop(Tokens& v)
{
    for (size_t i = 0; i < v.size(); ++i) {
        if (!es(v[i], "TOP"_L1))
            continue;
        const long a = antIdx(v, i);
        if (a < 0 || !esAlguna(v[static_cast<size_t>(a)], {"SELECT", "DISTINCT", "ALL"}))
            continue;
        size_t n = sigIdx(v, i + 1);
        if (n >= v.size())
            throw Falla(ErrorSintaxis, QStringLiteral("Sintaxis incorrecta cerca de 'TOP'."));
        QString cuenta;
        size_t finCuenta;
        if (simbolo(v[n], u"(")) {
            finCuenta = cierre(v, n);
            cuenta = texto(v, n, finCuenta + 1);
        } else {
            finCuenta = n;
            cuenta = v[n].texto;
        }
        size_t fin = finCuenta;
        const size_t p = sigIdx(v, finCuenta + 1);
        bool porciento = false;
        if (p < v.size() && es(v[p], "PERCENT"_L1)) {
            if (cuenta.trimmed() != u"100" && cuenta.trimmed() != u"(100)")
                throw Falla(ErrorSintaxis, QStringLiteral("TOP %1 PERCENT no se admite en la base embebida.").arg(cuenta));
            porciento = true;
            fin = p;
        }
        const size_t q = sigIdx(v, fin + 1);
        if (q < v.size() && es(v[q], "WITH"_L1) && es(v[sigIdx(v, q + 1)], "TIES"_L1))
            throw Falla(ErrorSintaxis, QStringLiteral("TOP WITH TIES no se admite en la base embebida."));
        // The blank after the count goes with it.
        size_t quitarHasta = fin;
        if (quitarHasta + 1 < v.size() && v[quitarHasta + 1].tipo == TipoToken::Blanco)
            ++quitarHasta;
        v.erase(v.begin() + static_cast<long>(i), v.begin() + static_cast<long>(quitarHasta + 1));
        if (porciento) {
            --i;
            continue;
        }
        // LIMIT closes the query TOP belongs to: the end of the text or the
        // ")" of the subquery it stands in.
        size_t fin2 = v.size();
        int nivel = 0;
        for (size_t j = i; j < v.size(); ++j) {
            if (simbolo(v[j], u"("))
                ++nivel;
            else if (simbolo(v[j], u")") && --nivel < 0) {
                fin2 = j;
                break;
            }
        }
        // A comment at the end would swallow a LIMIT written after it.
        while (fin2 > i && !significativo(v[fin2 - 1]))
            --fin2;
        const Tokens limite = {blanco(), ident(u"LIMIT"_s), blanco(), {TipoToken::Numero, cuenta}};
        v.insert(v.begin() + static_cast<long>(fin2), limite.begin(), limite.end());
        --i;
    }
}

void reglaDelete(Tokens& v)
{
    const size_t i = sigIdx(v, 0);
    if (i >= v.size() || !es(v[i], "DELETE"_L1))
        return;
    const size_t j = sigIdx(v, i + 1);
    if (j >= v.size() || !esNombre(v[j]) || es(v[j], "FROM"_L1))
        return;
    const Tokens desde = {ident(u"FROM"_s), blanco()};
    v.insert(v.begin() + static_cast<long>(j), desde.begin(), desde.end());
}

void reglaColacionDeLiterales(Tokens& v)
{
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i].tipo != TipoToken::Texto)
            continue;
        const size_t k = sigIdx(v, i + 1);
        if (k < v.size() && es(v[k], "COLLATE"_L1))
            continue;
        bool envuelta = false;
        const long a = antIdx(v, i);
        if (a >= 0 && comparacion(v[static_cast<size_t>(a)])) {
            const long b = antIdx(v, static_cast<size_t>(a));
            envuelta = b >= 0 && simbolo(v[static_cast<size_t>(b)], u")");
        }
        if (!envuelta && k < v.size() && comparacion(v[k])) {
            const size_t m = sigIdx(v, k + 1);
            envuelta = m < v.size() && (simbolo(v[m], u"(") ||
                                        (v[m].tipo == TipoToken::Identificador && sigIdx(v, m + 1) < v.size() &&
                                         simbolo(v[sigIdx(v, m + 1)], u"(")));
        }
        if (!envuelta)
            continue;
        const Tokens colacion = {blanco(), ident(u"COLLATE"_s), blanco(), ident(QString::fromUtf16(ColacionSinCaso))};
        v.insert(v.begin() + static_cast<long>(i + 1), colacion.begin(), colacion.end());
        i += colacion.size();
    }
}

QString traduceTokens(Tokens v)
{
    reglaPrefijoAdmin(v);
    reglaEsquema(v);
    reglaSugerencias(v);
    reglaLiteralNacional(v);
    reglaColacion(v);
    reglaFunciones(v);
    reglaTop(v);
    reglaDelete(v);
    reglaColacionDeLiterales(v);
    return texto(v).trimmed();
}

// ---- The batch splitter ----------------------------------------------------------

bool iniciaSentencia(const Token& t)
{
    return esAlguna(t, {"SELECT", "INSERT", "UPDATE", "DELETE", "BEGIN", "IF", "SET", "DECLARE", "EXEC", "SAVE",
                        "EXECUTE", "PRINT", "RETURN", "COMMIT", "ROLLBACK", "CREATE", "DROP", "ALTER",
                        "TRUNCATE", "WHILE", "RAISERROR", "MERGE"});
}

class Divisor {
public:
    explicit Divisor(Tokens t) : t_(std::move(t)) {}

    std::vector<Sentencia> Todo()
    {
        std::vector<Sentencia> r;
        while (una(r, false, false)) {
        }
        const size_t p = sigIdx(t_, i_);
        if (p < t_.size())
            throw Falla(156, QStringLiteral("Sintaxis incorrecta cerca de la palabra clave '%1'.").arg(t_[p].texto));
        return r;
    }

private:
    // Reads one statement into r; false when the text, a block or a branch ends here.
    bool una(std::vector<Sentencia>& r, bool enBloque, bool enRama)
    {
        const size_t p = sigIdx(t_, i_);
        if (p >= t_.size()) {
            i_ = p;
            return false;
        }
        const Token& tk = t_[p];
        if (tk.tipo == TipoToken::PuntoYComa) {
            i_ = p + 1;
            return true;
        }
        if (es(tk, "END"_L1) || es(tk, "ELSE"_L1)) {
            if ((enBloque && es(tk, "END"_L1)) || (enRama && es(tk, "ELSE"_L1)))
                return false;
            throw Falla(156, QStringLiteral("Sintaxis incorrecta cerca de la palabra clave '%1'.").arg(tk.texto));
        }
        if (es(tk, "IF"_L1))
            return condicional(p, r, enBloque, enRama);
        if (es(tk, "BEGIN"_L1)) {
            const size_t q = sigIdx(t_, p + 1);
            if (q < t_.size() && esAlguna(t_[q], {"TRAN", "TRANSACTION"})) {
                i_ = q + 1;
                r.push_back(control(Sentencia::Clase::Inicia, p));
                return true;
            }
            i_ = p + 1;
            while (una(r, true, false)) {
            }
            const size_t e = sigIdx(t_, i_);
            if (e >= t_.size() || !es(t_[e], "END"_L1))
                throw Falla(ErrorSintaxis, QStringLiteral("Sintaxis incorrecta: falta END."));
            i_ = e + 1;
            return true;
        }
        if (es(tk, "COMMIT"_L1) || es(tk, "ROLLBACK"_L1)) {
            const size_t q = sigIdx(t_, p + 1);
            const bool tran = q < t_.size() && esAlguna(t_[q], {"TRAN", "TRANSACTION"});
            i_ = (tran || (q < t_.size() && es(t_[q], "WORK"_L1))) ? q + 1 : p + 1;
            // The name after TRAN: a savepoint for ROLLBACK, ignored by COMMIT as the server ignores it.
            const QString punto = tran ? nombrePunto() : QString();
            Sentencia s = control(es(tk, "COMMIT"_L1) ? Sentencia::Clase::Confirma : Sentencia::Clase::Deshace, p);
            if (s.clase == Sentencia::Clase::Deshace)
                s.punto = punto;
            r.push_back(std::move(s));
            return true;
        }
        if (es(tk, "SAVE"_L1)) {
            const size_t q = sigIdx(t_, p + 1);
            if (q >= t_.size() || !esAlguna(t_[q], {"TRAN", "TRANSACTION"}))
                throw Falla(ErrorSintaxis, QStringLiteral("Sintaxis incorrecta cerca de 'SAVE'."));
            i_ = q + 1;
            const QString punto = nombrePunto();
            if (punto.isEmpty())
                throw Falla(ErrorSintaxis, QStringLiteral("Sintaxis incorrecta: SAVE TRANSACTION sin nombre."));
            Sentencia s = control(Sentencia::Clase::Guarda, p);
            s.punto = punto;
            r.push_back(std::move(s));
            return true;
        }
        comun(p, r, enBloque, enRama);
        return true;
    }

    // A savepoint name after TRAN[SACTION], taken when it is there: an
    // identifier that does not start the next statement.
    QString nombrePunto()
    {
        const size_t q = sigIdx(t_, i_);
        if (q >= t_.size() || (t_[q].tipo != TipoToken::Identificador && t_[q].tipo != TipoToken::Citado) ||
            iniciaSentencia(t_[q]) || es(t_[q], "END"_L1) || es(t_[q], "ELSE"_L1))
            return QString();
        i_ = q + 1;
        QString n = t_[q].texto;
        if (t_[q].tipo == TipoToken::Citado)
            n = n.mid(1, n.size() - 2);
        return n;
    }

    Sentencia control(Sentencia::Clase clase, size_t desde)
    {
        Sentencia s;
        s.clase = clase;
        s.original = texto(t_, desde, i_).trimmed();
        return s;
    }

    bool condicional(size_t p, std::vector<Sentencia>& r, bool enBloque, bool enRama)
    {
        size_t j = p + 1;
        int nivel = 0;
        for (; j < t_.size(); ++j) {
            if (simbolo(t_[j], u"("))
                ++nivel;
            else if (simbolo(t_[j], u")"))
                --nivel;
            else if (nivel == 0 && iniciaSentencia(t_[j]))
                break;
        }
        Sentencia s;
        s.clase = Sentencia::Clase::Condicional;
        const Tokens condicion(t_.begin() + static_cast<long>(p + 1), t_.begin() + static_cast<long>(j));
        if (sigIdx(condicion, 0) >= condicion.size() || j >= t_.size())
            throw Falla(ErrorSintaxis, QStringLiteral("Sintaxis incorrecta cerca de 'IF'."));
        s.sql = traduceTokens(condicion);
        i_ = j;
        if (!una(s.entonces, enBloque, true) || s.entonces.empty())
            throw Falla(ErrorSintaxis, QStringLiteral("Sintaxis incorrecta: IF sin sentencia."));
        const size_t e = sigIdx(t_, i_);
        if (e < t_.size() && es(t_[e], "ELSE"_L1)) {
            i_ = e + 1;
            if (!una(s.sino, enBloque, enRama) || s.sino.empty())
                throw Falla(ErrorSintaxis, QStringLiteral("Sintaxis incorrecta: ELSE sin sentencia."));
        }
        s.original = texto(t_, p, i_).trimmed();
        r.push_back(std::move(s));
        return true;
    }

    // Whether a statement keyword met inside a statement carries it on.
    bool continua(const Token& k, const QString& verbo, long previo, bool vioValues, bool vioSelect, bool vioSet) const
    {
        const Token* prev = previo >= 0 ? &t_[static_cast<size_t>(previo)] : nullptr;
        auto prevEs = [&](std::initializer_list<const char*> p) { return prev && esAlguna(*prev, p); };
        if (es(k, "SELECT"_L1))
            return prevEs({"UNION", "ALL", "EXCEPT", "INTERSECT", "AS"}) ||
                   (verbo == u"INSERT" && !vioValues && !vioSelect) || (verbo == u"CREATE" && !vioSelect) ||
                   (verbo == u"WITH" && !vioSelect);
        if (esAlguna(k, {"INSERT", "UPDATE", "DELETE"}))
            return prevEs({"ON", "FOR", "OF", "OR"}) || (verbo == u"WITH" && !vioSelect);
        if (es(k, "SET"_L1))
            return (verbo == u"UPDATE" && !vioSet) || prevEs({"DELETE", "UPDATE"});
        if (es(k, "IF"_L1))
            return prevEs({"TABLE", "VIEW", "INDEX", "TRIGGER"});
        if (es(k, "ROLLBACK"_L1))
            return prevEs({"CONFLICT", "OR"});
        return false;
    }

    void comun(size_t p, std::vector<Sentencia>& r, bool enBloque, bool enRama)
    {
        const QString verbo = t_[p].tipo == TipoToken::Identificador ? t_[p].texto.toUpper() : QString();
        bool vioValues = false, vioSelect = verbo == u"SELECT", vioSet = false;
        int nivel = 0, casos = 0;
        long previo = -1;
        size_t j = p;
        size_t sigue = t_.size();
        for (; j < t_.size(); ++j) {
            const Token& t = t_[j];
            if (!significativo(t))
                continue;
            if (t.tipo == TipoToken::PuntoYComa && nivel == 0) {
                sigue = j + 1;
                break;
            }
            if (simbolo(t, u"("))
                ++nivel;
            else if (simbolo(t, u")"))
                --nivel;
            else if (j > p && nivel == 0 && t.tipo == TipoToken::Identificador) {
                if (es(t, "CASE"_L1)) {
                    ++casos;
                } else if (es(t, "END"_L1)) {
                    if (casos > 0)
                        --casos;
                    else if (enBloque)
                        break;
                } else if (es(t, "ELSE"_L1)) {
                    if (casos == 0 && enRama)
                        break;
                } else if (iniciaSentencia(t) && !continua(t, verbo, previo, vioValues, vioSelect, vioSet)) {
                    break;
                }
                if (es(t, "VALUES"_L1))
                    vioValues = true;
                else if (es(t, "SELECT"_L1))
                    vioSelect = true;
                else if (es(t, "SET"_L1))
                    vioSet = true;
            }
            previo = static_cast<long>(j);
        }
        i_ = sigue == t_.size() ? j : sigue;
        const Tokens propios(t_.begin() + static_cast<long>(p), t_.begin() + static_cast<long>(j));
        Sentencia s;
        s.original = texto(propios).trimmed();
        s.sql = traduceTokens(propios);
        r.push_back(std::move(s));
    }

    Tokens t_;
    size_t i_ = 0;
};

QString textoDe(const Sentencia& s);

QString textoDeRama(const std::vector<Sentencia>& rama)
{
    if (rama.size() == 1 && rama[0].clase != Sentencia::Clase::Condicional)
        return textoDe(rama[0]);
    QStringList partes;
    for (const Sentencia& s : rama)
        partes << textoDe(s);
    return u"BEGIN "_s + partes.join(u"; "_s) + u" END"_s;
}

QString textoDe(const Sentencia& s)
{
    switch (s.clase) {
    case Sentencia::Clase::Inicia:
        return u"BEGIN TRANSACTION"_s;
    case Sentencia::Clase::Confirma:
        return u"COMMIT TRANSACTION"_s;
    case Sentencia::Clase::Deshace:
        return s.punto.isEmpty() ? u"ROLLBACK TRANSACTION"_s : u"ROLLBACK TO \""_s + s.punto + u'"';
    case Sentencia::Clase::Guarda:
        return u"SAVEPOINT \""_s + s.punto + u'"';
    case Sentencia::Clase::Condicional: {
        QString r = u"IF "_s + s.sql + u' ' + textoDeRama(s.entonces);
        if (!s.sino.empty())
            r += u" ELSE "_s + textoDeRama(s.sino);
        return r;
    }
    case Sentencia::Clase::Comun:
        break;
    }
    return s.sql;
}

}  // namespace

std::vector<Sentencia> TraduceLote(QStringView tsql)
{
    return Divisor(Tokeniza(tsql)).Todo();
}

QString TraduceSentencia(QStringView tsql)
{
    return traduceTokens(Tokeniza(tsql));
}

QString TextoDeLote(const std::vector<Sentencia>& lote)
{
    QStringList partes;
    for (const Sentencia& s : lote)
        partes << textoDe(s);
    return partes.join(u";\n"_s);
}

QString ResuelvePrefijos(QStringView tsql)
{
    Tokens v = Tokeniza(tsql);
    reglaPrefijoAdmin(v);
    return texto(v);
}

QString TablaPrincipal(QStringView sql)
{
    Tokens v = Tokeniza(sql);
    reglaPrefijoAdmin(v);
    int nivel = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        if (simbolo(v[i], u"("))
            ++nivel;
        else if (simbolo(v[i], u")"))
            --nivel;
        else if (nivel == 0 && es(v[i], "FROM"_L1)) {
            size_t j = sigIdx(v, i + 1);
            if (j >= v.size() || !esNombre(v[j]))
                return QString();
            QString nombre = nombreSinCitar(v[j]);
            // Base.dbo.T, dbo.T: the last part names the table.
            while (j + 2 < v.size() && simbolo(v[j + 1], u".") && esNombre(v[j + 2])) {
                j += 2;
                nombre = nombreSinCitar(v[j]);
            }
            return nombre;
        }
    }
    return QString();
}

QSet<QString> AliasExplicitos(QStringView sql)
{
    QSet<QString> r;
    const Tokens v = Tokeniza(sql);
    int nivel = 0;
    bool enLista = false;
    for (size_t i = 0; i < v.size(); ++i) {
        if (simbolo(v[i], u"("))
            ++nivel;
        else if (simbolo(v[i], u")"))
            --nivel;
        else if (nivel == 0 && es(v[i], "SELECT"_L1))
            enLista = true;
        else if (nivel == 0 && es(v[i], "FROM"_L1) && enLista)
            break;
        else if (enLista && nivel == 0 && es(v[i], "AS"_L1)) {
            const size_t j = sigIdx(v, i + 1);
            if (j < v.size() && (esNombre(v[j]) || v[j].tipo == TipoToken::Texto))
                r.insert(v[j].tipo == TipoToken::Texto ? v[j].texto.mid(1, v[j].texto.size() - 2).toCaseFolded()
                                                         : nombreSinCitar(v[j]).toCaseFolded());
        }
    }
    return r;
}

}  // namespace TsqlSqlite
