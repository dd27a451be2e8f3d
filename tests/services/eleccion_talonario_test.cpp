#include "services/ModExportarExcel.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"
#include "talonarios_prueba.h"

#include <gtest/gtest.h>

namespace {

using namespace ModExportarExcel;

// Two books each for invoices, credit notes and business-unit vouchers, and
// single books that are expired, without range, or kept by their letter.
void LibrosDePrueba(SesionBD& s)
{
    Inserta(s, {
        {.tc = "FC", .talonario = 1, .letras = "A,B", .porLetra = {{"A", 10, 1, 500, "1"}, {"B", 0, 1, 100, "1"}},
         .modifica = "'SI'"},
        {.tc = "FC", .talonario = 2, .letras = "A", .porLetra = {{"A", 5, 1, 50, "3"}}, .unegocio = "'2'",
         .modifica = "NULL"},
        {.tc = "NC", .talonario = 1, .letras = "A,B", .porLetra = {{"A", 100, 1, 100, "1"}}},
        {.tc = "NC", .talonario = 2, .letras = "A", .porLetra = {{"A", 50, 1, 50, "1"}}},
        {.tc = "RC", .talonario = 1, .letras = "X", .porLetra = {{"X", 4, 1, 10, "1", "01/03/2026"}}},
        {.tc = "AJP", .talonario = 1, .letras = "X", .porLetra = {{"X", 6, 1, 999, "1"}}},
        {.tc = "VS", .talonario = 1, .letras = "X", .porLetra = {{"X", 3, 1, 99, "1"}}, .unegocio = "'2'"},
        {.tc = "VS", .talonario = 2, .letras = "A", .porLetra = {{"A", 8, 1, 99, "1"}}, .unegocio = "'2'"},
        {.tc = "PD", .talonario = 1, .letras = "X", .porLetra = {{"X", 0, 0, 0, "1"}}, .modifica = "'SI'"},
        {.tc = "OT", .talonario = 1, .letras = "A", .porLetra = {{"A", 7, 1, 99, "1"}, {"B", 20, 1, 99, "1"}}},
    });
    s.Ejecuta(QStringLiteral("INSERT INTO TA_Usuarios (Nombre, sucot, letot) VALUES "
                             "('ANA', '0003', 'A'), ('PEPE', '0007', ' '), ('SUPERVISOR', '0000', 'B')"));
}

struct Caso {
    const char* usuario;
    const char* tc;
    const char* sucursal;
    const char* letra;
    const char* unegocio;
    const char* fecha;
    // What comes back: branch, number, letter, upper bound, book, change allowed, taken.
    const char* sucursalSale;
    const char* numeroSale;
    const char* letraSale;
    const char* hastaSale;
    long talonario;   // 0: the book held before is kept
    bool modifica;
    bool tomado;
    bool avisoUsados;
};

const Caso casos[] = {
    // No book at all: the default, fitted to the widths of the id; no message.
    {"SUPERVISOR", "ZZ", "", "", "", "", "0001", "00000001", "X", "99999999", 0, false, true, false},
    // A stored next number 0 is proposed as 1; a "0000" user branch counts as none.
    {"SUPERVISOR", "FC", "", "B", "", "", "0001", "00000001", "B", "00000100", 1, true, true, false},
    {"SUPERVISOR", "FC", "", "a", "", "", "0001", "00000010", "a", "00000500", 1, true, true, false},
    // A branch without the mark filters nothing, but FC passes over books of other branches.
    {"SUPERVISOR", "FC", "0003", "A", "", "", "0003", "00000005", "A", "00000050", 2, true, true, false},
    // The user's branch 0003 and letter A: only the book whose A_SUC_DEFAULT is 3 is read.
    {"ANA", "FC", "", "", "", "", "0003", "00000005", "A", "00000050", 2, true, true, false},
    // No book of branch 0007: every book is read, none of them numbers for branch 7.
    {"PEPE", "FC", "", "B", "", "", "0007", "", "A", "99999999", 0, false, false, false},
    // Every book used up: the message, and no number is handed back.
    {"SUPERVISOR", "NC", "", "A", "", "", "", "", "A", "99999999", 0, false, false, true},
    // A book without range counts as used up.
    {"SUPERVISOR", "PD", "", "X", "", "", "", "", "X", "99999999", 0, false, false, true},
    // Expiry: only with a date; the day itself is still valid; an expired last book says nothing.
    {"SUPERVISOR", "RC", "", "X", "", "", "0001", "00000004", "X", "00000010", 1, false, true, false},
    {"SUPERVISOR", "RC", "", "X", "", "01/03/2026", "0001", "00000004", "X", "00000010", 1, false, true, false},
    {"SUPERVISOR", "RC", "", "X", "", "15/03/2026", "", "", "X", "99999999", 0, false, false, false},
    // A lone "*" matches every book and numbers with "X".
    {"SUPERVISOR", "AJP", "", "*", "", "", "0001", "00000006", "X", "00000999", 1, false, true, false},
    // The unit's books with the letter filter; for another unit both are dropped.
    {"SUPERVISOR", "VS", "", "*A", "2", "", "0001", "00000008", "A", "00000099", 2, false, true, false},
    {"SUPERVISOR", "VS", "", "*A", "1", "", "0001", "00000003", "X", "00000099", 1, false, true, false},
    // OT keeps a letter its book does not list.
    {"SUPERVISOR", "OT", "", "B", "", "", "0001", "00000020", "B", "00000099", 1, false, true, false},
    // No column is built from a text that is no letter: "," is found in "A,B" but the book is passed over.
    {"SUPERVISOR", "FC", "", ",", "", "", "0003", "00000005", "A", "00000050", 2, true, true, false},
    // A letter no book lists becomes the book's first; apostrophes reach no statement unquoted.
    {"SUPERVISOR", "FC", "", "Z'", "", "", "0001", "00000010", "A", "00000500", 1, true, true, false},
    {"SUPERVISOR", "FC", "", "*Z'", "", "", "0001", "00000001", "X", "99999999", 0, false, true, false},
};

TEST(EleccionTalonario, CasosDeLaEleccion)
{
    SesionGlobal s;
    LibrosDePrueba(s.bd.Sesion());
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1 %2 '%3' '%4' %5 %6").arg(c.usuario, c.tc, c.sucursal, c.letra, c.unegocio, c.fecha).toStdString());
        AvisosGrabados avisos;
        ModGlobal::gUsuarioLogeado = QString::fromUtf8(c.usuario);
        gTalonario.Fija(QStringLiteral("ANTES"), 99);
        QString sucursal = QString::fromUtf8(c.sucursal), numero = QStringLiteral("00000077");
        QString letra = QString::fromUtf8(c.letra), hasta = QStringLiteral("99999999");
        bool modifica = false;
        const QString tc = QString::fromUtf8(c.tc);
        const bool tomado = Obtener_Nro_Comprobante_Contable(tc, sucursal, numero, letra, modifica,
                                                             QString::fromUtf8(c.fecha), QString::fromUtf8(c.unegocio), hasta);
        EXPECT_EQ(tomado, c.tomado);
        EXPECT_EQ(sucursal, QString::fromUtf8(c.sucursalSale));
        EXPECT_EQ(numero, QString::fromUtf8(c.numeroSale));
        EXPECT_EQ(letra, QString::fromUtf8(c.letraSale));
        EXPECT_EQ(hasta, QString::fromUtf8(c.hastaSale));
        EXPECT_EQ(modifica, c.modifica);
        if (c.talonario) {
            EXPECT_EQ(gTalonario.De(tc), c.talonario);
        } else {
            EXPECT_EQ(gTalonario.De(tc), std::nullopt);
            EXPECT_EQ(gTalonario.De(QStringLiteral("antes")), 99);
        }
        if (c.avisoUsados) {
            ASSERT_EQ(avisos.preguntas.size(), 1u);
            EXPECT_EQ(avisos.preguntas[0].texto,
                      QStringLiteral("Todos los talonarios del comprobante %1 se encuentran utilizados, debe dar de alta "
                                     "un nuevo talonario para el comprobante %1").arg(tc));
            EXPECT_EQ(avisos.preguntas[0].botones, Avisos::SoloAceptar);
            EXPECT_EQ(avisos.preguntas[0].titulo, Avisos::TituloAplicacion());
        } else {
            EXPECT_TRUE(avisos.preguntas.empty());
        }
    }
    ModGlobal::gUsuarioLogeado.clear();
}

TEST(EleccionTalonario, ElLibroRecordadoEsDeSuTipo)
{
    gTalonario.Fija(QStringLiteral(" fc "), 2);
    EXPECT_EQ(gTalonario.De(QStringLiteral("FC")), 2);
    EXPECT_EQ(gTalonario.De(QStringLiteral("FC  ")), 2);
    EXPECT_EQ(gTalonario.De(QStringLiteral("NC")), std::nullopt);
    gTalonario = {};
    EXPECT_EQ(gTalonario.De(QString()), std::nullopt);
}

}  // namespace
