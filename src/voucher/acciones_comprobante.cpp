// The audit row of a voucher's creation, change or deletion.
#include "voucher/ClsCmnCptes.h"

#include "platform/fechas.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include <functional>

using namespace ModGlobal;
using LecturaValores::Codigo4;
using LecturaValores::Literal;

void ClsCmnCptes::ActualizaBuchon(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento,
                                  bool lEsAlta, bool lEsModificacion, bool GeneraSentencia, QString& SentenciaSQL,
                                  const QString& NroAsiento)
{
    // Every failure goes on with the next step and is reported nowhere.
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("ActualizaBuchon"));
    QList<CampoValor> campos;
    // A value that fails is an empty text, so the list of values never has a gap.
    const auto par = [&](const char* campo, const std::function<QString()>& valor) {
        QString v = QStringLiteral("''");
        p.paso([&] { v = valor(); });
        campos.append({QLatin1String(campo), v});
    };
    par("TC", [&] { return Literal(Codigo4(TC)); });
    par("IdComprobante", [&] { return Literal(SucNroLetra); });
    // A number, unquoted; what is no number is no complement.
    par("IdComplemento", [&] { return LecturaValores::NumeroONulo(IdComplemento); });
    par("Tipo_accion", [&] {
        return lEsAlta ? QStringLiteral("'A'") : lEsModificacion ? QStringLiteral("'M'") : QStringLiteral("'B'");
    });
    par("FECHAHORA", [&] { return Literal(Fechas::Formatea(Sistema::Ahora(), FormatoFechaHora())); });
    par("Usuario", [&] { return Literal(gUsuarioLogeado); });
    par("PC", [&] { return Literal(InfoSistema::NombreMaquina()); });
    par("SYSTEMUSER", [&] { return Literal(Sistema::NombreEjecutable()); });
    par("NUMEROASIENTO", [&] { return gUtilidades->TextoAMoneda(NroAsiento).Texto(); });

    QString sentencia = QStringLiteral(" INSERT INTO V_MV_CPTEACCIONES ");
    ArmaValores(sentencia, campos, true);
    if (GeneraSentencia)
        SentenciaSQL = sentencia;
    else
        p.paso([&] { gSesionBD->Ejecuta(sentencia); });
}
