#include "platform/selector_consultas.h"

#include "platform/texto_ansi.h"
#include "support/avisos_grabados.h"
#include "support/base_prueba.h"
#include "numero_de_falla.h"

#include <QLayout>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Four articles, two of them of oak.
class Selector : public ::testing::Test {
protected:
    void SetUp() override
    {
        bd.Sesion().Ejecuta(QStringLiteral(
            "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion) VALUES "
            "('MESA01', 'Mesa de pino'), ('MESA02', 'Mesa ratona de roble'), "
            "('SILLA02', 'Silla de ROBLE'), ('TABPIN', 'Tabla de pino')"));
        selector.Sesion = [this]() -> SesionBD& { return bd.Sesion(); };
        selector.CampoRetorno = QStringLiteral("IDARTICULO");
    }

    // Shows the list with a script acting on its dialog.
    QVariant elige(const QString& consulta, std::function<int(DialogoSelector&)> guion)
    {
        avisos.ResponderDialogo([guion](QDialog& d) {
            auto& dialogo = dynamic_cast<DialogoSelector&>(d);
            dialogo.show();
            dialogo.layout()->activate();
            return guion(dialogo);
        });
        selector.Mostrar(consulta);
        return selector.Resultado();
    }

    static int filas(DialogoSelector& d) { return d.Tabla().model()->rowCount(); }

    BasePrueba bd;
    AvisosGrabados avisos;
    SelectorConsultas selector;
    const QString consulta = QStringLiteral("select Descripcion, IDARTICULO from V_MA_ARTICULOS order by IDARTICULO");
};

TEST_F(Selector, ElFiltroEscritoAcotaYEnterDevuelveLaColumnaDeRetorno)
{
    const QVariant r = elige(consulta, [](DialogoSelector& d) {
        EXPECT_EQ(filas(d), 4);
        QTest::keyClicks(&d.Filtro(), QStringLiteral("roble"));   // any letter case
        EXPECT_EQ(filas(d), 2);
        QTest::keyClicks(&d.Filtro(), QStringLiteral(" silla"));  // every word must appear
        EXPECT_EQ(filas(d), 1);
        QTest::keyClick(&d.Filtro(), Qt::Key_Backspace);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(&d.Filtro(), Qt::Key_Backspace);
        EXPECT_EQ(filas(d), 2);
        QTest::keyClick(&d.Filtro(), Qt::Key_Down);   // the arrows move through the list from the filter
        QTest::keyClick(&d.Filtro(), Qt::Key_Return);
        return d.result();
    });
    EXPECT_EQ(r.toString(), QStringLiteral("SILLA02"));
    // The query ran as written.
    EXPECT_EQ(bd.Sesion().Bitacora().last(), consulta);
}

TEST_F(Selector, EscYCerrarSinElegirDejanElResultadoVacio)
{
    EXPECT_EQ(elige(consulta, [](DialogoSelector& d) {
                  QTest::keyClicks(&d.Filtro(), QStringLiteral("pino"));
                  QTest::keyClick(&d.Filtro(), Qt::Key_Escape);
                  return d.result();
              }).toString(),
              QString());
    // A filter that leaves nothing: Enter chooses nothing and the list stays open.
    EXPECT_EQ(elige(consulta, [](DialogoSelector& d) {
                  QTest::keyClicks(&d.Filtro(), QStringLiteral("nogal"));
                  EXPECT_EQ(filas(d), 0);
                  QTest::keyClick(&d.Filtro(), Qt::Key_Return);
                  EXPECT_TRUE(d.isVisible());
                  d.reject();
                  return d.result();
              }).toString(),
              QString());
    // The list closed unanswered (the scripted service's default).
    selector.Mostrar(consulta);
    EXPECT_FALSE(selector.Resultado().isValid());
}

TEST_F(Selector, DobleClicElige)
{
    const QVariant r = elige(consulta, [](DialogoSelector& d) {
        QTableView& t = d.Tabla();
        const QRect celda = t.visualRect(t.model()->index(2, 0));
        // Through the window, as the platform delivers a double-click (press, release, press, double).
        QTest::mouseDClick(d.windowHandle(), Qt::LeftButton, {}, t.viewport()->mapTo(&d, celda.center()));
        return d.result();
    });
    EXPECT_EQ(r.toString(), QStringLiteral("SILLA02"));
}

QByteArray registroGuardado(const char* titulo, const char* vista, const char* columnas)
{
    auto campo = [](const char* t, int ancho) { return TextoAnsi::Codifica(QString::fromUtf8(t).leftJustified(ancho)); };
    return campo(titulo, 100) + campo(vista, 100) + campo(columnas, 500) + campo("", 500) + QByteArray("\r\n");
}

TEST_F(Selector, UnNombreDeVistaUsaLasColumnasDelArchivoDeConsultas)
{
    CarpetaTemporal carpeta;
    carpeta.Escribe(QStringLiteral("consultas.qsl"), registroGuardado("RUBROS", "V_TA_RUBROS", "|Descripcion|IdRubro|") +
                                                          registroGuardado("ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|"));
    selector.ArchivoConsultas = carpeta.Archivo(QStringLiteral("consultas.qsl"));
    QString titulo;
    // The column returned is added when the record leaves it out.
    EXPECT_EQ(selector.SentenciaDe(QStringLiteral(" v_ma_articulos "), &titulo),
              QStringLiteral("SELECT DESCRIPCION,IDARTICULO FROM v_ma_articulos"));
    EXPECT_EQ(titulo, QStringLiteral("ARTICULOS"));
    EXPECT_EQ(selector.SentenciaDe(QStringLiteral("VT_PROVEEDORES"), &titulo), QStringLiteral("SELECT * FROM VT_PROVEEDORES"));
    EXPECT_EQ(titulo, QStringLiteral("VT_PROVEEDORES"));

    const QVariant r = elige(QStringLiteral("V_MA_ARTICULOS"), [](DialogoSelector& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("ARTICULOS"));
        EXPECT_EQ(d.Tabla().model()->columnCount(), 2);
        QTest::keyClicks(&d.Filtro(), QStringLiteral("tabla"));
        QTest::keyClick(&d.Filtro(), Qt::Key_Enter);
        return d.result();
    });
    EXPECT_EQ(r.toString(), QStringLiteral("TABPIN"));
}

TEST_F(Selector, UnaColumnaDeRetornoAusenteEsUnaFalla)
{
    selector.CampoRetorno = QStringLiteral("IdFamilia");
    EXPECT_EQ(NumeroDeFalla([&] { selector.Mostrar(consulta); }), 3265);
    EXPECT_EQ(avisos.dialogosMostrados, 0);
    SelectorConsultas sinSesion;
    EXPECT_EQ(NumeroDeFalla([&] { sinSesion.Mostrar(consulta); }), 91);
}

}  // namespace
