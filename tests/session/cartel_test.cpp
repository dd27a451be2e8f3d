#include "session/ModGlobal.h"
#include "session/cartel_ventana.h"

#include "platform/eventos.h"
#include "support/base_prueba.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

QStringList lineas(const Lbf_CtrlDisplay& v)
{
    return {v.LblCtrol[0]->text(), v.LblCtrol[1]->text(), v.LblCtrol[2]->text()};
}

// A click that waits in the queue until events are let through.
void encolaClic(QWidget* boton)
{
    const QPointF centro = QRectF(boton->rect()).center();
    const QPointF global = boton->mapToGlobal(centro);
    QCoreApplication::postEvent(boton, new QMouseEvent(QEvent::MouseButtonPress, centro, global, Qt::LeftButton,
                                                       Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(boton, new QMouseEvent(QEvent::MouseButtonRelease, centro, global, Qt::LeftButton,
                                                       Qt::NoButton, Qt::NoModifier));
}

// A click as the window system delivers it, so modality applies.
void clicDelSistema(QWidget* control)
{
    QWindow* ventana = control->window()->windowHandle();
    ASSERT_NE(ventana, nullptr);
    const QPoint punto = control->mapTo(control->window(), control->rect().center());
    QTest::mouseClick(ventana, Qt::LeftButton, Qt::NoModifier, punto);
}

// The texts a label was painted with, in order.
class Pinturas : public QObject {
public:
    explicit Pinturas(QLabel* etiqueta) { etiqueta->installEventFilter(this); }
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint)
            textos << static_cast<QLabel*>(objeto)->text();
        return false;
    }
    QStringList textos;
};

class Cartel : public ::testing::Test {
protected:
    void TearDown() override { cartel.CartelCerrar(); }
    Dll_Display cartel;
};

TEST_F(Cartel, LasLineasDadasCambianYLasOtrasQuedan)
{
    bool cancelado = true;
    cartel.CartelInicio(QStringLiteral("Cargando Articulos"), false);
    cartel.CartelMostrar(cancelado, QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres"));
    const Lbf_CtrlDisplay& v = *cartel.Ventana();
    EXPECT_EQ(lineas(v), (QStringList{"uno", "dos", "tres"}));

    // What shows once the throttle's interval has passed.
    cartel.CartelMostrar(cancelado, std::nullopt, QStringLiteral("segunda"));
    QTest::qWait(50);
    EXPECT_EQ(lineas(v), (QStringList{"uno", "segunda", "tres"}));

    cartel.CartelMostrar(cancelado, QVariant(), std::nullopt, 42);
    QTest::qWait(50);
    EXPECT_EQ(lineas(v), (QStringList{"", "segunda", "42"}));
    EXPECT_FALSE(cancelado);
}

TEST_F(Cartel, ElUltimoTextoSePintaAunqueNoLlegueOtraLlamada)
{
    bool cancelado = false;
    cartel.CartelInicio(QStringLiteral("Cargando Articulos"), true);
    Lbf_CtrlDisplay& v = *cartel.Ventana();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    v.Timer1.stop();   // no animation frame to paint for the notice
    Pinturas pinturas(v.LblCtrol[0]);
    // Two quick calls, then a long step that lets events through only at its end.
    cartel.CartelMostrar(cancelado, QStringLiteral("uno"));
    cartel.CartelMostrar(cancelado, QStringLiteral("dos"));
    QTest::qWait(100);
    ASSERT_FALSE(pinturas.textos.isEmpty());
    EXPECT_EQ(pinturas.textos.last(), QStringLiteral("dos"));
    EXPECT_TRUE(v.LblCtrol[0]->updatesEnabled());
}

// A skipped text and then a step that lets no events run: a long statement
// paints it once its interval ends, a file about to be written at once.
TEST_F(Cartel, ElUltimoTextoSePintaDuranteUnPasoLargoSinEventos)
{
    BasePrueba base;
    bool cancelado = false;
    cartel.CartelInicio(QStringLiteral("Cargando Articulos"), true);
    Lbf_CtrlDisplay& v = *cartel.Ventana();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    v.Timer1.stop();
    Pinturas pinturas(v.LblCtrol[0]);
    cartel.CartelMostrar(cancelado, QStringLiteral("uno"));
    cartel.CartelMostrar(cancelado, QStringLiteral("dos"));
    ASSERT_EQ(pinturas.textos.value(pinturas.textos.size() - 1), QStringLiteral("uno"));
    QElapsedTimer reloj;
    reloj.start();
    do
        base.Filas(QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < 300000) "
                                  "SELECT count(*) FROM c"));
    while (reloj.elapsed() < 60);
    EXPECT_EQ(pinturas.textos.value(pinturas.textos.size() - 1), QStringLiteral("dos"));

    QTest::qWait(50);
    cartel.CartelMostrar(cancelado, QStringLiteral("tres"));
    cartel.CartelMostrar(cancelado, QStringLiteral("cuatro"));
    EXPECT_EQ(pinturas.textos.value(pinturas.textos.size() - 1), QStringLiteral("tres"));
    Eventos::DuranteEspera(true);
    EXPECT_EQ(pinturas.textos.value(pinturas.textos.size() - 1), QStringLiteral("cuatro"));
}

TEST_F(Cartel, UnCartelNuevoPintaSuPrimerTextoEnSeguida)
{
    bool cancelado = false;
    cartel.CartelInicio(QStringLiteral("Cargando Articulos"), true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(cartel.Ventana()));
    cartel.CartelMostrar(cancelado, QStringLiteral("ART001"));
    cartel.CartelCerrar();
    // The next notice, right away: its first line is painted before the search it announces.
    cartel.CartelInicio(QStringLiteral("Cargando Articulos"), true);
    Lbf_CtrlDisplay& v = *cartel.Ventana();
    Pinturas pinturas(v.LblCtrol[0]);
    cartel.CartelMostrar(cancelado, QStringLiteral("Buscando..Espere por favor..."));
    EXPECT_EQ(pinturas.textos.value(pinturas.textos.size() - 1), QStringLiteral("Buscando..Espere por favor..."));
}

TEST_F(Cartel, LaVentanaComoSeDibuja)
{
    bool cancelado = false;
    // On a closed notice the update loads the window without showing it.
    cartel.CartelMostrar(cancelado);
    Lbf_CtrlDisplay& v = *cartel.Ventana();
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(v.windowTitle(), "Procesando Datos");
    EXPECT_EQ(v.CmdDisplayCancelar->text(), "&Cancelar");
    EXPECT_EQ(v.size(), QSize(523, 198));
    EXPECT_EQ(v.FotogramaVisible(), 1);
    EXPECT_EQ(v.Timer1.interval(), 100);
    EXPECT_TRUE(v.Timer1.isActive());
    for (QLabel* l : v.LblCtrol)
        EXPECT_TRUE(l->alignment() & Qt::AlignHCenter);

    const QRect pantalla = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(v.geometry().center().x() / 2, pantalla.center().x() / 2);
    EXPECT_EQ(v.geometry().center().y() / 2, pantalla.center().y() / 2);
    EXPECT_NEAR(v.windowOpacity(), 200.0 / 255.0, 0.01);
    EXPECT_EQ(v.windowModality(), Qt::ApplicationModal);

    cartel.CartelInicio(QStringLiteral("Exportando a Excel"), true);
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(v.windowTitle(), "Exportando a Excel");
    EXPECT_TRUE(v.CmdDisplayCancelar->isVisible());
}

TEST_F(Cartel, ElCancelarLoVeLaLlamadaSiguienteHastaCerrar)
{
    bool cancelado = true;
    cartel.CartelInicio(QStringLiteral("Buscando..Espere por favor..."), true);
    cartel.CartelMostrar(cancelado, QStringLiteral("fila 1"));
    EXPECT_FALSE(cancelado);

    encolaClic(cartel.Ventana()->CmdDisplayCancelar);
    cartel.CartelMostrar(cancelado, QStringLiteral("fila 2"));
    EXPECT_FALSE(cancelado) << "the click was still waiting";
    EXPECT_EQ(cartel.Ventana()->CmdDisplayCancelar->text(), "Abortado");
    for (int i = 0; i < 3; ++i) {
        cartel.CartelMostrar(cancelado);
        EXPECT_TRUE(cancelado);
    }

    cartel.CartelCerrar();
    EXPECT_EQ(cartel.Ventana(), nullptr);
    cartel.CartelInicio(QStringLiteral("otra vez"), true);
    cartel.CartelMostrar(cancelado);
    EXPECT_FALSE(cancelado);
    EXPECT_EQ(cartel.Ventana()->CmdDisplayCancelar->text(), "&Cancelar");
    EXPECT_EQ(lineas(*cartel.Ventana()), (QStringList{"", "", ""}));
}

TEST_F(Cartel, SinCancelarElBotonNoSeVeYNadaSeCancela)
{
    bool cancelado = true;
    cartel.CartelInicio(QStringLiteral("Grabando Stock...."), false);
    EXPECT_FALSE(cartel.Ventana()->CmdDisplayCancelar->isVisible());
    cartel.CartelMostrar(cancelado, QStringLiteral("Grabando Stock..."));
    EXPECT_FALSE(cancelado);
}

TEST_F(Cartel, ElTreceavoTicVuelveAlPrimerCuadro)
{
    bool cancelado = false;
    cartel.CartelMostrar(cancelado);
    Lbf_CtrlDisplay& v = *cartel.Ventana();
    for (int tic = 1; tic <= 12; ++tic) {
        v.Timer1_Timer();
        EXPECT_EQ(v.FotogramaVisible(), tic);
    }
    v.Timer1_Timer();
    EXPECT_EQ(v.FotogramaVisible(), 1);
    EXPECT_EQ(v.Image1->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              Lbf_CtrlDisplay::ImageList1(1).convertToFormat(QImage::Format_ARGB32));
}

TEST(CartelCuadros, DoceCuadrosDistintosDe32EnGrises)
{
    for (int n = 1; n <= Lbf_CtrlDisplay::Fotogramas; ++n) {
        const QImage cuadro = Lbf_CtrlDisplay::ImageList1(n);
        EXPECT_EQ(cuadro.size(), QSize(32, 32));
        const QRgb pixel = cuadro.pixel(16, 4);
        EXPECT_EQ(qRed(pixel), qGreen(pixel));
        EXPECT_EQ(qGreen(pixel), qBlue(pixel));
        if (n > 1) {
            EXPECT_NE(cuadro, Lbf_CtrlDisplay::ImageList1(n - 1)) << n;
        }
    }
}

TEST_F(Cartel, MientrasSeMuestraLasOtrasVentanasNoTomanEntrada)
{
    QWidget principal;
    auto* boton = new QPushButton(QStringLiteral("Exportar"), &principal);
    boton->setGeometry(10, 10, 100, 30);
    int clics = 0;
    QObject::connect(boton, &QPushButton::clicked, [&] { ++clics; });
    principal.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principal));

    cartel.CartelInicio(QStringLiteral("Cargando Articulos"), true);
    clicDelSistema(boton);
    bool cancelado = false;
    cartel.CartelMostrar(cancelado);
    EXPECT_EQ(clics, 0);

    clicDelSistema(cartel.Ventana()->CmdDisplayCancelar);
    cartel.CartelMostrar(cancelado);
    EXPECT_TRUE(cancelado);

    cartel.CartelCerrar();
    clicDelSistema(boton);
    EXPECT_EQ(clics, 1);
}

// Closed by a failure that the loop then went past, the notice is updated
// without showing: the other windows still take no input until the loop is
// over, when what the operator did arrives.
TEST_F(Cartel, CerradoYActualizadoLaEntradaEsperaAlFinDelBucle)
{
    QWidget principal;
    auto* campo = new QLineEdit(&principal);
    principal.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principal));
    principal.activateWindow();
    campo->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&principal));

    cartel.CartelInicio(QStringLiteral("Cargando Articulos"), true);
    cartel.CartelCerrar();
    bool cancelado = true;
    QTimer::singleShot(0, &principal, [&principal] { QTest::keyClick(principal.windowHandle(), Qt::Key_A); });
    cartel.CartelMostrar(cancelado, QStringLiteral("ART002"));
    EXPECT_FALSE(cancelado);
    ASSERT_NE(cartel.Ventana(), nullptr);
    EXPECT_FALSE(cartel.Ventana()->isVisible());
    cartel.CartelMostrar(cancelado);
    EXPECT_EQ(campo->text(), QString());

    QApplication::processEvents();
    EXPECT_EQ(campo->text(), QStringLiteral("a"));
}

TEST_F(Cartel, SiempreVisibleConservaLugarYTamano)
{
    cartel.CartelInicio(QStringLiteral("Procesando"), false);
    Lbf_CtrlDisplay& v = *cartel.Ventana();
    const QRect lugar = v.geometry();
    cartel.Siempre_Visible(true);
    EXPECT_TRUE(v.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(v.geometry(), lugar);
    cartel.Siempre_Visible(false);
    EXPECT_FALSE(v.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(v.isVisible());
}

TEST(CartelGlobal, SeCreaAlUsarloYSeLibera)
{
    ModGlobal::gCartel.Liberar();
    EXPECT_FALSE(ModGlobal::gCartel.Creado());
    ModGlobal::gCartel->CartelCerrar();   // harmless when never shown
    EXPECT_TRUE(ModGlobal::gCartel.Creado());
    ModGlobal::gCartel->CartelInicio(QStringLiteral("Exportando a Excel"), false);
    ModGlobal::gCartel.Liberar();
    EXPECT_FALSE(ModGlobal::gCartel.Creado());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
