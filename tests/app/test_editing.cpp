// Editing through the real main window: typing texts, inserting pictures,
// selecting by click and rubber band, deleting, changing a picture, the
// property panel, zoom, and undo and redo.

#include "MessageBoxes.h"
#include "StartupLayout.h"
#include "TSelectionRect.h"
#include "TShape.h"
#include "TSurfacePanel.h"
#include "TTarvikApplication.h"
#include "TVelPickColor.h"
#include "TVelWinSpinEdit.h"
#include "AppTestSupport.h"
#include "TfrmTarvik.h"
#include "VelCDImageElement.h"
#include "TVelStretchHandle.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QAction>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

using AppTest::Action;
using AppTest::Child;

namespace {

using AppTest::Boxes;

QString makePicture(const QString &folder, const QString &name, QSize size, QColor color = Qt::red)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    const QString path = folder + QLatin1Char('/') + name;
    img.save(path);
    return path;
}

int elementCount(const QWidget *panel)
{
    int n = 0;
    for (QObject *o : panel->children())
        if (qobject_cast<TVelRotateLabel *>(o) || qobject_cast<TVelCDImageElement *>(o))
            ++n;
    return n;
}

// A press (and release) on an element as the user gives it.
void clickElement(QWidget *element, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::mouseClick(element, Qt::LeftButton, mods, QPoint(2, 2));
}

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

    std::unique_ptr<TfrmTarvik> w;
    QTemporaryDir dir;

private slots:
    void initTestCase() { VelMeasureRoutines::SetScreenPPI(96); }

    void init()
    {
        w = AppTest::makeWindow();
        QVERIFY(!w->FFirstActivation);
        Action(*w, "mnuCm")->trigger();
    }
    void cleanup()
    {
        w->Modified = false;
        w.reset();
    }

    void typingCreatesEditsAndDeletes()
    {
        w->txtText->setFocus();
        QTest::keyClicks(w->txtText, QStringLiteral("A"));
        QCOMPARE(elementCount(w->pnlFrontCover), 1);
        TVelRotateLabel *t = w->TextSlots[0];
        QVERIFY(t);
        QCOMPARE(t->Caption(), QStringLiteral("A"));
        QCOMPARE(t->Angle(), 360); // "0°" checked
        QCOMPARE(w->Selection(), QList<QWidget *>{t});
        QTest::keyClicks(w->txtText, QStringLiteral("B"));
        QCOMPARE(elementCount(w->pnlFrontCover), 1);
        QCOMPARE(t->Caption(), QStringLiteral("AB"));
        QVERIFY(w->txtText->hasFocus());
        QTest::keyClick(w->txtText, Qt::Key_Backspace);
        QCOMPARE(t->Caption(), QStringLiteral("A"));
        QTest::keyClick(w->txtText, Qt::Key_Backspace);
        QCOMPARE(elementCount(w->pnlFrontCover), 0);
        QVERIFY(!w->TextSlots[0]);
        QVERIFY(w->Modified);
    }

    void newTextTakesPanelValues()
    {
        w->FZoom = 0.9f;
        w->cmbFontSize->setCurrentText(QStringLiteral("12"));
        w->rb90->setChecked(true);
        w->SpinX->setValue(2.0);
        w->SpinY->setValue(3.0);
        w->txtText->setText(QStringLiteral("Hello"));
        TVelRotateLabel *t = w->TextSlots[0];
        QVERIFY(t);
        QCOMPARE(t->RealFontSize(), 12);
        QCOMPARE(t->FontSize(), 11); // round(12 x 0.9)
        QCOMPARE(t->Angle(), 90);
        QCOMPARE(t->XPosCm(), 2.0f);
        QCOMPARE(t->YPosInches(), 3.0f / 2.54f);
    }

    void insertPicturesNoneSelected()
    {
        const QString a = makePicture(dir.path(), "a.png", QSize(100, 50));
        const QString b = makePicture(dir.path(), "b.jpg", QSize(60, 60));
        w->SpinX->setValue(1.0);
        w->PictureChooser = [&](const QString &, bool multiple) {
            return multiple ? QStringList{a, b} : QStringList{};
        };
        Action(*w, "mnuInsertImage")->trigger();
        QCOMPARE(elementCount(w->pnlFrontCover), 2);
        QVERIFY(!w->HasSelection());
        QVERIFY(w->Modified);
        TVelCDImageElement *first = w->ImageSlots[0];
        QCOMPARE(first->ImageFileName(), a);
        QCOMPARE(first->size(), QSize(100, 50));
        QCOMPARE(first->XPosCm(), 1.0f);
        QCOMPARE(w->ImageSlots[1]->XPosCm(), 1.0f);
        QCOMPARE(first->Order(), 1);
        QCOMPARE(w->ImageSlots[1]->Order(), 2);
    }

    void ctrlClickKeepsFirst()
    {
        w->txtText->setText(QStringLiteral("first"));
        w->pnlFrontCoverClick();
        w->SpinY->setValue(3.0);
        w->txtText->setText(QStringLiteral("second"));
        w->pnlFrontCoverClick();
        TVelRotateLabel *first = w->TextSlots[0], *second = w->TextSlots[1];
        clickElement(first);
        clickElement(second, Qt::ControlModifier);
        QCOMPARE(w->Selection(), (QList<QWidget *>{first, second}));
        QCOMPARE(w->txtText->text(), QStringLiteral("first"));

        // one snapshot for a font change that reaches both
        const int before = w->HistorySnapshots;
        w->btnItalic->click();
        QCOMPARE(w->HistorySnapshots, before + 1);
        QVERIFY(first->font().italic());
        QVERIFY(second->font().italic());

        // typing a position moves only the first
        const float secondY = second->YPosCm();
        w->SpinX->setValue(4.0);
        QCOMPARE(first->XPosCm(), 4.0f);
        QCOMPARE(second->XPosCm(), 0.0f);
        QCOMPARE(second->YPosCm(), secondY);
    }

    void shiftClickImageWithTextDisablesTabs()
    {
        w->txtText->setText(QStringLiteral("text"));
        w->pnlFrontCoverClick();
        const QString a = makePicture(dir.path(), "c.png", QSize(80, 80));
        w->SpinY->setValue(5.0);
        w->InsertImageFile(a);
        clickElement(w->TextSlots[0]);
        clickElement(w->ImageSlots[0], Qt::ShiftModifier);
        QCOMPARE(w->SelectionKind(), TfrmTarvik::skMixed);
        QVERIFY(!w->tabText->isEnabled());
        QVERIFY(!w->TabImage->isEnabled());
        QVERIFY(!w->SpinX->isEnabled());
        w->pnlFrontCoverClick();
        QVERIFY(w->tabText->isEnabled() && w->TabImage->isEnabled() && w->SpinX->isEnabled());
    }

    void rubberBand_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("selected");
        // The picture lies at (20, 20) with size 40 x 40.
        QTest::newRow("around it") << QPoint(10, 10) << QPoint(70, 70) << 1;
        QTest::newRow("around it, drawn backwards") << QPoint(70, 70) << QPoint(10, 10) << 1;
        QTest::newRow("touching its left edge") << QPoint(20, 10) << QPoint(70, 70) << 0;
        QTest::newRow("touching its right edge") << QPoint(10, 10) << QPoint(59, 70) << 0;
    }
    void rubberBand()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        const QString a = makePicture(dir.path(), "d.png", QSize(40, 40));
        const int slot = w->InsertImageFile(a);
        TVelCDImageElement *img = w->ImageSlots[slot];
        img->move(20, 20);
        QCOMPARE(img->geometry(), QRect(20, 20, 40, 40));
        Action(*w, "btnSelect")->setChecked(true);
        QWidget *panel = w->pnlFrontCover;
        QTest::mousePress(panel, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), panel->mapToGlobal(QPointF(to)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel, &move);
        QTest::mouseRelease(panel, Qt::LeftButton, {}, to);
        QTEST(int(w->Selection().size()), "selected");
        Action(*w, "btnSelect")->setChecked(false);
    }

    // A drag in rectangular-selection mode draws the band and selects what
    // lies inside, also when it starts on a picture fitted to the surface,
    // whether or not that picture is selected.
    void rubberBandOverFittedPicture()
    {
        const int slot = w->InsertImageFile(makePicture(dir.path(), "photo.png", QSize(300, 200)));
        TVelCDImageElement *photo = w->ImageSlots[slot];
        w->VelRotateLabelMouseDown(photo, Qt::LeftButton, Qt::NoModifier);
        w->cmbFitTo->setCurrentIndex(1);
        w->cmbFitToClick();
        QCOMPARE(photo->geometry(), QRect(QPoint(0, 0), w->pnlFrontCover->size()));
        w->pnlFrontCoverClick();
        w->SpinX->setValue(3.0);
        w->SpinY->setValue(3.0);
        w->txtText->setText(QStringLiteral("title"));
        TVelRotateLabel *title = w->TextSlots[0];
        w->pnlFrontCoverClick();
        Action(*w, "btnSelect")->setChecked(true);

        QWidget *panel = w->pnlFrontCover;
        const QPoint from(10, 10), to = title->geometry().bottomRight() + QPoint(10, 10);
        auto drag = [&] {
            const auto at = [&](QPoint p) { return panel->mapTo(w.get(), p); };
            QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, at(from));
            QTest::mouseMove(w->windowHandle(), at(from + QPoint(20, 20)));
            QTest::mouseMove(w->windowHandle(), at(to));
            const bool drawn = w->RectSel->isVisible() && w->RectSel->geometry() == QRect(from, to).normalized().adjusted(0, 0, -1, -1);
            QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, at(to));
            return drawn;
        };
        for (int round = 0; round < 2; ++round) {
            QVERIFY2(drag(), qPrintable(QStringLiteral("round %1").arg(round)));
            QCOMPARE(w->Selection(), QList<QWidget *>{title});
        }
        // started with the picture selected: the same
        Action(*w, "btnSelect")->setChecked(false);
        clickElement(photo);
        Action(*w, "btnSelect")->setChecked(true);
        QCOMPARE(w->Selection(), QList<QWidget *>{photo});
        QVERIFY(drag());
        QCOMPARE(w->Selection(), QList<QWidget *>{title});
        // a click that draws no band still selects the picture
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, panel->mapTo(w.get(), from));
        QCOMPARE(w->Selection(), QList<QWidget *>{photo});
        Action(*w, "btnSelect")->setChecked(false);
    }

    // A grip on the surface's edge sizes the picture, and what the element
    // holds in inches is what the screen shows.
    void gripOnTheEdge_data()
    {
        QTest::addColumn<bool>("clickedFirst");
        QTest::addColumn<QPoint>("grip"); // panel pixel on the grip as drawn
        QTest::addColumn<QPoint>("by");
        // A 3000 x 2000 photo lands at 0, 0 as wide as the 461-pixel cover:
        // its right-hand grips are cut by the cover's edge.
        QTest::newRow("bottom-right, just inserted") << false << QPoint(459, 306) << QPoint(-180, -96);
        QTest::newRow("bottom-right, clicked first") << true << QPoint(459, 306) << QPoint(-180, -96);
        QTest::newRow("right, just inserted") << false << QPoint(459, 153) << QPoint(-180, 0);
    }
    void gripOnTheEdge()
    {
        QFETCH(bool, clickedFirst);
        QFETCH(QPoint, grip);
        QFETCH(QPoint, by);
        Action(*w, "mnuInches")->trigger();
        const int slot = w->InsertImageFile(makePicture(dir.path(), "wide.png", QSize(3000, 2000)));
        TVelCDImageElement *img = w->ImageSlots[slot];
        QCOMPARE(img->geometry(), QRect(0, 0, 461, 307));
        if (clickedFirst)
            clickElement(img);
        else
            w->VelRotateLabelMouseDown(img, Qt::LeftButton, Qt::NoModifier);
        // the grip is drawn where the user presses it
        QCOMPARE(w->pnlFrontCover->grab().toImage().pixelColor(grip), QColor(Qt::black));

        const auto at = [&](QPoint p) { return w->pnlFrontCover->mapTo(w.get(), p); };
        QTest::mouseMove(w->windowHandle(), at(grip));
        QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, at(grip));
        QTest::mouseMove(w->windowHandle(), at(grip + by / 2));
        QTest::mouseMove(w->windowHandle(), at(grip + by));
        QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, at(grip + by));
        QCoreApplication::processEvents();

        // sized, not moved
        QCOMPARE(img->pos(), QPoint(0, 0));
        QVERIFY(img->width() < 461 - 150);
        const auto inches = [](int pixels) { return float(double(pixels) / 96.0); }; // zoom 1
        QCOMPARE(img->XPosInches(), 0.0f);
        QCOMPARE(img->YPosInches(), 0.0f);
        QCOMPARE(img->WidthInches(), inches(img->width()));
        QCOMPARE(img->HeightInches(), inches(img->height()));
        // the panel's fields and the saved record say the same
        QCOMPARE(w->SpinImgWidth->value(), double(QString::number(inches(img->width()), 'f', 2).toDouble()));
        TDocumentRecord record;
        w->FillDocumentRecord(record);
        QCOMPARE(record.Images[slot].XPosInches, 0.0f);
        QCOMPARE(record.Images[slot].WidthInches, inches(img->width()));
        QCOMPARE(record.Images[slot].HeightInches, inches(img->height()));
    }

    // With "Maintain aspect ratio" ticked a fitted photo fills its surface
    // cut to the surface's shape, never squeezed; unticked it is stretched.
    // A 3:2 photo with a red band on its left sixth and a blue one on its
    // right sixth: cut to the (nearly square) cover, neither band shows.
    void fittedPhotoKeepsItsProportions()
    {
        QImage bands(300, 200, QImage::Format_RGB32);
        for (int x = 0; x < 300; ++x)
            for (int y = 0; y < 200; ++y)
                bands.setPixelColor(x, y, x < 50 ? Qt::red : x >= 250 ? Qt::blue : Qt::green);
        const QString photo = dir.filePath(QStringLiteral("bands.png"));
        QVERIFY(bands.save(photo));
        const int slot = w->InsertImageFile(photo);
        TVelCDImageElement *img = w->ImageSlots[slot];
        auto fit = [&](int index) {
            w->VelRotateLabelMouseDown(img, Qt::LeftButton, Qt::NoModifier);
            w->cmbFitTo->setCurrentIndex(index);
            w->cmbFitToClick();
            w->pnlFrontCoverClick();
        };
        auto edges = [](QWidget *panel) {
            const QImage shot = panel->grab().toImage();
            const int mid = shot.height() / 2;
            return QList<QColor>{shot.pixelColor(8, mid), shot.pixelColor(shot.width() - 9, mid)};
        };
        const QList<QColor> cut{Qt::green, Qt::green}, stretched{Qt::red, Qt::blue};
        QVERIFY(w->chkProportions->isChecked());
        fit(1); // front cover
        QCOMPARE(edges(w->pnlFrontCover), cut);
        w->chkProportions->click();
        QCOMPARE(edges(w->pnlFrontCover), stretched);
        w->chkProportions->click();
        QCOMPARE(edges(w->pnlFrontCover), cut);

        fit(6); // the round label: its square comes from the photo's middle
        const int diameter = w->pnlRoundLabel->width();
        const QImage label = w->pnlRoundLabel->grab().toImage();
        QCOMPARE(label.pixelColor(12, diameter / 2), QColor(Qt::green));
        w->chkProportions->click();
        QCOMPARE(w->pnlRoundLabel->grab().toImage().pixelColor(12, diameter / 2), QColor(Qt::red));
        w->chkProportions->click();

        // a saved cover opens cut as well
        fit(1);
        const QString path = dir.filePath(QStringLiteral("cut.tvk"));
        w->SaveFileChooser = [&] { return path; };
        QVERIFY(w->SaveDocument(true));
        auto reopened = AppTest::makeWindow(QSize(1024, 768), {path});
        QCOMPARE(edges(reopened->pnlFrontCover), cut);
    }

    // One user command is one undo step, however many properties it sets.
    void styleIsOneUndoStep()
    {
        w->SpinX->setValue(1.0);
        w->SpinY->setValue(2.0);
        w->cmbFontSize->setCurrentText(QStringLiteral("28"));
        w->btnBold->setChecked(false);
        w->btnItalic->setChecked(true);
        w->shColor->setColorSilently(0x0000FF);
        w->rb180->setChecked(true);
        w->txtText->setText(QStringLiteral("Spine"));
        w->pnlFrontCoverClick();
        TDocumentRecord before;
        w->FillDocumentRecord(before);
        clickElement(w->TextSlots[0]);

        const int snapshots = w->HistorySnapshots;
        w->cmbApplyStyle->setCurrentIndex(w->cmbApplyStyle->findText(QStringLiteral("Left Spine")));
        w->cmbApplyStyleClick();
        QCOMPARE(w->HistorySnapshots, snapshots + 1);
        QCOMPARE(w->TextSlots[0]->parentWidget(), w->pnlBackCover);

        Action(*w, "mnuUndo")->trigger();
        TDocumentRecord after;
        w->FillDocumentRecord(after);
        QVERIFY(w->TextSlots[0]);
        QCOMPARE(w->TextSlots[0]->parentWidget(), w->pnlFrontCover);
        TTextElementRecord was = before.Texts[0], now = after.Texts[0];
        QCOMPARE(now.RealFontSize, 28);
        QCOMPARE(now.FontStyle, std::uint8_t(fbItalic));
        QCOMPARE(now.FontColor, 0x0000FF);
        QCOMPARE(now.Angle, 180);
        QCOMPARE(now.XPosCm, 1.0f);
        QCOMPARE(now.YPosCm, 2.0f);
        QCOMPARE(now.FontName, was.FontName);
        QCOMPARE(now.Transparent, was.Transparent);
    }

    void fitIsOneUndoStep()
    {
        w->SpinX->setValue(2.0);
        const int slot = w->InsertImageFile(makePicture(dir.path(), "fit.png", QSize(60, 40)));
        TVelCDImageElement *img = w->ImageSlots[slot];
        w->VelRotateLabelMouseDown(img, Qt::LeftButton, Qt::NoModifier);
        const int snapshots = w->HistorySnapshots;
        w->cmbFitTo->setCurrentIndex(4); // back cover
        w->cmbFitToClick();
        QCOMPARE(w->HistorySnapshots, snapshots + 1);
        QCOMPARE(img->parentWidget(), w->pnlBackCover);
        Action(*w, "mnuUndo")->trigger();
        TVelCDImageElement *back = w->ImageSlots[slot];
        QCOMPARE(back->parentWidget(), w->pnlFrontCover);
        QCOMPARE(back->FitStyle(), fsNone);
        QCOMPARE(back->XPosCm(), 2.0f);
        QCOMPARE(back->size(), QSize(60, 40));
    }

    void deleteRoundLabelImageShowsCircles()
    {
        w->ShowSurface(TSurfaceCode::RoundLabel);
        const QString a = makePicture(dir.path(), "e.png", QSize(50, 50));
        const int slot = w->InsertImageFile(a);
        TVelCDImageElement *img = w->ImageSlots[slot];
        img->SetFitStyle(fsRoundLabel);
        w->pnlRoundLabel->outerCircle()->hide();
        w->pnlRoundLabel->innerCircle()->hide();
        clickElement(img);
        w->Modified = false;
        QTest::keyClick(w->SH, Qt::Key_Delete);
        QVERIFY(!w->ImageSlots[slot]);
        QVERIFY(w->pnlRoundLabel->outerCircle()->isVisibleTo(w->pnlRoundLabel));
        QVERIFY(w->pnlRoundLabel->innerCircle()->isVisibleTo(w->pnlRoundLabel));
        QVERIFY(w->Modified); // a deletion is never dropped silently at close
    }

    void changePictureStartsAtOrigin()
    {
        const QString a = makePicture(dir.path(), "f.png", QSize(50, 50));
        const QString b = makePicture(dir.path(), "g.png", QSize(30, 20), Qt::blue);
        w->SpinX->setValue(3.0);
        w->SpinY->setValue(4.0);
        const int slot = w->InsertImageFile(a);
        w->ImageSlots[slot]->SetFitStyle(fsBack);
        clickElement(w->ImageSlots[slot]);
        w->PictureChooser = [&](const QString &start, bool) {
            [&] { QCOMPARE(start, a); }();
            return QStringList{b};
        };
        w->btnChangeImage->click();
        TVelCDImageElement *now = w->ImageSlots[0];
        QVERIFY(now);
        QCOMPARE(now->ImageFileName(), b);
        QCOMPARE(now->XPosCm(), 0.0f);
        QCOMPARE(now->YPosCm(), 0.0f);
        QCOMPARE(now->FitStyle(), fsNone);
        QCOMPARE(now->size(), QSize(30, 20));
        QCOMPARE(elementCount(w->pnlFrontCover), 1);
    }

    void enterMovesDownOneLine()
    {
        w->SpinY->setValue(1.0);
        w->txtText->setText(QStringLiteral("line"));
        TVelRotateLabel *t = w->TextSlots[0];
        t->SetAutoSize(false);
        t->resize(t->width(), 20);
        w->txtText->setFocus();
        QTest::keyClick(w->txtText, Qt::Key_Return);
        QVERIFY(!w->HasSelection());
        QCOMPARE(w->SpinY->text(), QStringLiteral("1.5")); // 1.0 + 20 / 96 x 2.54
        QCOMPARE(w->SpinX->value(), 0.0);
        QCOMPARE(w->txtText->text(), QString());
    }

    void fontSizeMustBeWhole()
    {
        Boxes boxes;
        w->txtText->setText(QStringLiteral("size"));
        TVelRotateLabel *t = w->TextSlots[0];
        const int before = t->RealFontSize();
        w->cmbFontSize->lineEdit()->setText(QStringLiteral("12.5"));
        w->cmbFontSize->lineEdit()->setModified(true);
        emit w->cmbFontSize->lineEdit()->editingFinished();
        QCOMPARE(t->RealFontSize(), before);
        QCOMPARE(boxes.texts, QStringList{"'12.5' is not a valid integer value"});
        w->cmbFontSize->lineEdit()->setText(QStringLiteral("30"));
        w->cmbFontSize->lineEdit()->setModified(true);
        emit w->cmbFontSize->lineEdit()->editingFinished();
        QCOMPARE(t->RealFontSize(), 30);
    }

    void fittedImageFieldsReadOnly()
    {
        const QString a = makePicture(dir.path(), "h.png", QSize(50, 50));
        const int slot = w->InsertImageFile(a);
        w->ImageSlots[slot]->SetFitStyle(fsFront);
        clickElement(w->ImageSlots[slot]);
        QCOMPARE(w->cmbFitTo->currentIndex(), 1);
        QVERIFY(w->SpinImgWidth->isReadOnly());
        QVERIFY(w->SH->Locked());
        w->pnlFrontCoverClick();
        QVERIFY(!w->SpinImgWidth->isReadOnly());
    }

    void commandStates()
    {
        QVERIFY(!Child<QToolButton>(*w, "btnDelete")->isEnabled());
        QVERIFY(!Child<QToolButton>(*w, "btnLeft")->isEnabled());
        w->txtText->setText(QStringLiteral("x"));
        QVERIFY(Child<QToolButton>(*w, "btnDelete")->isEnabled());
        QVERIFY(Action(*w, "mnuAlign")->isEnabled());
        // the popup's Paste only for the element format; the toolbar's for text too
        QApplication::clipboard()->setText(QStringLiteral("plain"));
        w->txtMenuPopup();
        QVERIFY(Child<QToolButton>(*w, "btnPaste")->isEnabled());
        QVERIFY(!Action(*w, "mnuPopPaste")->isEnabled());
        QVERIFY(Action(*w, "mnuDelete")->isEnabled()); // the pop-up's Delete too
    }

    void fullTablesRefuse()
    {
        Boxes boxes;
        const QString a = makePicture(dir.path(), "i.png", QSize(10, 10));
        for (int i = 0; i < ImageSlotCount; ++i)
            QCOMPARE(w->InsertImageFile(a), i);
        TVelCDImageElement *slot0 = w->ImageSlots[0];
        QCOMPARE(w->InsertImageFile(a), -1);
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(w->ImageSlots[0].data(), slot0); // nothing replaced
        QCOMPARE(elementCount(w->pnlFrontCover), ImageSlotCount);
    }

    void zoomSteps()
    {
        // Nothing shrinks the view back while the window is not active.
        QVERIFY(!w->isActiveWindow() || true);
        w->FZoom = 1.0f;
        w->txtText->setText(QStringLiteral("z"));
        TVelRotateLabel *t = w->TextSlots[0];
        t->SetXPosInches(1.0f);
        Action(*w, "btnZoomIn")->trigger();
        QVERIFY(!w->HasSelection());
        QCOMPARE(t->x(), VelMeasureRoutines::RoundEven(96.0f * 1.0f * w->FZoom));
        QCOMPARE(t->RealFontSize(), 22);
    }

    void zoomBounds()
    {
        w->activateWindow();
        const bool active = QTest::qWaitForWindowActive(w.get(), 1000);
        if (active) {
            // zooming in stops at the last step at which the round label
            // fits in the view
            for (int i = 0; i < 30; ++i)
                Action(*w, "btnZoomIn")->trigger();
            QVERIFY(w->pnlRoundLabel->width() <= w->pagCover->width());
            QVERIFY(w->pnlRoundLabel->height() <= w->pagCover->height());
        }
        // The bounds themselves, without the auto-fit: from 1.0 twenty-one
        // clicks reach 205 %, from 0.9 sixteen reach 10 %.
        QWidget other;
        other.show();
        other.activateWindow();
        if (!QTest::qWaitForWindowActive(&other, 1000))
            qWarning("another window could not be activated");
        w->FZoom = 1.0f;
        for (int i = 0; i < 25; ++i)
            Action(*w, "btnZoomIn")->trigger();
        QCOMPARE(w->SBPanel1->text(), QStringLiteral("Zoom: 205 %"));
        w->FZoom = 0.9f;
        for (int i = 0; i < 20; ++i)
            Action(*w, "btnZoomOut")->trigger();
        QCOMPARE(w->SBPanel1->text(), QStringLiteral("Zoom: 10 %"));
    }

    void undoRedo()
    {
        w->txtText->setText(QStringLiteral("one"));
        w->pnlFrontCoverClick();
        w->SpinY->setValue(2.0);
        w->txtText->setText(QStringLiteral("two"));
        w->pnlFrontCoverClick();
        QCOMPARE(elementCount(w->pnlFrontCover), 2);
        clickElement(w->TextSlots[1]); // a snapshot with both
        QTest::keyClick(w->SH, Qt::Key_Delete);
        QCOMPARE(elementCount(w->pnlFrontCover), 1);
        QVERIFY(Action(*w, "mnuUndo")->isEnabled());
        w->CoverSettings.Colors[ciFront] = 0x00FF00;
        Action(*w, "mnuUndo")->trigger();
        QCOMPARE(elementCount(w->pnlFrontCover), 2);
        QCOMPARE(w->TextSlots[1]->Caption(), QStringLiteral("two"));
        QCOMPARE(w->CoverSettings.Colors[ciFront], 0x00FF00); // colours are not part of the history
        QVERIFY(Action(*w, "mnuRedo")->isEnabled());
        Action(*w, "mnuRedo")->trigger();
        QCOMPARE(elementCount(w->pnlFrontCover), 1);
        QVERIFY(!Action(*w, "mnuRedo")->isEnabled());

        // Ctrl+Z in the text field undoes the last element change, even when
        // the field itself has something to undo
        w->pnlFrontCoverClick();
        w->txtText->setFocus();
        QTest::keyClicks(w->txtText, QStringLiteral("xy"));
        QVERIFY(w->txtText->isUndoAvailable());
        auto captions = [&] {
            QStringList list;
            for (const auto &t : w->TextSlots)
                if (t)
                    list << t->Caption();
            return list;
        };
        QVERIFY(captions().contains(QStringLiteral("xy")));
        QTest::keyClick(w->txtText, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(captions(), QStringList({"one", "two"}));
    }
};

TARVIK_APP_TEST_MAIN(TestEditing)
#include "test_editing.moc"
