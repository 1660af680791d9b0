#pragma once
// The device channel: CD drives and their tables of contents through
// libcdio. A "drive" may also be a disc image (a cue sheet or a cdrdao toc
// file), which libcdio reads through the same calls.

#include "DiscTypes.h"

#include <QStringList>

// Fills drives with every CD drive found (at most MaxCDDrives). The result is
// true when every drive's inquiry succeeded; no drive at all is not a failure.
bool EnumerateCDDrives(TCDDrives &drives);

// One line per drive: "%1x,%1x,%1x : " with host, target and LUN, then the
// description.
QStringList ListCDDrives(const TCDDrives &drives);

// The table of contents of a device or disc image; an empty table when the
// source cannot be opened or holds no disc. A source that is no CD drive or
// disc image file (a pipe, a folder), an image whose data files are not
// regular files, and a table no CD can have (see DiscImage.h) give an empty
// table too, and *reason says why.
TCDToc ReadToc(const QString &source, QString *reason = nullptr);
TCDToc ReadToc(const TCDDrives &drives, int selectedDrive, QString *reason = nullptr);
