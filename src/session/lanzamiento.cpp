// Sibling modules of the suite started with this run's session.
#include "session/ModGlobal.h"

#include "platform/avisos.h"

#include <QFileInfo>

namespace ModGlobal {

namespace {

// The executable named in a folder, found without regard to case and with or
// without ".EXE"; the name as it came when there is none (the start then fails).
QString ubicaEjecutable(const QString& ruta)
{
    const QFileInfo info(ruta);
    if (info.isFile())
        return ruta;
    const QString hallado = Sistema::BuscaArchivo(info.path(), info.fileName(), true);
    return hallado.isEmpty() ? ruta : hallado;
}

QString programaDe(const QString& programa)
{
    // A full path: Windows' "\" or ours.
    if (programa.contains(u'\\') || programa.contains(u'/')) {
        QString ruta = programa.mid(6);   // after "SHELL:"
        ruta.replace(u'\\', u'/');
        return ubicaEjecutable(ruta);
    }
    const QString carpeta = gUtilidades->NormalizaRuta(Sistema::CarpetaAplicacion());
    if (programa.contains(QLatin1String("SHELL"), Qt::CaseInsensitive))
        return ubicaEjecutable(carpeta + programa.mid(6));
    return ubicaEjecutable(carpeta + programa);
}

}  // namespace

QString ParametrosParaModulo(const QString& parametroAdicional)
{
    const SesionBD& sesion = *gSesionBD;
    return QStringLiteral(" ; @server=") + sesion.Servidor + QStringLiteral("; @dbname=") + sesion.BaseDeDatos +
           QStringLiteral("; @usuario=") + sesion.Usuario + QStringLiteral("; @Password=") + sesion.Password +
           QStringLiteral("; @ParametroAdicional=") + parametroAdicional +
           QStringLiteral("; keld@ ; @UsuarioLogeado = ") + gUsuarioLogeado + QStringLiteral("; @Caja=") + gCaja + u';';
}

void MenuExes(QString& programa, QString& parametro, long& resultado)
{
    Procedimiento p(QStringLiteral("MenuExes"), GestorManejaError());
    const qsizetype blanco = parametro.indexOf(u' ');
    if (blanco >= 0)
        parametro = parametro.mid(blanco + 1);
    const QString parametros = ParametrosParaModulo(parametro);
    const QString ejecutable = programaDe(programa);
    resultado = 0;
    p.paso([&] {
        // The child reads the parameter string as it was built: one argument.
        resultado = static_cast<long>(Sistema::Lanzar(ejecutable, {parametros}, QFileInfo(ejecutable).path()));
        if (resultado != 0)
            return;
        if (!QFileInfo(ejecutable).isFile())
            throw Falla(53, QStringLiteral("No se encontró el archivo ") + ejecutable, OrigenPrograma());
        throw Falla(75, QStringLiteral("Error de acceso a la ruta o el archivo ") + ejecutable, OrigenPrograma());
    });
    if (p.abandonado())
        return;
    if (resultado == 0)
        MsgBox(QStringLiteral("Opcion no Implementada!") + u'\r' + QStringLiteral("Comuniquese con su proveedor de sistemas"),
               Avisos::Critico | Avisos::SoloAceptar, QStringLiteral("Atención"));
}

}  // namespace ModGlobal
