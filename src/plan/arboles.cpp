// The rubro/marca tree and the family tree beside the article list.
#include "plan/FrmTervalio.h"

#include "platform/controles/vista_lista.h"
#include "platform/recorte.h"
#include "session/ModGlobal.h"

using namespace ModGlobal;

namespace {
constexpr long ClaveRepetida = 35602;

// The family's own code and description, named: the article view's column
// order must not decide what the tree shows.
const QString& SentenciaFamilias()
{
    static const QString sql = QStringLiteral(
        "SELECT @ADMIN_V_TA_FAMILIAS.IdFamilia, @ADMIN_V_TA_FAMILIAS.Descripcion FROM VT_INS_ARTICULOS "
        "INNER JOIN @ADMIN_V_TA_FAMILIAS ON dbo.VT_INS_ARTICULOS.IdFamilia = @ADMIN_V_TA_FAMILIAS.IdFamilia "
        "ORDER BY @ADMIN_V_TA_FAMILIAS.IDFAMILIA");
    return sql;
}
}  // namespace

void FrmTervalio::AnticipaFamilias()
{
    gSesionBD->Conexion.Anticipa(SentenciaFamilias());
}

void FrmTervalio::CargarRubros()
{
    Procedimiento p(QStringLiteral("CargarRubros"), GestorUtilidades());
    p.PasarPorAlto(ClaveRepetida);
    Recordset rs;
    p.paso([this] { TreeView1.Nodes().Clear(); });
    p.paso([&] {
        gSesionBD->AbreRecordset(
            QStringLiteral("SELECT * FROM  dbo.VT_INS_ARTICULOS INNER JOIN dbo.VT_RubroTipoDescripciones ON "
                           "dbo.VT_INS_ARTICULOS.IDRUBRO = dbo.VT_RubroTipoDescripciones.IDRUBRO  ORDER BY "
                           "VT_RubroTipoDescripciones.IDRubro,VT_RubroTipoDescripciones.IdTipo"),
            rs, nullptr, 0, 1, -1, true);
    });
    if (p.abandonado() || !rs.State() || rs.Bof())
        return;
    p.paso([this] {
        ultimoNodo_ = &TreeView1.Nodes().Add(QString(), tvwNext, QStringLiteral("D|"), QStringLiteral("(Todos)"));
        ultimoNodo_->setExpanded(true);
    });
    QString rubroAnterior, tipoAnterior;
    while (!p.abandonado() && !rs.Eof()) {
        QString rubro, tipo;
        p.paso([&] {
            rubro = Recorta(gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("IDRUBRO"))));
            tipo = Recorta(gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("idTipo"))));
            if (rubro.isEmpty())
                rubro = QStringLiteral("NULL");
            if (tipo.isEmpty())
                tipo = QStringLiteral("NULL");
        });
        p.paso([&] {
            if (rubro.compare(rubroAnterior, Qt::CaseInsensitive) == 0)
                return;
            tipoAnterior.clear();
            // A node met again is not added again (as the taken key would refuse it).
            const QString clave = QStringLiteral("D|") + rubro + u'|';
            if (TreeView1.Nodes().Existe(clave))
                return;
            const QString texto = rubro.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0
                                      ? QStringLiteral("(Sin Rubro Asociado)")
                                      : rubro + u'-' + gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("DescrRubros")));
            ultimoNodo_ = &TreeView1.Nodes().Add(QStringLiteral("D|"), tvwChild, clave, texto, 1);
        });
        p.paso([&] {
            if (tipo.compare(tipoAnterior, Qt::CaseInsensitive) == 0)
                return;
            const QString clave = QStringLiteral("D|") + rubro + u'|' + tipo + u'|';
            if (TreeView1.Nodes().Existe(clave))
                return;
            const QString texto = tipo.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0
                                      ? QStringLiteral("(Sin Marca Asociada)")
                                      : tipo + u'-' + gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("DescrTipo")));
            ultimoNodo_ = &TreeView1.Nodes().Add(QStringLiteral("D|") + rubro + u'|', tvwChild, clave, texto, 2);
        });
        p.paso([&] {
            rubroAnterior = rubro;
            tipoAnterior = tipo;
        });
        // Moving on is a step of its own: a failure above never loops on one row.
        if (!p.paso([&] { rs.MoveNext(); }))
            break;
    }
    if (rs.State())
        rs.Close();
}

void FrmTervalio::CargarFamilias()
{
    Procedimiento p(QStringLiteral("CargarFamilias"), GestorUtilidades());
    p.PasarPorAlto(ClaveRepetida);
    Recordset rs;
    Node* actual = nullptr;
    p.paso([this] {
        TreeView2.Nodes().Clear();
        TreeView2.setLineStyle(1);
        TreeView2.setStyle(7);
    });
    p.paso([&] {
        actual = &TreeView2.Nodes().Add(QString(), tvwNext, QStringLiteral("A"), QStringLiteral("(Todas)"));
        actual->setExpanded(true);
    });
    p.paso([&] { gSesionBD->AbreRecordset(SentenciaFamilias(), rs, &gSesionBD->Conexion, 2, 1, -1, true); });
    if (p.abandonado() || !rs.State() || (rs.Bof() && rs.Eof()))
        return;
    std::vector<std::vector<QVariant>> filas;
    p.paso([&] {
        rs.MoveFirst();
        rs.MoveLast();
        rs.MoveFirst();
        filas = rs.GetRows(rs.RecordCount());
    });
    const long cuantas = filas.empty() ? 0 : static_cast<long>(filas[0].size());
    long i = 0;
    // Rows come by family: a code met again keeps its key.
    QString codigoAnterior, claveAnterior;
    while (!p.abandonado() && i < cuantas) {
        p.paso([&] {
            const size_t fila = size_t(i);
            const QString codigo = gUtilidades->ValorNoNuloTexto(filas[0][fila]);
            QString clave = QStringLiteral("ANULL");
            if (!codigo.isEmpty()) {
                if (codigo != codigoAnterior) {
                    codigoAnterior = codigo;
                    claveAnterior = u'A' + codigo;
                }
                clave = claveAnterior;
            }
            const qsizetype diferencia = clave.size() - actual->Key().size();
            // Never above the root: a shorter key there goes under it.
            if (diferencia < 0 && actual->Parent()) {
                actual = actual->Parent();   // the same row is tried again one level up
                return;
            }
            // Row i is done, whether the node is added or its key was taken.
            ++i;
            if (TreeView2.Nodes().Existe(clave))
                return;
            const QString texto = codigo.isEmpty() ? QStringLiteral("(Sin Familia Asociada)")
                                                   : codigo + QStringLiteral(" - ") +
                                                         gUtilidades->ValorNoNuloTexto(filas[1][fila]);
            const QString relativo = actual->Key();
            Node& nuevo = diferencia == 0 && actual->Parent()
                              ? TreeView2.Nodes().Add(relativo, tvwNext, clave, texto, 1)
                              : TreeView2.Nodes().Add(relativo, tvwChild, clave, texto, 1);
            actual = &nuevo;
        });
    }
    if (rs.State())
        rs.Close();
}

void FrmTervalio::ExtraeRubroTipoProveedor(const QString& Clave, QString& Rubro, QString& Tipo, QString& Familia,
                                           QString& Proveedor)
{
    Procedimiento p(QStringLiteral("ExtraeRubroTipoProveedor"), GestorUtilidades());
    Rubro.clear();
    Tipo.clear();
    Familia.clear();
    Proveedor.clear();
    QString resto = Clave.mid(1);
    for (QString* parte : {&Rubro, &Tipo, &Proveedor}) {
        p.paso([&] {
            if (Recorta(resto).isEmpty())
                return;
            const qsizetype primera = resto.indexOf(u'|');
            const qsizetype segunda = primera < 0 ? -1 : resto.indexOf(u'|', primera + 1);
            if (primera < 0 || segunda < 0)
                return;
            *parte = resto.mid(primera + 1, segunda - primera - 1);
            resto = resto.mid(segunda);
        });
    }
}

void FrmTervalio::TreeView1_NodeClick(Node* nodo)
{
    if (!nodo)
        return;
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("TreeView1_NodeClick"));
    QString rubro, tipo, familia, proveedor, donde;
    p.paso([&] { ExtraeRubroTipoProveedor(nodo->Key(), rubro, tipo, familia, proveedor); });
    p.paso([&] { CargarArticulos(rubro, tipo, QString(), QString(), donde, false); });
    p.paso([&] { nodo->EnsureVisible(); });
    p.paso([&] { vistaListView1->setFocus(); });
}

void FrmTervalio::TreeView2_NodeClick(Node* nodo)
{
    if (!nodo)
        return;
    QString donde;
    CargarArticulos(QString(), QString(), nodo->Key().mid(1), QString(), donde, false);
    nodo->EnsureVisible();
}

void FrmTervalio::TreeView1_Collapse(Node* nodo)
{
    if (nodo && nodo->Key().compare(QLatin1String("D|"), Qt::CaseInsensitive) == 0 && !nodo->Expanded())
        nodo->setExpanded(true);
}
