#include "session/ModGlobal.h"

#include "platform/skin_framework.h"
#include "support/carpeta_temporal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QApplication>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

// A main frame window of the suite: its toolbars keep their own style.
class FrmMDI : public QWidget {
    Q_OBJECT
};

namespace {

struct VentanaConSkin {
    VentanaConSkin() { control = new SkinFramework(&ventana); }
    QWidget ventana;
    SkinFramework* control;
};

class Skins : public ::testing::Test {
protected:
    void SetUp() override
    {
        Sistema::FijarCarpetaAplicacion(carpeta.Ruta());
        InfoSistema::FijarCarpetaSistema(carpeta.Ruta());
        QDir(carpeta.Ruta()).mkpath(QStringLiteral("Styles/iTunes"));
        for (const char* hoja : {"Vista.qss", "WinXP.Luna.qss", "WinXP.Royale.qss", "Office2007.qss",
                                 "iTunes/Normalitunes.qss"})
            carpeta.Escribe(QStringLiteral("Styles/") + QLatin1String(hoja),
                            QByteArray("/* ") + hoja + " */ QWidget { color: #123456; }");
    }
    void TearDown() override
    {
        Sistema::FijarCarpetaAplicacion(QString());
        InfoSistema::FijarCarpetaSistema(QString());
    }
    void EscribeIni(const QString& lineaStyles) const
    {
        const QString seccion = InfoSistema::UsuarioEquipo().toUpper() + QStringLiteral("Styles");
        carpeta.Escribe(QStringLiteral("CN000pr.INI"),
                        QStringLiteral("[OTRA]\nStyles=3\n[%1]\n%2\n").arg(seccion, lineaStyles).toLatin1());
    }
    CarpetaTemporal carpeta;
};

TEST_F(Skins, CadaNumeroEligeSuHojaDeEstilo)
{
    struct Caso {
        const char* linea;
        const char* hoja;
        int numero;
    };
    const Caso casos[] = {
        {"Styles=1", "Styles/Vista.qss", 1},
        {"Styles=2", "Styles/WinXP.Luna.qss", 2},
        {"styles=3", "Styles/WinXP.Royale.qss", 3},
        {"Styles=4", "Styles/iTunes/Normalitunes.qss", 4},
        {"Styles=0", "Styles/Office2007.qss", 0},
        {"Styles=5", "Styles/Office2007.qss", 5},
        {"Styles=-2", "Styles/Office2007.qss", -2},
        {"Styles=A", "Styles/Office2007.qss", 0},
        {"Styles=", "Styles/Office2007.qss", 0},
        {"Styles=2 azul", "Styles/WinXP.Luna.qss", 2},
        {"Styles=2.5", "Styles/WinXP.Luna.qss", 2},
        {"Styles=99999", "Styles/Office2007.qss", 0},
        {"OtraClave=2", "Styles/Vista.qss", 1},   // a missing key reads as "1"
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linea);
        EscribeIni(QLatin1String(c.linea));
        VentanaConSkin v;
        v.control->ApplyOptions = 4;
        ModGlobal::AplicaSkin(v.ventana);
        EXPECT_EQ(ModGlobal::gEstiloSkin, c.numero);
        EXPECT_EQ(v.control->ArchivoCargado(), carpeta.Archivo(QLatin1String(c.hoja)));
        EXPECT_EQ(v.ventana.styleSheet(), QString::fromUtf8(carpeta.Lee(QLatin1String(c.hoja))));
        EXPECT_EQ(v.control->ApplyOptions, 5);
    }
}

TEST_F(Skins, UnaHojaQueFaltaVaAlLlamador)
{
    EscribeIni(QStringLiteral("Styles=2"));
    QFile::remove(carpeta.Archivo(QStringLiteral("Styles/WinXP.Luna.qss")));
    VentanaConSkin v;
    try {
        ModGlobal::AplicaSkin(v.ventana);
        FAIL() << "a missing skin must reach the caller";
    } catch (const Falla& f) {
        EXPECT_EQ(f.Numero, 53);
        EXPECT_TRUE(f.Descripcion.contains(QStringLiteral("Styles/WinXP.Luna.qss"))) << f.Descripcion.toStdString();
    }
    EXPECT_TRUE(v.ventana.styleSheet().isEmpty());
    EXPECT_EQ(v.control->ApplyOptions, 0);
}

TEST_F(Skins, UnaVentanaSinControlDeSkinVaAlLlamador)
{
    EscribeIni(QStringLiteral("Styles=1"));
    QWidget ventana;
    try {
        ModGlobal::AplicaSkin(ventana);
        FAIL() << "a window without its skin control must reach the caller";
    } catch (const Falla& f) {
        EXPECT_EQ(f.Numero, 438);
    }
}

QStringList avisosDeQt;
void GrabaAviso(QtMsgType, const QMessageLogContext&, const QString& texto)
{
    if (texto.contains(QStringLiteral("stylesheet"), Qt::CaseInsensitive))
        avisosDeQt << texto;
}

TEST(SkinsInstalados, CadaSkinEstaJuntoAlProgramaYQtLaEntiende)
{
    // The real application folder: where the build installs the skins.
    Sistema::FijarCarpetaAplicacion(QString());
    InfoSistema::FijarCarpetaSistema(QString());
    CarpetaTemporal ini;
    InfoSistema::FijarCarpetaSistema(ini.Ruta());
    const QString seccion = InfoSistema::UsuarioEquipo().toUpper() + QStringLiteral("Styles");
    QStringList cargadas;
    for (int numero = 0; numero <= 4; ++numero) {
        SCOPED_TRACE(numero);
        ini.Escribe(QStringLiteral("cn000pr.ini"), QStringLiteral("[%1]\nStyles=%2\n").arg(seccion).arg(numero).toLatin1());
        QMainWindow ventana;
        auto* control = new SkinFramework(&ventana);
        ventana.menuBar()->addMenu(QStringLiteral("&Archivo"));
        ventana.addToolBar(QStringLiteral("Util0011"))->addAction(QStringLiteral("Buscar"));
        auto* pestanas = new QTabWidget;
        auto* tabla = new QTableWidget(3, 3);
        tabla->setAlternatingRowColors(true);
        pestanas->addTab(tabla, QStringLiteral("Artículos"));
        pestanas->addTab(new QTreeWidget, QStringLiteral("Rubros"));
        pestanas->addTab(new QLineEdit, QStringLiteral("Filtro"));
        pestanas->addTab(new QComboBox, QStringLiteral("Familia"));
        pestanas->addTab(new QCheckBox(QStringLiteral("Insumos")), QStringLiteral("Insumos"));
        pestanas->addTab(new QPushButton(QStringLiteral("Aceptar")), QStringLiteral("Botón"));
        ventana.setCentralWidget(pestanas);
        ventana.statusBar()->showMessage(QStringLiteral("Srv: local"));

        ASSERT_NO_THROW(ModGlobal::AplicaSkin(ventana));
        cargadas << control->ArchivoCargado();
        EXPECT_FALSE(control->HojaDeEstilo().trimmed().isEmpty());
        avisosDeQt.clear();
        const QtMessageHandler anterior = qInstallMessageHandler(GrabaAviso);
        ventana.show();
        ventana.grab();
        qInstallMessageHandler(anterior);
        EXPECT_TRUE(avisosDeQt.isEmpty()) << avisosDeQt.join(u'\n').toStdString();
    }
    cargadas.removeDuplicates();
    EXPECT_EQ(cargadas.size(), 5);
    InfoSistema::FijarCarpetaSistema(QString());
}

TEST(IconoFormulario, ElIconoDeLaSuiteYLasBarrasSegunElPuesto)
{
    const double antes = ModGlobal::gFlatToolbars;
    for (double estilo : {0.0, 1.0}) {
        SCOPED_TRACE(estilo);
        ModGlobal::gFlatToolbars = estilo;
        QMainWindow ventana;
        QToolBar* barra = ventana.addToolBar(QStringLiteral("barra"));
        barra->setObjectName(QStringLiteral("TBarRep1"));
        barra->addAction(QStringLiteral("Imprimir"));
        QToolBar* otra = ventana.addToolBar(QStringLiteral("otra"));
        otra->addAction(QStringLiteral("Salir"));
        ModGlobal::AplicaIconoFormulario(ventana);

        EXPECT_FALSE(ventana.windowIcon().pixmap(32, 32).isNull());
        EXPECT_EQ(barra->property("StyleBar").toDouble(), estilo);
        for (QToolButton* b : barra->findChildren<QToolButton*>())
            EXPECT_EQ(b->autoRaise(), estilo != 0);
        EXPECT_FALSE(otra->property("StyleBar").isValid());
    }
    ModGlobal::gFlatToolbars = antes;
}

TEST(IconoFormulario, ElMarcoPrincipalConservaSusBarras)
{
    const double antes = ModGlobal::gFlatToolbars;
    ModGlobal::gFlatToolbars = 0;
    FrmMDI marco;
    auto* barra = new QToolBar(&marco);
    barra->setObjectName(QStringLiteral("UtilNet1"));
    barra->addAction(QStringLiteral("Nuevo"));
    ModGlobal::AplicaIconoFormulario(marco);
    EXPECT_FALSE(marco.windowIcon().isNull());
    EXPECT_FALSE(barra->property("StyleBar").isValid());
    for (QToolButton* b : barra->findChildren<QToolButton*>())
        EXPECT_TRUE(b->autoRaise());
    ModGlobal::gFlatToolbars = antes;
}

// A dialog set up inside its caller's event is not yet shown and holds the
// caller back only from its show: the pending events its set-up lets run
// leave the operator's keys waiting until then.
TEST(IconoFormulario, LaEntradaEsperaAQueLaVentanaSeMuestre)
{
    QWidget llamadora;
    auto* campo = new QLineEdit(&llamadora);
    llamadora.show();
    llamadora.activateWindow();
    campo->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&llamadora));

    QWidget dialogo;
    bool corrio = false;
    QTimer::singleShot(0, &llamadora, [&] {
        corrio = true;
        QTest::keyClick(llamadora.windowHandle(), Qt::Key_A);
    });
    ModGlobal::AplicaIconoFormulario(dialogo);
    EXPECT_TRUE(corrio);
    EXPECT_EQ(campo->text(), QString());
    QApplication::processEvents();
    EXPECT_EQ(campo->text(), QStringLiteral("a"));
}

}  // namespace

#include "apariencia_test.moc"
