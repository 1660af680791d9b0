#include "FitGeometry.h"

#include "ImageOrder.h"
#include "SurfaceGeometry.h"
#include "VelMeasureRoutines.h"

#include <algorithm>
#include <cmath>

using namespace VelMeasureRoutines;

namespace {

// The inch value the element derives from a pixel value at its next paint.
float PixelsAsInches(int pixels, float zoom)
{
    return static_cast<float>(double(pixels) / double(ScreenPPI()) / double(zoom));
}

void SetInches(TFitPlacement &p, float x, float y, float w, float h)
{
    p.XPosInches = x;
    p.YPosInches = y;
    p.WidthInches = w;
    p.HeightInches = h;
    p.XPosCm = InchesToCm(x);
    p.YPosCm = InchesToCm(y);
    p.WidthCm = InchesToCm(w);
    p.HeightCm = InchesToCm(h);
}

// A fit that covers a whole panel through its pixel bounds.
TFitPlacement WholePanel(TSurfaceCode surface, QSize panel, float zoom, std::int32_t order)
{
    TFitPlacement p;
    p.Surface = surface;
    p.Bounds = QRect(QPoint(0, 0), panel);
    SetInches(p, 0, 0, PixelsAsInches(panel.width(), zoom), PixelsAsInches(panel.height(), zoom));
    p.Order = order;
    return p;
}

} // namespace

std::optional<TFitPlacement> FitPlacement(TFitStyle style, const TCoverSettings &s, float zoom,
                                          TFrontInsideHalf half)
{
    const TSurfaceLayout layout = SurfaceLayout(s, zoom);
    switch (style) {
    case fsFront: return WholePanel(TSurfaceCode::Front, layout.Front, zoom, 0);
    case fsInside: return WholePanel(TSurfaceCode::Inside, layout.Inside, zoom, 0);
    case fsAllBack: return WholePanel(TSurfaceCode::Back, layout.Back, zoom, 0);
    case fsRoundLabel: return WholePanel(TSurfaceCode::RoundLabel, layout.RoundLabel, zoom, RoundLabelOrder);
    case fsFrontInside:
        // The position is set in inches (0, 0), the size from the cover's panel.
        return half == TFrontInsideHalf::Front ? WholePanel(TSurfaceCode::Front, layout.Front, zoom, FrontInsideOrder)
                                               : WholePanel(TSurfaceCode::Inside, layout.Inside, zoom, FrontInsideOrder);
    case fsBack: {
        // Between the spines, set through the inch setters.
        TFitPlacement p;
        p.Surface = TSurfaceCode::Back;
        const float w = s.BackWidth - s.LeftSpineWidth - s.RightSpineWidth;
        SetInches(p, s.LeftSpineWidth, 0, w, s.BackHeight);
        p.Bounds = QRect(InchesToScreenPixels(p.XPosInches, zoom), 0, InchesToScreenPixels(w, zoom),
                         InchesToScreenPixels(s.BackHeight, zoom));
        p.Order = 0;
        return p;
    }
    case fsNone:
        break;
    }
    return std::nullopt;
}

void ApplyFitToRecord(TImageElementRecord &r, TFitStyle style, const TCoverSettings &settings, float zoom,
                      TFrontInsideHalf half)
{
    r.FitStyle = style;
    const std::optional<TFitPlacement> p = FitPlacement(style, settings, zoom, half);
    if (!p)
        return;
    r.SurfaceIndex = p->Surface;
    r.XPosInches = p->XPosInches;
    r.YPosInches = p->YPosInches;
    r.WidthInches = p->WidthInches;
    r.HeightInches = p->HeightInches;
    r.XPosCm = p->XPosCm;
    r.YPosCm = p->YPosCm;
    r.WidthCm = p->WidthCm;
    r.HeightCm = p->HeightCm;
    r.Order = p->Order;
}

QSize FrontInsideCanvas(const TCoverSettings &s, float zoom)
{
    const float ppi = static_cast<float>(ScreenPPI());
    return QSize(RoundEven((s.FrontWidth + s.InsideWidth) * ppi * zoom), RoundEven(s.FrontHeight * ppi * zoom));
}

QRect FrontInsideSourceRect(QSize canvas, TFrontInsideHalf half)
{
    const int mid = canvas.width() / 2;
    return half == TFrontInsideHalf::Inside ? QRect(0, 0, mid, canvas.height())
                                            : QRect(mid, 0, canvas.width() - mid, canvas.height());
}

QImage FrontInsideHalfPicture(const QImage &picture, const TCoverSettings &s, float zoom, TFrontInsideHalf half,
                              bool keepProportions)
{
    const QSize canvas = FrontInsideCanvas(s, zoom);
    const TSurfaceLayout layout = SurfaceLayout(s, zoom);
    const QSize panel = half == TFrontInsideHalf::Front ? layout.Front : layout.Inside;
    if (picture.isNull() || canvas.isEmpty() || panel.isEmpty())
        return QImage();
    const QImage source = keepProportions
        ? picture.copy(CenterCropRect(picture.size(), QSizeF(s.FrontWidth + s.InsideWidth, s.FrontHeight)))
        : picture;
    const QImage whole = source.scaled(canvas, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return whole.copy(FrontInsideSourceRect(canvas, half))
        .scaled(panel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QSize FitLoadBox(TFitStyle style, const TCoverSettings &settings)
{
    if (style == fsFrontInside)
        return FrontInsideCanvas(settings, HighestViewZoom);
    const std::optional<TFitPlacement> p = FitPlacement(style, settings, HighestViewZoom);
    return p ? p->Bounds.size() : QSize();
}

QSize FittedPictureLoadSize(QSize picture, TFitStyle style, const TCoverSettings &settings)
{
    const QSize box = FitLoadBox(style, settings);
    if (picture.isEmpty() || box.isEmpty())
        return picture;
    const double scale = std::max(double(box.width()) / picture.width(), double(box.height()) / picture.height());
    if (scale >= 1.0)
        return picture;
    return QSize(std::clamp(int(std::ceil(picture.width() * scale)), 1, picture.width()),
                 std::clamp(int(std::ceil(picture.height() * scale)), 1, picture.height()));
}
