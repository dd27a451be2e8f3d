// The lots-and-serials dialog: its grids in both modes, the lists it hands
// back, and the real window driven by the operator's keys.
#include "lots/FrmCargaLotesySeries.h"
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

const QChar Y(0xFF);

// "L1ÿ|L2ÿS1" written with "~" for Chr255, readable in the tables.
QString K(const char* texto)
{
    return QString::fromUtf8(texto).replace(u'~', Y);
}

struct Modo {
    bool serie = false, lote = false, talle = false;
};
constexpr Modo Lotes{false, true, false};
constexpr Modo SeriesSolas{true, false, false};
constexpr Modo LoteYSerie{true, true, false};

// Depot "1   ": LOTE held as L1 3 + 2 at two positions, L2 5 + 2 - 1, L3
// received 4 and issued 4; LYS by lot and serial (one serial without lot);
// SER by serial alone, A3 received and issued; SINL 5 without lot and 3 of L1;
// AGO's only lot received and issued.
class CargaLotesySeries : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.bd.Sesion().Ejecuta(QStringLiteral(
            "INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, NroSerie, IdPosicion, CANTIDAD) VALUES "
            "('LOTE', '1', 'L2', NULL, 'P1', 5), ('LOTE', '1', 'L1', NULL, 'P1', 3), ('LOTE', '1', 'L1', NULL, 'P2', 2), "
            "('LOTE', '1', 'L2', NULL, NULL, 2), ('LOTE', '1', 'L2', NULL, 'P2', -1), "
            "('LOTE', '1', 'L3', NULL, NULL, 4), ('LOTE', '1', 'L3', NULL, 'P1', -4), ('LOTE', '2', 'L1', NULL, NULL, 50), "
            "('LYS', '1', 'M1', 'S2', NULL, 1), ('LYS', '1', 'M1', 'S1', NULL, 1), ('LYS', '1', 'M2', 'S3', NULL, 1), "
            "('LYS', '1', NULL, 'S0', NULL, 1), "
            "('SER', '1', NULL, 'A1', NULL, 1), ('SER', '1', NULL, 'A2', NULL, 1), "
            "('SER', '1', NULL, 'A3', NULL, 1), ('SER', '1', NULL, 'A3', NULL, -1), "
            "('SINL', '1', NULL, NULL, NULL, 5), ('SINL', '1', 'L1', NULL, NULL, 3), "
            "('AGO', '1', 'G1', NULL, NULL, 4), ('AGO', '1', 'G1', NULL, 'P1', -4)"));
        ModGlobal::gSesionBD->LimpiaBitacora();
    }
    void TearDown() override
    {
        for (const QString& sql : s.Enviado())
            EXPECT_TRUE(sql.trimmed().startsWith(QStringLiteral("SELECT"), Qt::CaseInsensitive)) << sql.toStdString();
    }

    struct Pedido {
        QString lotes, series, lotesExistentes, seriesExistentes;
    };
    // Issue mode, loaded as the caller loads it.
    std::unique_ptr<FrmCargaLotesySeries> Salida(const QString& articulo, Modo m, double cantidad, const Pedido& p = {})
    {
        auto f = Nuevo(m, cantidad);
        f->EsConsultaDeSerieLote = true;
        f->Articulo = articulo;
        f->Deposito = QStringLiteral("1   ");
        f->Lotes = p.lotes;
        f->Series = p.series;
        f->LotesExistentes = p.lotesExistentes;
        f->SeriesExistentes = p.seriesExistentes;
        f->CargaDatos();
        return f;
    }
    // Entry mode with the line's previous lists.
    std::unique_ptr<FrmCargaLotesySeries> Entrada(Modo m, double cantidad, const QString& lotes = QString(),
                                                  const QString& series = QString())
    {
        auto f = Nuevo(m, cantidad);
        f->Articulo = QStringLiteral("SILLON01");
        f->LotesAnteriores = lotes;
        f->SeriesAnteriores = series;
        f->CargaDatos();
        return f;
    }
    std::unique_ptr<FrmCargaLotesySeries> Nuevo(Modo m, double cantidad)
    {
        auto f = std::make_unique<FrmCargaLotesySeries>();
        f->setMedidor(&medidor);
        f->EsSerie = m.serie;
        f->EsLote = m.lote;
        f->EsTalle = m.talle;
        f->Cantidad = cantidad;
        f->ArticuloDescripcion = QStringLiteral("SILLON reclinable");
        return f;
    }

    // The data rows, columns 0-3 joined by "|".
    static Filas Grilla(const FrmCargaLotesySeries& f, int desde = 0)
    {
        Filas r;
        for (int i = 1; i < f.MSFlexGrid1.Rows(); ++i) {
            QStringList c;
            for (int j = desde; j < 4; ++j)
                c << f.MSFlexGrid1.TextMatrix(i, j);
            r << c.join(u'|');
        }
        return r;
    }
    static QString Titulos(const FrmCargaLotesySeries& f)
    {
        QStringList c;
        for (int j = 0; j < 4; ++j)
            c << f.MSFlexGrid1.TextMatrix(0, j);
        return c.join(u'|');
    }
    static void Cantidades(FrmCargaLotesySeries& f, const QStringList& valores, int columna = 3)
    {
        for (int i = 0; i < valores.size(); ++i)
            f.MSFlexGrid1.setTextMatrix(i + 1, columna, valores[i]);
    }

    SesionGlobal s;
    AvisosGrabados avisos;
    MedidorFijo medidor;
};

TEST_F(CargaLotesySeries, VentanaYConsultaDeSalida)
{
    auto f = Salida(QStringLiteral("LOTE"), Lotes, 7);
    ASSERT_FALSE(s.Enviado().isEmpty());
    EXPECT_EQ(s.Enviado().last(), QStringLiteral("SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = 'LOTE                     ' "
                                             "AND IDDEPOSITO = '1   ' ORDER BY NROLOTE, NROSERIE "));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Números de Lote (Deposito: 1   )"));
    EXPECT_EQ(f->lblArticulo->text(), QStringLiteral("Sillon Reclinable"));
    EXPECT_EQ(f->CmdAceptar->text(), QStringLiteral("F2 &Aceptar"));
    EXPECT_EQ(Titulos(*f), QStringLiteral("LOTE|SERIE|CANT. STOCK|CANT. "));
    EXPECT_EQ(f->MSFlexGrid1.FixedCols(), 2);
    EXPECT_EQ(f->MSFlexGrid1.ColAlignment(0), flexAlignCenterTop);
    // The serial column stays hidden whatever its title; the others fit their longest text.
    EXPECT_EQ(f->MSFlexGrid1.ColWidth(1), 0);
    EXPECT_EQ(f->MSFlexGrid1.ColWidth(0), medidor.AnchoX(4));
    EXPECT_EQ(f->MSFlexGrid1.ColWidth(2), medidor.AnchoX(11));
    EXPECT_EQ(f->MSFlexGrid1.Row(), 1);
    EXPECT_EQ(f->MSFlexGrid1.Col(), 3);
    EXPECT_EQ(f->Toolbar1->actions().size(), 2);

    struct Caso {
        Modo modo;
        const char* titulo;
        const char* encabezado;
        bool loteOculto, serieOculta;
    };
    const Caso casos[] = {
        {LoteYSerie, "Números de Lote y Serie (Deposito: 1   )", "LOTE|SERIE|CANT. STOCK|CANT. ", false, false},
        {SeriesSolas, "Números de Serie (Deposito: 1   )", "LOTE|SERIE|CANT. STOCK|CANT. ", true, false},
        {{false, true, true}, "Talles, Colores, Sexo (Deposito: 1   )", "TALLE-COLOR-SEXO|SERIE|CANT. STOCK|CANT. ", false, true},
        // Sizes clear the lot of a lot-and-serial article.
        {{true, true, true}, "Talles, Colores, Sexo (Deposito: 1   )", "TALLE-COLOR-SEXO|SERIE|CANT. STOCK|CANT. ", true, false},
        {{}, "Numeros de Serie", "LOTE|SERIE|CANT. STOCK|CANT. ", true, true},
    };
    for (const Caso& c : casos) {
        f = Salida(QStringLiteral("LYS"), c.modo, 1);
        EXPECT_EQ(f->windowTitle(), QString::fromUtf8(c.titulo)) << c.titulo;
        EXPECT_EQ(Titulos(*f), QString::fromUtf8(c.encabezado)) << c.titulo;
        EXPECT_EQ(f->MSFlexGrid1.ColWidth(0) == 0, c.loteOculto) << c.titulo;
        EXPECT_EQ(f->MSFlexGrid1.ColWidth(1) == 0, c.serieOculta) << c.titulo;
    }
    f = Salida(QStringLiteral("LYS"), {true, true, true}, 1);
    EXPECT_FALSE(f->EsLote);
    EXPECT_FALSE(f->EsSerieYLote);

    // Article and depot go in with their apostrophes doubled.
    ModGlobal::gSesionBD->LimpiaBitacora();
    auto g = Nuevo(Lotes, 1);
    g->EsConsultaDeSerieLote = true;
    g->Articulo = QStringLiteral("D'OR");
    g->Deposito = QStringLiteral("O'1 ");
    g->CargaDatos();
    ASSERT_FALSE(s.Enviado().isEmpty());
    EXPECT_TRUE(s.Enviado().last().contains(QStringLiteral("IdArticulo = 'D''OR                     ' AND IDDEPOSITO = 'O''1 '")));
}

TEST_F(CargaLotesySeries, SaldosPorLoteYSerie)
{
    struct Caso {
        const char* nombre;
        const char* articulo;
        Modo modo;
        double cantidad;
        Pedido pedido;
        Filas filas;
    };
    const Caso casos[] = {
        {"positions and signs summed by key, proposal", "LOTE", Lotes, 7, {},
         {"L1||5|5", "L2||6|2", "|||0"}},
        {"another line took from L1", "LOTE", Lotes, 7, {"", "", K("|L1~|L1 ~ |L9~|~|"), "|2|1|4|3|"},
         {"L1||2|2", "L2||6|5", "|||0"}},
        {"previous choice put back", "LOTE", Lotes, 5, {K("|l2~|L1~|"), "|4|1|", "", ""},
         {"L1||5|1", "L2||6|4", "|||"}},
        {"a previous lot gone from stock, and the trailing key", "LOTE", Lotes, 5, {K("|L9~|L1~|~|"), "|2|1|2,5|", "", ""},
         {"L1||5|1", "L2||6|", "L9||0|2", "|||2"}},
        {"lot and serial on every row, no lot first", "LYS", LoteYSerie, 2, {},
         {"|S0|1|1", "M1|S1|1|1", "M1|S2|1|0", "M2|S3|1|0", "|||0"}},
        // The trailing row's key is the stock without lot's too: each row takes its own item.
        {"a previous choice from stock without lot", "SINL", Lotes, 4, {K("|~|L1~|~|"), "|3|1|0|", "", ""},
         {"||5|3", "L1||3|1", "|||0"}},
        {"a lot the previous list holds twice adds up", "LOTE", Lotes, 5, {K("|L1~|L2~|l1~|"), "|2|1|2|", "", ""},
         {"L1||5|4", "L2||6|1", "|||"}},
        {"a previous lot and serial split into its columns", "LYS", LoteYSerie, 2, {K("|M9~S9|M1~S2|"), "|1|1|", "", ""},
         {"|S0|1|", "M1|S1|1|", "M1|S2|1|1", "M2|S3|1|", "M9|S9|0|1", "|||"}},
        // Its key is the trailing row's too: the stock row comes first and takes the deduction.
        {"another line took stock without lot", "SINL", Lotes, 4, {"", "", K("|~|L1~|~|"), "|2|1|0|"},
         {"||3|3", "L1||2|1", "|||0"}},
        {"another line took serial S1 of M1 only", "LYS", LoteYSerie, 1, {"", "", K("|M1~S1|"), "|1|"},
         {"|S0|1|1", "M1|S1|0|0", "M1|S2|1|0", "M2|S3|1|0", "|||0"}},
        {"serials only, the issued one gone", "SER", SeriesSolas, 1, {}, {"|A1|1|1", "|A2|1|0", "|||0"}},
        {"nothing in stock: previous keys only, no trailing row", "NADA", Lotes, 3, {K("|X1~|"), "|3|", "", ""}, {"X1||0|0"}},
        {"nothing in stock, nothing before", "NADA", Lotes, 3, {}, {}},
        // Rows whose sums leave nothing are no stock: no trailing row to take the request.
        {"every lot issued, nothing before", "AGO", Lotes, 3, {}, {}},
        {"every lot issued: previous keys only", "AGO", Lotes, 3, {K("|G1~|"), "|3|", "", ""}, {"G1||0|0"}},
    };
    for (const Caso& c : casos) {
        auto f = Salida(QString::fromLatin1(c.articulo), c.modo, c.cantidad, c.pedido);
        EXPECT_EQ(Grilla(*f), c.filas) << c.nombre;
    }
    EXPECT_TRUE(avisos.preguntas.empty());
}

// The stock's lots are trimmed of blanks only: a lot stored with a carriage
// return or a tab at its end is a lot of its own, not one more of "T1".
TEST_F(CargaLotesySeries, LotesQueTerminanEnSaltoOTabulador)
{
    s.bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IdDeposito, NroLote, NroSerie, IdPosicion, CANTIDAD) VALUES "
        "('CRT', '1', 'T1', NULL, NULL, 3), ('CRT', '1', ' T1 ', NULL, NULL, 1), "
        "('CRT', '1', 'T1' || char(13), NULL, NULL, 2), ('CRT', '1', 'T1' || char(9), NULL, NULL, 4)"));
    auto f = Salida(QStringLiteral("CRT"), Lotes, 6);
    EXPECT_EQ(Grilla(*f), (Filas{"T1||4|4", "T1\t||4|2", "T1\r||2|0", "|||0"}));
    f->CmdAceptar_Click();
    EXPECT_EQ(f->Lotes, QString::fromUtf8("|T1ÿ|T1\tÿ|T1\rÿ|ÿ|"));
    EXPECT_EQ(f->Series, QStringLiteral("|4|2|0|0|"));
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST_F(CargaLotesySeries, PropuestasSobreLaGrilla)
{
    // CompletaCantidades: each row up to its stock, a row without stock takes the rest.
    auto f = Salida(QStringLiteral("LOTE"), Lotes, 13);
    Cantidades(*f, {"", "", ""});
    f->CompletaCantidades();
    EXPECT_EQ(Grilla(*f), (Filas{"L1||5|5", "L2||6|6", "|||2"}));
    f->Cantidad = 4;
    Cantidades(*f, {"", "", ""});
    f->CompletaCantidades();
    EXPECT_EQ(Grilla(*f), (Filas{"L1||5|4", "L2||6|", "|||"}));
    // A stock pushed below 0 by other lines proposes nothing there.
    f = Salida(QStringLiteral("LOTE"), Lotes, 3, {"", "", K("|L1~|"), "|7|"});
    EXPECT_EQ(Grilla(*f), (Filas{"L1||-2|0", "L2||6|3", "|||0"}));
}

TEST_F(CargaLotesySeries, GrillaDeCarga)
{
    struct Caso {
        const char* nombre;
        Modo modo;
        double cantidad;
        const char* lotes;
        const char* series;
        const char* encabezado;   // columns 1-3
        Filas filas;              // columns 1-3
    };
    const Caso casos[] = {
        {"lots, '-' kept, the list longer than the grid", Lotes, 3, "|A|-|B|C|", "", "ITEM|Número de Lote|",
         {"1|A|", "2|-|", "3|B|"}},
        {"serials into the value column", SeriesSolas, 3, "", "|S1|S2|", "ITEM|Número de Serie|", {"1|S1|", "2|S2|", "3||"}},
        {"lot and serial", LoteYSerie, 2, "|L1|L1|", "| S1|S2|", "ITEM|Número de Lote|Número de Serie",
         {"1|L1| S1", "2|L1|S2"}},
        {"two leading bars dropped, an unclosed item not read", Lotes, 3, "||A|B", "", "ITEM|Número de Lote|",
         {"1|A|", "2||", "3||"}},
        {"a blank list writes nothing", Lotes, 2, "| | |", "", "ITEM|Número de Lote|", {"1||", "2||"}},
        {"single-list modes read serials then lots", Lotes, 3, "|L1|", "|S1|", "ITEM|Número de Lote|",
         {"1|S1|", "2||", "3|L1|"}},
        // Quantity and title row rounded together, halves to even: 3.5 rows are 4, 2.5 are 2.
        {"half units, rows to even", Lotes, 2.5, "", "", "ITEM|Número de Lote|", {"1||", "2||", "3||"}},
        {"another half", Lotes, 1.5, "", "", "ITEM|Número de Lote|", {"1||"}},
        {"a negative quantity counts its units", SeriesSolas, -3.5, "", "", "ITEM|Número de Serie|", {"1||", "2||", "3||"}},
        {"a fraction below a half makes no row of its own", Lotes, 2.4, "", "", "ITEM|Número de Lote|", {"1||", "2||"}},
    };
    for (const Caso& c : casos) {
        auto f = Entrada(c.modo, c.cantidad, QString::fromUtf8(c.lotes), QString::fromUtf8(c.series));
        QStringList t;
        for (int j = 1; j < 4; ++j)
            t << f->MSFlexGrid1.TextMatrix(0, j);
        EXPECT_EQ(t.join(u'|'), QString::fromUtf8(c.encabezado)) << c.nombre;
        EXPECT_EQ(Grilla(*f, 1), c.filas) << c.nombre;
        EXPECT_EQ(f->MSFlexGrid1.ColWidth(0), 0) << c.nombre;
        EXPECT_EQ(f->MSFlexGrid1.ColWidth(3) == 0, !c.modo.serie || !c.modo.lote) << c.nombre;
        EXPECT_EQ(f->MSFlexGrid1.FixedCols(), 1) << c.nombre;
    }
    EXPECT_TRUE(avisos.preguntas.empty());

    // Above 100 000 units: no rows, and nothing to hand back.
    auto f = Entrada(Lotes, 100001);
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto,
              QStringLiteral("La cantidad supera las 100000 unidades: no se pueden informar lotes o series de a una"));
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::Informacion);
    EXPECT_EQ(f->MSFlexGrid1.Rows(), 1);
    f->Lotes = QStringLiteral("antes");
    f->CmdAceptar_Click();
    EXPECT_EQ(f->Lotes, QString());
    EXPECT_EQ(f->Series, QString());
}

TEST_F(CargaLotesySeries, AceptarEnSalida)
{
    struct Caso {
        const char* nombre;
        double cantidad;
        bool mostrar;
        Filas cantidades;
        std::vector<int> respuestas;
        QStringList textos;        // the boxes shown, in order
        double cantidadFinal;
        const char* lotes;         // "antes": unchanged
        const char* series;
    };
    const char* supera = "La suma de las cantidades Informadas, supera a la solicitada en el Formulario de Carga de Datos\r\n"
                         "¿Desea Ajustar la Cantidad Solicitada en el Formulario?";
    const char* menor = "La suma de las cantidades Informadas, Es Menor a la solicitada en el Formulario de Carga de Datos\r\n"
                        "¿Desea Ajustar la Cantidad Solicitada en el Formulario?";
    const Caso casos[] = {
        {"equal: every row, quantity or not", 7, false, {"5", "2", "0"}, {}, {}, 7, "|L1~|L2~|~|", "|5|2|0|"},
        {"an empty cell as '-'", 5, false, {"5", "", ""}, {}, {}, 5, "|L1~|L2~|~|", "|5|-|-|"},
        {"above, Yes", 7, false, {"5", "3", "0"}, {Avisos::Si}, {supera}, 8, "|L1~|L2~|~|", "|5|3|0|"},
        {"above, No", 4, false, {"4", "1", "0"}, {Avisos::No}, {supera, "Debe Ajustar la suma de las cantidades a :4"}, 4,
         "antes", "antes"},
        {"short and silent", 7, false, {"1", "0", "0"}, {}, {"El Stock es Menor a la cantidad solicitada "}, 7, "antes", "antes"},
        {"short and shown, Yes", 7, true, {"1", "2", "0"}, {Avisos::Si}, {menor}, 3, "|L1~|L2~|~|", "|1|2|0|"},
        {"short and shown, No", 7, true, {"1", "2", "0"}, {Avisos::No}, {menor, "Debe Ajustar la suma de las cantidades a :7"}, 7,
         "antes", "antes"},
        {"a negative typed past the editor", 7, false, {"9", "-2", "0"}, {}, {"La Cantidad no puede ser Menor a Cero"}, 7, "antes",
         "antes"},
    };
    for (const Caso& c : casos) {
        avisos.preguntas.clear();
        for (int r : c.respuestas)
            avisos.Responder({r});
        auto f = Salida(QStringLiteral("LOTE"), Lotes, c.cantidad);
        f->MostrarForm = c.mostrar;
        f->Lotes = QStringLiteral("antes");
        f->Series = QStringLiteral("antes");
        Cantidades(*f, c.cantidades);
        f->CmdAceptar_Click();
        QStringList textos;
        for (const auto& p : avisos.preguntas)
            textos << p.texto;
        QStringList esperados;
        for (const QString& t : c.textos)
            esperados << t;
        EXPECT_EQ(textos, esperados) << c.nombre;
        EXPECT_DOUBLE_EQ(f->Cantidad, c.cantidadFinal) << c.nombre;
        EXPECT_EQ(f->Lotes, K(c.lotes)) << c.nombre;
        EXPECT_EQ(f->Series, QString::fromUtf8(c.series)) << c.nombre;
        EXPECT_EQ(f->result() == QDialog::Accepted, QString::fromUtf8(c.lotes) != QLatin1String("antes")) << c.nombre;
    }
    // The boxes' icons and titles.
    avisos.preguntas.clear();
    avisos.Responder({Avisos::No});
    auto f = Salida(QStringLiteral("LOTE"), Lotes, 4);
    Cantidades(*f, {"4", "1", "0"});
    f->CmdAceptar_Click();
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::SiNo + Avisos::Pregunta);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador!!!"));
    EXPECT_EQ(avisos.preguntas[1].botones, Avisos::Critico);
    EXPECT_EQ(avisos.preguntas[1].titulo, QStringLiteral("Aviso al Operador"));
    avisos.preguntas.clear();
    Cantidades(*f, {"1", "0", "0"});
    f->CmdAceptar_Click();
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::Informacion);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador!!!"));

    // Lot and serial: the keys carry both.
    f = Salida(QStringLiteral("LYS"), LoteYSerie, 2);
    f->CmdAceptar_Click();
    EXPECT_EQ(f->Lotes, K("|~S0|M1~S1|M1~S2|M2~S3|~|"));
    EXPECT_EQ(f->Series, QStringLiteral("|1|1|0|0|0|"));

    // Every lot issued: a silent request is short, not taken without lot.
    avisos.preguntas.clear();
    f = Salida(QStringLiteral("AGO"), Lotes, 3);
    f->Lotes = QStringLiteral("antes");
    f->CmdAceptar_Click();
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("El Stock es Menor a la cantidad solicitada "));
    EXPECT_EQ(f->Lotes, QStringLiteral("antes"));
    EXPECT_NE(f->result(), QDialog::Accepted);
}

TEST_F(CargaLotesySeries, AceptarEnCarga)
{
    struct Caso {
        const char* nombre;
        Modo modo;
        double cantidad;
        Filas valores, series;   // columns 2 and 3
        const char* lotes;
        const char* seriesLista;
    };
    const Caso casos[] = {
        {"lot and serial return both lists", LoteYSerie, 2, {"L1", "L2"}, {"S1", ""}, "|L1|L2|", "|S1|-|"},
        {"lots filled down, not the first", Lotes, 4, {"", "A", "", "B "}, {}, "|-|A|A|B|", ""},
        {"lot and serial fill the lot only", LoteYSerie, 2, {"L1", ""}, {"S1", ""}, "|L1|L1|", "|S1|-|"},
        {"serials only, never filled", SeriesSolas, 2, {"S1", ""}, {}, "", "|S1|-|"},
        {"untouched cells are '-'", Lotes, 2, {}, {}, "|-|-|", ""},
        {"sizes", {false, true, true}, 1, {"ROJO M"}, {}, "|ROJO M|", ""},
        {"no data rows", Lotes, 0, {}, {}, "", ""},
    };
    for (const Caso& c : casos) {
        auto f = Entrada(c.modo, c.cantidad);
        f->Lotes = QStringLiteral("antes");
        f->Series = QStringLiteral("antes");
        Cantidades(*f, c.valores, 2);
        Cantidades(*f, c.series, 3);
        f->CmdAceptar_Click();
        EXPECT_EQ(f->result(), QDialog::Accepted) << c.nombre;
        EXPECT_EQ(f->Lotes, QString::fromUtf8(c.lotes)) << c.nombre;
        EXPECT_EQ(f->Series, QString::fromUtf8(c.seriesLista)) << c.nombre;
    }
    EXPECT_TRUE(avisos.preguntas.empty());

    // Serial numbers as "NRODESERIE * CANTIDAD" when the configuration says so.
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, Grupo, PoliticaNegocio) "
                                         "VALUES ('ART_FormatoSerieAsterisco', 'si', 'Stock', 0)"));
    ModGlobal::gTablaConfiguracion.clear();
    for (Modo m : {SeriesSolas, LoteYSerie}) {
        avisos.preguntas.clear();
        auto f = Entrada(m, 3);
        EXPECT_TRUE(f->UsaFormatoSerieAsterisco());
        const int columna = m.lote ? 3 : 2;
        Cantidades(*f, {"S1*2", "", "S2"}, columna);
        f->Series = QStringLiteral("antes");
        f->CmdAceptar_Click();
        ASSERT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("Segun configuracion del sistema, debe informar NRODESERIE * "
                                                            "CANTIDAD \r\nVerifique la configuracion del sistema - Stock / Otros"));
        EXPECT_EQ(avisos.preguntas[0].botones, 0);
        EXPECT_EQ(avisos.preguntas[0].titulo, Avisos::TituloAplicacion());
        EXPECT_EQ(f->Series, QStringLiteral("antes"));
        EXPECT_NE(f->result(), QDialog::Accepted);
        Cantidades(*f, {"S1*2", "", "S2*1"}, columna);
        f->CmdAceptar_Click();
        EXPECT_EQ(f->Series, QStringLiteral("|S1*2|-|S2*1|"));
    }
    // Lots never ask for it.
    avisos.preguntas.clear();
    auto f = Entrada(Lotes, 1);
    Cantidades(*f, {"L1"}, 2);
    f->CmdAceptar_Click();
    EXPECT_TRUE(avisos.preguntas.empty());
    EXPECT_EQ(f->Lotes, QStringLiteral("|L1|"));
}

TEST_F(CargaLotesySeries, CampoValida)
{
    struct Caso {
        const char* nombre;
        bool salida;
        Modo modo;
        int fila, columna;
        const char* texto;
        const char* mensaje;   // "" accepted
        const char* celda;     // the cell afterwards
    };
    const Caso casos[] = {
        {"below zero", true, Lotes, 1, 3, "-1", "La Cantidad no puede ser Menor a Cero", "1"},
        {"not a number", true, Lotes, 1, 3, "x", "La cantidad ingresada no es un número válido", "1"},
        {"above the stock", true, Lotes, 1, 3, "7", "La Cantidad supera a la cantidad disponible en Stock", "1"},
        {"a decimal for lots", true, Lotes, 1, 3, "2,5", "", "2.5"},
        {"not whole for serials", true, SeriesSolas, 1, 3, "0.5", "No Puede Informase Cantidades que no Sean Enteras", "1"},
        {"whole for serials", true, LoteYSerie, 1, 3, "1", "", "1"},
        {"a separator in a lot", false, Lotes, 1, 2, "A|B", "No puede informar los caracteres | ni ÿ", ""},
        {"Chr255 in a serial", false, LoteYSerie, 2, 3, "S\u00FF1", "No puede informar los caracteres | ni ÿ", ""},
        {"an asterisk goes in", false, SeriesSolas, 1, 2, "S1*2", "", "S1*2"},
    };
    for (const Caso& c : casos) {
        avisos.preguntas.clear();
        const QString articulo = !c.modo.serie ? QStringLiteral("LOTE") : c.modo.lote ? QStringLiteral("LYS") : QStringLiteral("SER");
        auto f = c.salida ? Salida(articulo, c.modo, 1) : Entrada(c.modo, 2);
        f->MSFlexGrid1.setRow(c.fila);
        f->MSFlexGrid1.setCol(c.columna);
        f->TxtEdit->setText(QString::fromUtf8(c.texto));
        f->CampoValida(*f->TxtEdit);
        const QString mensaje = QString::fromUtf8(c.mensaje);
        if (mensaje.isEmpty()) {
            EXPECT_TRUE(avisos.preguntas.empty()) << c.nombre;
        } else {
            ASSERT_EQ(avisos.preguntas.size(), 1u) << c.nombre;
            EXPECT_EQ(avisos.preguntas[0].texto, mensaje) << c.nombre;
            EXPECT_EQ(avisos.preguntas[0].botones, Avisos::Critico) << c.nombre;
            EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador")) << c.nombre;
        }
        EXPECT_EQ(f->MSFlexGrid1.TextMatrix(c.fila, c.columna), QString::fromUtf8(c.celda)) << c.nombre;
    }
    // In entry mode the row number is not edited.
    auto f = Entrada(Lotes, 2);
    f->MSFlexGrid1.setCol(1);
    EXPECT_FALSE(f->Edicion().Edicion().Abre());
}

// ---- The real dialog, shown through the dialog service -------------------------------

class DialogoCargaLotesySeries : public CargaLotesySeries {
protected:
    int Muestra(FrmCargaLotesySeries& f, const std::function<void(FrmCargaLotesySeries&)>& operador)
    {
        f.lblArticulo->setText(f.Articulo);
        return DialogoPrueba::Muestra(avisos, f, operador);
    }
    static void Teclea(FrmCargaLotesySeries& f, const QString& texto) { DialogoPrueba::TecleaEnGrilla(f, texto); }
    static QToolButton* Boton(FrmCargaLotesySeries& f, int indice) { return DialogoPrueba::Boton(f, indice); }
    static QString Columna(const FrmCargaLotesySeries& f, int columna)
    {
        QStringList c;
        for (int i = 1; i < f.MSFlexGrid1.Rows(); ++i)
            c << f.MSFlexGrid1.TextMatrix(i, columna);
        return c.join(u'|');
    }
};

TEST_F(DialogoCargaLotesySeries, SalidaConLasTeclas)
{
    auto f = Salida(QStringLiteral("LYS"), LoteYSerie, 2);
    const int r = Muestra(*f, [this](FrmCargaLotesySeries& f) {
        QWidget* grilla = f.vistaMSFlexGrid1;
        EXPECT_EQ(Columna(f, 3), QStringLiteral("1|1|0|0|0"));
        // Lot and serial are fixed: Left stops on the stock, which takes no entry.
        QTest::keyClick(grilla, Qt::Key_Left);
        QTest::keyClick(grilla, Qt::Key_Left);
        EXPECT_EQ(f.MSFlexGrid1.Col(), 2);
        QTest::keyClicks(grilla, QStringLiteral("1"));
        EXPECT_FALSE(f.TxtEdit->isVisible());
        QTest::keyClick(grilla, Qt::Key_Right);
        EXPECT_EQ(f.MSFlexGrid1.Col(), 3);
        // Half a serial is refused and the editor stays; Esc gives the cell back.
        Teclea(f, QStringLiteral("0.5"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Return);
        ASSERT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_EQ(avisos.preguntas[0].texto, QStringLiteral("No Puede Informase Cantidades que no Sean Enteras"));
        EXPECT_TRUE(f.TxtEdit->isVisible());
        QTest::keyClick(f.TxtEdit, Qt::Key_Escape);
        EXPECT_FALSE(f.TxtEdit->isVisible());
        EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 3), QStringLiteral("1"));
        // Two of one serial are more than the stock.
        Teclea(f, QStringLiteral("2"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Return);
        ASSERT_EQ(avisos.preguntas.size(), 2u);
        EXPECT_EQ(avisos.preguntas[1].texto, QStringLiteral("La Cantidad supera a la cantidad disponible en Stock"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Escape);
        // A whole one goes in, Enter moves down.
        Teclea(f, QStringLiteral("0"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Return);
        EXPECT_EQ(f.MSFlexGrid1.Row(), 2);
        EXPECT_EQ(Columna(f, 3), QStringLiteral("0|1|0|0|0"));
        // Fill below row 2, then blank below row 3.
        QTest::mouseClick(Boton(f, 1), Qt::LeftButton);
        EXPECT_EQ(Columna(f, 3), QStringLiteral("0|1|1|1|1"));
        f.MSFlexGrid1.setRow(3);
        QTest::mouseClick(Boton(f, 2), Qt::LeftButton);
        EXPECT_EQ(Columna(f, 3), QStringLiteral("0|1|1|0|0"));
        // F2 with the editor open: the value goes through the check, then the total (3 for 2, answered Yes).
        f.MSFlexGrid1.setRow(4);
        Teclea(f, QStringLiteral("1"));
        avisos.Responder({Avisos::Si});
        QTest::keyClick(f.TxtEdit, Qt::Key_F2);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(r, QDialog::Accepted);
    ASSERT_EQ(avisos.preguntas.size(), 3u);
    EXPECT_TRUE(avisos.preguntas[2].texto.contains(QStringLiteral("supera")));
    EXPECT_DOUBLE_EQ(f->Cantidad, 3);
    EXPECT_EQ(f->Lotes, K("|~S0|M1~S1|M1~S2|M2~S3|~|"));
    EXPECT_EQ(f->Series, QStringLiteral("|0|1|1|1|0|"));
}

TEST_F(DialogoCargaLotesySeries, CargaConLasTeclasYCancelar)
{
    auto f = Entrada(LoteYSerie, 2);
    int r = Muestra(*f, [](FrmCargaLotesySeries& f) {
        QWidget* grilla = f.vistaMSFlexGrid1;
        EXPECT_EQ(f.MSFlexGrid1.Col(), 2);
        // The separators never go in.
        Teclea(f, QStringLiteral("L|1\u00FF"));
        EXPECT_EQ(f.TxtEdit->text(), QStringLiteral("L1"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Up);
        EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 2), QStringLiteral("L1"));
        // Fill the lot down; the serial of row 2.
        QTest::mouseClick(Boton(f, 1), Qt::LeftButton);
        QTest::keyClick(grilla, Qt::Key_Down);
        QTest::keyClick(grilla, Qt::Key_Right);
        EXPECT_EQ(f.MSFlexGrid1.Col(), 3);
        Teclea(f, QStringLiteral("S2"));
        QTest::keyClick(f.TxtEdit, Qt::Key_Tab);
        // The row number is not edited.
        QTest::keyClick(grilla, Qt::Key_Left);
        QTest::keyClick(grilla, Qt::Key_Left);
        EXPECT_EQ(f.MSFlexGrid1.Col(), 1);
        QTest::keyClicks(grilla, QStringLiteral("9"));
        EXPECT_FALSE(f.TxtEdit->isVisible());
        QTest::keyClick(grilla, Qt::Key_F2);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(r, QDialog::Accepted);
    EXPECT_EQ(f->Lotes, QStringLiteral("|L1|L1|"));
    EXPECT_EQ(f->Series, QStringLiteral("|-|S2|"));

    // Cancel hands back the lists and the quantity as they were.
    f = Salida(QStringLiteral("LOTE"), Lotes, 7);
    f->Lotes = QStringLiteral("antes");
    f->Series = QStringLiteral("antes");
    r = Muestra(*f, [](FrmCargaLotesySeries& f) {
        Teclea(f, QStringLiteral("3"));
        QTest::mouseClick(f.CmdCancelar, Qt::LeftButton);
    });
    EXPECT_EQ(r, QDialog::Rejected);
    EXPECT_EQ(f->Lotes, QStringLiteral("antes"));
    EXPECT_EQ(f->Series, QStringLiteral("antes"));
    EXPECT_DOUBLE_EQ(f->Cantidad, 7);

    // Also while the editor holds a quantity its check refuses: nothing is asked.
    f = Salida(QStringLiteral("LOTE"), Lotes, 7);
    f->Lotes = QStringLiteral("antes");
    r = Muestra(*f, [](FrmCargaLotesySeries& f) {
        Teclea(f, QStringLiteral("99"));
        QTest::mouseClick(f.CmdCancelar, Qt::LeftButton);
    });
    EXPECT_EQ(r, QDialog::Rejected);
    EXPECT_TRUE(avisos.preguntas.empty());
    EXPECT_EQ(f->Lotes, QStringLiteral("antes"));
    EXPECT_DOUBLE_EQ(f->Cantidad, 7);
}

TEST_F(DialogoCargaLotesySeries, SalidaSilenciosaSinVentana)
{
    auto f = Salida(QStringLiteral("LOTE"), Lotes, 7);
    f->MostrarForm = false;
    f->CmdAceptar_Click();
    EXPECT_FALSE(f->isVisible());
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(f->Lotes, K("|L1~|L2~|~|"));
    EXPECT_EQ(f->Series, QStringLiteral("|5|2|0|"));
    EXPECT_TRUE(avisos.preguntas.empty());
}

}  // namespace
