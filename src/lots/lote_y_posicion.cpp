// The positions-and-lots dialog: its window, loading and acceptance.
#include "lots/FrmLoteyPosicion.h"

#include "platform/avisos.h"
#include "platform/controles/vista_grilla.h"
#include "platform/numeros.h"
#include "platform/pasos.h"
#include "platform/recorte.h"
#include "platform/utilidades_comunes.h"
#include "session/ModGlobal.h"

#include <QLabel>
#include <cmath>

namespace {

// A number as Str writes it: a blank before one that is not negative.
QString TextoConSigno(double valor)
{
    const QString t = Numeros::TextoPlano(valor);
    return valor < 0 ? t : QStringLiteral(" ") + t;
}

}  // namespace

FrmLoteyPosicion::FrmLoteyPosicion(QWidget* padre)
    : DialogoLotes("FrmLoteyPosicion", QStringLiteral("Posiciones"), QStringLiteral("&Aceptar"), ColCantidad, ColDisponible,
                   Cantidad1, 3, padre)
{
    Form_Load();
}

FrmLoteyPosicion::~FrmLoteyPosicion() = default;

void FrmLoteyPosicion::Form_Load()
{
    ModGlobal::gUtilidades->InicializaFormulario(this, 0);
    ModGlobal::AplicaIconoFormulario(*this);
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
    AjustaAnchos();
}

void FrmLoteyPosicion::DistribuyeCantidad()
{
    cantidades_.DistribuyeCantidad();
}

void FrmLoteyPosicion::CompletaTodoIgual()
{
    cantidades_.Toolbar1_ButtonClick(1);
}

QString FrmLoteyPosicion::Lista(int columna, bool conCantidad) const
{
    const Grilla& g = MSFlexGrid1;
    QString lista = QStringLiteral("|");
    for (int f = 1; f < g.Rows(); ++f) {
        const QString cantidad = Recorta(g.TextMatrix(f, ColCantidad));
        if (cantidad.isEmpty() || cantidad == QLatin1String("0"))
            continue;
        // The stock without position goes with an empty key.
        const QString clave = f == filaDeposito_ ? QString() : Recorta(g.TextMatrix(f, columna));
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

