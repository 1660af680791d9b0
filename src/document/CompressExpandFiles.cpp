#include "CompressExpandFiles.h"

#include "TarvikError.h"

#include <QFile>
#include <QFileInfo>

#include <zlib.h>

namespace {

constexpr int PieceSize = 4096;

struct Files {
    QFile in;
    QFile out;
};

// Opens both files, or throws. False when the routine has nothing to do.
bool openFiles(Files &f, const QString &source, const QString &target)
{
    if (source.isEmpty() || target.isEmpty() || !QFileInfo::exists(source))
        return false;
    f.in.setFileName(source);
    if (!f.in.open(QIODevice::ReadOnly))
        throw ETarvikError(f.in.errorString());
    f.out.setFileName(target);
    if (!f.out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw ETarvikError(f.out.errorString());
    return true;
}

qint64 readPiece(QFile &in, char *buf)
{
    const qint64 n = in.read(buf, PieceSize);
    if (n < 0)
        throw ETarvikError(in.errorString());
    return n;
}

void writePiece(QFile &out, const char *buf, qint64 n)
{
    if (n > 0 && out.write(buf, n) != n)
        throw ETarvikError(out.errorString());
}

} // namespace

void CompressFile(const QString &source, const QString &target)
{
    Files f;
    if (!openFiles(f, source, target))
        return;
    z_stream zs{};
    if (deflateInit(&zs, 1) != Z_OK)
        throw ETarvikError(QStringLiteral("error"));
    struct End {
        z_stream *zs;
        ~End() { deflateEnd(zs); }
    } end{&zs};

    char inBuf[PieceSize];
    char outBuf[PieceSize];
    int flush = Z_NO_FLUSH;
    do {
        const qint64 n = readPiece(f.in, inBuf);
        flush = n == 0 ? Z_FINISH : Z_NO_FLUSH;
        zs.next_in = reinterpret_cast<Bytef *>(inBuf);
        zs.avail_in = uInt(n);
        do {
            zs.next_out = reinterpret_cast<Bytef *>(outBuf);
            zs.avail_out = PieceSize;
            deflate(&zs, flush); // cannot fail with valid buffers
            writePiece(f.out, outBuf, PieceSize - zs.avail_out);
        } while (zs.avail_out == 0);
    } while (flush != Z_FINISH);
    if (!f.out.flush())
        throw ETarvikError(f.out.errorString());
}

void ExpandFile(const QString &source, const QString &target)
{
    Files f;
    if (!openFiles(f, source, target))
        return;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        throw ETarvikError(QStringLiteral("error"));
    struct End {
        z_stream *zs;
        ~End() { inflateEnd(zs); }
    } end{&zs};

    char inBuf[PieceSize];
    char outBuf[PieceSize];
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        if (zs.avail_in == 0) {
            const qint64 n = readPiece(f.in, inBuf);
            if (n == 0)
                throw ETarvikError(QStringLiteral("error")); // the stream is cut short
            zs.next_in = reinterpret_cast<Bytef *>(inBuf);
            zs.avail_in = uInt(n);
        }
        zs.next_out = reinterpret_cast<Bytef *>(outBuf);
        zs.avail_out = PieceSize;
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
            throw ETarvikError(QStringLiteral("error"));
        writePiece(f.out, outBuf, PieceSize - zs.avail_out);
    }
    if (!f.out.flush())
        throw ETarvikError(f.out.errorString());
}
