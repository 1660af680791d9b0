#pragma once
// The local CDDB folder: one subfolder per category, one entry file per
// disc. Browsing it for the track-list window, looking an identifier up, and
// writing a local copy of an entry.

#include "DiscTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

constexpr int EntryTableSize = 1001;

// The name of the folder that directly holds the file.
QString CategoryOfPath(const QString &path);

// A category is a plain folder name and a disc identifier 8 hexadecimal
// digits; anything else could lead a path out of the local folder.
bool IsValidCategory(const QString &category);
bool IsValidDiscId(const QString &discId);

// The file a local copy goes to: root/category/discId (root ends with "/").
// False with a message, and nothing created, when category or identifier is
// not valid.
bool LocalCopyFileName(const QString &root, const QString &category, const QString &discId, QString &fileName,
                       QString &error);

struct TEntryFolder {
    QList<TCDDB_File> EntryTable; // at most EntryTableSize
    int EntryCount = 0;
    QStringList Artists;          // sorted, without duplicates
    bool Truncated = false;       // more files lie in the folder than the table holds
    QStringList Unreadable;       // files skipped, each with its reason
};

// Reads the entry files of every category folder of root, in listing order,
// stopping once the table is full.
TEntryFolder LoadEntryFolder(const QString &root);

// Looks the identifier up: first the file named by it in each category
// folder, then every file. On a hit fileName and disc are filled.
bool FindLocalEntryFile(const QString &root, const QString &discId, QString &fileName, TCDDBDisc &disc);

// Every DISCID line becomes the first one's value, "," and extraDiscId; a
// list that already holds extraDiscId is left alone.
QStringList ExtendDiscIdLines(const QStringList &lines, const QString &extraDiscId);

// True when the entry's DISCID line lists the identifier (in any letter case).
bool EntryListsDiscId(const TCDDBDisc &disc, const QString &discId);

// Lines, each ended by exactly one CR LF (line ends they carry are dropped),
// as UTF-8: an entry file's bytes.
QByteArray EntryFileBytes(const QStringList &lines);

// Writes the lines as root/category/name (see EntryFileBytes). The file
// stays inside root: a category folder or an existing file that is a
// symbolic link, a device or a pipe is refused, and the file is written
// beside its name first and then renamed, so a failed write leaves an
// existing file as it was. False with a message on failure.
bool WriteEntryFile(const QString &root, const QString &category, const QString &name, const QStringList &lines,
                    QString &error);
