#pragma once
// JPEG decoding with libjpeg-turbo, reduced in the decoder itself when a
// smaller picture is wanted: the DCT scaling (n/8) gives the smallest size at
// or above the target, and a smooth scale takes it the rest of the way, so a
// large photo is never decoded in full only to be thrown away.

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// Given the picture's own size, the size the caller wants (its own size for
// a full decode).
using TPictureTarget = std::function<QSize(QSize)>;

enum class TJpegResult {
    Ok,
    NotJpeg,     // not a JPEG at all: another decoder may try
    Unsupported, // a JPEG this decoder does not turn into RGB (CMYK)
    Failed,      // broken, too large or unreadable
};

// Decodes the file at the size `target` asks for. On anything but Ok the
// image is null and *error says why.
TJpegResult DecodeJpeg(const QString &fileName, const TPictureTarget &target, QImage *image,
                       QString *error = nullptr);
