#pragma once
// In-place editing of a grid: a text box laid exactly over the cell it edits,
// opened by Enter or by a typed character (which starts the text), committed
// through the window's check on every way out (an ending key, a click
// elsewhere, the window's own accept), kept open while the check refuses, and
// closed by Esc with the cell as it was. The cell is written only by an
// accepted check; whatever a refused check wrote into the edited row is put
// back.

#include "platform/controles/caja_texto.h"
#include "platform/controles/vista_grilla.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class EdicionEnGrilla : public QObject {
    Q_OBJECT
public:
    struct Reglas {
        // Whether the cell may be edited; by default every cell below the titles.
        std::function<bool(int fila, int columna)> editable;
        // Sets the box up for the column before it opens.
        std::function<void(int columna)> prepara;
        // Checks the box's text and writes the cell; false refuses it.
        std::function<bool()> confirma;
        // Moves the current cell after an entry accepted and ended by a key;
        // by default MueveTrasTecla.
        std::function<void(int tecla)> mueve;
        // Runs an event's handling under the window's error trap; by default
        // the handling runs as it is.
        std::function<void(const char* evento, const std::function<void()>& cuerpo)> trampa;
    };

    // The box becomes a child of the view's viewport and is hidden.
    EdicionEnGrilla(VistaGrilla& vista, CajaTexto& caja, Reglas reglas, QObject* padre = nullptr);

    // Opens the box over the current cell when it may be edited: with the
    // typed text, or the cell's text selected. False when it did not open.
    bool Abre(const QString& tecleado = QString());
    // Commits an open box through the check: true when it was closed or the
    // value was accepted (the box then closes and the grid takes the focus).
    bool Confirma();
    // Closes the box without writing; the cell keeps what it had.
    void Cancela();
    // The box's handling of a key: Esc cancels, an ending key commits and,
    // when accepted, moves. The code becomes 0 when the key was used.
    void TeclaEnEditor(int& KeyCode, int Shift);

    bool Abierta() const { return abierta_; }
    int Fila() const { return fila_; }
    int Columna() const { return columna_; }

    // Enter and Down move one row down (staying on the last), Up one row up
    // (not into the titles); any other key leaves the cell where it is.
    static void MueveTrasTecla(Grilla& grilla, int tecla);

signals:
    void cerrada();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    Grilla& grilla() const { return *vista_.grilla(); }
    void coloca();
    void cierra();
    void alPerderFoco();
    void alEntrarEnCelda();

    VistaGrilla& vista_;
    CajaTexto& caja_;
    Reglas reglas_;
    bool abierta_ = false;
    bool confirmando_ = false;
    int fila_ = -1;
    int columna_ = -1;
};
