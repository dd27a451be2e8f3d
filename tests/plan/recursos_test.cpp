// What repeated use leaves behind: an operator keeps the window open all day
// and other modules call the voucher class's dialogs many times in one
// process. Each entry point runs many times over; the open statements, the
// transaction, the files, the windows and the threads are the same after as
// after the first round.
#include "ventana_prueba.h"

#include "lots/FrmCargaLotesySeries.h"
#include "lots/FrmLoteyPosicion.h"
#include "picker/FrmConsComprobantes.h"
#include "picker/FrmDespacho.h"
#include "platform/controles/grilla.h"
#include "platform/controles/vista_grilla.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>

namespace {

namespace C = ColArticulos;

// What the process holds that a call could leave behind.
struct Recuento {
    int descriptores = 0;
    int hilos = 0;
    int ventanas = 0;
    int ventanasVisibles = 0;
    QStringList temporales;
    QStringList detalle;   // what the descriptors and threads are, for a failure's message
    EstadoMotor motor;

    static Recuento Ahora()
    {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Recuento r;
        r.descriptores = int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
        for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::NoDotAndDotDot | QDir::AllEntries))
            r.detalle << fd.symLinkTarget();
        // Qt's own pool (image scaling) starts threads of its own, each with its
        // event descriptor, up to one per core, and ends them when idle: not ours.
        int dePiscina = 0;
        for (const QString& t : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries)) {
            QFile f(QStringLiteral("/proc/self/task/%1/comm").arg(t));
            const QString nombre = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
            if (nombre == QLatin1String("Thread (pooled)"))
                ++dePiscina;
            else
                ++r.hilos;
            r.detalle << QStringLiteral("hilo ") + nombre;
        }
        r.descriptores -= dePiscina;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            ++r.ventanas;
            if (w->isVisible())
                ++r.ventanasVisibles;
        }
        r.temporales = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                           .entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        if (ModGlobal::gSesionBD.Creado())
            r.motor = ModGlobal::gSesionBD->Conexion.Estado();
        return r;
    }
};

void EsperaLoMismo(const Recuento& antes, const Recuento& despues, const char* que)
{
    SCOPED_TRACE(que);
    SCOPED_TRACE((antes.detalle.join(u' ') + QStringLiteral("  ->  ") + despues.detalle.join(u' ')).toStdString());
    EXPECT_EQ(despues.descriptores, antes.descriptores);
    EXPECT_EQ(despues.hilos, antes.hilos);
    EXPECT_EQ(despues.ventanas, antes.ventanas);
    EXPECT_EQ(despues.ventanasVisibles, antes.ventanasVisibles);
    EXPECT_EQ(despues.temporales, antes.temporales);
    EXPECT_EQ(despues.motor.sentenciasVivas, 0);
    EXPECT_FALSE(despues.motor.enTransaccion);
    EXPECT_EQ(despues.motor.nivel, 0);
}

class Recursos : public VentanaPrueba {
protected:
    // Runs the step once to warm what is made once per process, then many
    // times, and compares.
    template <class F>
    void Repite(const char* que, F&& paso, int veces = 25)
    {
        paso();
        const Recuento antes = Recuento::Ahora();
        for (int i = 0; i < veces; ++i)
            paso();
        EsperaLoMismo(antes, Recuento::Ahora(), que);
    }
};

TEST_F(Recursos, LaVentanaUsadaMuchasVecesNoDejaNada)
{
    FrmTervalio& v = *ventana;
    Repite("arboles", [&] {
        v.CargarRubros();
        v.CargarFamilias();
    });
    Repite("lista", [&] {
        QString donde;
        v.CargarArticulos(QString(), QString(), QString(), QString(), donde, false);
    });
    Repite("borrador", [&] {
        NombraPlan(QStringLiteral("15/01/2027"));
        QTest::keyClick(v.vistaMSFlexGrid2, Qt::Key_F2);
    });
    Repite("proyeccion", [&] {
        v.SSTab2.setTab(2);
        v.TxtFields[11]->setText(QStringLiteral("01/01/2027"));
        v.TxtFields[12]->setText(QStringLiteral("31/01/2027"));
        QTest::mouseClick(v.CmdCargarProyect, Qt::LeftButton);
    });
    Repite("ficha", [&] { QTest::mouseClick(v.CmdFichaStock, Qt::LeftButton); });
    // Each export leaves its workbook for the spreadsheet program, and nothing else.
    v.SSTab2.setTab(0);
    avisos.ResponderDialogo([](QDialog&) { return 0; });
    QTest::mouseClick(v.CmdExpExcel, Qt::LeftButton);
    const Recuento antes = Recuento::Ahora();
    const size_t abiertosAntes = abiertos.size();
    for (int i = 0; i < 10; ++i) {
        avisos.ResponderDialogo([](QDialog&) { return 0; });
        QTest::mouseClick(v.CmdExpExcel, Qt::LeftButton);
    }
    Recuento despues = Recuento::Ahora();
    ASSERT_EQ(abiertos.size(), abiertosAntes + 10);
    for (size_t i = abiertosAntes; i < abiertos.size(); ++i)
        despues.temporales.removeOne(QFileInfo(abiertos[i]).fileName());
    EsperaLoMismo(antes, despues, "exportar");
}

TEST_F(Recursos, LosDialogosDeLaClaseNoDejanNada)
{
    ClsCmnCptes cpte;
    const auto cancela = [](QDialog& d) {
        d.show();
        QApplication::processEvents();
        return 0;
    };
    Repite("entrada", [&] {
        avisos.ResponderDialogo(cancela);
        QString series, lotes;
        cpte.PideSerieLote(QStringLiteral("SILLON01"), 3, QString(), QString(), series, lotes, true, false, false);
    });
    Repite("posiciones", [&] {
        avisos.ResponderDialogo(cancela);
        double cantidad = 4;
        QString posiciones, lotes;
        cpte.PidePosicionLote(QStringLiteral("BARN01"), QStringLiteral("LT"), cantidad, QStringLiteral("1"), QString(),
                              QString(), posiciones, lotes, true, true);
    });
    Grilla g;
    g.setCols(C::Cantidad_Columnas);
    g.setRows(2);
    g.setTextMatrix(1, 0, QStringLiteral("BARN01"));
    g.setRow(1);
    for (const bool mostrar : {true, false})
        Repite(mostrar ? "salida" : "salida sin mostrar", [&] {
            if (mostrar)
                avisos.ResponderDialogo(cancela);
            double cantidad = 5;
            QString lotes, cantidades, deposito;
            cpte.PideSerieLote_Salidas(g, QStringLiteral("BARN01"), QStringLiteral("Barniz"), cantidad, QString(),
                                       QString(), lotes, cantidades, true, false, false, deposito, mostrar);
        });
    Repite("comprobantes", [&] {
        avisos.ResponderDialogo(cancela);
        QString numero, complemento, proveedor;
        cpte.ConsultaComprobante(QStringLiteral("OC"), numero, QVariant(), &complemento, &proveedor);
    });
    Repite("despacho", [&] {
        avisos.ResponderDialogo(cancela);
        FrmDespacho f;
        Avisos::Actual().Dialogo(f);
    });
}

}  // namespace
