#pragma once
// Our own print preview of a sheet, in landscape: the sheet is painted by
// replaying it (rows arrive in order, so nothing but the page in progress is
// held). The header's fill, font and borders are painted as the cells carry
// them; columns keep their proportions and shrink together when the sheet is
// wider than the page.

#include "services/hoja_excel.h"

#include <functional>

class QPrinter;

// Replays the sheet into the destination it is given.
using ReproduceHoja = std::function<void(Hoja::Destino&)>;

// Paints the sheet's rows onto the printer's pages.
void PintaHoja(QPrinter& impresora, const ReproduceHoja& reproduce);

// Shows the preview dialog (through the message-box service).
void MuestraVistaPrevia(const ReproduceHoja& reproduce);
