#pragma once
// The document's element slots (101 texts, 51 images over all four surfaces)
// and the routines over them that need no window: finding a free slot,
// filling the document record, and the order in which images are restacked.

#include "CDDataTypes.h"

#include <functional>
#include <optional>
#include <vector>

namespace DocumentSlots {

// occupied(i): slot i holds a visible element.
// The first free slot from 0 upward, or nothing when every slot is taken.
std::optional<int> FirstFreeSlot(int slotCount, const std::function<bool(int)> &occupied);

// Writes the document into `record`: every slot for which the callbacks give a
// record (a visible element with a caption or a picture file), the format
// version "1.1", an empty reserved string and the surface colours.
void FillDocumentRecord(TDocumentRecord &record,
                        const std::function<std::optional<TTextElementRecord>(int)> &textOf,
                        const std::function<std::optional<TImageElementRecord>(int)> &imageOf,
                        const std::array<TColor, 8> &colors);

struct TStackEntry {
    int slot;
    TSurfaceCode surface;
    TFitStyle fitStyle;
    std::int32_t order;
};

// The images to bring to the top of their surface, one after another, so that
// the highest Order ends on top: the front cover's, then the inside cover's
// (both without the images split over the two covers), then the back cover's,
// each sorted by Order. Entries must be existing, visible images with a file,
// in slot order. Label images are not restacked.
std::vector<int> ImageStackingSequence(const std::vector<TStackEntry> &images);

} // namespace DocumentSlots
