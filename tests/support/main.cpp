// Test main: a QApplication on the offscreen platform, then every test.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings, the error log and exported workbooks go to a folder of this
    // run's own: nothing is left behind, and no earlier run is read back.
    QTemporaryDir casa;
    if (casa.isValid()) {
        for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "TMPDIR"}) {
            const QString carpeta = casa.filePath(QString::fromLatin1(variable));
            QDir().mkpath(carpeta);
            qputenv(variable, QFile::encodeName(carpeta));
        }
    }
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("OrvandisPruebas"));
    QCoreApplication::setApplicationName(QStringLiteral("V_Pelmaro"));
    // A fixed regional setting, so formats do not depend on the machine.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
