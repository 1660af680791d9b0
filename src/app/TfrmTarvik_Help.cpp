// Help contexts, F1, the help commands and the About window.

#include "TfrmTarvik.h"

#include "THelpWindow.h"
#include "TfrmAboutBox.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>

namespace {
const char *HelpContextProperty = "helpContext";
}

void TfrmTarvik::assignHelpContexts()
{
    const std::pair<QObject *, int> contexts[] = {
        {this, 100}, {statusBar(), 100}, {pagCover, 180}, {pagEdit, 150}, {tabText, 170},
        {TabImage, 160}, {TabColors, 510}, {grpPosition, 200}, {mnuFile, 10}, {mnuEdit, 20},
        {mnuInsert, 30}, {mnuAlignment, 40}, {mnuHelp, 50}, {mnuPreferences, 515},
        {mnuMetrics, 515}, {mnuHorizontally, 40}, {mnuVertically, 40}, {mnuUseTarvikWizard, 300},
    };
    for (const auto &[object, context] : contexts)
        object->setProperty(HelpContextProperty, context);

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this,
            [this] { ShowHelp(HelpContextOf(QApplication::focusWidget())); });

    // F1 inside an open menu asks for that menu's help.
    for (QMenu *m : {mnuFile, mnuEdit, mnuInsert, mnuAlignment, mnuHelp, mnuPreferences, mnuMetrics,
                     mnuHorizontally, mnuVertically})
        m->installEventFilter(this);
}

int TfrmTarvik::HelpContextOf(const QWidget *w) const
{
    for (const QWidget *p = w; p; p = p->parentWidget()) {
        const QVariant v = p->property(HelpContextProperty);
        if (v.isValid())
            return v.toInt();
    }
    return 100;
}

void TfrmTarvik::ShowHelp(int context)
{
    THelpWindow::instance()->ShowContext(context);
}

void TfrmTarvik::mnuContentsClick()
{
    THelpWindow::instance()->ShowContents();
}

void TfrmTarvik::mnuIndexClick()
{
    THelpWindow::instance()->ShowIndex();
}

void TfrmTarvik::mnuAboutClick()
{
    auto *about = new TfrmAboutBox(this);
    about->exec();
}

bool TfrmTarvik::menuHelpFilter(QObject *watched, QEvent *event)
{
    auto *menu = qobject_cast<QMenu *>(watched);
    if (!menu || event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
        return false;
    int context = menu->property(HelpContextProperty).toInt();
    if (QAction *a = menu->activeAction(); a && a->property(HelpContextProperty).isValid())
        context = a->property(HelpContextProperty).toInt();
    menu->close();
    ShowHelp(context);
    return true;
}
