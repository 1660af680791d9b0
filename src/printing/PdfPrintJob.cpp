#include "PdfPrintJob.h"

#include "TarvikError.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

TPdfPrintJob::TPdfPrintJob(const QString &fileName, const QPageSize &paper, int dpi)
    : FFileName(fileName), FPaper(paper), FDpi(dpi)
{
}

TPdfPrintJob::~TPdfPrintJob()
{
    if (FPainter && FPainter->isActive())
        FPainter->end();
    FPainter.reset();
    FWriter.reset();
    if (FFile)
        FFile->cancelWriting();
}

QPageLayout TPdfPrintJob::layoutFor(QPageLayout::Orientation orientation) const
{
    return QPageLayout(FPaper, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
}

void TPdfPrintJob::fail(const QString &why) const
{
    throw ETarvikError(QStringLiteral("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(FFileName), why));
}

TPrinterMargins TPdfPrintJob::GetPrinterMargins()
{
    SetOrientation(QPageLayout::Portrait);
    return PrinterMarginsOf(layoutFor(QPageLayout::Portrait));
}

void TPdfPrintJob::SetOrientation(QPageLayout::Orientation orientation)
{
    FOrientation = orientation;
}

void TPdfPrintJob::BeginJob(const QString &title)
{
    if (FInJob)
        throw ETarvikError(QStringLiteral("A print job is already running"));
    if (!FFile) {
        FFile = std::make_unique<QSaveFile>(FFileName);
        if (!FFile->open(QIODevice::WriteOnly))
            fail(FFile->errorString());
        FWriter = std::make_unique<QPdfWriter>(FFile.get());
        FWriter->setResolution(FDpi);
        FWriter->setTitle(title);
        FWriter->setCreator(QStringLiteral("Tarvik"));
        FWriter->setPageLayout(layoutFor(FOrientation));
        FPainter = std::make_unique<QPainter>();
        if (!FPainter->begin(FWriter.get()))
            fail(QStringLiteral("the PDF could not be started"));
    } else {
        // A further job is a further sheet of the same file, in the
        // orientation that job asked for.
        FWriter->setPageLayout(layoutFor(FOrientation));
        if (!FWriter->newPage())
            fail(QStringLiteral("no new page"));
    }
    FInJob = true;
    ++FPages;
}

void TPdfPrintJob::NewPage()
{
    if (!FInJob)
        throw ETarvikError(QStringLiteral("No print job is running"));
    if (!FWriter->newPage())
        fail(QStringLiteral("no new page"));
    ++FPages;
}

void TPdfPrintJob::EndJob()
{
    if (!FInJob)
        throw ETarvikError(QStringLiteral("No print job is running"));
    FInJob = false;
}

void TPdfPrintJob::DoDraw(const TDrawStep &step)
{
    if (!FInJob)
        throw ETarvikError(QStringLiteral("No print job is running"));
    FPainter->save();
    step(*FPainter);
    FPainter->restore();
}

void TPdfPrintJob::DoAbort()
{
    FInJob = false;
    if (FPainter && FPainter->isActive())
        FPainter->end();
    if (FFile)
        FFile->cancelWriting();
}

void TPdfPrintJob::Commit()
{
    if (PrintAborted() || !FPainter)
        return;
    if (FPainter->isActive())
        FPainter->end();
    FPainter.reset();
    FWriter.reset();
    if (!FFile->commit())
        fail(FFile->errorString());
    FFile.reset();
}
