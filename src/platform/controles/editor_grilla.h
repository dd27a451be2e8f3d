#pragma once
// The text box a window lays over a grid cell to edit it, as the voucher
// procedures see it: its name (which grid it edits), its text, whether it is
// shown, and the properties of the column being edited: the field it edits
// (DataField), the length limit (MaxLength, 0 = none) and the look-up it offers
// (Tag, empty = none). The window's real line edit follows it through
// Vincular.

#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;

class EditorGrilla : public QObject {
    Q_OBJECT
public:
    // What a line edit takes for "no limit".
    static constexpr int SinLimiteQt = 32767;

    explicit EditorGrilla(QString nombre = QString(), QObject* padre = nullptr);

    QString Name() const { return nombre_; }
    void setName(const QString& nombre);
    QString Text() const { return texto_; }
    void setText(const QString& texto);
    bool Visible() const { return visible_; }
    void setVisible(bool visible);

    QString DataField() const { return campo_; }
    void setDataField(const QString& campo);
    int MaxLength() const { return largo_; }
    void setMaxLength(int largo);
    QString Tag() const { return etiqueta_; }
    void setTag(const QString& etiqueta);

    // Keeps the line edit and this editor in step: name, text both ways,
    // visibility and the length limit. The line edit must outlive the link or
    // be destroyed first; either way the link ends with it.
    void Vincular(QLineEdit& caja);

signals:
    void cambiado();

private:
    void aplicar();

    QString nombre_;
    QString texto_;
    bool visible_ = true;
    QString campo_;
    int largo_ = 0;
    QString etiqueta_;
    QPointer<QLineEdit> caja_;
};
