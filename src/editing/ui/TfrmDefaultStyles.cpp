#include "TfrmDefaultStyles.h"
#include "ui_TfrmDefaultStyles.h"

#include "CenterOnScreen.h"
#include "MessageBoxes.h"
#include "TVKRegistry.h"
#include "uResource.h"

#include <QButtonGroup>
#include <QFile>
#include <QIcon>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QShowEvent>

namespace {

const QString PreviewText = QStringLiteral("AaBbYyZz");

// The angle each button stands for; "0°" is the unrotated 360.
const std::array<std::pair<int, int>, 4> AngleButtons = {{{0, 360}, {1, 90}, {2, 180}, {3, 270}}};

} // namespace

TfrmDefaultStyles::TfrmDefaultStyles(TCoverSettings &settings, TErrorReporter reportError, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::TfrmDefaultStyles)
    , FSettings(settings)
    , FReportError(std::move(reportError))
{
    ui->setupUi(this);
    if (!FReportError)
        FReportError = [this](const QString &message) { MessageBoxes::ShowError(this, message); };

    const std::pair<QToolButton *, const char *> toggles[] = {
        {ui->btnBold, "bold"}, {ui->btnItalic, "italic"}, {ui->btnUnderline, "underline"}, {ui->btnStrikeout, "strikeout"}};
    for (const auto &[button, icon] : toggles) {
        // The letters B, I, U, S stay when the program carries no icons.
        const QString file = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon));
        if (QFile::exists(file))
            button->setIcon(QIcon(file));
        button->setIconSize(QSize(16, 16));
    }

    FAngles = new QButtonGroup(this);
    FAngles->addButton(ui->rb0, 0);
    FAngles->addButton(ui->rb90, 1);
    FAngles->addButton(ui->rb180, 2);
    FAngles->addButton(ui->rb270, 3);

    ui->lblPreview->SetCaption(PreviewText);
    ui->lblPreview->SetAutoSize(true);

    connect(ui->cmbStyle, &QComboBox::currentIndexChanged, this, &TfrmDefaultStyles::cmbStyleChange);
    connect(ui->cmbFontName, &TVelFontCombo::fontChanged, this, &TfrmDefaultStyles::ControlChanged);
    // A typed size counts when it is finished (Enter, leaving the box), so a
    // half-typed number is never reported.
    connect(ui->cmbFontSize, &QComboBox::activated, this, &TfrmDefaultStyles::ControlChanged);
    connect(ui->cmbFontSize->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (!ui->cmbFontSize->lineEdit()->isModified())
            return;
        ui->cmbFontSize->lineEdit()->setModified(false);
        ControlChanged();
    });
    connect(ui->pickColorFont, &TVelPickColor::changed, this, &TfrmDefaultStyles::ControlChanged);
    connect(ui->pickColor, &TVelPickColor::changed, this, &TfrmDefaultStyles::ControlChanged);
    for (QToolButton *b : {ui->btnBold, ui->btnItalic, ui->btnUnderline, ui->btnStrikeout})
        connect(b, &QToolButton::toggled, this, &TfrmDefaultStyles::ControlChanged);
    connect(FAngles, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            ControlChanged();
    });
    connect(ui->chkTransparent, &QCheckBox::toggled, this, &TfrmDefaultStyles::ControlChanged);
    connect(ui->btnSet, &QPushButton::clicked, this, &TfrmDefaultStyles::btnSetClick);
    connect(ui->btnReset, &QPushButton::clicked, this, &TfrmDefaultStyles::btnResetClick);
    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);

    LocalizeForm();
    FormShow();
}

TfrmDefaultStyles::~TfrmDefaultStyles()
{
    delete ui;
}

void TfrmDefaultStyles::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        LocalizeForm();
        CenterOnScreen(this);
    }
    QDialog::showEvent(event);
}

void TfrmDefaultStyles::LocalizeForm()
{
    ApplyFormCharset(Str(10), this);
    setWindowTitle(Str(3000));
    ui->lblInstructions->setText(Str(3010));
    ui->grpFont->setTitle(Str(3020));
    ui->lblName->setText(Str(3030));
    ui->lblSize->setText(Str(3040));
    ui->lblColor->setText(Str(3050));
    ui->lblStyle->setText(Str(3060));
    ui->lblAngle->setText(Str(3070));
    ui->grpLayout->setTitle(Str(3080));
    ui->chkTransparent->setText(Str(3090));
    ui->lblBckColor->setText(Str(3100));
    ui->grpPreview->setTitle(Str(3110));
    ui->btnReset->setText(Str(3120));
    ui->btnSet->setText(Str(3130));
    ui->btnClose->setText(Str(3140));

    const std::pair<QWidget *, int> hints[] = {
        {ui->cmbFontName, 1710}, {ui->cmbFontSize, 1720}, {ui->pickColorFont, 1730}, {ui->btnBold, 1740},
        {ui->btnItalic, 1750},   {ui->btnUnderline, 1760}, {ui->btnStrikeout, 1770}, {ui->lblAngle, 1780},
        {ui->rb0, 1780},         {ui->rb90, 1780},         {ui->rb180, 1780},        {ui->rb270, 1780},
        {ui->chkTransparent, 1800}, {ui->pickColor, 1810}};
    for (const auto &[widget, id] : hints)
        widget->setToolTip(Str(id));
}

// The working copy starts from the styles in memory; the list shows the
// styles that have a name.
void TfrmDefaultStyles::FormShow()
{
    FWork = FSettings.Styles;
    {
        const QScopedValueRollback<bool> updating(FUpdating, true);
        ui->cmbStyle->clear();
        for (int n = 0; n < StyleCount; ++n)
            if (!FWork[n].Name.isEmpty())
                ui->cmbStyle->addItem(FWork[n].Name, n);
    }
    ui->cmbStyle->setCurrentIndex(ui->cmbStyle->count() > 0 ? 0 : -1);
    cmbStyleChange();
}

int TfrmDefaultStyles::SelectedStyle() const
{
    const QVariant n = ui->cmbStyle->currentData();
    return n.isValid() ? n.toInt() : -1;
}

void TfrmDefaultStyles::cmbStyleChange()
{
    if (FUpdating)
        return;
    const int n = SelectedStyle();
    if (n >= 0)
        ShowStyle(n);
}

void TfrmDefaultStyles::ShowStyle(int n)
{
    const TTextStyleRecord &s = FWork[n];
    {
        const QScopedValueRollback<bool> updating(FUpdating, true);
        ui->cmbFontName->setFontName(s.FontName);
        ui->pickColorFont->setColorSilently(s.FontColor);
        ui->btnBold->setChecked(s.FontStyle & fbBold);
        ui->btnItalic->setChecked(s.FontStyle & fbItalic);
        ui->btnUnderline->setChecked(s.FontStyle & fbUnderline);
        ui->btnStrikeout->setChecked(s.FontStyle & fbStrikeout);
        ui->cmbFontSize->setCurrentText(QString::number(s.FontSize));
        // An angle no button stands for (the round label's 0 is unrotated but
        // picks no button) shows no button checked, so the preview and the
        // stored angle stay what the style says until a button is chosen.
        FAngles->setExclusive(false);
        for (const auto &[id, angle] : AngleButtons)
            FAngles->button(id)->setChecked(angle == s.Angle);
        FAngles->setExclusive(true);
        ui->chkTransparent->setChecked(s.Transparent);
        ui->pickColor->setColorSilently(s.BackColor);
    }
    ShowPreview(s);
}

// The controls' values go to the preview and into the working copy of the
// selected style. A size that is not a whole number is reported; the style
// keeps its size and the box shows it again.
void TfrmDefaultStyles::ControlChanged()
{
    const int n = SelectedStyle();
    if (FUpdating || n < 0)
        return;
    TTextStyleRecord s = FWork[n];
    s.FontName = ui->cmbFontName->fontName().left(50);
    s.FontColor = ui->pickColorFont->color();
    s.FontStyle = (ui->btnBold->isChecked() ? fbBold : 0) | (ui->btnItalic->isChecked() ? fbItalic : 0)
                  | (ui->btnUnderline->isChecked() ? fbUnderline : 0)
                  | (ui->btnStrikeout->isChecked() ? fbStrikeout : 0);
    for (const auto &[id, angle] : AngleButtons)
        if (FAngles->button(id)->isChecked())
            s.Angle = angle;
    s.Transparent = ui->chkTransparent->isChecked();
    s.BackColor = ui->pickColor->color();

    const QString sizeText = ui->cmbFontSize->currentText();
    bool ok = false;
    const int size = sizeText.trimmed().toInt(&ok);
    const bool sizeOk = ok && size > 0;
    if (sizeOk)
        s.FontSize = size;

    FWork[n] = s;
    ShowPreview(s);
    if (!sizeOk) {
        // The box shows the kept size before the message takes the focus,
        // so leaving the box for the message does not report it again.
        {
            const QScopedValueRollback<bool> updating(FUpdating, true);
            ui->cmbFontSize->setCurrentText(QString::number(s.FontSize));
        }
        FReportError(Str(9525).arg(sizeText));
    }
}

void TfrmDefaultStyles::ShowPreview(const TTextStyleRecord &s)
{
    TVelRotateLabel *p = ui->lblPreview;
    QFont f = p->font();
    f.setFamily(s.FontName);
    f.setBold(s.FontStyle & fbBold);
    f.setItalic(s.FontStyle & fbItalic);
    f.setUnderline(s.FontStyle & fbUnderline);
    f.setStrikeOut(s.FontStyle & fbStrikeout);
    p->setFont(f);
    p->SetRealFontSize(s.FontSize);
    p->SetFontColor(s.FontColor);
    p->SetColor(s.BackColor);
    p->SetTransparent(s.Transparent);
    p->SetAngle(s.Angle);
    const QRect area = ui->pnlPreview->rect();
    p->move(area.center().x() - p->width() / 2, area.center().y() - p->height() / 2);
}

// The working copy becomes the styles in memory, each keeping its position,
// and every named style is stored.
void TfrmDefaultStyles::btnSetClick()
{
    for (int n = 0; n < StyleCount; ++n) {
        TTextStyleRecord s = FWork[n];
        s.X = FSettings.Styles[n].X;
        s.Y = FSettings.Styles[n].Y;
        FSettings.Styles[n] = s;
    }
    for (int n = 0; n < StyleCount; ++n)
        if (!FSettings.Styles[n].Name.isEmpty())
            WriteStyle(n, FSettings.Styles[n]);
    // Styles that cannot be stored are told, unless the program has told
    // already that its settings are not kept.
    const QString report = TVKRegistry::TakeSettingsReport();
    if (!report.isEmpty())
        FReportError(report);
}

void TfrmDefaultStyles::btnResetClick()
{
    ResetStyles(FSettings);
    FormShow();
}
