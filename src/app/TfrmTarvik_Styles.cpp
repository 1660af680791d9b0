// Text styles in the Text tab and the style editor.

#include "TfrmTarvik.h"

#include "TSurfacePanel.h"
#include "TTarvikApplication.h"
#include "TVelFontCombo.h"
#include "TVelPickColor.h"
#include "TVelWinSpinEdit.h"
#include "TfrmDefaultStyles.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

using namespace VelMeasureRoutines;

void TfrmTarvik::LoadStyleValue(int n)
{
    if (n < 0 || n >= static_cast<int>(CoverSettings.Styles.size()))
        return;
    const TTextStyleRecord s = CoverSettings.Styles[n];
    // A style given to the selection is one change to undo, whatever it sets.
    std::optional<THistoryStep> step;
    if (HasSelection())
        step.emplace(*this);

    // 1. the Text tab shows the style
    {
        const QScopedValueRollback<bool> updating(PanelUpdating, true);
        cmbFontName->setFontName(s.FontName);
        shColor->setColorSilently(s.FontColor);
        btnBold->setChecked(s.FontStyle & fbBold);
        btnItalic->setChecked(s.FontStyle & fbItalic);
        btnUnderline->setChecked(s.FontStyle & fbUnderline);
        btnStrikeout->setChecked(s.FontStyle & fbStrikeout);
        cmbFontSize->setCurrentText(QString::number(s.FontSize));
        QRadioButton *angle = nullptr;
        switch (s.Angle) {
        case 90:
            angle = rb90;
            break;
        case 180:
            angle = rb180;
            break;
        case 270:
            angle = rb270;
            break;
        case 360:
            angle = rb0;
            break;
        default:
            break;
        }
        if (angle)
            angle->setChecked(true);
        chkTransparent->setChecked(s.Transparent);
        shBackColor->setColorSilently(s.BackColor);
    }

    // 2. a spine style moves the selection onto the back cover
    if (n == 4 || n == 5) {
        for (QWidget *e : Selection())
            if (e->parentWidget() != pnlBackCover) {
                e->setParent(pnlBackCover);
                e->show();
            }
        ShowSurface(TSurfaceCode::Back);
    }

    // 3. the style reaches the selection through the panel's own handling
    if (HasSelection()) {
        using F = TPanelField;
        for (F field : {F::FontName, F::FontSize, F::FontColor, F::Bold, F::Italic, F::Underline, F::Strikeout})
            RepaintElement(field);
        const std::pair<QRadioButton *, F> angles[] = {
            {rb0, F::Angle0}, {rb90, F::Angle90}, {rb180, F::Angle180}, {rb270, F::Angle270}};
        for (const auto &[radio, field] : angles)
            if (radio->isChecked())
                RepaintElement(field);
        RepaintElement(F::Transparent);
        RepaintElement(F::BackColor);
    }

    // 4, 5. the position, when the style has one
    auto show = [this](float inches) { return UseInches ? inches : InchesToCm(inches); };
    if (s.X != -1.0f)
        SpinX->setValue(show(s.X));
    if (s.Y != -1.0f)
        SpinY->setValue(show(s.Y));

    // 6. the left spine's text runs upward from the bottom edge
    if (n == 4 && s.Y != -1.0f) {
        float top = 0;
        if (HasSelection()) {
            QWidget *first = Selection().first();
            const float length = PixelsToInches(FZoom, static_cast<float>(std::max(first->width(), first->height())));
            top = CoverSettings.BackHeight - (length + s.Y);
        }
        SpinY->setValue(show(top));
        rb90->setChecked(true);
        RepaintElement(TPanelField::Angle90);
    }

    // 7.
    if (HasSelection()) {
        if (QWidget *panel = Selection().first()->parentWidget())
            panel->update();
        ReselectAll();
    }
}

void TfrmTarvik::cmbApplyStyleClick()
{
    const int item = cmbApplyStyle->currentIndex();
    if (HasSelection() && item > 0)
        LoadStyleValue(item - 1);
}

void TfrmTarvik::mnuDefaultstylesClick()
{
    TfrmDefaultStyles dialog(CoverSettings, &TTarvikApplication::ApplicationEvents1Exception, this);
    dialog.exec();
}
