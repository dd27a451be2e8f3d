#include "picker/filas_comprobantes.h"

#include "picker/FrmConsComprobantes.h"
#include "platform/controles/texto_celda.h"
#include "platform/fechas.h"
#include "platform/recorte.h"
#include "session/ModGlobal.h"

namespace FilasComprobantes {

namespace {

bool Marca(const QVariant& v)
{
    return v.isValid() && !v.isNull() && v.toBool();
}

std::optional<QDateTime> ComoFecha(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    if (Celdas::EsFecha(v))
        return Fechas::DeValor(v);
    return Fechas::Lee(v.toString());
}

// A date in the given form (the suite's short one by default); a text that is
// no date as it stands.
QString Fecha(const QVariant& v, const QString& forma = ModGlobal::FormatoFecha())
{
    const auto f = ComoFecha(v);
    return f ? Fechas::Formatea(*f, forma) : Celdas::Texto(v);
}

}  // namespace

Fila ArmaFila(const QString& tc, bool soloPendientes, bool esTransporte, const Campo& campo, const Apoyo& apoyo)
{
    const auto es = [&tc](std::initializer_list<const char*> tipos) {
        return FrmConsComprobantes::EsDelGrupo(tc, tipos);
    };
    const auto texto = [&campo](const char* nombre) { return Celdas::Texto(campo(QLatin1String(nombre))); };
    const auto fecha = [&campo](const char* nombre) { return Fecha(campo(QLatin1String(nombre))); };
    const auto marca = [&campo](const char* nombre) { return Marca(campo(QLatin1String(nombre))); };
    const auto imagen = [&apoyo](const char* codigo) { return apoyo.imagen(QLatin1String(codigo)); };

    Fila f;
    const auto icono = [&f](int i) { f.icono = f.iconoChico = i; };
    if (es({"RM"}) && esTransporte) {
        f.subItems = {texto("IdComprobante"), texto("IdComplemento"), fecha("fecha"), texto("CuentaProveedor")};
    } else if (es({"T3"})) {
        f.texto = texto("Id");
        f.subItems = {fecha("fecha"), texto("IdComprobante"), texto("IdComplemento"), texto("FECHAENVIADO"),
                      texto("FECHARECIBIDO")};
    } else if (es({"FCC", "NCC", "LNCC", "NCCP", "NDC", "LNDC", "RMC"})) {
        icono(marca("Anulada") ? imagen("Anulado") : apoyo.imagen(tc));
        f.texto = fecha("fecha");
        f.subItems = {texto("IdComprobante"), texto("Cuenta"), texto("Nombre"), texto("Importe")};
    } else if (es({"NCPE", "NDPR"})) {
        icono(apoyo.imagen(tc));
        f.texto = fecha("fecha");
        f.subItems = {texto("Sucursal") + texto("Numero") + texto("Letra"), texto("Cuenta")};
        const auto nombre = apoyo.proveedor(texto("Cuenta"));
        if (!nombre) {
            f.completa = false;
            return f;
        }
        f.subItems << *nombre << texto("Detalle") << texto("Importe");
    } else if (es({"PR"})) {
        icono(marca("Anulada") ? imagen("Anulado") : apoyo.imagen(tc));
        f.texto = fecha("fecha");
        f.subItems = {texto("IdComprobante"), texto("Nombre"), QString(), texto("comentarios"), texto("Importe")};
    } else if (es({"OC"})) {
        // The last rule that holds wins.
        int i = apoyo.imagen(tc);
        if (marca("Garantia"))
            i = imagen("OCG");
        if (marca("Anulada"))
            i = imagen("Anulado");
        icono(i);
        f.texto = fecha("fecha");
        f.subItems = {texto("Cuenta") + QLatin1Char(' ') + texto("Nombre"), texto("IdComprobante"), texto("Importe"),
                      texto("comentarios")};
        const auto recibida = apoyo.recepcion(texto("IdComprobante"));
        if (!recibida) {
            f.completa = false;
            return f;
        }
        f.subItems << *recibida;
    } else {
        int i = apoyo.imagen(tc);
        if (marca("Anulada"))
            i = imagen("Anulado");
        else if (marca("APROBADO"))
            i = imagen("Aprobado");
        // A pending sales order already being prepared.
        const QVariant preparacion = campo(QStringLiteral("FechaPreparacion"));
        if (es({"NP"}) && soloPendientes && Recorta(texto("TC")).compare(u"NP", Qt::CaseInsensitive) == 0
            && preparacion.isValid() && !preparacion.isNull())
            i = imagen("Aprobado");
        icono(i);
        // Any saved date-time that is not blank, even one that reads as no date.
        const QVariant grabada = campo(QStringLiteral("FechaHora_Grabacion"));
        f.texto = Recorta(Celdas::Texto(grabada)).isEmpty()
                      ? fecha("fecha")
                      : Fecha(grabada, QStringLiteral("dd/mm/yyyy hh:mm:ss"));
        f.subItems << texto("IdComprobante") << (es({"OT", "FC", "NP"}) ? texto("IdComplemento") : QString())
                   << texto("Nombre");
        if (es({"NP", "FC", "RM"}))
            f.subItems << texto("Observaciones");
        f.subItems << texto("Importe");
    }
    return f;
}

}  // namespace FilasComprobantes
