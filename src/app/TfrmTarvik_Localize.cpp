// The main window's texts from the string table: captions of menus, labels
// and tabs, hints of the toolbar's buttons and of the panel's fields, the
// entries of the fit list.

#include "TfrmTarvik.h"

#include "TVelFontCombo.h"
#include "TVelPickColor.h"
#include "uResource.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

void TfrmTarvik::LocalizeMainWindow()
{
    ApplyFormCharset(Str(10), this);
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
        {mnuAbout, 630}, {mnuPopCut, 205}, {mnuPopCopy, 210}, {mnuPopPaste, 215},
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

    // A tool button shows its command's hint as tooltip, and in the status
    // bar while the mouse is over it. The commands only the toolbar has are
    // never in a menu, so their text is the hint too.
    for (const TToolButtonDef &def : ToolbarButtons()) {
        if (!def.Action)
            continue;
        def.Action->setToolTip(Str(def.HintId));
        if (def.Action->objectName() == QLatin1String(def.Name))
            def.Action->setText(Str(def.HintId));
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
