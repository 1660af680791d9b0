// Saving and opening documents, and the search for pictures that have moved.

#include "TfrmTarvik.h"

#include "DocumentFile.h"
#include "DocumentSlots.h"
#include "DroppedFiles.h"
#include "MessageBoxes.h"
#include "TTarvikApplication.h"
#include "TVKRegistry.h"
#include "VelCDImageElement.h"
#include "VelRotateLabel.h"
#include "uResource.h"

#include "VelImgUtils.h"

#include <QAction>
#include <QCheckBox>
#include <QtConcurrent/QtConcurrentMap>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QTabWidget>

namespace {

const QString DocumentFilter = QStringLiteral("Tarvik file (*.tvk);;All files (*)");

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath() + QLatin1Char('/');
}

} // namespace

void TfrmTarvik::btnSaveClick()
{
    SaveDocument(FCurrentFile.isEmpty());
}

QString TfrmTarvik::AskSaveFileName()
{
    const QString start = FCurrentFile.isEmpty()
        ? TVKRegistry::ReadPreference(TVKRegistry::prFileSaveDir) + QStringLiteral("cover.tvk")
        : FCurrentFile;
    QFileDialog dialog(this, QString(), start, DocumentFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tvk"));
    if (!FCurrentFile.isEmpty())
        dialog.selectFile(FCurrentFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString TfrmTarvik::AskOpenFileName()
{
    return QFileDialog::getOpenFileName(this, QString(), TVKRegistry::ReadPreference(TVKRegistry::prFileOpenDir),
                                        DocumentFilter);
}

void TfrmTarvik::ciclaSuPagine()
{
    // Every surface is shown once with nothing selected, then the one shown
    // before comes back: saving leaves nothing selected.
    QWidget *shown = pagCover->currentWidget();
    for (QWidget *tab : {TabInsideCover, tabBackCover, TabLabel, TabFrontCover}) {
        SetCoverPage(tab);
        pnlFrontCoverClick();
    }
    SetCoverPage(shown);
}

void TfrmTarvik::FillDocumentRecord()
{
    FillDocumentRecord(DocumentRecord);
}

void TfrmTarvik::FillDocumentRecord(TDocumentRecord &record) const
{
    const TElementContext ctx = ElementContext();
    DocumentSlots::FillDocumentRecord(
        record,
        [&](int i) -> std::optional<TTextElementRecord> {
            TTextElementRecord r;
            if (TextSlots[i] && TextToRecord(TextSlots[i], r, ctx))
                return r;
            return std::nullopt;
        },
        [&](int i) -> std::optional<TImageElementRecord> {
            TImageElementRecord r;
            if (ImageSlots[i] && ImageToRecord(ImageSlots[i], r, ctx))
                return r;
            return std::nullopt;
        },
        CoverSettings.Colors);
}

bool TfrmTarvik::SaveDocument(bool askForName)
{
    QString path = FCurrentFile;
    if (askForName || path.isEmpty()) {
        path = SaveFileChooser();
        if (path.isEmpty())
            return false;
        TVKRegistry::WritePreference(TVKRegistry::prFileSaveDir, folderOf(path));
    }
    ciclaSuPagine();
    FillDocumentRecord();
    // The old file stays untouched until the new one is complete.
    const TDocumentSaveResult result = WriteDocumentFile(path, DocumentRecord);
    if (!result.Ok) {
        ExceptionLogOnly(result.LogMessage);
        MessageBoxes::ShowError(this, result.UserMessage);
        return false;
    }
    FCurrentFile = path;
    Modified = false;
    UpdateCaption();
    return true;
}

void TfrmTarvik::btnOpenClick()
{
    if (!ConfirmDiscard())
        return;
    const QString path = OpenFileChooser();
    if (path.isEmpty())
        return;
    TVKRegistry::WritePreference(TVKRegistry::prFileOpenDir, folderOf(path));
    OpenDocument(path);
}

QString TfrmTarvik::SearchImage(const QString &storedPath, bool *noToAll)
{
    // No is the default, so Enter does not lead into a file dialog; with
    // more pictures to ask about, "No to all" spares the user the others.
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (noToAll)
        buttons |= QMessageBox::NoToAll;
    const QMessageBox::StandardButton answer = MessageBoxes::Ask(
        this, QMessageBox::Critical, ImageNotFoundQuestion(storedPath), buttons, QMessageBox::No);
    if (answer == QMessageBox::NoToAll && noToAll)
        *noToAll = true;
    if (answer != QMessageBox::Yes)
        return QString();
    const QString start = TVKRegistry::ReadPreference(TVKRegistry::prImageOpenDir) + StoredImageFileName(storedPath);
    const QString file = PictureChooser(start, false).value(0);
    if (!file.isEmpty())
        TVKRegistry::WritePreference(TVKRegistry::prImageOpenDir, folderOf(file));
    return file;
}

bool TfrmTarvik::OpenDocument(const QString &path)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The file is read and checked before anything is cleared: a file that
    // is no document leaves the work on screen as it was.
    const TDocumentReadResult read = ReadDocumentFile(path);
    if (!read.ok() && read.Status != TDocumentReadResult::Missing) {
        QApplication::restoreOverrideCursor();
        ExceptionLogOnly(read.LogMessage);
        MessageBoxes::ShowError(this, read.UserMessage);
        return false;
    }
    NewDocument();
    FCurrentFile = path;
    if (!read.ok()) {
        // No file of that name: a new, empty document that will be saved
        // under it.
        UpdateCaption();
        QApplication::restoreOverrideCursor();
        return false;
    }
    DocumentRecord = read.Record;
    CoverSettings.Colors = DocumentRecord.Colors;
    ApplyColors();

    // Where each picture is. One found anywhere but at its stored path
    // (beside the document, or where the user points) changes the document:
    // the new place has to reach the file at the next save.
    int missing = 0;
    for (const TImageElementRecord &r : DocumentRecord.Images)
        if (r.isUsed() && LocateImage(r.ImageFileName, path).isEmpty())
            ++missing;
    bool noToAll = false;
    bool relinked = false;
    const QStringList unreadable = BuildImages([&](const QString &stored) {
        const QString found = FindImage(stored, path, [&](const QString &s) {
            return noToAll ? QString() : SearchImage(s, missing > 1 ? &noToAll : nullptr);
        });
        relinked = relinked || (!found.isEmpty() && found != stored);
        return found;
    });
    const TElementContext ctx = ElementContext();
    RestoreImageStacking();
    for (int slot = 0; slot < TextSlotCount; ++slot) {
        if (!DocumentRecord.Texts[slot].isUsed())
            continue;
        TVelRotateLabel *e = CreateTextFromRecord(DocumentRecord.Texts[slot], slot, ctx);
        TextSlots[slot] = e;
        connectElement(e);
    }
    pagCoverChange();
    pnlFrontCoverClick();
    SetCoverPage(TabFrontCover);
    pagCoverChange();
    History.Clear();
    UpdateCommandStates();
    Modified = relinked;
    UpdateCaption();
    QApplication::restoreOverrideCursor();
    if (!unreadable.isEmpty())
        MessageBoxes::ShowWarning(this, Str(9520).arg(unreadable.join(QLatin1Char('\n'))));
    return true;
}

std::array<QImage, ImageSlotCount>
TfrmTarvik::ReadDocumentPictures(const TDocumentRecord &record, const std::array<QString, ImageSlotCount> &paths)
{
    // Each picture file is decoded once, at the largest size any of its
    // slots needs; the slots then share it.
    struct TFile {
        QString Path;
        std::vector<int> Slots;
        QImage Picture;
    };
    std::vector<TFile> files;
    QHash<QString, size_t> fileOf;
    for (int slot = 0; slot < ImageSlotCount; ++slot) {
        if (paths[slot].isEmpty())
            continue;
        const QString key = QFileInfo(paths[slot]).absoluteFilePath();
        auto it = fileOf.constFind(key);
        if (it == fileOf.cend()) {
            it = fileOf.insert(key, files.size());
            files.push_back({paths[slot], {}, {}});
        }
        files[*it].Slots.push_back(slot);
    }
    // Nothing is shared between the files while they are decoded.
    QtConcurrent::blockingMap(files, [&record](TFile &file) {
        std::vector<QSize> boxes;
        for (int slot : file.Slots)
            boxes.push_back(PictureBoxOf(record.Images[slot]));
        file.Picture = ::ReadPicture(file.Path, [&boxes](QSize full) {
            QSize largest;
            for (const QSize &box : boxes) {
                const QSize size = CoveringPictureSize(full, box);
                if (size.width() > largest.width() || size.height() > largest.height())
                    largest = size;
            }
            return largest;
        });
    });
    std::array<QImage, ImageSlotCount> pictures;
    for (const TFile &file : files)
        for (int slot : file.Slots)
            pictures[slot] = file.Picture;
    return pictures;
}

QStringList TfrmTarvik::BuildImages(const std::function<QString(const QString &)> &findImage)
{
    QStringList unreadable;
    // Where each picture is (the user may be asked about the ones that
    // moved), then all pictures read at once on every core, then the
    // elements, each in its own slot.
    std::array<QString, ImageSlotCount> resolved;
    for (int slot = 0; slot < ImageSlotCount; ++slot)
        if (DocumentRecord.Images[slot].isUsed())
            resolved[slot] = findImage(DocumentRecord.Images[slot].ImageFileName);
    const std::array<QImage, ImageSlotCount> pictures = ReadDocumentPictures(DocumentRecord, resolved);

    TElementContext ctx = ElementContext();
    int current = 0;
    ctx.FindImage = [&resolved, &current](const QString &) { return resolved[current]; };
    ctx.ReadPicture = [&pictures, &current](const QString &, QSize) { return pictures[current]; };
    for (int slot = 0; slot < ImageSlotCount; ++slot) {
        if (!DocumentRecord.Images[slot].isUsed())
            continue;
        current = slot;
        TVelCDImageElement *e = CreateImageFromRecord(DocumentRecord.Images[slot], slot, ctx);
        if (!e)
            continue;
        ImageSlots[slot] = e;
        e->SetArrayIndex(slot);
        e->SetMaintainAspectRatio(chkProportions->isChecked());
        connectElement(e);
        if (e->Placeholder())
            unreadable << QFileInfo(e->ImageFileName()).fileName();
        else
            refitRebuiltImage(e);
    }
    RestoreImageStacking();
    return unreadable;
}

void TfrmTarvik::RestoreImageStacking()
{
    std::vector<DocumentSlots::TStackEntry> stack;
    for (const auto &img : ImageSlots)
        if (img && !img->isHidden() && !img->ImageFileName().isEmpty())
            stack.push_back({img->ArrayIndex(), SurfaceCodeOf(img->parentWidget()), img->FitStyle(), img->Order()});
    for (int slot : DocumentSlots::ImageStackingSequence(stack))
        if (ImageSlots[slot])
            ImageSlots[slot]->raise();
}

void TfrmTarvik::ExceptionLogOnly(const QString &message)
{
    TTarvikApplication::LogError(message);
}

void TfrmTarvik::DragDropFilesDropped(const QStringList &files)
{
    for (const QString &path : files) {
        switch (DroppedFiles::Classify(path)) {
        case DroppedFiles::TDropKind::Stop:
            return;
        case DroppedFiles::TDropKind::Picture:
            if (InsertImageFile(path) >= 0)
                Modified = true;
            break;
        case DroppedFiles::TDropKind::Document:
            OpenDocument(path);
            break;
        case DroppedFiles::TDropKind::Unknown: {
            const QString text = StrOrEnglish(txUnknownDroppedFile);
            MessageBoxes::ShowMessage(this, text + QLatin1Char('\n') + QLatin1Char('(') + path + QLatin1Char(')'));
            break;
        }
        }
    }
}
