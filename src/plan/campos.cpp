// The filter and header fields: focus colours, Enter, the check on leaving,
// and the look-up that F5 opens for the current field.
#include "plan/FrmTervalio.h"

#include "platform/controles/colores.h"
#include "platform/controles/edicion_en_grilla.h"
#include "platform/selector_consultas.h"
#include "services/ModExportarExcel.h"
#include "session/ModGlobal.h"

#include <QPushButton>

using namespace ModGlobal;

namespace {

const char* const TextoValidado = "textoValidado";
const char* const MarcaVigilada = "marcaVigilada";

}  // namespace

void FrmTervalio::MarcaComprobado(CajaTexto& caja)
{
    // The mark holds only while the text stays: a box emptied by a save and
    // given the same date again is checked again on leaving.
    if (!caja.property(MarcaVigilada).toBool()) {
        caja.setProperty(MarcaVigilada, true);
        connect(&caja, &QLineEdit::textChanged, &caja, [c = &caja](const QString& texto) {
            if (c->property(TextoValidado).toString() != texto)
                c->setProperty(TextoValidado, QVariant());
        });
    }
    caja.setProperty(TextoValidado, caja.text());
}

void FrmTervalio::TxtFields_GotFocus(int Index)
{
    CajaTexto& caja = *TxtFields.at(size_t(Index));
    CmdConsultar->setEnabled(!caja.Tag.isEmpty());
    campoActual_ = &caja;
    caja.Colorea(ColorBgr(gColorFondo), ColorBgr(gColorLetra));
}

void FrmTervalio::TxtFields_LostFocus(int Index)
{
    TxtFields.at(size_t(Index))->Colorea(0xFFFFFF, 0);
}

void FrmTervalio::TxtFields_KeyDown(int Index, int& KeyCode, int)
{
    if (!UtilidadesControles::EsTeclaAvance(KeyCode))
        return;
    CajaTexto& caja = *TxtFields.at(size_t(Index));
    // The key is the check's: the box must not also report it as finished.
    KeyCode = 0;
    campoActual_ = &caja;
    // Marked before the check: its message box takes the focus, and the box
    // leaving must not check the same text a second time.
    MarcaComprobado(caja);
    CampoValida(caja);
    MarcaComprobado(caja);
    if (!validacionFallida_)
        UtilidadesControles::Avanza(&caja);
}

void FrmTervalio::TxtFields_Validate(int Index)
{
    CajaTexto& caja = *TxtFields.at(size_t(Index));
    // Leaving the box checks it once; what Enter already checked is not checked again.
    if (caja.property(TextoValidado).toString() == caja.text() && caja.property(TextoValidado).isValid())
        return;
    campoActual_ = &caja;
    MarcaComprobado(caja);
    CampoValida(caja);
    MarcaComprobado(caja);
}

void FrmTervalio::CmdConsultar_Click()
{
    CajaTexto* caja = campoActual_;
    if (!caja)
        return;
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("CmdConsultar_Click"));
    const QString etiqueta = caja->Tag.trimmed();
    const auto es = [&etiqueta](const char* t) { return etiqueta.compare(QLatin1String(t), Qt::CaseInsensitive) == 0; };

    QString filtros;
    for (const char* campo : {"DescripcionArticulo", "Codigo", "DescripcionRubro", "DescripcionTipo", "DescripcionFamilia",
                              "NombreProveedor", "CodigoArtProveedor"}) {
        const int i = UtilidadesControles::IndiceControl(QString::fromLatin1(campo), TxtFields);
        if (i >= 0)
            filtros += TxtFields[size_t(i)]->text();
    }
    const bool conFiltro = !filtros.isEmpty();
    const bool miraFiltro = es("V_MA_ARTICULOS2") || es("V_MA_ARTICULOS") || es("V_TA_FAMILIAS") || es("VT_PROVEEDORES") ||
                            es("V_TA_RUBROS") || es("V_ta_tipoarticulo");
    if (miraFiltro && conFiltro) {
        CmdBuscar_Click();
        return;
    }

    SelectorConsultas& selector = *gConsulta;
    const auto elige = [&](const QString& retorno, const QString& consulta, bool bandera) {
        selector.CampoRetorno = retorno;
        selector.Mostrar(consulta, {}, {}, {}, {}, {}, bandera, {});
        return selector.Resultado().toString();
    };
    QString respuesta, descripcion, tercero;
    bool hecho = p.paso([&] {
        if (es("V_CPTES_MODELO_CAB") || es("FECHA"))
            respuesta = elige(QStringLiteral("nombre"),
                              QStringLiteral("select nombre,detalle from v_cptes_modelo_cab where tcdefault = '@@PP' order by nombre"),
                              false);
        else if (es("V_MA_ARTICULOS2"))
            respuesta = elige(QStringLiteral("Descripcion"), QStringLiteral("V_MA_ARTICULOS"), false);
        else if (es("V_MA_ARTICULOS"))
            respuesta = elige(QStringLiteral("IDARTICULO"), QStringLiteral("V_MA_ARTICULOS"), false);
        else if (es("V_TA_FAMILIAS")) {
            const QString id = elige(QStringLiteral("IdFAmilia"),
                                     QStringLiteral("SELECT IDFAMILIA,DESCRIPCION FROM V_TA_FAMILIAS ORDER BY IDFAMILIA"), true);
            if (!id.isEmpty())
                respuesta = gUtilidades->ValorNoNuloTexto(gSesionBD->ObtieneValor(
                    QStringLiteral("v_ta_familias"), id, QStringLiteral("Descripcion"), QStringLiteral("idfamilia"), 8,
                    QString(), true, false));
        } else if (es("VT_PROVEEDORES"))
            respuesta = elige(QStringLiteral("Razon_Social"), QStringLiteral("vt_proveedores"), false);
        else if (es("V_TA_RUBROS") || es("V_ta_tipoarticulo"))
            respuesta = elige(QStringLiteral("DESCRIPCION"), etiqueta, false);
        else if (es("V_TA_Cpra_Vta"))
            ModExportarExcel::ConsultaTabla(etiqueta, descripcion, respuesta, tercero, true,
                                            QStringLiteral(" WHERE (HABILITADOPARA = 'V' OR HABILITADOPARA IS NULL)"));
        else if (es("V_MA_PRECIOSCAB")) {
            QString consulta = QStringLiteral("SELECT NOMBRE,IDLISTA FROM V_MA_PRECIOSCAB ORDER BY NOMBRE");
            if (EsVentas)
                consulta = QStringLiteral("SELECT NOMBRE,IDLISTA FROM V_MA_PRECIOSCAB WHERE (TIPOLISTA = 'V') ORDER BY NOMBRE");
            else if (EsCompras)
                consulta = QStringLiteral("SELECT NOMBRE,IDLISTA FROM V_MA_PRECIOSCAB WHERE (TIPOLISTA = 'C') ORDER BY NOMBRE");
            respuesta = elige(QStringLiteral("IDLISTA"), consulta, false);
        } else if (!etiqueta.isEmpty())
            ModExportarExcel::ConsultaTabla(etiqueta, descripcion, respuesta, tercero, true, QString());
    });
    // Nothing chosen, or nothing to choose from: the field and its row stay as they were.
    if (!hecho || respuesta.isEmpty())
        return;
    caja->setText(respuesta);
    if (caja->objectName().compare(QLatin1String("txtFields"), Qt::CaseInsensitive) == 0) {
        int tecla = 13;
        TxtFields_KeyDown(caja->Index, tecla, 0);
    } else if (caja->objectName().compare(QLatin1String("txtEdit2"), Qt::CaseInsensitive) == 0) {
        // From the grid with its editor closed (given up with Esc, say), the
        // answer is typed into the current cell when that cell is the
        // look-up's; otherwise it has no cell to go to.
        if (!edicion_->Abierta()) {
            if (!EditaCelda(respuesta))
                return;
            if (txtEdit2->Tag.trimmed().compare(etiqueta, Qt::CaseInsensitive) != 0) {
                edicion_->Cancela();
                return;
            }
        }
        txtEdit2->setText(respuesta);
        editorGrilla.setVisible(true);
        txtEdit2->setFocus();
        int tecla = 13;
        txtEdit2_KeyDown(tecla, 0);
    }
}
