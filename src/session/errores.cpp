#include "session/ModGlobal.h"

#include "platform/avisos.h"
#include "platform/fechas.h"
#include "platform/recorte.h"
#include "platform/texto_ansi.h"

namespace ModGlobal {

namespace {

QString textoRespuesta(int respuesta)
{
    switch (respuesta) {
    case 4: return QStringLiteral("Reintentar");
    case 5: return QStringLiteral("Ignorar");
    case 3: return QStringLiteral("Abortar");
    case 2: return QStringLiteral("Cancelar");
    case 6: return QStringLiteral("Sí");
    case 7: return QStringLiteral("No");
    }
    return QString();
}

QString lineaDeRegistro(const QString& mensaje, const QString& procedimiento, int respuesta)
{
    QString linea = Fechas::Formatea(Sistema::Ahora(), QStringLiteral("mm-dd-yyyy hh:mm:ss")) + QStringLiteral(" Rutina: ");
    if (!procedimiento.isEmpty())
        linea += Recorta(QStringLiteral(" - ") + procedimiento);
    linea += QStringLiteral(" Mensaje ") + Recorta(mensaje) + QStringLiteral(" Respondió : ") +
             textoRespuesta(respuesta) + QStringLiteral("\r\n");
    return linea;
}

}  // namespace

QString ArchivoErrores()
{
    QString carpeta;
    if (!qEnvironmentVariable("TEMP").isEmpty())
        carpeta = qEnvironmentVariable("TMP");
    carpeta = carpeta.trimmed();
    if (carpeta.isEmpty())
        carpeta = InfoSistema::CarpetaSistema();
    carpeta = gUtilidades->NormalizaRuta(carpeta);
    if (!carpeta.endsWith(u'/'))
        carpeta += u'/';
    return carpeta + QStringLiteral("QSERR.LOG");
}

int ManejaError(const Falla& falla, int botones, const QString& procedimiento)
{
    // The log is opened before the failure is looked at: a failure 0 still
    // leaves the (empty) file behind.
    const QString archivo = ArchivoErrores();
    TextoAnsi::Agrega(archivo, QString());

    const QString mensaje = TextoDeFalla(falla);
    QString titulo = falla.Origen;
    if (!procedimiento.isEmpty())
        titulo += QStringLiteral(" - ") + procedimiento;
    titulo += QStringLiteral(" Aviso al operador!!! - 2 ");

    if (falla.Numero == 0)
        return 0;
    const int respuesta = MsgBox(mensaje, botones, titulo);

    // A log that cannot be written does not stop the answer.
    TextoAnsi::Agrega(archivo, lineaDeRegistro(mensaje, procedimiento, respuesta));
    return respuesta;
}

void AnotaFalla(const Falla& falla, const QString& procedimiento)
{
    TextoAnsi::Agrega(ArchivoErrores(), lineaDeRegistro(TextoDeFalla(falla), procedimiento, 0));
}

GestorError GestorManejaError(int botones)
{
    return [botones](const Falla& f, const QString& procedimiento) { return ManejaError(f, botones, procedimiento); };
}

GestorError GestorManejaErrorSinNombre(int botones)
{
    return [botones](const Falla& f, const QString&) { return ManejaError(f, botones, QString()); };
}

GestorError GestorUtilidades()
{
    return [](const Falla& f, const QString& procedimiento) { return gUtilidades->GestionaError(f, procedimiento); };
}

}  // namespace ModGlobal

namespace ModGlobal {

void RegistraErrorAuxErr(QString& sql, QString& proceso, long& numero, QString& descripcion)
{
    // Every failure here is passed over: no table or no session records nothing.
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("RegistraErrorAuxErr"));
    if (proceso.isEmpty())
        proceso = Sistema::NombreEjecutable();
    Recordset rs;
    p.paso([&] { gSesionBD->AbreRecordset(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), rs, nullptr, 2, 3, -1, true); });
    p.paso([&] { rs.AddNew(); });
    p.paso([&] { rs.Fields(QStringLiteral("Proceso")) = proceso; });
    p.paso([&] { rs.Fields(QStringLiteral("fecha")) = Fechas::Formatea(Sistema::Ahora(), FormatoFechaHora()); });
    p.paso([&] { rs.Fields(QStringLiteral("Error")) = static_cast<qint32>(numero); });
    p.paso([&] { rs.Fields(QStringLiteral("Descripcion")) = gUtilidades->CortaTexto(descripcion, 250); });
    p.paso([&] { rs.Fields(QStringLiteral("SQL")) = sql; });
    p.paso([&] { rs.Fields(QStringLiteral("pc")) = InfoSistema::NombreMaquina(); });
    p.paso([&] { rs.Fields(QStringLiteral("Usuario")) = gSesionBD->Usuario; });
    p.paso([&] { rs.Update(); });
    p.paso([&] { gSesionBD->CierraRecordset(rs); });
}

void EjecutaRegistrando(SesionBD& sesion, const QString& sql)
{
    try {
        sesion.Ejecuta(sql);
    } catch (const Falla& f) {
        // A failure the connection did not record (a lost connection) is a failure all the same.
        if (sesion.Conexion.Errors.Count() == 0)
            sesion.Conexion.Errors.Agrega(ErrorBD{f.Numero, f.Numero, f.Descripcion, f.Origen});
    } catch (...) {
        sesion.Conexion.Errors.Agrega(ErrorBD{5, 5, QStringLiteral("Error desconocido"), OrigenPrograma()});
    }
}

QString TextoDeErrores(const ErroresBD& errores)
{
    // One error gives its line; several give every line but the last.
    QString texto;
    const long hasta = errores.Count() == 1 ? 1 : errores.Count() - 1;
    for (long i = 0; i < hasta; ++i)
        texto += QString::number(errores.Item(i).NativeError) + QStringLiteral(" : ") + errores.Item(i).Description +
                 QStringLiteral("\r\n");
    return texto;
}

void GActualizarDatoScript(const QStringList& script, bool& hayError, long& numeroError, bool toleraDuplicado,
                           bool toleraReferencia, QString& textoEjecutado, QString& textoError, bool mostrarErrores)
{
    Procedimiento p(QStringLiteral("GActualizarDatoScript"), GestorManejaError());
    SesionBD& sesion = *gSesionBD;
    hayError = false;
    QString texto;
    for (const QString& elemento : script)
        if (!Recorta(elemento).isEmpty())
            texto += u'\r' + elemento;
    if (texto.isEmpty())
        return;

    const QString envuelto = QStringLiteral("BEGIN TRANSACTION ") + QStringLiteral("\r\r") + texto + u'\r';
    textoEjecutado = envuelto;
    long primerNumero = 0;
    QString errores;
    // Once the batch went out, the transaction is always closed, whatever is answered.
    bool enviado = false, cerrado = false;
    const auto deshace = [&] {
        try {
            sesion.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
        } catch (...) {
        }
        cerrado = true;
    };

    p.paso([&] {
        enviado = true;
        EjecutaRegistrando(sesion, envuelto);
    });
    p.paso([&] {
        ErroresBD& lista = sesion.Conexion.Errors;
        if (lista.Count() == 0)
            return;
        primerNumero = lista.Item(0).NativeError;
        hayError = true;
        errores = TextoDeErrores(lista);
        textoError = errores;
        if ((toleraDuplicado && primerNumero == 2627) || (toleraReferencia && primerNumero == 547)) {
            textoError = lista.Item(0).Description;
            errores.clear();
        }
        lista.Clear();
    });
    p.paso([&] {
        if (hayError) {
            deshace();
            QString proceso = Sistema::NombreEjecutable();
            QString sql = envuelto;
            RegistraErrorAuxErr(sql, proceso, primerNumero, errores);
            if (!Recorta(errores).isEmpty() && mostrarErrores)
                MsgBox(errores, Avisos::Critico | Avisos::SoloAceptar, QStringLiteral("Aviso al Operador!"));
        } else {
            // Only a commit that went through is a success: one that failed is
            // rolled back below, whatever the operator answers, and flagged.
            hayError = true;
            sesion.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
            hayError = false;
            cerrado = true;
        }
    });
    p.paso([&] { numeroError = primerNumero; });
    if (enviado && !cerrado)
        deshace();
}

}  // namespace ModGlobal
