#include "DiscLogo.h"

#include <QPainter>
#include <QRadialGradient>

QPixmap DiscLogo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(1, 1, size - 2, size - 2);
    QRadialGradient shine(outer.center(), size / 2.0);
    shine.setColorAt(0.0, QColor(230, 230, 240));
    shine.setColorAt(0.6, QColor(170, 190, 220));
    shine.setColorAt(1.0, QColor(120, 140, 190));
    p.setPen(QPen(QColor(80, 90, 120), 1));
    p.setBrush(shine);
    p.drawEllipse(outer);
    const double hole = size * 0.14;
    p.setBrush(Qt::white);
    p.drawEllipse(outer.center(), hole, hole);
    return pixmap;
}
