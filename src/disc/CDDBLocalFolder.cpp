#include "CDDBLocalFolder.h"

#include "CDDBParser.h"
#include "SafeFiles.h"
#include "uResource.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

QString CategoryOfPath(const QString &path)
{
    return QFileInfo(path).dir().dirName();
}

bool IsValidCategory(const QString &category)
{
    static const QRegularExpression re(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9_-]+")));
    return re.match(category).hasMatch();
}

bool IsValidDiscId(const QString &discId)
{
    static const QRegularExpression re(QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]{8}")));
    return re.match(discId).hasMatch();
}

bool LocalCopyFileName(const QString &root, const QString &category, const QString &discId, QString &fileName,
                       QString &error)
{
    if (!IsValidCategory(category)) {
        error = Str(9855).arg(category);
        return false;
    }
    if (!IsValidDiscId(discId)) {
        error = Str(9860).arg(discId);
        return false;
    }
    fileName = root + category + QLatin1Char('/') + discId;
    return true;
}

namespace {

// Category folders in listing order (not sorted: a local copy of the whole
// database holds a handful of folders but hundreds of thousands of files).
QStringList CategoryFolders(const QString &root)
{
    QStringList folders;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    while (it.hasNext())
        folders << it.next();
    return folders;
}

// Regular files only: a pipe or device node among the entries would block.
constexpr QDir::Filters EntryFileFilter = QDir::Files | QDir::Hidden;

bool ReadIfListed(const QString &path, const QString &discId, TCDDBDisc &disc, bool checkBytes)
{
    QByteArray bytes;
    if (SafeFiles::ReadRegularFile(path, MaxEntryFileSize, bytes) != SafeFiles::TReadStatus::Ok)
        return false;
    // The identifier is plain ASCII in any encoding: files that do not hold
    // it are passed over without being parsed.
    if (checkBytes && !bytes.contains(discId.toLatin1()))
        return false;
    const TCDDBDisc parsed = ParseEntry(SplitEntryLines(DecodeEntryText(bytes)), false, CategoryOfPath(path), path);
    if (!EntryListsDiscId(parsed, discId))
        return false;
    disc = parsed;
    return true;
}

} // namespace

TEntryFolder LoadEntryFolder(const QString &root)
{
    TEntryFolder folder;
    if (root.isEmpty())
        return folder;
    for (const QString &category : CategoryFolders(root)) {
        QDirIterator files(category, EntryFileFilter);
        while (files.hasNext()) {
            const QString path = files.next();
            if (folder.EntryTable.size() >= EntryTableSize) {
                folder.Truncated = true;
                break;
            }
            TCDDB_File entry;
            QString error;
            if (!ReadEntryFile(path, entry, &error)) {
                folder.Unreadable << error;
                continue;
            }
            folder.EntryTable << entry;
        }
        if (folder.Truncated)
            break;
    }
    folder.EntryCount = int(folder.EntryTable.size());

    for (const TCDDB_File &e : folder.EntryTable)
        if (!e.Artist.isEmpty())
            folder.Artists << e.Artist;
    std::sort(folder.Artists.begin(), folder.Artists.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    folder.Artists.erase(std::unique(folder.Artists.begin(), folder.Artists.end()), folder.Artists.end());
    return folder;
}

bool FindLocalEntryFile(const QString &root, const QString &discId, QString &fileName, TCDDBDisc &disc)
{
    fileName.clear();
    if (discId.isEmpty() || root.isEmpty())
        return false;
    const QStringList categories = CategoryFolders(root);
    if (IsValidDiscId(discId)) {
        for (const QString &category : categories) {
            const QString path = category + QLatin1Char('/') + discId;
            if (ReadIfListed(path, discId, disc, false)) {
                fileName = path;
                return true;
            }
        }
    }
    for (const QString &category : categories) {
        QDirIterator files(category, EntryFileFilter);
        while (files.hasNext()) {
            const QString path = files.next();
            if (ReadIfListed(path, discId, disc, true)) {
                fileName = path;
                return true;
            }
        }
    }
    return false;
}

QStringList ExtendDiscIdLines(const QStringList &lines, const QString &extraDiscId)
{
    const QLatin1String key("DISCID");
    const auto first = std::find_if(lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(key); });
    if (first == lines.end() || extraDiscId.isEmpty())
        return lines;
    QString rest = first->mid(key.size());
    while (rest.endsWith(QLatin1Char('\r')) || rest.endsWith(QLatin1Char('\n')))
        rest.chop(1);
    const QString value = rest.startsWith(QLatin1Char('=')) ? rest.mid(1) : rest;
    if (value.split(QLatin1Char(',')).contains(extraDiscId))
        return lines;
    QStringList out = lines;
    for (QString &line : out)
        if (line.startsWith(key))
            line = key + rest + QLatin1Char(',') + extraDiscId;
    return out;
}

bool EntryListsDiscId(const TCDDBDisc &disc, const QString &discId)
{
    if (discId.isEmpty())
        return false;
    if (disc.DiscID.compare(discId, Qt::CaseInsensitive) == 0)
        return true;
    for (const QString &id : disc.DiscIDs)
        if (id.trimmed().compare(discId, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QByteArray EntryFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (QString line : lines) {
        while (line.endsWith(QLatin1Char('\r')) || line.endsWith(QLatin1Char('\n')))
            line.chop(1);
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteEntryFile(const QString &root, const QString &category, const QString &name, const QStringList &lines,
                    QString &error)
{
    return SafeFiles::WriteFileInFolder(root, category, name, EntryFileBytes(lines), error);
}
