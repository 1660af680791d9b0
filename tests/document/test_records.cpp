// The document's records as bytes: offsets, padding, strings in code pages,
// round trips, and records made of hostile bytes.

#include "CDDataTypes.h"
#include "DocumentColors.h"
#include "VelMeasureRoutines.h"

#include "TestSupport.h"

#include <QPalette>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

std::uint32_t u32At(const QByteArray &b, int off)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= std::uint32_t(std::uint8_t(b[off + i])) << (8 * i);
    return v;
}
std::int32_t i32At(const QByteArray &b, int off) { return std::int32_t(u32At(b, off)); }
float f32At(const QByteArray &b, int off) { return std::bit_cast<float>(u32At(b, off)); }
std::uint8_t u8At(const QByteArray &b, int off) { return std::uint8_t(b[off]); }

QByteArray le32(std::uint32_t v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xFF);
    return b;
}
QByteArray leFloat(float f) { return le32(std::bit_cast<std::uint32_t>(f)); }

void expectZero(const QByteArray &b, int off, int len)
{
    for (int i = off; i < off + len; ++i)
        QVERIFY2(b[i] == '\0', qPrintable(QStringLiteral("byte %1 is not zero").arg(i)));
}

TTextElementRecord sampleText()
{
    TTextElementRecord r;
    r.Text = QStringLiteral("Abbey Road");
    r.XPosCm = 1.5f;
    r.YPosCm = 2.25f;
    r.XPosInches = 0.5905512f;
    r.YPosInches = 0.8858268f;
    r.RealFontSize = 22;
    r.FontName = QStringLiteral("Arial");
    r.FontSize = 20;
    r.FontStyle = fbBold | fbUnderline;
    r.FontColor = 0x00123456;
    r.Angle = 270;
    r.Transparent = true;
    r.BackColor = clWhite;
    r.SurfaceIndex = TSurfaceCode::Back;
    r.ArrayIndex = 17;
    r.SavedZoom = 0.9f;
    return r;
}

TImageElementRecord sampleImage()
{
    TImageElementRecord r;
    r.XPosCm = 0.25f;
    r.YPosCm = 0.5f;
    r.XPosInches = 0.0984252f;
    r.YPosInches = 0.1968504f;
    r.ImageFileName = QStringLiteral("/home/user/pictures/cover front.jpg");
    r.ImageType = itJpg;
    r.WidthCm = 12.2f;
    r.HeightCm = 12.1f;
    r.WidthInches = 4.80315f;
    r.HeightInches = 4.76378f;
    r.Angle = 90;
    r.FitStyle = fsAllBack;
    r.SurfaceIndex = TSurfaceCode::RoundLabel;
    r.ArrayIndex = 50;
    r.Order = -3;
    r.SavedZoom = 1.0f;
    return r;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetCurrentCodePage(1252); }

    void textRecordLayout()
    {
        const QByteArray b = PackTextRecord(sampleText());
        QCOMPARE(b.size(), 364);
        QCOMPARE(u8At(b, 0), 10);
        QCOMPARE(b.mid(1, 10), QByteArray("Abbey Road"));
        expectZero(b, 11, 256 - 11);
        QCOMPARE(f32At(b, 256), 1.5f);
        QCOMPARE(f32At(b, 260), 2.25f);
        QCOMPARE(f32At(b, 264), 0.5905512f);
        QCOMPARE(f32At(b, 268), 0.8858268f);
        QCOMPARE(i32At(b, 272), 22);
        QCOMPARE(u8At(b, 276), 5);
        QCOMPARE(b.mid(277, 5), QByteArray("Arial"));
        expectZero(b, 282, 328 - 282); // rest of the font name and the padding byte
        QCOMPARE(i32At(b, 328), 20);
        QCOMPARE(u8At(b, 332), fbBold | fbUnderline);
        expectZero(b, 333, 3);
        QCOMPARE(i32At(b, 336), 0x00123456);
        QCOMPARE(i32At(b, 340), 270);
        QCOMPARE(u8At(b, 344), 1);
        expectZero(b, 345, 3);
        QCOMPARE(i32At(b, 348), 0x00FFFFFF);
        QCOMPARE(u8At(b, 352), 3);
        expectZero(b, 353, 3);
        QCOMPARE(i32At(b, 356), 17);
        QCOMPARE(f32At(b, 360), 0.9f);
    }

    void imageRecordLayout()
    {
        const QByteArray b = PackImageRecord(sampleImage());
        QCOMPARE(b.size(), 312);
        QCOMPARE(f32At(b, 0), 0.25f);
        QCOMPARE(f32At(b, 4), 0.5f);
        QCOMPARE(f32At(b, 8), 0.0984252f);
        QCOMPARE(f32At(b, 12), 0.1968504f);
        const QByteArray path("/home/user/pictures/cover front.jpg");
        QCOMPARE(u8At(b, 16), path.size());
        QCOMPARE(b.mid(17, path.size()), path);
        expectZero(b, 17 + path.size(), 272 - 17 - path.size());
        QCOMPARE(u8At(b, 272), 4);
        expectZero(b, 273, 3);
        QCOMPARE(f32At(b, 276), 12.2f);
        QCOMPARE(f32At(b, 280), 12.1f);
        QCOMPARE(f32At(b, 284), 4.80315f);
        QCOMPARE(f32At(b, 288), 4.76378f);
        QCOMPARE(i32At(b, 292), 90);
        QCOMPARE(u8At(b, 296), 5);
        QCOMPARE(u8At(b, 297), 6);
        expectZero(b, 298, 2);
        QCOMPARE(i32At(b, 300), 50);
        QCOMPARE(i32At(b, 304), -3);
        QCOMPARE(f32At(b, 308), 1.0f);
    }

    void documentLayout()
    {
        TDocumentRecord doc;
        doc.Texts[5] = sampleText();
        doc.Images[7] = sampleImage();
        doc.Colors = {1, 2, 3, 4, 5, 6, 7, -8};
        const QByteArray b = PackDocumentRecord(doc);
        QCOMPARE(b.size(), 52976);
        QCOMPARE(b.mid(5 * 364, 364), PackTextRecord(sampleText()));
        QCOMPARE(b.mid(36764 + 7 * 312, 312), PackImageRecord(sampleImage()));
        QCOMPARE(u8At(b, 4 * 364), 0);                    // unused text slot
        QCOMPARE(u8At(b, 36764 + 6 * 312 + 16), 0);       // unused image slot
        QCOMPARE(b.mid(52676, 11), QByteArray("\x03" "1.1\0\0\0\0\0\0\0", 11));
        QCOMPARE(u8At(b, 52687), 0);                      // Reserved, empty
        expectZero(b, 52687, 257);                        // Reserved and the padding byte
        for (int i = 0; i < 8; ++i)
            QCOMPARE(i32At(b, 52944 + 4 * i), doc.Colors[i]);
    }

    void clipboardBlockLayout()
    {
        // a text selected first and an image second
        TTarvikData d;
        d.Count = 2;
        d.TextCount = 1;
        d.ImageCount = 1;
        d.Kinds[0] = 0;
        d.Kinds[1] = 1;
        d.Texts[0] = sampleText();
        d.Images[1] = sampleImage();
        const QByteArray b = PackTarvikData(d);
        QCOMPARE(b.size(), 52760);
        QCOMPARE(i32At(b, 0), 2);
        QCOMPARE(i32At(b, 4), 1);
        QCOMPARE(i32At(b, 8), 1);
        QCOMPARE(u8At(b, 12), 0);
        QCOMPARE(u8At(b, 13), 1);
        expectZero(b, 14, 70);
        expectZero(b, 84, 312);                            // image record 0
        QCOMPARE(b.mid(84 + 312, 312), PackImageRecord(sampleImage()));
        QCOMPARE(b.mid(15996, 364), PackTextRecord(sampleText()));
        expectZero(b, 15996 + 364, 364);                   // text record 1
        QCOMPARE(b.mid(52760 - 364, 364), QByteArray(364, '\0'));

        const TTarvikData back = UnpackTarvikData(b);
        QCOMPARE(back.Count, 2);
        QCOMPARE(back.Texts[0], sampleText());
        QCOMPARE(back.Images[1], sampleImage());
        QCOMPARE(PackTarvikData(back), b);
    }

    void roundTrips()
    {
        QCOMPARE(UnpackTextRecord(PackTextRecord(sampleText())), sampleText());
        QCOMPARE(UnpackImageRecord(PackImageRecord(sampleImage())), sampleImage());

        TDocumentRecord doc;
        doc.Texts[0] = sampleText();
        doc.Texts[100] = sampleText();
        doc.Texts[100].Text = QString(255, QLatin1Char('x'));
        doc.Texts[100].Angle = 360;
        doc.Images[50] = sampleImage();
        doc.Colors = DefaultDocumentColors();
        doc.Colors[ciLines] = 0x0000FF;
        const QByteArray bytes = PackDocumentRecord(doc);
        bool hasColors = false;
        const TDocumentRecord back = UnpackDocumentRecord(bytes, &hasColors);
        QVERIFY(hasColors);
        QCOMPARE(back, doc);
        QCOMPARE(back.Texts[100].Text.size(), 255);
        QCOMPARE(PackDocumentRecord(back), bytes);
    }

    void shortStrings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readBack");

        QTest::newRow("latin-1") << QStringLiteral("Café Noël") << 1252
                                 << QByteArray("Caf\xE9 No\xEBl") << QStringLiteral("Café Noël");
        QTest::newRow("euro sign in 1252") << QStringLiteral("5 €") << 1252 << QByteArray("5 \x80")
                                           << QStringLiteral("5 €");
        QTest::newRow("cyrillic in 1251") << QStringLiteral("Привет") << 1251
                                          << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2") << QStringLiteral("Привет");
        QTest::newRow("cyrillic in 1252") << QStringLiteral("Пиф") << 1252 << QByteArray("???")
                                          << QStringLiteral("???");
        QTest::newRow("greek in 1253") << QStringLiteral("Ωμέγα") << 1253 << QByteArray("\xD9\xEC\xDD\xE3\xE1")
                                       << QStringLiteral("Ωμέγα");
        QTest::newRow("japanese in 932") << QStringLiteral("日本") << 932 << QByteArray("\x93\xFA\x96\x7B")
                                         << QStringLiteral("日本");
        QTest::newRow("outside the BMP") << QStringLiteral("a\U0001D11Eb") << 1252 << QByteArray("a?b")
                                         << QStringLiteral("a?b");
        QTest::newRow("unknown code page falls back to 1252")
            << QStringLiteral("é") << 12345 << QByteArray("\xE9") << QStringLiteral("é");
    }

    void shortStrings()
    {
        QFETCH(QString, text);
        QFETCH(int, codePage);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, readBack);

        TTextElementRecord r;
        r.Text = text;
        r.FontName = text;
        const QByteArray b = PackTextRecord(r, codePage);
        QCOMPARE(u8At(b, 0), bytes.size());
        QCOMPARE(b.mid(1, bytes.size()), bytes);
        QCOMPARE(b.mid(277, bytes.size()), bytes);
        const TTextElementRecord back = UnpackTextRecord(b, codePage);
        QCOMPARE(back.Text, readBack);
        QCOMPARE(back.FontName, readBack);
    }

    void stringsAreCutToTheField()
    {
        TTextElementRecord r;
        r.Text = QString(300, QLatin1Char('t'));
        r.FontName = QString(60, QLatin1Char('f'));
        QByteArray b = PackTextRecord(r);
        QCOMPARE(u8At(b, 0), 255);
        QCOMPARE(u8At(b, 276), 50);
        QCOMPARE(u8At(b, 327), 0); // the padding byte after a full font name
        TTextElementRecord back = UnpackTextRecord(b);
        QCOMPARE(back.Text, QString(255, QLatin1Char('t')));
        QCOMPARE(back.FontName, QString(50, QLatin1Char('f')));

        // a double-byte character that does not fit whole is left out
        r.FontName = QStringLiteral("a") + QString(25, QChar(0x65E5)); // 1 + 25 * 2 bytes
        b = PackTextRecord(r, 932);
        QCOMPARE(u8At(b, 276), 49);
        QCOMPARE(UnpackTextRecord(b, 932).FontName, QStringLiteral("a") + QString(24, QChar(0x65E5)));
    }

    void codePageOfCharset_data()
    {
        QTest::addColumn<int>("charset");
        QTest::addColumn<int>("codePage");
        const int table[][2] = {{0, 1252},   {1, 1252},   {204, 1251}, {238, 1250}, {161, 1253}, {162, 1254},
                                {177, 1255}, {178, 1256}, {186, 1257}, {222, 874},  {163, 1258}, {128, 932},
                                {134, 936},  {129, 949},  {136, 950},  {2, 1252},   {255, 1252}};
        for (const auto &row : table)
            QTest::addRow("%d", row[0]) << row[0] << row[1];
    }

    void codePageOfCharset()
    {
        QFETCH(int, charset);
        QFETCH(int, codePage);
        QCOMPARE(CodePageOfCharset(charset), codePage);
        // every code page the program can choose converts
        QVERIFY(!EncodeCodePage(QStringLiteral("A"), codePage).isEmpty());
    }

    void currentCodePage()
    {
        SetCurrentCodePage(1251);
        TTextElementRecord r;
        r.Text = QStringLiteral("Я");
        QCOMPARE(PackTextRecord(r).mid(0, 2), QByteArray("\x01\xDF"));
        SetCurrentCodePage(99999); // no such code page
        QCOMPARE(CurrentCodePage(), 1252);
    }

    // Hostile bytes patched into a good record; the record is unpacked and
    // packed again, and the patched field must come back with its safe value.
    void hostileRecords_data()
    {
        QTest::addColumn<bool>("image");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<QByteArray>("repacked");

        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        QTest::newRow("text: NaN position") << false << 256 << leFloat(nan) << leFloat(0);
        QTest::newRow("text: +Inf position") << false << 264 << leFloat(inf) << leFloat(0);
        QTest::newRow("text: -Inf zoom") << false << 360 << leFloat(-inf) << leFloat(0);
        QTest::newRow("text: huge position") << false << 268 << leFloat(3e38f) << leFloat(100000.0f);
        QTest::newRow("text: huge negative") << false << 260 << leFloat(-1e30f) << leFloat(-100000.0f);
        QTest::newRow("text: surface 2") << false << 352 << QByteArray("\x02") << QByteArray("\x00", 1);
        QTest::newRow("text: surface 7") << false << 352 << QByteArray("\x07") << QByteArray("\x00", 1);
        QTest::newRow("text: surface 255") << false << 352 << QByteArray("\xFF") << QByteArray("\x00", 1);
        QTest::newRow("text: surface 6 kept") << false << 352 << QByteArray("\x06") << QByteArray("\x06");
        QTest::newRow("text: transparent 7") << false << 344 << QByteArray("\x07") << QByteArray("\x01");
        QTest::newRow("text: style bits beyond strikeout") << false << 332 << QByteArray("\xFF")
                                                           << QByteArray("\x0F");
        QTest::newRow("text: padding not carried") << false << 333 << QByteArray("\xAA\xBB\xCC")
                                                   << QByteArray(3, '\0');
        QTest::newRow("text: font name length 255") << false << 276 << QByteArray("\xFF") << QByteArray("\x32");
        QTest::newRow("image: NaN width") << true << 276 << leFloat(nan) << leFloat(0);
        QTest::newRow("image: huge height") << true << 288 << leFloat(1e20f) << leFloat(100000.0f);
        QTest::newRow("image: image type 5") << true << 272 << QByteArray("\x05") << QByteArray("\x00", 1);
        QTest::newRow("image: fit style 7") << true << 296 << QByteArray("\x07") << QByteArray("\x00", 1);
        QTest::newRow("image: fit style 255") << true << 296 << QByteArray("\xFF") << QByteArray("\x00", 1);
        QTest::newRow("image: surface 2") << true << 297 << QByteArray("\x02") << QByteArray("\x00", 1);
        QTest::newRow("image: surface 7") << true << 297 << QByteArray("\x07") << QByteArray("\x00", 1);
        QTest::newRow("image: surface 255") << true << 297 << QByteArray("\xFF") << QByteArray("\x00", 1);
        QTest::newRow("image: surface 1 kept") << true << 297 << QByteArray("\x01") << QByteArray("\x01");
    }

    void hostileRecords()
    {
        QFETCH(bool, image);
        QFETCH(int, offset);
        QFETCH(QByteArray, patch);
        QFETCH(QByteArray, repacked);

        QByteArray b = image ? PackImageRecord(sampleImage()) : PackTextRecord(sampleText());
        b.replace(offset, patch.size(), patch);
        const QByteArray again = image ? PackImageRecord(UnpackImageRecord(b)) : PackTextRecord(UnpackTextRecord(b));
        QCOMPARE(again.mid(offset, repacked.size()), repacked);
    }

    void lengthBytesAreClamped()
    {
        // 255 in every string field, all bytes after it 'A': each string is
        // cut to its own field and never reaches into the next one.
        QByteArray t(364, 'A');
        t[0] = char(0xFF);
        t[276] = char(0xFF);
        const TTextElementRecord tr = UnpackTextRecord(t);
        QCOMPARE(tr.Text, QString(255, QLatin1Char('A')));
        QCOMPARE(tr.FontName, QString(50, QLatin1Char('A')));

        QByteArray img(312, '\0');
        img[16] = char(0xFF);
        QCOMPARE(UnpackImageRecord(img).ImageFileName.size(), 255);

        QByteArray doc = PackDocumentRecord(TDocumentRecord());
        doc[52676] = char(0xFF); // FormatVersion holds 10
        doc.replace(52677, 10, "ABCDEFGHIJ");
        doc[52687] = char(0xFF);
        const TDocumentRecord d = UnpackDocumentRecord(doc);
        QCOMPARE(d.FormatVersion, QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(d.Reserved.size(), 255);
    }

    void truncatedInput()
    {
        // a text record cut inside its font name: what is there is read,
        // the rest counts as zero
        const QByteArray full = PackTextRecord(sampleText());
        const TTextElementRecord cut = UnpackTextRecord(QByteArrayView(full).first(279));
        QCOMPARE(cut.Text, QStringLiteral("Abbey Road"));
        QCOMPARE(cut.FontName, QStringLiteral("Ar"));
        QCOMPARE(cut.SavedZoom, 0.0f);
        QCOMPARE(UnpackTextRecord(QByteArrayView()), TTextElementRecord());
        QCOMPARE(UnpackImageRecord(QByteArrayView(PackImageRecord(sampleImage())).first(20)).ImageFileName,
                 QStringLiteral("/ho")); // length byte says 35, only 3 bytes exist

        TDocumentRecord doc;
        doc.Texts[1] = sampleText();
        doc.Colors[0] = 0x123456;
        const QByteArray bytes = PackDocumentRecord(doc);

        bool hasColors = true;
        const TDocumentRecord older = UnpackDocumentRecord(QByteArrayView(bytes).first(52944), &hasColors);
        QVERIFY(!hasColors);
        QCOMPARE(older.Texts[1], sampleText());
        QCOMPARE(older.FormatVersion, QStringLiteral("1.1"));
        QCOMPARE(older.Colors, DefaultDocumentColors());

        const TDocumentRecord shortOne = UnpackDocumentRecord(QByteArrayView(bytes).first(1000), &hasColors);
        QVERIFY(!hasColors);
        QCOMPARE(shortOne.Texts[1].Text, QStringLiteral("Abbey Road"));
        QVERIFY(!shortOne.Texts[2].isUsed());
        QVERIFY(shortOne.FormatVersion.isEmpty());

        // longer input: the extra bytes are ignored
        const TDocumentRecord longer = UnpackDocumentRecord(bytes + QByteArray(100, 'z'), &hasColors);
        QVERIFY(hasColors);
        QCOMPARE(longer, doc);
    }

    void hostileClipboardBlock_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("kind60");

        QByteArray big(52760, '\0');
        big.replace(0, 4, le32(1000000));
        big[12 + 60] = 1;
        QTest::newRow("count too big, image kind at 60") << big << 72 << 0xFF;
        QByteArray negative(52760, '\0');
        negative.replace(0, 4, le32(std::uint32_t(-5)));
        negative[12 + 60] = 0;
        QTest::newRow("negative count") << negative << 0 << 0;
        QByteArray text60(52760, '\0');
        text60.replace(0, 4, le32(61));
        text60[12 + 60] = 7;
        QTest::newRow("unknown kind kept") << text60 << 61 << 7;
        QTest::newRow("empty block") << QByteArray() << 0 << 0;
        QTest::newRow("three bytes") << QByteArray("\x05\x00\x00", 3) << 5 << 0;
    }

    void hostileClipboardBlock()
    {
        QFETCH(QByteArray, block);
        QFETCH(int, count);
        QFETCH(int, kind60);
        const TTarvikData d = UnpackTarvikData(block);
        QCOMPARE(d.Count, count);
        QCOMPARE(int(d.Kinds[60]), kind60);
    }

    void colorConversion_data()
    {
        QTest::addColumn<int>("tcolor");
        QTest::addColumn<QColor>("qcolor");
        QTest::addColumn<int>("back");
        QTest::newRow("red in the low byte") << 0x000000FF << QColor(255, 0, 0) << 0x000000FF;
        QTest::newRow("green") << 0x0000FF00 << QColor(0, 255, 0) << 0x0000FF00;
        QTest::newRow("blue in the third byte") << 0x00FF0000 << QColor(0, 0, 255) << 0x00FF0000;
        QTest::newRow("mixed") << 0x00123456 << QColor(0x56, 0x34, 0x12) << 0x00123456;
        QTest::newRow("white") << clWhite << QColor(255, 255, 255) << clWhite;
        QTest::newRow("high byte dropped") << int(0xFF00000F) << QColor(0x0F, 0, 0) << 0x0000000F;
        // 0x80 in the high byte names a colour of the desktop's palette
        QTest::newRow("button face") << int(0x8000000F) << QGuiApplication::palette().color(QPalette::Button)
                                     << int(QColorToColor(QGuiApplication::palette().color(QPalette::Button)));
        QTest::newRow("window text") << int(0x80000008) << QGuiApplication::palette().color(QPalette::Text)
                                     << int(QColorToColor(QGuiApplication::palette().color(QPalette::Text)));
    }
    void colorConversion()
    {
        QFETCH(int, tcolor);
        QFETCH(QColor, qcolor);
        QFETCH(int, back);
        QCOMPARE(ColorToQColor(tcolor), qcolor);
        QCOMPARE(ColorToQColor(tcolor, QGuiApplication::palette()), qcolor);
        QCOMPARE(QColorToColor(ColorToQColor(tcolor)), back);
        // Alpha and other colour specs do not leak into the document's form.
        QColor translucentHsv = qcolor.toHsv();
        translucentHsv.setAlpha(10);
        QCOMPARE(QColorToColor(translucentHsv), back);
    }

    void coverSettingsDefaults()
    {
        const TCoverSettings s = TCoverSettings::Defaults();
        QCOMPARE(s.FrontWidth, 12.2f / 2.54f);
        QCOMPARE(s.FrontHeight, 12.1f / 2.54f);
        QCOMPARE(s.InsideWidth, 12.2f / 2.54f);
        QCOMPARE(s.InsideHeight, 12.1f / 2.54f);
        QCOMPARE(s.BackWidth, 15.05f / 2.54f);
        QCOMPARE(s.BackHeight, 11.8f / 2.54f);
        QCOMPARE(s.LeftSpineWidth, 0.6f / 2.54f);
        QCOMPARE(s.RightSpineWidth, 0.6f / 2.54f);
        QCOMPARE(s.OuterDiameter, 11.5f / 2.54f);
        QCOMPARE(s.InnerDiameter, 4.5f / 2.54f);
        QCOMPARE(s.LabelsPerPage, 2);
        QCOMPARE(s.LabelXMargin, (std::array<float, 3>{4.8f / 2.54f, 4.8f / 2.54f, 0.0f}));
        QCOMPARE(s.LabelYMargin, (std::array<float, 3>{2.2f / 2.54f, 16.3f / 2.54f, 0.0f}));
        QCOMPARE(s.Colors, (std::array<TColor, 8>{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0, 0xFFFFFF}));
        QVERIFY(qAbs(s.BackWidth - 5.92520f) < 1e-5f);
    }

    void clearDocumentRecord()
    {
        TDocumentRecord doc;
        doc.Texts[3] = sampleText();
        doc.Images[4] = sampleImage();
        ClearDocumentRecord(doc);
        const QByteArray b = PackDocumentRecord(doc);
        for (int i = 0; i < TextSlotCount; ++i)
            QCOMPARE(u8At(b, i * 364), 0);
        for (int i = 0; i < ImageSlotCount; ++i)
            QCOMPARE(u8At(b, 36764 + i * 312 + 16), 0);
    }
};

TARVIK_TEST_MAIN(TestRecords)
#include "test_records.moc"
