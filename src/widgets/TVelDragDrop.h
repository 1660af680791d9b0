#pragma once
// Lets a window take files dropped from the desktop. Attached to a widget
// and active, it accepts drags that carry local files anywhere over that
// widget, its children included (a file dropped on a text field of the
// window is a file for the window, not text for the field), and reports the
// paths in the order the drop delivered them. Drags without local files
// are refused.

#include <QObject>
#include <QPointer>
#include <QStringList>

class QMimeData;
class QWidget;

class TVelDragDrop : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive WRITE setActive)

public:
    explicit TVelDragDrop(QObject *parent = nullptr);

    QWidget *target() const { return FTarget; }
    void setTarget(QWidget *target);

    bool isActive() const { return FActive; }
    void setActive(bool active);

    // The local file paths a drag carries, in its order; empty when it
    // carries none.
    static QStringList localFiles(const QMimeData *mime);

signals:
    void filesDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QPointer<QWidget> FTarget;
    bool FActive = false;
    bool FOldAcceptDrops = false;
};
