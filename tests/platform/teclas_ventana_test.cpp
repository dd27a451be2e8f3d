#include "platform/controles/caja_texto.h"
#include "platform/controles/teclas_ventana.h"

#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A window with one box, whose F2 is the window's and whose F5 the window
// lets through; what each side received is written down.
struct VentanaConCaja {
    VentanaConCaja()
    {
        auto* v = new QVBoxLayout(&ventana);
        v->addWidget(caja);
        QObject::connect(caja, &CajaTexto::KeyDown, [this](int& k, int) {
            if (k >= 112)   // the function keys
                enLaCaja.push_back(k);
        });
        ventana.show();
        caja->setFocus();
    }

    QWidget ventana;
    CajaTexto* caja = new CajaTexto;
    std::vector<int> enLaVentana, enLaCaja;
    TeclasVentana teclas{ventana, {Qt::Key_F2, Qt::Key_F5}, [this](int& k, int shift) {
                             enLaVentana.push_back(k * 10 + shift);
                             if (k == 113)
                                 k = 0;
                         }};
};

TEST(TeclasVentana, LaVentanaLasVeAntesQueSusControles)
{
    VentanaConCaja v;
    QTest::keyClick(v.caja, Qt::Key_F2, Qt::ShiftModifier);
    QTest::keyClick(v.caja, Qt::Key_F5);
    QTest::keyClick(v.caja, Qt::Key_F3);
    // F2 consumed by the window; F5 passed on to the box; F3 is not the window's.
    EXPECT_EQ(v.enLaVentana, (std::vector<int>{1131, 1160}));
    EXPECT_EQ(v.enLaCaja, (std::vector<int>{116, 114}));
}

TEST(TeclasVentana, OtraVentanaNoLasEntrega)
{
    VentanaConCaja v;
    QWidget otra;
    auto* caja = new CajaTexto(&otra);
    otra.show();
    QTest::keyClick(caja, Qt::Key_F2);
    EXPECT_TRUE(v.enLaVentana.empty());
}

}  // namespace
