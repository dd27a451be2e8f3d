#pragma once
// The suite's pick-list component over an SQL query, with the path of its
// saved-queries file.
//
// Mostrar opens a modal list over the query (through Avisos, so tests script
// the choice): a filter box narrows the rows as the operator types (every word
// typed must appear in one of the row's columns, letter case aside), Enter or a
// double-click chooses the current row, Esc closes without a choice.
// Resultado is then the chosen row's value of the column CampoRetorno, or an
// empty value.
//
// The query is a whole SELECT, or a table or view name: a name listed in the
// saved-queries file shows the columns its record names (with CampoRetorno
// added when the record leaves it out), any other name all its columns.

#include <QAbstractTableModel>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QTableView;
class SesionBD;

class SelectorConsultas {
public:
    QString Proveedor;
    bool Activo = false;
    // The saved-queries file; reads back the path that was set.
    QString ArchivoConsultas;
    // The column whose value Resultado gives.
    QString CampoRetorno;

    // The session the queries run on (the program's main session).
    std::function<SesionBD&()> Sesion;

    // The collection and the further texts and flag are accepted as the callers
    // pass them; the list does not use them. Failures (no session, a query that
    // fails, CampoRetorno missing from the query) go to the caller.
    void Mostrar(const QString& Consulta, const QVariantList& Coleccion = {}, const QString& Texto1 = {},
                 const QString& Texto2 = {}, const QString& Texto3 = {}, const QString& Texto4 = {},
                 bool Bandera = false, const QString& Texto5 = {});
    QVariant Resultado() const { return resultado_; }

    // The statement Mostrar runs for a query text, and the list's title.
    QString SentenciaDe(const QString& consulta, QString* titulo = nullptr) const;

private:
    QVariant resultado_;
};

// The rows of the list, and those the filter lets through.
class ModeloSelector : public QAbstractTableModel {
public:
    ModeloSelector(QStringList columnas, std::vector<std::vector<QVariant>> filas, QObject* padre = nullptr);

    void Filtra(const QString& texto);
    // The row of the data behind a visible row.
    int FilaDe(int visible) const { return visibles_[static_cast<size_t>(visible)]; }
    const QVariant& Valor(int fila, int columna) const { return filas_[static_cast<size_t>(fila)][static_cast<size_t>(columna)]; }
    int TotalDeFilas() const { return static_cast<int>(filas_.size()); }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

private:
    QStringList columnas_;
    std::vector<std::vector<QVariant>> filas_;
    std::vector<QString> textoDeBusqueda_;   // the row's texts, case-folded, for the filter
    std::vector<int> visibles_;
};

class DialogoSelector : public QDialog {
public:
    DialogoSelector(const QString& titulo, ModeloSelector& modelo, QWidget* padre = nullptr);

    QLineEdit& Filtro() const { return *filtro_; }
    QTableView& Tabla() const { return *tabla_; }
    // The data row chosen, -1 while none.
    int FilaElegida() const { return elegida_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void filtrar(const QString& texto);
    void elegir();

    ModeloSelector& modelo_;
    QLineEdit* filtro_;
    QTableView* tabla_;
    QLabel* cuenta_;
    int elegida_ = -1;
};
