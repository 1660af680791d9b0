#pragma once
// TVelStretchHandle, the selection handle: a transparent overlay in front of
// the selected elements of one surface panel. It draws grips around each
// held control, moves the held controls with the mouse or the arrow keys,
// and sizes a single held control by its eight grips, with a dotted outline
// following the mouse until the button is released. It knows nothing of
// texts or images: it changes pixel bounds, and the elements take the change
// over themselves.

#include "CDDataTypes.h"
#include "TarvikError.h"

#include <QCursor>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QWidget>

class TVelGhostOutline;

// Raised when a window (a form) is given to AttachControl.
class EBadChild : public ETarvikError
{
public:
    EBadChild();
};

class TVelStretchHandle : public QWidget
{
    Q_OBJECT
public:
    explicit TVelStretchHandle(QWidget *parent = nullptr);
    ~TVelStretchHandle() override;

    void AttachControl(QWidget *control);
    void DetachAll();
    int ChildCount() const;
    QWidget *Child(int index) const; // nullptr when out of range
    bool HasChildren() const { return ChildCount() >= 1; }
    void BringChildrenToFront();
    void SendChildrenToBack();

    // Moves and sizes every held control by the differences between the
    // new and the current bounds, then takes the new bounds. Nothing when
    // locked.
    void SetBounds(int left, int top, int width, int height);

    TColor Color() const { return FColor; }
    void SetColor(TColor c);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor c);
    bool Locked() const { return FLocked; }
    void SetLocked(bool on) { FLocked = on; }
    int GridX() const { return FGridX; }
    int GridY() const { return FGridY; }
    void SetGridX(int g); // limited to 1..32
    void SetGridY(int g);
    bool SnapToGrid() const { return FGridX > 1 || FGridY > 1; }
    void SetSnapToGrid(bool on);
    bool Resizable() const { return FResizable; }
    void SetResizable(bool on) { FResizable = on; }
    QCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(const QCursor &c) { FDragCursor = c; }

    // For the screen and for tests: the drag in progress and the outline
    // drawn for it (all zero when none).
    bool Dragging() const { return FDragging; }
    int DragZone() const { return FDragZone; }
    QRect GhostRect() const { return FGhostRect; }

signals:
    // The set of held controls changed: one was attached, all were let go,
    // or a held one was deleted.
    void HeldChanged();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void OnMouseMove(Qt::KeyboardModifiers shift, QPoint pos);
    void OnKeyDown(int key, Qt::KeyboardModifiers shift);
    void OnKeyUp(int key, Qt::KeyboardModifiers shift);
    void OnKeyPress(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QList<QWidget *> Held() const;
    QList<QRect> HeldBounds() const;
    void ForwardMouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers mods, QPoint parentPoint);
    void FinishDrag(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    QPoint Clamped(QPoint p) const;
    void ShowOutline(const QRect &frame);
    void HideOutline();
    void TakeFocus();

    QList<QPointer<QWidget>> Children;
    TColor FColor = clBlack;
    TColor FSecondaryColor = 0x808080;
    bool FLocked = false;
    int FGridX = 1;
    int FGridY = 1;
    bool FResizable = true;
    QCursor FDragCursor{Qt::SizeAllCursor};

    QPoint DragStart;
    int FDragZone = 0;
    bool FDragging = false;
    QRect FGhostRect{0, 0, 0, 0};
    QPointer<TVelGhostOutline> FOutline;
};
