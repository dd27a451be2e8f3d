// The voucher id and the book in use.
#include "services/ModExportarExcel.h"
#include "services/lectura_valores.h"
#include "platform/recorte.h"

namespace ModExportarExcel {

TalonarioActual gTalonario;

QString LetrasComprobante()
{
    return QStringLiteral("A,B,C,E,R,X,M");
}

std::optional<QString> LetraDeColumna(const QString& Letra)
{
    const QString letra = Recorta(Letra).toUpper();
    if (letra.isEmpty())
        return QStringLiteral("X");
    if (letra.size() == 1 && LetrasComprobante().split(u',').contains(letra))
        return letra;
    return std::nullopt;
}

QString ArmaIdComprobante(const QString& Sucursal, const QString& Numero, const QString& Letra)
{
    const QString letra = Recorta(Letra).isEmpty() ? QStringLiteral("X") : Recorta(Letra);
    return LecturaValores::Ceros(Sucursal, 4) + LecturaValores::Ceros(Numero, 8) + letra;
}

PartesIdComprobante SeparaIdComprobante(const QString& IdComprobante)
{
    return {IdComprobante.mid(0, 4), IdComprobante.mid(4, 8), IdComprobante.mid(12, 1)};
}

std::optional<long> TalonarioActual::De(const QString& tc) const
{
    if (TC.isEmpty() || !LecturaValores::MismoCodigo(TC, tc))
        return std::nullopt;
    return Talonario;
}

void TalonarioActual::Fija(const QString& tc, long talonario)
{
    TC = Recorta(tc);
    Talonario = talonario;
}

}  // namespace ModExportarExcel
