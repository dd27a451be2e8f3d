// The default searches of the pick list and the record they are kept in.
#include "session/Def_QConsulta.h"
#include "session/ModGlobal.h"

#include "platform/numeros.h"
#include "platform/texto_ansi.h"

#include <QFile>
#include <QFileInfo>

namespace Def_QConsulta {

namespace {
QByteArray campo(const QString& texto, int ancho)
{
    return TextoAnsi::Codifica(texto).left(ancho).leftJustified(ancho, ' ');
}
}  // namespace

QByteArray QConsulta::Bytes() const
{
    return campo(Titulo, AnchoTitulo) + campo(Tabla, AnchoTabla) + campo(Campos, AnchoCampos) +
           campo(Adicional, AnchoAdicional) + QByteArrayLiteral("\r\n");
}

QString LetraComprobante(QString& condicionEmpresa, QString& condicionCliente)
{
    if (Numeros::NumeroInicial(condicionEmpresa) != 1)
        return QStringLiteral("C");
    return Numeros::NumeroInicial(condicionCliente) > 2 ? QStringLiteral("B") : QStringLiteral("A");
}

}  // namespace Def_QConsulta

namespace ModGlobal {

void CreaConsultasPredefinidas()
{
    using Def_QConsulta::QConsulta;
    static const char* const predefinidas[][3] = {
        {"ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|"},
        {"CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|"},
        {"PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|"},
        {"CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|"},
        {"VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|"},
        {"TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|"},
        {"MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|"},
        {"CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|"},
        {"TAREAS", "V_TA_Tareas  ", "|Descripcion|IdTarea| "},
        {"UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|"},
        {"DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|"},
    };
    QByteArray registros;
    for (const auto& d : predefinidas) {
        QConsulta r;
        r.Titulo = QString::fromLatin1(d[0]).trimmed();
        r.Tabla = QString::fromLatin1(d[1]);
        r.Campos = QString::fromLatin1(d[2]).trimmed();
        registros += r.Bytes();
    }
    const QString archivo = gConsulta->ArchivoConsultas;
    const bool existia = QFileInfo::exists(archivo);
    QFile f(archivo);
    if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw Falla(75, QStringLiteral("Error de acceso a la ruta o el archivo ") + archivo + QStringLiteral(": ") +
                            f.errorString(),
                    OrigenPrograma());
    // After the last whole record, all eleven or none: a start-up finds a
    // file it could not finish missing, and writes it again.
    const qint64 posicion = f.size() / QConsulta::Largo * QConsulta::Largo;
    if (!TextoAnsi::EscribeEntero(f, posicion, registros)) {
        const QString motivo = f.errorString();
        f.close();
        if (!existia)
            QFile::remove(archivo);
        throw Falla(75, QStringLiteral("No se pudo escribir ") + archivo + QStringLiteral(": ") + motivo, OrigenPrograma());
    }
}

}  // namespace ModGlobal
