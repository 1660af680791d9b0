#pragma once
// What the disc information windows exchange with the cover wizard: the
// wizard's track lines go in, chosen titles come back. Neither side needs
// the other's window classes, and tests stand a fake wizard in.
//
// How the wizard connects (its button "Get titles from CDPlayer DB or Edit
// the titles", btnCDDB):
//
//     // src/wizard: the wizard's three boxes seen as a TWizardLinesTarget
//     class TWizardBoxes : public TWizardLinesTarget {
//     public:
//         explicit TWizardBoxes(TfrmWizard &w) : FWizard(w) {}
//         QStringList CurrentTrackLines() const override
//         {
//             return TrackLinesOfText(FWizard.txtCDTracks->toPlainText());
//         }
//         void ReceiveTitles(const TWizardTitles &titles) override
//         {
//             FWizard.txtCDTracks->setPlainText(TextOfTrackLines(titles.Tracks));
//             if (titles.HasArtistTitle) {
//                 FWizard.txtCDAuthor->setText(titles.Artist);
//                 FWizard.txtCDTitle->setText(titles.Title);
//             }
//         }
//     private:
//         TfrmWizard &FWizard;
//     };
//
//     void TfrmWizard::btnCDDBClick()
//     {
//         TWizardBoxes boxes(*this);
//         TfrmCDDB dialog(boxes, this);   // src/disc/ui/uCDDBFRM.h
//         dialog.exec();                  // Accepted when titles were handed over
//     }
//
// TfrmCDDB reads CurrentTrackLines() once, when it is made, into its list of
// tracks in the cover. Its OK calls ReceiveTitles with that list (and the
// artist and album when "Insert current Artist name and Album title too" is
// ticked). Its link opens TfrmFreeDB with the same target; a disc read there
// is handed over with ReceiveTitles (tracks, artist and title, always), and
// both windows close, so exec() returns to the wizard. Cancel hands nothing
// over. ReceiveTitles is called at most once per exec(), from the user's
// click or from the end of a CDDB lookup; it must not delete the windows.

#include <QString>
#include <QStringList>

// Titles handed to the wizard.
struct TWizardTitles {
    QStringList Tracks;          // the new content of the track box, one title per line, in order
    QString Artist;              // for the author box
    QString Title;               // for the title box
    bool HasArtistTitle = false; // Artist and Title replace the author and title boxes; else those stay
};

// The wizard, as the disc information windows see it.
class TWizardLinesTarget {
public:
    virtual ~TWizardLinesTarget() = default;
    // The lines now in the wizard's track box.
    virtual QStringList CurrentTrackLines() const = 0;
    // Puts chosen titles into the wizard's boxes (see TWizardTitles).
    virtual void ReceiveTitles(const TWizardTitles &titles) = 0;
};

// The lines of a track box's text ("" gives no line; a final line end adds
// no empty line) and back (lines joined by "\n").
QStringList TrackLinesOfText(const QString &text);
QString TextOfTrackLines(const QStringList &lines);
