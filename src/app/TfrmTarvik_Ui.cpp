// Building the main window's components: actions, menus, toolbar, property
// panel, cover view, status bar.

#include "TfrmTarvik.h"

#include "TShape.h"
#include "TSurfacePanel.h"
#include "TVelDragDrop.h"
#include "TVelFontCombo.h"
#include "TVelPickColor.h"
#include "TVelWinSpinEdit.h"
#include "uResource.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QAction *makeAction(QObject *owner, const char *name, const QString &iconName = {})
{
    auto *a = new QAction(owner);
    a->setObjectName(QLatin1String(name));
    if (!iconName.isEmpty())
        a->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(iconName)));
    return a;
}

QToolButton *makeToggle(QWidget *parent, const char *name, const QString &icon)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setCheckable(true);
    b->setAutoRaise(true);
    b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    b->setIconSize(QSize(16, 16));
    return b;
}

} // namespace

void TfrmTarvik::createActions()
{
    // menu items
    mnuNew = makeAction(this, "mnuNew", QStringLiteral("new"));
    mnuOpen = makeAction(this, "mnuOpen", QStringLiteral("open"));
    mnuSave = makeAction(this, "mnuSave", QStringLiteral("save"));
    mnuSaveAs = makeAction(this, "mnuSaveAs");
    mnuPrinterSetup = makeAction(this, "mnuPrinterSetup");
    mnuPrint = makeAction(this, "mnuPrint", QStringLiteral("print"));
    mnuPrintPreview = makeAction(this, "mnuPrintPreview");
    mnuExportPdf = makeAction(this, "mnuExportPdf");
    mnuCm = makeAction(this, "mnuCm");
    mnuInches = makeAction(this, "mnuInches");
    mnuDefaultstyles = makeAction(this, "mnuDefaultstyles");
    mnuReassociate = makeAction(this, "mnuReassociate");
    mnuRoundLabel = makeAction(this, "mnuRoundLabel");
    mnuExit = makeAction(this, "mnuExit");
    mnuUndo = makeAction(this, "mnuUndo", QStringLiteral("undo"));
    mnuRedo = makeAction(this, "mnuRedo", QStringLiteral("redo"));
    mnuCut = makeAction(this, "mnuCut", QStringLiteral("cut"));
    mnuCopy = makeAction(this, "mnuCopy", QStringLiteral("copy"));
    mnuPaste = makeAction(this, "mnuPaste", QStringLiteral("paste"));
    mnuDelete = makeAction(this, "mnuDelete", QStringLiteral("delete"));
    mnuBringtofront = makeAction(this, "mnuBringtofront", QStringLiteral("bring-to-front"));
    mnuSendtoBack = makeAction(this, "mnuSendtoBack", QStringLiteral("send-to-back"));
    mnuAlign = makeAction(this, "mnuAlign");
    mnuLockcomponents = makeAction(this, "mnuLockcomponents");
    mnuLockcomponents->setCheckable(true);
    mnuSelectnone = makeAction(this, "mnuSelectnone", QStringLiteral("select-none"));
    mnuUseTarvikWizard = makeAction(this, "mnuUseTarvikWizard", QStringLiteral("wizard"));
    mnuInsertText = makeAction(this, "mnuInsertText", QStringLiteral("insert-text"));
    mnuInsertImage = makeAction(this, "mnuInsertImage", QStringLiteral("insert-image"));
    mnuLeft = makeAction(this, "mnuLeft", QStringLiteral("align-left"));
    mnuCenter = makeAction(this, "mnuCenter", QStringLiteral("align-center"));
    mnuRight = makeAction(this, "mnuRight", QStringLiteral("align-right"));
    mnuTop = makeAction(this, "mnuTop", QStringLiteral("align-top"));
    mnuMiddle = makeAction(this, "mnuMiddle", QStringLiteral("align-middle"));
    mnuBottom = makeAction(this, "mnuBottom", QStringLiteral("align-bottom"));
    mnuContents = makeAction(this, "mnuContents", QStringLiteral("help"));
    mnuIndex = makeAction(this, "mnuIndex");
    mnuAbout = makeAction(this, "mnuAbout");

    mnuCm->setCheckable(true);
    mnuInches->setCheckable(true);
    FUnitGroup = new QActionGroup(this);
    FUnitGroup->addAction(mnuCm);
    FUnitGroup->addAction(mnuInches);
    mnuCm->setChecked(true);

    mnuNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuCut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuDelete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    mnuUseTarvikWizard->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    // The window's shortcuts win over the text field's own Ctrl+Z and
    // clipboard keys: the commands themselves look at the focused field.
    for (QAction *a : {mnuUndo, mnuCut, mnuCopy, mnuPaste})
        a->setShortcutContext(Qt::WindowShortcut);

    // pop-up menu items
    mnuPopCut = makeAction(this, "mnuPopCut", QStringLiteral("cut"));
    mnuPopCopy = makeAction(this, "mnuPopCopy", QStringLiteral("copy"));
    mnuPopPaste = makeAction(this, "mnuPopPaste", QStringLiteral("paste"));
    mnuPopDelete = makeAction(this, "mnuPopDelete", QStringLiteral("delete"));
    mnuPopBringtoFront = makeAction(this, "mnuPopBringtoFront", QStringLiteral("bring-to-front"));
    mnuPopSendtoBack = makeAction(this, "mnuPopSendtoBack", QStringLiteral("send-to-back"));
    mnuPopAlign = makeAction(this, "mnuPopAlign");

    // tool buttons
    btnNew = makeAction(this, "btnNew", QStringLiteral("new"));
    btnOpen = makeAction(this, "btnOpen", QStringLiteral("open"));
    btnSave = makeAction(this, "btnSave", QStringLiteral("save"));
    btnPrint = makeAction(this, "btnPrint", QStringLiteral("print"));
    btnInsertText = makeAction(this, "btnInsertText", QStringLiteral("insert-text"));
    btnImage = makeAction(this, "btnImage", QStringLiteral("insert-image"));
    btnUndo = makeAction(this, "btnUndo", QStringLiteral("undo"));
    btnCopy = makeAction(this, "btnCopy", QStringLiteral("copy"));
    btnCut = makeAction(this, "btnCut", QStringLiteral("cut"));
    btnPaste = makeAction(this, "btnPaste", QStringLiteral("paste"));
    btnDelete = makeAction(this, "btnDelete", QStringLiteral("delete"));
    btnSelect = makeAction(this, "btnSelect", QStringLiteral("select"));
    btnSelect->setCheckable(true);
    btnSelectNone = makeAction(this, "btnSelectNone", QStringLiteral("select-none"));
    btnZoomIn = makeAction(this, "btnZoomIn", QStringLiteral("zoom-in"));
    btnZoomOut = makeAction(this, "btnZoomOut", QStringLiteral("zoom-out"));
    btnBringToFront = makeAction(this, "btnBringToFront", QStringLiteral("bring-to-front"));
    btnSendToBack = makeAction(this, "btnSendToBack", QStringLiteral("send-to-back"));
    btnLeft = makeAction(this, "btnLeft", QStringLiteral("align-left"));
    btnCenter = makeAction(this, "btnCenter", QStringLiteral("align-center"));
    btnRight = makeAction(this, "btnRight", QStringLiteral("align-right"));
    btnTop = makeAction(this, "btnTop", QStringLiteral("align-top"));
    btnMiddle = makeAction(this, "btnMiddle", QStringLiteral("align-middle"));
    btnBottom = makeAction(this, "btnBottom", QStringLiteral("align-bottom"));
    btnEditWizard = makeAction(this, "btnEditWizard", QStringLiteral("return-wizard"));
    btnEditWizard->setEnabled(false);
    btnWizard = makeAction(this, "btnWizard", QStringLiteral("wizard"));
    btnHelp = makeAction(this, "btnHelp", QStringLiteral("help"));

    // Commands that have no work behind them until their part of the program
    // exists stay visible but disabled, so nothing pretends to work.
    for (QAction *a : {mnuUndo,
                       mnuRedo, btnUndo, mnuUseTarvikWizard, btnWizard})
        a->setEnabled(false);
}

void TfrmTarvik::createMenus()
{
    QMenuBar *bar = menuBar();
    mnuFile = bar->addMenu(QString());
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->addAction(mnuNew);
    mnuFile->addAction(mnuOpen);
    mnuFile->addAction(mnuSave);
    mnuFile->addAction(mnuSaveAs);
    mnuFile->addSeparator();
    mnuFile->addAction(mnuPrinterSetup);
    mnuFile->addAction(mnuPrintPreview);
    mnuFile->addAction(mnuPrint);
    mnuFile->addAction(mnuExportPdf);
    mnuFile->addSeparator();
    mnuPreferences = mnuFile->addMenu(QString());
    mnuPreferences->setObjectName(QStringLiteral("mnuPreferences"));
    mnuMetrics = mnuPreferences->addMenu(QString());
    mnuMetrics->setObjectName(QStringLiteral("mnuMetrics"));
    mnuMetrics->addAction(mnuCm);
    mnuMetrics->addAction(mnuInches);
    mnuPreferences->addAction(mnuDefaultstyles);
    mnuPreferences->addAction(mnuReassociate);
    mnuPreferences->addAction(mnuRoundLabel);
    mnuFile->addSeparator();
    mnuFile->addAction(mnuExit);

    mnuEdit = bar->addMenu(QString());
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->addAction(mnuUndo);
    mnuEdit->addAction(mnuRedo);
    mnuEdit->addSeparator();
    mnuEdit->addAction(mnuCut);
    mnuEdit->addAction(mnuCopy);
    mnuEdit->addAction(mnuPaste);
    mnuEdit->addAction(mnuDelete);
    mnuEdit->addSeparator();
    mnuEdit->addAction(mnuBringtofront);
    mnuEdit->addAction(mnuSendtoBack);
    mnuEdit->addAction(mnuAlign);
    mnuEdit->addAction(mnuLockcomponents);
    mnuEdit->addAction(mnuSelectnone);
    mnuEdit->addSeparator();
    mnuEdit->addAction(mnuUseTarvikWizard);

    mnuInsert = bar->addMenu(QString());
    mnuInsert->setObjectName(QStringLiteral("mnuInsert"));
    mnuInsert->addAction(mnuInsertText);
    mnuInsert->addAction(mnuInsertImage);

    mnuAlignment = bar->addMenu(QString());
    mnuAlignment->setObjectName(QStringLiteral("mnuAlignment"));
    mnuHorizontally = mnuAlignment->addMenu(QString());
    mnuHorizontally->setObjectName(QStringLiteral("mnuHorizontally"));
    mnuHorizontally->addAction(mnuLeft);
    mnuHorizontally->addAction(mnuCenter);
    mnuHorizontally->addAction(mnuRight);
    mnuVertically = mnuAlignment->addMenu(QString());
    mnuVertically->setObjectName(QStringLiteral("mnuVertically"));
    mnuVertically->addAction(mnuTop);
    mnuVertically->addAction(mnuMiddle);
    mnuVertically->addAction(mnuBottom);

    mnuHelp = bar->addMenu(QString());
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addAction(mnuContents);
    mnuHelp->addAction(mnuIndex);
    mnuHelp->addSeparator();
    mnuHelp->addAction(mnuAbout);

    txtMenu = new QMenu(this);
    txtMenu->setObjectName(QStringLiteral("txtMenu"));
    txtMenu->addAction(mnuPopCut);
    txtMenu->addAction(mnuPopCopy);
    txtMenu->addAction(mnuPopPaste);
    txtMenu->addAction(mnuPopDelete);
    txtMenu->addSeparator();
    txtMenu->addAction(mnuPopAlign);
    txtMenu->addAction(mnuPopBringtoFront);
    txtMenu->addAction(mnuPopSendtoBack);
}

void TfrmTarvik::createToolbar()
{
    TarvikDock = addToolBar(QString());
    TarvikDock->setObjectName(QStringLiteral("TarvikDock"));
    TarvikDock->setIconSize(QSize(22, 22));
    TarvikDock->setMovable(false);
    TarvikDock->setFloatable(false);
    TarvikDock->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // Flat buttons packed closely, so the whole bar fits the 800-pixel window.
    TarvikDock->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 1px; }"
                                             "QToolButton { padding: 1px; margin: 0px; }"));
    const QList<QList<QAction *>> groups = {
        {btnNew, btnOpen, btnSave, btnPrint},
        {btnInsertText, btnImage, btnUndo, btnCopy, btnCut, btnPaste, btnDelete},
        {btnSelect, btnSelectNone, btnZoomIn, btnZoomOut, btnBringToFront, btnSendToBack},
        {btnLeft, btnCenter, btnRight, btnTop, btnMiddle, btnBottom},
        {btnEditWizard, btnWizard, btnHelp},
    };
    for (int g = 0; g < groups.size(); ++g) {
        if (g > 0)
            TarvikDock->addSeparator();
        TarvikDock->addActions(groups[g]);
    }
}

QWidget *TfrmTarvik::createTextPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabText"));
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);

    lblText = new QLabel(page);
    txtText = new QLineEdit(page);
    txtText->setObjectName(QStringLiteral("txtText"));
    lblText->setBuddy(txtText);
    v->addWidget(lblText);
    v->addWidget(txtText);

    grpFont = new QGroupBox(page);
    grpFont->setObjectName(QStringLiteral("grpFont"));
    auto *g = new QGridLayout(grpFont);
    g->setContentsMargins(6, 6, 6, 6);
    g->setSpacing(4);
    cmbFontName = new TVelFontCombo(grpFont);
    cmbFontName->setObjectName(QStringLiteral("cmbFontName"));
    g->addWidget(cmbFontName, 0, 0, 1, 5);
    cmbFontSize = new QComboBox(grpFont);
    cmbFontSize->setObjectName(QStringLiteral("cmbFontSize"));
    cmbFontSize->setEditable(true);
    cmbFontSize->setInsertPolicy(QComboBox::NoInsert);
    for (int s : {4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        cmbFontSize->addItem(QString::number(s));
    cmbFontSize->setMaximumWidth(64);
    g->addWidget(cmbFontSize, 1, 0, 1, 2);
    shColor = new TVelPickColor(grpFont);
    shColor->setObjectName(QStringLiteral("shColor"));
    g->addWidget(shColor, 1, 2, 1, 3);
    btnBold = makeToggle(grpFont, "btnBold", QStringLiteral("bold"));
    btnItalic = makeToggle(grpFont, "btnItalic", QStringLiteral("italic"));
    btnUnderline = makeToggle(grpFont, "btnUnderline", QStringLiteral("underline"));
    btnStrikeout = makeToggle(grpFont, "btnStrikeout", QStringLiteral("strikeout"));
    auto *styles = new QHBoxLayout;
    styles->setSpacing(2);
    for (QToolButton *b : {btnBold, btnItalic, btnUnderline, btnStrikeout})
        styles->addWidget(b);
    styles->addStretch();
    g->addLayout(styles, 2, 0, 1, 5);
    v->addWidget(grpFont);

    lblAngle = new QLabel(page);
    lblAngle->setObjectName(QStringLiteral("lblAngle"));
    v->addWidget(lblAngle);
    auto *angles = new QGridLayout;
    angles->setSpacing(2);
    rb0 = new QRadioButton(QStringLiteral("0°"), page);
    rb90 = new QRadioButton(QStringLiteral("90°"), page);
    rb180 = new QRadioButton(QStringLiteral("180°"), page);
    rb270 = new QRadioButton(QStringLiteral("270°"), page);
    rb0->setObjectName(QStringLiteral("rb0"));
    rb90->setObjectName(QStringLiteral("rb90"));
    rb180->setObjectName(QStringLiteral("rb180"));
    rb270->setObjectName(QStringLiteral("rb270"));
    angles->addWidget(rb0, 0, 0);
    angles->addWidget(rb90, 0, 1);
    angles->addWidget(rb180, 1, 0);
    angles->addWidget(rb270, 1, 1);
    v->addLayout(angles);

    auto *back = new QHBoxLayout;
    lblBackGround = new QLabel(page);
    lblBackGround->setObjectName(QStringLiteral("lblBackGround"));
    shBackColor = new TVelPickColor(page);
    shBackColor->setObjectName(QStringLiteral("shBackColor"));
    back->addWidget(lblBackGround);
    back->addWidget(shBackColor);
    back->addStretch();
    v->addLayout(back);
    chkTransparent = new QCheckBox(page);
    chkTransparent->setObjectName(QStringLiteral("chkTransparent"));
    v->addWidget(chkTransparent);

    cmbApplyStyle = new QComboBox(page);
    cmbApplyStyle->setObjectName(QStringLiteral("cmbApplyStyle"));
    v->addWidget(cmbApplyStyle);
    v->addStretch();
    return page;
}

QWidget *TfrmTarvik::createImagePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabImage"));
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);

    lblImageName = new QLabel(page);
    v->addWidget(lblImageName);
    auto *name = new QHBoxLayout;
    txtImageName = new QLineEdit(page);
    txtImageName->setObjectName(QStringLiteral("txtImageName"));
    txtImageName->setReadOnly(true);
    btnChangeImage = new QToolButton(page);
    btnChangeImage->setObjectName(QStringLiteral("btnChangeImage"));
    btnChangeImage->setText(QStringLiteral("..."));
    name->addWidget(txtImageName);
    name->addWidget(btnChangeImage);
    v->addLayout(name);

    lblFit = new QLabel(page);
    v->addWidget(lblFit);
    cmbFitTo = new QComboBox(page);
    cmbFitTo->setObjectName(QStringLiteral("cmbFitTo"));
    v->addWidget(cmbFitTo);

    grpPictureSize = new QGroupBox(page);
    grpPictureSize->setObjectName(QStringLiteral("grpPictureSize"));
    auto *f = new QFormLayout(grpPictureSize);
    f->setContentsMargins(6, 6, 6, 6);
    lblImgWidth = new QLabel(grpPictureSize);
    lblimgHeight = new QLabel(grpPictureSize);
    SpinImgWidth = new TVelWinSpinEdit(grpPictureSize);
    SpinImgWidth->setObjectName(QStringLiteral("SpinImgWidth"));
    SpinImgHeight = new TVelWinSpinEdit(grpPictureSize);
    SpinImgHeight->setObjectName(QStringLiteral("SpinImgHeight"));
    f->addRow(lblImgWidth, SpinImgWidth);
    f->addRow(lblimgHeight, SpinImgHeight);
    chkProportions = new QCheckBox(grpPictureSize);
    chkProportions->setObjectName(QStringLiteral("chkProportions"));
    chkProportions->setChecked(true);
    f->addRow(chkProportions);
    v->addWidget(grpPictureSize);

    btnBackToOriginalSize = new QToolButton(page);
    btnBackToOriginalSize->setObjectName(QStringLiteral("btnBackToOriginalSize"));
    btnBackToOriginalSize->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btnBackToOriginalSize->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    v->addWidget(btnBackToOriginalSize);
    v->addStretch();
    return page;
}

QWidget *TfrmTarvik::createColorsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabColors"));
    auto *f = new QFormLayout(page);
    f->setContentsMargins(6, 8, 6, 6);
    f->setVerticalSpacing(8);
    const char *names[7] = {"shColorFront", "shColorInside", "shColorBack", "shColorLeft",
                            "shColorRight", "shColorLabel", "shColorLines"};
    const char *labels[7] = {"lblFrontColor", "lblInsideColor", "lblBackColor", "lblLeftColor",
                             "lblRightColor", "lblLabelColor", "lblLinesColor"};
    TVelPickColor **pickers[7] = {&shColorFront, &shColorInside, &shColorBack, &shColorLeft,
                                  &shColorRight, &shColorLabel, &shColorLines};
    for (int i = 0; i < 7; ++i) {
        *pickers[i] = new TVelPickColor(page);
        (*pickers[i])->setObjectName(QLatin1String(names[i]));
        colorLabels[i] = new QLabel(page);
        colorLabels[i]->setObjectName(QLatin1String(labels[i]));
        f->addRow(colorLabels[i], *pickers[i]);
    }
    return page;
}

void TfrmTarvik::createPropertyPanel()
{
    pagEdit = new QTabWidget;
    pagEdit->setObjectName(QStringLiteral("pagEdit"));
    tabText = createTextPage();
    TabImage = createImagePage();
    TabColors = createColorsPage();
    pagEdit->addTab(tabText, QString());
    pagEdit->addTab(TabImage, QString());
    pagEdit->addTab(TabColors, QString());

    pnlPosition = new QWidget;
    pnlPosition->setObjectName(QStringLiteral("pnlPosition"));
    auto *pl = new QVBoxLayout(pnlPosition);
    pl->setContentsMargins(0, 0, 0, 0);
    grpPosition = new QGroupBox(pnlPosition);
    grpPosition->setObjectName(QStringLiteral("grpPosition"));
    auto *g = new QFormLayout(grpPosition);
    g->setContentsMargins(6, 6, 6, 6);
    SpinX = new TVelWinSpinEdit(grpPosition);
    SpinX->setObjectName(QStringLiteral("SpinX"));
    SpinY = new TVelWinSpinEdit(grpPosition);
    SpinY->setObjectName(QStringLiteral("SpinY"));
    g->addRow(QStringLiteral("X:"), SpinX);
    g->addRow(QStringLiteral("Y:"), SpinY);
    pl->addWidget(grpPosition);
}

void TfrmTarvik::createCoverView()
{
    pagCover = new QTabWidget;
    pagCover->setObjectName(QStringLiteral("pagCover"));
    pagCover->setTabPosition(QTabWidget::South);
    pagCover->setDocumentMode(true);

    struct Surface {
        const char *tab;
        const char *panel;
        const char *shadow;
        TSurfaceCode code;
        QWidget **tabPtr;
        TSurfacePanel **panelPtr;
        TShape **shadowPtr;
    };
    const Surface surfaces[] = {
        {"TabFrontCover", "pnlFrontCover", "ShadowFrontCover", TSurfaceCode::Front, &TabFrontCover,
         &pnlFrontCover, &ShadowFrontCover},
        {"TabInsideCover", "pnlInsideCover", "shadowInsideCover", TSurfaceCode::Inside, &TabInsideCover,
         &pnlInsideCover, &shadowInsideCover},
        {"tabBackCover", "pnlBackCover", "ShadowBackCover", TSurfaceCode::Back, &tabBackCover,
         &pnlBackCover, &ShadowBackCover},
        {"TabLabel", "pnlRoundLabel", "ShadowRoundLabel", TSurfaceCode::RoundLabel, &TabLabel,
         &pnlRoundLabel, &ShadowRoundLabel},
    };
    for (const Surface &s : surfaces) {
        // Each tab scrolls, so a surface zoomed beyond the view can still be
        // reached; while it fits, the sheet is exactly the tab's size.
        auto *page = new QScrollArea;
        page->setObjectName(QLatin1String(s.tab));
        page->setFrameShape(QFrame::NoFrame);
        page->setWidgetResizable(false);
        auto *sheet = new QWidget;
        sheet->setObjectName(QLatin1String(s.tab) + QStringLiteral("Sheet"));
        page->setWidget(sheet);
        auto *shadow = new TShape(TShape::Rectangle, sheet);
        shadow->setObjectName(QLatin1String(s.shadow));
        // the toolkit's shadow grey, RGB 128, 128, 128 (Qt::gray is lighter)
        shadow->setPenColor(QColor(128, 128, 128));
        shadow->setBrushColor(QColor(128, 128, 128));
        auto *panel = new TSurfacePanel(s.code, sheet);
        panel->setObjectName(QLatin1String(s.panel));
        panel->raise();
        *s.tabPtr = page;
        *s.panelPtr = panel;
        *s.shadowPtr = shadow;
        pagCover->addTab(page, QString());
    }
}

void TfrmTarvik::createStatusBar()
{
    QStatusBar *sb = statusBar();
    sb->setObjectName(QStringLiteral("SB"));
    sb->setSizeGripEnabled(true);
    SBPanel0 = new QLabel(sb);
    SBPanel0->setObjectName(QStringLiteral("SBPanel0"));
    SBPanel0->setMinimumWidth(100);
    SBPanel1 = new QLabel(sb);
    SBPanel1->setObjectName(QStringLiteral("SBPanel1"));
    SBPanel1->setFixedWidth(90);
    SBPanel1->setAlignment(Qt::AlignCenter);
    SBPanel2 = new QLabel(sb);
    SBPanel2->setObjectName(QStringLiteral("SBPanel2"));
    SBPanel2->setFixedWidth(50);
    sb->addWidget(SBPanel0, 1);
    sb->addPermanentWidget(SBPanel1);
    sb->addPermanentWidget(SBPanel2);
}
