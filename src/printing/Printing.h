#pragma once
// Cover printing: the front, inside and back covers at true size on a
// printer's sheets, with separation lines along the folds and cutting guides
// outside the corners. It reads the document's records, colours and path,
// never the element widgets, so the same code prints from the window, into
// a PDF from the command line and onto page images in the tests.
//
//     TCoverPrinter printer(job, document, options);
//     const TPrintOutcome outcome = printer.PrintCover(pkAll);
//
// Lengths are inches; they become device pixels only when drawn, with the
// printer's own resolution.

#include "CDDataTypes.h"

#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>

class QImage;
class TPrintJob;

enum TPrintKind {
    pkFrontInside = 0, // inside cover on the left, front cover on the right
    pkFront,
    pkInside,
    pkBack,            // the back cover with both spines
    pkAll,             // a front-and-inside page, then a back page
    pkFrontAndBack,    // the front cover, then the back cover
};

// The print options: the margins the main window holds, the copy count, and
// the three persisted check boxes of the print dialog.
struct TCoverPrintOptions {
    float XMargin = 0.2f; // inches from the left edge of the sheet held upright
    float YMargin = 0.5f; // inches from its top edge
    int Copies = 1;
    bool Portrait = false;
    bool SeparationLines = true;
    bool CuttingGuides = false;
};

// The printer's margins as stored in "XPrinterMargin" and "YPrinterMargin"
// (inches), in XMargin and YMargin; the other options keep their defaults.
// A stored value that cannot be read throws ETarvikError.
TCoverPrintOptions ReadPrinterMargins();

// The options as the print dialog starts with them: the check boxes from
// "PrintPortrait", "PrintSeparationLines" and "PrintCuttingGuides" ("1" on),
// the margins from "XPrinterMargin" and "YPrinterMargin", one copy. A stored
// value that cannot be read throws ETarvikError.
TCoverPrintOptions ReadCoverPrintOptions();

// What cover printing reads.
struct TCoverDocument {
    TDocumentRecord Record;  // the elements; a used slot prints
    TCoverSettings Settings; // surface sizes and colours
    QString FilePath;        // the job's title; pictures that moved are looked for beside it
    // "Maintain aspect ratio": pictures fitted to a surface are cut to its
    // shape rather than squeezed into it.
    bool KeepProportions = true;
};

struct TPrintOutcome {
    enum TStatus {
        Printed,
        Aborted, // by the user: no message
        Failed,  // UserMessage says so
    };
    TStatus Status = Printed;
    // "An error (n) occurred during the printing process".
    QString UserMessage;
    // The error behind it, for the log.
    QString Reason;
    // Pictures left out because their files could not be read.
    QStringList UnreadablePictures;
};

// The job title: the document's file name without its folder, or
// "Tarvik file" for a document never saved.
QString CoverJobTitle(const QString &filePath);

// Prints elements of a document: pictures read afresh from their files at
// the size the paper needs, and texts through the printer's rotated font.
// Shared by cover and label printing.
class TElementPrinter
{
public:
    TElementPrinter(TPrintJob &job, const TCoverSettings &settings, const QString &documentPath,
                    bool keepProportions = true);

    int X(double inches) const; // InchesToPrinterPixelsX at the job's resolution
    int Y(double inches) const;

    // The image's picture stretched over its own rectangle at (h, v) plus its
    // position, or over both covers for a front-and-inside picture.
    void PrintSizedImage(const TImageElementRecord &image, double h, double v);
    // half 1: the right half of the picture over the front cover at (h, v);
    // half 2: the left half over the inside cover.
    void PrintHalfImage(int half, const TImageElementRecord &image, float h, float v);
    // The text with its top-left corner at (across, down), inches.
    void PrintText(const TTextElementRecord &text, double across, double down);

    // The image's picture read at the size a rectangle of `need` device
    // pixels asks for, null when it cannot be read.
    QImage LoadPrintPicture(const TImageElementRecord &image, QSize need);

    const QStringList &UnreadablePictures() const { return FUnreadable; }

protected:
    TPrintJob &FJob;
    const TCoverSettings &FSettings;
    QString FDocumentPath;
    bool FKeepProportions;

private:
    QString fontFamily(const QString &name);

    QStringList FUnreadable;
    QHash<QString, bool> FFontInstalled;
};

class TCoverPrinter : public TElementPrinter
{
public:
    TCoverPrinter(TPrintJob &job, const TCoverDocument &document, const TCoverPrintOptions &options);

    // One job, or two for pkAll with the portrait option. Errors while the
    // job runs abort it and give a Failed outcome; a copy count the printer
    // refuses throws ETarvikError before any job begins.
    TPrintOutcome PrintCover(TPrintKind kind);

    // The three parts of a page of kind pkFrontInside to pkBack whose layout
    // has its top-left corner at (h, v), inches from the printable area's
    // corner.
    void PrintBackgrounds(TPrintKind kind, double h, double v);
    void PrintElements(TPrintKind kind, double h, double v);
    void PrintCoverLines(TPrintKind kind, double h, double v);

private:
    void Page(TPrintKind kind, double h, double v);
    void Line(double x1, double y1, double x2, double y2);

    const TCoverDocument &FDocument;
    TCoverPrintOptions FOptions;
};

// The image slots of one surface in the order they print: by Order, moving a
// later image before an earlier one only when the later Order is smaller and
// the earlier one is 0 or more; equal Orders keep slot order.
void SortByOrder(QList<int> &list, const TDocumentRecord &record);
