// Building the main window's components: menus, toolbar, property panel,
// cover view, status bar, and the connections of their widgets.

#include "TfrmTarvik.h"

#include "TShape.h"
#include "TVelStretchHandle.h"
#include "TSurfacePanel.h"
#include "TVelDragDrop.h"
#include "TVelFontCombo.h"
#include "TVelPickColor.h"
#include "TVelWinSpinEdit.h"
#include "uResource.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
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
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Tool buttons tell their command's hint in the status bar while the mouse
// is over them; the menu items of the same commands leave the status bar's
// own text, as the status tip of an action would not.
class TButtonHints : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Enter || event->type() == QEvent::Leave)
            if (auto *button = qobject_cast<QToolButton *>(watched); button && button->defaultAction()) {
                QStatusTipEvent tip(event->type() == QEvent::Enter ? button->defaultAction()->toolTip() : QString());
                QCoreApplication::sendEvent(button, &tip);
            }
        return QObject::eventFilter(watched, event);
    }
};

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
    createLanguageMenu();
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
    txtMenu->addAction(mnuDelete);
    txtMenu->addSeparator();
    txtMenu->addAction(mnuAlign);
    txtMenu->addAction(mnuBringtofront);
    txtMenu->addAction(mnuSendtoBack);
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
    auto *hints = new TButtonHints(TarvikDock);
    for (const TToolButtonDef &def : ToolbarButtons()) {
        if (!def.Action) {
            TarvikDock->addSeparator();
            continue;
        }
        TarvikDock->addAction(def.Action);
        QWidget *button = TarvikDock->widgetForAction(def.Action);
        button->setObjectName(QLatin1String(def.Name));
        button->installEventFilter(hints);
    }
}

std::vector<TfrmTarvik::TToolButtonDef> TfrmTarvik::ToolbarButtons() const
{
    // Left to right; an entry without an action is a separator.
    return {
        {"btnNew", mnuNew, 1000}, {"btnOpen", mnuOpen, 1010}, {"btnSave", mnuSave, 1020},
        {"btnPrint", mnuPrint, 1030}, {nullptr, nullptr, 0},
        {"btnInsertText", mnuInsertText, 1040}, {"btnImage", mnuInsertImage, 1050}, {"btnUndo", mnuUndo, 1055},
        {"btnCopy", mnuCopy, 1070}, {"btnCut", mnuCut, 1060}, {"btnPaste", mnuPaste, 1080},
        {"btnDelete", mnuDelete, 1090}, {nullptr, nullptr, 0},
        {"btnSelect", btnSelect, 1100}, {"btnSelectNone", mnuSelectnone, 1110}, {"btnZoomIn", btnZoomIn, 1140},
        {"btnZoomOut", btnZoomOut, 1150}, {"btnBringToFront", mnuBringtofront, 1120},
        {"btnSendToBack", mnuSendtoBack, 1130}, {nullptr, nullptr, 0},
        {"btnLeft", mnuLeft, 1160}, {"btnCenter", mnuCenter, 1170}, {"btnRight", mnuRight, 1180},
        {"btnTop", mnuTop, 1190}, {"btnMiddle", mnuMiddle, 1200}, {"btnBottom", mnuBottom, 1210},
        {nullptr, nullptr, 0},
        {"btnEditWizard", btnEditWizard, 1215}, {"btnWizard", mnuUseTarvikWizard, 1220},
        {"btnHelp", mnuContents, 1250},
    };
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
    // wide enough for the language's longest zoom text, three digits
    const QString widestZoom = Str(2610) + QStringLiteral("888 %");
    SBPanel1->setFixedWidth(std::max(90, SBPanel1->fontMetrics().horizontalAdvance(widestZoom) + 16));
    SBPanel1->setAlignment(Qt::AlignCenter);
    SBPanel2 = new QLabel(sb);
    SBPanel2->setObjectName(QStringLiteral("SBPanel2"));
    SBPanel2->setFixedWidth(50);
    sb->addWidget(SBPanel0, 1);
    sb->addPermanentWidget(SBPanel1);
    sb->addPermanentWidget(SBPanel2);
}

void TfrmTarvik::connectWidgets()
{
    connect(btnChangeImage, &QToolButton::clicked, this, &TfrmTarvik::btnChangeImageClick);
    connect(cmbApplyStyle, &QComboBox::activated, this, &TfrmTarvik::cmbApplyStyleClick);
    connect(cmbFitTo, &QComboBox::activated, this, &TfrmTarvik::cmbFitToClick);
    connect(cmbFitTo, &QComboBox::currentIndexChanged, this, &TfrmTarvik::cmbFitToChange);
    connect(btnBackToOriginalSize, &QToolButton::clicked, this, &TfrmTarvik::btnBackToOriginalSizeClick);
    connect(chkProportions, &QCheckBox::clicked, this, &TfrmTarvik::chkProportionsClick);
    connect(SpinImgWidth, &TVelWinSpinEdit::changed, this, &TfrmTarvik::SpinImgWidthChange);
    connect(SpinImgHeight, &TVelWinSpinEdit::changed, this, &TfrmTarvik::SpinImgWidthChange);

    connect(pagCover, &QTabWidget::currentChanged, this, &TfrmTarvik::pagCoverChange);
    connect(pagEdit->tabBar(), &QTabBar::tabBarClicked, this, &TfrmTarvik::pagEditChanging);
    connect(txtMenu, &QMenu::aboutToShow, this, &TfrmTarvik::txtMenuPopup);

    // the handle
    connect(SH, &TVelStretchHandle::OnMouseDown, this, &TfrmTarvik::shMouseDown);
    connect(SH, &TVelStretchHandle::OnMouseUp, this, [this] { shMouseUp(); });
    connect(SH, &TVelStretchHandle::OnKeyDown, this, [this](int key, Qt::KeyboardModifiers) { shKeyDown(key); });

    // the property panel
    connect(txtText, &QLineEdit::textChanged, this, &TfrmTarvik::txtTextChange);
    txtText->installEventFilter(this);
    txtImageName->installEventFilter(this);
    // Each field of the Text tab changes its one property of the selection.
    using F = TPanelField;
    connect(cmbFontName, &TVelFontCombo::fontChanged, this, [this] { RepaintElement(F::FontName); });
    connect(cmbFontSize, &QComboBox::activated, this, [this] { RepaintElement(F::FontSize); });
    connect(cmbFontSize->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (cmbFontSize->lineEdit()->isModified()) {
            cmbFontSize->lineEdit()->setModified(false);
            RepaintElement(F::FontSize);
        }
    });
    const std::pair<QAbstractButton *, F> buttons[] = {
        {btnBold, F::Bold}, {btnItalic, F::Italic}, {btnUnderline, F::Underline}, {btnStrikeout, F::Strikeout},
        {rb0, F::Angle0}, {rb90, F::Angle90}, {rb180, F::Angle180}, {rb270, F::Angle270},
        {chkTransparent, F::Transparent},
    };
    for (const auto &[button, field] : buttons)
        connect(button, &QAbstractButton::clicked, this, [this, field = field] { RepaintElement(field); });
    connect(shColor, &TVelPickColor::changed, this, [this] { RepaintElement(F::FontColor); });
    connect(shBackColor, &TVelPickColor::changed, this, [this] { RepaintElement(F::BackColor); });
    connect(SpinX, &TVelWinSpinEdit::changed, this, &TfrmTarvik::SpinXChange);
    connect(SpinY, &TVelWinSpinEdit::changed, this, &TfrmTarvik::SpinXChange);
    connect(DragDrop, &TVelDragDrop::filesDropped, this, &TfrmTarvik::DragDropFilesDropped);
    DragDrop->setActive(true);

    const TVelPickColor *colors[] = {shColorFront, shColorInside, shColorBack, shColorLeft, shColorRight,
                                     shColorLabel, shColorLines};
    for (int i = ciFront; i <= ciLines; ++i)
        connect(colors[i], &TVelPickColor::changed, this, [this, i] { ApplyColor(i); });

    for (TSurfacePanel *panel : {pnlFrontCover, pnlInsideCover, pnlBackCover, pnlRoundLabel}) {
        connect(panel, &TSurfacePanel::clicked, this, &TfrmTarvik::pnlFrontCoverClick);
        connect(panel, &TSurfacePanel::mouseDown, this,
                [this, panel](QMouseEvent *e) { pnlFrontCoverMouseDown(panel, e); });
        connect(panel, &TSurfacePanel::mouseMove, this,
                [this, panel](QMouseEvent *e) { pnlFrontCoverMouseMove(panel, e); });
        connect(panel, &TSurfacePanel::mouseUp, this, [this, panel](QMouseEvent *e) { pnlFrontCoverMouseUp(panel, e); });
        connect(panel, &QWidget::customContextMenuRequested, this,
                [this, panel](const QPoint &pos) { txtMenu->popup(panel->mapToGlobal(pos)); });
    }

    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            ApplicationEvents1Activate();
    });
}
