// Where the one-click alignments and the Alignment dialog put elements.

#include "AlignArithmetic.h"

#include "TestSupport.h"

using Rects = QList<QRect>;
using Points = QList<QPoint>;

class TestAlignArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void oneClick_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QRect>("element");
        QTest::addColumn<QPoint>("expected");
        // the front cover at 96 ppi, zoom 1.0: 461 x 457
        const auto row = [](const char *name, TAlignCommand c, QRect e, QPoint p) {
            QTest::newRow(name) << int(c) << e << p;
        };
        row("center, width 100", TAlignCommand::Center, QRect(7, 9, 100, 40), QPoint(180, 9));
        row("center, width 51", TAlignCommand::Center, QRect(7, 9, 51, 40), QPoint(205, 9));
        row("center, wider than the panel", TAlignCommand::Center, QRect(7, 9, 500, 40), QPoint(-19, 9));
        row("left", TAlignCommand::Left, QRect(7, 9, 100, 40), QPoint(0, 9));
        row("right", TAlignCommand::Right, QRect(7, 9, 100, 40), QPoint(361, 9));
        row("top", TAlignCommand::Top, QRect(7, 9, 100, 40), QPoint(7, 0));
        row("middle", TAlignCommand::Middle, QRect(7, 9, 100, 40), QPoint(7, 208));
        row("middle, odd height", TAlignCommand::Middle, QRect(7, 9, 100, 41), QPoint(7, 208));
        row("bottom", TAlignCommand::Bottom, QRect(7, 9, 100, 40), QPoint(7, 417));
    }

    void oneClick()
    {
        QFETCH(int, command);
        QFETCH(QRect, element);
        QFETCH(QPoint, expected);
        QCOMPARE(AlignToSurface(TAlignCommand(command), element, QSize(461, 457)), expected);
    }

    void dialog_data()
    {
        QTest::addColumn<Rects>("elements");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("vertical");
        QTest::addColumn<Points>("expected");
        const Rects three{QRect(10, 20, 100, 30), QRect(200, 5, 50, 10), QRect(300, 400, 51, 41)};

        QTest::newRow("several: left sides, tops")
            << three << int(haLeft) << int(vaTop) << Points{{10, 20}, {10, 20}, {10, 20}};
        QTest::newRow("several: centres on the first's centre")
            << three << int(haCenter) << int(vaMiddle) << Points{{10, 20}, {35, 30}, {35, 15}};
        QTest::newRow("several: right sides, bottoms")
            << three << int(haRight) << int(vaBottom) << Points{{10, 20}, {60, 40}, {59, 9}};
        QTest::newRow("several: centred in the cover")
            << three << int(haCenterInCover) << int(vaCenterInCover)
            << Points{{180, 213}, {205, 223}, {205, 208}};
        QTest::newRow("no change") << three << int(haNoChange) << int(vaNoChange)
                                   << Points{{10, 20}, {200, 5}, {300, 400}};

        const Rects one{QRect(10, 20, 100, 30)};
        QTest::newRow("single: left, top") << one << int(haLeft) << int(vaTop) << Points{{0, 0}};
        QTest::newRow("single: center, middle") << one << int(haCenter) << int(vaMiddle) << Points{{180, 213}};
        QTest::newRow("single: right, bottom") << one << int(haRight) << int(vaBottom) << Points{{361, 427}};
        QTest::newRow("single: items of the several list change nothing")
            << one << int(haCenterInCover) << int(vaSpaceEqually) << Points{{10, 20}};
        QTest::newRow("item numbers outside the lists") << three << 9 << -1 << Points{{10, 20}, {200, 5}, {300, 400}};
        QTest::newRow("nothing selected") << Rects{} << int(haLeft) << int(vaTop) << Points{};
    }

    void dialog()
    {
        QFETCH(Rects, elements);
        QFETCH(int, horizontal);
        QFETCH(int, vertical);
        QFETCH(Points, expected);
        const std::vector<QPoint> got =
            AlignmentDialogPositions({elements.begin(), elements.end()}, QSize(461, 457), horizontal, vertical);
        QCOMPARE(Points(got.begin(), got.end()), expected);
    }

    // Tops and heights in selection order; lefts and widths do not matter.
    void spaceEqually_data()
    {
        QTest::addColumn<QList<int>>("tops");
        QTest::addColumn<QList<int>>("heights");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("free 70, gap 35") << QList<int>{0, 50, 100} << QList<int>{20, 10, 30} << QList<int>{0, 55, 100};
        QTest::newRow("selected out of order")
            << QList<int>{100, 0, 50} << QList<int>{30, 20, 10} << QList<int>{100, 0, 55};
        QTest::newRow("the last lands at tl - free mod (n - 1)")
            << QList<int>{0, 20, 40, 100} << QList<int>{10, 10, 10, 10} << QList<int>{0, 33, 66, 99};
        QTest::newRow("overlapping: nothing moves")
            << QList<int>{0, 10, 20} << QList<int>{20, 20, 20} << QList<int>{0, 10, 20};
        QTest::newRow("equal tops keep selection order")
            << QList<int>{0, 0, 100} << QList<int>{10, 20, 10} << QList<int>{0, 45, 100};
        QTest::newRow("two elements stay") << QList<int>{40, 5} << QList<int>{10, 10} << QList<int>{40, 5};
    }

    void spaceEqually()
    {
        QFETCH(QList<int>, tops);
        QFETCH(QList<int>, heights);
        QFETCH(QList<int>, expected);
        std::vector<QRect> elements;
        for (int i = 0; i < tops.size(); ++i)
            elements.emplace_back(3 * i, tops[i], 20, heights[i]);
        const std::vector<int> got = SpaceEquallyTops(elements);
        QCOMPARE(QList<int>(got.begin(), got.end()), expected);

        // Through the dialog, together with a horizontal choice.
        const std::vector<QPoint> moved = AlignmentDialogPositions(elements, QSize(461, 457), haLeft, vaSpaceEqually);
        for (size_t i = 0; i < moved.size(); ++i)
            QCOMPARE(moved[i], QPoint(0, expected[int(i)]));
    }
};

TARVIK_TEST_MAIN(TestAlignArithmetic)
#include "test_AlignArithmetic.moc"
