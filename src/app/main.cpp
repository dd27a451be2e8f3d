#include "platform/sistema.h"
#include "session/ModGlobal.h"

#include <QApplication>
#include <QLabel>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvandis"));
    QCoreApplication::setApplicationName(QStringLiteral("V_Pelmaro"));

    QString estado;
    if (argc <= 1) {
        // Without session parameters the program runs on the embedded demo database.
        bool sinServidor = true, a = true, b = true;
        long modo = 3;
        QString cadena;
        SesionBD& sesion = *ModGlobal::gSesionBD;
        sesion.Conectar(sinServidor, modo, cadena, a, b);
        if (!sesion.Conectado()) {
            std::fprintf(stderr, "V_Pelmaro: %s\n", sesion.MotivoDeFalla().toLocal8Bit().constData());
            return 1;
        }
        estado = QStringLiteral("Base de datos: ") + sesion.Archivo();
    }

    QLabel ventana(QStringLiteral("Estructura de Productos") + (estado.isEmpty() ? QString() : u'\n' + estado));
    ventana.setWindowTitle(QStringLiteral("Estructura de Productos"));
    ventana.setAlignment(Qt::AlignCenter);
    ventana.resize(640, 400);
    ventana.show();
    const int codigo = app.exec();
    ModGlobal::gSesionBD.Liberar();
    return codigo;
}
