// CDDB entries: the two readers, entry text encodings, the local folder
// (browsing, lookup, writing a local copy and its path checks) and the CD
// player database.

#include "CDDBLocalFolder.h"
#include "CDDBParser.h"
#include "CDPlayerDatabase.h"
#include "DiscTestSupport.h"
#include "TestSupport.h"

#include <sys/stat.h>

namespace {

QStringList Lines(const char *text)
{
    return SplitEntryLines(QString::fromUtf8(text));
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestCddbEntry : public QObject {
    Q_OBJECT

private slots:
    void discTitle_data()
    {
        QTest::addColumn<QString>("dtitle");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("simpleArtist");
        QTest::addColumn<QString>("simpleTitle");
        QTest::newRow("spaced") << "Ray Charles / Blues" << "Ray Charles" << "Blues" << "Ray Charles" << "Blues";
        QTest::newRow("bare slash") << "Artist/Title" << "Artist" << "Title" << "Artis" << "itle";
        QTest::newRow("no slash") << "Single CD" << "" << "Single CD" << "" << "Single CD";
        QTest::newRow("slash in artist") << "AC/DC / Back" << "AC/DC" << "Back" << "A" << "C / Back";
        QTest::newRow("slash first") << "/Title" << "" << "Title" << "" << "itle";
        QTest::newRow("empty") << "" << "" << "" << "" << "";
    }
    void discTitle()
    {
        QFETCH(QString, dtitle);
        const QStringList lines{QStringLiteral("DISCID=01020304"), QStringLiteral("DTITLE=") + dtitle};
        const TCDDBDisc disc = ParseEntry(lines, false, QStringLiteral("rock"));
        QTEST(disc.Artist, "artist");
        QTEST(disc.Title, "title");
        QCOMPARE(disc.DiscTitle, dtitle);
        const TCDDB_File file = ReadEntryText(lines, QStringLiteral("x"));
        QTEST(file.Artist, "simpleArtist");
        QTEST(file.Title, "simpleTitle");
    }

    void tracks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("clientTracks");
        QTest::addColumn<QStringList>("simpleTracks");
        QTest::newRow("gap at 1") << "TTITLE0=a\nTTITLE1=\nTTITLE2=c\n" << QStringList{"a"} << QStringList{"a"};
        QTest::newRow("blank track 0") << "TTITLE0=   \nTTITLE1=b\n" << QStringList{} << QStringList{"   ", "b"};
        QTest::newRow("10 before 1") << "TTITLE10=ten\nTTITLE0=zero\nTTITLE1=one\n" << QStringList{"zero", "one"}
                                     << QStringList{"zero", "one"};
        QTest::newRow("10 without 1") << "TTITLE0=zero\nTTITLE10=ten\n" << QStringList{"zero"} << QStringList{"zero"};
        QTest::newRow("lower case key") << "ttitle0=x\n" << QStringList{} << QStringList{};
        QTest::newRow("blank before key") << " TTITLE0=x\n" << QStringList{} << QStringList{};
        QTest::newRow("first line wins") << "TTITLE0=a\nTTITLE0=b\n" << QStringList{"a"} << QStringList{"a"};
        QTest::newRow("value with =") << "TTITLE0=a=b \n" << QStringList{"a=b "} << QStringList{"a=b "};
    }
    void tracks()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, clientTracks);
        QFETCH(QStringList, simpleTracks);
        const QStringList lines = SplitEntryLines(text);
        const TCDDBDisc disc = ParseEntry(lines, false, {});
        QCOMPARE(disc.TrackTitles, clientTracks);
        QCOMPARE(disc.TrackCount, clientTracks.size());
        const TCDDB_File file = ReadEntryText(lines, {});
        QCOMPARE(file.Tracks, simpleTracks);
        QCOMPARE(file.TrackCount, simpleTracks.size());
    }

    void extendedAndDiscIds()
    {
        const QStringList lines = Lines("DISCID=aaaaaaaa,bbbbbbbb\nEXTD=first \nEXTD=second\nEXTT0=e0\nEXTT1=\nEXTT2=e2\n");
        const TCDDBDisc disc = ParseEntry(lines, false, {});
        QCOMPARE(disc.ExtendedData, QStringLiteral("first "));
        QCOMPARE(disc.DiscID, QStringLiteral("aaaaaaaa"));
        QCOMPARE(disc.DiscIDs, (QStringList{"aaaaaaaa", "bbbbbbbb"}));
        QCOMPARE(disc.TrackExtended, QStringList{"e0"});
        const TCDDB_File file = ReadEntryText(lines, {});
        QCOMPARE(file.ExtendedData, QStringLiteral("first second"));
        QCOMPARE(file.DiscID, QStringLiteral("aaaaaaaa,bbbbbbbb"));

        const TCDDBDisc single = ParseEntry(Lines("DISCID=aaaaaaaa\n"), false, {});
        QCOMPARE(single.DiscID, QStringLiteral("aaaaaaaa"));
        QVERIFY(single.DiscIDs.isEmpty());
    }

    // A server reply: its lines still carry their CR; the status line and
    // the closing "." stay out of the entry lines.
    void serverReply()
    {
        const QStringList reply = Lines("210 rock 0a0b0c0d CD database entry follows\r\n# xmcd\r\n# Revision: 7\r\n"
                                        "DISCID=0a0b0c0d\r\nDTITLE=A / B\r\nDYEAR=1999\r\nDGENRE=Rock\r\n"
                                        "TTITLE0=One\r\nTTITLE1=Two\r\nPLAYORDER=\r\n.\r\n");
        QStringList entryLines;
        const TCDDBDisc disc = ParseEntry(reply, true, QStringLiteral("rock"), QStringLiteral("ignored"), &entryLines);
        QCOMPARE(disc.Title, QStringLiteral("B"));
        QCOMPARE(disc.Revision, QStringLiteral("7"));
        QCOMPARE(disc.Year, QStringLiteral("1999"));
        QCOMPARE(disc.Genre, QStringLiteral("Rock"));
        QCOMPARE(disc.Category, QStringLiteral("rock"));
        QCOMPARE(disc.TrackTitles, (QStringList{"One", "Two"}));
        QCOMPARE(disc.FileName, QString());
        QCOMPARE(entryLines.size(), reply.size() - 2);
        QCOMPARE(entryLines.first(), QStringLiteral("# xmcd\r"));
        QCOMPARE(entryLines.last(), QStringLiteral("PLAYORDER=\r"));
    }

    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("utf-8") << QByteArray("DTITLE=Bj\xc3\xb6rk / Homog\xc3\xa9nic\n");
        QTest::newRow("iso-8859-1") << QByteArray("DTITLE=Bj\xf6rk / Homog\xe9nic\n");
        QTest::newRow("utf-8 with bom") << QByteArray("\xef\xbb\xbf" "DTITLE=Bj\xc3\xb6rk / Homog\xc3\xa9nic\r\n");
    }
    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("misc/0a0b0c0d"));
        WriteFile(path, bytes);
        TCDDB_File file;
        QVERIFY(ReadEntryFile(path, file));
        QCOMPARE(file.Artist, QStringLiteral("Bj\u00f6rk"));
        QCOMPARE(file.Title, QStringLiteral("Homog\u00e9nic"));
        QCOMPARE(file.FileName, path);
    }

    void badFiles()
    {
        QTemporaryDir dir;
        TCDDB_File file;
        QString error;
        QVERIFY(!ReadEntryFile(dir.filePath(QStringLiteral("absent")), file, &error));
        QVERIFY(error.contains(QLatin1String("absent")));
        QVERIFY(!ReadEntryFile(dir.path(), file, &error));
        const QString big = dir.filePath(QStringLiteral("big"));
        WriteFile(big, QByteArray(MaxEntryFileSize + 10, 'x'));
        QVERIFY(!ReadEntryFile(big, file, &error));
        QVERIFY(error.contains(QLatin1String("too large")));

        // A pipe among the entries is refused, not waited on.
        const QString fifo = dir.filePath(QStringLiteral("rock/fifo"));
        QDir().mkpath(QFileInfo(fifo).path());
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!ReadEntryFile(fifo, file, &error));
        QVERIFY(error.contains(QLatin1String("not a CDDB entry file")));
        QString found;
        TCDDBDisc disc;
        QVERIFY(!FindLocalEntryFile(dir.path(), QStringLiteral("0a0b0c0d"), found, disc));
        QCOMPARE(LoadEntryFolder(dir.path()).EntryCount, 0);
    }

    void samples()
    {
        const QString path = DiscTest::SampleFolder() + QStringLiteral("/blues/fd0b9912");
        QStringList lines;
        QVERIFY(ReadEntryLines(path, lines));
        const TCDDBDisc disc = ParseEntry(lines, false, CategoryOfPath(path), path);
        QCOMPARE(disc.Artist, QStringLiteral("Ray Charles"));
        QCOMPARE(disc.Title, QStringLiteral("Ray Charles Sings The Blues"));
        QCOMPARE(disc.Category, QStringLiteral("blues"));
        QCOMPARE(disc.Revision, QStringLiteral("0"));
        QCOMPARE(disc.TrackCount, 18);
        QCOMPARE(disc.TrackTitles.last(), QStringLiteral("Alone In The City Blues"));
        QCOMPARE(disc.FileName, path);
        TCDDB_File file;
        QVERIFY(ReadEntryFile(DiscTest::SampleFolder() + QStringLiteral("/country/12025d03"), file));
        QCOMPARE(file.Artist, QString());
        QCOMPARE(file.Title, QStringLiteral("Ernest Ray Everett - Single CD"));
    }

    void loadEntryFolder()
    {
        const TEntryFolder samples = LoadEntryFolder(DiscTest::SampleFolder());
        QCOMPARE(samples.EntryCount, 12);
        QVERIFY(!samples.Truncated);
        QCOMPARE(samples.Artists, (QStringList{"Adele", "Beethoven", "Madonna", "Mozart", "Nightwish", "Ray Charles",
                                               "Van Halen", "Various"}));
        QCOMPARE(LoadEntryFolder(QString()).EntryCount, 0);

        // A big folder is read only as far as the table reaches; files in the
        // root and unreadable files are passed over.
        QTemporaryDir dir;
        for (int i = 0; i < EntryTableSize + 4; ++i)
            WriteFile(dir.filePath(QStringLiteral("rock/%1").arg(i, 8, 16, QLatin1Char('0'))),
                      QStringLiteral("DTITLE=Artist %1 / Album\n").arg(i % 3).toUtf8());
        WriteFile(dir.filePath(QStringLiteral("stray")), "DTITLE=Nobody / None\n");
        const TEntryFolder big = LoadEntryFolder(dir.path());
        QCOMPARE(big.EntryCount, EntryTableSize);
        QVERIFY(big.Truncated);
        QCOMPARE(big.Artists, (QStringList{"Artist 0", "Artist 1", "Artist 2"}));

        QTemporaryDir small;
        WriteFile(small.filePath(QStringLiteral("misc/huge")), QByteArray(MaxEntryFileSize + 1, 'x'));
        WriteFile(small.filePath(QStringLiteral("misc/0a0b0c0d")), "DTITLE=A / B\n");
        const TEntryFolder skipped = LoadEntryFolder(small.path());
        QCOMPARE(skipped.EntryCount, 1);
        QCOMPARE(skipped.Unreadable.size(), 1);
    }

    void findLocalEntry_data()
    {
        QTest::addColumn<QString>("discId");
        QTest::addColumn<QString>("file"); // relative to the folder; empty: not found
        QTest::newRow("by name") << "fd0b9912" << "blues/fd0b9912";
        QTest::newRow("second identifier") << "12345678" << "rock/0badc0de";
        QTest::newRow("first of a list") << "0badc0de" << "rock/0badc0de";
        QTest::newRow("named but not listed") << "ffffffff" << "";
        QTest::newRow("miss") << "01010101" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("not an identifier") << "../blues/fd0b9912" << "";
    }
    void findLocalEntry()
    {
        QFETCH(QString, discId);
        QFETCH(QString, file);
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("blues/fd0b9912")),
                  ReadFile(DiscTest::SampleFolder() + QStringLiteral("/blues/fd0b9912")));
        WriteFile(dir.filePath(QStringLiteral("rock/0badc0de")), "DISCID=0badc0de,12345678\r\nDTITLE=A / B\r\n");
        WriteFile(dir.filePath(QStringLiteral("misc/ffffffff")), "DISCID=0e0e0e0e\nDTITLE=C / D\n");
        WriteFile(dir.filePath(QStringLiteral("misc/huge")), QByteArray(MaxEntryFileSize + 1, 'x'));
        QString found;
        TCDDBDisc disc;
        QCOMPARE(FindLocalEntryFile(dir.path(), discId, found, disc), !file.isEmpty());
        QCOMPARE(found, file.isEmpty() ? QString() : dir.filePath(file));
        if (!file.isEmpty())
            QCOMPARE(disc.Category, file.section(QLatin1Char('/'), 0, 0));
    }

    void localCopyPath_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("discId");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "rock" << "fd0b9912" << true;
        QTest::newRow("dash underscore digits") << "new-age_2" << "FD0B9912" << true;
        QTest::newRow("parent category") << "../evil" << "fd0b9912" << false;
        QTest::newRow("parent only") << ".." << "fd0b9912" << false;
        QTest::newRow("absolute category") << "/tmp/evil" << "fd0b9912" << false;
        QTest::newRow("nested category") << "rock/sub" << "fd0b9912" << false;
        QTest::newRow("empty category") << "" << "fd0b9912" << false;
        QTest::newRow("blank in category") << "my rock" << "fd0b9912" << false;
        QTest::newRow("parent id") << "rock" << "../../x" << false;
        QTest::newRow("absolute id") << "rock" << "/etc/pwd" << false;
        QTest::newRow("short id") << "rock" << "fd0b991" << false;
        QTest::newRow("id with line end") << "rock" << "fd0b9912\n" << false;
    }
    void localCopyPath()
    {
        QFETCH(QString, category);
        QFETCH(QString, discId);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        const QString root = dir.path() + QLatin1Char('/');
        QString fileName, error;
        QCOMPARE(LocalCopyFileName(root, category, discId, fileName, error), accepted);
        if (accepted) {
            QCOMPARE(fileName, root + category + QLatin1Char('/') + discId);
        } else {
            QVERIFY(fileName.isEmpty());
            QVERIFY(error.contains(QLatin1String("not saved")));
        }
    }

    void writeEntry()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("local"));
        QString error;
        const QStringList lines{QStringLiteral("DISCID=aaaaaaaa\r"), QStringLiteral("DTITLE=\u00c9 / B\r\n"),
                                QStringLiteral(""), QStringLiteral("PLAYORDER=")};
        QVERIFY(WriteEntryFile(root, QStringLiteral("rock"), QStringLiteral("aaaaaaaa"), lines, error));
        QCOMPARE(ReadFile(root + QStringLiteral("/rock/aaaaaaaa")),
                 QByteArray("DISCID=aaaaaaaa\r\nDTITLE=\xc3\x89 / B\r\n\r\nPLAYORDER=\r\n"));
        // the file is replaced whole, and nothing else is left beside it
        QVERIFY(WriteEntryFile(root, QStringLiteral("rock"), QStringLiteral("aaaaaaaa"), lines.mid(0, 1), error));
        QCOMPARE(ReadFile(root + QStringLiteral("/rock/aaaaaaaa")), QByteArray("DISCID=aaaaaaaa\r\n"));
        QCOMPARE(QDir(root + QStringLiteral("/rock")).entryList(QDir::Files | QDir::Hidden), QStringList{"aaaaaaaa"});
        QVERIFY(!WriteEntryFile(root, QStringLiteral("no/such"), QStringLiteral("entry"), lines, error));
        QVERIFY(!error.isEmpty());

        const QStringList extended = ExtendDiscIdLines(
            {QStringLiteral("# x"), QStringLiteral("DISCID=aaaaaaaa\r"), QStringLiteral("DISCID=cccccccc")},
            QStringLiteral("bbbbbbbb"));
        QCOMPARE(extended, (QStringList{"# x", "DISCID=aaaaaaaa,bbbbbbbb", "DISCID=aaaaaaaa,bbbbbbbb"}));
        QCOMPARE(ExtendDiscIdLines(extended, QStringLiteral("bbbbbbbb")), extended);
        QCOMPARE(ExtendDiscIdLines({QStringLiteral("DTITLE=x")}, QStringLiteral("bbbbbbbb")), QStringList{"DTITLE=x"});
    }

    void categoryOfPath()
    {
        QCOMPARE(CategoryOfPath(QStringLiteral("/data/cddb/rock/fd0b9912")), QStringLiteral("rock"));
        QCOMPARE(CategoryOfPath(QStringLiteral("/data/cddb//rock/fd0b9912")), QStringLiteral("rock"));
    }

    void cdPlayerDatabase()
    {
        QTemporaryDir dir;
        TCDPlayerIni absent;
        QVERIFY(absent.Load(dir.filePath(QStringLiteral("CDPlayer.ini"))));
        QVERIFY(absent.SectionNames().isEmpty());
        QVERIFY(absent.Artists().isEmpty());

        const QString path = dir.filePath(QStringLiteral("CDPlayer.ini"));
        WriteFile(path, "; comment\r\n[1A2B3C]\r\nartist=Adele\r\nTITLE=21\r\nNUMTRACKS=2\r\n0=Rolling\r\n1= Rumour \r\n"
                        "[x]\r\nARTIST=Adele\r\nTITLE=19\r\n"
                        "[y]\r\nARTIST=Madonna\r\nTITLE=Erotica\r\nNUMTRACKS=2000000000\r\n0=Erotica\r\n"
                        "[z]\r\nTITLE=No artist\r\n");
        TCDPlayerIni ini;
        QVERIFY(ini.Load(path));
        QCOMPARE(ini.SectionNames(), (QStringList{"1A2B3C", "x", "y", "z"}));
        QCOMPARE(ini.Artists(), (QStringList{"Adele", "Madonna"}));
        QCOMPARE(ini.Albums(QStringLiteral("Adele")), (QStringList{"21", "19"}));
        QStringList tracks;
        QVERIFY(ini.Tracks(QStringLiteral("Adele"), QStringLiteral("21"), tracks));
        QCOMPARE(tracks, (QStringList{"Rolling", "Rumour"}));
        QVERIFY(ini.Tracks(QStringLiteral("Adele"), QStringLiteral("19"), tracks)); // found, without tracks
        QVERIFY(tracks.isEmpty());
        QVERIFY(ini.Tracks(QStringLiteral("Madonna"), QStringLiteral("Erotica"), tracks));
        QCOMPARE(tracks.size(), 99);
        QVERIFY(!ini.Tracks(QStringLiteral("Adele"), QStringLiteral("25"), tracks));
        QVERIFY(CDPlayerIniPath().endsWith(QLatin1String("/Renvald/CDPlayer.ini")));
    }
};

TARVIK_TEST_MAIN(TestCddbEntry)
#include "test_cddb_entry.moc"
