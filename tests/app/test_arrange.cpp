// Alignment, stacking, the lock and fitting through the main window.

#include "TfrmAlignment.h"
#include "AppTestSupport.h"
#include "StartupLayout.h"
#include "TShape.h"
#include "TSurfacePanel.h"
#include "TTarvikApplication.h"
#include "TVelWinSpinEdit.h"
#include "TfrmTarvik.h"
#include "VelCDImageElement.h"
#include "TVelStretchHandle.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QAction>
#include <QToolButton>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

using AppTest::Action;
using AppTest::Child;

namespace {

QString makePicture(const QString &path, QSize size, QColor left, QColor right)
{
    QImage img(size, QImage::Format_RGB32);
    for (int x = 0; x < size.width(); ++x)
        for (int y = 0; y < size.height(); ++y)
            img.setPixelColor(x, y, x < size.width() / 2 ? left : right);
    img.save(path);
    return path;
}

QColor pixelOf(QWidget *w, QPoint p)
{
    return w->grab().toImage().pixelColor(p);
}

} // namespace

class TestArrange : public QObject
{
    Q_OBJECT
    std::unique_ptr<TfrmTarvik> w;
    QTemporaryDir dir;
    QString picture;

    TVelCDImageElement *insert(QSize size)
    {
        const int slot = w->InsertImageFile(
            makePicture(dir.filePath(QStringLiteral("p%1x%2.png").arg(size.width()).arg(size.height())), size,
                        Qt::red, Qt::blue));
        return w->ImageSlots[slot];
    }
    void select(QWidget *e, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        w->VelRotateLabelMouseDown(e, Qt::LeftButton, mods);
    }
    void fit(TVelCDImageElement *img, int index)
    {
        w->pnlFrontCoverClick();
        select(img);
        w->cmbFitTo->setCurrentIndex(index);
        w->cmbFitToClick();
    }

private slots:
    void initTestCase() { VelMeasureRoutines::SetScreenPPI(96); }
    void init()
    {
        w = AppTest::makeWindow();
        QVERIFY(!w->FFirstActivation);
    }
    void cleanup()
    {
        w->Modified = false;
        w.reset();
    }

    void oneClickCenter()
    {
        TVelCDImageElement *a = insert(QSize(100, 40));
        TVelCDImageElement *b = insert(QSize(51, 40));
        select(a);
        select(b, Qt::ShiftModifier);
        const int snapshots = w->HistorySnapshots;
        Child<QToolButton>(*w, "btnCenter")->click();
        QCOMPARE(a->x(), 180);
        QCOMPARE(b->x(), 205);
        QCOMPARE(w->HistorySnapshots, snapshots + 1);
        QVERIFY(w->Modified);
        QCOMPARE(w->Selection().size(), 2); // re-selected, the handle follows
        QCOMPARE(a->XPosInches(), 180.0f / 96.0f);
    }

    void lockStopsTheHandleNotTheCommands()
    {
        TVelCDImageElement *a = insert(QSize(40, 40));
        Action(*w, "mnuLockcomponents")->trigger();
        QVERIFY(Action(*w, "mnuLockcomponents")->isChecked());
        select(a);
        QVERIFY(w->SH->Locked());
        QTest::keyClick(w->SH, Qt::Key_Right);
        QCOMPARE(a->x(), 0);
        Child<QToolButton>(*w, "btnRight")->click();
        QCOMPARE(a->x(), w->pnlFrontCover->width() - 40);
        Action(*w, "mnuLockcomponents")->trigger();
        select(a);
        QVERIFY(!w->SH->Locked());
        QTest::keyClick(w->SH, Qt::Key_Left);
        QCOMPARE(a->x(), w->pnlFrontCover->width() - 41);
    }

    void stackingOrders()
    {
        TVelCDImageElement *one = insert(QSize(30, 30));
        TVelCDImageElement *two = insert(QSize(30, 30));
        TVelCDImageElement *three = insert(QSize(30, 30));
        QCOMPARE(QList<int>({one->Order(), two->Order(), three->Order()}), QList<int>({1, 2, 3}));
        select(one);
        Action(*w, "mnuBringtofront")->trigger();
        QCOMPARE(QList<int>({one->Order(), two->Order(), three->Order()}), QList<int>({3, 1, 2}));
        select(one);
        Action(*w, "mnuSendtoBack")->trigger();
        QCOMPARE(QList<int>({one->Order(), two->Order(), three->Order()}), QList<int>({1, 2, 3}));
        select(two);
        w->mnuPopDeleteClick();
        QCOMPARE(QList<int>({one->Order(), three->Order()}), QList<int>({1, 2}));
        // a fitted picture first in the selection is not restacked
        fit(one, 1);
        select(one);
        const int before = one->Order();
        Action(*w, "mnuBringtofront")->trigger();
        QCOMPARE(one->Order(), before);
    }

    void dialogChangesAreRecorded()
    {
        TVelCDImageElement *first = insert(QSize(100, 40));
        first->move(10, 0);
        TVelCDImageElement *second = insert(QSize(50, 40));
        second->move(300, 100);
        select(first);
        select(second, Qt::ShiftModifier);
        const int snapshots = w->HistorySnapshots;
        w->Modified = false;
        QTimer::singleShot(0, this, [] {
            auto *dlg = qobject_cast<TfrmAlignment *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            for (QRadioButton *rb : dlg->findChildren<QRadioButton *>())
                if (rb->text() == QStringLiteral("&Centers"))
                    rb->click();
            for (QPushButton *b : dlg->findChildren<QPushButton *>())
                if (b->text() == QStringLiteral("O&k"))
                    b->click();
        });
        Action(*w, "mnuAlign")->trigger();
        QCOMPARE(second->x(), 35);
        QCOMPARE(w->HistorySnapshots, snapshots + 1);
        QVERIFY(w->Modified);
        QCOMPARE(w->Selection().size(), 2);
        Action(*w, "mnuUndo")->trigger();
        QCOMPARE(w->ImageSlots[1]->x(), 300);
    }

    void fitBackCover()
    {
        TVelCDImageElement *img = insert(QSize(80, 60));
        fit(img, 4);
        QCOMPARE(img->parentWidget(), w->pnlBackCover);
        QCOMPARE(w->pagCover->currentWidget(), w->tabBackCover);
        QVERIFY(qAbs(img->XPosCm() - 0.6f) < 1e-4f);
        QCOMPARE(img->YPosCm(), 0.0f);
        QVERIFY(qAbs(img->WidthCm() - 13.85f) < 1e-3f);
        QVERIFY(qAbs(img->HeightCm() - 11.8f) < 1e-3f);
        QCOMPARE(img->Order(), 0);
        QVERIFY(w->SH->Locked());
    }

    void frontThenNone()
    {
        TVelCDImageElement *img = insert(QSize(80, 60));
        fit(img, 1);
        QCOMPARE(img->geometry(), QRect(QPoint(0, 0), w->pnlFrontCover->size()));
        fit(img, 0);
        QCOMPARE(img->FitStyle(), fsNone);
        QCOMPARE(img->Order(), 0);
        QCOMPARE(img->geometry(), QRect(QPoint(0, 0), w->pnlFrontCover->size()));
        QVERIFY(!w->SH->Locked()); // free to move again
    }

    void frontAndInsideHalves()
    {
        TVelCDImageElement *img = insert(QSize(200, 100)); // red left half, blue right half
        fit(img, 3);
        QCOMPARE(img->parentWidget(), w->pnlFrontCover);
        QCOMPARE(img->Order(), -3);
        w->pnlFrontCoverClick();
        QCOMPARE(pixelOf(img, QPoint(20, 20)), QColor(Qt::blue)); // the front shows the right half
        w->pagCover->setCurrentWidget(w->TabInsideCover); // the user shows the inside cover
        QCOMPARE(img->parentWidget(), w->pnlInsideCover);
        QCOMPARE(pixelOf(img, QPoint(img->width() - 20, 20)), QColor(Qt::red));
        w->pagCover->setCurrentWidget(w->TabFrontCover);
        QCOMPARE(img->parentWidget(), w->pnlFrontCover);
    }

    void roundLabelMask()
    {
        w->CoverSettings.Colors[ciLines] = 0x00FF00; // green lines
        TVelCDImageElement *img = insert(QSize(100, 100));
        fit(img, 6);
        QCOMPARE(img->parentWidget(), w->pnlRoundLabel);
        QCOMPARE(img->Order(), -10);
        QVERIFY(!w->pnlRoundLabel->outerCircle()->isVisibleTo(w->pnlRoundLabel));
        w->pnlFrontCoverClick();
        const QImage shown = img->grab().toImage();
        const int s = shown.width();
        QCOMPARE(shown.pixelColor(2, 2), QColor(Qt::white));         // outside the disc
        QCOMPARE(shown.pixelColor(s / 2, s / 2), QColor(Qt::white)); // in the hole
        const QColor disc = shown.pixelColor(s / 2, s / 8);          // on the disc
        QVERIFY(disc != QColor(Qt::white));
        // the disc's outline in the lines colour (scaled down, so softened)
        bool outline = false;
        for (int y = 0; y < 3; ++y) {
            const QColor c = shown.pixelColor(s / 2, y);
            outline = outline || (c.green() > c.red() + 40 && c.green() > c.blue() + 40);
        }
        QVERIFY(outline);
        fit(img, 0);
        QVERIFY(w->pnlRoundLabel->outerCircle()->isVisibleTo(w->pnlRoundLabel));
        QVERIFY(w->pnlRoundLabel->innerCircle()->isVisibleTo(w->pnlRoundLabel));
    }

    void nothingSelectedResetsFitList()
    {
        w->cmbFitTo->setCurrentIndex(3);
        QCOMPARE(w->cmbFitTo->currentIndex(), 0);
    }

    void aspectRatioForAllImages()
    {
        TVelCDImageElement *a = insert(QSize(30, 30));
        TVelCDImageElement *b = insert(QSize(30, 30));
        w->chkProportions->click();
        QVERIFY(!a->MaintainAspectRatio());
        QVERIFY(!b->MaintainAspectRatio());
        w->chkProportions->click();
        QVERIFY(a->MaintainAspectRatio() && b->MaintainAspectRatio());
    }
};

TARVIK_APP_TEST_MAIN(TestArrange)
#include "test_arrange.moc"
