#pragma once
// How large the track titles may be: the block of track lines measured at
// the screen's resolution and zoom 1, and the tracks style's size shrunk a
// point at a time until the block fits the cover's height.

#include "CDDataTypes.h"

#include <QFont>
#include <QStringList>

namespace TrackFit {

// The gap in pixels between two generated lines.
constexpr int LineGap = 1;
// The smallest size the fit goes down to: a list too long for the cover
// even at this size keeps it (and runs past the bottom) rather than turning
// into unreadable dots.
constexpr int MinTrackFontSize = 6;

// The font of a text style at its own size.
QFont StyleFont(const TTextStyleRecord &style);

// The block's height in pixels at `ppi` pixels per inch: 0.2 inch above and
// below, every line's height (empty lines included) and LineGap between
// lines, rounded once at the end.
int TrackBlockHeight(const QStringList &lines, const QFont &font, double ppi);

// The size the tracks style gets on a cover `coverHeightInches` high: its
// own size, less a point at a time while the block plus 10 pixels is
// higher than the cover, never below MinTrackFontSize (a smaller starting
// size stays as it is).
int FitTrackFont(const TTextStyleRecord &style, const QStringList &lines, double ppi, float coverHeightInches);

} // namespace TrackFit
