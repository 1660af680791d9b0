// Inserting, deleting and re-zooming elements, and the element slots.

#include "TfrmTarvik.h"

#include "DocumentSlots.h"
#include "ImageOrder.h"
#include "MessageBoxes.h"
#include "TShape.h"
#include "TSurfacePanel.h"
#include "TTarvikApplication.h"
#include "TVKRegistry.h"
#include "TVelFontCombo.h"
#include "TVelPickColor.h"
#include "TVelWinSpinEdit.h"
#include "VelCDImageElement.h"
#include "TVelStretchHandle.h"
#include "VelImgUtils.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"
#include "uResource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

using namespace VelMeasureRoutines;

namespace {

// The picture dialog's filter: the classic kinds first, then everything the
// installed image plugins read.
QString pictureFilter()
{
    QStringList all;
    for (const QByteArray &f : QImageReader::supportedImageFormats())
        all << QStringLiteral("*.") + QString::fromLatin1(f);
    return QStringLiteral("All (*.jpg *.jpeg *.bmp *.emf *.wmf);;"
                          "JPEG Image File (*.jpg);;JPEG Image File (*.jpeg);;Bitmaps (*.bmp);;"
                          "Enhanced Metafiles (*.emf);;Metafiles (*.wmf);;")
        + Str(9535).arg(all.join(QLatin1Char(' ')));
}

} // namespace

QStringList TfrmTarvik::ChoosePictures(const QString &start, bool multiple)
{
    if (multiple)
        return QFileDialog::getOpenFileNames(this, QString(), start, pictureFilter());
    const QString file = QFileDialog::getOpenFileName(this, QString(), start, pictureFilter());
    return file.isEmpty() ? QStringList() : QStringList{file};
}

TElementContext TfrmTarvik::ElementContext() const
{
    TElementContext ctx;
    ctx.Zoom = FZoom;
    ctx.SurfacePanel = [this](TSurfaceCode c) -> QWidget * { return SurfacePanel(c); };
    ctx.SurfaceCodeOf = [](const QWidget *p) { return SurfaceCodeOf(p); };
    return ctx;
}

std::optional<int> TfrmTarvik::FreeTextSlot() const
{
    return DocumentSlots::FirstFreeSlot(TextSlotCount,
                                        [this](int i) { return TextSlots[i] && !TextSlots[i]->isHidden(); });
}

std::optional<int> TfrmTarvik::FreeImageSlot() const
{
    return DocumentSlots::FirstFreeSlot(ImageSlotCount,
                                        [this](int i) { return ImageSlots[i] && !ImageSlots[i]->isHidden(); });
}

int TfrmTarvik::FindTextSlot() const
{
    return FreeTextSlot().value_or(0);
}

int TfrmTarvik::FindImageSlot() const
{
    return FreeImageSlot().value_or(0);
}

void TfrmTarvik::connectElement(TVelRotateLabel *e)
{
    connect(e, &TVelRotateLabel::OnChangingPos, this, &TfrmTarvik::VelRotateLabelChangingPos);
    connect(e, &TVelRotateLabel::OnMouseDown, this,
            [this](QWidget *sender, Qt::MouseButton b, Qt::KeyboardModifiers m, QPoint) {
                VelRotateLabelMouseDown(sender, b, m);
            });
}

void TfrmTarvik::connectElement(TVelCDImageElement *e)
{
    connect(e, &TVelCDImageElement::OnChangingPos, this, &TfrmTarvik::ImgElementChangingPos);
    connect(e, &TVelCDImageElement::OnResizing, this, &TfrmTarvik::ImgElementResizing);
    connect(e, &TVelCDImageElement::OnMouseDown, this,
            [this, e](QWidget *sender, Qt::MouseButton b, Qt::KeyboardModifiers m, QPoint pos) {
                if (!StartBandOnFittedPicture(e, b, e->mapToParent(pos)))
                    VelRotateLabelMouseDown(sender, b, m);
            });
}

void TfrmTarvik::ReportError(const QString &message)
{
    TTarvikApplication::ApplicationEvents1Exception(message);
}

void TfrmTarvik::btnInsertTextClick()
{
    if (HasSelection())
        pnlFrontCoverClick();
    pagEdit->setCurrentWidget(tabText);
    if (txtText->text().isEmpty()) {
        txtText->setFocus();
        return;
    }
    TTextElementRecord r;
    try {
        ReadTextPanel(r);
    } catch (const std::exception &e) {
        ReportError(QString::fromUtf8(e.what()));
        return;
    }
    if (InsertTextElement(r))
        Modified = true;
}

void TfrmTarvik::ReadTextPanel(TTextElementRecord &r)
{
    r.FontName = cmbFontName->fontName().left(50);
    r.FontStyle = (btnBold->isChecked() ? fbBold : 0) | (btnItalic->isChecked() ? fbItalic : 0)
                | (btnUnderline->isChecked() ? fbUnderline : 0) | (btnStrikeout->isChecked() ? fbStrikeout : 0);
    r.FontColor = shColor->color();
    r.SavedZoom = FZoom;
    bool ok = false;
    const QString size = cmbFontSize->currentText().trimmed();
    r.RealFontSize = size.toInt(&ok);
    if (!ok)
        throw std::runtime_error(Str(9525).arg(size).toStdString());
    r.Text = txtText->text().left(255);
    if (UseInches) {
        r.XPosInches = static_cast<float>(SpinX->value());
        r.YPosInches = static_cast<float>(SpinY->value());
        r.XPosCm = InchesToCm(r.XPosInches);
        r.YPosCm = InchesToCm(r.YPosInches);
    } else {
        r.XPosCm = static_cast<float>(SpinX->value());
        r.YPosCm = static_cast<float>(SpinY->value());
        r.XPosInches = CmToInches(r.XPosCm);
        r.YPosInches = CmToInches(r.YPosCm);
    }
    r.Angle = rb90->isChecked() ? 90 : rb180->isChecked() ? 180 : rb270->isChecked() ? 270 : 360;
    r.BackColor = shBackColor->color();
    r.Transparent = chkTransparent->isChecked();
    r.SurfaceIndex = SurfaceCodeOf(ActiveSurfacePanel());
}

TVelRotateLabel *TfrmTarvik::InsertTextElement(const TTextElementRecord &record)
{
    const std::optional<int> slot = FreeTextSlot();
    if (!slot) {
        MessageBoxes::ShowWarning(this, Str(9505).arg(TextSlotCount));
        return nullptr;
    }
    TTextElementRecord r = record;
    if (!RestoringHistory)
        r.SurfaceIndex = SurfaceCodeOf(ActiveSurfacePanel());
    TVelRotateLabel *e = CreateTextFromRecord(r, *slot, ElementContext());
    if (TextSlots[*slot])
        delete TextSlots[*slot].data(); // a hidden element gives its slot up
    TextSlots[*slot] = e;
    e->SetArrayIndex(*slot);
    connectElement(e);
    e->setEnabled(true);
    e->show();
    if (HasSelection())
        SH->DetachAll();
    SH->AttachControl(e);
    SH->SetLocked(HandleLocked());
    return e;
}

void TfrmTarvik::btnImageClick()
{
    pagEdit->setCurrentWidget(TabImage);
    if (HasSelection())
        pnlFrontCoverClick();
    const QStringList files = PictureChooser(TVKRegistry::ReadPreference(TVKRegistry::prImageOpenDir), true);
    if (files.isEmpty())
        return;
    bool inserted = false;
    for (const QString &file : files) {
        TVKRegistry::WritePreference(TVKRegistry::prImageOpenDir,
                                     QFileInfo(file).absolutePath() + QLatin1Char('/'));
        const QScopedValueRollback<bool> suppressed(SuppressHistory, true);
        inserted = InsertImageFile(file) >= 0 || inserted;
    }
    pnlBackCover->lineLeft()->raise();
    pnlBackCover->lineRight()->raise();
    if (inserted)
        Modified = true;
}

QImage TfrmTarvik::ReadInsertedPicture(const QString &path)
{
    QImage picture;
    if (!LoadPicture(picture, path, pnlFrontCover->size()))
        MessageBoxes::ShowWarning(this, Str(9510).arg(QDir::toNativeSeparators(path)));
    return picture;
}

int TfrmTarvik::InsertImageFile(const QString &path)
{
    if (!FreeImageSlot())
        return InsertImagePicture(path, QImage()); // a full cover: said there, nothing read
    const QImage picture = ReadInsertedPicture(path);
    return picture.isNull() ? -1 : InsertImagePicture(path, picture);
}

int TfrmTarvik::NextImageOrder(const TSurfacePanel *panel) const
{
    int order = 1;
    for (const auto &img : ImageSlots)
        if (img && img->parentWidget() == panel && img->isVisibleTo(panel) && img->Order() > 0)
            ++order;
    return order;
}

int TfrmTarvik::InsertImagePicture(const QString &path, const QImage &picture)
{
    const std::optional<int> slot = FreeImageSlot();
    if (!slot) {
        MessageBoxes::ShowWarning(this, Str(9515).arg(ImageSlotCount).arg(QFileInfo(path).fileName()));
        return -1;
    }
    TSurfacePanel *panel = ActiveSurfacePanel();
    const int order = NextImageOrder(panel);

    const QScopedValueRollback<bool> suppressed(SuppressHistory, true);
    if (ImageSlots[*slot])
        delete ImageSlots[*slot].data();
    auto *e = new TVelCDImageElement(panel);
    e->hide();
    ImageSlots[*slot] = e;
    e->Setzoom(FZoom);
    e->SetArrayIndex(*slot);
    e->SetOrder(order);
    e->SetMaintainAspectRatio(chkProportions->isChecked());
    e->SetImageFileName(path);
    e->SetAutoSize(true);
    e->SetPicture(picture);
    if (UseInches) {
        e->SetXPosInches(static_cast<float>(SpinX->value()));
        e->SetYPosInches(static_cast<float>(SpinY->value()));
    } else {
        e->SetXPosCm(static_cast<float>(SpinX->value()));
        e->SetYPosCm(static_cast<float>(SpinY->value()));
    }
    // A new picture takes the Fit box's surface, but not the round label's mask.
    const TFitStyle fit = ChosenFit();
    e->SetFitStyle(fit == fsRoundLabel ? fsNone : fit);
    connectElement(e);
    e->SetAutoSize(false);
    e->SetStretch(true);
    e->setEnabled(true);
    e->show();
    return *slot;
}

void TfrmTarvik::btnChangeImageClick()
{
    const QList<QWidget *> sel = Selection();
    if (sel.size() > 1)
        return;
    if (sel.isEmpty()) {
        btnImageClick();
        return;
    }
    if (PanelUpdating)
        return;
    auto *img = qobject_cast<TVelCDImageElement *>(sel.first());
    if (!img)
        return;
    const QStringList chosen = PictureChooser(img->ImageFileName(), false);
    const QString file = chosen.value(0);
    if (file.isEmpty()) {
        pnlFrontCoverClick();
        Modified = true;
        return;
    }
    // The new picture is read before the old one goes: one that cannot be
    // read leaves the image as it was.
    const QImage picture = ReadInsertedPicture(file);
    if (picture.isNull())
        return;
    Modified = true;
    mnuPopDeleteClick();
    EmptyImgInfos();
    InsertImagePicture(file, picture);
    pnlFrontCoverClick();
    Modified = true;
}

void TfrmTarvik::mnuPopDeleteClick()
{
    if (!HasSelection())
        return;
    RecordHistory();
    const QList<QWidget *> sel = Selection();
    SH->DetachAll();
    deleteElements(sel);
    pnlFrontCoverClick();
    // A deletion is a change to the document like any other: closing must
    // not drop it silently.
    Modified = true;
}

void TfrmTarvik::deleteElements(const QList<QWidget *> &elements)
{
    QList<TVelRotateLabel *> texts;
    QList<TVelCDImageElement *> images;
    for (QWidget *w : elements) {
        if (auto *t = qobject_cast<TVelRotateLabel *>(w)) {
            texts << t;
        } else if (auto *img = qobject_cast<TVelCDImageElement *>(w)) {
            if (img->FitStyle() == fsRoundLabel) {
                pnlRoundLabel->outerCircle()->show();
                pnlRoundLabel->innerCircle()->show();
            }
            std::vector<DocumentSlots::TStackEntry> entries;
            for (const auto &other : ImageSlots)
                if (other && other->parentWidget() == img->parentWidget())
                    entries.push_back({other->ArrayIndex(), SurfaceCodeOf(other->parentWidget()),
                                       other->FitStyle(), other->Order()});
            UpdateImageOrder(entries, img->ArrayIndex(), TOrderAction::Delete);
            for (const auto &entry : entries)
                if (ImageSlots[entry.slot])
                    ImageSlots[entry.slot]->SetOrder(entry.order);
            images << img;
        }
    }
    for (TVelRotateLabel *t : texts) {
        for (auto &slot : TextSlots)
            if (slot == t)
                slot = nullptr;
        delete t;
    }
    for (TVelCDImageElement *img : images) {
        for (auto &slot : ImageSlots)
            if (slot == img)
                slot = nullptr;
        delete img;
    }
}

void TfrmTarvik::DestroyAllElements()
{
    if (SH)
        SH->DetachAll();
    for (auto &slot : ImageSlots) {
        delete slot.data();
        slot = nullptr;
    }
    for (auto &slot : TextSlots) {
        delete slot.data();
        slot = nullptr;
    }
}

void TfrmTarvik::RezoomElements()
{
    for (int i = 0; i < ImageSlotCount; ++i) {
        if (ImageSlots[i])
            ImageSlots[i]->Setzoom(FZoom);
    }
    for (int i = 0; i < TextSlotCount; ++i) {
        if (TextSlots[i])
            TextSlots[i]->Setzoom(FZoom);
    }
}
