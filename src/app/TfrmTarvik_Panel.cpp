// The property panel: the selection shown in the fields, the fields applied
// to the selection, and live typing.

#include "TfrmTarvik.h"

#include "TSurfacePanel.h"
#include "TVelFontCombo.h"
#include "TVelPickColor.h"
#include "TVelWinSpinEdit.h"
#include "VelCDImageElement.h"
#include "TVelStretchHandle.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"
#include "uResource.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

using namespace VelMeasureRoutines;

void TfrmTarvik::ShowTextProperties(TVelRotateLabel *e)
{
    const QScopedValueRollback<bool> updating(PanelUpdating, true);
    pagEdit->setCurrentWidget(tabText);
    txtText->setText(e->Caption());
    const QFont f = e->font();
    cmbFontName->setFontName(f.family());
    shColor->setColorSilently(e->FontColor());
    btnBold->setChecked(f.bold());
    btnItalic->setChecked(f.italic());
    btnUnderline->setChecked(f.underline());
    btnStrikeout->setChecked(f.strikeOut());
    cmbFontSize->setCurrentText(QString::number(e->RealFontSize()));
    switch (e->Angle()) {
    case 90:
        rb90->setChecked(true);
        break;
    case 180:
        rb180->setChecked(true);
        break;
    case 270:
        rb270->setChecked(true);
        break;
    case 360:
        rb0->setChecked(true);
        break;
    default:
        break;
    }
    chkTransparent->setChecked(e->Transparent());
    shBackColor->setColorSilently(e->Color());
    SpinX->setValueSilently(UseInches ? e->XPosInches() : e->XPosCm());
    SpinY->setValueSilently(UseInches ? e->YPosInches() : e->YPosCm());
}

void TfrmTarvik::ShowImageProperties(TVelCDImageElement *e)
{
    const QScopedValueRollback<bool> updating(PanelUpdating, true);
    pagEdit->setCurrentWidget(TabImage);
    txtImageName->setText(QFileInfo(e->ImageFileName()).fileName());
    txtImageName->setToolTip(e->ImageFileName());
    SpinImgWidth->setValueSilently(UseInches ? e->WidthInches() : e->WidthCm());
    SpinImgHeight->setValueSilently(UseInches ? e->HeightInches() : e->HeightCm());
    SpinX->setValueSilently(UseInches ? e->XPosInches() : e->XPosCm());
    SpinY->setValueSilently(UseInches ? e->YPosInches() : e->YPosCm());
    cmbFitTo->setCurrentIndex(static_cast<int>(e->FitStyle()));
}

void TfrmTarvik::EmptyTxtInfos()
{
    const QScopedValueRollback<bool> updating(PanelUpdating, true);
    txtText->clear();
    SpinX->setValueSilently(0);
    SpinY->setValueSilently(0);
}

void TfrmTarvik::EmptyImgInfos()
{
    const QScopedValueRollback<bool> updating(PanelUpdating, true);
    txtImageName->clear();
    txtImageName->setToolTip(QString());
    cmbFitTo->setCurrentIndex(0);
    SpinImgWidth->setValueSilently(0);
    SpinImgHeight->setValueSilently(0);
}

void TfrmTarvik::RepaintElement(TPanelField field)
{
    if (PanelUpdating)
        return;
    const QList<QWidget *> sel = Selection();
    if (txtText->text().isEmpty() && sel.size() == 1) {
        mnuPopDeleteClick();
        return;
    }
    QList<TVelRotateLabel *> texts;
    for (QWidget *w : sel)
        if (auto *t = qobject_cast<TVelRotateLabel *>(w))
            texts << t;

    // A size that is not a whole number changes nothing and is reported.
    int size = 0;
    if (field == TPanelField::FontSize) {
        bool ok = false;
        size = cmbFontSize->currentText().trimmed().toInt(&ok);
        if (!ok || size <= 0) {
            ReportError(Str(9525).arg(cmbFontSize->currentText()));
            return;
        }
    }

    // Typing is recorded when the text is made; every other field takes a
    // snapshot of its own.
    if (field != TPanelField::Text && !texts.isEmpty())
        RecordHistory();

    for (TVelRotateLabel *t : texts) {
        QFont f = t->font();
        switch (field) {
        case TPanelField::Text:
            t->SetCaption(txtText->text());
            break;
        case TPanelField::FontName:
            f.setFamily(cmbFontName->fontName());
            t->setFont(f);
            break;
        case TPanelField::FontSize:
            t->SetRealFontSize(size);
            break;
        case TPanelField::FontColor:
            t->SetFontColor(shColor->color());
            break;
        case TPanelField::Bold:
            f.setBold(btnBold->isChecked());
            t->setFont(f);
            break;
        case TPanelField::Italic:
            f.setItalic(btnItalic->isChecked());
            t->setFont(f);
            break;
        case TPanelField::Underline:
            f.setUnderline(btnUnderline->isChecked());
            t->setFont(f);
            break;
        case TPanelField::Strikeout:
            f.setStrikeOut(btnStrikeout->isChecked());
            t->setFont(f);
            break;
        case TPanelField::Angle0:
            t->SetAngle(360);
            break;
        case TPanelField::Angle90:
            t->SetAngle(90);
            break;
        case TPanelField::Angle180:
            t->SetAngle(180);
            break;
        case TPanelField::Angle270:
            t->SetAngle(270);
            break;
        case TPanelField::Transparent:
            t->SetTransparent(chkTransparent->isChecked());
            break;
        case TPanelField::BackColor:
            t->SetColor(shBackColor->color());
            break;
        }
    }
    if (HasSelection()) {
        // the handle follows the new size of what it holds
        const QList<QWidget *> held = Selection();
        SH->DetachAll();
        for (QWidget *w : held)
            SH->AttachControl(w);
        SH->SetLocked(HandleLocked());
        if (QWidget *p = SH->parentWidget())
            p->update();
    }
    Modified = true;
}

void TfrmTarvik::txtTextChange()
{
    if (PanelUpdating)
        return;
    if (Selection().size() == 1 && qobject_cast<TVelRotateLabel *>(Selection().first())) {
        RepaintElement(TPanelField::Text);
    } else if (!txtText->text().isEmpty()) {
        // Typing into an empty panel creates the text at the first
        // keystroke; several selected elements are let go first.
        const QString text = txtText->text();
        const int cursor = txtText->cursorPosition();
        if (HasSelection()) {
            pnlFrontCoverClick();
            const QScopedValueRollback<bool> updating(PanelUpdating, true);
            txtText->setText(text);
        }
        btnInsertTextClick();
        const QScopedValueRollback<bool> updating(PanelUpdating, true);
        txtText->setText(text);
        txtText->setCursorPosition(cursor);
    }
    txtText->setFocus();
    if (HasSelection()) {
        if (QWidget *p = SH->parentWidget())
            p->update();
        SH->update();
    }
}

void TfrmTarvik::txtTextKeyUp(int key)
{
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !HasSelection())
        return;
    const double y = SpinY->value();
    const int h = Selection().first()->height();
    pnlFrontCoverClick();
    const float step = UseInches ? PixelsToInches(FZoom, static_cast<float>(h)) : PixelsToCm(FZoom, static_cast<float>(h));
    SpinY->setValueSilently(y + static_cast<double>(step));
}

void TfrmTarvik::SpinXChange()
{
    if (PanelUpdating || !HasSelection() || !SpinX->isEnabled() || SpinX->text().isEmpty()
        || SpinY->text().isEmpty())
        return;
    QWidget *first = Selection().first();
    const float x = static_cast<float>(SpinX->value());
    const float y = static_cast<float>(SpinY->value());
    if (auto *t = qobject_cast<TVelRotateLabel *>(first)) {
        if (UseInches) {
            t->SetXPosInches(x);
            t->SetYPosInches(y);
        } else {
            t->SetXPosCm(x);
            t->SetYPosCm(y);
        }
    } else if (auto *img = qobject_cast<TVelCDImageElement *>(first)) {
        if (UseInches) {
            img->SetXPosInches(x);
            img->SetYPosInches(y);
        } else {
            img->SetXPosCm(x);
            img->SetYPosCm(y);
        }
    }
    const QList<QWidget *> held = Selection();
    SH->DetachAll();
    for (QWidget *w : held)
        SH->AttachControl(w);
    SH->SetLocked(HandleLocked());
    first->parentWidget()->update();
    Modified = true;
}

void TfrmTarvik::VelRotateLabelChangingPos(QWidget *)
{
    if (!HasSelection())
        return;
    const QScopedValueRollback<bool> updating(PanelUpdating, true);
    QWidget *first = Selection().first();
    float x = 0, y = 0;
    if (auto *t = qobject_cast<TVelRotateLabel *>(first)) {
        x = UseInches ? t->XPosInches() : t->XPosCm();
        y = UseInches ? t->YPosInches() : t->YPosCm();
    } else if (auto *img = qobject_cast<TVelCDImageElement *>(first)) {
        x = UseInches ? img->XPosInches() : img->XPosCm();
        y = UseInches ? img->YPosInches() : img->YPosCm();
    }
    SpinX->setValueSilently(x);
    SpinY->setValueSilently(y);
}

void TfrmTarvik::ImgElementChangingPos(QWidget *sender)
{
    if (Selection().size() == 1)
        VelRotateLabelChangingPos(sender);
}

void TfrmTarvik::ImgElementResizing(QWidget *)
{
    if (!HasSelection())
        return;
    auto *img = qobject_cast<TVelCDImageElement *>(Selection().first());
    if (!img)
        return;
    const QString before = SpinImgWidth->text() + QLatin1Char('x') + SpinImgHeight->text();
    {
        const QScopedValueRollback<bool> updating(PanelUpdating, true);
        SpinImgWidth->setValueSilently(UseInches ? img->WidthInches() : img->WidthCm());
        SpinImgHeight->setValueSilently(UseInches ? img->HeightInches() : img->HeightCm());
    }
    const QString after = SpinImgWidth->text() + QLatin1Char('x') + SpinImgHeight->text();
    if (Selection().size() == 1 && before != after) {
        SH->DetachAll();
        SH->AttachControl(img);
        SH->SetResizable(true);
        SH->SetLocked(mnuLockcomponents->isChecked() || img->FitStyle() != fsNone);
    }
}

void TfrmTarvik::pagEditChanging(int newIndex)
{
    if (newIndex != pagEdit->currentIndex() && HasSelection())
        pnlFrontCoverClick();
}
