#pragma once
// Pictures kept in database image fields.

#include <QPixmap>
#include <QVariant>

class ConversorImagen {
public:
    // The picture a field holds; a null pixmap when it is empty or not a picture.
    static QPixmap ImagenDeCampo(const QVariant& campo);
};
