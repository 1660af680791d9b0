// Any bytes given to the document reader must give either an error or a
// sanitised record, and a sanitised record must survive packing: packing it
// and unpacking the result gives the same record and the same bytes again.
// The same holds for bytes taken as an uncompressed record, which lets the
// fuzzer reach every field directly.

#include "CDDataTypes.h"
#include "CompressExpand.h"
#include "DocumentFile.h"

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
        check(i.ImageFileName.size() <= 255, "image file name too long");
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Mostly the Western code page; every other input a double-byte one,
    // whose characters can be cut at a field's end.
    const int codePage = (size & 1) ? 932 : 1252;

    const TDocumentReadResult read = ReadDocumentBytes(bytes, codePage);
    if (read.ok()) {
        checkRoundTrip(read.Record, codePage);
        // and through a file's bytes again
        const TDocumentReadResult reread =
            ReadDocumentBytes(CompressDocument(PackDocumentRecord(read.Record, codePage)), codePage);
        check(reread.ok() && reread.HasColors && reread.Record == read.Record, "saved record reads back differently");
    } else {
        check(read.Status == TDocumentReadResult::NotADocument && !read.LogMessage.isEmpty(),
              "a failed read gives no error");
        checkRoundTrip(UnpackDocumentRecord(bytes, nullptr, codePage), codePage);
    }
    return 0;
}
