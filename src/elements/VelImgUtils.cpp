#include "VelImgUtils.h"

#include "PictureLimits.h"
#include "SurfaceGeometry.h"
#include "VelMeasureRoutines.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace {

QString SuffixOf(const QString &fileName)
{
    // Names written on another system may use backslashes.
    QString name = fileName.mid(std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\')) + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1).toLower();
}

bool IsJpegSuffix(const QString &s)
{
    return s == u"jpg" || s == u"jpeg" || s == u"jpe" || s == u"jfif";
}

// Extensions the program accepts that Qt knows under another name.
QByteArray ReaderFormatFor(const QString &suffix)
{
    if (suffix == u"win" || suffix == u"vst" || suffix == u"vda" || suffix == u"icb")
        return "tga";
    if (suffix == u"fax" || suffix == u"tif")
        return "tiff";
    if (suffix == u"rle" || suffix == u"dib")
        return "bmp";
    return suffix.toLatin1();
}

QImage Normalized(QImage img)
{
    const QImage::Format f = img.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                   : QImage::Format_RGB32;
    if (img.format() != f)
        img.convertTo(f);
    return img;
}

bool IsVectorFormat(const QByteArray &format)
{
    return format.startsWith("svg");
}

QImage ReadWithQt(const QString &fileName, const QByteArray &format, const TPictureTarget &target,
                  QString *error)
{
    QImageReader reader(fileName, format);
    // The toolkit's allocation limit does not reach its vector reader: a
    // drawing is read within this program's own bounds, whatever its name.
    if (IsVectorFormat(reader.format().toLower()))
        return ReadVectorPicture(fileName, target, error);
    const QSize full = reader.size();
    QSize want;
    if (full.isValid()) {
        if (!PictureSizeAllowed(full, error))
            return QImage();
        want = target ? target(full) : full;
        if (!want.isValid() || want.isEmpty())
            want = full;
        // A reader that cannot reduce while decoding holds the whole picture.
        const QSize decoded = reader.supportsOption(QImageIOHandler::ScaledSize) ? want : full;
        if (BoundedPictureSize(decoded) != decoded) {
            if (error)
                *error = QStringLiteral("The picture is too large");
            return QImage();
        }
        if (want != full)
            reader.setScaledSize(want);
    }
    QImage img = reader.read();
    if (img.isNull()) {
        if (!format.isEmpty())
            // The extension may lie: the content decides then.
            return ReadWithQt(fileName, QByteArray(), target, error);
        if (error)
            *error = reader.errorString();
        return QImage();
    }
    if (!full.isValid() && target) {
        want = target(img.size());
        if (want.isValid() && !want.isEmpty() && want != img.size())
            img = img.scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return Normalized(std::move(img));
}

} // namespace

QSize ReducedPictureSize(QSize picture, QSize frontPanel)
{
    const int w = picture.width(), h = picture.height();
    const int fw = frontPanel.width(), fh = frontPanel.height();
    if (w > fw && h > fh && fw > 0 && fh > 0) {
        using VelMeasureRoutines::RoundEven;
        if (h < w)
            return QSize(fw, std::max(1, RoundEven(double(h) * fw / w)));
        return QSize(std::max(1, RoundEven(double(w) * fh / h)), fh);
    }
    return picture;
}

QSize CoveringPictureSize(QSize picture, QSize box)
{
    if (picture.isEmpty() || box.isEmpty())
        return picture;
    const double s = std::max(double(box.width()) / picture.width(), double(box.height()) / picture.height());
    if (s >= 1.0)
        return picture;
    return QSize(std::clamp(int(std::ceil(picture.width() * s)), 1, picture.width()),
                 std::clamp(int(std::ceil(picture.height() * s)), 1, picture.height()));
}

QSize PictureBoxOf(const TImageElementRecord &record)
{
    // What the element shows at the highest zoom, in pixels (at most the
    // largest size a widget takes); the front cover there when the record
    // gives no usable size.
    const auto px = [](float inches) {
        constexpr double LargestWidget = (1 << 24) - 1;
        const double v = double(inches) * VelMeasureRoutines::ScreenPPI() * HighestViewZoom;
        return std::isfinite(v) && v >= 1.0 ? int(std::min(std::ceil(v), LargestWidget)) : 0;
    };
    const QSize s(px(record.WidthInches), px(record.HeightInches));
    if (s.isEmpty())
        return QSize(px(12.2f / 2.54f), px(12.1f / 2.54f));
    return s;
}

QImage ReadPicture(const QString &fileName, const TPictureTarget &target, QString *error)
{
    if (fileName.isEmpty()) {
        if (error)
            *error = QStringLiteral("No file name");
        return QImage();
    }
    if (QFileInfo(fileName).size() <= 0) {
        if (error)
            *error = QFileInfo::exists(fileName) ? QStringLiteral("The file is empty")
                                                 : QStringLiteral("The file does not exist");
        return QImage();
    }
    const QString suffix = SuffixOf(fileName);
    if (IsJpegSuffix(suffix)) {
        QImage img;
        const TJpegResult r = DecodeJpeg(fileName, target, &img, error);
        if (r == TJpegResult::Ok)
            return img;
        if (r == TJpegResult::Failed)
            return QImage();
        // Not a JPEG after all, or one in CMYK: the toolkit's readers try.
        return ReadWithQt(fileName, r == TJpegResult::NotJpeg ? QByteArray() : QByteArrayLiteral("jpeg"),
                          target, error);
    }
    return ReadWithQt(fileName, ReaderFormatFor(suffix), target, error);
}

bool LoadPicture(QImage &target, const QString &fileName, QSize frontPanelSize)
{
    QImage img = ReadPicture(fileName, [frontPanelSize](QSize full) {
        return ReducedPictureSize(full, frontPanelSize);
    });
    if (img.isNull())
        return false;
    target = std::move(img);
    return true;
}

QImage LoadPictureAsBitmap(const QString &fileName, QString *error)
{
    return ReadPicture(fileName, nullptr, error);
}

QImage LoadJpegAsBitmap(const QString &fileName, QString *error)
{
    QImage img;
    const TJpegResult r = DecodeJpeg(fileName, nullptr, &img, error);
    if (r == TJpegResult::Unsupported)
        return ReadWithQt(fileName, QByteArrayLiteral("jpeg"), nullptr, error);
    return img;
}
