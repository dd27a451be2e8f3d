#pragma once
// The picker's queries: the picker modes, the operator's search and the one
// T-SQL text per voucher-type group, built from values alone so each text can
// be checked as it stands.

#include <QString>
#include <functional>

namespace ConsultasComprobantes {

// What a picker mode ("RM/PENDIENTES", "RM/TRANSPORTE"...) stands for: the
// bare type code (the transport mode's "RM-T" picks its columns), the two
// flags and whether the list shows check boxes. Any other text passes as it is.
struct Modo {
    QString tc;
    bool soloPendientes = false;
    bool esTransporte = false;
    bool casillas = false;
};
Modo DecodificaModo(const QString& tc);

// The search condition of the two boxes ("AND NOMBRE LIKE '%…%' "): the number
// wins over the name; a box holding its prompt, in any case, counts as empty.
// Apostrophes are doubled; % and _ keep their LIKE meaning.
QString CondicionDeBusqueda(const QString& nombre, const QString& numero);

// The caller's condition without the word WHERE (any case), kept inside longer
// words and quoted literals.
QString QuitaWhere(const QString& filtro);

// The query of a type code with its flags, the search condition and the
// caller's condition. The OC, FP and transport queries take WHERE out of
// Filtro for good. AjusteSi answers whether a setting is "SI" (any case); it is
// asked only in the pending delivery-note mode.
QString Consulta(const QString& tc, bool soloPendientes, bool esTransporte, const QString& busqueda, QString& Filtro,
                 const std::function<bool(const QString& clave)>& AjusteSi);

}  // namespace ConsultasComprobantes
