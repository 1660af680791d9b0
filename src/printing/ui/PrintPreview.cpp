#include "PrintPreview.h"

#include "PrinterJob.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include <functional>

namespace {

void Preview(QWidget *parent, QPrinter &printer, const TCoverDocument &document,
             const std::function<void(TPrintJob &)> &print)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(CoverJobTitle(document.FilePath));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        TPrinterJob job(*target, TPrinterJob::Continuous);
        print(job);
        job.Finish();
    });
    dialog.resize(900, 700);
    dialog.exec();
}

} // namespace

void ShowCoverPreview(QWidget *parent, QPrinter &printer, const TCoverDocument &document,
                      const TCoverPrintOptions &options, TPrintKind kind,
                      const std::optional<TLabelPrintOptions> &labels)
{
    Preview(parent, printer, document, [&](TPrintJob &job) {
        TCoverPrinter cover(job, document, options);
        cover.PrintCover(kind);
        if (labels && !job.PrintAborted())
            TLabelPrinter(job, document).PrintLabels(*labels);
    });
}

void ShowLabelPreview(QWidget *parent, QPrinter &printer, const TCoverDocument &document,
                      const TLabelPrintOptions &labels)
{
    Preview(parent, printer, document, [&](TPrintJob &job) { TLabelPrinter(job, document).PrintLabels(labels); });
}
