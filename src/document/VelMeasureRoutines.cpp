#include "VelMeasureRoutines.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

#include <cfenv>
#include <cmath>

namespace VelMeasureRoutines {

namespace {
int g_ppiOverride = 0;
}

int RoundEven(double x)
{
    if (!std::isfinite(x))
        return 0;
    if (x > 2147483647.0)
        return 2147483647;
    if (x < -2147483648.0)
        return -2147483647 - 1;
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless somebody changed it; do not rely on that.
    const int old = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(x);
    std::fesetround(old);
    return static_cast<int>(r);
}

int RoundEven(float x)
{
    return RoundEven(static_cast<double>(x));
}

float InchesToCm(float x)
{
    return x * 2.54f;
}

float CmToInches(float x)
{
    return x / 2.54f;
}

float PixelsToInches(float zoom, float px)
{
    const float unzoomed = px / zoom;
    return unzoomed / static_cast<float>(ScreenPPI());
}

float PixelsToCm(float zoom, float px)
{
    const float inches = PixelsToInches(zoom, px);
    return inches * 2.54f;
}

int InchesToScreenPixels(float x, float zoom)
{
    const float a = static_cast<float>(ScreenPPI()) * x;
    const float b = a * zoom;
    return RoundEven(b);
}

int InchesToPrinterPixelsX(float x, float printerPpiX)
{
    const float v = printerPpiX * x;
    return RoundEven(v);
}

int InchesToPrinterPixelsY(float x, float printerPpiY)
{
    const float v = printerPpiY * x;
    return RoundEven(v);
}

int InchesToPrinterPixelsX(float x, const QPaintDevice &printer)
{
    return InchesToPrinterPixelsX(x, static_cast<float>(printer.logicalDpiX()));
}

int InchesToPrinterPixelsY(float x, const QPaintDevice &printer)
{
    return InchesToPrinterPixelsY(x, static_cast<float>(printer.logicalDpiY()));
}

int ScreenPPI()
{
    if (g_ppiOverride > 0)
        return g_ppiOverride;
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (QScreen *s = app->primaryScreen())
            return qRound(s->logicalDotsPerInch());
    }
    return 96;
}

void SetScreenPPI(int ppi)
{
    g_ppiOverride = ppi;
}

} // namespace VelMeasureRoutines
