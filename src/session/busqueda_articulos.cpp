#include "session/ModGlobal.h"

#include "platform/avisos.h"
#include "platform/numeros.h"
#include "platform/recorte.h"

namespace ModGlobal {

namespace {

bool ejecutableEsUnoDe(const QStringList& nombres)
{
    return gUtilidades->ExisteEnArreglo(Sistema::NombreEjecutable(), nombres);
}

bool tieneFila(const Recordset& rs)
{
    return rs.State() != Recordset::Cerrado && !rs.Eof();
}

QString texto(const QString& valor)
{
    return gSesionBD->ValorSQL(valor, QStringLiteral("'"));
}

QString ajustado(const QString& codigo)
{
    return gUtilidades->AjustaAncho(codigo, 25);
}

const QString& articulos()
{
    static const QString s = QStringLiteral("SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE ");
    return s;
}

// The queries on the article view, in the order they are tried.
QStringList consultasDelCodigo(const QString& c25, bool porCodigoBarra)
{
    const QString valor = texto(c25);
    QStringList r;
    r << (porCodigoBarra ? QStringLiteral("SELECT *,IDUNIDAD AS UDBASE FROM V_MA_ARTICULOS WHERE codigobarra =  ") + valor
                         : articulos() + QStringLiteral("IDARTICULO = ") + valor);
    r << articulos() + QStringLiteral("codigobarra =  ") + valor;
    // The unit barcodes bring the barcode's unit as IDUNIDAD (the article's own when it has none).
    auto porUnidad = [&](const char* unidad, const char* columna) {
        return QStringLiteral("SELECT *,IDUNIDAD AS UDBASE , ISNULL(%1,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE %2 = ")
                   .arg(QLatin1String(unidad), QLatin1String(columna)) +
               valor;
    };
    r << porUnidad("UD_TTE", "CODIGOBARRADUN") << porUnidad("UMCB1", "CODIGOBARRA1") << porUnidad("UMCB2", "CODIGOBARRA2")
      << porUnidad("UMCB3", "CODIGOBARRA3") << porUnidad("UMCB4", "CODIGOBARRA4");
    r << articulos() + QStringLiteral("IDARTICULO = ") + valor;
    return r;
}

QString porCodigoDeProveedor(const QString& codigo, const QString& cuenta)
{
    return articulos() + QStringLiteral("CodigoArtProveedor = ") + texto(codigo) + QStringLiteral(" and CuentaProveedor = ") +
           texto(Recorta(cuenta));
}

}  // namespace

bool BuscaArticulo(QString& Codigo, Recordset& Registro, const bool& SoloLectura, bool& BuscaCodigoBarra,
                   QString& Descripcion, const QString& CuentaProveedor, QString& UdBase, const QString& IdLista,
                   double& Cantidad, Moneda& /*Importe: left as it is*/, QString& Lote, const QString& TC,
                   short& ControlUnidadNegocio)
{
    if (Recorta(Codigo).isEmpty())
        return false;
    Procedimiento p(QString(), GestorManejaErrorSinNombre());
    bool encontrado = false;
    const bool maestroDeArticulos = ejecutableEsUnoDe({"Halvessa", "Ibrandol"});

    auto abre = [&](const QString& sql) {
        if (!p.paso([&] {
                gSesionBD->AbreRecordset(sql, Registro, nullptr, SoloLectura ? 0 : 2, SoloLectura ? 1 : 3, -1, true);
            }))
            return false;
        return p.paso([&] {
            if (tieneFila(Registro))
                UdBase = gUtilidades->ValorNoNuloTexto(Registro.Valor(QStringLiteral("UdBase")));
        });
    };
    auto codigoDeLaFila = [&] {
        return p.paso([&] { Codigo = gUtilidades->ValorNoNuloTexto(Registro.Valor(QStringLiteral("IdArticulo"))); });
    };

    if (!p.paso([&] { UdBase.clear(); }))
        return false;
    if (!p.paso([&] {
            if (Codigo.size() <= 3)
                BuscaCodigoBarra = false;
        }))
        return false;

    // Quantity prefix: "12*code".
    if (!p.paso([&] {
            const qsizetype estrella = Codigo.indexOf(u'*');
            if (estrella < 0 || Codigo.size() < 3 || maestroDeArticulos)
                return;
            Cantidad = gUtilidades->TextoAMoneda(Codigo.left(estrella)).ADoble();
            if (Cantidad != 0)
                Codigo = Recorta(Codigo.mid(estrella + 1));
        }))
        return false;

    // Lot prefix: "15Acode" (lot 15) or "Acode" (no lot).
    if (!p.paso([&] {
            if (!gAsignacionAutomaticaDeLoteING && !gAsignacionAutomaticaDeLoteINGOP)
                return;
            const qsizetype a = Codigo.indexOf(u'A', 0, Qt::CaseInsensitive);
            if (Codigo.size() < 3 || a < 0 || maestroDeArticulos)
                return;
            const QString antes = Codigo.left(a);
            const QString despues = Codigo.mid(a + 1);
            if (Numeros::EsNumerico(antes) && Numeros::EsNumerico(despues)) {
                Lote = Recorta(antes);
                Codigo = Recorta(despues);
            } else if (Numeros::EsNumerico(despues) && a == 0) {
                Lote.clear();
                Codigo = Recorta(despues);
            }
        }))
        return false;

    // A scanned code read with a leading minus sign.
    if (!p.paso([&] {
            if (Numeros::EsNumerico(Codigo) && ((Codigo.size() == 13 && Codigo.startsWith(QLatin1String("-0"))) ||
                                                (Codigo.size() == 14 && Codigo.startsWith(QLatin1String("-2")))))
                Codigo.remove(0, 1);
        }))
        return false;

    // Nothing left after a prefix ("12*"): a blank code would match any article without a barcode.
    if (Recorta(Codigo).isEmpty())
        return false;

    const QString c25 = ajustado(Codigo);
    for (const QString& sql : consultasDelCodigo(c25, BuscaCodigoBarra)) {
        if (!abre(sql))
            return false;
        if (tieneFila(Registro)) {
            if (!codigoDeLaFila())
                return false;
            encontrado = true;
            break;
        }
    }

    if (!encontrado && !Recorta(CuentaProveedor).isEmpty()) {
        QString siguiente;
        if (!Recorta(IdLista).isEmpty()) {
            if (!abre(QStringLiteral("SELECT IDARTICULO,IDARTICULOPROVEEDOR,idunidad as UdBase FROM V_MA_PRECIOS WHERE "
                                     "IDARTICULOPROVEEDOR = ") +
                      texto(c25) + QStringLiteral(" and IDLISTA = ") + texto(gUtilidades->AjustaAncho(Recorta(IdLista), 4)) +
                      QStringLiteral(" AND TIPOLISTA = 'C'")))
                return false;
            if (tieneFila(Registro)) {
                if (!codigoDeLaFila())
                    return false;
                siguiente = articulos() + QStringLiteral("idarticulo = ") + texto(ajustado(Codigo));
            }
        }
        if (siguiente.isEmpty())
            siguiente = porCodigoDeProveedor(c25, CuentaProveedor);
        if (!abre(siguiente))
            return false;
        if (tieneFila(Registro)) {
            encontrado = true;
            if (!codigoDeLaFila())
                return false;
        } else if (Codigo.contains(u'.')) {
            // As typed, not fitted; the typed code is kept and the article id is in the row.
            if (!abre(porCodigoDeProveedor(Recorta(Codigo), CuentaProveedor)))
                return false;
            encontrado = tieneFila(Registro);
        }
    }

    if (!p.paso([&] {
            if (tieneFila(Registro))
                Descripcion = gUtilidades->ValorNoNuloTexto(Registro.Valor(QStringLiteral("Descripcion")));
        }))
        return false;

    // The sales modules keep to the user's business unit.
    p.paso([&] {
        if (!encontrado || !gRazonSocialPorUneg || !ejecutableEsUnoDe({"Brisola", "Cantefo", "Dunmarel", "Jorvenca"}))
            return;
        if (gUtilidades->ExisteEnArreglo(TC, {QStringLiteral("FP"), QStringLiteral("NCFP"), QStringLiteral("NP")}))
            return;
        const QString unidad = gUtilidades->ValorNoNuloTexto(Registro.Valor(QStringLiteral("idTipo")));
        if (unidad.compare(gUnegocio, Qt::CaseInsensitive) == 0)
            return;
        if (ControlUnidadNegocio == 0) {
            MsgBox(QStringLiteral("Este articulo pertenece a una unidad de negocio distinta a la seleccionada"),
                   Avisos::SoloAceptar);
            encontrado = false;
        } else if (ControlUnidadNegocio == 1) {
            ControlUnidadNegocio = 2;
        }
    });
    return encontrado && !p.abandonado();
}

}  // namespace ModGlobal
