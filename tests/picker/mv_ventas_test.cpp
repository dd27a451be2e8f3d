#include "picker/FrmMvVentas.h"
#include "platform/controles/vista_grilla.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(FrmMvVentas, SusMiembrosNoHacenNada)
{
    SesionGlobal s(BasePrueba::ConDemo);
    AvisosGrabados avisos;
    const QStringList antes = s.bd.Filas(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK"));
    FrmMvVentas f;
    EXPECT_EQ(f.objectName(), QStringLiteral("FrmMvVentas"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(f.vistaMSFlexGrid1->objectName(), QStringLiteral("MSFlexGrid1"));
    EXPECT_EQ(f.vistaMSFlexGrid3->objectName(), QStringLiteral("MSFlexGrid3"));
    EXPECT_EQ(f.MSComm1->objectName(), QStringLiteral("MSComm1"));

    ModGlobal::gSesionBD->LimpiaBitacora();
    const QVariant raros[] = {QVariant(), QVariant(QStringLiteral("'; DELETE FROM V_MV_STOCK; --")),
                              QVariant(std::numeric_limits<double>::max()), QVariant(-1e308),
                              QVariant(std::numeric_limits<qlonglong>::min())};
    for (const QVariant& v : raros) {
        EXPECT_NO_THROW(f.AgregoRegargo(v));
        EXPECT_NO_THROW(f.AnulacionCompleta(v, v, v, v));
    }
    f.MSComm1->CommEvent = 2;   // data received
    emit f.MSComm1->OnComm();
    f.MSComm1_OnComm();

    EXPECT_TRUE(s.Enviado().isEmpty());
    EXPECT_TRUE(avisos.preguntas.empty());
    EXPECT_EQ(avisos.dialogosMostrados, 0);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(f.MSComm1->CommEvent, 2);
    EXPECT_EQ(f.MSFlexGrid1.Cols(), Grilla().Cols());
    EXPECT_EQ(f.MSFlexGrid1.Rows(), Grilla().Rows());
    EXPECT_EQ(f.MSFlexGrid3.Cols(), Grilla().Cols());
    EXPECT_EQ(f.MSFlexGrid3.Rows(), Grilla().Rows());
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK")), antes);
}

}  // namespace
