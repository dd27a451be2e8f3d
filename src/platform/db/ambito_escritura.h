#pragma once
// A group of writes that stands or falls as one, nested in whatever
// transaction the caller holds:
//
//   AmbitoEscritura ambito(sesion, "ActualizaStock");   // BEGIN TRANSACTION, SAVE TRANSACTION
//   ... writes ...
//   ambito.Confirma();                                    // COMMIT TRANSACTION
//
// Deshace (or the destructor of a scope neither confirmed nor undone) goes back
// to the scope's own savepoint and closes its level: a caller's earlier writes
// stay, an outer scope keeps its work, and with no caller transaction nothing
// stays open. A Confirma that fails leaves the scope open, so it is undone in
// the same way. A transaction the server has doomed cannot go back to a
// savepoint: it is rolled back whole and Deshace raises the failure.

#include "platform/falla.h"

#include <QString>

class SesionBD;

class AmbitoEscritura {
public:
    AmbitoEscritura(SesionBD& sesion, const QString& nombre);
    ~AmbitoEscritura();
    AmbitoEscritura(const AmbitoEscritura&) = delete;
    AmbitoEscritura& operator=(const AmbitoEscritura&) = delete;

    void Confirma();
    void Deshace();
    bool Abierto() const { return abierto_; }

private:
    SesionBD& sesion_;
    QString nombre_;
    bool abierto_ = false;
};
