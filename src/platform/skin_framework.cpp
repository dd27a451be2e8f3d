#include "platform/skin_framework.h"

#include "platform/falla.h"
#include "platform/sistema.h"

#include <QFile>
#include <QFileInfo>
#include <QWidget>

SkinFramework::SkinFramework(QObject* dueno) : QObject(dueno)
{
    setObjectName(QStringLiteral("SkinFramework1"));
}

void SkinFramework::LoadSkin(const QString& ruta, const QString& archivoAjustes)
{
    QString archivo = ruta;
    archivo.replace(u'\\', u'/');
    if (!archivoAjustes.isEmpty())
        archivo += u'/' + QFileInfo(archivoAjustes).completeBaseName() + QStringLiteral(".qss");
    // Shipped names, found whatever case the folder gives them.
    const QFileInfo info(archivo);
    const QString hallado = Sistema::BuscaArchivo(info.absolutePath(), info.fileName());
    QFile f(hallado.isEmpty() ? archivo : hallado);
    if (hallado.isEmpty() || !f.open(QIODevice::ReadOnly))
        throw Falla(ArchivoNoEncontrado, QStringLiteral("No se encontró el archivo de estilo \"%1\"").arg(archivo),
                    QStringLiteral("SkinFramework"));
    archivo_ = f.fileName();
    hoja_ = QString::fromUtf8(f.readAll());
}

void SkinFramework::ApplyWindow(QWidget* ventana) const
{
    if (ventana)
        ventana->setStyleSheet(hoja_);
}
