// The CDDB client against a scripted server on 127.0.0.1, without windows:
// the whole lookup, replies in pieces, several matches, refusals and broken
// connections, the local folder, Abort and SilentMode. The reply framing on
// its own first. (Its windows: test_cddb_windows.)

#include "CDDBFreeDB.h"
#include "CDDBReply.h"
#include "DiscTestSupport.h"
#include "ScriptedCddbServer.h"
#include "TestSupport.h"

namespace {

const char *const BluesId = "fd0b9912";
const QString BluesQuery = QStringLiteral(
    "cddb query fd0b9912 18 150 12350 26028 37048 50798 62255 76475 89328 101703 113778 124675 136060 147100 "
    "156223 168975 181473 195565 209895 2971");

QByteArray SampleEntry(const QString &relative)
{
    QFile f(DiscTest::SampleFolder() + QLatin1Char('/') + relative);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no sample %s", qPrintable(relative));
    return f.readAll().replace("\n", "\r\n");
}

QByteArray ReadReply(const QByteArray &header, const QByteArray &entry)
{
    return header + "\r\n" + entry + ".\r\n";
}

// Records the client's signals by name, in order.
struct SignalLog {
    QStringList Names;
    explicit SignalLog(TCDDBFreeDB &c)
    {
        const QList<QPair<QString, void (TCDDBFreeDB::*)()>> signalList{
            {"Error", &TCDDBFreeDB::OnError},           {"Connect", &TCDDBFreeDB::OnConnect},
            {"ListCDDBServers", &TCDDBFreeDB::OnListCDDBServers}, {"Disconnect", &TCDDBFreeDB::OnDisconnect},
            {"QueryCDDB", &TCDDBFreeDB::OnQueryCDDB},   {"ReadDiscInfo", &TCDDBFreeDB::OnReadDiscInfo},
            {"DiscFound", &TCDDBFreeDB::OnDiscFound},   {"DiscNotFound", &TCDDBFreeDB::OnDiscNotFound},
        };
        for (const auto &s : signalList)
            QObject::connect(&c, s.second, &c, [this, name = s.first] { Names << name; });
    }
    int Count(const QString &name) const { return int(Names.count(name)); }
};

} // namespace

class TestCddbClient : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString bluesCue;

    std::unique_ptr<TCDDBFreeDB> MakeClient(quint16 port, const QString &cue = {})
    {
        auto client = std::make_unique<TCDDBFreeDB>();
        client->CDDBServerName = QStringLiteral("127.0.0.1");
        client->CDDBServerPort = port;
        client->UserName = QStringLiteral("user@example.org");
        client->HostName = QStringLiteral("testhost");
        client->ClientName = QStringLiteral("Tarvik");
        client->ClientVersion = QStringLiteral("1.14 beta 2");
        client->SelectCDDrive(client->AddDiscImage(cue.isEmpty() ? bluesCue : cue));
        return client;
    }

    static void Reply(ScriptedCddbServer &server, const QString &command, const QByteArray &bytes)
    {
        server.Replies.insert(command, bytes);
    }

private slots:
    void initTestCase()
    {
        bluesCue = DiscTest::SampleCueSheet(dir.path(), DiscTest::SampleFolder() + QStringLiteral("/blues/fd0b9912"));
    }

    // However the bytes are cut into pieces, the same replies come out.
    void framingAtEverySplit()
    {
        const QByteArray stream = "200 rock 0a0b0c0d A / B\r\n"
                                  "210 rock 0a0b0c0d\r\nDTITLE=A / B\r\n..not the end\r\n.\r\n"
                                  "211 close matches\r\nrock 01 x\r\n.\r\n"
                                  "230 bye\r\n";
        const QList<TCDDBReplyLines> expected{
            {"200 rock 0a0b0c0d A / B\r"},
            {"210 rock 0a0b0c0d\r", "DTITLE=A / B\r", "..not the end\r", ".\r"},
            {"211 close matches\r", "rock 01 x\r", ".\r"},
            {"230 bye\r"},
        };
        for (int a = 0; a <= stream.size(); ++a) {
            for (int b = a; b <= stream.size(); b += 7) {
                TReplyFramer framer;
                QList<TCDDBReplyLines> replies;
                QString error;
                QVERIFY(framer.Feed(QByteArrayView(stream).first(a), replies, error));
                QVERIFY(framer.Feed(QByteArrayView(stream).sliced(a, b - a), replies, error));
                QVERIFY(framer.Feed(QByteArrayView(stream).sliced(b), replies, error));
                QCOMPARE(replies, expected);
                QVERIFY(!framer.HasPartialReply());
            }
        }
    }

    void framingErrors_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("overlong line") << QByteArray("210 x\r\n") + QByteArray(1100, 'a') << "longer than 1023 bytes";
        QTest::newRow("overlong status") << QByteArray(1024, '2') + "\r\n" << "longer than 1023 bytes";
        QTest::newRow("no status code") << QByteArray("hello there\r\n") << "invalid reply: \"hello there\\x0d\"";
        QTest::newRow("short status") << QByteArray("20\r\n") << "invalid reply";
        QTest::newRow("binary") << QByteArray("\x01\x02\x03\n") << "invalid reply: \"\\x01\\x02\\x03\"";
        QByteArray endless = "210 list follows\r\n";
        while (endless.size() <= TReplyFramer::MaxReplySize)
            endless += "rock 01020304 A long list that never ends with its dot line\r\n";
        QTest::newRow("endless list") << endless << "reply longer than 1048576 bytes: \"210 list follows\\x0d\"";
    }
    void framingErrors()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        TReplyFramer framer;
        QList<TCDDBReplyLines> replies;
        QString text;
        QVERIFY(!framer.Feed(bytes, replies, text));
        QVERIFY2(text.contains(error), qPrintable(text));
        QVERIFY(!framer.HasPartialReply());
        // A line of exactly the limit is fine.
        QVERIFY(TReplyFramer().Feed("200 " + QByteArray(1018, 'a') + "\r\n", replies, text));
    }

    void lookup_data()
    {
        QTest::addColumn<bool>("drip");
        QTest::newRow("whole replies") << false;
        QTest::newRow("split at every byte") << true;
    }
    void lookup()
    {
        QFETCH(bool, drip);
        ScriptedCddbServer server;
        server.Drip = drip;
        Reply(server, "cddb query", "200 blues fd0b9912 Ray Charles / Ray Charles Sings The Blues\r\n");
        Reply(server, "cddb read", ReadReply("210 blues fd0b9912 CD database entry follows (until terminating `.')",
                                             SampleEntry("blues/fd0b9912")));
        auto client = MakeClient(server.Port());
        SignalLog log(*client);
        QStringList statusTexts;
        connect(client.get(), &TCDDBFreeDB::OnCommandSent, this, [&] {
            statusTexts << (client->StatusShown() ? client->StatusMessage() : QStringLiteral("hidden"));
        });

        QVERIFY(client->QueryDisc());
        QCOMPARE(server.Received, (QStringList{"cddb hello user@example.org testhost Tarvik 1.14_beta_2", "proto 6",
                                               BluesQuery, "cddb read blues fd0b9912", "quit"}));
        QCOMPARE(statusTexts, (QStringList{"Hanshaking with the FreeDb Server", "Hanshaking with the FreeDb Server",
                                           "Querying the FreeDb archive", "Reading disc information",
                                           "Disconnecting from the FreeDb Server"}));
        QCOMPARE(client->ProtocolLevel(), 6);
        QVERIFY(client->DiscInfoRead());
        QCOMPARE(log.Names, (QStringList{"Connect", "QueryCDDB", "DiscFound", "ReadDiscInfo", "Disconnect"}));
        QCOMPARE(client->DiscID(), QString::fromLatin1(BluesId));
        QCOMPARE(client->DiscIdQuery(), BluesQuery.mid(11));
        const TCDDBDisc &disc = client->CDDBDisc();
        QCOMPARE(disc.Artist, QStringLiteral("Ray Charles"));
        QCOMPARE(disc.Title, QStringLiteral("Ray Charles Sings The Blues"));
        QCOMPARE(disc.Category, QStringLiteral("blues"));
        QCOMPARE(disc.Year, QStringLiteral("1995"));
        QCOMPARE(disc.TrackCount, 18);
        QCOMPARE(disc.TrackTitles[10], QStringLiteral("If I Give You My Love"));
        QVERIFY(client->ErrorText().isEmpty());
        QVERIFY(!client->Connected());
        QVERIFY(!client->StatusShown());
        QCOMPARE(client->Operation(), TCDDBFreeDB::TOperation::Idle);
    }

    // After the handshake the client asks for level 6; a server that
    // refuses, or does not know the command, is used at the level it has.
    void protocolLevel_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("level");
        QTest::newRow("now 6") << QByteArray("201 OK, CDDB protocol level now: 6\r\n") << 6;
        QTest::newRow("already 6") << QByteArray("502 Protocol level already 6\r\n") << 6;
        QTest::newRow("refused") << QByteArray("501 Illegal protocol level.\r\n") << 1;
        QTest::newRow("unknown command") << QByteArray("500 Unrecognized command.\r\n") << 1;
    }
    void protocolLevel()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, level);
        ScriptedCddbServer server;
        Reply(server, "proto", reply);
        Reply(server, "cddb query", "202 No match\r\n");
        auto client = MakeClient(server.Port());
        SignalLog log(*client);
        client->QueryDisc();
        QCOMPARE(server.Received.mid(1), (QStringList{"proto 6", BluesQuery, "quit"}));
        QCOMPARE(client->ProtocolLevel(), level);
        QCOMPARE(log.Count("DiscNotFound"), 1);
        QCOMPARE(log.Count("Error"), 0);
    }

    // At level 6 entries come in UTF-8 with year and genre; a line that is
    // no valid UTF-8 (an entry stored in ISO-8859-1) is read as such. A read
    // answered without an entry is told apart from one with.
    void entryText()
    {
        ScriptedCddbServer server;
        Reply(server, "cddb query", "200 misc fd0b9912 \xe5\xae\x87\xe5\xa4\x9a\xe7\x94\xb0 / First Love\r\n");
        Reply(server, "cddb read",
              ReadReply("210 misc fd0b9912", "DISCID=fd0b9912\r\n"
                                             "DTITLE=\xe5\xae\x87\xe5\xa4\x9a\xe7\x94\xb0 / First Love\r\n"
                                             "DYEAR=1999\r\nDGENRE=J-Pop\r\n"
                                             "TTITLE0=\xe5\xa4\x9c\xe7\xa9\xba\r\n"
                                             "TTITLE1=Caf\xe9 cr\xe8me\r\n"));
        auto client = MakeClient(server.Port());
        QVERIFY(client->QueryDisc());
        const TCDDBDisc &disc = client->CDDBDisc();
        QCOMPARE(disc.Artist, QString::fromUtf8("\u5b87\u591a\u7530"));
        QCOMPARE(disc.Title, QStringLiteral("First Love"));
        QCOMPARE(disc.Year, QStringLiteral("1999"));
        QCOMPARE(disc.Genre, QStringLiteral("J-Pop"));
        QCOMPARE(disc.TrackTitles.mid(0, disc.TrackCount),
                 (QStringList{QString::fromUtf8("\u591c\u7a7a"), QString::fromUtf8("Caf\u00e9 cr\u00e8me")}));
        QVERIFY(client->DiscInfoRead());

        Reply(server, "cddb read", "401 misc fd0b9912 No such CD entry in database.\r\n");
        client->QueryDisc();
        QVERIFY(!client->DiscInfoRead());
        QCOMPARE(client->CDDBDisc().Title, QStringLiteral("First Love")); // the one read before
    }

    // A local copy written after a server lookup is found again without the
    // server, even when the server's entry had another identifier.
    void saveAndFindLocally()
    {
        ScriptedCddbServer server;
        QByteArray entry = SampleEntry("blues/fd0b9912").replace("DISCID=fd0b9912", "DISCID=0badc0de");
        Reply(server, "cddb query", "200 blues 0badc0de Ray Charles / Ray Charles Sings The Blues\r\n");
        Reply(server, "cddb read", ReadReply("210 blues 0badc0de", entry));
        QTemporaryDir local;
        auto client = MakeClient(server.Port());
        QVERIFY(client->QueryDisc());
        client->LocalCDDB = local.path();
        QVERIFY(client->SaveLocalCopy());
        const QString saved = local.filePath(QStringLiteral("blues/0badc0de"));
        QFile f(saved);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("# xmcd\r\n#\r\n"));
        QVERIFY(bytes.contains("\r\nDISCID=0badc0de,fd0b9912\r\nDTITLE="));
        QVERIFY(!bytes.contains("\r\r"));
        QVERIFY(bytes.endsWith("\r\nPLAYORDER=\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));

        ScriptedCddbServer unused;
        auto second = MakeClient(unused.Port());
        second->LocalCDDB = local.path();
        SignalLog log(*second);
        QVERIFY(second->QueryDisc());
        QCOMPARE(unused.Connections, 0);
        QVERIFY(second->LocalHit());
        QCOMPARE(second->DiscIdQuery(), QString());
        QCOMPARE(log.Names, (QStringList{"QueryCDDB", "DiscFound", "ReadDiscInfo"}));
        QCOMPARE(second->CDDBDisc().FileName, saved);
        QCOMPARE(second->CDDBDisc().TrackCount, 18);
        QCOMPARE(second->CurrentMatch().Category, QStringLiteral("blues"));
        QVERIFY(second->LocalCDDB.endsWith(QLatin1Char('/')));
        QVERIFY(!second->StatusShown());
    }

    // The owner answers the offer (a window does the same, see
    // test_cddb_windows); without a receiver the client gives up.
    void multipleMatches_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<int>("choose"); // -1 cancels
        QTest::newRow("two, second") << 2 << true << 1;
        QTest::newRow("two, cancel") << 2 << true << -1;
        QTest::newRow("fifteen, last") << 15 << true << 14;
        QTest::newRow("nobody listens") << 2 << false << -1;
    }
    void multipleMatches()
    {
        QFETCH(int, count);
        QFETCH(bool, receiver);
        QFETCH(int, choose);
        ScriptedCddbServer server;
        QByteArray list = "211 close matches found\r\n";
        for (int i = 0; i < count; ++i)
            list += QStringLiteral("cat%1 %2 Artist %1 / Title %1\r\n").arg(i).arg(0x10000000 + i, 8, 16).toUtf8();
        Reply(server, "cddb query", list + ".\r\n");
        Reply(server, "cddb read", ReadReply("210 x y", "DISCID=1000000e\r\nDTITLE=Chosen / One\r\n"));
        auto client = MakeClient(server.Port());
        int rows = -1;
        if (receiver) {
            connect(client.get(), &TCDDBFreeDB::OnMultipleDiscsFound, this, [&] {
                QVERIFY(client->MatchesOffered());
                rows = int(client->Matches().size());
                if (choose < 0)
                    client->CancelMatches();
                else
                    QVERIFY(client->ChooseMatch(choose));
                // an answer is given once
                QVERIFY(!client->MatchesOffered());
                QVERIFY(!client->ChooseMatch(0));
            });
        }
        client->QueryDisc();
        if (receiver)
            QCOMPARE(rows, count);
        QCOMPARE(client->Matches().size(), count);
        const QString read = QStringLiteral("cddb read cat%1 %2").arg(choose).arg(0x10000000 + choose, 8, 16);
        QCOMPARE(server.Received.mid(3), (choose < 0 ? QStringList{"quit"} : QStringList{read, "quit"}));
        if (choose >= 0)
            QCOMPARE(client->CDDBDisc().Artist, QStringLiteral("Chosen"));
        QVERIFY(!client->Connected());
    }

    void notFound()
    {
        ScriptedCddbServer server;
        Reply(server, "cddb query", "202 No match for disc ID fd0b9912.\r\n");
        auto client = MakeClient(server.Port());
        SignalLog log(*client);
        client->QueryDisc();
        QCOMPARE(server.Received.mid(1), (QStringList{"proto 6", BluesQuery, "quit"}));
        QCOMPARE(log.Names, (QStringList{"Connect", "Disconnect", "DiscNotFound"}));
        QVERIFY(client->ErrorText().isEmpty());
    }

    void serverList()
    {
        ScriptedCddbServer server;
        // Level 3 and above name the protocol and an address; older servers
        // do not. Lines that are no server are left out.
        Reply(server, "sites", "210 OK, site information follows\r\n"
                               "gnudb.gnudb.org cddbp 8880 - N000.00 W000.00 Random server\r\n"
                               "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random server\r\n"
                               "example.org 888 N1 W1 Old style\r\n"
                               "evil\x1b[2J.example 8880 N1 W1 escape\r\n"
                               "big.example cddbp 99999 - N1 W1 no port\r\n"
                               "zero.example 0 N1 W1 no port\r\n"
                               "only-a-host\r\n"
                               "; 8880 rm\r\n"
                               "\t\r\n"
                               ".\r\n");
        quint16 closedPort;
        {
            ScriptedCddbServer closed;
            closedPort = closed.Port();
        }
        // An earlier failure does not stand in the way of a new connection.
        auto client = MakeClient(closedPort);
        QVERIFY(!client->QueryDisc());
        QVERIFY(!client->RequestServerList());
        QCOMPARE(client->ErrorText(),
                 QStringLiteral("Unable to connect to the FreeDB server, please be sure to be connected to the Internet!"));
        client->CDDBServerPort = server.Port();
        client->ExchangeTimeout = 300;
        SignalLog log(*client);
        QVERIFY(client->Connect());
        QCOMPARE(log.Names, QStringList{"Connect"});
        QVERIFY(client->RequestServerList());
        QTRY_COMPARE(log.Count("ListCDDBServers"), 1);
        QCOMPARE(client->ServerList(), (QStringList{"gnudb.gnudb.org 8880 N000.00 W000.00 Random server",
                                                    "example.org 888 N1 W1 Old style"}));
        // kept open while nothing is asked: no wait to time out
        QTest::qWait(500);
        QVERIFY(client->Connected());
        QCOMPARE(client->ErrorText(), QString());
        client->Disconnect();
        QTRY_VERIFY(!client->Connected());
        QCOMPARE(server.Received.last(), QStringLiteral("quit"));
    }

    // Every failure ends the lookup with one error and the status window
    // hidden; no wait is left hanging.
    void failures_data()
    {
        QTest::addColumn<QByteArray>("greeting");
        QTest::addColumn<QString>("command");  // the command whose reply is scripted
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("closeAfter");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("lastReceived"); // the last command the server got ("" for none)

        const QByteArray greeting = "201 ready\r\n";
        const QString user = QStringLiteral("user@example.org");
        QTest::newRow("greeting refused") << QByteArray("432 No connections allowed: permission denied\r\n") << "" << QByteArray()
                                          << false << user << "No connection allowed: permissions denied" << "";
        QTest::newRow("greeting too many") << QByteArray("433 No connections allowed: X users allowed, Y currently active\r\n")
                                           << "" << QByteArray() << false << user
                                           << "No connection allowed: X users allowed, Y currently active" << "";
        QTest::newRow("greeting other") << QByteArray("502 go away\r\n") << "" << QByteArray() << false << user
                                        << "502 go away" << "";
        QTest::newRow("greeting not a status") << QByteArray("SSH-2.0-OpenSSH\r\n") << "" << QByteArray() << false
                                               << user << "invalid reply: \"SSH-2.0-OpenSSH\\x0d\"" << "";
        QTest::newRow("no greeting, closed") << QByteArray() << "" << QByteArray() << false << user
                                             << "Connection error" << "";
        QTest::newRow("hello refused") << greeting << "cddb hello" << QByteArray("431 Handshake unsuccessful\r\n")
                                       << false << user << "Handshake not successful, closing connection" << "quit";
        QTest::newRow("hello without user") << greeting << "" << QByteArray() << false << ""
                                            << "Handshaking impossible: username, hostname, clientname or clientversion information not set!"
                                            << "quit";
        QTest::newRow("query refused") << greeting << "cddb query" << QByteArray("403 Database entry is corrupt\r\n")
                                       << false << user << "403 Database entry is corrupt" << "quit";
        QTest::newRow("closed mid-reply") << greeting << "cddb read"
                                          << QByteArray("210 blues fd0b9912\r\nDISCID=fd0b9912\r\nDTI") << true << user
                                          << "Connection error" << "cddb read blues fd0b9912";
        QTest::newRow("closed instead of reply") << greeting << "cddb read" << QByteArray() << true << user
                                                 << "Connection error" << "cddb read blues fd0b9912";
        QTest::newRow("overlong line") << greeting << "cddb read"
                                       << QByteArray("210 blues fd0b9912\r\nTTITLE0=") + QByteArray(2000, 'x') + "\r\n.\r\n"
                                       << false << user << "longer than 1023 bytes" << "cddb read blues fd0b9912";
        QTest::newRow("category leads out") << greeting << "cddb query"
                                            << QByteArray("200 ../../tmp fd0b9912 A / B\r\n") << false << user
                                            << "invalid disc: ../../tmp fd0b9912" << "quit";
        QTest::newRow("command in category") << greeting << "cddb query"
                                             << QByteArray("200 rock\rquit fd0b9912 A / B\r\n") << false << user
                                             << "invalid disc" << "quit";
    }
    void failures()
    {
        QFETCH(QByteArray, greeting);
        QFETCH(QString, command);
        QFETCH(QByteArray, reply);
        QFETCH(bool, closeAfter);
        QFETCH(QString, userName);
        QFETCH(QString, error);
        QFETCH(QString, lastReceived);
        ScriptedCddbServer server;
        server.Greeting = greeting;
        Reply(server, "cddb query", "200 blues fd0b9912 Ray Charles / Blues\r\n");
        if (!command.isEmpty())
            Reply(server, command, reply);
        if (closeAfter)
            server.CloseAfter.insert(command);
        auto client = MakeClient(server.Port());
        client->UserName = userName;
        SignalLog log(*client);
        QVERIFY(!client->QueryDisc());
        QVERIFY2(client->ErrorText().contains(error), qPrintable(client->ErrorText()));
        QCOMPARE(log.Count("Error"), 1);
        QCOMPARE(log.Count("ReadDiscInfo"), 0);
        QTRY_COMPARE(server.Received.value(server.Received.size() - 1), lastReceived);
        QTRY_VERIFY(!client->Connected());
        QVERIFY(!client->Busy());
        QVERIFY(!client->StatusShown());
        QTest::qWait(30); // a late close notice must not report anything twice
        QCOMPARE(log.Count("Error"), 1);
        QVERIFY(log.Count("Disconnect") <= 1);
    }

    void connectionRefused()
    {
        quint16 port;
        {
            ScriptedCddbServer closed;
            port = closed.Port();
        }
        auto client = MakeClient(port);
        SignalLog log(*client);
        QVERIFY(!client->QueryDisc());
        QCOMPARE(client->ErrorText(),
                 QStringLiteral("Unable to connect to the FreeDB server, please be sure to be connected to the Internet!"));
        QCOMPARE(log.Names, QStringList{"Error"});
    }

    void noDisc()
    {
        ScriptedCddbServer server;
        const QString empty = dir.filePath(QStringLiteral("nodisc.cue"));
        QFile(empty).open(QIODevice::WriteOnly);
        auto client = MakeClient(server.Port(), empty);
        SignalLog log(*client);
        QVERIFY(!client->QueryDisc());
        QCOMPARE(client->ErrorText(),
                 QStringLiteral("No CD found!\r\nPlease insert a CDAudio in your CDDrive before querying the FreeDB"));
        QCOMPARE(log.Names, QStringList{"Error"});
        QCOMPARE(server.Connections, 0);
    }

    // An identifier from the server's entry must not lead the local copy
    // out of the local folder: the copy is named by the identifier asked for,
    // and an entry that does not list it is not kept.
    void savedIdentifierFromServer()
    {
        ScriptedCddbServer server;
        Reply(server, "cddb query", "200 blues fd0b9912 A / B\r\n");
        Reply(server, "cddb read", ReadReply("210 blues fd0b9912", "DISCID=../../../escaped\r\nDTITLE=A / B\r\n"));
        QTemporaryDir local;
        auto client = MakeClient(server.Port());
        QVERIFY(client->QueryDisc());
        QCOMPARE(client->CDDBDisc().DiscID, QStringLiteral("../../../escaped"));
        client->LocalCDDB = local.path() + QStringLiteral("/inner");
        SignalLog log(*client);
        QVERIFY(!client->SaveLocalCopy());
        QVERIFY(client->ErrorText().contains(QLatin1String("not for \"fd0b9912\"")));
        QVERIFY(client->ErrorText().contains(QLatin1String("not saved")));
        QCOMPARE(log.Names, QStringList{"Error"});
        QCOMPARE(QDir(local.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{});

        client->LocalCDDB.clear();
        QVERIFY(!client->SaveLocalCopy());
        QCOMPARE(client->ErrorText(), QStringLiteral("The FreeCDDB local folder is not set!"));
        auto fresh = MakeClient(server.Port());
        fresh->LocalCDDB = local.path();
        QVERIFY(!fresh->SaveLocalCopy());
        QCOMPARE(fresh->ErrorText(), QStringLiteral("There are no disc info to be saved!"));
    }

    // Abort ends every wait at once; the status window never shows again.
    void abortAndSilentMode()
    {
        ScriptedCddbServer silent;
        Reply(silent, "cddb query", QByteArray()); // never answers
        auto client = MakeClient(silent.Port());
        SignalLog log(*client);
        auto abortOnQuery = connect(client.get(), &TCDDBFreeDB::OnCommandSent, this, [&] {
            if (client->Operation() == TCDDBFreeDB::TOperation::Query)
                QTimer::singleShot(20, client.get(), &TCDDBFreeDB::Abort);
        });
        QVERIFY(!client->QueryDisc());
        QVERIFY(client->SilentMode);
        QVERIFY(!client->Connected());
        QVERIFY(!client->Busy() && !client->AwaitingReply());
        QCOMPARE(log.Names.last(), QStringLiteral("Disconnect"));
        QCOMPARE(log.Count("Error"), 0);
        QVERIFY(!client->StatusShown());
        disconnect(abortOnQuery);

        ScriptedCddbServer server;
        Reply(server, "cddb query", "202 No match\r\n");
        client->CDDBServerPort = server.Port();
        bool everShown = false;
        connect(client.get(), &TCDDBFreeDB::OnCommandSent, this,
                [&] { everShown = everShown || client->StatusShown(); });
        client->QueryDisc();
        QCOMPARE(server.Received.size(), 4);
        QVERIFY(!everShown);
        QVERIFY(client->SilentMode);
    }
};

TARVIK_TEST_MAIN(TestCddbClient)
#include "test_cddb_client.moc"
