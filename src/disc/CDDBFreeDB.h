#pragma once
// TCDDBFreeDB: finds the CDDB entry of the disc in a chosen drive, first in
// the local CDDB folder, then from a CDDB server over TCP. Every wait is an
// event-loop wait, so the user interface stays live and replies are handled
// inside those waits (a handler may send the next command and wait in turn).
// It needs no window: progress goes out through OnStatus (StatusShown,
// StatusMessage), a choice among several discs through OnMultipleDiscsFound
// (answered with ChooseMatch or CancelMatches), everything else through the
// other signals and ErrorText(). The program's windows subscribe to these
// (TCDDBClientWindows in the disc UI library); a command-line owner answers
// them itself.
//
// An owner deletes the client with deleteLater(), never from inside one of
// its signals: a signal may be raised from deep inside a wait.

#include "CDDBReply.h"
#include "DiscTypes.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>

class QTcpSocket;
class QTimer;

class TCDDBFreeDB : public QObject {
    Q_OBJECT
public:
    enum class TOperation { Idle, Hello, Proto, Query, LocalQuery, Read, LocalRead, Handling, Quit, Connecting, Sites };

    // The protocol level asked for after the handshake: replies in UTF-8,
    // with the year and genre of an entry.
    static constexpr int WantedProtocolLevel = 6;

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
    // The server's protocol level on this connection (1 until it says more).
    int ProtocolLevel() const { return FProtocolLevel; }
    // The last OnReadDiscInfo brought an entry (a read reply with one, or a
    // local file); false when the server answered the read without one and
    // CDDBDisc() is what it was before.
    bool DiscInfoRead() const { return FDiscInfoRead; }
    const tDiscResult &CurrentMatch() const { return FCurrentMatch; }
    const QList<tDiscResult> &Matches() const { return FMatches; }
    const QStringList &ServerList() const { return FServerList; }
    const QStringList &DriveList() const { return FDriveList; }
    const TCDDrives &CDDrives() const { return FDrives; }
    int SelectedDrive() const { return FSelectedDrive; }

    // The status text of an operation ("" for idle and handling).
    static QString StatusText(TOperation operation);
    // What a status window shows, as of the last OnStatus: whether it is up
    // (never again once SilentMode is set, and not while idle) and its line.
    bool StatusShown() const { return FStatusShown; }
    QString StatusMessage() const { return FStatusMessage; }

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

    // The answer to OnMultipleDiscsFound: take match index (fetching its
    // entry when AutoDownloadDiscInfo), or give up and leave the server.
    // Only while the offer stands (it ends with the answer and with Abort);
    // otherwise they do nothing and ChooseMatch gives false.
    bool ChooseMatch(int index);
    void CancelMatches();
    bool MatchesOffered() const { return FMatchesOffered; }

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
    // Several discs: Matches() lists them. Without a receiver the client
    // gives up (CancelMatches).
    void OnMultipleDiscsFound();
    // StatusShown or StatusMessage may have changed.
    void OnStatus();
    // A reply came while nothing was asked; a window sounds the beep.
    void OnUnexpectedReply();

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
    void ProtoReply(int code, const QStringList &lines);
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
    bool FStatusShown = false;
    QString FStatusMessage;
    bool FMatchesOffered = false;

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
    int FProtocolLevel = 1;
    bool FDiscInfoRead = false;
    int FAbortCount = 0;
    tDiscResult FCurrentMatch;
    QList<tDiscResult> FMatches;
    QStringList FServerList;
    QStringList FDriveList;
    TCDDrives FDrives;
    int FSelectedDrive = 0;
};
