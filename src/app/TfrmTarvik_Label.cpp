// The round label from the main window: its diameters, and label printing
// from the print options dialog. The work is the printing library's and
// its dialogs'; the window hands over its document and takes back the
// label settings.

#include "TfrmTarvik.h"

#include "LabelSheetPresets.h"
#include "PrintPreview.h"
#include "PrinterJob.h"
#include "TTarvikApplication.h"
#include "TfrmPrintLabel.h"
#include "TfrmSetRoundLabel.h"
#include "VelCDImageElement.h"

#include <QScopeGuard>

void TfrmTarvik::mnuRoundLabelClick()
{
    TfrmSetRoundLabel dialog(CoverSettings.OuterDiameter, CoverSettings.InnerDiameter, UseInches, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CoverSettings.OuterDiameter = dialog.OuterDiameter();
    CoverSettings.InnerDiameter = dialog.InnerDiameter();
    DisegnaCopertina(pnlRoundLabel, ShadowRoundLabel, TViewFit::ZoomOutToFit, CoverSettings.OuterDiameter,
                     CoverSettings.OuterDiameter);
    // A picture fitted to the label is masked for the label's size: it is
    // made again from its file for the new one.
    for (const auto &img : ImageSlots) {
        if (img && img->FitStyle() == fsRoundLabel) {
            reloadPicture(img);
            FitToRoundLabel(img);
            img->SetAutoSize(false);
        }
    }
}

void TfrmTarvik::PrintLabelClick(QWidget *over)
{
    ciclaSuPagine();
    TCoverDocument document = CoverDocument();
    TfrmPrintLabel dialog(Printer(), document, UseInches, ReadLabelSheetPresets(LabelTemplateFiles()), over);
    dialog.LogError = [](const QString &reason) { TTarvikApplication::LogError(reason); };
    dialog.Preview = [this, &dialog](const TCoverDocument &shown, const TLabelPrintOptions &options) {
        if (auto *printer = dynamic_cast<TPrinterJob *>(&Printer()))
            ShowLabelPreview(&dialog, printer->Printer(), shown, options);
    };
    // The labels per page and the positions Print stored last for the
    // program run, whatever happens inside.
    const auto keep = qScopeGuard([&] {
        CoverSettings.LabelsPerPage = document.Settings.LabelsPerPage;
        CoverSettings.LabelXMargin = document.Settings.LabelXMargin;
        CoverSettings.LabelYMargin = document.Settings.LabelYMargin;
    });
    dialog.exec();
}
