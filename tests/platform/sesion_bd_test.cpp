// The database session on temporary SQLite files: failures and Errors,
// transactions nested as on the server, SQL Server's comparison rules, dates,
// the recordset, literals and the engine choice.
#include "support/avisos_grabados.h"
#include "support/base_prueba.h"
#include "support/impresion_qt.h"
#include "support/zona_horaria.h"
#include "platform/db/motores.h"
#include "platform/db/reglas_sqlite.h"
#include "platform/fechas.h"
#include "platform/recorte.h"
#include "platform/utilidades_comunes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <cmath>
#include <functional>
#include <limits>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace {

long cuenta(BasePrueba& bd, const QString& sql)
{
    return bd.Filas(sql).value(0).toLong();
}

long nivel(SesionBD& s)
{
    Recordset rs = s.Conexion.Execute(QStringLiteral("SELECT @@TRANCOUNT"));
    return rs.Valor(0).toInt();
}

Falla fallaDe(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Falla& e) {
        return e;
    }
    ADD_FAILURE() << "se esperaba una falla";
    return Falla(0, QString());
}

}  // namespace

TEST(SesionBD, ClaveDuplicadaEnUnLoteLlegaAErrorsYElRollbackNoDejaFilas)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    const QString lote = QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO TA_MENU (Clave, Nombre) VALUES ('X1', 'uno')"
                                        "\rINSERT INTO TA_MENU (Clave, Nombre) VALUES ('x1  ', 'dos')"
                                        "\rINSERT INTO TA_MENU (Clave, Nombre) VALUES ('X2', 'tres')\r");
    // As the script runner does: the exception is ignored and Errors decides.
    try {
        s.Ejecuta(lote);
    } catch (const Falla&) {
    }
    ASSERT_EQ(s.Conexion.Errors.Count(), 1);
    EXPECT_EQ(s.Conexion.Errors.Item(0).NativeError, 2627);
    EXPECT_EQ(s.Conexion.Errors.Item(0).Number, 2627);
    EXPECT_FALSE(s.Conexion.Errors.Item(0).Description.isEmpty());
    EXPECT_EQ(nivel(s), 1);
    s.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(cuenta(bd, QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave IN ('X1', 'X2')")), 0);
    EXPECT_EQ(nivel(s), 0);
    // The log holds the batch as it was sent.
    EXPECT_TRUE(s.Bitacora().contains(lote));
}

TEST(SesionBD, UnLoteSeDetieneEnLaPrimeraFalla)
{
    BasePrueba bd;
    const Falla f = fallaDe([&] {
        bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('A')\rINSERT INTO TA_MENU (Clave) VALUES ('a')"
                                           "\rINSERT INTO TA_MENU (Clave) VALUES ('B')"));
    });
    EXPECT_EQ(f.Numero, 2627);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Clave FROM TA_MENU ORDER BY Clave")), QStringList{QStringLiteral("A")});
    // A later good statement starts with an empty Errors collection.
    bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('C')"));
    EXPECT_EQ(bd.Sesion().Conexion.Errors.Count(), 0);
}

TEST(SesionBD, ReferenciaYNuloConLosNumerosDelServidor)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    s.Ejecuta(QStringLiteral("CREATE TABLE P (A VARCHAR(4) COLLATE SINCASO PRIMARY KEY)\r"
                             "CREATE TABLE H (A VARCHAR(4) COLLATE SINCASO NOT NULL REFERENCES P (A))"));
    EXPECT_EQ(fallaDe([&] { s.Ejecuta(QStringLiteral("INSERT INTO H (A) VALUES ('x')")); }).Numero, 547);
    EXPECT_EQ(s.Conexion.Errors.Item(0).NativeError, 547);
    EXPECT_EQ(fallaDe([&] { s.Ejecuta(QStringLiteral("INSERT INTO H (A) VALUES (NULL)")); }).Numero, 515);
    EXPECT_EQ(fallaDe([&] { s.Ejecuta(QStringLiteral("SELECT * FROM NO_EXISTE")); }).Numero, 208);
}

// What the engine refuses is told in Spanish, SQLite's own words in brackets.
TEST(SesionBD, UnaFallaDelMotorSeDiceEnCastellano)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    const struct {
        const char* sql;
        long numero;
        const char* texto;
    } casos[] = {
        {"SELECT NO_EXISTE(1)", 195, "No es un nombre de función integrada reconocido (no such function: NO_EXISTE)."},
        {"SELECT A FROM (SELECT 1 AS A) X, (SELECT 2 AS A) Y", 1,
         "La base de datos no pudo ejecutar la instrucción (ambiguous column name: A)."},
        {"SELECT * FROM NO_EXISTE", 208, "El nombre de objeto no es válido (no such table: NO_EXISTE)."},
    };
    for (const auto& c : casos) {
        const Falla f = fallaDe([&] { s.Ejecuta(QString::fromUtf8(c.sql)); });
        EXPECT_EQ(f.Numero, c.numero) << c.sql;
        EXPECT_EQ(f.Descripcion, QString::fromUtf8(c.texto)) << c.sql;
    }
    // A trigger's text is the schema's own.
    bd.SqlDirecto(QStringLiteral("CREATE TRIGGER rechaza BEFORE INSERT ON TA_MENU WHEN NEW.Clave = 'RECHAZADA' "
                                 "BEGIN SELECT RAISE(ABORT, 'Clave rechazada'); END"));
    const Falla f = fallaDe([&] { s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('RECHAZADA')")); });
    EXPECT_EQ(f.Numero, SQLITE_CONSTRAINT_TRIGGER);
    EXPECT_EQ(f.Descripcion, QStringLiteral("Clave rechazada"));
}

TEST(SesionBD, TransaccionesAnidadasComoEnElServidor)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    SesionBD otra;
    bd.Conecta(otra);
    auto visibles = [&] {
        Recordset rs;
        otra.AbreRecordset(QStringLiteral("SELECT COUNT(*) FROM TA_MENU"), rs);
        return rs.Valor(0).toInt();
    };

    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('N1')"));
    EXPECT_EQ(nivel(s), 2);
    s.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    EXPECT_EQ(nivel(s), 1);
    EXPECT_EQ(visibles(), 0) << "an inner COMMIT commits nothing";
    s.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    EXPECT_EQ(nivel(s), 0);
    EXPECT_EQ(visibles(), 1);

    // A COMMIT with nothing open fails as on the server.
    EXPECT_EQ(fallaDe([&] { s.Ejecuta(QStringLiteral("COMMIT TRANSACTION")); }).Numero, 3902);
    EXPECT_EQ(s.Conexion.Errors.Item(0).NativeError, 3902);

    // ROLLBACK undoes every level at once.
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION\rBEGIN TRANSACTION\rINSERT INTO TA_MENU (Clave) VALUES ('N2')"));
    s.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(nivel(s), 0);
    EXPECT_EQ(visibles(), 1);

    // The commit loop of the statement builder: one COMMIT per open level.
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION\rBEGIN TRANSACTION\rBEGIN TRANSACTION\rINSERT INTO TA_MENU (Clave) VALUES ('N3')"));
    const long abiertas = nivel(s);
    EXPECT_EQ(abiertas, 3);
    for (long i = 0; i < abiertas; ++i) {
        s.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
        EXPECT_EQ(s.Conexion.Errors.Count(), 0);
    }
    EXPECT_EQ(visibles(), 2);
}

TEST(SesionBD, TextoSinDistinguirMayusculasNiBlancosFinales)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('ABC', 'Ñandú Mesa')"));
    struct {
        const char* condicion;
        int filas;
    } casos[] = {
        {"Clave = 'abc  '", 1},
        {"Clave = 'ABC'", 1},
        {"Clave = ' ABC'", 0},
        {"Clave = 'ABD'", 0},
        {"Nombre = 'ÑANDÚ MESA'", 1},
        {"LTRIM(RTRIM(Clave)) = 'abc'", 1},
        {"LEN('abc   ') = 3", 1},
        {"LEN('  abc') = 5", 1},
        {"LEN(Nombre) = 10", 1},
        {"Nombre LIKE 'ñandú%'", 1},
        {"Nombre LIKE '%MESA'", 1},
        {"Nombre LIKE '_andú [lm]esa'", 1},
        {"Nombre LIKE 'mesa%'", 0},
        {"'50%' LIKE '50!%' ESCAPE '!'", 1},
        {"'500' LIKE '50!%' ESCAPE '!'", 0},
    };
    for (const auto& c : casos)
        EXPECT_EQ(cuenta(bd, QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE ") + QString::fromUtf8(c.condicion)), c.filas)
            << c.condicion;
    // A key that differs only in case or padding is the same key.
    EXPECT_EQ(fallaDe([&] { s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('abc ')")); }).Numero, 2627);
    // A pattern that changes row by row is read anew for each row.
    s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('M%')"));
    s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('Z%')"));
    EXPECT_EQ(cuenta(bd, QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE 'mesa' LIKE Clave")), 1);
    EXPECT_EQ(cuenta(bd, QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE 'zeta' LIKE Clave")), 1);
}

TEST(SesionBD, FechasEscritasComoTextoSeComparanYOrdenanComoFechas)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    for (const char* f : {"09/12/26 10:00", "10/01/2027", "01/02/2026 08:30", "2026-12-09 09:15:00"})
        s.Ejecuta(QStringLiteral("INSERT INTO Control_Acceso (Maquina, Ingreso) VALUES ('PC', '%1')").arg(QLatin1StringView(f)));
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Ingreso FROM Control_Acceso ORDER BY Ingreso")),
              (QStringList{QStringLiteral("01/02/2026 08:30"), QStringLiteral("09/12/2026 09:15"),
                           QStringLiteral("09/12/2026 10:00"), QStringLiteral("10/01/2027 00:00")}));
    EXPECT_EQ(cuenta(bd, QStringLiteral("SELECT COUNT(*) FROM Control_Acceso WHERE Ingreso > '31/12/26'")), 1);
    EXPECT_EQ(cuenta(bd, QStringLiteral("SELECT COUNT(*) FROM Control_Acceso WHERE Ingreso = '10/01/27'")), 1);
    EXPECT_EQ(cuenta(bd, QStringLiteral("SELECT COUNT(*) FROM Control_Acceso WHERE Ingreso >= '09/12/2026' AND Ingreso < '10/12/2026'")), 2);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT MAX(Ingreso), MIN(Ingreso) FROM Control_Acceso")),
              QStringList{QStringLiteral("10/01/2027 00:00|01/02/2026 08:30")});

    Recordset rs;
    s.AbreRecordset(QStringLiteral("SELECT Ingreso FROM Control_Acceso WHERE Maquina = 'PC' ORDER BY Ingreso DESC"), rs);
    EXPECT_EQ(rs.Valor(0).metaType().id(), QMetaType::QDateTime);
    EXPECT_EQ(rs.Valor(0).toDateTime(), QDateTime(QDate(2027, 1, 10), QTime(0, 0)));

    // Drafts of one production date written in two spellings group as one date.
    s.Ejecuta(QStringLiteral("INSERT INTO V_CPTES_MODELO_DET (IdCpteModelo, IdArticulo, Cantidad, FechaComp) VALUES (1, 'A', 1, '10/01/27')\r"
                             "INSERT INTO V_CPTES_MODELO_DET (IdCpteModelo, IdArticulo, Cantidad, FechaComp) VALUES (1, 'A', 2, '10/01/2027')"));
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT FECHACOMP, SUM(Cantidad) FROM V_CPTES_MODELO_DET GROUP BY FECHACOMP")),
              QStringList{QStringLiteral("10/01/2027 00:00|3")});
}

// The collations read the bytes SQLite hands them, with shortcuts for ASCII
// and for the stored date form; they must order exactly as the comparisons on
// whole texts do.
TEST(SesionBD, LasColacionesOrdenanComoLasComparacionesDeTextos)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    ASSERT_TRUE(ReglasSqlite::Registra(db, nullptr));
    auto compara = [db](const char* colacion, const QString& a, const QString& b) {
        const QByteArray sql = QByteArray("SELECT CASE WHEN ?1 < ?2 COLLATE ") + colacion + " THEN -1 WHEN ?1 = ?2 COLLATE " +
                               colacion + " THEN 0 ELSE 1 END";
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
        const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
        sqlite3_bind_text(st, 1, ua.constData(), int(ua.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, ub.constData(), int(ub.size()), SQLITE_TRANSIENT);
        const int r = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : 99;
        sqlite3_finalize(st);
        return r;
    };
    const std::pair<const char*, const char*> textos[] = {
        {"abc", "ABC  "}, {"abc", "abd"}, {"Abc", "abcd"}, {"", "  "}, {"a b", "a"},
        {"Insumo número 12", "Insumo número 3"}, {"Insumo número 12", "INSUMO NÚMERO 12"},
        {"Artículo", "ARTÍCULO "}, {"Artículo", "Artículos"}, {"í", "Í"}, {"íb", "Ía"}, {"ía", "ÍB"},
        {"Ñandú", "ñandu"}, {"Ñandú", "Nandú"}, {"ſ", "s"}, {"xſa", "XSb"}, {"Kelvin \u212A", "kelvin k"}, {"é", "f"},
        {"e", "é"}, {"niño z", "niño a"}, {"€1", "€2"},
        // past a first word of eight equal bytes
        {"Insumo 000123 caja", "Insumo 000123 CAJA  "}, {"abcdefghXYZ", "abcdefghxyw"}, {"abcdefgh", "abcdefgh   "},
        {"Insumo 0012ñ", "Insumo 0012Ñ"}, {"Insumo 0012ña", "Insumo 0012Ñb"}, {"Descripcion larga A", "DESCRIPCION LARGA b"},
        {"12345678abcdefgh", "12345678ABCDEFGH "}, {"12345678abcdefghí", "12345678ABCDEFGHÍ"},
        // accents and ñ after a first word of eight equal bytes, and where a later letter decides
        {"Insumo 0012Álamo", "Insumo 0012alba"}, {"Insumo 0012ñu", "Insumo 0012nz"}, {"álamo b", "ALAMO A"},
        {"Zapallo", "Álamo"}, {"Ñandú", "Oso"}, {"Ǖ", "u"}, {"Ḿ", "m"}, {"ø", "p"}};
    for (const auto& [a, b] : textos) {
        const QString ta = QString::fromUtf8(a), tb = QString::fromUtf8(b);
        EXPECT_EQ(compara("SINCASO", ta, tb), ReglasSqlite::ComparaSinCaso(ta, tb)) << a << " / " << b;
        EXPECT_EQ(compara("SINCASO", tb, ta), ReglasSqlite::ComparaSinCaso(tb, ta)) << b << " / " << a;
    }
    const std::pair<const char*, const char*> fechas[] = {
        {"2027-03-01 00:00:00", "2027-03-08 00:00:00"}, {"2027-03-01 00:00:00", "2027-03-01 00:00:00.000"},
        {"2027-03-01 00:00:00.001", "2027-03-01 00:00:00"}, {"2027-03-01 10:00:00", "2027-03-01 09:59:59.999"},
        {"2027-03-01 00:00:00", "01/03/2027"}, {"2027-03-01 00:00:00", "03/05/2027"}, {"2027-05-03 00:00:00", "03/05/2027"},
        {"2027-03-01 00:00:00", "2027-03-01T00:00:00"}, {"2027-02-30 00:00:00", "2027-03-01 00:00:00"},
        {"2027-02-30 00:00:00", "2027-02-30 00:00:01"}, {"2027-03-01 24:00:00", "2027-03-01 23:00:00"},
        {"0000-01-01 00:00:00", "2027-03-01 00:00:00"}, {"2027-13-01 00:00:00", "hoy"}, {"hoy", "HOY "},
        {"2027-03-01 00:00:00", "2027-03-01 00:00:0x"}, {"2026-12-09 09:15:00", "09/12/26 10:00"},
        {"día 1", "2027-03-01 00:00:00"}, {"día 1", "DÍA 1"}};
    for (const auto& [a, b] : fechas) {
        const QString ta = QString::fromUtf8(a), tb = QString::fromUtf8(b);
        EXPECT_EQ(compara("FECHA", ta, tb), ReglasSqlite::ComparaFechas(ta, tb)) << a << " / " << b;
        EXPECT_EQ(compara("FECHA", tb, ta), ReglasSqlite::ComparaFechas(tb, ta)) << b << " / " << a;
    }
    sqlite3_close(db);
}

// As the Spanish collation of the server: an accent sorts with its letter and
// only breaks ties, ñ comes after n; case never counts, an accent always does.
TEST(SesionBD, LosAcentosOrdenanConSuLetraYLaEnieDespuesDeLaN)
{
    const QStringList orden = {u"alamo"_s, u"Álamo"_s, u"ÁLAMO B"_s, u"Alba"_s, u"Árbol"_s, u"Nube"_s, u"nudo"_s,
                               u"Ñandú"_s, u"ñu"_s, u"Oso"_s, u"Zapallo"_s, u"Zorro"_s};
    for (qsizetype i = 0; i + 1 < orden.size(); ++i)
        for (qsizetype k = i + 1; k < orden.size(); ++k) {
            EXPECT_LT(ReglasSqlite::ComparaSinCaso(orden[i], orden[k]), 0) << orden[i].toStdString() << " / " << orden[k].toStdString();
            EXPECT_GT(ReglasSqlite::ComparaSinCaso(orden[k], orden[i]), 0) << orden[k].toStdString() << " / " << orden[i].toStdString();
        }
    const struct {
        const char* a;
        const char* b;
        bool iguales;
    } igualdades[] = {{"ALAMO", "alamo", true}, {"Álamo", "ÁLAMO  ", true}, {"Álamo", "Alamo", false},
                      {"Ñandú", "ñandú", true}, {"Ñandú", "Nandú", false}, {"Ñandú", "Ñandu", false}};
    for (const auto& c : igualdades)
        EXPECT_EQ(ReglasSqlite::ComparaSinCaso(QString::fromUtf8(c.a), QString::fromUtf8(c.b)) == 0, c.iguales)
            << c.a << " / " << c.b;

    // The database sorts, finds and keeps keys apart the same way.
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    QString lote = u"BEGIN TRANSACTION\r"_s;
    for (qsizetype i = orden.size(); i-- > 0;)
        lote += u"INSERT INTO TA_MENU (Clave, Nombre) VALUES ('%1', '%1')\r"_s.arg(orden[i]);
    s.Ejecuta(lote + u"COMMIT TRANSACTION"_s);
    EXPECT_EQ(bd.Filas(u"SELECT Clave FROM TA_MENU ORDER BY Clave"_s), orden);
    EXPECT_EQ(bd.Filas(u"SELECT Nombre FROM TA_MENU ORDER BY Nombre"_s), orden);
    EXPECT_EQ(bd.Filas(u"SELECT Clave FROM TA_MENU WHERE Clave = 'ALAMO'"_s), QStringList{u"alamo"_s});
    EXPECT_EQ(bd.Filas(u"SELECT Clave FROM TA_MENU WHERE Clave = 'álamo'"_s), QStringList{u"Álamo"_s});
    EXPECT_EQ(bd.Filas(u"SELECT Clave FROM TA_MENU WHERE Clave > 'Nube' AND Clave < 'O'"_s),
              (QStringList{u"nudo"_s, u"Ñandú"_s, u"ñu"_s}));
    EXPECT_EQ(fallaDe([&] { s.Ejecuta(u"INSERT INTO TA_MENU (Clave) VALUES ('ÑANDÚ')"_s); }).Numero, 2627);
}

// A file written while accents sorted by code point, after z: its indexes are
// rebuilt once when it is opened, so its rows are found, sorted and read ahead
// in today's order.
TEST(SesionBD, UnArchivoDelOrdenViejoRehaceSusIndices)
{
    CarpetaTemporal t;
    const QString archivo = t.Archivo(u"viejo.sqlite"_s);
    const QStringList claves = {u"Zapallo"_s, u"Álamo"_s, u"Alba"_s, u"Ñandú"_s, u"Nube"_s, u"Oso"_s, u"alamo"_s};
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(archivo).constData(), &db), SQLITE_OK);
        const auto viejo = [](void*, int na, const void* a, int nb, const void* b) {
            const QString ta = QString::fromUtf8(static_cast<const char*>(a), na);
            const QString tb = QString::fromUtf8(static_cast<const char*>(b), nb);
            return SinBlancosFinales(ta).compare(SinBlancosFinales(tb), Qt::CaseInsensitive);
        };
        ASSERT_EQ(sqlite3_create_collation(db, "SINCASO", SQLITE_UTF8, nullptr, viejo), SQLITE_OK);
        QString sql = u"CREATE TABLE VIEJA (Clave VARCHAR(25) COLLATE SINCASO PRIMARY KEY, Nombre VARCHAR(50) COLLATE SINCASO);"
                      "CREATE INDEX IX_VIEJA_NOMBRE ON VIEJA (Nombre);"_s;
        for (const QString& c : claves)
            sql += u"INSERT INTO VIEJA VALUES ('%1', '%1');"_s.arg(c);
        ASSERT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    const QStringList ordenadas = {u"alamo"_s, u"Álamo"_s, u"Alba"_s, u"Nube"_s, u"Ñandú"_s, u"Oso"_s, u"Zapallo"_s};
    for (int vez = 0; vez < 2; ++vez) {
        SesionBD s;
        BasePrueba::ConectaArchivo(s, archivo);
        for (const QString& c : claves) {
            EXPECT_EQ(BasePrueba::Filas(s, u"SELECT Clave FROM VIEJA WHERE Clave = '%1'"_s.arg(c)), QStringList{c}) << c.toStdString();
            EXPECT_EQ(BasePrueba::Filas(s, u"SELECT Nombre FROM VIEJA WHERE Nombre = '%1'"_s.arg(c)), QStringList{c})
                << c.toStdString();
        }
        const QString porNombre = u"SELECT Nombre FROM VIEJA ORDER BY Nombre"_s;
        EXPECT_EQ(BasePrueba::Filas(s, u"SELECT Clave FROM VIEJA ORDER BY Clave"_s), ordenadas);
        s.Conexion.Anticipa(porNombre);
        QThread::msleep(200);
        EXPECT_EQ(BasePrueba::Filas(s, porNombre), ordenadas);
        EXPECT_EQ(BasePrueba::Filas(s, u"PRAGMA integrity_check"_s), QStringList{u"ok"_s});
        EXPECT_EQ(BasePrueba::Filas(s, u"PRAGMA user_version"_s), QStringList{QString::number(ReglasSqlite::VersionDelOrden)});
    }
}

// A new file is written in today's order from the start: nothing to rebuild.
TEST(SesionBD, UnArchivoNuevoLlevaElOrdenDeHoy)
{
    BasePrueba bd;
    EXPECT_EQ(bd.Filas(u"PRAGMA user_version"_s), QStringList{QString::number(ReglasSqlite::VersionDelOrden)});
}

TEST(SesionBD, LecturaDeFechas)
{
    using ReglasSqlite::LeeFecha;
    EXPECT_EQ(LeeFecha(u"09/12/26 10:00"), QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    EXPECT_EQ(LeeFecha(u"9/1/1999"), QDateTime(QDate(1999, 1, 9), QTime(0, 0)));
    // Two-digit years as SQL Server reads them.
    const struct {
        const char16_t* texto;
        QDate fecha;
    } anios[] = {{u"01/01/00", {2000, 1, 1}}, {u"01/01/30", {2030, 1, 1}}, {u"01/03/35 08:00", {2035, 3, 1}},
                 {u"31/12/49", {2049, 12, 31}}, {u"01/01/50", {1950, 1, 1}}, {u"31-12-99", {1999, 12, 31}}};
    for (const auto& a : anios)
        EXPECT_EQ(LeeFecha(a.texto)->date(), a.fecha) << QString::fromUtf16(a.texto).toStdString();
    EXPECT_EQ(LeeFecha(u"2027-01-10T08:05:03"), QDateTime(QDate(2027, 1, 10), QTime(8, 5, 3)));
    for (const char16_t* malo : {u"31/02/2026", u"12/13/2026", u"hoy", u"0101", u"10/01/2027 25:00", u"10/01/202"})
        EXPECT_FALSE(LeeFecha(malo)) << QString::fromUtf16(malo).toStdString();
}

// A day whose midnight the local clock skips (summer time starting at 00:00)
// is stored, compared and read back as any other day.
TEST(SesionBD, UnDiaSinMedianocheSeGuardaYSeLee)
{
    ZonaHoraria zona("America/Sao_Paulo");
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    for (const char* f : {"04/11/2018", "2018-11-04 00:30:00", "04/11/18 10:00"})
        s.Ejecuta(QStringLiteral("INSERT INTO Control_Acceso (Maquina, Ingreso) VALUES ('PC', '%1')").arg(QLatin1StringView(f)));
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Ingreso FROM Control_Acceso WHERE Maquina = 'PC' ORDER BY Ingreso")),
              (QStringList{QStringLiteral("04/11/2018 00:00"), QStringLiteral("04/11/2018 00:30"),
                           QStringLiteral("04/11/2018 10:00")}));
    EXPECT_EQ(cuenta(bd, QStringLiteral("SELECT COUNT(*) FROM Control_Acceso WHERE Ingreso >= '04/11/2018' AND Ingreso < '05/11/2018'")), 3);
    Recordset rs;
    s.AbreRecordset(QStringLiteral("SELECT Ingreso FROM Control_Acceso WHERE Maquina = 'PC' ORDER BY Ingreso"), rs);
    const QDateTime primera = rs.Valor(0).toDateTime();
    EXPECT_TRUE(primera.isValid());
    EXPECT_EQ(primera.date(), QDate(2018, 11, 4));
    EXPECT_EQ(primera.time(), QTime(0, 0));
    // Its text as a field's value reads back as the same day.
    const auto leida = Fechas::Lee(UtilidadesComunes().ValorNoNuloTexto(rs.Valor(0)));
    ASSERT_TRUE(leida);
    EXPECT_EQ(leida->date(), QDate(2018, 11, 4));
    EXPECT_EQ(s.ValorSQL(primera, QStringLiteral("'")), QStringLiteral("'04/11/2018 00:00:00'"));
    EXPECT_EQ(ReglasSqlite::LeeFecha(u"04/11/2018")->date(), QDate(2018, 11, 4));
}

// Texts that repeat down a column share what was read first; every value must
// still come back as it is stored: null and empty apart, past the texts a
// column keeps, long and non-ASCII ones.
TEST(SesionBD, LosTextosRepetidosSeLeenComoEstan)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    const QString largo = QString(70, u'x');
    const auto esperado = [&](int i) -> QVariant {
        switch (i % 6) {
        case 0: return QStringLiteral("Ñandú");
        case 1: return QStringLiteral("N%1").arg(i);   // more different texts than a column keeps
        case 2: return QStringLiteral("");
        case 3: return QVariant();
        case 4: return largo + QString::number(i % 12);
        default: return QStringLiteral("ñandú");
        }
    };
    QString lote = QStringLiteral("BEGIN TRANSACTION\r");
    for (int i = 0; i < 15000; ++i) {
        const QVariant v = esperado(i);
        lote += QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('K%1', %2)\r")
                    .arg(i, 5, 10, QLatin1Char('0'))
                    .arg(v.isNull() ? QStringLiteral("NULL") : u'\'' + v.toString() + u'\'');
    }
    s.Ejecuta(lote + QStringLiteral("COMMIT TRANSACTION"));
    Recordset rs;
    s.AbreRecordset(QStringLiteral("SELECT Nombre FROM TA_MENU WHERE Clave LIKE 'K%' ORDER BY Clave"), rs);
    int i = 0;
    for (; !rs.Eof(); rs.MoveNext(), ++i) {
        const QVariant v = rs.Valor(0);
        const QVariant e = esperado(i);
        ASSERT_EQ(v.isNull(), e.isNull()) << i;
        if (!e.isNull()) {
            ASSERT_EQ(v.metaType().id(), QMetaType::QString) << i;
            ASSERT_EQ(v.toString(), e.toString()) << i;
            ASSERT_FALSE(v.toString().isNull()) << i;
        }
    }
    EXPECT_EQ(i, 15000);
}

// A result's cells are made values when read: each reads the same the first
// time and every time after, forwards, backwards and through GetRows.
TEST(SesionBD, UnaCeldaSeLeeIgualLaPrimeraVezYLasQueSiguen)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    s.Ejecuta(QStringLiteral("CREATE TABLE TIPOS (B BIT, N INTEGER, G INTEGER, F FLOAT, X VARCHAR(10), D DATETIME, L TEXT)\r"
                             "INSERT INTO TIPOS VALUES (1, 1, 5000000000, 1.5, 'igual', '2027-03-01 10:00:00', '2027-03-01 10:00:00')\r"
                             "INSERT INTO TIPOS VALUES (0, 2, 5000000000, 2.5, 'igual', '2027-03-01 10:00:00', 'otro')\r"
                             "INSERT INTO TIPOS VALUES (NULL, 3, NULL, NULL, '', NULL, '')"));
    const QDateTime fecha(QDate(2027, 3, 1), QTime(10, 0));
    const std::vector<std::vector<QVariant>> esperadas = {
        {true, 1, qlonglong(5000000000), 1.5, QStringLiteral("igual"), fecha, QStringLiteral("2027-03-01 10:00:00"), fecha},
        {false, 2, qlonglong(5000000000), 2.5, QStringLiteral("igual"), fecha, QStringLiteral("otro"), QStringLiteral("otro")},
        {QVariant(), 3, QVariant(), QVariant(), QStringLiteral(""), QVariant(), QStringLiteral(""), QStringLiteral("")}};
    const auto igual = [](const QVariant& v, const QVariant& e) {
        return v.isNull() == e.isNull() && (e.isNull() || (v.metaType() == e.metaType() && v == e)) &&
               (e.metaType().id() != QMetaType::QString || !v.toString().isNull());
    };
    Recordset rs;
    s.AbreRecordset(QStringLiteral("SELECT B, N, G, F, X, D, L, L || '' AS E FROM TIPOS ORDER BY N"), rs);
    ASSERT_EQ(rs.RecordCount(), 3);
    for (int vez = 0; vez < 2; ++vez) {
        rs.MoveFirst();
        for (size_t f = 0; f < esperadas.size(); ++f, rs.MoveNext())
            for (int c = 0; c < 8; ++c)
                EXPECT_TRUE(igual(rs.Valor(c), esperadas[f][size_t(c)])) << vez << " " << f << " " << c;
    }
    rs.MoveLast();
    for (int f = 2; f >= 0; --f, rs.MovePrevious())
        for (int c = 0; c < 8; ++c)
            EXPECT_TRUE(igual(rs.Valor(c), esperadas[size_t(f)][size_t(c)])) << f << " " << c;
    rs.MoveFirst();
    const auto columnas = rs.GetRows();
    ASSERT_EQ(columnas.size(), 8u);
    for (size_t c = 0; c < 8; ++c)
        for (size_t f = 0; f < esperadas.size(); ++f)
            EXPECT_TRUE(igual(columnas[c][f], esperadas[f][c])) << f << " " << c;
}

TEST(SesionBD, AgregarYCambiarFilasPorUnRecordsetActualizable)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    // The error row: AddNew on "top 1" of the table, seven fields, Update.
    Recordset rs;
    s.AbreRecordset(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), rs, nullptr, 2, 3);
    rs.AddNew();
    rs.Fields(QStringLiteral("Proceso")) = QStringLiteral("V_Pelmaro");
    rs.Fields(QStringLiteral("fecha")) = QStringLiteral("09/12/26 10:00");
    rs.Fields(QStringLiteral("Error")) = 2627;
    rs.Fields(QStringLiteral("Descripcion")) = QStringLiteral("Clave duplicada");
    rs.Fields(QStringLiteral("SQL")) = QStringLiteral("INSERT INTO X VALUES ('it''s')");
    rs.Fields(QStringLiteral("pc")) = QStringLiteral("TALLER-PC");
    rs.Fields(QStringLiteral("Usuario")) = QStringLiteral("SUPERVISOR");
    rs.Update();
    EXPECT_EQ(rs.Valor(QStringLiteral("Id")).toInt(), 1);
    s.CierraRecordset(rs);
    EXPECT_EQ(rs.State(), Recordset::Cerrado);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Proceso, fecha, Error, SQL FROM AUX_ERR")),
              QStringList{QStringLiteral("V_Pelmaro|09/12/2026 10:00|2627|INSERT INTO X VALUES ('it''s')")});

    // The settings writer: add when missing, else change the row found.
    const QString sql = QStringLiteral("SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'");
    for (const char* valor : {"0", "360"}) {
        s.AbreRecordset(sql, rs, &s.Conexion, 2, 3);
        if (rs.Eof())
            rs.AddNew();
        else
            rs.MoveFirst();
        rs.Fields(QStringLiteral("Grupo")) = QStringLiteral("BaseDeDatos");
        rs.Fields(QStringLiteral("Clave")) = QStringLiteral("TIMEOUT");
        rs.Fields(QStringLiteral("Valor")) = QString::fromLatin1(valor);
        rs.Fields(QStringLiteral("PoliticaNegocio")) = false;
        rs.Update();
        s.CierraRecordset(rs);
    }
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT CLAVE, VALOR, Grupo, PoliticaNegocio FROM TA_CONFIGURACION")),
              QStringList{QStringLiteral("TIMEOUT|360|BaseDeDatos|false")});
    EXPECT_TRUE(s.Bitacora().contains(
        QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE,VALOR,Grupo,PoliticaNegocio) VALUES (?,?,?,?)")));

    // A read-only recordset refuses changes.
    s.AbreRecordset(sql, rs);
    EXPECT_EQ(fallaDe([&] { rs.Fields(QStringLiteral("Valor")) = QStringLiteral("1"); }).Numero, 3251);
}

TEST(SesionBD, RecordsetComoLoEsperaElSistema)
{
    BasePrueba bd(BasePrueba::ConDemo);
    SesionBD& s = bd.Sesion();
    UtilidadesComunes u;
    Recordset rs;
    // An alias written after "*" wins over the column "*" brought.
    for (auto [columna, codigo, unidad] : {std::tuple{"UMCB1", "7791234000024", "PAR"}, std::tuple{"UMCB2", "7791234000031", "UN"}}) {
        const QString n = QString::fromLatin1(columna).right(1);
        s.AbreRecordset(QStringLiteral("SELECT *,IDUNIDAD AS UDBASE , ISNULL(UMCB%1,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS "
                                       "WHERE CODIGOBARRA%1 = '%2'")
                            .arg(n, u.AjustaAncho(QString::fromLatin1(codigo), 25)),
                        rs);
        ASSERT_FALSE(rs.Eof()) << columna;
        EXPECT_EQ(rs.Fields(QStringLiteral("IdUnidad")).Value().toString(), QString::fromLatin1(unidad)) << columna;
        EXPECT_EQ(rs.Valor(QStringLiteral("UdBase")).toString(), QStringLiteral("UN"));
        EXPECT_EQ(rs.Valor(QStringLiteral("idarticulo")).toString(), QStringLiteral("SILLA01"));
        EXPECT_EQ(rs.Valor(QStringLiteral("UsaLote")).metaType().id(), QMetaType::Bool);
        EXPECT_TRUE(rs.Valor(QStringLiteral("UD_TTE")).isValid());
        EXPECT_TRUE(rs.Valor(QStringLiteral("Notas")).isNull());
        EXPECT_EQ(u.ValorNoNulo(rs.Fields(QStringLiteral("notas"))), QVariant(QString()));
    }
    // Without an alias the first of two columns of one name wins.
    s.AbreRecordset(QStringLiteral("SELECT * FROM VT_INS_ARTICULOS INNER JOIN VT_RubroTipoDescripciones ON "
                                   "VT_INS_ARTICULOS.IDRUBRO = VT_RubroTipoDescripciones.IDRUBRO WHERE IdArticulo = 'MESA01'"),
                    rs);
    EXPECT_EQ(rs.Valor(QStringLiteral("DescrTipo")).toString(), QStringLiteral("Línea Clásica"));

    s.AbreRecordset(QStringLiteral("SELECT IdFamilia, Descripcion FROM V_TA_FAMILIAS ORDER BY IdFamilia"), rs, nullptr, 2, 1);
    EXPECT_EQ(rs.State(), Recordset::Abierto);
    EXPECT_FALSE(rs.Bof());
    EXPECT_EQ(rs.RecordCount(), 4);
    rs.MoveLast();
    EXPECT_EQ(rs.Valor(0).toString(), QStringLiteral("02"));
    rs.MoveFirst();
    const auto filas = rs.GetRows(rs.RecordCount());
    ASSERT_EQ(filas.size(), 2u);
    EXPECT_EQ(filas[0], (std::vector<QVariant>{QStringLiteral("01"), QStringLiteral("0101"), QStringLiteral("0102"),
                                               QStringLiteral("02")}));
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(fallaDe([&] { rs.MoveNext(); }).Numero, 3021);
    EXPECT_EQ(fallaDe([&] { rs.Valor(QStringLiteral("NoHay")); }).Numero, 3265);

    s.AbreRecordset(QStringLiteral("SELECT * FROM V_TA_FAMILIAS WHERE IdFamilia = 'ZZ'"), rs);
    EXPECT_TRUE(rs.Bof());
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(rs.FieldCount(), 2);
    s.CierraRecordset(rs);
    EXPECT_EQ(fallaDe([&] { rs.Eof(); }).Numero, 3704);
}

TEST(SesionBD, UnaTablaSinClaveSeActualizaPorLosValoresLeidos)
{
    BasePrueba bd(BasePrueba::ConDemo);
    SesionBD& s = bd.Sesion();
    Recordset rs;
    s.AbreRecordset(QStringLiteral("SELECT * FROM V_CPTES_MODELO_DET WHERE IdArticulo = 'MESA03'"), rs, nullptr, 2, 3);
    rs.Fields(QStringLiteral("Cantidad")) = 5;
    rs.Update();
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT IdArticulo, Cantidad FROM V_CPTES_MODELO_DET ORDER BY IdArticulo")),
              (QStringList{QStringLiteral("MESA01|4"), QStringLiteral("MESA03|5"), QStringLiteral("SILLA01|16")}));
    // A row changed by someone else since it was read is not overwritten.
    s.Ejecuta(QStringLiteral("UPDATE V_CPTES_MODELO_DET SET Cantidad = 9 WHERE IdArticulo = 'MESA03'"));
    rs.Fields(QStringLiteral("Cantidad")) = 6;
    EXPECT_EQ(fallaDe([&] { rs.Update(); }).Numero, -2147217864);
}

TEST(SesionBD, ValoresBuscadosPorClave)
{
    BasePrueba bd(BasePrueba::ConDemo);
    SesionBD& s = bd.Sesion();
    EXPECT_EQ(s.ObtieneValor(QStringLiteral("@Admin_V_TA_Cajas"), QStringLiteral("1"), QStringLiteral("Descripcion"),
                             QStringLiteral("IdCajas"), 8, QString(), true, true),
              QVariant(QStringLiteral("CAJA TALLER")));
    EXPECT_TRUE(s.ObtieneValor(QStringLiteral("V_TA_Cajas"), QStringLiteral("7"), QStringLiteral("Descripcion"),
                               QStringLiteral("IdCajas"))
                    .isNull());
    EXPECT_EQ(s.ObtieneValor(QStringLiteral("V_TA_TipoArticulo"), QStringLiteral("NOR "), QStringLiteral("Descripcion"),
                             QStringLiteral("IdTipo"), 8, QStringLiteral("WHERE Descripcion LIKE 'L%'"))
                  .toString(),
              QStringLiteral("Línea Nórdica"));
    EXPECT_EQ(s.MaximoValor(QStringLiteral("V_CPTES_MODELO_CAB"), QStringLiteral("IDCPTEMODELO")).toInt(), 1);
    EXPECT_EQ(s.MaximoValor(QStringLiteral("AUX_ERR"), QStringLiteral("Id")), QVariant(0));

    Recordset rs;
    bool encontrado = false;
    s.AbreRegistro(QStringLiteral("v_cpteS_modelo_cab"), QStringLiteral("15/01/2027"), QStringLiteral("Nombre"), rs, 8, QString(),
                   true, encontrado);
    EXPECT_TRUE(encontrado);
    EXPECT_EQ(rs.Valor(QStringLiteral("IdCpteModelo")).toInt(), 1);
    s.AbreRegistro(QStringLiteral("v_cpteS_modelo_cab"), QStringLiteral("16/01/2027"), QStringLiteral("Nombre"), rs, 8, QString(),
                   true, encontrado);
    EXPECT_FALSE(encontrado);
}

TEST(SesionBD, CondicionalEvaluadoPorLaSesion)
{
    BasePrueba bd;
    const QString sql = QStringLiteral("IF NOT EXISTS (SELECT * FROM TA_MENU WITH (NOLOCK) WHERE Clave = 'Z9') "
                                       "INSERT INTO TA_MENU (Clave, Nombre) VALUES ('Z9', 'uno') "
                                       "ELSE UPDATE TA_MENU SET Nombre = 'dos' WHERE Clave = 'Z9'");
    bd.Sesion().Ejecuta(sql);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Nombre FROM TA_MENU")), QStringList{QStringLiteral("uno")});
    bd.Sesion().Ejecuta(sql);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT Nombre FROM TA_MENU")), QStringList{QStringLiteral("dos")});
}

TEST(SesionBD, IdentidadDeLaUltimaInsercionPropia)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    SesionBD otra;
    bd.Conecta(otra);
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO Control_Acceso (Maquina) VALUES ('PC1')\r"));
    s.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    otra.Ejecuta(QStringLiteral("INSERT INTO Control_Acceso (Maquina) VALUES ('PC2')"));
    EXPECT_EQ(s.UltimaIdentidad().toInt(), 1);
    EXPECT_EQ(otra.UltimaIdentidad().toInt(), 2);
}

TEST(SesionBD, LiteralesSQL)
{
    SesionBD s;
    struct {
        QVariant valor;
        const char* tipo;
        const char* literal;
    } casos[] = {
        {QStringLiteral("O'Brien"), "'", "'O''Brien'"},
        {QStringLiteral("sin cambio"), "'", "'sin cambio'"},
        {QVariant(), "'", "NULL"},
        {1234.5, "@", "1234.5"},
        {0.1, "@", "0.1"},
        {42, "@", "42"},
        {QStringLiteral(" 1.234,50 "), "@", "1234.5"},
        {QStringLiteral("12,5"), "@", "12.5"},
        {QStringLiteral("-3"), "@", "-3"},
        {QStringLiteral("x y"), "", "x y"},
        {QDateTime(QDate(2026, 12, 9), QTime(10, 0)), "'", "'09/12/2026 10:00:00'"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(s.ValorSQL(c.valor, QString::fromLatin1(c.tipo)).toStdString(), std::string(c.literal)) << c.literal;
    for (const QVariant& malo : {QVariant(QStringLiteral("abc")), QVariant(QStringLiteral("")),
                                 QVariant(std::numeric_limits<double>::infinity()), QVariant(std::nan(""))})
        EXPECT_EQ(fallaDe([&] { s.ValorSQL(malo, QStringLiteral("@")); }).Numero, Falla::TiposNoCoinciden);
}

TEST(SesionBD, ElErrorSeMuestraEnElCuadroComun)
{
    AvisosGrabados avisos;
    avisos.Responder({Avisos::Reintentar});
    SesionBD s;
    EXPECT_EQ(s.GestionaError(Falla(2627, QStringLiteral("Clave duplicada"), QStringLiteral("SesionBD")),
                              QStringLiteral("ArticuloTieneLotes")),
              Avisos::Reintentar);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("Ha ocurrido el Siguiente Error (2627) Clave duplicada"));
}

TEST(SesionBD, ConexionCerradaRegistraLaFalla)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    s.Conexion.Close();
    EXPECT_FALSE(s.Conectado());
    EXPECT_EQ(fallaDe([&] { s.Ejecuta(QStringLiteral("SELECT 1")); }).Numero, 3709);
    EXPECT_EQ(s.Conexion.Errors.Count(), 1);
}

// ---- How Conectar chooses the engine ---------------------------------------------

TEST(SesionBD, EleccionDelMotor)
{
    CarpetaTemporal t;
    const QString carpeta = t.Ruta();
    const QString archivo = t.Archivo(QStringLiteral("taller.sqlite"));
    using M = DestinoConexion::Motor;
    struct {
        QString servidor, base, cadena;
        M motor;
        QString archivo;
        QString base2;
        bool demo;
    } casos[] = {
        {{}, {}, {}, M::Sqlite, carpeta + QStringLiteral("/DEMO.sqlite"), QStringLiteral("DEMO"), true},
        {{}, QStringLiteral("QS_ESTADISTICAS"), {}, M::Sqlite, carpeta + QStringLiteral("/QS_ESTADISTICAS.sqlite"),
         QStringLiteral("QS_ESTADISTICAS"), false},
        {archivo, {}, {}, M::Sqlite, archivo, QStringLiteral("taller"), true},
        {archivo, QStringLiteral("EMPRESA"), {}, M::Sqlite, archivo, QStringLiteral("EMPRESA"), true},
        {carpeta, {}, {}, M::Sqlite, carpeta + QStringLiteral("/DEMO.sqlite"), QStringLiteral("DEMO"), true},
        {archivo, QStringLiteral("QS_ESTADISTICAS"), {}, M::Sqlite, carpeta + QStringLiteral("/QS_ESTADISTICAS.sqlite"),
         QStringLiteral("QS_ESTADISTICAS"), false},
        {QStringLiteral("SRV-CONTABLE"), QStringLiteral("EMPRESA"), {}, M::Odbc, {}, QStringLiteral("EMPRESA"), true},
        {{}, {}, QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=EMP;User Id=u;Password=p;"), M::Oracle, {}, {}, true},
        {{}, {}, QStringLiteral("DSN=Contable;UID=sa;PWD=x"), M::Odbc, {}, {}, true},
    };
    for (const auto& c : casos) {
        const DestinoConexion d = EligeDestino(c.servidor, c.base, QStringLiteral("sa"), QStringLiteral("clave"), c.cadena, carpeta);
        EXPECT_EQ(d.motor, c.motor) << c.servidor.toStdString();
        if (c.motor == M::Sqlite) {
            EXPECT_EQ(QDir::cleanPath(d.archivo), QDir::cleanPath(c.archivo)) << c.servidor.toStdString();
            EXPECT_EQ(d.base, c.base2);
            EXPECT_EQ(d.conDemo, c.demo);
            EXPECT_EQ(d.servidor, c.servidor.isEmpty() ? QString() : c.servidor);
            EXPECT_EQ(d.falla, QString());
        }
    }
    // A path is read as it was written: relative to the current folder, never
    // taken for an absolute one; a file whose folder is not there is refused.
    const QString relativo = QDir::current().relativeFilePath(t.Archivo(QStringLiteral("nueva/taller.sqlite")));
    for (const QString& ruta : {t.Archivo(QStringLiteral("nueva/taller.sqlite")), relativo, archivo.mid(1)}) {
        const DestinoConexion d = EligeDestino(ruta, {}, QStringLiteral("sa"), {}, {}, carpeta);
        EXPECT_EQ(d.motor, M::Sqlite);
        EXPECT_EQ(QDir::cleanPath(d.archivo), QDir::cleanPath(QDir::current().absoluteFilePath(ruta)));
        EXPECT_EQ(d.falla, QStringLiteral("No existe la base de datos %1 y su carpeta no se puede escribir.").arg(d.archivo));
    }
    const QString odbc = EligeDestino(QStringLiteral("SRV-CONTABLE"), QStringLiteral("EMPRESA"), QStringLiteral("sa"),
                                      QStringLiteral("cla;ve"), QString(), carpeta)
                             .cadena;
    EXPECT_TRUE(odbc.contains(QStringLiteral(";SERVER=SRV-CONTABLE;PORT=1433;DATABASE=EMPRESA;UID=sa;PWD={cla;ve};"))) << odbc.toStdString();
    EXPECT_TRUE(CadenaOdbc(QStringLiteral("srv,1500"), {}, {}, {}).contains(QStringLiteral("SERVER=srv;PORT=1500;")));
    EXPECT_FALSE(CadenaOdbc(QStringLiteral("srv\\SQLEXPRESS"), {}, {}, {}).contains(QStringLiteral("PORT=")));
}

TEST(SesionBD, ConectarSinServidorCreaLaBaseEmbebidaYLaDeEstadisticas)
{
    BasePrueba bd;   // its folder is the embedded database folder meanwhile
    bool sinServidor = true, a = true, b = true;
    long modo = 3;
    QString cadena;
    SesionBD principal;
    principal.Conectar(sinServidor, modo, cadena, a, b);
    ASSERT_TRUE(principal.Conectado()) << principal.MotivoDeFalla().toStdString();
    EXPECT_EQ(principal.Archivo(), bd.Carpeta() + QStringLiteral("/DEMO.sqlite"));
    EXPECT_EQ(principal.BaseDeDatos, QStringLiteral("DEMO"));
    EXPECT_EQ(principal.Usuario, QStringLiteral("SUPERVISOR"));
    EXPECT_EQ(principal.Proveedor(), QStringLiteral("SQLite"));
    Recordset rs;
    principal.AbreRecordset(QStringLiteral("SELECT COUNT(*) FROM VT_INS_ARTICULOS WHERE suspendido = 0"), rs);
    EXPECT_GT(rs.Valor(0).toInt(), 10);

    SesionBD estadisticas;
    estadisticas.Servidor = principal.Servidor;
    estadisticas.BaseDeDatos = QStringLiteral("QS_ESTADISTICAS");
    estadisticas.Usuario = QStringLiteral("QS_ESTADISTICAS");
    sinServidor = false;
    b = false;
    estadisticas.Conectar(sinServidor, modo, cadena, a, b);
    ASSERT_TRUE(estadisticas.Conectado());
    EXPECT_EQ(estadisticas.Archivo(), bd.Carpeta() + QStringLiteral("/QS_ESTADISTICAS.sqlite"));
    estadisticas.AbreRecordset(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION"), rs);
    EXPECT_EQ(rs.Valor(0).toInt(), 0);

    // An existing file is opened as it is, not made again.
    principal.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('PROPIO')"));
    principal.Conexion.Close();
    principal.Conectar(sinServidor, modo, cadena, a, b);
    principal.AbreRecordset(QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave = 'PROPIO'"), rs);
    EXPECT_EQ(rs.Valor(0).toInt(), 1);
}

TEST(SesionBD, UnaConexionQueNoSeLograGuardaElMotivo)
{
    CarpetaTemporal t;
    t.Escribe(QStringLiteral("roto.db"), QByteArray("esto no es una base de datos, es un texto cualquiera"));
    bool sinServidor = false, a = true, b = true;
    long modo = 3;
    QString cadena;
    SesionBD s;
    s.Servidor = t.Archivo(QStringLiteral("roto.db"));
    s.Conectar(sinServidor, modo, cadena, a, b);
    EXPECT_FALSE(s.Conectado());
    EXPECT_FALSE(s.MotivoDeFalla().isEmpty());
    EXPECT_EQ(s.Conexion.Errors.Count(), 1);

    QString oracle = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=EMP;User Id=u;Password=p;");
    s.Conectar(sinServidor, modo, oracle, a, b);
    EXPECT_FALSE(s.Conectado());
    EXPECT_TRUE(s.Proveedor().contains(QStringLiteral("oracle"), Qt::CaseInsensitive));
    EXPECT_FALSE(s.MotivoDeFalla().isEmpty());
}

TEST(SesionBD, UnArchivoVacioNoEsUnaBase)
{
    bool sinServidor = false, a = true, b = true;
    long modo = 3;
    QString cadena;
    {
        // Named by the server text: refused, and left as it was.
        CarpetaTemporal t;
        t.Escribe(QStringLiteral("vacio.sqlite"), QByteArray());
        SesionBD s;
        s.Servidor = t.Archivo(QStringLiteral("vacio.sqlite"));
        s.Conectar(sinServidor, modo, cadena, a, b);
        EXPECT_FALSE(s.Conectado());
        EXPECT_TRUE(s.MotivoDeFalla().contains(QStringLiteral("vacío"))) << s.MotivoDeFalla().toStdString();
        EXPECT_EQ(QFileInfo(s.Servidor).size(), 0);
    }
    {
        // The program's own file, its creation cut short: made again.
        BasePrueba bd;
        QFile demo(bd.Carpeta() + QStringLiteral("/DEMO.sqlite"));
        ASSERT_TRUE(demo.open(QIODevice::WriteOnly));
        demo.close();
        SesionBD s;
        sinServidor = true;
        s.Conectar(sinServidor, modo, cadena, a, b);
        ASSERT_TRUE(s.Conectado()) << s.MotivoDeFalla().toStdString();
        Recordset rs;
        s.AbreRecordset(QStringLiteral("SELECT COUNT(*) FROM VT_INS_ARTICULOS"), rs);
        EXPECT_GT(rs.Valor(0).toInt(), 10);
    }
}

TEST(SesionBD, UnNombreDeEquipoVaPorOdbc)
{
    // No server answers on this port: the ODBC path is taken and fails with its reason.
    bool sinServidor = false, a = true, b = true;
    long modo = 3;
    QString cadena;
    SesionBD s;
    s.Servidor = QStringLiteral("127.0.0.1,1");
    s.BaseDeDatos = QStringLiteral("EMPRESA");
    s.Usuario = QStringLiteral("sa");
    s.Conectar(sinServidor, modo, cadena, a, b);
    EXPECT_FALSE(s.Conectado());
    EXPECT_TRUE(s.Proveedor().contains(QStringLiteral("ODBC")));
    EXPECT_FALSE(s.MotivoDeFalla().isEmpty());
    EXPECT_TRUE(s.Archivo().isEmpty());
}

TEST(SesionBD, FallaProgramadaDondeFallariaLaSentencia)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    const QString lote = QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('A')\rINSERT INTO TA_MENU (Clave) VALUES ('B')"
                                        "\rINSERT INTO TA_MENU (Clave) VALUES ('C')");
    auto claves = [&] { return bd.Filas(QStringLiteral("SELECT Clave FROM TA_MENU ORDER BY Clave")); };

    // Unarmed it only counts: one per statement, batches included.
    s.Conexion.Inyector.PonerACero();
    s.Ejecuta(lote);
    EXPECT_EQ(s.Conexion.Inyector.Contadas(), 3);
    s.Ejecuta(QStringLiteral("DELETE FROM TA_MENU"));

    // The second statement of the batch fails: the first has run, the third does not.
    s.Conexion.Inyector.FallaLaSentencia(2, 2627, QStringLiteral("Clave duplicada"));
    const Falla f = fallaDe([&] { s.Ejecuta(lote); });
    EXPECT_EQ(f.Numero, 2627);
    EXPECT_EQ(f.Descripcion, QStringLiteral("Clave duplicada"));
    ASSERT_EQ(s.Conexion.Errors.Count(), 1);
    EXPECT_EQ(s.Conexion.Errors.Item(0).NativeError, 2627);
    EXPECT_EQ(claves(), QStringList{QStringLiteral("A")});
    EXPECT_FALSE(s.Conexion.Inyector.Armado()) << "it fails once";
    s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('D')"));
    EXPECT_EQ(s.Conexion.Errors.Count(), 0);

    // By pattern, across texts; a parameterised statement counts too.
    s.Ejecuta(QStringLiteral("DELETE FROM TA_MENU"));
    s.Conexion.Inyector.FallaLaQueCoincida(QStringLiteral("values ('c')"), 547, QStringLiteral("Referencia"));
    EXPECT_EQ(fallaDe([&] { s.Ejecuta(lote); }).Numero, 547);
    s.Conexion.Inyector.FallaLaSentencia(1, 515, QStringLiteral("Nulo"));
    EXPECT_EQ(fallaDe([&] {
                  s.Conexion.EjecutaConParametros(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES (?)"),
                                                  {QStringLiteral("E")});
              }).Numero,
              515);
    EXPECT_FALSE(claves().contains(QStringLiteral("E")));

    // Inside a transaction an ordinary failure leaves it open; a deadlock victim loses it whole.
    s.Ejecuta(QStringLiteral("DELETE FROM TA_MENU"));
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION\rINSERT INTO TA_MENU (Clave) VALUES ('T1')"));
    s.Conexion.Inyector.FallaLaSentencia(1, 547, QStringLiteral("Referencia"));
    fallaDe([&] { s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('T2')")); });
    EXPECT_EQ(nivel(s), 1);
    s.Conexion.Inyector.FallaLaSentencia(1, FallaPorInterbloqueo, QStringLiteral("Interbloqueo"));
    fallaDe([&] { s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('T3')")); });
    EXPECT_EQ(nivel(s), 0);
    EXPECT_TRUE(claves().isEmpty());

    // Transaction statements count and fail like any other: a failed commit has committed nothing.
    const QString transaccion = QStringLiteral("BEGIN TRANSACTION\rINSERT INTO TA_MENU (Clave) VALUES ('%1')\rCOMMIT TRANSACTION");
    s.Conexion.Inyector.PonerACero();
    s.Ejecuta(transaccion.arg(QStringLiteral("U1")));
    EXPECT_EQ(s.Conexion.Inyector.Contadas(), 3);
    s.Conexion.Inyector.FallaLaQueCoincida(QStringLiteral("commit"), 10054, QStringLiteral("Conexión perdida"));
    EXPECT_EQ(fallaDe([&] { s.Ejecuta(transaccion.arg(QStringLiteral("U2"))); }).Numero, 10054);
    EXPECT_EQ(nivel(s), 1);
    s.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(claves(), QStringList{QStringLiteral("U1")});
}

// A read asked for ahead gives what a plain read gives when the text is sent:
// it is logged then, fails then, and never hands back rows the file no longer
// holds (a write of the session, or another connection's commit, in between).
TEST(SesionBD, UnaLecturaAnticipadaDaLoQueLaBaseTieneAlEnviarla)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    const QString sql = QStringLiteral("SELECT Clave, Nombre FROM TA_MENU ORDER BY Clave");
    s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('A1', 'uno'), ('B1', 'dos')"));
    const QStringList dos{QStringLiteral("A1|uno"), QStringLiteral("B1|dos")};
    // Time for the read ahead to be over before what follows it.
    const auto leida = [&] {
        s.Conexion.Anticipa(sql);
        QThread::msleep(200);
    };

    s.Conexion.LimpiaBitacora();
    s.Conexion.Inyector.PonerACero();
    leida();
    EXPECT_TRUE(s.Bitacora().isEmpty());
    EXPECT_EQ(bd.Filas(sql), dos);
    EXPECT_EQ(s.Bitacora(), QStringList{sql});
    EXPECT_EQ(s.Conexion.Inyector.Contadas(), 1);

    leida();
    s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('C1', 'tres')"));
    EXPECT_EQ(bd.Filas(sql).size(), 3);

    leida();
    bd.SqlDirecto(QStringLiteral("UPDATE TA_MENU SET Nombre = 'otro' WHERE rowid = (SELECT max(rowid) FROM TA_MENU)"));
    EXPECT_EQ(bd.Filas(sql).value(2), QStringLiteral("C1|otro"));

    // Inside a transaction the session's own rows count.
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION\rINSERT INTO TA_MENU (Clave, Nombre) VALUES ('D1', 'cuatro')"));
    leida();
    EXPECT_EQ(bd.Filas(sql).value(3), QStringLiteral("D1|cuatro"));
    s.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));

    // Failures, the database's and programmed ones, come when the text is sent.
    const QString falta = QStringLiteral("SELECT * FROM NO_EXISTE");
    s.Conexion.Anticipa(falta);
    EXPECT_EQ(fallaDe([&] { bd.Filas(falta); }).Numero, 208);
    EXPECT_EQ(s.Conexion.Errors.Count(), 1);
    leida();
    s.Conexion.Inyector.FallaLaQueCoincida(QStringLiteral("TA_MENU"), 1222, QStringLiteral("Bloqueo"));
    EXPECT_EQ(fallaDe([&] { bd.Filas(sql); }).Numero, 1222);
    EXPECT_EQ(bd.Filas(sql).size(), 3);

    // Asked for and never sent: the session closes as ever.
    s.Conexion.Anticipa(sql);
    s.Conexion.Close();
}

// The program keeps its session open all day and every text it sends is
// logged: the log keeps the newest texts, so long batches (a saved plan, a
// deferred posting) do not pile up in memory until the count of them runs out.
TEST(SesionBD, LaBitacoraGuardaLoUltimoTambienDeLotesLargos)
{
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    s.Conexion.LimpiaBitacora();
    const auto largo = [](int i) {
        return QStringLiteral("SELECT %1 WHERE '%2' <> ''").arg(i).arg(QString(1000000, u'x'));
    };
    for (int i = 1; i <= 40; ++i)
        s.Ejecuta(largo(i));
    const QStringList& bitacora = s.Bitacora();
    qsizetype caracteres = 0;
    for (const QString& t : bitacora)
        caracteres += t.size();
    EXPECT_LT(bitacora.size(), 40);
    EXPECT_LE(caracteres, 16 * 1000 * 1000);
    ASSERT_FALSE(bitacora.isEmpty());
    EXPECT_TRUE(bitacora.last() == largo(40));
    // Short texts still keep their count.
    s.Ejecuta(QStringLiteral("SELECT 1"));
    EXPECT_EQ(s.Bitacora().last(), QStringLiteral("SELECT 1"));
    // A single text longer than the whole log stays until the next one.
    const QString enorme = QStringLiteral("SELECT 2 WHERE '%1' <> ''").arg(QString(20000000, u'y'));
    s.Ejecuta(enorme);
    EXPECT_EQ(s.Bitacora().size(), 1);
    EXPECT_TRUE(s.Bitacora().last() == enorme);
}
