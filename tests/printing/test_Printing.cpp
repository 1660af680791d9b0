// Cover printing on page images at a printer's resolution, where pixels
// can be counted, and once through a PDF file: true size and placement,
// jobs and orientations, the layout of the six kinds, pictures and texts,
// lines and guides, abort and errors.

#include "ImagePrintJob.h"
#include "PdfExport.h"
#include "PrintPictures.h"
#include "PrintTestSupport.h"
#include "Printing.h"
#include "TarvikError.h"
#include "TestSupport.h"
#include "VelMeasureRoutines.h"
#include "VelPrinterUtils.h"
#include "uPrintRoundLabel.h"

#include <QFontMetrics>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace PrintTest;
using VelMeasureRoutines::RoundEven;

namespace {

// Device pixels of an inch value at a resolution, as printing maps them.
int Px(double inches, int dpi)
{
    return RoundEven(float(dpi) * float(inches));
}

TCoverPrintOptions Options(float x = 0.5f, float y = 0.6f, bool portrait = false, bool lines = true,
                           bool guides = false)
{
    TCoverPrintOptions o;
    o.XMargin = x;
    o.YMargin = y;
    o.Portrait = portrait;
    o.SeparationLines = lines;
    o.CuttingGuides = guides;
    return o;
}

QString Orientations(const TImagePrintJob &job)
{
    QStringList jobs;
    for (const TImagePrintJob::TJob &j : job.Jobs()) {
        QString pages;
        for (QPageLayout::Orientation o : j.Orientations)
            pages += o == QPageLayout::Landscape ? QLatin1Char('L') : QLatin1Char('P');
        jobs << pages;
    }
    return jobs.join(QLatin1Char('|'));
}

// A printer that fails at a chosen operation.
class TFailingJob : public TImagePrintJob
{
public:
    bool FailCopies = false;
    using TImagePrintJob::TImagePrintJob;
    void SetCopies(int copies) override
    {
        if (FailCopies)
            throw ETarvikError(VelPrinterUtils::PrinterCopiesError);
        TImagePrintJob::SetCopies(copies);
    }
    void BeginJob(const QString &) override { throw ETarvikError(QStringLiteral("paper jam")); }
};

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString redPicture, bluePicture, halvesPicture;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        redPicture = WritePicture(dir.filePath(QStringLiteral("red.png")), QSize(64, 64), Qt::red, Qt::red);
        bluePicture = WritePicture(dir.filePath(QStringLiteral("blue.png")), QSize(64, 64), Qt::blue, Qt::blue);
        halvesPicture =
            WritePicture(dir.filePath(QStringLiteral("halves.png")), QSize(400, 200), Qt::red, Qt::blue);
    }

    void frontCoverAtTrueSize()
    {
        // Printer with unprintable strips of 0.25 in left and 0.17 in top;
        // the cover lands at the margins from the sheet's physical edges.
        TImagePrintJob job(300, QSizeF(8.27, 11.69), QMarginsF(0.25, 0.17, 0.25, 0.5));
        TCoverDocument doc = EmptyDocument();
        doc.Settings.Colors[ciFront] = Red;
        TCoverPrinter printer(job, doc, Options(0.5f, 0.6f, true));
        QCOMPARE(printer.PrintCover(pkFront).Status, TPrintOutcome::Printed);
        QCOMPARE(Orientations(job), QStringLiteral("P"));

        const QRect cover = Bounds(job.Jobs()[0].Pages[0], IsMarked);
        QCOMPARE(cover.left(), 150); // 0.5 in
        QCOMPARE(cover.top(), 180);  // 0.6 in
        QVERIFY(qAbs(cover.width() / 300.0 * 2.54 - 12.2) < 0.005);
        QVERIFY(qAbs(cover.height() / 300.0 * 2.54 - 12.1) < 0.005);
    }

    void jobsAndOrientations_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<QString>("jobs"); // pages per job, jobs split by '|'
        QTest::newRow("front-inside") << int(pkFrontInside) << false << "L";
        QTest::newRow("front-inside stays landscape") << int(pkFrontInside) << true << "L";
        QTest::newRow("front") << int(pkFront) << false << "L";
        QTest::newRow("front portrait") << int(pkFront) << true << "P";
        QTest::newRow("inside portrait") << int(pkInside) << true << "P";
        QTest::newRow("back") << int(pkBack) << false << "L";
        QTest::newRow("back portrait") << int(pkBack) << true << "P";
        QTest::newRow("all") << int(pkAll) << false << "LL";
        QTest::newRow("all portrait: two jobs") << int(pkAll) << true << "L|P";
        QTest::newRow("front and back") << int(pkFrontAndBack) << false << "LL";
        QTest::newRow("front and back portrait: one sheet") << int(pkFrontAndBack) << true << "P";
    }

    void jobsAndOrientations()
    {
        QFETCH(int, kind);
        QFETCH(bool, portrait);
        QFETCH(QString, jobs);
        TImagePrintJob job(20);
        TCoverDocument doc = EmptyDocument();
        doc.FilePath = QStringLiteral("/home/me/covers/best of.tvk");
        TCoverPrintOptions options = Options(0.5f, 0.6f, portrait);
        options.Copies = 3;
        TCoverPrinter printer(job, doc, options);
        QCOMPARE(printer.PrintCover(TPrintKind(kind)).Status, TPrintOutcome::Printed);
        QCOMPARE(Orientations(job), jobs);
        for (const TImagePrintJob::TJob &j : job.Jobs()) {
            QVERIFY(j.Ended);
            QCOMPARE(j.Title, QStringLiteral("best of.tvk"));
            QCOMPARE(j.Copies, 3);
        }
        // GetPrinterMargins left the printer upright; the job chose its own.
        TCoverDocument unsaved = EmptyDocument();
        TImagePrintJob other(20);
        TCoverPrinter(other, unsaved, options).PrintCover(pkFront);
        QCOMPARE(other.Jobs()[0].Title, QStringLiteral("Tarvik file"));
    }

    void frontAndBackGaps_data()
    {
        QTest::addColumn<bool>("guides");
        QTest::addColumn<double>("gap"); // inches between the front's bottom and the back's top
        // OY = 0.6 - 0.17 printer margin (+ 0.3 with guides)
        QTest::newRow("guides: 0.7 in") << true << 0.7;
        QTest::newRow("no guides: half of OY") << false << (0.6 - 0.17) / 2;
    }

    void frontAndBackGaps()
    {
        QFETCH(bool, guides);
        QFETCH(double, gap);
        TImagePrintJob job(300, QSizeF(8.27, 11.69), QMarginsF(0.25, 0.17, 0.25, 0.5));
        TCoverDocument doc = EmptyDocument();
        doc.Settings.Colors[ciFront] = Red;
        for (int c : {ciBack, ciLeftSpine, ciRightSpine})
            doc.Settings.Colors[c] = Blue;
        TCoverPrinter printer(job, doc, Options(0.5f, 0.6f, true, true, guides));
        QCOMPARE(printer.PrintCover(pkFrontAndBack).Status, TPrintOutcome::Printed);
        QCOMPARE(Orientations(job), QStringLiteral("P"));

        // Down the middle of the front cover, clear of the corner guides:
        // the front's box, white, then the back's box.
        const QImage page = job.Jobs()[0].Pages[0];
        const QRect front = Bounds(page, IsRed);
        const int x = front.center().x();
        QList<int> runStarts, runEnds;
        for (int y = 0, inRun = false; y < page.height(); ++y) {
            const bool marked = IsMarked(page.pixel(x, y));
            if (marked && !inRun)
                runStarts << y;
            if (!marked && inRun)
                runEnds << y;
            inRun = marked;
        }
        QCOMPARE(runStarts.size(), 2);
        QVERIFY(IsBlue(page.pixel(x, runStarts[1] + 2)));
        const double measured = (runStarts[1] - runEnds[0]) / 300.0;
        QVERIFY2(qAbs(measured - gap) <= 1.0 / 300, qPrintable(QString::number(measured)));
        // Both covers start at the same horizontal margin.
        QCOMPARE(Bounds(page, IsBlue).left(), front.left());
    }

    void frontInsideHalves_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("red");  // the left half of the picture shows
        QTest::addColumn<bool>("blue"); // the right half shows
        QTest::newRow("front-inside: the whole picture") << int(pkFrontInside) << true << true;
        QTest::newRow("front: right half") << int(pkFront) << false << true;
        QTest::newRow("inside: left half") << int(pkInside) << true << false;
        QTest::newRow("back: none") << int(pkBack) << false << false;
    }

    void frontInsideHalves()
    {
        QFETCH(int, kind);
        QFETCH(bool, red);
        QFETCH(bool, blue);
        TImagePrintJob job(100);
        TCoverDocument doc = EmptyDocument();
        // The geometry of the record does not matter: the picture spans both
        // covers.
        doc.Record.Images[4] = Image(halvesPicture, TSurfaceCode::Front, 0, 0, 1, 1, fsFrontInside, -3);
        TCoverPrinter printer(job, doc, Options());
        QCOMPARE(printer.PrintCover(TPrintKind(kind)).Status, TPrintOutcome::Printed);
        const QImage page = job.Jobs()[0].Pages[0];
        const QRect marked = Bounds(page, IsMarked);
        const int area = marked.width() * marked.height();
        const int reds = Count(page, IsRed), blues = Count(page, IsBlue);
        // The halves fill the cover; a scaled edge may blend a line or two.
        QCOMPARE(reds > area / 3, red);
        QCOMPARE(blues > area / 3, blue);
        QVERIFY(red || reds < area / 100);
        QVERIFY(blue || blues < area / 100);
        if (red && blue) {
            // inside cover on the left, front on the right, meeting at the fold
            QVERIFY(Bounds(page, IsRed).right() < Bounds(page, IsBlue).left() + 3);
            QVERIFY(qAbs(Bounds(page, IsBlue).left() - (marked.left() + Px(doc.Settings.InsideWidth, 100))) <= 2);
        }
    }

    // A 3:1 picture of three bands fitted to the front cover: kept in
    // proportion, the cover shows its middle band only; squeezed, all three.
    void fittedPictureKeepsItsProportions_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<int>("kind");
        QTest::newRow("kept, front") << true << int(pkFront);
        QTest::newRow("squeezed, front") << false << int(pkFront);
        QTest::newRow("kept, label") << true << -1;
        QTest::newRow("squeezed, label") << false << -1;
    }
    void fittedPictureKeepsItsProportions()
    {
        QFETCH(bool, keep);
        QFETCH(int, kind);
        QImage bands(300, 100, QImage::Format_RGB32);
        bands.fill(Qt::green);
        for (int x = 100; x < 200; ++x)
            for (int y = 0; y < 100; ++y)
                bands.setPixelColor(x, y, Qt::red);
        for (int x = 200; x < 300; ++x)
            for (int y = 0; y < 100; ++y)
                bands.setPixelColor(x, y, Qt::blue);
        const QString path = dir.filePath(QStringLiteral("bands.png"));
        QVERIFY(bands.save(path));

        TImagePrintJob job(100);
        TCoverDocument doc = EmptyDocument();
        doc.KeepProportions = keep;
        const bool label = kind < 0;
        doc.Record.Images[0] = Image(path, label ? TSurfaceCode::RoundLabel : TSurfaceCode::Front, 0, 0, 1, 1,
                                     label ? fsRoundLabel : fsFront, 0);
        if (label) {
            TLabelPrinter printer(job, doc);
            TLabelPrintOptions options;
            options.Positions = {true, false, false};
            QCOMPARE(printer.PrintLabels(options).Status, TPrintOutcome::Printed);
        } else {
            TCoverPrinter printer(job, doc, Options());
            QCOMPARE(printer.PrintCover(TPrintKind(kind)).Status, TPrintOutcome::Printed);
        }
        const QImage page = job.Jobs()[0].Pages[0];
        const int reds = Count(page, IsRed), greens = Count(page, IsGreen), blues = Count(page, IsBlue);
        QVERIFY(reds > 0);
        if (keep) {
            QCOMPARE(greens, 0);
            QCOMPARE(blues, 0);
        } else {
            QVERIFY(greens > reds / 2);
            QVERIFY(blues > reds / 2);
        }
    }

    void frontTextShiftedByInsideWidth()
    {
        TCoverDocument doc = EmptyDocument();
        doc.Record.Texts[7] = Text(QStringLiteral("I"), TSurfaceCode::Front, 1.0f, 1.0f);
        auto inkLeft = [&](TPrintKind kind) {
            TImagePrintJob job(100);
            TCoverPrinter(job, doc, Options(0.5f, 0.5f, false, false)).PrintCover(kind);
            const QImage page = job.Jobs()[0].Pages[0];
            // inside the cover, clear of its outline
            const QRect inner = Bounds(page, IsMarked).adjusted(2, 2, -2, -2);
            return Bounds(page, IsInk, inner).left();
        };
        const int shift = inkLeft(pkFrontInside) - inkLeft(pkFront);
        QVERIFY2(qAbs(shift - Px(doc.Settings.InsideWidth, 100)) <= 1, qPrintable(QString::number(shift)));
    }

    void emptyAndUnreadableElementsPrintNothing()
    {
        const QString garbage = dir.filePath(QStringLiteral("garbage.jpg"));
        {
            QFile f(garbage);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4000, '\x5a'));
        }
        const QString missing = dir.filePath(QStringLiteral("gone.png"));
        TCoverDocument doc = EmptyDocument();
        doc.Record.Images[0] = Image(missing, TSurfaceCode::Front, 0, 0, 2, 2);
        doc.Record.Images[1] = Image(garbage, TSurfaceCode::Front, 0, 0, 2, 2, fsFront, 0);
        doc.Record.Images[2] = Image(QString(), TSurfaceCode::Front, 0, 0, 2, 2); // empty slot
        doc.Record.Images[2].ImageType = itJpg;
        doc.Record.Images[3] = Image(redPicture, TSurfaceCode::Front, 1, 1, 0, 2); // no width
        doc.Record.Texts[0] = Text(QString(), TSurfaceCode::Front, 1, 1);          // empty slot
        doc.Record.Texts[0].Transparent = false;

        TImagePrintJob job(100), blank(100);
        const TPrintOutcome outcome = TCoverPrinter(job, doc, Options()).PrintCover(pkFront);
        TCoverPrinter(blank, EmptyDocument(), Options()).PrintCover(pkFront);
        QCOMPARE(outcome.Status, TPrintOutcome::Printed);
        QVERIFY(job.Jobs()[0].Pages[0] == blank.Jobs()[0].Pages[0]);
        // in the order they print: by Order, garbage (0) before missing (1)
        QCOMPARE(outcome.UnreadablePictures, QStringList({garbage, missing}));
    }

    void movedPictureFoundBesideDocument()
    {
        // A document read from a file may name a folder that no longer
        // holds the picture; the one beside the document prints.
        TCoverDocument doc = EmptyDocument();
        doc.FilePath = dir.filePath(QStringLiteral("cover.tvk"));
        doc.Record.Images[0] = Image(QStringLiteral("C:\\old pictures\\red.png"), TSurfaceCode::Front, 1, 1, 1, 1);
        TImagePrintJob job(50);
        QVERIFY(TCoverPrinter(job, doc, Options()).PrintCover(pkFront).UnreadablePictures.isEmpty());
        QVERIFY(Count(job.Jobs()[0].Pages[0], IsRed) > 40 * 40);
    }

    void imagesPrintByOrder_data()
    {
        QTest::addColumn<int>("redOrder"); // slot 0
        QTest::addColumn<int>("blueOrder"); // slot 1
        QTest::addColumn<bool>("redOnTop");
        QTest::newRow("higher order on top") << 2 << 1 << true;
        QTest::newRow("slot order does not matter") << 1 << 2 << false;
        QTest::newRow("equal orders keep slot order") << 1 << 1 << false;
        QTest::newRow("fitted 0 under a ranked image") << 0 << 1 << false;
        QTest::newRow("a later negative moves before a ranked one") << 2 << -3 << true;
        QTest::newRow("an earlier negative never moves") << -3 << -10 << false;
    }

    void imagesPrintByOrder()
    {
        QFETCH(int, redOrder);
        QFETCH(int, blueOrder);
        QFETCH(bool, redOnTop);
        TCoverDocument doc = EmptyDocument();
        doc.Record.Images[0] = Image(redPicture, TSurfaceCode::Front, 1, 1, 2, 2, fsNone, redOrder);
        doc.Record.Images[1] = Image(bluePicture, TSurfaceCode::Front, 1, 1, 2, 2, fsNone, blueOrder);
        TImagePrintJob job(50);
        TCoverPrinter(job, doc, Options()).PrintCover(pkFront);
        const QImage page = job.Jobs()[0].Pages[0];
        const QRect shown = Bounds(page, [](QRgb c) { return IsRed(c) || IsBlue(c); });
        const QRgb centre = page.pixel(shown.center());
        QCOMPARE(IsRed(centre), redOnTop);
        QCOMPARE(IsBlue(centre), !redOnTop);
    }

    void abortDuringFirstPage_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::newRow("one job of two pages") << false;
        QTest::newRow("two jobs") << true;
    }

    void abortDuringFirstPage()
    {
        QFETCH(bool, portrait);
        TCoverDocument doc = EmptyDocument();
        for (int i = 0; i < 5; ++i)
            doc.Record.Texts[size_t(i)] = Text(QStringLiteral("Track %1").arg(i), TSurfaceCode::Front, 0.5f, 0.5f * i);
        doc.Record.Texts[10] = Text(QStringLiteral("Back"), TSurfaceCode::Back, 1, 1);
        TImagePrintJob job(30);
        int steps = 0;
        // The abort button is clicked while the third step of the first page
        // is about to be drawn.
        job.BetweenSteps = [&] {
            if (++steps == 3)
                job.AbortJob();
        };
        const TPrintOutcome outcome = TCoverPrinter(job, doc, Options(0.5f, 0.6f, portrait)).PrintCover(pkAll);
        QCOMPARE(outcome.Status, TPrintOutcome::Aborted);
        QVERIFY(outcome.UserMessage.isEmpty());
        QCOMPARE(job.Jobs().size(), 1);
        QCOMPARE(job.Jobs()[0].Pages.size(), 1);
        QVERIFY(job.Jobs()[0].Aborted);
        QVERIFY(!job.Jobs()[0].Ended);
        QCOMPARE(job.StepsDrawn(), 2);
        // The next run starts afresh.
        job.BetweenSteps = {};
        QCOMPARE(TCoverPrinter(job, doc, Options()).PrintCover(pkFront).Status, TPrintOutcome::Printed);
    }

    void sortByOrder_data()
    {
        QTest::addColumn<QList<int>>("orders"); // by slot
        QTest::addColumn<QList<int>>("sorted"); // slots
        QTest::newRow("ranks") << QList<int>{3, 1, 2} << QList<int>{1, 2, 0};
        QTest::newRow("fitted first") << QList<int>{2, 1, 0} << QList<int>{2, 1, 0};
        QTest::newRow("negative after ranked moves down") << QList<int>{1, -3} << QList<int>{1, 0};
        QTest::newRow("negative before anything stays") << QList<int>{-3, -10, 1} << QList<int>{0, 1, 2};
    }

    void sortByOrder()
    {
        QFETCH(QList<int>, orders);
        QFETCH(QList<int>, sorted);
        TDocumentRecord record;
        QList<int> list;
        for (int i = 0; i < orders.size(); ++i) {
            record.Images[size_t(i)].Order = orders[i];
            list << i;
        }
        SortByOrder(list, record);
        QCOMPARE(list, sorted);
    }

    void rotatedTextAnchors_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QPointF>("anchor");
        // a text 400 wide and 50 high with its box at (1000, 1000)
        QTest::newRow("0") << 0 << QPointF(1000, 1000);
        QTest::newRow("90") << 90 << QPointF(1000, 1400);
        QTest::newRow("180") << 180 << QPointF(1400, 1050);
        QTest::newRow("270") << 270 << QPointF(1050, 1000);
        QTest::newRow("360 is 0") << 360 << QPointF(1000, 1000);
        QTest::newRow("other angles keep the point") << 45 << QPointF(1000, 1000);
    }

    void rotatedTextAnchors()
    {
        QFETCH(int, angle);
        QFETCH(QPointF, anchor);
        QCOMPARE(VelPrinterUtils::RotatedTextAnchor(1000, 1000, 400, 50, angle), anchor);
    }

    void rotatedTextFillsItsBox_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("heavyEnd"); // where the W at the text's start lands
        QTest::newRow("0") << 0 << "left";
        QTest::newRow("90 runs upward") << 90 << "bottom";
        QTest::newRow("180 upside down") << 180 << "right";
        QTest::newRow("270 runs downward") << 270 << "top";
        QTest::newRow("360") << 360 << "left";
    }

    void rotatedTextFillsItsBox()
    {
        QFETCH(int, angle);
        QFETCH(QString, heavyEnd);
        const int dpi = 300;
        TImagePrintJob job(dpi, QSizeF(4, 4));
        TCoverSettings settings = TCoverSettings::Defaults();
        TElementPrinter printer(job, settings, QString());
        TTextElementRecord text = Text(QStringLiteral("W......"), TSurfaceCode::Front, 0, 0, angle, 36);
        text.Transparent = false;
        text.BackColor = Green;
        job.BeginJob(QStringLiteral("t"));
        printer.PrintText(text, 1.0, 1.0);
        job.EndJob();
        const QImage page = job.Jobs()[0].Pages[0];

        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(VelPrinterUtils::PrinterFontPixelSize(36, dpi));
        const QFontMetrics fm(VelPrinterUtils::PrinterRotatedFont(font));
        const int w = fm.horizontalAdvance(text.Text), t = fm.height();
        const bool upright = angle % 180 == 0;
        const QRect box(dpi, dpi, upright ? w : t, upright ? t : w);
        // The opaque background is the text's box, turned with it.
        const QRect background = Bounds(page, IsMarked);
        QVERIFY(IsGreen(page.pixel(background.topLeft())) && IsGreen(page.pixel(background.bottomRight())));
        QVERIFY2(qAbs(background.left() - box.left()) <= 1 && qAbs(background.top() - box.top()) <= 1
                     && qAbs(background.width() - box.width()) <= 2 && qAbs(background.height() - box.height()) <= 2,
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(background.x()).arg(background.y())
                                .arg(background.width()).arg(background.height())));
        auto dark = [](QRgb c) { return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100; };
        QVERIFY(box.adjusted(-1, -1, 1, 1).contains(Bounds(page, dark)));
        const int quarterW = box.width() / 4, quarterH = box.height() / 4;
        const QRect left(box.left(), box.top(), quarterW, box.height());
        const QRect right(box.right() - quarterW, box.top(), quarterW, box.height());
        const QRect top(box.left(), box.top(), box.width(), quarterH);
        const QRect bottom(box.left(), box.bottom() - quarterH, box.width(), quarterH);
        const QMap<QString, std::pair<QRect, QRect>> ends = {
            {QStringLiteral("left"), {left, right}}, {QStringLiteral("right"), {right, left}},
            {QStringLiteral("top"), {top, bottom}}, {QStringLiteral("bottom"), {bottom, top}},
        };
        const auto [heavy, light] = ends.value(heavyEnd);
        QVERIFY(Count(page, dark, heavy) > 3 * Count(page, dark, light));
    }

    void textKeepsItsSizeAtAnyResolution()
    {
        // 12 pt on paper is 1/6 inch of em; a capital H is about 0.72 em.
        QList<double> heights;
        for (int dpi : {300, 600, 1200}) {
            TImagePrintJob job(dpi, QSizeF(1, 1));
            TCoverSettings settings = TCoverSettings::Defaults();
            TElementPrinter printer(job, settings, QString());
            job.BeginJob(QStringLiteral("t"));
            printer.PrintText(Text(QStringLiteral("H"), TSurfaceCode::Front, 0, 0, 0, 12), 0.2, 0.2);
            job.EndJob();
            heights << Bounds(job.Jobs()[0].Pages[0], IsInk).height() / double(dpi);
        }
        for (double h : heights) {
            QVERIFY2(qAbs(h - heights[0]) < 0.004, qPrintable(QString::number(h)));
            QVERIFY2(qAbs(h - 12.0 / 72 * 0.72) < 0.01, qPrintable(QString::number(h)));
        }
    }

    void linesAndGuides_data()
    {
        QTest::addColumn<bool>("lines");
        QTest::addColumn<bool>("guides");
        QTest::newRow("lines") << true << false;
        QTest::newRow("guides") << false << true;
        QTest::newRow("both") << true << true;
        QTest::newRow("outline only") << false << false;
    }

    void linesAndGuides()
    {
        QFETCH(bool, lines);
        QFETCH(bool, guides);
        const int dpi = 300;
        TImagePrintJob job(dpi, QSizeF(8.27, 11.69));
        TCoverDocument doc = EmptyDocument();
        TCoverPrinter(job, doc, Options(1, 1, true, lines, guides)).PrintCover(pkBack);
        const QImage page = job.Jobs()[0].Pages[0];
        const TCoverSettings &s = doc.Settings;
        const double h = guides ? 1.3 : 1.0, v = h;
        auto column = [&](double across, double from, double to) {
            // pixels of the device column from `from` up to `to`, inches
            return QRect(Px(across, dpi), Px(from, dpi), 1, Px(to, dpi) - Px(from, dpi));
        };
        // outline: the box's left column, full height
        QCOMPARE(Count(page, IsInk, column(h, v, v + s.BackHeight)), Px(v + s.BackHeight, dpi) - Px(v, dpi));
        for (double fold : {h + s.LeftSpineWidth, h + s.BackWidth - s.RightSpineWidth}) {
            const QRect inside = column(fold, v + 0.05, v + s.BackHeight - 0.05);
            QCOMPARE(Count(page, IsInk, inside), lines ? inside.height() : 0);
            // fold guides go with the guides, not with the lines
            QCOMPARE(Count(page, IsInk, column(fold, v - 0.3, v - 0.1)), guides ? Px(0.2, dpi) : 0);
            // drawn upward, the line ends one pixel short of 0.1 in
            QCOMPARE(Count(page, IsInk, column(fold, v + s.BackHeight + 0.1, v + s.BackHeight + 0.3).adjusted(0, 1, 0, 1)),
                     guides ? Px(0.2, dpi) : 0);
        }
        // the corner guide above the top-left corner: 0.2 in long, 0.1 in off the box
        QCOMPARE(Count(page, IsInk, column(h, v - 0.3, v - 0.1)), guides ? Px(0.2, dpi) : 0);
        QCOMPARE(Count(page, IsInk, column(h, v - 0.1, v)), 0);
        // and the one left of it, along the top edge
        const QRect row(Px(h - 0.3, dpi), Px(v, dpi), Px(0.2, dpi), 1);
        QCOMPARE(Count(page, IsInk, row), guides ? Px(0.2, dpi) : 0);
        // nothing else outside the box: 8 corner guides and 2 per fold
        const QRect box(Px(h, dpi), Px(v, dpi), Px(h + s.BackWidth, dpi) - Px(h, dpi),
                        Px(v + s.BackHeight, dpi) - Px(v, dpi));
        QCOMPARE(Count(page, IsInk) - Count(page, IsInk, box), guides ? 12 * Px(0.2, dpi) : 0);
    }

    void picturesReadAtThePapersNeed()
    {
        const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
        QImage big(2400, 1600, QImage::Format_RGB32);
        big.fill(Qt::darkGreen);
        QVERIFY(big.save(photo, "JPEG", 90));
        // the smallest size of the picture's shape covering the need
        QCOMPARE(ReadPrintPicture(photo, QSize(600, 500)).size(), QSize(750, 500));
        // never more than the picture holds
        QCOMPARE(ReadPrintPicture(photo, QSize(3000, 3000)).size(), QSize(2400, 1600));
        QCOMPARE(PrintPictureSize(QSize(6000, 4000), QSize(1441, 1429)), QSize(2144, 1429));
    }

    void errorsAbortTheJob()
    {
        TFailingJob job(20);
        const TPrintOutcome outcome = TCoverPrinter(job, EmptyDocument(), Options()).PrintCover(pkAll);
        QCOMPARE(outcome.Status, TPrintOutcome::Failed);
        QVERIFY(outcome.UserMessage.startsWith(QStringLiteral("An error (")));
        QVERIFY(outcome.UserMessage.endsWith(QStringLiteral(") occurred during the printing process")));
        QCOMPARE(outcome.Reason, QStringLiteral("paper jam"));
        QVERIFY(job.PrintAborted());

        // A copy count the printer refuses reaches the caller in its own
        // words, and no job begins.
        TFailingJob refusing(20);
        refusing.FailCopies = true;
        TCoverPrinter printer(refusing, EmptyDocument(), Options());
        try {
            printer.PrintCover(pkFront);
            QFAIL("no error");
        } catch (const ETarvikError &e) {
            QCOMPARE(e.message(), QStringLiteral("Could not set printer copies"));
        }
        QVERIFY(refusing.Jobs().isEmpty());
    }

    void pdfCoverAtTrueSize()
    {
        TCoverDocument doc = EmptyDocument();
        doc.Settings.Colors[ciFront] = Red;
        doc.Record.Texts[0] = Text(QStringLiteral("Tarvik"), TSurfaceCode::Front, 1, 1);
        const QString pdf = dir.filePath(QStringLiteral("front.pdf"));
        const TPrintOutcome outcome =
            ExportCoverPdf(doc, Options(0.5f, 0.6f, true), pkFront, QPageSize(QPageSize::A4), pdf);
        QCOMPARE(outcome.Status, TPrintOutcome::Printed);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");

        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed: the PDF was written but not measured");
        const QString base = dir.filePath(QStringLiteral("front"));
        QCOMPARE(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                              QStringLiteral("-singlefile"), pdf, base}),
                 0);
        const QImage page(base + QStringLiteral(".png"));
        QVERIFY(qAbs(page.width() - 2480) <= 1 && qAbs(page.height() - 3508) <= 1); // A4 at 300 dpi
        // A ruler on the printed sheet: 12.2 x 12.1 cm, 0.5 and 0.6 in from the edges.
        const QRect cover = Bounds(page, IsMarked);
        QVERIFY2(qAbs(cover.left() - 150) <= 1 && qAbs(cover.top() - 180) <= 1,
                 qPrintable(QStringLiteral("%1,%2").arg(cover.left()).arg(cover.top())));
        QVERIFY(qAbs(cover.width() / 300.0 * 2.54 - 12.2) < 0.02);
        QVERIFY(qAbs(cover.height() / 300.0 * 2.54 - 12.1) < 0.02);
        QVERIFY(Count(page, IsInk, cover.adjusted(5, 5, -5, -5)) > 100); // the text
    }

    void pdfSheetsInTheirJobsOrientation()
    {
        const QString pdf = dir.filePath(QStringLiteral("all.pdf"));
        QCOMPARE(ExportCoverPdf(EmptyDocument(), Options(0.5f, 0.6f, true), pkAll, QPageSize(QPageSize::Letter), pdf)
                     .Status,
                 TPrintOutcome::Printed);
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (pdfinfo.isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        QProcess info;
        info.start(pdfinfo, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("2"), pdf});
        QVERIFY(info.waitForFinished());
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\n"))), qPrintable(out));
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Page\\s+1 size:\\s+792 x 612 pts"))), qPrintable(out));
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Page\\s+2 size:\\s+612 x 792 pts"))), qPrintable(out));
    }

    void pdfFailuresKeepTheOldFile()
    {
        const QString pdf = dir.filePath(QStringLiteral("kept.pdf"));
        {
            QFile f(pdf);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        // aborted half way: the old file stays
        bool aborted = false;
        TPrintOutcome outcome = ExportPdf(pdf, QPageSize(QPageSize::A4), [&](TPrintJob &job) {
            job.BetweenSteps = [&job, &aborted] {
                aborted = true;
                job.AbortJob();
            };
            return TCoverPrinter(job, EmptyDocument(), Options()).PrintCover(pkAll);
        });
        QVERIFY(aborted);
        QCOMPARE(outcome.Status, TPrintOutcome::Aborted);
        QFile kept(pdf);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("old"));

        // a folder that cannot exist: the reason names the file
        const QString impossible = pdf + QStringLiteral("/cover.pdf");
        outcome = ExportCoverPdf(EmptyDocument(), Options(), pkAll, QPageSize(QPageSize::A4), impossible);
        QCOMPARE(outcome.Status, TPrintOutcome::Failed);
        QVERIFY2(outcome.Reason.contains(impossible), qPrintable(outcome.Reason));
    }
};

TARVIK_TEST_MAIN(TestPrinting)
#include "test_Printing.moc"
