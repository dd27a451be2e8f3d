#pragma once
// The grid of text cells the voucher and plan windows work on, in place of the
// flex-grid control: rows and columns of text, row 0 the title row, column
// widths in twips (0 hides a column), the flex-grid's alignment codes, and the
// colours of single cells addressed through the current cell (Row, Col).
// Growing keeps every cell; shrinking drops the rows or columns past the end.
// Indexes outside the grid raise the control's failures (381, 380, 30009,
// 30010). Views follow the grid through its signals.

#include "platform/controles/colores.h"

#include <QObject>
#include <QString>
#include <vector>

enum AlineacionFlex : int {
    flexAlignLeftTop = 0,
    flexAlignLeftCenter = 1,
    flexAlignLeftBottom = 2,
    flexAlignCenterTop = 3,
    flexAlignCenterCenter = 4,
    flexAlignCenterBottom = 5,
    flexAlignRightTop = 6,
    flexAlignRightCenter = 7,
    flexAlignRightBottom = 8,
    flexAlignGeneral = 9,   // texts left, numbers right
};

class Grilla : public QObject {
    Q_OBJECT
public:
    // Width of a column the layout never set.
    static constexpr int AnchoColumnaPredeterminado = 960;

    explicit Grilla(QObject* padre = nullptr);

    int Rows() const { return filas_; }
    void setRows(int filas);
    int Cols() const { return columnas_; }
    void setCols(int columnas);
    int FixedRows() const { return filasFijas_; }
    void setFixedRows(int filas);
    int FixedCols() const { return columnasFijas_; }
    void setFixedCols(int columnas);

    // The current cell.
    int Row() const { return fila_; }
    void setRow(int fila);
    int Col() const { return columna_; }
    void setCol(int columna);

    QString TextMatrix(int fila, int columna) const;
    void setTextMatrix(int fila, int columna, const QString& texto);
    // Cell i counted row by row: row i / Cols, column i mod Cols.
    QString TextArray(int indice) const;
    void setTextArray(int indice, const QString& texto);
    // The text of the current cell.
    QString Text() const { return TextMatrix(fila_, columna_); }
    void setText(const QString& texto) { setTextMatrix(fila_, columna_, texto); }

    int ColWidth(int columna) const;
    // -1 gives the column its default width back.
    void setColWidth(int columna, int twips);
    int ColAlignment(int columna) const;
    void setColAlignment(int columna, int alineacion);

    // Colours of the current cell; 0 is the grid's own colour.
    ColorBgr CellBackColor() const { return celda(fila_, columna_).fondo; }
    void setCellBackColor(ColorBgr color);
    ColorBgr CellForeColor() const { return celda(fila_, columna_).tinta; }
    void setCellForeColor(ColorBgr color);

    // Empties every cell, text and colours; rows, columns and widths stay.
    void Clear();
    void Refresh();

    // Colours of any cell, for views.
    ColorBgr ColorFondo(int fila, int columna) const { return celda(fila, columna).fondo; }
    ColorBgr ColorTinta(int fila, int columna) const { return celda(fila, columna).tinta; }

signals:
    void antesDeCambiarFilas(int antes, int ahora);
    void filasCambiadas(int antes, int ahora);
    void antesDeCambiarColumnas(int antes, int ahora);
    void columnasCambiadas(int antes, int ahora);
    void antesDeCambiarFijas();
    void fijasCambiadas();
    void celdaCambiada(int fila, int columna);
    void columnaCambiada(int columna);   // width or alignment
    void actualCambiada();               // Row or Col
    void contenidoCambiado();            // every cell
    void refrescada();

private:
    struct Columna {
        int ancho = AnchoColumnaPredeterminado;
        int alineacion = flexAlignGeneral;
    };
    struct Celda {
        QString texto;
        ColorBgr fondo = 0;
        ColorBgr tinta = 0;
    };

    const Celda& celda(int fila, int columna) const;
    Celda& celda(int fila, int columna);
    void validarColumna(int columna) const;
    void ajustarActual();

    int filas_ = 2;
    int columnas_ = 2;
    int filasFijas_ = 1;
    int columnasFijas_ = 1;
    int fila_ = 1;
    int columna_ = 1;
    std::vector<Columna> formato_;
    std::vector<std::vector<Celda>> celdas_;   // by row
};
