#pragma once
// The rubber band: a dotted, unfilled rectangle on the surface being
// selected on. Mouse input passes through it.

#include <QWidget>

class TSelectionRect : public QWidget
{
    Q_OBJECT
public:
    explicit TSelectionRect(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
