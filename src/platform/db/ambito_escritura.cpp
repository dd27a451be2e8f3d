#include "platform/db/ambito_escritura.h"

#include "platform/db/sesion_bd.h"

AmbitoEscritura::AmbitoEscritura(SesionBD& sesion, const QString& nombre) : sesion_(sesion), nombre_(nombre)
{
    sesion_.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    try {
        sesion_.Ejecuta(QStringLiteral("SAVE TRANSACTION ") + nombre_);
    } catch (...) {
        try {
            sesion_.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
        } catch (...) {
        }
        throw;
    }
    abierto_ = true;
}

AmbitoEscritura::~AmbitoEscritura()
{
    if (!abierto_)
        return;
    try {
        Deshace();
    } catch (...) {
    }
}

void AmbitoEscritura::Confirma()
{
    if (!abierto_)
        return;
    // A refused commit leaves the scope open, to be undone (or tried again):
    // nothing of it may stay pending on the session.
    sesion_.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    abierto_ = false;
}

void AmbitoEscritura::Deshace()
{
    if (!abierto_)
        return;
    abierto_ = false;
    try {
        sesion_.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION ") + nombre_);
        sesion_.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    } catch (const Falla&) {
        // Doomed, or already ended by the engine: nothing of it may stay.
        try {
            sesion_.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
        } catch (...) {
        }
        throw;
    }
}
