// The schema keeps the server's comparison rules on every column, and the demo
// data gives every list of the start-up window something to show.
#include "support/base_prueba.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The column definitions of a CREATE TABLE text, split at the top-level commas.
QStringList definiciones(const QString& crear)
{
    const qsizetype desde = crear.indexOf(u'(');
    const qsizetype hasta = crear.lastIndexOf(u')');
    QStringList r;
    QString actual;
    int nivel = 0;
    for (QChar c : crear.mid(desde + 1, hasta - desde - 1)) {
        if (c == u'(')
            ++nivel;
        else if (c == u')')
            --nivel;
        if (c == u',' && nivel == 0) {
            r << actual.simplified();
            actual.clear();
        } else {
            actual += c;
        }
    }
    r << actual.simplified();
    return r;
}

}  // namespace

TEST(Esquema, CadaColumnaDeTextoYDeFechaLlevaSuColacion)
{
    BasePrueba bd;
    const QStringList tablas = bd.Filas(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'"));
    ASSERT_GT(tablas.size(), 20);
    static const QRegularExpression restriccion(QStringLiteral("^(PRIMARY|UNIQUE|FOREIGN|CHECK|CONSTRAINT)\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    for (const QString& crear : tablas)
        for (const QString& def : definiciones(crear)) {
            if (restriccion.match(def).hasMatch())
                continue;
            const QString tipo = def.section(u' ', 1, 1).toUpper();
            if (tipo.contains(u"DATE")) {
                EXPECT_TRUE(def.contains(u"COLLATE FECHA")) << def.toStdString();
            } else if (tipo.contains(u"CHAR") || tipo.contains(u"TEXT") || tipo.contains(u"CLOB")) {
                EXPECT_TRUE(def.contains(u"COLLATE SINCASO")) << def.toStdString();
            }
        }
}

TEST(Esquema, LosDatosDeDemostracionLlenanLaVentanaDeInicio)
{
    BasePrueba bd(BasePrueba::ConDemo);
    struct {
        const char* sql;
        const char* primeraFila;
        int filas;
    } casos[] = {
        {"SELECT VALOR FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'Top_Default'", "500", 1},
        {"SELECT TA_MENU.Nombre FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave "
         " WHERE (TA_TAREAS.USUARIO = 'SUPERVISOR ') AND (TA_MENU.Proceso LIKE '%V_Pelmaro%')",
         "Estructura de Productos", 1},
        {"SELECT Descripcion FROM V_TA_Cajas WHERE IdCajas = '1   '", "CAJA TALLER", 1},
        {"SELECT SISTEMA FROM V_TA_CPTE with(nolock) WHERE CODIGO = 'IR  '", "STOCK", 1},
        {"SELECT DISTINCT VT_INS_ARTICULOS.IDRUBRO FROM  dbo.VT_INS_ARTICULOS INNER JOIN dbo.VT_RubroTipoDescripciones ON "
         "dbo.VT_INS_ARTICULOS.IDRUBRO = dbo.VT_RubroTipoDescripciones.IDRUBRO ORDER BY 1",
         "HER", 4},
        {"SELECT TOP 500 IdArticulo FROM VT_INS_ARTICULOS  where  suspendido = 0 ", nullptr, 27},
        {"SELECT IdArticulo FROM VT_INS_ARTICULOS WHERE suspendido <> 0", "RACK01", 1},
        {"SELECT IdArticuloInsumo FROM V_MA_INSUMOS  with(nolock)  WHERE IDARTICULO = 'MESA01' ORDER BY 1", "BARN01", 4},
        {"SELECT SUM(STOCK) AS STOCK  FROM STK_SALDOS_UNIDADES with(nolock) WHERE IDARTICULO = 'MESA01' AND EQUIVALENCIA = 'UN  ' ",
         "5", 1},
        {"SELECT COUNT(DISTINCT IDDEPOSITO) FROM STK_SALDOS_UNIDADES", "2", 1},
        {"SELECT Nombre || ' ' || Detalle FROM V_CPTES_MODELO_CAB WHERE TCDefault = '@@PP'",
         "15/01/2027 Pedido de la mueblería Río Sur", 1},
        {"select IdArticulo from v_cptes_modelo_det where idcptemodelo = 1", nullptr, 3},
    };
    for (const auto& c : casos) {
        const QStringList filas = bd.Filas(QString::fromUtf8(c.sql));
        EXPECT_EQ(filas.size(), c.filas) << c.sql;
        if (c.primeraFila) {
            EXPECT_EQ(filas.value(0), QString::fromUtf8(c.primeraFila)) << c.sql;
        }
    }
    // The family tree takes the family code and description from columns 0 and 1 of its join.
    Recordset rs;
    bd.Sesion().AbreRecordset(QStringLiteral("SELECT * FROM VT_INS_ARTICULOS INNER JOIN @ADMIN_V_TA_FAMILIAS ON "
                                             "dbo.VT_INS_ARTICULOS.IdFamilia = @ADMIN_V_TA_FAMILIAS.IdFamilia "
                                             "ORDER BY @ADMIN_V_TA_FAMILIAS.IDFAMILIA"),
                              rs, &bd.Sesion().Conexion, 2, 1);
    QStringList familias;
    for (; !rs.Eof(); rs.MoveNext())
        familias << rs.Valor(0).toString() + u'-' + rs.Valor(1).toString();
    familias.removeDuplicates();
    EXPECT_EQ(familias, (QStringList{QStringLiteral("01-Muebles de interior"), QStringLiteral("0101-Mesas"),
                                     QStringLiteral("0102-Sillas y banquetas"), QStringLiteral("02-Insumos de carpintería")}));
}
