#include "TfrmPrintLabel.h"
#include "ui_TfrmPrintLabel.h"

#include "PrintJob.h"
#include "PrintRun.h"
#include "TVKRegistry.h"
#include "uResource.h"

#include <QIcon>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalBlocker>

#include <cmath>

namespace {

QString StrOr(int id, const QString &english)
{
    const QString text = Str(id);
    return text.isEmpty() ? english : text;
}

const QColor EnabledCaption(0, 0, 128);
const QColor DisabledCaption(128, 128, 128);

} // namespace

TfrmPrintLabel::TfrmPrintLabel(TPrintJob &printer, TCoverDocument &document, bool useInches,
                               const QList<TLabelSheetPreset> &presets, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , ui(new Ui::TfrmPrintLabel)
    , FPrinter(printer)
    , FDocument(document)
    , FUseInches(useInches)
    , FPresets(presets)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfrmPrintLabel"));
    FGroups = {ui->grpLabel1, ui->grpLabel2, ui->grpLabel3};
    FPrintBoxes = {ui->rbPrintLabel1, ui->rbPrintLabel2, ui->rbPrintLabel3};
    FXFields = {ui->SpinXMargin1, ui->SpinXMargin2, ui->SpinXMargin3};
    FYFields = {ui->SpinYMargin1, ui->SpinYMargin2, ui->SpinYMargin3};

    // The picture grows with the screen's resolution.
    const QScreen *screen = this->screen();
    const double scale = screen ? std::max(1.0, screen->logicalDotsPerInch() / 96.0) : 1.0;
    const int side = int(std::lround(64 * scale));
    ui->imgPrinting->setPixmap(QIcon(QStringLiteral(":/icons/print.svg")).pixmap(side, side));

    ui->SpinLabelPerPage->setDecimals(0);
    ui->SpinLabelPerPage->setIncrement(1);
    ui->SpinLabelPerPage->setMinValue(1);
    ui->SpinLabelPerPage->setMaxValue(MaxLabelsPerPage);
    const double f = UnitFactor();
    for (int i = 0; i < MaxLabelsPerPage; ++i) {
        for (TVelWinSpinEdit *spin : {FXFields[size_t(i)], FYFields[size_t(i)]}) {
            spin->setDecimals(FUseInches ? 2 : 1);
            spin->setIncrement(FUseInches ? 0.01 : 0.1);
            spin->setMinValue(0);
            spin->setMaxValue(TVKRegistry::MaxSheetInches * f);
            // A margin typed by hand makes the sheet a custom one.
            connect(spin, &TVelWinSpinEdit::changed, this, [this] {
                const QSignalBlocker block(ui->cmbLabelSheet);
                ui->cmbLabelSheet->setCurrentIndex(0);
                ShowSheetInfo();
            });
        }
        connect(FPrintBoxes[size_t(i)], &QCheckBox::clicked, this, [this] { ui->btnPrint->setEnabled(true); });
    }

    ui->cmbLabelSheet->addItem(QString());
    for (const TLabelSheetPreset &p : FPresets) {
        QString text = p.Name;
        if (!p.Description.isEmpty())
            text += QStringLiteral(" \u2013 ") + p.Description;
        ui->cmbLabelSheet->addItem(text);
    }

    connect(ui->SpinLabelPerPage, &TVelWinSpinEdit::changed, this, [this] {
        SpinLabelPerPageChange();
        const QSignalBlocker block(ui->cmbLabelSheet);
        ui->cmbLabelSheet->setCurrentIndex(0);
        ShowSheetInfo();
    });
    connect(ui->cmbLabelSheet, &QComboBox::currentIndexChanged, this, &TfrmPrintLabel::cmbLabelSheetChange);
    connect(ui->btnPrint, &QPushButton::clicked, this, &TfrmPrintLabel::btnPrintClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnPreview, &QPushButton::clicked, this, [this] {
        if (!Preview)
            return;
        TCoverDocument shown = FDocument;
        ReadFields(shown.Settings);
        Preview(shown, ShownOptions());
    });
    ui->btnPrint->setEnabled(false);
    ui->btnPrint->setDefault(true);
    FormActivate();
}

TfrmPrintLabel::~TfrmPrintLabel()
{
    delete ui;
}

void TfrmPrintLabel::showEvent(QShowEvent *event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TfrmPrintLabel::FormActivate()
{
    LocalizeForm();
    const TCoverSettings &s = FDocument.Settings;
    {
        const QSignalBlocker block(ui->cmbLabelSheet);
        ui->cmbLabelSheet->setCurrentIndex(0);
    }
    FillFields(s.LabelsPerPage, s.LabelXMargin, s.LabelYMargin);
    for (QCheckBox *box : FPrintBoxes)
        box->setChecked(false);
    ui->btnPreview->setEnabled(bool(Preview));
    ShowSheetInfo();
}

void TfrmPrintLabel::LocalizeForm()
{
    ApplyFormCharset(Str(10), this);
    setWindowTitle(Str(6550));
    ui->lblLabelPerPage->setText(Str(6560));
    const int groupIds[] = {6570, 6580, 6590};
    const QString unit = Str(FUseInches ? 6130 : 6120);
    const QList<QLabel *> units = {ui->lblUdm1, ui->lblUdm2, ui->lblUdm3, ui->lblUdm4, ui->lblUdm5, ui->lblUdm6};
    for (QLabel *l : units)
        l->setText(unit);
    const QList<QLabel *> across = {ui->lblXMargin1, ui->lblXMargin2, ui->lblXMargin3};
    const QList<QLabel *> down = {ui->lblYMargin1, ui->lblYMargin2, ui->lblYMargin3};
    for (int i = 0; i < MaxLabelsPerPage; ++i) {
        FGroups[size_t(i)]->setTitle(Str(groupIds[i]));
        FPrintBoxes[size_t(i)]->setText(Str(6600));
        across[i]->setText(Str(6060));
        down[i]->setText(Str(6070));
    }
    ui->chkPrintBorder->setText(StrOr(6610, QStringLiteral("Print the &border of the label")));
    ui->btnPrint->setText(Str(6100));
    ui->btnCancel->setText(Str(6110));
    ui->btnPreview->setText(StrOr(6185, QStringLiteral("Pre&view...")));
    ui->lblLabelSheet->setText(StrOr(6620, QStringLiteral("Label &sheet:")));
    ui->lblLabelSheet->setBuddy(ui->cmbLabelSheet);
    ui->cmbLabelSheet->setItemText(0, StrOr(6630, QStringLiteral("Custom")));
}

void TfrmPrintLabel::SetPositionEnabled(int position, bool enabled)
{
    QGroupBox *group = FGroups[size_t(position)];
    group->setEnabled(enabled);
    // Disabling a Print box keeps its check mark: a checked position still
    // prints.
    FPrintBoxes[size_t(position)]->setEnabled(enabled);
    QPalette palette = group->palette();
    const QColor caption = enabled ? EnabledCaption : DisabledCaption;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(g, QPalette::WindowText, caption);
    group->setPalette(palette);
}

void TfrmPrintLabel::SpinLabelPerPageChange()
{
    const int n = int(std::lround(ui->SpinLabelPerPage->value()));
    SetPositionEnabled(0, true);
    SetPositionEnabled(1, n >= 2);
    SetPositionEnabled(2, n >= 3);
}

void TfrmPrintLabel::FillFields(int labelsPerPage, const std::array<float, 3> &x, const std::array<float, 3> &y)
{
    const double f = UnitFactor();
    ui->SpinLabelPerPage->setValueSilently(std::clamp(labelsPerPage, 1, MaxLabelsPerPage));
    for (int i = 0; i < MaxLabelsPerPage; ++i) {
        FXFields[size_t(i)]->setValueSilently(x[size_t(i)] * f);
        FYFields[size_t(i)]->setValueSilently(y[size_t(i)] * f);
    }
    SpinLabelPerPageChange();
}

void TfrmPrintLabel::cmbLabelSheetChange(int index)
{
    const TCoverSettings &s = FDocument.Settings;
    if (index <= 0) {
        FillFields(s.LabelsPerPage, s.LabelXMargin, s.LabelYMargin);
    } else {
        // The document's label lies on the middle of each of the sheet's
        // labels, whatever their size.
        const TLabelSheetPreset &p = FPresets[index - 1];
        FillFields(p.LabelsPerPage, p.XMarginFor(s.OuterDiameter), p.YMarginFor(s.OuterDiameter));
    }
    ShowSheetInfo();
}

void TfrmPrintLabel::ShowSheetInfo()
{
    const int index = ui->cmbLabelSheet->currentIndex();
    if (index <= 0) {
        ui->lblSheetInfo->clear();
        ui->lblSheetInfo->setVisible(!FPresets.isEmpty());
        return;
    }
    const TLabelSheetPreset &p = FPresets[index - 1];
    const double f = UnitFactor();
    const int decimals = FUseInches ? 2 : 1;
    const QString unit = Str(FUseInches ? 6130 : 6120);
    auto length = [&](float inches) {
        return QStringLiteral("%1 %2").arg(QString::number(inches * f, 'f', decimals), unit);
    };
    QString info = StrOr(6640, QStringLiteral("Labels of %1 with a hole of %2."))
                       .arg(length(p.OuterDiameter), length(p.InnerDiameter));
    if (std::abs(p.OuterDiameter - FDocument.Settings.OuterDiameter) * f >= std::pow(10.0, -decimals))
        info += QLatin1Char(' ')
            + StrOr(6650, QStringLiteral("This cover's label of %1 is centred on them."))
                  .arg(length(FDocument.Settings.OuterDiameter));
    ui->lblSheetInfo->setText(info);
    ui->lblSheetInfo->setVisible(true);
}

void TfrmPrintLabel::ReadFields(TCoverSettings &s) const
{
    const double f = UnitFactor();
    s.LabelsPerPage = std::clamp(int(std::lround(ui->SpinLabelPerPage->value())), 1, MaxLabelsPerPage);
    for (int i = 0; i < MaxLabelsPerPage; ++i) {
        s.LabelXMargin[size_t(i)] = float(std::clamp(FXFields[size_t(i)]->value() / f, 0.0, TVKRegistry::MaxSheetInches));
        s.LabelYMargin[size_t(i)] = float(std::clamp(FYFields[size_t(i)]->value() / f, 0.0, TVKRegistry::MaxSheetInches));
    }
}

TLabelPrintOptions TfrmPrintLabel::ShownOptions() const
{
    TLabelPrintOptions o;
    for (int i = 0; i < MaxLabelsPerPage; ++i)
        o.Positions[size_t(i)] = FPrintBoxes[size_t(i)]->isChecked();
    o.Border = ui->chkPrintBorder->isChecked();
    return o;
}

void TfrmPrintLabel::btnPrintClick()
{
    const TLabelPrintOptions options = ShownOptions();
    if (std::find(options.Positions.begin(), options.Positions.end(), true) == options.Positions.end())
        return;

    TCoverSettings &s = FDocument.Settings;
    ReadFields(s);
    using TVKRegistry::WriteLabelSetting;
    WriteLabelSetting(QStringLiteral("NumberPerPage"), s.LabelsPerPage);
    for (int i = 0; i < MaxLabelsPerPage; ++i) {
        WriteLabelSetting(QStringLiteral("XMargin%1").arg(i), s.LabelXMargin[size_t(i)]);
        WriteLabelSetting(QStringLiteral("YMargin%1").arg(i), s.LabelYMargin[size_t(i)]);
    }
    WritePrintedLabels(options.Positions);

    hide();
    // The dialog closes afterwards whatever happened, also when an error
    // passes through to the program's error report.
    const auto close = qScopeGuard([this] { accept(); });
    RunPrint(parentWidget(), FPrinter, [&] {
        TLabelPrinter printer(FPrinter, FDocument);
        return printer.PrintLabels(options);
    }, LogError);
}
