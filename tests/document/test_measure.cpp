// Unit conversions, their rounding, and the surfaces' pixel geometry.

#include "CDDataTypes.h"
#include "SurfaceGeometry.h"
#include "VelMeasureRoutines.h"

#include "TestSupport.h"

using namespace VelMeasureRoutines;

class TestMeasure : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetScreenPPI(96); }
    void cleanupTestCase() { SetScreenPPI(0); }

    void conversions()
    {
        QCOMPARE(InchesToCm(1.0f), 2.54f);
        QCOMPARE(CmToInches(2.54f), 1.0f);
        QCOMPARE(PixelsToCm(1.0f, 96.0f), 2.54f);
        QCOMPARE(PixelsToInches(1.0f, 96.0f), 1.0f);
        QCOMPARE(PixelsToInches(0.5f, 48.0f), 1.0f); // pixels at half zoom are twice as long
        QCOMPARE(InchesToPrinterPixelsX(0.5f, 600.0f), 300);
        QCOMPARE(InchesToPrinterPixelsY(2.0f, 300.0f), 600);
        // centimetres -> inches -> pixels, as the surfaces do it
        QCOMPARE(InchesToScreenPixels(CmToInches(12.2f), 1.0f), 461);
    }

    void roundingTiesToEven_data()
    {
        QTest::addColumn<float>("inches");
        QTest::addColumn<float>("zoom");
        QTest::addColumn<int>("pixels");
        // 96 pixels per inch: x/64 inch is 1.5 pixels per 1/64
        QTest::newRow("1.5 -> 2") << 1.0f / 64 << 1.0f << 2;
        QTest::newRow("4.5 -> 4") << 3.0f / 64 << 1.0f << 4;
        QTest::newRow("7.5 -> 8") << 5.0f / 64 << 1.0f << 8;
        QTest::newRow("2.5 -> 2 at zoom 0.5") << 5.0f / 96 << 0.5f << 2;
        QTest::newRow("-4.5 -> -4") << -3.0f / 64 << 1.0f << -4;
        QTest::newRow("0.5 -> 0") << 1.0f / 192 << 1.0f << 0;
    }

    void roundingTiesToEven()
    {
        QFETCH(float, inches);
        QFETCH(float, zoom);
        QFETCH(int, pixels);
        QCOMPARE(InchesToScreenPixels(inches, zoom), pixels);
    }

    void floatSteps()
    {
        // 0.35f is 0.34999999404; times 10 it is 3.4999999404 in double, but
        // the 32-bit product is exactly 3.5, which rounds to 4. A conversion
        // done in double would give 3.
        SetScreenPPI(10);
        QCOMPARE(InchesToScreenPixels(0.35f, 1.0f), 4);
        QCOMPARE(InchesToPrinterPixelsX(0.7f, 5.0f), 4);
        QCOMPARE(InchesToPrinterPixelsY(0.5f, 5.0f), 2);
    }

    void absurdValuesDoNotOverflow()
    {
        QCOMPARE(InchesToScreenPixels(1e30f, 2.0f), 2147483647);
        QCOMPARE(InchesToScreenPixels(-1e30f, 2.0f), -2147483647 - 1);
        QCOMPARE(InchesToScreenPixels(std::numeric_limits<float>::quiet_NaN(), 1.0f), 0);
        // the largest length a record may hold fits comfortably at full zoom
        QVERIFY(InchesToScreenPixels(MaxRecordFloat, 2.05f) < 20000000);
    }

    void surfaceGeometry_data()
    {
        QTest::addColumn<float>("zoom");
        QTest::addColumn<QSize>("front");
        QTest::addColumn<QSize>("back");
        QTest::addColumn<int>("lineLeft");
        QTest::addColumn<int>("lineRight");
        QTest::addColumn<int>("label");
        QTest::addColumn<int>("hole");
        QTest::addColumn<int>("holeOffset");
        QTest::newRow("zoom 1.0") << 1.0f << QSize(461, 457) << QSize(569, 446) << 23 << 546 << 435 << 170 << 132;
        QTest::newRow("zoom 0.9") << 0.9f << QSize(415, 412) << QSize(512, 401) << 20 << 492 << 391 << 153 << 119;
    }

    void surfaceGeometry()
    {
        QFETCH(float, zoom);
        QFETCH(QSize, front);
        QFETCH(QSize, back);
        QFETCH(int, lineLeft);
        QFETCH(int, lineRight);
        QFETCH(int, label);
        QFETCH(int, hole);
        QFETCH(int, holeOffset);

        const TSurfaceLayout l = SurfaceLayout(TCoverSettings::Defaults(), zoom);
        QCOMPARE(l.Front, front);
        QCOMPARE(l.Inside, front);
        QCOMPARE(l.Back, back);
        QCOMPARE(l.LineLeftX, lineLeft);
        QCOMPARE(l.LineRightX, lineRight);
        QCOMPARE(l.RoundLabel, QSize(label, label));
        QCOMPARE(l.OuterCircle, label);
        QCOMPARE(l.InnerCircle, hole);
        QCOMPARE(l.InnerOffset, holeOffset);
    }

    void panelCentring()
    {
        QCOMPARE(CenteredPanelPos(QSize(600, 500), QSize(461, 457)), QPoint(69, 14));
        // a sheet smaller than the panel: both halvings truncate toward zero
        QCOMPARE(CenteredPanelPos(QSize(400, 400), QSize(461, 457)), QPoint(-30, -36));
    }
};

TARVIK_TEST_MAIN(TestMeasure)
#include "test_measure.moc"
