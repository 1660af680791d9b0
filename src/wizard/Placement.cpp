#include "Placement.h"

#include "VelMeasureRoutines.h"

int StyleOfRole(TTextRole role)
{
    return role == TTextRole::TrackTime ? 2 : static_cast<int>(role);
}

const TPlacementDistances &PlacementDistances(bool inches)
{
    static const TPlacementDistances cm{0.5, 1.0, 1.2, 8.0, 8.2, 1.5};
    static const TPlacementDistances in{0.2, 0.4, 0.5, 3.15, 3.23, 0.59};
    return inches ? in : cm;
}

namespace {
double InUnit(float inchesValue, bool inches)
{
    return inches ? inchesValue : VelMeasureRoutines::InchesToCm(inchesValue);
}
} // namespace

double TrackColumnX(const TCoverSettings &s, TSurfaceCode surface, bool inches)
{
    const double margin = PlacementDistances(inches).TrackX;
    return surface == TSurfaceCode::Back ? InUnit(s.LeftSpineWidth, inches) + margin : margin;
}

double TimeColumnX(const TCoverSettings &s, TSurfaceCode surface, bool inches)
{
    const double back = PlacementDistances(inches).TimeFromRight;
    if (surface == TSurfaceCode::Back)
        return InUnit(s.BackWidth, inches) - InUnit(s.RightSpineWidth, inches) - back;
    return InUnit(s.InsideWidth, inches) - back;
}
