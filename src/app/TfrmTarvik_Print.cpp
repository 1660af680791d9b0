// Printing from the main window: the print options dialog, the printer
// setup, the print preview and the export to PDF. The work is the printing
// library's; the window hands over its document record.

#include "TfrmTarvik.h"

#include "MessageBoxes.h"
#include "PdfExport.h"
#include "PrintPreview.h"
#include "PrinterJob.h"
#include "Printing.h"
#include "TTarvikApplication.h"
#include "TVKRegistry.h"
#include "TfrmPrinting.h"
#include "uPrintRoundLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QScopeGuard>

TPrintJob &TfrmTarvik::Printer()
{
    if (!FPrinter)
        FPrinter = std::make_shared<TPrinterJob>();
    return *FPrinter;
}

TCoverDocument TfrmTarvik::CoverDocument() const
{
    TCoverDocument doc;
    FillDocumentRecord(doc.Record);
    doc.Settings = CoverSettings;
    doc.FilePath = FCurrentFile;
    doc.KeepProportions = chkProportions->isChecked();
    return doc;
}

TCoverPrintOptions TfrmTarvik::heldPrintOptions() const
{
    TCoverPrintOptions o = ReadCoverPrintOptions();
    o.XMargin = FPrinterXOffset;
    o.YMargin = FPrinterYOffset;
    o.Copies = FCopies;
    return o;
}

void TfrmTarvik::btnPrintClick()
{
    ciclaSuPagine();
    const TCoverDocument document = CoverDocument();
    TCoverPrintOptions held = heldPrintOptions();
    TfrmPrinting dialog(Printer(), document, held, UseInches, this);
    dialog.PrinterSetup = [this] { mnuPrinterSetupClick(); };
    dialog.Preview = [this](TPrintKind kind, const TCoverPrintOptions &options) { previewCover(kind, options); };
    dialog.PrintLabel = [this, &dialog] { PrintLabelClick(&dialog); };
    dialog.LogError = [](const QString &reason) { TTarvikApplication::LogError(reason); };
    // Whatever happens inside, the margins and copies Print took stay held.
    const auto keep = qScopeGuard([&] {
        FPrinterXOffset = held.XMargin;
        FPrinterYOffset = held.YMargin;
        FCopies = held.Copies;
    });
    dialog.exec();
}

void TfrmTarvik::mnuPrinterSetupClick()
{
    if (auto *printer = dynamic_cast<TPrinterJob *>(&Printer()))
        RunPrinterSetup(this, printer->Printer());
}

void TfrmTarvik::previewCover(int kind, const TCoverPrintOptions &options)
{
    if (auto *printer = dynamic_cast<TPrinterJob *>(&Printer()))
        ShowCoverPreview(this, printer->Printer(), CoverDocument(), options, TPrintKind(kind));
}

void TfrmTarvik::mnuPrintPreviewClick()
{
    ciclaSuPagine();
    // All covers, then the label sheet as the command line prints it.
    if (auto *printer = dynamic_cast<TPrinterJob *>(&Printer())) {
        TLabelPrintOptions labels;
        labels.Positions = DefaultLabelPositions(CoverSettings.LabelsPerPage, ReadPrintedLabels());
        ShowCoverPreview(this, printer->Printer(), CoverDocument(), heldPrintOptions(), pkAll, labels);
    }
}

QString TfrmTarvik::AskPdfFileName()
{
    const QString base = FCurrentFile.isEmpty() ? QStringLiteral("cover") : QFileInfo(FCurrentFile).completeBaseName();
    const QString start = TVKRegistry::ReadPreference(TVKRegistry::prFileSaveDir) + base + QStringLiteral(".pdf");
    QFileDialog dialog(this, QString(), start, QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

void TfrmTarvik::mnuExportPdfClick()
{
    const QString path = PdfFileChooser ? PdfFileChooser() : AskPdfFileName();
    if (path.isEmpty())
        return;
    ciclaSuPagine();
    // The sheets are those of the printer's paper.
    QPageSize paper(QPageSize::A4);
    if (auto *printer = dynamic_cast<TPrinterJob *>(&Printer()))
        paper = printer->Printer().pageLayout().pageSize();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TPrintOutcome outcome = ExportCoverPdf(CoverDocument(), heldPrintOptions(), pkAll, paper, path);
    QApplication::restoreOverrideCursor();
    if (outcome.Status == TPrintOutcome::Failed) {
        TTarvikApplication::LogError(outcome.Reason);
        MessageBoxes::ShowError(this, outcome.Reason);
    }
}
