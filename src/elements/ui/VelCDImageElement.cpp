#include "VelCDImageElement.h"

#include "ElementPixels.h"
#include "PictureCrop.h"
#include "VelMeasureRoutines.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>

using namespace ElementPixels;
using VelMeasureRoutines::CmToInches;
using VelMeasureRoutines::InchesToCm;
using VelMeasureRoutines::RoundEven;

TVelImageType ImageTypeOfFileName(const QString &fileName, TVelImageType current)
{
    if (fileName.isEmpty())
        return itNone;
    const QString name = fileName.mid(std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\')) + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return current;
    const QString ext = name.mid(dot).toUpper().left(4);
    if (ext == u".WMF")
        return itWmf;
    if (ext == u".EMF")
        return itEmf;
    if (ext == u".BMP")
        return itBmp;
    if (ext == u".JPG" || ext == u".JPE")
        return itJpg;
    return current;
}

TVelCDImageElement::TVelCDImageElement(QWidget *parent)
    : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    LastLeft = x();
    LastTop = y();
    LastWidth = width();
    LastHeight = height();
}

// --- Zoom and geometry setters ------------------------------------------

void TVelCDImageElement::Setzoom(float z)
{
    if (z == Fzoom)
        return;
    SyncBounds();
    Fzoom = z;
    MoveToInches();
    SizeToInches();
    // A zoom is no resize by the user: the aspect rule is not asked.
    LastWidth = width();
    LastHeight = height();
    update();
}

void TVelCDImageElement::MoveToInches()
{
    LastLeft = ToPixels(FXPosInches, Fzoom);
    LastTop = ToPixels(FYPosInches, Fzoom);
    move(LastLeft, LastTop);
}

// Unlike a move, a resize is seen by the next paint: a width typed in the
// size field makes the aspect rule correct the height there.
void TVelCDImageElement::SizeToInches()
{
    resize(ToSize(FWidthInches, Fzoom), ToSize(FHeightInches, Fzoom));
}

// Position setters first take over a pending move; size setters do not
// look at the size, so a width and a height set one after the other reach
// the aspect rule together.
#define TVEL_CM_SETTER(Name, CmField, InchSetter, Sync)                                    \
    void TVelCDImageElement::Name(float v)                                                 \
    {                                                                                      \
        Sync;                                                                              \
        if (v == CmField)                                                                  \
            return;                                                                        \
        CmField = v;                                                                       \
        InchSetter(CmToInches(v));                                                         \
    }

TVEL_CM_SETTER(SetXPosCm, FXPosCm, SetXPosInches, SyncMove())
TVEL_CM_SETTER(SetYPosCm, FYPosCm, SetYPosInches, SyncMove())
TVEL_CM_SETTER(SetWidthCm, FWidthCm, SetWidthInches, (void)0)
TVEL_CM_SETTER(SetHeightCm, FHeightCm, SetHeightInches, (void)0)
#undef TVEL_CM_SETTER

void TVelCDImageElement::SetXPosInches(float v)
{
    SyncMove();
    if (v == FXPosInches)
        return;
    FXPosInches = v;
    FXPosCm = InchesToCm(v);
    MoveToInches();
    update();
}

void TVelCDImageElement::SetYPosInches(float v)
{
    SyncMove();
    if (v == FYPosInches)
        return;
    FYPosInches = v;
    FYPosCm = InchesToCm(v);
    MoveToInches();
    update();
}

void TVelCDImageElement::SetWidthInches(float v)
{
    if (v == FWidthInches)
        return;
    FWidthInches = v;
    FWidthCm = InchesToCm(v);
    resize(ToSize(v, Fzoom), height());
    update();
}

void TVelCDImageElement::SetHeightInches(float v)
{
    if (v == FHeightInches)
        return;
    FHeightInches = v;
    FHeightCm = InchesToCm(v);
    resize(width(), ToSize(v, Fzoom));
    update();
}

// --- Getters ------------------------------------------------------------

#define TVEL_SYNCED_GETTER(Name, Field, Sync)                                              \
    float TVelCDImageElement::Name() const                                                 \
    {                                                                                      \
        const_cast<TVelCDImageElement *>(this)->Sync();                                    \
        return Field;                                                                      \
    }

TVEL_SYNCED_GETTER(XPosCm, FXPosCm, SyncMove)
TVEL_SYNCED_GETTER(YPosCm, FYPosCm, SyncMove)
TVEL_SYNCED_GETTER(XPosInches, FXPosInches, SyncMove)
TVEL_SYNCED_GETTER(YPosInches, FYPosInches, SyncMove)
TVEL_SYNCED_GETTER(WidthCm, FWidthCm, SyncBounds)
TVEL_SYNCED_GETTER(HeightCm, FHeightCm, SyncBounds)
TVEL_SYNCED_GETTER(WidthInches, FWidthInches, SyncBounds)
TVEL_SYNCED_GETTER(HeightInches, FHeightInches, SyncBounds)
#undef TVEL_SYNCED_GETTER

// --- Plain properties ---------------------------------------------------

void TVelCDImageElement::SetImageFileName(const QString &name)
{
    // The whole path: documents keep it in full beside the record's
    // 255-byte field.
    if (name == FImageFileName)
        return;
    FImageFileName = name;
    FImageType = ImageTypeOfFileName(name, FImageType);
}

void TVelCDImageElement::SetFitStyle(TFitStyle f)
{
    if (f == FFitStyle)
        return;
    FFitStyle = f;
    emit OnFitting(this);
}

void TVelCDImageElement::SetPicture(const QImage &picture)
{
    FPicture = picture;
    if (FAutoSize && !FPicture.isNull())
        resize(FPicture.size());
    update();
}

void TVelCDImageElement::SetMaintainAspectRatio(bool on)
{
    if (on == FMaintainAspectRatio)
        return;
    FMaintainAspectRatio = on;
    if (FFitStyle != fsNone)
        update();
}

void TVelCDImageElement::SetPlaceholder(bool on)
{
    if (on == FPlaceholder)
        return;
    FPlaceholder = on;
    update();
}

void TVelCDImageElement::ClearPicture()
{
    FPicture = QImage();
    update();
}

void TVelCDImageElement::SetStretch(bool on)
{
    if (on == FStretch)
        return;
    FStretch = on;
    update();
}

void TVelCDImageElement::SetAutoSize(bool on)
{
    if (on == FAutoSize)
        return;
    FAutoSize = on;
    if (FAutoSize && !FPicture.isNull())
        resize(FPicture.size());
}

// --- Following the pixel bounds -----------------------------------------

bool TVelCDImageElement::SyncPosition()
{
    if (x() == LastLeft && y() == LastTop)
        return false;
    LastLeft = x();
    LastTop = y();
    // Pixels that the stored inches already give keep the exact inches.
    if (x() != ToPixels(FXPosInches, Fzoom)) {
        FXPosInches = ToInches(x(), Fzoom);
        FXPosCm = InchesToCm(FXPosInches);
    }
    if (y() != ToPixels(FYPosInches, Fzoom)) {
        FYPosInches = ToInches(y(), Fzoom);
        FYPosCm = InchesToCm(FYPosInches);
    }
    MoveToInches();
    return true;
}

bool TVelCDImageElement::SyncSize()
{
    if (AspectWidth == 0) {
        AspectWidth = float(width());
        AspectHeight = float(height());
    }
    if (width() == LastWidth && height() == LastHeight)
        return false;
    if (FMaintainAspectRatio && FFitStyle == fsNone && AspectWidth > 0 && AspectHeight > 0) {
        // The dimension that changed more drives; a tie changes nothing.
        int dW = width() - LastWidth;
        int dH = height() - LastHeight;
        if (std::abs(dH) < std::abs(dW))
            resize(width(), RoundEven(double(width()) * AspectHeight / AspectWidth));
        dW = width() - LastWidth;
        dH = height() - LastHeight;
        if (std::abs(dW) < std::abs(dH))
            resize(RoundEven(double(height()) * AspectWidth / AspectHeight), height());
    }
    if (width() != ToSize(FWidthInches, Fzoom)) {
        FWidthInches = ToInches(width(), Fzoom);
        FWidthCm = InchesToCm(FWidthInches);
    }
    if (height() != ToSize(FHeightInches, Fzoom)) {
        FHeightInches = ToInches(height(), Fzoom);
        FHeightCm = InchesToCm(FHeightInches);
    }
    LastWidth = width();
    LastHeight = height();
    return true;
}

void TVelCDImageElement::SyncBounds()
{
    if (FSyncing)
        return;
    FSyncing = true;
    const bool moved = SyncPosition();
    const bool resized = SyncSize();
    FSyncing = false;
    if (moved)
        emit OnChangingPos(this);
    if (resized)
        emit OnResizing(this);
}

void TVelCDImageElement::SyncMove()
{
    if (FSyncing || (x() == LastLeft && y() == LastTop))
        return;
    FSyncing = true;
    const bool moved = SyncPosition();
    FSyncing = false;
    if (moved)
        emit OnChangingPos(this);
}

void TVelCDImageElement::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Only the position is taken over at once; the size waits for the paint
    // so that a width and a height set one after the other count together.
    SyncMove();
}

// --- Drawing and mouse --------------------------------------------------

void TVelCDImageElement::paintEvent(QPaintEvent *)
{
    if (FPlaceholder) {
        QPainter p(this);
        p.fillRect(rect(), QColor(192, 192, 192));
        p.setPen(QColor(128, 128, 128));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        const QRect room = rect().adjusted(4, 4, -4, -4);
        const QString name = FImageFileName.mid(
            std::max(FImageFileName.lastIndexOf(u'/'), FImageFileName.lastIndexOf(u'\\')) + 1);
        p.drawText(room, Qt::AlignCenter, p.fontMetrics().elidedText(name, Qt::ElideMiddle, room.width()));
    } else if (!FPicture.isNull()) {
        QPainter p(this);
        if (FStretch) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            // A picture its fit stretches over a whole surface keeps its
            // proportions when asked to: it shows its middle part, cut to
            // the surface's shape. (Front-and-inside and round-label fits
            // hand the element a picture already cut.)
            const bool cut = FMaintainAspectRatio
                && (FFitStyle == fsFront || FFitStyle == fsInside || FFitStyle == fsBack || FFitStyle == fsAllBack);
            p.drawImage(rect(), FPicture, cut ? CenterCropRect(FPicture.size(), QSizeF(size())) : FPicture.rect());
        } else {
            p.drawImage(QPoint(0, 0), FPicture);
        }
    }
    FSyncing = true;
    const bool moved = SyncPosition();
    SyncSize();
    FSyncing = false;
    if (moved)
        emit OnChangingPos(this);
    // Raised on every paint, whether or not anything changed.
    emit OnResizing(this);
}

void TVelCDImageElement::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit OnMouseDown(this, event->button(), event->modifiers(), event->position().toPoint());
}
