#pragma once
// How a picture fitted to a whole surface keeps its proportions: it fills
// the surface and shows its middle part, cut to the surface's shape, rather
// than being squeezed. The screen and the printer cut the same part.

#include <QRect>
#include <QSize>
#include <QSizeF>

// The part of a picture of `picture` pixels that a surface of size
// `surface` shows (any unit; only its shape counts): the largest rectangle
// of the surface's shape centred on the picture, in the picture's pixels.
// Drawn into the whole surface, it fills it without distortion. The whole
// picture when either size is empty.
QRect CenterCropRect(QSize picture, QSizeF surface);
