// Document files on disk: saving, opening both forms, failed saves that must
// keep the old file, hostile files, the whole-file helpers and where the
// pictures of a document are found. Real files and real zlib throughout.

#include "ZlibReference.h"
#include "CDDataTypes.h"
#include "CompressExpand.h"
#include "CompressExpandFiles.h"
#include "DocumentExtension.h"
#include "DocumentFile.h"
#include "TarvikError.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#include <zlib.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

TDocumentRecord emptyDocument()
{
    TDocumentRecord doc;
    ClearDocumentRecord(doc);
    doc.Colors = DefaultDocumentColors();
    return doc;
}

// A document that uses every value each field can take: all angles, fit
// styles, surfaces, image types and font style bits, texts of 255 characters,
// font names of 50, distinct colours and numbers everywhere.
TDocumentRecord fullDocument()
{
    const TSurfaceCode surfaces[] = {TSurfaceCode::Front, TSurfaceCode::Inside, TSurfaceCode::Back,
                                     TSurfaceCode::RoundLabel};
    const std::int32_t angles[] = {90, 180, 270, 360, 0};
    TDocumentRecord doc = emptyDocument();
    for (int i = 0; i < TextSlotCount; ++i) {
        TTextElementRecord &t = doc.Texts[i];
        t.Text = i == 0 ? QString(255, QChar(0xE9)) : QStringLiteral("Text %1 äöü €").arg(i);
        t.XPosCm = 0.25f * float(i);
        t.YPosCm = -1.5f + float(i);
        t.XPosInches = t.XPosCm / 2.54f;
        t.YPosInches = t.YPosCm / 2.54f;
        t.RealFontSize = 6 + i;
        t.FontName = i == 1 ? QString(50, QLatin1Char('F')) : QStringLiteral("Liberation Sans");
        t.FontSize = 7 + i;
        t.FontStyle = std::uint8_t(i % 16);
        t.FontColor = 0x010203 * i;
        t.Angle = angles[i % 5];
        t.Transparent = i % 2 == 0;
        t.BackColor = 0xFFFFFF - i;
        t.SurfaceIndex = surfaces[i % 4];
        t.ArrayIndex = i;
        t.SavedZoom = 0.1f + 0.05f * float(i % 40);
    }
    for (int i = 0; i < ImageSlotCount; ++i) {
        TImageElementRecord &m = doc.Images[i];
        m.ImageFileName = i == 0 ? QLatin1Char('/') + QString(254, QLatin1Char('p')) : QStringLiteral("/pics/%1.jpg").arg(i);
        m.XPosCm = 0.5f * float(i);
        m.YPosCm = 0.75f * float(i);
        m.XPosInches = m.XPosCm / 2.54f;
        m.YPosInches = m.YPosCm / 2.54f;
        m.ImageType = TVelImageType(i % 5);
        m.WidthCm = 1.0f + float(i);
        m.HeightCm = 2.0f + float(i);
        m.WidthInches = m.WidthCm / 2.54f;
        m.HeightInches = m.HeightCm / 2.54f;
        m.Angle = angles[i % 5];
        m.FitStyle = TFitStyle(i % 7);
        m.SurfaceIndex = surfaces[(i + 1) % 4];
        m.ArrayIndex = i;
        m.Order = i - 25;
        m.SavedZoom = 2.05f - 0.05f * float(i % 30);
    }
    doc.Colors = {0x0000FF, 0x00FF00, 0xFF0000, 0x123456, 0x654321, 0xABCDEF, 0x0000FF, 0x7F7F7F};
    return doc;
}

// Every field of a record read from a file holds a value the program can use.
void verifySanitised(const TDocumentRecord &r)
{
    auto sane = [](float v) { return std::isfinite(v) && std::abs(v) <= MaxRecordFloat; };
    for (const auto &t : r.Texts) {
        QVERIFY(t.Text.size() <= 255 && t.FontName.size() <= 50);
        for (float v : {t.XPosCm, t.YPosCm, t.XPosInches, t.YPosInches, t.SavedZoom})
            QVERIFY(sane(v));
        QVERIFY(t.FontStyle < 16);
        const auto s = static_cast<int>(t.SurfaceIndex);
        QVERIFY(s == 0 || s == 1 || s == 3 || s == 6);
    }
    for (const auto &m : r.Images) {
        QVERIFY(m.ImageFileName.toUtf8().size() <= DocumentExtension::MaxPathBytes);
        for (float v : {m.XPosCm, m.YPosCm, m.XPosInches, m.YPosInches, m.WidthCm, m.HeightCm, m.WidthInches,
                        m.HeightInches, m.SavedZoom})
            QVERIFY(sane(v));
        QVERIFY(m.FitStyle <= fsRoundLabel && m.ImageType <= itJpg);
        const auto s = static_cast<int>(m.SurfaceIndex);
        QVERIFY(s == 0 || s == 1 || s == 3 || s == 6);
    }
    QVERIFY(r.FormatVersion.size() <= 10 && r.Reserved.size() <= 255);
}

// Lowers the file size limit of the process for its lifetime: writes past it
// fail with EFBIG as on a full disk, for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = m_old;
        tight.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &tight) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

// Caps the address space at what the process uses now plus `headroom` for
// its lifetime, so a reader that expands without bound fails instead of
// quietly using gigabytes.
class AddressSpaceLimit
{
public:
    explicit AddressSpaceLimit(rlim_t headroom)
    {
        QFile statm(QStringLiteral("/proc/self/statm"));
        statm.open(QIODevice::ReadOnly);
        const rlim_t used = rlim_t(statm.readAll().split(' ').value(0).toULongLong()) * rlim_t(sysconf(_SC_PAGESIZE));
        getrlimit(RLIMIT_AS, &m_old);
        rlimit tight = m_old;
        tight.rlim_cur = used + headroom;
        m_ok = used > 0 && setrlimit(RLIMIT_AS, &tight) == 0;
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &m_old); }
    bool ok() const { return m_ok; }

private:
    rlimit m_old{};
    bool m_ok = false;
};

// Slot 0 holds a text beyond the Western code page, slot 1 a plain one,
// image slot 3 a path in Cyrillic.
TDocumentRecord faultDocument()
{
    TDocumentRecord doc = emptyDocument();
    doc.Texts[0].Text = QStringLiteral("東京 A");
    doc.Texts[0].FontName = QStringLiteral("Arial");
    doc.Texts[1].Text = QStringLiteral("plain");
    doc.Images[3].ImageFileName = QStringLiteral("/p/Картинки/a.png");
    return doc;
}

// Pieces of extension blocks, to build broken ones.
QByteArray u16(int v)
{
    return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF);
}
QByteArray str(const QByteArray &utf8)
{
    return u16(int(utf8.size())) + utf8;
}
QByteArray str(const char *utf8)
{
    return str(QByteArray(utf8));
}
QByteArray entry(int kind, int slot, const QByteArray &data)
{
    return QByteArray(1, char(kind)) + char(slot) + u16(int(data.size())) + data;
}
// A block with a right header and checksum around `entries` (written in 1252).
QByteArray block(const QByteArray &entries)
{
    const QByteArray payload = u16(1252) + entries;
    QByteArray b("TVKu\x01\x00", 6);
    const quint32 n = quint32(payload.size());
    const quint32 crc = quint32(crc32(0L, reinterpret_cast<const Bytef *>(payload.constData()), uInt(payload.size())));
    for (quint32 v : {n, crc})
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    return b + payload;
}

} // namespace

class TestDocumentFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void savedEmptyDocument()
    {
        TDocumentRecord doc = emptyDocument();
        doc.Colors[ciSpare] = 0x5A5A5A;
        const QString file = path(QStringLiteral("empty.tvk"));
        const TDocumentSaveResult saved = WriteDocumentFile(file, doc);
        QVERIFY2(saved.Ok, qPrintable(saved.UserMessage));
        QVERIFY(saved.UserMessage.isEmpty());

        const QByteArray bytes = readAll(file);
        QCOMPARE(bytes.left(2), QByteArray("\x78\x01"));
        const QByteArray whole = zlibExpand(bytes, 2 * TDocumentRecord::Size);
        // the record, then the extension block, which for an empty document
        // holds its header and code page alone
        const QByteArray content = whole.left(TDocumentRecord::Size);
        QCOMPARE(content, PackDocumentRecord(doc));
        QCOMPARE(whole.mid(TDocumentRecord::Size, 4), QByteArray("TVKu"));
        QCOMPARE(whole.size(), TDocumentRecord::Size + 16);
        for (int i = 0; i < TextSlotCount; ++i)
            QCOMPARE(content.at(i * TTextElementRecord::Size), '\0');
        for (int i = 0; i < ImageSlotCount; ++i)
            QCOMPARE(content.at(TDocumentRecord::ImagesOffset + i * TImageElementRecord::Size + 16), '\0');
        QCOMPARE(content.mid(TDocumentRecord::FormatVersionOffset, 4), QByteArray("\x03" "1.1"));
        QCOMPARE(content.at(TDocumentRecord::ReservedOffset), '\0');
        const QByteArray white("\xFF\xFF\xFF\x00", 4);
        QCOMPARE(content.mid(TDocumentRecord::ColorsOffset),
                 white.repeated(6) + QByteArray(4, '\0') + QByteArray("\x5A\x5A\x5A\x00", 4));
    }

    void everyFieldSurvivesAFile()
    {
        const TDocumentRecord doc = fullDocument();
        const QString file = path(QStringLiteral("full.tvk"));
        QVERIFY(WriteDocumentFile(file, doc).Ok);

        const TDocumentReadResult read = ReadDocumentFile(file);
        QCOMPARE(read.Status, TDocumentReadResult::Ok);
        QVERIFY(read.HasColors);
        QVERIFY(read.UserMessage.isEmpty() && read.LogMessage.isEmpty());
        QCOMPARE(read.Record.Texts[0].Text.size(), 255);
        for (int i = 0; i < TextSlotCount; ++i)
            QVERIFY2(read.Record.Texts[i] == doc.Texts[i], qPrintable(QStringLiteral("text slot %1").arg(i)));
        for (int i = 0; i < ImageSlotCount; ++i)
            QVERIFY2(read.Record.Images[i] == doc.Images[i], qPrintable(QStringLiteral("image slot %1").arg(i)));
        QCOMPARE(read.Record.Colors, doc.Colors);
        QVERIFY(read.Record == doc);

        // saving what was opened writes the same bytes again
        const QString again = path(QStringLiteral("again.tvk"));
        QVERIFY(WriteDocumentFile(again, read.Record).Ok);
        QCOMPARE(readAll(again), readAll(file));
    }

    // Characters beyond the record's code page and paths beyond its 255
    // bytes come back whole, while the record itself stays what every
    // reader of the record has always read.
    void fullStringsSurviveAFile()
    {
        TDocumentRecord doc = emptyDocument();
        auto text = [&](int slot, const QString &t, const QString &font) {
            doc.Texts[slot].Text = t;
            doc.Texts[slot].FontName = font;
            doc.Texts[slot].RealFontSize = 12;
        };
        text(0, QStringLiteral("Björk ½ 東京 €"), QStringLiteral("Liberation Sans"));
        text(7, QStringLiteral("Привет, мир"), QStringLiteral("ＭＳ 明朝"));
        text(100, QString(255, QChar(0x6771)), QStringLiteral("Arial"));
        text(50, QStringLiteral("\u2014 a\U0001F3B5b \uFEFF"), QString());
        doc.Images[0].ImageFileName = QStringLiteral("/home/u/Картинки/cover.png");
        const QString longPath = QLatin1Char('/') + QString(300, QLatin1Char('p')) + QStringLiteral("/back.jpg");
        doc.Images[50].ImageFileName = longPath;

        const QString file = path(QStringLiteral("unicode.tvk"));
        QVERIFY(WriteDocumentFile(file, doc, 1252).Ok);
        const TDocumentReadResult read = ReadDocumentFile(file, 1252);
        QVERIFY(read.ok());
        for (int slot : {0, 7, 50, 100}) {
            QCOMPARE(read.Record.Texts[slot].Text, doc.Texts[slot].Text);
            QCOMPARE(read.Record.Texts[slot].FontName, doc.Texts[slot].FontName);
        }
        QCOMPARE(read.Record.Images[0].ImageFileName, doc.Images[0].ImageFileName);
        QCOMPARE(read.Record.Images[50].ImageFileName, longPath);
        QVERIFY(read.Record == doc);

        // what others read: the record at the head of the stream, in the code page
        const QByteArray head = zlibExpand(readAll(file), 2 * TDocumentRecord::Size).left(TDocumentRecord::Size);
        QCOMPARE(head, PackDocumentRecord(doc, 1252));
        const TDocumentRecord plain = UnpackDocumentRecord(head, nullptr, 1252);
        QCOMPARE(plain.Texts[0].Text, QStringLiteral("Björk ½ ?? €"));
        QCOMPARE(plain.Images[50].ImageFileName.size(), 255);

        // read where another code page is the system's: the record's forms
        // still match the block
        const TDocumentReadResult cyrillic = ReadDocumentFile(file, 1251);
        QCOMPARE(cyrillic.Record.Texts[7].Text, QStringLiteral("Привет, мир"));
        QCOMPARE(cyrillic.Record.Images[0].ImageFileName, doc.Images[0].ImageFileName);

        // saving what was opened writes the same bytes again
        const QString again = path(QStringLiteral("unicode-again.tvk"));
        QVERIFY(WriteDocumentFile(again, read.Record, 1252).Ok);
        QCOMPARE(readAll(again), readAll(file));
    }

    // The block is read as hostile input: whatever is damaged, cut, out of
    // bounds or does not match its slot is ignored, and costs no more than
    // that slot (or the block, when the block as a whole is in doubt).
    void extensionBlockFaults_data()
    {
        using namespace DocumentExtension;
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QString>("recordText"); // slot 0's text as the record holds it
        QTest::addColumn<bool>("textWhole");
        QTest::addColumn<bool>("pathWhole");

        const QString record = QStringLiteral("?? A");
        const QByteArray good = PackExtensionBlock(faultDocument().Texts, faultDocument().Images, 1252);
        auto patched = [&](int at, QByteArray bytes) { return QByteArray(good).replace(at, bytes.size(), bytes); };
        const QByteArray text = entry(1, 0, str("東京 A") + str("Arial"));
        const QByteArray image = entry(2, 3, str("/p/Картинки/a.png"));

        QTest::newRow("whole") << good << record << true << true;
        QTest::newRow("no block") << QByteArray() << record << false << false;
        QTest::newRow("another magic") << patched(0, "TVKx") << record << false << false;
        QTest::newRow("another version") << patched(4, QByteArray("\x02\x00", 2)) << record << false << false;
        QTest::newRow("cut short") << good.left(good.size() - 3) << record << false << false;
        QTest::newRow("length beyond everything") << patched(6, QByteArray("\xFF\xFF\xFF\xFF", 4)) << record << false << false;
        QByteArray flipped = good;
        flipped[good.size() - 2] = char(flipped[good.size() - 2] ^ 0x20);
        QTest::newRow("damaged payload") << flipped << record << false << false;
        QTest::newRow("record text not the block's") << good << QStringLiteral("?? B") << false << true;
        QTest::newRow("slot not used") << good << QString() << false << true;
        QTest::newRow("not UTF-8") << block(entry(1, 0, str("\xFF\xFE A") + str("Arial")) + image) << record << false << true;
        QTest::newRow("string past its entry") << block(entry(1, 0, u16(500) + "?? A") + image) << record << false << true;
        QTest::newRow("text over 255 characters")
            << block(entry(1, 0, str(QString(256, QLatin1Char('A')).toUtf8()) + str("Arial")) + image)
            << QString(255, QLatin1Char('A')) << false << true;
        QTest::newRow("unknown kind and slot skipped")
            << block(entry(9, 0, "??") + entry(1, 200, str("x") + str("y")) + text + image) << record << true << true;
        QTest::newRow("first entry of a slot counts")
            << block(entry(1, 0, str("東京 B") + str("Arial")) + text + image) << record << false << true;
        QTest::newRow("last entry cut") << block(text + image.left(image.size() - 1)) << record << true << false;
    }
    void extensionBlockFaults()
    {
        QFETCH(QByteArray, block);
        QFETCH(QString, recordText);
        QFETCH(bool, textWhole);
        QFETCH(bool, pathWhole);
        TDocumentRecord doc = UnpackDocumentRecord(PackDocumentRecord(faultDocument(), 1252), nullptr, 1252);
        doc.Texts[0].Text = recordText;
        DocumentExtension::ApplyExtensionBlock(doc.Texts, doc.Images, block, 1252);
        QCOMPARE(doc.Texts[0].Text, textWhole ? QStringLiteral("東京 A") : recordText);
        QCOMPARE(doc.Images[3].ImageFileName, pathWhole ? QStringLiteral("/p/Картинки/a.png")
                                                         : QStringLiteral("/p/") + QString(8, u'?') + QStringLiteral("/a.png"));
        // the slot the block does not name keeps its record text
        QCOMPARE(doc.Texts[1].Text, QStringLiteral("plain"));
    }

    // Contents of other sizes written by other programs.
    void contentSizes()
    {
        const TDocumentRecord doc = fullDocument();
        const QByteArray packed = PackDocumentRecord(doc);

        const QString older = path(QStringLiteral("older.tvk"));
        QVERIFY(writeAll(older, CompressDocument(packed.left(TDocumentRecord::OlderSize))));
        const TDocumentReadResult o = ReadDocumentFile(older);
        QCOMPARE(o.Status, TDocumentReadResult::Ok);
        QVERIFY(!o.HasColors);
        QCOMPARE(o.Record.Colors, DefaultDocumentColors()); // white surfaces, black lines
        QVERIFY(o.Record.Texts == doc.Texts && o.Record.Images == doc.Images);

        const QString longer = path(QStringLiteral("longer.tvk"));
        QVERIFY(writeAll(longer, CompressDocument(packed + QByteArray(5000, '\xEE'))));
        const TDocumentReadResult l = ReadDocumentFile(longer);
        QCOMPARE(l.Status, TDocumentReadResult::Ok);
        QVERIFY(l.HasColors);
        QVERIFY(l.Record == doc);
    }

    void filesThatOpenNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("userText");
        QTest::addColumn<QString>("log");
        const auto notDoc = int(TDocumentReadResult::NotADocument);
        const QString notDocText = QStringLiteral("“%1” is not a Tarvik document.");
        QTest::newRow("empty file") << "empty-file.tvk" << QByteArray() << notDoc << notDocText << "error";
        QTest::newRow("not zlib") << "text.tvk" << QByteArray("Hello, this is plain text\n") << notDoc << notDocText
                                  << "error";
        QTest::newRow("shorter than the older form")
            << "short.tvk" << CompressDocument(QByteArray(TDocumentRecord::OlderSize - 1, '\0')) << notDoc
            << notDocText << "error";
        QTest::newRow("no such file") << "missing.tvk" << QByteArray() << int(TDocumentReadResult::Missing)
                                      << QString() << QString();
        QTest::newRow("a folder") << "folder.tvk" << QByteArray() << int(TDocumentReadResult::Unreadable)
                                  << "“%1” could not be read: It is not a regular file"
                                  << "It is not a regular file";
    }

    void filesThatOpenNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, userText);
        QFETCH(QString, log);
        const QString file = path(name);
        if (name == QLatin1String("folder.tvk"))
            QVERIFY(QDir().mkpath(file));
        else if (name != QLatin1String("missing.tvk"))
            QVERIFY(writeAll(file, bytes));

        const TDocumentReadResult r = ReadDocumentFile(file);
        QCOMPARE(int(r.Status), status);
        QCOMPARE(r.UserMessage, userText.isEmpty() ? QString() : userText.arg(name));
        QCOMPARE(r.LogMessage, log);
        // what the caller gets is a new, empty document
        QVERIFY(r.Record == emptyDocument());
    }

    void unreadableFile()
    {
        if (geteuid() == 0)
            QSKIP("root reads a file without read permission");
        const QString file = path(QStringLiteral("locked.tvk"));
        QVERIFY(WriteDocumentFile(file, fullDocument()).Ok);
        QVERIFY(QFile::setPermissions(file, QFileDevice::WriteOwner));
        const TDocumentReadResult r = ReadDocumentFile(file);
        QCOMPARE(r.Status, TDocumentReadResult::Unreadable);
        QVERIFY(r.UserMessage.startsWith(QStringLiteral("“locked.tvk” could not be read: ")));
        QVERIFY(!r.LogMessage.isEmpty());
    }

    void failedSaveKeepsOldFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder under a regular file") << "notdir";
        QTest::newRow("target is a folder") << "isdir";
        QTest::newRow("disk full") << "full";
        QTest::newRow("read-only folder") << "readonly";
    }

    void failedSaveKeepsOldFile()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString folder = dir.path();
        const TDocumentRecord oldDoc = fullDocument();
        TDocumentRecord newDoc = emptyDocument();
        newDoc.Texts[0].Text = QStringLiteral("new");

        QString target = folder + QStringLiteral("/cover.tvk");
        QByteArray oldBytes;
        if (kind == QLatin1String("notdir")) {
            QVERIFY(writeAll(folder + QStringLiteral("/plain"), "x"));
            target = folder + QStringLiteral("/plain/cover.tvk");
        } else if (kind == QLatin1String("isdir")) {
            QVERIFY(QDir().mkpath(target + QStringLiteral("/inside")));
        } else {
            QVERIFY(WriteDocumentFile(target, oldDoc).Ok);
            oldBytes = readAll(target);
        }
        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        TDocumentSaveResult saved;
        if (kind == QLatin1String("full")) {
            bool limited = false;
            {
                // nothing may be printed while the limit holds: the test's
                // own output may be a file
                FileSizeLimit limit(16); // well below a compressed document
                limited = limit.ok();
                saved = WriteDocumentFile(target, newDoc);
            }
            QVERIFY(limited);
            QCOMPARE(saved.LogMessage, qt_error_string(EFBIG));
        } else if (kind == QLatin1String("readonly")) {
            if (geteuid() == 0)
                QSKIP("root writes into a read-only folder; the other cases fail for root too");
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            saved = WriteDocumentFile(target, newDoc);
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        } else {
            saved = WriteDocumentFile(target, newDoc);
        }

        QVERIFY(!saved.Ok);
        QVERIFY(!saved.LogMessage.isEmpty());
        QVERIFY2(saved.UserMessage.startsWith(
                     QStringLiteral("The document could not be saved to “%1”: ").arg(target)),
                 qPrintable(saved.UserMessage));
        // the old file is as it was and no half-written file is left behind
        if (!oldBytes.isEmpty()) {
            QCOMPARE(readAll(target), oldBytes);
            QVERIFY(ReadDocumentFile(target).Record == oldDoc);
        }
        if (kind == QLatin1String("isdir"))
            QVERIFY(QFileInfo(target + QStringLiteral("/inside")).isDir());
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    }

    // Every file of the corpus gives an error or a record whose fields are
    // all usable, without crashing and in bounded memory.
    void hostileFiles()
    {
        // outcomes that matter: these must be refused...
        const QStringList refused = {
            "empty.tvk", "random-bytes.tvk", "gzip-not-zlib.tvk", "preset-dictionary.tvk", "truncated-half.tvk",
            "truncated-header-only.tvk", "wrong-checksum.tvk", "content-too-short.tvk", "content-tiny.tvk"};
        // ...and these must open, sanitised
        const QStringList opened = {"oversize-shortstrings.tvk", "oversize-shortstrings-older-form.tvk",
                                    "nan-and-huge-numbers.tvk", "unknown-surfaces-and-fits.tvk",
                                    "expands-to-a-gigabyte.tvk"};
        // ...and these open with the record's own strings, their extension
        // blocks ignored (all but the last, whose block is whole)
        const QStringList extensions = {"ext-wrong-checksum.tvk", "ext-cut-short.tvk",
                                        "ext-length-beyond-everything.tvk", "ext-another-version.tvk",
                                        "ext-not-matching-the-record.tvk", "ext-hostile-entries.tvk",
                                        "ext-then-64-megabytes.tvk"};

        const QDir corpus(QStringLiteral(TARVIK_TEST_DATA "/hostile"));
        // the pictures beside the documents are for the documents
        const QStringList files = corpus.entryList({QStringLiteral("*.tvk")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= refused.size() + opened.size() + extensions.size());
        QHash<QString, TDocumentReadResult> results;
        {
            // a real document needs well under a megabyte; the largest file
            // expands to a gigabyte if read to its end
            AddressSpaceLimit limit(rlim_t(48) << 20);
            QVERIFY(limit.ok());
            for (const QString &name : files)
                results.insert(name, ReadDocumentFile(corpus.filePath(name)));
        }
        for (const QString &name : files) {
            const TDocumentReadResult &r = results[name];
            const QByteArray tag = name.toUtf8();
            if (r.ok()) {
                verifySanitised(r.Record);
                QVERIFY2(!refused.contains(name), tag.constData());
                QVERIFY2(ReadDocumentBytes(DocumentFileBytes(r.Record)).Record == r.Record, tag.constData());
            } else {
                QVERIFY2(!opened.contains(name) && !extensions.contains(name), tag.constData());
                QCOMPARE(r.Status, TDocumentReadResult::NotADocument);
                QCOMPARE(r.LogMessage, QStringLiteral("error"));
                QCOMPARE(r.UserMessage, QStringLiteral("“%1” is not a Tarvik document.").arg(name));
            }
        }

        // what the sanitising did to the worst fields
        const TDocumentRecord &big = results[QStringLiteral("oversize-shortstrings.tvk")].Record;
        QCOMPARE(big.Texts[0].Text.size(), 255);
        QCOMPARE(big.Texts[0].FontName.size(), 50);
        QCOMPARE(big.FormatVersion.size(), 10);
        const TDocumentRecord &nan = results[QStringLiteral("nan-and-huge-numbers.tvk")].Record;
        QCOMPARE(nan.Texts[0].XPosCm, 0.0f);           // NaN
        QCOMPARE(nan.Texts[0].YPosCm, 0.0f);           // infinity
        QCOMPARE(nan.Texts[0].YPosInches, MaxRecordFloat); // 3.4e38
        for (const QString &name : extensions) {
            const TDocumentRecord &r = results[name].Record;
            const bool whole = name == QLatin1String("ext-then-64-megabytes.tvk");
            QCOMPARE(r.Texts[0].Text, whole ? QStringLiteral("Björk ½ 東京 €") : QStringLiteral("Björk ½ ?? €"));
            QCOMPARE(r.Images[0].ImageFileName,
                     whole ? QStringLiteral("/home/u/Картинки/cover.png") : QStringLiteral("/home/u/") + QString(8, u'?') + QStringLiteral("/cover.png"));
        }
        const TDocumentRecord &odd = results[QStringLiteral("unknown-surfaces-and-fits.tvk")].Record;
        QCOMPARE(odd.Texts[0].SurfaceIndex, TSurfaceCode::Front);
        QCOMPARE(odd.Images[0].FitStyle, fsNone);
        QCOMPARE(odd.Images[0].ImageType, itNone);
    }

    void wholeFileHelpers()
    {
        QByteArray content;
        for (int i = 0; i < 100000; ++i)
            content += char(i * 31 % 251);
        const QString source = path(QStringLiteral("plain.bin"));
        const QString packed = path(QStringLiteral("packed.z"));
        const QString back = path(QStringLiteral("back.bin"));
        QVERIFY(writeAll(source, content));
        QVERIFY(writeAll(back, QByteArray(200000, 'x'))); // overwritten, not appended to

        CompressFile(source, packed);
        const QByteArray z = readAll(packed);
        QCOMPARE(z.left(2), QByteArray("\x78\x01"));
        QCOMPARE(zlibExpand(z, content.size()), content);
        ExpandFile(packed, back);
        QCOMPARE(readAll(back), content);

        // nothing to do: no target is made
        const QString untouched = path(QStringLiteral("never.bin"));
        CompressFile(path(QStringLiteral("no-such-file")), untouched);
        ExpandFile(path(QStringLiteral("no-such-file")), untouched);
        CompressFile(QString(), untouched);
        ExpandFile(source, QString());
        QVERIFY(!QFile::exists(untouched));

        // not a zlib stream, or a cut one
        for (const QByteArray &bad : {content.left(5000), z.left(z.size() / 2)}) {
            QVERIFY(writeAll(packed, bad));
            try {
                ExpandFile(packed, back);
                QFAIL("no error");
            } catch (const ETarvikError &e) {
                QCOMPARE(e.message(), QStringLiteral("error"));
            }
        }
    }

    void findImage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected"); // "@" stands for the temporary folder
        QTest::addColumn<bool>("asks");
        QTest::newRow("empty") << "" << "" << false;
        QTest::newRow("where it was stored") << "@/pics/a.jpg" << "@/pics/a.jpg" << false;
        QTest::newRow("moved beside the document, Windows path") << "C:\\pics\\b.jpg" << "@/doc/b.jpg" << false;
        QTest::newRow("moved beside the document") << "/gone/pics/b.jpg" << "@/doc/b.jpg" << false;
        QTest::newRow("nowhere") << "/gone/pics/c.jpg" << "chosen" << true;
        QTest::newRow("a folder of that name") << "/gone/sub" << "chosen" << true;
        QTest::newRow("relative path, not looked up in the working folder") << "pics/a.jpg" << "chosen" << true;
        QTest::newRow("path ends in a separator") << "C:\\pics\\" << "chosen" << true;
    }

    void findImage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QFETCH(bool, asks);
        QTemporaryDir dir;
        const QString root = dir.path();
        QVERIFY(QDir().mkpath(root + QStringLiteral("/pics")) && QDir().mkpath(root + QStringLiteral("/doc/sub")));
        QVERIFY(writeAll(root + QStringLiteral("/pics/a.jpg"), "a"));
        QVERIFY(writeAll(root + QStringLiteral("/doc/b.jpg"), "b"));
        const QString document = root + QStringLiteral("/doc/cover.tvk");
        const QString oldCurrent = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root)); // "pics/a.jpg" exists relative to here
        const auto restore = qScopeGuard([&] { QDir::setCurrent(oldCurrent); });

        stored.replace(QLatin1Char('@'), root);
        QStringList asked;
        const QString found = FindImage(stored, document, [&](const QString &s) {
            asked << s;
            return QStringLiteral("chosen");
        });
        QCOMPARE(found, expected.replace(QLatin1Char('@'), root));
        QCOMPARE(asked, asks ? QStringList{stored} : QStringList{});
        // without a way to ask, a picture that is not found gives nothing
        QCOMPARE(FindImage(stored, document, {}), asks ? QString() : found);
    }

    void imageQuestion()
    {
        QCOMPARE(ImageNotFoundQuestion(QStringLiteral("C:\\pics\\a.jpg")),
                 QStringLiteral("The Image C:\\pics\\a.jpg could not be found! Do you want to search the image?"));
        QCOMPARE(StoredImageFileName(QStringLiteral("C:\\pics\\a.jpg")), QStringLiteral("a.jpg"));
        QCOMPARE(StoredImageFileName(QStringLiteral("/home/me/b c.png")), QStringLiteral("b c.png"));
    }
};

TARVIK_TEST_MAIN(TestDocumentFile)
#include "test_document_file.moc"
