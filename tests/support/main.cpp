// Test main: a QApplication on the offscreen platform, then every test.
#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("OrvandisPruebas"));
    QCoreApplication::setApplicationName(QStringLiteral("V_Pelmaro"));
    // A fixed regional setting, so formats do not depend on the machine.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
