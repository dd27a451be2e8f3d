#include "comprobantes_prueba.h"
#include "support/avisos_grabados.h"
#include "support/carpeta_temporal.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <array>

namespace {

using namespace ModGlobal;
using Numeracion = ClsCmnCptes::NumeroDeAsiento;

const QString Columnas = QStringLiteral(
    "INSERT INTO MV_ASIENTOS (Cuenta,Secuencia,Mes_Operativo,[Numero Asiento],Fecha,FechaSubDiario,Detalle,TC,SUCURSAL,"
    "NUMERO,LETRA,PERIODO,Tipo_Reg,[DEBE-HABER],FechaHora_Grabacion,USUARIO_LOGEADO,Importe,Moneda,Cotizacion,"
    "CABImporte,CABCuenta,CABNombre,Unegocio,IdCajas) VALUES (");

// A stock voucher of type AJP booked in journal ST, the reason DINV on
// account 5.1.4.01, furniture on 1.1.5.02 and a supply on 1.1.5.01; the
// clock, the session values and the error log pinned.
class AsientoStock : public ::testing::Test {
protected:
    void SetUp() override
    {
        temp_ = qgetenv("TEMP");
        tmp_ = qgetenv("TMP");
        qputenv("TEMP", "x");
        qputenv("TMP", log.Ruta().toLocal8Bit());
        Sistema::FijarReloj([] { return QDateTime(QDate(2026, 3, 15), QTime(10, 30)); });
        gPeriodo = 2026;
        gUsuarioLogeado = QStringLiteral("SUPERVISOR");
        gUnegocio.clear();
        gCaja = QStringLiteral("1");
        Ajuste(s, QStringLiteral("AsientosXStock"), QStringLiteral("SI"));
        bd().Ejecuta(QStringLiteral(
            "INSERT INTO V_TA_MOTIVOSTOCK (IDMOTIVOSTOCK, Descripcion, CUENTACONTABLE) VALUES "
            "('DINV', 'Diferencia de inventario', '5.1.4.01'), ('ROTO', 'Rotura', '5.1.4.02'), ('SINC', 'Sin cuenta', ' ')"));
        bd().Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Costo, cuentacontableC) VALUES "
                                    "('MESA01', 85000, '1.1.5.02'), ('SILLA01', 21000, '1.1.5.02'), "
                                    "('TABPIN', 950, '1.1.5.01'), ('TORN01', 3200, NULL)"));
        bd().Ejecuta(QStringLiteral("INSERT INTO MA_SUBDIARIOS (CODIGO) VALUES ('ST'), ('VT')"));
        bd().Ejecuta(QStringLiteral("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES "
                                    "('AJP', 'ST'), ('AJN', 'ST'), ('RM', 'ST'), ('CMV', 'ST')"));
        grilla.setCols(ColArticulos::Cantidad_Columnas);
    }
    void TearDown() override
    {
        qputenv("TEMP", temp_);
        qputenv("TMP", tmp_);
        Sistema::FijarReloj(nullptr);
        gPeriodo = 0;
        gUsuarioLogeado.clear();
        gCaja.clear();
    }

    SesionBD& bd() { return s.bd.Sesion(); }

    // Data rows of (code, quantity, unit cost, price without VAT).
    void Filas(std::initializer_list<std::array<const char*, 4>> filas)
    {
        grilla.setRows(int(filas.size()) + 1);
        int f = 1;
        for (const auto& fila : filas) {
            grilla.setTextMatrix(f, ColArticulos::Codigo, QString::fromUtf8(fila[0]));
            grilla.setTextMatrix(f, ColArticulos::Cantidad, QString::fromUtf8(fila[1]));
            grilla.setTextMatrix(f, ColArticulos::Costo, QString::fromUtf8(fila[2]));
            grilla.setTextMatrix(f, ColArticulos::PrecioSinIVA, QString::fromUtf8(fila[3]));
            ++f;
        }
    }

    // The entry of voucher 0001-<numero>-X of the type, from the stock posting's arguments.
    QString Asiento(ClsCmnCptes& cpte, const QString& tc, long soloRegistro, short tipoMov = 0,
                    const QString& numero = QStringLiteral("00000007"), Numeracion numeracion = Numeracion::PorFila)
    {
        tipo = tc;
        nro = numero;
        secuencia = 1;
        esDebito = true;
        return cpte.GeneraAsientoStock(grilla, motivo, tipo, QStringLiteral("0001"), nro, QStringLiteral("X"),
                                       QStringLiteral("15/03/26"), esDebito, tipoMov, soloRegistro, secuencia,
                                       numeracion);
    }

    // Debit and credit totals of the stored lines.
    QStringList Balance()
    {
        return s.bd.Filas(QStringLiteral("SELECT SUM(CASE WHEN [DEBE-HABER] = 'D' THEN Importe ELSE 0 END), "
                                         "SUM(CASE WHEN [DEBE-HABER] = 'H' THEN Importe ELSE 0 END) FROM MV_ASIENTOS"));
    }

    QStringList Lineas()
    {
        return s.bd.Filas(QStringLiteral("SELECT Cuenta, Secuencia, [DEBE-HABER], Importe, CABImporte, [Numero Asiento], "
                                         "Tipo_Reg FROM MV_ASIENTOS ORDER BY Id"));
    }

    SesionGlobal s;
    CarpetaTemporal log;
    Grilla grilla;
    QString motivo = QStringLiteral("DINV");
    QString tipo, nro;
    short secuencia = 1;
    bool esDebito = true;

private:
    QByteArray temp_, tmp_;
};

TEST_F(AsientoStock, GrillaEntera)
{
    Filas({{{"MESA01", "2", "85000", ""}}, {{"SILLA01", "3", "21000.25", ""}}});
    ClsCmnCptes cpte;
    gSesionBD->LimpiaBitacora();
    const QString texto = Asiento(cpte, QStringLiteral("AJP"), 0);
    // The accounts of the articles, read as the suite reads them.
    EXPECT_TRUE(s.Enviado().contains(QStringLiteral(
        "select cuentacontableC from v_ma_articulos where ( idarticulo ='MESA01                   ' OR "
        " idarticulo ='SILLA01                  ') and not cuentacontableC is null group by cuentacontableC")))
        << s.Enviado().join(u'\n').toStdString();
    EXPECT_EQ(texto,
              QStringLiteral("\r\n") + Columnas +
                  QStringLiteral("'5.1.4.01','1','3','1','15/03/26','15/03/26','Diferencia de inventario','AJP','0001',"
                                 "'00000007','X','2026','ST','H','15/03/2026 10:30:00','SUPERVISOR',233000.75,'   1',1,"
                                 "233000.75,'5.1.4.01','DINV','','1   ')") +
                  QStringLiteral("\r\n") + Columnas +
                  QStringLiteral("'1.1.5.02','2','3','1','15/03/26','15/03/26','Diferencia de inventario','AJP','0001',"
                                 "'00000007','X','2026','ST','D','15/03/2026 10:30:00','SUPERVISOR',233000.75,'   1',1,"
                                 "233000.75,'5.1.4.01','DINV','','1   ')"));
    EXPECT_FALSE(esDebito);   // an incoming adjustment credits the reason
    EXPECT_EQ(secuencia, 3);
    EXPECT_EQ(grilla.Row(), 2);   // the walk moved the current row

    bd().Ejecuta(texto);
    EXPECT_EQ(Lineas(), QStringList({"5.1.4.01|1|H|233000.75|233000.75|1|ST", "1.1.5.02|2|D|233000.75|233000.75|1|ST"}));
    EXPECT_EQ(Balance(), QStringList({"233000.75|233000.75"}));
    // A second whole-grid entry of the same voucher is refused.
    EXPECT_EQ(Asiento(cpte, QStringLiteral("AJP"), 0), QString());
    EXPECT_EQ(secuencia, 1);
    EXPECT_TRUE(log.Lee(QStringLiteral("QSERR.LOG")).contains("El comprobante ya ha Sido Cargado. Asiento 03 - 000001"));
}

// A grid of 1,200 articles on two accounts: the embedded engine refuses one
// chain of 1,200 ORs, and the entry was lost behind a message.
TEST_F(AsientoStock, GrillaDeMilDoscientosArticulos)
{
    constexpr int n = 1200;
    QStringList articulos;
    for (int f = 1; f <= n; ++f)
        articulos << QStringLiteral("('ART%1', 10, '1.1.5.0%2')").arg(f, 4, 10, QLatin1Char('0')).arg(f % 2 ? 1 : 2);
    bd().Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Costo, cuentacontableC) VALUES ") + articulos.join(u','));
    grilla.setRows(n + 1);
    for (int f = 1; f <= n; ++f) {
        grilla.setTextMatrix(f, ColArticulos::Codigo, QStringLiteral("ART%1").arg(f, 4, 10, QLatin1Char('0')));
        grilla.setTextMatrix(f, ColArticulos::Cantidad, QStringLiteral("1"));
        grilla.setTextMatrix(f, ColArticulos::Costo, QStringLiteral("10"));
    }
    AvisosGrabados avisos;
    ClsCmnCptes cpte;
    const QString texto = Asiento(cpte, QStringLiteral("AJP"), 0);
    EXPECT_TRUE(avisos.preguntas.empty());
    bd().Ejecuta(texto);
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT Cuenta, [DEBE-HABER], Importe FROM MV_ASIENTOS ORDER BY Id")),
              QStringList({"5.1.4.01|H|12000", "1.1.5.01|D|6000", "1.1.5.02|D|6000"}));
}

TEST_F(AsientoStock, FilaPorFilaSumaALaLineaDelComprobante)
{
    Filas({{{"MESA01", "2", "85000", ""}}, {{"SILLA01", "3", "21000.25", ""}}});
    ClsCmnCptes cpte;
    grilla.setRow(2);
    const QString fila1 = Asiento(cpte, QStringLiteral("AJP"), 1);
    EXPECT_EQ(fila1,
              QStringLiteral("\r\n") + Columnas +
                  QStringLiteral("'5.1.4.01','1','3','1','15/03/26','15/03/26','Diferencia de inventario','AJP','0001',"
                                 "'00000007','X','2026','ST','H','15/03/2026 10:30:00','SUPERVISOR',170000,'   1',1,"
                                 "170000,'5.1.4.01','DINV','','1   ')") +
                  QStringLiteral("\r\n") + Columnas +
                  QStringLiteral("'1.1.5.02','2','3','1','15/03/26','15/03/26','Diferencia de inventario','AJP','0001',"
                                 "'00000007','X','2026','ST','D','15/03/2026 10:30:00','SUPERVISOR',170000,'   1',1,"
                                 "170000,'5.1.4.01','DINV','','1   ')"));
    EXPECT_EQ(grilla.Row(), 2);   // a single row is read where it stands
    bd().Ejecuta(fila1);

    const QString fila2 = Asiento(cpte, QStringLiteral("AJP"), 2);
    EXPECT_EQ(fila2, QStringLiteral("\r\nUPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + 63000.75 WHERE TC = 'AJP ' AND "
                                    "SUCURSAL = '0001' AND NUMERO = '00000007' AND LETRA = 'X' AND CUENTA = '5.1.4.01' "
                                    "AND [DEBE-HABER] = 'H'"
                                    "\r\nUPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + 63000.75 WHERE TC = 'AJP ' AND "
                                    "SUCURSAL = '0001' AND NUMERO = '00000007' AND LETRA = 'X' AND CUENTA = '1.1.5.02' "
                                    "AND [DEBE-HABER] = 'D'"));
    EXPECT_EQ(secuencia, 3);
    bd().Ejecuta(fila2);
    // The header amount stays the first row's.
    EXPECT_EQ(Lineas(), QStringList({"5.1.4.01|1|H|233000.75|170000|1|ST", "1.1.5.02|2|D|233000.75|170000|1|ST"}));
    EXPECT_EQ(Balance(), QStringList({"233000.75|233000.75"}));

    // A row on another account of the same entry: a new line under the same number.
    Filas({{{"MESA01", "2", "85000", ""}}, {{"SILLA01", "3", "21000.25", ""}}, {{"TABPIN", "10", "950", ""}}});
    bd().Ejecuta(Asiento(cpte, QStringLiteral("AJP"), 3));
    EXPECT_EQ(Lineas().last(), QStringLiteral("1.1.5.01|2|D|9500|9500|1|ST"));
    EXPECT_EQ(Balance(), QStringList({"242500.75|242500.75"}));
}

TEST_F(AsientoStock, NumeroDelAsiento)
{
    Filas({{{"MESA01", "1", "100", ""}}, {{"SILLA01", "1", "50", ""}}});
    // Entries of the default type do not count for journal ST.
    bd().Ejecuta(QStringLiteral("INSERT INTO MV_ASIENTOS (Mes_Operativo, [Numero Asiento], PERIODO, Tipo_Reg) VALUES "
                                "(3, 7, 2026, ''), (3, 2, 2026, 'ST')"));
    // [Numero Asiento] of the first line.
    const auto numero = [](const QString& texto) {
        static const QRegularExpression r(QStringLiteral(R"(VALUES \('[^']*','[^']*','[^']*',('[^']*'))"));
        return r.match(texto).captured(1);
    };
    ClsCmnCptes cpte;
    EXPECT_EQ(numero(Asiento(cpte, QStringLiteral("AJP"), 0)), QStringLiteral("'3'"));
    // The next whole-grid entry of the instance takes the next number without asking.
    gSesionBD->LimpiaBitacora();
    EXPECT_EQ(numero(Asiento(cpte, QStringLiteral("AJP"), 0, 0, QStringLiteral("00000008"))), QStringLiteral("'4'"));
    for (const QString& sql : s.Enviado())
        EXPECT_FALSE(sql.contains(QStringLiteral("NRO_ASIENTO"))) << sql.toStdString();

    // Row by row: row 1 draws, later rows keep the number.
    ClsCmnCptes porFila;
    EXPECT_EQ(numero(Asiento(porFila, QStringLiteral("AJP"), 2)), QStringLiteral("'3'"));   // nothing kept: drawn
    bd().Ejecuta(QStringLiteral("INSERT INTO MV_ASIENTOS (Mes_Operativo, [Numero Asiento], PERIODO, Tipo_Reg) VALUES "
                                "(3, 3, 2026, 'ST')"));
    EXPECT_EQ(numero(Asiento(porFila, QStringLiteral("AJP"), 2)), QStringLiteral("'3'"));
    EXPECT_EQ(numero(Asiento(porFila, QStringLiteral("AJP"), 1)), QStringLiteral("'4'"));
    // A posting that starts elsewhere than row 1, or asks row 1 again.
    bd().Ejecuta(QStringLiteral("INSERT INTO MV_ASIENTOS (Mes_Operativo, [Numero Asiento], PERIODO, Tipo_Reg) VALUES "
                                "(3, 4, 2026, 'ST')"));
    EXPECT_EQ(numero(Asiento(porFila, QStringLiteral("AJP"), 2, 0, QStringLiteral("00000009"), Numeracion::Nuevo)),
              QStringLiteral("'5'"));
    EXPECT_EQ(numero(Asiento(porFila, QStringLiteral("AJP"), 1, 0, QStringLiteral("00000009"), Numeracion::ElMismo)),
              QStringLiteral("'5'"));
}

TEST_F(AsientoStock, SinNumeroNoHayAsiento)
{
    Filas({{{"MESA01", "1", "100", ""}}});
    bd().Ejecuta(QStringLiteral("DROP TABLE MV_ASIENTOSCCOSTO"));
    AvisosGrabados avisos;   // the numbering's failure, answered Abort
    ClsCmnCptes cpte;
    EXPECT_EQ(Asiento(cpte, QStringLiteral("AJP"), 0), QString());
    EXPECT_EQ(secuencia, 1);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("ValidaTCRegistraciones")));
}

TEST_F(AsientoStock, SumaNegativaQuedaBalanceada)
{
    Filas({{{"MESA01", "-1", "150", ""}}});
    ClsCmnCptes cpte;
    bd().Ejecuta(Asiento(cpte, QStringLiteral("AJP"), 0));
    EXPECT_EQ(Lineas(), QStringList({"5.1.4.01|1|D|150|150|1|ST", "1.1.5.02|2|H|150|150|1|ST"}));

    // With a positive account besides, the contra line takes the difference.
    bd().Ejecuta(QStringLiteral("DELETE FROM MV_ASIENTOS"));
    Filas({{{"MESA01", "-1", "150", ""}}, {{"TABPIN", "1", "100", ""}}});
    bd().Ejecuta(Asiento(cpte, QStringLiteral("AJP"), 0, 0, QStringLiteral("00000008")));
    EXPECT_EQ(Lineas(), QStringList({"5.1.4.01|1|D|50|50|2|ST", "1.1.5.01|2|D|100|50|2|ST", "1.1.5.02|3|H|150|50|2|ST"}));
    EXPECT_EQ(Balance(), QStringList({"150|150"}));
}

TEST_F(AsientoStock, ArticulosYCuentas)
{
    ClsCmnCptes cpte;
    // One article in two rows, whatever its case; an article without account, a blank row.
    Filas({{{"MESA01", "1", "100", ""}}, {{"mesa01", "2", "100", ""}}, {{"TORN01", "5", "3200", ""}}, {{"", "", "", ""}}});
    const QString texto = Asiento(cpte, QStringLiteral("AJP"), 0);
    EXPECT_EQ(texto.count(QStringLiteral("INSERT")), 2);
    EXPECT_TRUE(texto.contains(QStringLiteral("'1.1.5.02','2','3','1'")));
    EXPECT_TRUE(texto.contains(QStringLiteral(",300,'   1',1,300,")));
    // Articles whose account is blank book nothing, as those without one.
    bd().Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Costo, cuentacontableC) VALUES "
                                "('CLAVO01', 10, ''), ('GRAMPA01', 20, '   ')"));
    bd().Ejecuta(QStringLiteral("DELETE FROM MV_ASIENTOS"));
    Filas({{{"MESA01", "1", "100", ""}}, {{"CLAVO01", "4", "10", ""}}, {{"GRAMPA01", "2", "20", ""}}});
    bd().Ejecuta(Asiento(cpte, QStringLiteral("AJP"), 0, 0, QStringLiteral("00000010")));
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT Cuenta, [DEBE-HABER], Importe FROM MV_ASIENTOS ORDER BY Id")),
              QStringList({"5.1.4.01|H|100", "1.1.5.02|D|100"}));
    Filas({{{"CLAVO01", "4", "10", ""}}});
    EXPECT_EQ(Asiento(cpte, QStringLiteral("AJP"), 0, 0, QStringLiteral("00000011")), QString());
    EXPECT_EQ(secuencia, 2);
    // No article has an account: nothing, one line number used all the same.
    Filas({{{"TORN01", "5", "3200", ""}}});
    EXPECT_EQ(Asiento(cpte, QStringLiteral("AJP"), 0, 0, QStringLiteral("00000008")), QString());
    EXPECT_EQ(secuencia, 2);
    // A grid without data rows: nothing, the line number untouched.
    grilla.setRows(1);
    EXPECT_EQ(Asiento(cpte, QStringLiteral("AJP"), 0, 0, QStringLiteral("00000009")), QString());
    EXPECT_EQ(secuencia, 1);
}

TEST_F(AsientoStock, SinAsiento)
{
    Filas({{{"MESA01", "1", "100", ""}}});
    ClsCmnCptes cpte;
    struct Caso {
        const char* tc;
        short tipoMov;
        const char* motivo;
    };
    const Caso casos[] = {
        {"FC", 1, "DINV"},   {"TK", 0, "DINV"},    {"FKFC", 0, "DINV"}, {"ND", 3, "DINV"},
        {"FCC", 99, "DINV"}, {"LNDC", 0, "DINV"},  {"NCCP", 99, "DINV"},
        {"RM", 99, "DINV"},                                         // kind 99 of a type on neither list
        {"AJP", 0, "XXXX"}, {"AJP", 0, "SINC"},                     // reason missing, reason without account
        {"AJP", 0, "ELDELGRID"}, {"AJP", 0, "NULL"},                // the posting's sentinels match no reason
        {"AJP", 1, "DINV"},                                         // kind 1 takes its reason from a missing setting
    };
    for (const Caso& c : casos) {
        motivo = QString::fromUtf8(c.motivo);
        EXPECT_EQ(Asiento(cpte, QString::fromUtf8(c.tc), 0, c.tipoMov), QString()) << c.tc << ' ' << c.tipoMov;
        EXPECT_EQ(secuencia, 1) << c.tc;
    }
    // RM with kind 99 draws no "CMV" number.
    EXPECT_EQ(Asiento(cpte, QStringLiteral("RM"), 0, 99), QString());
    EXPECT_EQ(tipo, QStringLiteral("RM"));
    EXPECT_EQ(nro, QStringLiteral("00000007"));
    // Type without a journal: four blanks, which pass.
    motivo = QStringLiteral("DINV");
    bd().Ejecuta(QStringLiteral("DELETE FROM MA_SUBDIARIOSCOMPROBANTES WHERE TC = 'AJP'"));
    EXPECT_TRUE(Asiento(cpte, QStringLiteral("AJP"), 0).contains(QStringLiteral("'2026','    ','H'")));
    // The switch off: nothing at all.
    Ajuste(s, QStringLiteral("AsientosXStock"), QStringLiteral("NO"));
    ClsCmnCptes apagado;
    motivo = QStringLiteral("D'INV");
    EXPECT_EQ(Asiento(apagado, QStringLiteral("AJP"), 0), QString());
    EXPECT_EQ(motivo, QStringLiteral("D'INV"));
}

TEST_F(AsientoStock, LadoYMotivoPorClaseDeMovimiento)
{
    Ajuste(s, QStringLiteral("MotivoStockRemito"), QStringLiteral("DINV"));
    Ajuste(s, QStringLiteral("MotivoStockTransferencias"), QStringLiteral("ROTO"));
    Ajuste(s, QStringLiteral("MotivoStockRecepcionOC"), QStringLiteral("ROTO"));
    TipoComprobante(s, QStringLiteral("RM"), QStringLiteral("STOCK"));
    bd().Ejecuta(QStringLiteral("UPDATE V_TA_CPTE SET ES = 'S' WHERE CODIGO = 'RM'"));
    Filas({{{"MESA01", "2", "100", "70"}}});
    AvisosGrabados avisos;
    struct Caso {
        const char* grilla;
        const char* tc;
        short tipoMov;
        const char* motivoEnviado;
        const char* motivoFinal;
        bool debito;
        const char* importe;   // of the contra line
    };
    const Caso casos[] = {
        {"", "RMC", 1, "XX", "DINV", true, ",200,"},   // kind 1 before the RMC rule
        {"", "RMC", 0, "XX", "ROTO", false, ",140,"},  // RMC: the price without VAT
        {"", "RM", 5, "XX", "ROTO", false, ",140,"},
        {"", "RM", 3, "XX", "ROTO", true, ",200,"},
        {"", "RM", 4, "XX", "ROTO", false, ",200,"},
        {"msflexgriddif", "RM", 4, "DI'NV", "DINV", true, ",200,"},   // the reason stays, apostrophes removed
        {"MSFlexGridDif", "RM", 1, "DINV", "DINV", false, ",200,"},
        {"", "IR", 0, "DINV", "DINV", false, ",200,"}, {"", "SI", 0, "DINV", "DINV", false, ",200,"},
        {"", "VS", 0, "DINV", "DINV", true, ",200,"},  {"", "AJN", 0, "DINV", "DINV", true, ",200,"},
        {"", "RM", 0, "DINV", "DINV", true, ",200,"},   // by the stock sign, -1
    };
    int numero = 10;
    for (const Caso& c : casos) {
        grilla.setObjectName(QString::fromUtf8(c.grilla));
        motivo = QString::fromUtf8(c.motivoEnviado);
        ClsCmnCptes cpte;
        const QString texto = Asiento(cpte, QString::fromUtf8(c.tc), 0, c.tipoMov, QString::number(numero++));
        const std::string caso = std::string(c.grilla) + ' ' + c.tc + ' ' + std::to_string(c.tipoMov);
        EXPECT_EQ(motivo, QString::fromUtf8(c.motivoFinal)) << caso;
        EXPECT_EQ(esDebito, c.debito) << caso;
        EXPECT_TRUE(texto.section(QStringLiteral("\r\n"), 1, 1).contains(QString::fromUtf8(c.importe))) << caso;
        EXPECT_TRUE(texto.section(QStringLiteral("\r\n"), 1, 1).contains(c.debito ? QStringLiteral(",'D','15/03/2026")
                                                                                 : QStringLiteral(",'H','15/03/2026")))
            << caso;
    }
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(AsientoStock, CostoDeMercaderiaVendida)
{
    bd().Ejecuta(QStringLiteral("INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, LETRAS, X_ULTIMO_NRO, X_NRO_DESDE, "
                                "X_NRO_HASTA, X_SUC_DEFAULT) VALUES ('CMV', 1, 'X', 4, 1, 99999999, 1)"));
    bd().Ejecuta(QStringLiteral("INSERT INTO V_TA_MotivoVta (IdMotivoVta, Descripcion) VALUES ('MV1', 'Venta de muebles'), "
                                "('MV2', 'Venta sin costo')"));
    bd().Ejecuta(QStringLiteral("INSERT INTO V_TA_Input_Ventas (IdMotivoVta, COSTO_MERCADERIA) VALUES ('MV1', '5.1.1.01'), "
                                "('MV2', NULL)"));
    Filas({{{"MESA01", "1", "85000", ""}}});
    ClsCmnCptes cpte;
    motivo = QStringLiteral("MV1");
    tipo = QStringLiteral("FC");
    nro = QStringLiteral("00000146");
    QString suc = QStringLiteral("0001"), letra = QStringLiteral("A");
    short sec = 1;
    bool debito = false;
    const QString texto = cpte.GeneraAsientoStock(grilla, motivo, tipo, suc, nro, letra, QStringLiteral("15/03/26"),
                                                  debito, 99, 0, sec);
    EXPECT_EQ(tipo, QStringLiteral("CMV"));
    EXPECT_EQ(nro, QStringLiteral("00000004"));
    EXPECT_TRUE(debito);
    EXPECT_EQ(letra, QStringLiteral("A"));   // the entry is booked under the book's letter
    bd().Ejecuta(texto);
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT Cuenta, [DEBE-HABER], Importe, Detalle, TC, SUCURSAL, NUMERO, LETRA, "
                                        "TC_ORIGEN, CPTE_ORIGEN FROM MV_ASIENTOS ORDER BY Secuencia")),
              QStringList({"5.1.1.01|D|85000|Venta de muebles|CMV|0001|00000004|X|FC  |000100000146A",
                           "1.1.5.02|H|85000|Venta de muebles|CMV|0001|00000004|X|FC  |000100000146A"}));

    // A credit note for a proforma invoice: the cost account on the credit side.
    tipo = QStringLiteral("NCFP");
    nro = QStringLiteral("00000003");
    sec = 1;
    EXPECT_TRUE(cpte.GeneraAsientoStock(grilla, motivo, tipo, suc, nro, letra, QStringLiteral("15/03/26"), debito, 99,
                                        0, sec)
                    .contains(QStringLiteral("'5.1.1.01','1'")));
    EXPECT_FALSE(debito);

    // Other kinds write neither origin column.
    motivo = QStringLiteral("DINV");
    EXPECT_FALSE(Asiento(cpte, QStringLiteral("AJP"), 0).contains(QStringLiteral("TC_ORIGEN")));

    // A sales reason without its cost account: the operator is told.
    AvisosGrabados avisos;
    motivo = QStringLiteral("MV2");
    tipo = QStringLiteral("FC");
    EXPECT_EQ(cpte.GeneraAsientoStock(grilla, motivo, tipo, suc, nro, letra, QStringLiteral("15/03/26"), debito, 99, 0,
                                      sec),
              QString());
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto,
              QStringLiteral("No se puede generar el asiento de Costo de mercaderia!.. no esta configurada la cuenta"));
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::Informacion);
}

TEST_F(AsientoStock, ValoresDeLaLinea)
{
    // Apostrophes in the description and the user, a business unit written as the word null, no cash box.
    bd().Ejecuta(QStringLiteral("UPDATE V_TA_MOTIVOSTOCK SET Descripcion = 'Diferencia d''inventario' WHERE "
                                "IDMOTIVOSTOCK = 'DINV'"));
    gUsuarioLogeado = QStringLiteral("O'Brien");
    gUnegocio = QStringLiteral("null");
    gCaja = QStringLiteral("  ");
    Filas({{{"MESA01", "1", "100", ""}}});
    ClsCmnCptes cpte;
    const QString texto = Asiento(cpte, QStringLiteral("AJP"), 0);
    EXPECT_TRUE(texto.contains(QStringLiteral("'O''Brien',100,'   1',1,100,'5.1.4.01','DINV',null,NULL)")));
    bd().Ejecuta(texto);
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT DISTINCT Detalle, USUARIO_LOGEADO, Unegocio IS NULL, IdCajas IS NULL "
                                        "FROM MV_ASIENTOS")),
              QStringList({"Diferencia d'inventario|O'Brien|1|1"}));
    // A cash box is fitted to four.
    gUnegocio = QStringLiteral("U1");
    gCaja = QStringLiteral(" 2 ");
    EXPECT_TRUE(Asiento(cpte, QStringLiteral("AJP"), 0, 0, QStringLiteral("00000008"))
                    .contains(QStringLiteral(",'DINV','U1','2   ')")));
}

// A failed statement passed over by the operator makes no entry: the lines
// that came through would not balance, or the contra line would have no account.
// An entry line is DECIMAL(18,4): an amount of more than fourteen whole
// digits, which the server refuses, fails the entry on either database.
TEST_F(AsientoStock, UnImporteQueLaColumnaNoGuardaNoHaceAsiento)
{
    Filas({{{"MESA01", "1", "99999999999999.9999", ""}}});
    ClsCmnCptes cabe;
    EXPECT_TRUE(Asiento(cabe, QStringLiteral("AJP"), 0).contains(QStringLiteral(",99999999999999.9999,")));
    EXPECT_FALSE(cabe.AsientoFallido());

    Filas({{{"MESA01", "2", "60000000000000", ""}}});
    AvisosGrabados avisos;
    avisos.Responder({3});
    ClsCmnCptes cpte;
    EXPECT_EQ(Asiento(cpte, QStringLiteral("AJP"), 0, 0, QStringLiteral("00000008")), QString());
    EXPECT_TRUE(cpte.AsientoFallido());
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("Desbordamiento"))) << avisos.preguntas[0].texto.toStdString();
}

TEST_F(AsientoStock, UnaFallaPasadaPorAltoNoDejaMedioAsiento)
{
    Filas({{{"MESA01", "2", "85000", ""}}, {{"SILLA01", "3", "21000.25", ""}}});
    ClsCmnCptes primera;
    bd().Ejecuta(Asiento(primera, QStringLiteral("AJP"), 1));
    struct Caso {
        const char* sentencia;   // the statement that fails
        long fila;               // 0 for the whole grid
        int respuesta;           // 5 Ignore, 4 Retry
        int lineas;              // statements in the text
    };
    for (const Caso c : {Caso{"FROM V_TA_MOTIVOSTOCK", 0, 5, 0}, Caso{"CUENTA = '1.1.5.02'", 2, 5, 0},
                         Caso{"CUENTA = '1.1.5.02'", 2, 4, 2}}) {
        SCOPED_TRACE(std::string(c.sentencia) + " / " + std::to_string(c.respuesta));
        AvisosGrabados avisos;
        avisos.Responder({c.respuesta});
        InyectorFallas& inyector = gSesionBD->Conexion.Inyector;
        inyector.FallaLaQueCoincida(QString::fromLatin1(c.sentencia), 10054, QStringLiteral("Se perdió la conexión"));
        ClsCmnCptes cpte;
        const QString texto = Asiento(cpte, QStringLiteral("AJP"), c.fila, 0,
                                     c.fila == 0 ? QStringLiteral("00000009") : QStringLiteral("00000007"));
        inyector.Desarma();
        EXPECT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_EQ(texto.count(QStringLiteral("\r\n")), c.lineas) << texto.toStdString();
        EXPECT_EQ(secuencia, c.lineas == 0 ? 1 : 1 + c.lineas);
    }
}

}  // namespace
