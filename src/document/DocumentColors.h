#pragma once
// The program's one conversion between the colours of records and settings
// (0x00BBGGRR, red in the low byte) and QColor. Whoever holds a record's
// colour (an element, a swatch, the settings) keeps its value untouched, so
// that saving gives back the same number, and turns it into a QColor only to
// draw; the way back drops alpha and writes 0 in the high byte.

#include "CDDataTypes.h"

#include <QColor>

class QPalette;

// Values with the high byte 0x80 name a system colour (the button face, the
// window, ...); they are taken from the palette.
QColor ColorToQColor(TColor color, const QPalette &palette);
QColor ColorToQColor(TColor color);
TColor QColorToColor(const QColor &color);
