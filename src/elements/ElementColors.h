#pragma once
// Colour values of records (0x00BBGGRR) on screen. The elements keep the
// record's value untouched so that saving gives back the same number, and
// turn it into a QColor only to draw.

#include "CDDataTypes.h"

#include <QColor>

class QPalette;

// Values with the high byte 0x80 name a system colour (the button face, the
// window, ...); they are taken from the palette.
QColor ColorToQColor(TColor color, const QPalette &palette);
QColor ColorToQColor(TColor color);
TColor QColorToColor(const QColor &color);
