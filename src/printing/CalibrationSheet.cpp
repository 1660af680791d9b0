#include "CalibrationSheet.h"

#include "PrintJob.h"
#include "VelMeasureRoutines.h"
#include "VelPrinterUtils.h"
#include "uResource.h"

#include <QPainter>

#include <cmath>

using VelMeasureRoutines::InchesToPrinterPixelsX;
using VelMeasureRoutines::InchesToPrinterPixelsY;

namespace {

constexpr double Cm = 1 / 2.54;

QString StrOr(int id, const QString &english)
{
    const QString text = Str(id);
    return text.isEmpty() ? english : text;
}

class TSheet
{
public:
    TSheet(TPrintJob &job, const TPrinterMargins &m) : FJob(job), FMargins(m)
    {
        // Lines a pen of about 0.15 mm draws, so they show and their middle
        // can be found with a ruler; an odd width has a middle pixel.
        FPen = int(std::lround(job.ResolutionX() * 0.15 / 25.4)) | 1;
    }

    // Device point of a point given in inches from the physical edges.
    QPointF At(double x, double y) const
    {
        return QPointF(InchesToPrinterPixelsX(float(x - FMargins.Left), float(FJob.ResolutionX())),
                       InchesToPrinterPixelsY(float(y - FMargins.Top), float(FJob.ResolutionY())));
    }

    void Line(double x1, double y1, double x2, double y2)
    {
        // A line of an odd pen width is centred on its device pixel.
        const QPointF a = At(x1, y1) + QPointF(0.5, 0.5), b = At(x2, y2) + QPointF(0.5, 0.5);
        const int pen = FPen;
        FJob.Draw([a, b, pen](QPainter &p) {
            p.setPen(QPen(Qt::black, pen, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(a, b);
        });
    }

    void Circle(double x, double y, double radius)
    {
        const QPointF c = At(x, y) + QPointF(0.5, 0.5);
        const double rx = radius * FJob.ResolutionX(), ry = radius * FJob.ResolutionY();
        FJob.Draw([c, rx, ry](QPainter &p) {
            p.setPen(QPen(Qt::black, 0));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, rx, ry);
        });
    }

    // Text with its box's top-left (or, centred, its top middle) at the
    // point.
    void Text(double x, double y, const QString &text, int points, bool bold = false, bool centred = false)
    {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(VelPrinterUtils::PrinterFontPixelSize(points, FJob.ResolutionY()));
        font.setBold(bold);
        const QPointF at = At(x, y);
        FJob.Draw([at, text, font, centred](QPainter &p) {
            p.setFont(font);
            p.setPen(Qt::black);
            const QFontMetrics fm(font);
            const double left = centred ? at.x() - fm.horizontalAdvance(text) / 2.0 : at.x();
            p.drawText(QPointF(left, at.y() + fm.ascent()), text);
        });
    }

    void Crosshair(double x, double y)
    {
        const double arm = CalibrationArmCm * Cm;
        Line(x - arm, y, x + arm, y);
        Line(x, y - arm, x, y + arm);
        Circle(x, y, arm / 2);
    }

    // A ruler from `from` to `to` inches along the line at `at`; ticks hang
    // below a horizontal ruler and right of a vertical one, each centimetre
    // numbered with its distance from the edge.
    void Ruler(bool horizontal, double at, double from, double to)
    {
        const int first = int(std::ceil(from / Cm * 10 - 1e-6)), last = int(std::floor(to / Cm * 10 + 1e-6));
        for (int mm = first; mm <= last; ++mm) {
            const double pos = mm / 10.0 * Cm;
            const double length = (mm % 10 == 0 ? 0.5 : mm % 5 == 0 ? 0.3 : 0.15) * Cm;
            if (horizontal)
                Line(pos, at, pos, at + length);
            else
                Line(at, pos, at + length, pos);
            // The numbers at the crosses would run into their lines; the
            // text on the sheet names that distance.
            if (mm % 10 == 0 && mm != first && mm != last) {
                const QString number = QString::number(mm / 10);
                if (horizontal)
                    Text(pos, at + 0.6 * Cm, number, 7, false, true);
                else
                    Text(at + 0.6 * Cm, pos - 0.12 * Cm, number, 7);
            }
        }
        if (horizontal)
            Line(from, at, to, at);
        else
            Line(at, from, at, to);
    }

private:
    TPrintJob &FJob;
    TPrinterMargins FMargins;
    int FPen = 1;
};

} // namespace

TPrintOutcome PrintCalibrationSheet(TPrintJob &job)
{
    job.ClearAborted();
    TPrintOutcome outcome;
    const TPrinterMargins m = job.GetPrinterMargins();
    try {
        job.SetOrientation(QPageLayout::Portrait);
        job.BeginJob(StrOr(6700, QStringLiteral("Calibration sheet")));
        TSheet sheet(job, m);
        const double W = m.PaperWidth, H = m.PaperHeight, c = CalibrationInsetCm * Cm;
        sheet.Crosshair(c, c);
        sheet.Crosshair(W - c, c);
        sheet.Crosshair(c, H - c);
        sheet.Crosshair(W - c, H - c);
        sheet.Ruler(true, c, c, W - c);
        sheet.Ruler(false, c, c, H - c);

        const QString inset = QString::number(CalibrationInsetCm, 'f', 1);
        const QStringList lines = {
            StrOr(6710, QStringLiteral("Each cross is %1 cm from the nearest side and end of the sheet.")).arg(inset),
            StrOr(6720, QStringLiteral("The rulers count centimetres from the left and from the top edge.")),
            StrOr(6730, QStringLiteral("Measure from the left edge to the upright line of the top-left cross.")),
            StrOr(6740, QStringLiteral("More than %1 cm: take the difference off the horizontal margins;")).arg(inset),
            StrOr(6750, QStringLiteral("less: add it. The same from the top edge for the vertical margins.")),
        };
        // The text stands between the upright ruler and the right edge.
        const double middle = (c + W) / 2 + 0.5 * Cm;
        double y = H / 2 - 1.5 * Cm;
        sheet.Text(middle, y, StrOr(6700, QStringLiteral("Calibration sheet")), 16, true, true);
        y += 1.2 * Cm;
        for (const QString &line : lines) {
            sheet.Text(middle, y, line, 9, false, true);
            y += 0.55 * Cm;
        }
        if (!job.PrintAborted())
            job.EndJob();
    } catch (const std::exception &e) {
        if (!job.PrintAborted())
            job.AbortJob();
        outcome.Status = TPrintOutcome::Failed;
        outcome.Reason = QString::fromUtf8(e.what());
        outcome.UserMessage = outcome.Reason;
    }
    if (outcome.Status != TPrintOutcome::Failed && job.PrintAborted())
        outcome.Status = TPrintOutcome::Aborted;
    return outcome;
}
