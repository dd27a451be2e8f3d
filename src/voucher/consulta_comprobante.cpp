// The voucher picker, opened for a caller and read back.
#include "voucher/ClsCmnCptes.h"

#include "picker/FrmConsComprobantes.h"
#include "platform/avisos.h"
#include "platform/pasos.h"
#include "services/lectura_valores.h"

#include <memory>

void ClsCmnCptes::ConsultaComprobante(const QString& TC, QString& Respuesta, const QVariant& Filtro,
                                      QString* IdComplemento, QString* Proveedor)
{
    Procedimiento p(QStringLiteral("ConsultaComprobante"), LecturaValores::GestorSesion());
    // A call the operator's answer leaves early chose nothing: what the
    // caller's variables held before must not read as a choice.
    Respuesta.clear();
    if (IdComplemento)
        IdComplemento->clear();
    if (Proveedor)
        Proveedor->clear();
    // One fresh window per call: nothing of a former choice survives.
    std::unique_ptr<FrmConsComprobantes> frm;
    const auto ventana = [&frm]() -> FrmConsComprobantes& {
        if (!frm)
            throw Falla(Falla::ObjetoNoEstablecido, QStringLiteral("Variable de objeto no establecida"));
        return *frm;
    };
    p.paso([&] {
        frm = std::make_unique<FrmConsComprobantes>();
        frm->TC = TC;
    });
    p.paso([&] { ventana().Filtro = Filtro.isValid() ? Filtro.toString() : QString(); });
    p.paso([&] { ventana().NroComprobante.clear(); });
    // The window loads at this show and closes itself; it is destroyed only
    // after the show has returned.
    p.paso([&] { Avisos::Actual().Dialogo(ventana()); });
    p.paso([&] {
        FrmConsComprobantes& v = ventana();
        Respuesta = v.NroComprobante;
        if (IdComplemento)
            *IdComplemento = v.IdComplemento;
        if (Proveedor)
            *Proveedor = v.Proveedor;
    });
    p.paso([&] { frm.reset(); });
}
