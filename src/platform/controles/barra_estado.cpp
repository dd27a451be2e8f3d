#include "platform/controles/barra_estado.h"

#include "platform/controles/medidor_texto.h"

#include <QLabel>

int Panel::Index() const
{
    return barra_->paneles_.paneles_.Indice(*this);
}

void Panel::avisar()
{
    emit barra_->panelCambiado(Index());
}

void Panel::setText(const QString& texto)
{
    if (texto_ == texto)
        return;
    texto_ = texto;
    avisar();
}

void Panel::setToolTipText(const QString& texto)
{
    if (ayuda_ == texto)
        return;
    ayuda_ = texto;
    avisar();
}

void Panel::setAutoSize(int modo)
{
    if (modo < sbrNoAutoSize || modo > sbrContents)
        ErroresControl::Lanzar(ErroresControl::ValorNoValido);
    autoSize_ = modo;
    emit barra_->panelesCambiados();   // the room of every panel changes
}

void Panel::setWidth(int twips)
{
    if (twips < 0)
        ErroresControl::Lanzar(ErroresControl::ValorNoValido);
    ancho_ = twips;
    avisar();
}

Panel& PanelesBarra::Add(int indice, const QString& clave, const QString& texto)
{
    Panel& nuevo = paneles_.Insertar(indice, clave, std::make_unique<Panel>(barra_));
    nuevo.texto_ = texto;
    emit barra_.panelesCambiados();
    return nuevo;
}

void PanelesBarra::Remove(int indice)
{
    paneles_.Quitar(indice);
    emit barra_.panelesCambiados();
}

void PanelesBarra::Clear()
{
    paneles_.Vaciar();
    emit barra_.panelesCambiados();
}

// ---------------------------------------------------------------------------

VistaBarraEstado::VistaBarraEstado(QWidget* padre) : QStatusBar(padre)
{
    setSizeGripEnabled(true);
}

void VistaBarraEstado::setBarra(BarraEstado* barra)
{
    if (barra_)
        disconnect(barra_, nullptr, this, nullptr);
    barra_ = barra;
    if (barra) {
        connect(barra, &BarraEstado::panelesCambiados, this, &VistaBarraEstado::reconstruir);
        connect(barra, &BarraEstado::panelCambiado, this, &VistaBarraEstado::mostrar);
    }
    reconstruir();
}

QLabel* VistaBarraEstado::etiqueta(int indice) const
{
    return indice >= 1 && size_t(indice) <= etiquetas_.size() ? etiquetas_[size_t(indice - 1)] : nullptr;
}

void VistaBarraEstado::reconstruir()
{
    for (QLabel* e : etiquetas_) {
        removeWidget(e);
        delete e;
    }
    etiquetas_.clear();
    if (!barra_)
        return;
    for (int i = 1; i <= barra_->Panels().Count(); ++i) {
        auto* e = new QLabel(this);
        e->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        e->setTextFormat(Qt::PlainText);
        etiquetas_.push_back(e);
        const int modo = barra_->Panels().Item(i).AutoSize();
        addPermanentWidget(e, modo == sbrSpring ? 1 : 0);
        mostrar(i);
    }
}

void VistaBarraEstado::mostrar(int indice)
{
    QLabel* e = etiqueta(indice);
    if (!e || !barra_)
        return;
    const Panel& p = barra_->Panels().Item(indice);
    e->setText(p.Text());
    e->setToolTip(p.ToolTipText());
    if (p.AutoSize() == sbrNoAutoSize)
        e->setFixedWidth(MedidorFuente(*this).TwipsAPixeles(p.Width()));
    else {
        e->setMinimumWidth(0);
        e->setMaximumWidth(QWIDGETSIZE_MAX);
    }
}
