#include "comprobantes_prueba.h"
#include "platform/controles/editor_grilla.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using namespace ModGlobal;

struct Columna {
    int col;
    const char* titulo;
    int ancho;
};

int AnchoDe(const char* texto)
{
    return MedidorPrueba().TextWidth(QString::fromUtf8(texto));
}

// Titles the article grid's columns keep while hidden, outside STOCK.
std::map<int, QString> TitulosOcultos(bool stock)
{
    std::map<int, QString> t = {
        {2, "Lista"}, {6, "Dep."}, {8, "AuxCoeficiente"}, {11, "% Dto."}, {14, "Importe"}, {15, "Total"},
        {16, "AuxEsExento"}, {17, "AuxPrecioSinIVA"}, {18, "TOTAL"}, {19, "AuxPideSerie"}, {20, "AuxPidelote"},
        {21, "AuxNroLote"}, {22, "AuxNroSerie"}, {23, "AuxRestoPorAplicar"}, {24, "AuxTipoArticulo"},
        {25, "AuxRubroArticulo"}, {26, "AuxListaConIVA"}, {27, "AuxPrecioConIVA"}, {28, "AuxCantidadInsumo"},
        {29, "AuxImporteDescuentoArticulo"}, {30, "AuxTipoCoeficiente"}, {31, "AuxStockDisponible"},
        {32, "AuxStockMinimo"}, {34, "AuxCpteOrigen"}, {35, "AuxIdCpteOrigen"}, {36, "Lote_Origen"},
        {37, "Lote_Aduana"}, {40, "Impuestos"}, {83, "PideMedidas"}, {84, "LargoAnt"}, {88, "EnComodato"},
        {89, "MKBaseFamilia"}, {90, "CodError"}, {91, "Moneda"}, {92, "Cotizacion"}, {93, "ITC"},
        {95, "AuxSecuenciaOrigen"}, {96, "AuxRedondeoLinea"}, {98, "ColorDefault"}, {99, "SexoDefault"},
        {100, "AuxCodigoPercepcion"},
    };
    if (stock)
        for (int c : {11, 18, 40, 93})
            t[c] = QString();
    return t;
}

// Every column of the grid against the columns shown and the hidden titles.
void CompruebaColumnas(const Grilla& g, const std::vector<Columna>& visibles, const std::map<int, QString>& ocultos,
                       const std::string& caso)
{
    std::map<int, Columna> porColumna;
    for (const Columna& v : visibles)
        porColumna.emplace(v.col, v);
    for (int c = 0; c < g.Cols(); ++c) {
        if (const auto v = porColumna.find(c); v != porColumna.end()) {
            EXPECT_EQ(g.TextArray(c), QString::fromUtf8(v->second.titulo)) << caso << " col " << c;
            EXPECT_EQ(g.ColWidth(c), v->second.ancho) << caso << " col " << c;
        } else {
            const auto t = ocultos.find(c);
            EXPECT_EQ(g.TextArray(c), t == ocultos.end() ? QString() : t->second) << caso << " col " << c;
            EXPECT_EQ(g.ColWidth(c), 0) << caso << " col " << c;
        }
    }
}

struct CasoArticulos {
    const char* nombre;
    const char* tc;
    const char* sistema;   // nullptr: the type is not in the table
    std::vector<std::pair<const char*, const char*>> ajustes;
    bool maderera;
    bool stock;
    std::vector<Columna> visibles;
};

TEST(DisposicionGrillas, GrillaDeArticulosPorTipoDeComprobante)
{
    const std::vector<Columna> stock = {
        {0, "Código", X(15)}, {1, "Descripción", X(39) + X(11) - 480}, {5, "UD", X(8)}, {7, "Cant.", X(13)},
        {33, "IVA", X(10)}, {63, "Bl/Pq", X(5)}, {97, "Cod.Proveedor", X(11)}};
    const std::vector<Columna> general = {
        {0, "Código", X(15)}, {1, "Descripción", X(29)}, {5, "UD", X(4)}, {7, "Cant.", X(6)},
        {14, "Importe", X(11)}, {18, "TOTAL", X(10)}, {33, "IVA", X(10)}, {40, "Impuestos", X(10)},
        {63, "Bl/Pq", X(5)}, {97, "Cod.Proveedor", X(11)}};
    const auto con = [](std::vector<Columna> base, std::vector<Columna> cambios) {
        for (const Columna& c : cambios) {
            std::erase_if(base, [&](const Columna& b) { return b.col == c.col; });
            if (c.titulo)
                base.push_back(c);
        }
        return base;
    };
    const Columna oculta14 = {14, nullptr, 0}, oculta18 = {18, nullptr, 0};
    const Columna deposito = {6, "Dep.", X(4)};
    const std::pair<const char*, const char*> conDeposito = {"PideDepositoEnCptes", "SI"};
    const std::vector<std::pair<const char*, const char*>> todos = {
        {"PideDepositoEnCptes", "si"},          {"V_ListaPreciosPorItemArticulos", "si"},
        {"V_DescuentoPorArticulos", "si"},      {"ConfirmaUDEquiv", "si"},
        {"TransporteCombustibles", "si"},       {"ComprasDescuentoPorArticulo", "SI"}};

    const CasoArticulos casos[] = {
        {"plan IR", "IR", "STOCK", {conDeposito}, false, true, con(stock, {deposito})},
        {"STOCK with every setting", "TR", "Stock", todos, true, true,
         con(stock, {deposito, {9, "UDEquiv", X(7)}, {10, "Cant. Equiv", X(9)}})},
        {"VENTAS plain", "FC", "VENTAS", {}, false, false, general},
        {"VENTAS with price list and discount", "FC", "VENTAS",
         {{"V_ListaPreciosPorItemArticulos", "SI"}, {"V_DescuentoPorArticulos", "SI"}}, false, false,
         con(general, {{0, "Código", X(13)}, {1, "Descripción", X(23)}, {2, "Lista", X(4)}, {11, "% Dto.", X(5)},
                       {14, "Importe", X(10)}})},
        {"Ventas with every setting and timber", "FC", "Ventas", todos, true, false,
         con(general, {{0, "Código", X(13)}, {1, "Descripción", X(23)}, {2, "Lista", X(4)}, {3, "Espesor", X(7)},
                       {4, "Ancho", X(7)}, deposito, {8, "Largo", X(7)}, {9, "UDEquiv", X(7)},
                       {10, "Cant. Equiv", X(9)}, {11, "% Dto.", X(5)}, {12, "UD", X(4)}, {13, "Importe", X(9)},
                       oculta14, {87, "ML/M2", X(10)}, {93, "ITC", X(10)}})},
        {"Compras ignores the sales discount", "FCP", "Compras", {{"V_DescuentoPorArticulos", "SI"}}, false, false,
         general},
        {"Compras with its own discount, trimmed", "FCP", "COMPRAS", {{"ComprasDescuentoPorArticulo", " si "}}, false,
         false,
         con(general, {{0, "Código", X(14)}, {1, "Descripción", X(26)}, {11, "% Dto.", X(5)}, {14, "Importe", X(10)}})},
        {"timber needs VENTAS", "FCP", "Compras", {}, true, false, general},
        {"OP hides the amounts", "OP", "PRODUCCION", {conDeposito}, false, false,
         con(general, {{1, "Descripción", X(29) + X(11) + X(10)}, oculta14, oculta18, deposito})},
        {"op in lower case", "op", "PRODUCCION", {conDeposito}, false, false,
         con(general, {{1, "Descripción", X(29) + X(11) + X(10)}, oculta14, oculta18, deposito})},
        {"OP of STOCK", "OP", "STOCK", {}, false, true, stock},
        {"OT without amounts or depot", "OT", "SERVICIOS", {conDeposito, {"NoMostrarImportesEnOT", "SI"}}, false,
         false, con(general, {{1, "Descripción", X(50)}, oculta14, oculta18})},
        {"OT with amounts", "OT", "SERVICIOS", {conDeposito}, false, false, general},
        {"PR without depot", "PR", "VENTAS", {conDeposito}, false, false, general},
        {"DVPE lots and serials", "DVPE", "VENTAS", {}, false, false,
         con(general, {{21, "Nro. Lote", AnchoDe("Nro. de Lote")}, {22, "Nro. Serie", AnchoDe("Nro. de Serie")}})},
        {"type not in the table", "ZZ", nullptr, {conDeposito}, false, false, con(general, {deposito})},
    };

    SesionGlobal s;
    const bool madereraAntes = gMaderera;
    const MedidorPrueba medidor;
    for (const CasoArticulos& caso : casos) {
        s.bd.Sesion().Ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION"));
        s.bd.Sesion().Ejecuta(QStringLiteral("DELETE FROM V_TA_CPTE"));
        for (const auto& [clave, valor] : caso.ajustes)
            Ajuste(s, QString::fromUtf8(clave), QString::fromUtf8(valor));
        if (caso.sistema)
            TipoComprobante(s, QString::fromUtf8(caso.tc).trimmed(), QString::fromUtf8(caso.sistema));
        gMaderera = caso.maderera;

        Grilla g;
        g.setRows(7);
        g.setTextMatrix(3, 0, QStringLiteral("viejo"));
        EditorGrilla editor(QStringLiteral("txtEdit2"));
        ClsCmnCptes cpte;
        cpte.InicializaGrids(nullptr, &g, nullptr, nullptr, &editor, nullptr, medidor, QString::fromUtf8(caso.tc),
                             nullptr);

        EXPECT_EQ(g.Rows(), 2) << caso.nombre;
        EXPECT_EQ(g.Cols(), 101) << caso.nombre;
        EXPECT_EQ(g.TextMatrix(1, 0), QString()) << caso.nombre;
        EXPECT_EQ(g.ColAlignment(0), flexAlignLeftCenter) << caso.nombre;
        EXPECT_EQ(g.ColAlignment(1), flexAlignLeftCenter) << caso.nombre;
        EXPECT_FALSE(editor.Visible()) << caso.nombre;
        CompruebaColumnas(g, caso.visibles, TitulosOcultos(caso.stock), caso.nombre);
    }
    gMaderera = madereraAntes;
}

TEST(DisposicionGrillas, TituloDelCodigoEnNombrePropio)
{
    struct Caso {
        const char* valor;   // nullptr: no setting
        const char* titulo;
    };
    const Caso casos[] = {
        {nullptr, "Código"},
        {"   ", "Código"},
        {"CODIGO DE BARRA", "Codigo De Barra"},
        {"CÓDIGO", "Código"},
        {" artículo  nro", " Artículo  Nro"},   // the untrimmed value
    };
    SesionGlobal s;
    TipoComprobante(s, QStringLiteral("IR"), QStringLiteral("STOCK"));
    const MedidorPrueba medidor;
    for (const Caso& c : casos) {
        s.bd.Sesion().Ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION"));
        if (c.valor)
            Ajuste(s, QStringLiteral("NombreArticulos"), QString::fromUtf8(c.valor));
        Grilla g;
        ClsCmnCptes().InicializaGrids(nullptr, &g, nullptr, nullptr, nullptr, nullptr, medidor, QStringLiteral("IR"),
                                      nullptr);
        EXPECT_EQ(g.TextArray(ColArticulos::Codigo), QString::fromUtf8(c.titulo)) << (c.valor ? c.valor : "(none)");
    }
}

TEST(DisposicionGrillas, UnaSegundaLlamadaNoDejaRastrosDeLaPrimera)
{
    SesionGlobal s;
    TipoComprobante(s, QStringLiteral("FC"), QStringLiteral("VENTAS"));
    TipoComprobante(s, QStringLiteral("DVPE"), QStringLiteral("VENTAS"));
    TipoComprobante(s, QStringLiteral("IR"), QStringLiteral("STOCK"));
    Ajuste(s, QStringLiteral("TransporteCombustibles"), QStringLiteral("SI"));
    const bool madereraAntes = gMaderera;
    gMaderera = true;
    const MedidorPrueba medidor;
    ClsCmnCptes cpte;
    Grilla g;
    cpte.InicializaGrids(nullptr, &g, nullptr, nullptr, nullptr, nullptr, medidor, QStringLiteral("DVPE"), nullptr);
    g.setRows(4);
    g.setTextMatrix(2, 7, QStringLiteral("3"));
    gMaderera = false;
    cpte.InicializaGrids(nullptr, &g, nullptr, nullptr, nullptr, nullptr, medidor, QStringLiteral("IR"), nullptr);
    gMaderera = madereraAntes;

    EXPECT_EQ(g.Rows(), 2);
    EXPECT_EQ(g.TextMatrix(1, 7), QString());
    for (int c : {3, 4, 8, 12, 13, 21, 22, 87, 93})
        EXPECT_EQ(g.ColWidth(c), 0) << c;
    EXPECT_EQ(g.TextArray(8), QStringLiteral("AuxCoeficiente"));
    EXPECT_EQ(g.TextArray(87), QString());
    EXPECT_EQ(g.TextArray(93), QString());   // STOCK hides the fuel tax column it does not lay out
}

TEST(DisposicionGrillas, SinGrillasLeeIgualSistemaYTituloDelCodigo)
{
    SesionGlobal s;
    const MedidorPrueba medidor;
    gSesionBD->LimpiaBitacora();
    ClsCmnCptes cpte;
    gSesionBD->LimpiaBitacora();
    cpte.InicializaGrids(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, medidor, QStringLiteral(" ir "), nullptr);
    const QStringList enviado = s.Enviado();
    ASSERT_FALSE(enviado.isEmpty());
    EXPECT_EQ(enviado.first(), QStringLiteral("SELECT SISTEMA FROM V_TA_CPTE with(nolock) WHERE CODIGO = 'ir  '"));
    EXPECT_TRUE(enviado.filter(QStringLiteral("'NombreArticulos'")).size() == 1) << enviado.join(u'\n').toStdString();
}

struct CasoOtras {
    const char* tc;
    std::vector<std::pair<const char*, const char*>> ajustes;
    std::vector<Columna> tareas;
    std::vector<Columna> otros;
};

TEST(DisposicionGrillas, TareasOtrosConceptosYTotales)
{
    const std::vector<Columna> tareas = {{0, "Código", X(7)}, {1, "Descripción", X(37)}, {2, "Cantidad", X(7)},
                                         {3, "Importe", X(11)}, {4, "Total", X(11)}};
    const std::vector<Columna> otros = {{0, "Detalle", X(49)}, {1, "Importe S/Iva", X(11)}, {2, "Importe", X(11)}};
    const std::vector<Columna> otrosSinImportes = {{0, "Detalle", X(49 + 11 + 11)}};
    const CasoOtras casos[] = {
        {"FC", {}, tareas, otros},
        {"OP", {}, {{0, "Código", X(7)}, {1, "Descripción", X(37 + 11 + 11)}, {2, "Cantidad", X(7)}}, otrosSinImportes},
        {"OT", {{"NoMostrarImportesEnOT", "SI"}}, {{0, "Código", X(7)}, {1, "Descripción", X(37 + 7 + 11 + 11)}},
         otrosSinImportes},
        {"OT", {}, tareas, otros},
    };
    const std::map<int, QString> tareasOcultas = {
        {3, "Importe"}, {4, "Total"}, {2, "Cantidad"},
        {5, "AuxEsExento"}, {6, "ImporteSinIVA"}, {7, "AuxObservAdic"}, {8, "AuxFechaInicio"}, {9, "AuxFechaFin"},
        {10, "AuxIdTecnico"}, {11, "CodigoOriginal"}, {12, "AuxFechaREALInicio"}, {13, "AuxFechaREALFin"},
        {14, "AuxCuentaContable"}, {15, "Prioridad"}, {16, "Usuario"}, {17, "AuxFhPresentacion"},
        {18, "AuxFhEmision"}, {19, "AuxNroExp"}, {20, "AuxFhEntrega"}, {23, "AuxTasaIVA"}};
    const std::map<int, QString> otrosOcultos = {{1, "Importe S/Iva"}, {2, "Importe"}, {3, "Cuenta"}};

    SesionGlobal s;
    TipoComprobante(s, QStringLiteral("FC"), QStringLiteral("VENTAS"));
    TipoComprobante(s, QStringLiteral("OP"), QStringLiteral("PRODUCCION"));
    TipoComprobante(s, QStringLiteral("OT"), QStringLiteral("SERVICIOS"));
    const MedidorPrueba medidor;
    for (const CasoOtras& caso : casos) {
        s.bd.Sesion().Ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION"));
        for (const auto& [clave, valor] : caso.ajustes)
            Ajuste(s, QString::fromUtf8(clave), QString::fromUtf8(valor));
        const std::string nombre = caso.tc + std::string(caso.ajustes.empty() ? "" : " without amounts");
        Grilla g1, g3, g4;
        g3.setRows(5);
        g4.setRows(9);
        g4.setTextMatrix(7, 1, QStringLiteral("viejo"));
        EditorGrilla e1(QStringLiteral("TxtEdit")), e3(QStringLiteral("TxtEdit3"));
        e3.setText(QStringLiteral("a medio escribir"));
        ClsCmnCptes().InicializaGrids(&g1, nullptr, &g3, &e1, nullptr, &e3, medidor, QString::fromUtf8(caso.tc), &g4);

        EXPECT_EQ(g1.Rows(), 2);
        EXPECT_EQ(g1.Cols(), 24);
        EXPECT_EQ(g1.ColAlignment(1), flexAlignLeftCenter);
        EXPECT_FALSE(e1.Visible());
        CompruebaColumnas(g1, caso.tareas, tareasOcultas, "tasks " + nombre);

        EXPECT_EQ(g3.Rows(), 2);
        EXPECT_EQ(g3.Cols(), 7);
        EXPECT_EQ(g3.ColAlignment(0), flexAlignLeftCenter);
        EXPECT_EQ(e3.Text(), QString());
        CompruebaColumnas(g3, caso.otros, otrosOcultos, "other concepts " + nombre);

        EXPECT_EQ(g4.Rows(), 5);
        EXPECT_EQ(g4.TextMatrix(4, 1), QString());
        EXPECT_EQ(g4.ColAlignment(0), flexAlignLeftCenter);
        CompruebaColumnas(g4, {{0, "Descripcion", X(50)}, {1, "Cantidad ITEM'S", X(15)}, {2, "Cantidad", X(10)}}, {},
                          "totals " + nombre);
    }
}

TEST(DisposicionGrillas, LaGrillaDeTareasExigeSuEditor)
{
    SesionGlobal s;
    TipoComprobante(s, QStringLiteral("FC"), QStringLiteral("VENTAS"));
    const MedidorPrueba medidor;
    Grilla g1, g2;
    g2.setCols(3);
    try {
        ClsCmnCptes().InicializaGrids(&g1, &g2, nullptr, nullptr, nullptr, nullptr, medidor, QStringLiteral("FC"),
                                      nullptr);
        FAIL() << "no failure";
    } catch (const Falla& f) {
        EXPECT_EQ(f.Numero, Falla::ObjetoNoEstablecido);
    }
    EXPECT_EQ(g2.Cols(), 3);   // the article grid comes after the tasks grid
}

}  // namespace
