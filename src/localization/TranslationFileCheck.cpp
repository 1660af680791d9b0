#include "TranslationFileCheck.h"

#include <QtEndian>

#include <cstring>
#include <vector>

// The layout lrelease writes: a 16-byte magic number, then blocks of a tag
// byte, a big-endian length and the contents. A lookup reads three of them:
//   contexts  a hash table of context names: its size (2), one offset per
//             bucket (2 each, in units of 2 bytes, 0 for none), then chains
//             of length-prefixed names, each chain ending with a length 0
//   hashes    pairs of (hash of source text and disambiguation, offset of
//             the message), 4 bytes each
//   messages  per message, items of a tag and (mostly) a 4-byte length and
//             contents: translation (UTF-16), source text, context and
//             disambiguation; a message ends with the end tag
// A lookup may start at any bucket and any hashed offset, so every one of
// them is walked here as the lookup would.

namespace {

enum : quint8 {
    Contexts = 0x2f, Hashes = 0x42, Messages = 0x69, NumerusRules = 0x88, Dependencies = 0x96,
};
enum : quint8 {
    TagEnd = 1, TagTranslation = 3, TagObsolete1 = 5, TagSourceText = 6, TagContext = 7, TagComment = 8,
};

const uchar Magic[16] = {0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                         0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};

quint32 u32(QByteArrayView b, qint64 at) { return qFromBigEndian<quint32>(b.data() + at); }
quint16 u16(QByteArrayView b, qint64 at) { return qFromBigEndian<quint16>(b.data() + at); }

// Positions known to lead to a sound end, so that walks sharing a tail (or
// a hostile table pointing many times at one place) cost nothing twice.
class TWalked
{
public:
    explicit TWalked(qint64 size) : FSound(size_t(size), false) {}
    bool sound(qint64 at) const { return FSound[size_t(at)]; }
    void markSound(const std::vector<qint64> &positions)
    {
        for (qint64 p : positions)
            FSound[size_t(p)] = true;
    }

private:
    std::vector<bool> FSound;
};

// One chain of context names from `at`.
bool chainIsSound(QByteArrayView block, qint64 at, TWalked &walked)
{
    std::vector<qint64> path;
    for (qint64 p = at;;) {
        if (p >= block.size())
            return false;
        if (walked.sound(p))
            break;
        path.push_back(p);
        const quint8 length = quint8(block[p]);
        if (length == 0)
            break;
        p += 1 + length;
    }
    walked.markSound(path);
    return true;
}

// One message from `at`, item by item as the lookup reads it.
bool messageIsSound(QByteArrayView block, qint64 at, TWalked &walked)
{
    const qint64 size = block.size();
    std::vector<qint64> path;
    for (qint64 p = at;;) {
        if (p >= size || walked.sound(p))
            break; // the lookup reads the end of the block as the end tag
        path.push_back(p);
        const quint8 tag = quint8(block[p]);
        if (tag == TagObsolete1) {
            p += 5;
            continue;
        }
        if (tag != TagTranslation && tag != TagSourceText && tag != TagContext && tag != TagComment)
            break; // the end tag, or one the lookup stops at
        if (p + 5 > size)
            return false;
        const quint32 length = u32(block, p + 1);
        if (tag == TagTranslation && (length & 1))
            break; // the lookup gives up on this message here
        if (length > quint64(size - (p + 5)))
            return false;
        // the lookup peeks at the first byte of a disambiguation even when
        // it is empty
        if (tag == TagComment && p + 5 >= size)
            return false;
        p += 5 + length;
    }
    walked.markSound(path);
    return true;
}

} // namespace

QString CheckTranslationData(QByteArrayView qm)
{
    const QString damaged = QStringLiteral("its strings.qm is damaged");
    if (qm.size() < qsizetype(sizeof Magic) || std::memcmp(qm.data(), Magic, sizeof Magic) != 0)
        return QStringLiteral("its strings.qm is not a translation file");

    QByteArrayView contexts, hashes, messages;
    bool hasMessages = false;
    for (qint64 p = sizeof Magic; p < qm.size() - 5;) {
        const quint8 tag = quint8(qm[p]);
        const quint32 length = u32(qm, p + 1);
        p += 5;
        if (tag == 0 || length == 0)
            break;
        if (length > quint64(qm.size() - p))
            return damaged;
        const QByteArrayView block = qm.sliced(p, length);
        if (tag == Contexts) {
            contexts = block;
        } else if (tag == Hashes) {
            hashes = block;
        } else if (tag == Messages) {
            messages = block;
            hasMessages = true;
        } else if (tag == Dependencies) {
            return QStringLiteral("its strings.qm needs other translation files");
        }
        p += length;
    }

    if (!contexts.isEmpty()) {
        if (contexts.size() < 2)
            return damaged;
        const qint64 buckets = u16(contexts, 0);
        if (buckets == 0 || 2 + 2 * buckets > contexts.size())
            return damaged;
        TWalked walked(contexts.size());
        for (qint64 g = 0; g < buckets; ++g) {
            const qint64 offset = u16(contexts, 2 + 2 * g);
            if (offset != 0 && !chainIsSound(contexts, 2 + 2 * buckets + 2 * offset, walked))
                return damaged;
        }
    }

    if (hashes.size() >= 8) {
        if (hashes.size() % 8 != 0 || !hasMessages)
            return damaged;
        TWalked walked(messages.size());
        for (qint64 entry = 0; entry < hashes.size(); entry += 8) {
            const qint64 offset = u32(hashes, entry + 4);
            if (offset >= messages.size() || !messageIsSound(messages, offset, walked))
                return damaged;
        }
    }
    return {};
}
