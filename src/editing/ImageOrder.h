#pragma once
// The stacking ranks (Order) of image elements. On each surface the free
// images carry ranks 1, 2, 3 ..., the highest nearest the front; fitted
// pictures carry 0, -3 (front and inside) or -10 (round label) and stay
// beneath the free ones. The main window restacks the widgets; these
// routines keep the numbers that documents and printing stack by.
//
// Entries are the images of the document, each with the surface whose panel
// holds it; only the entries on the acted-on image's surface change.

#include "DocumentSlots.h"

#include <vector>

using DocumentSlots::TStackEntry;

// The ranks of fitted pictures, beneath every free image.
constexpr int FrontInsideOrder = -3; // each half of a front-and-inside picture
constexpr int RoundLabelOrder = -10;

enum class TOrderAction {
    ToFront,
    ToBack,
    Delete, // before the image is removed; its own entry is left as it was
};

// Renumbers the ranks on the surface of the image in `slot` for the action:
// to back, the image takes rank 1 and the ranks it passed move up one; to
// front, the ranks above it move down one and it takes the rank just above
// the highest other one (fitted pictures, having no rank, are not counted, so
// the next inserted image cannot get the same rank); delete closes the gap it
// leaves. An image without a rank of its own (a fitted picture, or one left
// at 0 when its fit was dropped) counts as above every ranked image: deleting
// it or bringing it to the front leaves the others' ranks alone, and sending
// it to the back moves every ranked image up one, so no rank is ever shared
// or lowered to 0.
// Nothing happens when no entry has that slot.
void UpdateImageOrder(std::vector<TStackEntry> &images, int slot, TOrderAction action);

// The images sent to the back, one after another, by Send to back: the image
// itself, then every fitted picture on its surface in slot order, so that
// the fitted pictures end beneath everything.
std::vector<int> SendToBackSequence(const std::vector<TStackEntry> &images, int slot);

// Bring to front and send to back act only on a free image (and on texts).
inline bool CanRestack(TFitStyle firstImageFit) { return firstImageFit == fsNone; }

// The rank of an image inserted or pasted on `surface`: one above the count
// of images there with a positive rank.
std::int32_t NewImageOrder(const std::vector<TStackEntry> &images, TSurfaceCode surface);
