#pragma once
// The start-up window: the article browser (trees, article list, filters,
// quick search), the supplies list, the article detail panel, the production
// plan grid with its draft header and the production projection.
//
// Controls keep the names the system's procedures use, as public members and
// as Qt object names. The window's procedures are defined across the files of
// this folder, one file per concern.

#include "platform/controles/arbol.h"
#include "platform/controles/barra_estado.h"
#include "platform/controles/caja_texto.h"
#include "platform/controles/edicion_en_grilla.h"
#include "platform/controles/editor_grilla.h"
#include "platform/controles/grilla.h"
#include "platform/controles/lista.h"
#include "platform/controles/pestanas.h"
#include "platform/pasos.h"
#include "platform/utilidades_controles.h"

#include <QIcon>
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class ClsCmnCptes;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class SkinFramework;
class TeclasVentana;
class VistaArbol;
class VistaBarraEstado;
class VistaGrilla;
class VistaLista;
class VistaPestanas;

class FrmTervalio : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmTervalio(QWidget* padre = nullptr);
    ~FrmTervalio() override;

    // ---- Public state (for a window that opens this one) --------------------
    bool pListasCompras = false;
    QString pIdArticulo;
    QString pDescripcion;
    bool DesdeForm = false;
    bool EsCompras = false;
    bool EsVentas = false;
    bool EsStock = false;
    bool HayError = false;

    // ---- Controls ---------------------------------------------------------------
    QPushButton* CmdAceptaCierra;
    QPushButton* CmdConsultar;
    QPushButton* CmdCancelar;
    QPushButton* CmdExpExcel;
    QGroupBox* FrmFiltros;
    QPushButton* CmdBuscar;
    std::array<QRadioButton*, 7> OptSearch;
    QRadioButton* OptInforme;
    std::array<QRadioButton*, 2> OptTipo;
    Pestanas SSTab1;
    Pestanas SSTab2;
    Arbol TreeView1;
    Arbol TreeView2;
    Lista ListView1;
    Lista ListView2;
    Lista ListView3;
    Grilla MSFlexGrid2;
    CajaTexto* txtEdit2;
    // What the voucher class sets up for the column being edited; txtEdit2 follows it.
    EditorGrilla editorGrilla{QStringLiteral("txtEdit2")};
    QGroupBox* FrmDetalle;
    QPlainTextEdit* TxtNotas;
    QLabel* PctImagen;
    QLabel* lblCodigo;
    QLabel* lblDatos;
    QLabel* lblMasDatos;
    QLabel* lblMasdatos2;
    QPushButton* CmdFichaStock;
    QWidget* FrmCantidad;
    QLabel* LblDescripcion;
    CajaTexto* TxtUnidad;
    CajaTexto* TxtCantidad;
    QPushButton* CmdAceptarCantidad;
    QPushButton* CmdCerrarCantidad;
    QGroupBox* FrmBuscar;
    CajaTexto* TxtBusqueda;
    QPushButton* CmdAceptarBusqueda;
    QPushButton* CmdCerrarBusqueda;
    QPushButton* CmdCargarProyect;
    std::vector<CajaTexto*> TxtFields;
    BarraEstado sbStatusBar;
    SkinFramework* SkinFramework1;
    std::vector<QIcon> ImageList1;

    // The views of the models above.
    VistaPestanas* vistaSSTab1;
    VistaPestanas* vistaSSTab2;
    VistaArbol* vistaTreeView1;
    VistaArbol* vistaTreeView2;
    VistaLista* vistaListView1;
    VistaLista* vistaListView2;
    VistaLista* vistaListView3;
    VistaGrilla* vistaMSFlexGrid2;
    VistaBarraEstado* vistaStatusBar;

    // ---- Start-up, keys and shutdown ------------------------------------------------
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
    void Form_Unload(int& Cancel);
    void Inicializa();
    void InicializaGrids();
    void Grabar();
    void VaciarPantalla();
    void CmdCancelar_Click();
    void CmdCerrarBusqueda_Click();
    void CmdCerrarCantidad_Click();
    void CmdExpExcel_Click();
    void CmdFichaStock_Click();
    void OptSearch_Click();
    void SSTab1_Click();

    // ---- Category and family trees --------------------------------------------------
    void CargarRubros();
    void CargarFamilias();
    // Starts reading the family tree's rows while the rubro tree is built.
    void AnticipaFamilias();
    void ExtraeRubroTipoProveedor(const QString& Clave, QString& Rubro, QString& Tipo, QString& Familia,
                                  QString& Proveedor);
    void TreeView1_NodeClick(Node* nodo);
    void TreeView2_NodeClick(Node* nodo);
    void TreeView1_Collapse(Node* nodo);

    // ---- Article list ------------------------------------------------------------------
    void Encolumnar(int Tipo);
    void CargarArticulos(const QString& Rubro, const QString& Tipo, const QString& Familia, const QString& Proveedor,
                         QString& Where, bool Busqueda);
    void ListView1_Click();
    void ListView1_ItemClick();
    void ListView1_DblClick();
    void ListView1_KeyDown(int& KeyCode, int Shift);
    void ListView1_KeyPress(int& KeyAscii);
    void ListView1_ColumnClick(ColumnHeader* encabezado);

    // ---- Quantity entry and plan rows ------------------------------------------------
    void MuestraCantidad();
    void CmdAceptarCantidad_Click();
    void Insertar(const QString& Id);
    bool ExisteEnBorrador(const QString& idArt);

    // ---- Field validation ----------------------------------------------------------------
    void CampoValida(CajaTexto& Texto);
    void EspecialPDV(double CantidadEsp);

    // ---- Drafts and projection ----------------------------------------------------------------
    void ActualizarDatos();
    void AsignarDatos2();
    void CmdCargarProyect_Click();
    int IndCol(const QString& encabezado);

    // ---- Filters, quick search and look-ups --------------------------------------------------
    void CmdBuscar_Click();
    void CmdAceptarBusqueda_Click();
    void CmdConsultar_Click();
    void TxtFields_GotFocus(int Index);
    void TxtFields_LostFocus(int Index);
    void TxtFields_KeyDown(int Index, int& KeyCode, int Shift);
    void TxtFields_Validate(int Index);

    // ---- Detail panel, supplies list and the plan grid's editor ------------------------------
    void MuestraDetalleArticulo(const QString& codigo);
    void txtEdit2_KeyDown(int& KeyCode, int Shift);
    // Opens the editor over the current cell when its column may be edited;
    // a typed character replaces the cell's text.
    bool EditaCelda(const QString& tecleado = QString());

    // The field being checked or focused (a TxtFields element or txtEdit2).
    CajaTexto* CampoActual() const { return campoActual_; }
    bool ValidacionFallida() const { return validacionFallida_; }
    ClsCmnCptes& Comprobante();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void construyeControles();
    void conectaEventos();
    void grabaBorrador(bool otraVez);
    void conectaEditorGrilla();
    void InicializaGridsDelComprobante();
    // The plan ends with a blank row to type the next article into: adds it
    // when the last row is in use and answers it.
    int FilaEnBlancoFinal();
    // The editor takes the column's field and look-up from the voucher class.
    void PreparaEditor(int columna);
    // Checks the editor's text and writes the cell; false when refused.
    bool ConfirmaEdicion();
    // Where the current cell goes after an entry ended by the key.
    void MueveTrasEdicion(int tecla);
    void AvisoCampo(const QString& mensaje, CajaTexto& caja);
    // The box's text counts as checked: leaving the box does not check it again.
    static void MarcaComprobado(CajaTexto& caja);
    // The plan's detail and lines as the operator sees them; what they were
    // when last loaded, saved or emptied, to tell whether a change of date
    // would throw work away.
    QStringList PlanEnPantalla() const;
    void MarcaPlanGrabado();
    bool HayCambiosSinGrabar() const;
    // The date, however written, is the one of the plan on screen.
    bool EsLaFechaEnPantalla(const QString& fecha) const;
    // Runs an event handler so that no failure escapes it.
    void evento(const QString& nombre, const std::function<void()>& cuerpo);
    // A button's click runs the handler through evento under its name.
    void alPulsar(QPushButton* boton, const char* nombre, void (FrmTervalio::*manejador)());

    CajaTexto* campoActual_ = nullptr;
    bool validacionFallida_ = false;
    bool cerrando_ = false;
    bool ocupado_ = false;
    QString ultimoNombreValidado_;
    QStringList planGrabado_{QString()};
    std::unique_ptr<EdicionEnGrilla> edicion_;
    std::unique_ptr<ClsCmnCptes> comprobante_;
    // F2 and F5, seen before any control.
    std::unique_ptr<TeclasVentana> teclasVentana_;
    // The last list row added (article list or projection).
    ListItem* ultimoElemento_ = nullptr;
    Node* ultimoNodo_ = nullptr;
};
