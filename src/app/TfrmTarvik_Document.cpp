// The document as the main window holds it: New, the discard question, the
// surface colours, the units and the element slots.

#include "TfrmTarvik.h"

#include "DocumentSlots.h"
#include "MessageBoxes.h"
#include "TSurfacePanel.h"
#include "TShape.h"
#include "TVKRegistry.h"
#include "TVelPickColor.h"
#include "DocumentColors.h"
#include "TVelWinSpinEdit.h"
#include "uResource.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>

void TfrmTarvik::btnNewClick()
{
    if (ConfirmDiscard())
        NewDocument();
}

void TfrmTarvik::ClearElements()
{
    // Undo and redo clear the elements this way before rebuilding them from
    // a snapshot; snapshots hold neither colours nor the file name, so those
    // stay as they are.
    pnlFrontCoverClick();
    ClearDocumentRecord(DocumentRecord);
    DestroyAllElements();
}

void TfrmTarvik::NewDocument()
{
    FWizardCoverShown = false;
    ClearElements();
    FCurrentFile.clear();
    History.Clear();
    UpdateCommandStates();
    SetCoverPage(TabFrontCover);
    pagEdit->setCurrentWidget(tabText);
    for (int i = ciFront; i <= ciRoundLabel; ++i)
        CoverSettings.Colors[i] = clWhite;
    CoverSettings.Colors[ciLines] = clBlack;
    ApplyColors();
    pnlFrontCoverClick();
    Modified = false;
    UpdateCaption();
}

bool TfrmTarvik::ConfirmDiscard()
{
    if (!Modified)
        return true;
    switch (MessageBoxes::AskYesNoCancel(this, Str(txSaveChanges))) {
    case QMessageBox::Cancel:
        return false;
    case QMessageBox::Yes:
        // A save that was cancelled or failed keeps the document open and
        // modified: nothing is thrown away that was not written.
        return SaveDocument(FCurrentFile.isEmpty());
    default:
        return true;
    }
}

void TfrmTarvik::ApplyColor(int index)
{
    const std::array<TVelPickColor *, 7> pickers = {shColorFront, shColorInside, shColorBack, shColorLeft,
                                                    shColorRight, shColorLabel, shColorLines};
    for (int i = 0; i < 7; ++i)
        CoverSettings.Colors[i] = pickers[i]->color();

    const TColor *c = CoverSettings.Colors.data();
    switch (index) {
    case ciFront:
        pnlFrontCover->setBackgroundColor(ColorToQColor(c[ciFront]));
        break;
    case ciInside:
        pnlInsideCover->setBackgroundColor(ColorToQColor(c[ciInside]));
        break;
    case ciBack:
    case ciLeftSpine:
    case ciRightSpine:
        pnlBackCover->setBackgroundColor(ColorToQColor(c[ciBack]));
        pnlBackCover->setSpineColors(ColorToQColor(c[ciLeftSpine]), ColorToQColor(c[ciRightSpine]));
        break;
    case ciRoundLabel:
        pnlRoundLabel->outerCircle()->setBrushColor(ColorToQColor(c[ciRoundLabel]));
        break;
    case ciLines:
        for (TShape *line : {pnlBackCover->lineLeft(), pnlBackCover->lineRight()}) {
            line->setPenColor(ColorToQColor(c[ciLines]));
            line->setBrushColor(ColorToQColor(c[ciLines]));
        }
        break;
    default:
        break;
    }
}

void TfrmTarvik::ApplyColors()
{
    const std::array<TVelPickColor *, 7> pickers = {shColorFront, shColorInside, shColorBack, shColorLeft,
                                                    shColorRight, shColorLabel, shColorLines};
    for (int i = 0; i < 7; ++i)
        pickers[i]->setColorSilently(CoverSettings.Colors[i]);
    for (int index : {ciFront, ciBack, ciInside, ciRoundLabel, ciLines})
        ApplyColor(index);
}

void TfrmTarvik::mnuInchesClick()
{
    pnlFrontCoverClick();
    mnuInches->setChecked(true);
    UseInches = true;
    for (TVelWinSpinEdit *s : {SpinX, SpinY, SpinImgWidth, SpinImgHeight}) {
        s->setDecimals(2);
        s->setSingleStep(0.01);
    }
    SpinX->setToolTip(Str(txXInInches));
    SpinY->setToolTip(Str(txYInInches));
    SpinImgWidth->setToolTip(Str(txValueInInches));
    SpinImgHeight->setToolTip(Str(txValueInInches));
    SpinX->setStatusTip(Str(txXInInches));
    SpinY->setStatusTip(Str(txYInInches));
    SpinImgWidth->setStatusTip(Str(txValueInInches));
    SpinImgHeight->setStatusTip(Str(txValueInInches));
    TVKRegistry::WritePreference(TVKRegistry::prDefaultUdm, QStringLiteral("Inches"));
}

void TfrmTarvik::mnuCmClick()
{
    pnlFrontCoverClick();
    mnuCm->setChecked(true);
    UseInches = false;
    for (TVelWinSpinEdit *s : {SpinX, SpinY, SpinImgWidth, SpinImgHeight}) {
        s->setDecimals(1);
        s->setSingleStep(0.1);
    }
    SpinX->setToolTip(Str(txXInCm));
    SpinY->setToolTip(Str(txYInCm));
    SpinImgWidth->setToolTip(Str(txValueInCm));
    SpinImgHeight->setToolTip(Str(txValueInCm));
    SpinX->setStatusTip(Str(txXInCm));
    SpinY->setStatusTip(Str(txYInCm));
    SpinImgWidth->setStatusTip(Str(txValueInCm));
    SpinImgHeight->setStatusTip(Str(txValueInCm));
    TVKRegistry::WritePreference(TVKRegistry::prDefaultUdm, QStringLiteral("Cm"));
}

void TfrmTarvik::mnuReassociateClick()
{
    TVKRegistry::AssociateFileTypes();
}

TSurfacePanel *TfrmTarvik::SurfacePanel(TSurfaceCode code) const
{
    switch (code) {
    case TSurfaceCode::Inside:
        return pnlInsideCover;
    case TSurfaceCode::Back:
        return pnlBackCover;
    case TSurfaceCode::RoundLabel:
        return pnlRoundLabel;
    default:
        return pnlFrontCover;
    }
}

TSurfaceCode TfrmTarvik::SurfaceCodeOf(const QWidget *panel)
{
    if (auto *p = qobject_cast<const TSurfacePanel *>(panel))
        return p->code();
    return TSurfaceCode::Front;
}
