#include "session/ModGlobal.h"

#include "platform/avisos.h"
#include "platform/numeros.h"
#include "platform/recorte.h"

namespace ModGlobal {

namespace {

const QString& comillas()
{
    static const QString c = QStringLiteral("'");
    return c;
}

bool tieneFila(const Recordset& rs)
{
    return rs.State() != Recordset::Cerrado && !rs.Eof();
}

}  // namespace

QString SentenciaBuscaRegistro(const QString& Tabla, const QString& Valor, const QString& Campo, const QVariant& Tipo,
                               const QString& Filtro)
{
    if (!Filtro.isEmpty()) {
        const bool traeWhere = Filtro.contains(QLatin1String(" WHERE "), Qt::CaseInsensitive);
        return QStringLiteral("SELECT * FROM ") + Tabla + QStringLiteral(" with(nolock)  ") +
               (traeWhere ? QStringLiteral(" ") : QStringLiteral(" WHERE ")) + Filtro;
    }
    const QString inicio = QStringLiteral("SELECT * FROM ") + Tabla + QStringLiteral("  with(nolock)  WHERE ");
    bool esNumero = false;
    const int codigo = Tipo.isValid() && !Tipo.isNull() ? Tipo.toInt(&esNumero) : 0;
    switch (esNumero ? codigo : 0) {
    case 8:
        return inicio + QStringLiteral("LTRIM(RTRIM(") + Campo + QStringLiteral(")) =") +
               gSesionBD->ValorSQL(Valor, comillas());
    case 7:
        return inicio + Campo + QStringLiteral(" = ") + Recorta(Valor) + u' ';
    case 3:
    case 4:
    case 5:
        return inicio + Campo + QStringLiteral(" = ") + Numeros::TextoPlano(Numeros::NumeroInicial(Valor));
    default:
        return inicio + Campo + QStringLiteral(" = ") + Valor;
    }
}

bool BuscaRegistro(const QString& Tabla, const QString& Valor, const QString& Campo, Recordset* Registro,
                   const QVariant& Tipo, const QString& Filtro, bool SoloLectura)
{
    // Its own question: the failure's description alone, Abort/Retry/Ignore.
    Procedimiento p(QStringLiteral("BuscaRegistro"), [](const Falla& f, const QString&) {
        return MsgBox(f.Descripcion, Avisos::AbortarReintentarIgnorar | Avisos::Critico,
                      QStringLiteral("Aviso al Operador"));
    });
    bool encontrado = false;
    QString sql;
    if (!p.paso([&] { sql = SentenciaBuscaRegistro(Tabla, Valor, Campo, Tipo, Filtro); }))
        return encontrado;
    if (!p.paso([&] { sql = gSesionBD->PreparaSQL(sql); }))
        return encontrado;

    if (!Registro) {
        Recordset propio;
        p.paso([&] { propio.Open(sql, gSesionBD->Conexion, 0, 1, -1); });
        p.paso([&] { encontrado = tieneFila(propio); });
        p.paso([&] { propio.Close(); });
        return encontrado;
    }
    const int cursor = SoloLectura ? 0 : Registro->CursorType();
    const int bloqueo = SoloLectura ? 1 : Registro->LockType();
    p.paso([&] {
        if (Registro->State() != Recordset::Cerrado)
            Registro->Close();
    });
    p.paso([&] { Registro->Open(sql, gSesionBD->Conexion, cursor, bloqueo, -1); });
    p.paso([&] { encontrado = tieneFila(*Registro); });
    return encontrado;
}

bool BuscaCuenta(QString& Cuenta, Recordset& Registro, const bool& SoloLectura, bool& PorCodigoOpcional)
{
    auto abre = [&](const QString& columna) {
        const QString sql = QStringLiteral("SELECT * FROM MA_CUENTAS  with(nolock)  WHERE ") + columna +
                            QStringLiteral(" =  ") + gSesionBD->ValorSQL(Cuenta, comillas());
        gSesionBD->AbreRecordset(sql, Registro, nullptr, SoloLectura ? 0 : 2, SoloLectura ? 1 : 3, -1, true);
        return !Registro.Eof();
    };
    auto codigoDeLaFila = [&] { Cuenta = gUtilidades->ValorNoNuloTexto(Registro.Valor(QStringLiteral("Codigo"))); };

    const QString codigo = QStringLiteral("Codigo");
    const QString opcional = QStringLiteral("CodigoOpcional");
    if (abre(PorCodigoOpcional ? opcional : codigo)) {
        codigoDeLaFila();
        return true;
    }
    if (PorCodigoOpcional)
        return abre(codigo);
    if (!abre(opcional))
        return false;
    PorCodigoOpcional = true;
    codigoDeLaFila();
    return true;
}

}  // namespace ModGlobal
