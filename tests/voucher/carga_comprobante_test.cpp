#include "comprobantes_prueba.h"
#include "platform/sistema.h"
#include "support/avisos_grabados.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using namespace ModGlobal;

void Ejecuta(SesionGlobal& s, const QString& sql)
{
    s.bd.Sesion().Ejecuta(sql);
}

// One call of the loader with the arguments a test changes; the three grids
// are a header row and one empty row unless the test lays them out.
struct Carga {
    QString TC = QStringLiteral("NP");
    QString SucNroLetra = QStringLiteral("000100000012X");
    QString IdComplemento = QStringLiteral("0");
    bool Compras = false;
    QString Proveedor;
    short IdRepartoRM = 0;
    bool ConvertirMoneda = false;
    QString WhrTareas;
    QString CpteDestino = QStringLiteral("FC");
    QString LetraDestino;
    Recordset* LrcsCpte = nullptr;
    Grilla tareas, articulos, otros;

    Carga()
    {
        for (auto [g, columnas] : {std::pair{&tareas, ColTareas::Cantidad_Columnas},
                                   std::pair{&articulos, ColArticulos::Cantidad_Columnas},
                                   std::pair{&otros, ColOtrosConceptos::Cantidad_Columnas}}) {
            g->setCols(columnas);
            g->setRows(2);
        }
    }

    bool operator()()
    {
        ClsCmnCptes cpte;
        return cpte.AsignarDatosComprobante(TC, SucNroLetra, IdComplemento, &tareas, &articulos, &otros, false,
                                            LrcsCpte, Compras, Proveedor, IdRepartoRM, ConvertirMoneda, WhrTareas,
                                            CpteDestino, LetraDestino);
    }
};

// The statements that read or write stored vouchers and sheet limits, in order
// (not the consolidated views of the article rows).
QStringList Consultas(const SesionGlobal& s)
{
    QStringList r;
    for (const QString& q : s.Enviado())
        if (!q.contains(QLatin1String(" VT_")) &&
            (q.contains(QLatin1String("MV_CPTE"), Qt::CaseInsensitive) || q.contains(QLatin1String("TA_CONFIG_IMP_CPTE"))))
            r << q;
    return r;
}

QStringList Fila(const Grilla& g, int fila)
{
    QStringList r;
    for (int c = 0; c < g.Cols(); ++c)
        r << g.TextMatrix(fila, c);
    return r;
}

struct Demo : ::testing::Test {
    SesionGlobal s{BasePrueba::ConDemo};
    void SetUp() override
    {
        gCantidadDecimales = QStringLiteral("2");
        Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro"));
    }
};

TEST_F(Demo, PedidoAFacturaEnviaSusConsultasYDevuelveRepartoLetraYCabecera)
{
    Carga c;
    c.IdRepartoRM = -98;
    c.WhrTareas = QStringLiteral(" AND IDTAREA = 'ARM'");
    Recordset cabecera;
    c.LrcsCpte = &cabecera;
    gSesionBD->LimpiaBitacora();
    EXPECT_TRUE(c());
    const QString clave = QStringLiteral("   WHERE TC = 'NP  ' AND IDCOMPROBANTE = '000100000012X' AND IdComplemento = 0");
    EXPECT_EQ(Consultas(s),
              (QStringList{
                  QStringLiteral("SELECT CANTLINEAS FROM TA_CONFIG_IMP_CPTE WHERE TC='FC' AND LETRA='' ORDER BY ID"),
                  QStringLiteral("SELECT * FROM V_MV_CPTE") + clave + QStringLiteral(" ORDER BY ID "),
                  QStringLiteral("SELECT * FROM V_MV_CPTETAREAS") + clave + QStringLiteral(" AND IDTAREA = 'ARM' ORDER BY ID "),
                  QStringLiteral("SELECT * FROM V_MV_CPTEINSUMOS") + clave + QStringLiteral(" ORDER BY ID "),
                  QStringLiteral("SELECT * FROM V_MV_CPTEINSUMOS") + clave + QStringLiteral(" ORDER BY ID"),
                  QStringLiteral("SELECT * FROM V_MV_CPTE_Observ") + clave + QStringLiteral(" AND TIPO_OBS ='OC'  ORDER BY ID "),
              }));
    EXPECT_EQ(c.LetraDestino, QStringLiteral("A"));
    EXPECT_EQ(c.IdRepartoRM, -1);
    ASSERT_EQ(cabecera.State(), Recordset::Abierto);
    EXPECT_EQ(cabecera.Valor(QStringLiteral("CUENTA")).toString(), QStringLiteral("C0001"));

    // The order's task, and its two other concepts with the freight's account.
    EXPECT_EQ(c.tareas.Rows(), 3);
    EXPECT_EQ(Fila(c.tareas, 1).mid(0, 21),
              (QStringList{"ARM", "Armado en domicilio", "01:30", "12100,00", "18150,00", "", "10000,00",
                           "Armar en planta alta", "20/01/2027 09:00:00", "20/01/2027 10:30:00", "T01", "ARM", "", "", "",
                           "2", "0", "12/01/2027", "12/01/2027", "EXP-0012", "A convenir"}));
    EXPECT_EQ(c.otros.Rows(), 4);
    EXPECT_EQ(Fila(c.otros, 1), (QStringList{"FLETES Flete a Río Sur", "15000,00", "18150,00", "5.1.2.01", "", "", ""}));
    EXPECT_EQ(Fila(c.otros, 2), (QStringList{"Descuento por pago contado", "-10000,00", "-12100,00", "", "", "", ""}));
    EXPECT_EQ(Fila(c.otros, 3), QStringList(7, QString()));
}

TEST_F(Demo, OrdenDeCompraPorCuentaDelProveedorSinTocarElReparto)
{
    Carga c;
    c.TC = QStringLiteral("OC");
    c.SucNroLetra = QStringLiteral("000100000007X");
    c.IdComplemento = QStringLiteral("no se usa");
    c.Compras = true;
    c.Proveedor = QStringLiteral("P0002");
    c.IdRepartoRM = 7;
    c.CpteDestino = QStringLiteral("FC");
    c.LetraDestino = QStringLiteral("A");
    gSesionBD->LimpiaBitacora();
    EXPECT_TRUE(c());
    const QStringList q = Consultas(s);
    ASSERT_GE(q.size(), 2);
    EXPECT_EQ(q[1], QStringLiteral("SELECT * FROM C_MV_CPTE   WHERE TC = 'OC  ' AND IDCOMPROBANTE = '000100000007X' "
                                   "AND CUENTA = 'P0002' ORDER BY ID "));
    EXPECT_EQ(c.IdRepartoRM, 7);
}

TEST_F(Demo, LasLineasSeLeenSegunLosAjustesYElDestino)
{
    const QString np = QStringLiteral("   WHERE TC = 'NP  ' AND IDCOMPROBANTE = '000100000012X' AND IdComplemento = 0");
    const QString rm = QStringLiteral("   WHERE TC = 'RM  ' AND IDCOMPROBANTE = '000100000031R' AND IdComplemento = 0");
    const QString lineas = QStringLiteral("SELECT * FROM V_MV_CPTEINSUMOS");
    struct Caso {
        const char* ajuste;
        const char* tc;
        const char* destino;
        QStringList esperadas;
    };
    const Caso casos[] = {
        {"FacturaNPPreparadas", "NP", "FP",
         {lineas + np + " ORDER BY  PALLETS ",
          lineas + np + " AND ((Cantidad >= Cantidadpreparada AND CANTIDADAFACTURAR  > 0 )) ORDER BY PALLETS "}},
        {"FacturaNPPreparadas", "RM", "FP", {lineas + rm + " ORDER BY ID "}},
        {"OrdenaPorCodigo", "NP", "NC", {lineas + np + " ORDER BY IDARTICULO "}},
        {"OrdenaPorCodigo", "NP", "FC", {lineas + np + " ORDER BY IDARTICULO ", lineas + np + " ORDER BY IDARTICULO"}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.ajuste) + " " + caso.tc + " > " + caso.destino);
        Ajuste(s, QStringLiteral("FacturaNPPreparadas"), QStringLiteral("NO"));
        Ajuste(s, QStringLiteral("OrdenaPorCodigo"), QStringLiteral("NO"));
        Ajuste(s, QString::fromLatin1(caso.ajuste), QStringLiteral("si"));
        Carga c;
        c.TC = QString::fromLatin1(caso.tc);
        c.SucNroLetra = c.TC == QLatin1String("RM") ? QStringLiteral("000100000031R") : QStringLiteral("000100000012X");
        c.CpteDestino = QString::fromLatin1(caso.destino);
        gSesionBD->LimpiaBitacora();
        EXPECT_TRUE(c());
        QStringList enviadas;
        for (const QString& q : Consultas(s))
            if (q.startsWith(lineas))
                enviadas << q;
        EXPECT_EQ(enviadas, caso.esperadas);
    }
}

TEST_F(Demo, LaClaveNoDejaPasarApostrofesNiTextoEnElComplemento)
{
    AvisosGrabados sinCabecera;   // no such voucher: its header's round cannot be read
    sinCabecera.Responder({Avisos::Ignorar});
    Carga c;
    c.SucNroLetra = QStringLiteral("000100000012X'");
    gSesionBD->LimpiaBitacora();
    EXPECT_TRUE(c());
    EXPECT_EQ(sinCabecera.preguntas.size(), 1u);
    EXPECT_TRUE(Consultas(s)[1].contains(QLatin1String("IDCOMPROBANTE = '000100000012X'''")));
    EXPECT_EQ(c.tareas.Rows(), 2);

    AvisosGrabados avisos;
    avisos.Responder({Avisos::Ignorar});   // going on would read every voucher: it leaves
    Carga d;
    d.IdComplemento = QStringLiteral("1 OR 1=1");
    gSesionBD->LimpiaBitacora();
    EXPECT_FALSE(d());
    EXPECT_EQ(Consultas(s).size(), 1);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QLatin1String("AsignarDatosComprobante")));
    EXPECT_EQ(d.LetraDestino, QString());
}

TEST_F(Demo, UnaTablaQueFallaSeSalteaOCortaLaCarga)
{
    Ejecuta(s, QStringLiteral("ALTER TABLE V_MV_CPTETAREAS RENAME TO V_MV_CPTETAREAS_VIEJA"));
    {
        AvisosGrabados avisos;
        avisos.Responder({Avisos::Ignorar, Avisos::Ignorar});
        Carga c;
        EXPECT_TRUE(c());
        EXPECT_EQ(c.otros.Rows(), 4);
        EXPECT_EQ(c.otros.TextMatrix(1, 3), QStringLiteral("5.1.2.01"));
    }
    {
        AvisosGrabados avisos;
        avisos.Responder({Avisos::Abortar});
        Carga c;
        EXPECT_FALSE(c());
        EXPECT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_EQ(c.otros.Rows(), 2);
        EXPECT_EQ(c.otros.TextMatrix(1, 0), QString());
    }
}

// ---- Task rows -------------------------------------------------------------------------------

struct Tareas : ::testing::Test {
    SesionGlobal s;
    AvisosGrabados avisos;
    void SetUp() override
    {
        Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro"));
        gCantidadDecimales = QStringLiteral("2");
        TipoComprobante(s, QStringLiteral("NP"), QStringLiteral("Ventas"));
        TipoComprobante(s, QStringLiteral("OC"), QStringLiteral("Compras"));
        Ejecuta(s, QStringLiteral("INSERT INTO V_MV_CPTE (ID, TC, IDCOMPROBANTE, IdComplemento, IdReparto, Cotizacion) "
                                  "VALUES (1, 'NP', '000100000001X', 0, 0, 2)"));
        Ejecuta(s, QStringLiteral("INSERT INTO C_MV_CPTE (ID, TC, IDCOMPROBANTE, CUENTA, IdReparto, Cotizacion) "
                                  "VALUES (1, 'OC', '000100000001X', 'P1', 0, 2)"));
        for (const char* tabla : {"V_MV_CPTETAREAS", "C_MV_CPTETAREAS"})
            Ejecuta(s, QStringLiteral("INSERT INTO %1 (ID, TC, IDCOMPROBANTE, IdComplemento, CUENTA, IDTAREA, "
                                      "Descripcion, Horas, ValorHora, valorHora_S_Iva, Total, descripcionadicional, "
                                      "IdTecnico, Prioridad, Usuario, NROEXP) VALUES "
                                      "(1, 'NP', '000100000001X', 0, 'P1', ' ARM ', ' Armado ', 90, 12000, 10, 18000, "
                                      "' nota ', 'T1', '2', 'ana', ' E1 '),"
                                      "(2, 'NP', '000100000001X', 0, 'P1', 'PIN', 'Pintura', 30, 10, 8, 5, NULL, "
                                      "NULL, NULL, NULL, NULL),"
                                      "(3, 'NP', '000100000001X', 0, 'P1', 'LIM', 'Limpieza', 0, 0, 0, 0, NULL, "
                                      "NULL, NULL, NULL, NULL)")
                              .arg(QLatin1String(tabla)));
        Ejecuta(s, QStringLiteral("UPDATE C_MV_CPTETAREAS SET TC = 'OC'"));
    }
};

TEST_F(Tareas, TresTareasLlenanLasFilasUnoATresYDejanUnaVacia)
{
    Carga c;
    c.SucNroLetra = QStringLiteral("000100000001X");
    c.tareas.setTextMatrix(0, 0, QStringLiteral("Código"));
    EXPECT_TRUE(c());
    EXPECT_EQ(c.tareas.Rows(), 5);
    EXPECT_EQ(c.tareas.TextMatrix(0, 0), QStringLiteral("Código"));
    EXPECT_EQ(Fila(c.tareas, 1).mid(0, 21),
              (QStringList{"ARM", "Armado", "01:30", "12000,00", "18000,00", "", "10,00", "nota", "", "", "T1", "ARM",
                           "", "", "", "2", "0", "", "", " E1 ", ""}));
    EXPECT_EQ(c.tareas.TextMatrix(2, 0), QStringLiteral("PIN"));
    EXPECT_EQ(c.tareas.TextMatrix(2, ColTareas::Horas), QStringLiteral("00:30"));
    EXPECT_EQ(c.tareas.TextMatrix(2, ColTareas::Prioridad), QStringLiteral("0"));
    EXPECT_EQ(c.tareas.TextMatrix(3, 0), QStringLiteral("LIM"));
    EXPECT_EQ(Fila(c.tareas, 4), QStringList(ColTareas::Cantidad_Columnas, QString()));
}

TEST_F(Tareas, HorasConPuntoMonedaConvertidaYCompras)
{
    Ajuste(s, QStringLiteral("SeparadorHora"), QStringLiteral("."));
    Carga c;
    c.SucNroLetra = QStringLiteral("000100000001X");
    c.ConvertirMoneda = true;
    EXPECT_TRUE(c());
    EXPECT_EQ(c.tareas.TextMatrix(1, ColTareas::Horas), QStringLiteral("1.50"));
    EXPECT_EQ(c.tareas.TextMatrix(2, ColTareas::ValorHora), QStringLiteral("20,00"));
    EXPECT_EQ(c.tareas.TextMatrix(1, ColTareas::ValorHora), QStringLiteral("24000,00"));

    Carga compra;
    compra.TC = QStringLiteral("OC");
    compra.SucNroLetra = QStringLiteral("000100000001X");
    compra.Compras = true;
    compra.Proveedor = QStringLiteral("P1");
    EXPECT_TRUE(compra());
    EXPECT_EQ(compra.tareas.Rows(), 5);
    for (int col = 0; col < ColTareas::Cantidad_Columnas; ++col) {
        const bool escrita = QList<int>{0, 1, 2, 3, 4, 6, 11}.contains(col);
        EXPECT_EQ(compra.tareas.TextMatrix(1, col).isEmpty(), !escrita) << col;
    }
}

TEST_F(Tareas, SinTareasLaGrillaQuedaComoEstaba)
{
    Carga c;
    c.SucNroLetra = QStringLiteral("000100000001X");
    c.WhrTareas = QStringLiteral(" AND IDTAREA = 'NINGUNA'");
    c.tareas.setTextMatrix(1, 0, QStringLiteral("MIA"));
    EXPECT_TRUE(c());
    EXPECT_EQ(c.tareas.Rows(), 2);
    EXPECT_EQ(c.tareas.TextMatrix(1, 0), QStringLiteral("MIA"));
}

// ---- Other-concept rows ------------------------------------------------------------------------

struct OtrosConceptos : ::testing::Test {
    SesionGlobal s{BasePrueba::ConDemo};
    void SetUp() override
    {
        gCantidadDecimales = QStringLiteral("2");
        Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro"));
    }
    void TearDown() override { Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro")); }

    int n = 100;
    void Conceptos(const char* tc, const char* id, std::initializer_list<std::pair<const char*, const char*>> filas,
                   const char* tipo = "OC")
    {
        for (auto [texto, viaje] : filas)
            Ejecuta(s, QStringLiteral("INSERT INTO V_MV_CPTE_Observ (ID, TC, IDCOMPROBANTE, IdComplemento, TIPO_OBS, "
                                      "Observacion, Importe, Importe_S_IVA, NroViaje) VALUES (%1, %2, %3, 0, %4, %5, "
                                      "12.1, 10, %6)")
                           .arg(++n)
                           .arg(s.bd.Sesion().ValorSQL(QString::fromLatin1(tc), "'"),
                                s.bd.Sesion().ValorSQL(QString::fromLatin1(id), "'"),
                                s.bd.Sesion().ValorSQL(QString::fromLatin1(tipo), "'"),
                                s.bd.Sesion().ValorSQL(QString::fromUtf8(texto), "'"),
                                viaje ? s.bd.Sesion().ValorSQL(QString::fromUtf8(viaje), "'") : QStringLiteral("NULL")));
    }
};

TEST_F(OtrosConceptos, LaPrimeraPalabraDaLaCuentaSiEsImputable)
{
    Ejecuta(s, QStringLiteral("DELETE FROM V_MV_CPTE_Observ"));
    Conceptos("NP", "000100000012X",
              {{"FLETES Flete a Río Sur", nullptr}, {"5.1.2.01 Flete", nullptr}, {"GASTOS varios", nullptr},
               {"Bonificación", nullptr}, {"D'Alessandro envío", nullptr}, {"  VENTAS  al contado", nullptr}});
    Conceptos("NP", "000100000012X", {{"CAJA no se carga", nullptr}}, "XX");
    AvisosGrabados avisos;
    Carga c;
    EXPECT_TRUE(c());
    for (auto& p : avisos.preguntas) ADD_FAILURE() << p.texto.toStdString();
    ASSERT_EQ(c.otros.Rows(), 8);
    const QStringList cuentas{"5.1.2.01", "5.1.2.01", "", "", "", "4.1.1.01"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(c.otros.TextMatrix(i + 1, ColOtrosConceptos::Cuenta), cuentas[i]) << i;
    EXPECT_EQ(c.otros.TextMatrix(5, 0), QStringLiteral("D'Alessandro envío"));
    EXPECT_EQ(c.otros.TextMatrix(6, 0), QStringLiteral("VENTAS  al contado"));
    EXPECT_EQ(c.otros.TextMatrix(6, ColOtrosConceptos::Importe), QStringLiteral("12,10"));
    EXPECT_EQ(c.otros.TextMatrix(6, ColOtrosConceptos::ImporteSinIva), QStringLiteral("10,00"));
    EXPECT_EQ(c.otros.TextMatrix(7, 0), QString());
}

TEST_F(OtrosConceptos, LaTropaDeUnRemitoQuedaVaciaSoloEnTarnivel)
{
    Conceptos("RM", "000100000031R", {{"Flete uno", "V1"}, {"Hacienda", " tropa "}, {"Flete tres", nullptr}});
    for (const char* ejecutable : {"Tarnivel", "V_Pelmaro"}) {
        SCOPED_TRACE(ejecutable);
        Sistema::FijarNombreEjecutable(QString::fromLatin1(ejecutable));
        Carga c;
        c.TC = QStringLiteral("RM");
        c.SucNroLetra = QStringLiteral("000100000031R");
        EXPECT_TRUE(c());
        EXPECT_EQ(c.otros.Rows(), 5);
        EXPECT_EQ(c.otros.TextMatrix(1, 0), QStringLiteral("Flete uno"));
        EXPECT_EQ(c.otros.TextMatrix(2, 0),
                  ejecutable == std::string_view("Tarnivel") ? QString() : QStringLiteral("Hacienda"));
        EXPECT_EQ(c.otros.TextMatrix(3, 0), QStringLiteral("Flete tres"));
    }
}

// ---- Re-pricing of branch-9999 orders -----------------------------------------------------------

struct Reprecio : ::testing::Test {
    SesionGlobal s;
    AvisosGrabados avisos;
    void SetUp() override
    {
        Sistema::FijarNombreEjecutable(QStringLiteral("V_Pelmaro"));
        gCantidadDecimales = QStringLiteral("2");
        TipoComprobante(s, QStringLiteral("NP"), QStringLiteral("Ventas"));
        TipoComprobante(s, QStringLiteral("RM"), QStringLiteral("Ventas"));
        Ajuste(s, QStringLiteral("CONDIVA"), QStringLiteral("1"));
        Ajuste(s, QStringLiteral("PreciosFinales"), QStringLiteral("SI"));
        Ejecuta(s, QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, Impuestos) VALUES "
                                  "('MESA01', 'Mesa', 0), ('LICOR', 'Licor', 350)"));
        for (const char* id : {"999900000003X", "000100000003X"})
            for (const char* tc : {"NP", "RM"})
                Cargar(tc, id);
    }
    void Cargar(const char* tc, const char* id)
    {
        static int n = 0;
        Ejecuta(s, QStringLiteral("INSERT INTO V_MV_CPTE (ID, TC, IDCOMPROBANTE, IdComplemento, CondicionIva, "
                                  "IdReparto) VALUES (1, '%1', '%2', 0, '1', 0)")
                       .arg(QLatin1String(tc), QLatin1String(id)));
        const int base = QByteArray(id).startsWith("9999") && QByteArray(tc) == "NP" ? 0 : 100 + 10 * (n++ % 50);
        Ejecuta(s, QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdComplemento, IdArticulo, "
                                  "Cantidad, Importe, Importe_S_IVA, AlicIVA, Impuestos, Exento) VALUES "
                                  "(%3, '%1', '%2', 0, 'MESA01', 2, 100, 100, 21, 0, 0),"
                                  "(%4, '%1', '%2', 0, 'LICOR', 1, 50, 50, 10.5, 0, 1),"
                                  "(%5, '%1', '%2', 0, 'LICOR', 1, 60, 50, 21, 120, 0)")
                       .arg(QLatin1String(tc), QLatin1String(id))
                       .arg(base + 7)
                       .arg(base + 8)
                       .arg(base + 9));
    }
    QStringList Lineas(const char* columnas = "ID, IMPORTE, TOTAL, Impuestos")
    {
        return s.bd.Filas(QStringLiteral("SELECT %1 FROM V_MV_CPTEINSUMOS ORDER BY ID").arg(QLatin1String(columnas)));
    }
    static void Pedido(Carga& c)
    {
        c.SucNroLetra = QStringLiteral("999900000003X");
        c.CpteDestino = QStringLiteral("NC");
    }
};

TEST_F(Reprecio, PrecioFinalEImpuestosInternosUnaSolaVez)
{
    const QStringList antes = Lineas();
    Carga c;
    Pedido(c);
    gSesionBD->LimpiaBitacora();
    EXPECT_TRUE(c());
    const QStringList enviado = s.Enviado();
    EXPECT_TRUE(enviado.contains(QStringLiteral("update v_mv_cpteinsumos set IMPORTE = 121, TOTAL = 242 where id = 7")));
    EXPECT_TRUE(enviado.contains(QStringLiteral("update v_mv_cpteinsumos set impuestos = 350 where id = 8")));
    EXPECT_TRUE(enviado.contains(QStringLiteral("SELECT * FROM V_MV_CPTEINSUMOS   WHERE TC = 'NP  ' AND IDCOMPROBANTE = "
                                                "'999900000003X' AND IdComplemento = 0")));
    QStringList despues = Lineas();
    EXPECT_EQ(despues[0], QStringLiteral("7|121|242|0"));
    EXPECT_EQ(despues[1], QStringLiteral("8|50|NULL|350"));
    EXPECT_EQ(despues[2], QStringLiteral("9|60|NULL|120"));
    EXPECT_EQ(despues.mid(3), antes.mid(3));   // other branches and types untouched

    Carga otra;
    Pedido(otra);
    gSesionBD->LimpiaBitacora();
    EXPECT_TRUE(otra());
    for (const QString& q : s.Enviado())
        EXPECT_FALSE(q.startsWith(QLatin1String("update"))) << q.toStdString();
}

TEST_F(Reprecio, SinLetraANiConRemitosNiDeOtraSucursalNiEnCompras)
{
    const QStringList antes = Lineas("ID, IMPORTE, TOTAL");
    const auto sinCambios = [&](bool compras) {
        Carga c;
        Pedido(c);
        c.Compras = compras;
        c.Proveedor = QStringLiteral("P1");
        c();
        for (auto& p : avisos.preguntas)
            ADD_FAILURE() << p.texto.toStdString();
        EXPECT_EQ(Lineas("ID, IMPORTE, TOTAL"), antes);
    };
    Ejecuta(s, QStringLiteral("UPDATE V_MV_CPTE SET CondicionIva = '4'"));
    sinCambios(false);
    Ejecuta(s, QStringLiteral("UPDATE V_MV_CPTE SET CondicionIva = '1'"));
    Ejecuta(s, QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'CONDIVA'"));
    sinCambios(false);
    Ajuste(s, QStringLiteral("CONDIVA"), QStringLiteral("1"));
    Ejecuta(s, QStringLiteral("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, CondicionIva, IdReparto) VALUES "
                              "('NP', '999900000003X', 'P1', '1', 0)"));
    sinCambios(true);
    Carga otraSucursal;
    Pedido(otraSucursal);
    otraSucursal.SucNroLetra = QStringLiteral("000100000003X");
    Carga remito;
    Pedido(remito);
    remito.TC = QStringLiteral("RM");
    gSesionBD->LimpiaBitacora();
    otraSucursal();
    remito();
    for (const QString& q : s.Enviado())
        EXPECT_FALSE(q.startsWith(QLatin1String("update"))) << q.toStdString();
}

TEST_F(Reprecio, UnaLineaRechazadaSeAvisaYLasDemasSiguen)
{
    Ejecuta(s, QStringLiteral("UPDATE V_MV_CPTEINSUMOS SET Impuestos = 0 WHERE ID = 9"));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(s.bd.Archivo()).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db,
                           "CREATE TRIGGER NoTocarOcho BEFORE UPDATE ON V_MV_CPTEINSUMOS WHEN old.ID = 8 "
                           "BEGIN SELECT RAISE(ABORT, 'Línea 8 bloqueada'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    Carga c;
    Pedido(c);
    EXPECT_TRUE(c());
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("Línea 8 bloqueada")));
    EXPECT_EQ(avisos.preguntas[0].botones, 0);
    EXPECT_EQ(Lineas()[2], QStringLiteral("9|60|NULL|350"));
}

}  // namespace

// ---- Article rows -------------------------------------------------------------------------------

namespace {

QStringList Columna(const Grilla& g, int columna)
{
    QStringList r;
    for (int f = 1; f < g.Rows(); ++f)
        r << g.TextMatrix(f, columna);
    return r;
}

TEST_F(Demo, LasCantidadesDeLaDemoSonLoQueFaltaEntregarOFacturar)
{
    Carga pedido;
    pedido.LetraDestino = QStringLiteral("A");
    EXPECT_TRUE(pedido());
    EXPECT_EQ(Columna(pedido.articulos, ColArticulos::Codigo), (QStringList{"MESA01", "SILLA01", "MESA03", ""}));
    EXPECT_EQ(Columna(pedido.articulos, ColArticulos::Cantidad), (QStringList{"3", "10", "2", ""}));

    for (auto [destino, esperadas] : {std::pair{"FC", QStringList{"1", "2", "3", ""}},
                                      std::pair{"NC", QStringList{"-1", "-2", "-3", ""}}}) {
        Carga remito;
        remito.TC = QStringLiteral("RM");
        remito.SucNroLetra = QStringLiteral("000100000031R");
        remito.CpteDestino = QString::fromLatin1(destino);
        EXPECT_TRUE(remito());
        EXPECT_EQ(Columna(remito.articulos, ColArticulos::Cantidad), esperadas) << destino;
    }

    AvisosGrabados avisos;
    Carga hotel;
    hotel.SucNroLetra = QStringLiteral("000100000015X");
    hotel.LetraDestino = QStringLiteral("B");
    ClsCmnCptes cpte;
    EXPECT_TRUE(cpte.AsignarDatosComprobante(hotel.TC, hotel.SucNroLetra, hotel.IdComplemento, &hotel.tareas,
                                             &hotel.articulos, &hotel.otros, false, nullptr, false, QString(),
                                             hotel.IdRepartoRM, false, QString(), hotel.CpteDestino,
                                             hotel.LetraDestino));
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("Recuerde que para facturar este pedido completo necesita 2 "
                                                        "Hojas (El sistema tiene configurado 20 por hoja)"));
    EXPECT_EQ(avisos.preguntas[0].botones, 64);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al operador"));
    EXPECT_EQ(cpte.NPP_Cliente, QStringLiteral("C0002"));
    EXPECT_EQ(cpte.NPP_IDCpte, QStringLiteral("000100000015X"));
    EXPECT_EQ(hotel.articulos.Rows(), 23);
    EXPECT_EQ(hotel.articulos.TextMatrix(20, ColArticulos::Codigo), QStringLiteral("ESCR01"));
    EXPECT_EQ(hotel.articulos.TextMatrix(21, ColArticulos::Codigo), QString());
}

}  // namespace
