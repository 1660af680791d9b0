#include "PrintPreview.h"

#include "PrinterJob.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

void ShowCoverPreview(QWidget *parent, QPrinter &printer, const TCoverDocument &document,
                      const TCoverPrintOptions &options, TPrintKind kind)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(CoverJobTitle(document.FilePath));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        TPrinterJob job(*target, TPrinterJob::Continuous);
        TCoverPrinter cover(job, document, options);
        cover.PrintCover(kind);
        job.Finish();
    });
    dialog.resize(900, 700);
    dialog.exec();
}
