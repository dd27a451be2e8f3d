#pragma once
// A text box as the system's procedures see it: the field it is bound to
// (DataField), the look-up it opens (Tag), its place in a control array
// (Index), its length limit (MaxLength, 0 = none) and its colours.

#include "platform/controles/colores.h"

#include <QLineEdit>
#include <QString>

class CajaTexto : public QLineEdit {
    Q_OBJECT
public:
    explicit CajaTexto(QWidget* padre = nullptr);

    QString DataField;
    QString Tag;
    int Index = -1;

    // The limit holds for what the operator types, pastes or drops; text the
    // program sets is kept whole, as the system's boxes kept it. A line edit's
    // own limit would cut it, so the box keeps its limit itself.
    int MaxLength() const { return largo_; }
    void setMaxLength(int largo) { largo_ = largo < 0 ? 0 : largo; }

    // Background and text colour, in the system's colour numbers.
    ColorBgr BackColor() const { return fondo_; }
    ColorBgr ForeColor() const { return letra_; }
    void Colorea(ColorBgr fondo, ColorBgr letra);

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
    void inputMethodEvent(QInputMethodEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    class Limite;
    friend class Limite;

    // Runs an edit of the operator's with the limit in force.
    template <class F>
    void comoOperador(F&& edicion);

    int largo_ = 0;
    bool operador_ = false;
    qsizetype largoPrevio_ = 0;
    ColorBgr fondo_ = Colores::FondoVentana;
    ColorBgr letra_ = Colores::TextoVentana;
};
