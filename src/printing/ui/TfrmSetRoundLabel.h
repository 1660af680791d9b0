#pragma once
// TfrmSetRoundLabel: the label's outer diameter and the diameter of its
// centre hole, in the current unit. Reset shows the standard 11.5 and 4.5 cm
// without storing them; OK stores both ("RoundLabel", "InnerCircle") and
// the caller lays the label surface out again; Cancel stores nothing.
//
//     TfrmSetRoundLabel dialog(CoverSettings.OuterDiameter, CoverSettings.InnerDiameter, UseInches, this);
//     if (dialog.exec() == QDialog::Accepted)
//         use(dialog.OuterDiameter(), dialog.InnerDiameter());   // inches

#include <QDialog>

namespace Ui {
class TfrmSetRoundLabel;
}

class TfrmSetRoundLabel : public QDialog
{
    Q_OBJECT
public:
    // Diameters in inches.
    TfrmSetRoundLabel(float outerDiameter, float innerDiameter, bool useInches, QWidget *parent = nullptr);
    ~TfrmSetRoundLabel() override;

    // What OK stored, inches; the values given until then.
    float OuterDiameter() const { return FOuter; }
    float InnerDiameter() const { return FInner; }

    void btnResetClick();
    void btnOkClick();

private:
    void LocalizeForm();
    double UnitFactor() const { return FUseInches ? 1.0 : 2.54; }

    Ui::TfrmSetRoundLabel *ui;
    float FOuter, FInner;
    bool FUseInches;
};
