// Document files as zlib streams, with real zlib on both sides.

#include "ZlibReference.h"
#include "CDDataTypes.h"
#include "CompressExpand.h"
#include "TarvikError.h"

#include "TestSupport.h"

#include <sys/resource.h>
#include <unistd.h>
#include <zlib.h>

namespace {

// A zlib stream of `size` bytes of `fill`, made piece by piece.
QByteArray zlibStream(qint64 size, char fill, int level = 9)
{
    z_stream zs{};
    deflateInit(&zs, level);
    const QByteArray piece(1 << 20, fill);
    QByteArray out;
    QByteArray buf(1 << 16, Qt::Uninitialized);
    qint64 left = size;
    int flush = Z_NO_FLUSH;
    do {
        const qint64 n = std::min<qint64>(left, piece.size());
        left -= n;
        flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(piece.constData()));
        zs.avail_in = uInt(n);
        do {
            zs.next_out = reinterpret_cast<Bytef *>(buf.data());
            zs.avail_out = uInt(buf.size());
            deflate(&zs, flush);
            out.append(buf.constData(), buf.size() - zs.avail_out);
        } while (zs.avail_out == 0);
    } while (flush != Z_FINISH);
    deflateEnd(&zs);
    return out;
}

void expectError(const QByteArray &file)
{
    try {
        ExpandDocument(file);
    } catch (const ETarvikError &e) {
        QCOMPARE(e.message(), QStringLiteral("error"));
        return;
    }
    QFAIL("no error");
}

} // namespace

class TestCompress : public QObject
{
    Q_OBJECT

private slots:
    void savedEmptyDocument()
    {
        TDocumentRecord doc;
        ClearDocumentRecord(doc);
        doc.Colors = DefaultDocumentColors();
        doc.Colors[ciSpare] = 0x42;
        const QByteArray record = PackDocumentRecord(doc);
        const QByteArray file = CompressDocument(record);
        QCOMPARE(file.left(2), QByteArray("\x78\x01"));
        // any zlib reads it back
        QCOMPARE(zlibExpand(file, 60000), record);

        const QByteArray back = ExpandDocument(file);
        QCOMPARE(back.size(), 52976);
        QCOMPARE(back.mid(52676, 4), QByteArray("\x03" "1.1"));
        QCOMPARE(back.at(52687), '\0');
        QCOMPARE(UnpackDocumentRecord(back).Colors, doc.Colors);
        QCOMPARE(back, record);
    }

    void expandedSizes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("expected");
        QTest::newRow("older form") << 52944 << 52944;
        QTest::newRow("between the forms") << 52950 << 52950;
        QTest::newRow("longer than a record") << 60000 << 52976;
    }

    void expandedSizes()
    {
        QFETCH(int, size);
        QFETCH(int, expected);
        QByteArray content(size, '\0');
        for (int i = 0; i < size; ++i)
            content[i] = char(i * 7);
        const QByteArray back = ExpandDocument(CompressDocument(content));
        QCOMPARE(back, content.left(expected));
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray good = CompressDocument(QByteArray(52976, 'a'));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not zlib") << QByteArray("PK\x03\x04 this is a zip file, not a document");
        QTest::newRow("gzip") << QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00", 8);
        QTest::newRow("too short when expanded") << CompressDocument(QByteArray(52943, 'a'));
        QTest::newRow("cut inside the record") << good.left(good.size() / 2);
        QByteArray badSum = good;
        badSum[badSum.size() - 1] = char(badSum[badSum.size() - 1] ^ 0xFF);
        QTest::newRow("wrong checksum") << badSum;
        QByteArray badData = CompressDocument(QByteArray(52976, 'a').replace(100, 100, QByteArray(100, 'b')));
        badData[4] = char(0xFF);
        QTest::newRow("damaged data") << badData;
    }

    void badFiles()
    {
        QFETCH(QByteArray, file);
        expectError(file);
    }

    void bombIsReadInConstantMemory()
    {
        // 256 MB of zeros in about 250 KB. The address space is limited to
        // 32 MB above what the process uses now, so expanding the whole
        // stream would fail; reading only the record does not.
        const QByteArray bomb = zlibStream(qint64(256) << 20, '\0');
        QVERIFY(bomb.size() < 1 << 20);

        QFile statm(QStringLiteral("/proc/self/statm"));
        QVERIFY(statm.open(QIODevice::ReadOnly));
        const rlim_t used = rlim_t(statm.readAll().split(' ').value(0).toULongLong()) * rlim_t(sysconf(_SC_PAGESIZE));
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_AS, &old), 0);
        rlimit tight = old;
        tight.rlim_cur = used + (rlim_t(32) << 20);
        QCOMPARE(setrlimit(RLIMIT_AS, &tight), 0);
        QByteArray back;
        bool ok = true;
        try {
            back = ExpandDocument(bomb);
        } catch (...) {
            ok = false;
        }
        setrlimit(RLIMIT_AS, &old);
        QVERIFY(ok);
        QCOMPARE(back, QByteArray(52976, '\0'));
    }
};

TARVIK_TEST_MAIN(TestCompress)
#include "test_compress.moc"
