#include "platform/controles/edicion_en_grilla.h"

#include "platform/controles/teclas.h"
#include "platform/utilidades_controles.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTimer>

EdicionEnGrilla::EdicionEnGrilla(VistaGrilla& vista, CajaTexto& caja, Reglas reglas, QObject* padre)
    : QObject(padre), vista_(vista), caja_(caja), reglas_(std::move(reglas))
{
    if (!reglas_.trampa)
        reglas_.trampa = [](const char*, const std::function<void()>& cuerpo) { cuerpo(); };
    caja_.setParent(vista_.viewport());
    caja_.hide();
    caja_.installEventFilter(this);

    connect(&vista_, &VistaGrilla::KeyDown, this, [this](int& k, int s) {
        if (s == 0 && k == Teclas::vbKeyReturn && !abierta_)
            reglas_.trampa("KeyDown", [this, &k] {
                if (Abre())
                    k = 0;
            });
    });
    connect(&vista_, &VistaGrilla::KeyPress, this, [this](int& k) {
        if (k >= 32 && !abierta_)
            reglas_.trampa("KeyPress", [this, &k] {
                if (Abre(QString(QChar(k))))
                    k = 0;
            });
    });
    connect(&vista_, &VistaGrilla::EnterCell, this, &EdicionEnGrilla::alEntrarEnCelda);
    connect(&caja_, &CajaTexto::KeyDown, this,
            [this](int& k, int s) { reglas_.trampa("KeyDown", [this, &k, s] { TeclaEnEditor(k, s); }); });
    connect(&caja_, &CajaTexto::KeyPress, this, [this](int& k) { UtilidadesControles::FiltraTecla(caja_, k); });
    connect(&caja_, &CajaTexto::LostFocus, this, &EdicionEnGrilla::alPerderFoco);

    // The box follows its cell when columns or rows change size and when the view scrolls.
    const auto seguir = [this] {
        if (abierta_)
            coloca();
    };
    connect(vista_.horizontalHeader(), &QHeaderView::sectionResized, this, seguir);
    connect(vista_.verticalHeader(), &QHeaderView::sectionResized, this, seguir);
    connect(vista_.horizontalScrollBar(), &QScrollBar::valueChanged, this, seguir);
    connect(vista_.verticalScrollBar(), &QScrollBar::valueChanged, this, seguir);
}

bool EdicionEnGrilla::Abre(const QString& tecleado)
{
    if (!vista_.grilla())
        return false;
    Grilla& g = grilla();
    const int fila = g.Row();
    const int columna = g.Col();
    if (fila < g.FixedRows() || g.ColWidth(columna) == 0)
        return false;
    if (reglas_.editable && !reglas_.editable(fila, columna))
        return false;
    if (reglas_.prepara)
        reglas_.prepara(columna);
    fila_ = fila;
    columna_ = columna;
    abierta_ = true;
    vista_.MuestraCelda(fila, columna);
    coloca();
    caja_.setText(tecleado.isEmpty() ? g.TextMatrix(fila, columna) : tecleado);
    caja_.show();
    caja_.raise();
    caja_.setFocus();
    if (tecleado.isEmpty())
        caja_.selectAll();
    else
        caja_.end(false);
    return true;
}

bool EdicionEnGrilla::Confirma()
{
    if (!abierta_)
        return true;
    if (confirmando_)
        return false;
    confirmando_ = true;
    const auto fin = qScopeGuard([this] { confirmando_ = false; });
    Grilla& g = grilla();
    QStringList antes;
    for (int c = 0; c < g.Cols(); ++c)
        antes << g.TextMatrix(fila_, c);
    const auto devuelve = [&] {
        if (fila_ >= g.Rows() || g.Cols() != antes.size())
            return;
        for (int c = 0; c < g.Cols(); ++c)
            if (g.TextMatrix(fila_, c) != antes[c])
                g.setTextMatrix(fila_, c, antes[c]);
    };
    bool aceptado = false;
    try {
        aceptado = reglas_.confirma ? reglas_.confirma() : true;
    } catch (...) {
        devuelve();
        throw;
    }
    if (!aceptado) {
        devuelve();
        return false;
    }
    cierra();
    return true;
}

void EdicionEnGrilla::Cancela()
{
    if (!abierta_)
        return;
    cierra();
}

void EdicionEnGrilla::TeclaEnEditor(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    if (!abierta_)
        return;
    if (KeyCode == Teclas::vbKeyEscape) {
        KeyCode = 0;
        Cancela();
        return;
    }
    if (!UtilidadesControles::EsTeclaFinEdicion(KeyCode))
        return;
    const int tecla = KeyCode;
    KeyCode = 0;
    if (!Confirma())
        return;
    if (reglas_.mueve)
        reglas_.mueve(tecla);
    else
        MueveTrasTecla(grilla(), tecla);
}

void EdicionEnGrilla::MueveTrasTecla(Grilla& grilla, int tecla)
{
    const int fila = grilla.Row();
    if ((tecla == Teclas::vbKeyReturn || tecla == Teclas::vbKeyDown) && fila + 1 < grilla.Rows())
        grilla.setRow(fila + 1);
    else if (tecla == Teclas::vbKeyUp && fila - 1 >= grilla.FixedRows())
        grilla.setRow(fila - 1);
}

bool EdicionEnGrilla::eventFilter(QObject* objeto, QEvent* evento)
{
    // Tab would move the focus before the box saw it; in the box it ends the entry.
    if (objeto == &caja_ && abierta_ && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab) {
            int k = Teclas::vbKeyTab;
            reglas_.trampa("KeyDown", [this, &k, tecla] { TeclaEnEditor(k, Teclas::MascaraShift(tecla->modifiers())); });
            return true;
        }
    }
    return QObject::eventFilter(objeto, evento);
}

void EdicionEnGrilla::coloca()
{
    caja_.setGeometry(vista_.RectanguloCelda(fila_, columna_));
}

void EdicionEnGrilla::cierra()
{
    abierta_ = false;
    // The grid takes the focus first: a focused box that hides hands it on
    // as a Tab would, moving the grid's current cell.
    vista_.setFocus();
    caja_.hide();
    emit cerrada();
}

void EdicionEnGrilla::alPerderFoco()
{
    // Leaving the box by the mouse goes through the same check as Enter; a
    // dialog the check or a look-up opens is no leaving, nor is a popup (the
    // box's own menu, whose Paste must land in it) or another window of the
    // desktop taking the keyboard: the box gets the focus back with them.
    if (!abierta_ || confirmando_)
        return;
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != caja_.window())
        return;
    if (QApplication::activePopupWidget() || QApplication::activeWindow() != caja_.window())
        return;
    reglas_.trampa("Validate", [this] {
        if (!Confirma())
            QTimer::singleShot(0, &caja_, [this] {
                if (abierta_)
                    caja_.setFocus();
            });
    });
}

void EdicionEnGrilla::alEntrarEnCelda()
{
    // A refused value keeps the box on its own cell.
    if (!abierta_)
        return;
    QTimer::singleShot(0, this, [this] {
        if (!abierta_ || !vista_.grilla())
            return;
        grilla().setRow(fila_);
        grilla().setCol(columna_);
    });
}
