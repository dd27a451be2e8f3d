// The article detail panel and the supplies list of the selected article.
#include "plan/FrmTervalio.h"
#include "plan/reglas_plan.h"

#include "platform/controles/vista_lista.h"
#include "platform/conversor_imagen.h"
#include "platform/numeros.h"
#include "platform/recorte.h"
#include "services/Stock.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace ModGlobal;

void FrmTervalio::MuestraDetalleArticulo(const QString& codigo)
{
    SesionBD& bd = *gSesionBD;
    Recordset rs;
    bd.AbreRecordset(QStringLiteral("SELECT * FROM V_MA_ARTICULOS with(nolock) WHERE IDARTICULO = ") +
                         LiteralArticulo(Recorta(codigo)),
                     rs);
    const auto texto = [&rs](const char* campo) {
        const int i = rs.IndiceCampo(QString::fromLatin1(campo));
        return i < 0 ? QString() : Recorta(gUtilidades->ValorNoNuloTexto(rs.Valor(i)));
    };
    ListView2.ListItems().Clear();
    if (rs.Eof()) {
        for (QLabel* l : {lblCodigo, lblDatos, lblMasDatos, lblMasdatos2, LblDescripcion})
            l->clear();
        TxtUnidad->clear();
        TxtNotas->clear();
        PctImagen->clear();
        return;
    }
    const QString id = texto("IdArticulo");
    // The unit of the line, as the field check gives it: the stock unit, else the article's.
    const QString unidad = rs.Valor(QStringLiteral("UD_STOCK")).isNull() || texto("UD_STOCK").isEmpty()
                               ? texto("IdUnidad")
                               : texto("UD_STOCK");
    lblCodigo->setText(id);
    lblDatos->setText(texto("Descripcion") + QStringLiteral(" (") + texto("Presentacion") + u')');
    const QVariant costo = rs.Valor(QStringLiteral("Costo"));
    lblMasDatos->setText(QStringLiteral("Unidad: ") + texto("IdUnidad") + QStringLiteral("    Costo: ") +
                         FmtMoneda(LecturaValores::Importe(costo).Texto(), -1, true));
    double stock = 0;
    Stock::ControlStock(QString(), id, unidad, stock);
    lblMasdatos2->setText(QStringLiteral("Stock en todos los depósitos: ") +
                          FmtMoneda(Numeros::TextoPlano(stock), -1, true) + u' ' + unidad);
    TxtNotas->setPlainText(texto("Notas"));
    const int campoImagen = rs.IndiceCampo(QStringLiteral("Imagen"));
    const QPixmap imagen = campoImagen < 0 ? QPixmap() : ConversorImagen::ImagenDeCampo(rs.Valor(campoImagen));
    if (imagen.isNull())
        PctImagen->clear();
    else
        PctImagen->setPixmap(imagen.scaled(PctImagen->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    LblDescripcion->setText(texto("Descripcion"));
    TxtUnidad->setText(unidad);
    rs.Close();

    // The supplies of one unit of the article.
    bd.AbreRecordset(QStringLiteral("SELECT i.IdArticuloInsumo, a.Descripcion, i.IdUnidadInsumo, a.IdUnidad, i.Cantidad "
                                    "FROM V_MA_INSUMOS i with(nolock) LEFT OUTER JOIN V_MA_ARTICULOS a with(nolock) "
                                    "ON a.IDARTICULO = i.IdArticuloInsumo WHERE i.IDARTICULO = ") +
                         LiteralArticulo(id) +
                         QStringLiteral(" ORDER BY i.IdArticuloInsumo"),
                     rs);
    for (; !rs.Eof(); rs.MoveNext()) {
        ListItem& e = ListView2.ListItems().Add(0, QString(), texto("IdArticuloInsumo"), 0, 4);
        e.setSubItems(1, texto("Descripcion"));
        e.setSubItems(2, texto("IdUnidadInsumo").isEmpty() ? texto("IdUnidad") : texto("IdUnidadInsumo"));
        e.setSubItems(3, Numeros::TextoRegional(rs.Valor(QStringLiteral("Cantidad")).toDouble()));
    }
    rs.Close();
}
