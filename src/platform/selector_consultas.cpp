#include "platform/selector_consultas.h"

#include "platform/avisos.h"
#include "platform/controles/texto_celda.h"
#include "platform/db/sesion_bd.h"
#include "platform/falla.h"
#include "platform/texto_ansi.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr long ObjetoNoEstablecido = 91;
constexpr long NoEstaEnLaColeccion = 3265;

// One record of the saved-queries file: 1202 bytes, the title in the first
// 100, the view in the next 100, the shown columns as a pipe list in the next 500.
constexpr qsizetype LargoRegistro = 1202;

struct ConsultaGuardada {
    QString titulo;
    QStringList columnas;
};

bool consultaGuardada(const QString& archivo, const QString& vista, ConsultaGuardada& r)
{
    if (archivo.isEmpty())
        return false;
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray todo = f.readAll();
    for (qsizetype i = 0; i + 700 <= todo.size(); i += LargoRegistro) {
        if (TextoAnsi::Decodifica(todo.mid(i + 100, 100)).trimmed().compare(vista, Qt::CaseInsensitive) != 0)
            continue;
        r.titulo = TextoAnsi::Decodifica(todo.mid(i, 100)).trimmed();
        r.columnas.clear();
        for (const QString& c : TextoAnsi::Decodifica(todo.mid(i + 200, 500)).split(u'|'))
            if (!c.trimmed().isEmpty())
                r.columnas << c.trimmed();
        return true;
    }
    return false;
}

bool esSelect(const QString& consulta)
{
    static const QRegularExpression select(QStringLiteral("^\\s*select\\s"), QRegularExpression::CaseInsensitiveOption);
    return select.match(consulta).hasMatch();
}

}  // namespace

QString SelectorConsultas::SentenciaDe(const QString& consulta, QString* titulo) const
{
    if (esSelect(consulta)) {
        if (titulo)
            *titulo = QStringLiteral("Consulta");
        return consulta;
    }
    const QString vista = consulta.trimmed();
    ConsultaGuardada guardada;
    if (titulo)
        *titulo = vista;
    if (!consultaGuardada(ArchivoConsultas, vista, guardada) || guardada.columnas.isEmpty())
        return QStringLiteral("SELECT * FROM ") + vista;
    if (titulo && !guardada.titulo.isEmpty())
        *titulo = guardada.titulo;
    QStringList columnas = guardada.columnas;
    if (!CampoRetorno.trimmed().isEmpty() && !columnas.contains(CampoRetorno.trimmed(), Qt::CaseInsensitive))
        columnas << CampoRetorno.trimmed();
    return QStringLiteral("SELECT ") + columnas.join(u',') + QStringLiteral(" FROM ") + vista;
}

void SelectorConsultas::Mostrar(const QString& Consulta, const QVariantList&, const QString&, const QString&,
                                const QString&, const QString&, bool, const QString&)
{
    resultado_ = QVariant();
    if (!Sesion)
        throw Falla(ObjetoNoEstablecido, QStringLiteral("La lista de selección no tiene una sesión de base de datos."),
                    OrigenPrograma());
    QString titulo;
    const QString sql = SentenciaDe(Consulta, &titulo);
    Recordset rs;
    Sesion().AbreRecordset(sql, rs);
    const int retorno = rs.IndiceCampo(CampoRetorno.trimmed());
    if (retorno < 0)
        throw Falla(NoEstaEnLaColeccion,
                    QStringLiteral("La columna \"%1\" no está en la consulta de la lista.").arg(CampoRetorno),
                    OrigenPrograma());

    QStringList columnas;
    for (int c = 0; c < rs.FieldCount(); ++c)
        columnas << rs.FieldName(c);
    std::vector<std::vector<QVariant>> filas;
    filas.reserve(static_cast<size_t>(rs.RecordCount()));
    for (; !rs.Eof(); rs.MoveNext()) {
        std::vector<QVariant> fila;
        fila.reserve(static_cast<size_t>(columnas.size()));
        for (int c = 0; c < columnas.size(); ++c)
            fila.push_back(rs.Valor(c));
        filas.push_back(std::move(fila));
    }
    rs.Close();

    ModeloSelector modelo(columnas, std::move(filas));
    DialogoSelector dialogo(titulo, modelo);
    const int respuesta = Avisos::Actual().Dialogo(dialogo);
    if (respuesta == QDialog::Accepted && dialogo.FilaElegida() >= 0)
        resultado_ = modelo.Valor(dialogo.FilaElegida(), retorno);
}

ModeloSelector::ModeloSelector(QStringList columnas, std::vector<std::vector<QVariant>> filas, QObject* padre)
    : QAbstractTableModel(padre), columnas_(std::move(columnas)), filas_(std::move(filas))
{
    textoDeBusqueda_.reserve(filas_.size());
    visibles_.reserve(filas_.size());
    for (size_t f = 0; f < filas_.size(); ++f) {
        QString t;
        for (const QVariant& v : filas_[f])
            t += Celdas::Texto(v).toCaseFolded() + QChar(0x1F);   // a word never spans two columns
        textoDeBusqueda_.push_back(std::move(t));
        visibles_.push_back(static_cast<int>(f));
    }
}

void ModeloSelector::Filtra(const QString& texto)
{
    const QStringList palabras = texto.toCaseFolded().split(u' ', Qt::SkipEmptyParts);
    beginResetModel();
    visibles_.clear();
    for (size_t f = 0; f < filas_.size(); ++f) {
        bool pasa = true;
        for (const QString& p : palabras)
            if (!textoDeBusqueda_[f].contains(p)) {
                pasa = false;
                break;
            }
        if (pasa)
            visibles_.push_back(static_cast<int>(f));
    }
    endResetModel();
}

int ModeloSelector::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(visibles_.size());
}

int ModeloSelector::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(columnas_.size());
}

QVariant ModeloSelector::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || (rol != Qt::DisplayRole && rol != Qt::ToolTipRole))
        return {};
    return Celdas::Texto(Valor(FilaDe(indice.row()), indice.column()));
}

QVariant ModeloSelector::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (rol != Qt::DisplayRole)
        return {};
    if (orientacion == Qt::Horizontal)
        return seccion >= 0 && seccion < columnas_.size() ? QVariant(columnas_[seccion]) : QVariant();
    return seccion + 1;
}

DialogoSelector::DialogoSelector(const QString& titulo, ModeloSelector& modelo, QWidget* padre)
    : QDialog(padre), modelo_(modelo), filtro_(new QLineEdit(this)), tabla_(new QTableView(this)), cuenta_(new QLabel(this))
{
    setWindowTitle(titulo);
    setModal(true);
    resize(720, 460);

    filtro_->setPlaceholderText(QStringLiteral("Escriba para filtrar la lista"));
    filtro_->setClearButtonEnabled(true);
    filtro_->installEventFilter(this);

    tabla_->setModel(&modelo_);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setAlternatingRowColors(true);
    tabla_->verticalHeader()->hide();
    tabla_->horizontalHeader()->setStretchLastSection(true);
    tabla_->resizeColumnsToContents();

    auto* botones = new QDialogButtonBox(this);
    QPushButton* aceptar = botones->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    botones->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    // Enter anywhere in the dialog chooses: the list and the filter pass it on to the default button.
    aceptar->setDefault(true);
    connect(botones, &QDialogButtonBox::accepted, this, [this] { elegir(); });
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tabla_, &QTableView::doubleClicked, this, [this] { elegir(); });
    connect(filtro_, &QLineEdit::textChanged, this, [this](const QString& t) { filtrar(t); });

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(filtro_);
    capa->addWidget(tabla_, 1);
    capa->addWidget(cuenta_);
    capa->addWidget(botones);
    filtrar(QString());
    filtro_->setFocus();
}

void DialogoSelector::filtrar(const QString& texto)
{
    modelo_.Filtra(texto);
    if (modelo_.rowCount() > 0)
        tabla_->setCurrentIndex(modelo_.index(0, 0));
    cuenta_->setText(QStringLiteral("%1 de %2 filas").arg(modelo_.rowCount()).arg(modelo_.TotalDeFilas()));
}

void DialogoSelector::elegir()
{
    QModelIndex actual = tabla_->currentIndex();
    if (!actual.isValid() && modelo_.rowCount() > 0)
        actual = modelo_.index(0, 0);
    if (!actual.isValid())
        return;   // nothing to choose: the list stays open
    elegida_ = modelo_.FilaDe(actual.row());
    accept();
}

bool DialogoSelector::eventFilter(QObject* objeto, QEvent* evento)
{
    // Moving through the list while typing in the filter.
    if (objeto == filtro_ && evento->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(evento)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(tabla_, evento);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}
