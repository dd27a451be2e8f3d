#pragma once
// Pipe lists: the text form in which a voucher line keeps its lots, serial
// numbers and storage positions, "|A|B|C|" (every item closed by "|", the list
// opened by one). Lots and serial numbers of one item are joined by Chr255
// (lot first); a position item is "position*quantity". The voucher class's
// members of the same names delegate here, and the lot dialogs call these
// functions directly.
//
// Readers trim the whole text and drop one opening "|"; items compare without
// regard to case. They differ on an unclosed last item ("A|B"): some read it,
// some ignore it, some take it for a malformed list; each function says which.
// Arrays come back with one spare empty element after the n items, so their
// size is n + 1.
//
// The functions that trap their failures report them to the database
// session's error manager with their own name; a malformed list is reported
// once, whatever the answer, and the function returns what it had read.

#include <QChar>
#include <QString>
#include <QStringList>

namespace ListasPipe {

// The character 255 that joins a lot and its serial number in one item.
inline constexpr QChar Chr255{u'\u00FF'};

// The distinct non-blank items closed by "|", trimmed, each after one blank
// (" A b C"); the first spelling is kept; an unclosed last item is not read.
QString StrSerieLote(const QString& Serie_Lote);
// arreglo = the trimmed items (an unclosed last one included) and the spare;
// a text without "|" is its single item. Returns "".
QString DescomponeSerieLote(const QString& Serie_Lote, QStringList& arreglo);
// Splits the position items at their first "*" into positions and quantities
// and the lots list as DescomponeSerieLote does. A position text without "|"
// leaves both arrays at their spare element. An unclosed last item or an item
// without "*" is malformed: reported once (unless Informa is false, as the
// positions dialog asks), the items before it kept. Returns "".
QString DescomponePosicionCantidadLote(const QString& Posicion_Lote, const QString& PIPELotes,
                                       QStringList& ArrPosiciones, QStringList& ArrCantidades, QStringList& ArrLote,
                                       bool Informa = true);
// With SinConsolidar, the number of items of the serial list, or of the lots
// list when the serial list is blank. Otherwise the number of distinct
// non-blank keys "serial|lot" over the items; the lots take no part when the
// serial list is not blank.
long Cuenta_Series_Lotes(const QString& PipeSeries, const QString& PIPELotes, bool SinConsolidar);
// Removes every Chr255 from both lists (the caller sees the cleaned texts) and
// returns the lot paired with the first value above 0; "" when there is none.
// A lots list too short to pair that value fails with "subscript out of
// range". Failures reach the caller.
QString ExtraeSerieLoteConValor(QString& Serie, QString& Lote);
// Item QuePosicion (from 1) untrimmed; an unclosed last item is read as if
// closed. "" for 0 or less and past the end. Failures reach the caller.
// The position is as wide as the posting's item count: an entry of one row
// per unit holds far more than 32767 serial numbers.
QString ExtraeSerieLote(const QString& Serie_Lote, long QuePosicion);
// Items 1 to Cuantos as ExtraeSerieLote reads them, in one pass; fewer when
// the list is shorter.
QStringList PrimerosItems(const QString& Serie_Lote, long Cuantos);
// 0 for ""; else the number of items DescomponeSerieLote reads.
long Cantidad_Series_Lotes(const QString& Pipes);
// Puts Chr255 at the end of every closed item: "|L1|L2|" gives "|L1ÿ|L2ÿ|"
// and "" gives "|"; a list without its opening "|" gets one. Failures reach
// the caller.
QString InsertaCHR255(const QString& iPipe);
// The number (from 1) of the first item equal to the one asked for, both
// trimmed; 0 when none is or the text has no "|". An unclosed last item is
// malformed: reported once.
long Busca_Lotes_Series(const QString& PipeSeriesLotes, const QString& QueSerieLote);

}  // namespace ListasPipe
