#pragma once
// TfrmWizard: the cover wizard. Three pages collect the title, author and
// tracks, the spines, information and layout, and three background
// pictures; Finish builds a cover from them in the main window through
// TCoverBuilder. The window is made hidden at start-up and lives as long
// as the program, keeping its answers until a new cover is started.

#include "CoverGeneration.h"
#include "WizardInputs.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class TCoverBuilder;

namespace Ui {
class TfrmWizard;
}

class TfrmWizard : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWizard(TCoverBuilder &builder, QWidget *parent = nullptr);
    ~TfrmWizard() override;

    // Shows the wizard (not modally). For a new cover its boxes are
    // emptied, the previews cleared and page 1 shown; otherwise it keeps the
    // last inputs.
    void StartWizard(bool newCover);

    // What the pages hold now.
    TWizardInputs Inputs() const;
    int Page() const; // 1, 2 or 3

    void btnNextClick();
    void btnBackClick();
    void btnCancelClick();
    void btnCDDBClick();
    // Edits text style `style` with the font dialog, for this run of the program only.
    void FontClick(int style);
    // Picture button 0 front, 1 inside, 2 back.
    void ImageClick(int which);
    // Shows `file` in `preview`; false (and the user told) when it cannot be read.
    bool PreviewImage(QLabel *preview, const QString &file);
    // Builds the cover from the inputs and hides the wizard.
    void Finish();

    TCoverGeneration &Generation() { return FGeneration; }

    // Called after Finish (the main window enables "Return to Wizard").
    std::function<void()> OnFinished;
    // F1 in the wizard: the help context of the focused part.
    std::function<void(int)> HelpRequested;
    // The dialogs the wizard opens; tests replace them.
    std::function<QString(const QString &startDir)> PictureChooser;
    std::function<bool(QFont &font)> FontChooser;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void LocalizeForm();
    void Activate();
    void ShowPage(int page);
    void ClearPreview(QLabel *preview);
    void UpdateExample();
    void NumberFormatEdited();
    void FillDrives();
    void EnableOwner();
    QString ChoosePicture(const QString &startDir);
    bool ChooseFont(QFont &font);

    Ui::TfrmWizard *ui;
    TCoverBuilder &FBuilder;
    TCoverGeneration FGeneration;
    bool FNewCover = true;
};
