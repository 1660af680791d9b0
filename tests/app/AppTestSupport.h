#pragma once
// What the tests of the main window share: an answerer for the message
// boxes, a shown and activated window, and the test program's start.

#include "MessageBoxes.h"
#include "StartupLayout.h"
#include "TTarvikApplication.h"
#include "TestSupport.h"
#include "TfrmTarvik.h"

#include <QAction>
#include <QWindow>

#include <memory>

namespace AppTest {

// Records the text of every message box and answers it.
struct Boxes {
    QStringList texts;
    QMessageBox::StandardButton answer = QMessageBox::No;
    explicit Boxes(QMessageBox::StandardButton a = QMessageBox::No)
        : answer(a)
    {
        MessageBoxes::SetAnswerer([this](QMessageBox::Icon, const QString &text) {
            texts << text;
            return answer;
        });
    }
    ~Boxes() { MessageBoxes::SetAnswerer({}); }
};

// A main window on a 1024 x 768 screen (unless told otherwise), shown and
// past its first activation.
inline std::unique_ptr<TfrmTarvik> makeWindow(QSize screen = QSize(1024, 768), const QStringList &args = {})
{
    StartupLayout::SetScreenSizeOverride(screen);
    auto w = std::make_unique<TfrmTarvik>(args);
    w->show();
    if (!QTest::qWaitFor([&] { return !w->FFirstActivation; }))
        qWarning("the window was never activated");
    return w;
}

// A child of the window by the design's name: a panel's field, a menu, a
// toolbar button (btnNew, ...). The test stops when there is none.
template <class T = QWidget>
T *Child(const QObject &w, const char *name)
{
    return TarvikTest::Child<T>(&w, name);
}

// A command's one action, by the design's name of its menu item (mnuNew,
// mnuDelete, ...) or, for the commands only the toolbar has, of its button
// (btnSelect, btnZoomIn, btnZoomOut, btnEditWizard).
inline QAction *Action(const QObject &w, const char *name)
{
    return Child<QAction>(w, name);
}

// The caption the desktop shows: the window title with its "[*]" turned
// into the unsaved-work mark or into nothing.
inline QString Caption(const QWidget &w)
{
    return w.windowHandle() ? w.windowHandle()->title() : QString();
}

} // namespace AppTest

// Like TARVIK_TEST_MAIN, with the program's own application object, whose
// error handler the tests see.
#define TARVIK_APP_TEST_MAIN(TestObject)                                       \
    int main(int argc, char *argv[])                                           \
    {                                                                          \
        std::unique_ptr<QTemporaryDir> home(TarvikTest::isolateUserFolders()); \
        TTarvikApplication app(argc, argv);                                    \
        TestObject tc;                                                         \
        QTEST_SET_MAIN_SOURCE_PATH                                             \
        return QTest::qExec(&tc, argc, argv);                                  \
    }
