#pragma once
// TCDDBFreeDB: finds the CDDB entry of the disc in a chosen drive, first in
// the local CDDB folder, then from a CDDB server over TCP. Every wait is an
// event-loop wait, so the user interface stays live and replies are handled
// inside those waits (a handler may send the next command and wait in turn).
// Progress shows in a small status window, everything else goes out through
// the signals below and ErrorText().

#include "CDDBReply.h"
#include "DiscTypes.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>

class QTcpSocket;
class QTimer;
class TfrmMultipleCD;
class TfrmStatusCDDB;

class TCDDBFreeDB : public QObject {
    Q_OBJECT
public:
    enum class TOperation { Idle, Hello, Query, LocalQuery, Read, LocalRead, Handling, Quit, Connecting, Sites };

    static constexpr const char *DefaultServer = "gnudb.gnudb.org";
    static constexpr int DefaultPort = 8880;

    explicit TCDDBFreeDB(QObject *parent = nullptr);
    ~TCDDBFreeDB() override;

    // Settings, filled by the owner before use.
    QString CDDBServerName = QString::fromLatin1(DefaultServer);
    int CDDBServerPort = DefaultPort;
    QString UserName;
    QString HostName; // filled with the local host's address on first use when empty
    QString ClientName;
    QString ClientVersion;
    bool AutoDownloadDiscInfo = true;
    QString LocalCDDB; // root of the local CDDB folder; empty switches the local lookup off
    bool SilentMode = false;
    // Longest waits for the server, in milliseconds: for the connection, for
    // each reply (from its command to its last line, however slowly the
    // lines come) and for the whole exchange from connecting to the last
    // reply. A wait that runs out ends the exchange with a "timed out" error,
    // except the wait for the goodbye: everything asked for has arrived then.
    int ConnectTimeout = DefaultConnectTimeout;
    int ReplyTimeout = DefaultReplyTimeout;
    int ExchangeTimeout = DefaultExchangeTimeout;
    static constexpr int DefaultConnectTimeout = 15000;
    static constexpr int DefaultReplyTimeout = 20000;
    static constexpr int DefaultExchangeTimeout = 60000;

    QString DiscIdQuery() const { return FDiscIdQuery; }
    const TCDDBDisc &CDDBDisc() const { return FCDDBDisc; }
    const QStringList &EntryLines() const { return FEntryLines; }
    QString DiscID() const { return FDiscID; }
    QString ErrorText() const { return FErrorText; }
    TOperation Operation() const { return FOperation; }
    bool Busy() const { return FBusy; }
    bool AwaitingReply() const { return FAwaitingReply; }
    bool Connected() const { return FConnected; }
    bool LocalHit() const { return FLocalHit; }
    const tDiscResult &CurrentMatch() const { return FCurrentMatch; }
    const QList<tDiscResult> &Matches() const { return FMatches; }
    const QStringList &ServerList() const { return FServerList; }
    const QStringList &DriveList() const { return FDriveList; }
    const TCDDrives &CDDrives() const { return FDrives; }
    int SelectedDrive() const { return FSelectedDrive; }

    // The status text of an operation ("" for idle and handling).
    static QString StatusText(TOperation operation);
    // The status window, once it has been needed; null while none was shown.
    TfrmStatusCDDB *StatusWindow() const { return FStatus.get(); }
    TfrmMultipleCD *MultipleCDWindow() const { return FMultiple.get(); }

    bool Connect();
    bool Handshake();
    bool QueryDisc();
    bool DownloadDiscInfo();
    bool RequestServerList();
    void Disconnect();
    void Abort();

    // Writes the entry read into the local folder. An entry from the server
    // is named by the identifier that was asked for and is kept only when its
    // DISCID line lists that identifier; an entry read from the local folder
    // goes back to its own file.
    bool SaveLocalCopy();
    bool FindLocalEntry(const QString &discId);

    // Device channel of the selected drive.
    QString ComputeDiscID();
    QString BuildDiscIdQuery();
    QStringList ListCDDrives();
    void SelectCDDrive(int index);
    // Adds a disc image (cue sheet or cdrdao toc file) as one more drive;
    // its index, or -1 when the drive table is full.
    int AddDiscImage(const QString &path);

    // For owners that answer OnMultipleDiscsFound themselves: take match
    // index (fetching its entry when AutoDownloadDiscInfo), or give up and
    // leave the server.
    bool ChooseMatch(int index);
    void CancelMatches();

signals:
    void OnError();
    void OnConnect();
    void OnListCDDBServers();
    void OnDisconnect();
    void OnQueryCDDB();
    void OnReadDiscInfo();
    void OnCDDrivesList();
    void OnCommandSent();
    void OnDiscFound();
    void OnDiscNotFound();
    void OnMultipleDiscsFound();

private:
    struct TSocketEvent {
        enum Kind { Reply, Closed, BadReply } kind = Reply;
        TCDDBReplyLines Lines;
        QString Error;
        bool Partial = false;
    };

    void SendCommand(const QString &command);
    void ShowStatus();
    void RaiseError(const QString &text);
    void WaitWhileBusy();
    void WaitForReply();
    void ProcessEvents();
    void CloseSocket();
    void EnsureTrailingSlash();

    void SocketReadyRead();
    void SocketClosed();
    void ScheduleDispatch();
    void DispatchPending();
    void Dispatch(const TCDDBReplyLines &reply);
    void SocketLost(bool partialReply);
    void WaitTimedOut(const QString &text);
    void StopTimers();

    void GreetingReply(int code, const QStringList &lines);
    void HelloReply(int code, const QStringList &lines);
    void QueryReply(int code, const QStringList &lines);
    void TakeMatch(const tDiscResult &match);
    void ReadReply(int code, const QStringList &lines);
    void SitesReply(int code, const QStringList &lines);
    void QuitReply();
    void OfferMatches();

    QTcpSocket *FSocket = nullptr;
    QTimer *FReplyTimer = nullptr;    // the connection, the greeting, each reply
    QTimer *FExchangeTimer = nullptr; // the whole exchange
    bool FConnectTimedOut = false;
    std::unique_ptr<TfrmMultipleCD> FMultiple;
    std::unique_ptr<TfrmStatusCDDB> FStatus;

    TReplyFramer FFramer;
    std::deque<TSocketEvent> FPending;
    bool FDispatchScheduled = false;
    bool FClosingOurselves = false;

    QString FDiscIdQuery;
    TCDDBDisc FCDDBDisc;
    QStringList FEntryLines;
    QString FDiscID;
    QString FErrorText;
    bool FErrorRaised = false;
    TOperation FOperation = TOperation::Idle;
    bool FBusy = false;
    bool FAwaitingReply = false;
    bool FConnected = false;
    bool FLocalHit = false;
    int FAbortCount = 0;
    tDiscResult FCurrentMatch;
    QList<tDiscResult> FMatches;
    QStringList FServerList;
    QStringList FDriveList;
    TCDDrives FDrives;
    int FSelectedDrive = 0;
};
