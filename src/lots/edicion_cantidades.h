#pragma once
// The quantity grid of a lot dialog on the screen: the editor over the
// quantity column, checked by the grid's CampoValida on every way out, and the
// toolbar's three buttons (fill, blank, propose) with their images.

#include "lots/grilla_cantidades.h"
#include "platform/controles/edicion_en_grilla.h"

#include <QObject>
#include <memory>

class QToolBar;

class EdicionCantidades : public QObject {
    Q_OBJECT
public:
    // The buttons' texts, by index from 1, shown as their tooltips.
    static QString TextoBoton(int indice);

    // Adds the first `botones` buttons to the toolbar; the editor goes over
    // the view's quantity cells and the grid's text columns.
    EdicionCantidades(GrillaCantidades& cantidades, VistaGrilla& vista, CajaTexto& editor, QToolBar& barra,
                      QObject* padre = nullptr, int botones = 3);
    ~EdicionCantidades() override;

    EdicionEnGrilla& Edicion() { return *edicion_; }
    // A button's click: an open editor is committed first, and a refusal stops it.
    void Pulsa(int indice);

private:
    GrillaCantidades& cantidades_;
    CajaTexto& editor_;
    std::unique_ptr<EdicionEnGrilla> edicion_;
};
