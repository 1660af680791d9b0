#include "CDDataTypes.h"

#include "VelMeasureRoutines.h"

#include <QList>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <iconv.h>

// ---------------------------------------------------------------------------
// Enumerations

TSurfaceCode SurfaceCodeFromByte(std::uint8_t b)
{
    switch (b) {
    case 1:
        return TSurfaceCode::Inside;
    case 3:
        return TSurfaceCode::Back;
    case 6:
        return TSurfaceCode::RoundLabel;
    default:
        return TSurfaceCode::Front;
    }
}

TFitStyle FitStyleFromByte(std::uint8_t b)
{
    return b <= fsRoundLabel ? static_cast<TFitStyle>(b) : fsNone;
}

TVelImageType ImageTypeFromByte(std::uint8_t b)
{
    return b <= itJpg ? static_cast<TVelImageType>(b) : itNone;
}

std::array<TColor, 8> DefaultDocumentColors()
{
    // The spare colour outlines the label's printed disc and no command sets
    // it: white, the paper's own colour, leaves no visible rim around a
    // coloured label (the border option draws a visible one).
    return {clWhite, clWhite, clWhite, clWhite, clWhite, clWhite, clBlack, clWhite};
}

TCoverSettings TCoverSettings::Defaults()
{
    using VelMeasureRoutines::CmToInches;
    TCoverSettings s;
    s.FrontWidth = CmToInches(12.2f);
    s.FrontHeight = CmToInches(12.1f);
    s.InsideWidth = CmToInches(12.2f);
    s.InsideHeight = CmToInches(12.1f);
    s.BackWidth = CmToInches(15.05f);
    s.BackHeight = CmToInches(11.8f);
    s.LeftSpineWidth = CmToInches(0.6f);
    s.RightSpineWidth = CmToInches(0.6f);
    s.Colors = DefaultDocumentColors();
    s.LabelsPerPage = 2;
    s.LabelXMargin = {CmToInches(4.8f), CmToInches(4.8f), 0.0f};
    s.LabelYMargin = {CmToInches(2.2f), CmToInches(16.3f), 0.0f};
    s.OuterDiameter = CmToInches(11.5f);
    s.InnerDiameter = CmToInches(4.5f);
    return s;
}

// ---------------------------------------------------------------------------
// Code pages

namespace {

int g_codePage = 1252;

// One conversion descriptor for the length of one conversion.
class Iconv
{
public:
    Iconv(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (ok())
            iconv_close(m_cd);
    }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;
    bool ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

QByteArray iconvName(int codePage)
{
    return "CP" + QByteArray::number(codePage);
}

bool codePageKnown(int codePage)
{
    if (codePage <= 0)
        return false;
    const Iconv probe("UTF-32LE", iconvName(codePage).constData());
    return probe.ok();
}

int usableCodePage(int codePage)
{
    return codePageKnown(codePage) ? codePage : 1252;
}

} // namespace

int CurrentCodePage()
{
    return g_codePage;
}

void SetCurrentCodePage(int codePage)
{
    g_codePage = usableCodePage(codePage);
}

int CodePageOfCharset(int charset)
{
    switch (charset) {
    case 204: return 1251; // Cyrillic
    case 238: return 1250; // Central European
    case 161: return 1253; // Greek
    case 162: return 1254; // Turkish
    case 177: return 1255; // Hebrew
    case 178: return 1256; // Arabic
    case 186: return 1257; // Baltic
    case 222: return 874;  // Thai
    case 163: return 1258; // Vietnamese
    case 128: return 932;  // Japanese
    case 134: return 936;  // Simplified Chinese
    case 129: return 949;  // Korean
    case 136: return 950;  // Traditional Chinese
    default: return 1252;  // ANSI and default character sets, and anything unknown
    }
}

QByteArray EncodeCodePage(const QString &text, int codePage, int maxBytes)
{
    const QList<uint> ucs4 = text.toUcs4();
    if (ucs4.isEmpty() || maxBytes == 0)
        return {};
    const Iconv cd(iconvName(usableCodePage(codePage)).constData(), "UTF-32LE");
    if (!cd.ok())
        return {};

    QByteArray in(ucs4.size() * 4, Qt::Uninitialized);
    for (qsizetype i = 0; i < ucs4.size(); ++i) {
        const uint c = ucs4[i];
        in[i * 4] = char(c & 0xFF);
        in[i * 4 + 1] = char((c >> 8) & 0xFF);
        in[i * 4 + 2] = char((c >> 16) & 0xFF);
        in[i * 4 + 3] = char((c >> 24) & 0xFF);
    }
    // Every character gives at most a few bytes; the limit makes iconv stop
    // before a character that would not fit, never in its middle.
    const qsizetype room = maxBytes >= 0 ? maxBytes : ucs4.size() * 4 + 16;
    QByteArray out(room, Qt::Uninitialized);

    char *inp = in.data();
    size_t inLeft = size_t(in.size());
    char *outp = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        const size_t r = iconv(cd.get(), &inp, &inLeft, &outp, &outLeft);
        if (r != size_t(-1))
            break;
        if (errno == EILSEQ) {
            // not in the code page: a question mark in its place
            if (outLeft == 0)
                break;
            *outp++ = '?';
            --outLeft;
            inp += 4;
            inLeft -= 4;
            continue;
        }
        break; // E2BIG: the field is full; EINVAL cannot happen on whole characters
    }
    // flush any shift state (none of the Windows code pages keeps one)
    iconv(cd.get(), nullptr, nullptr, &outp, &outLeft);
    out.truncate(outp - out.data());
    return out;
}

QString DecodeCodePage(QByteArrayView bytes, int codePage)
{
    if (bytes.isEmpty())
        return {};
    const Iconv cd("UTF-32LE", iconvName(usableCodePage(codePage)).constData());
    if (!cd.ok())
        return {};

    QByteArray in(bytes.data(), bytes.size());
    // one byte gives at most one character, plus one held back by combining
    // code pages and one per replacement
    QByteArray out((bytes.size() + 4) * 8, Qt::Uninitialized);
    char *inp = in.data();
    size_t inLeft = size_t(in.size());
    char *outp = out.data();
    size_t outLeft = size_t(out.size());
    auto putQuestionMark = [&] {
        const char q[4] = {'?', 0, 0, 0};
        std::memcpy(outp, q, 4);
        outp += 4;
        outLeft -= 4;
    };
    while (inLeft > 0) {
        const size_t r = iconv(cd.get(), &inp, &inLeft, &outp, &outLeft);
        if (r != size_t(-1))
            break;
        if (errno == EILSEQ) {
            putQuestionMark();
            ++inp;
            --inLeft;
            continue;
        }
        if (errno == EINVAL) {
            // a double-byte character cut by the end of the field
            putQuestionMark();
            inLeft = 0;
        }
        break;
    }
    iconv(cd.get(), nullptr, nullptr, &outp, &outLeft);

    const qsizetype n = (outp - out.data()) / 4;
    QList<char32_t> ucs4;
    ucs4.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const auto *p = reinterpret_cast<const unsigned char *>(out.constData() + i * 4);
        ucs4.append(char32_t(p[0]) | char32_t(p[1]) << 8 | char32_t(p[2]) << 16 | char32_t(p[3]) << 24);
    }
    return QString::fromUcs4(ucs4.constData(), ucs4.size());
}

// ---------------------------------------------------------------------------
// Little-endian field access over a fixed-size buffer

float SaneRecordFloat(float v)
{
    if (!std::isfinite(v))
        return 0.0f;
    return std::clamp(v, -MaxRecordFloat, MaxRecordFloat);
}

namespace {

class Writer
{
public:
    Writer(QByteArray &buf, int base) : m_buf(buf), m_base(base) {}

    void u8(int off, std::uint8_t v) { m_buf[m_base + off] = char(v); }
    void i32(int off, std::int32_t v)
    {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            m_buf[m_base + off + i] = char((u >> (8 * i)) & 0xFF);
    }
    void f32(int off, float v) { i32(off, std::bit_cast<std::int32_t>(v)); }
    // A length byte and up to `capacity` characters; the rest of the field
    // stays as it is (zero in a fresh buffer).
    void shortString(int off, int capacity, const QString &s, int codePage)
    {
        const QByteArray b = EncodeCodePage(s, codePage, capacity);
        u8(off, std::uint8_t(b.size()));
        std::memcpy(m_buf.data() + m_base + off + 1, b.constData(), size_t(b.size()));
    }

private:
    QByteArray &m_buf;
    int m_base;
};

class Reader
{
public:
    // `bytes` may be shorter than the record: missing bytes read as zero.
    Reader(QByteArrayView bytes, int size)
        : m_buf(size, '\0'), m_avail(int(std::min<qsizetype>(bytes.size(), size)))
    {
        if (m_avail > 0) // an empty view may have no data pointer at all
            std::memcpy(m_buf.data(), bytes.data(), size_t(m_avail));
    }

    std::uint8_t u8(int off) const { return std::uint8_t(m_buf[off]); }
    std::int32_t i32(int off) const
    {
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i)
            u |= std::uint32_t(std::uint8_t(m_buf[off + i])) << (8 * i);
        return static_cast<std::int32_t>(u);
    }
    float f32(int off) const { return SaneRecordFloat(std::bit_cast<float>(i32(off))); }
    QString shortString(int off, int capacity, int codePage) const
    {
        // cut at the field's capacity, and at the end of a short input
        const int len = std::clamp(std::min<int>(u8(off), capacity), 0, std::max(0, m_avail - off - 1));
        return DecodeCodePage(QByteArrayView(m_buf.constData() + off + 1, len), codePage);
    }

private:
    QByteArray m_buf;
    int m_avail;
};

void writeText(QByteArray &buf, int base, const TTextElementRecord &r, int cp)
{
    Writer w(buf, base);
    w.shortString(0, 255, r.Text, cp);
    w.f32(256, r.XPosCm);
    w.f32(260, r.YPosCm);
    w.f32(264, r.XPosInches);
    w.f32(268, r.YPosInches);
    w.i32(272, r.RealFontSize);
    w.shortString(276, 50, r.FontName, cp);
    w.i32(328, r.FontSize);
    w.u8(332, r.FontStyle);
    w.i32(336, r.FontColor);
    w.i32(340, r.Angle);
    w.u8(344, r.Transparent ? 1 : 0);
    w.i32(348, r.BackColor);
    w.u8(352, static_cast<std::uint8_t>(r.SurfaceIndex));
    w.i32(356, r.ArrayIndex);
    w.f32(360, r.SavedZoom);
}

void writeImage(QByteArray &buf, int base, const TImageElementRecord &r, int cp)
{
    Writer w(buf, base);
    w.f32(0, r.XPosCm);
    w.f32(4, r.YPosCm);
    w.f32(8, r.XPosInches);
    w.f32(12, r.YPosInches);
    w.shortString(16, 255, r.ImageFileName, cp);
    w.u8(272, r.ImageType);
    w.f32(276, r.WidthCm);
    w.f32(280, r.HeightCm);
    w.f32(284, r.WidthInches);
    w.f32(288, r.HeightInches);
    w.i32(292, r.Angle);
    w.u8(296, r.FitStyle);
    w.u8(297, static_cast<std::uint8_t>(r.SurfaceIndex));
    w.i32(300, r.ArrayIndex);
    w.i32(304, r.Order);
    w.f32(308, r.SavedZoom);
}

TTextElementRecord readText(QByteArrayView bytes, int cp)
{
    const Reader rd(bytes, TTextElementRecord::Size);
    TTextElementRecord r;
    r.Text = rd.shortString(0, 255, cp);
    r.XPosCm = rd.f32(256);
    r.YPosCm = rd.f32(260);
    r.XPosInches = rd.f32(264);
    r.YPosInches = rd.f32(268);
    r.RealFontSize = rd.i32(272);
    r.FontName = rd.shortString(276, 50, cp);
    r.FontSize = rd.i32(328);
    r.FontStyle = rd.u8(332) & (fbBold | fbItalic | fbUnderline | fbStrikeout);
    r.FontColor = rd.i32(336);
    r.Angle = rd.i32(340);
    r.Transparent = rd.u8(344) != 0;
    r.BackColor = rd.i32(348);
    r.SurfaceIndex = SurfaceCodeFromByte(rd.u8(352));
    r.ArrayIndex = rd.i32(356);
    r.SavedZoom = rd.f32(360);
    return r;
}

TImageElementRecord readImage(QByteArrayView bytes, int cp)
{
    const Reader rd(bytes, TImageElementRecord::Size);
    TImageElementRecord r;
    r.XPosCm = rd.f32(0);
    r.YPosCm = rd.f32(4);
    r.XPosInches = rd.f32(8);
    r.YPosInches = rd.f32(12);
    r.ImageFileName = rd.shortString(16, 255, cp);
    r.ImageType = ImageTypeFromByte(rd.u8(272));
    r.WidthCm = rd.f32(276);
    r.HeightCm = rd.f32(280);
    r.WidthInches = rd.f32(284);
    r.HeightInches = rd.f32(288);
    r.Angle = rd.i32(292);
    r.FitStyle = FitStyleFromByte(rd.u8(296));
    r.SurfaceIndex = SurfaceCodeFromByte(rd.u8(297));
    r.ArrayIndex = rd.i32(300);
    r.Order = rd.i32(304);
    r.SavedZoom = rd.f32(308);
    return r;
}

// The records of a block that may be shorter than the whole: each record
// gets the bytes that exist of it.
QByteArrayView slice(QByteArrayView bytes, qsizetype off, qsizetype size)
{
    if (off >= bytes.size())
        return {};
    return bytes.sliced(off, std::min(size, bytes.size() - off));
}

} // namespace

QByteArray PackTextRecord(const TTextElementRecord &r, int codePage)
{
    QByteArray buf(TTextElementRecord::Size, '\0');
    writeText(buf, 0, r, codePage);
    return buf;
}

TTextElementRecord UnpackTextRecord(QByteArrayView bytes, int codePage)
{
    return readText(bytes, codePage);
}

QByteArray PackImageRecord(const TImageElementRecord &r, int codePage)
{
    QByteArray buf(TImageElementRecord::Size, '\0');
    writeImage(buf, 0, r, codePage);
    return buf;
}

TImageElementRecord UnpackImageRecord(QByteArrayView bytes, int codePage)
{
    return readImage(bytes, codePage);
}

QByteArray PackDocumentRecord(const TDocumentRecord &r, int codePage)
{
    QByteArray buf(TDocumentRecord::Size, '\0');
    for (int i = 0; i < TextSlotCount; ++i)
        writeText(buf, i * TTextElementRecord::Size, r.Texts[i], codePage);
    for (int i = 0; i < ImageSlotCount; ++i)
        writeImage(buf, TDocumentRecord::ImagesOffset + i * TImageElementRecord::Size, r.Images[i], codePage);
    Writer w(buf, 0);
    w.shortString(TDocumentRecord::FormatVersionOffset, 10, r.FormatVersion, codePage);
    w.shortString(TDocumentRecord::ReservedOffset, 255, r.Reserved, codePage);
    for (int i = 0; i < 8; ++i)
        w.i32(TDocumentRecord::ColorsOffset + 4 * i, r.Colors[i]);
    return buf;
}

TDocumentRecord UnpackDocumentRecord(QByteArrayView bytes, bool *hasColors, int codePage)
{
    TDocumentRecord r;
    for (int i = 0; i < TextSlotCount; ++i)
        r.Texts[i] = readText(slice(bytes, i * TTextElementRecord::Size, TTextElementRecord::Size), codePage);
    for (int i = 0; i < ImageSlotCount; ++i)
        r.Images[i] = readImage(slice(bytes, TDocumentRecord::ImagesOffset + i * TImageElementRecord::Size,
                                      TImageElementRecord::Size),
                                codePage);
    const Reader rd(bytes, TDocumentRecord::Size);
    r.FormatVersion = rd.shortString(TDocumentRecord::FormatVersionOffset, 10, codePage);
    r.Reserved = rd.shortString(TDocumentRecord::ReservedOffset, 255, codePage);
    const bool colors = bytes.size() >= TDocumentRecord::Size;
    if (colors) {
        for (int i = 0; i < 8; ++i)
            r.Colors[i] = rd.i32(TDocumentRecord::ColorsOffset + 4 * i);
    } else {
        r.Colors = DefaultDocumentColors();
    }
    if (hasColors)
        *hasColors = colors;
    return r;
}

QByteArray PackTarvikData(const TTarvikData &d, int codePage)
{
    QByteArray buf(TTarvikData::Size, '\0');
    Writer w(buf, 0);
    w.i32(0, d.Count);
    w.i32(4, d.TextCount);
    w.i32(8, d.ImageCount);
    for (int i = 0; i < TTarvikData::MaxElements; ++i)
        w.u8(12 + i, d.Kinds[i]);
    for (int i = 0; i < ImageSlotCount; ++i)
        writeImage(buf, TTarvikData::ImageRecordsOffset + i * TImageElementRecord::Size, d.Images[i], codePage);
    for (int i = 0; i < TextSlotCount; ++i)
        writeText(buf, TTarvikData::TextRecordsOffset + i * TTextElementRecord::Size, d.Texts[i], codePage);
    return buf;
}

TTarvikData UnpackTarvikData(QByteArrayView bytes, int codePage)
{
    const Reader rd(bytes, TTarvikData::Size);
    auto count = [](std::int32_t v) { return std::clamp<std::int32_t>(v, 0, TTarvikData::MaxElements); };
    TTarvikData d;
    d.Count = count(rd.i32(0));
    d.TextCount = count(rd.i32(4));
    d.ImageCount = count(rd.i32(8));
    for (int i = 0; i < TTarvikData::MaxElements; ++i) {
        std::uint8_t k = rd.u8(12 + i);
        if (k == 1 && i >= ImageSlotCount)
            k = 0xFF;
        d.Kinds[i] = k;
    }
    for (int i = 0; i < ImageSlotCount; ++i)
        d.Images[i] = readImage(slice(bytes, TTarvikData::ImageRecordsOffset + i * TImageElementRecord::Size,
                                      TImageElementRecord::Size),
                                codePage);
    for (int i = 0; i < TextSlotCount; ++i)
        d.Texts[i] = readText(slice(bytes, TTarvikData::TextRecordsOffset + i * TTextElementRecord::Size,
                                    TTextElementRecord::Size),
                              codePage);
    return d;
}

void ClearDocumentRecord(TDocumentRecord &r)
{
    for (auto &t : r.Texts)
        t.Text.clear();
    for (auto &i : r.Images)
        i.ImageFileName.clear();
}
