#include "DocumentColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// System colour numbers as records carry them (high byte 0x80, index below).
QColor SystemColor(int index, const QPalette &pal)
{
    switch (index) {
    case 5: return pal.color(QPalette::Base);              // window
    case 8: return pal.color(QPalette::Text);              // window text
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);           // button face
    case 16: return pal.color(QPalette::Dark);             // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return pal.color(QPalette::ButtonText);
    case 20: return pal.color(QPalette::Light);            // button highlight
    default: return pal.color(QPalette::Window);
    }
}

} // namespace

QColor ColorToQColor(TColor color, const QPalette &palette)
{
    const auto u = static_cast<std::uint32_t>(color);
    if ((u & 0xFF000000u) == 0x80000000u)
        return SystemColor(static_cast<int>(u & 0xFFu), palette);
    return QColor(int(u & 0xFF), int((u >> 8) & 0xFF), int((u >> 16) & 0xFF));
}

QColor ColorToQColor(TColor color)
{
    return ColorToQColor(color, QGuiApplication::palette());
}

TColor QColorToColor(const QColor &color)
{
    const QColor c = color.toRgb();
    return TColor(c.red() | (c.green() << 8) | (c.blue() << 16));
}
