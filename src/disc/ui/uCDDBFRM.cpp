#include "uCDDBFRM.h"
#include "ui_uCDDBFRM.h"

#include "CDPlayerDatabase.h"
#include "DiscLogo.h"
#include "FreeDB.h"
#include "TVKRegistry.h"
#include "TrackListMoves.h"
#include "WizardLines.h"
#include "uResource.h"

#include <QSignalBlocker>
#include <QStyle>

TfrmCDDB::TfrmCDDB(TWizardLinesTarget &wizard, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TfrmCDDB)
    , FWizard(wizard)
{
    ui->setupUi(this);
    LocalizeForm();
    ui->btnDelete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    ui->imgLogo->setPixmap(DiscLogo(32));
    QPalette band = ui->pnlFreeDB->palette();
    band.setColor(QPalette::Window, QColor(233, 233, 233));
    ui->pnlFreeDB->setPalette(band);

    ui->lstInsertedTracks->addItems(FWizard.CurrentTrackLines());
    UpdateTrackCount();

    connect(ui->cmbArtist, &QComboBox::currentIndexChanged, this, &TfrmCDDB::ListAlbums);
    connect(ui->cmbAlbum, &QComboBox::currentIndexChanged, this, &TfrmCDDB::ListTracks);
    connect(ui->btnSelectAllTracks, &QPushButton::clicked, this, &TfrmCDDB::btnSelectAllTracksClick);
    connect(ui->btnUnselectAllTracks, &QPushButton::clicked, this, &TfrmCDDB::btnUnselectAllTracksClick);
    connect(ui->btnMove, &QToolButton::clicked, this, &TfrmCDDB::btnMoveClick);
    connect(ui->btnUp, &QToolButton::clicked, this, &TfrmCDDB::btnUpClick);
    connect(ui->btnDown, &QToolButton::clicked, this, &TfrmCDDB::btnDownClick);
    connect(ui->btnDelete, &QToolButton::clicked, this, &TfrmCDDB::btnDeleteClick);
    connect(ui->btnOK, &QPushButton::clicked, this, &TfrmCDDB::btnOKClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->wlFreeDB, &QLabel::linkActivated, this, &TfrmCDDB::wlFreeDBClick);
}

TfrmCDDB::~TfrmCDDB()
{
    delete ui;
}

void TfrmCDDB::LocalizeForm()
{
    ApplyFormCharset(Str(10), this);
    setWindowTitle(Str(8000));
    const std::pair<QLabel *, int> labels[] = {
        {ui->lblArtist, 8010}, {ui->lblAlbum, 8020}, {ui->lblTracks, 8030},
        {ui->lblInsertedTracks, 8040}, {ui->lblNr, 8050},
    };
    for (const auto &[label, id] : labels)
        label->setText(Str(id));
    const std::pair<QAbstractButton *, int> captions[] = {
        {ui->btnSelectAllTracks, 8060}, {ui->btnUnselectAllTracks, 8070}, {ui->chkInsertArtistName, 8080},
        {ui->btnOK, 8090}, {ui->btnCancel, 8100},
    };
    for (const auto &[button, id] : captions)
        button->setText(Str(id));
    const std::pair<QWidget *, int> hints[] = {
        {ui->btnDelete, 8110}, {ui->btnUp, 8120}, {ui->btnDown, 8130}, {ui->btnMove, 8140},
    };
    for (const auto &[widget, id] : hints)
        widget->setToolTip(Str(id));
    ui->wlFreeDB->setText(QStringLiteral("<a href=\"freedb\">%1</a>").arg(Str(8105).toHtmlEscaped()));
}

void TfrmCDDB::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (FLoaded)
        return;
    FLoaded = true;
    activateWindow();
    LoadSources();
}

void TfrmCDDB::LoadSources()
{
    FSources.Load(TVKRegistry::ReadPreference(TVKRegistry::prCDDBFolder), CDPlayerIniPath());
    {
        const QSignalBlocker blocker(ui->cmbArtist);
        ui->cmbAlbum->clear();
        ui->cmbArtist->clear();
        ui->cmbArtist->addItems(FSources.Artists());
        ui->cmbArtist->setCurrentIndex(ui->cmbArtist->count() > 0 ? 0 : -1);
    }
    ListAlbums();
    ShowSourceProblems();
}

void TfrmCDDB::ShowSourceProblems()
{
    const TEntryFolder &folder = FSources.Folder();
    QStringList notes;
    if (!folder.Unreadable.isEmpty())
        notes << Str(8150).arg(folder.Unreadable.size());
    if (folder.Truncated)
        notes << Str(8155).arg(folder.EntryCount);
    if (!FSources.PlayerError().isEmpty())
        notes << Str(8160).arg(FSources.PlayerError());
    ui->lblSourceNote->setText(notes.join(QLatin1Char('\n')));
    ui->lblSourceNote->setToolTip(folder.Unreadable.mid(0, 20).join(QLatin1Char('\n')));
    ui->lblSourceNote->setVisible(!notes.isEmpty());
}

void TfrmCDDB::ListAlbums()
{
    {
        const QSignalBlocker blocker(ui->cmbAlbum);
        ui->cmbAlbum->clear();
        // No artist is no album: entries without an artist are not offered.
        if (ui->cmbArtist->count() > 0)
            ui->cmbAlbum->addItems(FSources.Albums(ui->cmbArtist->currentText()));
        ui->cmbAlbum->setCurrentIndex(ui->cmbAlbum->count() > 0 ? 0 : -1);
    }
    ListTracks();
}

void TfrmCDDB::ListTracks()
{
    ui->lstTracks->clear();
    if (ui->cmbArtist->count() == 0 || ui->cmbAlbum->count() == 0)
        return;
    ui->lstTracks->addItems(FSources.Tracks(ui->cmbArtist->currentText(), ui->cmbAlbum->currentText()));
}

void TfrmCDDB::btnSelectAllTracksClick()
{
    ui->lstTracks->selectAll();
}

void TfrmCDDB::btnUnselectAllTracksClick()
{
    ui->lstTracks->clearSelection();
}

void TfrmCDDB::btnMoveClick()
{
    for (int i = 0; i < ui->lstTracks->count(); ++i)
        if (ui->lstTracks->item(i)->isSelected())
            ui->lstInsertedTracks->addItem(ui->lstTracks->item(i)->text());
    UpdateTrackCount();
}

void TfrmCDDB::MoveSelection(bool up)
{
    QListWidget *list = ui->lstInsertedTracks;
    QStringList texts;
    QList<bool> selected;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
        selected << list->item(i)->isSelected();
    }
    const QList<int> order = up ? MoveSelectedUp(selected) : MoveSelectedDown(selected);
    for (int i = 0; i < list->count(); ++i) {
        list->item(i)->setText(texts[order[i]]);
        list->item(i)->setSelected(selected[order[i]]);
    }
}

void TfrmCDDB::btnUpClick()
{
    MoveSelection(true);
}

void TfrmCDDB::btnDownClick()
{
    MoveSelection(false);
}

void TfrmCDDB::btnDeleteClick()
{
    for (int i = ui->lstInsertedTracks->count() - 1; i >= 0; --i)
        if (ui->lstInsertedTracks->item(i)->isSelected())
            delete ui->lstInsertedTracks->takeItem(i);
    UpdateTrackCount();
}

void TfrmCDDB::UpdateTrackCount()
{
    ui->lblTracksNr->setText(QString::number(ui->lstInsertedTracks->count()));
}

void TfrmCDDB::btnOKClick()
{
    TWizardTitles titles;
    for (int i = 0; i < ui->lstInsertedTracks->count(); ++i)
        titles.Tracks << ui->lstInsertedTracks->item(i)->text();
    if (ui->chkInsertArtistName->isChecked()) {
        titles.HasArtistTitle = true;
        titles.Artist = ui->cmbArtist->currentText();
        titles.Title = ui->cmbAlbum->currentText();
    }
    FWizard.ReceiveTitles(titles);
    accept();
}

void TfrmCDDB::wlFreeDBClick()
{
    TfrmFreeDB dialog(FWizard, this);
    // A disc read there has gone to the wizard: this window closes first,
    // then the CDDB window, and the user is back in the wizard.
    connect(&dialog, &TfrmFreeDB::DiscHandedOver, this, &QDialog::accept);
    dialog.exec();
}
