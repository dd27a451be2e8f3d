#include "services/ModExportarExcel.h"
#include "support/avisos_grabados.h"
#include "support/sesion_global.h"

#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using ModExportarExcel::ConsultaTabla;
using ModGlobal::gSesionBD;

struct Regla {
    const char* tabla;
    const char* descripcion;
    const char* clave;
    const char* tercero;
};

// What the caller passes in, to see which names leave the columns as they were.
const char* const Previa = "d?";
const char* const ClavePrevia = "k?";
const char* const TerceraPrevia = "t?";

TEST(ConsultaTabla, CadaNombreDeLasReglas)
{
    const Regla reglas[] = {
        // single tables
        {"V_TA_RETENCIONES", "Descripcion", "IdRetencion", ""},
        {"v_ta_retenciones", "Descripcion", "IdRetencion", ""},
        {"V_TA_Cpte", "Descripcion", "V_TA_Cpte", ""},
        {"v_ta_CPTE", "Descripcion", "v_ta_CPTE", ""},   // the name itself, as passed
        // the V_TA group
        {"V_TA_Bancos", "DESCRIPCION", "IDBanco", ""},
        {"V_TA_MotivoVta", "DESCRIPCION", "IDMotivoVta", ""},
        {"V_TA_MotivoCpra", "DESCRIPCION", "IDMotivoCpra", ""},
        {"V_TA_Deposito", "DESCRIPCION", "IDDeposito", ""},
        {"V_TA_Tecnicos", "NOMBRE", "IDTecnico", ""},
        {"V_TA_Tareas", "DESCRIPCION", "IDTarea", ""},
        {"V_TA_Unidad", "DESCRIPCION", "IDUnidad", ""},
        {"V_TA_TipoArticulo", "DESCRIPCION", "IDTIPO", ""},
        {"V_ta_tipoarticulo", "DESCRIPCION", "IDTIPO", ""},
        {"V_TA_Rubros", "DESCRIPCION", "IDRubro", ""},
        {"V_TA_MotivoStock", "DESCRIPCION", "IDMotivoStock", ""},
        {"V_TA_CPRA_VTA", "DESCRIPCION", "IDCOND_CPRA_VTA", ""},
        {"V_TA_Cpra_Vta", "DESCRIPCION", "IDCOND_CPRA_VTA", ""},
        {"V_TA_CATEGORIA", "DESCRIPCION", "IDCATEGORIA", ""},
        {"V_TA_DESTINO", "DESCRIPCION", "IDDESTINO", ""},
        {"V_TA_ORIGEN", "DESCRIPCION", "IDORIGEN", ""},
        {"v_ta_origen", "DESCRIPCION", "IDorigen", ""},   // the key keeps the caller's letter case
        // the personnel group
        {"P_TA_NIVELESTUDIO", "Descripcion", "IDNIVELESTUDIO", ""},
        {"P_TA_CONOCIMIENTOS", "Descripcion", "IDCONOCIMIENTO", ""},
        {"P_TA_Categorizacion", "Descripcion", "IDCategorizacion", ""},
        {"P_TA_CentroMedico", "Descripcion", "IDCentroMedico", ""},
        {"P_TA_FormasDePago", "Descripcion", "IDFormasDePago", ""},
        {"P_MA_Empresas", "NombreEmpresa", "IDEmpresa", ""},
        {"P_TA_ZONARESIDENCIA", "Descripcion", "IDZONARESIDENCIA", ""},
        {"P_TA_ObraSocial", "Descripcion", "IDObraSocial", ""},
        {"P_TA_MotivoEgreso", "Descripcion", "IDMotivoEgreso", ""},
        {"P_TA_Grupos", "Descripcion", "IDGrupo", ""},
        {"P_TA_EstadoBusqueda", "Descripcion", "IDEstadoBusqueda", ""},
        {"P_TA_Areas", "Descripcion", "IDAreas", ""},   // keeps its S
        {"P_TA_IDIOMAS", "Descripcion", "IDIDIOMA", ""},
        {"P_TA_TITULOs", "Descripcion", "IDTITULO", ""},
        {"P_TA_ESTADOPOSTULANTE", "Descripcion", "IDESTADOPOSTULANTE", ""},
        {"P_TA_Parentesco", "Descripcion", "IDParentesco", ""},
        {"P_TA_EstadoCivil", "Descripcion", "IDEstadoCivil", ""},
        // single tables
        {"P_SINDICATOS", "Descripcion", "IdSindicato", ""},
        {"P_TA_Funciones", "DESCRIPCION", "IDFunciones", ""},   // no S dropped
        // the TA group
        {"TA_Categoria", "DESCRIPCION", "IDCategoria", ""},
        {"TA_Deposito", "DESCRIPCION", "IDDeposito", ""},
        {"TA_MotivoStock", "DESCRIPCION", "IDMotivoStock", ""},
        {"TA_TipoArticulo", "DESCRIPCION", "IDTIPO", ""},
        {"TA_Rubros", "DESCRIPCION", "IDRubro", ""},
        // single tables
        {"P_MA_Clientes", "RAZON_SOCIAL", "IDCLIENTE", ""},
        {"TA_Cpte", "DESCRIPCION", "CODIGO", "DESCRIPCION"},
        {"V_MA_ARTICULOS", "DESCRIPCION", "IDARTICULO", "DESCRIPCION"},
        {"v_ma_articulos", "DESCRIPCION", "IDarticulo", "DESCRIPCION"},
        {"MA_ARTICULOS", "DESCRIPCION", "IDARTICULO", "DESCRIPCION"},
        // single tables
        {"MA_MODELOS", "NOMBRE", "NOMBRE", "NOMBRE"},
        {"MA_CHOFERES", "APELLIDO", "CODIGO", "NOMBRES"},
        {"MA_DESTINATARIOS", "NOMBRE", "CODIGO", "NOMBRE"},
        {"MA_VEHICULOS", "PATENTE", "PATENTE", "MODELO"},
        {"MV_EJERCICIOS", "DESCRIPCION", "PERIODO", "DESCRIPCION"},
        {"V_MV_REPARTO", "IDCOMPLEMENTO", "IDREPARTO", "FECHA"},
        {"TA_USUARIOS", "NOMBRE", "NOMBRE", ""},
        {"TA_Usuarios", "NOMBRE", "NOMBRE", ""},
        {"V_MA_PRECIOSCAB", "NOMBRE", "IDLISTA", ""},
        // by the beginning of the name
        {"TA_Monedas", "DESCRIPCION", "CODIGO", "DESCRIPCION"},
        {"ta_paises", "DESCRIPCION", "CODIGO", "DESCRIPCION"},
        {"MA_PROVEEDORES", "Razon_Social", "Codigo", "Razon_Social"},
        {"ma_proveedores", "Razon_Social", "Codigo", "Razon_Social"},
        {"Ma_ProDuctores", "Razon_Social", "Codigo", "Razon_Social"},
        {"MA_VENDEDORES", "Razon_Social", "Codigo", "Razon_Social"},
        {"MA_TRANSPORTES", "Razon_Social", "Codigo", "Razon_Social"},
        {"MA_CONTACTOS", "Razon_Social", "Codigo", "Razon_Social"},
        {"MA_AGENTES", "Razon_Social", "Codigo", "Razon_Social"},
        {"MA_CLIENTES", "Razon_Social", "Codigo", "Codigo_sucursal"},
        {"ma_clientes_sucursales", "Razon_Social", "Codigo", "Codigo_sucursal"},
        {"MA_CUENTAS", "Descripcion", "Codigo", "Descripcion"},
        {"MA_", "Descripcion", "Codigo", "Descripcion"},
        {"[MA_CAMPOS]", "nombre", "Codigo", "nombre"},
        {"[ma_ca]", "nombre", "Codigo", "nombre"},
        {"[MA_OTROS]", Previa, ClavePrevia, TerceraPrevia},
        {"MV_PROYECTOS", "ASUNTO", "ID", "ASUNTO"},
        {"mv_pro", "ASUNTO", "ID", "ASUNTO"},
        {"MV_ASIENTOS", Previa, ClavePrevia, TerceraPrevia},
        {"VT_CLIENTES", Previa, ClavePrevia, TerceraPrevia},
        {"V_TA_UnidadNegocio", Previa, ClavePrevia, TerceraPrevia},
        {"", Previa, ClavePrevia, TerceraPrevia},
    };
    AvisosGrabados avisos;
    for (const Regla& r : reglas) {
        SCOPED_TRACE(r.tabla);
        QString descripcion = QString::fromUtf8(Previa), clave = QString::fromUtf8(ClavePrevia),
                tercero = QString::fromUtf8(TerceraPrevia);
        ConsultaTabla(QString::fromUtf8(r.tabla), descripcion, clave, tercero, false, QString());
        EXPECT_EQ(descripcion.toStdString(), r.descripcion);
        EXPECT_EQ(clave.toStdString(), r.clave);
        EXPECT_EQ(tercero.toStdString(), r.tercero);
    }
    EXPECT_EQ(avisos.dialogosMostrados, 0);   // without the list nothing is shown
}

// The pick list over the demo workshop's tables, with a scripted choice.
class ConsultaTablaConLista : public ::testing::Test {
protected:
    void TearDown() override { ModGlobal::gConsulta.Liberar(); }

    void elige(const QString& filtro, int filasEsperadas)
    {
        avisos.ResponderDialogo([=](QDialog& d) {
            auto& dialogo = dynamic_cast<DialogoSelector&>(d);
            dialogo.show();
            QTest::keyClicks(&dialogo.Filtro(), filtro);
            EXPECT_EQ(dialogo.Tabla().model()->rowCount(), filasEsperadas);
            QTest::keyClick(&dialogo.Filtro(), Qt::Key_Return);
            return dialogo.result();
        });
    }

    SesionGlobal s{BasePrueba::ConDemo};
    AvisosGrabados avisos;
    QString descripcion, clave, tercero;
};

TEST_F(ConsultaTablaConLista, ElOrigenElegidoVuelveEnLaClave)
{
    elige(QStringLiteral("bra"), 1);
    gSesionBD->LimpiaBitacora();
    ConsultaTabla(QStringLiteral("v_ta_origen"), descripcion, clave, tercero, true, QString());
    EXPECT_EQ(s.Enviado(), QStringList{QStringLiteral("select DESCRIPCION,IDorigen from v_ta_origen ")});
    EXPECT_EQ(clave, QStringLiteral("BR"));
    EXPECT_EQ(descripcion, QStringLiteral("DESCRIPCION"));
    EXPECT_EQ(ModGlobal::gConsulta->CampoRetorno, QStringLiteral("IDorigen"));
}

TEST_F(ConsultaTablaConLista, ElFiltroDelLlamadorAcotaLaConsulta)
{
    // As the plan window asks for the sales conditions: sales and both.
    elige(QString(), 2);
    const QString filtro = QStringLiteral(" WHERE (HABILITADOPARA = 'V' OR HABILITADOPARA IS NULL)");
    gSesionBD->LimpiaBitacora();
    ConsultaTabla(QStringLiteral("V_TA_Cpra_Vta"), descripcion, clave, tercero, true, filtro);
    EXPECT_EQ(s.Enviado(), QStringList{QStringLiteral("select DESCRIPCION,IDCOND_CPRA_VTA from V_TA_Cpra_Vta ") + filtro});
    EXPECT_EQ(clave, QStringLiteral("1"));
}

TEST_F(ConsultaTablaConLista, SinEleccionLaClaveQuedaVacia)
{
    ConsultaTabla(QStringLiteral("V_TA_ORIGEN"), descripcion, clave, tercero, true, QString());   // closed unanswered
    EXPECT_EQ(avisos.dialogosMostrados, 1);
    EXPECT_EQ(clave, QString());
}

TEST_F(ConsultaTablaConLista, UnaTablaSinReglaUsaLasColumnasDelLlamador)
{
    elige(QStringLiteral("zzz"), 0);   // Enter with nothing to choose, then the list is left unanswered
    descripcion = QStringLiteral("RAZON_SOCIAL");
    clave = QStringLiteral("CODIGO");
    gSesionBD->LimpiaBitacora();
    ConsultaTabla(QStringLiteral("VT_PROVEEDORES"), descripcion, clave, tercero, true, QString());
    EXPECT_EQ(s.Enviado(), QStringList{QStringLiteral("select RAZON_SOCIAL,CODIGO from VT_PROVEEDORES ")});
    EXPECT_EQ(clave, QString());

    // Without column texts there is nothing to list: an empty answer, no list, no statement.
    gSesionBD->LimpiaBitacora();
    descripcion.clear();
    clave.clear();
    avisos.dialogosMostrados = 0;
    ConsultaTabla(QStringLiteral("VT_CLIENTES"), descripcion, clave, tercero, true, QString());
    EXPECT_EQ(clave, QString());
    EXPECT_EQ(avisos.dialogosMostrados, 0);
    EXPECT_TRUE(s.Enviado().isEmpty());
}

// A pick list that fails chose nothing: the key must not come back holding
// its column's name, which a caller would take for the chosen code.
TEST_F(ConsultaTablaConLista, UnaListaQueFallaNoDejaClave)
{
    struct Caso {
        const char* tabla;
        const char* descripcionDelLlamador;
        const char* claveDelLlamador;
        const char* filtro;
    } const casos[] = {
        {"v_ta_origen", "", "", ""},
        {"V_TA_Cpra_Vta", "", "", " WHERE (HABILITADOPARA = 'V' OR HABILITADOPARA IS NULL)"},
        {"V_TA_Deposito", "", "", ""},
        {"VT_PROVEEDORES", "RAZON_SOCIAL", "CODIGO", ""},
    };
    InyectorFallas& inyector = gSesionBD->Conexion.Inyector;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.tabla);
        descripcion = QString::fromUtf8(c.descripcionDelLlamador);
        clave = QString::fromUtf8(c.claveDelLlamador);
        inyector.FallaLaQueCoincida(QStringLiteral("select "), 208, QStringLiteral("El nombre de objeto no es válido"));
        EXPECT_THROW(ConsultaTabla(QString::fromUtf8(c.tabla), descripcion, clave, tercero, true,
                                   QString::fromUtf8(c.filtro)),
                     Falla);
        EXPECT_FALSE(inyector.Armado());
        EXPECT_EQ(clave, QString());
    }
    inyector.Desarma();
    EXPECT_EQ(avisos.dialogosMostrados, 0);
}

}  // namespace
