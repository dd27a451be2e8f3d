#include "platform/lector_ini.h"

#include "platform/sistema.h"
#include "platform/texto_ansi.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// The code page, unless the file opens with a byte-order mark (an editor that
// saved it as UTF-8 or UTF-16); the mark itself is no part of the first line.
QString textoDelArchivo(const QByteArray& bytes)
{
    if (const auto marcada = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decodificador(*marcada);
        return decodificador.decode(bytes);
    }
    return TextoAnsi::Decodifica(bytes);
}

}  // namespace

QString LectorIni::UbicaArchivo(const QString& archivo)
{
    QString ruta = archivo;
    ruta.replace(u'\\', u'/');
    const QFileInfo info(ruta);
    if (ruta.contains(u'/')) {
        const QString hallado = Sistema::BuscaArchivo(info.absolutePath(), info.fileName());
        return hallado.isEmpty() ? ruta : hallado;
    }
    for (const QString& carpeta : {Sistema::CarpetaAplicacion(), InfoSistema::CarpetaSistema()}) {
        const QString hallado = Sistema::BuscaArchivo(carpeta, ruta);
        if (!hallado.isEmpty())
            return hallado;
    }
    return InfoSistema::CarpetaSistema() + u'/' + ruta;
}

void LectorIni::LeeClave(const QString& archivo, const QString& seccion, const QString& clave,
                         const QString& porDefecto, QString& valor) const
{
    valor = porDefecto;
    QFile f(UbicaArchivo(archivo));
    if (!f.open(QIODevice::ReadOnly))
        return;
    // A lone CR ends a line too (files of old editors).
    const QString contenido = textoDelArchivo(f.readAll()).replace(u'\r', u'\n');
    const QString buscada = seccion.trimmed();
    const QString claveBuscada = clave.trimmed();
    bool enSeccion = false;
    for (QStringView linea : QStringView(contenido).split(u'\n')) {
        linea = linea.trimmed();
        if (linea.isEmpty() || linea.startsWith(u';'))
            continue;
        if (linea.startsWith(u'[')) {
            const qsizetype fin = linea.indexOf(u']');
            const QStringView nombre = linea.mid(1, fin < 0 ? -1 : fin - 1).trimmed();
            enSeccion = nombre.compare(buscada, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!enSeccion)
            continue;
        const qsizetype igual = linea.indexOf(u'=');
        if (igual < 0)
            continue;
        if (linea.left(igual).trimmed().compare(claveBuscada, Qt::CaseInsensitive) != 0)
            continue;
        QStringView v = linea.mid(igual + 1).trimmed();
        // Windows drops one pair of surrounding quotes.
        if (v.size() >= 2 && ((v.front() == u'"' && v.back() == u'"') || (v.front() == u'\'' && v.back() == u'\'')))
            v = v.mid(1, v.size() - 2);
        valor = v.toString();
        return;
    }
}

QString LectorIni::LeeClave(const QString& archivo, const QString& seccion, const QString& clave,
                            const QString& porDefecto) const
{
    QString valor;
    LeeClave(archivo, seccion, clave, porDefecto, valor);
    return valor;
}
