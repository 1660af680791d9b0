// The command-line tool: its commands, exit statuses and messages, with a
// cue sheet for the disc, the sample folder and a scripted server.

#include "DiscTestSupport.h"
#include "DiscTool.h"
#include "ScriptedCddbServer.h"
#include "TestSupport.h"

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
        QFile entry(TARVIK_TEST_DATA "/data/cddb/rock/8608460b");
        QVERIFY(entry.open(QIODevice::ReadOnly));
        server.Replies.insert(QStringLiteral("cddb read"), "210 rock 8608460b\r\n" + entry.readAll() + ".\r\n");
        QTemporaryDir local;
        QString out, err;
        QCOMPARE(Run(QStringList{"lookup", cue, "--server", QStringLiteral("127.0.0.1:%1").arg(server.Port()),
                                 "--user", "me@example.org", "--local", local.path(), "--save"} + extra,
                     out, err),
                 status);
        QVERIFY(out.contains(QLatin1String("Multiple matches:\n  1. rock 8608460b Van Halen / Van Halen\n")));
        QVERIFY(server.Received.value(0).startsWith(QLatin1String("cddb hello me@example.org ")));
        QVERIFY(server.Received.value(0).endsWith(QLatin1String(" Tarvik 1.14")));
        if (read.isEmpty()) {
            QVERIFY(err.contains(QLatin1String("There is no match 3")));
            QVERIFY(!server.Received.join(' ').contains(QLatin1String("cddb read")));
            return;
        }
        QVERIFY2(server.Received.contains(read), qPrintable(server.Received.join('|')));
        QVERIFY2(out.contains(QLatin1String("\n01. Runnin' With The Devil\n")), qPrintable(out));
        // The copy is named by the entry's own identifier, in the chosen category.
        const QString saved = local.filePath(read.section(' ', 2, 2) + QStringLiteral("/8608460b"));
        QVERIFY2(out.contains(QStringLiteral("Saved: ") + saved), qPrintable(out));
        QVERIFY(QFileInfo::exists(saved));
    }
};

TARVIK_TEST_MAIN(TestDiscTool)
#include "test_disc_tool.moc"
