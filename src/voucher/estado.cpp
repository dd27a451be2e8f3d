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

    // A 16-bit number: a setting beyond it fails as the conversion did.
    const double largo = Numeros::RedondeoPar(FormaNumero(Cfg(QStringLiteral("LenDescripcion"))), 0);
    if (largo < std::numeric_limits<short>::min() || largo > std::numeric_limits<short>::max())
        throw Falla(Falla::Desbordamiento, QStringLiteral("Desbordamiento"));
    gLenDesc = static_cast<short>(largo);
    if (gLenDesc == 0)
        gLenDesc = 100;
}
