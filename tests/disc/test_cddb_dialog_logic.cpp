// What the track-list and CDDB windows decide without a window: the block
// moves of the track list, the two title sources merged, the server box's
// text, the checks before a lookup and the stored settings, and the wizard's
// lines.

#include "CDDBTitleSources.h"
#include "FreeDBSettings.h"
#include "TestSupport.h"
#include "TrackListMoves.h"
#include "WizardLines.h"
#include "uResource.h"

namespace {

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QList<bool> Flags(int count, const QList<int> &selected)
{
    QList<bool> flags(count, false);
    for (int i : selected)
        flags[i] = true;
    return flags;
}

} // namespace

class TestCddbDialogLogic : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void moves_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QList<int>>("order"); // places before the move, in the new order
        QTest::newRow("up: 1 and 2 of four") << 4 << QList<int>{1, 2} << true << QList<int>{1, 2, 0, 3};
        QTest::newRow("up: the first stays") << 3 << QList<int>{0} << true << QList<int>{0, 1, 2};
        QTest::newRow("up: a block at the top keeps its order") << 3 << QList<int>{0, 1} << true << QList<int>{0, 1, 2};
        QTest::newRow("up: 0 and 2") << 4 << QList<int>{0, 2} << true << QList<int>{0, 2, 1, 3};
        QTest::newRow("down: 1 and 2 of four") << 4 << QList<int>{1, 2} << false << QList<int>{0, 3, 1, 2};
        QTest::newRow("down: a block at the end stays") << 4 << QList<int>{2, 3} << false << QList<int>{0, 1, 2, 3};
        QTest::newRow("down: nothing selected") << 2 << QList<int>{} << false << QList<int>{0, 1};
        QTest::newRow("empty") << 0 << QList<int>{} << true << QList<int>{};
    }
    void moves()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, selected);
        QFETCH(bool, up);
        QFETCH(QList<int>, order);
        const QList<bool> flags = Flags(count, selected);
        QCOMPARE(up ? MoveSelectedUp(flags) : MoveSelectedDown(flags), order);
    }

    // The same artist and album in the folder and the CD player database
    // are offered once; the database's tracks win; a title only in the
    // folder gives the first entry's tracks.
    void titleSources()
    {
        const QString folder = dir.filePath(QStringLiteral("cddb"));
        WriteFile(folder + QStringLiteral("/misc/0a0b0c0d"),
                  "DTITLE=Madonna / Ray of light\nTTITLE0=Folder one\nTTITLE1=Folder two\n");
        WriteFile(folder + QStringLiteral("/rock/0a0b0c0e"),
                  "DTITLE=Madonna / Ray of light\nTTITLE0=Other copy\n");
        WriteFile(folder + QStringLiteral("/rock/0a0b0c0f"), "DTITLE=Madonna / Erotica\nTTITLE0=Erotica\n");
        WriteFile(folder + QStringLiteral("/rock/0a0b0c10"), "DTITLE=adele / 19\nTTITLE0=Daydreamer\n");
        WriteFile(folder + QStringLiteral("/rock/0a0b0c11"), "TTITLE0=No title line\n");
        const QString ini = dir.filePath(QStringLiteral("CDPlayer.ini"));
        WriteFile(ini, "[1234]\nARTIST=Madonna\nTITLE=Ray of light\nNUMTRACKS=1\n0=Player one\n"
                       "[5678]\nARTIST=Zucchero\nTITLE=Oro\nNUMTRACKS=0\n"
                       "[9abc]\nARTIST=Madonna\nTITLE=Ray of light\nNUMTRACKS=1\n0=Second section\n");

        TCDDBTitleSources sources;
        sources.Load(folder, ini);
        QCOMPARE(sources.Artists(), (QStringList{"adele", "Madonna", "Zucchero"}));
        QCOMPARE(sources.Albums(QStringLiteral("Madonna")), (QStringList{"Erotica", "Ray of light"}));
        QCOMPARE(sources.Tracks(QStringLiteral("Madonna"), QStringLiteral("Ray of light")), QStringList{"Player one"});
        QCOMPARE(sources.Tracks(QStringLiteral("Madonna"), QStringLiteral("Erotica")), QStringList{"Erotica"});
        QCOMPARE(sources.Albums(QStringLiteral("Zucchero")), QStringList{"Oro"});
        QCOMPARE(sources.Tracks(QStringLiteral("Zucchero"), QStringLiteral("Oro")), QStringList{});
        QCOMPARE(sources.Albums(QString()), QStringList{});
        QCOMPARE(sources.Tracks(QStringLiteral("Madonna"), QStringLiteral("Nothing")), QStringList{});

        // Without the database the folder's own tracks are offered.
        sources.Load(folder, dir.filePath(QStringLiteral("absent.ini")));
        QCOMPARE(sources.Tracks(QStringLiteral("Madonna"), QStringLiteral("Ray of light")),
                 (QStringList{"Folder one", "Folder two"}));
        QCOMPARE(sources.PlayerError(), QString());
        sources.Load(QString(), dir.filePath(QStringLiteral("absent.ini")));
        QCOMPARE(sources.Artists(), QStringList{});

        // A database that is no file is told, and read as empty.
        sources.Load(folder, folder);
        QVERIFY(!sources.PlayerError().isEmpty());
        QCOMPARE(sources.Artists(), (QStringList{"adele", "Madonna"}));
    }

    void parseServerText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("host and port") << "gnudb.gnudb.org 8880" << true << "gnudb.gnudb.org" << 8880;
        QTest::newRow("a server list line") << "example.org 888 N1 W1 Somewhere far" << true << "example.org" << 888;
        QTest::newRow("host alone") << "gnudb.gnudb.org" << false << "" << 0;
        QTest::newRow("no blank: read as the port") << "8880" << true << "" << 8880;
        QTest::newRow("port not a number") << "host http" << false << "" << 0;
        QTest::newRow("two blanks") << "host  8880" << false << "" << 0;
        QTest::newRow("port too large") << "host 70000" << false << "" << 0;
        QTest::newRow("port zero") << "host 0" << false << "" << 0;
        QTest::newRow("empty") << "" << false << "" << 0;
    }
    void parseServerText()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QString, host);
        QFETCH(int, port);
        QString gotHost = QStringLiteral("unchanged");
        int gotPort = -1;
        QCOMPARE(ParseServerText(text, gotHost, gotPort), ok);
        if (ok) {
            QCOMPARE(gotHost, host);
            QCOMPARE(gotPort, port);
        }
        QCOMPARE(ServerText(QStringLiteral("h"), 8880), QStringLiteral("h 8880"));
    }

    void validateSettings_data()
    {
        const QString folder = dir.path();
        const QString port = QStringLiteral("Unable to decode the port number from the string\rgnudb.gnudb.org");
        QTest::addColumn<QString>("mail");
        QTest::addColumn<QString>("local");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("message");
        QTest::newRow("all set") << "me@example.org" << folder << true << "127.0.0.1 8880" << "";
        QTest::newRow("no local copy, saving off") << "me@example.org" << "" << false << "h 1" << "";
        QTest::newRow("missing folder, saving off") << "me@example.org" << "/no/such" << false << "h 1" << "";
        QTest::newRow("no mail") << "" << folder << true << "h 1" << Str(9100);
        QTest::newRow("mail of two words") << "me @example.org" << folder << true << "h 1" << Str(9100);
        QTest::newRow("mail with a line end") << "me@example.org\r\nquit" << folder << true << "h 1" << Str(9100);
        QTest::newRow("saving without a folder") << "me@example.org" << "" << true << "h 1" << Str(9110);
        QTest::newRow("saving to a missing folder") << "me@example.org" << "/no/such" << true << "h 1" << Str(9105);
        QTest::newRow("host without a port") << "me@example.org" << folder << true << "gnudb.gnudb.org" << port;
    }
    void validateSettings()
    {
        QFETCH(QString, mail);
        QFETCH(QString, local);
        QFETCH(bool, save);
        QFETCH(QString, server);
        QFETCH(QString, message);
        const TFreeDBCheck check = ValidateSettings({mail, local, save, server});
        QCOMPARE(check.Message, message);
        if (!message.isEmpty())
            return;
        QCOMPARE(check.Settings.UserName, mail);
        QCOMPARE(check.Settings.LocalCopy, local);
        QCOMPARE(check.Settings.AutoSave, save);
        QString host;
        int port = 0;
        QVERIFY(ParseServerText(server, host, port));
        QCOMPARE(check.Settings.Server, host);
        QCOMPARE(check.Settings.Port, port);
    }

    void settingsStored()
    {
        const TFreeDBSettings defaults = ReadFreeDBSettings();
        QCOMPARE(defaults.Server, QStringLiteral("gnudb.gnudb.org"));
        QCOMPARE(defaults.Port, 8880);
        QVERIFY(defaults.AutoSave);
        QVERIFY(defaults.UserName.isEmpty() && defaults.LocalCopy.isEmpty());
        WriteFreeDBSettings({QStringLiteral("me@example.org"), QStringLiteral("/tmp/x"), QStringLiteral("h"), 888, false});
        const TFreeDBSettings stored = ReadFreeDBSettings();
        QCOMPARE(stored.UserName, QStringLiteral("me@example.org"));
        QCOMPARE(stored.LocalCopy, QStringLiteral("/tmp/x"));
        QCOMPARE(stored.Server, QStringLiteral("h"));
        QCOMPARE(stored.Port, 888);
        QVERIFY(!stored.AutoSave);
    }

    void wizardLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("final line end") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("windows line ends") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("one empty line") << "\n" << QStringList{""};
        QTest::newRow("inner empty line") << "a\n\nb" << QStringList{"a", "", "b"};
    }
    void wizardLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(TrackLinesOfText(text), lines);
        // (a box with one empty line and an empty box look the same)
        if (lines != QStringList{QString()})
            QCOMPARE(TrackLinesOfText(TextOfTrackLines(lines)), lines);
    }
};

TARVIK_TEST_MAIN(TestCddbDialogLogic)
#include "test_cddb_dialog_logic.moc"
