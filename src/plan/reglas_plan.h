#pragma once
// Small rules the plan's procedures share.

#include "platform/moneda.h"

#include <QString>
#include <QVariant>

class Recordset;

// A switch cell: "-1" for a true (non-zero) value, "0" for Null, empty or false.
QString InterruptorPlan(const QVariant& valor);
// A quantity the plan can hold: a number, not negative, within the currency
// range; otherwise false with the reason for the operator.
bool CantidadValida(const QString& texto, QString& motivo);
// An article code as an SQL literal: fitted to its 25 characters, quoted.
QString LiteralArticulo(const QString& codigo);
// A currency value with the regional decimal sign and no grouping ("2,5").
QString TextoMonedaRegional(const Moneda& valor);
// A quantity as the plan keeps it: the currency value of the text, in that form.
QString TextoCantidad(const QString& texto);
// The name of the draft of a production date: the date written "dd/mm/yyyy",
// however it was typed; empty for a text that is no date.
QString NombreDeBorrador(const QString& fecha);
// Looks the draft of a production date up by its name, else by the text as
// typed (a draft stored under another spelling keeps its name). Answers the
// name the plan goes by.
QString BuscaBorrador(const QString& fecha, Recordset& cabecera, bool& encontrado);
