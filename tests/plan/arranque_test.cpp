#include "ventana_prueba.h"

#include "platform/controles/vista_arbol.h"
#include "platform/controles/vista_lista.h"

#include <QLabel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace {

using Arranque = VentanaPrueba;

TEST_F(Arranque, TituloArbolesListaYFoco)
{
    FrmTervalio& v = *ventana;
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Estructura de Productos (Se muestran hasta 500 registros)"));

    const NodosArbol& rubros = v.TreeView1.Nodes();
    ASSERT_GT(rubros.Count(), 1);
    EXPECT_EQ(rubros.Item(QStringLiteral("D|")).Text(), QStringLiteral("(Todos)"));
    EXPECT_TRUE(rubros.Item(QStringLiteral("D|")).Expanded());
    const Node& muebles = rubros.Item(QStringLiteral("D|MUE|"));
    EXPECT_EQ(muebles.Text(), QStringLiteral("MUE-Muebles"));
    EXPECT_FALSE(muebles.Expanded());
    EXPECT_EQ(muebles.Parent()->Key(), QStringLiteral("D|"));
    EXPECT_EQ(muebles.Image(), 1);

    const NodosArbol& familias = v.TreeView2.Nodes();
    EXPECT_EQ(familias.Item(QStringLiteral("A")).Text(), QStringLiteral("(Todas)"));
    EXPECT_EQ(familias.Item(QStringLiteral("A01")).Text(), QStringLiteral("01 - Muebles de interior"));
    EXPECT_EQ(familias.Item(QStringLiteral("A0101")).Parent()->Key(), QStringLiteral("A01"));
    EXPECT_EQ(familias.Item(QStringLiteral("A0102")).Parent()->Key(), QStringLiteral("A01"));
    EXPECT_EQ(familias.Item(QStringLiteral("A02")).Parent()->Key(), QStringLiteral("A"));

    ASSERT_EQ(v.ListView1.ColumnHeaders().Count(), 8);
    EXPECT_EQ(v.ListView1.ColumnHeaders().Item(4).Text(), QStringLiteral("Costo "));
    EXPECT_EQ(v.ListView1.ColumnHeaders().Item(3).Width(), 0);
    EXPECT_EQ(v.ListView1.ListItems().Count(), 0);
    EXPECT_EQ(Foco(), v.vistaListView1);
    EXPECT_TRUE(v.OptSearch[0]->isChecked());
    EXPECT_FALSE(v.OptSearch[1]->isChecked());
    EXPECT_FALSE(v.txtEdit2->isVisible());
    EXPECT_EQ(v.MSFlexGrid2.Rows(), 2);
    EXPECT_TRUE(v.sbStatusBar.Panels().Item(QStringLiteral("CAJA")).Text().startsWith(u'1'));
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
}

TEST_F(Arranque, ClicEnRubroYFamiliaCargaLaLista)
{
    FrmTervalio& v = *ventana;
    ModGlobal::gSesionBD->LimpiaBitacora();
    v.TreeView1_NodeClick(&v.TreeView1.Nodes().Item(QStringLiteral("D|MUE|")));
    EXPECT_TRUE(Enviado().contains(
        QStringLiteral("SELECT TOP 500 * FROM VT_INS_ARTICULOS  WHERE IdRubro = 'MUE ' and  suspendido = 0 ")));
    const QStringList filas = Filas(v.ListView1, 8);
    EXPECT_EQ(filas.size(), 14);   // the suspended rack is not listed
    EXPECT_FALSE(filas.join(u'\n').contains(QStringLiteral("RACK01")));
    EXPECT_TRUE(filas.contains(QStringLiteral(
        "MESA01|Mesa de comedor de pino (160 x 90 cm)|UN|  85000,00|CLA-Línea Clásica|MUE-Muebles|0101-Mesas|-")))
        << filas.join(u'\n').toStdString();
    EXPECT_EQ(Foco(), v.vistaListView1);

    ModGlobal::gSesionBD->LimpiaBitacora();
    v.TreeView1_NodeClick(&v.TreeView1.Nodes().Item(QStringLiteral("D|MUE|NOR|")));
    EXPECT_TRUE(Enviado().contains(QStringLiteral(
        "SELECT TOP 500 * FROM VT_INS_ARTICULOS  WHERE IdRubro = 'MUE ' AND IdTipo = 'NOR ' and  suspendido = 0 ")));
    EXPECT_EQ(v.ListView1.ListItems().Count(), 4);

    v.SSTab1.setTab(1);   // the family tree's tab
    Foco();
    v.vistaTreeView2->setFocus();
    v.TreeView2_NodeClick(&v.TreeView2.Nodes().Item(QStringLiteral("A01")));
    EXPECT_EQ(v.ListView1.ListItems().Count(), 14);
    EXPECT_EQ(Foco(), v.vistaTreeView2);   // a family click leaves the focus on the tree
    v.TreeView2_NodeClick(&v.TreeView2.Nodes().Item(QStringLiteral("A0102")));
    EXPECT_EQ(Filas(v.ListView1, 1), (QStringList{QStringLiteral("SILLA02"), QStringLiteral("BANCO01"), QStringLiteral("SILLA01")}));

    // The root of the rubro tree cannot be closed.
    Node& raiz = v.TreeView1.Nodes().Item(QStringLiteral("D|"));
    raiz.setExpanded(false);
    v.TreeView1_Collapse(&raiz);
    EXPECT_TRUE(raiz.Expanded());
}

TEST_F(Arranque, LasFlechasEnLosArbolesCarganLaLista)
{
    FrmTervalio& v = *ventana;
    // Down from "(Todos)" reaches the first rubro: its articles are listed and
    // the keyboard goes to the list, as after a click.
    v.TreeView1.setSelectedItem(&v.TreeView1.Nodes().Item(QStringLiteral("D|")));
    v.vistaTreeView1->setFocus();
    ASSERT_EQ(Foco(), v.vistaTreeView1);
    ModGlobal::gSesionBD->LimpiaBitacora();
    QTest::keyClick(v.vistaTreeView1, Qt::Key_Down);
    const Node* rubro = v.TreeView1.SelectedItem();
    ASSERT_NE(rubro, nullptr);
    ASSERT_EQ(rubro->Parent(), &v.TreeView1.Nodes().Item(QStringLiteral("D|")));
    const QString codigoRubro = rubro->Key().section(u'|', 1, 1);
    EXPECT_TRUE(Enviado().join(u'\n').contains(QStringLiteral("WHERE IdRubro = '") + codigoRubro))
        << Enviado().join(u'\n').toStdString();
    EXPECT_GT(v.ListView1.ListItems().Count(), 0);
    EXPECT_EQ(Foco(), v.vistaListView1);

    // In the family tree the keyboard stays on the tree, which moves on at each key.
    v.SSTab1.setTab(1);
    Foco();
    v.TreeView2.setSelectedItem(&v.TreeView2.Nodes().Item(QStringLiteral("A")));
    v.vistaTreeView2->setFocus();
    for (int i = 0; i < 2; ++i) {
        ModGlobal::gSesionBD->LimpiaBitacora();
        QTest::keyClick(v.vistaTreeView2, Qt::Key_Down);
        const Node* familia = v.TreeView2.SelectedItem();
        ASSERT_NE(familia, nullptr);
        ASSERT_NE(familia->Key(), QStringLiteral("A"));
        EXPECT_TRUE(Enviado().join(u'\n').contains(QStringLiteral("IdFamilia LIKE '") + familia->Key().mid(1) + u'%'))
            << Enviado().join(u'\n').toStdString();
        EXPECT_EQ(Foco(), v.vistaTreeView2);
    }

    // A key that moves nowhere loads nothing.
    v.TreeView2.setSelectedItem(&v.TreeView2.Nodes().Item(QStringLiteral("A")));
    ModGlobal::gSesionBD->LimpiaBitacora();
    QTest::keyClick(v.vistaTreeView2, Qt::Key_Up);
    EXPECT_FALSE(Enviado().join(u'\n').contains(QStringLiteral("VT_INS_ARTICULOS")));
}

TEST_F(Arranque, FiltrosYBusquedaRapidaConApostrofes)
{
    FrmTervalio& v = *ventana;
    v.TxtFields[0]->setText(QStringLiteral("d'oro"));
    ModGlobal::gSesionBD->LimpiaBitacora();
    QTest::mouseClick(v.CmdBuscar, Qt::LeftButton);
    EXPECT_TRUE(avisos.preguntas.empty());
    EXPECT_TRUE(Enviado().join(u'\n').contains(QStringLiteral(" Descripcion like 'd''oro%'")));
    v.TxtFields[0]->clear();

    v.OptSearch[1]->setChecked(true);
    v.TxtFields[4]->setText(QStringLiteral("mesa"));
    v.TxtFields[5]->setText(QStringLiteral("mes"));
    ModGlobal::gSesionBD->LimpiaBitacora();
    v.CmdBuscar_Click();
    EXPECT_TRUE(Enviado().contains(QStringLiteral(
        "SELECT TOP 500 * FROM VT_INS_ARTICULOS  WHERE  IdArticulo like '%mesa%' AND  DescrFamilia like '%mes%' and  suspendido = 0 ")))
        << Enviado().join(u'\n').toStdString();
    EXPECT_EQ(v.ListView1.ListItems().Count(), 3);
}

// Costs as the database hands them, shown with four decimals.
class CostosDeLaLista : public VentanaPrueba {
protected:
    struct Caso {
        const char* codigo;
        const char* costo;     // as the statement writes it
        const char* mostrado;  // the list's cost cell
    };
    static constexpr Caso casos[] = {
        {"COSTO1", "0.0005", "    0,0005"},   // a number whose shortest text has an exponent
        {"COSTO2", "0.0001", "    0,0001"},
        {"COSTO3", "12.25", "   12,2500"},
        {"COSTO4", "85000", "85000,0000"},
        {"COSTO5", "NULL", "    0,0000"},
    };

    void PreparaBase() override
    {
        SesionBD& s = bd.Sesion();
        s.Ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = '4' WHERE CLAVE = 'CANTIDADDECIMALES'"));
        for (const Caso& c : casos)
            s.Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdRubro, IdFamilia, IdUnidad, "
                                     "Costo, SUSPENDIDO) VALUES ('%1', 'Costo', 'MUE', '0909', 'UN', %2, 0)")
                          .arg(QString::fromLatin1(c.codigo), QString::fromLatin1(c.costo)));
    }
};

TEST_F(CostosDeLaLista, CadaCostoComoElImporteQueEs)
{
    FrmTervalio& v = *ventana;
    QString donde;
    v.CargarArticulos(QString(), QString(), QStringLiteral("0909"), QString(), donde, false);
    QStringList esperadas;
    for (const Caso& c : casos)
        esperadas << QString::fromLatin1(c.codigo) + u'|' + QStringLiteral("Costo ()|UN|") + QString::fromLatin1(c.mostrado);
    QStringList filas = Filas(v.ListView1, 4);
    filas.sort();
    EXPECT_EQ(filas, esperadas);
    // The detail panel reads the cost the same way.
    v.MuestraDetalleArticulo(QStringLiteral("COSTO1"));
    EXPECT_TRUE(v.lblMasDatos->text().endsWith(QStringLiteral("Costo: 0,0005"))) << v.lblMasDatos->text().toStdString();
}

TEST_F(Arranque, TeclasQueAbrenLaBusquedaRapida)
{
    FrmTervalio& v = *ventana;
    struct Caso {
        Qt::Key tecla;
        Qt::KeyboardModifiers mod;
        const char* esperado;   // nullptr: the quick search stays closed
    };
    const Caso casos[] = {
        {Qt::Key_B, Qt::NoModifier, "B"},
        {Qt::Key_1, Qt::NoModifier, "1"},
        {Qt::Key_3, Qt::KeypadModifier, "3"},
        {Qt::Key_0, Qt::NoModifier, nullptr},
        {Qt::Key_B, Qt::ShiftModifier, nullptr},
        {Qt::Key_F1, Qt::NoModifier, nullptr},
    };
    for (const Caso& c : casos) {
        v.FrmBuscar->hide();
        v.vistaListView1->setFocus();
        QTest::keyClick(v.vistaListView1, c.tecla, c.mod);
        EXPECT_EQ(v.FrmBuscar->isVisible(), c.esperado != nullptr) << int(c.tecla);
        if (c.esperado) {
            EXPECT_EQ(v.TxtBusqueda->text(), QString::fromLatin1(c.esperado));
            EXPECT_EQ(Foco(), v.TxtBusqueda);
        }
    }
    // Finishing the text and Enter narrows the list and closes the frame.
    v.FrmBuscar->hide();
    v.vistaListView1->setFocus();
    QTest::keyClick(v.vistaListView1, Qt::Key_M);
    QTest::keyClicks(v.TxtBusqueda, QStringLiteral("esa"));
    QTest::keyClick(v.TxtBusqueda, Qt::Key_Return);
    EXPECT_FALSE(v.FrmBuscar->isVisible());
    EXPECT_EQ(v.ListView1.ListItems().Count(), 3);
    EXPECT_EQ(Foco(), v.vistaListView1);
}

TEST_F(Arranque, EnterEnUnBotonConElFocoLoPulsa)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/01/2027"));
    struct Caso {
        const char* boton;
        std::function<void()> prepara;
        std::function<bool()> hecho;
    };
    const Caso casos[] = {
        {"CmdBuscar",
         [&] {
             v.SSTab1.setTab(2);
             v.TxtFields[4]->setText(QStringLiteral("MESA"));
         },
         [&] { return v.ListView1.ListItems().Count() == 3; }},
        {"CmdCerrarCantidad",
         [&] {
             v.ListView1.setSelectedItem(&v.ListView1.ListItems()(1));
             v.MuestraCantidad();
         },
         [&] { return !v.FrmCantidad->isVisible() && Foco() == v.vistaListView1; }},
        {"CmdAceptarCantidad",
         [&] {
             v.MuestraCantidad();
             v.TxtCantidad->setText(QStringLiteral("2"));
         },
         [&] { return !v.FrmCantidad->isVisible() && v.MSFlexGrid2.TextMatrix(1, 0) == v.ListView1.SelectedItem()->Text(); }},
        {"CmdCargarProyect", [&] { v.SSTab2.setTab(2); }, [&] { return v.ListView3.ListItems().Count() > 1; }},
    };
    for (const Caso& c : casos) {
        c.prepara();
        auto* boton = v.findChild<QPushButton*>(QString::fromLatin1(c.boton));
        ASSERT_TRUE(boton) << c.boton;
        boton->setFocus();
        ASSERT_EQ(Foco(), boton) << c.boton;
        QTest::keyClick(boton, Qt::Key_Return);
        EXPECT_TRUE(c.hecho()) << c.boton;
    }
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
}

TEST_F(Arranque, OrdenPorColumnaAlternaEnDosClics)
{
    FrmTervalio& v = *ventana;
    QString donde;
    v.CargarArticulos(QString(), QString(), QStringLiteral("0101"), QString(), donde, false);
    ASSERT_EQ(v.ListView1.ListItems().Count(), 3);
    QHeaderView* cabecera = v.vistaListView1->header();
    const auto clic = [&](int seccion) {
        QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {},
                          QPoint(cabecera->sectionViewportPosition(seccion) + 5, cabecera->height() / 2));
    };
    clic(0);
    EXPECT_EQ(Filas(v.ListView1, 1), (QStringList{QStringLiteral("MESA01"), QStringLiteral("MESA02"), QStringLiteral("MESA03")}));
    clic(0);
    EXPECT_EQ(Filas(v.ListView1, 1), (QStringList{QStringLiteral("MESA03"), QStringLiteral("MESA02"), QStringLiteral("MESA01")}));
}

TEST_F(Arranque, F2ConShiftNoHaceNadaYCerrarTerminaLaSesion)
{
    FrmTervalio& v = *ventana;
    v.vistaListView1->setFocus();
    QTest::keyClick(v.vistaListView1, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_TRUE(avisos.preguntas.empty());
    // Plain or with Ctrl, F2 saves: with no production date it says so.
    QTest::keyClick(v.vistaListView1, Qt::Key_F2, Qt::ControlModifier);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("Debe asignarle una fecha para poder grabar"));
    EXPECT_TRUE(v.isVisible());

    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM Control_Acceso WHERE EGRESO IS NULL")), QStringList{QStringLiteral("1")});
    QTest::mouseClick(v.CmdCancelar, Qt::LeftButton);
    EXPECT_EQ(finDelPrograma, 0);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM Control_Acceso WHERE EGRESO IS NULL")), QStringList{QStringLiteral("0")});
}

// A window opened by another: the opener holds the session and keeps it.
class AbiertaDesdeOtra : public VentanaPrueba {
protected:
    void PreparaBase() override
    {
        bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('SUPERVISOR_Contiene', 'si')"));
    }
};

TEST_F(AbiertaDesdeOtra, UsaLaSesionDelQueLaAbreYAlCerrarSoloSeOculta)
{
    EXPECT_TRUE(ventana->OptSearch[1]->isChecked());   // "si" counts as "SI"
    FrmTervalio otra;
    otra.EsVentas = true;   // no session of its own: no access row
    otra.DesdeForm = true;
    ModGlobal::gSesionBD->LimpiaBitacora();
    otra.Form_Load();
    otra.show();
    EXPECT_FALSE(Enviado().join(u'\n').contains(QStringLiteral("Control_Acceso")));
    EXPECT_GT(otra.TreeView1.Nodes().Count(), 1);
    EXPECT_GT(otra.TreeView2.Nodes().Count(), 1);
    QTest::mouseClick(otra.CmdCancelar, Qt::LeftButton);
    EXPECT_FALSE(otra.isVisible());
    EXPECT_EQ(finDelPrograma, -1);
    EXPECT_TRUE(ModGlobal::gSesionBD->Conectado());
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(Arranque, ExportaLaListaVisibleYAbreLaFichaDeStock)
{
    FrmTervalio& v = *ventana;
    QString donde;
    v.CargarArticulos(QStringLiteral("MAD"), QString(), QString(), QString(), donde, false);
    avisos.ResponderDialogo([](QDialog&) { return 0; });   // the print preview
    QTest::mouseClick(v.CmdExpExcel, Qt::LeftButton);
    ASSERT_EQ(abiertos.size(), 1u);
    EXPECT_TRUE(abiertos[0].endsWith(QStringLiteral(".xlsx")));

    v.MuestraDetalleArticulo(QStringLiteral("TABPIN"));
    QTest::mouseClick(v.CmdFichaStock, Qt::LeftButton);
    ASSERT_EQ(lanzados.size(), 1u);
    EXPECT_TRUE(lanzados[0].contains(QStringLiteral("Mosquena"), Qt::CaseInsensitive));
    EXPECT_TRUE(lanzados[0].contains(QStringLiteral("@ParametroAdicional=@IDARTICULO=TABPIN;")));
    // A stock-card module that does not start: the operator is told.
    lanzadorResponde = 0;
    avisos.Responder({Avisos::Ignorar});
    QTest::mouseClick(v.CmdFichaStock, Qt::LeftButton);
    ASSERT_FALSE(avisos.preguntas.empty());
    EXPECT_TRUE(avisos.preguntas.back().texto.startsWith(QStringLiteral("Opcion no Implementada!")));
}

}  // namespace

namespace {

// Article codes with the characters a code may hold; each goes whole to the stock card.
class FichaDeCodigosRaros : public VentanaPrueba {
protected:
    static inline const QString Codigos[] = {
        QStringLiteral("AB CD"),    QStringLiteral("TAB PIN 2"), QStringLiteral("D'ORO"),
        QStringLiteral("PULG\"3"),  QStringLiteral("A;B"),       QStringLiteral("ÑANDÚ"),
        QStringLiteral("MESA1"),
    };

    void PreparaBase() override
    {
        SesionBD& s = bd.Sesion();
        for (const QString& codigo : Codigos)
            s.Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Presentacion, IdRubro, "
                                     "IdFamilia, IdUnidad, Costo, SUSPENDIDO) VALUES (%1, 'x', 'x', 'MUE', '0101', "
                                     "'UN', 10, 0)")
                          .arg(s.ValorSQL(codigo, QStringLiteral("'"))));
    }
};

TEST_F(FichaDeCodigosRaros, ElCodigoLlegaEntero)
{
    FrmTervalio& v = *ventana;
    for (const QString& codigo : Codigos) {
        SCOPED_TRACE(codigo.toStdString());
        lanzados.clear();
        v.MuestraDetalleArticulo(codigo);
        ASSERT_EQ(v.lblCodigo->text(), codigo);
        QTest::mouseClick(v.CmdFichaStock, Qt::LeftButton);
        ASSERT_EQ(lanzados.size(), 1u);
        EXPECT_TRUE(lanzados[0].contains(QStringLiteral("; @ParametroAdicional=@IDARTICULO=") + codigo +
                                         QStringLiteral("; keld@ ;")))
            << lanzados[0].toStdString();
    }
    EXPECT_TRUE(avisos.preguntas.empty());
}

}  // namespace
