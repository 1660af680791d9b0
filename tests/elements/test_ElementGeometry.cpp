// The arithmetic behind the elements and the handle, without widgets:
// rotated text placement, angle normalisation, handle bounds, grips, zones
// and drag frames.

#include "HandleGeometry.h"
#include "RotatedText.h"
#include "TestSupport.h"

using namespace HandleGeometry;

class TestElementGeometry : public QObject
{
    Q_OBJECT
private slots:
    void rotatedPlacement_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QRect>("expected"); // dx, dy, box width, box height
        // A line of 120 x 18 pixels; many widths, so a stray sin(pi) shows.
        QTest::newRow("0") << 0 << QRect(0, 0, 120, 18);
        QTest::newRow("90") << 90 << QRect(0, 120, 18, 120);
        QTest::newRow("180") << 180 << QRect(120, 18, 120, 18);
        QTest::newRow("270") << 270 << QRect(18, 0, 18, 120);
        QTest::newRow("360") << 360 << QRect(0, 0, 120, 18);
    }
    void rotatedPlacement()
    {
        QFETCH(int, angle);
        QFETCH(QRect, expected);
        for (int w : {1, 7, 120, 333, 1000, 4097}) {
            const TRotatedPlacement p = PlaceRotatedText(w, 18, angle);
            const auto scale = [w](int v) { return v == 120 ? w : v; };
            QCOMPARE(QRect(p.dx, p.dy, p.width, p.height),
                     QRect(scale(expected.x()), scale(expected.y()), scale(expected.width()),
                           scale(expected.height())));
        }
    }

    void normalizeAngle_data()
    {
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::newRow("-90") << -90 << 270;
        QTest::newRow("-360") << -360 << 0;
        QTest::newRow("-450") << -450 << 270;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("360 stays") << 360 << 360;
        QTest::newRow("361") << 361 << 1;
        QTest::newRow("450") << 450 << 90;
        QTest::newRow("720") << 720 << 360;
        QTest::newRow("int min") << std::numeric_limits<int>::min() << 232;
        QTest::newRow("int max") << std::numeric_limits<int>::max() << 127;
    }
    void normalizeAngle()
    {
        QFETCH(int, in);
        QFETCH(int, out);
        QCOMPARE(NormalizeAngle(in), out);
    }

    void boundsAndGrips()
    {
        // One 100 x 40 control at (50, 60).
        const QRect one = BoundsFor(QRect(50, 60, 100, 40));
        QCOMPARE(one, QRect(48, 58, 105, 45));
        const QList<QRect> grips = GripRects(one, {QRect(50, 60, 100, 40)});
        QCOMPARE(grips.size(), 8);
        QCOMPARE(grips.mid(0, 4), (QList<QRect>{QRect(0, 0, 5, 5), QRect(99, 0, 5, 5),
                                                 QRect(99, 39, 5, 5), QRect(0, 39, 5, 5)}));
        // Edge grips: top and bottom span x 50..55, left and right y 20..25.
        QCOMPARE(grips[4], QRect(50, 0, 5, 5));
        QCOMPARE(grips[5], QRect(50, 39, 5, 5));
        QCOMPARE(grips[6], QRect(0, 20, 5, 5));
        QCOMPARE(grips[7], QRect(99, 20, 5, 5));

        // A second control of 20 x 20 at (200, 150): corners only.
        const QRect two = BoundsAdding(one, QRect(200, 150, 20, 20));
        QCOMPARE(two, QRect(48, 58, 175, 115));
        const QList<QRect> both = GripRects(two, {QRect(50, 60, 100, 40), QRect(200, 150, 20, 20)});
        QCOMPARE(both.size(), 8);
        QCOMPARE(both[4], QRect(150, 90, 5, 5));
        // Adding a control that lies inside changes nothing.
        QCOMPARE(BoundsAdding(two, QRect(60, 70, 10, 10)), two);
    }

    void hitTests()
    {
        const QRect c(50, 60, 100, 40);
        QVERIFY(HitsHeldControl(c, QPoint(48, 58)));
        QVERIFY(HitsHeldControl(c, QPoint(151, 101)));
        QVERIFY(!HitsHeldControl(c, QPoint(152, 80)));
        QVERIFY(!HitsHeldControl(c, QPoint(47, 80)));
        QVERIFY(StrictlyContains(c, QPoint(51, 61)));
        QVERIFY(!StrictlyContains(c, QPoint(50, 61)));
        QVERIFY(StrictlyInside(QRect(51, 61, 98, 38), c));
        QVERIFY(!StrictlyInside(QRect(50, 61, 10, 10), c));
        QVERIFY(!StrictlyInside(QRect(60, 70, 90, 10), c)); // shares the right edge
    }

    void zones_data()
    {
        QTest::addColumn<QRect>("control");
        QTest::addColumn<QSize>("parent");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("zone");
        // A 100 x 40 control at (50, 60): a handle of 105 x 45 at (48, 58),
        // well inside its parent. The zone is the grip drawn there, with a
        // pixel to spare.
        const QRect c(50, 60, 100, 40);
        const QSize roomy(461, 457);
        QTest::newRow("top-left") << c << roomy << QPoint(2, 3) << int(dzTopLeft);
        QTest::newRow("top-right") << c << roomy << QPoint(103, 1) << int(dzTopRight);
        QTest::newRow("bottom-left") << c << roomy << QPoint(0, 44) << int(dzBottomLeft);
        QTest::newRow("bottom-right") << c << roomy << QPoint(104, 44) << int(dzBottomRight);
        QTest::newRow("bottom-right grip's inner pixel") << c << roomy << QPoint(99, 39) << int(dzBottomRight);
        QTest::newRow("top") << c << roomy << QPoint(52, 0) << int(dzTop);
        QTest::newRow("bottom") << c << roomy << QPoint(54, 42) << int(dzBottom);
        QTest::newRow("left") << c << roomy << QPoint(1, 22) << int(dzLeft);
        QTest::newRow("right") << c << roomy << QPoint(104, 24) << int(dzRight);
        QTest::newRow("right grip's inner pixel") << c << roomy << QPoint(99, 22) << int(dzRight);
        QTest::newRow("inside") << c << roomy << QPoint(30, 20) << int(dzMove);
        QTest::newRow("top beside middle") << c << roomy << QPoint(56, 0) << int(dzMove);
        QTest::newRow("beside the left grip") << c << roomy << QPoint(6, 22) << int(dzMove);
        // A control at the parent's top-left corner, as wide as the parent:
        // the grips beyond the edges are drawn inside and are taken there.
        const QRect edge(0, 0, 408, 272);
        const QSize narrow(408, 300);
        QTest::newRow("clipped bottom-right") << edge << narrow << QPoint(406, 275) << int(dzBottomRight);
        QTest::newRow("clipped right") << edge << narrow << QPoint(406, 138) << int(dzRight);
        QTest::newRow("clipped top-left") << edge << narrow << QPoint(3, 3) << int(dzTopLeft);
        QTest::newRow("clipped top") << edge << narrow << QPoint(206, 3) << int(dzTop);
        QTest::newRow("next to the clipped right grip") << edge << narrow << QPoint(403, 138) << int(dzMove);
    }
    void zones()
    {
        QFETCH(QRect, control);
        QFETCH(QSize, parent);
        QFETCH(QPoint, at);
        QFETCH(int, zone);
        QCOMPARE(ZoneAt(at, BoundsFor(control), control, QRect(QPoint(0, 0), parent)), zone);
    }

    void gripsKeptOnTheParent()
    {
        // A 408 x 272 control at (0, 0) on a parent of 408 x 300: the handle
        // reaches beyond the parent's left, top and right edges; every grip
        // is drawn whole inside the parent.
        const QRect control(0, 0, 408, 272);
        const QRect handle = BoundsFor(control);
        const QRect parent(0, 0, 408, 300);
        const QList<QRect> grips = GripRects(handle, {control}, parent);
        QCOMPARE(grips.size(), 8);
        for (const QRect &g : grips)
            QVERIFY2(parent.contains(g.translated(handle.topLeft())), qPrintable(QStringLiteral("%1,%2").arg(g.x()).arg(g.y())));
        QCOMPARE(grips[2].translated(handle.topLeft()), QRect(403, 269, 5, 5)); // bottom-right: moved left only
        // without a parent the grips stay where the frame puts them
        QCOMPARE(GripRects(handle, {control})[2].translated(handle.topLeft()), QRect(405, 269, 5, 5));
    }

    void snap()
    {
        QCOMPARE(Snap(17, 8), 16);
        QCOMPARE(Snap(-17, 8), -16); // toward zero
        QCOMPARE(Snap(17, 1), 17);
        QCOMPARE(Snap(5, 0), 5);
    }

    void frames_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("grid");
        QTest::addColumn<QRect>("frame");
        // Handle at (48, 58), 105 x 45, drag starting at (30, 20).
        const QPoint s(30, 20);
        QTest::newRow("move grid 1") << int(dzMove) << s + QPoint(10, 5) << 1 << QRect(56, 61, 105, 45);
        QTest::newRow("move grid 8") << int(dzMove) << s + QPoint(10, 5) << 8 << QRect(54, 54, 105, 45);
        QTest::newRow("right edge") << int(dzRight) << s + QPoint(10, 5) << 1 << QRect(48, 58, 112, 45);
        QTest::newRow("bottom edge") << int(dzBottom) << s + QPoint(0, 10) << 1 << QRect(48, 58, 105, 52);
        QTest::newRow("left edge") << int(dzLeft) << s + QPoint(10, 0) << 1 << QRect(56, 58, 97, 45);
        QTest::newRow("top-left") << int(dzTopLeft) << s + QPoint(-4, -6) << 1 << QRect(42, 50, 111, 53);
        QTest::newRow("bottom-right") << int(dzBottomRight) << s + QPoint(4, 6) << 1 << QRect(48, 58, 106, 48);
        // Minimum: the held control keeps 5 pixels, the far edge stays put.
        QTest::newRow("right edge to nothing") << int(dzRight) << s + QPoint(-200, 0) << 1 << QRect(48, 58, 10, 45);
        QTest::newRow("left edge past right") << int(dzLeft) << s + QPoint(300, 0) << 1 << QRect(143, 58, 10, 45);
        QTest::newRow("top edge past bottom") << int(dzTop) << s + QPoint(0, 300) << 1 << QRect(48, 93, 105, 10);
    }
    void frames()
    {
        QFETCH(int, zone);
        QFETCH(QPoint, to);
        QFETCH(int, grid);
        QFETCH(QRect, frame);
        QCOMPARE(FrameForDrag(zone, to, QPoint(30, 20), QRect(48, 58, 105, 45), grid, grid), frame);
    }

    void innerFrameAndClamp()
    {
        QCOMPARE(InnerFrame(QRect(48, 58, 105, 45)), QRect(50, 60, 100, 40));
        // Handle at (48, 58) on a 461 x 457 panel.
        const QRect h(48, 58, 105, 45);
        QCOMPARE(ClampToParent(QPoint(1000, -1000), h, 461, 457), QPoint(413, -58));
        QCOMPARE(ClampToParent(QPoint(10, 10), h, 461, 457), QPoint(10, 10));
    }
};

TARVIK_TEST_MAIN(TestElementGeometry)
#include "test_ElementGeometry.moc"
