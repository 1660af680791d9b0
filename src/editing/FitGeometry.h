#pragma once
// Where a fitted picture goes: for each fit style the surface whose page is
// shown and whose panel becomes the image's parent, its bounds, its physical
// position and size, and its stacking rank; how a front-and-inside picture is
// split over the two covers; and how large a fitted picture needs to be
// loaded at most.

#include "CDDataTypes.h"
// With "Maintain aspect ratio" ticked, every fitted picture keeps its
// proportions: it fills its surface and shows the part CenterCropRect gives
// for the surface's shape (front and inside together for a front-and-inside
// picture, the label's square for the round label). Screen and paper cut the
// same part.
#include "PictureCrop.h"
#include "SurfaceGeometry.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <optional>

// The two covers of a front-and-inside picture, numbered as the fit routine's
// half argument.
enum class TFrontInsideHalf {
    Front = 1,  // the right half of the picture
    Inside = 2, // the left half
};

struct TFitPlacement {
    TSurfaceCode Surface; // page shown and parent panel
    QRect Bounds;         // pixel bounds on that panel at the zoom
    // Physical geometry as the element holds it once the fit is done. The
    // back cover fit sets the inch values; the others set pixel bounds, from
    // which the element derives its inches (pixels / ppi / zoom).
    float XPosInches = 0, YPosInches = 0, WidthInches = 0, HeightInches = 0;
    float XPosCm = 0, YPosCm = 0, WidthCm = 0, HeightCm = 0;
    std::int32_t Order = 0;
};

// Nothing for fsNone (and for a style the list does not have): the image
// keeps its surface, geometry and rank. `half` matters for fsFrontInside only.
std::optional<TFitPlacement> FitPlacement(TFitStyle style, const TCoverSettings &settings, float zoom,
                                          TFrontInsideHalf half = TFrontInsideHalf::Front);

// Applies a fit to an image's record as the element holds it after the fit:
// FitStyle, surface, geometry and Order. fsNone changes only the FitStyle;
// the picture's own size, which the element takes when a fit that replaced
// its picture is left, is the caller's to set.
void ApplyFitToRecord(TImageElementRecord &record, TFitStyle style, const TCoverSettings &settings,
                      float zoom, TFrontInsideHalf half = TFrontInsideHalf::Front);

// Front-and-inside and round-label fits draw a picture of their own; leaving
// them loads the file's picture again.
inline bool FitReplacesPicture(TFitStyle style) { return style == fsFrontInside || style == fsRoundLabel; }

// The picture of both covers side by side at the zoom: the width of the front
// and inside covers together, the height of the front cover.
QSize FrontInsideCanvas(const TCoverSettings &settings, float zoom);

// The part of the canvas a cover shows: the inside cover the left half (x
// from 0 to W div 2), the front cover the right half (from W div 2 to W), as
// on the unfolded booklet.
QRect FrontInsideSourceRect(QSize canvas, TFrontInsideHalf half);

// The cover's picture: `picture` scaled to the canvas at the zoom, its half
// for the cover scaled to that cover's panel. With `keepProportions` the
// picture is first cut to the canvas's shape (CenterCropRect of the two
// covers side by side), so both halves come from that middle part and
// nothing is squeezed. A null picture gives a null image.
QImage FrontInsideHalfPicture(const QImage &picture, const TCoverSettings &settings, float zoom,
                              TFrontInsideHalf half, bool keepProportions = false);


// The pixels the fitted surface shows at the highest zoom (for fsFrontInside
// the canvas of both covers); empty for fsNone.
QSize FitLoadBox(TFitStyle style, const TCoverSettings &settings);

// The size to load a picture of `picture` pixels at for that fit: its own
// shape, reduced until it just covers FitLoadBox in both directions, never
// enlarged. fsNone keeps the picture's size.
QSize FittedPictureLoadSize(QSize picture, TFitStyle style, const TCoverSettings &settings);
