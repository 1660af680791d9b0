#pragma once
// A passive shape on a surface: the drop shadow, a spine line, the label disc
// and its hole. Mouse input passes through to the surface beneath.

#include <QColor>
#include <QWidget>

class TShape : public QWidget
{
    Q_OBJECT
public:
    enum Kind { Rectangle, Ellipse };

    explicit TShape(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return FKind; }
    QColor penColor() const { return FPen; }
    QColor brushColor() const { return FBrush; }
    void setPenColor(const QColor &c);
    void setBrushColor(const QColor &c);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind FKind;
    QColor FPen = Qt::black;
    QColor FBrush = Qt::white;
};
