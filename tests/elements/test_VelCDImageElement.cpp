// The image element as a real widget: the picture kind from the file name,
// the geometry setters, the aspect-ratio rule of the paint, the events, and
// following pixel changes also when no paint comes.

#include "TestSupport.h"
#include "VelCDImageElement.h"
#include "VelMeasureRoutines.h"

#include <QSignalSpy>

class TestVelCDImageElement : public QObject
{
    Q_OBJECT
    std::unique_ptr<QWidget> panel;

    // An element of w x h pixels at zoom 1 that has been painted once, so
    // its reference ratio is w : h.
    TVelCDImageElement *Painted(int w, int h)
    {
        auto *e = new TVelCDImageElement(panel.get());
        e->SetWidthInches(w / 96.0f);
        e->SetHeightInches(h / 96.0f);
        e->show();
        e->repaint();
        return e;
    }

private slots:
    void initTestCase() { VelMeasureRoutines::SetScreenPPI(96); }
    void init()
    {
        panel = std::make_unique<QWidget>();
        panel->resize(461, 457);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    }
    void cleanup() { panel.reset(); }

    void imageType_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        QTest::newRow(".jpeg cut to .JPE") << "" << "/p/photo.jpeg" << int(itJpg);
        QTest::newRow(".JPG") << "" << "/p/PHOTO.JPG" << int(itJpg);
        QTest::newRow(".jpe") << "" << "/p/x.jpe" << int(itJpg);
        QTest::newRow(".bmp") << "" << "/p/x.bmp" << int(itBmp);
        QTest::newRow(".wmf") << "" << "/p/x.wmf" << int(itWmf);
        QTest::newRow(".Emf") << "" << "/p/x.Emf" << int(itEmf);
        QTest::newRow("png after bmp keeps bmp") << "/p/a.bmp" << "/p/b.png" << int(itBmp);
        QTest::newRow("empty name") << "/p/a.jpg" << "" << int(itNone);
        QTest::newRow("dot only in a folder") << "/p/a.bmp" << "C:\\pics.jpg\\file" << int(itBmp);
    }
    void imageType()
    {
        QFETCH(QString, before);
        QFETCH(QString, name);
        QFETCH(int, type);
        TVelCDImageElement e;
        e.SetImageFileName(before);
        e.SetImageFileName(name);
        QCOMPARE(int(e.ImageType()), type);
        QCOMPARE(e.ImageFileName(), name);
    }

    void geometrySetters()
    {
        TVelCDImageElement *e = Painted(10, 10);
        e->SetWidthCm(2.54f);
        QCOMPARE(e->WidthInches(), 1.0f);
        QCOMPARE(e->width(), 96);
        e->SetHeightInches(0.5f);
        QCOMPARE(e->HeightCm(), 1.27f);
        e->SetXPosCm(5.08f);
        e->SetYPosInches(0.25f);
        QCOMPARE(e->geometry(), QRect(192, 24, 96, 48));
        e->Setzoom(0.9f);
        QCOMPARE(e->geometry(), QRect(173, 22, 86, 43));
        e->repaint();
        // The zoom moved pixels, not inches.
        QCOMPARE(e->WidthInches(), 1.0f);
        QCOMPARE(e->XPosInches(), 2.0f);
    }

    void aspectRatio_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<int>("fit");
        QTest::addColumn<QSize>("resizedTo");
        QTest::addColumn<QSize>("after");
        // Reference 200 x 100.
        QTest::newRow("wider") << true << int(fsNone) << QSize(260, 100) << QSize(260, 130);
        QTest::newRow("taller") << true << int(fsNone) << QSize(200, 150) << QSize(300, 150);
        QTest::newRow("both by the same") << true << int(fsNone) << QSize(230, 130) << QSize(230, 130);
        QTest::newRow("width more, height too") << true << int(fsNone) << QSize(300, 110) << QSize(300, 150);
        QTest::newRow("fitted") << true << int(fsFront) << QSize(260, 100) << QSize(260, 100);
        QTest::newRow("not asked") << false << int(fsNone) << QSize(260, 100) << QSize(260, 100);
    }
    void aspectRatio()
    {
        QFETCH(bool, keep);
        QFETCH(int, fit);
        QFETCH(QSize, resizedTo);
        QFETCH(QSize, after);
        TVelCDImageElement *e = Painted(200, 100);
        e->SetMaintainAspectRatio(keep);
        e->SetFitStyle(TFitStyle(fit));
        e->resize(resizedTo);
        e->repaint();
        QCOMPARE(e->size(), after);
        QCOMPARE(e->WidthInches(), after.width() / 96.0f);
        QCOMPARE(e->HeightInches(), after.height() / 96.0f);
    }

    void aspectRatioFromSizeFields()
    {
        // Width and height set one after the other, as the size fields do:
        // the width changed more and drives at the next paint.
        TVelCDImageElement *e = Painted(200, 100);
        e->SetMaintainAspectRatio(true);
        e->SetWidthCm(300 / 96.0f * 2.54f);
        e->SetHeightCm(100 / 96.0f * 2.54f);
        e->repaint();
        QCOMPARE(e->size(), QSize(300, 150));
    }

    void events()
    {
        TVelCDImageElement *e = Painted(50, 50);
        QSignalSpy resizing(e, &TVelCDImageElement::OnResizing);
        QSignalSpy fitting(e, &TVelCDImageElement::OnFitting);
        QSignalSpy moving(e, &TVelCDImageElement::OnChangingPos);
        e->repaint();
        e->repaint();
        QCOMPARE(resizing.count(), 2); // on every paint, also when nothing changed
        e->SetFitStyle(fsBack);
        e->SetFitStyle(fsBack);
        QCOMPARE(fitting.count(), 1);
        e->move(10, 10);
        e->repaint();
        QCOMPARE(moving.count(), 1);
        QCOMPARE(e->XPosInches(), 10 / 96.0f);
    }

    void followsBoundsWithoutPaint()
    {
        // On a surface that is not shown nothing paints; reading the values
        // takes the change over all the same.
        QWidget hidden;
        auto *e = new TVelCDImageElement(&hidden);
        e->SetWidthInches(1.0f);
        e->SetHeightInches(1.0f);
        QSignalSpy moving(e, &TVelCDImageElement::OnChangingPos);
        QSignalSpy resizing(e, &TVelCDImageElement::OnResizing);
        e->setGeometry(48, 24, 192, 48);
        QCOMPARE(e->XPosInches(), 0.5f);
        QCOMPARE(e->YPosCm(), 0.635f);
        QCOMPARE(e->WidthInches(), 2.0f);
        QCOMPARE(e->HeightInches(), 0.5f);
        QCOMPARE(moving.count(), 1);
        QCOMPARE(resizing.count(), 1);
    }

    void autoSizeAndStretch()
    {
        auto *e = new TVelCDImageElement(panel.get());
        QImage pic(30, 20, QImage::Format_RGB32);
        pic.fill(Qt::red);
        e->SetAutoSize(true);
        e->SetPicture(pic);
        QCOMPARE(e->size(), QSize(30, 20));
        e->SetAutoSize(false);
        e->SetStretch(true);
        e->resize(90, 60);
        e->show();
        const QImage shot = e->grab().toImage();
        QCOMPARE(shot.pixel(85, 55), qRgb(255, 0, 0));
    }

    void press()
    {
        TVelCDImageElement *e = Painted(50, 50);
        QSignalSpy spy(e, &TVelCDImageElement::OnMouseDown);
        QTest::mouseClick(e, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 6));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][2].value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ControlModifier));
    }
};

TARVIK_TEST_MAIN(TestVelCDImageElement)
#include "test_VelCDImageElement.moc"
