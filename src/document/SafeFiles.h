#pragma once
// Files that come from outside the program (entries of a local CDDB folder,
// disc images, the settings file): read only when they are regular files,
// never more than a bound, and never in a way that blocks on a pipe or a
// device; written into a folder only as regular files that stay inside it,
// never through a symbolic link.

#include <QByteArray>
#include <QString>

namespace SafeFiles {

enum class TFileKind { Missing, Regular, Directory, BlockDevice, Other };

// What a path names, without opening it. IsLink tells whether the path
// itself is a symbolic link; Kind and Size describe what it leads to (a
// link that leads nowhere is Missing).
struct TFileInfo {
    TFileKind Kind = TFileKind::Missing;
    bool IsLink = false;
    qint64 Size = 0;
};
TFileInfo Inspect(const QString &path);

enum class TReadStatus { Ok, Missing, NotRegular, TooLarge, Failed };

// Reads a regular file whole. The file is opened without blocking and
// checked on the opened descriptor; at most the size that descriptor
// reports is read, so a pseudo-file that claims no size reads as empty and
// a file that keeps growing is not followed. A file above maxSize is not
// read. *systemError receives the system's reason for Missing and Failed.
TReadStatus ReadRegularFile(const QString &path, qint64 maxSize, QByteArray &bytes,
                            QString *systemError = nullptr);

// True when path opens (without blocking) as a regular file.
bool IsRegularFile(const QString &path);

// A name that stays in the folder it is used in: not empty, no separator,
// not "." or "..".
bool IsPlainName(const QString &name);

// Writes bytes as root/folder/name. folder and name must be plain names;
// root is made when missing. The folder is made when missing and must be a
// real folder inside root, not a symbolic link; an existing name must be a
// regular file, not a link. The bytes go to a new file beside it first,
// which then takes the name, so a failed write leaves the old file as it
// was. False with a message naming the path otherwise.
bool WriteFileInFolder(const QString &root, const QString &folder, const QString &name, const QByteArray &bytes,
                       QString &error);

} // namespace SafeFiles
