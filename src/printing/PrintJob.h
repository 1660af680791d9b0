#pragma once
// A printer as cover and label printing see it: a sheet with an unprintable
// strip along each edge, an orientation, a copy count, and print jobs made of
// pages. Pages are drawn in device pixels with the origin at the top-left
// corner of the printable area, y growing downward.
//
// Drawing goes through Draw() one step at a time. A job that paints straight
// onto its device runs the step at once; a job for a real printer keeps the
// steps of a job and paints them when the job ends, so that an aborted job
// never reaches the spooler. Before every step the job calls BetweenSteps,
// where the caller lets the abort button be clicked; once the job is aborted
// no step is drawn any more.
//
//     job.SetOrientation(QPageLayout::Landscape);
//     job.BeginJob(title);
//     job.Draw([](QPainter &p) { p.fillRect(...); });
//     job.NewPage();
//     ...
//     job.EndJob();

#include <QPageLayout>
#include <QString>

#include <functional>

class QPainter;

// The sheet held upright, in inches.
struct TPrinterMargins {
    float Left = 0;        // unprintable strip at the left edge
    float Top = 0;         // at the top edge
    float Right = 0;       // at the right edge
    float Bottom = 0;      // at the bottom edge
    float PaperHeight = 0; // physical sheet
    float PaperWidth = 0;
};

// The margins of a page layout turned upright: the layout's page size and
// printable area, measured as if its orientation were portrait.
TPrinterMargins PrinterMarginsOf(const QPageLayout &layout);

using TDrawStep = std::function<void(QPainter &)>;

class TPrintJob
{
public:
    virtual ~TPrintJob() = default;

    // GetPrinterMargins: switches the printer to portrait, then describes
    // the sheet held upright.
    virtual TPrinterMargins GetPrinterMargins() = 0;
    virtual void SetOrientation(QPageLayout::Orientation orientation) = 0;
    virtual QPageLayout::Orientation Orientation() const = 0;
    // Throws ETarvikError "Could not set printer copies" when the printer
    // cannot take a copy count.
    virtual void SetCopies(int copies) = 0;
    // Pixels per inch of the page, across and down.
    virtual int ResolutionX() const = 0;
    virtual int ResolutionY() const = 0;

    // A failure throws ETarvikError.
    virtual void BeginJob(const QString &title) = 0;
    virtual void NewPage() = 0;
    virtual void EndJob() = 0;
    // Discards the job being spooled; nothing more is drawn until the next
    // run clears the state (ClearAborted).
    void AbortJob();

    // Runs one drawing step on the current page (see the top of this file).
    void Draw(const TDrawStep &step);

    // PrintAborted: set by AbortJob, cleared when a cover job or a label run
    // starts.
    bool PrintAborted() const { return FAborted; }
    void ClearAborted() { FAborted = false; }

    // Called before every drawing step; may call AbortJob.
    std::function<void()> BetweenSteps;

protected:
    virtual void DoDraw(const TDrawStep &step) = 0;
    virtual void DoAbort() = 0;

private:
    bool FAborted = false;
};
