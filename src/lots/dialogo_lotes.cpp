#include "lots/dialogo_lotes.h"

#include "platform/controles/enter_en_boton.h"
#include "platform/controles/vista_grilla.h"
#include "platform/pasos.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

template <class T>
T* nombrado(T* control, const char* nombre)
{
    control->setObjectName(QString::fromLatin1(nombre));
    return control;
}

}  // namespace

DialogoLotes::DialogoLotes(const char* nombre, const QString& titulo, const QString& aceptar, int columnaCantidad,
                           int columnaDisponible, double& pedido, int botones, QWidget* padre)
    : QDialog(padre), cantidades_(MSFlexGrid1, columnaCantidad, columnaDisponible, pedido)
{
    setObjectName(QString::fromLatin1(nombre));
    setWindowTitle(titulo);
    lblArticulo = nombrado(new QLabel(QStringLiteral("Artículo-Descripción")), "lblArticulo");
    CmdAceptar = nombrado(new QPushButton(aceptar), "CmdAceptar");
    CmdCancelar = nombrado(new QPushButton(QStringLiteral("&Cancelar")), "CmdCancelar");
    // Enter belongs to the grid: no button answers it.
    for (QPushButton* boton : {CmdAceptar, CmdCancelar}) {
        boton->setAutoDefault(false);
        boton->setDefault(false);
    }
    // Cancel takes no focus: a click on it must not put an open entry through
    // the cell's check, whose refusal would keep the window from closing.
    CmdCancelar->setFocusPolicy(Qt::NoFocus);
    EnterPulsaElBoton(CmdAceptar);
    Toolbar1 = nombrado(new QToolBar, "Toolbar1");
    vistaMSFlexGrid1 = nombrado(new VistaGrilla, "MSFlexGrid1");
    // Tab leaves the grid for Accept and comes back, as between controls;
    // going round the cells it left the current cell on columns that take no
    // entry, where typing did nothing.
    vistaMSFlexGrid1->setTabKeyNavigation(false);
    vistaMSFlexGrid1->setGrilla(&MSFlexGrid1);
    TxtEdit = nombrado(new CajaTexto, "TxtEdit");
    edicion_ = std::make_unique<EdicionCantidades>(cantidades_, *vistaMSFlexGrid1, *TxtEdit, *Toolbar1, this, botones);

    auto* fila = new QHBoxLayout;
    fila->addStretch(1);
    fila->addWidget(CmdAceptar);
    fila->addWidget(CmdCancelar);
    auto* v = new QVBoxLayout(this);
    v->addWidget(lblArticulo);
    v->addWidget(Toolbar1);
    v->addWidget(vistaMSFlexGrid1, 1);
    v->addLayout(fila);
    resize(640, 360);

    const auto trampa = [](const char* evento, auto manejador) {
        return [evento, manejador] { Procedimiento::Silencioso(QString::fromLatin1(evento)).paso(manejador); };
    };
    connect(CmdAceptar, &QPushButton::clicked, this, trampa("CmdAceptar_Click", [this] { CmdAceptar_Click(); }));
    connect(CmdCancelar, &QPushButton::clicked, this, trampa("CmdCancelar_Click", [this] { CmdCancelar_Click(); }));
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, trampa("Form_KeyDown", [this] { CmdAceptar_Click(); }));
}

DialogoLotes::~DialogoLotes() = default;

void DialogoLotes::setMedidor(const MedidorTexto* medidor)
{
    vistaMSFlexGrid1->setMedidor(medidor);
}

int DialogoLotes::TextWidth(const QString& texto) const
{
    return vistaMSFlexGrid1->medidor().TextWidth(texto);
}

void DialogoLotes::AjustaAnchos(const std::vector<bool>& ocultas)
{
    Grilla& g = MSFlexGrid1;
    for (int c = 0; c < g.Cols(); ++c) {
        if (size_t(c) < ocultas.size() && ocultas[size_t(c)])
            continue;
        qsizetype largo = 0;
        for (int f = 0; f < g.Rows(); ++f)
            largo = std::max(largo, g.TextMatrix(f, c).size());
        if (largo > 0)
            g.setColWidth(c, TextWidth(QString(largo, u'X')));
    }
}

void DialogoLotes::SumaFilas(int MenosCual, double& Suma)
{
    cantidades_.SumaFilas(MenosCual, Suma);
}

void DialogoLotes::ValidaCantidadCantidadPedida(bool& Valida)
{
    cantidades_.ValidaCantidadCantidadPedida(Valida);
}

void DialogoLotes::Toolbar1_ButtonClick(int indice)
{
    edicion_->Pulsa(indice);
}

void DialogoLotes::Text_Propiedades(CajaTexto& Texto, int Col)
{
    cantidades_.Text_Propiedades(Texto, Col);
}

void DialogoLotes::EditKeyCode(int KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    EdicionEnGrilla::MueveTrasTecla(MSFlexGrid1, KeyCode);
    vistaMSFlexGrid1->setFocus();
}

void DialogoLotes::MsflexGridEdt(int KeyAscii)
{
    edicion_->Edicion().Abre(KeyAscii >= 32 ? QString(QChar(KeyAscii)) : QString());
}

void DialogoLotes::CampoValida(CajaTexto& Texto)
{
    cantidades_.CampoValida(Texto);
}

void DialogoLotes::CmdCancelar_Click()
{
    edicion_->Edicion().Cancela();
    QDialog::reject();
}

void DialogoLotes::reject()
{
    // Esc outside the editor and the window's close box cancel.
    Procedimiento::Silencioso(QStringLiteral("CmdCancelar_Click")).paso([this] { CmdCancelar_Click(); });
}
