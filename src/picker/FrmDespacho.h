#pragma once
// The dispatch-data dialog of a voucher line: dispatch number, origin (checked
// against v_ta_origen, its description shown beside it) and customs office;
// or, when the caller passes the customs office "PERECEDERO", only an expiry
// date. The caller creates it, sets the three variables, shows it through
// Avisos::Actual().Dialogo, reads the variables back and destroys it. Accept
// and cancel only hide it.

#include "platform/controles/caja_texto.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class Recordset;
class TeclasVentana;

class FrmDespacho : public QDialog {
    Q_OBJECT
public:
    explicit FrmDespacho(QWidget* padre = nullptr);
    ~FrmDespacho() override;

    // In: what to show. Out: what was entered, trimmed (all three empty after cancel).
    QString Despacho;
    QString Origen;
    QString Aduana;

    // The box that last got the focus (0 until one gets it).
    short IndiceCampoActual = 0;
    // The expiry-date mode.
    bool EsPerecedero = false;

    // Control arrays: TxtFields 0 origin, 1 dispatch (or expiry date), 2 customs;
    // Label5 has the elements 0 (origin), 1 (customs) and 4 (dispatch).
    std::vector<CajaTexto*> TxtFields;
    std::map<int, QLabel*> Label5;
    QLabel* LblDesc = nullptr;
    QPushButton* CmdConsultar = nullptr;
    QPushButton* CmdAceptar = nullptr;
    QPushButton* CmdCancelar = nullptr;
    QFrame* Frame1 = nullptr;

    void AsignarDatos();
    void TomarDatos();
    void InicializaDatos();
    void CampoValida(CajaTexto& Texto);

    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
    void CmdAceptar_Click();
    void CmdCancelar_Click();
    void CmdConsultar_Click();
    void TxtFields_GotFocus(int Index);
    void TxtFields_LostFocus(int Index);
    void TxtFields_KeyDown(int Index, int& KeyCode, int Shift);
    void TxtFields_KeyPress(int Index, int& KeyAscii);

public slots:
    // Esc and the close box cancel: the caller must not read what it passed,
    // nor entries copied by an accept that was refused, as accepted.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The box bound to the field.
    CajaTexto& Caja(const char* campo) const;
    // Shows the description of the origin code, empty when v_ta_origen lacks it.
    void BuscaOrigen(const QString& codigo);
    // Runs an event so that no failure escapes it: it goes to the session's
    // error manager under the event's name.
    void evento(const char* nombre, const std::function<void()>& cuerpo);

    std::unique_ptr<Recordset> rsOrigen_;
    std::unique_ptr<TeclasVentana> teclas_;
    bool cargado_ = false;
};
