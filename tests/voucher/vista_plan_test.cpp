#include "comprobantes_prueba.h"
#include "platform/controles/editor_grilla.h"
#include "platform/controles/vista_grilla.h"
#include "voucher/ClsCmnCptes.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

TEST(VistaPlan, GrillaIRConSusTitulosYColumnasOcultas)
{
    SesionGlobal s(BasePrueba::ConDemo);   // "IR" is a STOCK type there, with the depot column on
    const MedidorFijo medidor;             // X = 120 twips = 8 pixels
    Grilla g;
    EditorGrilla editor(QStringLiteral("txtEdit2"));
    QWidget ventana;
    auto* vista = new VistaGrilla(&ventana);
    auto* caja = new QLineEdit(&ventana);
    editor.Vincular(*caja);
    vista->setMedidor(&medidor);
    vista->setGrilla(&g);
    ventana.resize(900, 300);
    ventana.show();

    ClsCmnCptes cpte;
    cpte.InicializaGrids(nullptr, &g, nullptr, nullptr, &editor, nullptr, medidor, QStringLiteral("IR"), nullptr);

    auto* m = vista->model();
    EXPECT_EQ(m->rowCount(), 1);   // one empty line under the titles
    EXPECT_EQ(m->columnCount(), 101);
    const auto titulo = [&](int c) { return m->headerData(c, Qt::Horizontal).toString(); };
    EXPECT_EQ(titulo(0), QStringLiteral("Código"));
    EXPECT_EQ(titulo(1), QStringLiteral("Descripción"));
    EXPECT_EQ(titulo(6), QStringLiteral("Dep."));
    EXPECT_EQ(titulo(97), QStringLiteral("Cod.Proveedor"));
    EXPECT_EQ(titulo(31), QStringLiteral("AuxStockDisponible"));

    QList<int> mostradas;
    for (int c = 0; c < m->columnCount(); ++c)
        if (!vista->isColumnHidden(c))
            mostradas << c;
    EXPECT_EQ(mostradas, (QList<int>{0, 1, 5, 6, 7, 33, 63, 97}));
    EXPECT_EQ(vista->columnWidth(0), 15 * 8 + vista->MargenesCelda());
    EXPECT_EQ(vista->columnWidth(1), (50 * 120 - 480) / 15 + vista->MargenesCelda());
    EXPECT_EQ(vista->columnWidth(7), 13 * 8 + vista->MargenesCelda());
    EXPECT_FALSE(caja->isVisible());
}

}  // namespace
