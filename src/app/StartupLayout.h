#pragma once
// The main window's first size and zoom, chosen by the screen size.

#include <QRect>
#include <QSize>

namespace StartupLayout {

struct TWindowPlacement {
    float zoom;
    QRect geometry;
    bool maximized;
};

constexpr QSize DesignSize{689, 550};
constexpr QSize MinimumSize{500, 400};

TWindowPlacement PlacementFor(QSize screen);

// The size of the screen the program starts on. Tests set it so that the
// 800x600, 1024x768 and 640x480 rules can be checked on any machine; an
// empty size returns to the real screen.
QSize ScreenSize();
void SetScreenSizeOverride(QSize size);

} // namespace StartupLayout
