#include "ImagePrintJob.h"

#include "TarvikError.h"

#include <QPainter>

#include <cmath>

TImagePrintJob::TImagePrintJob(int dpi, QSizeF paper, QMarginsF unprintable)
    : FDpi(dpi), FPaper(paper), FUnprintable(unprintable)
{
}

TImagePrintJob::~TImagePrintJob()
{
    if (FPainter)
        FPainter->end();
}

TPrinterMargins TImagePrintJob::GetPrinterMargins()
{
    SetOrientation(QPageLayout::Portrait);
    TPrinterMargins m;
    m.Left = float(FUnprintable.left());
    m.Top = float(FUnprintable.top());
    m.Right = float(FUnprintable.right());
    m.Bottom = float(FUnprintable.bottom());
    m.PaperWidth = float(FPaper.width());
    m.PaperHeight = float(FPaper.height());
    return m;
}

void TImagePrintJob::SetOrientation(QPageLayout::Orientation orientation)
{
    // A printer takes the orientation for the next job; a page already
    // begun keeps its own.
    FOrientation = orientation;
}

void TImagePrintJob::SetCopies(int copies)
{
    FCopies = copies;
}

QRect TImagePrintJob::PrintableRect() const
{
    // Landscape is the sheet turned a quarter clockwise: the strip along the
    // upright sheet's left edge runs along the top of the landscape page.
    const QMarginsF u = FUnprintable;
    const bool landscape = FOrientation == QPageLayout::Landscape;
    const QMarginsF m = landscape ? QMarginsF(u.bottom(), u.left(), u.top(), u.right()) : u;
    const QSizeF paper = landscape ? FPaper.transposed() : FPaper;
    auto px = [this](double inches) { return int(std::lround(inches * FDpi)); };
    const int left = px(m.left()), top = px(m.top());
    return QRect(left, top, px(paper.width() - m.right()) - left, px(paper.height() - m.bottom()) - top);
}

void TImagePrintJob::BeginJob(const QString &title)
{
    if (FPainter)
        throw ETarvikError(QStringLiteral("A print job is already running"));
    TJob job;
    job.Title = title;
    job.Copies = FCopies;
    FJobs.append(job);
    startPage();
}

void TImagePrintJob::NewPage()
{
    if (!FPainter)
        throw ETarvikError(QStringLiteral("No print job is running"));
    finishPage();
    startPage();
}

void TImagePrintJob::EndJob()
{
    if (!FPainter)
        throw ETarvikError(QStringLiteral("No print job is running"));
    finishPage();
    FJobs.last().Ended = true;
}

void TImagePrintJob::DoAbort()
{
    if (!FPainter)
        return;
    finishPage();
    FJobs.last().Aborted = true;
}

void TImagePrintJob::DoDraw(const TDrawStep &step)
{
    if (!FPainter)
        throw ETarvikError(QStringLiteral("No print job is running"));
    ++FSteps;
    FPainter->save();
    step(*FPainter);
    FPainter->restore();
}

void TImagePrintJob::startPage()
{
    const bool landscape = FOrientation == QPageLayout::Landscape;
    const QSizeF paper = landscape ? FPaper.transposed() : FPaper;
    QImage page(int(std::lround(paper.width() * FDpi)), int(std::lround(paper.height() * FDpi)),
                QImage::Format_RGB32);
    if (page.isNull())
        throw ETarvikError(QStringLiteral("Out of memory for the page"));
    page.fill(Qt::white);
    // The image's own resolution makes point sizes come out right on it.
    const int dotsPerMeter = int(std::lround(FDpi / 0.0254));
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    FJobs.last().Pages.append(page);
    FJobs.last().Orientations.append(FOrientation);

    const QRect printable = PrintableRect();
    FPainter = std::make_unique<QPainter>(&FJobs.last().Pages.last());
    FPainter->translate(printable.topLeft());
    FPainter->setClipRect(QRect(QPoint(0, 0), printable.size()));
    FPainter->save();
}

void TImagePrintJob::finishPage()
{
    if (!FPainter)
        return;
    FPainter->restore();
    FPainter->end();
    FPainter.reset();
}
