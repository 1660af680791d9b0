#include "CDDBClientWindows.h"

#include "CDDBFreeDB.h"
#include "uMultipleCd.h"
#include "uStatusCDDB.h"

#include <QApplication>

TCDDBClientWindows::TCDDBClientWindows(TCDDBFreeDB *client)
    : QObject(client)
    , FClient(client)
{
    connect(client, &TCDDBFreeDB::OnStatus, this, &TCDDBClientWindows::ClientStatus);
    connect(client, &TCDDBFreeDB::OnMultipleDiscsFound, this, &TCDDBClientWindows::ClientMultipleDiscs);
    connect(client, &TCDDBFreeDB::OnDisconnect, this, &TCDDBClientWindows::ClientDisconnected);
    connect(client, &TCDDBFreeDB::OnUnexpectedReply, this, [] { QApplication::beep(); });
}

TCDDBClientWindows::~TCDDBClientWindows() = default;

void TCDDBClientWindows::ClientStatus()
{
    if (!FClient->StatusShown()) {
        if (FStatus)
            FStatus->hide();
        return;
    }
    if (!FStatus)
        FStatus = std::make_unique<TfrmStatusCDDB>();
    FStatus->SetMessage(FClient->StatusMessage());
    if (!FStatus->isVisible())
        FStatus->show();
    FStatus->update();
}

void TCDDBClientWindows::ClientMultipleDiscs()
{
    if (!FMultiple)
        FMultiple = std::make_unique<TfrmMultipleCD>();
    FMultiple->Fill(FClient->Matches());
    const int result = FMultiple->exec();
    const int chosen = FMultiple->ChosenIndex();
    // Abort while the window was open has ended the offer already; the
    // answers below then do nothing.
    if (result <= 0 || chosen < 0)
        FClient->CancelMatches();
    else
        FClient->ChooseMatch(chosen);
}

void TCDDBClientWindows::ClientDisconnected()
{
    if (FMultiple && FMultiple->isVisible())
        FMultiple->btnCancelClick();
}
