#pragma once
// TfrmPrintingDialog, the progress window of a print run: "Printing in
// progress..." and an abort button. It lives for one run and blocks the
// other windows while it is shown; the run lets its events through between
// drawing steps, so the button answers while the pages are drawn.
//
//     auto *progress = new TfrmPrintingDialog(job, mainWindow);
//     progress->show();              // deletes itself when closed
//     ... print ...
//     if (progress) progress->close();

#include <QDialog>

class TPrintJob;

namespace Ui {
class TfrmPrintingDialog;
}

class TfrmPrintingDialog : public QDialog
{
    Q_OBJECT
public:
    TfrmPrintingDialog(TPrintJob &job, QWidget *parent = nullptr);
    ~TfrmPrintingDialog() override;

    // Aborts the job and closes the window.
    void btnAbortClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void LocalizeForm();

    Ui::TfrmPrintingDialog *ui;
    TPrintJob &FJob;
};
