// The text element as a real widget on a panel: angle normalisation, the
// two position units, the zoomed font, following a pixel move (also when
// no paint comes), the rotated boxes, relief and backgrounds as drawn.

#include "DocumentColors.h"
#include "TestSupport.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QPainter>
#include <QSignalSpy>

namespace {

// A surface panel that counts the presses reaching it.
class TPanel : public QWidget
{
public:
    using QWidget::QWidget;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

// Bounding box of the pixels that are not `background`.
QRect InkBox(const QImage &img, QRgb background)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage Render(QWidget *w)
{
    QImage img(w->size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    w->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

} // namespace

class TestVelRotateLabel : public QObject
{
    Q_OBJECT
    std::unique_ptr<TPanel> panel;

    TVelRotateLabel *NewLabel(const QString &caption = QStringLiteral("Hello World"))
    {
        auto *e = new TVelRotateLabel(panel.get());
        e->SetCaption(caption);
        QFont f = e->font();
        f.setStyleStrategy(QFont::NoAntialias);
        e->setFont(f);
        e->SetRealFontSize(20);
        e->SetAutoSize(true);
        e->SetColor(clWhite);
        e->SetFontColor(clBlack);
        e->show();
        return e;
    }

private slots:
    void initTestCase() { VelMeasureRoutines::SetScreenPPI(96); }
    void init()
    {
        panel = std::make_unique<TPanel>();
        panel->resize(461, 457);
    }
    void cleanup() { panel.reset(); }

    void defaults()
    {
        TVelRotateLabel e;
        QCOMPARE(e.Angle(), 0);
        QCOMPARE(e.TextStyle(), tsNone);
        QCOMPARE(e.zoom(), 1.0f);
        QCOMPARE(e.RealFontSize(), 12);
        QCOMPARE(e.font().family(), QStringLiteral("Arial"));
        QVERIFY(e.ShowAccelChar());
        QVERIFY(!e.WordWrap());
    }

    void angle_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("stored");
        QTest::newRow("-90") << -90 << 270;
        QTest::newRow("-450") << -450 << 270;
        QTest::newRow("450") << 450 << 90;
        QTest::newRow("720") << 720 << 360;
        QTest::newRow("360") << 360 << 360;
        QTest::newRow("180") << 180 << 180;
    }
    void angle()
    {
        QFETCH(int, set);
        QFETCH(int, stored);
        TVelRotateLabel e;
        e.SetAngle(set);
        QCOMPARE(e.Angle(), stored);
    }

    void positionUnits_data()
    {
        QTest::addColumn<float>("zoom");
        QTest::addColumn<int>("left");
        QTest::newRow("zoom 1.0") << 1.0f << 96;
        QTest::newRow("zoom 0.9") << 0.9f << 86;
        QTest::newRow("zoom 2.05") << 2.05f << 197;
    }
    void positionUnits()
    {
        QFETCH(float, zoom);
        QFETCH(int, left);
        TVelRotateLabel *e = NewLabel();
        e->Setzoom(zoom);
        e->SetXPosCm(2.54f);
        QCOMPARE(e->XPosInches(), 1.0f);
        QCOMPARE(e->x(), left);
        e->SetYPosInches(0.5f);
        QCOMPARE(e->YPosCm(), 1.27f);
        QCOMPARE(e->y(), VelMeasureRoutines::RoundEven(48.0 * zoom));
    }

    void zoomedFont()
    {
        TVelRotateLabel e;
        e.SetRealFontSize(12);
        e.Setzoom(0.9f);
        QCOMPARE(e.FontSize(), 11);
        e.Setzoom(1.05f);
        QCOMPARE(e.FontSize(), 13);
        QCOMPARE(e.RealFontSize(), 12);

        // A size set on the font directly turns back into RealFontSize.
        e.Setzoom(0.9f);
        e.SetFontSize(14);
        QCOMPARE(e.RealFontSize(), 16);

        // Zooming far out and back keeps the size the user chose, although
        // the zoomed font cannot follow it exactly on the way.
        e.SetRealFontSize(13);
        e.Setzoom(0.1f);
        QCOMPARE(e.FontSize(), 1);
        e.repaint();
        e.Setzoom(1.0f);
        QCOMPARE(e.RealFontSize(), 13);
        QCOMPARE(e.FontSize(), 13);
    }

    void followsPixelMove_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown surface") << true;
        QTest::newRow("surface not shown, no paint") << false;
    }
    void followsPixelMove()
    {
        QFETCH(bool, shown);
        TVelRotateLabel *e = NewLabel();
        e->SetXPosInches(0.5f);
        if (shown) {
            panel->show();
            QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        }
        QSignalSpy spy(e, &TVelRotateLabel::OnChangingPos);
        e->move(100, 30);
        if (shown)
            e->repaint();
        QCOMPARE(e->XPosInches(), 100.0f / 96.0f);
        QVERIFY(qAbs(e->XPosCm() - 2.6458f) < 1e-4f);
        QCOMPARE(e->YPosInches(), 30.0f / 96.0f);
        e->repaint();
        QCOMPARE(spy.count(), 1);
    }

    void ownMovesKeepExactInches()
    {
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        TVelRotateLabel *e = NewLabel();
        QSignalSpy spy(e, &TVelRotateLabel::OnChangingPos);
        e->SetXPosInches(1.01f);
        for (float z : {0.9f, 0.1f, 1.55f, 1.0f}) {
            e->Setzoom(z);
            e->repaint();
        }
        QCOMPARE(e->XPosInches(), 1.01f);
        QCOMPARE(spy.count(), 0);
    }

    void autoSizeBoxes_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<bool>("turned"); // width and height swap
        QTest::newRow("90") << 90 << true;
        QTest::newRow("180") << 180 << false;
        QTest::newRow("270") << 270 << true;
        QTest::newRow("360") << 360 << false;
    }
    void autoSizeBoxes()
    {
        QFETCH(int, angle);
        QFETCH(bool, turned);
        TVelRotateLabel *e = NewLabel();
        e->SetAngle(angle);
        const QFontMetrics fm(e->font());
        const int W = fm.horizontalAdvance(e->Caption());
        const int H = fm.height();
        QCOMPARE(e->size(), turned ? QSize(H, W) : QSize(W, H));
        e->repaint();
        QCOMPARE(e->size(), turned ? QSize(H, W) : QSize(W, H));
    }

    void accelCharOnlyUnrotated()
    {
        // "&" underlines the next character on the unrotated path and is
        // shown as itself on the rotated one, also at 360.
        TVelRotateLabel *e = NewLabel(QStringLiteral("Rock & Roll&Co"));
        const QFontMetrics fm(e->font());
        QCOMPARE(e->width(), fm.size(Qt::TextShowMnemonic, e->Caption()).width());
        QVERIFY(e->width() < fm.horizontalAdvance(e->Caption()));
        e->SetAngle(360);
        QCOMPARE(e->width(), fm.horizontalAdvance(e->Caption()));
    }

    void rotatedDrawing_data()
    {
        QTest::addColumn<int>("angle");
        QTest::newRow("90") << 90;
        QTest::newRow("180") << 180;
        QTest::newRow("270") << 270;
    }
    void rotatedDrawing()
    {
        // The ink of a rotated element is the unrotated ink turned about the
        // box: the text starts where the offsets put it and stays inside.
        QFETCH(int, angle);
        TVelRotateLabel *e = NewLabel(QStringLiteral("Lj"));
        e->SetAngle(360);
        const QRect b0 = InkBox(Render(e), qRgb(255, 255, 255));
        QVERIFY(!b0.isEmpty());
        const int W = e->width(), H = e->height();
        e->SetAngle(angle);
        const QRect b = InkBox(Render(e), qRgb(255, 255, 255));
        QRect expected;
        const int u0 = b0.left(), u1 = b0.right(), v0 = b0.top(), v1 = b0.bottom();
        if (angle == 90)
            expected = QRect(QPoint(v0, W - 1 - u1), QPoint(v1, W - 1 - u0));
        else if (angle == 180)
            expected = QRect(QPoint(W - 1 - u1, H - 1 - v1), QPoint(W - 1 - u0, H - 1 - v0));
        else
            expected = QRect(QPoint(H - 1 - v1, u0), QPoint(H - 1 - v0, u1));
        const auto near = [](int a, int b) { return qAbs(a - b) <= 1; };
        QVERIFY2(near(b.left(), expected.left()) && near(b.right(), expected.right())
                     && near(b.top(), expected.top()) && near(b.bottom(), expected.bottom()),
                 qPrintable(QStringLiteral("ink %1,%2 %3x%4, expected %5,%6 %7x%8")
                                .arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height())
                                .arg(expected.x()).arg(expected.y()).arg(expected.width()).arg(expected.height())));
    }

    void relief_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("lightLeft"); // the light copy shows on the left side
        QTest::newRow("raised") << int(tsRaised) << true;
        QTest::newRow("recessed") << int(tsRecessed) << false;
    }
    void relief()
    {
        QFETCH(int, style);
        QFETCH(bool, lightLeft);
        TVelRotateLabel *e = NewLabel(QStringLiteral("I"));
        e->SetRealFontSize(60);
        e->SetColor(0xFF0000); // blue
        e->SetFontColor(0x0000FF); // red
        e->SetTextStyle(TTextStyle(style));
        const QImage img = Render(e);
        const QColor light = e->palette().color(QPalette::Light);
        const QColor dark = e->palette().color(QPalette::Dark);
        const int y = img.height() / 2;
        int left = 0;
        while (left < img.width() && img.pixel(left, y) == qRgb(0, 0, 255))
            ++left;
        int right = img.width() - 1;
        while (right > 0 && img.pixel(right, y) == qRgb(0, 0, 255))
            --right;
        QVERIFY(left < right);
        QCOMPARE(img.pixel(left, y), (lightLeft ? light : dark).rgb());
        QCOMPARE(img.pixel(right, y), (lightLeft ? dark : light).rgb());
        // The main text lies on top, between the two copies.
        QCOMPARE(img.pixel((left + right) / 2, y), qRgb(255, 0, 0));
    }

    void solidBackgroundFillsRotatedBox()
    {
        panel->setAutoFillBackground(true);
        panel->setPalette(QPalette(Qt::white));
        TVelRotateLabel *e = NewLabel();
        e->SetColor(0x00FF00); // green
        e->SetAngle(90);
        e->move(40, 50);
        const QImage img = Render(panel.get());
        QRect green;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) == qRgb(0, 255, 0))
                    green |= QRect(x, y, 1, 1);
        QCOMPARE(green, e->geometry());

        e->SetTransparent(true);
        const QImage clear = Render(panel.get());
        QCOMPARE(clear.pixel(e->x(), e->y()), qRgb(255, 255, 255));
    }

    void pressIsTheElements()
    {
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        TVelRotateLabel *e = NewLabel();
        e->move(20, 20);
        QSignalSpy spy(e, &TVelRotateLabel::OnMouseDown);
        QTest::mousePress(e, Qt::RightButton, Qt::ShiftModifier, QPoint(3, 4));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].value<QWidget *>(), static_cast<QWidget *>(e));
        QCOMPARE(spy[0][1].value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(spy[0][2].value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
        QCOMPARE(spy[0][3].toPoint(), QPoint(3, 4));
        QCOMPARE(panel->presses, 0);
        QTest::mouseRelease(e, Qt::RightButton, Qt::ShiftModifier, QPoint(3, 4));
    }
};

TARVIK_TEST_MAIN(TestVelRotateLabel)
#include "test_VelRotateLabel.moc"
