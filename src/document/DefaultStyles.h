#pragma once
// The eleven text styles: built-in defaults, and their stored form under
// "Preferences/Styles/n" of the settings store. Styles 0-6 have names and
// roles (CD title, author, track list, information, left spine, right spine,
// round label); 7-10 are spare and have no name, so they are never listed,
// applied or stored.

#include "CDDataTypes.h"

#include <QStringList>

constexpr int StyleCount = 11;
constexpr int stLeftSpine = 4;
constexpr int stRightSpine = 5;

// Name of style n from the string table (id 1570 + 10 n); empty for 7-10.
QString StyleName(int n);

// The built-in style n. The right spine's X follows the fixed back cover:
// BackWidth - RightSpineWidth + 0.04 inches.
TTextStyleRecord DefaultStyle(int n);

// The stored style n when its "Name" value exists, otherwise DefaultStyle(n).
// The name always comes from the string table. Booleans are "True" exactly;
// X and Y absent (or not a number) mean -1; a missing or non-numeric size,
// colour or angle, a size of 0 or below, or a missing font name, falls back
// to the built-in value.
TTextStyleRecord ReadStyle(int n);

// Writes the 13 values of style n. A spine style whose X is -1 is written
// with the position it gets on the back cover (left: 0.02, 0.02; right:
// BackWidth - RightSpineWidth + 0.04, 0.02); the record is not changed.
// A store that cannot be written is noted for the settings report.
void WriteStyle(int n, const TTextStyleRecord &style);

// All eleven styles back to DefaultStyle, in memory only.
void ResetStyles(TCoverSettings &settings);

// Reads the eleven styles into `settings` and returns the entries of the
// style list: an empty first entry, then the names of styles 0, 1, ... up to
// the first style without a name.
QStringList LoadStyles(TCoverSettings &settings);

// X and Y in the user's number format (QLocale()), with the fewest digits
// that give the same 32-bit float back.
QString StyleNumberText(float value);
