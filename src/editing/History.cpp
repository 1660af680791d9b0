#include "History.h"

TElementSnapshot TElementSnapshot::Of(const TDocumentRecord &record)
{
    return TElementSnapshot{record.Texts, record.Images};
}

void TElementSnapshot::CopyTo(TDocumentRecord &record) const
{
    record.Texts = Texts;
    record.Images = Images;
}

void THistory::RecordHistory(const TElementSnapshot &snapshot)
{
    if (FUndo[1])
        FUndo[2] = FUndo[1];
    if (FUndo[0])
        FUndo[1] = FUndo[0];
    FUndo[0] = snapshot;
    FRedoEnabled = false;
}

std::optional<TElementSnapshot> THistory::Undo(const TElementSnapshot &current)
{
    if (!CanUndo())
        return std::nullopt;
    FRedo = current;
    FRedoEnabled = true;
    std::optional<TElementSnapshot> restored = std::move(FUndo[0]);
    if (FUndo[1]) {
        FUndo[0] = std::move(FUndo[1]);
        FUndo[1].reset();
        if (FUndo[2]) {
            FUndo[1] = std::move(FUndo[2]);
            FUndo[2].reset();
        }
    } else {
        // The last level is used up: undo is over until the next snapshot.
        for (auto &level : FUndo)
            level.reset();
    }
    return restored;
}

std::optional<TElementSnapshot> THistory::Redo()
{
    if (!FRedoEnabled || !FRedo)
        return std::nullopt;
    FRedoEnabled = false;
    return FRedo;
}

void THistory::Clear()
{
    for (auto &level : FUndo)
        level.reset();
    FRedo.reset();
    FRedoEnabled = false;
}

THistoryRebuild RebuildOrder(const TElementSnapshot &snapshot)
{
    THistoryRebuild plan;
    for (int i = 0; i < ImageSlotCount; ++i)
        if (snapshot.Images[i].isUsed())
            plan.ImageSlots.push_back(i);
    for (int i = 0; i < TextSlotCount; ++i) {
        const TTextElementRecord &t = snapshot.Texts[i];
        if (t.isUsed())
            plan.Texts.push_back({i, int(plan.Texts.size()), t.SurfaceIndex});
    }
    return plan;
}

TSurfaceCode RedoVisibleSurface(TSurfaceCode shownBefore)
{
    return shownBefore == TSurfaceCode::Front ? TSurfaceCode::Front : TSurfaceCode::Inside;
}
