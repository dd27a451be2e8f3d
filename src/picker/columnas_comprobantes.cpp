// The picker's column sets and row images.
#include "picker/FrmConsComprobantes.h"

#include "platform/controles/vista_lista.h"
#include "platform/pasos.h"
#include "platform/recorte.h"
#include "services/lectura_valores.h"

namespace {

struct Columna {
    const char* titulo;
    int equis;   // width: a run of this many capital X
};

struct ConjuntoColumnas {
    std::vector<const char*> tipos;   // empty: any other type
    std::vector<Columna> columnas;
};

// Tested in order; the transport mode arrives as "RM-T".
const ConjuntoColumnas Conjuntos[] = {
    {{"RM-T"}, {{"ID", 5}, {"COMPROBANTE", 15}, {"COMPLEMENTO", 6}, {"FECHA", 20}, {"CUENTA", 13}}},
    {{"OT", "FC", "RM", "ND", "NC", "NCFP", "OP", "NP", "FP", "GF"},
     {{"FECHA", 20}, {"COMPROBANTE", 15}, {"ID", 5}, {"NOMBRE", 21}, {"Referencia", 15}, {"IMPORTE", 10}}},
    {{"FCC", "NCC", "LNCC", "NCCP", "NDC", "LNDC", "RMC", "NCPE", "NDPR"},
     {{"FECHA", 13}, {"COMPROBANTE", 15}, {"PROVEEDOR", 15}, {"NOMBRE", 21}, {"CONCEPTO", 21}, {"IMPORTE", 10}}},
    {{"PR"}, {{"FECHA", 13}, {"COMPROBANTE", 15}, {"NOMBRE", 21}, {"ID", 5}, {"Referencia", 21}, {"IMPORTE", 10}}},
    {{"T3"}, {{"Nº Int.", 7}, {"FECHA", 13}, {"COMPROBANTE", 15}, {"ID", 4}, {"FH Envio", 10}, {"FH Recep", 10}}},
    {{"OC"},
     {{"FECHA", 13},
      {"PROVEEDOR", 13},
      {"COMPROBANTE", 17},
      {"IMPORTE", 9},
      {"COMENTARIOS", 15},
      {"Inf. Recepción", 15}}},
    {{}, {{"FECHA", 13}, {"COMPROBANTE", 15}, {"CUENTA", 15}, {"NOMBRE", 21}, {"CONCEPTO", 21}, {"IMPORTE", 10}}},
};

struct ImagenDeTipo {
    const char* tag;
    const char* archivo;
};

// ImageList1 in index order (from 1).
const ImagenDeTipo Imagenes[] = {
    {"PR", "pr"},        {"Anulado", "anulado"}, {"Aprobado", "aprobado"}, {"FC", "fc"},
    {"NC", "nc"},        {"ND", "nd"},           {"OT", "ot"},             {"Generico", "generico"},
    {"T3", "t3"},        {"OC", "oc"},           {"OCG", "ocg"},
};

template <class Tipos>
bool enGrupo(const QString& tc, const Tipos& tipos)
{
    for (const char* t : tipos)
        if (tc.compare(QLatin1String(t), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

}  // namespace

bool FrmConsComprobantes::EsDelGrupo(const QString& tc, std::initializer_list<const char*> tipos)
{
    return enGrupo(tc, tipos);
}

std::vector<FrmConsComprobantes::Imagen> FrmConsComprobantes::ImagenesDeComprobantes()
{
    std::vector<Imagen> imagenes;
    for (const ImagenDeTipo& i : Imagenes)
        imagenes.push_back({QString::fromLatin1(i.tag),
                            QIcon(QStringLiteral(":/comprobantes/%1.png").arg(QLatin1String(i.archivo)))});
    return imagenes;
}

void FrmConsComprobantes::Encolumnar()
{
    Procedimiento p(QStringLiteral("Encolumnar"), LecturaValores::GestorSesion());
    p.paso([this] { ListView1.ColumnHeaders().Clear(); });
    const ConjuntoColumnas* elegido = nullptr;
    for (const ConjuntoColumnas& c : Conjuntos)
        if (c.tipos.empty() || enGrupo(TC, c.tipos)) {
            elegido = &c;
            break;
        }
    const MedidorTexto& m = vistaListView1->medidor();
    for (const Columna& c : elegido->columnas)
        p.paso([&] {
            ListView1.ColumnHeaders().Add(0, QString(), QString::fromUtf8(c.titulo), m.AnchoX(c.equis), lvwColumnLeft);
        });
}

std::int16_t FrmConsComprobantes::ObtieneIndiceImagen(const QString& TC)
{
    const auto indice = [this](const QString& codigo) -> std::int16_t {
        const QString buscado = Recorta(codigo);
        for (size_t i = 0; i < ImageList1.size(); ++i)
            if (ImageList1[i].Tag.trimmed().compare(buscado, Qt::CaseInsensitive) == 0)
                return std::int16_t(i + 1);
        return 0;
    };
    const std::int16_t propia = indice(TC);
    return propia ? propia : indice(QStringLiteral("Generico"));
}
