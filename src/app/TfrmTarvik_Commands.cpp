// The commands of the main window: one action each, shared by the menu, the
// toolbar and the pop-up menu, and the handler it calls. Where the menu item
// and the button of a command have the same handler and the same state they
// are one action, named as the design names the menu item; the toolbar's
// buttons keep the design's btn names (createToolbar).

#include "TfrmTarvik.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>

void TfrmTarvik::addCommand(QAction *&action, const char *name, const char *icon,
                            const std::function<void()> &handler)
{
    action = new QAction(this);
    action->setObjectName(QLatin1String(name));
    if (icon)
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    if (handler)
        connect(action, &QAction::triggered, this, handler);
}

void TfrmTarvik::createActions()
{
    // File
    addCommand(mnuNew, "mnuNew", "new", [this] { btnNewClick(); });
    addCommand(mnuOpen, "mnuOpen", "open", [this] { btnOpenClick(); });
    addCommand(mnuSave, "mnuSave", "save", [this] { btnSaveClick(); });
    addCommand(mnuSaveAs, "mnuSaveAs", nullptr, [this] { SaveDocument(true); });
    addCommand(mnuPrinterSetup, "mnuPrinterSetup", nullptr, [this] { mnuPrinterSetupClick(); });
    addCommand(mnuPrintPreview, "mnuPrintPreview", nullptr, [this] { mnuPrintPreviewClick(); });
    addCommand(mnuPrint, "mnuPrint", "print", [this] { btnPrintClick(); });
    addCommand(mnuExportPdf, "mnuExportPdf", nullptr, [this] { mnuExportPdfClick(); });
    addCommand(mnuCm, "mnuCm", nullptr, [this] { mnuCmClick(); });
    addCommand(mnuInches, "mnuInches", nullptr, [this] { mnuInchesClick(); });
    addCommand(mnuDefaultstyles, "mnuDefaultstyles", nullptr, [this] { mnuDefaultstylesClick(); });
    addCommand(mnuReassociate, "mnuReassociate", nullptr, [this] { mnuReassociateClick(); });
    addCommand(mnuRoundLabel, "mnuRoundLabel", nullptr, [this] { mnuRoundLabelClick(); });
    addCommand(mnuExit, "mnuExit", nullptr, [this] { mnuExitClick(); });

    // Edit
    addCommand(mnuUndo, "mnuUndo", "undo", [this] { mnuUndoClick(); });
    addCommand(mnuRedo, "mnuRedo", "redo", [this] { mnuRedoClick(); });
    addCommand(mnuCut, "mnuCut", "cut", [this] { mnuCopyClick(true); });
    addCommand(mnuCopy, "mnuCopy", "copy", [this] { mnuCopyClick(false); });
    addCommand(mnuPaste, "mnuPaste", "paste", [this] { mnuPasteClick(); });
    addCommand(mnuDelete, "mnuDelete", "delete", [this] { mnuPopDeleteClick(); });
    addCommand(mnuBringtofront, "mnuBringtofront", "bring-to-front", [this] { mnuPopBringtoFrontClick(); });
    addCommand(mnuSendtoBack, "mnuSendtoBack", "send-to-back", [this] { mnuPopSendtoBackClick(); });
    addCommand(mnuAlign, "mnuAlign", nullptr, [this] { mnuPopAlignClick(); });
    addCommand(mnuLockcomponents, "mnuLockcomponents", nullptr, [this] { mnuLockcomponentsClick(); });
    addCommand(mnuSelectnone, "mnuSelectnone", "select-none", [this] { pnlFrontCoverClick(); });
    addCommand(mnuUseTarvikWizard, "mnuUseTarvikWizard", "wizard", {});
    // The pop-up menu's own Cut, Copy and Paste (their states differ).
    addCommand(mnuPopCut, "mnuPopCut", "cut", [this] { mnuCopyClick(true, true); });
    addCommand(mnuPopCopy, "mnuPopCopy", "copy", [this] { mnuCopyClick(false, true); });
    addCommand(mnuPopPaste, "mnuPopPaste", "paste", [this] { mnuPasteClick(); });

    // Insert
    addCommand(mnuInsertText, "mnuInsertText", "insert-text", [this] { btnInsertTextClick(); });
    addCommand(mnuInsertImage, "mnuInsertImage", "insert-image", [this] { btnImageClick(); });

    // Align
    addCommand(mnuLeft, "mnuLeft", "align-left", [this] { AlignSelection(TAlignCommand::Left); });
    addCommand(mnuCenter, "mnuCenter", "align-center", [this] { AlignSelection(TAlignCommand::Center); });
    addCommand(mnuRight, "mnuRight", "align-right", [this] { AlignSelection(TAlignCommand::Right); });
    addCommand(mnuTop, "mnuTop", "align-top", [this] { AlignSelection(TAlignCommand::Top); });
    addCommand(mnuMiddle, "mnuMiddle", "align-middle", [this] { AlignSelection(TAlignCommand::Middle); });
    addCommand(mnuBottom, "mnuBottom", "align-bottom", [this] { AlignSelection(TAlignCommand::Bottom); });

    // Help
    addCommand(mnuContents, "mnuContents", "help", [this] { mnuContentsClick(); });
    addCommand(mnuIndex, "mnuIndex", nullptr, [this] { mnuIndexClick(); });
    addCommand(mnuAbout, "mnuAbout", nullptr, [this] { mnuAboutClick(); });

    // The toolbar's own commands. Return to Wizard has a state of its own
    // (only after the wizard has made a cover), so it is not the wizard
    // command's action.
    addCommand(btnSelect, "btnSelect", "select", {});
    addCommand(btnZoomIn, "btnZoomIn", "zoom-in", [this] { ZoomView(TZoomStep::In); });
    addCommand(btnZoomOut, "btnZoomOut", "zoom-out", [this] { ZoomView(TZoomStep::Out); });
    addCommand(btnEditWizard, "btnEditWizard", "return-wizard", {});

    mnuLockcomponents->setCheckable(true);
    btnSelect->setCheckable(true);
    mnuCm->setCheckable(true);
    mnuInches->setCheckable(true);
    FUnitGroup = new QActionGroup(this);
    FUnitGroup->addAction(mnuCm);
    FUnitGroup->addAction(mnuInches);
    mnuCm->setChecked(true);

    mnuNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuCut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuDelete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    mnuUseTarvikWizard->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    // The pop-up menu shows Delete without its shortcut.
    mnuDelete->setShortcutVisibleInContextMenu(false);
    // The window's shortcuts win over the text field's own Ctrl+Z and
    // clipboard keys: the commands themselves look at the focused field.
    for (QAction *a : {mnuUndo, mnuCut, mnuCopy, mnuPaste})
        a->setShortcutContext(Qt::WindowShortcut);

    // Commands that have no work behind them until their part of the program
    // exists stay visible but disabled, so nothing pretends to work. Undo
    // and Redo wait for the first change; the wizard command is enabled when
    // the wizard is made, Return to Wizard while the cover shown is the
    // wizard's (UpdateCommandStates).
    for (QAction *a : {mnuUndo, mnuRedo, mnuUseTarvikWizard, btnEditWizard})
        a->setEnabled(false);
}
