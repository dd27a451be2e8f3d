#pragma once
// A text box as the system's procedures see it: the field it is bound to
// (DataField), the look-up it opens (Tag), its place in a control array
// (Index) and its length limit (MaxLength, 0 = none).

#include <QLineEdit>
#include <QString>

class CajaTexto : public QLineEdit {
    Q_OBJECT
public:
    explicit CajaTexto(QWidget* padre = nullptr) : QLineEdit(padre) {}

    QString DataField;
    QString Tag;
    int Index = -1;

    int MaxLength() const { return maxLength() >= 32767 ? 0 : maxLength(); }
    void setMaxLength(int largo) { QLineEdit::setMaxLength(largo <= 0 ? 32767 : largo); }

signals:
    void GotFocus();
    void LostFocus();
    // Key codes and Shift as the system's handlers read them; setting the code
    // or the character to 0 consumes the key.
    void KeyDown(int& KeyCode, int Shift);
    void KeyPress(int& KeyAscii);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};
