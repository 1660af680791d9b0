// Picture loading: the reduction rule, the decoders chosen by extension,
// colours surviving the JPEG path, and hostile files (empty, garbage,
// truncated, headers claiming enormous sizes) giving no picture and no crash.

#include "TestSupport.h"
#include "VelImgUtils.h"

#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>

#include <zlib.h>

#include <sys/stat.h>

namespace {

QImage Gradient(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb(x * 255 / w, y * 255 / h, 128);
    }
    return img;
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Encoded(const QImage &img, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, format);
    if (progressive)
        w.setProgressiveScanWrite(true);
    w.write(img);
    return bytes;
}

void PutBE16(QByteArray &b, qsizetype at, int v)
{
    b[at] = char((v >> 8) & 0xFF);
    b[at + 1] = char(v & 0xFF);
}

void PutBE32(QByteArray &b, qsizetype at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (24 - 8 * i)) & 0xFF);
}

// A JPEG whose frame header claims w x h.
QByteArray JpegClaiming(const QByteArray &jpeg, int w, int h)
{
    QByteArray b = jpeg;
    for (qsizetype i = 2; i + 9 < b.size(); ++i) {
        const uchar m = uchar(b[i + 1]);
        if (uchar(b[i]) == 0xFF && (m == 0xC0 || m == 0xC2)) {
            PutBE16(b, i + 5, h);
            PutBE16(b, i + 7, w);
            return b;
        }
    }
    return QByteArray();
}

// A PNG whose IHDR claims w x h (with a correct checksum).
QByteArray PngClaiming(const QByteArray &png, quint32 w, quint32 h)
{
    QByteArray b = png;
    PutBE32(b, 16, w);
    PutBE32(b, 20, h);
    const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef *>(b.constData() + 12), 17));
    PutBE32(b, 29, crc);
    return b;
}

// An SVG of w x h with a blue rectangle over its left half, and `more`
// inside it.
QByteArray Svg(int w, int h, const QByteArray &more = {})
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                          "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"%1\" height=\"%2\">"
                          "<rect x=\"0\" y=\"0\" width=\"%3\" height=\"%2\" fill=\"#0000ff\"/>")
               .arg(w)
               .arg(h)
               .arg(w / 2)
               .toUtf8()
           + more + "</svg>\n";
}

QByteArray Gzipped(const QByteArray &data)
{
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&z, uLong(data.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return out;
}

// A valid drawing whose text is mostly blanks: a few kilobytes that expand
// to `mb` megabytes.
QByteArray SvgzBomb(int mb)
{
    return Gzipped(Svg(200, 100, QByteArray(qsizetype(mb) << 20, ' ')));
}

} // namespace

class TestVelImgUtils : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void reducedSize_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("loaded");
        // The front cover panel is 461 x 457.
        QTest::newRow("landscape") << QSize(3000, 2000) << QSize(461, 307);
        QTest::newRow("portrait") << QSize(2000, 3000) << QSize(305, 457);
        QTest::newRow("square") << QSize(1000, 1000) << QSize(457, 457);
        QTest::newRow("long in one direction") << QSize(3000, 200) << QSize(3000, 200);
        QTest::newRow("smaller") << QSize(400, 300) << QSize(400, 300);
        QTest::newRow("same as the panel") << QSize(461, 457) << QSize(461, 457);
    }
    void reducedSize()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, loaded);
        QCOMPARE(ReducedPictureSize(picture, QSize(461, 457)), loaded);
    }

    void coveringSize()
    {
        QCOMPARE(CoveringPictureSize(QSize(6000, 4000), QSize(300, 100)), QSize(300, 200));
        QCOMPARE(CoveringPictureSize(QSize(6000, 4000), QSize(100, 300)), QSize(450, 300));
        QCOMPARE(CoveringPictureSize(QSize(600, 400), QSize(1000, 100)), QSize(600, 400));
    }

    void loadPictureReduces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("loaded");
        QTest::newRow("jpeg landscape") << "land.jpg" << QSize(3000, 2000) << QSize(461, 307);
        QTest::newRow("jpeg portrait, .jpeg") << "port.jpeg" << QSize(2000, 3000) << QSize(305, 457);
        QTest::newRow("jpeg kept") << "long.jpg" << QSize(3000, 200) << QSize(3000, 200);
        QTest::newRow("png landscape") << "land.png" << QSize(3000, 2000) << QSize(461, 307);
        QTest::newRow("bmp kept") << "small.bmp" << QSize(300, 200) << QSize(300, 200);
    }
    void loadPictureReduces()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QSize, loaded);
        QVERIFY(Gradient(size.width(), size.height()).save(path(name)));
        QImage target;
        QVERIFY(LoadPicture(target, path(name), QSize(461, 457)));
        QCOMPARE(target.size(), loaded);
        // The gradient survives: red grows to the right, green downward.
        const QRgb tl = target.pixel(2, 2);
        const QRgb br = target.pixel(loaded.width() - 3, loaded.height() - 3);
        QVERIFY(qRed(br) > qRed(tl) + 150);
        QVERIFY(qGreen(br) > qGreen(tl) + 150);
        QVERIFY(qAbs(qBlue(tl) - 128) < 12);
    }

    void jpegColoursAndFullSize()
    {
        QImage red(64, 48, QImage::Format_RGB32);
        red.fill(qRgb(220, 30, 40));
        QVERIFY(red.save(path("red.jpg"), "JPEG", 95));
        QString error;
        const QImage full = LoadJpegAsBitmap(path("red.jpg"), &error);
        QCOMPARE(full.size(), QSize(64, 48));
        const QRgb c = full.pixel(30, 20);
        QVERIFY2(qAbs(qRed(c) - 220) < 8 && qAbs(qGreen(c) - 30) < 8 && qAbs(qBlue(c) - 40) < 8,
                 qPrintable(QColor(c).name()));
        QCOMPARE(LoadPictureAsBitmap(path("red.jpg")).size(), QSize(64, 48));

        // Greyscale and progressive JPEGs take the same path.
        QVERIFY(red.convertToFormat(QImage::Format_Grayscale8).save(path("grey.jpg")));
        QCOMPARE(LoadJpegAsBitmap(path("grey.jpg")).size(), QSize(64, 48));
        WriteFile(path("prog.jpg"), Encoded(Gradient(1600, 1200), "jpeg", true));
        QImage target;
        QVERIFY(LoadPicture(target, path("prog.jpg"), QSize(461, 457)));
        QCOMPARE(target.size(), QSize(461, 346));
    }

    void formatsByExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        for (const char *f : {"png", "gif", "tiff", "webp", "ico", "ppm", "pgm", "xpm"}) {
            if (QImageWriter::supportedImageFormats().contains(f))
                QTest::newRow(f) << QStringLiteral("pic.") + f << QByteArray(f);
        }
        QTest::newRow("tif") << "pic.tif" << QByteArray("tiff");
        QTest::newRow("dib") << "pic.dib" << QByteArray("bmp");
        QTest::newRow("png named .jpg") << "png-inside.jpg" << QByteArray("png");
    }
    void formatsByExtension()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        WriteFile(path(name), Encoded(Gradient(40, 30), format.constData()));
        QImage target;
        QVERIFY2(LoadPicture(target, path(name), QSize(461, 457)), qPrintable(name));
        QCOMPARE(target.size(), QSize(40, 30));
    }

    void targaUnderItsOtherNames()
    {
        // An uncompressed 24-bit Targa of 3 x 2 pixels (written by hand: the
        // toolkit only reads Targa).
        QByteArray tga(18, '\0');
        tga[2] = 2;
        tga[12] = 3;
        tga[14] = 2;
        tga[16] = 24;
        for (int i = 0; i < 6; ++i)
            tga.append("\x10\x20\xF0", 3); // blue, green, red
        tga.append(QByteArray(8, '\0')).append("TRUEVISION-XFILE.", 17).append('\0');
        for (const char *ext : {"tga", "win", "vst", "icb"}) {
            const QString name = path(QStringLiteral("pic.") + ext);
            WriteFile(name, tga);
            const QImage img = LoadPictureAsBitmap(name);
            QCOMPARE(img.size(), QSize(3, 2));
            QCOMPARE(qRed(img.pixel(1, 1)), 0xF0);
        }
    }

    void hostileFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QRandomGenerator rng(7);
        QByteArray noise(5000, '\0');
        for (char &c : noise)
            c = char(rng.bounded(256));
        const QByteArray jpeg = Encoded(Gradient(64, 64), "jpeg");
        const QByteArray progressive = Encoded(Gradient(64, 64), "jpeg", true);
        const QByteArray png = Encoded(Gradient(64, 64), "png");
        QByteArray bmp = Encoded(Gradient(64, 64), "bmp");
        // 100000 x 100000 in the bitmap header.
        for (int i = 0; i < 4; ++i) {
            bmp[18 + i] = char((100000 >> (8 * i)) & 0xFF);
            bmp[22 + i] = char((100000 >> (8 * i)) & 0xFF);
        }

        QTest::newRow("empty jpg") << "empty.jpg" << QByteArray();
        QTest::newRow("empty png") << "empty.png" << QByteArray();
        QTest::newRow("noise jpg") << "noise.jpg" << noise;
        QTest::newRow("noise png") << "noise.png" << noise;
        QTest::newRow("jpeg header only") << "head.jpg" << jpeg.left(20);
        QTest::newRow("jpeg 65535 square") << "huge.jpg" << JpegClaiming(jpeg, 65535, 65535);
        QTest::newRow("progressive 60000 square") << "hugeprog.jpg" << JpegClaiming(progressive, 60000, 60000);
        QTest::newRow("jpeg 20000 square in 2 KB") << "tiny.jpg" << JpegClaiming(jpeg, 20000, 20000);
        QTest::newRow("jpeg zero width") << "zero.jpg" << JpegClaiming(jpeg, 0, 64);
        // long enough for its claim, and reduced in the decoder it would fit
        // in memory: only the claim itself is absurd
        QTest::newRow("jpeg 46000 square in 0.5 MB")
            << "claims.jpg" << JpegClaiming(jpeg, 46000, 46000) + QByteArray(520 * 1024, '\0');
        QTest::newRow("svgz expanding to 17 MB") << "bomb.svgz" << SvgzBomb(17);
        QTest::newRow("svgz bomb named as a PNG") << "bomb.png" << SvgzBomb(17);
        QTest::newRow("svgz bomb named as a JPEG") << "bomb.jpg" << SvgzBomb(17);
        QTest::newRow("svg of 17 MB") << "large.svg" << Svg(200, 100, QByteArray(17 << 20, ' '));
        QTest::newRow("png 100000 square") << "huge.png" << PngClaiming(png, 100000, 100000);
        QTest::newRow("bmp 100000 square") << "huge.bmp" << bmp;
    }
    void hostileFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        WriteFile(path(name), bytes);
        QImage target(7, 7, QImage::Format_RGB32);
        target.fill(Qt::green);
        QVERIFY(!LoadPicture(target, path(name), QSize(461, 457)));
        QCOMPARE(target.size(), QSize(7, 7)); // the target keeps what it held
        QString error;
        QVERIFY(LoadPictureAsBitmap(path(name), &error).isNull());
        QVERIFY(!error.isEmpty());
    }

    // Drawings are drawn at the size wanted, and never beyond the memory
    // bound, whatever size they claim.
    void vectorPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("reduced"); // LoadPicture against a 461 x 457 panel, else a full load
        QTest::addColumn<QSize>("size");
        QTest::newRow("svg for the panel") << "logo.svg" << Svg(2000, 1000) << true << QSize(461, 230);
        QTest::newRow("svgz for the panel") << "logo.svgz" << Gzipped(Svg(2000, 1000)) << true << QSize(461, 230);
        QTest::newRow("svg in full") << "logo.svg" << Svg(200, 100) << false << QSize(200, 100);
        QTest::newRow("svg under another name") << "logo.png" << Svg(200, 100) << false << QSize(200, 100);
        // 10^6 x 10^6 would take 4 TB; the bound allows 128 MB
        QTest::newRow("svg a million pixels square") << "wide.svg" << Svg(1000000, 1000000) << false
                                                     << QSize(5792, 5792);
    }
    void vectorPictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, reduced);
        QFETCH(QSize, size);
        WriteFile(path(name), bytes);
        QImage img;
        if (reduced)
            QVERIFY(LoadPicture(img, path(name), QSize(461, 457)));
        else
            img = LoadPictureAsBitmap(path(name));
        QCOMPARE(img.size(), size);
        // drawn, not scaled from something smaller: the rectangle's edge is sharp
        QCOMPARE(QColor(img.pixel(size.width() / 4, size.height() / 2)), QColor(Qt::blue));
        QVERIFY(QColor(img.pixel(size.width() * 3 / 4, size.height() / 2)) != QColor(Qt::blue));
    }

    // A drawing never makes the program read another file, which could be
    // a pipe that blocks for ever.
    void drawingNamingAnotherFile()
    {
        const QString pipe = path("pipe.png");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        WriteFile(path("links.svg"), Svg(200, 100, "<image x=\"0\" y=\"0\" width=\"10\" height=\"10\" xlink:href=\""
                                                       + QFile::encodeName(pipe) + "\"/>"));
        QString error;
        QVERIFY(LoadPictureAsBitmap(path("links.svg"), &error).isNull());
        QCOMPARE(error, QStringLiteral("The drawing refers to other files"));
    }

    void missingFile()
    {
        QString error;
        QVERIFY(LoadPictureAsBitmap(path("nothing-here.jpg"), &error).isNull());
        QVERIFY(!error.isEmpty());
        QVERIFY(LoadJpegAsBitmap(path("nothing-here.jpg")).isNull());
    }

    void allocationLimitUntouched()
    {
        const int before = QImageReader::allocationLimit();
        QImage target;
        QVERIFY(Gradient(100, 100).save(path("x.png")));
        LoadPicture(target, path("x.png"), QSize(50, 50));
        QCOMPARE(QImageReader::allocationLimit(), before);
    }
};

TARVIK_TEST_MAIN(TestVelImgUtils)
#include "test_VelImgUtils.moc"
