// The lots-and-serials dialog: its window, grid layouts and acceptance.
#include "lots/FrmCargaLotesySeries.h"

#include "lots/listas_pipe.h"
#include "platform/avisos.h"
#include "platform/controles/vista_grilla.h"
#include "platform/numeros.h"
#include "platform/pasos.h"
#include "platform/recorte.h"
#include "platform/utilidades_comunes.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include <QLabel>
#include <cmath>

namespace {

const QString TituloAviso = QStringLiteral("Aviso al Operador!!!");

// A list that holds nothing once its "|" are gone is no list.
QString FinDeLista(const QString& lista)
{
    return Recorta(ModGlobal::gUtilidades->QuitaCaracteres(lista, QStringLiteral("|"))).isEmpty() ? QString() : lista;
}

}  // namespace

FrmCargaLotesySeries::FrmCargaLotesySeries(QWidget* padre)
    : DialogoLotes("FrmCargaLotesySeries", QStringLiteral("Numeros de Serie"), QStringLiteral("F2 &Aceptar"), ColCantidad,
                   ColStock, Cantidad, 2, padre)   // fill and blank; no proposal here
{
    cantidades_.setMensajeSinDisponible(QStringLiteral("La Cantidad supera a la cantidad disponible en Stock"));
    Form_Load();
}

FrmCargaLotesySeries::~FrmCargaLotesySeries() = default;

void FrmCargaLotesySeries::Form_Load()
{
    ModGlobal::gUtilidades->InicializaFormulario(this, 0);
    ModGlobal::AplicaIconoFormulario(*this);
    Procedimiento::Silencioso(QStringLiteral("Form_Load")).paso([this] {
        FormatoSerieAsterisco =
            Recorta(ModGlobal::Cfg(QStringLiteral("ART_FormatoSerieAsterisco"))).compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
    });
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
        // The row count is the quantity plus the title row, rounded as a whole: 2.5 units make 3 rows of data.
        const double unidades = Numeros::RedondeoPar(std::fabs(Cantidad) + 1, 0) - 1;
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
    AjustaAnchos(ocultas_);
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
    return Recorta(MSFlexGrid1.TextMatrix(fila, ColLote)) + ListasPipe::Chr255 +
           Recorta(MSFlexGrid1.TextMatrix(fila, ColSerie));
}

QString FrmCargaLotesySeries::ListaColumna(int columna) const
{
    const Grilla& g = MSFlexGrid1;
    QString lista = QStringLiteral("|");
    for (int f = 1; f < g.Rows(); ++f) {
        const QString celda = Recorta(g.TextMatrix(f, columna));
        lista += (celda.isEmpty() ? QStringLiteral("-") : celda) + u'|';
    }
    return FinDeLista(lista);
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
        if (!Recorta(celda).isEmpty())
            anterior = celda;
        else if (!anterior.isEmpty())
            g.setTextMatrix(f, columna, anterior);
    }
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
            if (!Recorta(serie).isEmpty() && !serie.contains(u'*')) {
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

