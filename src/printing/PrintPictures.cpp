#include "PrintPictures.h"

#include "CDDataTypes.h"
#include "PictureCrop.h"
#include "VelImgUtils.h"

QSize PrintPictureSize(QSize picture, QSize need)
{
    return CoveringPictureSize(picture, need);
}

QImage ReadPrintPicture(const QString &path, QSize need, QString *error)
{
    return ReadPicture(path, [need](QSize full) { return PrintPictureSize(full, need); }, error);
}

QRect PrintSourceRect(QSize picture, QSize target, const TImageElementRecord &image, bool keepProportions)
{
    if (keepProportions && image.FitStyle != fsNone)
        return CenterCropRect(picture, QSizeF(target));
    return QRect(QPoint(0, 0), picture);
}

QRect HalfSourceRect(const QRect &whole, int half)
{
    const int w = whole.width() / 2;
    if (half == 1)
        return QRect(whole.left() + w, whole.top(), w, whole.height());
    return QRect(whole.left(), whole.top(), w, whole.height());
}
