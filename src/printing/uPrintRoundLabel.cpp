#include "uPrintRoundLabel.h"

#include "DocumentColors.h"
#include "PdfExport.h"
#include "PictureCrop.h"
#include "PrintJob.h"
#include "TVKRegistry.h"
#include "VelMeasureRoutines.h"
#include "VelPrinterUtils.h"

#include <QPainter>

#include <algorithm>

using VelPrinterUtils::DeviceRect;

namespace {

const QString RoundLabelKey = QStringLiteral("Preferences\\RoundLabel");

QString PrintedName(int i)
{
    return QStringLiteral("PrintLabel%1").arg(i + 1);
}

bool OnLabel(const TImageElementRecord &r)
{
    return r.isUsed() && r.SurfaceIndex == TSurfaceCode::RoundLabel;
}

} // namespace

void ReadLabelSettings(TCoverSettings &s)
{
    using TVKRegistry::ReadLabelSetting;
    s.OuterDiameter = float(ReadLabelSetting(QStringLiteral("RoundLabel")));
    s.InnerDiameter = float(ReadLabelSetting(QStringLiteral("InnerCircle")));
    s.LabelsPerPage = VelMeasureRoutines::RoundEven(float(ReadLabelSetting(QStringLiteral("NumberPerPage"))));
    for (int i = 0; i < MaxLabelsPerPage; ++i) {
        s.LabelXMargin[size_t(i)] = float(ReadLabelSetting(QStringLiteral("XMargin%1").arg(i)));
        s.LabelYMargin[size_t(i)] = float(ReadLabelSetting(QStringLiteral("YMargin%1").arg(i)));
    }
}

std::array<bool, MaxLabelsPerPage> ReadPrintedLabels()
{
    std::array<bool, MaxLabelsPerPage> printed{};
    for (int i = 0; i < MaxLabelsPerPage; ++i)
        printed[size_t(i)] = TVKRegistry::ReadRegBool(QString(), RoundLabelKey, PrintedName(i), false);
    return printed;
}

void WritePrintedLabels(const std::array<bool, MaxLabelsPerPage> &positions)
{
    for (int i = 0; i < MaxLabelsPerPage; ++i)
        TVKRegistry::WriteRegBool(QString(), RoundLabelKey, PrintedName(i), positions[size_t(i)]);
}

std::array<bool, MaxLabelsPerPage> DefaultLabelPositions(int labelsPerPage,
                                                         const std::array<bool, MaxLabelsPerPage> &lastPrinted)
{
    if (std::find(lastPrinted.begin(), lastPrinted.end(), true) != lastPrinted.end())
        return lastPrinted;
    std::array<bool, MaxLabelsPerPage> all{};
    for (int i = 0; i < MaxLabelsPerPage; ++i)
        all[size_t(i)] = i < std::clamp(labelsPerPage, 1, MaxLabelsPerPage);
    return all;
}

QImage MaskToCircle(const QImage &picture)
{
    if (picture.isNull())
        return QImage();
    const int w = picture.width(), t = picture.height();

    // The picture over white, so transparent parts show white.
    QImage result(w, t, QImage::Format_RGB32);
    result.fill(Qt::white);
    {
        QPainter p(&result);
        p.drawImage(0, 0, picture);
    }

    // The mask: white outside the inscribed ellipse, black inside it and on
    // its rim. OR-ing the picture into it keeps the picture under black and
    // white under white.
    QImage mask(w, t, QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(0.5, 0.5, w - 1, t - 1));
    }
    for (int y = 0; y < t; ++y) {
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        const auto *m = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < w; ++x)
            out[x] |= m[x];
    }
    return result;
}

// --- TLabelPrinter ---------------------------------------------------------

TLabelPrinter::TLabelPrinter(TPrintJob &job, const TCoverDocument &document)
    : TElementPrinter(job, document.Settings, document.FilePath, document.KeepProportions), FDocument(document)
{
}

TPrintOutcome TLabelPrinter::PrintLabels(const TLabelPrintOptions &options)
{
    FJob.ClearAborted();
    TPrintOutcome outcome;
    if (std::find(options.Positions.begin(), options.Positions.end(), true) == options.Positions.end())
        return outcome;

    const TPrinterMargins m = FJob.GetPrinterMargins();
    try {
        FJob.SetOrientation(QPageLayout::Portrait);
        FJob.BeginJob(CoverJobTitle(FDocument.FilePath));
        for (int i = 0; i < MaxLabelsPerPage && !FJob.PrintAborted(); ++i) {
            if (!options.Positions[size_t(i)])
                continue;
            PrintLabel(double(FSettings.LabelXMargin[size_t(i)]) - m.Left,
                       double(FSettings.LabelYMargin[size_t(i)]) - m.Top, options.Border);
        }
        if (!FJob.PrintAborted())
            FJob.EndJob();
    } catch (const std::exception &e) {
        if (!FJob.PrintAborted())
            FJob.AbortJob();
        outcome.Status = TPrintOutcome::Failed;
        outcome.Reason = QString::fromUtf8(e.what());
        outcome.UserMessage = outcome.Reason;
    }
    if (outcome.Status != TPrintOutcome::Failed && FJob.PrintAborted())
        outcome.Status = TPrintOutcome::Aborted;
    outcome.UnreadablePictures = UnreadablePictures();
    return outcome;
}

void TLabelPrinter::Ellipse(double left, double top, double size, const QColor &pen, const QColor &brush,
                            bool filled)
{
    // The ellipse covers the box's pixels from its left up to, not
    // including, its right edge, and the same downward.
    const QRect box = DeviceRect(X(left), Y(top), X(left + size), Y(top + size));
    if (box.width() <= 0 || box.height() <= 0)
        return;
    FJob.Draw([box, pen, brush, filled](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(pen, 0));
        p.setBrush(filled ? QBrush(brush) : QBrush(Qt::NoBrush));
        p.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    });
}

void TLabelPrinter::PrintLabel(double h, double v, bool border)
{
    const TCoverSettings &s = FSettings;
    const TDocumentRecord &doc = FDocument.Record;
    const double D = s.OuterDiameter, d = s.InnerDiameter;
    const double hole = (D - d) / 2;

    const QColor label = ColorToQColor(s.Colors[ciRoundLabel]);
    if ((s.Colors[ciRoundLabel] & 0xFFFFFF) != 0xFFFFFF) {
        Ellipse(h, v, D, ColorToQColor(s.Colors[ciSpare]), label, true);
        Ellipse(h + hole, v + hole, d, Qt::white, Qt::white, true);
    }

    // Only the first picture fitted to the label prints as the label's
    // picture; the others fitted to it are left out.
    for (int i = 0; i < ImageSlotCount; ++i) {
        const TImageElementRecord &img = doc.Images[size_t(i)];
        if (OnLabel(img) && img.FitStyle == fsRoundLabel) {
            if (!FJob.PrintAborted())
                PrintLabelImage(img, h, v);
            break;
        }
    }
    // The other pictures in slot order, not clipped to the disc.
    for (int i = 0; i < ImageSlotCount && !FJob.PrintAborted(); ++i) {
        const TImageElementRecord &img = doc.Images[size_t(i)];
        if (OnLabel(img) && img.FitStyle != fsRoundLabel)
            PrintSizedImage(img, h, v);
    }
    for (int i = 0; i < TextSlotCount && !FJob.PrintAborted(); ++i) {
        const TTextElementRecord &t = doc.Texts[size_t(i)];
        if (t.isUsed() && t.SurfaceIndex == TSurfaceCode::RoundLabel)
            PrintText(t, h + t.XPosInches, v + t.YPosInches);
    }

    if (border && !FJob.PrintAborted()) {
        const QColor lines = ColorToQColor(s.Colors[ciLines]);
        Ellipse(h, v, D, lines, lines, false);
        Ellipse(h + hole, v + hole, d, lines, lines, false);
    }
}

void TLabelPrinter::PrintLabelImage(const TImageElementRecord &image, double h, double v)
{
    const double D = FSettings.OuterDiameter, d = FSettings.InnerDiameter;
    const int left = X(h), top = Y(v);
    const QRect rect = DeviceRect(left, top, left + X(D), top + Y(D));
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    // Read at the size the label square needs on paper, and masked at that
    // size.
    const QImage picture = LoadPrintPicture(image, rect.size());
    if (picture.isNull())
        return;
    const QImage masked = MaskToCircle(FKeepProportions ? picture.copy(CenterCropRect(picture.size(), QSizeF(1, 1)))
                                                        : picture);
    if (FJob.PrintAborted())
        return;
    VelPrinterUtils::PrintStretchedImage(FJob, rect, masked);
    const double hole = (D - d) / 2;
    Ellipse(h + hole, v + hole, d, Qt::white, Qt::white, true);
}

TPrintOutcome ExportLabelPdf(const TCoverDocument &document, const TLabelPrintOptions &options,
                             const QPageSize &paper, const QString &fileName)
{
    return ExportPdf(fileName, paper, [&](TPrintJob &job) {
        TLabelPrinter printer(job, document);
        return printer.PrintLabels(options);
    });
}
