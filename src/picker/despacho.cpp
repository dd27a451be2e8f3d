#include "picker/FrmDespacho.h"

#include "platform/avisos.h"
#include "platform/controles/teclas.h"
#include "platform/controles/teclas_ventana.h"
#include "platform/db/recordset.h"
#include "platform/pasos.h"
#include "platform/recorte.h"
#include "platform/utilidades_comunes.h"
#include "platform/utilidades_controles.h"
#include "services/ModExportarExcel.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ModGlobal;

namespace {

const QString Perecedero = QStringLiteral("PERECEDERO");

}  // namespace

FrmDespacho::FrmDespacho(QWidget* padre) : QDialog(padre)
{
    setObjectName(QStringLiteral("FrmDespacho"));
    setWindowTitle(QStringLiteral("Información del Despacho"));
    setModal(true);

    struct DefCaja {
        const char* campo;
        int largo;
    };
    const DefCaja cajas[] = {{"Origen", 4}, {"Despacho", 25}, {"Aduana", 50}};
    for (int i = 0; i < 3; ++i) {
        auto* c = new CajaTexto;
        c->setObjectName(QStringLiteral("TxtFields"));
        c->setProperty("indice", i);
        c->Index = i;
        c->DataField = QString::fromLatin1(cajas[i].campo);
        c->setMaxLength(cajas[i].largo);
        TxtFields.push_back(c);
    }
    const std::pair<int, const char*> etiquetas[] = {{4, "Despacho Nº"}, {0, "Origen"}, {1, "Aduana"}};
    for (const auto& [i, texto] : etiquetas) {
        auto* l = new QLabel(QString::fromUtf8(texto));
        l->setObjectName(QStringLiteral("Label5"));
        l->setProperty("indice", i);
        Label5[i] = l;
    }
    LblDesc = new QLabel(QStringLiteral("..."));
    LblDesc->setObjectName(QStringLiteral("LblDesc"));
    LblDesc->setMinimumWidth(180);

    const auto boton = [](const QString& texto, const char* nombre) {
        auto* b = new QPushButton(texto);
        b->setObjectName(QString::fromLatin1(nombre));
        return b;
    };
    CmdConsultar = boton(QStringLiteral("C&onsultar"), "CmdConsultar");
    CmdAceptar = boton(QStringLiteral("&Aceptar"), "CmdAceptar");
    CmdCancelar = boton(QStringLiteral("&Cancelar"), "CmdCancelar");

    Frame1 = new QFrame;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    {
        auto* g = new QGridLayout(Frame1);
        g->addWidget(Label5[4], 0, 0);
        g->addWidget(TxtFields[1], 0, 1, 1, 2);
        g->addWidget(Label5[0], 1, 0);
        g->addWidget(TxtFields[0], 1, 1);
        g->addWidget(LblDesc, 1, 2);
        g->addWidget(Label5[1], 2, 0);
        g->addWidget(TxtFields[2], 2, 1, 1, 2);
        TxtFields[0]->setMaximumWidth(70);
        TxtFields[1]->setMinimumWidth(220);
        g->setColumnStretch(2, 1);
    }
    auto* botones = new QHBoxLayout;
    botones->addWidget(CmdConsultar);
    botones->addStretch();
    botones->addWidget(CmdAceptar);
    botones->addWidget(CmdCancelar);
    auto* v = new QVBoxLayout(this);
    v->addWidget(Frame1);
    v->addLayout(botones);
    // A small dialog of its content's size, in either mode.
    v->setSizeConstraint(QLayout::SetFixedSize);

    // The dispatch number comes first, then the origin and the customs office.
    setTabOrder(TxtFields[1], TxtFields[0]);
    setTabOrder(TxtFields[0], TxtFields[2]);
    setTabOrder(TxtFields[2], CmdConsultar);
    setTabOrder(CmdConsultar, CmdAceptar);
    setTabOrder(CmdAceptar, CmdCancelar);

    for (CajaTexto* c : TxtFields) {
        const int i = c->Index;
        connect(c, &CajaTexto::GotFocus, this, [this, i] { TxtFields_GotFocus(i); });
        connect(c, &CajaTexto::LostFocus, this, [this, i] { TxtFields_LostFocus(i); });
        connect(c, &CajaTexto::KeyDown, this, [this, i](int& k, int s) { TxtFields_KeyDown(i, k, s); });
        connect(c, &CajaTexto::KeyPress, this, [this, i](int& k) { TxtFields_KeyPress(i, k); });
    }
    connect(CmdAceptar, &QPushButton::clicked, this, [this] { CmdAceptar_Click(); });
    connect(CmdCancelar, &QPushButton::clicked, this, [this] { CmdCancelar_Click(); });
    connect(CmdConsultar, &QPushButton::clicked, this, [this] { CmdConsultar_Click(); });
    teclas_ = std::make_unique<TeclasVentana>(*this, std::vector<int>{Qt::Key_F2, Qt::Key_F5},
                                              [this](int& codigo, int shift) { Form_KeyDown(codigo, shift); });
}

FrmDespacho::~FrmDespacho()
{
    teclas_.reset();
    for (CajaTexto* c : TxtFields)
        c->blockSignals(true);
}

CajaTexto& FrmDespacho::Caja(const char* campo) const
{
    return *TxtFields.at(size_t(UtilidadesControles::IndiceControl(QString::fromLatin1(campo), TxtFields)));
}

void FrmDespacho::evento(const char* nombre, const std::function<void()>& cuerpo)
{
    Procedimiento p(QString::fromLatin1(nombre), LecturaValores::GestorSesion());
    p.paso(cuerpo);
}

void FrmDespacho::AsignarDatos()
{
    Caja("Despacho").setText(Recorta(Despacho));
    Caja("Origen").setText(Recorta(Origen));
    Caja("Aduana").setText(Recorta(Aduana));
    BuscaOrigen(Origen);
}

void FrmDespacho::TomarDatos()
{
    Despacho = Recorta(Caja("Despacho").text());
    Origen = Recorta(Caja("Origen").text());
    Aduana = Recorta(Caja("Aduana").text());
}

void FrmDespacho::InicializaDatos()
{
    Despacho.clear();
    Origen.clear();
    Aduana.clear();
}

void FrmDespacho::CampoValida(CajaTexto& Texto)
{
    // Only the origin is checked; a code v_ta_origen lacks is taken with an
    // empty description (stored data may hold codes the view dropped).
    if (Texto.DataField.compare(u"Origen", Qt::CaseInsensitive) == 0 && !Recorta(Texto.text()).isEmpty())
        BuscaOrigen(Texto.text());
}

void FrmDespacho::BuscaOrigen(const QString& codigo)
{
    if (!rsOrigen_)
        rsOrigen_ = std::make_unique<Recordset>();
    // Blank until found, so a failing look-up leaves no stale description.
    LblDesc->clear();
    bool encontrado = false;
    gSesionBD->AbreRegistro(QStringLiteral("v_ta_origen"), codigo, QStringLiteral("IdOrigen"), *rsOrigen_, 8,
                            QString(), true, encontrado);
    if (encontrado)
        LblDesc->setText(gUtilidades->ValorNoNuloTexto(rsOrigen_->Valor(QStringLiteral("Descripcion"))));
}

void FrmDespacho::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!cargado_) {
        cargado_ = true;
        Form_Load();
    }
}

void FrmDespacho::Form_Load()
{
    Procedimiento p(QStringLiteral("Form_Load"), LecturaValores::GestorSesion());
    p.paso([this] {
        gUtilidades->InicializaFormulario(this, 0);
        AplicaIconoFormulario(*this);
    });
    p.paso([this] { AsignarDatos(); });

    // The mode is laid out whatever the look-up answered: the window must be
    // usable in either case.
    EsPerecedero = Aduana.compare(Perecedero, Qt::CaseInsensitive) == 0;
    CmdConsultar->setVisible(!EsPerecedero);
    if (EsPerecedero) {
        Label5[4]->setText(QStringLiteral("Vencimiento"));
        for (int i : {1, 0}) {
            Label5[i]->setVisible(false);
            Label5[i]->setText(QString());
        }
        for (int i : {0, 2}) {
            TxtFields[size_t(i)]->setVisible(false);
            TxtFields[size_t(i)]->setText(QString());
        }
        TxtFields[1]->Tag = QStringLiteral("FECHA");
        TxtFields[1]->setMaxLength(10);
    } else {
        Label5[4]->setText(QStringLiteral("Despacho Nro."));
        Label5[1]->setVisible(true);
        Label5[1]->setText(QStringLiteral("Aduana"));
        Label5[0]->setVisible(true);
        Label5[0]->setText(QStringLiteral("Origen"));
        TxtFields[0]->setVisible(true);
        TxtFields[2]->setVisible(true);
        TxtFields[1]->Tag.clear();
        TxtFields[1]->setMaxLength(25);
    }
    TxtFields[1]->setFocus();
}

void FrmDespacho::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == Teclas::vbKeyF2) {
        KeyCode = 0;
        CmdAceptar_Click();
    } else if (KeyCode == Teclas::vbKeyF5) {
        KeyCode = 0;
        CmdConsultar_Click();
    }
}

void FrmDespacho::CmdAceptar_Click()
{
    evento("CmdAceptar_Click", [this] {
        TomarDatos();
        CampoValida(Caja("Origen"));
        if (EsPerecedero) {
            if (!Despacho.isEmpty())
                hide();
            else
                MsgBox(QStringLiteral("Debe completar la fecha de vencimiento"), Avisos::Informacion,
                       QStringLiteral("Atención"));
        } else if (!Origen.isEmpty() && !Despacho.isEmpty() && !Aduana.isEmpty()) {
            hide();
        } else {
            MsgBox(QStringLiteral("Debe completar todos los campos"), Avisos::Informacion, QStringLiteral("Atención"));
        }
    });
}

void FrmDespacho::CmdCancelar_Click()
{
    InicializaDatos();
    hide();
}

void FrmDespacho::reject()
{
    CmdCancelar_Click();
}

void FrmDespacho::CmdConsultar_Click()
{
    // The expiry mode asks for no origin: its button is hidden and F5 does nothing.
    if (EsPerecedero)
        return;
    evento("CmdConsultar_Click", [this] {
        QString descripcion, clave, tercera;
        ModExportarExcel::ConsultaTabla(QStringLiteral("v_ta_origen"), descripcion, clave, tercera, true, QString());
        // Nothing chosen empties the box. A chosen code is looked up at once:
        // the Enter below checks the current box, which may be another one,
        // and the previous origin's description stayed beside the new code.
        CajaTexto& origen = Caja("Origen");
        origen.setText(Recorta(clave));
        CampoValida(origen);
        int tecla = Teclas::vbKeyReturn;
        TxtFields_KeyDown(IndiceCampoActual, tecla, 0);
    });
}

void FrmDespacho::TxtFields_GotFocus(int Index)
{
    IndiceCampoActual = short(Index);
}

void FrmDespacho::TxtFields_LostFocus(int Index)
{
    TxtFields.at(size_t(Index))->Colorea(0xFFFFFF, 0);
}

void FrmDespacho::TxtFields_KeyDown(int Index, int& KeyCode, int)
{
    if (!UtilidadesControles::EsTeclaAvance(KeyCode))
        return;
    // Enter moves on; it never reaches the dialog's default button.
    KeyCode = 0;
    evento("TxtFields_KeyDown", [this, Index] {
        CajaTexto& caja = *TxtFields.at(size_t(Index));
        CampoValida(caja);
        UtilidadesControles::Avanza(&caja);
    });
}

void FrmDespacho::TxtFields_KeyPress(int Index, int& KeyAscii)
{
    UtilidadesControles::FiltraTecla(*TxtFields.at(size_t(Index)), KeyAscii);
}
