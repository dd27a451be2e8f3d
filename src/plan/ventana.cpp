// The window's controls, their layout and the wiring of their events.
#include "plan/FrmTervalio.h"

#include "platform/controles/vista_arbol.h"
#include "platform/controles/vista_grilla.h"
#include "platform/controles/vista_lista.h"
#include "platform/controles/teclas_ventana.h"
#include "platform/skin_framework.h"
#include "session/ModGlobal.h"
#include "voucher/ClsCmnCptes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

namespace {

template <class W>
W* nombrado(W* w, const char* nombre)
{
    w->setObjectName(QString::fromLatin1(nombre));
    return w;
}

QPushButton* boton(const QString& texto, const char* nombre, const QString& ayuda = QString())
{
    auto* b = nombrado(new QPushButton(texto), nombre);
    if (!ayuda.isEmpty())
        b->setToolTip(ayuda);
    return b;
}

}  // namespace

FrmTervalio::FrmTervalio(QWidget* padre) : QMainWindow(padre)
{
    setObjectName(QStringLiteral("FrmTervalio"));
    setWindowTitle(QStringLiteral("Estructura de Productos"));
    construyeControles();
    conectaEventos();
    teclasVentana_ = std::make_unique<TeclasVentana>(*this, std::vector<int>{Qt::Key_F2, Qt::Key_F5},
                                                     [this](int& codigo, int shift) { Form_KeyDown(codigo, shift); });
}

FrmTervalio::~FrmTervalio()
{
    teclasVentana_.reset();
    // The models (grids, lists, trees) go before the widgets: no widget may
    // report a focus change or an edit into them while it is taken down.
    cerrando_ = true;
    for (QObject* hijo : findChildren<QObject*>())
        hijo->blockSignals(true);
}

ClsCmnCptes& FrmTervalio::Comprobante()
{
    if (!comprobante_)
        comprobante_ = std::make_unique<ClsCmnCptes>();
    return *comprobante_;
}

void FrmTervalio::construyeControles()
{
    QStyle* estilo = style();
    ImageList1 = {estilo->standardIcon(QStyle::SP_DirIcon), estilo->standardIcon(QStyle::SP_FileDialogDetailedView),
                  estilo->standardIcon(QStyle::SP_DialogApplyButton), estilo->standardIcon(QStyle::SP_FileIcon)};

    SkinFramework1 = new SkinFramework(this);
    SkinFramework1->setObjectName(QStringLiteral("SkinFramework1"));

    // The text-box array of the filters and the header fields.
    struct DefCaja {
        const char* campo;
        const char* tag;
        int largo;
        const char* ayuda;
    };
    const DefCaja cajas[] = {
        {"DescripcionArticulo", "V_MA_ARTICULOS2", 0, "Ingrese el Nombre o parte del Nombre buscado  [Shift D]"},
        {"DescripcionRubro", "V_TA_RUBROS", 0, "Ingrese el Nombre o parte del Nombre buscado [Shift R]"},
        {"DescripcionTipo", "V_ta_tipoarticulo", 0, "Ingrese el Nombre o parte del Nombre buscado [Shift M]"},
        {"NombreProveedor", "VT_PROVEEDORES", 0, "Ingrese el Nombre o parte del Nombre buscado [Shift N]"},
        {"Codigo", "V_MA_ARTICULOS", 25, "Ingrese el Código o Parte del Código buscado [Shift A]"},
        {"DescripcionFamilia", "V_TA_FAMILIAS", 0, "Ingrese el Nombre o parte del Nombre buscado [Shift F]"},
        {"NOMBRE", "V_CPTES_MODELO_CAB", 50, "Para guardar un borrador debe asignarle un nombre"},
        {"DETALLE", "", 50, ""},
        {"CodigoArtProveedor", "", 0, "Ingrese el Codigo Articulo del Proveedor  [Shift P]"},
        {"NOMBRE", "FECHA", 0, ""},
        {"DETALLE", "", 50, ""},
        {"FHD", "FECHA", 0, "Para guardar un borrador debe asignarle un nombre"},
        {"FHH", "FECHA", 0, "Para guardar un borrador debe asignarle un nombre"},
    };
    for (int i = 0; i < 13; ++i) {
        auto* c = new CajaTexto;
        c->setObjectName(QStringLiteral("TxtFields"));
        c->setProperty("indice", i);
        c->Index = i;
        c->DataField = QString::fromLatin1(cajas[i].campo);
        c->Tag = QString::fromLatin1(cajas[i].tag);
        c->setMaxLength(cajas[i].largo);
        if (*cajas[i].ayuda)
            c->setToolTip(QString::fromUtf8(cajas[i].ayuda));
        TxtFields.push_back(c);
    }
    // Boxes 6 and 7 are the hidden twins of the draft's name and detail
    // (9 and 10): the look-ups find the name by its field in box 6.
    TxtFields[6]->setVisible(false);
    TxtFields[7]->setVisible(false);

    CmdAceptaCierra = boton(QStringLiteral("F2-Aceptar"), "CmdAceptaCierra", QStringLiteral("Acepta y Cierra"));
    CmdConsultar = boton(QStringLiteral("F5 C&onsulta"), "CmdConsultar");
    CmdCancelar = boton(QStringLiteral("&Cerrar"), "CmdCancelar");
    CmdExpExcel = boton(QStringLiteral("&Exportar Excel"), "CmdExpExcel", QStringLiteral("Exportar a Excel"));
    CmdBuscar = boton(QStringLiteral("[F5] &Buscar >>>"), "CmdBuscar");
    CmdCargarProyect = boton(QStringLiteral("Cargar >>>"), "CmdCargarProyect");
    CmdFichaStock = boton(QStringLiteral("Ficha de Stock"), "CmdFichaStock");

    const char* opciones[] = {"Comien&za Con", "C&ontiene", "Año", "Semestre", "Trimestre", "Mes", "Semana"};
    for (int i = 0; i < 7; ++i) {
        OptSearch[i] = nombrado(new QRadioButton(QString::fromUtf8(opciones[i])), "OptSearch");
        OptSearch[i]->setProperty("indice", i);
    }
    OptInforme = nombrado(new QRadioButton(QStringLiteral("Dia")), "OptInforme");
    OptTipo[0] = nombrado(new QRadioButton(QStringLiteral("Articulo")), "OptTipo");
    OptTipo[1] = nombrado(new QRadioButton(QStringLiteral("Insumo")), "OptTipo");
    OptTipo[0]->setChecked(true);

    // ---- Browse area: the two trees and the advanced filters --------------
    vistaTreeView1 = nombrado(new VistaArbol, "TreeView1");
    vistaTreeView1->setArbol(&TreeView1);
    vistaTreeView1->setImagenes(ImageList1);
    vistaTreeView2 = nombrado(new VistaArbol, "TreeView2");
    vistaTreeView2->setArbol(&TreeView2);
    vistaTreeView2->setImagenes(ImageList1);

    FrmFiltros = nombrado(new QGroupBox(QStringLiteral("Filtros Avanzados")), "FrmFiltros");
    {
        auto* f = new QFormLayout(FrmFiltros);
        f->addRow(QStringLiteral("Código"), TxtFields[4]);
        f->addRow(QStringLiteral("Descripción"), TxtFields[0]);
        f->addRow(QStringLiteral("Rubro"), TxtFields[1]);
        f->addRow(QStringLiteral("Marca"), TxtFields[2]);
        f->addRow(QStringLiteral("Familia"), TxtFields[5]);
        f->addRow(QStringLiteral("Cód. Proveedor"), TxtFields[8]);
        f->addRow(QStringLiteral("Proveedor"), TxtFields[3]);
        auto* modos = new QHBoxLayout;
        modos->addWidget(OptSearch[0]);
        modos->addWidget(OptSearch[1]);
        f->addRow(modos);
        f->addRow(CmdBuscar);
    }
    auto* paginaFiltros = new QWidget;
    {
        auto* v = new QVBoxLayout(paginaFiltros);
        v->addWidget(FrmFiltros);
        v->addStretch();
    }
    vistaSSTab1 = nombrado(new VistaPestanas, "SSTab1");
    vistaSSTab1->addTab(vistaTreeView1, QStringLiteral("Rubros y Marcas"));
    vistaSSTab1->addTab(vistaTreeView2, QStringLiteral("Familias"));
    vistaSSTab1->addTab(paginaFiltros, QStringLiteral("Filtros"));
    vistaSSTab1->setPestanas(&SSTab1);

    // ---- Main tab 0: article and supplies lists, draft header, plan grid ---
    vistaListView1 = nombrado(new VistaLista, "ListView1");
    vistaListView1->setLista(&ListView1);
    vistaListView1->setImagenes(ImageList1);
    vistaListView2 = nombrado(new VistaLista, "ListView2");
    vistaListView2->setLista(&ListView2);
    vistaListView2->setImagenes(ImageList1);
    {
        // The supplies list is headed once: its rows follow the selected article.
        const MedidorTexto& m = vistaListView2->medidor();
        ListView2.ColumnHeaders().Add(0, QString(), QStringLiteral("Insumo"), m.AnchoX(12));
        ListView2.ColumnHeaders().Add(0, QString(), QStringLiteral("Descripción"), m.AnchoX(25));
        ListView2.ColumnHeaders().Add(0, QString(), QStringLiteral("UD"), m.AnchoX(4));
        ListView2.ColumnHeaders().Add(0, QString(), QStringLiteral("Cantidad"), m.AnchoX(10), lvwColumnRight);
    }
    vistaMSFlexGrid2 = nombrado(new VistaGrilla, "MSFlexGrid2");
    // Tab leaves the grid for the next control, as between controls; going
    // round the cells it kept the keyboard in the grid and stopped on columns
    // that take no entry, where typing did nothing.
    vistaMSFlexGrid2->setTabKeyNavigation(false);
    vistaMSFlexGrid2->setGrilla(&MSFlexGrid2);
    // The code is typed into column 0: it cannot be a fixed column.
    MSFlexGrid2.setFixedCols(0);
    txtEdit2 = new CajaTexto(vistaMSFlexGrid2->viewport());
    txtEdit2->setObjectName(QStringLiteral("txtEdit2"));
    editorGrilla.setVisible(false);

    auto* encabezado = new QWidget;
    {
        auto* h = new QHBoxLayout(encabezado);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(new QLabel(QStringLiteral("Fecha Produccion")));
        h->addWidget(TxtFields[9]);
        TxtFields[9]->setMinimumWidth(100);
        TxtFields[9]->setMaximumWidth(140);
        h->addWidget(new QLabel(QStringLiteral("Observaciones")));
        h->addWidget(TxtFields[10], 1);
        h->addWidget(TxtFields[6]);
        h->addWidget(TxtFields[7]);
    }

    auto* listas = new QSplitter(Qt::Horizontal);
    listas->addWidget(vistaListView1);
    listas->addWidget(vistaListView2);
    listas->setStretchFactor(0, 1);
    listas->setStretchFactor(1, 1);
    auto* paginaPlan = new QWidget;
    {
        auto* abajo = new QWidget;
        auto* v = new QVBoxLayout(abajo);
        v->setContentsMargins(0, 0, 0, 0);
        v->addWidget(encabezado);
        v->addWidget(vistaMSFlexGrid2, 1);
        auto* divisor = new QSplitter(Qt::Vertical);
        divisor->addWidget(listas);
        divisor->addWidget(abajo);
        divisor->setStretchFactor(0, 3);
        divisor->setStretchFactor(1, 2);
        auto* l = new QVBoxLayout(paginaPlan);
        l->addWidget(divisor);
    }

    // The two pop-up frames over the article list.
    FrmCantidad = nombrado(new QFrame(paginaPlan), "FrmCantidad");
    static_cast<QFrame*>(FrmCantidad)->setFrameShape(QFrame::StyledPanel);
    FrmCantidad->setAutoFillBackground(true);
    LblDescripcion = nombrado(new QLabel, "LblDescripcion");
    TxtUnidad = nombrado(new CajaTexto, "TxtUnidad");
    TxtCantidad = nombrado(new CajaTexto, "TxtCantidad");
    TxtUnidad->setToolTip(QStringLiteral("Ingrese la cantidad y pulse enter"));
    TxtUnidad->setMaxLength(4);   // the width of the line's unit
    TxtCantidad->setToolTip(QStringLiteral("Ingrese la cantidad y pulse enter"));
    CmdAceptarCantidad = boton(QStringLiteral("&Aceptar"), "CmdAceptarCantidad");
    CmdCerrarCantidad = boton(QStringLiteral("&Cancelar"), "CmdCerrarCantidad");
    {
        auto* g = new QGridLayout(FrmCantidad);
        g->addWidget(LblDescripcion, 0, 0, 1, 4);
        g->addWidget(new QLabel(QStringLiteral("Unidad")), 1, 0);
        g->addWidget(TxtUnidad, 1, 1);
        g->addWidget(new QLabel(QStringLiteral("Cantidad")), 1, 2);
        g->addWidget(TxtCantidad, 1, 3);
        g->addWidget(CmdAceptarCantidad, 2, 2);
        g->addWidget(CmdCerrarCantidad, 2, 3);
        TxtUnidad->setMaximumWidth(70);
    }
    FrmCantidad->resize(420, 110);
    FrmCantidad->hide();

    FrmBuscar = nombrado(new QGroupBox(QStringLiteral("Busqueda Rápida por Descripción"), paginaPlan), "FrmBuscar");
    FrmBuscar->setAutoFillBackground(true);
    TxtBusqueda = nombrado(new CajaTexto, "TxtBusqueda");
    TxtBusqueda->setToolTip(QStringLiteral("Ingrese el texto a buscar y pulse enter"));
    CmdAceptarBusqueda = boton(QStringLiteral("&Buscar"), "CmdAceptarBusqueda");
    CmdCerrarBusqueda = boton(QStringLiteral("&Cancelar"), "CmdCerrarBusqueda");
    {
        auto* h = new QHBoxLayout(FrmBuscar);
        h->addWidget(TxtBusqueda, 1);
        h->addWidget(CmdAceptarBusqueda);
        h->addWidget(CmdCerrarBusqueda);
    }
    FrmBuscar->resize(460, 70);
    FrmBuscar->hide();

    // ---- Main tab 1: the article's details ----------------------------------
    FrmDetalle = nombrado(new QGroupBox(QStringLiteral("DETALLES")), "FrmDetalle");
    lblCodigo = nombrado(new QLabel, "lblCodigo");
    lblDatos = nombrado(new QLabel, "lblDatos");
    lblMasDatos = nombrado(new QLabel, "lblMasDatos");
    lblMasdatos2 = nombrado(new QLabel, "lblMasdatos2");
    TxtNotas = nombrado(new QPlainTextEdit, "TxtNotas");
    TxtNotas->setReadOnly(true);
    PctImagen = nombrado(new QLabel, "PctImagen");
    PctImagen->setMinimumSize(200, 200);
    PctImagen->setAlignment(Qt::AlignCenter);
    PctImagen->setFrameShape(QFrame::StyledPanel);
    {
        QFont grande = lblCodigo->font();
        grande.setBold(true);
        grande.setPointSizeF(grande.pointSizeF() * 1.3);
        lblCodigo->setFont(grande);
        auto* g = new QGridLayout(FrmDetalle);
        g->addWidget(lblCodigo, 0, 0);
        g->addWidget(lblDatos, 1, 0);
        g->addWidget(lblMasDatos, 2, 0);
        g->addWidget(lblMasdatos2, 3, 0);
        g->addWidget(new QLabel(QStringLiteral("Notas")), 4, 0);
        g->addWidget(TxtNotas, 5, 0);
        g->addWidget(CmdFichaStock, 6, 0, Qt::AlignLeft);
        g->addWidget(PctImagen, 0, 1, 7, 1);
        g->setColumnStretch(0, 2);
        g->setColumnStretch(1, 1);
        for (QLabel* l : {lblDatos, lblMasDatos, lblMasdatos2})
            l->setWordWrap(true);
    }

    // ---- Main tab 2: the production projection ----------------------------------
    vistaListView3 = nombrado(new VistaLista, "ListView3");
    vistaListView3->setLista(&ListView3);
    vistaListView3->setImagenes(ImageList1);
    auto* paginaProyeccion = new QWidget;
    {
        auto* filtros = new QHBoxLayout;
        filtros->addWidget(new QLabel(QStringLiteral("Fecha Desde")));
        filtros->addWidget(TxtFields[11]);
        filtros->addWidget(new QLabel(QStringLiteral("Fecha Hasta")));
        filtros->addWidget(TxtFields[12]);
        for (int i : {11, 12}) {
            TxtFields[size_t(i)]->setMinimumWidth(100);
            TxtFields[size_t(i)]->setMaximumWidth(120);
        }
        auto* agrupar = new QGroupBox(QStringLiteral("Agrupar:"));
        auto* ga = new QHBoxLayout(agrupar);
        ga->addWidget(OptTipo[1]);
        ga->addWidget(OptTipo[0]);
        filtros->addWidget(agrupar);
        filtros->addWidget(CmdCargarProyect);
        filtros->addStretch();
        // The period options stand on a line of their own (they are shown, not read).
        auto* periodo = new QHBoxLayout;
        periodo->addWidget(OptInforme);
        for (int i = 2; i < 7; ++i)
            periodo->addWidget(OptSearch[i]);
        periodo->addStretch();
        auto* v = new QVBoxLayout(paginaProyeccion);
        v->addLayout(filtros);
        v->addLayout(periodo);
        v->addWidget(vistaListView3, 1);
    }
    // The period options of the projection form a group of their own.
    OptInforme->setAutoExclusive(false);
    for (int i = 2; i < 7; ++i)
        OptSearch[i]->setAutoExclusive(false);

    vistaSSTab2 = nombrado(new VistaPestanas, "SSTab2");
    vistaSSTab2->addTab(paginaPlan, QStringLiteral("Estructura de Productos"));
    vistaSSTab2->addTab(FrmDetalle, QStringLiteral("Detalle"));
    vistaSSTab2->addTab(paginaProyeccion, QStringLiteral("Proyección"));
    vistaSSTab2->setPestanas(&SSTab2);

    // ---- The window -----------------------------------------------------------------
    auto* botones = new QHBoxLayout;
    botones->addWidget(CmdConsultar);
    botones->addWidget(CmdExpExcel);
    botones->addStretch();
    botones->addWidget(CmdAceptaCierra);
    botones->addWidget(CmdCancelar);

    auto* central = new QWidget;
    auto* principal = new QSplitter(Qt::Horizontal);
    principal->addWidget(vistaSSTab1);
    principal->addWidget(vistaSSTab2);
    principal->setStretchFactor(0, 0);
    principal->setStretchFactor(1, 1);
    vistaSSTab1->setMinimumWidth(220);
    auto* v = new QVBoxLayout(central);
    v->addWidget(principal, 1);
    v->addLayout(botones);
    setCentralWidget(central);

    // The message takes the room left; the others fit their texts, which a
    // panel of fixed width cut ("Uid: SUPERVIS").
    for (const char* clave : {"MENSAJE", "SERVER", "USUARIO", "BASEDEDATOS", "CAJA", "VERSION"})
        sbStatusBar.Panels()
            .Add(0, QString::fromLatin1(clave))
            .setAutoSize(qstrcmp(clave, "MENSAJE") == 0 ? sbrSpring : sbrContents);
    vistaStatusBar = nombrado(new VistaBarraEstado, "sbStatusBar");
    vistaStatusBar->setBarra(&sbStatusBar);
    setStatusBar(vistaStatusBar);

    setMinimumSize(1000, 680);
    resize(1280, 800);
}

void FrmTervalio::evento(const QString& nombre, const std::function<void()>& cuerpo)
{
    // A failure that escaped a procedure's own trap ends here, never in Qt.
    Procedimiento p(nombre, ModGlobal::GestorUtilidades());
    p.paso(cuerpo);
}

void FrmTervalio::alPulsar(QPushButton* boton, const char* nombre, void (FrmTervalio::*manejador)())
{
    connect(boton, &QPushButton::clicked, this, [this, nombre, manejador] {
        evento(QString::fromLatin1(nombre), [this, manejador] { (this->*manejador)(); });
    });
}

void FrmTervalio::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    // The pop-up frames stay over the article list.
    if (QWidget* lista = vistaListView1) {
        const QPoint origen = lista->mapTo(FrmCantidad->parentWidget(), QPoint(0, 0));
        FrmCantidad->move(origen + QPoint(20, 40));
        FrmBuscar->move(origen + QPoint(20, 40));
    }
}

void FrmTervalio::closeEvent(QCloseEvent* e)
{
    if (!cerrando_) {
        int cancelar = 0;
        Form_Unload(cancelar);
    }
    e->accept();
}
