#pragma once
// A print run as the user sees it: the main window repainted, the progress
// window with its abort button, the hourglass, and the printing error
// message when the run fails. The drawing itself is the caller's.

#include "Printing.h"

#include <functional>

class QWidget;
class TPrintJob;

// Runs `print` with the progress window over `mainWindow` and returns its
// outcome. A Failed outcome is reported: its Reason goes to `logError`, and
// its UserMessage (after "Could not print stretched image" when that was the
// reason) to an error box. An error thrown by `print` passes through, after
// the progress window is closed and the cursor restored.
TPrintOutcome RunPrint(QWidget *mainWindow, TPrintJob &job, const std::function<TPrintOutcome()> &print,
                       const std::function<void(const QString &)> &logError = {});

// PrintCover of `document` through RunPrint.
TPrintOutcome RunCoverPrint(QWidget *mainWindow, TPrintJob &job, const TCoverDocument &document,
                            const TCoverPrintOptions &options, TPrintKind kind,
                            const std::function<void(const QString &)> &logError = {});
