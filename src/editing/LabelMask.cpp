#include "LabelMask.h"

#include <QPainter>
#include <QPainterPath>

QImage RoundLabelPicture(const QImage &picture, int outerDiameter, int innerDiameter, const QColor &lines)
{
    if (outerDiameter < 1)
        return QImage();
    const int d = outerDiameter;
    QImage result(d, d, QImage::Format_RGB32);
    result.fill(Qt::white);

    QPainter p(&result);
    // Plain pixels as the bitmap operations give them: only white, the
    // picture and the lines colour, no blended edges.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);

    // The picture only inside the disc; the outline below covers its edge.
    const QRectF disc(0.5, 0.5, d - 1, d - 1);
    if (!picture.isNull()) {
        QPainterPath clip;
        clip.addEllipse(disc);
        p.setClipPath(clip);
        p.drawImage(QRect(0, 0, d, d), picture);
        p.setClipping(false);
    }

    p.setPen(QPen(lines, 0));
    if (innerDiameter > 0) {
        const int offset = (d - innerDiameter) / 2;
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(offset + 0.5, offset + 0.5, innerDiameter - 1, innerDiameter - 1));
    }
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);
    p.end();
    return result;
}
