#include "TfrmWizard.h"
#include "ui_TfrmWizard.h"

#include "CDDevice.h"
#include "CoverBuilder.h"
#include "MessageBoxes.h"
#include "TVKRegistry.h"
#include "TfrmCreatingDialog.h"
#include "VelImgUtils.h"
#include "TrackFit.h"
#include "WizardFields.h"
#include "WizardLines.h"
#include "uCDDBFRM.h"
#include "uResource.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>

#include <memory>

using WizardFields::PreviewSide;

namespace {

// The wizard's boxes as the track-list window sees them.
class TWizardBoxes : public TWizardLinesTarget {
public:
    TWizardBoxes(QLineEdit *title, QLineEdit *author, QPlainTextEdit *tracks)
        : FTitle(title), FAuthor(author), FTracks(tracks)
    {
    }
    QStringList CurrentTrackLines() const override { return TrackLinesOfText(FTracks->toPlainText()); }
    void ReceiveTitles(const TWizardTitles &titles) override
    {
        FTracks->setPlainText(TextOfTrackLines(titles.Tracks));
        if (titles.HasArtistTitle) {
            FAuthor->setText(titles.Artist);
            FTitle->setText(titles.Title);
        }
    }

private:
    QLineEdit *FTitle, *FAuthor;
    QPlainTextEdit *FTracks;
};

const char *HelpContextProperty = "helpContext";

} // namespace

TfrmWizard::TfrmWizard(TCoverBuilder &builder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::TfrmWizard)
    , FBuilder(builder)
    , FGeneration(builder)
{
    ui->setupUi(this);
    setModal(false);

    // A fixed-size window, larger on screens finer than 96 pixels per inch,
    // where the picture is stretched to its place.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const bool fine = screen && screen->logicalDotsPerInch() > 96;
    setFixedSize(fine ? QSize(725, 500) : QSize(608, 410));
    const QPixmap logo = QIcon(QStringLiteral(":/icons/tarvik.svg")).pixmap(QSize(96, 96));
    ui->imgCDWiz->setPixmap(logo);
    ui->imgCDWiz->setScaledContents(fine);

    ui->chkPutArtistBeforeTitle->setChecked(
        TVKRegistry::ReadPreference(TVKRegistry::prArtistBeforeTitle).toUpper() == QStringLiteral("TRUE"));
    FillDrives();
    for (QLabel *preview : {ui->imgFrontCover, ui->imgInsideCover, ui->imgBackCover}) {
        ui->gridImages->setAlignment(preview, Qt::AlignCenter);
        ClearPreview(preview);
    }
    ui->gridImages->setColumnMinimumWidth(0, PreviewSide);
    // Each preview's row keeps the box's height, whatever the picture's.
    for (int row : {2, 4, 6})
        ui->gridImages->setRowMinimumHeight(row, PreviewSide);
    ui->txtNumberFormat->setText(WizardFields::DefaultNumberFormat);
    UpdateExample();

    connect(ui->btnNext, &QPushButton::clicked, this, &TfrmWizard::btnNextClick);
    connect(ui->btnBack, &QPushButton::clicked, this, &TfrmWizard::btnBackClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &TfrmWizard::btnCancelClick);
    connect(ui->btnCDDB, &QPushButton::clicked, this, &TfrmWizard::btnCDDBClick);
    connect(ui->txtCDTracks, &QPlainTextEdit::textChanged, this, [this] {
        ui->lblTracksNr->setText(QString::number(TrackLinesOfText(ui->txtCDTracks->toPlainText()).size()));
    });
    connect(ui->txtNumberFormat, &QLineEdit::textChanged, this, &TfrmWizard::UpdateExample);
    connect(ui->txtNumberFormat, &QLineEdit::textEdited, this, &TfrmWizard::NumberFormatEdited);
    connect(ui->chkUse01, &QCheckBox::toggled, this, &TfrmWizard::UpdateExample);
    connect(ui->chkPutArtistBeforeTitle, &QCheckBox::clicked, this, [](bool checked) {
        TVKRegistry::WritePreference(TVKRegistry::prArtistBeforeTitle,
                                     checked ? QStringLiteral("True") : QStringLiteral("False"));
    });
    const std::pair<QToolButton *, int> fonts[] = {
        {ui->btnTitleFont, 0},     {ui->btnAuthorFont, 1},     {ui->btnTracksFont, 2},
        {ui->btnLeftSpineFont, 4}, {ui->btnRightSpineFont, 5}, {ui->btnInfosFont, 3}};
    for (const auto &[button, style] : fonts)
        connect(button, &QToolButton::clicked, this, [this, s = style] { FontClick(s); });
    const QToolButton *pictures[] = {ui->btnImageFront, ui->btnImageInside, ui->btnImageBack};
    for (int i = 0; i < 3; ++i)
        connect(pictures[i], &QToolButton::clicked, this, [this, i] { ImageClick(i); });

    for (QWidget *w : {static_cast<QWidget *>(ui->txtCDTitle), static_cast<QWidget *>(ui->txtCDAuthor),
                       static_cast<QWidget *>(ui->txtLeftSpine)})
        w->installEventFilter(this);

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] {
        int context = 300;
        for (const QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget())
            if (w->property(HelpContextProperty).isValid()) {
                context = w->property(HelpContextProperty).toInt();
                break;
            }
        if (HelpRequested)
            HelpRequested(context);
    });

    LocalizeForm();
}

TfrmWizard::~TfrmWizard()
{
    delete ui;
}

void TfrmWizard::LocalizeForm()
{
    ui->grpInfo->setTitle(Str(4010));
    ui->lblInformation->setText(Str(4020));
    ui->btnBack->setText(Str(4030));
    ui->btnCancel->setText(Str(4050));

    ui->lblCDTitle->setText(Str(4110));
    ui->btnTitleFont->setToolTip(Str(4200));
    ui->lblCDAuthor->setText(Str(4120));
    ui->btnAuthorFont->setToolTip(Str(4210));
    ui->chkDontDisplayOnFront->setText(Str(4125));
    ui->lblCDTracks->setText(Str(4130));
    ui->btnTracksFont->setToolTip(Str(4220));
    ui->btnCDDB->setText(Str(4135));
    ui->chkAutonumberTracks->setText(Str(4140));
    ui->lblNumberFormat->setText(Str(4150));
    ui->chkUse01->setText(Str(4175));
    ui->chkAutomaticallyAddTrackTime->setText(Str(4180));
    ui->lblCDDrive->setText(Str(4185));
    ui->cmbCDDrive->setToolTip(Str(4235));

    ui->grpSpines->setTitle(Str(4310));
    ui->lblLeftSpine->setText(Str(4320));
    ui->btnLeftSpineFont->setToolTip(Str(4410));
    ui->lblRightSpine->setText(Str(4330));
    ui->btnRightSpineFont->setToolTip(Str(4420));
    ui->chkPutArtistBeforeTitle->setText(Str(4355));
    ui->lblInfo->setText(Str(4340) + QLatin1Char('\n') + Str(4350));
    ui->btnInfosFont->setToolTip(Str(4430));
    ui->grpLayout->setTitle(Str(4360));
    ui->lblPlaceTracks->setText(Str(4370));
    ui->lblPlaceInfo->setText(Str(4380));
    for (QCheckBox *c : {ui->chkTitlesInsideCover, ui->chkInfoInsideCOver})
        c->setText(Str(4390));
    for (QCheckBox *c : {ui->chkTitlesBackCover, ui->chkInfoBackCover})
        c->setText(Str(4400));
    ui->chkTitlesRoundLabel->setText(Str(4405));

    ui->grpImages->setTitle(Str(4510));
    ui->lblInsertPicture->setText(Str(4520));
    ui->lblFrontCoverImage->setText(Str(4530));
    ui->lblInsideCoverImage->setText(Str(4540));
    ui->lblBackCoverImage->setText(Str(4550));

    // The page's own caption and title.
    ShowPage(Page());
    UpdateExample();
}

int TfrmWizard::Page() const
{
    return ui->CDNotebook->currentIndex() + 1;
}

void TfrmWizard::ShowPage(int page)
{
    ui->CDNotebook->setCurrentIndex(page - 1);
    ui->btnBack->setEnabled(page > 1);
    ui->btnNext->setText(Str(page == 3 ? 4060 : 4040));
    setWindowTitle(Str(page == 1 ? 4100 : page == 2 ? 4300 : 4500));
}

void TfrmWizard::StartWizard(bool newCover)
{
    FNewCover = newCover;
    if (newCover) {
        for (QLabel *preview : {ui->imgFrontCover, ui->imgInsideCover, ui->imgBackCover})
            ClearPreview(preview);
        for (QLineEdit *box : findChildren<QLineEdit *>())
            box->clear();
        ui->txtCDTracks->clear();
    }
    Activate();
    if (newCover)
        ui->txtCDTitle->setFocus();
    if (!isVisible()) {
        QRect frame(QPoint(), frameSize());
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
}

void TfrmWizard::Activate()
{
    // The start of a run: captions from the language module, the default
    // number format for a new cover, page 1. Later activations keep the
    // page the user is on (LocalizeForm keeps caption and buttons with it).
    LocalizeForm();
    if (FNewCover)
        ui->txtNumberFormat->setText(WizardFields::DefaultNumberFormat);
    ShowPage(1);
}

bool TfrmWizard::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        LocalizeForm();
    return QDialog::event(event);
}

void TfrmWizard::showEvent(QShowEvent *event)
{
    LocalizeForm();
    QDialog::showEvent(event);
}

void TfrmWizard::closeEvent(QCloseEvent *event)
{
    EnableOwner();
    QDialog::closeEvent(event);
}

void TfrmWizard::EnableOwner()
{
    if (QWidget *owner = parentWidget())
        owner->setEnabled(true);
}

bool TfrmWizard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == ui->txtCDTitle)
                ui->txtCDAuthor->setFocus();
            else if (watched == ui->txtCDAuthor)
                ui->txtCDTracks->setFocus();
            else if (watched == ui->txtLeftSpine)
                ui->txtRightSpine->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmWizard::btnNextClick()
{
    switch (Page()) {
    case 1:
        if (ui->txtLeftSpine->text().isEmpty())
            ui->txtLeftSpine->setText(WizardFields::SpineDefault(ui->txtCDTitle->text(), ui->txtCDAuthor->text(),
                                                                 ui->chkPutArtistBeforeTitle->isChecked()));
        if (ui->txtRightSpine->text().isEmpty())
            ui->txtRightSpine->setText(ui->txtLeftSpine->text());
        ShowPage(2);
        ui->txtLeftSpine->setFocus();
        break;
    case 2:
        ShowPage(3);
        ui->txtImageFront->setFocus();
        break;
    default:
        Finish();
        if (OnFinished)
            OnFinished();
        break;
    }
}

void TfrmWizard::btnBackClick()
{
    if (Page() == 2) {
        ShowPage(1);
        ui->txtCDTitle->setFocus();
    } else if (Page() == 3) {
        ShowPage(2);
        ui->txtLeftSpine->setFocus();
    }
}

void TfrmWizard::btnCancelClick()
{
    EnableOwner();
    hide();
}

void TfrmWizard::reject()
{
    // Escape is Cancel: the inputs stay for "Return to Wizard".
    btnCancelClick();
}

void TfrmWizard::btnCDDBClick()
{
    TWizardBoxes boxes(ui->txtCDTitle, ui->txtCDAuthor, ui->txtCDTracks);
    TfrmCDDB dialog(boxes, this);
    dialog.exec();
}

void TfrmWizard::UpdateExample()
{
    ui->lblExample->setText(
        Str(4160) + WizardFields::NumberPrefix(ui->txtNumberFormat->text(), 0, ui->chkUse01->isChecked()) + Str(4170));
}

void TfrmWizard::NumberFormatEdited()
{
    if (WizardFields::IsNumberFormat(ui->txtNumberFormat->text()))
        return;
    MessageBoxes::ShowError(this, Str(4560));
    ui->txtNumberFormat->setText(WizardFields::DefaultNumberFormat);
}

void TfrmWizard::FillDrives()
{
    // The drives the disc tool lists, each with its device behind it.
    TCDDrives drives;
    EnumerateCDDrives(drives);
    const QStringList lines = ListCDDrives(drives);
    for (int i = 0; i < lines.size() && i < drives.Count; ++i)
        ui->cmbCDDrive->addItem(lines[i], drives.Drives[i].DevicePath);
    ui->cmbCDDrive->setCurrentIndex(ui->cmbCDDrive->count() > 0 ? 0 : -1);
}

TWizardInputs TfrmWizard::Inputs() const
{
    TWizardInputs in;
    in.Title = ui->txtCDTitle->text();
    in.Author = ui->txtCDAuthor->text();
    in.DontDisplayOnFront = ui->chkDontDisplayOnFront->isChecked();
    in.Tracks = TrackLinesOfText(ui->txtCDTracks->toPlainText());
    in.AutonumberTracks = ui->chkAutonumberTracks->isChecked();
    in.NumberFormat = ui->txtNumberFormat->text();
    in.Use01 = ui->chkUse01->isChecked();
    in.AddTrackTimes = ui->chkAutomaticallyAddTrackTime->isChecked();
    const QString device = ui->cmbCDDrive->currentData().toString();
    in.Drive = device.isEmpty() ? ui->cmbCDDrive->currentText() : device;
    in.LeftSpine = ui->txtLeftSpine->text();
    in.RightSpine = ui->txtRightSpine->text();
    in.Info = ui->txtInfo->text();
    in.TitlesInsideCover = ui->chkTitlesInsideCover->isChecked();
    in.TitlesBackCover = ui->chkTitlesBackCover->isChecked();
    in.TitlesRoundLabel = ui->chkTitlesRoundLabel->isChecked();
    in.InfoInsideCover = ui->chkInfoInsideCOver->isChecked();
    in.InfoBackCover = ui->chkInfoBackCover->isChecked();
    in.ImageFront = ui->txtImageFront->text();
    in.ImageInside = ui->txtImageInside->text();
    in.ImageBack = ui->txtImageBack->text();
    return in;
}

// --- fonts and pictures ------------------------------------------------

bool TfrmWizard::ChooseFont(QFont &font)
{
    if (FontChooser)
        return FontChooser(font);
    bool ok = false;
    font = QFontDialog::getFont(&ok, font, this);
    return ok;
}

void TfrmWizard::FontClick(int style)
{
    TTextStyleRecord &s = FBuilder.Settings().Styles[style];
    QFont font = TrackFit::StyleFont(s);
    if (!ChooseFont(font))
        return;
    // For this run of the program only: the stored styles stay as they are.
    s.FontName = font.family().left(50);
    if (font.pointSize() > 0)
        s.FontSize = font.pointSize();
    s.FontStyle = (font.bold() ? fbBold : 0) | (font.italic() ? fbItalic : 0) | (font.underline() ? fbUnderline : 0)
                | (font.strikeOut() ? fbStrikeout : 0);
}

QString TfrmWizard::ChoosePicture(const QString &startDir)
{
    if (PictureChooser)
        return PictureChooser(startDir);
    QFileDialog dialog(this, QStringLiteral("Apri un'immagine"), startDir);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("All (*.jpg *.jpeg *.bmp *.emf *.wmf)"),
                           QStringLiteral("JPEG Image File (*.jpg)"), QStringLiteral("JPEG Image File (*.jpeg)"),
                           QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("Enhanced Metafiles (*.emf)"),
                           QStringLiteral("Metafiles (*.wmf)")});
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void TfrmWizard::ImageClick(int which)
{
    QLineEdit *boxes[] = {ui->txtImageFront, ui->txtImageInside, ui->txtImageBack};
    QLabel *previews[] = {ui->imgFrontCover, ui->imgInsideCover, ui->imgBackCover};
    const QString file = ChoosePicture(TVKRegistry::ReadPreference(TVKRegistry::prImageOpenDir));
    if (file.isEmpty())
        return;
    TVKRegistry::WritePreference(TVKRegistry::prImageOpenDir, QFileInfo(file).absolutePath() + QLatin1Char('/'));
    boxes[which]->setText(file);
    PreviewImage(previews[which], file);
}

void TfrmWizard::ClearPreview(QLabel *preview)
{
    preview->setScaledContents(false);
    preview->setFixedSize(PreviewSide, PreviewSide);
    QPixmap grey(PreviewSide, PreviewSide);
    grey.fill(QColor(128, 128, 128));
    preview->setPixmap(grey);
}

bool TfrmWizard::PreviewImage(QLabel *preview, const QString &file)
{
    preview->hide();
    const auto showAgain = qScopeGuard([preview] { preview->show(); });
    // Read by the same loader the cover's pictures use, at the preview's
    // size (JPEG decodes it reduced), so a camera's picture shows at once
    // and the preview shows what Finish will insert.
    QSize size;
    const QImage picture = ReadPicture(file, [&size](QSize own) {
        size = WizardFields::PreviewSize(own);
        return size;
    });
    if (picture.isNull()) {
        ClearPreview(preview);
        MessageBoxes::ShowError(this, Str(4570));
        return false;
    }
    preview->setScaledContents(true);
    preview->setFixedSize(size);
    preview->setPixmap(QPixmap::fromImage(picture));
    return true;
}

// --- Finish ------------------------------------------------------------

void TfrmWizard::Finish()
{
    const TWizardInputs inputs = Inputs();
    hide();
    auto creating = std::make_unique<TfrmCreatingDialog>(parentWidget());
    creating->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    EnableOwner();

    QString error;
    try {
        FBuilder.AsOneCommand([&] { FGeneration.Run(inputs); });
    } catch (const std::exception &e) {
        // The elements made so far stay; the tracks style has its size back.
        error = QString::fromUtf8(e.what());
    }
    QApplication::restoreOverrideCursor();
    FBuilder.CoverFinished();
    creating.reset();
    if (!error.isEmpty())
        FBuilder.ReportError(error);
}
