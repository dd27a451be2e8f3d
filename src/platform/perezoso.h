#pragma once
// A module-level object created on first use and released on demand, as the
// suite's "As New" objects were: using it again after release makes a new one.

#include <functional>
#include <memory>

template <class T>
class Perezoso {
public:
    Perezoso() = default;
    // Objects that need more than their default construction are made by the factory.
    explicit Perezoso(std::function<std::unique_ptr<T>()> fabrica) : fabrica_(std::move(fabrica)) {}

    T& operator*() { return obtener(); }
    T* operator->() { return &obtener(); }
    T& obtener()
    {
        if (!objeto_)
            objeto_ = fabrica_ ? fabrica_() : std::make_unique<T>();
        return *objeto_;
    }
    bool Creado() const { return objeto_ != nullptr; }
    void Liberar() { objeto_.reset(); }
    // Tests put an object of their own in place.
    void Reemplazar(std::unique_ptr<T> nuevo) { objeto_ = std::move(nuevo); }

private:
    std::function<std::unique_ptr<T>()> fabrica_;
    std::unique_ptr<T> objeto_;
};
