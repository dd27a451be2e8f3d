// The look every window of the suite shares: the main window's status bar,
// the skin this workstation chose, the suite's icon and toolbar style.
#include "session/ModGlobal.h"

#include "platform/controles/barra_estado.h"
#include "platform/eventos.h"
#include "platform/skin_framework.h"
#include "platform/recorte.h"

#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>


namespace ModGlobal {

std::int16_t gEstiloSkin = 0;

namespace {

struct Skin {
    const char* ruta;      // below the application folder
    const char* ajustes;   // settings file of a folder skin
};

Skin SkinDelNumero(int numero)
{
    switch (numero) {
    case 1: return {"Styles/Vista.qss", ""};
    case 2: return {"Styles/WinXP.Luna.qss", ""};
    case 3: return {"Styles/WinXP.Royale.qss", ""};
    case 4: return {"Styles/iTunes", "Normalitunes.ini"};
    default: return {"Styles/Office2007.qss", ""};
    }
}

// The number a value begins with, as a 16-bit integer; one that does not fit
// reads as none.
std::int16_t NumeroCorto(const QString& valor)
{
    try {
        return Entero16(FormaNumero(valor));
    } catch (const Falla&) {
        return 0;
    }
}

QString VersionDelPrograma()
{
    return QStringLiteral("V.%1.%2.%3")
        .arg(TERVALIO_VERSION_MAJOR)
        .arg(TERVALIO_VERSION_MINOR)
        .arg(TERVALIO_VERSION_REVISION);
}

}  // namespace

void InicializaBarraEstado(BarraEstado& sbStatusBar, const QString& Mensaje)
{
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("InicializaBarraEstado"));
    PanelesBarra& paneles = sbStatusBar.Panels();
    auto panel = [&](const char* clave) -> Panel& { return paneles.Item(QLatin1String(clave)); };

    p.paso([&] { panel("MENSAJE").setText(Mensaje); });
    // Filled before: only the message changes.
    bool lleno = false;
    p.paso([&] { lleno = !panel("SERVER").Text().isEmpty(); });
    if (lleno)
        return;

    p.paso([&] { panel("SERVER").setText(QStringLiteral("Srv: ") + gSesionBD->Servidor); });
    p.paso([&] { panel("USUARIO").setText(QStringLiteral("Uid: ") + gSesionBD->Usuario); });
    p.paso([&] {
        Panel& base = panel("BASEDEDATOS");
        base.setText(QStringLiteral("Db: ") + gSesionBD->BaseDeDatos);
        base.setToolTipText(base.Text());
    });
    p.paso([&] {
        if (gCaja.isEmpty())
            gCaja = QStringLiteral("1");
    });
    auto descripcionCaja = [](const QString& tabla) {
        return gUtilidades->ValorNoNuloTexto(gSesionBD->ObtieneValor(
            tabla, gCaja, QStringLiteral("Descripcion"), QStringLiteral("IdCajas"), 8, QString(), true, true));
    };
    QString descripcion;
    p.paso([&] { descripcion = descripcionCaja(QStringLiteral("@Admin_V_TA_Cajas")); });
    p.paso([&] {
        if (!Recorta(descripcion).isEmpty())
            return;
        // A cash box this database does not know yet is created.
        gSesionBD->Ejecuta(QStringLiteral("INSERT INTO @Admin_V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES(") +
                           gSesionBD->ValorSQL(gUtilidades->AjustaAncho(Recorta(gCaja), 4), QStringLiteral("'")) +
                           u',' + gSesionBD->ValorSQL(QStringLiteral("CAJA ") + gCaja, QStringLiteral("'")) + u')');
    });
    p.paso([&] { panel("CAJA").setText(gCaja + u' ' + descripcionCaja(QStringLiteral("V_TA_Cajas"))); });
    p.paso([&] { panel("VERSION").setText(VersionDelPrograma()); });
    for (const char* clave : {"SERVER", "USUARIO", "BASEDEDATOS", "CAJA"})
        p.paso([&] { panel(clave).setToolTipText(panel(clave).Text()); });
}

void AplicaSkin(QWidget& ventana)
{
    const QString seccion = gInfoSistema->UsuarioEquipo().toUpper() + QStringLiteral("Styles");
    QString valor;
    gLectorIni->LeeClave(QStringLiteral("cn000pr.ini"), seccion, QStringLiteral("Styles"), QStringLiteral("1"), valor);
    gEstiloSkin = NumeroCorto(valor);

    const Skin skin = SkinDelNumero(gEstiloSkin);
    const QString ruta = gUtilidades->NormalizaRuta(Sistema::CarpetaAplicacion()) + QLatin1String(skin.ruta);

    auto* control = ventana.findChild<SkinFramework*>(QStringLiteral("SkinFramework1"));
    if (!control)
        throw Falla(438, QStringLiteral("El objeto no admite esta propiedad o método: SkinFramework1"));
    control->LoadSkin(ruta, QLatin1String(skin.ajustes));
    control->ApplyWindow(&ventana);
    control->ApplyOptions = control->ApplyOptions | 1;
}

void AplicaIconoFormulario(QWidget& ventana)
{
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("AplicaIconoFormulario"));
    QIcon icono;
    p.paso([&] { icono = QIcon(QPixmap(QStringLiteral(":/ICONQUESSEL"))); });
    p.paso([&] {
        if (icono.isNull()) {
            const QString archivo = Sistema::BuscaArchivo(QDir::currentPath(), QStringLiteral("quessel.ico"));
            if (!archivo.isEmpty())
                icono = QIcon(QPixmap(archivo));
        }
        ventana.setWindowIcon(icono);
    });
    p.paso([&] {
        if (QString::fromLatin1(ventana.metaObject()->className()).compare(u"FRMMDI", Qt::CaseInsensitive) == 0)
            return;
        // Flat toolbars raise their buttons only under the pointer.
        for (const char* nombre : {"UtilNet1", "TBarRep1", "Util0011"}) {
            auto* barra = ventana.findChild<QToolBar*>(QLatin1String(nombre));
            if (!barra)
                continue;
            barra->setProperty("StyleBar", gFlatToolbars);
            for (QToolButton* boton : barra->findChildren<QToolButton*>())
                boton->setAutoRaise(gFlatToolbars != 0);
        }
        // A window set up in its caller's event (a dialog about to be shown)
        // does not yet hold the caller back: input waits for the show.
        Eventos::Pendientes();
    });
}

}  // namespace ModGlobal
