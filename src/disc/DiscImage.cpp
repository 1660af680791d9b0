#include "DiscImage.h"

#include "CDDBParser.h"
#include "uResource.h"

#include <QRegularExpression>

namespace {

// One line of a sheet split into words; a word in double quotes may hold
// blanks and loses its quotes.
QStringList Words(const QString &line)
{
    QStringList words;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i].isSpace())
            ++i;
        if (i >= line.size())
            break;
        if (line[i] == QLatin1Char('"')) {
            const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? line.size() : close;
            words << line.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        const qsizetype start = i;
        while (i < line.size() && !line[i].isSpace())
            ++i;
        words << line.mid(start, i - start);
    }
    return words;
}

QStringList SheetLines(const QByteArray &sheet)
{
    // Names are bytes to the file system; Latin-1 keeps every byte.
    return QString::fromLatin1(sheet).split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
}

// "mm:ss:ff" with digits only: false when it is no time at all.
bool ParseTime(const QString &word, qint64 &minutes, qint64 &seconds, qint64 &frames)
{
    static const QRegularExpression re(QStringLiteral("^(\\d+):(\\d+):(\\d+)$"));
    const auto m = re.match(word);
    if (!m.hasMatch())
        return false;
    // More digits than any time has: the value itself is beyond every limit.
    auto number = [](const QString &digits) { return digits.size() > 9 ? qint64(1) << 40 : digits.toLongLong(); };
    minutes = number(m.captured(1));
    seconds = number(m.captured(2));
    frames = number(m.captured(3));
    return true;
}

bool CheckTime(const QString &word, const QString &line, QString *reason)
{
    qint64 m = 0, s = 0, f = 0;
    if (!ParseTime(word, m, s, f))
        return true;
    if (s < 60 && f < 75 && m <= 99)
        return true;
    if (reason)
        *reason = Str(9910).arg(ShownText(line.trimmed()), word);
    return false;
}

} // namespace

TImageKind ImageKindOf(const QString &path)
{
    if (path.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive))
        return TImageKind::CueSheet;
    if (path.endsWith(QLatin1String(".toc"), Qt::CaseInsensitive))
        return TImageKind::TocFile;
    return TImageKind::NotAnImage;
}

QStringList ImageDataFiles(const QByteArray &sheet, TImageKind kind)
{
    QStringList files;
    for (const QString &line : SheetLines(sheet)) {
        const QStringList words = Words(line);
        if (words.size() < 2)
            continue;
        const QString key = words[0].toUpper();
        const bool names = key == QLatin1String("FILE")
                           || (kind == TImageKind::TocFile
                               && (key == QLatin1String("AUDIOFILE") || key == QLatin1String("DATAFILE")));
        if (names && !words[1].isEmpty())
            files << words[1];
    }
    return files;
}

bool CheckImageSheet(const QByteArray &sheet, TImageKind kind, QString *reason)
{
    qint64 lastTrack = 0;
    for (const QString &line : SheetLines(sheet)) {
        const QStringList words = Words(line);
        if (words.isEmpty())
            continue;
        const QString key = words[0].toUpper();
        // Titles and other texts may hold anything.
        if (key == QLatin1String("TITLE") || key == QLatin1String("PERFORMER") || key == QLatin1String("SONGWRITER")
            || key == QLatin1String("REM") || key == QLatin1String("CATALOG") || key == QLatin1String("ISRC")
            || key.startsWith(QLatin1String("//")))
            continue;
        // A file's name may look like anything; what follows it is checked.
        const bool namesFile = key == QLatin1String("FILE") || key == QLatin1String("AUDIOFILE")
                               || key == QLatin1String("DATAFILE");
        if (kind == TImageKind::CueSheet && key == QLatin1String("TRACK")) {
            static const QRegularExpression digits(QStringLiteral("^\\d{1,9}$"));
            const QString number = words.value(1);
            const qint64 n = digits.match(number).hasMatch() ? number.toLongLong() : -1;
            if (n < 1 || n > 99 || n <= lastTrack) {
                if (reason)
                    *reason = n >= 1 && n <= 99
                        ? Str(9915).arg(ShownText(line.trimmed()), QString::number(n), QString::number(lastTrack))
                        : Str(9920).arg(ShownText(line.trimmed()));
                return false;
            }
            lastTrack = n;
            continue;
        }
        for (qsizetype i = namesFile ? 2 : 1; i < words.size(); ++i)
            if (!CheckTime(words[i], line, reason))
                return false;
    }
    return true;
}

QString FramesText(qint64 frames)
{
    return QStringLiteral("%1:%2:%3")
        .arg(frames / 4500, 2, 10, QLatin1Char('0'))
        .arg(frames / 75 % 60, 2, 10, QLatin1Char('0'))
        .arg(frames % 75, 2, 10, QLatin1Char('0'));
}

bool CheckTrackAddresses(const QList<qint64> &starts, qint64 leadOut, QString *reason)
{
    auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (starts.isEmpty())
        return fail(Str(9885));
    if (starts.size() > 99)
        return fail(Str(9880).arg(starts.size()));
    for (qsizetype i = 0; i < starts.size(); ++i) {
        if (starts[i] < 0 || starts[i] > MaxDiscFrames)
            return fail(Str(9890).arg(i + 1));
        if (i > 0 && starts[i] <= starts[i - 1])
            return fail(Str(9895).arg(QString::number(i + 1), FramesText(starts[i]), QString::number(i),
                                          FramesText(starts[i - 1])));
    }
    if (leadOut <= starts.last())
        return fail(Str(9900).arg(FramesText(qMax<qint64>(leadOut, 0)), QString::number(starts.size()),
                                      FramesText(starts.last())));
    if (leadOut > MaxDiscFrames)
        return fail(Str(9905).arg(FramesText(leadOut)));
    return true;
}
