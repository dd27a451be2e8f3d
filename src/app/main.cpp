#include "platform/sistema.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvandis"));
    QCoreApplication::setApplicationName(QStringLiteral("V_Pelmaro"));
    QLabel ventana(QStringLiteral("Estructura de Productos"));
    ventana.setWindowTitle(QStringLiteral("Estructura de Productos"));
    ventana.resize(640, 400);
    ventana.show();
    return app.exec();
}
