#pragma once
// The printer of the desktop (a CUPS queue, or a file when the print dialog
// says so) as a TPrintJob.
//
// Qt cannot take back a job once its painting has begun, so a job is kept
// as its drawing steps and painted onto the printer when it ends: an abort
// before that leaves nothing in the spooler. Pictures are held at the size
// the paper needs until then.
//
// In continuous mode (the print preview) every job goes onto the same run of
// pages of a printer whose painting the caller ends with Finish(); a page
// whose orientation the printer cannot take while it paints is drawn turned
// a quarter onto the sheet it has.

#include "PrintJob.h"

#include <QList>

#include <memory>
#include <vector>

class QPainter;
class QPrinter;
class QWidget;

// GetPrinterMargins: the printer switched to portrait, then its sheet and
// printable area in inches.
TPrinterMargins GetPrinterMargins(QPrinter &printer);
// SetPrinterCopies. Throws ETarvikError "Could not set printer copies" for
// a printer that is not there (no print queue and no file to print into).
void SetPrinterCopies(QPrinter &printer, int copies);
// The printer setup dialog over `printer`. Its answer and any failure are
// ignored: the printer keeps whatever the dialog left in it.
void RunPrinterSetup(QWidget *parent, QPrinter &printer);

class TPrinterJob : public TPrintJob
{
public:
    enum TMode {
        Spool,      // each job reaches the printer when it ends
        Continuous, // every job on one run of pages, ended by Finish()
    };

    // A printer of its own, drawn on at 300 pixels per inch.
    TPrinterJob();
    // A printer owned elsewhere (the preview's).
    TPrinterJob(QPrinter &printer, TMode mode);
    ~TPrinterJob() override;

    QPrinter &Printer() { return *FPrinter; }

    TPrinterMargins GetPrinterMargins() override;
    void SetOrientation(QPageLayout::Orientation orientation) override;
    QPageLayout::Orientation Orientation() const override;
    void SetCopies(int copies) override;
    int ResolutionX() const override;
    int ResolutionY() const override;
    void BeginJob(const QString &title) override;
    void NewPage() override;
    void EndJob() override;

    // Continuous mode: ends the painting of all pages.
    void Finish();

protected:
    void DoDraw(const TDrawStep &step) override;
    void DoAbort() override;

private:
    struct TPage {
        QPageLayout::Orientation Orientation = QPageLayout::Portrait;
        std::vector<TDrawStep> Steps;
    };
    void replay();
    void startContinuousPage(bool first);

    std::unique_ptr<QPrinter> FOwnPrinter;
    QPrinter *FPrinter = nullptr;
    TMode FMode = Spool;
    bool FInJob = false;
    QString FTitle;
    int FCopies = 1;
    QPageLayout::Orientation FJobOrientation = QPageLayout::Portrait;
    QList<TPage> FPages;
    // continuous mode
    std::unique_ptr<QPainter> FPainter;
    bool FTurned = false;
};
