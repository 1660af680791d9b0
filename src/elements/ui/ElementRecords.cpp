#include "ElementRecords.h"

#include "ElementPixels.h"
#include "RotatedText.h"
#include "VelCDImageElement.h"
#include "VelImgUtils.h"
#include "VelRotateLabel.h"

#include <QFileInfo>

#include <cmath>
#include <memory>

namespace {

QWidget *PanelOf(const TElementContext &ctx, TSurfaceCode code)
{
    return ctx.SurfacePanel ? ctx.SurfacePanel(code) : nullptr;
}

TSurfaceCode CodeOf(const TElementContext &ctx, const QWidget *panel)
{
    return ctx.SurfaceCodeOf ? ctx.SurfaceCodeOf(panel) : TSurfaceCode::Front;
}

} // namespace

bool TextToRecord(const TVelRotateLabel *e, TTextElementRecord &r, const TElementContext &ctx)
{
    if (!e || e->isHidden())
        return false;
    const QFont f = e->font();
    r.Text = e->Caption().left(255);
    r.XPosCm = e->XPosCm();
    r.YPosCm = e->YPosCm();
    r.XPosInches = e->XPosInches();
    r.YPosInches = e->YPosInches();
    r.RealFontSize = e->RealFontSize();
    r.FontName = f.family().left(50);
    r.FontSize = f.pointSize();
    r.FontStyle = (f.bold() ? fbBold : 0) | (f.italic() ? fbItalic : 0)
                | (f.underline() ? fbUnderline : 0) | (f.strikeOut() ? fbStrikeout : 0);
    r.FontColor = e->FontColor();
    r.Angle = e->Angle();
    r.Transparent = e->Transparent();
    r.BackColor = e->Color();
    r.SurfaceIndex = CodeOf(ctx, e->parentWidget());
    r.ArrayIndex = e->ArrayIndex();
    r.SavedZoom = ctx.Zoom;
    return true;
}

bool ImageToRecord(const TVelCDImageElement *e, TImageElementRecord &r, const TElementContext &ctx)
{
    if (!e || e->isHidden())
        return false;
    r.XPosCm = e->XPosCm();
    r.YPosCm = e->YPosCm();
    r.XPosInches = e->XPosInches();
    r.YPosInches = e->YPosInches();
    r.WidthCm = e->WidthCm();
    r.HeightCm = e->HeightCm();
    r.WidthInches = e->WidthInches();
    r.HeightInches = e->HeightInches();
    r.ImageFileName = e->ImageFileName();
    r.ImageType = e->ImageType();
    r.Angle = e->Angle();
    r.FitStyle = e->FitStyle();
    r.SurfaceIndex = CodeOf(ctx, e->parentWidget());
    r.ArrayIndex = e->ArrayIndex();
    r.Order = e->Order();
    r.SavedZoom = ctx.Zoom;
    return true;
}

TVelRotateLabel *CreateTextFromRecord(const TTextElementRecord &r, int slot, const TElementContext &ctx)
{
    auto e = std::make_unique<TVelRotateLabel>();
    e->Setzoom(ctx.Zoom);
    e->SetAngle(r.Angle);
    e->SetArrayIndex(slot);
    e->SetColor(r.BackColor);
    e->SetFontColor(r.FontColor);

    const bool installed = ctx.FontAvailable ? ctx.FontAvailable(r.FontName) : IsFontInstalled(r.FontName);
    QFont f = e->font();
    f.setFamily(installed && !r.FontName.isEmpty() ? r.FontName : QStringLiteral("Arial"));
    f.setBold(r.FontStyle & fbBold);
    f.setItalic(r.FontStyle & fbItalic);
    f.setUnderline(r.FontStyle & fbUnderline);
    f.setStrikeOut(r.FontStyle & fbStrikeout);
    e->setFont(f);
    if (r.FontSize > 0)
        e->SetFontSize(r.FontSize);

    e->setParent(PanelOf(ctx, r.SurfaceIndex));
    // RealFontSize sets the displayed size again from the zoom; a record
    // without one keeps the size derived from its font size. A record with
    // neither size above 0 gets the size a new text gets, which is then
    // both shown and saved.
    if (r.RealFontSize > 0)
        e->SetRealFontSize(r.RealFontSize);
    else if (r.FontSize <= 0)
        e->SetRealFontSize(DefaultTextFontSize);
    e->SetCaption(r.Text);
    e->SetTransparent(r.Transparent);
    // The inch values are set last, so they govern.
    e->SetXPosCm(r.XPosCm);
    e->SetXPosInches(r.XPosInches);
    e->SetYPosCm(r.YPosCm);
    e->SetYPosInches(r.YPosInches);
    e->SetAutoSize(true);
    e->show();
    return e.release();
}

TVelCDImageElement *CreateImageFromRecord(const TImageElementRecord &r, int /*slot*/, const TElementContext &ctx)
{
    QString path;
    if (ctx.FindImage)
        path = ctx.FindImage(r.ImageFileName);
    else if (!r.ImageFileName.isEmpty() && QFileInfo::exists(r.ImageFileName))
        path = r.ImageFileName;
    if (path.isEmpty())
        return nullptr;

    const QSize box = PictureBoxOf(r);
    const QImage picture = ctx.ReadPicture
        ? ctx.ReadPicture(path, box)
        : ReadPicture(path, [box](QSize full) { return CoveringPictureSize(full, box); });
    auto e = std::make_unique<TVelCDImageElement>();
    e->SetImageFileName(path);
    if (picture.isNull())
        e->SetPlaceholder(true);
    else
        e->SetPicture(picture);
    e->SetAutoSize(false);
    e->Setzoom(ctx.Zoom);
    e->SetOrder(r.Order);
    e->SetAngle(r.Angle);
    // The record's slot; pasting gives the element its new slot afterwards.
    e->SetArrayIndex(r.ArrayIndex);
    e->SetImageType(r.ImageType);
    e->SetFitStyle(r.FitStyle);
    e->setParent(PanelOf(ctx, r.SurfaceIndex));
    e->SetXPosCm(r.XPosCm);
    e->SetXPosInches(r.XPosInches);
    e->SetYPosCm(r.YPosCm);
    e->SetYPosInches(r.YPosInches);
    e->SetWidthCm(r.WidthCm);
    e->SetWidthInches(r.WidthInches);
    e->SetHeightCm(r.HeightCm);
    e->SetHeightInches(r.HeightInches);
    e->SetStretch(true);
    e->show();
    return e.release();
}
