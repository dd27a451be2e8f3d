// Exact decimals on the embedded engine: a DECIMAL(p,s) column keeps its
// scale whatever arithmetic an UPDATE did, and SUM adds figures of up to four
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

TEST(Decimales, UnaColumnaDecimalGuardaSuEscala)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    // A line added to three times, as the accounting entry adds to a voucher's line.
    s.Ejecuta(QStringLiteral("INSERT INTO MV_ASIENTOS (Cuenta, Importe) VALUES ('1.1', 0)"));
    for (int i = 0; i < 3; ++i)
        s.Ejecuta(QStringLiteral("UPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + 0.1 WHERE Cuenta = '1.1'"));
    EXPECT_EQ(Uno(bd, QStringLiteral("SELECT Importe FROM MV_ASIENTOS")), QStringLiteral("0.3"));
    EXPECT_EQ(Uno(bd, QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Importe = 0.3")), QStringLiteral("1"));

    struct {
        const char* valor;
        const char* guardado;
        const char* tipo;
    } const casos[] = {
        {"0.1 + 0.2", "0.3", "real"},
        {"0.7 + 0.1", "0.8", "real"},
        {"1.23456", "1.2346", "real"},
        {"-1.23456", "-1.2346", "real"},
        {"2.5", "2.5", "real"},
        {"1234567890.12346", "1234567890.1235", "real"},
        {"7", "7", "integer"},
        {"'12,5'", "12,5", "text"},
        {"NULL", "NULL", "null"},
    };
    s.Ejecuta(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE) VALUES ('ST', 'X')"));
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        s.Ejecuta(QStringLiteral("UPDATE V_MV_STOCK SET Costo = %1 WHERE TC = 'ST'").arg(QString::fromUtf8(c.valor)));
        EXPECT_EQ(Uno(bd, QStringLiteral("SELECT Costo, typeof(Costo) FROM V_MV_STOCK")),
                  QStringLiteral("%1|%2").arg(QString::fromUtf8(c.guardado), QString::fromUtf8(c.tipo)));
    }
    // Two decimal columns changed at once, and one beside a column of another kind.
    s.Ejecuta(QStringLiteral("UPDATE V_MV_STOCK SET Costo = 0.1 + 0.2, Impuestos = 0.7 + 0.1, CANTIDAD = 2.5"));
    EXPECT_EQ(Uno(bd, QStringLiteral("SELECT Costo, Impuestos, CANTIDAD FROM V_MV_STOCK")), QStringLiteral("0.3|0.8|2.5"));
    // A FLOAT column is no decimal: it keeps what it is given.
    s.Ejecuta(QStringLiteral("UPDATE V_MV_STOCK SET CANTIDAD = 0.1 + 0.2, Costo = 1"));
    EXPECT_EQ(Uno(bd, QStringLiteral("SELECT CANTIDAD FROM V_MV_STOCK")), QStringLiteral("0.30000000000000004"));
}

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
