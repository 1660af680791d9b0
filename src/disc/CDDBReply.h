#pragma once
// Framing of CDDB server replies: bytes arrive in pieces of any size; lines
// end at LF (keeping the CR before it); a reply is its status line, and when
// the status code's second digit is 1 further lines up to a "." line.

#include "DiscTypes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

using TCDDBReplyLines = QList<QByteArray>;

class TReplyFramer {
public:
    // The line buffer holds at most this many bytes of one line.
    static constexpr int MaxLineLength = 1023;
    // An entry is a few kilobytes; a list that never ends is cut off here.
    static constexpr int MaxReplySize = 1024 * 1024;

    // Appends every reply completed by these bytes to replies. A line longer
    // than MaxLineLength, a status line that does not begin with three digits
    // or a reply beyond MaxReplySize makes the result false and error names
    // the bad reply; the framer is then reset.
    bool Feed(QByteArrayView bytes, QList<TCDDBReplyLines> &replies, QString &error);

    // Bytes of an unfinished line or lines of an unfinished reply are held.
    bool HasPartialReply() const { return !FLine.isEmpty() || !FLines.isEmpty(); }
    void Reset();

private:
    QByteArray FLine;
    TCDDBReplyLines FLines;
    qsizetype FReplySize = 0;
};

// The status code of a reply line: its first three characters as a decimal
// number, or -1 when they are not three digits.
int ReplyStatusCode(QByteArrayView line);

// The lines of a reply as text, each decoded on its own (UTF-8 when valid,
// else ISO-8859-1) and still carrying its CR.
QStringList DecodeReply(const TCDDBReplyLines &reply);

// "category discid disc title" (the fields after the status code of a query
// reply, or one line of a match list) into a match; the disc title is split
// like an entry's DTITLE and is ShownText. False when category or
// identifier is missing.
bool ParseMatchLine(const QString &line, tDiscResult &match);

// A reply line shortened and with control characters made visible, for
// error texts.
QString ReplyExcerpt(QByteArrayView line);

// The lines of a "sites" reply (without its status and "." lines) as the
// server box takes them: "host port latitude longitude description". Level
// 1 and 2 servers send them so; from level 3 on a line reads "host protocol
// port address latitude longitude description", and only "cddbp" lines are
// kept ("http" ones are not offered). Lines whose host is no host name or
// whose port is no number from 1 to 65535 are left out.
QStringList ServerListOfSites(const QStringList &lines);
