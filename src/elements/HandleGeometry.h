#pragma once
// The selection handle's arithmetic: its bounds around the held controls,
// the grips it draws, the zones under the mouse and the frame a drag gives.
// Rectangles are QRect (left, top, width, height); the handle's own bounds
// are called L, T, W, H.

#include <QList>
#include <QPoint>
#include <QRect>

namespace HandleGeometry {

// What a drag does, by the zone it started in.
enum TDragZone : int {
    dzMove = 0,
    dzTopLeft = 1,
    dzTopRight = 2,
    dzBottomLeft = 3,
    dzBottomRight = 4,
    dzTop = 5,
    dzLeft = 6,
    dzBottom = 7,
    dzRight = 8,
};

constexpr int GripSize = 5;
// The handle reaches two pixels left of and above a held control and three
// pixels right of and below it.
constexpr int MarginLeftTop = 2;
constexpr int MarginRightBottom = 3;
// The smallest width or height a held control can be dragged to.
constexpr int MinControlSize = 5;

// Bounds of a handle holding one control.
QRect BoundsFor(const QRect &control);
// Bounds of a handle at `handle` that takes one more control; the held
// controls do not move.
QRect BoundsAdding(const QRect &handle, const QRect &control);
// The area of a held control that a press selects or drags: its bounds
// grown by two pixels on every side.
bool HitsHeldControl(const QRect &control, QPoint parentPoint);
// Strictly inside (no shared edge, no point on an edge).
bool StrictlyContains(const QRect &outer, QPoint p);
bool StrictlyInside(const QRect &inner, const QRect &outer);

// The grips of every held control, in handle coordinates: four corner
// squares each, and four edge squares as well when only one is held. With
// the parent's rectangle (in the parent's coordinates) given, a grip that
// would lie partly or wholly outside the parent, where it is clipped, is
// moved just inside it, so every grip can be seen and taken.
QList<QRect> GripRects(const QRect &handle, const QList<QRect> &controls, const QRect &parent = QRect());

// The resize zone under `p` (handle coordinates) of a handle holding the one
// resizable control `control` on a parent of `parent`: the zone of the grip
// drawn there, taken with one pixel to spare around it (an edge grip wins
// over a corner grip where they meet); dzMove off every grip.
int ZoneAt(QPoint p, const QRect &handle, const QRect &control, const QRect &parent = QRect());

// Snapping to a grid of g pixels: (v div g) * g, dividing toward zero.
int Snap(int v, int g);

// The handle frame a drag from `start` to `p` (handle coordinates) asks
// for. The snapped values are the handle's own edges, so with a grid of 1 a
// moved control lands two pixels left of and above where the mouse took it,
// and one sized at its right or bottom edge ends three pixels short.
QRect FrameForDrag(int zone, QPoint p, QPoint start, const QRect &handle, int gridX, int gridY);

// The part of a frame a held control would take (the outline drawn while
// dragging).
QRect InnerFrame(const QRect &frame);

// Limits a point in handle coordinates so that it stays on the parent.
QPoint ClampToParent(QPoint p, const QRect &handle, int parentWidth, int parentHeight);

} // namespace HandleGeometry
