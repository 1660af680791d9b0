// Cut, copy and paste through the real main window and the application's
// clipboard: the block a selection makes, pasting it on another surface,
// undo steps, the text field's text, and blocks other programs put there.

#include "AppTestSupport.h"
#include "ClipboardBlock.h"
#include "EnglishStrings.h"
#include "TSurfacePanel.h"
#include "TVelStretchHandle.h"
#include "TVelWinSpinEdit.h"
#include "VelCDImageElement.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>

#include <bit>
#include <cmath>
#include <cstring>

using AppTest::Action;
using AppTest::Boxes;
using AppTest::Child;

namespace {

QString makePicture(const QString &folder, const QString &name, QSize size, QColor color = Qt::red)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    const QString path = folder + QLatin1Char('/') + name;
    img.save(path);
    return path;
}

template <class T>
QList<T *> elementsOn(const TfrmTarvik &w, const char *panel)
{
    return Child<TSurfacePanel>(w, panel)->findChildren<T *>(Qt::FindDirectChildrenOnly);
}

void clickElement(QWidget *element, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::mouseClick(element, Qt::LeftButton, mods, QPoint(2, 2));
}

ClipboardBlock::TReadResult clipboardBlock()
{
    return ClipboardBlock::ReadMimeData(QApplication::clipboard()->mimeData());
}

void putBlock(const QByteArray &block)
{
    auto *mime = new QMimeData;
    mime->setData(ClipboardBlock::MimeType(), block);
    QApplication::clipboard()->setMimeData(mime);
}

QByteArray withInt(QByteArray b, int offset, std::int32_t v)
{
    std::memcpy(b.data() + offset, &v, 4); // the test machine is little-endian
    return b;
}

} // namespace

class TestClipboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<TfrmTarvik> w;
    QTemporaryDir dir;

    // A text typed into the panel at (x, y) inches on the visible surface.
    TVelRotateLabel *typeText(const QString &text, double x, double y)
    {
        w->pnlFrontCoverClick();
        Child<TVelWinSpinEdit>(*w, "SpinX")->setValue(x);
        Child<TVelWinSpinEdit>(*w, "SpinY")->setValue(y);
        Child<QLineEdit>(*w, "txtText")->setText(text);
        return qobject_cast<TVelRotateLabel *>(w->Selection().value(0));
    }
    TVelCDImageElement *insertPicture(const QString &name, double x, double y)
    {
        w->pnlFrontCoverClick();
        Child<TVelWinSpinEdit>(*w, "SpinX")->setValue(x);
        Child<TVelWinSpinEdit>(*w, "SpinY")->setValue(y);
        const int slot = w->InsertImageFile(makePicture(dir.path(), name, QSize(60, 40)));
        return w->ImageSlots[slot];
    }

private slots:
    void initTestCase() { VelMeasureRoutines::SetScreenPPI(96); }
    void init()
    {
        w = AppTest::makeWindow();
        QApplication::clipboard()->clear();
    }
    void cleanup() { w.reset(); }

    // Copy takes the elements in the order they were selected.
    void copyTextThenImage()
    {
        TVelRotateLabel *title = typeText(QStringLiteral("Title"), 1.0, 1.0);
        TVelCDImageElement *photo = insertPicture(QStringLiteral("a.png"), 2.0, 2.0);
        clickElement(title);
        clickElement(photo, Qt::ShiftModifier);
        QVERIFY(Action(*w, "mnuCopy")->isEnabled());
        Action(*w, "mnuCopy")->trigger();

        const ClipboardBlock::TReadResult r = clipboardBlock();
        QCOMPARE(r.Status, ClipboardBlock::TReadResult::Ok);
        QCOMPARE(r.Data.Count, 2);
        QCOMPARE(int(r.Data.Kinds[0]), 0);
        QCOMPARE(int(r.Data.Kinds[1]), 1);
        QCOMPARE(r.Data.Texts[0].Text, QStringLiteral("Title"));
        QCOMPARE(r.Data.Images[1].ImageFileName, photo->ImageFileName());
        QVERIFY(!r.Data.Texts[1].isUsed());
        QVERIFY(!r.Data.Images[0].isUsed());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Title"));
        QCOMPARE(w->Selection().size(), 2); // a copy changes nothing
    }

    // Pasted on another surface: the same coordinates, the first free
    // slots, the picture above that surface's pictures and under the pasted
    // text, all selected, and one undo step that takes it all back.
    void pasteOnAnotherSurface()
    {
        TVelRotateLabel *title = typeText(QStringLiteral("Title"), 1.0, 1.5);
        TVelCDImageElement *photo = insertPicture(QStringLiteral("a.png"), 2.0, 0.5);
        clickElement(photo);
        clickElement(title, Qt::ShiftModifier);
        Action(*w, "mnuCopy")->trigger();

        w->ShowSurface(TSurfaceCode::Inside);
        typeText(QStringLiteral("Inside"), 0.2, 0.2);                      // text slot 1
        TVelCDImageElement *under = insertPicture(QStringLiteral("b.png"), 0.3, 0.3); // image slot 1
        w->pnlFrontCoverClick();
        Action(*w, "mnuLockcomponents")->trigger();
        const int snapshots = w->HistorySnapshots;
        Action(*w, "mnuPaste")->trigger();
        QCOMPARE(w->HistorySnapshots, snapshots + 1);
        QVERIFY(w->Modified);

        const QList<TVelRotateLabel *> texts = elementsOn<TVelRotateLabel>(*w, "pnlInsideCover");
        const QList<TVelCDImageElement *> images = elementsOn<TVelCDImageElement>(*w, "pnlInsideCover");
        QCOMPARE(texts.size(), 2);
        QCOMPARE(images.size(), 2);
        TVelRotateLabel *text = texts.last()->Caption() == QStringLiteral("Title") ? texts.last() : texts.first();
        TVelCDImageElement *image = images.last() == under ? images.first() : images.last();
        QCOMPARE(text->Caption(), QStringLiteral("Title"));
        QCOMPARE(text->ArrayIndex(), 2);
        QCOMPARE(image->ArrayIndex(), 2);
        QCOMPARE(text->pos(), title->pos());
        QCOMPARE(image->geometry(), photo->geometry());
        QCOMPARE(image->Order(), under->Order() + 1);
        const QObjectList stack = Child<TSurfacePanel>(*w, "pnlInsideCover")->children();
        QVERIFY(stack.indexOf(image) > stack.indexOf(under));
        QVERIFY(stack.indexOf(image) < stack.indexOf(text));
        QCOMPARE(w->Selection(), (QList<QWidget *>{image, text}));
        QVERIFY(Child<TVelStretchHandle>(*w, "SH")->Locked());
        // the copied ones stay where they were
        QCOMPARE(elementsOn<TVelRotateLabel>(*w, "pnlFrontCover").size(), 1);

        Action(*w, "mnuUndo")->trigger();
        QCOMPARE(elementsOn<TVelRotateLabel>(*w, "pnlInsideCover").size(), 1);
        QCOMPARE(elementsOn<TVelCDImageElement>(*w, "pnlInsideCover").size(), 1);
    }

    // A picture fitted to the front cover pastes as a free picture of the
    // same size.
    void fittedPicturePastesFree()
    {
        TVelCDImageElement *photo = insertPicture(QStringLiteral("f.png"), 0.0, 0.0);
        clickElement(photo);
        auto *fit = Child<QComboBox>(*w, "cmbFitTo");
        fit->setCurrentIndex(1);
        w->cmbFitToClick();
        QCOMPARE(photo->FitStyle(), fsFront);
        Action(*w, "mnuCopy")->trigger();
        w->ShowSurface(TSurfaceCode::Back);
        Action(*w, "mnuPaste")->trigger();

        const QList<TVelCDImageElement *> pasted = elementsOn<TVelCDImageElement>(*w, "pnlBackCover");
        QCOMPARE(pasted.size(), 1);
        QCOMPARE(pasted[0]->FitStyle(), fsNone);
        QCOMPARE(pasted[0]->WidthInches(), photo->WidthInches());
        QCOMPARE(pasted[0]->size(), photo->size());
        QCOMPARE(w->Selection(), (QList<QWidget *>{pasted[0]})); // one element: selected as by a click
        QCOMPARE(fit->currentIndex(), 0);
    }

    void cutOfThreeIsOneStep()
    {
        TVelRotateLabel *a = typeText(QStringLiteral("a"), 0.5, 0.5);
        TVelRotateLabel *b = typeText(QStringLiteral("b"), 1.5, 0.5);
        TVelCDImageElement *c = insertPicture(QStringLiteral("c.png"), 2.5, 0.5);
        clickElement(b);
        clickElement(c, Qt::ShiftModifier);
        clickElement(a, Qt::ShiftModifier);
        const int snapshots = w->HistorySnapshots;
        Action(*w, "mnuCut")->trigger();
        QCOMPARE(w->HistorySnapshots, snapshots + 1);
        QVERIFY(w->Selection().isEmpty());
        QVERIFY(elementsOn<TVelRotateLabel>(*w, "pnlFrontCover").isEmpty());
        QVERIFY(elementsOn<TVelCDImageElement>(*w, "pnlFrontCover").isEmpty());
        const ClipboardBlock::TReadResult r = clipboardBlock();
        QCOMPARE(r.Data.Count, 3);
        QCOMPARE(r.Data.Texts[0].Text, QStringLiteral("b"));
        QCOMPARE(int(r.Data.Kinds[1]), 1);
        QCOMPARE(r.Data.Texts[2].Text, QStringLiteral("a"));

        Action(*w, "mnuUndo")->trigger();
        QCOMPARE(elementsOn<TVelRotateLabel>(*w, "pnlFrontCover").size(), 2);
        QCOMPARE(elementsOn<TVelCDImageElement>(*w, "pnlFrontCover").size(), 1);
    }

    // A picture at position 51 has no record in the block: nothing is
    // copied, the user is told, and a cut deletes nothing.
    void selectionBeyondTheBlock()
    {
        Boxes boxes;
        QList<QWidget *> all;
        for (int i = 0; i < 51; ++i)
            all << typeText(QString::number(i), 0.1 * (i % 10), 0.2 * (i / 10));
        all << insertPicture(QStringLiteral("late.png"), 3.0, 3.0);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        w->pnlFrontCoverClick();
        for (QWidget *e : all)
            clickElement(e, e == all.first() ? Qt::NoModifier : Qt::ShiftModifier);
        QCOMPARE(w->Selection().size(), 52);
        Action(*w, "mnuCut")->trigger();
        QCOMPARE(boxes.texts, QStringList{EnglishString(2750)});
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        QCOMPARE(elementsOn<TVelRotateLabel>(*w, "pnlFrontCover").size(), 51);
        QCOMPARE(w->Selection().size(), 52);
    }

    // The text field's own text goes through the clipboard as text; a cut
    // from it is one undo step.
    void textFieldText()
    {
        typeText(QStringLiteral("Hello World"), 1.0, 1.0);
        auto *field = Child<QLineEdit>(*w, "txtText");
        field->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return field->hasFocus(); }));
        field->setSelection(6, 5);
        const int snapshots = w->HistorySnapshots;
        QVERIFY(Action(*w, "mnuCut")->isEnabled());
        QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("World"));
        QVERIFY(!QApplication::clipboard()->mimeData()->hasFormat(ClipboardBlock::MimeType()));
        QCOMPARE(w->HistorySnapshots, snapshots + 1);
        auto *text = qobject_cast<TVelRotateLabel *>(w->Selection().value(0));
        QVERIFY(text);
        QCOMPARE(text->Caption(), QStringLiteral("Hello "));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text->Caption(), QStringLiteral("Hello World"));
        QCOMPARE(w->HistorySnapshots, snapshots + 2);
        QCOMPARE(elementsOn<TVelRotateLabel>(*w, "pnlFrontCover").size(), 1);

        // With copied elements on the clipboard, Paste in the field pastes
        // the elements, not their text into the field.
        field->selectAll();
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Hello World"));
        // Nothing selected in the field that has the focus (as after a click
        // on a text): Copy takes the selected element.
        field->deselect();
        QVERIFY(field->hasFocus());
        QVERIFY(Action(*w, "mnuCopy")->isEnabled());
        Action(*w, "mnuCopy")->trigger();
        QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(ClipboardBlock::MimeType()));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(elementsOn<TVelRotateLabel>(*w, "pnlFrontCover").size(), 2);
        QCOMPARE(field->text(), QStringLiteral("Hello World"));
    }

    // Blocks of other programs: refused when short, and otherwise nothing
    // pastes but sane elements.
    void foreignBlocks_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("pasted");
        QTest::addColumn<bool>("refused");

        TTarvikData d;
        d.Count = 2;
        d.Kinds[0] = 0;
        d.Texts[0].Text = QStringLiteral("x");
        d.Texts[0].FontName = QStringLiteral("Arial");
        d.Texts[0].FontSize = 12;
        d.Kinds[1] = 0;
        d.Texts[1] = d.Texts[0];
        const QByteArray good = PackTarvikData(d);
        QTest::newRow("two texts") << good << 2 << false;
        QTest::newRow("empty block") << QByteArray() << 0 << true;
        QTest::newRow("cut short") << good.left(20000) << 0 << true;
        QTest::newRow("count -1") << withInt(good, 0, -1) << 0 << false;
        QTest::newRow("count 100000") << withInt(good, 0, 100000) << 2 << false;
        QByteArray kinds = good;
        kinds[12] = 9;
        QTest::newRow("kind 9") << kinds << 1 << false;

        // fields no program writes: NaN and huge positions, a huge font,
        // a name longer than its field, a picture of a huge size
        const int t0 = TTarvikData::TextRecordsOffset;
        QByteArray fields = good;
        const float nan = std::nanf("");
        std::memcpy(fields.data() + t0 + 256, &nan, 4);
        const float huge = 3.0e38f;
        std::memcpy(fields.data() + t0 + 264, &huge, 4);
        fields = withInt(fields, t0 + 272, 0x7FFFFFFF); // RealFontSize
        fields = withInt(fields, t0 + 328, 0x7FFFFFFF); // FontSize
        fields[t0 + 276] = char(250);                    // font name length
        fields = withInt(fields, t0 + 340, -123456);     // Angle
        fields[12 + 1] = 1;                              // an image at 1
        const int i1 = TTarvikData::ImageRecordsOffset + TImageElementRecord::Size;
        const QByteArray picture = makePicture(dir.path(), QStringLiteral("h.png"), QSize(20, 20)).toUtf8();
        fields[i1 + 16] = char(picture.size());
        std::memcpy(fields.data() + i1 + 17, picture.constData(), picture.size());
        std::memcpy(fields.data() + i1 + 284, &huge, 4);
        QTest::newRow("hostile fields") << fields << 2 << false;
    }
    void foreignBlocks()
    {
        QFETCH(QByteArray, block);
        QFETCH(int, pasted);
        QFETCH(bool, refused);
        Boxes boxes;
        putBlock(block);
        const int snapshots = w->HistorySnapshots;
        Action(*w, "mnuPaste")->trigger();
        const QList<TVelRotateLabel *> texts = elementsOn<TVelRotateLabel>(*w, "pnlFrontCover");
        const QList<TVelCDImageElement *> images = elementsOn<TVelCDImageElement>(*w, "pnlFrontCover");
        QCOMPARE(int(texts.size() + images.size()), pasted);
        QCOMPARE(boxes.texts, refused ? QStringList{EnglishString(2755)} : QStringList());
        QCOMPARE(w->HistorySnapshots, snapshots + (refused ? 0 : 1));
        for (TVelRotateLabel *t : texts) {
            QVERIFY(std::isfinite(t->XPosInches()));
            QVERIFY(std::abs(t->x()) < 100000000);
            QVERIFY(t->width() < 100000000);
        }
        // the document still saves and loads what it shows
        TDocumentRecord record;
        w->FillDocumentRecord(record);
        int used = 0;
        for (const auto &t : record.Texts)
            used += t.isUsed();
        QCOMPARE(used, int(texts.size()));
    }
};

TARVIK_APP_TEST_MAIN(TestClipboard)
#include "test_clipboard.moc"
