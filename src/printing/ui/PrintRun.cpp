#include "PrintRun.h"

#include "MessageBoxes.h"
#include "PrintJob.h"
#include "PrintingDialog.h"
#include "VelPrinterUtils.h"

#include <QApplication>
#include <QPointer>
#include <QScopeGuard>

TPrintOutcome RunPrint(QWidget *mainWindow, TPrintJob &job, const std::function<TPrintOutcome()> &print,
                       const std::function<void(const QString &)> &logError)
{
    if (mainWindow)
        mainWindow->repaint();
    QPointer<TfrmPrintingDialog> progress = new TfrmPrintingDialog(job, mainWindow);
    progress->show();
    QCoreApplication::processEvents();

    TPrintOutcome outcome;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // The abort button is answered between drawing steps.
        job.BetweenSteps = [] { QCoreApplication::processEvents(); };
        const auto cleanup = qScopeGuard([&] {
            job.BetweenSteps = {};
            QApplication::restoreOverrideCursor();
            if (progress)
                progress->close();
        });
        outcome = print();
    }

    if (outcome.Status == TPrintOutcome::Failed) {
        if (logError)
            logError(outcome.Reason);
        if (outcome.Reason == VelPrinterUtils::StretchedImageError)
            MessageBoxes::ShowMessage(mainWindow, VelPrinterUtils::StretchedImageError);
        MessageBoxes::ShowError(mainWindow, outcome.UserMessage);
    }
    return outcome;
}

TPrintOutcome RunCoverPrint(QWidget *mainWindow, TPrintJob &job, const TCoverDocument &document,
                            const TCoverPrintOptions &options, TPrintKind kind,
                            const std::function<void(const QString &)> &logError)
{
    return RunPrint(mainWindow, job, [&] {
        TCoverPrinter printer(job, document, options);
        return printer.PrintCover(kind);
    }, logError);
}
