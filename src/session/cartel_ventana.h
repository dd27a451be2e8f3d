#pragma once
// The progress notice window: three centred lines, a turning symbol and an
// optional cancel button. Reached only through Dll_Display.

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>

class QCloseEvent;
class QLabel;
class QPushButton;

class Lbf_CtrlDisplay : public QWidget {
    Q_OBJECT

public:
    Lbf_CtrlDisplay();

    static constexpr int Fotogramas = 12;
    // Frame n (1 to 12) of the animation: 32 x 32, grey tones.
    static QImage ImageList1(int n);

    // The caption the cancel button shows once the operator has pressed it.
    static QString TextoAbortado();

    std::array<QLabel*, 3> LblCtrol{};
    QLabel* Image1 = nullptr;
    QPushButton* CmdDisplayCancelar = nullptr;
    QTimer Timer1;
    std::int16_t NroImagen = 0;

    // The frame Image1 shows now (1 to 12).
    int FotogramaVisible() const { return fotograma_; }

public slots:
    void Timer1_Timer();

protected:
    // The notice closes only when its caller says so.
    void closeEvent(QCloseEvent* evento) override;

private:
    void MuestraFotograma(int n);
    int fotograma_ = 0;
    // Each frame drawn once, on its first showing.
    std::array<QPixmap, Fotogramas> cuadros_;
};
