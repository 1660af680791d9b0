#include "DocumentExtension.h"

#include <QStringDecoder>

#include <zlib.h>

#include <optional>

namespace DocumentExtension {

namespace {

constexpr char Magic[4] = {'T', 'V', 'K', 'u'};
constexpr quint16 Version = 1;
constexpr qsizetype HeaderBytes = 14;
// The record fields the strings come from, in bytes of the code page.
constexpr int RecordTextBytes = 255;
constexpr int RecordFontNameBytes = 50;
constexpr int RecordPathBytes = 255;

enum TEntryKind : quint8 {
    ekText = 1,
    ekImage = 2,
};

void putU16(QByteArray &b, quint16 v)
{
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

void putU32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

void putString(QByteArray &b, const QByteArray &utf8)
{
    putU16(b, quint16(utf8.size()));
    b.append(utf8);
}

// At most `max` UTF-16 units, never half a surrogate pair.
QString cutUnits(const QString &s, int max)
{
    if (s.size() <= max)
        return s;
    qsizetype n = max;
    if (n > 0 && s.at(n - 1).isHighSurrogate())
        --n;
    return s.left(n);
}

// At most `max` bytes of UTF-8, never half a character.
QByteArray cutUtf8(const QString &s, int max)
{
    QByteArray b = s.toUtf8();
    if (b.size() <= max)
        return b;
    qsizetype n = max;
    while (n > 0 && (quint8(b[n]) & 0xC0) == 0x80)
        --n; // b[n] continues a character: end before that character
    b.truncate(n);
    return b;
}

quint32 crcOf(QByteArrayView data)
{
    return quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(data.data()), uInt(data.size())));
}

// Reads numbers and strings from untrusted bytes; once anything runs past
// the end, every later read fails too.
class TCursor
{
public:
    explicit TCursor(QByteArrayView data)
        : FData(data)
    {
    }
    bool ok() const { return FOk; }
    bool atEnd() const { return FPos >= FData.size(); }
    QByteArrayView take(qsizetype n)
    {
        if (!FOk || n < 0 || n > FData.size() - FPos) {
            FOk = false;
            return {};
        }
        const QByteArrayView v = FData.sliced(FPos, n);
        FPos += n;
        return v;
    }
    quint32 number(int bytes)
    {
        const QByteArrayView v = take(bytes);
        quint32 n = 0;
        for (qsizetype i = 0; i < v.size(); ++i)
            n |= quint32(quint8(v[i])) << (8 * i);
        return n;
    }
    // A string of at most `maxBytes` bytes of valid UTF-8.
    std::optional<QString> utf8(qsizetype maxBytes)
    {
        const qsizetype n = number(2);
        const QByteArrayView bytes = take(n);
        if (!FOk || n > maxBytes)
            return std::nullopt;
        // a leading byte-order mark is part of the text, not a mark to drop
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString s = decoder.decode(bytes);
        if (decoder.hasError())
            return std::nullopt;
        return s;
    }

private:
    QByteArrayView FData;
    qsizetype FPos = 0;
    bool FOk = true;
};

// Whether the record's string is what the block's string became when the
// record was written.
bool sameInRecord(const QString &record, int readCodePage, const QString &block, int writeCodePage, int fieldBytes)
{
    return EncodeCodePage(record, readCodePage, fieldBytes) == EncodeCodePage(block, writeCodePage, fieldBytes);
}

} // namespace

QByteArray PackExtensionBlock(const TTexts &texts, const TImages &images, int codePage)
{
    QByteArray payload;
    putU16(payload, quint16(codePage));
    auto entry = [&payload](TEntryKind kind, int slot, const QByteArray &data) {
        payload.append(char(kind));
        payload.append(char(slot));
        putU16(payload, quint16(data.size()));
        payload.append(data);
    };
    for (int slot = 0; slot < TextSlotCount; ++slot) {
        const TTextElementRecord &t = texts[slot];
        if (!t.isUsed())
            continue;
        QByteArray data;
        putString(data, cutUnits(t.Text, MaxTextChars).toUtf8());
        putString(data, cutUnits(t.FontName, MaxFontNameChars).toUtf8());
        entry(ekText, slot, data);
    }
    for (int slot = 0; slot < ImageSlotCount; ++slot) {
        const TImageElementRecord &i = images[slot];
        if (!i.isUsed())
            continue;
        QByteArray data;
        putString(data, cutUtf8(i.ImageFileName, MaxPathBytes));
        entry(ekImage, slot, data);
    }

    QByteArray block(Magic, sizeof Magic);
    putU16(block, Version);
    putU32(block, quint32(payload.size()));
    putU32(block, crcOf(payload));
    block.append(payload);
    return block;
}

int ApplyExtensionBlock(TTexts &texts, TImages &images, QByteArrayView block, int codePage)
{
    TCursor header(block);
    if (header.take(4) != QByteArrayView(Magic, sizeof Magic) || header.number(2) != Version)
        return 0;
    const qsizetype length = header.number(4);
    const quint32 crc = header.number(4);
    if (!header.ok() || length > MaxBlockBytes - HeaderBytes || length > block.size() - HeaderBytes)
        return 0; // not this block, or cut short
    const QByteArrayView payload = block.sliced(HeaderBytes, length);
    if (crcOf(payload) != crc)
        return 0; // damaged

    TCursor in(payload);
    const int writeCodePage = int(in.number(2));
    // Each slot is tried once, with its first entry; so a block of many
    // entries costs no more conversions than the slots there are.
    std::array<bool, TextSlotCount> textTried{};
    std::array<bool, ImageSlotCount> imageTried{};
    int taken = 0;
    while (in.ok() && !in.atEnd()) {
        const quint8 kind = quint8(in.number(1));
        const int slot = int(in.number(1));
        const qsizetype size = in.number(2);
        TCursor data(in.take(size));
        if (!in.ok())
            break; // the last entry is cut
        if (kind == ekText && slot < TextSlotCount && !textTried[slot]) {
            textTried[slot] = true;
            TTextElementRecord &r = texts[slot];
            const std::optional<QString> text = data.utf8(qsizetype(MaxTextChars) * 3);
            const std::optional<QString> font = data.utf8(qsizetype(MaxFontNameChars) * 3);
            if (!text || !font || !data.atEnd() || !r.isUsed() || text->size() > MaxTextChars
                || font->size() > MaxFontNameChars)
                continue;
            if (!sameInRecord(r.Text, codePage, *text, writeCodePage, RecordTextBytes)
                || !sameInRecord(r.FontName, codePage, *font, writeCodePage, RecordFontNameBytes))
                continue;
            r.Text = *text;
            r.FontName = *font;
            ++taken;
        } else if (kind == ekImage && slot < ImageSlotCount && !imageTried[slot]) {
            imageTried[slot] = true;
            TImageElementRecord &r = images[slot];
            const std::optional<QString> path = data.utf8(MaxPathBytes);
            if (!path || !data.atEnd() || !r.isUsed() || path->isEmpty())
                continue;
            if (!sameInRecord(r.ImageFileName, codePage, *path, writeCodePage, RecordPathBytes))
                continue;
            r.ImageFileName = *path;
            ++taken;
        }
    }
    return taken;
}

} // namespace DocumentExtension
