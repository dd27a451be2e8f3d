// Units of an article and the conversions between them.
#include "services/Stock.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "platform/recorte.h"

namespace Stock {

using namespace LecturaValores;

namespace {

QString ajusta(const QString& codigo, int ancho)
{
    return ModGlobal::gUtilidades->AjustaAncho(codigo, ancho);
}

enum class Sentido {
    Unidad,
    Equivalente
};

// The steps both conversions share; they differ in the operator's meaning and
// the rounding.
double convierte(Sentido sentido, const QString& articulo, QString& unidadBase, double cantidad,
                 const QString& unidadEquiv)
{
    if (cantidad == 0)
        return 0;
    if (MismoCodigo(unidadBase, unidadEquiv))
        return cantidad;
    const bool baseVacia = Recorta(unidadBase).isEmpty();
    QString operador;
    double coeficiente = 0;
    bool sinUnidad = false;
    const bool hay = IdArticuloTieneEquivalencias(articulo, unidadEquiv, operador, unidadBase, coeficiente, sinUnidad);
    // The article's own unit may be the one asked for.
    if (baseVacia && !sinUnidad && MismoCodigo(unidadBase, unidadEquiv))
        return cantidad;
    const bool aUnidad = sentido == Sentido::Unidad;
    if (!hay)
        return aUnidad ? 0 : cantidad;
    double resultado = 0;
    if (operador == u"/")
        resultado = aUnidad ? cantidad * coeficiente : cantidad / coeficiente;
    else if (operador == u"*")
        resultado = aUnidad ? cantidad / coeficiente : cantidad * coeficiente;
    return aUnidad ? Moneda::DesdeDoble(resultado).ADoble() : resultado;
}

}  // namespace

QString ObtieneUnidadArticulo(const QString& IdArticulo)
{
    Recordset rs;
    ModGlobal::gSesionBD->AbreRecordset(QStringLiteral("SELECT IDUNIDAD FROM V_MA_ARTICULOS WHERE IDARTICULO = ") +
                                            Literal(ajusta(IdArticulo, 25)),
                                        rs);
    // An article that is not there has no unit.
    return rs.Eof() ? QString() : Recorta(Texto(rs.Valor(QStringLiteral("IdUnidad"))));
}

bool IdArticuloTieneEquivalencias(const QString& IdArticulo, const QString& UnidadEquiv, QString& Operador,
                                  QString& UnidadBase, double& Coeficiente, bool& SinUnidad)
{
    Procedimiento p(QStringLiteral("IdArticuloTieneEquivalencias"), GestorSesion());
    bool respuesta = false;
    bool conBase = false;
    Coeficiente = 0;
    SinUnidad = false;
    p.paso([&] {
        const QString base = UnidadBase.isEmpty() ? ObtieneUnidadArticulo(IdArticulo) : UnidadBase;
        if (Recorta(base).isEmpty()) {
            SinUnidad = true;
            return;
        }
        UnidadBase = base;
        conBase = true;
    });
    // One direction of the pair; a coefficient of 0 relates nothing.
    const auto busca = [&](const QString& desde, const QString& hacia, const char* operador) {
        if (respuesta || !conBase)
            return;
        p.paso([&] {
            Recordset rs;
            ModGlobal::gSesionBD->AbreRecordset(
                QStringLiteral("SELECT * FROM  S_TA_EQUIV  with(nolock)  WHERE IdArticulo = ") +
                    Literal(ajusta(IdArticulo, 25)) + QStringLiteral(" AND IDUNIDAD = ") + Literal(ajusta(desde, 4)) +
                    QStringLiteral(" AND IDUNIDAD_EQUIV = ") + Literal(ajusta(hacia, 4)),
                rs);
            if (rs.Eof())
                return;
            const double c = Numero(rs.Valor(QStringLiteral("Coeficiente")));
            if (c == 0)
                return;
            Coeficiente = c;
            Operador = QString::fromLatin1(operador);
            respuesta = true;
        });
    };
    busca(UnidadBase, UnidadEquiv, "/");
    busca(UnidadEquiv, UnidadBase, "*");
    return respuesta;
}

double ConvierteCantidadUnidad(const QString& IdArticulo, QString& UnidadOrigen, double Cantidad,
                               const QString& UnidadDestino)
{
    return convierte(Sentido::Unidad, IdArticulo, UnidadOrigen, Cantidad, UnidadDestino);
}

double ConvierteCantidadEquivalente(const QString& IdArticulo, QString& UnidadDestino, double Cantidad,
                                    const QString& UnidadOrigen)
{
    return convierte(Sentido::Equivalente, IdArticulo, UnidadDestino, Cantidad, UnidadOrigen);
}

}  // namespace Stock
