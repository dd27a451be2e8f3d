#pragma once
// The suite's form-control component: the advance keys, moving the focus on,
// the key filter of a bound text box, the element of a control array bound to
// a field, and a record shown in the bound boxes.

#include "platform/controles/caja_texto.h"

#include <QString>
#include <vector>

class Recordset;

class UtilidadesControles {
public:
    // Enter moves on to the next field.
    static bool EsTeclaAvance(int codigoTecla);
    // The keys that end an entry in a grid's editor: Enter, Tab, Up and Down.
    static bool EsTeclaFinEdicion(int codigoTecla);
    // Moves the focus to the next field of the window.
    static void Avanza(QWidget* desde);
    // A bound box with a length limit takes no more characters; the rest pass.
    static void FiltraTecla(CajaTexto& caja, int& codigoCaracter);
    // The first element bound to the field (letter case ignored); -1 when none.
    static int IndiceControl(const QString& dataField, const std::vector<CajaTexto*>& controles);
    // Each bound box shows its field of the current row (Null as empty).
    static void CargaRecordset(const std::vector<CajaTexto*>& controles, const Recordset& rs);
};
