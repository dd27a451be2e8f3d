#include "voucher/ClsCmnCptes.h"

#include "platform/numeros.h"
#include "session/ModGlobal.h"

#include <limits>

using namespace ModGlobal;

ClsCmnCptes::ClsCmnCptes()
{
    gPIVA = gUtilidades->TextoAMoneda(Cfg(QStringLiteral("PIVA"))).ADoble();
    gPIVARec = gUtilidades->TextoAMoneda(Cfg(QStringLiteral("PIVARec"))).ADoble();
    gAsientosXStock = FormaIgualSi(Cfg(QStringLiteral("AsientosXStock")));

    // A length that is no length gives 100; one beyond 16 bits is cut to the
    // largest, so a setting never stops the voucher screen from opening.
    const double largo = Numeros::RedondeoPar(FormaNumero(Cfg(QStringLiteral("LenDescripcion"))), 0);
    if (largo <= 0)
        gLenDesc = 100;
    else if (largo > std::numeric_limits<short>::max())
        gLenDesc = std::numeric_limits<short>::max();
    else
        gLenDesc = static_cast<short>(largo);
}
