#pragma once
// TfrmPrintLabel, the label printing dialog: the label sheet (the current
// settings, "Custom", or a sheet from the installed label templates), the
// labels per page, the three positions' margins in the current unit and
// which positions to print, and the border. Print stores the labels per page
// and the six margins and prints the checked positions on one sheet while
// the dialog is hidden; the dialog then closes. Nothing checked: Print does
// nothing.
//
//     TCoverDocument document = ...;   // its label settings change with Print
//     TfrmPrintLabel dialog(printer, document, UseInches, ReadLabelSheetPresets(LabelTemplateFiles()), this);
//     dialog.exec();

#include "LabelSheetPresets.h"
#include "uPrintRoundLabel.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class TPrintJob;
class TVelWinSpinEdit;

namespace Ui {
class TfrmPrintLabel;
}

class TfrmPrintLabel : public QDialog
{
    Q_OBJECT
public:
    TfrmPrintLabel(TPrintJob &printer, TCoverDocument &document, bool useInches,
                   const QList<TLabelSheetPreset> &presets, QWidget *parent = nullptr);
    ~TfrmPrintLabel() override;

    // Where the reason behind a printing error goes.
    std::function<void(const QString &)> LogError;
    // The print preview of a label sheet as the dialog shows it;
    // btnPreview stays disabled without it.
    std::function<void(const TCoverDocument &, const TLabelPrintOptions &)> Preview;

    // The checked positions and the border box.
    TLabelPrintOptions ShownOptions() const;

    void btnPrintClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormActivate();
    void LocalizeForm();
    void SpinLabelPerPageChange();
    void cmbLabelSheetChange(int index);
    void ShowSheetInfo();
    // The dialog's values: labels per page (rounded) and margins in inches.
    void ReadFields(TCoverSettings &settings) const;
    void FillFields(int labelsPerPage, const std::array<float, 3> &x, const std::array<float, 3> &y);
    void SetPositionEnabled(int position, bool enabled);
    double UnitFactor() const { return FUseInches ? 1.0 : 2.54; }

    Ui::TfrmPrintLabel *ui;
    TPrintJob &FPrinter;
    TCoverDocument &FDocument;
    bool FUseInches;
    QList<TLabelSheetPreset> FPresets;
    std::array<QGroupBox *, 3> FGroups{};
    std::array<QCheckBox *, 3> FPrintBoxes{};
    std::array<TVelWinSpinEdit *, 3> FXFields{}, FYFields{};
};
