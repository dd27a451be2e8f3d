#include "platform/controles/medidor_texto.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

int MedidorTexto::AnchoX(int n) const
{
    return n > 0 ? TextWidth(QString(n, QLatin1Char('X'))) : 0;
}

int MedidorTexto::TwipsAPixeles(double twips) const
{
    return int(std::lround(twips * PuntosPorPulgada() / 1440.0));
}

double MedidorTexto::PixelesATwips(int pixeles) const
{
    return pixeles * 1440.0 / PuntosPorPulgada();
}

MedidorFuente::MedidorFuente(const QWidget& ventana)
    : metricas_(ventana.fontMetrics()), ppp_(ventana.logicalDpiX() > 0 ? ventana.logicalDpiX() : 96)
{
}

MedidorFuente::MedidorFuente(const QFont& fuente) : metricas_(fuente), ppp_(96.0)
{
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        ppp_ = pantalla->logicalDotsPerInchX();
}

int MedidorFuente::TextWidth(const QString& texto) const
{
    return int(std::lround(metricas_.horizontalAdvance(texto) * 1440.0 / ppp_));
}

const MedidorTexto& MedidorDeVista::para(const QWidget& vista) const
{
    if (externo_)
        return *externo_;
    if (!propio_)
        propio_ = std::make_unique<MedidorFuente>(vista);
    return *propio_;
}
