#pragma once
// The status bar of a window: panels in order, numbered from 1 and found by
// key (letter case ignored), each with its text and tooltip. The model works
// without widgets; VistaBarraEstado shows it in a QStatusBar.

#include "platform/controles/coleccion.h"

#include <QObject>
#include <QStatusBar>
#include <QPointer>
#include <vector>

class QLabel;
class BarraEstado;

enum AutoSizePanel : int { sbrNoAutoSize = 0, sbrSpring = 1, sbrContents = 2 };

class Panel : public MiembroColeccion {
public:
    explicit Panel(BarraEstado& barra) : barra_(&barra) {}

    int Index() const;
    QString Text() const { return texto_; }
    void setText(const QString& texto);
    QString ToolTipText() const { return ayuda_; }
    void setToolTipText(const QString& texto);
    // How the panel takes its room: its own Width (twips), what is left over,
    // or the width of its text.
    int AutoSize() const { return autoSize_; }
    void setAutoSize(int modo);
    int Width() const { return ancho_; }
    void setWidth(int twips);

private:
    friend class PanelesBarra;
    void avisar();
    BarraEstado* barra_;
    QString texto_;
    QString ayuda_;
    int autoSize_ = sbrNoAutoSize;
    int ancho_ = 1440;
};

class PanelesBarra {
public:
    explicit PanelesBarra(BarraEstado& barra) : barra_(barra) {}

    // Index 0 adds at the end.
    Panel& Add(int indice = 0, const QString& clave = {}, const QString& texto = {});
    int Count() const { return paneles_.Count(); }
    Panel& Item(int indice) const { return paneles_.Item(indice); }
    Panel& Item(const QString& clave) const { return paneles_.Item(clave); }
    Panel& operator()(int indice) const { return Item(indice); }
    Panel& operator()(const QString& clave) const { return Item(clave); }
    void Remove(int indice);
    void Remove(const QString& clave) { Remove(Item(clave).Index()); }
    void Clear();

private:
    friend class Panel;
    BarraEstado& barra_;
    Coleccion<Panel> paneles_;
};

class BarraEstado : public QObject {
    Q_OBJECT
public:
    explicit BarraEstado(QObject* padre = nullptr) : QObject(padre), paneles_(*this) {}
    PanelesBarra& Panels() { return paneles_; }
    const PanelesBarra& Panels() const { return paneles_; }

signals:
    void panelCambiado(int indice);
    void panelesCambiados();

private:
    friend class Panel;
    friend class PanelesBarra;
    PanelesBarra paneles_;
};

class VistaBarraEstado : public QStatusBar {
    Q_OBJECT
public:
    explicit VistaBarraEstado(QWidget* padre = nullptr);
    void setBarra(BarraEstado* barra);
    BarraEstado* barra() const { return barra_; }
    // The label that shows panel i (1-based), for tests and layouts.
    QLabel* etiqueta(int indice) const;

private:
    void reconstruir();
    void mostrar(int indice);

    QPointer<BarraEstado> barra_;
    std::vector<QLabel*> etiquetas_;
};
