// Any bytes given to the document reader must give either an error or a
// sanitised record, and a sanitised record must survive saving: saving it
// and reading the result gives the same document again. The same holds for
// bytes taken as an uncompressed record, which lets the fuzzer reach every
// field directly, and for bytes taken as the UTF-8 extension block after a
// record whose slots are all in use (their header put right, so that the
// fuzzer reaches the entries behind the checksum).
//
// The same bytes go to the other readers of files from outside: as a CDDB
// entry (its shown values hold no control characters), as a cue sheet and a
// toc file, as a table of contents (one that is accepted is one a CD can
// have), as a settings file (every length read lies in its range) and as a
// compressed drawing (it never expands beyond its bound).

#include "CDDBParser.h"
#include "CDDataTypes.h"
#include "CompressExpand.h"
#include "DiscImage.h"
#include "DocumentExtension.h"
#include "DocumentFile.h"
#include "PictureLimits.h"
#include "TVKRegistry.h"
#include "VelMeasureRoutines.h"

#include <QDir>
#include <QtEndian>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

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

bool shown(const QString &text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}

void checkEntry(const QByteArray &bytes)
{
    const QStringList lines = SplitEntryLines(DecodeEntryText(bytes));
    const TCDDBDisc disc = ParseEntry(lines, false, QStringLiteral("rock"));
    check(disc.TrackCount <= MaxEntryTracks && disc.TrackExtended.size() <= MaxExtendedTracks, "too many tracks");
    for (const QString &v : {disc.Artist, disc.Title, disc.DiscTitle, disc.Year, disc.Genre, disc.ExtendedData,
                             disc.PlayOrder, disc.Revision, disc.DiscID})
        check(shown(v), "entry value holds a control character");
    for (const QString &v : disc.TrackTitles)
        check(shown(v), "track title holds a control character");
    const TCDDB_File file = ReadEntryText(lines, QString());
    check(shown(file.Artist) && shown(file.Title) && shown(file.ExtendedData), "simple reader's value not shown");
}

void checkDiscImage(const QByteArray &bytes)
{
    for (TImageKind kind : {TImageKind::CueSheet, TImageKind::TocFile}) {
        QString reason;
        if (!CheckImageSheet(bytes, kind, &reason))
            check(!reason.isEmpty(), "a refused sheet gives no reason");
        ImageDataFiles(bytes, kind);
    }
    // the bytes as addresses: a track count, then tracks and the lead-out
    QList<qint64> starts;
    const qsizetype count = bytes.isEmpty() ? 0 : qsizetype(uchar(bytes[0]));
    for (qsizetype i = 0; i < count && 1 + 4 * (i + 1) <= bytes.size(); ++i)
        starts << qint64(qFromLittleEndian<qint32>(bytes.constData() + 1 + 4 * i));
    const qint64 leadOut = bytes.size() >= 4 ? qint64(qFromLittleEndian<qint32>(bytes.constData() + bytes.size() - 4)) : 0;
    QString reason;
    if (CheckTrackAddresses(starts, leadOut, &reason)) {
        check(!starts.isEmpty() && starts.size() <= 99 && leadOut <= MaxDiscFrames, "impossible disc accepted");
        for (qsizetype i = 0; i < starts.size(); ++i)
            check(starts[i] >= 0 && (i == 0 || starts[i] > starts[i - 1]) && starts[i] < leadOut,
                  "tracks out of order accepted");
    } else {
        check(!reason.isEmpty(), "a refused disc gives no reason");
    }
}

void checkSettings(const QByteArray &bytes)
{
    static const std::unique_ptr<QTemporaryDir> home = [] {
        // in memory where there is such a folder: settings are written with
        // a sync to disk, which would set the pace of the whole run
        auto dir = QFileInfo(QStringLiteral("/dev/shm")).isDir()
            ? std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/tarvik-fuzz-XXXXXX"))
            : std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->path()));
        QDir(dir->path()).mkpath(QStringLiteral("Renvald"));
        return dir;
    }();
    QFile file(TVKRegistry::SettingsFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(bytes);
    file.close();
    using VelMeasureRoutines::CmToInches;
    const double diameter = TVKRegistry::ReadLabelSetting(QStringLiteral("RoundLabel"));
    check(diameter >= CmToInches(1.0f) && diameter <= CmToInches(30.0f), "label diameter out of range");
    for (const char *name : {"XMargin0", "YMargin1", "XPrinterMargin"}) {
        const double margin = TVKRegistry::ReadLabelSetting(QLatin1String(name));
        check(margin >= 0 && margin <= TVKRegistry::MaxSheetInches, "margin out of range");
    }
    const double count = TVKRegistry::ReadLabelSetting(QStringLiteral("NumberPerPage"));
    check(count >= 1 && count <= 3, "labels per sheet out of range");
    TVKRegistry::ReadPreference(TVKRegistry::prDefaultUdm);
    TVKRegistry::ReadRegInteger(QString(), TVKRegistry::FreeDBKey, QStringLiteral("Port"), 8880);
    TVKRegistry::TakeSettingsReport();
}

void checkDrawing(const QByteArray &bytes)
{
    QByteArray text = bytes;
    if (ExpandVectorText(text))
        check(text.size() <= MaxVectorTextBytes, "drawing expanded beyond its bound");
    RefersToOtherFiles(text);
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
    const QByteArray copy(reinterpret_cast<const char *>(data), qsizetype(size));
    checkEntry(copy);
    checkDiscImage(copy);
    checkSettings(copy);
    // a gzip header in front reaches the expansion with any data
    checkDrawing((size & 2) ? QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10) + copy : copy);
    return 0;
}
