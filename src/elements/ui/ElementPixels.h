#pragma once
// Inch values of elements as screen pixels. Lengths read from a file can be
// anything; the pixel value is kept within what a widget can take.

#include "VelMeasureRoutines.h"

#include <QWidget>

#include <algorithm>

namespace ElementPixels {

inline int ToPixels(float inches, float zoom)
{
    const int px = VelMeasureRoutines::InchesToScreenPixels(inches, zoom);
    return std::clamp(px, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

inline int ToSize(float inches, float zoom)
{
    return std::max(0, ToPixels(inches, zoom));
}

// The inch value a pixel value stands for at a zoom (Left / ppi / zoom).
inline float ToInches(int pixels, float zoom)
{
    return static_cast<float>(double(pixels) / double(VelMeasureRoutines::ScreenPPI()) / double(zoom));
}

} // namespace ElementPixels
