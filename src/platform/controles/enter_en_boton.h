#pragma once
// A focused button takes Enter as a click, as on Windows, in windows where no
// button is the default one (Enter there belongs to the boxes and grids).

class QPushButton;

void EnterPulsaElBoton(QPushButton* boton);
