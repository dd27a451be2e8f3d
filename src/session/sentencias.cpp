#include "session/ModGlobal.h"

#include "platform/avisos.h"
#include "platform/fechas.h"
#include "platform/recorte.h"

namespace ModGlobal {

QList<CampoValor> gCampos;
QStringList gScript;

namespace {
[[noreturn]] void fueraDeRango()
{
    throw Falla(Falla::FueraDeRango, QStringLiteral("Subíndice fuera del intervalo"));
}

QString partesInsert(const QList<CampoValor>& campos)
{
    QStringList columnas, valores;
    for (const CampoValor& c : campos) {
        columnas << c.Campo;
        valores << c.Valor;
    }
    return u'(' + columnas.join(u',') + QStringLiteral(") VALUES (") + valores.join(u',') + u')';
}
}  // namespace

void AgregaCampo(const QString& campo, QString& valor, const QString& tipo, bool inicio)
{
    if (inicio)
        gCampos = {CampoValor{}};
    else if (gCampos.isEmpty())
        fueraDeRango();
    else
        gCampos.append(CampoValor{});
    // The value reaches the statement as a literal, its apostrophes doubled:
    // it is saved as it was typed.
    CampoValor& ultimo = gCampos.last();
    ultimo.Campo = campo;
    if (valor.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0)
        ultimo.Valor = QStringLiteral("Null");
    else
        ultimo.Valor = gSesionBD->ValorSQL(valor, tipo);
}

void ArmaSentencia(QList<CampoValor>& campos, QStringList& script, const QString& tabla, bool actualiza,
                   QString& condicion, bool conservar)
{
    if (script.isEmpty())
        fueraDeRango();
    QString sentencia;
    if (!actualiza) {
        sentencia = QStringLiteral("INSERT INTO ") + tabla + u' ' + partesInsert(campos);
    } else {
        QStringList asignaciones;
        for (const CampoValor& c : campos)
            asignaciones << c.Campo + QStringLiteral(" = ") + c.Valor;
        if (!condicion.contains(QLatin1String("WHERE"), Qt::CaseInsensitive))
            condicion = QStringLiteral(" WHERE ") + condicion;
        sentencia = QStringLiteral("UPDATE ") + tabla + QStringLiteral(" SET ") + asignaciones.join(u',') + u' ' + condicion;
    }
    script << sentencia << QString();
    if (!conservar)
        campos = {CampoValor{}};
}

void ArmaValores(QString& sql, QList<CampoValor>& campos, bool limpiar)
{
    sql += partesInsert(campos);
    if (limpiar)
        campos.clear();
}

QString ArmaCondicion(const QString& columna, const QString& operador, const QStringList& valores,
                      const QString& union_, const QString& delimitador, const QVariant& incluyeNulo, bool soloNoVacios)
{
    if (valores.isEmpty())
        return QStringLiteral("1=1");
    // Between apostrophes a value's own apostrophes are doubled, so a code
    // such as O'12 is looked for as it is instead of breaking the statement.
    const bool entreApostrofos = delimitador == u"'";
    const auto termino = [&](const QString& valor) {
        QString v = valor;
        if (entreApostrofos)
            v.replace(u'\'', QStringLiteral("''"));
        return columna + operador + delimitador + v + delimitador;
    };
    QString r = termino(valores.at(0));
    for (qsizetype i = 1; i < valores.size(); ++i) {
        if (soloNoVacios && Recorta(valores[i]).isEmpty())
            continue;
        r += union_ + termino(valores[i]);
    }
    if (incluyeNulo.toBool())
        r += union_ + columna + QStringLiteral(" is null ");
    return r;
}

int BuscaEnArray(const QStringList& lista, const QString& texto, int inicio)
{
    for (qsizetype i = std::max(inicio, 0); i < lista.size(); ++i)
        if (lista[i].compare(texto, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

QString AdaptaSQL(const QString& sql)
{
    if (!gSesionBD->Proveedor().contains(QLatin1String("oracle"), Qt::CaseInsensitive))
        return sql;
    if (gUtilidades->CuentaPalabras(sql) <= 1)
        return Recorta(sql).compare(QLatin1String("LEN"), Qt::CaseInsensitive) == 0 ? QStringLiteral("LENGTH") : sql;
    if (!sql.contains(QLatin1String("top "), Qt::CaseInsensitive))
        return sql;
    const qsizetype p = sql.indexOf(QLatin1String("top"), 0, Qt::CaseInsensitive);
    const QString resto = sql.mid(p + 3);
    const qsizetype asterisco = resto.indexOf(u'*');
    if (asterisco < 0)
        return sql;
    return sql.left(p) + QStringLiteral(" * ") + resto.mid(asterisco + 1) + QStringLiteral(" WHERE ROWNUM <= ") +
           resto.left(asterisco);
}

QDateTime FechaServidor()
{
    // Failures are passed over; the workstation's clock answers when nothing else does.
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("FechaServidor"));
    QDateTime resultado = Sistema::Ahora();
    Recordset rs;
    bool conFila = false;
    p.paso([&] { gSesionBD->AbreRecordset(QStringLiteral("select  getDate() as fecha"), rs, nullptr, 0, 1, -1, true); });
    p.paso([&] {
        if (rs.Eof())
            return;
        const QVariant v = rs.Valor(QStringLiteral("fecha"));
        QDateTime f = v.toDateTime();
        if (!f.isValid())
            if (auto leida = Fechas::Lee(v.toString()))
                f = *leida;
        if (f.isValid()) {
            f.setTime(QTime(f.time().hour(), f.time().minute(), f.time().second()));
            resultado = f;
            conFila = true;
        }
    });
    p.paso([&] {
        if (conFila)
            return;
        if (gUtilizarFechaDia) {
            const QString hasta = Cfg(QStringLiteral("FECHAOPERHASTA"));
            if (Fechas::EsFecha(hasta))
                resultado = *Fechas::Lee(hasta);
        }
    });
    p.paso([&] { gSesionBD->CierraRecordset(rs); });
    return resultado;
}

void ConfirmaTransaccion()
{
    Procedimiento p = Procedimiento::Silencioso(QStringLiteral("ConfirmaTransaccion"));
    long cuantas = 0;
    p.paso([&] {
        Recordset rs = gSesionBD->Conexion.Execute(QStringLiteral("SELECT @@TRANCOUNT"));
        if (!rs.Eof())
            cuantas = rs.Valor(0).toLongLong();
    });
    for (long i = 0; i < cuantas; ++i) {
        p.paso([&] {
            try {
                gSesionBD->Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
            } catch (const Falla&) {
            }
            if (gSesionBD->Conexion.Errors.Count() > 0)
                MsgBox(gSesionBD->Conexion.Errors.Item(0).Description, Avisos::SoloAceptar);
        });
    }
}

}  // namespace ModGlobal
