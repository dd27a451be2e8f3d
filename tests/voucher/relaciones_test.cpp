#include "comprobantes_prueba.h"
#include "support/avisos_grabados.h"
#include "voucher/ClsCmnCptes.h"

#include <QDialog>
#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

void Ejecuta(SesionGlobal& s, const char* sql)
{
    s.bd.Sesion().Ejecuta(QString::fromUtf8(sql));
}

TEST(Relaciones, CargosAplicadosDeUnaCuenta)
{
    SesionGlobal s;
    Ejecuta(s, "INSERT INTO V_MV_CargosAplicados (CUENTA, SALDO) VALUES ('C001', 150.25), ('C001', 49.75), ('C002', 7), "
               "('C003', 1000000), ('C003', 1000000)");
    ClsCmnCptes cpte;
    gSesionBD->LimpiaBitacora();
    EXPECT_EQ(cpte.ImporteCargosReales(QStringLiteral(" C001 ")), Moneda::DesdeEntero(200));
    EXPECT_EQ(s.Enviado().last(),
              QStringLiteral("SELECT SUM (SALDO) AS IMPORTE FROM V_MV_CargosAplicados WHERE CUENTA = 'C001'"));
    EXPECT_EQ(cpte.ImporteCargosReales(QStringLiteral("SIN CARGOS")), Moneda());
    EXPECT_EQ(cpte.ImporteCargosReales(QStringLiteral("O'Higgins")), Moneda());
    // A round amount of millions, which a double's shortest text writes with an exponent.
    EXPECT_EQ(cpte.ImporteCargosReales(QStringLiteral("C003")), Moneda::DesdeEntero(2000000));
}

TEST(Relaciones, CargosAplicadosQueFallanPasanAlGestorYDanCero)
{
    SesionGlobal s;
    Ejecuta(s, "DROP TABLE V_MV_CargosAplicados");
    AvisosGrabados avisos;   // the operator leaves (Abort)
    ClsCmnCptes cpte;
    EXPECT_EQ(cpte.ImporteCargosReales(QStringLiteral("C001")), Moneda());
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("ImporteCargosReales")));
}

TEST(Relaciones, ComprobantesHechosDesdeOtro)
{
    SesionGlobal s;
    Ejecuta(s, "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, Importe, ANULADA, TCORIGEN, COMPROBANTEORIGEN, "
               "COMPLEMENTOORIGEN) VALUES "
               "('FC', '0001000000011', 100, 0, 'RM  ', '0001000000051', '0'),"
               "('FC', '0001000000012', 40.5, 1, 'RM', '0001000000051', '0'),"
               "('NC', '0001000000001', NULL, 0, 'RM', '0001000000051', '1'),"
               "('FC', '0001000000013', 30, 1, 'RM', '0001000000052', '0'),"
               "('FC', '0001000000014', 2000000, 0, 'RM', '0001000000054', '0'),"
               "('FC', '0001000000015', 1000000, 0, 'RM', '0001000000054', '0')");
    ClsCmnCptes cpte;
    struct Caso {
        const char* tc;
        const char* id;
        const char* complemento;
        bool anulados;
        bool relacionado;
    };
    const Caso casos[] = {
        {" RM", " 0001000000051 ", "0", false, true},
        {"RM", "0001000000051", "2", true, false},
        {"RM", "0001000000052", "0", false, false},   // only an annulled one
        {"RM", "0001000000052", "0", true, true},
        {"RM", "0001000000053", "0", true, false},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(cpte.EstaRelacionadoAOtroComprobante(QString::fromUtf8(c.tc), QString::fromUtf8(c.id),
                                                       QString::fromUtf8(c.complemento), c.anulados),
                  c.relacionado)
            << c.id << " " << c.complemento << " " << c.anulados;

    gSesionBD->LimpiaBitacora();
    cpte.EstaRelacionadoAOtroComprobante(QStringLiteral("RM"), QStringLiteral("0001000000051"), QStringLiteral("0"),
                                         false);
    EXPECT_EQ(s.Enviado().last(), QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TCORIGEN = 'RM  ' AND "
                                                 "COMPROBANTEORIGEN = '0001000000051' AND COMPLEMENTOORIGEN = '0'  "
                                                 "AND ANULADA = 0"));

    // In force only, whatever the complement; a Null amount counts 0.
    EXPECT_EQ(cpte.ObtieneImporteCptesAsociados(QStringLiteral("RM"), QStringLiteral("0001000000051")),
              Moneda::DesdeEntero(100));
    EXPECT_EQ(cpte.ObtieneImporteCptesAsociados(QStringLiteral("RM"), QStringLiteral("0001000000052")), Moneda());
    EXPECT_EQ(cpte.ObtieneImporteCptesAsociados(QStringLiteral("FC"), QStringLiteral("0001000000011")), Moneda());
    EXPECT_EQ(cpte.ObtieneImporteCptesAsociados(QStringLiteral("RM"), QStringLiteral("0001000000054")),
              Moneda::DesdeEntero(3000000));
}

TEST(Relaciones, SiguienteLoteAutomaticoSeCuentaComoNumero)
{
    SesionGlobal s;
    ClsCmnCptes cpte;
    EXPECT_EQ(cpte.ObtieneLoteAutomatico(), QStringLiteral("1"));
    Ejecuta(s, "INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, NroLote) VALUES ('RC', '1', 'L2601'), ('RC', '1', '77'), "
               "('RC', '1', NULL)");
    EXPECT_EQ(cpte.ObtieneLoteAutomatico(), QStringLiteral("1"));   // lots typed by the user do not count
    Ejecuta(s, "INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, NroLote) VALUES ('IR', '1', ' 9'), ('IR', '1', ' 10'), "
               "('IR', '2', ' 9')");
    EXPECT_EQ(cpte.ObtieneLoteAutomatico(), QStringLiteral("11"));
    const QString guardado = ClsCmnCptes::LoteAutomaticoGuardado(QStringLiteral("11"));
    EXPECT_EQ(guardado, QStringLiteral(" 11").leftJustified(25));
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, NroLote) VALUES ('IR', '3', '%1')").arg(guardado));
    EXPECT_EQ(cpte.ObtieneLoteAutomatico(), QStringLiteral("12"));
}

TEST(Relaciones, LineasSpnlDeUnComprobante)
{
    SesionGlobal s;
    Ejecuta(s, "INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, TC_ORIGEN, IDCOMPROBANTE_ORIGEN) VALUES "
               "('SPNL', '0001000000001', 'OP', '0001000000007'), ('PE', '0001000000002', 'OP', '0001000000008')");
    ClsCmnCptes cpte;
    EXPECT_TRUE(cpte.TieneSPNL(QStringLiteral("OP"), QStringLiteral("0001000000007")));
    EXPECT_FALSE(cpte.TieneSPNL(QStringLiteral("OP"), QStringLiteral("0001000000008")));
    gSesionBD->LimpiaBitacora();
    EXPECT_FALSE(cpte.TieneSPNL(QStringLiteral("OT "), QStringLiteral("x")));
    EXPECT_EQ(s.Enviado().last(), QStringLiteral("Select * from v_mv_stock where tc = 'spnl' and tc_origen = 'OT ' and "
                                                 "idcomprobante_origen = 'x'"));
}

TEST(Relaciones, CantidadPendienteDeEntregar)
{
    SesionGlobal s;
    Ejecuta(s, "INSERT INTO VT_V_MV_CPTEINSUMOS_CONS2 (TC, IDCOMPROBANTE, IDARTICULO, Cantidad) VALUES "
               "('NP', '0001000000003', 'MESA01', 10), ('NP', '0001000000003', 'SILLA01', 8),"
               "('NP', '0001000000003', 'BARN01', NULL), ('NP', '0001000000003', 'TABLA01', 1500000),"
               "('NP', '0001000000003', 'LACA01', 0.8)");
    Ejecuta(s, "INSERT INTO VT_V_MV_Stock_Cons (TC, IDCOMPROBANTE, IDARTICULO, CANTIDAD) VALUES "
               "('NP', '0001000000003', 'MESA01', 3), ('NP', '0001000000003', 'MESA01', 1),"
               "('NP', '0001000000003', 'SILLA01', 12), ('NP', '0001000000003', 'TABLA01', 1000000),"
               "('NP', '0001000000003', 'LACA01', 0.7), ('NP', '0001000000003', 'LACA01', 0.1)");
    struct Caso {
        const char* articulo;
        double pendiente;
        double aplicado;
    };
    const Caso casos[] = {
        {" mesa01 ", 6, 4},
        {"SILLA01", 0, 12},   // delivered beyond the voucher
        {"BARN01", 0, 0},
        {"NOESTA", 0, 0},
        {"TABLA01", 500000, 1000000},   // round millions
        {"LACA01", 0, 0.8},             // delivered in tenths, all of it
    };
    ClsCmnCptes cpte;
    for (const Caso& c : casos) {
        double aplicado = -1;
        EXPECT_DOUBLE_EQ(cpte.CantRepartoPend(QStringLiteral("NP"), QStringLiteral(" 0001000000003"),
                                              QString::fromUtf8(c.articulo), aplicado),
                         c.pendiente)
            << c.articulo;
        EXPECT_DOUBLE_EQ(aplicado, c.aplicado) << c.articulo;
    }
    gSesionBD->LimpiaBitacora();
    double aplicado = 0;
    cpte.CantRepartoPend(QStringLiteral("NP"), QStringLiteral("0001000000003"), QStringLiteral("MESA01"), aplicado);
    const QString clave = QStringLiteral("(TC = 'NP') AND IDCOMPROBANTE = '0001000000003' AND IDARTICULO = '%1'")
                              .arg(QStringLiteral("MESA01").leftJustified(25));
    EXPECT_EQ(s.Enviado().value(0), QStringLiteral("SELECT * FROM VT_V_MV_CPTEINSUMOS_CONS2  with(nolock)  WHERE ") + clave);
    EXPECT_EQ(s.Enviado().value(1), QStringLiteral("SELECT SUM(CANTIDAD) AS CANTIDAD FROM VT_V_MV_Stock_Cons WHERE ") + clave);
}

class FormularioCargos : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString Cliente MEMBER Cliente)
    Q_PROPERTY(QString Matricula MEMBER Matricula)
public:
    QString Cliente;
    QString Matricula;
};

TEST(Relaciones, ControlDeCargosMuestraElFormularioDelLlamador)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    FormularioCargos formulario;
    QString vistoCliente, vistaMatricula;
    avisos.ResponderDialogo([&](QDialog& d) {
        vistoCliente = static_cast<FormularioCargos&>(d).Cliente;
        vistaMatricula = static_cast<FormularioCargos&>(d).Matricula;
        return 1;
    });
    ClsCmnCptes cpte;
    cpte.ControlDeCargosReales(formulario, QStringLiteral("C001"), QStringLiteral("AB123CD"));
    EXPECT_EQ(avisos.dialogosMostrados, 1);
    EXPECT_EQ(vistoCliente, QStringLiteral("C001"));
    EXPECT_EQ(vistaMatricula, QStringLiteral("AB123CD"));

    QDialog sinPropiedades;
    try {
        cpte.ControlDeCargosReales(sinPropiedades, QStringLiteral("C001"), QStringLiteral("X"));
        FAIL() << "no failure";
    } catch (const Falla& f) {
        EXPECT_EQ(f.Numero, 438);
    }
    EXPECT_EQ(avisos.dialogosMostrados, 1);
}

}  // namespace

#include "relaciones_test.moc"
