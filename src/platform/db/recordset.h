#pragma once
// The recordset as the system uses ADO's: the rows of a query, read once when it
// is opened, fields by name without regard to case, Null as a null QVariant,
// BOF/EOF and the moves; with an updatable lock (cursor 2, lock 3) also AddNew,
// field assignment and Update, which become a parameterised INSERT or UPDATE on
// the table the query reads.
//
// When a query yields two columns of one name, a name given by AS in the select
// list wins (the alias written after "*" over the column "*" brought);
// otherwise the first column wins.
//
// EOF is a macro of the C library, so the two marks are Bof() and Eof().

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

class ConexionBD;

// Cells an engine keeps in its own form, made values only when read: a large
// result is mostly read a few columns at a time.
class CeldasDiferidas {
public:
    virtual ~CeldasDiferidas() = default;
    virtual size_t Cuantas() const = 0;
    virtual QVariant Celda(size_t i) const = 0;   // row after row
};

// The rows of one result, column names first.
struct FilasBD {
    QStringList nombres;
    // Row after row. A QList grows by moving its block, not cell by cell: a
    // result of millions of cells is read without copying it again and again.
    QList<QVariant> celdas;
    // When set, the cells are these instead (until Materializa).
    std::unique_ptr<CeldasDiferidas> diferidas;
    int columnas = 0;
    QHash<QString, int> indice;     // case-folded name -> column

    long Filas() const
    {
        if (!columnas)
            return 0;
        const size_t n = diferidas ? diferidas->Cuantas() : size_t(celdas.size());
        return static_cast<long>(n / size_t(columnas));
    }
    QVariant Celda(long fila, int columna) const
    {
        const qsizetype i = qsizetype(fila) * columnas + columna;
        return diferidas ? diferidas->Celda(size_t(i)) : celdas.at(i);
    }
    // Every cell as a value in celdas: before rows are changed or added.
    void Materializa();
    // Builds the name index once per query; the query's text is read for its
    // AS names only when two columns share a name.
    void Indexa(QStringView sql);
};

class Recordset;

// One field of the current row: reads as its value, takes a value by assignment.
class CampoBD {
public:
    QVariant Value() const;
    operator QVariant() const { return Value(); }
    CampoBD& operator=(const QVariant& valor);
    QString Name() const;

private:
    friend class Recordset;
    CampoBD(Recordset* rs, int indice) : rs_(rs), indice_(indice) {}
    Recordset* rs_;
    int indice_;
};

class Recordset {
public:
    enum Estado { Cerrado = 0, Abierto = 1 };

    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Runs the text on the connection (the session's rewrite applies) and keeps
    // its first result. Failures are recorded in the connection's Errors and raised.
    void Open(const QString& sql, ConexionBD& conexion, int cursor = 0, int bloqueo = 1, long opciones = -1);
    void Close();
    int State() const { return filas_ ? Abierto : Cerrado; }
    int CursorType() const { return cursor_; }
    int LockType() const { return bloqueo_; }

    bool Bof() const;
    bool Eof() const;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    long RecordCount() const;

    int FieldCount() const;
    QString FieldName(int indice) const;
    // -1 when the recordset has no such field.
    int IndiceCampo(const QString& nombre) const;
    CampoBD Fields(const QString& nombre);
    CampoBD Fields(int indice);
    QVariant Valor(const QString& nombre) const;
    QVariant Valor(int indice) const;
    // Rows from the current one on, as columns of rows (first index the column).
    std::vector<std::vector<QVariant>> GetRows(long cuantas = -1);

    void AddNew();
    void Update();
    void CancelUpdate();

    // The table the updates go to (the one the query reads first).
    const QString& Tabla() const { return tabla_; }

private:
    friend class CampoBD;
    friend class ConexionBD;
    void asume(std::shared_ptr<FilasBD> filas, std::weak_ptr<ConexionBD> conexion, const QString& sql, int cursor,
               int bloqueo);
    void asigna(int indice, const QVariant& valor);
    void exigeAbierto() const;
    void exigeFila() const;
    void exigeIndice(int indice) const;
    int indiceExigido(const QString& nombre) const;
    void guardaSiEdita();

    std::shared_ptr<FilasBD> filas_;
    std::weak_ptr<ConexionBD> conexion_;
    QString tabla_;
    std::optional<QStringList> clave_;   // the table's key, asked for at the first update
    int cursor_ = 0;
    int bloqueo_ = 1;
    long pos_ = 0;
    // The row being added or changed, and which of its fields were set.
    bool editando_ = false;
    bool nueva_ = false;
    std::vector<QVariant> edicion_;
    std::vector<bool> cambiado_;
    mutable QHash<QString, int> porNombreExacto_;
};
