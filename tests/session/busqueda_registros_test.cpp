#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

void cargaUsuariosYBorradores(SesionGlobal& s)
{
    s.bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO TA_Usuarios (Nombre, UNegocio) VALUES ('  ANA  ', '1'), ('O''Brien', '2'), ('LUIS', '3')"));
    s.bd.Sesion().Ejecuta(QStringLiteral(
        "INSERT INTO V_CPTES_MODELO_CAB (IdCpteModelo, Nombre, TCDefault) VALUES (12, '15/01/2027', '@@PP')"));
}

struct FormaBusqueda {
    const char* tabla;
    const char* valor;
    const char* campo;
    QVariant tipo;
    const char* filtro;
    const char* sentencia;   // the statement as built, before the session prepares it
    bool encontrado;
};

TEST(BuscaRegistro, CadaFormaDeTipoYDeFiltro)
{
    SesionGlobal s;
    cargaUsuariosYBorradores(s);
    const FormaBusqueda casos[] = {
        // Text: the column trimmed, the value quoted as it is (blanks stored around ANA do not matter).
        {"TA_Usuarios", "ANA", "Nombre", 8, "",
         "SELECT * FROM TA_Usuarios  with(nolock)  WHERE LTRIM(RTRIM(Nombre)) ='ANA'", true},
        {"TA_Usuarios", "O'Brien", "Nombre", 8, "",
         "SELECT * FROM TA_Usuarios  with(nolock)  WHERE LTRIM(RTRIM(Nombre)) ='O''Brien'", true},
        // Date: the value as the caller wrote it, trimmed, one blank after.
        {"V_CPTES_MODELO_CAB", " '15/01/2027' ", "Nombre", 7, "",
         "SELECT * FROM V_CPTES_MODELO_CAB  with(nolock)  WHERE Nombre = '15/01/2027' ", true},
        // Numbers: the number the value begins with.
        {"V_CPTES_MODELO_CAB", "12abc", "IdCpteModelo", 3, "",
         "SELECT * FROM V_CPTES_MODELO_CAB  with(nolock)  WHERE IdCpteModelo = 12", true},
        {"V_CPTES_MODELO_CAB", " 12.5x", "IdCpteModelo", 5, "",
         "SELECT * FROM V_CPTES_MODELO_CAB  with(nolock)  WHERE IdCpteModelo = 12.5", false},
        {"V_CPTES_MODELO_CAB", "x", "IdCpteModelo", 4, "",
         "SELECT * FROM V_CPTES_MODELO_CAB  with(nolock)  WHERE IdCpteModelo = 0", false},
        // Any other type, or none: the value unchanged.
        {"TA_Usuarios", "'LUIS'", "Nombre", 2, "", "SELECT * FROM TA_Usuarios  with(nolock)  WHERE Nombre = 'LUIS'", true},
        {"TA_Usuarios", "'LUIS'", "Nombre", QVariant(), "",
         "SELECT * FROM TA_Usuarios  with(nolock)  WHERE Nombre = 'LUIS'", true},
        // A filter replaces the comparison; one already holding " WHERE " goes after one blank.
        {"TA_Usuarios", "ignorado", "Nombre", 8, "UNegocio = '2'",
         "SELECT * FROM TA_Usuarios with(nolock)   WHERE UNegocio = '2'", true},
        {"TA_Usuarios", "ignorado", "Nombre", 8, " where UNegocio = '9'",
         "SELECT * FROM TA_Usuarios with(nolock)    where UNegocio = '9'", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.sentencia);
        const QString tabla = QString::fromUtf8(c.tabla), valor = QString::fromUtf8(c.valor),
                      campo = QString::fromUtf8(c.campo), filtro = QString::fromUtf8(c.filtro);
        EXPECT_EQ(SentenciaBuscaRegistro(tabla, valor, campo, c.tipo, filtro), QString::fromUtf8(c.sentencia));
        gSesionBD->LimpiaBitacora();
        EXPECT_EQ(BuscaRegistro(tabla, valor, campo, nullptr, c.tipo, filtro), c.encontrado);
        // The session is handed the prepared text.
        ASSERT_EQ(s.Enviado().size(), 1);
        EXPECT_EQ(s.Enviado().last(), gSesionBD->PreparaSQL(QString::fromUtf8(c.sentencia)));
    }
}

TEST(BuscaRegistro, ConRecordsetLoReabreYLoDejaAbierto)
{
    SesionGlobal s;
    cargaUsuariosYBorradores(s);
    Recordset rs;
    // As the number-book choice asks for the session's user.
    ASSERT_TRUE(BuscaRegistro(QStringLiteral("TA_Usuarios"), QStringLiteral("LUIS"), QStringLiteral("Nombre"), &rs, 8,
                              QString(), true));
    EXPECT_EQ(rs.Valor(QStringLiteral("UNegocio")).toString(), QStringLiteral("3"));
    EXPECT_EQ(rs.CursorType(), 0);

    // Already open: closed and opened again on the new statement, keeping its types.
    gSesionBD->AbreRecordset(QStringLiteral("SELECT * FROM TA_Usuarios"), rs, nullptr, 2, 3);
    EXPECT_FALSE(BuscaRegistro(QStringLiteral("TA_Usuarios"), QStringLiteral("NADIE"), QStringLiteral("Nombre"), &rs, 8,
                               QString(), false));
    EXPECT_EQ(rs.State(), Recordset::Abierto);
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(rs.CursorType(), 2);
    EXPECT_EQ(rs.LockType(), 3);
    ASSERT_TRUE(BuscaRegistro(QStringLiteral("TA_Usuarios"), QStringLiteral("ANA"), QStringLiteral("Nombre"), &rs, 8,
                              QString(), false));
    rs.Fields(QStringLiteral("UNegocio")) = QStringLiteral("7");
    rs.Update();
    EXPECT_EQ(s.bd.Filas(QStringLiteral("SELECT UNegocio FROM TA_Usuarios WHERE Nombre = '  ANA'")),
              QStringList{QStringLiteral("7")});
}

TEST(BuscaRegistro, UnaFallaSePreguntaConSuDescripcion)
{
    SesionGlobal s;
    AvisosGrabados avisos;
    avisos.Responder({Avisos::Ignorar});
    Recordset rs;
    // Ignore goes on with the next step: no row.
    EXPECT_FALSE(BuscaRegistro(QStringLiteral("NO_EXISTE"), QStringLiteral("x"), QStringLiteral("c"), &rs, 8));
    ASSERT_EQ(avisos.preguntas.size(), 1u);
    EXPECT_EQ(avisos.preguntas[0].botones, Avisos::AbortarReintentarIgnorar | Avisos::Critico);
    EXPECT_EQ(avisos.preguntas[0].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_TRUE(avisos.preguntas[0].texto.contains(QStringLiteral("NO_EXISTE")));
    EXPECT_FALSE(avisos.preguntas[0].texto.startsWith(QStringLiteral("Ha ocurrido")));   // the description alone
}

struct CasoCuenta {
    const char* cuenta;
    bool porOpcional;
    bool encontrado;
    const char* cuentaDespues;
    bool porOpcionalDespues;
};

TEST(BuscaCuenta, PorCodigoYPorCodigoOpcional)
{
    SesionGlobal s;
    s.bd.Sesion().Ejecuta(QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion) VALUES "
                                         "('1.1.01', 'CAJA', 'Caja'), ('5.2.03', 'FLETE', 'Fletes')"));
    const CasoCuenta casos[] = {
        {"1.1.01", false, true, "1.1.01", false},   // by code at once
        {"flete", false, true, "5.2.03", true},     // found by the optional code next: the code comes back
        {"CAJA", true, true, "1.1.01", true},       // by the optional code at once
        {"5.2.03", true, true, "5.2.03", true},     // by code next: the typed code stays, the flag too
        {"NADA", false, false, "NADA", false},
        {"NADA", true, false, "NADA", true},
        {"O'Hara", false, false, "O'Hara", false},   // an apostrophe is no SQL error
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.cuenta);
        QString cuenta = QString::fromUtf8(c.cuenta);
        bool porOpcional = c.porOpcional;
        Recordset rs;
        EXPECT_EQ(BuscaCuenta(cuenta, rs, true, porOpcional), c.encontrado);
        EXPECT_EQ(cuenta, QString::fromUtf8(c.cuentaDespues));
        EXPECT_EQ(porOpcional, c.porOpcionalDespues);
        EXPECT_EQ(rs.State(), Recordset::Abierto);   // the last recordset opened
        EXPECT_EQ(!rs.Eof(), c.encontrado);
    }

    gSesionBD->LimpiaBitacora();
    QString cuenta = QStringLiteral(" CAJA");
    bool porOpcional = false;
    Recordset rs;
    EXPECT_FALSE(BuscaCuenta(cuenta, rs, false, porOpcional));   // the code goes in untrimmed
    EXPECT_EQ(s.Enviado(),
              (QStringList{QStringLiteral("SELECT * FROM MA_CUENTAS  with(nolock)  WHERE Codigo =  ' CAJA'"),
                           QStringLiteral("SELECT * FROM MA_CUENTAS  with(nolock)  WHERE CodigoOpcional =  ' CAJA'")}));
    EXPECT_EQ(rs.CursorType(), 2);
    EXPECT_EQ(rs.LockType(), 3);
}

}  // namespace
