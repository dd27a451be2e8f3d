#pragma once
// The tree of keyed nodes of the browse windows, in place of the tree-view
// control. Keys are unique without regard to letter case: adding a taken key
// fails with 35602, as the control did, and leaves the tree as it was. Nodes
// are numbered in the order they were added; labels are never edited.

#include "platform/controles/coleccion.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <vector>

class Arbol;

enum RelacionNodo : int { tvwFirst = 0, tvwLast = 1, tvwNext = 2, tvwPrevious = 3, tvwChild = 4 };

class Node : public MiembroColeccion {
public:
    explicit Node(Arbol& arbol) : arbol_(&arbol) {}

    int Index() const;
    QString Text() const { return texto_; }
    void setText(const QString& texto);
    // Index into the window's image list; 0 is none.
    int Image() const { return imagen_; }
    void setImage(int imagen);
    QVariant Tag() const { return tag_; }
    void setTag(const QVariant& tag) { tag_ = tag; }
    bool Expanded() const { return expandido_; }
    void setExpanded(bool expandido);
    bool Selected() const;
    void setSelected(bool seleccionado);
    void EnsureVisible();

    Node* Parent() const { return padre_; }
    int Children() const { return int(hijos_.size()); }
    Node* Child() const { return hijos_.empty() ? nullptr : hijos_.front(); }
    Node* Next() const;
    Node* Previous() const;
    // The top-level node this one hangs from (itself at the top level).
    Node* Root() const;

    // For views: the children in order and this node's place among its siblings.
    Node* HijoEn(int fila) const { return hijos_[size_t(fila)]; }
    int FilaEnPadre() const;

private:
    friend class NodosArbol;
    const std::vector<Node*>& hermanos() const;

    Arbol* arbol_;
    Node* padre_ = nullptr;
    std::vector<Node*> hijos_;
    QString texto_;
    int imagen_ = 0;
    QVariant tag_;
    bool expandido_ = false;
    mutable int fila_ = 0;   // the place FilaEnPadre found last
};

class NodosArbol {
public:
    explicit NodosArbol(Arbol& arbol) : arbol_(arbol) {}

    // Without a relative the node goes to the top level (first with tvwFirst,
    // else last); with one, it goes where the relationship says.
    Node& Add(const QString& relativo = {}, int relacion = tvwNext, const QString& clave = {},
              const QString& texto = {}, int imagen = 0);
    int Count() const { return nodos_.Count(); }
    Node& Item(int indice) const { return nodos_.Item(indice); }
    Node& Item(const QString& clave) const { return nodos_.Item(clave); }
    bool Existe(const QString& clave) const { return nodos_.Buscar(clave) != nullptr; }
    Node& operator()(int indice) const { return Item(indice); }
    Node& operator()(const QString& clave) const { return Item(clave); }
    // Removes the node with everything under it.
    void Remove(int indice);
    void Remove(const QString& clave) { Remove(Item(clave).Index()); }
    void Clear();

private:
    friend class Node;
    friend class Arbol;
    void quitarRama(Node& nodo);
    Arbol& arbol_;
    Coleccion<Node> nodos_;
    std::vector<Node*> raices_;
};

class Arbol : public QObject {
    Q_OBJECT
public:
    explicit Arbol(QObject* padre = nullptr) : QObject(padre), nodos_(*this) {}

    NodosArbol& Nodes() { return nodos_; }
    const NodosArbol& Nodes() const { return nodos_; }
    Node* SelectedItem() const { return seleccionado_; }
    void setSelectedItem(Node* nodo);
    // Drawing settings the windows give the control (lines, plus/minus signs,
    // pictures); kept for the view.
    int LineStyle() const { return estiloLineas_; }
    void setLineStyle(int estilo);
    int Style() const { return estilo_; }
    void setStyle(int estilo);

    // For views: the top-level nodes in order.
    int CantidadRaices() const { return int(nodos_.raices_.size()); }
    Node* RaizEn(int fila) const { return nodos_.raices_[size_t(fila)]; }

signals:
    void antesDeInsertar(Node* padre, int fila);
    void insertado(Node* padre, int fila);
    void antesDeQuitar(Node* padre, int fila);
    void quitado(Node* padre, int fila);
    void antesDeVaciar();
    void vaciado();
    void nodoCambiado(Node* nodo);
    void expansionCambiada(Node* nodo);
    void seleccionCambiada();
    void asegurarVisible(Node* nodo);
    void aspectoCambiado();

private:
    friend class Node;
    friend class NodosArbol;
    NodosArbol nodos_;
    Node* seleccionado_ = nullptr;
    int estiloLineas_ = 0;
    int estilo_ = 7;
};
