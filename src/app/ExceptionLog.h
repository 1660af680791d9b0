#pragma once
// The log of unexpected errors: one line per error, the date in the locale's
// short format, a space, the long time, ":" and the message.

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace ExceptionLog {

QString FormatLogLine(const QDateTime &when, const QLocale &locale, const QString &message);

// "Tarvik.log" in the per-user data folder (a program folder under /usr is
// not writable).
QString LogFilePath();

// Appends one line to the log, creating the file and its folder when needed.
// Returns false when the log cannot be written; the error is still shown.
bool AppendLogLine(const QString &path, const QString &line);

} // namespace ExceptionLog
