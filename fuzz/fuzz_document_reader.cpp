// Any bytes given to the document reader must give either an error or a
// sanitised record, and a sanitised record must survive saving: saving it
// and reading the result gives the same document again. The same holds for
// bytes taken as an uncompressed record, which lets the fuzzer reach every
// field directly, and for bytes taken as the UTF-8 extension block after a
// record whose slots are all in use (their header put right, so that the
// fuzzer reaches the entries behind the checksum).

#include "CDDataTypes.h"
#include "CompressExpand.h"
#include "DocumentExtension.h"
#include "DocumentFile.h"

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_document_reader: %s\n", what);
        std::abort();
    }
}

void checkSane(const TDocumentRecord &r)
{
    for (const auto &t : r.Texts) {
        check(t.Text.size() <= 255 && t.FontName.size() <= 50, "text record string too long");
        for (float v : {t.XPosCm, t.YPosCm, t.XPosInches, t.YPosInches, t.SavedZoom})
            check(v == SaneRecordFloat(v), "text record float not sanitised");
    }
    for (const auto &i : r.Images) {
        check(i.ImageFileName.toUtf8().size() <= DocumentExtension::MaxPathBytes, "image file name too long");
        check(i.FitStyle <= fsRoundLabel && i.ImageType <= itJpg, "image enum out of range");
        for (float v : {i.XPosCm, i.YPosCm, i.XPosInches, i.YPosInches, i.WidthCm, i.HeightCm, i.WidthInches,
                        i.HeightInches, i.SavedZoom})
            check(v == SaneRecordFloat(v), "image record float not sanitised");
    }
}

void checkRoundTrip(const TDocumentRecord &r, int codePage)
{
    checkSane(r);
    const QByteArray packed = PackDocumentRecord(r, codePage);
    check(packed.size() == TDocumentRecord::Size, "packed record has the wrong size");
    bool hasColors = false;
    const TDocumentRecord again = UnpackDocumentRecord(packed, &hasColors, codePage);
    check(hasColors, "a packed record has no colours");
    check(again == r, "re-packed record unpacks to a different record");
    check(PackDocumentRecord(again, codePage) == packed, "packing is not stable");
}

// Saved and read again, a document read from anything is the same.
void checkSavedAgain(const TDocumentRecord &r, int codePage)
{
    checkSane(r);
    const TDocumentReadResult again = ReadDocumentBytes(DocumentFileBytes(r, codePage), codePage);
    check(again.ok() && again.HasColors && again.Record == r, "saved document reads back differently");
}

// Every slot in use, so that each entry of a block has a slot to match.
TDocumentRecord allSlotsUsed(int codePage)
{
    TDocumentRecord r;
    ClearDocumentRecord(r);
    for (int i = 0; i < TextSlotCount; ++i) {
        r.Texts[i].Text = QStringLiteral("?? %1").arg(i);
        r.Texts[i].FontName = QStringLiteral("Arial");
    }
    for (int i = 0; i < ImageSlotCount; ++i)
        r.Images[i].ImageFileName = QStringLiteral("/p/?%1.png").arg(i);
    return UnpackDocumentRecord(PackDocumentRecord(r, codePage), nullptr, codePage);
}

// The bytes as a block: magic, version, length and checksum made right.
QByteArray asBlock(QByteArrayView bytes)
{
    QByteArray b(bytes.data(), bytes.size());
    if (b.size() < 14)
        return b;
    const QByteArrayView payload = QByteArrayView(b).sliced(14);
    const quint32 n = quint32(payload.size());
    const quint32 crc = quint32(crc32(0L, reinterpret_cast<const Bytef *>(payload.data()), uInt(payload.size())));
    QByteArray header("TVKu\x01\x00", 6);
    for (quint32 v : {n, crc})
        for (int i = 0; i < 4; ++i)
            header.append(char((v >> (8 * i)) & 0xFF));
    return b.replace(0, 14, header);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Mostly the Western code page; every other input a double-byte one,
    // whose characters can be cut at a field's end.
    const int codePage = (size & 1) ? 932 : 1252;

    const TDocumentReadResult read = ReadDocumentBytes(bytes, codePage);
    if (read.ok()) {
        checkSavedAgain(read.Record, codePage);
    } else {
        check(read.Status == TDocumentReadResult::NotADocument && !read.LogMessage.isEmpty(),
              "a failed read gives no error");
        checkRoundTrip(UnpackDocumentRecord(bytes, nullptr, codePage), codePage);
    }

    static const TDocumentRecord used1252 = allSlotsUsed(1252), used932 = allSlotsUsed(932);
    TDocumentRecord withBlock = codePage == 932 ? used932 : used1252;
    DocumentExtension::ApplyExtensionBlock(withBlock.Texts, withBlock.Images, asBlock(bytes), codePage);
    checkSavedAgain(withBlock, codePage);
    return 0;
}
