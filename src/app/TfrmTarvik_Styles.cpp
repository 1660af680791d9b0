// Text styles in the Text tab.

#include "TfrmTarvik.h"

#include "TVelFontCombo.h"
#include "TVelPickColor.h"
#include "TVelWinSpinEdit.h"
#include "VelMeasureRoutines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QToolButton>

void TfrmTarvik::LoadStyleValue(int n)
{
    if (n < 0 || n >= static_cast<int>(CoverSettings.Styles.size()))
        return;
    const TTextStyleRecord &s = CoverSettings.Styles[n];

    PanelUpdating = true;
    cmbFontName->setFontName(s.FontName);
    shColor->setColorSilently(s.FontColor);
    btnBold->setChecked(s.FontStyle & fbBold);
    btnItalic->setChecked(s.FontStyle & fbItalic);
    btnUnderline->setChecked(s.FontStyle & fbUnderline);
    btnStrikeout->setChecked(s.FontStyle & fbStrikeout);
    cmbFontSize->setCurrentText(QString::number(s.FontSize));
    switch (s.Angle) {
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
    chkTransparent->setChecked(s.Transparent);
    shBackColor->setColorSilently(s.BackColor);
    PanelUpdating = false;

    if (s.X != -1.0f)
        SpinX->setValue(UseInches ? s.X : VelMeasureRoutines::InchesToCm(s.X));
    if (s.Y != -1.0f)
        SpinY->setValue(UseInches ? s.Y : VelMeasureRoutines::InchesToCm(s.Y));
}
