#pragma once
// The voucher picker: lists the vouchers of one type or picker mode, narrows
// them by part of a name or of a number, and hands back the chosen one (for
// purchase orders, every ticked one). The caller sets the public variables,
// shows the window modally and reads the results once it has closed; the
// window loads its list at its first show, never when it is built.
//
// The window's procedures are defined across the files of this folder, one
// file per concern: the window and its events, the acceptance, the columns
// and images, the run that fills the list.

#include "platform/controles/lista.h"
#include "platform/db/recordset.h"

#include <QDialog>
#include <QIcon>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class CajaTexto;
class QPushButton;
class VistaLista;

class FrmConsComprobantes : public QDialog {
    Q_OBJECT
public:
    explicit FrmConsComprobantes(QWidget* padre = nullptr);
    ~FrmConsComprobantes() override;

    // ---- Public variables, in the window's order -------------------------------
    QString Filtro;           // in: the caller's extra SQL condition
    QString TC;               // in: type code or picker mode; the bare code after a run
    QString NroComprobante;   // out: the chosen number ("OC": the ticked ones, comma-separated)
    QString IdComplemento;    // out
    QString Proveedor;        // out

    // The flags of the caller's mode, set by each run.
    std::int16_t SoloPendientes = 0;
    std::int16_t EsTransporte = 0;

    // ---- Controls ----------------------------------------------------------------
    Lista ListView1;
    VistaLista* vistaListView1;
    // The row icons: image i (from 1) and its tag.
    struct Imagen {
        QString Tag;
        QIcon Picture;
    };
    std::vector<Imagen> ImageList1;
    CajaTexto* TxtNombre;
    CajaTexto* TxtNumero;
    QPushButton* CmdBuscar;
    QPushButton* CmdAceptar;
    QPushButton* CmdCancelar;

    // ---- Members and events --------------------------------------------------------
    void Form_Load();
    // Fills the list for TC, Filtro and the search boxes.
    void ConsultaCptes();
    void CmdBuscar_Click();
    void CmdAceptar_Click();
    void CmdCancelar_Click();
    // Empties the list and closes the window with the result.
    void Form_Unload(int resultado);
    void ListView1_DblClick();
    void ListView1_KeyDown(int& KeyCode, int Shift);
    void ListView1_BeforeLabelEdit(int& Cancel);
    void ListView1_AfterLabelEdit(int& Cancel, QString& NewString);
    void ListView1_ColumnClick(ColumnHeader& ColumnHeader);
    void TxtNombre_GotFocus();
    void TxtNumero_GotFocus();
    void TxtNombre_KeyPress(int& KeyAscii);
    void TxtNumero_KeyPress(int& KeyAscii);
    // The column headers of the list for the current TC.
    void Encolumnar();
    // The image of a code (tags compared trimmed, any case); "Generico" when none.
    std::int16_t ObtieneIndiceImagen(const QString& TC);

    // Whether the window's recordset is open (only while a run fills the list).
    bool RecordsetAbierto() const { return rsCptes_.State() == Recordset::Abierto; }

    // The prompts the search boxes start with.
    static QString AvisoNombre();
    static QString AvisoNumero();
    // The eleven images of ImageList1, with their tags in index order.
    static std::vector<Imagen> ImagenesDeComprobantes();
    // Whether the code is one of the types: any case, blanks count.
    static bool EsDelGrupo(const QString& tc, std::initializer_list<const char*> tipos);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    // A window event: a failure goes to the error manager under the event's
    // name and never reaches Qt.
    void evento(const char* nombre, const std::function<void()>& cuerpo);
    void seleccionaRecortado(CajaTexto* caja);
    void cerrar(int resultado);
    void llenaLista();

    bool cargada_ = false;
    bool cargando_ = false;    // inside the load of the first show
    bool colocada_ = false;    // placed on screen by the first run
    bool enCurso_ = false;     // a run is filling the list
    // Accept or cancel during a run: the result the window closes with once it has left.
    std::optional<int> cierrePendiente_;
    // The mode the caller set, decoded again by every run.
    std::optional<QString> modo_;
    // Made once, opened and closed by each run.
    Recordset rsCptes_;
};
