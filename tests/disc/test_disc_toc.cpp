// Tables of contents read through libcdio from cue sheets, the disc
// identifier and query text computed from them, the drive list lines and
// the track measuring of the cover wizard.

#include "CDAudio.h"
#include "CDDevice.h"
#include "DiscID.h"
#include "DiscTestSupport.h"
#include "TestSupport.h"

#include <QDirIterator>

class TestDiscToc : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void cddbSum_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("sum");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("3599") << 3599 << 26;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("1890") << 1890 << 18;
    }
    void cddbSum()
    {
        QFETCH(int, n);
        QFETCH(int, sum);
        QCOMPARE(CddbSum(n), sum);
    }

    void identifierAndQuery_data()
    {
        QTest::addColumn<QList<int>>("offsets");
        QTest::addColumn<int>("leadOut");
        QTest::addColumn<QList<int>>("dataTracks");
        QTest::addColumn<int>("firstTrack");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("firstAndLeadOut");

        // Ten tracks, the first at 00:02, the lead-out at 45:20: t = 2718.
        const QList<int> ten{150, 20250, 40500, 60750, 81000, 101250, 121500, 141750, 162000, 182250};
        QTest::newRow("ten tracks") << ten << 204000 << QList<int>{} << 1 << "5c0a9e0a"
                                    << "5c0a9e0a 10 150 20250 40500 60750 81000 101250 121500 141750 162000 182250 2720"
                                    << "00:02:00 45:20:00";
        // A data track counts like an audio one.
        QTest::newRow("data track") << QList<int>{150, 22500, 45000} << 90000 << QList<int>{2} << 1 << "0b04ae03"
                                    << "0b04ae03 3 150 22500 45000 1200" << "00:02:00 20:00:00";
        // Frames count in the query but not in the identifier.
        QTest::newRow("frames") << QList<int>{150, 1000} << 3000 << QList<int>{} << 1 << "06002602"
                                << "06002602 2 150 1000 40" << "00:02:00 00:40:00";
        QTest::newRow("first track 3") << QList<int>{150, 22500} << 45000 << QList<int>{} << 3 << "05025602"
                                       << "05025602 2 150 22500 600" << "00:02:00 10:00:00";
    }
    void identifierAndQuery()
    {
        QFETCH(QList<int>, offsets);
        QFETCH(int, leadOut);
        QFETCH(QList<int>, dataTracks);
        QFETCH(int, firstTrack);
        QFETCH(QString, id);
        QFETCH(QString, query);
        QFETCH(QString, firstAndLeadOut);

        const QString cue = DiscTest::WriteCueSheet(dir.path(), QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'),
                                                    offsets, leadOut, QSet<int>(dataTracks.begin(), dataTracks.end()),
                                                    firstTrack);
        const TCDToc toc = ReadToc(cue);
        QCOMPARE(int(toc.NumTracks), offsets.size());
        auto msf = [](int m, int s, int f) {
            return QStringLiteral("%1:%2:%3").arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0')).arg(f, 2, 10, QLatin1Char('0'));
        };
        QCOMPARE(msf(toc.TocTracks[0].Minute, toc.TocTracks[0].Second, toc.TocTracks[0].Frame) + QLatin1Char(' ')
                     + msf(toc.LeadOut.Minute, toc.LeadOut.Second, toc.LeadOut.Frame),
                 firstAndLeadOut);
        for (int i = 0; i < offsets.size(); ++i)
            QCOMPARE(toc.TocTracks[i].IsAudio, !dataTracks.contains(i));
        QCOMPARE(ComputeDiscID(toc), id);
        QCOMPARE(BuildDiscIdQuery(toc, ComputeDiscID(toc)), query);
    }

    // The real entries' identifiers follow from their own tables of contents.
    void sampleIdentifiers()
    {
        int checked = 0;
        QDirIterator it(DiscTest::SampleFolder(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString sample = it.next();
            const TCDToc toc = ReadToc(DiscTest::SampleCueSheet(dir.path(), sample));
            QCOMPARE(ComputeDiscID(toc), QFileInfo(sample).fileName());
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    // A cdrdao toc file is read through the same calls as a cue sheet.
    void cdrdaoToc()
    {
        const QString bin = dir.filePath(QStringLiteral("cdrdao.bin"));
        QFile binFile(bin);
        QVERIFY(binFile.open(QIODevice::WriteOnly) && binFile.resize(qint64(300 * 75) * 2352));
        const QString toc = dir.filePath(QStringLiteral("cdrdao.toc"));
        QFile tocFile(toc);
        QVERIFY(tocFile.open(QIODevice::WriteOnly));
        tocFile.write("CD_DA\nTRACK AUDIO\nFILE \"cdrdao.bin\" 0 02:00:00\n"
                      "TRACK AUDIO\nFILE \"cdrdao.bin\" 02:00:00 03:00:00\n");
        tocFile.close();
        const TCDToc read = ReadToc(toc);
        QCOMPARE(int(read.NumTracks), 2);
        QCOMPARE(BuildDiscIdQuery(read, ComputeDiscID(read)), QStringLiteral("07012c02 2 150 9150 302"));
    }

    // No disc, on every path: an empty table and no identifier.
    void noDisc_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << "missing.cue" << QByteArray();
        QTest::newRow("empty cue") << "empty.cue" << QByteArray("");
        QTest::newRow("cue without tracks") << "notracks.cue" << QByteArray("FILE \"x.bin\" BINARY\n");
        QTest::newRow("garbage") << "garbage.cue" << QByteArray("\x01\x02 TRACK 99 SOMETHING\n\xff");
        QTest::newRow("empty source") << "" << QByteArray();
    }
    void noDisc()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QString path;
        if (!fileName.isEmpty()) {
            path = dir.filePath(fileName);
            if (fileName != QLatin1String("missing.cue")) {
                QFile f(path);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(content);
            }
        }
        const TCDToc toc = ReadToc(path);
        QCOMPARE(int(toc.NumTracks), 0);
        QCOMPARE(ComputeDiscID(toc), QString());
    }

    void drives()
    {
        // This machine has no drive: none listed, and that is no failure.
        TCDDrives found;
        QVERIFY(EnumerateCDDrives(found));
        QCOMPARE(ListCDDrives(found), QStringList{});
        QCOMPARE(int(ReadToc(found, 0).NumTracks), 0);

        TCDDrives drives;
        drives.Count = 2;
        drives.Drives[0] = TCDDrive{1, 0, 0, {}, {}, {}, {}, QStringLiteral("VENDOR  PRODUCT         1.00"), {}};
        drives.Drives[1] = TCDDrive{10, 11, 2, {}, {}, {}, {}, QStringLiteral("X"), {}};
        QCOMPARE(ListCDDrives(drives),
                 (QStringList{QStringLiteral("1,0,0 : VENDOR  PRODUCT         1.00"), QStringLiteral("a,b,2 : X")}));
    }

    void trackLengths()
    {
        const QString cue = DiscTest::WriteCueSheet(dir.path(), QStringLiteral("mci"), {150, 20250, 40500}, 61000);
        QVERIFY(MciOpen(cue, QStringLiteral("cd")));
        QVERIFY(!MciOpen(cue, QStringLiteral("cd"))); // the alias is taken
        QVERIFY(MciMediaPresent(QStringLiteral("cd")));
        QCOMPARE(MciTrackCount(QStringLiteral("cd")), 3);
        int m = -1, s = -1;
        QVERIFY(MciTrackLength(QStringLiteral("cd"), 1, m, s)); // 20100 frames
        QCOMPARE(qMakePair(m, s), qMakePair(4, 28));
        QVERIFY(MciTrackLength(QStringLiteral("cd"), 3, m, s)); // to the lead-out: 20500 frames
        QCOMPARE(qMakePair(m, s), qMakePair(4, 33));
        QVERIFY(!MciTrackLength(QStringLiteral("cd"), 4, m, s));
        QVERIFY(!MciTrackLength(QStringLiteral("cd"), 0, m, s));
        QVERIFY(MciClose(QStringLiteral("cd")));
        QVERIFY(!MciClose(QStringLiteral("cd")));
        QVERIFY(!MciMediaPresent(QStringLiteral("cd")));

        // A drive without a disc opens, but holds no media.
        const QString empty = dir.filePath(QStringLiteral("nodisc.cue"));
        QFile(empty).open(QIODevice::WriteOnly);
        QVERIFY(MciOpen(empty, QStringLiteral("empty")));
        QVERIFY(!MciMediaPresent(QStringLiteral("empty")));
        QCOMPARE(MciTrackCount(QStringLiteral("empty")), 0);
        QVERIFY(MciClose(QStringLiteral("empty")));
        QVERIFY(!MciOpen(dir.filePath(QStringLiteral("absent.cue")), QStringLiteral("absent")));
    }
};

TARVIK_TEST_MAIN(TestDiscToc)
#include "test_disc_toc.moc"
