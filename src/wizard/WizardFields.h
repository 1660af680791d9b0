#pragma once
// The wizard's own small rules: the track number prefix, the number format
// check, the spine text the wizard proposes, and the size of a picture's
// preview.

#include <QSize>
#include <QString>

namespace WizardFields {

// The number format the wizard starts with.
inline const QString DefaultNumberFormat = QStringLiteral("# - ");

// A format is usable when it holds a "#", the place of the number.
bool IsNumberFormat(const QString &format);

// The prefix of the track with 0-based index `index`: the format with its
// first "#" replaced by the track's number (two digits at least when
// `twoDigits`); a format without "#" is returned unchanged.
QString NumberPrefix(const QString &format, int index, bool twoDigits);

// The spine text proposed for a title and an author: "author - title" or
// "title - author"; empty unless both are given.
QString SpineDefault(const QString &title, const QString &author, bool artistBeforeTitle);

// The side of a preview box.
constexpr int PreviewSide = 62;

// The size a picture of `picture` pixels is shown at in a preview box:
// its own when it fits, else scaled into the box keeping its proportions
// (integer arithmetic, the longer side becoming the box's side).
QSize PreviewSize(QSize picture);

} // namespace WizardFields
