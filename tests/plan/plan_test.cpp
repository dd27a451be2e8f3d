// Entering the production plan through the real window.
#include "ventana_prueba.h"

#include "platform/controles/vista_grilla.h"
#include "platform/controles/vista_lista.h"
#include "platform/selector_consultas.h"
#include "voucher/columnas_grillas.h"

#include <QLabel>

namespace {

namespace C = ColArticulos;

class Plan : public VentanaPrueba {
protected:
    // Lists a family's articles and double-clicks one of them.
    void DobleClic(const QString& codigo)
    {
        FrmTervalio& v = *ventana;
        if (v.ListView1.ListItems().Count() == 0) {
            QString donde;
            v.CargarArticulos(QString(), QString(), QStringLiteral("01"), QString(), donde, false);
        }
        v.vistaListView1->Sincronizar();
        for (int i = 1; i <= v.ListView1.ListItems().Count(); ++i)
            if (v.ListView1.ListItems().Item(i).Text() == codigo) {
                const QModelIndex indice = v.vistaListView1->modelo()->index(v.vistaListView1->modelo()->fila(v.ListView1.ListItems().Item(i)), 0);
                const QPoint punto = v.vistaListView1->visualRect(indice).center();
                QTest::mouseClick(v.vistaListView1->viewport(), Qt::LeftButton, {}, punto);
                QTest::mouseDClick(v.vistaListView1->viewport(), Qt::LeftButton, {}, punto);
                return;
            }
        ADD_FAILURE() << "no está en la lista: " << codigo.toStdString();
    }

    QString Celda(int fila, int columna) const { return ventana->MSFlexGrid2.TextMatrix(fila, columna); }

    // The supplies, one after the other of other units and descriptions; the first one clicked.
    void ClicEnElPrimerInsumo()
    {
        FrmTervalio& v = *ventana;
        QString donde;
        v.CargarArticulos(QString(), QString(), QStringLiteral("02"), QString(), donde, false);
        v.vistaListView1->Sincronizar();
        ASSERT_GE(v.ListView1.ListItems().Count(), 3);
        const QModelIndex primera = v.vistaListView1->modelo()->index(0, 0);
        QTest::mouseClick(v.vistaListView1->viewport(), Qt::LeftButton, {}, v.vistaListView1->visualRect(primera).center());
        ASSERT_EQ(v.lblCodigo->text(), v.ListView1.ListItems().Item(1).Text());
    }

    // Down the list to the first article of another unit than the first one.
    const ListItem* BajaHastaOtraUnidad()
    {
        FrmTervalio& v = *ventana;
        const QString primera = v.ListView1.ListItems().Item(1).SubItems(2);
        for (int i = 2; i <= v.ListView1.ListItems().Count(); ++i) {
            QTest::keyClick(v.vistaListView1, Qt::Key_Down);
            if (v.ListView1.ListItems().Item(i).SubItems(2) != primera)
                break;
        }
        const ListItem* elegido = v.ListView1.SelectedItem();
        return elegido && elegido->SubItems(2) != primera ? elegido : nullptr;
    }
};

TEST_F(Plan, CantidadDesdeLaListaAgregaUnaFilaAlPlan)
{
    FrmTervalio& v = *ventana;
    // Without a production date nothing is added.
    DobleClic(QStringLiteral("MESA01"));
    ASSERT_TRUE(v.FrmCantidad->isVisible());
    QTest::keyClick(v.TxtCantidad, Qt::Key_Return);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("Debe asignarle una fecha de produccion"));
    EXPECT_EQ(Celda(1, C::Codigo), QString());

    NombraPlan(QStringLiteral("15/03/2024"));
    EXPECT_EQ(avisos.preguntas.size(), 1u);
    DobleClic(QStringLiteral("MESA01"));
    ASSERT_TRUE(v.FrmCantidad->isVisible());
    EXPECT_EQ(v.TxtCantidad->text(), QStringLiteral("1"));
    EXPECT_EQ(v.TxtCantidad->selectedText(), QStringLiteral("1"));
    EXPECT_EQ(v.LblDescripcion->text(), QStringLiteral("Mesa de comedor de pino"));
    QTest::keyClicks(v.TxtCantidad, QStringLiteral("2,5"));
    QTest::keyClick(v.TxtCantidad, Qt::Key_Return);
    EXPECT_FALSE(v.FrmCantidad->isVisible());
    EXPECT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA01"));
    EXPECT_EQ(Celda(1, C::Descripcion), QStringLiteral("Mesa de comedor de pino"));
    EXPECT_EQ(Celda(1, C::Unidad), QStringLiteral("UN"));
    EXPECT_EQ(Celda(1, C::Cantidad), QStringLiteral("2,5"));
    EXPECT_EQ(Celda(1, C::EsExento), QStringLiteral("0"));
    EXPECT_EQ(Celda(1, C::PideLote), QStringLiteral("0"));
    EXPECT_EQ(v.MSFlexGrid2.Rows(), 3);   // a blank row follows
    EXPECT_EQ(v.MSFlexGrid2.Row(), 1);
    EXPECT_TRUE(v.ListView1.SelectedItem()->Bold());
    EXPECT_EQ(v.ListView1.SelectedItem()->SmallIcon(), 3);
    EXPECT_EQ(Foco(), v.vistaListView1);

    // The same article again gives a row of its own; a quantity that is no number is refused.
    DobleClic(QStringLiteral("MESA01"));
    QTest::keyClicks(v.TxtCantidad, QStringLiteral("dos"));
    QTest::keyClick(v.TxtCantidad, Qt::Key_Return);
    EXPECT_TRUE(v.FrmCantidad->isVisible());
    EXPECT_TRUE(avisos.preguntas.back().texto.contains(QStringLiteral("no es un número")));
    v.TxtCantidad->setText(QStringLiteral("1"));
    QTest::keyClick(v.TxtCantidad, Qt::Key_Return);
    EXPECT_EQ(Celda(2, C::Codigo), QStringLiteral("MESA01"));
    EXPECT_EQ(v.MSFlexGrid2.Rows(), 4);
}

TEST_F(Plan, LaCantidadEsDelArticuloElegidoConElTeclado)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("15/03/2024"));
    ClicEnElPrimerInsumo();
    // Down to an article of another unit, then Enter: the frame is that article's.
    const ListItem* elegido = BajaHastaOtraUnidad();
    ASSERT_TRUE(elegido);
    QTest::keyClick(v.vistaListView1, Qt::Key_Return);
    ASSERT_TRUE(v.FrmCantidad->isVisible());
    EXPECT_FALSE(v.LblDescripcion->text().isEmpty());
    EXPECT_TRUE(elegido->SubItems(1).startsWith(v.LblDescripcion->text() + QStringLiteral(" ("))) << elegido->SubItems(1).toStdString();
    EXPECT_EQ(v.TxtUnidad->text(), elegido->SubItems(2));
    QTest::keyClick(v.TxtCantidad, Qt::Key_Return);
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    EXPECT_EQ(Celda(1, C::Codigo), elegido->Text());
    EXPECT_EQ(Celda(1, C::Unidad), elegido->SubItems(2));
}

// With the frame already open, Enter on another article reached with the
// keyboard brings the frame to that article and keeps the quantity typed.
TEST_F(Plan, ElCuadroAbiertoSigueAlArticuloElegidoConElTeclado)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("15/03/2024"));
    ClicEnElPrimerInsumo();
    QTest::keyClick(v.vistaListView1, Qt::Key_Return);
    ASSERT_TRUE(v.FrmCantidad->isVisible());
    QTest::keyClicks(v.TxtCantidad, QStringLiteral("3"));
    v.vistaListView1->setFocus();
    const ListItem* elegido = BajaHastaOtraUnidad();
    ASSERT_TRUE(elegido);
    QTest::keyClick(v.vistaListView1, Qt::Key_Return);
    ASSERT_TRUE(v.FrmCantidad->isVisible());
    EXPECT_TRUE(elegido->SubItems(1).startsWith(v.LblDescripcion->text() + QStringLiteral(" ("))) << elegido->SubItems(1).toStdString();
    EXPECT_EQ(v.TxtUnidad->text(), elegido->SubItems(2));
    EXPECT_EQ(v.TxtCantidad->text(), QStringLiteral("3"));
    QTest::keyClick(v.TxtCantidad, Qt::Key_Return);
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    EXPECT_EQ(Celda(1, C::Codigo), elegido->Text());
    EXPECT_EQ(Celda(1, C::Unidad), elegido->SubItems(2));
    EXPECT_EQ(Celda(1, C::Cantidad), QStringLiteral("3"));
}

TEST_F(Plan, LaUnidadEsLaDelArticuloOUnaDeSusEquivalencias)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("15/03/2024"));
    DobleClic(QStringLiteral("SILLA01"));
    ASSERT_TRUE(v.FrmCantidad->isVisible());
    // No wider than the unit column.
    v.TxtUnidad->setFocus();
    v.TxtUnidad->selectAll();
    QTest::keyClicks(v.TxtUnidad, QString(255, u'X'));
    EXPECT_EQ(v.TxtUnidad->text(), QStringLiteral("XXXX"));
    QTest::keyClick(v.TxtCantidad, Qt::Key_Return);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("La unidad XXXX no es la del artículo ni una de sus equivalencias"));
    EXPECT_TRUE(v.FrmCantidad->isVisible());
    EXPECT_EQ(Celda(1, C::Codigo), QString());

    // One of its equivalences, in any case, is taken; so is its own unit.
    v.TxtUnidad->setText(QStringLiteral("par"));
    QTest::keyClick(v.TxtCantidad, Qt::Key_Return);
    EXPECT_FALSE(v.FrmCantidad->isVisible());
    EXPECT_EQ(Celda(1, C::Codigo), QStringLiteral("SILLA01"));
    EXPECT_EQ(Celda(1, C::Unidad), QStringLiteral("par"));
    DobleClic(QStringLiteral("SILLA01"));
    EXPECT_EQ(v.TxtUnidad->text(), QStringLiteral("UN"));
    QTest::keyClick(v.TxtCantidad, Qt::Key_Return);
    EXPECT_EQ(Celda(2, C::Unidad), QStringLiteral("UN"));
    EXPECT_EQ(avisos.preguntas.size(), 1u);
}

TEST_F(Plan, CodigoTecleadoEnLaGrillaLlenaLaFila)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("15/03/2024"));
    TecleaEnCelda(1, C::Codigo, QStringLiteral("mesa02"));
    EXPECT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA02"));
    EXPECT_EQ(Celda(1, C::Descripcion), QStringLiteral("Mesa ratona de roble"));
    EXPECT_EQ(Celda(1, C::Unidad), QStringLiteral("UN"));
    EXPECT_EQ(Celda(1, C::Deposito), QStringLiteral("1   "));
    EXPECT_EQ(Celda(1, C::CopiaDeposito), QStringLiteral("1   "));
    EXPECT_EQ(Celda(1, C::Cantidad), QStringLiteral("1"));
    EXPECT_EQ(Celda(1, C::CantidadUD), QStringLiteral("1"));
    EXPECT_EQ(Celda(1, C::StockDisponible), QStringLiteral("3,00"));
    EXPECT_EQ(Celda(1, C::Presentacion), QStringLiteral("100 x 50 cm"));
    EXPECT_EQ(Celda(1, C::IdTipo), QStringLiteral("Línea Nórdica"));
    EXPECT_EQ(Celda(1, C::StockMaximo), QStringLiteral("8"));
    // After the code the editor moves on to the quantity; a quantity that is no number is refused.
    ASSERT_TRUE(v.txtEdit2->isVisible());
    EXPECT_EQ(v.MSFlexGrid2.Col(), C::Cantidad);
    v.txtEdit2->setText(QStringLiteral("-2"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Return);
    EXPECT_TRUE(v.txtEdit2->isVisible());
    EXPECT_EQ(Celda(1, C::Cantidad), QStringLiteral("1"));
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("La cantidad no puede ser negativa"));
    avisos.preguntas.clear();
    v.txtEdit2->setText(QStringLiteral("4,5"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Return);
    EXPECT_FALSE(v.txtEdit2->isVisible());
    EXPECT_EQ(Celda(1, C::Cantidad), QStringLiteral("4,5"));
    EXPECT_EQ(v.MSFlexGrid2.Rows(), 3);

    // A barcode becomes the article's code; a quantity prefix sets the quantity.
    TecleaEnCelda(2, C::Codigo, QStringLiteral("7791234000017"));
    EXPECT_EQ(Celda(2, C::Codigo), QStringLiteral("SILLA01"));
    EXPECT_EQ(Celda(2, C::StockDisponible), QStringLiteral("24,00"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Escape);
    TecleaEnCelda(3, C::Codigo, QStringLiteral("3*MESA01"));
    EXPECT_EQ(Celda(3, C::Codigo), QStringLiteral("MESA01"));
    EXPECT_EQ(Celda(3, C::Cantidad), QStringLiteral("3"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Escape);
    EXPECT_TRUE(avisos.preguntas.empty());

    // A wrong code keeps the editor with its message; a suspended article says so.
    TecleaEnCelda(4, C::Codigo, QStringLiteral("NOEXISTE"));
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("El Código Informado no es Correcto"));
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al operador..."));
    EXPECT_TRUE(v.txtEdit2->isVisible());
    EXPECT_EQ(Celda(4, C::Descripcion), QString());
    v.txtEdit2->setText(QStringLiteral("RACK01"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Return);
    EXPECT_EQ(avisos.preguntas.back().texto, QStringLiteral("El Artículo fue dado de baja!!!"));
    EXPECT_TRUE(v.txtEdit2->isVisible());
}

TEST_F(Plan, F5EnElNombreOfreceLosBorradores)
{
    FrmTervalio& v = *ventana;
    v.TxtFields[9]->setFocus();
    // Closed without a choice: nothing changes, nothing is checked.
    avisos.ResponderDialogo([](QDialog&) { return 0; });
    QTest::keyClick(v.TxtFields[9], Qt::Key_F5);
    EXPECT_EQ(avisos.dialogosMostrados, 1);
    EXPECT_EQ(v.TxtFields[9]->text(), QString());
    EXPECT_TRUE(avisos.preguntas.empty());

    avisos.ResponderDialogo([](QDialog& d) {
        // The operator narrows the list and takes the stored draft.
        auto& dialogo = dynamic_cast<DialogoSelector&>(d);
        dialogo.show();
        QTest::keyClicks(&dialogo.Filtro(), QStringLiteral("2027"));
        QTest::keyClick(&dialogo.Filtro(), Qt::Key_Return);
        return d.result();
    });
    QTest::keyClick(v.TxtFields[9], Qt::Key_F5);
    EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("15/01/2027"));
    EXPECT_EQ(v.TxtFields[10]->text(), QStringLiteral("Pedido de la mueblería Río Sur"));
    EXPECT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA01"));
    EXPECT_EQ(Celda(2, C::Codigo), QStringLiteral("SILLA01"));
    EXPECT_EQ(Celda(3, C::Codigo), QStringLiteral("MESA03"));
    EXPECT_EQ(Celda(2, C::Cantidad), QStringLiteral("16"));
}

// A look-up whose pick list fails stops there: the field keeps its text.
TEST_F(Plan, F5ConUnaListaQueFallaNoCambiaElCampo)
{
    FrmTervalio& v = *ventana;
    CajaTexto& caja = *v.TxtFields[10];
    caja.setFocus();
    InyectorFallas& inyector = ModGlobal::gSesionBD->Conexion.Inyector;
    for (const char* tabla : {"V_TA_Cpra_Vta", "V_TA_Deposito"}) {
        SCOPED_TRACE(tabla);
        caja.Tag = QString::fromUtf8(tabla);
        caja.setText(QStringLiteral("escrito"));
        inyector.FallaLaQueCoincida(QStringLiteral("select "), 208, QStringLiteral("El nombre de objeto no es válido"));
        QTest::keyClick(&caja, Qt::Key_F5);
        EXPECT_FALSE(inyector.Armado());
        EXPECT_EQ(caja.text(), QStringLiteral("escrito"));
    }
    inyector.Desarma();
    EXPECT_EQ(avisos.dialogosMostrados, 0);
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(Plan, DetalleEInsumosSiguenAlArticulo)
{
    FrmTervalio& v = *ventana;
    QString donde;
    v.CargarArticulos(QString(), QString(), QStringLiteral("0101"), QString(), donde, false);
    v.ListView1.setSelectedItem(&v.ListView1.ListItems().Item(1));
    v.ListView1_Click();
    const QString codigo = v.ListView1.ListItems().Item(1).Text();
    EXPECT_EQ(v.lblCodigo->text(), codigo);
    ASSERT_GT(v.ListView2.ListItems().Count(), 0);
    v.MuestraDetalleArticulo(QStringLiteral("MESA03"));
    EXPECT_EQ(v.lblCodigo->text(), QStringLiteral("MESA03"));
    EXPECT_EQ(Filas(v.ListView2, 4), (QStringList{QStringLiteral("BARN01|Barniz poliuretánico|LT|0,2"),
                                                  QStringLiteral("CORR01|Corredera telescópica 45 cm|PAR|2"),
                                                  QStringLiteral("TABPIN|Tabla de pino cepillada|ML|5")}));
    EXPECT_EQ(v.TxtUnidad->text(), QStringLiteral("UN"));
    v.MuestraDetalleArticulo(QStringLiteral("NOEXISTE"));
    EXPECT_EQ(v.lblCodigo->text(), QString());
    EXPECT_EQ(v.ListView2.ListItems().Count(), 0);

    // The arrow keys move the detail and the supplies along with the row.
    v.ListView1.setSelectedItem(&v.ListView1.ListItems().Item(1));
    v.vistaListView1->setFocus();
    for (int i = 2; i <= v.ListView1.ListItems().Count(); ++i) {
        QTest::keyClick(v.vistaListView1, Qt::Key_Down);
        const QString fila = v.ListView1.ListItems().Item(i).Text();
        ASSERT_EQ(v.ListView1.SelectedItem(), &v.ListView1.ListItems().Item(i));
        EXPECT_EQ(v.lblCodigo->text(), fila);
        EXPECT_GT(v.ListView2.ListItems().Count(), 0) << fila.toStdString();
        EXPECT_EQ(Foco(), v.vistaListView1);
    }
    // Down on the last row moves nowhere: the detail stays.
    v.lblCodigo->clear();
    QTest::keyClick(v.vistaListView1, Qt::Key_Down);
    EXPECT_EQ(v.lblCodigo->text(), QString());
}

// Descriptions trimmed of blanks only: a line break or a tab that ends one
// stays in the list, the detail panel and the plan row.
struct DescripcionGuardada {
    const char* codigo;
    QString descripcion;
    QString mostrada;
};
const DescripcionGuardada Descripciones[] = {
    {"CRLF01", QStringLiteral("Mesa de roble\r\n"), QStringLiteral("Mesa de roble\r\n")},
    {"TAB01", QStringLiteral("Mesa de roble\t"), QStringLiteral("Mesa de roble\t")},
    {"BLANCO01", QStringLiteral("  Mesa de roble  "), QStringLiteral("Mesa de roble")},
    {"CR01", QStringLiteral(" \tMesa de roble\r "), QStringLiteral("\tMesa de roble\r")},
};

class DescripcionesDelPlan : public Plan {
protected:
    void PreparaBase() override
    {
        SesionBD& s = bd.Sesion();
        for (const DescripcionGuardada& d : Descripciones)
            s.Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, IdRubro, "
                                     "IdFamilia, IdUnidad, Costo, SUSPENDIDO) "
                                     "VALUES (%1, %2, 'x', 'MUE', '0909', 'UN', 10, 0)")
                          .arg(s.ValorSQL(QString::fromLatin1(d.codigo), QStringLiteral("'")),
                               s.ValorSQL(d.descripcion, QStringLiteral("'"))));
    }
};

TEST_F(DescripcionesDelPlan, UnSaltoOUnTabuladorFinalSeConservan)
{
    FrmTervalio& v = *ventana;
    QString donde;
    v.CargarArticulos(QString(), QString(), QStringLiteral("0909"), QString(), donde, false);
    NombraPlan(QStringLiteral("15/03/2024"));
    int fila = 1;
    for (const DescripcionGuardada& d : Descripciones) {
        const QString codigo = QString::fromLatin1(d.codigo);
        SCOPED_TRACE(d.codigo);
        bool listado = false;
        for (int i = 1; i <= v.ListView1.ListItems().Count(); ++i)
            if (v.ListView1.ListItems().Item(i).Text() == codigo) {
                listado = true;
                EXPECT_EQ(v.ListView1.ListItems().Item(i).SubItems(1), d.mostrada + QStringLiteral(" (x)"));
            }
        EXPECT_TRUE(listado);
        v.MuestraDetalleArticulo(codigo);
        EXPECT_EQ(v.LblDescripcion->text(), d.mostrada);
        TecleaEnCelda(fila, C::Codigo, codigo);
        QTest::keyClick(v.txtEdit2, Qt::Key_Escape);
        EXPECT_EQ(Celda(fila, C::Codigo), codigo);
        EXPECT_EQ(Celda(fila, C::Descripcion), d.mostrada);
        ++fila;
    }
    EXPECT_TRUE(avisos.preguntas.empty());
}

}  // namespace

