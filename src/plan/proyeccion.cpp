// The production projection: per production date, the quantity and cost of
// each planned article or of each supply the planned articles consume.
#include "plan/FrmTervalio.h"
#include "plan/reglas_plan.h"

#include "platform/controles/texto_celda.h"
#include "platform/controles/vista_lista.h"
#include "platform/fechas.h"
#include "platform/recorte.h"
#include "session/ModGlobal.h"

#include <QHeaderView>
#include <QRadioButton>

using namespace ModGlobal;

namespace {

constexpr ColorBgr Azul = 0xFF0000;

// A production date as the list's headers show it, the same for header and look-up.
QString TextoFecha(const QVariant& v)
{
    if (Celdas::EsFecha(v))
        return Celdas::Texto(v);
    const auto f = Fechas::Lee(v.toString());
    return f ? Fechas::TextoRegional(*f) : Recorta(v.toString());
}

// A number read from the database, as text in the regional form.
QString TextoNumero(const QVariant& v)
{
    return v.isNull() ? QString() : Celdas::Texto(v.toDouble());
}

}  // namespace

int FrmTervalio::IndCol(const QString& encabezado)
{
    // -1 when no header matches: index 0 is the row's own code and must not be written.
    int r = -1;
    Procedimiento::Silencioso(QStringLiteral("IndCol")).paso([&] {
        const EncabezadosLista& e = ListView3.ColumnHeaders();
        for (int i = 1; i <= e.Count(); ++i)
            if (Recorta(e.Item(i).Text()).compare(Recorta(encabezado), Qt::CaseInsensitive) == 0) {
                r = i - 1;
                return;
            }
    });
    return r;
}

void FrmTervalio::CmdCargarProyect_Click()
{
    SesionBD& bd = *gSesionBD;
    const QString comilla = QStringLiteral("'");
    const int desde = UtilidadesControles::IndiceControl(QStringLiteral("FHD"), TxtFields);
    const int hasta = UtilidadesControles::IndiceControl(QStringLiteral("FHH"), TxtFields);
    QString filtroFechas;
    const auto texto = [&](int i) { return i >= 0 ? TxtFields[size_t(i)]->text() : QString(); };
    // The server refuses a day before 1753 in a comparison with a date column,
    // and no plan is stored that early: such a lower bound narrows nothing,
    // such an upper bound leaves no plan.
    if (Fechas::EsFechaDeLaBase(texto(desde)))
        filtroFechas += QStringLiteral(" AND V_CPTES_MODELO_DET.FECHACOMP >=") + bd.ValorSQL(texto(desde), comilla) + u' ';
    if (Fechas::EsFechaDeLaBase(texto(hasta)))
        filtroFechas += QStringLiteral(" AND V_CPTES_MODELO_DET.FECHACOMP <=") + bd.ValorSQL(texto(hasta), comilla) + u' ';
    else if (Fechas::EsFecha(texto(hasta)))
        filtroFechas += QStringLiteral(" AND V_CPTES_MODELO_DET.FECHACOMP <'01/01/%1' ").arg(Fechas::PrimerAnioDeLaBase);

    const MedidorTexto& m = vistaListView3->medidor();
    ListView3.ListItems().Clear();
    ListView3.ColumnHeaders().Clear();
    ListView3.ColumnHeaders().Add(0, QString(), QStringLiteral("Código"), m.AnchoX(15));
    ListView3.ColumnHeaders().Add(0, QString(), QStringLiteral("Descripción"), m.AnchoX(30));
    ListView3.ColumnHeaders().Add(0, QString(), QStringLiteral("UD"), m.AnchoX(3));
    Recordset rs;
    bd.AbreRecordset(QStringLiteral(" SELECT FECHACOMP From dbo.V_CPTES_MODELO_det GROUP BY FECHACOMP HAVING (NOT (FECHACOMP IS NULL)) ") +
                         filtroFechas,
                     rs);
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString fecha = TextoFecha(rs.Valor(QStringLiteral("FECHACOMP")));
        ListView3.ColumnHeaders().Add(0, QString(), QStringLiteral("C_") + fecha, m.AnchoX(10));
        ListView3.ColumnHeaders().Add(0, QString(), QStringLiteral("$_") + fecha, m.AnchoX(10));
    }
    bd.CierraRecordset(rs);
    std::vector<Moneda> totales(size_t(ListView3.ColumnHeaders().Count()) + 1);

    QString sql;
    if (OptTipo[1]->isChecked()) {
        // Each plan line multiplies its own quantity by the supply's quantity per unit.
        sql = QStringLiteral(" SELECT     TOP 100 PERCENT dbo.V_MA_INSUMOS.IdArticuloInsumo AS idarticulo, dbo.V_MA_ARTICULOS.DESCRIPCION, dbo.V_CPTES_MODELO_DET.IdUnidad, ") +
              QStringLiteral("   SUM(dbo.V_CPTES_MODELO_DET.Cantidad * dbo.V_MA_INSUMOS.Cantidad) AS Cantidad,(SUM(dbo.V_CPTES_MODELO_DET.Cantidad * dbo.V_MA_INSUMOS.Cantidad) *  dbo.V_MA_ARTICULOS.costo) AS Costo, dbo.V_CPTES_MODELO_DET.FECHACOMP ") +
              QStringLiteral(" FROM         dbo.V_MA_ARTICULOS INNER JOIN ") +
              QStringLiteral("   dbo.V_MA_INSUMOS ON dbo.V_MA_ARTICULOS.IDARTICULO = dbo.V_MA_INSUMOS.IdArticuloInsumo RIGHT OUTER JOIN ") +
              QStringLiteral("   dbo.V_CPTES_MODELO_DET ON ") +
              QStringLiteral("   dbo.V_MA_INSUMOS.IdArticulo = dbo.V_CPTES_MODELO_DET.IdArticulo COLLATE SQL_Latin1_General_CP1_CI_AS ") +
              QStringLiteral(" WHERE     (NOT (dbo.V_CPTES_MODELO_DET.FECHACOMP IS NULL)) ") + filtroFechas +
              QStringLiteral(" GROUP BY dbo.V_CPTES_MODELO_DET.IdUnidad, dbo.V_MA_ARTICULOS.DESCRIPCION,dbo.V_MA_ARTICULOS.costo, dbo.V_CPTES_MODELO_DET.FECHACOMP, ") +
              QStringLiteral("    dbo.V_MA_INSUMOS.IdArticuloInsumo ") +
              QStringLiteral(" ORDER BY dbo.V_MA_INSUMOS.IdArticuloInsumo");
    } else {
        sql = QStringLiteral(" SELECT     dbo.V_CPTES_MODELO_DET.IdArticulo, dbo.V_MA_ARTICULOS.DESCRIPCION, dbo.V_CPTES_MODELO_DET.IdUnidad,") +
              QStringLiteral("                      SUM(dbo.V_CPTES_MODELO_DET.Cantidad) AS Cantidad,(sum(dbo.V_CPTES_MODELO_DET.Cantidad) *  dbo.V_MA_ARTICULOS.costo) AS Costo, dbo.V_CPTES_MODELO_DET.FECHACOMP") +
              QStringLiteral(" FROM         dbo.V_CPTES_MODELO_DET LEFT OUTER JOIN") +
              QStringLiteral("                      dbo.V_MA_ARTICULOS ON") +
              QStringLiteral("                      dbo.V_CPTES_MODELO_DET.IdArticulo COLLATE SQL_Latin1_General_CP1_CI_AS = dbo.V_MA_ARTICULOS.IDARTICULO") +
              QStringLiteral(" Where (not dbo.V_CPTES_MODELO_DET.FECHACOMP is null) ") + filtroFechas +
              QStringLiteral(" GROUP BY dbo.V_CPTES_MODELO_DET.IdArticulo, dbo.V_CPTES_MODELO_DET.IdUnidad, dbo.V_MA_ARTICULOS.DESCRIPCION, dbo.V_MA_ARTICULOS.costo,") +
              QStringLiteral("                      dbo.V_CPTES_MODELO_DET.FECHACOMP order by dbo.V_CPTES_MODELO_DET.IdArticulo");
    }
    bd.AbreRecordset(sql, rs);
    // The few production dates, their texts and their columns, found once
    // each (the headers stay as they are meanwhile).
    struct ColumnasFecha {
        QVariant fecha;
        int cantidad, costo;
    };
    std::vector<ColumnasFecha> columnasFecha;
    const auto columnasDe = [&](const QVariant& f) {
        for (const ColumnasFecha& c : columnasFecha)
            if (c.fecha.metaType() == f.metaType() && c.fecha == f)
                return c;
        const QString fecha = TextoFecha(f);
        columnasFecha.push_back({f, IndCol(QStringLiteral("C_") + fecha), IndCol(QStringLiteral("$_") + fecha)});
        return columnasFecha.back();
    };
    QString anterior;
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString codigo = Recorta(gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("IdArticulo"))));
        if (codigo.isEmpty())
            continue;
        const ColumnasFecha columnas = columnasDe(rs.Valor(QStringLiteral("FECHACOMP")));
        const int colCosto = columnas.costo;
        const int colCantidad = columnas.cantidad;
        const QVariant cantidad = rs.Valor(QStringLiteral("Cantidad"));
        const QVariant costo = rs.Valor(QStringLiteral("Costo"));
        if (codigo.compare(anterior, Qt::CaseInsensitive) != 0) {
            anterior = codigo;
            ListItem& fila = ListView3.ListItems().Add(0, QString(), codigo, 0, 4);
            ultimoElemento_ = &fila;
            fila.setSubItems(1, Recorta(gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("Descripcion")))));
            fila.setSubItems(2, Recorta(gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("IdUnidad")))));
            if (colCantidad > 0)
                fila.setSubItems(colCantidad, TextoNumero(cantidad).trimmed());
            if (colCosto > 0)
                fila.setSubItems(colCosto, TextoNumero(costo).trimmed());
        } else if (ultimoElemento_) {
            ListItem& fila = *ultimoElemento_;
            if (colCantidad > 0)
                fila.setSubItems(colCantidad, TextoMonedaRegional(gUtilidades->TextoAMoneda(fila.SubItems(colCantidad)) +
                                                          gUtilidades->TextoAMoneda(TextoNumero(cantidad))));
            if (colCosto > 0)
                fila.setSubItems(colCosto, TextoMonedaRegional(gUtilidades->TextoAMoneda(fila.SubItems(colCosto)) +
                                                       gUtilidades->TextoAMoneda(TextoNumero(costo))));
        }
        if (colCosto > 0 && ultimoElemento_)
            ultimoElemento_->ListSubItems(colCosto).setForeColor(Azul);
    }
    bd.CierraRecordset(rs);

    const EncabezadosLista& encabezados = ListView3.ColumnHeaders();
    std::vector<int> deCosto;
    for (int c = 1; c < encabezados.Count(); ++c)
        if (encabezados.Item(c + 1).Text().startsWith(u'$'))
            deCosto.push_back(c);
    for (int i = 1; i <= ListView3.ListItems().Count(); ++i) {
        const ListItem& fila = ListView3.ListItems().Item(i);
        for (const int c : deCosto)
            totales[size_t(c)] = gUtilidades->TextoAMoneda(fila.SubItems(c)) + totales[size_t(c)];
    }
    ListItem& total = ListView3.ListItems().Add(0, QString(), QStringLiteral("*"), 0, 4);
    ultimoElemento_ = &total;
    total.setSubItems(1, QStringLiteral("** T O T A L E S : "));
    total.ListSubItems(1).setForeColor(Azul);
    total.ListSubItems(1).setBold(true);
    for (int c = 2; c < encabezados.Count(); ++c) {
        const bool esCosto = encabezados.Item(c + 1).Text().startsWith(u'$');
        total.setSubItems(c, esCosto ? TextoMonedaRegional(totales[size_t(c)]) : QString());
        total.ListSubItems(c).setForeColor(Azul);
        total.ListSubItems(c).setBold(true);
    }
    total.setForeColor(Azul);
    total.setBold(true);
    vistaListView3->Sincronizar();
    // A column is never narrower than its header: cut to "C_15/01/20", two
    // years' plans of the same day could not be told apart.
    const QHeaderView& cabecera = *vistaListView3->header();
    for (int c = 0; c < cabecera.count() && c < encabezados.Count(); ++c)
        if (!cabecera.isSectionHidden(c) && cabecera.sectionSize(c) < cabecera.sectionSizeHint(c))
            ListView3.ColumnHeaders().Item(c + 1).setWidth(m.PixelesATwips(cabecera.sectionSizeHint(c)));
}
