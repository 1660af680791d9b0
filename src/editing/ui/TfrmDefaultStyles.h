#pragma once
// TfrmDefaultStyles, the text style editor. It edits a working copy of the
// eleven styles held in memory and shows the chosen style on a preview text.
// "Set these values as default" copies the working copy back (positions
// excepted) and stores the named styles; "Reset default values" puts the
// built-in styles in memory at once but stores nothing; closing drops what
// was not set.
//
//     TfrmDefaultStyles dialog(CoverSettings, &TTarvikApplication::ApplicationEvents1Exception, this);
//     dialog.exec();

#include "DefaultStyles.h"

#include <QDialog>

#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;

namespace Ui {
class TfrmDefaultStyles;
}

class TfrmDefaultStyles : public QDialog
{
    Q_OBJECT
public:
    // Receives the messages of failures the user must hear about: a size
    // that is not a whole number, styles that cannot be stored.
    using TErrorReporter = std::function<void(const QString &)>;

    // `settings` holds the styles in memory and must outlive the dialog. An
    // empty reporter shows the message in an error box.
    explicit TfrmDefaultStyles(TCoverSettings &settings, TErrorReporter reportError = {},
                               QWidget *parent = nullptr);
    ~TfrmDefaultStyles() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void LocalizeForm();
    void cmbStyleChange();
    void ShowStyle(int n);
    void ControlChanged();
    void btnSetClick();
    void btnResetClick();
    void ShowPreview(const TTextStyleRecord &style);
    int SelectedStyle() const;

    Ui::TfrmDefaultStyles *ui;
    QButtonGroup *FAngles;
    TCoverSettings &FSettings;
    TErrorReporter FReportError;
    std::array<TTextStyleRecord, StyleCount> FWork;
    // Set while the program fills the controls: their changes are not the
    // user's and are not stored back.
    bool FUpdating = false;
};
