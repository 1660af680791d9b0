#pragma once
// A colour swatch: a sunken rectangle filled with one colour. Clicking it
// (or Space/Enter while it has the focus) opens the program's one colour
// dialog preset to the swatch's colour; accepting the dialog takes the new
// colour. The colour is held in the document's form (0x00BBGGRR).

#include "CDDataTypes.h"

#include <QFrame>

class QColorDialog;

class TVelPickColor : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(int color READ color WRITE setColor NOTIFY changed)

public:
    explicit TVelPickColor(QWidget *parent = nullptr);

    TColor color() const { return FColor; }
    // Emits changed() only when the colour really changes.
    void setColor(TColor c);
    // For the program writing the panel itself: no signal.
    void setColorSilently(TColor c);

    // Opens the shared dialog preset to the swatch's colour and takes the
    // chosen colour when the user accepts. Returns whether it was accepted.
    bool chooseColor();

    // The one colour dialog of the program, made on first use. Its custom
    // colours are Qt's process-wide ones (QColorDialog::customColor).
    static QColorDialog *sharedDialog();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TColor FColor = 0;
    bool FPressed = false;
};
