#include "CDDBFreeDB.h"

#include "CDDBLocalFolder.h"
#include "CDDBParser.h"
#include "CDDevice.h"
#include "DiscID.h"
#include "uResource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHostInfo>
#include <QMetaMethod>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QTcpSocket>
#include <QTimer>

namespace {

const QString NoCDText = QStringLiteral(
    "No CD found!\r\nPlease insert a CDAudio in your CDDrive before querying the FreeDB");
const QString NotConnectedText = QStringLiteral("Not connected to server!");
const QString ConnectionErrorText = QStringLiteral("Connection error");

QString Seconds(int ms)
{
    return QString::number(ms / 1000.0);
}

} // namespace

TCDDBFreeDB::TCDDBFreeDB(QObject *parent)
    : QObject(parent)
    , FSocket(new QTcpSocket(this))
    , FReplyTimer(new QTimer(this))
    , FExchangeTimer(new QTimer(this))
{
    FReplyTimer->setSingleShot(true);
    FExchangeTimer->setSingleShot(true);
    connect(FReplyTimer, &QTimer::timeout, this, [this] {
        if (FOperation == TOperation::Connecting && !FConnected) {
            // Connect's own wait sees the socket give up.
            FConnectTimedOut = true;
            FSocket->abort();
            return;
        }
        WaitTimedOut(Str(9800).arg(Seconds(FReplyTimer->interval())));
    });
    connect(FExchangeTimer, &QTimer::timeout, this, [this] {
        // A connection kept open while nothing is asked (after the server
        // list) waits for nobody.
        if (!FAwaitingReply && !FBusy)
            return;
        WaitTimedOut(Str(9805).arg(Seconds(FExchangeTimer->interval())));
    });
    connect(FSocket, &QTcpSocket::readyRead, this, &TCDDBFreeDB::SocketReadyRead);
    connect(FSocket, &QTcpSocket::disconnected, this, &TCDDBFreeDB::SocketClosed);
    connect(FSocket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        // A failure while connecting is seen by Connect's own wait.
        if (FOperation != TOperation::Connecting || FConnected)
            SocketClosed();
    });
}

TCDDBFreeDB::~TCDDBFreeDB()
{
    FClosingOurselves = true;
    FSocket->abort();
}

QString TCDDBFreeDB::StatusText(TOperation operation)
{
    switch (operation) {
    case TOperation::Hello:
    case TOperation::Proto: return QStringLiteral("Hanshaking with the FreeDb Server");
    case TOperation::Query: return QStringLiteral("Querying the FreeDb archive");
    case TOperation::LocalQuery: return QStringLiteral("Querying the local FreeDb archive");
    case TOperation::Read: return QStringLiteral("Reading disc information");
    case TOperation::LocalRead: return QStringLiteral("Reading local disc information");
    case TOperation::Quit: return QStringLiteral("Disconnecting from the FreeDb Server");
    case TOperation::Connecting: return QStringLiteral("Connecting to the FreeDb Server");
    case TOperation::Sites: return QStringLiteral("Retrieving a list of FreeDb Servers");
    case TOperation::Idle:
    case TOperation::Handling: break;
    }
    return {};
}

// ---- waiting and status -------------------------------------------------

void TCDDBFreeDB::ProcessEvents()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TCDDBFreeDB::WaitWhileBusy()
{
    while (FBusy && !QCoreApplication::closingDown())
        ProcessEvents();
}

void TCDDBFreeDB::WaitForReply()
{
    while (FAwaitingReply && FErrorText.isEmpty() && !QCoreApplication::closingDown())
        ProcessEvents();
}

void TCDDBFreeDB::ShowStatus()
{
    if (!FErrorText.isEmpty())
        FOperation = TOperation::Idle;
    if (FOperation == TOperation::Idle) {
        FStatusShown = false;
    } else {
        // Once silent, a status that is down stays down.
        if (!SilentMode)
            FStatusShown = true;
        FStatusMessage = StatusText(FOperation);
    }
    emit OnStatus();
}

void TCDDBFreeDB::RaiseError(const QString &text)
{
    FErrorText = text;
    FErrorRaised = true;
    ShowStatus();
    emit OnError();
}

// ---- socket -------------------------------------------------------------

void TCDDBFreeDB::StopTimers()
{
    FReplyTimer->stop();
    FExchangeTimer->stop();
}

void TCDDBFreeDB::WaitTimedOut(const QString &text)
{
    const bool quitting = FOperation == TOperation::Quit;
    FPending.clear();
    CloseSocket();
    FConnected = false;
    FBusy = FAwaitingReply = false;
    if (quitting) {
        // Everything asked for has arrived; a server that does not say
        // goodbye changes nothing.
        FOperation = TOperation::Idle;
        ShowStatus();
        emit OnDisconnect();
        return;
    }
    RaiseError(text);
}

void TCDDBFreeDB::CloseSocket()
{
    StopTimers();
    {
        const QScopedValueRollback<bool> closing(FClosingOurselves, true);
        FSocket->abort();
    }
    FFramer.Reset();
}

void TCDDBFreeDB::SendCommand(const QString &command)
{
    if (FSocket->state() != QAbstractSocket::ConnectedState) {
        FConnected = false;
        FBusy = FAwaitingReply = false;
        if (FOperation == TOperation::Quit) {
            FOperation = TOperation::Idle;
            ShowStatus();
            emit OnDisconnect();
        } else {
            RaiseError(ConnectionErrorText);
        }
        return;
    }
    FBusy = true;
    FAwaitingReply = true;
    ShowStatus();
    FReplyTimer->start(ReplyTimeout);
    FSocket->write(command.toUtf8() + "\r\n");
    emit OnCommandSent();
}

void TCDDBFreeDB::SocketReadyRead()
{
    if (FClosingOurselves)
        return;
    const QByteArray bytes = FSocket->readAll();
    if (bytes.isEmpty())
        return;
    QList<TCDDBReplyLines> replies;
    QString error;
    const bool ok = FFramer.Feed(bytes, replies, error);
    for (const TCDDBReplyLines &reply : replies)
        FPending.push_back(TSocketEvent{TSocketEvent::Reply, reply, {}, false});
    if (!ok) {
        FPending.push_back(TSocketEvent{TSocketEvent::BadReply, {}, error, false});
        // Nothing after a bad reply can be framed reliably.
        CloseSocket();
    }
    ScheduleDispatch();
}

void TCDDBFreeDB::SocketClosed()
{
    if (FClosingOurselves)
        return;
    if (FSocket->bytesAvailable() > 0)
        SocketReadyRead();
    // Replies that arrived before the close are handled first.
    FPending.push_back(TSocketEvent{TSocketEvent::Closed, {}, {}, FFramer.HasPartialReply()});
    FFramer.Reset();
    ScheduleDispatch();
}

// Replies are handled from the event loop rather than inside the socket's
// signal: a handler may send the next command and wait for its reply, and the
// socket does not report new data while its own signal is still running.
void TCDDBFreeDB::ScheduleDispatch()
{
    if (FDispatchScheduled || FPending.empty())
        return;
    FDispatchScheduled = true;
    QMetaObject::invokeMethod(this, &TCDDBFreeDB::DispatchPending, Qt::QueuedConnection);
}

void TCDDBFreeDB::DispatchPending()
{
    FDispatchScheduled = false;
    if (FPending.empty())
        return;
    const TSocketEvent event = FPending.front();
    FPending.pop_front();
    ScheduleDispatch(); // the next one may be awaited inside this handler
    switch (event.kind) {
    case TSocketEvent::Reply:
        Dispatch(event.Lines);
        break;
    case TSocketEvent::Closed:
        SocketLost(event.Partial);
        break;
    case TSocketEvent::BadReply:
        FPending.clear();
        FConnected = false;
        FBusy = FAwaitingReply = false;
        RaiseError(event.Error);
        break;
    }
}

void TCDDBFreeDB::SocketLost(bool partialReply)
{
    // A close already dealt with (the socket reports errors and the close
    // itself, and a quit reply closes the connection before the peer does).
    if (!FConnected && !FAwaitingReply && !partialReply)
        return;
    const bool wasQuitting = FOperation == TOperation::Quit;
    const bool awaited = FAwaitingReply || partialReply;
    StopTimers();
    FConnected = false;
    FBusy = FAwaitingReply = false;
    if (awaited && !wasQuitting) {
        RaiseError(ConnectionErrorText);
        return;
    }
    FOperation = TOperation::Idle;
    ShowStatus();
    emit OnDisconnect();
}

void TCDDBFreeDB::Dispatch(const TCDDBReplyLines &reply)
{
    const TOperation previous = FOperation;
    FOperation = TOperation::Handling;
    // The reply has arrived: nothing is outstanding while it is handled, and
    // a command the handler sends sets both flags again.
    FBusy = false;
    FAwaitingReply = false;
    FReplyTimer->stop();
    const QStringList lines = DecodeReply(reply);
    const int code = ReplyStatusCode(reply.first());
    switch (previous) {
    case TOperation::Connecting: GreetingReply(code, lines); break;
    case TOperation::Hello: HelloReply(code, lines); break;
    case TOperation::Proto: ProtoReply(code, lines); break;
    case TOperation::Query: QueryReply(code, lines); break;
    case TOperation::Read: ReadReply(code, lines); break;
    case TOperation::Sites: SitesReply(code, lines); break;
    case TOperation::Quit: QuitReply(); break;
    case TOperation::Handling: emit OnUnexpectedReply(); break;
    default: break;
    }
}

// ---- reply handlers -----------------------------------------------------

static QString StatusLine(const QStringList &lines)
{
    QString line = lines.value(0);
    while (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

// The server's own words, to be shown.
static QString ServerWords(const QStringList &lines)
{
    return ShownText(StatusLine(lines));
}

void TCDDBFreeDB::GreetingReply(int code, const QStringList &lines)
{
    QString error;
    switch (code) {
    case 200:
    case 201: FConnected = true; return;
    case 432: error = QStringLiteral("No connection allowed: permissions denied"); break;
    case 433: error = QStringLiteral("No connection allowed: X users allowed, Y currently active"); break;
    case 434: error = QStringLiteral("No connection allowed: system load too hight"); break;
    default: error = ServerWords(lines); break;
    }
    // A refused connection is closed here; nothing more can be asked of it.
    CloseSocket();
    FConnected = false;
    RaiseError(error);
}

void TCDDBFreeDB::HelloReply(int code, const QStringList &lines)
{
    switch (code) {
    case 200: emit OnConnect(); return;
    case 402: return;
    case 431: RaiseError(QStringLiteral("Handshake not successful, closing connection")); return;
    default: RaiseError(ServerWords(lines)); return;
    }
}

void TCDDBFreeDB::ProtoReply(int code, const QStringList &lines)
{
    // "201 OK, CDDB protocol level now: 6", "502 Protocol level already 6";
    // a server that refuses (501) or does not know the command goes on at
    // the level it has.
    if (code == 201 || code == 502) {
        static const QRegularExpression level(QStringLiteral("(\\d+)\\s*$"));
        const QRegularExpressionMatch m = level.match(StatusLine(lines));
        if (m.hasMatch())
            FProtocolLevel = qBound(1, m.captured(1).toInt(), WantedProtocolLevel);
    }
}

void TCDDBFreeDB::TakeMatch(const tDiscResult &match)
{
    // The one disc the server names: reported, then read when asked to.
    FCurrentMatch = match;
    emit OnQueryCDDB();
    emit OnDiscFound();
    FBusy = false;
    if (AutoDownloadDiscInfo)
        DownloadDiscInfo();
}

void TCDDBFreeDB::QueryReply(int code, const QStringList &lines)
{
    if (code == 200) {
        tDiscResult match;
        ParseMatchLine(StatusLine(lines).mid(4), match);
        TakeMatch(match);
        return;
    }
    if (code == 202) {
        FBusy = false;
        Disconnect();
        WaitWhileBusy();
        WaitForReply();
        emit OnDiscNotFound();
        return;
    }
    if (code == 210 || code == 211) {
        // 210 lists several exact matches, 211 inexact ones: both are offered.
        FMatches.clear();
        for (int i = 1; i + 1 < lines.size(); ++i) {
            tDiscResult match;
            if (ParseMatchLine(lines[i], match))
                FMatches << match;
        }
        if (code == 210 && FMatches.size() == 1) {
            TakeMatch(FMatches.first());
            return;
        }
        OfferMatches();
        return;
    }
    emit OnQueryCDDB();
    // Any other answer ends the lookup; the server's own words tell why.
    RaiseError(ServerWords(lines));
    Disconnect();
}

void TCDDBFreeDB::OfferMatches()
{
    FMatchesOffered = true;
    if (!isSignalConnected(QMetaMethod::fromSignal(&TCDDBFreeDB::OnMultipleDiscsFound))) {
        CancelMatches();
        return;
    }
    // The user's choice is no wait for the server: the exchange's clock
    // stops while the offer stands (a match window answers inside the
    // signal).
    const int abortCount = FAbortCount;
    const int exchangeLeft = FExchangeTimer->isActive() ? FExchangeTimer->remainingTime() : -1;
    FExchangeTimer->stop();
    emit OnMultipleDiscsFound();
    if (exchangeLeft >= 0 && abortCount == FAbortCount && FConnected && !FExchangeTimer->isActive())
        FExchangeTimer->start(exchangeLeft);
}

bool TCDDBFreeDB::ChooseMatch(int index)
{
    if (!FMatchesOffered || index < 0 || index >= FMatches.size())
        return false;
    FMatchesOffered = false;
    FCurrentMatch = FMatches[index];
    FBusy = false;
    if (AutoDownloadDiscInfo)
        return DownloadDiscInfo();
    return true;
}

void TCDDBFreeDB::CancelMatches()
{
    if (!FMatchesOffered)
        return;
    FMatchesOffered = false;
    FBusy = false;
    Disconnect();
    WaitWhileBusy();
    WaitForReply();
}

void TCDDBFreeDB::ReadReply(int code, const QStringList &lines)
{
    FDiscInfoRead = code == 210;
    if (code == 210)
        FCDDBDisc = ParseEntry(lines, true, FCurrentMatch.Category, QString(), &FEntryLines);
    emit OnReadDiscInfo();
    FBusy = false;
    Disconnect();
}

void TCDDBFreeDB::SitesReply(int code, const QStringList &lines)
{
    FServerList.clear();
    if (code == 210)
        FServerList = ServerListOfSites(lines.mid(1, lines.size() - 2));
    FOperation = TOperation::Idle;
    ShowStatus();
    FBusy = FAwaitingReply = false;
    emit OnListCDDBServers();
}

void TCDDBFreeDB::QuitReply()
{
    CloseSocket();
    FConnected = false;
    FOperation = TOperation::Idle;
    ShowStatus();
    emit OnDisconnect();
}

// ---- operations ---------------------------------------------------------

bool TCDDBFreeDB::Connect()
{
    FOperation = TOperation::Connecting;
    ShowStatus();
    if (FSocket->state() != QAbstractSocket::ConnectedState) {
        // A new connection starts afresh: an error left from an earlier
        // attempt would otherwise end the wait for the greeting at once.
        FErrorText.clear();
        FErrorRaised = false;
        CloseSocket();
        FPending.clear();
        FProtocolLevel = 1;
        FAwaitingReply = true; // the greeting
        const int abortCount = FAbortCount;
        FConnectTimedOut = false;
        FExchangeTimer->start(ExchangeTimeout);
        FReplyTimer->start(ConnectTimeout);
        FSocket->connectToHost(CDDBServerName, quint16(CDDBServerPort));
        while ((FSocket->state() == QAbstractSocket::HostLookupState
                || FSocket->state() == QAbstractSocket::ConnectingState)
               && abortCount == FAbortCount) {
            if (QCoreApplication::closingDown()) {
                FAwaitingReply = false;
                RaiseError(ConnectionErrorText);
                return false;
            }
            ProcessEvents();
        }
        if (abortCount != FAbortCount)
            return false;
        if (FSocket->state() != QAbstractSocket::ConnectedState) {
            FAwaitingReply = false;
            FErrorText = FConnectTimedOut
                ? Str(9810)
                      .arg(CDDBServerName)
                      .arg(CDDBServerPort)
                      .arg(Seconds(ConnectTimeout))
                : QStringLiteral(
                      "Unable to connect to the FreeDB server, please be sure to be connected to the Internet!");
            CloseSocket();
            ShowStatus();
            return false;
        }
        FReplyTimer->start(ReplyTimeout); // the greeting
    }
    FConnected = true;
    WaitForReply();
    if (!FConnected || !FErrorText.isEmpty())
        return false;
    return Handshake();
}

bool TCDDBFreeDB::Handshake()
{
    WaitWhileBusy();
    if (FSocket->state() != QAbstractSocket::ConnectedState) {
        FOperation = TOperation::Connecting;
        return Connect();
    }
    if (HostName.isEmpty()) {
        const QList<QHostAddress> addresses = QHostInfo::fromName(QHostInfo::localHostName()).addresses();
        HostName = addresses.isEmpty() ? QStringLiteral("unknown") : addresses.first().toString();
    }
    if (UserName.isEmpty() || HostName.isEmpty() || ClientName.isEmpty() || ClientVersion.isEmpty()) {
        RaiseError(QStringLiteral(
            "Handshaking impossible: username, hostname, clientname or clientversion information not set!"));
        return false;
    }
    FOperation = TOperation::Hello;
    QString version = ClientVersion;
    version.replace(QLatin1Char(' '), QLatin1Char('_'));
    SendCommand(QStringLiteral("cddb hello %1 %2 %3 %4").arg(UserName, HostName, ClientName, version));
    WaitForReply();
    if (!FErrorText.isEmpty() || !FConnected)
        return false;
    // Level 1 turns every character outside ISO-8859-1 into "?" and sends
    // no year or genre.
    if (FProtocolLevel < WantedProtocolLevel) {
        FOperation = TOperation::Proto;
        SendCommand(QStringLiteral("proto %1").arg(WantedProtocolLevel));
        WaitForReply();
    }
    return FErrorText.isEmpty();
}

bool TCDDBFreeDB::QueryDisc()
{
    const int abortCount = FAbortCount;
    FErrorText.clear();
    FErrorRaised = false;
    FDiscID.clear();
    FDiscIdQuery.clear();
    FCurrentMatch = tDiscResult{};
    FCDDBDisc.DiscID.clear();
    FMatches.clear();
    FMatchesOffered = false;
    FEntryLines.clear();
    FBusy = FAwaitingReply = FLocalHit = false;

    WaitWhileBusy();
    QString notADisc;
    FDiscID = ::ComputeDiscID(ReadToc(FDrives, FSelectedDrive, &notADisc));
    if (FDiscID.isEmpty()) {
        RaiseError(notADisc.isEmpty() ? NoCDText : Str(9815).arg(notADisc));
        return false;
    }

    if (!LocalCDDB.isEmpty()) {
        FOperation = TOperation::LocalQuery;
        ShowStatus();
        if (FindLocalEntry(FDiscID)) {
            FLocalHit = true;
            emit OnDiscFound();
            FOperation = TOperation::LocalRead;
            ShowStatus();
            const bool read = DownloadDiscInfo();
            FOperation = TOperation::Idle;
            ShowStatus();
            return read;
        }
    }

    if (!FConnected) {
        WaitWhileBusy();
        FOperation = TOperation::Connecting;
        if (!Connect()) {
            if (abortCount != FAbortCount)
                return false;
            if (FErrorText.isEmpty())
                FErrorText = NotConnectedText;
            if (!FErrorRaised) {
                FErrorRaised = true;
                ShowStatus();
                emit OnError();
            }
            if (FConnected)
                Disconnect();
            return false;
        }
    }
    // A refused handshake has been reported; the query would not be answered.
    if (!FConnected || !FErrorText.isEmpty()) {
        if (FConnected)
            Disconnect();
        return false;
    }

    WaitWhileBusy();
    FDiscIdQuery = BuildDiscIdQuery();
    FOperation = TOperation::Query;
    SendCommand(QStringLiteral("cddb query ") + FDiscIdQuery);
    WaitForReply();
    return FErrorText.isEmpty() && abortCount == FAbortCount;
}

bool TCDDBFreeDB::DownloadDiscInfo()
{
    WaitWhileBusy();
    if ((FConnected || FLocalHit) && !FCurrentMatch.DiscID.isEmpty()) {
        if (FLocalHit) {
            FBusy = FAwaitingReply = false;
            QStringList lines;
            QString error;
            if (!ReadEntryLines(FCurrentMatch.FileName, lines, &error)) {
                RaiseError(error);
                return false;
            }
            FCDDBDisc = ParseEntry(lines, false, CategoryOfPath(FCurrentMatch.FileName), FCurrentMatch.FileName,
                                   &FEntryLines);
            FDiscInfoRead = true;
            emit OnReadDiscInfo();
            return true;
        }
        // Category and identifier come from the server and go back into a
        // command line: anything but plain words could smuggle in commands.
        if (!IsValidCategory(FCurrentMatch.Category) || !IsValidDiscId(FCurrentMatch.DiscID)) {
            RaiseError(Str(9820).arg(ShownText(FCurrentMatch.Category), ShownText(FCurrentMatch.DiscID)));
            Disconnect();
            return false;
        }
        FOperation = TOperation::Read;
        SendCommand(QStringLiteral("cddb read %1 %2").arg(FCurrentMatch.Category, FCurrentMatch.DiscID));
        return true;
    }
    if (FCurrentMatch.DiscID.isEmpty())
        FErrorText = QStringLiteral("You have to get the DISCID before querying the freeCDDB");
    else if (FErrorText.isEmpty())
        FErrorText = NotConnectedText;
    RaiseError(FErrorText);
    return false;
}

bool TCDDBFreeDB::RequestServerList()
{
    WaitWhileBusy();
    if (FConnected) {
        FOperation = TOperation::Sites;
        SendCommand(QStringLiteral("sites"));
        return true;
    }
    RaiseError(FErrorText.isEmpty() ? NotConnectedText : FErrorText);
    return false;
}

void TCDDBFreeDB::Disconnect()
{
    WaitWhileBusy();
    FOperation = TOperation::Quit;
    SendCommand(QStringLiteral("quit"));
}

void TCDDBFreeDB::Abort()
{
    ++FAbortCount;
    FBusy = FAwaitingReply = false;
    SilentMode = true;
    FPending.clear();
    CloseSocket();
    FConnected = false;
    FOperation = TOperation::Idle;
    FMatchesOffered = false;
    ShowStatus();
    emit OnDisconnect();
}

// ---- local folder -------------------------------------------------------

void TCDDBFreeDB::EnsureTrailingSlash()
{
    if (!LocalCDDB.isEmpty() && !LocalCDDB.endsWith(QLatin1Char('/')))
        LocalCDDB += QLatin1Char('/');
}

bool TCDDBFreeDB::FindLocalEntry(const QString &discId)
{
    FCurrentMatch.FileName.clear();
    if (discId.isEmpty())
        return false;
    EnsureTrailingSlash();
    QString fileName;
    TCDDBDisc disc;
    if (!FindLocalEntryFile(LocalCDDB, discId, fileName, disc))
        return false;
    FCurrentMatch.DiscID = discId;
    FCurrentMatch.Artist = disc.Artist;
    FCurrentMatch.Title = disc.Title;
    FCurrentMatch.DiscTitle = disc.DiscTitle;
    FCurrentMatch.Category = CategoryOfPath(fileName);
    FCurrentMatch.FileName = fileName;
    emit OnQueryCDDB();
    return true;
}

bool TCDDBFreeDB::SaveLocalCopy()
{
    WaitWhileBusy();
    auto fail = [this](const QString &message) {
        RaiseError(message);
        return false;
    };
    if (FCDDBDisc.DiscID.isEmpty())
        return fail(QStringLiteral("There are no disc info to be saved!"));
    if (LocalCDDB.isEmpty())
        return fail(QStringLiteral("The FreeCDDB local folder is not set!"));
    EnsureTrailingSlash();

    QString category;
    QString name;
    if (FCDDBDisc.FileName.isEmpty()) {
        // The server's entry is named by the identifier asked for: an entry
        // that names another disc must not take that disc's file.
        const QString asked = FCurrentMatch.DiscID;
        if (!EntryListsDiscId(FCDDBDisc, asked))
            return fail(Str(9825).arg(FCDDBDisc.DiscID, asked));
        QString fileName, error;
        if (!LocalCopyFileName(LocalCDDB, FCDDBDisc.Category, asked, fileName, error))
            return fail(error);
        category = FCDDBDisc.Category;
        name = asked;
    } else {
        // An entry read from the local folder goes back to its own file,
        // which must lie in a category folder of this local folder.
        const QFileInfo file(FCDDBDisc.FileName);
        const QString root = QFileInfo(LocalCDDB).canonicalFilePath();
        const QString parent = QFileInfo(QFileInfo(file.absolutePath()).absolutePath()).canonicalFilePath();
        if (root.isEmpty() || parent != root)
            return fail(Str(9830).arg(FCDDBDisc.FileName));
        category = file.absoluteDir().dirName();
        name = file.fileName();
    }

    if (!FDiscID.isEmpty() && FCurrentMatch.DiscID != FDiscID)
        FEntryLines = ExtendDiscIdLines(FEntryLines, FDiscID);
    QString error;
    if (!WriteEntryFile(LocalCDDB, category, name, FEntryLines, error))
        return fail(Str(9835).arg(error));
    FCDDBDisc.FileName = LocalCDDB + category + QLatin1Char('/') + name;
    return true;
}

// ---- drives -------------------------------------------------------------

QString TCDDBFreeDB::ComputeDiscID()
{
    return ::ComputeDiscID(ReadToc(FDrives, FSelectedDrive));
}

QString TCDDBFreeDB::BuildDiscIdQuery()
{
    const TCDToc toc = ReadToc(FDrives, FSelectedDrive);
    return ::BuildDiscIdQuery(toc, ::ComputeDiscID(toc));
}

QStringList TCDDBFreeDB::ListCDDrives()
{
    EnumerateCDDrives(FDrives);
    FDriveList = ::ListCDDrives(FDrives);
    emit OnCDDrivesList();
    return FDriveList;
}

void TCDDBFreeDB::SelectCDDrive(int index)
{
    FSelectedDrive = index;
}

int TCDDBFreeDB::AddDiscImage(const QString &path)
{
    if (FDrives.Count >= MaxCDDrives)
        return -1;
    const int index = FDrives.Count++;
    TCDDrive &drive = FDrives.Drives[index];
    drive = TCDDrive{};
    drive.DevicePath = path;
    drive.Description = QFileInfo(path).fileName();
    FDriveList = ::ListCDDrives(FDrives);
    return index;
}
