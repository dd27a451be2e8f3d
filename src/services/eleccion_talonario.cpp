// The choice of the number book a new voucher takes its branch, number and letter from.
#include "services/ModExportarExcel.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include "platform/avisos.h"
#include "platform/recorte.h"

namespace ModExportarExcel {

using namespace LecturaValores;

bool Obtener_Nro_Comprobante_Contable(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                                      bool& ModificaNumeracion, const QString& Fecha, const QString& UNegocio,
                                      QString& Hasta)
{
    Procedimiento p(QStringLiteral("Obtener_Nro_Comprobante_Contable"), GestorSesion());
    auto& sesion = *ModGlobal::gSesionBD;
    const QString tc = Recorta(TC);
    const QString codigo = Literal(Codigo4(TC));
    QString filtro;
    bool todosUsados = false;
    bool tomado = false;
    bool sinLibros = false;
    Recordset rs;

    // The user's own branch and letter for the types that have them.
    p.paso([&] {
        if (!EsTipo(tc, {"OT", "FC", "NC", "ND"}) || !Recorta(Sucursal).isEmpty())
            return;
        Recordset usuario;
        if (!ModGlobal::BuscaRegistro(QStringLiteral("TA_Usuarios"), ModGlobal::gUsuarioLogeado,
                                      QStringLiteral("Nombre"), &usuario, 8, QString(), true))
            return;
        const QString sucot = Texto(usuario.Valor(QStringLiteral("sucot")));
        if (!sucot.isEmpty() && sucot != u"0000") {
            Sucursal = u'*' + sucot;
            const QString letot = Texto(usuario.Valor(QStringLiteral("letot")));
            if (!Recorta(letot).isEmpty())
                Letra = letot;
        }
    });
    p.paso([&] {
        if (Recorta(Letra).isEmpty())
            Letra = QStringLiteral("X");
        if (Letra.startsWith(u'*')) {
            Letra = Letra.mid(1);
            QString patron = Literal(u'%' + Letra + u'%');
            filtro = QStringLiteral(" AND (LETRAs LIKE(") + patron + QStringLiteral(")) ");
        }
    });
    p.paso([&] {
        if (Recorta(Sucursal).isEmpty() || !Recorta(Sucursal).startsWith(u'*'))
            return;
        Sucursal = Recorta(Sucursal).mid(1);
        filtro = QStringLiteral(" AND A_SUC_DEFAULT = ") + Literal(Sucursal);
        Recordset sonda;
        sesion.AbreRecordset(
            QStringLiteral("SELECT * FROM V_TA_CPTE  WHERE CODIGO = ") + codigo + QStringLiteral(" ") + filtro, sonda);
        if (sonda.Eof())
            filtro.clear();
    });
    p.paso([&] {
        if (Recorta(UNegocio).isEmpty()) {
            sesion.AbreRecordset(QStringLiteral("SELECT * FROM V_TA_CPTE   WHERE CODIGO = ") + codigo + filtro +
                                     QStringLiteral(" ORDER BY TALONARIO"),
                                 rs);
            return;
        }
        sesion.AbreRecordset(QStringLiteral("SELECT * FROM V_TA_CPTE WHERE  CODIGO = ") + codigo +
                                 QStringLiteral(" AND (UNEGOCIO = ") +
                                 Literal(ModGlobal::gUtilidades->AjustaAncho(UNegocio, 4)) +
                                 QStringLiteral(" OR (UNEGOCIO = '' OR UNEGOCIO is null) ) ") + filtro +
                                 QStringLiteral("  ORDER BY TALONARIO"),
                             rs);
        if (rs.Eof())
            sesion.AbreRecordset(QStringLiteral("SELECT * FROM V_TA_CPTE  WHERE CODIGO = ") + codigo +
                                     QStringLiteral(" ORDER BY TALONARIO"),
                                 rs);
    });
    p.paso([&] {
        if (rs.State() != Recordset::Abierto || !rs.Eof())
            return;
        Sucursal = QStringLiteral("0001");
        Numero = QStringLiteral("00000001");
        Letra = QStringLiteral("X");
        sinLibros = tomado = true;
    });
    while (!sinLibros && !tomado && !p.abandonado() && rs.State() == Recordset::Abierto && !rs.Eof()) {
        p.paso([&] {
            const QString letras = Texto(rs.Valor(QStringLiteral("LETRAs")));
            if (!letras.contains(Letra, Qt::CaseInsensitive) && tc.compare(u"OT", Qt::CaseInsensitive) != 0)
                Letra = letras.left(1);
            if (Recorta(Letra).isEmpty())
                Letra = QStringLiteral("X");
            // A letter that is none of the seven has no columns: the book cannot serve it.
            const auto letra = LetraDeColumna(Letra);
            if (!letra)
                return;
            const QVariant ultimo = rs.Valor(*letra + QStringLiteral("_ULTIMO_NRO"));
            const QVariant hasta = rs.Valor(*letra + QStringLiteral("_NRO_HASTA"));
            const QVariant sucursalLibro = rs.Valor(*letra + QStringLiteral("_SUC_DEFAULT"));
            if (Val(ultimo) >= Val(hasta)) {
                todosUsados = true;
                return;
            }
            if (Vencido(Fecha, rs.Valor(QStringLiteral("Vence") + *letra)))
                return;
            if (EsTipo(tc, {"FC", "OT", "PR"}) && !Recorta(Sucursal).isEmpty() && Val(sucursalLibro) != Val(Sucursal))
                return;
            Sucursal = Ceros(sucursalLibro, 4);
            Numero = Val(ultimo) == 0 ? QStringLiteral("00000001") : Ceros(ultimo, 8);
            Hasta = Ceros(hasta, 8);
            gTalonario.Fija(TC, static_cast<long>(Val(rs.Valor(QStringLiteral("TALONARIO")))));
            ModificaNumeracion = ModGlobal::EsVerdadero(Texto(rs.Valor(QStringLiteral("Modificanumeracion"))), true);
            todosUsados = false;
            tomado = true;
        });
        if (!tomado && !p.paso([&] { rs.MoveNext(); }))
            break;
    }
    p.paso([&] {
        if (sinLibros)
            return;
        Letra = Recorta(Letra);
        if (todosUsados)
            MsgBox(QStringLiteral("Todos los talonarios del comprobante ") + TC +
                       QStringLiteral(
                           " se encuentran utilizados, debe dar de alta un nuevo talonario para el comprobante ") +
                       TC,
                   Avisos::SoloAceptar);
        // The caller must not compose an id from a number it held before.
        if (!tomado)
            Numero.clear();
    });
    p.paso([&] { sesion.CierraRecordset(rs); });
    return tomado;
}

}  // namespace ModExportarExcel
