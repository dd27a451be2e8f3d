#include "ventana_prueba.h"

#include "platform/controles/vista_arbol.h"
#include "platform/controles/vista_lista.h"
#include "session/cartel_ventana.h"
#include "support/lector_xlsx.h"

#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace {

using CargasInterrumpidas = VentanaPrueba;

// A click as the window system delivers it, so that modality applies.
void clicDelSistema(QWidget* control, QPoint punto = {})
{
    QWindow* ventana = control->window()->windowHandle();
    ASSERT_NE(ventana, nullptr);
    if (punto.isNull())
        punto = control->rect().center();
    QTest::mouseClick(ventana, Qt::LeftButton, Qt::NoModifier, control->mapTo(control->window(), punto));
}

// Runs the operator's action in the events that follow the n-th row added
// to the list, while the load is still under way.
void TrasLaFila(Lista& lista, QObject* contexto, int n, std::function<void()> accion)
{
    auto agregadas = std::make_shared<int>(0);
    QObject::connect(&lista, &Lista::insertado, contexto, [=] {
        if (++*agregadas == n)
            QTimer::singleShot(0, contexto, accion);
    });
}

int Cargas(const QStringList& enviado)
{
    int n = 0;
    for (const QString& s : enviado)
        n += s.contains(QStringLiteral("FROM VT_INS_ARTICULOS")) ? 1 : 0;
    return n;
}

// Cancel pressed while the rows arrive: the rows added so far stay, the same
// ones a whole load starts with, and the list shows them all.
TEST_F(CargasInterrumpidas, CancelarDejaLasFilasCargadasYLaVentanaSigueUsable)
{
    FrmTervalio& v = *ventana;
    Node& todos = v.TreeView1.Nodes().Item(QStringLiteral("D|"));
    v.TreeView1_NodeClick(&todos);
    const QStringList enteras = Filas(v.ListView1, 8);
    ASSERT_GT(enteras.size(), 6);

    // The click is seen by the notice's next update, after one row more.
    TrasLaFila(v.ListView1, &v, 3, [] { clicDelSistema(ModGlobal::gCartel->Ventana()->CmdDisplayCancelar); });
    v.TreeView1_NodeClick(&todos);
    EXPECT_EQ(Filas(v.ListView1, 8), enteras.mid(0, 4));
    EXPECT_EQ(v.vistaListView1->model()->rowCount(), 4);
    EXPECT_EQ(ModGlobal::gCartel->Ventana(), nullptr);
    EXPECT_EQ(Foco(), v.vistaListView1);
    EXPECT_TRUE(avisos.preguntas.empty());

    // The cancel ended with its notice: the next load is whole.
    v.TreeView1_NodeClick(&todos);
    EXPECT_EQ(Filas(v.ListView1, 8), enteras);
}

// While the notice shows, the window takes neither keys nor clicks: F2 saves
// nothing and a tree click starts no second load.
TEST_F(CargasInterrumpidas, DuranteLaCargaLaVentanaNoTomaEntrada)
{
    FrmTervalio& v = *ventana;
    ModGlobal::gSesionBD->LimpiaBitacora();
    TrasLaFila(v.ListView1, &v, 3, [&] {
        QTest::keyClick(v.windowHandle(), Qt::Key_F2);
        clicDelSistema(v.vistaTreeView1);
    });
    v.TreeView1_NodeClick(&v.TreeView1.Nodes().Item(QStringLiteral("D|")));
    QApplication::processEvents();
    EXPECT_EQ(Cargas(Enviado()), 1);
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
}

// A list statement that fails and is retried closed the notice: the rest of
// the load still takes no input, which waits until the load is over.
TEST_F(CargasInterrumpidas, TrasReintentarLaCargaSigueSinTomarEntrada)
{
    FrmTervalio& v = *ventana;
    ModGlobal::gSesionBD->LimpiaBitacora();
    ModGlobal::gSesionBD->Conexion.Inyector.FallaLaQueCoincida(QStringLiteral("FROM VT_INS_ARTICULOS"), 1205,
                                                                 QStringLiteral("bloqueo"));
    avisos.Responder({4});
    size_t preguntasDurante = 0;
    TrasLaFila(v.ListView1, &v, 3, [&] { QTest::keyClick(v.windowHandle(), Qt::Key_F2); });
    TrasLaFila(v.ListView1, &v, 4, [&] { preguntasDurante = avisos.preguntas.size(); });
    v.TreeView1_NodeClick(&v.TreeView1.Nodes().Item(QStringLiteral("D|")));
    EXPECT_GT(v.ListView1.ListItems().Count(), 6);
    EXPECT_EQ(preguntasDurante, 1u);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("bloqueo")));

    // The load over, the key arrives: the save asks for the plan's name.
    QApplication::processEvents();
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_EQ(avisos.preguntas[1].texto, QStringLiteral("Debe asignarle una fecha para poder grabar"));
}

// While the workbook is written, a second click on Exportar Excel, a tree
// click and F2 reach nothing: one workbook, with every row of the list.
TEST_F(CargasInterrumpidas, DuranteLaExportacionLaVentanaNoTomaEntrada)
{
    FrmTervalio& v = *ventana;
    v.TreeView1_NodeClick(&v.TreeView1.Nodes().Item(QStringLiteral("D|")));
    const QStringList filas = Filas(v.ListView1, 8);
    ASSERT_GT(filas.size(), 6);
    avisos.ResponderDialogo([](QDialog&) { return 0; });   // the print preview
    ModGlobal::gSesionBD->LimpiaBitacora();
    bool cartel = false;
    // Runs at the first events the export lets through, its notice showing.
    QTimer::singleShot(0, &v, [&] {
        cartel = ModGlobal::gCartel->Ventana() && ModGlobal::gCartel->Ventana()->isVisible();
        clicDelSistema(v.CmdExpExcel);
        clicDelSistema(v.vistaTreeView1);
        QTest::keyClick(v.windowHandle(), Qt::Key_F2);
    });
    clicDelSistema(v.CmdExpExcel);
    QApplication::processEvents();
    EXPECT_TRUE(cartel);
    ASSERT_EQ(abiertos.size(), 1u);
    const QByteArray hoja = ParteDelLibro(abiertos[0], "xl/worksheets/sheet1.xml");
    EXPECT_EQ(hoja.count("<row "), filas.size() + 1);
    for (const QString& fila : filas)
        EXPECT_TRUE(hoja.contains(fila.section(u'|', 0, 0).toUtf8())) << fila.toStdString();
    EXPECT_EQ(Filas(v.ListView1, 8), filas);
    EXPECT_EQ(Cargas(Enviado()), 0);
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
}

}  // namespace
