#pragma once
// Qt's own texts (a text box's context menu, the print preview's toolbar, a
// scroll bar's menu, standard buttons) in Spanish, as the suite's operators
// meet them everywhere else.

#include <QString>

// Installs Qt's Spanish translation from Qt's translations folder. Without the
// file the texts stay Qt's own, and the program goes on: answers whether it was
// installed.
bool CargaTraduccionQt();
// The same from the folder given.
bool CargaTraduccionQt(const QString& carpeta);
