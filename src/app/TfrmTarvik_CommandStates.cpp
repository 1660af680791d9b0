// Which commands are available: every rule in one slot, run again on each
// signal that changes what the rules read.

#include "TfrmTarvik.h"

#include "ClipboardBlock.h"
#include "TVelStretchHandle.h"
#include "TVelWinSpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>

namespace {

// A state is written only when it differs, so that nothing repaints for
// nothing.
void setIfDifferent(QAction *a, bool enabled)
{
    if (a->isEnabled() != enabled)
        a->setEnabled(enabled);
}

bool clipboardHasText()
{
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    return mime && (mime->hasText() || mime->hasFormat(ClipboardBlock::MimeType()));
}

bool clipboardHasElements()
{
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    return mime && mime->hasFormat(ClipboardBlock::MimeType());
}

} // namespace

void TfrmTarvik::connectCommandStates()
{
    const auto update = [this] { UpdateCommandStates(); };
    FStateConnections = {
        connect(SH, &TVelStretchHandle::HeldChanged, this, update),
        connect(QApplication::clipboard(), &QClipboard::dataChanged, this, update),
        connect(qApp, &QApplication::focusChanged, this, update),
        connect(txtText, &QLineEdit::selectionChanged, this, update),
        connect(pagEdit, &QTabWidget::currentChanged, this, update),
        connect(cmbFitTo, &QComboBox::currentIndexChanged, this, update),
    };
    UpdateCommandStates();
}

void TfrmTarvik::disconnectCommandStates()
{
    // The window's parts go before QObject would cut these connections;
    // a focus or tab change on the way must not reach them.
    for (const QMetaObject::Connection &c : std::as_const(FStateConnections))
        disconnect(c);
    FStateConnections.clear();
}

bool TfrmTarvik::ImageFitShown() const
{
    return HasSelection() && pagEdit->currentWidget() == TabImage && ChosenFit() != fsNone;
}

bool TfrmTarvik::HandleLocked() const
{
    return mnuLockcomponents->isChecked() || ImageFitShown();
}

void TfrmTarvik::UpdateCommandStates()
{
    const bool sel = HasSelection();
    for (QAction *a : {mnuLeft, mnuCenter, mnuRight, mnuTop, mnuMiddle, mnuBottom, mnuDelete, mnuBringtofront,
                       mnuSendtoBack, mnuAlign, mnuAlignment->menuAction()})
        setIfDifferent(a, sel);

    setIfDifferent(mnuPaste, clipboardHasText());

    // The text field's selected text, or else the selected elements (the
    // field has the focus whenever a text was clicked).
    const bool copy = (txtText->hasFocus() && txtText->hasSelectedText()) || sel;
    for (QAction *a : {mnuCopy, mnuCut})
        setIfDifferent(a, copy);

    setIfDifferent(mnuUndo, History.CanUndo());
    setIfDifferent(mnuRedo, History.CanRedo());

    setIfDifferent(mnuUseTarvikWizard, !FWizard.isNull());
    setIfDifferent(btnEditWizard, !FWizard.isNull() && FWizardCoverShown);

    const bool fitted = ImageFitShown();
    if (fitted)
        SH->SetLocked(true);
    SpinImgWidth->setReadOnly(fitted);
    SpinImgHeight->setReadOnly(fitted);
}

void TfrmTarvik::txtMenuPopup()
{
    const bool sel = HasSelection();
    mnuPopCut->setEnabled(sel);
    mnuPopCopy->setEnabled(sel);
    mnuPopPaste->setEnabled(clipboardHasElements());
}
