#include "lots/edicion_cantidades.h"

#include "platform/controles/grilla.h"
#include "platform/pasos.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>
#include <algorithm>

QString EdicionCantidades::TextoBoton(int indice)
{
    switch (indice) {
    case 1: return QStringLiteral("Llenar las demas celdas con el valor de las seleccionadas");
    case 2: return QStringLiteral("Blanquear las Celdas a partir de la celda seleccionada");
    case 3: return QStringLiteral("Proponer Automaticamente");
    default: return QString();
    }
}

EdicionCantidades::EdicionCantidades(GrillaCantidades& cantidades, VistaGrilla& vista, CajaTexto& editor,
                                     QToolBar& barra, QObject* padre, int botones)
    : QObject(padre), cantidades_(cantidades), editor_(editor)
{
    // The separators are dropped before the editor sees the key, also the
    // key that would open it.
    Grilla& grilla = cantidades_.grilla();
    connect(&vista, &VistaGrilla::KeyPress, this, [this, &grilla](int& k) { cantidades_.FiltraTecla(grilla.Col(), k); });
    connect(&editor, &CajaTexto::KeyPress, this, [this, &grilla](int& k) { cantidades_.FiltraTecla(grilla.Col(), k); });

    EdicionEnGrilla::Reglas reglas;
    reglas.editable = [this](int, int columna) { return cantidades_.Editable(columna); };
    reglas.prepara = [this](int columna) { cantidades_.Text_Propiedades(editor_, columna); };
    reglas.confirma = [this] {
        cantidades_.CampoValida(editor_);
        return !cantidades_.Rechazado();
    };
    // A failure inside an event ends that event; the grid keeps what was written.
    reglas.trampa = [](const char* evento, const std::function<void()>& cuerpo) {
        Procedimiento::Silencioso(QString::fromLatin1(evento)).paso(cuerpo);
    };
    edicion_ = std::make_unique<EdicionEnGrilla>(vista, editor, std::move(reglas));

    // ImageList1: the buttons' images travel inside the program.
    static const char* const imagenes[] = {":/lotes/llenar.png", ":/lotes/blanquear.png", ":/lotes/proponer.png"};
    for (int i = 1; i <= std::min(botones, 3); ++i) {
        QAction* accion = barra.addAction(QIcon(QString::fromLatin1(imagenes[i - 1])), TextoBoton(i));
        accion->setToolTip(TextoBoton(i));
        accion->setData(i);
        connect(accion, &QAction::triggered, this, [this, i] { Pulsa(i); });
    }
}

EdicionCantidades::~EdicionCantidades() = default;

void EdicionCantidades::Pulsa(int indice)
{
    Procedimiento::Silencioso(QStringLiteral("Toolbar1_ButtonClick")).paso([this, indice] {
        if (!edicion_->Confirma())
            return;
        cantidades_.Toolbar1_ButtonClick(indice);
    });
}
