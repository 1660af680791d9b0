#pragma once
// A printer whose sheets are the pages of a PDF file. The sheet has no
// unprintable strip, so a cover lies exactly at its margins from the paper's
// edges. Every job goes into the same file, each sheet in the orientation
// its job asked for; the file replaces the target only when Commit() is
// called after the last job, and an aborted or failed run leaves whatever
// was there before.

#include "PrintJob.h"

#include <QPageSize>

#include <memory>

class QPainter;
class QPdfWriter;
class QSaveFile;

class TPdfPrintJob : public TPrintJob
{
public:
    TPdfPrintJob(const QString &fileName, const QPageSize &paper, int dpi = 300);
    ~TPdfPrintJob() override;

    TPrinterMargins GetPrinterMargins() override;
    void SetOrientation(QPageLayout::Orientation orientation) override;
    QPageLayout::Orientation Orientation() const override { return FOrientation; }
    void SetCopies(int) override {}
    int ResolutionX() const override { return FDpi; }
    int ResolutionY() const override { return FDpi; }
    void BeginJob(const QString &title) override;
    void NewPage() override;
    void EndJob() override;

    // Writes the file. Throws ETarvikError when it cannot; nothing was
    // printed when no job ever began.
    void Commit();
    int PageCount() const { return FPages; }

protected:
    void DoDraw(const TDrawStep &step) override;
    void DoAbort() override;

private:
    QPageLayout layoutFor(QPageLayout::Orientation orientation) const;
    [[noreturn]] void fail(const QString &why) const;

    QString FFileName;
    QPageSize FPaper;
    int FDpi;
    QPageLayout::Orientation FOrientation = QPageLayout::Portrait;
    std::unique_ptr<QSaveFile> FFile;
    std::unique_ptr<QPdfWriter> FWriter;
    std::unique_ptr<QPainter> FPainter;
    bool FInJob = false;
    int FPages = 0;
};
