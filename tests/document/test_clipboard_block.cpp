// The clipboard's block of copied elements without a window: a selection
// into the block, the formats put on the clipboard, and blocks from other
// programs read as untrusted input.

#include "ClipboardBlock.h"

#include "TestSupport.h"

#include <QMimeData>

#include <cstring>

using namespace ClipboardBlock;

namespace {

TCopiedElement text(const QString &s)
{
    TCopiedElement e;
    e.Text.Text = s;
    e.Text.FontName = QStringLiteral("Arial");
    e.Text.FontSize = 12;
    e.Text.XPosInches = 1.5f;
    e.Text.YPosCm = 2.0f;
    return e;
}

TCopiedElement image(const QString &path)
{
    TCopiedElement e;
    e.IsImage = true;
    e.Image.ImageFileName = path;
    e.Image.WidthInches = 2.0f;
    e.Image.HeightInches = 1.0f;
    e.Image.FitStyle = fsFront;
    return e;
}

bool allZero(const QByteArray &b, int offset, int size)
{
    return b.mid(offset, size) == QByteArray(size, '\0');
}

QByteArray withInt(QByteArray b, int offset, std::int32_t v)
{
    std::memcpy(b.data() + offset, &v, 4); // the test machine is little-endian
    return b;
}

} // namespace

class TestClipboardBlock : public QObject
{
    Q_OBJECT

private slots:
    void textFirstImageSecond()
    {
        const std::optional<TTarvikData> d = BlockOfSelection({text("Title"), image("/pics/a.jpg")});
        QVERIFY(d);
        const QByteArray b = PackTarvikData(*d);
        QCOMPARE(b.size(), TTarvikData::Size);
        QCOMPARE(d->Count, 2);
        QCOMPARE(d->TextCount, 1);
        QCOMPARE(d->ImageCount, 1);
        QCOMPARE(int(b[12]), 0);
        QCOMPARE(int(b[13]), 1);
        const int textRecord0 = TTarvikData::TextRecordsOffset;
        const int imageRecord1 = TTarvikData::ImageRecordsOffset + TImageElementRecord::Size;
        QCOMPARE(b.mid(textRecord0, TTextElementRecord::Size), PackTextRecord(text("Title").Text));
        QCOMPARE(b.mid(imageRecord1, TImageElementRecord::Size), PackImageRecord(image("/pics/a.jpg").Image));
        QVERIFY(allZero(b, TTarvikData::ImageRecordsOffset, TImageElementRecord::Size)); // image record 0
        QVERIFY(allZero(b, textRecord0 + TTextElementRecord::Size, TTextElementRecord::Size)); // text record 1
        QVERIFY(allZero(b, 14, 70)); // the other kinds
    }

    // A selection the block cannot describe is not made into one.
    void selectionBeyondTheBlock_data()
    {
        QTest::addColumn<int>("texts");
        QTest::addColumn<int>("imageAt"); // -1: no image
        QTest::addColumn<bool>("fits");
        QTest::newRow("72 texts") << 72 << -1 << true;
        QTest::newRow("73 texts") << 73 << -1 << false;
        QTest::newRow("image at position 50") << 50 << 50 << true;
        QTest::newRow("image at position 51") << 51 << 51 << false;
        QTest::newRow("image at 0 and 71 texts") << 71 << 0 << true;
    }
    void selectionBeyondTheBlock()
    {
        QFETCH(int, texts);
        QFETCH(int, imageAt);
        QFETCH(bool, fits);
        std::vector<TCopiedElement> sel(texts, text(QStringLiteral("t")));
        if (imageAt >= 0)
            sel.insert(sel.begin() + imageAt, image(QStringLiteral("/p.png")));
        const std::optional<TTarvikData> d = BlockOfSelection(sel);
        QCOMPARE(bool(d), fits);
        if (d)
            QCOMPARE(PasteItems(*d).size(), sel.size());
    }

    // Our own copies read back whole, strings the code page cannot hold
    // included; other programs get the texts as plain text.
    void formatsRoundTrip()
    {
        const QString cyrillic = QStringLiteral("Жёлтая подводная лодка");
        const QString path = QStringLiteral("/home/me/Фото/обложка.jpg");
        const std::optional<TTarvikData> d =
            BlockOfSelection({text(cyrillic), image(path), text(QStringLiteral("Side A"))});
        QVERIFY(d);
        QMimeData mime;
        WriteMimeData(mime, *d, 1252);
        QCOMPARE(mime.data(MimeType()).size(), TTarvikData::Size);
        QCOMPARE(mime.text(), cyrillic + QStringLiteral("\nSide A"));

        const TReadResult r = ReadMimeData(&mime, 1252);
        QCOMPARE(r.Status, TReadResult::Ok);
        QCOMPARE(r.Data.Texts[0].Text, cyrillic);
        QCOMPARE(r.Data.Images[1].ImageFileName, path);
        QCOMPARE(r.Data.Texts[2].Text, QStringLiteral("Side A"));
        // a program that reads only the block gets the code page's form
        const QString codePageForm = DecodeCodePage(EncodeCodePage(cyrillic, 1252), 1252);
        QVERIFY(codePageForm != cyrillic);
        QCOMPARE(UnpackTarvikData(mime.data(MimeType()), 1252).Texts[0].Text, codePageForm);
    }

    // Blocks of other programs: what is refused, and what pastes.
    void foreignBlocks_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("items"); // "t0 i1 ..." in paste order

        QMimeData mime;
        TCopiedElement t = text(QStringLiteral("x"));
        TCopiedElement i = image(QStringLiteral("/p.png"));
        WriteMimeData(mime, *BlockOfSelection({t, i, t}));
        const QByteArray good = mime.data(MimeType());

        QTest::newRow("ours") << good << int(TReadResult::Ok) << "t0 i1 t2";
        QTest::newRow("empty block") << QByteArray() << int(TReadResult::ShortBlock) << "";
        QTest::newRow("one byte short") << good.left(TTarvikData::Size - 1) << int(TReadResult::ShortBlock) << "";
        QTest::newRow("rounded up by the system") << good + QByteArray(40, '\xEE') << int(TReadResult::Ok)
                                                  << "t0 i1 t2";
        QTest::newRow("negative count") << withInt(good, 0, -3) << int(TReadResult::Ok) << "";
        QTest::newRow("count far too big") << withInt(good, 0, 1 << 30) << int(TReadResult::Ok) << "t0 i1 t2";
        QByteArray kinds = good;
        kinds[12 + 1] = 7; // names nothing
        kinds[12 + 2] = 1; // an image without an image record there
        QTest::newRow("kinds other than 0 and 1") << kinds << int(TReadResult::Ok) << "t0";
        QByteArray late = withInt(good, 0, 72);
        late[12 + 60] = 1; // beyond the image records
        late[12 + 71] = 0; // an empty text record
        QTest::newRow("image kind at 60, empty text at 71") << late << int(TReadResult::Ok) << "t0 i1 t2";
        QByteArray emptied = good;
        emptied[TTarvikData::TextRecordsOffset] = 0; // text 0's length byte
        QTest::newRow("empty record") << emptied << int(TReadResult::Ok) << "i1 t2";
    }
    void foreignBlocks()
    {
        QFETCH(QByteArray, block);
        QFETCH(int, status);
        QFETCH(QString, items);
        const TReadResult r = ReadBlock(block, {});
        QCOMPARE(int(r.Status), status);
        QStringList got;
        for (const TPasteItem &item : PasteItems(r.Data))
            got << QStringLiteral("%1%2").arg(item.IsImage ? 'i' : 't').arg(item.Position);
        QCOMPARE(got.join(QLatin1Char(' ')), items);
        if (r.Status != TReadResult::Ok)
            QCOMPARE(r.Data.Count, 0);
    }

    void noBlockOnTheClipboard()
    {
        QMimeData mime;
        mime.setText(QStringLiteral("plain"));
        QCOMPARE(ReadMimeData(&mime).Status, TReadResult::NoBlock);
        QCOMPARE(ReadMimeData(nullptr).Status, TReadResult::NoBlock);
    }

    // A damaged extension block beside a good block leaves the block's own
    // strings.
    void damagedExtension()
    {
        QMimeData mime;
        WriteMimeData(mime, *BlockOfSelection({text(QStringLiteral("Über Жук"))}), 1252);
        QByteArray ext = mime.data(ExtensionMimeType());
        QCOMPARE(ReadBlock(mime.data(MimeType()), ext, 1252).Data.Texts[0].Text, QStringLiteral("Über Жук"));
        ext[ext.size() - 1] = char(ext.back() ^ 0x55);
        const TReadResult r = ReadBlock(mime.data(MimeType()), ext, 1252);
        QCOMPARE(r.Status, TReadResult::Ok);
        QCOMPARE(r.Data.Texts[0].Text, QStringLiteral("Über ???"));
        QCOMPARE(ReadBlock(mime.data(MimeType()), QByteArray(100000, 'x'), 1252).Data.Texts[0].Text,
                 QStringLiteral("Über ???"));
    }
};

TARVIK_TEST_MAIN(TestClipboardBlock)
#include "test_clipboard_block.moc"
