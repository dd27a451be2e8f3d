// The rubro/brand tree and the family tree, whole: every node in order with
// its text, parent and image, and the statements that built them, over
// articles that repeat codes in other letter cases, lack a brand or point
// at a family or rubro that does not exist.
#include "ventana_prueba.h"

namespace {

class Arboles : public VentanaPrueba {
protected:
    void PreparaBase() override
    {
        bd.Sesion().Ejecuta(QStringLiteral(
            "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('010101', 'Mesas ratonas')\r"
            "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('03', 'Terminaciones')\r"
            "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, idTipo, IdRubro, IdFamilia, SUSPENDIDO) VALUES "
            "('X1', 'Mesa baja', 'nor', 'MUE', '010101', 0)\r"
            "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, idTipo, IdRubro, IdFamilia, SUSPENDIDO) VALUES "
            "('X2', 'Banco sin marca', NULL, 'MUE', '0102', 0)\r"
            "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, idTipo, IdRubro, IdFamilia, SUSPENDIDO) VALUES "
            "('X3', 'Listón', 'CLA', 'mad', '03', 0)\r"
            "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, idTipo, IdRubro, IdFamilia, SUSPENDIDO) VALUES "
            "('X4', 'Sin familia', 'NOR', 'MUE', NULL, 0)\r"
            "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, idTipo, IdRubro, IdFamilia, SUSPENDIDO) VALUES "
            "('X5', 'Rubro ajeno', 'NOR', 'ZZZ', 'ZZ', 0)\r"
            "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, idTipo, IdRubro, IdFamilia, SUSPENDIDO) VALUES "
            "('X6', 'Mesa alta', 'NOR', 'MUE', '010101', 0)"));
    }
};

QStringList Volcado(const NodosArbol& nodos)
{
    QStringList r;
    for (int i = 1; i <= nodos.Count(); ++i) {
        const Node& n = nodos.Item(i);
        r << n.Key() + u'|' + n.Text() + u'|' + (n.Parent() ? n.Parent()->Key() : QStringLiteral("-")) + u'|' +
                 QString::number(n.Image());
    }
    return r;
}

TEST_F(Arboles, CadaNodoEnSuLugarConSuTextoYLasSentenciasDeSiempre)
{
    FrmTervalio& v = *ventana;
    SesionBD& s = *ModGlobal::gSesionBD;
    s.LimpiaBitacora();
    v.CargarRubros();
    v.CargarFamilias();
    EXPECT_EQ(s.Bitacora(),
              (QStringList{QStringLiteral("SELECT * FROM  dbo.VT_INS_ARTICULOS INNER JOIN dbo.VT_RubroTipoDescripciones ON "
                                          "dbo.VT_INS_ARTICULOS.IDRUBRO = dbo.VT_RubroTipoDescripciones.IDRUBRO  ORDER BY "
                                          "VT_RubroTipoDescripciones.IDRubro,VT_RubroTipoDescripciones.IdTipo"),
                           QStringLiteral("SELECT @ADMIN_V_TA_FAMILIAS.IdFamilia, @ADMIN_V_TA_FAMILIAS.Descripcion FROM "
                                          "VT_INS_ARTICULOS INNER JOIN @ADMIN_V_TA_FAMILIAS ON dbo.VT_INS_ARTICULOS.IdFamilia = "
                                          "@ADMIN_V_TA_FAMILIAS.IdFamilia ORDER BY @ADMIN_V_TA_FAMILIAS.IDFAMILIA")}));
    // A rubro met again in other letters is the node already there; its brands go under it.
    EXPECT_EQ(Volcado(v.TreeView1.Nodes()),
              (QStringList{"D||(Todos)|-|0",
                           "D|HER||HER-Herrajes y fijaciones|D||1",
                           "D|HER|LIT||LIT-Herrajes del Litoral|D|HER||2",
                           "D|MAD||MAD-Maderas y tableros|D||1",
                           "D|MAD|ASJ||ASJ-Aserradero San Javier|D|MAD||2",
                           "D|mad|CLA||CLA-Línea Clásica|D|MAD||2",
                           "D|MUE||MUE-Muebles|D||1",
                           "D|MUE|CLA||CLA-Línea Clásica|D|MUE||2",
                           "D|MUE|NOR||NOR-Línea Nórdica|D|MUE||2",
                           "D|MUE|NULL||(Sin Marca Asociada)|D|MUE||2",
                           "D|TER||TER-Terminaciones y tapicería|D||1",
                           "D|TER|PAR||PAR-Pinturas Paraná|D|TER||2"}));
    EXPECT_EQ(Volcado(v.TreeView2.Nodes()),
              (QStringList{"A|(Todas)|-|0", "A01|01 - Muebles de interior|A|1", "A0101|0101 - Mesas|A01|1",
                           "A010101|010101 - Mesas ratonas|A0101|1", "A0102|0102 - Sillas y banquetas|A01|1",
                           "A02|02 - Insumos de carpintería|A|1", "A03|03 - Terminaciones|A|1"}));
    EXPECT_TRUE(avisos.preguntas.empty());
}

// A family's code is the literal start of the codes it takes in: its
// brackets and wildcards stand for themselves.
TEST_F(Arboles, LaFamiliaTomaSuCodigoTalCual)
{
    bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdFamilia, SUSPENDIDO) VALUES ('Y1', 'a', 'M_1', 0)\r"
        "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdFamilia, SUSPENDIDO) VALUES ('Y2', 'b', 'MX1', 0)\r"
        "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdFamilia, SUSPENDIDO) VALUES ('Y3', 'c', 'M_101', 0)\r"
        "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdFamilia, SUSPENDIDO) VALUES ('Y4', 'd', 'M[1]', 0)\r"
        "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdFamilia, SUSPENDIDO) VALUES ('Y5', 'e', 'M1', 0)\r"
        "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdFamilia, SUSPENDIDO) VALUES ('Y6', 'f', 'M%''', 0)"));
    FrmTervalio& v = *ventana;
    SesionBD& s = *ModGlobal::gSesionBD;
    const struct {
        const char* familia;
        QStringList articulos;
        QString patron;   // as the statement carries it
    } casos[] = {
        {"M_1", {"Y1", "Y3"}, "'M[_]1%'"},
        {"M[1]", {"Y4"}, "'M[[]1]%'"},
        {"M%'", {"Y6"}, "'M[%]''%'"},
        {"M1", {"Y5"}, "'M1%'"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.familia);
        QString donde;
        s.LimpiaBitacora();
        v.CargarArticulos(QString(), QString(), QString::fromUtf8(c.familia), QString(), donde, false);
        QStringList codigos;
        for (int i = 1; i <= v.ListView1.ListItems().Count(); ++i)
            codigos << v.ListView1.ListItems().Item(i).Text();
        codigos.sort();
        EXPECT_EQ(codigos, c.articulos);
        ASSERT_EQ(s.Bitacora().size(), 1);
        EXPECT_TRUE(s.Bitacora().at(0).contains(QStringLiteral(" IdFamilia LIKE ") + c.patron))
            << s.Bitacora().at(0).toStdString();
    }
    EXPECT_TRUE(avisos.preguntas.empty());
}

}  // namespace
