#include "TSurfacePanel.h"

#include "TShape.h"

#include <QMouseEvent>
#include <QPainter>

TSurfacePanel::TSurfacePanel(TSurfaceCode code, QWidget *parent)
    : QWidget(parent), FCode(code)
{
    setContextMenuPolicy(Qt::CustomContextMenu);
    if (code == TSurfaceCode::Back) {
        FLineLeft = new TShape(TShape::Rectangle, this);
        FLineLeft->setObjectName(QStringLiteral("LineLeft"));
        FLineRight = new TShape(TShape::Rectangle, this);
        FLineRight->setObjectName(QStringLiteral("LineRight"));
        for (TShape *line : {FLineLeft, FLineRight}) {
            line->setPenColor(Qt::black);
            line->setBrushColor(Qt::black);
        }
    } else if (code == TSurfaceCode::RoundLabel) {
        FOuterCircle = new TShape(TShape::Ellipse, this);
        FOuterCircle->setObjectName(QStringLiteral("OuterCircle"));
        FInnerCircle = new TShape(TShape::Ellipse, this);
        FInnerCircle->setObjectName(QStringLiteral("InnerCircle"));
        FInnerCircle->setBrushColor(Qt::white);
    }
}

void TSurfacePanel::setBackgroundColor(const QColor &c)
{
    FBack = c;
    update();
}

void TSurfacePanel::setSpineColors(const QColor &left, const QColor &right)
{
    FLeft = left;
    FRight = right;
    update();
}

void TSurfacePanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), FBack);
    if (FCode == TSurfaceCode::Back && FLineLeft && FLineRight) {
        p.fillRect(QRect(0, 0, FLineLeft->x(), height()), FLeft);
        p.fillRect(QRect(FLineRight->x(), 0, width() - FLineRight->x(), height()), FRight);
    }
}

void TSurfacePanel::mousePressEvent(QMouseEvent *event)
{
    FPressed = event->button() == Qt::LeftButton;
    emit mouseDown(event);
}

void TSurfacePanel::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(event);
}

void TSurfacePanel::mouseReleaseEvent(QMouseEvent *event)
{
    // The click comes before the release, so a rubber band ending here
    // selects after the click has let go of the old selection.
    const bool click = FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPressed = false;
    if (click)
        emit clicked();
    emit mouseUp(event);
}
