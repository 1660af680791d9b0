// The command-line tool: its commands, exit statuses and messages, with a
// cue sheet for the disc, the sample folder and a scripted server.

#include "DiscTestSupport.h"
#include "DiscTool.h"
#include "ScriptedCddbServer.h"
#include "TestSupport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The sample entry of the test disc, with CDDB's line ends.
QByteArray Sample()
{
    return ReadBytes(TARVIK_TEST_DATA "/data/cddb/rock/8608460b").replace("\r\n", "\n").replace("\n", "\r\n");
}

QByteArray ReadReply(const QByteArray &match, const QByteArray &entry)
{
    return "210 " + match + "\r\n" + entry + ".\r\n";
}

bool SafeToOpen(const char *path)
{
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

class TestDiscTool : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString cue;

    int Run(QStringList args, QString &out, QString &err)
    {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        args.prepend(QStringLiteral("tarvik-disc"));
        const int status = DiscTool::Run(args, o, e);
        o.flush();
        e.flush();
        return status;
    }

private slots:
    void initTestCase()
    {
        cue = DiscTest::SampleCueSheet(dir.path(), DiscTest::SampleFolder() + QStringLiteral("/rock/8608460b"));
    }

    // The tool runs where no windows can: the disc core brings no Qt
    // Widgets into it, neither directly nor through another library.
    void toolNeedsNoWidgets()
    {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {QStringLiteral(TARVIK_DISC_TOOL)});
        QVERIFY(ldd.waitForFinished(30000));
        QCOMPARE(ldd.exitCode(), 0);
        const QString libraries = QString::fromLocal8Bit(ldd.readAllStandardOutput());
        QVERIFY2(libraries.contains(QLatin1String("libQt6Network")), qPrintable(libraries));
        QVERIFY2(!libraries.contains(QLatin1String("libQt6Widgets")), qPrintable(libraries));
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("no command") << QStringList{} << 2 << "" << "Usage:";
        QTest::newRow("unknown command") << QStringList{"play", "x"} << 2 << "" << "Usage:";
        QTest::newRow("unknown option") << QStringList{"toc", "--bogus", "x"} << 2 << "" << "bogus";
        QTest::newRow("unknown option shows the help") << QStringList{"--bogus"} << 2 << "" << "Options:\n";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage:\n  tarvik-disc drives\n" << "";
        QTest::newRow("help beside a command") << QStringList{"toc", "x", "-h"} << 0 << "--choose N" << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "tarvik-disc " TARVIK_VERSION "\n" << "";
        QTest::newRow("drives") << QStringList{"drives"} << 0 << "" << "";
        QTest::newRow("toc") << QStringList{"toc", "CUE"} << 0 << "Track 01  00:02:00  audio\n" << "";
        QTest::newRow("toc lead-out") << QStringList{"toc", "CUE"} << 0 << "Lead-out  35:20:00\n" << "";
        QTest::newRow("toc missing") << QStringList{"toc", "/no/such.cue"} << 1 << ""
                                     << "No such drive or disc image: /no/such.cue";
        QTest::newRow("toc not a disc") << QStringList{"toc", TARVIK_TEST_DATA "/data/cddb/rock/8608460b"} << 1 << ""
                                        << "no readable table of contents";
        QTest::newRow("id") << QStringList{"id", "CUE"} << 0 << "8608460b\n8608460b 11 150 " << "";
        QTest::newRow("local lookup") << QStringList{"lookup", "CUE", "--local", TARVIK_TEST_DATA "/data/cddb"} << 0
                                      << "Artist: Van Halen\nTitle: Van Halen\nYear: 1978\n" << "";
        QTest::newRow("bad port") << QStringList{"lookup", "CUE", "--server", "host:http"} << 2 << ""
                                  << "Invalid server";
        QTest::newRow("save without folder") << QStringList{"lookup", "CUE", "--save"} << 2 << "" << "--save needs";
        QTest::newRow("bad choice") << QStringList{"lookup", "CUE", "--choose", "0"} << 2 << "" << "--choose needs";
    }
    void commands()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        args.replaceInStrings(QStringLiteral("CUE"), cue);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QString gotOut, gotErr;
        QCOMPARE(Run(args, gotOut, gotErr), status);
        QVERIFY2(gotOut.contains(out), qPrintable(gotOut));
        QVERIFY2(gotErr.contains(err), qPrintable(gotErr));
        if (status != 0)
            QVERIFY(!gotErr.isEmpty());
    }

    void serverLookup_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("read");
        QTest::newRow("first match") << QStringList{} << 0 << "cddb read rock 8608460b";
        QTest::newRow("second match") << QStringList{"--choose", "2"} << 0 << "cddb read misc 0badc0de";
        QTest::newRow("no such match") << QStringList{"--choose", "3"} << 2 << "";
    }
    void serverLookup()
    {
        QFETCH(QStringList, extra);
        QFETCH(int, status);
        QFETCH(QString, read);
        ScriptedCddbServer server;
        server.Replies.insert(QStringLiteral("cddb query"),
                              "211 close matches\r\nrock 8608460b Van Halen / Van Halen\r\nmisc 0badc0de Other / Disc\r\n.\r\n");
        server.Replies.insert(QStringLiteral("cddb read"), ReadReply("rock 8608460b", Sample()));
        server.Replies.insert(QStringLiteral("cddb read misc"),
                              ReadReply("misc 0badc0de", Sample().replace("DISCID=8608460b", "DISCID=0badc0de")));
        QTemporaryDir local;
        QString out, err;
        QCOMPARE(Run(QStringList{"lookup", cue, "--server", QStringLiteral("127.0.0.1:%1").arg(server.Port()),
                                 "--user", "me@example.org", "--local", local.path(), "--save"} + extra,
                     out, err),
                 status);
        QVERIFY(out.contains(QLatin1String("Multiple matches:\n  1. rock 8608460b Van Halen / Van Halen\n")));
        QVERIFY(server.Received.value(0).startsWith(QLatin1String("cddb hello me@example.org ")));
        QVERIFY(server.Received.value(0).endsWith(QLatin1String(" Tarvik 1.14")));
        QCOMPARE(server.Received.value(1), QStringLiteral("proto 6"));
        if (read.isEmpty()) {
            QVERIFY(err.contains(QLatin1String("There is no match 3")));
            QVERIFY(!server.Received.join(' ').contains(QLatin1String("cddb read")));
            return;
        }
        QVERIFY2(server.Received.contains(read), qPrintable(server.Received.join('|')));
        QVERIFY2(out.contains(QLatin1String("\n01. Runnin' With The Devil\n")), qPrintable(out));
        QVERIFY2(out.contains(QLatin1String("\nYear: 1978\nGenre: Rock\n")), qPrintable(out));
        // The copy is named by the identifier asked for, in the chosen category.
        const QString saved = local.filePath(read.section(' ', 2, 2) + QLatin1Char('/') + read.section(' ', 3, 3));
        QVERIFY2(out.contains(QStringLiteral("Saved: ") + saved), qPrintable(out));
        QVERIFY(QFileInfo::exists(saved));
    }

    // Nothing the server sends, and nothing found in the local folder, makes
    // a save write anywhere but a regular file inside the local folder.
    void saveStaysInTheLocalFolder_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("err");
        QTest::newRow("plain save") << "" << "";
        QTest::newRow("entry is a link to a file outside") << "link-file" << "is not a regular file";
        QTest::newRow("entry is a link to a pipe") << "link-pipe" << "is not a regular file";
        QTest::newRow("entry is a folder") << "folder" << "is not a regular file";
        QTest::newRow("category is a link outside") << "link-category" << "is not a folder of its own";
        QTest::newRow("category is a file") << "file-category" << "is not a folder of its own";
    }
    void saveStaysInTheLocalFolder()
    {
        QFETCH(QString, setup);
        QFETCH(QString, err);
        QTemporaryDir tmp;
        const QString local = tmp.filePath(QStringLiteral("local"));
        const QString outside = tmp.filePath(QStringLiteral("outside"));
        QVERIFY(QDir().mkpath(local) && QDir().mkpath(outside));
        const QString victim = outside + QStringLiteral("/precious");
        WriteBytes(victim, "precious\n");
        const QString pipe = outside + QStringLiteral("/pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString entry = local + QStringLiteral("/rock/8608460b");
        if (setup != QLatin1String("link-category") && setup != QLatin1String("file-category"))
            QVERIFY(QDir().mkpath(local + QStringLiteral("/rock")));
        if (setup == QLatin1String("link-file"))
            QVERIFY(QFile::link(victim, entry));
        else if (setup == QLatin1String("link-pipe"))
            QVERIFY(QFile::link(pipe, entry));
        else if (setup == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(entry));
        else if (setup == QLatin1String("link-category"))
            QVERIFY(QFile::link(outside, local + QStringLiteral("/rock")));
        else if (setup == QLatin1String("file-category"))
            WriteBytes(local + QStringLiteral("/rock"), "a file\n");

        ScriptedCddbServer server;
        server.Replies.insert(QStringLiteral("cddb query"), "200 rock 8608460b Van Halen / Van Halen\r\n");
        server.Replies.insert(QStringLiteral("cddb read"), ReadReply("rock 8608460b", Sample()));
        QString out, errText;
        const int status = Run({"lookup", cue, "--server", QStringLiteral("127.0.0.1:%1").arg(server.Port()), "--user",
                                "me@example.org", "--local", local, "--save"},
                               out, errText);
        // the entry is shown either way
        QVERIFY2(out.contains(QLatin1String("Artist: Van Halen\n")), qPrintable(out));
        if (err.isEmpty()) {
            QCOMPARE(status, 0);
            QVERIFY2(out.contains(QStringLiteral("Saved: ") + entry), qPrintable(out));
            QVERIFY(QFileInfo(entry).isFile() && !QFileInfo(entry).isSymLink());
            QVERIFY(ReadBytes(entry).contains("DISCID=8608460b\r\n"));
        } else {
            QCOMPARE(status, 1);
            QVERIFY2(errText.contains(err) && errText.contains(QLatin1String("not saved")), qPrintable(errText));
            QVERIFY(!out.contains(QLatin1String("Saved:")));
        }
        // nothing outside changed, and nothing was left behind in the folder
        QCOMPARE(ReadBytes(victim), QByteArray("precious\n"));
        QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
        QCOMPARE(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                 (QStringList{"pipe", "precious"}));
        if (QFileInfo(local + QStringLiteral("/rock")).isDir() && !QFileInfo(local + QStringLiteral("/rock")).isSymLink())
            QCOMPARE(QDir(local + QStringLiteral("/rock"))
                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                     QStringList{"8608460b"});
    }

    // A reply for one disc that carries another disc's identifier is shown
    // but never saved, so it cannot replace that other disc's entry.
    void entryOfAnotherDiscIsNotSaved()
    {
        QTemporaryDir local;
        QVERIFY(QDir().mkpath(local.filePath(QStringLiteral("rock"))));
        const QString own = local.filePath(QStringLiteral("rock/aaaaaaaa"));
        WriteBytes(own, "DISCID=aaaaaaaa\r\nDTITLE=Mine / Mine\r\n");
        ScriptedCddbServer server;
        server.Replies.insert(QStringLiteral("cddb query"), "200 rock 8608460b Van Halen / Van Halen\r\n");
        server.Replies.insert(QStringLiteral("cddb read"),
                              ReadReply("rock 8608460b", Sample().replace("DISCID=8608460b", "DISCID=aaaaaaaa")));
        QString out, err;
        QCOMPARE(Run({"lookup", cue, "--server", QStringLiteral("127.0.0.1:%1").arg(server.Port()), "--user",
                      "me@example.org", "--local", local.path(), "--save"},
                     out, err),
                 1);
        QVERIFY2(out.contains(QLatin1String("Artist: Van Halen\n")), qPrintable(out));
        QVERIFY2(err.contains(QLatin1String("not for \"8608460b\"")) && err.contains(QLatin1String("not saved")),
                 qPrintable(err));
        QCOMPARE(ReadBytes(own), QByteArray("DISCID=aaaaaaaa\r\nDTITLE=Mine / Mine\r\n"));
        QCOMPARE(QDir(local.filePath(QStringLiteral("rock"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"aaaaaaaa"});
    }

    // Every wait for the server ends: a server that never accepts, stays
    // silent at any point or trickles its replies gives a "timed out" error;
    // one that only keeps its goodbye has given the whole entry, which is used.
    void waitsEndInTime_data()
    {
        QTest::addColumn<QString>("behaviour");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected"); // in the output when 0, in the errors otherwise
        QTest::newRow("never accepts") << "backlog" << 1 << "timed out after 0.5 seconds";
        QTest::newRow("silent before the greeting") << "greeting" << 1 << "did not answer within 0.5 seconds: timed out";
        QTest::newRow("silent after the greeting") << "cddb hello" << 1 << "timed out";
        QTest::newRow("silent after the query") << "cddb query" << 1 << "timed out";
        QTest::newRow("silent after the read") << "cddb read" << 1 << "timed out";
        QTest::newRow("trickles a byte at a time") << "drip" << 1 << "timed out";
        QTest::newRow("silent after quit") << "quit" << 0 << "Artist: Van Halen\n";
    }
    void waitsEndInTime()
    {
        QFETCH(QString, behaviour);
        QFETCH(int, status);
        QFETCH(QString, expected);
        ScriptedCddbServer server;
        server.Replies.insert(QStringLiteral("cddb query"), "200 rock 8608460b Van Halen / Van Halen\r\n");
        server.Replies.insert(QStringLiteral("cddb read"), ReadReply("rock 8608460b", Sample()));
        quint16 port = server.Port();
        QTcpServer full;
        QTcpSocket filler;
        if (behaviour == QLatin1String("backlog")) {
            // A listener whose queue is full: the connection is never taken.
            full.setListenBacklogSize(0);
            QVERIFY(full.listen(QHostAddress::LocalHost));
            full.pauseAccepting();
            filler.connectToHost(QHostAddress::LocalHost, full.serverPort());
            QVERIFY(filler.waitForConnected(5000));
            port = full.serverPort();
        } else if (behaviour == QLatin1String("greeting")) {
            server.SilentGreeting = true;
        } else if (behaviour == QLatin1String("drip")) {
            server.Drip = true;
            server.DripMs = 200;
        } else {
            server.Replies.insert(behaviour, QByteArray());
            server.CloseAfter.clear();
        }
        QString out, err;
        QCOMPARE(Run({"lookup", cue, "--server", QStringLiteral("127.0.0.1:%1").arg(port), "--user", "me@example.org",
                      "--timeout", "0.5"},
                     out, err),
                 status);
        QVERIFY2((status == 0 ? out : err).contains(expected), qPrintable(out + err));
    }

    // Tables of contents no CD can have are refused with the reason.
    void impossibleDiscs_data()
    {
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<int>("binSeconds");
        QTest::addColumn<QString>("reason");
        const QByteArray file = "FILE \"disc.bin\" BINARY\n";
        QTest::newRow("tracks out of order")
            << file + "TRACK 01 AUDIO\nINDEX 01 00:30:00\nTRACK 02 AUDIO\nINDEX 01 00:10:00\n" << 120
            << "track 2 starts at 00:12:00, not after track 1 at 00:32:00";
        QTest::newRow("track after the lead-out")
            << file + "TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 01 05:00:00\n" << 60
            << "does not come after track 2";
        QTest::newRow("lead-out before the tracks") << file + "TRACK 01 AUDIO\nINDEX 01 00:00:00\n" << 0
                                                    << "the lead-out at 00:02:00 does not come after track 1";
        QTest::newRow("index beyond a CD") << file + "TRACK 01 AUDIO\nINDEX 01 9999999:59:74\n" << 60
                                           << "9999999:59:74 is no time on a CD";
        QTest::newRow("seconds beyond a minute") << file + "TRACK 01 AUDIO\nINDEX 01 00:60:00\n" << 60
                                                 << "00:60:00 is no time on a CD";
        QTest::newRow("track number beyond 32 bits") << file + "TRACK 4294967297 AUDIO\nINDEX 01 00:00:00\n" << 60
                                                     << "a CD has tracks 1 to 99 only";
        QTest::newRow("track 0") << file + "TRACK 00 AUDIO\nINDEX 01 00:00:00\n" << 60 << "tracks 1 to 99 only";
        QTest::newRow("track numbers going down")
            << file + "TRACK 02 AUDIO\nINDEX 01 00:00:00\nTRACK 01 AUDIO\nINDEX 01 00:10:00\n" << 60
            << "track 1 comes after track 2";
    }
    void impossibleDiscs()
    {
        QFETCH(QByteArray, sheet);
        QFETCH(int, binSeconds);
        QFETCH(QString, reason);
        QTemporaryDir tmp;
        QFile bin(tmp.filePath(QStringLiteral("disc.bin")));
        QVERIFY(bin.open(QIODevice::WriteOnly) && bin.resize(qint64(binSeconds) * 75 * 2352));
        const QString image = tmp.filePath(QStringLiteral("disc.cue"));
        WriteBytes(image, sheet);
        for (const char *command : {"toc", "id"}) {
            QString out, err;
            QCOMPARE(Run({command, image}, out, err), 1);
            QVERIFY2(err.contains(image + QStringLiteral(" is not a valid disc: ")) && err.contains(reason),
                     qPrintable(err));
            QVERIFY(out.isEmpty());
        }
    }

    // Pipes and other special files are refused at once, never waited on.
    void specialFiles_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("err");
        QTest::newRow("cue sheet's data file is a pipe") << "cue" << "its data file pipe.bin is not a regular file";
        QTest::newRow("toc file's data file is a pipe") << "toc" << "its data file pipe.bin is not a regular file";
        QTest::newRow("image is a pipe") << "image" << "neither a CD drive nor a disc image file";
        QTest::newRow("image is a folder") << "folder" << "neither a CD drive nor a disc image file";
    }
    void specialFiles()
    {
        QFETCH(QString, setup);
        QFETCH(QString, err);
        QTemporaryDir tmp;
        QCOMPARE(::mkfifo(QFile::encodeName(tmp.filePath(QStringLiteral("pipe.bin"))).constData(), 0600), 0);
        QString image = tmp.filePath(QStringLiteral("disc.cue"));
        if (setup == QLatin1String("cue")) {
            WriteBytes(image, "FILE \"pipe.bin\" BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n");
        } else if (setup == QLatin1String("toc")) {
            image = tmp.filePath(QStringLiteral("disc.toc"));
            WriteBytes(image, "CD_DA\nTRACK AUDIO\nFILE \"pipe.bin\" 0\n");
        } else if (setup == QLatin1String("image")) {
            QCOMPARE(::mkfifo(QFile::encodeName(image).constData(), 0600), 0);
        } else {
            QVERIFY(QDir().mkpath(image));
        }
        QString out, errText;
        QCOMPARE(Run({"toc", image}, out, errText), 1);
        QVERIFY2(errText.contains(err), qPrintable(errText));
    }

    // A local folder entry that is a link to a file that never ends (the
    // kernel's log) is not waited on.
    void localEntryThatNeverEnds()
    {
        if (!SafeToOpen("/proc/kmsg"))
            QSKIP("/proc/kmsg cannot be opened by this user; as root it would wait for ever");
        QTemporaryDir local;
        QVERIFY(QDir().mkpath(local.filePath(QStringLiteral("rock"))));
        QVERIFY(QFile::link(QStringLiteral("/proc/kmsg"), local.filePath(QStringLiteral("rock/8608460b"))));
        QString out, err;
        // no server listens on port 1: the lookup ends there
        QCOMPARE(Run({"lookup", cue, "--local", local.path(), "--server", "127.0.0.1:1"}, out, err), 1);
        QVERIFY(!out.contains(QLatin1String("Artist:")));
    }

    // Each line of an entry is decoded on its own, and control characters
    // never reach the terminal.
    void entryTextShownClean()
    {
        ScriptedCddbServer server;
        server.Replies.insert(QStringLiteral("cddb query"), "200 rock 8608460b Bj\xf6rk / Debut\r\n");
        server.Replies.insert(QStringLiteral("cddb read"),
                              ReadReply("rock 8608460b", "DISCID=8608460b\r\nDTITLE=Bj\xf6rk / Debut\r\n"
                                                         "TTITLE0=Caf\xc3\xa9\r\nTTITLE1=\x1b[2JRed\x07\r\nTTITLE2=A"
                                                             + QByteArray(1, '\0') + "B\x9b" "C\tD\r\n"));
        QString out, err;
        QCOMPARE(Run({"lookup", cue, "--server", QStringLiteral("127.0.0.1:%1").arg(server.Port()), "--user",
                      "me@example.org"},
                     out, err),
                 0);
        QVERIFY2(out.contains(QStringLiteral("Artist: Bj\u00f6rk\nTitle: Debut\n")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("01. Caf\u00e9\n02. [2JRed\n03. ABC D\n")), qPrintable(out));
        for (const QChar c : out)
            QVERIFY2(c == QLatin1Char('\n') || c.category() != QChar::Other_Control, qPrintable(out));
    }
};

TARVIK_TEST_MAIN(TestDiscTool)
#include "test_disc_tool.moc"
