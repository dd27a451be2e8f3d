#include "platform/utilidades_comunes.h"

#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(Formulario, LaUbicacionGuardadaVuelveDentroDeLaPantalla)
{
    UtilidadesComunes u;
    QWidget ventana;
    ventana.setObjectName(QStringLiteral("VentanaDePrueba"));
    const QRect pantalla = ventana.screen()->availableGeometry();
    // Kept on a much larger screen, far to the right.
    ventana.setGeometry(pantalla.right() + 2000, pantalla.top() + 50, pantalla.width() + 500, 200);
    u.GuardaFormulario(&ventana);
    QWidget otra;
    otra.setObjectName(QStringLiteral("VentanaDePrueba"));
    u.InicializaFormulario(&otra);
    EXPECT_TRUE(pantalla.contains(otra.frameGeometry())) << otra.frameGeometry().x() << "," << otra.frameGeometry().width();
    QSettings().remove(QStringLiteral("Formularios/VentanaDePrueba"));
}

}  // namespace
