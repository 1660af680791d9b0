#include "RotatedText.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// Sine and cosine of whole degrees, exact at the multiples of 90 the
// elements use: sin(pi) computed in floating point is a tiny negative number,
// which would make a truncated H + W*sin(pi) come out one pixel short.
long double sinDeg(int deg)
{
    const int d = ((deg % 360) + 360) % 360;
    switch (d) {
    case 0: case 180: return 0.0L;
    case 90: return 1.0L;
    case 270: return -1.0L;
    default: return std::sin(d * std::numbers::pi_v<long double> / 180.0L);
    }
}

long double cosDeg(int deg)
{
    return sinDeg(deg + 90);
}

} // namespace

TRotatedPlacement PlaceRotatedText(int textWidth, int textHeight, int angle)
{
    using std::trunc;
    const long double W = textWidth;
    const long double H = textHeight;
    const int theta = angle;

    TRotatedPlacement r;
    if (angle <= 90) {
        r.dx = 0;
        r.dy = int(trunc(W * sinDeg(theta)));
    } else if (angle <= 180) {
        r.dx = int(trunc(-W * cosDeg(theta)));
        r.dy = int(trunc(H * cosDeg(180 - angle) + W * sinDeg(theta)));
    } else if (angle <= 270) {
        r.dx = int(trunc(H * sinDeg(angle - 180) - W * cosDeg(theta)));
        r.dy = int(trunc(H * sinDeg(270 - angle)));
    } else {
        r.dx = int(trunc(H * sinDeg(360 - angle)));
        r.dy = 0;
    }
    r.width = std::abs(int(trunc(W * cosDeg(theta)))) + std::abs(int(trunc(H * sinDeg(theta))));
    r.height = std::abs(int(trunc(W * sinDeg(theta)))) + std::abs(int(trunc(H * cosDeg(theta))));
    return r;
}

int NormalizeAngle(int angle)
{
    // Same result as adding or subtracting 360 until the value lies in
    // 0..360, without looping over absurd values read from a file.
    if (angle < 0) {
        angle %= 360;
        if (angle < 0)
            angle += 360;
    } else if (angle > 360) {
        angle = (angle - 1) % 360 + 1;
    }
    return angle;
}

bool IsFontInstalled(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseSensitive);
}
