#pragma once
// Widths of texts in twips (1/1440 inch), the unit grids and lists keep their
// column widths in: the text's width in pixels in a font, times 1440, divided
// by the logical dots per inch of the device it is shown on.

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <memory>

class QWidget;

class MedidorTexto {
public:
    virtual ~MedidorTexto() = default;
    // Width of the text in twips.
    virtual int TextWidth(const QString& texto) const = 0;
    virtual double PuntosPorPulgada() const = 0;

    // Width of a run of n capital letters X ("n X").
    int AnchoX(int n) const;
    int TwipsAPixeles(double twips) const;
    double PixelesATwips(int pixeles) const;
};

// Measures in a real font, as shown on a device (a window or a screen).
class MedidorFuente : public MedidorTexto {
public:
    explicit MedidorFuente(const QWidget& ventana);
    // A font as shown on the primary screen.
    explicit MedidorFuente(const QFont& fuente);
    int TextWidth(const QString& texto) const override;
    double PuntosPorPulgada() const override { return ppp_; }

private:
    QFontMetrics metricas_;
    double ppp_;
};

// Every character is equally wide, so widths are exact numbers: with the
// defaults an X is 120 twips and a pixel 15 twips.
class MedidorFijo : public MedidorTexto {
public:
    explicit MedidorFijo(int twipsPorCaracter = 120, double puntosPorPulgada = 96.0)
        : porCaracter_(twipsPorCaracter), ppp_(puntosPorPulgada) {}
    int TextWidth(const QString& texto) const override { return int(texto.size()) * porCaracter_; }
    double PuntosPorPulgada() const override { return ppp_; }

private:
    int porCaracter_;
    double ppp_;
};

// The measurer of a view: one handed in, or else the view's own font, made
// again when the font changes.
class MedidorDeVista {
public:
    void usar(const MedidorTexto* medidor) { externo_ = medidor; }
    const MedidorTexto& para(const QWidget& vista) const;
    void olvidarFuente() { propio_.reset(); }

private:
    const MedidorTexto* externo_ = nullptr;
    mutable std::unique_ptr<MedidorFuente> propio_;
};
