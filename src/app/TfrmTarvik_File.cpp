// Opening and saving documents. The document file format arrives with its
// own work; until then these commands tell the user plainly that they are not
// available instead of pretending to work.

#include "TfrmTarvik.h"

#include "MessageBoxes.h"

void TfrmTarvik::btnOpenClick()
{
    if (!ConfirmDiscard())
        return;
    MessageBoxes::ShowMessage(this, tr("Opening documents is not available in this version yet."));
}

void TfrmTarvik::btnSaveClick(QObject *sender)
{
    SaveDocument(sender == mnuSaveAs || FCurrentFile.isEmpty());
}

bool TfrmTarvik::SaveDocument(bool askForName)
{
    Q_UNUSED(askForName);
    MessageBoxes::ShowMessage(this, tr("Saving documents is not available in this version yet."));
    return false;
}

bool TfrmTarvik::OpenDocument(const QString &path)
{
    Q_UNUSED(path);
    MessageBoxes::ShowMessage(this, tr("Opening documents is not available in this version yet."));
    return false;
}
