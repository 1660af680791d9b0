// Cut, copy and paste: the selected elements through the clipboard's block
// of records (ClipboardBlock), the text field's text as plain text.

#include "TfrmTarvik.h"

#include "ClipboardBlock.h"
#include "DocumentFile.h"
#include "MessageBoxes.h"
#include "TShape.h"
#include "TSurfacePanel.h"
#include "TVelStretchHandle.h"
#include "VelCDImageElement.h"
#include "VelRotateLabel.h"
#include "uResource.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

void TfrmTarvik::mnuCopyClick(bool cut, bool fromElementMenu)
{
    // Clicking a text gives the field the focus: only text selected in the
    // field makes the command the field's, otherwise it takes the elements.
    if (!fromElementMenu && txtText->hasFocus() && txtText->hasSelectedText()) {
        if (!cut) {
            txtText->copy();
            return;
        }
        // The field's change reaches the selected text: one undo step.
        THistoryStep step(*this);
        Modified = true;
        txtText->cut();
        return;
    }
    if (!HasSelection())
        return;

    const TElementContext ctx = ElementContext();
    std::vector<ClipboardBlock::TCopiedElement> elements;
    for (QWidget *w : Selection()) {
        ClipboardBlock::TCopiedElement e;
        if (auto *text = qobject_cast<TVelRotateLabel *>(w)) {
            TextToRecord(text, e.Text, ctx);
        } else if (auto *image = qobject_cast<TVelCDImageElement *>(w)) {
            e.IsImage = true;
            ImageToRecord(image, e.Image, ctx);
        } else {
            continue;
        }
        elements.push_back(e);
    }
    // A selection the block cannot describe would paste something else
    // (or nothing) elsewhere: it is not copied, and a cut keeps it.
    const std::optional<TTarvikData> block = ClipboardBlock::BlockOfSelection(elements);
    if (!block) {
        MessageBoxes::ShowWarning(this, StrOrEnglish(2750));
        return;
    }
    auto *mime = new QMimeData;
    ClipboardBlock::WriteMimeData(*mime, *block);
    QApplication::clipboard()->setMimeData(mime);

    if (cut) {
        // Deleting takes the step's one snapshot and selects nothing.
        Modified = true;
        mnuPopDeleteClick();
    }
}

void TfrmTarvik::mnuPasteClick()
{
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    if (!mime)
        return;
    // The copied texts travel beside the block as plain text for other
    // programs; where the block is there, the elements are pasted and not
    // that text as well.
    if (mime->hasFormat(ClipboardBlock::MimeType())) {
        const ClipboardBlock::TReadResult read = ClipboardBlock::ReadMimeData(mime);
        if (read.Status != ClipboardBlock::TReadResult::Ok) {
            MessageBoxes::ShowWarning(this, StrOrEnglish(2755));
            return;
        }
        pasteElements(read.Data);
        return;
    }
    if (mime->hasText())
        pasteTextIntoFocusedField();
}

bool TfrmTarvik::pasteTextIntoFocusedField()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus))
        return false;
    // A spin box's or an editable combo box's own line edit takes the text
    // for them.
    auto *edit = qobject_cast<QLineEdit *>(focus);
    if (!edit)
        edit = focus->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
    if (!edit || edit->isReadOnly() || !edit->isEnabled())
        return false;
    THistoryStep step(*this);
    Modified = true;
    edit->paste();
    return true;
}

void TfrmTarvik::pasteElements(const TTarvikData &data)
{
    THistoryStep step(*this);
    Modified = true;
    pnlFrontCoverClick();

    TSurfacePanel *target = ActiveSurfacePanel();
    const TSurfaceCode code = SurfaceCodeOf(target);
    const std::vector<ClipboardBlock::TPasteItem> items = ClipboardBlock::PasteItems(data);

    // Pictures not where their records say are looked for as a document's
    // are; with several missing the question offers "No to all".
    int missing = 0;
    for (const ClipboardBlock::TPasteItem &item : items)
        if (item.IsImage && LocateImage(data.Images[item.Position].ImageFileName, QString()).isEmpty())
            ++missing;
    bool noToAll = false;
    TElementContext ctx = ElementContext();
    ctx.FindImage = [&](const QString &stored) {
        return FindImage(stored, QString(), [&](const QString &s) {
            return noToAll ? QString() : SearchImage(s, missing > 1 ? &noToAll : nullptr);
        });
    };

    QList<QWidget *> pasted;
    bool anyImage = false;
    bool full = false;
    for (const ClipboardBlock::TPasteItem &item : items) {
        if (!item.IsImage) {
            const std::optional<int> slot = FreeTextSlot();
            if (!slot) {
                full = true;
                continue;
            }
            TTextElementRecord r = data.Texts[item.Position];
            r.SurfaceIndex = code;
            TVelRotateLabel *e = CreateTextFromRecord(r, *slot, ctx);
            if (TextSlots[*slot])
                delete TextSlots[*slot].data(); // a hidden element gives its slot up
            TextSlots[*slot] = e;
            e->SetArrayIndex(*slot);
            connectElement(e);
            pasted << e;
            continue;
        }
        const std::optional<int> slot = FreeImageSlot();
        if (!slot) {
            full = true;
            continue;
        }
        const int order = NextImageOrder(target);
        TImageElementRecord r = data.Images[item.Position];
        r.SurfaceIndex = code;
        r.FitStyle = fsNone; // a pasted picture is never fitted
        r.Order = order;
        TVelCDImageElement *e = CreateImageFromRecord(r, *slot, ctx);
        if (!e)
            continue; // its picture was not found: left out
        if (ImageSlots[*slot])
            delete ImageSlots[*slot].data();
        ImageSlots[*slot] = e;
        e->SetArrayIndex(*slot);
        e->SetOrder(order);
        e->SetFitStyle(fsNone);
        e->SetMaintainAspectRatio(chkProportions->isChecked());
        connectElement(e);
        e->raise(); // on top, as a new picture comes
        pasted << e;
        anyImage = true;
    }
    // The pasted texts stay readable above the pasted pictures.
    for (QWidget *e : pasted)
        if (qobject_cast<TVelRotateLabel *>(e))
            e->raise();
    pnlBackCover->lineLeft()->raise();
    pnlBackCover->lineRight()->raise();

    // One element is selected as by a click; several go onto the handle,
    // the first text through a click when there are only texts.
    if (pasted.size() == 1) {
        VelRotateLabelMouseDown(pasted.first(), Qt::LeftButton, Qt::NoModifier);
    } else if (!pasted.isEmpty()) {
        pnlFrontCoverClick();
        for (int i = 0; i < pasted.size(); ++i) {
            if (i == 0 && !anyImage)
                VelRotateLabelMouseDown(pasted.first(), Qt::LeftButton, Qt::NoModifier);
            else
                SH->AttachControl(pasted[i]);
        }
    }
    SH->SetLocked(mnuLockcomponents->isChecked());
    if (full)
        MessageBoxes::ShowWarning(this, StrOrEnglish(2760));
}
