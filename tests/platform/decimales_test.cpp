// Exact decimals on the embedded engine: SUM adds figures of up to four
// decimals as the server adds its decimals, so balances of tenths come out
// exact and compare with 0 and with each other as they should.
#include "support/base_prueba.h"
#include "support/impresion_qt.h"

#include <gtest/gtest.h>

namespace {

QString Uno(BasePrueba& bd, const QString& sql)
{
    return bd.Filas(sql).value(0);
}

}  // namespace

TEST(Decimales, LaSumaDeFigurasConDecimalesEsExacta)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    s.Ejecuta(QStringLiteral("CREATE TABLE MOVIMIENTOS (G INTEGER, V NUMERIC)"));
    const double tercio = 1.0 / 3.0;
    struct {
        QList<QString> valores;
        QString suma;
        const char* tipo;
    } const casos[] = {
        {{"0.1", "0.2"}, "0.3", "real"},
        {{"0.1", "0.2", "-0.3"}, "0", "real"},
        {{"0.3", "-0.1", "-0.2"}, "0", "real"},
        {{"0.7", "0.1"}, "0.8", "real"},
        {{"0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1"}, "1", "real"},
        {{"1.0001", "2.0002", "-0.0003"}, "3", "real"},
        {{"'0.1'", "0.2"}, "0.3", "real"},
        {{"1", "2", "NULL"}, "3", "integer"},
        {{"NULL"}, "NULL", "null"},
        // A figure of more decimals than four is added as a double, as ever.
        {{QString::number(tercio, 'g', 17), "0.1"}, QVariant(tercio + 0.1).toString(), "real"},
    };
    int grupo = 0;
    for (const auto& c : casos) {
        ++grupo;
        SCOPED_TRACE(c.valores.join(u' ').toStdString());
        for (const QString& v : c.valores)
            s.Ejecuta(QStringLiteral("INSERT INTO MOVIMIENTOS (G, V) VALUES (%1, %2)").arg(grupo).arg(v));
        EXPECT_EQ(Uno(bd, QStringLiteral("SELECT SUM(V), typeof(SUM(V)) FROM MOVIMIENTOS WHERE G = %1").arg(grupo)),
                  c.suma + u'|' + QString::fromUtf8(c.tipo));
    }
    EXPECT_EQ(Uno(bd, QStringLiteral("SELECT SUM(V) FROM MOVIMIENTOS WHERE G = 0")), QStringLiteral("NULL"));
    // A spent balance is no stock, and balances that are equal compare equal.
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT G FROM MOVIMIENTOS GROUP BY G HAVING SUM(V) <> 0 AND G IN (2, 3)")),
              QStringList());
    EXPECT_EQ(Uno(bd, QStringLiteral("SELECT COUNT(*) FROM MOVIMIENTOS WHERE G = 1 AND "
                                     "(SELECT SUM(V) FROM MOVIMIENTOS WHERE G = 1) = 0.3")),
              QStringLiteral("2"));
    // A running balance, row by row.
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT SUM(V) OVER (ORDER BY rowid) FROM MOVIMIENTOS WHERE G = 2")),
              (QStringList{"0.1", "0.3", "0"}));
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT SUM(V) OVER (ORDER BY rowid ROWS 1 PRECEDING) FROM MOVIMIENTOS WHERE G = 5 "
                                      "LIMIT 3")),
              (QStringList{"0.1", "0.2", "0.2"}));
}

TEST(Decimales, UnaSumaDeEnterosQueDesbordaFallaComoAntes)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    s.Ejecuta(QStringLiteral("CREATE TABLE GRANDES (V INTEGER)"));
    s.Ejecuta(QStringLiteral("INSERT INTO GRANDES (V) VALUES (9223372036854775807), (1)"));
    EXPECT_THROW(bd.Filas(QStringLiteral("SELECT SUM(V) FROM GRANDES")), Falla);
}
