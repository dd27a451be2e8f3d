// The positions-and-lots dialog: its balances, the lists it hands back, and
// the real window driven by the operator's keys.
#include "lots/FrmLoteyPosicion.h"
#include "lots/dialogo_prueba.h"
#include "platform/controles/medidor_texto.h"
#include "platform/controles/vista_grilla.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Filas = QStringList;

// Depot 1: ART (litres) at P01 lot L1 5, P02 lot L1 3 and 2 without position;
// CAJA (boxes of 100 units) at B-01 8 and B-02 12, filled B-02 first, and
// 1 + 1 without position under two lots; SINEQ (units, no equivalence) at P01
// 4; SOLO at P01 2 and no stock without position; DOSL at P01 under two lots.
class LoteYPosicion : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto& bd = s.bd.Sesion();
        bd.Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdUnidad) VALUES "
                                  "('ART', 'BARNIZ MARINO brillante', 'LT'), ('CAJA', 'Tornillo', 'CAJ'), "
                                  "('SINEQ', 'Bisagra', 'UN'), ('SOLO', 'Cola', 'KG'), ('DOSL', 'Lija', 'UN')"));
        bd.Ejecuta(QStringLiteral("INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) "
                                  "VALUES ('CAJA', 'CAJ', 'UN', 100)"));
        bd.Ejecuta(QStringLiteral("INSERT INTO ma_posiciones (iddeposito, idposicion, ordeningreso) VALUES "
                                  "('1', 'P01', 1), ('1', 'P02', 2), ('1', 'B-02', 3), ('1', 'B-01', 4)"));
        bd.Ejecuta(QStringLiteral(
            "INSERT INTO AC_SALDOSLAYOUT (iddeposito, idposicion, nrolote, idarticulo, idunidadbase, saldo) VALUES "
            "('1', 'P01', 'L1', 'ART', 'LT', 5), ('1', 'P02', 'L1', 'ART', 'LT', 3), ('1', NULL, 'L1', 'ART', 'LT', 2), "
            "('1', 'B-01', NULL, 'CAJA', 'CAJ', 8), ('1', 'B-02', NULL, 'CAJA', 'CAJ', 12), "
            "('1', NULL, 'A', 'CAJA', 'CAJ', 1), ('1', NULL, 'B', 'CAJA', 'CAJ', 1), "
            "('1', 'P01', NULL, 'SINEQ', 'UN', 4), ('1', 'P01', NULL, 'SOLO', 'KG', 2), "
            "('1', 'P02', NULL, 'SOLO', 'KG', 0), ('2', 'P01', 'L1', 'ART', 'LT', 50), "
            "('1', 'P01', 'L1', 'DOSL', 'UN', 3), ('1', 'P01', 'L2', 'DOSL', 'UN', 2)"));
        ModGlobal::gSesionBD->LimpiaBitacora();
    }
    void TearDown() override
    {
        for (const QString& sql : s.Enviado())
            EXPECT_TRUE(sql.trimmed().startsWith(QStringLiteral("SELECT"), Qt::CaseInsensitive)) << sql.toStdString();
    }

    // A fresh dialog for the article, loaded as its caller loads it.
    std::unique_ptr<FrmLoteyPosicion> Carga(const QString& articulo, bool posicion, bool lote, double cantidad,
                                            const QString& unidad = QStringLiteral("LT"),
                                            const QString& posiciones = QString(), const QString& lotes = QString())
    {
        auto f = std::make_unique<FrmLoteyPosicion>();
        f->setMedidor(&medidor);
        f->Cantidad1 = cantidad;
        f->EsConsultaDePosicionLote = !posiciones.isEmpty() || !lotes.isEmpty();
        f->EsPosicion = posicion;
        f->EsLote = lote;
        f->IUNIDAD = unidad;
        f->Articulo = articulo;
        f->Deposito = QStringLiteral("1");
        f->ArticuloDescripcion = descripcion;
        f->PosicionesAnteriores = posiciones;
        f->LotesAnteriores = lotes;
        f->CargaDatos();
        return f;
    }

    // The data rows, "position|lot|unit|available|quantity".
    static Filas Grilla(const FrmLoteyPosicion& f)
    {
        Filas r;
        for (int i = 1; i < f.MSFlexGrid1.Rows(); ++i) {
            QStringList c;
            for (int j = 0; j < 5; ++j)
                c << f.MSFlexGrid1.TextMatrix(i, j);
            r << c.join(u'|');
        }
        return r;
    }
    static void Cantidades(FrmLoteyPosicion& f, const QStringList& valores)
    {
        for (int i = 0; i < valores.size(); ++i)
            f.MSFlexGrid1.setTextMatrix(i + 1, 4, valores[i]);
    }

    // The balance queries sent, in order.
    QStringList Consultas() const
    {
        QStringList r;
        for (const QString& sql : s.Enviado())
            if (sql.contains(QLatin1String("AC_SALDOSLAYOUT"), Qt::CaseInsensitive))
                r << sql;
        return r;
    }

    SesionGlobal s;
    AvisosGrabados avisos;
    MedidorFijo medidor;
    QString descripcion = QStringLiteral("BARNIZ MARINO brillante");
};

const QString A25 = QStringLiteral("ART                      ");
const QString Q1 = QStringLiteral(
    "SELECT AC_SALDOSLAYOUT.idposicion,AC_SALDOSLAYOUT.nrolote,AC_SALDOSLAYOUT.idunidadbase, "
    "isnull(AC_SALDOSLAYOUT.saldo,0) as disponible FROM AC_SALDOSLAYOUT, ma_posiciones WHERE  "
    "ac_saldoslayout.iddeposito=ma_posiciones.iddeposito and ac_saldoslayout.idposicion=ma_posiciones.idposicion and  "
    "ac_saldoslayout.IDDEPOSITO='1   ' and ac_saldoslayout.idarticulo='ART                      ' and "
    "ac_saldoslayout.saldo > 0 order by ac_saldoslayout.nrolote,ma_posiciones.ordeningreso,ac_saldoslayout.idposicion  ");
const QString Q2 = QStringLiteral(
    "SELECT AC_SALDOSLAYOUT.idposicion,AC_SALDOSLAYOUT.idunidadbase, isnull(AC_SALDOSLAYOUT.saldo,0) as disponible "
    "FROM AC_SALDOSLAYOUT, ma_posiciones WHERE  ac_saldoslayout.iddeposito=ma_posiciones.iddeposito and "
    "ac_saldoslayout.idposicion=ma_posiciones.idposicion and  ac_saldoslayout.IDDEPOSITO='1   ' and "
    "ac_saldoslayout.idarticulo='ART                      ' and ac_saldoslayout.saldo > 0 order by "
    "ac_saldoslayout.nrolote,ma_posiciones.ordeningreso,ac_saldoslayout.idposicion  ");
const QString Q3 = QStringLiteral(
    "SELECT (ISNULL(SALDO,0)) AS SALDO, IDUNIDADBASE FROM AC_SALDOSLAYOUT WHERE IDDEPOSITO='1   ' AND "
    "IDARTICULO='ART                      ' and idposicion is null");

TEST_F(LoteYPosicion, LaConsultaDeCadaModo)
{
    struct Caso {
        const char* nombre;
        bool posicion, lote;
        const char* anteriores;
        QStringList consultas;
        const char* titulo;
        const char* encabezado;   // row 0, columns 0-4 joined
    };
    const Caso casos[] = {
        {"positions and lots", true, true, "", {Q1, Q3}, "Posiciones y Lotes (Deposito: 1)", "POSICION|LOTE|UNIDAD|DISPONIBLE|CANT."},
        {"positions only", true, false, "", {Q2, Q3}, "Posiciones (Deposito: 1)", "POSICION||UNIDAD|DISPONIBLE|CANT."},
        {"lots only", false, true, "", {}, "Números de Lote (Deposito: 1)", "||||"},
        {"lots only with previous lists", false, true, "|P01*1|", {Q2, Q3}, "Números de Lote (Deposito: 1)", "||||"},
        {"neither", false, false, "", {}, "Posiciones", "||||"},
        {"neither with previous lists", false, false, "|P01*1|", {Q2, Q3}, "Posiciones", "||||"},
        {"previous lists with positions and lots", true, true, "|P01*1|", {Q1, Q3}, "Posiciones y Lotes (Deposito: 1)",
         "POSICION|LOTE|UNIDAD|DISPONIBLE|CANT."},
    };
    for (const Caso& c : casos) {
        ModGlobal::gSesionBD->LimpiaBitacora();
        const QString anteriores = QString::fromLatin1(c.anteriores);
        auto f = Carga(QStringLiteral("ART"), c.posicion, c.lote, 6, QStringLiteral("LT"), anteriores,
                       anteriores.isEmpty() ? QString() : QStringLiteral("|L1|"));
        EXPECT_EQ(Consultas(), c.consultas) << c.nombre;
        EXPECT_EQ(f->windowTitle(), QString::fromUtf8(c.titulo)) << c.nombre;
        QStringList titulos;
        for (int j = 0; j < 5; ++j)
            titulos << f->MSFlexGrid1.TextMatrix(0, j);
        EXPECT_EQ(titulos.join(u'|'), QString::fromLatin1(c.encabezado)) << c.nombre;
        if (c.consultas.isEmpty()) {
            EXPECT_EQ(f->MSFlexGrid1.Rows(), 1) << c.nombre;
        }
        EXPECT_EQ(f->MSFlexGrid1.ColWidth(1) == 0, c.posicion && !c.lote) << c.nombre;
    }

    // Depot and article go in with their apostrophes doubled.
    ModGlobal::gSesionBD->LimpiaBitacora();
    auto f = std::make_unique<FrmLoteyPosicion>();
    f->EsPosicion = true;
    f->Deposito = QStringLiteral("O'1");
    f->Articulo = QStringLiteral("D'OR");
    f->CargaDatos();
    ASSERT_EQ(Consultas().size(), 2);
    EXPECT_TRUE(Consultas()[0].contains(QStringLiteral("IDDEPOSITO='O''1 ' and ac_saldoslayout.idarticulo='D''OR ")));
    EXPECT_TRUE(Consultas()[1].contains(QStringLiteral("IDDEPOSITO='O''1 ' AND IDARTICULO='D''OR ")));
}

TEST_F(LoteYPosicion, SaldosEnLaUnidadDeLaLineaYFilaDelDeposito)
{
    // Positions and lots, request 6: rows by lot and fill order, the depot row last, and the proposal.
    auto f = Carga(QStringLiteral("ART"), true, true, 6);
    EXPECT_EQ(Grilla(*f), (Filas{"P01|L1|LT|5|5", "P02|L1|LT|3|1", "DEPOSITO 1|||2|0"}));
    EXPECT_EQ(f->FilaDeposito(), 3);
    EXPECT_EQ(f->MSFlexGrid1.Row(), 3);
    EXPECT_EQ(f->MSFlexGrid1.Col(), 4);
    EXPECT_EQ(f->lblArticulo->text(), QStringLiteral("Barniz Marino Brillante"));
    // Widths follow the longest text: "DEPOSITO 1" in column 0, "DISPONIBLE" in column 3.
    EXPECT_EQ(f->MSFlexGrid1.ColWidth(0), medidor.AnchoX(10));
    EXPECT_EQ(f->MSFlexGrid1.ColWidth(3), medidor.AnchoX(10));
    EXPECT_EQ(f->MSFlexGrid1.ColWidth(4), medidor.AnchoX(5));

    // Boxes shown in units, filled B-02 first; the depot row sums its two lots, converted too.
    f = Carga(QStringLiteral("CAJA"), true, false, 1500, QStringLiteral("UN"));
    EXPECT_EQ(Grilla(*f), (Filas{"B-02||UN|1200|1200", "B-01||UN|800|300", "DEPOSITO 1|||200|0"}));
    f = Carga(QStringLiteral("CAJA"), true, false, 15, QStringLiteral("CAJ"));
    EXPECT_EQ(Grilla(*f), (Filas{"B-02||CAJ|12|12", "B-01||CAJ|8|3", "DEPOSITO 1|||2|0"}));
    // Without equivalence the balance stays as stored.
    f = Carga(QStringLiteral("SINEQ"), true, false, 1, QStringLiteral("CAJ"));
    EXPECT_EQ(Grilla(*f), (Filas{"P01||CAJ|4|1"}));
    // No stock without position: no depot row, the last row is a position; one row takes the whole request.
    f = Carga(QStringLiteral("SOLO"), true, false, 10, QStringLiteral("KG"));
    EXPECT_EQ(Grilla(*f), (Filas{"P01||KG|2|10"}));
    EXPECT_EQ(f->FilaDeposito(), 0);
}

TEST_F(LoteYPosicion, ReaplicaLasListasAnteriores)
{
    struct Caso {
        const char* nombre;
        bool lote;
        const char* posiciones;
        const char* lotes;
        Filas cantidades;
        const char* articulo = "ART";
    };
    const Caso casos[] = {
        {"one item, no proposal", true, "|P02*3|", "|L1|", {"0", "3", "0"}},
        {"case is ignored", true, "|p02*3|", "|l1|", {"0", "3", "0"}},
        {"the depot item goes to the depot row", true, "|P01*1|*2|", "|L1||", {"1", "0", "2"}},
        {"another lot matches nothing", true, "|P01*1|", "|L9|", {"0", "0", "0"}},
        {"a shorter lots list reads as empty lots", true, "|P01*1|*2|", "|L1|", {"1", "0", "2"}},
        {"positions only never had lots", false, "|P01*1.5|P02*2|*0.5|", "", {"1.5", "2", "0.5"}},
        {"the quantity as the list holds it", false, "|P01*2,5|", "", {"2,5", "0", "0"}},
        {"a depot item twice adds up", true, "|*1|*1.5|", "|||", {"0", "0", "2.5"}},
        // A position with a row per lot, lots asked or not: each item of it to its own row.
        {"positions only, one item a row", false, "|P01*3|P01*2|", "", {"3", "2"}, "DOSL"},
        {"one item more than rows adds to the last", false, "|P01*3|P01*1|P01*1|", "", {"3", "2"}, "DOSL"},
        {"with lots, by lot", true, "|P01*1|P01*2|", "|L2|L1|", {"2", "1"}, "DOSL"},
    };
    for (const Caso& c : casos) {
        auto f = Carga(QString::fromLatin1(c.articulo), true, c.lote, 6, QStringLiteral("LT"), QString::fromLatin1(c.posiciones),
                       QString::fromLatin1(c.lotes));
        Filas cantidades;
        for (int i = 1; i < f->MSFlexGrid1.Rows(); ++i)
            cantidades << f->MSFlexGrid1.TextMatrix(i, 4);
        EXPECT_EQ(cantidades, c.cantidades) << c.nombre;
    }
    // Without a depot row the depot item is dropped, never put on a position.
    auto f = Carga(QStringLiteral("SOLO"), true, false, 3, QStringLiteral("KG"), QStringLiteral("|*3|"));
    EXPECT_EQ(Grilla(*f), (Filas{"P01||KG|2|0"}));
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(LoteYPosicion, ListasAlAceptar)
{
    struct Caso {
        const char* nombre;
        bool posicion, lote;
        Filas cantidades;
        const char* posiciones;
        const char* lotes;
    };
    const Caso casos[] = {
        {"positions, lots and the depot row", true, true, {"3", "2", "1"}, "|P01*3|P02*2|*1|", "|L1|L1||"},
        {"empty and 0 give no item", true, true, {"", "6", "0"}, "|P02*6|", "|L1|"},
        {"only the depot row", true, true, {"0", " 0", "6"}, "|*6|", "||"},
        {"positions only leaves the lots", true, false, {"5", "0", "1"}, "|P01*5|*1|", "antes"},
        {"lots only writes neither", false, true, {}, "antes", "antes"},
    };
    for (const Caso& c : casos) {
        auto f = Carga(QStringLiteral("ART"), c.posicion, c.lote, 6, QStringLiteral("LT"),
                       c.posicion ? QString() : QStringLiteral("|P01*6|"), QStringLiteral("|L1|"));
        f->Posiciones = QStringLiteral("antes");
        f->Lotes = QStringLiteral("antes");
        Cantidades(*f, c.cantidades);
        f->CmdAceptar_Click();
        EXPECT_TRUE(avisos.preguntas.empty()) << c.nombre;
        EXPECT_EQ(f->result(), QDialog::Accepted) << c.nombre;
        EXPECT_EQ(f->Posiciones, QString::fromLatin1(c.posiciones)) << c.nombre;
        EXPECT_EQ(f->Lotes, QString::fromLatin1(c.lotes)) << c.nombre;
    }
}

TEST_F(LoteYPosicion, TotalDistintoDelPedido)
{
    // Above the request, Yes: the request becomes the total.
    avisos.Responder({Avisos::Si});
    auto f = Carga(QStringLiteral("ART"), true, true, 6);
    Cantidades(*f, {"5", "2", "0"});
    f->CmdAceptar_Click();
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto,
              QStringLiteral("La suma de las cantidades Informadas, supera a la solicitada en el Formulario de Carga de "
                             "Datos\r\n¿Desea Ajustar la Cantidad Solicitada en el Formulario?"));
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador!!!"));
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::SiNo + Avisos::Pregunta);
    EXPECT_DOUBLE_EQ(f->Cantidad1, 7);
    EXPECT_EQ(f->Posiciones, QStringLiteral("|P01*5|P02*2|"));

    // No: the critical box names the request with Str's blank; nothing is written.
    avisos.preguntas.clear();
    avisos.Responder({Avisos::No});
    f = Carga(QStringLiteral("ART"), true, true, 5);
    Cantidades(*f, {"5", "1", "0"});
    f->CmdAceptar_Click();
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_EQ(avisos.preguntas[1].texto, QStringLiteral("Debe Ajustar la suma de las cantidades a : 5"));
    EXPECT_EQ(avisos.preguntas[1].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(avisos.preguntas[1].botones, Avisos::Critico);
    EXPECT_DOUBLE_EQ(f->Cantidad1, 5);
    EXPECT_EQ(f->Posiciones, QString());

    // Below, MostrarForm false: information only.
    avisos.preguntas.clear();
    f = Carga(QStringLiteral("ART"), true, true, 6);
    Cantidades(*f, {"5", "0", "0"});
    f->CmdAceptar_Click();
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("La suma de cantidades informadas es Menor a la cantidad solicitada "));
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::Informacion);
    EXPECT_EQ(f->Posiciones, QString());

    // Below, MostrarForm true: the question, Yes lowers the request.
    avisos.preguntas.clear();
    avisos.Responder({Avisos::Si});
    f = Carga(QStringLiteral("ART"), true, true, 6);
    f->MostrarForm = true;
    Cantidades(*f, {"5", "0", "0"});
    f->CmdAceptar_Click();
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].texto.startsWith(
        QStringLiteral("La suma de las cantidades Informadas, Es Menor a la solicitada en el Formulario de Carga de Datos\r\n")));
    EXPECT_DOUBLE_EQ(f->Cantidad1, 5);
    EXPECT_EQ(f->Posiciones, QStringLiteral("|P01*5|"));

    // Decimals that add up to the request within the tolerance ask nothing.
    avisos.preguntas.clear();
    f = Carga(QStringLiteral("ART"), true, true, 0.3);
    Cantidades(*f, {"0.1", "0.2", "0"});
    f->CmdAceptar_Click();
    EXPECT_TRUE(avisos.preguntas.empty());
    EXPECT_EQ(f->Posiciones, QStringLiteral("|P01*0.1|P02*0.2|"));

    // A quantity typed past the editor's check is refused on acceptance.
    f = Carga(QStringLiteral("ART"), true, true, 6);
    Cantidades(*f, {"8", "-2", "0"});
    f->CmdAceptar_Click();
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("La Cantidad no puede ser Menor a Cero"));
    EXPECT_EQ(f->Posiciones, QString());
}

// ---- The real dialog, shown through the dialog service -------------------------------

class DialogoLoteYPosicion : public LoteYPosicion {
protected:
    int Muestra(FrmLoteyPosicion& f, const std::function<void(FrmLoteyPosicion&)>& operador)
    {
        f.lblArticulo->setText(f.Articulo);
        return DialogoPrueba::Muestra(avisos, f, operador);
    }
    static void Teclea(QWidget* w, const QString& texto) { QTest::keyClicks(w, texto); }
    static void TecleaEnGrilla(FrmLoteyPosicion& f, const QString& texto) { DialogoPrueba::TecleaEnGrilla(f, texto); }
    static QToolButton* Boton(FrmLoteyPosicion& f, int indice) { return DialogoPrueba::Boton(f, indice); }
    static QString Cant(const FrmLoteyPosicion& f, int fila) { return f.MSFlexGrid1.TextMatrix(fila, 4); }
};

TEST_F(DialogoLoteYPosicion, ElOperadorCargaConLasTeclas)
{
    auto f = Carga(QStringLiteral("ART"), true, true, 6);
    const int r = Muestra(*f, [this](FrmLoteyPosicion& f) {
        QWidget* grilla = f.vistaMSFlexGrid1;
        EXPECT_EQ(f.lblArticulo->text(), QStringLiteral("ART"));
        EXPECT_FALSE(f.CmdAceptar->autoDefault());
        // Up twice to the first row; a typed digit opens the editor with it, Enter moves down.
        QTest::keyClick(grilla, Qt::Key_Up);
        QTest::keyClick(grilla, Qt::Key_Up);
        EXPECT_EQ(f.MSFlexGrid1.Row(), 1);
        Teclea(grilla, QStringLiteral("4"));
        ASSERT_TRUE(f.TxtEdit->isVisible());
        EXPECT_EQ(f.TxtEdit->text(), QStringLiteral("4"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Return);
        EXPECT_FALSE(f.TxtEdit->isVisible());
        EXPECT_EQ(Cant(f, 1), QStringLiteral("4"));
        EXPECT_EQ(f.MSFlexGrid1.Row(), 2);

        // A negative and an unavailable quantity are refused; the editor stays on its cell.
        TecleaEnGrilla(f, QStringLiteral("-1"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Return);
        ASSERT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("La Cantidad no puede ser Menor a Cero"));
        EXPECT_TRUE(f.TxtEdit->isVisible());
        EXPECT_EQ(Cant(f, 2), QStringLiteral("1"));
        f.TxtEdit->selectAll();
        Teclea(f.TxtEdit, QStringLiteral("9"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Down);
        ASSERT_EQ(avisos.preguntas.size(), 2u);
        EXPECT_EQ(avisos.preguntas[1].texto, QStringLiteral("No hay disponible para esa posicion"));
        EXPECT_EQ(avisos.preguntas[1].titulo, QStringLiteral("Aviso al Operador"));
        EXPECT_TRUE(f.TxtEdit->isVisible());
        EXPECT_EQ(f.MSFlexGrid1.Row(), 2);
        // Esc gives the cell back and closes the editor.
        QTest::keyClick(f.TxtEdit, Qt::Key_Escape);
        EXPECT_FALSE(f.TxtEdit->isVisible());
        EXPECT_EQ(Cant(f, 2), QStringLiteral("1"));
        EXPECT_TRUE(f.isVisible());
        // Enter opens the editor on the cell's text; a regional decimal goes in plain; Up moves up.
        QTest::keyClick(grilla, Qt::Key_Return);
        ASSERT_TRUE(f.TxtEdit->isVisible());
        EXPECT_EQ(f.TxtEdit->selectedText(), QStringLiteral("1"));
        Teclea(f.TxtEdit, QStringLiteral("1,5"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Up);
        EXPECT_EQ(Cant(f, 2), QStringLiteral("1.5"));
        EXPECT_EQ(f.MSFlexGrid1.Row(), 1);
        // Tab ends the entry in place.
        Teclea(grilla, QStringLiteral("3"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Tab);
        EXPECT_FALSE(f.TxtEdit->isVisible());
        EXPECT_EQ(Cant(f, 1), QStringLiteral("3"));
        EXPECT_EQ(f.MSFlexGrid1.Row(), 1);
        EXPECT_EQ(QApplication::focusWidget(), grilla);

        // A click on another cell commits the entry through the same check.
        f.MSFlexGrid1.setRow(2);
        TecleaEnGrilla(f, QStringLiteral("2"));
        const QRect celda = f.vistaMSFlexGrid1->visualRect(f.vistaMSFlexGrid1->model()->index(0, 4));
        QTest::mouseClick(f.vistaMSFlexGrid1->viewport(), Qt::LeftButton, {}, celda.center());
        EXPECT_FALSE(f.TxtEdit->isVisible());
        EXPECT_EQ(Cant(f, 2), QStringLiteral("2"));
        EXPECT_EQ(f.MSFlexGrid1.Row(), 1);

        // The buttons: blank below row 1, propose, fill below row 1.
        QTest::mouseClick(Boton(f, 2), Qt::LeftButton);
        EXPECT_EQ(Cant(f, 1) + Cant(f, 2) + Cant(f, 3), QStringLiteral("300"));
        QTest::mouseClick(Boton(f, 3), Qt::LeftButton);
        EXPECT_EQ(Cant(f, 1) + u'|' + Cant(f, 2) + u'|' + Cant(f, 3), QStringLiteral("5|1|0"));
        EXPECT_EQ(f.MSFlexGrid1.Row(), 3);
        f.MSFlexGrid1.setRow(1);
        QTest::mouseClick(Boton(f, 1), Qt::LeftButton);
        EXPECT_EQ(Cant(f, 1) + u'|' + Cant(f, 2) + u'|' + Cant(f, 3), QStringLiteral("5|5|5"));
        EXPECT_EQ(Boton(f, 3)->toolTip(), QStringLiteral("Proponer Automaticamente"));
        EXPECT_FALSE(Boton(f, 1)->icon().isNull());

        // F2 with an editor open: the value goes through the check, then the total.
        f.MSFlexGrid1.setRow(2);
        Teclea(grilla, QStringLiteral("1"));
        QTest::keyClick(f.TxtEdit, Qt::Key_F2);
        EXPECT_EQ(Cant(f, 2), QStringLiteral("1"));
        ASSERT_EQ(avisos.preguntas.size(), 4u);
        EXPECT_TRUE(avisos.preguntas[2].texto.contains(QStringLiteral("supera")));   // 11 for 6, answered No
        EXPECT_EQ(avisos.preguntas[3].texto, QStringLiteral("Debe Ajustar la suma de las cantidades a : 6"));
        EXPECT_TRUE(f.isVisible());
        // The depot row emptied, F2 again: accepted.
        f.MSFlexGrid1.setTextMatrix(3, 4, QStringLiteral("0"));
        QTest::keyClick(grilla, Qt::Key_F2);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(r, QDialog::Accepted);
    EXPECT_EQ(f->Posiciones, QStringLiteral("|P01*5|P02*1|"));
    EXPECT_EQ(f->Lotes, QStringLiteral("|L1|L1|"));
    f.reset();
}

TEST_F(DialogoLoteYPosicion, SuperaConSiYCancelar)
{
    avisos.Responder({Avisos::Si});
    auto f = Carga(QStringLiteral("ART"), true, true, 6);
    int r = Muestra(*f, [](FrmLoteyPosicion& f) {
        QTest::keyClick(f.vistaMSFlexGrid1, Qt::Key_Up);
        Teclea(f.vistaMSFlexGrid1, QStringLiteral("3"));
        QTest::mouseClick(f.CmdAceptar, Qt::LeftButton);
    });
    EXPECT_EQ(r, QDialog::Accepted);
    EXPECT_DOUBLE_EQ(f->Cantidad1, 8);
    EXPECT_EQ(f->Posiciones, QStringLiteral("|P01*5|P02*3|"));

    // Cancel hands back the lists as they were: empty for a fresh dialog.
    f = Carga(QStringLiteral("ART"), true, true, 6);
    r = Muestra(*f, [](FrmLoteyPosicion& f) { QTest::mouseClick(f.CmdCancelar, Qt::LeftButton); });
    EXPECT_EQ(r, QDialog::Rejected);
    EXPECT_EQ(f->Posiciones, QString());
    EXPECT_EQ(f->Lotes, QString());

    // A click on Cancel cancels also while the editor holds a quantity its check
    // refuses: nothing is asked and nothing is written.
    avisos.preguntas.clear();
    f = Carga(QStringLiteral("ART"), true, true, 6);
    r = Muestra(*f, [](FrmLoteyPosicion& f) {
        QTest::keyClick(f.vistaMSFlexGrid1, Qt::Key_Up);
        Teclea(f.vistaMSFlexGrid1, QStringLiteral("99"));
        ASSERT_TRUE(f.TxtEdit->isVisible());
        QTest::mouseClick(f.CmdCancelar, Qt::LeftButton);
    });
    EXPECT_EQ(r, QDialog::Rejected);
    EXPECT_TRUE(avisos.preguntas.empty());
    EXPECT_EQ(f->Posiciones, QString());
    EXPECT_EQ(Cant(*f, 2), QStringLiteral("1"));

    // Esc outside the editor cancels too; inside it only closes the editor.
    f = Carga(QStringLiteral("ART"), true, true, 6);
    r = Muestra(*f, [](FrmLoteyPosicion& f) {
        Teclea(f.vistaMSFlexGrid1, QStringLiteral("2"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Escape);
        EXPECT_TRUE(f.isVisible());
        QTest::keyClick(f.vistaMSFlexGrid1, Qt::Key_Escape);
    });
    EXPECT_EQ(r, QDialog::Rejected);
    EXPECT_EQ(f->Posiciones, QString());
}

TEST_F(DialogoLoteYPosicion, TabVaDeLaGrillaAAceptarYEnterAcepta)
{
    auto f = Carga(QStringLiteral("ART"), true, true, 6);
    const int r = Muestra(*f, [](FrmLoteyPosicion& f) {
        QWidget* grilla = f.vistaMSFlexGrid1;
        EXPECT_EQ(f.MSFlexGrid1.Row(), 3);
        // Tab and Shift+Tab go between the grid and Accept; the current cell stays.
        QTest::keyClick(grilla, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), f.CmdAceptar);
        QTest::keyClick(f.CmdAceptar, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), grilla);
        QTest::keyClick(grilla, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), f.CmdAceptar);
        QTest::keyClick(f.CmdAceptar, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), grilla);
        EXPECT_EQ(f.MSFlexGrid1.Row(), 3);
        EXPECT_EQ(f.MSFlexGrid1.Col(), 4);
        // Tab ends an open entry as its check lets it, and leaves the grid.
        TecleaEnGrilla(f, QStringLiteral("0"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Tab);
        EXPECT_FALSE(f.TxtEdit->isVisible());
        QTest::keyClick(grilla, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), f.CmdAceptar);
        // Enter on the focused Accept accepts.
        QTest::keyClick(f.CmdAceptar, Qt::Key_Return);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(r, QDialog::Accepted);
    EXPECT_EQ(f->Posiciones, QStringLiteral("|P01*5|P02*1|"));
}

}  // namespace
