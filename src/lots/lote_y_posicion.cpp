// The positions-and-lots dialog: its window, loading and acceptance.
#include "lots/FrmLoteyPosicion.h"

#include "platform/avisos.h"
#include "platform/controles/vista_grilla.h"
#include "platform/numeros.h"
#include "platform/pasos.h"
#include "platform/utilidades_comunes.h"
#include "session/ModGlobal.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

namespace {

// A number as Str writes it: a blank before one that is not negative.
QString TextoConSigno(double valor)
{
    const QString t = Numeros::TextoPlano(valor);
    return valor < 0 ? t : QStringLiteral(" ") + t;
}

template <class T>
T* nombrado(T* control, const char* nombre)
{
    control->setObjectName(QString::fromLatin1(nombre));
    return control;
}

}  // namespace

FrmLoteyPosicion::FrmLoteyPosicion(QWidget* padre)
    : QDialog(padre), cantidades_(MSFlexGrid1, ColCantidad, ColDisponible, Cantidad1)
{
    setObjectName(QStringLiteral("FrmLoteyPosicion"));
    setWindowTitle(QStringLiteral("Posiciones"));
    lblArticulo = nombrado(new QLabel(QStringLiteral("Artículo-Descripción")), "lblArticulo");
    CmdAceptar = nombrado(new QPushButton(QStringLiteral("&Aceptar")), "CmdAceptar");
    CmdCancelar = nombrado(new QPushButton(QStringLiteral("&Cancelar")), "CmdCancelar");
    // Enter belongs to the grid: no button answers it.
    for (QPushButton* boton : {CmdAceptar, CmdCancelar}) {
        boton->setAutoDefault(false);
        boton->setDefault(false);
    }
    Toolbar1 = nombrado(new QToolBar, "Toolbar1");
    vistaMSFlexGrid1 = nombrado(new VistaGrilla, "MSFlexGrid1");
    vistaMSFlexGrid1->setGrilla(&MSFlexGrid1);
    TxtEdit = nombrado(new CajaTexto, "TxtEdit");
    edicion_ = std::make_unique<EdicionCantidades>(cantidades_, *vistaMSFlexGrid1, *TxtEdit, *Toolbar1, this);

    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(CmdAceptar);
    botones->addWidget(CmdCancelar);
    auto* v = new QVBoxLayout(this);
    v->addWidget(lblArticulo);
    v->addWidget(Toolbar1);
    v->addWidget(vistaMSFlexGrid1, 1);
    v->addLayout(botones);
    resize(640, 360);

    const auto trampa = [](const char* nombre, auto manejador) {
        return [nombre, manejador] { Procedimiento::Silencioso(QString::fromLatin1(nombre)).paso(manejador); };
    };
    connect(CmdAceptar, &QPushButton::clicked, this, trampa("CmdAceptar_Click", [this] { CmdAceptar_Click(); }));
    connect(CmdCancelar, &QPushButton::clicked, this, trampa("CmdCancelar_Click", [this] { CmdCancelar_Click(); }));
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, trampa("Form_KeyDown", [this] { CmdAceptar_Click(); }));

    Form_Load();
}

FrmLoteyPosicion::~FrmLoteyPosicion() = default;

void FrmLoteyPosicion::Form_Load()
{
    ModGlobal::gUtilidades->InicializaFormulario(this, 0);
    ModGlobal::AplicaIconoFormulario(*this);
}

void FrmLoteyPosicion::setMedidor(const MedidorTexto* medidor)
{
    vistaMSFlexGrid1->setMedidor(medidor);
}

int FrmLoteyPosicion::TextWidth(const QString& texto) const
{
    return vistaMSFlexGrid1->medidor().TextWidth(texto);
}

void FrmLoteyPosicion::CargaDatos()
{
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("CargaDatos"));
    p.paso([this] { EsPosicionYLote = EsPosicion && EsLote; });
    p.paso([this] {
        const QString deposito = QStringLiteral(" (Deposito: ") + Deposito + u')';
        if (EsPosicionYLote)
            setWindowTitle(QStringLiteral("Posiciones y Lotes") + deposito);
        else if (EsPosicion)
            setWindowTitle(QStringLiteral("Posiciones") + deposito);
        else if (EsLote)
            setWindowTitle(QStringLiteral("Números de Lote") + deposito);
    });
    p.paso([this] { lblArticulo->setText(NombrePropio(ArticuloDescripcion)); });
    p.paso([this] { InicializaGrid(); });
    p.paso([this] { VerificaAnteriores(); });
    p.paso([this] {
        MSFlexGrid1.setRow(MSFlexGrid1.Rows() - 1);
        MSFlexGrid1.setCol(ColCantidad);
    });
    p.paso([this] { AjustaAnchoColumnas(); });
}

void FrmLoteyPosicion::InicializaGrid()
{
    Grilla& g = MSFlexGrid1;
    g.Clear();
    g.setCols(5);
    g.setRows(1);
    filaDeposito_ = 0;
    if (!EsPosicionYLote && !EsPosicion)
        return;
    g.setTextMatrix(0, ColPosicion, QStringLiteral("POSICION"));
    if (EsPosicionYLote)
        g.setTextMatrix(0, ColLote, QStringLiteral("LOTE"));
    g.setTextMatrix(0, ColUnidad, QStringLiteral("UNIDAD"));
    g.setTextMatrix(0, ColDisponible, QStringLiteral("DISPONIBLE"));
    g.setTextMatrix(0, ColCantidad, QStringLiteral("CANT."));
    g.setColAlignment(ColPosicion, flexAlignCenterTop);
    g.setColAlignment(ColLote, flexAlignCenterTop);
    if (!EsPosicionYLote)
        g.setColWidth(ColLote, 0);
}

void FrmLoteyPosicion::AjustaAnchoColumnas()
{
    Grilla& g = MSFlexGrid1;
    for (int c = 0; c < g.Cols(); ++c) {
        qsizetype largo = 0;
        for (int f = 0; f < g.Rows(); ++f)
            largo = std::max(largo, g.TextMatrix(f, c).size());
        if (largo > 0)
            g.setColWidth(c, TextWidth(QString(largo, u'X')));
    }
}

void FrmLoteyPosicion::SumaFilas(int MenosCual, double& Suma)
{
    cantidades_.SumaFilas(MenosCual, Suma);
}

void FrmLoteyPosicion::ValidaCantidadCantidadPedida(bool& Valida)
{
    cantidades_.ValidaCantidadCantidadPedida(Valida);
}

void FrmLoteyPosicion::DistribuyeCantidad()
{
    cantidades_.DistribuyeCantidad();
}

void FrmLoteyPosicion::CompletaTodoIgual()
{
    cantidades_.Toolbar1_ButtonClick(1);
}

void FrmLoteyPosicion::Toolbar1_ButtonClick(int indice)
{
    edicion_->Pulsa(indice);
}

void FrmLoteyPosicion::Text_Propiedades(CajaTexto& Texto, int Col)
{
    cantidades_.Text_Propiedades(Texto, Col);
}

void FrmLoteyPosicion::EditKeyCode(int KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    EdicionEnGrilla::MueveTrasTecla(MSFlexGrid1, KeyCode);
    vistaMSFlexGrid1->setFocus();
}

void FrmLoteyPosicion::MsflexGridEdt(int KeyAscii)
{
    edicion_->Edicion().Abre(KeyAscii >= 32 ? QString(QChar(KeyAscii)) : QString());
}

void FrmLoteyPosicion::CampoValida(CajaTexto& Texto)
{
    cantidades_.CampoValida(Texto);
}

QString FrmLoteyPosicion::Lista(int columna, bool conCantidad) const
{
    const Grilla& g = MSFlexGrid1;
    QString lista = QStringLiteral("|");
    for (int f = 1; f < g.Rows(); ++f) {
        const QString cantidad = g.TextMatrix(f, ColCantidad).trimmed();
        if (cantidad.isEmpty() || cantidad == QLatin1String("0"))
            continue;
        // The stock without position goes with an empty key.
        const QString clave = f == filaDeposito_ ? QString() : g.TextMatrix(f, columna).trimmed();
        lista += conCantidad ? clave + u'*' + cantidad + u'|' : clave + u'|';
    }
    return lista;
}

void FrmLoteyPosicion::CmdAceptar_Click()
{
    // An entry in progress goes through the cell's check first.
    if (!edicion_->Edicion().Confirma())
        return;
    if (!cantidades_.CantidadesValidas())
        return;
    bool valida = false;
    ValidaCantidadCantidadPedida(valida);
    if (!valida) {
        double suma = 0;
        SumaFilas(-1, suma);
        const auto ajusta = [&](const QString& primeraLinea) {
            const int r = MsgBox(primeraLinea + QStringLiteral("\r\n¿Desea Ajustar la Cantidad Solicitada en el Formulario?"),
                                 Avisos::SiNo + Avisos::Pregunta, QStringLiteral("Aviso al Operador!!!"));
            if (r == Avisos::Si) {
                Cantidad1 = suma;
                return true;
            }
            MsgBox(QStringLiteral("Debe Ajustar la suma de las cantidades a :") + TextoConSigno(Cantidad1), Avisos::Critico,
                   QStringLiteral("Aviso al Operador"));
            return false;
        };
        if (suma > Cantidad1) {
            if (!ajusta(QStringLiteral("La suma de las cantidades Informadas, supera a la solicitada en el Formulario de Carga de Datos")))
                return;
        } else if (!MostrarForm) {
            MsgBox(QStringLiteral("La suma de cantidades informadas es Menor a la cantidad solicitada "), Avisos::Informacion,
                   QStringLiteral("Aviso al Operador!!!"));
            return;
        } else if (!ajusta(QStringLiteral("La suma de las cantidades Informadas, Es Menor a la solicitada en el Formulario de Carga de Datos"))) {
            return;
        }
    }
    if (EsPosicionYLote) {
        Posiciones = Lista(ColPosicion, true);
        Lotes = Lista(ColLote, false);
    } else if (EsPosicion) {
        Posiciones = Lista(ColPosicion, true);
    }
    QDialog::accept();
}

void FrmLoteyPosicion::CmdCancelar_Click()
{
    edicion_->Edicion().Cancela();
    QDialog::reject();
}

void FrmLoteyPosicion::reject()
{
    // Esc outside the editor and the window's close box cancel.
    Procedimiento::Silencioso(QStringLiteral("CmdCancelar_Click")).paso([this] { CmdCancelar_Click(); });
}
