#include "services/ModExportarExcel.h"

#include "services/escritor_xlsx.h"
#include "services/vista_previa_hoja.h"
#include "session/ModGlobal.h"

#include "platform/avisos.h"
#include "platform/controles/lista.h"
#include "platform/eventos.h"
#include "platform/fechas.h"
#include "platform/numeros.h"
#include "platform/recorte.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace ModExportarExcel {

std::unique_ptr<AplicacionExcel> gExcelApp;

namespace {

const QString tituloCartel = QStringLiteral("Exportando a Excel");
const QString tituloAviso = QStringLiteral("Aviso al Operador");

// How the workbooks of the run in progress are made (none: rehearsed).
AplicacionExcel::NuevaHoja fabricaActual;
bool enCurso = false;

AplicacionExcel& aplicacion()
{
    if (!gExcelApp)
        throw Falla(Falla::ObjetoNoEstablecido, QStringLiteral("Variable de objeto o bloque With no establecido"));
    return *gExcelApp;
}

HojaExcel& hojaActiva()
{
    return aplicacion().HojaActiva();
}

template <class T>
T& entrada(std::vector<T>& v, int i)
{
    if (i < 0 || i >= static_cast<int>(v.size()))
        throw Falla(Falla::FueraDeRango, QStringLiteral("Subíndice fuera del intervalo"));
    return v[static_cast<size_t>(i)];
}

template <class T>
const T& entrada(const std::vector<T>& v, int i)
{
    return entrada(const_cast<std::vector<T>&>(v), i);
}

// A width as the whole-number array keeps it: rounded half to even, 16 bits.
int anchoEntero(double ancho)
{
    const double r = Numeros::RedondeoPar(ancho, 0);
    if (!(std::fabs(r) <= 32767))
        throw Falla(Falla::Desbordamiento, QStringLiteral("Desbordamiento"));
    return static_cast<int>(r);
}

// Pending events run at most every few milliseconds: a click or a repaint
// waits no longer than that, and a row of cells does not pay a trip through
// the event loop each.
class Eventos {
public:
    void Corre()
    {
        if (ultima_.isValid() && ultima_.elapsed() < 5)
            return;
        QCoreApplication::processEvents();
        ultima_.start();
    }

private:
    QElapsedTimer ultima_;
};

// The rows' texts lie wherever the list's load left them, and every cell
// would wait on memory for its text: the texts of the rows a few ahead are
// asked for while this one is worked on.
void Adelanta(const std::vector<FilaLista>& filas, size_t i)
{
    constexpr size_t lista = 16, textos = 8;
    if (i + lista < filas.size()) {
        const auto* t = reinterpret_cast<const char*>(filas[i + lista].SubItems.constData());
        for (size_t b = 0; b < filas[i + lista].SubItems.size() * sizeof(QString); b += 64)
            __builtin_prefetch(t + b);
    }
    if (i + textos < filas.size()) {
        const FilaLista& f = filas[i + textos];
        // Both ends: a description runs over two lines of memory.
        const auto pide = [](const QString& s) {
            __builtin_prefetch(s.constData());
            __builtin_prefetch(s.constData() + s.size());
        };
        pide(f.Text);
        for (const QString& s : f.SubItems)
            pide(s);
    }
}

// A sub-item as the notice's line shows it, trimmed; one with nothing to
// trim is shared, not copied through a trimmed text first.
QVariant Linea(const QString& t)
{
    return SinBlancosAlrededor(t).size() == t.size() ? QVariant(t) : QVariant(Recorta(t));
}

struct Pedido {
    bool visible = false;
    bool vistaPrevia = false;
};

// What a list text becomes in its cell: an amount (the cell takes the amount
// format), a date (written year first; its column takes the date format) or
// what it says, with the value the sheet reads from what is written.
struct Decision {
    enum class Clase : std::uint8_t { Texto, Importe, Fecha };
    Clase clase = Clase::Texto;
    std::optional<Hoja::Valor> valor;   // none: the text could not be written
};

// A text whose first character past the blanks is no digit, sign or decimal
// sign reads as no amount, date or number: it is what it says.
bool SoloTexto(const QString& t)
{
    const QStringView recortado = QStringView(t).trimmed();
    if (recortado.isEmpty())
        return false;
    const QChar c = recortado.front();
    return !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.' && c != u',';
}

// Such a text as its cell takes it.
Decision ComoTexto(const QString& t)
{
    Hoja::Valor v;
    v.tipo = Hoja::Valor::Tipo::Texto;
    v.texto = Recorta(t);
    Decision d;
    d.valor = std::move(v);
    return d;
}

// Any other text: an amount, a date, a number or what it says.
Decision Decide(const QString& t)
{
    Decision d;
    bool importe = false;
    try {
        importe = ModGlobal::gUtilidades->TextoAMoneda(t) > Moneda();
    } catch (...) {
        // A text that is no amount, or one too large: what follows decides.
    }
    try {
        if (importe) {
            d.clase = Decision::Clase::Importe;
            d.valor = Hoja::LeeValor(Recorta(t));
        } else if (const auto fecha = Hoja::LeeFecha(t)) {
            d.clase = Decision::Clase::Fecha;
            d.valor = Hoja::LeeValor(Fechas::Formatea(*fecha, QStringLiteral("yyyy/mm/dd")));
        } else {
            d.valor = Hoja::LeeValor(Recorta(t));
        }
    } catch (...) {
    }
    return d;
}

// The decisions of each column, taken once per text: both runs of the export
// and every row repeating a text (units, brands, rubros, costs) share them.
// A column keeps at most a few thousand texts, so that memory does not grow
// with the rows; past them, a text not kept is decided anew.
class Decisiones {
public:
    const Decision& De(int columna, const QString& t)
    {
        // Deciding such a text costs less than looking it up.
        if (SoloTexto(t)) {
            suelta_ = ComoTexto(t);
            return suelta_;
        }
        Columna& c = DeLaColumna(columna);
        if (!c.llena) {
            if (Decision* d = c.vistas.Busca(t)) {
                if (!c.Cuenta(true))
                    return *d;
                // The table goes with this look-up: its decision leaves it first.
                suelta_ = std::move(*d);
                c.vistas = {};
                return suelta_;
            }
            if (c.vistas.Cuantas() < Maximo)
                return c.vistas.Agrega(t, Decide(t));
            if (c.Cuenta(false))
                c.vistas = {};
        }
        suelta_ = Decide(t);
        return suelta_;
    }
    // The value to write: a decision kept is copied, one taken for this cell alone given away.
    Hoja::Valor Valor(const Decision& d)
    {
        if (&d == &suelta_)
            return std::move(*suelta_.valor);
        return *d.valor;
    }

private:
    static constexpr size_t Maximo = 4096;
    // Once full, a column is still looked up while most of its texts are
    // found there (a few thousand amounts, say, repeating); when most are
    // not (descriptions, codes), it stops looking.
    static constexpr int Tanda = static_cast<int>(Maximo);

    // Texts and their decisions in one array, found by the library's byte
    // hash (QHash's keyed one costs more than deciding a short text) at the
    // first free place from the hash on: a look-up is one or two reads, no
    // bucket list, no node of its own per text.
    class Tabla {
    public:
        Decision* Busca(const QString& t)
        {
            if (lugares_.empty())
                return nullptr;
            const size_t h = Dispersion(t);
            for (size_t i = h & mascara();; i = (i + 1) & mascara()) {
                Lugar& l = lugares_[i];
                if (!l.usado)
                    return nullptr;
                if (l.dispersion == h && l.texto == t)
                    return &l.decision;
            }
        }
        // Only for a text not there yet.
        Decision& Agrega(const QString& t, Decision d)
        {
            if (2 * (cuantas_ + 1) > lugares_.size())
                Agranda();
            ++cuantas_;
            return Pon(Dispersion(t), t, std::move(d));
        }
        size_t Cuantas() const { return cuantas_; }

    private:
        struct Lugar {
            bool usado = false;
            size_t dispersion = 0;
            QString texto;
            Decision decision;
        };
        static size_t Dispersion(const QString& t)
        {
            return std::hash<std::u16string_view>{}(
                std::u16string_view(reinterpret_cast<const char16_t*>(t.constData()), size_t(t.size())));
        }
        size_t mascara() const { return lugares_.size() - 1; }
        Decision& Pon(size_t h, QString t, Decision d)
        {
            size_t i = h & mascara();
            while (lugares_[i].usado)
                i = (i + 1) & mascara();
            lugares_[i] = {true, h, std::move(t), std::move(d)};
            return lugares_[i].decision;
        }
        void Agranda()
        {
            std::vector<Lugar> antes = std::exchange(lugares_, std::vector<Lugar>(std::max<size_t>(64, 2 * lugares_.size())));
            for (Lugar& l : antes)
                if (l.usado)
                    Pon(l.dispersion, std::move(l.texto), std::move(l.decision));
        }
        std::vector<Lugar> lugares_;  // a power of two of them, at most half used
        size_t cuantas_ = 0;
    };

    struct Columna {
        Tabla vistas;
        bool llena = false;
        int buscadas = 0;
        int halladas = 0;
        // True when the column stops looking: the caller lets the table go.
        bool Cuenta(bool hallada)
        {
            if (vistas.Cuantas() < Maximo)
                return false;
            if (hallada)
                ++halladas;
            if (++buscadas < Tanda)
                return false;
            llena = 2 * halladas < buscadas;
            buscadas = halladas = 0;
            return llena;
        }
    };
    // A list has a few columns: found by going through them.
    Columna& DeLaColumna(int columna)
    {
        for (auto& [numero, c] : columnas_)
            if (numero == columna)
                return c;
        return columnas_.emplace_back(columna, Columna()).second;
    }
    std::vector<std::pair<int, Columna>> columnas_;
    Decision suelta_;
};

// The export's calls, in the order it makes them. With avisos, the notice is
// shown and pending events run before each row and each column.
struct Recorrido {
    const FotoLista& lista;
    bool vistaPrevia;
    bool soloTildados;
    std::array<short, 3> fechas;
    // Shared by the runs: a text is decided once, whichever run meets it first.
    std::shared_ptr<Decisiones> decisionesCompartidas = std::make_shared<Decisiones>();

    Pedido Recorre(bool avisos) const
    {
        Procedimiento p = Procedimiento::Silencioso(QStringLiteral("ExportarListViewExcel"));
        Decisiones& decisiones = *decisionesCompartidas;
        const auto& encabezados = lista.ColumnHeaders;
        const auto cuenta = [](const EncabezadoLista& e) { return e.Width > 50; };

        int n = 0;
        std::vector<QString> titulos;
        std::vector<int> anchos;
        p.paso([&] { n = static_cast<int>(std::count_if(encabezados.begin(), encabezados.end(), cuenta)); });
        p.paso([&] {
            titulos.assign(static_cast<size_t>(n) + 2, QString());
            anchos.assign(static_cast<size_t>(n) + 2, 0);
        });
        for (const EncabezadoLista& e : encabezados) {
            if (!cuenta(e))
                continue;
            p.paso([&] { entrada(titulos, e.Position) = e.Text; });
            p.paso([&] { entrada(anchos, e.Position) = anchoEntero(e.Width); });
        }
        p.paso([&] {
            short hojas = 0;
            CreaLibroExcel(hojas);
        });
        p.paso([&] { FormateaEncabezadoExcel(static_cast<int>(titulos.size()), titulos, anchos); });
        for (const short f : fechas) {
            if (f < 0)
                continue;
            p.paso([&] { hojaActiva().SeleccionaColumna(f); });
            p.paso([&] { hojaActiva().FormatoSeleccion(Hoja::FormatoNumero::Fecha); });
            p.paso([&] { hojaActiva().AutoAjusta(); });
        }
        if (avisos)
            p.paso([&] { ModGlobal::gCartel->CartelInicio(tituloCartel, false); });

        Eventos eventos;
        bool fijas = false;
        int fila = 1;
        const auto& filas = lista.ListItems;
        for (size_t i = 0; i < filas.size(); ++i) {
            Adelanta(filas, i);
            const FilaLista& item = filas[i];
            if (soloTildados && !item.Checked)
                continue;
            ++fila;
            if (avisos)
                eventos.Corre();
            for (size_t c = 1; c <= encabezados.size(); ++c) {
                const EncabezadoLista& e = encabezados[c - 1];
                if (avisos) {
                    // A missing sub-item leaves the notice as it was.
                    // The first two lines never change: given once, then kept.
                    // The notice's update runs pending events itself, and the
                    // first column's ran with the row's.
                    if (c >= 2 && static_cast<qsizetype>(c) - 2 < item.SubItems.size())
                        p.paso([&] {
                            bool cancelado = false;
                            const LineaCartel titulo = fijas ? LineaCartel() : QVariant(tituloCartel);
                            const LineaCartel espera =
                                fijas ? LineaCartel() : QVariant(QStringLiteral("Espere Por Favor"));
                            ModGlobal::gCartel->CartelMostrar(cancelado, titulo, espera,
                                                              Linea(item.SubItems[static_cast<qsizetype>(c) - 2]));
                            fijas = true;
                        });
                    else if (c >= 2)
                        eventos.Corre();
                }
                if (!cuenta(e))
                    continue;
                const int r = fila + 1;
                if (c == 1) {
                    p.paso([&] { hojaActiva().Asigna(r, e.Position, Recorta(item.Text)); });
                    continue;
                }
                static const QString sinTexto;
                const qsizetype k = static_cast<qsizetype>(c) - 2;
                const Decision& d = decisiones.De(e.Position, k < item.SubItems.size() ? item.SubItems[k] : sinTexto);
                const auto asigna = [&] {
                    if (d.valor)
                        p.paso([&] { hojaActiva().Asigna(r, e.Position, decisiones.Valor(d)); });
                };
                switch (d.clase) {
                case Decision::Clase::Importe:
                    p.paso([&] { hojaActiva().FormatoCelda(r, e.Position, Hoja::FormatoNumero::Importe); });
                    asigna();
                    break;
                case Decision::Clase::Fecha:
                    asigna();
                    p.paso([&] { hojaActiva().SeleccionaColumna(e.Position); });
                    p.paso([&] { hojaActiva().FormatoSeleccion(Hoja::FormatoNumero::Fecha); });
                    p.paso([&] { hojaActiva().AutoAjusta(); });
                    break;
                case Decision::Clase::Texto:
                    asigna();
                    break;
                }
            }
        }

        if (avisos) {
            // What is pending runs once more before the notice goes, its last
            // lines painted first: they count as shown.
            ::Eventos::DuranteEspera(true);
            QCoreApplication::processEvents();
            p.paso([&] { ModGlobal::gCartel->CartelCerrar(); });
        }
        p.paso([&] { aplicacion().Visible = true; });
        if (vistaPrevia) {
            p.paso([&] { hojaActiva().Horizontal(); });
            p.paso([&] { aplicacion().VistaPrevia(); });
        }
        Pedido pedido;
        if (gExcelApp) {
            pedido.visible = gExcelApp->Visible;
            pedido.vistaPrevia = gExcelApp->VistaPreviaPedida();
        }
        gExcelApp.reset();
        return pedido;
    }

    // The sheet's final state, learnt by rehearsing the run.
    Hoja::Plan Ensaya() const
    {
        Hoja::Plan plan;
        Corre(false, nullptr, nullptr, &plan);
        return plan;
    }

    // One run. Without a destination the sheet is rehearsed and its final
    // state learnt; with one, its rows go there in their final form.
    Pedido Corre(bool avisos, const Hoja::Plan* plan, Hoja::Destino* destino, Hoja::Plan* aprendido = nullptr) const
    {
        std::shared_ptr<HojaExcel> hoja;
        fabricaActual = [&](int hojas) {
            if (plan && destino) {
                destino->Libro(hojas, *plan);
                hoja = std::make_shared<HojaExcel>(*plan, *destino);
            } else {
                hoja = std::make_shared<HojaExcel>();
            }
            return hoja;
        };
        const Pedido pedido = Recorre(avisos);
        fabricaActual = nullptr;
        if (hoja) {
            hoja->Termina();
            if (aprendido)
                *aprendido = hoja->Plan();
        }
        return pedido;
    }
};

// A new, uniquely named workbook file in the temporary folder; empty when
// there is no such folder.
QString archivoNuevo()
{
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (carpeta.isEmpty())
        return QString();
    QTemporaryFile archivo(QDir(carpeta).filePath(QStringLiteral("Libro_XXXXXX.xlsx")));
    archivo.setAutoRemove(false);
    if (!archivo.open())
        return QDir(carpeta).filePath(QStringLiteral("Libro.xlsx"));
    return archivo.fileName();
}

}  // namespace

FotoLista FotoDe(const Lista& lista)
{
    FotoLista foto;
    const EncabezadosLista& encabezados = lista.ColumnHeaders();
    foto.ColumnHeaders.reserve(static_cast<size_t>(encabezados.Count()));
    for (int c = 1; c <= encabezados.Count(); ++c) {
        const ColumnHeader& e = encabezados.Item(c);
        foto.ColumnHeaders.push_back({e.Text(), e.Width(), e.Position()});
    }
    const ElementosLista& elementos = lista.ListItems();
    foto.ListItems.reserve(static_cast<size_t>(elementos.Count()));
    for (int i = 1; i <= elementos.Count(); ++i) {
        ListItem& elemento = elementos.Item(i);
        FilaLista fila{elemento.Text(), {}, elemento.Checked()};
        fila.SubItems.reserve(elemento.CantidadSubItems());
        for (int k = 1; k <= elemento.CantidadSubItems(); ++k)
            fila.SubItems.push_back(elemento.ListSubItems(k).Text());
        foto.ListItems.push_back(std::move(fila));
    }
    return foto;
}

void CreaLibroExcel(short& CantidadHojas)
{
    gExcelApp = std::make_unique<AplicacionExcel>(fabricaActual);
    gExcelApp->Visible = false;
    if (CantidadHojas == 0)
        CantidadHojas = 2;
    gExcelApp->SheetsInNewWorkbook(CantidadHojas);
    gExcelApp->AgregaLibro();
}

void FormateaEncabezadoExcel(int CantidadColumnas, const std::vector<QString>& Titulos, const std::vector<int>& Anchos)
{
    HojaExcel& hoja = hojaActiva();
    const int ultima = CantidadColumnas - 1;
    hoja.TamanoFuente(11);
    hoja.Bordes(1, 1, ultima);
    for (int j = 1; j <= ultima; ++j)
        hoja.ColorInterior(1, j, 5);
    hoja.ColorFuente(1, 1, ultima, 0xFFFFFF);
    hoja.Negrita(1, 1, ultima, true);
    for (int j = 1; j <= ultima; ++j)
        hoja.Asigna(1, j, entrada(Titulos, j));
    for (int j = 1; j <= static_cast<int>(Anchos.size()) - 2; ++j)
        hoja.AnchoColumna(j, entrada(Anchos, j) / 90.0);
}

Hoja::Plan HojaExportada(const FotoLista& Foto, bool VistaPrevia, bool SoloTildados, short ColumnaFecha1,
                         short ColumnaFecha2, short ColumnaFecha3, Hoja::Destino& Destino)
{
    const Recorrido recorrido{Foto, VistaPrevia, SoloTildados, {ColumnaFecha1, ColumnaFecha2, ColumnaFecha3}};
    const Hoja::Plan plan = recorrido.Ensaya();
    recorrido.Corre(false, &plan, &Destino);
    return plan;
}

namespace {

// The export of a snapshot of its own: what the caller's list becomes
// meanwhile changes nothing that is written.
void exporta(const FotoLista foto, bool VistaPrevia, bool SoloTildados, short ColumnaFecha1, short ColumnaFecha2,
             short ColumnaFecha3)
{
    // Pending events run while it works: a second click must not start another.
    if (enCurso)
        return;
    enCurso = true;
    struct Fin {
        ~Fin() { enCurso = false; }
    } fin;

    const Recorrido recorrido{foto, VistaPrevia, SoloTildados, {ColumnaFecha1, ColumnaFecha2, ColumnaFecha3}};

    // The sheet is written row by row, so its final state (the columns'
    // formats, the widths of the last autofit) is learnt first.
    const Hoja::Plan plan = recorrido.Ensaya();

    const QString ruta = archivoNuevo();
    if (ruta.isEmpty()) {
        MsgBox(QStringLiteral("No se pudo guardar el libro de Excel: no se encontró la carpeta temporal."),
               Avisos::Exclamacion, tituloAviso);
        return;
    }
    EscritorXlsx escritor(ruta);
    const Pedido pedido = recorrido.Corre(true, &plan, &escritor);
    const QString falla = escritor.Cierra();
    if (!falla.isEmpty()) {
        // What did reach the disk is no workbook: nothing is left to be taken for the list.
        QFile::remove(ruta);
        MsgBox(QStringLiteral("No se pudo guardar el libro de Excel en\n%1\n(%2).").arg(ruta, falla),
               Avisos::Exclamacion, tituloAviso);
        return;
    }
    if (!pedido.visible)
        return;
    if (!Sistema::AbrirArchivo(ruta))
        MsgBox(QStringLiteral("El libro de Excel quedó guardado en\n%1\npero no se pudo abrir.").arg(ruta),
               Avisos::Exclamacion, tituloAviso);
    if (pedido.vistaPrevia)
        MuestraVistaPrevia([&](Hoja::Destino& destino) { recorrido.Corre(false, &plan, &destino); });
}

}  // namespace

void ExportarListViewExcel(const Lista& ListView, bool VistaPrevia, bool SoloTildados, short ColumnaFecha1,
                           short ColumnaFecha2, short ColumnaFecha3)
{
    // A busy export takes no snapshot either.
    if (enCurso)
        return;
    exporta(FotoDe(ListView), VistaPrevia, SoloTildados, ColumnaFecha1, ColumnaFecha2, ColumnaFecha3);
}

void ExportarListViewExcel(const FotoLista& Foto, bool VistaPrevia, bool SoloTildados, short ColumnaFecha1,
                           short ColumnaFecha2, short ColumnaFecha3)
{
    exporta(Foto, VistaPrevia, SoloTildados, ColumnaFecha1, ColumnaFecha2, ColumnaFecha3);
}

}  // namespace ModExportarExcel
