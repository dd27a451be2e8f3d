// Members of the class's interface that are not built yet. Each fails with 438
// ("the object does not support this member") naming itself; whoever builds
// one moves it out of this file into the file of its concern.
#include "voucher/ClsCmnCptes.h"

#include "platform/falla.h"

namespace {

[[noreturn]] void noDisponible(const char* miembro)
{
    throw Falla(438, QStringLiteral("ClsCmnCptes.%1 todavía no está disponible en esta versión del programa")
                         .arg(QLatin1String(miembro)));
}

}  // namespace

void ClsCmnCptes::ActualizaStock(Grilla&, const QString&, const QString&, const QString&, const QString&, QString&,
                                 QString&, QString&, QString&, QString&, bool, const QString&, bool, QString&, bool&,
                                 const QString&, QString&, const QString&, const QString&, short, bool,
                                 const QString&, float, const QString&, Moneda)
{
    noDisponible("ActualizaStock");
}
