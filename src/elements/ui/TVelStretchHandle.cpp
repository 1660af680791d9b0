#include "TVelStretchHandle.h"

#include "DocumentColors.h"
#include "HandleGeometry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

using namespace HandleGeometry;

EBadChild::EBadChild()
    : ETarvikError(QStringLiteral("Handles can not be attached to a Form!"))
{
}

// The dotted outline shown while dragging: a see-through, mouse-transparent
// layer over the whole panel, on top of everything.
class TVelGhostOutline : public QWidget
{
public:
    explicit TVelGhostOutline(QWidget *panel)
        : QWidget(panel)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(panel->rect());
    }
    void SetFrame(const QRect &r)
    {
        FFrame = r;
        setGeometry(parentWidget()->rect());
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (FFrame.isEmpty())
            return;
        QPainter p(this);
        const QRect r = FFrame.adjusted(0, 0, -1, -1);
        // White under black dots: the outline shows on any background.
        p.setPen(QPen(Qt::white, 1, Qt::SolidLine));
        p.drawRect(r);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(r);
    }

private:
    QRect FFrame;
};

TVelStretchHandle::TVelStretchHandle(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    resize(24, 24);
    setEnabled(false);
    hide();
}

TVelStretchHandle::~TVelStretchHandle()
{
    delete FOutline;
}

// --- Properties ---------------------------------------------------------

void TVelStretchHandle::SetColor(TColor c)
{
    FColor = c;
    update();
}

void TVelStretchHandle::SetSecondaryColor(TColor c)
{
    FSecondaryColor = c;
    update();
}

void TVelStretchHandle::SetGridX(int g)
{
    FGridX = std::clamp(g, 1, 32);
}

void TVelStretchHandle::SetGridY(int g)
{
    FGridY = std::clamp(g, 1, 32);
}

void TVelStretchHandle::SetSnapToGrid(bool on)
{
    SetGridX(on ? 8 : 1);
    SetGridY(on ? 8 : 1);
}

// --- Held controls ------------------------------------------------------

QList<QWidget *> TVelStretchHandle::Held() const
{
    QList<QWidget *> list;
    for (const QPointer<QWidget> &c : Children)
        if (c)
            list << c.data();
    return list;
}

QList<QRect> TVelStretchHandle::HeldBounds() const
{
    QList<QRect> list;
    for (QWidget *c : Held())
        list << c->geometry();
    return list;
}

int TVelStretchHandle::ChildCount() const
{
    return int(Held().size());
}

QWidget *TVelStretchHandle::Child(int index) const
{
    const QList<QWidget *> held = Held();
    return index >= 0 && index < held.size() ? held[index] : nullptr;
}

void TVelStretchHandle::AttachControl(QWidget *control)
{
    if (control && control->isWindow())
        throw EBadChild();
    if (!control || control == this)
        return;
    const QList<QWidget *> held = Held();
    if (held.contains(control))
        return;
    if (!held.isEmpty() && control->parentWidget() != parentWidget())
        DetachAll();

    if (Held().isEmpty()) {
        if (parentWidget() != control->parentWidget())
            setParent(control->parentWidget());
        FGhostRect = QRect(0, 0, 0, 0);
        setEnabled(true);
        show();
        setGeometry(BoundsFor(control->geometry()));
    } else {
        setGeometry(BoundsAdding(geometry(), control->geometry()));
    }
    Children.append(control);
    // A control deleted while held simply drops out.
    connect(control, &QObject::destroyed, this, [this, control] {
        Children.removeIf([control](const QPointer<QWidget> &c) { return c.isNull() || c == control; });
        update();
        emit HeldChanged();
    });
    FDragZone = dzMove;
    raise();
    // The drag that may follow the press that selected the control comes
    // to the handle.
    if (isVisible())
        grabMouse();
    TakeFocus();
    update();
    emit HeldChanged();
}

void TVelStretchHandle::DetachAll()
{
    const QList<QWidget *> held = Held();
    for (QWidget *c : held)
        disconnect(c, &QObject::destroyed, this, nullptr);
    Children.clear();
    FLocked = false;
    FDragging = false;
    HideOutline();
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    resize(24, 24);
    setEnabled(false);
    hide();
    setParent(nullptr);
    FGhostRect = QRect(0, 0, 0, 0);
    if (!held.isEmpty())
        emit HeldChanged();
}

void TVelStretchHandle::TakeFocus()
{
    if (isVisible() && isEnabled())
        setFocus(Qt::OtherFocusReason);
}

void TVelStretchHandle::BringChildrenToFront()
{
    if (Held().isEmpty() || FLocked)
        return;
    for (QWidget *c : Held())
        c->raise();
    raise();
    TakeFocus();
}

void TVelStretchHandle::SendChildrenToBack()
{
    if (Held().isEmpty() || FLocked)
        return;
    for (QWidget *c : Held())
        c->lower();
    raise();
    TakeFocus();
}

void TVelStretchHandle::SetBounds(int left, int top, int width, int height)
{
    if (FLocked)
        return;
    const QRect old = geometry();
    const int dl = left - old.x(), dt = top - old.y();
    const int dw = width - old.width(), dh = height - old.height();
    for (QWidget *c : Held()) {
        const QRect g = c->geometry();
        c->setGeometry(g.x() + dl, g.y() + dt, std::max(0, g.width() + dw), std::max(0, g.height() + dh));
    }
    setGeometry(left, top, width, height);
    update();
}

// --- Painting -----------------------------------------------------------

void TVelStretchHandle::paintEvent(QPaintEvent *)
{
    const QList<QRect> bounds = HeldBounds();
    if (bounds.isEmpty())
        return;
    QPainter p(this);
    const QColor brush = ColorToQColor(bounds.size() == 1 ? FColor : FSecondaryColor, palette());
    const QRect panel = parentWidget() ? parentWidget()->rect() : QRect();
    for (const QRect &g : GripRects(geometry(), bounds, panel))
        p.fillRect(g, brush);
}

// --- Mouse --------------------------------------------------------------

QPoint TVelStretchHandle::Clamped(QPoint p) const
{
    const QWidget *panel = parentWidget();
    if (!panel)
        return p;
    return ClampToParent(p, geometry(), panel->width(), panel->height());
}

void TVelStretchHandle::ForwardMouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
                                     Qt::KeyboardModifiers mods, QPoint p)
{
    QWidget *panel = parentWidget();
    if (!panel)
        return;
    // The topmost control under the point that is not a handle (the one the
    // user sees there), otherwise the panel itself.
    QWidget *target = panel;
    const QObjectList &kids = panel->children();
    for (auto it = kids.crbegin(); it != kids.crend(); ++it) {
        auto *w = qobject_cast<QWidget *>(*it);
        if (!w || qobject_cast<TVelStretchHandle *>(w) || w->isWindow() || w->isHidden()
            || w->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        if (w->geometry().contains(p)) {
            target = w;
            break;
        }
    }
    QPoint local = target == panel ? p : target->mapFromParent(p);
    if (target != panel) {
        if (QWidget *inner = target->childAt(local)) {
            local = inner->mapFrom(target, local);
            target = inner;
        }
    }
    QMouseEvent ev(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, buttons, mods);
    QCoreApplication::sendEvent(target, &ev);
}

void TVelStretchHandle::mousePressEvent(QMouseEvent *event)
{
    const QPoint xy = event->position().toPoint();
    const QPoint p = xy + pos();
    const QList<QWidget *> held = Held();
    QWidget *hit = nullptr;
    for (QWidget *c : held)
        if (HitsHeldControl(c->geometry(), p)) {
            hit = c;
            break;
        }

    if (!hit) {
        // On the handle but off every held control: the press belongs to
        // what lies beneath.
        unsetCursor();
        ForwardMouse(QEvent::MouseButtonPress, event->button(), event->buttons(), event->modifiers(), p);
        return;
    }

    if (event->button() == Qt::LeftButton && !FLocked) {
        DragStart = xy;
        FDragging = true;
    }

    // A smaller control lying inside the single held one is taken instead.
    if (held.size() == 1 && parentWidget()) {
        const QRect outer = held.first()->geometry();
        QWidget *inner = nullptr;
        for (QObject *o : parentWidget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (!w || w == held.first() || qobject_cast<TVelStretchHandle *>(w) || w->isWindow()
                || w->isHidden() || w == FOutline.data())
                continue;
            if (StrictlyContains(w->geometry(), p) && StrictlyInside(w->geometry(), outer)) {
                inner = w;
                break;
            }
        }
        if (inner) {
            const QPointer<QWidget> guard(inner);
            FinishDrag(xy, event->button(), event->modifiers());
            ForwardMouse(QEvent::MouseButtonRelease, event->button(), Qt::NoButton, event->modifiers(), p);
            ForwardMouse(QEvent::MouseButtonPress, event->button(), event->buttons(), event->modifiers(), p);
            DetachAll();
            if (guard)
                AttachControl(guard);
            return;
        }
    }
    emit OnMouseDown(event->button(), event->modifiers(), xy);
}

void TVelStretchHandle::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint xy = event->position().toPoint();
    const bool leftDown = event->buttons() & Qt::LeftButton;
    if (leftDown && !FDragging && !FLocked && HasChildren()) {
        // A drag begun by the press that selected a control.
        DragStart = xy;
        FDragging = true;
    } else {
        if (!leftDown && QWidget::mouseGrabber() == this)
            releaseMouse();
        int zone = dzMove;
        Qt::CursorShape shape = Qt::ArrowCursor;
        if (ChildCount() == 1 && FResizable) {
            zone = ZoneAt(xy, geometry(), Held().first()->geometry(),
                          parentWidget() ? parentWidget()->rect() : QRect());
            switch (zone) {
            case dzTopLeft: case dzBottomRight: shape = Qt::SizeFDiagCursor; break;
            case dzTopRight: case dzBottomLeft: shape = Qt::SizeBDiagCursor; break;
            case dzTop: case dzBottom: shape = Qt::SizeVerCursor; break;
            case dzLeft: case dzRight: shape = Qt::SizeHorCursor; break;
            default: break;
            }
        }
        if (FDragging) {
            const QPoint c = Clamped(xy);
            if (FDragZone == dzMove)
                setCursor(FDragCursor);
            ShowOutline(FrameForDrag(FDragZone, c, DragStart, geometry(), FGridX, FGridY));
        } else {
            FDragZone = zone;
            setCursor(shape);
        }
    }
    emit OnMouseMove(event->modifiers(), xy);
}

void TVelStretchHandle::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint xy = event->position().toPoint();
    if (!HasChildren()) {
        if (QWidget::mouseGrabber() == this)
            releaseMouse();
        return;
    }
    if (!FDragging || event->button() != Qt::LeftButton) {
        // The grab taken when the control was selected ends with the button.
        if (QWidget::mouseGrabber() == this)
            releaseMouse();
        ForwardMouse(QEvent::MouseButtonRelease, event->button(), event->buttons(), event->modifiers(),
                     xy + pos());
        return;
    }
    FinishDrag(xy, event->button(), event->modifiers());
}

void TVelStretchHandle::FinishDrag(QPoint xy, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    if (FDragging) {
        const QPoint c = Clamped(xy);
        if (c != DragStart) {
            update();
            const QRect f = FrameForDrag(FDragZone, c, DragStart, geometry(), FGridX, FGridY);
            SetBounds(f.x(), f.y(), f.width(), f.height());
        }
    }
    HideOutline();
    if (parentWidget())
        parentWidget()->update();
    update();
    TakeFocus();
    FDragging = false;
    unsetCursor();
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    emit OnMouseUp(button, mods, xy);
}

void TVelStretchHandle::ShowOutline(const QRect &frame)
{
    QWidget *panel = parentWidget();
    if (!panel)
        return;
    if (!FOutline)
        FOutline = new TVelGhostOutline(panel);
    FGhostRect = frame;
    // The outline covers the bounds the held control would take.
    FOutline->SetFrame(InnerFrame(frame));
    FOutline->show();
}

void TVelStretchHandle::HideOutline()
{
    delete FOutline;
    FOutline = nullptr;
    FGhostRect = QRect(0, 0, 0, 0);
}

// --- Keys ---------------------------------------------------------------

void TVelStretchHandle::keyPressEvent(QKeyEvent *event)
{
    const QRect g = geometry();
    switch (event->key()) {
    case Qt::Key_Left: SetBounds(g.x() - 1, g.y(), g.width(), g.height()); break;
    case Qt::Key_Up: SetBounds(g.x(), g.y() - 1, g.width(), g.height()); break;
    case Qt::Key_Right: SetBounds(g.x() + 1, g.y(), g.width(), g.height()); break;
    case Qt::Key_Down: SetBounds(g.x(), g.y() + 1, g.width(), g.height()); break;
    default: break;
    }
    emit OnKeyDown(event->key(), event->modifiers());
    if (!event->text().isEmpty())
        emit OnKeyPress(event->text());
}

void TVelStretchHandle::keyReleaseEvent(QKeyEvent *event)
{
    emit OnKeyUp(event->key(), event->modifiers());
}

bool TVelStretchHandle::focusNextPrevChild(bool)
{
    // Tab belongs to the handle's key events, not to focus navigation.
    return false;
}
