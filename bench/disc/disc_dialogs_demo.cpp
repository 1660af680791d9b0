// The disc information windows as a user meets them, before the cover
// wizard exists: a small window stands in for the wizard's title, author
// and track boxes, connected to the track-list window exactly as the wizard
// will be (see WizardLines.h). "Titles..." opens the track-list window; its
// link opens the CDDB window. For looking at the windows under Xvfb:
//   XDG_CONFIG_HOME=/tmp/x build/bench/disc/disc_dialogs_demo

#include "WizardLines.h"
#include "uCDDBFRM.h"

#include <QApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdio>

namespace {

class TWizardStandIn : public QWidget, public TWizardLinesTarget {
public:
    TWizardStandIn()
    {
        setWindowTitle(QStringLiteral("Wizard stand-in"));
        setObjectName(QStringLiteral("WizardStandIn"));
        txtCDTitle->setObjectName(QStringLiteral("txtCDTitle"));
        txtCDAuthor->setObjectName(QStringLiteral("txtCDAuthor"));
        txtCDTracks->setObjectName(QStringLiteral("txtCDTracks"));
        auto *button = new QPushButton(QStringLiteral("Titles..."), this);
        button->setObjectName(QStringLiteral("btnCDDB"));
        auto *form = new QFormLayout(this);
        form->addRow(QStringLiteral("CD title:"), txtCDTitle);
        form->addRow(QStringLiteral("CD author:"), txtCDAuthor);
        form->addRow(QStringLiteral("Tracks:"), txtCDTracks);
        form->addRow(button);
        resize(420, 360);
        connect(button, &QPushButton::clicked, this, [this] {
            TfrmCDDB dialog(*this, this);
            std::printf("track-list window: %s\n", dialog.exec() == QDialog::Accepted ? "accepted" : "cancelled");
            std::fflush(stdout);
        });
    }

    QStringList CurrentTrackLines() const override { return TrackLinesOfText(txtCDTracks->toPlainText()); }
    void ReceiveTitles(const TWizardTitles &titles) override
    {
        txtCDTracks->setPlainText(TextOfTrackLines(titles.Tracks));
        if (titles.HasArtistTitle) {
            txtCDAuthor->setText(titles.Artist);
            txtCDTitle->setText(titles.Title);
        }
        std::printf("received %d tracks%s\n", int(titles.Tracks.size()),
                    titles.HasArtistTitle ? qPrintable(QStringLiteral(", \"%1\" / \"%2\"").arg(titles.Artist, titles.Title))
                                          : "");
        std::fflush(stdout);
    }

private:
    QLineEdit *txtCDTitle = new QLineEdit(this);
    QLineEdit *txtCDAuthor = new QLineEdit(this);
    QPlainTextEdit *txtCDTracks = new QPlainTextEdit(this);
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Renvald"));
    QApplication::setApplicationName(QStringLiteral("Tarvik"));
    TWizardStandIn wizard;
    wizard.show();
    return QApplication::exec();
}
