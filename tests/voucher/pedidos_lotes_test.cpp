// The voucher class's requests to the lot dialogs, with the operator scripted
// through the dialog service over the real dialogs.
#include "comprobantes_prueba.h"
#include "lots/FrmCargaLotesySeries.h"
#include "lots/FrmLoteyPosicion.h"
#include "lots/listas_pipe.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"
#include "voucher/ClsCmnCptes.h"
#include "voucher/columnas_grillas.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace {

struct FilaArticulo {
    const char* codigo;
    const char* lotes;
    const char* cantidades;
};

// An article grid: the title row and one data row per line.
void LlenaGrilla(Grilla& g, const std::vector<FilaArticulo>& filas)
{
    g.setCols(ColArticulos::NroSerie + 1);
    g.setRows(static_cast<int>(filas.size()) + 1);
    for (int i = 0; i < static_cast<int>(filas.size()); ++i) {
        g.setTextMatrix(i + 1, ColArticulos::Codigo, QString::fromLatin1(filas[i].codigo));
        g.setTextMatrix(i + 1, ColArticulos::NroLote, QString::fromUtf8(filas[i].lotes));
        g.setTextMatrix(i + 1, ColArticulos::NroSerie, QString::fromUtf8(filas[i].cantidades));
    }
}

TEST(CuentaLotesEnGrilla, ListasDeLasOtrasLineas)
{
    struct Caso {
        const char* nombre;
        std::vector<FilaArticulo> filas;
        const char* articulo;
        int excluida;
        const char* lotes;
        const char* cantidades;
    };
    const Caso casos[] = {
        {"two lines join", {{"MOTOR01", "|L1|", "|1|"}, {"MOTOR01", "|L2|", "|2|"}}, "MOTOR01", 0, "|L1|L2|", "|1|2|"},
        {"no matching row", {{"MOTOR01", "|L1|", "|1|"}}, "OTRO", 0, "", ""},
        {"case ignored", {{"MOTOR01", "|L1|", "|1|"}}, "motor01", 0, "|L1|", "|1|"},
        {"untrimmed code", {{"MOTOR01 ", "|L1|", "|1|"}}, "MOTOR01", 0, "", ""},
        {"other articles skipped",
         {{"MOTOR01", "|L1|", "|1|"}, {"TORNILLO", "|T|", "|9|"}, {"MOTOR01", "|L2ÿS2|", "|2|"}},
         "MOTOR01", 0, "|L1|L2ÿS2|", "|1|2|"},
        {"lots without quantities padded",
         {{"MOTOR01", "|L1|L2|", ""}, {"MOTOR01", "|L3|", "|3|"}}, "MOTOR01", 0, "|L1|L2|L3|", "|||3|"},
        {"quantities without lots padded", {{"MOTOR01", "", "|4|"}, {"MOTOR01", "|L3|", "|3|"}}, "MOTOR01", 0,
         "||L3|", "|4|3|"},
        {"a single lot without pipes kept whole", {{"MOTOR01", "|L2|", "|2|"}, {"MOTOR01", "L1", "5"}}, "MOTOR01", 0,
         "|L2|L1|", "|2|5|"},
        {"the edited row left out", {{"MOTOR01", "|L1|", "|1|"}, {"MOTOR01", "|L2|", "|2|"}}, "MOTOR01", 2, "|L1|",
         "|1|"},
        {"lines without lots", {{"MOTOR01", "", ""}, {"MOTOR01", "|", "|"}}, "MOTOR01", 0, "", ""},
    };
    ClsCmnCptes cpte;
    for (const Caso& c : casos) {
        Grilla g;
        LlenaGrilla(g, c.filas);
        QString lotes = QStringLiteral("viejo");
        QString cantidades = QStringLiteral("viejo");
        cpte.CuentaLotesEnGrilla(g, QString::fromLatin1(c.articulo), lotes, cantidades, c.excluida);
        EXPECT_EQ(lotes, QString::fromUtf8(c.lotes)) << c.nombre;
        EXPECT_EQ(cantidades, QString::fromUtf8(c.cantidades)) << c.nombre;
    }
}

// Depot 1 holds ART at P01 (5, lot L1), P02 (3, lot L1) and 2 without position.
class PidePosicionLote : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto& bd = s.bd.Sesion();
        bd.Ejecuta(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdUnidad) VALUES "
                                  "('ART', 'Barniz marino', 'LT')"));
        bd.Ejecuta(QStringLiteral("INSERT INTO ma_posiciones (iddeposito, idposicion, ordeningreso) VALUES "
                                  "('1', 'P01', 1), ('1', 'P02', 2)"));
        bd.Ejecuta(QStringLiteral(
            "INSERT INTO AC_SALDOSLAYOUT (iddeposito, idposicion, nrolote, idarticulo, idunidadbase, saldo) VALUES "
            "('1', 'P01', 'L1', 'ART', 'LT', 5), ('1', 'P02', 'L1', 'ART', 'LT', 3), "
            "('1', NULL, 'L1', 'ART', 'LT', 2)"));
    }

    // What the dialog held when it was shown.
    struct Visto {
        double cantidad1 = 0;
        bool consulta = false, posicion = false, lote = false, mostrarForm = true;
        QString unidad, articulo, deposito, posicionesAnt, lotesAnt, posiciones, lotes, etiqueta;
    };

    // Scripts the next dialog: records it, then lets the operator act on it.
    void Operador(std::function<int(FrmLoteyPosicion&)> actua)
    {
        avisos.ResponderDialogo([this, actua](QDialog& d) {
            auto& f = dynamic_cast<FrmLoteyPosicion&>(d);
            vivo = &f;
            visto.push_back({f.Cantidad1, f.EsConsultaDePosicionLote, f.EsPosicion, f.EsLote, f.MostrarForm, f.IUNIDAD,
                             f.Articulo, f.Deposito, f.PosicionesAnteriores, f.LotesAnteriores, f.Posiciones, f.Lotes,
                             f.lblArticulo->text()});
            return actua(f);
        });
    }
    static int Acepta(FrmLoteyPosicion& f, const QStringList& cantidades)
    {
        for (int fila = 1; fila < f.MSFlexGrid1.Rows(); ++fila)
            f.MSFlexGrid1.setTextMatrix(fila, FrmLoteyPosicion::ColCantidad,
                                        fila <= cantidades.size() ? cantidades[fila - 1] : QString());
        f.CmdAceptar_Click();
        return f.result();
    }
    static int Cancela(FrmLoteyPosicion& f)
    {
        f.CmdCancelar_Click();
        return f.result();
    }

    void Pide(double& cantidad, const QString& posAnt, const QString& loteAnt, bool lote = true,
              const QString& deposito = QStringLiteral("1"))
    {
        cpte.PidePosicionLote(QStringLiteral("ART"), QStringLiteral("LT"), cantidad, deposito, posAnt, loteAnt,
                              posiciones, lotes, true, lote);
    }

    SesionGlobal s;
    AvisosGrabados avisos;
    ClsCmnCptes cpte;
    std::vector<Visto> visto;
    QPointer<FrmLoteyPosicion> vivo;
    QString posiciones = QStringLiteral("viejo");
    QString lotes = QStringLiteral("viejo");
};

TEST_F(PidePosicionLote, CantidadCeroVaciaSinAbrir)
{
    double cantidad = 0;
    Pide(cantidad, QStringLiteral("|P01*1|"), QStringLiteral("|L1|"));
    EXPECT_EQ(avisos.dialogosMostrados, 0);
    EXPECT_EQ(posiciones, QString());
    EXPECT_EQ(lotes, QString());
}

TEST_F(PidePosicionLote, AceptaConLoQueElDialogoRecibio)
{
    Operador([](FrmLoteyPosicion& f) { return Acepta(f, {QStringLiteral("4"), QStringLiteral("2")}); });
    double cantidad = 6;
    Pide(cantidad, QString(), QString(), true, QStringLiteral("1 "));
    ASSERT_EQ(visto.size(), 1u);
    const Visto& v = visto[0];
    EXPECT_EQ(v.cantidad1, 6);
    EXPECT_FALSE(v.consulta);
    EXPECT_TRUE(v.posicion);
    EXPECT_TRUE(v.lote);
    EXPECT_FALSE(v.mostrarForm);
    EXPECT_EQ(v.unidad, QStringLiteral("LT"));
    EXPECT_EQ(v.articulo, QStringLiteral("ART"));
    EXPECT_EQ(v.deposito, QStringLiteral("1 "));   // as passed: the dialog fits it
    EXPECT_EQ(v.etiqueta, QStringLiteral("ART"));
    EXPECT_EQ(posiciones, QStringLiteral("|P01*4|P02*2|"));
    EXPECT_EQ(lotes, QStringLiteral("|L1|L1|"));
    EXPECT_EQ(cantidad, 6);
    EXPECT_TRUE(vivo.isNull());   // destroyed
}

TEST_F(PidePosicionLote, ConsultaSegunListasAnteriores)
{
    const std::pair<const char*, const char*> anteriores[] = {{"", ""}, {"|P01*1|", ""}, {"", "|L1|"}};
    for (const auto& [pos, lote] : anteriores) {
        Operador([](FrmLoteyPosicion& f) { return Cancela(f); });
        double cantidad = 1;
        Pide(cantidad, QString::fromLatin1(pos), QString::fromLatin1(lote));
    }
    ASSERT_EQ(visto.size(), 3u);
    EXPECT_FALSE(visto[0].consulta);
    EXPECT_TRUE(visto[1].consulta);
    EXPECT_TRUE(visto[2].consulta);
    EXPECT_EQ(visto[1].posicionesAnt, QStringLiteral("|P01*1|"));
    EXPECT_EQ(visto[2].lotesAnt, QStringLiteral("|L1|"));
}

TEST_F(PidePosicionLote, CancelarDevuelveListasVacias)
{
    Operador([](FrmLoteyPosicion& f) { return Cancela(f); });
    double cantidad = 3;
    Pide(cantidad, QStringLiteral("|P01*3|"), QStringLiteral("|L1|"));
    EXPECT_EQ(avisos.dialogosMostrados, 1);
    // The line's previous lists are wiped, as this request always did.
    EXPECT_EQ(posiciones, QString());
    EXPECT_EQ(lotes, QString());
    EXPECT_EQ(cantidad, 3);
    EXPECT_TRUE(vivo.isNull());
}

TEST_F(PidePosicionLote, CadaPedidoEmpiezaDeCero)
{
    Operador([](FrmLoteyPosicion& f) { return Acepta(f, {QStringLiteral("2")}); });
    double cantidad = 2;
    Pide(cantidad, QString(), QString(), false);
    EXPECT_EQ(posiciones, QStringLiteral("|P01*2|"));
    EXPECT_EQ(lotes, QString());
    Operador([](FrmLoteyPosicion& f) { return Cancela(f); });
    Pide(cantidad, QString(), QString());
    ASSERT_EQ(visto.size(), 2u);
    EXPECT_TRUE(visto[1].lote);
    EXPECT_EQ(visto[1].posiciones, QString());
    EXPECT_EQ(visto[1].lotes, QString());
    EXPECT_EQ(posiciones, QString());
}

TEST_F(PidePosicionLote, SiAlExcesoDevuelveElTotal)
{
    avisos.Responder({Avisos::Si});
    Operador([](FrmLoteyPosicion& f) { return Acepta(f, {QStringLiteral("5"), QStringLiteral("1")}); });
    double cantidad = 4;
    Pide(cantidad, QString(), QString());
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("supera")));
    EXPECT_EQ(posiciones, QStringLiteral("|P01*5|P02*1|"));
    EXPECT_EQ(cantidad, 6);
}

// Depot "1": LYS by lot and serial, M1/S1, M1/S2 and M2/S3, one unit each.
class PideSerieLote : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.bd.Sesion().Ejecuta(QStringLiteral(
            "INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, NroSerie, IdPosicion, CANTIDAD) VALUES "
            "('LYS', '1', 'M1', 'S1', NULL, 1), ('LYS', '1', 'M1', 'S2', NULL, 1), ('LYS', '1', 'M2', 'S3', NULL, 1)"));
        Ajuste(s, QStringLiteral("DepositoDefault"), QStringLiteral("1"));
    }

    struct Visto {
        double cantidad = 0;
        bool consulta = false, serie = false, lote = false, talle = false, mostrarForm = false;
        QString articulo, deposito, seriesAnt, lotesAnt, series, lotes, seriesExist, lotesExist, etiqueta;
    };
    void Operador(std::function<int(FrmCargaLotesySeries&)> actua)
    {
        avisos.ResponderDialogo([this, actua](QDialog& d) {
            auto& f = dynamic_cast<FrmCargaLotesySeries&>(d);
            vivo = &f;
            visto.push_back({f.Cantidad, f.EsConsultaDeSerieLote, f.EsSerie, f.EsLote, f.EsTalle, f.MostrarForm,
                             f.Articulo, f.Deposito, f.SeriesAnteriores, f.LotesAnteriores, f.Series, f.Lotes,
                             f.SeriesExistentes, f.LotesExistentes, f.lblArticulo->text()});
            return actua(f);
        });
    }
    static int Acepta(FrmCargaLotesySeries& f)
    {
        f.CmdAceptar_Click();
        return f.result();
    }
    static int Cancela(FrmCargaLotesySeries& f)
    {
        f.CmdCancelar_Click();
        return f.result();
    }

    SesionGlobal s;
    AvisosGrabados avisos;
    ClsCmnCptes cpte;
    std::vector<Visto> visto;
    QPointer<FrmCargaLotesySeries> vivo;
};

TEST_F(PideSerieLote, EntradaCeroAceptarYCancelar)
{
    QString series = QStringLiteral("viejo");
    QString lotes = QStringLiteral("viejo");
    cpte.PideSerieLote(QStringLiteral("SILLON01"), 0, QStringLiteral("|A|"), QStringLiteral("|L|"), series, lotes, true,
                       true, false);
    EXPECT_EQ(avisos.dialogosMostrados, 0);
    EXPECT_EQ(series, QString());
    EXPECT_EQ(lotes, QString());

    Operador([](FrmCargaLotesySeries& f) {
        f.MSFlexGrid1.setTextMatrix(2, FrmCargaLotesySeries::ColValor, QStringLiteral("L9"));
        f.MSFlexGrid1.setTextMatrix(2, FrmCargaLotesySeries::ColSerieCarga, QStringLiteral("B"));
        return Acepta(f);
    });
    cpte.PideSerieLote(QStringLiteral("SILLON01"), 2, QStringLiteral("|A|"), QStringLiteral("|L|"), series, lotes, true,
                       true, false);
    ASSERT_EQ(visto.size(), 1u);
    EXPECT_EQ(visto[0].cantidad, 2);
    EXPECT_FALSE(visto[0].consulta);
    EXPECT_TRUE(visto[0].serie);
    EXPECT_TRUE(visto[0].lote);
    EXPECT_FALSE(visto[0].talle);
    EXPECT_EQ(visto[0].articulo, QStringLiteral("SILLON01"));
    EXPECT_EQ(visto[0].seriesAnt, QStringLiteral("|A|"));
    EXPECT_EQ(visto[0].lotesAnt, QStringLiteral("|L|"));
    EXPECT_EQ(visto[0].deposito, QString());   // never set: the caption reads "(Deposito: )"
    EXPECT_EQ(visto[0].etiqueta, QStringLiteral("SILLON01"));
    EXPECT_EQ(series, QStringLiteral("|A|B|"));
    EXPECT_EQ(lotes, QStringLiteral("|L|L9|"));
    EXPECT_TRUE(vivo.isNull());

    // A second request starts fresh; its Cancel wipes the lists.
    Operador([](FrmCargaLotesySeries& f) { return Cancela(f); });
    cpte.PideSerieLote(QStringLiteral("SILLON01"), 1, series, lotes, series, lotes, false, true, false);
    ASSERT_EQ(visto.size(), 2u);
    EXPECT_EQ(visto[1].series, QString());
    EXPECT_EQ(visto[1].lotes, QString());
    EXPECT_EQ(series, QString());
    EXPECT_EQ(lotes, QString());
    EXPECT_TRUE(vivo.isNull());
}

TEST_F(PideSerieLote, SalidaCeroSoloLlenaElDeposito)
{
    Grilla g;
    LlenaGrilla(g, {});
    double cantidad = 0;
    QString lotes = QStringLiteral("viejo");
    QString cantidades = QStringLiteral("viejo");
    QString deposito;
    cpte.PideSerieLote_Salidas(g, QStringLiteral("LYS"), QStringLiteral("Motor"), cantidad, QStringLiteral("|M1ÿS1|"),
                               QStringLiteral("|1|"), lotes, cantidades, true, true, false, deposito, true);
    EXPECT_EQ(avisos.dialogosMostrados, 0);
    EXPECT_EQ(deposito, QStringLiteral("1"));
    EXPECT_EQ(lotes, QStringLiteral("viejo"));
    EXPECT_EQ(cantidades, QStringLiteral("viejo"));
}

// Line 1 took M1/S1; line 2, the one being edited, took M1/S2 before.
TEST_F(PideSerieLote, SalidaMostradaYSilenciosa)
{
    const auto pide = [&](double& cantidad, QString& deposito, bool mostrar, QString& lotes, QString& cantidades) {
        Grilla g;
        LlenaGrilla(g, {{"LYS", "|M1ÿS1|", "|1|"}, {"LYS", "|M1ÿS2|", "|1|"}});
        g.setRow(2);
        cpte.PideSerieLote_Salidas(g, QStringLiteral("LYS"), QStringLiteral("Motor"), cantidad,
                                   QStringLiteral("|M1ÿS2|"), QStringLiteral("|1|"), lotes, cantidades, true, true,
                                   false, deposito, mostrar);
    };
    Operador([](FrmCargaLotesySeries& f) { return Acepta(f); });
    double cantidad = 1;
    QString deposito = QStringLiteral(" 1");
    QString lotes, cantidades;
    pide(cantidad, deposito, true, lotes, cantidades);
    ASSERT_EQ(visto.size(), 1u);
    const Visto& v = visto[0];
    EXPECT_TRUE(v.consulta);
    EXPECT_TRUE(v.mostrarForm);
    EXPECT_EQ(v.deposito, QStringLiteral("1   "));
    EXPECT_EQ(deposito, QStringLiteral(" 1"));
    EXPECT_EQ(v.etiqueta, QStringLiteral("LYS - Motor"));
    EXPECT_EQ(v.lotesExist, QStringLiteral("|M1ÿS1|"));   // its own line left out
    EXPECT_EQ(v.seriesExist, QStringLiteral("|1|"));
    const QString lotesMostrado = lotes, cantidadesMostrado = cantidades;
    EXPECT_TRUE(lotes.contains(QStringLiteral("M1ÿS2"))) << lotes.toStdString();
    EXPECT_TRUE(vivo.isNull());

    // Silent: the same allocation, no window.
    lotes.clear();
    cantidades.clear();
    pide(cantidad, deposito, false, lotes, cantidades);
    EXPECT_EQ(avisos.dialogosMostrados, 1);
    EXPECT_TRUE(avisos.preguntas.empty());
    EXPECT_EQ(lotes, lotesMostrado);
    EXPECT_EQ(cantidades, cantidadesMostrado);
    EXPECT_EQ(cantidad, 1);

    // Short of stock: the previous lists come back after the one notice.
    cantidad = 5;
    lotes = cantidades = QStringLiteral("x");
    pide(cantidad, deposito, false, lotes, cantidades);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("El Stock es Menor a la cantidad solicitada "));
    EXPECT_EQ(lotes, QStringLiteral("|M1ÿS2|"));
    EXPECT_EQ(cantidades, QStringLiteral("|1|"));
    EXPECT_EQ(cantidad, 5);

    // Cancel hands back what was preset.
    Operador([](FrmCargaLotesySeries& f) { return Cancela(f); });
    cantidad = 1;
    pide(cantidad, deposito, true, lotes, cantidades);
    EXPECT_EQ(lotes, QStringLiteral("|M1ÿS2|"));
    EXPECT_EQ(cantidades, QStringLiteral("|1|"));
    EXPECT_EQ(cantidad, 1);
}

TEST_F(PideSerieLote, FallaAlGestorConSuNombre)
{
    Grilla g;   // no lot columns: counting the other lines fails
    g.setCols(5);
    g.setRows(3);
    g.setTextMatrix(2, ColArticulos::Codigo, QStringLiteral("LYS"));   // row 1 is the one being edited
    double cantidad = 1;
    QString deposito;
    QString lotes = QStringLiteral("viejo");
    QString cantidades = QStringLiteral("viejo");
    cpte.PideSerieLote_Salidas(g, QStringLiteral("LYS"), QStringLiteral("Motor"), cantidad, QString(), QString(), lotes,
                               cantidades, true, true, false, deposito, true);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("PideSerieLote_Salidas")))
        << avisos.preguntas[0].titulo.toStdString();
    EXPECT_EQ(deposito, QStringLiteral("1"));
    EXPECT_EQ(lotes, QStringLiteral("viejo"));
    EXPECT_EQ(avisos.dialogosMostrados, 0);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<FrmCargaLotesySeries*>(w), nullptr);
}

// The (lot, serial, quantity) a line with lots and serials posts, read from
// its columns 21 and 22 as the stock posting reads them. An outgoing line
// counts its lot-serial keys in column 21 and takes its quantities from
// column 22; an incoming one counts its serials in column 22, unconsolidated,
// pairs each with the lot of the same place in column 21 and posts one unit.
QStringList Asiento(const Grilla& g, int fila, bool entrada = false)
{
    const QString lotes = g.TextMatrix(fila, ColArticulos::NroLote);
    const QString series = g.TextMatrix(fila, ColArticulos::NroSerie);
    QStringList r;
    const long n = entrada ? ListasPipe::Cuenta_Series_Lotes(series, lotes, true)
                           : ListasPipe::Cuenta_Series_Lotes(lotes, QString(), false);
    for (short j = 1; j <= n; ++j) {
        const QString item = ListasPipe::ExtraeSerieLote(entrada ? series : lotes, j);
        const double cantidad = entrada ? 1 : ListasPipe::ExtraeSerieLote(series, j).trimmed().toDouble();
        if (cantidad == 0)
            continue;
        QString lote = entrada ? ListasPipe::ExtraeSerieLote(lotes, j) : item;
        QString serie = entrada ? item : QString();
        if (const qsizetype p = item.indexOf(ListasPipe::Chr255); p > 0) {
            lote = item.left(p);
            serie = item.mid(p + 1);
        }
        r << lote.trimmed() + (serie.isEmpty() ? QString() : u'/' + serie.trimmed()) + u'=' + QString::number(cantidad);
    }
    return r;
}

TEST_F(PideSerieLote, DosLineasDeUnArticuloHastaElAsiento)
{
    for (const bool mostrar : {false, true}) {
        Grilla g;
        LlenaGrilla(g, {{"LYS", "|M1ÿS1|", "|1|"}, {"LYS", "", ""}});
        g.setRow(2);
        if (mostrar)
            Operador([](FrmCargaLotesySeries& f) { return Acepta(f); });
        double cantidad = 2;
        QString deposito = QStringLiteral("1");
        QString lotes, cantidades;
        cpte.PideSerieLote_Salidas(g, QStringLiteral("LYS"), QStringLiteral("Motor"), cantidad, QString(), QString(),
                                   lotes, cantidades, true, true, false, deposito, mostrar);
        g.setTextMatrix(2, ColArticulos::NroLote, lotes);
        g.setTextMatrix(2, ColArticulos::NroSerie, cantidades);
        EXPECT_EQ(Asiento(g, 1), QStringList{QStringLiteral("M1/S1=1")}) << mostrar;
        // The dialog's trailing row without stock is an item of quantity 0, skipped.
        EXPECT_EQ(lotes, QStringLiteral("|M1ÿS1|M1ÿS2|M2ÿS3|ÿ|"));
        EXPECT_EQ(cantidades, QStringLiteral("|0|1|1|0|"));
        EXPECT_EQ(Asiento(g, 2), (QStringList{QStringLiteral("M1/S2=1"), QStringLiteral("M2/S3=1")}))
            << mostrar << " " << lotes.toStdString() << " " << cantidades.toStdString();
    }
}

// An entry line of a lot-and-serial article: what the operator types is kept
// in columns 21 and 22 and posted one unit per serial, with the lot beside it.
TEST_F(PideSerieLote, LineaDeEntradaHastaElAsiento)
{
    struct Tecleo {
        int fila;
        const char* lote;
        const char* serie;
    };
    struct Caso {
        const char* nombre;
        double cantidad;
        const char* seriesAnt;
        const char* lotesAnt;
        std::vector<Tecleo> tecleo;
        const char* lotes;
        const char* series;
        QStringList asiento;
    };
    const QStringList tres{QStringLiteral("N1/A1=1"), QStringLiteral("N1/A2=1"), QStringLiteral("N2/A3=1")};
    const Caso casos[] = {
        {"a blank lot takes the one above", 3, "", "", {{1, "N1", "A1"}, {2, "", "A2"}, {3, "N2", "A3"}},
         "|N1|N1|N2|", "|A1|A2|A3|", tres},
        {"reopened and accepted unchanged", 3, "|A1|A2|A3|", "|N1|N1|N2|", {}, "|N1|N1|N2|", "|A1|A2|A3|", tres},
        {"reopened with one unit more", 4, "|A1|A2|A3|", "|N1|N1|N2|", {{4, "", "A4"}}, "|N1|N1|N2|N2|",
         "|A1|A2|A3|A4|", tres + QStringList{QStringLiteral("N2/A4=1")}},
        {"reopened with one unit less", 2, "|A1|A2|A3|", "|N1|N1|N2|", {}, "|N1|N1|", "|A1|A2|",
         {QStringLiteral("N1/A1=1"), QStringLiteral("N1/A2=1")}},
        {"one serial in two lots posts twice", 2, "", "", {{1, "N1", "A1"}, {2, "N2", "A1"}}, "|N1|N2|", "|A1|A1|",
         {QStringLiteral("N1/A1=1"), QStringLiteral("N2/A1=1")}},
    };
    for (const Caso& c : casos) {
        Grilla g;
        LlenaGrilla(g, {{"LYS", c.lotesAnt, c.seriesAnt}});
        g.setRow(1);
        Operador([&c](FrmCargaLotesySeries& f) {
            for (const Tecleo& t : c.tecleo) {
                f.MSFlexGrid1.setTextMatrix(t.fila, FrmCargaLotesySeries::ColValor, QString::fromUtf8(t.lote));
                f.MSFlexGrid1.setTextMatrix(t.fila, FrmCargaLotesySeries::ColSerieCarga, QString::fromUtf8(t.serie));
            }
            return Acepta(f);
        });
        QString series, lotes;
        cpte.PideSerieLote(QStringLiteral("LYS"), c.cantidad, g.TextMatrix(1, ColArticulos::NroSerie),
                           g.TextMatrix(1, ColArticulos::NroLote), series, lotes, true, true, false);
        g.setTextMatrix(1, ColArticulos::NroLote, lotes);
        g.setTextMatrix(1, ColArticulos::NroSerie, series);
        EXPECT_EQ(lotes, QString::fromUtf8(c.lotes)) << c.nombre;
        EXPECT_EQ(series, QString::fromUtf8(c.series)) << c.nombre;
        EXPECT_EQ(Asiento(g, 1, true), c.asiento) << c.nombre;
        EXPECT_TRUE(vivo.isNull()) << c.nombre;
    }
    EXPECT_EQ(avisos.dialogosMostrados, 5);
    EXPECT_TRUE(avisos.preguntas.empty());
}

// A positions line reopened and accepted as it stands keeps its lists and
// quantity: each previous item goes back to its own row, the stock without
// position to the depot's row.
TEST_F(PidePosicionLote, LineaReabiertaVuelveIgual)
{
    struct Caso {
        const char* nombre;
        double cantidad;
        const char* posiciones;
        const char* lotes;
        bool lote;
    };
    const Caso casos[] = {
        {"positions and lots", 6, "|P01*4|P02*2|", "|L1|L1|", true},
        {"with the stock without position", 5, "|P02*3|*2|", "|L1||", true},
        {"positions only", 3, "|P01*1|P02*2|", "", false},
        {"a part of a unit", 2.5, "|P01*2.5|", "|L1|", true},
    };
    for (const Caso& c : casos) {
        Operador([](FrmLoteyPosicion& f) {
            f.CmdAceptar_Click();
            return f.result();
        });
        double cantidad = c.cantidad;
        Pide(cantidad, QString::fromLatin1(c.posiciones), QString::fromLatin1(c.lotes), c.lote);
        ASSERT_FALSE(visto.empty());
        EXPECT_TRUE(visto.back().consulta) << c.nombre;
        EXPECT_EQ(posiciones, QString::fromLatin1(c.posiciones)) << c.nombre;
        EXPECT_EQ(lotes, QString::fromLatin1(c.lotes)) << c.nombre;
        EXPECT_EQ(cantidad, c.cantidad) << c.nombre;
        EXPECT_TRUE(vivo.isNull()) << c.nombre;
    }
    EXPECT_EQ(visto.size(), 4u);
    EXPECT_TRUE(avisos.preguntas.empty());
}

}  // namespace
