// Round labels on page images of the whole sheet at a printer's resolution:
// where the discs, holes, pictures, texts and border land, measured from
// the sheet's physical edges; the circle mask; the label sheets of template
// files; the calibration sheet; and one label sheet through a PDF file.

#include "CalibrationSheet.h"
#include "ImagePrintJob.h"
#include "LabelSheetPresets.h"
#include "PrintTestSupport.h"
#include "TestSupport.h"
#include "VelMeasureRoutines.h"
#include "uPrintRoundLabel.h"

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>

using namespace PrintTest;
using VelMeasureRoutines::CmToInches;
using VelMeasureRoutines::RoundEven;

namespace {

constexpr int Dpi = 300;

int Px(double inches)
{
    return RoundEven(float(Dpi) * float(inches));
}

double Cm(int pixels)
{
    return pixels * 2.54 / Dpi;
}

bool IsWhite(QRgb c)
{
    return (c & 0xFFFFFF) == 0xFFFFFF;
}

TLabelPrintOptions Positions(bool p1, bool p2, bool p3, bool border = true)
{
    TLabelPrintOptions o;
    o.Positions = {p1, p2, p3};
    o.Border = border;
    return o;
}

TCoverDocument LabelDocument(TColor label = Red)
{
    TCoverDocument doc = EmptyDocument();
    doc.Settings.Colors[ciRoundLabel] = label;
    return doc;
}

QImage PrintOne(TImagePrintJob &job, const TCoverDocument &doc, const TLabelPrintOptions &options)
{
    const TPrintOutcome outcome = TLabelPrinter(job, doc).PrintLabels(options);
    if (outcome.Status != TPrintOutcome::Printed || job.Jobs().size() != 1 || job.Jobs()[0].Pages.size() != 1)
        return QImage();
    return job.Jobs()[0].Pages[0];
}

// The run of pixels passing `test` through (x, y) along the row.
std::pair<int, int> RowRun(const QImage &page, int x, int y, const TPixelTest &test)
{
    int l = x, r = x;
    while (l > 0 && test(page.pixel(l - 1, y)))
        --l;
    while (r + 1 < page.width() && test(page.pixel(r + 1, y)))
        ++r;
    return {l, r};
}

} // namespace

class TestRoundLabel : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString redPicture, bluePicture;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        redPicture = WritePicture(dir.filePath(QStringLiteral("red.png")), QSize(90, 60), Qt::red, Qt::red);
        bluePicture = WritePicture(dir.filePath(QStringLiteral("blue.png")), QSize(64, 64), Qt::blue, Qt::blue);
    }

    void defaultSheetFromThePhysicalEdges_data()
    {
        QTest::addColumn<QMarginsF>("unprintable");
        QTest::newRow("no unprintable strips") << QMarginsF();
        QTest::newRow("strips of 0.25 and 0.17 in") << QMarginsF(0.25, 0.17, 0.25, 0.5);
    }

    void defaultSheetFromThePhysicalEdges()
    {
        // The defaults: 11.5 cm labels with 4.5 cm holes at 4.8/2.2 cm and
        // 4.8/16.3 cm from the left and top edges of an A4 sheet.
        QFETCH(QMarginsF, unprintable);
        TImagePrintJob job(Dpi, QSizeF(8.27, 11.69), unprintable);
        const QImage page = PrintOne(job, LabelDocument(), Positions(true, true, false, false));
        QVERIFY(!page.isNull());
        QCOMPARE(job.Jobs()[0].Orientations, QList<QPageLayout::Orientation>{QPageLayout::Portrait});

        const int middle = page.height() / 2;
        const QRect upper = Bounds(page, IsRed, QRect(0, 0, page.width(), middle));
        const QRect lower = Bounds(page, IsRed, QRect(0, middle, page.width(), middle));
        for (const auto &[disc, top] : {std::pair{upper, 2.2}, std::pair{lower, 16.3}}) {
            QVERIFY2(qAbs(disc.left() - Px(CmToInches(4.8f))) <= 1, qPrintable(QString::number(disc.left())));
            QVERIFY2(qAbs(disc.top() - Px(CmToInches(float(top)))) <= 1, qPrintable(QString::number(disc.top())));
            QVERIFY(qAbs(Cm(disc.width()) - 11.5) < 0.02);
            QVERIFY(qAbs(Cm(disc.height()) - 11.5) < 0.02);
            // The hole: white across the disc's middle, 4.5 cm wide.
            const QPoint centre = disc.center();
            QVERIFY(IsWhite(page.pixel(centre)));
            const auto [l, r] = RowRun(page, centre.x(), centre.y(), IsWhite);
            QVERIFY2(qAbs(Cm(r - l + 1) - 4.5) < 0.02, qPrintable(QString::number(Cm(r - l + 1))));
        }
        // Nothing else on the sheet.
        QCOMPARE(Count(page, IsMarked), Count(page, IsRed));
    }

    void whiteLabelAndTheBorder_data()
    {
        QTest::addColumn<bool>("border");
        QTest::addColumn<bool>("picture");
        QTest::newRow("nothing at all") << false << false;
        QTest::newRow("the border alone") << true << false;
        QTest::newRow("a fitted picture keeps its hole") << false << true;
    }

    void whiteLabelAndTheBorder()
    {
        // A white label draws no disc; the border draws the two circles in
        // the lines colour, and nothing when it is off.
        QFETCH(bool, border);
        QFETCH(bool, picture);
        TImagePrintJob job(Dpi);
        TCoverDocument doc = LabelDocument(clWhite);
        doc.Settings.Colors[ciLines] = Blue;
        if (picture)
            doc.Record.Images[0] = Image(redPicture, TSurfaceCode::RoundLabel, 0, 0, 1, 1, fsRoundLabel);
        const QImage page = PrintOne(job, doc, Positions(true, false, false, border));
        QVERIFY(!page.isNull());

        const int h = Px(CmToInches(4.8f)), v = Px(CmToInches(2.2f)), D = Px(CmToInches(11.5f));
        const QRect square(h, v, D, D);
        const QPoint centre = square.center();
        QCOMPARE(Count(page, IsMarked) > 0, border || picture);
        QCOMPARE(Count(page, IsMarked, square), Count(page, IsMarked));
        if (border) {
            // two thin circles: the outer one's box, and the hole's
            QVERIFY(qAbs(Bounds(page, IsBlue).width() - D) <= 2);
            const auto [l, r] = RowRun(page, centre.x(), centre.y(), IsWhite);
            QVERIFY(IsBlue(page.pixel(l - 1, centre.y())) && IsBlue(page.pixel(r + 1, centre.y())));
            QVERIFY(qAbs(Cm(r - l + 3) - 4.5) < 0.02);
            QVERIFY(Count(page, IsBlue) < 4 * D + 4 * Px(CmToInches(4.5f)));
        }
        if (picture) {
            QVERIFY(IsWhite(page.pixel(centre)));
            QVERIFY(IsRed(page.pixel(centre.x(), v + D / 8)));
        }
    }

    void labelPictureFillsTheLabelSquare()
    {
        // On screen the element is small and shifted; on paper the picture
        // covers the whole label square, kept inside the disc.
        TImagePrintJob job(Dpi);
        TCoverDocument doc = LabelDocument(clWhite);
        doc.Record.Images[4] = Image(redPicture, TSurfaceCode::RoundLabel, 1.3f, 0.7f, 0.5f, 0.25f, fsRoundLabel);
        const QImage page = PrintOne(job, doc, Positions(true, false, false, false));
        const int h = Px(CmToInches(4.8f)), v = Px(CmToInches(2.2f)), D = Px(CmToInches(11.5f));
        const QRect red = Bounds(page, IsRed);
        QVERIFY2(qAbs(red.left() - h) <= 1 && qAbs(red.top() - v) <= 1, qPrintable(QString("%1,%2").arg(red.left()).arg(red.top())));
        QVERIFY(qAbs(red.width() - D) <= 2 && qAbs(red.height() - D) <= 2);
        // The corners of the square stay white.
        QVERIFY(IsWhite(page.pixel(h + D / 20, v + D / 20)));
        QVERIFY(IsWhite(page.pixel(h + D - D / 20, v + D - D / 20)));
    }

    void onlyTheFirstFittedPicturePrints()
    {
        TImagePrintJob job(Dpi);
        TCoverDocument doc = LabelDocument(clWhite);
        doc.Record.Images[7] = Image(bluePicture, TSurfaceCode::RoundLabel, 0, 0, 1, 1, fsRoundLabel);
        doc.Record.Images[3] = Image(redPicture, TSurfaceCode::RoundLabel, 0, 0, 1, 1, fsRoundLabel);
        const QImage page = PrintOne(job, doc, Positions(true, false, false, false));
        QVERIFY(Count(page, IsRed) > 1000);
        QCOMPARE(Count(page, IsBlue), 0);
    }

    void otherPicturesAndTextsAtTheirPlaces()
    {
        // Another picture is not clipped to the disc: in the square's corner
        // it shows. Texts land at their place in the square, above the
        // label picture.
        TImagePrintJob job(Dpi);
        TCoverDocument doc = LabelDocument(Green);
        doc.Record.Images[0] = Image(bluePicture, TSurfaceCode::RoundLabel, 0, 0, 0.4f, 0.4f);
        doc.Record.Images[1] = Image(redPicture, TSurfaceCode::Front, 0, 0, 1, 1); // another surface
        doc.Record.Texts[0] = Text(QStringLiteral("MMMM"), TSurfaceCode::RoundLabel, 1.5f, 2.0f, 0, 20);
        const QImage page = PrintOne(job, doc, Positions(false, true, false, false));
        const int h = Px(CmToInches(4.8f)), v = Px(CmToInches(16.3f));
        QCOMPARE(Bounds(page, IsBlue), QRect(h, v, Px(0.4), Px(0.4)));
        QCOMPARE(Count(page, IsRed), 0);
        const QRect text = Bounds(page, [](QRgb c) { return qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80; });
        QVERIFY2(qAbs(text.left() - (h + Px(1.5))) < 10 && text.top() > v + Px(2.0) && text.top() < v + Px(2.0) + 40,
                 qPrintable(QString("%1,%2").arg(text.left()).arg(text.top())));
    }

    void nothingCheckedPrintsNothing()
    {
        TImagePrintJob job(Dpi);
        QCOMPARE(TLabelPrinter(job, LabelDocument()).PrintLabels(Positions(false, false, false)).Status,
                 TPrintOutcome::Printed);
        QVERIFY(job.Jobs().isEmpty());
    }

    void abortDiscardsTheSheet()
    {
        TImagePrintJob job(Dpi);
        job.BetweenSteps = [&job] { job.AbortJob(); };
        QCOMPARE(TLabelPrinter(job, LabelDocument()).PrintLabels(Positions(true, true, true)).Status,
                 TPrintOutcome::Aborted);
        QCOMPARE(job.Jobs().size(), 1);
        QVERIFY(job.Jobs()[0].Aborted && !job.Jobs()[0].Ended);
    }

    void commandLinePositions_data()
    {
        QTest::addColumn<int>("perPage");
        QTest::addColumn<QList<bool>>("last");
        QTest::addColumn<QList<bool>>("printed");
        QTest::newRow("never printed: all of the sheet") << 2 << QList<bool>{false, false, false} << QList<bool>{true, true, false};
        QTest::newRow("never printed, one per sheet") << 1 << QList<bool>{false, false, false} << QList<bool>{true, false, false};
        QTest::newRow("the last checked, beyond the sheet too") << 2 << QList<bool>{false, false, true} << QList<bool>{false, false, true};
    }

    void commandLinePositions()
    {
        QFETCH(int, perPage);
        QFETCH(QList<bool>, last);
        QFETCH(QList<bool>, printed);
        WritePrintedLabels({last[0], last[1], last[2]});
        const auto positions = DefaultLabelPositions(perPage, ReadPrintedLabels());
        QCOMPARE(QList<bool>(positions.begin(), positions.end()), printed);
    }

    void maskKeepsTheInscribedEllipse()
    {
        // A 40 x 20 picture, half transparent: outside the ellipse white,
        // inside the picture, transparent parts white.
        QImage picture(40, 20, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        for (int y = 0; y < 20; ++y)
            for (int x = 20; x < 40; ++x)
                picture.setPixel(x, y, qRgba(0, 0, 0, 0));
        const QImage masked = MaskToCircle(picture);
        QCOMPARE(masked.size(), picture.size());
        QVERIFY(IsWhite(masked.pixel(0, 0)) && IsWhite(masked.pixel(0, 19)) && IsWhite(masked.pixel(39, 0)));
        QVERIFY(IsRed(masked.pixel(10, 10)));
        QVERIFY(IsRed(masked.pixel(0, 10)));       // the rim keeps the picture
        QVERIFY(IsRed(masked.pixel(19, 0)));
        QVERIFY(IsWhite(masked.pixel(30, 10)));    // transparent
        QVERIFY(MaskToCircle(QImage()).isNull());
    }

    void templateFileGivesItsCdSheets()
    {
        QFile file(QStringLiteral(TARVIK_TEST_DATA "/data/cd-sheets.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        const QList<TLabelSheetPreset> presets = ReadLabelTemplates(file, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList names;
        for (const TLabelSheetPreset &p : presets)
            names << p.Name;
        // file order; the address labels and the three impossible sheets
        // are left out
        QCOMPARE(names, (QStringList{"Testa CD-2", "Testa CD-4", "Testa CD-2B"}));

        auto near = [](float a, double b) { return qAbs(double(a) - b) < 1e-4; };
        const TLabelSheetPreset &mm = presets[0];
        QCOMPARE(mm.Description, QStringLiteral("CD labels, 2 per sheet"));
        QCOMPARE(mm.Paper, QStringLiteral("A4"));
        QCOMPARE(mm.LabelsPerPage, 2);
        QVERIFY(near(mm.OuterDiameter, 117 / 25.4) && near(mm.InnerDiameter, 41 / 25.4));
        QVERIFY(near(mm.XMargin[0], 46.5 / 25.4) && near(mm.YMargin[0], 21.5 / 25.4));
        QVERIFY(near(mm.XMargin[1], 46.5 / 25.4) && near(mm.YMargin[1], 158.5 / 25.4));

        const TLabelSheetPreset &pt = presets[1];
        QCOMPARE(pt.LabelsPerPage, 3); // four on the sheet, three kept
        QVERIFY(near(pt.OuterDiameter, 4.625) && near(pt.InnerDiameter, 1.625));
        QVERIFY(near(pt.XMargin[0], 0.5) && near(pt.YMargin[0], 0.625));
        QVERIFY(near(pt.XMargin[1], 3.375) && near(pt.YMargin[1], 0.625));
        QVERIFY(near(pt.XMargin[2], 0.5) && near(pt.YMargin[2], 5.5));

        // the equivalent is the same sheet
        QCOMPARE(presets[2].XMargin, mm.XMargin);
        QCOMPARE(presets[2].YMargin, mm.YMargin);
        QCOMPARE(presets[2].OuterDiameter, mm.OuterDiameter);

        // A label of 11.5 cm lies on the middle of the sheet's 11.7 cm labels.
        const float shift = (mm.OuterDiameter - CmToInches(11.5f)) / 2;
        QVERIFY(near(mm.XMarginFor(CmToInches(11.5f))[0], 46.5 / 25.4 + shift));
        QVERIFY(near(mm.YMarginFor(CmToInches(11.5f))[1], 158.5 / 25.4 + shift));
    }

    void brokenAndForeignFilesAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("cut off") << QByteArray("<Glabels-templates><Template brand='A' part='B'><Label-cd radius='58mm' hole='20mm'>"
                                               "<Layout nx='1' ny='1' x0='1in' y0='1in'/></Label-cd></Template><Template");
        QTest::newRow("another kind of file") << QByteArray("<Glabels-paper-sizes><Paper-size id='A4'/></Glabels-paper-sizes>");
        QTest::newRow("not XML") << QByteArray("\x89PNG\r\n\x1a\n");
        QTest::newRow("empty") << QByteArray();
    }

    void brokenAndForeignFilesAreSkipped()
    {
        QFETCH(QByteArray, content);
        QBuffer buffer(&content);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QString error;
        QVERIFY(ReadLabelTemplates(buffer, &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void presetsOfSeveralFiles()
    {
        // Sorted by name; the broken file adds nothing; an equivalent may
        // name a sheet of another file; a missing file is passed over.
        const QString data = QStringLiteral(TARVIK_TEST_DATA "/data/");
        const QList<TLabelSheetPreset> presets = ReadLabelSheetPresets(
            {data + "cd-sheets.xml", data + "broken.xml", data + "other-sheets.xml", data + "missing.xml",
             data + "cd-sheets.xml"});
        QStringList names;
        for (const TLabelSheetPreset &p : presets)
            names << p.Name;
        QCOMPARE(names, (QStringList{"Testa CD-2", "Testa CD-2B", "Testa CD-2C", "Testa CD-4"}));
    }

    void calibrationCrossesFromThePhysicalEdges_data()
    {
        QTest::addColumn<QMarginsF>("unprintable");
        QTest::newRow("no unprintable strips") << QMarginsF();
        QTest::newRow("uneven strips") << QMarginsF(0.25, 0.17, 0.13, 0.5);
    }

    void calibrationCrossesFromThePhysicalEdges()
    {
        // The middle of each cross's lines lies 3 cm from the nearest edges.
        QFETCH(QMarginsF, unprintable);
        TImagePrintJob job(Dpi, QSizeF(8.5, 11), unprintable);
        QCOMPARE(PrintCalibrationSheet(job).Status, TPrintOutcome::Printed);
        QCOMPARE(job.Jobs().size(), 1);
        const QImage page = job.Jobs()[0].Pages[0];
        const double inset = CmToInches(float(CalibrationInsetCm));
        const int c = Px(inset);
        const int arm = Px(CmToInches(0.75f)); // on an arm, off the rulers and the circle
        const int W = page.width(), H = page.height();
        struct Cross {
            int x, y;
        };
        const int right = Px(8.5 - inset), bottom = Px(11 - inset);
        for (const Cross &cross : {Cross{c, c}, Cross{right, c}, Cross{c, bottom}, Cross{right, bottom}}) {
            const int above = cross.y < H / 2 ? cross.y - arm : cross.y + arm;
            const int beside = cross.x < W / 2 ? cross.x - arm : cross.x + arm;
            const auto [l, r] = RowRun(page, cross.x, above, IsInk);
            QVERIFY2(qAbs((l + r) / 2.0 - cross.x) <= 1.0, qPrintable(QString("%1-%2 for %3").arg(l).arg(r).arg(cross.x)));
            const QRect level = Bounds(page, IsInk, QRect(beside, cross.y - 10, 1, 21));
            QVERIFY2(qAbs(level.center().y() - cross.y) <= 1, qPrintable(QString::number(level.center().y())));
        }
        // The ruler's centimetre ticks hang 5 mm, the others less: ten of
        // them from 4 to 13 cm.
        const int from = c + Px(CmToInches(0.6f)), to = c + Px(CmToInches(10.3f));
        const QRect ticks(from, c + Px(CmToInches(0.4f)), to - from, 1);
        QCOMPARE(Count(page, IsInk, ticks) / 3, 10);
    }

    void labelSheetThroughPdf()
    {
        TCoverDocument doc = LabelDocument();
        doc.Record.Images[0] = Image(bluePicture, TSurfaceCode::RoundLabel, 0, 0, 1, 1, fsRoundLabel);
        doc.Record.Texts[0] = Text(QStringLiteral("Tarvik"), TSurfaceCode::RoundLabel, 1.5f, 1.0f, 90);
        const QString pdf = dir.filePath(QStringLiteral("label.pdf"));
        QCOMPARE(ExportLabelPdf(doc, Positions(false, true, false), QPageSize(QPageSize::A4), pdf).Status,
                 TPrintOutcome::Printed);
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed: the PDF was written but not measured");
        const QString base = dir.filePath(QStringLiteral("label"));
        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "300", "-png", "-singlefile", pdf, base}), 0);
        const QImage page(base + QStringLiteral(".png"));
        const QRect disc = Bounds(page, IsBlue);
        QVERIFY2(qAbs(disc.left() - Px(CmToInches(4.8f))) <= 2 && qAbs(disc.top() - Px(CmToInches(16.3f))) <= 2,
                 qPrintable(QString("%1,%2").arg(disc.left()).arg(disc.top())));
        QVERIFY(qAbs(Cm(disc.width()) - 11.5) < 0.05);
        QVERIFY(IsWhite(page.pixel(disc.center())));
        QCOMPARE(Count(page, IsBlue, QRect(0, 0, page.width(), page.height() / 2)), 0);
    }
};

TARVIK_TEST_MAIN(TestRoundLabel)
#include "test_RoundLabel.moc"
