#pragma once
// The CDDB client's own windows: the status window follows the client's
// OnStatus, the match window answers OnMultipleDiscsFound (the user picks a
// disc or cancels), and a reply nobody asked for beeps. Made a child of the
// client, so the windows go with it:
//
//     auto *client = new TCDDBFreeDB;
//     new TCDDBClientWindows(client);
//     ...
//     client->deleteLater();

#include <QObject>

#include <memory>

class TCDDBFreeDB;
class TfrmMultipleCD;
class TfrmStatusCDDB;

class TCDDBClientWindows : public QObject {
    Q_OBJECT
public:
    explicit TCDDBClientWindows(TCDDBFreeDB *client);
    ~TCDDBClientWindows() override;

    // Null until first needed.
    TfrmStatusCDDB *StatusWindow() const { return FStatus.get(); }
    TfrmMultipleCD *MultipleCDWindow() const { return FMultiple.get(); }

private:
    void ClientStatus();
    void ClientMultipleDiscs();
    void ClientDisconnected();

    TCDDBFreeDB *FClient;
    std::unique_ptr<TfrmStatusCDDB> FStatus;
    std::unique_ptr<TfrmMultipleCD> FMultiple;
};
