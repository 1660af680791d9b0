#include "TVelDragDrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

TVelDragDrop::TVelDragDrop(QObject *parent)
    : QObject(parent)
{
}

void TVelDragDrop::setTarget(QWidget *target)
{
    if (target == FTarget)
        return;
    const bool wasActive = FActive;
    setActive(false);
    FTarget = target;
    setActive(wasActive);
}

void TVelDragDrop::setActive(bool active)
{
    if (active == FActive)
        return;
    FActive = active;
    apply();
}

void TVelDragDrop::apply()
{
    if (!FTarget)
        return;
    // Drags reach children that take drops themselves (text fields) before
    // the window, so the filter watches the whole application and keeps to
    // events aimed at the target's own window.
    if (FActive) {
        FOldAcceptDrops = FTarget->acceptDrops();
        FTarget->setAcceptDrops(true);
        qApp->installEventFilter(this);
    } else {
        FTarget->setAcceptDrops(FOldAcceptDrops);
        qApp->removeEventFilter(this);
    }
}

QStringList TVelDragDrop::localFiles(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    const QList<QUrl> urls = mime->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths.append(url.toLocalFile());
    }
    return paths;
}

bool TVelDragDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!FActive || !FTarget || !widget || (widget != FTarget && !FTarget->isAncestorOf(widget)))
        return false;

    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList paths = localFiles(drop->mimeData());
    if (paths.isEmpty()) {
        // The target itself refuses what is no file; a child keeps its own
        // handling of other drags (text into a text field).
        if (widget != FTarget)
            return false;
        drop->ignore();
        return true;
    }
    // The files are read, never moved away from where they are.
    if (drop->possibleActions() & Qt::CopyAction)
        drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        emit filesDropped(paths);
    return true;
}
