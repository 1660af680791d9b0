#include "CompressExpand.h"

#include "CDDataTypes.h"
#include "TarvikError.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace {

[[noreturn]] void fail()
{
    throw ETarvikError(QStringLiteral("error"));
}

// zlib counts in uInt; a document file is far below that, a larger input is
// fed in pieces.
constexpr uInt MaxChunk = std::numeric_limits<uInt>::max() / 2;

} // namespace

QByteArray CompressDocument(QByteArrayView content)
{
    uLongf size = compressBound(uLong(content.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    const int rc = compress2(reinterpret_cast<Bytef *>(out.data()), &size,
                             reinterpret_cast<const Bytef *>(content.data()), uLong(content.size()), 1);
    if (rc != Z_OK)
        throw ETarvikError(QStringLiteral("error"));
    out.truncate(qsizetype(size));
    return out;
}

QByteArray ExpandDocument(QByteArrayView file, QByteArray *trailing)
{
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        fail();
    struct End {
        z_stream *zs;
        ~End() { inflateEnd(zs); }
    } end{&zs};

    QByteArray out(TDocumentRecord::Size, Qt::Uninitialized);
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    const auto *in = reinterpret_cast<const Bytef *>(file.data());
    qsizetype inLeft = file.size();
    // Hands zlib the next piece of the file when it has used the last one;
    // false when the file is used up.
    auto refill = [&] {
        if (zs.avail_in > 0)
            return true;
        if (inLeft == 0)
            return false;
        const uInt n = uInt(std::min<qsizetype>(inLeft, MaxChunk));
        zs.next_in = const_cast<Bytef *>(in);
        zs.avail_in = n;
        in += n;
        inLeft -= n;
        return true;
    };

    int rc = Z_OK;
    while (zs.avail_out > 0) {
        if (!refill())
            break; // the stream is cut short
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc == Z_STREAM_END)
            break;
        if (rc != Z_OK && rc != Z_BUF_ERROR)
            fail(); // not zlib, or damaged
    }

    const qsizetype produced = out.size() - qsizetype(zs.avail_out);
    if (rc != Z_STREAM_END && zs.avail_out > 0)
        fail(); // ended before the record did

    QByteArray after;
    if (rc != Z_STREAM_END) {
        // The record is complete. What follows is expanded into the room
        // asked for (one byte tells whether anything follows at all); a
        // stream that ends within it still has its checksum to check, one
        // that goes on beyond it is not expanded any further.
        after.resize(trailing ? MaxTrailingBytes : 1);
        zs.next_out = reinterpret_cast<Bytef *>(after.data());
        zs.avail_out = uInt(after.size());
        for (;;) {
            refill();
            rc = inflate(&zs, Z_NO_FLUSH);
            if (rc == Z_STREAM_END || zs.avail_out == 0)
                break; // the end, or more data than there is room for
            if (rc != Z_OK && rc != Z_BUF_ERROR)
                fail(); // damaged, or the checksum does not match
            if (zs.avail_in == 0 && inLeft == 0)
                break; // the file stops: the record is whole
        }
        after.truncate(after.size() - qsizetype(zs.avail_out));
    }
    if (trailing)
        *trailing = produced == TDocumentRecord::Size ? after : QByteArray();
    if (produced < TDocumentRecord::OlderSize)
        fail();
    out.truncate(produced);
    return out;
}
