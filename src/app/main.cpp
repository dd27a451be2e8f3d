#include "plan/FrmTervalio.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvandis"));
    QCoreApplication::setApplicationName(QStringLiteral("V_Pelmaro"));

    // The start-up window opens the run in its load (a failed connection ends
    // the program there) and ends it when it is closed.
    FrmTervalio ventana;
    ventana.Form_Load();
    ventana.show();
    return app.exec();
}
