#pragma once
// Where alignment puts the selected elements. Rectangles are the elements'
// pixel bounds on their surface panel, in selection order (the first one
// selected first); the results are new top-left corners in the same order.
// Halving truncates toward zero, so an element wider than its panel is
// centred one pixel further right than a rounding-down halving would put it.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

// The six one-click commands: each element against its own panel.
enum class TAlignCommand {
    Left,   // Left := 0
    Center, // Left := (panel width - Width) div 2
    Right,  // Left := panel width - Width
    Top,
    Middle,
    Bottom,
};

QPoint AlignToSurface(TAlignCommand command, const QRect &element, QSize panel);

// The Alignment dialog's choices, numbered as the items of its two groups.
enum THorizontalAlign {
    haNoChange = 0,
    haLeft,          // single: the panel's left edge; several: the first's left side
    haCenter,        // single: the panel's centre; several: the first's centre
    haRight,         // single: the panel's right edge; several: the first's right side
    haCenterInCover, // several only: each centred on the panel
};

enum TVerticalAlign {
    vaNoChange = 0,
    vaTop,
    vaMiddle,
    vaBottom,
    vaCenterInCover,
    vaSpaceEqually, // several only
};

// The dialog's OK: the horizontal choice, then the vertical one. With fewer
// than two elements the single-element meanings apply and the items only the
// several-element list has change nothing. `panel` is the first element's
// panel. An item number outside the lists changes nothing.
std::vector<QPoint> AlignmentDialogPositions(const std::vector<QRect> &elements, QSize panel,
                                             int horizontalItem, int verticalItem);

// Space equally on the tops: the elements ordered by Top (equal tops keep
// selection order), the top one and the bottom one stay, the ones between
// share the free height equally; the rest of the division goes to the last
// gap. When the elements overlap (no free height) nothing moves. Returns the
// new tops in selection order.
std::vector<int> SpaceEquallyTops(const std::vector<QRect> &elements);
