#pragma once
// Round label printing: up to three labels on one portrait sheet of
// self-adhesive labels, each position measured from the sheet's physical
// left and top edges to the top-left corner of the label's bounding square,
// whatever strips the printer cannot print on.
//
//     TLabelPrintOptions options;
//     options.Positions = {true, true, false};
//     TLabelPrinter printer(job, document);   // document.Settings: diameters, positions, colours
//     const TPrintOutcome outcome = printer.PrintLabels(options);
//
// A label is drawn as: the disc in the label colour with its white hole
// (none for a white label), the first picture fitted to the label stretched
// over the whole label square and kept inside the disc, the other pictures
// of the label in slot order, the texts, and the two outlines of the border.

#include "Printing.h"

#include <QImage>

#include <array>

class QPageSize;
class TPrintJob;

// Labels per sheet and diameters as the dialogs keep them: a sheet holds 1
// to 3 labels, a label is 1 to 30 cm across.
constexpr int MaxLabelsPerPage = 3;
constexpr double MinLabelDiameterCm = 1.0;
constexpr double MaxLabelDiameterCm = 30.0;
// A position lies on the sheet: no further from its edges than
// TVKRegistry::MaxSheetInches, the long side of the largest sheet a desktop
// printer takes.

struct TLabelPrintOptions {
    std::array<bool, MaxLabelsPerPage> Positions{}; // the three Print boxes
    bool Border = true;                             // "Print the border of the label"
};

// The label settings of `settings` (diameters, labels per page, the three
// positions) from the settings store, with the defaults stored on first
// read. A stored value that cannot be read throws ETarvikError.
void ReadLabelSettings(TCoverSettings &settings);

// Which Print boxes were checked when labels were last printed; all false
// when labels were never printed.
std::array<bool, MaxLabelsPerPage> ReadPrintedLabels();
void WritePrintedLabels(const std::array<bool, MaxLabelsPerPage> &positions);

// The positions printed without the dialog (the command line): those last
// printed, or the first `labelsPerPage` when none was ever checked.
std::array<bool, MaxLabelsPerPage> DefaultLabelPositions(int labelsPerPage,
                                                         const std::array<bool, MaxLabelsPerPage> &lastPrinted);

// The picture with every pixel outside the ellipse inscribed in its bounds
// made white; the ellipse's rim keeps the picture. Transparent parts show
// white. Works at the picture's own size.
QImage MaskToCircle(const QImage &picture);

class TLabelPrinter : public TElementPrinter
{
public:
    TLabelPrinter(TPrintJob &job, const TCoverDocument &document);

    // One job of one portrait page with every checked position, whether or
    // not the dialog still offers it. No position checked prints nothing.
    // An error while drawing discards the job, so no half-printed label
    // sheet is spent, and gives a Failed outcome whose UserMessage is the
    // error's own text; an abort gives Aborted.
    TPrintOutcome PrintLabels(const TLabelPrintOptions &options);

    // One label whose bounding square has its top-left corner at (h, v),
    // inches from the printable area's corner.
    void PrintLabel(double h, double v, bool border);

    // The picture fitted to the label: stretched over the whole label
    // square at (h, v) whatever the element's own place and size, kept
    // inside the disc, with the hole whited out over it. A picture that
    // cannot be read prints nothing.
    void PrintLabelImage(const TImageElementRecord &image, double h, double v);

private:
    void Ellipse(double left, double top, double size, const QColor &pen, const QColor &brush, bool filled);

    const TCoverDocument &FDocument;
};

// The labels of `document` into a PDF of one sheet of `paper`.
TPrintOutcome ExportLabelPdf(const TCoverDocument &document, const TLabelPrintOptions &options,
                             const QPageSize &paper, const QString &fileName);
