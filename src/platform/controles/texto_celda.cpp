#include "platform/controles/texto_celda.h"

#include "platform/fechas.h"
#include "platform/numeros.h"

#include <QDateTime>

namespace Celdas {

bool EsFecha(const QVariant& valor)
{
    const int tipo = valor.metaType().id();
    return tipo == QMetaType::QDateTime || tipo == QMetaType::QDate;
}

QString Texto(const QVariant& valor)
{
    if (!valor.isValid() || valor.isNull())
        return QString();
    if (EsFecha(valor))
        return Fechas::TextoRegional(Fechas::DeValor(valor));
    const int tipo = valor.metaType().id();
    if (tipo == QMetaType::Double || tipo == QMetaType::Float)
        return Numeros::TextoRegional(valor.toDouble());
    return valor.toString();
}

}  // namespace Celdas
