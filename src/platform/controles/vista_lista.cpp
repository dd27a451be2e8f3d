#include "platform/controles/vista_lista.h"

#include "platform/controles/teclas.h"

#include <QEvent>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace {
// Announcements of a burst of additions, at most this often.
constexpr int IntervaloRafagaMs = 150;

int alineacionQt(int alineacion)
{
    const Qt::Alignment h = alineacion == lvwColumnRight    ? Qt::AlignRight
                            : alineacion == lvwColumnCenter ? Qt::AlignHCenter
                                                            : Qt::AlignLeft;
    return int(h | Qt::AlignVCenter);
}
}  // namespace

ModeloTablaLista::ModeloTablaLista(Lista& lista, QObject* padre)
    : QAbstractTableModel(padre), lista_(lista), anunciadas_(lista.ListItems().Count())
{
    rafaga_.setSingleShot(true);
    rafaga_.setInterval(IntervaloRafagaMs);
    connect(&rafaga_, &QTimer::timeout, this, &ModeloTablaLista::alVencer);

    connect(&lista_, &Lista::antesDeInsertar, this, [this](int fila) {
        if (fila >= anunciadas_)
            return;   // an addition at the end waits for the burst
        anunciarPendientes();
        beginInsertRows({}, fila, fila);
    });
    connect(&lista_, &Lista::insertado, this, [this](int fila) {
        if (fila < anunciadas_) {
            ++anunciadas_;
            endInsertRows();
            return;
        }
        if (rafaga_.isActive()) {
            agregadasEnLaRafaga_ = true;
            return;
        }
        // The first of a burst shows at once.
        anunciarPendientes();
        agregadasEnLaRafaga_ = false;
        rafaga_.start();
    });
    connect(&lista_, &Lista::antesDeQuitar, this, [this](int fila) {
        anunciarPendientes();
        beginRemoveRows({}, fila, fila);
    });
    connect(&lista_, &Lista::quitado, this, [this] {
        --anunciadas_;
        endRemoveRows();
    });
    connect(&lista_, &Lista::antesDeVaciar, this, [this] { beginResetModel(); });
    connect(&lista_, &Lista::vaciada, this, [this] {
        anunciadas_ = 0;
        rafaga_.stop();
        endResetModel();
    });
    connect(&lista_, &Lista::antesDeReordenar, this, &ModeloTablaLista::antesDeReordenar);
    connect(&lista_, &Lista::reordenada, this, &ModeloTablaLista::reordenada);
    connect(&lista_, &Lista::elementoCambiado, this, [this](ListItem* e) {
        const int f = lista_.FilaDe(*e);
        if (f < anunciadas_ && columnCount() > 0)
            emit dataChanged(index(f, 0), index(f, columnCount() - 1));
    });
    connect(&lista_, &Lista::antesDeCambiarEncabezados, this, [this] { beginResetModel(); });
    connect(&lista_, &Lista::encabezadosCambiados, this, [this] { endResetModel(); });
    connect(&lista_, &Lista::encabezadoCambiado, this,
            [this](int i) { emit headerDataChanged(Qt::Horizontal, i - 1, i - 1); });
    connect(&lista_, &Lista::aspectoCambiado, this, [this] {
        if (anunciadas_ > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(anunciadas_ - 1, columnCount() - 1));
    });
}

void ModeloTablaLista::setImagenes(const std::vector<QIcon>& imagenes)
{
    imagenes_ = imagenes;
    if (anunciadas_ > 0)
        emit dataChanged(index(0, 0), index(anunciadas_ - 1, 0), {Qt::DecorationRole});
}

void ModeloTablaLista::anunciarPendientes()
{
    const int total = lista_.ListItems().Count();
    if (total <= anunciadas_)
        return;
    beginInsertRows({}, anunciadas_, total - 1);
    anunciadas_ = total;
    endInsertRows();
}

void ModeloTablaLista::alVencer()
{
    anunciarPendientes();
    if (agregadasEnLaRafaga_) {
        // Still adding: sort once the burst is over.
        agregadasEnLaRafaga_ = false;
        rafaga_.start();
        return;
    }
    lista_.AsegurarOrden();
}

void ModeloTablaLista::Sincronizar()
{
    rafaga_.stop();
    agregadasEnLaRafaga_ = false;
    anunciarPendientes();
    lista_.AsegurarOrden();
}

void ModeloTablaLista::antesDeReordenar()
{
    anunciarPendientes();
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    persistentes_ = persistentIndexList();
    elementosPersistentes_.clear();
    for (const QModelIndex& p : persistentes_)
        elementosPersistentes_.push_back(elemento(p));
}

void ModeloTablaLista::reordenada()
{
    QModelIndexList nuevos;
    for (size_t i = 0; i < size_t(persistentes_.size()); ++i) {
        ListItem* e = elementosPersistentes_[i];
        nuevos << (e ? index(lista_.FilaDe(*e), persistentes_[qsizetype(i)].column()) : QModelIndex());
    }
    changePersistentIndexList(persistentes_, nuevos);
    persistentes_.clear();
    elementosPersistentes_.clear();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

ListItem* ModeloTablaLista::elemento(const QModelIndex& indice) const
{
    if (!indice.isValid() || indice.row() >= anunciadas_)
        return nullptr;
    return &lista_.ElementoEnFila(indice.row());
}

int ModeloTablaLista::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : anunciadas_;
}

int ModeloTablaLista::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : lista_.ColumnHeaders().Count();
}

QVariant ModeloTablaLista::data(const QModelIndex& indice, int rol) const
{
    const ListItem* e = elemento(indice);
    if (!e)
        return {};
    const int columna = indice.column();
    const bool propia = columna == 0;   // the item's own text
    switch (rol) {
    case Qt::DisplayRole:
        return propia ? e->Text() : e->SubItems(columna);
    case Qt::DecorationRole: {
        const int icono = propia ? e->SmallIcon() : 0;
        if (icono >= 1 && size_t(icono) <= imagenes_.size())
            return imagenes_[size_t(icono - 1)];
        return {};
    }
    case Qt::CheckStateRole:
        if (propia && lista_.Checkboxes())
            return e->Checked() ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::FontRole: {
        const bool negrita =
            propia ? e->Bold() : columna <= e->CantidadSubItems() && e->ListSubItems(columna).Bold();
        if (!negrita)
            return {};
        QFont fuente;
        fuente.setBold(true);
        return fuente;
    }
    case Qt::ForegroundRole: {
        const ColorBgr tinta = propia || columna > e->CantidadSubItems() ? e->ForeColor()
                                                                          : e->ListSubItems(columna).ForeColor();
        if (tinta == Colores::TextoVentana)
            return {};
        const QColor color = ColorDesdeBgr(tinta);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return alineacionQt(lista_.ColumnHeaders().Item(columna + 1).Alignment());
    default:
        return {};
    }
}

bool ModeloTablaLista::setData(const QModelIndex& indice, const QVariant& valor, int rol)
{
    ListItem* e = elemento(indice);
    if (!e || rol != Qt::CheckStateRole || indice.column() != 0 || !lista_.Checkboxes())
        return false;
    e->setChecked(valor.toInt() == Qt::Checked);
    emit casillaCambiada(e);
    return true;
}

QVariant ModeloTablaLista::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || seccion < 0 || seccion >= lista_.ColumnHeaders().Count())
        return {};
    const ColumnHeader& h = lista_.ColumnHeaders().Item(seccion + 1);
    if (rol == Qt::DisplayRole)
        return h.Text();
    if (rol == Qt::TextAlignmentRole)
        return alineacionQt(h.Alignment());
    return {};
}

Qt::ItemFlags ModeloTablaLista::flags(const QModelIndex& indice) const
{
    if (!indice.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (indice.column() == 0 && lista_.Checkboxes())
        f |= Qt::ItemIsUserCheckable;
    return f;
}

// ---------------------------------------------------------------------------

VistaLista::VistaLista(QWidget* padre) : QTreeView(padre)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    header()->setSectionsMovable(true);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(1);
    connect(header(), &QHeaderView::sectionResized, this, &VistaLista::anchoDelOperador);
    connect(header(), &QHeaderView::sectionMoved, this, &VistaLista::posicionDelOperador);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int seccion) {
        if (lista_ && seccion < lista_->ColumnHeaders().Count())
            emit ColumnClick(&lista_->ColumnHeaders().Item(seccion + 1));
    });
}

VistaLista::~VistaLista()
{
    setModel(nullptr);
}

void VistaLista::setLista(Lista* lista)
{
    if (lista_)
        disconnect(lista_, nullptr, this, nullptr);
    setModel(nullptr);
    modelo_.reset();
    lista_ = lista;
    if (!lista)
        return;
    modelo_ = std::make_unique<ModeloTablaLista>(*lista);
    setModel(modelo_.get());
    // A model that goes first leaves the view empty, never dangling.
    connect(lista, &QObject::destroyed, this, [this] { setLista(nullptr); });
    connect(modelo_.get(), &ModeloTablaLista::casillaCambiada, this, &VistaLista::ItemCheck);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &VistaLista::seleccionDelOperador);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &VistaLista::seleccionDelOperador);
    connect(lista, &Lista::encabezadosCambiados, this, &VistaLista::aplicarEncabezados);
    connect(lista, &Lista::encabezadoCambiado, this, &VistaLista::aplicarEncabezados);
    connect(lista, &Lista::seleccionCambiada, this, &VistaLista::seguirSeleccion);
    connect(lista, &Lista::aspectoCambiado, this, &VistaLista::aplicarAspecto);
    connect(lista, &Lista::asegurarVisible, this, [this](ListItem* e) {
        Sincronizar();
        scrollTo(modelo_->index(modelo_->fila(*e), 0));
    });
    aplicarAspecto();
    aplicarEncabezados();
    seguirSeleccion();
}

void VistaLista::setMedidor(const MedidorTexto* medidor)
{
    medidor_.usar(medidor);
    aplicarEncabezados();
}

const MedidorTexto& VistaLista::medidor() const
{
    return medidor_.para(*this);
}

void VistaLista::setImagenes(const std::vector<QIcon>& imagenes)
{
    if (modelo_)
        modelo_->setImagenes(imagenes);
}

void VistaLista::Sincronizar()
{
    if (modelo_)
        modelo_->Sincronizar();
}

void VistaLista::aplicarAspecto()
{
    if (!lista_)
        return;
    setSelectionMode(lista_->MultiSelect() ? ExtendedSelection : SingleSelection);
    viewport()->update();
}

void VistaLista::aplicarEncabezados()
{
    if (!lista_ || sincronizando_)
        return;
    sincronizando_ = true;
    QHeaderView* h = header();
    const EncabezadosLista& encabezados = lista_->ColumnHeaders();
    for (int i = 1; i <= encabezados.Count() && i <= h->count(); ++i) {
        const ColumnHeader& c = encabezados.Item(i);
        const int pixeles = medidor().TwipsAPixeles(c.Width());
        h->setSectionHidden(i - 1, pixeles <= 0);
        if (pixeles > 0)
            h->resizeSection(i - 1, pixeles);
    }
    // Display positions: place the headers in the order of their Position.
    std::vector<const ColumnHeader*> orden;
    for (int i = 1; i <= encabezados.Count() && i <= h->count(); ++i)
        orden.push_back(&encabezados.Item(i));
    std::stable_sort(orden.begin(), orden.end(),
                     [](const ColumnHeader* a, const ColumnHeader* b) { return a->Position() < b->Position(); });
    for (int visual = 0; visual < int(orden.size()); ++visual) {
        const int logico = orden[size_t(visual)]->Index() - 1;
        const int ahora = h->visualIndex(logico);
        if (ahora != visual)
            h->moveSection(ahora, visual);
    }
    sincronizando_ = false;
}

void VistaLista::anchoDelOperador(int seccion, int, int ahora)
{
    if (!lista_ || sincronizando_ || seccion >= lista_->ColumnHeaders().Count())
        return;
    sincronizando_ = true;
    lista_->ColumnHeaders().Item(seccion + 1).setWidth(ahora <= 0 ? 0 : medidor().PixelesATwips(ahora));
    sincronizando_ = false;
}

void VistaLista::posicionDelOperador()
{
    if (!lista_ || sincronizando_)
        return;
    sincronizando_ = true;
    const EncabezadosLista& encabezados = lista_->ColumnHeaders();
    // Move headers into place from the first display position on, so every
    // step is a valid move of one header.
    for (int visual = 0; visual < header()->count() && visual < encabezados.Count(); ++visual)
        encabezados.Item(header()->logicalIndex(visual) + 1).setPosition(visual + 1);
    sincronizando_ = false;
}

void VistaLista::seguirSeleccion()
{
    if (!lista_ || !modelo_ || sincronizando_)
        return;
    sincronizando_ = true;
    ListItem* actual = lista_->SelectedItem();
    if (!actual) {
        selectionModel()->clearSelection();
        selectionModel()->clearCurrentIndex();
    } else {
        Sincronizar();
        const QModelIndex i = modelo_->index(modelo_->fila(*actual), 0);
        if (!lista_->MultiSelect())
            selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            selectionModel()->setCurrentIndex(i, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    sincronizando_ = false;
}

void VistaLista::seleccionDelOperador()
{
    if (!lista_ || !modelo_ || sincronizando_)
        return;
    sincronizando_ = true;
    const QModelIndex actual = selectionModel()->currentIndex();
    if (lista_->MultiSelect()) {
        for (int f = 0; f < modelo_->rowCount(); ++f) {
            ListItem* e = modelo_->elemento(modelo_->index(f, 0));
            const bool marcado = selectionModel()->isRowSelected(f, {});
            if (e->Selected() != marcado)
                e->setSelected(marcado);
        }
    }
    ListItem* e = modelo_->elemento(actual);
    if (e && selectionModel()->isRowSelected(actual.row(), {}))
        lista_->setSelectedItem(e);
    else if (!lista_->MultiSelect())
        lista_->setSelectedItem(nullptr);
    sincronizando_ = false;
}

void VistaLista::keyPressEvent(QKeyEvent* evento)
{
    const bool consumida = Teclas::ConsumidaPorElDueno(
        *evento, [this](int& codigo, int shift) { emit KeyDown(codigo, shift); },
        [this](int& caracter) { emit KeyPress(caracter); });
    if (consumida) {
        evento->accept();
        return;
    }
    // A row reached with the arrow keys is chosen as by a click.
    ListItem* antes = modelo_ ? modelo_->elemento(currentIndex()) : nullptr;
    QTreeView::keyPressEvent(evento);
    ListItem* ahora = modelo_ ? modelo_->elemento(currentIndex()) : nullptr;
    if (ahora && ahora != antes)
        emit ItemClick(ahora);
}

void VistaLista::mousePressEvent(QMouseEvent* evento)
{
    QTreeView::mousePressEvent(evento);
    if (evento->button() == Qt::LeftButton && modelo_)
        if (ListItem* e = modelo_->elemento(indexAt(evento->position().toPoint())))
            emit ItemClick(e);
}

void VistaLista::mouseReleaseEvent(QMouseEvent* evento)
{
    QTreeView::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton)
        emit Click();
}

void VistaLista::mouseDoubleClickEvent(QMouseEvent* evento)
{
    QTreeView::mouseDoubleClickEvent(evento);
    if (evento->button() == Qt::LeftButton)
        emit DblClick();
}

void VistaLista::changeEvent(QEvent* evento)
{
    QTreeView::changeEvent(evento);
    if (evento->type() == QEvent::FontChange) {
        medidor_.olvidarFuente();
        aplicarEncabezados();
    }
}
