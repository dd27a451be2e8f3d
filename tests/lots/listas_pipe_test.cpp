#include "lots/listas_pipe.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include "platform/avisos.h"
#include "platform/falla.h"
#include "platform/recorte.h"

#include <QSet>
#include <gtest/gtest.h>
#include <algorithm>
#include <random>

namespace {

using namespace ListasPipe;

// Texts written with "ÿ" for the character 255.
QString T(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList L(std::initializer_list<const char*> items)
{
    QStringList r;
    for (const char* i : items)
        r << T(i);
    return r;
}

// Every reader on the same inputs: their differences are the contract.
TEST(ListasPipe, LectoresSobreLasMismasEntradas)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    struct {
        const char* texto;
        const char* str;
        QStringList arreglo;
        long cantidad;
        short posicion;
        const char* extraido;
        const char* buscado;
        long hallado;
        size_t informes;   // reports of Busca_Lotes_Series
    } const casos[] = {
        {"", "", L({""}), 0, 1, "", "A", 0, 0},
        {"|", "", L({""}), 0, 1, "", "A", 0, 0},
        {"||", "", L({"", ""}), 1, 1, "", "A", 0, 0},
        {"|A|b|a|B|C|", " A b C", L({"A", "b", "a", "B", "C", ""}), 5, 2, "b", "B", 2, 0},
        // Unclosed last item: the counters and ExtraeSerieLote read it, StrSerieLote does
        // not, Busca_Lotes_Series finds A and reports the malformed list once.
        {"A|B", " A", L({"A", "B", ""}), 2, 2, "B", "A", 1, 1},
        {"A|B", " A", L({"A", "B", ""}), 2, 3, "", "B", 0, 1},
        {" |A| B |", " A B", L({"A", "B", ""}), 2, 2, " B ", "b ", 2, 0},
        {"A", "", L({"A", ""}), 1, 1, "A", "A", 0, 0},
        {"|x|X|", " x", L({"x", "X", ""}), 2, 0, "", "X", 1, 0},
        {"|x|X|", " x", L({"x", "X", ""}), 2, -1, "", "abc", 0, 0},
        {"|L1ÿS1|ÿS2|ÿ|", " L1ÿS1 ÿS2 ÿ", L({"L1ÿS1", "ÿS2", "ÿ", ""}), 3, 4, "", "l1ÿs1", 1, 0},
        {"|L1ÿS1|ÿS2|ÿ|", " L1ÿS1 ÿS2 ÿ", L({"L1ÿS1", "ÿS2", "ÿ", ""}), 3, 3, "ÿ", "Ÿ", 3, 0},
        // Only one opening "|" is dropped: "||A|" has a blank first item.
        {"||A|", " A", L({"", "A", ""}), 2, 2, "A", "A", 2, 0},
        {"|A|B|C|", " A B C", L({"A", "B", "C", ""}), 3, 3, "C", "C", 3, 0},
        {"|A|B|C", " A B", L({"A", "B", "C", ""}), 3, 3, "C", "C", 0, 1},
        {"   ", "", L({""}), 0, 1, "", "A", 0, 0},
        {"|abc| abc |", " abc", L({"abc", "abc", ""}), 2, 2, " abc ", "ABC", 1, 0},
        // Only blanks are trimmed: a tab or a carriage return belongs to its item.
        {"|A\t| B\r|", " A\t B\r", L({"A\t", "B\r", ""}), 2, 2, " B\r", "b\r", 2, 0},
        {"\t|A|", " \t A", L({"\t", "A", ""}), 2, 1, "\t", "A", 2, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        const QString texto = T(c.texto);
        EXPECT_EQ(StrSerieLote(texto), T(c.str));
        QStringList arreglo{QStringLiteral("viejo")};
        EXPECT_EQ(DescomponeSerieLote(texto, arreglo), QString());
        EXPECT_EQ(arreglo, c.arreglo);
        EXPECT_EQ(Cantidad_Series_Lotes(texto), c.cantidad);
        EXPECT_EQ(ExtraeSerieLote(texto, c.posicion), T(c.extraido));
        avisos.preguntas.clear();
        EXPECT_EQ(Busca_Lotes_Series(texto, T(c.buscado)), c.hallado);
        EXPECT_EQ(avisos.preguntas.size(), c.informes);
    }
    EXPECT_TRUE(s.Enviado().isEmpty());
}

TEST(ListasPipe, PosicionesCantidadesYLotes)
{
    SesionGlobal s;
    struct {
        const char* posiciones;
        const char* lotes;
        QStringList arrPos, arrCant, arrLote;
        bool malformada;
    } const casos[] = {
        {"|P1*5|*3|", "|L1||", L({"P1", "", ""}), L({"5", "3", ""}), L({"L1", "", ""}), false},
        {"|P1*5*2|", "", L({"P1", ""}), L({"5*2", ""}), L({""}), false},
        {"| P1 *5 |", "L1", L({"P1 ", ""}), L({"5", ""}), L({"L1", ""}), false},
        {"P1*5", "|L1|", L({""}), L({""}), L({"L1", ""}), false},   // no "|": no positions
        {"", "", L({""}), L({""}), L({""}), false},
        // Malformed: the items before the fault, split, and the lots as usual.
        {"|P1*5|P2*3", "|L1|L2|", L({"P1", ""}), L({"5", ""}), L({"L1", "L2", ""}), true},
        {"|P1|", "|L1|", L({""}), L({""}), L({"L1", ""}), true},
        {"|P1*5|P2|P3*1|", "|L1|", L({"P1", ""}), L({"5", ""}), L({"L1", ""}), true},
    };
    for (const auto& c : casos) {
        // Whatever the manager answers, the fault is reported once and the member returns.
        for (int respuesta : {Avisos::Abortar, Avisos::Reintentar, Avisos::Ignorar}) {
            SCOPED_TRACE(QStringLiteral("%1 %2 respuesta %3").arg(T(c.posiciones), T(c.lotes)).arg(respuesta).toStdString());
            AvisosGrabados avisos;
            avisos.Responder({respuesta, respuesta});
            QStringList pos{QStringLiteral("x")}, cant{QStringLiteral("x")}, lote{QStringLiteral("x")};
            EXPECT_EQ(DescomponePosicionCantidadLote(T(c.posiciones), T(c.lotes), pos, cant, lote), QString());
            EXPECT_EQ(pos, c.arrPos);
            EXPECT_EQ(cant, c.arrCant);
            EXPECT_EQ(lote, c.arrLote);
            ASSERT_EQ(avisos.preguntas.size(), c.malformada ? 1u : 0u);
            if (c.malformada) {
                EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("DescomponePosicionCantidadLote")));
            }
        }
    }
}

TEST(ListasPipe, BusquedaMalFormadaSeInformaUnaVez)
{
    SesionGlobal s;
    for (int respuesta : {Avisos::Abortar, Avisos::Reintentar, Avisos::Ignorar}) {
        AvisosGrabados avisos;
        avisos.Responder({respuesta, respuesta});
        EXPECT_EQ(Busca_Lotes_Series(QStringLiteral("|L1|L2|L3"), QStringLiteral("L2")), 2);
        EXPECT_EQ(Busca_Lotes_Series(QStringLiteral("|L1|L2|L3"), QStringLiteral("L3")), 0);
        ASSERT_EQ(avisos.preguntas.size(), 2u);
        EXPECT_TRUE(avisos.preguntas[1].titulo.endsWith(QStringLiteral("Busca_Lotes_Series")));
    }
}

TEST(ListasPipe, CuentaSeriesOLotes)
{
    struct {
        const char* series;
        const char* lotes;
        long consolidado;     // SinConsolidar false
        long sinConsolidar;
    } const casos[] = {
        {"|S1|S1|S2|", "|L1|L2|L3|", 2, 3},
        {"", "|L1|L1|L2|", 2, 3},
        {"|-|-|", "", 1, 2},               // "-" is a real key
        {"|ÿ|L1ÿ|", "", 2, 2},              // so is the character 255 alone
        {"", "|ÿ|L1ÿ|", 2, 2},
        {"   ", "|L1|L2|", 2, 2},           // a blank serial list is an empty one
        {"|S1|S2|", "|L1|", 2, 2},          // the lots take no part
        {"|s1|S1|", "", 1, 2},
        {"|S1||", "|L1|L2|", 1, 2},         // blank keys skipped
        {"", "|L1||L3|", 2, 3},
        {"", "", 0, 0},
        {"|ÿ|Ÿ|", "", 1, 2},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("'%1' '%2'").arg(T(c.series), T(c.lotes)).toStdString());
        EXPECT_EQ(Cuenta_Series_Lotes(T(c.series), T(c.lotes), false), c.consolidado);
        EXPECT_EQ(Cuenta_Series_Lotes(T(c.series), T(c.lotes), true), c.sinConsolidar);
    }
}

TEST(ListasPipe, LoteDelPrimerValorPositivo)
{
    SesionGlobal s;
    struct {
        const char* valores;
        const char* lotes;
        const char* lote;
        const char* valoresDespues;
        const char* lotesDespues;
    } const casos[] = {
        {"|0|2|1|", "|L1|L2|L3|", "L2", "|0|2|1|", "|L1|L2|L3|"},
        {"|1ÿ|", "|L1ÿ|", "L1", "|1|", "|L1|"},
        {"|0|5|", "|L1|", "", "|0|5|", "|L1|"},   // paired with the lots' spare element
        {"|0|-1|", "|L1|L2|", "", "|0|-1|", "|L1|L2|"},
        {"|ÿ0|ÿ 3 |", "|ÿA|ÿ B |", "B", "|0| 3 |", "|A| B |"},
        {"", "", "", "", ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valores);
        QString valores = T(c.valores), lotes = T(c.lotes);
        EXPECT_EQ(ExtraeSerieLoteConValor(valores, lotes), T(c.lote));
        EXPECT_EQ(valores, T(c.valoresDespues));
        EXPECT_EQ(lotes, T(c.lotesDespues));
    }
    // A value past the end of the lots list is a fault of the lists, not "no lot";
    // the cleaned texts are handed back all the same.
    const std::pair<const char*, const char*> cortas[] = {
        {"|0|0|5|", "|L1|"},
        {"|0|1ÿ|", ""},
        {"|0|0|0|2|", "|L1ÿ|L2ÿ|"},
    };
    for (const auto& [valoresTexto, lotesTexto] : cortas) {
        SCOPED_TRACE(valoresTexto);
        QString valores = T(valoresTexto), lotes = T(lotesTexto);
        try {
            ExtraeSerieLoteConValor(valores, lotes);
            ADD_FAILURE() << "no failure";
        } catch (const Falla& f) {
            EXPECT_EQ(f.Numero, Falla::FueraDeRango);
        }
        EXPECT_FALSE(valores.contains(Chr255));
        EXPECT_FALSE(lotes.contains(Chr255));
    }
}

// Lists built from random items (fixed seeds): blanks, accents, "*", "-", the
// character 255, empty items. Every reader gives back what was put in.
TEST(ListasPipe, ListasArmadasDeItemsAlAzar)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    const QStringList partes = L({"A", "b", "L1", "ñ", "Á", " ", "  ", "-", "*", "1.5", "ÿ", "Ÿ", "\t", "x y", "ß", "İ"});
    const auto plegado = [](const QString& t) { return Recorta(t).toCaseFolded(); };
    for (unsigned semilla = 1; semilla <= 400; ++semilla) {
        std::mt19937 azar(semilla);
        // The engine's sequence is fixed by the standard; the distributions' is not.
        const auto entre = [&](int a, int b) { return a + int(azar() % unsigned(b - a + 1)); };
        QStringList items;
        for (int i = 0, n = entre(1, 10); i < n; ++i) {
            QString item;
            for (int k = entre(0, 4); k > 0; --k)
                item += partes[entre(0, int(partes.size()) - 1)];
            items << item;
        }
        const QString lista = u'|' + items.join(u'|') + u'|';
        SCOPED_TRACE(lista.toStdString());
        const long n = long(items.size());
        QStringList recortados, distintos, con255;
        QSet<QString> vistos;
        for (const QString& i : items) {
            recortados << Recorta(i);
            con255 << Recorta(i + Chr255);
            if (!Recorta(i).isEmpty() && !vistos.contains(plegado(i))) {
                vistos.insert(plegado(i));
                distintos << Recorta(i);
            }
        }
        QStringList arreglo;
        DescomponeSerieLote(lista, arreglo);
        EXPECT_EQ(arreglo, recortados + QStringList{QString()});
        DescomponeSerieLote(InsertaCHR255(lista), arreglo);
        EXPECT_EQ(arreglo, con255 + QStringList{QString()});
        EXPECT_EQ(Cantidad_Series_Lotes(lista), n);
        EXPECT_EQ(Cuenta_Series_Lotes(lista, QString(), true), n);
        EXPECT_EQ(Cuenta_Series_Lotes(QString(), lista, true), n);
        EXPECT_EQ(Cuenta_Series_Lotes(lista, QString(), false), long(distintos.size()));
        EXPECT_EQ(Cuenta_Series_Lotes(QString(), lista, false), long(distintos.size()));
        EXPECT_EQ(StrSerieLote(lista), distintos.isEmpty() ? QString() : u' ' + distintos.join(u' '));
        for (long j = 1; j <= n; ++j) {
            EXPECT_EQ(ExtraeSerieLote(lista, j), items[j - 1]) << j;
            long primero = 1;
            while (plegado(items[primero - 1]) != plegado(items[j - 1]))
                ++primero;
            EXPECT_EQ(Busca_Lotes_Series(lista, items[j - 1]), primero) << j;
        }
        EXPECT_EQ(ExtraeSerieLote(lista, n + 1), QString());
        for (const long cuantos : {0L, n / 2, n, n + 3})
            EXPECT_EQ(PrimerosItems(lista, cuantos), items.mid(0, std::min(cuantos, n))) << cuantos;
    }
    EXPECT_TRUE(avisos.preguntas.empty());
}

// An entry of one row per unit can hand the posting more than 32767 serial
// numbers; each of them is read at its own place.
TEST(ListasPipe, ItemMasAllaDe32767)
{
    QStringList items;
    for (int i = 1; i <= 40000; ++i)
        items << QStringLiteral("S%1").arg(i);
    const QString lista = u'|' + items.join(u'|') + u'|';
    const std::pair<long, const char*> casos[] = {
        {32767, "S32767"}, {32768, "S32768"}, {65537, ""}, {40000, "S40000"}, {40001, ""},
    };
    for (const auto& [posicion, item] : casos)
        EXPECT_EQ(ExtraeSerieLote(lista, posicion), T(item)) << posicion;
}

TEST(ListasPipe, Caracter255AlFinalDeCadaItem)
{
    EXPECT_EQ(Chr255, QChar(0xFF));
    const std::pair<const char*, const char*> casos[] = {
        {"|L1|L2|", "|L1ÿ|L2ÿ|"},
        {"", "|"},
        {"|", "|"},
        {"L1|L2|", "|L1ÿ|L2ÿ|"},   // the first lot keeps its first character
        {"|L1|L2", "|L1ÿ|L2"},     // nothing on the unclosed item
    };
    for (const auto& [entrada, salida] : casos)
        EXPECT_EQ(InsertaCHR255(T(entrada)), T(salida)) << entrada;
}

struct Terna {
    QString lote, serie, cantidad;
    bool operator==(const Terna&) const = default;
};

void PrintTo(const Terna& t, std::ostream* os)
{
    *os << '[' << t.lote.toStdString() << "][" << t.serie.toStdString() << "][" << t.cantidad.toStdString() << ']';
}

// The stock posting's reading: count the items, take item j of each list for
// j = 1 ... count, trim, split a key at its first character 255, fit to 25.
TEST(ListasPipe, IdaYVueltaDeLaGrabacionDeStock)
{
    SesionGlobal s;
    const auto ajusta = [](const QString& x) { return ModGlobal::gUtilidades->AjustaAncho(x.trimmed(), 25); };
    // Items of col21 (lots or keys) and col22 (serials or quantities) as the posting pairs them.
    const auto lee = [&](const QString& col21, const QString& col22, long cuenta, bool claves) {
        std::vector<Terna> r;
        for (short j = 1; j <= cuenta; ++j) {
            QString lote = ExtraeSerieLote(col21, j).trimmed(), serie;
            const QString segundo = ExtraeSerieLote(col22, j).trimmed();
            const qsizetype p = lote.indexOf(Chr255);
            if (claves && p >= 0) {
                serie = lote.mid(p + 1);
                lote = lote.left(p);
            }
            r.push_back({ajusta(lote), claves ? ajusta(serie) : ajusta(segundo), claves ? segundo : QString()});
        }
        return r;
    };
    const auto terna = [&](const char* lote, const char* serie, const char* cantidad) {
        return Terna{ajusta(T(lote)), ajusta(T(serie)), T(cantidad)};
    };

    // Issue: the dialog's lot-serial keys with the quantities taken; counted on column 21 alone.
    const QString largo(25, u'L');
    const QString claves = T("|L1ÿS1|L2ÿ|ÿ|") + largo + Chr255 + QStringLiteral("SERIE-LARGA|");
    const QString cantidades = QStringLiteral("|2|3|0|1|");
    const long cuenta = Cuenta_Series_Lotes(claves, QString(), false);
    EXPECT_EQ(cuenta, 4);
    EXPECT_EQ(lee(claves, cantidades, cuenta, true),
              (std::vector<Terna>{terna("L1", "S1", "2"), terna("L2", "", "3"), terna("", "", "0"),
                                  Terna{largo, ajusta(QStringLiteral("SERIE-LARGA")), QStringLiteral("1")}}));

    // The lots turned into keys with an empty serial read back as the same lots.
    const QString lotes = QStringLiteral("|M2601|M2602|");
    const QString comoClaves = InsertaCHR255(lotes);
    EXPECT_EQ(lee(comoClaves, QStringLiteral("|4|1|"), Cuenta_Series_Lotes(comoClaves, QString(), false), true),
              (std::vector<Terna>{terna("M2601", "", "4"), terna("M2602", "", "1")}));

    // Entry of serial-numbered stock: serials in column 22, their lots in 21, counted unconsolidated.
    const QString series = QStringLiteral("|MT-1001|MT-1002|MT-2001|");
    const QString lotesDeSeries = QStringLiteral("|M2601|M2601|M2602|");
    EXPECT_EQ(Cuenta_Series_Lotes(series, lotesDeSeries, true), 3);
    EXPECT_EQ(lee(lotesDeSeries, series, 3, false),
              (std::vector<Terna>{Terna{ajusta("M2601"), ajusta("MT-1001"), {}},
                                  Terna{ajusta("M2601"), ajusta("MT-1002"), {}},
                                  Terna{ajusta("M2602"), ajusta("MT-2001"), {}}}));

    // Positions with their lots, as the positions-and-lots dialog writes them.
    QStringList pos, cant, lote;
    DescomponePosicionCantidadLote(QStringLiteral("|P1*5|*3|"), QStringLiteral("|L2601|L2603|"), pos, cant, lote);
    EXPECT_EQ(pos, L({"P1", "", ""}));
    EXPECT_EQ(cant, L({"5", "3", ""}));
    EXPECT_EQ(lote, L({"L2601", "L2603", ""}));
}

}  // namespace
