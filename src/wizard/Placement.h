#pragma once
// Where the wizard puts each kind of generated text: the roles, the style
// each loads, and the fixed distances of the track and time columns and of
// the round label's texts. The centimetre and inch values are separate
// figures chosen for each unit (0.2 in is not 0.5 cm), so each unit has its
// own table.

#include "CDDataTypes.h"

enum class TTextRole {
    Title = 0,      // front cover, round label
    Author = 1,     // front cover, round label
    Track = 2,      // inside and back cover
    Info = 3,       // inside and back cover
    LeftSpine = 4,  // back cover
    RightSpine = 5, // back cover
    LabelTrack = 6, // round label
    TrackTime = 7,  // inside and back cover
};

// The text style a role loads (the times take the tracks' style).
int StyleOfRole(TTextRole role);

// Distances in the unit shown (centimetres or inches).
struct TPlacementDistances {
    double FirstLineY;    // top of a column's first track line
    double TrackX;        // track column's left, from the inside cover's left or the left spine line
    double LabelFirstY;   // round label: the first track line's top
    double LabelX;        // round label: the track lines' left
    double LabelTitleY;   // round label: the title's top
    double TimeFromRight; // time column's left, from the cover's right or the right spine line
};

const TPlacementDistances &PlacementDistances(bool inches);

// The left of the track column and of the time column on `surface` (inside
// or back cover), in the unit shown.
double TrackColumnX(const TCoverSettings &settings, TSurfaceCode surface, bool inches);
double TimeColumnX(const TCoverSettings &settings, TSurfaceCode surface, bool inches);
