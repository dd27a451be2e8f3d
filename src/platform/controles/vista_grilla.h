#pragma once
// The Qt face of a Grilla: a table model over it and a table view that shows
// row 0 as the column titles (when the grid has fixed rows), hides columns of
// width 0, sizes the others from their twips, and applies the alignment codes
// and the cell colours. The view keeps the grid's current cell and its own in
// step, and reports the operator's clicks and keys as the grid control did.
// The operator's keys and clicks never put the current cell on a fixed
// column: a click there chooses the row.

#include "platform/controles/grilla.h"
#include "platform/controles/medidor_texto.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>
#include <memory>

// Alignment of a text under a flex-grid alignment code.
Qt::Alignment AlineacionFlexQt(int codigo, const QString& texto);

class ModeloTablaGrilla : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloTablaGrilla(Grilla& grilla, QObject* padre = nullptr);

    Grilla& grilla() const { return grilla_; }
    // Grid rows above the first table row: the title row when there is one.
    int filasEnEncabezado() const { return grilla_.FixedRows() >= 1 ? 1 : 0; }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

    // Between the grid's announcement of new rows, columns or fixed rows and
    // their arrival.
    bool cambiando() const { return cambiando_; }

private:
    void antesDeFilas(int antes, int ahora);
    void antesDeColumnas(int antes, int ahora);

    Grilla& grilla_;
    enum class Cambio { Ninguno, Insercion, Quita } cambioFilas_ = Cambio::Ninguno,
                                                    cambioColumnas_ = Cambio::Ninguno;
    bool cambiando_ = false;
};

class VistaGrilla : public QTableView {
    Q_OBJECT
public:
    explicit VistaGrilla(QWidget* padre = nullptr);
    ~VistaGrilla() override;

    // Pixels a column gets beyond its grid width: the margins the view draws
    // its text within.
    int MargenesCelda() const;

    void setGrilla(Grilla* grilla);
    Grilla* grilla() const { return grilla_; }
    // The widths' measurer; by default the view's own font and screen.
    void setMedidor(const MedidorTexto* medidor);
    const MedidorTexto& medidor() const;

    // A cell's rectangle (grid numbering, the titles being row 0) in the
    // viewport's coordinates, where an editor that is a child of the viewport
    // goes; empty for a title cell or a hidden one.
    QRect RectanguloCelda(int fila, int columna) const;
    // The current cell's.
    QRect RectanguloCelda() const;
    // Scrolls the cell into sight.
    void MuestraCelda(int fila, int columna);
    // A typed character never moves the current cell, as it did not in the grid control.
    void keyboardSearch(const QString&) override {}

signals:
    void Click();
    void DblClick();
    void KeyDown(int& KeyCode, int Shift);
    void KeyPress(int& KeyAscii);
    // The operator moves the current cell: LeaveCell while the grid still
    // holds the old one, EnterCell once it holds the new one.
    void LeaveCell();
    void EnterCell();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    QModelIndex moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void currentChanged(const QModelIndex& actual, const QModelIndex& anterior) override;
    void changeEvent(QEvent* evento) override;

private:
    QModelIndex indiceCelda(int fila, int columna) const;
    // The first visible column that is not fixed; -1 when there is none.
    int primeraColumnaLibre() const;
    // The index moved off a fixed column onto the current column (when asked
    // and it is free) or the row's first free one.
    QModelIndex fueraDeFijas(const QModelIndex& indice, bool conservaColumna) const;
    void aplicarColumnas();
    void aplicarColumna(int columna);
    void aplicarEncabezado();
    void seguirActual();

    QPointer<Grilla> grilla_;
    std::unique_ptr<ModeloTablaGrilla> modelo_;
    MedidorDeVista medidor_;
    bool sincronizando_ = false;
};
