#pragma once
// Conversions between the document's unit (inches, 32-bit floats), centimetres,
// screen pixels at a zoom and printer pixels. Every intermediate result is a
// 32-bit float and pixel results round to nearest with ties to even, so the
// numbers match the stored documents exactly.

#include <cstdint>

class QPaintDevice;

namespace VelMeasureRoutines {

float InchesToCm(float x);
float CmToInches(float x);
float PixelsToInches(float zoom, float px);
float PixelsToCm(float zoom, float px);
int InchesToScreenPixels(float x, float zoom);
int InchesToPrinterPixelsX(float x, float printerPpiX);
int InchesToPrinterPixelsY(float x, float printerPpiY);
int InchesToPrinterPixelsX(float x, const QPaintDevice &printer);
int InchesToPrinterPixelsY(float x, const QPaintDevice &printer);

// Rounds to the nearest integer, ties to the even one (2.5 -> 2, 3.5 -> 4).
int RoundEven(float x);
int RoundEven(double x);

// The screen's logical pixels per inch. Tests fix it with SetScreenPPI so the
// geometry does not depend on the machine; 0 returns to the screen's own value.
int ScreenPPI();
void SetScreenPPI(int ppi);

} // namespace VelMeasureRoutines
