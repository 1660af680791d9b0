// Writes a cover that shows everything printing draws (texts at the four
// angles with opaque and transparent backgrounds, a picture fitted to the
// front, one over both covers, a free picture, coloured spines, lines and
// guides) and exports it to PDF in every kind, then its round label on a
// label sheet and the calibration sheet, for looking at the pages:
//   build/bench/printing/print_demo FOLDER
//   pdftoppm -r 60 -png FOLDER/demo-all.pdf FOLDER/all

#include "CalibrationSheet.h"
#include "DocumentFile.h"
#include "FitGeometry.h"
#include "PdfExport.h"
#include "uPrintRoundLabel.h"
#include "TestSupport.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace {

QString Picture(const QString &path, QSize size, QColor a, QColor b, const QString &label)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(img.rect(), g);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(size.height() / 6);
    p.setFont(f);
    p.drawText(img.rect(), Qt::AlignCenter, label);
    p.end();
    img.save(path);
    return path;
}

TTextElementRecord Text(const QString &text, TSurfaceCode surface, float x, float y, int angle, bool opaque,
                        TColor back = 0x00FFFF)
{
    TTextElementRecord t;
    t.Text = text;
    t.FontName = QStringLiteral("Arial");
    t.RealFontSize = t.FontSize = 14;
    t.FontStyle = angle == 180 ? fbBold : 0;
    t.XPosInches = x;
    t.YPosInches = y;
    t.Angle = angle;
    t.Transparent = !opaque;
    t.BackColor = back;
    t.SurfaceIndex = surface;
    return t;
}

} // namespace

int main(int argc, char *argv[])
{
    std::unique_ptr<QTemporaryDir> home(TarvikTest::isolateUserFolders());
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: print_demo FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const TCoverSettings settings = TCoverSettings::Defaults();

    TCoverDocument doc;
    ClearDocumentRecord(doc.Record);
    doc.Settings = settings;
    doc.Settings.Colors = {0xE0F0FF, 0xF0FFE0, 0xFFF0F0, 0x80C0FF, 0xFFC080, 0xA0E0FF, 0x404040, clWhite};
    doc.Record.Colors = doc.Settings.Colors;
    doc.FilePath = folder + QStringLiteral("/demo.tvk");

    TImageElementRecord &both = doc.Record.Images[0];
    both.ImageFileName = Picture(folder + QStringLiteral("/both.png"), QSize(1200, 300), Qt::darkBlue, Qt::darkRed,
                                 QStringLiteral("INSIDE | FRONT"));
    ApplyFitToRecord(both, fsFrontInside, settings, 1.0f);
    TImageElementRecord &free = doc.Record.Images[1];
    free.ImageFileName = Picture(folder + QStringLiteral("/free.png"), QSize(300, 200), Qt::darkGreen, Qt::yellow,
                                 QStringLiteral("free"));
    free.SurfaceIndex = TSurfaceCode::Front;
    free.XPosInches = 2.5f;
    free.YPosInches = 2.8f;
    free.WidthInches = 1.8f;
    free.HeightInches = 1.2f;
    free.Order = 1;
    TImageElementRecord &back = doc.Record.Images[2];
    back.ImageFileName = Picture(folder + QStringLiteral("/back.png"), QSize(800, 600), Qt::darkMagenta, Qt::cyan,
                                 QStringLiteral("BACK"));
    ApplyFitToRecord(back, fsBack, settings, 1.0f);

    // The label: a picture fitted to it (its element small and shifted on
    // screen) and a small free picture at the square's corner.
    TImageElementRecord &label = doc.Record.Images[3];
    label.ImageFileName = Picture(folder + QStringLiteral("/label.png"), QSize(900, 600), Qt::darkCyan, Qt::darkYellow,
                                  QStringLiteral("LABEL"));
    label.SurfaceIndex = TSurfaceCode::RoundLabel;
    label.FitStyle = fsRoundLabel;
    label.XPosInches = label.YPosInches = 1;
    label.WidthInches = label.HeightInches = 0.5f;
    TImageElementRecord &corner = doc.Record.Images[4];
    corner = free;
    corner.ImageFileName = free.ImageFileName;
    corner.SurfaceIndex = TSurfaceCode::RoundLabel;
    corner.XPosInches = corner.YPosInches = 0;
    corner.WidthInches = 0.6f;
    corner.HeightInches = 0.4f;

    int slot = 0;
    for (TSurfaceCode s : {TSurfaceCode::Front, TSurfaceCode::Inside, TSurfaceCode::Back, TSurfaceCode::RoundLabel}) {
        doc.Record.Texts[size_t(slot++)] = Text(QStringLiteral("0 degrees, transparent"), s, 0.4f, 0.3f, 360, false);
        doc.Record.Texts[size_t(slot++)] = Text(QStringLiteral("90 degrees, opaque"), s, 0.3f, 0.8f, 90, true);
        doc.Record.Texts[size_t(slot++)] = Text(QStringLiteral("180 degrees, opaque"), s, 1.0f, 3.6f, 180, true, 0xC0FFC0);
        doc.Record.Texts[size_t(slot++)] = Text(QStringLiteral("270 degrees, transparent"), s, 4.2f, 0.8f, 270, false);
    }
    WriteDocumentFile(doc.FilePath, doc.Record);

    struct TRun {
        const char *name;
        TPrintKind kind;
        bool portrait, lines, guides;
    };
    const TRun runs[] = {
        {"all", pkAll, false, true, true},        {"all-portrait", pkAll, true, true, false},
        {"front-inside", pkFrontInside, false, true, true}, {"front", pkFront, true, true, true},
        {"inside", pkInside, true, false, true},  {"back", pkBack, true, true, true},
        {"front-back", pkFrontAndBack, true, true, true},
    };
    for (const TRun &r : runs) {
        TCoverPrintOptions o;
        o.Portrait = r.portrait;
        o.SeparationLines = r.lines;
        o.CuttingGuides = r.guides;
        const QString pdf = folder + QStringLiteral("/demo-%1.pdf").arg(QLatin1String(r.name));
        const TPrintOutcome out = ExportCoverPdf(doc, o, r.kind, QPageSize(QPageSize::A4), pdf);
        std::printf("%s: %s\n", qPrintable(pdf), out.Status == TPrintOutcome::Printed ? "written" : qPrintable(out.Reason));
    }

    // Two labels with their border, then the same without the label
    // picture (the disc in the label colour), and the calibration sheet.
    TLabelPrintOptions labels;
    labels.Positions = {true, true, false};
    auto report = [](const QString &pdf, const TPrintOutcome &out) {
        std::printf("%s: %s\n", qPrintable(pdf), out.Status == TPrintOutcome::Printed ? "written" : qPrintable(out.Reason));
    };
    QString pdf = folder + QStringLiteral("/demo-label.pdf");
    report(pdf, ExportLabelPdf(doc, labels, QPageSize(QPageSize::A4), pdf));
    doc.Record.Images[3] = TImageElementRecord();
    pdf = folder + QStringLiteral("/demo-label-disc.pdf");
    report(pdf, ExportLabelPdf(doc, labels, QPageSize(QPageSize::A4), pdf));
    pdf = folder + QStringLiteral("/demo-calibration.pdf");
    report(pdf, ExportPdf(pdf, QPageSize(QPageSize::A4), [](TPrintJob &job) { return PrintCalibrationSheet(job); }));
    return 0;
}
