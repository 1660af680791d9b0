#include "Printing.h"

#include "DocumentFile.h"
#include "DocumentColors.h"
#include "PrintJob.h"
#include "PrintPictures.h"
#include "RotatedText.h"
#include "TVKRegistry.h"
#include "TarvikError.h"
#include "VelMeasureRoutines.h"
#include "VelPrinterUtils.h"
#include "uResource.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cerrno>

using VelMeasureRoutines::InchesToPrinterPixelsX;
using VelMeasureRoutines::InchesToPrinterPixelsY;
using VelPrinterUtils::DeviceRect;

namespace {

// The largest text size printed, as on screen.
constexpr int MaxPrintedPointSize = 4000;

// Cutting guides stand 0.1 inch off the cover and are 0.2 inch long; a
// layout with guides moves that far in from the margins.
constexpr double GuideGap = 0.1;
constexpr double GuideLength = 0.2;

bool OnSurface(const TImageElementRecord &r, TSurfaceCode code)
{
    return r.SurfaceIndex == code;
}

} // namespace

TCoverPrintOptions ReadPrinterMargins()
{
    using namespace TVKRegistry;
    TCoverPrintOptions o;
    o.XMargin = float(ReadLabelSetting(QStringLiteral("XPrinterMargin")));
    o.YMargin = float(ReadLabelSetting(QStringLiteral("YPrinterMargin")));
    return o;
}

TCoverPrintOptions ReadCoverPrintOptions()
{
    using namespace TVKRegistry;
    TCoverPrintOptions o = ReadPrinterMargins();
    o.Portrait = ReadPreference(prPrintPortrait) == QLatin1String("1");
    o.SeparationLines = ReadPreference(prPrintSeparationLines) == QLatin1String("1");
    o.CuttingGuides = ReadPreference(prPrintCuttingGuides) == QLatin1String("1");
    return o;
}

QString CoverJobTitle(const QString &filePath)
{
    if (filePath.isEmpty())
        return QStringLiteral("Tarvik file");
    return QFileInfo(filePath).fileName();
}

void SortByOrder(QList<int> &list, const TDocumentRecord &record)
{
    auto order = [&](int slot) { return record.Images[size_t(slot)].Order; };
    // Each swap puts one pair in order, so the passes end; restarting after
    // every swap keeps the rule simple to follow.
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (qsizetype i = 0; i + 1 < list.size(); ++i) {
            if (order(list[i + 1]) < order(list[i]) && order(list[i]) >= 0) {
                std::swap(list[i], list[i + 1]);
                swapped = true;
                break;
            }
        }
    }
}

// --- TElementPrinter ------------------------------------------------------

TElementPrinter::TElementPrinter(TPrintJob &job, const TCoverSettings &settings, const QString &documentPath,
                                 bool keepProportions)
    : FJob(job), FSettings(settings), FDocumentPath(documentPath), FKeepProportions(keepProportions)
{
}

int TElementPrinter::X(double inches) const
{
    return InchesToPrinterPixelsX(float(inches), float(FJob.ResolutionX()));
}

int TElementPrinter::Y(double inches) const
{
    return InchesToPrinterPixelsY(float(inches), float(FJob.ResolutionY()));
}

QImage TElementPrinter::LoadPrintPicture(const TImageElementRecord &image, QSize need)
{
    // The record holds the path the element shows; a document read from a
    // file may hold a path that has moved next to the document since.
    const QString path = LocateImage(image.ImageFileName, FDocumentPath);
    QImage picture;
    if (!path.isEmpty() && !need.isEmpty())
        picture = ReadPrintPicture(path, need);
    if (picture.isNull() && !need.isEmpty() && !FUnreadable.contains(image.ImageFileName))
        FUnreadable.append(image.ImageFileName);
    return picture;
}

void TElementPrinter::PrintSizedImage(const TImageElementRecord &image, double h, double v)
{
    if (FJob.PrintAborted())
        return;
    QRect rect;
    if (image.FitStyle == fsFrontInside) {
        const int left = X(h), top = Y(v);
        rect = DeviceRect(left, top, left + X(FSettings.FrontWidth + FSettings.InsideWidth),
                          top + Y(FSettings.FrontHeight));
    } else {
        const int left = X(h + image.XPosInches), top = Y(v + image.YPosInches);
        rect = DeviceRect(left, top, left + X(image.WidthInches), top + Y(image.HeightInches));
    }
    // A picture without area leaves no mark on paper.
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QImage picture = LoadPrintPicture(image, rect.size());
    if (picture.isNull())
        return;
    VelPrinterUtils::PrintStretchedImage(FJob, rect, picture, PrintSourceRect(picture.size(), rect.size(), image, FKeepProportions));
}

void TElementPrinter::PrintHalfImage(int half, const TImageElementRecord &image, float h, float v)
{
    if (FJob.PrintAborted())
        return;
    const int left = X(h), top = Y(v);
    const QRect rect = half == 1
        ? DeviceRect(left, top, left + X(FSettings.FrontWidth), top + Y(FSettings.FrontHeight))
        : DeviceRect(left, top, left + X(FSettings.InsideWidth), top + Y(FSettings.InsideHeight));
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    // The whole picture spans both covers: it is read for twice the width.
    const QSize whole(rect.width() * 2, rect.height());
    const QImage picture = LoadPrintPicture(image, whole);
    if (picture.isNull())
        return;
    const QRect source = HalfSourceRect(PrintSourceRect(picture.size(), whole, image, FKeepProportions), half);
    if (source.isEmpty())
        return;
    VelPrinterUtils::PrintStretchedImage(FJob, rect, picture, source);
}

QString TElementPrinter::fontFamily(const QString &name)
{
    // A font that is not installed prints in Arial, as the element shows it.
    auto it = FFontInstalled.find(name);
    if (it == FFontInstalled.end())
        it = FFontInstalled.insert(name, !name.isEmpty() && IsFontInstalled(name));
    return it.value() ? name : QStringLiteral("Arial");
}

void TElementPrinter::PrintText(const TTextElementRecord &text, double across, double down)
{
    int points = text.RealFontSize > 0 ? text.RealFontSize : text.FontSize;
    points = std::clamp(points, 1, MaxPrintedPointSize);
    QFont font(fontFamily(text.FontName));
    font.setPixelSize(VelPrinterUtils::PrinterFontPixelSize(points, FJob.ResolutionY()));
    font.setBold(text.FontStyle & fbBold);
    font.setItalic(text.FontStyle & fbItalic);
    font.setUnderline(text.FontStyle & fbUnderline);
    font.setStrikeOut(text.FontStyle & fbStrikeout);

    VelPrinterUtils::TCanvasText canvas;
    canvas.Font = font;
    canvas.Color = ColorToQColor(text.FontColor);
    if (!text.Transparent)
        canvas.Background = ColorToQColor(text.BackColor);
    VelPrinterUtils::PrintRotatedText(FJob, canvas, text.Text, NormalizeAngle(text.Angle), float(X(across)),
                                      float(Y(down)));
}

// --- TCoverPrinter --------------------------------------------------------

TCoverPrinter::TCoverPrinter(TPrintJob &job, const TCoverDocument &document, const TCoverPrintOptions &options)
    : TElementPrinter(job, document.Settings, document.FilePath, document.KeepProportions), FDocument(document),
      FOptions(options)
{
}

TPrintOutcome TCoverPrinter::PrintCover(TPrintKind kind)
{
    FJob.ClearAborted();
    const bool portrait = FOptions.Portrait;
    const TPrinterMargins m = FJob.GetPrinterMargins();
    double OX = double(FOptions.XMargin) - m.Left;
    double OY = double(FOptions.YMargin) - m.Top;
    if (FOptions.CuttingGuides) {
        OX += GuideGap + GuideLength;
        OY += GuideGap + GuideLength;
    }
    const QString title = CoverJobTitle(FDocument.FilePath);

    // Outside the error handling below: a printer that takes no copy count
    // reports that in its own words, before any job begins.
    FJob.SetCopies(FOptions.Copies);
    FJob.SetOrientation(QPageLayout::Landscape);

    TPrintOutcome outcome;
    try {
        // The horizontal margin always measures along the short edge of the
        // sheet held upright: in landscape it moves the cover down the page.
        const double loH = OY, loV = OX;
        const double poH = OX, poV = OY;
        switch (kind) {
        case pkFrontInside:
            FJob.BeginJob(title);
            Page(pkFrontInside, loH, loV);
            break;
        case pkFront:
        case pkInside:
        case pkBack:
            if (portrait) {
                FJob.SetOrientation(QPageLayout::Portrait);
                FJob.BeginJob(title);
                Page(kind, poH, poV);
            } else {
                FJob.BeginJob(title);
                Page(kind, loH, loV);
            }
            break;
        case pkAll:
            FJob.BeginJob(title);
            if (!FJob.PrintAborted())
                Page(pkFrontInside, loH, loV);
            if (!FJob.PrintAborted()) {
                if (portrait) {
                    FJob.EndJob();
                    FJob.SetOrientation(QPageLayout::Portrait);
                    FJob.BeginJob(title);
                    Page(pkBack, poH, poV);
                } else {
                    FJob.NewPage();
                    Page(pkBack, loH, loV);
                }
            }
            break;
        case pkFrontAndBack:
            if (portrait) {
                FJob.SetOrientation(QPageLayout::Portrait);
                FJob.BeginJob(title);
                Page(pkFront, poH, poV);
                const double vb = FOptions.CuttingGuides ? OY + 0.7 + FSettings.FrontHeight
                                                         : OY + OY / 2 + FSettings.FrontHeight;
                Page(pkBack, OX, vb);
            } else {
                FJob.BeginJob(title);
                Page(pkFront, loH, loV);
                if (!FJob.PrintAborted())
                    FJob.NewPage();
                Page(pkBack, loH, loV);
            }
            break;
        }
        if (!FJob.PrintAborted())
            FJob.EndJob();
    } catch (const std::exception &e) {
        const int code = errno;
        if (!FJob.PrintAborted())
            FJob.AbortJob();
        outcome.Status = TPrintOutcome::Failed;
        outcome.UserMessage = Str(2700) + QString::number(code) + Str(2705);
        outcome.Reason = QString::fromUtf8(e.what());
    }
    if (outcome.Status != TPrintOutcome::Failed && FJob.PrintAborted())
        outcome.Status = TPrintOutcome::Aborted;
    outcome.UnreadablePictures = UnreadablePictures();
    return outcome;
}

void TCoverPrinter::Page(TPrintKind kind, double h, double v)
{
    PrintBackgrounds(kind, h, v);
    PrintElements(kind, h, v);
    PrintCoverLines(kind, h, v);
}

void TCoverPrinter::PrintBackgrounds(TPrintKind kind, double h, double v)
{
    const TCoverSettings &s = FSettings;
    auto fill = [this](TColorIndex colour, double left, double top, double right, double bottom) {
        const QRect r = DeviceRect(X(left), Y(top), X(right), Y(bottom));
        const QColor c = ColorToQColor(FSettings.Colors[colour]);
        FJob.Draw([r, c](QPainter &p) { p.fillRect(r, c); });
    };
    switch (kind) {
    case pkFront:
        fill(ciFront, h, v, h + s.FrontWidth, v + s.FrontHeight);
        break;
    case pkInside:
        fill(ciInside, h, v, h + s.InsideWidth, v + s.FrontHeight);
        break;
    case pkFrontInside:
        fill(ciInside, h, v, h + s.InsideWidth, v + s.FrontHeight);
        fill(ciFront, h + s.InsideWidth, v, h + s.InsideWidth + s.FrontWidth, v + s.FrontHeight);
        break;
    case pkBack:
        fill(ciLeftSpine, h, v, h + s.LeftSpineWidth, v + s.BackHeight);
        fill(ciBack, h + s.LeftSpineWidth, v, h + s.BackWidth - s.RightSpineWidth, v + s.BackHeight);
        fill(ciRightSpine, h + s.BackWidth - s.RightSpineWidth, v, h + s.BackWidth, v + s.BackHeight);
        break;
    default:
        break;
    }
}

void TCoverPrinter::PrintElements(TPrintKind kind, double h, double v)
{
    const TDocumentRecord &doc = FDocument.Record;
    const TCoverSettings &s = FSettings;

    // Pictures fitted over both covers first, whatever surface holds them.
    for (int i = 0; i < ImageSlotCount && !FJob.PrintAborted(); ++i) {
        const TImageElementRecord &img = doc.Images[size_t(i)];
        if (!img.isUsed() || img.FitStyle != fsFrontInside)
            continue;
        if (kind == pkFrontInside)
            PrintSizedImage(img, h, v);
        else if (kind == pkFront)
            PrintHalfImage(1, img, float(h), float(v));
        else if (kind == pkInside)
            PrintHalfImage(2, img, float(h), float(v));
    }

    QList<int> front, inside, back;
    for (int i = 0; i < ImageSlotCount; ++i) {
        const TImageElementRecord &img = doc.Images[size_t(i)];
        if (!img.isUsed())
            continue;
        if (OnSurface(img, TSurfaceCode::Front) && img.FitStyle != fsFrontInside)
            front.append(i);
        else if (OnSurface(img, TSurfaceCode::Inside) && img.FitStyle != fsFrontInside)
            inside.append(i);
        else if (OnSurface(img, TSurfaceCode::Back))
            back.append(i);
    }
    SortByOrder(front, doc);
    SortByOrder(inside, doc);
    SortByOrder(back, doc);

    // On a front-and-inside page the two covers' pictures alternate.
    for (int k = 0; k < ImageSlotCount && !FJob.PrintAborted(); ++k) {
        if ((kind == pkFrontInside || kind == pkFront) && k < front.size())
            PrintSizedImage(doc.Images[size_t(front[k])], kind == pkFrontInside ? h + s.InsideWidth : h, v);
        if ((kind == pkFrontInside || kind == pkInside) && k < inside.size())
            PrintSizedImage(doc.Images[size_t(inside[k])], h, v);
        if (kind == pkBack && k < back.size())
            PrintSizedImage(doc.Images[size_t(back[k])], h, v);
    }

    for (int i = 0; i < TextSlotCount && !FJob.PrintAborted(); ++i) {
        const TTextElementRecord &t = doc.Texts[size_t(i)];
        if (!t.isUsed())
            continue;
        const TSurfaceCode surface = t.SurfaceIndex;
        const bool onPage = (kind == pkFrontInside && (surface == TSurfaceCode::Front || surface == TSurfaceCode::Inside))
            || (kind == pkFront && surface == TSurfaceCode::Front)
            || (kind == pkInside && surface == TSurfaceCode::Inside)
            || (kind == pkBack && surface == TSurfaceCode::Back);
        if (!onPage)
            continue;
        const double shift = kind == pkFrontInside && surface == TSurfaceCode::Front ? h + s.InsideWidth : h;
        PrintText(t, t.XPosInches + shift, v + t.YPosInches);
    }
}

void TCoverPrinter::Line(double x1, double y1, double x2, double y2)
{
    // A line from its start up to, not including, its end point, one device
    // pixel wide.
    QPoint a(X(x1), Y(y1));
    QPoint b(X(x2), Y(y2));
    if (a == b)
        return;
    const QPoint step((b.x() > a.x()) - (b.x() < a.x()), (b.y() > a.y()) - (b.y() < a.y()));
    b -= step;
    const QColor colour = ColorToQColor(FSettings.Colors[ciLines]);
    FJob.Draw([a, b, colour](QPainter &p) {
        p.setPen(QPen(colour, 0));
        p.drawLine(a, b);
    });
}

void TCoverPrinter::PrintCoverLines(TPrintKind kind, double h, double v)
{
    const TCoverSettings &s = FSettings;
    double W = 0, H = 0;
    QList<double> folds;
    switch (kind) {
    case pkFrontInside:
        W = s.InsideWidth + s.FrontWidth;
        H = s.FrontHeight;
        folds = {h + s.InsideWidth};
        break;
    case pkFront:
        W = s.FrontWidth;
        H = s.FrontHeight;
        break;
    case pkInside:
        W = s.InsideWidth;
        H = s.InsideHeight;
        break;
    case pkBack:
        W = s.BackWidth;
        H = s.BackHeight;
        folds = {h + s.LeftSpineWidth, h + s.BackWidth - s.RightSpineWidth};
        break;
    default:
        return;
    }
    const double left = h, right = h + W, top = v, bottom = v + H;

    // The outline covers the box's pixels from its left to one before its
    // right edge, and the same downward.
    const QRect box = DeviceRect(X(left), Y(top), X(right), Y(bottom));
    const QColor colour = ColorToQColor(s.Colors[ciLines]);
    FJob.Draw([box, colour](QPainter &p) {
        p.setPen(QPen(colour, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box.adjusted(0, 0, -1, -1));
    });

    if (FOptions.SeparationLines) {
        const double foldHeight = kind == pkFrontInside ? s.InsideHeight : H;
        for (double x : folds)
            Line(x, top, x, top + foldHeight);
    }

    if (FOptions.CuttingGuides) {
        const double far = GuideGap + GuideLength, near = GuideGap;
        // top-left, top-right, bottom-left, bottom-right; each drawn from its
        // far end toward the box.
        Line(left, top - far, left, top - near);
        Line(left - far, top, left - near, top);
        Line(right, top - far, right, top - near);
        Line(right + far, top, right + near, top);
        Line(left, bottom + far, left, bottom + near);
        Line(left - far, bottom, left - near, bottom);
        Line(right, bottom + far, right, bottom + near);
        Line(right + far, bottom, right + near, bottom);
        for (double x : folds) {
            Line(x, top - far, x, top - near);
            Line(x, bottom + far, x, bottom + near);
        }
    }
}
