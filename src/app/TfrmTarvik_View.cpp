// The cover view: laying out the four surfaces at the zoom, the zoom
// commands, the visible surface.

#include "TfrmTarvik.h"

#include "SurfaceGeometry.h"
#include "TShape.h"
#include "TSurfacePanel.h"
#include "VelMeasureRoutines.h"
#include "uResource.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

using namespace VelMeasureRoutines;

void TfrmTarvik::DisegnaCopertina(TSurfacePanel *panel, TShape *shadow, TViewFit fit, float height, float width)
{
    const int w = InchesToScreenPixels(width, FZoom);
    const int h = InchesToScreenPixels(height, FZoom);
    // All sheets have the size of the front cover's tab; a surface larger
    // than that makes its sheet grow, and the tab scrolls.
    const QSize tab = TabFrontCover->size();
    const QSize sheet(std::max(tab.width(), w + 8), std::max(tab.height(), h + 15 + 8));
    panel->parentWidget()->resize(sheet);
    const QPoint pos = CenteredPanelPos(sheet, QSize(w, h));
    shadow->setGeometry(pos.x() + 4, pos.y() + 4, w, h);
    panel->setGeometry(pos.x(), pos.y(), w, h);
    panel->raise();

    const TSurfaceLayout layout = SurfaceLayout(CoverSettings, FZoom);
    if (panel == pnlBackCover) {
        panel->lineLeft()->setGeometry(layout.LineLeftX, 0, 1, h);
        panel->lineRight()->setGeometry(layout.LineRightX, 0, 1, h);
    } else if (panel == pnlRoundLabel) {
        panel->innerCircle()->setGeometry(layout.InnerOffset, layout.InnerOffset, layout.InnerCircle,
                                          layout.InnerCircle);
        panel->outerCircle()->setGeometry(0, 0, layout.OuterCircle, layout.OuterCircle);
    }

    // A surface that does not fit the view makes the view zoom out, step by
    // step, until it fits or the zoom reaches its bottom.
    if (isActiveWindow() && fit == TViewFit::ZoomOutToFit
        && (h > pagCover->height() || w > pagCover->width()))
        ZoomView(TZoomStep::Out);
}

void TfrmTarvik::LayoutAllSurfaces()
{
    const TCoverSettings &s = CoverSettings;
    const TViewFit fit = TViewFit::ZoomOutToFit;
    DisegnaCopertina(pnlFrontCover, ShadowFrontCover, fit, s.FrontHeight, s.FrontWidth);
    DisegnaCopertina(pnlInsideCover, shadowInsideCover, fit, s.InsideHeight, s.InsideWidth);
    DisegnaCopertina(pnlBackCover, ShadowBackCover, fit, s.BackHeight, s.BackWidth);
    DisegnaCopertina(pnlRoundLabel, ShadowRoundLabel, fit, s.OuterDiameter, s.OuterDiameter);
}

void TfrmTarvik::ZoomView(TZoomStep step)
{
    pnlFrontCoverClick();
    const std::optional<float> zoom = SteppedZoom(FZoom, step);
    if (!zoom)
        return;
    FZoom = *zoom;

    // The covers keep the new zoom; the label, the largest surface, zooms
    // further out while it does not fit.
    const TCoverSettings &s = CoverSettings;
    DisegnaCopertina(pnlFrontCover, ShadowFrontCover, TViewFit::KeepZoom, s.FrontHeight, s.FrontWidth);
    DisegnaCopertina(pnlInsideCover, shadowInsideCover, TViewFit::KeepZoom, s.InsideHeight, s.InsideWidth);
    DisegnaCopertina(pnlBackCover, ShadowBackCover, TViewFit::KeepZoom, s.BackHeight, s.BackWidth);
    DisegnaCopertina(pnlRoundLabel, ShadowRoundLabel, TViewFit::ZoomOutToFit, s.OuterDiameter, s.OuterDiameter);
    RezoomElements();
    SBPanel1->setText(ZoomText());
}

QString TfrmTarvik::ZoomText() const
{
    const float percent = FZoom * 100.0f;
    return Str(txZoom) + QString::number(static_cast<double>(percent), 'f', 0) + QStringLiteral(" %");
}

TSurfacePanel *TfrmTarvik::ActiveSurfacePanel() const
{
    QWidget *tab = pagCover->currentWidget();
    if (tab == TabInsideCover)
        return pnlInsideCover;
    if (tab == tabBackCover)
        return pnlBackCover;
    if (tab == TabLabel)
        return pnlRoundLabel;
    return pnlFrontCover;
}

void TfrmTarvik::SetCoverPage(QWidget *tab)
{
    // The page-change handling follows the user's choice of tab; the
    // program showing a surface itself does not trigger it.
    const QSignalBlocker blocker(pagCover);
    pagCover->setCurrentWidget(tab);
}

void TfrmTarvik::ShowSurface(TSurfaceCode code)
{
    switch (code) {
    case TSurfaceCode::Front:
        SetCoverPage(TabFrontCover);
        break;
    case TSurfaceCode::Inside:
        SetCoverPage(TabInsideCover);
        break;
    case TSurfaceCode::Back:
        SetCoverPage(tabBackCover);
        break;
    case TSurfaceCode::RoundLabel:
        SetCoverPage(TabLabel);
        break;
    }
}

void TfrmTarvik::pagCoverChange()
{
    pnlFrontCoverClick();
    RefitFrontInsideImages();
    if (pagCover->currentWidget() == tabBackCover) {
        pnlBackCover->lineLeft()->raise();
        pnlBackCover->lineRight()->raise();
    }
}

bool TfrmTarvik::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TabFrontCover && event->type() == QEvent::Resize && isVisible())
        FormResize();
    if (menuHelpFilter(watched, event))
        return true;
    if (watched == txtText && event->type() == QEvent::ShortcutOverride) {
        // Ctrl+Z undoes the last element change wherever the focus is, and
        // the clipboard keys are the window's commands, which look at the
        // field themselves: the field's own handling must not take the keys
        // first.
        const auto *key = static_cast<QKeyEvent *>(event);
        for (QKeySequence::StandardKey k : {QKeySequence::Undo, QKeySequence::Copy, QKeySequence::Cut,
                                            QKeySequence::Paste})
            if (key->matches(k)) {
                event->ignore();
                return true;
            }
    }
    if (watched == txtText || watched == txtImageName) {
        // Enter is swallowed in both fields; releasing it in the text field
        // moves the next text one line down.
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (event->type() == QEvent::KeyRelease && watched == txtText)
                    txtTextKeyUp(key);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
