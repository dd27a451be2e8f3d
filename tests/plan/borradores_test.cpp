// Production-plan drafts and the production projection, end to end through the window.
#include "ventana_prueba.h"

#include "platform/controles/vista_grilla.h"
#include "platform/controles/vista_lista.h"
#include "support/disco_con_fallas.h"
#include "support/lector_xlsx.h"
#include "support/zona_horaria.h"
#include "voucher/columnas_grillas.h"

#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>

namespace {

namespace C = ColArticulos;

class Borradores : public VentanaPrueba {
protected:
    // A code typed in the last row; the editor moves on to the quantity.
    void AgregaLinea(const QString& codigo, const QString& cantidad)
    {
        TecleaEnCelda(ventana->MSFlexGrid2.Rows() - 1, C::Codigo, codigo);
        ventana->txtEdit2->setText(cantidad);
        QTest::keyClick(ventana->txtEdit2, Qt::Key_Return);
    }

    void SqlDirecto(const QString& sql) { ASSERT_NO_THROW(bd.SqlDirecto(sql)); }

    void Graba() { QTest::keyClick(ventana->vistaMSFlexGrid2, Qt::Key_F2); }

    QStringList Lineas(int id)
    {
        return bd.Filas(QStringLiteral("SELECT TRIM(IdArticulo), Cantidad, TRIM(IdUnidad), FechaComp FROM V_CPTES_MODELO_DET "
                                       "WHERE IdCpteModelo = %1 ORDER BY 1").arg(id));
    }

    QStringList Proyecta(bool porInsumo, const QString& desde, const QString& hasta)
    {
        FrmTervalio& v = *ventana;
        v.SSTab2.setTab(2);
        v.TxtFields[11]->setText(desde);
        v.TxtFields[12]->setText(hasta);
        v.OptTipo[porInsumo ? 1 : 0]->setChecked(true);
        QTest::mouseClick(v.CmdCargarProyect, Qt::LeftButton);
        return Filas(v.ListView3, v.ListView3.ColumnHeaders().Count());
    }
};

TEST_F(Borradores, GrabaRecargaYReemplaza)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("1"));
    AgregaLinea(QStringLiteral("MESA03"), QStringLiteral("2,5"));
    v.TxtFields[10]->setText(QStringLiteral("Feria de enero"));
    ASSERT_TRUE(avisos.preguntas.empty());
    Graba();
    ASSERT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT IdCpteModelo, Nombre, Detalle, TCDefault, AnclarAlMenu FROM V_CPTES_MODELO_CAB "
                                      "ORDER BY IdCpteModelo")),
              (QStringList{QStringLiteral("1|15/01/2027|Pedido de la mueblería Río Sur|@@PP|0"),
                           QStringLiteral("2|20/01/2027|Feria de enero|@@PP|0")}));
    EXPECT_EQ(Lineas(2), (QStringList{QStringLiteral("MESA01|1|UN|20/01/2027 00:00"),
                                      QStringLiteral("MESA03|2.5|UN|20/01/2027 00:00")}));
    // After a good save the header fields and the grid are empty; the window stays.
    EXPECT_EQ(v.TxtFields[9]->text(), QString());
    EXPECT_EQ(v.TxtFields[10]->text(), QString());
    EXPECT_EQ(v.MSFlexGrid2.Rows(), 2);
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QString());
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("0")});

    // Typing the date again reloads it; leaving the field does not reload it twice.
    NombraPlan(QStringLiteral("20/01/2027"));
    EXPECT_EQ(v.TxtFields[10]->text(), QStringLiteral("Feria de enero"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(2, C::Codigo), QStringLiteral("MESA03"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(2, C::Cantidad), QStringLiteral("2,5"));
    // The lines are checked through the grid's editor; none is left showing over the grid.
    EXPECT_FALSE(v.txtEdit2->isVisible());
    v.MSFlexGrid2.setTextMatrix(2, C::Cantidad, QStringLiteral("6"));
    v.TxtFields[9]->setFocus();
    v.vistaMSFlexGrid2->setFocus();
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(2, C::Cantidad), QStringLiteral("6"));
    // Saved again: the same id, its lines replaced.
    Graba();
    EXPECT_EQ(Lineas(2), (QStringList{QStringLiteral("MESA01|1|UN|20/01/2027 00:00"),
                                      QStringLiteral("MESA03|6|UN|20/01/2027 00:00")}));
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM V_CPTES_MODELO_CAB")), QStringList{QStringLiteral("2")});

    // A stored negative line comes back positive, with its stored unit.
    bd.Sesion().Ejecuta(QStringLiteral("UPDATE V_CPTES_MODELO_DET SET Cantidad = -16, IdUnidad = 'PAR' "
                                       "WHERE IdCpteModelo = 1 AND IdArticulo = 'SILLA01'"));
    NombraPlan(QStringLiteral("15/01/2027"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(2, C::Codigo), QStringLiteral("SILLA01"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(2, C::Cantidad), QStringLiteral("16"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(2, C::Unidad), QStringLiteral("PAR"));
}

TEST_F(Borradores, UnDiaEscritoDeCualquierFormaEsUnSoloPlan)
{
    FrmTervalio& v = *ventana;
    // The demo's draft of 15/01/2027, whatever the spelling.
    for (const char* escrito : {"15/1/2027", "15/01/27", "2027-01-15", "15-01-2027", "15/01/2027 10:00"}) {
        NombraPlan(QStringLiteral("16/01/2027"));   // another day, a new plan
        ASSERT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QString()) << escrito;
        NombraPlan(QString::fromLatin1(escrito));
        EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("15/01/2027")) << escrito;
        EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA01")) << escrito;
    }
    // Saved under another spelling: the same draft, under its name.
    v.TxtFields[9]->setText(QStringLiteral("15/1/27"));
    Graba();
    NombraPlan(QStringLiteral("2027-01-20"));
    EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA03"), QStringLiteral("2"));
    Graba();
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT IdCpteModelo, Nombre FROM V_CPTES_MODELO_CAB ORDER BY IdCpteModelo")),
              (QStringList{QStringLiteral("1|15/01/2027"), QStringLiteral("2|20/01/2027")}));
    EXPECT_EQ(Lineas(2), QStringList{QStringLiteral("MESA03|2|UN|20/01/2027 00:00")});

    // A draft stored under another spelling keeps its name.
    bd.Sesion().Ejecuta(QStringLiteral("UPDATE V_CPTES_MODELO_CAB SET Nombre = '20/1/2027' WHERE IdCpteModelo = 2"));
    NombraPlan(QStringLiteral("20/1/2027"));
    EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("20/1/2027"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA03"));
    Graba();
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT IdCpteModelo, Nombre FROM V_CPTES_MODELO_CAB ORDER BY IdCpteModelo")),
              (QStringList{QStringLiteral("1|15/01/2027"), QStringLiteral("2|20/1/2027")}));
}

// A production date whose midnight the local clock skips (summer time
// starting at 00:00) names, saves and reloads its plan as any other day.
TEST_F(Borradores, UnDiaSinMedianocheGuardaYRecargaSuPlan)
{
    ZonaHoraria zona("America/Sao_Paulo");
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("4/11/2018"));
    EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("04/11/2018"));
    AgregaLinea(QStringLiteral("MESA03"), QStringLiteral("2"));
    Graba();
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    EXPECT_EQ(Lineas(2), QStringList{QStringLiteral("MESA03|2|UN|04/11/2018 00:00")});
    NombraPlan(QStringLiteral("16/01/2027"));
    ASSERT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QString());
    NombraPlan(QStringLiteral("04/11/18"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA03"));
}

// Drafts stored by other modules of the suite under ids beyond 16 bits.
TEST_F(Borradores, UnIdMasAllaDeLos16BitsCargaSusPropiasLineas)
{
    FrmTervalio& v = *ventana;
    const struct {
        int id;          // 65537 reads as draft 1 when cut to 16 bits, 40000 as no draft
        const char* nombre;
    } casos[] = {{65537, "21/02/2027"}, {40000, "22/02/2027"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.id);
        bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_CPTES_MODELO_CAB (IdCpteModelo, Nombre, Detalle, TCDefault) "
                                           "VALUES (%1, '%2', 'De otro módulo', '@@PP')").arg(c.id).arg(QString::fromLatin1(c.nombre)));
        bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_CPTES_MODELO_DET (IdCpteModelo, IdArticulo, Cantidad, IdUnidad, FechaComp) "
                                           "VALUES (%1, 'CAMA01', 7, 'UN', '%2')").arg(c.id).arg(QString::fromLatin1(c.nombre)));
        NombraPlan(QString::fromLatin1(c.nombre));
        EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("CAMA01"));
        EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Cantidad), QStringLiteral("7"));
        EXPECT_EQ(v.MSFlexGrid2.TextMatrix(2, C::Codigo), QString());
        // Saved unchanged: the same lines under the same id, and draft 1 untouched.
        Graba();
        EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
        EXPECT_EQ(Lineas(c.id), QStringList{QStringLiteral("CAMA01|7|UN|") + QString::fromLatin1(c.nombre) + QStringLiteral(" 00:00")});
        EXPECT_EQ(Lineas(1).size(), 3);
    }
}

TEST_F(Borradores, UnAnioDeDosCifrasEsElQueLeeLaBase)
{
    FrmTervalio& v = *ventana;
    const struct {
        const char* escrito;
        const char* nombre;
    } casos[] = {
        {"15/01/29", "15/01/2029"}, {"15/01/30", "15/01/2030"}, {"15-01-35", "15/01/2035"},
        {"15/1/49", "15/01/2049"},  {"15/01/50", "15/01/1950"}, {"15/01/99", "15/01/1999"},
        {"15/01/35 10:00", "15/01/2035"}, {"15/01/1935", "15/01/1935"},
    };
    for (const auto& c : casos) {
        NombraPlan(QString::fromLatin1(c.escrito));
        EXPECT_EQ(v.TxtFields[9]->text(), QString::fromLatin1(c.nombre)) << c.escrito;
    }
    // Saved and projected in the year the range typed the same way reads.
    NombraPlan(QStringLiteral("15/01/35"));
    AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("2"));
    Graba();
    ASSERT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Nombre FROM V_CPTES_MODELO_CAB WHERE IdCpteModelo = 2")),
              QStringList{QStringLiteral("15/01/2035")});
    EXPECT_EQ(Lineas(2), QStringList{QStringLiteral("MESA01|2|UN|15/01/2035 00:00")});
    const QStringList filas = Proyecta(false, QStringLiteral("01/01/35"), QStringLiteral("31/12/35"));
    EXPECT_EQ(v.ListView3.ColumnHeaders().Item(4).Text(), QStringLiteral("C_15/01/2035"));
    EXPECT_EQ(filas.value(0).section(u'|', 0, 0), QStringLiteral("MESA01")) << filas.join(u'\n').toStdString();
    // Typed again the same way, the plan comes back.
    v.SSTab2.setTab(0);
    NombraPlan(QStringLiteral("15/1/35"));
    EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("15/01/2035"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA01"));
}

TEST_F(Borradores, CambiarLaFechaConCambiosSinGrabarPreguntaAntes)
{
    FrmTervalio& v = *ventana;
    const QString pregunta = QStringLiteral("Se perderán los cambios no grabados del plan. ¿Desea continuar?");
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("1"));

    // No (the default): the previous date comes back and the rows stay.
    NombraPlan(QStringLiteral("21/01/2027"));
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, pregunta);
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::SiNo | Avisos::Pregunta | Avisos::SegundoBoton);
    EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("20/01/2027"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA01"));
    // A stored draft's date asks the same.
    NombraPlan(QStringLiteral("15/01/2027"));
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA01"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(2, C::Codigo), QString());

    // Yes: the other date's plan.
    avisos.Responder({Avisos::Si});
    NombraPlan(QStringLiteral("15/01/2027"));
    ASSERT_EQ(avisos.preguntas.size(), 3u);
    EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("15/01/2027"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(3, C::Codigo), QStringLiteral("MESA03"));

    // A loaded plan, an edited detail: asks; the loaded plan unchanged does not.
    NombraPlan(QStringLiteral("21/01/2027"));
    EXPECT_EQ(avisos.preguntas.size(), 3u);
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QString());
    v.TxtFields[10]->setText(QStringLiteral("Feria"));
    NombraPlan(QStringLiteral("22/01/2027"));
    EXPECT_EQ(avisos.preguntas.size(), 4u);
    EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("21/01/2027"));
    EXPECT_EQ(v.TxtFields[10]->text(), QStringLiteral("Feria"));
}

TEST_F(Borradores, GrabarSobreElPlanDeOtraFechaNoCargadoPreguntaAntes)
{
    FrmTervalio& v = *ventana;
    const QStringList demo{QStringLiteral("MESA01|4|UN|15/01/2027 00:00"), QStringLiteral("MESA03|2|UN|15/01/2027 00:00"),
                           QStringLiteral("SILLA01|16|UN|15/01/2027 00:00")};
    ASSERT_EQ(Lineas(1), demo);
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA02"), QStringLiteral("3"));
    // The date of the stored plan typed over, however written, and F2 before Enter.
    v.TxtFields[9]->setFocus();
    v.TxtFields[9]->setText(QStringLiteral("15/1/27"));
    QTest::keyClick(v.TxtFields[9], Qt::Key_F2);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto,
              QStringLiteral("Ya hay un plan grabado para el 15/01/2027 y no es el de la pantalla. "
                             "¿Desea reemplazarlo por el de la pantalla?"));
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::SiNo | Avisos::Pregunta | Avisos::SegundoBoton);
    // No (the default): nothing is written, the screen keeps its plan.
    EXPECT_EQ(Lineas(1), demo);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Detalle FROM V_CPTES_MODELO_CAB WHERE IdCpteModelo = 1")),
              QStringList{QStringLiteral("Pedido de la mueblería Río Sur")});
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM V_CPTES_MODELO_CAB")), QStringList{QStringLiteral("1")});
    EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("15/1/27"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA02"));

    // Yes: the stored plan is replaced, under its own id.
    avisos.Responder({Avisos::Si});
    QTest::keyClick(v.TxtFields[9], Qt::Key_F2);
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_EQ(Lineas(1), QStringList{QStringLiteral("MESA02|3|UN|15/01/2027 00:00")});

    // The plan loaded from that date is saved back without a question.
    NombraPlan(QStringLiteral("15/01/2027"));
    AgregaLinea(QStringLiteral("MESA03"), QStringLiteral("1"));
    Graba();
    EXPECT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_EQ(Lineas(1), (QStringList{QStringLiteral("MESA02|3|UN|15/01/2027 00:00"),
                                      QStringLiteral("MESA03|1|UN|15/01/2027 00:00")}));
}

TEST_F(Borradores, UnaLineaRechazadaAlCargarDejaElTecladoEnLaGrilla)
{
    FrmTervalio& v = *ventana;
    // A line of an article no longer in the catalogue, and one since suspended.
    for (const char* codigo : {"BORRADO", "RACK01"}) {
        SCOPED_TRACE(codigo);
        avisos.preguntas.clear();
        bd.Sesion().Ejecuta(QStringLiteral("DELETE FROM V_CPTES_MODELO_DET WHERE IdArticulo IN ('BORRADO', 'RACK01')"));
        bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_CPTES_MODELO_DET (IdCpteModelo, IdArticulo, Cantidad, IdUnidad, FechaComp) "
                                  "VALUES (1, '%1', 3, 'UN', '15/01/2027')").arg(QString::fromLatin1(codigo)));
        NombraPlan(QStringLiteral("16/01/2027"));
        NombraPlan(QStringLiteral("15/01/2027"));
        ASSERT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_EQ(v.MSFlexGrid2.TextMatrix(4, C::Codigo), QString::fromLatin1(codigo));
        EXPECT_EQ(v.MSFlexGrid2.TextMatrix(4, C::Cantidad), QStringLiteral("3"));
        // The keyboard is in a box the operator sees: the grid, where the line is.
        QWidget* foco = Foco();
        ASSERT_TRUE(foco);
        EXPECT_TRUE(foco->isVisible()) << foco->objectName().toStdString();
        EXPECT_EQ(foco, v.vistaMSFlexGrid2);
    }
}

TEST_F(Borradores, LosApostrofesSeGrabanYSeLeenComoSeEscribieron)
{
    FrmTervalio& v = *ventana;
    bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdUnidad, SUSPENDIDO) "
                                       "VALUES ('D''OR', 'Mesa D''Orsay', 'UN', 0)"));
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("D'OR"), QStringLiteral("1"));
    ASSERT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Descripcion), QStringLiteral("Mesa D'Orsay"));
    v.TxtFields[10]->setText(QStringLiteral("Pedido de l'atelier"));
    Graba();
    ASSERT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Detalle FROM V_CPTES_MODELO_CAB WHERE IdCpteModelo = 2")),
              QStringList{QStringLiteral("Pedido de l'atelier")});
    EXPECT_EQ(Lineas(2), QStringList{QStringLiteral("D'OR|1|UN|20/01/2027 00:00")});

    NombraPlan(QStringLiteral("20/01/2027"));
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    EXPECT_EQ(v.TxtFields[10]->text(), QStringLiteral("Pedido de l'atelier"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("D'OR"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Descripcion), QStringLiteral("Mesa D'Orsay"));
}

TEST_F(Borradores, UnaFechaInvalidaSinComprobarDaUnSoloAviso)
{
    FrmTervalio& v = *ventana;
    // A real box takes the focus: the field it leaves would be checked then.
    avisos.AlMostrar = [] {
        if (QWidget* f = QApplication::focusWidget())
            f->clearFocus();
    };
    v.TxtFields[9]->setFocus();
    QTest::keyClicks(v.TxtFields[9], QStringLiteral("31/02/2024"));
    QTest::keyClick(v.TxtFields[9], Qt::Key_F2);
    ASSERT_EQ(avisos.preguntas.size(), 1u) << avisos.preguntas.back().texto.toStdString();
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("Debe asignarle una fecha valida para poder grabar"));
}

TEST_F(Borradores, NombreFaltanteONoFechaNoGraba)
{
    FrmTervalio& v = *ventana;
    Graba();
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("Debe asignarle una fecha para poder grabar"));
    v.TxtFields[9]->setText(QStringLiteral("31/02/2024"));
    Graba();
    EXPECT_EQ(avisos.preguntas[1].texto, QStringLiteral("Debe asignarle una fecha valida para poder grabar"));
    for (const char* escrito : {"31/02/2024", "20/1-2027"}) {
        avisos.preguntas.clear();
        NombraPlan(QString::fromLatin1(escrito));
        ASSERT_EQ(avisos.preguntas.size(), 1u) << escrito;
        EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("Debe ingresar una fecha valida!!!")) << escrito;
        EXPECT_TRUE(v.ValidacionFallida()) << escrito;
    }
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM V_CPTES_MODELO_CAB")), QStringList{QStringLiteral("1")});
}

// The server's date-time columns start in 1753: a production date before it
// is refused at the field and at the save, on either database, instead of a
// plan the embedded file keeps and the server's batch refuses.
TEST_F(Borradores, UnDiaAnteriorA1753NoEsFechaDePlan)
{
    FrmTervalio& v = *ventana;
    for (const char* escrito : {"31/12/1752", "01/01/1200", "1/1/0001", "1200-06-01"}) {
        avisos.preguntas.clear();
        NombraPlan(QString::fromLatin1(escrito));
        ASSERT_EQ(avisos.preguntas.size(), 1u) << escrito;
        EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("Debe ingresar una fecha valida!!!")) << escrito;
        EXPECT_TRUE(v.ValidacionFallida()) << escrito;

        avisos.preguntas.clear();
        v.TxtFields[9]->setText(QString::fromLatin1(escrito));
        v.MSFlexGrid2.setTextMatrix(1, C::Codigo, QStringLiteral("MESA01"));
        v.MSFlexGrid2.setTextMatrix(1, C::Cantidad, QStringLiteral("1"));
        Graba();
        ASSERT_FALSE(avisos.preguntas.empty()) << escrito;
        EXPECT_EQ(avisos.preguntas.back().texto, QStringLiteral("Debe asignarle una fecha valida para poder grabar")) << escrito;
    }
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM V_CPTES_MODELO_CAB")), QStringList{QStringLiteral("1")});

    // The first day the server holds is a plan's date like any other (the
    // line set above is let go).
    avisos.Responder({Avisos::Si});
    NombraPlan(QStringLiteral("01/01/1753"));
    avisos.preguntas.clear();
    AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("1"));
    Graba();
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Nombre FROM V_CPTES_MODELO_CAB WHERE IdCpteModelo = 2")),
              QStringList{QStringLiteral("01/01/1753")});
}

// A bound of the projection before 1753 never reaches the server as a date,
// which would refuse the whole query: no plan is that early, so as the lower
// bound it narrows nothing and as the upper one it leaves no date.
TEST_F(Borradores, UnLimiteDeProyeccionAnteriorA1753NoLlegaALaBase)
{
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("1"));
    Graba();
    FrmTervalio& v = *ventana;
    ModGlobal::gSesionBD->LimpiaBitacora();
    Proyecta(false, QStringLiteral("01/01/1200"), QStringLiteral("31/01/2027"));
    EXPECT_EQ(v.ListView3.ColumnHeaders().Count(), 7);
    Proyecta(false, QString(), QStringLiteral("31/12/1752"));
    EXPECT_EQ(v.ListView3.ColumnHeaders().Count(), 3);
    EXPECT_EQ(v.ListView3.ListItems().Count(), 1);
    ASSERT_FALSE(ModGlobal::gSesionBD->Bitacora().isEmpty());
    for (const QString& s : ModGlobal::gSesionBD->Bitacora())
        EXPECT_FALSE(s.contains(QLatin1String("1200")) || s.contains(QLatin1String("1752"))) << s.toStdString();
}

TEST_F(Borradores, UnaGrabacionQueFallaNoCambiaNada)
{
    FrmTervalio& v = *ventana;
    // The third statement of the batch (the header's INSERT) fails.
    SqlDirecto(QStringLiteral(
        "CREATE TRIGGER falla_cabecera BEFORE INSERT ON V_CPTES_MODELO_CAB BEGIN SELECT RAISE(ABORT, 'cabecera rechazada'); END"));
    const QStringList cabAntes = bd.Filas(QStringLiteral("SELECT * FROM V_CPTES_MODELO_CAB ORDER BY IdCpteModelo"));
    const QStringList detAntes = bd.Filas(QStringLiteral("SELECT * FROM V_CPTES_MODELO_DET ORDER BY IdArticulo"));
    NombraPlan(QStringLiteral("15/01/2027"));   // the stored draft: its DELETEs come first
    ASSERT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA01"));
    Graba();
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador!"));
    // The operator's message first, the engine's text below it.
    EXPECT_TRUE(avisos.preguntas[0].texto.startsWith(QStringLiteral("No se pudo grabar el borrador del plan.\r\n\r\n")));
    EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("cabecera rechazada")));
    EXPECT_TRUE(v.HayError);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT * FROM V_CPTES_MODELO_CAB ORDER BY IdCpteModelo")), cabAntes);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT * FROM V_CPTES_MODELO_DET ORDER BY IdArticulo")), detAntes);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("0")});
    EXPECT_FALSE(ModGlobal::gSesionBD->Conexion.Estado().enTransaccion);
    EXPECT_EQ(ModGlobal::gSesionBD->Conexion.Estado().sentenciasVivas, 0);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR WHERE SQL LIKE 'BEGIN TRANSACTION%'")),
              QStringList{QStringLiteral("1")});
    // The plan stays on screen, and the next save starts clean.
    EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("15/01/2027"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(3, C::Codigo), QStringLiteral("MESA03"));
    SqlDirecto(QStringLiteral("DROP TRIGGER falla_cabecera"));
    Graba();
    EXPECT_FALSE(v.HayError);
    EXPECT_EQ(avisos.preguntas.size(), 1u);
}

TEST_F(Borradores, UnDiscoQueFallaAlGrabarNoDejaElBorradorAMediasYLoDiceEnCastellano)
{
    FrmTervalio& v = *ventana;
    DiscoConFallas disco;
    // The window's session on the failing disk.
    bd.Conecta(*ModGlobal::gSesionBD);
    const QString cabecera = QStringLiteral("SELECT * FROM V_CPTES_MODELO_CAB ORDER BY IdCpteModelo");
    const QString lineas = QStringLiteral("SELECT * FROM V_CPTES_MODELO_DET ORDER BY IdCpteModelo, IdArticulo");
    for (const DiscoConFallas::Tipo tipo :
         {DiscoConFallas::Escritura, DiscoConFallas::Sincronizacion, DiscoConFallas::Lleno, DiscoConFallas::Diario}) {
        int fallaron = 0;
        // Each call of that kind in turn fails, until the save goes through untouched.
        for (int n = 0; n < 200; ++n) {
            SCOPED_TRACE(DiscoConFallas::Nombre(tipo).toStdString() + " tras " + std::to_string(n));
            NombraPlan(QStringLiteral("15/01/2027"));
            ASSERT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA01"));
            avisos.preguntas.clear();
            const QStringList cabAntes = bd.Filas(cabecera), detAntes = bd.Filas(lineas);
            disco.Arma(bd.Carpeta(), tipo, n);
            Graba();
            const bool fallo = disco.Fallidas() > 0;
            disco.Repara();
            EXPECT_EQ(BasePrueba::Filas(*ModGlobal::gSesionBD, QStringLiteral("SELECT @@TRANCOUNT")),
                      QStringList{QStringLiteral("0")});
            // What the broken disk kept from being played back goes with the session's next read.
            BasePrueba::Filas(*ModGlobal::gSesionBD, QStringLiteral("SELECT COUNT(*) FROM V_CPTES_MODELO_CAB"));
            const QStringList cab = bd.Filas(cabecera), det = bd.Filas(lineas);
            EXPECT_EQ(QDir(bd.Carpeta()).entryList({QStringLiteral("*-journal")}, QDir::Files), QStringList());
            if (!fallo) {
                EXPECT_FALSE(v.HayError);
                EXPECT_TRUE(avisos.preguntas.empty());
                break;
            }
            ++fallaron;
            EXPECT_EQ(cab, cabAntes);
            EXPECT_EQ(det, detAntes);
            ASSERT_EQ(avisos.preguntas.size(), 1u);
            EXPECT_TRUE(v.HayError);
            EXPECT_TRUE(avisos.preguntas[0].texto.startsWith(QStringLiteral("No se pudo grabar el borrador del plan.\r\n\r\n")));
            EXPECT_TRUE(avisos.preguntas[0].texto.contains(DiscoConFallas::Aviso(tipo)))
                << avisos.preguntas[0].texto.toStdString();
            // The plan stays on screen to be saved again.
            EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("15/01/2027"));
            EXPECT_EQ(v.MSFlexGrid2.TextMatrix(3, C::Codigo), QStringLiteral("MESA03"));
        }
        EXPECT_GT(fallaron, 0) << DiscoConFallas::Nombre(tipo).toStdString();
    }
}

TEST_F(Borradores, UnaConexionPerdidaAlGrabarDaUnSoloAviso)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("1"));
    ModGlobal::gSesionBD->Conexion.Close();
    Graba();
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::Critico);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador!"));
    EXPECT_TRUE(avisos.preguntas[0].texto.startsWith(QStringLiteral("No se pudo grabar el borrador del plan.\r\n\r\n")))
        << avisos.preguntas[0].texto.toStdString();
    EXPECT_TRUE(v.HayError);
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA01"));
}

TEST_F(Borradores, UnaLineaSinCantidadNoSeGraba)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("21/01/2027"));
    AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("1"));
    v.MSFlexGrid2.setTextMatrix(1, C::Cantidad, QString());
    Graba();
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("MESA01")));
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM V_CPTES_MODELO_CAB")), QStringList{QStringLiteral("1")});
}

TEST_F(Borradores, ProyeccionPorArticuloYPorInsumo)
{
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("1"));
    AgregaLinea(QStringLiteral("MESA03"), QStringLiteral("3"));
    Graba();
    FrmTervalio& v = *ventana;

    // By article, both dates: quantities, costs (Costo × quantity) and the cost totals.
    QStringList filas = Proyecta(false, QStringLiteral("01/01/2027"), QStringLiteral("31/01/2027"));
    QStringList titulos;
    for (int i = 1; i <= v.ListView3.ColumnHeaders().Count(); ++i)
        titulos << v.ListView3.ColumnHeaders().Item(i).Text();
    EXPECT_EQ(titulos, (QStringList{QStringLiteral("Código"), QStringLiteral("Descripción"), QStringLiteral("UD"),
                                    QStringLiteral("C_15/01/2027"), QStringLiteral("$_15/01/2027"),
                                    QStringLiteral("C_20/01/2027"), QStringLiteral("$_20/01/2027")}));
    EXPECT_EQ(filas, (QStringList{
                         QStringLiteral("MESA01|Mesa de comedor de pino|UN|4|340000|1|85000"),
                         QStringLiteral("MESA03|Mesa de luz de pino|UN|2|64000|3|96000"),
                         QStringLiteral("SILLA01|Silla de pino tapizada|UN|16|336000||"),
                         QStringLiteral("*|** T O T A L E S : |||740000||181000"),
                     }));
    const ListItem& totales = v.ListView3.ListItems().Item(v.ListView3.ListItems().Count());
    EXPECT_EQ(totales.ListSubItems(4).ForeColor(), ColorBgr(0xFF0000));
    EXPECT_TRUE(totales.ListSubItems(4).Bold());
    EXPECT_EQ(v.ListView3.ListItems().Item(1).ListSubItems(4).ForeColor(), ColorBgr(0xFF0000));
    // Every header reads whole: the year is what tells two plans apart.
    const QHeaderView& encabezado = *v.vistaListView3->header();
    for (int c = 0; c < encabezado.count(); ++c)
        EXPECT_GE(encabezado.sectionSize(c), encabezado.sectionSizeHint(c)) << titulos[c].toStdString();
    EXPECT_GE(v.ListView3.ColumnHeaders().Item(4).Width(), v.vistaListView3->medidor().AnchoX(10));

    // By supply: each plan line times its supply's quantity per unit.
    // Pine board: 15/01 = 4×14 + 16×4 + 2×5 = 130 (× 950 = 123500); 20/01 = 1×14 + 3×5 = 29 (27550).
    // Varnish: 15/01 = 4×0,5 + 2×0,2 = 2,4 (× 7800 = 18720); 20/01 = 0,5 + 0,6 = 1,1 (8580).
    filas = Proyecta(true, QStringLiteral("01/01/2027"), QStringLiteral("31/01/2027"));
    EXPECT_TRUE(filas.contains(QStringLiteral("TABPIN|Tabla de pino cepillada|UN|130|123500|29|27550"))) << filas.join(u'\n').toStdString();
    EXPECT_TRUE(filas.contains(QStringLiteral("BARN01|Barniz poliuretánico|UN|2,4|18720|1,1|8580"))) << filas.join(u'\n').toStdString();

    // A range without the 15th drops its columns.
    Proyecta(false, QStringLiteral("16/01/2027"), QString());
    EXPECT_EQ(v.ListView3.ColumnHeaders().Count(), 5);
    EXPECT_EQ(v.ListView3.ColumnHeaders().Item(4).Text(), QStringLiteral("C_20/01/2027"));
    // A bound typed with two different separators is no date: it narrows nothing.
    Proyecta(false, QStringLiteral("2/1-2027"), QString());
    EXPECT_EQ(v.ListView3.ColumnHeaders().Count(), 7);
    EXPECT_EQ(v.ListView3.ColumnHeaders().Item(4).Text(), QStringLiteral("C_15/01/2027"));

    // The projection tab exports the projection list.
    avisos.ResponderDialogo([](QDialog&) { return 0; });
    QTest::mouseClick(v.CmdExpExcel, Qt::LeftButton);
    ASSERT_EQ(abiertos.size(), 1u);
    const QByteArray hoja = ParteDelLibro(abiertos[0], "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(hoja.contains("C_20/01/2027"));
    EXPECT_TRUE(hoja.contains("** T O T A L E S :"));
    EXPECT_TRUE(hoja.contains("<v>96000</v>"));
}

// Leaving the name box checks the date typed in it, also when it is the date
// that was checked before a save emptied the box.
TEST_F(Borradores, LaFechaVueltaAEscribirTrasGrabarSeCompruebaAlSalir)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("1"));
    v.TxtFields[10]->setText(QStringLiteral("Feria de enero"));
    Graba();
    ASSERT_EQ(v.TxtFields[9]->text(), QString());

    v.TxtFields[9]->setFocus();
    QTest::keyClicks(v.TxtFields[9], QStringLiteral("20/01/2027"));
    v.vistaMSFlexGrid2->setFocus();
    EXPECT_EQ(v.TxtFields[10]->text(), QStringLiteral("Feria de enero"));
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA01"));
    EXPECT_TRUE(avisos.preguntas.empty());
}

// Another operator saves a plan of the same day while this one saves: one plan
// of that day stays, not two under one name.
class BorradoresConOtroPuesto : public Borradores {
protected:
    // The other operator's plan, saved just before this session opens its transaction.
    void OtroGrabaAlComenzar(const QString& fecha)
    {
        ModGlobal::gSesionBD->Conexion.Inyector.Observador = [this, fecha](const QString& sentencia) {
            if (otroGrabo || !sentencia.startsWith(QStringLiteral("BEGIN TRAN"), Qt::CaseInsensitive))
                return;
            otroGrabo = true;
            bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_CPTES_MODELO_CAB (IdCpteModelo, Nombre, TCDefault) "
                                               "VALUES (7, '%1', '@@PP')").arg(fecha));
            bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_CPTES_MODELO_DET (IdCpteModelo, IdArticulo, Cantidad, "
                                               "IdUnidad, FechaComp) VALUES (7, 'SILLA01', 3, 'UN', '%1')").arg(fecha));
        };
    }
    void TearDown() override
    {
        ModGlobal::gSesionBD->Conexion.Inyector.Observador = nullptr;
        Borradores::TearDown();
    }
    QStringList DelDia(const QString& fecha)
    {
        return bd.Filas(QStringLiteral("SELECT IdCpteModelo FROM V_CPTES_MODELO_CAB WHERE Nombre = '%1'").arg(fecha));
    }
    bool otroGrabo = false;
};

TEST_F(BorradoresConOtroPuesto, LaMismaFechaGrabadaEntretantoSeReemplaza)
{
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("1"));
    OtroGrabaAlComenzar(QStringLiteral("20/01/2027"));
    Graba();
    ASSERT_TRUE(otroGrabo);
    // As when the other plan was there before the save: the day on screen is replaced.
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    EXPECT_FALSE(ventana->HayError);
    EXPECT_EQ(DelDia(QStringLiteral("20/01/2027")), QStringList{QStringLiteral("7")});
    EXPECT_EQ(Lineas(7), QStringList{QStringLiteral("MESA01|1|UN|20/01/2027 00:00")});
}

TEST_F(BorradoresConOtroPuesto, OtraFechaGrabadaEntretantoPreguntaAntesDeReemplazarla)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA02"), QStringLiteral("3"));
    // Another day typed over, and F2 before Enter: that day had no plan when F2 was pressed.
    v.TxtFields[9]->setFocus();
    v.TxtFields[9]->setText(QStringLiteral("25/01/2027"));
    OtroGrabaAlComenzar(QStringLiteral("25/01/2027"));
    QTest::keyClick(v.TxtFields[9], Qt::Key_F2);
    ASSERT_TRUE(otroGrabo);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto,
              QStringLiteral("Ya hay un plan grabado para el 25/01/2027 y no es el de la pantalla. "
                             "¿Desea reemplazarlo por el de la pantalla?"));
    // No: the other operator's plan stays, alone, and the screen keeps its own.
    EXPECT_EQ(DelDia(QStringLiteral("25/01/2027")), QStringList{QStringLiteral("7")});
    EXPECT_EQ(Lineas(7), QStringList{QStringLiteral("SILLA01|3|UN|25/01/2027 00:00")});
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA02"));
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT @@TRANCOUNT")), QStringList{QStringLiteral("0")});
    EXPECT_EQ(ModGlobal::gSesionBD->Conexion.Execute(QStringLiteral("SELECT @@TRANCOUNT")).Valor(0).toInt(), 0);
}

// The other operator changes that plan again while the save, started over
// and answered, runs a second time: it stops, and tells why.
TEST_F(BorradoresConOtroPuesto, UnPlanCambiadoOtraVezAlRegrabarNoSeReemplaza)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA02"), QStringLiteral("3"));
    v.TxtFields[9]->setFocus();
    v.TxtFields[9]->setText(QStringLiteral("25/01/2027"));
    int comienzos = 0;
    ModGlobal::gSesionBD->Conexion.Inyector.Observador = [&](const QString& sentencia) {
        if (!sentencia.startsWith(QStringLiteral("BEGIN TRAN"), Qt::CaseInsensitive) || ++comienzos > 2)
            return;
        const int id = comienzos == 1 ? 7 : 9;
        bd.Sesion().Ejecuta(QStringLiteral("DELETE FROM V_CPTES_MODELO_CAB"));
        bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_CPTES_MODELO_CAB (IdCpteModelo, Nombre, TCDefault) "
                                           "VALUES (%1, '25/01/2027', '@@PP')").arg(id));
    };
    avisos.Responder({Avisos::Si});
    QTest::keyClick(v.TxtFields[9], Qt::Key_F2);
    EXPECT_EQ(comienzos, 2);
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_TRUE(avisos.preguntas[0].texto.startsWith(QStringLiteral("Ya hay un plan grabado para el 25/01/2027")));
    EXPECT_EQ(avisos.preguntas[1].texto,
              QStringLiteral("No se pudo grabar el borrador del plan.\r\n\r\nOtro puesto cambió el plan del 25/01/2027 "
                             "mientras se grababa: no se grabó el borrador"));
    EXPECT_TRUE(v.HayError);
    EXPECT_EQ(DelDia(QStringLiteral("25/01/2027")), QStringList{QStringLiteral("9")});
    EXPECT_TRUE(Lineas(9).isEmpty());
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA02"));
    EXPECT_EQ(ModGlobal::gSesionBD->Conexion.Execute(QStringLiteral("SELECT @@TRANCOUNT")).Valor(0).toInt(), 0);
}

// While another operator holds a transaction the save is refused at once
// (this session waits for nothing), told, and nothing stays open; once the
// other is done the same save goes through.
TEST_F(Borradores, UnaBaseOcupadaPorOtroPuestoNoGrabaYAvisa)
{
    FrmTervalio& v = *ventana;
    ModGlobal::gSesionBD->Conexion.CommandTimeout = 0;
    NombraPlan(QStringLiteral("20/01/2027"));
    AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("1"));
    bd.Sesion().Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    bd.Sesion().Ejecuta(QStringLiteral("UPDATE TA_MENU SET Nombre = Nombre"));
    Graba();
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador!"));
    EXPECT_TRUE(avisos.preguntas[0].texto.startsWith(QStringLiteral("No se pudo grabar el borrador del plan.\r\n\r\n1222 : ")))
        << avisos.preguntas[0].texto.toStdString();
    EXPECT_TRUE(v.HayError);
    EXPECT_EQ(ModGlobal::gSesionBD->Conexion.Execute(QStringLiteral("SELECT @@TRANCOUNT")).Valor(0).toInt(), 0);
    EXPECT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo), QStringLiteral("MESA01"));
    bd.Sesion().Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    Graba();
    EXPECT_FALSE(v.HayError);
    EXPECT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM V_CPTES_MODELO_CAB WHERE Nombre = '20/01/2027'")),
              QStringList{QStringLiteral("1")});
}

}  // namespace

