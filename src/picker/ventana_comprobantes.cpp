// The picker window: its controls, its placement and its events.
#include "picker/FrmConsComprobantes.h"

#include "platform/controles/caja_texto.h"
#include "platform/controles/enter_en_boton.h"
#include "platform/controles/teclas.h"
#include "platform/controles/vista_lista.h"
#include "platform/pasos.h"
#include "platform/recorte.h"
#include "services/lectura_valores.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

template <class W>
W* nombrado(W* w, const char* nombre)
{
    w->setObjectName(QString::fromLatin1(nombre));
    return w;
}

// Enter in a box moves on; only a focused button takes Enter, so no button
// is ever the dialog's default.
QPushButton* boton(const QString& texto, const char* nombre)
{
    auto* b = nombrado(new QPushButton(texto), nombre);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

// The widest column set of the list, in capital X: 95.
constexpr int EquisColumnasMasAnchas = 95;

}  // namespace

FrmConsComprobantes::FrmConsComprobantes(QWidget* padre) : QDialog(padre)
{
    setObjectName(QStringLiteral("FrmConsComprobantes"));
    setWindowTitle(QStringLiteral("Consulta de Comprobantes"));
    setModal(true);

    TxtNombre = nombrado(new CajaTexto, "TxtNombre");
    TxtNombre->setText(AvisoNombre());
    TxtNombre->setToolTip(QStringLiteral("Ingrese parte del nombre buscado"));
    TxtNumero = nombrado(new CajaTexto, "TxtNumero");
    TxtNumero->setText(AvisoNumero());
    TxtNumero->setToolTip(QStringLiteral("Ingrese parte del numero buscado"));
    CmdBuscar = boton(QStringLiteral("&Buscar"), "CmdBuscar");
    CmdAceptar = boton(QStringLiteral("&Aceptar"), "CmdAceptar");
    CmdCancelar = boton(QStringLiteral("&Cancelar"), "CmdCancelar");

    ListView1.setObjectName(QStringLiteral("ListView1"));
    vistaListView1 = nombrado(new VistaLista, "ListView1");
    vistaListView1->setLista(&ListView1);
    ImageList1 = ImagenesDeComprobantes();
    std::vector<QIcon> iconos;
    for (const Imagen& i : ImageList1)
        iconos.push_back(i.Picture);
    vistaListView1->setImagenes(iconos);

    auto* arriba = new QHBoxLayout;
    arriba->addWidget(TxtNombre, 1);
    arriba->addWidget(TxtNumero, 1);
    arriba->addWidget(CmdBuscar);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch(1);
    abajo->addWidget(CmdAceptar);
    abajo->addWidget(CmdCancelar);
    auto* v = new QVBoxLayout(this);
    v->addLayout(arriba);
    v->addWidget(vistaListView1, 1);
    v->addLayout(abajo);
    setTabOrder(TxtNombre, TxtNumero);
    setTabOrder(TxtNumero, CmdBuscar);
    setTabOrder(CmdBuscar, vistaListView1);
    setTabOrder(vistaListView1, CmdAceptar);
    setTabOrder(CmdAceptar, CmdCancelar);

    // Wide enough for the widest column set without scrolling, within 1024 x 768.
    const int lista = fontMetrics().horizontalAdvance(QString(EquisColumnasMasAnchas, QLatin1Char('X')));
    const int ancho = lista + vistaListView1->verticalScrollBar()->sizeHint().width() + 4 * 12;
    setMinimumSize(qMin(ancho, 1000), 420);
    resize(minimumSize());

    connect(CmdBuscar, &QPushButton::clicked, this,
            [this] { evento("CmdBuscar_Click", [this] { CmdBuscar_Click(); }); });
    connect(CmdAceptar, &QPushButton::clicked, this,
            [this] { evento("CmdAceptar_Click", [this] { CmdAceptar_Click(); }); });
    connect(CmdCancelar, &QPushButton::clicked, this,
            [this] { evento("CmdCancelar_Click", [this] { CmdCancelar_Click(); }); });
    for (QPushButton* b : {CmdBuscar, CmdAceptar, CmdCancelar})
        EnterPulsaElBoton(b);
    connect(vistaListView1, &VistaLista::DblClick, this,
            [this] { evento("ListView1_DblClick", [this] { ListView1_DblClick(); }); });
    connect(vistaListView1, &VistaLista::KeyDown, this, [this](int& codigo, int shift) {
        evento("ListView1_KeyDown", [&] { ListView1_KeyDown(codigo, shift); });
    });
    connect(vistaListView1, &VistaLista::ColumnClick, this, [this](ColumnHeader* encabezado) {
        evento("ListView1_ColumnClick", [&] { ListView1_ColumnClick(*encabezado); });
    });
    connect(TxtNombre, &CajaTexto::GotFocus, this,
            [this] { evento("TxtNombre_GotFocus", [this] { TxtNombre_GotFocus(); }); });
    connect(TxtNumero, &CajaTexto::GotFocus, this,
            [this] { evento("TxtNumero_GotFocus", [this] { TxtNumero_GotFocus(); }); });
    connect(TxtNombre, &CajaTexto::KeyPress, this,
            [this](int& c) { evento("TxtNombre_KeyPress", [&] { TxtNombre_KeyPress(c); }); });
    connect(TxtNumero, &CajaTexto::KeyPress, this,
            [this](int& c) { evento("TxtNumero_KeyPress", [&] { TxtNumero_KeyPress(c); }); });
}

FrmConsComprobantes::~FrmConsComprobantes()
{
    // The view goes before the list it shows.
    vistaListView1->setLista(nullptr);
}

QString FrmConsComprobantes::AvisoNombre()
{
    return QStringLiteral("Buscar por nombre...");
}

QString FrmConsComprobantes::AvisoNumero()
{
    return QStringLiteral("Buscar por Numero...");
}

void FrmConsComprobantes::evento(const char* nombre, const std::function<void()>& cuerpo)
{
    Procedimiento p(QString::fromLatin1(nombre), LecturaValores::GestorSesion());
    p.paso(cuerpo);
}

void FrmConsComprobantes::showEvent(QShowEvent* e)
{
    // Loaded at the first show, before the first paint.
    if (!cargada_) {
        cargada_ = true;
        cargando_ = true;
        evento("Form_Load", [this] { Form_Load(); });
        cargando_ = false;
    }
    QDialog::showEvent(e);
}

void FrmConsComprobantes::reject()
{
    // Esc and the close box cancel.
    evento("CmdCancelar_Click", [this] { CmdCancelar_Click(); });
}

void FrmConsComprobantes::Form_Load()
{
    ConsultaCptes();
}

void FrmConsComprobantes::CmdBuscar_Click()
{
    ConsultaCptes();
}

void FrmConsComprobantes::CmdCancelar_Click()
{
    Form_Unload(Rejected);
}

void FrmConsComprobantes::Form_Unload(int resultado)
{
    // Never inside a run's own loop: the run closes the window once it has
    // left, with the first close asked for.
    if (enCurso_) {
        if (!cierrePendiente_)
            cierrePendiente_ = resultado;
        return;
    }
    ListView1.ListItems().Clear();
    cerrar(resultado);
}

void FrmConsComprobantes::cerrar(int resultado)
{
    // Closed during the first show, the modal show would wait on a hidden
    // window: the close waits for its event loop.
    if (cargando_) {
        QMetaObject::invokeMethod(
            this, [this, resultado] { QDialog::done(resultado); }, Qt::QueuedConnection);
        return;
    }
    QDialog::done(resultado);
}

void FrmConsComprobantes::ListView1_DblClick()
{
    CmdAceptar_Click();
}

void FrmConsComprobantes::ListView1_KeyDown(int& KeyCode, int)
{
    if (KeyCode == Teclas::vbKeyReturn) {
        KeyCode = 0;
        CmdAceptar_Click();
    }
}

void FrmConsComprobantes::ListView1_BeforeLabelEdit(int& Cancel)
{
    Cancel = 1;
}

void FrmConsComprobantes::ListView1_AfterLabelEdit(int& Cancel, QString&)
{
    Cancel = 1;
}

void FrmConsComprobantes::ListView1_ColumnClick(ColumnHeader& ColumnHeader)
{
    // Every click flips the direction, also on another column than before.
    const int sentido = ListView1.SortOrder() == lvwAscending ? lvwDescending : lvwAscending;
    const int columna = ColumnHeader.Index() - 1;
    // Off while direction and key change, so the rows are sorted once.
    ListView1.setSorted(false);
    ListView1.setSortOrder(sentido);
    ListView1.setSortKey(columna);
    ListView1.setSorted(true);
}

void FrmConsComprobantes::seleccionaRecortado(CajaTexto* caja)
{
    const auto selecciona = [caja] { caja->setSelection(0, int(Recorta(caja->text()).size())); };
    selecciona();
    // A click places the cursor after the focus came: select again once it has.
    QTimer::singleShot(0, caja, selecciona);
}

void FrmConsComprobantes::TxtNombre_GotFocus()
{
    seleccionaRecortado(TxtNombre);
}

void FrmConsComprobantes::TxtNumero_GotFocus()
{
    seleccionaRecortado(TxtNumero);
}

void FrmConsComprobantes::TxtNombre_KeyPress(int& KeyAscii)
{
    if (KeyAscii == Teclas::vbKeyReturn) {
        KeyAscii = 0;
        TxtNumero->setFocus(Qt::OtherFocusReason);
    }
}

void FrmConsComprobantes::TxtNumero_KeyPress(int& KeyAscii)
{
    if (KeyAscii == Teclas::vbKeyReturn) {
        KeyAscii = 0;
        CmdBuscar->setFocus(Qt::OtherFocusReason);
    }
}
