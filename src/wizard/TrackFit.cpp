#include "TrackFit.h"

#include <QFontMetricsF>
#include <QImage>

#include <cmath>

namespace TrackFit {

QFont StyleFont(const TTextStyleRecord &style)
{
    QFont font(style.FontName);
    font.setPointSize(qMax(1, style.FontSize));
    font.setBold(style.FontStyle & fbBold);
    font.setItalic(style.FontStyle & fbItalic);
    font.setUnderline(style.FontStyle & fbUnderline);
    font.setStrikeOut(style.FontStyle & fbStrikeout);
    return font;
}

namespace {

// A canvas at the screen's resolution, so point sizes turn into the
// pixels the cover view shows at zoom 1.
QImage Canvas(double ppi)
{
    QImage canvas(1, 1, QImage::Format_ARGB32_Premultiplied);
    const int dpm = qRound(ppi / 0.0254);
    canvas.setDotsPerMeterX(dpm);
    canvas.setDotsPerMeterY(dpm);
    return canvas;
}

} // namespace

int TrackBlockHeight(const QStringList &lines, const QFont &font, double ppi)
{
    QImage canvas = Canvas(ppi);
    const QFontMetricsF metrics(font, &canvas);
    double h = std::round(ppi * 0.2 * 2);
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            h += LineGap;
        h += metrics.height();
    }
    return static_cast<int>(std::round(h));
}

int FitTrackFont(const TTextStyleRecord &style, const QStringList &lines, double ppi, float coverHeightInches)
{
    const int limit = static_cast<int>(std::round(ppi * coverHeightInches));
    QFont font = StyleFont(style);
    int size = style.FontSize;
    int h = TrackBlockHeight(lines, font, ppi);
    while (h + 10 > limit && size > MinTrackFontSize) {
        --size;
        font.setPointSize(size);
        h = TrackBlockHeight(lines, font, ppi);
    }
    return size;
}

} // namespace TrackFit
