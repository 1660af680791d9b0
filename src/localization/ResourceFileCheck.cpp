#include "ResourceFileCheck.h"

#include <QtEndian>

#include <vector>

// The layout rcc writes, all numbers big-endian:
//   header: "qres", version, tree offset, data offset, names offset
//           (and, from version 3, the flags of the whole file)
//   tree:   one node per file or directory, 14 bytes (22 from version 2,
//           which adds a last-modified time); node 0 is the root directory
//           directory node: name offset (4), flags (2), child count (4),
//                           index of the first child node (4)
//           file node:      name offset (4), flags (2), country (2),
//                           language (2), data offset (4)
//   names:  length in UTF-16 units (2), hash (4), the UTF-16 name
//   data:   length (4), then the bytes; a zlib-packed entry starts with its
//           unpacked length (4), a zstd-packed entry is one zstd frame

namespace {

enum : quint16 { Compressed = 0x01, Directory = 0x02, CompressedZstd = 0x04 };

class TReader
{
public:
    explicit TReader(QByteArrayView data) : FData(data) {}
    qint64 size() const { return FData.size(); }
    bool has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= size() && length <= size() - offset;
    }
    quint32 u32(qint64 offset) const { return qFromBigEndian<quint32>(FData.data() + offset); }
    quint16 u16(qint64 offset) const { return qFromBigEndian<quint16>(FData.data() + offset); }
    quint8 u8(qint64 offset) const { return static_cast<quint8>(FData[offset]); }

private:
    QByteArrayView FData;
};

// The unpacked size a zstd frame declares, or -1 when it declares none
// (QResource sizes its buffer from this number before unpacking).
qint64 zstdContentSize(const TReader &r, qint64 at, qint64 length)
{
    if (length < 5 || r.u8(at) != 0x28 || r.u8(at + 1) != 0xB5 || r.u8(at + 2) != 0x2F || r.u8(at + 3) != 0xFD)
        return -1;
    const quint8 descriptor = r.u8(at + 4);
    const int sizeFlag = descriptor >> 6;
    const bool singleSegment = (descriptor >> 5) & 1;
    static const int dictionaryBytes[] = {0, 1, 2, 4};
    qint64 pos = 5 + (singleSegment ? 0 : 1) + dictionaryBytes[descriptor & 3];
    const int sizeBytes = sizeFlag == 0 ? (singleSegment ? 1 : 0) : (1 << sizeFlag);
    if (sizeBytes == 0 || pos + sizeBytes > length)
        return -1;
    quint64 value = 0;
    for (int i = sizeBytes - 1; i >= 0; --i)
        value = (value << 8) | r.u8(at + pos + i);
    if (sizeBytes == 2)
        value += 256;
    return value > quint64(MaxResourceEntrySize) ? MaxResourceEntrySize + 1 : qint64(value);
}

QString checkFileNode(const TReader &r, qint64 dataStart, qint64 node, quint16 flags)
{
    const qint64 at = dataStart + r.u32(node + 10);
    if (!r.has(at, 4) || !r.has(at + 4, r.u32(at)))
        return QStringLiteral("a file's contents lie beyond the end");
    const qint64 length = r.u32(at);
    qint64 unpacked = length;
    if (flags & CompressedZstd)
        unpacked = zstdContentSize(r, at + 4, length);
    else if (flags & Compressed)
        unpacked = length < 4 ? -1 : qint64(r.u32(at + 4));
    if (unpacked < 0)
        return QStringLiteral("a packed file is damaged");
    if (unpacked > MaxResourceEntrySize)
        return QStringLiteral("a file inside it is too large");
    return {};
}

} // namespace

QString CheckResourceData(QByteArrayView data)
{
    const TReader r(data);
    if (r.size() == 0)
        return QStringLiteral("the file is empty");
    if (r.size() < 20 || data.first(4) != QByteArrayView("qres"))
        return QStringLiteral("it is not a resource file");
    const quint32 version = r.u32(4);
    if (version < 1 || version > 3)
        return QStringLiteral("its resource format is unknown");
    if (version >= 3) {
        if (r.size() < 24)
            return QStringLiteral("the file is cut short");
        if (r.u32(20) & ~quint32(Compressed | CompressedZstd))
            return QStringLiteral("its resource format is unknown");
    }
    const qint64 tree = r.u32(8), dataStart = r.u32(12), names = r.u32(16);
    if (tree >= r.size() || dataStart >= r.size() || names >= r.size())
        return QStringLiteral("the file is cut short");

    const qint64 nodeSize = version >= 2 ? 22 : 14;
    const qint64 nodeCount = (r.size() - tree) / nodeSize;
    if (nodeCount < 1 || !(r.u16(tree + 4) & Directory))
        return QStringLiteral("the file is cut short");

    // Every node is the child of one directory, so a sound tree lists no
    // more children than it has nodes; more would mean a loop or a hostile
    // count, and walking them could take forever.
    std::vector<bool> seen(size_t(nodeCount), false);
    std::vector<qint64> directories{0};
    seen[0] = true;
    qint64 childrenListed = 0;
    while (!directories.empty()) {
        const qint64 dir = tree + directories.back() * nodeSize;
        directories.pop_back();
        const qint64 count = r.u32(dir + 6), first = r.u32(dir + 10);
        childrenListed += count;
        if (childrenListed > nodeCount)
            return QStringLiteral("its table of contents is damaged");
        if (first + count > nodeCount)
            return QStringLiteral("the file is cut short");
        for (qint64 child = first; child < first + count; ++child) {
            if (seen[size_t(child)])
                return QStringLiteral("its table of contents is damaged");
            seen[size_t(child)] = true;
            const qint64 node = tree + child * nodeSize;
            const qint64 name = names + r.u32(node);
            if (!r.has(name, 6) || !r.has(name + 6, 2 * qint64(r.u16(name))))
                return QStringLiteral("a file name lies beyond the end");
            const quint16 flags = r.u16(node + 4);
            if (flags & Directory) {
                directories.push_back(child);
            } else if (const QString problem = checkFileNode(r, dataStart, node, flags); !problem.isEmpty()) {
                return problem;
            }
        }
    }
    return {};
}
