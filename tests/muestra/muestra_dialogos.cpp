// Opens one of the voucher class's dialogs on a fresh copy of the demo
// database, as a voucher window of the suite would, so it can be looked at and
// driven by hand (screenshots, key tries). What the caller gets back is
// printed when the dialog closes.
//
//   muestra_dialogos posiciones | entrada | salida | comprobantes TC | despacho | vencimiento | ventas
#include "picker/FrmDespacho.h"
#include "picker/FrmMvVentas.h"
#include "platform/avisos.h"
#include "platform/controles/grilla.h"
#include "platform/traduccion_qt.h"
#include "session/ModGlobal.h"
#include "support/sesion_global.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <QApplication>
#include <QLocale>
#include <clocale>
#include <cstdio>

namespace {

void imprime(const char* nombre, const QString& valor)
{
    std::printf("%s=%s\n", nombre, valor.toUtf8().constData());
}

int uso()
{
    std::fprintf(stderr, "uso: muestra_dialogos posiciones | entrada | salida | comprobantes TC | despacho | "
                         "vencimiento | ventas\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QStringLiteral("OrvandisPruebas"));
    QCoreApplication::setApplicationName(QStringLiteral("V_Pelmaro"));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    CargaTraduccionQt();
    if (argc < 2)
        return uso();
    const QString cual = QString::fromLocal8Bit(argv[1]);
    SesionGlobal sesion(BasePrueba::ConDemo);
    ClsCmnCptes cpte;

    if (cual == QLatin1String("posiciones")) {
        // Barniz in litres, 4 asked for in depot 1: positions and lots.
        double cantidad = 4;
        QString posiciones, lotes;
        cpte.PidePosicionLote(QStringLiteral("BARN01"), QStringLiteral("LT"), cantidad, QStringLiteral("1"), QString(),
                              QString(), posiciones, lotes, true, true);
        imprime("Posiciones", posiciones);
        imprime("Lotes", lotes);
        imprime("Cantidad", QString::number(cantidad));
    } else if (cual == QLatin1String("entrada")) {
        // Three armchairs coming in, one serial number each.
        QString series, lotes;
        cpte.PideSerieLote(QStringLiteral("SILLON01"), 3, QString(), QString(), series, lotes, true, false, false);
        imprime("Series", series);
        imprime("Lotes", lotes);
    } else if (cual == QLatin1String("salida")) {
        // Five litres of varnish going out of depot 1, by lot.
        Grilla g;
        g.setCols(101);
        g.setRows(2);
        g.setTextMatrix(1, 0, QStringLiteral("BARN01"));
        g.setRow(1);
        double cantidad = 5;
        QString lotes, cantidades, deposito;
        cpte.PideSerieLote_Salidas(g, QStringLiteral("BARN01"), QStringLiteral("Barniz"), cantidad, QString(),
                                   QString(), lotes, cantidades, true, false, false, deposito, true);
        imprime("Lotes", lotes);
        imprime("Cantidades", cantidades);
        imprime("Cantidad", QString::number(cantidad));
        imprime("Deposito", deposito);
    } else if (cual == QLatin1String("comprobantes")) {
        if (argc < 3)
            return uso();
        QString numero, complemento, proveedor;
        cpte.ConsultaComprobante(QString::fromLocal8Bit(argv[2]), numero, QVariant(), &complemento, &proveedor);
        imprime("Respuesta", numero);
        imprime("IdComplemento", complemento);
        imprime("Proveedor", proveedor);
    } else if (cual == QLatin1String("despacho") || cual == QLatin1String("vencimiento")) {
        FrmDespacho f;
        // The caller chooses the expiry-date mode through the customs office.
        if (cual == QLatin1String("vencimiento"))
            f.Aduana = QStringLiteral("PERECEDERO");
        Avisos::Actual().Dialogo(f);
        imprime("Despacho", f.Despacho);
        imprime("Origen", f.Origen);
        imprime("Aduana", f.Aduana);
    } else if (cual == QLatin1String("ventas")) {
        FrmMvVentas f;
        f.show();
        return app.exec();
    } else {
        return uso();
    }
    return 0;
}
