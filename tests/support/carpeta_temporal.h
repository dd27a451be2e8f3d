#pragma once
// A temporary folder for one test, removed at the end.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QString>

class CarpetaTemporal {
public:
    QString Ruta() const { return dir_.path(); }
    QString Archivo(const QString& nombre) const { return dir_.filePath(nombre); }
    void Escribe(const QString& nombre, const QByteArray& contenido) const
    {
        QFile f(Archivo(nombre));
        f.open(QIODevice::WriteOnly);
        f.write(contenido);
    }
    QByteArray Lee(const QString& nombre) const
    {
        QFile f(Archivo(nombre));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};
