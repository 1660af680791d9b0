#pragma once
// Elements to records and back: what documents, undo snapshots and the
// clipboard carry. Storing a new element in its slot and connecting its
// signals are the caller's work.

#include "CDDataTypes.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QWidget;
class TVelRotateLabel;
class TVelCDImageElement;

struct TElementContext {
    float Zoom = 1.0f; // the view's current zoom (FZoom)
    // The surface panel of a code, and the code of a panel.
    std::function<QWidget *(TSurfaceCode)> SurfacePanel;
    std::function<TSurfaceCode(const QWidget *)> SurfaceCodeOf;
    // A stored picture path to the file to load, empty when it cannot be
    // found. Unset: the stored path when that file exists.
    std::function<QString(const QString &)> FindImage;
    // Whether a font of exactly this name (case counts) is installed. Unset:
    // the fonts the font database lists.
    std::function<bool(const QString &)> FontAvailable;
    // Reads the picture of a resolved path for a box of pixels (see
    // PictureBoxOf in VelImgUtils.h). Unset: the picture is read from the
    // file here. A caller that builds many images sets it to hand over
    // pictures it has already read, in parallel.
    std::function<QImage(const QString &path, QSize box)> ReadPicture;
};

// Fill `record` from the element. False, and the record untouched, for a
// missing or hidden element.
bool TextToRecord(const TVelRotateLabel *element, TTextElementRecord &record, const TElementContext &ctx);
bool ImageToRecord(const TVelCDImageElement *element, TImageElementRecord &record, const TElementContext &ctx);

// A new, shown text element on the record's surface, for slot `slot`.
TVelRotateLabel *CreateTextFromRecord(const TTextElementRecord &record, int slot, const TElementContext &ctx);

// A new, shown image element on the record's surface, or nullptr when its
// picture cannot be found (the slot then stays empty and the caller goes on
// with the next record). A picture that is found but cannot be read gives a
// placeholder element (Placeholder()) holding the record, so that nothing
// of the document is lost. The picture is held reduced to what the element
// can show at HighestViewZoom. The caller refits a round-label image (FitStyle
// fsRoundLabel) once it has stored and selected it.
TVelCDImageElement *CreateImageFromRecord(const TImageElementRecord &record, int slot, const TElementContext &ctx);
