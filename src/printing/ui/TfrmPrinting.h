#pragma once
// TfrmPrinting, the print options dialog: which covers to print, portrait
// for single covers, separation lines and cutting guides (each stored the
// moment it is clicked), the two paper margins in the current unit and the
// copy count. Print checks the margins against the printer's unprintable
// strips, stores them and prints through PrintCover while the dialog is
// hidden; the dialog then closes.
//
//     TCoverPrintOptions held = ...;   // the margins and copies the main window holds
//     TfrmPrinting dialog(printer, document, held, UseInches, this);
//     dialog.PrinterSetup = [this] { mnuPrinterSetupClick(); };
//     dialog.exec();                    // held takes what Print used

#include "Printing.h"

#include <QDialog>

#include <functional>

class TPrintJob;

namespace Ui {
class TfrmPrinting;
}

class TfrmPrinting : public QDialog
{
    Q_OBJECT
public:
    TfrmPrinting(TPrintJob &printer, const TCoverDocument &document, TCoverPrintOptions &held, bool useInches,
                 QWidget *parent = nullptr);
    ~TfrmPrinting() override;

    // The printer setup dialog (btnPrintSetup).
    std::function<void()> PrinterSetup;
    // The print preview of a kind with the options the dialog shows.
    std::function<void(TPrintKind, const TCoverPrintOptions &)> Preview;
    // The label dialog; btnPrintLabel stays disabled without it.
    std::function<void()> PrintLabel;
    // Where the reason behind a printing error goes.
    std::function<void(const QString &)> LogError;

    // The kind of the checked radio button.
    TPrintKind CheckedKind() const;
    // The options as the dialog shows them, margins in inches.
    TCoverPrintOptions ShownOptions() const;

    void btnPrintClick();
    // Prints the calibration sheet on the printer.
    void btnCalibrationClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormActivate();
    void LocalizeForm();
    void SpinCopiesChange();
    void btnPreviewClick();
    // The unit factor: 1 for inches, 2.54 for centimetres.
    double UnitFactor() const;

    Ui::TfrmPrinting *ui;
    TPrintJob &FPrinter;
    const TCoverDocument &FDocument;
    TCoverPrintOptions &FHeld;
    bool FUseInches;
};
