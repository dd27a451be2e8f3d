#include "session/ModGlobal.h"

#include "platform/numeros.h"
#include "platform/recorte.h"

namespace ModGlobal {

QString gTablaConfiguracion;

bool FormaIgualSi(const QString& valor)
{
    return valor.compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
}

bool FormaSalvoNo(const QString& valor)
{
    return Recorta(valor).compare(QLatin1String("NO"), Qt::CaseInsensitive) != 0;
}

bool FormaNoVacioNiNo(const QString& valor)
{
    if (Recorta(valor).isEmpty())
        return false;
    return valor.compare(QLatin1String("NO"), Qt::CaseInsensitive) != 0;
}

bool FormaNoVacioYSi(const QString& valor)
{
    const QString t = Recorta(valor);
    return !t.isEmpty() && t.compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
}

double FormaNumero(const QString& valor)
{
    return Numeros::NumeroInicial(valor);
}

QString FormaTexto(const QString& valor)
{
    return Recorta(valor);
}

bool CfgIgualSi(const QString& clave) { return FormaIgualSi(Cfg(clave)); }
bool CfgSalvoNo(const QString& clave) { return FormaSalvoNo(Cfg(clave)); }
bool CfgNoVacioNiNo(const QString& clave) { return FormaNoVacioNiNo(Cfg(clave)); }
bool CfgNoVacioYSi(const QString& clave) { return FormaNoVacioYSi(Cfg(clave)); }
double CfgNumero(const QString& clave) { return FormaNumero(Cfg(clave)); }
QString CfgTexto(const QString& clave) { return FormaTexto(Cfg(clave)); }

QString Cfg(const QString& clave)
{
    QString aux;
    return Cfg(clave, aux);
}

QString CfgQS(const QString& clave)
{
    QString aux;
    return CfgQS(clave, aux);
}

}  // namespace ModGlobal

namespace ModGlobal {

namespace {

// The statement on one key's row of the configuration table, as it is named now.
QString consultaDeClave(const SesionBD& sesion, const QString& columnas, const QString& clave)
{
    return QStringLiteral("SELECT ") + columnas + QStringLiteral(" FROM ") + gTablaConfiguracion +
           QStringLiteral(" with(nolock)  WHERE CLAVE = ") + sesion.ValorSQL(clave, QStringLiteral("'"));
}

// Steps 2 to 8 of the two readers, on the given session.
QString leeAjuste(SesionBD& sesion, const QString& clave, QString& valorAux, const QString& nombre)
{
    Procedimiento p(nombre, GestorManejaError());
    QString resultado;
    QString sql;
    Recordset rs;
    p.paso([&] {
        if (Recorta(gTablaConfiguracion).isEmpty())
            gTablaConfiguracion = QStringLiteral("TA_CONFIGURACION");
    });
    p.paso([&] { sql = consultaDeClave(sesion, QStringLiteral("VALOR, valoraux"), Recorta(clave)); });
    p.paso([&] {
        const QString t = Recorta(clave);
        if (t.compare(QLatin1String("[FECHA HASTA]"), Qt::CaseInsensitive) == 0 ||
            t.compare(QLatin1String("[FECHA DESDE]"), Qt::CaseInsensitive) == 0)
            sql = sql.toUpper();
    });
    p.paso([&] { sesion.AbreRecordset(sql, rs, nullptr, 0, 1, -1, true); });
    p.paso([&] {
        if (rs.Bof()) {
            resultado = QStringLiteral(" ");
            valorAux = QString();
        } else {
            resultado = gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("Valor")));
            valorAux = gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("ValorAux")));
        }
    });
    if (rs.State())
        rs.Close();
    if (p.abandonado())
        return QString();
    if (clave.compare(QLatin1String("THEME"), Qt::CaseInsensitive) == 0 && Recorta(resultado).isEmpty())
        resultado = QStringLiteral("1");
    return resultado;
}

}  // namespace

QString Cfg(const QString& clave, QString& valorAux)
{
    if (!gSesionBD->Conectado())
        return QString();
    return leeAjuste(*gSesionBD, clave, valorAux, QStringLiteral("Cfg"));
}

QString CfgQS(const QString& clave, QString& valorAux)
{
    return leeAjuste(*gSesionEstadisticas, clave, valorAux, QStringLiteral("CfgQS"));
}

void GrabaCfgQS(const QString& clave, const QVariant& valor, const QString& valorAux, bool politicaNegocio,
                const QString& grupo, bool recortar)
{
    // A failed write leaves the table as it was; the caller is not told.
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("GrabaCfgQS"));
    SesionBD& qs = *gSesionEstadisticas;
    Recordset rs;
    // Looked up by the key as it is stored (trimmed), so a padded key never adds a second row.
    const QString sql = consultaDeClave(qs, QStringLiteral("*"), Recorta(clave).toUpper());
    p.paso([&] { qs.AbreRecordset(sql, rs, &qs.Conexion, 2, 3, -1, true); });
    p.paso([&] {
        if (rs.Bof() && rs.Eof())
            rs.AddNew();
        else
            rs.MoveFirst();
    });
    p.paso([&] { rs.Fields(QStringLiteral("Grupo")) = gUtilidades->ValorNoNulo(grupo); });
    p.paso([&] { rs.Fields(QStringLiteral("Clave")) = Recorta(clave).toUpper(); });
    p.paso([&] {
        rs.Fields(QStringLiteral("Valor")) =
            recortar ? QVariant(Recorta(valor.toString())) : gUtilidades->ValorNoNulo(valor);
    });
    p.paso([&] { rs.Fields(QStringLiteral("PoliticaNegocio")) = politicaNegocio; });
    p.paso([&] {
        if (!valorAux.isEmpty())
            rs.Fields(QStringLiteral("ValorAux")) = Recorta(valorAux);
    });
    p.paso([&] { rs.Update(); });
    p.paso([&] { qs.CierraRecordset(rs); });
}

}  // namespace ModGlobal
