#pragma once
// Loading pictures from files for image elements and for printing.
//
// The decoder follows the file's extension: JPEG through libjpeg-turbo
// (reduced in the decoder when a smaller picture is wanted), everything else
// the installed Qt image plugins read (PNG, BMP, GIF, TIFF, TGA, WebP, ICO,
// portable maps, ...). A file that cannot be decoded, is empty, or claims a
// size beyond the toolkit's allocation limit gives a null image, never a
// crash.

#include "CDDataTypes.h"
#include "JpegDecoder.h"

#include <QImage>
#include <QSize>
#include <QString>

// The size a picture of `picture` pixels is loaded at for a front cover
// panel of `frontPanel` pixels: larger in both directions, it is reduced to
// fit the panel keeping its shape; otherwise it keeps its own size.
QSize ReducedPictureSize(QSize picture, QSize frontPanel);

// The smallest size of the picture's shape that still covers `box` in both
// directions, never above the picture's own size. An element of `box`
// pixels at the highest zoom needs no more.
QSize CoveringPictureSize(QSize picture, QSize box);

// The pixels an image of this record can show at the highest zoom of the
// view (HighestViewZoom): what its picture is read at. An image built from a
// record holds no more pixels than that; printing reads the file again.
QSize PictureBoxOf(const TImageElementRecord &record);

// Reads a picture at the size `target` gives for its own size (a null
// target: full size). Null on failure, with *error saying why.
QImage ReadPicture(const QString &fileName, const TPictureTarget &target, QString *error = nullptr);

// The loader for element pictures (insertion, change of file, return to the
// picture's own size, refit): the picture reduced by ReducedPictureSize
// against the front cover panel's current pixel size. A failure is
// swallowed: false, and `target` keeps what it held.
bool LoadPicture(QImage &target, const QString &fileName, QSize frontPanelSize);

// Full-size loads for printing. A null image means the file could not be
// read; *error says why.
QImage LoadPictureAsBitmap(const QString &fileName, QString *error = nullptr);
QImage LoadJpegAsBitmap(const QString &fileName, QString *error = nullptr);
