#pragma once
// Printing into a PDF file whose pages are the paper's sheets, at 300 device
// pixels per inch, with the cover at true size: a ruler on the printed page
// measures 12.2 cm across the front cover. The file is replaced only when
// everything was written.

#include "Printing.h"

#include <QPageSize>

#include <functional>

class TPrintJob;

// The resolution of exported PDF pages: what pictures are read for.
constexpr int PdfExportDpi = 300;

// Runs `print` on a PDF printer writing `fileName` and commits the file
// when it printed. A file that cannot be written gives a Failed outcome
// whose Reason names the file and the cause.
TPrintOutcome ExportPdf(const QString &fileName, const QPageSize &paper,
                        const std::function<TPrintOutcome(TPrintJob &)> &print,
                        const std::function<void()> &betweenSteps = {});

// The covers of `kind` into a PDF, with `options` as the print dialog would
// use them (the copy count does not apply).
TPrintOutcome ExportCoverPdf(const TCoverDocument &document, const TCoverPrintOptions &options, TPrintKind kind,
                             const QPageSize &paper, const QString &fileName);

// A document file as cover printing reads it: its record, the fixed
// surface sizes and its colours. False with *error when it cannot be read.
bool ReadCoverDocument(const QString &path, TCoverDocument &document, QString *error);
