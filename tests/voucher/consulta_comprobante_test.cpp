// The voucher picker through the voucher class: the window is scripted as the
// operator would use it, and what it hands back reaches the caller.
#include "comprobantes_prueba.h"
#include "picker/FrmConsComprobantes.h"
#include "platform/controles/caja_texto.h"
#include "platform/controles/vista_lista.h"
#include "support/avisos_grabados.h"
#include "voucher/ClsCmnCptes.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Resultado {
    QString respuesta = QStringLiteral("x");
    QString complemento = QStringLiteral("x");
    QString proveedor = QStringLiteral("x");
};

// Shows the window as the modal show does, puts three rows in its list and
// selects the second; then the operator's action.
std::function<int(QDialog&)> Operador(std::function<void(FrmConsComprobantes&)> accion)
{
    return [accion](QDialog& d) {
        auto& v = dynamic_cast<FrmConsComprobantes&>(d);
        v.show();
        v.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&v));
        for (int i = 1; i <= 3; ++i) {
            ListItem& e = v.ListView1.ListItems().Add(0, QString(), QStringLiteral("05/01/26"));
            e.setSubItems(1, QStringLiteral("00010000014%1A").arg(i));
            e.setSubItems(2, QString::number(i));
        }
        v.vistaListView1->Sincronizar();
        v.ListView1.setSelectedItem(&v.ListView1.ListItems().Item(2));
        v.vistaListView1->setFocus();
        accion(v);
        return v.isVisible() ? QDialog::Rejected : v.result();
    };
}

class ConsultaComprobante : public ::testing::Test {
protected:
    explicit ConsultaComprobante(BasePrueba::Datos datos = BasePrueba::SoloEsquema) : s(datos) {}

    Resultado Consulta(const char* tc, const QVariant& filtro = QVariant())
    {
        Resultado r;
        cpte.ConsultaComprobante(QString::fromUtf8(tc), r.respuesta, filtro, &r.complemento, &r.proveedor);
        return r;
    }

    SesionGlobal s;
    AvisosGrabados avisos;
    ClsCmnCptes cpte;
};

TEST_F(ConsultaComprobante, EnterDobleClicYAltAAceptanLaFilaElegida)
{
    avisos.ResponderDialogo(Operador([](FrmConsComprobantes& v) { QTest::keyClick(v.vistaListView1, Qt::Key_Return); }));
    avisos.ResponderDialogo(Operador([](FrmConsComprobantes& v) {
        const QRect r = v.vistaListView1->visualRect(v.vistaListView1->model()->index(0, 1));
        QTest::mouseDClick(v.vistaListView1->viewport(), Qt::LeftButton, {}, r.center());
    }));
    avisos.ResponderDialogo(Operador([](FrmConsComprobantes& v) {
        QTest::keyClick(v.vistaListView1, Qt::Key_A, Qt::AltModifier);
        // A mnemonic clicks once the button has shown itself pressed.
        QTRY_VERIFY(!v.isVisible());
    }));
    const Resultado enter = Consulta("FC");
    EXPECT_EQ(enter.respuesta, QStringLiteral("000100000142A"));
    EXPECT_EQ(enter.complemento, QStringLiteral("2"));
    EXPECT_EQ(enter.proveedor, QString()) << "overwritten";
    const Resultado doble = Consulta("RMC");
    EXPECT_EQ(doble.respuesta, QStringLiteral("000100000141A"));
    EXPECT_EQ(doble.complemento, QString());
    EXPECT_EQ(doble.proveedor, QStringLiteral("1"));
    const Resultado alt = Consulta("PR");
    EXPECT_EQ(alt.respuesta, QStringLiteral("000100000142A"));
    EXPECT_EQ(alt.complemento, QStringLiteral("0"));
    EXPECT_EQ(avisos.dialogosMostrados, 3);
}

TEST_F(ConsultaComprobante, CancelarEscYCierreNoDevuelvenNada)
{
    avisos.ResponderDialogo(Operador([](FrmConsComprobantes& v) { QTest::mouseClick(v.CmdCancelar, Qt::LeftButton); }));
    avisos.ResponderDialogo(Operador([](FrmConsComprobantes& v) { QTest::keyClick(v.vistaListView1, Qt::Key_Escape); }));
    avisos.ResponderDialogo(Operador([](FrmConsComprobantes& v) { v.close(); }));
    for (int i = 0; i < 3; ++i) {
        const Resultado r = Consulta("FC");
        EXPECT_EQ(r.respuesta, QString()) << i;
        EXPECT_EQ(r.complemento, QString()) << i;
        EXPECT_EQ(r.proveedor, QString()) << i;
    }
    EXPECT_EQ(avisos.dialogosMostrados, 3);
}

TEST_F(ConsultaComprobante, CadaLlamadaEmpiezaConUnaVentanaNueva)
{
    avisos.ResponderDialogo(Operador([](FrmConsComprobantes& v) {
        EXPECT_EQ(v.TC, QStringLiteral("RM")) << "the mode decoded by the load";
        EXPECT_EQ(v.Filtro, QStringLiteral("CUENTA = 'C0001'"));
        v.Proveedor = QStringLiteral("queda en esta ventana");
        QTest::keyClick(v.vistaListView1, Qt::Key_Return);
    }));
    QStringList visto;
    avisos.ResponderDialogo([&visto](QDialog& d) {
        auto& v = dynamic_cast<FrmConsComprobantes&>(d);
        visto << v.Filtro << v.NroComprobante << v.IdComplemento << v.Proveedor;
        v.show();
        visto << QString::number(v.ListView1.ListItems().Count());
        QTest::keyClick(&v, Qt::Key_Escape);
        return v.result();
    });
    const Resultado primero = Consulta("rm/pendientes", QStringLiteral("CUENTA = 'C0001'"));
    EXPECT_EQ(primero.proveedor, QStringLiteral("queda en esta ventana"));
    const Resultado segundo = Consulta("FC");
    EXPECT_EQ(visto, (QStringList{"", "", "", "", "0"}));
    EXPECT_EQ(segundo.respuesta, QString());
    EXPECT_EQ(segundo.proveedor, QString());

    // Null output pointers are skipped.
    avisos.ResponderDialogo(Operador([](FrmConsComprobantes& v) { QTest::keyClick(v.vistaListView1, Qt::Key_Return); }));
    QString respuesta;
    cpte.ConsultaComprobante(QStringLiteral("FC"), respuesta);
    EXPECT_EQ(respuesta, QStringLiteral("000100000142A"));
}

TEST_F(ConsultaComprobante, UnaFallaDentroVaAlGestorYNoDevuelveNadaElegido)
{
    // Five goes on and copies the fresh window's empty results; any other
    // answer leaves, and the caller's earlier values must not read as a choice.
    for (const int respuesta : {Avisos::Ignorar, Avisos::Abortar, Avisos::Cancelar}) {
        avisos.preguntas.clear();
        avisos.ResponderDialogo([](QDialog&) -> int { throw Falla(5, QStringLiteral("sin pantalla")); });
        avisos.Responder({respuesta});
        const Resultado r = Consulta("FC");
        ASSERT_EQ(avisos.preguntas.size(), 1u) << respuesta;
        EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral(" - ConsultaComprobante"))) << respuesta;
        EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("sin pantalla"))) << respuesta;
        EXPECT_EQ(r.respuesta, QString()) << respuesta;
        EXPECT_EQ(r.complemento, QString()) << respuesta;
        EXPECT_EQ(r.proveedor, QString()) << respuesta;
    }
}

// On the demo data, as the operator finds and chooses a voucher.
class ConsultaComprobanteDemo : public ConsultaComprobante {
protected:
    ConsultaComprobanteDemo() : ConsultaComprobante(BasePrueba::ConDemo) {}

    // The window as loaded by the modal show, then the operator's action.
    static std::function<int(QDialog&)> Ventana(std::function<void(FrmConsComprobantes&)> accion)
    {
        return [accion](QDialog& d) {
            auto& v = dynamic_cast<FrmConsComprobantes&>(d);
            v.show();
            v.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&v));
            v.vistaListView1->Sincronizar();
            accion(v);
            return v.isVisible() ? QDialog::Rejected : v.result();
        };
    }
};

TEST_F(ConsultaComprobanteDemo, BuscarPorNombreYElegir)
{
    avisos.ResponderDialogo(Ventana([](FrmConsComprobantes& v) {
        EXPECT_EQ(v.ListView1.ListItems().Count(), 3);
        v.TxtNombre->setFocus();
        QTest::keyClicks(v.TxtNombre, QStringLiteral("angelo"));
        QTest::keyClick(v.TxtNombre, Qt::Key_Return);
        QTest::keyClick(v.TxtNumero, Qt::Key_Return);
        QTest::keyClick(v.CmdBuscar, Qt::Key_Return);
        ASSERT_EQ(v.ListView1.ListItems().Count(), 1);
        v.vistaListView1->Sincronizar();
        const QRect r = v.vistaListView1->visualRect(v.vistaListView1->model()->index(0, 1));
        QTest::mouseDClick(v.vistaListView1->viewport(), Qt::LeftButton, {}, r.center());
    }));
    const Resultado r = Consulta("FC");
    EXPECT_EQ(r.respuesta, QStringLiteral("000200000012B"));
    EXPECT_EQ(r.complemento, QStringLiteral("0"));
    EXPECT_EQ(r.proveedor, QString());
}

TEST_F(ConsultaComprobanteDemo, OrdenesDeCompraMarcadasTransporteYNotasDeProveedor)
{
    avisos.ResponderDialogo(Ventana([](FrmConsComprobantes& v) {
        ASSERT_EQ(v.ListView1.ListItems().Count(), 5);
        v.ListView1.ListItems().Item(1).setChecked(true);
        v.ListView1.ListItems().Item(3).setChecked(true);
        QTest::mouseClick(v.CmdAceptar, Qt::LeftButton);
    }));
    avisos.ResponderDialogo(Ventana([](FrmConsComprobantes& v) {
        v.vistaListView1->setFocus();
        QTest::keyClick(v.vistaListView1, Qt::Key_Return);
    }));
    avisos.ResponderDialogo(Ventana([](FrmConsComprobantes& v) {
        v.vistaListView1->setFocus();
        QTest::keyClick(v.vistaListView1, Qt::Key_Return);
    }));
    const Resultado oc = Consulta("OC");
    EXPECT_EQ(oc.respuesta, QStringLiteral("000100000033X,000100000031X"));
    EXPECT_EQ(oc.complemento, QStringLiteral("0"));
    const Resultado viaje = Consulta("RM/TRANSPORTE");
    EXPECT_EQ(viaje.respuesta, QStringLiteral("000100000311X"));
    EXPECT_EQ(viaje.complemento, QStringLiteral("0"));
    const Resultado nota = Consulta("NCPE");
    EXPECT_EQ(nota.respuesta, QStringLiteral("000300000045A"));
    EXPECT_EQ(nota.proveedor, QStringLiteral("P0001"));
    EXPECT_EQ(nota.complemento, QString());
    EXPECT_TRUE(avisos.preguntas.empty());
}

}  // namespace
