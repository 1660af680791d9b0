#include "DocumentFile.h"

#include "CompressExpand.h"
#include "DocumentExtension.h"
#include "EnglishStrings.h"
#include "TarvikError.h"
#include "uResource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

TDocumentReadResult failure(TDocumentReadResult::TStatus status, const QString &user, const QString &log)
{
    TDocumentReadResult r;
    r.Status = status;
    ClearDocumentRecord(r.Record);
    r.Record.Colors = DefaultDocumentColors();
    r.UserMessage = user;
    r.LogMessage = log;
    return r;
}

QString notADocumentText(const QString &name)
{
    return Str(9600).arg(name);
}

} // namespace

// What the reader expands after the record holds the largest block.
static_assert(MaxTrailingBytes >= DocumentExtension::MaxBlockBytes);

QByteArray DocumentFileBytes(const TDocumentRecord &record, int codePage)
{
    return CompressDocument(PackDocumentRecord(record, codePage)
                            + DocumentExtension::PackExtensionBlock(record.Texts, record.Images, codePage));
}

TDocumentSaveResult WriteDocumentFile(const QString &path, const TDocumentRecord &record, int codePage)
{
    TDocumentSaveResult result;
    // The log keeps the English reason; the user reads it in the language in use.
    auto fail = [&](const QString &reason, const QString &shownReason = {}) {
        result.Ok = false;
        result.LogMessage = reason;
        result.UserMessage = Str(9605).arg(QDir::toNativeSeparators(path),
                                           shownReason.isEmpty() ? reason : shownReason);
        return result;
    };

    QByteArray bytes;
    try {
        bytes = DocumentFileBytes(record, codePage);
    } catch (const ETarvikError &e) {
        return fail(e.message());
    }

    if (path.isEmpty())
        return fail(EnglishString(9610), Str(9610));
    // QSaveFile would rename over a folder's name only to fail at the end;
    // say so plainly instead.
    if (QFileInfo(path).isDir())
        return fail(EnglishString(9615), Str(9615));

    QSaveFile file(path);
    // Never fall back to writing the document in place: that is exactly what
    // would destroy the old file when the disk is full.
    file.setDirectWriteFallback(false);
    // Unbuffered: a buffered QSaveFile drops the rest of its buffer when the
    // disk fills part-way through a write and still commits the cut file.
    // Written directly, a short write shows, and writing the rest again
    // gives the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return fail(reason);
        }
        done += qsizetype(n);
    }
    if (!file.commit())
        return fail(file.errorString());
    result.Ok = true;
    return result;
}

TDocumentReadResult ReadDocumentBytes(QByteArrayView file, int codePage)
{
    TDocumentReadResult r;
    QByteArray content, trailing;
    try {
        content = ExpandDocument(file, &trailing);
    } catch (const ETarvikError &e) {
        return failure(TDocumentReadResult::NotADocument, Str(9620), e.message());
    }
    r.Status = TDocumentReadResult::Ok;
    r.Record = UnpackDocumentRecord(content, &r.HasColors, codePage);
    DocumentExtension::ApplyExtensionBlock(r.Record.Texts, r.Record.Images, trailing, codePage);
    return r;
}

TDocumentReadResult ReadDocumentFile(const QString &path, int codePage)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (path.isEmpty() || !info.exists())
        return failure(TDocumentReadResult::Missing, {}, {});
    auto unreadable = [&](const QString &reason, const QString &shownReason = {}) {
        return failure(TDocumentReadResult::Unreadable,
                       Str(9625).arg(name.isEmpty() ? path : name, shownReason.isEmpty() ? reason : shownReason),
                       reason);
    };
    // A folder, a pipe or a device is no document; reading a pipe would wait
    // for a writer and a device might never end.
    if (!info.isFile())
        return unreadable(EnglishString(9630), Str(9630));

    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return unreadable(f.errorString());
    const qint64 want = std::min(f.size(), MaxDocumentFileBytes);
    QByteArray bytes(qsizetype(want), Qt::Uninitialized);
    qint64 got = 0;
    while (got < want) {
        const qint64 n = f.read(bytes.data() + got, want - got);
        if (n < 0)
            return unreadable(f.errorString());
        if (n == 0)
            break; // the file shrank while being read
        got += n;
    }
    bytes.truncate(qsizetype(got));

    TDocumentReadResult r = ReadDocumentBytes(bytes, codePage);
    if (!r.ok())
        r.UserMessage = notADocumentText(name);
    return r;
}

// ---------------------------------------------------------------------------
// Pictures

QString StoredImageFileName(const QString &storedPath)
{
    const qsizetype cut = std::max(storedPath.lastIndexOf(QLatin1Char('/')), storedPath.lastIndexOf(QLatin1Char('\\')));
    const QString name = storedPath.mid(cut + 1);
    // "." and ".." name folders, never a picture
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    return name;
}

QString LocateImage(const QString &storedPath, const QString &documentPath)
{
    if (storedPath.isEmpty())
        return {};
    // A relative path would be looked up in whatever folder the program was
    // started from; only a full path names a picture by itself.
    const QFileInfo stored(storedPath);
    if (stored.isAbsolute() && stored.isFile())
        return storedPath;

    const QString name = StoredImageFileName(storedPath);
    if (name.isEmpty() || documentPath.isEmpty())
        return {};
    const QFileInfo beside(QFileInfo(documentPath).absoluteDir(), name);
    if (beside.isFile())
        return beside.filePath();
    return {};
}

QString ImageNotFoundQuestion(const QString &storedPath)
{
    return Str(2710) + storedPath + Str(2715);
}

QString FindImage(const QString &storedPath, const QString &documentPath, const TImageSearchCallback &askUser)
{
    if (storedPath.isEmpty())
        return {};
    const QString found = LocateImage(storedPath, documentPath);
    if (!found.isEmpty() || !askUser)
        return found;
    return askUser(storedPath);
}
