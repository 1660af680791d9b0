#pragma once
// TfrmFreeDB: the CDDB window. It reads the disc in a drive (or a disc
// image: a cue sheet or a cdrdao toc file) with its CDDB client, looks the
// disc up in the local copy and on a CDDB server, and hands the titles found
// to the cover wizard (see WizardLines.h). Opened from the track-list
// window's link:
//
//     TfrmFreeDB dialog(wizardLines, this);
//     connect(&dialog, &TfrmFreeDB::DiscHandedOver, this, &QDialog::accept);
//     dialog.exec();
//
// "Get the CD info" works once per opening. The client lives as long as the
// window and is deleted with deleteLater() after it, never from inside one
// of its own signals.

#include <QDialog>

class TCDDBFreeDB;
class TWizardLinesTarget;

namespace Ui {
class TfrmFreeDB;
}

class TfrmFreeDB : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFreeDB(TWizardLinesTarget &wizard, QWidget *parent = nullptr);
    ~TfrmFreeDB() override;

    TCDDBFreeDB *Client() const { return CDDBFreeDB1; }

    // Checks the boxes (messages 9100, 9110, 9105 and the port message),
    // gives the client what they hold and stores the five settings.
    bool ValidateSettings();
    void cmbCDDrivesChange(int index);
    void cmbCDDrivesActivated(int index);
    // Adds a cue sheet or toc file as one more drive and selects it; false,
    // with a message, when it holds no disc that can be read.
    bool UseDiscImage(const QString &path);
    void btnConnectClick();
    void btnRefreshServerClick();
    void btnCDDBFolderClick();
    void btnCancelClick();

signals:
    // A disc read has gone to the wizard; this window closes right after.
    void DiscHandedOver();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void LocalizeForm();
    void ChooseDiscImage();
    void CDDBFreeDB1Error();
    void CDDBFreeDB1ListCDDBServers();
    void CDDBFreeDB1DiscNotFound();
    void CDDBFreeDB1ReadDiscInfo();

    Ui::TfrmFreeDB *ui;
    TWizardLinesTarget &FWizard;
    TCDDBFreeDB *CDDBFreeDB1;
    bool FShown = false;
    int FLastDrive = -1;
    int FErrorsShown = 0;
};
