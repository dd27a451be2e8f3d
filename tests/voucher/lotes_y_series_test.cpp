#include "voucher/ClsCmnCptes.h"
#include "support/sesion_global.h"

#include <gtest/gtest.h>

namespace {

// The class's pipe-list members answer as the lots module does.
TEST(LotesYSeriesCpte, MiembrosDeListasPipe)
{
    SesionGlobal s;
    ClsCmnCptes cpte;
    const QString lista = QStringLiteral("|L1|l1|L2|");
    EXPECT_EQ(cpte.StrSerieLote(lista), QStringLiteral(" L1 L2"));
    QStringList arreglo, pos, cant, lote;
    cpte.DescomponeSerieLote(lista, arreglo);
    EXPECT_EQ(arreglo, (QStringList{"L1", "l1", "L2", ""}));
    cpte.DescomponePosicionCantidadLote(QStringLiteral("|P1*2|"), lista, pos, cant, lote);
    EXPECT_EQ(pos, (QStringList{"P1", ""}));
    EXPECT_EQ(cant, (QStringList{"2", ""}));
    EXPECT_EQ(lote, arreglo);
    EXPECT_EQ(cpte.Cuenta_Series_Lotes(QString(), lista, false), 2);
    QString valores = QStringLiteral("|0|1|"), lotes = lista;
    EXPECT_EQ(cpte.ExtraeSerieLoteConValor(valores, lotes), QStringLiteral("l1"));
    EXPECT_EQ(cpte.ExtraeSerieLote(lista, 3), QStringLiteral("L2"));
    EXPECT_EQ(cpte.Cantidad_Series_Lotes(lista), 3);
    EXPECT_EQ(cpte.InsertaCHR255(QStringLiteral("|L1|")), QStringLiteral("|L1\u00FF|"));
    EXPECT_EQ(cpte.Busca_Lotes_Series(lista, QStringLiteral("l2")), 3);
}

}  // namespace
