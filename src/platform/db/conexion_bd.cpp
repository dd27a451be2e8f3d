#include "platform/db/conexion_bd.h"

#include "platform/db/tsql_sqlite.h"

namespace {
constexpr long ConexionCerrada = 3709;
// The log keeps the newest texts of a long run, by count and by size: a
// saved plan or a deferred posting is one long batch.
constexpr qsizetype MaximoBitacora = 50000;
constexpr qsizetype MaximoCaracteresBitacora = 8 * 1000 * 1000;
}  // namespace

Falla FallaDeSesion(long numero, const QString& descripcion)
{
    return Falla(numero, descripcion, QStringLiteral("SesionBD"));
}

const ErrorBD& ErroresBD::Item(long i) const
{
    if (i < 0 || i >= Count())
        throw FallaDeSesion(Falla::FueraDeRango, QStringLiteral("El subíndice está fuera del intervalo."));
    return errores_[static_cast<size_t>(i)];
}

void InyectorFallas::FallaLaSentencia(long n, long numero, const QString& texto)
{
    modo_ = n > 0 ? Modo::PorNumero : Modo::Ninguno;
    restantes_ = n;
    numero_ = numero;
    texto_ = texto;
}

void InyectorFallas::FallaLaQueCoincida(const QString& patron, long numero, const QString& texto)
{
    modo_ = Modo::PorPatron;
    patron_ = patron;
    numero_ = numero;
    texto_ = texto;
}

void InyectorFallas::Consulta(const QString& sentencia)
{
    if (Observador)
        Observador(sentencia);
    ++contadas_;
    const bool toca = (modo_ == Modo::PorNumero && --restantes_ == 0) ||
                      (modo_ == Modo::PorPatron && sentencia.contains(patron_, Qt::CaseInsensitive));
    if (!toca)
        return;
    modo_ = Modo::Ninguno;
    throw Falla(numero_, texto_, QStringLiteral("SesionBD"));
}

ConexionBD::ConexionBD() = default;

ConexionBD::~ConexionBD()
{
    Close();
}

void ConexionBD::Instala(std::unique_ptr<MotorBD> motor)
{
    Close();
    motor_ = std::move(motor);
}

void ConexionBD::Close()
{
    if (motor_) {
        motor_->Cierra();
        motor_.reset();
    }
}

MotorBD& ConexionBD::motor()
{
    if (!motor_)
        registraYLanza(FallaDeSesion(ConexionCerrada, QStringLiteral("La conexión con la base de datos está cerrada.")));
    return *motor_;
}

void ConexionBD::anota(const QString& texto)
{
    if (bitacora_.size() >= MaximoBitacora) {
        for (qsizetype i = 0; i < MaximoBitacora / 2; ++i)
            caracteresBitacora_ -= bitacora_[i].size();
        bitacora_.remove(0, MaximoBitacora / 2);
    }
    bitacora_.append(texto);
    caracteresBitacora_ += texto.size();
    if (caracteresBitacora_ <= MaximoCaracteresBitacora)
        return;
    // The older texts go until half the room is free; the newest always stays.
    qsizetype quita = 0;
    while (quita < bitacora_.size() - 1 && caracteresBitacora_ > MaximoCaracteresBitacora / 2)
        caracteresBitacora_ -= bitacora_[quita++].size();
    bitacora_.remove(0, quita);
}

void ConexionBD::registraYLanza(const Falla& falla)
{
    Errors.Agrega({falla.Numero, falla.Numero, falla.Descripcion, falla.Origen});
    throw falla;
}

void ConexionBD::Ejecuta(const QString& sql, long& afectadas, std::shared_ptr<FilasBD>* filas)
{
    Errors.Clear();
    anota(sql);
    afectadas = 0;
    MotorBD& m = motor();
    try {
        m.Ejecuta(sql, OpcionesMotor{CommandTimeout, IsolationLevel, DefaultDatabase, &Inyector}, afectadas, filas);
    } catch (const Falla& f) {
        registraYLanza(f);
    }
    if (filas && *filas)
        (*filas)->Indexa(sql);
}

void ConexionBD::Anticipa(const QString& sql)
{
    if (!motor_)
        return;
    try {
        motor_->Anticipa(sql);
    } catch (const std::exception&) {
        // A failure (a helper thread that cannot start, say) leaves nothing
        // read ahead: the read runs as ever when it is sent.
    }
}

long ConexionBD::EjecutaConParametros(const QString& sql, const QVariantList& valores)
{
    Errors.Clear();
    anota(sql);
    MotorBD& m = motor();
    try {
        Inyector.Consulta(sql);
        return m.EjecutaConParametros(sql, valores);
    } catch (const Falla& f) {
        registraYLanza(f);
    }
}

QStringList ConexionBD::ClavePrimaria(const QString& tabla)
{
    try {
        return motor().ClavePrimaria(tabla);
    } catch (const Falla& f) {
        registraYLanza(f);
    }
}

QVariant ConexionBD::UltimaIdentidad()
{
    try {
        return motor().UltimaIdentidad();
    } catch (const Falla& f) {
        registraYLanza(f);
    }
}

QString ConexionBD::Prepara(const QString& sql) const
{
    return motor_ ? motor_->Prepara(sql) : TsqlSqlite::ResuelvePrefijos(sql);
}

QString ConexionBD::Proveedor() const
{
    return motor_ ? motor_->Proveedor() : QString();
}

Recordset ConexionBD::Execute(const QString& sql, long* filasAfectadas, long)
{
    Recordset rs;
    long afectadas = 0;
    std::shared_ptr<FilasBD> filas;
    Ejecuta(sql, afectadas, &filas);
    if (filasAfectadas)
        *filasAfectadas = afectadas;
    if (filas)
        rs.asume(std::move(filas), weak_from_this(), sql, 0, 1);
    return rs;
}
