#pragma once
// A printer whose sheets are images: every page becomes a QImage of the
// whole sheet at the printer's resolution, white where nothing was drawn,
// with drawing clipped to the printable area as on paper. The tests count
// pixels on these pages; the benchmarks and the label calibration can use
// it wherever a page is wanted as a picture.

#include "PrintJob.h"

#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QSizeF>

#include <memory>

class TImagePrintJob : public TPrintJob
{
public:
    struct TJob {
        QString Title;
        int Copies = 1;
        QList<QImage> Pages;
        QList<QPageLayout::Orientation> Orientations; // one per page
        bool Ended = false;
        bool Aborted = false;
    };

    // `paper` in inches, held upright; `unprintable` the strips along its
    // left, top, right and bottom edges in inches, held upright.
    explicit TImagePrintJob(int dpi = 300, QSizeF paper = QSizeF(8.27, 11.69),
                            QMarginsF unprintable = QMarginsF());
    ~TImagePrintJob() override;

    TPrinterMargins GetPrinterMargins() override;
    void SetOrientation(QPageLayout::Orientation orientation) override;
    QPageLayout::Orientation Orientation() const override { return FOrientation; }
    void SetCopies(int copies) override;
    int ResolutionX() const override { return FDpi; }
    int ResolutionY() const override { return FDpi; }
    void BeginJob(const QString &title) override;
    void NewPage() override;
    void EndJob() override;

    const QList<TJob> &Jobs() const { return FJobs; }
    // The printable area of the current orientation on the sheet image, in
    // device pixels.
    QRect PrintableRect() const;
    // How many drawing steps ran.
    int StepsDrawn() const { return FSteps; }

protected:
    void DoDraw(const TDrawStep &step) override;
    void DoAbort() override;

private:
    void startPage();
    void finishPage();

    int FDpi;
    QSizeF FPaper;
    QMarginsF FUnprintable;
    QPageLayout::Orientation FOrientation = QPageLayout::Portrait;
    int FCopies = 1;
    int FSteps = 0;
    QList<TJob> FJobs;
    std::unique_ptr<QPainter> FPainter;
};
