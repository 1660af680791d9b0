#pragma once
// The undo history: three snapshots of the document's elements taken before
// changes, newest first, and one snapshot for redo. The buffers only hold
// state; the main window takes the snapshots (RecordHistory), rebuilds the
// elements from what Undo and Redo hand back, and sets the two commands'
// enabled states from CanUndo and CanRedo.
//
// A snapshot is the element part of a document record (the 101 text slots
// and the 51 image slots), kept as records in memory rather than as packed
// bytes: the elements' captions are Unicode, and packing them into the
// record's single-byte code page would turn every character the code page
// lacks into '?' on each undo, even when the undone change never touched
// that text. Colours, the format version and the reserved string are no part
// of the history.

#include "CDDataTypes.h"

#include <array>
#include <optional>
#include <vector>

struct TElementSnapshot {
    std::array<TTextElementRecord, TextSlotCount> Texts;
    std::array<TImageElementRecord, ImageSlotCount> Images;

    // The element slots of a filled document record (FillDocumentRecord).
    static TElementSnapshot Of(const TDocumentRecord &record);
    // Writes the element slots into `record`; its colours, format version and
    // reserved string stay as they are.
    void CopyTo(TDocumentRecord &record) const;

    bool operator==(const TElementSnapshot &) const = default;
};

class THistory
{
public:
    // Pushes a snapshot taken before a change: the newest level moves down
    // one, the oldest falls off. Undo becomes available; redo does not, though
    // the redo snapshot is kept until the next undo replaces it.
    void RecordHistory(const TElementSnapshot &snapshot);

    // Takes the newest level to rebuild the document from; `current` (the
    // elements as they are now) becomes the redo snapshot. The remaining
    // levels move up; when none remains, undo is used up. Nothing when undo
    // is not available.
    std::optional<TElementSnapshot> Undo(const TElementSnapshot &current);

    // The state the last undo replaced. The undo levels are not touched, and
    // redo is unavailable until the next undo. Nothing when redo is not
    // available.
    std::optional<TElementSnapshot> Redo();

    bool CanUndo() const { return FUndo[0].has_value(); }
    bool CanRedo() const { return FRedoEnabled; }

    // New and Open: all four buffers emptied, both commands unavailable.
    void Clear();

private:
    std::array<std::optional<TElementSnapshot>, 3> FUndo; // 0 newest
    std::optional<TElementSnapshot> FRedo;
    bool FRedoEnabled = false;
};

// How the elements come back from a snapshot.
struct TTextRestore {
    int RecordSlot;       // slot of the text in the snapshot
    int NewSlot;          // slot it is created in
    TSurfaceCode Surface; // surface it goes on (undo shows its page first)
};

struct THistoryRebuild {
    // Image slots to rebuild, each in its own slot, from slot 0 upward; the
    // stacking is restored after them.
    std::vector<int> ImageSlots;
    // Texts in the order they are created. Each goes into the first free
    // text slot of the emptied document, so texts are renumbered from slot 0
    // upward in their old order.
    std::vector<TTextRestore> Texts;
};

// Slots without a text, and images without a file, do not come back.
THistoryRebuild RebuildOrder(const TElementSnapshot &snapshot);

// The page a redo leaves shown: the front cover when it was shown before the
// redo, the inside cover otherwise.
TSurfaceCode RedoVisibleSurface(TSurfaceCode shownBefore);
