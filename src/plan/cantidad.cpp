// The quantity frame and the plan rows it adds.
#include "plan/FrmTervalio.h"
#include "plan/reglas_plan.h"

#include "platform/avisos.h"
#include "platform/controles/vista_grilla.h"
#include "platform/controles/vista_lista.h"
#include "platform/numeros.h"
#include "platform/recorte.h"
#include "services/Stock.h"
#include "session/ModGlobal.h"
#include "voucher/columnas_grillas.h"
#include "voucher/filas_en_uso.h"

#include <QLabel>
#include <QLocale>

using namespace ModGlobal;

namespace {

// A unit the article knows: its own, its stock unit or one of its equivalences
// (letter case aside). An article that is not found has nothing to check.
bool UnidadDelArticulo(const QString& codigo, const QString& unidad)
{
    Recordset rs;
    gSesionBD->AbreRecordset(QStringLiteral("SELECT IdUnidad, UD_STOCK FROM V_MA_ARTICULOS with(nolock) WHERE IDARTICULO = ") +
                                 LiteralArticulo(codigo),
                             rs);
    if (rs.Eof())
        return true;
    for (const char* campo : {"IdUnidad", "UD_STOCK"})
        if (Recorta(gUtilidades->ValorNoNuloTexto(rs.Valor(QString::fromLatin1(campo)))).compare(unidad, Qt::CaseInsensitive) == 0)
            return true;
    rs.Close();
    QString operador, base;
    double coeficiente = 0;
    bool sinUnidad = false;
    return Stock::IdArticuloTieneEquivalencias(codigo, unidad, operador, base, coeficiente, sinUnidad);
}

}  // namespace

QString InterruptorPlan(const QVariant& v)
{
    if (v.isNull())
        return QStringLiteral("0");
    const QString t = v.toString().trimmed();
    if (t.isEmpty() || t == QLatin1String("0") || t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 ||
        t.compare(QLatin1String("falso"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("0");
    if (Numeros::EsNumerico(t))
        return gUtilidades->TextoADoble(t) != 0 ? QStringLiteral("-1") : QStringLiteral("0");
    return QStringLiteral("-1");
}

bool CantidadValida(const QString& texto, QString& motivo)
{
    if (!Numeros::EsNumerico(texto)) {
        motivo = QStringLiteral("La cantidad ingresada no es un número válido");
        return false;
    }
    try {
        if (gUtilidades->TextoAMoneda(texto) < Moneda())
            motivo = QStringLiteral("La cantidad no puede ser negativa");
    } catch (const Falla&) {
        motivo = QStringLiteral("La cantidad ingresada es demasiado grande");
    }
    return motivo.isEmpty();
}

QString LiteralArticulo(const QString& codigo)
{
    return gSesionBD->ValorSQL(gUtilidades->AjustaAncho(codigo, 25), QStringLiteral("'"));
}

QString TextoMonedaRegional(const Moneda& valor)
{
    QString t = valor.Texto();
    t.replace(u'.', QLocale().decimalPoint());
    return t;
}

QString TextoCantidad(const QString& texto)
{
    return TextoMonedaRegional(gUtilidades->TextoAMoneda(texto));
}

void FrmTervalio::MuestraCantidad()
{
    // With no article chosen there is nothing to plan.
    const ListItem* elegido = ListView1.SelectedItem();
    if (!elegido)
        return;
    // The frame shows the chosen article's description and unit: one reached
    // with the keyboard is not in the detail yet. The accept adds the chosen
    // article, so an open frame follows it too.
    const QString codigo = Recorta(elegido->Text());
    if (lblCodigo->text().compare(codigo, Qt::CaseInsensitive) != 0)
        MuestraDetalleArticulo(codigo);
    // Open already: the quantity typed stays.
    if (FrmCantidad->isVisible())
        return;
    TxtCantidad->setText(QStringLiteral("1"));
    FrmCantidad->show();
    FrmCantidad->raise();
    TxtCantidad->setVisible(true);
    TxtCantidad->setFocus();
    TxtCantidad->setSelection(0, int(TxtCantidad->text().size()));
}

void FrmTervalio::CmdAceptarCantidad_Click()
{
    if (!Recorta(TxtCantidad->text()).isEmpty()) {
        ListItem* elegido = ListView1.SelectedItem();
        if (!elegido) {
            CmdCerrarCantidad_Click();
            return;
        }
        QString motivo;
        if (!CantidadValida(TxtCantidad->text(), motivo)) {
            // Refused: the frame stays open with the text to be corrected.
            MsgBox(motivo, Avisos::Informacion, QStringLiteral("Aviso al operador"));
            TxtCantidad->setFocus();
            TxtCantidad->selectAll();
            return;
        }
        const QString codigo = elegido->Text();
        const QString unidad = Recorta(TxtUnidad->text());
        if (!unidad.isEmpty() && !UnidadDelArticulo(codigo, unidad)) {
            MsgBox(QStringLiteral("La unidad %1 no es la del artículo ni una de sus equivalencias").arg(unidad),
                   Avisos::Informacion, QStringLiteral("Aviso al operador"));
            TxtUnidad->setFocus();
            TxtUnidad->selectAll();
            return;
        }
        elegido->setBold(true);
        elegido->setIcon(3);
        elegido->setSmallIcon(3);
        Insertar(codigo);
    }
    FrmCantidad->hide();
    vistaListView1->setFocus();
}

void FrmTervalio::Insertar(const QString& Id)
{
    namespace C = ColArticulos;
    if (Recorta(Id).isEmpty())
        return;
    if (Recorta(TxtFields[9]->text()).isEmpty()) {
        MsgBox(QStringLiteral("Debe asignarle una fecha de produccion"), Avisos::Informacion,
               QStringLiteral("Aviso al operador"));
        return;
    }
    SesionBD& bd = *gSesionBD;
    Recordset rs;
    bd.AbreRecordset(QStringLiteral("select * from v_ma_articulos where idarticulo = ") +
                         LiteralArticulo(Id),
                     rs);
    QString idArticulo, descripcion;
    if (!rs.Eof()) {
        idArticulo = Recorta(gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("IdArticulo"))));
        descripcion = Recorta(gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("Descripcion"))));
    }
    rs.Close();
    const QString cantidad = TextoCantidad(gUtilidades->ValorNoNuloTexto(TxtCantidad->text()));

    bd.AbreRecordset(QStringLiteral("SELECT * FROM V_MA_ARTICULOS with(nolock) WHERE IDARTICULO = ") +
                         LiteralArticulo(idArticulo),
                     rs);
    if (rs.Bof())
        return;

    const int fila = FilaEnBlancoFinal();
    MSFlexGrid2.setRow(fila);
    const auto campo = [&rs](const char* nombre) { return rs.Valor(QString::fromLatin1(nombre)); };
    txtEdit2->setText(idArticulo);
    MSFlexGrid2.setTextMatrix(fila, C::Codigo, idArticulo);
    MSFlexGrid2.setTextMatrix(fila, C::Descripcion, descripcion);
    MSFlexGrid2.setTextMatrix(fila, C::Cantidad, cantidad);
    MSFlexGrid2.setTextMatrix(fila, C::Descripcion, Recorta(gUtilidades->ValorNoNuloTexto(campo("Descripcion"))));
    MSFlexGrid2.setTextMatrix(fila, C::Unidad, Recorta(TxtUnidad->text()));
    MSFlexGrid2.setTextMatrix(fila, C::Impuestos, gUtilidades->ValorNoNuloTexto(campo("Impuestos")));
    MSFlexGrid2.setTextMatrix(fila, C::EsExento, InterruptorPlan(campo("Exento")));
    MSFlexGrid2.setTextMatrix(fila, C::PideSerie, InterruptorPlan(campo("UsaSerie")));
    MSFlexGrid2.setTextMatrix(fila, C::PideLote, InterruptorPlan(campo("UsaLote")));
    MSFlexGrid2.setTextMatrix(fila, C::Perecedero, InterruptorPlan(campo("Perecedero")));
    MSFlexGrid2.setTextMatrix(fila, C::PideTalle, InterruptorPlan(campo("UsaTalle")));
    MSFlexGrid2.setTextMatrix(fila, C::InsumosPorPorcentaje, InterruptorPlan(campo("InsumosPorPorcentaje")));
    FilaEnBlancoFinal();
}

int FrmTervalio::FilaEnBlancoFinal()
{
    if (FilaEnUso(MSFlexGrid2, MSFlexGrid2.Rows() - 1))
        MSFlexGrid2.setRows(MSFlexGrid2.Rows() + 1);
    return MSFlexGrid2.Rows() - 1;
}

bool FrmTervalio::ExisteEnBorrador(const QString&)
{
    return false;
}
