#include "TfrmPrinting.h"
#include "ui_TfrmPrinting.h"

#include "CalibrationSheet.h"
#include "MessageBoxes.h"
#include "PrintJob.h"
#include "PrintRun.h"
#include "TVKRegistry.h"
#include "uResource.h"

#include <QIcon>
#include <QScopeGuard>
#include <QScreen>

#include <cmath>

namespace {

QString StrOr(int id, const QString &english)
{
    const QString text = Str(id);
    return text.isEmpty() ? english : text;
}

} // namespace

TfrmPrinting::TfrmPrinting(TPrintJob &printer, const TCoverDocument &document, TCoverPrintOptions &held,
                           bool useInches, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , ui(new Ui::TfrmPrinting)
    , FPrinter(printer)
    , FDocument(document)
    , FHeld(held)
    , FUseInches(useInches)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfrmPrinting"));

    using namespace TVKRegistry;
    ui->chkPortrait->setChecked(ReadPreference(prPrintPortrait) == QLatin1String("1"));
    ui->chkPrintSeparationLines->setChecked(ReadPreference(prPrintSeparationLines) == QLatin1String("1"));
    ui->chkPrintCuttingGuides->setChecked(ReadPreference(prPrintCuttingGuides) == QLatin1String("1"));
    auto store = [](TPreference pref, bool on) { WritePreference(pref, on ? QStringLiteral("1") : QStringLiteral("0")); };
    connect(ui->chkPortrait, &QCheckBox::clicked, this, [store](bool on) { store(prPrintPortrait, on); });
    connect(ui->chkPrintSeparationLines, &QCheckBox::clicked, this,
            [store](bool on) { store(prPrintSeparationLines, on); });
    connect(ui->chkPrintCuttingGuides, &QCheckBox::clicked, this,
            [store](bool on) { store(prPrintCuttingGuides, on); });

    // The picture grows with the screen's resolution.
    const QScreen *screen = this->screen();
    const double scale = screen ? std::max(1.0, screen->logicalDotsPerInch() / 96.0) : 1.0;
    const int side = int(std::lround(64 * scale));
    ui->imgPrinting->setPixmap(QIcon(QStringLiteral(":/icons/print.svg")).pixmap(side, side));

    // Margins in the current unit: inches with two decimals, centimetres
    // with one.
    for (TVelWinSpinEdit *spin : {ui->SpinXMargin, ui->SpinYMargin}) {
        spin->setDecimals(FUseInches ? 2 : 1);
        spin->setIncrement(FUseInches ? 0.01 : 0.1);
    }
    ui->SpinCopies->setDecimals(0);
    ui->SpinCopies->setIncrement(1);

    connect(ui->SpinCopies, &TVelWinSpinEdit::changed, this, &TfrmPrinting::SpinCopiesChange);
    connect(ui->btnPrint, &QPushButton::clicked, this, &TfrmPrinting::btnPrintClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnPreview, &QPushButton::clicked, this, &TfrmPrinting::btnPreviewClick);
    connect(ui->btnPrintSetup, &QPushButton::clicked, this, [this] {
        if (PrinterSetup)
            PrinterSetup();
    });
    connect(ui->btnPrintLabel, &QPushButton::clicked, this, [this] {
        if (PrintLabel)
            PrintLabel();
    });
    connect(ui->btnCalibration, &QPushButton::clicked, this, &TfrmPrinting::btnCalibrationClick);
    ui->btnPrint->setDefault(true);
    FormActivate();
}

TfrmPrinting::~TfrmPrinting()
{
    delete ui;
}

void TfrmPrinting::showEvent(QShowEvent *event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TfrmPrinting::FormActivate()
{
    LocalizeForm();
    ui->rbPrintAll->setChecked(true);
    const double f = UnitFactor();
    ui->SpinXMargin->setValueSilently(FHeld.XMargin * f);
    ui->SpinYMargin->setValueSilently(FHeld.YMargin * f);
    const QString unit = Str(FUseInches ? 6130 : 6120);
    ui->lblUdm1->setText(unit);
    ui->lblUdm2->setText(unit);
    ui->SpinCopies->setValueSilently(FHeld.Copies);
    ui->btnPrintLabel->setEnabled(bool(PrintLabel));
    ui->btnPreview->setEnabled(bool(Preview));
}

void TfrmPrinting::LocalizeForm()
{
    ApplyFormCharset(Str(10), this);
    setWindowTitle(Str(6000));
    const std::pair<QAbstractButton *, int> captions[] = {
        {ui->rbPrintAll, 6010}, {ui->rbPrintFrontInside, 6020}, {ui->rbPrintFront, 6030},
        {ui->rbPrintInside, 6040}, {ui->rbPrintBack, 6050}, {ui->rbPrintFrontBack, 6055},
        {ui->btnPrintSetup, 6090}, {ui->btnPrint, 6100}, {ui->btnCancel, 6110},
        {ui->chkPortrait, 6150}, {ui->chkPrintSeparationLines, 6160}, {ui->chkPrintCuttingGuides, 6170},
        {ui->btnPrintLabel, 6180},
    };
    for (const auto &[button, id] : captions)
        button->setText(Str(id));
    ui->lblHorizontalMargins->setText(Str(6060));
    ui->lblVerticalMargins->setText(Str(6070));
    ui->lblCopies->setText(Str(6080));
    // The preview is this program's own; a language module may not know it.
    ui->btnPreview->setText(StrOr(6185, QStringLiteral("Pre&view...")));
    ui->btnCalibration->setText(StrOr(6190, QStringLiteral("Print a &calibration sheet")));
}

double TfrmPrinting::UnitFactor() const
{
    return FUseInches ? 1.0 : 2.54;
}

void TfrmPrinting::SpinCopiesChange()
{
    if (!ui->SpinCopies->cleanText().isEmpty() && ui->SpinCopies->value() < 1)
        ui->SpinCopies->setValueSilently(1);
}

TPrintKind TfrmPrinting::CheckedKind() const
{
    if (ui->rbPrintFrontInside->isChecked())
        return pkFrontInside;
    if (ui->rbPrintFront->isChecked())
        return pkFront;
    if (ui->rbPrintInside->isChecked())
        return pkInside;
    if (ui->rbPrintBack->isChecked())
        return pkBack;
    if (ui->rbPrintFrontBack->isChecked())
        return pkFrontAndBack;
    return pkAll;
}

TCoverPrintOptions TfrmPrinting::ShownOptions() const
{
    const double f = UnitFactor();
    TCoverPrintOptions o;
    o.XMargin = float(ui->SpinXMargin->value() / f);
    o.YMargin = float(ui->SpinYMargin->value() / f);
    o.Copies = int(std::lround(ui->SpinCopies->value()));
    o.Portrait = ui->chkPortrait->isChecked();
    o.SeparationLines = ui->chkPrintSeparationLines->isChecked();
    o.CuttingGuides = ui->chkPrintCuttingGuides->isChecked();
    return o;
}

void TfrmPrinting::btnPrintClick()
{
    const double f = UnitFactor();
    const TPrinterMargins m = FPrinter.GetPrinterMargins();
    // Both fields are checked before anything is said; a margin inside the
    // printer's unprintable strip becomes that strip plus 0.04 inch.
    bool ok = true;
    if (ui->SpinXMargin->value() / f < m.Left) {
        ui->SpinXMargin->setValueSilently(f * (m.Left + 0.04));
        ok = false;
    }
    if (ui->SpinYMargin->value() / f < m.Top) {
        ui->SpinYMargin->setValueSilently(f * (m.Top + 0.04));
        ok = false;
    }
    if (!ok) {
        MessageBoxes::ShowError(this, Str(6140));
        return;
    }

    const TCoverPrintOptions shown = ShownOptions();
    FHeld.XMargin = shown.XMargin;
    FHeld.YMargin = shown.YMargin;
    FHeld.Copies = shown.Copies;
    TVKRegistry::WriteLabelSetting(QStringLiteral("XPrinterMargin"), FHeld.XMargin);
    TVKRegistry::WriteLabelSetting(QStringLiteral("YPrinterMargin"), FHeld.YMargin);
    hide();
    // The dialog closes afterwards whatever happened, also when an error
    // passes through to the program's error report.
    const auto close = qScopeGuard([this] { accept(); });
    RunCoverPrint(parentWidget(), FPrinter, FDocument, shown, CheckedKind(), LogError);
}

void TfrmPrinting::btnPreviewClick()
{
    if (Preview)
        Preview(CheckedKind(), ShownOptions());
}

void TfrmPrinting::btnCalibrationClick()
{
    // The dialog stays open: the margins are corrected in it once the
    // sheet is measured.
    RunPrint(parentWidget(), FPrinter, [this] { return PrintCalibrationSheet(FPrinter); }, LogError);
}
