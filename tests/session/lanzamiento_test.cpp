#include "arranque.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

namespace {

using namespace ModGlobal;

struct Lanzado {
    QString programa;
    QStringList argumentos;
};

class Lanzamiento : public Arranque {
protected:
    Lanzamiento()
    {
        SesionBD& sesion = *gSesionBD;
        sesion.Servidor = QStringLiteral("srv");
        sesion.BaseDeDatos = QStringLiteral("BASE");
        sesion.Usuario = QStringLiteral("ana");
        sesion.Password = QStringLiteral("pw");
        gUsuarioLogeado = QStringLiteral("Ana");
        gCaja = QStringLiteral("2");
        app.Escribe(QStringLiteral("Mosquena"), "#!/bin/sh\n");
    }

    // A launcher that records the start and answers the given process ids in turn (0: not started).
    void Respuestas(std::vector<qint64> pids)
    {
        respuestas_ = std::move(pids);
        Sistema::FijarLanzador([this](const QString& programa, const QStringList& argumentos, const QString&) {
            lanzados.push_back({programa, argumentos});
            if (respuestas_.empty())
                return qint64(0);
            const qint64 r = respuestas_.front();
            respuestas_.erase(respuestas_.begin());
            return r;
        });
    }

    std::vector<Lanzado> lanzados;

private:
    std::vector<qint64> respuestas_;
};

TEST_F(Lanzamiento, ElProgramaYLaCadenaDeLaSesion)
{
    const QString mosquena = app.Archivo(QStringLiteral("Mosquena"));
    const QString programas[] = {QStringLiteral("SHELL:Mosquena.EXE"), QStringLiteral("SHELL:mosquena"),
                                 QStringLiteral("Mosquena.exe"), QStringLiteral("shell:") + mosquena,
                                 QStringLiteral("SHELL:") + mosquena + QStringLiteral(".EXE")};
    for (QString programa : programas) {
        lanzados.clear();
        Respuestas({4242});
        QString parametro = QStringLiteral("@IDARTICULO=ABC");
        long resultado = 0;
        MenuExes(programa, parametro, resultado);
        EXPECT_EQ(resultado, 4242);
        ASSERT_EQ(lanzados.size(), 1u);
        EXPECT_EQ(lanzados[0].programa, mosquena) << programa.toStdString();
        EXPECT_EQ(lanzados[0].argumentos,
                  QStringList{QStringLiteral(" ; @server=srv; @dbname=BASE; @usuario=ana; @Password=pw; "
                                             "@ParametroAdicional=@IDARTICULO=ABC; keld@ ; @UsuarioLogeado = Ana; "
                                             "@Caja=2;")});
        EXPECT_EQ(parametro, QStringLiteral("@IDARTICULO=ABC"));
    }
    EXPECT_TRUE(avisos.preguntas.empty());

    // The receiving module reads the string back with the start-up's rules.
    const QString cadena = lanzados[0].argumentos[0];
    EXPECT_EQ(ValorParametro(cadena, QStringLiteral("@Server")), QStringLiteral("srv"));
    EXPECT_EQ(ValorParametro(cadena, QStringLiteral("@Usuario")), QStringLiteral("ana"));
    EXPECT_EQ(ValorParametro(cadena, QStringLiteral("@UsuarioLogeado")), QStringLiteral("Ana"));
    EXPECT_EQ(ValorParametro(cadena, QStringLiteral("@Caja"), QStringLiteral("1")), QStringLiteral("2"));
}

TEST_F(Lanzamiento, ElParametroPierdeSuPrimeraPalabra)
{
    Respuestas({1});
    QString programa = QStringLiteral("SHELL:Mosquena");
    QString parametro = QStringLiteral("uno dos tres");
    long resultado = 0;
    MenuExes(programa, parametro, resultado);
    EXPECT_EQ(parametro, QStringLiteral("dos tres"));
    EXPECT_TRUE(lanzados.at(0).argumentos.at(0).contains(QLatin1String("@ParametroAdicional=dos tres; keld@")));
}

TEST_F(Lanzamiento, UnInicioFallidoPasaPorElGestorDeErrores)
{
    QString programa = QStringLiteral("SHELL:NoExiste");
    QString parametro;
    long resultado = 0;
    const QString noImplementada = QStringLiteral("Opcion no Implementada!\rComuniquese con su proveedor de sistemas");

    // Ignore: the check that follows finds no process.
    Respuestas({});
    avisos.Responder({Avisos::Ignorar});
    MenuExes(programa, parametro, resultado);
    EXPECT_EQ(resultado, 0);
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_EQ(avisos.preguntas[0].botones, 18);
    EXPECT_TRUE(avisos.preguntas[0].titulo.contains(QLatin1String(" - MenuExes Aviso al operador!!!")));
    EXPECT_TRUE(avisos.preguntas[0].texto.startsWith(QLatin1String("Ha ocurrido el Siguiente Error (53) ")));
    EXPECT_EQ(avisos.preguntas[1].texto, noImplementada);
    EXPECT_EQ(avisos.preguntas[1].botones, Avisos::Critico | Avisos::SoloAceptar);
    EXPECT_EQ(avisos.preguntas[1].titulo, QStringLiteral("Atención"));

    // Abort: leaves without the second box.
    avisos.preguntas.clear();
    MenuExes(programa, parametro, resultado);
    EXPECT_EQ(avisos.preguntas.size(), 1u);

    // Retry: the second start succeeds.
    avisos.preguntas.clear();
    lanzados.clear();
    Respuestas({0, 77});
    avisos.Responder({Avisos::Reintentar});
    MenuExes(programa, parametro, resultado);
    EXPECT_EQ(resultado, 77);
    EXPECT_EQ(lanzados.size(), 2u);
    EXPECT_EQ(avisos.preguntas.size(), 1u);
}

TEST_F(Lanzamiento, UnModuloDeVerdadRecibeLaCadenaComoUnSoloArgumento)
{
    const QString mosquena = app.Archivo(QStringLiteral("Mosquena"));
    QFile::remove(mosquena);
    ASSERT_TRUE(QFile::copy(QStringLiteral(ECO_ARGUMENTOS), mosquena));
    const QString salida = temporal.Archivo(QStringLiteral("argumentos.txt"));
    VariableDeEntorno eco("ECO_SALIDA", salida);

    QString programa = QStringLiteral("SHELL:MOSQUENA.EXE");
    QString parametro = QStringLiteral("@IDARTICULO=ABC");
    long resultado = 0;
    MenuExes(programa, parametro, resultado);
    EXPECT_NE(resultado, 0);
    EXPECT_TRUE(avisos.preguntas.empty());

    // The module runs on its own; wait for what it wrote.
    QElapsedTimer reloj;
    reloj.start();
    while (!QFileInfo::exists(salida) && reloj.elapsed() < 60000)
        QThread::msleep(10);
    ASSERT_TRUE(QFileInfo::exists(salida));
    EXPECT_EQ(QString::fromLocal8Bit(temporal.Lee(QStringLiteral("argumentos.txt"))),
              QStringLiteral("1\n") + ParametrosParaModulo(parametro) + u'\n');
}

}  // namespace
