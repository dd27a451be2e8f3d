// The lots-and-serials dialog: its window, grid layouts and acceptance.
#include "lots/FrmCargaLotesySeries.h"

#include "lots/listas_pipe.h"
#include "platform/avisos.h"
#include "platform/controles/vista_grilla.h"
#include "platform/numeros.h"
#include "platform/pasos.h"
#include "platform/utilidades_comunes.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

namespace {

template <class T>
T* nombrado(T* control, const char* nombre)
{
    control->setObjectName(QString::fromLatin1(nombre));
    return control;
}

const QString TituloAviso = QStringLiteral("Aviso al Operador!!!");

// A list that holds nothing once its "|" are gone is no list.
QString FinDeLista(const QString& lista)
{
    return ModGlobal::gUtilidades->QuitaCaracteres(lista, QStringLiteral("|")).trimmed().isEmpty() ? QString() : lista;
}

}  // namespace

FrmCargaLotesySeries::FrmCargaLotesySeries(QWidget* padre)
    : QDialog(padre), cantidades_(MSFlexGrid1, ColCantidad, ColStock, Cantidad)
{
    setObjectName(QStringLiteral("FrmCargaLotesySeries"));
    setWindowTitle(QStringLiteral("Numeros de Serie"));
    cantidades_.setMensajeSinDisponible(QStringLiteral("La Cantidad supera a la cantidad disponible en Stock"));
    lblArticulo = nombrado(new QLabel(QStringLiteral("Artículo-Descripción")), "lblArticulo");
    CmdAceptar = nombrado(new QPushButton(QStringLiteral("F2 &Aceptar")), "CmdAceptar");
    CmdCancelar = nombrado(new QPushButton(QStringLiteral("&Cancelar")), "CmdCancelar");
    // Enter belongs to the grid: no button answers it.
    for (QPushButton* boton : {CmdAceptar, CmdCancelar}) {
        boton->setAutoDefault(false);
        boton->setDefault(false);
    }
    Toolbar1 = nombrado(new QToolBar, "Toolbar1");
    vistaMSFlexGrid1 = nombrado(new VistaGrilla, "MSFlexGrid1");
    // As designed: two rows and two columns, one of each fixed.
    MSFlexGrid1.setCols(2);
    MSFlexGrid1.setRows(2);
    vistaMSFlexGrid1->setGrilla(&MSFlexGrid1);
    TxtEdit = nombrado(new CajaTexto, "TxtEdit");
    // Fill and blank; no proposal here.
    edicion_ = std::make_unique<EdicionCantidades>(cantidades_, *vistaMSFlexGrid1, *TxtEdit, *Toolbar1, this, 2);

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

FrmCargaLotesySeries::~FrmCargaLotesySeries() = default;

void FrmCargaLotesySeries::Form_Load()
{
    ModGlobal::gUtilidades->InicializaFormulario(this, 0);
    ModGlobal::AplicaIconoFormulario(*this);
    Procedimiento::Silencioso(QStringLiteral("Form_Load")).paso([this] {
        FormatoSerieAsterisco =
            ModGlobal::Cfg(QStringLiteral("ART_FormatoSerieAsterisco")).trimmed().compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
    });
}

void FrmCargaLotesySeries::setMedidor(const MedidorTexto* medidor)
{
    vistaMSFlexGrid1->setMedidor(medidor);
}

int FrmCargaLotesySeries::TextWidth(const QString& texto) const
{
    return vistaMSFlexGrid1->medidor().TextWidth(texto);
}

void FrmCargaLotesySeries::CargaDatos()
{
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("CargaDatos"));
    p.paso([this] { EsSerieYLote = EsSerie && EsLote; });
    p.paso([this] {
        const QString deposito = QStringLiteral(" (Deposito: ") + Deposito + u')';
        if (EsTalle) {
            setWindowTitle(QStringLiteral("Talles, Colores, Sexo") + deposito);
            if (EsSerieYLote) {
                EsSerieYLote = false;
                EsLote = false;
            }
        } else if (EsSerieYLote) {
            setWindowTitle(QStringLiteral("Números de Lote y Serie") + deposito);
        } else if (EsSerie) {
            setWindowTitle(QStringLiteral("Números de Serie") + deposito);
        } else if (EsLote) {
            setWindowTitle(QStringLiteral("Números de Lote") + deposito);
        }
    });
    p.paso([this] { lblArticulo->setText(NombrePropio(ArticuloDescripcion)); });
    p.paso([this] { InicializaGrid(); });
    p.paso([this] { VerificaAnteriores(); });
    // Other lines' takings only make sense against stock rows.
    if (EsConsultaDeSerieLote)
        p.paso([this] { VerificaExistenciasEnGrilla(); });
    p.paso([this] { AjustaAnchoColumnas(); });
    p.paso([this] {
        if (MSFlexGrid1.Rows() > 1) {
            MSFlexGrid1.setRow(1);
            MSFlexGrid1.setCol(EsConsultaDeSerieLote ? int(ColCantidad) : int(ColValor));
        }
    });
}

void FrmCargaLotesySeries::InicializaGrid()
{
    Grilla& g = MSFlexGrid1;
    const auto ancho = [this](int equis) { return TextWidth(QString(equis, u'X')); };
    g.Clear();
    g.setRows(1);
    g.setCols(4);
    g.setFixedRows(1);
    if (EsConsultaDeSerieLote) {
        cantidades_.setColumnasTexto({});
        cantidades_.setSoloEnteros(EsSerie);
        g.setFixedCols(2);
        g.setTextMatrix(0, ColLote, EsTalle ? QStringLiteral("TALLE-COLOR-SEXO") : QStringLiteral("LOTE"));
        g.setColWidth(ColLote, EsLote ? ancho(18) : 0);
        g.setTextMatrix(0, ColSerie, QStringLiteral("SERIE"));
        g.setColWidth(ColSerie, EsSerie ? ancho(25) : 0);
        g.setTextMatrix(0, ColStock, QStringLiteral("CANT. STOCK"));
        g.setColWidth(ColStock, ancho(12));
        g.setTextMatrix(0, ColCantidad, QStringLiteral("CANT. "));
        g.setColWidth(ColCantidad, ancho(25));
        g.setColAlignment(ColSerie, flexAlignCenterTop);
        g.setColAlignment(ColLote, flexAlignCenterTop);
    } else {
        g.setFixedCols(1);
        g.setColWidth(0, 0);
        g.setTextMatrix(0, ColItem, QStringLiteral("ITEM"));
        g.setColWidth(ColItem, ancho(25));
        g.setColAlignment(ColItem, flexAlignCenterCenter);
        if (EsSerieYLote) {
            g.setTextMatrix(0, ColValor, QStringLiteral("Número de Lote"));
            g.setColWidth(ColValor, ancho(25));
            g.setTextMatrix(0, ColSerieCarga, QStringLiteral("Número de Serie"));
            g.setColWidth(ColSerieCarga, ancho(25));
            cantidades_.setColumnasTexto({ColValor, ColSerieCarga});
        } else {
            g.setTextMatrix(0, ColValor, EsSerie ? QStringLiteral("Número de Serie") : QStringLiteral("Número de Lote"));
            g.setColWidth(ColValor, ancho(35));
            g.setColWidth(ColSerieCarga, 0);
            cantidades_.setColumnasTexto({ColValor});
        }
        cantidades_.setSoloEnteros(false);
        const double unidades = Numeros::RedondeoPar(std::fabs(Cantidad), 0);
        if (unidades > MaximoUnidades) {
            MsgBox(QStringLiteral("La cantidad supera las 100000 unidades: no se pueden informar lotes o series de a una"),
                   Avisos::Informacion, QStringLiteral("Aviso al Operador"));
        } else {
            g.setRows(int(unidades) + 1);
            for (int f = 1; f < g.Rows(); ++f)
                g.setTextMatrix(f, ColItem, QString::number(f));
        }
    }
    ocultas_.assign(size_t(g.Cols()), false);
    for (int c = 0; c < g.Cols(); ++c)
        ocultas_[size_t(c)] = g.ColWidth(c) == 0;
}

void FrmCargaLotesySeries::AjustaAnchoColumnas()
{
    Grilla& g = MSFlexGrid1;
    for (int c = 0; c < g.Cols(); ++c) {
        if (size_t(c) < ocultas_.size() && ocultas_[size_t(c)])
            continue;
        qsizetype largo = 0;
        for (int f = 0; f < g.Rows(); ++f)
            largo = std::max(largo, g.TextMatrix(f, c).size());
        if (largo > 0)
            g.setColWidth(c, TextWidth(QString(largo, u'X')));
    }
}

int FrmCargaLotesySeries::ColumnaLotes() const
{
    if (EsSerieYLote || EsLote)
        return ColValor;
    return -1;
}

int FrmCargaLotesySeries::ColumnaSeries() const
{
    if (EsSerieYLote)
        return ColSerieCarga;
    return EsLote ? -1 : int(ColValor);
}

QString FrmCargaLotesySeries::ClaveFila(int fila) const
{
    return MSFlexGrid1.TextMatrix(fila, ColLote).trimmed() + ListasPipe::Chr255 +
           MSFlexGrid1.TextMatrix(fila, ColSerie).trimmed();
}

QString FrmCargaLotesySeries::ListaColumna(int columna) const
{
    const Grilla& g = MSFlexGrid1;
    QString lista = QStringLiteral("|");
    for (int f = 1; f < g.Rows(); ++f) {
        const QString celda = g.TextMatrix(f, columna).trimmed();
        lista += (celda.isEmpty() ? QStringLiteral("-") : celda) + u'|';
    }
    return FinDeLista(lista);
}

void FrmCargaLotesySeries::SumaFilas(int MenosCual, double& Suma)
{
    cantidades_.SumaFilas(MenosCual, Suma);
}

void FrmCargaLotesySeries::ValidaCantidadCantidadPedida(bool& Valida)
{
    cantidades_.ValidaCantidadCantidadPedida(Valida);
}

void FrmCargaLotesySeries::DistribuyeCantidad()
{
    cantidades_.DistribuyeCantidad();
}

void FrmCargaLotesySeries::CompletaTodoIgual()
{
    if (EsConsultaDeSerieLote)
        return;
    const int columna = ColumnaLotes();
    if (columna < 0)
        return;
    Grilla& g = MSFlexGrid1;
    QString anterior;
    for (int f = 1; f < g.Rows(); ++f) {
        const QString celda = g.TextMatrix(f, columna);
        if (!celda.trimmed().isEmpty())
            anterior = celda;
        else if (!anterior.isEmpty())
            g.setTextMatrix(f, columna, anterior);
    }
}

void FrmCargaLotesySeries::Toolbar1_ButtonClick(int indice)
{
    edicion_->Pulsa(indice);
}

void FrmCargaLotesySeries::Text_Propiedades(CajaTexto& Texto, int Col)
{
    cantidades_.Text_Propiedades(Texto, Col);
}

void FrmCargaLotesySeries::EditKeyCode(int KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    EdicionEnGrilla::MueveTrasTecla(MSFlexGrid1, KeyCode);
    vistaMSFlexGrid1->setFocus();
}

void FrmCargaLotesySeries::MsflexGridEdt(int KeyAscii)
{
    edicion_->Edicion().Abre(KeyAscii >= 32 ? QString(QChar(KeyAscii)) : QString());
}

void FrmCargaLotesySeries::CampoValida(CajaTexto& Texto)
{
    cantidades_.CampoValida(Texto);
}

void FrmCargaLotesySeries::CmdAceptar_Click()
{
    // An entry in progress goes through the cell's check first.
    if (!edicion_->Edicion().Confirma())
        return;
    Procedimiento(QString(), LecturaValores::GestorSesion()).paso([this] {
        if (EsConsultaDeSerieLote)
            AceptaConsulta();
        else
            AceptaCarga();
    });
}

void FrmCargaLotesySeries::AceptaConsulta()
{
    if (!cantidades_.CantidadesValidas())
        return;
    bool valida = false;
    ValidaCantidadCantidadPedida(valida);
    if (!valida) {
        double suma = 0;
        SumaFilas(-1, suma);
        const auto ajusta = [&](const QString& primeraLinea) {
            const int r = MsgBox(primeraLinea + QStringLiteral("\r\n¿Desea Ajustar la Cantidad Solicitada en el Formulario?"),
                                 Avisos::SiNo + Avisos::Pregunta, TituloAviso);
            if (r == Avisos::Si) {
                Cantidad = suma;
                return true;
            }
            MsgBox(QStringLiteral("Debe Ajustar la suma de las cantidades a :") + Numeros::TextoPlano(Cantidad),
                   Avisos::Critico, QStringLiteral("Aviso al Operador"));
            return false;
        };
        if (suma > Cantidad) {
            if (!ajusta(QStringLiteral("La suma de las cantidades Informadas, supera a la solicitada en el Formulario de Carga de Datos")))
                return;
        } else if (!MostrarForm) {
            MsgBox(QStringLiteral("El Stock es Menor a la cantidad solicitada "), Avisos::Informacion, TituloAviso);
            return;
        } else if (!ajusta(QStringLiteral("La suma de las cantidades Informadas, Es Menor a la solicitada en el Formulario de Carga de Datos"))) {
            return;
        }
    }
    const Grilla& g = MSFlexGrid1;
    QString lotes = QStringLiteral("|");
    for (int f = 1; f < g.Rows(); ++f)
        lotes += ClaveFila(f) + u'|';
    Lotes = FinDeLista(lotes);
    Series = ListaColumna(ColCantidad);
    QDialog::accept();
}

void FrmCargaLotesySeries::AceptaCarga()
{
    CompletaTodoIgual();
    const Grilla& g = MSFlexGrid1;
    const int columnaSeries = ColumnaSeries();
    if (EsSerie && FormatoSerieAsterisco && columnaSeries >= 0) {
        for (int f = 1; f < g.Rows(); ++f) {
            const QString serie = g.TextMatrix(f, columnaSeries);
            if (!serie.trimmed().isEmpty() && !serie.contains(u'*')) {
                MsgBox(QStringLiteral("Segun configuracion del sistema, debe informar NRODESERIE * CANTIDAD \r\n"
                                      "Verifique la configuracion del sistema - Stock / Otros"));
                return;
            }
        }
    }
    const int columnaLotes = ColumnaLotes();
    Lotes = columnaLotes >= 0 ? ListaColumna(columnaLotes) : QString();
    Series = columnaSeries >= 0 ? ListaColumna(columnaSeries) : QString();
    QDialog::accept();
}

void FrmCargaLotesySeries::CmdCancelar_Click()
{
    edicion_->Edicion().Cancela();
    QDialog::reject();
}

void FrmCargaLotesySeries::reject()
{
    // Esc outside the editor and the window's close box cancel.
    Procedimiento::Silencioso(QStringLiteral("CmdCancelar_Click")).paso([this] { CmdCancelar_Click(); });
}
