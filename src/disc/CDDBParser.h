#pragma once
// CDDB entry text: decoding, the two readers (the track-list window's simple
// one and the client's) and the key lookup they share.

#include "DiscTypes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Entries are a few kilobytes; anything far bigger is not one and is refused
// rather than read whole.
constexpr qint64 MaxEntryFileSize = 1024 * 1024;

// Line by line: UTF-8 where a line is valid UTF-8, ISO-8859-1 where it is
// not (real CDDB data holds both, sometimes in one entry).
QString DecodeEntryText(const QByteArray &bytes);
QString DecodeEntryLine(QByteArrayView line);

// Text fit to be shown in a window or on a terminal: control characters
// (terminal escapes, NUL, the C1 range of ISO-8859-1) are dropped and a tab
// becomes a blank.
QString ShownText(const QString &text);

// Lines split at LF; each keeps a CR that preceded its LF, as server lines do.
QStringList SplitEntryLines(const QString &text);

// Reads a whole entry file as lines (see SplitEntryLines). False with a
// message for a missing, unreadable or oversized file, or one that is not a
// regular file (a pipe would never end); see SafeFiles::ReadRegularFile.
bool ReadEntryLines(const QString &path, QStringList &lines, QString *error = nullptr,
                    qint64 maxSize = MaxEntryFileSize);

// The simple reader of the track-list window. Its values are ShownText.
bool ReadEntryFile(const QString &path, TCDDB_File &entry, QString *error = nullptr);
TCDDB_File ReadEntryText(const QStringList &lines, const QString &path);

// Value of the first line beginning with key; one trailing CR, LF or NUL is
// dropped. Empty when no line matches.
QString FindKeyValue(const QStringList &lines, const QString &key);

// Splits a DTITLE value at " / " when present, else at "/"; without any "/"
// the artist is empty and the title is the whole value.
void SplitDiscTitle(const QString &value, QString &artist, QString &title);

// The client's reader. For a server reply, lines hold the status line first
// and the closing "." last; entryLines receives the lines without them. For a
// local file every line is kept and fileName is recorded. The values are
// ShownText; entryLines keep the text as it came.
TCDDBDisc ParseEntry(const QStringList &lines, bool fromServer, const QString &category,
                     const QString &fileName = QString(), QStringList *entryLines = nullptr);
