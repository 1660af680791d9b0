#pragma once
// Where a text line drawn at an angle starts and how large its bounding box
// is, so that the box begins at the element's top-left corner. Kept apart
// from the widget so the arithmetic can be checked on its own.

class QString;

struct TRotatedPlacement {
    int dx = 0;     // offset of the text's top-left reference point
    int dy = 0;
    int width = 0;  // bounding box of the rotated text
    int height = 0;
};

// textWidth and textHeight are the unrotated line's size in pixels; angle is
// in degrees counterclockwise, 0..360.
TRotatedPlacement PlaceRotatedText(int textWidth, int textHeight, int angle);

// Whether the font database lists a family of exactly this name (case
// counts): a text whose font is missing is drawn in Arial, on screen and on
// paper alike.
bool IsFontInstalled(const QString &family);

// Brings an angle into 0..360: -90 -> 270, 450 -> 90, 720 -> 360, 360 stays.
int NormalizeAngle(int angle);
