// Fitting pictures to whole surfaces, the return to the picture's own size,
// the size fields and the aspect-ratio box.

#include "TfrmTarvik.h"

#include "FitGeometry.h"
#include "ImageOrder.h"
#include "LabelMask.h"
#include "SurfaceGeometry.h"
#include "TShape.h"
#include "TSurfacePanel.h"
#include "TVelWinSpinEdit.h"
#include "VelCDImageElement.h"
#include "DocumentColors.h"
#include "TVelStretchHandle.h"
#include "VelImgUtils.h"
#include "VelMeasureRoutines.h"
#include "uResource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>

using namespace VelMeasureRoutines;

namespace {

void showCircles(TSurfacePanel *label, bool visible)
{
    label->outerCircle()->setVisible(visible);
    label->innerCircle()->setVisible(visible);
}

} // namespace

TVelCDImageElement *TfrmTarvik::SelectedSingleImage() const
{
    const QList<QWidget *> sel = Selection();
    return sel.size() == 1 ? qobject_cast<TVelCDImageElement *>(sel.first()) : nullptr;
}

void TfrmTarvik::reloadPicture(TVelCDImageElement *img)
{
    QImage picture;
    img->ClearPicture();
    img->SetAutoSize(true);
    LoadPicture(picture, img->ImageFileName(), pnlFrontCover->size());
    img->SetPicture(picture);
}

void TfrmTarvik::cmbFitToClick()
{
    TVelCDImageElement *img = SelectedSingleImage();
    if (!img)
        return;
    // A fit moves and sizes the picture, often onto another surface: it can
    // be undone in one step.
    THistoryStep step(*this);
    const QScopedValueRollback<bool> updating(PanelUpdating, true);
    const QScopedValueRollback<bool> suppressed(SuppressHistory, true);
    const TFitStyle before = img->FitStyle();
    if (FitReplacesPicture(before)) {
        reloadPicture(img);
        if (before == fsRoundLabel)
            showCircles(pnlRoundLabel, true);
    }
    switch (ChosenFit()) {
    case fsFront:
    case fsInside:
    case fsBack:
    case fsAllBack:
        FitToSurface(img, ChosenFit());
        break;
    case fsFrontInside:
        FitToFrontInside(1, img);
        break;
    case fsRoundLabel:
        FitToRoundLabel(img);
        break;
    case fsNone:
        FitToNone(img, before);
        break;
    }
    img->SetAutoSize(false);
    pnlFrontCoverClick();
    VelRotateLabelMouseDown(img, Qt::LeftButton, Qt::NoModifier);
    NormalizeLayers(img);
    Modified = true;
}

TFitStyle TfrmTarvik::ChosenFit() const
{
    // The Fit box lists the fit styles in their order.
    const int i = cmbFitTo->currentIndex();
    return i >= fsFront && i <= fsRoundLabel ? static_cast<TFitStyle>(i) : fsNone;
}

void TfrmTarvik::cmbFitToChange()
{
    if (!HasSelection() && ChosenFit() != fsNone) {
        const QScopedValueRollback<bool> updating(PanelUpdating, true);
        cmbFitTo->setCurrentIndex(0);
    }
}

void TfrmTarvik::FitToNone(TVelCDImageElement *img, TFitStyle before)
{
    if (before == fsFrontInside)
        reloadPicture(img);
    img->SetFitStyle(fsNone);
}

void TfrmTarvik::FitToSurface(TVelCDImageElement *img, TFitStyle style)
{
    const std::optional<TFitPlacement> place = FitPlacement(style, CoverSettings, FZoom);
    if (!place)
        return;
    ShowSurface(place->Surface);
    TSurfacePanel *panel = SurfacePanel(place->Surface);
    img->setParent(panel);
    img->SetAutoSize(false);
    img->SetStretch(true);
    img->SetFitStyle(style);
    if (style == fsBack) {
        img->SetXPosInches(place->XPosInches);
        img->SetYPosInches(place->YPosInches);
        img->SetWidthInches(place->WidthInches);
        img->SetHeightInches(place->HeightInches);
    } else {
        img->setGeometry(QRect(QPoint(0, 0), panel->size()));
    }
    img->SetOrder(place->Order);
    img->show();
}

void TfrmTarvik::FitToFrontInside(int half, TVelCDImageElement *img)
{
    const TFrontInsideHalf which = half == 2 ? TFrontInsideHalf::Inside : TFrontInsideHalf::Front;
    // A placeholder has no picture to cut; its grey box follows the covers.
    QImage picture;
    if (!img->Placeholder()) {
        const QImage full = ReadPicture(img->ImageFileName(), [this](QSize s) {
            return FittedPictureLoadSize(s, fsFrontInside, CoverSettings);
        });
        if (full.isNull()) {
            ReportError(Str(9500).arg(img->ImageFileName()));
            return;
        }
        // The half is cut at the highest zoom, so the picture stays sharp
        // when the view zooms in.
        picture = FrontInsideHalfPicture(full, CoverSettings, HighestViewZoom, which, img->MaintainAspectRatio());
    }
    img->ClearPicture();
    img->SetAutoSize(false);
    img->SetStretch(true);
    img->SetFitStyle(fsFrontInside);
    TSurfacePanel *panel = half == 2 ? pnlInsideCover : pnlFrontCover;
    ShowSurface(half == 2 ? TSurfaceCode::Inside : TSurfaceCode::Front);
    img->setParent(panel);
    img->SetXPosInches(0);
    img->SetYPosInches(0);
    img->setGeometry(QRect(QPoint(0, 0), panel->size()));
    img->SetOrder(FrontInsideOrder);
    img->SetPicture(picture);
    img->show();
    img->lower();
}

void TfrmTarvik::FitToRoundLabel(TVelCDImageElement *img)
{
    ShowSurface(TSurfaceCode::RoundLabel);
    img->setParent(pnlRoundLabel);
    img->SetAutoSize(false);
    img->SetStretch(true);
    img->SetFitStyle(fsRoundLabel);
    img->setGeometry(QRect(QPoint(0, 0), pnlRoundLabel->size()));
    img->SetOrder(RoundLabelOrder);
    if (img->Placeholder()) {
        img->show(); // its grey box covers the label; there is no picture to mask
        return;
    }
    const QImage masked = RoundLabelImage(img->Picture(), img->MaintainAspectRatio());
    img->ClearPicture();
    img->SetPicture(masked);
    img->show();
    showCircles(pnlRoundLabel, false);
}

QImage TfrmTarvik::RoundLabelImage(const QImage &picture, bool keepProportions) const
{
    // Keeping its proportions, the picture gives the label's square from its
    // middle. The masked picture is made at the highest zoom, so it stays
    // sharp.
    const QImage square = keepProportions && !picture.isNull()
        ? picture.copy(CenterCropRect(picture.size(), QSizeF(1, 1)))
        : picture;
    const int outer = InchesToScreenPixels(CoverSettings.OuterDiameter, HighestViewZoom);
    const int inner = InchesToScreenPixels(CoverSettings.InnerDiameter, HighestViewZoom);
    return RoundLabelPicture(square, outer, inner, ColorToQColor(CoverSettings.Colors[ciLines]));
}

void TfrmTarvik::NormalizeLayers(TVelCDImageElement *img)
{
    QWidget *panel = img->parentWidget();
    if (!panel)
        return;
    // From back to front: the disc, the other shapes, the images, then the
    // texts and the handle.
    QList<QWidget *> images;
    for (QObject *o : panel->children())
        if (auto *e = qobject_cast<TVelCDImageElement *>(o))
            images << e;
    for (auto it = images.rbegin(); it != images.rend(); ++it)
        (*it)->lower();
    QList<QWidget *> shapes;
    for (QObject *o : panel->children())
        if (auto *s = qobject_cast<TShape *>(o))
            shapes << s;
    for (auto it = shapes.rbegin(); it != shapes.rend(); ++it)
        (*it)->lower();
    if (auto *label = qobject_cast<TSurfacePanel *>(panel); label && label->outerCircle())
        label->outerCircle()->lower();
}

void TfrmTarvik::btnBackToOriginalSizeClick()
{
    TVelCDImageElement *img = SelectedSingleImage();
    if (!img)
        return;
    if (!SuppressHistory)
        RecordHistory();
    const bool wasLabel = img->FitStyle() == fsRoundLabel;
    img->SetFitStyle(fsNone);
    reloadPicture(img);
    img->SetAutoSize(false);
    img->SetStretch(true);
    if (wasLabel)
        showCircles(pnlRoundLabel, true);
    ReselectAll();
    Modified = true;
}

void TfrmTarvik::chkProportionsClick()
{
    const bool keep = chkProportions->isChecked();
    for (const auto &img : ImageSlots)
        if (img)
            img->SetMaintainAspectRatio(keep);
    // Fitted pictures follow at once: cut to their surface, or stretched.
    // Those fitted to a surface repaint themselves; a front-and-inside
    // picture is cut again on the cover shown (the other when it is shown),
    // a round-label one from its file.
    RefitFrontInsideImages();
    for (const auto &img : ImageSlots) {
        if (!img || img->FitStyle() != fsRoundLabel || img->Placeholder())
            continue;
        QImage picture;
        if (LoadPicture(picture, img->ImageFileName(), pnlFrontCover->size()))
            img->SetPicture(RoundLabelImage(picture, keep));
    }
}

void TfrmTarvik::SpinImgWidthChange()
{
    if (PanelUpdating || Selection().size() != 1 || SpinImgWidth->text().isEmpty()
        || SpinImgHeight->text().isEmpty())
        return;
    TVelCDImageElement *img = SelectedSingleImage();
    if (!img)
        return;
    const float w = static_cast<float>(SpinImgWidth->value());
    const float h = static_cast<float>(SpinImgHeight->value());
    img->SetWidthInches(UseInches ? w : CmToInches(w));
    img->SetHeightInches(UseInches ? h : CmToInches(h));
    img->parentWidget()->update();
    SH->show();
    SH->update();
    Modified = true;
}

void TfrmTarvik::RefitFrontInsideImages()
{
    QWidget *tab = pagCover->currentWidget();
    if (tab != TabFrontCover && tab != TabInsideCover)
        return;
    const int half = tab == TabFrontCover ? 1 : 2;
    for (const auto &img : ImageSlots)
        if (img && img->FitStyle() == fsFrontInside)
            FitToFrontInside(half, img);
}

void TfrmTarvik::refitRebuiltImage(TVelCDImageElement *img)
{
    // A picture rebuilt from a record shows its whole file; the two fits
    // that replace the picture are made again.
    if (img->FitStyle() == fsRoundLabel) {
        ShowSurface(TSurfaceCode::RoundLabel);
        FitToRoundLabel(img);
    } else if (img->FitStyle() == fsFrontInside) {
        FitToFrontInside(SurfaceCodeOf(img->parentWidget()) == TSurfaceCode::Inside ? 2 : 1, img);
    }
}
