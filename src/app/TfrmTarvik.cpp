// The main window's life cycle: creation, first activation, resizing, the
// close sequence, hints and the raising of secondary windows.

#include "TfrmTarvik.h"

#include "DefaultStyles.h"
#include "MessageBoxes.h"
#include "Printing.h"
#include "StartupLayout.h"
#include "TTarvikApplication.h"
#include "TSurfacePanel.h"
#include "TVKRegistry.h"
#include "TSelectionRect.h"
#include "TVelDragDrop.h"
#include "TVelStretchHandle.h"
#include "TVelFontCombo.h"
#include "TVelPickColor.h"
#include "DocumentColors.h"
#include "TVelWinSpinEdit.h"
#include "uCustomColors.h"
#include "uPrintRoundLabel.h"
#include "uResource.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QCheckBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

TfrmTarvik::TfrmTarvik(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), FArguments(arguments)
{
    setObjectName(QStringLiteral("frmTarvik"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tarvik.svg")));
    setMinimumSize(StartupLayout::MinimumSize);
    resize(StartupLayout::DesignSize);

    createActions();
    createMenus();
    createToolbar();
    createPropertyPanel();
    createCoverView();
    createStatusBar();

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    auto *h = new QHBoxLayout(central);
    h->setContentsMargins(2, 2, 2, 2);
    h->setSpacing(2);
    // The property panel scrolls when the window is too low for it, so no
    // control is ever squeezed below the size it needs to be used.
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("pnlProperties"));
    auto *left = new QVBoxLayout(panel);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(2);
    left->addWidget(pagEdit);
    left->addWidget(pnlPosition);
    left->addStretch();
    pagEdit->setFixedWidth(PropertyPanelWidth);
    pnlPosition->setFixedWidth(PropertyPanelWidth);
    scrProperties = new QScrollArea;
    scrProperties->setObjectName(QStringLiteral("scrProperties"));
    scrProperties->setFrameShape(QFrame::NoFrame);
    scrProperties->setWidgetResizable(true);
    scrProperties->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrProperties->setWidget(panel);
    scrProperties->setFixedWidth(PropertyPanelWidth + scrProperties->verticalScrollBar()->sizeHint().width());
    h->addWidget(scrProperties);
    h->addWidget(pagCover, 1);
    setCentralWidget(central);
    TabFrontCover->installEventFilter(this);


    SH = new TVelStretchHandle(pnlFrontCover);
    SH->setObjectName(QStringLiteral("SH"));
    SH->SetDragCursor(Qt::SizeAllCursor);
    SH->DetachAll();
    RectSel = new TSelectionRect(pnlFrontCover);
    RectSel->setObjectName(QStringLiteral("RectSel"));

    DragDrop = new TVelDragDrop(this);
    DragDrop->setObjectName(QStringLiteral("DragDrop"));
    DragDrop->setTarget(this);

    PictureChooser = [this](const QString &start, bool multiple) { return ChoosePictures(start, multiple); };
    SaveFileChooser = [this] { return AskSaveFileName(); };
    OpenFileChooser = [this] { return AskOpenFileName(); };

    LocalizeMainWindow();
    assignHelpContexts();
    connectWidgets();
    connectCommandStates();
    FormCreate();
    CreateWizard();
}

TfrmTarvik::~TfrmTarvik()
{
    disconnectCommandStates();
    // The handle lets go of its panel when it holds nothing, so it is not
    // always a child of the window; it goes with the window all the same.
    delete SH;
    TVKRegistry::SetSettingsReporter({});
}

void TfrmTarvik::FormCreate()
{
    // custom colours of the shared colour dialog
    const QList<TColor> custom = LoadCustomColors(CustomColorsIniPath());
    for (int i = 0; i < custom.size() && i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, ColorToQColor(custom[i]));
    FFirstActivation = true;

    ShowHint(QString());
    UpdateCaption();

    // window size and zoom by screen size
    const StartupLayout::TWindowPlacement place = StartupLayout::PlacementFor(StartupLayout::ScreenSize());
    FZoom = place.zoom;
    setGeometry(place.geometry);
    if (place.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);

    CoverSettings = TCoverSettings::Defaults();
    DocumentRecord = TDocumentRecord();
    // A stored value that cannot be read, or lies outside its range, is
    // replaced by the store and told in the settings report.
    ReadLabelSettings(CoverSettings);
    const TCoverPrintOptions margins = ReadPrinterMargins();
    FPrinterXOffset = margins.XMargin;
    FPrinterYOffset = margins.YMargin;

    const QStringList styleNames = LoadStyles(CoverSettings);
    cmbApplyStyle->clear();
    cmbApplyStyle->addItems(styleNames);

    LayoutAllSurfaces();
    FCurrentFile.clear();

    // the Text tab's starting values
    {
        const QScopedValueRollback<bool> updating(PanelUpdating, true);
        cmbFontName->setFontName(QStringLiteral("Arial"));
        cmbFontSize->setCurrentText(QStringLiteral("12"));
        rb0->setChecked(true);
        btnBold->setChecked(true);
        shColor->setColorSilently(clBlack);
        chkTransparent->setChecked(true);
        shBackColor->setColorSilently(clWhite);
    }

    pagEdit->setCurrentWidget(tabText);
    cmbFitTo->setCurrentIndex(0);
    Modified = false;
    FCopies = 1;
    UseInches = true;
    SetCoverPage(TabFrontCover);

    LoadStyleValue(0);
    SBPanel1->setText(ZoomText());

    for (int i = ciFront; i <= ciRoundLabel; ++i)
        CoverSettings.Colors[i] = clWhite;
    CoverSettings.Colors[ciLines] = clBlack;
    ApplyColors();
}

void TfrmTarvik::FormActivate()
{
    if (!FFirstActivation)
        return;
    FFirstActivation = false;
    LocalizeMainWindow();
    FormResize();
    if (TVKRegistry::ReadPreference(TVKRegistry::prDefaultUdm) == QLatin1String("Cm"))
        mnuCmClick();
    else
        mnuInchesClick();
    // Whatever start-up found wrong with the settings file, in one message;
    // what goes wrong later is told when it happens.
    const QString settingsReport = TVKRegistry::TakeSettingsReport();
    if (!settingsReport.isEmpty())
        MessageBoxes::ShowWarning(this, settingsReport);
    TVKRegistry::SetSettingsReporter(
        [self = QPointer<TfrmTarvik>(this)](const QString &text) { MessageBoxes::ShowWarning(self, text); });
    if (!FArguments.isEmpty()) {
        const QString path = FArguments.first();
        const QString name = QFileInfo(path).fileName();
        const int dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0 && name.mid(dot) == QLatin1String(".tvk"))
            OpenDocument(path);
    }
}

void TfrmTarvik::FormResize()
{
    LayoutAllSurfaces();
}

bool TfrmTarvik::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::StatusTip:
        ShowHint(static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    case QEvent::WindowActivate:
        FormActivate();
        break;
    default:
        break;
    }
    return QMainWindow::event(e);
}

void TfrmTarvik::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    // A desktop without a window manager never activates the window; the
    // first-activation steps then run once the window is shown.
    if (FFirstActivation)
        QTimer::singleShot(0, this, &TfrmTarvik::FormActivate);
}

void TfrmTarvik::ShowHint(const QString &hint)
{
    SBPanel0->setText(hint.isEmpty() ? Str(txHelpHint) : hint);
}

void TfrmTarvik::UpdateCaption()
{
    const QString title = QApplication::applicationDisplayName();
    // "[*]" is where the desktop shows that there is unsaved work; it shows
    // nothing while the document is unmodified.
    setWindowTitle((FCurrentFile.isEmpty() ? title
                                           : title + QStringLiteral(" - ") + QFileInfo(FCurrentFile).fileName())
                   + QStringLiteral("[*]"));
    setWindowModified(Modified);
}

bool TfrmTarvik::FormCloseQuery()
{
    // The same question as before any document is discarded.
    return ConfirmDiscard();
}

void TfrmTarvik::closeEvent(QCloseEvent *e)
{
    if (FClosing) {
        e->accept();
        return;
    }
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    FClosing = true;
    hide();
    FreeResources();
    FormClose();
    e->accept();
}

void TfrmTarvik::FreeResources()
{
    DestroyAllElements();
    DocumentRecord = TDocumentRecord();
}

void TfrmTarvik::FormClose()
{
    QList<TColor> custom;
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        custom.append(QColorToColor(QColorDialog::customColor(i)));
    SaveCustomColors(CustomColorsIniPath(), custom);
}

void TfrmTarvik::mnuExitClick()
{
    close();
}

void TfrmTarvik::ApplicationEvents1Activate()
{
    // Secondary windows stay above the main window when the program comes
    // back to the front.
    static const char *order[] = {"TfrmWizard", "TfrmCDDB", "TfrmFreeDB", "TfrmPrinting",
                                  "TfrmPrintLabel", "TfrmPrintingDialog", "TfrmDefaultStyles",
                                  "TfrmSetRoundLabel", "TfrmAlignment", "TfrmAboutBox"};
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (const char *cls : order)
        for (QWidget *w : tops)
            if (w != this && w->isVisible() && qstrcmp(w->metaObject()->className(), cls) == 0)
                w->raise();
}
