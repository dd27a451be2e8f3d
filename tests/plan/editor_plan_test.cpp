// The plan grid's in-place editor: what a refused code leaves in the plan,
// and where the editor is drawn.
#include "ventana_prueba.h"

#include "platform/controles/vista_grilla.h"
#include "voucher/columnas_grillas.h"

#include <QHeaderView>
#include <QScrollBar>

namespace {

namespace C = ColArticulos;

class EditorPlan : public VentanaPrueba {
protected:
    QString Celda(int fila, int columna) const { return ventana->MSFlexGrid2.TextMatrix(fila, columna); }

    // The editor covers the cell exactly, on the screen.
    void SobreLaCelda(int fila, int columna)
    {
        FrmTervalio& v = *ventana;
        ASSERT_TRUE(v.txtEdit2->isVisible());
        const QModelIndex indice = v.vistaMSFlexGrid2->model()->index(fila - 1, columna);
        const QRect celda = v.vistaMSFlexGrid2->visualRect(indice);
        ASSERT_FALSE(celda.isEmpty());
        EXPECT_EQ(v.txtEdit2->mapToGlobal(QPoint(0, 0)), v.vistaMSFlexGrid2->viewport()->mapToGlobal(celda.topLeft()));
        EXPECT_EQ(v.txtEdit2->size(), celda.size());
    }
};

TEST_F(EditorPlan, UnCodigoRechazadoNoQuedaEnElPlan)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/01/2027"));
    TecleaEnCelda(1, C::Codigo, QStringLiteral("MESA02"));
    v.txtEdit2->setText(QStringLiteral("4"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Return);
    ASSERT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA02"));

    // A suspended article and an unknown code over the filled line: the message,
    // the editor keeps the refused text, the line keeps what it had.
    for (const QString& codigo : {QStringLiteral("RACK01"), QStringLiteral("NOEXISTE")}) {
        avisos.preguntas.clear();
        TecleaEnCelda(1, C::Codigo, codigo);
        ASSERT_EQ(avisos.preguntas.size(), 1u) << codigo.toStdString();
        EXPECT_TRUE(v.txtEdit2->isVisible());
        EXPECT_EQ(v.txtEdit2->text(), codigo);
        EXPECT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA02"));
        EXPECT_EQ(Celda(1, C::Descripcion), QStringLiteral("Mesa ratona de roble"));
        EXPECT_EQ(Celda(1, C::Cantidad), QStringLiteral("4"));
        // Esc gives the cell back as it was.
        QTest::keyClick(v.txtEdit2, Qt::Key_Escape);
        EXPECT_FALSE(v.txtEdit2->isVisible());
        EXPECT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA02"));
    }

    // What is saved is the line as it stands.
    avisos.preguntas.clear();
    QTest::keyClick(v.vistaMSFlexGrid2, Qt::Key_F2);
    ASSERT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT TRIM(d.IdArticulo), d.Cantidad FROM V_CPTES_MODELO_DET d "
                                      "JOIN V_CPTES_MODELO_CAB c ON c.IdCpteModelo = d.IdCpteModelo "
                                      "WHERE c.Nombre = '20/01/2027'")),
              QStringList{QStringLiteral("MESA02|4")});
}

TEST_F(EditorPlan, ElOperadorTecleaUnCodigoEnLaFilaEnBlanco)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/01/2027"));
    QApplication::processEvents();
    // A click on the code cell of the blank row, then the code and Enter, as the operator does.
    const QModelIndex indice = v.vistaMSFlexGrid2->model()->index(0, C::Codigo);
    QTest::mouseClick(v.vistaMSFlexGrid2->viewport(), Qt::LeftButton, {},
                      v.vistaMSFlexGrid2->visualRect(indice).center());
    EXPECT_EQ(v.MSFlexGrid2.Col(), C::Codigo);
    QTest::keyClicks(v.vistaMSFlexGrid2, QStringLiteral("M"));
    ASSERT_TRUE(v.txtEdit2->isVisible());
    QTest::keyClicks(v.txtEdit2, QStringLiteral("ESA02"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Return);
    EXPECT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA02"));
    EXPECT_EQ(Celda(1, C::Descripcion), QStringLiteral("Mesa ratona de roble"));
    // The editor has moved on to the line's quantity.
    EXPECT_EQ(v.MSFlexGrid2.Col(), C::Cantidad);
    ASSERT_TRUE(v.txtEdit2->isVisible());
    v.txtEdit2->setText(QStringLiteral("3"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Return);
    EXPECT_EQ(Celda(1, C::Cantidad), QStringLiteral("3"));

    // Left from the description reaches the code of a filled line too.
    v.MSFlexGrid2.setRow(1);
    v.MSFlexGrid2.setCol(C::Descripcion);
    v.vistaMSFlexGrid2->setFocus();
    QTest::keyClick(v.vistaMSFlexGrid2, Qt::Key_Left);
    EXPECT_EQ(v.MSFlexGrid2.Col(), C::Codigo);
}

TEST_F(EditorPlan, UnPlanNuevoEsperaElCodigoDeSuFilaEnBlanco)
{
    FrmTervalio& v = *ventana;
    // Named, and into the grid with Tab: the first letter typed opens the code's editor.
    for (const char* fecha : {"21/01/2027", "22/01/2027"}) {
        NombraPlan(QString::fromLatin1(fecha));
        v.vistaMSFlexGrid2->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(v.MSFlexGrid2.Row(), 1) << fecha;
        EXPECT_EQ(v.MSFlexGrid2.Col(), C::Codigo) << fecha;
        QTest::keyClicks(v.vistaMSFlexGrid2, QStringLiteral("M"));
        ASSERT_TRUE(v.txtEdit2->isVisible()) << fecha;
        QTest::keyClicks(v.txtEdit2, QStringLiteral("ESA03"));
        QTest::keyClick(v.txtEdit2, Qt::Key_Return);
        EXPECT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA03")) << fecha;
        // Saved: the grid is laid out afresh for the next plan.
        QTest::keyClick(v.txtEdit2, Qt::Key_F2);
        ASSERT_EQ(Celda(1, C::Codigo), QString()) << fecha;
    }
}

TEST_F(EditorPlan, TabTerminaLaEntradaYLuegoSaleDeLaGrilla)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/01/2027"));
    // In the editor Tab ends the entry: from the code to the quantity, from
    // the quantity to the code of the next line.
    TecleaSinConfirmar(1, C::Codigo, QStringLiteral("MESA02"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Tab);
    EXPECT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA02"));
    ASSERT_TRUE(v.txtEdit2->isVisible());
    EXPECT_EQ(v.MSFlexGrid2.Col(), C::Cantidad);
    v.txtEdit2->setText(QStringLiteral("3"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Tab);
    EXPECT_EQ(Celda(1, C::Cantidad), QStringLiteral("3"));
    EXPECT_FALSE(v.txtEdit2->isVisible());
    EXPECT_EQ(v.MSFlexGrid2.Row(), 2);
    EXPECT_EQ(v.MSFlexGrid2.Col(), C::Codigo);
    ASSERT_EQ(Foco(), v.vistaMSFlexGrid2);

    // On the grid itself Tab and Shift+Tab go to the controls beside it; the
    // current cell stays where typing opens its editor.
    for (const auto& [tecla, modificador] : {std::pair{Qt::Key_Tab, Qt::NoModifier},
                                             std::pair{Qt::Key_Backtab, Qt::ShiftModifier}}) {
        v.vistaMSFlexGrid2->setFocus();
        ASSERT_EQ(Foco(), v.vistaMSFlexGrid2);
        QTest::keyClick(v.vistaMSFlexGrid2, tecla, modificador);
        EXPECT_NE(Foco(), v.vistaMSFlexGrid2) << tecla;
        EXPECT_EQ(v.MSFlexGrid2.Row(), 2) << tecla;
        EXPECT_EQ(v.MSFlexGrid2.Col(), C::Codigo) << tecla;
    }
}

TEST_F(EditorPlan, F2ConElEditorAbiertoGrabaLoTecleado)
{
    FrmTervalio& v = *ventana;
    const auto lineas = [this] {
        return bd.Filas(QStringLiteral("SELECT TRIM(IdArticulo), Cantidad FROM V_CPTES_MODELO_DET "
                                       "WHERE IdCpteModelo = 1 ORDER BY 1"));
    };
    // The stored plan of 15/01/2027: MESA01 4, MESA03 2, SILLA01 16.
    NombraPlan(QStringLiteral("15/01/2027"));
    ASSERT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA01"));

    // A quantity that is no number, F2 with the editor open: refused, nothing saved.
    TecleaSinConfirmar(1, C::Cantidad, QStringLiteral("abc"));
    QTest::keyClick(v.txtEdit2, Qt::Key_F2);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("La cantidad ingresada no es un número válido"));
    EXPECT_TRUE(v.txtEdit2->isVisible());
    EXPECT_EQ(v.TxtFields[9]->text(), QStringLiteral("15/01/2027"));
    EXPECT_EQ(lineas(), (QStringList{QStringLiteral("MESA01|4"), QStringLiteral("MESA03|2"), QStringLiteral("SILLA01|16")}));
    QTest::keyClick(v.txtEdit2, Qt::Key_Escape);

    // A new quantity typed and F2 straight away: the typed quantity is what is saved.
    TecleaSinConfirmar(1, C::Cantidad, QStringLiteral("5"));
    QTest::keyClick(v.txtEdit2, Qt::Key_F2);
    EXPECT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(lineas(), (QStringList{QStringLiteral("MESA01|5"), QStringLiteral("MESA03|2"), QStringLiteral("SILLA01|16")}));
    EXPECT_EQ(v.TxtFields[9]->text(), QString());
}

TEST_F(EditorPlan, ElEditorCubreSuCeldaAunTrasDesplazarYEnsancharColumnas)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/01/2027"));
    v.MSFlexGrid2.setRows(80);
    const int fila = 40;
    v.MSFlexGrid2.setRow(fila);
    v.MSFlexGrid2.setCol(C::Codigo);
    v.vistaMSFlexGrid2->setFocus();
    QTest::keyClicks(v.vistaMSFlexGrid2, QStringLiteral("M"));
    SobreLaCelda(fila, C::Codigo);

    // Scrolled by the wheel or the bar, the editor moves with its cell.
    QScrollBar* barra = v.vistaMSFlexGrid2->verticalScrollBar();
    ASSERT_GT(barra->maximum(), 0);
    barra->setValue(barra->value() + 2);
    SobreLaCelda(fila, C::Codigo);

    // A wider code column widens the editor; a wider column to its left would move it.
    v.vistaMSFlexGrid2->horizontalHeader()->resizeSection(C::Codigo, v.vistaMSFlexGrid2->columnWidth(C::Codigo) + 40);
    SobreLaCelda(fila, C::Codigo);
    v.MSFlexGrid2.setColWidth(C::Codigo, v.MSFlexGrid2.ColWidth(C::Codigo) * 2);
    SobreLaCelda(fila, C::Codigo);
    QTest::keyClick(v.txtEdit2, Qt::Key_Escape);

    // The quantity column, further right, after a horizontal scroll.
    v.MSFlexGrid2.setRow(fila);
    v.MSFlexGrid2.setCol(C::Cantidad);
    v.vistaMSFlexGrid2->setFocus();
    QTest::keyClick(v.vistaMSFlexGrid2, Qt::Key_Return);
    SobreLaCelda(fila, C::Cantidad);
    v.vistaMSFlexGrid2->horizontalScrollBar()->setValue(v.vistaMSFlexGrid2->horizontalScrollBar()->value() + 30);
    SobreLaCelda(fila, C::Cantidad);
}

TEST_F(EditorPlan, F5EnLaGrillaPoneElArticuloElegido)
{
    FrmTervalio& v = *ventana;
    NombraPlan(QStringLiteral("20/01/2027"));
    // While typing the code.
    TecleaSinConfirmar(1, C::Codigo, QStringLiteral("M"));
    avisos.ResponderDialogo(EligeEnLaLista(QStringLiteral("MESA03")));
    QTest::keyClick(v.txtEdit2, Qt::Key_F5);
    EXPECT_EQ(avisos.dialogosMostrados, 1);
    EXPECT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA03"));
    EXPECT_EQ(Celda(1, C::Descripcion), QStringLiteral("Mesa de luz de pino"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Return);

    // With the editor given up over the next code and the grid holding the focus.
    TecleaSinConfirmar(2, C::Codigo, QStringLiteral("X"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Escape);
    ASSERT_FALSE(v.txtEdit2->isVisible());
    avisos.ResponderDialogo(EligeEnLaLista(QStringLiteral("MESA01")));
    QTest::keyClick(v.vistaMSFlexGrid2, Qt::Key_F5);
    EXPECT_EQ(avisos.dialogosMostrados, 2);
    EXPECT_EQ(Celda(2, C::Codigo), QStringLiteral("MESA01"));
    EXPECT_EQ(Celda(2, C::Descripcion), QStringLiteral("Mesa de comedor de pino"));
    EXPECT_EQ(Celda(2, C::Cantidad), QStringLiteral("1"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Escape);

    // An article chosen while the current cell is a quantity goes nowhere:
    // no box is left over the grid and the line keeps its quantity.
    TecleaSinConfirmar(3, C::Codigo, QStringLiteral("X"));
    QTest::keyClick(v.txtEdit2, Qt::Key_Escape);
    v.MSFlexGrid2.setRow(1);
    v.MSFlexGrid2.setCol(C::Cantidad);
    avisos.ResponderDialogo(EligeEnLaLista(QStringLiteral("MESA01")));
    QTest::keyClick(v.vistaMSFlexGrid2, Qt::Key_F5);
    EXPECT_FALSE(v.txtEdit2->isVisible());
    EXPECT_EQ(Celda(1, C::Codigo), QStringLiteral("MESA03"));
    EXPECT_EQ(Celda(1, C::Cantidad), QStringLiteral("1"));
    EXPECT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
}

}  // namespace
