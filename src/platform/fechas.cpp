#include "platform/fechas.h"

#include <QRegularExpression>

namespace Fechas {

QString Formatea(const QDateTime& fecha, const QString& patron)
{
    const QDate d = fecha.date();
    const QTime t = fecha.time();
    QString r;
    bool trasHora = false;
    const auto dos = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')); };
    for (qsizetype i = 0; i < patron.size();) {
        const QChar c = patron[i].toLower();
        qsizetype n = 1;
        while (i + n < patron.size() && patron[i + n].toLower() == c)
            ++n;
        const auto sigueSegundos = [&] {
            qsizetype j = i + n;
            while (j < patron.size() && !patron[j].isLetter())
                ++j;
            return j < patron.size() && patron[j].toLower() == u's';
        };
        switch (c.unicode()) {
        case u'd':
            r += n >= 2 ? dos(d.day()) : QString::number(d.day());
            trasHora = false;
            break;
        case u'm':
            if (trasHora || sigueSegundos())
                r += n >= 2 ? dos(t.minute()) : QString::number(t.minute());
            else
                r += n >= 2 ? dos(d.month()) : QString::number(d.month());
            trasHora = false;
            break;
        case u'n':
            r += n >= 2 ? dos(t.minute()) : QString::number(t.minute());
            trasHora = false;
            break;
        case u'y':
            r += n >= 3 ? QStringLiteral("%1").arg(d.year(), 4, 10, QChar(u'0')) : dos(d.year() % 100);
            trasHora = false;
            break;
        case u'h':
            r += n >= 2 ? dos(t.hour()) : QString::number(t.hour());
            trasHora = true;
            break;
        case u's':
            r += n >= 2 ? dos(t.second()) : QString::number(t.second());
            trasHora = false;
            break;
        default:
            r += patron.mid(i, n);
            break;
        }
        i += n;
    }
    return r;
}

QDateTime EnElReloj(const QDate& dia, const QTime& hora, Qt::TimeSpec zona)
{
    QDateTime r(dia, hora, zona);
    if (r.isValid() || zona != Qt::LocalTime || !dia.isValid() || !hora.isValid())
        return r;
    // The same hour of the days before: a whole day skipped (Samoa, 2011)
    // looks one day further back.
    for (int atras = 1; atras <= 3; ++atras) {
        const QDateTime antes(dia.addDays(-atras), hora, Qt::LocalTime);
        if (antes.isValid())
            return QDateTime(dia, hora, Qt::OffsetFromUTC, antes.offsetFromUtc());
    }
    return QDateTime(dia, hora, Qt::UTC);
}

QDateTime DeValor(const QVariant& valor)
{
    if (valor.metaType().id() == QMetaType::QDate)
        return EnElReloj(valor.toDate(), QTime(0, 0));
    return valor.toDateTime();
}

namespace {

std::optional<QTime> leeHora(const QString& h, const QString& m, const QString& s)
{
    const QTime t(h.toInt(), m.toInt(), s.isEmpty() ? 0 : s.toInt());
    if (!t.isValid())
        return std::nullopt;
    return t;
}

}  // namespace

std::optional<QDateTime> Lee(const QString& texto, Qt::TimeSpec zona)
{
    static const QRegularExpression diaPrimero(QStringLiteral(
        R"(^\s*(\d{1,2})[/-](\d{1,2})[/-](\d{2}|\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    static const QRegularExpression iso(QStringLiteral(
        R"(^\s*(\d{4})-(\d{2})-(\d{2})(?:[T\s](\d{2}):(\d{2})(?::(\d{2})(?:\.\d+)?)?)?\s*$)"));
    static const QRegularExpression soloHora(QStringLiteral(R"(^\s*(\d{1,2}):(\d{2})(?::(\d{2}))?\s*$)"));

    // Captures 4 to 6 hold the optional time in both date forms.
    const auto conHora = [zona](const QRegularExpressionMatch& m, const QDate& d) -> std::optional<QDateTime> {
        if (!d.isValid())
            return std::nullopt;
        if (!m.capturedLength(4))
            return EnElReloj(d, QTime(0, 0), zona);
        const auto h = leeHora(m.captured(4), m.captured(5), m.captured(6));
        if (!h)
            return std::nullopt;
        return EnElReloj(d, *h, zona);
    };
    auto m = iso.match(texto);
    if (m.hasMatch())
        return conHora(m, QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()));
    m = diaPrimero.match(texto);
    // One separator throughout, as the database reads a date: "2/1-2027" it
    // compares as a plain text.
    if (m.hasMatch() && texto[m.capturedEnd(1)] == texto[m.capturedEnd(2)]) {
        int anio = m.captured(3).toInt();
        if (m.capturedLength(3) == 2)
            anio += anio < 30 ? 2000 : 1900;
        return conHora(m, QDate(anio, m.captured(2).toInt(), m.captured(1).toInt()));
    }
    m = soloHora.match(texto);
    if (m.hasMatch()) {
        auto h = leeHora(m.captured(1), m.captured(2), m.captured(3));
        if (!h)
            return std::nullopt;
        // A time alone is a time on the Basic zero date.
        return EnElReloj(QDate(1899, 12, 30), *h, zona);
    }
    return std::nullopt;
}

namespace {
// A day read from the text; a time alone (on the Basic zero date) is none.
std::optional<QDate> diaDe(const QString& texto)
{
    const auto f = Lee(texto);
    if (!f || f->date() == QDate(1899, 12, 30))
        return std::nullopt;
    return f->date();
}
}  // namespace

bool EsFecha(const QString& texto)
{
    return diaDe(texto).has_value();
}

bool EsFechaDeLaBase(const QString& texto)
{
    const auto dia = diaDe(texto);
    return dia && dia->year() >= PrimerAnioDeLaBase;
}

QString TextoRegional(const QDateTime& fecha)
{
    if (!fecha.isValid())
        return QString();
    if (fecha.time() == QTime(0, 0))
        return Formatea(fecha, QStringLiteral("dd/mm/yyyy"));
    return Formatea(fecha, QStringLiteral("dd/mm/yyyy hh:mm:ss"));
}

}  // namespace Fechas
