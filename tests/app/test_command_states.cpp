// The enabled state of the commands, the fitted picture's read-only size
// fields, the handle's lock and the caption's unsaved-work mark, after the
// events that change them: a real window is driven through each case and
// left to settle, with nobody asking it to work the states out.

#include "AppTestSupport.h"
#include "TVelStretchHandle.h"
#include "TVelWinSpinEdit.h"
#include "TSurfacePanel.h"
#include "TfrmTarvik.h"
#include "VelCDImageElement.h"
#include "VelMeasureRoutines.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QToolButton>

#include <functional>

using AppTest::Action;
using AppTest::Child;

namespace {

// What a case leaves visible.
struct TStates {
    bool Selected = false; // delete, order, align and the alignment menu
    bool Paste = false;
    bool Copy = false; // copy and cut
    bool Undo = false;
    bool Redo = false;
    bool SizeReadOnly = false; // the picture's size fields
    bool Locked = false; // the handle
    bool Modified = false; // the caption's mark
};

using TScenario = std::function<void(TfrmTarvik &w, const QString &folder)>;

QString makePicture(const QString &folder, const QString &name)
{
    QImage img(QSize(40, 30), QImage::Format_RGB32);
    img.fill(Qt::blue);
    const QString path = folder + QLatin1Char('/') + name;
    img.save(path);
    return path;
}

void clickElement(QWidget *element, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::mouseClick(element, Qt::LeftButton, mods, QPoint(2, 2));
}

void typeText(TfrmTarvik &w, const QString &text)
{
    QTest::mouseClick(w.txtText, Qt::LeftButton);
    w.txtText->setFocus();
    QTest::keyClicks(w.txtText, text);
}

// A picture fitted to the front cover, selected by a click.
TVelCDImageElement *fittedPicture(TfrmTarvik &w, const QString &folder, const char *name = "fit.png")
{
    const int slot = w.InsertImageFile(makePicture(folder, QLatin1String(name)));
    TVelCDImageElement *image = w.ImageSlots[slot];
    w.pnlFrontCoverClick();
    clickElement(image);
    w.cmbFitTo->setCurrentIndex(1);
    emit w.cmbFitTo->activated(1);
    return image;
}

void putElementOnClipboard()
{
    auto *mime = new QMimeData;
    mime->setData(QStringLiteral("application/x-qt-windows-mime;value=\"CF_TarvikData\""), "x");
    QApplication::clipboard()->setMimeData(mime);
}

QString describe(const TStates &s)
{
    QStringList on;
    const std::pair<bool, const char *> flags[] = {
        {s.Selected, "selected"}, {s.Paste, "paste"}, {s.Copy, "copy"}, {s.Undo, "undo"}, {s.Redo, "redo"},
        {s.SizeReadOnly, "size read-only"}, {s.Locked, "locked"}, {s.Modified, "modified"}};
    for (const auto &[value, name] : flags)
        if (value)
            on << QLatin1String(name);
    return on.join(QLatin1String(", "));
}

// The window handles what it was sent; no time passes, so nothing polled
// could take part.
void settle()
{
    QCoreApplication::processEvents();
}

} // namespace

Q_DECLARE_METATYPE(TStates)
Q_DECLARE_METATYPE(TScenario)

class TestCommandStates : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() { VelMeasureRoutines::SetScreenPPI(96); }

    void states_data()
    {
        QTest::addColumn<TScenario>("scenario");
        QTest::addColumn<TStates>("expected");
        auto row = [](const char *name, TScenario s, TStates e) { QTest::newRow(name) << s << e; };

        // sel paste copy undo redo readOnly locked modified
        row("a new window", [](TfrmTarvik &, const QString &) {}, {});
        row("a text typed: nothing marked in the field, so copy takes the element",
            [](TfrmTarvik &w, const QString &) { typeText(w, QStringLiteral("ab")); },
            {true, false, true, false, false, false, false, true});
        row("the typed text marked in the field",
            [](TfrmTarvik &w, const QString &) {
                typeText(w, QStringLiteral("ab"));
                w.txtText->selectAll();
            },
            {true, false, true, false, false, false, false, true});
        row("the field's marking undone",
            [](TfrmTarvik &w, const QString &) {
                typeText(w, QStringLiteral("ab"));
                w.txtText->selectAll();
                w.txtText->deselect();
            },
            {true, false, true, false, false, false, false, true});
        row("the focus leaves the field: copy follows the selection",
            [](TfrmTarvik &w, const QString &) {
                typeText(w, QStringLiteral("ab"));
                w.SpinY->setFocus();
            },
            {true, false, true, false, false, false, false, true});
        row("a click on the empty surface selects none",
            [](TfrmTarvik &w, const QString &) {
                typeText(w, QStringLiteral("ab"));
                w.SpinY->setFocus();
                QTest::mouseClick(w.pnlFrontCover, Qt::LeftButton, {}, QPoint(w.pnlFrontCover->width() - 3, 3));
            },
            {false, false, false, false, false, false, false, true});
        row("the selected text deleted",
            [](TfrmTarvik &w, const QString &) {
                typeText(w, QStringLiteral("ab"));
                settle();
                Action(w, "mnuDelete")->trigger();
            },
            {false, false, false, true, false, false, false, true});
        row("the typed text erased: its element goes",
            [](TfrmTarvik &w, const QString &) {
                typeText(w, QStringLiteral("a"));
                QTest::keyClick(w.txtText, Qt::Key_Backspace);
                w.SpinY->setFocus();
            },
            {false, false, false, true, false, false, false, true});
        row("text on the clipboard",
            [](TfrmTarvik &, const QString &) { QApplication::clipboard()->setText(QStringLiteral("t")); },
            {false, true, false, false, false, false, false, false});
        row("an element on the clipboard", [](TfrmTarvik &, const QString &) { putElementOnClipboard(); },
            {false, true, false, false, false, false, false, false});
        row("only a picture on the clipboard",
            [](TfrmTarvik &, const QString &) {
                QImage img(4, 4, QImage::Format_RGB32);
                img.fill(Qt::red);
                QApplication::clipboard()->setImage(img);
            },
            {false, false, false, false, false, false, false, false});
        row("the clipboard emptied",
            [](TfrmTarvik &, const QString &) {
                QApplication::clipboard()->setText(QStringLiteral("t"));
                QApplication::clipboard()->clear();
            },
            {});
        row("undo",
            [](TfrmTarvik &w, const QString &folder) {
                clickElement(w.ImageSlots[w.InsertImageFile(makePicture(folder, QStringLiteral("u.png")))]);
                settle();
                Action(w, "mnuUndo")->trigger();
            },
            {false, false, false, false, true, false, false, true});
        row("undo, then redo",
            [](TfrmTarvik &w, const QString &folder) {
                clickElement(w.ImageSlots[w.InsertImageFile(makePicture(folder, QStringLiteral("u.png")))]);
                settle();
                Action(w, "mnuUndo")->trigger();
                settle();
                Action(w, "mnuRedo")->trigger();
            },
            {false, false, false, false, false, false, false, true});
        row("a new document after work",
            [](TfrmTarvik &w, const QString &) {
                typeText(w, QStringLiteral("ab"));
                w.Modified = false;
                settle();
                Action(w, "mnuNew")->trigger();
            },
            {});
        row("the document marked as modified",
            [](TfrmTarvik &w, const QString &) { w.Modified = true; },
            {false, false, false, false, false, false, false, true});
        row("a picture selected", [](TfrmTarvik &w, const QString &folder) {
                const int slot = w.InsertImageFile(makePicture(folder, QStringLiteral("p.png")));
                w.pnlFrontCoverClick();
                clickElement(w.ImageSlots[slot]);
            },
            {true, false, true, true, false, false, false, false});
        row("a fitted picture selected", [](TfrmTarvik &w, const QString &folder) { fittedPicture(w, folder); },
            {true, false, true, true, false, true, true, true});
        row("a fitted picture selected again",
            [](TfrmTarvik &w, const QString &folder) {
                TVelCDImageElement *image = fittedPicture(w, folder);
                w.pnlFrontCoverClick();
                clickElement(image);
            },
            {true, false, true, true, false, true, true, true});
        row("a fitted picture, the Text tab shown",
            [](TfrmTarvik &w, const QString &folder) {
                fittedPicture(w, folder);
                w.pagEdit->setCurrentWidget(w.tabText);
            },
            {true, false, true, true, false, false, true, true});
        row("a fitted picture moved by the position fields",
            [](TfrmTarvik &w, const QString &folder) {
                fittedPicture(w, folder);
                w.SpinX->setValue(w.SpinX->value() + 1);
            },
            {true, false, true, true, false, true, true, true});
        row("a fitted picture, Lock components turned on and off",
            [](TfrmTarvik &w, const QString &folder) {
                fittedPicture(w, folder);
                settle();
                Action(w, "mnuLockcomponents")->trigger();
                settle();
                Action(w, "mnuLockcomponents")->trigger();
            },
            {true, false, true, true, false, true, true, true});
        row("a fitted picture and a second picture by Ctrl-click",
            [](TfrmTarvik &w, const QString &folder) {
                fittedPicture(w, folder);
                const int other = w.InsertImageFile(makePicture(folder, QStringLiteral("q.png")));
                w.pnlFrontCoverClick();
                clickElement(w.ImageSlots[0]);
                clickElement(w.ImageSlots[other], Qt::ControlModifier);
            },
            {true, false, true, true, false, false, false, true});
        row("a fitted picture unfitted",
            [](TfrmTarvik &w, const QString &folder) {
                fittedPicture(w, folder);
                w.cmbFitTo->setCurrentIndex(0);
                emit w.cmbFitTo->activated(0);
            },
            {true, false, true, true, false, false, false, true});
        row("a fitted picture, then a new document",
            [](TfrmTarvik &w, const QString &folder) {
                fittedPicture(w, folder);
                w.Modified = false;
                settle();
                Action(w, "mnuNew")->trigger();
            },
            {});
    }

    void states()
    {
        QFETCH(TScenario, scenario);
        QFETCH(TStates, expected);
        QApplication::clipboard()->clear();
        auto w = AppTest::makeWindow();
        Action(*w, "mnuCm")->trigger();
        settle();
        scenario(*w, dir.path());
        settle();

        const auto enabled = [&](const char *name) { return Action(*w, name)->isEnabled(); };
        // the commands that one rule governs agree with each other
        for (const char *name : {"mnuBringtofront", "mnuSendtoBack", "mnuAlign", "mnuLeft", "mnuCenter",
                                 "mnuRight", "mnuTop", "mnuMiddle", "mnuBottom"})
            QVERIFY2(enabled(name) == enabled("mnuDelete"), name);
        QCOMPARE(Child<QMenu>(*w, "mnuAlignment")->menuAction()->isEnabled(), enabled("mnuDelete"));
        QCOMPARE(Child<QToolButton>(*w, "btnDelete")->isEnabled(), enabled("mnuDelete"));
        QCOMPARE(Child<QToolButton>(*w, "btnPaste")->isEnabled(), enabled("mnuPaste"));
        QCOMPARE(enabled("mnuCut"), enabled("mnuCopy"));
        QCOMPARE(w->SpinImgHeight->isReadOnly(), w->SpinImgWidth->isReadOnly());
        QCOMPARE(AppTest::Caption(*w).endsWith(QLatin1Char('*')), w->isWindowModified());

        const TStates actual{enabled("mnuDelete"), enabled("mnuPaste"), enabled("mnuCopy"),
                             enabled("mnuUndo"), enabled("mnuRedo"), w->SpinImgWidth->isReadOnly(),
                             w->SH->Locked(), w->isWindowModified()};
        QCOMPARE(describe(actual), describe(expected));
        w->Modified = false;
    }
};

TARVIK_APP_TEST_MAIN(TestCommandStates)
#include "test_command_states.moc"
