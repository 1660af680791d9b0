#pragma once
// The editor as the wizard drives it: the same operations a user reaches
// with the mouse and the property panel. The main window implements it;
// tests of the generation alone stand a recording fake in.
//
// Pixel values are screen pixels of the cover view at the current zoom,
// relative to the surface shown.

#include "AlignArithmetic.h"
#include "CDDataTypes.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class TCoverBuilder {
public:
    virtual ~TCoverBuilder() = default;

    // The cover view shows `surface`'s tab.
    virtual void ShowSurface(TSurfaceCode surface) = 0;
    // Style n into the property panel, and onto the selection when there is one.
    virtual void LoadStyleValue(int n) = 0;
    // Types `text` into the panel's text box: a new text element on the
    // shown surface, selected. False when none was made.
    virtual bool TypeText(const QString &text) = 0;
    // The position fields, in the unit shown; setting one moves the selection.
    virtual bool UseInches() const = 0;
    virtual void SetSpinX(double value) = 0;
    virtual void SetSpinY(double value) = 0;
    // One of the alignment buttons on the selection.
    virtual void Align(TAlignCommand command) = 0;
    // The selected element's bounds; its size as one unrotated line (the
    // text's length by the line's height), whatever its angle.
    virtual QRect SelectedBounds() const = 0;
    virtual QSize SelectedLineSize() const = 0;
    // Moves the selected element to `topLeft`, as a drag would.
    virtual void MoveSelected(QPoint topLeft) = 0;
    // The shown surface's size, and the left of the back cover's right
    // spine line.
    virtual QSize SurfaceSize() const = 0;
    virtual int RightSpineLineLeft() const = 0;
    // Select none.
    virtual void SelectNone() = 0;
    // How many more text elements the document can take.
    virtual int FreeTextSlots() const = 0;
    // A picture inserted on the shown surface and fitted with the fit
    // list's entry `fitIndex`.
    virtual void InsertImage(const QString &path, int fitIndex) = 0;

    // The settings record whose styles the texts take.
    virtual TCoverSettings &Settings() = 0;
    // Screen pixels per inch (the track font is fitted at zoom 1).
    virtual double ScreenPpi() const = 0;

    // Runs `work` as one user command: one undo step however many
    // operations it drives.
    virtual void AsOneCommand(const std::function<void()> &work) = 0;
    // After a run, finished or broken off by an error: the document is
    // modified and the wizard may be returned to.
    virtual void CoverFinished() = 0;
    // An error that broke a run off, for the program's error handler.
    virtual void ReportError(const QString &text) = 0;

    // The questions and messages of a run.
    // No disc for the track times: true to look again (Retry), false to go on without.
    virtual bool AskRetryNoDisc() = 0;
    virtual void ShowError(const QString &text) = 0;
    virtual void ShowMessage(const QString &text) = 0;
};
