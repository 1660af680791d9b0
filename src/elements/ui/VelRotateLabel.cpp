#include "VelRotateLabel.h"

#include "DocumentColors.h"
#include "ElementPixels.h"
#include "RotatedText.h"
#include "VelMeasureRoutines.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

using namespace ElementPixels;
using VelMeasureRoutines::RoundEven;

namespace {
// Beyond this a font is no use on a cover and only costs memory to draw.
constexpr int MaxDrawnPointSize = 4000;
}

TVelRotateLabel::TVelRotateLabel(QWidget *parent)
    : QWidget(parent)
{
    QFont f(QStringLiteral("Arial"));
    // The point size stays the toolkit's default until the creator sets it;
    // setting it here keeps the panel's font from reaching the element.
    f.setPointSize(std::max(1, QWidget::font().pointSize()));
    // The constructor's own font is no size set by a user: only a later
    // change of the font turns into RealFontSize.
    LastFontSize = f.pointSize();
    setFont(f);
    LastLeft = x();
    LastTop = y();
}

// --- Angle, style, zoom, font size --------------------------------------

void TVelRotateLabel::SetAngle(int a)
{
    a = NormalizeAngle(a);
    if (a == FAngle)
        return;
    FAngle = a;
    UpdateAutoSize();
    update();
}

void TVelRotateLabel::SetTextStyle(TTextStyle s)
{
    if (s == FTextStyle)
        return;
    FTextStyle = s;
    update();
}

void TVelRotateLabel::Setzoom(float z)
{
    if (z == Fzoom)
        return;
    SyncPosition();
    FollowFontSize();
    Fzoom = z;
    // The zoomed size is the program's own change, not one made to the font
    // directly, so it does not feed back into RealFontSize.
    ApplyFontSize(RoundEven(double(z) * FRealFontSize));
    MoveToInches();
    update();
}

int TVelRotateLabel::RealFontSize() const
{
    const_cast<TVelRotateLabel *>(this)->FollowFontSize();
    return FRealFontSize;
}

void TVelRotateLabel::SetRealFontSize(int n)
{
    FollowFontSize();
    const int zoomed = RoundEven(double(n) * Fzoom);
    // Equal sizes change nothing, unless the font does not show this size
    // yet (a new element still has the toolkit's default font size).
    if (n == FRealFontSize && FontSize() == std::clamp(zoomed, 1, MaxDrawnPointSize))
        return;
    FRealFontSize = n;
    ApplyFontSize(zoomed);
}

void TVelRotateLabel::SetFontSize(int points)
{
    // A size set on the font directly: RealFontSize follows (FollowFontSize).
    QFont f = font();
    f.setPointSize(std::clamp(points, 1, MaxDrawnPointSize));
    setFont(f);
}

void TVelRotateLabel::ApplyFontSize(int points)
{
    QFont f = font();
    f.setPointSize(std::clamp(points, 1, MaxDrawnPointSize));
    LastFontSize = f.pointSize();
    setFont(f);
}

void TVelRotateLabel::FollowFontSize()
{
    const int size = font().pointSize();
    if (size == LastFontSize)
        return;
    FRealFontSize = RoundEven(double(size) / double(Fzoom));
    LastFontSize = size;
}

// --- Position -----------------------------------------------------------

int TVelRotateLabel::PixelX() const { return ToPixels(FXPosInches, Fzoom); }
int TVelRotateLabel::PixelY() const { return ToPixels(FYPosInches, Fzoom); }

void TVelRotateLabel::MoveToInches()
{
    // A move the element makes itself is no news for the owner.
    LastLeft = PixelX();
    LastTop = PixelY();
    move(LastLeft, LastTop);
}

float TVelRotateLabel::XPosCm() const
{
    const_cast<TVelRotateLabel *>(this)->SyncPosition();
    return FXPosCm;
}

float TVelRotateLabel::YPosCm() const
{
    const_cast<TVelRotateLabel *>(this)->SyncPosition();
    return FYPosCm;
}

float TVelRotateLabel::XPosInches() const
{
    const_cast<TVelRotateLabel *>(this)->SyncPosition();
    return FXPosInches;
}

float TVelRotateLabel::YPosInches() const
{
    const_cast<TVelRotateLabel *>(this)->SyncPosition();
    return FYPosInches;
}

void TVelRotateLabel::SetXPosCm(float v)
{
    SyncPosition();
    if (v == FXPosCm)
        return;
    FXPosCm = v;
    SetXPosInches(VelMeasureRoutines::CmToInches(v));
}

void TVelRotateLabel::SetYPosCm(float v)
{
    SyncPosition();
    if (v == FYPosCm)
        return;
    FYPosCm = v;
    SetYPosInches(VelMeasureRoutines::CmToInches(v));
}

void TVelRotateLabel::SetXPosInches(float v)
{
    SyncPosition();
    if (v == FXPosInches)
        return;
    FXPosInches = v;
    FXPosCm = VelMeasureRoutines::InchesToCm(v);
    MoveToInches();
    update();
}

void TVelRotateLabel::SetYPosInches(float v)
{
    SyncPosition();
    if (v == FYPosInches)
        return;
    FYPosInches = v;
    FYPosCm = VelMeasureRoutines::InchesToCm(v);
    MoveToInches();
    update();
}

void TVelRotateLabel::SyncPosition()
{
    if (FSyncing || (x() == LastLeft && y() == LastTop))
        return;
    FSyncing = true;
    LastLeft = x();
    LastTop = y();
    // A pixel value that the stored inches already give is kept as it is,
    // so the exact value typed or read from a file is not replaced by its
    // pixel approximation.
    if (x() != PixelX()) {
        FXPosInches = ToInches(x(), Fzoom);
        FXPosCm = VelMeasureRoutines::InchesToCm(FXPosInches);
    }
    if (y() != PixelY()) {
        FYPosInches = ToInches(y(), Fzoom);
        FYPosCm = VelMeasureRoutines::InchesToCm(FYPosInches);
    }
    if (x() != PixelX() || y() != PixelY())
        MoveToInches();
    FSyncing = false;
    emit OnChangingPos(this);
}

void TVelRotateLabel::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    SyncPosition();
}

// --- Plain properties ---------------------------------------------------

void TVelRotateLabel::SetCaption(const QString &text)
{
    if (text == FCaption)
        return;
    FCaption = text;
    UpdateAutoSize();
    update();
}

void TVelRotateLabel::SetColor(TColor c)
{
    if (c == FColor)
        return;
    FColor = c;
    update();
}

void TVelRotateLabel::SetFontColor(TColor c)
{
    if (c == FFontColor)
        return;
    FFontColor = c;
    update();
}

void TVelRotateLabel::SetTransparent(bool t)
{
    if (t == FTransparent)
        return;
    FTransparent = t;
    update();
}

void TVelRotateLabel::SetAutoSize(bool on)
{
    if (on == FAutoSize)
        return;
    FAutoSize = on;
    UpdateAutoSize();
}

void TVelRotateLabel::SetAlignment(Qt::Alignment a)
{
    if (a == FAlignment)
        return;
    FAlignment = a;
    update();
}

void TVelRotateLabel::SetWordWrap(bool on)
{
    if (on == FWordWrap)
        return;
    FWordWrap = on;
    UpdateAutoSize();
    update();
}

void TVelRotateLabel::SetShowAccelChar(bool on)
{
    if (on == FShowAccelChar)
        return;
    FShowAccelChar = on;
    UpdateAutoSize();
    update();
}

void TVelRotateLabel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FollowFontSize();
        UpdateAutoSize();
    }
}

// --- Size ---------------------------------------------------------------

QSize TVelRotateLabel::RotatedBoxSize() const
{
    const QFontMetrics fm(font());
    const TRotatedPlacement pl = ::PlaceRotatedText(fm.horizontalAdvance(FCaption), fm.height(), FAngle);
    return QSize(pl.width, pl.height);
}

int TVelRotateLabel::DrawFlags() const
{
    int flags = Qt::TextExpandTabs;
    if (FWordWrap)
        flags |= Qt::TextWordWrap;
    if (FAlignment & Qt::AlignRight)
        flags |= Qt::AlignRight;
    else if (FAlignment & Qt::AlignHCenter)
        flags |= Qt::AlignHCenter;
    else
        flags |= Qt::AlignLeft;
    if (FShowAccelChar)
        flags |= Qt::TextShowMnemonic;
    return flags;
}

void TVelRotateLabel::UpdateAutoSize()
{
    if (!FAutoSize)
        return;
    // The size is taken at once rather than at the next paint, so a handle
    // attached to a rotated element that has not been painted yet fits it.
    QSize size;
    if (FAngle == 0) {
        const QFontMetrics fm(font());
        const int flags = DrawFlags() & ~(Qt::AlignRight | Qt::AlignHCenter);
        if (FWordWrap)
            size = fm.boundingRect(QRect(0, 0, std::max(1, width()), QWIDGETSIZE_MAX), flags, FCaption).size();
        else
            size = fm.size(flags, FCaption);
    } else {
        size = RotatedBoxSize();
    }
    if (size != this->size())
        resize(size);
}

// --- Drawing ------------------------------------------------------------

void TVelRotateLabel::paintEvent(QPaintEvent *)
{
    {
        QPainter p(this);
        if (!FTransparent)
            p.fillRect(rect(), ColorToQColor(FColor, palette()));
        DrawStyledText(p, rect(), DrawFlags());
    }
    FollowFontSize();
    SyncPosition();
}

void TVelRotateLabel::DrawStyledText(QPainter &p, const QRect &rect, int flags)
{
    const QString text = FCaption;
    p.setFont(font());
    if (FTextStyle == tsRaised || FTextStyle == tsRecessed) {
        QColor light = palette().color(QPalette::Active, QPalette::Light);
        QColor dark = palette().color(QPalette::Active, QPalette::Dark);
        if (FTextStyle == tsRecessed)
            std::swap(light, dark);
        p.setPen(dark);
        DrawText(p, rect.translated(1, 1), flags, text);
        p.setPen(light);
        DrawText(p, rect.translated(-1, -1), flags, text);
    }
    p.setPen(isEnabled() ? ColorToQColor(FFontColor, palette())
                         : palette().color(QPalette::Disabled, QPalette::Text));
    DrawText(p, rect, flags, text);
}

void TVelRotateLabel::DrawText(QPainter &p, const QRect &rect, int flags, const QString &text)
{
    if (FAngle == 0)
        p.drawText(rect, flags, text);
    else
        TextOutRotated(p, rect, text, FAngle);
}

void TVelRotateLabel::TextOutRotated(QPainter &p, const QRect &rect, const QString &text, int angle)
{
    const QRect start = PlaceRotatedText(rect, angle, text);
    const QFontMetrics fm(font());
    p.save();
    // The line's top-left reference point at start, its baseline running
    // `angle` degrees counterclockwise (Qt turns clockwise for positive
    // angles, y growing downward).
    p.translate(start.topLeft());
    p.rotate(-angle);
    p.drawText(QPoint(0, fm.ascent()), text);
    p.restore();
}

QRect TVelRotateLabel::PlaceRotatedText(QRect rect, int angle, const QString &text)
{
    const QFontMetrics fm(font());
    const TRotatedPlacement pl = ::PlaceRotatedText(fm.horizontalAdvance(text), fm.height(), angle);
    rect.translate(pl.dx, pl.dy);
    if (FAutoSize) {
        if (size() != QSize(pl.width, pl.height))
            resize(pl.width, pl.height);
    } else if (FAlignment & Qt::AlignHCenter) {
        rect.translate((width() - pl.width) / 2, 0);
    } else if (FAlignment & Qt::AlignRight) {
        rect.translate(width() - pl.width, 0);
    }
    return rect;
}

// --- Mouse --------------------------------------------------------------

void TVelRotateLabel::mousePressEvent(QMouseEvent *event)
{
    // Taken here so that the panel beneath does not start a rubber band.
    event->accept();
    emit OnMouseDown(this, event->button(), event->modifiers(), event->position().toPoint());
}
