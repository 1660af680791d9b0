#include "DroppedFiles.h"

#include <QFileInfo>
#include <QImageReader>

namespace DroppedFiles {

namespace {

// The extension with its dot, as the file name ends: "photo.jpeg" gives
// ".jpeg", "notes." gives ".", "README" gives nothing.
QString extensionWithDot(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

} // namespace

bool IsReadablePictureExtension(const QString &upperExtension)
{
    if (upperExtension.size() < 2)
        return false;
    const QByteArray ext = upperExtension.mid(1).toLower().toLatin1();
    return QImageReader::supportedImageFormats().contains(ext);
}

TDropKind Classify(const QString &path)
{
    if (path.isEmpty())
        return TDropKind::Stop;
    const QString ext = extensionWithDot(path).toUpper();
    // The classic test looks the extension up anywhere in one text, so "."
    // and ".JP" count as pictures as well.
    static const QString classic = QStringLiteral(".BMP .JPG .JPEG .WMF .EMF");
    if (!ext.isEmpty() && (classic.contains(ext) || IsReadablePictureExtension(ext)))
        return TDropKind::Picture;
    if (ext == QLatin1String(".TVK"))
        return TDropKind::Document;
    return TDropKind::Unknown;
}

} // namespace DroppedFiles
