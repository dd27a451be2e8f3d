#include "platform/controles/arbol.h"

#include <algorithm>

using namespace ErroresControl;

int Node::Index() const
{
    return arbol_->nodos_.nodos_.Indice(*this);
}

void Node::setText(const QString& texto)
{
    texto_ = texto;
    emit arbol_->nodoCambiado(this);
}

void Node::setImage(int imagen)
{
    imagen_ = imagen;
    emit arbol_->nodoCambiado(this);
}

void Node::setExpanded(bool expandido)
{
    if (expandido_ == expandido)
        return;
    expandido_ = expandido;
    emit arbol_->expansionCambiada(this);
}

bool Node::Selected() const
{
    return arbol_->seleccionado_ == this;
}

void Node::setSelected(bool seleccionado)
{
    if (seleccionado)
        arbol_->setSelectedItem(this);
    else if (Selected())
        arbol_->setSelectedItem(nullptr);
}

void Node::EnsureVisible()
{
    for (Node* p = padre_; p; p = p->padre_)
        p->setExpanded(true);
    emit arbol_->asegurarVisible(this);
}

const std::vector<Node*>& Node::hermanos() const
{
    return padre_ ? padre_->hijos_ : arbol_->nodos_.raices_;
}

int Node::FilaEnPadre() const
{
    // Views ask for it on every paint: the place found last is tried first.
    const auto& h = hermanos();
    if (size_t(fila_) >= h.size() || h[size_t(fila_)] != this)
        fila_ = int(std::find(h.begin(), h.end(), this) - h.begin());
    return fila_;
}

Node* Node::Next() const
{
    const auto& h = hermanos();
    const size_t fila = size_t(FilaEnPadre()) + 1;
    return fila < h.size() ? h[fila] : nullptr;
}

Node* Node::Previous() const
{
    const int fila = FilaEnPadre();
    return fila > 0 ? hermanos()[size_t(fila - 1)] : nullptr;
}

Node* Node::Root() const
{
    const Node* n = this;
    while (n->padre_)
        n = n->padre_;
    return const_cast<Node*>(n);
}

// ---------------------------------------------------------------------------

Node& NodosArbol::Add(const QString& relativo, int relacion, const QString& clave, const QString& texto, int imagen)
{
    if (relacion < tvwFirst || relacion > tvwChild)
        Lanzar(ValorNoValido);
    Node* pariente = nullptr;
    if (!relativo.isEmpty())
        pariente = &nodos_.Item(relativo);
    nodos_.Validar(0, clave);

    // Where the node goes: under which parent, at which row.
    Node* padre = nullptr;
    int fila = 0;
    if (!pariente) {
        padre = nullptr;
        fila = relacion == tvwFirst ? 0 : int(raices_.size());
    } else if (relacion == tvwChild) {
        padre = pariente;
        fila = pariente->Children();
    } else {
        padre = pariente->padre_;
        const int suFila = pariente->FilaEnPadre();
        const int hermanos = int(pariente->hermanos().size());
        fila = relacion == tvwFirst ? 0 : relacion == tvwLast ? hermanos : relacion == tvwNext ? suFila + 1 : suFila;
    }

    emit arbol_.antesDeInsertar(padre, fila);
    Node& nuevo = nodos_.Insertar(0, clave, std::make_unique<Node>(arbol_));
    nuevo.padre_ = padre;
    nuevo.texto_ = texto;
    nuevo.imagen_ = imagen;
    auto& lugar = padre ? padre->hijos_ : raices_;
    lugar.insert(lugar.begin() + fila, &nuevo);
    emit arbol_.insertado(padre, fila);
    return nuevo;
}

void NodosArbol::quitarRama(Node& nodo)
{
    for (Node* hijo : std::vector<Node*>(nodo.hijos_))
        quitarRama(*hijo);
    if (arbol_.seleccionado_ == &nodo)
        arbol_.seleccionado_ = nullptr;
    nodos_.Quitar(nodo.Index());
}

void NodosArbol::Remove(int indice)
{
    Node& nodo = Item(indice);
    Node* padre = nodo.padre_;
    const int fila = nodo.FilaEnPadre();
    const bool conSeleccion = arbol_.seleccionado_ != nullptr;
    emit arbol_.antesDeQuitar(padre, fila);
    auto& lugar = padre ? padre->hijos_ : raices_;
    lugar.erase(lugar.begin() + fila);
    quitarRama(nodo);
    emit arbol_.quitado(padre, fila);
    if (conSeleccion && !arbol_.seleccionado_)
        emit arbol_.seleccionCambiada();
}

void NodosArbol::Clear()
{
    emit arbol_.antesDeVaciar();
    raices_.clear();
    nodos_.Vaciar();
    arbol_.seleccionado_ = nullptr;
    emit arbol_.vaciado();
}

// ---------------------------------------------------------------------------

void Arbol::setSelectedItem(Node* nodo)
{
    if (seleccionado_ == nodo)
        return;
    seleccionado_ = nodo;
    emit seleccionCambiada();
}

void Arbol::setLineStyle(int estilo)
{
    estiloLineas_ = estilo;
    emit aspectoCambiado();
}

void Arbol::setStyle(int estilo)
{
    estilo_ = estilo;
    emit aspectoCambiado();
}
