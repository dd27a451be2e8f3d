// The embedded database on a disk that fails for real: a write, a flush or a
// read refused, a full disk, a journal that cannot be made. A transaction is
// either stored whole or not at all, the failure is told in Spanish with the
// server's number, and once the disk works again the session goes on.
#include "support/base_prueba.h"
#include "support/disco_con_fallas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const DiscoConFallas::Tipo tipos[] = {DiscoConFallas::Escritura, DiscoConFallas::Sincronizacion, DiscoConFallas::Lectura,
                                      DiscoConFallas::Lleno, DiscoConFallas::Diario};

constexpr int Filas = 300;

QString lote()
{
    QString l = QStringLiteral("BEGIN TRANSACTION \r\r\r\n");
    for (int i = 0; i < Filas; ++i)
        l += QStringLiteral("\rINSERT INTO TA_MENU (Clave, Proceso) VALUES ('M%1', '%2')").arg(i).arg(QString(90, u'x'));
    return l + u'\r';
}

long cuenta(const QString& archivo, const QString& sql)
{
    // A connection of its own reads what the file holds.
    SesionBD otra;
    BasePrueba::ConectaArchivo(otra, archivo);
    return BasePrueba::Filas(otra, sql).value(0).toLong();
}

long nivel(SesionBD& s)
{
    return BasePrueba::Filas(s, QStringLiteral("SELECT @@TRANCOUNT")).value(0).toLong();
}

QStringList diarios(const QString& carpeta)
{
    return QDir(carpeta).entryList({QStringLiteral("*-journal"), QStringLiteral("*-wal")}, QDir::Files);
}

// A transaction undone leaves nothing, one confirmed is stored, and neither
// leaves the session in a transaction or a journal beside the file.
void sigueUsable(SesionBD& s, const QString& archivo)
{
    EXPECT_EQ(nivel(s), 0);
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('DESHECHA')"));
    s.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    s.Ejecuta(QStringLiteral("DELETE FROM TA_MENU WHERE Clave = 'GUARDADA'"));
    s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('GUARDADA')"));
    s.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    EXPECT_EQ(cuenta(archivo, QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave IN ('DESHECHA', 'GUARDADA')")), 1);
    EXPECT_EQ(nivel(s), 0);
    EXPECT_EQ(diarios(QFileInfo(archivo).absolutePath()), QStringList());
}

// As the program's batches go: the batch, then COMMIT, each failure read from
// Errors and answered with ROLLBACK.
QList<ErrorBD> graba(SesionBD& s)
{
    QList<ErrorBD> vistos;
    const auto envia = [&](const QString& texto) {
        try {
            s.Ejecuta(texto);
        } catch (const Falla&) {
        }
        for (long i = 0; i < s.Conexion.Errors.Count(); ++i)
            vistos << s.Conexion.Errors.Item(i);
        const bool fallo = s.Conexion.Errors.Count() > 0;
        s.Conexion.Errors.Clear();
        return !fallo;
    };
    if (!envia(lote()) || !envia(QStringLiteral("COMMIT TRANSACTION")))
        envia(QStringLiteral("ROLLBACK TRANSACTION"));
    return vistos;
}

}  // namespace

TEST(Disco, UnaEscrituraQueElDiscoRechazaNoQuedaAMediasYSeDiceEnCastellano)
{
    DiscoConFallas disco;
    for (const DiscoConFallas::Tipo tipo : tipos) {
        int fallaron = 0;
        // Each call of that kind in turn is the one that fails, until the write goes through untouched.
        for (int n = 0; n < 400; ++n) {
            SCOPED_TRACE(DiscoConFallas::Nombre(tipo).toStdString() + " tras " + std::to_string(n));
            BasePrueba bd;
            SesionBD& s = bd.Sesion();
            disco.Arma(bd.Carpeta(), tipo, n);
            const QList<ErrorBD> vistos = graba(s);
            const bool fallo = disco.Fallidas() > 0;
            disco.Repara();
            if (!fallo) {
                EXPECT_TRUE(vistos.isEmpty());
                EXPECT_EQ(cuenta(bd.Archivo(), QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave LIKE 'M%'")), Filas);
                break;
            }
            ++fallaron;
            ASSERT_FALSE(vistos.isEmpty());
            EXPECT_EQ(vistos.first().NativeError, DiscoConFallas::Numero(tipo));
            EXPECT_TRUE(vistos.first().Description.startsWith(DiscoConFallas::Aviso(tipo)))
                << vistos.first().Description.toStdString();
            EXPECT_EQ(cuenta(bd.Archivo(), QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave LIKE 'M%'")), 0);
            // The disk works again: the session is free and writes whole transactions.
            sigueUsable(s, bd.Archivo());
        }
        EXPECT_GT(fallaron, 0) << DiscoConFallas::Nombre(tipo).toStdString();
    }
}

TEST(Disco, UnCommitQueFallaTerminaLaTransaccionYLaSiguienteEsUnaTransaccion)
{
    DiscoConFallas disco;
    BasePrueba bd;
    SesionBD& s = bd.Sesion();
    s.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    s.Ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('PRIMERA')"));
    disco.Arma(bd.Carpeta(), DiscoConFallas::Sincronizacion, 0);
    EXPECT_THROW(s.Ejecuta(QStringLiteral("COMMIT TRANSACTION")), Falla);
    disco.Repara();
    // Nothing of it stayed, on the file nor on the session; a caller that
    // sends no ROLLBACK after it still opens a transaction of its own next.
    sigueUsable(s, bd.Archivo());
    EXPECT_EQ(cuenta(bd.Archivo(), QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave = 'PRIMERA'")), 0);
}

TEST(Disco, UnArchivoBorradoOReemplazadoMientrasEstaAbiertoNoTomaEscrituras)
{
    enum Que { Borrado, Reemplazado };
    for (const Que que : {Borrado, Reemplazado}) {
        SCOPED_TRACE(que == Borrado ? "borrado" : "reemplazado");
        BasePrueba bd;
        SesionBD& s = bd.Sesion();
        const QString copia = bd.Archivo() + QStringLiteral(".copia");
        ASSERT_TRUE(QFile::copy(bd.Archivo(), copia));
        ASSERT_TRUE(QFile::remove(bd.Archivo()));
        if (que == Reemplazado) {
            ASSERT_TRUE(QFile::rename(copia, bd.Archivo()));
        }
        const QList<ErrorBD> vistos = graba(s);
        // A write that would go nowhere, or into a file no one opens again, is refused.
        ASSERT_FALSE(vistos.isEmpty());
        EXPECT_EQ(vistos.first().NativeError, 3906);
        EXPECT_TRUE(vistos.first().Description.startsWith(u"No se puede escribir en la base de datos"))
            << vistos.first().Description.toStdString();
        EXPECT_EQ(nivel(s), 0);
        if (que == Reemplazado) {
            EXPECT_EQ(cuenta(bd.Archivo(), QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave LIKE 'M%'")), 0);
        }
        EXPECT_EQ(diarios(bd.Carpeta()), QStringList());
    }
}

TEST(Disco, UnProcesoMuertoEnMedioDeUnLoteDejaElLoteEnteroONada)
{
    int muertes = 0;
    // The process dies at each write or flush in turn, until the batch goes through.
    for (int n = 0; n < 400; ++n) {
        SCOPED_TRACE("muerte tras " + std::to_string(n));
        BasePrueba bd;
        const QString archivo = bd.Archivo(), carpeta = bd.Carpeta();
        const bool murio = MuereEnOtroProceso([&] {
            DiscoConFallas disco;
            SesionBD propia;
            BasePrueba::ConectaArchivo(propia, archivo);
            disco.Arma(carpeta, DiscoConFallas::Muerte, n);
            graba(propia);
        });
        const long guardadas = cuenta(archivo, QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave LIKE 'M%'"));
        if (!murio) {
            EXPECT_EQ(guardadas, Filas);
            break;
        }
        ++muertes;
        EXPECT_TRUE(guardadas == 0 || guardadas == Filas) << guardadas;
        // What the dead process left of its journal goes with the next write.
        SesionBD otra;
        BasePrueba::ConectaArchivo(otra, archivo);
        EXPECT_EQ(BasePrueba::Filas(otra, QStringLiteral("PRAGMA integrity_check")), QStringList{QStringLiteral("ok")});
        sigueUsable(otra, archivo);
    }
    EXPECT_GT(muertes, 2);
}
