#pragma once
// The Qt face of an Arbol: an item model over its nodes and a tree view that
// keeps the nodes' Expanded and the selected node in step with the model, and
// reports node clicks, expansions and collapses to the owner. Labels are
// never edited.

#include "platform/controles/arbol.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QPointer>
#include <QTreeView>
#include <memory>
#include <vector>

class ModeloArbol : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit ModeloArbol(Arbol& arbol, QObject* padre = nullptr);

    void setImagenes(const std::vector<QIcon>& imagenes);
    QModelIndex indiceDe(const Node* nodo) const;
    static Node* nodo(const QModelIndex& indice) { return static_cast<Node*>(indice.internalPointer()); }

    QModelIndex index(int fila, int columna, const QModelIndex& padre = {}) const override;
    QModelIndex parent(const QModelIndex& indice) const override;
    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

private:
    Arbol& arbol_;
    std::vector<QIcon> imagenes_;
};

class VistaArbol : public QTreeView {
    Q_OBJECT
public:
    explicit VistaArbol(QWidget* padre = nullptr);
    ~VistaArbol() override;

    void setArbol(Arbol* arbol);
    Arbol* arbol() const { return arbol_; }
    void setImagenes(const std::vector<QIcon>& imagenes);

signals:
    void NodeClick(Node* Node);
    void Expand(Node* Node);
    void Collapse(Node* Node);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void aplicarExpansion(Node* nodo);
    void aplicarAspecto();
    void seguirSeleccion();

    QPointer<Arbol> arbol_;
    std::unique_ptr<ModeloArbol> modelo_;
    bool sincronizando_ = false;
};
