#include "PrinterJob.h"

#include "TarvikError.h"
#include "VelPrinterUtils.h"

#include <QDialogButtonBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

// The grid pages are drawn on. Texts and lines are sent as outlines and the
// spooler renders them at the printer's own resolution; pictures are sent
// with this many pixels per inch, what photographic print needs, rather
// than the 1200 Qt's high resolution would ask of a 24-megapixel photo.
constexpr int PrinterDpi = 300;

} // namespace

TPrinterMargins GetPrinterMargins(QPrinter &printer)
{
    printer.setPageOrientation(QPageLayout::Portrait);
    return PrinterMarginsOf(printer.pageLayout());
}

void SetPrinterCopies(QPrinter &printer, int copies)
{
    // Without any print queue Qt offers a PDF writer with no file to write:
    // there is no printer to take the count.
    const bool nowhere = printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty();
    if (!printer.isValid() || nowhere)
        throw ETarvikError(VelPrinterUtils::PrinterCopiesError);
    printer.setCopyCount(copies);
}

void RunPrinterSetup(QWidget *parent, QPrinter &printer)
{
    try {
        QPrintDialog dialog(&printer, parent);
        // The dialog chooses the printer and its settings here; the print
        // options dialog prints.
        if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
            if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
                ok->setText(QDialogButtonBox::tr("OK"));
        }
        dialog.exec();
    } catch (...) {
    }
}

TPrinterJob::TPrinterJob()
    : FOwnPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)), FPrinter(FOwnPrinter.get())
{
    FPrinter->setResolution(PrinterDpi);
}

TPrinterJob::TPrinterJob(QPrinter &printer, TMode mode)
    : FPrinter(&printer), FMode(mode)
{
}

TPrinterJob::~TPrinterJob()
{
    if (FPainter && FPainter->isActive())
        FPainter->end();
}

TPrinterMargins TPrinterJob::GetPrinterMargins()
{
    FJobOrientation = QPageLayout::Portrait;
    if (FMode == Spool || !FPainter) {
        // The setup dialog may have given the printer another engine.
        if (FOwnPrinter && FPrinter->resolution() != PrinterDpi)
            FPrinter->setResolution(PrinterDpi);
        return ::GetPrinterMargins(*FPrinter);
    }
    return PrinterMarginsOf(FPrinter->pageLayout());
}

void TPrinterJob::SetOrientation(QPageLayout::Orientation orientation)
{
    // The printer takes it when the job is painted; until then it stays
    // the job's.
    FJobOrientation = orientation;
}

QPageLayout::Orientation TPrinterJob::Orientation() const
{
    return FJobOrientation;
}

void TPrinterJob::SetCopies(int copies)
{
    if (FMode == Continuous)
        return;
    SetPrinterCopies(*FPrinter, copies);
    FCopies = copies;
}

int TPrinterJob::ResolutionX() const
{
    return FPrinter->resolution();
}

int TPrinterJob::ResolutionY() const
{
    return FPrinter->resolution();
}

void TPrinterJob::BeginJob(const QString &title)
{
    if (FInJob)
        throw ETarvikError(QStringLiteral("A print job is already running"));
    FInJob = true;
    FTitle = title;
    FPages.clear();
    if (FMode == Continuous) {
        startContinuousPage(!FPainter);
        return;
    }
    FPages.append(TPage{FJobOrientation, {}});
}

void TPrinterJob::NewPage()
{
    if (!FInJob)
        throw ETarvikError(QStringLiteral("No print job is running"));
    if (FMode == Continuous) {
        startContinuousPage(false);
        return;
    }
    FPages.append(TPage{FJobOrientation, {}});
}

void TPrinterJob::EndJob()
{
    if (!FInJob)
        throw ETarvikError(QStringLiteral("No print job is running"));
    FInJob = false;
    if (FMode == Spool)
        replay();
}

void TPrinterJob::Finish()
{
    FInJob = false;
    if (FPainter && FPainter->isActive())
        FPainter->end();
    FPainter.reset();
}

void TPrinterJob::DoDraw(const TDrawStep &step)
{
    if (!FInJob)
        throw ETarvikError(QStringLiteral("No print job is running"));
    if (FMode == Spool) {
        FPages.last().Steps.push_back(step);
        return;
    }
    FPainter->save();
    if (FTurned) {
        // The page's own printable corner, turned a quarter onto the sheet
        // the printer has: the sheet held upright has its left edge along
        // the top of the landscape sheet.
        const int r = FPrinter->resolution();
        const QPageLayout sheet = FPrinter->pageLayout();
        const QRect full = sheet.fullRectPixels(r);
        const QPoint printerCorner = sheet.paintRectPixels(r).topLeft() - full.topLeft();
        const QMarginsF m = sheet.margins(QPageLayout::Inch);
        QTransform t;
        if (sheet.orientation() == QPageLayout::Landscape) {
            // a portrait page: its margins left, top = landscape top, right
            const QPointF corner(m.top() * r, m.right() * r);
            t = QTransform(0, 1, -1, 0, full.width() - corner.y() - printerCorner.x(), corner.x() - printerCorner.y());
        } else {
            // a landscape page: its margins left, top = portrait bottom, left
            const QPointF corner(m.bottom() * r, m.left() * r);
            t = QTransform(0, -1, 1, 0, corner.y() - printerCorner.x(), full.height() - corner.x() - printerCorner.y());
        }
        FPainter->setTransform(t, true);
    }
    step(*FPainter);
    FPainter->restore();
}

void TPrinterJob::DoAbort()
{
    // Nothing of a spooled job has reached the printer yet.
    FInJob = false;
    FPages.clear();
}

void TPrinterJob::replay()
{
    const QList<TPage> pages = std::exchange(FPages, {});
    if (pages.isEmpty())
        return;
    FPrinter->setDocName(FTitle);
    FPrinter->setCopyCount(FCopies);
    FPrinter->setPageOrientation(pages.first().Orientation);
    QPainter painter;
    if (!painter.begin(FPrinter))
        throw ETarvikError(QStringLiteral("The printer did not start the job"));
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !FPrinter->newPage())
            throw ETarvikError(QStringLiteral("The printer did not start a new page"));
        for (const TDrawStep &step : pages[i].Steps) {
            painter.save();
            step(painter);
            painter.restore();
        }
    }
    if (!painter.end())
        throw ETarvikError(QStringLiteral("The printer did not finish the job"));
}

void TPrinterJob::startContinuousPage(bool first)
{
    if (first) {
        FPrinter->setPageOrientation(FJobOrientation);
        FPainter = std::make_unique<QPainter>();
        if (!FPainter->begin(FPrinter))
            throw ETarvikError(QStringLiteral("The printer did not start the job"));
        FTurned = false;
        return;
    }
    // A printer that writes PDF takes another orientation for its next page;
    // the preview's keeps the one it began with.
    if (FPrinter->pageLayout().orientation() != FJobOrientation && FPrinter->paintEngine()
        && FPrinter->paintEngine()->type() == QPaintEngine::Pdf)
        FPrinter->setPageOrientation(FJobOrientation);
    if (!FPrinter->newPage())
        throw ETarvikError(QStringLiteral("The printer did not start a new page"));
    FTurned = FPrinter->pageLayout().orientation() != FJobOrientation;
}
