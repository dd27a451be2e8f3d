#pragma once
// The report-view list of the windows, in place of the list-view control:
// column headers (title, width in twips, 1-based display position, alignment,
// key) and items (text, key, tag, sub-items with their own colour and weight,
// check box, bold, colour, icons, selection), addressed from 1 and by key
// (letter case ignored), with the control's sort by the text of one column.
//
// Sorting: setting Sorted, SortKey or SortOrder sorts at once; items added
// while Sorted is on are put in place before anything reads the list by
// position (and by the view once a burst of additions ends), so a load of
// many rows sorts once, by the texts the rows hold by then.

#include "platform/controles/colores.h"
#include "platform/controles/coleccion.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <vector>

class Lista;
class ListItem;

enum AlineacionColumna : int { lvwColumnLeft = 0, lvwColumnRight = 1, lvwColumnCenter = 2 };
enum OrdenLista : int { lvwAscending = 0, lvwDescending = 1 };

class ColumnHeader : public MiembroColeccion {
public:
    explicit ColumnHeader(Lista& lista) : lista_(&lista) {}

    int Index() const;
    // The sub-item under this column (0 for the item's own text).
    int SubItemIndex() const { return Index() - 1; }
    QString Text() const { return texto_; }
    void setText(const QString& texto);
    // Twips; 0 hides the column.
    double Width() const { return ancho_; }
    void setWidth(double twips);
    int Alignment() const { return alineacion_; }
    void setAlignment(int alineacion);
    // 1-based place on screen; moving one header shifts the others.
    int Position() const { return posicion_; }
    void setPosition(int posicion);
    QVariant Tag() const { return tag_; }
    void setTag(const QVariant& tag) { tag_ = tag; }

private:
    friend class EncabezadosLista;
    void avisar();
    Lista* lista_;
    QString texto_;
    double ancho_ = 1440;
    int alineacion_ = lvwColumnLeft;
    int posicion_ = 0;
    QVariant tag_;
};

// One sub-item of an item, as the item's ListSubItems(i) hands it out.
class ListSubItem {
public:
    ListSubItem(ListItem& elemento, int indice) : elemento_(&elemento), indice_(indice) {}
    int Index() const { return indice_; }
    QString Text() const;
    void setText(const QString& texto);
    ColorBgr ForeColor() const;
    void setForeColor(ColorBgr color);
    bool Bold() const;
    void setBold(bool negrita);
    QVariant Tag() const;
    void setTag(const QVariant& tag);

private:
    ListItem* elemento_;
    int indice_;
};

class ListItem : public MiembroColeccion {
public:
    explicit ListItem(Lista& lista) : lista_(&lista) {}

    int Index() const;
    QString Text() const { return texto_; }
    void setText(const QString& texto);
    QVariant Tag() const { return tag_; }
    void setTag(const QVariant& tag) { tag_ = tag; }
    // Sub-items 1 to ColumnHeaders.Count - 1; one never written reads empty.
    QString SubItems(int indice) const;
    void setSubItems(int indice, const QString& texto);
    // Sub-items written so far; asking past them fails with 35600.
    ListSubItem ListSubItems(int indice);
    const ListSubItem ListSubItems(int indice) const { return const_cast<ListItem*>(this)->ListSubItems(indice); }
    int CantidadSubItems() const { return int(subs_.size()); }
    bool Checked() const { return marcado_; }
    void setChecked(bool marcado);
    bool Bold() const { return negrita_; }
    void setBold(bool negrita);
    ColorBgr ForeColor() const { return tinta_; }
    void setForeColor(ColorBgr color);
    // Indexes into the window's image list; 0 is none.
    int Icon() const { return icono_; }
    void setIcon(int icono) { icono_ = icono; }
    int SmallIcon() const { return iconoChico_; }
    void setSmallIcon(int icono);
    bool Selected() const { return seleccionado_; }
    void setSelected(bool seleccionado);
    void EnsureVisible();

    Lista& lista() const { return *lista_; }

private:
    friend class ListSubItem;
    friend class ElementosLista;
    friend class Lista;
    struct Sub {
        QString texto;
        ColorBgr tinta = Colores::TextoVentana;
        bool negrita = false;
        QVariant tag;
    };
    Sub& sub(int indice);
    const Sub& sub(int indice) const;
    void avisar();

    Lista* lista_;
    QString texto_;
    QVariant tag_;
    std::vector<Sub> subs_;
    ColorBgr tinta_ = Colores::TextoVentana;
    int icono_ = 0;
    int iconoChico_ = 0;
    bool marcado_ = false;
    bool negrita_ = false;
    bool seleccionado_ = false;
};

class EncabezadosLista {
public:
    explicit EncabezadosLista(Lista& lista) : lista_(lista) {}
    // Index 0 adds at the end; a width below 0 is the control's default.
    ColumnHeader& Add(int indice = 0, const QString& clave = {}, const QString& texto = {}, double ancho = -1,
                      int alineacion = lvwColumnLeft);
    int Count() const { return encabezados_.Count(); }
    ColumnHeader& Item(int indice) const { return encabezados_.Item(indice); }
    ColumnHeader& Item(const QString& clave) const { return encabezados_.Item(clave); }
    ColumnHeader& operator()(int indice) const { return Item(indice); }
    ColumnHeader& operator()(const QString& clave) const { return Item(clave); }
    void Remove(int indice);
    void Remove(const QString& clave) { Remove(Item(clave).Index()); }
    void Clear();

private:
    friend class ColumnHeader;
    void moverPosicion(ColumnHeader& encabezado, int posicion);
    Lista& lista_;
    Coleccion<ColumnHeader> encabezados_;
};

class ElementosLista {
public:
    explicit ElementosLista(Lista& lista) : lista_(lista) {}
    // Index 0 adds at the end.
    ListItem& Add(int indice = 0, const QString& clave = {}, const QString& texto = {}, int icono = 0,
                  int iconoChico = 0);
    int Count() const { return elementos_.Count(); }
    ListItem& Item(int indice) const;
    ListItem& Item(const QString& clave) const { return elementos_.Item(clave); }
    ListItem& operator()(int indice) const { return Item(indice); }
    ListItem& operator()(const QString& clave) const { return Item(clave); }
    void Remove(int indice);
    void Remove(const QString& clave) { Remove(Item(clave).Index()); }
    void Clear();

private:
    friend class ListItem;
    friend class Lista;
    Lista& lista_;
    Coleccion<ListItem> elementos_;
};

class Lista : public QObject {
    Q_OBJECT
public:
    explicit Lista(QObject* padre = nullptr);

    ElementosLista& ListItems() { return elementos_; }
    const ElementosLista& ListItems() const { return elementos_; }
    EncabezadosLista& ColumnHeaders() { return encabezados_; }
    const EncabezadosLista& ColumnHeaders() const { return encabezados_; }

    // The selected item (the one with the focus when several are selected);
    // nullptr when none.
    ListItem* SelectedItem() const { return seleccionado_; }
    void setSelectedItem(ListItem* elemento);

    bool Sorted() const { return ordenada_; }
    void setSorted(bool ordenada);
    int SortKey() const { return claveOrden_; }
    void setSortKey(int columna);
    int SortOrder() const { return sentido_; }
    void setSortOrder(int sentido);

    bool Checkboxes() const { return casillas_; }
    void setCheckboxes(bool casillas);
    bool MultiSelect() const { return multiple_; }
    void setMultiSelect(bool multiple);
    void Refresh();

    // Puts items added under Sorted in their place now.
    void AsegurarOrden();
    bool OrdenPendiente() const { return pendiente_; }

    // Position order as it stands, without sorting first, for views.
    ListItem& ElementoEnFila(int fila) const { return elementos_.elementos_.Item(fila + 1); }
    int FilaDe(const ListItem& elemento) const { return elementos_.elementos_.Indice(elemento) - 1; }

signals:
    void antesDeInsertar(int fila);
    void insertado(int fila);
    void antesDeQuitar(int fila);
    void quitado(int fila);
    void antesDeVaciar();
    void vaciada();
    void antesDeReordenar();
    void reordenada();
    void elementoCambiado(ListItem* elemento);
    void antesDeCambiarEncabezados();
    void encabezadosCambiados();         // headers added, removed or cleared
    void encabezadoCambiado(int indice); // title, width, alignment or position
    void seleccionCambiada();
    void asegurarVisible(ListItem* elemento);
    void aspectoCambiado();              // check boxes, multiple selection, refresh

private:
    friend class ListItem;
    friend class ColumnHeader;
    friend class EncabezadosLista;
    friend class ElementosLista;
    void ordenar();
    void seleccionar(ListItem& elemento, bool seleccionado);

    ElementosLista elementos_;
    EncabezadosLista encabezados_;
    ListItem* seleccionado_ = nullptr;
    bool ordenada_ = false;
    int claveOrden_ = 0;
    int sentido_ = lvwAscending;
    bool pendiente_ = false;
    bool casillas_ = false;
    bool multiple_ = false;
};
