#include "platform/controles/pestanas.h"

#include "platform/controles/errores_controles.h"

#include <QTabBar>

using namespace ErroresControl;

Pestanas::Pestanas(QObject* padre) : QObject(padre)
{
    setTabs(3);
}

void Pestanas::setTabs(int cantidad)
{
    if (cantidad < 1)
        Lanzar(ValorNoValido);
    const int antes = Tabs();
    pestanas_.resize(size_t(cantidad));
    for (int i = antes; i < cantidad; ++i)
        pestanas_[size_t(i)].titulo = QStringLiteral("Tab %1").arg(i);
    if (actual_ >= cantidad) {
        const int anterior = actual_;
        actual_ = cantidad - 1;
        emit actualCambiada(anterior);
    }
    emit pestanasCambiadas();
}

void Pestanas::validar(int indice) const
{
    if (indice < 0 || indice >= Tabs())
        Lanzar(ValorNoValido);
}

void Pestanas::setTab(int indice)
{
    validar(indice);
    if (indice == actual_)
        return;
    const int anterior = actual_;
    actual_ = indice;
    emit actualCambiada(anterior);
}

bool Pestanas::TabVisible(int indice) const
{
    validar(indice);
    return pestanas_[size_t(indice)].visible;
}

void Pestanas::setTabVisible(int indice, bool visible)
{
    validar(indice);
    pestanas_[size_t(indice)].visible = visible;
    emit pestanaCambiada(indice);
}

QString Pestanas::TabCaption(int indice) const
{
    validar(indice);
    return pestanas_[size_t(indice)].titulo;
}

void Pestanas::setTabCaption(int indice, const QString& titulo)
{
    validar(indice);
    pestanas_[size_t(indice)].titulo = titulo;
    emit pestanaCambiada(indice);
}

// ---------------------------------------------------------------------------

VistaPestanas::VistaPestanas(QWidget* padre) : QTabWidget(padre)
{
    connect(this, &QTabWidget::currentChanged, this, [this](int indice) {
        if (!pestanas_ || sincronizando_ || indice < 0 || indice >= pestanas_->Tabs())
            return;
        const int anterior = pestanas_->Tab();
        sincronizando_ = true;
        pestanas_->setTab(indice);
        sincronizando_ = false;
        if (anterior != indice)
            emit Click(anterior);
    });
}

void VistaPestanas::setPestanas(Pestanas* pestanas)
{
    if (pestanas_)
        disconnect(pestanas_, nullptr, this, nullptr);
    pestanas_ = pestanas;
    if (!pestanas)
        return;
    tomarDelWidget();
    for (int i = 0; i < count() && i < pestanas->Tabs(); ++i)
        setTabVisible(i, pestanas->TabVisible(i));
    connect(pestanas, &Pestanas::pestanaCambiada, this, &VistaPestanas::aplicar);
    connect(pestanas, &Pestanas::actualCambiada, this, [this] {
        if (sincronizando_ || pestanas_->Tab() >= count())
            return;
        sincronizando_ = true;
        setCurrentIndex(pestanas_->Tab());
        sincronizando_ = false;
    });
}

void VistaPestanas::tomarDelWidget()
{
    if (!pestanas_ || count() == 0)
        return;
    sincronizando_ = true;
    pestanas_->setTabs(count());
    for (int i = 0; i < count(); ++i)
        pestanas_->setTabCaption(i, tabText(i));
    pestanas_->setTab(std::max(0, currentIndex()));
    sincronizando_ = false;
}

void VistaPestanas::tabInserted(int indice)
{
    QTabWidget::tabInserted(indice);
    tomarDelWidget();
}

void VistaPestanas::tabRemoved(int indice)
{
    QTabWidget::tabRemoved(indice);
    tomarDelWidget();
}

void VistaPestanas::aplicar(int indice)
{
    if (sincronizando_ || indice >= count())
        return;
    setTabText(indice, pestanas_->TabCaption(indice));
    setTabVisible(indice, pestanas_->TabVisible(indice));
}
