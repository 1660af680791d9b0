#pragma once
// The bounds one picture load keeps, whatever its file claims, and the
// reader of vector pictures (SVG, gzip-compressed SVGZ) that keeps them.
//
// One load holds at most MaxPictureBytes of decoded pixels (the size it is
// decoded at, before any reduction) and at most MaxDecoderBytes of decoder
// memory (libjpeg's coefficient buffers, or the text of an SVG and the
// drawing made from it): 256 MB in all. A header that claims more than
// MaxPicturePixels is refused before anything is decoded.

#include "JpegDecoder.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

constexpr qint64 MaxPictureBytes = qint64(128) << 20;
constexpr qint64 MaxDecoderBytes = qint64(128) << 20;
// 16384 x 16384: more than any photograph or scan put on a cover.
constexpr qint64 MaxPicturePixels = qint64(1) << 28;
// The text of an SVG, after expansion: a few megabytes for a rich drawing.
// Its drawing takes a few times as much; both stay within MaxDecoderBytes.
constexpr qint64 MaxVectorTextBytes = qint64(16) << 20;

// False with the reason when a picture of this size is not decoded at all.
bool PictureSizeAllowed(QSize claimed, QString *error = nullptr);

// `want` made small enough, keeping its shape, that its 32-bit pixels fit
// MaxPictureBytes.
QSize BoundedPictureSize(QSize want);

// The text of a drawing: gzip-compressed bytes (SVGZ) are expanded, text is
// kept. False with *error when the compressed data is damaged or would
// expand beyond MaxVectorTextBytes.
bool ExpandVectorText(QByteArray &bytes, QString *error = nullptr);

// True when a drawing names a file outside itself (an href that is no
// "#fragment" and no "data:" address).
bool RefersToOtherFiles(const QByteArray &svg);

// Reads a vector picture and draws it at the size `target` asks for its
// own size (a null target: its own size), within MaxPictureBytes. Compressed
// text that would expand beyond MaxVectorTextBytes, a larger text, and a
// drawing that refers to files outside itself are refused. Null with
// *error saying why on failure.
QImage ReadVectorPicture(const QString &fileName, const TPictureTarget &target, QString *error = nullptr);
