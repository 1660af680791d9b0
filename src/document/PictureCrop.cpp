#include "PictureCrop.h"

#include <algorithm>
#include <cmath>

QRect CenterCropRect(QSize picture, QSizeF surface)
{
    const QRect whole(QPoint(0, 0), picture);
    if (picture.isEmpty() || !(surface.width() > 0) || !(surface.height() > 0))
        return whole;
    const double shape = surface.width() / surface.height();
    if (double(picture.width()) / picture.height() > shape) {
        // wider than the surface: the sides are cut
        const int w = std::clamp(int(std::lround(picture.height() * shape)), 1, picture.width());
        return QRect((picture.width() - w) / 2, 0, w, picture.height());
    }
    // higher (or the same shape): the top and bottom are cut
    const int h = std::clamp(int(std::lround(picture.width() / shape)), 1, picture.height());
    return QRect(0, (picture.height() - h) / 2, picture.width(), h);
}
