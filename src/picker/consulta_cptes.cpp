// The run that fills the picker's list.
#include "picker/FrmConsComprobantes.h"

void FrmConsComprobantes::ConsultaCptes()
{
    Encolumnar();
}
