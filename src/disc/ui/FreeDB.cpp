#include "FreeDB.h"
#include "ui_FreeDB.h"

#include "CDDBClientWindows.h"
#include "CDDBFreeDB.h"
#include "CDDevice.h"
#include "DiscLogo.h"
#include "FreeDBSettings.h"
#include "MessageBoxes.h"
#include "TVKRegistry.h"
#include "WizardLines.h"
#include "uResource.h"

#include <QDir>
#include <QFileDialog>

namespace {

// The combo box item that opens the disc image dialog carries this instead
// of a drive index.
constexpr int DiscImageItem = -1;

// Messages may hold CDDB's CR LF line ends.
QString Shown(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

TfrmFreeDB::TfrmFreeDB(TWizardLinesTarget &wizard, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TfrmFreeDB)
    , FWizard(wizard)
    , CDDBFreeDB1(new TCDDBFreeDB)
{
    ui->setupUi(this);
    LocalizeForm();
    ui->imgLogo->setPixmap(DiscLogo(40));
    QPalette band = ui->pnlLogo->palette();
    band.setColor(QPalette::Window, QColor(233, 233, 233));
    ui->pnlLogo->setPalette(band);

    CDDBFreeDB1->ClientName = QStringLiteral("Tarvik");
    CDDBFreeDB1->ClientVersion = QStringLiteral("1.14");
    CDDBFreeDB1->AutoDownloadDiscInfo = true;
    // the status window, the match window and the beep
    new TCDDBClientWindows(CDDBFreeDB1);

    const TFreeDBSettings settings = ReadFreeDBSettings();
    ui->eUserMail->setText(settings.UserName);
    ui->eLocalCopy->setText(settings.LocalCopy);
    CDDBFreeDB1->CDDBServerName = settings.Server;
    CDDBFreeDB1->CDDBServerPort = settings.Port;
    ui->chkSaveLocal->setChecked(settings.AutoSave);

    connect(CDDBFreeDB1, &TCDDBFreeDB::OnError, this, &TfrmFreeDB::CDDBFreeDB1Error);
    connect(CDDBFreeDB1, &TCDDBFreeDB::OnListCDDBServers, this, &TfrmFreeDB::CDDBFreeDB1ListCDDBServers);
    connect(CDDBFreeDB1, &TCDDBFreeDB::OnDiscNotFound, this, &TfrmFreeDB::CDDBFreeDB1DiscNotFound);
    connect(CDDBFreeDB1, &TCDDBFreeDB::OnReadDiscInfo, this, &TfrmFreeDB::CDDBFreeDB1ReadDiscInfo);

    connect(ui->cmbCDDrives, &QComboBox::currentIndexChanged, this, &TfrmFreeDB::cmbCDDrivesChange);
    connect(ui->cmbCDDrives, &QComboBox::activated, this, &TfrmFreeDB::cmbCDDrivesActivated);
    connect(ui->btnConnect, &QPushButton::clicked, this, &TfrmFreeDB::btnConnectClick);
    connect(ui->btnRefreshServer, &QPushButton::clicked, this, &TfrmFreeDB::btnRefreshServerClick);
    connect(ui->btnCDDBFolder, &QPushButton::clicked, this, &TfrmFreeDB::btnCDDBFolderClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &TfrmFreeDB::btnCancelClick);
}

TfrmFreeDB::~TfrmFreeDB()
{
    // The window may go while the client still unwinds from a wait: the
    // client only learns it must stop, and goes later, from the event loop.
    disconnect(CDDBFreeDB1, nullptr, this, nullptr);
    if (CDDBFreeDB1->Operation() != TCDDBFreeDB::TOperation::Idle || CDDBFreeDB1->Busy())
        CDDBFreeDB1->Abort();
    CDDBFreeDB1->SilentMode = true;
    CDDBFreeDB1->deleteLater();
    delete ui;
}

void TfrmFreeDB::LocalizeForm()
{
    ApplyFormCharset(Str(10), this);
    setWindowTitle(Str(9000));
    const std::pair<QLabel *, int> labels[] = {
        {ui->lblUserMail, 9015}, {ui->lblLocalCopy, 9020}, {ui->lblFreeDbServer, 9030}, {ui->lblCDDVDDrive, 9040},
    };
    for (const auto &[label, id] : labels)
        label->setText(Str(id));
    const std::pair<QAbstractButton *, int> captions[] = {
        {ui->chkSaveLocal, 9025}, {ui->btnRefreshServer, 9035}, {ui->btnCancel, 9045}, {ui->btnConnect, 9050},
    };
    for (const auto &[button, id] : captions)
        button->setText(Str(id));
}

void TfrmFreeDB::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (FShown)
        return;
    FShown = true;
    ui->cmbServers->clear();
    ui->cmbServers->addItem(ServerText(CDDBFreeDB1->CDDBServerName, CDDBFreeDB1->CDDBServerPort));
    ui->cmbServers->setCurrentIndex(0);

    const QStringList drives = CDDBFreeDB1->ListCDDrives();
    {
        const QSignalBlocker blocker(ui->cmbCDDrives);
        ui->cmbCDDrives->clear();
        for (int i = 0; i < drives.size(); ++i)
            ui->cmbCDDrives->addItem(drives[i], i);
        // Beyond the drives: a disc image, for rips kept as cue/bin and for
        // machines without a drive.
        ui->cmbCDDrives->addItem(Str(9055), DiscImageItem);
        ui->cmbCDDrives->setCurrentIndex(drives.isEmpty() ? -1 : 0);
    }
    cmbCDDrivesChange(ui->cmbCDDrives->currentIndex());
}

void TfrmFreeDB::cmbCDDrivesChange(int index)
{
    if (index < 0)
        return;
    const int drive = ui->cmbCDDrives->itemData(index).toInt();
    if (drive == DiscImageItem)
        return;
    CDDBFreeDB1->SelectCDDrive(drive);
    FLastDrive = index;
}

void TfrmFreeDB::cmbCDDrivesActivated(int index)
{
    if (ui->cmbCDDrives->itemData(index).toInt() == DiscImageItem)
        ChooseDiscImage();
}

void TfrmFreeDB::ChooseDiscImage()
{
    QFileDialog dialog(this, Str(9060), QDir::homePath(), Str(9065));
    dialog.setObjectName(QStringLiteral("dlgDiscImage"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
        && UseDiscImage(dialog.selectedFiles().first()))
        return;
    // Nothing chosen: the drive chosen before stays.
    ui->cmbCDDrives->setCurrentIndex(FLastDrive);
}

bool TfrmFreeDB::UseDiscImage(const QString &path)
{
    QString reason;
    const TCDToc toc = ReadToc(path, &reason);
    const int drive = toc.NumTracks > 0 ? CDDBFreeDB1->AddDiscImage(path) : -1;
    if (drive < 0) {
        QString text = Str(9125).arg(QDir::toNativeSeparators(path));
        if (!reason.isEmpty())
            text += QLatin1Char('\n') + reason;
        MessageBoxes::ShowMessage(this, text);
        return false;
    }
    // Images go before the item that adds them, in the order chosen, shown
    // by their path (an image has no adapter, target or unit).
    const int item = ui->cmbCDDrives->count() - 1;
    ui->cmbCDDrives->insertItem(item, QDir::toNativeSeparators(path), drive);
    ui->cmbCDDrives->setCurrentIndex(item);
    return true;
}

bool TfrmFreeDB::ValidateSettings()
{
    const TFreeDBCheck check = ::ValidateSettings(
        {ui->eUserMail->text(), ui->eLocalCopy->text(), ui->chkSaveLocal->isChecked(), ui->cmbServers->currentText()});
    if (!check.Message.isEmpty()) {
        MessageBoxes::ShowMessage(this, Shown(check.Message));
        return false;
    }
    CDDBFreeDB1->UserName = check.Settings.UserName;
    CDDBFreeDB1->LocalCDDB = check.Settings.LocalCopy;
    CDDBFreeDB1->CDDBServerName = check.Settings.Server;
    CDDBFreeDB1->CDDBServerPort = check.Settings.Port;
    WriteFreeDBSettings(check.Settings);
    return true;
}

void TfrmFreeDB::btnConnectClick()
{
    ui->btnConnect->setEnabled(false);
    if (ValidateSettings())
        CDDBFreeDB1->QueryDisc();
}

void TfrmFreeDB::btnRefreshServerClick()
{
    // Not while the client is at work (a lookup waits in the event loop).
    if (CDDBFreeDB1->Operation() != TCDDBFreeDB::TOperation::Idle || CDDBFreeDB1->Busy())
        return;
    if (!ValidateSettings() || CDDBFreeDB1->Connected())
        return;
    const int errorsBefore = FErrorsShown;
    if (CDDBFreeDB1->Connect()) {
        CDDBFreeDB1->RequestServerList();
        return;
    }
    // A connection that could not be made is told by its caller.
    if (FErrorsShown == errorsBefore && !CDDBFreeDB1->ErrorText().isEmpty())
        MessageBoxes::ShowError(this, Shown(CDDBFreeDB1->ErrorText()));
}

void TfrmFreeDB::btnCDDBFolderClick()
{
    QFileDialog dialog(this, Str(9020), ui->eLocalCopy->text());
    dialog.setObjectName(QStringLiteral("BrowseDlg"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = dialog.selectedFiles().first();
    TVKRegistry::WritePreference(TVKRegistry::prCDDBFolder, folder);
    ui->eLocalCopy->setText(folder);
}

void TfrmFreeDB::btnCancelClick()
{
    CDDBFreeDB1->Abort();
    QDialog::reject();
}

void TfrmFreeDB::reject()
{
    // Escape, the frame's close button: a client at work stops at once, an
    // idle connection says goodbye.
    const bool idle = CDDBFreeDB1->Operation() == TCDDBFreeDB::TOperation::Idle && !CDDBFreeDB1->Busy();
    if (idle && CDDBFreeDB1->Connected())
        CDDBFreeDB1->Disconnect();
    else if (!idle)
        CDDBFreeDB1->Abort();
    QDialog::reject();
}

void TfrmFreeDB::CDDBFreeDB1Error()
{
    ++FErrorsShown;
    MessageBoxes::ShowError(this, Shown(CDDBFreeDB1->ErrorText()));
}

void TfrmFreeDB::CDDBFreeDB1ListCDDBServers()
{
    // A list without one usable server leaves the box as it was.
    const QStringList servers = CDDBFreeDB1->ServerList();
    if (!servers.isEmpty()) {
        ui->cmbServers->clear();
        ui->cmbServers->addItems(servers);
        ui->cmbServers->setCurrentIndex(0);
    }
    if (CDDBFreeDB1->Connected())
        CDDBFreeDB1->Disconnect();
}

void TfrmFreeDB::CDDBFreeDB1DiscNotFound()
{
    MessageBoxes::ShowMessage(this, Str(9120));
}

void TfrmFreeDB::CDDBFreeDB1ReadDiscInfo()
{
    // A server that sends no entry for the disc it named hands nothing over:
    // the wizard's boxes stay as they are.
    if (!CDDBFreeDB1->DiscInfoRead()) {
        MessageBoxes::ShowMessage(this, Str(9120));
        return;
    }
    if (ui->chkSaveLocal->isChecked() && !CDDBFreeDB1->SaveLocalCopy())
        MessageBoxes::ShowError(this, Str(9115) + QLatin1Char('\n') + Shown(CDDBFreeDB1->ErrorText()));
    const TCDDBDisc &disc = CDDBFreeDB1->CDDBDisc();
    TWizardTitles titles;
    titles.Tracks = disc.TrackTitles.mid(0, disc.TrackCount);
    titles.Artist = disc.Artist;
    titles.Title = disc.Title;
    titles.HasArtistTitle = true;
    FWizard.ReceiveTitles(titles);
    emit DiscHandedOver();
    done(QDialog::Accepted);
}
