#pragma once
// What the printing tests share: documents built from records, pictures
// written to files, and pixel counting on page images.

#include "CDDataTypes.h"
#include "Printing.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

namespace PrintTest {

// Colours of records, 0x00BBGGRR.
constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;
constexpr TColor Blue = 0xFF0000;

inline TCoverDocument EmptyDocument()
{
    TCoverDocument doc;
    ClearDocumentRecord(doc.Record);
    doc.Settings = TCoverSettings::Defaults();
    doc.Record.Colors = doc.Settings.Colors;
    return doc;
}

inline TImageElementRecord Image(const QString &path, TSurfaceCode surface, float x, float y, float w, float h,
                                 TFitStyle fit = fsNone, int order = 1)
{
    TImageElementRecord r;
    r.ImageFileName = path;
    r.ImageType = itBmp;
    r.SurfaceIndex = surface;
    r.XPosInches = x;
    r.YPosInches = y;
    r.WidthInches = w;
    r.HeightInches = h;
    r.FitStyle = fit;
    r.Order = order;
    return r;
}

inline TTextElementRecord Text(const QString &text, TSurfaceCode surface, float x, float y, int angle = 0,
                               int points = 24)
{
    TTextElementRecord r;
    r.Text = text;
    r.SurfaceIndex = surface;
    r.XPosInches = x;
    r.YPosInches = y;
    r.Angle = angle;
    r.RealFontSize = points;
    r.FontSize = points;
    r.FontName = QStringLiteral("Arial");
    r.FontColor = 0;
    r.Transparent = true;
    return r;
}

// A picture file of one colour per half: `left` on its left half, `right`
// on its right half.
inline QString WritePicture(const QString &path, QSize size, QColor left, QColor right)
{
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            img.setPixel(x, y, (x < size.width() / 2 ? left : right).rgb());
    img.save(path);
    return path;
}

using TPixelTest = std::function<bool(QRgb)>;

inline bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }
inline bool IsBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60; }
inline bool IsGreen(QRgb c) { return qGreen(c) > 200 && qRed(c) < 60 && qBlue(c) < 60; }
inline bool IsInk(QRgb c) { return qGray(c) < 128; }
inline bool IsMarked(QRgb c) { return (c & 0xFFFFFF) != 0xFFFFFF; }

// The bounding box of the pixels of `page` (inside `within`, or all) that pass.
inline QRect Bounds(const QImage &page, const TPixelTest &test, QRect within = QRect())
{
    if (within.isNull())
        within = page.rect();
    within &= page.rect();
    int l = INT_MAX, t = INT_MAX, r = -1, b = -1;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(page.constScanLine(y));
        for (int x = within.left(); x <= within.right(); ++x) {
            if (test(line[x])) {
                l = std::min(l, x);
                r = std::max(r, x);
                t = std::min(t, y);
                b = std::max(b, y);
            }
        }
    }
    return r < 0 ? QRect() : QRect(QPoint(l, t), QPoint(r, b));
}

inline int Count(const QImage &page, const TPixelTest &test, QRect within = QRect())
{
    if (within.isNull())
        within = page.rect();
    within &= page.rect();
    int n = 0;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(page.constScanLine(y));
        for (int x = within.left(); x <= within.right(); ++x)
            n += test(line[x]) ? 1 : 0;
    }
    return n;
}

} // namespace PrintTest
