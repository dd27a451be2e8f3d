#include "platform/conversor_imagen.h"

QPixmap ConversorImagen::ImagenDeCampo(const QVariant& campo)
{
    QPixmap imagen;
    if (campo.isNull())
        return imagen;
    const QByteArray datos = campo.toByteArray();
    if (!datos.isEmpty())
        imagen.loadFromData(datos);
    return imagen;
}
