#include "TVelPickColor.h"

#include "TestSupport.h"

#include <QColorDialog>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

class TestTVelPickColor : public QObject
{
    Q_OBJECT

    // Runs `answer` on the shared dialog once it is up; records whether it
    // ever came up. A dialog nobody expected is rejected so a test never
    // hangs in it.
    bool FDialogSeen = false;
    QColor FPreset;
    void answerDialog(std::function<void(QColorDialog *)> answer)
    {
        FDialogSeen = false;
        QTimer::singleShot(0, this, [this, answer] {
            QColorDialog *dialog = TVelPickColor::sharedDialog();
            if (!dialog->isVisible())
                return;
            FDialogSeen = true;
            FPreset = dialog->currentColor();
            answer(dialog);
        });
    }

private slots:
    void changedOnlyOnChange()
    {
        TVelPickColor swatch;
        QSignalSpy spy(&swatch, &TVelPickColor::changed);
        swatch.setColor(0x00112233);
        swatch.setColor(0x00112233);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(swatch.color(), 0x00112233);

        swatch.setColorSilently(0x00445566);
        QCOMPARE(swatch.color(), 0x00445566);
        QCOMPARE(spy.count(), 1);
        // Setting back the value already held stays silent too.
        swatch.setColor(0x00445566);
        QCOMPARE(spy.count(), 1);
    }

    void clickOpensSharedDialog()
    {
        QWidget window;
        auto *a = new TVelPickColor(&window);
        auto *b = new TVelPickColor(&window);
        b->move(50, 0);
        a->setColorSilently(0x00203040);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy spy(a, &TVelPickColor::changed);

        answerDialog([](QColorDialog *d) {
            d->setCurrentColor(QColor(0x11, 0x22, 0x33));
            d->accept();
        });
        QTest::mouseClick(a, Qt::LeftButton, {}, a->rect().center());
        QVERIFY(FDialogSeen);
        QCOMPARE(FPreset, QColor(0x40, 0x30, 0x20));
        QCOMPARE(a->color(), 0x00332211);
        QCOMPARE(spy.count(), 1);

        // Cancelling leaves the colour alone; the second swatch uses the
        // same dialog, preset to its own colour.
        QColorDialog *first = TVelPickColor::sharedDialog();
        answerDialog([](QColorDialog *d) {
            d->setCurrentColor(Qt::yellow);
            d->reject();
        });
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        QVERIFY(FDialogSeen);
        QCOMPARE(FPreset, QColor(Qt::black));
        QCOMPARE(b->color(), clBlack);
        QCOMPARE(TVelPickColor::sharedDialog(), first);

        // Accepting the colour already held is no change.
        answerDialog([](QColorDialog *d) { d->accept(); });
        QTest::mouseClick(a, Qt::LeftButton, {}, a->rect().center());
        QVERIFY(FDialogSeen);
        QCOMPARE(spy.count(), 1);
    }

    void keysAndReleaseOutside()
    {
        QWidget window;
        auto *swatch = new TVelPickColor(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            answerDialog([](QColorDialog *d) {
                d->setCurrentColor(Qt::red);
                d->accept();
            });
            swatch->setColorSilently(0);
            QTest::keyClick(swatch, key);
            QVERIFY2(FDialogSeen, QByteArray::number(int(key)).constData());
            QCOMPARE(swatch->color(), 0x000000FF);
        }

        // Pressing on the swatch and letting go elsewhere opens nothing.
        answerDialog([](QColorDialog *d) { d->reject(); });
        QTest::mousePress(swatch, Qt::LeftButton, {}, swatch->rect().center());
        QTest::mouseRelease(swatch, Qt::LeftButton, {}, QPoint(swatch->width() + 20, 5));
        QTest::qWait(20);
        QVERIFY(!FDialogSeen);
    }
};

TARVIK_TEST_MAIN(TestTVelPickColor)
#include "test_TVelPickColor.moc"
