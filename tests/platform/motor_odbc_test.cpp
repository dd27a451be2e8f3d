// The ODBC engine against a real driver: unixODBC with the SQLite ODBC driver
// stands in for SQL Server, which cannot run here. What the server itself does
// (T-SQL, nested transactions, identity) is said in each test's name.
#include "support/carpeta_temporal.h"
#include "support/zona_horaria.h"
#include "platform/db/motores.h"
#include "platform/db/sesion_bd.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class MotorOdbcSqlite : public ::testing::Test {
protected:
    void SetUp() override
    {
        archivo_ = carpeta_.Ruta() + QStringLiteral("/odbc.db");
        sesion_.Conexion.Instala(AbreMotorOdbc(Cadena()));
    }
    QString Cadena() const { return QStringLiteral("DRIVER=SQLite3;Database=%1;Timeout=200;").arg(archivo_); }

    CarpetaTemporal carpeta_;
    QString archivo_;
    SesionBD sesion_;
};

}  // namespace

TEST_F(MotorOdbcSqlite, LeeCadaTipoDeColumna)
{
    SesionBD& s = sesion_;
    s.Ejecuta(QStringLiteral("CREATE TABLE T (C VARCHAR(25) PRIMARY KEY, N INTEGER, F FLOAT, M DECIMAL(18,4), "
                             "D DATE, H DATETIME, X VARCHAR(10))"));
    s.Ejecuta(QStringLiteral("INSERT INTO T VALUES ('a''b', 42, 2.5, 1234.5678, '2026-03-15', '2026-03-15 10:20:30', NULL)"));
    Recordset rs;
    s.AbreRecordset(QStringLiteral("SELECT * FROM T"), rs);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Valor(QStringLiteral("c")).toString(), QStringLiteral("a'b"));
    EXPECT_EQ(rs.Valor(QStringLiteral("N")).toInt(), 42);
    EXPECT_DOUBLE_EQ(rs.Valor(QStringLiteral("F")).toDouble(), 2.5);
    EXPECT_DOUBLE_EQ(rs.Valor(QStringLiteral("M")).toDouble(), 1234.5678);
    EXPECT_EQ(rs.Valor(QStringLiteral("D")).toDate(), QDate(2026, 3, 15));
    EXPECT_EQ(rs.Valor(QStringLiteral("H")).toDateTime(), QDateTime(QDate(2026, 3, 15), QTime(10, 20, 30)));
    EXPECT_TRUE(rs.Valor(QStringLiteral("X")).isNull());
}

// The driver hands a date-time as its date and clock; one the local clock
// skips (midnight on the day summer time starts) still reads as that day.
TEST_F(MotorOdbcSqlite, UnDiaSinMedianocheSeLeeComoEseDia)
{
    ZonaHoraria zona("America/Sao_Paulo");
    SesionBD& s = sesion_;
    s.Ejecuta(QStringLiteral("CREATE TABLE T (H DATETIME)"));
    s.Ejecuta(QStringLiteral("INSERT INTO T VALUES ('2018-11-04 00:00:00')"));
    s.Ejecuta(QStringLiteral("INSERT INTO T VALUES ('2018-11-04 00:45:10')"));
    Recordset rs;
    s.AbreRecordset(QStringLiteral("SELECT H FROM T ORDER BY H"), rs);
    for (const QTime& hora : {QTime(0, 0), QTime(0, 45, 10)}) {
        ASSERT_FALSE(rs.Eof());
        const QDateTime h = rs.Valor(0).toDateTime();
        EXPECT_TRUE(h.isValid());
        EXPECT_EQ(h.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")),
                  QStringLiteral("04/11/2018 ") + hora.toString(QStringLiteral("HH:mm:ss")));
        rs.MoveNext();
    }
}

TEST_F(MotorOdbcSqlite, AgregaYCambiaFilasConApostrofosPorUnRecordsetActualizable)
{
    SesionBD& s = sesion_;
    s.Ejecuta(QStringLiteral("CREATE TABLE T (C VARCHAR(25) PRIMARY KEY, Nombre VARCHAR(50), N INTEGER)"));
    Recordset rs;
    s.AbreRecordset(QStringLiteral("SELECT * FROM T WHERE 1 = 0"), rs, nullptr, 2, 3);
    rs.AddNew();
    rs.Fields(QStringLiteral("C")) = QStringLiteral("D'OR");
    rs.Fields(QStringLiteral("Nombre")) = QStringLiteral("O'Higgins; DROP TABLE T");
    rs.Fields(QStringLiteral("N")) = 7;
    rs.Update();
    rs.Close();

    s.AbreRecordset(QStringLiteral("SELECT * FROM T WHERE C = ") + s.ValorSQL(QStringLiteral("D'OR"), QStringLiteral("'")), rs,
                    nullptr, 2, 3);
    ASSERT_FALSE(rs.Eof());
    rs.Fields(QStringLiteral("N")) = 8;
    rs.Update();
    rs.Close();

    s.AbreRecordset(QStringLiteral("SELECT C, Nombre, N FROM T"), rs);
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Valor(0).toString(), QStringLiteral("D'OR"));
    EXPECT_EQ(rs.Valor(1).toString(), QStringLiteral("O'Higgins; DROP TABLE T"));
    EXPECT_EQ(rs.Valor(2).toInt(), 8);
}

TEST_F(MotorOdbcSqlite, UnaFallaLlegaAErrorsConElNumeroDelControladorAntesDeLanzarse)
{
    SesionBD& s = sesion_;
    s.Ejecuta(QStringLiteral("CREATE TABLE T (C VARCHAR(25) PRIMARY KEY)"));
    s.Ejecuta(QStringLiteral("INSERT INTO T VALUES ('A')"));
    long numero = 0;
    try {
        s.Ejecuta(QStringLiteral("INSERT INTO T VALUES ('A')"));
        ADD_FAILURE() << "se esperaba una falla";
    } catch (const Falla& f) {
        numero = f.Numero;
        EXPECT_FALSE(f.Descripcion.isEmpty());
    }
    ASSERT_EQ(s.Conexion.Errors.Count(), 1);
    EXPECT_EQ(s.Conexion.Errors.Item(0).NativeError, numero);
    EXPECT_NE(numero, 0);
    EXPECT_TRUE(s.Conexion.Errors.Item(0).Description.contains(QStringLiteral("UNIQUE")));
    // The next statement starts clean.
    s.Ejecuta(QStringLiteral("INSERT INTO T VALUES ('B')"));
    EXPECT_EQ(s.Conexion.Errors.Count(), 0);
}

// The server runs a batch of several statements as one text; the SQLite driver
// takes one statement per call and no CR between them, so here only the engine's side shows: the
// text goes whole to the driver and its refusal reaches Errors.
TEST_F(MotorOdbcSqlite, UnLoteVaEnteroAlControladorQueConSqliteNoAdmiteVariasSentencias)
{
    SesionBD& s = sesion_;
    s.Ejecuta(QStringLiteral("CREATE TABLE T (C VARCHAR(25) PRIMARY KEY)"));
    const QString lote = QStringLiteral("INSERT INTO T VALUES ('A')\rINSERT INTO T VALUES ('B')");
    EXPECT_THROW(s.Ejecuta(lote), Falla);
    ASSERT_EQ(s.Conexion.Errors.Count(), 1);
    EXPECT_FALSE(s.Conexion.Errors.Item(0).Description.isEmpty());
    EXPECT_EQ(s.Bitacora().last(), lote);
    Recordset rs;
    s.AbreRecordset(QStringLiteral("SELECT COUNT(*) FROM T"), rs);
    EXPECT_EQ(rs.Valor(0).toInt(), 0);
}

// One level of BEGIN/COMMIT/ROLLBACK goes through as written; nesting them is the
// server's work (SQL Server counts levels, SQLite refuses a second BEGIN).
TEST_F(MotorOdbcSqlite, TransaccionesDeUnNivelLaAnidacionEsDelServidor)
{
    SesionBD& s = sesion_;
    s.Ejecuta(QStringLiteral("CREATE TABLE T (C VARCHAR(25) PRIMARY KEY)"));
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    s.Ejecuta(QStringLiteral("INSERT INTO T VALUES ('A')"));
    s.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    s.Ejecuta(QStringLiteral("INSERT INTO T VALUES ('B')"));
    s.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    Recordset rs;
    s.AbreRecordset(QStringLiteral("SELECT C FROM T"), rs);
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Valor(0).toString(), QStringLiteral("B"));
}

TEST_F(MotorOdbcSqlite, UnaBaseBloqueadaOPerdidaFallaConElNumeroDelControlador)
{
    SesionBD& s = sesion_;
    s.Ejecuta(QStringLiteral("CREATE TABLE T (C VARCHAR(25) PRIMARY KEY)"));
    SesionBD otra;
    otra.Conexion.Instala(AbreMotorOdbc(Cadena()));
    otra.Ejecuta(QStringLiteral("BEGIN EXCLUSIVE TRANSACTION"));
    EXPECT_THROW(s.Ejecuta(QStringLiteral("INSERT INTO T VALUES ('A')")), Falla);
    ASSERT_EQ(s.Conexion.Errors.Count(), 1);
    EXPECT_EQ(s.Conexion.Errors.Item(0).NativeError, 5) << "SQLITE_BUSY";
    otra.Ejecuta(QStringLiteral("ROLLBACK"));

    // The file taken away under an open connection.
    ASSERT_TRUE(QFile::remove(archivo_));
    EXPECT_THROW(s.Ejecuta(QStringLiteral("INSERT INTO T VALUES ('A')")), Falla);
    ASSERT_EQ(s.Conexion.Errors.Count(), 1);
    EXPECT_NE(s.Conexion.Errors.Item(0).NativeError, 0);
    EXPECT_FALSE(s.Conexion.Errors.Item(0).Description.isEmpty());
}

TEST(MotorOdbc, UnControladorQueNoExisteNoAbreLaConexion)
{
    EXPECT_THROW(AbreMotorOdbc(QStringLiteral("DRIVER={No Existe};Database=x;")), Falla);
}
