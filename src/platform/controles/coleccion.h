#pragma once
// The keyed collections of the list, tree and bar controls: members in order,
// addressed by a 1-based index or by a key that ignores letter case. The
// failures are the controls': 35600 index out of bounds, 35601 no member with
// that key, 35602 the key is already taken.

#include "platform/controles/errores_controles.h"

#include <QHash>
#include <QString>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

class MiembroColeccion {
public:
    QString Key() const { return clave_; }

private:
    template <class> friend class Coleccion;
    QString clave_;
    mutable int lugar_ = 0;   // 0-based, while the collection's positions hold
};

template <class T>
class Coleccion {
public:
    int Count() const { return int(elementos_.size()); }

    T& Item(int indice) const
    {
        if (indice < 1 || indice > Count())
            ErroresControl::Lanzar(ErroresControl::IndiceFueraDeLimites);
        return *elementos_[size_t(indice - 1)];
    }

    T& Item(const QString& clave) const
    {
        T* elemento = Buscar(clave);
        if (!elemento)
            ErroresControl::Lanzar(ErroresControl::ElementoNoEncontrado);
        return *elemento;
    }

    T* Buscar(const QString& clave) const
    {
        if (clave.isEmpty())
            return nullptr;
        // Loops ask for one key several times running: the last answer holds
        // until a member comes or goes.
        if (buscada_ && *buscada_ == clave)
            return hallado_;
        // Keys come back in the spelling they were found by: folding each
        // time is most of a look-up.
        hallado_ = porEscritura_.value(clave, nullptr);
        if (!hallado_) {
            hallado_ = claves_.value(clave.toCaseFolded(), nullptr);
            if (hallado_)
                porEscritura_.insert(clave, hallado_);
        }
        buscada_ = clave;
        return hallado_;
    }

    // 1-based position of a member.
    int Indice(const T& elemento) const
    {
        if (!posicionesValidas_) {
            for (size_t i = 0; i < elementos_.size(); ++i)
                elementos_[i]->lugar_ = int(i);
            posicionesValidas_ = true;
        }
        return elemento.lugar_ + 1;
    }

    // Where a new member would go: index 0 is the end. Fails before anything
    // changes, so callers can announce the insertion first.
    int Validar(int indice, const QString& clave) const
    {
        if (indice < 0 || indice > Count() + 1)
            ErroresControl::Lanzar(ErroresControl::IndiceFueraDeLimites);
        if (Buscar(clave))
            ErroresControl::Lanzar(ErroresControl::ClaveRepetida);
        return indice == 0 ? Count() + 1 : indice;
    }

    T& Insertar(int indice, const QString& clave, std::unique_ptr<T> elemento)
    {
        const int donde = Validar(indice, clave);
        T& nuevo = *elemento;
        nuevo.clave_ = clave;
        if (!clave.isEmpty()) {
            claves_.insert(clave.toCaseFolded(), &nuevo);
            porEscritura_.insert(clave, &nuevo);
        }
        buscada_.reset();
        nuevo.lugar_ = donde - 1;
        if (donde <= Count())
            posicionesValidas_ = false;
        elementos_.insert(elementos_.begin() + (donde - 1), std::move(elemento));
        return nuevo;
    }

    std::unique_ptr<T> Quitar(int indice)
    {
        Item(indice);
        auto quitado = std::move(elementos_[size_t(indice - 1)]);
        elementos_.erase(elementos_.begin() + (indice - 1));
        if (!quitado->clave_.isEmpty())
            claves_.remove(quitado->clave_.toCaseFolded());
        porEscritura_.clear();
        buscada_.reset();
        if (indice <= Count())
            posicionesValidas_ = false;
        return quitado;
    }

    void Vaciar()
    {
        elementos_.clear();
        claves_.clear();
        porEscritura_.clear();
        buscada_.reset();
        posicionesValidas_ = true;
    }

    // Reorders the members, keeping the order of equals.
    template <class Menor>
    void Ordenar(Menor menor)
    {
        std::stable_sort(elementos_.begin(), elementos_.end(),
                         [&](const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) { return menor(*a, *b); });
        posicionesValidas_ = false;
    }

    auto begin() const { return elementos_.begin(); }
    auto end() const { return elementos_.end(); }

private:
    std::vector<std::unique_ptr<T>> elementos_;
    QHash<QString, T*> claves_;               // by folded key
    mutable QHash<QString, T*> porEscritura_;  // by a spelling a member was found by
    mutable bool posicionesValidas_ = true;
    mutable std::optional<QString> buscada_;
    mutable T* hallado_ = nullptr;
};
