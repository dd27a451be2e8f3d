// The event pump of long loops: timers and paints run, input waits.
#include "platform/eventos.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Eventos, LaEntradaEsperaAlFinDelBucleYLosTemporizadoresCorren)
{
    QLineEdit campo;
    campo.show();
    bool temporizador = false;
    QTimer::singleShot(0, [&] { temporizador = true; });
    QCoreApplication::postEvent(&campo, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
    QCoreApplication::postEvent(&campo, new QKeyEvent(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b")));
    for (int i = 0; i < 5; ++i) {
        Eventos::Pendientes();
        EXPECT_TRUE(campo.text().isEmpty()) << "vuelta " << i;
    }
    EXPECT_TRUE(temporizador);
    // Back in the event loop, the keys arrive in their order.
    QCoreApplication::processEvents();
    EXPECT_EQ(campo.text(), QStringLiteral("ab"));
}

TEST(Eventos, LasPruebasReemplazanElBombeo)
{
    int llamadas = 0;
    Eventos::FijarBombeo([&] { ++llamadas; });
    Eventos::Pendientes();
    Eventos::Pendientes();
    Eventos::FijarBombeo(nullptr);
    EXPECT_EQ(llamadas, 2);
}
