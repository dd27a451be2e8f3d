#include "platform/falla.h"

Falla::Falla(long numero, QString descripcion, QString origen)
    : Numero(numero), Descripcion(std::move(descripcion)),
      Origen(origen.isEmpty() ? OrigenPrograma() : std::move(origen))
{
    texto_ = QStringLiteral("(%1) %2").arg(Numero).arg(Descripcion).toUtf8();
}

QString OrigenPrograma()
{
    return QStringLiteral("Tervalio");
}
