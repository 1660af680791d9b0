#pragma once
// TfrmCDDB: the track-list window. The user picks artist, album and tracks
// from the local CDDB folder (the preference "CDDBFolder") and the CD player
// database, arranges the tracks that go into the cover, and hands them to
// the cover wizard; its link opens TfrmFreeDB, which looks the disc in a
// drive up and hands that over instead. See WizardLines.h for how the wizard
// uses it:
//
//     TfrmCDDB dialog(wizardLines, this);
//     dialog.exec();   // Accepted when titles were handed over
//
// Both sources are read when the window is first shown.

#include "CDDBTitleSources.h"

#include <QDialog>

class TWizardLinesTarget;
class QListWidget;

namespace Ui {
class TfrmCDDB;
}

class TfrmCDDB : public QDialog {
    Q_OBJECT
public:
    // The list of tracks in the cover starts with the wizard's lines.
    explicit TfrmCDDB(TWizardLinesTarget &wizard, QWidget *parent = nullptr);
    ~TfrmCDDB() override;

    void ListAlbums();
    void ListTracks();
    void btnSelectAllTracksClick();
    void btnUnselectAllTracksClick();
    void btnMoveClick();
    void btnUpClick();
    void btnDownClick();
    void btnDeleteClick();
    void btnOKClick();
    void wlFreeDBClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void LocalizeForm();
    void LoadSources();
    void ShowSourceProblems();
    void UpdateTrackCount();
    void MoveSelection(bool up);

    Ui::TfrmCDDB *ui;
    TWizardLinesTarget &FWizard;
    TCDDBTitleSources FSources;
    bool FLoaded = false;
};
