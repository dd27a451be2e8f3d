// The picker window: acceptance per type, ticked orders, column sets, images,
// the header sort, keys and focus.
#include "columna_lista.h"
#include "picker/FrmConsComprobantes.h"
#include "platform/controles/caja_texto.h"
#include "platform/controles/medidor_texto.h"
#include "platform/controles/vista_lista.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A window whose list has the columns of the type and rows "t<i>" with
// sub-items "a<i>", "c<i>"; shown (its load lists nothing of an empty
// database) or not shown at all.
struct Ventana {
    explicit Ventana(const char* tc, int filas = 1, bool mostrar = false)
    {
        v.vistaListView1->setMedidor(&medidor);
        v.TC = QString::fromUtf8(tc);
        if (mostrar) {
            v.show();
            v.vistaListView1->setFocus();
        } else {
            v.Encolumnar();
        }
        for (int i = 1; i <= filas; ++i) {
            ListItem& e = v.ListView1.ListItems().Add(0, QString(), QStringLiteral("t%1").arg(i));
            e.setSubItems(1, QStringLiteral("a%1").arg(i));
            e.setSubItems(2, QStringLiteral("c%1").arg(i));
        }
        v.vistaListView1->Sincronizar();
    }
    ListItem& fila(int i) { return v.ListView1.ListItems().Item(i); }

    SesionGlobal s;
    AvisosGrabados avisos;
    MedidorFijo medidor;
    FrmConsComprobantes v;
};

QStringList Titulos(const Lista& l)
{
    QStringList t;
    for (int i = 1; i <= l.ColumnHeaders().Count(); ++i)
        t << l.ColumnHeaders().Item(i).Text();
    return t;
}

TEST(VentanaComprobantes, AceptacionPorGrupoDeTipos)
{
    struct Caso {
        const char* tc;
        const char* nro;
        const char* complemento;
        const char* proveedor;
    };
    const char* ventas[] = {"OT", "NP", "FC", "RM", "ND", "NC", "NCFP", "OP", "FP", "GF", "rm"};
    const char* compras[] = {"FCC", "NCC", "LNCC", "NCPE", "NDPR", "NCCP", "NDC", "LNDC", "RMC", "rmc"};
    std::vector<Caso> casos;
    for (const char* tc : ventas)
        casos.push_back({tc, "a1", "c1", ""});
    for (const char* tc : compras)
        casos.push_back({tc, "a1", "", "c1"});
    casos.push_back({"PR", "a1", "0", ""});
    casos.push_back({"T3", "t1", "0", ""});
    casos.push_back({"OC", "c1", "0", ""});
    casos.push_back({"oc", "c1", "0", ""});
    // Blanks count in the groups: " FC " is any other type.
    casos.push_back({" FC ", "a1", "", ""});
    casos.push_back({"VS", "a1", "", ""});
    for (const Caso& c : casos) {
        Ventana w(c.tc);
        w.v.ListView1.setSelectedItem(&w.fila(1));
        w.v.CmdAceptar_Click();
        EXPECT_EQ(w.v.NroComprobante, QString::fromUtf8(c.nro)) << c.tc;
        EXPECT_EQ(w.v.IdComplemento, QString::fromUtf8(c.complemento)) << c.tc;
        EXPECT_EQ(w.v.Proveedor, QString::fromUtf8(c.proveedor)) << c.tc;
        EXPECT_EQ(w.v.result(), QDialog::Accepted);
        EXPECT_EQ(w.v.ListView1.ListItems().Count(), 0) << "the list is emptied on closing";
    }
}

// Sales rows of types without a complement ("RM", "ND", "NC"...) leave that
// cell empty; the caller loads the voucher by the complement handed back.
TEST(VentanaComprobantes, VentaSinComplementoDevuelveCero)
{
    for (const char* tc : {"RM", "ND", "NC", "OP"})
        for (const char* celda : {"", "  "}) {
            Ventana w(tc);
            w.fila(1).setSubItems(2, QString::fromUtf8(celda));
            w.v.ListView1.setSelectedItem(&w.fila(1));
            w.v.CmdAceptar_Click();
            EXPECT_EQ(w.v.NroComprobante, QStringLiteral("a1")) << tc;
            EXPECT_EQ(w.v.IdComplemento, QStringLiteral("0")) << tc << " [" << celda << "]";
        }
}

TEST(VentanaComprobantes, SinFilaElegidaNoDevuelveNada)
{
    Ventana w("FC", 2);
    w.v.NroComprobante = QStringLiteral("previo");
    w.v.CmdAceptar_Click();
    EXPECT_EQ(w.v.NroComprobante, QString());
    EXPECT_EQ(w.v.IdComplemento, QString());
}

TEST(VentanaComprobantes, OrdenesDeCompraMarcadas)
{
    {
        Ventana w("OC", 6);
        w.fila(2).setChecked(true);
        w.fila(5).setChecked(true);
        w.v.ListView1.setSelectedItem(&w.fila(3));
        w.v.CmdAceptar_Click();
        EXPECT_EQ(w.v.NroComprobante, QStringLiteral("c2,c5"));
        EXPECT_EQ(w.v.IdComplemento, QStringLiteral("0"));
    }
    {
        Ventana w("OC", 6);
        w.v.ListView1.setSelectedItem(&w.fila(4));
        w.v.CmdAceptar_Click();
        EXPECT_EQ(w.v.NroComprobante, QStringLiteral("c4"));
    }
    {
        Ventana w("OC", 6);
        w.fila(1).setChecked(true);
        w.v.CmdAceptar_Click();
        EXPECT_EQ(w.v.NroComprobante, QString());
    }
    {
        // After two header clicks the rows stand in the other order, and so do the ticks.
        Ventana w("OC", 6);
        for (int i = 1; i <= 6; ++i)
            w.fila(i).setText(QStringLiteral("f%1").arg(7 - i));
        w.fila(2).setChecked(true);
        w.fila(5).setChecked(true);
        w.v.ListView1.setSelectedItem(&w.fila(1));
        w.v.ListView1_ColumnClick(w.v.ListView1.ColumnHeaders().Item(1));
        w.v.ListView1_ColumnClick(w.v.ListView1.ColumnHeaders().Item(1));
        w.v.CmdAceptar_Click();
        EXPECT_EQ(w.v.NroComprobante, QStringLiteral("c5,c2"));
    }
}

TEST(VentanaComprobantes, ConjuntosDeColumnas)
{
    struct Caso {
        const char* tc;
        QStringList titulos;
        std::vector<int> equis;
    };
    const QStringList ventas{"FECHA", "COMPROBANTE", "ID", "NOMBRE", "Referencia", "IMPORTE"};
    const QStringList compras{"FECHA", "COMPROBANTE", "PROVEEDOR", "NOMBRE", "CONCEPTO", "IMPORTE"};
    const QStringList otros{"FECHA", "COMPROBANTE", "CUENTA", "NOMBRE", "CONCEPTO", "IMPORTE"};
    const QStringList transporte{"ID", "COMPROBANTE", "COMPLEMENTO", "FECHA", "CUENTA"};
    const Caso casos[] = {
        {"RM-T", transporte, {5, 15, 6, 20, 13}},
        {"rm-t", transporte, {5, 15, 6, 20, 13}},
        {"OT", ventas, {20, 15, 5, 21, 15, 10}},
        {"GF", ventas, {20, 15, 5, 21, 15, 10}},
        {"FCC", compras, {13, 15, 15, 21, 21, 10}},
        {"NDPR", compras, {13, 15, 15, 21, 21, 10}},
        {"PR", {"FECHA", "COMPROBANTE", "NOMBRE", "ID", "Referencia", "IMPORTE"}, {13, 15, 21, 5, 21, 10}},
        {"T3", {"Nº Int.", "FECHA", "COMPROBANTE", "ID", "FH Envio", "FH Recep"}, {7, 13, 15, 4, 10, 10}},
        {"OC",
         {"FECHA", "PROVEEDOR", "COMPROBANTE", "IMPORTE", "COMENTARIOS", "Inf. Recepción"},
         {13, 13, 17, 9, 15, 15}},
        {"VS", otros, {13, 15, 15, 21, 21, 10}},
        {"RM/TRANSPORTE", otros, {13, 15, 15, 21, 21, 10}},
    };
    for (const Caso& c : casos) {
        Ventana w(c.tc, 0);
        const EncabezadosLista& h = w.v.ListView1.ColumnHeaders();
        EXPECT_EQ(Titulos(w.v.ListView1), c.titulos) << c.tc;
        ASSERT_EQ(size_t(h.Count()), c.equis.size()) << c.tc;
        for (int i = 1; i <= h.Count(); ++i) {
            EXPECT_EQ(h.Item(i).Width(), c.equis[size_t(i - 1)] * 120) << c.tc << " " << i;
            EXPECT_EQ(h.Item(i).Alignment(), lvwColumnLeft);
            EXPECT_TRUE(h.Item(i).Tag().isNull());
        }
    }
    // A second call replaces the columns.
    Ventana w("OC", 0);
    w.v.TC = QStringLiteral("RM-T");
    w.v.Encolumnar();
    EXPECT_EQ(w.v.ListView1.ColumnHeaders().Count(), 5);
}

TEST(VentanaComprobantes, IndiceDeImagen)
{
    FrmConsComprobantes v;
    const QStringList tags{"PR", "Anulado", "Aprobado", "FC", "NC", "ND", "OT", "Generico", "T3", "OC", "OCG"};
    ASSERT_EQ(v.ImageList1.size(), size_t(tags.size()));
    for (size_t i = 0; i < v.ImageList1.size(); ++i) {
        EXPECT_EQ(v.ImageList1[i].Tag, tags[qsizetype(i)]);
        EXPECT_FALSE(v.ImageList1[i].Picture.isNull()) << i;
    }
    const std::pair<const char*, int> casos[] = {{"PR", 1}, {"anulado", 2}, {" oc ", 10}, {"OCG", 11},
                                                 {"FCC", 8}, {"RM", 8},     {"", 8},       {" FC ", 4}};
    for (const auto& [tc, indice] : casos)
        EXPECT_EQ(v.ObtieneIndiceImagen(QString::fromUtf8(tc)), indice) << tc;
}

TEST(VentanaComprobantes, OrdenPorColumnaCadaClicInvierte)
{
    Ventana w("FC", 0, true);
    for (const char* importe : {"178000", "45200", "15600"}) {
        ListItem& e = w.v.ListView1.ListItems().Add(0, QString(), QStringLiteral("05/01/26"));
        e.setSubItems(6 - 1, QString::fromLatin1(importe));
        e.setSubItems(1, QString::fromLatin1(importe).left(3));
    }
    w.v.vistaListView1->Sincronizar();
    QHeaderView* cabecera = w.v.vistaListView1->header();
    const auto clic = [&](int seccion) {
        QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {},
                          QPoint(cabecera->sectionViewportPosition(seccion) + 5, cabecera->height() / 2));
    };
    const Lista& l = w.v.ListView1;
    clic(5);   // IMPORTE
    EXPECT_TRUE(l.Sorted());
    EXPECT_EQ(l.SortKey(), 5);
    EXPECT_EQ(l.SortOrder(), lvwDescending);
    EXPECT_EQ(Columna(l, 5), (QStringList{"45200", "178000", "15600"}));
    clic(5);
    EXPECT_EQ(l.SortOrder(), lvwAscending);
    EXPECT_EQ(Columna(l, 5), (QStringList{"15600", "178000", "45200"}));
    clic(1);   // COMPROBANTE: the opposite of the last direction
    EXPECT_EQ(l.SortKey(), 1);
    EXPECT_EQ(l.SortOrder(), lvwDescending);
    EXPECT_EQ(Columna(l, 1), (QStringList{"452", "178", "156"}));
    clic(0);
    EXPECT_EQ(l.SortKey(), 0);
    EXPECT_EQ(l.SortOrder(), lvwAscending);
    // Sorting stays on: a row added later lands in its place.
    w.v.ListView1.ListItems().Add(0, QString(), QStringLiteral("01/01/26"));
    EXPECT_EQ(Columna(l, 0).first(), QStringLiteral("01/01/26"));
}

TEST(VentanaComprobantes, EnterRecorreLasCajasYBuscar)
{
    Ventana w("FC", 0, true);
    int busquedas = 0;
    QObject::connect(w.v.CmdBuscar, &QPushButton::clicked, [&] { ++busquedas; });
    QApplication::setActiveWindow(&w.v);
    w.v.TxtNombre->setFocus();
    QTest::keyClick(w.v.TxtNombre, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.v.TxtNumero);
    QTest::keyClick(w.v.TxtNumero, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), w.v.CmdBuscar);
    EXPECT_EQ(busquedas, 0) << "Enter in a box clicks no button";
    EXPECT_TRUE(w.v.isVisible());
    QTest::keyClick(w.v.CmdBuscar, Qt::Key_Return);
    EXPECT_EQ(busquedas, 1);
    // The search ran the list again.
    EXPECT_EQ(w.v.ListView1.ColumnHeaders().Count(), 6);
    EXPECT_TRUE(w.v.isVisible());
    for (QPushButton* b : w.v.findChildren<QPushButton*>())
        EXPECT_FALSE(b->isDefault() || b->autoDefault()) << b->objectName().toStdString();
}

TEST(VentanaComprobantes, FocoEnUnaCajaSeleccionaSuTextoRecortado)
{
    Ventana w("FC", 0, true);
    QApplication::setActiveWindow(&w.v);
    w.v.CmdBuscar->setFocus();
    // By Tab (backwards from Buscar) and by a click.
    QTest::keyClick(w.v.CmdBuscar, Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), w.v.TxtNumero);
    QApplication::processEvents();
    EXPECT_EQ(w.v.TxtNumero->selectedText(), FrmConsComprobantes::AvisoNumero());
    QTest::mouseClick(w.v.TxtNombre, Qt::LeftButton, {}, QPoint(30, w.v.TxtNombre->height() / 2));
    ASSERT_EQ(QApplication::focusWidget(), w.v.TxtNombre);
    QApplication::processEvents();
    EXPECT_EQ(w.v.TxtNombre->selectedText(), FrmConsComprobantes::AvisoNombre());
    // From 0 over the trimmed length: the leading blanks of "  ab".
    w.v.TxtNumero->setText(QStringLiteral("  ab"));
    QTest::keyClick(w.v.TxtNombre, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(w.v.TxtNumero->selectedText(), QStringLiteral("  "));
}

TEST(VentanaComprobantes, EnterDobleClicYF2EnLaLista)
{
    {
        Ventana w("FC", 3, true);
        w.v.ListView1.setSelectedItem(&w.fila(2));
        w.v.vistaListView1->setFocus();
        QTest::keyClick(w.v.vistaListView1, Qt::Key_F2);
        EXPECT_EQ(Columna(w.v.ListView1, 0), (QStringList{"t1", "t2", "t3"}));
        QTest::keyClick(w.v.vistaListView1, Qt::Key_Return);
        EXPECT_EQ(w.v.NroComprobante, QStringLiteral("a2"));
        EXPECT_FALSE(w.v.isVisible());
    }
    {
        Ventana w("FC", 3, true);
        QWidget* vp = w.v.vistaListView1->viewport();
        const QRect r = w.v.vistaListView1->visualRect(w.v.vistaListView1->model()->index(2, 1));
        QTest::mouseDClick(vp, Qt::LeftButton, {}, r.center());
        EXPECT_EQ(w.v.NroComprobante, QStringLiteral("a3"));
        EXPECT_EQ(w.v.IdComplemento, QStringLiteral("c3"));
        EXPECT_FALSE(w.v.isVisible());
    }
}

TEST(VentanaComprobantes, ConstruirlaNoCargaNadaYMostrarlaCargaUnaVez)
{
    SesionGlobal s;
    FrmConsComprobantes v;
    v.TC = QStringLiteral("OC");
    EXPECT_EQ(v.ListView1.ColumnHeaders().Count(), 0);
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Consulta de Comprobantes"));
    EXPECT_EQ(v.TxtNombre->text(), QStringLiteral("Buscar por nombre..."));
    EXPECT_EQ(v.TxtNumero->toolTip(), QStringLiteral("Ingrese parte del numero buscado"));
    v.show();
    EXPECT_EQ(Titulos(v.ListView1).last(), QStringLiteral("Inf. Recepción"));
    v.hide();
    v.ListView1.ColumnHeaders().Clear();
    v.show();
    EXPECT_EQ(v.ListView1.ColumnHeaders().Count(), 0) << "loaded at the first show only";
    EXPECT_LE(v.minimumWidth(), 1024);
}

TEST(VentanaComprobantes, UnEventoQueFallaPasaAlGestorConSuNombre)
{
    Ventana w("FC", 1, true);
    AvisosGrabados& avisos = w.avisos;
    // A list without columns has no sub-items: accepting fails with 380.
    w.v.ListView1.ColumnHeaders().Clear();
    w.v.ListView1.setSelectedItem(&w.fila(1));
    QTest::mouseClick(w.v.CmdAceptar, Qt::LeftButton);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("CmdAceptar_Click")));
    EXPECT_TRUE(w.v.isVisible());
}

}  // namespace
