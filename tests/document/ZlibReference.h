#pragma once
// zlib's own one-shot expansion, as the reference the document reader's
// results are checked against: the expanded bytes, or nothing when the
// stream is not whole or does not fit in `room` bytes.

#include <QByteArray>

#include <zlib.h>

inline QByteArray zlibExpand(const QByteArray &stream, qsizetype room)
{
    QByteArray out(room, Qt::Uninitialized);
    uLongf n = uLongf(room);
    if (uncompress(reinterpret_cast<Bytef *>(out.data()), &n, reinterpret_cast<const Bytef *>(stream.constData()),
                   uLong(stream.size()))
        != Z_OK)
        return {};
    out.truncate(qsizetype(n));
    return out;
}
