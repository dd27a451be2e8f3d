#include "platform/sistema.h"
#include "session/ModGlobal.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvandis"));
    QCoreApplication::setApplicationName(QStringLiteral("V_Pelmaro"));

    // As the start-up window opens the run: the parameter string of the command
    // line (none: the embedded demo database). A failed connection ends here.
    bool leerIni = false;
    QString parametros, cadenaConexion;
    long modo = 3;
    ModGlobal::IniciaSesion(leerIni, parametros, cadenaConexion, modo);

    const SesionBD& sesion = *ModGlobal::gSesionBD;
    const QString donde = sesion.Archivo().isEmpty() ? sesion.Servidor : sesion.Archivo();
    QLabel ventana(QStringLiteral("Estructura de Productos\nBase de datos: ") + sesion.BaseDeDatos + QStringLiteral(" (") +
                   donde + QStringLiteral(")\nUsuario: ") + ModGlobal::gUsuarioLogeado + QStringLiteral("   Caja: ") +
                   ModGlobal::gCaja);
    ventana.setWindowTitle(QStringLiteral("Estructura de Productos"));
    ventana.setAlignment(Qt::AlignCenter);
    ventana.resize(640, 400);
    ventana.show();
    const int codigo = app.exec();
    ModGlobal::FinalizaSesion();
    return codigo;
}
