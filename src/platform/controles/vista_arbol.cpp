#include "platform/controles/vista_arbol.h"

#include <QHeaderView>
#include <QKeyEvent>

ModeloArbol::ModeloArbol(Arbol& arbol, QObject* padre) : QAbstractItemModel(padre), arbol_(arbol)
{
    connect(&arbol_, &Arbol::antesDeInsertar, this,
            [this](Node* p, int fila) { beginInsertRows(indiceDe(p), fila, fila); });
    connect(&arbol_, &Arbol::insertado, this, [this] { endInsertRows(); });
    connect(&arbol_, &Arbol::antesDeQuitar, this,
            [this](Node* p, int fila) { beginRemoveRows(indiceDe(p), fila, fila); });
    connect(&arbol_, &Arbol::quitado, this, [this] { endRemoveRows(); });
    connect(&arbol_, &Arbol::antesDeVaciar, this, [this] { beginResetModel(); });
    connect(&arbol_, &Arbol::vaciado, this, [this] { endResetModel(); });
    connect(&arbol_, &Arbol::nodoCambiado, this, [this](Node* n) {
        const QModelIndex i = indiceDe(n);
        emit dataChanged(i, i);
    });
}

void ModeloArbol::setImagenes(const std::vector<QIcon>& imagenes)
{
    beginResetModel();
    imagenes_ = imagenes;
    endResetModel();
}

QModelIndex ModeloArbol::indiceDe(const Node* n) const
{
    return n ? createIndex(n->FilaEnPadre(), 0, const_cast<Node*>(n)) : QModelIndex();
}

QModelIndex ModeloArbol::index(int fila, int columna, const QModelIndex& padre) const
{
    if (columna != 0 || fila < 0 || fila >= rowCount(padre))
        return {};
    Node* n = padre.isValid() ? nodo(padre)->HijoEn(fila) : arbol_.RaizEn(fila);
    return createIndex(fila, 0, n);
}

QModelIndex ModeloArbol::parent(const QModelIndex& indice) const
{
    return indice.isValid() ? indiceDe(nodo(indice)->Parent()) : QModelIndex();
}

int ModeloArbol::rowCount(const QModelIndex& padre) const
{
    if (padre.column() > 0)
        return 0;
    return padre.isValid() ? nodo(padre)->Children() : arbol_.CantidadRaices();
}

int ModeloArbol::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant ModeloArbol::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid())
        return {};
    const Node* n = nodo(indice);
    if (rol == Qt::DisplayRole)
        return n->Text();
    if (rol == Qt::DecorationRole && n->Image() >= 1 && size_t(n->Image()) <= imagenes_.size())
        return imagenes_[size_t(n->Image() - 1)];
    return {};
}

Qt::ItemFlags ModeloArbol::flags(const QModelIndex& indice) const
{
    return indice.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

// ---------------------------------------------------------------------------

VistaArbol::VistaArbol(QWidget* padre) : QTreeView(padre)
{
    setHeaderHidden(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setUniformRowHeights(true);
    connect(this, &QTreeView::clicked, this, [this](const QModelIndex& i) {
        if (Node* n = ModeloArbol::nodo(i))
            emit NodeClick(n);
    });
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& i) {
        Node* n = ModeloArbol::nodo(i);
        if (!n || sincronizando_)
            return;
        sincronizando_ = true;
        n->setExpanded(true);
        sincronizando_ = false;
        emit Expand(n);
    });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& i) {
        Node* n = ModeloArbol::nodo(i);
        if (!n || sincronizando_)
            return;
        sincronizando_ = true;
        n->setExpanded(false);
        sincronizando_ = false;
        emit Collapse(n);
    });
}

void VistaArbol::keyPressEvent(QKeyEvent* evento)
{
    // A node reached with the arrow keys is chosen as by a click: without it
    // the keyboard could walk the tree but never load what a node stands for.
    Node* antes = ModeloArbol::nodo(currentIndex());
    QTreeView::keyPressEvent(evento);
    Node* ahora = ModeloArbol::nodo(currentIndex());
    if (ahora && ahora != antes)
        emit NodeClick(ahora);
}

VistaArbol::~VistaArbol()
{
    setModel(nullptr);
}

void VistaArbol::setArbol(Arbol* arbol)
{
    if (arbol_)
        disconnect(arbol_, nullptr, this, nullptr);
    setModel(nullptr);
    modelo_.reset();
    arbol_ = arbol;
    if (!arbol)
        return;
    modelo_ = std::make_unique<ModeloArbol>(*arbol);
    setModel(modelo_.get());
    // A model that goes first leaves the view empty, never dangling.
    connect(arbol, &QObject::destroyed, this, [this] { setArbol(nullptr); });
    connect(arbol, &Arbol::expansionCambiada, this, &VistaArbol::aplicarExpansion);
    connect(arbol, &Arbol::insertado, this, [this](Node* padre) {
        if (padre && padre->Expanded())
            aplicarExpansion(padre);
    });
    connect(arbol, &Arbol::seleccionCambiada, this, &VistaArbol::seguirSeleccion);
    connect(arbol, &Arbol::aspectoCambiado, this, &VistaArbol::aplicarAspecto);
    connect(arbol, &Arbol::asegurarVisible, this, [this](Node* n) { scrollTo(modelo_->indiceDe(n)); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& i) {
        if (sincronizando_ || !arbol_)
            return;
        sincronizando_ = true;
        arbol_->setSelectedItem(ModeloArbol::nodo(i));
        sincronizando_ = false;
    });
    aplicarAspecto();
    // Nodes added before the view came keep their state.
    for (int i = 1; i <= arbol->Nodes().Count(); ++i)
        if (arbol->Nodes()(i).Expanded())
            aplicarExpansion(&arbol->Nodes()(i));
    seguirSeleccion();
}

void VistaArbol::setImagenes(const std::vector<QIcon>& imagenes)
{
    if (!modelo_)
        return;
    modelo_->setImagenes(imagenes);
    for (int i = 1; arbol_ && i <= arbol_->Nodes().Count(); ++i)
        if (arbol_->Nodes()(i).Expanded())
            aplicarExpansion(&arbol_->Nodes()(i));
}

void VistaArbol::aplicarExpansion(Node* nodo)
{
    if (!modelo_ || sincronizando_)
        return;
    sincronizando_ = true;
    setExpanded(modelo_->indiceDe(nodo), nodo->Expanded());
    sincronizando_ = false;
}

void VistaArbol::aplicarAspecto()
{
    // Line style 1 draws the lines from the root: the top level gets its signs.
    if (arbol_)
        setRootIsDecorated(arbol_->LineStyle() == 1);
}

void VistaArbol::seguirSeleccion()
{
    if (!modelo_ || sincronizando_)
        return;
    sincronizando_ = true;
    const QModelIndex i = modelo_->indiceDe(arbol_->SelectedItem());
    if (i.isValid())
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clear();
    sincronizando_ = false;
}
