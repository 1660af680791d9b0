#include "PdfExport.h"

#include "DocumentFile.h"
#include "PdfPrintJob.h"

#include <QFileInfo>

TPrintOutcome ExportPdf(const QString &fileName, const QPageSize &paper,
                        const std::function<TPrintOutcome(TPrintJob &)> &print,
                        const std::function<void()> &betweenSteps)
{
    TPdfPrintJob job(fileName, paper, PdfExportDpi);
    job.BetweenSteps = betweenSteps;
    TPrintOutcome outcome = print(job);
    if (outcome.Status != TPrintOutcome::Printed)
        return outcome;
    try {
        job.Commit();
    } catch (const std::exception &e) {
        outcome.Status = TPrintOutcome::Failed;
        outcome.Reason = QString::fromUtf8(e.what());
        outcome.UserMessage = outcome.Reason;
    }
    return outcome;
}

TPrintOutcome ExportCoverPdf(const TCoverDocument &document, const TCoverPrintOptions &options, TPrintKind kind,
                             const QPageSize &paper, const QString &fileName)
{
    return ExportPdf(fileName, paper, [&](TPrintJob &job) {
        TCoverPrinter printer(job, document, options);
        return printer.PrintCover(kind);
    });
}

bool ReadCoverDocument(const QString &path, TCoverDocument &document, QString *error)
{
    const TDocumentReadResult read = ReadDocumentFile(path);
    if (!read.ok()) {
        if (error) {
            *error = read.Status == TDocumentReadResult::Missing
                ? QStringLiteral("\"%1\" does not exist").arg(path)
                : read.UserMessage;
        }
        return false;
    }
    document.Record = read.Record;
    document.Settings = TCoverSettings::Defaults();
    document.Settings.Colors = read.Record.Colors;
    document.FilePath = QFileInfo(path).absoluteFilePath();
    return true;
}
