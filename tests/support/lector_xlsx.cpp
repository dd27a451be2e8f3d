#include "support/lector_xlsx.h"

#include <QFile>
#include <unzip.h>

QByteArray ParteDelLibro(const QString& archivo, const char* parte)
{
    QByteArray contenido;
    unzFile zip = unzOpen(QFile::encodeName(archivo).constData());
    if (!zip)
        return contenido;
    if (unzLocateFile(zip, parte, 1) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        char bloque[16384];
        int leidos = 0;
        while ((leidos = unzReadCurrentFile(zip, bloque, sizeof bloque)) > 0)
            contenido.append(bloque, leidos);
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return contenido;
}
