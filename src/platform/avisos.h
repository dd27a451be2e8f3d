#pragma once
// Message boxes and modal dialogs go through here, so tests can script the
// operator's answers. The buttons value and the results are those of the
// system's message box: buttons 0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore,
// 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel, plus 16 critical, 32 question,
// 48 exclamation, 64 information, 256/512 second/third button by default.

#include <QString>
#include <memory>

class QDialog;
class QWidget;

namespace Avisos {

enum Resultado { OK = 1, Cancelar = 2, Abortar = 3, Reintentar = 4, Ignorar = 5, Si = 6, No = 7 };

enum Botones {
    SoloAceptar = 0,
    AceptarCancelar = 1,
    AbortarReintentarIgnorar = 2,
    SiNoCancelar = 3,
    SiNo = 4,
    ReintentarCancelar = 5,
    Critico = 16,
    Pregunta = 32,
    Exclamacion = 48,
    Informacion = 64,
    SegundoBoton = 256,
    TercerBoton = 512,
};

class Servicio {
public:
    virtual ~Servicio() = default;
    virtual int Mensaje(const QString& texto, int botones, const QString& titulo) = 0;
    // Shows a modal dialog and answers its result code.
    virtual int Dialogo(QDialog& dialogo) = 0;
};

// The Qt implementation: QMessageBox and QDialog::exec.
class ServicioQt : public Servicio {
public:
    int Mensaje(const QString& texto, int botones, const QString& titulo) override;
    int Dialogo(QDialog& dialogo) override;
};

Servicio& Actual();
// Installs a service (tests install a scripted one); nullptr restores Qt's.
void Instalar(Servicio* servicio);

// The title of boxes shown without one.
QString TituloAplicacion();

}  // namespace Avisos

// The system's MsgBox: an empty title is the application's.
int MsgBox(const QString& texto, int botones = 0, const QString& titulo = QString());
