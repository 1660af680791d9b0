// The wizard's window-free rules: track number prefixes, the number format
// check, the spine text it proposes, preview sizes, and the fit of the track
// font to a cover's height.

#include "Placement.h"
#include "TestSupport.h"
#include "TrackFit.h"
#include "WizardFields.h"

#include <QFontDatabase>

using namespace WizardFields;

class TestWizardLogic : public QObject {
    Q_OBJECT
private:
    static TTextStyleRecord TrackStyle(int size)
    {
        TTextStyleRecord s;
        s.FontName = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        s.FontSize = size;
        return s;
    }
    static QStringList Lines(int n)
    {
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines << QStringLiteral("Track title number %1").arg(i + 1);
        return lines;
    }

private slots:
    void numberPrefix_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("twoDigits");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("default") << "# - " << 0 << false << "1 - ";
        QTest::newRow("two digits") << "# - " << 0 << true << "01 - ";
        QTest::newRow("ten either way") << "# - " << 9 << true << "10 - ";
        QTest::newRow("all digits of 100") << "# - " << 99 << false << "100 - ";
        QTest::newRow("text around") << "Track #." << 4 << false << "Track 5.";
        QTest::newRow("first # only") << "#/#" << 2 << false << "3/#";
        QTest::newRow("ends in #") << " #" << 6 << true << " 07";
    }
    void numberPrefix()
    {
        QFETCH(QString, format);
        QFETCH(int, index);
        QFETCH(bool, twoDigits);
        QFETCH(QString, prefix);
        QCOMPARE(NumberPrefix(format, index, twoDigits), prefix);
    }

    void numberFormatNeedsHash_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("usable");
        QTest::newRow("default") << "# - " << true;
        QTest::newRow("blank and #") << " #" << true;
        QTest::newRow("no #") << "Track " << false;
        QTest::newRow("empty") << "" << false;
    }
    void numberFormatNeedsHash()
    {
        QFETCH(QString, format);
        QFETCH(bool, usable);
        QCOMPARE(IsNumberFormat(format), usable);
    }

    void spineDefault_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("author");
        QTest::addColumn<bool>("artistFirst");
        QTest::addColumn<QString>("spine");
        QTest::newRow("artist first") << "T" << "A" << true << "A - T";
        QTest::newRow("title first") << "T" << "A" << false << "T - A";
        QTest::newRow("no author") << "T" << "" << true << "";
        QTest::newRow("no title") << "" << "A" << true << "";
    }
    void spineDefault()
    {
        QFETCH(QString, title);
        QFETCH(QString, author);
        QFETCH(bool, artistFirst);
        QFETCH(QString, spine);
        QCOMPARE(SpineDefault(title, author, artistFirst), spine);
    }

    void previewSize_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("landscape") << QSize(640, 480) << QSize(62, 46);
        QTest::newRow("portrait") << QSize(100, 300) << QSize(20, 62);
        QTest::newRow("small keeps its size") << QSize(40, 40) << QSize(40, 40);
        QTest::newRow("square") << QSize(500, 500) << QSize(62, 62);
        QTest::newRow("one side over") << QSize(63, 10) << QSize(62, 9);
        QTest::newRow("camera") << QSize(6000, 4000) << QSize(62, 41);
    }
    void previewSize()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, preview);
        QCOMPARE(PreviewSize(picture), preview);
    }

    // The block: 0.2 inch above and below, each line's height, 1 pixel
    // between lines; empty lines count.
    void trackBlockHeight()
    {
        QFont font = TrackFit::StyleFont(TrackStyle(11));
        QImage canvas(1, 1, QImage::Format_ARGB32);
        canvas.setDotsPerMeterX(qRound(96 / 0.0254));
        canvas.setDotsPerMeterY(qRound(96 / 0.0254));
        const double line = QFontMetricsF(font, &canvas).height();
        QCOMPARE(TrackFit::TrackBlockHeight({}, font, 96), 38);
        QCOMPARE(TrackFit::TrackBlockHeight({QStringLiteral("a")}, font, 96), qRound(38 + line));
        QCOMPARE(TrackFit::TrackBlockHeight({QStringLiteral("a"), QString(), QStringLiteral("c")}, font, 96),
                 qRound(38 + 3 * line + 2));
    }

    // Thirty lines do not fit 4.72 inches at 11 points: the size drops one
    // point at a time to the largest that fits, block plus 10 pixels.
    void fitShrinksToLargestFittingSize()
    {
        const QStringList lines = Lines(30);
        const float height = 4.72f;
        const int limit = qRound(96 * height);
        const int size = TrackFit::FitTrackFont(TrackStyle(11), lines, 96, height);
        QVERIFY2(size < 11 && size >= TrackFit::MinTrackFontSize, qPrintable(QString::number(size)));
        auto block = [&](int points) { return TrackFit::TrackBlockHeight(lines, TrackFit::StyleFont(TrackStyle(points)), 96); };
        QVERIFY(block(size) + 10 <= limit);
        QVERIFY(block(size + 1) + 10 > limit);
        // A list that fits keeps its size.
        QCOMPARE(TrackFit::FitTrackFont(TrackStyle(11), Lines(5), 96, height), 11);
    }

    // Hundreds of lines stop at the minimum size instead of going below 1;
    // a style already smaller is not enlarged.
    void fitStopsAtMinimum()
    {
        QCOMPARE(TrackFit::FitTrackFont(TrackStyle(11), Lines(400), 96, 4.72f), TrackFit::MinTrackFontSize);
        QCOMPARE(TrackFit::FitTrackFont(TrackStyle(4), Lines(400), 96, 4.72f), 4);
    }

    // The column distances are their own figures in each unit, not
    // conversions (0.2 in is not 0.5 cm).
    void placementColumns()
    {
        TCoverSettings s;
        s.InsideWidth = 4.72f;
        s.BackWidth = 5.9f;
        s.LeftSpineWidth = 0.25f;
        s.RightSpineWidth = 0.25f;
        QCOMPARE(PlacementDistances(false).FirstLineY, 0.5);
        QCOMPARE(PlacementDistances(true).FirstLineY, 0.2);
        QCOMPARE(PlacementDistances(true).LabelTitleY, 3.23);
        QCOMPARE(TrackColumnX(s, TSurfaceCode::Inside, true), 0.4);
        QCOMPARE(TrackColumnX(s, TSurfaceCode::Back, true), 0.25 + 0.4);
        QVERIFY(qAbs(TrackColumnX(s, TSurfaceCode::Back, false) - (0.635 + 1.0)) < 1e-4);
        QVERIFY(qAbs(TimeColumnX(s, TSurfaceCode::Inside, true) - (4.72 - 0.59)) < 1e-4);
        QVERIFY(qAbs(TimeColumnX(s, TSurfaceCode::Back, false) - (5.9 * 2.54 - 0.25 * 2.54 - 1.5)) < 1e-4);
        QCOMPARE(StyleOfRole(TTextRole::TrackTime), 2);
        QCOMPARE(StyleOfRole(TTextRole::LabelTrack), 6);
    }
};

TARVIK_TEST_MAIN(TestWizardLogic)
#include "test_wizard_logic.moc"
