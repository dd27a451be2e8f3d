// Start-up, keys, the buttons that only route, and shutdown.
#include "plan/FrmTervalio.h"

#include "platform/avisos.h"
#include "platform/controles/edicion_en_grilla.h"
#include "platform/controles/enter_en_boton.h"
#include "platform/controles/vista_arbol.h"
#include "platform/controles/vista_grilla.h"
#include "platform/controles/vista_lista.h"
#include "platform/recorte.h"
#include "services/ModExportarExcel.h"
#include "session/ModGlobal.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace ModGlobal;

void FrmTervalio::conectaEventos()
{
    alPulsar(CmdAceptaCierra, "CmdAceptaCierra_Click", &FrmTervalio::Grabar);
    alPulsar(CmdConsultar, "CmdConsultar_Click", &FrmTervalio::CmdConsultar_Click);
    alPulsar(CmdCancelar, "CmdCancelar_Click", &FrmTervalio::CmdCancelar_Click);
    alPulsar(CmdExpExcel, "CmdExpExcel_Click", &FrmTervalio::CmdExpExcel_Click);
    alPulsar(CmdFichaStock, "CmdFichaStock_Click", &FrmTervalio::CmdFichaStock_Click);
    alPulsar(CmdBuscar, "CmdBuscar_Click", &FrmTervalio::CmdBuscar_Click);
    alPulsar(CmdAceptarBusqueda, "CmdAceptarBusqueda_Click", &FrmTervalio::CmdAceptarBusqueda_Click);
    alPulsar(CmdCerrarBusqueda, "CmdCerrarBusqueda_Click", &FrmTervalio::CmdCerrarBusqueda_Click);
    alPulsar(CmdAceptarCantidad, "CmdAceptarCantidad_Click", &FrmTervalio::CmdAceptarCantidad_Click);
    alPulsar(CmdCerrarCantidad, "CmdCerrarCantidad_Click", &FrmTervalio::CmdCerrarCantidad_Click);
    alPulsar(CmdCargarProyect, "CmdCargarProyect_Click", &FrmTervalio::CmdCargarProyect_Click);
    // No button here is the default one: a focused button takes Enter as a click.
    for (QPushButton* b : {CmdAceptaCierra, CmdConsultar, CmdCancelar, CmdExpExcel, CmdFichaStock, CmdBuscar,
                           CmdAceptarBusqueda, CmdCerrarBusqueda, CmdAceptarCantidad, CmdCerrarCantidad, CmdCargarProyect})
        EnterPulsaElBoton(b);
    for (QRadioButton* o : {OptSearch[0], OptSearch[1]})
        connect(o, &QRadioButton::clicked, this, [this] { OptSearch_Click(); });
    connect(vistaSSTab1, &VistaPestanas::Click, this, [this](int) { evento(QStringLiteral("SSTab1_Click"), [this] { SSTab1_Click(); }); });

    connect(vistaTreeView1, &VistaArbol::NodeClick, this, [this](Node* n) { evento(QStringLiteral("TreeView1_NodeClick"), [this, n] { TreeView1_NodeClick(n); }); });
    connect(vistaTreeView2, &VistaArbol::NodeClick, this, [this](Node* n) { evento(QStringLiteral("TreeView2_NodeClick"), [this, n] { TreeView2_NodeClick(n); }); });
    connect(vistaTreeView1, &VistaArbol::Collapse, this, [this](Node* n) { evento(QStringLiteral("TreeView1_Collapse"), [this, n] { TreeView1_Collapse(n); }); });

    connect(vistaListView1, &VistaLista::Click, this, [this] { evento(QStringLiteral("ListView1_Click"), [this] { ListView1_Click(); }); });
    connect(vistaListView1, &VistaLista::ItemClick, this, [this] { evento(QStringLiteral("ListView1_ItemClick"), [this] { ListView1_ItemClick(); }); });
    connect(vistaListView1, &VistaLista::DblClick, this, [this] { evento(QStringLiteral("ListView1_DblClick"), [this] { ListView1_DblClick(); }); });
    connect(vistaListView1, &VistaLista::KeyDown, this, [this](int& k, int s) { evento(QStringLiteral("ListView1_KeyDown"), [this, &k, s] { ListView1_KeyDown(k, s); }); });
    connect(vistaListView1, &VistaLista::KeyPress, this, [this](int& k) { evento(QStringLiteral("ListView1_KeyPress"), [this, &k] { ListView1_KeyPress(k); }); });
    connect(vistaListView1, &VistaLista::ColumnClick, this, [this](ColumnHeader* c) { evento(QStringLiteral("ListView1_ColumnClick"), [this, c] { ListView1_ColumnClick(c); }); });
    connect(vistaListView3, &VistaLista::Click, this, [this] {
        // A click on a projection row shows that article; errors are ignored.
        Procedimiento::Silencioso(QStringLiteral("ListView3_Click")).paso([this] {
            if (ListItem* e = ListView3.SelectedItem())
                MuestraDetalleArticulo(e->Text());
        });
    });

    connect(TxtCantidad, &CajaTexto::KeyPress, this, [this](int& k) {
        if (k == 13)
            evento(QStringLiteral("CmdAceptarCantidad_Click"), [this] { CmdAceptarCantidad_Click(); });
    });
    connect(TxtBusqueda, &CajaTexto::KeyPress, this, [this](int& k) {
        if (k == 13) {
            k = 0;
            evento(QStringLiteral("CmdAceptarBusqueda_Click"), [this] { CmdAceptarBusqueda_Click(); });
        }
    });
    for (CajaTexto* c : TxtFields) {
        const int i = c->Index;
        connect(c, &CajaTexto::GotFocus, this, [this, i] { evento(QStringLiteral("TxtFields_GotFocus"), [this, i] { TxtFields_GotFocus(i); }); });
        connect(c, &CajaTexto::LostFocus, this, [this, i] { evento(QStringLiteral("TxtFields_LostFocus"), [this, i] { TxtFields_LostFocus(i); }); });
        connect(c, &CajaTexto::KeyPress, this, [this, c](int& k) { UtilidadesControles::FiltraTecla(*c, k); });
        connect(c, &CajaTexto::KeyDown, this, [this, i](int& k, int s) { evento(QStringLiteral("TxtFields_KeyDown"), [this, i, &k, s] { TxtFields_KeyDown(i, k, s); }); });
        connect(c, &QLineEdit::editingFinished, this, [this, i] { evento(QStringLiteral("TxtFields_Validate"), [this, i] { TxtFields_Validate(i); }); });
    }
    conectaEditorGrilla();
}

void FrmTervalio::Form_Load()
{
    Procedimiento p(QStringLiteral("Form_Load"), GestorUtilidades());
    p.paso([this] {
        if (!EsVentas && !EsCompras && !EsStock) {
            bool leerIni = false;
            QString parametros, cadena;
            long modo = 3;
            IniciaSesion(leerIni, parametros, cadena, modo);
        }
    });
    p.paso([this] { InicializaBarraEstado(sbStatusBar, QString()); });
    p.paso([this] {
        setWindowTitle(QStringLiteral("Estructura de Productos") + QStringLiteral(" (Se muestran hasta ") + gTopDefault +
                       QStringLiteral(" registros)"));
    });
    p.paso([this] { AplicaSkin(*this); });
    p.paso([this] { gUtilidades->InicializaFormulario(this, 0); });
    p.paso([this] { AnticipaFamilias(); });
    p.paso([this] { CargarRubros(); });
    p.paso([this] { CargarFamilias(); });
    p.paso([this] { Encolumnar(5); });
    p.paso([this] { SSTab1.setTab(0); });
    // These three boxes are bound to fields that no check covers: nothing happens.
    for (int i : {7, 3, 8}) {
        p.paso([this, i] {
            campoActual_ = TxtFields[i];
            CampoValida(*TxtFields[i]);
        });
    }
    p.paso([this] { InicializaGridsDelComprobante(); });
    p.paso([this] { SSTab2.setTab(0); });
    p.paso([this] { SSTab1.setTab(0); });
    p.paso([this] { Inicializa(); });
    p.paso([this] {
        const bool contiene = FormaIgualSi(Cfg(gSesionBD->Usuario + QStringLiteral("_Contiene")));
        OptSearch[1]->setChecked(contiene);
        OptSearch[0]->setChecked(!contiene);
    });
}

void FrmTervalio::Form_KeyDown(int& KeyCode, int Shift)
{
    if (Shift == 1)
        return;
    if (KeyCode == 116) {
        KeyCode = 0;
        evento(QStringLiteral("CmdConsultar_Click"), [this] { CmdConsultar_Click(); });
    } else if (KeyCode == 113) {
        KeyCode = 0;
        evento(QStringLiteral("CmdAceptaCierra_Click"), [this] { Grabar(); });
    }
}

void FrmTervalio::Inicializa()
{
    Procedimiento::Silencioso(QStringLiteral("Inicializa")).paso([this] { vistaListView1->setFocus(); });
}

void FrmTervalio::InicializaGridsDelComprobante()
{
    Comprobante().InicializaGrids(nullptr, &MSFlexGrid2, nullptr, nullptr, &editorGrilla, nullptr,
                                  vistaMSFlexGrid2->medidor(), QStringLiteral("IR"), nullptr);
    // The blank row waits on its code, so the first key typed opens its editor.
    MSFlexGrid2.setCol(ColArticulos::Codigo);
}

void FrmTervalio::InicializaGrids()
{
    Procedimiento p(QStringLiteral("Inicializa"), GestorUtilidades());
    p.PasarPorAlto(5);
    p.paso([this] { InicializaGridsDelComprobante(); });
    p.paso([this] { editorGrilla.setVisible(false); });
    MarcaPlanGrabado();
}

void FrmTervalio::Grabar()
{
    // What the operator is typing in the grid is part of the plan: F2 goes
    // through its check first, and a refused value stays in the editor.
    if (edicion_ && !edicion_->Confirma())
        return;
    ActualizarDatos();
}

void FrmTervalio::VaciarPantalla()
{
    if (MsgBox(QStringLiteral("Esta seguro de vaciar los datos de la pantalla actual?"), Avisos::SiNo,
               QStringLiteral("Aviso al Operador!!!")) == Avisos::Si)
        InicializaGrids();
}

void FrmTervalio::CmdCancelar_Click()
{
    pIdArticulo.clear();
    pDescripcion.clear();
    int cancelar = 0;
    Form_Unload(cancelar);
}

void FrmTervalio::Form_Unload(int& Cancel)
{
    Cancel = 0;
    cerrando_ = true;
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("Form_Unload"));
    if (DesdeForm) {
        p.paso([this] { hide(); });
        return;
    }
    p.paso([this] { gUtilidades->GuardaFormulario(this, QString()); });
    p.paso([] { FinalizaSesion(); });
    p.paso([] { Sistema::TerminarPrograma(0); });
}

void FrmTervalio::CmdCerrarBusqueda_Click()
{
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("CmdCerrarBusqueda_Click"));
    p.paso([this] { FrmBuscar->hide(); });
    p.paso([this] { vistaListView1->setFocus(); });
}

void FrmTervalio::CmdCerrarCantidad_Click()
{
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("CmdCerrarCantidad_Click"));
    p.paso([this] { FrmCantidad->hide(); });
    p.paso([this] { vistaListView1->setFocus(); });
}

void FrmTervalio::CmdExpExcel_Click()
{
    const Lista& lista = SSTab2.Tab() == 2 ? ListView3 : ListView1;
    ModExportarExcel::ExportarListViewExcel(lista, true, false, -1, -1, -1);
}

void FrmTervalio::CmdFichaStock_Click()
{
    // The launcher keeps only what follows the first blank: a leading one lets a
    // code with blanks of its own (AB CD) reach the stock card whole.
    Procedimiento::Silencioso(QStringLiteral("CmdFichaStock_Click")).paso([this] {
        QString programa = QStringLiteral("SHELL:Mosquena.EXE");
        QString parametro = QStringLiteral(" @IDARTICULO=") + Recorta(lblCodigo->text());
        long resultado = 0;
        MenuExes(programa, parametro, resultado);
    });
}

void FrmTervalio::OptSearch_Click()
{
    Procedimiento::Silencioso(QStringLiteral("OptSearch_Click")).paso([this] { vistaListView1->setFocus(); });
}

void FrmTervalio::SSTab1_Click()
{
    Encolumnar(5);
}
