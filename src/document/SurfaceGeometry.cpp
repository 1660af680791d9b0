#include "SurfaceGeometry.h"

#include "CDDataTypes.h"
#include "VelMeasureRoutines.h"

using namespace VelMeasureRoutines;

TSurfaceLayout SurfaceLayout(const TCoverSettings &s, float zoom)
{
    TSurfaceLayout l;
    l.Front = QSize(InchesToScreenPixels(s.FrontWidth, zoom), InchesToScreenPixels(s.FrontHeight, zoom));
    l.Inside = QSize(InchesToScreenPixels(s.InsideWidth, zoom), InchesToScreenPixels(s.InsideHeight, zoom));
    l.Back = QSize(InchesToScreenPixels(s.BackWidth, zoom), InchesToScreenPixels(s.BackHeight, zoom));
    l.LineLeftX = InchesToScreenPixels(s.LeftSpineWidth, zoom);
    l.LineRightX = l.Back.width() - InchesToScreenPixels(s.RightSpineWidth, zoom);
    const int outer = InchesToScreenPixels(s.OuterDiameter, zoom);
    l.RoundLabel = QSize(outer, outer);
    l.OuterCircle = outer;
    l.InnerCircle = InchesToScreenPixels(s.InnerDiameter, zoom);
    // round(((outer - inner) / 2) * PPI * zoom), every step a 32-bit float
    const float half = (s.OuterDiameter - s.InnerDiameter) / 2.0f;
    const float a = half * static_cast<float>(ScreenPPI());
    l.InnerOffset = RoundEven(a * zoom);
    return l;
}

QPoint CenteredPanelPos(QSize sheet, QSize panel)
{
    return QPoint((sheet.width() - panel.width()) / 2, (sheet.height() - panel.height() - 15) / 2);
}

std::optional<float> SteppedZoom(float zoom, TZoomStep step)
{
    if (step == TZoomStep::In && zoom < 2.0f)
        return zoom + 0.05f;
    if (step == TZoomStep::Out && zoom > 0.1f)
        return zoom - 0.05f;
    return std::nullopt;
}
