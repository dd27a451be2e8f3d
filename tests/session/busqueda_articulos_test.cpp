#include "support/avisos_grabados.h"
#include "support/carpeta_temporal.h"
#include "support/sesion_global.h"

#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

// One call's arguments, kept to be looked at afterwards.
struct Llamada {
    explicit Llamada(QString c) : codigo(std::move(c)) {}

    QString codigo;
    Recordset rs;
    bool porCodigoBarra = false;
    QString descripcion, udBase, lote;
    double cantidad = 0;
    Moneda importe;
    short control = 0;

    bool busca(const QString& cuenta = QString(), const QString& lista = QString(), const QString& tc = QString(),
               bool soloLectura = true)
    {
        return BuscaArticulo(codigo, rs, soloLectura, porCodigoBarra, descripcion, cuenta, udBase, lista, cantidad,
                             importe, lote, tc, control);
    }
};

// A chair with every kind of barcode, articles found by short and by signed
// codes, two supplies bought by the supplier's code (one through a price list),
// and an article of another business unit.
class BuscaArticuloTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.bd.Sesion().Ejecuta(QStringLiteral(
            "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdUnidad, idTipo, codigobarra, CODIGOBARRADUN, UD_TTE,"
            " CODIGOBARRA1, UMCB1, CODIGOBARRA2, UMCB2, CODIGOBARRA3, UMCB3, CODIGOBARRA4, UMCB4) VALUES"
            " ('SILLA01', 'Silla de pino', 'UN', 'T1', '7791234000017', '17791234000014', 'CAJ',"
            "  '7791234000024', 'PAR', '7791234000031', NULL, '7791234000048', 'DOC', '7791234000055', 'PAL')"));
        s.bd.Sesion().Ejecuta(QStringLiteral(
            "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdUnidad, idTipo, CodigoArtProveedor, CuentaProveedor) VALUES"
            " ('100', 'Cola vinilica', 'KG', 'T1', NULL, NULL),"
            " ('123', 'Barniz', 'LT', 'T2', NULL, NULL),"
            " ('A1', 'Lija fina', 'UN', 'T1', NULL, NULL),"
            " ('012345678901', 'Bisagra', 'UN', 'T1', NULL, NULL),"
            " ('2123456789012', 'Corredera', 'PAR', 'T1', NULL, NULL),"
            " ('212345678901', 'Manija', 'UN', 'T1', NULL, NULL),"
            " ('TABPIN', 'Tabla de pino', 'ML', 'T1', 'AS-P16', 'P0001'),"
            " ('TABROB', 'Tabla de roble', 'ML', 'T1', 'AS-R14', 'P0001'),"
            " ('TORN01', 'Tornillo', 'CAJ', 'T1', 'HL.T440', 'P0002')"));
        // A blank barcode, as many articles have.
        s.bd.Sesion().Ejecuta(QStringLiteral(
            "INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion, IdUnidad, codigobarra) VALUES ('CLAVO', 'Clavo', 'UN', '')"));
        s.bd.Sesion().Ejecuta(QStringLiteral(
            "INSERT INTO V_MA_PRECIOS (IDLISTA, IDARTICULO, IDARTICULOPROVEEDOR, idunidad, TIPOLISTA) VALUES"
            " ('C1', 'TABROB', 'AS-R14', 'PAQ', 'C'), ('V1', 'TABPIN', 'AS-P16', 'ML', 'V')"));
        InfoSistema::FijarCarpetaSistema(sistema.Ruta());
        temp_ = qgetenv("TEMP");
        qputenv("TEMP", "");
    }
    void TearDown() override
    {
        Sistema::FijarNombreEjecutable(QString());
        gAsignacionAutomaticaDeLoteING = gAsignacionAutomaticaDeLoteINGOP = false;
        gRazonSocialPorUneg = false;
        gUnegocio.clear();
        InfoSistema::FijarCarpetaSistema(QString());
        qputenv("TEMP", temp_);
    }

    // Each statement sent, named by the column it looks in.
    QStringList camino() const
    {
        QStringList r;
        for (const QString& sql : s.Enviado()) {
            const qsizetype w = sql.indexOf(QLatin1String("WHERE "));
            const QString columna = sql.mid(w + 6).section(u' ', 0, 0);
            r << columna;
        }
        return r;
    }

    SesionGlobal s;
    AvisosGrabados avisos;
    CarpetaTemporal sistema;
    QByteArray temp_;
};

struct Entrada {
    const char* codigo;
    bool porCodigoBarra = false;
    const char* cuenta = "";
    const char* lista = "";
    const char* ejecutable = "V_Pelmaro";
    bool lotes = false;
};

struct Salida {
    bool encontrado;
    const char* codigo;
    const char* camino;      // the columns looked in, in order
    double cantidad = -1;    // -1: left as it was
    const char* lote = "?";  // "?": left as it was
    const char* udBase = "";
    const char* unidadFila = nullptr;   // the row's IDUNIDAD, when it has one to check
    bool porCodigoBarraDespues = false;
};

struct Caso {
    Entrada e;
    Salida s;
};

const char* const Todo = "IDARTICULO codigobarra CODIGOBARRADUN CODIGOBARRA1 CODIGOBARRA2 CODIGOBARRA3 CODIGOBARRA4 IDARTICULO";
const char* const TodoPorBarra =
    "codigobarra codigobarra CODIGOBARRADUN CODIGOBARRA1 CODIGOBARRA2 CODIGOBARRA3 CODIGOBARRA4 IDARTICULO";

TEST_F(BuscaArticuloTest, CadaCaminoYCadaPrefijo)
{
    const QString todo = QString::fromUtf8(Todo);
    auto conProveedor = [&](const char* resto) { return (todo + u' ' + QString::fromUtf8(resto)).toUtf8(); };
    const QByteArray proveedor = conProveedor("CodigoArtProveedor");
    const QByteArray proveedorDosVeces = conProveedor("CodigoArtProveedor CodigoArtProveedor");
    const QByteArray porLista = conProveedor("IDARTICULOPROVEEDOR idarticulo");
    const QByteArray listaSinFila = conProveedor("IDARTICULOPROVEEDOR CodigoArtProveedor");

    const Caso casos[] = {
        // By article id first, then the barcode twice when asked for it.
        {{"SILLA01"}, {true, "SILLA01", "IDARTICULO", -1, "?", "UN"}},
        {{"7791234000017", true}, {true, "SILLA01", "codigobarra", -1, "?", "UN", nullptr, true}},
        {{"7791234000017"}, {true, "SILLA01", "IDARTICULO codigobarra", -1, "?", "UN"}},
        // Three characters or fewer: never by barcode first.
        {{"100", true}, {true, "100", "IDARTICULO", -1, "?", "KG"}},
        // The unit barcodes: the row brings the barcode's unit, UdBase stays the article's.
        {{"17791234000014"}, {true, "SILLA01", "IDARTICULO codigobarra CODIGOBARRADUN", -1, "?", "UN", "CAJ"}},
        {{"7791234000024"}, {true, "SILLA01", "IDARTICULO codigobarra CODIGOBARRADUN CODIGOBARRA1", -1, "?", "UN", "PAR"}},
        {{"7791234000031"},
         {true, "SILLA01", "IDARTICULO codigobarra CODIGOBARRADUN CODIGOBARRA1 CODIGOBARRA2", -1, "?", "UN", "UN"}},
        {{"7791234000048"},
         {true, "SILLA01", "IDARTICULO codigobarra CODIGOBARRADUN CODIGOBARRA1 CODIGOBARRA2 CODIGOBARRA3", -1, "?", "UN",
          "DOC"}},
        {{"7791234000055", true},
         {true, "SILLA01", "codigobarra codigobarra CODIGOBARRADUN CODIGOBARRA1 CODIGOBARRA2 CODIGOBARRA3 CODIGOBARRA4", -1,
          "?", "UN", "PAL", true}},
        {{"NOEXISTE", true}, {false, "NOEXISTE", TodoPorBarra, -1, "?", "", nullptr, true}},
        // Quantity prefix.
        {{"12*100"}, {true, "100", "IDARTICULO", 12, "?", "KG"}},
        {{"1,5* 100"}, {true, "100", "IDARTICULO", 1.5, "?", "KG"}},
        {{"0*100"}, {false, "0*100", Todo, 0}},
        {{"12*100", false, "", "", "halvessa"}, {false, "12*100", Todo}},
        {{"12*"}, {false, "", "", 12}},   // nothing left to look for: never the article without a barcode
        {{"12* ", true}, {false, "", "", 12, "?", "", nullptr, true}},
        // Lot prefix, only with automatic lots and outside the article-master modules.
        {{"15A123", false, "", "", "V_Pelmaro", true}, {true, "123", "IDARTICULO", -1, "15", "LT"}},
        {{"15a123", false, "", "", "V_Pelmaro", true}, {true, "123", "IDARTICULO", -1, "15", "LT"}},
        {{"A123", false, "", "", "V_Pelmaro", true}, {true, "123", "IDARTICULO", -1, "", "LT"}},
        {{"A1", false, "", "", "V_Pelmaro", true}, {true, "A1", "IDARTICULO", -1, "?", "UN"}},
        {{"15A123"}, {false, "15A123", Todo}},
        {{"A123"}, {false, "A123", Todo}},
        {{"15A123", false, "", "", "IBRANDOL", true}, {false, "15A123", Todo}},
        // A leading minus sign read by the scanner.
        {{"-012345678901"}, {true, "012345678901", "IDARTICULO", -1, "?", "UN"}},
        {{"-2123456789012"}, {true, "2123456789012", "IDARTICULO", -1, "?", "PAR"}},
        {{"-212345678901"}, {false, "-212345678901", Todo}},
        // An apostrophe is looked for like any character.
        {{"O'Brien"}, {false, "O'Brien", Todo}},
        // The supplier's code, only with a supplier account.
        {{"AS-P16"}, {false, "AS-P16", Todo}},
        {{"AS-P16", false, " P0001 "}, {true, "TABPIN", proveedor.constData(), -1, "?", "ML"}},
        {{"AS-P16", false, "P0002"}, {false, "AS-P16", proveedor.constData()}},
        {{"AS-R14", false, "P0001", " C1 "}, {true, "TABROB", porLista.constData(), -1, "?", "ML"}},
        {{"AS-P16", false, "P0001", "C1"}, {true, "TABPIN", listaSinFila.constData(), -1, "?", "ML"}},
        {{"AS-P16", false, "P0001", "V1"}, {true, "TABPIN", listaSinFila.constData(), -1, "?", "ML"}},   // a sales list
        // With a ".", once more as typed: found so, the typed code is kept.
        {{" HL.T440", false, "P0002"}, {true, " HL.T440", proveedorDosVeces.constData(), -1, "?", "CAJ"}},
        {{"XX.1", false, "P0002"}, {false, "XX.1", proveedorDosVeces.constData()}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.e.codigo);
        Sistema::FijarNombreEjecutable(QString::fromUtf8(c.e.ejecutable));
        gAsignacionAutomaticaDeLoteING = c.e.lotes;
        gSesionBD->LimpiaBitacora();

        // Every output starts with a value it should keep when not written.
        Llamada a{QString::fromUtf8(c.e.codigo)};
        a.porCodigoBarra = c.e.porCodigoBarra;
        a.descripcion = a.udBase = a.lote = QStringLiteral("?");
        a.cantidad = -1;
        a.importe = Moneda::DesdeEntero(7);
        const bool r = a.busca(QString::fromUtf8(c.e.cuenta), QString::fromUtf8(c.e.lista));
        EXPECT_EQ(r, c.s.encontrado);
        EXPECT_EQ(a.codigo, QString::fromUtf8(c.s.codigo));
        EXPECT_EQ(camino().join(u' ').toStdString(), c.s.camino);
        EXPECT_EQ(a.cantidad, c.s.cantidad);
        EXPECT_EQ(a.lote, QString::fromUtf8(c.s.lote));
        EXPECT_EQ(a.udBase, QString::fromUtf8(c.s.udBase));
        EXPECT_EQ(a.porCodigoBarra, c.s.porCodigoBarraDespues);
        EXPECT_EQ(a.importe, Moneda::DesdeEntero(7));
        EXPECT_TRUE(avisos.preguntas.empty());
        if (!s.Enviado().isEmpty()) {
            // Registro is the last recordset opened, on the found row or empty.
            ASSERT_EQ(a.rs.State(), Recordset::Abierto);
            EXPECT_EQ(!a.rs.Eof(), r);
        }
        if (r) {
            EXPECT_EQ(a.descripcion, a.rs.Valor(QStringLiteral("Descripcion")).toString());
        } else {
            EXPECT_EQ(a.descripcion, QStringLiteral("?"));
        }
        if (c.s.unidadFila) {
            EXPECT_EQ(a.rs.Valor(QStringLiteral("IDUNIDAD")).toString(), QString::fromUtf8(c.s.unidadFila));
        }
    }
    // The typed code kept after the last supplier query: the article is in the row.
    Llamada a{QStringLiteral(" HL.T440")};
    ASSERT_TRUE(a.busca(QStringLiteral("P0002")));
    EXPECT_EQ(a.rs.Valor(QStringLiteral("IdArticulo")).toString(), QStringLiteral("TORN01"));
}

TEST_F(BuscaArticuloTest, UnCodigoVacioNoTocaNada)
{
    for (const char* vacio : {"", "   "}) {
        Llamada a{QString::fromUtf8(vacio)};
        gSesionBD->AbreRecordset(QStringLiteral("SELECT * FROM V_MA_ARTICULOS WHERE IDARTICULO = '100'"), a.rs);
        gSesionBD->LimpiaBitacora();
        a.porCodigoBarra = true;
        a.descripcion = a.udBase = QStringLiteral("?");
        EXPECT_FALSE(a.busca());
        EXPECT_TRUE(s.Enviado().isEmpty());
        EXPECT_TRUE(a.porCodigoBarra);
        EXPECT_EQ(a.udBase, QStringLiteral("?"));
        EXPECT_EQ(a.descripcion, QStringLiteral("?"));
        EXPECT_EQ(a.rs.Valor(QStringLiteral("IdArticulo")).toString(), QStringLiteral("100"));
    }
}

TEST_F(BuscaArticuloTest, LasSentenciasTalComoSeEnvian)
{
    Llamada a{QStringLiteral("ZZ.9")};
    a.porCodigoBarra = true;
    EXPECT_FALSE(a.busca(QStringLiteral(" P0001 "), QStringLiteral(" C1 "), QString(), false));
    const QString c25 = QStringLiteral("'ZZ.9                     '");
    const QString v = QStringLiteral("SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE ");
    auto unidad = [&](const char* u, const char* c) {
        return QStringLiteral("SELECT *,IDUNIDAD AS UDBASE , ISNULL(%1,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE %2 = ")
                   .arg(QLatin1String(u), QLatin1String(c)) +
               c25;
    };
    EXPECT_EQ(s.Enviado(),
              (QStringList{
                  QStringLiteral("SELECT *,IDUNIDAD AS UDBASE FROM V_MA_ARTICULOS WHERE codigobarra =  ") + c25,
                  v + QStringLiteral("codigobarra =  ") + c25,
                  unidad("UD_TTE", "CODIGOBARRADUN"),
                  unidad("UMCB1", "CODIGOBARRA1"),
                  unidad("UMCB2", "CODIGOBARRA2"),
                  unidad("UMCB3", "CODIGOBARRA3"),
                  unidad("UMCB4", "CODIGOBARRA4"),
                  v + QStringLiteral("IDARTICULO = ") + c25,
                  QStringLiteral("SELECT IDARTICULO,IDARTICULOPROVEEDOR,idunidad as UdBase FROM V_MA_PRECIOS WHERE "
                                 "IDARTICULOPROVEEDOR = ") +
                      c25 + QStringLiteral(" and IDLISTA = 'C1  ' AND TIPOLISTA = 'C'"),
                  v + QStringLiteral("CodigoArtProveedor = ") + c25 + QStringLiteral(" and CuentaProveedor = 'P0001'"),
                  v + QStringLiteral("CodigoArtProveedor = 'ZZ.9' and CuentaProveedor = 'P0001'"),
              }));
    // Not read-only: the row may be changed.
    EXPECT_EQ(a.rs.CursorType(), 2);
    EXPECT_EQ(a.rs.LockType(), 3);

    // The price list's row is followed by the article by its id.
    a.codigo = QStringLiteral("AS-R14");
    gSesionBD->LimpiaBitacora();
    ASSERT_TRUE(a.busca(QStringLiteral("P0001"), QStringLiteral("C1")));
    EXPECT_EQ(s.Enviado().last(), v + QStringLiteral("idarticulo = 'TABROB                   '"));
}

struct CasoUnidad {
    const char* codigo;
    const char* ejecutable;
    bool porUnidad;
    const char* tc;
    short control;
    bool encontrado;
    short controlDespues;
    bool mensaje;
};

TEST_F(BuscaArticuloTest, UnidadDeNegocioEnLosModulosDeVenta)
{
    const CasoUnidad casos[] = {
        {"123", "Brisola", true, "FC", 0, false, 0, true},
        {"123", "CANTEFO", true, "FC", 1, true, 2, false},
        {"123", "dunmarel", true, "FC", 3, true, 3, false},
        {"123", "Jorvenca", true, "fp", 0, true, 0, false},
        {"123", "Jorvenca", true, "NCFP", 0, true, 0, false},
        {"123", "Jorvenca", true, "Np", 0, true, 0, false},
        {"100", "Brisola", true, "FC", 0, true, 0, false},   // "t1": the same unit, letter case aside
        {"123", "V_Pelmaro", true, "FC", 0, true, 0, false},
        {"123", "Halvessa", true, "FC", 0, true, 0, false},
        {"123", "Brisola", false, "FC", 0, true, 0, false},
        {"999", "Brisola", true, "FC", 0, false, 0, false},   // not found: nothing to check
    };
    gUnegocio = QStringLiteral("t1");
    for (const CasoUnidad& c : casos) {
        SCOPED_TRACE(std::string(c.codigo) + ' ' + c.ejecutable + ' ' + c.tc);
        Sistema::FijarNombreEjecutable(QString::fromUtf8(c.ejecutable));
        gRazonSocialPorUneg = c.porUnidad;
        avisos.preguntas.clear();
        Llamada a{QString::fromUtf8(c.codigo)};
        a.control = c.control;
        EXPECT_EQ(a.busca(QString(), QString(), QString::fromUtf8(c.tc)), c.encontrado);
        EXPECT_EQ(a.control, c.controlDespues);
        ASSERT_EQ(avisos.preguntas.size(), c.mensaje ? 1u : 0u);
        if (c.mensaje) {
            EXPECT_EQ(avisos.preguntas[0].texto,
                      QStringLiteral("Este articulo pertenece a una unidad de negocio distinta a la seleccionada"));
            EXPECT_EQ(avisos.preguntas[0].botones, 0);
            EXPECT_EQ(avisos.preguntas[0].titulo, Avisos::TituloAplicacion());
        }
    }
}

TEST_F(BuscaArticuloTest, UnaFallaVaAlGestorSinNombreDeProcedimiento)
{
    s.bd.Sesion().Ejecuta(QStringLiteral("DROP TABLE V_MA_PRECIOS"));
    // Ignore goes on with the next step: the supplier's code without the list.
    avisos.Responder({Avisos::Ignorar});
    Llamada a{QStringLiteral("AS-P16")};
    EXPECT_TRUE(a.busca(QStringLiteral("P0001"), QStringLiteral("C1")));
    EXPECT_EQ(a.codigo, QStringLiteral("TABPIN"));
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].botones, 18);
    EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral(" Aviso al operador!!! - 2 ")));
    EXPECT_FALSE(avisos.preguntas[0].titulo.contains(QStringLiteral("BuscaArticulo")));   // no procedure name

    // Abort leaves at once: not found, the code as it stood.
    avisos.Responder({Avisos::Abortar});
    a.codigo = QStringLiteral("AS-P16");
    EXPECT_FALSE(a.busca(QStringLiteral("P0001"), QStringLiteral("C1")));
    EXPECT_EQ(a.codigo, QStringLiteral("AS-P16"));
    EXPECT_EQ(a.rs.State(), Recordset::Cerrado);
}

}  // namespace
