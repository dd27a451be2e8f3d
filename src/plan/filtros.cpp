// The advanced filters and the quick search of the article list.
#include "plan/FrmTervalio.h"

#include "platform/controles/vista_lista.h"
#include "platform/recorte.h"
#include "session/ModGlobal.h"

#include <QGroupBox>
#include <QRadioButton>

using namespace ModGlobal;

namespace {

// A LIKE term: what the operator typed keeps its wildcards, its apostrophes are doubled.
QString TerminoLike(const QString& columna, const QString& prefijo, const QString& texto)
{
    return QStringLiteral(" ") + columna + QStringLiteral(" like ") +
           gSesionBD->ValorSQL(prefijo + Recorta(texto) + u'%', QStringLiteral("'"));
}

}  // namespace

void FrmTervalio::CmdBuscar_Click()
{
    Procedimiento p(QStringLiteral("CmdBuscar_Click"), GestorUtilidades());
    QString condicion;
    const QString prefijo = OptSearch[1]->isChecked() ? QStringLiteral("%") : QString();
    struct Filtro {
        const char* campo;
        QString columna;
    };
    const Filtro filtros[] = {
        {"Codigo", QStringLiteral("IdArticulo")},
        {"DescripcionArticulo", QStringLiteral("Descripcion")},
        {"DescripcionRubro", QStringLiteral("DescrRubros")},
        {"DescripcionTipo", QStringLiteral("DescrTipo")},
        {"DescripcionFamilia", QStringLiteral("DescrFamilia")},
        {"CodigoArtProveedor", QStringLiteral("CodigoArtProveedor")},
        {"NombreProveedor", pListasCompras ? QStringLiteral("Razon_Social") : QStringLiteral("NombreProveedor")},
    };
    for (const Filtro& f : filtros)
        p.paso([&] {
            const int i = UtilidadesControles::IndiceControl(QString::fromLatin1(f.campo), TxtFields);
            const QString texto = TxtFields.at(size_t(i))->text();
            if (Recorta(texto).isEmpty())
                return;
            if (!Recorta(condicion).isEmpty())
                condicion += QStringLiteral(" AND ");
            condicion += TerminoLike(f.columna, prefijo, texto);
        });
    p.paso([&] { CargarArticulos(QString(), QString(), QString(), QString(), condicion, true); });
    p.paso([this] { vistaListView1->setFocus(); });
}

void FrmTervalio::CmdAceptarBusqueda_Click()
{
    const QString texto = Recorta(TxtBusqueda->text());
    if (!texto.isEmpty()) {
        QString condicion = TerminoLike(QStringLiteral("Descripcion"),
                                        OptSearch[1]->isChecked() ? QStringLiteral("%") : QString(), texto);
        CargarArticulos(QString(), QString(), QString(), QString(), condicion, true);
    }
    FrmBuscar->hide();
    vistaListView1->setFocus();
}
