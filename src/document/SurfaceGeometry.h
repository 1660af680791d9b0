#pragma once
// Where the surfaces, the spine lines and the label circles fall in screen
// pixels at a zoom. The cover view places its panels and shapes from these
// numbers; keeping them here lets the arithmetic be checked without windows.

#include <QPoint>
#include <QSize>

#include <optional>

struct TCoverSettings;

// The highest zoom the cover view reaches (0.9 or 1.0 plus steps of 0.05
// while below 2.0; the top step is 2.049999 in a 32-bit float). Pictures
// cut or reduced for the view are made for it, so they stay sharp.
constexpr float HighestViewZoom = 2.05f;

// The zoom buttons step by 0.05: in while the zoom is below 2.0, out while it
// is above 0.1. Nothing at either end.
enum class TZoomStep { In, Out };
std::optional<float> SteppedZoom(float zoom, TZoomStep step);

struct TSurfaceLayout {
    QSize Front;
    QSize Inside;
    QSize Back;
    int LineLeftX = 0;   // left spine line, from the back panel's left edge
    int LineRightX = 0;  // right spine line
    QSize RoundLabel;    // square, the outer diameter both ways
    int OuterCircle = 0; // diameter of the label circle at (0, 0)
    int InnerCircle = 0; // diameter of the hole
    int InnerOffset = 0; // left and top of the hole, so that it is centred
};

TSurfaceLayout SurfaceLayout(const TCoverSettings &settings, float zoom);

// A panel centred in its tab sheet, 15 pixels of the sheet's height kept for
// the tabs; both halvings truncate toward zero.
QPoint CenteredPanelPos(QSize sheet, QSize panel);
