#include "services/ModExportarExcel.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"
#include "talonarios_prueba.h"

#include <gtest/gtest.h>

namespace {

using namespace ModExportarExcel;

void LibrosDePrueba(SesionBD& s)
{
    Inserta(s, {
        {.tc = "VJ", .letras = "X", .porLetra = {{"X", 7, 1, 999}}},
        {.tc = "AJP", .letras = "X", .porLetra = {{"X", 7, 1, 999}}},
        {.tc = "FC", .letras = "A", .porLetra = {{"A", 5, 1, 999}}},
        {.tc = "FCC", .letras = "X", .porLetra = {{"X", 30, 1, 999}}},
        {.tc = "CT", .letras = "X", .porLetra = {{"X", 3, 1, 999}}, .sistema = "Contable"},
        {.tc = "CBFP", .letras = "X", .porLetra = {{"X", 40, 1, 999}}, .sistema = "Contable"},
        {.tc = "OC", .letras = "X", .porLetra = {{"X", 20, 1, 999}}},
        {.tc = "ZZZ", .letras = "X", .porLetra = {{"X", 4, 1, 999}}},
        {.tc = "USD", .letras = "X", .porLetra = {{"X", 9, 1, 9}}},
    });
    s.Ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NUM_NCC', ' FCC ')"));
}

QString Ids(const QString& tabla, const QString& tc, std::initializer_list<const char*> ids)
{
    QStringList filas;
    for (const char* id : ids)
        filas << QStringLiteral("('%1', '%2')").arg(tc, QString::fromLatin1(id));
    return QStringLiteral("INSERT INTO %1 (TC, IDCOMPROBANTE) VALUES %2").arg(tabla, filas.join(u','));
}

QString Entradas(const QString& tc, std::initializer_list<const char*> numeros)
{
    QStringList filas;
    for (const char* n : numeros)
        filas << QStringLiteral("('%1', '0001', '%2', 'X', 1, 1, 2026)").arg(tc, QString::fromLatin1(n));
    return QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, Mes_Operativo, [Numero Asiento], "
                          "PERIODO) VALUES ") + filas.join(u',');
}

TEST(PropuestaNumero, TipoDeNumeracion)
{
    SesionGlobal s;
    LibrosDePrueba(s.bd.Sesion());
    EXPECT_EQ(ObtieneTCNumeracion(" NCC "), QStringLiteral("FCC"));
    EXPECT_EQ(ObtieneTCNumeracion("FC"), QStringLiteral("FC"));
}

TEST(PropuestaNumero, RevisionContraLoGuardado)
{
    struct {
        const char* tc;
        QStringList guardado;
        const char* numero;
    } const casos[] = {
        // Trips up to 12 with the proposed 7 stored: past the highest of the branch and letter.
        {"VJ", {Ids("MV_VIAJES", "VJ", {"000100000007X", "000100000012X", "000200000050X", "000100000090A"})}, "00000013"},
        // The proposed trip is free: it stands.
        {"VJ", {Ids("MV_VIAJES", "VJ", {"000100000008X", "000100000012X"})}, "00000007"},
        {"AJP", {Ids("V_MV_STOCK", "AJP", {"000100000007X", "000100000009X"})}, "00000010"},
        // An invoice without entries is never compared with stored vouchers.
        {"FC", {Ids("V_MV_STOCK", "FC", {"000100000005A"}), Ids("C_MV_CPTE", "FC", {"000100000005A"})}, "00000005"},
        // An accounting voucher whose number is booked: the highest entry number + 1.
        {"CT", {Entradas("CT", {"00000003", "00000009"})}, "00000010"},
        // CBFP also goes past its highest header.
        {"CBFP", {Entradas("CBFP", {"00000039", "00000040"}), Ids("V_MV_CPTE", "CBFP", {"000100000041X"})}, "00000042"},
        {"CBFP", {Entradas("CBFP", {"00000040", "00000041"}), Ids("V_MV_CPTE", "CBFP", {"000100000041X"})}, "00000042"},
        // A purchase order already stored: the highest purchase number + 1.
        {"OC",
         {QStringLiteral("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA) VALUES "
                         "('OC', '000100000020X', '0001', '00000020', 'X'), ('OC', '000100000025X', '0001', '00000025', 'X'),"
                         "('OC', '000299999999X', '0001', '99999999', 'X')")},
         "00000026"},
        {"OC", {}, "00000020"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tc);
        SesionGlobal s;
        LibrosDePrueba(s.bd.Sesion());
        for (const auto& sql : c.guardado)
            s.bd.Sesion().Ejecuta(sql);
        QString sucursal, numero, letra = QStringLiteral("X");
        if (QLatin1String(c.tc) == QLatin1String("FC"))
            letra = QStringLiteral("A");
        bool modifica = true;
        EXPECT_TRUE(Obtener_Nro_Comprobante(c.tc, sucursal, numero, letra, modifica, true, QString(), QString()));
        EXPECT_EQ(numero, QString::fromLatin1(c.numero));
        EXPECT_EQ(sucursal, QStringLiteral("0001"));
        EXPECT_FALSE(modifica);
    }
}

TEST(PropuestaNumero, OtroTipoSinAsientoQuitaSuFilaDeControl)
{
    SesionGlobal s;
    LibrosDePrueba(s.bd.Sesion());
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA) VALUES "
                                         "('ZZZ', '0001', '00000004', 'X'), ('ZZZ', '0001', '00000003', 'X'),"
                                         "('NCC', '0001', '00000030', 'X'), ('FCC', '0001', '00000030', 'X')"));
    QString sucursal, numero, letra;
    bool modifica = false;
    EXPECT_TRUE(Obtener_Nro_Comprobante("ZZZ", sucursal, numero, letra, modifica, true, QString(), QString()));
    EXPECT_EQ(numero, QStringLiteral("00000004"));
    // The alias gives the books; the stored rows looked at are the type's own.
    QString sucursalN, numeroN, letraN;
    const QString tc = QStringLiteral("NCC");
    EXPECT_TRUE(Obtener_Nro_Comprobante(tc, sucursalN, numeroN, letraN, modifica, true, QString(), QString()));
    EXPECT_EQ(tc, QStringLiteral("NCC"));
    EXPECT_EQ(numeroN, QStringLiteral("00000030"));
    EXPECT_EQ(s.bd.Filas("SELECT TC, NUMERO FROM V_MV_CTROL_CPTE ORDER BY TC, NUMERO"),
              (QStringList{"FCC|00000030", "ZZZ|00000003"}));
    // Without the re-check nothing is removed.
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_MV_CTROL_CPTE VALUES ('ZZZ', '0001', '00000004', 'X')"));
    EXPECT_TRUE(Obtener_Nro_Comprobante("ZZZ", sucursal, numero, letra, modifica, false, QString(), QString()));
    EXPECT_EQ(s.bd.Filas("SELECT COUNT(*) FROM V_MV_CTROL_CPTE WHERE TC = 'ZZZ'"), QStringList{"2"});
}

// The stock posting numbers its supply voucher with the proposal: a removal
// of the control row that the operator's answer left must not pass for a
// number taken.
TEST(PropuestaNumero, UnaRevisionDejadaNoDaNumero)
{
    SesionGlobal s;
    LibrosDePrueba(s.bd.Sesion());
    AvisosGrabados avisos;
    InyectorFallas& inyector = ModGlobal::gSesionBD->Conexion.Inyector;
    struct Caso {
        int respuesta;
        bool tomado;
    };
    for (const Caso c : {Caso{Avisos::Abortar, false}, Caso{Avisos::Ignorar, true}}) {
        SCOPED_TRACE(c.respuesta);
        avisos.preguntas.clear();
        avisos.Responder({c.respuesta});
        inyector.FallaLaQueCoincida(QStringLiteral("V_MV_CTROL_CPTE"), 547, QStringLiteral("Referencia"));
        QString sucursal, numero, letra;
        bool modifica = false;
        EXPECT_EQ(Obtener_Nro_Comprobante("ZZZ", sucursal, numero, letra, modifica, true, QString(), QString()), c.tomado);
        EXPECT_FALSE(inyector.Armado());
        EXPECT_EQ(avisos.preguntas.size(), 1u);
        EXPECT_EQ(numero, QStringLiteral("00000004"));
    }
}

TEST(PropuestaNumero, SinTipoOSinNumeroNoSeRevisaNada)
{
    SesionGlobal s;
    LibrosDePrueba(s.bd.Sesion());
    QString sucursal = QStringLiteral("s"), numero = QStringLiteral("n"), letra = QStringLiteral("l");
    bool modifica = true;
    ModGlobal::gSesionBD->LimpiaBitacora();
    EXPECT_FALSE(Obtener_Nro_Comprobante(QString(), sucursal, numero, letra, modifica, true, QString(), QString()));
    EXPECT_TRUE(s.Enviado().isEmpty());
    EXPECT_EQ(sucursal + numero + letra, QStringLiteral("snl"));
    // Every book used up: no number, and no re-check of the one held before.
    AvisosGrabados avisos;
    numero = QStringLiteral("00000005");
    letra = QStringLiteral("X");
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO V_MV_CTROL_CPTE VALUES ('USD', '0001', '00000005', 'X')"));
    EXPECT_FALSE(Obtener_Nro_Comprobante("USD", sucursal, numero, letra, modifica, true, QString(), QString()));
    EXPECT_EQ(numero, QString());
    EXPECT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(s.bd.Filas("SELECT COUNT(*) FROM V_MV_CTROL_CPTE"), QStringList{"1"});
}

}  // namespace
