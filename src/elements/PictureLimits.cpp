#include "PictureLimits.h"

#include "SafeFiles.h"

#include <QBuffer>
#include <QImageReader>
#include <QRegularExpression>

#include <cmath>

#include <zlib.h>

namespace {

bool Fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool IsGzip(const QByteArray &bytes)
{
    return bytes.size() >= 2 && uchar(bytes[0]) == 0x1F && uchar(bytes[1]) == 0x8B;
}

// Expands gzip data, stopping as soon as it passes `limit`.
bool Gunzip(const QByteArray &in, qint64 limit, QByteArray &out, QString *error)
{
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        return Fail(error, QStringLiteral("Cannot expand the picture"));
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    z.avail_in = uInt(in.size());
    out.clear();
    char chunk[64 * 1024];
    int r = Z_OK;
    while (r == Z_OK) {
        z.next_out = reinterpret_cast<Bytef *>(chunk);
        z.avail_out = sizeof chunk;
        r = inflate(&z, Z_NO_FLUSH);
        if (r != Z_OK && r != Z_STREAM_END)
            break;
        out.append(chunk, qsizetype(sizeof chunk - z.avail_out));
        if (out.size() > limit) {
            inflateEnd(&z);
            out.clear();
            return Fail(error, QStringLiteral("The compressed picture expands beyond %1 MB").arg(limit >> 20));
        }
        if (r == Z_OK && z.avail_in == 0 && z.avail_out != 0)
            break; // cut off: what came is all there is
    }
    inflateEnd(&z);
    if (r != Z_OK && r != Z_STREAM_END) {
        out.clear();
        return Fail(error, QStringLiteral("The compressed picture is damaged"));
    }
    return true;
}

} // namespace

bool ExpandVectorText(QByteArray &bytes, QString *error)
{
    if (!IsGzip(bytes))
        return true;
    QByteArray text;
    if (!Gunzip(bytes, MaxVectorTextBytes, text, error))
        return false;
    bytes = std::move(text);
    return true;
}

// Drawings may name other files (xlink:href, href): a picture read from one
// file never reads others, which could be anything (a pipe, a device).
bool RefersToOtherFiles(const QByteArray &svg)
{
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*([\"'])\\s*(.*?)\\1"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QString text = QString::fromLatin1(svg);
    for (auto it = href.globalMatch(text); it.hasNext();) {
        const QString target = it.next().captured(2);
        if (!target.startsWith(QLatin1Char('#')) && !target.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool PictureSizeAllowed(QSize claimed, QString *error)
{
    if (claimed.width() <= 0 || claimed.height() <= 0)
        return Fail(error, QStringLiteral("The picture has no size"));
    if (qint64(claimed.width()) * claimed.height() > MaxPicturePixels)
        return Fail(error, QStringLiteral("The picture claims %1 x %2 pixels, more than any picture that is read")
                               .arg(claimed.width())
                               .arg(claimed.height()));
    return true;
}

QSize BoundedPictureSize(QSize want)
{
    if (want.isEmpty())
        return want;
    const double bytes = double(want.width()) * want.height() * 4;
    if (bytes <= double(MaxPictureBytes))
        return want;
    const double s = std::sqrt(double(MaxPictureBytes) / bytes);
    return QSize(std::max(1, int(want.width() * s)), std::max(1, int(want.height() * s)));
}

QImage ReadVectorPicture(const QString &fileName, const TPictureTarget &target, QString *error)
{
    QByteArray bytes;
    switch (SafeFiles::ReadRegularFile(fileName, MaxVectorTextBytes, bytes)) {
    case SafeFiles::TReadStatus::Ok: break;
    case SafeFiles::TReadStatus::TooLarge:
        Fail(error, QStringLiteral("The drawing is larger than %1 MB").arg(MaxVectorTextBytes >> 20));
        return QImage();
    case SafeFiles::TReadStatus::NotRegular:
        Fail(error, QStringLiteral("Not a regular file"));
        return QImage();
    default:
        Fail(error, QStringLiteral("The file cannot be read"));
        return QImage();
    }
    if (!ExpandVectorText(bytes, error))
        return QImage();
    if (RefersToOtherFiles(bytes)) {
        Fail(error, QStringLiteral("The drawing refers to other files"));
        return QImage();
    }

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, QByteArrayLiteral("svg"));
    // The drawing's own size may be anything; a drawing without one is
    // drawn at a size fit for a cover.
    QSize own = reader.size();
    if (!own.isValid() || own.isEmpty())
        own = QSize(1000, 1000);
    QSize want = target ? target(own) : own;
    if (!want.isValid() || want.isEmpty())
        want = own;
    reader.setScaledSize(BoundedPictureSize(want));
    QImage img = reader.read();
    if (img.isNull()) {
        Fail(error, reader.errorString());
        return QImage();
    }
    if (img.format() != QImage::Format_ARGB32_Premultiplied)
        img.convertTo(QImage::Format_ARGB32_Premultiplied);
    return img;
}
