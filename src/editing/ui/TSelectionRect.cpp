#include "TSelectionRect.h"

#include <QPainter>

TSelectionRect::TSelectionRect(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TSelectionRect::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPen pen(Qt::black, 1, Qt::DotLine);
    p.setPen(pen);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
