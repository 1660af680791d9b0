#include "StartupLayout.h"

#include <QGuiApplication>
#include <QScreen>

namespace StartupLayout {

namespace {
QSize g_screenOverride;

QRect centred(QSize size, QSize screen)
{
    return QRect(QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2), size);
}
} // namespace

TWindowPlacement PlacementFor(QSize screen)
{
    if (screen == QSize(800, 600))
        return {0.9f, QRect(0, 0, 800, 570), true};
    if (screen.width() > 800 && screen.height() > 600)
        return {1.0f, centred(QSize(800, 620), screen), false};
    return {0.9f, centred(DesignSize, screen), false};
}

QSize ScreenSize()
{
    if (g_screenOverride.isValid())
        return g_screenOverride;
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->size();
    return QSize(1024, 768);
}

void SetScreenSizeOverride(QSize size)
{
    g_screenOverride = size;
}

} // namespace StartupLayout
