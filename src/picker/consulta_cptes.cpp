// The run that fills the picker's list.
#include "picker/FrmConsComprobantes.h"

#include "picker/consultas_comprobantes.h"
#include "picker/filas_comprobantes.h"
#include "platform/controles/caja_texto.h"
#include "platform/eventos.h"
#include "session/ModGlobal.h"
#include "services/lectura_valores.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScopeGuard>

using namespace ModGlobal;

void FrmConsComprobantes::ConsultaCptes()
{
    // Events run while rows arrive: nothing may start a second run meanwhile.
    if (enCurso_)
        return;
    enCurso_ = true;
    CmdBuscar->setEnabled(false);
    {
        const auto libre = qScopeGuard([this] {
            enCurso_ = false;
            CmdBuscar->setEnabled(true);
        });
        llenaLista();
    }
    // Accept or cancel during the run closes the window once the run has left.
    if (cierrePendiente_) {
        const int resultado = *cierrePendiente_;
        cierrePendiente_.reset();
        Form_Unload(resultado);
    }
}

void FrmConsComprobantes::llenaLista()
{
    Procedimiento p(QString(), LecturaValores::GestorSesion());
    p.PasarPorAlto(380);
    SesionBD& bd = *gSesionBD;
    // The recordset is closed on every way out, a leave included.
    const auto cierra = qScopeGuard([&] {
        Procedimiento::Silencioso(QStringLiteral("ConsultaCptes")).paso([&] {
            if (rsCptes_.State() == Recordset::Abierto)
                bd.CierraRecordset(rsCptes_);
        });
    });

    p.paso([&] { ListView1.ListItems().Clear(); });
    p.paso([&] { ListView1.setMultiSelect(false); });
    p.paso([&] { ListView1.setCheckboxes(false); });

    // The caller's mode holds for every run of the window, Buscar included.
    p.paso([&] {
        if (!modo_)
            modo_ = TC;
        const ConsultasComprobantes::Modo m = ConsultasComprobantes::DecodificaModo(*modo_);
        SoloPendientes = m.soloPendientes ? -1 : 0;
        EsTransporte = m.esTransporte ? -1 : 0;
        TC = m.tc;
        if (m.casillas)
            ListView1.setCheckboxes(true);
    });

    p.paso([&] { Encolumnar(); });
    // Placed once: a later search leaves the window where the operator put it.
    p.paso([&] {
        if (!colocada_)
            gUtilidades->InicializaFormulario(this, 0);
        colocada_ = true;
    });
    p.paso([&] { AplicaIconoFormulario(*this); });
    p.paso([&] {
        if (EsTransporte)
            TC = QStringLiteral("RM");
    });

    QString busqueda;
    p.paso([&] { busqueda = ConsultasComprobantes::CondicionDeBusqueda(TxtNombre->text(), TxtNumero->text()); });
    QString sql;
    p.paso([&] {
        sql = ConsultasComprobantes::Consulta(TC, SoloPendientes, EsTransporte, busqueda, Filtro,
                                              [](const QString& clave) { return CfgIgualSi(clave); });
    });

    // After the manager's chance to retry, a failed open ends the run.
    p.paso([&] { bd.AbreRecordset(sql, rsCptes_, nullptr, 0, 1, -1, true); });
    if (p.abandonado() || rsCptes_.State() != Recordset::Abierto)
        return;

    const FilasComprobantes::Campo campo = [this](const QString& nombre) {
        const int i = rsCptes_.IndiceCampo(nombre);
        return i < 0 ? QVariant() : rsCptes_.Valor(i);
    };
    // A look-up that fails asks without a name: 5 leaves its cell empty.
    const auto consulta = [&](const std::function<QVariant()>& busca) -> std::optional<QString> {
        QVariant v;
        if (!p.paso([&] { v = busca(); }))
            return std::nullopt;
        return gUtilidades->ValorNoNuloTexto(v);
    };
    FilasComprobantes::Apoyo apoyo;
    apoyo.imagen = [this](const QString& codigo) { return int(ObtieneIndiceImagen(codigo)); };
    apoyo.proveedor = [&](const QString& cuenta) {
        return consulta([&] {
            return bd.ObtieneValor(QStringLiteral("VT_PROVEEDORES"), cuenta, QStringLiteral("RAZON_SOCIAL"),
                                   QStringLiteral("Codigo"), 8, QString(), true, false);
        });
    };
    apoyo.recepcion = [&](const QString& id) {
        return consulta([&] {
            return bd.ObtieneValor(QStringLiteral("v_mv_stock"), QStringLiteral("OC"), QStringLiteral("idcomprobante"),
                                   QStringLiteral("TC_origen"), 8,
                                   QStringLiteral(" TC = 'IR' AND TC_ORIGEN = 'OC' AND IDCOMPROBANTE_ORIGEN =")
                                       + bd.ValorSQL(id, QStringLiteral("'")),
                                   true, false);
        });
    };

    bool hayFilas = false;
    p.paso([&] { hayFilas = !rsCptes_.Bof(); });
    while (hayFilas && !p.abandonado() && !cierrePendiente_) {
        bool fin = true;
        p.paso([&] { fin = rsCptes_.Eof(); });
        if (fin)
            break;
        FilasComprobantes::Fila fila;
        p.paso([&] { fila = FilasComprobantes::ArmaFila(TC, SoloPendientes, EsTransporte, campo, apoyo); });
        // A look-up that left still shows the row with the cells it had.
        Procedimiento resto = Procedimiento::Silencioso(QStringLiteral("ConsultaCptes"));
        Procedimiento& agrega = fila.completa ? p : resto;
        ListItem* elemento = nullptr;
        agrega.paso([&] {
            elemento = &ListView1.ListItems().Add(0, QString(), fila.texto, fila.icono, fila.iconoChico);
        });
        for (int i = 0; elemento && i < fila.subItems.size(); ++i)
            agrega.paso([&] { elemento->setSubItems(i + 1, fila.subItems[i]); });
        // Enter accepts the first row from the moment it shows; a row the
        // operator chooses meanwhile stays chosen.
        if (elemento && ListView1.ListItems().Count() == 1 && !ListView1.SelectedItem())
            Procedimiento::Silencioso(QStringLiteral("ConsultaCptes")).paso([&] {
                ListView1.setSelectedItem(elemento);
            });
        if (!fila.completa || p.abandonado())
            break;
        p.paso([&] { rsCptes_.MoveNext(); });
        // The operator can already see, sort, accept or cancel. The first
        // load runs before the window is on the screen and holds its caller
        // back: until then input waits, or it would reach the caller's window.
        if (cargando_)
            Eventos::Pendientes();
        else
            QCoreApplication::processEvents();
    }
}
