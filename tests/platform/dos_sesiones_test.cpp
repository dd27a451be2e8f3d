// Two sessions on one SQLite file, as two operators of the suite: who waits
// for whom, what a refused statement leaves behind, and that nothing stays
// locked after a failure. No wait is timed: the second session's time-out is
// 0, so a lock it meets refuses it at once.
#include "support/base_prueba.h"
#include "platform/db/ambito_escritura.h"
#include "platform/db/reglas_sqlite.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <functional>

namespace {

long nivel(SesionBD& s)
{
    Recordset rs = s.Conexion.Execute(QStringLiteral("SELECT @@TRANCOUNT"));
    return rs.Valor(0).toInt();
}

long mayor(SesionBD& s)
{
    Recordset rs = s.Conexion.Execute(QStringLiteral("SELECT MAX(IdCpteModelo) FROM V_CPTES_MODELO_CAB"));
    return rs.Valor(0).toInt();
}

void agrega(SesionBD& s, long id)
{
    s.Ejecuta(QStringLiteral("INSERT INTO V_CPTES_MODELO_CAB (IdCpteModelo, Nombre) VALUES (%1, 'N%1')").arg(id));
}

long fallaDe(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Falla& e) {
        return e.Numero;
    }
    return 0;
}

constexpr long Bloqueo = 1222;

// Two operators on the fixture's file; neither waits for a lock.
class DosSesiones : public ::testing::Test {
protected:
    void SetUp() override
    {
        bd.Conecta(otra);
        una.Conexion.CommandTimeout = 0;
        otra.Conexion.CommandTimeout = 0;
    }

    BasePrueba bd;
    SesionBD& una = bd.Sesion();
    SesionBD otra;
};

// A statement of a plain connection left half-read: the file stays read-locked
// until it is finished, as by a reader of another program.
class Lector {
public:
    explicit Lector(const QString& archivo)
    {
        static const int sinTransaccion = 0;
        sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db_, SQLITE_OPEN_READONLY, nullptr);
        ReglasSqlite::Registra(db_, &sinTransaccion);
        sqlite3_prepare_v2(db_, "SELECT Clave FROM TA_MENU", -1, &st_, nullptr);
        leyendo_ = sqlite3_step(st_) == SQLITE_ROW;
    }
    ~Lector()
    {
        Termina();
        sqlite3_close(db_);
    }
    bool Leyendo() const { return leyendo_; }
    void Termina()
    {
        sqlite3_finalize(st_);
        st_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* st_ = nullptr;
    bool leyendo_ = false;
};

}  // namespace

// A transaction is opened to write: the second one waits at its start for the
// first to end, so neither reads a number the other is about to take; it
// used to start at once, read the same highest id, and be refused only at its
// write, which waits for nothing.
TEST_F(DosSesiones, LaSegundaTransaccionEsperaDesdeSuComienzo)
{
    una.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    EXPECT_EQ(mayor(una), 0);
    EXPECT_EQ(fallaDe([&] { otra.Ejecuta(QStringLiteral("BEGIN TRANSACTION")); }), Bloqueo);
    EXPECT_EQ(nivel(otra), 0);
    // Plain reads are not held up meanwhile.
    EXPECT_EQ(mayor(otra), 0);
    agrega(una, mayor(una) + 1);
    una.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));

    otra.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    agrega(otra, mayor(otra) + 1);
    otra.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT IdCpteModelo FROM V_CPTES_MODELO_CAB ORDER BY 1")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
}

// What the second operator is refused while the first holds its transaction,
// and that the refusal is told in Spanish with the server's number.
TEST_F(DosSesiones, LoQueSeLeNiegaALaSegundaMientrasLaPrimeraEscribe)
{
    una.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    agrega(una, 1);
    const struct {
        const char* sql;
        long falla;
    } casos[] = {
        {"SELECT COUNT(*) FROM V_CPTES_MODELO_CAB", 0},
        {"INSERT INTO V_CPTES_MODELO_CAB (IdCpteModelo) VALUES (9)", Bloqueo},
        {"BEGIN TRANSACTION", Bloqueo},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(fallaDe([&] { otra.Ejecuta(QString::fromLatin1(c.sql)); }), c.falla) << c.sql;
        if (c.falla) {
            ASSERT_EQ(otra.Conexion.Errors.Count(), 1) << c.sql;
            EXPECT_EQ(otra.Conexion.Errors.Item(0).NativeError, Bloqueo) << c.sql;
            EXPECT_TRUE(otra.Conexion.Errors.Item(0).Description.startsWith(QStringLiteral("Se superó el tiempo de espera")))
                << c.sql;
        }
        EXPECT_EQ(nivel(otra), 0) << c.sql;
    }
    una.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    agrega(otra, 2);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT COUNT(*) FROM V_CPTES_MODELO_CAB")), QStringList{QStringLiteral("2")});
}

// A commit refused because another program is still reading leaves the write
// scope undone and nothing locked: the other operator writes next.
TEST_F(DosSesiones, UnaConfirmacionNegadaPorUnLectorNoDejaNadaBloqueado)
{
    una.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('Z')"));
    Lector lector(bd.Archivo());
    ASSERT_TRUE(lector.Leyendo());
    {
        AmbitoEscritura ambito(una, QStringLiteral("Prueba"));
        agrega(una, 1);
        EXPECT_EQ(fallaDe([&] { ambito.Confirma(); }), Bloqueo);
        EXPECT_TRUE(ambito.Abierto());
    }
    EXPECT_EQ(nivel(una), 0);
    lector.Termina();
    agrega(otra, 5);
    EXPECT_EQ(bd.Filas(QStringLiteral("SELECT IdCpteModelo FROM V_CPTES_MODELO_CAB")), QStringList{QStringLiteral("5")});
}
