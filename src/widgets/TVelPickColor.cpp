#include "TVelPickColor.h"

#include "DocumentColors.h"

#include <QApplication>
#include <QColorDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

TVelPickColor::TVelPickColor(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TVelPickColor::setColor(TColor c)
{
    if (c == FColor)
        return;
    setColorSilently(c);
    emit changed();
}

void TVelPickColor::setColorSilently(TColor c)
{
    if (c == FColor)
        return;
    FColor = c;
    update();
}

QColorDialog *TVelPickColor::sharedDialog()
{
    static QPointer<QColorDialog> dialog;
    if (!dialog) {
        dialog = new QColorDialog();
        // Qt's own dialog, never the desktop's: only Qt's dialog keeps the
        // process-wide custom colours that the program saves and restores.
        dialog->setOptions(QColorDialog::DontUseNativeDialog);
        dialog->setWindowModality(Qt::ApplicationModal);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog.data(), &QObject::deleteLater);
    }
    return dialog;
}

bool TVelPickColor::chooseColor()
{
    QColorDialog *dialog = sharedDialog();
    dialog->setCurrentColor(ColorToQColor(FColor));
    if (QWidget *w = window(); w && w->isVisible()) {
        QRect r = dialog->frameGeometry();
        r.moveCenter(w->frameGeometry().center());
        dialog->move(r.topLeft());
    }
    if (dialog->exec() != QDialog::Accepted)
        return false;
    setColor(QColorToColor(dialog->selectedColor()));
    return true;
}

QSize TVelPickColor::sizeHint() const
{
    return QSize(40, 20);
}

QSize TVelPickColor::minimumSizeHint() const
{
    return QSize(12, 10);
}

void TVelPickColor::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    const QRect inner = contentsRect();
    QColor fill = ColorToQColor(FColor);
    if (!isEnabled()) {
        // Half-way to the window colour, so a disabled swatch still hints at
        // its colour but reads as inactive next to enabled ones.
        const QColor base = palette().color(QPalette::Disabled, QPalette::Window);
        fill = QColor((fill.red() + base.red()) / 2, (fill.green() + base.green()) / 2,
                      (fill.blue() + base.blue()) / 2);
    }
    p.fillRect(inner, fill);
    if (!isEnabled())
        p.fillRect(inner, QBrush(palette().color(QPalette::Disabled, QPalette::WindowText), Qt::BDiagPattern));
    // A dark outline inside the sunken edge, so a swatch of the window's own
    // colour (white on a light panel) still shows where it is.
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Shadow));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inner.adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        // The style's focus frame is drawn in the highlight colour, which
        // vanishes on a swatch of that colour; a dotted line in black or
        // white, whichever stands out, shows on every colour.
        const bool light = qGray(fill.rgb()) > 128;
        p.setPen(QPen(light ? Qt::black : Qt::white, 1, Qt::DotLine));
        p.drawRect(inner.adjusted(2, 2, -3, -3));
    }
}

void TVelPickColor::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        FPressed = true;
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void TVelPickColor::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && FPressed) {
        FPressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            chooseColor();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

void TVelPickColor::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            event->accept();
            chooseColor();
            return;
        }
        break;
    default:
        break;
    }
    QFrame::keyPressEvent(event);
}
