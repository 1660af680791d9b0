#include "ExceptionLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ExceptionLog {

namespace {

// The locale's long time format names the time zone; the log line has only
// hours, minutes and seconds, as the desktop's own long time shows them.
QString longTimeWithoutZone(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

} // namespace

QString FormatLogLine(const QDateTime &when, const QLocale &locale, const QString &message)
{
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + locale.toString(when.time(), longTimeWithoutZone(locale)) + QLatin1Char(':') + message;
}

QString LogFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/Tarvik.log");
}

bool AppendLogLine(const QString &path, const QString &line)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::Append | QIODevice::Text))
        return false;
    const QByteArray bytes = line.toUtf8() + '\n';
    return f.write(bytes) == bytes.size();
}

} // namespace ExceptionLog
