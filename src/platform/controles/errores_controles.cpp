#include "platform/controles/errores_controles.h"

namespace ErroresControl {

void Lanzar(long numero)
{
    QString texto;
    switch (numero) {
    case ValorNoValido: texto = QStringLiteral("Valor de propiedad no válido"); break;
    case SubindiceNoValido: texto = QStringLiteral("Subíndice fuera del intervalo"); break;
    case FilaNoValida: texto = QStringLiteral("Valor de fila no válido"); break;
    case ColumnaNoValida: texto = QStringLiteral("Valor de columna no válido"); break;
    case IndiceFueraDeLimites: texto = QStringLiteral("Índice fuera de los límites"); break;
    case ElementoNoEncontrado: texto = QStringLiteral("No se encontró el elemento"); break;
    case ClaveRepetida: texto = QStringLiteral("La clave ya existe en la colección"); break;
    default: texto = QStringLiteral("Error en el control"); break;
    }
    throw Falla(numero, texto);
}

}  // namespace ErroresControl
