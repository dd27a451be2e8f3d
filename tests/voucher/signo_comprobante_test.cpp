#include "comprobantes_prueba.h"
#include "support/avisos_grabados.h"
#include "voucher/ClsCmnCptes.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct Tipo {
    const char* codigo;     // as stored
    const char* es;
    std::optional<int> signo;
    const char* sistema;
    const char* debeHaber;
};

void Guarda(SesionGlobal& s, const Tipo& t)
{
    SesionBD& bd = s.bd.Sesion();
    const QString q = QStringLiteral("'");
    bd.Ejecuta(QStringLiteral("DELETE FROM V_TA_CPTE"));
    bd.Ejecuta(QStringLiteral("INSERT INTO V_TA_CPTE (CODIGO, ES, Signo, Sistema, DebeHaber) VALUES (%1, %2, %3, %4, %5)")
                   .arg(bd.ValorSQL(QString::fromUtf8(t.codigo), q), bd.ValorSQL(QString::fromUtf8(t.es), q),
                        t.signo ? QString::number(*t.signo) : QStringLiteral("NULL"),
                        bd.ValorSQL(QString::fromUtf8(t.sistema), q), bd.ValorSQL(QString::fromUtf8(t.debeHaber), q)));
}

struct Caso {
    Tipo tipo;
    const char* tc;   // as passed; nullptr: the stored code
    int esperado;
};

void Comprueba(std::initializer_list<Caso> casos, bool libroIVA, bool debitoProveedor = false)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    ClsCmnCptes cpte;
    cpte.DebitoProveedor = debitoProveedor;
    for (const Caso& c : casos) {
        Guarda(s, c.tipo);
        const QString tc = QString::fromUtf8(c.tc ? c.tc : c.tipo.codigo);
        EXPECT_EQ(cpte.ObtieneSignoComprobante(tc, libroIVA), c.esperado)
            << '"' << tc.toStdString() << "\" ES " << c.tipo.es << (libroIVA ? " (IVA)" : " (stock)");
    }
    EXPECT_TRUE(avisos.preguntas.empty());
}

TEST(SignoComprobante, Stock)
{
    const std::optional<int> nulo;
    Comprueba({
                  // By the lists when ES says nothing.
                  {{"IR", "", nulo, "", ""}, nullptr, 1},   {{"AJP", "", nulo, "", ""}, nullptr, 1},
                  {{"FCC", "", nulo, "", ""}, nullptr, 1},  {{"NDC", "", nulo, "", ""}, nullptr, 1},
                  {{"LNDC", "", nulo, "", ""}, nullptr, 1}, {{"FPC", "", nulo, "", ""}, nullptr, 1},
                  {{"NC", "", nulo, "", ""}, nullptr, 1},   {{"RMC", "", nulo, "", ""}, nullptr, 1},
                  {{"VS", "", nulo, "", ""}, nullptr, -1},  {{"AJN", "", nulo, "", ""}, nullptr, -1},
                  {{"FC", "", nulo, "", ""}, nullptr, -1},  {{"ND", "", nulo, "", ""}, nullptr, -1},
                  {{"FP", "", nulo, "", ""}, nullptr, -1},  {{"NCC", "", nulo, "", ""}, nullptr, -1},
                  {{"LNCC", "", nulo, "", ""}, nullptr, -1}, {{"RM", "", nulo, "", ""}, nullptr, -1},
                  {{"TR", "", nulo, "", ""}, nullptr, -1},  {{"TR", "", nulo, "", ""}, "tr", -1},
                  // ES wins over the lists and the column Signo plays no part.
                  {{"TR", "E", nulo, "", ""}, nullptr, 1},  {{"IR", "S", 1, "", ""}, nullptr, -1},
                  {{"XX", "e", -1, "", ""}, nullptr, 1},
                  // On no list: 1.
                  {{"PE", "", -1, "", ""}, nullptr, 1},
                  // Found through the trimmed code, but on no list as passed.
                  {{"FC", "", nulo, "", ""}, " FC", 1},
              },
              false);
}

TEST(SignoComprobante, LibroIVA)
{
    const std::optional<int> nulo;
    Comprueba({
                  {{"ND", "", nulo, "", ""}, nullptr, 1},
                  {{"FCC", "", -1, "", ""}, nullptr, 1},  {{"NDC", "", nulo, "", ""}, nullptr, 1},
                  {{"LNDC", "", -1, "", ""}, nullptr, 1}, {{"FC", "", -1, "", ""}, nullptr, 1},
                  {{"TK", "", nulo, "", ""}, nullptr, 1}, {{"TKFC", "", -1, "", ""}, nullptr, 1},
                  {{"FP", "", nulo, "", ""}, nullptr, 1}, {{"FPC", "", -1, "", ""}, nullptr, 1},
                  {{"NC", "", nulo, "", ""}, nullptr, -1}, {{"NCC", "", nulo, "", ""}, nullptr, -1},
                  {{"LNCC", "", nulo, "", ""}, nullptr, -1}, {{"NCP", "", nulo, "", ""}, nullptr, -1},
                  {{"NCCP", "", nulo, "", ""}, nullptr, -1},
                  // With a value in Signo, that list gives way to the column.
                  {{"NC", "", 1, "", ""}, nullptr, 1},
                  // On no list: the column, else the area and side.
                  {{"PR", "", nulo, "VENTAS", "h"}, nullptr, -1}, {{"PR", "", nulo, "Compras", "D"}, nullptr, -1},
                  {{"PR", "", nulo, "Ventas", "D"}, nullptr, 1},   {{"PR", "", nulo, "Compras", "H"}, nullptr, 1},
                  {{"PR", "S", -1, "", ""}, nullptr, -1},          {{"PR", "", 2, "", ""}, nullptr, 2},
                  {{"PR", "", 0, "", ""}, nullptr, 1},
                  // Stock's opposites: NC -1 and FC 1 here.
                  {{"NC", "E", nulo, "", ""}, " NC", 1},
              },
              true);
    // A supplier's debit note; the list wins over the column.
    Comprueba({{{"ND", "", nulo, "", ""}, nullptr, -1}, {{"ND", "", 1, "", ""}, nullptr, -1}}, true, true);
}

TEST(SignoComprobante, TipoQueNoExiste)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    ClsCmnCptes cpte;
    for (bool libroIVA : {false, true})
        EXPECT_EQ(cpte.ObtieneSignoComprobante(QStringLiteral("ZZ"), libroIVA), 0);
    ASSERT_EQ(avisos.preguntas.size(), 2u);
    for (const PreguntaGrabada& p : avisos.preguntas) {
        EXPECT_EQ(p.texto, QStringLiteral("El Tipo de Comprobante informado no existe en la tabla de comprobantes"));
        EXPECT_EQ(p.titulo, QStringLiteral("Aviso al operador!!!"));
        EXPECT_EQ(p.botones, Avisos::Critico);
    }
}

TEST(SignoComprobante, FallaAlGestorConSuNombre)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    ClsCmnCptes cpte;
    s.bd.Sesion().Ejecuta(QStringLiteral("DROP TABLE V_TA_CPTE"));
    EXPECT_EQ(cpte.ObtieneSignoComprobante(QStringLiteral("FC"), false), 0);   // left: the sign reached so far
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_TRUE(avisos.preguntas[0].titulo.endsWith(QStringLiteral("ObtieneSignoComprobante%")));
}

}  // namespace
