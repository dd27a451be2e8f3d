#pragma once
// The quantity grid of the lot dialogs: data rows from row 1, one quantity
// column the operator fills and one column with each row's available
// balance. The dialog says which two columns those are and where the
// requested quantity lives (it may change it on acceptance). Cells hold text:
// quantities are read by their leading number (an empty or "-" cell counts 0)
// and written in the plain form ("2.5", "3"). Two quantities are equal when
// they agree to 6 decimals.

#include <QString>
#include <vector>

class CajaTexto;
class Grilla;

class GrillaCantidades {
public:
    static constexpr double Tolerancia = 1e-6;
    static bool Iguales(double a, double b);

    GrillaCantidades(Grilla& grilla, int columnaCantidad, int columnaDisponible, double& pedido);

    Grilla& grilla() const { return grilla_; }
    int ColumnaCantidad() const { return cantidad_; }
    int ColumnaDisponible() const { return disponible_; }

    // Columns of free text (lots, serial numbers) edited like the quantity:
    // the buttons copy or blank them, and CampoValida refuses only the list
    // separators "|" and Chr255 in them. A text column is never a quantity.
    void setColumnasTexto(std::vector<int> columnas) { textos_ = std::move(columnas); }
    bool EsTexto(int columna) const;
    bool Editable(int columna) const { return columna == cantidad_ || EsTexto(columna); }
    // The operator's key into a text column: the separators never go in (the
    // code becomes 0).
    void FiltraTecla(int columna, int& KeyAscii) const;
    // Serial numbers come by the unit: a quantity that is not whole is refused.
    void setSoloEnteros(bool solo) { soloEnteros_ = solo; }
    // The refusal of a quantity above the row's balance.
    void setMensajeSinDisponible(const QString& mensaje) { sinDisponible_ = mensaje; }

    // The toolbar's buttons by index: 1 fills the rows below the current one
    // with the current value, 2 puts "0" in them (both only on the quantity
    // column), 3 proposes afresh; any other index does nothing.
    void Toolbar1_ButtonClick(int indice);
    // The automatic proposal: a single data row takes the whole request; else
    // each row in grid order takes what it has of the remainder.
    void DistribuyeCantidad();

    // The total of the quantity column over the data rows; a data row number
    // in MenosCual leaves that row out, -1 counts every row.
    void SumaFilas(int MenosCual, double& Suma) const;
    // True when the total equals the request.
    void ValidaCantidadCantidadPedida(bool& Valida) const;

    // The editor's value for the current row: refused with its message when it
    // is no number, below zero or above the row's balance (the refusal flag
    // stays set); accepted, written into the cell in the plain form.
    void CampoValida(CajaTexto& Texto);
    bool Rechazado() const { return rechazado_; }
    // Every quantity cell empty or a number not below zero; the first one that
    // is not is refused with its message and becomes the current cell.
    bool CantidadesValidas();

    // The editor set up for a column: only the quantity column takes a
    // number of any length.
    void Text_Propiedades(CajaTexto& Texto, int Col) const;

    double Valor(int fila, int columna) const;

private:
    // The reason to refuse a typed quantity, the balance check aside; empty when it may go in.
    QString MotivoRechazo(const QString& texto, double& valor) const;
    void ValidaTexto(CajaTexto& Texto);
    void Rechaza(const QString& mensaje);

    Grilla& grilla_;
    int cantidad_;
    int disponible_;
    double& pedido_;
    bool rechazado_ = false;
    bool soloEnteros_ = false;
    std::vector<int> textos_;
    QString sinDisponible_ = QStringLiteral("No hay disponible para esa posicion");
};
