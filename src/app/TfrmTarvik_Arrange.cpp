// Alignment against the surface, stacking and the lock.

#include "TfrmTarvik.h"

#include "TfrmAlignment.h"
#include "AlignArithmetic.h"
#include "DocumentSlots.h"
#include "ImageOrder.h"
#include "TSurfacePanel.h"
#include "VelCDImageElement.h"
#include "TVelStretchHandle.h"
#include "VelRotateLabel.h"

#include <QAction>

#include <optional>

void TfrmTarvik::AlignSelection(TAlignCommand command)
{
    if (!HasSelection())
        return;
    RecordHistory();
    for (QWidget *e : Selection())
        e->move(AlignToSurface(command, e->geometry(), e->parentWidget()->size()));
    ReselectAll();
    Modified = true;
}

std::vector<DocumentSlots::TStackEntry> TfrmTarvik::ImagesOnPanel(const QWidget *panel) const
{
    std::vector<DocumentSlots::TStackEntry> entries;
    for (const auto &img : ImageSlots)
        if (img && img->parentWidget() == panel)
            entries.push_back({img->ArrayIndex(), SurfaceCodeOf(panel), img->FitStyle(), img->Order()});
    return entries;
}

void TfrmTarvik::applyOrders(const std::vector<DocumentSlots::TStackEntry> &entries)
{
    for (const auto &e : entries)
        if (e.slot >= 0 && e.slot < ImageSlotCount && ImageSlots[e.slot])
            ImageSlots[e.slot]->SetOrder(e.order);
}

QWidget *TfrmTarvik::FirstRestackable() const
{
    // Only a selection whose first element is not a fitted picture is
    // restacked.
    if (!HasSelection())
        return nullptr;
    QWidget *first = Selection().first();
    auto *img = qobject_cast<TVelCDImageElement *>(first);
    return img && !CanRestack(img->FitStyle()) ? nullptr : first;
}

void TfrmTarvik::mnuPopBringtoFrontClick()
{
    QWidget *first = FirstRestackable();
    if (!first)
        return;
    auto *img = qobject_cast<TVelCDImageElement *>(first);
    if (!SH->Locked())
        SH->BringChildrenToFront();
    first->raise();
    if (img) {
        auto entries = ImagesOnPanel(img->parentWidget());
        UpdateImageOrder(entries, img->ArrayIndex(), TOrderAction::ToFront);
        applyOrders(entries);
    }
    pnlFrontCoverClick();
}

void TfrmTarvik::mnuPopSendtoBackClick()
{
    QWidget *first = FirstRestackable();
    if (!first)
        return;
    auto *img = qobject_cast<TVelCDImageElement *>(first);
    if (!SH->Locked())
        SH->SendChildrenToBack();
    first->lower();
    QWidget *panel = first->parentWidget();
    if (img) {
        auto entries = ImagesOnPanel(panel);
        UpdateImageOrder(entries, img->ArrayIndex(), TOrderAction::ToBack);
        applyOrders(entries);
    }
    // fitted pictures stay beneath everything
    for (int i = 0; i < ImageSlotCount; ++i) {
        TVelCDImageElement *other = ImageSlots[i];
        if (other && other->parentWidget() == panel && !other->isHidden() && !other->ImageFileName().isEmpty()
            && other->FitStyle() != fsNone)
            other->lower();
    }
    pnlFrontCoverClick();
}

void TfrmTarvik::mnuLockcomponentsClick()
{
    const bool locked = !SH->Locked();
    SH->SetLocked(locked);
    mnuLockcomponents->setChecked(locked);
    UpdateCommandStates(); // a fitted picture stays locked
}

void TfrmTarvik::mnuPopAlignClick()
{
    if (!HasSelection())
        return;
    // What the dialog changes is recorded, marks the document modified and
    // is followed by the handle, like the one-click commands: otherwise an
    // alignment made here could not be undone and would be lost on close.
    // The fields stay silent from the dialog's first change to its last;
    // leaving this function ends that whatever happens in between.
    std::optional<QScopedValueRollback<bool>> updating;
    TfrmAlignment dialog(Selection(), this);
    connect(&dialog, &TfrmAlignment::aboutToApply, this, [this, &updating] {
        RecordHistory();
        updating.emplace(PanelUpdating, true);
    });
    connect(&dialog, &TfrmAlignment::applied, this, [this, &updating] {
        updating.reset();
        ReselectAll();
        Modified = true;
    });
    dialog.exec();
}
