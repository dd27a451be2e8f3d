// The picker's list: the query of each type or mode as sent, the rows it
// lists on the demo data, the searches, the row layouts and the failures.
#include "columna_lista.h"
#include "picker/FrmConsComprobantes.h"
#include "picker/consultas_comprobantes.h"
#include "picker/filas_comprobantes.h"
#include "platform/controles/caja_texto.h"
#include "platform/controles/vista_lista.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

void Ajuste(SesionGlobal& s, const char* clave, const char* valor)
{
    SesionBD& bd = s.bd.Sesion();
    bd.Ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = '%1'").arg(QLatin1String(clave)));
    if (valor)
        bd.Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')")
                       .arg(QLatin1String(clave), QLatin1String(valor)));
}

// The column that holds the voucher id in each layout.
int ColumnaId(const QString& tc)
{
    if (FrmConsComprobantes::EsDelGrupo(tc, {"T3"}))
        return 0;
    if (FrmConsComprobantes::EsDelGrupo(tc, {"OC"}))
        return 2;
    return 1;
}

class ConsultaCptes : public ::testing::Test {
protected:
    ConsultaCptes() : s(BasePrueba::ConDemo) {}

    // Runs the list for a fresh window as the load does; the query sent is returned.
    QString Corre(const char* tc, const char* filtro = "", const char* nombre = nullptr, const char* numero = nullptr)
    {
        v = std::make_unique<FrmConsComprobantes>();
        v->TC = QString::fromUtf8(tc);
        v->Filtro = QString::fromUtf8(filtro);
        if (nombre)
            v->TxtNombre->setText(QString::fromUtf8(nombre));
        if (numero)
            v->TxtNumero->setText(QString::fromUtf8(numero));
        return Otra();
    }
    // Runs the list again, as Buscar does.
    QString Otra()
    {
        gSesionBD->LimpiaBitacora();
        v->ConsultaCptes();
        for (const QString& sql : s.Enviado())
            if (sql.contains(QLatin1String("ORDER BY")))
                return sql;
        return QString();
    }
    QStringList Ids() const { return Columna(v->ListView1, ColumnaId(v->TC)); }

    SesionGlobal s;
    AvisosGrabados avisos;
    std::unique_ptr<FrmConsComprobantes> v;
};

TEST_F(ConsultaCptes, ConsultaDeCadaTipoOModoYSusFilas)
{
    struct Caso {
        const char* tc;
        const char* filtro;
        const char* usaRemitoContado;
        const char* entregaParcial;
        const char* sql;
        QStringList ids;
    };
    const QString transporte = QStringLiteral(
        "SELECT dbo.V_MV_Stock.TC, dbo.V_MV_Stock.IDCOMPROBANTE, dbo.V_MV_Stock.IDCOMPLEMENTO, "
        "dbo.V_MV_Stock.FECHA,dbo.V_MV_Stock.CUENTAPROVEEDOR  FROM         dbo.V_MV_Stock LEFT OUTER JOIN "
        "dbo.MV_APLICACION ON dbo.V_MV_Stock.IDCOMPROBANTE = dbo.MV_APLICACION.IDComprobante_Origen AND "
        "dbo.V_MV_Stock.TC = dbo.MV_APLICACION.Tco_Origen WHERE     (dbo.V_MV_Stock.TC = N'RM') AND "
        "(dbo.V_MV_Stock.IDVIAJE = N'TTE') AND (dbo.V_MV_Stock.Revisado = 0) AND (dbo.MV_APLICACION.TC = N'FC' OR "
        "dbo.MV_APLICACION.TC = N'TKFC' OR dbo.MV_APLICACION.TC = N'TK')  GROUP BY "
        "dbo.V_MV_Stock.TC,dbo.V_MV_Stock.IDCOMPROBANTE,dbo.V_MV_Stock.IDCOMPLEMENTO,dbo.V_MV_Stock.FECHA,"
        "dbo.V_MV_Stock.CUENTAPROVEEDOR ORDER BY dbo.V_MV_Stock.FECHA DESC,dbo.V_MV_Stock.IDCOMPROBANTE,"
        "dbo.V_MV_Stock.IDCOMPLEMENTO");
    const QStringList pendientesRM{"000100000313X", "000100000311X", "000100000031R"};
    const std::vector<Caso> casos = {
        {"RM/PENDIENTES_COMPRAS", "", nullptr, nullptr,
         " SELECT CUENTA , ANULADA, Nombre, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM C_RemitosPendientes "
         "with(nolock) WHERE TC = 'RMC '  ORDER BY IDCOMPROBANTE DESC",
         {"000300000455R"}},
        {"rm/pendientes", "CUENTA <> 'X'", "si", nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, '' AS OBSERVACIONES FROM "
         "V_RemitosPendientes with(nolock) WHERE TC = 'RM  '  AND CUENTA <> 'X' ORDER BY IDCOMPROBANTE DESC",
         pendientesRM},
        {"rm/pendientes", "CUENTA <> 'X'", "NO", nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
         "OBSERVACIONES,FechaHora_Grabacion  FROM V_MV_CPTE with(nolock) WHERE COMPLEMENTARIO = 0 AND TC = 'RM  ' AND "
         "CUENTA <> 'X'  AND FINALIZADA = 0 AND BLOQUEADA = 0 ORDER BY IDCOMPROBANTE DESC",
         pendientesRM},
        {"RM/PENDIENTES", "", "SI", nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM V_RemitosPendientes "
         "with(nolock) WHERE TC = 'RM  ' ORDER BY IDCOMPROBANTE DESC",
         pendientesRM},
        {"RM/PENDIENTES", "", "SI", "SI",
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, "
         "Importe,Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE COMPLEMENTARIO = 0 AND "
         "TC = 'RM  ' AND FINALIZADA = 0 AND BLOQUEADA = 0 ORDER BY IDCOMPROBANTE DESC",
         pendientesRM},
        {"T3", "CUENTA = 'no se usa'", nullptr, nullptr,
         "SELECT * FROM V_MV_CPTETERCEROS  with(nolock)  ORDER BY ID,IDCOMPROBANTE, IDCOMPLEMENTO", {"1", "2"}},
        {"NCPE", "Detalle <> ''", nullptr, nullptr,
         "SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = 'NCPE' AND Detalle <> '' ORDER BY SUCURSAL, NUMERO, "
         "LETRA DESC ",
         {"000300000045A", "000300000045A"}},
        {"NDPR", "", nullptr, nullptr,
         "SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = 'NDPR' AND SECUENCIA = 1 ORDER BY SUCURSAL, NUMERO, "
         "LETRA DESC",
         {"000300000019A"}},
        {"FCC", "CUENTA = 'P0002'", nullptr, nullptr,
         "SELECT * FROM C_MV_CPTE  with(nolock)  WHERE TC = 'FCC ' AND CUENTA = 'P0002' ORDER BY IDCOMPROBANTE DESC ",
         {"000300001234A"}},
        {"FCC", "", nullptr, nullptr,
         "SELECT * FROM C_MV_CPTE  with(nolock)  WHERE TC = 'FCC ' ORDER BY IDCOMPROBANTE DESC",
         {"000300001234A", "000300001234A", "000100000877A"}},
        {"OT/PENDIENTES", "", nullptr, nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento,ID,FECHA, "
         "Importe,FechaHora_Grabacion,FechaHOra_Modificacion FROM V_OT_Pendientes with(nolock) WHERE TC = 'OT  ' ORDER "
         "BY IDCOMPROBANTE DESC",
         {"000100000022X", "000100000021X"}},
        {"OT", "ANULADA = 0", nullptr, nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento , ID,FECHA, "
         "Importe,FechaHora_Grabacion,FechaHOra_Modificacion FROM V_OT_Pendientes with(nolock) WHERE TC = 'OT  ' AND "
         "ANULADA = 0 ORDER BY IDCOMPROBANTE DESC",
         {"000100000022X", "000100000021X"}},
        {"OT", "", nullptr, nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento , ID,FECHA, Importe FROM "
         "V_OT_Pendientes with(nolock) WHERE TC = 'OT  '  ORDER BY IDCOMPROBANTE DESC",
         {"000100000022X", "000100000021X"}},
        {"NP/PENDIENTES", "ANULADA = 0", nullptr, nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE,IDCOMPLEMENTO, ID,FECHA, Importe, "
         "FechaPreparacion, fechahora_grabacion,IdPalm,Observaciones,Fechahora_grabacion,fechahora_modificacion FROM "
         "V_MV_CPTE  with(nolock)  WHERE TC = 'NP  ' AND ANULADA = 0 AND FINALIZADA = 0 and anulada = 0 ORDER BY "
         "IDCOMPROBANTE DESC",
         {"000100000052X", "000100000051X", "000100000016X", "000100000015X", "000100000012X"}},
        {"NP/PENDIENTES", "", nullptr, nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE,IDCOMPLEMENTO, ID,FECHA, "
         "Importe,FechaPreparacion,fechahora_grabacion,IdPalm,Observaciones,Fechahora_grabacion,fechahora_modificacion "
         "FROM V_MV_CPTE with(nolock) WHERE TC = 'NP  ' AND FINALIZADA = 0 and anulada = 0 ORDER BY IDCOMPROBANTE DESC",
         {"000100000052X", "000100000051X", "000100000016X", "000100000015X", "000100000012X"}},
        {"PR/PENDIENTES", "CUENTA <> 'X'", nullptr, nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
         "comentarios,Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE TC = 'PR  ' AND "
         "APROBADO = 1 AND CUENTA <> 'X' AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC",
         {"000100000073X", "000100000071X"}},
        {"PR/PENDIENTES", "", nullptr, nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, comentarios FROM "
         "V_PR_PENDIENTES with(nolock)  WHERE TC = 'PR  ' AND APROBADO = 1 ORDER BY IDCOMPROBANTE DESC",
         {"000100000073X", "000100000071X"}},
        {"OC", "", nullptr, nullptr,
         " SELECT FECHA, CUENTA , NOMBRE, ANULADA, APROBADO, TC,IDCOMPROBANTE, ID,Importe, comentarios, Garantia FROM "
         "C_MV_CPTE  with(nolock) WHERE TC = 'OC  ' AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0) ORDER BY "
         "IDCOMPROBANTE DESC",
         {"000100000033X", "000100000032X", "000100000031X", "000100000007X", "000100000007X"}},
        {"OC", " where CUENTA = 'P0001'", nullptr, nullptr,
         " SELECT FECHA, CUENTA , NOMBRE, ANULADA, APROBADO, TC,IDCOMPROBANTE, ID,Importe, comentarios, Garantia FROM "
         "C_MV_CPTE  with(nolock) WHERE TC = 'OC  ' AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0) AND   "
         "CUENTA = 'P0001' ORDER BY IDCOMPROBANTE DESC",
         {"000100000031X", "000100000007X"}},
        {"FP/PENDIENTES", "", nullptr, nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, "
         "Importe,Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE TC = 'FP  '    AND "
         "FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC",
         {"000100000005X"}},
        {"FP", "", nullptr, nullptr,
         " SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, "
         "Importe,Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE TC = 'FP  '    AND "
         "FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC",
         {"000100000005X"}},
        {"RM/TRANSPORTE", "", nullptr, nullptr, "", {"000100000311X"}},
        {"RM", "CUENTA <> 'X'", nullptr, nullptr,
         "SELECT * FROM V_MV_CPTE  with(nolock)  WHERE COMPLEMENTARIO = 0 AND TC = 'RM  ' AND CUENTA <> 'X' ORDER BY  "
         "IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  ",
         {"000100000313X", "000100000312X", "000100000311X", "000100000310X", "000100000031R"}},
        {"FC/ANTICIPOS", "CUENTA <> 'X'", nullptr, nullptr,
         "SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TC = 'FC  ' AND CUENTA <> 'X' ORDER BY  IDCOMPROBANTE DESC, "
         "IDCOMPLEMENTO ASC  ",
         {"000200000012B", "000100000147A", "000100000146A"}},
        {"RM", "", nullptr, nullptr,
         "SELECT * FROM V_MV_CPTE  with(nolock)  WHERE COMPLEMENTARIO = 0 AND BLOQUEADA = 0 AND TC = 'RM  ' ORDER BY "
         "IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC",
         {"000100000313X", "000100000311X", "000100000310X", "000100000031R"}},
        {"NP", "", nullptr, nullptr,
         "SELECT * FROM V_MV_CPTE  with(nolock)  WHERE   TC = 'NP  ' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC",
         {"000100000054X", "000100000053X", "000100000052X", "000100000051X", "000100000016X", "000100000015X",
          "000100000012X"}},
    };
    for (const Caso& c : casos) {
        Ajuste(s, "UsaRemitoContado", c.usaRemitoContado);
        Ajuste(s, "EntregaParcialRemito", c.entregaParcial);
        const QString sql = Corre(c.tc, c.filtro);
        const QString esperado = *c.sql ? QString::fromUtf8(c.sql) : transporte;
        EXPECT_EQ(sql, esperado) << c.tc << " / " << c.filtro;
        EXPECT_EQ(Ids(), c.ids) << c.tc << " / " << c.filtro;
        EXPECT_TRUE(avisos.preguntas.empty()) << c.tc << " / " << c.filtro;
        avisos.preguntas.clear();
    }
}

TEST_F(ConsultaCptes, AjustesDeRemitosSoloEnElModoPendiente)
{
    Ajuste(s, "UsaRemitoContado", "SI");
    Corre("RM");
    for (const QString& sql : s.Enviado())
        EXPECT_FALSE(sql.contains(QLatin1String("UsaRemitoContado"), Qt::CaseInsensitive)) << sql.toStdString();
    Corre("RM/PENDIENTES");
    EXPECT_TRUE(s.Enviado().join(u'\n').contains(QLatin1String("EntregaParcialRemito")));
}

TEST_F(ConsultaCptes, BusquedaPorNombreOPorNumero)
{
    const QString fc = QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE   TC = 'FC  '%1 ORDER BY "
                                      "IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC");
    struct Caso {
        const char* nombre;
        const char* numero;
        const char* condicion;
        QStringList ids;
    };
    const Caso casos[] = {
        {"Álamos", nullptr, "AND NOMBRE LIKE '%Álamos%' ", {"000100000146A"}},
        {"  roble ", "BUSCAR POR NUMERO...", "AND NOMBRE LIKE '%roble%' ", {"000100000147A"}},
        {"Álamos", "0012", "AND IDCOMPROBANTE LIKE '%0012%' ", {"000200000012B"}},
        {"buscar por NOMBRE...", nullptr, "", {"000200000012B", "000100000147A", "000100000146A"}},
        {"   ", nullptr, "AND NOMBRE LIKE '%%' ", {"000200000012B", "000100000147A", "000100000146A"}},
        {"d'angelo", nullptr, "AND NOMBRE LIKE '%d''angelo%' ", {"000200000012B"}},
        {"", "", "", {"000200000012B", "000100000147A", "000100000146A"}},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(Corre("FC", "", c.nombre, c.numero), fc.arg(QString::fromUtf8(c.condicion))) << c.nombre;
        EXPECT_EQ(Ids(), c.ids) << c.nombre;
    }
    EXPECT_TRUE(avisos.preguntas.empty());

    // These lists take no search.
    for (const char* tc : {"T3", "NCPE", "RM/TRANSPORTE"}) {
        const QString sin = Corre(tc);
        EXPECT_EQ(Corre(tc, "", "Álamos", "0001"), sin) << tc;
    }
}

TEST_F(ConsultaCptes, WhereQuitadoDelFiltro)
{
    using ConsultasComprobantes::QuitaWhere;
    EXPECT_EQ(QuitaWhere(QStringLiteral("where")), QString());
    EXPECT_EQ(QuitaWhere(QStringLiteral(" WHERE CUENTA = 'P0001'")), QStringLiteral("  CUENTA = 'P0001'"));
    EXPECT_EQ(QuitaWhere(QStringLiteral("NOMBRE = 'Elsewhere SA' AND Where1 = 0")),
              QStringLiteral("NOMBRE = 'Elsewhere SA' AND Where1 = 0"));
    EXPECT_EQ(QuitaWhere(QStringLiteral("NOMBRE = 'O''Where where' where ID > 0")),
              QStringLiteral("NOMBRE = 'O''Where where'  ID > 0"));

    // "where" alone leaves no condition, and the window keeps what is left.
    const QString solo = Corre("OC", "where");
    EXPECT_TRUE(solo.endsWith(QLatin1String("(ANULADA = 0) ORDER BY IDCOMPROBANTE DESC"))) << solo.toStdString();
    EXPECT_EQ(v->Filtro, QString());
    Corre("OC", " where CUENTA = 'P0001'");
    EXPECT_EQ(v->Filtro, QStringLiteral("  CUENTA = 'P0001'"));
    // Other lists take the caller's condition as it is.
    Corre("FC", "NOMBRE <> 'Nowhere' AND CUENTA <> 'X'");
    EXPECT_EQ(v->Filtro, QStringLiteral("NOMBRE <> 'Nowhere' AND CUENTA <> 'X'"));
}

TEST_F(ConsultaCptes, FilasDeCadaDisposicion)
{
    struct Caso {
        const char* tc;
        int fila;
        const char* texto;
        QStringList subItems;
        int icono;
    };
    const Caso casos[] = {
        // Sales vouchers: the date-time saved, the amount under the last column for FC, NP and RM.
        {"FC", 3, "05/01/2026 10:15:00",
         {"000100000146A", "0", "Mueblería Los Álamos", "Entrega en el local", "178000"}, 3},
        {"FC", 2, "06/01/26", {"000100000147A", "0", "Carpintería El Roble", "", "96500,5"}, 2},
        {"ND", 1, "10/01/26", {"000100000003A", "", "Carpintería El Roble", "1800", ""}, 6},
        {"OT/PENDIENTES", 1, "11/01/2026 17:05:00", {"000100000022X", "1", "Hotel Las Cumbres", "148000", ""}, 7},
        {"NP/PENDIENTES", 2, "09/01/26", {"000100000051X", "0", "Hotel Las Cumbres", "Armar en obra", "320000"}, 3},
        {"NP", 4, "09/01/26", {"000100000051X", "0", "Hotel Las Cumbres", "Armar en obra", "320000"}, 8},
        {"RM", 2, "06/01/26", {"000100000311X", "", "Carpintería El Roble", "Retira el cliente", "96500,5"}, 3},
        // Purchases, supplier notes, quotations.
        {"FCC", 3, "04/01/26", {"000100000877A", "P0003", "Pinturas Paraná S.A.", "39000", ""}, 2},
        {"NCC", 1, "07/01/26", {"000300000077A", "P0001", "Aserradero San Javier S.R.L.", "12500", ""}, 8},
        {"NCPE", 1, "15/01/26",
         {"000300000045A", "P0001", "Aserradero San Javier S.R.L.", "Bonificación por volumen", "12500"}, 8},
        {"PR", 3, "02/01/26", {"000100000071X", "Hotel Las Cumbres", "", "Veinte mesas de luz", "640000"}, 1},
        {"PR", 1, "06/01/26", {"000100000073X", "D'Angelo Hnos.", "", "Cambió de proveedor", "97000"}, 2},
        // Transport and third parties: no icon.
        {"RM/TRANSPORTE", 1, "", {"000100000311X", "0", "06/01/26", "C0002"}, 0},
        {"T3", 1, "1", {"12/01/26", "000100000146A", "0", "12/01/2026 09:00:00", "14/01/2026 16:30:00"}, 0},
        {"T3", 2, "2", {"13/01/26", "000200000012B", "0", "13/01/2026 11:00:00", ""}, 0},
        // Purchase orders: warranty, reception.
        {"OC", 2, "06/01/26",
         {"P0002 Herrajes del Litoral S.A.", "000100000032X", "21600", "Reposición en garantía", ""}, 11},
        {"OC", 3, "05/01/26",
         {"P0001 Aserradero San Javier S.R.L.", "000100000031X", "142500", "Tablas de pino", "000100000088X"}, 10},
    };
    for (const Caso& c : casos) {
        Corre(c.tc);
        const Lista& l = v->ListView1;
        ASSERT_GE(l.ListItems().Count(), c.fila) << c.tc;
        const ListItem& e = l.ListItems().Item(c.fila);
        EXPECT_EQ(e.Text(), QString::fromUtf8(c.texto)) << c.tc << " " << c.fila;
        QStringList subs;
        for (int i = 1; i < l.ColumnHeaders().Count(); ++i)
            subs << e.SubItems(i);
        EXPECT_EQ(subs, c.subItems) << c.tc << " " << c.fila;
        EXPECT_EQ(e.SmallIcon(), c.icono) << c.tc << " " << c.fila;
        EXPECT_EQ(e.Icon(), c.icono) << c.tc << " " << c.fila;
    }
    EXPECT_TRUE(avisos.preguntas.empty());

    // An annulled order under warranty shows as annulled (the list never holds one).
    FilasComprobantes::Apoyo apoyo;
    apoyo.imagen = [](const QString& codigo) { return int(FrmConsComprobantes().ObtieneIndiceImagen(codigo)); };
    apoyo.recepcion = [](const QString&) { return std::optional<QString>(QString()); };
    const auto campo = [](const QString& nombre) {
        return nombre.compare(u"Garantia", Qt::CaseInsensitive) == 0 || nombre.compare(u"Anulada", Qt::CaseInsensitive) == 0
                   ? QVariant(1)
                   : QVariant();
    };
    EXPECT_EQ(FilasComprobantes::ArmaFila(QStringLiteral("OC"), false, false, campo, apoyo).icono, 2);
}

TEST_F(ConsultaCptes, PrimeraFilaElegidaYCasillasSoloParaOC)
{
    Corre("OC");
    EXPECT_TRUE(v->ListView1.Checkboxes());
    ASSERT_NE(v->ListView1.SelectedItem(), nullptr);
    EXPECT_EQ(v->ListView1.SelectedItem()->Index(), 1);
    Corre("FC");
    EXPECT_FALSE(v->ListView1.Checkboxes());
    Corre("FC", "CUENTA = 'nadie'");
    EXPECT_EQ(v->ListView1.ListItems().Count(), 0);
    EXPECT_EQ(v->ListView1.SelectedItem(), nullptr);
    EXPECT_TRUE(avisos.preguntas.empty()) << "an empty list says nothing";
}

TEST_F(ConsultaCptes, ColumnasQueLaConsultaNoTraeSeLeenVacias)
{
    // 2c brings neither the date-time saved nor the remarks; 7b no date-time.
    Ajuste(s, "UsaRemitoContado", "SI");
    Corre("RM/PENDIENTES");
    ASSERT_EQ(v->ListView1.ListItems().Count(), 3);
    const ListItem& rm = v->ListView1.ListItems().Item(1);
    EXPECT_EQ(rm.Text(), QStringLiteral("08/01/26"));
    EXPECT_EQ(rm.SubItems(4), QString());
    EXPECT_EQ(rm.SubItems(5), QStringLiteral("45200"));
    Corre("OT");
    EXPECT_EQ(v->ListView1.ListItems().Item(1).Text(), QStringLiteral("11/01/26"));
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(ConsultaCptes, FiltroQueNoEsCondicionPreguntaUnaVezYDejaLaListaVacia)
{
    for (int respuesta : {int(Avisos::Abortar), int(Avisos::Ignorar)}) {
        avisos.preguntas.clear();
        avisos.Responder({respuesta});
        Corre("FCC", "CUENTA ===");
        ASSERT_EQ(avisos.preguntas.size(), 1u) << respuesta;
        EXPECT_FALSE(avisos.preguntas[0].titulo.contains(QLatin1String(" - "))) << "asked without a name";
        EXPECT_EQ(v->ListView1.ListItems().Count(), 0);
        EXPECT_FALSE(v->RecordsetAbierto());
        EXPECT_TRUE(v->CmdBuscar->isEnabled());
    }
}

TEST_F(ConsultaCptes, BusquedaQueFallaEnUnaFila)
{
    s.bd.Sesion().Ejecuta(QStringLiteral("DROP TABLE VT_PROVEEDORES"));
    // 5 leaves the supplier's name empty and goes on.
    avisos.Responder({Avisos::Ignorar, Avisos::Ignorar});
    Corre("NCPE", "Detalle <> ''");
    EXPECT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_FALSE(avisos.preguntas[0].titulo.contains(QLatin1String(" - ")));
    ASSERT_EQ(v->ListView1.ListItems().Count(), 2);
    EXPECT_EQ(v->ListView1.ListItems().Item(1).SubItems(3), QString());
    EXPECT_EQ(v->ListView1.ListItems().Item(1).SubItems(4), QStringLiteral("Bonificación por volumen"));
    // Any other answer leaves with the rows so far.
    avisos.preguntas.clear();
    Corre("NCPE", "Detalle <> ''");
    EXPECT_EQ(avisos.preguntas.size(), 1u);
    ASSERT_EQ(v->ListView1.ListItems().Count(), 1);
    EXPECT_EQ(v->ListView1.ListItems().Item(1).SubItems(2), QStringLiteral("P0001"));
    EXPECT_FALSE(v->RecordsetAbierto());
}

TEST_F(ConsultaCptes, BuscarConservaElModoDelLlamador)
{
    Corre("RM/PENDIENTES");
    v->TxtNombre->setText(QStringLiteral("Roble"));
    EXPECT_EQ(Otra(),
              QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, "
                             "Importe,Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE "
                             "COMPLEMENTARIO = 0 AND TC = 'RM  'AND NOMBRE LIKE '%Roble%'  AND FINALIZADA = 0 AND "
                             "BLOQUEADA = 0 ORDER BY IDCOMPROBANTE DESC"));
    EXPECT_EQ(Ids(), QStringList{"000100000311X"});
    EXPECT_EQ(v->TC, QStringLiteral("RM"));

    const QString viaje = Corre("RM/TRANSPORTE");
    EXPECT_EQ(Otra(), viaje);
    EXPECT_EQ(v->ListView1.ColumnHeaders().Item(3).Text(), QStringLiteral("COMPLEMENTO"));
    EXPECT_EQ(Ids(), QStringList{"000100000311X"});
    EXPECT_EQ(v->TC, QStringLiteral("RM"));
}

TEST_F(ConsultaCptes, CancelarDuranteLaCargaLaDetiene)
{
    // The operator's action arrives while the events after the first row run.
    const auto trasLaPrimeraFila = [this](int& agregadas, std::function<void()> accion) {
        QObject::connect(&v->ListView1, &Lista::insertado, v.get(), [this, &agregadas, accion] {
            if (++agregadas == 1)
                QTimer::singleShot(0, v.get(), accion);
        });
    };
    Corre("RM");
    v->show();
    int agregadas = 0;
    bool buscarHabilitado = true;
    trasLaPrimeraFila(agregadas, [&] {
        buscarHabilitado = v->CmdBuscar->isEnabled();
        v->CmdCancelar->click();
    });
    v->CmdBuscar_Click();
    EXPECT_FALSE(buscarHabilitado);
    EXPECT_EQ(agregadas, 1);
    EXPECT_FALSE(v->isVisible());
    EXPECT_EQ(v->result(), QDialog::Rejected);
    EXPECT_EQ(v->ListView1.ListItems().Count(), 0);
    EXPECT_FALSE(v->RecordsetAbierto());
    EXPECT_TRUE(v->CmdBuscar->isEnabled());

    // Accepting during the run takes the rows shown so far.
    Corre("RM");
    v->show();
    agregadas = 0;
    trasLaPrimeraFila(agregadas, [&] {
        v->ListView1.setSelectedItem(&v->ListView1.ListItems().Item(1));
        v->CmdAceptar->click();
    });
    v->CmdBuscar_Click();
    EXPECT_EQ(agregadas, 1);
    EXPECT_EQ(v->NroComprobante, QStringLiteral("000100000313X"));
    EXPECT_FALSE(v->isVisible());
    EXPECT_EQ(v->result(), QDialog::Accepted);

    // The first close that arrives is the one that holds: what follows it in
    // the same events neither chooses a voucher nor changes the result.
    struct Caso {
        bool aceptaPrimero;
        const char* numero;
        int resultado;
    };
    for (const Caso c : {Caso{false, "", QDialog::Rejected}, Caso{true, "000100000313X", QDialog::Accepted}}) {
        SCOPED_TRACE(c.aceptaPrimero ? "accept, then cancel" : "cancel, then accept");
        Corre("RM");
        v->NroComprobante.clear();
        v->show();
        agregadas = 0;
        trasLaPrimeraFila(agregadas, [&] {
            v->ListView1.setSelectedItem(&v->ListView1.ListItems().Item(1));
            if (c.aceptaPrimero) {
                v->CmdAceptar->click();
                v->CmdCancelar->click();
            } else {
                v->CmdCancelar->click();
                v->CmdAceptar->click();
            }
        });
        v->CmdBuscar_Click();
        EXPECT_EQ(agregadas, 1);
        EXPECT_EQ(v->NroComprobante, QString::fromUtf8(c.numero));
        EXPECT_FALSE(v->isVisible());
        EXPECT_EQ(v->result(), c.resultado);
    }
}

}  // namespace

namespace {

// A type code the caller hands over enters its literal with apostrophes doubled.
TEST_F(ConsultaCptes, TipoConApostrofesNoRompeLaConsulta)
{
    const QString sinFiltro = QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE   TC = '%1'AND NOMBRE LIKE "
                                             "'%d''or%'  ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC");
    const QString conFiltro = QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TC = '%1'AND NOMBRE LIKE "
                                             "'%d''or%'  AND ANULADA = 0 ORDER BY  IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  ");
    struct Caso {
        const char* tc;
        const char* filtro;
        const char* literal;
    };
    const Caso casos[] = {
        {"F'C", "", "F''C "},
        {"''''", "", "''''''''"},
        {" x'", "ANULADA = 0", "x''  "},
    };
    for (const Caso& c : casos) {
        const QString& forma = *c.filtro ? conFiltro : sinFiltro;
        EXPECT_EQ(Corre(c.tc, c.filtro, "d'or"), forma.arg(QLatin1String(c.literal))) << c.tc;
        EXPECT_EQ(v->ListView1.ListItems().Count(), 0) << c.tc;
    }
    for (const PreguntaGrabada& p : avisos.preguntas)
        ADD_FAILURE() << p.texto.toStdString();
}

}  // namespace

namespace {

// Stored rows that hold nothing but what their list selects them by: each
// layout shows one row of empty cells, without a box.
TEST_F(ConsultaCptes, FilasConNullEnCadaColumna)
{
    SesionBD& bd = s.bd.Sesion();
    bd.Ejecuta(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento) VALUES ('ZZ', '999900000001Z', 0)"));
    bd.Ejecuta(QStringLiteral("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, APROBADO, FINALIZADO, ANULADA) VALUES "
                              "('OC', '999900000002Z', 'ZZ', 1, 0, 0), ('FCC', '999900000003Z', 'ZZ', 0, 0, 0)"));
    bd.Ejecuta(QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SECUENCIA) VALUES ('NCPE', 1)"));
    struct Caso {
        const char* tc;
        const char* numero;
    };
    const Caso casos[] = {{"ZZ", "999900000001Z"}, {"OC", "999900000002Z"}, {"FCC", "999900000003Z"}, {"NCPE", nullptr}};
    for (const Caso& c : casos) {
        Corre(c.tc, "", nullptr, c.numero);
        ASSERT_GE(v->ListView1.ListItems().Count(), 1) << c.tc;
        v->CmdAceptar_Click();
        if (c.numero) {
            EXPECT_EQ(v->NroComprobante, QLatin1String(c.numero)) << c.tc;
        }
    }
    for (const PreguntaGrabada& p : avisos.preguntas)
        ADD_FAILURE() << p.texto.toStdString();
}

}  // namespace

namespace {

// A sales row's text and a pending order's mark ask only whether the stored
// value is there: a saved date-time that reads as no date still shows, and a
// preparation date that is not Null marks the order, whatever it holds.
TEST_F(ConsultaCptes, FilaDeVentasSinFechaQueSeLea)
{
    struct Caso {
        QVariant grabada;
        QVariant preparacion;
        const char* texto;
        const char* icono;
    };
    const QDateTime grabada(QDate(2026, 1, 5), QTime(10, 15));
    const Caso casos[] = {
        {grabada, QVariant(), "05/01/2026 10:15:00", "NP"},
        {QStringLiteral("sin registrar"), QVariant(), "sin registrar", "NP"},
        {QStringLiteral("   "), QVariant(), "09/01/26", "NP"},
        {QVariant(), QDate(2026, 1, 10), "09/01/26", "Aprobado"},
        {QVariant(), QString(), "09/01/26", "Aprobado"},
        {QVariant(), QStringLiteral("pendiente"), "09/01/26", "Aprobado"},
    };
    FilasComprobantes::Apoyo apoyo;
    apoyo.imagen = [this](const QString& codigo) { return int(v->ObtieneIndiceImagen(codigo)); };
    v = std::make_unique<FrmConsComprobantes>();
    for (const Caso& c : casos) {
        const auto campo = [&c](const QString& nombre) -> QVariant {
            if (nombre.compare(u"FechaHora_Grabacion", Qt::CaseInsensitive) == 0)
                return c.grabada;
            if (nombre.compare(u"FechaPreparacion", Qt::CaseInsensitive) == 0)
                return c.preparacion;
            if (nombre.compare(u"fecha", Qt::CaseInsensitive) == 0)
                return QDate(2026, 1, 9);
            if (nombre.compare(u"TC", Qt::CaseInsensitive) == 0)
                return QStringLiteral("NP  ");
            return QVariant();
        };
        const FilasComprobantes::Fila f = FilasComprobantes::ArmaFila(QStringLiteral("NP"), true, false, campo, apoyo);
        EXPECT_EQ(f.texto, QString::fromUtf8(c.texto)) << c.texto;
        EXPECT_EQ(f.icono, v->ObtieneIndiceImagen(QString::fromUtf8(c.icono))) << c.texto << " " << c.icono;
    }
}

}  // namespace

namespace {

// A row the operator chooses while the list is still loading stays chosen
// once the load ends; only a list left without a choice gets its first row.
TEST_F(ConsultaCptes, LaFilaElegidaDuranteLaCargaQuedaElegida)
{
    Corre("RM");
    ASSERT_GE(v->ListView1.ListItems().Count(), 3);
    v->show();
    int agregadas = 0;
    QObject::connect(&v->ListView1, &Lista::insertado, v.get(), [this, &agregadas] {
        if (++agregadas == 2)
            QTimer::singleShot(0, v.get(), [this] { v->ListView1.setSelectedItem(&v->ListView1.ListItems().Item(2)); });
    });
    v->CmdBuscar_Click();
    ASSERT_GT(agregadas, 2);
    ASSERT_NE(v->ListView1.SelectedItem(), nullptr);
    EXPECT_EQ(v->ListView1.SelectedItem()->SubItems(1), QStringLiteral("000100000311X"));
    v->CmdAceptar_Click();
    EXPECT_EQ(v->NroComprobante, QStringLiteral("000100000311X"));

    // Without a choice, an accept while the rows arrive takes the first one.
    Corre("RM");
    v->show();
    agregadas = 0;
    QObject::connect(&v->ListView1, &Lista::insertado, v.get(), [this, &agregadas] {
        if (++agregadas == 2)
            QTimer::singleShot(0, v.get(), [this] { v->CmdAceptar->click(); });
    });
    v->CmdBuscar_Click();
    EXPECT_EQ(v->NroComprobante, QStringLiteral("000100000313X"));
    EXPECT_EQ(v->result(), QDialog::Accepted);
}

}  // namespace

namespace {

// The list's first load runs in the modal show, before the window is on the
// screen or holds the caller back: meanwhile the caller's window takes no
// input, as later runs find it held back by the picker itself.
TEST_F(ConsultaCptes, DuranteLaPrimeraCargaLaVentanaQueLlamaNoTomaEntrada)
{
    QWidget llamadora;
    auto* boton = new QPushButton(QStringLiteral("Comprobante"), &llamadora);
    boton->setGeometry(10, 10, 100, 30);
    llamadora.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&llamadora));
    int clics = 0;
    QObject::connect(boton, &QPushButton::clicked, [&] { ++clics; });

    v = std::make_unique<FrmConsComprobantes>();
    v->TC = QStringLiteral("RM");
    int agregadas = 0;
    int clicsDurante = -1;
    const auto clicEnLaLlamadora = [&] {
        QTest::mouseClick(llamadora.windowHandle(), Qt::LeftButton, Qt::NoModifier, boton->geometry().center());
    };
    QObject::connect(&v->ListView1, &Lista::insertado, v.get(), [&] {
        ++agregadas;
        if (agregadas == 1)
            QTimer::singleShot(0, v.get(), clicEnLaLlamadora);
        else if (agregadas == 3)
            QTimer::singleShot(0, v.get(), [&] {
                clicsDurante = clics;
                v->CmdCancelar->click();
            });
    });
    // Before the first row, the window's own set-up lets events run too.
    QTimer::singleShot(0, v.get(), clicEnLaLlamadora);
    v->exec();
    ASSERT_GE(agregadas, 3);
    EXPECT_EQ(clicsDurante, 0);
}

}  // namespace
