#include "platform/utilidades_controles.h"
#include "platform/recorte.h"

#include "platform/controles/teclas.h"
#include "platform/db/recordset.h"
#include "platform/fechas.h"

#include <QWidget>

bool UtilidadesControles::EsTeclaAvance(int codigoTecla)
{
    return codigoTecla == Teclas::vbKeyReturn;
}

bool UtilidadesControles::EsTeclaFinEdicion(int codigoTecla)
{
    return EsTeclaAvance(codigoTecla) || codigoTecla == Teclas::vbKeyTab || codigoTecla == Teclas::vbKeyUp ||
           codigoTecla == Teclas::vbKeyDown;
}

void UtilidadesControles::Avanza(QWidget* desde)
{
    if (!desde)
        return;
    QWidget* siguiente = desde->nextInFocusChain();
    // The next widget that takes the focus by keyboard.
    while (siguiente && siguiente != desde &&
           (!(siguiente->focusPolicy() & Qt::TabFocus) || !siguiente->isVisible() || !siguiente->isEnabled()))
        siguiente = siguiente->nextInFocusChain();
    if (siguiente && siguiente != desde)
        siguiente->setFocus(Qt::TabFocusReason);
}

void UtilidadesControles::FiltraTecla(CajaTexto& caja, int& codigoCaracter)
{
    if (codigoCaracter < 32)
        return;
    if (caja.MaxLength() > 0 && caja.text().size() - caja.selectedText().size() >= caja.MaxLength())
        codigoCaracter = 0;
}

int UtilidadesControles::IndiceControl(const QString& dataField, const std::vector<CajaTexto*>& controles)
{
    for (size_t i = 0; i < controles.size(); ++i)
        if (controles[i] && controles[i]->DataField.compare(dataField, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void UtilidadesControles::CargaRecordset(const std::vector<CajaTexto*>& controles, const Recordset& rs)
{
    if (rs.Bof() || rs.Eof())
        return;
    for (CajaTexto* caja : controles) {
        if (!caja || caja->DataField.isEmpty())
            continue;
        const int i = rs.IndiceCampo(caja->DataField);
        if (i < 0)
            continue;
        const QVariant v = rs.Valor(i);
        if (v.isNull())
            caja->setText(QString());
        else if (v.metaType().id() == QMetaType::QDateTime || v.metaType().id() == QMetaType::QDate)
            caja->setText(Fechas::TextoRegional(Fechas::DeValor(v)));
        else
            caja->setText(Recorta(v.toString()));
    }
}
