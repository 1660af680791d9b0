#include "TVelWinSpinEdit.h"

#include <QScopedValueRollback>

TVelWinSpinEdit::TVelWinSpinEdit(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(0);
    setSingleStep(1.0);
    applyLimits();
    setValue(0.0);
    setAccelerated(true);
    connect(this, &QDoubleSpinBox::valueChanged, this, &TVelWinSpinEdit::valueChangedHandler);
}

void TVelWinSpinEdit::setMinValue(double v)
{
    FMinValue = v;
    applyLimits();
}

void TVelWinSpinEdit::setMaxValue(double v)
{
    FMaxValue = v;
    applyLimits();
}

void TVelWinSpinEdit::setValueSilently(double v)
{
    const QScopedValueRollback<bool> silent(FSilent, true);
    setValue(v);
}

void TVelWinSpinEdit::applyLimits()
{
    if (FMinValue == FMaxValue)
        setRange(-NoLimit, NoLimit);
    else
        setRange(qMin(FMinValue, FMaxValue), qMax(FMinValue, FMaxValue));
}

void TVelWinSpinEdit::valueChangedHandler(double)
{
    if (!FSilent)
        emit changed();
}
