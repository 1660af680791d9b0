// The picture of a round-label fit: the picture inside the disc, white
// outside it and in the hole, both outlines in the lines colour.

#include "LabelMask.h"

#include "TestSupport.h"

namespace {

const QColor Lines(0, 0, 255);

// Left half red, right half green, to show the picture is stretched over the
// whole label.
QImage TwoColours(QImage::Format format = QImage::Format_RGB32)
{
    QImage img(40, 30, format);
    img.fill(Qt::red);
    for (int y = 0; y < 30; ++y)
        for (int x = 20; x < 40; ++x)
            img.setPixelColor(x, y, Qt::green);
    return img;
}

} // namespace

class TestLabelMask : public QObject
{
    Q_OBJECT

private slots:
    // Disc of 200 pixels, hole of 80 at (60, 60).
    void pixels_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("expected");
        const QColor white(Qt::white);
        QTest::newRow("inside the disc, left") << QPoint(30, 100) << QColor(Qt::red);
        QTest::newRow("inside the disc, right") << QPoint(170, 100) << QColor(Qt::green);
        QTest::newRow("just outside the hole") << QPoint(56, 100) << QColor(Qt::red);
        QTest::newRow("outside, top left") << QPoint(0, 0) << white;
        QTest::newRow("outside, near the disc") << QPoint(28, 28) << white;
        QTest::newRow("outside, bottom right") << QPoint(199, 199) << white;
        QTest::newRow("in the hole, centre") << QPoint(100, 100) << white;
        QTest::newRow("in the hole, near its edge") << QPoint(100, 62) << white;
        QTest::newRow("disc outline, top") << QPoint(100, 0) << Lines;
        QTest::newRow("disc outline, left") << QPoint(0, 100) << Lines;
        QTest::newRow("disc outline, right") << QPoint(199, 100) << Lines;
        QTest::newRow("disc outline, bottom") << QPoint(100, 199) << Lines;
        QTest::newRow("hole outline, top") << QPoint(100, 60) << Lines;
        QTest::newRow("hole outline, left") << QPoint(60, 100) << Lines;
        QTest::newRow("hole outline, bottom") << QPoint(100, 139) << Lines;
    }

    void pixels()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, expected);
        const QImage label = RoundLabelPicture(TwoColours(), 200, 80, Lines);
        QCOMPARE(label.size(), QSize(200, 200));
        QCOMPARE(label.pixelColor(at), expected);
    }

    void outlinesAreClosed()
    {
        // Every row crossing the disc meets the lines colour at both ends of
        // the disc: no gap through which the picture reaches the white.
        const QImage label = RoundLabelPicture(TwoColours(), 201, 81, Lines);
        for (int y = 0; y < label.height(); ++y) {
            int x = 0;
            while (x < label.width() && label.pixelColor(x, y) == QColor(Qt::white))
                ++x;
            QVERIFY2(x < label.width(), qPrintable(QString("row %1 is empty").arg(y)));
            QVERIFY2(label.pixelColor(x, y) == Lines, qPrintable(QString("row %1 starts with the picture").arg(y)));
        }
    }

    void transparentPartsShowWhite()
    {
        QImage clear(10, 10, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        const QImage label = RoundLabelPicture(clear, 100, 30, Lines);
        QCOMPARE(label.pixelColor(20, 50), QColor(Qt::white));
        QCOMPARE(label.pixelColor(50, 0), Lines);
    }

    void oddInput()
    {
        const QImage empty = RoundLabelPicture(QImage(), 100, 30, Lines);
        QCOMPARE(empty.pixelColor(20, 50), QColor(Qt::white));
        QCOMPARE(empty.pixelColor(50, 0), Lines);

        QVERIFY(RoundLabelPicture(TwoColours(), 0, 30, Lines).isNull());
        QVERIFY(RoundLabelPicture(TwoColours(), -5, 30, Lines).isNull());

        // A hole as large as the disc leaves nothing of the picture.
        const QImage holeOnly = RoundLabelPicture(TwoColours(), 60, 90, Lines);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) {
                const QColor c = holeOnly.pixelColor(x, y);
                QVERIFY(c == QColor(Qt::white) || c == Lines);
            }
        // No hole at all: the picture fills the disc.
        QCOMPARE(RoundLabelPicture(TwoColours(), 60, 0, Lines).pixelColor(15, 30), QColor(Qt::red));
    }
};

TARVIK_TEST_MAIN(TestLabelMask)
#include "test_LabelMask.moc"
