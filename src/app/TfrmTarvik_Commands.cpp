// Wiring the commands of the menus, the toolbar and the panel to their
// handlers, and the main window's texts.

#include "TfrmTarvik.h"

#include "DroppedFiles.h"
#include "MessageBoxes.h"
#include "TSurfacePanel.h"
#include "TVelDragDrop.h"
#include "TVelWinSpinEdit.h"
#include "TVelStretchHandle.h"
#include <QTabBar>
#include "TVelFontCombo.h"
#include "TVelPickColor.h"
#include "uResource.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

void TfrmTarvik::connectCommands()
{
    auto on = [this](QAction *a, auto handler) { connect(a, &QAction::triggered, this, handler); };

    on(mnuNew, [this] { btnNewClick(mnuNew); });
    on(btnNew, [this] { btnNewClick(btnNew); });
    on(mnuOpen, &TfrmTarvik::btnOpenClick);
    on(btnOpen, &TfrmTarvik::btnOpenClick);
    on(mnuSave, [this] { btnSaveClick(mnuSave); });
    on(btnSave, [this] { btnSaveClick(btnSave); });
    on(mnuSaveAs, [this] { btnSaveClick(mnuSaveAs); });
    on(mnuCm, &TfrmTarvik::mnuCmClick);
    on(mnuInches, &TfrmTarvik::mnuInchesClick);
    on(mnuReassociate, &TfrmTarvik::mnuReassociateClick);
    on(mnuPrint, &TfrmTarvik::btnPrintClick);
    on(btnPrint, &TfrmTarvik::btnPrintClick);
    on(mnuPrinterSetup, &TfrmTarvik::mnuPrinterSetupClick);
    on(mnuPrintPreview, &TfrmTarvik::mnuPrintPreviewClick);
    on(mnuExportPdf, &TfrmTarvik::mnuExportPdfClick);
    on(mnuRoundLabel, &TfrmTarvik::mnuRoundLabelClick);
    on(mnuExit, &TfrmTarvik::mnuExitClick);
    on(mnuSelectnone, &TfrmTarvik::pnlFrontCoverClick);
    on(btnSelectNone, &TfrmTarvik::pnlFrontCoverClick);
    on(btnZoomIn, [this] { btnZoomOutClick(btnZoomIn); });
    on(btnZoomOut, [this] { btnZoomOutClick(btnZoomOut); });
    on(mnuContents, &TfrmTarvik::mnuContentsClick);
    on(btnHelp, &TfrmTarvik::mnuContentsClick);
    on(mnuIndex, &TfrmTarvik::mnuIndexClick);
    on(mnuAbout, &TfrmTarvik::mnuAboutClick);

    on(mnuInsertText, &TfrmTarvik::btnInsertTextClick);
    on(btnInsertText, &TfrmTarvik::btnInsertTextClick);
    on(mnuInsertImage, &TfrmTarvik::btnImageClick);
    on(btnImage, &TfrmTarvik::btnImageClick);
    on(mnuDelete, &TfrmTarvik::mnuPopDeleteClick);
    on(btnDelete, &TfrmTarvik::mnuPopDeleteClick);
    on(mnuPopDelete, &TfrmTarvik::mnuPopDeleteClick);
    on(mnuUndo, &TfrmTarvik::mnuUndoClick);
    on(btnUndo, &TfrmTarvik::mnuUndoClick);
    on(mnuRedo, &TfrmTarvik::mnuRedoClick);
    connect(btnChangeImage, &QToolButton::clicked, this, &TfrmTarvik::btnChangeImageClick);
    for (QAction *a : {btnLeft, btnCenter, btnRight, btnTop, btnMiddle, btnBottom, mnuLeft, mnuCenter, mnuRight,
                       mnuTop, mnuMiddle, mnuBottom})
        on(a, [this, a] { btnLeftClick(a); });
    for (QAction *a : {mnuBringtofront, btnBringToFront, mnuPopBringtoFront})
        on(a, &TfrmTarvik::mnuPopBringtoFrontClick);
    for (QAction *a : {mnuSendtoBack, btnSendToBack, mnuPopSendtoBack})
        on(a, &TfrmTarvik::mnuPopSendtoBackClick);
    for (QAction *a : {mnuAlign, mnuPopAlign})
        on(a, &TfrmTarvik::mnuPopAlignClick);
    on(mnuLockcomponents, &TfrmTarvik::mnuLockcomponentsClick);
    on(mnuDefaultstyles, &TfrmTarvik::mnuDefaultstylesClick);
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
    connect(tmrDisable, &QTimer::timeout, this, &TfrmTarvik::tmrDisableTimer);
    tmrDisable->start();

    // the handle
    connect(SH, &TVelStretchHandle::OnMouseDown, this, &TfrmTarvik::shMouseDown);
    connect(SH, &TVelStretchHandle::OnMouseUp, this, [this] { shMouseUp(); });
    connect(SH, &TVelStretchHandle::OnKeyDown, this, [this](int key, Qt::KeyboardModifiers) { shKeyDown(key); });

    // the property panel
    connect(txtText, &QLineEdit::textChanged, this, &TfrmTarvik::txtTextChange);
    txtText->installEventFilter(this);
    txtImageName->installEventFilter(this);
    connect(cmbFontName, &TVelFontCombo::fontChanged, this, [this] { RepaintElement(cmbFontName); });
    connect(cmbFontSize, &QComboBox::activated, this, [this] { RepaintElement(cmbFontSize); });
    connect(cmbFontSize->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (cmbFontSize->lineEdit()->isModified()) {
            cmbFontSize->lineEdit()->setModified(false);
            RepaintElement(cmbFontSize);
        }
    });
    for (QToolButton *b : {btnBold, btnItalic, btnUnderline, btnStrikeout})
        connect(b, &QToolButton::clicked, this, [this, b] { RepaintElement(b); });
    for (QRadioButton *r : {rb0, rb90, rb180, rb270})
        connect(r, &QRadioButton::clicked, this, [this, r] { RepaintElement(r); });
    connect(chkTransparent, &QCheckBox::clicked, this, [this] { RepaintElement(chkTransparent); });
    connect(shColor, &TVelPickColor::changed, this, [this] { RepaintElement(shColor); });
    connect(shBackColor, &TVelPickColor::changed, this, [this] { RepaintElement(shBackColor); });
    connect(SpinX, &TVelWinSpinEdit::changed, this, &TfrmTarvik::SpinXChange);
    connect(SpinY, &TVelWinSpinEdit::changed, this, &TfrmTarvik::SpinXChange);
    connect(DragDrop, &TVelDragDrop::filesDropped, this, &TfrmTarvik::DragDropFilesDropped);
    DragDrop->setActive(true);

    for (TVelPickColor *p : {shColorFront, shColorInside, shColorBack, shColorLeft, shColorRight, shColorLabel,
                             shColorLines})
        connect(p, &TVelPickColor::changed, this, [this, p] { ApplyColor(p); });

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

void TfrmTarvik::LocalizeMainWindow()
{
    struct Caption {
        QObject *target;
        int id;
    };
    auto setText = [](QObject *o, const QString &text) {
        if (auto *a = qobject_cast<QAction *>(o))
            a->setText(text);
        else if (auto *m = qobject_cast<QMenu *>(o))
            m->setTitle(text);
        else if (auto *l = qobject_cast<QLabel *>(o))
            l->setText(text);
        else if (auto *g = qobject_cast<QGroupBox *>(o))
            g->setTitle(text);
        else if (auto *c = qobject_cast<QCheckBox *>(o))
            c->setText(text);
        else if (auto *b = qobject_cast<QToolButton *>(o))
            b->setText(text);
    };
    const Caption captions[] = {
        {mnuFile, 100}, {mnuNew, 105}, {mnuOpen, 110}, {mnuSave, 115}, {mnuSaveAs, 120},
        {mnuPrinterSetup, 125}, {mnuPrint, 130}, {mnuPrintPreview, 131}, {mnuExportPdf, 132}, {mnuPreferences, 135}, {mnuMetrics, 140}, {mnuCm, 145},
        {mnuInches, 150}, {mnuDefaultstyles, 155}, {mnuReassociate, 160}, {mnuRoundLabel, 170},
        {mnuExit, 195}, {mnuUndo, 197}, {mnuRedo, 198}, {mnuEdit, 200}, {mnuCut, 205}, {mnuCopy, 210},
        {mnuPaste, 215}, {mnuDelete, 220}, {mnuBringtofront, 230}, {mnuSendtoBack, 235}, {mnuAlign, 240},
        {mnuLockcomponents, 245}, {mnuSelectnone, 250}, {mnuUseTarvikWizard, 255}, {mnuInsert, 300},
        {mnuInsertText, 305}, {mnuInsertImage, 310}, {mnuAlignment, 400}, {mnuHorizontally, 405},
        {mnuLeft, 410}, {mnuCenter, 415}, {mnuRight, 420}, {mnuVertically, 425}, {mnuTop, 430},
        {mnuMiddle, 435}, {mnuBottom, 440}, {mnuHelp, 600}, {mnuContents, 605}, {mnuIndex, 610},
        {mnuAbout, 630}, {mnuPopCut, 205}, {mnuPopCopy, 210}, {mnuPopPaste, 215}, {mnuPopDelete, 220},
        {mnuPopBringtoFront, 230}, {mnuPopSendtoBack, 235}, {mnuPopAlign, 240},
        {lblText, 1510}, {grpFont, 1520}, {lblAngle, 1530}, {lblBackGround, 1540}, {chkTransparent, 1550},
        {grpPosition, 1900}, {lblImageName, 2010}, {lblFit, 2020}, {grpPictureSize, 2100},
        {lblImgWidth, 2110}, {lblimgHeight, 2120}, {chkProportions, 2130}, {btnBackToOriginalSize, 2140},
        {colorLabels[0], 2310}, {colorLabels[1], 2320}, {colorLabels[2], 2330}, {colorLabels[3], 2340},
        {colorLabels[4], 2350}, {colorLabels[5], 2360}, {colorLabels[6], 2370},
    };
    for (const Caption &c : captions)
        setText(c.target, Str(c.id));
    // Commands of this program that a language module may not name yet.
    if (mnuPrintPreview->text().isEmpty())
        mnuPrintPreview->setText(QStringLiteral("Print Pre&view..."));
    if (mnuExportPdf->text().isEmpty())
        mnuExportPdf->setText(QStringLiteral("E&xport to PDF..."));

    // Tool buttons show their hint as tooltip and in the status bar; the
    // tool-button actions are never in a menu, so their text is the hint too.
    const Caption hints[] = {
        {btnNew, 1000}, {btnOpen, 1010}, {btnSave, 1020}, {btnPrint, 1030}, {btnInsertText, 1040},
        {btnImage, 1050}, {btnUndo, 1055}, {btnCut, 1060}, {btnCopy, 1070}, {btnPaste, 1080},
        {btnDelete, 1090}, {btnSelect, 1100}, {btnSelectNone, 1110}, {btnBringToFront, 1120},
        {btnSendToBack, 1130}, {btnZoomIn, 1140}, {btnZoomOut, 1150}, {btnLeft, 1160}, {btnCenter, 1170},
        {btnRight, 1180}, {btnTop, 1190}, {btnMiddle, 1200}, {btnBottom, 1210}, {btnEditWizard, 1215},
        {btnWizard, 1220}, {btnHelp, 1250},
    };
    for (const Caption &h : hints) {
        auto *a = static_cast<QAction *>(h.target);
        a->setText(Str(h.id));
        a->setToolTip(Str(h.id));
        a->setStatusTip(Str(h.id));
    }

    const Caption widgetHints[] = {
        {txtText, 1700}, {cmbFontName, 1710}, {cmbFontSize, 1720}, {shColor, 1730}, {btnBold, 1740},
        {btnItalic, 1750}, {btnUnderline, 1760}, {btnStrikeout, 1770}, {lblAngle, 1780}, {rb0, 1780},
        {rb90, 1780}, {rb180, 1780}, {rb270, 1780}, {chkTransparent, 1800}, {shBackColor, 1810},
        {cmbApplyStyle, 1820}, {txtImageName, 2200}, {btnChangeImage, 2205}, {cmbFitTo, 2210},
        {chkProportions, 2240}, {btnBackToOriginalSize, 2250},
    };
    for (const Caption &h : widgetHints) {
        auto *w = static_cast<QWidget *>(h.target);
        w->setToolTip(Str(h.id));
        w->setStatusTip(Str(h.id));
    }

    pagEdit->setTabText(pagEdit->indexOf(tabText), Str(1500));
    pagEdit->setTabText(pagEdit->indexOf(TabImage), Str(2000));
    pagEdit->setTabText(pagEdit->indexOf(TabColors), Str(2300));
    pagCover->setTabText(pagCover->indexOf(TabFrontCover), Str(2500));
    pagCover->setTabText(pagCover->indexOf(TabInsideCover), Str(2510));
    pagCover->setTabText(pagCover->indexOf(tabBackCover), Str(2520));
    pagCover->setTabText(pagCover->indexOf(TabLabel), Str(2525));

    // The fit list is refilled in its fixed order, whatever it showed before.
    const int fit = cmbFitTo->currentIndex();
    cmbFitTo->clear();
    for (int id = 2030; id <= 2090; id += 10)
        cmbFitTo->addItem(Str(id));
    cmbFitTo->setCurrentIndex(fit < 0 ? 0 : fit);

    if (SBPanel1)
        SBPanel1->setText(ZoomText());
}

void TfrmTarvik::DragDropFilesDropped(const QStringList &files)
{
    for (const QString &path : files) {
        switch (DroppedFiles::Classify(path)) {
        case DroppedFiles::TDropKind::Stop:
            return;
        case DroppedFiles::TDropKind::Picture:
            if (InsertImageFile(path) >= 0)
                Modified = true;
            break;
        case DroppedFiles::TDropKind::Document:
            OpenDocument(path);
            break;
        case DroppedFiles::TDropKind::Unknown: {
            QString text = Str(2725);
            if (text.isEmpty())
                text = QStringLiteral("Sorry, the dropped file format is unknown!");
            MessageBoxes::ShowMessage(this, text + QLatin1Char('\n') + QLatin1Char('(') + path + QLatin1Char(')'));
            break;
        }
        }
    }
}
