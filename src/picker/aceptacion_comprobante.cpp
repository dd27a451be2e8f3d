// The picker's acceptance: what the chosen row hands back for each type.
#include "picker/FrmConsComprobantes.h"

#include "platform/recorte.h"

void FrmConsComprobantes::CmdAceptar_Click()
{
    // Already closing (asked during a run): a later accept chooses nothing.
    if (cierrePendiente_)
        return;
    ListItem* elegido = ListView1.SelectedItem();
    if (!elegido) {
        NroComprobante.clear();
    } else if (EsDelGrupo(TC, {"OT", "NP", "FC", "RM", "ND", "NC", "NCFP", "OP", "FP", "GF"})) {
        NroComprobante = elegido->SubItems(1);
        // Rows of types without a complement leave its cell empty: they hand
        // back "0", the complement such a voucher is stored and loaded by.
        IdComplemento = elegido->SubItems(2);
        if (Recorta(IdComplemento).isEmpty())
            IdComplemento = QStringLiteral("0");
    } else if (EsDelGrupo(TC, {"FCC", "NCC", "LNCC", "NCPE", "NDPR", "NCCP", "NDC", "LNDC", "RMC"})) {
        NroComprobante = elegido->SubItems(1);
        Proveedor = elegido->SubItems(2);
    } else if (EsDelGrupo(TC, {"PR"})) {
        NroComprobante = elegido->SubItems(1);
        IdComplemento = QStringLiteral("0");
    } else if (EsDelGrupo(TC, {"T3"})) {
        NroComprobante = elegido->Text();
        IdComplemento = QStringLiteral("0");
    } else if (EsDelGrupo(TC, {"OC"})) {
        // Every ticked order in the order shown; with none ticked, the selected one.
        QString marcados;
        const ElementosLista& filas = ListView1.ListItems();
        for (int i = 1; i <= filas.Count(); ++i) {
            const ListItem& fila = filas.Item(i);
            if (!fila.Checked())
                continue;
            if (!marcados.isEmpty())
                marcados += QLatin1Char(',');
            marcados += fila.SubItems(2);
        }
        NroComprobante = marcados.isEmpty() ? elegido->SubItems(2) : marcados;
        IdComplemento = QStringLiteral("0");
    } else {
        NroComprobante = elegido->SubItems(1);
    }
    Form_Unload(Accepted);
}
