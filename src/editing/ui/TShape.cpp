#include "TShape.h"

#include <QPainter>

TShape::TShape(Kind kind, QWidget *parent)
    : QWidget(parent), FKind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::setPenColor(const QColor &c)
{
    if (c == FPen)
        return;
    FPen = c;
    update();
}

void TShape::setBrushColor(const QColor &c)
{
    if (c == FBrush)
        return;
    FBrush = c;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (FKind == Rectangle) {
        p.fillRect(rect(), FBrush);
        p.setPen(FPen);
        if (width() > 1 && height() > 1)
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        else
            p.fillRect(rect(), FPen);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(FPen, 1));
    p.setBrush(FBrush);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
