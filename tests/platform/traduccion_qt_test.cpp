#include "platform/traduccion_qt.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

QStringList textosDelMenu(QLineEdit& caja)
{
    std::unique_ptr<QMenu> menu(caja.createStandardContextMenu());
    QStringList textos;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            textos << a->text().section(u'\t', 0, 0);  // without the shortcut
    return textos;
}

// The rest of the suite runs with Qt's own texts.
struct SinTraduccion {
    ~SinTraduccion() { CargaTraduccionQt(QString()); }
};

TEST(TraduccionQt, ElMenuDeUnaCajaDeTextoEnCastellano)
{
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QDir(carpeta).exists(QStringLiteral("qtbase_es.qm")))
        GTEST_SKIP() << "Qt's Spanish translation is not installed";
    SinTraduccion fin;
    ASSERT_TRUE(CargaTraduccionQt());
    QLineEdit caja;
    const QStringList textos = textosDelMenu(caja);
    EXPECT_TRUE(textos.contains(QStringLiteral("&Deshacer"))) << textos.join(u',').toStdString();
    EXPECT_TRUE(textos.contains(QStringLiteral("&Pegar"))) << textos.join(u',').toStdString();
    EXPECT_FALSE(textos.contains(QStringLiteral("&Undo")));
}

TEST(TraduccionQt, SinElArchivoQuedanLosTextosDeQt)
{
    SinTraduccion fin;
    QTemporaryDir vacia;
    EXPECT_FALSE(CargaTraduccionQt(vacia.path()));
    QLineEdit caja;
    EXPECT_TRUE(textosDelMenu(caja).contains(QStringLiteral("&Undo")));
}

}  // namespace
