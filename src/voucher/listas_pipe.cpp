// The pipe-list members: one code with the lot dialogs, which call the lots
// module directly.
#include "voucher/ClsCmnCptes.h"

#include "lots/listas_pipe.h"

QString ClsCmnCptes::StrSerieLote(const QString& Serie_Lote)
{
    return ListasPipe::StrSerieLote(Serie_Lote);
}

QString ClsCmnCptes::DescomponeSerieLote(const QString& Serie_Lote, QStringList& arreglo)
{
    return ListasPipe::DescomponeSerieLote(Serie_Lote, arreglo);
}

QString ClsCmnCptes::DescomponePosicionCantidadLote(const QString& Posicion_Lote, const QString& PIPELotes,
                                                    QStringList& ArrPosiciones, QStringList& ArrCantidades,
                                                    QStringList& ArrLote)
{
    return ListasPipe::DescomponePosicionCantidadLote(Posicion_Lote, PIPELotes, ArrPosiciones, ArrCantidades, ArrLote);
}

long ClsCmnCptes::Cuenta_Series_Lotes(const QString& PipeSeries, const QString& PIPELotes, bool SinConsolidar)
{
    return ListasPipe::Cuenta_Series_Lotes(PipeSeries, PIPELotes, SinConsolidar);
}

QString ClsCmnCptes::ExtraeSerieLoteConValor(QString& Serie, QString& Lote)
{
    return ListasPipe::ExtraeSerieLoteConValor(Serie, Lote);
}

QString ClsCmnCptes::ExtraeSerieLote(const QString& Serie_Lote, short QuePosicion)
{
    return ListasPipe::ExtraeSerieLote(Serie_Lote, QuePosicion);
}

long ClsCmnCptes::Cantidad_Series_Lotes(const QString& Pipes)
{
    return ListasPipe::Cantidad_Series_Lotes(Pipes);
}

QString ClsCmnCptes::InsertaCHR255(const QString& iPipe)
{
    return ListasPipe::InsertaCHR255(iPipe);
}

long ClsCmnCptes::Busca_Lotes_Series(const QString& PipeSeriesLotes, const QString& QueSerieLote)
{
    return ListasPipe::Busca_Lotes_Series(PipeSeriesLotes, QueSerieLote);
}
