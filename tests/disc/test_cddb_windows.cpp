// The disc information windows with real widgets: the client's status and
// match windows following its signals, the track-list window over a local
// CDDB folder and a CD player database, and the CDDB window against a
// scripted server on 127.0.0.1, each handing titles to a fake wizard.

#include "CDDBClientWindows.h"
#include "CDDBFreeDB.h"
#include "DiscTestSupport.h"
#include "ScriptedCddbServer.h"
#include "CDPlayerDatabase.h"
#include "FreeDB.h"
#include "FreeDBSettings.h"
#include "MessageBoxes.h"
#include "TVKRegistry.h"
#include "TestSupport.h"
#include "WizardLines.h"
#include "uCDDBFRM.h"
#include "uMultipleCd.h"
#include "uResource.h"
#include "uStatusCDDB.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include <sys/stat.h>

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

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The wizard as the windows see it: its track lines, and what it received.
struct TFakeWizard : TWizardLinesTarget {
    QStringList Lines;
    QList<TWizardTitles> Received;
    QStringList CurrentTrackLines() const override { return Lines; }
    void ReceiveTitles(const TWizardTitles &titles) override { Received << titles; }
};

using TarvikTest::Child;

// Picks a file in Qt's own file dialog as a user does: typed into the file
// name box (selectFile leaves the box alone while it has the focus). A
// dialog that will not take it is rejected, so a test fails instead of
// waiting.
void ChooseFile(QFileDialog *dialog, const QString &path)
{
    dialog->setDirectory(QFileInfo(path).path());
    if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        name->setText(QFileInfo(path).fileName());
    else
        dialog->selectFile(path);
    static_cast<QDialog *>(dialog)->accept();
    if (dialog->isVisible())
        dialog->reject();
}

QStringList Texts(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList Texts(QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

class TestCddbWindows : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString bluesCue;
    QStringList messages; // every message box's text, in order

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
        MessageBoxes::SetAnswerer([this](QMessageBox::Icon, const QString &text) {
            messages << text;
            return QMessageBox::Ok;
        });
    }

    void init()
    {
        messages.clear();
        TVKRegistry::WritePreference(TVKRegistry::prCDDBFolder, QString());
        QFile::remove(CDPlayerIniPath());
    }

    // Nothing to choose from: the lists stay empty and OK hands over the
    // wizard's own lines.
    void trackListEmpty_data()
    {
        QTest::addColumn<bool>("artistToo");
        QTest::newRow("tracks only") << false;
        QTest::newRow("artist and title too") << true;
    }
    void trackListEmpty()
    {
        QFETCH(bool, artistToo);
        TFakeWizard wizard;
        wizard.Lines = {QStringLiteral("Mine one"), QStringLiteral("Mine two")};
        TfrmCDDB window(wizard);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Get titles from a CDs database"));
        QCOMPARE(Child<QComboBox>(&window, "cmbArtist")->count(), 0);
        QCOMPARE(Child<QComboBox>(&window, "cmbAlbum")->count(), 0);
        QCOMPARE(Child<QListWidget>(&window, "lstTracks")->count(), 0);
        QCOMPARE(Texts(Child<QListWidget>(&window, "lstInsertedTracks")), wizard.Lines);
        QCOMPARE(Child<QLabel>(&window, "lblTracksNr")->text(), QStringLiteral("2"));
        QVERIFY(!Child<QLabel>(&window, "lblSourceNote")->isVisible());
        Child<QCheckBox>(&window, "chkInsertArtistName")->setChecked(artistToo);
        QTest::mouseClick(Child<QPushButton>(&window, "btnOK"), Qt::LeftButton);
        QCOMPARE(wizard.Received.size(), 1);
        QCOMPARE(wizard.Received[0].Tracks, wizard.Lines);
        QCOMPARE(wizard.Received[0].HasArtistTitle, artistToo);
        QCOMPARE(wizard.Received[0].Artist, QString());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());
    }

    // The samples folder and a CD player database that shares an artist and
    // an album with it: both listed once, the database's tracks; then the
    // tracks are put together with the buttons and handed over.
    void trackListMerged()
    {
        TVKRegistry::WritePreference(TVKRegistry::prCDDBFolder, DiscTest::SampleFolder());
        WriteFile(CDPlayerIniPath(), "[7a0b1c2d]\nARTIST=Madonna\nTITLE=Ray of light\nNUMTRACKS=2\n"
                                     "0=Drowned World\n1=Swim\n"
                                     "[7a0b1c2e]\nARTIST=Zucchero\nTITLE=Oro\nNUMTRACKS=1\n0=Diamante\n");
        TFakeWizard wizard;
        wizard.Lines = {QStringLiteral("Mine")};
        TfrmCDDB window(wizard);
        window.show();
        auto *artists = Child<QComboBox>(&window, "cmbArtist");
        auto *albums = Child<QComboBox>(&window, "cmbAlbum");
        auto *tracks = Child<QListWidget>(&window, "lstTracks");
        auto *inserted = Child<QListWidget>(&window, "lstInsertedTracks");
        QCOMPARE(Texts(artists), (QStringList{"Adele", "Beethoven", "Madonna", "Mozart", "Nightwish", "Ray Charles",
                                              "Van Halen", "Various", "Zucchero"}));
        QCOMPARE(artists->currentText(), QStringLiteral("Adele"));
        QCOMPARE(Texts(albums), QStringList{"21"}); // two entries of one album
        artists->setCurrentIndex(artists->findText(QStringLiteral("Madonna")));
        QCOMPARE(Texts(albums), (QStringList{"Ray of light", "The Immaculate Collection"}));
        QCOMPARE(Texts(tracks), (QStringList{"Drowned World", "Swim"}));
        albums->setCurrentIndex(1);
        QCOMPARE(tracks->count(), 17);
        albums->setCurrentIndex(0);

        QTest::mouseClick(Child<QPushButton>(&window, "btnSelectAllTracks"), Qt::LeftButton);
        QCOMPARE(tracks->selectedItems().size(), 2);
        QTest::mouseClick(Child<QPushButton>(&window, "btnUnselectAllTracks"), Qt::LeftButton);
        QCOMPARE(tracks->selectedItems().size(), 0);
        tracks->item(1)->setSelected(true);
        tracks->item(0)->setSelected(true);
        QTest::mouseClick(Child<QToolButton>(&window, "btnMove"), Qt::LeftButton);
        tracks->item(0)->setSelected(false);
        QTest::mouseClick(Child<QToolButton>(&window, "btnMove"), Qt::LeftButton);
        QCOMPARE(Texts(inserted), (QStringList{"Mine", "Drowned World", "Swim", "Swim"}));
        QCOMPARE(Child<QLabel>(&window, "lblTracksNr")->text(), QStringLiteral("4"));

        inserted->clearSelection();
        inserted->item(1)->setSelected(true);
        inserted->item(2)->setSelected(true);
        QTest::mouseClick(Child<QToolButton>(&window, "btnUp"), Qt::LeftButton);
        QCOMPARE(Texts(inserted), (QStringList{"Drowned World", "Swim", "Mine", "Swim"}));
        QVERIFY(inserted->item(0)->isSelected() && inserted->item(1)->isSelected());
        QTest::mouseClick(Child<QToolButton>(&window, "btnDown"), Qt::LeftButton);
        QTest::mouseClick(Child<QToolButton>(&window, "btnDown"), Qt::LeftButton);
        QCOMPARE(Texts(inserted), (QStringList{"Mine", "Swim", "Drowned World", "Swim"}));
        inserted->clearSelection();
        inserted->item(3)->setSelected(true);
        inserted->item(0)->setSelected(true);
        QTest::mouseClick(Child<QToolButton>(&window, "btnDelete"), Qt::LeftButton);
        QCOMPARE(Texts(inserted), (QStringList{"Swim", "Drowned World"}));
        QCOMPARE(Child<QLabel>(&window, "lblTracksNr")->text(), QStringLiteral("2"));

        Child<QCheckBox>(&window, "chkInsertArtistName")->setChecked(true);
        QTest::mouseClick(Child<QPushButton>(&window, "btnOK"), Qt::LeftButton);
        QCOMPARE(wizard.Received.size(), 1);
        QCOMPARE(wizard.Received[0].Tracks, (QStringList{"Swim", "Drowned World"}));
        QVERIFY(wizard.Received[0].HasArtistTitle);
        QCOMPARE(wizard.Received[0].Artist, QStringLiteral("Madonna"));
        QCOMPARE(wizard.Received[0].Title, QStringLiteral("Ray of light"));

        // Cancel hands nothing over.
        TfrmCDDB again(wizard);
        again.show();
        QTest::keyClick(&again, Qt::Key_Escape);
        QVERIFY(!again.isVisible());
        QCOMPARE(again.result(), int(QDialog::Rejected));
        QCOMPARE(wizard.Received.size(), 1);
    }

    // Files that are no entries, in a folder that holds one: the real entry
    // is listed, the rest is told, nothing hangs on a pipe or a device.
    void trackListOddFolder()
    {
        QTemporaryDir odd;
        WriteFile(odd.filePath(QStringLiteral("rock/0a0b0c0d")), "DTITLE=Real / Album\nTTITLE0=One\n");
        QByteArray binary(4096, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char(i * 37 % 256);
        WriteFile(odd.filePath(QStringLiteral("rock/binary")), binary);
        WriteFile(odd.filePath(QStringLiteral("rock/huge")), QByteArray(2 * 1024 * 1024, 'x'));
        WriteFile(odd.filePath(QStringLiteral("rock/inner/0a0b0c0e")), "DTITLE=Inner / Folder\n");
        WriteFile(odd.filePath(QStringLiteral("stray")), "DTITLE=Root / Level\n");
        QCOMPARE(::mkfifo(QFile::encodeName(odd.filePath(QStringLiteral("rock/fifo"))).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), odd.filePath(QStringLiteral("rock/zero"))));
        QVERIFY(QDir().mkpath(odd.filePath(QStringLiteral("misc"))));
        QVERIFY(QFile::link(odd.filePath(QStringLiteral("rock/fifo")), odd.filePath(QStringLiteral("misc/fifo-link"))));
        TVKRegistry::WritePreference(TVKRegistry::prCDDBFolder, odd.path());
        // a database that is a folder
        QVERIFY(QDir().mkpath(CDPlayerIniPath()));
        auto removeFolder = qScopeGuard([] { QDir(CDPlayerIniPath()).removeRecursively(); });

        TFakeWizard wizard;
        TfrmCDDB window(wizard);
        window.show();
        QCOMPARE(Texts(Child<QComboBox>(&window, "cmbArtist")), QStringList{"Real"});
        QCOMPARE(Texts(Child<QListWidget>(&window, "lstTracks")), QStringList{"One"});
        auto *note = Child<QLabel>(&window, "lblSourceNote");
        QVERIFY(note->isVisible());
        QVERIFY2(note->text().contains(QLatin1String("files of the CDDB folder could not be read")), qPrintable(note->text()));
        QVERIFY2(note->text().contains(QLatin1String("The CD player database could not be read")), qPrintable(note->text()));
    }

    // The boxes from the settings, the drive list with its disc image item,
    // and the checks before a network action; "Get the CD info" works once.
    void freeDbOpeningAndChecks()
    {
        TFakeWizard wizard;
        TfrmFreeDB window(wizard);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Connect to the FreeDB Internet Database"));
        QCOMPARE(Child<QLineEdit>(&window, "eUserMail")->text(), QString());
        QVERIFY(Child<QCheckBox>(&window, "chkSaveLocal")->isChecked());
        auto *servers = Child<QComboBox>(&window, "cmbServers");
        QCOMPARE(Texts(servers), QStringList{"gnudb.gnudb.org 8880"});
        auto *drives = Child<QComboBox>(&window, "cmbCDDrives");
        QCOMPARE(drives->itemText(drives->count() - 1), QString::fromUtf8("Disc image\u2026"));
        QCOMPARE(window.Client()->ClientName, QStringLiteral("Tarvik"));
        QCOMPARE(window.Client()->ClientVersion, QStringLiteral("1.14"));

        auto *connectButton = Child<QPushButton>(&window, "btnConnect");
        QTest::mouseClick(connectButton, Qt::LeftButton);
        QCOMPARE(messages, QStringList{Str(9100)});
        QVERIFY(!connectButton->isEnabled());
        QVERIFY(window.isVisible());

        // Further checks through the other network action.
        auto *refresh = Child<QPushButton>(&window, "btnRefreshServer");
        Child<QLineEdit>(&window, "eUserMail")->setText(QStringLiteral("me@example.org"));
        QTest::mouseClick(refresh, Qt::LeftButton);
        QCOMPARE(messages.last(), Str(9110));
        Child<QLineEdit>(&window, "eLocalCopy")->setText(dir.filePath(QStringLiteral("none")));
        QTest::mouseClick(refresh, Qt::LeftButton);
        QCOMPARE(messages.last(), Str(9105));
        Child<QCheckBox>(&window, "chkSaveLocal")->setChecked(false);
        servers->setEditText(QStringLiteral("gnudb.gnudb.org"));
        QTest::mouseClick(refresh, Qt::LeftButton);
        QCOMPARE(messages.last(), QStringLiteral("Unable to decode the port number from the string\ngnudb.gnudb.org"));
        QCOMPARE(window.Client()->Connected(), false);
    }

    // A cue sheet chosen as the drive; a file that is no disc image, and a
    // dialog left with Cancel, leave the list as it was.
    void freeDbDiscImage()
    {
        TFakeWizard wizard;
        TfrmFreeDB window(wizard);
        window.show();
        auto *drives = Child<QComboBox>(&window, "cmbCDDrives");
        const int before = drives->count();
        const int imageItem = drives->findData(-1);
        const int selected = drives->currentIndex();

        WhenModal<QFileDialog>(this, [](QFileDialog *d) { d->reject(); });
        drives->setCurrentIndex(imageItem);
        emit drives->activated(imageItem);
        QCOMPARE(drives->currentIndex(), selected);

        const QString notACue = dir.filePath(QStringLiteral("notes.cue"));
        WriteFile(notACue, "These are my notes\nTRACK nothing\n");
        QVERIFY(!window.UseDiscImage(notACue));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(Str(9125).arg(notACue)), qPrintable(messages[0]));
        QCOMPARE(drives->count(), before);

        QString dialogName;
        WhenModal<QFileDialog>(this, [&](QFileDialog *d) {
            dialogName = d->objectName();
            ChooseFile(d, bluesCue);
        });
        drives->setCurrentIndex(imageItem);
        emit drives->activated(imageItem);
        QCOMPARE(dialogName, QStringLiteral("dlgDiscImage"));
        QCOMPARE(drives->count(), before + 1);
        QCOMPARE(drives->currentText(), bluesCue);
        QCOMPARE(drives->currentIndex(), imageItem);
        QCOMPARE(window.Client()->ComputeDiscID(), QStringLiteral("fd0b9912"));
        QCOMPARE(messages.size(), 1);
    }

    // The road a user takes: the track-list window, its link, a disc image
    // of a sample as the drive, "Get the CD info" against the server, and
    // the titles in the wizard with the local copy written. Level 6 sends
    // UTF-8; an entry kept in ISO-8859-1 is read as such. A local copy that
    // cannot be written is told and the titles are handed over all the same.
    void freeDbRoad_data()
    {
        QTest::addColumn<QByteArray>("dtitle");
        QTest::addColumn<QByteArray>("track");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstTrack");
        QTest::addColumn<bool>("copyFails");
        QTest::newRow("utf-8, japanese") << QByteArray("\xe5\xae\x87\xe5\xa4\x9a\xe7\x94\xb0\xe3\x83\x92\xe3\x82\xab\xe3\x83\xab / "
                                                      "\xe5\x88\x9d\xe6\x81\x8b")
                                          << QByteArray("\xe5\xa4\x9c\xe7\xa9\xba")
                                          << QString::fromUtf8("\u5b87\u591a\u7530\u30d2\u30ab\u30eb")
                                          << QString::fromUtf8("\u521d\u604b") << QString::fromUtf8("\u591c\u7a7a")
                                          << false;
        QTest::newRow("iso-8859-1") << QByteArray("Caf\xe9 Tacvba / Re") << QByteArray("La ingrata (\xa1s\xed!)")
                                    << QString::fromUtf8("Caf\u00e9 Tacvba") << QStringLiteral("Re")
                                    << QString::fromUtf8("La ingrata (\u00a1s\u00ed!)") << false;
        QTest::newRow("local copy fails") << QByteArray("A / B") << QByteArray("One") << "A" << "B" << "One" << true;
    }
    void freeDbRoad()
    {
        QFETCH(QByteArray, dtitle);
        QFETCH(QByteArray, track);
        QFETCH(QString, artist);
        QFETCH(QString, title);
        QFETCH(QString, firstTrack);
        QFETCH(bool, copyFails);
        ScriptedCddbServer server;
        server.Replies.insert(QStringLiteral("cddb query"), "200 misc fd0b9912 " + dtitle + "\r\n");
        server.Replies.insert(QStringLiteral("cddb read"),
                              ReadReply("210 misc fd0b9912", "# xmcd\r\nDISCID=fd0b9912\r\nDTITLE=" + dtitle
                                                                 + "\r\nDYEAR=1999\r\nTTITLE0=" + track
                                                                 + "\r\nTTITLE1=Second\r\n"));
        QTemporaryDir local;
        if (copyFails)
            WriteFile(local.filePath(QStringLiteral("misc")), "a file where the category folder goes\n");
        WriteFreeDBSettings({QStringLiteral("me@example.org"), local.path(), QStringLiteral("127.0.0.1"), server.Port(), true});

        TFakeWizard wizard;
        wizard.Lines = {QStringLiteral("Typed before")};
        TfrmCDDB window(wizard);
        QPointer<TCDDBFreeDB> client;
        QPointer<TfrmFreeDB> freeDb;
        WhenModal<TfrmFreeDB>(this, [&](TfrmFreeDB *dialog) {
            freeDb = dialog;
            client = dialog->Client();
            auto *drives = Child<QComboBox>(dialog, "cmbCDDrives");
            WhenModal<QFileDialog>(this, [this](QFileDialog *d) { ChooseFile(d, bluesCue); });
            const int imageItem = drives->findData(-1);
            drives->setCurrentIndex(imageItem);
            emit drives->activated(imageItem);
            QTest::mouseClick(Child<QPushButton>(dialog, "btnConnect"), Qt::LeftButton);
        });
        QTimer::singleShot(0, &window, [&] { emit Child<QLabel>(&window, "wlFreeDB")->linkActivated(QStringLiteral("freedb")); });
        QCOMPARE(window.exec(), int(QDialog::Accepted));

        QVERIFY(freeDb.isNull());
        QVERIFY(!window.isVisible());
        // (after a failed local copy the goodbye may be cut short)
        QCOMPARE(server.Received.mid(1, 3), (QStringList{"proto 6",
            "cddb query fd0b9912 18 150 12350 26028 37048 50798 62255 76475 89328 101703 113778 124675 136060 147100 "
            "156223 168975 181473 195565 209895 2971", "cddb read misc fd0b9912"}));
        QCOMPARE(wizard.Received.size(), 1);
        const TWizardTitles &titles = wizard.Received[0];
        QVERIFY(titles.HasArtistTitle);
        QCOMPARE(titles.Artist, artist);
        QCOMPARE(titles.Title, title);
        QCOMPARE(titles.Tracks, (QStringList{firstTrack, "Second"}));

        if (copyFails) {
            QCOMPARE(messages.size(), 2); // the client's error, then the window's own message
            QVERIFY(messages[1].startsWith(Str(9115) + QLatin1Char('\n')));
            QVERIFY(messages[1].endsWith(messages[0]));
        } else {
            QCOMPARE(messages, QStringList{});
            QFile copy(local.filePath(QStringLiteral("misc/fd0b9912")));
            QVERIFY(copy.open(QIODevice::ReadOnly));
            const QByteArray bytes = copy.readAll();
            QVERIFY2(bytes.contains("DTITLE=" + (artist + " / " + title).toUtf8() + "\r\n"), bytes.constData());
        }
        // The client goes after its window, from the event loop.
        QTRY_VERIFY(client.isNull());
    }

    // No disc, a read without an entry, or Cancel while the server is
    // silent: nothing reaches the wizard and the user closes the window.
    void freeDbNothingHandedOver_data()
    {
        QTest::addColumn<QByteArray>("query");
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<bool>("cancelWhileWaiting");
        QTest::newRow("not found") << QByteArray("202 No match for disc ID fd0b9912.\r\n") << QByteArray() << false;
        QTest::newRow("read without entry") << QByteArray("200 misc fd0b9912 A / B\r\n")
                                            << QByteArray("401 misc fd0b9912 No such CD entry in database.\r\n") << false;
        QTest::newRow("cancel while waiting") << QByteArray() << QByteArray() << true;
    }
    void freeDbNothingHandedOver()
    {
        QFETCH(QByteArray, query);
        QFETCH(QByteArray, read);
        QFETCH(bool, cancelWhileWaiting);
        ScriptedCddbServer server;
        server.Replies.insert(QStringLiteral("cddb query"), query);
        server.Replies.insert(QStringLiteral("cddb read"), read);
        WriteFreeDBSettings({QStringLiteral("me@example.org"), QString(), QStringLiteral("127.0.0.1"), server.Port(), false});
        TFakeWizard wizard;
        TfrmFreeDB window(wizard);
        int handedOver = 0;
        connect(&window, &TfrmFreeDB::DiscHandedOver, this, [&] { ++handedOver; });
        window.show();
        QVERIFY(window.UseDiscImage(bluesCue));
        auto *cancel = Child<QPushButton>(&window, "btnCancel");
        if (cancelWhileWaiting)
            QTimer::singleShot(200, cancel, [cancel] { QTest::mouseClick(cancel, Qt::LeftButton); });
        QTest::mouseClick(Child<QPushButton>(&window, "btnConnect"), Qt::LeftButton);
        QCOMPARE(messages, cancelWhileWaiting ? QStringList{} : QStringList{Str(9120)});
        QCOMPARE(window.isVisible(), !cancelWhileWaiting);
        QVERIFY(!Child<QPushButton>(&window, "btnConnect")->isEnabled());
        if (!cancelWhileWaiting)
            QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(!window.Client()->Connected());
        QVERIFY(window.Client()->SilentMode);
        QCOMPARE(wizard.Received.size(), 0);
        QCOMPARE(handedOver, 0);
    }

    // Refresh list: a server list with lines of every kind fills the box
    // with the servers in it, and the connection is left; a list without one
    // server, and a server that cannot be reached, leave the box as it was.
    void freeDbServerList()
    {
        ScriptedCddbServer server;
        server.Replies.insert(QStringLiteral("sites"), "210 OK, site information follows\r\n"
                                                       "gnudb.gnudb.org cddbp 8880 - N000.00 W000.00 Random server\r\n"
                                                       "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Web\r\n"
                                                       "\x1b]0;title\x07 8880 - x\r\n"
                                                       "127.0.0.1 cddbp 8881 - N1 W1 Spare\r\n.\r\n");
        WriteFreeDBSettings({QStringLiteral("me@example.org"), QString(), QStringLiteral("127.0.0.1"), server.Port(), false});
        TFakeWizard wizard;
        TfrmFreeDB window(wizard);
        window.show();
        auto *servers = Child<QComboBox>(&window, "cmbServers");
        QTest::mouseClick(Child<QPushButton>(&window, "btnRefreshServer"), Qt::LeftButton);
        QTRY_COMPARE(Texts(servers), (QStringList{"gnudb.gnudb.org 8880 N000.00 W000.00 Random server",
                                                  "127.0.0.1 8881 N1 W1 Spare"}));
        QTRY_VERIFY(!window.Client()->Connected());
        QCOMPARE(server.Received.mid(1), (QStringList{"proto 6", "sites", "quit"}));
        // A line of the list is a server text: its host and port are used.
        servers->setCurrentIndex(1);
        QVERIFY(window.ValidateSettings());
        QCOMPARE(window.Client()->CDDBServerName, QStringLiteral("127.0.0.1"));
        QCOMPARE(window.Client()->CDDBServerPort, 8881);
        QCOMPARE(ReadFreeDBSettings().Port, 8881);

        server.Replies.insert(QStringLiteral("sites"), "210 OK\r\nnothing useful here\r\n.\r\n");
        servers->setEditText(ServerText(QStringLiteral("127.0.0.1"), server.Port()));
        QTest::mouseClick(Child<QPushButton>(&window, "btnRefreshServer"), Qt::LeftButton);
        QTRY_COMPARE(server.Received.last(), QStringLiteral("quit"));
        QTRY_VERIFY(!window.Client()->Connected());
        QCOMPARE(servers->currentText(), ServerText(QStringLiteral("127.0.0.1"), server.Port()));
        QCOMPARE(messages, QStringList{});

        quint16 closedPort;
        {
            ScriptedCddbServer closed;
            closedPort = closed.Port();
        }
        servers->setEditText(ServerText(QStringLiteral("127.0.0.1"), closedPort));
        QTest::mouseClick(Child<QPushButton>(&window, "btnRefreshServer"), Qt::LeftButton);
        QCOMPARE(messages, QStringList{"Unable to connect to the FreeDB server, please be sure to be connected to the Internet!"});
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
