#pragma once
// One surface of the cover (front, inside, back, label): a borderless panel
// whose children are the surface's shapes and elements. The panel paints its
// own background colour at whatever size it has, so a zoom step never shows
// white where a colour belongs; the back cover paints its two spines in their
// own colours up to the spine lines.

#include "CDDataTypes.h"

#include <QColor>
#include <QMouseEvent>
#include <QWidget>

class TShape;

class TSurfacePanel : public QWidget
{
    Q_OBJECT
public:
    TSurfacePanel(TSurfaceCode code, QWidget *parent = nullptr);

    TSurfaceCode code() const { return FCode; }

    // The colour bitmap of the surface: one colour, or for the back cover the
    // back colour between the lines and the spine colours outside them.
    void setBackgroundColor(const QColor &c);
    void setSpineColors(const QColor &left, const QColor &right);
    QColor backgroundColor() const { return FBack; }

    // Back cover only: the two spine fold lines.
    TShape *lineLeft() const { return FLineLeft; }
    TShape *lineRight() const { return FLineRight; }
    // Round label only: the disc and its hole.
    TShape *outerCircle() const { return FOuterCircle; }
    TShape *innerCircle() const { return FInnerCircle; }

signals:
    void mouseDown(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TSurfaceCode FCode;
    QColor FBack = Qt::white;
    QColor FLeft = Qt::white;
    QColor FRight = Qt::white;
    bool FPressed = false;
    TShape *FLineLeft = nullptr;
    TShape *FLineRight = nullptr;
    TShape *FOuterCircle = nullptr;
    TShape *FInnerCircle = nullptr;
};
