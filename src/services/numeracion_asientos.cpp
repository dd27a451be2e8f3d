// The journal of a voucher type and the next free accounting-entry number.
#include "services/ModExportarExcel.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include "platform/numeros.h"
#include "platform/recorte.h"

namespace ModExportarExcel {

using namespace LecturaValores;

QString ObtieneTipoRegCont(const QString& TC)
{
    Procedimiento p(QStringLiteral("ObtieneTipoRegCont$"), GestorSesion());
    auto& sesion = *ModGlobal::gSesionBD;
    const QString cuatroBlancos(4, u' ');
    QString respuesta;
    QString tipo;
    QVariant subdiario;
    Recordset comprobantes, subdiarios;
    p.paso([&] { tipo = Codigo4(TC); });
    p.paso([&] {
        sesion.AbreRecordset(QStringLiteral("SELECT * FROM MA_SUBDIARIOSCOMPROBANTES  with(nolock)  WHERE TC = ") +
                                 Literal(tipo),
                             comprobantes);
    });
    bool hayFila = false;
    p.paso([&] {
        hayFila = !comprobantes.Eof();
        if (!hayFila)
            respuesta = cuatroBlancos;
    });
    if (hayFila) {
        p.paso([&] {
            subdiario = comprobantes.Valor(QStringLiteral("Subdiario"));
            // A Null code cannot be joined into the statement.
            if (subdiario.isNull())
                throw Falla(94, QStringLiteral("Uso no válido de Null"), OrigenPrograma());
            sesion.AbreRecordset(QStringLiteral("SELECT * FROM MA_SUBDIARIOS  with(nolock)  WHERE CODIGO = ") +
                                     Literal(subdiario.toString()),
                                 subdiarios);
        });
        p.paso([&] { respuesta = subdiarios.Eof() ? cuatroBlancos : Texto(subdiario); });
    }
    p.paso([&] {
        sesion.CierraRecordset(comprobantes);
        sesion.CierraRecordset(subdiarios);
    });
    return p.abandonado() ? QString() : respuesta;
}

long ValidaTCRegistraciones(const QVariant& Mes, const QVariant& Periodo, const QVariant& TipoReg)
{
    Procedimiento p(QStringLiteral("ValidaTCRegistraciones"), GestorSesion());
    auto& sesion = *ModGlobal::gSesionBD;
    long numero = 0;
    QString condicion;
    Recordset asientos, centros;
    const QString maximo = QStringLiteral("SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM ");
    const auto siguiente = [](Recordset& rs, long& n) {
        const QVariant v = rs.Eof() ? QVariant() : rs.Valor(QStringLiteral("NRO_ASIENTO"));
        if (v.isNull())
            return false;
        n = static_cast<long>(Val(v)) + 1;
        return true;
    };
    p.paso([&] {
        const QString m = Entero(Mes.toString());
        const QString periodo = Numeros::TextoPlano(Val(Periodo));
        const QString r = Recorta(TipoReg.toString());
        condicion = QStringLiteral(" WITH(NOLOCK) WHERE MES_OPERATIVO = ") + m +
                    (r.isEmpty() ? QStringLiteral(" AND (TIPO_REG = ") + Literal(QChar(0x00FF) + QStringLiteral("RS")) +
                                       QStringLiteral(" OR TIPO_REG = '')")
                                 : QStringLiteral(" AND TIPO_REG = ") + Literal(r)) +
                    QStringLiteral(" AND PERIODO = ") + periodo;
    });
    p.paso([&] { sesion.AbreRecordset(maximo + QStringLiteral("@ADMIN_MV_ASIENTOS") + condicion, asientos); });
    p.paso([&] {
        if (!siguiente(asientos, numero))
            numero = 1;
    });
    p.paso([&] { sesion.CierraRecordset(asientos); });
    p.paso([&] {
        sesion.AbreRecordset(QStringLiteral("SELECT [NUMERO ASIENTO] AS [NRO_ASIENTO] FROM @ADMIN_MV_ASIENTOSCCOSTO") +
                                 condicion + QStringLiteral(" AND [NUMERO ASIENTO] = ") + QString::number(numero),
                             centros);
    });
    p.paso([&] {
        if (centros.Eof() || centros.Valor(QStringLiteral("NRO_ASIENTO")).isNull())
            return;
        // The number is taken by cost-centre lines: go past their highest.
        sesion.AbreRecordset(maximo + QStringLiteral("@ADMIN_MV_ASIENTOSCCOSTO") + condicion, centros);
        siguiente(centros, numero);
    });
    p.paso([&] {
        sesion.CierraRecordset(asientos);
        sesion.CierraRecordset(centros);
    });
    return p.abandonado() ? 0 : numero;
}

}  // namespace ModExportarExcel
