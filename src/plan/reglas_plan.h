#pragma once
// Small rules the plan's procedures share.

#include <QString>
#include <QVariant>

// A switch cell: "-1" for a true (non-zero) value, "0" for Null, empty or false.
QString InterruptorPlan(const QVariant& valor);
// A quantity the plan can hold: a number, not negative, within the currency
// range; otherwise false with the reason for the operator.
bool CantidadValida(const QString& texto, QString& motivo);
// A quantity as the plan keeps it: the currency value with the regional decimal sign.
QString TextoCantidad(const QString& texto);
