#pragma once
// INI files read as Windows reads them: in the code page, or in UTF-8 or UTF-16
// after a byte-order mark; lines ended by CR LF, LF or a lone CR; sections and
// keys without regard to case, any character but "]" in a section name
// ("HOST|USER" included), the default when the key is absent, the file name
// itself found without regard to case.

#include <QString>

class LectorIni {
public:
    // Puts into `valor` the key's value, or `porDefecto` when the key is absent.
    void LeeClave(const QString& archivo, const QString& seccion, const QString& clave,
                  const QString& porDefecto, QString& valor) const;
    QString LeeClave(const QString& archivo, const QString& seccion, const QString& clave,
                     const QString& porDefecto = QString()) const;

    // A bare file name is looked for in the application folder, then in the
    // system folder (where the program keeps its INI file on this machine).
    static QString UbicaArchivo(const QString& archivo);
};
