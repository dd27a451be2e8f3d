#include "platform/traduccion_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool CargaTraduccionQt()
{
    return CargaTraduccionQt(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool CargaTraduccionQt(const QString& carpeta)
{
    // One translator for the process, loaded again from the folder given.
    static QTranslator traductor;
    QCoreApplication::removeTranslator(&traductor);
    if (!traductor.load(QStringLiteral("qtbase_es"), carpeta))
        return false;
    return QCoreApplication::installTranslator(&traductor);
}
