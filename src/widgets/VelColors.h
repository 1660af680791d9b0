#pragma once
// Conversions between the document's colours (0x00BBGGRR, red in the low
// byte) and Qt's QColor. The high byte of a TColor carries nothing a swatch
// can show, so it is dropped on the way in and written as 0 on the way out.

#include "CDDataTypes.h"

#include <QColor>

inline QColor TColorToQColor(TColor c)
{
    const auto v = static_cast<std::uint32_t>(c);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

inline TColor QColorToTColor(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return TColor(std::uint32_t(rgb.red()) | (std::uint32_t(rgb.green()) << 8)
                  | (std::uint32_t(rgb.blue()) << 16));
}
