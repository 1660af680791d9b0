#pragma once
// A numeric field with a number of decimals and a step. MinValue and
// MaxValue limit it only when they differ; left equal (both 0 as made) the
// field takes any value in a wide range. changed() follows every change of
// the value, typed, stepped or set by setValue; setValueSilently is for the
// program filling the field itself.

#include <QDoubleSpinBox>

class TVelWinSpinEdit : public QDoubleSpinBox
{
    Q_OBJECT
    Q_PROPERTY(double increment READ increment WRITE setIncrement)
    Q_PROPERTY(double minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double maxValue READ maxValue WRITE setMaxValue)

public:
    // The range used when no limits are set.
    static constexpr double NoLimit = 99999.0;

    explicit TVelWinSpinEdit(QWidget *parent = nullptr);

    double increment() const { return singleStep(); }
    void setIncrement(double step) { setSingleStep(step); }

    double minValue() const { return FMinValue; }
    void setMinValue(double v);
    double maxValue() const { return FMaxValue; }
    void setMaxValue(double v);

    void setValueSilently(double v);

signals:
    void changed();

private:
    void applyLimits();
    void valueChangedHandler(double);

    double FMinValue = 0.0;
    double FMaxValue = 0.0;
    bool FSilent = false;
};
