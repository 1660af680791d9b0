#pragma once
// What is checked before a table of contents is believed: the text of a
// disc image (a cue sheet or a cdrdao toc file), the data files it names,
// and the track addresses read from a drive or an image.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A disc image is a cue sheet or a toc file; its text is read up to this.
constexpr qint64 MaxImageSheetSize = 1024 * 1024;

// The last address a CD can hold, 99:59:74, in frames.
constexpr qint64 MaxDiscFrames = (99 * 60 + 59) * 75 + 74;

enum class TImageKind { NotAnImage, CueSheet, TocFile };

// By the file's extension (".cue", ".toc", any letter case).
TImageKind ImageKindOf(const QString &path);

// The data files the sheet names (FILE, and in toc files AUDIOFILE and
// DATAFILE), as written there.
QStringList ImageDataFiles(const QByteArray &sheet, TImageKind kind);

// Track numbers (1 to 99, rising) and times (mm:ss:ff with seconds below 60,
// frames below 75 and no more than 99 minutes) a disc can have: false with
// the reason for the first that it cannot.
bool CheckImageSheet(const QByteArray &sheet, TImageKind kind, QString *reason);

// Absolute frame addresses of the tracks in disc order and of the lead-out:
// false with the reason when no CD has them (no tracks or more than 99,
// tracks out of order, a lead-out that is not after the last track, a disc
// longer than 99:59:74).
bool CheckTrackAddresses(const QList<qint64> &starts, qint64 leadOut, QString *reason);

// mm:ss:ff of an absolute frame address.
QString FramesText(qint64 frames);
