// Every write batch of the program, run once to count its statements and then
// once per statement with that statement failing: nothing half-written, no
// transaction left open, the failure told (or passed over where the procedure
// says so) and never taken for success, and the next run without a failure works.
#include "ventana_prueba.h"

#include "services/ModExportarExcel.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <functional>

namespace {

using namespace ModGlobal;
namespace C = ColArticulos;

class LotesEscritura;

struct Resultado {
    bool exito = false;   // the batch (or its caller) took it for done
    bool falla = false;   // the caller was told it failed
};

struct Lote {
    const char* nombre;
    bool estadisticas;    // runs on the statistics session
    // What the batch touches, read from outside the program's sessions.
    QStringList tablas;
    // How a failure reaches someone: a message box, the caller's flag, or, by
    // the procedure's own rule, nobody (it passes over every failing step).
    enum Informe { AlOperador, AlLlamador, Callado } informe;
    std::function<void(LotesEscritura&)> prepara;
    std::function<Resultado(LotesEscritura&)> ejecuta;
    // Statements the procedure passes over by design: the write goes on after them.
    QStringList pasaPorAlto = {};
};

void PrintTo(const Lote& l, std::ostream* os) { *os << l.nombre; }

class LotesEscritura : public VentanaPrueba, public ::testing::WithParamInterface<Lote> {
public:
    using VentanaPrueba::avisos;
    using VentanaPrueba::ventana;

    void SetUp() override
    {
        VentanaPrueba::SetUp();
        Sistema::FijarReloj([] { return QDateTime(QDate(2027, 1, 12), QTime(9, 45)); });
    }
    void TearDown() override
    {
        fuera_.reset();
        cpte.reset();
        Sistema::FijarReloj(nullptr);
        gIdAcceso = 0;
        gCaja = QStringLiteral("1");
        VentanaPrueba::TearDown();
    }

    // A reader on the statistics file that is none of the program's sessions.
    SesionBD& Estadisticas()
    {
        if (!fuera_) {
            fuera_ = std::make_unique<SesionBD>();
            fuera_->Servidor = gSesionEstadisticas->Archivo();
            bool sinServidor = false, a = true, b = true;
            long modo = 3;
            QString cadena;
            fuera_->Conectar(sinServidor, modo, cadena, a, b);
        }
        return *fuera_;
    }

    SesionBD& Programa(const Lote& l) { return l.estadisticas ? *gSesionEstadisticas : *gSesionBD; }

    QStringList Estado(const Lote& l)
    {
        QStringList r;
        for (const QString& sql : l.tablas)
            r << sql << BasePrueba::Filas(l.estadisticas ? Estadisticas() : bd.Sesion(), sql);
        return r;
    }

    void Fuera(const QString& sql) { bd.Sesion().Ejecuta(sql); }

    // The operator's typing, as the plan window takes it.
    void AgregaLinea(const QString& codigo, const QString& cantidad)
    {
        FrmTervalio& v = *ventana;
        v.MSFlexGrid2.setRow(v.MSFlexGrid2.Rows() - 1);
        v.MSFlexGrid2.setCol(C::Codigo);
        v.vistaMSFlexGrid2->setFocus();
        QTest::keyClicks(v.vistaMSFlexGrid2, codigo.left(1));
        QTest::keyClicks(v.txtEdit2, codigo.mid(1));
        QTest::keyClick(v.txtEdit2, Qt::Key_Return);
        v.txtEdit2->setText(cantidad);
        QTest::keyClick(v.txtEdit2, Qt::Key_Return);
    }

    Resultado GrabaBorrador()
    {
        QTest::keyClick(ventana->vistaMSFlexGrid2, Qt::Key_F2);
        return {!ventana->HayError && avisos.preguntas.empty(), ventana->HayError};
    }

    Resultado Guion(const QStringList& guion)
    {
        bool hayError = false;
        long numero = 0;
        QString ejecutado, error;
        GActualizarDatoScript(guion, hayError, numero, false, false, ejecutado, error, true);
        return {!hayError, hayError};
    }

    Resultado GrabaAjuste()
    {
        GrabaCfgQS(QStringLiteral("TimeOut"), 360, QString(), false, QStringLiteral("BaseDeDatos"), true);
        return {true, false};
    }

    // Names the plan by another date; rows a failed save left on screen are given up.
    void CambiaFecha(const QString& fecha)
    {
        NombraPlan(fecha);
        if (ventana->TxtFields[9]->text() == fecha)
            return;
        avisos.Responder({Avisos::Si});
        NombraPlan(fecha);
    }

    // The plan window with a new draft or a stored one under the operator's hands.
    void PreparaBorrador(const QString& nombre, bool guardado)
    {
        Fuera(QStringLiteral("DELETE FROM V_CPTES_MODELO_DET WHERE IdCpteModelo = 9 OR IdCpteModelo IN "
                             "(SELECT IdCpteModelo FROM V_CPTES_MODELO_CAB WHERE Nombre = '%1')").arg(nombre));
        Fuera(QStringLiteral("DELETE FROM V_CPTES_MODELO_CAB WHERE Nombre = '%1' OR IdCpteModelo = 9").arg(nombre));
        if (guardado) {
            Fuera(QStringLiteral("INSERT INTO V_CPTES_MODELO_CAB (IdCpteModelo, Nombre, Detalle, TCDefault, AnclarAlMenu) "
                                 "VALUES (9, '%1', 'Antes', '@@PP', 0)").arg(nombre));
            Fuera(QStringLiteral("INSERT INTO V_CPTES_MODELO_DET (IdCpteModelo, IdArticulo, Cantidad, IdUnidad, FechaComp) "
                                 "VALUES (9, 'SILLA01', 4, 'UN', '%1 00:00')").arg(nombre));
        }
        FrmTervalio& v = *ventana;
        v.InicializaGrids();
        v.TxtFields[10]->clear();
        // Another name first, so the draft is read again even when it was the last one named.
        CambiaFecha(QStringLiteral("01/12/2030"));
        CambiaFecha(nombre);
        if (guardado) {
            ASSERT_EQ(v.MSFlexGrid2.TextMatrix(1, C::Codigo).trimmed(), QStringLiteral("SILLA01"));
        }
        AgregaLinea(QStringLiteral("MESA01"), QStringLiteral("1"));
        AgregaLinea(QStringLiteral("MESA03"), QStringLiteral("2,5"));
        v.TxtFields[10]->setText(QStringLiteral("Feria de enero"));
    }

    std::unique_ptr<ClsCmnCptes> cpte;
    Grilla grilla;

private:
    std::unique_ptr<SesionBD> fuera_;
};

QStringList Trancount(SesionBD& s)
{
    return BasePrueba::Filas(s, QStringLiteral("SELECT @@TRANCOUNT"));
}

const Lote Lotes[] = {
    {"BorradorNuevo", false,
     {QStringLiteral("SELECT * FROM V_CPTES_MODELO_CAB ORDER BY IdCpteModelo"),
      QStringLiteral("SELECT * FROM V_CPTES_MODELO_DET ORDER BY IdCpteModelo, IdArticulo")},
     Lote::AlOperador, [](LotesEscritura& t) { t.PreparaBorrador(QStringLiteral("20/01/2027"), false); },
     [](LotesEscritura& t) { return t.GrabaBorrador(); }},
    {"BorradorReemplazado", false,
     {QStringLiteral("SELECT * FROM V_CPTES_MODELO_CAB ORDER BY IdCpteModelo"),
      QStringLiteral("SELECT * FROM V_CPTES_MODELO_DET ORDER BY IdCpteModelo, IdArticulo")},
     Lote::AlOperador, [](LotesEscritura& t) { t.PreparaBorrador(QStringLiteral("22/01/2027"), true); },
     [](LotesEscritura& t) { return t.GrabaBorrador(); }},
    // A process without a menu task: a failed task look-up, passed over, writes the same row.
    {"AccesoAbierto", false,
     {QStringLiteral("SELECT Maquina, Usuario, Formulario, Tarea, Ingreso, EGRESO, NombreUsuario FROM Control_Acceso")},
     Lote::AlOperador,
     [](LotesEscritura& t) {
         t.Fuera(QStringLiteral("DELETE FROM Control_Acceso"));
         gIdAcceso = 0;
     },
     [](LotesEscritura& t) {
         QString proceso = QStringLiteral("Tervalio");
         RegistraAccesoModulo(proceso);
         return Resultado{gIdAcceso != 0 && t.avisos.preguntas.empty(), gIdAcceso == 0};
     },
     {QStringLiteral("TA_TAREAS")}},
    {"AccesoCerrado", false, {QStringLiteral("SELECT * FROM Control_Acceso")}, Lote::AlOperador,
     [](LotesEscritura& t) {
         t.Fuera(QStringLiteral("DELETE FROM Control_Acceso"));
         t.Fuera(QStringLiteral("INSERT INTO Control_Acceso (Id, Maquina, Usuario, Formulario, Ingreso) "
                                "VALUES (77, 'TALLER', 'SUPERVISOR', 'V_PELMARO', '12/01/27 08:00')"));
         gIdAcceso = 77;
     },
     [](LotesEscritura& t) {
         CierraAcceso();
         return Resultado{t.avisos.preguntas.empty(), !t.avisos.preguntas.empty()};
     }},
    {"AjusteNuevo", true, {QStringLiteral("SELECT * FROM TA_CONFIGURACION ORDER BY CLAVE")}, Lote::Callado,
     [](LotesEscritura& t) { t.Estadisticas().Ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'TIMEOUT'")); },
     [](LotesEscritura& t) { return t.GrabaAjuste(); }},
    {"AjusteCambiado", true, {QStringLiteral("SELECT * FROM TA_CONFIGURACION ORDER BY CLAVE")}, Lote::Callado,
     [](LotesEscritura& t) {
         t.Estadisticas().Ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'TIMEOUT'"));
         t.Estadisticas().Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, Grupo, PoliticaNegocio) "
                                                 "VALUES ('TIMEOUT', '0', 'Otro', 1)"));
     },
     [](LotesEscritura& t) { return t.GrabaAjuste(); }},
    {"CajaNueva", false, {QStringLiteral("SELECT * FROM V_TA_Cajas ORDER BY IdCajas")}, Lote::Callado,
     [](LotesEscritura& t) {
         gCaja = QStringLiteral("7");
         t.Fuera(QStringLiteral("DELETE FROM V_TA_Cajas WHERE IdCajas = '7'"));
         t.ventana->sbStatusBar.Panels().Item(QStringLiteral("SERVER")).setText(QString());
     },
     [](LotesEscritura& t) {
         InicializaBarraEstado(t.ventana->sbStatusBar, QString());
         return Resultado{true, false};
     },
     {QStringLiteral("SELECT Descripcion FROM V_TA_Cajas")}},
    {"Guion", false, {QStringLiteral("SELECT * FROM TA_MENU ORDER BY Clave")}, Lote::AlLlamador,
     [](LotesEscritura& t) {
         t.Fuera(QStringLiteral("DELETE FROM TA_MENU WHERE Clave LIKE 'ZZ%'"));
         t.Fuera(QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('ZZ1', 'Uno', 'Uno'), ('ZZ3', 'Tres', 'Tres')"));
     },
     [](LotesEscritura& t) {
         return t.Guion({QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('ZZ2', 'Dos', 'Dos')"),
                         QStringLiteral("UPDATE TA_MENU SET Nombre = 'Cambiado' WHERE Clave = 'ZZ1'"),
                         QStringLiteral("DELETE FROM TA_MENU WHERE Clave = 'ZZ3'")});
     }},
    {"FilaDeError", false, {QStringLiteral("SELECT Proceso, fecha, Error, Descripcion, SQL, pc, Usuario FROM AUX_ERR")},
     Lote::Callado, [](LotesEscritura& t) { t.Fuera(QStringLiteral("DELETE FROM AUX_ERR")); },
     [](LotesEscritura&) {
         QString sql = QStringLiteral("INSERT INTO X VALUES ('it''s')"), proceso, descripcion = QStringLiteral("Clave duplicada");
         long numero = 2627;
         RegistraErrorAuxErr(sql, proceso, numero, descripcion);
         return Resultado{true, false};
     }},
    {"Auditoria", false,
     {QStringLiteral("SELECT TC, IdComprobante, IdComplemento, Tipo_accion, FECHAHORA, Usuario, PC, SYSTEMUSER, "
                     "NUMEROASIENTO FROM V_MV_CPTEACCIONES")},
     Lote::Callado,
     [](LotesEscritura& t) {
         t.Fuera(QStringLiteral("DELETE FROM V_MV_CPTEACCIONES"));
         t.cpte = std::make_unique<ClsCmnCptes>();
     },
     [](LotesEscritura& t) {
         QString sentencia;
         t.cpte->ActualizaBuchon(QStringLiteral("AJP"), QStringLiteral("000100000007X"), QString(), true, false, false,
                                 sentencia, QStringLiteral("000123"));
         return Resultado{true, false};
     }},
    {"TalonarioAlInstante", false, {QStringLiteral("SELECT * FROM V_TA_CPTE ORDER BY CODIGO, TALONARIO")},
     Lote::AlOperador,
     [](LotesEscritura& t) {
         t.Fuera(QStringLiteral("UPDATE V_TA_CPTE SET X_ULTIMO_NRO = 1, fechahora_modificacion = '02/01/26 09:00' "
                                "WHERE CODIGO = 'IR'"));
     },
     [](LotesEscritura& t) {
         QString letra = QStringLiteral("X"), sentencia;
         ModExportarExcel::ActualizaUltimoNroComprobante(QStringLiteral("IR"), QStringLiteral("STOCK"), QStringLiteral("0001"),
                                                         QStringLiteral("5"), letra, false, sentencia, false, false);
         return Resultado{t.avisos.preguntas.empty(), !t.avisos.preguntas.empty()};
     },
     {QStringLiteral("'NUM_")}},
    // The caller runs the statements handed back in its own transaction.
    {"TalonarioDiferido", false,
     {QStringLiteral("SELECT * FROM V_TA_CPTE ORDER BY CODIGO, TALONARIO"), QStringLiteral("SELECT * FROM V_MV_CTROL_CPTE")},
     Lote::AlOperador,
     [](LotesEscritura& t) {
         t.Fuera(QStringLiteral("DELETE FROM V_TA_CPTE WHERE CODIGO = 'CTB'"));
         t.Fuera(QStringLiteral("DELETE FROM V_MV_CTROL_CPTE"));
         t.Fuera(QStringLiteral("INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, LETRAS, Externo, Modificanumeracion, Sistema, "
                                "X_ULTIMO_NRO, X_NRO_DESDE, X_NRO_HASTA, X_SUC_DEFAULT) "
                                "VALUES ('CTB', 1, 'X', 'NO', 'NO', 'Contable', 10, 1, 9999, 1)"));
     },
     [](LotesEscritura& t) {
         QString letra = QStringLiteral("X"), sentencia;
         ModExportarExcel::ActualizaUltimoNroComprobante(QStringLiteral("CTB"), QStringLiteral("STOCK"), QStringLiteral("0001"),
                                                         QStringLiteral("11"), letra, true, sentencia, false, false);
         const Resultado r = t.Guion({sentencia});
         return Resultado{r.exito && t.avisos.preguntas.empty(), r.falla || !t.avisos.preguntas.empty()};
     },
     {QStringLiteral("'NUM_")}},
    // The stock accounting entry: built by the voucher class, run by the stock posting in its transaction.
    {"AsientoDeStock", false, {QStringLiteral("SELECT Cuenta, Secuencia, Mes_Operativo, [Numero Asiento], Fecha, Detalle, TC, SUCURSAL, NUMERO, "
                     "LETRA, PERIODO, Tipo_Reg, [DEBE-HABER], Importe, CABImporte, CABCuenta, IdCajas FROM MV_ASIENTOS "
                     "ORDER BY Id")}, Lote::AlOperador,
     [](LotesEscritura& t) {
         t.Fuera(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'AsientosXStock'"));
         t.Fuera(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('AsientosXStock', 'SI')"));
         t.Fuera(QStringLiteral("DELETE FROM MV_ASIENTOS WHERE TC = 'AJP'"));
         t.cpte = std::make_unique<ClsCmnCptes>();
         t.grilla.setCols(C::Cantidad_Columnas);
         t.grilla.setRows(3);
         const char* filas[][3] = {{"MESA01", "2", "85000"}, {"SILLA01", "3", "21000"}};
         for (int f = 1; f <= 2; ++f) {
             t.grilla.setTextMatrix(f, C::Codigo, QString::fromLatin1(filas[f - 1][0]));
             t.grilla.setTextMatrix(f, C::Cantidad, QString::fromLatin1(filas[f - 1][1]));
             t.grilla.setTextMatrix(f, C::Costo, QString::fromLatin1(filas[f - 1][2]));
         }
     },
     [](LotesEscritura& t) {
         QString motivo = QStringLiteral("DINV"), tipo = QStringLiteral("AJP"), numero = QStringLiteral("00000007");
         bool debito = true;
         short secuencia = 1;
         const QString asiento = t.cpte->GeneraAsientoStock(t.grilla, motivo, tipo, QStringLiteral("0001"), numero,
                                                             QStringLiteral("X"), QStringLiteral("12/01/27"), debito, 0, 0,
                                                             secuencia);
         const Resultado r = t.Guion({asiento});
         return Resultado{r.exito && !asiento.isEmpty() && t.avisos.preguntas.empty(),
                          r.falla || asiento.isEmpty() || !t.avisos.preguntas.empty()};
     }},
};

TEST_P(LotesEscritura, FallaEnCadaSentencia)
{
    const Lote& l = GetParam();
    SesionBD& programa = Programa(l);
    InyectorFallas& inyector = programa.Conexion.Inyector;

    // The run that counts: the state as it stood before each statement.
    l.prepara(*this);
    avisos.preguntas.clear();
    std::vector<QStringList> antes;
    QStringList sentencias;
    inyector.Observador = [&](const QString& s) {
        antes.push_back(Estado(l));
        sentencias << s;
    };
    const Resultado bueno = l.ejecuta(*this);
    inyector.Observador = nullptr;
    ASSERT_TRUE(bueno.exito);
    ASSERT_TRUE(avisos.preguntas.empty()) << avisos.preguntas.front().texto.toStdString();
    const QStringList final = Estado(l);
    ASSERT_FALSE(sentencias.isEmpty());
    ASSERT_NE(final, antes.front()) << "the batch writes";
    std::cout << "[          ] " << l.nombre << ": " << sentencias.size() << " sentencias\n";

    const long numeros[] = {2627, 547, FallaPorInterbloqueo, 10054};
    for (int k = 1; k <= sentencias.size(); ++k) {
        const QString& sentencia = sentencias[k - 1];
        SCOPED_TRACE(QStringLiteral("sentencia %1: %2").arg(k).arg(sentencia).toStdString());
        l.prepara(*this);
        avisos.preguntas.clear();
        const QString texto = QStringLiteral("Falla inyectada en la sentencia %1").arg(k);
        inyector.FallaLaSentencia(k, numeros[k % 4], texto);
        const Resultado r = l.ejecuta(*this);
        EXPECT_FALSE(inyector.Armado()) << "the statement was not reached again";
        inyector.Desarma();

        bool pasada = false;
        for (const QString& p : l.pasaPorAlto)
            pasada = pasada || sentencia.contains(p, Qt::CaseInsensitive);
        const QStringList& esperado = pasada ? final : antes[size_t(k - 1)];
        EXPECT_EQ(Estado(l), esperado);
        for (SesionBD* s : {&*gSesionBD, &*gSesionEstadisticas}) {
            EXPECT_EQ(Trancount(*s), QStringList{QStringLiteral("0")});
            // Closed here, so one case left open does not block the next.
            while (Trancount(*s) != QStringList{QStringLiteral("0")})
                s->Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
        }
        if (esperado == final || l.informe == Lote::Callado)
            continue;   // everything was written before the failure, or nobody is told by design
        EXPECT_FALSE(r.exito);
        if (l.informe == Lote::AlOperador) {
            bool visto = false;
            for (const PreguntaGrabada& p : avisos.preguntas)
                visto = visto || p.texto.contains(texto);
            EXPECT_TRUE(visto) << "no message named the failure";
        } else if (l.informe == Lote::AlLlamador) {
            EXPECT_TRUE(r.falla);
        }
    }

    // Without a failure it works again.
    l.prepara(*this);
    avisos.preguntas.clear();
    EXPECT_TRUE(l.ejecuta(*this).exito);
    EXPECT_TRUE(avisos.preguntas.empty());
    EXPECT_EQ(Estado(l), final);
}

INSTANTIATE_TEST_SUITE_P(Programa, LotesEscritura, ::testing::ValuesIn(Lotes),
                         [](const ::testing::TestParamInfo<Lote>& i) { return std::string(i.param.nombre); });

}  // namespace
