#pragma once
// The error manager the voucher members hand their failures to:
// SesionBD.GestionaError of the main session, with the member's name.

#include "platform/pasos.h"
#include "session/ModGlobal.h"

inline GestorError GestorSesionBD()
{
    return [](const Falla& falla, const QString& procedimiento) {
        return ModGlobal::gSesionBD->GestionaError(falla, procedimiento);
    };
}
