#pragma once
// The progress notice of long operations: open it with a title, update its
// three lines from the loop (which also answers whether the operator pressed
// cancel and lets pending events run once), close it at the end.

#include <QString>
#include <QVariant>

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

class Lbf_CtrlDisplay;

// A line of the notice: absent keeps the line's text, Null shows it empty.
using LineaCartel = std::optional<QVariant>;

class Dll_Display {
public:
    Dll_Display();
    virtual ~Dll_Display();
    Dll_Display(const Dll_Display&) = delete;
    Dll_Display& operator=(const Dll_Display&) = delete;

    // Virtual so that tests can put a recording notice in gCartel.
    virtual void CartelInicio(const QString& Titulo, bool PermiteCancelar);
    virtual void CartelMostrar(bool& Cancelado, const LineaCartel& Linea1 = std::nullopt,
                               const LineaCartel& Linea2 = std::nullopt, const LineaCartel& Linea3 = std::nullopt);
    virtual void CartelCerrar();
    void Siempre_Visible(bool vNewValue);

    // The window while it exists (nullptr when closed).
    Lbf_CtrlDisplay* Ventana() const { return ventana_.get(); }

private:
    Lbf_CtrlDisplay& ventana();
    static QString ObtieneTextoNoNulo(const QVariant& valor);
    // Paints the lines now, including what earlier calls left unpainted.
    void pinta(Lbf_CtrlDisplay& v);

    std::unique_ptr<Lbf_CtrlDisplay> ventana_;
    // The window (and its widget) that had the keyboard before the notice.
    QPointer<QWidget> anterior_;
    QPointer<QWidget> anteriorFoco_;
    // Lines are painted at most this often (ms).
    static constexpr qint64 intervalo = 40;
    // One clock, read once per call: a loop calls once per row. The moments
    // are its milliseconds (-1: not since the notice opened).
    QElapsedTimer reloj_;
    qint64 pintado_ = -1;
    qint64 eventos_ = -1;  // when pending events last ran in full
    qint64 DesdePintado(qint64 ahora) const { return pintado_ < 0 ? intervalo : ahora - pintado_; }
    // A paint is due at the end of the interval.
    bool pendiente_ = false;
    // The lines asked for since the last paint (none: the line keeps its text).
    std::optional<QString> porPintar_[3];
};
