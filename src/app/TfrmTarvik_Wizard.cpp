// The cover wizard as the main window starts it, and the main window as the
// wizard drives it: TWizardCover puts the editor's own operations (the
// property panel, the position fields, the alignment buttons, the fit list)
// behind TCoverBuilder, so a generated cover is made of ordinary elements.

#include "TfrmTarvik.h"

#include "CoverBuilder.h"
#include "MessageBoxes.h"
#include "TSurfacePanel.h"
#include "TShape.h"
#include "TTarvikApplication.h"
#include "TVelStretchHandle.h"
#include "TVelWinSpinEdit.h"
#include "TfrmWizard.h"
#include "VelCDImageElement.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"
#include "uResource.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

class TfrmTarvik::TWizardCover : public TCoverBuilder {
public:
    explicit TWizardCover(TfrmTarvik &w) : W(w) {}

    void ShowSurface(TSurfaceCode surface) override { W.ShowSurface(surface); }
    void LoadStyleValue(int n) override { W.LoadStyleValue(n); }
    bool TypeText(const QString &text) override
    {
        W.pagEdit->setCurrentWidget(W.tabText);
        W.txtText->setText(text); // its change handler inserts and selects the element
        return W.Selection().size() == 1 && qobject_cast<TVelRotateLabel *>(W.Selection().first());
    }
    bool UseInches() const override { return W.UseInches; }
    void SetSpinX(double value) override { W.SpinX->setValue(value); }
    void SetSpinY(double value) override { W.SpinY->setValue(value); }
    void Align(TAlignCommand command) override { W.AlignSelection(command); }
    QRect SelectedBounds() const override { return W.HasSelection() ? W.Selection().first()->geometry() : QRect(); }
    QSize SelectedLineSize() const override
    {
        auto *t = W.HasSelection() ? qobject_cast<TVelRotateLabel *>(W.Selection().first()) : nullptr;
        if (!t)
            return {};
        const QSize box = t->size();
        return t->Angle() == 90 || t->Angle() == 270 ? box.transposed() : box;
    }
    void MoveSelected(QPoint topLeft) override
    {
        if (!W.HasSelection())
            return;
        W.Selection().first()->move(topLeft);
        W.ReselectAll();
    }
    QSize SurfaceSize() const override { return W.ActiveSurfacePanel()->size(); }
    int RightSpineLineLeft() const override { return W.pnlBackCover->lineRight()->x(); }
    void SelectNone() override { W.pnlFrontCoverClick(); }
    int FreeTextSlots() const override
    {
        int free = 0;
        for (const auto &t : W.TextSlots)
            if (!t || t->isHidden())
                ++free;
        return free;
    }
    void InsertImage(const QString &path, int fitIndex) override
    {
        W.pagEdit->setCurrentWidget(W.TabImage);
        const int slot = W.InsertImageFile(path);
        if (slot < 0)
            return;
        W.VelRotateLabelMouseDown(W.ImageSlots[slot].data(), Qt::LeftButton, Qt::NoModifier);
        W.cmbFitTo->setCurrentIndex(fitIndex);
        W.cmbFitToClick();
        W.pnlFrontCoverClick();
    }
    TCoverSettings &Settings() override { return W.CoverSettings; }
    double ScreenPpi() const override { return VelMeasureRoutines::ScreenPPI(); }
    void AsOneCommand(const std::function<void()> &work) override
    {
        THistoryStep step(W);
        work();
    }
    void CoverFinished() override
    {
        W.ShowSurface(TSurfaceCode::Front);
        W.Modified = true;
        W.UpdateCaption();
    }
    void ReportError(const QString &text) override { TTarvikApplication::ApplicationEvents1Exception(text); }
    bool AskRetryNoDisc() override
    {
        return MessageBoxes::Ask(&W, QMessageBox::Critical, Str(4580), QMessageBox::Retry | QMessageBox::Cancel,
                                 QMessageBox::Retry)
            == QMessageBox::Retry;
    }
    void ShowError(const QString &text) override { MessageBoxes::ShowError(&W, text); }
    void ShowMessage(const QString &text) override { MessageBoxes::ShowWarning(&W, text); }

private:
    TfrmTarvik &W;
};

void TfrmTarvik::CreateWizard()
{
    FWizardCover = std::make_unique<TWizardCover>(*this);
    FWizard = new TfrmWizard(*FWizardCover, this);
    FWizard->setObjectName(QStringLiteral("TfrmWizard"));
    FWizard->OnFinished = [this] {
        FWizardCoverShown = true;
        UpdateCommandStates();
    };
    FWizard->HelpRequested = [this](int context) { ShowHelp(context); };
    connect(mnuUseTarvikWizard, &QAction::triggered, this, [this] { btnWizardClick(true); });
    connect(btnEditWizard, &QAction::triggered, this, [this] { btnWizardClick(false); });
    UpdateCommandStates();
}

TfrmWizard *TfrmTarvik::Wizard() const
{
    return FWizard;
}

void TfrmTarvik::btnWizardClick(bool newCover)
{
    NewCoverFlag = newCover;
    // A new cover asks about the document first; "Return to Wizard" builds
    // a fresh cover from the last inputs in place of the one it made.
    if (NewCoverFlag && !ConfirmDiscard())
        return;
    NewDocument();
    FWizard->StartWizard(NewCoverFlag);
}
