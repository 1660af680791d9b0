#include "HandleGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace HandleGeometry {

QRect BoundsFor(const QRect &c)
{
    return QRect(c.x() - MarginLeftTop, c.y() - MarginLeftTop,
                 c.width() + MarginLeftTop + MarginRightBottom,
                 c.height() + MarginLeftTop + MarginRightBottom);
}

QRect BoundsAdding(const QRect &h, const QRect &c)
{
    const int left = std::min(h.x(), c.x() - MarginLeftTop);
    const int top = std::min(h.y(), c.y() - MarginLeftTop);
    const int right = std::max(h.x() + h.width() - MarginRightBottom, c.x() + c.width());
    const int bottom = std::max(h.y() + h.height() - MarginRightBottom, c.y() + c.height());
    return QRect(left, top, right - left + MarginRightBottom, bottom - top + MarginRightBottom);
}

bool HitsHeldControl(const QRect &c, QPoint p)
{
    // (l - 2, t - 2) to (l + w + 2, t + h + 2), the far edges excluded.
    return p.x() >= c.x() - 2 && p.x() < c.x() + c.width() + 2
        && p.y() >= c.y() - 2 && p.y() < c.y() + c.height() + 2;
}

bool StrictlyContains(const QRect &r, QPoint p)
{
    return r.x() < p.x() && p.x() < r.x() + r.width()
        && r.y() < p.y() && p.y() < r.y() + r.height();
}

bool StrictlyInside(const QRect &inner, const QRect &outer)
{
    return inner.x() > outer.x() && inner.y() > outer.y()
        && inner.x() + inner.width() < outer.x() + outer.width()
        && inner.y() + inner.height() < outer.y() + outer.height();
}

QList<QRect> GripRects(const QRect &handle, const QList<QRect> &controls, const QRect &parent)
{
    QList<QRect> grips;
    const bool single = controls.size() == 1;
    // The parent's area in handle coordinates, where grips are kept.
    const QRect area = parent.translated(-handle.topLeft());
    const bool keepInside = parent.width() >= GripSize && parent.height() >= GripSize;
    const auto square = [&](int l, int t) {
        if (keepInside) {
            l = std::clamp(l, area.left(), area.right() - GripSize + 1);
            t = std::clamp(t, area.top(), area.bottom() - GripSize + 1);
        }
        return QRect(l, t, GripSize, GripSize);
    };
    for (const QRect &c : controls) {
        const int x0 = c.x() - handle.x() - 2;
        const int y0 = c.y() - handle.y() - 2;
        const int x1 = c.x() - handle.x() + c.width() + 2;
        const int y1 = c.y() - handle.y() + c.height() + 2;
        grips << square(x0, y0) << square(x1 - 5, y0) << square(x1 - 5, y1 - 5) << square(x0, y1 - 5);
        if (single) {
            const int mx = (x1 - x0) / 2;
            const int my = (y1 - y0) / 2;
            grips << square(x0 + mx - 2, y0) << square(x0 + mx - 2, y1 - 5)
                  << square(x0, y0 + my - 2) << square(x1 - 5, y0 + my - 2);
        }
    }
    return grips;
}

int ZoneAt(QPoint p, const QRect &handle, const QRect &control, const QRect &parent)
{
    // GripRects' order: the corners top-left, top-right, bottom-right,
    // bottom-left, then the edges top, bottom, left, right.
    static constexpr int zones[8] = {dzTopLeft, dzTopRight, dzBottomRight, dzBottomLeft,
                                     dzTop,     dzBottom,   dzLeft,        dzRight};
    const QList<QRect> grips = GripRects(handle, {control}, parent);
    int zone = dzMove;
    for (int i = 0; i < grips.size() && i < 8; ++i)
        if (grips[i].adjusted(-1, -1, 1, 1).contains(p))
            zone = zones[i];
    return zone;
}

int Snap(int v, int g)
{
    if (g < 1)
        g = 1;
    return (v / g) * g;
}

QRect FrameForDrag(int zone, QPoint p, QPoint start, const QRect &h, int gridX, int gridY)
{
    const int L = h.x(), T = h.y(), W = h.width(), H = h.height();
    const int dx = p.x() - start.x();
    const int dy = p.y() - start.y();
    const bool movesLeft = zone == dzTopLeft || zone == dzBottomLeft || zone == dzLeft;
    const bool movesTop = zone == dzTopLeft || zone == dzTopRight || zone == dzTop;
    const bool movesRight = zone == dzTopRight || zone == dzBottomRight || zone == dzRight;
    const bool movesBottom = zone == dzBottomLeft || zone == dzBottomRight || zone == dzBottom;

    int left = L, top = T, width = W, height = H;
    if (zone == dzMove) {
        left = Snap(dx + L, gridX) - 2;
        top = Snap(dy + T, gridY) - 2;
        return QRect(left, top, W, H);
    }
    if (movesLeft) {
        left = Snap(dx + L, gridX) - 2;
        width = W + L - left;
    }
    if (movesTop) {
        top = Snap(dy + T, gridY) - 2;
        height = H + T - top;
    }
    if (movesRight)
        width = Snap(dx + W, gridX) - 3;
    if (movesBottom)
        height = Snap(dy + H, gridY) - 3;

    // A held control never becomes narrower or lower than MinControlSize;
    // a dragged left or top edge stops there and the opposite edge stays.
    const int minFrame = MinControlSize + MarginLeftTop + MarginRightBottom;
    if (width < minFrame) {
        if (movesLeft)
            left = L + W - minFrame;
        width = minFrame;
    }
    if (height < minFrame) {
        if (movesTop)
            top = T + H - minFrame;
        height = minFrame;
    }
    return QRect(left, top, width, height);
}

QRect InnerFrame(const QRect &f)
{
    return QRect(f.x() + MarginLeftTop, f.y() + MarginLeftTop,
                 f.width() - MarginLeftTop - MarginRightBottom,
                 f.height() - MarginLeftTop - MarginRightBottom);
}

QPoint ClampToParent(QPoint p, const QRect &h, int parentWidth, int parentHeight)
{
    return QPoint(std::clamp(p.x(), -h.x(), parentWidth - h.x()),
                  std::clamp(p.y(), -h.y(), parentHeight - h.y()));
}

} // namespace HandleGeometry
