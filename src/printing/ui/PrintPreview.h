#pragma once
// The print preview: exactly the pages Print sends for a kind, drawn by the
// same PrintCover onto the preview of the printer. When a run has two jobs
// of different orientations (all covers with portrait on) the preview shows
// them on one run of sheets, the second turned a quarter onto the first's.
// With label options the label sheet follows the covers, as PrintLabels
// sends it.

#include "Printing.h"
#include "uPrintRoundLabel.h"

#include <optional>

class QPrinter;
class QWidget;

void ShowCoverPreview(QWidget *parent, QPrinter &printer, const TCoverDocument &document,
                      const TCoverPrintOptions &options, TPrintKind kind,
                      const std::optional<TLabelPrintOptions> &labels = std::nullopt);

// The label sheet alone.
void ShowLabelPreview(QWidget *parent, QPrinter &printer, const TCoverDocument &document,
                      const TLabelPrintOptions &labels);
