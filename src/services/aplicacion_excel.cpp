#include "services/aplicacion_excel.h"

#include "platform/falla.h"

AplicacionExcel::AplicacionExcel(NuevaHoja nuevaHoja) : nuevaHoja_(std::move(nuevaHoja)) {}

void AplicacionExcel::SheetsInNewWorkbook(int hojas)
{
    if (hojas < 1 || hojas > 255)
        Hoja::Rehusa();
    hojasPorLibro_ = hojas;
}

void AplicacionExcel::AgregaLibro()
{
    activa_ = nuevaHoja_ ? nuevaHoja_(hojasPorLibro_) : std::make_shared<HojaExcel>();
    hojas_ = hojasPorLibro_;
    vistaPrevia_ = false;
}

HojaExcel& AplicacionExcel::HojaActiva()
{
    if (!activa_)
        throw Falla(Falla::ObjetoNoEstablecido, QStringLiteral("Variable de objeto o bloque With no establecido"),
                    QStringLiteral("Excel"));
    return *activa_;
}

void AplicacionExcel::VistaPrevia()
{
    HojaActiva();
    vistaPrevia_ = true;
}
