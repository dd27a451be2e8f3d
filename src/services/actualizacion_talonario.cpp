// The check of a voucher number against its book, and the book moving on after a save.
#include "services/ModExportarExcel.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"

#include "platform/avisos.h"
#include "platform/fechas.h"
#include "platform/numeros.h"
#include "platform/recorte.h"

namespace ModExportarExcel {

using namespace LecturaValores;

namespace {

const QString mensajeLetra = QStringLiteral(" La letra Informada no es Valida, la misma debe ser ");

// A set Externo column: not empty and not a "no".
bool esExterno(const QVariant& externo)
{
    const QString texto = Texto(externo);
    return !texto.isEmpty() && ModGlobal::EsVerdadero(texto, true);
}

// A book that lets the user type any number: changeable and without range.
bool sinRango(Recordset& rs, const QString& letra)
{
    return ModGlobal::EsVerdadero(Texto(rs.Valor(QStringLiteral("Modificanumeracion"))), true) &&
           Val(rs.Valor(letra + QStringLiteral("_NRO_DESDE"))) == 0 &&
           Val(rs.Valor(letra + QStringLiteral("_NRO_HASTA"))) == 0;
}

// The condition followed by the number of the book in use, when it was found for this type.
std::optional<QString> libroEnUso(const QString& tc, const QString& condicion)
{
    const auto libro = gTalonario.De(tc);
    if (!libro)
        return std::nullopt;
    return condicion + QString::number(*libro);
}

}  // namespace

bool ValidaNumeracionComprobante(const QString& TC, const QString& Sucursal, const QString& Numero, QString& Letra,
                                 QString& Mensaje, const QString& Fecha)
{
    auto& sesion = *ModGlobal::gSesionBD;
    const double n = Val(Numero);
    bool resultado = n > 0;
    const auto letra = LetraDeColumna(Letra);
    if (!letra) {
        Mensaje = mensajeLetra + LetrasComprobante();
        return false;
    }
    if (Recorta(Letra).isEmpty())
        Letra = QStringLiteral("X");
    const QVariant externoTipo =
        sesion.ObtieneValor(QStringLiteral("V_TA_CPTE"), TC, QStringLiteral("EXTERNO"), QStringLiteral("CODIGO"));
    if (esExterno(externoTipo)) {
        Mensaje.clear();
        return true;
    }
    const QString tc4 = Literal(Codigo4(TC));
    // The book whose range holds the number, among those of the branch (a
    // later one wins). A book without range or numbered from outside holds no
    // number of its own: taking it here would move it on, or let it judge the
    // number, in place of the book that handed the number out.
    const Moneda sucursal = ModGlobal::gUtilidades->TextoAMoneda(Sucursal);
    if (sucursal.Diezmilesimos() % Moneda::Escala == 0) {
        Recordset rs;
        sesion.AbreRecordset(QStringLiteral("Select * from v_ta_cpte  with(nolock)  where codigo = ") + tc4 +
                                 QStringLiteral(" and ") + *letra + QStringLiteral("_SUC_DEFAULT = ") +
                                 sucursal.Texto(),
                             rs);
        for (; !rs.Eof(); rs.MoveNext()) {
            if (Val(rs.Valor(*letra + QStringLiteral("_NRO_DESDE"))) <= n &&
                Val(rs.Valor(*letra + QStringLiteral("_NRO_HASTA"))) >= n)
                gTalonario.Fija(TC, static_cast<long>(Val(rs.Valor(QStringLiteral("TALONARIO")))));
        }
        sesion.CierraRecordset(rs);
    }
    Recordset libro;
    if (const auto condicion = libroEnUso(TC, QStringLiteral(" and Talonario = ")))
        sesion.AbreRecordset(
            QStringLiteral("SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO = ") + tc4 + *condicion, libro);
    if (libro.State() != Recordset::Abierto || libro.Eof()) {
        Mensaje = QStringLiteral("Debe configurar la numeracióN de Comprobantes");
        return false;
    }
    const QVariant externo = libro.Valor(QStringLiteral("Externo"));
    if ((!externo.isNull() && ModGlobal::EsVerdadero(Texto(externo), true)) || sinRango(libro, *letra)) {
        Mensaje.clear();
        return true;
    }
    const QString control = QString::number(gTalonario.Talonario);
    if (Vencido(Fecha, libro.Valor(QStringLiteral("Vence") + *letra))) {
        resultado = false;
        Mensaje = QStringLiteral("El rango de numeracion del comprobante ") + TC + QStringLiteral(" Control nro: ") +
                  control +
                  QStringLiteral(" se encuenta vencida...! Debe dar de alta un nuevo talonario para el comprobante ") +
                  TC;
    }
    const auto fueraDe = [&](const QString& sufijo, const char* parametro, bool fuera) {
        if (!resultado || !fuera)
            return;
        resultado = false;
        Mensaje += QStringLiteral("\rEl Número de comprobante (") + Numeros::TextoPlano(n) +
                   QStringLiteral(") no respeta el parametro ") + QLatin1String(parametro) +
                   QStringLiteral(" del comprobante (") + Texto(libro.Valor(*letra + sufijo)) +
                   QStringLiteral(") , Nro de Control: ") + control;
    };
    fueraDe(QStringLiteral("_NRO_DESDE"), "NRO DESDE", n < Val(libro.Valor(*letra + QStringLiteral("_NRO_DESDE"))));
    fueraDe(QStringLiteral("_NRO_HASTA"), "NRO HASTA", n > Val(libro.Valor(*letra + QStringLiteral("_NRO_HASTA"))));
    Mensaje += QStringLiteral("\r\rVerifique los datos desde la TABLA DE COMPROBANTES y vuelta a Intentarlo");
    if (resultado)
        Mensaje.clear();
    return resultado;
}

void ActualizaUltimoNroComprobante(const QString& TC, const QString& Sistema, const QString& Sucursal,
                                   const QString& Numero, QString& Letra, bool GeneraSentencia, QString& SentenciaSQL,
                                   bool RegistraControl, bool SinActualizarTalonario)
{
    Procedimiento p(QStringLiteral("ActualizaUltimoNroComprobante"), GestorSesion());
    auto& sesion = *ModGlobal::gSesionBD;
    auto& util = *ModGlobal::gUtilidades;
    const QString alias = ObtieneTCNumeracion(TC);
    const QString tc4 = Codigo4(alias);
    const QString codigo = Literal(tc4);
    bool adelante = true;
    QString letra;
    Recordset rs;

    // The letter names columns and the number goes into statements: both checked first.
    p.paso([&] {
        const auto l = LetraDeColumna(Letra);
        if (!l)
            throw Falla(Falla::LlamadaNoValida, mensajeLetra + LetrasComprobante(), OrigenPrograma());
        letra = *l;
        Entero(Numero);
    });
    p.paso([&] {
        QString mensaje;
        ValidaNumeracionComprobante(alias, Sucursal, Numero, Letra, mensaje, QString());
    });
    // The control row of the number used, for the caller's batch.
    const auto control = [&](const QVariant& sistemaLibro) {
        if (Texto(sistemaLibro).compare(u"Contable", Qt::CaseInsensitive) != 0 && !RegistraControl &&
            !EsTipo(alias, {"OC"}))
            return;
        SentenciaSQL += QStringLiteral("\r\n INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES (") +
                        codigo + u',' + Literal(Ceros(Sucursal, 4)) + u',' +
                        Literal(Ceros(Numeros::TextoPlano(Val(Numero) - 1), 8)) + u',' + Literal(letra) +
                        QStringLiteral(")\r\n");
    };
    // Only the book of the voucher's branch moves on.
    const auto deLaSucursal = [&] {
        if (Recorta(Letra).isEmpty())
            Letra = QStringLiteral("X");
        return util.TextoADoble(Texto(rs.Valor(letra + QStringLiteral("_SUC_DEFAULT")))) == util.TextoADoble(Sucursal);
    };
    // Immediate mode: the row itself is changed and saved.
    const auto graba = [&] {
        rs.Fields(letra + QStringLiteral("_ULTIMO_NRO")) = static_cast<qlonglong>(Val(Numero));
        rs.Fields(QStringLiteral("fechahora_modificacion")) =
            Fechas::Formatea(Sistema::Ahora(), ModGlobal::FormatoFechaHora());
        rs.Update();
    };
    // The number is checked again here: the operator may have passed over the first check.
    const auto actualizacion = [&](const QString& tabla, const QString& condicion) {
        return QStringLiteral(" UPDATE ") + tabla + QStringLiteral(" SET ") + letra + QStringLiteral("_ULTIMO_NRO = ") +
               Entero(Numero) + QStringLiteral(" WHERE CODIGO = ") + codigo + condicion +
               QString::number(gTalonario.Talonario);
    };

    // The book in use, read from the query and its book condition; false when it is not there.
    // With primeroSinLibro, a type that has no book in use takes the query's first book.
    const auto abreLibro = [&](const QString& consulta, const QString& condicion, bool primeroSinLibro) {
        bool hay = false;
        p.paso([&] {
            if (const auto c = libroEnUso(alias, condicion)) {
                sesion.AbreRecordset(consulta + *c, rs, nullptr, 1, 3);
            } else if (primeroSinLibro) {
                sesion.AbreRecordset(consulta + QStringLiteral(" ORDER BY TALONARIO"), rs, nullptr, 1, 3);
                if (!rs.Eof())
                    gTalonario.Fija(alias, static_cast<long>(Val(rs.Valor(QStringLiteral("TALONARIO")))));
            }
            hay = rs.State() == Recordset::Abierto && !rs.Eof();
        });
        return hay;
    };

    if (abreLibro(QStringLiteral("SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO = ") + codigo,
                  QStringLiteral(" AND TALONARIO ="), false)) {
        p.paso([&] {
            if (!deLaSucursal())
                return;
            const QVariant ultimo = rs.Valor(letra + QStringLiteral("_ULTIMO_NRO"));
            if (!ultimo.isNull() &&
                util.TextoAMoneda(Texto(ultimo)) + Moneda::DesdeEntero(1) > util.TextoAMoneda(Numero))
                adelante = false;
            if (GeneraSentencia) {
                if (adelante && !SinActualizarTalonario)
                    SentenciaSQL = actualizacion(QStringLiteral("V_TA_CPTE"), QStringLiteral(" AND TALONARIO="));
                control(rs.Valor(QStringLiteral("Sistema")));
            } else if (adelante) {
                graba();
            }
        });
    } else if (!p.abandonado()) {
        // A type numbered only in this table has no book remembered from the choice.
        if (abreLibro(QStringLiteral("SELECT * FROM TA_Comprobantes WHERE CODIGO = ") + codigo +
                          QStringLiteral(" AND SISTEMA = ") + Literal(Recorta(Sistema)),
                      QStringLiteral(" AND TALONARIO = "), true)) {
            p.paso([&] {
                if (!deLaSucursal())
                    return;
                if (GeneraSentencia) {
                    // The book of this table moves on, as it does at once.
                    SentenciaSQL = actualizacion(QStringLiteral("TA_Comprobantes"),
                                                 QStringLiteral(" AND SISTEMA = ") + Literal(Recorta(Sistema)) +
                                                     QStringLiteral(" AND TALONARIO ="));
                    control(rs.Valor(QStringLiteral("SISTEMA")));
                } else {
                    graba();
                }
            });
        } else if (!p.abandonado()) {
            p.paso([&] {
                sesion.AbreRecordset(
                    QStringLiteral("SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO = ") + codigo, rs);
                if (rs.Eof())
                    MsgBox(QStringLiteral(
                               "Error en grabación del Comprobante, no se ha encontrado el comprobante configurado"),
                           Avisos::SoloAceptar | Avisos::Critico, QStringLiteral("ATENCION"));
                else if (esExterno(rs.Valor(QStringLiteral("Externo"))))
                    SentenciaSQL.clear();
            });
        }
    }
    p.paso([&] { sesion.CierraRecordset(rs); });
}

}  // namespace ModExportarExcel
