#include "platform/db/recordset.h"

#include "platform/db/conexion_bd.h"
#include "platform/db/tsql_sqlite.h"

#include <QSet>
#include <QStringList>

namespace {

constexpr long SinRegistroActual = 3021;
constexpr long NoEstaEnLaColeccion = 3265;
constexpr long NoActualizable = 3251;
constexpr long ObjetoCerrado = 3704;
constexpr long ConexionCerrada = 3709;
constexpr long FilaNoEncontrada = -2147217864;

bool nombreSimple(const QString& n)
{
    if (n.isEmpty() || n[0].isDigit())
        return false;
    for (QChar c : n)
        if (!c.isLetterOrNumber() && c != u'_')
            return false;
    return true;
}

QString nombreSql(const QString& n)
{
    return nombreSimple(n) ? n : u'"' + QString(n).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

void FilasBD::Materializa()
{
    if (!diferidas)
        return;
    const size_t n = diferidas->Cuantas();
    celdas.reserve(qsizetype(n));
    for (size_t i = 0; i < n; ++i)
        celdas.push_back(diferidas->Celda(i));
    diferidas.reset();
}

void FilasBD::Indexa(QStringView sql)
{
    indice.clear();
    indice.reserve(columnas);
    std::optional<QSet<QString>> aliasExplicitos;
    for (int i = 0; i < columnas; ++i) {
        const QString clave = nombres[i].toCaseFolded();
        auto it = indice.find(clave);
        if (it == indice.end()) {
            indice.insert(clave, i);
            continue;
        }
        if (!aliasExplicitos)
            aliasExplicitos = TsqlSqlite::AliasExplicitos(sql);
        if (aliasExplicitos->contains(clave))
            it.value() = i;
    }
}

QVariant CampoBD::Value() const
{
    return rs_->Valor(indice_);
}

CampoBD& CampoBD::operator=(const QVariant& valor)
{
    rs_->asigna(indice_, valor);
    return *this;
}

QString CampoBD::Name() const
{
    return rs_->FieldName(indice_);
}

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

void Recordset::Open(const QString& sql, ConexionBD& conexion, int cursor, int bloqueo, long)
{
    Close();
    long afectadas = 0;
    std::shared_ptr<FilasBD> filas;
    conexion.Ejecuta(sql, afectadas, &filas);
    // A text that yields no rows at all still opens an empty recordset.
    if (!filas)
        filas = std::make_shared<FilasBD>();
    asume(std::move(filas), conexion.weak_from_this(), sql, cursor, bloqueo);
}

void Recordset::asume(std::shared_ptr<FilasBD> filas, std::weak_ptr<ConexionBD> conexion, const QString& sql,
                      int cursor, int bloqueo)
{
    filas_ = std::move(filas);
    conexion_ = std::move(conexion);
    cursor_ = cursor;
    bloqueo_ = bloqueo;
    pos_ = 0;
    editando_ = nueva_ = false;
    porNombreExacto_.clear();
    tabla_ = bloqueo > 1 ? TsqlSqlite::TablaPrincipal(sql) : QString();
    clave_.reset();
}

void Recordset::Close()
{
    CancelUpdate();
    filas_.reset();
    conexion_.reset();
    porNombreExacto_.clear();
    pos_ = 0;
}

void Recordset::exigeAbierto() const
{
    if (!filas_)
        throw FallaDeSesion(ObjetoCerrado, QStringLiteral("No se permite la operación: el recordset está cerrado."));
}

void Recordset::exigeFila() const
{
    exigeAbierto();
    if (pos_ < 0 || pos_ >= filas_->Filas())
        throw FallaDeSesion(SinRegistroActual,
                            QStringLiteral("No hay registro actual: BOF o EOF es verdadero, o el registro se eliminó."));
}

bool Recordset::Bof() const
{
    exigeAbierto();
    return !nueva_ && (filas_->Filas() == 0 || pos_ < 0);
}

bool Recordset::Eof() const
{
    exigeAbierto();
    return !nueva_ && (filas_->Filas() == 0 || pos_ >= filas_->Filas());
}

void Recordset::guardaSiEdita()
{
    if (editando_)
        Update();
}

void Recordset::MoveFirst()
{
    exigeAbierto();
    guardaSiEdita();
    pos_ = 0;
}

void Recordset::MoveLast()
{
    exigeAbierto();
    guardaSiEdita();
    pos_ = filas_->Filas() > 0 ? filas_->Filas() - 1 : 0;
}

void Recordset::MoveNext()
{
    guardaSiEdita();
    if (Eof())
        exigeFila();
    ++pos_;
}

void Recordset::MovePrevious()
{
    guardaSiEdita();
    if (Bof())
        exigeFila();
    --pos_;
}

long Recordset::RecordCount() const
{
    exigeAbierto();
    return filas_->Filas();
}

int Recordset::FieldCount() const
{
    exigeAbierto();
    return filas_->columnas;
}

void Recordset::exigeIndice(int indice) const
{
    exigeAbierto();
    if (indice < 0 || indice >= filas_->columnas)
        throw FallaDeSesion(NoEstaEnLaColeccion, QStringLiteral("No se encuentra el campo %1 en la colección.").arg(indice));
}

QString Recordset::FieldName(int indice) const
{
    exigeIndice(indice);
    return filas_->nombres[indice];
}

int Recordset::IndiceCampo(const QString& nombre) const
{
    exigeAbierto();
    // Callers ask by the same spellings row after row: remember each one.
    const auto it = porNombreExacto_.constFind(nombre);
    if (it != porNombreExacto_.constEnd())
        return it.value();
    const int i = filas_->indice.value(nombre.toCaseFolded(), -1);
    porNombreExacto_.insert(nombre, i);
    return i;
}

int Recordset::indiceExigido(const QString& nombre) const
{
    const int i = IndiceCampo(nombre);
    if (i < 0)
        throw FallaDeSesion(NoEstaEnLaColeccion,
                            QStringLiteral("No se encuentra el campo \"%1\" en la colección.").arg(nombre));
    return i;
}

CampoBD Recordset::Fields(const QString& nombre)
{
    return CampoBD(this, indiceExigido(nombre));
}

CampoBD Recordset::Fields(int indice)
{
    exigeIndice(indice);
    return CampoBD(this, indice);
}

QVariant Recordset::Valor(const QString& nombre) const
{
    return Valor(indiceExigido(nombre));
}

QVariant Recordset::Valor(int indice) const
{
    exigeIndice(indice);
    if (editando_)
        return edicion_[static_cast<size_t>(indice)];
    exigeFila();
    return filas_->Celda(pos_, indice);
}

std::vector<std::vector<QVariant>> Recordset::GetRows(long cuantas)
{
    exigeAbierto();
    guardaSiEdita();
    const long total = filas_->Filas();
    if (pos_ < 0)
        pos_ = 0;
    const long hasta = cuantas < 0 ? total : std::min(total, pos_ + cuantas);
    std::vector<std::vector<QVariant>> r(static_cast<size_t>(filas_->columnas));
    for (int c = 0; c < filas_->columnas; ++c)
        for (long f = pos_; f < hasta; ++f)
            r[static_cast<size_t>(c)].push_back(filas_->Celda(f, c));
    pos_ = std::max(pos_, hasta);
    return r;
}

void Recordset::AddNew()
{
    exigeAbierto();
    if (bloqueo_ <= 1)
        throw FallaDeSesion(NoActualizable, QStringLiteral("El recordset se abrió de solo lectura: no admite agregar filas."));
    guardaSiEdita();
    filas_->Materializa();
    editando_ = nueva_ = true;
    edicion_.assign(static_cast<size_t>(filas_->columnas), QVariant());
    cambiado_.assign(static_cast<size_t>(filas_->columnas), false);
}

void Recordset::asigna(int indice, const QVariant& valor)
{
    if (bloqueo_ <= 1)
        throw FallaDeSesion(NoActualizable, QStringLiteral("El recordset se abrió de solo lectura: no admite cambios."));
    if (!editando_) {
        exigeFila();
        filas_->Materializa();
        const auto desde = filas_->celdas.begin() + pos_ * filas_->columnas;
        edicion_.assign(desde, desde + filas_->columnas);
        cambiado_.assign(static_cast<size_t>(filas_->columnas), false);
        editando_ = true;
        nueva_ = false;
    }
    edicion_[static_cast<size_t>(indice)] = valor;
    cambiado_[static_cast<size_t>(indice)] = true;
}

void Recordset::CancelUpdate()
{
    editando_ = nueva_ = false;
    edicion_.clear();
    cambiado_.clear();
}

void Recordset::Update()
{
    if (!editando_)
        return;
    auto conexion = conexion_.lock();
    if (!conexion || !conexion->Abierta())
        throw FallaDeSesion(ConexionCerrada, QStringLiteral("La conexión del recordset está cerrada."));
    if (tabla_.isEmpty())
        throw FallaDeSesion(NoActualizable, QStringLiteral("La consulta no nombra una tabla que se pueda actualizar."));
    const int n = filas_->columnas;
    QStringList columnas;
    QVariantList valores;
    for (int i = 0; i < n; ++i)
        if (cambiado_[static_cast<size_t>(i)]) {
            columnas << nombreSql(filas_->nombres[i]);
            valores << edicion_[static_cast<size_t>(i)];
        }
    if (!clave_)
        clave_ = conexion->ClavePrimaria(tabla_);
    const QStringList& clave = *clave_;
    if (nueva_) {
        QString sql = QStringLiteral("INSERT INTO ") + nombreSql(tabla_);
        if (columnas.isEmpty())
            sql += QStringLiteral(" DEFAULT VALUES");
        else
            sql += QStringLiteral(" (") + columnas.join(u',') + QStringLiteral(") VALUES (") +
                   QStringList(columnas.size(), QStringLiteral("?")).join(u',') + u')';
        conexion->EjecutaConParametros(sql, valores);
        // The key the database gave the new row.
        if (clave.size() == 1) {
            const int k = IndiceCampo(clave[0]);
            if (k >= 0 && !cambiado_[static_cast<size_t>(k)])
                edicion_[static_cast<size_t>(k)] = conexion->UltimaIdentidad();
        }
        filas_->celdas.append(QList<QVariant>(edicion_.begin(), edicion_.end()));
        pos_ = filas_->Filas() - 1;
    } else if (!columnas.isEmpty()) {
        // The row is found by its key, or by every value it had when read.
        QList<int> donde;
        for (const QString& c : clave)
            donde << IndiceCampo(c);
        if (clave.isEmpty() || donde.contains(-1)) {
            donde.clear();
            for (int i = 0; i < n; ++i)
                donde << i;
        }
        QStringList condiciones;
        for (int i : donde) {
            const QVariant& original = filas_->celdas.at(pos_ * n + i);
            if (original.isNull()) {
                condiciones << nombreSql(filas_->nombres[i]) + QStringLiteral(" IS NULL");
            } else {
                condiciones << nombreSql(filas_->nombres[i]) + QStringLiteral(" = ?");
                valores << original;
            }
        }
        const QString sql = QStringLiteral("UPDATE ") + nombreSql(tabla_) + QStringLiteral(" SET ") +
                            columnas.join(QStringLiteral(" = ?,")) + QStringLiteral(" = ? WHERE ") +
                            condiciones.join(QStringLiteral(" AND "));
        if (conexion->EjecutaConParametros(sql, valores) == 0)
            throw FallaDeSesion(FilaNoEncontrada,
                                QStringLiteral("No se encuentra la fila para actualizarla: cambió desde que se leyó."));
        std::copy(edicion_.begin(), edicion_.end(), filas_->celdas.begin() + pos_ * n);
    }
    CancelUpdate();
}
