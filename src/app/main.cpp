#include "plan/FrmTervalio.h"
#include "platform/traduccion_qt.h"

#include <QApplication>
#include <clocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Qt put the C library in the environment's locale. Its numbers keep the
    // decimal point: the database drivers and the workbook writer read and
    // write them. What the operator sees takes its regional format from the
    // suite's settings and QLocale, which still follows the environment.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QStringLiteral("Orvandis"));
    QCoreApplication::setApplicationName(QStringLiteral("V_Pelmaro"));
    CargaTraduccionQt();

    // The start-up window opens the run in its load (a failed connection ends
    // the program there) and ends it when it is closed.
    FrmTervalio ventana;
    ventana.Form_Load();
    ventana.show();
    return app.exec();
}
