#include "arranque.h"
#include "support/limite_archivo.h"

#include <QFileInfo>

#include <cstring>

namespace {

using namespace ModGlobal;

// One record as laid out: title at 0, view at 100, columns at 200, a blank
// field at 700, CR LF at 1200; 1202 bytes.
QByteArray registro(const char* titulo, const char* vista, const char* columnas)
{
    QByteArray r(1202, ' ');
    r.replace(0, static_cast<qsizetype>(std::strlen(titulo)), titulo);
    r.replace(100, static_cast<qsizetype>(std::strlen(vista)), vista);
    r.replace(200, static_cast<qsizetype>(std::strlen(columnas)), columnas);
    r[1200] = '\r';
    r[1201] = '\n';
    return r;
}

QByteArray predefinidas()
{
    return registro("ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|") +
           registro("CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|") +
           registro("PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|") +
           registro("CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|") +
           registro("VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|") +
           registro("TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|") +
           registro("MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|") +
           registro("CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|") +
           registro("TAREAS", "V_TA_Tareas", "|Descripcion|IdTarea|") +
           registro("UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|") +
           registro("DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|");
}

// A partial record after the whole ones.
void agregaResto(const QString& archivo)
{
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("resto");
}

TEST_F(Arranque, ConsultasPredefinidasByteAByte)
{
    Inicia(Parametros());
    const QString archivo = app.Archivo(QStringLiteral("consultas.qsl"));
    EXPECT_EQ(app.Lee(QStringLiteral("consultas.qsl")), predefinidas());
    // The pick list reads what was written.
    QString titulo;
    EXPECT_EQ(gConsulta->SentenciaDe(QStringLiteral("V_TA_Tareas"), &titulo),
              QStringLiteral("SELECT Descripcion,IdTarea FROM V_TA_Tareas"));
    EXPECT_EQ(titulo, QStringLiteral("TAREAS"));

    // A second start finds the file and appends nothing.
    gSesionBD.Liberar();
    Inicia(Parametros());
    EXPECT_EQ(app.Lee(QStringLiteral("consultas.qsl")), predefinidas());

    // Asked again over the file, the records go after the last whole one.
    agregaResto(archivo);
    CreaConsultasPredefinidas();
    EXPECT_EQ(app.Lee(QStringLiteral("consultas.qsl")), predefinidas() + predefinidas());
}

TEST_F(Arranque, UnArchivoDeConsultasQueNoCabeEnteroNoQuedaAMedias)
{
    const QString archivo = app.Archivo(QStringLiteral("consultas.qsl"));
    gConsulta->ArchivoConsultas = archivo;
    const auto sinLugar = [&](qint64 cabe) {
        const LimiteDeArchivo disco(static_cast<rlim_t>(cabe));
        try {
            CreaConsultasPredefinidas();
            ADD_FAILURE() << "a short write was taken for a whole one";
        } catch (const Falla& f) {
            EXPECT_EQ(f.Numero, 75);
        }
    };
    // A new file that cannot take the eleven records is not left behind.
    sinLugar(5000);
    EXPECT_FALSE(QFileInfo::exists(archivo));
    // So the next start writes it whole.
    Inicia(Parametros());
    EXPECT_EQ(app.Lee(QStringLiteral("consultas.qsl")), predefinidas());

    // Over an existing file, what it held stays, a partial record included.
    agregaResto(archivo);
    const QByteArray antes = app.Lee(QStringLiteral("consultas.qsl"));
    sinLugar(antes.size() + 3000);
    EXPECT_EQ(app.Lee(QStringLiteral("consultas.qsl")), antes);
}

TEST_F(Arranque, ConsultasEnLaCarpetaDelUsuarioSiLaAplicacionNoSePuedeEscribir)
{
    // An application folder that cannot take a file.
    Sistema::FijarCarpetaAplicacion(app.Archivo(QStringLiteral("instalada/sin/permiso")));
    Inicia(Parametros());
    EXPECT_EQ(gConsulta->ArchivoConsultas, sistema.Archivo(QStringLiteral("consultas.qsl")));
    EXPECT_EQ(sistema.Lee(QStringLiteral("consultas.qsl")), predefinidas());
    EXPECT_EQ(gTopDefault, QStringLiteral("500"));
    EXPECT_NE(gIdAcceso, 0);
}

TEST_F(Arranque, UnArchivoDeConsultasImposibleSeAnotaYElArranqueSigue)
{
    // Neither folder can take the file: a file stands where the user's folder should be.
    app.Escribe(QStringLiteral("ocupado"), "x");
    Sistema::FijarCarpetaAplicacion(app.Archivo(QStringLiteral("instalada")));
    InfoSistema::FijarCarpetaSistema(app.Archivo(QStringLiteral("ocupado/sistema")));
    Inicia(Parametros());
    EXPECT_FALSE(QFileInfo::exists(gConsulta->ArchivoConsultas));
    EXPECT_EQ(gTopDefault, QStringLiteral("500"));   // the settings were loaded
    EXPECT_NE(gIdAcceso, 0);                          // and the access row written
    const QString registroDeErrores = QString::fromLatin1(temporal.Lee(QStringLiteral("QSERR.LOG")));
    EXPECT_TRUE(registroDeErrores.contains(QLatin1String(" Rutina: - CreaConsultasPredefinidas Mensaje Ha ocurrido el "
                                                         "Siguiente Error (75) ")))
        << registroDeErrores.toStdString();
    EXPECT_TRUE(avisos.preguntas.empty());
}

}  // namespace
