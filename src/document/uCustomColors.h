#pragma once
// The colour dialog's 16 custom colours, kept in "Tarvik.ini" beside the
// settings file: section "CustomColors", keys "ColorA" to "ColorP", each value
// six lower-case hexadecimal digits of 0x00BBGGRR. The dialog itself is not
// touched here; the main window passes the list to it.

#include "CDDataTypes.h"

#include <QList>
#include <QString>

constexpr int CustomColorCount = 16;

// "Tarvik.ini" in the folder of the settings file.
QString CustomColorsIniPath();

// Always 16 colours. A missing file, section or key, or a value that is not
// six hexadecimal digits, gives white: the colour dialog's own empty entry.
QList<TColor> LoadCustomColors(const QString &iniPath);

// Writes the first 16 entries of `colors` key by key (fewer when the list is
// shorter); false when the file cannot be written.
bool SaveCustomColors(const QString &iniPath, const QList<TColor> &colors);
