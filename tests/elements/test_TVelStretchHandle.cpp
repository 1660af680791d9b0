// The selection handle with real elements on a shown panel, driven by QTest
// mouse and key events: geometry and grips for one and two controls,
// dragging, sizing, the grid, locking, clamping, presses handed to what lies
// beneath and the inner-control rule.

#include "HandleGeometry.h"
#include "TestSupport.h"
#include "VelCDImageElement.h"
#include "TVelStretchHandle.h"
#include "VelMeasureRoutines.h"

#include <QSignalSpy>

namespace {

// The offscreen platform cannot grab the mouse for real and says so on every
// grab; the widget-level grab the handle relies on works all the same.
QtMessageHandler previousHandler = nullptr;
void QuietGrabWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != u"This plugin does not support grabbing the mouse")
        previousHandler(type, context, message);
}

class TPanel : public QWidget
{
public:
    using QWidget::QWidget;
    QList<QPoint> presses;

protected:
    void mousePressEvent(QMouseEvent *e) override { presses << e->position().toPoint(); }
};

} // namespace

class TestTVelStretchHandle : public QObject
{
    Q_OBJECT
    std::unique_ptr<QWidget> window;
    TPanel *panel = nullptr;
    TVelStretchHandle *SH = nullptr;

    // An element at `bounds` that, pressed, is selected as the main window
    // does it: the handle takes it (Shift adds it).
    TVelCDImageElement *Element(const QRect &bounds)
    {
        auto *e = new TVelCDImageElement(panel);
        e->setGeometry(bounds);
        e->show();
        connect(e, &TVelCDImageElement::OnMouseDown, this,
                [this](QWidget *sender, Qt::MouseButton, Qt::KeyboardModifiers shift, QPoint) {
                    if (!(shift & Qt::ShiftModifier))
                        SH->DetachAll();
                    SH->AttachControl(sender);
                });
        return e;
    }

    // Mouse events through the window, as the platform delivers them, so the
    // handle's mouse grab decides who receives them.
    QPoint InWindow(QPoint panelPoint) const { return panel->mapTo(window.get(), panelPoint); }
    void Press(QPoint p) { QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, InWindow(p)); }
    void Move(QPoint p) { QTest::mouseMove(window->windowHandle(), InWindow(p)); }
    void Release(QPoint p) { QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, InWindow(p)); }

    QImage PanelShot() { return panel->grab().toImage().convertToFormat(QImage::Format_RGB32); }

private slots:
    void initTestCase()
    {
        VelMeasureRoutines::SetScreenPPI(96);
        previousHandler = qInstallMessageHandler(QuietGrabWarnings);
    }
    void init()
    {
        window = std::make_unique<QWidget>();
        window->resize(600, 600);
        panel = new TPanel(window.get());
        panel->setGeometry(20, 20, 461, 457);
        panel->setAutoFillBackground(true);
        panel->setPalette(QPalette(Qt::white));
        SH = new TVelStretchHandle(window.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        if (QWidget::mouseGrabber())
            QWidget::mouseGrabber()->releaseMouse();
        delete SH;
        window.reset();
    }

    void oneAndTwoControls()
    {
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        TVelCDImageElement *b = Element(QRect(200, 150, 20, 20));
        QVERIFY(!SH->isVisible());
        SH->AttachControl(a);
        QCOMPARE(SH->parentWidget(), panel);
        QVERIFY(SH->isVisible() && SH->isEnabled());
        QCOMPARE(SH->geometry(), QRect(48, 58, 105, 45));
        QImage shot = PanelShot();
        QCOMPARE(shot.pixel(48 + 1, 58 + 1), qRgb(0, 0, 0));          // corner grip
        QCOMPARE(shot.pixel(48 + 52, 58 + 2), qRgb(0, 0, 0));         // top edge grip
        QCOMPARE(shot.pixel(48 + 20, 58 + 20), qRgb(255, 255, 255));  // nothing else drawn

        SH->AttachControl(b);
        SH->AttachControl(a); // already held: nothing changes
        QCOMPARE(SH->ChildCount(), 2);
        QCOMPARE(SH->Child(0), a);
        QCOMPARE(SH->Child(2), nullptr);
        QCOMPARE(SH->geometry(), QRect(48, 58, 175, 115));
        QCOMPARE(a->geometry(), QRect(50, 60, 100, 40)); // the controls do not move
        shot = PanelShot();
        QCOMPARE(shot.pixel(48 + 1, 58 + 1), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(shot.pixel(48 + 52, 58 + 2), qRgb(255, 255, 255)); // no edge grips
        QCOMPARE(shot.pixel(198 + 1, 148 + 1), qRgb(0x80, 0x80, 0x80));

        // No resize zone with two held controls.
        QTest::mouseMove(SH, QPoint(1, 1));
        QCOMPARE(SH->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(SH->DragZone(), 0);
    }

    void attachingAWindowFails()
    {
        QWidget form;
        try {
            SH->AttachControl(&form);
            QFAIL("no EBadChild");
        } catch (const EBadChild &e) {
            QCOMPARE(e.message(), QStringLiteral("Handles can not be attached to a Form!"));
        }
        SH->AttachControl(nullptr);
        QVERIFY(!SH->HasChildren());
    }

    void anotherPanelStartsAfresh()
    {
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        auto *other = new QWidget(window.get());
        other->setGeometry(490, 20, 100, 100);
        auto *c = new QWidget(other);
        c->setGeometry(10, 10, 20, 20);
        other->show();
        SH->AttachControl(a);
        SH->AttachControl(c);
        QCOMPARE(SH->ChildCount(), 1);
        QCOMPARE(SH->parentWidget(), other);
        QCOMPARE(SH->geometry(), QRect(8, 8, 25, 25));
    }

    void detachAll()
    {
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        SH->AttachControl(a);
        SH->SetLocked(true);
        SH->DetachAll();
        QVERIFY(!SH->HasChildren());
        QVERIFY(!SH->Locked());
        QVERIFY(!SH->isVisible());
        QVERIFY(!SH->isEnabled());
        QCOMPARE(SH->parentWidget(), nullptr);
        QCOMPARE(SH->size(), QSize(24, 24));
        QCOMPARE(SH->GhostRect(), QRect(0, 0, 0, 0));
    }

    void heldControlDeleted()
    {
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        TVelCDImageElement *b = Element(QRect(200, 150, 20, 20));
        SH->AttachControl(a);
        SH->AttachControl(b);
        delete a;
        QCOMPARE(SH->ChildCount(), 1);
        QCOMPARE(SH->Child(0), b);
        SH->repaint();
    }

    // Whoever follows the selection hears of each change once, and the
    // handle already holds what it tells of.
    void heldChangedTellsEachChange()
    {
        QList<int> counts;
        connect(SH, &TVelStretchHandle::HeldChanged, this, [&] { counts << SH->ChildCount(); });
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        TVelCDImageElement *b = Element(QRect(200, 150, 20, 20));
        SH->AttachControl(a);
        SH->AttachControl(b);
        SH->AttachControl(a); // held already
        delete a;
        SH->DetachAll();
        SH->DetachAll(); // nothing held
        QCOMPARE(counts, (QList<int>{1, 2, 1, 0}));
    }

    void setBoundsAndLock()
    {
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        TVelCDImageElement *b = Element(QRect(200, 150, 20, 20));
        SH->AttachControl(a);
        SH->AttachControl(b);
        SH->SetBounds(58, 53, 180, 110);
        QCOMPARE(a->geometry(), QRect(60, 55, 105, 35));
        QCOMPARE(b->geometry(), QRect(210, 145, 25, 15));
        QCOMPARE(SH->geometry(), QRect(58, 53, 180, 110));
        SH->SetLocked(true);
        SH->SetBounds(0, 0, 50, 50);
        QCOMPARE(a->geometry(), QRect(60, 55, 105, 35));
        QCOMPARE(SH->geometry(), QRect(58, 53, 180, 110));
    }

    void stacking()
    {
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        TVelCDImageElement *b = Element(QRect(60, 70, 100, 40));
        SH->AttachControl(a);
        const auto indexOf = [this](QWidget *w) { return panel->children().indexOf(w); };
        SH->SetLocked(true);
        SH->BringChildrenToFront();
        QVERIFY(indexOf(a) < indexOf(b));
        SH->SetLocked(false);
        SH->BringChildrenToFront();
        QVERIFY(indexOf(a) > indexOf(b));
        QCOMPARE(panel->children().last(), SH); // the handle stays in front
        SH->SendChildrenToBack();
        QVERIFY(indexOf(a) < indexOf(b));
        QCOMPARE(panel->children().last(), SH);
    }

    void grids_data()
    {
        QTest::addColumn<int>("gx");
        QTest::addColumn<int>("gy");
        QTest::addColumn<bool>("snap");
        QTest::newRow("1, 1") << 1 << 1 << false;
        QTest::newRow("1, 2") << 1 << 2 << true;
        QTest::newRow("0 is 1") << 0 << 1 << false;
        QTest::newRow("above 32") << 40 << 1 << true;
    }
    void grids()
    {
        QFETCH(int, gx);
        QFETCH(int, gy);
        QFETCH(bool, snap);
        SH->SetGridX(gx);
        SH->SetGridY(gy);
        QCOMPARE(SH->SnapToGrid(), snap);
        QVERIFY(SH->GridX() >= 1 && SH->GridX() <= 32);
        SH->SetSnapToGrid(true);
        QCOMPARE(SH->GridX(), 8);
        QCOMPARE(SH->GridY(), 8);
        SH->SetSnapToGrid(false);
        QCOMPARE(SH->GridX(), 1);
    }

    void dragMoves_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<QPoint>("lands");
        // The control at (50, 60); the handle at (48, 58).
        QTest::newRow("grid 1") << 1 << QPoint(30, 15) << QPoint(78, 73);
        QTest::newRow("grid 8") << 8 << QPoint(30, 15) << QPoint(72, 72);
        QTest::newRow("back where it began") << 1 << QPoint(0, 0) << QPoint(50, 60);
    }
    void dragMoves()
    {
        QFETCH(int, grid);
        QFETCH(QPoint, by);
        QFETCH(QPoint, lands);
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        SH->AttachControl(a);
        SH->SetGridX(grid);
        SH->SetGridY(grid);
        QSignalSpy down(SH, &TVelStretchHandle::OnMouseDown);
        QSignalSpy up(SH, &TVelStretchHandle::OnMouseUp);
        const QPoint start(40, 20);
        QTest::mousePress(SH, Qt::LeftButton, {}, start);
        QVERIFY(SH->Dragging());
        QCOMPARE(down.count(), 1);
        QTest::mouseMove(SH, start + QPoint(7, 3));
        QTest::mouseMove(SH, start + by);
        if (!by.isNull())
            QCOMPARE(SH->GhostRect(), HandleGeometry::FrameForDrag(0, start + by, start, QRect(48, 58, 105, 45), grid, grid));
        QTest::mouseRelease(SH, Qt::LeftButton, {}, start + by);
        QCOMPARE(a->pos(), lands);
        QCOMPARE(a->size(), QSize(100, 40));
        QCOMPARE(SH->geometry(), HandleGeometry::BoundsFor(a->geometry()));
        QVERIFY(!SH->Dragging());
        QCOMPARE(SH->GhostRect(), QRect(0, 0, 0, 0));
        QCOMPARE(up.count(), 1);
        // The element took the move over.
        QCOMPARE(a->XPosInches(), lands.x() / 96.0f);
    }

    void dragClampedToPanel()
    {
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        SH->AttachControl(a);
        QTest::mousePress(SH, Qt::LeftButton, {}, QPoint(40, 20));
        // Far beyond the panel's right edge: as if on the edge.
        QTest::mouseMove(SH, QPoint(40 + 1000, 20));
        const QRect atEdge = HandleGeometry::FrameForDrag(0, QPoint(461 - 48, 20), QPoint(40, 20), QRect(48, 58, 105, 45), 1, 1);
        QCOMPARE(SH->GhostRect(), atEdge);
        QTest::mouseRelease(SH, Qt::LeftButton, {}, QPoint(40 + 1000, 20));
        QCOMPARE(a->x(), atEdge.x() + 2);
    }

    void resizeByGrips_data()
    {
        QTest::addColumn<QPoint>("grip");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<QRect>("control");
        QTest::addColumn<int>("cursor");
        // The control at (50, 60), 100 x 40; the handle 105 x 45.
        QTest::newRow("right edge") << QPoint(101, 22) << QPoint(20, 0) << QRect(50, 60, 117, 40) << int(Qt::SizeHorCursor);
        QTest::newRow("bottom edge") << QPoint(52, 41) << QPoint(0, 10) << QRect(50, 60, 100, 47) << int(Qt::SizeVerCursor);
        QTest::newRow("top-left") << QPoint(1, 1) << QPoint(-10, -10) << QRect(38, 48, 112, 52) << int(Qt::SizeFDiagCursor);
        QTest::newRow("right edge to nothing") << QPoint(101, 22) << QPoint(-300, 0) << QRect(50, 60, 5, 40) << int(Qt::SizeHorCursor);
        QTest::newRow("left edge past the right") << QPoint(1, 22) << QPoint(300, 0) << QRect(145, 60, 5, 40) << int(Qt::SizeHorCursor);
    }
    void resizeByGrips()
    {
        QFETCH(QPoint, grip);
        QFETCH(QPoint, by);
        QFETCH(QRect, control);
        QFETCH(int, cursor);
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        SH->AttachControl(a);
        QTest::mouseMove(SH, grip);
        QCOMPARE(int(SH->cursor().shape()), cursor);
        QTest::mousePress(SH, Qt::LeftButton, {}, grip);
        QTest::mouseMove(SH, grip + by);
        QTest::mouseRelease(SH, Qt::LeftButton, {}, grip + by);
        QCOMPARE(a->geometry(), control);
    }

    void notResizable()
    {
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        SH->AttachControl(a);
        SH->SetResizable(false);
        QTest::mouseMove(SH, QPoint(101, 22));
        QCOMPARE(SH->cursor().shape(), Qt::ArrowCursor);
        QTest::mousePress(SH, Qt::LeftButton, {}, QPoint(101, 22));
        QTest::mouseMove(SH, QPoint(121, 22));
        QTest::mouseRelease(SH, Qt::LeftButton, {}, QPoint(121, 22));
        QCOMPARE(a->geometry(), QRect(68, 58, 100, 40)); // moved, not sized
    }

    void lockedSelectsButNeverMoves()
    {
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        SH->AttachControl(a);
        SH->SetLocked(true);
        QSignalSpy down(SH, &TVelStretchHandle::OnMouseDown);
        QTest::mousePress(SH, Qt::LeftButton, {}, QPoint(40, 20));
        QVERIFY(!SH->Dragging());
        QCOMPARE(down.count(), 1);
        QTest::mouseMove(SH, QPoint(80, 40));
        QTest::mouseRelease(SH, Qt::LeftButton, {}, QPoint(80, 40));
        QTest::keyClick(SH, Qt::Key_Right);
        QCOMPARE(a->geometry(), QRect(50, 60, 100, 40));
    }

    void arrowKeys()
    {
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        TVelCDImageElement *b = Element(QRect(200, 150, 20, 20));
        SH->AttachControl(a);
        SH->AttachControl(b);
        QSignalSpy keys(SH, &TVelStretchHandle::OnKeyDown);
        QTest::keyClick(SH, Qt::Key_Right);
        QTest::keyClick(SH, Qt::Key_Right);
        QTest::keyClick(SH, Qt::Key_Up);
        QTest::keyClick(SH, Qt::Key_Down);
        QTest::keyClick(SH, Qt::Key_Down);
        QTest::keyClick(SH, Qt::Key_Left);
        QTest::keyClick(SH, Qt::Key_Delete);
        QTest::keyClick(SH, Qt::Key_Tab);
        QCOMPARE(a->pos(), QPoint(51, 61));
        QCOMPARE(b->pos(), QPoint(201, 151));
        QCOMPARE(keys.count(), 8);
        QCOMPARE(keys[6][0].toInt(), int(Qt::Key_Delete));
        QCOMPARE(keys[7][0].toInt(), int(Qt::Key_Tab));
    }

    void pressesOffHeldControlsGoBeneath()
    {
        // Two held controls far apart; between them lie another element and
        // bare panel.
        TVelCDImageElement *a = Element(QRect(50, 60, 40, 40));
        TVelCDImageElement *b = Element(QRect(300, 300, 40, 40));
        TVelCDImageElement *c = Element(QRect(150, 150, 40, 40));
        SH->AttachControl(a);
        SH->AttachControl(b);
        SH->raise();
        QSignalSpy cDown(c, &TVelCDImageElement::OnMouseDown);
        QSignalSpy handleDown(SH, &TVelStretchHandle::OnMouseDown);

        QTest::mouseClick(SH, Qt::LeftButton, {}, QPoint(250, 250) - SH->pos());
        QCOMPARE(panel->presses, QList<QPoint>{QPoint(250, 250)});
        QCOMPARE(SH->ChildCount(), 2);

        QTest::mousePress(SH, Qt::LeftButton, {}, QPoint(160, 170) - SH->pos());
        QCOMPARE(cDown.count(), 1);
        QCOMPARE(cDown[0][3].toPoint(), QPoint(10, 20));
        QCOMPARE(handleDown.count(), 0);
        // The element beneath is now the selection, and a drag moves it.
        QCOMPARE(SH->ChildCount(), 1);
        QCOMPARE(SH->Child(0), c);
        QTest::mouseRelease(SH, Qt::LeftButton, {}, QPoint(160, 170) - SH->pos());
        Press(QPoint(160, 170));
        Move(QPoint(170, 175));
        Move(QPoint(180, 190));
        Release(QPoint(180, 190));
        QCOMPARE(c->pos(), QPoint(168, 168));
    }

    void pressSelectsThenDrags()
    {
        // The press reaches the element, its owner attaches it, and the moves
        // that follow come to the handle.
        TVelCDImageElement *a = Element(QRect(50, 60, 100, 40));
        Press(QPoint(60, 70));
        QCOMPARE(SH->Child(0), a);
        QCOMPARE(QWidget::mouseGrabber(), SH);
        // The drag starts with the first move.
        Move(QPoint(62, 72));
        QVERIFY(SH->Dragging());
        Move(QPoint(90, 90));
        Release(QPoint(90, 90));
        QCOMPARE(a->pos(), QPoint(76, 76));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);

        // A click that selects without dragging lets the mouse go at once.
        TVelCDImageElement *b = Element(QRect(250, 250, 40, 40));
        Press(QPoint(260, 260));
        Release(QPoint(260, 260));
        QCOMPARE(SH->Child(0), b);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        QCOMPARE(b->pos(), QPoint(250, 250));
    }

    void innerControlIsSelected()
    {
        TVelCDImageElement *big = Element(QRect(50, 60, 300, 200));
        TVelCDImageElement *small = Element(QRect(100, 100, 30, 30));
        TVelCDImageElement *edge = Element(QRect(300, 100, 50, 30)); // shares the right edge
        SH->AttachControl(big);
        QSignalSpy smallDown(small, &TVelCDImageElement::OnMouseDown);
        QTest::mousePress(SH, Qt::LeftButton, {}, QPoint(110, 110) - SH->pos());
        QCOMPARE(SH->ChildCount(), 1);
        QCOMPARE(SH->Child(0), small);
        QCOMPARE(smallDown.count(), 1);
        QTest::mouseRelease(SH, Qt::LeftButton, {}, QPoint(110, 110) - SH->pos());
        QCOMPARE(small->pos(), QPoint(100, 100));

        SH->DetachAll();
        SH->AttachControl(big);
        QTest::mouseClick(SH, Qt::LeftButton, {}, QPoint(320, 110) - SH->pos());
        QCOMPARE(SH->Child(0), big);
        QCOMPARE(edge->pos(), QPoint(300, 100));
    }
};

TARVIK_TEST_MAIN(TestTVelStretchHandle)
#include "test_TVelStretchHandle.moc"
