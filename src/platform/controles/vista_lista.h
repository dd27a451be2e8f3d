#pragma once
// The Qt face of a Lista: an item model over it (no widget per row, so a list
// of a hundred thousand rows costs what the visible rows cost) and a tree view
// in report style. Header widths (twips, 0 hidden) and display positions stay
// in step with the model both ways; clicks, keys, column clicks and check
// boxes go to the owner as the list-view control reported them.
//
// Rows added in a burst are announced to the view together, at most a few
// times a second, so a long load with events let through stays linear;
// Sincronizar() announces them at once.

#include "platform/controles/lista.h"
#include "platform/controles/medidor_texto.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <QTreeView>
#include <memory>
#include <vector>

class ModeloTablaLista : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloTablaLista(Lista& lista, QObject* padre = nullptr);

    Lista& lista() const { return lista_; }
    // The window's image list: image i (from 1) of the items' icons.
    void setImagenes(const std::vector<QIcon>& imagenes);
    // Announces the rows added meanwhile and sorts what waits to be sorted.
    void Sincronizar();
    int fila(const ListItem& elemento) const { return lista_.FilaDe(elemento); }
    // The item of a row the view knows.
    ListItem* elemento(const QModelIndex& indice) const;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol) override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

signals:
    void casillaCambiada(ListItem* elemento);

private:
    void anunciarPendientes();
    void alVencer();
    void antesDeReordenar();
    void reordenada();

    Lista& lista_;
    std::vector<QIcon> imagenes_;
    int anunciadas_ = 0;
    bool agregadasEnLaRafaga_ = false;
    QTimer rafaga_;
    QModelIndexList persistentes_;
    std::vector<ListItem*> elementosPersistentes_;
};

class VistaLista : public QTreeView {
    Q_OBJECT
public:
    explicit VistaLista(QWidget* padre = nullptr);
    ~VistaLista() override;

    void setLista(Lista* lista);
    Lista* lista() const { return lista_; }
    void setMedidor(const MedidorTexto* medidor);
    const MedidorTexto& medidor() const;
    void setImagenes(const std::vector<QIcon>& imagenes);
    void Sincronizar();
    ModeloTablaLista* modelo() const { return modelo_.get(); }

signals:
    void Click();
    void DblClick();
    void ItemClick(ListItem* Item);
    void ItemCheck(ListItem* Item);
    void ColumnClick(ColumnHeader* ColumnHeader);
    void KeyDown(int& KeyCode, int Shift);
    void KeyPress(int& KeyAscii);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void aplicarEncabezados();
    void aplicarAspecto();
    void seguirSeleccion();
    void seleccionDelOperador();
    void anchoDelOperador(int seccion, int antes, int ahora);
    void posicionDelOperador();

    QPointer<Lista> lista_;
    std::unique_ptr<ModeloTablaLista> modelo_;
    MedidorDeVista medidor_;
    bool sincronizando_ = false;
};
