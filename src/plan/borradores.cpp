// Production-plan drafts: saved as a model voucher "@@PP" in one transaction,
// loaded back by their name (the production date).
#include "plan/FrmTervalio.h"
#include "plan/reglas_plan.h"

#include "platform/avisos.h"
#include "platform/controles/vista_grilla.h"
#include "platform/db/reglas_sqlite.h"
#include "platform/fechas.h"
#include "platform/numeros.h"
#include "platform/recorte.h"
#include "session/ModGlobal.h"
#include "voucher/columnas_grillas.h"
#include "voucher/filas_en_uso.h"

#include <cmath>
#include <limits>

using namespace ModGlobal;

namespace {
namespace C = ColArticulos;

// A draft's id as stored, whole: other modules of the suite write model
// vouchers beyond 16 bits, and a cut id names another draft's lines.
long IdDeBorrador(const Recordset& cabecera)
{
    return static_cast<long>(cabecera.Valor(QStringLiteral("IdCpteModelo")).toLongLong());
}
}  // namespace

QString NombreDeBorrador(const QString& fecha)
{
    if (!Fechas::EsFechaDeLaBase(fecha))
        return QString();
    // The day the database reads in the same text (and in the projection's
    // range): there a two-digit year 00-49 is 2000-2049.
    const QString t = Recorta(fecha);
    auto f = ReglasSqlite::LeeFecha(t);
    if (!f)
        f = Fechas::Lee(t);
    return f ? Fechas::Formatea(*f, QStringLiteral("dd/mm/yyyy")) : QString();
}

QString BuscaBorrador(const QString& fecha, Recordset& cabecera, bool& encontrado)
{
    SesionBD& bd = *gSesionBD;
    const QString escrito = Recorta(fecha);
    const QString nombre = NombreDeBorrador(escrito);
    const auto busca = [&](const QString& n) {
        encontrado = false;
        bd.AbreRegistro(QStringLiteral("v_cpteS_modelo_cab"), n, QStringLiteral("Nombre"), cabecera, 8, QString(), true,
                        encontrado);
        return encontrado;
    };
    if (busca(nombre) || escrito == nombre)
        return nombre;
    return busca(escrito) ? escrito : nombre;
}

QStringList FrmTervalio::PlanEnPantalla() const
{
    QStringList plan{Recorta(TxtFields[10]->text())};
    for (int fila = 1; fila < MSFlexGrid2.Rows(); ++fila)
        if (FilaEnUso(MSFlexGrid2, fila))
            plan << Recorta(MSFlexGrid2.TextMatrix(fila, C::Codigo)) + u'|' +
                        Recorta(MSFlexGrid2.TextMatrix(fila, C::Cantidad)) + u'|' +
                        Recorta(MSFlexGrid2.TextMatrix(fila, C::Unidad));
    return plan;
}

void FrmTervalio::MarcaPlanGrabado()
{
    planGrabado_ = PlanEnPantalla();
}

bool FrmTervalio::HayCambiosSinGrabar() const
{
    return PlanEnPantalla() != planGrabado_;
}

bool FrmTervalio::EsLaFechaEnPantalla(const QString& fecha) const
{
    return NombreDeBorrador(fecha) == NombreDeBorrador(ultimoNombreValidado_);
}

void FrmTervalio::ActualizarDatos()
{
    grabaBorrador(false);
}

// otraVez: the save started again because another operator changed that day's
// plan meanwhile; a second change ends it.
void FrmTervalio::grabaBorrador(bool otraVez)
{
    // Every save starts clean: an earlier failure must not fail this one.
    HayError = false;
    const QString inicio = QStringLiteral("BEGIN TRANSACTION ") + QStringLiteral("\r\r\r\n");
    QString lote = inicio;
    // What failed, in the engine's words: below the one message of a failed
    // save, and in the error log.
    QString mensaje;
    long numeroError = 0;
    // A failure leaves the save; it is told with the others, once.
    Procedimiento p(QStringLiteral("ACTUALIZAR DATOS"), [&](const Falla& f, const QString&) {
        HayError = true;
        if (numeroError == 0)
            numeroError = f.Numero;
        mensaje += QString::number(f.Numero) + QStringLiteral(" : ") + f.Descripcion + QStringLiteral("\r\n");
        return int(Avisos::Abortar);
    });
    SesionBD& bd = *gSesionBD;
    const QString escrito = Recorta(TxtFields[9]->text());
    const QString aviso = QStringLiteral("Aviso al operador");
    // A message box takes the focus: the name field it leaves must not tell
    // the same mistake a second time.
    // A day before 1753 the server's batch would refuse half-way: it is no
    // date to save under, on either database.
    const bool esFecha = Fechas::EsFechaDeLaBase(escrito);
    if (!esFecha)
        MarcaComprobado(*TxtFields[9]);
    if (escrito.isEmpty()) {
        MsgBox(QStringLiteral("Debe asignarle una fecha para poder grabar"), Avisos::Informacion, aviso);
        return;
    }
    if (!esFecha) {
        MsgBox(QStringLiteral("Debe asignarle una fecha valida para poder grabar"), Avisos::Informacion, aviso);
        return;
    }
    // Every line goes into the batch as a number: a line that is not one is
    // named to the operator and nothing is saved.
    for (int fila = 1; fila < MSFlexGrid2.Rows(); ++fila) {
        if (!FilaEnUso(MSFlexGrid2, fila))
            continue;
        if (!Numeros::EsNumerico(MSFlexGrid2.TextMatrix(fila, C::Cantidad))) {
            MsgBox(QStringLiteral("La línea %1 (%2) no tiene una cantidad válida: no se grabó el borrador")
                       .arg(fila)
                       .arg(Recorta(MSFlexGrid2.TextMatrix(fila, C::Codigo))),
                   Avisos::Informacion, aviso);
            return;
        }
    }

    QStringList sentencias{QString()};
    long id = 0;
    bool existente = false;
    // However the date was typed, the plan of that day.
    QString nombre;
    p.paso([&] {
        Recordset rs;
        bool encontrado = false;
        nombre = BuscaBorrador(escrito, rs, encontrado);
        if (encontrado) {
            id = IdDeBorrador(rs);
            existente = true;
        }
    });
    // A stored plan of another date than the one on screen was never shown to
    // the operator: it is not replaced without asking.
    if (!p.abandonado() && existente && !EsLaFechaEnPantalla(nombre) &&
        MsgBox(QStringLiteral("Ya hay un plan grabado para el %1 y no es el de la pantalla. "
                              "¿Desea reemplazarlo por el de la pantalla?")
                   .arg(NombreDeBorrador(nombre)),
               Avisos::SiNo | Avisos::Pregunta | Avisos::SegundoBoton, aviso) != Avisos::Si)
        return;
    bool enviado = false, cerrado = false, repetir = false;

    const auto recogeErrores = [&] {
        ErroresBD& errores = bd.Conexion.Errors;
        if (errores.Count() == 0)
            return;
        numeroError = errores.Item(0).Number;
        HayError = true;
        mensaje += TextoDeErrores(errores);
        errores.Clear();
    };
    // A call that failed without a database error (a lost connection) is a failed save too.
    const auto ejecuta = [&](const QString& texto) { EjecutaRegistrando(bd, texto); };
    const auto deshace = [&] {
        ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
        bd.Conexion.Errors.Clear();
        cerrado = true;
    };
    const auto registraFalla = [&] {
        QString proceso = Sistema::NombreEjecutable();
        RegistraErrorAuxErr(lote, proceso, numeroError, mensaje);
    };
    const auto avisaFalla = [&] {
        if (!mensaje.trimmed().isEmpty())
            MsgBox(QStringLiteral("No se pudo grabar el borrador del plan.\r\n\r\n") + mensaje.trimmed(), Avisos::Critico,
                   QStringLiteral("Aviso al Operador!"));
    };
    if (p.abandonado()) {
        registraFalla();
        avisaFalla();
        return;
    }

    p.paso([&] {
        // The transaction opens before a new draft's id is taken, so the id and
        // the rows under it belong to one unit of work.
        enviado = true;
        ejecuta(QStringLiteral("BEGIN TRANSACTION "));
        recogeErrores();
        if (HayError)
            return;
        // Looked up again inside the transaction: another operator may have
        // saved or removed that day's plan since the first look.
        Recordset rs;
        bool encontrado = false;
        const QString ahora = BuscaBorrador(escrito, rs, encontrado);
        const long idAhora = encontrado ? IdDeBorrador(rs) : 0;
        if (encontrado && (!existente || idAhora != id) && !EsLaFechaEnPantalla(ahora)) {
            // A plan the operator was not asked about is not replaced: the
            // save starts again, and asks.
            if (!otraVez) {
                repetir = true;
                return;
            }
            HayError = true;
            mensaje = QStringLiteral("Otro puesto cambió el plan del %1 mientras se grababa: no se grabó el borrador")
                          .arg(NombreDeBorrador(ahora));
            return;
        }
        nombre = ahora;
        existente = encontrado;
        id = idAhora;
        if (!existente) {
            const double maximo = gUtilidades->TextoADoble(bd.MaximoValor(QStringLiteral("V_CPTES_MODELO_CAB"),
                                                                           QStringLiteral("IDCPTEMODELO"), QStringLiteral("@"))
                                                               .toString());
            if (maximo + 1 > std::numeric_limits<std::int16_t>::max()) {
                HayError = true;
                mensaje = QStringLiteral("No hay más números para borradores nuevos (el máximo es 32767): no se grabó el borrador");
                return;
            }
            id = static_cast<long>(maximo) + 1;
        }
        const QString numero = QString::number(id);
        sentencias << QStringLiteral("DELETE V_CPTES_MODELO_CAB WHERE IdCpteModelo = ") + (existente ? numero : QStringLiteral("0"))
                   << QStringLiteral("DELETE V_CPTES_MODELO_DET WHERE IdCpteModelo = ") + (existente ? numero : QStringLiteral("0"));
        const QString comilla = QStringLiteral("'"), numerico = QStringLiteral("@");
        QString condicion;
        // The builder takes the value by reference: each call gets its own copy.
        const auto agrega = [](const char* columna, QString valor, const QString& tipo, bool inicio = false) {
            AgregaCampo(QString::fromLatin1(columna), valor, tipo, inicio);
        };
        agrega("IdCpteModelo", numero, numerico, true);
        agrega("Nombre", nombre, comilla);
        agrega("Detalle", Recorta(TxtFields[10]->text()), comilla);
        agrega("TCDefault", QStringLiteral("@@PP"), comilla);
        agrega("DepositoOrigen", QString(), comilla);
        agrega("DepositoDestino", QString(), comilla);
        agrega("IdMotivoStock", QString(), comilla);
        agrega("AnclarAlMenu", QStringLiteral("0"), comilla);
        ArmaSentencia(gCampos, sentencias, QStringLiteral("V_CPTES_MODELO_CAB"), false, condicion, false);
        sentencias << QString();
        for (int fila = 1; fila < MSFlexGrid2.Rows(); ++fila) {
            const QString codigo = Recorta(MSFlexGrid2.TextMatrix(fila, C::Codigo));
            if (codigo.isEmpty())
                continue;
            agrega("IdCpteModelo", numero, numerico, true);
            agrega("IdArticulo", gUtilidades->AjustaAncho(codigo, 25), comilla);
            agrega("Cantidad", Recorta(MSFlexGrid2.TextMatrix(fila, C::Cantidad)), numerico);
            agrega("IdUnidad", gUtilidades->AjustaAncho(Recorta(MSFlexGrid2.TextMatrix(fila, C::Unidad)), 4), comilla);
            agrega("FechaComp", nombre, comilla);
            ArmaSentencia(gCampos, sentencias, QStringLiteral("V_CPTES_MODELO_DET"), false, condicion, false);
            sentencias << QString();
        }
        QString cuerpo;
        for (const QString& s : sentencias)
            if (!s.trimmed().isEmpty())
                cuerpo += u'\r' + s;
        lote = inicio + cuerpo + u'\r';
        ejecuta(cuerpo + u'\r');
        recogeErrores();
    });
    p.paso([&] {
        if (repetir) {
            deshace();
            return;
        }
        if (HayError) {
            deshace();
            registraFalla();
            return;
        }
        ejecuta(QStringLiteral("COMMIT TRANSACTION"));
        cerrado = true;
        if (bd.Conexion.Errors.Count() == 0) {
            // Only a commit known to have worked empties the screen.
            for (int i : {9, 6, 10, 7})
                TxtFields[size_t(i)]->clear();
            ultimoNombreValidado_.clear();
            InicializaGrids();
            ConfirmaTransaccion();
            return;
        }
        // A commit that failed must not leave the transaction open behind it.
        recogeErrores();
        deshace();
        registraFalla();
    });
    if (enviado && !cerrado)
        deshace();
    if (repetir && !p.abandonado()) {
        grabaBorrador(true);
        return;
    }
    // A failure the handler caught is logged here; the batch's were logged above.
    if (p.abandonado())
        registraFalla();
    avisaFalla();
}

void FrmTervalio::AsignarDatos2()
{
    Procedimiento p(QStringLiteral("Asignar Datos"), GestorUtilidades());
    SesionBD& bd = *gSesionBD;
    const int indice = UtilidadesControles::IndiceControl(QStringLiteral("NOMBRE"), TxtFields);
    const QString nombre = indice < 0 ? QString() : Recorta(TxtFields[size_t(indice)]->text());
    Recordset cabecera;
    bool encontrado = false;
    long id = 0;
    p.paso([&] { BuscaBorrador(nombre, cabecera, encontrado); });
    if (p.abandonado() || !encontrado)
        return;
    p.paso([&] { UtilidadesControles::CargaRecordset(TxtFields, cabecera); });
    p.paso([&] { id = IdDeBorrador(cabecera); });
    p.paso([&] { InicializaGrids(); });
    Recordset lineas;
    p.paso([&] {
        bd.AbreRecordset(QStringLiteral("select * from v_cptes_modelo_det where idcptemodelo = ") + QString::number(id), lineas);
    });
    bool primera = true;
    while (!p.abandonado() && lineas.State() && !lineas.Eof()) {
        p.paso([&] {
            if (!primera)
                MSFlexGrid2.setRows(MSFlexGrid2.Rows() + 1);
            primera = false;
            MSFlexGrid2.setRow(MSFlexGrid2.Rows() - 1);
        });
        p.paso([&] {
            const QString codigo = Recorta(gUtilidades->ValorNoNuloTexto(lineas.Valor(QStringLiteral("IdArticulo"))));
            const int fila = MSFlexGrid2.Row();
            MSFlexGrid2.setTextMatrix(fila, C::Codigo, codigo);
            txtEdit2->setText(codigo);
            campoActual_ = txtEdit2;
            MSFlexGrid2.setCol(C::Codigo);
            PreparaEditor(C::Codigo);
            CampoValida(*txtEdit2);
        });
        p.paso([&] {
            const int fila = MSFlexGrid2.Row();
            MSFlexGrid2.setTextMatrix(fila, C::Unidad,
                                      Recorta(gUtilidades->ValorNoNuloTexto(lineas.Valor(QStringLiteral("IdUnidad")))));
            const double cantidad = std::fabs(gUtilidades->TextoADoble(
                gUtilidades->ValorNoNuloTexto(lineas.Valor(QStringLiteral("Cantidad")))));
            MSFlexGrid2.setTextMatrix(fila, C::Cantidad, Numeros::TextoRegional(cantidad));
        });
        if (!p.paso([&] { lineas.MoveNext(); }))
            break;
    }
    // A refused line's message gave the editor the focus; the grid, with the
    // line, takes it before the editor hides, which would hand it on as a Tab.
    if (txtEdit2->hasFocus())
        vistaMSFlexGrid2->setFocus();
    // The lines were checked through the grid's editor: it is not left showing over the grid.
    editorGrilla.setVisible(false);
    // One blank row after the loaded lines, to type the next article into.
    p.paso([&] { FilaEnBlancoFinal(); });
    MarcaPlanGrabado();
}
