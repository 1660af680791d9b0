#pragma once
// Pictures for paper. A picture is read afresh from its file at the size its
// rectangle on the sheet needs in device pixels: a large photo is decoded
// reduced (for a JPEG, by the decoder's own DCT scaling), never at its full
// 24 megapixels when the paper needs a tenth of that, and never enlarged.
// The same loading functions as the screen's are used, so their limits on
// hostile files hold for printing too.

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

struct TImageElementRecord;

// The size a picture of `picture` pixels is read at for a rectangle of
// `need` device pixels: its own shape, the smallest that covers `need` in
// both directions, at most its own size.
QSize PrintPictureSize(QSize picture, QSize need);

// Reads the picture at `path` for a rectangle of `need` device pixels.
// Null when it cannot be read; *error says why.
QImage ReadPrintPicture(const QString &path, QSize need, QString *error = nullptr);

// The part of a picture of `picture` pixels that is stretched over a
// rectangle of `target` device pixels. This is the one place that chooses
// it: a picture fitted to a surface keeps its proportions, when asked to, by
// showing its middle part cut to the surface's shape, as the screen does;
// any other picture is stretched whole over its rectangle.
QRect PrintSourceRect(QSize picture, QSize target, const TImageElementRecord &image, bool keepProportions);

// The half of a front-and-inside picture's source that one cover shows:
// half 1 (front) the right half, from w div 2 to w; half 2 (inside) the left
// half, from 0 to w div 2; both w div 2 wide.
QRect HalfSourceRect(const QRect &whole, int half);
