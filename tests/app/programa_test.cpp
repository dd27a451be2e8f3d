// The program itself, started in a folder of its own with a parameter string.
#include "session/ModGlobal.h"
#include "support/base_prueba.h"
#include "support/carpeta_temporal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class Programa : public ::testing::Test {
protected:
    Programa()
    {
        for (const char* carpeta : {"programa", "casa", "F/db", "G"})
            QDir(t.Ruta()).mkpath(QString::fromLatin1(carpeta));
        // A copy of its own, so its saved-queries file lands in the test's folder.
        QFile::copy(QStringLiteral(V_PELMARO), ejecutable);
    }
    ~Programa() override
    {
        for (auto& p : corridas) {
            p->kill();
            p->waitForFinished();
        }
    }

    // Starts the program in the folder with the parameter string as its one argument.
    void Inicia(const QString& carpeta, const QString& parametros)
    {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("HOME"), t.Archivo(QStringLiteral("casa")));
        entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        entorno.remove(QStringLiteral("XDG_DATA_HOME"));
        p->setProcessEnvironment(entorno);
        p->setWorkingDirectory(carpeta);
        p->start(ejecutable, {parametros});
        ASSERT_TRUE(p->waitForStarted());
        corridas.push_back(std::move(p));
    }

    // The users of the access rows of the file, once it has as many as expected (a minute at most).
    static QStringList Accesos(const QString& archivo, int cuantos)
    {
        QElapsedTimer reloj;
        reloj.start();
        QStringList filas;
        while (reloj.elapsed() < 60000) {
            if (QFileInfo::exists(archivo)) {
                try {
                    SesionBD s;
                    BasePrueba::ConectaArchivo(s, archivo);
                    filas = BasePrueba::Filas(s, QStringLiteral("SELECT NombreUsuario FROM Control_Acceso ORDER BY Id"));
                } catch (const Falla&) {
                    // Still being written by the program.
                }
                if (filas.size() >= cuantos)
                    break;
            }
            QThread::msleep(200);
        }
        return filas;
    }

    CarpetaTemporal t;
    const QString ejecutable = t.Archivo(QStringLiteral("programa/V_Pelmaro"));
    std::vector<std::unique_ptr<QProcess>> corridas;
};

TEST_F(Programa, UnServidorRelativoAbreEseArchivoYUnHermanoEnOtraCarpetaTambien)
{
    const QString f = t.Archivo(QStringLiteral("F"));
    const QString x = f + QStringLiteral("/db/x.sqlite");
    Inicia(f, QStringLiteral(" ; @server=db/x.sqlite; @usuario=ana; @UsuarioLogeado = ana; @Caja=1;"));
    EXPECT_EQ(Accesos(x, 1), QStringList{QStringLiteral("ana")});
    EXPECT_FALSE(QFileInfo::exists(f + QStringLiteral("/x.sqlite")));

    // The string this run hands a sibling, built by the same session start-up in
    // the same folder; the sibling starts in the program's folder, as the
    // launcher starts it.
    QString cadena;
    {
        const QString anterior = QDir::currentPath();
        QDir::setCurrent(f);
        SesionBD sesion;
        sesion.Servidor = QStringLiteral("db/x.sqlite");
        bool sinServidor = false, a = true, b = true;
        long modo = 3;
        QString conexion;
        sesion.Conectar(sinServidor, modo, conexion, a, b);
        QDir::setCurrent(anterior);
        ASSERT_TRUE(sesion.Conectado());
        ModGlobal::gSesionBD->Servidor = sesion.Servidor;
        ModGlobal::gSesionBD->Usuario = QStringLiteral("pepe");
        ModGlobal::gUsuarioLogeado = QStringLiteral("pepe");
        ModGlobal::gCaja = QStringLiteral("1");
        cadena = ModGlobal::ParametrosParaModulo(QString());
        ModGlobal::gSesionBD.Liberar();
    }
    Inicia(t.Archivo(QStringLiteral("programa")), cadena);
    EXPECT_EQ(Accesos(x, 2), (QStringList{QStringLiteral("ana"), QStringLiteral("pepe")}));
    EXPECT_FALSE(QFileInfo::exists(t.Archivo(QStringLiteral("programa/x.sqlite"))));
}

TEST_F(Programa, UnArchivoEnUnaCarpetaQueNoEstaTerminaComoUnaConexionFallida)
{
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("HOME"), t.Archivo(QStringLiteral("casa")));
    entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(entorno);
    p.setWorkingDirectory(t.Archivo(QStringLiteral("F")));
    p.start(ejecutable, {QStringLiteral("@server=nueva/x.sqlite; @usuario=ana;")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(p.readAllStandardError())
                    .contains(QStringLiteral("No existe la base de datos ") + t.Archivo(QStringLiteral("F/nueva/x.sqlite"))));
    EXPECT_FALSE(QFileInfo::exists(t.Archivo(QStringLiteral("F/nueva"))));
    EXPECT_EQ(QDir(t.Archivo(QStringLiteral("casa"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

}  // namespace
