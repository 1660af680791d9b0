// Undo and redo: snapshots of the elements and the rebuild from one.

#include "TfrmTarvik.h"

#include "DocumentSlots.h"
#include "TSurfacePanel.h"
#include "VelCDImageElement.h"
#include "VelHandles.h"
#include "VelRotateLabel.h"

#include <QAction>
#include <QTabWidget>

namespace {

TElementSnapshot snapshotOf(const TfrmTarvik &w)
{
    TDocumentRecord record;
    const TElementContext ctx = w.ElementContext();
    DocumentSlots::FillDocumentRecord(
        record,
        [&](int i) -> std::optional<TTextElementRecord> {
            TTextElementRecord r;
            if (w.TextSlots[i] && TextToRecord(w.TextSlots[i], r, ctx))
                return r;
            return std::nullopt;
        },
        [&](int i) -> std::optional<TImageElementRecord> {
            TImageElementRecord r;
            if (w.ImageSlots[i] && ImageToRecord(w.ImageSlots[i], r, ctx))
                return r;
            return std::nullopt;
        },
        w.CoverSettings.Colors);
    return TElementSnapshot::Of(record);
}

} // namespace

void TfrmTarvik::RecordHistory()
{
    History.RecordHistory(snapshotOf(*this));
    ++HistorySnapshots;
    mnuUndo->setEnabled(true);
    btnUndo->setEnabled(true);
    mnuRedo->setEnabled(false);
}

void TfrmTarvik::rebuildFromRecord(bool showEachTextSurface)
{
    const TElementContext ctx = ElementContext();
    const TElementSnapshot snapshot = TElementSnapshot::Of(DocumentRecord);
    const THistoryRebuild plan = RebuildOrder(snapshot);
    for (int slot : plan.ImageSlots) {
        TVelCDImageElement *e = CreateImageFromRecord(snapshot.Images[slot], slot, ctx);
        if (!e)
            continue;
        ImageSlots[slot] = e;
        e->SetArrayIndex(slot);
        connectElement(e);
        refitRebuiltImage(e);
    }
    RestoreImageStacking();

    RestoringHistory = true;
    for (const TTextRestore &t : plan.Texts) {
        if (showEachTextSurface)
            ShowSurface(t.Surface);
        InsertTextElement(snapshot.Texts[t.RecordSlot]);
        pnlFrontCoverClick();
    }
    RestoringHistory = false;
}

void TfrmTarvik::mnuUndoClick()
{
    if (!History.CanUndo())
        return;
    const std::optional<TElementSnapshot> s = History.Undo(snapshotOf(*this));
    if (!s)
        return;
    mnuRedo->setEnabled(true);
    ClearDocumentRecord(DocumentRecord);
    btnNewClick(mnuUndo);
    s->CopyTo(DocumentRecord);
    SuppressHistory = true;
    rebuildFromRecord(true);
    SuppressHistory = false;
    mnuUndo->setEnabled(History.CanUndo());
    btnUndo->setEnabled(History.CanUndo());
    Modified = true;
}

void TfrmTarvik::mnuRedoClick()
{
    if (!History.CanRedo())
        return;
    const std::optional<TElementSnapshot> s = History.Redo();
    if (!s)
        return;
    SuppressHistory = true;
    const TSurfaceCode shown = SurfaceCodeOf(ActiveSurfacePanel());
    btnNewClick(mnuRedo);
    s->CopyTo(DocumentRecord);
    rebuildFromRecord(false);
    SuppressHistory = false;
    ShowSurface(RedoVisibleSurface(shown));
    mnuRedo->setEnabled(false);
    Modified = true;
}
