#pragma once
// The picture of an image fitted to the round label: the picture stretched
// over the label's square, kept inside the disc, white outside it and in the
// hole, with the disc's and the hole's outlines drawn in the lines colour
// (the label's own circle shapes are hidden while the fit lasts, so the
// picture carries both outlines itself).

#include <QColor>
#include <QImage>

// `outerDiameter` is the label panel's side and the disc's diameter in
// pixels, `innerDiameter` the hole's; the hole is centred at
// ((outer - inner) div 2, (outer - inner) div 2). Transparent parts of the
// picture show white. A null picture gives the empty white disc with its
// outlines; a diameter below 1 gives a null image; a hole as large as the
// disc or larger leaves nothing of the picture.
QImage RoundLabelPicture(const QImage &picture, int outerDiameter, int innerDiameter, const QColor &lines);
