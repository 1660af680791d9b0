// The disc information windows with real widgets: the client's status and
// match windows following its signals against a scripted server on
// 127.0.0.1.

#include "CDDBClientWindows.h"
#include "CDDBFreeDB.h"
#include "DiscTestSupport.h"
#include "ScriptedCddbServer.h"
#include "TestSupport.h"
#include "uMultipleCd.h"
#include "uStatusCDDB.h"

#include <QPushButton>
#include <QTreeWidget>

namespace {

QByteArray ReadReply(const QByteArray &header, const QByteArray &entry)
{
    return header + "\r\n" + entry + ".\r\n";
}

// Runs action on the first modal window of type T that comes up.
template <typename T>
void WhenModal(QObject *context, std::function<void(T *)> action)
{
    auto *poll = new QTimer(context);
    poll->start(10);
    QObject::connect(poll, &QTimer::timeout, context, [poll, action] {
        auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window)
            return;
        poll->stop();
        poll->deleteLater();
        action(window);
    });
}

} // namespace

class TestCddbWindows : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString bluesCue;

    TCDDBFreeDB *MakeClient(quint16 port)
    {
        auto *client = new TCDDBFreeDB(this);
        client->CDDBServerName = QStringLiteral("127.0.0.1");
        client->CDDBServerPort = port;
        client->UserName = QStringLiteral("user@example.org");
        client->HostName = QStringLiteral("testhost");
        client->ClientName = QStringLiteral("Tarvik");
        client->ClientVersion = QStringLiteral("1.14");
        client->SelectCDDrive(client->AddDiscImage(bluesCue));
        return client;
    }

private slots:
    void initTestCase()
    {
        bluesCue = DiscTest::SampleCueSheet(dir.path(), DiscTest::SampleFolder() + QStringLiteral("/blues/fd0b9912"));
    }

    // The status window is up with the client's line while it works, and
    // down when it is done.
    void statusWindowFollowsTheClient()
    {
        ScriptedCddbServer server;
        server.Replies.insert(QStringLiteral("cddb query"), "202 No match\r\n");
        TCDDBFreeDB *client = MakeClient(server.Port());
        auto *windows = new TCDDBClientWindows(client);
        QStringList seen;
        connect(client, &TCDDBFreeDB::OnCommandSent, this, [&] {
            TfrmStatusCDDB *status = windows->StatusWindow();
            seen << (status && status->isVisible() ? status->Message() : QStringLiteral("hidden"));
        });
        client->QueryDisc();
        QCOMPARE(seen.first(), QStringLiteral("Hanshaking with the FreeDb Server"));
        QVERIFY(seen.contains(QStringLiteral("Querying the FreeDb archive")));
        QVERIFY(!windows->StatusWindow()->isVisible());
        QCOMPARE(windows->StatusWindow()->windowTitle(), QStringLiteral("FreeDB"));

        // A silent client never shows it again; the windows go with the client.
        client->Abort();
        client->QueryDisc();
        QVERIFY(!windows->StatusWindow()->isVisible());
        QPointer<TfrmStatusCDDB> status = windows->StatusWindow();
        delete client;
        QVERIFY(status.isNull());
    }

    void matchWindow_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("choose"); // -1 cancels with Escape, -2 aborts the client
        QTest::newRow("two, second") << 2 << 1;
        QTest::newRow("two, cancel") << 2 << -1;
        QTest::newRow("fifteen, last") << 15 << 14;
        QTest::newRow("abort while open") << 2 << -2;
    }
    void matchWindow()
    {
        QFETCH(int, count);
        QFETCH(int, choose);
        ScriptedCddbServer server;
        QByteArray list = "211 close matches found\r\n";
        for (int i = 0; i < count; ++i)
            list += QStringLiteral("cat%1 %2 Artist %1 / Title %1\r\n").arg(i).arg(0x10000000 + i, 8, 16).toUtf8();
        server.Replies.insert(QStringLiteral("cddb query"), list + ".\r\n");
        server.Replies.insert(QStringLiteral("cddb read"),
                              ReadReply("210 x y", "DISCID=1000000e\r\nDTITLE=Chosen / One\r\n"));
        TCDDBFreeDB *client = MakeClient(server.Port());
        new TCDDBClientWindows(client);
        int rows = -1;
        WhenModal<TfrmMultipleCD>(this, [&](TfrmMultipleCD *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("FreeDB"));
            rows = dialog->CDList()->topLevelItemCount();
            if (choose == -2) {
                client->Abort();
                return;
            }
            if (choose < 0) {
                QTest::keyClick(dialog, Qt::Key_Escape);
                return;
            }
            QTreeWidgetItem *item = dialog->CDList()->topLevelItem(choose);
            QCOMPARE(item->text(1), QStringLiteral("Artist %1").arg(choose));
            QCOMPARE(item->text(3), QStringLiteral("cat%1").arg(choose));
            item->setSelected(true);
            for (QPushButton *b : dialog->findChildren<QPushButton *>())
                if (b->text() == QLatin1String("&Select"))
                    QTest::mouseClick(b, Qt::LeftButton);
        });
        client->QueryDisc();
        QCOMPARE(rows, count);
        QVERIFY(!QApplication::activeModalWidget());
        const QStringList after = server.Received.mid(server.Received.indexOf(QRegularExpression("cddb query.*")) + 1);
        if (choose >= 0) {
            const QString read = QStringLiteral("cddb read cat%1 %2").arg(choose).arg(0x10000000 + choose, 8, 16);
            QCOMPARE(after, (QStringList{read, "quit"}));
            QCOMPARE(client->CDDBDisc().Artist, QStringLiteral("Chosen"));
        } else {
            // cancelled: the server is left; aborted: the connection is cut
            QTest::qWait(20);
            QCOMPARE(after, choose == -1 ? QStringList{"quit"} : QStringList{});
        }
        QVERIFY(!client->Connected());
        delete client;
    }
};

TARVIK_TEST_MAIN(TestCddbWindows)
#include "test_cddb_windows.moc"
