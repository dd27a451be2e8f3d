// The article list: its columns, its load and its events.
#include "plan/FrmTervalio.h"

#include "platform/controles/vista_lista.h"
#include "platform/numeros.h"
#include "platform/recorte.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include <QGroupBox>
#include <QTimer>

using namespace ModGlobal;

namespace {

// The row limit as a whole number: the setting is text, and only digits may
// reach the statement.
QString LimiteFilas()
{
    const QString t = gTopDefault.trimmed();
    bool ok = false;
    const long n = t.toLong(&ok);
    return ok && n > 0 ? QString::number(n) : QStringLiteral("1000");
}

// A stored code as the literal start of a LIKE pattern: its brackets and
// wildcards stand for themselves, so family A_1 does not take in AB1.
QString PrefijoLiteral(QString codigo)
{
    codigo.replace(u'[', QStringLiteral("[[]"));
    codigo.replace(u'%', QStringLiteral("[%]"));
    codigo.replace(u'_', QStringLiteral("[_]"));
    return codigo;
}

}  // namespace

void FrmTervalio::Encolumnar(int)
{
    Procedimiento p(QStringLiteral("Encolumnar"), GestorUtilidades());
    const MedidorTexto& m = vistaListView1->medidor();
    p.paso([this] { ListView1.ListItems().Clear(); });
    p.paso([this] { ListView1.ColumnHeaders().Clear(); });
    struct Col {
        const char* titulo;
        int equis;
    };
    const Col columnas[] = {{"Código", 15}, {"Descripción", 30}, {"UD", 0},        {"Costo ", 12},
                            {"Marca", 20},  {"Rubro", 20},       {"Familia", 20}, {"Proveedor", 25}};
    for (const Col& c : columnas)
        p.paso([&] {
            ListView1.ColumnHeaders().Add(0, QString(), QString::fromUtf8(c.titulo), c.equis ? m.AnchoX(c.equis) : 0);
        });
}

void FrmTervalio::CargarArticulos(const QString& Rubro, const QString& Tipo, const QString& Familia,
                                  const QString& Proveedor, QString& Where, bool Busqueda)
{
    // While the list loads the notice lets events run: nothing may start a second load.
    if (ocupado_)
        return;
    ocupado_ = true;
    const auto libre = qScopeGuard([this] { ocupado_ = false; });

    Procedimiento p(QStringLiteral("CargarArticulos"), [](const Falla& f, const QString& nombre) {
        gCartel->CartelCerrar();
        return gUtilidades->GestionaError(f, nombre);
    });
    SesionBD& bd = *gSesionBD;
    const QString comilla = QStringLiteral("'");
    const auto agrega = [&Where](const QString& termino) {
        if (!Where.isEmpty())
            Where += QStringLiteral(" AND ");
        Where += termino;
    };
    Recordset rs;
    bool cancelado = false;

    p.paso([this] { SSTab2.setTab(0); });
    p.paso([&] {
        if (!Busqueda)
            Where.clear();
    });
    // A code filter: "NULL" asks for the rows without one.
    const auto porCodigo = [&](const QString& valor, const QString& columna) {
        if (Recorta(valor).isEmpty())
            return;
        if (Recorta(valor).compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0)
            agrega(u' ' + columna + QStringLiteral(" IS NULL"));
        else
            agrega(columna + QStringLiteral(" = ") + bd.ValorSQL(gUtilidades->AjustaAncho(valor, 4), comilla));
    };
    p.paso([&] { porCodigo(Rubro, QStringLiteral("IdRubro")); });
    p.paso([&] { porCodigo(Tipo, QStringLiteral("IdTipo")); });
    p.paso([&] {
        if (Recorta(Familia).isEmpty())
            return;
        if (Recorta(Familia).compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0)
            agrega(QStringLiteral(" IdFamilia IS NULL"));
        else
            agrega(QStringLiteral("IdFamilia LIKE ") + bd.ValorSQL(PrefijoLiteral(Familia) + u'%', comilla));
    });
    p.paso([&] {
        if (!Recorta(Proveedor).isEmpty())
            agrega(QStringLiteral("Proveedor = ") + bd.ValorSQL(Proveedor, comilla));
    });
    p.paso([this] { Encolumnar(5); });
    p.paso([&] {
        if (!Recorta(Where).isEmpty())
            Where = QStringLiteral(" WHERE ") + Where;
    });
    p.paso([&] {
        gCartel->CartelInicio(QStringLiteral("Cargando Articulos"), true);
        gCartel->CartelMostrar(cancelado, QVariant(QStringLiteral("Buscando..Espere por favor...")));
    });
    p.paso([&] {
        if (Recorta(Where).isEmpty())
            Where = QStringLiteral(" where ");
        else
            Where += QStringLiteral(" and ");
        Where += QStringLiteral(" suspendido = 0 ");
    });
    p.paso([&] {
        bd.AbreRecordset(QStringLiteral("SELECT TOP ") + LimiteFilas() + QStringLiteral(" * FROM VT_INS_ARTICULOS ") + Where,
                         rs, nullptr, 0, 1, -1, true);
    });
    const auto texto = [&rs](const char* campo) { return gUtilidades->ValorNoNuloTexto(rs.Valor(QString::fromLatin1(campo))); };
    while (!p.abandonado() && rs.State() && !rs.Bof() && !rs.Eof()) {
        p.paso([&] {
            ListItem& fila = ListView1.ListItems().Add(0, QString(), Recorta(texto("IdArticulo")), 0, 4);
            ultimoElemento_ = &fila;
            fila.setSubItems(1, Recorta(texto("Descripcion")) + QStringLiteral(" (") + Recorta(texto("Presentacion")) +
                                    u')');
            fila.setSubItems(2, Recorta(texto("IdUnidad")));
            const QVariant costo = rs.Valor(QStringLiteral("Costo"));
            fila.setSubItems(3, gUtilidades->AlineaDerecha(FmtMoneda(LecturaValores::Importe(costo).Texto(), -1, false), 10));
            fila.setSubItems(4, texto("idTipo") + u'-' + texto("DescrTipo"));
            fila.setSubItems(5, texto("IDRUBRO") + u'-' + texto("DescrRubros"));
            fila.setSubItems(6, texto("IdFamilia") + u'-' + texto("DescrFamilia"));
            fila.setSubItems(7, texto("CuentaProveedor") + u'-' + texto("NombreProveedor"));
            if (ExisteEnBorrador(fila.Text())) {
                fila.setBold(true);
                fila.setSmallIcon(3);
            }
        });
        if (!p.paso([&] { rs.MoveNext(); }))
            break;
        p.paso([&] {
            gCartel->CartelMostrar(cancelado, QVariant(rs.Eof() ? QStringLiteral(" ") : texto("IdArticulo")));
        });
        if (cancelado)
            break;
    }
    if (rs.State())
        rs.Close();
    gCartel->CartelCerrar();
    vistaListView1->Sincronizar();
}

void FrmTervalio::ListView1_Click()
{
    Procedimiento::Silencioso(QStringLiteral("ListView1_Click")).paso([this] {
        if (ListItem* e = ListView1.SelectedItem())
            MuestraDetalleArticulo(e->Text());
    });
}

void FrmTervalio::ListView1_ItemClick()
{
    if (ListItem* e = ListView1.SelectedItem())
        MuestraDetalleArticulo(e->Text());
}

void FrmTervalio::ListView1_DblClick()
{
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("ListView1_DblClick"));
    p.paso([this] {
        if (ListItem* e = ListView1.SelectedItem())
            MuestraDetalleArticulo(e->Text());
    });
    p.paso([this] { MuestraCantidad(); });
}

void FrmTervalio::ListView1_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        MuestraCantidad();
}

void FrmTervalio::ListView1_KeyDown(int& KeyCode, int Shift)
{
    Procedimiento::Silencioso(QStringLiteral("ListView1_KeyDown")).paso([&] {
        if (Shift != 0 || UtilidadesControles::EsTeclaAvance(KeyCode) || FrmBuscar->isVisible())
            return;
        // Letters type their capital, the digit keys 1 to 9 (top row or keypad)
        // their digit; 0 and the function keys open nothing.
        QChar c;
        if (KeyCode >= 65 && KeyCode <= 90)
            c = QChar(KeyCode);
        else if (KeyCode >= 49 && KeyCode <= 57)
            c = QChar(KeyCode);
        else if (KeyCode >= 97 && KeyCode <= 105)
            c = QChar(u'0' + (KeyCode - 96));
        if (c.isNull())
            return;
        TxtBusqueda->setText(QString(c));
        FrmBuscar->show();
        FrmBuscar->raise();
        TxtBusqueda->setFocus();
        TxtBusqueda->setCursorPosition(1);
        KeyCode = 0;
    });
}

void FrmTervalio::ListView1_ColumnClick(ColumnHeader* encabezado)
{
    if (!encabezado)
        return;
    // A new column sorts ascending; the same column again reverses it.
    const int clave = encabezado->Index() - 1;
    const bool mismaColumna = ListView1.Sorted() && ListView1.SortKey() == clave;
    ListView1.setSorted(true);
    ListView1.setSortKey(clave);
    ListView1.setSortOrder(mismaColumna && ListView1.SortOrder() == lvwAscending ? lvwDescending : lvwAscending);
}
