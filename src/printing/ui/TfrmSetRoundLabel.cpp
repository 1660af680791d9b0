#include "TfrmSetRoundLabel.h"
#include "ui_TfrmSetRoundLabel.h"

#include "TVKRegistry.h"
#include "uPrintRoundLabel.h"
#include "uResource.h"

#include <algorithm>

namespace {

QString StrOr(int id, const QString &english)
{
    const QString text = Str(id);
    return text.isEmpty() ? english : text;
}

// The standard CD label.
constexpr double StandardOuterCm = 11.5;
constexpr double StandardInnerCm = 4.5;

} // namespace

TfrmSetRoundLabel::TfrmSetRoundLabel(float outerDiameter, float innerDiameter, bool useInches, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , ui(new Ui::TfrmSetRoundLabel)
    , FOuter(outerDiameter)
    , FInner(innerDiameter)
    , FUseInches(useInches)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfrmSetRoundLabel"));
    LocalizeForm();

    const double f = UnitFactor();
    const QString unit = Str(FUseInches ? 6130 : 6120);
    ui->lblUdm1->setText(unit);
    ui->lblUdm2->setText(unit);
    for (TVelWinSpinEdit *spin : {ui->SpinOuter, ui->SpinInner}) {
        spin->setDecimals(FUseInches ? 2 : 1);
        spin->setIncrement(FUseInches ? 0.01 : 0.1);
        spin->setMaxValue(MaxLabelDiameterCm / 2.54 * f);
    }
    // A label smaller than a centimetre cannot be printed; a label without
    // a hole can.
    ui->SpinOuter->setMinValue(MinLabelDiameterCm / 2.54 * f);
    ui->SpinInner->setMinValue(0);
    ui->SpinOuter->setValueSilently(FOuter * f);
    ui->SpinInner->setValueSilently(FInner * f);

    connect(ui->btnReset, &QPushButton::clicked, this, &TfrmSetRoundLabel::btnResetClick);
    connect(ui->btnOk, &QPushButton::clicked, this, &TfrmSetRoundLabel::btnOkClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmSetRoundLabel::~TfrmSetRoundLabel()
{
    delete ui;
}

void TfrmSetRoundLabel::LocalizeForm()
{
    ApplyFormCharset(Str(10), this);
    setWindowTitle(Str(7100));
    ui->lblOuterCircle->setText(StrOr(7110, QStringLiteral("Outer circle diameter")));
    ui->lblInnerCircle->setText(StrOr(7120, QStringLiteral("Inner circle diameter")));
    ui->btnReset->setText(StrOr(7130, QStringLiteral("&Reset")));
    ui->btnOk->setText(Str(7140));
    ui->btnCancel->setText(Str(7050));
}

void TfrmSetRoundLabel::btnResetClick()
{
    const double f = UnitFactor();
    ui->SpinOuter->setValueSilently(StandardOuterCm / 2.54 * f);
    ui->SpinInner->setValueSilently(StandardInnerCm / 2.54 * f);
}

void TfrmSetRoundLabel::btnOkClick()
{
    // Taken as typed, within the lengths a label can have; the hole is not
    // checked against the label.
    const double f = UnitFactor();
    const double cm = 1 / 2.54;
    FOuter = float(std::clamp(ui->SpinOuter->value() / f, MinLabelDiameterCm * cm, MaxLabelDiameterCm * cm));
    FInner = float(std::clamp(ui->SpinInner->value() / f, 0.0, MaxLabelDiameterCm * cm));
    TVKRegistry::WriteLabelSetting(QStringLiteral("RoundLabel"), FOuter);
    TVKRegistry::WriteLabelSetting(QStringLiteral("InnerCircle"), FInner);
    accept();
}
