#pragma once
// Reading and writing ".tvk" document files, and finding the pictures a
// document refers to, without any window. The main window asks the
// questions, shows the messages and builds the elements.
//
// Everything happens in memory: a save packs and compresses the record and
// hands the bytes to a QSaveFile in the target's own folder, which replaces
// the document only once every byte is on disk, so a failed save leaves the
// previous file as it was. No temporary file is shared between documents or
// between running copies of the program.

#include "CDDataTypes.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

// A real document is well under 64 KB; reading stops after this many bytes,
// which counts as extra bytes after the record if the record is complete by
// then, and as a cut stream if it is not.
constexpr qint64 MaxDocumentFileBytes = qint64(16) << 20;

struct TDocumentSaveResult {
    bool Ok = false;
    // For the error box, e.g. "The document could not be saved to
    // "/home/me/a.tvk": No space left on device". Empty on success.
    QString UserMessage;
    // For the error log: the system's reason alone.
    QString LogMessage;
};

// A document file's bytes: `record` packed, its UTF-8 extension block after
// it (texts, font names and picture paths in full), compressed as one zlib
// stream at level 1. Throws ETarvikError when compressing fails.
QByteArray DocumentFileBytes(const TDocumentRecord &record, int codePage = CurrentCodePage());

// Replaces `path` with DocumentFileBytes. On failure the file at `path`, if
// any, is untouched.
TDocumentSaveResult WriteDocumentFile(const QString &path, const TDocumentRecord &record,
                                      int codePage = CurrentCodePage());

struct TDocumentReadResult {
    enum TStatus {
        Ok,           // Record holds the document
        Missing,      // no file under the name: nothing to open, the document stays empty
        NotADocument, // not a zlib stream, a damaged one, or content shorter than the older form
        Unreadable,   // a file that exists but cannot be read (no permission, a folder, ...)
    };
    TStatus Status = NotADocument;
    // Sanitised; a new, empty document unless Status is Ok. Its strings are
    // whole where the file's extension block matches the record, otherwise
    // the record's own code-page strings.
    TDocumentRecord Record;
    bool HasColors = false; // false for the older form: Record.Colors are a new document's
    // For the message box, e.g. "“a.tvk” is not a Tarvik document." Empty for Ok and Missing.
    QString UserMessage;
    // For the error log: "error" for content that is not a document, the
    // system's reason for a file that cannot be read.
    QString LogMessage;

    bool ok() const { return Status == Ok; }
};

// The in-memory core of reading: file bytes -> expanded -> unpacked record,
// whose strings the extension block completes. Status is Ok or
// NotADocument; any bytes are safe to give it.
TDocumentReadResult ReadDocumentBytes(QByteArrayView file, int codePage = CurrentCodePage());

// Reads the file at `path` (at most MaxDocumentFileBytes of it) and unpacks it.
TDocumentReadResult ReadDocumentFile(const QString &path, int codePage = CurrentCodePage());

// --- Pictures of a document --------------------------------------------

// The file name part of a stored picture path, which may have been written
// on Windows ("C:\pics\a.jpg" -> "a.jpg"); empty when the path ends in a
// separator.
QString StoredImageFileName(const QString &storedPath);

// Where the picture is without asking: the stored path when it is an
// absolute path to an existing file, otherwise a file of the same name in
// the document's folder, otherwise empty.
QString LocateImage(const QString &storedPath, const QString &documentPath);

// The question asked when a picture is not found: "The Image " + stored path
// + " could not be found! Do you want to search the image?" (strings 2710
// and 2715 of the current language).
QString ImageNotFoundQuestion(const QString &storedPath);

// Asks the user for a picture that was not found: the question box with
// ImageNotFoundQuestion, then on Yes the picture dialog with
// StoredImageFileName as its file name in "ImageOpenDir" (storing the
// chosen folder back). Returns the chosen path, or empty for No or Cancel.
using TImageSearchCallback = std::function<QString(const QString &storedPath)>;

// The whole search for one image record: empty for an empty stored path,
// LocateImage when it finds the file, otherwise `askUser` (when set).
QString FindImage(const QString &storedPath, const QString &documentPath,
                  const TImageSearchCallback &askUser);
