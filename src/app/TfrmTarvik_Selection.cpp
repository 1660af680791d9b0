// Selecting elements: by click, Shift or Ctrl click, rubber band; select
// none; re-selecting after a change; the handle's own events.

#include "TfrmTarvik.h"

#include "TSelectionRect.h"
#include "TSurfacePanel.h"
#include "TVelWinSpinEdit.h"
#include "VelCDImageElement.h"
#include "TVelStretchHandle.h"
#include "VelRotateLabel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>

#include <utility>

bool TfrmTarvik::HasSelection() const
{
    return SH && SH->HasChildren();
}

QList<QWidget *> TfrmTarvik::Selection() const
{
    QList<QWidget *> list;
    if (!SH)
        return list;
    for (int i = 0; i < SH->ChildCount(); ++i)
        if (QWidget *c = SH->Child(i))
            list << c;
    return list;
}

TfrmTarvik::TSelectionKind TfrmTarvik::SelectionKind() const
{
    const QList<QWidget *> sel = Selection();
    if (sel.isEmpty())
        return skNone;
    int texts = 0, others = 0;
    for (QWidget *w : sel)
        (qobject_cast<TVelRotateLabel *>(w) ? texts : others)++;
    if (texts > 0 && others > 0)
        return skMixed;
    return texts > 0 ? skTexts : skImages;
}

void TfrmTarvik::setPanelEnabled(QWidget *tab, bool enabled)
{
    tab->setEnabled(enabled);
    for (QWidget *child : tab->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setEnabled(enabled);
}

void TfrmTarvik::pnlFrontCoverClick()
{
    if (HasSelection()) {
        SH->DetachAll();
        SH->SetResizable(false);
    }
    EmptyTxtInfos();
    EmptyImgInfos();
    SpinX->setEnabled(true);
    SpinY->setEnabled(true);
    setPanelEnabled(TabImage, true);
    setPanelEnabled(tabText, true);
}

void TfrmTarvik::VelRotateLabelMouseDown(QWidget *element, Qt::MouseButton, Qt::KeyboardModifiers shift)
{
    const QScopedValueRollback<bool> updating(PanelUpdating, true);
    if (!SuppressHistory)
        RecordHistory();
    const bool extend = HasSelection() && (shift & (Qt::ShiftModifier | Qt::ControlModifier));
    if (HasSelection() && !extend)
        pnlFrontCoverClick();

    SH->AttachControl(element);
    SH->SetLocked(mnuLockcomponents->isChecked());
    SH->SetResizable(false);

    if (extend) {
        switch (SelectionKind()) {
        case skImages:
            pagEdit->setCurrentWidget(TabImage);
            EmptyImgInfos();
            setPanelEnabled(TabImage, false);
            SpinX->setEnabled(false);
            SpinY->setEnabled(false);
            break;
        case skMixed:
            EmptyImgInfos();
            EmptyTxtInfos();
            setPanelEnabled(TabImage, false);
            setPanelEnabled(tabText, false);
            SpinX->setEnabled(false);
            SpinY->setEnabled(false);
            break;
        default:
            break;
        }
    } else if (auto *img = qobject_cast<TVelCDImageElement *>(element)) {
        SH->SetResizable(true);
        img->SetMaintainAspectRatio(chkProportions->isChecked());
        if (img->FitStyle() != fsNone)
            SH->SetLocked(true);
        ShowImageProperties(img);
    } else if (auto *text = qobject_cast<TVelRotateLabel *>(element)) {
        ShowTextProperties(text);
        txtText->setFocus();
        text->raise();
        SH->BringChildrenToFront();
    }
    SH->update();
}

void TfrmTarvik::ReselectAll()
{
    if (!HasSelection())
        return;
    const QScopedValueRollback<bool> suppressed(SuppressHistory, true);
    const QList<QWidget *> sel = Selection();
    if (QWidget *panel = sel.first()->parentWidget())
        panel->update();
    pnlFrontCoverClick();
    for (QWidget *w : sel)
        VelRotateLabelMouseDown(w, Qt::LeftButton, Qt::ShiftModifier);
}

// --- rubber band -------------------------------------------------------------

void TfrmTarvik::pnlFrontCoverMouseDown(TSurfacePanel *panel, QMouseEvent *event)
{
    if (!btnSelect->isChecked())
        return;
    FBandPicture = nullptr;
    StartRubberBand(panel, panel->mapFromGlobal(event->globalPosition().toPoint()));
}

void TfrmTarvik::StartRubberBand(TSurfacePanel *panel, QPoint start)
{
    QApplication::setOverrideCursor(Qt::CrossCursor);
    RubberBandStart = start;
    RubberBandActive = true;
    RectSel->setParent(panel);
    RectSel->setGeometry(QRect(RubberBandStart, QSize(0, 0)));
    // The drag belongs to the surface whatever the press landed on (a
    // fitted picture, the handle): its moves and its release come here.
    panel->grabMouse();
}

bool TfrmTarvik::StartBandOnFittedPicture(TVelCDImageElement *image, Qt::MouseButton button, QPoint panelPoint)
{
    // In rectangular-selection mode a picture fitted to a whole surface is
    // the surface's background: a drag on it draws the band.
    if (!btnSelect->isChecked() || button != Qt::LeftButton || image->FitStyle() == fsNone)
        return false;
    auto *panel = qobject_cast<TSurfacePanel *>(image->parentWidget());
    if (!panel)
        return false;
    pnlFrontCoverClick();
    StartRubberBand(panel, panelPoint);
    // a click that draws no band selects the picture after all
    FBandPicture = image;
    return true;
}

void TfrmTarvik::pnlFrontCoverMouseMove(TSurfacePanel *panel, QMouseEvent *event)
{
    if (!btnSelect->isChecked() || !RubberBandActive)
        return;
    const QPoint p = panel->mapFromGlobal(event->globalPosition().toPoint());
    RectSel->setGeometry(std::min(RubberBandStart.x(), p.x()), std::min(RubberBandStart.y(), p.y()),
                         std::abs(p.x() - RubberBandStart.x()), std::abs(p.y() - RubberBandStart.y()));
    RectSel->show();
    RectSel->raise();
}

void TfrmTarvik::pnlFrontCoverMouseUp(TSurfacePanel *panel, QMouseEvent *)
{
    if (panel && QWidget::mouseGrabber() == panel)
        panel->releaseMouse();
    if (!btnSelect->isChecked())
        return;
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (!RubberBandActive)
        return;
    RubberBandActive = false;
    const bool drawn = RectSel->isVisible();
    RectSel->hide();
    pnlFrontCoverClick();
    const QPointer<TVelCDImageElement> clicked = std::exchange(FBandPicture, nullptr);
    if (!drawn && clicked) {
        VelRotateLabelMouseDown(clicked, Qt::LeftButton, Qt::NoModifier);
        return;
    }
    QWidget *bandPanel = RectSel->parentWidget();
    if (!bandPanel)
        return;
    const QRect band = RectSel->geometry();
    // Each edge strictly inside the band.
    auto inside = [&band](const QRect &r) {
        return r.left() > band.left() && r.top() > band.top() && r.right() < band.right()
            && r.bottom() < band.bottom();
    };
    QList<QWidget *> picked;
    for (QObject *o : bandPanel->children())
        if (auto *t = qobject_cast<TVelRotateLabel *>(o); t && t->isVisible() && inside(t->geometry()))
            picked << t;
    for (QObject *o : bandPanel->children())
        if (auto *img = qobject_cast<TVelCDImageElement *>(o); img && img->isVisible() && inside(img->geometry()))
            picked << img;
    const QScopedValueRollback<bool> suppressed(SuppressHistory, true);
    for (QWidget *w : picked)
        VelRotateLabelMouseDown(w, Qt::LeftButton, Qt::ShiftModifier);
}

// --- the handle's events -------------------------------------------------------

void TfrmTarvik::shMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos)
{
    if (button != Qt::LeftButton)
        return;
    // A press on a picture fitted to a whole surface may start a rubber band.
    const QList<QWidget *> sel = Selection();
    if (sel.size() == 1)
        if (auto *img = qobject_cast<TVelCDImageElement *>(sel.first()))
            if (StartBandOnFittedPicture(img, button, SH->mapToParent(pos)))
                return;
    RecordHistory();
}

void TfrmTarvik::shMouseUp()
{
    if (!HasSelection())
        return;
    SH->update();
    Modified = true;
}

void TfrmTarvik::shKeyDown(int key)
{
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace)
        mnuPopDeleteClick();
}
