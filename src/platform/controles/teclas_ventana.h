#pragma once
// Keys that belong to a window whatever control holds the focus (the suite's
// F2 and F5): the window sees them before any of its controls, so a list does
// not take F2 to edit nor a box F5. Each is handed to the window's KeyDown
// with the system's key code and Shift mask; a code set to 0 consumes the key.
// Keys pressed in another window (a message box, a pick list) are not seen.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class TeclasVentana : public QObject {
public:
    using KeyDown = std::function<void(int& KeyCode, int Shift)>;

    // Watches the keys from now until this object is destroyed.
    TeclasVentana(QWidget& ventana, std::vector<int> teclasQt, KeyDown manejador);
    ~TeclasVentana() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget& ventana_;
    std::vector<int> teclas_;
    KeyDown manejador_;
    // The key last handed over and not consumed, and the control it went to.
    const QEvent* visto_ = nullptr;
    QPointer<QWidget> receptor_;
};
