#include "platform/controles/vista_grilla.h"

#include "platform/controles/teclas.h"
#include "platform/numeros.h"

#include <QBrush>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

Qt::Alignment AlineacionFlexQt(int codigo, const QString& texto)
{
    if (codigo == flexAlignGeneral)
        return (Numeros::EsNumerico(texto) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    if (codigo < 0 || codigo > 8)
        return Qt::AlignLeft | Qt::AlignVCenter;
    return horizontal[codigo / 3] | vertical[codigo % 3];
}

// ---------------------------------------------------------------------------

ModeloTablaGrilla::ModeloTablaGrilla(Grilla& grilla, QObject* padre)
    : QAbstractTableModel(padre), grilla_(grilla)
{
    connect(&grilla_, &Grilla::antesDeCambiarFilas, this, &ModeloTablaGrilla::antesDeFilas);
    connect(&grilla_, &Grilla::filasCambiadas, this, [this] {
        if (cambioFilas_ == Cambio::Insercion)
            endInsertRows();
        else if (cambioFilas_ == Cambio::Quita)
            endRemoveRows();
        cambioFilas_ = Cambio::Ninguno;
        cambiando_ = false;
    });
    connect(&grilla_, &Grilla::antesDeCambiarColumnas, this, &ModeloTablaGrilla::antesDeColumnas);
    connect(&grilla_, &Grilla::columnasCambiadas, this, [this] {
        if (cambioColumnas_ == Cambio::Insercion)
            endInsertColumns();
        else if (cambioColumnas_ == Cambio::Quita)
            endRemoveColumns();
        cambioColumnas_ = Cambio::Ninguno;
        cambiando_ = false;
    });
    connect(&grilla_, &Grilla::antesDeCambiarFijas, this, [this] {
        cambiando_ = true;
        beginResetModel();
    });
    connect(&grilla_, &Grilla::fijasCambiadas, this, [this] {
        endResetModel();
        cambiando_ = false;
    });
    connect(&grilla_, &Grilla::celdaCambiada, this, [this](int fila, int columna) {
        const int arriba = filasEnEncabezado();
        if (fila < arriba)
            emit headerDataChanged(Qt::Horizontal, columna, columna);
        else
            emit dataChanged(index(fila - arriba, columna), index(fila - arriba, columna));
    });
    connect(&grilla_, &Grilla::columnaCambiada, this, [this](int columna) {
        if (rowCount() > 0)
            emit dataChanged(index(0, columna), index(rowCount() - 1, columna));
        emit headerDataChanged(Qt::Horizontal, columna, columna);
    });
    connect(&grilla_, &Grilla::contenidoCambiado, this, [this] {
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        if (columnCount() > 0)
            emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    });
}

void ModeloTablaGrilla::antesDeFilas(int antes, int ahora)
{
    cambiando_ = true;
    const int arriba = filasEnEncabezado();
    if (ahora > antes) {
        cambioFilas_ = Cambio::Insercion;
        beginInsertRows({}, antes - arriba, ahora - arriba - 1);
    } else {
        cambioFilas_ = Cambio::Quita;
        beginRemoveRows({}, ahora - arriba, antes - arriba - 1);
    }
}

void ModeloTablaGrilla::antesDeColumnas(int antes, int ahora)
{
    cambiando_ = true;
    if (ahora > antes) {
        cambioColumnas_ = Cambio::Insercion;
        beginInsertColumns({}, antes, ahora - 1);
    } else {
        cambioColumnas_ = Cambio::Quita;
        beginRemoveColumns({}, ahora, antes - 1);
    }
}

int ModeloTablaGrilla::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : grilla_.Rows() - filasEnEncabezado();
}

int ModeloTablaGrilla::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : grilla_.Cols();
}

QVariant ModeloTablaGrilla::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid())
        return {};
    const int fila = indice.row() + filasEnEncabezado();
    const int columna = indice.column();
    switch (rol) {
    case Qt::DisplayRole:
        return grilla_.TextMatrix(fila, columna);
    case Qt::TextAlignmentRole:
        return int(AlineacionFlexQt(grilla_.ColAlignment(columna), grilla_.TextMatrix(fila, columna)));
    case Qt::BackgroundRole: {
        const ColorBgr fondo = grilla_.ColorFondo(fila, columna);
        if (fondo != 0) {
            const QColor color = ColorDesdeBgr(fondo);
            if (color.isValid())
                return QBrush(color);
        }
        if (fila < grilla_.FixedRows() || columna < grilla_.FixedCols())
            return QBrush(ColorDesdeBgr(Colores::CaraBoton));
        return {};
    }
    case Qt::ForegroundRole: {
        const ColorBgr tinta = grilla_.ColorTinta(fila, columna);
        if (tinta == 0)
            return {};
        const QColor color = ColorDesdeBgr(tinta);
        return color.isValid() ? QVariant(QBrush(color)) : QVariant();
    }
    default:
        return {};
    }
}

QVariant ModeloTablaGrilla::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || filasEnEncabezado() == 0 || seccion < 0 || seccion >= grilla_.Cols())
        return {};
    if (rol == Qt::DisplayRole)
        return grilla_.TextMatrix(0, seccion);
    if (rol == Qt::TextAlignmentRole)
        return int(AlineacionFlexQt(grilla_.ColAlignment(seccion), QString()));
    return {};
}

Qt::ItemFlags ModeloTablaGrilla::flags(const QModelIndex& indice) const
{
    return indice.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

// ---------------------------------------------------------------------------

VistaGrilla::VistaGrilla(QWidget* padre) : QTableView(padre)
{
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    connect(this, &QAbstractItemView::clicked, this, [this] { emit Click(); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { emit DblClick(); });
}

VistaGrilla::~VistaGrilla()
{
    setModel(nullptr);
}

void VistaGrilla::setGrilla(Grilla* grilla)
{
    if (grilla_)
        disconnect(grilla_, nullptr, this, nullptr);
    setModel(nullptr);
    modelo_.reset();
    grilla_ = grilla;
    if (!grilla)
        return;
    modelo_ = std::make_unique<ModeloTablaGrilla>(*grilla);
    setModel(modelo_.get());
    // A model that goes first leaves the view empty, never dangling.
    connect(grilla, &QObject::destroyed, this, [this] { setGrilla(nullptr); });
    connect(grilla, &Grilla::columnaCambiada, this, &VistaGrilla::aplicarColumna);
    connect(grilla, &Grilla::columnasCambiadas, this, &VistaGrilla::aplicarColumnas);
    connect(grilla, &Grilla::fijasCambiadas, this, [this] {
        aplicarEncabezado();
        aplicarColumnas();
        seguirActual();
    });
    connect(grilla, &Grilla::actualCambiada, this, &VistaGrilla::seguirActual);
    connect(grilla, &Grilla::filasCambiadas, this, &VistaGrilla::seguirActual);
    connect(grilla, &Grilla::refrescada, viewport(), qOverload<>(&QWidget::update));
    aplicarEncabezado();
    aplicarColumnas();
    seguirActual();
}

void VistaGrilla::setMedidor(const MedidorTexto* medidor)
{
    medidor_.usar(medidor);
    aplicarColumnas();
}

const MedidorTexto& VistaGrilla::medidor() const
{
    return medidor_.para(*this);
}

QModelIndex VistaGrilla::indiceCelda(int fila, int columna) const
{
    if (!modelo_)
        return {};
    return modelo_->index(fila - modelo_->filasEnEncabezado(), columna);
}

QRect VistaGrilla::RectanguloCelda(int fila, int columna) const
{
    const QModelIndex indice = indiceCelda(fila, columna);
    if (!indice.isValid() || isColumnHidden(columna))
        return {};
    return visualRect(indice);
}

QRect VistaGrilla::RectanguloCelda() const
{
    return grilla_ ? RectanguloCelda(grilla_->Row(), grilla_->Col()) : QRect();
}

void VistaGrilla::MuestraCelda(int fila, int columna)
{
    const QModelIndex indice = indiceCelda(fila, columna);
    if (indice.isValid())
        scrollTo(indice);
}

void VistaGrilla::aplicarEncabezado()
{
    if (grilla_)
        horizontalHeader()->setVisible(grilla_->FixedRows() >= 1);
}

void VistaGrilla::aplicarColumnas()
{
    if (!grilla_)
        return;
    for (int c = 0; c < grilla_->Cols(); ++c)
        aplicarColumna(c);
}

void VistaGrilla::aplicarColumna(int columna)
{
    if (!grilla_ || columna >= grilla_->Cols())
        return;
    const int ancho = grilla_->ColWidth(columna);
    setColumnHidden(columna, ancho == 0);
    if (ancho > 0)
        setColumnWidth(columna, std::max(1, medidor().TwipsAPixeles(ancho)) + MargenesCelda());
}

int VistaGrilla::MargenesCelda() const
{
    // The system sizes a column to its text; the view draws the text inside
    // margins the grid it was written for did not have, so they come on top.
    return 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
}

void VistaGrilla::seguirActual()
{
    if (!grilla_ || !modelo_ || sincronizando_)
        return;
    const int fila = grilla_->Row() - modelo_->filasEnEncabezado();
    const QModelIndex destino = fila >= 0 ? modelo_->index(fila, grilla_->Col()) : QModelIndex();
    if (destino == currentIndex())
        return;
    sincronizando_ = true;
    if (destino.isValid())
        selectionModel()->setCurrentIndex(destino, QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clearCurrentIndex();
    sincronizando_ = false;
}

void VistaGrilla::currentChanged(const QModelIndex& actual, const QModelIndex& anterior)
{
    QTableView::currentChanged(actual, anterior);
    if (sincronizando_ || !grilla_ || !modelo_ || modelo_->cambiando() || !actual.isValid())
        return;
    sincronizando_ = true;
    emit LeaveCell();
    grilla_->setRow(actual.row() + modelo_->filasEnEncabezado());
    grilla_->setCol(actual.column());
    emit EnterCell();
    sincronizando_ = false;
}

void VistaGrilla::keyPressEvent(QKeyEvent* evento)
{
    const bool consumida = Teclas::ConsumidaPorElDueno(
        *evento, [this](int& codigo, int shift) { emit KeyDown(codigo, shift); },
        [this](int& caracter) { emit KeyPress(caracter); });
    if (consumida)
        evento->accept();
    else
        QTableView::keyPressEvent(evento);
}

int VistaGrilla::primeraColumnaLibre() const
{
    if (!grilla_)
        return -1;
    for (int c = grilla_->FixedCols(); c < grilla_->Cols(); ++c)
        if (!isColumnHidden(c))
            return c;
    return -1;
}

QModelIndex VistaGrilla::fueraDeFijas(const QModelIndex& indice, bool conservaColumna) const
{
    if (!grilla_ || !indice.isValid() || indice.column() >= grilla_->FixedCols())
        return indice;
    const int libre = primeraColumnaLibre();
    if (libre < 0)
        return indice;
    const QModelIndex actual = currentIndex();
    const int columna =
        conservaColumna && actual.isValid() && actual.column() >= grilla_->FixedCols() ? actual.column() : libre;
    return indice.sibling(indice.row(), columna);
}

QModelIndex VistaGrilla::moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores)
{
    // Stepping left into the fixed columns stays where it was; Home goes to the first free one.
    const bool paso = accion == MoveLeft || accion == MovePrevious;
    return fueraDeFijas(QTableView::moveCursor(accion, modificadores), paso);
}

void VistaGrilla::mousePressEvent(QMouseEvent* evento)
{
    const QModelIndex indice = indexAt(evento->position().toPoint());
    const QModelIndex destino = fueraDeFijas(indice, true);
    if (destino == indice) {
        QTableView::mousePressEvent(evento);
        return;
    }
    // A click on a fixed cell chooses its row and keeps the current column.
    setFocus(Qt::MouseFocusReason);
    setCurrentIndex(destino);
    evento->accept();
    emit Click();
}

void VistaGrilla::changeEvent(QEvent* evento)
{
    QTableView::changeEvent(evento);
    if (evento->type() == QEvent::FontChange) {
        medidor_.olvidarFuente();
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
        aplicarColumnas();
    }
}
