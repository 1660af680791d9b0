// Undo and redo: snapshots of the elements and the rebuild from one.

#include "TfrmTarvik.h"

#include "DocumentSlots.h"
#include "TSurfacePanel.h"
#include "VelCDImageElement.h"
#include "TVelStretchHandle.h"
#include "VelRotateLabel.h"

#include <QAction>
#include <QFileInfo>
#include <QTabWidget>

TElementSnapshot TfrmTarvik::CurrentSnapshot() const
{
    TDocumentRecord record;
    FillDocumentRecord(record);
    return TElementSnapshot::Of(record);
}

TfrmTarvik::THistoryStep::THistoryStep(TfrmTarvik &window)
    : FInStep(window.FInHistoryStep)
{
    if (window.FInHistoryStep)
        return; // the outer step has its snapshot
    window.RecordHistory();
    window.FInHistoryStep = true;
}

void TfrmTarvik::RecordHistory()
{
    if (FInHistoryStep)
        return;
    History.RecordHistory(CurrentSnapshot());
    ++HistorySnapshots;
    UpdateCommandStates();
}

void TfrmTarvik::rebuildFromRecord(bool showEachTextSurface)
{
    const TElementSnapshot snapshot = TElementSnapshot::Of(DocumentRecord);
    const THistoryRebuild plan = RebuildOrder(snapshot);
    // A picture that can no longer be read is left out, without questions.
    BuildImages([](const QString &stored) { return QFileInfo::exists(stored) ? stored : QString(); });

    const QScopedValueRollback<bool> restoring(RestoringHistory, true);
    for (const TTextRestore &t : plan.Texts) {
        if (showEachTextSurface)
            ShowSurface(t.Surface);
        InsertTextElement(snapshot.Texts[t.RecordSlot]);
        pnlFrontCoverClick();
    }
}

void TfrmTarvik::mnuUndoClick()
{
    if (!History.CanUndo())
        return;
    const std::optional<TElementSnapshot> s = History.Undo(CurrentSnapshot());
    if (!s)
        return;
    ClearDocumentRecord(DocumentRecord);
    ClearElements();
    s->CopyTo(DocumentRecord);
    {
        const QScopedValueRollback<bool> suppressed(SuppressHistory, true);
        rebuildFromRecord(true);
    }
    UpdateCommandStates();
    Modified = true;
}

void TfrmTarvik::mnuRedoClick()
{
    if (!History.CanRedo())
        return;
    const std::optional<TElementSnapshot> s = History.Redo();
    if (!s)
        return;
    const TSurfaceCode shown = SurfaceCodeOf(ActiveSurfacePanel());
    {
        const QScopedValueRollback<bool> suppressed(SuppressHistory, true);
        ClearElements();
        s->CopyTo(DocumentRecord);
        rebuildFromRecord(false);
    }
    ShowSurface(RedoVisibleSurface(shown));
    UpdateCommandStates();
    Modified = true;
}
