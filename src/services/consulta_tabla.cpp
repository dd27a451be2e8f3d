#include "services/ModExportarExcel.h"

#include "session/ModGlobal.h"
#include "platform/recorte.h"

#include <initializer_list>
#include <optional>

namespace ModExportarExcel {

namespace {

struct Columnas {
    QString descripcion, clave, tercero;
};

bool esUnaDe(const QString& tabla, std::initializer_list<const char*> nombres)
{
    for (const char* n : nombres)
        if (tabla.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool es(const QString& tabla, const char* nombre)
{
    return esUnaDe(tabla, {nombre});
}

// "ID" and the name after the first occurrence of the prefix, without a final S.
QString claveDelNombre(const QString& tabla, const char* prefijo)
{
    const QLatin1String p(prefijo);
    QString r = QStringLiteral("ID") + tabla.mid(tabla.indexOf(p, 0, Qt::CaseInsensitive) + p.size());
    if (r.endsWith(u'S', Qt::CaseInsensitive))
        r.chop(1);
    return r;
}

// The columns of the tables the suite knows; nothing for the others.
std::optional<Columnas> columnasDe(const QString& t)
{
    // Tables with columns of their own. Whole names exclude each other, so
    // these go first without changing which rule decides.
    struct Unica {
        const char* tabla;
        const char* descripcion;
        const char* clave;
        const char* tercero;
    };
    static const Unica unicas[] = {
        {"V_TA_RETENCIONES", "Descripcion", "IdRetencion", ""},
        {"P_SINDICATOS", "Descripcion", "IdSindicato", ""},
        {"P_MA_Clientes", "RAZON_SOCIAL", "IDCLIENTE", ""},
        {"TA_Cpte", "DESCRIPCION", "CODIGO", "DESCRIPCION"},
        {"MA_MODELOS", "NOMBRE", "NOMBRE", "NOMBRE"},
        {"MA_CHOFERES", "APELLIDO", "CODIGO", "NOMBRES"},
        {"MA_DESTINATARIOS", "NOMBRE", "CODIGO", "NOMBRE"},
        {"MA_VEHICULOS", "PATENTE", "PATENTE", "MODELO"},
        {"MV_EJERCICIOS", "DESCRIPCION", "PERIODO", "DESCRIPCION"},
        {"V_MV_REPARTO", "IDCOMPLEMENTO", "IDREPARTO", "FECHA"},
        {"TA_USUARIOS", "NOMBRE", "NOMBRE", ""},
        {"V_MA_PRECIOSCAB", "NOMBRE", "IDLISTA", ""},
    };
    for (const Unica& u : unicas)
        if (es(t, u.tabla))
            return Columnas{QLatin1String(u.descripcion), QLatin1String(u.clave), QLatin1String(u.tercero)};

    // Keys made from the name.
    if (es(t, "V_TA_Cpte"))
        return Columnas{QStringLiteral("Descripcion"), t, QString()};
    if (esUnaDe(t, {"V_TA_Bancos", "V_TA_MotivoVta", "V_TA_MotivoCpra", "V_TA_Deposito", "V_TA_Tecnicos", "V_TA_Tareas",
                    "V_TA_Unidad", "V_TA_TipoArticulo", "V_TA_Rubros", "V_TA_MotivoStock", "V_TA_CPRA_VTA",
                    "V_TA_CATEGORIA", "V_TA_DESTINO", "V_TA_ORIGEN"})) {
        QString clave = claveDelNombre(t, "V_TA_");
        if (es(t, "V_TA_CPRA_VTA"))
            clave = QStringLiteral("IDCOND_CPRA_VTA");
        else if (es(t, "V_TA_TipoArticulo"))
            clave = QStringLiteral("IDTIPO");
        return Columnas{es(t, "V_TA_Tecnicos") ? QStringLiteral("NOMBRE") : QStringLiteral("DESCRIPCION"), clave, QString()};
    }
    if (esUnaDe(t, {"P_TA_NIVELESTUDIO", "P_TA_CONOCIMIENTOS", "P_TA_Categorizacion", "P_TA_CentroMedico",
                    "P_TA_FormasDePago", "P_MA_Empresas", "P_TA_ZONARESIDENCIA", "P_TA_ObraSocial", "P_TA_MotivoEgreso",
                    "P_TA_Grupos", "P_TA_EstadoBusqueda", "P_TA_Areas", "P_TA_IDIOMAS", "P_TA_TITULOs",
                    "P_TA_ESTADOPOSTULANTE", "P_TA_Parentesco", "P_TA_EstadoCivil"})) {
        QString clave = QStringLiteral("ID") + t.mid(5);
        if (!es(t, "P_TA_Areas") && clave.endsWith(u'S', Qt::CaseInsensitive))
            clave.chop(1);
        return Columnas{es(t, "P_MA_Empresas") ? QStringLiteral("NombreEmpresa") : QStringLiteral("Descripcion"), clave,
                        QString()};
    }
    if (es(t, "P_TA_Funciones"))
        return Columnas{QStringLiteral("DESCRIPCION"), QStringLiteral("ID") + t.mid(5), QString()};
    if (esUnaDe(t, {"TA_Categoria", "TA_Deposito", "TA_MotivoStock", "TA_TipoArticulo", "TA_Rubros"}))
        return Columnas{QStringLiteral("DESCRIPCION"),
                        es(t, "TA_TipoArticulo") ? QStringLiteral("IDTIPO") : claveDelNombre(t, "TA_"), QString()};
    if (es(t, "V_MA_ARTICULOS"))
        return Columnas{QStringLiteral("DESCRIPCION"), claveDelNombre(t, "V_MA_"), QStringLiteral("DESCRIPCION")};
    if (es(t, "MA_ARTICULOS"))
        return Columnas{QStringLiteral("DESCRIPCION"), claveDelNombre(t, "MA_"), QStringLiteral("DESCRIPCION")};

    // By the beginning of the name.
    const QString inicio = t.left(3).toUpper();
    const QString seis = t.left(6).toUpper();
    if (inicio == u"TA_")
        return Columnas{QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION")};
    if (inicio == u"MA_") {
        if (seis == u"MA_CLI")
            return Columnas{QStringLiteral("Razon_Social"), QStringLiteral("Codigo"), QStringLiteral("Codigo_sucursal")};
        for (const char* razonSocial : {"MA_PRO", "MA_VEN", "MA_TRA", "MA_CON", "MA_AGE"})
            if (seis == QLatin1String(razonSocial))
                return Columnas{QStringLiteral("Razon_Social"), QStringLiteral("Codigo"), QStringLiteral("Razon_Social")};
        return Columnas{QStringLiteral("Descripcion"), QStringLiteral("Codigo"), QStringLiteral("Descripcion")};
    }
    if (seis == u"[MA_CA")
        return Columnas{QStringLiteral("nombre"), QStringLiteral("Codigo"), QStringLiteral("nombre")};
    if (seis == u"MV_PRO")
        return Columnas{QStringLiteral("ASUNTO"), QStringLiteral("ID"), QStringLiteral("ASUNTO")};
    return std::nullopt;
}

}  // namespace

void ConsultaTabla(const QString& Tabla, QString& CampoDescripcion, QString& CampoClave, QString& CampoTercero,
                   const bool& MostrarLista, const QString& Filtro)
{
    if (const auto c = columnasDe(Tabla)) {
        CampoDescripcion = c->descripcion;
        CampoClave = c->clave;
        CampoTercero = c->tercero;
    }
    if (!MostrarLista)
        return;
    // A table the rules do not know, with no columns from the caller: there is nothing to list.
    if (Recorta(CampoDescripcion).isEmpty() || Recorta(CampoClave).isEmpty()) {
        CampoClave.clear();
        return;
    }
    SelectorConsultas& lista = *ModGlobal::gConsulta;
    lista.CampoRetorno = CampoClave;
    const QString consulta =
        QStringLiteral("select ") + CampoDescripcion + u',' + CampoClave + QStringLiteral(" from ") + Tabla + u' ' + Filtro;
    // A list that fails chose nothing: its column's name must not stay in the
    // key, where the caller would read it as the chosen code.
    CampoClave.clear();
    lista.Mostrar(consulta);
    const QVariant elegido = lista.Resultado();
    CampoClave = ModGlobal::gUtilidades->ValorNoNuloTexto(elegido);
}

}  // namespace ModExportarExcel
