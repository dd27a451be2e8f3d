// The accounting entry of a stock movement: the contra line on the reason's
// account and one line per accounting account of the articles moved, as SQL
// text for the caller to run or batch. With movement kind 99, the
// cost-of-goods-sold entry of a sales voucher under a "CMV" voucher of its own.
#include "voucher/ClsCmnCptes.h"

#include "platform/avisos.h"
#include "platform/db/reglas_sqlite.h"
#include "platform/fechas.h"
#include "platform/recorte.h"
#include "services/ModExportarExcel.h"
#include "services/lectura_valores.h"
#include "session/ModGlobal.h"
#include "voucher/columnas_grillas.h"
#include "voucher/linea_asiento.h"

#include <algorithm>

using namespace ModGlobal;
using LecturaValores::EsTipo;
using LecturaValores::Literal;

namespace {

// The month of a day-first date text; failure 13 for anything that is no date.
int MesDe(const QString& fecha)
{
    if (!Fechas::EsFecha(fecha))
        throw Falla(Falla::TiposNoCoinciden, QStringLiteral("No coinciden los tipos"), OrigenPrograma());
    return Fechas::Lee(fecha)->date().month();
}

// Why no entry was made where the operator is not told: a line in the error log.
void Anota(const QString& texto)
{
    AnotaFalla(Falla(0, texto, OrigenPrograma()), QStringLiteral("GeneraAsientoStock"));
}

QChar Opuesto(QChar lado)
{
    return lado == u'D' ? u'H' : u'D';
}

// Account and description of the reason; false when it has no row.
bool LeeMotivo(const QString& sql, const QString& columnaCuenta, QString& cuenta, QString& descripcion)
{
    Recordset rs;
    gSesionBD->AbreRecordset(sql, rs, nullptr, 0, 1);
    if (rs.Eof())
        return false;
    cuenta = Recorta(gUtilidades->ValorNoNuloTexto(rs.Valor(columnaCuenta)));
    descripcion = gUtilidades->ValorNoNuloTexto(rs.Valor(QStringLiteral("Descripcion")));
    gSesionBD->CierraRecordset(rs);
    return true;
}

struct Importes {
    QStringList Codigos;   // in order of first appearance
    QList<Moneda> Montos;

    void Suma(const QString& codigo, Moneda monto)
    {
        for (qsizetype i = 0; i < Codigos.size(); ++i)
            if (Codigos[i].compare(codigo, Qt::CaseInsensitive) == 0) {
                Montos[i] += monto;
                return;
            }
        Codigos << codigo;
        Montos << monto;
    }
};

// The accounts of the articles, in account order, each with its articles' total.
QList<LineaAsiento> TotalesPorCuenta(const Importes& articulos)
{
    QStringList literales;
    for (const QString& c : articulos.Codigos)
        literales << Literal(c);
    // The embedded engine takes no chain of a thousand ORs: a long grid is
    // asked in parts, their accounts merged and put in account order, as one
    // grouped read would give them.
    constexpr qsizetype Tramo = 200;
    QList<LineaAsiento> cuentas;
    const auto yaEsta = [&](const QString& cuenta) {
        for (const LineaAsiento& c : cuentas)
            if (LecturaValores::MismoCodigo(c.Cuenta, cuenta))
                return true;
        return false;
    };
    for (qsizetype desde = 0; desde < literales.size(); desde += Tramo) {
        Recordset rs;
        gSesionBD->AbreRecordset(QStringLiteral("select cuentacontableC from v_ma_articulos where (") +
                                     ArmaCondicion(QStringLiteral(" idarticulo "), QStringLiteral("="),
                                                   literales.mid(desde, Tramo), QStringLiteral(" OR "), QString(),
                                                   false, false) +
                                     QStringLiteral(") and not cuentacontableC is null group by cuentacontableC"),
                                 rs, nullptr, 0, 1);
        for (; !rs.Eof(); rs.MoveNext()) {
            const QString cuenta = gUtilidades->ValorNoNuloTexto(rs.Valor(0));
            // A blank account is no account, as a Null one: no line is booked to it.
            if (!Recorta(cuenta).isEmpty() && !yaEsta(cuenta))
                cuentas.append({cuenta, Moneda(), u'D', 0});
        }
        gSesionBD->CierraRecordset(rs);
    }
    if (cuentas.isEmpty())
        return cuentas;
    if (literales.size() > Tramo)
        std::stable_sort(cuentas.begin(), cuentas.end(), [](const LineaAsiento& a, const LineaAsiento& b) {
            return ReglasSqlite::ComparaSinCaso(a.Cuenta, b.Cuenta) < 0;
        });

    for (qsizetype i = 0; i < articulos.Codigos.size(); ++i) {
        Recordset art;
        gSesionBD->AbreRecordset(QStringLiteral("select cuentacontableC, costo from v_ma_articulos where idarticulo=") +
                                     literales[i],
                                 art, nullptr, 0, 1);
        if (art.Eof())
            continue;
        const QVariant cuenta = art.Valor(QStringLiteral("cuentacontableC"));
        if (cuenta.isNull())
            continue;
        for (LineaAsiento& c : cuentas)
            if (LecturaValores::MismoCodigo(c.Cuenta, cuenta.toString()))
                c.Importe += articulos.Montos[i];
    }
    return cuentas;
}

}  // namespace

QString ClsCmnCptes::GeneraAsientoStock(Grilla& grid, QString& eMotivoStock, QString& TC, const QString& Suc,
                                        QString& Nro, const QString& Letra, const QString& fecha, bool& EsDebito,
                                        short TipoMov, long SoloRegistro, short& Secuencia,
                                        NumeroDeAsiento Numeracion)
{
    asientoFallido_ = false;
    if (!gAsientosXStock)
        return QString();
    eMotivoStock = gUtilidades->ReemplazaTexto(eMotivoStock, QStringLiteral("'"), QString());
    // The list holds "FKFC", as the suite's does.
    if (TipoMov != 99 && EsTipo(TC, {"FC", "TK", "FKFC", "FP", "NC", "NCP", "ND"}))
        return QString();
    if (EsTipo(TC, {"FCC", "FPC", "NCC", "LNCC", "NCCP", "NDC", "LNDC"}))
        return QString();

    Procedimiento p(QString(), LecturaValores::GestorSesion());
    bool sinAsiento = false;
    // Runs a step: false once the procedure was left, a step found there is no
    // entry to make, or a failure was passed over (what it left undone would
    // unbalance the entry or leave a line without its account).
    const auto paso = [&](const std::function<void()>& cuerpo) {
        bool completo = false;
        const bool seguido = p.paso([&] {
            cuerpo();
            completo = true;
        });
        if (!completo)
            asientoFallido_ = true;
        return seguido && completo && !sinAsiento;
    };

    DatosAsiento a;
    a.TipoMov = TipoMov;
    a.SoloRegistro = SoloRegistro;
    a.Suc = Suc;
    a.Letra = Letra;
    int columnaCosto = ColArticulos::Costo;

    // The movement kind decides the reason, the cost column and the side; the first rule that matches.
    if (!paso([&] {
            const bool diferencias = grid.objectName().compare(QLatin1String("MSFlexGridDif"), Qt::CaseInsensitive) == 0;
            const auto porAjuste = [&](const char* clave, bool debito) {
                if (diferencias) {
                    EsDebito = !debito;
                    return;
                }
                eMotivoStock = Cfg(QLatin1String(clave));
                EsDebito = debito;
            };
            switch (TipoMov) {
            case 1: porAjuste("MotivoStockRemito", true); return;
            case 2: porAjuste("MotivoStockComodato", true); return;
            case 3: porAjuste("MotivoStockTransferencias", true); return;
            case 4: porAjuste("MotivoStockTransferencias", false); return;
            case 5:
                columnaCosto = ColArticulos::PrecioSinIVA;
                porAjuste("MotivoStockRecepcionOC", false);
                return;
            case 99: return;
            }
            if (EsTipo(TC, {"RMC"})) {
                columnaCosto = ColArticulos::PrecioSinIVA;
                porAjuste("MotivoStockRecepcionOC", false);
            } else if (EsTipo(TC, {"IR", "AJP", "SI"})) {
                EsDebito = false;
            } else if (EsTipo(TC, {"VS", "AJN"})) {
                EsDebito = true;
            } else {
                EsDebito = ObtieneSignoComprobante(TC, false) == -1;
            }
        }))
        return QString();

    // Cost of goods sold: the sales voucher becomes the origin of a "CMV" voucher.
    if (TipoMov == 99 && !paso([&] {
            a.TcOrigen = TC;
            a.CpteOrigen = Suc + Nro + Letra;
            if (EsTipo(TC, {"FC", "TK", "TKFC", "FP", "ND"}))
                EsDebito = true;
            else if (EsTipo(TC, {"NC", "NCFP"}))
                EsDebito = false;
            else
                return void(sinAsiento = true);
            TC = QStringLiteral("CMV");
            QString numero;
            bool modifica = false;
            // Without a number there is no voucher to book the entry under.
            if (!ModExportarExcel::Obtener_Nro_Comprobante(TC, a.Suc, numero, a.Letra, modifica, true, QString(),
                                                           QString()))
                return void(sinAsiento = true);
            Nro = numero;
        }))
        return QString();
    a.TC = TC;
    a.Nro = Nro;
    a.fecha = fecha;
    a.Motivo = eMotivoStock;

    if (!paso([&] {
            const QString motivo = Literal(gUtilidades->AjustaAncho(eMotivoStock, 4));
            if (TipoMov == 99) {
                if (!LeeMotivo(QStringLiteral("SELECT V_TA_MotivoVta.IdMotivoVta, V_TA_MotivoVta.Descripcion, "
                                              "V_TA_Input_Ventas.COSTO_MERCADERIA "
                                              "FROM V_TA_Input_Ventas INNER JOIN "
                                              "V_TA_MotivoVta ON V_TA_Input_Ventas.IdMotivoVta = "
                                              "V_TA_MotivoVta.IdMotivoVta "
                                              "WHERE V_TA_MotivoVta.IdMotivoVta = ") +
                                   motivo,
                               QStringLiteral("COSTO_MERCADERIA"), a.CuentaMotivo, a.Detalle))
                    return void(sinAsiento = true);
                if (a.CuentaMotivo.isEmpty()) {
                    MsgBox(QStringLiteral("No se puede generar el asiento de Costo de mercaderia!.. no esta "
                                          "configurada la cuenta"),
                           Avisos::Informacion, QStringLiteral("Aviso al Operador"));
                    return void(sinAsiento = true);
                }
            } else if (!LeeMotivo(QStringLiteral("SELECT CUENTACONTABLE, Descripcion FROM V_TA_MOTIVOSTOCK WHERE "
                                                 "IDMOTIVOSTOCK = ") +
                                      motivo,
                                  QStringLiteral("CUENTACONTABLE"), a.CuentaMotivo, a.Detalle)) {
                return void(sinAsiento = true);
            }
            if (a.CuentaMotivo.isEmpty())
                sinAsiento = true;
        }))
        return QString();
    a.Periodo = QString::number(gPeriodo).trimmed();

    // A whole-grid entry is made once per voucher.
    if (SoloRegistro == 0 && !paso([&] {
            QString asiento;
            if (ModExportarExcel::ObtieneAsientoComprobante(a.TC, a.Suc, a.Nro, a.Letra, asiento, QString(), true)) {
                Anota(QStringLiteral("El comprobante ya ha Sido Cargado. Asiento ") + asiento);
                sinAsiento = true;
            }
        }))
        return QString();

    // The register type first: the entry number is drawn for it.
    if (!paso([&] {
            a.TipoReg = ModExportarExcel::ObtieneTipoRegCont(a.TC);
            if (a.TipoReg.isEmpty()) {
                // Only a failure of the look-up leaves it empty.
                asientoFallido_ = true;
                Anota(QStringLiteral("No se ha informado El Tipo de Registro que generará el Asiento, corrija esto "
                                     "desde configuración y vuelva a intentarlo"));
                sinAsiento = true;
            }
        }))
        return QString();

    if (!paso([&] {
            a.Mes = MesDe(fecha);
            const auto nuevo = [&] { return double(ModExportarExcel::ValidaTCRegistraciones(a.Mes, a.Periodo, a.TipoReg)); };
            if (SoloRegistro == 0)
                NroAsientoStock = NroAsientoStock == 0 ? nuevo() : NroAsientoStock + 1;
            else if (NroAsientoStock == 0 || Numeracion == NumeroDeAsiento::Nuevo ||
                     (Numeracion == NumeroDeAsiento::PorFila && SoloRegistro == 1))
                NroAsientoStock = nuevo();
            // A failed draw is no entry number.
            if (NroAsientoStock == 0) {
                asientoFallido_ = true;
                sinAsiento = true;
            }
            a.Numero = NroAsientoStock;
        }))
        return QString();

    Importes articulos;
    if (!paso([&] {
            const auto suma = [&](int fila) {
                articulos.Suma(gUtilidades->AjustaAncho(grid.TextMatrix(fila, ColArticulos::Codigo), 25),
                               gUtilidades->TextoAMoneda(grid.TextMatrix(fila, columnaCosto)) *
                                   gUtilidades->TextoAMoneda(grid.TextMatrix(fila, ColArticulos::Cantidad)));
            };
            if (SoloRegistro == 0) {
                for (int fila = 1; fila < grid.Rows(); ++fila) {
                    grid.setRow(fila);
                    suma(fila);
                }
            } else {
                suma(static_cast<int>(SoloRegistro));
            }
            if (articulos.Codigos.isEmpty())
                sinAsiento = true;
        }))
        return QString();

    QList<LineaAsiento> cuentas;
    if (!paso([&] { cuentas = TotalesPorCuenta(articulos); }))
        return QString();

    // The contra line balances the account lines: a negative sum goes to the
    // other side as its absolute value.
    const QChar ladoMotivo = EsDebito ? u'D' : u'H';
    Moneda suma;
    for (const LineaAsiento& c : cuentas)
        suma += c.Importe;
    LineaAsiento contra{a.CuentaMotivo, suma, ladoMotivo, Secuencia};
    if (suma < Moneda()) {
        contra.Importe = -suma;
        contra.Lado = Opuesto(ladoMotivo);
    }
    a.ImporteCabecera = contra.Importe;

    QList<LineaAsiento> lineas{contra};
    short numeroLinea = Secuencia;
    for (LineaAsiento c : cuentas) {
        c.Secuencia = ++numeroLinea;
        c.Lado = Opuesto(ladoMotivo);
        if (c.Importe < Moneda()) {
            c.Importe = -c.Importe;
            c.Lado = ladoMotivo;
        }
        lineas << c;
    }
    // Every line or none: one line passed over would leave the entry unbalanced.
    QString resultado;
    if (!paso([&] {
            QString texto;
            for (const LineaAsiento& l : lineas) {
                const QString sentencia = SentenciaLineaAsiento(a, l);
                if (!sentencia.isEmpty())
                    texto += QStringLiteral("\r\n") + sentencia;
            }
            resultado = texto;
        }))
        return QString();
    Secuencia = static_cast<short>(numeroLinea + 1);
    return resultado;
}
