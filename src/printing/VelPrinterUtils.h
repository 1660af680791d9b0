#pragma once
// Operations on the printer the cover and label printing share: the font a
// text is printed with, rotated text with the anchor that keeps the rotated
// text in its unrotated box, and a picture stretched into a rectangle of
// device pixels. The printer's margins and copy count are the job's own
// (TPrintJob::GetPrinterMargins, SetCopies).
//
// The errors raised here stop the drawing routine that called them; cover
// printing turns them into its own printing error message.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>
#include <QString>

#include <optional>

class QImage;
class QPainter;
class TPrintJob;

namespace VelPrinterUtils {

inline const QString RotatedFontError = QStringLiteral("Could not set printer rotated font");
inline const QString RotatedTextError = QStringLiteral("Could Print rotated text");
inline const QString StretchedImageError = QStringLiteral("Could not print stretched image");
inline const QString PrinterCopiesError = QStringLiteral("Could not set printer copies");

// The printer canvas as a text is printed with it.
struct TCanvasText {
    QFont Font;                       // size in device pixels (PrinterFontPixelSize)
    QColor Color;
    std::optional<QColor> Background; // opaque text; none: transparent
};

// Points on paper at the printer's vertical resolution: a 12 pt text is
// 12 pt tall at 300, 600 or 1200 pixels per inch.
int PrinterFontPixelSize(int points, int printerPpiY);

// The font a text is printed with, made from the canvas font: its family,
// pixel size, weight (bold 700, else 400), italic, underline and
// strike-out, outline glyphs only, drawn at proof quality.
QFont PrinterRotatedFont(const QFont &canvasFont);

// Gives the painter PrinterRotatedFont(canvasFont), turned `angle` degrees
// counter-clockwise about the painter's origin (an escapement of angle x 10
// tenths of a degree). Throws ETarvikError RotatedFontError when the
// painter cannot take it.
void SetPrinterRotatedFont(QPainter &painter, const QFont &canvasFont, int angle);

// Where a text of w x t device pixels is written so that, turned `angle`
// degrees counter-clockwise about that point, it fills the box whose
// top-left corner is (x, y): 90 -> (x, y + w), 180 -> (x + w, y + t),
// 270 -> (x + t, y); 0, 360 and any other angle leave the point.
QPointF RotatedTextAnchor(double x, double y, int w, int t, int angle);

// Prints `text` whose unrotated box has its top-left corner at device point
// (x, y), turned `angle` degrees counter-clockwise, with the canvas's
// background behind it when it is opaque. Measures even when the job is
// aborted; draws nothing then. Throws ETarvikError RotatedTextError.
void PrintRotatedText(TPrintJob &job, const TCanvasText &canvas, const QString &text, int angle, float x, float y);

// Stretches `source` of the picture (all of it when empty) into `rect`
// (left, top, right, bottom in device pixels). Throws ETarvikError
// StretchedImageError for a picture that cannot be drawn.
void PrintStretchedImage(TPrintJob &job, const QRect &rect, const QImage &picture, const QRect &source = QRect());

// The device rectangle from left, top, right and bottom: QRect(left, top,
// right - left, bottom - top).
QRect DeviceRect(int left, int top, int right, int bottom);

} // namespace VelPrinterUtils
