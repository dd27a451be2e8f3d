#pragma once
// The skin control a window carries (named "SkinFramework1"): it loads a skin
// and applies it to a window. A skin is a Qt style sheet: a ".qss" file, or a
// folder whose style sheet is named after the skin's settings file
// ("Styles/iTunes" with "Normalitunes.ini" is "Styles/iTunes/Normalitunes.qss").

#include <QObject>
#include <QString>

class QWidget;

class SkinFramework : public QObject {
    Q_OBJECT

public:
    explicit SkinFramework(QObject* dueno = nullptr);

    // Reads the skin; a skin file that is not there fails with 53.
    void LoadSkin(const QString& ruta, const QString& archivoAjustes);
    void ApplyWindow(QWidget* ventana) const;

    // Bit set of what the skin covers; kept for the window's owner.
    int ApplyOptions = 0;

    // The style sheet file last loaded and its text.
    const QString& ArchivoCargado() const { return archivo_; }
    const QString& HojaDeEstilo() const { return hoja_; }

    static constexpr long ArchivoNoEncontrado = 53;

private:
    QString archivo_;
    QString hoja_;
};
