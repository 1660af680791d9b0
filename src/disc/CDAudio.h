#pragma once
// Track measuring for the cover wizard: a drive (or disc image) is opened
// under an alias and asked for its tracks and their lengths. The table of
// contents is read once at open and kept under the alias until it is closed.

#include <QString>

bool MciOpen(const QString &drive, const QString &alias);
bool MciMediaPresent(const QString &alias);
int MciTrackCount(const QString &alias);
// Length of track n (counting from 1); false when the alias or track is unknown.
bool MciTrackLength(const QString &alias, int n, int &minutes, int &seconds);
bool MciClose(const QString &alias);
