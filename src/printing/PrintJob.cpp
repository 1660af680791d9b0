#include "PrintJob.h"

#include <QRectF>

TPrinterMargins PrinterMarginsOf(const QPageLayout &layout)
{
    QPageLayout upright = layout;
    if (upright.orientation() != QPageLayout::Portrait) {
        // The layout keeps its margins relative to its orientation; held
        // upright, the strip that ran along the top of the landscape page
        // runs along the left edge.
        const QMarginsF m = layout.margins(QPageLayout::Inch);
        upright.setUnits(QPageLayout::Inch);
        upright.setOrientation(QPageLayout::Portrait);
        upright.setMargins(QMarginsF(m.top(), m.right(), m.bottom(), m.left()));
    }
    const QRectF full = upright.fullRect(QPageLayout::Inch);
    const QRectF paint = upright.paintRect(QPageLayout::Inch);
    TPrinterMargins r;
    r.PaperWidth = float(full.width());
    r.PaperHeight = float(full.height());
    r.Left = float(paint.left() - full.left());
    r.Top = float(paint.top() - full.top());
    r.Right = r.PaperWidth - r.Left - float(paint.width());
    r.Bottom = r.PaperHeight - r.Top - float(paint.height());
    return r;
}

void TPrintJob::AbortJob()
{
    if (FAborted)
        return;
    FAborted = true;
    DoAbort();
}

void TPrintJob::Draw(const TDrawStep &step)
{
    if (BetweenSteps)
        BetweenSteps();
    if (FAborted)
        return;
    DoDraw(step);
}
