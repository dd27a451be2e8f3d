// The voucher loader: a stored voucher's tasks, article lines and other
// concepts appended to the grids of a voucher being made from it.
#include "voucher/carga_comprobante.h"

#include "platform/avisos.h"
#include "platform/eventos.h"
#include "platform/fechas.h"
#include "platform/numeros.h"
#include "platform/recorte.h"
#include "platform/sistema.h"
#include "services/Stock.h"
#include "services/lectura_valores.h"
#include "session/Def_QConsulta.h"
#include "session/ModGlobal.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <algorithm>
#include <cmath>

using namespace ModGlobal;
using LecturaValores::EsTipo;
using LecturaValores::Literal;
using LecturaValores::Texto;

namespace {

Grilla& Exigida(Grilla* grilla)
{
    if (!grilla)
        throw Falla(Falla::ObjetoNoEstablecido, QStringLiteral("Variable de objeto o bloque With no establecido"),
                    OrigenPrograma());
    return *grilla;
}

bool Iguales(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A field as a cell shows it: numbers in the plain form, dates in the
// regional one, texts as stored; Null is empty.
QString TextoCampo(const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return QString();
    if (LecturaValores::EsNumero(v))
        return Numeros::TextoPlano(v.toDouble());
    switch (v.metaType().id()) {
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        return Fechas::TextoRegional(Fechas::DeValor(v));
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    default:
        return v.toString();
    }
}

// A BIT field that holds false (Null is no value, so not false).
bool EsFalso(const QVariant& v)
{
    return !v.isNull() && v.isValid() && !v.toBool();
}

}  // namespace

bool ClsCmnCptes::AsignarDatosComprobante(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento,
                                          Grilla* MSFlexGrid1, Grilla* MSFlexGrid2, Grilla* MSFlexGrid3, bool,
                                          Recordset* LrcsCpte, bool Compras, const QString& Proveedor,
                                          short& IdRepartoRM, bool ConvertirMoneda, const QString& WhrTareas,
                                          const QString& CpteDestino, QString& LetraDestino)
{
    CargaComprobante carga(*this, TC, SucNroLetra, IdComplemento, MSFlexGrid1, MSFlexGrid2, MSFlexGrid3, LrcsCpte,
                           Compras, Proveedor, IdRepartoRM, ConvertirMoneda, WhrTareas, CpteDestino, LetraDestino);
    return carga.Ejecuta();
}

CargaComprobante::CargaComprobante(ClsCmnCptes& clase, const QString& TC, const QString& SucNroLetra,
                                   const QString& IdComplemento, Grilla* MSFlexGrid1, Grilla* MSFlexGrid2,
                                   Grilla* MSFlexGrid3, Recordset* LrcsCpte, bool Compras, const QString& Proveedor,
                                   short& IdRepartoRM, bool ConvertirMoneda, const QString& WhrTareas,
                                   const QString& CpteDestino, QString& LetraDestino)
    : clase_(clase), TC(TC), SucNroLetra(SucNroLetra), IdComplemento(IdComplemento), MSFlexGrid1(MSFlexGrid1),
      MSFlexGrid2(MSFlexGrid2), MSFlexGrid3(MSFlexGrid3), LrcsCpte(LrcsCpte), Compras(Compras), Proveedor(Proveedor),
      IdRepartoRM(IdRepartoRM), ConvertirMoneda(ConvertirMoneda), WhrTareas(WhrTareas), CpteDestino(CpteDestino),
      LetraDestino(LetraDestino), p_(QStringLiteral("AsignarDatosComprobante"), GestorUtilidades())
{
}

bool CargaComprobante::Paso(const std::function<void()>& cuerpo)
{
    bool hecho = false;
    p_.paso([&] {
        cuerpo();
        hecho = true;
    });
    return hecho;
}

void CargaComprobante::Abre(const QString& sql, Recordset& rs)
{
    gSesionBD->AbreRecordset(sql, rs, nullptr, 0, 1);
}

QString CargaComprobante::ConsultaLineas(const QString& orden) const
{
    return QStringLiteral("SELECT * FROM ") + Prefijo + QStringLiteral("MV_CPTEINSUMOS  ") + ClaveCpte + orden;
}

bool CargaComprobante::Ejecuta()
{
    const bool esNP = EsTipo(TC, {"NP"});

    p_.paso([&] {
        PreciosFinales = CfgIgualSi(QStringLiteral("PreciosFinales"));
        DescargaStockRemitos = CfgIgualSi(QStringLiteral("DescargaStockRemitos"));
    });
    p_.paso([&] { EsDevolucion = IdRepartoRM == -98; });
    p_.paso([&] {
        Recordset rs;
        Abre(QStringLiteral("SELECT CANTLINEAS FROM TA_CONFIG_IMP_CPTE WHERE TC=") + Literal(CpteDestino) +
                 QStringLiteral(" AND LETRA=") + Literal(LetraDestino) + QStringLiteral(" ORDER BY ID"),
             rs);
        if (rs.Eof())
            CantLineasHoja = 9999;
        else
            CantLineasHoja =
                Entero16(gUtilidades->TextoAMoneda(Texto(rs.Valor(QStringLiteral("CantLineas")))).ADoble());
        gSesionBD->CierraRecordset(rs);
    });
    p_.paso([&] { EntregaParcialRemito = EsVerdadero(Cfg(QStringLiteral("EntregaParcialRemito")), true); });
    // Without its key every query below would read all stored vouchers: a
    // failed key leaves, whatever the answer but a retry.
    const bool conClave = Paso([&] {
        Prefijo = Compras ? QStringLiteral("C_") : QStringLiteral("V_");
        ClaveCpte = QStringLiteral(" WHERE TC = ") + Literal(LecturaValores::Codigo4(TC)) +
                    QStringLiteral(" AND IDCOMPROBANTE = ") + Literal(Recorta(SucNroLetra));
        if (Compras)
            ClaveCpte += QStringLiteral(" AND CUENTA = ") + Literal(Proveedor);
        else
            ClaveCpte += QStringLiteral(" AND IdComplemento = ") + LecturaValores::Entero(IdComplemento);
        OrdenCpte = QStringLiteral(" ORDER BY ID ");
    });
    if (!conClave)
        return false;

    // Purchase vouchers are never re-priced: the updates would go to sales lines.
    if (!Compras && esNP && SucNroLetra.left(4) == QLatin1String("9999"))
        Reprecio();

    p_.paso([&] {
        EsSistemaCompras = Iguales(Texto(gSesionBD->ObtieneValor(QStringLiteral("V_TA_CPTE"), TC,
                                                                  QStringLiteral("SISTEMA"), QStringLiteral("Codigo"),
                                                                  8, QString())),
                                   QStringLiteral("COMPRAS"));
    });
    p_.paso([&] { Abre(QStringLiteral("SELECT * FROM ") + Prefijo + QStringLiteral("MV_CPTE  ") + ClaveCpte + OrdenCpte,
                       RsCabecera); });
    p_.paso([&] {
        Abre(QStringLiteral("SELECT * FROM ") + Prefijo + QStringLiteral("MV_CPTETAREAS  ") + ClaveCpte + WhrTareas +
                 OrdenCpte,
             RsTareas);
    });
    p_.paso([&] {
        if (CfgIgualSi(QStringLiteral("FacturaNPPreparadas")))
            Abre(ConsultaLineas(esNP ? QStringLiteral(" ORDER BY  PALLETS ") : OrdenCpte), RsLineas);
        else if (CfgIgualSi(QStringLiteral("OrdenaPorCodigo")))
            Abre(ConsultaLineas(QStringLiteral(" ORDER BY IDARTICULO ")), RsLineas);
        else
            Abre(ConsultaLineas(OrdenCpte), RsLineas);
    });
    p_.paso([&] {
        if (!(EsTipo(CpteDestino, {"FC"}) || (EsTipo(CpteDestino, {"FP"}) && esNP)))
            return;
        if (LetraDestino.isEmpty())
            LetraDestino = QStringLiteral("A");
        if (CfgIgualSi(QStringLiteral("FacturaNPPreparadas")))
            Abre(ConsultaLineas(esNP ? QStringLiteral(" AND ((Cantidad >= Cantidadpreparada AND CANTIDADAFACTURAR  > 0 )) "
                                                      "ORDER BY PALLETS ")
                                     : OrdenCpte),
                 RsLineas);
        else if (CfgIgualSi(QStringLiteral("OrdenaPorCodigo")))
            Abre(ConsultaLineas(QStringLiteral(" ORDER BY IDARTICULO")), RsLineas);
        else
            Abre(ConsultaLineas(esNP ? QStringLiteral(" ORDER BY ID") : OrdenCpte), RsLineas);
    });
    p_.paso([&] {
        Abre(QStringLiteral("SELECT * FROM ") + Prefijo + QStringLiteral("MV_CPTE_Observ  ") + ClaveCpte +
                 QStringLiteral(" AND TIPO_OBS ='OC' ") + OrdenCpte,
             RsOtrosConceptos);
    });
    p_.paso([&] {
        if (!EsSistemaCompras)
            IdRepartoRM = Entero16(LecturaValores::Val(RsCabecera.Valor(QStringLiteral("IdReparto"))));
    });

    CargaTareas();
    CargaArticulos();
    CargaOtrosConceptos();

    p_.paso([&] {
        if (LrcsCpte)
            *LrcsCpte = std::move(RsCabecera);
    });
    p_.paso([&] { gSesionBD->CierraRecordset(RsTareas); });
    p_.paso([&] { gSesionBD->CierraRecordset(RsLineas); });
    p_.paso([&] { gSesionBD->CierraRecordset(RsOtrosConceptos); });
    return !p_.abandonado();
}

void CargaComprobante::Reprecio()
{
    QString condicionIva;
    p_.paso([&] {
        Abre(QStringLiteral("SELECT * FROM ") + Prefijo + QStringLiteral("MV_CPTE  ") + ClaveCpte + OrdenCpte,
             RsCabecera);
        condicionIva = Texto(RsCabecera.Valor(QStringLiteral("CondicionIva")));
    });
    p_.paso([&] { Abre(QStringLiteral("SELECT * FROM ") + Prefijo + QStringLiteral("MV_CPTEINSUMOS  ") + ClaveCpte,
                       RsLineas); });

    // Runs one correction; a statement the database refused is shown and the pass goes on.
    const auto envia = [&](const QString& sql) {
        EjecutaRegistrando(*gSesionBD, sql);
        const ErroresBD& errores = gSesionBD->Conexion.Errors;
        if (errores.Count() > 0)
            MsgBox(errores.Item(0).Description, 0);
    };

    while (!p_.abandonado()) {
        bool fin = true;
        p_.paso([&] { fin = RsLineas.Eof(); });
        if (fin)
            break;
        QString id;
        QVariant impuestosLinea, exento;
        double importeSinIva = 0, alicuota = 0, cantidad = 0;
        bool mismoImporte = false;
        p_.paso([&] {
            id = Texto(RsLineas.Valor(QStringLiteral("Id")));
            impuestosLinea = RsLineas.Valor(QStringLiteral("Impuestos"));
            exento = RsLineas.Valor(QStringLiteral("Exento"));
            importeSinIva = LecturaValores::Numero(RsLineas.Valor(QStringLiteral("Importe_S_IVA")));
            alicuota = LecturaValores::Numero(RsLineas.Valor(QStringLiteral("AlicIVA")));
            cantidad = LecturaValores::Numero(RsLineas.Valor(QStringLiteral("Cantidad")));
            mismoImporte = Moneda::DesdeDoble(importeSinIva) ==
                           Moneda::DesdeDoble(LecturaValores::Numero(RsLineas.Valor(QStringLiteral("Importe"))));
        });
        p_.paso([&] {
            QString codigo = gUtilidades->AjustaAncho(Recorta(Texto(RsLineas.Valor(QStringLiteral("IdArticulo")))), 25);
            bool porCodigoBarra = false;
            QString descripcion, udBase, lote;
            double cantidadArt = 0;
            Moneda importe;
            short unidadNegocio = 0;
            if (!BuscaArticulo(codigo, RsArticulo, true, porCodigoBarra, descripcion, QString(), udBase, QString(),
                               cantidadArt, importe, lote, QString(), unidadNegocio))
                return;
            const double impuestosArticulo = LecturaValores::Numero(RsArticulo.Valor(QStringLiteral("Impuestos")));
            if (impuestosArticulo > 0 && LecturaValores::Numero(impuestosLinea) == 0)
                envia(QStringLiteral("update v_mv_cpteinsumos set impuestos = ") +
                      gSesionBD->ValorSQL(impuestosArticulo, QStringLiteral("@")) + QStringLiteral(" where id = ") + id);
        });
        p_.paso([&] {
            if (!PreciosFinales || !EsFalso(exento))
                return;
            QString condicionEmpresa = Cfg(QStringLiteral("CONDIVA"));
            if (Def_QConsulta::LetraComprobante(condicionEmpresa, condicionIva) != QLatin1String("A") || !mismoImporte)
                return;
            const double conIva = importeSinIva * (alicuota / 100 + 1);
            envia(QStringLiteral("update v_mv_cpteinsumos set IMPORTE = ") +
                  gSesionBD->ValorSQL(conIva, QStringLiteral("@")) + QStringLiteral(", TOTAL = ") +
                  gSesionBD->ValorSQL(conIva * cantidad, QStringLiteral("@")) + QStringLiteral(" where id = ") + id);
        });
        p_.paso([&] { RsLineas.MoveNext(); });
    }
}

void CargaComprobante::AgregaFilas(Grilla* grilla, Recordset& origen, void (CargaComprobante::*fila)())
{
    bool vacio = true;
    p_.paso([&] { vacio = origen.Eof(); });
    if (vacio)
        return;
    // The first line goes into the grid's entry row; a grid cleared down to
    // its titles has none, and a last row that already holds a line (its
    // first cell filled) is kept, as the article rows keep theirs.
    p_.paso([&] {
        Grilla& g = Exigida(grilla);
        if (g.Rows() <= g.FixedRows() || !Recorta(g.TextMatrix(g.Rows() - 1, 0)).isEmpty())
            g.setRows(g.Rows() + 1);
    });
    bool primera = true;
    while (!p_.abandonado()) {
        bool fin = true;
        p_.paso([&] { fin = origen.Eof(); });
        if (fin)
            break;
        if (!primera)
            p_.paso([&] { Exigida(grilla).setRows(grilla->Rows() + 1); });
        primera = false;
        (this->*fila)();
        p_.paso([&] { origen.MoveNext(); });
    }
    p_.paso([&] { Exigida(grilla).setRows(grilla->Rows() + 1); });
}

void CargaComprobante::Celda(Grilla* grilla, int columna, const std::function<QString()>& texto)
{
    p_.paso([&] {
        Grilla& g = Exigida(grilla);
        g.setTextMatrix(g.Rows() - 1, columna, texto());
    });
}

QString CargaComprobante::TextoImporte(const QVariant& campo)
{
    Moneda importe = gUtilidades->TextoAMoneda(TextoCampo(campo));
    if (ConvertirMoneda)
        importe = Convertido(importe);
    return FmtMoneda(importe.Texto().trimmed(), -1, false);
}

Moneda CargaComprobante::Convertido(Moneda importe)
{
    // The rate as stored: rounded to four decimals first, a rate such as
    // 0.000833 or 1234.56789 would turn every amount into another figure.
    const double cotizacion = LecturaValores::Numero(RsCabecera.Valor(QStringLiteral("Cotizacion")));
    return Moneda::DesdeDoble(importe.ADoble() * cotizacion);
}

void CargaComprobante::CargaTareas()
{
    AgregaFilas(MSFlexGrid1, RsTareas, &CargaComprobante::FilaTarea);
}

void CargaComprobante::FilaTarea()
{
    Recordset& rs = RsTareas;
    Grilla* g = MSFlexGrid1;
    const auto campo = [&](const char* nombre) { return TextoCampo(rs.Valor(QString::fromLatin1(nombre))); };
    const auto recortado = [&](int columna, const char* nombre) {
        Celda(g, columna, [&] { return Recorta(campo(nombre)); });
    };
    const auto importe = [&](int columna, const char* nombre) {
        Celda(g, columna, [&] { return TextoImporte(rs.Valor(QString::fromLatin1(nombre))); });
    };
    const auto numero = [&](int columna, const char* nombre) {
        Celda(g, columna, [&] { return Numeros::TextoPlano(LecturaValores::Val(campo(nombre))); });
    };
    const auto talCual = [&](int columna, const char* nombre) { Celda(g, columna, [&] { return campo(nombre); }); };

    recortado(ColTareas::Codigo, "IDTAREA");
    recortado(ColTareas::CodigoOriginal, "IDTAREA");
    recortado(ColTareas::Descripcion, "Descripcion");
    Celda(g, ColTareas::Horas, [&] {
        long horas = 0, minutos = 0;
        return FormatoHoras(LecturaValores::Val(campo("Horas").trimmed()), horas, minutos, false);
    });
    importe(ColTareas::ValorHora, "ValorHora");
    importe(ColTareas::ImporteSinIVA, "valorHora_S_Iva");
    importe(ColTareas::Total, "Total");
    if (Compras)
        return;
    recortado(ColTareas::ObservAdic, "descripcionadicional");
    recortado(ColTareas::FechaInicio, "FechaEstInicio");
    recortado(ColTareas::FechaFin, "FechaEstFin");
    recortado(ColTareas::IdTecnico, "IdTecnico");
    recortado(ColTareas::FechaRealInicio, "FechaREALInicio");
    recortado(ColTareas::FechaRealFin, "FechaREALFin");
    numero(ColTareas::Prioridad, "Prioridad");
    numero(ColTareas::Usuario, "Usuario");
    talCual(ColTareas::FhPresentacion, "FHPRESENTACION");
    talCual(ColTareas::FhEmision, "FHEMISION");
    talCual(ColTareas::NroExp, "NROEXP");
    talCual(ColTareas::FhEntrega, "FhEntrega");
}

void CargaComprobante::CargaArticulos()
{
    int contador = 0;
    p_.paso([&] {
        clase_.NPP_Cliente.clear();
        clase_.NPP_IDCpte.clear();
    });
    bool vacio = true;
    p_.paso([&] { vacio = RsLineas.Bof(); });
    if (vacio)
        return;
    bool primeraFila = true;
    p_.paso([&] {
        const long lineas = RsLineas.RecordCount();
        if (!(EsTipo(TC, {"NP"}) && EsTipo(CpteDestino, {"FC", "FP"}) && lineas > CantLineasHoja &&
              CantLineasHoja != 9999 && CantLineasHoja != 0))
            return;
        clase_.NPP_Cliente = Texto(RsCabecera.Valor(QStringLiteral("Cuenta")));
        clase_.NPP_IDCpte = Texto(RsCabecera.Valor(QStringLiteral("IdComprobante")));
        const long hojas = lineas / CantLineasHoja + (lineas % CantLineasHoja > 0 ? 1 : 0);
        MsgBox(QStringLiteral("Recuerde que para facturar este pedido completo necesita %1 Hojas (El sistema tiene "
                              "configurado %2 por hoja)")
                   .arg(hojas)
                   .arg(CantLineasHoja),
               Avisos::Informacion, QStringLiteral("Aviso al operador"));
    });
    CuentaLineasPorArticulo();
    short senal = 0;
    // The codes loaded so far; the empty first one is matched by a line without code.
    QStringList cargados{QString()};
    while (!p_.abandonado()) {
        bool fin = true;
        p_.paso([&] { fin = RsLineas.Eof(); });
        if (fin)
            break;
        if (!LineaArticulo(contador, primeraFila, senal, cargados))
            break;
        p_.paso([&] { RsLineas.MoveNext(); });
    }
    p_.paso([&] { Exigida(MSFlexGrid2).setRows(MSFlexGrid2->Rows() + 1); });
}

bool CargaComprobante::LineaArticulo(int& contador, bool& primeraFila, short& senal, QStringList& cargados)
{
    Grilla* g = MSFlexGrid2;
    const auto linea = [&](const char* campo) { return RsLineas.Valor(QString::fromLatin1(campo)); };
    const QString ejecutable = Sistema::NombreEjecutable();
    const bool osmarin = Iguales(ejecutable, QStringLiteral("Osmarin"));
    const bool tarnivel = Iguales(ejecutable, QStringLiteral("Tarnivel"));

    bool saltea = false;
    p_.paso([&] {
        saltea = LecturaValores::Val(linea("Recepcion")) == -999 && !clase_.NPP_Cliente.isEmpty();
    });
    if (saltea)
        return true;
    if (senal == 2)
        primeraFila = true;
    // Whether this line added the row it is written into.
    bool agregoFila = false;
    if (primeraFila) {
        primeraFila = false;
    } else {
        p_.paso([&] { saltea = osmarin && clase_.ExisteEnGrid(Exigida(g), Texto(linea("IdArticulo"))); });
        if (saltea)
            return true;
        p_.paso([&] {
            Exigida(g).setRows(g->Rows() + 1);
            agregoFila = true;
        });
    }
    ++contador;
    if (contador > CantLineasHoja && CantLineasHoja > 0)
        return false;

    // B: the row of the line, and articles already loaded from a voucher delivered by rounds.
    p_.paso([&] { PideDeposito = CfgIgualSi(QStringLiteral("PideDepositoEnCptes")); });
    bool repetido = false;
    p_.paso([&] {
        if (tarnivel || Recorta(Texto(RsCabecera.Valor(QStringLiteral("IdReparto")))) != QLatin1String("-1"))
            return;
        const QString codigo = Recorta(Texto(linea("IdArticulo")));
        // Each code whole: one holding a comma does not stand for the articles named by its parts.
        for (const QString& item : cargados)
            if (Iguales(item, codigo))
                repetido = true;
        if (!repetido)
            cargados << codigo;
    });
    if (repetido) {
        // Only a row this line added goes; a row it took from the grid stays for the next line.
        if (agregoFila)
            p_.paso([&] { Exigida(g).setRows(g->Rows() - 1); });
        else
            primeraFila = true;
        return true;
    }
    p_.paso([&] {
        Grilla& grilla = Exigida(g);
        // Never into a title row: a grid cleared down to its titles gets a row.
        if (grilla.Rows() <= grilla.FixedRows() ||
            !Recorta(grilla.TextMatrix(grilla.Rows() - 1, ColArticulos::Codigo)).isEmpty())
            grilla.setRows(grilla.Rows() + 1);
    });
    Pendiente = 0;
    Aplicado = 0;
    Cantidades();

    // E: an article of another business unit is dropped from an invoice; its row is reused.
    ArticuloEncontrado = false;
    p_.paso([&] {
        senal = 1;
        QString codigo = gUtilidades->AjustaAncho(Recorta(Texto(linea("IdArticulo"))), 25);
        bool porCodigoBarra = false;
        QString descripcion, udBase, lote;
        double cantidad = 0;
        Moneda importe;
        ArticuloEncontrado = BuscaArticulo(codigo, RsArticulo, true, porCodigoBarra, descripcion, QString(), udBase,
                                           QString(), cantidad, importe, lote, QString(), senal);
    });
    if (ArticuloEncontrado && !EsTipo(CpteDestino, {"FP", "NCFP"}) && senal == 2) {
        if (contador != 0)
            --contador;
        return true;
    }
    DatosArticulo();
    MarcasYEquivalentes(PreciosYMedidas());
    return true;
}

double CargaComprobante::CantidadAplicada()
{
    Recordset rs;
    Abre(QStringLiteral("SELECT CantidadAplicada FROM VT_V_MV_INSUMOS_APLICACION WHERE (TCO_ORIGEN = 'RM' or "
                        "TCO_ORIGEN = 'NP') AND IDCOMPROBANTEORIGEN = ") +
             Literal(Recorta(SucNroLetra)) + QStringLiteral(" AND IDARTICULO = ") +
             Literal(gUtilidades->AjustaAncho(Recorta(Texto(RsLineas.Valor(QStringLiteral("IdArticulo")))), 25)),
         rs);
    // A line not yet invoiced has no row: nothing applied.
    double aplicado = 0;
    if (!rs.Eof())
        aplicado = gUtilidades->TextoAMoneda(Texto(rs.Valor(QStringLiteral("CantidadAplicada")))).ADoble();
    gSesionBD->CierraRecordset(rs);
    Eventos::Pendientes();
    return aplicado;
}

QString CargaComprobante::ClaveArticulo() const
{
    return Recorta(Texto(RsLineas.Valor(QStringLiteral("IdArticulo")))).toUpper();
}

void CargaComprobante::CuentaLineasPorArticulo()
{
    PorArticulo.clear();
    // Without the count every line takes the article's whole figures, as one line would.
    try {
        for (; !RsLineas.Eof(); RsLineas.MoveNext()) {
            LineasDeArticulo& a = PorArticulo[ClaveArticulo()];
            a.contadas = true;
            ++a.lineas;
            a.cantidad += std::max(LecturaValores::Numero(RsLineas.Valor(QStringLiteral("Cantidad"))), 0.0);
        }
    } catch (const Falla&) {
        PorArticulo.clear();
    }
    RsLineas.MoveFirst();
}

double CargaComprobante::PartePendiente(double pendienteArticulo, double cantidad) const
{
    const LineasDeArticulo a = PorArticulo.value(ClaveArticulo());
    // Elsewhere a voucher delivered by rounds loads only the first line of each article.
    if (!Iguales(Sistema::NombreEjecutable(), QStringLiteral("Tarnivel")) || cantidad <= 0 || !a.contadas)
        return pendienteArticulo;
    // What the later lines of the article could still take is not this line's.
    return std::max(pendienteArticulo - a.pendiente - (a.cantidad - cantidad), 0.0);
}

double CargaComprobante::ParteAplicada(double aplicadoArticulo, double cantidad) const
{
    const LineasDeArticulo a = PorArticulo.value(ClaveArticulo());
    const double resto = aplicadoArticulo - a.aplicado;
    if (a.lineas > 1)
        return std::clamp(resto, 0.0, std::max(cantidad, 0.0));
    return resto;
}

void CargaComprobante::Cantidades()
{
    const auto linea = [&](const char* campo) { return RsLineas.Valor(QString::fromLatin1(campo)); };
    const QString ejecutable = Sistema::NombreEjecutable();
    const bool osmarin = Iguales(ejecutable, QStringLiteral("Osmarin"));
    // The applied quantity came from what was invoiced from the whole article,
    // the pending one from what is still to deliver of it.
    bool porArticulo = false;
    bool pendientePorArticulo = false;
    p_.paso([&] {
        const QString reparto = Recorta(Texto(RsCabecera.Valor(QStringLiteral("IdReparto"))));
        const bool porRepartos = reparto == QLatin1String("-1");
        const QString articulo = Texto(linea("IdArticulo"));
        const double cantidad = LecturaValores::Numero(linea("Cantidad"));
        const auto tope = [&](double v) { return v > cantidad ? cantidad : v; };
        double movido = 0;
        if (EsTipo(TC, {"RM", "NP"}) && EntregaParcialRemito && !Compras && !DescargaStockRemitos) {
            if (porRepartos) {
                Pendiente = PartePendiente(clase_.CantRepartoPend(TC, SucNroLetra, articulo, movido), cantidad);
                pendientePorArticulo = true;
                if (EsTipo(TC, {"RM"}) && cantidad < 0 && Pendiente == 0) {
                    Aplicado = 0;
                    Pendiente = cantidad;
                } else if (!osmarin) {
                    Pendiente = tope(Pendiente);
                    Aplicado = cantidad - Pendiente;
                } else {
                    Aplicado = movido;
                }
            } else {
                Aplicado = ParteAplicada(CantidadAplicada(), cantidad);
                porArticulo = true;
            }
        } else if (!Compras && EsTipo(TC, {"FP", "FC"})) {
            Pendiente = cantidad;
            if (porRepartos) {
                Pendiente = tope(PartePendiente(clase_.CantRepartoPend(TC, SucNroLetra, articulo, movido), cantidad));
                pendientePorArticulo = true;
                Aplicado = cantidad - Pendiente;
            }
        } else if (!Compras) {
            const QVariant preparada = linea("Cantidadpreparada");
            const double cantPreparada = LecturaValores::Numero(preparada);
            if (porRepartos && !DescargaStockRemitos) {
                Pendiente = PartePendiente(clase_.CantRepartoPend(TC, SucNroLetra, articulo, movido), cantidad);
                pendientePorArticulo = true;
                Aplicado = cantidad - Pendiente;
            } else if (porRepartos && EsTipo(TC, {"PR"})) {
                if (!preparada.isNull()) {
                    Pendiente = tope(cantidad - cantPreparada);
                    Aplicado = cantPreparada;
                } else {
                    Pendiente = cantidad;
                }
            } else if (reparto == QLatin1String("0")) {
                const double aFacturar =
                    gUtilidades->TextoAMoneda(TextoCampo(linea("CANTIDADAFACTURAR"))).ADoble();
                if (preparada.isNull()) {
                    Pendiente = cantidad;
                    Aplicado = 0;
                } else if (aFacturar > 0) {
                    Aplicado = cantidad - aFacturar;
                    Pendiente = cantidad - cantPreparada;
                } else {
                    Pendiente = tope(cantidad - cantPreparada);
                    Aplicado = cantPreparada;
                }
            }
        }
    });
    p_.paso([&] {
        if (Iguales(ejecutable, QStringLiteral("Tarnivel")) && EsTipo(TC, {"RM"}) && EsTipo(CpteDestino, {"FC"})) {
            Aplicado = ParteAplicada(CantidadAplicada(), LecturaValores::Numero(linea("Cantidad")));
            porArticulo = true;
        }
    });
    p_.paso([&] {
        LineasDeArticulo& a = PorArticulo[ClaveArticulo()];
        if (porArticulo)
            a.aplicado += Aplicado;
        const double cantidad = LecturaValores::Numero(linea("Cantidad"));
        if (pendientePorArticulo && cantidad > 0)
            a.pendiente += Pendiente;
        if (a.lineas > 0)
            --a.lineas;
        if (a.contadas)
            a.cantidad -= std::max(cantidad, 0.0);
    });
}

void CargaComprobante::DatosArticulo()
{
    Grilla* g = MSFlexGrid2;
    const auto linea = [&](const char* campo) { return RsLineas.Valor(QString::fromLatin1(campo)); };
    const auto cabecera = [&](const char* campo) { return RsCabecera.Valor(QString::fromLatin1(campo)); };
    const auto articulo = [&](const char* campo) { return RsArticulo.Valor(QString::fromLatin1(campo)); };
    const auto texto = [&](const char* campo) { return Recorta(TextoCampo(linea(campo))); };
    const QString ejecutable = Sistema::NombreEjecutable();
    const bool osmarin = Iguales(ejecutable, QStringLiteral("Osmarin"));
    using namespace ColArticulos;

    bool lineaKg = false;
    p_.paso([&] {
        const QString kg = Recorta(gUnidadKG);
        lineaKg = Iguales(texto("TC"), QStringLiteral("NP")) && Iguales(texto("IdUnidadBase"), kg) &&
                  !Iguales(texto("IdUnidad"), kg);
    });
    Celda(g, Codigo, [&] { return texto("IdArticulo"); });
    Celda(g, Descripcion, [&] { return texto("Descripcion"); });
    Celda(g, Unidad, [&] { return lineaKg ? texto("IdUnidadBase") : texto("IdUnidad"); });
    Celda(g, UnidadArticulo, [&] { return texto("IdUnidad"); });
    Celda(g, SecuenciaOrigen, [&] { return texto("Secuencia"); });
    p_.paso([&] {
        if (EsTipo(TC, {"RM"}) && EsTipo(CpteDestino, {"NC", "NCFP"}))
            EsDevolucion = true;
    });
    Celda(g, Cantidad, [&] {
        const double cantidad = LecturaValores::Numero(linea("Cantidad"));
        if (EsDevolucion) {
            Aplicado = -Aplicado;
            return Numeros::TextoPlano(-cantidad - Aplicado);
        }
        QString valor;
        if (osmarin)
            valor = Numeros::TextoPlano(Pendiente);
        else if (lineaKg)
            valor = texto("CANT_KG");
        else
            valor = Numeros::TextoPlano(cantidad - Aplicado);
        if (gUtilidades->TextoAMoneda(valor) < ::Moneda() && !(EsTipo(TC, {"RM"}) && cantidad < 0 && Aplicado == 0))
            valor = QStringLiteral("0");
        return valor;
    });
    Celda(g, UnidadEquiv, [&] { return texto("IdUnidadBase"); });
    Celda(g, CantidadEquiv, [&] {
        if (osmarin)
            return Numeros::TextoPlano(Pendiente);
        if (Iguales(ejecutable, QStringLiteral("Tarnivel"))) {
            Grilla& grilla = Exigida(g);
            return grilla.TextMatrix(grilla.Rows() - 1, Cantidad);
        }
        return texto("CantidadUd");
    });
    const auto importe = [&](const char* campo) { return gUtilidades->TextoAMoneda(TextoCampo(linea(campo))); };
    Celda(g, Importe, [&] {
        if (ConvertirMoneda)
            return Convertido(importe("Importe")).Texto();
        if (Recorta(TextoCampo(cabecera("CondicionIva"))) == QLatin1String("1") &&
            importe("Importe") > importe("Importe_S_IVA") && !PreciosFinales)
            return texto("Importe_S_IVA");
        return texto("Importe");
    });
    p_.paso([&] {
        if (!EsFalso(linea("Exento")))
            return;
        QString empresa = Cfg(QStringLiteral("CONDIVA"));
        QString cliente = TextoCampo(cabecera("CondicionIva"));
        if (Def_QConsulta::LetraComprobante(empresa, cliente) != QLatin1String("B"))
            return;
        Celda(g, PrecioConIVA, [&] {
            if (ConvertirMoneda)
                return Convertido(importe("Importe")).Texto();
            if (PreciosFinales)
                return (importe("Importe") - importe("Impuestos")).Texto();
            return texto("Importe");
        });
    });
    if (!EsSistemaCompras) {
        Celda(g, PorcDto, [&] { return texto("PorcDto"); });
        Celda(g, ListaPrecio, [&] { return texto("IdLista"); });
        Celda(g, EnComodato, [&] {
            return Recorta(TextoCampo(cabecera("EnComodato"))) == QLatin1String("1") ? QStringLiteral("1")
                                                                                       : QStringLiteral("0");
        });
        if (PideDeposito)
            Celda(g, Deposito, [&] { return texto("IdDeposito"); });
    }
    // The first look-up of the line already holds the article's row.
    if (!ArticuloEncontrado)
        return;
    const auto marca = [&](const char* campo) {
        const QVariant v = articulo(campo);
        const bool activa = v.metaType().id() == QMetaType::Bool ? v.toBool() : LecturaValores::Val(v) != 0;
        return activa ? QStringLiteral("-1") : QStringLiteral("0");
    };
    QString tipo;
    Celda(g, IdTipo, [&] {
        tipo = Texto(gSesionBD->ObtieneValor(QStringLiteral("V_TA_TipoArticulo"), articulo("idTipo"),
                                             QStringLiteral("Descripcion"), QStringLiteral("IdTipo"), 8, QString()));
        return tipo;
    });
    Celda(g, Presentacion, [&] { return Recorta(TextoCampo(articulo("Presentacion"))); });
    Celda(g, EsExento, [&] { return marca("Exento"); });
    Celda(g, PideSerie, [&] { return marca("UsaSerie"); });
    Celda(g, PideLote, [&] { return marca("UsaLote"); });
    if (gAsignacionAutomaticaDeLoteING || gAsignacionAutomaticaDeLoteINGOP)
        Celda(g, PideLote, [] { return QStringLiteral("-1"); });
    Celda(g, Perecedero, [&] { return marca("Perecedero"); });
    Celda(g, Coeficiente, [] { return QStringLiteral("1"); });
    Celda(g, TipoCoeficiente, [] { return QStringLiteral("*"); });
    Celda(g, PideTalle, [&] { return marca("UsaTalle"); });
    Celda(g, PideEquivalencia, [&] { return marca("PIDEEQUIVALENCIA"); });
    Celda(g, Pesable, [&] { return marca("pesable"); });
    Celda(g, CodigoBarra, [&] { return Recorta(TextoCampo(articulo("CodigoBarra"))); });
    Celda(g, CuentaContable, [&] { return Recorta(TextoCampo(articulo("CuentaContable"))); });
    Celda(g, CodProveedor, [&] { return Recorta(TextoCampo(articulo("CodigoArtProveedor"))); });
}

int CargaComprobante::PreciosYMedidas()
{
    Grilla* g = MSFlexGrid2;
    const auto linea = [&](const char* campo) { return RsLineas.Valor(QString::fromLatin1(campo)); };
    const auto texto = [&](const char* campo) { return Recorta(TextoCampo(linea(campo))); };
    const auto nulo = [&](const char* campo) { return linea(campo).isNull(); };
    const auto moneda = [&](const QString& t) { return gUtilidades->TextoAMoneda(t); };
    const auto importe = [&](const char* campo) { return moneda(TextoCampo(linea(campo))); };
    const auto celda = [&](int columna) {
        Grilla& grilla = Exigida(g);
        return grilla.TextMatrix(grilla.Rows() - 1, columna);
    };
    const auto blanca = [&](int columna) {
        p_.paso([&] {
            Grilla& grilla = Exigida(g);
            grilla.setCol(columna);
            grilla.setRow(grilla.Rows() - 1);
            grilla.setCellForeColor(ColorBgr(16777215));
        });
    };
    // A test of the line's fields as one step: one that failed is not met, and
    // the writes it guards are left out.
    const auto cumple = [&](const auto& prueba) {
        bool si = false;
        p_.paso([&] { si = prueba(); });
        return si;
    };
    const QString ejecutable = Sistema::NombreEjecutable();
    using namespace ColArticulos;

    if (ArticuloEncontrado) {
        Celda(g, TasaIVA, [&] {
            // No rate (Null or empty) counts as 0: the standard rate.
            const QString tasa = TextoCampo(RsArticulo.Valor(QStringLiteral("TasaIVA")));
            return moneda(tasa) == ::Moneda() ? Numeros::TextoPlano(clase_.PIVA()) : tasa;
        });
        Celda(g, CopiaPrecioSinIVA, [&] { return texto("Importe_S_IVA"); });
    }
    p_.paso([&] {
        const char* factor = EsSistemaCompras ? "Equiv_UDBase" : "CantidadUd";
        if (nulo(factor))
            Celda(g, Coeficiente, [] { return QStringLiteral("1"); });
        else if (!nulo("IdUnidadBase") && !nulo("IdUnidad") &&
                 !LecturaValores::MismoCodigo(texto("IdUnidadBase"), texto("IdUnidad")))
            Celda(g, Coeficiente, [&] { return texto(factor); });
    });
    Celda(g, UnidadBase, [&] { return nulo("IdUnidadBase") ? celda(Unidad) : texto("IdUnidadBase"); });
    if (cumple([&] { return !nulo("Presentacion"); }))
        Celda(g, Presentacion, [&] { return texto("Presentacion"); });
    if (ConvertirMoneda) {
        Celda(g, Costo, [&] { return Convertido(importe("Costo")).Texto(); });
        Celda(g, PrecioSinIVA, [&] { return Convertido(importe("Importe_S_IVA")).Texto(); });
        Celda(g, Impuestos, [&] { return Convertido(importe("Impuestos")).Texto(); });
        Celda(g, ITC, [&] { return Convertido(importe("iTC")).Texto(); });
        Celda(g, Total, [&] { return Convertido(importe("Total")).Texto(); });
    } else {
        Celda(g, Costo, [&] {
            if (!EsSistemaCompras)
                return texto("Costo");
            return TextoCampo(gSesionBD->ObtieneValor(QStringLiteral("V_MA_ARTICULOS"), linea("IdArticulo"),
                                                      QStringLiteral("Costo"), QStringLiteral("IdArticulo"), 8,
                                                      QString()));
        });
        Celda(g, PrecioSinIVA, [&] { return texto("Importe_S_IVA"); });
        Celda(g, Impuestos, [&] { return texto("Impuestos"); });
        Celda(g, ITC, [&] { return texto("iTC"); });
        Celda(g, Total, [&] { return texto("Total"); });
    }
    if (!ConvertirMoneda && !EsSistemaCompras) {
        double cantidad = 0;
        p_.paso([&] { cantidad = LecturaValores::Numero(linea("Cantidad")); });
        // A quotient of the line as the unit price shows it; a quantity of 0 leaves the price as it was.
        const auto precioDe = [&](const char* campo) {
            Celda(g, Importe, [&] {
                if (cantidad == 0)
                    return celda(Importe);
                return FmtMoneda(Numeros::TextoPlano(LecturaValores::Numero(linea(campo)) / cantidad), -1, false);
            });
        };
        bool conLista = false, sinLista = false;
        p_.paso([&] {
            conLista = !nulo("IdLista");
            sinLista = !conLista;
        });
        if (conLista) {
            Celda(g, ListaConIVA, [&] {
                Recordset rs;
                Abre(QStringLiteral("SELECT CONIVA FROM  VT_MA_PRECIOS_ARTICULOS WHERE IDARTICULO = ") +
                         Literal(Texto(linea("IdArticulo"))) + QStringLiteral(" AND IDLISTA = ") +
                         Literal(gUtilidades->AjustaAncho(Texto(linea("IdLista")), 4)) +
                         QStringLiteral(" AND TIPOLISTA = 'V'"),
                     rs);
                const bool conIva = !rs.Eof() && rs.Valor(QStringLiteral("coniva")).toBool();
                gSesionBD->CierraRecordset(rs);
                return conIva ? QStringLiteral("-1") : QStringLiteral("0");
            });
            bool precioFinal = false;
            p_.paso([&] {
                precioFinal = !(EsTipo(CpteDestino, {"NC"}) && EsTipo(TC, {"FC"})) && PreciosFinales &&
                              importe("Importe_S_IVA") == importe("Importe") && !nulo("TotalFinal") &&
                              !nulo("Total") &&
                              std::abs(LecturaValores::Numero(linea("TotalFinal"))) >
                                  std::abs(LecturaValores::Numero(linea("Total")));
            });
            if (precioFinal) {
                Celda(g, Total, [&] { return texto("TotalFinal"); });
                precioDe("TotalFinal");
            }
        } else if (sinLista && PreciosFinales && cumple([&] { return !nulo("TotalFinal"); })) {
            // Without a final total there is nothing to take: price and total stay.
            Celda(g, Total, [&] { return texto("TotalFinal"); });
            const char* cociente = nullptr;
            p_.paso([&] {
                if (LecturaValores::Numero(linea("Total")) <= 0)
                    cociente = "TotalFinal";
                else if (!(LecturaValores::Val(texto("PorcDto")) > 0))
                    cociente = "Total";
            });
            if (cociente)
                precioDe(cociente);
        }
    }
    if (!EsTipo(TC, {"NP"})) {
        Celda(g, NroLote, [&] { return texto("Nro_Lote"); });
        Celda(g, NroSerie, [&] { return texto("Nro_Serie"); });
        Celda(g, LoteAduana, [&] { return texto("ControladoPor"); });
        Celda(g, LoteOrigen, [&] { return texto("IdOrigen"); });
    }
    Celda(g, EsExento, [&] {
        const QVariant exento = linea("Exento");
        return !exento.isNull() && exento.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    });
    // T + I x Q + C x Q: the total with the line's taxes on the loaded quantity.
    const auto totalConImpuestos = [&] {
        const ::Moneda q = moneda(celda(Cantidad));
        const ::Moneda parcial = moneda(celda(Total)) + moneda(celda(Impuestos)) * q;
        return (moneda(parcial.Texto()) + moneda(celda(ITC)) * q).Texto();
    };
    if (!EsSistemaCompras) {
        p_.paso([&] {
            if (moneda(texto("AlicIVA")) != ::Moneda())
                Celda(g, TasaIVA, [&] { return texto("AlicIVA"); });
        });
        Celda(g, TotalConImpuestos, [&] {
            return PreciosFinales ? moneda(celda(Total)).Texto() : totalConImpuestos();
        });
    } else {
        if (cumple([&] { return !nulo("Precio_Lista"); }))
            Celda(g, PrecioLista, [&] {
                return ConvertirMoneda ? Convertido(importe("Precio_Lista")).Texto()
                                       : TextoCampo(linea("Precio_Lista"));
            });
        Celda(g, TotalConImpuestos, totalConImpuestos);
        Celda(g, CodigoArtProveedor, [&] { return TextoCampo(linea("CodigoArtProveedor")); });
    }
    Celda(g, RestoPorAplicar, [&] {
        if (Iguales(ejecutable, QStringLiteral("Osmarin")))
            return Numeros::TextoPlano(Pendiente);
        // Returned, the applied quantity has turned negative: what is left is
        // still the line less what was applied.
        const double aplicado = EsDevolucion ? -Aplicado : Aplicado;
        return Numeros::TextoPlano(LecturaValores::Numero(linea("Cantidad")) - aplicado);
    });
    Celda(g, IdCpteCargado, [&] { return Recorta(SucNroLetra); });
    if (!gMaderera || EsSistemaCompras)
        return 0;

    bool medido = false;
    p_.paso([&] {
        // Null reads as the empty value: not measured.
        QString pide = Recorta(TextoCampo(gSesionBD->ObtieneValor(QStringLiteral("V_MA_ARTICULOS"),
                                                                  linea("IdArticulo"), QStringLiteral("PIDEMEDIDAS"),
                                                                  QStringLiteral("IDARTICULO"), 8, QString())));
        if (pide.isEmpty())
            pide = QStringLiteral("FALSO");
        medido = EsVerdadero(pide, true);
    });
    Celda(g, PideMedidas, [&] { return medido ? QStringLiteral("1") : QStringLiteral("0"); });
    if (medido) {
        Celda(g, Espesor, [&] { return texto("Espesor"); });
        Celda(g, Ancho, [&] { return texto("Ancho"); });
        Celda(g, UnidadArticulo, [&] { return texto("IdUnidad"); });
        bool tiras = false;
        p_.paso([&] { tiras = LecturaValores::MismoCodigo(celda(Unidad), gMadTiras); });
        if (tiras)
            Celda(g, Largo, [&] { return texto("Equiv_UDBase"); });
        else
            blanca(Largo);
    } else {
        blanca(Espesor);
        blanca(Ancho);
        blanca(Largo);
    }
    Celda(g, UnidadPrecio, [&] { return texto("Ud_Pr"); });
    Celda(g, ImportePorUnidad, [&] {
        return ConvertirMoneda ? Convertido(importe("Importe_Ud")).Texto() : texto("Importe_Ud");
    });
    int filaFusion = 0;
    p_.paso([&] { filaFusion = Fusiona(); });
    return filaFusion;
}

int CargaComprobante::Fusiona()
{
    using namespace ColArticulos;
    Grilla& g = Exigida(MSFlexGrid2);
    const int r = g.Rows() - 1;
    const auto mismo = [&](int fila, int columna) {
        return LecturaValores::MismoCodigo(g.TextMatrix(fila, columna), g.TextMatrix(r, columna));
    };
    if (Recorta(g.TextMatrix(r, Codigo)) == QLatin1String("*"))
        return 0;
    int i = 1;
    while (i <= r - 1 && !(mismo(i, Codigo) && mismo(i, Unidad) && mismo(i, Espesor) && mismo(i, Ancho) &&
                           mismo(i, ImportePorUnidad)))
        ++i;
    if (i > r - 1)
        return 0;
    const auto moneda = [&](int fila, int columna) { return gUtilidades->TextoAMoneda(g.TextMatrix(fila, columna)); };
    const auto doble = [&](int fila, int columna) { return gUtilidades->TextoADoble(g.TextMatrix(fila, columna)); };
    const ::Moneda qi = moneda(i, Cantidad);
    const ::Moneda qr = moneda(r, Cantidad);
    const ::Moneda suma = qi + qr;
    // Quantities that cancel out have no average: the line keeps its own row.
    if (suma == ::Moneda())
        return 0;
    // Every figure is worked out before the earlier row changes: a failure on
    // the way leaves both rows as they were, so the line is not counted twice
    // and a retry starts again from the same figures.
    const QString largo =
        Numeros::TextoPlano((doble(i, Largo) * qi.ADoble() + doble(r, Largo) * qr.ADoble()) / suma.ADoble());
    const ::Moneda promedio = (moneda(i, Importe) * qi + moneda(r, Importe) * qr) / suma;
    const auto ponderado = [&](int columna) {
        return Numeros::TextoPlano((moneda(i, columna) * qi + moneda(r, columna) * qr).ADoble() / suma.ADoble());
    };
    const std::pair<int, QString> nuevas[] = {
        {Largo, largo},
        {LargoAnterior, gUtilidades->TextoAMoneda(largo).Texto()},
        {CantidadEquiv, (moneda(r, CantidadEquiv) + moneda(i, CantidadEquiv)).Texto()},
        {Cantidad, suma.Texto()},
        {Importe, promedio.Texto()},
        {Total, (moneda(r, Total) + moneda(i, Total)).Texto()},
        {Costo, ponderado(Costo)},
        {Impuestos, ponderado(Impuestos)},
        {ITC, ponderado(ITC)},
        {TotalConImpuestos, (moneda(r, TotalConImpuestos) + moneda(i, TotalConImpuestos)).Texto()},
        {PrecioSinIVA, promedio.Texto()},
    };
    for (const auto& [columna, texto] : nuevas)
        g.setTextMatrix(i, columna, texto);
    g.setRows(r);
    return i;
}

void CargaComprobante::MarcasYEquivalentes(int filaFusion)
{
    Grilla* g = MSFlexGrid2;
    const auto linea = [&](const char* campo) { return RsLineas.Valor(QString::fromLatin1(campo)); };
    const auto texto = [&](const char* campo) { return Recorta(TextoCampo(linea(campo))); };
    using namespace ColArticulos;
    // After a merge this line has no row of its own: its quantities and marks would land on another line.
    if (filaFusion == 0) {
        Celda(g, Bultos, [&] {
            const bool kg = Iguales(texto("TC"), QStringLiteral("NP")) &&
                            Iguales(texto("IdUnidadBase"), Recorta(gUnidadKG));
            return TextoCampo(linea(kg ? "Equiv_UDBase" : "Cant_BL"));
        });
        Celda(g, CantKG, [&] { return TextoCampo(linea("CANT_KG")); });
        Celda(g, CantM3, [&] { return TextoCampo(linea("CANT_M3")); });
        // Without the article's row there is nothing to mark.
        if (ArticuloEncontrado) {
            p_.paso([&] {
                if (!EsTipo(CpteDestino, {"FP", "NCFP"}))
                    return;
                const QString corta = Recorta(Texto(RsArticulo.Valor(QStringLiteral("Descripabrev"))));
                const QString proforma = QStringLiteral("PROFORMA");
                if (Iguales(corta, proforma))
                    Celda(g, EsExento, [] { return QStringLiteral("1"); });
                else if (corta.size() > proforma.size() && Iguales(corta.left(proforma.size()), proforma))
                    Celda(g, TasaIVA, [&] { return corta.mid(proforma.size()); });
            });
            p_.paso([&] {
                if (Recorta(Texto(RsCabecera.Valor(QStringLiteral("CondicionIva")))) == QLatin1String("3") &&
                    Iguales(Recorta(Texto(RsArticulo.Valor(QStringLiteral("procedencia")))),
                            QStringLiteral("EXENTO LEY")))
                    Celda(g, EsExento, [] { return QStringLiteral("1"); });
            });
            p_.paso([&] { gSesionBD->CierraRecordset(RsArticulo); });
        }
    }
    p_.paso([&] {
        Grilla& grilla = Exigida(g);
        grilla.setRow(filaFusion != 0 ? filaFusion : grilla.Rows() - 1);
        Stock::CalculaCantidadesEquivalentes(grilla);
        grilla.setRow(grilla.Rows() - 1);
    });
}

void CargaComprobante::CargaOtrosConceptos()
{
    AgregaFilas(MSFlexGrid3, RsOtrosConceptos, &CargaComprobante::FilaOtroConcepto);
}

void CargaComprobante::FilaOtroConcepto()
{
    Recordset& rs = RsOtrosConceptos;
    Grilla* g = MSFlexGrid3;
    bool saltea = false;
    p_.paso([&] {
        saltea = Iguales(Sistema::NombreEjecutable(), QStringLiteral("Tarnivel")) && EsTipo(TC, {"RM"}) &&
                 Iguales(Recorta(Texto(rs.Valor(QStringLiteral("NroViaje")))), QStringLiteral("TROPA"));
    });
    if (saltea)
        return;
    Celda(g, ColOtrosConceptos::Detalle, [&] { return Recorta(Texto(rs.Valor(QStringLiteral("Observacion")))); });
    Celda(g, ColOtrosConceptos::Importe, [&] { return TextoImporte(rs.Valor(QStringLiteral("Importe"))); });
    Celda(g, ColOtrosConceptos::ImporteSinIva, [&] { return TextoImporte(rs.Valor(QStringLiteral("Importe_S_IVA"))); });
    // The first word, with the blank after it, may be the code of an account.
    p_.paso([&] {
        Grilla& grilla = Exigida(g);
        const QString detalle = Recorta(grilla.TextMatrix(grilla.Rows() - 1, ColOtrosConceptos::Detalle));
        const qsizetype blanco = detalle.indexOf(u' ');
        if (blanco < 1)
            return;
        QString cuenta = detalle.left(blanco + 1);
        bool porCodigoOpcional = false;
        if (BuscaCuenta(cuenta, RsCuenta, true, porCodigoOpcional) && EsFalso(RsCuenta.Valor(QStringLiteral("Titulo"))))
            grilla.setTextMatrix(grilla.Rows() - 1, ColOtrosConceptos::Cuenta, Recorta(cuenta));
    });
}
