#include "CDDBParser.h"

#include "SafeFiles.h"
#include "uResource.h"

#include <QHash>
#include <QStringDecoder>

QString DecodeEntryLine(QByteArrayView line)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(line);
    if (utf8.hasError())
        return QString::fromLatin1(line);
    return text;
}

QString DecodeEntryText(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype lf = bytes.indexOf('\n', start);
        const qsizetype end = lf < 0 ? bytes.size() : lf + 1;
        text += DecodeEntryLine(QByteArrayView(bytes).sliced(start, end - start));
        start = end;
    }
    return text;
}

QString ShownText(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\t'))
            shown += QLatin1Char(' ');
        else if (c.category() != QChar::Other_Control)
            shown += c;
    }
    return shown;
}

QStringList SplitEntryLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool ReadEntryLines(const QString &path, QStringList &lines, QString *error, qint64 maxSize)
{
    lines.clear();
    auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    QByteArray bytes;
    QString why;
    switch (SafeFiles::ReadRegularFile(path, maxSize, bytes, &why)) {
    case SafeFiles::TReadStatus::Ok: break;
    case SafeFiles::TReadStatus::Missing: return fail(Str(9955).arg(path));
    case SafeFiles::TReadStatus::NotRegular: return fail(Str(9960).arg(path));
    case SafeFiles::TReadStatus::TooLarge: return fail(Str(9965).arg(path));
    case SafeFiles::TReadStatus::Failed: return fail(Str(9970).arg(path, why));
    }
    lines = SplitEntryLines(DecodeEntryText(bytes));
    return true;
}

namespace {

QString WithoutLineEnd(QString line)
{
    while (line.endsWith(QLatin1Char('\r')) || line.endsWith(QLatin1Char('\n')))
        line.chop(1);
    return line;
}

// The keys a reader asks for all end in "=" and hold no other "=", so a line
// begins with such a key exactly when its text up to the first "=" is the key.
// One pass builds the first value of every key.
class TKeyIndex {
public:
    explicit TKeyIndex(const QStringList &lines)
    {
        for (int i = 0; i < lines.size(); ++i) {
            const QString &line = lines[i];
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq < 0)
                continue;
            const QString key = line.left(eq + 1);
            if (!FFirst.contains(key))
                FFirst.insert(key, i);
        }
    }
    // Index of the first line with this key, or -1.
    int Line(const QString &key) const { return FFirst.value(key, -1); }

private:
    QHash<QString, int> FFirst;
};

QString ClientValue(const QStringList &lines, const TKeyIndex &index, const QString &key)
{
    const int i = index.Line(key);
    if (i < 0)
        return {};
    QString value = lines[i].mid(key.size());
    if (!value.isEmpty()) {
        const QChar last = value.back();
        if (last == QLatin1Char('\r') || last == QLatin1Char('\n') || last == QChar(0))
            value.chop(1);
    }
    return value;
}

} // namespace

TCDDB_File ReadEntryText(const QStringList &rawLines, const QString &path)
{
    QStringList lines;
    lines.reserve(rawLines.size());
    for (const QString &l : rawLines)
        lines << WithoutLineEnd(l);
    const TKeyIndex index(lines);
    auto value = [&](const QString &key) {
        const int i = index.Line(key);
        return i < 0 ? QString() : ShownText(lines[i].mid(key.size()));
    };

    TCDDB_File entry;
    entry.FileName = path;
    entry.DiscID = value(QStringLiteral("DISCID="));

    // The reader counts on the separator " / ": one character either side of
    // the first "/" is dropped unseen.
    const QString dtitle = value(QStringLiteral("DTITLE="));
    const qsizetype slash = dtitle.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        entry.Title = dtitle;
    } else {
        entry.Artist = dtitle.left(qMax<qsizetype>(0, slash - 1));
        entry.Title = dtitle.mid(slash + 2);
    }

    for (int n = 0; n < MaxEntryTracks; ++n) {
        const QString v = value(QStringLiteral("TTITLE%1=").arg(n));
        if (v.isEmpty())
            break;
        entry.Tracks << v;
    }
    entry.TrackCount = int(entry.Tracks.size());

    for (const QString &line : lines)
        if (line.startsWith(QLatin1String("EXTD=")))
            entry.ExtendedData += ShownText(line.mid(5));
    return entry;
}

bool ReadEntryFile(const QString &path, TCDDB_File &entry, QString *error)
{
    QStringList lines;
    if (!ReadEntryLines(path, lines, error)) {
        entry = TCDDB_File{};
        entry.FileName = path;
        return false;
    }
    entry = ReadEntryText(lines, path);
    return true;
}

QString FindKeyValue(const QStringList &lines, const QString &key)
{
    for (const QString &line : lines) {
        if (!line.startsWith(key))
            continue;
        QString value = line.mid(key.size());
        if (!value.isEmpty()) {
            const QChar last = value.back();
            if (last == QLatin1Char('\r') || last == QLatin1Char('\n') || last == QChar(0))
                value.chop(1);
        }
        return value;
    }
    return {};
}

void SplitDiscTitle(const QString &value, QString &artist, QString &title)
{
    const QString separator = value.contains(QLatin1String(" / ")) ? QStringLiteral(" / ") : QStringLiteral("/");
    const qsizetype at = value.indexOf(separator);
    if (at < 0) {
        artist.clear();
        title = value;
        return;
    }
    artist = value.left(at);
    title = value.mid(at + separator.size());
}

TCDDBDisc ParseEntry(const QStringList &lines, bool fromServer, const QString &category,
                     const QString &fileName, QStringList *entryLines)
{
    if (entryLines) {
        *entryLines = lines;
        if (fromServer) {
            if (!entryLines->isEmpty())
                entryLines->removeFirst();
            if (!entryLines->isEmpty() && WithoutLineEnd(entryLines->last()) == QLatin1String("."))
                entryLines->removeLast();
        }
    }

    const TKeyIndex index(lines);
    auto value = [&](const QString &key) { return ShownText(ClientValue(lines, index, key)); };

    TCDDBDisc disc;
    disc.Revision = ShownText(FindKeyValue(lines, QStringLiteral("# Revision: ")));
    disc.DiscID = value(QStringLiteral("DISCID="));
    if (disc.DiscID.contains(QLatin1Char(','))) {
        disc.DiscIDs = disc.DiscID.split(QLatin1Char(','));
        disc.DiscID = disc.DiscIDs.first();
    }
    disc.DiscTitle = value(QStringLiteral("DTITLE="));
    SplitDiscTitle(disc.DiscTitle, disc.Artist, disc.Title);
    disc.Category = category;
    disc.Year = value(QStringLiteral("DYEAR="));
    disc.Genre = value(QStringLiteral("DGENRE="));
    disc.PlayOrder = value(QStringLiteral("PLAYORDER="));
    disc.ExtendedData = value(QStringLiteral("EXTD="));
    for (int n = 0; n < MaxEntryTracks; ++n) {
        const QString v = value(QStringLiteral("TTITLE%1=").arg(n));
        if (v.trimmed().isEmpty())
            break;
        disc.TrackTitles << v;
    }
    disc.TrackCount = int(disc.TrackTitles.size());
    for (int n = 0; n < MaxExtendedTracks; ++n) {
        const QString v = value(QStringLiteral("EXTT%1=").arg(n));
        if (v.isEmpty())
            break;
        disc.TrackExtended << v;
    }
    if (!fromServer)
        disc.FileName = fileName;
    return disc;
}
