#include "VelPrinterUtils.h"

#include "PrintJob.h"
#include "TarvikError.h"
#include "VelMeasureRoutines.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace VelPrinterUtils {

int PrinterFontPixelSize(int points, int printerPpiY)
{
    const float px = float(points) * float(printerPpiY) / 72.0f;
    return std::max(1, VelMeasureRoutines::RoundEven(px));
}

QFont PrinterRotatedFont(const QFont &canvasFont)
{
    QFont f(canvasFont.family());
    if (canvasFont.pixelSize() > 0)
        f.setPixelSize(canvasFont.pixelSize());
    else
        f.setPointSizeF(canvasFont.pointSizeF());
    f.setWeight(canvasFont.bold() ? QFont::Bold : QFont::Normal);
    f.setItalic(canvasFont.italic());
    f.setUnderline(canvasFont.underline());
    f.setStrikeOut(canvasFont.strikeOut());
    // Outlines scale to any resolution; unhinted metrics make the text as
    // wide on paper, in a PDF and on a page image.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferQuality));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void SetPrinterRotatedFont(QPainter &painter, const QFont &canvasFont, int angle)
{
    if (!painter.isActive())
        throw ETarvikError(RotatedFontError);
    painter.setFont(PrinterRotatedFont(canvasFont));
    // Counter-clockwise on paper, where y grows downward.
    if (angle % 360 != 0)
        painter.rotate(-angle);
}

QPointF RotatedTextAnchor(double x, double y, int w, int t, int angle)
{
    switch (angle) {
    case 90:
        return QPointF(x, y + w);
    case 180:
        return QPointF(x + w, y + t);
    case 270:
        return QPointF(x + t, y);
    default:
        return QPointF(x, y);
    }
}

void PrintRotatedText(TPrintJob &job, const TCanvasText &canvas, const QString &text, int angle, float x, float y)
{
    try {
        const QFont canvasFont = canvas.Font;
        const QFontMetrics fm(PrinterRotatedFont(canvasFont));
        const int w = fm.horizontalAdvance(text);
        const int t = fm.height();
        const int ascent = fm.ascent();
        const QPointF at = RotatedTextAnchor(x, y, w, t, angle);
        const QPoint anchor(VelMeasureRoutines::RoundEven(at.x()), VelMeasureRoutines::RoundEven(at.y()));
        const QColor color = canvas.Color;
        const std::optional<QColor> background = canvas.Background;
        // The job's painter state is restored after the step: the next
        // text starts from an unrotated font.
        job.Draw([=](QPainter &p) {
            p.translate(anchor);
            SetPrinterRotatedFont(p, canvasFont, angle);
            if (background)
                p.fillRect(QRect(0, 0, w, t), *background);
            p.setPen(color);
            p.drawText(QPoint(0, ascent), text);
        });
    } catch (const ETarvikError &) {
        throw ETarvikError(RotatedTextError);
    }
}

void PrintStretchedImage(TPrintJob &job, const QRect &rect, const QImage &picture, const QRect &source)
{
    if (picture.isNull())
        throw ETarvikError(StretchedImageError);
    const QRect from = source.isEmpty() ? picture.rect() : source;
    job.Draw([=](QPainter &p) {
        if (!p.isActive())
            throw ETarvikError(StretchedImageError);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect, picture, from);
    });
}

QRect DeviceRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace VelPrinterUtils
