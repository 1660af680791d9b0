// Where each fit puts a picture, how a front-and-inside picture is split, and
// how far a fitted picture is reduced when loaded.

#include "FitGeometry.h"
#include "SurfaceGeometry.h"
#include "VelMeasureRoutines.h"

#include "TestSupport.h"

namespace {

// Left half red, right half blue, with a green band at the far right, so a
// half that is swapped or mirrored shows.
QImage SplitPicture()
{
    QImage img(200, 100, QImage::Format_RGB32);
    img.fill(Qt::red);
    for (int y = 0; y < 100; ++y)
        for (int x = 100; x < 200; ++x)
            img.setPixelColor(x, y, x >= 190 ? Qt::green : Qt::blue);
    return img;
}

} // namespace

class TestFitGeometry : public QObject
{
    Q_OBJECT

private slots:
    void init() { VelMeasureRoutines::SetScreenPPI(96); }
    void cleanupTestCase() { VelMeasureRoutines::SetScreenPPI(0); }

    void placement_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("half");
        QTest::addColumn<int>("surface");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<float>("widthCm");
        QTest::addColumn<int>("order");
        const int f = int(TFrontInsideHalf::Front), i = int(TFrontInsideHalf::Inside);
        // Whole-panel fits take the panel's pixels; their centimetres follow
        // from those pixels (461 px = 12.197 cm), not from the cover's 12.2.
        QTest::newRow("front") << int(fsFront) << f << int(TSurfaceCode::Front) << QRect(0, 0, 461, 457) << 12.1973f << 0;
        QTest::newRow("inside") << int(fsInside) << f << int(TSurfaceCode::Inside) << QRect(0, 0, 461, 457) << 12.1973f << 0;
        QTest::newRow("front & inside, front half")
            << int(fsFrontInside) << f << int(TSurfaceCode::Front) << QRect(0, 0, 461, 457) << 12.1973f << -3;
        QTest::newRow("front & inside, inside half")
            << int(fsFrontInside) << i << int(TSurfaceCode::Inside) << QRect(0, 0, 461, 457) << 12.1973f << -3;
        QTest::newRow("back") << int(fsBack) << f << int(TSurfaceCode::Back) << QRect(23, 0, 523, 446) << 13.85f << 0;
        QTest::newRow("back with spines")
            << int(fsAllBack) << f << int(TSurfaceCode::Back) << QRect(0, 0, 569, 446) << 15.0548f << 0;
        QTest::newRow("round label")
            << int(fsRoundLabel) << f << int(TSurfaceCode::RoundLabel) << QRect(0, 0, 435, 435) << 11.5094f << -10;
    }

    void placement()
    {
        QFETCH(int, style);
        QFETCH(int, half);
        QFETCH(int, surface);
        QFETCH(QRect, bounds);
        QFETCH(float, widthCm);
        QFETCH(int, order);
        const auto p = FitPlacement(TFitStyle(style), TCoverSettings::Defaults(), 1.0f, TFrontInsideHalf(half));
        QVERIFY(p);
        QCOMPARE(int(p->Surface), surface);
        QCOMPARE(p->Bounds, bounds);
        QVERIFY2(qAbs(p->WidthCm - widthCm) < 1e-3f, qPrintable(QString::number(p->WidthCm)));
        QCOMPARE(p->WidthCm, VelMeasureRoutines::InchesToCm(p->WidthInches));
        QCOMPARE(p->Order, order);
    }

    void backCoverBetweenTheSpines()
    {
        const TCoverSettings s = TCoverSettings::Defaults();
        const auto p = FitPlacement(fsBack, s, 0.9f);
        QVERIFY(p);
        QCOMPARE(p->XPosInches, s.LeftSpineWidth);
        QCOMPARE(p->YPosInches, 0.0f);
        QCOMPARE(p->HeightInches, s.BackHeight);
        QVERIFY(qAbs(p->XPosCm - 0.6f) < 1e-4f);
        QVERIFY(qAbs(p->WidthCm - 13.85f) < 1e-4f);
        QVERIFY(qAbs(p->HeightCm - 11.8f) < 1e-4f);
        // the inches do not depend on the zoom; the pixels do
        QCOMPARE(p->Bounds, QRect(20, 0, 471, 401));
    }

    void noneKeepsWhatTheLastFitSet()
    {
        const TCoverSettings s = TCoverSettings::Defaults();
        QVERIFY(!FitPlacement(fsNone, s, 1.0f));
        QVERIFY(!FitPlacement(TFitStyle(9), s, 1.0f));

        TImageElementRecord r;
        r.XPosInches = 1.5f;
        r.Order = 4;
        r.SurfaceIndex = TSurfaceCode::Back;
        ApplyFitToRecord(r, fsFront, s, 1.0f);
        const TImageElementRecord fitted = r;
        QCOMPARE(r.SurfaceIndex, TSurfaceCode::Front);
        QCOMPARE(r.XPosInches, 0.0f);
        QCOMPARE(r.Order, 0);

        ApplyFitToRecord(r, fsNone, s, 1.0f);
        QCOMPARE(r.FitStyle, fsNone);
        TImageElementRecord expected = fitted;
        expected.FitStyle = fsNone;
        QCOMPARE(r, expected); // still covering the front cover, Order 0, now free

        QVERIFY(FitReplacesPicture(fsFrontInside) && FitReplacesPicture(fsRoundLabel));
        QVERIFY(!FitReplacesPicture(fsFront));
    }

    void frontInsideHalves_data()
    {
        QTest::addColumn<float>("zoom");
        QTest::newRow("zoom 1.0") << 1.0f;
        QTest::newRow("zoom 0.9") << 0.9f;
        QTest::newRow("zoom 1.35") << 1.35f;
    }

    void frontInsideHalves()
    {
        QFETCH(float, zoom);
        const TCoverSettings s = TCoverSettings::Defaults();
        const TSurfaceLayout layout = SurfaceLayout(s, zoom);
        const QImage picture = SplitPicture();

        const QImage front = FrontInsideHalfPicture(picture, s, zoom, TFrontInsideHalf::Front);
        QCOMPARE(front.size(), layout.Front);
        // Sampled clear of the seams, which the scaling blends.
        const int mid = front.height() / 2;
        QCOMPARE(front.pixelColor(10, mid), QColor(Qt::blue));
        QCOMPARE(front.pixelColor(front.width() / 2, 3), QColor(Qt::blue));
        QCOMPARE(front.pixelColor(front.width() - 3, mid), QColor(Qt::green));

        const QImage inside = FrontInsideHalfPicture(picture, s, zoom, TFrontInsideHalf::Inside);
        QCOMPARE(inside.size(), layout.Inside);
        QCOMPARE(inside.pixelColor(3, mid), QColor(Qt::red));
        QCOMPARE(inside.pixelColor(inside.width() - 10, inside.height() - 3), QColor(Qt::red));

        QVERIFY(FrontInsideHalfPicture(QImage(), s, zoom, TFrontInsideHalf::Front).isNull());
    }

    void centerCrop_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSizeF>("surface");
        QTest::addColumn<QRect>("shown");
        QTest::newRow("3:2 photo on a square") << QSize(3000, 2000) << QSizeF(4.72, 4.72) << QRect(500, 0, 2000, 2000);
        QTest::newRow("2:3 photo on a square") << QSize(2000, 3000) << QSizeF(1, 1) << QRect(0, 500, 2000, 2000);
        QTest::newRow("square on the covers side by side") << QSize(1000, 1000) << QSizeF(9.44, 4.72)
                                                           << QRect(0, 250, 1000, 500);
        QTest::newRow("the surface's own shape") << QSize(922, 457) << QSizeF(922, 457) << QRect(0, 0, 922, 457);
        QTest::newRow("odd cut, rounded and centred") << QSize(101, 10) << QSizeF(3, 1) << QRect(35, 0, 30, 10);
        QTest::newRow("a one-pixel picture") << QSize(1, 1) << QSizeF(5, 1) << QRect(0, 0, 1, 1);
        QTest::newRow("a hair-thin surface") << QSize(100, 100) << QSizeF(1000, 0.01) << QRect(0, 49, 100, 1);
        QTest::newRow("no surface size") << QSize(300, 200) << QSizeF(0, 5) << QRect(0, 0, 300, 200);
        QTest::newRow("no picture") << QSize(0, 0) << QSizeF(1, 1) << QRect(0, 0, 0, 0);
    }
    void centerCrop()
    {
        QFETCH(QSize, picture);
        QFETCH(QSizeF, surface);
        QTEST(CenterCropRect(picture, surface), "shown");
    }

    // Keeping its proportions, a picture for both covers is cut to their
    // shape first: four bands on a 4:1 picture, of which the covers (2:1
    // together) show the middle two, one each.
    void frontInsideHalvesKeepProportions()
    {
        const TCoverSettings s = TCoverSettings::Defaults();
        QImage bands(400, 100, QImage::Format_RGB32);
        const QColor colours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        for (int x = 0; x < 400; ++x)
            for (int y = 0; y < 100; ++y)
                bands.setPixelColor(x, y, colours[x / 100]);
        const QImage inside = FrontInsideHalfPicture(bands, s, 1.0f, TFrontInsideHalf::Inside, true);
        const QImage front = FrontInsideHalfPicture(bands, s, 1.0f, TFrontInsideHalf::Front, true);
        // (the covers are a little wider than 2:1, so a sliver of the outer
        // bands shows at the very edges)
        const int mid = inside.height() / 2;
        QCOMPARE(inside.pixelColor(10, mid), QColor(Qt::green));
        QCOMPARE(inside.pixelColor(inside.width() - 10, mid), QColor(Qt::green));
        QCOMPARE(front.pixelColor(10, mid), QColor(Qt::blue));
        QCOMPARE(front.pixelColor(front.width() - 10, mid), QColor(Qt::blue));
        // stretched, the outer bands show at the outer edges
        QCOMPARE(FrontInsideHalfPicture(bands, s, 1.0f, TFrontInsideHalf::Inside).pixelColor(10, mid), QColor(Qt::red));
        QCOMPARE(FrontInsideHalfPicture(bands, s, 1.0f, TFrontInsideHalf::Front).pixelColor(front.width() - 10, mid),
                 QColor(Qt::yellow));
    }

    void frontInsideSourceRects()
    {
        const TCoverSettings s = TCoverSettings::Defaults();
        QCOMPARE(FrontInsideCanvas(s, 1.0f), QSize(922, 457));
        QCOMPARE(FrontInsideSourceRect(QSize(922, 457), TFrontInsideHalf::Inside), QRect(0, 0, 461, 457));
        QCOMPARE(FrontInsideSourceRect(QSize(922, 457), TFrontInsideHalf::Front), QRect(461, 0, 461, 457));
        // an odd width: the front gets the extra column
        QCOMPARE(FrontInsideSourceRect(QSize(923, 10), TFrontInsideHalf::Front), QRect(461, 0, 462, 10));
    }

    void loadSize_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("photo on the front") << int(fsFront) << QSize(6000, 4000) << QSize(1407, 938);
        QTest::newRow("tall photo on the front") << int(fsFront) << QSize(4000, 6000) << QSize(945, 1418);
        QTest::newRow("photo on both covers") << int(fsFrontInside) << QSize(6000, 4000) << QSize(1891, 1261);
        QTest::newRow("photo on the label") << int(fsRoundLabel) << QSize(6000, 4000) << QSize(1337, 891);
        QTest::newRow("small picture is never enlarged") << int(fsFront) << QSize(300, 200) << QSize(300, 200);
        QTest::newRow("not fitted") << int(fsNone) << QSize(6000, 4000) << QSize(6000, 4000);
        QTest::newRow("empty picture") << int(fsFront) << QSize(0, 0) << QSize(0, 0);
    }

    void loadSize()
    {
        QFETCH(int, style);
        QFETCH(QSize, picture);
        QFETCH(QSize, expected);
        QCOMPARE(FittedPictureLoadSize(picture, TFitStyle(style), TCoverSettings::Defaults()), expected);
    }

    void loadBoxCoversTheHighestZoom()
    {
        // The view's last zoom-in step, reached as the view reaches it.
        float top = 0;
        for (float start : {0.9f, 1.0f}) {
            float z = start;
            while (z < 2.0f)
                z += 0.05f;
            top = std::max(top, z);
        }
        const TCoverSettings s = TCoverSettings::Defaults();
        const TSurfaceLayout layout = SurfaceLayout(s, top);
        const QSize front = FitLoadBox(fsFront, s);
        QVERIFY(front.width() >= layout.Front.width() && front.height() >= layout.Front.height());
        const QSize both = FitLoadBox(fsFrontInside, s);
        QVERIFY(both.width() >= FrontInsideCanvas(s, top).width());
        QVERIFY(FitLoadBox(fsNone, s).isEmpty());
    }
};

TARVIK_TEST_MAIN(TestFitGeometry)
#include "test_FitGeometry.moc"
