// The one field check of the window: the draft's name and an article code
// typed into the plan grid.
#include "plan/FrmTervalio.h"
#include "plan/reglas_plan.h"

#include "platform/avisos.h"
#include "platform/fechas.h"
#include "platform/numeros.h"
#include "platform/recorte.h"
#include "services/Stock.h"
#include "session/ModGlobal.h"
#include "voucher/columnas_grillas.h"

using namespace ModGlobal;

void FrmTervalio::AvisoCampo(const QString& mensaje, CajaTexto& caja)
{
    validacionFallida_ = true;
    MsgBox(mensaje, Avisos::Informacion, QStringLiteral("Aviso al operador..."));
    Procedimiento::Silencioso(QStringLiteral("CampoValida")).paso([&caja] { caja.setFocus(); });
}

void FrmTervalio::CampoValida(CajaTexto& Texto)
{
    namespace C = ColArticulos;
    validacionFallida_ = false;
    QString valor = Recorta(Texto.text());
    const QString campo = Texto.DataField;

    if (campo.compare(QLatin1String("NOMBRE"), Qt::CaseInsensitive) == 0) {
        // A day the server's date columns cannot hold is no production date.
        if (!Fechas::EsFechaDeLaBase(valor)) {
            AvisoCampo(QStringLiteral("Debe ingresar una fecha valida!!!"), Texto);
            return;
        }
        // Checking the same date again, however written, must not throw away
        // the rows on screen.
        if (EsLaFechaEnPantalla(valor)) {
            Texto.setText(ultimoNombreValidado_);
            return;
        }
        if (HayCambiosSinGrabar() &&
            MsgBox(QStringLiteral("Se perderán los cambios no grabados del plan. ¿Desea continuar?"),
                   Avisos::SiNo | Avisos::Pregunta | Avisos::SegundoBoton, QStringLiteral("Aviso al operador")) != Avisos::Si) {
            // The plan on screen keeps its date.
            Texto.setText(ultimoNombreValidado_);
            return;
        }
        Recordset rs;
        bool encontrado = false;
        const QString nombre = BuscaBorrador(valor, rs, encontrado);
        ultimoNombreValidado_ = nombre;
        Texto.setText(nombre);
        const int i = UtilidadesControles::IndiceControl(QStringLiteral("NOMBRE"), TxtFields);
        if (i >= 0)
            TxtFields[size_t(i)]->setText(nombre);
        if (encontrado) {
            AsignarDatos2();
        } else {
            TxtFields[10]->clear();
            TxtFields[7]->clear();
            InicializaGrids();
        }
        return;
    }

    if (campo.compare(QLatin1String("IDARTICULO"), Qt::CaseInsensitive) != 0)
        return;

    const int fila = MSFlexGrid2.Row();
    if (valor.isEmpty()) {
        LimpiaFilaGrilla(MSFlexGrid2, fila, 1);
        return;
    }
    Recordset rs;
    bool buscaBarra = false;
    QString descripcion, unidadBase, vacio;
    double cantidadEspecial = 0;
    Moneda precio;
    QString lote;
    short control = 0;
    const bool encontrado = BuscaArticulo(valor, rs, true, buscaBarra, descripcion, QString(), unidadBase, QString(),
                                          cantidadEspecial, precio, lote, QString(), control);
    if (!encontrado) {
        LimpiaFilaGrilla(MSFlexGrid2, fila, 1);
        AvisoCampo(QStringLiteral("El Código Informado no es Correcto"), Texto);
        return;
    }
    const auto campoRs = [&rs](const char* nombre) { return rs.Valor(QString::fromLatin1(nombre)); };
    const auto textoRs = [&](const char* nombre) { return gUtilidades->ValorNoNuloTexto(campoRs(nombre)); };
    const auto celda = [&](int columna) { return MSFlexGrid2.TextMatrix(fila, columna); };
    const auto pon = [&](int columna, const QString& t) { MSFlexGrid2.setTextMatrix(fila, columna, t); };

    pon(C::Codigo, Recorta(textoRs("IdArticulo")));
    Texto.setText(valor);
    if (InterruptorPlan(campoRs("SUSPENDIDO")) == QLatin1String("-1")) {
        AvisoCampo(QStringLiteral("El Artículo fue dado de baja!!!"), Texto);
        return;
    }
    EspecialPDV(cantidadEspecial);
    if (precio != Moneda())
        pon(C::Importe, FmtMoneda(precio.Texto(), -1, true));
    pon(C::Descripcion, Recorta(textoRs("Descripcion")));
    pon(C::Presentacion, Recorta(textoRs("Presentacion")));
    pon(C::IdTipo, gUtilidades->ValorNoNuloTexto(gSesionBD->ObtieneValor(QStringLiteral("V_TA_TipoArticulo"),
                                                                          campoRs("idTipo"), QStringLiteral("Descripcion"),
                                                                          QStringLiteral("IdTipo"), 8, QString(), true, false)));
    if (Recorta(unidadBase).isEmpty()) {
        pon(C::UnidadBase, textoRs("IdUnidad"));
    } else {
        pon(C::UnidadBase, unidadBase);
        pon(C::UnidadArticulo, unidadBase);
    }
    pon(C::Costo, Recorta(textoRs("Costo")));
    const QVariant udStock = campoRs("UD_STOCK");
    pon(C::Unidad, udStock.isNull() ? Recorta(textoRs("IdUnidad")) : Recorta(textoRs("UD_STOCK")));
    pon(C::Impuestos, textoRs("Impuestos"));
    pon(C::EsExento, InterruptorPlan(campoRs("Exento")));
    pon(C::PideSerie, InterruptorPlan(campoRs("UsaSerie")));
    pon(C::PideLote, InterruptorPlan(campoRs("UsaLote")));
    pon(C::Perecedero, InterruptorPlan(campoRs("Perecedero")));
    pon(C::PideTalle, InterruptorPlan(campoRs("UsaTalle")));
    pon(C::InsumosPorPorcentaje, InterruptorPlan(campoRs("InsumosPorPorcentaje")));
    pon(C::CodigoArtProveedor, textoRs("CodigoArtProveedor"));

    if (Recorta(celda(C::Cantidad)).isEmpty())
        pon(C::Cantidad, QStringLiteral("1"));
    pon(C::CantidadUD, celda(C::Cantidad));
    if (Recorta(celda(C::Deposito)).isEmpty())
        pon(C::Deposito, gUtilidades->AjustaAncho(Cfg(QStringLiteral("DepositoDefault")), 4));
    pon(C::StockMaximo, Numeros::TextoPlano(gUtilidades->TextoADoble(textoRs("PuntoMaximo"))));
    pon(C::PuntoPedido, Numeros::TextoPlano(gUtilidades->TextoADoble(textoRs("PuntoPedido"))));
    pon(C::CopiaDeposito, celda(C::Deposito));

    double stock = 0;
    Stock::ControlStock(celda(C::Deposito), valor, Recorta(celda(C::Unidad)), stock);
    pon(C::StockDisponible, FmtMoneda(Numeros::TextoPlano(stock), -1, true));
}

void FrmTervalio::EspecialPDV(double CantidadEsp)
{
    if (CantidadEsp != 0)
        MSFlexGrid2.setTextMatrix(MSFlexGrid2.Row(), ColArticulos::Cantidad, Numeros::TextoRegional(CantidadEsp));
}
