#pragma once
// The worksheet the export fills, as our stand-in for the spreadsheet program.
// Each member is one call the export makes (a value, a format, a border, a
// column width, an autofit), applied in the order it is made. Some act on
// cells written earlier: a column's number format reformats the cells already
// in it, and an autofit measures what the column holds at that moment.
//
// The sheet is written by rows in order and keeps only the row in progress,
// so memory does not grow with the rows. That needs two runs of the same
// calls: the first learns the sheet's final state (each column's last format
// and when it was set, the widths of the last autofit, the page), the second
// hands every finished row, already in its final form, to a destination (the
// file writer, the print preview, a test).

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace Hoja {

// The number formats the export uses.
enum class FormatoNumero : std::uint8_t { General, Importe, Fecha };
constexpr int CantidadFormatos = 3;
// "General", "#,##0.00", "dd/mm/yyyy".
QString TextoFormato(FormatoNumero formato);

// What a cell holds. A date is a number (its serial day) read from a date text.
struct Valor {
    enum class Tipo : std::uint8_t { Vacio, Texto, Numero };
    Tipo tipo = Tipo::Vacio;
    QString texto;
    double numero = 0.0;
    bool esFecha = false;

    bool operator==(const Valor&) const = default;
};

// A text put into a cell, read as the spreadsheet reads what is typed: a number
// or a date (from 1 Jan 1900 on) only when the whole trimmed text is one;
// blanks only, nothing.
Valor LeeValor(const QString& texto);
// A whole number text: an optional sign, digits, "." or "," as decimal sign,
// thousands grouped in threes by the other sign. A leading zero makes it a
// code ("00123"), not a number.
std::optional<double> LeeNumero(QStringView texto);
// A date text: what the suite's date test takes (day first, or ISO), and year
// first with "/" ("yyyy/m/d"); optionally followed by a time.
std::optional<QDateTime> LeeFecha(QStringView texto);

// Serial day numbers as the spreadsheet keeps dates (1 = 1 Jan 1900).
double NumeroDeSerie(const QDateTime& fecha);

// The text a cell shows with a number format, in the regional form.
QString TextoMostrado(const Valor& valor, FormatoNumero formato);
// The width, in character units, that fits a shown text of that length.
double AnchoAjustado(qsizetype caracteres);

// The failure of a call the spreadsheet refuses (1004, from "Excel").
[[noreturn]] void Rehusa();

// 0xRRGGBB of an entry of the spreadsheet's standard colour palette.
std::uint32_t ColorDePaleta(int indice);

struct Estilo {
    FormatoNumero formato = FormatoNumero::General;
    bool negrita = false;
    bool bordes = false;                      // thin continuous line on all four sides
    std::optional<std::uint32_t> colorFuente; // 0xRRGGBB; none: automatic
    int colorInterior = 0;                    // palette index; 0: no fill

    bool operator==(const Estilo&) const = default;
    // Anything besides the number format.
    bool TieneAtributos() const { return negrita || bordes || colorFuente || colorInterior; }
};

struct Celda {
    int columna = 0;
    Valor valor;
    Estilo estilo;
};

// A finished row: its cells by column.
struct Fila {
    int numero = 0;
    std::vector<Celda> celdas;
};

struct Columna {
    std::optional<double> ancho;  // character units; 0 hides the column
    FormatoNumero formato = FormatoNumero::General;
    long long ultimoFormato = -1; // when its number format was last set (-1: never)
};

// The sheet's final state, learnt by the first run.
struct Plan {
    std::map<int, Columna> columnas;
    double tamanoFuente = 11;
    bool horizontal = false;
    int ultimaColumna = 0;
    int ultimaFila = 0;
};

// Where the second run hands its rows, in order.
class Destino {
public:
    virtual ~Destino() = default;
    // A new workbook with this many sheets; the rows that follow are the active sheet's.
    virtual void Libro(int hojas, const Plan& plan) = 0;
    virtual void Escribe(const Fila& fila) = 0;
};

}  // namespace Hoja

// Rows and columns are 1-based. A call that the spreadsheet would refuse
// (a column outside the sheet, a width over 255, a row already finished) fails
// with a Falla and changes nothing.
class HojaExcel {
public:
    static constexpr int MaximoFilas = 1048576;
    static constexpr int MaximoColumnas = 16384;

    // The first run: learns the plan.
    HojaExcel() = default;
    // The second run: rows go to the destination in their final form.
    HojaExcel(const Hoja::Plan& plan, Hoja::Destino& destino) : plan_(&plan), destino_(&destino) {}
    HojaExcel(const HojaExcel&) = delete;
    HojaExcel& operator=(const HojaExcel&) = delete;

    // Cells.Font.Size
    void TamanoFuente(double puntos);
    // Range(fila, desde : fila, hasta).Borders.LineStyle = continuous
    void Bordes(int fila, int desde, int hasta);
    // Cells(fila, columna).Interior.ColorIndex
    void ColorInterior(int fila, int columna, int indice);
    // Range(fila, desde : fila, hasta).Font.Color and .Font.Bold
    void ColorFuente(int fila, int desde, int hasta, std::uint32_t color);
    void Negrita(int fila, int desde, int hasta, bool negrita);
    // Cells(fila, columna) = texto
    void Asigna(int fila, int columna, const QString& texto);
    // The same with the text already read (Hoja::LeeValor).
    void Asigna(int fila, int columna, Hoja::Valor valor);
    // Cells(fila, columna).NumberFormat
    void FormatoCelda(int fila, int columna, Hoja::FormatoNumero formato);
    // Columns(columna).Select; a new sheet has cell (1, 1) selected.
    void SeleccionaColumna(int columna);
    // Selection.NumberFormat: the selected column's, or the selected cell's.
    void FormatoSeleccion(Hoja::FormatoNumero formato);
    // Columns(columna).NumberFormat
    void FormatoColumna(int columna, Hoja::FormatoNumero formato);
    // Cells.EntireColumn.AutoFit: every column holding something takes the
    // width of its widest shown text; hidden and empty columns keep theirs.
    void AutoAjusta();
    // Columns(columna).ColumnWidth
    void AnchoColumna(int columna, double ancho);
    // PageSetup.Orientation = landscape
    void Horizontal();

    // Finishes the row in progress (no call may follow).
    void Termina();
    // What the calls so far left (complete after Termina).
    Hoja::Plan Plan() const;

private:
    struct Pendiente {
        Hoja::Valor valor;
        Hoja::Estilo estilo;
        bool formatoPropio = false;
        long long cuando = -1;  // when its own number format was set
    };
    // Widest shown text of each column's finished cells under each format:
    // cells that follow the column's format, and cells that keep their own
    // (kept apart until the column's format next takes them over).
    struct Medidas {
        std::array<qsizetype, Hoja::CantidadFormatos> siguen{};
        std::array<qsizetype, Hoja::CantidadFormatos> propias{};
        qsizetype propiasComoEstan = 0;
    };
    struct EstadoColumna {
        Hoja::Columna columna;
        Medidas medidas;
    };

    Pendiente& CeldaPendiente(int fila, int columna);
    // Changes the style of each cell of the row between the two columns, in either order.
    template <class Cambio>
    void EnRango(int fila, int desde, int hasta, Cambio cambio);
    void IrAFila(int fila);
    static void ValidaColumna(int columna);
    bool RigePropio(const Pendiente& p, const Hoja::Columna& c) const;
    Hoja::FormatoNumero FormatoVigente(const Pendiente& p, const Hoja::Columna& c) const;
    void CierraFila();

    const Hoja::Plan* plan_ = nullptr;
    Hoja::Destino* destino_ = nullptr;
    long long reloj_ = 0;
    int fila_ = 0;
    // The row in progress by column, in column order (cells mostly come in
    // that order, and the storage is kept from row to row).
    std::vector<std::pair<int, Pendiente>> pendientes_;
    Pendiente* BuscaPendiente(int columna);
    // Shown lengths of the numbers met so far (a column repeats its amounts).
    std::unordered_map<std::uint64_t, std::array<qsizetype, Hoja::CantidadFormatos>> largosNumeros_;
    std::array<qsizetype, Hoja::CantidadFormatos> Largos(const Hoja::Valor& v);
    Hoja::Fila salida_;
    std::map<int, EstadoColumna> columnas_;
    // Each column's state by its number, looked up at every cell (the map
    // keeps them in order; its entries stay where they are).
    std::vector<EstadoColumna*> estados_;
    EstadoColumna& Estado(int columna);
    // The plan's columns by number (the second run).
    std::vector<const Hoja::Columna*> alFinal_;
    bool seleccionColumna_ = false;
    int seleccion_ = 1;
    double tamanoFuente_ = 11;
    bool horizontal_ = false;
    int ultimaColumna_ = 0;
    int ultimaFila_ = 0;
    bool terminada_ = false;
};
